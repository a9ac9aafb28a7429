// The base bar painter's edit-like controls: the part layout and drawing of edits, combo boxes, spin
// edits and colour combos, their colours, the in-place edit window, the system panel of drop-down
// lists and the date navigator's buttons.
#include <algorithm>

#include "Graphics.h"
#include "Messages.h"
#include "WinGdi.h"
#include "WinUser.h"
#include "WinUserDraw.h"
#include "cxGraphicsCanvas.h"
#include "dxBarButton.h"
#include "dxBarControl.h"
#include "dxBarItem.h"
#include "dxBarItemControl.h"
#include "dxBarItemControlDrawParams.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"
#include "dxBarPainterLooks.h"
#include "Dxbarcommon.h"
#include "dxCommon.h"
#include "dxOffice11.h"

namespace dxBar {

namespace {

TRect Shrunk(TRect R, const TRect& AOffsets) {
  R.left += AOffsets.left;
  R.top += AOffsets.top;
  R.right -= AOffsets.right;
  R.bottom -= AOffsets.bottom;
  return R;
}

TRect PartOf(const TdxBarControlParts& AParts, size_t AIndex) {
  return AIndex < AParts.size() ? AParts[AIndex] : TRect(0, 0, 0, 0);
}

void SetPartOf(TdxBarControlParts& AParts, size_t AIndex, const TRect& R) {
  if (AIndex < AParts.size()) AParts[AIndex] = R;
}

TRect ControlPart(TdxBarItemControl* AControl, Integer AIndex) {
  return AIndex < AControl->GetPartCountValue() ? AControl->GetPart(AIndex) : TRect(0, 0, 0, 0);
}

HBRUSH BarBackgroundBrush(TdxBarItemControl* AControl) {
  return AControl->GetParent() ? AControl->GetParent()->GetToolbarBrush() : GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace

// ---- Colours ---------------------------------------------------------------------------------------------------
cxLookAndFeels::TcxLookAndFeel* TdxBarPainter::EditGetRealLookAndFeel(TdxBarManager* ABarManager,
                                                                       cxLookAndFeels::TcxLookAndFeel* ALookAndFeel) {
  ABarManager->GetRealLookAndFeel(ALookAndFeel);
  return ALookAndFeel;
}

TColor TdxBarPainter::EditGetDisabledBkColor(TdxBarItemControl* AControl) {
  LOGBRUSH brush{};
  GetObject(BarBackgroundBrush(AControl), sizeof(brush), &brush);
  return static_cast<TColor>(brush.lbColor);
}

TColor TdxBarPainter::EditGetBkColor(TdxBarEditLikeControlDrawParams* ADrawParams) {
  return ADrawParams->Enabled ? EditGetEnabledBkColor() : EditGetDisabledBkColor(ADrawParams->BarItemControl);
}

TColor TdxBarPainter::EditGetTextColor(TdxBarEditLikeControlDrawParams* ADrawParams) {
  return ADrawParams->Enabled ? EditGetEnabledTextColor() : EditGetDisabledTextColor();
}

void TdxBarPainter::EditGetColors(TdxBarItemControl* AEditControl, TColor& ATextColor, TColor& ABkColor) {
  auto* params = dynamic_cast<TdxBarEditLikeControlDrawParams*>(AEditControl->GetDrawParams());
  if (!params) {
    ATextColor = EditGetEnabledTextColor();
    ABkColor = EditGetEnabledBkColor();
    return;
  }
  ATextColor = EditGetTextColor(params);
  ABkColor = EditGetBkColor(params);
}

bool TdxBarPainter::EditButtonAllowHotTrack(TdxBarEditLikeControlDrawParams* ADrawParams) {
  return ADrawParams->DrawSelected;
}
void TdxBarPainter::EditButtonDrawBackground(TdxBarEditLikeControlDrawParams*, HDC, const TRect&) {}
void TdxBarPainter::EditButtonDrawBorder(TdxBarEditLikeControlDrawParams*, HDC, TRect&) {}

HBRUSH TdxBarPainter::EditControlGetRightCaptionIndentBrush(TdxBarItemControl* AControl) {
  return BarBackgroundBrush(AControl);
}

bool TdxBarPainter::EditControlCaptionBackgroundIsOpaque(TdxBarEditLikeControlDrawParams* ADrawParams) {
  return ADrawParams->PaintType == ptMenu &&
         (ADrawParams->DrawSelected || ADrawParams->BarItemControl->GetNonRecent());
}

bool TdxBarPainter::EditControlCaptionRightIndentIsOpaque(TdxBarEditLikeControlDrawParams* ADrawParams) {
  return ADrawParams->PaintType == ptMenu && ADrawParams->BarItemControl->GetNonRecent();
}

// ---- Layout ----------------------------------------------------------------------------------------------------
Integer TdxBarPainter::EditControlCaptionLeftIndent(TdxBarEditLikeControlDrawParams* ADrawParams) {
  if (!ADrawParams->ViewStructure.Contains(cpIcon)) return EditControlCaptionAbsoluteLeftIndent(ADrawParams);
  return ADrawParams->PaintType == ptMenu ? EditControlCaptionRelativeLeftIndent(ADrawParams) : 0;
}

TRect TdxBarPainter::EditControlIndents(TdxBarEditLikeControlDrawParams* ADrawParams, TdxBarItemControlPart APart) {
  if (APart == cpText) return TRect(EditControlCaptionLeftIndent(ADrawParams), 0, EditControlCaptionRightIndent(), 0);
  if (ADrawParams->PaintType == ptMenu) return EditControlSubMenuGlyphIndents(ADrawParams);
  return TRect(GetControlTextIndents().right, 0, GetControlTextIndents().right, 0);
}

Integer TdxBarPainter::EditTextSize(TCustomdxBarControl*, Integer ATextHeight) {
  const TRect caption = GetCaptionOffsets(), vertical = GetEditTextVerticalOffsets(), border = EditControlBorderOffsets();
  return ATextHeight + caption.top + caption.bottom + vertical.top + vertical.bottom + border.top + border.bottom;
}

// The caption and its gap take the control's caption width from the left; the text field the rest, less
// the frame.
void TdxBarPainter::CalculateEditParts(TdxBarEditLikeControlDrawParams* ADrawParams, TdxBarControlParts& AParts,
                                       const TRect& R) {
  TRect rect = R;
  if (ADrawParams->IsEditTransparent && ADrawParams->PaintType != ptMenu) rect.left += EditControlBorderOffsets().left;
  const Integer captionWidth = ADrawParams->BarItemControl->GetCaptionAreaWidth();
  TRect caption(rect.left, rect.top, std::min(rect.right, rect.left + std::max<Integer>(captionWidth, 0)), rect.bottom);
  TRect indent = caption;
  if (captionWidth > 0) {
    caption.right = std::max(caption.left, caption.right - EditControlCaptionRightIndent());
    indent.left = caption.right;
  } else {
    indent.right = indent.left;
  }
  SetPartOf(AParts, ecpCaption, caption);
  SetPartOf(AParts, ecpCaptionRightIndent, indent);
  SetPartOf(AParts, ecpEdit, Shrunk(TRect(indent.right, rect.top, rect.right, rect.bottom), EditControlBorderOffsets()));
}

void TdxBarPainter::CalculateComboParts(TdxBarEditLikeControlDrawParams* ADrawParams, TdxBarControlParts& AParts,
                                        const TRect& R) {
  CalculateEditParts(ADrawParams, AParts, R);
  TRect content = Shrunk(R, ComboControlButtonOffsets());
  content.left = PartOf(AParts, ecpEdit).left;
  TCustomdxBarControl* parent = ADrawParams->BarItemControl->GetParent();
  const Integer buttonWidth = parent ? parent->GetComboBoxArrowWidth() : 0;
  TRect button(std::max(content.left, content.right - buttonWidth), content.top, content.right, content.bottom);
  OffsetRect(&button, ComboControlArrowOffset() - 1, 0);
  SetPartOf(AParts, ecpButton, button);
  TRect edit = PartOf(AParts, ecpEdit);
  edit.right = std::max(edit.left, button.left);
  SetPartOf(AParts, ecpEdit, edit);
}

void TdxBarPainter::CalculateSpinEditParts(TdxBarSpinEditDrawParams* ADrawParams, TdxBarControlParts& AParts,
                                           const TRect& R) {
  CalculateEditParts(ADrawParams, AParts, R);
  TRect up, down;
  GetSpinEditButtonBounds(ADrawParams, Shrunk(R, EditControlBorderOffsets()), up, down);
  SetPartOf(AParts, ecpSpinUp, up);
  SetPartOf(AParts, ecpSpinDown, down);
  if (IsRectEmpty(&up)) return;
  TRect edit = PartOf(AParts, ecpEdit);
  edit.right = std::max(edit.left, up.left - GetSpinEditButtonIndents().left - EditControlBorderOffsets().left);
  SetPartOf(AParts, ecpEdit, edit);
}

void TdxBarPainter::CalculateColorComboParts(TdxBarColorComboControlDrawParams* ADrawParams,
                                             TdxBarControlParts& AParts, const TRect& R) {
  const TRect custom = GetCustomColorButtonBounds(ADrawParams, R);
  SetPartOf(AParts, ecpCustomColorButton, custom);
  TRect content = R;
  if (!IsRectEmpty(&custom)) content.right = custom.left - GetCustomColorButtonIndents().left;
  CalculateComboParts(ADrawParams, AParts, content);
}

void TdxBarPainter::EditOffsetInteriorRect(TRect& R, Integer ATextHeight) {
  const TRect caption = GetCaptionOffsets(), vertical = GetEditTextVerticalOffsets();
  R.left += caption.left;
  R.right -= caption.right;
  const Integer free = R.Height() - ATextHeight - vertical.top - vertical.bottom;
  R.top += vertical.top + std::max<Integer>(free, 0) / 2;
  R.bottom = R.top + ATextHeight;
}

// ---- Drawing ---------------------------------------------------------------------------------------------------
void TdxBarPainter::EditControlDrawBackground(TdxBarEditLikeControlDrawParams* ADrawParams) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  HDC DC = ADrawParams->Canvas->GetHandle();
  if (ADrawParams->ViewStructure.Contains(cpText) || (ADrawParams->PaintType == ptMenu && SubMenuControlHasBand())) {
    DrawBackground(control, DC, ControlPart(control, ecpCaption), dxBarEditCaptionBrush(control, ADrawParams),
                   EditControlCaptionBackgroundIsOpaque(ADrawParams));
  }
  DrawBackground(control, DC, ControlPart(control, ecpCaptionRightIndent),
                 EditControlGetRightCaptionIndentBrush(control), EditControlCaptionRightIndentIsOpaque(ADrawParams));
}

void TdxBarPainter::EditControlDrawSelectionFrame(TdxBarEditLikeControlDrawParams* ADrawParams, const TRect& R) {
  FrameFlatSelRect(ADrawParams->Canvas->GetHandle(), R);
}

void TdxBarPainter::EditControlDrawGlyph(TdxBarEditLikeControlDrawParams* ADrawParams) {
  if (!ADrawParams->ViewStructure.Contains(cpIcon)) return;
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  const TRect caption = ControlPart(control, ecpCaption);
  TRect icon(caption.left, caption.top, caption.left + caption.Height(), caption.bottom);
  if (ADrawParams->PaintType != ptMenu) icon = Shrunk(icon, EditControlIndents(ADrawParams, cpIcon));
  TdxBarGlyphState state;
  state.Selected = EditControlGlyphIsDrawSelected(ADrawParams);
  state.Enabled = ADrawParams->Enabled;
  state.ViewSize = ADrawParams->ViewSize;
  DrawGlyph(control, ADrawParams->Canvas->GetHandle(), icon, TRect(), ADrawParams->PaintType, state);
  ADrawParams->Canvas->ExcludeClipRect(icon);
}

void TdxBarPainter::EditControlDrawCaption(TdxBarEditLikeControlDrawParams* ADrawParams) {
  if (!ADrawParams->ViewStructure.Contains(cpText)) return;
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  TRect R = ControlPart(control, ecpCaption);
  if (ADrawParams->ViewStructure.Contains(cpIcon)) R.left += R.Height();
  R.left += EditControlCaptionLeftIndent(ADrawParams);
  const bool inMenu = ADrawParams->PaintType == ptMenu;
  DrawItemText(control, ADrawParams->Canvas->GetHandle(), ADrawParams->Caption, R, 2, true, false,
               inMenu && ADrawParams->DrawSelected, ADrawParams->Enabled, IsFlatItemTextForMenu(), DT_SINGLELINE);
  ADrawParams->Canvas->ExcludeClipRect(ControlPart(control, ecpCaption));
}

// A selected edit is sunken; otherwise two rings in the bar's background (the inner one in button
// highlight while disabled).
void TdxBarPainter::EditControlDrawBorder(TdxBarEditLikeControlDrawParams* ADrawParams, TRect& R) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  HDC DC = ADrawParams->Canvas->GetHandle();
  HBRUSH background = BarBackgroundBrush(control);
  const bool opaque = control->GetNonRecent() ||
                      ((ADrawParams->DrawSelected || !ADrawParams->Enabled) && !ADrawParams->IsEditTransparent);
  if (ADrawParams->DrawSelected) DrawEdge(DC, &R, BDR_SUNKENOUTER, BF_RECT);
  else DrawBackgroundFrameRect(control, DC, R, background, opaque);
  TRect inner = R;
  InflateRect(&inner, -1, -1);
  HBRUSH innerBrush =
      !ADrawParams->Enabled && !ADrawParams->IsEditTransparent ? GetSysColorBrush(COLOR_BTNHIGHLIGHT) : background;
  DrawBackgroundFrameRect(control, DC, inner, innerBrush, opaque);
}

void TdxBarPainter::EditControlDrawTextField(TdxBarEditLikeControlDrawParams* ADrawParams) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  const TRect R = ControlPart(control, ecpEdit);
  ADrawParams->Canvas->GetFont()->SetColor(EditGetTextColor(ADrawParams));
  ADrawParams->Canvas->GetBrush()->SetColor(EditGetBkColor(ADrawParams));
  ADrawParams->Canvas->IntersectClipRect(R);
  EditDrawInterior(control, ADrawParams->Canvas, R);
}

