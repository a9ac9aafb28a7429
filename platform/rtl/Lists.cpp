#include "Lists.h"

#include <algorithm>

#include "Exceptions.h"
#include "Format.h"
#include "SysConst.h"

namespace Lists {

IMPLEMENT_CLASS(TList)
IMPLEMENT_CLASS(TObjectList)

std::vector<Integer> SortedPositions(Integer Count, TPositionCompare Compare, void* Context) {
  std::vector<Integer> order(Count > 0 ? Count : 0);
  for (Integer i = 0; i < Count; ++i) order[i] = i;
  // Bottom-up merge sort: every index it touches is bounded by the run limits alone, so the
  // comparison's answers cannot lead it outside the array.
  std::vector<Integer> merged(order.size());
  for (size_t width = 1; width < order.size(); width *= 2) {
    for (size_t lo = 0; lo < order.size(); lo += 2 * width) {
      size_t mid = std::min(lo + width, order.size());
      size_t hi = std::min(lo + 2 * width, order.size());
      size_t a = lo, b = mid, out = lo;
      while (a < mid && b < hi) {
        // Taking from the left run on ties keeps equal items in their order.
        if (Compare(Context, order[b], order[a]) < 0) merged[out++] = order[b++];
        else merged[out++] = order[a++];
      }
      while (a < mid) merged[out++] = order[a++];
      while (b < hi) merged[out++] = order[b++];
    }
    order.swap(merged);
  }
  return order;
}

// ---- TList -------------------------------------------------------------------------------------------

void TList::Error(const char* Msg, NativeInt Data) { throw EListError(Format(Msg, {Data})); }

void TList::Destroy() {
  Clear();
  inherited::Destroy();
}

void TList::CheckIndex(Integer Index) const {
  if (Index < 0 || Index >= FCount) Error(SysConst::SListIndexError, Index);
}

Integer TList::Add(void* Item) {
  Integer result = FCount;
  if (result == GetCapacity()) Grow();
  FList[result] = Item;
  ++FCount;
  if (Item) Notify(Item, lnAdded);
  return result;
}

void TList::Insert(Integer Index, void* Item) {
  if (Index < 0 || Index > FCount) Error(SysConst::SListIndexError, Index);
  if (FCount == GetCapacity()) Grow();
  std::move_backward(FList.begin() + Index, FList.begin() + FCount, FList.begin() + FCount + 1);
  FList[Index] = Item;
  ++FCount;
  if (Item) Notify(Item, lnAdded);
}

void TList::Clear() {
  SetCount(0);
  SetCapacity(0);
}

void TList::Delete(Integer Index) {
  CheckIndex(Index);
  void* item = FList[Index];
  --FCount;
  std::move(FList.begin() + Index + 1, FList.begin() + FCount + 1, FList.begin() + Index);
  FList[FCount] = nullptr;
  if (item) Notify(item, lnDeleted);
}

Integer TList::Remove(void* Item) {
  Integer result = IndexOf(Item);
  if (result >= 0) Delete(result);
  return result;
}

void* TList::Extract(void* Item) {
  Integer i = IndexOf(Item);
  if (i < 0) return nullptr;
  // Emptied first, so that the deletion does not report the item as deleted.
  FList[i] = nullptr;
  Delete(i);
  Notify(Item, lnExtracted);
  return Item;
}

Integer TList::IndexOf(void* Item) const {
  for (Integer i = 0; i < FCount; ++i)
    if (FList[i] == Item) return i;
  return -1;
}

void TList::Exchange(Integer Index1, Integer Index2) {
  CheckIndex(Index1);
  CheckIndex(Index2);
  std::swap(FList[Index1], FList[Index2]);
}

void TList::Move(Integer CurIndex, Integer NewIndex) {
  if (CurIndex == NewIndex) {
    CheckIndex(CurIndex);
    return;
  }
  CheckIndex(CurIndex);
  CheckIndex(NewIndex);
  void* item = FList[CurIndex];
  if (CurIndex < NewIndex)
    std::move(FList.begin() + CurIndex + 1, FList.begin() + NewIndex + 1, FList.begin() + CurIndex);
  else
    std::move_backward(FList.begin() + NewIndex, FList.begin() + CurIndex, FList.begin() + CurIndex + 1);
  FList[NewIndex] = item;
}

TList* TList::Expand() {
  if (FCount == GetCapacity()) Grow();
  return this;
}

void* TList::First() const { return GetItems(0); }

void* TList::Last() const { return GetItems(FCount - 1); }

void TList::Pack() {
  for (Integer i = FCount - 1; i >= 0; --i)
    if (!FList[i]) Delete(i);
}

void TList::Sort(TListSortCompare Compare) {
  if (FCount < 2 || !Compare) return;
  struct TContext {
    void** Items;
    TListSortCompare Compare;
  } context{FList.data(), Compare};
  auto byItem = [](void* c, Integer a, Integer b) {
    auto* ctx = static_cast<TContext*>(c);
    return ctx->Compare(ctx->Items[a], ctx->Items[b]);
  };
  std::vector<Integer> order = SortedPositions(FCount, byItem, &context);
  std::vector<void*> sorted(FCount);
  for (Integer i = 0; i < FCount; ++i) sorted[i] = FList[order[i]];
  std::copy(sorted.begin(), sorted.end(), FList.begin());
}

void TList::Grow() {
  Integer capacity = GetCapacity();
  Integer delta = capacity > 64 ? capacity / 4 : (capacity > 8 ? 16 : 4);
  SetCapacity(std::min(capacity + delta, std::max(MaxListSize, capacity + 1)));
}

void TList::SetCount(Integer NewCount) {
  if (NewCount < 0 || NewCount > MaxListSize) Error(SysConst::SListCountError, NewCount);
  if (NewCount > GetCapacity()) SetCapacity(NewCount);
  if (NewCount > FCount) {
    std::fill(FList.begin() + FCount, FList.begin() + NewCount, nullptr);
    FCount = NewCount;
  } else {
    for (Integer i = FCount - 1; i >= NewCount; --i) Delete(i);
  }
}

void TList::SetCapacity(Integer NewCapacity) {
  if (NewCapacity < FCount || NewCapacity > MaxListSize) Error(SysConst::SListCapacityError, NewCapacity);
  if (NewCapacity == GetCapacity()) return;
  FList.resize(NewCapacity, nullptr);
  if (NewCapacity == 0) FList.shrink_to_fit();
}

void* TList::GetItems(Integer Index) const {
  CheckIndex(Index);
  return FList[Index];
}

void TList::SetItems(Integer Index, void* Item) {
  CheckIndex(Index);
  void* old = FList[Index];
  if (Item == old) return;
  FList[Index] = Item;
  if (old) Notify(old, lnDeleted);
  if (Item) Notify(Item, lnAdded);
}

// ---- TObjectList ------------------------------------------------------------------------------------

Integer TObjectList::FindInstanceOf(TClass AClass, bool AExact, Integer AStartAt) const {
  for (Integer i = std::max(AStartAt, 0); i < GetCount(); ++i) {
    TObject* item = GetItems(i);
    if (!item) continue;
    if (AExact ? item->ClassType() == AClass : item->InheritsFrom(AClass)) return i;
  }
  return -1;
}

void TObjectList::Notify(void* Ptr, TListNotification Action) {
  if (FOwnsObjects && Action == lnDeleted) static_cast<TObject*>(Ptr)->Free();
  inherited::Notify(Ptr, Action);
}

}  // namespace Lists
