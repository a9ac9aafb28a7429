// Small drawing steps that the grid's cell, heading, row-bar and button painters share. Included
// by the grid control's sources only.
#pragma once

#include "Graphics.h"
#include "Types.h"

namespace TSGrid {

// A raised (sunken) inner edge on the given sides (BF_...) of Rect.
void DrawRaisedEdge(Graphics::TCanvas* Canvas, const TRect& Rect, UINT Sides);
void DrawSunkenEdge(Graphics::TCanvas* Canvas, const TRect& Rect, UINT Sides);
// Copies Source of the bitmap to Dest with a raster operation, the canvas's copy mode restored.
void CopyRectWithMode(Graphics::TCanvas* Canvas, const TRect& Dest, Graphics::TBitmap* Bitmap, const TRect& Source,
                      Integer CopyMode);
// A line from (X1, Y1) to (X2, Y2), its end point left out, in a solid 1-pixel copy pen of Color.
void DrawLine(Graphics::TCanvas* Canvas, TColor Color, Integer X1, Integer Y1, Integer X2, Integer Y2);

// The canvas's pen, kept for a scope and given back however it ends.
class TSavedPen {
 public:
  explicit TSavedPen(Graphics::TCanvas* Canvas);
  ~TSavedPen();
  TSavedPen(const TSavedPen&) = delete;
  TSavedPen& operator=(const TSavedPen&) = delete;

 private:
  Graphics::TCanvas* FCanvas;
  Graphics::TPen* FPen;
};

}  // namespace TSGrid
