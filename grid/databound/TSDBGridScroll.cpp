// The data-bound grid's vertical scroll bar and its scrolling of pixels. Over a dataset with record
// numbers the bar shows the current record's place; over one without, five places (start, a page
// back, between, a page on, end). A request from the bar moves the dataset (standard scrolling) or
// the scroll strategy; the dataset's notice of the move then scrolls the view.
#include "TSDBGridDisplayImpl.h"
#include "WinScrollBars.h"

namespace TSDBGrid {

namespace {

enum : Integer { ScrollToStart = 1, ScrollToEnd = 2 };

TtsVertScrollBarKind BarKind(TtsCustomDBGrid* Grid) {
  if (!Grid->GetUseStandardScrolling()) return vbkScrollStrategy;
  return Grid->UsePositionalScrollbar() ? vbkPositional : vbkFivePosition;
}

TtsVertScrollRange BarRange(TtsCustomDBGrid* Grid, TtsVertScrollBarKind Kind) {
  Integer records = Kind == vbkFivePosition ? 0 : Grid->GetGridData()->GetRecCount();
  return VertScrollRangeOf(Kind, records, Grid->GetVisibleRowCount(), Grid->GetInsertionRow());
}

// Where the window's thumb is being dragged or was released.
Integer ThumbTrackPosition(TtsCustomDBGrid* Grid) {
  SCROLLINFO info;
  Grid->CurrentScrollInfo(SB_VERT, info);
  return info.nTrackPos;
}

}  // namespace

// ---- The bar's range, page and position ---------------------------------------------------------------
bool TtsCustomDBGrid::UsePositionalScrollbar() {
  if (!GetUseStandardScrolling()) return true;
  return GetDataset() != nullptr && FGridData->IsSequenced();
}

void TtsCustomDBGrid::GetVertScrollRange(Integer& Range, Integer& ScaledRange, Integer& Min, Integer& Max,
                                         bool& Scaled) {
  if (!FDataBound) {
    inherited::GetVertScrollRange(Range, ScaledRange, Min, Max, Scaled);
    return;
  }
  TtsVertScrollRange r = BarRange(this, BarKind(this));
  Range = r.Range, ScaledRange = r.ScaledRange, Min = r.Min, Max = r.Max, Scaled = r.Scaled;
}

Integer TtsCustomDBGrid::VertScrollPageSize(Integer ScaledRange, Integer Range, Integer Max) {
  if (!FDataBound) return inherited::VertScrollPageSize(ScaledRange, Range, Max);
  TtsVertScrollRange r;
  r.Range = Range, r.ScaledRange = ScaledRange, r.Max = Max;
  return VertScrollPageOf(BarKind(this), r, GetVisibleRows());
}

Integer TtsCustomDBGrid::GetVertScrollPos() {
  if (!FDataBound) return inherited::GetVertScrollPos();
  if (!FDataActive) return 0;
  TtsVertScrollBarKind kind = BarKind(this);
  TDataSet* dataSet = GetDataset();
  if (kind == vbkFivePosition) return FivePositionOf(dataSet->Bof(), dataSet->Eof());
  TtsVertScrollRange r = BarRange(this, kind);
  if (r.Range <= 0) return 1;
  if (kind == vbkScrollStrategy) return ScrollStrategyPosOf(r, FGridData->FirstRow() + GetTopRow());
  Integer position = dataSet->GetRecNo() + GetTopRow() - GetFixedRows();
  return position < 0 ? GetScrollPos(GetHandle(), SB_VERT) : position;
}

Integer TtsCustomDBGrid::GetVertScrollRow(Integer Pos) { return VertScrollRowOf(BarRange(this, BarKind(this)), Pos); }

bool TtsCustomDBGrid::ShowVertScrollBar(Integer Height) {
  if (!HandleAllocated()) return false;
  TScrollStyle bars = GetScrollBars();
  if (bars != ssVertical && bars != ssBoth) return false;
  if (!FDataBound) return inherited::ShowVertScrollBar(Height);
  if (!FDataActive) return false;
  if (GetUseStandardScrolling()) return true;
  try {
    return Height < (FGridData->GetRecCount() + GetInsertionRow()) * GetDefaultRowHeight() + GetFixedHeight();
  } catch (const Exception&) {
    return true;  // a bar too many is better than records out of reach
  }
}

void TtsCustomDBGrid::UpdateScrollPos() {
  if (!FDataBound) {
    inherited::UpdateScrollPos();
    return;
  }
  if (!HandleAllocated() || GetScrollBars() == ssNone) return;
  if (!CanPaint()) {
    FScrollPosPending = true;
    return;
  }
  HWND handle = GetHandle();
  Integer horz = GetHorzScrollPos();
  if (horz != ::GetScrollPos(handle, SB_HORZ)) ::SetScrollPos(handle, SB_HORZ, horz, TRUE);
  Integer vert = GetVertScrollPos();
  if (vert != ::GetScrollPos(handle, SB_VERT)) ::SetScrollPos(handle, SB_VERT, vert, TRUE);
  FScrollPosPending = false;
}

// ---- The bar's requests ---------------------------------------------------------------------------------------
void TtsCustomDBGrid::WndProc(TMessage& Message) {
  if (Message.Msg == WM_VSCROLL) {
    WMVScroll(Message);
    return;
  }
  inherited::WndProc(Message);
}

void TtsCustomDBGrid::WMVScroll(TMessage& Message) {
  CheckDropDownOff(false);
  if (!FDataBound) {
    inherited::WMVScroll(Message);
    return;
  }
  Message.Result = 0;
  if (!FDataActive) return;
  bool editWithoutFocus = InEditMode() && !Focused();
  TakeFocusForScroll();
  if (GetUseStandardScrolling())
    ScrollStandardDataset(Message);
  else
    ScrollInternalDataset(Message);
  DrawCurrentFocusRect(true);
  if (Message.WParamLo() == SB_ENDSCROLL) {
    ShowControlAfterScroll();
    Update();
  }
  UpdateScrollRange();
  if (editWithoutFocus) InvalidateCell(FCurDisplayCol, FCurDisplayRow);
  Update();
}

void TtsCustomDBGrid::ScrollStandardDataset(TMessage& Message) {
  if (!CheckEndEdit(FCurDataCol, -1, true)) return;
  TDataSet* dataSet = GetDataset();
  Integer page = GetVisibleRowCount();
  Integer code = Message.WParamLo();
  switch (code) {
    case SB_LINEUP:
      if (!dataSet->Bof()) dataSet->Prior();
      return;
    case SB_LINEDOWN:
      if (!dataSet->Eof()) dataSet->Next();
      return;
    case SB_PAGEUP:
      dataSet->MoveBy(-page);
      return;
    case SB_PAGEDOWN: {
      TtsPaintSuspension suspended(this);
      dataSet->MoveBy(page);
      // The last page shows as many records as fit, not the last one alone.
      if (dataSet->Eof() && GetTopRow() != GetMaxTopRow()) SetTopRow(GetMaxTopRow());
      return;
    }
    case SB_TOP:
      dataSet->First();
      return;
    case SB_BOTTOM:
      dataSet->Last();
      return;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      break;
    default:
      return;
  }
  bool tracking = code == SB_THUMBTRACK;
  if (FGridData->IsSequenced() && !(tracking && !GetThumbTracking())) {
    Integer position = ThumbTrackPosition(this);
    if (position <= 1)
      dataSet->First();
    else if (position < dataSet->RecordCount())
      FGridData->SetRecNo(position);
    else
      dataSet->Last();
    return;
  }
  // The five-position bar (or tracking switched off) acts only on the thumb's release.
  if (tracking) return;
  switch (ThumbTrackPosition(this)) {
    case fpStart: dataSet->First(); break;
    case fpBack: dataSet->MoveBy(-page); break;
    case fpForward: dataSet->MoveBy(page); break;
    case fpEnd: dataSet->Last(); break;
    default: break;
  }
}

void TtsCustomDBGrid::ScrollInternalDataset(TMessage& Message) {
  Integer page = std::max<Integer>(1, GetVisibleRowCount());
  Integer code = Message.WParamLo();
  switch (code) {
    case SB_LINEUP: ScrollBarScroll(ScrollMoveUp(1)); return;
    case SB_LINEDOWN: ScrollBarScroll(ScrollMoveDown(1)); return;
    case SB_PAGEUP: ScrollBarScroll(ScrollMoveUp(page)); return;
    case SB_PAGEDOWN: ScrollBarScroll(ScrollMoveDown(page)); return;
    case SB_TOP:
    case SB_BOTTOM:
      if (GetExactRowCount()) ScrollToPosition(code == SB_TOP ? ScrollToStart : ScrollToEnd);
      return;
    case SB_THUMBTRACK:
      if (!GetThumbTracking()) return;
      [[fallthrough]];
    case SB_THUMBPOSITION: {
      SCROLLINFO info;
      CurrentScrollInfo(SB_VERT, info);
      Integer position = info.nTrackPos;
      if (position <= info.nMin)
        ScrollToPosition(ScrollToStart);
      else if (position >= info.nMax - static_cast<Integer>(info.nPage) &&
               (FGridData->GetAtEnd() || GetExactRowCount()))
        ScrollToPosition(ScrollToEnd);
      else
        ScrollBarScroll(MoveToScrollPos(position));
      return;
    }
    default: return;
  }
}

// ---- Moving the scroll strategy -------------------------------------------------------------------------------
void TtsCustomDBGrid::ScrollToPosition(Integer Where) {
  bool there = Where == ScrollToEnd ? FGridData->GetAtEnd() && GetTopRow() >= GetMaxTopRow()
                                    : FGridData->GetAtStart() && GetTopRow() == GetFixedRows();
  if (there) return;
  HideControlBeforeScroll(!Focused());
  MoveToPosition(Where, true);
}

void TtsCustomDBGrid::MoveToPosition(Integer Where, bool Force) {
  bool moved = false;
  if (Where == ScrollToEnd) {
    if (!(Force && FGridData->GetAtEnd() && GetTopRow() >= GetMaxTopRow())) {
      if (!Force || !FGridData->GetAtEnd()) FGridData->MoveLast();
      UpdateRowCount(false);
      AdjustTopLeft(GetLeftCol(), FGridData->GetBufferRows() + GetInsertionRow() - GetVisibleRowCount() + 1, false);
      UpdateScrollRange();
      moved = true;
    }
  } else if (!(Force && FGridData->GetAtStart() && GetTopRow() == GetFixedRows())) {
    if (!Force || !FGridData->GetAtStart()) FGridData->MoveFirst();
    UpdateRowCount(false);
    AdjustTopLeft(GetLeftCol(), GetFixedRows(), false);
    UpdateScrollRange();
    moved = true;
  }
  if (moved) {
    {
      TtsPaintSuspension suspended(this);
      PositionCurrentRec(FCurDisplayCol, FCurrentBookmark, true, false);
    }
    Invalidate();
  }
  CheckTopLeftChanged(Force);
}

Integer TtsCustomDBGrid::MoveToScrollPos(Integer Pos) {
  Integer target = GetVertScrollRow(Pos);
  Integer current = GetTopRow() + FGridData->FirstRow() - 1;
  if (target == current) return 0;
  Integer difference = target - current;
  Integer top = GetTopRow();
  Integer moved = FGridData->MoveBy(difference);
  UpdateRowCount(false);
  if (difference < 0)
    AdjustTopLeft(GetLeftCol(), top + difference, false);
  else if (moved < difference)
    AdjustTopLeft(GetLeftCol(), GetTopRow() + difference - moved, true);
  UpdateScrollRange();
  return moved;
}

void TtsCustomDBGrid::ScrollBarScroll(Integer Rows) {
  if (Rows == 0) return;
  HideControlBeforeScroll(!Focused());
  DBScroll(0, Rows, true, smWindow);
  CheckTopLeftChanged(true);
}

// ---- Scrolling pixels ---------------------------------------------------------------------------------------------
void TtsCustomDBGrid::DBScroll(Integer Cols, Integer Rows, bool Reposition, TtsScrollMode Mode) {
  if (!CanPaint()) {
    Invalidate();
    if (Reposition) PositionCurrentRec(FCurDisplayCol, FCurrentBookmark, false, false);
    return;
  }
  if (std::abs(Rows) >= GetVisibleRowCount() || std::abs(Cols) >= GetVisibleColCount()) {
    Invalidate();
    if (Reposition) PositionCurrentRec(FCurDisplayCol, FCurrentBookmark, false, false);
    Update();
    return;
  }
  Integer dy = GetDefaultRowHeight() * -Rows;
  Integer dx = ScrollWidth(Cols);
  bool focusOff = false;
  if (Reposition) {
    Integer row = FGridData->BufferRow(FCurrentBookmark);
    if (row == 0 && FCurDisplayRow > 0) {
      // The current record scrolled out of the view: the current cell follows it at once.
      PositionCurrentRec(FCurDisplayCol, FCurrentBookmark, std::abs(Rows) == 1, false);
      Reposition = false;
    } else {
      focusOff = row != 0 && row != FCurDisplayRow;
    }
  }
  if (dx != 0 || dy != 0) ResetButton();
  SetScrollMode(Mode);
  if (focusOff) SetFocusRectDisabled(true);
  try {
    switch (Mode) {
      case smWindow: DBScrollWindow(dx, dy); break;
      case smGridControl: DBScrollControl(dx, dy); break;
      case smRowSelect: DBScrollRowSelect(dy); break;
    }
  } catch (...) {
    if (focusOff) SetFocusRectDisabled(false);
    ResetScrollMode();
    throw;
  }
  if (focusOff) SetFocusRectDisabled(false);
  ResetScrollMode();
  if (Reposition) PositionCurrentRec(FCurDisplayCol, FCurrentBookmark, std::abs(Rows) == 1, false);
}

void TtsCustomDBGrid::DBScrollWindow(Integer DX, Integer DY) {
  if (DX != 0)
    ScrollData(DX, DY);
  else if (DY < 0)
    ScrollUp(DY);
  else if (DY > 0)
    ScrollDown(DY);
}

void TtsCustomDBGrid::DBScrollControl(Integer DX, Integer DY) {
  if (DX != 0)
    ScrollData(DX, DY);
  else if (GetControlRect() == NullRect)
    ScrollRowSelect(DY);
  else
    ScrollControlVertical(DY);
}

void TtsCustomDBGrid::DBScrollRowSelect(Integer DY) { ScrollRowSelect(DY); }

Integer TtsCustomDBGrid::ScrollWidth(Integer Cols) {
  Integer width = 0;
  if (Cols > 0) {
    for (Integer c = GetLeftCol(); c < GetLeftCol() + Cols && c < GetColCount(); ++c) width += GetColWidths(c);
    return -width;
  }
  for (Integer c = GetLeftCol() - 1; c >= GetLeftCol() + Cols && c >= 0; --c) width += GetColWidths(c);
  return width;
}

}  // namespace TSDBGrid
