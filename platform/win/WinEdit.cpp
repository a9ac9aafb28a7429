// The EDIT class: one line of text with a selection (anchor and active end), the caret, clipboard
// commands, single-level undo, a length limit, a password character and horizontal scrolling to keep
// the caret in view. Positions are byte offsets into the UTF-8 text and never fall inside a character;
// characters typed as several WM_CHAR bytes are inserted once complete. Every change tells the parent
// with EN_CHANGE.
#include <algorithm>
#include <unordered_map>

#include "Messages.h"
#include "Multibyte.h"
#include "WinCaret.h"
#include "WinClipboard.h"
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

struct TEdit {
  size_t Anchor = 0;
  size_t Caret = 0;
  size_t Limit = 0x7FFFFFFE;
  char Password = 0;
  int LeftMargin = 1;
  int RightMargin = 1;
  bool RectSet = false;
  RECT Format;
  int ScrollX = 0;
  String UndoText;
  size_t UndoAnchor = 0, UndoCaret = 0;
  bool CanUndo = false;
  bool Modified = false;
  bool Selecting = false;
  String Pending;  // leading bytes of a character typed byte by byte
};

std::unordered_map<HWND, TEdit>& Edits() {
  static std::unordered_map<HWND, TEdit> e;
  return e;
}

String& TextOf(HWND hwnd) { return FindWindowRec(hwnd)->Text; }
size_t SelMin(const TEdit& e) { return std::min(e.Anchor, e.Caret); }
size_t SelMax(const TEdit& e) { return std::max(e.Anchor, e.Caret); }

// The nearest character boundary at or before `pos`.
size_t Boundary(const String& s, size_t pos) { return CharBoundaryBefore(s, std::min(pos, s.size())); }

size_t NextChar(const String& s, size_t pos) {
  if (pos >= s.size()) return s.size();
  return static_cast<size_t>(CharNext(s.c_str() + pos) - s.c_str());
}

size_t PrevChar(const String& s, size_t pos) {
  if (pos == 0) return 0;
  return static_cast<size_t>(CharPrev(s.c_str(), s.c_str() + pos) - s.c_str());
}

bool IsWordChar(unsigned char c) { return c >= 0x80 || std::isalnum(c) || c == '_'; }

size_t WordLeft(const String& s, size_t pos) {
  while (pos > 0 && s[pos - 1] == ' ') pos = PrevChar(s, pos);
  while (pos > 0 && s[pos - 1] != ' ') pos = PrevChar(s, pos);
  return pos;
}

size_t WordRight(const String& s, size_t pos) {
  while (pos < s.size() && s[pos] != ' ') pos = NextChar(s, pos);
  while (pos < s.size() && s[pos] == ' ') pos = NextChar(s, pos);
  return pos;
}

// What is shown: the text, or one password character per character.
String Shown(HWND hwnd, const TEdit& e, size_t upTo) {
  const String& t = TextOf(hwnd);
  upTo = std::min(upTo, t.size());
  if (!e.Password) return t.substr(0, upTo);
  size_t chars = 0;
  for (size_t p = 0; p < upTo; p = NextChar(t, p)) ++chars;
  return String(chars, e.Password);
}

int Extent(HWND hwnd, const String& s) {
  if (s.empty()) return 0;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, ControlFont(hwnd));
  SIZE size{};
  GetTextExtentPoint32A(dc, s.c_str(), static_cast<int>(s.size()), &size);
  SelectObject(dc, old);
  DeleteDC(dc);
  return size.cx;
}

int LineHeight(HWND hwnd) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, ControlFont(hwnd));
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  DeleteDC(dc);
  return tm.tmHeight > 0 ? tm.tmHeight : 12;
}

RECT FormatRect(HWND hwnd, const TEdit& e) {
  if (e.RectSet) return e.Format;
  RECT r;
  GetClientRect(hwnd, &r);
  r.left += e.LeftMargin;
  r.right = std::max(r.left, r.right - e.RightMargin);
  return r;
}

// Where the text starts on screen: aligned in the formatting rectangle, less the scrolling.
int TextLeft(HWND hwnd, const TEdit& e) {
  RECT f = FormatRect(hwnd, e);
  DWORD style = FindWindowRec(hwnd)->Style;
  int width = Extent(hwnd, Shown(hwnd, e, String::npos));
  int room = f.right - f.left;
  if (width < room) {
    if (style & ES_RIGHT) return f.right - width;
    if (style & ES_CENTER) return f.left + (room - width) / 2;
  }
  return f.left - e.ScrollX;
}