void TdxBarPainter::DrawEditLikeControl(TdxBarEditLikeControlDrawParams* ADrawParams, const TRect& R) {
  cxGraphics::TcxCanvas* canvas = ADrawParams->Canvas;
  canvas->SaveClipRegion();
  EditControlDrawBackground(ADrawParams);
  if (ADrawParams->PaintType == ptMenu && ADrawParams->DrawSelected) EditControlDrawSelectionFrame(ADrawParams, R);
  EditControlDrawGlyph(ADrawParams);
  EditControlDrawCaption(ADrawParams);
  TRect frame = Shrunk(ControlPart(ADrawParams->BarItemControl, ecpEdit), TRect(-EditControlBorderOffsets().left,
                       -EditControlBorderOffsets().top, -EditControlBorderOffsets().right,
                       -EditControlBorderOffsets().bottom));
  EditControlDrawBorder(ADrawParams, frame);
  EditControlDrawTextField(ADrawParams);
  canvas->RestoreClipRegion();
}

// The interior: filled with the canvas brush, then the item's text, transparent and without prefixes.
void TdxBarPainter::EditDrawInterior(TdxBarItemControl* AEditControl, cxGraphics::TcxCanvas* ACanvas, const TRect& R) {
  HDC DC = ACanvas->GetHandle();
  FillRect(DC, &R, ACanvas->GetBrush()->GetHandle());
  auto* item = dynamic_cast<TdxBarWindowItem*>(AEditControl->GetItem());
  const String text = item ? item->GetText() : String();
  TRect textR = R;
  EditOffsetInteriorRect(textR, ACanvas->TextHeight("Wg"));
  SetBkMode(DC, TRANSPARENT);
  SetTextColor(DC, ColorToRGB(ACanvas->GetFont()->GetColor()));
  DrawText(DC, text.c_str(), static_cast<int>(text.size()), &textR, DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
}

void TdxBarPainter::EditControlPrepareEditWnd(TdxBarItemControl* AControl, HWND AEditWnd) {
  RECT R{};
  GetClientRect(AEditWnd, &R);
  TRect interior(R.left, R.top, R.right, R.bottom);
  cxGraphics::TcxCanvas* canvas = AControl->GetCanvas();
  EditOffsetInteriorRect(interior, canvas ? canvas->TextHeight("Wg") : interior.Height());
  SendMessage(AEditWnd, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&interior));
}

