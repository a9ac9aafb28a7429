// Painting one cell: what kind of cell it is (row bar, heading, data cell, insertion row), the draw
// data that carries everything its painting needs, the application's chance to paint it itself,
// and the text, check-box and empty contents with their background, 3-D edge and the selection and
// focus colours. Pictures, the focus rectangle and the direct repaint through the off-screen canvas
// have files of their own.
#include "TSGridImpl.h"
#include "TSCommonCanvas.h"
#include "TSGridDrawing.h"
#include "Tsglib.h"
#include "WinUserDraw.h"

namespace TSGrid {

// ---- The cell painter ---------------------------------------------------------------------------------
void TtsBaseGrid::DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState) {
  DoDrawCell(ACol, ARow, IsCellSelected(ACol, ARow), ARect);
}

void TtsBaseGrid::DoDrawCell(Integer DisplayCol, Integer DisplayRow, bool Selected, const TRect& Rect) {
  Integer dataCol = GetDataCol(DisplayCol), dataRow = GetDataRow(DisplayRow);
  if (dataCol < 0 || dataRow < 0 || !FCols->GetItem(dataCol)->GetVisible() || !IsRowVisible(dataRow)) return;
  // A cell on the edge of the fixed area repaints the line a focus frame reached over.
  bool overRow = FFocusTopEdge, overCol = FFocusLeftEdge;
  if (FFixedHeight >= Rect.top && FFixedHeight <= Rect.bottom && DisplayCol == FCurDisplayCol) overRow = false;
  if (FFixedWidth >= Rect.left && FFixedWidth <= Rect.right && DisplayRow == FCurDisplayRow) overCol = false;
  SetFocusEdges(overRow, overCol);

  bool fixed = DisplayCol < 1 || DisplayRow < 1;
  if (fixed) {
    DrawFixedCellUnselected(Rect, DisplayCol);
    DrawFixedLines(Rect, FHeading3D ? Graphics::clGray : Graphics::clBlack);
  } else if (GetInDesignMode() && (DisplayCol <= GetLastFixedCol() || DisplayRow <= GetLastFixedRow())) {
    DrawGridCellUnselected(Rect);
  }
  // The line pixels stay the grid lines' unless the window cuts the cell off.
  TRect rect = Rect;
  if (rect.left + GetColWidths(DisplayCol) <= GetClientWidth()) rect.right -= FVertLineWidth;
  if (rect.top + GetRowHeights(DisplayRow) <= GetClientHeight()) rect.bottom -= FHorzLineWidth;

  TtsDrawData data;
  GetDrawData(DisplayCol, DisplayRow, data, false);
  if (!PaintCell(data, rect, Selected)) {
    Integer lastRow = GetRowCount() - 1;
    if (DisplayCol == 0) {
      if (DisplayRow == FCurDisplayRow && !(FGridMode == gmEditInsert && GetRowCount() <= 2)) {
        DrawCurrent(DisplayRow);
      } else if (FGridMode == gmEditInsert && DisplayRow == lastRow) {
        if (DisplayRow == FCurDisplayRow && !CanDrawInsert())
          DrawCurrent(DisplayRow);
        else
          DrawInsert();
      }
    } else if (DisplayRow == 0) {
      DrawHeadingText(DisplayCol, rect);
    } else if (data.ControlType != ctNone && !IsInsertRow(DisplayRow)) {
      CellLoaded(data, Selected);
    } else {
      DrawEmptyCell(data, Selected);
    }
  }
  if (GetInDesignMode()) DrawCellFocusRect(DisplayCol, DisplayRow);
  // Selected data cells in the selection colour were painted so by their contents.
  if (Selected && (fixed || !SelectionColorEnabled()))
    InvertCell(DisplayCol, DisplayRow, data.PaintRect, Selected, GetCanvas()->GetHandle());
}

