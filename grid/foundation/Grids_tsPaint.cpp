// Painting of the base grid engine: grid lines in the fixed corner, the fixed rows, the fixed
// columns and the scrolling cells; cell backgrounds and the calls of DrawCell; the raised look of
// fixed cells and the focus rectangles; the area beyond the last cell; mirroring for right-to-left
// reading.
#include <vector>

#include "Grids_tsEngine.h"
#include "WinGdi.h"
#include "WinUser.h"

namespace Grids_ts {

void TCustomGrid_ts::ChangeGridOrientation(bool RightToLeftOrientation) {
  HDC dc = GetCanvas()->GetHandle();
  const Integer width = GetClientWidth(), height = GetClientHeight();
  if (RightToLeftOrientation) {
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowOrgEx(dc, width, 0, nullptr);
    SetViewportExtEx(dc, width, height, nullptr);
    SetWindowExtEx(dc, -width, height, nullptr);
  } else {
    SetWindowOrgEx(dc, 0, 0, nullptr);
    SetWindowExtEx(dc, width, height, nullptr);
  }
  FCanvasMirrored = RightToLeftOrientation;
}

void TCustomGrid_ts::Paint() {
  const bool mirrored = DrawsRightToLeft();
  if (mirrored) ChangeGridOrientation(true);
  // The canvas goes back to its own orientation also when a cell's drawing raises.
  struct TRestore {
    TCustomGrid_ts* Grid;
    bool Mirrored;
    ~TRestore() {
      if (Mirrored) Grid->ChangeGridOrientation(false);
    }
  } restore{this, mirrored};

  TGridDrawInfo info;
  CalcDrawInfo(info);
  const TGridAxisDrawInfo& cols = info.ColAxis;
  const TGridAxisDrawInfo& rows = info.RowAxis;
  TCanvas* canvas = GetCanvas();

  if (cols.AxisLineWidth > 0 || rows.AxisLineWidth > 0) {
    const TColor lineColor = ColorToRGB(GetColor()) == ColorToRGB(clSilver) ? clGray : clSilver;
    const bool fixedHorz = FOptions.Contains(goFixedHorzLine), fixedVert = FOptions.Contains(goFixedVertLine);
    DrawLines(fixedHorz, fixedVert, 0, 0, TRect(0, 0, cols.FixedEnd, rows.FixedEnd), clBlack, FFixedColor, info);
    DrawLines(fixedHorz, fixedVert, FTopLeft.X, 0, TRect(cols.FixedEnd, 0, cols.CellsEnd, rows.FixedEnd), clBlack,
              FFixedColor, info);
    DrawLines(fixedHorz, fixedVert, 0, FTopLeft.Y, TRect(0, rows.FixedEnd, cols.FixedEnd, rows.CellsEnd), clBlack,
              FFixedColor, info);
    DrawLines(FOptions.Contains(goHorzLine), FOptions.Contains(goVertLine), FTopLeft.X, FTopLeft.Y,
              TRect(cols.FixedEnd, rows.FixedEnd, cols.CellsEnd, rows.CellsEnd), lineColor, GetColor(), info);
  }

  DrawCells(0, 0, 0, 0, cols.FixedEnd, rows.FixedEnd, FFixedColor, {gdFixed}, info);
  DrawCells(FTopLeft.X, 0, cols.FixedEnd - FColOffset, 0, cols.CellsEnd, rows.FixedEnd, FFixedColor, {gdFixed}, info);
  DrawCells(0, FTopLeft.Y, 0, rows.FixedEnd, cols.FixedEnd, rows.CellsEnd, FFixedColor, {gdFixed}, info);
  DrawCells(FTopLeft.X, FTopLeft.Y, cols.FixedEnd - FColOffset, rows.FixedEnd, cols.CellsEnd, rows.CellsEnd,
            GetColor(), {}, info);

  if (!ComponentState().Contains(csDesigning) && FOptions.Contains(goRowSelect) && FDefaultDrawing && Focused()) {
    const TGridRect sel = GetSelection();
    TRect focus = BoxRect(sel.Left, sel.Top, sel.Right, sel.Bottom);
    if (mirrored) std::swap(focus.left, focus.right);
    canvas->DrawFocusRect(focus);
  }

  // What lies beyond the last cells.
  canvas->GetBrush()->SetColor(GetColor());
  if (cols.CellsEnd < cols.ClientExtent) canvas->FillRect(TRect(cols.CellsEnd, 0, cols.ClientExtent, rows.CellsEnd));
  if (rows.CellsEnd < rows.ClientExtent) canvas->FillRect(TRect(0, rows.CellsEnd, cols.ClientExtent, rows.ClientExtent));
}

// One area's lines. When the area's own line option of an axis is off but the other option turned
// the axis's line width on, the lines are drawn in the background (off) colour, so that the gaps
// look like the cells; the lines that show are drawn last.
void TCustomGrid_ts::DrawLines(bool DoHorz, bool DoVert, Integer Col, Integer Row, const TRect& Bounds,
                               TColor OnColor, TColor OffColor, const TGridDrawInfo& DrawInfo) {
  if (Bounds.left == Bounds.right || Bounds.top == Bounds.bottom) return;
  auto vertical = [&](TColor Color) {
    DrawAxisLines(DrawInfo.ColAxis, Col, Bounds.left, Bounds.right, Bounds.top, Bounds.bottom, true, Color);
  };
  auto horizontal = [&](TColor Color) {
    DrawAxisLines(DrawInfo.RowAxis, Row, Bounds.top, Bounds.bottom, Bounds.left, Bounds.right, false, Color);
  };
  if (DoHorz) {
    vertical(DoVert ? OnColor : OffColor);
    horizontal(OnColor);
  } else {
    horizontal(OffColor);
    vertical(DoVert ? OnColor : OffColor);
  }
}

// The lines after each cell of one axis from Cell on, across the area from MinorStart to
// MinorStop, collected and drawn with one poly-polyline call.
void TCustomGrid_ts::DrawAxisLines(const TGridAxisDrawInfo& Axis, Integer Cell, Integer MajorStart, Integer MajorStop,
                                   Integer MinorStart, Integer MinorStop, bool Vertical, TColor Color) {
  const Integer lineWidth = Axis.AxisLineWidth;
  if (lineWidth == 0) return;
  const Integer maxStroke = Axis.LastWholeCell - Cell + 3;
  std::vector<POINT> points;
  points.reserve(static_cast<size_t>(std::max<Integer>(maxStroke, 1)) * 2);
  Integer line = MajorStart + lineWidth / 2 + Axis.ExtentOf(Cell);
  if (Vertical && DrawsRightToLeft()) ++line;
  do {
    if (Vertical) {
      points.push_back({line, MinorStart});
      points.push_back({line, MinorStop});
    } else {
      points.push_back({MinorStart, line});
      points.push_back({MinorStop, line});
    }
    do {
      ++Cell;
    } while (Cell <= Axis.LastWholeCell && Axis.ExtentOf(Cell) + lineWidth <= 0);  // hidden cells have no line
    line += Axis.ExtentOf(Cell) + lineWidth;
  } while (line <= MajorStop + lineWidth && Cell <= Axis.LastWholeCell);

  const COLORREF rgb = ColorToRGB(Color);
  HPEN pen;
  if (FGridLineWidth > 1) {
    LOGBRUSH brush{BS_SOLID, rgb, 0};
    pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT | PS_JOIN_MITER, static_cast<DWORD>(FGridLineWidth),
                       &brush, 0, nullptr);
  } else {
    pen = CreatePen(PS_SOLID, FGridLineWidth, rgb);
  }
  HDC dc = GetCanvas()->GetHandle();
  HGDIOBJ old = SelectObject(dc, pen);
  std::vector<DWORD> counts(points.size() / 2, 2);
  PolyPolyline(dc, points.data(), counts.data(), static_cast<DWORD>(counts.size()));
  SelectObject(dc, old);
  DeleteObject(pen);
}

