// The default handling of window messages that the framework relies on.
#include "WinDefProc.h"

#include <algorithm>
#include <cstring>

#include "Messages.h"
#include "Multibyte.h"
#include "WinCursor.h"
#include "WinFocus.h"
#include "WinGdi.h"
#include "WinHelp.h"
#include "WinInput.h"
#include "WinInternals.h"
#include "WinManage.h"
#include "WinMetrics.h"
#include "WinNonClient.h"
#include "WinPaint.h"
#include "WinQueue.h"
#include "WinUserDraw.h"

namespace WinDefProc {

namespace {

POINT Unpack(LPARAM l) { return POINT{GET_X_LPARAM(l), GET_Y_LPARAM(l)}; }

// Copies UTF-8 text into a buffer of `size` bytes with its terminating zero, never cutting a character.
int CopyText(const String& text, char* buffer, size_t size) {
  if (!buffer || size == 0) return 0;
  size_t n = CharBoundaryBefore(text, size - 1);
  std::memcpy(buffer, text.data(), n);
  buffer[n] = 0;
  return static_cast<int>(n);
}

LRESULT ToParent(TWindow* w, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!w->IsChildStyle() || !w->Parent || w->Parent == State().Desktop) return 0;
  return SendMessageA(w->Parent->Handle, msg, wParam, lParam);
}

// F1: help is asked about the focused window, or the active one when nothing has the focus.
void SendHelpRequest() {
  HWND target = GetFocus();
  if (!target) target = GetActiveWindow();
  if (!target) return;
  HELPINFO info;
  info.iContextType = HELPINFO_WINDOW;
  info.iCtrlId = GetDlgCtrlID(target);
  info.hItemHandle = target;
  GetCursorPos(&info.MousePos);
  SendMessageA(target, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

const char* SizeCursorFor(LRESULT hit) {
  switch (hit) {
    case HTLEFT: case HTRIGHT: return IDC_SIZEWE;
    case HTTOP: case HTBOTTOM: return IDC_SIZENS;
    case HTTOPLEFT: case HTBOTTOMRIGHT: return IDC_SIZENWSE;
    case HTTOPRIGHT: case HTBOTTOMLEFT: return IDC_SIZENESW;
    default: return IDC_ARROW;
  }
}

LRESULT SetCursorDefault(TWindow* w, WPARAM wParam, LPARAM lParam) {
  if (ToParent(w, WM_SETCURSOR, wParam, lParam)) return TRUE;
  auto hit = static_cast<SHORT>(LOWORD(static_cast<uintptr_t>(lParam)));
  UINT mouse = HIWORD(static_cast<uintptr_t>(lParam));
  if (hit == HTERROR) {
    if (mouse == WM_LBUTTONDOWN || mouse == WM_RBUTTONDOWN || mouse == WM_MBUTTONDOWN) MessageBeep(0);
    return FALSE;
  }
  if (hit == HTCLIENT) {
    if (w->Class && w->Class->Cursor) SetCursor(w->Class->Cursor);
    return TRUE;
  }
  TNcLayout l = NcLayout(w);
  SetCursor(LoadCursorA(nullptr, l.Sizable ? SizeCursorFor(hit) : IDC_ARROW));
  return TRUE;
}

LRESULT CtlColor(UINT msg, HDC dc) {
  int back = (msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX) ? COLOR_WINDOW
             : msg == WM_CTLCOLORSCROLLBAR                         ? COLOR_SCROLLBAR
                                                                    : COLOR_BTNFACE;
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(back));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(back));
}

void EraseBackground(TWindow* w, HDC dc) {
  HBRUSH brush = w->Class ? w->Class->Background : nullptr;
  RECT r{0, 0, w->Client.right - w->Client.left, w->Client.bottom - w->Client.top};
  FillRect(dc, &r, brush);
}

// WM_PRINT: the window (and by the flags its frame, background and children) into a foreign DC whose
// origin stands for the window's top-left corner.
void Print(TWindow* w, HDC dc, LPARAM flags) {
  HWND hwnd = w->Handle;
  if ((flags & PRF_CHECKVISIBLE) && !IsVisibleChain(w)) return;
  if (flags & PRF_NONCLIENT) {
    int frame = SaveDC(dc);
    ExcludeClipRect(dc, w->Client.left, w->Client.top, w->Client.right, w->Client.bottom);
    NcPaintInto(w, dc);
    RestoreDC(dc, frame);
  }
  int saved = SaveDC(dc);
  OffsetViewportOrgEx(dc, w->Client.left, w->Client.top, nullptr);
  if (flags & PRF_ERASEBKGND) SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  if ((flags & PRF_CLIENT) && FindWindowRec(hwnd)) SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), flags);
  if ((flags & PRF_CHILDREN) && (w = FindWindowRec(hwnd))) {
    std::vector<HWND> children;
    for (auto it = w->Children.rbegin(); it != w->Children.rend(); ++it) children.push_back((*it)->Handle);
    for (HWND h : children) {
      TWindow* c = FindWindowRec(h);
      if (!c || !(c->Style & WinManage::WS_VISIBLE)) continue;
      int s2 = SaveDC(dc);
      OffsetViewportOrgEx(dc, c->Rect.left, c->Rect.top, nullptr);
      SendMessageA(h, WM_PRINT, reinterpret_cast<WPARAM>(dc), flags | PRF_NONCLIENT | PRF_CLIENT);
      RestoreDC(dc, s2);
    }
  }
  RestoreDC(dc, saved);
}