// ---- The draw data ---------------------------------------------------------------------------------------
void TtsBaseGrid::GetDrawData(Integer DisplayCol, Integer DisplayRow, TtsDrawData& DrawData, bool Full) {
  DrawData = TtsDrawData();
  DrawData.DisplayCol = DisplayCol;
  DrawData.DisplayRow = DisplayRow;
  DrawData.DataCol = GetDataCol(DisplayCol);
  DrawData.DataRow = GetDataRow(DisplayRow);
  Integer col = DrawData.DataCol, row = DrawData.DataRow;
  DrawData.Is3D = GiveCell3D(col, row);
  DrawData.ControlType = GiveCellControlType(col, row);
  if (Full) {
    DrawData.Alignment = GiveCellAlignment(col, row);
    DrawData.VertAlignment = GiveCellVertAlignment(col, row);
    DrawData.Color = GiveCellColor(col, row, DrawData.Is3D);
    DrawData.Font = GiveCellFont(col, row);
    DrawData.WordWrap = GiveCellWordWrap(col, row);
    DrawData.TransparentColor = Graphics::clDefault;
  }
  CellRect(DisplayCol, DisplayRow, DrawData.CellRect);
  if (IsRectEmpty(&DrawData.CellRect)) {
    DrawData.ContentRect = DrawData.ButtonRect = DrawData.CellRect;
    DrawData.ButtonType = GiveCellButton(col, row, DrawData.DropDownStyle);
    DrawData.HasButton = DrawData.ButtonType != btNone;
    return;
  }
  if (Full && DisplayCol > 0 && DisplayRow > 0 && DisplayRow <= GetGridRowCount()) FetchDrawInfo(DrawData);
  TRect& cell = DrawData.CellRect;
  DrawData.PaintRect = TRect(cell.left, cell.top, cell.right + FVertLineWidth, cell.bottom + FHorzLineWidth);
  cell.right = cell.left + GetColWidths(DisplayCol) - FVertLineWidth;
  cell.bottom = cell.top + GetRowHeights(DisplayRow) - FHorzLineWidth;
  SetDrawRect(DrawData);
}

void TtsBaseGrid::SetDrawRect(TtsDrawData& DrawData) {
  TRect& content = DrawData.ContentRect;
  content = DrawData.CellRect;
  // A 3-D cell without grid lines keeps room for its edge.
  if (DrawData.Is3D) {
    if (FVertLineWidth == 0) content.right -= 1;
    if (FHorzLineWidth == 0) content.bottom -= 1;
  }
  if (DrawData.DisplayRow == 0) {
    GetHeadDrawData(DrawData.DisplayCol, DrawData);
    return;
  }
  DrawData.ButtonRect = TRect();
  DrawData.ButtonType = GiveCellButton(DrawData.DataCol, DrawData.DataRow, DrawData.DropDownStyle);
  DrawData.HasButton = DrawData.ButtonType != btNone;
  if (!DrawData.HasButton) return;
  FCurrentButton = GridCellButton(DrawData.DataCol, DrawData.ButtonType);
  if (!FCurrentButton) return;
  Integer width = FCurrentButton->FullWidth();
  Integer right = content.right;
  content.right -= width;
  DrawData.ButtonRect = TRect(std::max<Integer>(content.left + 3, right - width), content.top, right, content.bottom);
}

void TtsBaseGrid::UpdateDrawData(TtsDrawData& DrawData, bool AsEditor) {
  Integer col = DrawData.DataCol, row = DrawData.DataRow;
  bool was3D = DrawData.Is3D;
  DrawData.Is3D = GiveCell3D(col, row);
  DrawData.Alignment = GiveCellAlignment(col, row);
  DrawData.VertAlignment = GiveCellVertAlignment(col, row);
  DrawData.WordWrap = GiveCellWordWrap(col, row);
  DrawData.Color = GiveCellColor(col, row, DrawData.Is3D);
  DrawData.Font = GiveCellFont(col, row);
  DrawData.TransparentColor = Graphics::clDefault;
  if (DrawData.DisplayCol > 0 && DrawData.DisplayRow > 0 && DrawData.DisplayRow <= GetGridRowCount())
    FetchDrawInfo(DrawData);
  GetEditColor(DrawData, AsEditor);
  if (was3D != DrawData.Is3D && DrawData.DisplayRow != 0 && !IsRectEmpty(&DrawData.CellRect)) SetDrawRect(DrawData);
}

