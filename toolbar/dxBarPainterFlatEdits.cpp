// The flat and Office 2003 painters' edits, combos, spin buttons, static borders and menu expand marks:
// one-pixel frames in the selection colour or the bar's background, combo buttons in the flat brushes
// (the Office 2003 look fills a selected one with its hot gradient), and the expand mark's band.
#include "WinGdi.h"
#include "WinUserDraw.h"
#include "cxGraphicsCanvas.h"
#include "dxBarControl.h"
#include "dxBarItemControl.h"
#include "dxBarItemControlDrawParams.h"
#include "dxBarPainter.h"
#include "dxOffice11.h"

namespace dxBar {

namespace {

TCustomdxBarControl* ParentOf(TdxBarItemControlDrawParams* ADrawParams) {
  return ADrawParams->BarItemControl ? ADrawParams->BarItemControl->GetParent() : nullptr;
}

HBRUSH BarBackground(TdxBarPainter* APainter, TdxBarItemControlDrawParams* ADrawParams) {
  TCustomdxBarControl* parent = ParentOf(ADrawParams);
  return parent ? parent->GetToolbarBrush() : APainter->BarToolbarBrush();
}

// The frame round a combo's button and the column left of it, both in ABrush.
void FrameComboButton(HDC DC, const TRect& R, HBRUSH ABrush) {
  FrameRect(DC, &R, ABrush);
  const RECT column{R.left - 1, R.top, R.left, R.bottom};
  FillRect(DC, &column, ABrush);
}

}  // namespace

// ---- Flat ------------------------------------------------------------------------------------------------------------
void TdxBarFlatPainter::EditControlDrawBorder(TdxBarEditLikeControlDrawParams* ADrawParams, TRect& R) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  TCustomdxBarControl* parent = ParentOf(ADrawParams);
  const HDC DC = ADrawParams->Canvas->GetHandle();
  if (ADrawParams->DrawSelected) {
    FrameFlatSelRect(DC, R);
  } else if (ADrawParams->PaintType == ptMenu && !ADrawParams->IsEditTransparent) {
    FrameRect(DC, &R, parent ? parent->GetToolbarBrush() : BarToolbarBrush());
  } else if (ADrawParams->Enabled || ADrawParams->IsEditTransparent) {
    DrawBackgroundFrameRect(control, DC, R, BarBackground(this, ADrawParams),
                            ADrawParams->IsEditTransparent && control && control->GetNonRecent());
  } else {
    FrameRect(DC, &R, GetSysColorBrush(COLOR_BTNSHADOW));
  }
  InflateRect(&R, -1, -1);
}

// The selection frame, then kept out of what is drawn inside it.
void TdxBarFlatPainter::EditControlDrawSelectionFrame(TdxBarEditLikeControlDrawParams* ADrawParams, const TRect& R) {
  FrameFlatSelRect(ADrawParams->Canvas->GetHandle(), R);
  TRect inner = R;
  InflateRect(&inner, -1, -1);
  ADrawParams->Canvas->ExcludeClipRect(TRect(R.left, R.top, R.right, inner.top));
  ADrawParams->Canvas->ExcludeClipRect(TRect(R.left, inner.bottom, R.right, R.bottom));
  ADrawParams->Canvas->ExcludeClipRect(TRect(R.left, inner.top, inner.left, inner.bottom));
  ADrawParams->Canvas->ExcludeClipRect(TRect(inner.right, inner.top, R.right, inner.bottom));
}

void TdxBarFlatPainter::ComboControlDrawSimpleButton(TdxBarEditLikeControlDrawParams* ADrawParams, TRect& R) {
  const HDC DC = ADrawParams->Canvas->GetHandle();
  if (ADrawParams->DrawSelected) {
    InflateRect(&R, 1, 1);
    FrameFlatSelRect(DC, R);
  } else {
    FrameComboButton(DC, R, BarBackground(this, ADrawParams));
  }
  InflateRect(&R, -1, -1);
  FillRect(DC, &R, ComboControlButtonBrush(ADrawParams));
}

HBRUSH TdxBarFlatPainter::ComboControlButtonBrush(TdxBarEditLikeControlDrawParams* ADrawParams) {
  if (ADrawParams->PaintType == ptMenu && !ADrawParams->DrawSelected) return GetToolbarBrush(ADrawParams->BarItemControl);
  return inherited::ComboControlButtonBrush(ADrawParams);
}

