// Scrolling of the base grid engine: moving the top-left cell and scrolling the window's bits with
// the fixed and scrolling areas apart, bringing a cell into view, and the two scroll bars, which
// move by cells over a fixed range of 0..127 (by pixels for a grid of one column).
#include <algorithm>

#include "Grids_tsEngine.h"
#include "RtlMath.h"
#include "WinUser.h"

namespace Grids_ts {

namespace {
// The range a scroll bar that moves by cells maps the scrolling cells onto.
constexpr Integer ScrollRange = 127;

// The bar position of a first scrolling cell between the fixed count and the largest first cell; a
// grid whose cells all fit has nothing to scroll and sits at 0.
Integer ScaledPosition(Integer First, Integer FixedCount, Integer MaxFirst) {
  return MaxFirst > FixedCount ? MulDiv(First - FixedCount, ScrollRange, MaxFirst - FixedCount) : 0;
}
}  // namespace

void TCustomGrid_ts::MoveTopLeft(Integer ALeft, Integer ATop) {
  if (ALeft == FTopLeft.X && ATop == FTopLeft.Y) return;
  Update();
  const TGridCoord oldTopLeft = FTopLeft;
  FTopLeft = {ALeft, ATop};
  TopLeftMoved(oldTopLeft);
}

// How far the content of an axis moves when its first scrolling cell goes from OldPos to NewPos;
// false (after invalidating the whole grid) when that is more than the scrolling area shows.
bool TCustomGrid_ts::ComputeScrollAmount(const TGridAxisDrawInfo& Axis, Integer OldPos, Integer NewPos,
                                         Integer& Amount) {
  Amount = 0;
  if (OldPos == NewPos) return true;
  for (Integer i = std::min(OldPos, NewPos); i < std::max(OldPos, NewPos); ++i) {
    Amount += Axis.ExtentOf(i) + Axis.AxisLineWidth;
    if (Amount > Axis.CellsEnd - Axis.FixedEnd) {
      InvalidateGrid();
      return false;
    }
  }
  if (OldPos < NewPos) Amount = -Amount;
  return true;
}

void TCustomGrid_ts::TopLeftMoved(const TGridCoord& OldTopLeft) {
  UpdateScrollPos();
  TGridDrawInfo info;
  CalcDrawInfo(info);
  Integer dx = 0, dy = 0;
  if (ComputeScrollAmount(info.ColAxis, OldTopLeft.X, FTopLeft.X, dx) &&
      ComputeScrollAmount(info.RowAxis, OldTopLeft.Y, FTopLeft.Y, dy))
    ScrollDataInfo(dx, dy, info);
  TopLeftChanged();
}

void TCustomGrid_ts::ScrollData(Integer DX, Integer DY) {
  TGridDrawInfo info;
  CalcDrawInfo(info);
  ScrollDataInfo(DX, DY, info);
}

// The fixed rows scroll along with the data horizontally, the fixed columns vertically; a diagonal
// move scrolls the three areas apart.
void TCustomGrid_ts::ScrollDataInfo(Integer DX, Integer DY, TGridDrawInfo& DrawInfo) {
  if (!HandleAllocated()) return;
  const UINT flags = SW_INVALIDATE | (FDefaultDrawing ? 0 : SW_ERASE);
  const bool mirrored = DrawsRightToLeft();
  HWND handle = GetHandle();
  auto scroll = [&](TRect Area, Integer ADX, Integer ADY) {
    if (mirrored) {
      Area = MirrorRect(Area);
      ADX = -ADX;
    }
    ScrollWindowEx(handle, ADX, ADY, &Area, &Area, nullptr, nullptr, flags);
  };
  const TGridAxisDrawInfo& cols = DrawInfo.ColAxis;
  const TGridAxisDrawInfo& rows = DrawInfo.RowAxis;
  if (DY == 0) {
    scroll(TRect(cols.FixedEnd, 0, cols.ClientExtent, rows.ClientExtent), DX, 0);
  } else if (DX == 0) {
    scroll(TRect(0, rows.FixedEnd, cols.ClientExtent, rows.ClientExtent), 0, DY);
  } else {
    scroll(TRect(cols.FixedEnd, 0, cols.ClientExtent, rows.FixedEnd), DX, 0);
    scroll(TRect(0, rows.FixedEnd, cols.FixedEnd, rows.ClientExtent), 0, DY);
    scroll(TRect(cols.FixedEnd, rows.FixedEnd, cols.ClientExtent, rows.ClientExtent), DX, DY);
  }
  // The focus frame of a selected row moves with the rows.
  if (FOptions.Contains(goRowSelect)) InvalidateRect(GetSelection());
}

// Fixed cells are always in view; a scrolling cell before the view becomes the first one shown, one
// after it the last one shown whole.
void TCustomGrid_ts::ClampInView(const TGridCoord& Coord) {
  if (!HandleAllocated()) return;
  TGridDrawInfo info;
  CalcDrawInfo(info);
  auto inView = [](const TGridAxisDrawInfo& A, Integer Cell) {
    return Cell < A.FixedCount || (Cell >= A.FirstScrollCell && Cell <= A.LastWholeCell);
  };
  if (inView(info.ColAxis, Coord.X) && inView(info.RowAxis, Coord.Y)) return;
  const TGridCoord maxTopLeft = CalcMaxTopLeft(Coord, info);
  Update();
  const TGridCoord oldTopLeft = FTopLeft;
  auto clamp = [](const TGridAxisDrawInfo& A, Integer Cell, Integer MaxFirst, Integer& First) {
    if (Cell < A.FixedCount) return;
    if (Cell < First) First = Cell;
    else if (Cell > A.LastWholeCell) First = MaxFirst;
  };
  clamp(info.ColAxis, Coord.X, maxTopLeft.X, FTopLeft.X);
  clamp(info.RowAxis, Coord.Y, maxTopLeft.Y, FTopLeft.Y);
  TopLeftMoved(oldTopLeft);
}

// Sets a bar's position when it differs; Maximum is the position of the far end, from which a
// right-to-left horizontal bar counts.
void TCustomGrid_ts::SetScrollPosition(Integer ScrollBar, Integer Value, Integer Maximum) {
  if (ScrollBar == SB_HORZ && DrawsRightToLeft()) Value = Maximum - Value;
  HWND handle = GetHandle();
  if (GetScrollPos(handle, ScrollBar) != Value) SetScrollPos(handle, ScrollBar, Value, TRUE);
}

void TCustomGrid_ts::UpdateScrollPos() {
  if (!HandleAllocated() || FScrollBars == ssNone) return;
  TGridDrawInfo info;
  CalcDrawInfo(info);
  const TGridCoord maxTopLeft = CalcMaxTopLeft({FColCount - 1, FRowCount - 1}, info);
  if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) {
    if (FColCount == 1) {
      const Integer w = GetColWidths(info.ColAxis.FirstScrollCell), s = GetClientWidth() - info.ColAxis.FixedEnd;
      if (FColOffset > 0 && s > w - FColOffset) ModifyScrollBar(SB_HORZ, SB_THUMBPOSITION, w - s, true);
      else SetScrollPosition(SB_HORZ, FColOffset, w - s);
    } else {
      SetScrollPosition(SB_HORZ, ScaledPosition(FTopLeft.X, FFixedCols, maxTopLeft.X), ScrollRange);
    }
  }
  if (FScrollBars == ssVertical || FScrollBars == ssBoth)
    SetScrollPosition(SB_VERT, ScaledPosition(FTopLeft.Y, FFixedRows, maxTopLeft.Y), ScrollRange);
}