void TtsBaseGrid::FetchDrawInfo(TtsDrawData& DrawData) {
  if (!ActivateDoGetDrawInfo()) return;
  SetDrawFont(DrawData);
  TtsDrawInfo info;
  info.Font = DrawData.Font;
  info.Color = DrawData.Color;
  info.WordWrap = DrawData.WordWrap;
  info.TransparentColor = DrawData.TransparentColor;
  info.VertAlignment = DrawData.VertAlignment;
  info.Alignment = static_cast<TSCommon::TtsHorzAlignment>(DrawData.Alignment);
  GetDrawInfo(DrawData.DataCol, DrawData.DataRow, info);
  DrawData.Font = info.Font;
  DrawData.Color = info.Color;
  DrawData.WordWrap = info.WordWrap;
  DrawData.TransparentColor = info.TransparentColor;
  DrawData.VertAlignment = info.VertAlignment;
  switch (info.Alignment) {
    case TSCommon::htaRight:
      DrawData.Alignment = taRightJustify;
      break;
    case TSCommon::htaCenter:
      DrawData.Alignment = taCenter;
      break;
    default:
      DrawData.Alignment = taLeftJustify;
  }
}

void TtsBaseGrid::SetDrawFont(TtsDrawData& DrawData) {
  if (DrawData.Font == FDrawFont) return;
  if (!FDrawFont) FDrawFont = New<TFont>();
  if (DrawData.Font) FDrawFont->Assign(DrawData.Font);
  DrawData.Font = FDrawFont;
}

void TtsBaseGrid::GetEditColor(TtsDrawData& DrawData, bool AsEditor) {
  DrawData.AsEditor = AsEditor;
  if (!AsEditor || DrawData.DisplayRow <= 0 || DrawData.DisplayCol != FCurDisplayCol ||
      DrawData.DisplayRow != FCurDisplayRow || DrawData.ControlType != ctText)
    return;
  if (FEditColor != Graphics::clNone) DrawData.Color = FEditColor;
  if (FEditFontColor != Graphics::clNone) {
    SetDrawFont(DrawData);
    DrawData.Font->SetColor(FEditFontColor);
  }
}

void TtsBaseGrid::GetPaintCellPars(Integer DisplayCol, Integer DisplayRow, TtsPaintCellState& State) {
  State = TtsPaintCellState();
  if (DisplayCol == FCurDisplayCol && DisplayRow == FCurDisplayRow) State.Include(psCurrent);
  if (IsCellSelected(DisplayCol, DisplayRow)) State.Include(psSelected);
  if (DisplayCol < GetFixedCols() || DisplayRow < GetFixedRows()) State.Include(psFixed);
}

// ---- Colours ------------------------------------------------------------------------------------------
void TtsBaseGrid::CellColors(TtsDrawData& DrawData, bool Selected, TColor& Back, TColor& Text) {
  Back = DrawData.Color;
  Text = Graphics::clNone;
  if (Selected) {
    if (!SelectionColorEnabled()) return;
    Back = FSelectionColor;
    Text = FSelectionFontColor;
  } else if (DisplayFocusRect(DrawData.DisplayCol, DrawData.DisplayRow, true)) {
    if (FFocusColor != Graphics::clNone) Back = FFocusColor;
    Text = FFocusFontColor;
  }
}

void TtsBaseGrid::FillCellRect(TtsDrawData& DrawData, const TRect& Rect, bool Selected) {
  TColor back, text;
  CellColors(DrawData, Selected, back, text);
  TCanvas* canvas = GetCanvas();
  if (DrawData.ControlType != ctPicture || back == DrawData.Color) {
    canvas->GetBrush()->SetColor(back);
    canvas->FillRect(Rect);
    return;
  }
  // A picture cell takes its selection or focus colour as hatching, which starts on the cell's
  // own 8-pixel grid whatever part of the cell is filled.
  canvas->GetBrush()->SetColor(DrawData.Color);
  canvas->FillRect(Rect);
  TRect hatch = Rect;
  hatch.left -= ((Rect.left - DrawData.CellRect.left) % 8 + 8) % 8;
  DrawPictureMask(hatch, back);
}

// ---- Text -------------------------------------------------------------------------------------------------
void TtsBaseGrid::DrawText(const String& Text, TtsDrawData& DrawData, bool Selected) {
  if (!CanPaint()) {
    InvalidateCell(DrawData.DisplayCol, DrawData.DisplayRow);
    return;
  }
  if (IsRectEmpty(&DrawData.CellRect)) return;
  DrawTextInRect(Text, DrawData, Selected);
}