void TdxBarPainter::EditControlUpdateWndText(HWND AEditWnd, bool ANotify) {
  if (ANotify)
    SendMessage(GetParent(AEditWnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(AEditWnd), EN_CHANGE),
                reinterpret_cast<LPARAM>(AEditWnd));
  SendMessage(AEditWnd, EM_SETSEL, 0, -1);
}

// ---- Combo boxes -----------------------------------------------------------------------------------------------
HBRUSH TdxBarPainter::ComboControlButtonBrush(TdxBarEditLikeControlDrawParams* ADrawParams) {
  return BarBackgroundBrush(ADrawParams->BarItemControl);
}

void TdxBarPainter::ComboControlDrawSimpleButton(TdxBarEditLikeControlDrawParams*, TRect&) {}

void TdxBarPainter::ComboControlDrawArrow(TdxBarEditLikeControlDrawParams* ADrawParams, const TRect& R, TColor AColor,
                                          Integer ASize) {
  if (!IsFlatItemText() && !ADrawParams->DroppedDown) AColor = clDefault;
  DrawLargeItemArrow(ADrawParams->Canvas->GetHandle(), R, adDown, ASize, ADrawParams->Enabled, false,
                     IsFlatItemText(), AColor);
}

void TdxBarPainter::ComboControlDrawArrowButton(TdxBarEditLikeControlDrawParams* ADrawParams, TRect R) {
  HBRUSH brush = ComboControlButtonBrush(ADrawParams);
  FillRect(ADrawParams->Canvas->GetHandle(), &R, brush);
  ComboControlDrawSimpleButton(ADrawParams, R);
  Integer size = (R.Width() + 2) / 4;
  if (size % 2 == 0) ++size;
  ComboControlDrawArrow(ADrawParams, R, ComboControlArrowColor(ADrawParams), size);
}

