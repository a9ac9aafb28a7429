// The base grid engine's data model: defaults, counts and fixed counts with their errors, the draw
// info and the mapping between points, cells and rectangles, the extent arrays, count changes that
// fail, inserting, deleting and moving rows and columns, and the ColWidths and RowHeights entries.
#include "GridsTestSupport.h"

#include "Filer.h"
#include "ObjectText.h"
#include "Streams.h"

using namespace GridsTest;

namespace {

class GridEngine : public GridFixture {};

TEST_F(GridEngine, ANewGridHasFiveByFiveCellsBehindOneFixedRowAndColumn) {
  auto grid = NewOwned<TTestGrid>(nullptr);
  EXPECT_EQ(grid->GetColCount(), 5);
  EXPECT_EQ(grid->GetRowCount(), 5);
  EXPECT_EQ(grid->GetFixedCols(), 1);
  EXPECT_EQ(grid->GetFixedRows(), 1);
  EXPECT_EQ(grid->GetWidth(), 320);
  EXPECT_EQ(grid->GetHeight(), 120);
  EXPECT_EQ(grid->GetCol(), 1);
  EXPECT_EQ(grid->GetRow(), 1);
  EXPECT_EQ(grid->GetLeftCol(), 1);
  EXPECT_EQ(grid->GetTopRow(), 1);
  EXPECT_EQ(grid->GetOptions(), (TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect}));
  EXPECT_TRUE(grid->GetTabStop());
  EXPECT_EQ(grid->GetColor(), clWindow);
}

