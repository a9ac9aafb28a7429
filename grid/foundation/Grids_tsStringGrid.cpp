// The string grid: a string and an object for every cell, kept in sparse lists (a list of rows,
// each a sparse string list of its cells), and each row and column offered as a string list.
#include <vector>

#include "Grids_tsDrawGrid.h"
#include "Grids_tsSparse.h"

namespace Grids_ts {

namespace {
// Grids beyond these sizes keep their lists in sections of 256 entries, so that the directories
// stay short.
constexpr Integer LargeColCount = 512;
constexpr Integer LargeRowCount = 256;

TSPAQuantum QuantumFor(Integer Count, Integer Large) { return Count > Large ? SPALarge : SPASmall; }
}  // namespace

// ---- TStringGrid_ts ---------------------------------------------------------------------------------
IMPLEMENT_CLASS(TStringGrid_ts)

void TStringGrid_ts::Construct() {
  inherited::Construct();
  Initialize();
}

void TStringGrid_ts::Initialize() {
  if (!FCols) FCols = New<TSparseList>(QuantumFor(GetColCount(), LargeColCount));
  if (!FRows) FRows = New<TSparseList>(QuantumFor(GetRowCount(), LargeRowCount));
  if (!FData) FData = New<TSparseList>(QuantumFor(GetRowCount(), LargeRowCount));
}

void TStringGrid_ts::Destroy() {
  auto freeAll = [](TSparseList*& List) {
    if (!List) return;
    List->ForAll([](Integer, void* Item) {
      static_cast<TObject*>(Item)->Free();
      return 0;
    });
    FreeAndNil(List);
  };
  freeAll(FRows);
  freeAll(FCols);
  freeAll(FData);
  inherited::Destroy();
}

TStringSparseList* TStringGrid_ts::DataRow(Integer ARow) { return static_cast<TStringSparseList*>(FData->Get(ARow)); }

TStringSparseList* TStringGrid_ts::EnsureDataRow(Integer ARow) {
  if (TStringSparseList* row = DataRow(ARow)) return row;
  auto* row = New<TStringSparseList>(QuantumFor(GetColCount(), LargeColCount));
  try {
    FData->Put(ARow, row);
  } catch (...) {
    row->Free();
    throw;
  }
  return row;
}

TStringGrid_tsStrings* TStringGrid_ts::EnsureView(bool Column, Integer Index) {
  TSparseList* views = Column ? FCols : FRows;
  if (auto* view = static_cast<TStringGrid_tsStrings*>(views->Get(Index))) return view;
  auto* view = New<TStringGrid_tsStrings>(this, Column ? -Index - 1 : Index + 1);
  try {
    views->Put(Index, view);
  } catch (...) {
    view->Free();
    throw;
  }
  return view;
}

String TStringGrid_ts::GetCells(Integer ACol, Integer ARow) {
  TStringSparseList* row = DataRow(ARow);
  return row ? row->GetStrings(ACol) : String();
}

void TStringGrid_ts::SetCells(Integer ACol, Integer ARow, const String& Value) {
  EnsureDataRow(ARow)->SetStrings(ACol, Value);
  EnsureView(true, ACol);
  EnsureView(false, ARow);
  Update(ACol, ARow);
}

TObject* TStringGrid_ts::GetObjects(Integer ACol, Integer ARow) {
  TStringSparseList* row = DataRow(ARow);
  return row ? row->GetObjects(ACol) : nullptr;
}

void TStringGrid_ts::SetObjects(Integer ACol, Integer ARow, TObject* Value) {
  EnsureDataRow(ARow)->SetObjects(ACol, Value);
  EnsureView(true, ACol);
  EnsureView(false, ARow);
  Update(ACol, ARow);
}

StringLists::TStrings* TStringGrid_ts::GetCols(Integer Index) { return EnsureView(true, Index); }
void TStringGrid_ts::SetCols(Integer Index, StringLists::TStrings* Value) { GetCols(Index)->Assign(Value); }
StringLists::TStrings* TStringGrid_ts::GetRows(Integer Index) { return EnsureView(false, Index); }
void TStringGrid_ts::SetRows(Integer Index, StringLists::TStrings* Value) { GetRows(Index)->Assign(Value); }

void TStringGrid_ts::Update(Integer ACol, Integer ARow) {
  if (FUpdating) FNeedsUpdating = true;
  else InvalidateCell(ACol, ARow);
  if (ACol == GetCol() && ARow == GetRow() && FEditUpdate == 0) InvalidateEditor();
}

void TStringGrid_ts::SetUpdateState(bool Updating) {
  FUpdating = Updating;
  if (!Updating && FNeedsUpdating) {
    InvalidateGrid();
    FNeedsUpdating = false;
  }
}

String TStringGrid_ts::GetEditText(Integer ACol, Integer ARow) {
  String result = GetCells(ACol, ARow);
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, result);
  return result;
}

// Text that comes from the editor does not reload the editor.
void TStringGrid_ts::SetEditText(Integer ACol, Integer ARow, const String& Value) {
  DisableEditUpdate();
  struct TEnable {
    TStringGrid_ts* Grid;
    ~TEnable() { Grid->EnableEditUpdate(); }
  } enable{this};
  if (Value != GetCells(ACol, ARow)) SetCells(ACol, ARow, Value);
  inherited::SetEditText(ACol, ARow, Value);
}