void TdxBarPainter::DropDownListBoxDrawBorder(HDC DC, TColor AColor, TRect R) {
  FrameRect(DC, &R, GetSysColorBrush(COLOR_BTNSHADOW));
  InflateRect(&R, -1, -1);
  HBRUSH brush = CreateSolidBrush(ColorToRGB(AColor));
  FrameRect(DC, &R, brush);
  DeleteObject(brush);
}

void TdxBarPainter::CustomComboDrawItem(TdxBarItem* ACombo, cxGraphics::TcxCanvas* ACanvas, Integer AIndex,
                                        const TRect& R, StdCtrls::TOwnerDrawState) {
  HDC DC = ACanvas->GetHandle();
  FillRect(DC, &R, ACanvas->GetBrush()->GetHandle());
  auto* combo = dynamic_cast<TdxBarWindowItem*>(ACombo);
  const String text = AIndex < 0 && combo ? combo->GetText() : String();
  SetBkMode(DC, TRANSPARENT);
  SetTextColor(DC, ColorToRGB(ACanvas->GetFont()->GetColor()));
  TextOut(DC, R.left + 2, R.top, text.c_str(), static_cast<int>(text.size()));
}

// ---- Colour combo ----------------------------------------------------------------------------------------------
Integer TdxBarPainter::GetCustomColorButtonWidth(TdxBarColorComboControlDrawParams*, const TRect& R) {
  const TRect indents = GetCustomColorButtonIndents();
  return std::max<Integer>((R.Height() - 4) / 7 * 7 - indents.left - indents.right + 4, 0);
}