TEST_F(GridEngine, CountsKeepTheFixedCellsBelowThemAndRefuseFixedCountsOutOfRange) {
  struct TCase {
    const char* What;
    std::function<void(TTestGrid*)> Change;
    Integer ColCount, FixedCols, RowCount, FixedRows;
    const char* Error;  // nullptr when the change succeeds
  };
  const TCase cases[] = {
      {"no columns become one, none fixed", [](TTestGrid* g) { g->SetColCount(0); }, 1, 0, 5, 1, nullptr},
      {"as many columns as fixed ones", [](TTestGrid* g) { g->SetColCount(1); }, 1, 0, 5, 1, nullptr},
      {"rows likewise", [](TTestGrid* g) { g->SetRowCount(-3); }, 5, 1, 1, 0, nullptr},
      {"fixed columns = columns", [](TTestGrid* g) { g->SetFixedCols(5); }, 5, 1, 5, 1,
       "Fixed column count must be less than column count"},
      {"fixed rows = rows", [](TTestGrid* g) { g->SetFixedRows(7); }, 5, 1, 5, 1,
       "Fixed row count must be less than row count"},
      {"negative fixed columns", [](TTestGrid* g) { g->SetFixedCols(-1); }, 5, 1, 5, 1, "Grid index out of range"},
      {"a width beyond the columns", [](TTestGrid* g) { g->SetColWidths(5, 10); }, 5, 1, 5, 1,
       "Grid index out of range"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    auto grid = NewOwned<TTestGrid>(nullptr);
    if (c.Error) {
      try {
        c.Change(grid.get());
        ADD_FAILURE() << "no error";
      } catch (const EInvalidGridOperation& e) {
        EXPECT_EQ(e.Message(), c.Error);
      }
    } else {
      c.Change(grid.get());
    }
    EXPECT_EQ(grid->GetColCount(), c.ColCount);
    EXPECT_EQ(grid->GetFixedCols(), c.FixedCols);
    EXPECT_EQ(grid->GetRowCount(), c.RowCount);
    EXPECT_EQ(grid->GetFixedRows(), c.FixedRows);
    EXPECT_LT(grid->GetCol(), grid->GetColCount());
    EXPECT_LT(grid->GetRow(), grid->GetRowCount());
  }
}

TEST_F(GridEngine, TheDrawInfoEndsAtTheLastCellShownWhole) {
  MakeGrid(320, 120);
  TGridDrawInfo info;
  Grid->CalcDrawInfo(info);
  // Columns of 64 with a line of 1: the fifth column would end one pixel past the client area.
  EXPECT_EQ(info.ColAxis.AxisLineWidth, 1);
  EXPECT_EQ(info.ColAxis.FixedEnd, 65);
  EXPECT_EQ(info.ColAxis.LastWholeCell, 3);
  EXPECT_EQ(info.ColAxis.WholeCellsEnd, 260);
  EXPECT_EQ(info.ColAxis.CellsEnd, 320);
  EXPECT_EQ(info.RowAxis.FixedEnd, 25);
  EXPECT_EQ(info.RowAxis.LastWholeCell, 3);
  EXPECT_EQ(info.RowAxis.CellsEnd, 120);
  EXPECT_EQ(Grid->GetVisibleColCount(), 3);

  // A cell whose right edge falls on the client width is whole; its line may pass it.
  Grid->SetDefaultColWidth(63);
  Grid->CalcDrawInfo(info);
  EXPECT_EQ(info.ColAxis.LastWholeCell, 4);
  Grid->SetColWidths(4, 64);
  Grid->CalcDrawInfo(info);
  EXPECT_EQ(info.ColAxis.LastWholeCell, 4) << "its edge on the client width, its line beyond";
  Grid->SetColWidths(4, 65);
  Grid->CalcDrawInfo(info);
  EXPECT_EQ(info.ColAxis.LastWholeCell, 3) << "one pixel more and it is the cell shown in part";
}

TEST_F(GridEngine, PointsMapToCellsAndCellsToRectangles) {
  MakeGrid(320, 120);
  Grid->SetColCount(8);
  struct TPointCase {
    Integer X, Y;
    TGridCoord Cell;
  };
  for (const TPointCase& c : {TPointCase{0, 0, {0, 0}}, TPointCase{64, 24, {0, 0}}, TPointCase{65, 25, {1, 1}},
                              TPointCase{129, 30, {1, 1}}, TPointCase{130, 30, {2, 1}}, TPointCase{319, 119, {4, 4}}}) {
    SCOPED_TRACE(testing::Message() << c.X << "," << c.Y);
    EXPECT_EQ(Grid->MouseCoord(c.X, c.Y), c.Cell) << "the line after a cell belongs to it";
  }
  EXPECT_EQ(Grid->CellRect(1, 1), TRect(65, 25, 129, 49));
  EXPECT_EQ(Grid->CellRect(0, 3), TRect(0, 75, 64, 99));
  EXPECT_EQ(Grid->CellRect(4, 1), TRect(260, 25, 320, 49)) << "the cell shown in part is cut at the client edge";
  EXPECT_EQ(Grid->CellRect(6, 1), TRect(0, 0, 0, 0)) << "beyond the cells shown";
  EXPECT_EQ(Grid->BoxRect(1, 1, 2, 2), TRect(65, 25, 194, 74));
  Grid->SetLeftCol(3);
  EXPECT_EQ(Grid->CellRect(1, 1), TRect(0, 0, 0, 0)) << "scrolled out to the left";
  EXPECT_EQ(Grid->CellRect(3, 1), TRect(65, 25, 129, 49));
  EXPECT_EQ(Grid->MouseCoord(70, 30), (TGridCoord{3, 1}));

  Grid->SetColCount(3);
  EXPECT_EQ(Grid->GetLeftCol(), 2) << "the first column shown comes back to the last one there is";
  Grid->SetLeftCol(1);
  EXPECT_EQ(Grid->MouseCoord(250, 30), (TGridCoord{-1, -1})) << "the empty area right of the last column";

  Grid->SetOptions({});
  EXPECT_EQ(Grid->MouseCoord(64, 24), (TGridCoord{1, 1})) << "without lines the former line position is the next cell";
  TGridDrawInfo info;
  Grid->CalcDrawInfo(info);
  EXPECT_EQ(info.ColAxis.AxisLineWidth, 0);
  EXPECT_EQ(info.RowAxis.AxisLineWidth, 0);
}

TEST_F(GridEngine, TheLargestFirstCellKeepsTheGivenCellWholeAndPassesOverHiddenCells) {
  MakeGrid(320, 120);
  Grid->SetColCount(10);
  TGridDrawInfo info;
  Grid->CalcDrawInfo(info);
  EXPECT_EQ(Grid->CalcMaxTopLeft({9, 0}, info).X, 7) << "columns 7..9 fit behind the fixed column";
  Grid->SetColWidths(8, 0);
  Grid->CalcDrawInfo(info);
  EXPECT_EQ(Grid->CalcMaxTopLeft({9, 0}, info).X, 6) << "a hidden column takes no room";
  EXPECT_EQ(Grid->CalcMaxTopLeft({0, 0}, info).X, 0) << "a fixed cell is its own answer";
}

TEST_F(GridEngine, DefaultSizesReplaceEveryOwnSize) {
  auto grid = NewOwned<TTestGrid>(nullptr);
  grid->SetColWidths(2, 100);
  grid->SetRowHeights(3, 40);
  grid->SetDefaultColWidth(50);
  grid->SetDefaultRowHeight(18);
  EXPECT_EQ(grid->GetColWidths(2), 50);
  EXPECT_EQ(grid->GetRowHeights(3), 18);
  EXPECT_EQ(grid->GetColWidths(9), 50) << "beyond the columns the default answers";
}

// ---- Extent arrays ----------------------------------------------------------------------------------
TEST(GridExtents, GrowShrinkAndMoveWithTheirLimits) {
  TExtentArray a;
  ResizeExtents(a, 0, 4, 7);
  EXPECT_EQ(a, (TExtentArray{4, 7, 7, 7, 7}));
  a[2] = 1;
  ResizeExtents(a, 1, 2, 9);
  EXPECT_EQ(a, (TExtentArray{6, 7, 9, 9, 1, 7, 7})) << "inserted before cell 1; the cells after it shift";
  ResizeExtents(a, 2, -2, 0);
  EXPECT_EQ(a, (TExtentArray{4, 7, 9, 7, 7}));
  MoveExtentEntry(a, 1, 3);
  EXPECT_EQ(a, (TExtentArray{4, 7, 7, 7, 9}));
  FitExtents(a, 2, 0);
  EXPECT_EQ(a, (TExtentArray{2, 7, 7}));
  FitExtents(a, 3, 5);
  EXPECT_EQ(a, (TExtentArray{3, 7, 7, 5}));
  FitExtents(a, 0, 5);
  EXPECT_TRUE(a.empty()) << "no cells, no array";

  struct TCase {
    Integer Index, Amount;
    const char* Error;
  };
  for (const TCase& c : {TCase{-1, 1, "Grid index out of range"}, TCase{4, 1, "Grid index out of range"},
                         TCase{2, -2, "Too many rows or columns deleted"},
                         TCase{0, 134217723, "Grid too large for operation"}}) {
    SCOPED_TRACE(testing::Message() << c.Index << " " << c.Amount);
    TExtentArray b{3, 1, 2, 3};
    try {
      ResizeExtents(b, c.Index, c.Amount, 0);
      ADD_FAILURE() << "no error";
    } catch (const EInvalidGridOperation& e) {
      EXPECT_EQ(e.Message(), c.Error);
    }
    EXPECT_EQ(b, (TExtentArray{3, 1, 2, 3})) << "unchanged";
  }
}

// ---- Structure --------------------------------------------------------------------------------------
TEST_F(GridEngine, MovingAColumnTakesItsWidthAndTabStopEachWhenSet) {
  struct TCase {
    Integer Current, After;
  };
  for (const TCase& c : {TCase{1, 3}, TCase{2, 1}, TCase{3, 2}, TCase{4, 4}}) {
    auto grid = NewOwned<TTestGrid>(nullptr);
    grid->MoveCurrent(c.Current, 1, true, false);
    grid->MoveColumn(1, 3);
    EXPECT_EQ(grid->GetCol(), c.After) << "current column " << c.Current;
  }
  // Only tab stops of their own: the tab stop moves although no width does.
  auto grid = NewOwned<TTestGrid>(nullptr);
  grid->SetTabStops(1, false);
  grid->MoveColumn(1, 3);
  EXPECT_TRUE(grid->GetTabStops(1));
  EXPECT_FALSE(grid->GetTabStops(3));
  // Only widths of their own: the width moves, the tab stops stay as they are.
  grid->SetColWidths(2, 90);
  grid->SetTabStops(3, true);
  grid->MoveColumn(2, 0);
  EXPECT_EQ(grid->GetColWidths(0), 90);
  EXPECT_EQ(grid->GetColWidths(3), 64);
  EXPECT_THROW(grid->MoveColumn(1, 5), EInvalidGridOperation);
}

TEST_F(GridEngine, InsertingAndDeletingShiftTheSizesAfterIndex) {
  auto grid = NewOwned<TTestGrid>(nullptr);
  for (Integer c = 0; c < 5; ++c) grid->SetColWidths(c, 10 + c);
  grid->SetTabStops(4, false);
  grid->AdjustSize(2, 2, false);
  EXPECT_EQ(grid->GetColCount(), 7);
  const Integer inserted[] = {10, 11, 64, 64, 12, 13, 14};
  for (Integer c = 0; c < 7; ++c) EXPECT_EQ(grid->GetColWidths(c), inserted[c]) << "column " << c;
  EXPECT_FALSE(grid->GetTabStops(6)) << "the tab stop moved with its column";
  grid->AdjustSize(1, -3, false);
  const Integer deleted[] = {10, 12, 13, 14};
  for (Integer c = 0; c < 4; ++c) EXPECT_EQ(grid->GetColWidths(c), deleted[c]) << "column " << c;
  EXPECT_EQ(grid->GetColCount(), 4);

  try {
    grid->AdjustSize(2, -3, false);
    ADD_FAILURE() << "no error";
  } catch (const EInvalidGridOperation& e) {
    EXPECT_EQ(e.Message(), "Too many rows or columns deleted");
  }
  EXPECT_EQ(grid->GetColCount(), 4) << "nothing changed";
}

TEST_F(GridEngine, DeletingRowsMovesTheCurrentRowAndKeepsTheAnchorInside) {
  struct TCase {
    Integer Current, Anchor, Index, Amount, NewCurrent, NewAnchor;
  };
  const TCase cases[] = {
      {4, 4, 3, -2, 3, 3},  // the current row was deleted: it lands on the index
      {2, 9, 8, -2, 2, 7},  // the anchor on a deleted last row comes back inside
      {4, 4, 1, 2, 6, 6},   // inserted above: both move down
      {1, 1, 3, -2, 1, 1},  // deleted below: nothing moves
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Current << "/" << c.Anchor << " at " << c.Index << " by " << c.Amount);
    auto grid = NewOwned<TTestGrid>(nullptr);
    grid->SetRowCount(10);
    grid->MoveCurrent(1, c.Current, true, false);
    grid->MoveAnchor({1, c.Anchor});
    grid->AdjustSize(c.Index, c.Amount, true);
    EXPECT_EQ(grid->GetRow(), c.NewCurrent);
    EXPECT_EQ(grid->GetAnchorCell().Y, c.NewAnchor);
    EXPECT_LT(grid->GetAnchorCell().Y, grid->GetRowCount());
  }
}

