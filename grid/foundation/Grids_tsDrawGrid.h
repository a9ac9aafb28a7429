// The ready-to-use grids of the base engine: the draw grid, which turns the engine's hooks into
// events, and the string grid, which keeps a string and an object for every cell in sparse storage
// and offers each row and column as a string list.
#pragma once

#include "Grids_tsEngine.h"
#include "StringLists.h"

namespace Grids_ts {

class TSparseList;
class TStringSparseList;

using TMovedEvent = TClosure<void(TObject* Sender, Integer FromIndex, Integer ToIndex)>;
using TDrawCellEvent = TClosure<void(TObject* Sender, Integer ACol, Integer ARow, TRect Rect, TGridDrawState State)>;
using TGetEditEvent = TClosure<void(TObject* Sender, Integer ACol, Integer ARow, String& Value)>;
using TSelectCellEvent = TClosure<void(TObject* Sender, Integer ACol, Integer ARow, bool& CanSelect)>;
using TSetEditEvent = TClosure<void(TObject* Sender, Integer ACol, Integer ARow, const String& Value)>;

// ---- TCustomDrawGrid --------------------------------------------------------------------------------
class TCustomDrawGrid : public TCustomGrid_ts {
  DECLARE_CLASS(TCustomDrawGrid, TCustomGrid_ts)
 public:
  explicit TCustomDrawGrid(TComponent* AOwner = nullptr) : TCustomGrid_ts(AOwner) {}
  using TCustomGrid_ts::CellRect;
  void MouseToCell(Integer X, Integer Y, Integer& ACol, Integer& ARow);

  TMovedEvent OnColumnMoved;
  TDrawCellEvent OnDrawCell;
  TGetEditEvent OnGetEditMask;
  TGetEditEvent OnGetEditText;
  TMovedEvent OnRowMoved;
  TSelectCellEvent OnSelectCell;
  TSetEditEvent OnSetEditText;
  TNotifyEvent OnTopLeftChanged;

 protected:
  void ColumnMoved(Integer FromIndex, Integer ToIndex) override;
  void RowMoved(Integer FromIndex, Integer ToIndex) override;
  String GetEditMask(Integer ACol, Integer ARow) override;
  String GetEditText(Integer ACol, Integer ARow) override;
  void SetEditText(Integer ACol, Integer ARow, const String& Value) override;
  bool SelectCell(Integer ACol, Integer ARow) override;
  // Fires OnDrawCell; in right-to-left mode the handler draws in left-to-right coordinates.
  void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override;
  void TopLeftChanged() override;
};

// ---- TDrawGrid --------------------------------------------------------------------------------------
class TDrawGrid : public TCustomDrawGrid {
  DECLARE_CLASS(TDrawGrid, TCustomDrawGrid)
 public:
  explicit TDrawGrid(TComponent* AOwner = nullptr) : TCustomDrawGrid(AOwner) {}
  // Accessors of the events the form resources name.
  TContextPopupEvent GetOnContextPopup() const { return OnContextPopup; }
  void SetOnContextPopup(TContextPopupEvent V) { OnContextPopup = V; }
  TMovedEvent GetOnColumnMoved() const { return OnColumnMoved; }
  void SetOnColumnMoved(TMovedEvent V) { OnColumnMoved = V; }
  TDrawCellEvent GetOnDrawCell() const { return OnDrawCell; }
  void SetOnDrawCell(TDrawCellEvent V) { OnDrawCell = V; }
  TGetEditEvent GetOnGetEditMask() const { return OnGetEditMask; }
  void SetOnGetEditMask(TGetEditEvent V) { OnGetEditMask = V; }
  TGetEditEvent GetOnGetEditText() const { return OnGetEditText; }
  void SetOnGetEditText(TGetEditEvent V) { OnGetEditText = V; }
  TMovedEvent GetOnRowMoved() const { return OnRowMoved; }
  void SetOnRowMoved(TMovedEvent V) { OnRowMoved = V; }
  TSelectCellEvent GetOnSelectCell() const { return OnSelectCell; }
  void SetOnSelectCell(TSelectCellEvent V) { OnSelectCell = V; }
  TSetEditEvent GetOnSetEditText() const { return OnSetEditText; }
  void SetOnSetEditText(TSetEditEvent V) { OnSetEditText = V; }
  TNotifyEvent GetOnTopLeftChanged() const { return OnTopLeftChanged; }
  void SetOnTopLeftChanged(TNotifyEvent V) { OnTopLeftChanged = V; }
};

// ---- TStringGrid_ts ---------------------------------------------------------------------------------
class TStringGrid_ts;

// One row (Index k > 0: row k - 1) or column (k < 0: column -k - 1) of a string grid as a string
// list; reads and writes go to the grid's cells.
class TStringGrid_tsStrings : public StringLists::TStrings {
  DECLARE_CLASS(TStringGrid_tsStrings, StringLists::TStrings)
 public:
  explicit TStringGrid_tsStrings(TStringGrid_ts* AGrid = nullptr, Integer AIndex = 0) : FGrid(AGrid), FIndex(AIndex) {}
  // The first position with an empty string takes S (a blank when S is empty); -1 when none is empty.
  Integer Add(const String& S) override;
  // From another string list: as many positions as both have take its strings and objects.
  void Assign(TPersistent* Source) override;
  void Clear() override;
  // A row or column has as many positions as the grid has columns or rows: raise
  // EInvalidGridOperation.
  void Delete(Integer Index) override;
  void Insert(Integer Index, const String& S) override;
  Integer GetCount() override;

