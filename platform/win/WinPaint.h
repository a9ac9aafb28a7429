// Painting: update regions, invalidation and validation, WM_PAINT with BeginPaint/EndPaint and
// WM_ERASEBKGND, device contexts of windows, window scrolling, redraw suspension and layered windows.
// A window's update region is kept in its own coordinates; WM_PAINT is made for a window with a
// non-empty update region when the queue has nothing else, parents before their children.
#pragma once

#include "WinUserTypes.h"

namespace WinPaint {

constexpr UINT RDW_INVALIDATE = 0x0001, RDW_INTERNALPAINT = 0x0002, RDW_ERASE = 0x0004,
               RDW_VALIDATE = 0x0008, RDW_NOINTERNALPAINT = 0x0010, RDW_NOERASE = 0x0020,
               RDW_NOCHILDREN = 0x0040, RDW_ALLCHILDREN = 0x0080, RDW_UPDATENOW = 0x0100,
               RDW_ERASENOW = 0x0200, RDW_FRAME = 0x0400, RDW_NOFRAME = 0x0800;
constexpr DWORD DCX_WINDOW = 0x00000001, DCX_CACHE = 0x00000002, DCX_NORESETATTRS = 0x00000004,
                DCX_CLIPCHILDREN = 0x00000008, DCX_CLIPSIBLINGS = 0x00000010,
                DCX_PARENTCLIP = 0x00000020, DCX_EXCLUDERGN = 0x00000040,
                DCX_INTERSECTRGN = 0x00000080, DCX_EXCLUDEUPDATE = 0x00000100,
                DCX_INTERSECTUPDATE = 0x00000200, DCX_LOCKWINDOWUPDATE = 0x00000400,
                DCX_VALIDATE = 0x00200000;
constexpr UINT SW_SCROLLCHILDREN = 0x0001, SW_INVALIDATE = 0x0002, SW_ERASE = 0x0004,
               SW_SMOOTHSCROLL = 0x0010;
constexpr LPARAM PRF_CHECKVISIBLE = 0x01, PRF_NONCLIENT = 0x02, PRF_CLIENT = 0x04,
                 PRF_ERASEBKGND = 0x08, PRF_CHILDREN = 0x10, PRF_OWNED = 0x20;
constexpr DWORD LWA_COLORKEY = 0x01, LWA_ALPHA = 0x02;
constexpr DWORD ULW_COLORKEY = 0x01, ULW_ALPHA = 0x02, ULW_OPAQUE = 0x04;
constexpr DWORD AW_HOR_POSITIVE = 0x01, AW_HOR_NEGATIVE = 0x02, AW_VER_POSITIVE = 0x04,
                AW_VER_NEGATIVE = 0x08, AW_CENTER = 0x10, AW_HIDE = 0x10000, AW_ACTIVATE = 0x20000,
                AW_SLIDE = 0x40000, AW_BLEND = 0x80000;

// ---- Update regions ---------------------------------------------------------------------------------
// Rectangles and regions are in client coordinates; null means the whole client area.
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
BOOL InvalidateRgn(HWND hwnd, HRGN rgn, BOOL erase);
BOOL ValidateRect(HWND hwnd, const RECT* rect);
BOOL ValidateRgn(HWND hwnd, HRGN rgn);
BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN rgn, UINT flags);
// Sends WM_PAINT at once when the window has something to paint.
BOOL UpdateWindow(HWND hwnd);
// The bounding box of the update region (client coordinates); with erase, erases it now. FALSE: empty.
BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase);
int GetUpdateRgn(HWND hwnd, HRGN rgn, BOOL erase);
// Stops painting of one window (and its children) until called with null; one window at a time.
BOOL LockWindowUpdate(HWND hwnd);

// ---- Painting ---------------------------------------------------------------------------------------
// Sends WM_NCPAINT and WM_ERASEBKGND when due, validates the update region and answers a DC clipped
// to it.
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps);

// ---- Device contexts --------------------------------------------------------------------------------
// The client area's DC (null window: the screen), clipped to the visible part of the window.
HDC GetDC(HWND hwnd);
HDC GetDCEx(HWND hwnd, HRGN clip, DWORD flags);
// The whole window's DC, the non-client area included.
HDC GetWindowDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC dc);
HWND WindowFromDC(HDC dc);

// ---- Scrolling --------------------------------------------------------------------------------------
// Moves the pixels of the client area (scroll, or the whole client) by dx, dy inside the clip
// rectangle; the uncovered part becomes the update area (SW_INVALIDATE) and is erased at the next
// paint with SW_ERASE. SW_SCROLLCHILDREN moves the children with it.
int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update,
                   RECT* updateRect, UINT flags);
BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip);

// ---- Layered windows and animation ------------------------------------------------------------------
BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags);
BOOL GetLayeredWindowAttributes(HWND hwnd, COLORREF* key, BYTE* alpha, DWORD* flags);
// Takes the pixels of `src` at `srcPoint` as the window's whole picture (per-pixel alpha with
// ULW_ALPHA), moving and sizing the window when `dst` and `size` are given.
BOOL UpdateLayeredWindow(HWND hwnd, HDC screen, const POINT* dst, const SIZE* size, HDC src,
                         const POINT* srcPoint, COLORREF key, const void* blend, DWORD flags);
// Shows or hides at once (animation is not drawn).
BOOL AnimateWindow(HWND hwnd, DWORD time, DWORD flags);

}  // namespace WinPaint

using namespace WinPaint;