// At the right inside the frame, hidden when the content would get narrower than half the control.
TRect TdxBarPainter::GetCustomColorButtonBounds(TdxBarColorComboControlDrawParams* ADrawParams, const TRect& R) {
  const TRect indents = GetCustomColorButtonIndents();
  const Integer width = GetCustomColorButtonWidth(ADrawParams, R);
  TRect button(R.right - indents.right - width, R.top + indents.top, R.right - indents.right, R.bottom - indents.bottom);
  if (width <= 0 || button.left - R.left < R.Width() / 2) return TRect(R.right, R.top, R.right, R.top);
  return button;
}

bool TdxBarPainter::IsCustomColorButtonVisible(TdxBarColorComboControlDrawParams* ADrawParams) {
  const TRect R = ControlPart(ADrawParams->BarItemControl, ecpCustomColorButton);
  return !IsRectEmpty(&R);
}

void TdxBarPainter::ColorComboCorrectFrameRect(TdxBarColorComboControlDrawParams* ADrawParams, TRect& R) {
  if (ColorComboHasCompleteFrame() && IsCustomColorButtonVisible(ADrawParams))
    R.right = ControlPart(ADrawParams->BarItemControl, ecpCustomColorButton).right + GetCustomColorButtonIndents().right;
}

void TdxBarPainter::DrawDot(TdxBarItemControlDrawParams* ADrawParams, const TRect& R) {
  HDC DC = ADrawParams->Canvas->GetHandle();
  if (!ADrawParams->Enabled) {
    DrawDisabledShadowRect(ADrawParams->BarItemControl, DC, R);
    return;
  }
  const bool face = dxOffice11::IsHighContrastWhite() && ADrawParams->DrawSelected;
  FillRect(DC, &R, GetSysColorBrush(face ? COLOR_BTNFACE : COLOR_BTNTEXT));
}

