// The base bar painter's button drawing: the glyph cell, captions beside or under the image, the
// drop-down arrows of split and associated buttons, menu rows, and the layout of a button's parts.
#include <algorithm>

#include "Graphics.h"
#include "ImgList.h"
#include "WinGdi.h"
#include "WinUser.h"
#include "WinUserDraw.h"
#include "cxGraphicsCanvas.h"
#include "dxBarControl.h"
#include "dxBarItem.h"
#include "dxBarItemControl.h"
#include "dxBarItemControlDrawParams.h"
#include "dxBarManager.h"
#include "dxBarOptions.h"
#include "dxBarItemLinks.h"
#include "dxBarPainter.h"
#include "dxOffice11.h"

namespace dxBar {

namespace {

TRect CenteredIn(const TRect& ACell, const TSize& ASize) {
  const Integer left = ACell.left + (ACell.Width() - ASize.cx) / 2;
  const Integer top = ACell.top + (ACell.Height() - ASize.cy) / 2;
  return TRect(left, top, left + ASize.cx, top + ASize.cy);
}

bool IsSubMenu(TdxBarItemControl* AControl) {
  return AControl && AControl->GetParent() && AControl->GetParent()->Kind() == bkSubMenu;
}

TdxBarGlyphState GlyphStateOf(TdxBarButtonLikeControlDrawParams* ADrawParams) {
  TdxBarGlyphState state;
  state.NoImage = !ADrawParams->ViewStructure.Contains(cpIcon);
  state.Selected = ADrawParams->DrawSelected;
  state.Down = ADrawParams->Downed;
  state.Pressed = ADrawParams->DrawDownFrame;
  state.DroppedDown = ADrawParams->DroppedDown;
  state.GrayScale = ADrawParams->GrayScale;
  state.IsSplit = ADrawParams->IsButton && ADrawParams->IsDropDown;
  state.ViewSize = ADrawParams->ViewSize;
  state.Enabled = ADrawParams->Enabled;
  return state;
}

}  // namespace

// ---- Glyph cell ------------------------------------------------------------------------------------------------
void TdxBarPainter::DrawGlyphBorder(TdxBarItemControl*, HDC, HBRUSH, const TRect&, TdxBarPaintType,
                                    const TdxBarGlyphState&) {}
void TdxBarPainter::DrawGlyphCheckMark(TdxBarItemControl*, HDC, const TRect&, TdxBarPaintType,
                                       const TdxBarGlyphState&) {}

// A checked menu row without an image shows a check mark, twice as large for big fonts.
void TdxBarPainter::DrawGlyphEmptyImage(TdxBarItemControl* AControl, HDC DC, const TRect& R,
                                        TdxBarPaintType APaintType, bool ADown) {
  if (!ADown || APaintType != ptMenu) return;
  TEXTMETRIC metrics{};
  GetTextMetrics(DC, &metrics);
  const Integer scale = metrics.tmHeight - metrics.tmInternalLeading >= 16 ? 2 : 1;
  const TRect mark = CenteredIn(R, TSize(7 * scale, 9 * scale));
  const bool enabled = !AControl || AControl->GetEnabled();
  const TColor color = enabled ? clBtnText : clGrayText;
  // The tick: three rows falling to the low point, then four rising; each stroke 3 rows deep.
  HBRUSH brush = CreateSolidBrush(ColorToRGB(color));
  for (Integer x = 0; x < 7; ++x) {
    const Integer top = x < 3 ? 2 + x : 4 - (x - 2);
    const TRect stroke(mark.left + x * scale, mark.top + (top + 1) * scale, mark.left + (x + 1) * scale,
                       mark.top + (top + 4) * scale);
    FillRect(DC, &stroke, brush);
  }
  DeleteObject(brush);
}

void TdxBarPainter::DrawItemArrow(HDC DC, const TRect& R, TcxArrowDirection ADirection, bool AEnabled, bool ASelected,
                                  bool AFlat, TColor AColor) {
  dxBar::DrawItemArrow(DC, R, ADirection, AEnabled, ASelected, AFlat, AColor);
}

void TdxBarPainter::DrawLargeItemArrow(HDC DC, const TRect& R, TcxArrowDirection ADirection, Integer ASize,
                                       bool AEnabled, bool ASelected, bool AFlat, TColor AColor) {
  dxBar::DrawLargeItemArrow(DC, R, ADirection, ASize, AEnabled, ASelected, AFlat, AColor);
}

void TdxBarPainter::FrameFlatSelRect(HDC, const TRect&) {}

bool TdxBarPainter::GetFaded(TCustomdxBarControl* ABarControl) {
  TdxBarManager* manager = ABarControl ? ABarControl->GetBarManager() : nullptr;
  return manager && manager->GetMakeDisabledImagesFaded();
}

// A large image moves by the glyph layout when the control shows text too; in menus it stays centred.
TRect TdxBarPainter::GetLargeImageBounds(TdxBarButtonLikeControlDrawParams* ADrawParams, const TRect& ACellRect,
                                         const TSize& AImageSize) {
  TRect R = CenteredIn(ACellRect, AImageSize);
  TdxBarItem* item = ADrawParams->BarItemControl ? ADrawParams->BarItemControl->GetItem() : nullptr;
  if (!item || !ADrawParams->ViewStructure.Contains(cpText) || ADrawParams->PaintType == ptMenu) return R;
  const bool vertical = ADrawParams->PaintType == ptVert;
  Integer dx = 0, dy = 0;
  switch (item->GetGlyphLayout()) {
    case glLeft:
      if (vertical) dy = ACellRect.top + 4 - R.top;
      else dx = ACellRect.left + 4 - R.left;
      break;
    case glRight:
      if (vertical) dy = ACellRect.bottom - 4 - R.bottom;
      else dx = ACellRect.right - 4 - R.right;
      break;
    case glTop:
      if (vertical) dx = ACellRect.right - 2 - R.right;
      else dy = ACellRect.top + 2 - R.top;
      break;
    case glBottom:
      if (vertical) dx = ACellRect.left + 2 - R.left;
      else dy = ACellRect.bottom - 2 - R.bottom;
      break;
  }
  OffsetRect(&R, dx, dy);
  return R;
}

void TdxBarPainter::DrawBackground(TdxBarItemControl* AControl, HDC DC, const TRect& R, HBRUSH ABrush, bool AOpaque) {
  if (IsRectEmpty(&R)) return;
  TCustomdxBarControl* parent = AControl ? AControl->GetParent() : nullptr;
  if (AOpaque || !parent) {
    if (ABrush) FillRect(DC, &R, ABrush);
    return;
  }
  parent->FillBackground(DC, R, R, ABrush, clDefault);
}

void TdxBarPainter::DrawBackgroundFrameRect(TdxBarItemControl* AControl, HDC DC, const TRect& R, HBRUSH ABrush,
                                            bool AOpaque) {
  if (IsRectEmpty(&R)) return;
  TCustomdxBarControl* parent = AControl ? AControl->GetParent() : nullptr;
  if (AOpaque || !parent) {
    if (ABrush) FrameRect(DC, &R, ABrush);
    return;
  }
  const Integer saved = SaveDC(DC);
  ExcludeClipRect(DC, R.left + 1, R.top + 1, R.right - 1, R.bottom - 1);
  parent->FillBackground(DC, R, R, ABrush, clDefault);
  RestoreDC(DC, saved);
}

void TdxBarPainter::DrawDisabledShadowRect(TdxBarItemControl*, HDC DC, const TRect& R) {
  FillRect(DC, &R, GetSysColorBrush(COLOR_BTNSHADOW));
}

void TdxBarPainter::DrawItemBackground(TdxBarItemControl* AControl, cxGraphics::TcxCanvas* ACanvas, const TRect& R,
                                       HBRUSH ABrush) {
  if (AControl && AControl->GetParent()) AControl->GetParent()->FillBackground(ACanvas->GetHandle(), R, R, ABrush,
                                                                                clDefault);
}

HBRUSH TdxBarPainter::GlyphBkgndBrush(TdxBarItemControl* AControl, TdxBarPaintType, const TdxBarGlyphState&) {
  return AControl ? AControl->GetBkBrush() : GetSysColorBrush(COLOR_BTNFACE);
}

bool TdxBarPainter::IsGlyphImageBackgroundOpaque(TdxBarItemControl* AControl, TdxBarPaintType APaintType,
                                                 const TdxBarGlyphState& AState) {
  const bool nonRecent = AControl && AControl->GetNonRecent();
  if (APaintType == ptMenu) return AState.Selected || AState.Down || nonRecent;
  return nonRecent || (AControl && AControl->IsBkColorAssigned());
}

bool TdxBarPainter::IsGlyphImageTransparent(TdxBarItemControl* AControl) {
  if (IsNativeBackground()) return true;
  if (!AControl || AControl->GetNonRecent()) return false;
  return AControl->GetParent() && AControl->GetParent()->IsTransparent();
}

Integer TdxBarPainter::TextAreaOffset(TdxBarItemControl* AControl) {
  return IsSubMenu(AControl) ? AControl->GetParent()->GetTextSize() + 1 : 0;
}

void TdxBarPainter::DrawGlyph(TdxBarItemControl* AControl, HDC DC, const TRect& ACellRect,
                              const TRect& ABackgroundRect, TdxBarPaintType APaintType,
                              const TdxBarGlyphState& AState) {
  TdxBarGlyphState state = AState;
  TSize imageSize(0, 0);
  if (!state.NoImage) {
    TBitmap* glyph = nullptr;
    ImgList::TCustomImageList* images = nullptr;
    Integer index = -1;
    state.NoImage = !AControl->GetCurrentImage(AState.ViewSize, AState.Selected, glyph, images, index);
    if (!state.NoImage) imageSize = AControl->GetGlyphSize(AState.ViewSize);
  }
  TdxBarManager* manager = AControl->GetBarManager();
  const Integer glyphSize =
      manager && manager->GetImageOptions() ? manager->GetImageOptions()->GetGlyphSize() : 16;
  const TSize measured = state.NoImage ? TSize(glyphSize, glyphSize) : imageSize;
  TRect imageR;
  if (AState.ViewSize == cvsLarge) {
    auto* params = dynamic_cast<TdxBarButtonLikeControlDrawParams*>(AControl->GetDrawParams());
    imageR = params ? GetLargeImageBounds(params, ACellRect, measured) : CenteredIn(ACellRect, measured);
  } else {
    imageR = CenteredIn(ACellRect, measured);
    const Integer shift = (state.Down ? GlyphDownShift() : 0) + (state.Pressed ? GlyphDrawDownedShift(state.Down) : 0);
    OffsetRect(&imageR, shift, shift);
  }
  // The border and background cover the second rectangle when there is one, else the cell.
  const TRect cell = IsRectEmpty(&ABackgroundRect) ? ACellRect : ABackgroundRect;
  DrawGlyphAndBkgnd(AControl, DC, cell, imageR, GlyphBkgndBrush(AControl, APaintType, state), APaintType, state);
}

void TdxBarPainter::DrawGlyphAndBkgnd(TdxBarItemControl* AControl, HDC DC, const TRect& ABackgroundRect,
                                      const TRect& AImageRect, HBRUSH ABrush, TdxBarPaintType APaintType,
                                      const TdxBarGlyphState& AState) {
  const bool native = IsNativeBackground();
  if (native) DrawGlyphBorder(AControl, DC, ABrush, ABackgroundRect, APaintType, AState);
  // The cell is filled unless a native background shows through it, so a former hot or pressed look
  // never stays behind the image.
  if (!native || AState.NoImage || !IsGlyphImageTransparent(AControl))
    DrawBackground(AControl, DC, ABackgroundRect, ABrush, IsGlyphImageBackgroundOpaque(AControl, APaintType, AState));
  if (AState.NoImage) {
    DrawGlyphEmptyImage(AControl, DC, ABackgroundRect, APaintType, AState.Down);
  } else {
    TBitmap* glyph = nullptr;
    ImgList::TCustomImageList* images = nullptr;
    Integer index = -1;
    AControl->GetCurrentImage(AState.ViewSize, AState.Selected, glyph, images, index);
    TdxBarManager* manager = AControl->GetBarManager();
    TdxBarImageOptions* options = manager ? manager->GetImageOptions() : nullptr;
    const TRect source(0, 0, AImageRect.Width(), AImageRect.Height());
    TransparentDraw(AControl, DC, AImageRect, source, glyph, images, index,
                    manager ? manager->GetImageListBkColor() : clNone, AState.Enabled && AControl->GetImageEnabled(), AState.GrayScale,
                    IsFlatGlyphImage(), AState.Selected, AState.Down || AState.Pressed, !IsGlyphImageHasShadow(),
                    IsGlyphImageHasShadow() && AState.Selected && !AState.Down, GetFaded(AControl->GetParent()),
                    options && options->GetSmoothGlyphs(), !options || options->GetUseLeftBottomPixelAsTransparent());
  }
  if (!native) DrawGlyphBorder(AControl, DC, ABrush, ABackgroundRect, APaintType, AState);
}

// ---- Captions --------------------------------------------------------------------------------------------------
void TdxBarPainter::CorrectCaptionParams(TdxBarButtonLikeControlDrawParams* ADrawParams, TRect& ACaptionRect,
                                         Integer& AAlignment, const TRect& AImageRect) {
  const bool vertical = ADrawParams->PaintType == ptVert;
  if (ADrawParams->ViewSize == cvsLarge) {
    TdxBarItem* item = ADrawParams->BarItemControl ? ADrawParams->BarItemControl->GetItem() : nullptr;
    switch (item ? item->GetGlyphLayout() : glTop) {
      case glLeft:
        AAlignment = 0;
        if (vertical) ACaptionRect.top = AImageRect.bottom + 3;
        else ACaptionRect.left = AImageRect.right + 3;
        break;
      case glRight:
        AAlignment = 2;
        if (vertical) ACaptionRect.bottom = AImageRect.top - 3;
        else ACaptionRect.right = AImageRect.left - 3;
        break;
      case glTop:
        AAlignment = 1;
        if (vertical) ACaptionRect.right = AImageRect.left;
        else ACaptionRect.top = AImageRect.bottom;
        break;
      case glBottom:
        AAlignment = 1;
        if (vertical) ACaptionRect.left = AImageRect.right;
        else ACaptionRect.bottom = AImageRect.top;
        break;
    }
    return;
  }
  if (ADrawParams->ViewStructure.Contains(cpIcon)) {
    if (vertical) ACaptionRect.top = AImageRect.bottom;
    else ACaptionRect.left = AImageRect.right;
  } else if (ADrawParams->BarItemControl) {
    const Integer offset = ADrawParams->BarItemControl->GetTextAreaOffset();
    if (vertical) ACaptionRect.top += offset;
    else ACaptionRect.left += offset;
  }
  const TRect indents = GetControlTextIndents();
  if (vertical) ACaptionRect.top += indents.left;
  else ACaptionRect.left += indents.left;
  if (!IsMenuItem(ADrawParams->BarItemControl)) OffsetCaptionBounds(ADrawParams->Downed, ADrawParams->DrawDownFrame, ACaptionRect);
}

void TdxBarPainter::OffsetCaptionBounds(bool ADown, bool APressed, TRect& R) {
  if (IsFlatItemText()) return;
  Integer shift = ADown || APressed ? 1 : 0;
  if (ADown && APressed && !IsButtonControlArrowFlat()) ++shift;
  OffsetRect(&R, shift, shift);
}

void TdxBarPainter::OffsetEllipsisBounds(bool APressed, TRect& R) {
  if (APressed && !IsFlatItemText()) OffsetRect(&R, 1, 1);
}

void TdxBarPainter::DrawButtonLikeControlCaption(TdxBarButtonLikeControlDrawParams* ADrawParams, const TRect& R,
                                                 const TRect& AImageRect) {
  if (!ADrawParams->ViewStructure.Contains(cpText)) return;
  TRect captionR = R;
  Integer alignment = 0;
  CorrectCaptionParams(ADrawParams, captionR, alignment, AImageRect);
  ButtonLikeControlDoDrawCaption(ADrawParams, captionR, DT_SINGLELINE | DT_END_ELLIPSIS, alignment);
}

// ---- Whole button ----------------------------------------------------------------------------------------------
void TdxBarPainter::DrawButtonLikeControl(TdxBarButtonLikeControlDrawParams* ADrawParams, const TRect& R) {
  TRect rect = R;
  HDC DC = ADrawParams->Canvas->GetHandle();
  if (ADrawParams->Lowered) DrawLowered(DC, rect);
  if (ADrawParams->PaintType == ptMenu) {
    DrawGlyphAndTextInSubMenu(ADrawParams, rect);
  } else {
    const bool split = ADrawParams->IsButton && ADrawParams->IsDropDown;
    TRect glyphR = rect;
    if (split) glyphR.right = std::max(glyphR.left, glyphR.right - ADrawParams->ArrowSize.cx);
    TRect backgroundR;
    if (ADrawParams->ViewSize == cvsLarge) {
      backgroundR = glyphR;
      InflateRect(&glyphR, -1, -1);
      OffsetCaptionBounds(ADrawParams->Downed, ADrawParams->DrawDownFrame, glyphR);
    }
    if (ADrawParams->DroppedDownFlat) backgroundR = rect;
    TdxBarGlyphState state = GlyphStateOf(ADrawParams);
    TRect cellR = glyphR;
    if (ADrawParams->ViewSize != cvsLarge && ADrawParams->ViewStructure.Contains(cpText)) {
      // A small glyph keeps a square cell at the leading edge; the caption follows it.
      if (ADrawParams->PaintType == ptVert) cellR.bottom = std::min(cellR.bottom, cellR.top + cellR.Width());
      else cellR.right = std::min(cellR.right, cellR.left + cellR.Height());
      if (!ADrawParams->ViewStructure.Contains(cpIcon)) cellR = TRect(glyphR.left, glyphR.top, glyphR.left, glyphR.top);
      if (IsRectEmpty(&backgroundR)) backgroundR = glyphR;
    }
    if (!IsRectEmpty(&cellR) || !IsRectEmpty(&backgroundR))
      DrawGlyph(ADrawParams->BarItemControl, DC, IsRectEmpty(&cellR) ? backgroundR : cellR, backgroundR,
                ADrawParams->PaintType, state);
    TRect imageR = cellR;
    if (ADrawParams->ViewSize == cvsLarge)
      imageR = GetLargeImageBounds(ADrawParams, glyphR, ADrawParams->BarItemControl->GetGlyphSize(cvsLarge));
    if (!ADrawParams->ViewStructure.Contains(cpIcon) && ADrawParams->ViewSize != cvsLarge)
      imageR = TRect(glyphR.left, glyphR.top, glyphR.left, glyphR.top);
    DrawButtonLikeControlCaption(ADrawParams, glyphR, imageR);
  }
  if (!ADrawParams->IsDropDown || ADrawParams->IsMenuItem) return;
  if (ADrawParams->IsButton) DrawSplitControlArrow(ADrawParams, rect);
  else DrawAssociateControlArrow(ADrawParams, rect);
}

void TdxBarPainter::DrawItemBackgroundInSubMenu(TdxBarButtonLikeControlDrawParams*, const TRect&) {}

// A menu row: the glyph in the icon column, then the caption (with its description under it for
// large rows) and the shortcut right-aligned before the sub-menu arrow's room.
void TdxBarPainter::DrawGlyphAndTextInSubMenu(TdxBarButtonLikeControlDrawParams* ADrawParams, const TRect& R) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  TCustomdxBarControl* menu = control->GetParent();
  HDC DC = ADrawParams->Canvas->GetHandle();
  DrawItemBackgroundInSubMenu(ADrawParams, R);
  const Integer iconWidth = menu ? menu->GetIconAreaSize() : R.Height();
  const TRect iconR = SubMenuControlGetItemIconRect(R, iconWidth);
  TdxBarGlyphState state = GlyphStateOf(ADrawParams);
  state.Pressed = false;
  state.IsSplit = false;
  DrawGlyph(control, DC, iconR, TRect(), ptMenu, state);
  // The rest of the row behind the text.
  TRect textBackR = R;
  textBackR.left = iconR.right;
  if (ADrawParams->DrawSelected && menu)
    DrawBackground(control, DC, textBackR, menu->GetToolbarSelBrush(), true);
  else
    DrawBackground(control, DC, textBackR, control->GetBkBrush(),
                   control->GetNonRecent() || control->IsBkColorAssigned());
  TRect textR = SubMenuControlGetItemTextRect(control, R);
  InflateRect(&textR, 0, -SubMenuControlInternalBorderSize());
  const bool flat = IsFlatItemTextForMenu();
  cxGraphics::TcxCanvas* canvas = ADrawParams->Canvas;
  const bool withDescription = control->GetShowDescription() && !ADrawParams->Description.empty();
  TFont* font = canvas->GetFont();
  const TFontStyles savedStyle = font->GetStyle();
  if (withDescription) {
    const Integer lineHeight = canvas->TextHeight("Wg");
    const Integer free = std::max(0, textR.Height() - 3 * lineHeight);
    TRect descriptionR = textR;
    descriptionR.bottom = textR.bottom - free / 4;
    descriptionR.top = descriptionR.bottom - 2 * lineHeight;
    textR.bottom = descriptionR.top;
    dxBarDrawItemMultilineText(this, ADrawParams, ADrawParams->Description, descriptionR, 2, flat);
    TFontStyles bold = savedStyle;
    bold.Include(fsBold);
    font->SetStyle(bold);
  }
  const bool shortCut = control->CanShowShortCut() && !ADrawParams->ShortCut.empty();
  TRect captionR = textR;
  if (shortCut) captionR.right -= (menu ? menu->GetTextSize() : 0) + 5;
  DrawItemText(control, canvas->GetHandle(), ADrawParams->Caption, captionR, 0, true, false, ADrawParams->DrawSelected,
               ADrawParams->Enabled, flat, DT_SINGLELINE);
  if (shortCut)
    DrawItemText(control, canvas->GetHandle(), ADrawParams->ShortCut, captionR, 2, true, false,
                 ADrawParams->DrawSelected, ADrawParams->Enabled, flat, DT_SINGLELINE);
  if (withDescription) font->SetStyle(savedStyle);
}

