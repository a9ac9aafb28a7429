// Sizing columns and rows with the mouse: finding the boundary under the pointer, the XOR line that
// follows it, and the cursors and designer hit test that depend on it.
#include "Forms.h"
#include "TSGridImpl.h"
#include "WinCursor.h"
#include "WinInput.h"
#include "WinNonClient.h"
#include "WinUserDraw.h"

namespace TSGrid {

Integer TtsBaseGrid::NextSizingCol(Integer DisplayCol) {
  Integer next;
  GetNextCol(DisplayCol, false, false, next);
  // Columns scrolled out between the fixed ones and the left column have no boundary on screen.
  if (next >= GetFixedCols() && next < GetLeftCol()) GetNextCol(GetLeftCol() - 1, false, false, next);
  return next;
}

Integer TtsBaseGrid::NextSizingRow(Integer DisplayRow) {
  Integer next;
  GetNextRow(DisplayRow, false, false, next);
  if (next >= GetFixedRows() && next < GetTopRow()) GetNextRow(GetTopRow() - 1, false, false, next);
  return next;
}

namespace {

struct TBoundary {
  bool Found;
  Integer Index;
  Integer Position;
};

// The boundary (the last pixel of a position) whose band holds At: from Position - 2 to Position +
// BandAfter, walking the positions from First with NextPosition while they are on screen.
template <class Next, class Extent>
TBoundary FindBoundary(Integer At, Integer First, Integer Count, Integer Client, Integer BandAfter,
                       Next NextPosition, Extent ExtentOf) {
  if (First >= Count) return {false, 0, 0};
  Integer index = First, boundary = ExtentOf(First) - 1;
  while (At < boundary - 2 || At > boundary + BandAfter) {
    index = NextPosition(index);
    if (index >= Count || boundary - 2 >= Client) return {false, 0, 0};
    boundary += ExtentOf(index);
  }
  return {true, index, boundary};
}

}  // namespace

bool TtsBaseGrid::CalcColSizingState(Integer X, Integer, TtsMouseStatus& Status) {
  if (FResizeCols == rcNone) return false;
  TBoundary hit = FindBoundary(X, GetRowBarOn() ? 0 : NextSizingCol(0), GetColCount(), GetClientWidth(), 1,
                               [this](Integer Col) { return NextSizingCol(Col); },
                               [this](Integer Col) { return GetColWidths(Col); });
  if (!hit.Found) return false;
  FSizingIndex = hit.Index;
  FSizingPos = hit.Position;
  FSizingOffset = hit.Position - X;
  Status = hit.Index == 0 ? msRowBarResize : msColResize;
  return true;
}

// The band is one pixel deeper below a row boundary than right of a column boundary.
bool TtsBaseGrid::CalcRowSizingState(Integer, Integer Y, TtsMouseStatus& Status) {
  if (FResizeRows == rrNone) return false;
  TBoundary hit = FindBoundary(Y, GetHeadingOn() ? 0 : NextSizingRow(0), GetRowCount(), GetClientHeight(), 2,
                               [this](Integer Row) { return NextSizingRow(Row); },
                               [this](Integer Row) { return GetRowHeights(Row); });
  if (!hit.Found) return false;
  FSizingIndex = hit.Index;
  FSizingPos = hit.Position;
  FSizingOffset = hit.Position - Y;
  Status = hit.Index == 0 ? msHeadingResize : msRowResize;
  return true;
}

TtsMouseStatus TtsBaseGrid::GetSizingState(Integer X, Integer Y, Integer DisplayRow, Integer DisplayCol) {
  TtsMouseStatus status = msNormal;
  if ((DisplayCol == 0 || FResizeRowsInGrid) &&
      (DisplayRow > 0 || (DisplayRow == 0 && Y >= GetHeadingHeight() - 2)))
    CalcRowSizingState(X, Y, status);
  if (status == msNormal && (DisplayRow == 0 || FResizeColsInGrid) &&
      (DisplayCol > 0 || (DisplayCol == 0 && X >= GetRowBarWidth() - 2)))
    CalcColSizingState(X, Y, status);
  return status;
}

void TtsBaseGrid::MouseDownResize() {
  if (!SizesRows(FMouseStatus) && !SizesCols(FMouseStatus)) return;
  Update();
  DrawSizingLine();
}

// Drawn in XOR with a dotted pen whose gaps take the brush colour: drawing it twice removes it.
void TtsBaseGrid::DrawSizingLine() {
  TCanvas* canvas = GetCanvas();
  TPen* saved = New<TPen>();
  saved->Assign(canvas->GetPen());
  try {
    TPen* pen = canvas->GetPen();
    pen->SetStyle(psDot);
    pen->SetMode(pmXor);
    pen->SetWidth(1);
    pen->SetColor(Graphics::clBlack);
    canvas->GetBrush()->SetColor(GetColor());
    if (SizesRows(FMouseStatus)) {
      Integer right = GetClientWidth();
      if (GetVisibleColCount() + GetLeftCol() >= GetColCount()) {
        TRect last;
        CellRect(GetColCount() - 1, GetTopRow(), last);
        if (IsRectEmpty(&last)) CellRect(GetColCount() - 1, MaxVisibleRow(), last);
        right = last.right + FVertLineWidth;
      }
      canvas->MoveTo(0, FSizingPos);
      canvas->LineTo(right, FSizingPos);
    } else if (SizesCols(FMouseStatus)) {
      Integer bottom = GetClientHeight();
      if (GetVisibleRowCount() + GetTopRow() >= GetRowCount()) {
        TRect last;
        CellRect(GetLeftCol(), GetRowCount() - 1, last);
        if (IsRectEmpty(&last)) CellRect(MaxVisibleCol(), GetRowCount() - 1, last);
        bottom = last.bottom + FHorzLineWidth;
      }
      canvas->MoveTo(FSizingPos, 0);
      canvas->LineTo(FSizingPos, bottom);
    }
  } catch (...) {
    canvas->GetPen()->Assign(saved);
    saved->Free();
    throw;
  }
  canvas->GetPen()->Assign(saved);
  saved->Free();
}

// ---- Cursors and the designer's hit test -------------------------------------------------------------------
void TtsBaseGrid::WMSetCursor(TMessage& Message) {
  bool client = static_cast<int16_t>(Message.LParamLo()) == HTCLIENT;
  if (client && ComponentState().Contains(csDesigning)) {
    TPoint p = ScreenToClient(FLastHitTest);
    Integer col, row;
    CellFromXY(p.x, p.y, col, row);
    TtsMouseStatus status = GetSizingState(p.x, p.y, row, col);
    TCursor cursor = SizesCols(status) ? crHSplit : SizesRows(status) ? crVSplit : crArrow;
    SetMouseStatus(status);
    ::SetCursor(Screen->GetCursors(cursor));
    Message.Result = 1;
    return;
  }
  if (client && Screen->GetCursor() == crDefault) {
    POINT screen;
    GetCursorPos(&screen);
    TPoint p = ScreenToClient(screen);
    Integer col, row;
    CellFromXY(p.x, p.y, col, row);
    if (HCURSOR cursor = ShapeCursor(p.x, p.y, row, col)) {
      ::SetCursor(cursor);
      Message.Result = 1;
      return;
    }
  }
  inherited::Dispatch(Message);
}

void TtsBaseGrid::CMDesignHitTest(TMessage& Message) {
  if (FMouseStatus >= msRowResize && FMouseStatus <= msRowBarResize) {
    Message.Result = -1;
    return;
  }
  Integer x = static_cast<int16_t>(Message.LParamLo()), y = static_cast<int16_t>(Message.LParamHi());
  Integer col, row;
  CellFromXY(x, y, col, row);
  Message.Result = GetSizingState(x, y, row, col) != msNormal ? -1 : 0;
}

}  // namespace TSGrid