int XOf(HWND hwnd, const TEdit& e, size_t pos) { return TextLeft(hwnd, e) + Extent(hwnd, Shown(hwnd, e, pos)); }

size_t PosFromX(HWND hwnd, const TEdit& e, int x) {
  const String& t = TextOf(hwnd);
  size_t best = 0;
  int left = TextLeft(hwnd, e);
  for (size_t p = 0;;) {
    size_t next = NextChar(t, p);
    if (p >= t.size()) return t.size();
    int a = left + Extent(hwnd, Shown(hwnd, e, p)), b = left + Extent(hwnd, Shown(hwnd, e, next));
    if (x < (a + b) / 2) return p;
    best = next;
    p = next;
    if (p >= t.size()) return best;
  }
}

void PlaceCaret(HWND hwnd, TEdit& e) {
  // Scrolling keeps the caret inside the formatting rectangle (one line: sideways only).
  RECT f = FormatRect(hwnd, e);
  DWORD style = FindWindowRec(hwnd)->Style;
  if (!(style & (ES_RIGHT | ES_CENTER)) || Extent(hwnd, Shown(hwnd, e, String::npos)) >= f.right - f.left) {
    int x = Extent(hwnd, Shown(hwnd, e, e.Caret));
    int room = std::max<int>(1, f.right - f.left);
    if (x - e.ScrollX > room - 1) e.ScrollX = x - room + 1 + room / 4;
    if (x - e.ScrollX < 0) e.ScrollX = std::max(0, x - room / 4);
    int total = Extent(hwnd, Shown(hwnd, e, String::npos));
    e.ScrollX = std::clamp(e.ScrollX, 0, std::max(0, total - room + 1));
  } else {
    e.ScrollX = 0;
  }
  if (GetFocus() == hwnd) SetCaretPos(XOf(hwnd, e, e.Caret), f.top);
}

void Repaint(HWND hwnd) { InvalidateRect(hwnd, nullptr, TRUE); }

void Changed(HWND hwnd, TEdit& e) {
  e.Modified = true;
  PlaceCaret(hwnd, e);
  Repaint(hwnd);
  NotifyParent(hwnd, EN_UPDATE);
  if (FindWindowRec(hwnd)) NotifyParent(hwnd, EN_CHANGE);
}

void SaveUndo(HWND hwnd, TEdit& e) {
  e.UndoText = TextOf(hwnd);
  e.UndoAnchor = e.Anchor;
  e.UndoCaret = e.Caret;
  e.CanUndo = true;
}

