#include "cxClassesRegistry.h"

#include "Lists.h"
#include "SysConst.h"
#include "Strings.h"

namespace cxClasses {

IMPLEMENT_CLASS(TcxRegisteredClassListItemData)
IMPLEMENT_CLASS(TcxRegisteredClassList)
IMPLEMENT_CLASS(TcxRegisteredClasses)

// ---- TcxRegisteredClassList ---------------------------------------------------------------------------

void TcxRegisteredClassList::Destroy() {
  Clear();
  inherited::Destroy();
}

bool TcxRegisteredClassList::Find(TClass AItemClass, Integer& AIndex) {
  if (!AItemClass) return false;
  for (Integer i = GetCount() - 1; i >= 0; --i) {
    TClass itemClass = FItems[static_cast<size_t>(i)]->ItemClass;
    if (AItemClass->InheritsFrom(itemClass)) {
      AIndex = i;
      return true;
    }
    // Descendants stand after their ancestors: remember the first one, where AItemClass belongs.
    if (itemClass->InheritsFrom(AItemClass)) AIndex = i;
  }
  return false;
}

void TcxRegisteredClassList::Register(TClass AItemClass, TClass ARegisteredClass) {
  if (!AItemClass) return;
  TcxRegisteredClassListItemData* item = New<TcxRegisteredClassListItemData>();
  item->ItemClass = AItemClass;
  item->RegisteredClass = ARegisteredClass;
  Integer index = -1;
  if (Find(AItemClass, index))
    ++index;
  else if (index == -1)
    index = GetCount();
  FItems.insert(FItems.begin() + index, item);
}

void TcxRegisteredClassList::Unregister(TClass AItemClass, TClass ARegisteredClass) {
  for (Integer i = GetCount() - 1; i >= 0; --i) {
    TcxRegisteredClassListItemData* item = FItems[static_cast<size_t>(i)];
    if (item->ItemClass == AItemClass && item->RegisteredClass == ARegisteredClass) {
      FItems.erase(FItems.begin() + i);
      item->Free();
    }
  }
}

TClass TcxRegisteredClassList::FindClass(TClass AItemClass) {
  Integer index = -1;
  return Find(AItemClass, index) ? FItems[static_cast<size_t>(index)]->RegisteredClass : nullptr;
}

void TcxRegisteredClassList::Clear() {
  std::vector<TcxRegisteredClassListItemData*> items;
  items.swap(FItems);
  for (TcxRegisteredClassListItemData* item : items) item->Free();
}

TcxRegisteredClassListItemData* TcxRegisteredClassList::GetItem(Integer Index) const {
  if (Index < 0 || Index >= GetCount()) TList::Error(SysConst::SListIndexError, Index);
  return FItems[static_cast<size_t>(Index)];
}

// ---- TcxRegisteredClasses -------------------------------------------------------------------------------

namespace {

String DescriptionOf(const String& text) {
  size_t bar = text.find('|');
  return bar == String::npos ? text : text.substr(0, bar);
}

String HintOf(const String& text) {
  size_t bar = text.find('|');
  return bar == String::npos ? text : text.substr(bar + 1);
}

}  // namespace

const TcxRegisteredClasses::TEntry& TcxRegisteredClasses::Entry(Integer Index) const {
  if (Index < 0 || Index >= GetCount()) TList::Error(SysConst::SListIndexError, Index);
  return FItems[static_cast<size_t>(Index)];
}

Integer TcxRegisteredClasses::CompareItems(Integer AIndex1, Integer AIndex2) {
  return AnsiCompareText(GetDescription(AIndex1), GetDescription(AIndex2));
}

void TcxRegisteredClasses::Sort() {
  std::vector<Integer> order = SortedPositions(
      GetCount(),
      [](void* context, Integer i, Integer j) { return static_cast<TcxRegisteredClasses*>(context)->CompareItems(i, j); },
      this);
  std::vector<TEntry> sorted;
  sorted.reserve(order.size());
  for (Integer i : order) sorted.push_back(std::move(FItems[static_cast<size_t>(i)]));
  FItems = std::move(sorted);
}

void TcxRegisteredClasses::Register(TClass AClass, const String& ADescription) {
  if (!AClass || GetIndexByClass(AClass) >= 0) return;
  FItems.push_back(TEntry{ADescription, AClass});
  if (FSorted) Sort();
  if (FRegisterClasses) RegisterClass(AClass);
}

void TcxRegisteredClasses::Unregister(TClass AClass) {
  Integer index = GetIndexByClass(AClass);
  if (index >= 0) FItems.erase(FItems.begin() + index);
}

void TcxRegisteredClasses::Clear() { FItems.clear(); }

TClass TcxRegisteredClasses::GetItem(Integer Index) const { return Entry(Index).Class; }

String TcxRegisteredClasses::GetDescription(Integer Index) const { return DescriptionOf(Entry(Index).Text); }

String TcxRegisteredClasses::GetHint(Integer Index) const { return HintOf(Entry(Index).Text); }

Integer TcxRegisteredClasses::GetIndexByClass(TClass AClass) const {
  for (Integer i = 0; i < GetCount(); ++i)
    if (FItems[static_cast<size_t>(i)].Class == AClass) return i;
  return -1;
}

String TcxRegisteredClasses::GetDescriptionByClass(TClass AClass) const {
  Integer index = GetIndexByClass(AClass);
  return index >= 0 ? GetDescription(index) : String();
}

String TcxRegisteredClasses::GetHintByClass(TClass AClass) const {
  Integer index = GetIndexByClass(AClass);
  return index >= 0 ? GetHint(index) : String();
}

TClass TcxRegisteredClasses::FindByClassName(const String& AClassName) const {
  for (const TEntry& e : FItems)
    if (AClassName == e.Class->Name) return e.Class;
  return nullptr;
}

TClass TcxRegisteredClasses::FindByDescription(const String& ADescription) const {
  for (const TEntry& e : FItems)
    if (DescriptionOf(e.Text) == ADescription) return e.Class;
  return nullptr;
}

void TcxRegisteredClasses::SetSorted(bool Value) {
  if (FSorted == Value) return;
  FSorted = Value;
  if (FSorted) Sort();
}

}  // namespace cxClasses
