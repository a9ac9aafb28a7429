// Painting the grid: a paint renders the clip box off-screen in the unit's memory canvas (grid
// lines, the cells row by row, the empty area) and copies it to the window with one blit; the
// grid's first paint goes straight to the window. Painting and redrawing are suspended by nesting
// counts; a paint that cannot run keeps its region and asks for it again once it can.
#include <algorithm>

#include "Graphics.h"
#include "TSCommonCanvas.h"
#include "TSGridResources.h"
#include "TSGridImpl.h"
#include "TSGridStores.h"
#include "WinPaint.h"
#include "WinQueue.h"

namespace TSGrid {

const TRect TtsBaseGrid::NullRect = TRect(0, 0, 0, 0);

namespace {

// The grids that skipped a paint while another grid held the memory canvas: told when it is free.
std::vector<TtsBaseGrid*> GridsWaitingForCanvas;

void StopWaiting(TtsBaseGrid* Grid) {
  auto it = std::find(GridsWaitingForCanvas.begin(), GridsWaitingForCanvas.end(), Grid);
  if (it != GridsWaitingForCanvas.end()) GridsWaitingForCanvas.erase(it);
}

// The canvas is free again: every waiting grid that can paint now asks for what it skipped.
void CanvasReleased() {
  std::vector<TtsBaseGrid*> waiting = GridsWaitingForCanvas;
  for (TtsBaseGrid* grid : waiting) grid->CheckSkippedPaint();
}

// One line of the grid drawn as runs of equal colour and 3-D look: a run is drawn when it is 3-D or
// when the grid shows lines of this direction.
class TLineRuns {
 public:
  TLineRuns(TCanvas* Canvas, bool Horizontal, Integer Fixed, bool LinesOn)
      : FCanvas(Canvas), FHorizontal(Horizontal), FFixed(Fixed), FLinesOn(LinesOn) {}
  void Add(Integer Start, TColor Color, bool Is3D) {
    if (FOpen && Color == FColor && Is3D == F3D) return;
    if (FOpen) Draw(Start);
    FOpen = true;
    FStart = Start;
    FColor = Color;
    F3D = Is3D;
  }
  void Finish(Integer End) {
    if (FOpen) Draw(End);
    FOpen = false;
  }

