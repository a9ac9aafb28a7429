// Buttons over the BUTTON class: the push button that ends a modal form with its ModalResult and
// reacts to Enter (as the default or focused button) and Escape (as the cancel button), the check
// box with its optional grayed state, and the radio button that unchecks the ones beside it.
#include "ActnList.h"
#include "Forms.h"
#include "StdCtrls.h"
#include "WinUser.h"

namespace StdCtrls {

namespace {

// A key without Shift, Ctrl or Alt held.
bool Unshifted(LPARAM KeyData) {
  TShiftState shift = KeyDataToShiftState(KeyData);
  return !shift.Contains(ssShift) && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt);
}

}  // namespace

// ---- TButtonControl ---------------------------------------------------------------------------------
IMPLEMENT_CLASS(TButtonControl)

void TButtonControl::Construct() {
  inherited::Construct();
  SetTabStop(true);
}

void TButtonControl::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  RecreateWnd();
}

// ---- TButton ----------------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TButton) {
  d.Property("Action", &TButton::GetAction, &TButton::SetAction);
  d.Property("Anchors", &TButton::GetAnchors, &TButton::SetAnchors).Default(TAnchors{akLeft, akTop});
  d.Property("Cancel", &TButton::GetCancel, &TButton::SetCancel).Default(false);
  d.Property("Caption", &TButton::GetCaption, &TButton::SetCaption);
  d.Property("Default", &TButton::GetDefault, &TButton::SetDefault).Default(false);
  d.Property("Enabled", &TButton::GetEnabled, &TButton::SetEnabled).Default(true);
  d.Property("Font", &TButton::GetFont, &TButton::SetFont).Stored(&TButton::IsFontStored);
  d.Property("ModalResult", &TButton::GetModalResult, &TButton::SetModalResult).Default(0);
  d.Property("ParentFont", &TButton::GetParentFont, &TButton::SetParentFont).Default(true);
  d.Property("ParentShowHint", &TButton::GetParentShowHint, &TButton::SetParentShowHint).Default(true);
  d.Property("ShowHint", &TButton::GetShowHint, &TButton::SetShowHint);
  d.Property("TabOrder", &TButton::GetTabOrder, &TButton::SetTabOrder).Default(-1);
  d.Property("TabStop", &TButton::GetTabStop, &TButton::SetTabStop).Default(true);
  d.Property("Visible", &TButton::GetVisible, &TButton::SetVisible).Default(true);
  d.Property("WordWrap", &TButton::GetWordWrap, &TButton::SetWordWrap).Default(false);
  d.Property("OnClick", &TButton::GetOnClick, &TButton::SetOnClick);
  d.Property("OnEnter", &TButton::GetOnEnter, &TButton::SetOnEnter);
  d.Property("OnExit", &TButton::GetOnExit, &TButton::SetOnExit);
  d.Property("OnKeyDown", &TButton::GetOnKeyDown, &TButton::SetOnKeyDown);
  d.Property("OnKeyPress", &TButton::GetOnKeyPress, &TButton::SetOnKeyPress);
  d.Property("OnKeyUp", &TButton::GetOnKeyUp, &TButton::SetOnKeyUp);
  d.Property("OnMouseDown", &TButton::GetOnMouseDown, &TButton::SetOnMouseDown);
  d.Property("OnMouseMove", &TButton::GetOnMouseMove, &TButton::SetOnMouseMove);
  d.Property("OnMouseUp", &TButton::GetOnMouseUp, &TButton::SetOnMouseUp);
}

void TButton::Construct() {
  inherited::Construct();
  ControlStyle = {csSetCaption, csDoubleClicks};
  SetBounds(FLeft, FTop, 75, 25);
}

void TButton::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  CreateSubClass(Params, "BUTTON");
  Params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if (GetWordWrap()) Params.Style |= BS_MULTILINE;
}

void TButton::CreateWnd() {
  inherited::CreateWnd();
  FActive = FDefault;
  FShowsDefault = FDefault;
}

void TButton::SetDefault(bool Value) {
  if (FDefault == Value) return;
  FDefault = Value;
  if (!HandleAllocated()) return;
  Forms::TCustomForm* form = GetParentForm(this);
  // The new default shows as such unless another button has the focus.
  SetButtonStyle(IsActive());
  if (form) form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->GetActiveControl()));
}

void TButton::SetButtonStyle(bool ADefault) {
  if (!HandleAllocated() || ADefault == FShowsDefault) return;
  FShowsDefault = ADefault;
  DWORD style = ADefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if ((static_cast<DWORD>(GetWindowLong(FHandle, GWL_STYLE)) & BS_TYPEMASK) != style)
    SendMessage(FHandle, BM_SETSTYLE, style, 1);
}

bool TButton::IsActive() {
  Forms::TCustomForm* form = GetParentForm(this);
  if (form)
    if (auto* focused = dynamic_cast<TButton*>(form->GetActiveControl())) return focused == this;
  return FDefault;
}