LRESULT SysCommand(TWindow* w, WPARAM command, LPARAM lParam) {
  HWND hwnd = w->Handle;
  switch (command & 0xFFF0) {
    case SC_MOVE: case SC_SIZE: SysMoveSize(w, command, Unpack(lParam)); return 0;
    case SC_CLOSE: SendMessageA(hwnd, WM_CLOSE, 0, 0); return 0;
    case SC_MINIMIZE: ShowWindow(hwnd, SW_MINIMIZE); return 0;
    case SC_MAXIMIZE: ShowWindow(hwnd, SW_SHOWMAXIMIZED); return 0;
    case SC_RESTORE: ShowWindow(hwnd, SW_RESTORE); return 0;
    default: return 0;
  }
}

}  // namespace

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w) return 0;
  switch (msg) {
    case WM_NCCREATE: {
      auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      if (cs && cs->lpszName && reinterpret_cast<uintptr_t>(cs->lpszName) > 0xFFFF) w->Text = cs->lpszName;
      return TRUE;
    }
    case WM_NCCALCSIZE: {
      if (wParam) {
        auto* p = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
        p->rgrc[0] = DefaultClientRect(w, p->rgrc[0]);
      } else if (lParam) {
        auto* r = reinterpret_cast<RECT*>(lParam);
        *r = DefaultClientRect(w, *r);
      }
      return 0;
    }
    case WM_NCHITTEST: return NcHitTest(w, Unpack(lParam));
    case WM_NCPAINT: NcPaint(w, reinterpret_cast<HRGN>(wParam)); return 0;
    case WM_NCACTIVATE:
      w->NcActive = wParam != FALSE;
      if (IsVisibleChain(w) && !w->RedrawOff && (w->Style & WinManage::WS_CAPTION) == WinManage::WS_CAPTION)
        NcPaint(w, nullptr);
      return TRUE;
    case WM_NCLBUTTONDOWN: NcButtonDown(w, wParam, Unpack(lParam)); return 0;
    case WM_NCLBUTTONDBLCLK:
      if (wParam == HTCAPTION && (w->Style & WinManage::WS_MAXIMIZEBOX))
        return SendMessageA(hwnd, WM_SYSCOMMAND, w->Maximized ? SC_RESTORE : SC_MAXIMIZE, lParam);
      if (wParam == HTSYSMENU) return SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, lParam);
      // A second click on a button or a bar is another press.
      NcButtonDown(w, wParam == HTCAPTION ? HTNOWHERE : wParam, Unpack(lParam));
      return 0;
    case WM_RBUTTONUP: {
      POINT p = Unpack(lParam);
      ClientToScreen(hwnd, &p);
      return SendMessageA(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd),
                          MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)));
    }
    case WM_NCRBUTTONUP:
      return SendMessageA(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), lParam);
    case WM_CONTEXTMENU: case WM_MOUSEWHEEL: case WM_HELP: return ToParent(w, msg, wParam, lParam);
    case WM_MOUSEACTIVATE: {
      LRESULT r = ToParent(w, WM_MOUSEACTIVATE, wParam, lParam);
      return r ? r : MA_ACTIVATE;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) SetFocus(hwnd);
      return 0;
    case WM_SETCURSOR: return SetCursorDefault(w, wParam, lParam);
    case WM_SYSCOMMAND: return SysCommand(w, wParam, lParam);
    case WM_KEYDOWN:
      if (wParam == VK_F1) SendHelpRequest();
      return 0;
    case WM_SYSKEYDOWN:
      if (wParam == VK_F4 && (lParam & (1 << 29))) {
        TWindow* top = TopLevelOf(w);
        if (top) PostMessageA(top->Handle, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      return 0;
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_CANCELMODE:
      if (GetCapture() == hwnd) ReleaseCapture();
      return 0;
    case WM_SETTEXT:
      w->Text = lParam ? reinterpret_cast<const char*>(lParam) : "";
      if ((w->Style & WinManage::WS_CAPTION) == WinManage::WS_CAPTION && IsVisibleChain(w)) NcPaint(w, nullptr);
      return TRUE;
    case WM_GETTEXT: return CopyText(w->Text, reinterpret_cast<char*>(lParam), wParam);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(w->Text.size());
    case WM_ERASEBKGND:
      if (!w->Class || !w->Class->Background) return 0;
      EraseBackground(w, reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hwnd, &ps);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_PRINT: Print(w, reinterpret_cast<HDC>(wParam), lParam); return 0;
    case WM_SETREDRAW:
      w->RedrawOff = wParam == FALSE;
      return 0;
    case WM_WINDOWPOSCHANGING: {
      auto* wp = reinterpret_cast<WINDOWPOS*>(lParam);
      bool resizable = (w->Style & WinManage::WS_THICKFRAME) || !(w->Style & (WinManage::WS_POPUP | WinManage::WS_CHILD));
      if (wp && !(wp->flags & WinManage::SWP_NOSIZE) && resizable && !w->Minimized && !w->Maximized) {
        MINMAXINFO mmi;
        mmi.ptMinTrackSize = POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
        mmi.ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
        SendMessageA(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
        wp->cx = std::clamp<int>(wp->cx, mmi.ptMinTrackSize.x, std::max(mmi.ptMinTrackSize.x, mmi.ptMaxTrackSize.x));
        wp->cy = std::clamp<int>(wp->cy, mmi.ptMinTrackSize.y, std::max(mmi.ptMinTrackSize.y, mmi.ptMaxTrackSize.y));
      }
      return 0;
    }
    case WM_WINDOWPOSCHANGED: {
      auto* wp = reinterpret_cast<const WINDOWPOS*>(lParam);
      if (!wp) return 0;
      if (!(wp->flags & 0x1000))  // the client area moved
        SendMessageA(hwnd, WM_MOVE, 0,
                     MAKELPARAM(static_cast<WORD>(w->Rect.left + w->Client.left), static_cast<WORD>(w->Rect.top + w->Client.top)));
      if (!(wp->flags & 0x0800) && (w = FindWindowRec(hwnd))) {  // the client area changed size
        WPARAM kind = w->Minimized ? SIZE_MINIMIZED : w->Maximized ? SIZE_MAXIMIZED : SIZE_RESTORED;
        SendMessageA(hwnd, WM_SIZE, kind,
                     MAKELPARAM(static_cast<WORD>(w->Client.right - w->Client.left), static_cast<WORD>(w->Client.bottom - w->Client.top)));
      }
      return 0;
    }
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC:
      return CtlColor(msg, reinterpret_cast<HDC>(wParam));
    case WM_QUERYENDSESSION: case WM_QUERYOPEN: return TRUE;
    default: return 0;
  }
}

}  // namespace WinDefProc
