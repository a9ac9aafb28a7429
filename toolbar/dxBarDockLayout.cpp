// The arithmetic of a dock without its windows: the bands across the dock that decide where a dragged
// toolbar lands, and the placement of the toolbars of one row along it.
#include <algorithm>
#include <numeric>

#include "dxBarDock.h"

namespace dxBar {

namespace {
constexpr Integer DockBandSize = 5;
}

// ---- Bands across the dock -------------------------------------------------------------------------------
Integer TdxDockZones::RowsExtent() const { return std::accumulate(RowExtents.begin(), RowExtents.end(), 0); }

void TdxDockZones::GetRowSpan(Integer ARow, Integer& AStart, Integer& AEnd) const {
  AStart = AEnd = 0;
  if (ARow < 0 || ARow >= static_cast<Integer>(RowExtents.size())) return;
  AStart = std::accumulate(RowExtents.begin(), RowExtents.begin() + ARow, 0);
  if (StackFromFarEdge) AStart += ClientExtent - RowsExtent();
  AEnd = AStart + RowExtents[static_cast<size_t>(ARow)];
}

void TdxDockZones::GetMargins(Integer ARow, Integer APart, Integer& AStart, Integer& AEnd) const {
  const Integer rowCount = static_cast<Integer>(RowExtents.size());
  Integer start, end;
  if (ARow < 0) {
    start = TopLeft ? -ZoneSize : ClientExtent - RowsExtent() - ZoneSize;
    end = start + ZoneSize;
  } else if (ARow >= rowCount) {
    start = TopLeft ? RowsExtent() : ClientExtent;
    end = start + ZoneSize;
  } else
    GetRowSpan(ARow, start, end);
  const Integer offset = (ZoneSize - DockBandSize) / 2;
  const Integer bandStart = TopLeft ? start + offset : end - offset - DockBandSize;
  const Integer bandEnd = bandStart + DockBandSize;
  switch (APart) {
    case 0: AStart = start, AEnd = bandStart; break;
    case 1: AStart = bandStart, AEnd = bandEnd; break;
    default: AStart = bandEnd, AEnd = end; break;
  }
}

Integer TdxDockZones::RowAt(Integer C, bool& ANewRow) const {
  const Integer rowCount = static_cast<Integer>(RowExtents.size());
  ANewRow = true;
  if (rowCount == 0) return 0;
  Integer row = -2;
  for (Integer b = -1; b < rowCount && row == -2; ++b)
    for (Integer part = 0; part < 3; ++part) {
      Integer start, end;
      GetMargins(b, part, start, end);
      if (C >= start && C < end) {
        row = part == 0 ? b : b + 1;
        ANewRow = part == 1;
        break;
      }
    }
  if (row == -2) {
    ANewRow = true;
    row = C < RowsExtent() ? 0 : rowCount;
  }
  if (row >= rowCount) ANewRow = true;
  return row;
}

Integer TdxDockZones::SnapPosition(Integer ARow, bool ANewRow) const {
  Integer start, end;
  if (ANewRow && ARow < static_cast<Integer>(RowExtents.size())) {
    GetMargins(ARow - 1, 1, start, end);
    return start + DockBandSize / 2;
  }
  Integer afterStart, afterEnd, beforeStart, beforeEnd;
  GetMargins(ARow - 1, 2, afterStart, afterEnd);
  GetMargins(ARow, 0, beforeStart, beforeEnd);
  afterStart = std::max(afterStart, afterEnd - (beforeEnd - beforeStart));
  return (afterStart + beforeEnd) / 2;
}

// ---- The toolbars of one row --------------------------------------------------------------------------
namespace {

using TColumns = std::vector<TdxDockRowLayoutColumn>;

Integer SumBefore(const TColumns& AColumns, size_t AIndex, Integer TdxDockRowLayoutColumn::*ALength) {
  Integer sum = 0;
  for (size_t i = 0; i < AIndex; ++i) sum += AColumns[i].*ALength;
  return sum;
}

bool CanForceMark(const TdxDockRowLayoutColumn& AColumn) {
  return !AColumn.MultiLine && AColumn.MinLength != AColumn.MaxLength;
}

void PlaceWholeRow(TdxDockRowLayoutColumn& AColumn, Integer ARowLength) {
  AColumn.Left = 0;
  AColumn.Length = std::max(ARowLength, AColumn.MinLength);
  AColumn.Height = AColumn.AcrossSize(AColumn.Length);
  AColumn.MarkForced = !AColumn.MultiLine && AColumn.Length < AColumn.MaxLength;
}

// Every window gets its maximum, standing at its position as far as the windows after it allow.
void PlaceWithRoom(TColumns& AColumns, Integer ARowLength) {
  Integer limit = ARowLength;
  for (size_t i = AColumns.size(); i-- > 0;) {
    TdxDockRowLayoutColumn& column = AColumns[i];
    column.Length = column.MaxLength;
    column.Height = column.AcrossSize(column.Length);
    column.Left = std::max(std::min(column.Position, limit - column.Length),
                           SumBefore(AColumns, i, &TdxDockRowLayoutColumn::MaxLength));
    limit = column.Left;
  }
}

// The row is shorter than the maxima: later windows shrink towards their minima and the first one takes
// what is left.
void PlaceSqueezed(TColumns& AColumns, Integer ARowLength) {
  Integer limit = ARowLength;
  for (size_t i = AColumns.size(); i-- > 0;) {
    TdxDockRowLayoutColumn& column = AColumns[i];
    const Integer minBefore = SumBefore(AColumns, i, &TdxDockRowLayoutColumn::MinLength);
    const Integer maxBefore = SumBefore(AColumns, i, &TdxDockRowLayoutColumn::MaxLength);
    Integer wanted = std::max(std::min(column.Position, maxBefore), minBefore);
    if (i > 0 && AColumns[i - 1].Moving) {
      // The window after the one being dragged gives way to it, not the dragged one to it.
      const TdxDockRowLayoutColumn& moving = AColumns[i - 1];
      const Integer pulled =
          std::max(moving.Position, minBefore - moving.MinLength) + moving.MaxLength;
      if (pulled < wanted) column.Position = wanted = pulled;
    }
    if (i == 0) wanted = 0;
    const Integer space = limit - wanted;
    if (i == 0 || space < column.MaxLength) {
      column.Length = std::max(space, column.MinLength);
      column.MarkForced = column.Length < column.MaxLength && CanForceMark(column);
    } else
      column.Length = column.MaxLength;
    column.Height = column.AcrossSize(column.Length);
    column.Left = std::max(std::min(limit - column.Length, maxBefore), minBefore);
    // The limit is where this window begins: a window kept right of limit - width must not be
    // overlapped by the one before it.
    limit = column.Left;
  }
}

void PlaceRestSpace(TColumns& AColumns, Integer ARowLength, bool AAutoAlignBars) {
  for (size_t i = 0; i < AColumns.size(); ++i) {
    TdxDockRowLayoutColumn& column = AColumns[i];
    if (!AAutoAlignBars && !column.UseRestSpace) continue;
    column.Left = i == 0 ? 0 : AColumns[i - 1].Left + AColumns[i - 1].Length;
    if (column.UseRestSpace) {
      const Integer end = i + 1 < AColumns.size() ? AColumns[i + 1].Left : ARowLength;
      column.Length = std::max(end - column.Left, column.MinLength);
    }
  }
}

}  // namespace

void dxCalcDockRowLayout(TColumns& AColumns, Integer ARowLength, bool AAutoAlignBars) {
  if (AColumns.empty()) return;
  for (TdxDockRowLayoutColumn& column : AColumns) column.MarkForced = false;
  if (AColumns.front().WholeRow)
    PlaceWholeRow(AColumns.front(), ARowLength);
  else {
    if (ARowLength >= SumBefore(AColumns, AColumns.size(), &TdxDockRowLayoutColumn::MaxLength))
      PlaceWithRoom(AColumns, ARowLength);
    else
      PlaceSqueezed(AColumns, ARowLength);
    PlaceRestSpace(AColumns, ARowLength, AAutoAlignBars);
  }
  Integer rowHeight = 0;
  for (const TdxDockRowLayoutColumn& column : AColumns) rowHeight = std::max(rowHeight, column.Height);
  for (TdxDockRowLayoutColumn& column : AColumns) column.Height = rowHeight;
  TdxDockRowLayoutColumn& last = AColumns.back();
  if (last.MarkForced) last.Length = std::max(ARowLength - last.Left, last.MinLength);
}

}  // namespace dxBar