 private:
  void Draw(Integer End) {
    if (!F3D && !FLinesOn) return;
    FCanvas->GetPen()->SetColor(FColor);
    if (FHorizontal) {
      FCanvas->MoveTo(FStart, FFixed);
      FCanvas->LineTo(End, FFixed);
    } else {
      FCanvas->MoveTo(FFixed, FStart);
      FCanvas->LineTo(FFixed, End);
    }
  }
  TCanvas* FCanvas;
  bool FHorizontal;
  Integer FFixed;
  bool FLinesOn;
  bool FOpen = false;
  Integer FStart = 0;
  TColor FColor = 0;
  bool F3D = false;
};

}  // namespace

// ---- Suspending -------------------------------------------------------------------------------------------
void TtsBaseGrid::SetEnablePaint(bool Value) {
  if (!Value)
    ++FPaintDisableCount;
  else if (FPaintDisableCount > 0)
    --FPaintDisableCount;
  if (!Value || FPaintDisableCount != 0) return;
  if (FComboExtentsDeferred) {
    FComboExtentsDeferred = false;
    UpdateComboExtents(GetDropDownCols(), GetDropDownRows(), true);
  }
  CheckSkippedPaint();
}

void TtsBaseGrid::SetEnableRedraw(bool Value) {
  if (!Value)
    ++FRedrawDisableCount;
  else if (FRedrawDisableCount > 0)
    --FRedrawDisableCount;
  if (!HandleAllocated()) return;
  SendMessage(GetHandle(), WM_SETREDRAW, FRedrawDisableCount == 0 ? 1 : 0, 0);
  if (Value && FRedrawDisableCount == 0) {
    CheckSkippedPaint();
    Invalidate();
    Update();
  }
}

bool TtsBaseGrid::CanPaint() {
  return GetEnablePaint() && GetEnableRedraw() && !(MemoryCanvas && MemoryCanvas->Locked(this));
}

bool TtsBaseGrid::CanDrawCell(Integer DisplayCol, Integer DisplayRow) {
  if (CanPaint()) return true;
  InvalidateCell(DisplayCol, DisplayRow);
  return false;
}

void TtsBaseGrid::Invalidate() {
  if (!GetFastAssign()) inherited::Invalidate();
}

void TtsBaseGrid::Update() {
  if (!GetFastAssign()) inherited::Update();
}

void TtsBaseGrid::CheckSkippedPaint() {
  if (!FSkippedRegion || !CanPaint()) return;
  if (HandleAllocated()) InvalidateRgn(GetHandle(), FSkippedRegion, FALSE);
  ForgetSkippedPaint();
}

void TtsBaseGrid::ForgetSkippedPaint() {
  StopWaiting(this);
  if (FSkippedRegion) DeleteObject(FSkippedRegion);
  FSkippedRegion = nullptr;
}

// The window layer takes a paint that draws nothing as done: its region is kept for later.
void TtsBaseGrid::SkipPaint() {
  HRGN update = CreateRectRgn(0, 0, 0, 0);
  if (GetUpdateRgn(GetHandle(), update, FALSE) == NULLREGION) {
    DeleteObject(update);
    return;
  }
  if (FSkippedRegion) {
    CombineRgn(FSkippedRegion, FSkippedRegion, update, RGN_OR);
    DeleteObject(update);
  } else {
    FSkippedRegion = update;
  }
  if (std::find(GridsWaitingForCanvas.begin(), GridsWaitingForCanvas.end(), this) == GridsWaitingForCanvas.end())
    GridsWaitingForCanvas.push_back(this);
}

// ---- The paint message ------------------------------------------------------------------------------------
void TtsBaseGrid::WMPaint(TMessage& Message) {
  if (!CanPaint()) {
    if (!Message.WParam) SkipPaint();
    return;
  }
  auto followUps = [this] {
    if (FShowAfterPaint) {
      FShowAfterPaint = false;
      MakeGridControlVisible(FControlSelectMode);
    }
    if (FScrollRangePending || FScrollRangeRecheck) {
      UpdateScrollRange();
      FScrollRangeRecheck = false;
    }
    if (FScrollPosPending) UpdateScrollPos();
  };
  try {
    inherited::Dispatch(Message);
  } catch (...) {
    followUps();
    throw;
  }
  followUps();
}

void TtsBaseGrid::WMEraseBkgnd(TMessage& Message) {
  if (ComponentState().Contains(csDesigning)) {
    inherited::Dispatch(Message);
    return;
  }
  // The paint covers every pixel of the client area.
  Message.Result = 1;
}

// ---- Paint ------------------------------------------------------------------------------------------------
void TtsBaseGrid::Paint() {
  FPainting = true;
  try {
    if (!FPainted) {
      InitCanvas(GetCanvas());
      PaintGrid();
      DoPaint();
      FPainted = true;
    } else {
      PaintOffScreen(GetCanvas()->GetHandle());
    }
  } catch (...) {
    FPainting = false;
    throw;
  }
  FPainting = false;
}

void TtsBaseGrid::PaintOffScreen(HDC WindowDC) {
  if (!MemoryCanvas) {
    PaintGrid();
    DoPaint();
    return;
  }
  MemoryCanvas->Lock(this);
  TCanvas* canvas = GetCanvas();
  try {
    if (!SetGridDc(WindowDC)) {
      // No surface: the grid paints straight onto its window.
      PaintGrid();
      DoPaint();
    } else {
      RECT clip;
      GetClipBox(WindowDC, &clip);
      MemoryCanvas->SetObjects(clip);
      canvas->SetHandle(MemoryCanvas->DC);
      if (!FCanvasInitialized) {
        InitCanvas(canvas);
        FCanvasInitialized = true;
      }
      try {
        PaintGrid();
        DoPaint();
      } catch (...) {
        canvas->SetHandle(WindowDC);
        throw;
      }
      canvas->SetHandle(WindowDC);
      clip.right = std::min<LONG>(clip.right, GetClientWidth());
      clip.bottom = std::min<LONG>(clip.bottom, GetClientHeight());
      BitBlt(WindowDC, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, MemoryCanvas->DC,
             clip.left, clip.top, SRCCOPY);
    }
  } catch (...) {
    MemoryCanvas->Unlock();
    CanvasReleased();
    throw;
  }
  MemoryCanvas->Unlock();
  CanvasReleased();
}

bool TtsBaseGrid::SetGridDc(HDC DC) {
  if (!MemoryCanvas) return false;
  if (FGridDc) return MemoryCanvas->Resize(DC, GetWidth(), GetHeight());
  if (!MemoryCanvas->Prepare(DC, GetWidth(), GetHeight())) return false;
  FGridDc = true;
  return true;
}

void TtsBaseGrid::ResetGridDc() {
  if (!FGridDc || !MemoryCanvas) return;
  MemoryCanvas->Lock(this);
  MemoryCanvas->Release();
  MemoryCanvas->Unlock();
  FGridDc = false;
}

void TtsBaseGrid::CopyToDrawBitmap(TBitmap* Bitmap) {
  TBitmap* draw = GetDrawBitmap();
  if (draw->GetWidth() < Bitmap->GetWidth()) draw->SetWidth(Bitmap->GetWidth());
  if (draw->GetHeight() < Bitmap->GetHeight()) draw->SetHeight(Bitmap->GetHeight());
  draw->GetCanvas()->Draw(0, 0, Bitmap);
}

void TtsBaseGrid::PaintGrid() {
  TRect r = GetCanvas()->GetClipRect();
  r.left = std::max<LONG>(r.left, 0);
  r.top = std::max<LONG>(r.top, 0);
  r.right = std::min<LONG>(r.right, GetClientWidth());
  r.bottom = std::min<LONG>(r.bottom, GetClientHeight());
  Integer firstCol = FVisibleColItems->Locate(GetLeftCol());
  Integer firstRow = FVisibleRowItems->Locate(GetTopRow());
  DrawGridLines(r, firstCol, firstRow);
  Integer right, bottom;
  DrawCells(r, firstCol, firstRow, right, bottom);
  DrawEmptyArea(right, bottom);
}

void TtsBaseGrid::DrawCells(const TRect& DrawRect, Integer FirstVisibleColIndex, Integer FirstVisibleRowIndex,
                            Integer& RightEdge, Integer& BottomEdge) {
  RightEdge = GetClientWidth() + 1;
  BottomEdge = GetClientHeight() + 1;
  Integer y = 0;
  auto draw = [&](Integer Row) {
    Integer height = GetRowHeights(Row);
    if (height > 0 && y + height > DrawRect.top) DrawRowCells(Row, y, DrawRect, FirstVisibleColIndex, RightEdge);
    y += height;
  };
  for (Integer row = 0; row < GetFixedRows() && y < DrawRect.bottom; ++row) draw(row);
  Integer p = FirstVisibleRowIndex, size = FVisibleRowItems->GetSize();
  for (; p <= size && y < DrawRect.bottom; ++p) draw(FVisibleRowItems->GetItem(p));
  if (p > size && y < BottomEdge) BottomEdge = y;
}

void TtsBaseGrid::DrawRowCells(Integer DisplayRow, Integer Top, const TRect& DrawRect, Integer FirstVisibleColIndex,
                               Integer& RightEdge) {
  Integer bottom = Top + GetRowHeights(DisplayRow);
  Integer x = 0;
  auto draw = [&](Integer Col) {
    Integer width = GetColWidths(Col);
    if (width > 0 && x + width > DrawRect.left) DrawCell(Col, DisplayRow, TRect(x, Top, x + width, bottom), {});
    x += width;
  };
  for (Integer col = 0; col < GetFixedCols() && x < DrawRect.right; ++col) draw(col);
  Integer p = FirstVisibleColIndex, size = FVisibleColItems->GetSize();
  for (; p <= size && x < DrawRect.right; ++p) draw(FVisibleColItems->GetItem(p));
  if (p > size && x < RightEdge) RightEdge = x;
}

void TtsBaseGrid::DrawEmptyArea(Integer RightEdge, Integer BottomEdge) {
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetColor(GetColor());
  Integer width = GetClientWidth(), height = GetClientHeight();
  if (RightEdge < width) canvas->FillRect(TRect(RightEdge, 0, width, BottomEdge));
  if (BottomEdge < height) canvas->FillRect(TRect(0, BottomEdge, width, height));
}

// ---- Grid lines -------------------------------------------------------------------------------------------
void TtsBaseGrid::DrawGridLines(const TRect& DrawRect, Integer FirstVisibleColIndex, Integer FirstVisibleRowIndex) {
  TPen* pen = GetCanvas()->GetPen();
  pen->SetStyle(psSolid);
  pen->SetMode(pmCopy);
  pen->SetWidth(1);
  pen->SetColor(FLineColor);
  // Lines belong to the data cells only.
  TRect r = DrawRect;
  r.left = std::max<LONG>(r.left, GetColWidths(0));
  r.top = std::max<LONG>(r.top, GetRowHeights(0));
  DrawHorzLines(r, FirstVisibleColIndex, FirstVisibleRowIndex);
  DrawVertLines(r, FirstVisibleColIndex, FirstVisibleRowIndex);
}

namespace {

// One direction of the grid lines. Horizontal lines lie under the rows (the positions they are
// stacked on) and run along the columns; vertical lines the other way round.
struct TLineAxis {
  TtsBaseGrid* Grid;
  bool Horizontal;

