// Actions, their links and action lists.
#include "ActnList.h"

#include <algorithm>

#include "Filer.h"
#include "Forms.h"
#include "ImgList.h"
#include "TypInfo.h"
#include "WinUser.h"

namespace ActnList {

// ---- TBasicAction -----------------------------------------------------------------------------------
IMPLEMENT_CLASS(TBasicAction)

void TBasicAction::Destroy() {
  // Every client forgets the action; a client's link stays, empty.
  while (!FClients.empty()) UnRegisterChanges(FClients.back());
  inherited::Destroy();
}

bool TBasicAction::Execute() {
  if (!FOnExecute) return false;
  FOnExecute(this);
  return true;
}

bool TBasicAction::Update() {
  if (!FOnUpdate) return false;
  FOnUpdate(this);
  return true;
}

void TBasicAction::SetOnExecute(TNotifyEvent Value) {
  if (Value == FOnExecute) return;
  for (TBasicActionLink* link : std::vector<TBasicActionLink*>(FClients)) link->SetOnExecute(Value);
  FOnExecute = Value;
  Change();
}

// The links heard of the change property by property (only those still showing the old value
// take the new one); OnChange is for whoever watches the action as a whole.
void TBasicAction::Change() {
  if (OnChange) OnChange(this);
}

void TBasicAction::RegisterChanges(TBasicActionLink* Value) {
  Value->FAction = this;
  if (std::find(FClients.begin(), FClients.end(), Value) == FClients.end()) FClients.push_back(Value);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* Value) {
  auto it = std::find(FClients.begin(), FClients.end(), Value);
  if (it == FClients.end()) return;
  FClients.erase(it);
  Value->FAction = nullptr;
}

// ---- TBasicActionLink -------------------------------------------------------------------------------
IMPLEMENT_ABSTRACT_CLASS(TBasicActionLink)

void TBasicActionLink::Construct() {
  inherited::Construct();
  AssignClient(FClient);
}

void TBasicActionLink::Destroy() {
  if (FAction) FAction->UnRegisterChanges(this);
  inherited::Destroy();
}

void TBasicActionLink::SetAction(TBasicAction* Value) {
  if (Value == FAction) return;
  if (FAction) FAction->UnRegisterChanges(this);
  FAction = Value;
  if (Value) Value->RegisterChanges(this);
}

void TBasicActionLink::Change() {
  if (OnChange) OnChange(FAction);
}

TBasicActionLink* CreateActionLink(TClass LinkClass, TObject* AClient) {
  if (!LinkClass || !LinkClass->InheritsFrom(TBasicActionLink::StaticClass())) RaiseInvalidCast();
  if (LinkClass->IsAbstract())
    throw EAbstractError(String("Cannot create an instance of abstract class ") + LinkClass->Name);
  auto* link = dynamic_cast<TBasicActionLink*>(LinkClass->NewInstance());
  link->FClient = AClient;
  TObject::Initialize(link);
  return link;
}

bool TBasicActionLink::Execute(TComponent* AComponent) {
  if (!FAction) return false;
  TBasicAction* action = FAction;
  action->ActionComponent = AComponent;
  // The handler may free the action; ActionComponent is cleared only on one that still is ours.
  struct TReset {
    TBasicActionLink* Link;
    ~TReset() {
      if (Link->FAction) Link->FAction->ActionComponent = nullptr;
    }
  } reset{this};
  return action->Execute();
}

bool TBasicActionLink::Update() { return FAction && FAction->Update(); }

// ---- TContainedAction -------------------------------------------------------------------------------
IMPLEMENT_CLASS(TContainedAction)

void TContainedAction::Destroy() {
  if (FActionList) FActionList->RemoveAction(this);
  inherited::Destroy();
}

namespace {
// An action nobody handled is offered to the controls of the active and the main form, through
// the application window (where a program may watch for it).
bool SendAppMessage(UINT Msg, TBasicAction* Action) {
  HWND wnd = Forms::Application->GetHandle();
  return wnd && SendMessage(wnd, Msg, 0, reinterpret_cast<LPARAM>(Action)) == 1;
}
}  // namespace

bool TContainedAction::Execute() {
  if (FActionList && FActionList->ExecuteAction(this)) return true;
  if (Forms::Application->ExecuteAction(this)) return true;
  return inherited::Execute() || SendAppMessage(CM_ACTIONEXECUTE, this);
}

bool TContainedAction::Update() {
  if (FActionList && FActionList->UpdateAction(this)) return true;
  if (Forms::Application->UpdateAction(this)) return true;
  return inherited::Update() || SendAppMessage(CM_ACTIONUPDATE, this);
}

void TContainedAction::SetActionList(TCustomActionList* Value) {
  if (Value == FActionList) return;
  if (FActionList) FActionList->RemoveAction(this);
  if (Value) Value->AddAction(this);
}

Integer TContainedAction::GetIndex() const { return FActionList ? FActionList->IndexOf(const_cast<TContainedAction*>(this)) : -1; }

void TContainedAction::SetIndex(Integer Value) {
  if (!FActionList) return;
  auto& list = FActionList->FActions;
  Integer current = GetIndex();
  Value = std::clamp<Integer>(Value, 0, static_cast<Integer>(list.size()) - 1);
  if (current == Value) return;
  list.erase(list.begin() + current);
  list.insert(list.begin() + Value, this);
}

TComponent* TContainedAction::GetParentComponent() { return FActionList; }

void TContainedAction::SetParentComponent(TComponent* AParent) {
  if (auto* list = dynamic_cast<TCustomActionList*>(AParent)) SetActionList(list);
}

void TContainedAction::ReadState(Filer::TReader* Reader) {
  inherited::ReadState(Reader);
  if (auto* list = dynamic_cast<TCustomActionList*>(Reader->GetParent())) SetActionList(list);
}

// ---- TCustomAction ----------------------------------------------------------------------------------
IMPLEMENT_CLASS(TCustomAction)

template <class F>
void TCustomAction::ForEachActionLink(F f) {
  for (TBasicActionLink* link : std::vector<TBasicActionLink*>(FClients))
    if (auto* l = dynamic_cast<TActionLink*>(link)) f(l);
}

bool TCustomAction::Execute() {
  Update();
  return FEnabled && inherited::Execute();
}

bool TCustomAction::DoHint(String& HintStr) {
  bool canShow = true;
  if (OnHint) OnHint(HintStr, canShow);
  return canShow;
}

void TCustomAction::SetCaption(const String& Value) {
  if (Value == FCaption) return;
  ForEachActionLink([&](TActionLink* l) { l->SetCaption(Value); });
  FCaption = Value;
  Change();
}

void TCustomAction::SetChecked(bool Value) {
  if (Value == FChecked) return;
  ForEachActionLink([&](TActionLink* l) { l->SetChecked(Value); });
  FChecked = Value;
  Change();
}

void TCustomAction::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  ForEachActionLink([&](TActionLink* l) { l->SetEnabled(Value); });
  FEnabled = Value;
  Change();
}

