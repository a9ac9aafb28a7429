// What the grid-control tests share: a concrete grid that implements the engine's abstract
// operations by recording each call (name and arguments as text), so that the tests can check
// which notices the engine sends and in what order.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "Forms.h"
#include "GdiSurface.h"
#include "TSGrid.h"

namespace GridControlTest {

class TTestGrid : public TtsBaseGrid {
  DECLARE_CLASS(TTestGrid, TtsBaseGrid)
 public:
  explicit TTestGrid(TComponent* AOwner = nullptr) : TtsBaseGrid(AOwner) {}

  // Every abstract operation appends one line: "Name(arg,arg,...)".
  std::vector<String> Calls;
  bool Recording = true;
  // Value that CellLoadedEvent stores into every cell read (Unassigned: leaves it).
  Variant LoadedValue;
  // Runs inside CellLoadedEvent as the application's cell-loaded handler would.
  std::function<void()> DuringLoaded;
  // Calls whose name starts with Prefix.
  std::vector<String> CallsOf(const String& Prefix) const;
  void ClearCalls() { Calls.clear(); }

  using TtsBaseGrid::DefineProperties;
  using TtsBaseGrid::Loaded;
  using TtsBaseGrid::SizeChanged;

  void CellLoadedEvent(Integer DataCol, Integer DataRow, TtsControlType ControlType, Variant& Value) override;
  bool PaintCell(TtsDrawData& DrawData, const TRect& Rect, bool Selected) override;
  bool ActivateDoGetDrawInfo() override;
  void TopLeftChangedEvent(Integer OldCol, Integer OldRow, bool ByUser, Integer NewRow, Integer NewCol) override;
  void RowInserted(Integer DataRow, bool ByUser) override;
  void RowDeleted(Integer DataRow, bool ByUser) override;
  bool DoClickCell(Integer DataColDown, const Variant& DataRowDown, Integer DataColUp, const Variant& DataRowUp,
                   TtsClickPosition DownPos, TtsClickPosition UpPos) override;
  void DoButtonClick(Integer DataCol, const Variant& DataRow) override;
  void DoButtonDown(Integer DataCol, const Variant& DataRow) override;
  void DoButtonUp(Integer DataCol, const Variant& DataRow) override;
  void DoSpinButtonClick(Integer DataCol, const Variant& DataRow, TtsSpinButton Button) override;
  void DoSpinButtonDown(Integer DataCol, const Variant& DataRow, TtsSpinButton Button) override;
  void DoSpinButtonUp(Integer DataCol, const Variant& DataRow, TtsSpinButton Button) override;
  void DoSpinRepeat(Integer DataCol, const Variant& DataRow, Integer Count, TtsSpinButton Button) override;
  void DoSpinIncrement(Integer DataCol, const Variant& DataRow, TtsSpinButton Button, Variant& Value, Integer& Pos,
                       Integer& Len, bool& Accept) override;
  void DoCellEdit(Integer DataCol, const Variant& DataRow, bool ByUser) override;
  void DoComboDropDown(Integer DataCol, const Variant& DataRow) override;
  void DoComboGetValue(Integer DataCol, const Variant& DataRow, const Variant& ComboDataRow,
                       Variant& Value) override;
  void DoComboInit(Integer DataCol, const Variant& DataRow) override;
  void DoComboRollUp(Integer DataCol, const Variant& DataRow) override;
  void DoDateTimeInit(TtsDateTimeDefComponent* Def, Integer DataCol, const Variant& DataRow) override;
  void DoDateTimeDropDown(TtsDateTimeDefComponent* Def, Integer DataCol, const Variant& DataRow) override;
  void DoDateTimeRollUp(TtsDateTimeDefComponent* Def, Integer DataCol, const Variant& DataRow) override;
  void DoDateTimeGetValue(TtsDateTimeDefComponent* Def, Integer DataCol, const Variant& DataRow,
                          Variant& Value) override;
  void DoDblClickCell(Integer DataCol, const Variant& DataRow, TtsClickPosition Pos) override;
  void DoEndCellEdit(Integer DataCol, const Variant& DataRow, bool& Cancel) override;
  void DoEndRowEdit(const Variant& DataRow, bool& Cancel) override;
  void DoInvalidMaskValue(Integer DataCol, const Variant& DataRow, bool& Accept) override;
  void DoInvalidMaskEdit(const String& Keys, Integer DataCol, const Variant& DataRow, bool& Accept) override;
  void DoCellChanged(Integer OldCol, Integer NewCol, const Variant& OldRow, const Variant& NewRow) override;
  void DoRowChanged(const Variant& OldRow, const Variant& NewRow) override;
  void DoRowLoaded(const Variant& DataRow) override;
  void DoStartCellEdit(Integer DataCol, const Variant& DataRow, bool& Cancel) override;
  void DoStartRowEdit(const Variant& DataRow, bool& Cancel) override;
  void DoUndoCellEdit(Integer DataCol, const Variant& DataRow, bool ByUser, bool& Cancel) override;
  void DoUndoRowEdit(const Variant& DataRow, bool ByUser, bool& Cancel) override;
  void DoShowEditor(Integer DataCol, const Variant& DataRow, bool& Cancel) override;
  void Print() override;
  void PrintPreview() override;
  void ExportGrid() override;

