// Drawing a picture into a cell rectangle.
#include <cmath>

#include "TSImageList.h"

namespace TSImageList {

namespace {

// Halves go to the even neighbour.
Integer Half(Integer Value) { return static_cast<Integer>(std::nearbyint(Value / 2.0)); }

// One direction without keeping the aspect: a picture smaller than the room is drawn at its own
// size (centred when asked) unless it may be enlarged; a larger one is cut (its middle when
// centred) unless it may be shrunk.
void FitAxis(LONG& SrcLow, LONG& SrcHigh, LONG& DstLow, LONG& DstHigh, bool Center, bool Enlarge, bool Shrink) {
  Integer size = SrcHigh - SrcLow, room = DstHigh - DstLow;
  if (size < room && !Enlarge) {
    if (Center) DstLow += Half(room - size);
    DstHigh = DstLow + size;
  } else if (size > room && !Shrink) {
    if (Center) SrcLow += Half(size - room);
    SrcHigh = SrcLow + room;
  }
}

}  // namespace

void tsStretchDraw(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap, TColor TransparentColor, bool Center,
                   bool Enlarge, bool Shrink, bool KeepAspect) {
  if (!Bitmap || Bitmap->GetEmpty()) {
    Canvas->FillRect(Rect);
    return;
  }
  TRect src(0, 0, Bitmap->GetWidth(), Bitmap->GetHeight());
  TRect dst = Rect;
  if (KeepAspect) {
    // Neither enlarged nor shrunk where not allowed: cut the source, or reduce the destination.
    FitAxis(src.left, src.right, dst.left, dst.right, Center, true, Shrink);
    FitAxis(src.top, src.bottom, dst.top, dst.bottom, Center, true, Shrink);
    FitAxis(src.left, src.right, dst.left, dst.right, Center, Enlarge, true);
    FitAxis(src.top, src.bottom, dst.top, dst.bottom, Center, Enlarge, true);
    double ratio = static_cast<double>(src.Width()) / src.Height();
    Integer width = dst.Width(), height = dst.Height();
    if (height > 0 && ratio > static_cast<double>(width) / height) {
      Integer fitted = static_cast<Integer>(std::nearbyint(width / ratio));
      if (Center) dst.top += Half(height - fitted);
      dst.bottom = dst.top + fitted;
    } else {
      Integer fitted = static_cast<Integer>(std::nearbyint(ratio * height));
      if (Center) dst.left += Half(width - fitted);
      dst.right = dst.left + fitted;
    }
  } else {
    FitAxis(src.left, src.right, dst.left, dst.right, Center, Enlarge, Shrink);
    FitAxis(src.top, src.bottom, dst.top, dst.bottom, Center, Enlarge, Shrink);
  }
  Canvas->FillRect(Rect);
  if (TransparentColor == Graphics::clNone) Canvas->CopyRect(dst, Bitmap->GetCanvas(), src);
  else Canvas->BrushCopy(dst, Bitmap, src, TransparentColor);
}

}  // namespace TSImageList