// Three square dots (an ellipsis) centred in R.
void TdxBarPainter::DrawDots(TdxBarItemControlDrawParams* ADrawParams, const TRect& R, bool APressed) {
  const Integer side = std::max<Integer>(R.Width() / 7, 1);
  const Integer total = 5 * side;
  TRect dot(R.left + (R.Width() - total) / 2, 0, 0, 0);
  dot.top = R.top + (R.Height() - side) / 2 + side - GetDotSpaceAfter(side);
  OffsetEllipsisBounds(APressed, dot);
  for (Integer i = 0; i < 3; ++i) {
    const TRect one(dot.left + i * 2 * side, dot.top, dot.left + i * 2 * side + side, dot.top + side);
    DrawDot(ADrawParams, one);
  }
}

void TdxBarPainter::ColorComboDrawCustomButton(TdxBarColorComboControlDrawParams* ADrawParams, TRect R) {
  const bool pressed = ADrawParams->IsPressed && ADrawParams->HotPartIndex == ecpCustomColorButton;
  FrameAndFillRect(ADrawParams->BarItemControl, ADrawParams->Canvas->GetHandle(), R, pressed,
                   ADrawParams->DrawSelected, ADrawParams->Enabled);
  DrawDots(ADrawParams, R, pressed);
}

void TdxBarPainter::ColorComboDrawCustomButtonAdjacentZone(TdxBarColorComboControlDrawParams* ADrawParams, TRect R) {
  TdxBarItemControl* control = ADrawParams->BarItemControl;
  HDC DC = ADrawParams->Canvas->GetHandle();
  DrawBackgroundFrameRect(control, DC, R, BarBackgroundBrush(control), false);
  InflateRect(&R, 0, -1);
  DrawBackgroundFrameRect(control, DC, R, BarBackgroundBrush(control), false);
}

// ---- Spin edit -------------------------------------------------------------------------------------------------
TSize TdxBarPainter::GetSpinEditArrowSize(Integer AHeight) {
  const Integer a = std::max<Integer>((AHeight / 2 - 2) / 2, 1);
  return TSize(2 * a - 1, a);
}

Integer TdxBarPainter::GetSpinEditButtonWidth(TdxBarSpinEditDrawParams*, const TRect& R) {
  const TSize arrow = GetSpinEditArrowSize(R.Height());
  const TRect indents = GetSpinEditButtonIndents();
  return arrow.cx + 2 * arrow.cy - indents.left - indents.right + 4;
}