TEST_F(GridEngine, AFailedCountChangeRestoresTheOldCounts) {
  auto grid = NewOwned<TTestGrid>(nullptr);
  grid->SetColWidths(4, 33);
  Integer calls = 0;
  grid->OnSizeChanged = [&](Integer, Integer) {
    if (++calls == 1) throw Exception("refused");
  };
  EXPECT_THROW(grid->SetColCount(8), Exception);
  EXPECT_EQ(grid->GetColCount(), 5);
  EXPECT_EQ(grid->GetColWidths(4), 33);
  grid->SetColCount(2);
  EXPECT_EQ(grid->GetColCount(), 2);
  EXPECT_EQ(grid->GetCol(), 1);
}

// ---- Stream entries ---------------------------------------------------------------------------------
String AsText(TComponent* Component) {
  auto binary = NewOwned<TMemoryStream>();
  auto text = NewOwned<TStringStream>();
  WriteComponent(binary.get(), Component);
  binary->SetPosition(0);
  ObjectBinaryToText(binary.get(), text.get());
  return text->GetDataString();
}

void ReadText(const String& Text, TComponent* Into) {
  auto text = NewOwned<TStringStream>(Text);
  auto binary = NewOwned<TMemoryStream>();
  ObjectTextToBinary(text.get(), binary.get());
  binary->SetPosition(0);
  ReadComponent(binary.get(), Into);
}

