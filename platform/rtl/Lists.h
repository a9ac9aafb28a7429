// Lists of pointer-sized items: TList, and TObjectList, which may own (and free) its objects.
// Also the stable ordering routine that every list sort of the runtime library goes through.
#pragma once

#include <vector>

#include "System.h"

namespace Lists {

enum TListNotification { lnAdded, lnExtracted, lnDeleted };

// Answers < 0, 0 or > 0 as Item1 sorts before, with or after Item2.
using TListSortCompare = Integer (*)(void* Item1, void* Item2);

// The largest number of items a list may hold.
constexpr Integer MaxListSize = MaxInt / 16;

// Orders the positions 0..Count-1 by `Compare(Context, i, j)` (< 0, 0, > 0) and returns them in their
// sorted order. The sort is stable and stays in bounds whatever the comparison answers, so an
// inconsistent user comparison gives some order, never a fault. The positions are compared as they
// were when the sort began: the caller rearranges its items only after the sort.
using TPositionCompare = Integer (*)(void* Context, Integer Index1, Integer Index2);
std::vector<Integer> SortedPositions(Integer Count, TPositionCompare Compare, void* Context);

class TList : public TObject {
  DECLARE_CLASS(TList, TObject)
 public:
  // Raises EListError with `Msg` formatted with `Data` ("List index out of bounds (%d)").
  [[noreturn]] static void Error(const char* Msg, NativeInt Data);

  Integer Add(void* Item);
  void Insert(Integer Index, void* Item);
  virtual void Clear();
  void Delete(Integer Index);
  // Removes the first occurrence; answers its former index, or -1 when the item is not listed.
  Integer Remove(void* Item);
  // Takes the item out without it counting as deleted (lnExtracted); nil when not listed.
  void* Extract(void* Item);
  Integer IndexOf(void* Item) const;
  void Exchange(Integer Index1, Integer Index2);
  void Move(Integer CurIndex, Integer NewIndex);
  TList* Expand();
  void* First() const;
  void* Last() const;
  // Removes every nil item.
  void Pack();
  void Sort(TListSortCompare Compare);

  Integer GetCount() const { return FCount; }
  // Growing adds nil items; shrinking deletes the items past the new end.
  void SetCount(Integer NewCount);
  Integer GetCapacity() const { return static_cast<Integer>(FList.size()); }
  void SetCapacity(Integer NewCapacity);
  void* GetItems(Integer Index) const;
  void SetItems(Integer Index, void* Item);
  void* operator[](Integer Index) const { return GetItems(Index); }
  // The item storage itself (Count items, valid until the list next changes).
  void** GetList() { return FList.data(); }

 protected:
  void Destroy() override;
  virtual void Grow();
  // Called for every non-nil item that enters or leaves the list.
  virtual void Notify(void* Ptr, TListNotification Action) {}

 private:
  void CheckIndex(Integer Index) const;
  std::vector<void*> FList;  // sized to the capacity; items past FCount are unused
  Integer FCount = 0;
};

// A list of objects. When it owns its objects, an object that is deleted from it, or that a clear or
// the list's own destruction removes, is freed; an extracted object is not.
class TObjectList : public TList {
  DECLARE_CLASS(TObjectList, TList)
 public:
  Integer Add(TObject* AObject) { return TList::Add(AObject); }
  void Insert(Integer Index, TObject* AObject) { TList::Insert(Index, AObject); }
  Integer Remove(TObject* AObject) { return TList::Remove(AObject); }
  TObject* Extract(TObject* Item) { return static_cast<TObject*>(TList::Extract(Item)); }
  Integer IndexOf(TObject* AObject) const { return TList::IndexOf(AObject); }
  // The index of the first object of class AClass (exactly, or a descendant unless AExact), from
  // AStartAt on; -1 when there is none.
  Integer FindInstanceOf(TClass AClass, bool AExact = true, Integer AStartAt = 0) const;
  TObject* First() const { return static_cast<TObject*>(TList::First()); }
  TObject* Last() const { return static_cast<TObject*>(TList::Last()); }
  TObject* GetItems(Integer Index) const { return static_cast<TObject*>(TList::GetItems(Index)); }
  void SetItems(Integer Index, TObject* AObject) { TList::SetItems(Index, AObject); }
  TObject* operator[](Integer Index) const { return GetItems(Index); }

  bool GetOwnsObjects() const { return FOwnsObjects; }
  void SetOwnsObjects(bool Value) { FOwnsObjects = Value; }

 protected:
  explicit TObjectList(bool AOwnsObjects = true) : FOwnsObjects(AOwnsObjects) {}
  void Notify(void* Ptr, TListNotification Action) override;

 private:
  bool FOwnsObjects;
};

}  // namespace Lists

using namespace Lists;