TRect TdxBarPainter::SubMenuControlGetItemTextRect(TdxBarItemControl* AControl, const TRect& AItemRect) {
  TRect R = AItemRect;
  R.left += SubMenuControlGetItemTextIndent(AControl);
  return R;
}

Integer TdxBarPainter::SubMenuControlGetItemTextIndent(TdxBarItemControl* AControl) {
  return SubMenuControlGetBandSize(AControl->GetParent()) + 3;
}

// ---- Drop-down arrows ------------------------------------------------------------------------------------------
HBRUSH TdxBarPainter::ButtonControlArrowBrush(TdxBarButtonLikeControlDrawParams* ADrawParams) {
  return ADrawParams->BarItemControl->GetBkBrush();
}

bool TdxBarPainter::IsButtonControlArrowBackgroundOpaque(TdxBarButtonLikeControlDrawParams* ADrawParams) {
  if (ADrawParams->BarItemControl->GetNonRecent()) return true;
  return IsFlatItemText() && (ADrawParams->DroppedDown || ADrawParams->DrawSelected);
}

bool TdxBarPainter::IsButtonControlArrowDrawSelected(TdxBarButtonLikeControlDrawParams* ADrawParams) {
  if (!IsFlatItemText()) return IsButtonControlArrowFlat() && ADrawParams->DroppedDown;
  const bool inMenu = ADrawParams->PaintType == ptMenu;
  if (inMenu && ADrawParams->DroppedDown) return true;
  return dxOffice11::IsHighContrastWhite() && ADrawParams->DrawSelected && (inMenu || !ADrawParams->DroppedDown);
}

