// The dock's arithmetic without windows: the bands that decide where a dragged toolbar lands, and the
// placement of the toolbars of one row.
#include <gtest/gtest.h>

#include <random>

#include "dxBarDock.h"

namespace {

TdxDockZones DockZones(std::vector<Integer> AExtents, bool ATopLeft) {
  TdxDockZones zones;
  zones.RowExtents = std::move(AExtents);
  zones.ClientExtent = zones.RowsExtent();
  zones.TopLeft = ATopLeft;
  return zones;
}

TEST(dxDockZones, TheRowUnderAPointOnNearAndFarDocks) {
  struct Case {
    bool TopLeft;
    Integer C;
    Integer Row;
    bool NewRow;
  };
  // Two rows of 26 pixels; the 5-pixel band of a range lies 9 pixels from its near end on a top dock
  // and 9 pixels from its far end on a bottom dock.
  const Case cases[] = {
      {true, -20, -1, false}, {true, -12, 0, true},  {true, -5, 0, false}, {true, 0, 0, false},
      {true, 8, 0, false},    {true, 9, 1, true},    {true, 13, 1, true},  {true, 14, 1, false},
      {true, 30, 1, false},   {true, 37, 2, true},   {true, 45, 2, true},  {true, 80, 2, true},
      {true, -40, 0, true},   {false, 11, 0, false}, {false, 12, 1, true}, {false, 16, 1, true},
      {false, 17, 1, false},  {false, 37, 1, false}, {false, 38, 2, true}, {false, 45, 2, true},
  };
  for (const Case& c : cases) {
    bool newRow = false;
    EXPECT_EQ(DockZones({26, 26}, c.TopLeft).RowAt(c.C, newRow), c.Row) << c.TopLeft << " at " << c.C;
    EXPECT_EQ(newRow, c.NewRow) << c.TopLeft << " at " << c.C;
  }
  bool newRow = false;
  EXPECT_EQ(DockZones({}, true).RowAt(100, newRow), 0);
  EXPECT_TRUE(newRow);
}

TEST(dxDockZones, ADraggedWindowSnapsIntoTheBandOrBetweenTheRows) {
  const TdxDockZones zones = DockZones({26, 26}, true);
  // A new row between rows 0 and 1: the middle of row 0's band [9, 14).
  EXPECT_EQ(zones.SnapPosition(1, true), 11);
  // Row 1 itself: the span of row 0's part after the band, shortened to row 1's part before its
  // band ([17, 26) and [26, 35)), and its middle.
  EXPECT_EQ(zones.SnapPosition(1, false), 26);
  // Far docks are stacked from their far edge while bars move: the rows lie at the dock's end.
  TdxDockZones moving = DockZones({26}, false);
  moving.ClientExtent = 60;
  moving.StackFromFarEdge = true;
  Integer start = 0, end = 0;
  moving.GetRowSpan(0, start, end);
  EXPECT_EQ(start, 34);
  EXPECT_EQ(end, 60);
}

// ---- Rows ------------------------------------------------------------------------------------------
TdxDockRowLayoutColumn Column(Integer APosition, Integer AMin, Integer AMax, Integer AHeight = 26) {
  TdxDockRowLayoutColumn column;
  column.Position = APosition;
  column.MinLength = AMin;
  column.MaxLength = AMax;
  column.AcrossSize = [AHeight](Integer) { return AHeight; };
  return column;
}

struct Placed {
  Integer Left, Length;
  bool MarkForced;
  bool operator==(const Placed&) const = default;
};
std::vector<Placed> Placement(const std::vector<TdxDockRowLayoutColumn>& AColumns) {
  std::vector<Placed> result;
  for (const TdxDockRowLayoutColumn& column : AColumns) result.push_back({column.Left, column.Length, column.MarkForced});
  return result;
}

TEST(dxDockRowLayout, WithRoomEveryWindowKeepsItsMaximumAndItsPosition) {
  std::vector<TdxDockRowLayoutColumn> columns{Column(0, 30, 100), Column(150, 30, 100)};
  dxCalcDockRowLayout(columns, 400, false);
  EXPECT_EQ(Placement(columns), (std::vector<Placed>{{0, 100, false}, {150, 100, false}}));
  // A window that would pass the row end moves back; one that would overlap its predecessor stays
  // right of the maxima before it, and its predecessor gives way.
  columns = {Column(50, 30, 100), Column(60, 30, 100), Column(390, 30, 100)};
  dxCalcDockRowLayout(columns, 400, false);
  EXPECT_EQ(Placement(columns), (std::vector<Placed>{{0, 100, false}, {100, 100, false}, {300, 100, false}}));
}

TEST(dxDockRowLayout, AShortRowSqueezesTheLaterWindowsAndStretchesTheFirst) {
  std::vector<TdxDockRowLayoutColumn> columns{Column(0, 30, 100), Column(100, 30, 100), Column(200, 30, 100)};
  dxCalcDockRowLayout(columns, 200, false);
  EXPECT_EQ(Placement(columns), (std::vector<Placed>{{0, 100, false}, {100, 70, true}, {170, 30, true}}));
  // The mark is not forced on a multi-line window nor on one that cannot shrink.
  columns = {Column(0, 30, 100), Column(100, 30, 100), Column(200, 60, 60)};
  columns[1].MultiLine = true;
  dxCalcDockRowLayout(columns, 150, false);
  EXPECT_FALSE(columns[1].MarkForced);
  EXPECT_FALSE(columns[2].MarkForced);
  EXPECT_EQ(columns[0].Left, 0);
  EXPECT_TRUE(columns[0].MarkForced);  // the first window is left 60 of its 100
}

TEST(dxDockRowLayout, TheWindowAfterTheMovedOneGivesWay) {
  std::vector<TdxDockRowLayoutColumn> columns{Column(0, 30, 100), Column(40, 20, 50), Column(200, 30, 100)};
  columns[1].Moving = true;
  dxCalcDockRowLayout(columns, 200, false);
  // Pulled back to the moved window's position plus its maximum.
  EXPECT_EQ(columns[2].Position, 90);
}

TEST(dxDockRowLayout, WholeRowRestSpaceAutoAlignAndTheRowHeight) {
  std::vector<TdxDockRowLayoutColumn> columns{Column(40, 30, 500, 40)};
  columns[0].WholeRow = true;
  dxCalcDockRowLayout(columns, 300, false);
  EXPECT_EQ(Placement(columns), (std::vector<Placed>{{0, 300, true}}));
  EXPECT_EQ(columns[0].Height, 40);

  columns = {Column(20, 30, 80, 22), Column(200, 30, 80, 30)};
  columns[0].UseRestSpace = true;
  dxCalcDockRowLayout(columns, 400, false);
  EXPECT_EQ(Placement(columns), (std::vector<Placed>{{0, 200, false}, {200, 80, false}}));
  EXPECT_EQ(columns[0].Height, 30);
  EXPECT_EQ(columns[1].Height, 30);

  columns = {Column(20, 30, 80), Column(200, 30, 80)};
  dxCalcDockRowLayout(columns, 400, true);
  EXPECT_EQ(Placement(columns), (std::vector<Placed>{{0, 80, false}, {80, 80, false}}));

  // A squeezed last window reaches the row end.
  columns = {Column(0, 30, 100), Column(100, 30, 100)};
  dxCalcDockRowLayout(columns, 150, false);
  EXPECT_EQ(columns[1].Left + columns[1].Length, 150);
}

TEST(dxDockRowLayout, RandomRowsNeverOverlapStayInsideAndKeepTheirOrder) {
  std::mt19937 random(37);
  for (Integer run = 0; run < 2000; ++run) {
    const Integer count = 1 + static_cast<Integer>(random() % 5);
    std::vector<TdxDockRowLayoutColumn> columns;
    Integer sumMin = 0;
    for (Integer i = 0; i < count; ++i) {
      const Integer minLength = 10 + static_cast<Integer>(random() % 60);
      const Integer maxLength = minLength + static_cast<Integer>(random() % 200);
      columns.push_back(Column(static_cast<Integer>(random() % 600), minLength, maxLength));
      columns.back().MultiLine = random() % 4 == 0;
      columns.back().UseRestSpace = random() % 6 == 0;
      sumMin += minLength;
    }
    std::sort(columns.begin(), columns.end(), [](auto& a, auto& b) { return a.Position < b.Position; });
    if (count > 1 && random() % 3 == 0) columns[random() % count].Moving = true;
    const Integer rowLength = sumMin + static_cast<Integer>(random() % 700);
    dxCalcDockRowLayout(columns, rowLength, random() % 5 == 0);
    for (Integer i = 0; i < count; ++i) {
      const TdxDockRowLayoutColumn& column = columns[i];
      SCOPED_TRACE(testing::Message() << "run " << run << " column " << i);
      EXPECT_GE(column.Left, 0);
      EXPECT_GE(column.Length, column.MinLength);
      EXPECT_LE(column.Left + column.Length, rowLength);
      if (i > 0) EXPECT_GE(column.Left, columns[i - 1].Left + columns[i - 1].Length);
    }
  }
}

}  // namespace
