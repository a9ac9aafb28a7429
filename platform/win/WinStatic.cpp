// The STATIC class: text and bitmaps.
#include <unordered_map>

#include "Messages.h"
#include "WinControls.h"
#include "WinDefProc.h"
#include "WinGdi.h"
#include "WinInternals.h"
#include "WinManage.h"
#include "WinNonClient.h"
#include "WinPaint.h"
#include "WinQueue.h"
#include "WinUserDraw.h"

namespace WinInternals {

namespace {

std::unordered_map<HWND, HANDLE>& Images() {
  static std::unordered_map<HWND, HANDLE> i;
  return i;
}

void PaintStatic(HWND hwnd, HDC dc) {
  TWindow* w = FindWindowRec(hwnd);
  RECT r;
  GetClientRect(hwnd, &r);
  DWORD kind = w->Style & SS_TYPEMASK;
  HBRUSH back = nullptr;
  if (w->Parent && w->Parent != State().Desktop)
    back = reinterpret_cast<HBRUSH>(SendMessageA(w->Parent->Handle, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                 reinterpret_cast<LPARAM>(hwnd)));
  if (kind == SS_BITMAP) {
    auto bitmap = static_cast<HBITMAP>(Images()[hwnd]);
    BITMAP bm;
    if (bitmap && GetObjectA(bitmap, sizeof bm, &bm)) {
      HDC mem = CreateCompatibleDC(dc);
      HGDIOBJ old = SelectObject(mem, bitmap);
      BitBlt(dc, 0, 0, bm.bmWidth, bm.bmHeight, mem, 0, 0, SRCCOPY);
      SelectObject(mem, old);
      DeleteDC(mem);
    }
    return;
  }
  FillRect(dc, &r, back ? back : GetSysColorBrush(COLOR_BTNFACE));
  HGDIOBJ oldFont = SelectObject(dc, ControlFont(hwnd));
  SetBkMode(dc, TRANSPARENT);
  if (!back) SetTextColor(dc, GetSysColor((w->Style & WS_DISABLED) ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
  UINT align = kind == SS_CENTER ? DT_CENTER : kind == SS_RIGHT ? DT_RIGHT : DT_LEFT;
  DrawTextA(dc, w->Text.c_str(), static_cast<int>(w->Text.size()), &r,
            align | DT_WORDBREAK | DT_EXPANDTABS | ((w->Style & SS_NOPREFIX) ? DT_NOPREFIX : 0));
  SelectObject(dc, oldFont);
}

}  // namespace

LRESULT StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCDESTROY:
      Images().erase(hwnd);
      SetControlFont(hwnd, nullptr);
      break;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = wParam ? reinterpret_cast<HDC>(wParam) : BeginPaint(hwnd, &ps);
      PaintStatic(hwnd, dc);
      if (!wParam) EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_PRINTCLIENT: PaintStatic(hwnd, reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_NCHITTEST: {
      TWindow* w = FindWindowRec(hwnd);
      return w && (w->Style & SS_NOTIFY) ? HTCLIENT : HTTRANSPARENT;
    }
    case WM_SETFONT:
      SetControlFont(hwnd, reinterpret_cast<HFONT>(wParam));
      if (lParam) InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(ControlFont(hwnd));
    case WM_GETDLGCODE: return DLGC_STATIC;
    case WM_SETTEXT: case WM_ENABLE: {
      LRESULT r = DefWindowProcA(hwnd, msg, wParam, lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return r;
    }
    case STM_SETIMAGE: {
      HANDLE old = Images()[hwnd];
      Images()[hwnd] = reinterpret_cast<HANDLE>(lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return reinterpret_cast<LRESULT>(old);
    }
    case STM_GETIMAGE: return reinterpret_cast<LRESULT>(Images()[hwnd]);
    default: break;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace WinInternals
