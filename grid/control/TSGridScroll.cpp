// Scrolling the grid's window: when the top-left cell moves, the pixels already drawn move with
// ScrollWindowEx and only the uncovered strip is painted again, unless the move is too large for
// that to pay. The in-place control's cell or the row being selected can be kept out of the moved
// pixels. Also the pacing of automatic scrolling while the mouse is held outside the grid.
#include <cmath>
#include <cstdlib>

#include "DateTime.h"
#include "TSGridImpl.h"
#include "WinInput.h"
#include "WinMetrics.h"
#include "WinPaint.h"
#include "WinQueue.h"
#include "WinUserDraw.h"

namespace TSGrid {

namespace {

// Moving pixels pays while at least a fifth of the scrolling extent stays on screen.
bool WorthScrolling(Integer Client, Integer Fixed, Integer Amount) {
  return static_cast<double>(Client - Fixed - std::abs(Amount)) >= static_cast<double>(Client - Fixed) / 5.0;
}

}  // namespace

// ---- Choosing how to scroll ---------------------------------------------------------------------------
void TtsBaseGrid::ScrollDataInfo(Integer DX, Integer DY, TGridDrawInfo& DrawInfo) {
  if (!CanPaint()) {
    Invalidate();
    return;
  }
  switch (FScrollMode) {
    case smWindow: ScrollWindow(DX, DY, DrawInfo); break;
    case smGridControl: ScrollControl(DX, DY, DrawInfo); break;
    case smRowSelect: ScrollRowSelect(DY); break;
  }
}

void TtsBaseGrid::ScrollWindow(Integer DX, Integer DY, TGridDrawInfo& DrawInfo) {
  if (DX == 0 && DY < 0)
    ScrollUp(DY);
  else if (DX == 0 && DY > 0)
    ScrollDown(DY);
  else if (DX < 0 && DY == 0)
    ScrollLeft(DX);
  else if (DX > 0 && DY == 0)
    ScrollRight(DX);
  else
    inherited::ScrollDataInfo(DX, DY, DrawInfo);
}

void TtsBaseGrid::ScrollControl(Integer DX, Integer DY, TGridDrawInfo& DrawInfo) {
  if (DY == 0)
    ScrollControlHorizontal(DX);
  else if (DX != 0)
    inherited::ScrollDataInfo(DX, DY, DrawInfo);
  else if (FControlRect == NullRect)
    ScrollRowSelect(DY);
  else
    ScrollControlVertical(DY);
}

void TtsBaseGrid::SetScrollMode(TtsScrollMode Mode) {
  FScrollMode = Mode;
  SetControlRect(FPrevDisplayCol, FPrevDisplayRow);
  SetRowSelectRect(FPrevDisplayRow);
}

void TtsBaseGrid::SetControlRect(Integer DisplayCol, Integer DisplayRow) {
  TRect r;
  BoxRect(DisplayCol, DisplayRow, DisplayCol, DisplayRow, r);
  if (IsRectEmpty(&r)) {
    FControlRect = NullRect;
    return;
  }
  r.left += 3;
  if (CheckCellFocusRect(DisplayCol, DisplayRow, true) && (FFocusBorder == fbSingle || FFocusBorder == fbDouble)) {
    r.left -= 1;
    r.top -= 1;
  }
  FControlRect = r;
}

void TtsBaseGrid::SetRowSelectRect(Integer DisplayRow) { CellRect(0, DisplayRow, FRowSelectRect); }

void TtsBaseGrid::ScrollGrid(Integer LeftCol, Integer TopRow, TtsScrollMode Mode) {
  SetScrollMode(Mode);
  try {
    bool left = LeftCol != GetLeftCol(), top = TopRow != GetTopRow();
    if (left && top)
      MoveTopLeft(LeftCol, TopRow);
    else if (left)
      SetLeftCol(LeftCol);
    else if (top)
      SetTopRow(TopRow);
  } catch (...) {
    ResetScrollMode();
    throw;
  }
  ResetScrollMode();
}

// ---- Moving pixels ---------------------------------------------------------------------------------------
void TtsBaseGrid::ScrollRect(Integer Left, Integer Top, Integer Right, Integer Bottom, Integer Amount,
                             bool Horizontal) {
  RECT r = TRect(Left, Top, Right, Bottom);
  WinPaint::ScrollWindowEx(GetHandle(), Horizontal ? Amount : 0, Horizontal ? 0 : Amount, &r, &r, nullptr, nullptr,
                           SW_INVALIDATE);
}

Integer TtsBaseGrid::GetScrollHeight(Integer DY) {
  if (!HandleAllocated()) return 0;
  Integer height = std::abs(DY) + FFixedHeight;
  for (Integer row = GetTopRow(); row < GetRowCount(); ++row) {
    Integer rowHeight = GetRowHeights(row);
    if (height + rowHeight > GetClientHeight()) break;
    height += rowHeight;
  }
  return height;
}

Integer TtsBaseGrid::GetScrollWidth(Integer DX) {
  if (!HandleAllocated()) return 0;
  Integer width = std::abs(DX) + FFixedWidth;
  for (Integer col = GetLeftCol(); col < GetColCount(); ++col) {
    Integer colWidth = GetColWidths(col);
    if (width + colWidth > GetClientWidth()) break;
    width += colWidth;
  }
  return width;
}

// The bottom of the last row inside the window, its line included. Taken from the row itself, so
// that a hidden row bar (whose cells are empty rectangles) does not make it 0.
Integer TtsBaseGrid::GetMaxScrollHeight() {
  if (!HandleAllocated()) return 0;
  Integer row = MaxVisibleRow();
  Integer top = CalcRowOffset(row);
  if (top < 0) return GetClientHeight();
  return std::min(top + GetRowHeights(row), GetClientHeight());
}

// Validating the strip first lets the update paint what else is pending without it.
void TtsBaseGrid::RepaintStrip(const TRect& Strip) {
  HWND handle = GetHandle();
  ValidateRect(handle, &Strip);
  Update();
  WinPaint::InvalidateRect(handle, &Strip, FALSE);
}

namespace {

// A band across the window between From and To on the scrolling axis.
TRect Band(bool Vertical, Integer From, Integer To, Integer Across) {
  return Vertical ? TRect(0, From, Across, To) : TRect(From, 0, To, Across);
}

}  // namespace

// The content moves up (left) by -Amount.
void TtsBaseGrid::ScrollBack(bool Vertical, Integer Amount) {
  Integer across = Vertical ? GetClientWidth() : GetClientHeight();
  Integer client = Vertical ? GetClientHeight() : GetClientWidth();
  Integer fixed = Vertical ? FFixedHeight : FFixedWidth;
  TRect strip = Band(Vertical, fixed, client, across);
  if (WorthScrolling(client, fixed, Amount)) {
    Integer end = std::min(Vertical ? GetScrollHeight(Amount) : GetScrollWidth(Amount), client);
    if (Vertical ? FFocusTopEdge : FFocusLeftEdge) {
      TRect edge = Band(Vertical, fixed - 1, fixed, across);
      WinPaint::InvalidateRect(GetHandle(), &edge, FALSE);
      Update();
    }
    TRect moved = Band(Vertical, fixed, end, across);
    ScrollRect(moved.left, moved.top, moved.right, moved.bottom, Amount, !Vertical);
    strip = Band(Vertical, end + Amount, client, across);
    ValidateRect(GetHandle(), &strip);
    Update();
  }
  WinPaint::InvalidateRect(GetHandle(), &strip, FALSE);
}

// The content moves down (right) by Amount.
void TtsBaseGrid::ScrollForward(bool Vertical, Integer Amount) {
  Integer across = Vertical ? GetClientWidth() : GetClientHeight();
  Integer client = Vertical ? GetClientHeight() : GetClientWidth();
  Integer fixed = Vertical ? FFixedHeight : FFixedWidth;
  TRect strip = Band(Vertical, fixed, client, across);
  if (WorthScrolling(client, fixed, Amount)) {
    TRect moved = Band(Vertical, fixed, Vertical ? GetMaxScrollHeight() : client, across);
    ScrollRect(moved.left, moved.top, moved.right, moved.bottom, Amount, !Vertical);
    strip = Band(Vertical, fixed - 1, fixed + Amount, across);
    ValidateRect(GetHandle(), &strip);
    Update();
  }
  WinPaint::InvalidateRect(GetHandle(), &strip, FALSE);
}

void TtsBaseGrid::ScrollUp(Integer DY) { ScrollBack(true, DY); }
void TtsBaseGrid::ScrollDown(Integer DY) { ScrollForward(true, DY); }
void TtsBaseGrid::ScrollLeft(Integer DX) { ScrollBack(false, DX); }
void TtsBaseGrid::ScrollRight(Integer DX) { ScrollForward(false, DX); }

void TtsBaseGrid::ScrollControlVertical(Integer DY) {
  Integer width = GetClientWidth(), client = GetClientHeight(), fixed = FFixedHeight;
  if (DY < 0) {
    if (FControlRect.bottom + DY <= fixed) {
      ScrollUp(DY);
      Update();
      return;
    }
    ScrollRect(0, fixed, width, FControlRect.top, DY, false);
    RepaintStrip(TRect(0, FControlRect.top + DY, width, client));
  } else if (DY > 0) {
    if (FControlRect.top + DY >= client) {
      ScrollDown(DY);
      Update();
      return;
    }
    ScrollRect(0, FControlRect.bottom, width, GetMaxScrollHeight(), DY, false);
    TRect strip(0, fixed, width, FControlRect.bottom + DY);
    ValidateRect(GetHandle(), &strip);
    WinPaint::InvalidateRect(GetHandle(), &strip, FALSE);
  } else {
    return;
  }
  Update();
}

void TtsBaseGrid::ScrollControlHorizontal(Integer DX) {
  Integer height = GetClientHeight(), width = GetClientWidth(), fixed = FFixedWidth;
  if (DX < 0) {
    ScrollRect(fixed, 0, FControlRect.left - 3, height, DX, true);
    RepaintStrip(TRect(FControlRect.left + DX - 3, 0, width, height));
  } else if (DX > 0) {
    ScrollRect(FControlRect.right, 0, width, height, DX, true);
    RepaintStrip(TRect(fixed, 0, FControlRect.right + DX, height));
  } else {
    return;
  }
  Update();
}

void TtsBaseGrid::ScrollRowSelect(Integer DY) {
  Integer width = GetClientWidth(), client = GetClientHeight(), fixed = FFixedHeight;
  if (DY < 0) {
    ScrollRect(0, fixed, width, FRowSelectRect.top, DY, false);
    RepaintStrip(TRect(0, FRowSelectRect.top + DY, width, client));
  } else if (DY > 0) {
    Integer top = std::max<Integer>(FRowSelectRect.bottom + FHorzLineWidth, fixed);
    ScrollRect(0, top, width, GetMaxScrollHeight(), DY, false);
    RepaintStrip(TRect(0, fixed, width, top + DY));
  } else {
    return;
  }
  Update();
}

// ---- Automatic scrolling -----------------------------------------------------------------------------
bool TtsBaseGrid::ScrollDelay(Integer ScreenX, Integer ScreenY, Integer Direction) {
  if (FScrollSpeed == spHigh && FScrollDelay == 0) return true;
  Integer delay = FScrollSpeed == spLow ? FScrollBaseDelay : WaitingTime(ScreenX, ScreenY, Direction);
  if (FScrollTick == 0) FScrollTick = GetTickCount();
  // Sleeps until the delay has passed or input arrives; a mouse message or Escape ends the wait and
  // leaves its start, so that the next call waits only for the rest.
  for (;;) {
    MSG msg;
    if (PeekMessage(&msg, GetHandle(), WM_MOUSEFIRST, WM_MOUSEWHEEL, PM_NOREMOVE) || CheckEscape()) return false;
    DWORD spent = GetTickCount() - FScrollTick;
    if (spent >= static_cast<DWORD>(delay)) break;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(delay) - spent, QS_INPUT | QS_POSTMESSAGE);
  }
  FScrollTick = 0;
  return true;
}