void TButton::Click() {
  if (Forms::TCustomForm* form = GetParentForm(this)) form->ModalResult = FModalResult;
  inherited::Click();
}

void TButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      if (Message.WParamHi() == BN_CLICKED) Click();
      return;
    case CM_DIALOGKEY:
      if (((Message.WParam == VK_RETURN && IsActive()) || (Message.WParam == VK_ESCAPE && FCancel)) &&
          Unshifted(Message.LParam) && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
      }
      inherited::Dispatch(Message);
      return;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<Word>(Message.WParam), GetCaption()) && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
      }
      inherited::Dispatch(Message);
      return;
    case CM_FOCUSCHANGED: {
      // The focused button reacts to Enter; when the focus is elsewhere the default button does.
      auto* focused = reinterpret_cast<TWinControl*>(Message.LParam);
      if (auto* button = dynamic_cast<TButton*>(focused)) FActive = button == this;
      else FActive = FDefault;
      SetButtonStyle(FActive);
      inherited::Dispatch(Message);
      return;
    }
    default: inherited::Dispatch(Message);
  }
}

// ---- TCustomCheckBox --------------------------------------------------------------------------------
IMPLEMENT_CLASS(TCustomCheckBox)

IMPLEMENT_CLASS_PUBLISHED(TCheckBox) {
  d.Property("Alignment", &TCheckBox::GetAlignment, &TCheckBox::SetAlignment).Default(taRightJustify);
  d.Property("AllowGrayed", &TCheckBox::GetAllowGrayed, &TCheckBox::SetAllowGrayed).Default(false);
  d.Property("Anchors", &TCheckBox::GetAnchors, &TCheckBox::SetAnchors).Default(TAnchors{akLeft, akTop});
  d.Property("Caption", &TCheckBox::GetCaption, &TCheckBox::SetCaption);
  d.Property("Checked", &TCheckBox::GetChecked, &TCheckBox::SetChecked).Default(false);
  d.Property("Color", &TCheckBox::GetColor, &TCheckBox::SetColor).Default(clBtnFace).Type(ColorTypeInfo()).Stored(&TCheckBox::IsColorStored);
  d.Property("Enabled", &TCheckBox::GetEnabled, &TCheckBox::SetEnabled).Default(true);
  d.Property("Font", &TCheckBox::GetFont, &TCheckBox::SetFont).Stored(&TCheckBox::IsFontStored);
  d.Property("ParentColor", &TCheckBox::GetParentColor, &TCheckBox::SetParentColor).Default(true);
  d.Property("ParentFont", &TCheckBox::GetParentFont, &TCheckBox::SetParentFont).Default(true);
  d.Property("State", &TCheckBox::GetState, &TCheckBox::SetState).Default(cbUnchecked);
  d.Property("TabOrder", &TCheckBox::GetTabOrder, &TCheckBox::SetTabOrder).Default(-1);
  d.Property("TabStop", &TCheckBox::GetTabStop, &TCheckBox::SetTabStop).Default(true);
  d.Property("Visible", &TCheckBox::GetVisible, &TCheckBox::SetVisible).Default(true);
  d.Property("WordWrap", &TCheckBox::GetWordWrap, &TCheckBox::SetWordWrap).Default(false);
  d.Property("OnClick", &TCheckBox::GetOnClick, &TCheckBox::SetOnClick);
  d.Property("OnEnter", &TCheckBox::GetOnEnter, &TCheckBox::SetOnEnter);
  d.Property("OnExit", &TCheckBox::GetOnExit, &TCheckBox::SetOnExit);
  d.Property("OnKeyDown", &TCheckBox::GetOnKeyDown, &TCheckBox::SetOnKeyDown);
  d.Property("OnKeyPress", &TCheckBox::GetOnKeyPress, &TCheckBox::SetOnKeyPress);
  d.Property("OnKeyUp", &TCheckBox::GetOnKeyUp, &TCheckBox::SetOnKeyUp);
}

void TCustomCheckBox::Construct() {
  inherited::Construct();
  ControlStyle = {csSetCaption, csDoubleClicks};
  SetBounds(FLeft, FTop, 97, 17);
}

void TCustomCheckBox::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  CreateSubClass(Params, "BUTTON");
  Params.Style |= BS_3STATE;
  if (FAlignment == taLeftJustify) Params.Style |= BS_LEFTTEXT;
  if (GetWordWrap()) Params.Style |= BS_MULTILINE;
}

void TCustomCheckBox::CreateWnd() {
  inherited::CreateWnd();
  SendMessage(FHandle, BM_SETCHECK, static_cast<WPARAM>(FState), 0);
}

void TCustomCheckBox::SetAlignment(TAlignment Value) {
  if (Value == taCenter) Value = taRightJustify;  // the box is either before or after its caption
  if (FAlignment == Value) return;
  FAlignment = Value;
  RecreateWnd();
}

void TCustomCheckBox::SetState(TCheckBoxState Value) {
  if (FState == Value) return;
  FState = Value;
  if (HandleAllocated()) SendMessage(FHandle, BM_SETCHECK, static_cast<WPARAM>(FState), 0);
  if (!ClicksDisabled) Click();
}