void TdxBarPainter::DrawButtonControlArrowBackground(TdxBarButtonLikeControlDrawParams* ADrawParams, TRect& R,
                                                     HBRUSH ABrush) {
  DrawBackground(ADrawParams->BarItemControl, ADrawParams->Canvas->GetHandle(), R, ABrush,
                 IsButtonControlArrowBackgroundOpaque(ADrawParams));
}

void TdxBarPainter::DrawButtonControlArrow(TdxBarButtonLikeControlDrawParams* ADrawParams, const TRect& R) {
  TRect arrowR = R;
  const bool inMenu = ADrawParams->PaintType == ptMenu;
  if (ADrawParams->DroppedDown && !IsButtonControlArrowFlat() && (arrowR.Width() > 9 || inMenu))
    OffsetRect(&arrowR, 1, 1);
  const bool enabled = ADrawParams->Enabled && ADrawParams->DropDownEnabled;
  const bool selected = IsButtonControlArrowDrawSelected(ADrawParams);
  const TColor color = GetItemArrowColor(ADrawParams->BarItemControl, selected, ADrawParams->IsFlatText);
  HDC DC = ADrawParams->Canvas->GetHandle();
  if (inMenu) {
    InflateRect(&arrowR, -3, 0);
    DrawLargeItemArrow(DC, arrowR, adRight, ADrawParams->ArrowSize.cy, enabled, selected, IsFlatItemText(), color);
  } else {
    DrawItemArrow(DC, arrowR, adDown, enabled, selected, IsFlatItemText(), color);
  }
}