void TdxBarFlatPainter::SpinEditControlDrawButton(TdxBarSpinEditDrawParams* ADrawParams, TRect R,
                                                  TdxBarSpinEditButton AButton) {
  const bool active = GetSpinEditButtonState(ADrawParams, AButton) == 3;
  FrameAndFillRect(ADrawParams->BarItemControl, ADrawParams->Canvas->GetHandle(), R, active, ADrawParams->DrawSelected,
                   ADrawParams->Enabled);
  TPoint P;
  GetSpinEditArrowPos(ADrawParams, R, P, AButton);
  const TColor color = !ADrawParams->Enabled ? clBtnShadow
                       : dxOffice11::IsHighContrastWhite() && ADrawParams->DrawSelected ? clBtnFace
                                                                                        : clBtnText;
  DrawSpinEditArrow(ADrawParams, P, AButton, color);
}

// Every border style is one ring in the static border brush.
void TdxBarFlatPainter::DrawStaticBorder(TdxBarStaticLikeControlDrawParams* ADrawParams, TRect& R) {
  const TRect offsets = StaticControlGetBorderOffsets(sbsLowered);
  TRect inner(R.left + offsets.left, R.top + offsets.top, R.right - offsets.right, R.bottom - offsets.bottom);
  const HDC DC = ADrawParams->Canvas->GetHandle();
  const HBRUSH brush = StaticBorderBrush(ADrawParams->BarItemControl, sbsLowered);
  const RECT parts[] = {{R.left, R.top, R.right, inner.top}, {R.left, inner.bottom, R.right, R.bottom},
                        {R.left, inner.top, inner.left, inner.bottom}, {inner.right, inner.top, R.right, inner.bottom}};
  for (const RECT& part : parts)
    if (part.right > part.left && part.bottom > part.top) FillRect(DC, &part, brush);
  R = inner;
}

void TdxBarFlatPainter::SubMenuControlDrawMarkSelection(TCustomdxBarControl*, HDC DC, const TRect& R) {
  FrameFlatSelRect(DC, R);
  TRect inner = R;
  InflateRect(&inner, -1, -1);
  FillRect(DC, &inner, BarToolbarSelBrush());
}

void TdxBarFlatPainter::SubMenuControlCalcDrawingConsts(cxGraphics::TcxCanvas* ACanvas, Integer AItemHeight,
                                                        Integer& AMenuArrowWidth, Integer& AMarkSize) {
  inherited::SubMenuControlCalcDrawingConsts(ACanvas, AItemHeight, AMenuArrowWidth, AMarkSize);
  const Integer size = SubMenuControlMarkArrowSize(AItemHeight - 2);
  if (size % 2) AMarkSize = 2 * size + 4;
}

// The buttons reach one pixel further down: the flat frame is one pixel thinner than the base's.
void TdxBarFlatPainter::CalculateSpinEditParts(TdxBarSpinEditDrawParams* ADrawParams, TdxBarControlParts& AParts,
                                               const TRect& R) {
  inherited::CalculateSpinEditParts(ADrawParams, AParts, R);
  if (static_cast<size_t>(ecpSpinDown) < AParts.size() && !IsRectEmpty(&AParts[ecpSpinDown]))
    ++AParts[ecpSpinDown].bottom;
}

// ---- Office 2003 ---------------------------------------------------------------------------------------------------------
void TdxBarOffice11Painter::DrawFrameRect(TdxBarItemControl* AControl, HDC DC, const TRect& R, HBRUSH ABrush,
                                          TdxBarPaintType APaintType, bool ASelected, bool APressed) {
  if (ASelected || (APressed && APaintType != ptMenu))
    dxOffice11::Office11FrameSelectedRect(DC, R);
  else if (APressed)
    FrameRect(DC, &R, dxOffice11::dxOffice11BarSeparatorBrush1);
  else if (APaintType != ptMenu)
    DrawBackgroundFrameRect(AControl, DC, R, ABrush, false);
}

