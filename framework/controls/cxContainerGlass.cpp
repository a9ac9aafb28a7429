// Painting a window on a glass frame: its background and client area are printed into a buffer of
// the visual-styles library whose alpha is then made opaque, so that the composition does not show
// through the text.
#include "WinUser.h"
#include "cxContainerUtils.h"
#include "dxUxTheme.h"

namespace cxContainer {

void DrawWindowOnGlass(HDC DC, const TRect& R, HWND AWnd) {
  TdxBPPaintParams params;
  HDC bufferDC = nullptr;
  HPAINTBUFFER buffer = BeginBufferedPaint(DC, &R, BPBF_TOPDOWNDIB, &params, &bufferDC);
  if (!buffer) return;
  SendMessage(AWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(bufferDC), 0);
  SendMessage(AWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(bufferDC), PRF_CLIENT);
  BufferedPaintSetAlpha(buffer, &R, 255);
  HideCaret(AWnd);
  EndBufferedPaint(buffer, TRUE);
  ShowCaret(AWnd);
}

void RepaintWindowOnGlass(HWND AWnd) {
  RECT r;
  GetClientRect(AWnd, &r);
  HDC dc = GetDC(AWnd);
  DrawWindowOnGlass(dc, TRect(r), AWnd);
  ReleaseDC(AWnd, dc);
}

void WMPaintWindowOnGlass(HWND AWnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(AWnd, &ps);
  DrawWindowOnGlass(dc, TRect(ps.rcPaint), AWnd);
  EndPaint(AWnd, &ps);
}

}  // namespace cxContainer
