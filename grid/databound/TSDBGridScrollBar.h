// The arithmetic of the data-bound grid's vertical scroll bar and of its display buffer size, apart
// from the grid so that each rule can be checked by itself. A bound grid's rows are the records that
// fit its window, so its bar counts records, not rows: over a dataset without record numbers it has
// five positions (start, before, between, after, end); otherwise one position per record, scaled
// onto 0..32767 when the scroll strategy knows more records than that.
#pragma once

#include "System.h"

namespace TSDBGrid {

// The largest number of positions a scroll bar shows unscaled.
constexpr Integer MaxVertScrollRange = 32767;

// The five-position bar's positions.
enum TtsFivePosition : Integer { fpStart = 1, fpBack = 2, fpBetween = 3, fpForward = 4, fpEnd = 5 };

enum TtsVertScrollBarKind {
  vbkFivePosition,   // standard scrolling over a dataset without record numbers
  vbkPositional,     // standard scrolling over a sequenced dataset
  vbkScrollStrategy  // the scroll strategy: positional, scaled above MaxVertScrollRange records
};

// The logical range of the vertical bar: Range positions from Min to Max, shown on ScaledRange
// positions of the window's bar when Scaled.
struct TtsVertScrollRange {
  Integer Range = 0;
  Integer ScaledRange = 0;
  Integer Min = 0;
  Integer Max = 0;
  bool Scaled = false;
};

// RecordCount: the records known; VisibleRows: the data rows the view shows; InsertionRow: 1 while
// the grid shows an insertion row, else 0.
TtsVertScrollRange VertScrollRangeOf(TtsVertScrollBarKind Kind, Integer RecordCount, Integer VisibleRows,
                                     Integer InsertionRow);

// The thumb's size in positions: none on the five-position bar, at least 1 otherwise (also for an
// empty range). VisibleRows may include a partly shown last row; only whole rows count.
Integer VertScrollPageOf(TtsVertScrollBarKind Kind, const TtsVertScrollRange& Range, double VisibleRows);

// The thumb position of the view whose top row shows record number TopRecord (scaled or scroll
// strategy); 1 for an empty range.
Integer ScrollStrategyPosOf(const TtsVertScrollRange& Range, Integer TopRecord);

// The record number a thumb position stands for.
Integer VertScrollRowOf(const TtsVertScrollRange& Range, Integer Pos);

// The five-position bar's position for a dataset at its start, at its end or between.
Integer FivePositionOf(bool AtStart, bool AtEnd);

// The rows a window of ClientHeight can show below FixedHeight: whole rows with standard scrolling
// (a row's bottom line may fall just outside), a partly shown last row counted otherwise; at least 1,
// also for a row height of 0.
Integer DisplayRowsOf(Integer ClientHeight, Integer FixedHeight, Integer RowHeight, Integer HorzLineWidth,
                      bool StandardScrolling);

// Rounds to the nearest whole number, halves to the even neighbour.
Integer RoundHalfEven(double Value);

}  // namespace TSDBGrid