void TtsBaseGrid::DrawTextInRect(const String& Text, TtsDrawData& DrawData, bool Selected) {
  TCanvas* canvas = GetCanvas();
  const TRect& content = DrawData.ContentRect;
  Integer col = DrawData.DisplayCol, row = DrawData.DisplayRow;
  if (content.left + 3 < content.right) {
    TColor back, text;
    CellColors(DrawData, Selected, back, text);
    if (DrawData.Font) canvas->SetFont(DrawData.Font);
    if (text != Graphics::clNone) canvas->GetFont()->SetColor(text);
    canvas->GetBrush()->SetColor(back);
    Integer lineHeight = GetRowHeights(row) - FHorzLineWidth;
    if (DrawData.AsEditor && FActiveControl) {
      FActiveControl->DrawControl(canvas, lineHeight, content, content.left + 3, content.top, IsFocused());
    } else {
      DisplayText(canvas, Text.c_str(), lineHeight, content, content.left + 3, content.top, DrawData.Alignment,
                  DrawData.VertAlignment, DrawData.WordWrap != wwOff, 0);
      if (DrawData.Is3D) DrawRaisedEdge(canvas, content, BF_LEFT | BF_TOP);
    }
  } else {
    FillSelectionPart(DrawData, Selected);
  }
  FillButtonPart(DrawData, Selected);
  DrawCellFocusRect(col, row);
  if (FGridMode != gmListBox && (CanEditCell(DrawData.DataCol, DrawData.DataRow) || FAlwaysDetectButton))
    DrawButtonInCell(DrawData, Selected);
  FLastDrawnCol = col;
  FLastDrawnRow = row;
}

// ---- Check boxes ------------------------------------------------------------------------------------------
void TtsBaseGrid::DrawCheck(const Variant& Value, TtsDrawData& DrawData, bool Selected) {
  if (!CanPaint()) {
    InvalidateCell(DrawData.DisplayCol, DrawData.DisplayRow);
    return;
  }
  if (IsRectEmpty(&DrawData.CellRect)) return;
  TCanvas* canvas = GetCanvas();
  const TRect& content = DrawData.ContentRect;
  TColor back, text;
  CellColors(DrawData, Selected, back, text);
  canvas->GetBrush()->SetColor(back);
  if (content.left + 3 < content.right) {
    if (DrawData.AsEditor && FActiveControl) {
      FActiveControl->SetCtl3D(DrawData.Is3D);
      FActiveControl->DrawControl(canvas, GetRowHeights(DrawData.DisplayRow) - FHorzLineWidth, content,
                                  content.left + 3, content.top, IsFocused() || FAlwaysShowFocus);
    } else {
      canvas->FillRect(content);
      // VariantToCheckBox answers grayed for any value that names no state.
      TCheckBoxState state =
          VariantToCheckBox(Value, GiveCellCheckBoxValues(DrawData.DataCol, DrawData.DataRow));
      Integer copyMode = SRCCOPY;
      TRect source;
      TBitmap* glyph = FCheckControl ? FCheckControl->GetCheckBoxBitmap(state, copyMode, false, source) : nullptr;
      if (glyph) DrawCheckOnCanvas(CalcCheckRect(DrawData.Is3D, glyph, content, source, 3), glyph, source, copyMode);
      if (DrawData.Is3D) DrawRaisedEdge(canvas, content, BF_LEFT | BF_TOP);
    }
  }
  FillButtonPart(DrawData, Selected);
  DrawCellFocusRect(DrawData.DisplayCol, DrawData.DisplayRow);
  DrawButtonInCell(DrawData, Selected);
  FLastDrawnCol = DrawData.DisplayCol;
  FLastDrawnRow = DrawData.DisplayRow;
}

TRect TtsBaseGrid::CalcCheckRect(bool Is3D, TBitmap*, const TRect& Content, const TRect& Source, Integer Margin) {
  Integer w = Source.Width(), h = Source.Height();
  TRect r;
  r.left = std::max<Integer>(Content.left + Margin + (Content.Width() - Margin - w) / 2 - 1, Content.left + Margin);
  r.top = std::max<Integer>(Content.top + (Content.Height() - h) / 2 + (Is3D ? 1 : 0), Content.top);
  r.right = std::min<Integer>(Content.right, r.left + w);
  r.bottom = std::min<Integer>(Content.bottom, r.top + h);
  return r;
}

