// The BUTTON class: push buttons (default, owner-drawn), check boxes, radio buttons (the caption after
// the box, or before it with BS_LEFTTEXT; wrapped with BS_MULTILINE) and group boxes.
#include <unordered_map>

#include "Messages.h"
#include "WinControls.h"
#include "WinDefProc.h"
#include "WinFocus.h"
#include "WinGdi.h"
#include "WinInput.h"
#include "WinInternals.h"
#include "WinManage.h"
#include "WinPaint.h"
#include "WinQueue.h"
#include "WinUserDraw.h"

namespace WinInternals {

namespace {

struct TButton {
  WPARAM Check = BST_UNCHECKED;
  bool Pushed = false;
  bool Tracking = false;  // mouse held down on it
};

std::unordered_map<HWND, TButton>& Buttons() {
  static std::unordered_map<HWND, TButton> b;
  return b;
}

DWORD Kind(const TWindow* w) { return w->Style & BS_TYPEMASK; }
bool IsPush(DWORD kind) { return kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON || kind == BS_OWNERDRAW; }

void Fill(HDC dc, const RECT& r, COLORREF c) {
  HBRUSH b = CreateSolidBrush(c);
  FillRect(dc, &r, b);
  DeleteObject(b);
}

void Outline(HDC dc, RECT r, COLORREF c) {
  HBRUSH b = CreateSolidBrush(c);
  FrameRect(dc, &r, b);
  DeleteObject(b);
}

// The caption centred vertically in `r`, on one line or (BS_MULTILINE) wrapped at blanks; answers
// where it went.
RECT DrawCaption(HDC dc, const TWindow* w, RECT r, UINT align) {
  const String& text = w->Text;
  if (!(w->Style & BS_MULTILINE)) {
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, align | DT_VCENTER | DT_SINGLELINE);
    SIZE ext{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &ext);
    int left = align == DT_CENTER ? (r.left + r.right - ext.cx) / 2 : r.left;
    int top = (r.top + r.bottom - ext.cy) / 2;
    return RECT{left, top, left + ext.cx, top + ext.cy};
  }
  RECT calc = r;
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &calc, align | DT_WORDBREAK | DT_CALCRECT);
  int height = calc.bottom - calc.top;
  RECT t{r.left, (r.top + r.bottom - height) / 2, r.right, (r.top + r.bottom - height) / 2 + height};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &t, align | DT_WORDBREAK);
  int width = calc.right - calc.left;
  int left = align == DT_CENTER ? (r.left + r.right - width) / 2 : r.left;
  return RECT{left, t.top, left + width, t.bottom};
}