 private:
  void Record(const String& Line) {
    if (Recording) Calls.push_back(Line);
  }
};

// The colour a paint probe fills a display cell with.
TColor ProbeColor(Integer Col, Integer Row);

// A grid whose cells are filled with a colour of their own, leaving the line pixels (and those of
// 3-D cells) to the grid; it counts its paints, notes the cells it draws and the clip box of each
// paint, and its redraw switches.
class TPaintProbeGrid : public TTestGrid {
  DECLARE_CLASS(TPaintProbeGrid, TTestGrid)
 public:
  explicit TPaintProbeGrid(TComponent* AOwner = nullptr) : TTestGrid(AOwner) {}
  Integer Paints = 0;
  Integer DirectPaints = 0;
  std::vector<TGridCoord> Drawn;
  std::vector<TRect> Clips;
  std::vector<WPARAM> Redraws;
  std::function<void(Integer Col, Integer Row)> DuringDraw;

  void PaintGrid() override;
  void Dispatch(TMessage& Message) override;
  // The selection state a mouse selection leaves, set directly.
  void SetSelectionState(TtsGridStatus Status, const TGridRect& Range) {
    FGridStatus = Status;
    FSelectedRange = Range;
  }

 protected:
  void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override;
};

// A fixture that owns one test grid (no window, no parent) and frees it after the test.
class GridTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  TTestGrid* NewGrid(Integer Cols = 4, Integer Rows = 4);
  TTestGrid* Grid = nullptr;
  std::vector<TObject*> Owned;
};

// A grid with a window, alone on a borderless form at the desktop's origin.
class WindowGridTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // A borderless grid of the given size at (0, 0) of the form, which is shown.
  template <class G = TTestGrid>
  G* MakeGrid(Integer Width, Integer Height, Integer Cols = 4, Integer Rows = 4) {
    G* grid = New<G>(Form);
    grid->SetBorderStyle(bsNone);
    grid->SetGridColCount(Cols);
    grid->SetGridRowCount(Rows);
    grid->SetParent(Form);
    grid->SetBounds(0, 0, Width, Height);
    Grid = grid;
    Show();
    return grid;
  }
  void Show();
  // Dispatches what is queued, paints included.
  void Pump();
  // The grid's client area as it is on the screen.
  void Capture(GdiSurface::TGdiSurface& Picture);
  // The grid's pixel at a client point (0x00BBGGRR).
  COLORREF Pixel(Integer X, Integer Y);
  String SavePng(const String& Name);
  // The box of the grid's update region (empty when nothing waits to be painted).
  TRect UpdateBox();

  TForm* Form = nullptr;
  TtsBaseGrid* Grid = nullptr;
};

// "a,b,c" of the data numbers shown at display columns 1..Cols or rows 1..Rows.
String DisplayColOrder(TtsBaseGrid* Grid);
String DisplayRowOrder(TtsBaseGrid* Grid);

}  // namespace GridControlTest
