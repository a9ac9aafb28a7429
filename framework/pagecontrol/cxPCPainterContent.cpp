// The base painter's placement and drawing of a tab's content, its image and its caption: margins
// across and along the text, shortening of captions that do not fit, a common column for the captions
// of rotated tabs, cached turned captions, and the two-colour caption of a disabled tab.
#include <algorithm>

#include "Graphics.h"
#include "WinGdi.h"
#include "WinUserDraw.h"
#include "cxGeometry.h"
#include "cxGraphicsFunctions.h"
#include "cxPCImageList.h"
#include "cxPCPainter.h"
#include "cxPCRoutines.h"
#include "cxPCTabControl.h"
#include "dxUxTheme.h"

namespace cxPC {

namespace {
constexpr UINT CaptionFlags = DT_SINGLELINE | DT_END_ELLIPSIS;

bool IsOneOfPositionIndexes(Integer AIndex, std::initializer_list<Integer> AIndexes) {
  return std::find(AIndexes.begin(), AIndexes.end(), AIndex) != AIndexes.end();
}
}  // namespace

// ---- Placement ---------------------------------------------------------------------------------------------
// Margins across the text: pressable tabs shift with their border, rotated ones ignore them, and the
// page-side margin stays on the page side for tabs whose text runs away from it.
void TcxPCCustomPainter::AdjustCrossMargins(TRect& AMargins, TcxRotationAngle AAngle, Integer AIndex) {
  if (IsTabPressable()) {
    const bool thick = IsTabBorderThick(AIndex);
    if ((AAngle == raMinus90 && !thick) || (AAngle != raMinus90 && thick)) {
      AMargins.top += 1;
      AMargins.bottom -= 1;
    }
  } else if (FControl->GetRotate()) {
    AMargins.top = 0;
    AMargins.bottom = 0;
  }
  if (IsMainTabBoundWithClient() && IsOneOfPositionIndexes(GetTab(AIndex)->GetPaintingPositionIndex(), {5, 7, 10}))
    std::swap(AMargins.top, AMargins.bottom);
}

void TcxPCCustomPainter::AdjustWOffset(TcxPCWOffset& AOffset, TcxRotationAngle AAngle, Integer AIndex) {
  if (IsNativePainting() && IsOneOfPositionIndexes(GetTab(AIndex)->GetPaintingPositionIndex(), {2, 9, 12}))
    std::swap(AOffset.Before, AOffset.After);
  if (IsTabPressable() && IsTabBorderThick(AIndex)) {
    const Integer shift = AAngle == raPlus90 ? -1 : 1;
    AOffset.Before += shift;
    AOffset.After -= shift;
  }
}

// Centres an extent across the text between the margins.
void TcxPCCustomPainter::PlaceAcross(TRect& ARect, const TRect& AMargins, Integer AExtent, TcxRotationAngle AAngle) {
  switch (AAngle) {
    case raPlus90: {
      ARect.left += AMargins.top;
      ARect.right -= AMargins.bottom;
      ARect.left += (ARect.right - ARect.left - AExtent) / 2;
      ARect.right = ARect.left + AExtent;
      break;
    }
    case raMinus90: {
      ARect.left += AMargins.bottom;
      ARect.right -= AMargins.top;
      ARect.right -= (ARect.right - ARect.left - AExtent) / 2;
      ARect.left = ARect.right - AExtent;
      break;
    }
    default: {
      ARect.top += AMargins.top;
      ARect.bottom -= AMargins.bottom;
      ARect.top += (ARect.bottom - ARect.top - AExtent) / 2;
      ARect.bottom = ARect.top + AExtent;
      break;
    }
  }
}

// Rotated captions share one column: they align by the widest caption unless a tab width is forced.
Integer TcxPCCustomPainter::AlignAlongText(Integer AAvailable, Integer AWidth) {
  TAlignment alignment = taCenter;
  if (FControl->GetRotate() && FControl->GetTabWidth() <= 0 && FControl->GetMaxRotatedTabWidth() <= 0)
    alignment = FControl->GetTabCaptionAlignment();
  const Integer widest = FControl->GetMaxTabCaptionWidth();
  switch (alignment) {
    case taLeftJustify: return (AAvailable - widest) / 2;
    case taRightJustify: return widest + (AAvailable - widest) / 2 - AWidth;
    default: return (AAvailable - AWidth) / 2;
  }
}

void TcxPCCustomPainter::StandardPainterPrepareOutTabImageAndTextData(Integer AIndex) {
  TcxTab* tab = GetTab(AIndex);
  TRect R = tab->GetFullRect();
  if (IsNativePainting()) {
    Integer w = R.Width(), h = R.Height();
    if (IsVerticalText(FControl)) std::swap(w, h);
    R = TRect(0, 0, w, h);
  }
  const TcxRotationAngle angle = InternalGetTextRotationAngle(FControl);
  const bool hasImage = IsTabHasImage(AIndex);
  const bool imagesAssigned = IsAssignedImages();
  const bool rotate = FControl->GetRotate();
  const String caption = tab->GetCaption();
  TRect imageRect(0, 0, 0, 0), textRect(0, 0, 0, 0);

  if (hasImage) {
    TRect margins = GetDrawImageOffset(AIndex);
    AdjustCrossMargins(margins, angle, AIndex);
    const TSize size = GetTabRotatedImageSize();
    imageRect = R;
    PlaceAcross(imageRect, margins, angle == ra0 ? size.cy : size.cx, angle);
  }
  if (!caption.empty()) {
    TRect margins = GetDrawTextHOffset(AIndex);
    AdjustCrossMargins(margins, angle, AIndex);
    textRect = R;
    PlaceAcross(textRect, margins, GetCanvas()->TextHeight("Zg"), angle);
  }

  if (hasImage && caption.empty()) {
    // The image alone, centred along the text between its own margins.
    const Integer imageWidth = GetTabBaseImageSize().cx;
    TcxPCWOffset w = GetDrawImageWithoutTextWOffset(AIndex);
    AdjustWOffset(w, angle, AIndex);
    if (angle == ra0) {
      R.left += w.Before;
      R.right -= w.After;
      imageRect.left = R.left + (R.right - R.left - imageWidth) / 2;
      imageRect.right = imageRect.left + imageWidth;
    } else if (angle == raPlus90) {
      R.bottom -= w.Before;
      R.top += w.After;
      const Integer free = R.bottom - R.top - imageWidth;
      if (IsTabPressable()) {
        imageRect.top = R.top + free / 2;
        imageRect.bottom = imageRect.top + imageWidth;
      } else {
        imageRect.bottom = R.bottom - free / 2;
        imageRect.top = imageRect.bottom - imageWidth;
      }
    } else {
      R.top += w.Before;
      R.bottom -= w.After;
      imageRect.top = R.top + (R.bottom - R.top - imageWidth) / 2;
      imageRect.bottom = imageRect.top + imageWidth;
    }
  }

  if (!caption.empty()) {
    const bool vertical = InternalIsVerticalText(FControl);
    Integer available = vertical ? R.Height() : R.Width();
    auto contentOffset = [&](TcxPCWOffset w) {
      AdjustWOffset(w, angle, AIndex);
      if (IsTabPressable() && imagesAssigned && GetTextRotationAngle(FControl) == raPlus90) {
        w.Before += 1;
        w.After -= 1;
      }
      return w;
    };
    TcxPCWOffset w = contentOffset(GetTabContentWOffset(AIndex));
    available -= w.Before + w.After;
    const Integer imageBorder = FControl->GetImageBorder();
    const Integer imageWidth = GetTabBaseImageSize().cx;
    const bool imageColumn = (imagesAssigned && rotate) || hasImage;
    const Integer imageExtent = imageColumn ? GetImageTextDistance(AIndex) + 2 * imageBorder + imageWidth : 0;
    const bool tooNarrow = available - imageExtent < GetCanvas()->TextWidth(caption);
    if (tooNarrow) {
      available += w.Before + w.After;
      w = contentOffset(GetTooNarrowTabContentWOffset(AIndex));
      available -= w.Before + w.After;
    }
    // The caption as far as it fits, with an ellipsis; nothing at all when not even that fits.
    const Integer textRoom = available - imageExtent;
    std::vector<char> shortened(caption.begin(), caption.end());
    shortened.resize(caption.size() + 5, '\0');
    TRect measured(0, 0, textRoom, 0);
    DrawTextA(GetCanvas()->GetHandle(), shortened.data(), static_cast<int>(caption.size()), &measured,
              DT_CALCRECT | DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
    Integer textWidth = measured.right;
    if (textRoom < textWidth || String(shortened.data()) == "&...") textWidth = 0;
    const Integer contentLength = imageExtent + textWidth;
    if (contentLength <= 0) {
      imageRect = TRect(0, 0, 0, 0);
      textRect = TRect(0, 0, 0, 0);
    } else {
      const bool alignColumn = imagesAssigned && rotate;
      const Integer startAlign = tooNarrow || alignColumn ? 0 : AlignAlongText(available, contentLength);
      // Along the text: x for horizontal text, y for text read top to bottom; text read bottom to
      // top runs upwards from the tab's bottom.
      const bool upwards = angle == raPlus90;
      const bool alongY = angle != ra0;
      const Integer step = upwards ? -1 : 1;
      const Integer nearEnd = alongY ? (upwards ? R.bottom : R.top) : R.left;
      const Integer farEnd = alongY ? (upwards ? R.top : R.bottom) : R.right;
      Integer pos = nearEnd + step * (w.Before + startAlign);
      auto setSpan = [&](TRect& ARect, Integer AFrom, Integer ALength) {
        const Integer a = AFrom, b = AFrom + step * ALength;
        if (alongY) {
          ARect.top = std::min(a, b);
          ARect.bottom = std::max(a, b);
        } else {
          ARect.left = std::min(a, b);
          ARect.right = std::max(a, b);
        }
      };
      if (hasImage) setSpan(imageRect, pos + step * imageBorder, imageWidth);
      if (imageColumn) pos += step * (GetImageTextDistance(AIndex) + 2 * imageBorder + imageWidth);
      if (!tooNarrow && alignColumn) pos += step * AlignAlongText(step * (farEnd - pos) - w.After, textWidth);
      setSpan(textRect, pos, textWidth);
    }
  }
  InternalPrepareOutTabImageAndTextData(AIndex, imageRect, textRect);
}

// ---- Drawing -----------------------------------------------------------------------------------------------
void TcxPCCustomPainter::InternalDrawText(TCanvas* ACanvas, const String& ACaption, TRect ARect, Integer AIndex) {
  HDC dc = ACanvas->GetHandle();
  SetBkMode(dc, TRANSPARENT);
  if (IsNativePainting() && GetTab(AIndex)->GetRealEnabled() && AreVisualStylesAvailable(totTab)) {
    Integer part, state;
    GetTabNativePartAndState(AIndex, part, state);
    DrawThemeText(OpenTheme(totTab), dc, part, state, ACaption, -1, CaptionFlags, 0, &ARect);
  } else {
    cxDrawText(dc, ACaption, ARect, CaptionFlags);
  }
}

void TcxPCCustomPainter::DrawCaptionText(TCanvas* ACanvas, const String& ACaption, const TRect& ARect, Integer AIndex,
                                         bool AEnabled) {
  ACanvas->GetBrush()->SetStyle(Graphics::bsClear);
  if (AEnabled) return InternalDrawText(ACanvas, ACaption, ARect, AIndex);
  ACanvas->GetFont()->SetColor(GetDisabledTextFaceColor());
  if (!NeedDisabledTextShadow()) return InternalDrawText(ACanvas, ACaption, ARect, AIndex);
  InternalDrawText(ACanvas, ACaption, cxRectOffset(ARect, 1, 1), AIndex);
  ACanvas->GetFont()->SetColor(GetDisabledTextShadowColor());
  InternalDrawText(ACanvas, ACaption, ARect, AIndex);
}

// Renders the caption into a bitmap laid over ATextRect: on the tab's own background (which the
// painter paints into it), or straight into a native tab's paint bitmap.
void TcxPCCustomPainter::RenderCaption(TBitmap* ABitmap, const String& ACaption, const TRect& ATextRect, Integer AIndex,
                                       TColor ABodyColor, bool AEnabled, bool ANative) {
  TRect drawRect = ATextRect;
  if (ANative) {
    ABitmap->GetCanvas()->SetFont(GetCanvas()->GetFont());
  } else {
    PrepareBitmap(ABitmap, TSize(ATextRect.Width(), ATextRect.Height()), GetCanvas(), ABodyColor);
    PrepareDrawTabContentBitmapBackground(ABitmap, ATextRect.TopLeft(), AIndex);
    drawRect = cxRectOffset(ATextRect, -ATextRect.left, -ATextRect.top);
  }
  DrawCaptionText(ABitmap->GetCanvas(), ACaption, drawRect, AIndex, AEnabled);
}

void TcxPCCustomPainter::DrawTabImageAndText(Integer AIndex) {
  FOutData.OwnerVisibleIndex = AIndex;
  TcxTab* tab = GetTab(AIndex);
  TcxCanvas* canvas = GetCanvas();
  PrepareTabCanvasFont(tab, canvas);
  StandardPainterPrepareOutTabImageAndTextData(AIndex);
  const TColor body = GetTabBodyColor(AIndex);
  const bool enabled = tab->GetRealEnabled();
  const bool native = IsNativePainting() && tab->GetPaintBitmap();
  TCanvas* target = native ? tab->GetPaintBitmap()->GetCanvas() : canvas->GetCanvas();

  const Integer imageIndex = FControl->GetImageIndex(tab->GetIndex());
  if (imageIndex != -1)
    FControl->FImages->Draw(target, FOutData.ImageRect.left, FOutData.ImageRect.top, imageIndex, body, enabled);

  const String caption = tab->GetCaption();
  const TRect textRect = FOutData.TextRect;
  if (!caption.empty() && !cxRectIsEmpty(textRect)) {
    if (InternalIsVerticalText(FControl)) {
      TBitmap* bitmap = GetTabVerticalTextBitmap(AIndex);
      if (!bitmap) {
        bitmap = CreateNewTabVerticalTextBitmap(AIndex);
        bitmap->SetPixelFormat(Graphics::pf32bit);
        bitmap->SetHandleType(Graphics::bmDIB);
        // Rendered horizontally into the turned rectangle, then turned with the text.
        const TRect horizontal(textRect.left, textRect.top, textRect.left + textRect.Height(),
                               textRect.top + textRect.Width());
        RenderCaption(bitmap, caption, horizontal, AIndex, body, enabled, false);
        canvas->RotateBitmap(bitmap, GetTextRotationAngle(FControl));
      }
      target->Draw(textRect.left, textRect.top, bitmap);
    } else if (native) {
      RenderCaption(tab->GetPaintBitmap(), caption, textRect, AIndex, body, enabled, true);
    } else {
      TOwnedPtr<TBitmap> bitmap = NewOwned<TBitmap>();
      bitmap->SetPixelFormat(Graphics::pf32bit);
      bitmap->SetHandleType(Graphics::bmDIB);
      RenderCaption(bitmap.get(), caption, textRect, AIndex, body, enabled, false);
      target->Draw(textRect.left, textRect.top, bitmap.get());
    }
  }
  ExcludeTabContentClipRegion(AIndex);
}

void TcxPCCustomPainter::ExcludeTabContentClipRegion(Integer AIndex) {
  if (IsNativePainting()) return;
  TcxRegion* content = New<TcxRegion>(FOutData.TextRect);
  content->Combine(New<TcxRegion>(FOutData.ImageRect), roAdd);
  content->Combine(GetTabClipRgn(AIndex), roIntersect);
  GetCanvas()->SetClipRegion(content, roSubtract);
}

TColor TcxPCCustomPainter::GetTextColor(Integer AIndex) {
  TcxTab* tab = GetTab(AIndex);
  if (tab->GetHighlighted()) return GetHighlightedTextColor(AIndex, FControl->GetFont()->GetColor());
  if (tab->GetHotTrack()) return GetHotTrackColor();
  return clBtnText;
}

}  // namespace cxPC