void PaintButton(HWND hwnd, HDC dc) {
  TWindow* w = FindWindowRec(hwnd);
  const TButton& b = Buttons()[hwnd];
  RECT r;
  GetClientRect(hwnd, &r);
  DWORD kind = Kind(w);
  bool enabled = !(w->Style & WS_DISABLED);
  bool focused = GetFocus() == hwnd;
  if (kind == BS_OWNERDRAW) {
    DRAWITEMSTRUCT dis;
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = static_cast<UINT>(w->Id);
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = (b.Pushed ? ODS_SELECTED : 0) | (focused ? ODS_FOCUS : 0) | (enabled ? 0 : ODS_DISABLED);
    dis.hwndItem = hwnd;
    dis.hDC = dc;
    dis.rcItem = r;
    if (w->Parent && w->Parent != State().Desktop)
      SendMessageA(w->Parent->Handle, WM_DRAWITEM, static_cast<WPARAM>(w->Id), reinterpret_cast<LPARAM>(&dis));
    return;
  }
  HBRUSH back = nullptr;
  if (w->Parent && w->Parent != State().Desktop)
    back = reinterpret_cast<HBRUSH>(SendMessageA(w->Parent->Handle, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                                 reinterpret_cast<LPARAM>(hwnd)));
  FillRect(dc, &r, back ? back : GetSysColorBrush(COLOR_BTNFACE));
  HGDIOBJ oldFont = SelectObject(dc, ControlFont(hwnd));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, enabled ? GetSysColor(COLOR_BTNTEXT) : GetSysColor(COLOR_GRAYTEXT));
  if (IsPush(kind)) {
    // The default visual style's push button: a dark blue outline round a pale face.
    Fill(dc, RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, b.Pushed ? RGB(226, 225, 218) : RGB(244, 244, 240));
    Outline(dc, r, enabled ? RGB(0, 60, 116) : RGB(201, 199, 186));
    if (kind == BS_DEFPUSHBUTTON && enabled)
      Outline(dc, RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, RGB(105, 130, 238));
    RECT t = r;
    if (b.Pushed) OffsetRect(&t, 1, 1);
    DrawCaption(dc, w, t, DT_CENTER);
    if (focused) {
      RECT f{r.left + 3, r.top + 3, r.right - 3, r.bottom - 3};
      DrawFocusRect(dc, &f);
    }
  } else if (kind == BS_GROUPBOX) {
    SIZE ext{};
    GetTextExtentPoint32A(dc, w->Text.c_str(), static_cast<int>(w->Text.size()), &ext);
    Outline(dc, RECT{r.left, r.top + ext.cy / 2, r.right, r.bottom}, RGB(208, 208, 191));
    RECT t{r.left + 8, r.top, r.left + 10 + ext.cx, r.top + ext.cy};
    FillRect(dc, &t, back ? back : GetSysColorBrush(COLOR_BTNFACE));
    t.left += 1;
    DrawTextA(dc, w->Text.c_str(), static_cast<int>(w->Text.size()), &t, DT_LEFT | DT_SINGLELINE);
  } else {
    bool radio = kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON;
    bool leftText = (w->Style & BS_LEFTTEXT) != 0;  // the caption before the box
    int cy = (r.top + r.bottom) / 2;
    RECT box = leftText ? RECT{r.right - 13, cy - 6, r.right, cy + 7} : RECT{r.left, cy - 6, r.left + 13, cy + 7};
    Fill(dc, box, b.Pushed ? RGB(176, 176, 167) : RGB(255, 255, 255));
    Outline(dc, box, RGB(28, 81, 128));
    if (b.Check == BST_CHECKED) {
      COLORREF mark = RGB(33, 161, 33);
      if (radio) Fill(dc, RECT{box.left + 4, box.top + 4, box.right - 4, box.bottom - 4}, mark);
      else
        for (int i = 0; i < 7; ++i) {
          int y = i < 3 ? box.top + 6 + i : box.top + 8 - (i - 2);
          Fill(dc, RECT{box.left + 3 + i, y - 1, box.left + 4 + i, y + 2}, mark);
        }
    } else if (b.Check == BST_INDETERMINATE) {
      Fill(dc, RECT{box.left + 3, box.top + 3, box.right - 3, box.bottom - 3}, RGB(33, 161, 33));
    }
    RECT t = leftText ? RECT{r.left, r.top, box.left - 4, r.bottom} : RECT{box.right + 4, r.top, r.right, r.bottom};
    RECT drawn = DrawCaption(dc, w, t, DT_LEFT);
    if (focused) {
      RECT f{drawn.left - 1, drawn.top - 1, drawn.right + 1, drawn.bottom + 1};
      DrawFocusRect(dc, &f);
    }
  }
  SelectObject(dc, oldFont);
}

void Redraw(HWND hwnd) {
  InvalidateRect(hwnd, nullptr, FALSE);
  UpdateWindow(hwnd);
}

// A click: automatic boxes change their check, then the parent hears of it.
void Click(HWND hwnd) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w) return;
  TButton& b = Buttons()[hwnd];
  switch (Kind(w)) {
    case BS_AUTOCHECKBOX: b.Check = b.Check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED; break;
    case BS_AUTO3STATE: b.Check = (b.Check + 1) % 3; break;
    case BS_AUTORADIOBUTTON:
      // The other automatic radio buttons of the same parent are cleared.
      for (TWindow* s : w->Parent->Children)
        if (s != w && s->Class == w->Class && Kind(s) == BS_AUTORADIOBUTTON && Buttons()[s->Handle].Check) {
          Buttons()[s->Handle].Check = BST_UNCHECKED;
          InvalidateRect(s->Handle, nullptr, FALSE);
        }
      b.Check = BST_CHECKED;
      break;
    default: break;
  }
  Redraw(hwnd);
  NotifyParent(hwnd, BN_CLICKED);
}