void TCustomGrid_ts::DrawCells(Integer ACol, Integer ARow, Integer StartX, Integer StartY, Integer StopX, Integer StopY,
                               TColor AColor, TGridDrawState IncludeDrawState, const TGridDrawInfo& DrawInfo) {
  TCanvas* canvas = GetCanvas();
  HDC dc = canvas->GetHandle();
  const bool designing = ComponentState().Contains(csDesigning);
  const bool activeGrid = IsActiveControl();
  const TGridRect sel = GetSelection();
  // The raised look of fixed cells: flags1 draws the shadow sides, flags2 the light ones.
  UINT flags1 = 0, flags2 = 0;
  if (FOptions.Contains(goFixedVertLine)) {
    flags1 |= BF_RIGHT;
    flags2 |= BF_LEFT;
  }
  if (FOptions.Contains(goFixedHorzLine)) {
    flags1 |= BF_BOTTOM;
    flags2 |= BF_TOP;
  }

  TRect where;
  where.top = StartY;
  for (Integer row = ARow; where.top < StopY && row < FRowCount; ++row) {
    where.left = StartX;
    where.bottom = where.top + GetRowHeights(row);
    for (Integer col = ACol; where.left < StopX && col < FColCount; ++col) {
      where.right = where.left + GetColWidths(col);
      if (where.right > where.left && RectVisible(dc, &where)) {
        TGridDrawState state = IncludeDrawState;
        const bool focused = activeGrid && row == FCurrent.Y && col == FCurrent.X;
        if (focused) state.Include(gdFocused);
        if (col >= sel.Left && col <= sel.Right && row >= sel.Top && row <= sel.Bottom) state.Include(gdSelected);
        // The in-place editor covers the cell it edits.
        if (!(focused && FOptions.Contains(goEditing) && FEditorMode && !designing)) {
          if (FDefaultDrawing || designing) {
            canvas->SetFont(GetFont());
            if (state.Contains(gdSelected) &&
                (!focused || FOptions.Contains(goDrawFocusSelected) || FOptions.Contains(goRowSelect))) {
              canvas->GetBrush()->SetColor(clHighlight);
              canvas->GetFont()->SetColor(clHighlightText);
            } else {
              canvas->GetBrush()->SetColor(AColor);
            }
            canvas->FillRect(where);
          }
          DrawCell(col, row, where, state);
          if (FDefaultDrawing && IncludeDrawState.Contains(gdFixed) && GetCtl3D() && (flags1 | flags2) != 0) {
            TRect edge = where;
            if (!(flags1 & BF_RIGHT)) edge.right += DrawInfo.ColAxis.AxisLineWidth;
            else if (!(flags1 & BF_BOTTOM)) edge.bottom += DrawInfo.RowAxis.AxisLineWidth;
            DrawEdge(dc, &edge, BDR_RAISEDINNER, flags1);
            DrawEdge(dc, &edge, BDR_RAISEDINNER, flags2);
          }
          if (FDefaultDrawing && !designing && focused &&
              !(FOptions.Contains(goEditing) && FOptions.Contains(goAlwaysShowEditor)) &&
              !FOptions.Contains(goRowSelect)) {
            TRect focus = where;
            if (DrawsRightToLeft()) std::swap(focus.left, focus.right);
            canvas->DrawFocusRect(focus);
          }
        }
      }
      where.left = where.right + DrawInfo.ColAxis.AxisLineWidth;
    }
    where.top = where.bottom + DrawInfo.RowAxis.AxisLineWidth;
  }
}

}  // namespace Grids_ts
