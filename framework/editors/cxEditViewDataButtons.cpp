// The view data's buttons: placement from both ends of the frame, stretching in buttons-only mode,
// the states from focus, the mouse and the host, the ends of the two groups and the theme parts.
#include <algorithm>

#include "cxDWMApi.h"
#include "cxEditControl.h"
#include "cxEditUtils.h"
#include "cxEditViewData.h"
#include "cxEditViewInfo.h"
#include "cxGeometry.h"
#include "dxThemeManager.h"

namespace cxEdit {

namespace {

// The theme state of a button by its state (push and combo-box buttons alike).
constexpr Integer NativeButtonStates[] = {4, 1, 3, 2};

bool IsLeftClickShift(TShiftState Shift) {
  return Shift == TShiftState{ssLeft} || Shift == TShiftState{ssLeft, ssDouble};
}

}  // namespace

void TcxCustomEditViewData::CalculateButtonsViewInfo(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P,
                                                     TcxMouseButton Button, TShiftState Shift,
                                                     TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) {
  const TcxEditButtonTransparency transparency = FStyle->GetButtonTransparency();
  if (ButtonVisibleCount == 0 || (!Focused && transparency == ebtHideInactive) ||
      (!HotTrackOrFocused && transparency == ebtHideUnselected)) {
    AViewInfo->SetButtonCount(0);
    return;
  }
  const bool wasComboBoxStyle = !AViewInfo->ButtonsInfo.empty() && AViewInfo->ButtonsInfo[0]->ComboBoxStyle;
  AViewInfo->SetButtonCount(ButtonVisibleCount);
  AViewInfo->IsButtonReallyPressed = false;
  const Integer prevPressedButton = AIsMouseEvent ? AViewInfo->PressedButton : -1;
  AViewInfo->PressedButton = -1;
  AViewInfo->SelectedButton = -1;
  LeftButtonsLeftIndex = LeftButtonsRightIndex = RightButtonsLeftIndex = RightButtonsRightIndex = -1;

  TRect rect = ABounds;
  // A stand-alone combo box drawn by the composed theme takes its button over the whole frame.
  if (FIsInplace || !NativeStyle || !wasComboBoxStyle || !IsCompositionEnabled()) {
    rect = cxRectContent(rect, GetButtonsExtent(ACanvas));
  }
  const Integer widthBefore = rect.Width();
  TcxEditButtons* buttons = FProperties->GetButtons();
  bool textFontPrepared = false;
  Integer visibleIndex = ButtonVisibleCount;
  for (Integer i = buttons->Count() - 1; i >= 0; --i) {
    TcxEditButton* button = buttons->GetItem(i);
    if (!button->GetVisible()) continue;
    --visibleIndex;
    if (button->GetKind() == bkText && !textFontPrepared && ACanvas) {
      ACanvas->GetFont()->Assign(FStyle->GetVisibleFont());
      AViewInfo->PrepareCanvasFont(ACanvas->GetCanvas());
      textFontPrepared = true;
    }
    TcxEditButtonViewInfo* buttonViewInfo = AViewInfo->ButtonsInfo[visibleIndex];
    buttonViewInfo->ButtonIndex = i;
    buttonViewInfo->ButtonStyle = GetButtonsStyle();
    CalculateButtonViewInfo(ACanvas, AViewInfo, visibleIndex, rect);
  }
  CheckButtonsOnly(AViewInfo, widthBefore, rect.Width());
  CalculateButtonStates(P, Button, Shift, AViewInfo, prevPressedButton);
  CalculateButtonGroupEnds(AViewInfo);
}

void TcxCustomEditViewData::CalculateButtonViewInfo(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo,
                                                    Integer AButtonVisibleIndex, TRect& ButtonsRect) {
  TcxEditButtonViewInfo* info = AViewInfo->ButtonsInfo[AButtonVisibleIndex];
  TcxEditButton* button = FProperties->GetButtons()->GetItem(info->ButtonIndex);
  info->ComboBoxStyle = AViewInfo->ButtonsInfo.size() == 1 && button->GetKind() == bkDown;
  info->Kind = button->GetKind();
  if (info->Kind == bkText) {
    info->Caption = button->GetCaption();
    TcxCustomLookAndFeelPainterClass painter = AViewInfo->Painter;
    info->TextColor = painter ? painter->EditButtonTextColor() : button->GetTextColor();
    info->CaptionWithoutAccelChars = button->GetCaptionWithoutAccelChars();
  }
  info->ContentAlignment = button->GetContentAlignment();
  info->Default = button->GetDefault();
  info->Glyph = button->HasGlyph() ? button->GetGlyph() : nullptr;
  info->HasBackground = AViewInfo->HasBackground;
  info->Gradient = FStyle->GetGradientButtons();
  info->IsInplace = FIsInplace;
  info->LeftAlignment = button->GetLeftAlignment();
  info->LeftEnd = info->RightEnd = false;
  info->NativeStyle = AViewInfo->NativeStyle;
  info->Stretchable = button->GetStretchable();
  info->Width = button->GetWidth() != 0 ? button->GetWidth() : DoGetDefaultButtonWidth(AButtonVisibleIndex);
  const TcxEditButtonTransparency transparency = FStyle->GetButtonTransparency();
  info->Transparent = transparency == ebtAlways || (transparency == ebtInactive && !HotTrackOrFocused);
  info->BackgroundColor = AViewInfo->GetBackgroundColor();
  CalculateButtonBounds(ACanvas, AViewInfo, AButtonVisibleIndex, ButtonsRect);
}

void TcxCustomEditViewData::CalculateButtonBounds(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo,
                                                  Integer AButtonVisibleIndex, TRect& ButtonsRect) {
  TcxEditButtonViewInfo* info = AViewInfo->ButtonsInfo[AButtonVisibleIndex];
  if (cxRectIsEmpty(ButtonsRect)) {
    info->Bounds = info->VisibleBounds = TRect();
    return;
  }
  const Integer width = CalculateEditDefaultButtonWidth(ACanvas, info);
  const Integer fits = std::min(width, ButtonsRect.Width());
  const Integer top = ButtonsRect.top, bottom = ButtonsRect.bottom;
  if (info->LeftAlignment) {
    info->Bounds = TRect(ButtonsRect.left, top, ButtonsRect.left + width, bottom);
    info->VisibleBounds = TRect(ButtonsRect.left, top, ButtonsRect.left + fits, bottom);
    ButtonsRect.left += fits;
    if (LeftButtonsLeftIndex == -1) LeftButtonsLeftIndex = AButtonVisibleIndex;
    LeftButtonsRightIndex = AButtonVisibleIndex;
  } else {
    info->Bounds = TRect(ButtonsRect.right - width, top, ButtonsRect.right, bottom);
    info->VisibleBounds = TRect(ButtonsRect.right - fits, top, ButtonsRect.right, bottom);
    ButtonsRect.right -= fits;
    if (RightButtonsRightIndex == -1) RightButtonsRightIndex = AButtonVisibleIndex;
    RightButtonsLeftIndex = AButtonVisibleIndex;
  }
}

void TcxCustomEditViewData::CheckButtonsOnly(TcxCustomEditViewInfo* AViewInfo, Integer APrevButtonsWidth,
                                             Integer AButtonsWidth) {
  if (!IsButtonsOnly || AButtonsWidth <= 0) return;
  const Integer count = AViewInfo->GetButtonCount();
  std::vector<Integer> candidates;
  Integer sum = 0;
  for (Integer i = count - 1; i >= 0; --i)
    if (AViewInfo->ButtonsInfo[i]->Stretchable && !IgnoreButtonWhileStretching(i)) {
      candidates.push_back(i);
      sum += AViewInfo->ButtonsInfo[i]->Bounds.Width();
    }
  if (candidates.empty()) {
    for (Integer i = count - 1; i >= 0; --i) candidates.push_back(i);
    sum = APrevButtonsWidth - AButtonsWidth;
  }
  if (sum <= 0) return;
  Integer left = AButtonsWidth;
  for (size_t n = 0; n < candidates.size(); ++n) {
    TcxEditButtonViewInfo* info = AViewInfo->ButtonsInfo[candidates[n]];
    const Integer share = n + 1 == candidates.size() ? left : info->Bounds.Width() * AButtonsWidth / sum;
    left -= share;
    if (info->LeftAlignment) {
      const Integer edge = info->Bounds.right;
      for (TcxEditButtonViewInfo* other : AViewInfo->ButtonsInfo)
        if (other != info && other->LeftAlignment && other->Bounds.left >= edge) {
          other->Bounds = cxRectOffset(other->Bounds, share, 0);
          other->VisibleBounds = cxRectOffset(other->VisibleBounds, share, 0);
        }
      info->Bounds.right += share;
      info->VisibleBounds.right += share;
    } else {
      const Integer edge = info->Bounds.left;
      for (TcxEditButtonViewInfo* other : AViewInfo->ButtonsInfo)
        if (other != info && !other->LeftAlignment && other->Bounds.right <= edge) {
          other->Bounds = cxRectOffset(other->Bounds, -share, 0);
          other->VisibleBounds = cxRectOffset(other->VisibleBounds, -share, 0);
        }
      info->Bounds.left -= share;
      info->VisibleBounds.left -= share;
    }
  }
}

void TcxCustomEditViewData::CalculateButtonStates(const TPoint& P, TcxMouseButton Button, TShiftState Shift,
                                                  TcxCustomEditViewInfo* AViewInfo, Integer APrevPressedButton) {
  TcxEditButtons* buttons = FProperties->GetButtons();
  for (Integer i = 0; i < AViewInfo->GetButtonCount(); ++i) {
    TcxEditButtonViewInfo* info = AViewInfo->ButtonsInfo[i];
    const bool pressedByHost = IsButtonPressed(AViewInfo, i);
    TcxEditButtonState state = ebsNormal;
    if (!Enabled || !buttons->GetItem(info->ButtonIndex)->GetEnabled()) {
      state = ebsDisabled;
    } else if (pressedByHost || (!IsDesigning && cxRectPtIn(info->VisibleBounds, P))) {
      // The previous calculation's state tells whether the button is held or was captured.
      const bool captured = Button == cxmbNone && Shift.Contains(ssLeft) && info->State == ebsNormal &&
                            i == GetCaptureButtonVisibleIndex();
      const bool leftPress = Button == cxmbLeft && IsLeftClickShift(Shift);
      const bool held = info->State == ebsPressed && Shift.Contains(ssLeft);
      if (pressedByHost || leftPress || held || captured) AViewInfo->IsButtonReallyPressed = true;
      if (pressedByHost || !Shift.Empty() || captured) {
        const bool pressed = pressedByHost || (captured && CanPressButton(AViewInfo, i)) ||
                             (leftPress && CanPressButton(AViewInfo, i)) ||
                             (IsLeftClickShift(Shift) && i == APrevPressedButton) || held;
        state = pressed ? ebsPressed : ebsNormal;
        if (pressed) AViewInfo->PressedButton = i;
      } else {
        state = ebsSelected;
        AViewInfo->SelectedButton = i;
      }
    }
    DoGetButtonState(AViewInfo, i, state);
    info->State = state;
    CalculateButtonNativeInfo(info);
  }
}

void TcxCustomEditViewData::CalculateButtonGroupEnds(TcxCustomEditViewInfo* AViewInfo) {
  std::vector<TcxEditButtonViewInfo*>& infos = AViewInfo->ButtonsInfo;
  if (LeftButtonsLeftIndex != -1) infos[LeftButtonsLeftIndex]->LeftEnd = true;
  if (LeftButtonsRightIndex != -1 && !(IsButtonsOnly && RightButtonsLeftIndex != -1))
    infos[LeftButtonsRightIndex]->RightEnd = true;
  if (RightButtonsLeftIndex != -1 && !(IsButtonsOnly && LeftButtonsLeftIndex != -1))
    infos[RightButtonsLeftIndex]->LeftEnd = true;
  if (RightButtonsRightIndex != -1) infos[RightButtonsRightIndex]->RightEnd = true;
  if (IsButtonsOnly)
    for (TcxEditButtonViewInfo* info : infos) info->LeftAlignment = false;
}

void TcxCustomEditViewData::CalculateButtonNativeInfo(TcxEditButtonViewInfo* AButtonViewInfo) {
  Integer part = 0;
  TdxTheme theme = nullptr;
  if (AButtonViewInfo->NativeStyle) {
    theme = OpenTheme(AButtonViewInfo->ComboBoxStyle ? totComboBox : totButton);
    if (theme) {
      part = 1;
      if (AButtonViewInfo->ComboBoxStyle && !FIsInplace && IsCompositionEnabled())
        part = AButtonViewInfo->LeftAlignment ? 7 : 6;
    }
  }
  AButtonViewInfo->NativePart = part;
  if (part == 0) {
    AButtonViewInfo->BackgroundPartiallyTransparent = false;
    AButtonViewInfo->NativeState = 0;
    return;
  }
  AButtonViewInfo->BackgroundPartiallyTransparent =
      IsThemeBackgroundPartiallyTransparent(theme, part, AButtonViewInfo->NativeState);
  AButtonViewInfo->NativeState = NativeButtonStates[AButtonViewInfo->State];
}

void TcxCustomEditViewData::DoGetButtonState(TcxCustomEditViewInfo* AViewInfo, Integer AButtonVisibleIndex,
                                             TcxEditButtonState& AState) {
  if (AViewInfo->OnGetButtonState) AViewInfo->OnGetButtonState(AViewInfo, AButtonVisibleIndex, AState);
}

Integer TcxCustomEditViewData::DoGetDefaultButtonWidth(Integer AIndex) {
  Integer width = 0;
  if (OnGetDefaultButtonWidth) OnGetDefaultButtonWidth(this, AIndex, width);
  return width;
}

}  // namespace cxEdit