void TCustomGrid_ts::UpdateScrollRange() {
  if (FScrollBars == ssNone || !HandleAllocated() || !Showing()) return;
  HWND handle = GetHandle();
  auto hasRange = [handle](int Bar) {
    int low = 0, high = 0;
    GetScrollRange(handle, Bar, &low, &high);
    return low != high;
  };
  // The first layout is made as if neither bar took room.
  Integer width = GetClientWidth(), height = GetClientHeight();
  if (hasRange(SB_HORZ)) height += GetSystemMetrics(SM_CYHSCROLL);
  if (hasRange(SB_VERT)) width += GetSystemMetrics(SM_CXVSCROLL);

  const TGridCoord oldTopLeft = FTopLeft;
  const TScrollStyle oldScrollBars = FScrollBars;
  const bool horizontal = oldScrollBars == ssHorizontal || oldScrollBars == ssBoth;
  const bool vertical = oldScrollBars == ssVertical || oldScrollBars == ssBoth;
  bool updated = false;
  auto updateOnce = [&] {
    if (!updated) Update();
    updated = true;
  };
  // One bar's range from the layout the extents give; a first cell beyond the largest one comes
  // back to it.
  auto range = [&](bool Horizontal, Integer UseWidth, Integer UseHeight) {
    if (Horizontal && FColCount == 1) {
      SetScrollRange(handle, SB_HORZ, 0, std::max<Integer>(0, GetColWidths(0) - GetClientWidth()), TRUE);
      return;
    }
    TGridDrawInfo info;
    CalcDrawInfoXY(info, UseWidth, UseHeight);
    const TGridCoord maxTopLeft = CalcMaxTopLeft({FColCount - 1, FRowCount - 1}, info);
    const Integer maxFirst = Horizontal ? maxTopLeft.X : maxTopLeft.Y;
    const Integer fixedCount = Horizontal ? FFixedCols : FFixedRows;
    SetScrollRange(handle, Horizontal ? SB_HORZ : SB_VERT, 0, fixedCount < maxFirst ? ScrollRange : 0, TRUE);
    if ((Horizontal ? oldTopLeft.X : oldTopLeft.Y) > maxFirst) {
      updateOnce();
      (Horizontal ? FTopLeft.X : FTopLeft.Y) = maxFirst;
    }
  };

  // Nested calls (the bars appearing resize the window) find the style ssNone and do nothing.
  FScrollBars = ssNone;
  try {
    if (horizontal) range(true, width, height);
    height = GetClientHeight();
    if (vertical) range(false, width, height);
    // The vertical bar appeared or vanished: the horizontal range is worked out again.
    if (horizontal && GetClientWidth() != width) range(true, GetClientWidth(), height);
  } catch (...) {
    FScrollBars = oldScrollBars;
    throw;
  }
  FScrollBars = oldScrollBars;
  UpdateScrollPos();
  if (FTopLeft != oldTopLeft) TopLeftMoved(oldTopLeft);
}

