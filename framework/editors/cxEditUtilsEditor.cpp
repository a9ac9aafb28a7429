// The editor utilities that read an editor's settings, view data and view info: the background with
// its border and shadow, the default button width, the buttons' content offset and shape, and the
// native height correction.
#include <algorithm>

#include "WinMetrics.h"
#include "cxContainerUtils.h"
#include "cxContainerViewInfo.h"
#include "cxEditButtons.h"
#include "cxEditPaintUtils.h"
#include "cxEditProperties.h"
#include "cxEditUtils.h"
#include "cxEditViewData.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"

namespace cxEditUtils {

namespace {

constexpr Integer EditButtonDefaultMargin = 4;
// The content offset of the buttons of each drawing style, without native drawing.
constexpr Integer EditButtonsContentVerticalOffsets[] = {0, 4, 2, 2, 2, 2, 2};

// The theme, part and state a native button is drawn with.
struct TButtonTheme {
  TdxThemedObjectType Type;
  Integer Part;
};

TButtonTheme ButtonThemeOf(TcxEditButtonViewInfo* AViewInfo) {
  return AViewInfo->ComboBoxStyle ? TButtonTheme{totComboBox, 1} : TButtonTheme{totButton, AViewInfo->NativePart};
}

// The border rectangle grown by the border: left and top always, right and bottom first for the
// edges drawn (where the shadow goes round it), then for the others.
TRect GrowBorderRect(TcxCustomEditViewInfo* AViewInfo, TcxCanvas* ACanvas, Integer ABorderWidth) {
  TRect r = AViewInfo->BorderRect;
  r.left -= ABorderWidth;
  r.top -= ABorderWidth;
  const bool rightEdge = AViewInfo->Edges.Contains(bRight), bottomEdge = AViewInfo->Edges.Contains(bBottom);
  if (rightEdge) r.right += ABorderWidth;
  if (bottomEdge) r.bottom += ABorderWidth;
  if (AViewInfo->Shadow) DrawContainerShadow(ACanvas, r);
  if (!rightEdge) r.right += ABorderWidth;
  if (!bottomEdge) r.bottom += ABorderWidth;
  return r;
}

void DrawEditBorder(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo, TRect R, Integer ABorderWidth) {
  const TcxEditBorderStyle style = AViewInfo->GetEditBorderStyle();
  if (style == ebsNone) return;
  if (AViewInfo->Painter || style == ebsSingle || style == ebsThick) {
    ACanvas->FrameRect(R, AViewInfo->BorderColor, ABorderWidth);
  } else if (style == ebsFlat || style == ebs3D) {
    ACanvas->DrawEdge(R, true, true, AViewInfo->Edges);
    R = cxRectInflate(R, -1, -1);
    if (style == ebsFlat)
      ACanvas->FrameRect(R, clBtnFace);
    else
      ACanvas->DrawComplexFrame(R, cl3DDkShadow, cl3DLight, AViewInfo->Edges);
  }
  // ebsUltraFlat and ebsOffice11 leave the frame to a painter.
}

void FillEditBackground(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo, bool ADrawBackground, HBRUSH ABrush) {
  HDC dc = ACanvas->GetHandle();
  if (!AViewInfo->IsInplace) {
    if (ADrawBackground && !AViewInfo->IsTransparent()) cxEditFillRect(dc, AViewInfo->BorderRect, ABrush);
  } else if (AViewInfo->IsTransparent()) {
    // A transparent in-place editor lets its host's cell show through.
  } else if (ADrawBackground) {
    cxEditFillRect(dc, AViewInfo->Bounds, ABrush);
  } else if (AViewInfo->HasBackground) {
    InternalFillRect(ACanvas->GetCanvas(), AViewInfo->Bounds, AViewInfo->BorderRect, ABrush);
  }
}

// Keeps the buttons out of the clip region while the background is drawn, unless the first one lets
// the background show through.
class TButtonsClip {
 public:
  TButtonsClip(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo) : FDC(ACanvas->GetHandle()) {
    if (AViewInfo->GetButtonCount() == 0 || AViewInfo->ButtonsInfo[0]->BackgroundPartiallyTransparent) return;
    FSaved = SaveDC(FDC);
    for (TcxEditButtonViewInfo* button : AViewInfo->ButtonsInfo) ACanvas->ExcludeClipRect(button->VisibleBounds);
  }
  ~TButtonsClip() {
    if (FSaved) RestoreDC(FDC, FSaved);
  }
  TButtonsClip(const TButtonsClip&) = delete;
  TButtonsClip& operator=(const TButtonsClip&) = delete;

