// What the tests of the base grid engine share: a string grid that opens the engine's protected
// operations and records its hooks, and a fixture that shows it alone on a form of an empty
// desktop, with helpers for the mouse, the keys and the grid's pixels.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "Forms.h"
#include "GdiSurface.h"
#include "Grids_ts.h"
#include "WindowPictures.h"

namespace GridsTest {

class TTestGrid : public TStringGrid_ts {
  DECLARE_CLASS(TTestGrid, TStringGrid_ts)
 public:
  explicit TTestGrid(TComponent* AOwner = nullptr) : TStringGrid_ts(AOwner) {}
  using TCustomGrid_ts::AdjustSize;
  using TCustomGrid_ts::BoxRect;
  using TCustomGrid_ts::CalcDrawInfo;
  using TCustomGrid_ts::CalcMaxTopLeft;
  using TCustomGrid_ts::CalcSizingState;
  using TCustomGrid_ts::ChangeSize;
  using TCustomGrid_ts::ClampInView;
  using TCustomGrid_ts::DeleteColumn;
  using TCustomGrid_ts::DeleteRow;
  using TCustomGrid_ts::GetAnchorCell;
  using TCustomGrid_ts::GetPixelOffset;
  using TCustomGrid_ts::InvalidateEditor;
  using TCustomGrid_ts::ModifyScrollBar;
  using TCustomGrid_ts::MoveAnchor;
  using TCustomGrid_ts::MoveColumn;
  using TCustomGrid_ts::MoveCurrent;
  using TCustomGrid_ts::MoveRow;
  using TCustomGrid_ts::MoveTopLeft;
  using TCustomGrid_ts::MouseCoord;
  using TCustomGrid_ts::MouseDown;
  using TCustomGrid_ts::GetDragTarget;
  using TCustomGrid_ts::GetEditModifiable;
  using TCustomGrid_ts::UpdateScrollRange;
  using TCustomGrid_ts::CancelMode;

  Integer EditLimit = 0;                                   // GetEditLimit
  TEditStyle EditStyle = esSimple;                          // GetEditStyle
  std::function<void(Integer OldCols, Integer OldRows)> OnSizeChanged;
  bool UseListEditor = false;                               // CreateEditor makes a TInplaceEditList
  bool FailDrawing = false;                                 // DrawCell raises

 protected:
  Integer GetEditLimit() override { return EditLimit; }
  TEditStyle GetEditStyle(Integer, Integer) override { return EditStyle; }
  void SizeChanged(Integer OldCols, Integer OldRows) override {
    if (OnSizeChanged) OnSizeChanged(OldCols, OldRows);
  }
  TInplaceEdit* CreateEditor() override;
  void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override {
    if (FailDrawing) throw Exception("cannot draw");
    inherited::DrawCell(ACol, ARow, ARect, AState);
  }
};

class GridFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A borderless grid without scroll bars at (0, 0) of the given size, on a form that is not shown.
  void MakeGrid(Integer Width = 320, Integer Height = 120);
  // Shows the form with the grid focused.
  void Show();
  // Mouse and keys through the window system, at client points of the grid.
  void Press(Integer X, Integer Y, TShiftState Shift = {});
  void MoveTo(Integer X, Integer Y);
  void Release(Integer X, Integer Y);
  void Click(Integer X, Integer Y, TShiftState Shift = {});
  void Key(Word VK, TShiftState Shift = {});
  void Type(const String& Text);
  // Dispatches what is queued, paints included.
  void Pump();
  // The grid's pixel at a client point (0x00BBGGRR).
  COLORREF Pixel(Integer X, Integer Y);
  // The grid's own picture, client area only.
  void Capture(GdiSurface::TGdiSurface& Picture);
  // Writes the grid's picture into the test temp folder.
  String SavePng(const String& Name);
  // The box of the grid's window update region (empty when there is nothing to paint).
  TRect UpdateBox();

  TForm* Form = nullptr;
  TTestGrid* Grid = nullptr;
};

using WindowPictures::Differences;

}  // namespace GridsTest
