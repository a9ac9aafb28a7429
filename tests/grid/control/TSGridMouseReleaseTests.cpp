// The release of a mouse button and Escape during a mouse action: which releases are clicks, the
// heading's release and click, cancelling each kind of action, and sizing by dragging a border or
// by a double click on it, which restores the remembered size.
#include "Format.h"
#include "MouseTestSupport.h"
#include "TSGridColumns.h"

using namespace GridControlTest;

namespace {

class MouseRelease : public MouseTest {};

TEST_F(MouseRelease, PlainPressesAndHeadingsClickWhileSizesDoNot) {
  struct Case {
    const char* What;
    std::function<TPoint()> Down, Up;
    const char* Events;
  };
  const Case cases[] = {
      {"a cell", [this] { return In(2, 3); }, [this] { return In(2, 3); }, "down;click;clickcell 2,3 2,3"},
      {"from a cell to another", [this] { return In(2, 3); }, [this] { return In(3, 5); },
       "down;click;clickcell 2,3 3,5"},
      {"a heading button", [this] { return In(2, 0); }, [this] { return In(2, 0); },
       "heading down 2;down;heading up 2;heading click 2;click;clickcell 2,0 2,0"},
      {"a heading button left before the release", [this] { return In(2, 0); }, [this] { return In(3, 3); },
       "heading down 2;down;heading up 2;click;clickcell 2,0 3,3"},
      {"a column border", [this] { return In(1, 0, 63); }, [this] { return In(1, 0, 70); }, "down"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    TMouseGrid* grid = Make();
    grid->GetCols()->GetItem(2)->SetHeadingButton(cbCell);
    grid->Events.clear();
    Press(c.Down());
    Release(c.Up());
    EXPECT_EQ(Join(grid->Events), c.Events);
    EXPECT_FALSE(grid->GetInMouseDown());
    FreeAndNil(grid);
    Grid = nullptr;
  }
}

TEST_F(MouseRelease, EscapeOnAPressedHeadingReleasesItWithoutAClick) {
  TMouseGrid* grid = Make();
  grid->GetCols()->GetItem(2)->SetHeadingButton(cbCell);
  Press(In(2, 0));
  ASSERT_TRUE(grid->GetPressedHeadingDown());
  grid->Events.clear();
  Key(VK_ESCAPE);
  EXPECT_EQ(Join(grid->Events), "heading up 2");
  EXPECT_EQ(grid->GetMouseStatus(), msNormal);
  EXPECT_EQ(grid->GetPressedHeadingCol(), -1);
  EXPECT_FALSE(grid->GetPressedHeadingDown());
  Release(In(2, 0));
  EXPECT_EQ(std::count(grid->Events.begin(), grid->Events.end(), String("heading click 2")), 0);
}

TEST_F(MouseRelease, EscapeLeavesASizeAsItWas) {
  TMouseGrid* grid = Make();
  const Integer before = grid->GetColWidths(1);
  Press(In(1, 0, 63));
  MoveTo(In(1, 0, 90));
  Key(VK_ESCAPE);
  EXPECT_EQ(grid->GetMouseStatus(), msNormal);
  Release(In(1, 0, 90));
  EXPECT_EQ(grid->GetColWidths(1), before);
}

TEST_F(MouseRelease, DraggingABorderSizesTheColumnOrEveryRow) {
  TMouseGrid* grid = Make();
  Press(In(1, 0, 63));
  MoveTo(In(1, 0, 83));
  Release(In(1, 0, 83));
  EXPECT_EQ(grid->GetColWidths(1), 84);
  EXPECT_EQ(grid->GetColWidths(2), 64);
  EXPECT_EQ(grid->GetCols()->GetItem(1)->GetWidth(), 84);
  // Rows size all together (ResizeRows rrAll by default); the heading keeps its height.
  Press(In(0, 2, 5, 13));
  MoveTo(In(0, 2, 5, 19));
  Release(In(0, 2, 5, 19));
  EXPECT_EQ(grid->GetRowHeights(2), 20);
  EXPECT_EQ(grid->GetRowHeights(5), 20);
  EXPECT_EQ(grid->GetRowHeights(0), 15);
}

TEST_F(MouseRelease, ADoubleClickOnABorderRestoresTheRememberedSize) {
  TMouseGrid* grid = Make();
  // Drags the border by Delta pixels, then double-clicks where the border has gone (BorderAt).
  auto dragThenDoubleClick = [&](TPoint Border, TPoint Delta, std::function<TPoint()> BorderAt,
                                 std::function<Integer()> Size, Integer Dragged, Integer Remembered) {
    Press(Border);
    const TPoint away(Border.x + Delta.x, Border.y + Delta.y);
    MoveTo(away);
    Release(away);
    EXPECT_EQ(Size(), Dragged);
    const TPoint border = BorderAt();
    DoublePress(border);
    EXPECT_TRUE(grid->GetResizeByDoubleClick());
    Release(border);
    EXPECT_EQ(Size(), Remembered);
    EXPECT_FALSE(grid->GetResizeByDoubleClick());
  };
  {
    SCOPED_TRACE("row bar: 14");
    dragThenDoubleClick(In(0, 0, 13), TPoint(16, 0), [&] { return In(0, 0, grid->GetRowBarWidth() - 1); },
                        [&] { return grid->GetRowBarWidth(); }, 30, 14);
  }
  {
    SCOPED_TRACE("heading: 15");
    dragThenDoubleClick(In(0, 0, 5, 14), TPoint(0, 10), [&] { return In(0, 0, 5, grid->GetHeadingHeight() - 1); },
                        [&] { return grid->GetHeadingHeight(); }, 25, 15);
  }
  {
    SCOPED_TRACE("all columns: 64");
    grid->SetResizeCols(rcAll);
    dragThenDoubleClick(In(2, 0, 63), TPoint(10, 0), [&] { return In(2, 0, grid->GetColWidths(2) - 1); },
                        [&] { return grid->GetColWidths(3); }, 74, 64);
  }
  {
    SCOPED_TRACE("one column: its own width");
    grid->SetResizeCols(rcSingle);
    grid->GetCols()->GetItem(1)->SetWidth(50);
    Pump();
    dragThenDoubleClick(In(1, 0, 49), TPoint(30, 0), [&] { return In(1, 0, grid->GetColWidths(1) - 1); },
                        [&] { return grid->GetColWidths(1); }, 80, 50);
  }
}

TEST_F(MouseRelease, SizingEveryRowKeepsTheSizedRowNearItsPlace) {
  TMouseGrid* grid = Make(300, 200, 4, 60);
  grid->SetTopRow(20);
  Pump();
  const Integer row = 24;
  const Integer oldTop = Cell(0, row).top;
  Press(In(0, row, 5, 13));
  MoveTo(In(0, row, 5, 19));
  Release(In(0, row, 5, 19));
  EXPECT_EQ(grid->GetRowHeights(row), 20);
  // Row 24 was 4 rows of 14 below the fixed area; it stays about as far down in rows of 20.
  const Integer newTop = Cell(0, row).top;
  EXPECT_LE(std::abs(newTop - oldTop), 20) << "from " << oldTop << " to " << newTop;
  EXPECT_GT(grid->GetTopRow(), 20);
}

}  // namespace