void TCustomAction::SetHelpContext(Integer Value) {
  if (Value == FHelpContext) return;
  ForEachActionLink([&](TActionLink* l) { l->SetHelpContext(Value); });
  FHelpContext = Value;
  Change();
}

void TCustomAction::SetHint(const String& Value) {
  if (Value == FHint) return;
  ForEachActionLink([&](TActionLink* l) { l->SetHint(Value); });
  FHint = Value;
  Change();
}

void TCustomAction::SetImageIndex(Integer Value) {
  if (Value == FImageIndex) return;
  ForEachActionLink([&](TActionLink* l) { l->SetImageIndex(Value); });
  FImageIndex = Value;
  Change();
}

void TCustomAction::SetShortCut(Word Value) {
  if (Value == FShortCut) return;
  ForEachActionLink([&](TActionLink* l) { l->SetShortCut(Value); });
  FShortCut = Value;
  Change();
}

void TCustomAction::SetVisible(bool Value) {
  if (Value == FVisible) return;
  ForEachActionLink([&](TActionLink* l) { l->SetVisible(Value); });
  FVisible = Value;
  Change();
}

IMPLEMENT_CLASS_PUBLISHED(TAction) {
  d.Property("Caption", &TAction::GetCaption, &TAction::SetCaption);
  d.Property("Category", &TAction::GetCategory, &TAction::SetCategory);
  d.Property("Checked", &TAction::GetChecked, &TAction::SetChecked).Default(false);
  d.Property("Enabled", &TAction::GetEnabled, &TAction::SetEnabled).Default(true);
  d.Property("HelpContext", &TAction::GetHelpContext, &TAction::SetHelpContext).Default(0);
  d.Property("Hint", &TAction::GetHint, &TAction::SetHint);
  d.Property("ImageIndex", &TAction::GetImageIndex, &TAction::SetImageIndex).Default(-1);
  d.Property("ShortCut", &TAction::GetShortCut, &TAction::SetShortCut).Default(0);
  d.Property("Tag", &TAction::GetTag, &TAction::SetTag).Default(0);
  d.Property("Visible", &TAction::GetVisible, &TAction::SetVisible).Default(true);
  d.Property("OnExecute", &TAction::GetOnExecute, &TAction::SetOnExecute);
  d.Property("OnUpdate", &TAction::GetOnUpdate, &TAction::SetOnUpdate);
}

