// Picture cells: the picture fitted into the content rectangle with its transparent colour, and the
// hatching in the selection or focus colour that shows a selected or focused picture.
//
// The hatching is two pattern blits: the unit's black-and-white MaskPattern ANDed onto the picture
// blackens every pixel whose x + y is even, and the grid's PictureMask (black on odd pixels, the
// colour on even ones) XORed onto that gives those pixels the colour and leaves the others alone.
#include "TSGridImpl.h"
#include "TSGridDrawing.h"
#include "WinUserDraw.h"

namespace TSGrid {

namespace {
// The raster operation "destination AND pattern".
constexpr DWORD DstAndPattern = 0x00A000C9;
}  // namespace

void TtsBaseGrid::DrawPicture(TBitmap* Bitmap, TtsImageItem* Item, TtsDrawData& DrawData, bool Selected) {
  if (!CanPaint()) {
    InvalidateCell(DrawData.DisplayCol, DrawData.DisplayRow);
    return;
  }
  if (IsRectEmpty(&DrawData.CellRect)) return;
  if (!Bitmap) {
    DrawEmpty(DrawData, Selected);
    return;
  }
  if (DrawData.ContentRect.left + 3 < DrawData.ContentRect.right)
    DrawPictureInRect(Bitmap, Item, DrawData, Selected);
  else
    FillSelectionPart(DrawData, Selected);
  FLastDrawnCol = DrawData.DisplayCol;
  FLastDrawnRow = DrawData.DisplayRow;
  FillButtonPart(DrawData, Selected);
  DrawCellFocusRect(DrawData.DisplayCol, DrawData.DisplayRow);
  DrawButtonInCell(DrawData, Selected);
}

void TtsBaseGrid::DrawPictureInRect(TBitmap* Bitmap, TtsImageItem* Item, TtsDrawData& DrawData, bool Selected) {
  TCanvas* canvas = GetCanvas();
  const TRect& content = DrawData.ContentRect;
  canvas->GetBrush()->SetColor(DrawData.Is3D ? Graphics::clBtnFace : DrawData.Color);
  if (IsRectEmpty(&content)) return;
  // A picture being edited keeps the options it was put into the current cell with.
  bool fromCurrent = FCurrentCell->ValueSet(DrawData.DataCol, DrawData.DataRow);
  bool stretch, shrink, center, keepAspect;
  GetDrawOptions(DrawData.DataCol, DrawData.DataRow, fromCurrent, stretch, shrink, center, keepAspect);
  TColor transparent = DrawData.TransparentColor;
  if (transparent == Graphics::clDefault) transparent = PictureTransparentColor(Bitmap, Item);
  if (transparent == Graphics::clNone) transparent = fromCurrent ? FCurrentCell->TransparentColor : FTransparentColor;
  BmpHandleNeeded(Bitmap);
  tsStretchDraw(canvas, content, Bitmap, transparent, center, stretch, shrink, keepAspect);
  if (Selected) {
    if (SelectionColorEnabled()) DrawPictureMask(content, FSelectionColor);
  } else if (FFocusColor != Graphics::clNone && DisplayFocusRect(DrawData.DisplayCol, DrawData.DisplayRow, true)) {
    DrawPictureMask(content, FFocusColor);
  }
  if (DrawData.Is3D) DrawRaisedEdge(canvas, content, BF_LEFT | BF_TOP);
}

void TtsBaseGrid::GetDrawOptions(Integer DataCol, Integer DataRow, bool FromCurrentCell, bool& Stretch, bool& Shrink,
                                 bool& Center, bool& KeepAspectRatio) {
  if (FromCurrentCell) {
    Stretch = FCurrentCell->StretchPicture;
    Shrink = FCurrentCell->ShrinkPicture;
    Center = FCurrentCell->CenterPicture;
    KeepAspectRatio = FCurrentCell->KeepAspectRatio;
    return;
  }
  auto option = [](TtsDrawOption Cell, bool Grid) { return Cell == dopDefault ? Grid : Cell == dopOn; };
  Stretch = option(GiveCellStretchPicture(DataCol, DataRow), FStretchPicture);
  Shrink = option(GiveCellShrinkPicture(DataCol, DataRow), FShrinkPicture);
  Center = option(GiveCellCenterPicture(DataCol, DataRow), FCenterPicture);
  KeepAspectRatio = option(GiveCellKeepAspectRatio(DataCol, DataRow), FKeepAspectRatio);
}

TColor TtsBaseGrid::PictureTransparentColor(TBitmap* Bitmap, TtsImageItem* Item) {
  if (Item) return Item->GetTransparent() ? Item->GetTransparentColor() : Graphics::clNone;
  if (Bitmap && Bitmap->GetTransparent()) SetTransparentColor(Bitmap->GetTransparentColor());
  return Graphics::clNone;
}

// ---- The hatching ---------------------------------------------------------------------------------------
void TtsBaseGrid::DrawPictureMask(const TRect& Rect, TColor Color) {
  CheckPictureMaskColor(Color);
  if (!FPictureColorMask || IsRectEmpty(&Rect)) return;
  TCanvas* canvas = GetCanvas();
  TBrush* brush = canvas->GetBrush();
  brush->SetBitmap(MaskPattern);
  PatBlt(canvas->GetHandle(), Rect.left, Rect.top, Rect.Width(), Rect.Height(), DstAndPattern);
  brush->SetBitmap(FPictureColorMask);
  PatBlt(canvas->GetHandle(), Rect.left, Rect.top, Rect.Width(), Rect.Height(), PATINVERT);
  brush->SetBitmap(nullptr);
}

void TtsBaseGrid::CheckPictureMaskColor(TColor Color) {
  TBitmap* mask = GetPictureColorMask();
  // A mask made since it was last built is still empty.
  if (mask && (mask->GetWidth() != 8 || static_cast<TColor>(ColorToRGB(Color)) != FPictureMaskColor))
    InitPictureMaskColor(Color);
}

void TtsBaseGrid::InitPictureMaskColor(TColor Color) {
  TBitmap* mask = GetPictureColorMask();
  if (!mask) return;
  mask->SetWidth(8);
  mask->SetHeight(mask->GetWidth());
  TCanvas* canvas = mask->GetCanvas();
  for (Integer y = 0; y < 8; ++y)
    for (Integer x = 0; x < 8; ++x) canvas->SetPixel(x, y, (x + y) % 2 ? Graphics::clBlack : Color);
  FPictureMaskColor = static_cast<TColor>(ColorToRGB(Color));
}

}  // namespace TSGrid
