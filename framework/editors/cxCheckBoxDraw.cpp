// The check box's drawing routines and the tick mask of the ultra-flat looks.
#include "Graphics.h"
#include "WinGdi.h"
#include "WinUserDraw.h"
#include "cxCheckBox.h"
#include "cxContainerUtils.h"
#include "cxEditPaintUtils.h"
#include "cxEditUtils.h"
#include "cxGraphicsCanvas.h"
#include "cxLookAndFeelPaintersNative.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"

namespace cxCheckBox {

namespace {

// The theme's check-box part; its states run unchecked, checked, mixed, each normal, hot, pressed,
// disabled.
constexpr int CheckBoxThemePart = 3;
// Paints the brush where the source is black and keeps the destination where it is white.
constexpr DWORD MaskedBrushRop = 0xB8074A;

TBitmap* GCheckMarkMask = nullptr;

bool IsValidGlyph(TBitmap* AGlyph, Integer AGlyphCount) { return AGlyphCount > 0 && VerifyBitmap(AGlyph); }

TcxButtonState ButtonStateOf(TcxEditCheckState ACheckState) {
  static constexpr TcxButtonState States[] = {cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled};
  return States[ACheckState];
}

// The first image of the system's check-box strip is the empty box, the second the checked one: the
// pixels where they differ are the tick.
TBitmap* BuildCheckMarkMask() {
  const TSize size = TcxCustomLookAndFeelPainterClass::Of<TcxCustomLookAndFeelPainter>()->CheckButtonSize();
  TBitmap* mask = New<TBitmap>();
  mask->SetSize(size.cx, size.cy);
  HBITMAP boxes = LoadSystemBitmap(OBM_CHECKBOXES);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, boxes);
  HDC target = mask->GetCanvas()->GetHandle();
  for (Integer i = 0; i < size.cy; ++i)
    for (Integer j = 0; j < size.cx; ++j)
      SetPixel(target, j, i, GetPixel(dc, j + size.cx, i) == GetPixel(dc, j, i) ? 0xFFFFFF : 0x000000);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(boxes);
  return mask;
}

void DrawGlyphFrame(TcxCanvas* ACanvas, const TRect& R, TcxCheckBoxState AState, TcxEditCheckState ACheckState,
                    TBitmap* AGlyph, Integer AGlyphCount, TColor ABackgroundColor, bool AGrayedShowingGlyphs) {
  const Integer index = GetEditCheckGlyphIndex(AState, ACheckState, AGrayedShowingGlyphs, AGlyphCount);
  TOwnedPtr<TBitmap> frame(New<TBitmap>());
  frame->Assign(AGlyph);
  frame->SetHeight(R.Height());
  frame->SetWidth(R.Width());
  const Integer left = index * (AGlyph->GetWidth() / AGlyphCount);
  const Integer top = (AGlyph->GetHeight() - R.Height()) / 2;
  frame->GetCanvas()->CopyRect(TRect(0, 0, R.Width(), R.Height()), AGlyph->GetCanvas(),
                               TRect(left, top, left + R.Width(), top + R.Height()));
  DrawGlyph(ACanvas, R.left, R.top, frame.get(), ACheckState != ecsDisabled, ColorToRGB(ABackgroundColor));
}

TColor UltraFlatFrameColor(TcxEditBorderStyle ABorderStyle, TcxEditCheckState ACheckState, bool AIsDesigning,
                           bool AFocused) {
  const bool office11 = ABorderStyle == ebsOffice11;
  if (office11 && ACheckState == ecsNormal && !AIsDesigning && !AFocused) return clBtnText;
  if (ACheckState == ecsHot || ACheckState == ecsPressed || (AIsDesigning && ACheckState != ecsDisabled) ||
      (ACheckState == ecsNormal && AFocused))
    return GetEditBorderHighlightColor(office11);
  return clBtnShadow;
}

void DrawCheckBorder(TcxCanvas* ACanvas, const TRect& R, TcxEditCheckState ACheckState,
                     TcxEditBorderStyle ABorderStyle, TColor ABorderColor, TColor ABackgroundColor,
                     bool ADrawBackground, bool AIsDesigning, bool AFocused) {
  const Integer offset = GetEditCheckBorderOffset(ABorderStyle, false, false, nullptr);
  if (ADrawBackground && offset > 0) ACanvas->FrameRect(R, ABackgroundColor, offset);
  TRect r = cxRectInflate(R, -offset, -offset);
  switch (ABorderStyle) {
    case ebsNone:
      break;
    case ebsSingle:
      ACanvas->FrameRect(r, ABorderColor);
      break;
    case ebsThick:
      ACanvas->FrameRect(r, ABorderColor, 2);
      break;
    case ebsFlat:
      ACanvas->DrawEdge(r, true, true);
      ACanvas->FrameRect(cxRectInflate(r, -1, -1), clBtnFace);
      break;
    case ebs3D:
      ACanvas->DrawEdge(r, true, true);
      ACanvas->DrawComplexFrame(cxRectInflate(r, -1, -1), cl3DDkShadow, cl3DLight);
      break;
    case ebsUltraFlat:
    case ebsOffice11:
      ACanvas->FrameRect(r, UltraFlatFrameColor(ABorderStyle, ACheckState, AIsDesigning, AFocused));
      break;
  }
}

void DrawUltraFlatContent(TcxCanvas* ACanvas, const TRect& R, TcxCheckBoxState AState,
                          TcxEditCheckState ACheckState, TcxEditBorderStyle ABorderStyle,
                          TcxCheckBoxNullValueShowingStyle ANullStyle) {
  const TRect content = cxRectInflate(R, -2, -2);
  const bool office11 = ABorderStyle == ebsOffice11;
  TColor fill = clWindow;
  switch (ACheckState) {
    case ecsNormal:
      fill = AState == cbsGrayed && ANullStyle == nssInactive ? clBtnFace : clWindow;
      break;
    case ecsDisabled:
      fill = clBtnFace;
      break;
    case ecsHot:
    case ecsPressed:
      fill = GetEditButtonHighlightColor(ACheckState == ecsPressed, office11);
      break;
  }
  cxEditFillRect(ACanvas->GetHandle(), content, GetSolidBrush(fill));
  if (AState != cbsChecked && !(AState == cbsGrayed && ANullStyle == nssGrayedChecked)) return;
  if (!GCheckMarkMask) return;
  const TColor mark = AState == cbsChecked && ACheckState != ecsDisabled ? clBtnText : clBtnShadow;
  ACanvas->SaveClipRegion();
  ACanvas->IntersectClipRect(content);
  ACanvas->GetBrush()->SetColor(mark);
  BitBlt(ACanvas->GetHandle(), R.left, R.top, GCheckMarkMask->GetWidth(), GCheckMarkMask->GetHeight(),
         GCheckMarkMask->GetCanvas()->GetHandle(), 0, 0, MaskedBrushRop);
  ACanvas->RestoreClipRegion();
}

// The platform's own box, its 2-pixel rim clipped off so that the border style's frame stays.
void DrawFrameControlContent(TcxCanvas* ACanvas, const TRect& R, UINT AFlags) {
  const TRect content = cxRectInflate(R, -2, -2);
  HDC dc = ACanvas->GetHandle();
  HRGN saved = CreateRectRgn(0, 0, 0, 0);
  const bool hadClip = GetClipRgn(dc, saved) == 1;
  IntersectClipRect(dc, content.left, content.top, content.right, content.bottom);
  RECT r = R;
  DrawFrameControl(dc, &r, DFC_BUTTON, AFlags);
  SelectClipRgn(dc, hadClip ? saved : nullptr);
  DeleteObject(saved);
}

}  // namespace