void TCustomGrid_ts::ModifyScrollBar(Integer ScrollBar, Integer ScrollCode, Integer Pos, bool UseRightToLeft) {
  const bool horizontal = ScrollBar == SB_HORZ;
  const Integer factor = UseRightToLeft && horizontal && DrawsRightToLeft() ? -1 : 1;
  if (GetVisible() && CanFocus() && GetTabStop() && !ComponentState().Contains(csDesigning)) SetFocus();
  TGridDrawInfo info;
  CalcDrawInfo(info);
  if (horizontal && FColCount == 1) {
    PixelScroll(ScrollCode, Pos, factor, info);
    return;
  }
  const TGridAxisDrawInfo& axis = horizontal ? info.ColAxis : info.RowAxis;
  const TGridCoord maxTopLeft = CalcMaxTopLeft({FColCount - 1, FRowCount - 1}, info);
  const Integer minimum = horizontal ? FFixedCols : FFixedRows;
  const Integer maximum = std::max(minimum, horizontal ? maxTopLeft.X : maxTopLeft.Y);
  const Integer first = horizontal ? FTopLeft.X : FTopLeft.Y;
  const TGridCoord pageStart = CalcMaxTopLeft(FTopLeft, info);
  const Integer pageUp = std::max<Integer>(1, first - (horizontal ? pageStart.X : pageStart.Y));
  const Integer pageDown = std::max<Integer>(1, axis.LastWholeCell - first);
  auto thumb = [&] {
    const Integer offset = MulDiv(Pos, maximum - minimum, ScrollRange);
    return factor < 0 ? maximum - offset : minimum + offset;
  };
  auto step = [&](Integer Value) {
    switch (ScrollCode) {
      case SB_LINEUP: return Value - factor;
      case SB_LINEDOWN: return Value + factor;
      case SB_PAGEUP: return Value - pageUp * factor;
      case SB_PAGEDOWN: return Value + pageDown * factor;
      case SB_THUMBPOSITION: return thumb();
      case SB_THUMBTRACK: return FOptions.Contains(goThumbTracking) ? thumb() : Value;
      case SB_TOP: return minimum;
      case SB_BOTTOM: return maximum;
      default: return Value;
    }
  };
  // Hidden rows and columns are passed over.
  Integer value = first;
  for (;;) {
    const Integer next = step(value);
    const bool done = next <= minimum || next >= maximum || axis.ExtentOf(next) > 0 || next == value;
    value = next;
    if (done) break;
  }
  value = std::clamp(value, minimum, maximum);
  if (value != first) MoveTopLeft(horizontal ? value : FTopLeft.X, horizontal ? FTopLeft.Y : value);
}

// A grid of one column scrolls it by pixels: PixelOffset is how much of it is hidden at the left.
void TCustomGrid_ts::PixelScroll(Integer ScrollCode, Integer Pos, Integer Factor, TGridDrawInfo& DrawInfo) {
  const Integer oldOffset = FColOffset;
  const Integer w = GetColWidths(DrawInfo.ColAxis.FirstScrollCell);
  const Integer s = GetClientWidth() - DrawInfo.ColAxis.FixedEnd;
  Integer offset = oldOffset;
  switch (ScrollCode) {
    case SB_LINEUP: offset -= GetCanvas()->TextWidth("0") * Factor; break;
    case SB_LINEDOWN: offset += GetCanvas()->TextWidth("0") * Factor; break;
    case SB_PAGEUP: offset -= s * Factor; break;
    case SB_PAGEDOWN: offset += s * Factor; break;
    case SB_THUMBTRACK:
      if (!FOptions.Contains(goThumbTracking)) break;
      [[fallthrough]];
    case SB_THUMBPOSITION: offset = Factor < 0 ? (w - s) - Pos : Pos; break;
    case SB_TOP: offset = 0; break;
    case SB_BOTTOM: offset = w - s; break;
    default: break;
  }
  offset = std::clamp<Integer>(offset, 0, std::max<Integer>(0, w - s));
  if (offset == oldOffset) return;
  FColOffset = offset;
  ScrollData(oldOffset - offset, 0);
  InvalidateRect({0, 0, 0, FFixedRows});
  Update();
  UpdateScrollPos();
}

}  // namespace Grids_ts