void TdxBarPainter::DrawSplitControlArrow(TdxBarButtonLikeControlDrawParams* ADrawParams, TRect R) {
  R.left = std::max(R.left, R.right - ADrawParams->ArrowSize.cx);
  DrawButtonControlArrowBackground(ADrawParams, R, ButtonControlArrowBrush(ADrawParams));
  DrawButtonControlArrow(ADrawParams, R);
}

// The arrow of a drop-down that is no button (a sub-item): pointing down on horizontal bars and right
// elsewhere, after the caption.
void TdxBarPainter::DrawAssociateControlArrow(TdxBarButtonLikeControlDrawParams* ADrawParams, const TRect& R) {
  static const TcxArrowDirection directions[] = {adDown, adRight, adRight};
  const TcxArrowDirection direction = directions[ADrawParams->PaintType];
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  const bool inMenu = ADrawParams->PaintType == ptMenu;
  Integer size = ADrawParams->ArrowSize.cy;
  if (!inMenu) --size;
  TRect arrowR = R;
  if (inMenu) {
    const Integer textSize = control->GetParent() ? control->GetParent()->GetTextSize() : R.Height();
    arrowR.left = R.right + size - textSize;
  } else {
    const Integer fontHeight = ADrawParams->Canvas->TextHeight("Wg");
    if (direction == adDown) {
      arrowR.left = R.right - ADrawParams->ArrowSize.cx - GetControlTextIndents().right;
      arrowR.top = R.top + (R.Height() - fontHeight) / 2;
      arrowR.bottom = arrowR.top + fontHeight;
    } else {
      arrowR.top = R.bottom - ADrawParams->ArrowSize.cx;
    }
  }
  const bool selected = ADrawParams->DrawSelected && IsItemTextSelectedInverted() && !IsFlatItemText();
  DrawLargeItemArrow(ADrawParams->Canvas->GetHandle(), arrowR, direction, std::max<Integer>(size, 1),
                     ADrawParams->Enabled, selected, IsFlatItemText(),
                     GetItemArrowColor(control, ADrawParams->DrawSelected, ADrawParams->IsFlatText));
}