TBitmap* CheckMarkMask() { return GCheckMarkMask; }

Integer GetEditCheckGlyphIndex(TcxCheckBoxState AState, TcxEditCheckState ACheckState, bool AGrayedShowingGlyphs,
                               Integer AGlyphCount) {
  const Integer perRow = !AGrayedShowingGlyphs && AGlyphCount % 3 != 0 && AGlyphCount % 2 == 0 ? 2 : 3;
  Integer index = static_cast<Integer>(AState);
  if (ACheckState == ecsPressed) index += perRow;
  if (index >= AGlyphCount && index > perRow - 1) index %= perRow;
  // A strip shorter than a row (one frame, or two with grayed glyphs) has no frame for every state:
  // the last frame stands for the rest.
  return AGlyphCount > 0 ? std::min(index, AGlyphCount - 1) : 0;
}

Integer GetEditCheckBorderOffset(cxContainer::TcxContainerBorderStyle ABorderStyle, bool ANativeStyle,
                                 bool AHasGlyph, TcxCustomLookAndFeelPainterClass APainter) {
  if (ANativeStyle || AHasGlyph || APainter) return 0;
  return 2 - GetContainerBorderWidth(ABorderStyle);
}

Integer GetEditCheckBorderOffset(TcxEditBorderStyle ABorderStyle, bool ANativeStyle, bool AHasGlyph,
                                 TcxCustomLookAndFeelPainterClass APainter) {
  return GetEditCheckBorderOffset(static_cast<cxContainer::TcxContainerBorderStyle>(ABorderStyle), ANativeStyle,
                                  AHasGlyph, APainter);
}

Integer GetEditCheckBorderOffset(cxLookAndFeels::TcxLookAndFeelKind ALookAndFeelKind, bool ANativeStyle,
                                 bool AHasGlyph, TcxCustomLookAndFeelPainterClass APainter) {
  if (ANativeStyle || AHasGlyph || APainter) return 0;
  return 2 - GetContainerBorderWidth(ALookAndFeelKind);
}