 protected:
  String Get(Integer Index) override;
  TObject* GetObject(Integer Index) override;
  void Put(Integer Index, const String& S) override;
  void PutObject(Integer Index, TObject* AObject) override;
  void SetUpdateState(bool Updating) override;

 private:
  // The cell of position Index.
  void CellOf(Integer Index, Integer& ACol, Integer& ARow) const;
  TStringGrid_ts* FGrid;
  Integer FIndex;
};

class TStringGrid_ts : public TDrawGrid {
  DECLARE_CLASS(TStringGrid_ts, TDrawGrid)
 public:
  explicit TStringGrid_ts(TComponent* AOwner = nullptr) : TDrawGrid(AOwner) {}
  String GetCells(Integer ACol, Integer ARow);
  void SetCells(Integer ACol, Integer ARow, const String& Value);
  TObject* GetObjects(Integer ACol, Integer ARow);
  void SetObjects(Integer ACol, Integer ARow, TObject* Value);
  StringLists::TStrings* GetCols(Integer Index);
  void SetCols(Integer Index, StringLists::TStrings* Value);
  StringLists::TStrings* GetRows(Integer Index);
  void SetRows(Integer Index, StringLists::TStrings* Value);

 protected:
  friend class TStringGrid_tsStrings;
  void Construct() override;
  void Destroy() override;
  void ColumnMoved(Integer FromIndex, Integer ToIndex) override;
  void RowMoved(Integer FromIndex, Integer ToIndex) override;
  void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override;
  String GetEditText(Integer ACol, Integer ARow) override;
  void SetEditText(Integer ACol, Integer ARow, const String& Value) override;
  // Creates the storage lists still missing, with large sections for large grids.
  void Initialize();
  // Repaints a changed cell (later, while the string lists are being updated) and reloads an open
  // editor that shows it, unless the change came from the editor.
  using TDrawGrid::Update;
  void Update(Integer ACol, Integer ARow);
  void SetUpdateState(bool Updating);
  void DisableEditUpdate() { ++FEditUpdate; }
  void EnableEditUpdate() { --FEditUpdate; }

 private:
  TStringSparseList* DataRow(Integer ARow);       // null when the row holds nothing
  TStringSparseList* EnsureDataRow(Integer ARow);
  TStringGrid_tsStrings* EnsureView(bool Column, Integer Index);
  TSparseList* FData = nullptr;  // by row: the row's TStringSparseList of cells
  TSparseList* FRows = nullptr;  // by row: its view
  TSparseList* FCols = nullptr;  // by column: its view
  bool FUpdating = false;
  bool FNeedsUpdating = false;
  Integer FEditUpdate = 0;
};

}  // namespace Grids_ts

using namespace Grids_ts;