void SetPushed(HWND hwnd, bool pushed) {
  TButton& b = Buttons()[hwnd];
  if (b.Pushed == pushed) return;
  b.Pushed = pushed;
  Redraw(hwnd);
}

}  // namespace

LRESULT ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w) return 0;
  switch (msg) {
    case WM_NCCREATE: Buttons()[hwnd] = TButton{}; break;
    case WM_NCDESTROY:
      Buttons().erase(hwnd);
      SetControlFont(hwnd, nullptr);
      break;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = wParam ? reinterpret_cast<HDC>(wParam) : BeginPaint(hwnd, &ps);
      PaintButton(hwnd, dc);
      if (!wParam) EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_PRINTCLIENT: PaintButton(hwnd, reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SETFONT:
      SetControlFont(hwnd, reinterpret_cast<HFONT>(wParam));
      if (lParam) InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(ControlFont(hwnd));
    case WM_GETDLGCODE: {
      DWORD kind = Kind(w);
      if (kind == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
      if (kind == BS_PUSHBUTTON || kind == BS_OWNERDRAW) return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
      if (kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON) return DLGC_BUTTON | DLGC_RADIOBUTTON;
      return DLGC_BUTTON;
    }
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK:
      if (Kind(w) == BS_GROUPBOX) return 0;
      SetFocus(hwnd);
      SetCapture(hwnd);
      Buttons()[hwnd].Tracking = true;
      SetPushed(hwnd, true);
      return 0;
    case WM_MOUSEMOVE:
      if (Buttons()[hwnd].Tracking && GetCapture() == hwnd) {
        RECT r;
        GetClientRect(hwnd, &r);
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        SetPushed(hwnd, PtInRect(&r, p));
      }
      return 0;
    case WM_LBUTTONUP: {
      TButton& b = Buttons()[hwnd];
      if (!b.Tracking) return 0;
      b.Tracking = false;
      bool click = b.Pushed;
      SetPushed(hwnd, false);
      if (GetCapture() == hwnd) ReleaseCapture();
      if (click) Click(hwnd);
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (Buttons()[hwnd].Tracking) {
        Buttons()[hwnd].Tracking = false;
        SetPushed(hwnd, false);
      }
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE) SetPushed(hwnd, true);
      return 0;
    case WM_KEYUP:
      if (wParam == VK_SPACE && Buttons()[hwnd].Pushed) {
        SetPushed(hwnd, false);
        Click(hwnd);
      }
      return 0;
    case WM_SETFOCUS: case WM_KILLFOCUS:
      if (msg == WM_KILLFOCUS) SetPushed(hwnd, false);
      InvalidateRect(hwnd, nullptr, FALSE);
      if (w->Style & BS_NOTIFY) NotifyParent(hwnd, msg == WM_SETFOCUS ? BN_SETFOCUS : BN_KILLFOCUS);
      return 0;
    case WM_ENABLE: case WM_SETTEXT: {
      LRESULT r = DefWindowProcA(hwnd, msg, wParam, lParam);
      InvalidateRect(hwnd, nullptr, FALSE);
      return r;
    }
    case BM_GETCHECK: return static_cast<LRESULT>(Buttons()[hwnd].Check);
    case BM_SETCHECK:
      Buttons()[hwnd].Check = wParam;
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case BM_GETSTATE: {
      const TButton& b = Buttons()[hwnd];
      return static_cast<LRESULT>(b.Check | (b.Pushed ? BST_PUSHED : 0) | (GetFocus() == hwnd ? BST_FOCUS : 0));
    }
    case BM_SETSTATE: SetPushed(hwnd, wParam != 0); return 0;
    case BM_SETSTYLE:
      w->Style = (w->Style & ~0xFFFFu) | static_cast<DWORD>(wParam & 0xFFFF);
      if (lParam) InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case BM_CLICK:
      SetPushed(hwnd, true);
      SetPushed(hwnd, false);
      Click(hwnd);
      return 0;
    default: break;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace WinInternals