TSize GetEditCheckSize(TcxCanvas* ACanvas, bool ANativeStyle, TBitmap* AGlyph, Integer AGlyphCount,
                       TcxCustomLookAndFeelPainterClass APainter) {
  if (IsValidGlyph(AGlyph, AGlyphCount)) return TSize(AGlyph->GetWidth() / AGlyphCount, AGlyph->GetHeight());
  if (APainter) return APainter->CheckButtonSize();
  if (AreVisualStylesMustBeUsed(ANativeStyle, totButton))
    return TcxCustomLookAndFeelPainterClass::Of<TcxWinXPLookAndFeelPainter>()->CheckButtonSize();
  return TcxCustomLookAndFeelPainterClass::Of<TcxCustomLookAndFeelPainter>()->CheckButtonSize();
}

UINT GetEditCheckFrameControlFlags(TcxCheckBoxState AState, TcxEditCheckState ACheckState,
                                   TcxEditBorderStyle ABorderStyle,
                                   TcxCheckBoxNullValueShowingStyle ANullValueShowingStyle) {
  UINT flags = DFCS_BUTTONCHECK;
  if (ACheckState == ecsDisabled) {
    flags |= DFCS_BUTTON3STATE | DFCS_PUSHED;
    const bool inactive =
        AState == cbsUnchecked || (AState == cbsGrayed && ANullValueShowingStyle != nssGrayedChecked);
    flags |= inactive ? DFCS_INACTIVE : DFCS_CHECKED;
  } else {
    if (AState == cbsChecked) flags |= DFCS_CHECKED;
    if (AState == cbsGrayed) {
      static constexpr UINT NullFlags[] = {0, DFCS_INACTIVE, DFCS_CHECKED};
      flags |= DFCS_BUTTON3STATE | NullFlags[ANullValueShowingStyle];
    }
    if (ACheckState == ecsPressed) flags |= DFCS_PUSHED;
  }
  if (ABorderStyle != ebs3D) flags |= DFCS_FLAT;
  return flags;
}

void DrawEditCheck(TcxCanvas* ACanvas, const TRect& R, TcxCheckBoxState AState, TcxEditCheckState ACheckState,
                   TBitmap* AGlyph, Integer AGlyphCount, TcxEditBorderStyle ABorderStyle, bool ANativeStyle,
                   TColor ABorderColor, TColor ABackgroundColor, bool ADrawBackground, bool AIsDesigning,
                   bool AFocused, bool AGrayedShowingGlyphs, TcxCustomLookAndFeelPainterClass APainter,
                   TcxCheckBoxNullValueShowingStyle ANullValueShowingStyle) {
  if (!ADrawBackground) ABackgroundColor = clNone;
  if (AState == cbsGrayed && ANullValueShowingStyle == nssUnchecked) AState = cbsUnchecked;
  if (IsValidGlyph(AGlyph, AGlyphCount)) {
    DrawGlyphFrame(ACanvas, R, AState, ACheckState, AGlyph, AGlyphCount, ABackgroundColor, AGrayedShowingGlyphs);
    return;
  }
  if (APainter) {
    if (ADrawBackground) ACanvas->FillRect(R, ABackgroundColor);
    APainter->DrawCheckButton(ACanvas, R, ButtonStateOf(ACheckState), AState);
    return;
  }
  if (ANativeStyle) {
    if (TdxTheme theme = OpenTheme(totButton)) {
      const RECT r = R;
      DrawThemeBackground(theme, ACanvas->GetHandle(), CheckBoxThemePart,
                          static_cast<int>(AState) * 4 + static_cast<int>(ACheckState) + 1, &r, nullptr);
      return;
    }
  }
  DrawCheckBorder(ACanvas, R, ACheckState, ABorderStyle, ABorderColor, ABackgroundColor, ADrawBackground,
                  AIsDesigning, AFocused);
  if (ABorderStyle == ebsUltraFlat || ABorderStyle == ebsOffice11)
    DrawUltraFlatContent(ACanvas, R, AState, ACheckState, ABorderStyle, ANullValueShowingStyle);
  else
    DrawFrameControlContent(ACanvas, R,
                            GetEditCheckFrameControlFlags(AState, ACheckState, ABorderStyle, ANullValueShowingStyle));
}

void DrawCheckBoxText(TcxCanvas* ACanvas, const String& AText, TFont* AFont, TColor ATextColor, const TRect& R,
                      Integer ADrawTextFlags, bool AEnabled) {
  ACanvas->SetFont(AFont);
  ACanvas->GetFont()->SetColor(ATextColor);
  ACanvas->GetBrush()->SetStyle(bsClear);
  ACanvas->DrawTexT(AText, R, ADrawTextFlags, AEnabled);
  ACanvas->GetBrush()->SetStyle(bsSolid);
}

void InitCheckBoxDrawing() {
  if (!GCheckMarkMask) GCheckMarkMask = BuildCheckMarkMask();
}

void DoneCheckBoxDrawing() { FreeAndNil(GCheckMarkMask); }

}  // namespace cxCheckBox