void TtsBaseGrid::DrawCheckOnCanvas(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, Integer CopyMode) {
  if (IsRectEmpty(&Dest)) return;
  TRect source(Source.left, Source.top, Source.left + Dest.Width(), Source.top + Dest.Height());
  BmpHandleNeeded(Bitmap);
  CopyRectWithMode(GetCanvas(), Dest, Bitmap, source, CopyMode);
}

// ---- Empty cells ------------------------------------------------------------------------------------------
void TtsBaseGrid::DrawEmpty(TtsDrawData& DrawData, bool Selected) {
  if (!CanPaint()) return;
  GetCanvas()->GetBrush()->SetColor(GetColor());
  if (IsRectEmpty(&DrawData.CellRect)) return;
  if (DrawData.ContentRect.right >= DrawData.ContentRect.left) {
    FillCellRect(DrawData, DrawData.ContentRect, Selected);
    if (DrawData.Is3D) DrawRaisedEdge(GetCanvas(), DrawData.ContentRect, BF_LEFT | BF_TOP);
  }
  FillButtonPart(DrawData, Selected);
  DrawCellFocusRect(DrawData.DisplayCol, DrawData.DisplayRow);
  DrawButtonInCell(DrawData, Selected);
  FLastDrawnCol = DrawData.DisplayCol;
  FLastDrawnRow = DrawData.DisplayRow;
}

// ---- The canvas while painting ------------------------------------------------------------------------------
void TtsBaseGrid::RestoreHandle() {
  if (!MemoryCanvas || !MemoryCanvas->DC || !FPainted || !FPainting) return;
  TCanvas* canvas = GetCanvas();
  if (!canvas->HandleAllocated() || canvas->GetHandle() != MemoryCanvas->DC) canvas->SetHandle(MemoryCanvas->DC);
}

void TtsBaseGrid::BmpHandleNeeded(TBitmap* Bitmap) {
  try {
    Bitmap->GetCanvas()->GetHandle();
  } catch (...) {
    RestoreHandle();
    throw;
  }
  RestoreHandle();
}

}  // namespace TSGrid

namespace TSGrid {

// ---- Shared drawing steps ------------------------------------------------------------------------------------
void DrawRaisedEdge(TCanvas* Canvas, const TRect& Rect, UINT Sides) {
  RECT r = Rect;
  DrawEdge(Canvas->GetHandle(), &r, BDR_RAISEDINNER, Sides);
}

void DrawSunkenEdge(TCanvas* Canvas, const TRect& Rect, UINT Sides) {
  RECT r = Rect;
  DrawEdge(Canvas->GetHandle(), &r, BDR_SUNKENINNER, Sides);
}

void CopyRectWithMode(TCanvas* Canvas, const TRect& Dest, TBitmap* Bitmap, const TRect& Source, Integer CopyMode) {
  Canvas->CopyMode = CopyMode;
  try {
    Canvas->CopyRect(Dest, Bitmap->GetCanvas(), Source);
  } catch (...) {
    Canvas->CopyMode = SRCCOPY;
    throw;
  }
  Canvas->CopyMode = SRCCOPY;
}

void DrawLine(TCanvas* Canvas, TColor Color, Integer X1, Integer Y1, Integer X2, Integer Y2) {
  TPen* pen = Canvas->GetPen();
  pen->SetStyle(Graphics::psSolid);
  pen->SetMode(Graphics::pmCopy);
  pen->SetWidth(1);
  pen->SetColor(Color);
  Canvas->MoveTo(X1, Y1);
  Canvas->LineTo(X2, Y2);
}

TSavedPen::TSavedPen(TCanvas* Canvas) : FCanvas(Canvas), FPen(New<TPen>()) { FPen->Assign(Canvas->GetPen()); }

TSavedPen::~TSavedPen() {
  FCanvas->SetPen(FPen);
  FPen->Free();
}

}  // namespace TSGrid