// Replaces the selection by `text` (cut to the limit when `limited`); false when nothing fitted.
bool Replace(HWND hwnd, TEdit& e, String text, bool limited, bool undoable) {
  String& t = TextOf(hwnd);
  size_t a = SelMin(e), b = SelMax(e);
  DWORD style = FindWindowRec(hwnd)->Style;
  if (style & ES_UPPERCASE) std::transform(text.begin(), text.end(), text.begin(), [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
  if (style & ES_LOWERCASE) std::transform(text.begin(), text.end(), text.begin(), [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
  if (!(style & ES_MULTILINE)) {
    // One line: a pasted text stops at its first line break.
    size_t br = text.find_first_of("\r\n");
    if (br != String::npos) text.resize(br);
  }
  if (limited) {
    size_t room = e.Limit > t.size() - (b - a) ? e.Limit - (t.size() - (b - a)) : 0;
    if (text.size() > room) {
      text.resize(CharBoundaryBefore(text, room));
      NotifyParent(hwnd, EN_MAXTEXT);
      if (!FindWindowRec(hwnd)) return false;
    }
    if (text.empty() && a == b) return false;
  }
  if (undoable) SaveUndo(hwnd, e);
  t.replace(a, b - a, text);
  e.Anchor = e.Caret = a + text.size();
  Changed(hwnd, e);
  return true;
}

void Select(HWND hwnd, TEdit& e, size_t anchor, size_t caret) {
  const String& t = TextOf(hwnd);
  e.Anchor = Boundary(t, anchor);
  e.Caret = Boundary(t, caret);
  PlaceCaret(hwnd, e);
  Repaint(hwnd);
}

// Moves the active end; with Shift held (the live state) the anchor stays.
void MoveTo(HWND hwnd, TEdit& e, size_t pos, bool extend) {
  if (extend) Select(hwnd, e, e.Anchor, pos);
  else Select(hwnd, e, pos, pos);
}

void Paint(HWND hwnd, HDC dc) {
  TWindow* w = FindWindowRec(hwnd);
  TEdit& e = Edits()[hwnd];
  RECT client;
  GetClientRect(hwnd, &client);
  bool readOnly = (w->Style & (ES_READONLY | WS_DISABLED)) != 0;
  HBRUSH back = nullptr;
  if (w->Parent && w->Parent != State().Desktop)
    back = reinterpret_cast<HBRUSH>(SendMessageA(w->Parent->Handle, readOnly ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                                                 reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
  else {
    SetTextColor(dc, GetSysColor((w->Style & WS_DISABLED) ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(readOnly ? COLOR_BTNFACE : COLOR_WINDOW));
  }
  FillRect(dc, &client, back ? back : GetSysColorBrush(readOnly ? COLOR_BTNFACE : COLOR_WINDOW));
  HGDIOBJ oldFont = SelectObject(dc, ControlFont(hwnd));
  RECT f = FormatRect(hwnd, e);
  IntersectClipRect(dc, f.left, f.top, f.right, f.bottom);
  String shown = Shown(hwnd, e, String::npos);
  int left = TextLeft(hwnd, e);
  SetBkMode(dc, TRANSPARENT);
  TextOutA(dc, left, f.top, shown.c_str(), static_cast<int>(shown.size()));
  bool showSel = SelMin(e) != SelMax(e) && (GetFocus() == hwnd || (w->Style & ES_NOHIDESEL));
  if (showSel) {
    int x0 = XOf(hwnd, e, SelMin(e)), x1 = XOf(hwnd, e, SelMax(e));
    RECT sel{x0, f.top, x1, f.top + LineHeight(hwnd)};
    FillRect(dc, &sel, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    String part = Shown(hwnd, e, SelMax(e)).substr(Shown(hwnd, e, SelMin(e)).size());
    TextOutA(dc, x0, f.top, part.c_str(), static_cast<int>(part.size()));
  }
  SelectObject(dc, oldFont);
}

bool Editable(HWND hwnd) { return !(FindWindowRec(hwnd)->Style & ES_READONLY); }

void Copy(HWND hwnd, const TEdit& e) {
  // A password is never copied out.
  if (e.Password || SelMin(e) == SelMax(e)) return;
  SetClipboardText(TextOf(hwnd).substr(SelMin(e), SelMax(e) - SelMin(e)));
}

void TypeCharacter(HWND hwnd, TEdit& e, unsigned char c) {
  if (!Editable(hwnd)) {
    MessageBeep(0);
    return;
  }
  // The bytes of one UTF-8 character arrive one by one.
  if (c >= 0x80) {
    // The lead byte says how many bytes follow; a stray continuation byte is dropped.
    if ((c & 0xC0) == 0x80 && e.Pending.empty()) return;
    if ((c & 0xC0) != 0x80) e.Pending.clear();
    e.Pending.push_back(static_cast<char>(c));
    auto lead = static_cast<unsigned char>(e.Pending[0]);
    size_t need = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (e.Pending.size() < need) return;
    String ch = e.Pending;
    e.Pending.clear();
    if (!Replace(hwnd, e, ch, true, true)) MessageBeep(0);
    return;
  }
  e.Pending.clear();
  if ((FindWindowRec(hwnd)->Style & ES_NUMBER) && (c < '0' || c > '9')) {
    MessageBeep(0);
    return;
  }
  if (!Replace(hwnd, e, String(1, static_cast<char>(c)), true, true)) MessageBeep(0);
}

void Backspace(HWND hwnd, TEdit& e) {
  if (!Editable(hwnd)) return;
  if (SelMin(e) == SelMax(e)) {
    if (e.Caret == 0) return;
    e.Anchor = PrevChar(TextOf(hwnd), e.Caret);
  }
  Replace(hwnd, e, String(), false, true);
}

void Delete(HWND hwnd, TEdit& e) {
  if (!Editable(hwnd)) return;
  if (SelMin(e) == SelMax(e)) {
    if (e.Caret >= TextOf(hwnd).size()) return;
    e.Anchor = NextChar(TextOf(hwnd), e.Caret);
  }
  Replace(hwnd, e, String(), false, true);
}

LRESULT KeyDown(HWND hwnd, TEdit& e, WPARAM vk) {
  bool shift = GetKeyState(VK_SHIFT) < 0, ctrl = GetKeyState(VK_CONTROL) < 0;
  const String& t = TextOf(hwnd);
  switch (vk) {
    case VK_LEFT:
      if (!shift && SelMin(e) != SelMax(e) && !ctrl) MoveTo(hwnd, e, SelMin(e), false);
      else MoveTo(hwnd, e, ctrl ? WordLeft(t, e.Caret) : PrevChar(t, e.Caret), shift);
      return 0;
    case VK_RIGHT:
      if (!shift && SelMin(e) != SelMax(e) && !ctrl) MoveTo(hwnd, e, SelMax(e), false);
      else MoveTo(hwnd, e, ctrl ? WordRight(t, e.Caret) : NextChar(t, e.Caret), shift);
      return 0;
    case VK_HOME: MoveTo(hwnd, e, 0, shift); return 0;
    case VK_END: MoveTo(hwnd, e, t.size(), shift); return 0;
    case VK_DELETE:
      if (shift) SendMessageA(hwnd, WM_CUT, 0, 0);
      else Delete(hwnd, e);
      return 0;
    case VK_INSERT:
      if (ctrl) SendMessageA(hwnd, WM_COPY, 0, 0);
      else if (shift) SendMessageA(hwnd, WM_PASTE, 0, 0);
      return 0;
    default: return 0;
  }
}

LRESULT Char(HWND hwnd, TEdit& e, WPARAM ch) {
  switch (ch) {
    case 3: SendMessageA(hwnd, WM_COPY, 0, 0); return 0;
    case 22: SendMessageA(hwnd, WM_PASTE, 0, 0); return 0;
    case 24: SendMessageA(hwnd, WM_CUT, 0, 0); return 0;
    case 26: SendMessageA(hwnd, WM_UNDO, 0, 0); return 0;
    case 8: Backspace(hwnd, e); return 0;
    case 13: case 10:
      if ((FindWindowRec(hwnd)->Style & (ES_MULTILINE | ES_WANTRETURN)) == (ES_MULTILINE | ES_WANTRETURN) && Editable(hwnd))
        Replace(hwnd, e, "\r\n", true, true);
      return 0;
    default:
      if (ch < 0x20 || ch == 0x7F) return 0;
      TypeCharacter(hwnd, e, static_cast<unsigned char>(ch));
      return 0;
  }
}

}  // namespace

LRESULT EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w) return 0;
  TEdit& e = Edits()[hwnd];
  String& text = w->Text;
  switch (msg) {
    case WM_NCCREATE: {
      e = TEdit{};
      LRESULT r = DefWindowProcA(hwnd, msg, wParam, lParam);
      if (w->Style & ES_PASSWORD) e.Password = '*';
      return r;
    }
    case WM_NCDESTROY:
      Edits().erase(hwnd);
      SetControlFont(hwnd, nullptr);
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = wParam ? reinterpret_cast<HDC>(wParam) : BeginPaint(hwnd, &ps);
      Paint(hwnd, dc);
      if (!wParam) EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_PRINTCLIENT: Paint(hwnd, reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SETFONT:
      SetControlFont(hwnd, reinterpret_cast<HFONT>(wParam));
      PlaceCaret(hwnd, e);
      if (lParam) Repaint(hwnd);
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(ControlFont(hwnd));
    case WM_GETDLGCODE:
      return DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL | ((w->Style & ES_MULTILINE) ? DLGC_WANTALLKEYS : 0);
    case WM_SETTEXT:
      text = lParam ? reinterpret_cast<const char*>(lParam) : "";
      e.Anchor = e.Caret = 0;
      e.ScrollX = 0;
      e.CanUndo = false;
      e.Modified = false;
      PlaceCaret(hwnd, e);
      Repaint(hwnd);
      NotifyParent(hwnd, EN_UPDATE);
      if (FindWindowRec(hwnd)) NotifyParent(hwnd, EN_CHANGE);
      return TRUE;
    case WM_SIZE: PlaceCaret(hwnd, e); return 0;
    case WM_SETFOCUS:
      CreateCaret(hwnd, nullptr, 1, LineHeight(hwnd));
      PlaceCaret(hwnd, e);
      ShowCaret(hwnd);
      Repaint(hwnd);
      NotifyParent(hwnd, EN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      DestroyCaret();
      Repaint(hwnd);
      NotifyParent(hwnd, EN_KILLFOCUS);
      return 0;
    case WM_KEYDOWN: return KeyDown(hwnd, e, wParam);
    case WM_CHAR: return Char(hwnd, e, wParam);
    case WM_SYSCHAR:
      if (wParam == VK_BACK) return SendMessageA(hwnd, WM_UNDO, 0, 0);
      break;
    case WM_LBUTTONDOWN: {
      SetFocus(hwnd);
      if (!FindWindowRec(hwnd)) return 0;
      size_t pos = PosFromX(hwnd, e, GET_X_LPARAM(lParam));
      MoveTo(hwnd, e, pos, (wParam & MK_SHIFT) != 0);
      e.Selecting = true;
      SetCapture(hwnd);
      return 0;
    }
    case WM_MOUSEMOVE:
      if (e.Selecting && GetCapture() == hwnd) MoveTo(hwnd, e, PosFromX(hwnd, e, GET_X_LPARAM(lParam)), true);
      return 0;
    case WM_LBUTTONUP: case WM_CAPTURECHANGED:
      if (e.Selecting) {
        e.Selecting = false;
        if (msg == WM_LBUTTONUP && GetCapture() == hwnd) ReleaseCapture();
      }
      return 0;
    case WM_LBUTTONDBLCLK: {
      size_t pos = PosFromX(hwnd, e, GET_X_LPARAM(lParam));
      size_t a = pos, b = pos;
      while (a > 0 && IsWordChar(static_cast<unsigned char>(text[PrevChar(text, a)]))) a = PrevChar(text, a);
      while (b < text.size() && IsWordChar(static_cast<unsigned char>(text[b]))) b = NextChar(text, b);
      Select(hwnd, e, a, b);
      return 0;
    }
    case WM_MOUSEWHEEL: return 0;  // one line does not scroll with the wheel
    case WM_CUT:
      if (e.Password || !Editable(hwnd)) return 0;
      Copy(hwnd, e);
      if (SelMin(e) != SelMax(e)) Replace(hwnd, e, String(), false, true);
      return 0;
    case WM_COPY: Copy(hwnd, e); return 0;
    case WM_PASTE: {
      String clip;
      if (Editable(hwnd) && GetClipboardText(clip)) Replace(hwnd, e, clip, true, true);
      return 0;
    }
    case WM_CLEAR:
      if (Editable(hwnd) && SelMin(e) != SelMax(e)) Replace(hwnd, e, String(), false, true);
      return 0;
    case WM_UNDO: case EM_UNDO: {
      if (!e.CanUndo) return FALSE;
      // Undoing twice redoes: the undo buffer trades places with the text.
      String now = text;
      size_t na = e.Anchor, nc = e.Caret;
      text = e.UndoText;
      e.Anchor = std::min(e.UndoAnchor, text.size());
      e.Caret = std::min(e.UndoCaret, text.size());
      e.UndoText = now;
      e.UndoAnchor = na;
      e.UndoCaret = nc;
      Changed(hwnd, e);
      return TRUE;
    }
    case EM_CANUNDO: return e.CanUndo;
    case EM_EMPTYUNDOBUFFER: e.CanUndo = false; return 0;
    case EM_GETMODIFY: return e.Modified;
    case EM_SETMODIFY: e.Modified = wParam != 0; return 0;
    case EM_GETSEL: {
      auto a = static_cast<DWORD>(SelMin(e)), b = static_cast<DWORD>(SelMax(e));
      if (wParam) *reinterpret_cast<DWORD*>(wParam) = a;
      if (lParam) *reinterpret_cast<DWORD*>(lParam) = b;
      return MAKELONG(static_cast<WORD>(std::min<DWORD>(a, 0xFFFF)), static_cast<WORD>(std::min<DWORD>(b, 0xFFFF)));
    }
    case EM_SETSEL: {
      auto start = static_cast<intptr_t>(static_cast<int>(wParam)), end = static_cast<intptr_t>(static_cast<int>(lParam));
      if (start < 0) {
        Select(hwnd, e, e.Caret, e.Caret);  // no selection; the caret stays
        return 0;
      }
      size_t len = text.size();
      size_t a = static_cast<size_t>(start), b = end < 0 ? len : static_cast<size_t>(end);
      Select(hwnd, e, std::min(a, len), std::min(b, len));
      return 0;
    }
    case EM_REPLACESEL:
      Replace(hwnd, e, lParam ? reinterpret_cast<const char*>(lParam) : "", false, wParam != 0);
      return 0;
    case EM_LIMITTEXT: e.Limit = wParam ? wParam : 0x7FFFFFFE; return 0;
    case EM_GETLIMITTEXT: return static_cast<LRESULT>(e.Limit);
    case EM_SETPASSWORDCHAR:
      e.Password = static_cast<char>(wParam);
      w->Style = wParam ? (w->Style | ES_PASSWORD) : (w->Style & ~ES_PASSWORD);
      PlaceCaret(hwnd, e);
      Repaint(hwnd);
      return 0;
    case EM_GETPASSWORDCHAR: return static_cast<unsigned char>(e.Password);
    case EM_SETREADONLY:
      w->Style = wParam ? (w->Style | ES_READONLY) : (w->Style & ~ES_READONLY);
      Repaint(hwnd);
      return TRUE;
    case EM_SETMARGINS:
      if (wParam & EC_LEFTMARGIN) e.LeftMargin = LOWORD(static_cast<uintptr_t>(lParam)) == EC_USEFONTINFO ? 1 : LOWORD(static_cast<uintptr_t>(lParam));
      if (wParam & EC_RIGHTMARGIN) e.RightMargin = HIWORD(static_cast<uintptr_t>(lParam)) == EC_USEFONTINFO ? 1 : HIWORD(static_cast<uintptr_t>(lParam));
      PlaceCaret(hwnd, e);
      Repaint(hwnd);
      return 0;
    case EM_GETMARGINS: return MAKELONG(static_cast<WORD>(e.LeftMargin), static_cast<WORD>(e.RightMargin));
    case EM_SETRECT: case EM_SETRECTNP:
      if (lParam) {
        e.Format = *reinterpret_cast<const RECT*>(lParam);
        e.RectSet = true;
      } else {
        e.RectSet = false;
      }
      PlaceCaret(hwnd, e);
      if (msg == EM_SETRECT) Repaint(hwnd);
      return 0;
    case EM_GETRECT:
      if (lParam) *reinterpret_cast<RECT*>(lParam) = FormatRect(hwnd, e);
      return 0;
    case EM_SCROLLCARET: PlaceCaret(hwnd, e); Repaint(hwnd); return TRUE;
    case EM_POSFROMCHAR: {
      if (wParam >= text.size()) return -1;
      int x = XOf(hwnd, e, Boundary(text, wParam));
      return MAKELONG(static_cast<WORD>(static_cast<SHORT>(x)), static_cast<WORD>(FormatRect(hwnd, e).top));
    }
    case EM_CHARFROMPOS: return MAKELONG(static_cast<WORD>(PosFromX(hwnd, e, GET_X_LPARAM(lParam))), 0);
    case EM_GETLINECOUNT: return 1;
    case EM_LINEINDEX: return static_cast<intptr_t>(static_cast<int>(wParam)) <= 0 ? 0 : -1;
    case EM_LINEFROMCHAR: case EM_GETFIRSTVISIBLELINE: return 0;
    case EM_LINELENGTH: return static_cast<LRESULT>(text.size());
    case EM_GETLINE: {
      if (!lParam) return 0;
      auto* buf = reinterpret_cast<char*>(lParam);
      size_t room = *reinterpret_cast<WORD*>(buf);
      size_t n = CharBoundaryBefore(text, std::min(room, text.size()));
      std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(n), buf);
      return static_cast<LRESULT>(n);
    }
    case WM_ENABLE: Repaint(hwnd); return 0;
    default: break;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace WinInternals
