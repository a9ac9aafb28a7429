#include "TSDBGridScrollBar.h"

#include <algorithm>
#include <cmath>

namespace TSDBGrid {

Integer RoundHalfEven(double Value) { return static_cast<Integer>(std::nearbyint(Value)); }

TtsVertScrollRange VertScrollRangeOf(TtsVertScrollBarKind Kind, Integer RecordCount, Integer VisibleRows,
                                     Integer InsertionRow) {
  TtsVertScrollRange r;
  r.Min = 1;
  switch (Kind) {
    case vbkFivePosition:
      r.Max = r.Range = r.ScaledRange = fpEnd;
      break;
    case vbkPositional:
      // The last record can be scrolled to the top of the view.
      r.Max = r.Range = r.ScaledRange = RecordCount + VisibleRows + InsertionRow - 1;
      break;
    case vbkScrollStrategy:
      r.Max = r.Range = RecordCount + InsertionRow;
      r.ScaledRange = std::min(MaxVertScrollRange, r.Range);
      if (r.Range > MaxVertScrollRange) {
        r.Scaled = true;
        r.Range = r.Max - VisibleRows;
        r.ScaledRange = std::min(MaxVertScrollRange, r.Range);
      }
      break;
  }
  return r;
}

Integer VertScrollPageOf(TtsVertScrollBarKind Kind, const TtsVertScrollRange& Range, double VisibleRows) {
  if (Kind == vbkFivePosition) return 0;
  if (Range.Range <= 0) return 1;
  double wholeRows = std::trunc(VisibleRows);
  return std::max(1, RoundHalfEven(wholeRows / Range.Range * Range.ScaledRange));
}

Integer ScrollStrategyPosOf(const TtsVertScrollRange& Range, Integer TopRecord) {
  if (Range.Range <= 0) return 1;
  if (Range.Scaled)
    return RoundHalfEven(static_cast<double>(TopRecord - Range.Min) * Range.ScaledRange / Range.Range);
  return TopRecord - Range.Min;
}

Integer VertScrollRowOf(const TtsVertScrollRange& Range, Integer Pos) {
  if (Range.Scaled && Range.ScaledRange > 0)
    return RoundHalfEven(static_cast<double>(Range.Range) / Range.ScaledRange * Pos) + Range.Min;
  return Range.Min + Pos - 1;
}

Integer FivePositionOf(bool AtStart, bool AtEnd) {
  if (AtStart) return fpStart;
  if (AtEnd) return fpEnd;
  return fpBetween;
}

Integer DisplayRowsOf(Integer ClientHeight, Integer FixedHeight, Integer RowHeight, Integer HorzLineWidth,
                      bool StandardScrolling) {
  if (RowHeight == 0) return 1;
  Integer rows;
  if (StandardScrolling) {
    rows = static_cast<Integer>(std::trunc(static_cast<double>(ClientHeight + HorzLineWidth - FixedHeight) / RowHeight));
  } else {
    rows = static_cast<Integer>(std::ceil(static_cast<double>(ClientHeight - FixedHeight) / RowHeight));
  }
  return std::max(1, rows);
}

}  // namespace TSDBGrid
