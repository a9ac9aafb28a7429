// Painting a window on a glass frame: its background and client area are printed into a buffer of
// the visual-styles library whose alpha is then made opaque, so that the composition does not show
// through the text.
#include "Controls.h"
#include "WinUser.h"
#include "cxContainerControl.h"
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

bool HandleGlassPaintMessage(TWinControl* AControl, bool AOnGlass, bool& ARepaintPending, TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      if (!AOnGlass) return false;
      WMPaintWindowOnGlass(AControl->GetHandle());
      Message.Result = 0;
      return true;
    case CM_BUFFEREDPAINTONGLASS:
      if (!ARepaintPending) return false;
      ARepaintPending = false;
      RepaintWindowOnGlass(AControl->GetHandle());
      return true;
    default: return false;
  }
}

void PostGlassRepaintAfterColorMessage(TWinControl* AControl, bool AOnGlass, bool& ARepaintPending,
                                       const TMessage& Message) {
  if ((Message.Msg != CN_CTLCOLOREDIT && Message.Msg != CN_CTLCOLORSTATIC) || !AOnGlass || ARepaintPending ||
      !AControl->HandleAllocated())
    return;
  ARepaintPending = true;
  PostMessage(AControl->GetHandle(), CM_BUFFEREDPAINTONGLASS, 0, 0);
}

}  // namespace cxContainer
