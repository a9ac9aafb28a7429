// The arithmetic of the data-bound grid's vertical bar and buffer size, as tables.
#include <gtest/gtest.h>

#include "TSDBGridScrollBar.h"

using namespace TSDBGrid;

namespace {

struct RangeCase {
  TtsVertScrollBarKind Kind;
  Integer Records, Visible, Insertion;
  Integer Range, ScaledRange, Min, Max;
  bool Scaled;
  double VisibleRows;
  Integer Page;
};

TEST(DBGridScrollBar, RangeAndPageByKindOfBar) {
  const RangeCase cases[] = {
      // Five positions whatever the records, no thumb size of its own.
      {vbkFivePosition, 100, 10, 0, 5, 5, 1, 5, false, 10.0, 0},
      {vbkFivePosition, 0, 10, 0, 5, 5, 1, 5, false, 10.0, 0},
      // 100 records in a 10-row view: the last record can come to the top.
      {vbkPositional, 100, 10, 0, 109, 109, 1, 109, false, 10.0, 10},
      {vbkPositional, 100, 10, 1, 110, 110, 1, 110, false, 10.5, 10},
      // An empty dataset: no range, yet a page of 1 rather than a division by nothing.
      {vbkPositional, 0, 0, 0, -1, -1, 1, -1, false, 0.0, 1},
      {vbkScrollStrategy, 0, 10, 0, 0, 0, 1, 0, false, 10.0, 1},
      {vbkScrollStrategy, 500, 10, 1, 501, 501, 1, 501, false, 10.0, 10},
      {vbkScrollStrategy, 32767, 10, 0, 32767, 32767, 1, 32767, false, 10.0, 10},
      // Past 32767 records the bar is scaled and its thumb is one position.
      {vbkScrollStrategy, 32768, 10, 0, 32758, 32758, 1, 32768, true, 10.0, 10},
      {vbkScrollStrategy, 100000, 20, 0, 99980, 32767, 1, 100000, true, 20.0, 7},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << c.Kind << ", " << c.Records << " records, " << c.Visible
                                    << " rows");
    TtsVertScrollRange r = VertScrollRangeOf(c.Kind, c.Records, c.Visible, c.Insertion);
    EXPECT_EQ(r.Range, c.Range);
    EXPECT_EQ(r.ScaledRange, c.ScaledRange);
    EXPECT_EQ(r.Min, c.Min);
    EXPECT_EQ(r.Max, c.Max);
    EXPECT_EQ(r.Scaled, c.Scaled);
    EXPECT_EQ(VertScrollPageOf(c.Kind, r, c.VisibleRows), c.Page);
  }
}

TEST(DBGridScrollBar, ThumbPositionsAndTheRecordsTheyStandFor) {
  TtsVertScrollRange plain = VertScrollRangeOf(vbkScrollStrategy, 500, 10, 0);
  TtsVertScrollRange scaled = VertScrollRangeOf(vbkScrollStrategy, 100000, 20, 0);
  // The thumb of the view whose top row is at a place (first buffered record's number + top row).
  struct PosCase {
    const TtsVertScrollRange* Range;
    Integer TopPlace, Pos;
  } positions[] = {
      {&plain, 2, 1}, {&plain, 101, 100}, {&scaled, 2, 0}, {&scaled, 50001, 16387}, {&scaled, 99981, 32767},
  };
  for (const auto& c : positions) EXPECT_EQ(ScrollStrategyPosOf(*c.Range, c.TopPlace), c.Pos) << c.TopPlace;
  // The record a thumb position stands for.
  struct RowCase {
    const TtsVertScrollRange* Range;
    Integer Pos, Row;
  } rows[] = {
      {&plain, 1, 1}, {&plain, 100, 100}, {&scaled, 0, 1}, {&scaled, 1, 4}, {&scaled, 16384, 49993},
      {&scaled, 32767, 99981},
  };
  for (const auto& c : rows) EXPECT_EQ(VertScrollRowOf(*c.Range, c.Pos), c.Row) << c.Pos;
  TtsVertScrollRange empty = VertScrollRangeOf(vbkScrollStrategy, 0, 10, 0);
  EXPECT_EQ(ScrollStrategyPosOf(empty, 5), 1);
  EXPECT_EQ(FivePositionOf(true, false), 1);
  EXPECT_EQ(FivePositionOf(true, true), 1) << "an empty dataset is at its start";
  EXPECT_EQ(FivePositionOf(false, true), 5);
  EXPECT_EQ(FivePositionOf(false, false), 3);
}

TEST(DBGridScrollBar, DisplayRowsForAClientHeight) {
  struct Case {
    Integer Client, Fixed, RowHeight, Line;
    bool Standard;
    Integer Rows;
  } cases[] = {
      {413, 18, 19, 1, true, 20},   // the application's list: 20 whole rows
      {413, 18, 19, 1, false, 21},  // the scroll strategy counts the part row below them
      {208, 18, 19, 1, true, 10},   // the last row's bottom line may fall outside the window
      {208, 18, 19, 0, true, 10},
      {199, 18, 19, 0, true, 9},
      {199, 18, 19, 0, false, 10},
      {18, 18, 19, 1, true, 1},     // no room at all still buffers one record
      {10, 18, 19, 1, false, 1},
      {413, 18, 0, 1, true, 1},     // a zero row height buffers one record
      {413, 18, 0, 1, false, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "client " << c.Client << ", row " << c.RowHeight << ", standard "
                                    << c.Standard);
    EXPECT_EQ(DisplayRowsOf(c.Client, c.Fixed, c.RowHeight, c.Line, c.Standard), c.Rows);
  }
}

}  // namespace
