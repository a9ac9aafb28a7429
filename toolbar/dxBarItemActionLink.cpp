// The action link of bar items.
#include "dxBarItemActionLink.h"

#include "dxBarButton.h"
#include "dxBarItem.h"

namespace dxBar {

IMPLEMENT_CLASS(TdxBarItemActionLink)

void TdxBarItemActionLink::AssignClient(TObject* AClient) { FClientItem = As<TdxBarItem>(AClient); }

TCustomAction* TdxBarItemActionLink::Action() const { return dynamic_cast<TCustomAction*>(FAction); }

bool TdxBarItemActionLink::IsCaptionLinked() {
  return inherited::IsCaptionLinked() && FClientItem->GetCaption() == Action()->GetCaption();
}

// Only a button has a checked state.
bool TdxBarItemActionLink::IsCheckedLinked() {
  auto* button = dynamic_cast<TdxBarButton*>(FClientItem);
  auto* action = dynamic_cast<TCustomAction*>(Action());
  return inherited::IsCheckedLinked() && button && action && button->GetDown() == action->GetChecked();
}

bool TdxBarItemActionLink::IsEnabledLinked() {
  return inherited::IsEnabledLinked() && FClientItem->GetEnabled() == Action()->GetEnabled();
}

bool TdxBarItemActionLink::IsHelpContextLinked() {
  return inherited::IsHelpContextLinked() && FClientItem->GetHelpContext() == Action()->GetHelpContext();
}

bool TdxBarItemActionLink::IsHintLinked() {
  return inherited::IsHintLinked() &&
         (FClientItem->GetHint() == Action()->GetHint() || FClientItem->IsHintFromCaption());
}

bool TdxBarItemActionLink::IsImageIndexLinked() {
  return inherited::IsImageIndexLinked() && FClientItem->GetActionImageIndex() == Action()->GetImageIndex();
}

bool TdxBarItemActionLink::IsShortCutLinked() {
  return inherited::IsShortCutLinked() && FClientItem->GetShortCut() == Action()->GetShortCut();
}

bool TdxBarItemActionLink::IsVisibleLinked() {
  if (!inherited::IsVisibleLinked()) return false;
  const TdxBarItemVisible visible =
      FClientItem->GetIsLoading() ? FClientItem->GetLoadedVisible() : FClientItem->GetVisible();
  return visible == VisibleTodxBarVisible(Action()->GetVisible());
}

bool TdxBarItemActionLink::IsOnExecuteLinked() {
  return inherited::IsOnExecuteLinked() && FAction &&
         FClientItem->GetOnClick().Code() == FAction->GetOnExecute().Code();
}

void TdxBarItemActionLink::SetCaption(const String& Value) {
  if (IsCaptionLinked()) FClientItem->SetCaption(Value);
}

void TdxBarItemActionLink::SetChecked(bool Value) {
  if (IsCheckedLinked())
    if (auto* button = dynamic_cast<TdxBarButton*>(FClientItem)) button->SetDown(Value);
}

void TdxBarItemActionLink::SetEnabled(bool Value) {
  if (IsEnabledLinked()) FClientItem->SetEnabled(Value);
}

void TdxBarItemActionLink::SetHelpContext(Integer Value) {
  if (IsHelpContextLinked()) FClientItem->SetHelpContext(Value);
}

void TdxBarItemActionLink::SetHint(const String& Value) {
  if (IsHintLinked()) FClientItem->SetHint(Value);
}

void TdxBarItemActionLink::SetImageIndex(Integer Value) {
  if (IsImageIndexLinked()) FClientItem->SetActionImageIndex(Value);
}

void TdxBarItemActionLink::SetShortCut(Word Value) {
  if (IsShortCutLinked()) FClientItem->SetShortCut(Value);
}

void TdxBarItemActionLink::SetVisible(bool Value) {
  if (IsVisibleLinked()) FClientItem->SetVisible(VisibleTodxBarVisible(Value));
}

void TdxBarItemActionLink::SetOnExecute(TNotifyEvent Value) {
  if (IsOnExecuteLinked()) FClientItem->SetOnClick(Value);
}

}  // namespace dxBar