void TdxBarPainter::GetSpinEditButtonBounds(TdxBarSpinEditDrawParams* ADrawParams, const TRect& R, TRect& AUpRect,
                                            TRect& ADownRect) {
  const Integer width = GetSpinEditButtonWidth(ADrawParams, R);
  if (R.Width() - width < R.Width() / 2) {
    AUpRect = ADownRect = TRect(R.right, R.top, R.right, R.top);
    return;
  }
  const Integer middle = (R.top + R.bottom) / 2;
  AUpRect = TRect(R.right - width, R.top, R.right, middle);
  ADownRect = TRect(R.right - width, middle, R.right, R.bottom);
}

Integer TdxBarPainter::GetSpinEditButtonState(TdxBarSpinEditDrawParams* ADrawParams, TdxBarSpinEditButton AButton) {
  if (!ADrawParams->Enabled) return 4;
  if (ADrawParams->ActiveButton == AButton) return 3;
  if (ADrawParams->HotButton == AButton) return 2;
  return 1;
}

void TdxBarPainter::SpinEditCorrectFrameRect(TdxBarSpinEditDrawParams* ADrawParams, TRect& R) {
  const TRect up = ControlPart(ADrawParams->BarItemControl, ecpSpinUp);
  if (!IsRectEmpty(&up)) R.right = up.left - GetSpinEditButtonIndents().left;
}

void TdxBarPainter::GetSpinEditArrowPos(TdxBarSpinEditDrawParams* ADrawParams, const TRect& AButtonRect, TPoint& P,
                                        TdxBarSpinEditButton AButton) {
  const Integer height = GetSpinEditArrowSize(AButtonRect.Height() * 2).cy;
  P.x = AButtonRect.left + height;
  P.y = (AButtonRect.top + AButtonRect.bottom - height) / 2;
  if (AButton == sbUp) P.y += height - 1;
}

// A filled triangle ArrowSize wide and half as high, pointing up for the up button; P is its base's
// left end.
void TdxBarPainter::DrawSpinEditArrow(TdxBarSpinEditDrawParams* ADrawParams, const TPoint& P,
                                      TdxBarSpinEditButton AButton, TColor AColor) {
  const Integer width = std::max<Integer>(ADrawParams->ArrowSize, 3) | 1;
  const Integer height = width / 2 + 1;
  const Integer tip = AButton == sbUp ? P.y - height + 1 : P.y + height - 1;
  const POINT points[3] = {{P.x, P.y}, {P.x + width - 1, P.y}, {P.x + width / 2, tip}};
  FillPolygonInColor(ADrawParams->Canvas->GetHandle(), points, 3, AColor, AColor);
}

void TdxBarPainter::SpinEditControlDrawButton(TdxBarSpinEditDrawParams* ADrawParams, TRect R,
                                              TdxBarSpinEditButton AButton) {
  const bool active = ADrawParams->ActiveButton == AButton;
  FrameAndFillRect(ADrawParams->BarItemControl, ADrawParams->Canvas->GetHandle(), R, active,
                   ADrawParams->HotButton == AButton, ADrawParams->Enabled);
  TPoint P;
  GetSpinEditArrowPos(ADrawParams, R, P, AButton);
  if (active) P = TPoint(P.x + 1, P.y + 1);
  if (ADrawParams->Enabled) {
    DrawSpinEditArrow(ADrawParams, P, AButton, clBtnText);
  } else {
    DrawSpinEditArrow(ADrawParams, TPoint(P.x + 1, P.y + 1), AButton, clBtnHighlight);
    DrawSpinEditArrow(ADrawParams, P, AButton, clBtnShadow);
  }
}

void TdxBarPainter::SpinEditControlDrawButtonsAdjacentZone(TdxBarSpinEditDrawParams* ADrawParams, const TRect& R) {
  DrawBackground(ADrawParams->BarItemControl, ADrawParams->Canvas->GetHandle(), R,
                 BarBackgroundBrush(ADrawParams->BarItemControl), false);
}

// ---- System panel and date navigator ---------------------------------------------------------------------------
Integer TdxBarPainter::SysPanelSize() { return dxCommon::dxDropDownNCHeight(); }

