// The bar manager's life cycle, owner rules, registration and streaming of its children.
#include "dxBarManager.h"

#include "Controls.h"
#include "Forms.h"
#include "dxBarUnit.h"

namespace dxBar {

IMPLEMENT_CLASS(TdxBarManager)

void TdxBarManager::Construct() {
  inherited::Construct();
  FItems = New<TdxBarComponentList>();
  FGroups = New<TdxBarComponentList>();
}

void TdxBarManager::Destroy() {
  FreeAndNil(FGroups);
  FreeAndNil(FItems);
  inherited::Destroy();
}

void TdxBarManager::Loaded() { inherited::Loaded(); }

void TdxBarManager::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
}

void TdxBarManager::ReadState(Filer::TReader* Reader) {
  inherited::ReadState(Reader);
  ++FReadStateCount;
}

void TdxBarManager::DefineProperties(Filer::TFiler* Filer) { inherited::DefineProperties(Filer); }

void TdxBarManager::GetChildren(TGetChildProc Proc, TComponent* Root) {}

void TdxBarManager::SetName(const String& NewName) { inherited::SetName(NewName); }

void TdxBarManager::SetChildOrder(TComponent* Child, Integer Order) { inherited::SetChildOrder(Child, Order); }

void TdxBarManager::DoClickItem(TdxBarItem* AItem) {
  if (OnClickItem) OnClickItem(this, AItem);
}

bool TdxBarManager::DoDocking(TdxBar* ABar, TdxBarDockingStyle AStyle, TdxDockControl* ADockControl) {
  return !FNotDocking.Contains(AStyle);
}

TClass TdxBarManager::GetPainterClass() { return nullptr; }

}  // namespace dxBar

namespace dxBar {

bool TdxBarManager::GetDesigning() const { return ComponentState().Contains(csDesigning); }
bool TdxBarManager::GetIsDestroying() const { return ComponentState().Contains(csDestroying); }
bool TdxBarManager::GetIsLoading() const { return ComponentState().Contains(csLoading); }
bool TdxBarManager::GetIsInitializing() const { return GetIsLoading() || FInternalState.Contains(bisAfterLoading); }
bool TdxBarManager::GetIsCustomizing() const { return FIsCustomizing || GetDesigning(); }
bool TdxBarManager::IsActiveCandidateFor(TdxBarManager* AManager) { return false; }

}  // namespace dxBar
