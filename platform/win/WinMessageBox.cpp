// The message box dialog: layout, icon, buttons and its modal loop.
#include "WinMessageBox.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "Messages.h"
#include "WinControls.h"
#include "WinDefProc.h"
#include "WinFocus.h"
#include "WinGdi.h"
#include "WinInput.h"
#include "WinInternals.h"
#include "WinManage.h"
#include "WinMetrics.h"
#include "WinPaint.h"
#include "WinQueue.h"
#include "WinUserDraw.h"

namespace WinMessageBox {

namespace {

struct TBox {
  String Text;
  UINT Type = 0;
  RECT TextRect;
  int Result = 0;
  bool Done = false;
  HFONT Font = nullptr;
};

std::unordered_map<HWND, TBox*>& Boxes() {
  static std::unordered_map<HWND, TBox*> b;
  return b;
}

// The buttons of each type, as the Chinese desktop labels them.
struct TButtonDef {
  int Id;
  const char* Text;
};
std::vector<TButtonDef> ButtonsOf(UINT type) {
  const TButtonDef ok{IDOK, "\xE7\xA1\xAE\xE5\xAE\x9A"}, cancel{IDCANCEL, "\xE5\x8F\x96\xE6\xB6\x88"},
      yes{IDYES, "\xE6\x98\xAF(&Y)"}, no{IDNO, "\xE5\x90\xA6(&N)"}, abort{IDABORT, "\xE4\xB8\xAD\xE6\xAD\xA2(&A)"},
      retry{IDRETRY, "\xE9\x87\x8D\xE8\xAF\x95(&R)"}, ignore{IDIGNORE, "\xE5\xBF\xBD\xE7\x95\xA5(&I)"};
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {ok, cancel};
    case MB_ABORTRETRYIGNORE: return {abort, retry, ignore};
    case MB_YESNOCANCEL: return {yes, no, cancel};
    case MB_YESNO: return {yes, no};
    case MB_RETRYCANCEL: return {retry, cancel};
    default: return {ok};
  }
}

// The button Escape presses: Cancel when there is one, OK when it stands alone; none otherwise.
int EscapeId(UINT type) {
  for (const TButtonDef& b : ButtonsOf(type))
    if (b.Id == IDCANCEL) return IDCANCEL;
  return (type & MB_TYPEMASK) == MB_OK ? IDOK : 0;
}

void Fill(HDC dc, const RECT& r, COLORREF c) {
  HBRUSH b = CreateSolidBrush(c);
  FillRect(dc, &r, b);
  DeleteObject(b);
}

// The icons are drawn as the system's: a red disc with a cross, a yellow triangle with "!", a blue
// disc with "i" or "?".
void PaintIcon(HDC dc, UINT icon, int x, int y) {
  if (!icon) return;
  COLORREF face = icon == MB_ICONHAND ? RGB(220, 40, 30) : icon == MB_ICONEXCLAMATION ? RGB(250, 200, 20) : RGB(40, 90, 210);
  HBRUSH brush = CreateSolidBrush(face);
  HPEN pen = CreatePen(PS_SOLID, 1, icon == MB_ICONEXCLAMATION ? RGB(120, 90, 0) : RGB(255, 255, 255));
  HGDIOBJ ob = SelectObject(dc, brush), op = SelectObject(dc, pen);
  if (icon == MB_ICONEXCLAMATION) {
    POINT tri[3] = {{x + 16, y + 1}, {x + 31, y + 30}, {x + 1, y + 30}};
    Polygon(dc, tri, 3);
  } else {
    Ellipse(dc, x, y, x + 32, y + 32);
  }
  SelectObject(dc, ob);
  SelectObject(dc, op);
  DeleteObject(brush);
  DeleteObject(pen);
  COLORREF ink = icon == MB_ICONEXCLAMATION ? RGB(0, 0, 0) : RGB(255, 255, 255);
  switch (icon) {
    case MB_ICONHAND:
      for (int i = -7; i <= 7; ++i) {
        Fill(dc, RECT{x + 16 + i - 1, y + 16 + i - 1, x + 16 + i + 2, y + 16 + i + 2}, ink);
        Fill(dc, RECT{x + 16 + i - 1, y + 16 - i - 1, x + 16 + i + 2, y + 16 - i + 2}, ink);
      }
      break;
    case MB_ICONEXCLAMATION:
      Fill(dc, RECT{x + 15, y + 10, x + 18, y + 22}, ink);
      Fill(dc, RECT{x + 15, y + 24, x + 18, y + 27}, ink);
      break;
    case MB_ICONQUESTION: {
      RECT r{x, y, x + 32, y + 32};
      SetTextColor(dc, ink);
      SetBkMode(dc, TRANSPARENT);
      DrawTextA(dc, "?", 1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      break;
    }
    default:
      Fill(dc, RECT{x + 14, y + 7, x + 18, y + 11}, ink);
      Fill(dc, RECT{x + 14, y + 13, x + 18, y + 26}, ink);
      break;
  }
}

void End(HWND dialog, int id) {
  auto it = Boxes().find(dialog);
  if (it == Boxes().end() || it->second->Done) return;
  it->second->Result = id;
  it->second->Done = true;
}

// Keys of the box: Enter, Escape, Tab between the buttons, the buttons' letters.
bool HandleKey(HWND dialog, const MSG& m, TBox& box) {
  if (m.message != WM_KEYDOWN && m.message != WM_CHAR && m.message != WM_SYSCHAR) return false;
  if (m.hwnd != dialog && !IsChild(dialog, m.hwnd)) return false;
  if (m.message == WM_KEYDOWN) {
    switch (m.wParam) {
      case VK_RETURN: {
        HWND f = GetFocus();
        int id = f && IsChild(dialog, f) ? GetDlgCtrlID(f) : 0;
        if (!id)
          for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if ((GetWindowLongPtr(c, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) id = GetDlgCtrlID(c);
        if (id) End(dialog, id);
        return true;
      }
      case VK_ESCAPE:
        if (int id = EscapeId(box.Type)) End(dialog, id);
        return true;
      case VK_TAB: case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: {
        bool back = m.wParam == VK_LEFT || m.wParam == VK_UP || (m.wParam == VK_TAB && GetKeyState(VK_SHIFT) < 0);
        HWND f = GetFocus();
        HWND next = back ? GetWindow(f, GW_HWNDPREV) : GetWindow(f, GW_HWNDNEXT);
        if (!next || !IsChild(dialog, f)) next = GetWindow(GetWindow(dialog, GW_CHILD), back ? GW_HWNDLAST : GW_HWNDFIRST);
        if (next) SetFocus(next);
        return true;
      }
      default: return false;
    }
  }
  // A letter presses the button marked with it ("&Y").
  char ch = static_cast<char>(m.wParam);
  if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  for (const TButtonDef& b : ButtonsOf(box.Type)) {
    const char* amp = std::strchr(b.Text, '&');
    if (amp && amp[1] == ch) {
      End(dialog, b.Id);
      return true;
    }
  }
  return m.message == WM_CHAR;
}

}  // namespace

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) {
  if (owner && !FindWindowRec(owner)) owner = nullptr;
  HWND top = owner ? GetAncestor(owner, GA_ROOT) : GetActiveWindow();
  TBox box;
  box.Text = text ? text : "";
  box.Type = type;
  // Layout in the message font: the text (at most two thirds of the screen wide), the icon at its left,
  // the buttons centred below.
  NONCLIENTMETRICSA ncm;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
  box.Font = CreateFontIndirectA(&ncm.lfMessageFont);
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, box.Font);
  RECT tr{0, 0, GetSystemMetrics(SM_CXSCREEN) * 2 / 3, 0};
  DrawTextA(screen, box.Text.c_str(), static_cast<int>(box.Text.size()), &tr, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  UINT icon = type & MB_ICONMASK;
  int iconW = icon ? 32 + 12 : 0;
  auto buttons = ButtonsOf(type);
  int bw = 75, bh = 23, gap = 6, margin = 12;
  int buttonsW = static_cast<int>(buttons.size()) * bw + (static_cast<int>(buttons.size()) - 1) * gap;
  int textH = std::max<int>(tr.bottom, icon ? 32 : 0);
  int clientW = std::max(margin * 2 + iconW + static_cast<int>(tr.right), margin * 2 + buttonsW);
  clientW = std::max(clientW, 120);
  int clientH = margin + textH + margin + bh + margin;
  box.TextRect = RECT{margin + iconW, margin + (textH - tr.bottom) / 2, margin + iconW + tr.right,
                      margin + (textH - tr.bottom) / 2 + tr.bottom};
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS;
  DWORD exStyle = WS_EX_DLGMODALFRAME | ((type & (MB_TOPMOST | MB_SYSTEMMODAL)) ? WS_EX_TOPMOST : 0);
  RECT wr{0, 0, clientW, clientH};
  AdjustWindowRectEx(&wr, style, FALSE, exStyle);
  int width = wr.right - wr.left, height = wr.bottom - wr.top;
  RECT centre{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (top) GetWindowRect(top, &centre);
  int x = (centre.left + centre.right - width) / 2, y = (centre.top + centre.bottom - height) / 2;
  x = std::clamp(x, 0, std::max(0, GetSystemMetrics(SM_CXSCREEN) - width));
  y = std::clamp(y, 0, std::max(0, GetSystemMetrics(SM_CYSCREEN) - height));

  HWND dialog = CreateWindowExA(exStyle, "#32770", caption ? caption : "\xE9\x94\x99\xE8\xAF\xAF", style, x, y, width,
                                height, top, nullptr, nullptr, &box);
  if (!dialog) {
    DeleteObject(box.Font);
    return 0;
  }
  int defIndex = std::min<int>(static_cast<int>((type & MB_DEFMASK) >> 8), static_cast<int>(buttons.size()) - 1);
  HWND defButton = nullptr;
  int bx = (clientW - buttonsW) / 2, by = clientH - margin - bh;
  for (size_t i = 0; i < buttons.size(); ++i) {
    DWORD bs = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (static_cast<int>(i) == defIndex ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    HWND b = CreateWindowExA(0, "Button", buttons[i].Text, bs, bx + static_cast<int>(i) * (bw + gap), by, bw, bh, dialog,
                             reinterpret_cast<HMENU>(static_cast<intptr_t>(buttons[i].Id)), nullptr, nullptr);
    SendMessageA(b, WM_SETFONT, reinterpret_cast<WPARAM>(box.Font), 0);
    if (static_cast<int>(i) == defIndex) defButton = b;
  }
  // The owner (and so every window it owns) waits while the box is up.
  bool ownerWasEnabled = top && IsWindowEnabled(top);
  if (ownerWasEnabled) EnableWindow(top, FALSE);
  ShowWindow(dialog, SW_SHOW);
  if (defButton) SetFocus(defButton);

  bool quit = false;
  int quitCode = 0;
  MSG m;
  while (!box.Done && IsWindow(dialog)) {
    BOOL r = GetMessageA(&m, nullptr, 0, 0);
    if (r == 0 || r == -1) {
      quit = r == 0;
      quitCode = static_cast<int>(m.wParam);
      break;
    }
    if (HandleKey(dialog, m, box)) continue;
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
  if (ownerWasEnabled && IsWindow(top)) EnableWindow(top, TRUE);
  if (IsWindow(dialog)) DestroyWindow(dialog);
  DeleteObject(box.Font);
  if (quit) PostQuitMessage(quitCode);
  return box.Done ? box.Result : 0;
}

}  // namespace WinMessageBox

namespace WinInternals {

using namespace WinMessageBox;

LRESULT MessageBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCCREATE: {
      auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      if (cs && cs->lpCreateParams) Boxes()[hwnd] = static_cast<TBox*>(cs->lpCreateParams);
      break;
    }
    case WM_NCDESTROY: Boxes().erase(hwnd); break;
    case WM_PAINT: {
      auto it = Boxes().find(hwnd);
      if (it == Boxes().end()) break;
      TBox& box = *it->second;
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      PaintIcon(dc, box.Type & MB_ICONMASK, 12, 12);
      HGDIOBJ old = SelectObject(dc, box.Font);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
      RECT r = box.TextRect;
      DrawTextA(dc, box.Text.c_str(), static_cast<int>(box.Text.size()), &r, DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
      SelectObject(dc, old);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) End(hwnd, LOWORD(wParam));
      return 0;
    case WM_CLOSE: {
      // The close box answers like Escape; a box without a way out stays.
      auto it = Boxes().find(hwnd);
      if (it != Boxes().end())
        if (int id = EscapeId(it->second->Type)) End(hwnd, id);
      return 0;
    }
    default: break;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace WinInternals