void TStringGrid_ts::DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) {
  if (GetDefaultDrawing()) {
    TCanvas* canvas = GetCanvas();
    const String text = GetCells(ACol, ARow);
    if (UseRightToLeftAlignment()) {
      // Glyphs are not mirrored: the text is drawn on the unmirrored canvas, as far in from the
      // cell's right edge as it is from its left edge otherwise.
      const TRect cell = MirrorRect(ARect);
      ChangeGridOrientation(false);
      canvas->TextRect(cell, cell.right - 2 - canvas->TextWidth(text), cell.top + 2, text);
      ChangeGridOrientation(true);
    } else {
      canvas->TextRect(ARect, ARect.left + 2, ARect.top + 2, text);
    }
  }
  inherited::DrawCell(ACol, ARow, ARect, AState);
}

// The views read the cells by index, so only the cells move.
void TStringGrid_ts::ColumnMoved(Integer FromIndex, Integer ToIndex) {
  FData->ForAll([FromIndex, ToIndex](Integer, void* Row) {
    static_cast<TStringSparseList*>(Row)->Move(FromIndex, ToIndex);
    return 0;
  });
  InvalidateGrid();
  inherited::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid_ts::RowMoved(Integer FromIndex, Integer ToIndex) {
  FData->Move(FromIndex, ToIndex);
  InvalidateGrid();
  inherited::RowMoved(FromIndex, ToIndex);
}

// ---- TStringGrid_tsStrings --------------------------------------------------------------------------
IMPLEMENT_CLASS(TStringGrid_tsStrings)

void TStringGrid_tsStrings::CellOf(Integer Index, Integer& ACol, Integer& ARow) const {
  if (FIndex > 0) {
    ACol = Index;
    ARow = FIndex - 1;
  } else {
    ACol = -FIndex - 1;
    ARow = Index;
  }
}

Integer TStringGrid_tsStrings::GetCount() {
  if (FIndex == 0) return 0;
  return FIndex > 0 ? FGrid->GetColCount() : FGrid->GetRowCount();
}

String TStringGrid_tsStrings::Get(Integer Index) {
  if (FIndex == 0) return String();
  Integer col, row;
  CellOf(Index, col, row);
  return FGrid->GetCells(col, row);
}

TObject* TStringGrid_tsStrings::GetObject(Integer Index) {
  if (FIndex == 0) return nullptr;
  Integer col, row;
  CellOf(Index, col, row);
  return FGrid->GetObjects(col, row);
}

void TStringGrid_tsStrings::Put(Integer Index, const String& S) {
  Integer col, row;
  CellOf(Index, col, row);
  FGrid->SetCells(col, row, S);
}

void TStringGrid_tsStrings::PutObject(Integer Index, TObject* AObject) {
  Integer col, row;
  CellOf(Index, col, row);
  FGrid->SetObjects(col, row, AObject);
}

Integer TStringGrid_tsStrings::Add(const String& S) {
  for (Integer i = 0, n = GetCount(); i < n; ++i)
    if (Get(i).empty()) {
      Put(i, S.empty() ? String(" ") : S);
      return i;
    }
  return -1;
}

void TStringGrid_tsStrings::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<StringLists::TStrings*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  BeginUpdate();
  struct TEnd {
    TStrings* List;
    ~TEnd() { List->EndUpdate(); }
  } end{this};
  for (Integer i = 0, n = std::min(source->GetCount(), GetCount()); i < n; ++i) {
    Put(i, source->GetStrings(i));
    PutObject(i, source->GetObjects(i));
  }
}

// Only cells that hold something are cleared: empty rows cost nothing and stay so.
void TStringGrid_tsStrings::Clear() {
  if (FIndex == 0) return;
  std::vector<Integer> rows;
  if (FIndex > 0) {
    const Integer row = FIndex - 1;
    TStringSparseList* data = FGrid->DataRow(row);
    if (!data) return;
    std::vector<Integer> cols;
    data->ForAll([&cols](Integer Index, void*) {
      cols.push_back(Index);
      return 0;
    });
    for (Integer col : cols) {
      FGrid->SetObjects(col, row, nullptr);
      FGrid->SetCells(col, row, String());
    }
    return;
  }
  const Integer col = -FIndex - 1;
  FGrid->FData->ForAll([&rows](Integer Index, void*) {
    rows.push_back(Index);
    return 0;
  });
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
    if (!FGrid->GetObjects(col, *it) && FGrid->GetCells(col, *it).empty()) continue;
    FGrid->SetObjects(col, *it, nullptr);
    FGrid->SetCells(col, *it, String());
  }
}

void TStringGrid_tsStrings::Delete(Integer) { InvalidGridOperation(SCannotInsertDelete); }
void TStringGrid_tsStrings::Insert(Integer, const String&) { InvalidGridOperation(SCannotInsertDelete); }

void TStringGrid_tsStrings::SetUpdateState(bool Updating) { FGrid->SetUpdateState(Updating); }

}  // namespace Grids_ts
