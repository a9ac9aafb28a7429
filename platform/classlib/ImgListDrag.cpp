// TDragImageList: one drag image at a time, drawn over the window it is locked to (the screen for
// none) with what it covers kept, so that moving or hiding it puts the pixels back.
#include "ImgList.h"
#include "WinImageList.h"
#include "WinPaint.h"

namespace ImgList {

namespace {

struct TDragState {
  TDragImageList* List = nullptr;
  Integer Index = 0;
  TPoint HotSpot;
  HWND Window = nullptr;
  bool Locked = false;
  TPoint Pos;          // the mouse, in the window's coordinates
  bool Shown = false;  // wanted on screen
  bool Drawn = false;  // on screen now
  TPoint DrawnAt;
  HBITMAP Under = nullptr;  // what the image covers
};

TDragState& Drag() {
  static TDragState state;
  return state;
}

void Erase() {
  TDragState& d = Drag();
  if (!d.Drawn) return;
  HDC dc = d.Window ? GetWindowDC(d.Window) : GetDC(nullptr);
  if (dc) {
    HDC mem = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(mem, d.Under);
    BitBlt(dc, d.DrawnAt.x, d.DrawnAt.y, d.List->GetWidth(), d.List->GetHeight(), mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
    ReleaseDC(d.Window, dc);
  }
  d.Drawn = false;
}

void Paint() {
  TDragState& d = Drag();
  if (d.Drawn || !d.Shown || !d.Locked || !d.List) return;
  HDC dc = d.Window ? GetWindowDC(d.Window) : GetDC(nullptr);
  if (!dc) return;
  Integer w = d.List->GetWidth(), h = d.List->GetHeight();
  if (d.Under) DeleteObject(d.Under);
  d.Under = CreateBitmap(w, h, 1, 32, nullptr);
  d.DrawnAt = TPoint(d.Pos.x - d.HotSpot.x, d.Pos.y - d.HotSpot.y);
  HDC mem = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(mem, d.Under);
  BitBlt(mem, 0, 0, w, h, dc, d.DrawnAt.x, d.DrawnAt.y, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
  ImageList_Draw(d.List->GetHandle(), d.Index, dc, d.DrawnAt.x, d.DrawnAt.y, ILD_TRANSPARENT);
  ReleaseDC(d.Window, dc);
  d.Drawn = true;
}

void Finish() {
  Erase();
  TDragState& d = Drag();
  if (d.Under) DeleteObject(d.Under);
  d = TDragState();
}

}  // namespace

IMPLEMENT_CLASS(TDragImageList)

void TDragImageList::Destroy() {
  if (Drag().List == this) Finish();
  inherited::Destroy();
}

bool TDragImageList::SetDragImage(Integer Index, Integer HotSpotX, Integer HotSpotY) {
  if (!HandleAllocated() || Index < 0 || Index >= GetCount()) return false;
  FDragIndex = Index;
  FDragHotspot = TPoint(HotSpotX, HotSpotY);
  if (Drag().List && Drag().List != this) Finish();
  TDragState& d = Drag();
  bool wasDrawn = d.Drawn;
  Erase();
  d.List = this;
  d.Index = Index;
  d.HotSpot = FDragHotspot;
  if (wasDrawn) Paint();
  FDragging = true;
  return true;
}

bool TDragImageList::BeginDrag(HWND Window, Integer X, Integer Y) {
  if (!HandleAllocated() || GetCount() == 0) return false;
  if (Drag().List != this && !SetDragImage(FDragIndex < GetCount() ? FDragIndex : 0, FDragHotspot.x, FDragHotspot.y))
    return false;
  FDragging = true;
  return DragLock(Window, X, Y);
}

// The image follows the mouse over Window from (XPos, YPos) on; another window gives up the old.
bool TDragImageList::DragLock(HWND Window, Integer XPos, Integer YPos) {
  if (!HandleAllocated() || Drag().List != this) return false;
  TDragState& d = Drag();
  if (d.Locked && Window == d.Window) return true;
  DragUnlock();
  FDragHandle = Window;
  d.Window = Window;
  d.Locked = true;
  d.Pos = TPoint(XPos, YPos);
  d.Shown = true;
  Paint();
  return true;
}

void TDragImageList::DragUnlock() {
  TDragState& d = Drag();
  if (d.List != this || !d.Locked) return;
  Erase();
  d.Locked = false;
  d.Window = nullptr;
  FDragHandle = nullptr;
}

bool TDragImageList::DragMove(Integer X, Integer Y) {
  TDragState& d = Drag();
  if (d.List != this || !d.Locked) return false;
  bool visible = d.Drawn;
  Erase();
  d.Pos = TPoint(X, Y);
  if (visible || d.Shown) Paint();
  return true;
}

bool TDragImageList::EndDrag() {
  if (!FDragging) return false;
  if (Drag().List == this) Finish();
  FDragging = false;
  FDragHandle = nullptr;
  return true;
}

void TDragImageList::HideDragImage() {
  TDragState& d = Drag();
  if (d.List != this) return;
  Erase();
  d.Shown = false;
}

void TDragImageList::ShowDragImage() {
  TDragState& d = Drag();
  if (d.List != this) return;
  d.Shown = true;
  Paint();
}

}  // namespace ImgList