void TCustomCheckBox::Toggle() {
  switch (FState) {
    case cbUnchecked: SetState(FAllowGrayed ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
  }
}

void TCustomCheckBox::Click() {
  inherited::Changed();
  inherited::Click();
}

void TCustomCheckBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      if (Message.WParamHi() == BN_CLICKED) Toggle();
      return;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<Word>(Message.WParam), GetCaption()) && CanFocus()) {
        SetFocus();
        if (Focused()) Toggle();
        Message.Result = 1;
        return;
      }
      inherited::Dispatch(Message);
      return;
    default: inherited::Dispatch(Message);
  }
}

// ---- TRadioButton -----------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TRadioButton) {
  d.Property("Alignment", &TRadioButton::GetAlignment, &TRadioButton::SetAlignment).Default(taRightJustify);
  d.Property("Anchors", &TRadioButton::GetAnchors, &TRadioButton::SetAnchors).Default(TAnchors{akLeft, akTop});
  d.Property("Caption", &TRadioButton::GetCaption, &TRadioButton::SetCaption);
  d.Property("Checked", &TRadioButton::GetChecked, &TRadioButton::SetChecked).Default(false);
  d.Property("Color", &TRadioButton::GetColor, &TRadioButton::SetColor).Default(clBtnFace).Type(ColorTypeInfo()).Stored(&TRadioButton::IsColorStored);
  d.Property("Enabled", &TRadioButton::GetEnabled, &TRadioButton::SetEnabled).Default(true);
  d.Property("Font", &TRadioButton::GetFont, &TRadioButton::SetFont).Stored(&TRadioButton::IsFontStored);
  d.Property("ParentColor", &TRadioButton::GetParentColor, &TRadioButton::SetParentColor).Default(true);
  d.Property("ParentFont", &TRadioButton::GetParentFont, &TRadioButton::SetParentFont).Default(true);
  d.Property("TabOrder", &TRadioButton::GetTabOrder, &TRadioButton::SetTabOrder).Default(-1);
  d.Property("TabStop", &TRadioButton::GetTabStop, &TRadioButton::SetTabStop).Default(false);
  d.Property("Visible", &TRadioButton::GetVisible, &TRadioButton::SetVisible).Default(true);
  d.Property("WordWrap", &TRadioButton::GetWordWrap, &TRadioButton::SetWordWrap).Default(false);
  d.Property("OnClick", &TRadioButton::GetOnClick, &TRadioButton::SetOnClick);
  d.Property("OnDblClick", &TRadioButton::GetOnDblClick, &TRadioButton::SetOnDblClick);
  d.Property("OnEnter", &TRadioButton::GetOnEnter, &TRadioButton::SetOnEnter);
  d.Property("OnExit", &TRadioButton::GetOnExit, &TRadioButton::SetOnExit);
  d.Property("OnKeyDown", &TRadioButton::GetOnKeyDown, &TRadioButton::SetOnKeyDown);
  d.Property("OnKeyPress", &TRadioButton::GetOnKeyPress, &TRadioButton::SetOnKeyPress);
  d.Property("OnKeyUp", &TRadioButton::GetOnKeyUp, &TRadioButton::SetOnKeyUp);
}

void TRadioButton::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  CreateSubClass(Params, "BUTTON");
  Params.Style |= BS_RADIOBUTTON;
  if (FAlignment == taLeftJustify) Params.Style |= BS_LEFTTEXT;
  if (GetWordWrap()) Params.Style |= BS_MULTILINE;
}

void TRadioButton::CreateWnd() {
  inherited::CreateWnd();
  SendMessage(FHandle, BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SetAlignment(TAlignment Value) {
  if (Value == taCenter) Value = taRightJustify;
  if (FAlignment == Value) return;
  FAlignment = Value;
  RecreateWnd();
}

void TRadioButton::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  // Only the checked radio button of a group is a tab stop; arrows move within the group.
  SetTabStop(Value);
  if (HandleAllocated()) SendMessage(FHandle, BM_SETCHECK, Value ? BST_CHECKED : BST_UNCHECKED, 0);
  if (!Value) return;
  if (TWinControl* parent = GetParent())
    for (Integer i = 0; i < parent->ControlCount(); ++i)
      if (auto* sibling = dynamic_cast<TRadioButton*>(parent->GetControl(i)); sibling && sibling != this)
        sibling->SetChecked(false);
  if (!ClicksDisabled) Click();
}

void TRadioButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      switch (Message.WParamHi()) {
        case BN_CLICKED: SetChecked(true); break;
        case BN_DOUBLECLICKED: DblClick(); break;
        default: break;
      }
      return;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<Word>(Message.WParam), GetCaption()) && CanFocus()) {
        SetFocus();
        Message.Result = 1;
        return;
      }
      inherited::Dispatch(Message);
      return;
    default: inherited::Dispatch(Message);
  }
}

}  // namespace StdCtrls
