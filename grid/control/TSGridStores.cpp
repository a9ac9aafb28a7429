// The column and row stores, the visible-position lists, the coordinate list and the selections.
#include "TSGridImpl.h"
#include <algorithm>

#include "Bits.h"
#include "TSGridBase.h"
#include "TSGridColumns.h"
#include "TSGridRows.h"
#include "TSGridStores.h"
#include "Variants.h"

namespace TSGrid {

IMPLEMENT_CLASS(TtsGridCols)
IMPLEMENT_CLASS(TtsGridRows)
IMPLEMENT_CLASS(TtsVisibleItems)
IMPLEMENT_CLASS(TtsCoordList)
IMPLEMENT_CLASS(TtsSelection)

namespace {

// Moves Count entries of V from From to To as one block; the entries of the source range that the
// destination does not cover get Empty.
template <class T>
void MoveBlock(std::vector<T>& V, Integer From, Integer To, Integer Count, T Empty) {
  if (Count <= 0 || From == To) return;
  std::vector<T> block(V.begin() + From, V.begin() + From + Count);
  std::copy(block.begin(), block.end(), V.begin() + To);
  for (Integer i = From; i < From + Count; ++i)
    if (i < To || i >= To + Count) V[static_cast<size_t>(i)] = Empty;
}

}  // namespace

// ---- TtsGridCols ------------------------------------------------------------------------------------
void TtsGridCols::Construct() {
  inherited::Construct();
  CreateDefaultValues(0, FInitialCount);
}

void TtsGridCols::Destroy() {
  FreeColProperties(0, FCount);
  FCols.clear();
  inherited::Destroy();
}

TtsCol* TtsGridCols::CreateCol() { return New<TtsCol>(FGrid); }

void TtsGridCols::CreateDefaultValues(Integer Start, Integer End) {
  if (Start == End) return;
  if (Start > End) FreeColProperties(End, Start);
  FCols.resize(static_cast<size_t>(End), nullptr);
  FCount = End;
  for (Integer i = Start; i < End; ++i) {
    TtsCol* col = CreateCol();
    col->FDisplayCol = i;
    col->FWidth = col->FAssignedWidth = FGrid->GetColWidths(i);
    col->FId = FNextId++;
    FCols[static_cast<size_t>(i)] = col;
  }
}

void TtsGridCols::Resize(Integer OldCount) { CreateDefaultValues(OldCount, FGrid->GetColCount()); }

void TtsGridCols::FreeColProperties(Integer Start, Integer End) {
  for (Integer i = Start; i < End && i < static_cast<Integer>(FCols.size()); ++i) {
    TtsCol* col = FCols[static_cast<size_t>(i)];
    FCols[static_cast<size_t>(i)] = nullptr;
    if (col) col->Free();
  }
}

void TtsGridCols::CntMoveProperties(Integer From, Integer To, Integer Count) {
  MoveBlock<TtsCol*>(FCols, From, To, Count, nullptr);
}

TtsCol* TtsGridCols::GetCol(const Variant& Key) {
  if (VarType(Key) == varString) return FindCol(VarToStr(Key));
  Integer n = Key.ToInteger();
  if (n >= 0 && n < FCount) return FCols[static_cast<size_t>(n)];
  FGrid->CheckIndex(itCol, n, FCount - 1, 0);
  return nullptr;
}

TtsCol* TtsGridCols::FindCol(const String& FieldName) {
  for (Integer i = 1; i < FCount; ++i)
    if (AnsiCompareText(FCols[static_cast<size_t>(i)]->GetFieldName(), FieldName) == 0)
      return FCols[static_cast<size_t>(i)];
  return nullptr;
}

// ---- TtsGridRows ------------------------------------------------------------------------------------
void TtsGridRows::Construct() {
  inherited::Construct();
  CreateDefaultValues(0, FInitialCount);
}

void TtsGridRows::Destroy() {
  FreeRowProperties(0, FCount);
  FRows.clear();
  inherited::Destroy();
}

TtsRow* TtsGridRows::CreateRow() { return New<TtsRow>(FGrid); }

void TtsGridRows::CreateDefaultValues(Integer Start, Integer End) {
  if (Start == End) return;
  if (Start > End) FreeRowProperties(End, Start);
  FRows.resize(static_cast<size_t>(End), nullptr);
  FIds.resize(static_cast<size_t>(End), 0);
  if (FHasDisplayNumbers) FDisplayNumbers.resize(static_cast<size_t>(End), 0);
  FCount = End;
  for (Integer i = Start; i < End; ++i) {
    if (FHasDisplayNumbers) FDisplayNumbers[static_cast<size_t>(i)] = i;
    FIds[static_cast<size_t>(i)] = FNextId++;
    if (i == 0) CreateDataRow(0);
  }
}

void TtsGridRows::Resize(Integer OldCount) { CreateDefaultValues(OldCount, FGrid->GetRowCount()); }

void TtsGridRows::FreeRowProperties(Integer Start, Integer End) {
  for (Integer i = Start; i < End && i < static_cast<Integer>(FRows.size()); ++i) {
    TtsRow* row = FRows[static_cast<size_t>(i)];
    FRows[static_cast<size_t>(i)] = nullptr;
    if (row) row->Free();
  }
}

void TtsGridRows::CntMoveProperties(Integer From, Integer To, Integer Count) {
  if (From == To) return;
  MoveBlock<TtsRow*>(FRows, From, To, Count, nullptr);
  if (Count <= 0) return;
  std::vector<Integer> ids(FIds.begin() + From, FIds.begin() + From + Count);
  std::copy(ids.begin(), ids.end(), FIds.begin() + To);
  if (FHasDisplayNumbers) {
    std::vector<Integer> numbers(FDisplayNumbers.begin() + From, FDisplayNumbers.begin() + From + Count);
    std::copy(numbers.begin(), numbers.end(), FDisplayNumbers.begin() + To);
  }
}

void TtsGridRows::CloseUp(const std::vector<bool>& Gone, Integer From, Integer Last) {
  std::vector<TtsRow*> rows;
  std::vector<Integer> ids, numbers;
  for (bool takeGone : {false, true})
    for (Integer i = From; i <= Last; ++i) {
      if (Gone[static_cast<size_t>(i)] != takeGone) continue;
      rows.push_back(FRows[static_cast<size_t>(i)]);
      ids.push_back(FIds[static_cast<size_t>(i)]);
      if (FHasDisplayNumbers) numbers.push_back(FDisplayNumbers[static_cast<size_t>(i)]);
    }
  std::copy(rows.begin(), rows.end(), FRows.begin() + From);
  std::copy(ids.begin(), ids.end(), FIds.begin() + From);
  if (FHasDisplayNumbers) std::copy(numbers.begin(), numbers.end(), FDisplayNumbers.begin() + From);
}

void TtsGridRows::CreateDisplayRowNumber() {
  if (FHasDisplayNumbers) return;
  FDisplayNumbers.resize(static_cast<size_t>(FCount));
  for (Integer i = 0; i < FCount; ++i) FDisplayNumbers[static_cast<size_t>(i)] = i;
  FHasDisplayNumbers = true;
}

Integer TtsGridRows::GetDisplayRowNumber(Integer DataRow) const {
  return FHasDisplayNumbers ? FDisplayNumbers[static_cast<size_t>(DataRow)] : DataRow;
}

void TtsGridRows::SetDisplayRowNumber(Integer DataRow, Integer DisplayRow) {
  if (FHasDisplayNumbers) FDisplayNumbers[static_cast<size_t>(DataRow)] = DisplayRow;
}

TtsRow* TtsGridRows::GetRow(Integer DataRow) {
  if (DataRow >= 0 && DataRow < FCount) return FRows[static_cast<size_t>(DataRow)];
  FGrid->CheckIndex(itRow, DataRow, FCount - 1, 0);
  return nullptr;
}

void TtsGridRows::CreateDataRow(Integer DataRow) {
  if (FRows[static_cast<size_t>(DataRow)]) return;
  TtsRow* row = CreateRow();
  row->FDataRow = DataRow;
  row->FHeight = row->FAssignedHeight = FGrid->GetRowHeights(GetDisplayRowNumber(DataRow));
  FRows[static_cast<size_t>(DataRow)] = row;
}

void TtsGridRows::RemoveDataRow(Integer DataRow) {
  TtsRow* row = FRows[static_cast<size_t>(DataRow)];
  FRows[static_cast<size_t>(DataRow)] = nullptr;
  if (row) row->Free();
}

void TtsGridRows::CheckRemoveDataRow(Integer DataRow) {
  if (DataRow <= 0 || DataRow >= FCount) return;
  TtsRow* row = FRows[static_cast<size_t>(DataRow)];
  if (row && row->Empty()) RemoveDataRow(DataRow);
}

Integer TtsGridRows::GetRowHeight(Integer DataRow) {
  TtsRow* row = FRows[static_cast<size_t>(DataRow)];
  return row ? row->GetHeight() : FGrid->GetDefaultRowHeight();
}

void TtsGridRows::SetRowHeight(Integer DataRow, Integer Height) {
  if (Height == FGrid->GetDefaultRowHeight() && !FRows[static_cast<size_t>(DataRow)]) return;
  CreateDataRow(DataRow);
  FRows[static_cast<size_t>(DataRow)]->FHeight = Height;
  CheckRemoveDataRow(DataRow);
}

Integer TtsGridRows::GetOldRowHeight(Integer DataRow) {
  TtsRow* row = FRows[static_cast<size_t>(DataRow)];
  return row ? row->GetAssignedHeight() : FGrid->FLastDefaultRowHeight;
}

void TtsGridRows::SetOldRowHeight(Integer DataRow, Integer Height) {
  if (Height == FGrid->FLastDefaultRowHeight && !FRows[static_cast<size_t>(DataRow)]) return;
  CreateDataRow(DataRow);
  FRows[static_cast<size_t>(DataRow)]->FAssignedHeight = Height;
  CheckRemoveDataRow(DataRow);
}

void TtsGridRows::CopyRowHeight(Integer DataRow, Integer Height) {
  CreateDataRow(DataRow);
  FRows[static_cast<size_t>(DataRow)]->CopyHeight(Height);
  CheckRemoveDataRow(DataRow);
}

// ---- TtsVisibleItems --------------------------------------------------------------------------------
void TtsVisibleItems::Assign(TtsSortIntList* Source) {
  auto* source = dynamic_cast<TtsVisibleItems*>(Source);
  if (!source) return;
  inherited::Assign(Source);
  FSize = source->FSize;
  FMaterialised = source->FMaterialised;
}

Integer TtsVisibleItems::GetItem(Integer Index) { return FMaterialised ? inherited::GetItem(Index) : Index; }

Integer TtsVisibleItems::Locate(Integer Value, bool& Found) {
  if (Value >= 1 && Value <= FSize && GetItem(Value) == Value) {
    Found = true;
    return Value;
  }
  if (FMaterialised) return inherited::Locate(Value, Found);
  Found = false;
  return FSize + 1;
}

void TtsVisibleItems::Add(Integer Value) {
  if (!FMaterialised) return;
  inherited::Add(Value);
  FSize = GetCount();
}

void TtsVisibleItems::Remove(Integer Value) { RemoveItem(Value); }

Integer TtsVisibleItems::RemoveItem(Integer Value) {
  if (!FMaterialised) CheckSize(FSize, 1);
  inherited::Remove(Value);
  FSize = GetCount();
  return FSize;
}

void TtsVisibleItems::CheckSize(Integer NewSize, Integer FirstValue) {
  CheckCapacity(NewSize);
  Integer value = FirstValue;
  while (GetCount() < NewSize) Insert(GetCount() + 1, value++);
  while (GetCount() > NewSize) Delete(GetCount());
  FMaterialised = true;
}

void TtsVisibleItems::SetSize(Integer NewSize, Integer FirstValue) {
  if (NewSize == FSize) return;
  FSize = NewSize;
  if (FMaterialised) CheckSize(NewSize, FirstValue);
}

void TtsVisibleItems::MoveItem(Integer From, Integer To) {
  if (!FMaterialised || From == To) return;
  bool fromFound, toFound;
  Integer iF = Locate(From, fromFound);
  Locate(To, toFound);
  Integer count = GetCount();
  if (From < To) {
    Integer i = fromFound ? iF + 1 : iF;
    while (i <= count && GetItem(i) <= To) {
      if (GetItem(i) >= From) SetItem(i, GetItem(i) - 1);
      ++i;
    }
    if (fromFound) {
      // i is the stop: shift the entries iF+1 .. i-1 down over iF and put To just below the stop.
      for (Integer k = iF; k < i - 1; ++k) SetItem(k, GetItem(k + 1));
      SetItem(i - 1, To);
    }
  } else {
    Integer i = fromFound ? iF - 1 : iF - 1;
    while (i >= 1 && GetItem(i) >= To) {
      if (GetItem(i) <= From) SetItem(i, GetItem(i) + 1);
      --i;
    }
    if (fromFound) {
      for (Integer k = iF; k > i + 1; --k) SetItem(k, GetItem(k - 1));
      SetItem(i + 1, To);
    }
  }
}

// ---- TtsCoordList -----------------------------------------------------------------------------------
void TtsCoordList::AddCoord(Integer Col, Integer Row) {
  AddItem(Col);
  AddItem(Row);
}

void TtsCoordList::RemoveCoord(Integer Col, Integer Row) {
  for (Integer i = 0; i + 1 < GetCount(); i += 2)
    if (GetItem(i) == Col && GetItem(i + 1) == Row) {
      Delete(i + 1);
      Delete(i);
      return;
    }
}

void TtsCoordList::UpdateCoord(Integer Index, Integer Col, Integer Row) {
  if (Index < 0 || Index >= GetCount() - 1) return;
  SetItem(Index, Col);
  SetItem(Index + 1, Row);
}

bool TtsCoordList::NextCoord(Integer& Index, Integer& Col, Integer& Row) {
  Col = 0;
  Row = 0;
  if (Index < 0 || Index >= GetCount() - 1) return false;
  Col = GetItem(Index);
  Row = GetItem(Index + 1);
  Index += 2;
  return true;
}

// ---- TtsSelection -----------------------------------------------------------------------------------
void TtsSelection::Construct() {
  inherited::Construct();
  FBits = New<TBits>();
}

void TtsSelection::Destroy() {
  FreeAndNil(FBits);
  inherited::Destroy();
}

Integer TtsSelection::GetSize() const { return FBits->GetSize(); }

void TtsSelection::SetSize(Integer Value) {
  Integer size = GetSize();
  if (Value == size) return;
  if (Value < size && Count > 0) {
    Count -= RangeCount(Value, size - 1);
    if (Last > Value - 1) Last = Count > 0 ? Previous(Value) : -1;
    if (First > Value - 1) First = -1;
  }
  FBits->SetSize(Value);
}

bool TtsSelection::GetSelected(Integer Index) const {
  return Index >= 1 && Index <= GetSize() - 1 && FBits->GetBits(Index);
}

void TtsSelection::SetSelected(Integer Index, bool Value) {
  if (Index < 1 || Index > GetSize() - 1 || FBits->GetBits(Index) == Value) return;
  FBits->SetBits(Index, Value);
  Count += Value ? 1 : -1;
  if (!Value) {
    if (Index == First) First = Next(Index);
    if (Index == Last) Last = Previous(Index);
  } else {
    if (First == -1 || Index < First) First = Index;
    if (Index > Last) Last = Index;
  }
}

Integer TtsSelection::Next(Integer Index) const {
  if (Count == 0 || Index >= Last) return -1;
  for (Integer i = std::max(Index + 1, 1); i <= Last; ++i)
    if (FBits->GetBits(i)) return i;
  return -1;
}

Integer TtsSelection::Previous(Integer Index) const {
  if (Count == 0 || First >= Index) return -1;
  for (Integer i = std::min(Index - 1, GetSize() - 1); i >= std::max(First, 1); --i)
    if (FBits->GetBits(i)) return i;
  return -1;
}

Integer TtsSelection::RangeCount(Integer A, Integer B) const {
  if (B < A) std::swap(A, B);
  if (A < 1) A = 1;
  if (B > GetSize() - 1) B = GetSize() - 1;
  if (Count == 0 || Last < A || B < First) return 0;
  if (A <= First && Last <= B) return Count;
  Integer n = GetSelected(A) ? 1 : 0;
  for (Integer i = Next(A); i != -1 && i <= B; i = Next(i)) ++n;
  return n;
}

void TtsSelection::Reset() {
  Integer size = GetSize();
  FBits->SetSize(0);
  FBits->SetSize(size);
  Count = 0;
  First = Last = -1;
}

bool TtsSelection::Assign(TtsSelection* Source) {
  bool bothEmpty = Count == 0 && Source->Count == 0;
  First = Source->First;
  Last = Source->Last;
  Count = Source->Count;
  FBits->SetSize(Source->GetSize());
  if (bothEmpty) return false;
  bool changed = false;
  for (Integer i = 0; i < GetSize(); ++i) {
    bool selected = Source->GetSelected(i);
    if (FBits->GetBits(i) != selected) {
      FBits->SetBits(i, selected);
      changed = true;
    }
  }
  return changed;
}

}  // namespace TSGrid