// ---- Part layout and sizes -------------------------------------------------------------------------------------
void TdxBarPainter::CalculateButtonParts(TdxBarButtonLikeControlDrawParams* ADrawParams, TdxBarControlParts& AParts,
                                         const TRect& R) {
  if (AParts.empty()) return;
  for (TRect& part : AParts) part = R;
  if (!ADrawParams->IsDropDown || AParts.size() < 2) return;
  const Integer arrowLeft = std::max(R.left, R.right - ADrawParams->ArrowSize.cx);
  AParts[0].right = arrowLeft;
  AParts[1].left = arrowLeft;
}

// A split button grows by its arrow part; any other row that is no menu item keeps half a text line for
// its drop-down arrow.
void TdxBarPainter::InflateSizeForArrow(TdxBarButtonLikeControlDrawParams* ADrawParams, Integer& ASize) {
  if (ADrawParams->IsButton) {
    if (ADrawParams->PaintType != ptMenu && ADrawParams->IsDropDown)
      ASize += GetControlTextIndents().right + ADrawParams->ArrowSize.cx;
  } else if (!ADrawParams->IsMenuItem) {
    TCustomdxBarControl* parent = ADrawParams->BarItemControl->GetParent();
    ASize += (parent ? parent->GetTextSize() : 0) / 2;
  }
}

Integer TdxBarPainter::GetTailAreaSize(TdxBarItemControl* AControl) {
  return AControl->GetParent() ? GetIconAreaSize(AControl->GetParent()) : 0;
}

// Large rows have a glyph column 40 pixels wide at 96 DPI; small ones a square of the text size.
Integer TdxBarPainter::GetIconAreaSize(TCustomdxBarControl* ABarControl) {
  TdxBarItemLinks* links = ABarControl->GetItemLinks();
  if (links && links->GetItemSize() == misLarge)
    return static_cast<Integer>(40 * ABarControl->GetRatio() + 0.5);
  return ABarControl->GetTextSize();
}

void TdxBarPainter::ApplicationMenuDrawButton(TdxBarApplicationMenuButtonControlDrawParams*, const TRect&) {}

}  // namespace dxBar