void TdxBarOffice11Painter::EditControlDrawBorder(TdxBarEditLikeControlDrawParams* ADrawParams, TRect& R) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  const HDC DC = ADrawParams->Canvas->GetHandle();
  if (ADrawParams->DrawSelected)
    dxOffice11::Office11FrameSelectedRect(DC, R);
  else if (!ADrawParams->Enabled && !ADrawParams->IsEditTransparent)
    dxOffice11::FrameRectByColor(DC, R, dxOffice11::dxOffice11TextDisabledColor);
  else if (ADrawParams->PaintType != ptMenu || ADrawParams->IsEditTransparent)
    DrawBackgroundFrameRect(control, DC, R, BarBackground(this, ADrawParams), false);
  else
    FrameRect(DC, &R, dxOffice11::dxOffice11OwnerControlDownedBrush);
  InflateRect(&R, -1, -1);
}

void TdxBarOffice11Painter::EditButtonDrawBackground(TdxBarEditLikeControlDrawParams* ADrawParams, HDC DC,
                                                     const TRect& R) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  if (ADrawParams->PaintType == ptMenu)
    FillRect(DC, &R, dxOffice11::dxOffice11OwnerControlDownedBrush);
  else
    DrawBackground(control, DC, R, BarBackground(this, ADrawParams), control && control->GetNonRecent());
}

HBRUSH TdxBarOffice11Painter::ComboControlButtonBrush(TdxBarEditLikeControlDrawParams* ADrawParams) {
  TCustomdxBarControl* parent = ParentOf(ADrawParams);
  if (ADrawParams->DrawSelected) return parent ? parent->GetToolbarSelBrush() : BarToolbarSelBrush();
  if (ADrawParams->DroppedDown) return parent ? parent->GetToolbarDownedSelBrush() : BarToolbarDownedSelBrush();
  return BarBackground(this, ADrawParams);
}

void TdxBarOffice11Painter::ComboControlDrawSimpleButton(TdxBarEditLikeControlDrawParams* ADrawParams, TRect& R) {
  const HDC DC = ADrawParams->Canvas->GetHandle();
  if (ADrawParams->DrawSelected) {
    InflateRect(&R, 1, 1);
    dxOffice11::Office11FrameSelectedRect(DC, R);
    InflateRect(&R, -1, -1);
    COLORREF color1, color2;
    GetSelectedColors(ADrawParams->BarItemControl, ADrawParams->DroppedDown, true, color1, color2);
    dxOffice11::FillGradientRect(DC, R, color1, color2, false);
  } else {
    FrameComboButton(DC, R, BarBackground(this, ADrawParams));
    InflateRect(&R, -1, -1);
    if (ADrawParams->PaintType == ptMenu && ADrawParams->Enabled)
      FillRect(DC, &R, dxOffice11::dxOffice11OwnerControlDownedBrush);
    else
      DrawBackground(ADrawParams->BarItemControl, DC, R, BarBackground(this, ADrawParams), !ADrawParams->Enabled);
  }
  if (ADrawParams->DroppedDown) OffsetRect(&R, 1, 1);
}

// The expand mark's height is its picture's and the mark's border.
void TdxBarOffice11Painter::SubMenuControlCalcDrawingConsts(cxGraphics::TcxCanvas* ACanvas, Integer AItemHeight,
                                                            Integer& AMenuArrowWidth, Integer& AMarkSize) {
  inherited::SubMenuControlCalcDrawingConsts(ACanvas, AItemHeight, AMenuArrowWidth, AMarkSize);
  if (dxOffice11::dxOffice11SubMenuExpandBitmap && dxOffice11::dxOffice11SubMenuExpandBitmap->GetHeight() > 0)
    AMarkSize = dxOffice11::dxOffice11SubMenuExpandBitmap->GetHeight() + 2;
}

void TdxBarOffice11Painter::SubMenuControlDrawMarkContent(TCustomdxBarControl*, HDC DC, const TRect& R, bool) {
  TBitmap* bitmap = dxOffice11::dxOffice11SubMenuExpandBitmap;
  if (!bitmap || bitmap->GetWidth() == 0) return;
  // A square of the band's height less the border, centred.
  const Integer side = R.Height() - 2;
  const Integer x = (R.left + R.right - side) / 2, y = (R.top + R.bottom - side) / 2;
  const Integer left = x + (side - bitmap->GetWidth()) / 2, top = y + (side - bitmap->GetHeight()) / 2;
  TransparentBlt(DC, left, top, bitmap->GetWidth(), bitmap->GetHeight(), bitmap->GetCanvas()->GetHandle(), 0, 0,
                 bitmap->GetWidth(), bitmap->GetHeight(), ColorToRGB(bitmap->GetTransparentColor()));
}

}  // namespace dxBar
