// The current cell's focus rectangle: whether it shows, how each FocusBorder style draws it, and
// how it is hidden and shown again; and the repaint of one cell outside a paint through the shared
// off-screen canvas.
#include "TSGridImpl.h"
#include "TSCommonCanvas.h"
#include "TSGridDrawing.h"
#include "WinUserDraw.h"
#include "WinPaint.h"

namespace TSGrid {

// ---- Whether the focus rectangle shows --------------------------------------------------------------------
bool TtsBaseGrid::IsFocused() { return Focused() || (FActiveControl && FActiveControl->Focused()); }

bool TtsBaseGrid::FocusEnabled() {
  return FFocusBorder != fbNone || FFocusColor != Graphics::clNone || FFocusFontColor != Graphics::clNone;
}

bool TtsBaseGrid::FocusRectActive() { return FocusEnabled() && FGridMode != gmListBox && FGridStatus == grNormal; }

bool TtsBaseGrid::FocusRectVisible(Integer DisplayCol, Integer DisplayRow) {
  if (DisplayCol == 0 || DisplayRow == 0) return false;
  if (!FControlEnabled || CurCellReadOnly()) return true;
  TtsControlType type = GiveCellControlType(GetDataCol(DisplayCol), GetDataRow(DisplayRow));
  // Pictures and cells without a control never show an editor over the rectangle.
  bool noEditor = type <= ctNone || type > ctCheck;
  if (DisplayCol != FCurDisplayCol || DisplayRow != FCurDisplayRow) return noEditor;
  bool controlActive = FActiveControl && FActiveControl->GetVisible();
  if (!noEditor && controlActive) return false;
  if (GetInDesignMode()) return true;
  TtsCustomGridControl* control = GridCellControl(type);
  return !control || !control->GetVisible();
}

bool TtsBaseGrid::CheckCellFocusRect(Integer DisplayCol, Integer DisplayRow, bool CheckFocus) {
  if (GetFocusRectDisabled() || DisplayCol == 0 || DisplayRow == 0) return false;
  return FocusRectActive() && (!CheckFocus || FAlwaysShowFocus || IsFocused()) &&
         FocusRectVisible(DisplayCol, DisplayRow);
}

bool TtsBaseGrid::DisplayFocusRect(Integer DisplayCol, Integer DisplayRow, bool CheckFocus) {
  return DisplayCol == FCurDisplayCol && DisplayRow == FCurDisplayRow && DisplayCol <= GetGridColCount() &&
         DisplayRow <= GetRowCount() - 1 && CheckCellFocusRect(DisplayCol, DisplayRow, CheckFocus);
}

// ---- Drawing it ---------------------------------------------------------------------------------------------
void TtsBaseGrid::DrawCellFocusRect(Integer DisplayCol, Integer DisplayRow) {
  if (DisplayFocusRect(DisplayCol, DisplayRow, true)) DrawFocusRect(GetCanvas(), DisplayCol, DisplayRow);
}

void TtsBaseGrid::DrawFocusRect(TCanvas* Canvas, Integer DisplayCol, Integer DisplayRow) {
  SetFocusEdges(false, false);
  TRect box;
  BoxRect(DisplayCol, DisplayRow, DisplayCol, DisplayRow, box);
  if (IsRectEmpty(&box)) return;
  Integer width = GetColWidths(DisplayCol), height = GetRowHeights(DisplayRow);
  switch (FFocusBorder) {
    case fbDot: {
      // The dotted frame is drawn in the colours the cell shows with.
      TFont* font = Canvas->GetFont();
      TColor fontColor = font->GetColor();
      bool ownColors = FFocusColor != Graphics::clNone && FFocusFontColor != Graphics::clNone;
      Canvas->GetBrush()->SetColor(ownColors ? FFocusColor : GetColor());
      font->SetColor(ownColors ? FFocusFontColor : GetFont()->GetColor());
      Canvas->DrawFocusRect(
          TRect(box.left, box.top, box.left + width - FVertLineWidth, box.top + height - FHorzLineWidth));
      font->SetColor(fontColor);
      break;
    }
    case fbSingle:
    case fbDouble: {
      TBrush* brush = Canvas->GetBrush();
      Graphics::TBrushStyle style = brush->GetStyle();
      // An unset border colour frames in the window text colour rather than in no colour at all.
      brush->SetColor(FFocusBorderColor != Graphics::clNone ? FFocusBorderColor : Graphics::clWindowText);
      TRect frame(box.left + 1, box.top, box.left + width - 1, box.top + height - 1);
      Canvas->FrameRect(frame);
      if (FFocusBorder == fbDouble)
        Canvas->FrameRect(TRect(frame.left, frame.top + 1, frame.right - 1, frame.bottom - 1));
      brush->SetStyle(style);
      SetFocusEdges(FFixedHeight >= frame.top, FFixedWidth >= frame.left);
      break;
    }
    default:
      break;
  }
}

// ---- Hiding and showing it ---------------------------------------------------------------------------------
void TtsBaseGrid::InvalidateFocusRect(Integer DisplayCol, Integer DisplayRow, bool Always) {
  if (GetFastAssign() || !HandleAllocated()) return;
  if (!Always && FFocusBorder != fbSingle && FFocusBorder != fbDouble) {
    InvalidateCell(DisplayCol, DisplayRow);
    return;
  }
  // The framed styles reach one pixel into the neighbours on the left and above.
  TRect box;
  BoxRect(DisplayCol, DisplayRow, DisplayCol, DisplayRow, box);
  if (IsRectEmpty(&box)) return;
  RECT r{box.left - 1, box.top - 1, box.left + GetColWidths(DisplayCol), box.top + GetRowHeights(DisplayRow)};
  WinPaint::InvalidateRect(GetHandle(), &r, FALSE);
}

void TtsBaseGrid::ClearCurrentFocusRect(bool UpdateNow) {
  if (!DisplayFocusRect(FCurDisplayCol, FCurDisplayRow, true)) return;
  SetFocusRectDisabled(true);
  try {
    InvalidateFocusRect(FCurDisplayCol, FCurDisplayRow, false);
    if (UpdateNow && CanPaint()) Update();
  } catch (...) {
    SetFocusRectDisabled(false);
    throw;
  }
  SetFocusRectDisabled(false);
}

void TtsBaseGrid::DrawCurrentFocusRect(bool UpdateNow) {
  if (!DisplayFocusRect(FCurDisplayCol, FCurDisplayRow, true)) return;
  InvalidateFocusRect(FCurDisplayCol, FCurDisplayRow, false);
  if (UpdateNow && CanPaint()) Update();
}

void TtsBaseGrid::FocusChanged(bool Whole) {
  CheckPictureMask(false);
  InvalidateFocusRect(FCurDisplayCol, FCurDisplayRow, Whole);
}

void TtsBaseGrid::UpdateGrid(bool WithoutFocus) {
  if (WithoutFocus) SetFocusRectDisabled(true);
  try {
    Update();
  } catch (...) {
    if (WithoutFocus) SetFocusRectDisabled(false);
    throw;
  }
  if (WithoutFocus) SetFocusRectDisabled(false);
}

// ---- Repainting one cell outside a paint -----------------------------------------------------------------
bool TtsBaseGrid::PrepareCanvas(const TRect& Rect) {
  // Another grid painting into the canvas keeps it: the cell is then drawn straight or invalidated.
  if (FPainting || !HandleAllocated() || !MemoryCanvas || MemoryCanvas->Locked(this)) return false;
  MemoryCanvas->Lock(this);
  HDC windowDC = GetDC(GetHandle());
  bool prepared = SetGridDc(windowDC);
  ReleaseDC(GetHandle(), windowDC);
  if (!prepared) {
    MemoryCanvas->Unlock();
    return false;
  }
  MemoryCanvas->SetObjects(Rect);
  TCanvas* canvas = GetCanvas();
  canvas->SetHandle(MemoryCanvas->DC);
  if (!FCanvasInitialized) {
    InitCanvas(canvas);
    FCanvasInitialized = true;
  }
  FPainting = true;
  return true;
}

void TtsBaseGrid::CanvasToScreen(const TRect& Rect) {
  TCanvas* canvas = GetCanvas();
  bool onMemory = MemoryCanvas && MemoryCanvas->DC && canvas->HandleAllocated() &&
                  canvas->GetHandle() == MemoryCanvas->DC;
  auto release = [&]() {
    if (MemoryCanvas) MemoryCanvas->Unlock();
    FPainting = false;
    if (onMemory) canvas->SetHandle(nullptr);
  };
  try {
    TRect r(std::max<LONG>(Rect.left, 0), std::max<LONG>(Rect.top, 0), std::min<LONG>(Rect.right, GetClientWidth()),
            std::min<LONG>(Rect.bottom, GetClientHeight()));
    if (onMemory && Rect.left <= Rect.right && Rect.top <= Rect.bottom && r.left < r.right && r.top < r.bottom) {
      HDC windowDC = GetDC(GetHandle());
      BitBlt(windowDC, r.left, r.top, r.Width(), r.Height(), MemoryCanvas->DC, r.left, r.top, SRCCOPY);
      ReleaseDC(GetHandle(), windowDC);
    }
  } catch (...) {
    release();
    throw;
  }
  release();
}

}  // namespace TSGrid