Integer TtsBaseGrid::WaitingTime(Integer ScreenX, Integer ScreenY, Integer Direction) {
  Integer reference = 30;
  TPoint p = ScreenToClient(TPoint(ScreenX, ScreenY));
  Integer horizontal = 0, vertical = 0;
  if (Direction == 0 || Direction == 2) {
    if (p.x < GetClientWidth() && p.x <= FFixedWidth) {
      horizontal = FFixedWidth - p.x;
      reference = std::min<Integer>(reference, ClientToScreen(TPoint(FFixedWidth, 0)).x);
    } else if (p.x >= GetClientWidth()) {
      horizontal = p.x - GetClientWidth();
      reference = std::min<Integer>(reference, GetSystemMetrics(SM_CXSCREEN) - ScreenX);
    }
  }
  if (Direction == 1 || Direction == 2) {
    Integer lower = GetMaxScrollHeight();
    if (p.y < lower && p.y <= FFixedHeight) {
      vertical = FFixedHeight - p.y;
      reference = std::min<Integer>(reference, ClientToScreen(TPoint(0, FFixedHeight)).y);
    } else if (p.y >= lower) {
      vertical = p.y - lower;
      reference = std::min<Integer>(reference, GetSystemMetrics(SM_CYSCREEN) - ScreenY);
    }
  }
  Integer distance = Direction == 2 ? std::max(horizontal, vertical) : Direction == 1 ? vertical : horizontal;
  // No room to measure against (the grid at the screen's edge, the pointer beyond it): far out.
  if (reference <= 0) return FScrollDelay;
  Integer v = std::min(distance, reference) * std::abs(FScrollBaseDelay - FScrollDelay) / reference;
  return v < FScrollBaseDelay / 2 ? FScrollBaseDelay : FScrollDelay;
}

bool TtsBaseGrid::CheckEscape() {
  MSG msg;
  return PeekMessage(&msg, GetHandle(), WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE) && msg.wParam == VK_ESCAPE;
}

}  // namespace TSGrid