  TtsVisibleItems* List(bool Stack) const {
    return Stack == Horizontal ? Grid->GetVisibleRowItems() : Grid->GetVisibleColItems();
  }
  Integer FixedCount(bool Stack) const { return Stack == Horizontal ? Grid->GetFixedRows() : Grid->GetFixedCols(); }
  Integer FixedDataCount(bool Stack) const {
    return Stack == Horizontal ? Grid->GetFixedDataRowCount() : Grid->GetFixedDataColCount();
  }
  Integer Extent(bool Stack, Integer Position) const {
    return Stack == Horizontal ? Grid->GetRowHeights(Position) : Grid->GetColWidths(Position);
  }
  Integer FirstScroll(bool Stack) const { return Stack == Horizontal ? Grid->GetTopRow() : Grid->GetLeftCol(); }
  Integer Low(bool Stack, const TRect& R) const { return Stack == Horizontal ? R.top : R.left; }
  Integer High(bool Stack, const TRect& R) const { return Stack == Horizontal ? R.bottom : R.right; }
  bool LinesOn() const {
    TtsGridLines lines = Grid->GetGridLines();
    return lines == glBoth || lines == (Horizontal ? glHorzLines : glVertLines);
  }
  bool Is3D(Integer Stacked, Integer Along) const {
    Integer col = Horizontal ? Along : Stacked, row = Horizontal ? Stacked : Along;
    return Grid->GiveCell3D(Grid->GetDataCol(col), Grid->GetDataRow(row));
  }
};

// The position whose line is drawn in the fixed-line colour: the last fixed data position, or the
// visible one before it when it is hidden; -1 without fixed data positions.
Integer FixedLinePosition(const TLineAxis& A) {
  if (A.FixedDataCount(true) <= 0) return -1;
  Integer last = A.FixedCount(true) - 1;
  bool found;
  Integer p = A.List(true)->Locate(last, found);
  if (found) return last;
  return p > 1 ? A.List(true)->GetItem(p - 1) : -1;
}

// Draws the line of every fixed data position and every visible scrolling position from the first
// shown, at its last pixel, while the rectangle reaches.
template <class DrawOne>
void DrawLinesAlong(const TLineAxis& A, const TRect& DrawRect, Integer FirstStackIndex, DrawOne Draw) {
  Integer fixedLine = FixedLinePosition(A);
  bool fixedColor = A.Grid->GetFixedLineColor() != Graphics::clNone && A.LinesOn();
  Integer at = A.Extent(true, 0);
  Integer low = A.Low(true, DrawRect), high = A.High(true, DrawRect);
  auto line = [&](Integer Position, bool Marked) {
    Integer extent = A.Extent(true, Position);
    if (extent > 0 && at + extent - 1 >= low) Draw(Position, at + extent - 1, Marked);
    at += extent;
  };
  for (Integer p = 1; p < A.FixedCount(true) && at < high; ++p) line(p, fixedColor && p == fixedLine);
  TtsVisibleItems* list = A.List(true);
  Integer size = list->GetSize();
  for (Integer p = FirstStackIndex; p <= size && at < high; ++p) line(list->GetItem(p), false);
}

// One line at At under (beside) the position Stacked, drawn in runs along the positions shown: the
// fixed data ones from list position 1 (when there are any), then the scrolling ones from the first
// shown; positions scrolled out between them are passed over.
void DrawLineAlong(const TLineAxis& A, Integer Stacked, Integer At, const TRect& DrawRect, Integer FirstRunIndex,
              bool FixedLine) {
  TLineRuns runs(A.Grid->GetCanvas(), A.Horizontal, At, A.LinesOn());
  TtsVisibleItems* list = A.List(false);
  Integer fixedCount = A.FixedCount(false), firstScroll = A.FirstScroll(false);
  Integer end = A.High(false, DrawRect);
  Integer p = A.FixedDataCount(false) > 0 ? 1 : FirstRunIndex;
  Integer size = list->GetSize();
  Integer start = A.Extent(false, 0);
  while (start < end && p <= size) {
    Integer item = list->GetItem(p);
    if (item >= fixedCount && item < firstScroll && p != FirstRunIndex) {
      p = FirstRunIndex;
      continue;
    }
    bool is3D = !FixedLine && A.Is3D(Stacked, item);
    runs.Add(start, FixedLine ? A.Grid->GetFixedLineColor() : is3D ? Graphics::clGray : A.Grid->GetLineColor(), is3D);
    start += A.Extent(false, item);
    p = item == fixedCount - 1 ? FirstRunIndex : p + 1;
  }
  runs.Finish(end);
}

}  // namespace

void TtsBaseGrid::DrawHorzLines(const TRect& DrawRect, Integer FirstVisibleColIndex, Integer FirstVisibleRowIndex) {
  DrawLinesAlong(TLineAxis{this, true}, DrawRect, FirstVisibleRowIndex, [&](Integer Row, Integer Y, bool Marked) {
    DrawHorzLine(Row, Y, DrawRect, FirstVisibleColIndex, Marked);
  });
}

void TtsBaseGrid::DrawVertLines(const TRect& DrawRect, Integer FirstVisibleColIndex, Integer FirstVisibleRowIndex) {
  DrawLinesAlong(TLineAxis{this, false}, DrawRect, FirstVisibleColIndex, [&](Integer Col, Integer X, bool Marked) {
    DrawVertLine(Col, X, DrawRect, FirstVisibleRowIndex, Marked);
  });
}

void TtsBaseGrid::DrawHorzLine(Integer DisplayRow, Integer Y, const TRect& DrawRect, Integer FirstVisibleColIndex,
                               bool FixedLine) {
  DrawLineAlong(TLineAxis{this, true}, DisplayRow, Y, DrawRect, FirstVisibleColIndex, FixedLine);
}

void TtsBaseGrid::DrawVertLine(Integer DisplayCol, Integer X, const TRect& DrawRect, Integer FirstVisibleRowIndex,
                               bool FixedLine) {
  DrawLineAlong(TLineAxis{this, false}, DisplayCol, X, DrawRect, FirstVisibleRowIndex, FixedLine);
}

}  // namespace TSGrid
