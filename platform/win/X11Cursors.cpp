// The layer's cursors as X cursors: the standard ones from the cursor font (which the cursor theme
// replaces where one is installed), the program's own from their masks; and the pointer warped where
// the layer puts it.
#include <X11/cursorfont.h>

#include <vector>

#include "WinCursor.h"

#include "X11Internals.h"

namespace X11Internals {

namespace {

struct TFontCursor {
  WORD Id;
  unsigned Shape;
};

const TFontCursor FontCursors[] = {
    {IDC_ARROW_ID, XC_left_ptr},          {IDC_IBEAM_ID, XC_xterm},
    {IDC_WAIT_ID, XC_watch},              {IDC_CROSS_ID, XC_crosshair},
    {IDC_UPARROW_ID, XC_sb_up_arrow},     {IDC_SIZE_ID, XC_fleur},
    {IDC_ICON_ID, XC_icon},               {IDC_SIZENWSE_ID, XC_bottom_right_corner},
    {IDC_SIZENESW_ID, XC_bottom_left_corner}, {IDC_SIZEWE_ID, XC_sb_h_double_arrow},
    {IDC_SIZENS_ID, XC_sb_v_double_arrow}, {IDC_SIZEALL_ID, XC_fleur},
    {IDC_NO_ID, XC_X_cursor},             {IDC_HAND_ID, XC_hand2},
    {IDC_APPSTARTING_ID, XC_watch},       {IDC_HELP_ID, XC_question_arrow},
};

}  // namespace

Cursor TX11::XCursorFor(HCURSOR cursor) {
  if (!cursor) return None;
  auto it = FCursors.find(cursor);
  if (it != FCursors.end()) return it->second;
  // The standard cursors are shared and live as long as the program: made once.
  for (const TFontCursor& f : FontCursors)
    if (LoadCursorA(nullptr, MAKEINTRESOURCE(f.Id)) == cursor) return FCursors[cursor] = XCreateFontCursor(FDpy, f.Shape);
  // The program's own cursors may be destroyed and their handles reused: made anew each time shown,
  // and the one before freed.
  if (FCustomCursor) XFreeCursor(FDpy, FCustomCursor);
  FCustomCursor = None;
  Cursor made = None;
  POINT hot{};
  SIZE size{};
  const BYTE* andMask = nullptr;
  const BYTE* xorMask = nullptr;
  if (GetCursorShape(cursor, &hot, &size, &andMask, &xorMask) && size.cx > 0 && size.cy > 0) {
    // Masks come most significant bit first in rows of 16-bit words; X bitmaps want the least
    // significant bit first in rows of bytes. AND 1 XOR 0 is transparent, AND 0 gives black or white
    // (XOR), AND 1 XOR 1 (inverted) shows as black.
    int srcRow = (size.cx + 15) / 16 * 2, dstRow = (size.cx + 7) / 8;
    std::vector<char> source(static_cast<size_t>(dstRow) * size.cy), mask(source.size());
    for (int y = 0; y < size.cy; ++y)
      for (int x = 0; x < size.cx; ++x) {
        int byte = y * srcRow + x / 8, bit = 7 - x % 8;
        bool a = (andMask[byte] >> bit) & 1, o = (xorMask[byte] >> bit) & 1;
        char flag = static_cast<char>(1 << (x % 8));
        if (!a && o) source[static_cast<size_t>(y) * dstRow + x / 8] |= flag;
        if (!a || o) mask[static_cast<size_t>(y) * dstRow + x / 8] |= flag;
      }
    Pixmap src = XCreateBitmapFromData(FDpy, FRoot, source.data(), size.cx, size.cy);
    Pixmap msk = XCreateBitmapFromData(FDpy, FRoot, mask.data(), size.cx, size.cy);
    XColor white{}, black{};
    white.red = white.green = white.blue = 0xFFFF;
    white.flags = black.flags = DoRed | DoGreen | DoBlue;
    made = XCreatePixmapCursor(FDpy, src, msk, &white, &black, hot.x, hot.y);
    XFreePixmap(FDpy, src);
    XFreePixmap(FDpy, msk);
  }
  FCustomCursor = made;
  return made;
}

void TX11::FreeCursors() {
  for (auto& [handle, cursor] : FCursors) XFreeCursor(FDpy, cursor);
  FCursors.clear();
  if (FCustomCursor) XFreeCursor(FDpy, FCustomCursor);
  FCustomCursor = FShownCursor = None;
}

void TX11::CursorChanged(HCURSOR cursor) {
  FCursor = cursor;
  Cursor shown = FShownCursor = XCursorFor(cursor);
  for (auto& [hwnd, xw] : FWindows) {
    if (shown) XDefineCursor(FDpy, xw->Xid, shown);
    else XUndefineCursor(FDpy, xw->Xid);
  }
  XFlush(FDpy);
}

void TX11::CursorMoved(POINT point) {
  FLastPointer = point;  // the layer has queued this position itself
  XWarpPointer(FDpy, None, FRoot, 0, 0, 0, 0, point.x, point.y);
  XFlush(FDpy);
}

}  // namespace X11Internals