 private:
  HDC FDC;
  int FSaved = 0;
};

}  // namespace

void DrawCustomEdit(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo, bool ADrawBackground,
                    TcxEditBackgroundPaintingStyle ABackgroundPaintingStyle) {
  {
    TButtonsClip clip(ACanvas, AViewInfo);
    if (!AViewInfo->DrawBackground(ACanvas)) {
      // Held: the border and the shadow take brushes of their own from the cache meanwhile.
      TcxSolidBrushHolder brush(AViewInfo->GetBackgroundColor());
      if (AViewInfo->NativeStyle) {
        AViewInfo->DrawNativeStyleEditBackground(ACanvas, ADrawBackground, ABackgroundPaintingStyle, brush);
      } else {
        const Integer borderWidth =
            AViewInfo->Painter ? 1 : GetContainerBorderWidth(AViewInfo->GetContainerBorderStyle());
        DrawEditBorder(ACanvas, AViewInfo, GrowBorderRect(AViewInfo, ACanvas, borderWidth), borderWidth);
        FillEditBackground(ACanvas, AViewInfo, ADrawBackground, brush);
      }
    }
  }
  AViewInfo->DrawButtons(ACanvas);
}

TRect GetEditThemeContentMargins(TdxThemedObjectType AThemedObjectType, Integer APart, Integer AState,
                                 TcxCanvas* ACanvas) {
  TdxTheme theme = OpenTheme(AThemedObjectType);
  if (!theme) return TRect();
  const RECT bounds{0, 0, 100, 100};
  RECT content = bounds;
  dxUxTheme::GetThemeBackgroundContentRect(theme, ACanvas ? ACanvas->GetHandle() : nullptr, APart, AState, &bounds,
                                           &content);
  return TRect(content.left, content.top, bounds.right - content.right, bounds.bottom - content.bottom);
}

Integer CalculateEditDefaultButtonWidth(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AViewInfo) {
  const TButtonTheme theme = ButtonThemeOf(AViewInfo);
  if (AViewInfo->NativeStyle) AViewInfo->NativeStyle = AreVisualStylesMustBeUsed(true, theme.Type);
  Integer margin = EditButtonDefaultMargin;
  if (AViewInfo->NativeStyle) {
    const TRect margins = GetEditThemeContentMargins(theme.Type, theme.Part, AViewInfo->NativeState, ACanvas);
    margin = margins.left + margins.right;
  }
  if (AViewInfo->Width > 0) return std::max(AViewInfo->Width, margin);
  Integer width = 0;
  if (AViewInfo->Kind == bkGlyph && VerifyBitmap(AViewInfo->Glyph))
    width = AViewInfo->Glyph->GetWidth() + margin;
  else if (AViewInfo->Kind == bkText)
    width = margin + ACanvas->TextWidth(AViewInfo->Caption) + 3;
  return std::max<Integer>(width, GetSystemMetrics(SM_CYHSCROLL));
}

Integer GetEditButtonsContentVerticalOffset(TcxCanvas* ACanvas, TcxEditButtonStyle AButtonStyle,
                                            bool ANativeStyle) {
  if (!ANativeStyle) return EditButtonsContentVerticalOffsets[AButtonStyle];
  const TRect margins = GetEditThemeContentMargins(totButton, 1, 1, ACanvas);
  return margins.top + margins.bottom;
}

TcxRegion* GetEditButtonRegion(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AViewInfo) {
  TOwnedPtr<TcxRegion> bounds(New<TcxRegion>(AViewInfo->Bounds));
  if (!AViewInfo->NativeStyle) return bounds.release();
  const TButtonTheme theme = ButtonThemeOf(AViewInfo);
  TdxTheme handle = OpenTheme(theme.Type);
  HRGN shape = nullptr;
  const RECT r = AViewInfo->Bounds;
  if (!handle || dxUxTheme::GetThemeBackgroundRegion(handle, ACanvas->GetHandle(), theme.Part,
                                                     AViewInfo->NativeState, &r, &shape) != S_OK ||
      !shape)
    return bounds.release();
  auto* region = New<TcxRegion>(shape);
  region->Combine(bounds.release(), roIntersect);
  return region;
}

Integer GetNativeInnerTextEditContentHeightCorrection(TcxCustomEditProperties* AProperties, bool AIsViewInfoNative) {
  return AIsViewInfoNative && AProperties->GetButtons()->Count() > 0 ? 1 : 0;
}

bool IsShadowDrawingNeeded(TcxCustomEditViewData* AViewData) {
  TcxCustomEditStyle* style = AViewData->GetStyle();
  return style->GetShadow() && !AViewData->IsNativeStyle(style->GetLookAndFeel());
}

}  // namespace cxEditUtils
