// The EDIT class: text with a selection (anchor and active end), the caret, clipboard commands,
// single-level undo, a length limit in characters, a password character and scrolling to keep the caret in view.
// A multi-line edit (ES_MULTILINE) lays its text out in lines, at its line breaks and, without
// ES_AUTOHSCROLL, wrapped at the last blank that fits the formatting rectangle; it scrolls
// vertically by whole lines and moves the caret between lines. Positions are byte offsets into the UTF-8 text and never fall inside a character;
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
#include "WinScrollBars.h"
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
  int TopLine = 0;  // the first visible line of a multi-line edit
  bool WantsBar = false;  // created with WS_VSCROLL: the bar shows while the lines outgrow the edit
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

// The nearest character boundary at or before `pos` (never between the CR and LF of a line break).
size_t Boundary(const String& s, size_t pos) {
  pos = CharBoundaryBefore(s, std::min(pos, s.size()));
  if (pos > 0 && pos < s.size() && s[pos - 1] == '\r' && s[pos] == '\n') --pos;
  return pos;
}

// A CR LF pair is one character: the caret never stands between its two bytes.
size_t NextChar(const String& s, size_t pos) {
  if (pos >= s.size()) return s.size();
  if (s[pos] == '\r' && pos + 1 < s.size() && s[pos + 1] == '\n') return pos + 2;
  return static_cast<size_t>(CharNext(s.c_str() + pos) - s.c_str());
}

size_t PrevChar(const String& s, size_t pos) {
  if (pos == 0) return 0;
  if (pos >= 2 && s[pos - 1] == '\n' && s[pos - 2] == '\r') return pos - 2;
  return static_cast<size_t>(CharPrev(s.c_str(), s.c_str() + pos) - s.c_str());
}