// ---- TActionLink ------------------------------------------------------------------------------------
IMPLEMENT_ABSTRACT_CLASS(TActionLink)

bool TActionLink::IsCaptionLinked() { return dynamic_cast<TCustomAction*>(FAction) != nullptr; }
bool TActionLink::IsCheckedLinked() { return dynamic_cast<TCustomAction*>(FAction) != nullptr; }
bool TActionLink::IsEnabledLinked() { return dynamic_cast<TCustomAction*>(FAction) != nullptr; }
bool TActionLink::IsHelpContextLinked() { return dynamic_cast<TCustomAction*>(FAction) != nullptr; }
bool TActionLink::IsHintLinked() { return dynamic_cast<TCustomAction*>(FAction) != nullptr; }
bool TActionLink::IsImageIndexLinked() { return dynamic_cast<TCustomAction*>(FAction) != nullptr; }
bool TActionLink::IsShortCutLinked() { return dynamic_cast<TCustomAction*>(FAction) != nullptr; }
bool TActionLink::IsVisibleLinked() { return dynamic_cast<TCustomAction*>(FAction) != nullptr; }

// ---- TCustomActionList ------------------------------------------------------------------------------
IMPLEMENT_CLASS(TCustomActionList)

void TCustomActionList::Destroy() {
  // The actions are components of the form, freed with it; they only leave the list here.
  while (!FActions.empty()) RemoveAction(FActions.back());
  inherited::Destroy();
}

void TCustomActionList::AddAction(TContainedAction* Action) {
  if (!Action || Action->FActionList == this) return;
  if (Action->FActionList) Action->FActionList->RemoveAction(Action);
  FActions.push_back(Action);
  Action->FActionList = this;
  Action->FreeNotification(this);
  Change();
}

void TCustomActionList::RemoveAction(TContainedAction* Action) {
  auto it = std::find(FActions.begin(), FActions.end(), Action);
  if (it == FActions.end()) return;
  FActions.erase(it);
  Action->FActionList = nullptr;
  Change();
}

Integer TCustomActionList::IndexOf(TContainedAction* Action) const {
  auto it = std::find(FActions.begin(), FActions.end(), Action);
  return it == FActions.end() ? -1 : static_cast<Integer>(it - FActions.begin());
}

void TCustomActionList::Change() {
  if (OnChange) OnChange(this);
}

bool TCustomActionList::ExecuteAction(TBasicAction* Action) {
  bool handled = false;
  if (FOnExecute) FOnExecute(Action, handled);
  return handled;
}

bool TCustomActionList::UpdateAction(TBasicAction* Action) {
  bool handled = false;
  if (FOnUpdate) FOnUpdate(Action, handled);
  return handled;
}

void TCustomActionList::SetImages(TCustomImageList* Value) {
  if (Value == FImages) return;
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (Value) Value->FreeNotification(this);
  Change();
}

void TCustomActionList::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) FImages = nullptr;
  if (auto* action = dynamic_cast<TContainedAction*>(AComponent)) RemoveAction(action);
}

void TCustomActionList::GetChildren(TGetChildProc Proc, TComponent* Root) {
  for (TContainedAction* action : FActions)
    if (action->Owner() == Root) Proc(action);
}

void TCustomActionList::SetChildOrder(TComponent* Component, Integer Order) {
  if (auto* action = dynamic_cast<TContainedAction*>(Component); action && action->FActionList == this)
    action->SetIndex(Order);
}

IMPLEMENT_CLASS_PUBLISHED(TActionList) {
  d.Property("Images", &TActionList::GetImages, &TActionList::SetImages);
  d.Property("OnExecute", &TActionList::GetOnExecute, &TActionList::SetOnExecute);
  d.Property("OnUpdate", &TActionList::GetOnUpdate, &TActionList::SetOnUpdate);
}

}  // namespace ActnList