TEST_F(GridEngine, SizesOfTheirOwnAreStreamedAsListsAndReadBack) {
  auto plain = NewOwned<TTestGrid>(nullptr);
  plain->SetName("Grid1");
  EXPECT_EQ(AsText(plain.get()).find("ColWidths"), String::npos) << "widths never set are not written";

  plain->SetColWidths(2, 90);
  plain->SetRowHeights(4, 30);
  const String text = AsText(plain.get());
  EXPECT_NE(text.find("ColWidths = (\n    64\n    64\n    90\n    64\n    64)"), String::npos) << text;
  EXPECT_NE(text.find("RowHeights"), String::npos);

  auto copy = NewOwned<TTestGrid>(nullptr);
  ReadText(text, copy.get());
  EXPECT_EQ(copy->GetColWidths(2), 90);
  EXPECT_EQ(copy->GetRowHeights(4), 30);
  EXPECT_EQ(copy->GetColWidths(1), 64);

  plain->SetStoreExtents(false);
  EXPECT_EQ(AsText(plain.get()).find("ColWidths"), String::npos) << "StoreExtents off";

  auto shortList = NewOwned<TTestGrid>(nullptr);
  EXPECT_ANY_THROW(ReadText("object Grid1: TTestGrid\n  ColWidths = (\n    10\n    20)\nend\n", shortList.get()))
      << "fewer widths than columns";
}

}  // namespace
