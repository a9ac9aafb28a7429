// A control's action: the control's link that makes it show the action's caption, enabled state,
// hint and visibility (a windowed control's help context, a button's checked state too) and click
// through the action's handler, for as long as it still shows them.
#include "ActnList.h"
#include "Controls.h"
#include "Forms.h"
#include "Menus.h"
#include "StdCtrls.h"

namespace ActnList {

IMPLEMENT_CLASS(TControlActionLink)

void TControlActionLink::AssignClient(TObject* AClient) { FClientControl = As<TControl>(AClient); }

namespace {
TCustomAction* CustomAction(TBasicAction* Action) { return dynamic_cast<TCustomAction*>(Action); }
}  // namespace

bool TControlActionLink::IsCaptionLinked() {
  return inherited::IsCaptionLinked() && FClientControl->GetCaption() == CustomAction(FAction)->GetCaption();
}

bool TControlActionLink::IsEnabledLinked() {
  return inherited::IsEnabledLinked() && FClientControl->GetEnabled() == CustomAction(FAction)->GetEnabled();
}

bool TControlActionLink::IsHintLinked() {
  return inherited::IsHintLinked() && FClientControl->GetHint() == CustomAction(FAction)->GetHint();
}

bool TControlActionLink::IsVisibleLinked() {
  return inherited::IsVisibleLinked() && FClientControl->GetVisible() == CustomAction(FAction)->GetVisible();
}

bool TControlActionLink::IsOnExecuteLinked() {
  return inherited::IsOnExecuteLinked() && FAction && FClientControl->OnClick == FAction->GetOnExecute();
}

void TControlActionLink::SetCaption(const String& Value) {
  if (IsCaptionLinked()) FClientControl->SetCaption(Value);
}

void TControlActionLink::SetEnabled(bool Value) {
  if (IsEnabledLinked()) FClientControl->SetEnabled(Value);
}

void TControlActionLink::SetHint(const String& Value) {
  if (IsHintLinked()) FClientControl->SetHint(Value);
}

void TControlActionLink::SetVisible(bool Value) {
  if (IsVisibleLinked()) FClientControl->SetVisible(Value);
}

void TControlActionLink::SetOnExecute(TNotifyEvent Value) {
  if (IsOnExecuteLinked()) FClientControl->OnClick = Value;
}

bool TControlActionLink::DoShowHint(String& HintStr) {
  TCustomAction* action = CustomAction(FAction);
  if (!action) return true;
  if (!action->DoHint(HintStr)) return false;
  if (Forms::Application->HintShortCuts && action->GetShortCut() != 0 && !HintStr.empty())
    HintStr += " (" + ShortCutToText(action->GetShortCut()) + ")";
  return true;
}

// ---- TWinControlActionLink --------------------------------------------------------------------------
IMPLEMENT_CLASS(TWinControlActionLink)

void TWinControlActionLink::AssignClient(TObject* AClient) {
  inherited::AssignClient(AClient);
  FClientWinControl = As<TWinControl>(AClient);
}

bool TWinControlActionLink::IsHelpContextLinked() {
  return inherited::IsHelpContextLinked() &&
         FClientWinControl->GetHelpContext() == CustomAction(FAction)->GetHelpContext();
}

void TWinControlActionLink::SetHelpContext(Integer Value) {
  if (IsHelpContextLinked()) FClientWinControl->SetHelpContext(Value);
}

}  // namespace ActnList

namespace StdCtrls {

// ---- TButtonActionLink ------------------------------------------------------------------------------
IMPLEMENT_CLASS(TButtonActionLink)

void TButtonActionLink::AssignClient(TObject* AClient) {
  inherited::AssignClient(AClient);
  FClientButton = As<TButtonControl>(AClient);
}

bool TButtonActionLink::IsCheckedLinked() {
  return inherited::IsCheckedLinked() && FClientButton->GetChecked() == CustomAction(FAction)->GetChecked();
}

void TButtonActionLink::SetChecked(bool Value) {
  if (IsCheckedLinked()) FClientButton->SetCheckedWithoutClick(Value);
}

// ---- TButtonControl ---------------------------------------------------------------------------------
void TButtonControl::SetCheckedWithoutClick(bool Value) {
  bool disabled = ClicksDisabled;
  ClicksDisabled = true;
  struct TRestore {
    TButtonControl* B;
    bool Old;
    ~TRestore() { B->ClicksDisabled = Old; }
  } restore{this, disabled};
  SetChecked(Value);
}

TClass TButtonControl::GetActionLinkClass() const { return TButtonActionLink::StaticClass(); }

void TButtonControl::ActionChange(TObject* Sender, bool CheckDefaults) {
  inherited::ActionChange(Sender, CheckDefaults);
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (action && (!CheckDefaults || !GetChecked())) SetCheckedWithoutClick(action->GetChecked());
}

}  // namespace StdCtrls

namespace Controls {

TBasicAction* TControl::GetAction() const { return FActionLink ? FActionLink->GetAction() : nullptr; }

void TControl::SetAction(TBasicAction* Value) {
  if (!Value) {
    if (TControlActionLink* link = FActionLink) {
      FActionLink = nullptr;
      link->Free();
    }
    ControlStyle.Exclude(csActionClient);
    return;
  }
  // The application hears of the control's end (ControlDestroyed), which frees the link.
  Forms::Application.Get();
  if (!FActionLink) {
    TClass cls = GetActionLinkClass();
    if (!cls || !cls->InheritsFrom(TControlActionLink::StaticClass())) RaiseInvalidCast();
    FActionLink = static_cast<TControlActionLink*>(CreateActionLink(cls, this));
  }
  ControlStyle.Include(csActionClient);
  FActionLink->SetAction(Value);
  FActionLink->OnChange = [this](TObject* Sender) {
    if (Sender && Sender == GetAction()) ActionChange(Sender, false);
  };
  // A control read from a form resource keeps what the resource gave it.
  ActionChange(Value, Value->ComponentState().Contains(csLoading));
}

TClass TControl::GetActionLinkClass() const { return TControlActionLink::StaticClass(); }

TClass TWinControl::GetActionLinkClass() const { return TWinControlActionLink::StaticClass(); }

void TWinControl::ActionChange(TObject* Sender, bool CheckDefaults) {
  inherited::ActionChange(Sender, CheckDefaults);
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (action && (!CheckDefaults || FHelpContext == 0)) SetHelpContext(action->GetHelpContext());
}

void TControl::InitiateAction() {
  if (FActionLink) FActionLink->Update();
}

void TControl::ActionChange(TObject* Sender, bool CheckDefaults) {
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (!action) return;
  if (!CheckDefaults || GetCaption().empty() || GetCaption() == GetName()) SetCaption(action->GetCaption());
  if (!CheckDefaults || GetEnabled()) SetEnabled(action->GetEnabled());
  if (!CheckDefaults || GetHint().empty()) SetHint(action->GetHint());
  if (!CheckDefaults || GetVisible()) SetVisible(action->GetVisible());
  if (!CheckDefaults || !OnClick) OnClick = action->GetOnExecute();
}

}  // namespace Controls