void TdxBarPainter::SysPanelCalcSize(HWND AWnd, TRect& R, TRect& ASysPanelR, bool ASysPanelShown, TdxBarItem* AItem,
                                     TdxCorner& ACorner) {
  InflateRect(&R, -1, -1);
  ASysPanelR = TRect(R.left, R.top, R.left, R.top);
  if (!ASysPanelShown) return;
  TdxBarItemLink* link = AItem ? AItem->GetCurItemLink() : nullptr;
  TCustomdxBarControl* bar = link ? link->GetBarControl() : nullptr;
  if (bar && link->GetControl() && bar->HandleAllocated()) {
    RECT window{};
    GetWindowRect(AWnd, &window);
    const TRect itemR = bar->GetItemScreenRect(link->GetControl());
    ACorner = dxCommon::GetCornerForRects(itemR, TRect(window.left, window.top, window.right, window.bottom));
  }
  const Integer size = SysPanelSize();
  if (ACorner == coBottomLeft || ACorner == coBottomRight) {
    ASysPanelR = TRect(R.left, R.bottom - size, R.right, R.bottom);
    R.bottom -= size;
  } else {
    ASysPanelR = TRect(R.left, R.top, R.right, R.top + size);
    R.top += size;
  }
}

void TdxBarPainter::SysPanelDraw(HWND AWnd, bool ASizeable, bool ACloseButtonIsTracking, bool AMouseAboveCloseButton,
                                 TRect& ACloseButtonRect, TRect& AGripRect, TdxCorner ACorner) {
  Dxbarcommon::dxBarPopupNCPaint(AWnd, ASizeable, false, ACloseButtonIsTracking, AMouseAboveCloseButton,
                                 ACloseButtonRect, AGripRect, ACorner);
}

void TdxBarPainter::DateNavigatorDrawButtonCaption(HDC DC, const TRect& R, bool APressed, const String& AText,
                                                   Integer AOffset) {
  TRect textR = R;
  OffsetRect(&textR, AOffset, AOffset);
  SetTextColor(DC, ColorToRGB(clBtnText));
  SetBkColor(DC, ColorToRGB(clBtnFace));
  SetBkMode(DC, APressed ? OPAQUE : TRANSPARENT);
  DrawText(DC, AText.c_str(), static_cast<int>(AText.size()), &textR, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

// Pressed: the system's pushed button; otherwise two L-shaped outlines, light at the top left: button
// face and button text outside, button highlight and button shadow inside, whose top-right pixel stays
// in button face.
void TdxBarPainter::DateNavigatorDrawButton(cxGraphics::TcxCanvas* ACanvas, TRect R, const String& AText,
                                            bool APressed) {
  HDC DC = ACanvas->GetHandle();
  if (APressed) {
    DrawFrameControl(DC, &R, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
  } else {
    const HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    FillRect(DC, &R, face);
    auto outline = [DC](const TRect& AR, HBRUSH ALight, HBRUSH ADark) {
      const RECT light[] = {{AR.left, AR.top, AR.right - 1, AR.top + 1}, {AR.left, AR.top, AR.left + 1, AR.bottom - 1}};
      const RECT dark[] = {{AR.left, AR.bottom - 1, AR.right, AR.bottom}, {AR.right - 1, AR.top, AR.right, AR.bottom}};
      for (const RECT& side : light) FillRect(DC, &side, ALight);
      for (const RECT& side : dark) FillRect(DC, &side, ADark);
    };
    outline(R, face, GetSysColorBrush(COLOR_BTNTEXT));
    TRect inner = R;
    InflateRect(&inner, -1, -1);
    outline(inner, GetSysColorBrush(COLOR_BTNHIGHLIGHT), GetSysColorBrush(COLOR_BTNSHADOW));
    const RECT corner{inner.right - 1, inner.top, inner.right, inner.top + 1};
    FillRect(DC, &corner, face);
  }
  DateNavigatorDrawButtonCaption(DC, R, APressed, AText, APressed ? 1 : 0);
}

}  // namespace dxBar
