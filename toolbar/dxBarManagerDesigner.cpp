// The bar manager's side of customization: the designer-modified notices and the selection service
// it forwards to.
#include "dxBarManager.h"

namespace dxBar {

bool TdxBarManager::CanAddComponents() {
  const TComponentState state = Owner() ? Owner()->ComponentState() : TComponentState{};
  return !(state.Contains(csDesigning) && state.Contains(csInline));
}

bool TdxBarManager::CanDeleteComponent(TComponent* AComponent) {
  return !FDesigner || FDesigner->CanDeleteComponent(AComponent);
}

void TdxBarManager::GetSelection(TList* AList) {
  if (FDesigner) FDesigner->GetSelection(AList);
}

void TdxBarManager::GetActiveSelection(TList* AList) {
  GetSelection(AList);
  for (Integer i = AList->GetCount() - 1; i >= 0; --i)
    if (GetSelectionStatus(static_cast<TPersistent*>(AList->GetItems(i))) != ssActiveSelected) AList->Delete(i);
}

TdxBarSelectionStatus TdxBarManager::GetSelectionStatus(TPersistent* APersistent) {
  return FDesigner ? FDesigner->GetSelectionStatus(APersistent) : ssUnselected;
}

bool TdxBarManager::IsComponentSelected(TPersistent* APersistent) {
  return GetSelectionStatus(APersistent) == ssActiveSelected;
}

void TdxBarManager::SelectComponent(TPersistent* APersistent, TdxBarSelectionOperation AOperation) {
  if (FDesigner) FDesigner->SelectComponent(APersistent, AOperation);
}

void TdxBarManager::SetSelection(TList* AList) {
  if (FDesigner) FDesigner->SetSelection(AList);
}

void TdxBarManager::ShowDefaultEventHandler(TdxBarItem* AItem) {
  if (FDesigner) FDesigner->ShowDefaultEventHandler(AItem);
}

void TdxBarManager::UniqueName(const String& ABaseName, String& AName) {
  if (FDesigner) AName = FDesigner->UniqueName(ABaseName);
}

// The design controller keeps the last selected object; without one nothing is selected.
TdxBarItemLink* TdxBarManager::GetLastSelectedLinkAtDesign() { return nullptr; }

void TdxBarManager::DesignerModified() {
  if (GetIsInitializing() || GetIsDestroying()) return;
  if (FDesignerModifiedLockCount > 0) {
    FDesignerModificationRequested = true;
    return;
  }
  FModified = true;
  // Telling the form designer goes through the design controller of customization, which a form
  // designer installs; at run time there is none.
}

void TdxBarManager::LockDesignerModified(bool ALock, bool AInvokeDeferred) {
  if (ALock) {
    if (FDesignerModifiedLockCount++ == 0) FDesignerModificationRequested = false;
    return;
  }
  if (FDesignerModifiedLockCount > 0 && --FDesignerModifiedLockCount == 0 && AInvokeDeferred &&
      FDesignerModificationRequested)
    DesignerModified();
}

}  // namespace dxBar
