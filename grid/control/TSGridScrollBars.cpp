// The grid's own window scroll bars. Their positions count the visible scrolling columns and rows
// (hidden ones take no room on a bar); above 32767 rows a bar is scaled onto 0..32767. Scroll
// requests become a new left column or top row, kept where the last columns and rows still fill the
// window. Updates asked for while the grid cannot paint wait for its next paint.
#include <cmath>

#include "TSGridImpl.h"
#include "TSGridStores.h"
#include "WinScrollBars.h"

namespace TSGrid {

namespace {

constexpr Integer MaxScrollRange = 0x7FFF;

// Rounds to the nearest integer, halves to the even neighbour.
Integer RoundEven(double Value) { return static_cast<Integer>(std::nearbyint(Value)); }

bool Horizontal(TScrollStyle Style) { return Style == ssHorizontal || Style == ssBoth; }
bool Vertical(TScrollStyle Style) { return Style == ssVertical || Style == ssBoth; }

// The scroll geometry of one axis: the list positions of the scrolling cells and the range the bar
// shows them on.
struct TScrollGeometry {
  Integer Count = 0, Range = 0, FirstIndex = 0, LastIndex = 0;
  bool Scaled = false;
};

TScrollGeometry AxisGeometry(TtsVisibleItems* List, Integer FixedCount, Integer MaxScrollPosition) {
  TScrollGeometry g;
  g.FirstIndex = List->Locate(FixedCount);
  g.LastIndex = List->GetSize();
  g.Count = g.LastIndex - g.FirstIndex + 1;
  g.Range = std::min(MaxScrollRange, g.Count);
  if (g.Count > MaxScrollRange) {
    g.Scaled = true;
    g.Count = MaxScrollPosition - g.FirstIndex;
    g.Range = std::min(MaxScrollRange, g.Count);
  }
  return g;
}

// The largest list position at which the cells from it to the end still fill the window.
template <class Extent>
Integer MaxScrollPosition(TtsVisibleItems* List, Integer FixedCount, Integer FixedExtent, Integer Client,
                          Extent ExtentOf) {
  Integer first = List->Locate(FixedCount);
  Integer size = List->GetSize();
  if (size == 0) return std::min(first, size);
  Integer p = size;
  Integer used = FixedExtent + ExtentOf(List->GetItem(p));
  while (p > 1 && List->GetItem(p - 1) >= FixedCount && used + ExtentOf(List->GetItem(p - 1)) <= Client) {
    --p;
    used += ExtentOf(List->GetItem(p));
  }
  return std::min(std::max(p, first), size);
}

// The bar position of the first scrolling cell shown.
Integer AxisPosition(const TScrollGeometry& G, TtsVisibleItems* List, Integer FirstShown, Integer MaxPosition) {
  if (G.Count <= 0) return 1;
  Integer p = List->Locate(FirstShown);
  Integer size = List->GetSize();
  if (G.Scaled) {
    Integer position = RoundEven(static_cast<double>(G.Range) / G.Count * (p - G.FirstIndex));
    return position > size ? G.LastIndex : position;
  }
  Integer position = p - G.FirstIndex + 1;
  return position > size ? MaxPosition : position;
}

// The display position a scroll request makes the first one shown.
Integer AxisScrollTarget(TtsVisibleItems* List, Integer FixedCount, Integer FirstShown, Integer ScrollCode,
                         Integer ThumbPos, bool Tracking, Integer PageBack, Integer PageForward,
                         const TScrollGeometry& G, Integer MaxPosition) {
  Integer size = List->GetSize();
  Integer first = List->Locate(FixedCount);
  Integer p = List->Locate(FirstShown);
  switch (ScrollCode) {
    case SB_LINEUP: --p; break;
    case SB_LINEDOWN: ++p; break;
    case SB_PAGEUP: p -= std::max(1, PageBack); break;
    case SB_PAGEDOWN: p += std::max(1, PageForward); break;
    case SB_TOP: p = first; break;
    case SB_BOTTOM: p = size; break;
    case SB_THUMBTRACK:
      if (!Tracking) break;
      [[fallthrough]];
    case SB_THUMBPOSITION:
      if (G.Scaled) {
        // An empty range has nothing to map the thumb onto.
        p = G.Range > 0 ? RoundEven(static_cast<double>(G.Count) / G.Range * ThumbPos) + G.FirstIndex : G.FirstIndex;
        if (p > size) p = MaxPosition;
      } else {
        p = G.FirstIndex + ThumbPos - 1;
        if (p > size) p = G.LastIndex;
      }
      break;
    default: break;
  }
  if (p > size) return List->GetItem(size);
  if (p <= 0) return List->GetItem(first);
  return List->GetItem(p);
}

}  // namespace

// ---- Ranges, pages and positions ------------------------------------------------------------------------
Integer TtsBaseGrid::GetMaxScrollRow() {
  if (!HandleAllocated()) return 0;
  return MaxScrollPosition(FVisibleRowItems, GetFixedRows(), FFixedHeight, GetClientHeight(),
                           [this](Integer Row) { return GetRowHeights(Row); });
}

Integer TtsBaseGrid::GetMaxScrollCol() {
  if (!HandleAllocated()) return 0;
  return MaxScrollPosition(FVisibleColItems, GetFixedCols(), FFixedWidth, GetClientWidth(),
                           [this](Integer Col) { return GetColWidths(Col); });
}

void TtsBaseGrid::GetHorzScrollRange(Integer& Count, Integer& Range, Integer& FirstIndex, Integer& LastIndex,
                                     bool& Scaled) {
  TScrollGeometry g = AxisGeometry(FVisibleColItems, GetFixedCols(), GetMaxScrollCol());
  Count = g.Count, Range = g.Range, FirstIndex = g.FirstIndex, LastIndex = g.LastIndex, Scaled = g.Scaled;
}

void TtsBaseGrid::GetVertScrollRange(Integer& Count, Integer& Range, Integer& FirstIndex, Integer& LastIndex,
                                     bool& Scaled) {
  TScrollGeometry g = AxisGeometry(FVisibleRowItems, GetFixedRows(), GetMaxScrollRow());
  Count = g.Count, Range = g.Range, FirstIndex = g.FirstIndex, LastIndex = g.LastIndex, Scaled = g.Scaled;
}

Integer TtsBaseGrid::GetHorzScrollPos() {
  TScrollGeometry g;
  GetHorzScrollRange(g.Count, g.Range, g.FirstIndex, g.LastIndex, g.Scaled);
  return AxisPosition(g, FVisibleColItems, GetLeftCol(), GetMaxScrollCol());
}

Integer TtsBaseGrid::GetVertScrollPos() {
  TScrollGeometry g;
  GetVertScrollRange(g.Count, g.Range, g.FirstIndex, g.LastIndex, g.Scaled);
  return AxisPosition(g, FVisibleRowItems, GetTopRow(), GetMaxScrollRow());
}

Integer TtsBaseGrid::VertScrollPageSize(Integer Range, Integer Count, Integer LastIndex) {
  if (Count <= 0) return 0;
  return std::max(1, RoundEven(static_cast<double>(LastIndex - GetMaxScrollRow() + 1) / Count * Range));
}

void TtsBaseGrid::CurrentScrollInfo(Integer Bar, SCROLLINFO& Info) {
  Info = SCROLLINFO();
  Info.cbSize = sizeof(SCROLLINFO);
  Info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
  ::GetScrollInfo(GetHandle(), Bar, &Info);
}

void TtsBaseGrid::GetScrollBarInfo(Integer Bar, SCROLLINFO& Current, SCROLLINFO& New) {
  CurrentScrollInfo(Bar, Current);
  New = Current;
  TScrollGeometry g;
  Integer page;
  if (Bar == SB_VERT) {
    GetVertScrollRange(g.Count, g.Range, g.FirstIndex, g.LastIndex, g.Scaled);
    page = VertScrollPageSize(g.Range, g.Count, g.LastIndex);
  } else {
    GetHorzScrollRange(g.Count, g.Range, g.FirstIndex, g.LastIndex, g.Scaled);
    page = g.Count <= 0 ? 0
                        : std::max(1, RoundEven(static_cast<double>(g.LastIndex - GetMaxScrollCol() + 1) / g.Count *
                                                g.Range));
  }
  New.nMin = g.Scaled ? 0 : 1;
  New.nMax = g.Range;
  New.nPage = static_cast<UINT>(g.Count == 0 ? 0 : g.Scaled ? 1 : page);
}

// ---- Showing the bars -----------------------------------------------------------------------------------
bool TtsBaseGrid::AlwaysShowHorzScrollBar() {
  return Horizontal(FAlwaysShowScrollBar) && Horizontal(FScrollBars);
}

bool TtsBaseGrid::AlwaysShowVertScrollBar() { return Vertical(FAlwaysShowScrollBar) && Vertical(FScrollBars); }

void TtsBaseGrid::SetBarVisible(Integer Bar, bool Show) {
  bool& shown = Bar == SB_VERT ? FVertBarShown : FHorzBarShown;
  bool always = Bar == SB_VERT ? AlwaysShowVertScrollBar() : AlwaysShowHorzScrollBar();
  HWND handle = GetHandle();
  if (Show) {
    SCROLLINFO current, fresh;
    GetScrollBarInfo(Bar, current, fresh);
    fresh.nPos = Bar == SB_VERT ? GetVertScrollPos() : GetHorzScrollPos();
    shown = true;
    if (fresh.nMin != current.nMin || fresh.nMax != current.nMax || fresh.nPage != current.nPage ||
        fresh.nPos != current.nPos) {
      fresh.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
      ::SetScrollInfo(handle, Bar, &fresh, TRUE);
    }
    EnableScrollBar(handle, Bar, ESB_ENABLE_BOTH);
    ShowScrollBar(handle, Bar, TRUE);
    return;
  }
  if (!shown && !always) return;
  shown = always;
  if (always) {
    ShowScrollBar(handle, Bar, TRUE);
    EnableScrollBar(handle, Bar, ESB_DISABLE_BOTH);
  } else {
    ShowScrollBar(handle, Bar, FALSE);
  }
}

void TtsBaseGrid::SetHorzVisible(bool Show) { SetBarVisible(SB_HORZ, Show); }
void TtsBaseGrid::SetVertVisible(bool Show) { SetBarVisible(SB_VERT, Show); }

void TtsBaseGrid::UpdateScrollRange() {
  if (!HandleAllocated()) return;
  if (!CanPaint()) {
    FScrollRangePending = true;
    return;
  }
  if (FScrollRangeUpdating) {
    FScrollRangeRecheck = true;
    return;
  }
  FScrollRangeUpdating = true;
  try {
    SetHorzVisible(CanShowHorzScrollBar());
    SetVertVisible(CanShowVertScrollBar());
    FScrollRangePending = false;
  } catch (...) {
    FScrollRangeUpdating = false;
    throw;
  }
  FScrollRangeUpdating = false;
}

void TtsBaseGrid::UpdateScrollPos() {
  if (!HandleAllocated() || FScrollBars == ssNone) return;
  if (!CanPaint()) {
    FScrollPosPending = true;
    return;
  }
  HWND handle = GetHandle();
  if (Horizontal(FScrollBars)) {
    Integer position = GetHorzScrollPos();
    if (position != GetScrollPos(handle, SB_HORZ)) SetScrollPos(handle, SB_HORZ, position, TRUE);
  }
  if (Vertical(FScrollBars)) {
    Integer position = GetVertScrollPos();
    if (position != GetScrollPos(handle, SB_VERT)) SetScrollPos(handle, SB_VERT, position, TRUE);
  }
  FScrollPosPending = false;
}

// ---- Whether a bar is needed ------------------------------------------------------------------------------
namespace {

// Whether the scrolling cells from FixedCount on need more than the given extent: when they do not
// fit and more than one of them (of positive extent, or in the visible list) could be scrolled to.
template <class Extent>
bool NeedsBar(Integer Given, Integer FixedCount, Integer Count, Integer FixedExtent, TtsVisibleItems* List,
              Extent ExtentOf) {
  Integer sum = FixedExtent, counted = 0;
  for (Integer i = FixedCount; i < Count && Given >= sum; ++i) {
    Integer extent = ExtentOf(i);
    sum += extent;
    if (extent > 0) ++counted;
  }
  if (Given >= sum) return false;
  return counted > 1 || List->GetSize() - List->Locate(FixedCount) + 1 > 1;
}

}  // namespace

bool TtsBaseGrid::ShowHorzScrollBar(Integer Width) {
  if (!HandleAllocated() || !Horizontal(FScrollBars)) return false;
  return NeedsBar(Width, GetFixedCols(), GetColCount(), FFixedWidth, FVisibleColItems,
                  [this](Integer Col) { return GetColWidths(Col); });
}

bool TtsBaseGrid::ShowVertScrollBar(Integer Height) {
  if (!HandleAllocated() || !Vertical(FScrollBars)) return false;
  return NeedsBar(Height, GetFixedRows(), GetRowCount(), FFixedHeight, FVisibleRowItems,
                  [this](Integer Row) { return GetRowHeights(Row); });
}

bool TtsBaseGrid::CanShowHorzScrollBar() {
  if (!HandleAllocated()) return false;
  Integer width = GetClientWidth();
  if (AlwaysShowVertScrollBar() && !FVertBarShown) width -= GetVertScrollBarWidth();
  return ShowHorzScrollBar(width);
}

bool TtsBaseGrid::CanShowVertScrollBar() {
  if (!HandleAllocated()) return false;
  Integer height = GetClientHeight();
  if (AlwaysShowHorzScrollBar() && !FHorzBarShown) height -= GetHorzScrollBarHeight();
  return ShowVertScrollBar(height);
}

// ---- Scroll requests -------------------------------------------------------------------------------------
Integer TtsBaseGrid::CalcHorzScrollBar(Integer ScrollCode, Integer ThumbPos) {
  TScrollGeometry g;
  GetHorzScrollRange(g.Count, g.Range, g.FirstIndex, g.LastIndex, g.Scaled);
  return AxisScrollTarget(FVisibleColItems, GetFixedCols(), GetLeftCol(), ScrollCode, ThumbPos,
                          GetOptions().Contains(goThumbTracking), PrevScrollCols(), VisibleScrollCols(), g,
                          GetMaxScrollCol());
}

Integer TtsBaseGrid::CalcVertScrollBar(Integer ScrollCode, Integer ThumbPos) {
  TScrollGeometry g;
  GetVertScrollRange(g.Count, g.Range, g.FirstIndex, g.LastIndex, g.Scaled);
  return AxisScrollTarget(FVisibleRowItems, GetFixedRows(), GetTopRow(), ScrollCode, ThumbPos,
                          GetOptions().Contains(goThumbTracking), PrevScrollRows(), VisibleScrollRows(), g,
                          GetMaxScrollRow());
}

void TtsBaseGrid::TakeFocusForScroll() {
  if (GetVisible() && CanFocus() && !ComponentState().Contains(csDesigning) && !Focused() && CanSetFocus()) SetFocus();
}

void TtsBaseGrid::ModifyHorzScrollBar(Integer ScrollCode, Integer ThumbPos) {
  TakeFocusForScroll();
  Integer col = std::min(std::max(CalcHorzScrollBar(ScrollCode, ThumbPos), GetFixedCols()), GetMaxLeftCol());
  if (col != GetLeftCol()) MoveTopLeft(col, GetTopRow());
  DrawCurrentFocusRect(true);
}

void TtsBaseGrid::ModifyVertScrollBar(Integer ScrollCode, Integer ThumbPos) {
  TakeFocusForScroll();
  Integer row = std::min(std::max(CalcVertScrollBar(ScrollCode, ThumbPos), GetFixedRows()), GetMaxTopRow());
  if (row != GetTopRow()) MoveTopLeft(GetLeftCol(), row);
  DrawCurrentFocusRect(true);
}

void TtsBaseGrid::HideControlBeforeScroll(bool InvalidateCurrent) {
  if (!FControlHidden) HideGridControl(false);
  if (InvalidateCurrent && InEditMode()) InvalidateCell(FCurDisplayCol, FCurDisplayRow);
}

// ---- Messages ------------------------------------------------------------------------------------------------
// A request to scroll back while the first scrolling position is shown is ignored; the vertical bar
// also updates the window after every request it handles.
void TtsBaseGrid::WMScroll(TMessage& Message, bool Vertical) {
  Message.Result = 0;
  CheckDropDownOff(false);
  Integer code = Message.WParamLo(), thumb = Message.WParamHi();
  bool atStart = Vertical ? GetTopRow() == GetFixedRows() : GetLeftCol() == GetFixedCols();
  if ((code == SB_LINEUP || code == SB_PAGEUP) && atStart) return;
  if (code != SB_ENDSCROLL) HideControlBeforeScroll(!Focused());
  if (Vertical)
    ModifyVertScrollBar(code, thumb);
  else
    ModifyHorzScrollBar(code, thumb);
  UpdateScrollPos();
  if (code == SB_ENDSCROLL) {
    ShowControlAfterScroll();
    Update();
  } else if (Vertical) {
    Update();
  }
}

void TtsBaseGrid::WMHScroll(TMessage& Message) { WMScroll(Message, false); }
void TtsBaseGrid::WMVScroll(TMessage& Message) { WMScroll(Message, true); }

void TtsBaseGrid::WMSize(TMessage& Message) {
  inherited::Dispatch(Message);
  CheckTopLeft(false);
  AdjustComboGridExtents(GetDropDownCols(), GetDropDownRows());
  if (!ComponentState().Contains(csLoading)) DoResize();
  UpdateScrollRange();
}

// With a window the size message reports the change, in its place among the grid's own updates.
void TtsBaseGrid::Resize() {
  if (!HandleAllocated()) DoResize();
}

}  // namespace TSGrid
