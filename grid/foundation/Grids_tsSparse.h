// Sparse storage of the string grid: a two-level array of pointers whose sections exist only where
// something was written, a list on top of it, and a string list of string-and-object items.
#pragma once

#include <memory>
#include <vector>

#include "StringLists.h"

namespace Filer {
class TFiler;
class TReader;
class TWriter;
}  // namespace Filer

namespace Grids_ts {

// The section size of a sparse array: 16 pointers (small) or 256 (large).
enum TSPAQuantum { SPASmall, SPALarge };

// Called for each stored pointer in index order; a non-zero answer stops the walk.
using TSPAApply = TClosure<Integer(Integer TheIndex, void* TheItem)>;

class TSparsePointerArray : public TObject {
  DECLARE_CLASS(TSparsePointerArray, TObject)
 public:
  explicit TSparsePointerArray(TSPAQuantum Quantum = SPASmall);
  // The pointer at Index; null when none was stored there (or Index lies beyond the array).
  void* ReadSlot(Integer Index);
  // The slot of Index, its section made on demand; raises EListError for an index outside
  // 0..MaxIndex().
  void** SlotAddress(Integer Index);
  void WriteSlot(Integer Index, void* Item);
  Integer ForEachItem(const TSPAApply& Apply);
  // The highest index holding a pointer; -1 when none does.
  Integer GetHighBound() const { return FHighBound; }
  // The highest index the array can hold: the directory has at most 65,536 sections.
  Integer MaxIndex() const { return (Integer{1} << (16 + FSectionShift)) - 1; }

 private:
  std::vector<std::unique_ptr<void*[]>> FSecDir;  // the sections; null where nothing was written
  Integer FHighBound = -1;
  Integer FSectionSize;
  Integer FIndexMask;
  Integer FSectionShift;
  Integer FCachedIndex = -1;
  void* FCachedPointer = nullptr;
};

class TSparseList : public TObject {
  DECLARE_CLASS(TSparseList, TObject)
 public:
  explicit TSparseList(TSPAQuantum Quantum = SPASmall) : FQuantum(Quantum) {}
  // Indexes below 0 or beyond what the array holds raise EListError "TLIST Error" (reading beyond
  // it answers null: nothing can be stored there).
  void* Get(Integer Index);
  void Put(Integer Index, void* Item);
  void Insert(Integer Index, void* Item);
  void Delete(Integer Index);  // ignored outside 0..Count - 1
  void Exchange(Integer Index1, Integer Index2);
  void Move(Integer CurIndex, Integer NewIndex);
  void Clear();
  Integer ForAll(const TSPAApply& Apply) { return FList->ForEachItem(Apply); }
  // One more than the last index written.
  Integer GetCount() const { return FCount; }
  Integer MaxIndex() const { return FList->MaxIndex(); }

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  [[noreturn]] static void Error();
  void CheckIndex(Integer Index) const;
  TSparsePointerArray* FList = nullptr;
  Integer FCount = 0;
  TSPAQuantum FQuantum;
};

// A string list whose items exist only where a string or an object was stored.
class TStringSparseList : public StringLists::TStrings {
  DECLARE_CLASS(TStringSparseList, StringLists::TStrings)
 public:
  explicit TStringSparseList(TSPAQuantum Quantum = SPASmall) : FQuantum(Quantum) {}
  void Clear() override;
  void Delete(Integer Index) override;
  void Exchange(Integer Index1, Integer Index2) override;
  void Insert(Integer Index, const String& S) override;
  // Moves the item at CurIndex to NewIndex; either may lie beyond the items stored so far.
  void Move(Integer CurIndex, Integer NewIndex) override;
  Integer GetCount() override { return FList->GetCount(); }
  // Visits the stored items' indexes in ascending order.
  Integer ForAll(const TSPAApply& Apply) { return FList->ForAll(Apply); }
  TNotifyEvent OnChange;

 protected:
  void Construct() override;
  void Destroy() override;
  String Get(Integer Index) override;
  TObject* GetObject(Integer Index) override;
  void Put(Integer Index, const String& S) override;
  void PutObject(Integer Index, TObject* AObject) override;
  // One "List" entry: the number of stored items, then the index and string of each.
  void DefineProperties(Filer::TFiler* Filer) override;
  virtual void Changed();

 private:
  struct TStrItem {
    TObject* FObject = nullptr;
    String FString;
  };
  TStrItem* Item(Integer Index) { return static_cast<TStrItem*>(FList->Get(Index)); }
  void Store(Integer Index, TObject* AObject, const String& S);
  void DisposeItems();
  void ReadData(Filer::TReader* Reader);
  void WriteData(Filer::TWriter* Writer);
  TSparseList* FList = nullptr;
  TSPAQuantum FQuantum;
};

}  // namespace Grids_ts

using namespace Grids_ts;
