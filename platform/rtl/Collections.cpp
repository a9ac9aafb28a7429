#include "Collections.h"

#include <algorithm>

#include "Exceptions.h"
#include "Format.h"
#include "SysConst.h"
#include "TypInfo.h"

namespace Collections {

namespace {
[[noreturn]] void IndexError(Integer Index) {
  throw EListError(Format(SysConst::SListIndexError, {Index}));
}
}  // namespace

IMPLEMENT_CLASS(TCollectionItem)
IMPLEMENT_CLASS(TCollection)
IMPLEMENT_CLASS(TOwnedCollection)

// ---- Items --------------------------------------------------------------------------------------------
TCollectionItem* CreateCollectionItem(TClass cls, TCollection* Collection) {
  if (!cls || !cls->InheritsFrom(TCollectionItem::StaticClass())) RaiseInvalidCast();
  if (cls->IsAbstract()) throw EAbstractError(String("Cannot create an instance of abstract class ") + cls->Name);
  TObject* obj = cls->NewInstance();
  auto* item = dynamic_cast<TCollectionItem*>(obj);
  item->FCreateCollection = Collection;
  TObject::Initialize(obj);
  return item;
}

void TCollectionItem::Construct() {
  inherited::Construct();
  TCollection* collection = FCreateCollection;
  FCreateCollection = nullptr;
  SetCollection(collection);
}

void TCollectionItem::Destroy() {
  SetCollection(nullptr);
  inherited::Destroy();
}

void TCollectionItem::SetCollection(TCollection* Value) {
  if (FCollection == Value) return;
  if (FCollection) FCollection->RemoveItem(this);
  if (Value) Value->InsertItem(this);
}

TPersistent* TCollectionItem::GetOwner() { return FCollection; }

Integer TCollectionItem::GetIndex() const {
  if (!FCollection) return -1;
  auto& items = FCollection->FItems;
  auto it = std::find(items.begin(), items.end(), this);
  return it == items.end() ? -1 : static_cast<Integer>(it - items.begin());
}

void TCollectionItem::SetIndex(Integer Value) {
  Integer current = GetIndex();
  if (current < 0 || current == Value) return;
  auto& items = FCollection->FItems;
  if (Value < 0 || Value >= static_cast<Integer>(items.size())) IndexError(Value);
  items.erase(items.begin() + current);
  items.insert(items.begin() + Value, this);
  Changed(true);
}

void TCollectionItem::Changed(bool AllItems) {
  if (FCollection && FCollection->FUpdateCount == 0) FCollection->Update(AllItems ? nullptr : this);
}

String TCollectionItem::GetNamePath() {
  if (!FCollection) return ClassName();
  return FCollection->GetNamePath() + "[" + std::to_string(GetIndex()) + "]";
}

// ---- The collection ----------------------------------------------------------------------------------
void TCollection::Construct() {
  inherited::Construct();
  if (!FItemClass) FItemClass = TCollectionItem::StaticClass();
  if (!FItemClass->InheritsFrom(TCollectionItem::StaticClass())) RaiseInvalidCast();
}

void TCollection::Destroy() {
  FUpdateCount = 1;  // no notifications while the items go
  Clear();
  inherited::Destroy();
}

TCollectionItem* TCollection::Add() { return CreateCollectionItem(FItemClass, this); }

TCollectionItem* TCollection::Insert(Integer Index) {
  TCollectionItem* item = Add();
  item->SetIndex(Index);
  return item;
}

void TCollection::Delete(Integer Index) {
  TCollectionItem* item = GetItem(Index);
  Notify(item, cnDeleting);
  item->Free();
}

void TCollection::Clear() {
  if (FItems.empty()) return;
  BeginUpdate();
  try {
    while (!FItems.empty()) FItems.back()->Free();
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TCollection::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  Changed();
}

void TCollection::Changed() {
  if (FUpdateCount == 0) Update(nullptr);
}

TCollectionItem* TCollection::GetItem(Integer Index) const {
  if (Index < 0 || Index >= Count()) IndexError(Index);
  return FItems[static_cast<size_t>(Index)];
}

void TCollection::SetItem(Integer Index, TCollectionItem* Value) { GetItem(Index)->Assign(Value); }

TCollectionItem* TCollection::FindItemID(Integer ID) const {
  for (TCollectionItem* item : FItems)
    if (item->FID == ID) return item;
  return nullptr;
}

void TCollection::InsertItem(TCollectionItem* Item) {
  if (!Item->InheritsFrom(FItemClass)) throw EListError(SysConst::SInvalidPropertyValue);
  FItems.push_back(Item);
  Item->FCollection = this;
  Item->FID = FNextID++;
  SetItemName(Item);
  Notify(Item, cnAdded);
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item) {
  Notify(Item, cnExtracting);
  auto it = std::find(FItems.begin(), FItems.end(), Item);
  if (it != FItems.end()) FItems.erase(it);
  Item->FCollection = nullptr;
  Changed();
}

void TCollection::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TCollection*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  if (source == this) return;
  BeginUpdate();
  try {
    Clear();
    for (TCollectionItem* item : source->FItems) Add()->Assign(item);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

String TCollection::GetPropName() {
  TPersistent* owner = GetOwner();
  if (!FPropName.empty() || !owner) return FPropName;
  for (const TPropInfo* p : GetPropList(owner->ClassType()))
    if (p->PropType->Kind == tkClass && p->GetObj && p->GetObj(owner) == this) {
      FPropName = p->Name;
      break;
    }
  return FPropName;
}

String TCollection::GetNamePath() {
  TPersistent* owner = GetOwner();
  if (!owner) return ClassName();
  String ownerPath = owner->GetNamePath();
  if (ownerPath.empty()) return ClassName();
  String prop = GetPropName();
  if (prop.empty()) return ClassName();
  return ownerPath + "." + prop;
}

}  // namespace Collections
