// The component base, the object and component lists, the list of managers and the item-class
// registry.
#include "dxBarComponents.h"

#include "dxBarManager.h"
#include "dxBarUnit.h"

namespace dxBar {

IMPLEMENT_CLASS(TdxObjectList)
IMPLEMENT_CLASS(TdxComponentList)
IMPLEMENT_CLASS(TdxBarComponentList)
IMPLEMENT_ABSTRACT_CLASS(TdxBarComponent)
IMPLEMENT_CLASS(TdxBarManagerList)
IMPLEMENT_ABSTRACT_CLASS(TRegItemRecord)
IMPLEMENT_CLASS(TdxBarItemList)

TdxBarManagerList* dxBarManagerList = nullptr;
TdxBarManagerProc FOnRegisterBarManager = nullptr;
TdxBarManagerProc FOnUnregisterBarManager = nullptr;

// ---- TdxObjectList ------------------------------------------------------------------------------------
Integer TdxObjectList::Add(TObject* AObject) {
  if (!AObject) return -1;
  const Integer index = IndexOf(AObject);
  return index >= 0 ? index : TObjectList::Add(AObject);
}

void TdxObjectList::AddList(TdxObjectList* ASource) {
  for (Integer i = 0; i < ASource->GetCount(); ++i) Add(ASource->GetItems(i));
}

void TdxObjectList::AddFromList(TdxObjectList* ASource, TdxObjectList* AExcluded) {
  for (Integer i = 0; i < ASource->GetCount(); ++i)
    if (AExcluded->IndexOf(ASource->GetItems(i)) < 0) Add(ASource->GetItems(i));
}

void TdxObjectList::CopyFrom(TdxObjectList* ASource) { ASource->CopyTo(this); }

void TdxObjectList::CopyTo(TList* ADestination) {
  ADestination->Clear();
  ADestination->SetCapacity(GetCapacity());
  auto* objects = dynamic_cast<TdxObjectList*>(ADestination);
  for (Integer i = 0; i < GetCount(); ++i) {
    if (objects) objects->Add(GetItems(i));
    else ADestination->Add(GetItems(i));
  }
}

void TdxObjectList::XorList(TdxObjectList* A, TdxObjectList* B) {
  Clear();
  AddFromList(A, B);
  AddFromList(B, A);
}

TObject* TdxObjectList::First() const { return GetItem(0); }
TObject* TdxObjectList::Last() const { return GetItem(GetCount() - 1); }

TObject* TdxObjectList::GetItem(Integer Index) const {
  return Index >= 0 && Index < GetCount() ? GetItems(Index) : nullptr;
}

// ---- TdxComponentList ---------------------------------------------------------------------------------
void TdxComponentList::Destroy() {
  FUpdateCount = 1;  // a dying list reports nothing
  inherited::Destroy();
}

void TdxComponentList::BeginUpdate() { ++FUpdateCount; }

void TdxComponentList::EndUpdate(bool ANotify) {
  if (FUpdateCount > 0) --FUpdateCount;
  if (ANotify) Update(nullptr, ccnChanged);
}

void TdxComponentList::Update(TComponent* AComponent, TcxComponentCollectionNotification AAction) {
  if (FUpdateCount == 0 && OnComponentListChanged) OnComponentListChanged(this, AComponent, AAction);
}

TClass TdxComponentList::GetItemClass() { return TComponent::StaticClass(); }

void TdxComponentList::Notify(void* Ptr, TListNotification Action) {
  auto* object = static_cast<TObject*>(Ptr);
  auto* component = dynamic_cast<TComponent*>(object);
  if (component && component->InheritsFrom(GetItemClass())) {
    DoNotify(component, Action);
  } else {
    // Only the component list's own bookkeeping; then the stranger leaves without a report.
    TComponentList::Notify(Ptr, Action);
    if (Action == lnAdded) TList::Extract(Ptr);
  }
}

void TdxComponentList::DoNotify(TComponent* AComponent, TListNotification AAction) {
  TComponentList::Notify(AComponent, AAction);
  if (OnNotify) OnNotify(this, AComponent, AAction);
  static const TcxComponentCollectionNotification mapped[] = {ccnAdded, ccnExtracted, ccnDeleting};
  Update(AComponent, mapped[AAction]);
}

// ---- TdxBarComponentList ------------------------------------------------------------------------------
TdxBarComponent* TdxBarComponentList::GetBarComponent(Integer Index) const {
  return static_cast<TdxBarComponent*>(GetItems(Index));
}

TClass TdxBarComponentList::GetItemClass() { return TdxBarComponent::StaticClass(); }

void TdxBarComponentList::DoNotify(TComponent* AComponent, TListNotification AAction) {
  auto* component = static_cast<TdxBarComponent*>(AComponent);
  if (AAction == lnAdded) component->AddChangeNotify(this);
  else if (!component->ComponentState().Contains(csDestroying)) component->RemoveChangeNotify(this);
  inherited::DoNotify(AComponent, AAction);
}

// ---- TdxBarComponent ----------------------------------------------------------------------------------
void TdxBarComponent::Destroy() {
  FreeAndNil(FNotifyList);
  inherited::Destroy();
}

void TdxBarComponent::AddChangeNotify(TdxComponentList* AList) {
  if (!FNotifyList) FNotifyList = New<TdxObjectList>();
  FNotifyList->Add(AList);
}

void TdxBarComponent::RemoveChangeNotify(TdxComponentList* AList) {
  if (FNotifyList) FNotifyList->Remove(AList);
}

void TdxBarComponent::Changed(bool AAllChanged) {
  if (ComponentState().Contains(csDestroying) || !FNotifyList) return;
  for (Integer i = 0; i < FNotifyList->GetCount(); ++i)
    static_cast<TdxComponentList*>(FNotifyList->GetItems(i))->Update(AAllChanged ? nullptr : this, ccnChanged);
}

bool TdxBarComponent::CanDelete(bool) { return !FBarManager || FBarManager->CanDeleteComponent(this); }

void TdxBarComponent::DeleteSelection(IdxBarSelectableItem*& AReference, bool AExtended) {
  if (!CanDelete(AExtended)) return;
  AReference = nullptr;
  Free();
}

void TdxBarComponent::GetMasterObjects(TdxObjectList* AList) { AList->Add(Owner()); }

IdxBarSelectableItem* TdxBarComponent::GetSelectableParent() { return Supports<IdxBarSelectableItem>(Owner()); }

TdxBarSelectionStatus TdxBarComponent::GetSelectionStatus() {
  return FBarManager ? FBarManager->GetSelectionStatus(this) : ssUnselected;
}

TdxBarCustomizationActions TdxBarComponent::GetSupportedActions() { return TdxBarCustomizationActions{caDelete}; }

bool TdxBarComponent::IsComponentSelected() { return FBarManager && FBarManager->IsComponentSelected(this); }

void TdxBarComponent::SelectComponent(TdxBarSelectionOperation AOperation) {
  if (FBarManager) FBarManager->SelectComponent(this, AOperation);
}

// ---- TdxBarManagerList --------------------------------------------------------------------------------
void TdxBarManagerList::Destroy() {
  RemoveBarHooks();
  FreeSharedHintWindow();
  inherited::Destroy();
}

TdxBarManager* TdxBarManagerList::GetBarManager(Integer Index) const {
  return static_cast<TdxBarManager*>(GetItems(Index));
}

TdxBarManager* TdxBarManagerList::GetCustomizingBarManager() const {
  for (Integer i = 0; i < GetCount(); ++i)
    if (GetBarManager(i)->IsCustomizingFlagSet()) return GetBarManager(i);
  return nullptr;
}

TdxBarManager* TdxBarManagerList::NextActive(TdxBarManager* AManager, bool AForward) {
  const Integer start = IndexOf(AManager);
  if (start < 0 || GetCount() == 0) return AManager;
  Integer index = start;
  for (;;) {
    index = AForward ? (index + 1) % GetCount() : (index + GetCount() - 1) % GetCount();
    if (index == start) return AManager;
    TdxBarManager* candidate = GetBarManager(index);
    if (candidate->IsActiveCandidateFor(AManager)) return candidate;
  }
}

// ---- The item-class registry ----------------------------------------------------------------------------
void TdxBarItemList::Destroy() {
  for (Integer i = GetCount() - 1; i >= 0; --i) Unregister(i);
  inherited::Destroy();
}

TClass TdxBarItemList::GetItemClass(Integer Index) const { return GetRecord(Index)->ItemClass; }

Integer TdxBarItemList::GetVisibleItemCount() const {
  Integer count = 0;
  for (Integer i = 0; i < GetCount(); ++i)
    if (GetRecord(i)->Visible) ++count;
  return count;
}

TClass TdxBarItemList::GetVisibleItemClass(Integer Index) const {
  for (Integer i = 0; i < GetCount(); ++i)
    if (GetRecord(i)->Visible && Index-- == 0) return GetRecord(i)->ItemClass;
  return nullptr;
}

TClass TdxBarItemList::GetItemControlClass(TClass AItemClass) const {
  // The nearest registered ancestor wins: walk up from the class itself.
  for (TClass cls = AItemClass; cls; cls = cls->Parent)
    for (Integer i = 0; i < GetCount(); ++i)
      if (GetRecord(i)->ItemClass == cls) return GetRecord(i)->ItemControlClass;
  return nullptr;
}

void TdxBarItemList::Unregister(Integer Index) {
  TRegItemRecord* record = GetRecord(Index);
  Delete(Index);
  UnRegisterClass(record->ItemClass);
  record->Free();
}

void dxBarRegisterItem(TClass AItemClass, TClass AItemControlClass, bool AVisible) {
  if (TdxBarItemList* list = RegdxItemList()) {
    list->Add(New<TRegItemRecord>(AItemClass, AItemControlClass, AVisible));
    RegisterClass(AItemClass);
  }
}

void dxBarUnregisterItem(TClass AItemClass) {
  if (TdxBarItemList* list = RegdxItemList())
    for (Integer i = 0; i < list->GetCount(); ++i)
      if (list->GetItemClass(i) == AItemClass) {
        list->Unregister(i);
        return;
      }
}

}  // namespace dxBar
