// The integer lists: the sorted list with binary search, the plain list and the list of integer sets.
#include <algorithm>

#include "Exceptions.h"
#include "SysConst.h"
#include "TSSetLib.h"

namespace TSSetLib {

IMPLEMENT_CLASS(TtsSortIntList)
IMPLEMENT_CLASS(TtsIntegerList)
IMPLEMENT_CLASS(TtsIntegerSetList)

namespace {

Integer ItemAsInteger(void* Item) { return static_cast<Integer>(reinterpret_cast<NativeInt>(Item)); }
void* IntegerAsItem(Integer Value) { return reinterpret_cast<void*>(static_cast<NativeInt>(Value)); }

}  // namespace

Integer IntCompare(void* Item1, void* Item2) {
  Integer a = ItemAsInteger(Item1);
  Integer b = ItemAsInteger(Item2);
  return (a > b) - (a < b);
}

// ---- TtsSortIntList -------------------------------------------------------------------------------------

Integer TtsSortIntList::GetItem(Integer Index) {
  if (Index < 1 || Index > FCount) return 0;
  return FItems[static_cast<size_t>(Index)];
}

void TtsSortIntList::SetItem(Integer Index, Integer Value) {
  if (Index < 1 || Index > FCount) return;
  FItems[static_cast<size_t>(Index)] = Value;
}

void TtsSortIntList::SetCapacity(Integer Value) {
  if (Value == FCapacity) return;
  FCapacity = Value;
  FItems.resize(static_cast<size_t>(Value) + 1);
}

void TtsSortIntList::CheckCapacity(Integer Needed) {
  if (Needed > FCapacity) SetCapacity(Needed + 100);
  else if (Needed < FCapacity - 100) SetCapacity(Needed);
}

void TtsSortIntList::Insert(Integer Index, Integer Value) {
  if (Index < 0 || Index > FCount + 1) TList::Error(SysConst::SListIndexError, Index);
  CheckCapacity(FCount + 1);
  if (Index == 0) Index = 1;
  auto at = FItems.begin() + Index;
  std::move_backward(at, FItems.begin() + FCount + 1, FItems.begin() + FCount + 2);
  *at = Value;
  ++FCount;
}

void TtsSortIntList::Delete(Integer Index) {
  if (Index < 1 || Index > FCount) return;
  std::move(FItems.begin() + Index + 1, FItems.begin() + FCount + 1, FItems.begin() + Index);
  CheckCapacity(FCount - 1);
  --FCount;
}

void TtsSortIntList::FindPosition(Integer Low, Integer High, bool& Found, Integer& Position, Integer Value) {
  while (High >= Low) {
    Integer mid = Low + (High - Low) / 2;
    Integer item = GetItem(mid);
    if (Value < item) {
      High = mid - 1;
    } else if (Value > item) {
      Low = mid + 1;
    } else {
      Position = mid;
      Found = true;
      return;
    }
  }
  Position = Low;
}

Integer TtsSortIntList::Locate(Integer Value, bool& Found) {
  Found = false;
  Integer position = 1;
  FindPosition(1, FCount, Found, position, Value);
  return position;
}

void TtsSortIntList::Add(Integer Value) {
  bool found;
  Integer position = Locate(Value, found);
  if (!found) Insert(position, Value);
}

void TtsSortIntList::Remove(Integer Value) {
  bool found;
  Integer position = Locate(Value, found);
  if (found) Delete(position);
}

void TtsSortIntList::Assign(TtsSortIntList* Source) {
  if (Source == this) return;
  if (Source && !Source->FItems.empty() && Source->FCount > 0) {
    CheckCapacity(Source->FCount);
    std::copy(Source->FItems.begin(), Source->FItems.begin() + Source->FCount + 1, FItems.begin());
    FCount = Source->FCount;
  } else {
    FItems.clear();
    FItems.shrink_to_fit();
    FCount = 0;
    FCapacity = 0;
  }
}

// ---- TtsIntegerList ---------------------------------------------------------------------------------------

Integer TtsIntegerList::AddItem(Integer Value) { return Add(IntegerAsItem(Value)); }

Integer TtsIntegerList::GetItem(Integer Index) const { return ItemAsInteger(GetItems(Index)); }

void TtsIntegerList::SetItem(Integer Index, Integer Value) { SetItems(Index, IntegerAsItem(Value)); }

Integer TtsIntegerList::Remove(Integer Value) { return TList::Remove(IntegerAsItem(Value)); }

// ---- TtsIntegerSetList ------------------------------------------------------------------------------------

void TtsIntegerSetList::FreeItems() {
  for (Integer i = 0; i < GetCount(); ++i) {
    TtsIntegerSet* set = GetItem(i);
    SetItems(i, nullptr);
    if (set) set->Free();
  }
}

void TtsIntegerSetList::Assign(TtsIntegerSetList* Source) {
  if (Source == this) return;
  FreeItems();
  if (!Source) return;
  Integer count = std::min(GetCount(), Source->GetCount());
  for (Integer i = 0; i < count; ++i) {
    TtsIntegerSet* source = Source->GetItem(i);
    if (!source) continue;
    auto* set = New<TtsIntegerSet>();
    SetItems(i, set);
    set->Assign(source);
  }
}

void TtsIntegerSetList::Destroy() {
  FreeItems();
  inherited::Destroy();
}

}  // namespace TSSetLib
