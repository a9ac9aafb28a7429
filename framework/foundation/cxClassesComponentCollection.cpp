#include "cxClassesComponentCollection.h"

#include <algorithm>

#include "SysConst.h"

namespace cxClasses {

IMPLEMENT_ABSTRACT_CLASS(TcxComponentCollectionItem)
IMPLEMENT_CLASS(TcxComponentCollection)

// ---- TcxComponentCollectionItem --------------------------------------------------------------------------

void TcxComponentCollectionItem::Destroy() {
  SetCollection(nullptr);
  inherited::Destroy();
}

void TcxComponentCollectionItem::SetCollection(TcxComponentCollection* AValue) {
  if (FCollection == AValue) return;
  RemoveFromCollection(FCollection);
  AddToCollection(AValue);
}

void TcxComponentCollectionItem::AddToCollection(TcxComponentCollection* ACollection) {
  if (ACollection) ACollection->InsertItem(this);
}

void TcxComponentCollectionItem::RemoveFromCollection(TcxComponentCollection* ACollection) {
  if (ACollection) ACollection->RemoveItem(this);
}

Integer TcxComponentCollectionItem::GetIndex() const {
  return FCollection ? FCollection->IndexOf(const_cast<TcxComponentCollectionItem*>(this)) : -1;
}

void TcxComponentCollectionItem::SetIndex(Integer AValue) {
  Integer current = GetIndex();
  if (current < 0 || current == AValue) return;
  if (AValue < 0 || AValue >= FCollection->GetCount()) TList::Error(SysConst::SListIndexError, AValue);
  auto& items = FCollection->FItems;
  items.erase(items.begin() + current);
  items.insert(items.begin() + AValue, this);
  Changed(true);
}

void TcxComponentCollectionItem::Changed(bool AAllItems) {
  if (ComponentState().Contains(csDestroying) || !FCollection) return;
  FCollection->Changed(AAllItems ? nullptr : this, ccnChanged);
}

TComponent* TcxComponentCollectionItem::GetParentComponent() {
  if (FCollection && FCollection->GetParentComponent()) return FCollection->GetParentComponent();
  return inherited::GetParentComponent();
}

bool TcxComponentCollectionItem::HasParent() { return GetParentComponent() != nullptr; }

void TcxComponentCollectionItem::SetParentComponent(TComponent* Value) {
  SetCollection(GetCollectionFromParent(Value));
}

// ---- TcxComponentCollection ------------------------------------------------------------------------------

void TcxComponentCollection::Destroy() {
  // A collection that goes tells no one.
  FUpdateCount = 1;
  while (!FItems.empty()) FItems.back()->Free();
  inherited::Destroy();
}

TcxComponentCollectionItem* TcxComponentCollection::Add() {
  if (!FItemClass || !FItemClass->InheritsFrom(TcxComponentCollectionItem::StaticClass())) RaiseInvalidCast();
  TComponent* owner = FParentComponent ? FParentComponent->Owner() : nullptr;
  auto* item = static_cast<TcxComponentCollectionItem*>(CreateComponent(FItemClass, owner));
  item->SetParentComponent(FParentComponent);
  // An item class whose parent lookup does not lead here still belongs to the collection that made it.
  if (item->FCollection != this) item->SetCollection(this);
  SetItemName(item);
  return item;
}

TcxComponentCollectionItem* TcxComponentCollection::Insert(Integer AIndex) {
  TcxComponentCollectionItem* item = Add();
  item->SetIndex(AIndex);
  return item;
}

void TcxComponentCollection::Delete(Integer AIndex) {
  TcxComponentCollectionItem* item = GetItem(AIndex);
  Notify(item, ccnDeleting);
  item->Free();  // its destruction takes it out through RemoveItem
}

void TcxComponentCollection::Remove(TcxComponentCollectionItem* AItem) {
  Integer index = IndexOf(AItem);
  if (index >= 0) Delete(index);
}

void TcxComponentCollection::Clear() {
  if (FItems.empty()) return;
  BeginUpdate();
  try {
    while (!FItems.empty()) FItems.back()->Free();
  } catch (...) {
    EndUpdate(true);
    throw;
  }
  EndUpdate(true);
}

TcxComponentCollectionItem* TcxComponentCollection::FindItemByID(Integer AID) const {
  for (TcxComponentCollectionItem* item : FItems)
    if (item->FID == AID) return item;
  return nullptr;
}

void TcxComponentCollection::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxComponentCollection*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  BeginUpdate();
  try {
    Clear();
    for (Integer i = 0; i < source->GetCount(); ++i) Add()->Assign(source->GetItem(i));
  } catch (...) {
    EndUpdate(true);
    throw;
  }
  EndUpdate(true);
}

void TcxComponentCollection::BeginUpdate() { ++FUpdateCount; }

void TcxComponentCollection::EndUpdate(bool AForceUpdate) {
  --FUpdateCount;
  if (AForceUpdate) Changed(nullptr, ccnChanged);
}

TcxComponentCollectionItem* TcxComponentCollection::GetItem(Integer AIndex) const {
  if (AIndex < 0 || AIndex >= GetCount()) TList::Error(SysConst::SListIndexError, AIndex);
  return FItems[static_cast<size_t>(AIndex)];
}

void TcxComponentCollection::SetItem(Integer AIndex, TcxComponentCollectionItem* AValue) {
  GetItem(AIndex)->Assign(AValue);
}

Integer TcxComponentCollection::IndexOf(TcxComponentCollectionItem* AItem) const {
  auto at = std::find(FItems.begin(), FItems.end(), AItem);
  return at == FItems.end() ? -1 : static_cast<Integer>(at - FItems.begin());
}

void TcxComponentCollection::Update(TcxComponentCollectionItem* AItem, TcxComponentCollectionNotification AAction) {
  if (OnChange) OnChange(this, AItem, AAction);
}

void TcxComponentCollection::Changed(TcxComponentCollectionItem* AItem, TcxComponentCollectionNotification AAction) {
  if (FUpdateCount == 0) Update(AItem, AAction);
}

void TcxComponentCollection::InsertItem(TcxComponentCollectionItem* AItem) {
  if (!AItem || !FItemClass || !AItem->InheritsFrom(FItemClass)) return;
  FItems.push_back(AItem);
  AItem->FCollection = this;
  AItem->FID = FNextID++;
  Notify(AItem, ccnAdded);
  Changed(AItem, ccnAdded);
}

void TcxComponentCollection::RemoveItem(TcxComponentCollectionItem* AItem) {
  Notify(AItem, ccnExtracting);
  FItems.erase(std::remove(FItems.begin(), FItems.end(), AItem), FItems.end());
  AItem->FCollection = nullptr;
  Notify(AItem, ccnExtracted);
  Changed(AItem, ccnExtracted);
}

}  // namespace cxClasses
