// The sparse storage of the string grid: the two-level pointer array, the list over it and the
// string list of string-and-object items with its "List" stream entry.
#include <memory>

#include "Exceptions.h"
#include "Filer.h"
#include "Grids_tsSparse.h"
#include "SysConst.h"

namespace Grids_ts {

// ---- TSparsePointerArray ----------------------------------------------------------------------------
IMPLEMENT_CLASS(TSparsePointerArray)

namespace {
// Per quantum: the pointers in a section, the mask of an index within its section, and the shift
// that turns an index into its section number.
constexpr Integer SectionSizes[] = {16, 256};
constexpr Integer IndexMasks[] = {15, 255};
constexpr Integer SectionShifts[] = {4, 8};
}  // namespace

TSparsePointerArray::TSparsePointerArray(TSPAQuantum Quantum)
    : FSectionSize(SectionSizes[Quantum]), FIndexMask(IndexMasks[Quantum]), FSectionShift(SectionShifts[Quantum]) {}

void* TSparsePointerArray::ReadSlot(Integer Index) {
  if (Index == FCachedIndex) return FCachedPointer;
  void* result = nullptr;
  const auto section = static_cast<size_t>(Index >> FSectionShift);
  if (Index >= 0 && section < FSecDir.size() && FSecDir[section]) result = FSecDir[section][Index & FIndexMask];
  FCachedIndex = Index;
  FCachedPointer = result;
  return result;
}

void** TSparsePointerArray::SlotAddress(Integer Index) {
  if (Index < 0 || Index > MaxIndex()) throw EListError("TLIST Error");
  const auto section = static_cast<size_t>(Index >> FSectionShift);
  if (section >= FSecDir.size()) FSecDir.resize(section + 1);
  if (!FSecDir[section]) FSecDir[section] = std::make_unique<void*[]>(static_cast<size_t>(FSectionSize));
  if (Index > FHighBound) FHighBound = Index;
  FCachedIndex = -1;
  return &FSecDir[section][Index & FIndexMask];
}

void TSparsePointerArray::WriteSlot(Integer Index, void* Item) {
  if (!Item && !ReadSlot(Index)) return;
  *SlotAddress(Index) = Item;
  if (Item || Index != FHighBound) return;
  // The highest pointer went: the bound falls to the one below it.
  FHighBound = -1;
  for (auto s = static_cast<Integer>(FSecDir.size()) - 1; s >= 0 && FHighBound < 0; --s) {
    if (!FSecDir[static_cast<size_t>(s)]) continue;
    for (Integer i = FSectionSize - 1; i >= 0; --i)
      if (FSecDir[static_cast<size_t>(s)][i]) {
        FHighBound = (s << FSectionShift) + i;
        break;
      }
  }
}

Integer TSparsePointerArray::ForEachItem(const TSPAApply& Apply) {
  for (size_t s = 0; s < FSecDir.size(); ++s) {
    if (!FSecDir[s]) continue;
    for (Integer i = 0; i < FSectionSize; ++i)
      if (void* item = FSecDir[s][i])
        if (const Integer result = Apply((static_cast<Integer>(s) << FSectionShift) + i, item)) return result;
  }
  return 0;
}

// ---- TSparseList ------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TSparseList)

void TSparseList::Construct() {
  inherited::Construct();
  FList = New<TSparsePointerArray>(FQuantum);
}

void TSparseList::Destroy() {
  FreeAndNil(FList);
  inherited::Destroy();
}

void TSparseList::Error() { throw EListError("TLIST Error"); }

void TSparseList::CheckIndex(Integer Index) const {
  if (Index < 0 || Index > FList->MaxIndex()) Error();
}

void* TSparseList::Get(Integer Index) {
  if (Index < 0) Error();
  return FList->ReadSlot(Index);
}

void TSparseList::Put(Integer Index, void* Item) {
  CheckIndex(Index);
  FList->WriteSlot(Index, Item);
  FCount = FList->GetHighBound() + 1;
}

void TSparseList::Insert(Integer Index, void* Item) {
  CheckIndex(Index);
  if (std::max(FCount, Index) + 1 > FList->MaxIndex() + 1) Error();  // the last entry would fall off
  for (Integer i = FCount - 1; i >= Index; --i) FList->WriteSlot(i + 1, FList->ReadSlot(i));
  FList->WriteSlot(Index, Item);
  if (FCount < Index) FCount = Index;
  ++FCount;
}

void TSparseList::Delete(Integer Index) {
  if (Index < 0 || Index >= FCount) return;
  for (Integer i = Index; i < FCount - 1; ++i) FList->WriteSlot(i, FList->ReadSlot(i + 1));
  FList->WriteSlot(FCount - 1, nullptr);
  --FCount;
}

void TSparseList::Exchange(Integer Index1, Integer Index2) {
  CheckIndex(Index1);
  CheckIndex(Index2);
  void* first = FList->ReadSlot(Index1);
  Put(Index1, FList->ReadSlot(Index2));
  Put(Index2, first);
}

void TSparseList::Move(Integer CurIndex, Integer NewIndex) {
  if (CurIndex == NewIndex) return;
  CheckIndex(CurIndex);
  CheckIndex(NewIndex);
  void* item = Get(CurIndex);
  Delete(CurIndex);
  Insert(NewIndex, item);
}

void TSparseList::Clear() {
  FreeAndNil(FList);
  FList = New<TSparsePointerArray>(FQuantum);
  FCount = 0;
}

// ---- TStringSparseList ------------------------------------------------------------------------------
IMPLEMENT_CLASS(TStringSparseList)

void TStringSparseList::Construct() {
  inherited::Construct();
  FList = New<TSparseList>(FQuantum);
}

void TStringSparseList::Destroy() {
  if (FList) DisposeItems();
  FreeAndNil(FList);
  inherited::Destroy();
}

void TStringSparseList::DisposeItems() {
  FList->ForAll([](Integer, void* item) {
    delete static_cast<TStrItem*>(item);
    return 0;
  });
  FList->Clear();
}

void TStringSparseList::Changed() {
  if (OnChange) OnChange(this);
}

String TStringSparseList::Get(Integer Index) {
  TStrItem* item = Item(Index);
  return item ? item->FString : String();
}

TObject* TStringSparseList::GetObject(Integer Index) {
  TStrItem* item = Item(Index);
  return item ? item->FObject : nullptr;
}

// A position with an empty string and no object holds no item.
void TStringSparseList::Store(Integer Index, TObject* AObject, const String& S) {
  std::unique_ptr<TStrItem> item;
  if (!S.empty() || AObject) item.reset(new TStrItem{AObject, S});
  TStrItem* old = Item(Index);
  FList->Put(Index, item.get());
  item.release();
  delete old;
}

void TStringSparseList::Put(Integer Index, const String& S) {
  TStrItem* old = Item(Index);
  Store(Index, old ? old->FObject : nullptr, S);
  Changed();
}

void TStringSparseList::PutObject(Integer Index, TObject* AObject) {
  TStrItem* old = Item(Index);
  Store(Index, AObject, old ? old->FString : String());
  Changed();
}

void TStringSparseList::Insert(Integer Index, const String& S) {
  std::unique_ptr<TStrItem> item;
  if (!S.empty()) item.reset(new TStrItem{nullptr, S});
  FList->Insert(Index, item.get());
  item.release();
  Changed();
}

void TStringSparseList::Delete(Integer Index) {
  TStrItem* old = Item(Index);
  FList->Delete(Index);
  delete old;
  Changed();
}

void TStringSparseList::Move(Integer CurIndex, Integer NewIndex) {
  FList->Move(CurIndex, NewIndex);
  Changed();
}

void TStringSparseList::Exchange(Integer Index1, Integer Index2) {
  FList->Exchange(Index1, Index2);
  Changed();
}

void TStringSparseList::Clear() {
  DisposeItems();
  Changed();
}

void TStringSparseList::DefineProperties(Filer::TFiler* Filer) {
  // The items are written as "List" only: the strings as lines would lose their indexes.
  Filer->DefineProperty("List", TReaderProc(this, &TStringSparseList::ReadData),
                        TWriterProc(this, &TStringSparseList::WriteData), true);
}

void TStringSparseList::WriteData(Filer::TWriter* Writer) {
  Integer count = 0;
  FList->ForAll([&count](Integer, void*) {
    ++count;
    return 0;
  });
  Writer->WriteInteger(count);
  FList->ForAll([Writer](Integer Index, void* Item) {
    Writer->WriteInteger(Index);
    Writer->WriteString(static_cast<TStrItem*>(Item)->FString);
    return 0;
  });
}

// A count or an index the list cannot hold is a damaged entry, refused before it is stored.
void TStringSparseList::ReadData(Filer::TReader* Reader) {
  const Integer count = Reader->ReadInteger();
  if (count < 0) throw EReadError(SysConst::SInvalidPropertyValue);
  for (Integer i = 0; i < count; ++i) {
    const Integer index = Reader->ReadInteger();
    const String text = Reader->ReadString();
    if (index < 0 || index > FList->MaxIndex()) throw EReadError(SysConst::SInvalidPropertyValue);
    Insert(index, text);
  }
}

}  // namespace Grids_ts
