// The fixed cells: the heading row and the row bar with their colour, 3-D or flat edge and dark
// lines, the heading text with its accelerator, and the heading buttons (a small button at the
// side of a heading, or the whole heading acting as one) with their sort pictures, drawn pressed
// while the mouse holds them.
#include "TSGridImpl.h"
#include "TSGridDrawing.h"
#include "Tsglib.h"
#include "WinUserDraw.h"

namespace TSGrid {

namespace {
// The largest part of a sort picture that a heading button shows.
constexpr Integer SortPictureWidth = 11;
constexpr Integer SortPictureHeight = 13;
}  // namespace

// ---- Fixed cells ------------------------------------------------------------------------------------------
void TtsBaseGrid::DrawFixedCellUnselected(const TRect& Rect, Integer DisplayCol) {
  if (IsRectEmpty(&Rect)) return;
  TRect r(Rect.left, Rect.top, Rect.right - 1, Rect.bottom - 1);
  TCanvas* canvas = GetCanvas();
  Integer dataCol = DisplayCol >= 0 ? GetDataCol(DisplayCol) : -1;
  canvas->GetBrush()->SetColor(DisplayCol <= 0 ? FHeadingColor : GiveCellColor(dataCol, 0, false));
  canvas->FillRect(r);
  if (DisplayCol != -1 && dataCol == FPressedHeadingCol && !FPressedHeadingIsButton && FPressedHeadingDown)
    DrawSunkenEdge(canvas, r, BF_LEFT | BF_TOP);
  else if (FHeading3D)
    DrawRaisedEdge(canvas, r, BF_LEFT | BF_TOP);
}

void TtsBaseGrid::DrawFixedCellSelected(const TRect& Rect) {
  if (IsRectEmpty(&Rect)) return;
  TRect r(Rect.left, Rect.top, Rect.right - 1, Rect.bottom - 1);
  if (IsRectEmpty(&r)) return;
  TOwnedPtr<TBitmap> bitmap(New<TBitmap>());
  bitmap->SetWidth(r.Width());
  bitmap->SetHeight(r.Height());
  TCanvas* face = bitmap->GetCanvas();
  face->GetBrush()->SetColor(FHeadingColor);
  face->FillRect(TRect(0, 0, r.Width(), r.Height()));
  PatBlt(face->GetHandle(), 0, 0, r.Width(), r.Height(), DSTINVERT);
  TCanvas* canvas = GetCanvas();
  canvas->Draw(r.left, r.top, bitmap.get());
  if (FHeading3D) DrawSunkenEdge(canvas, r, BF_LEFT | BF_TOP);
}

void TtsBaseGrid::DrawGridCellUnselected(const TRect& Rect) {
  if (IsRectEmpty(&Rect)) return;
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(TRect(Rect.left, Rect.top, Rect.right - 1, Rect.bottom - 1));
}

void TtsBaseGrid::DrawFixedLines(const TRect& Rect, TColor Color) {
  TCanvas* canvas = GetCanvas();
  TSavedPen saved(canvas);
  DrawLine(canvas, Color, Rect.left, Rect.bottom - 1, Rect.right - 1, Rect.bottom - 1);
  canvas->LineTo(Rect.right - 1, Rect.top - 1);
}

// ---- Heading rectangles -----------------------------------------------------------------------------------
void TtsBaseGrid::GetHeadDrawData(Integer DisplayCol, TtsDrawData& DrawData) {
  TRect& cell = DrawData.CellRect;
  TRect& content = DrawData.ContentRect;
  if (FVertLineWidth == 0) {
    cell.right -= 1;
    if (!DrawData.Is3D) content.right -= 1;
  }
  if (FHorzLineWidth == 0) {
    cell.bottom -= 1;
    if (!DrawData.Is3D) content.bottom -= 1;
  }
  bool pressedCell = DrawData.DataCol == FPressedHeadingCol && !FPressedHeadingIsButton;
  // The text of a heading held down sinks with it.
  if (pressedCell && FPressedHeadingDown) {
    content.left += 1;
    content.top += 1;
  }
  content.right -= 1;
  TtsCol* col = FCols->GetItem(DrawData.DataCol);
  DrawData.HasButton =
      ButtonInColHeading(DisplayCol) || (IsColHeadingButton(DisplayCol) && col->GetSortPicture() != spNone);
  if (!DrawData.HasButton) return;
  Integer x, width;
  if (DrawData.Alignment == taRightJustify) {
    content.left += 12;
    x = cell.left;
    width = std::min<Integer>(cell.Width(), 14);
  } else {
    content.right -= 13;
    x = std::max<Integer>(cell.left + 3, content.right);
    width = cell.right - x;
  }
  Integer bottom = std::min<Integer>(cell.bottom + 1, GetHeadingHeight() + cell.top - 1);
  if (pressedCell) {
    width += 1;
    bottom -= 1;
  }
  DrawData.ButtonRect = TRect(x, cell.top + 1, x + width, bottom + 1);
}

// ---- Heading text and heading buttons ----------------------------------------------------------------------
void TtsBaseGrid::DrawHeadingText(Integer DisplayCol, const TRect&) {
  TtsCol* col = FCols->GetItem(GetDataCol(DisplayCol));
  if (!col->GetVisible()) return;
  Integer accelPos = 0;
  String text = TextAccelKey(col->GetHeading(), accelPos);
  bool inHeading = ButtonInColHeading(DisplayCol);
  if (text.empty() && !IsColHeadingButton(DisplayCol) && !inHeading && col->GetSortPicture() == spNone) return;
  TtsDrawData data;
  GetDrawData(DisplayCol, 0, data, true);
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetColor(data.Color);
  if (data.Font) canvas->SetFont(data.Font);
  if (data.ContentRect.Width() >= 3 && !text.empty()) {
    TRect r = data.ContentRect;
    if (data.Alignment != taLeftJustify && FPressedHeadingDown && !inHeading) r.right += 1;
    DisplayText(canvas, text.c_str(), GetHeadingHeight(), r, r.left + 3, r.top, data.Alignment, data.VertAlignment,
                data.WordWrap != wwOff, accelPos);
  }
  bool cellHeld = FPressedHeadingDown && !FPressedHeadingIsButton;
  if (FHeading3D && !cellHeld && (data.DataCol == FPressedHeadingCol || FPressedHeadingCol < 0) &&
      !IsRectEmpty(&data.CellRect))
    DrawRaisedEdge(canvas, data.CellRect, BF_LEFT | BF_TOP);
  DrawHeadingButton(canvas, DisplayCol, data);
}

void TtsBaseGrid::DoGetSortPicture(TtsSortPicture SortPicture, TBitmap*& Bitmap) {
  switch (SortPicture) {
    case spUp:
      Bitmap = SortUpBitmap;
      break;
    case spDown:
      Bitmap = SortDownBitmap;
      break;
    case spBullet:
      Bitmap = SortBulletBitmap;
      break;
    default:
      Bitmap = nullptr;
  }
}

void TtsBaseGrid::DrawHeadingButton(TCanvas* Canvas, Integer DisplayCol, TtsDrawData& DrawData) {
  const TRect& cell = DrawData.CellRect;
  const TRect& button = DrawData.ButtonRect;
  if (!DrawData.HasButton || DrawData.ContentRect.right >= cell.right) return;
  bool rightAligned = DrawData.Alignment == taRightJustify;
  bool inHeading = ButtonInColHeading(DisplayCol);
  Canvas->GetBrush()->SetColor(GiveCellColor(DrawData.DataCol, 0, false));
  if (inHeading) {
    Integer d = rightAligned ? -1 : 1;
    Canvas->FillRect(
        TRect(button.left - d, button.top, std::min<LONG>(button.right + 1, cell.right), button.bottom - 1));
  }
  // Only the heading held down shows its picture pressed.
  bool down = FPressedHeadingDown && DrawData.DataCol == FPressedHeadingCol;
  Integer o = down ? 1 : 0;
  TtsSortPicture sort = FCols->GetItem(DrawData.DataCol)->GetSortPicture();
  TBitmap* picture = nullptr;
  DoGetSortPicture(sort, picture);
  if (picture) {
    CopyToDrawBitmap(picture);
    Integer s = rightAligned && sort != spBullet ? 1 : 0;
    TRect source(0, 0, std::min<Integer>(button.Width() - o - 2, SortPictureWidth),
                 std::min<Integer>(SortPictureHeight - o, button.Height() - o - 1));
    if (source.right > 0 && source.bottom > 0) {
      Integer x = button.left + o + 2 - s, y = button.top + o;
      Canvas->BrushCopy(TRect(x, y, x + source.right, y + source.bottom), GetDrawBitmap(), source, Graphics::clBlack);
    }
  }
  if (inHeading) {
    TSavedPen saved(Canvas);
    if (FPressedHeadingIsButton && down)
      DrawHeadingButtonDown(Canvas, DrawData);
    else
      DrawHeadingButtonUp(Canvas, DrawData);
  }
}

void TtsBaseGrid::DrawHeadingButtonUp(TCanvas* Canvas, TtsDrawData& DrawData) {
  const TRect& button = DrawData.ButtonRect;
  Integer w = button.Width(), h = button.Height(), l = button.left, t = button.top;
  bool rightAligned = DrawData.Alignment == taRightJustify;
  if (!rightAligned || w >= 14) {
    Integer e = rightAligned ? button.right : button.left;
    DrawLine(Canvas, Graphics::clBtnFace, e - 1, t - 1, e - 1, std::min<Integer>(h, 14));
  }
  DrawLine(Canvas, Graphics::clWhite, l, t, l, std::min<Integer>(h, 13));
  DrawLine(Canvas, Graphics::clWhite, l, t - 1, l + std::min<Integer>(w, 13), t - 1);
  if (h < 3 || w < 2) return;
  if (h > 13) DrawLine(Canvas, Graphics::clBtnShadow, l, t + 12, l + std::min<Integer>(w, 13), t + 12);
  bool pressedCell = DrawData.DataCol == FPressedHeadingCol && !FPressedHeadingIsButton;
  if (w >= 14 && !pressedCell) DrawLine(Canvas, Graphics::clBtnShadow, l + 13, t + 12, l + 13, t - 1);
}

void TtsBaseGrid::DrawHeadingButtonDown(TCanvas* Canvas, TtsDrawData& DrawData) {
  const TRect& button = DrawData.ButtonRect;
  Integer w = button.Width(), h = button.Height(), l = button.left, t = button.top;
  bool rightAligned = DrawData.Alignment == taRightJustify;
  Integer m = rightAligned ? 13 : 14;
  DrawLine(Canvas, Graphics::clBlack, l + std::min(w, m), t - 1, l, t - 1);
  Canvas->LineTo(l, std::min<Integer>(h, 14));
  bool pressedCell = DrawData.DataCol == FPressedHeadingCol && !FPressedHeadingIsButton;
  if (rightAligned && DrawData.CellRect.right >= l + 13 && !pressedCell)
    DrawLine(Canvas, Graphics::clBtnShadow, l + 13, t + 12, l + 13, t - 1);
  if (t + 14 < button.bottom)
    DrawLine(Canvas, Graphics::clBtnShadow, l + 1, t + 12, l + 1 + std::min<Integer>(w, 13), t + 12);
}

void TtsBaseGrid::SetPressedHeading(Integer DataCol, bool IsButton, bool Down) {
  FPressedHeadingCol = DataCol;
  FPressedHeadingIsButton = IsButton;
  FPressedHeadingDown = Down;
}

}  // namespace TSGrid
