// A toolbar's life and its place as the owner of its links; the bodies follow.
#include "dxBarBar.h"

#include "cxClassesLinks.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"

namespace dxBar {

IMPLEMENT_CLASS(TdxBar)

void TdxBar::Construct() { inherited::Construct(); }
void TdxBar::Destroy() { inherited::Destroy(); }
TdxBarItemLinks* TdxBar::GetItemLinks() { return FItemLinks; }
TClass TdxBar::GetControlClass() { return nullptr; }
void TdxBar::CaptionButtonsNotification(TObject*, TdxBarCaptionButton*) {}
TcxComponentCollection* TdxBar::GetCollectionFromParent(TComponent* AParent) {
  auto* manager = dynamic_cast<TdxBarManager*>(AParent);
  return manager ? manager->GetBars() : nullptr;
}
void TdxBar::Assign(TPersistent* Source) { inherited::Assign(Source); }
void TdxBar::SetName(const String& NewName) { inherited::SetName(NewName); }
void TdxBar::SetParentComponent(TComponent* Value) { inherited::SetParentComponent(Value); }
void TdxBar::Updating() { inherited::Updating(); }
void TdxBar::Updated() { inherited::Updated(); }
bool TdxBar::CanContainItem(TdxBarItem*, String&) { return true; }
TCustomdxBarControl* TdxBar::CreateBarControl() { return nullptr; }
bool TdxBar::CanDelete(bool) { return false; }
void TdxBar::DeleteSelection(IdxBarSelectableItem*&, bool) {}
void TdxBar::ExecuteCustomizationAction(TdxBarCustomizationAction) {}
TdxBarManager* TdxBar::GetBarManager() { return dynamic_cast<TdxBarManager*>(GetParentComponent()); }
void TdxBar::GetMasterObjects(TdxObjectList*) {}
IdxBarSelectableItem* TdxBar::GetNextSelectableItem() { return nullptr; }
IdxBarSelectableItem* TdxBar::GetSelectableParent() { return nullptr; }
TdxBarSelectionStatus TdxBar::GetSelectionStatus() { return ssUnselected; }
TdxBarCustomizationActions TdxBar::GetSupportedActions() { return {caDelete}; }
void TdxBar::Invalidate() {}
bool TdxBar::IsComplex() { return false; }
bool TdxBar::IsComponentSelected() { return false; }
void TdxBar::SelectComponent(TdxBarSelectionOperation) {}
bool TdxBar::SelectParentComponent() { return false; }
void TdxBar::SelectionChanged() {}

IMPLEMENT_CLASS(TdxBars)
TdxBars::TdxBars(TdxBarManager* ABarManager)
    : TcxComponentCollection(ABarManager, TdxBar::StaticClass()), FBarManager(ABarManager) {}
void TdxBars::Construct() { inherited::Construct(); }
void TdxBars::Destroy() { inherited::Destroy(); }
void TdxBars::SetItemName(TcxComponentCollectionItem*) {}
void TdxBars::Update(TcxComponentCollectionItem* AItem, TcxComponentCollectionNotification AAction) {
  inherited::Update(AItem, AAction);
}

IMPLEMENT_CLASS(TdxBarMergeData)
void TdxBarMergeData::Construct() { inherited::Construct(); }
void TdxBarMergeData::Destroy() { inherited::Destroy(); }

}  // namespace dxBar