size_t CharCount(const String& s) {
  size_t n = 0;
  for (size_t p = 0; p < s.size(); p = NextChar(s, p)) ++n;
  return n;
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

// ---- Multi-line layout ------------------------------------------------------------------------------
bool IsMulti(HWND hwnd) { return (FindWindowRec(hwnd)->Style & ES_MULTILINE) != 0; }

// One line of the layout: the text shown is [Start, End); the next line starts at Next (after the
// line break, or at End where the line was wrapped).
struct TLine {
  size_t Start, End, Next;
};

// The lines of a multi-line edit: broken at CR LF (or a lone CR or LF) and, without ES_AUTOHSCROLL,
// wrapped after the last blank that fits the formatting rectangle (within a word when none does).
// A text ending with a line break has an empty last line.
std::vector<TLine> Layout(HWND hwnd, const TEdit& e) {
  const String& t = TextOf(hwnd);
  std::vector<TLine> lines;
  bool wrap = !(FindWindowRec(hwnd)->Style & ES_AUTOHSCROLL);
  RECT f = FormatRect(hwnd, e);
  int width = std::max<int>(1, f.right - f.left);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, ControlFont(hwnd));
  for (size_t start = 0;;) {
    size_t hard = t.find_first_of("\r\n", start);
    size_t end = hard == String::npos ? t.size() : hard;
    size_t next = hard == String::npos ? String::npos
                                       : hard + ((t[hard] == '\r' && hard + 1 < t.size() && t[hard + 1] == '\n') ? 2 : 1);
    size_t s = start;
    while (wrap && s < end) {
      INT fit = 0;
      GetTextExtentExPointA(dc, t.c_str() + s, static_cast<int>(end - s), width, &fit, nullptr, nullptr);
      if (s + static_cast<size_t>(fit) >= end) break;
      size_t brk = s + static_cast<size_t>(fit);
      // Break after the last blank that fits; a word longer than the line is cut where it must be.
      size_t blank = t.rfind(' ', brk);
      if (blank != String::npos && blank >= s) brk = blank + 1;
      if (brk <= s) brk = NextChar(t, s);
      lines.push_back(TLine{s, brk, brk});
      s = brk;
    }
    lines.push_back(TLine{s, end, next == String::npos ? t.size() : next});
    if (next == String::npos) break;
    start = next;
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  return lines;
}

// The line holding a position; a position where a wrapped line breaks belongs to the next line.
int LineOf(const std::vector<TLine>& lines, size_t pos) {
  for (size_t i = 0; i < lines.size(); ++i)
    if (pos < lines[i].Next || i + 1 == lines.size()) return static_cast<int>(i);
  return static_cast<int>(lines.size()) - 1;
}

String LineText(HWND hwnd, const TLine& l) { return TextOf(hwnd).substr(l.Start, l.End - l.Start); }

int VisibleLines(HWND hwnd, const TEdit& e) {
  RECT f = FormatRect(hwnd, e);
  return std::max(1, static_cast<int>(f.bottom - f.top) / LineHeight(hwnd));
}

int LineLeft(HWND hwnd, const TEdit& e, const TLine& l) {
  RECT f = FormatRect(hwnd, e);
  DWORD style = FindWindowRec(hwnd)->Style;
  int width = Extent(hwnd, LineText(hwnd, l)), room = f.right - f.left;
  if (width < room) {
    if (style & ES_RIGHT) return f.right - width;
    if (style & ES_CENTER) return f.left + (room - width) / 2;
  }
  return f.left - e.ScrollX;
}

POINT PointOf(HWND hwnd, const TEdit& e, const std::vector<TLine>& lines, size_t pos) {
  int i = LineOf(lines, pos);
  const TLine& l = lines[static_cast<size_t>(i)];
  RECT f = FormatRect(hwnd, e);
  size_t upTo = std::min(pos, l.End);
  return POINT{LineLeft(hwnd, e, l) + Extent(hwnd, TextOf(hwnd).substr(l.Start, upTo - l.Start)),
               f.top + (i - e.TopLine) * LineHeight(hwnd)};
}

// The position nearest to x on line i.
size_t PosInLine(HWND hwnd, const TEdit& e, const TLine& l, int x) {
  const String& t = TextOf(hwnd);
  int left = LineLeft(hwnd, e, l);
  for (size_t p = l.Start; p < l.End;) {
    size_t next = std::min(NextChar(t, p), l.End);
    int a = left + Extent(hwnd, t.substr(l.Start, p - l.Start)), b = left + Extent(hwnd, t.substr(l.Start, next - l.Start));
    if (x < (a + b) / 2) return p;
    p = next;
  }
  // The end of a wrapped line is the start of the next one: stay before its last character.
  if (l.End == l.Next && l.End > l.Start && l.End < t.size()) return PrevChar(t, l.End);
  return l.End;
}

size_t PosFromPointMulti(HWND hwnd, const TEdit& e, int x, int y) {
  std::vector<TLine> lines = Layout(hwnd, e);
  RECT f = FormatRect(hwnd, e);
  int dy = y - f.top;
  int i = e.TopLine + (dy < 0 ? -1 : dy / LineHeight(hwnd));
  i = std::clamp(i, 0, static_cast<int>(lines.size()) - 1);
  return PosInLine(hwnd, e, lines[static_cast<size_t>(i)], x);
}

void UpdateScrollBars(HWND hwnd, const TEdit& e, int lineCount) {
  if (!e.WantsBar) return;
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = 0;
  si.nMax = std::max(0, lineCount - 1);
  si.nPage = static_cast<UINT>(VisibleLines(hwnd, e));
  si.nPos = e.TopLine;
  SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
}

// Scrolls to the first visible line `top` (kept within the text); true when it moved.
bool ScrollToLine(HWND hwnd, TEdit& e, int top) {
  int count = static_cast<int>(Layout(hwnd, e).size());
  top = std::clamp(top, 0, std::max(0, count - 1));
  bool moved = top != e.TopLine;
  e.TopLine = top;
  UpdateScrollBars(hwnd, e, count);
  if (moved) {
    InvalidateRect(hwnd, nullptr, TRUE);
    NotifyParent(hwnd, EN_VSCROLL);
  }
  return moved;
}

// Scrolling keeps the caret's line among the visible lines and, without wrapping, its x in view.
void PlaceCaretMulti(HWND hwnd, TEdit& e) {
  std::vector<TLine> lines = Layout(hwnd, e);
  int line = LineOf(lines, e.Caret);
  int visible = VisibleLines(hwnd, e);
  if (line < e.TopLine) e.TopLine = line;
  if (line >= e.TopLine + visible) e.TopLine = line - visible + 1;
  e.TopLine = std::clamp(e.TopLine, 0, std::max(0, static_cast<int>(lines.size()) - 1));
  RECT f = FormatRect(hwnd, e);
  if (FindWindowRec(hwnd)->Style & ES_AUTOHSCROLL) {
    const TLine& l = lines[static_cast<size_t>(line)];
    int x = Extent(hwnd, TextOf(hwnd).substr(l.Start, std::min(e.Caret, l.End) - l.Start));
    int room = std::max<int>(1, f.right - f.left);
    if (x - e.ScrollX > room - 1) e.ScrollX = x - room + 1 + room / 4;
    if (x - e.ScrollX < 0) e.ScrollX = std::max(0, x - room / 4);
  } else {
    e.ScrollX = 0;
  }
  UpdateScrollBars(hwnd, e, static_cast<int>(lines.size()));
  if (GetFocus() == hwnd) {
    POINT p = PointOf(hwnd, e, lines, e.Caret);
    SetCaretPos(p.x, p.y);
  }
}

// After scrolling: the caret stays in the text where it was and moves on screen with it.
void PlaceCaretPosOnly(HWND hwnd, TEdit& e) {
  if (GetFocus() != hwnd) return;
  POINT p = PointOf(hwnd, e, Layout(hwnd, e), e.Caret);
  SetCaretPos(p.x, p.y);
}

void PaintMulti(HWND hwnd, HDC dc, const TEdit& e, bool showSel) {
  std::vector<TLine> lines = Layout(hwnd, e);
  const String& t = TextOf(hwnd);
  RECT f = FormatRect(hwnd, e);
  int lh = LineHeight(hwnd);
  COLORREF text = GetTextColor(dc);
  for (int i = e.TopLine, y = f.top; i < static_cast<int>(lines.size()) && y < f.bottom; ++i, y += lh) {
    const TLine& l = lines[static_cast<size_t>(i)];
    String shown = LineText(hwnd, l);
    int left = LineLeft(hwnd, e, l);
    TextOutA(dc, left, y, shown.c_str(), static_cast<int>(shown.size()));
    if (!showSel) continue;
    size_t a = std::max(SelMin(e), l.Start), b = std::min(SelMax(e), l.End);
    bool breakSelected = SelMin(e) <= l.End && SelMax(e) > l.End && l.Next > l.End;
    if (a > b || (a == b && !breakSelected)) continue;
    int x0 = left + Extent(hwnd, t.substr(l.Start, a - l.Start)), x1 = left + Extent(hwnd, t.substr(l.Start, b - l.Start));
    if (breakSelected) x1 += std::max(1, Extent(hwnd, " "));  // a selected line break shows as a blank
    RECT sel{x0, y, x1, y + lh};
    FillRect(dc, &sel, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    String part = t.substr(a, b - a);
    TextOutA(dc, x0, y, part.c_str(), static_cast<int>(part.size()));
    SetTextColor(dc, text);
  }
}

size_t PosFromPoint(HWND hwnd, const TEdit& e, LPARAM lParam) {
  if (IsMulti(hwnd)) return PosFromPointMulti(hwnd, e, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
  return PosFromX(hwnd, e, GET_X_LPARAM(lParam));
}

// Up and Down keep the caret's x; Page Up and Page Down move by the visible lines.
size_t LineMove(HWND hwnd, TEdit& e, int delta) {
  std::vector<TLine> lines = Layout(hwnd, e);
  int line = LineOf(lines, e.Caret);
  int target = std::clamp(line + delta, 0, static_cast<int>(lines.size()) - 1);
  if (target == line) return delta < 0 && line == 0 ? 0 : (delta > 0 && target == static_cast<int>(lines.size()) - 1 ? TextOf(hwnd).size() : e.Caret);
  POINT p = PointOf(hwnd, e, lines, e.Caret);
  return PosInLine(hwnd, e, lines[static_cast<size_t>(target)], p.x);
}

void PlaceCaret(HWND hwnd, TEdit& e) {
  if (IsMulti(hwnd)) {
    PlaceCaretMulti(hwnd, e);
    return;
  }
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
    // The limit counts characters, as the platform's edit does; a character is never cut in two.
    const size_t kept = CharCount(t.substr(0, a)) + CharCount(t.substr(b));
    size_t room = e.Limit > kept ? e.Limit - kept : 0;
    if (CharCount(text) > room) {
      size_t bytes = 0;
      for (size_t n = 0; n < room; ++n) bytes = NextChar(text, bytes);
      text.resize(bytes);
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
  SetBkMode(dc, TRANSPARENT);
  bool showSel = SelMin(e) != SelMax(e) && (GetFocus() == hwnd || (w->Style & ES_NOHIDESEL));
  if (w->Style & ES_MULTILINE) {
    PaintMulti(hwnd, dc, e, showSel);
    SelectObject(dc, oldFont);
    return;
  }
  String shown = Shown(hwnd, e, String::npos);
  int left = TextLeft(hwnd, e);
  TextOutA(dc, left, f.top, shown.c_str(), static_cast<int>(shown.size()));
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
    case VK_HOME:
    case VK_END:
      if (IsMulti(hwnd) && !ctrl) {
        std::vector<TLine> lines = Layout(hwnd, e);
        const TLine& l = lines[static_cast<size_t>(LineOf(lines, e.Caret))];
        MoveTo(hwnd, e, vk == VK_HOME ? l.Start : l.End, shift);
      } else {
        MoveTo(hwnd, e, vk == VK_HOME ? 0 : t.size(), shift);
      }
      return 0;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT: {
      if (!IsMulti(hwnd)) return 0;
      int page = VisibleLines(hwnd, e);
      int delta = vk == VK_UP ? -1 : vk == VK_DOWN ? 1 : vk == VK_PRIOR ? -page : page;
      if (vk == VK_PRIOR || vk == VK_NEXT) ScrollToLine(hwnd, e, e.TopLine + delta);
      MoveTo(hwnd, e, LineMove(hwnd, e, delta), shift);
      return 0;
    }
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
      // Enter typed into a multi-line edit breaks the line (ES_WANTRETURN only tells dialogs to
      // leave Enter to it).
      if (IsMulti(hwnd)) {
        if (!Editable(hwnd)) MessageBeep(0);
        else if (!Replace(hwnd, e, "\r\n", true, true)) MessageBeep(0);
      }
      return 0;
    case 9:
      if (IsMulti(hwnd) && Editable(hwnd)) Replace(hwnd, e, "\t", true, true);
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
      e.WantsBar = (w->Style & (ES_MULTILINE | WS_VSCROLL)) == (ES_MULTILINE | WS_VSCROLL);
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
      e.TopLine = 0;
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
      size_t pos = PosFromPoint(hwnd, e, lParam);
      MoveTo(hwnd, e, pos, (wParam & MK_SHIFT) != 0);
      e.Selecting = true;
      SetCapture(hwnd);
      return 0;
    }
    case WM_MOUSEMOVE:
      if (e.Selecting && GetCapture() == hwnd) MoveTo(hwnd, e, PosFromPoint(hwnd, e, lParam), true);
      return 0;
    case WM_LBUTTONUP: case WM_CAPTURECHANGED:
      if (e.Selecting) {
        e.Selecting = false;
        if (msg == WM_LBUTTONUP && GetCapture() == hwnd) ReleaseCapture();
      }
      return 0;
    case WM_LBUTTONDBLCLK: {
      size_t pos = PosFromPoint(hwnd, e, lParam);
      size_t a = pos, b = pos;
      while (a > 0 && IsWordChar(static_cast<unsigned char>(text[PrevChar(text, a)]))) a = PrevChar(text, a);
      while (b < text.size() && IsWordChar(static_cast<unsigned char>(text[b]))) b = NextChar(text, b);
      Select(hwnd, e, a, b);
      return 0;
    }
    case WM_MOUSEWHEEL:
      // Three lines a notch; one line does not scroll with the wheel.
      if (w->Style & ES_MULTILINE) ScrollToLine(hwnd, e, e.TopLine - GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * 3);
      return 0;
    case WM_VSCROLL:
    case EM_SCROLL: {
      if (!(w->Style & ES_MULTILINE)) return 0;
      int page = VisibleLines(hwnd, e), before = e.TopLine, top = e.TopLine;
      switch (LOWORD(wParam)) {
        case SB_LINEUP: --top; break;
        case SB_LINEDOWN: ++top; break;
        case SB_PAGEUP: top -= page; break;
        case SB_PAGEDOWN: top += page; break;
        case SB_THUMBTRACK: case SB_THUMBPOSITION: if (msg == WM_VSCROLL) top = HIWORD(wParam); break;
        case SB_TOP: top = 0; break;
        case SB_BOTTOM: top = 0x7FFF; break;
        default: break;
      }
      ScrollToLine(hwnd, e, top);
      PlaceCaretPosOnly(hwnd, e);
      return msg == EM_SCROLL ? MAKELRESULT(static_cast<WORD>(e.TopLine - before), TRUE) : 0;
    }
    case EM_LINESCROLL:
      if (!(w->Style & ES_MULTILINE)) return FALSE;
      ScrollToLine(hwnd, e, e.TopLine + static_cast<int>(lParam));
      PlaceCaretPosOnly(hwnd, e);
      return TRUE;
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
      if (w->Style & ES_MULTILINE) {
        POINT p = PointOf(hwnd, e, Layout(hwnd, e), Boundary(text, wParam));
        return MAKELONG(static_cast<WORD>(static_cast<SHORT>(p.x)), static_cast<WORD>(static_cast<SHORT>(p.y)));
      }
      int x = XOf(hwnd, e, Boundary(text, wParam));
      return MAKELONG(static_cast<WORD>(static_cast<SHORT>(x)), static_cast<WORD>(FormatRect(hwnd, e).top));
    }
    case EM_CHARFROMPOS: {
      size_t pos = PosFromPoint(hwnd, e, lParam);
      int line = (w->Style & ES_MULTILINE) ? LineOf(Layout(hwnd, e), pos) : 0;
      return MAKELONG(static_cast<WORD>(pos), static_cast<WORD>(line));
    }
    case EM_GETFIRSTVISIBLELINE: return (w->Style & ES_MULTILINE) ? e.TopLine : 0;
    case EM_GETLINECOUNT: return (w->Style & ES_MULTILINE) ? static_cast<LRESULT>(Layout(hwnd, e).size()) : 1;
    case EM_LINEINDEX: {
      // The first character of a line (-1: the caret's line); -1 past the last line.
      std::vector<TLine> lines = Layout(hwnd, e);
      auto line = static_cast<intptr_t>(static_cast<int>(wParam));
      if (line < 0) line = LineOf(lines, e.Caret);
      if (line >= static_cast<intptr_t>(lines.size())) return -1;
      return static_cast<LRESULT>(lines[static_cast<size_t>(line)].Start);
    }
    case EM_LINEFROMCHAR: {
      std::vector<TLine> lines = Layout(hwnd, e);
      auto pos = static_cast<intptr_t>(static_cast<int>(wParam));
      return LineOf(lines, pos < 0 ? SelMin(e) : std::min(static_cast<size_t>(pos), text.size()));
    }
    case EM_LINELENGTH: {
      // The length of the line holding a character (-1: the caret's line), without its break.
      std::vector<TLine> lines = Layout(hwnd, e);
      auto pos = static_cast<intptr_t>(static_cast<int>(wParam));
      if (pos > static_cast<intptr_t>(text.size())) return 0;
      const TLine& l = lines[static_cast<size_t>(LineOf(lines, pos < 0 ? e.Caret : static_cast<size_t>(pos)))];
      return static_cast<LRESULT>(l.End - l.Start);
    }
    case EM_GETLINE: {
      // The line's text into the buffer whose first WORD gives its size; not terminated.
      if (!lParam) return 0;
      std::vector<TLine> lines = Layout(hwnd, e);
      auto line = static_cast<intptr_t>(static_cast<int>(wParam));
      if (!(w->Style & ES_MULTILINE)) line = 0;
      if (line < 0 || line >= static_cast<intptr_t>(lines.size())) return 0;
      String part = LineText(hwnd, lines[static_cast<size_t>(line)]);
      auto* buf = reinterpret_cast<char*>(lParam);
      size_t room = *reinterpret_cast<WORD*>(buf);
      size_t n = CharBoundaryBefore(part, std::min(room, part.size()));
      std::copy(part.begin(), part.begin() + static_cast<std::ptrdiff_t>(n), buf);
      return static_cast<LRESULT>(n);
    }
    case WM_ENABLE: Repaint(hwnd); return 0;
    default: break;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace WinInternals
