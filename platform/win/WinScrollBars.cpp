// The standard scroll bars: their state, geometry, drawing and the tracking loop.
#include "WinScrollBars.h"

#include <algorithm>

#include "Messages.h"
#include "WinGdi.h"
#include "WinInput.h"
#include "WinInternals.h"
#include "WinManage.h"
#include "WinMetrics.h"
#include "WinNonClient.h"
#include "WinPaint.h"
#include "WinQueue.h"
#include "WinUserDraw.h"

namespace WinScrollBars {

namespace {

enum TPart { spNone = 0, spArrow1 = 1, spPage1 = 2, spThumb = 3, spPage2 = 4, spArrow2 = 5 };

bool Empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

DWORD StyleBit(int bar) { return bar == SB_VERT ? WinManage::WS_VSCROLL : WinManage::WS_HSCROLL; }

// The bar's rectangle in window coordinates and its lengthwise parts.
struct TGeometry {
  RECT Bar;
  bool Vertical = false;
  int Length = 0;      // along the bar
  int Arrow = 0;
  int ThumbStart = 0;  // offsets from the bar's start
  int ThumbEnd = 0;
  bool HasThumb = false;
};

int Span(const TScrollBarState& s) {
  return std::max(0, s.Max - s.Min - std::max(0, static_cast<int>(s.Page) - 1));
}

TGeometry Geometry(const TWindow* w, int bar, int pos) {
  TGeometry g;
  TNcLayout l = NcLayout(w);
  g.Bar = bar == SB_VERT ? l.VScroll : l.HScroll;
  g.Vertical = bar == SB_VERT;
  g.Length = g.Vertical ? g.Bar.bottom - g.Bar.top : g.Bar.right - g.Bar.left;
  int thickness = GetSystemMetrics(g.Vertical ? SM_CYVSCROLL : SM_CXHSCROLL);
  g.Arrow = std::min(thickness, g.Length / 2);
  const TScrollBarState& s = w->Scroll[bar];
  int track = g.Length - 2 * g.Arrow;
  int range = s.Max - s.Min + 1;
  int thumb = s.Page ? std::max(8, static_cast<int>(static_cast<int64_t>(track) * static_cast<int>(s.Page) / std::max(1, range)))
                     : GetSystemMetrics(g.Vertical ? SM_CYVTHUMB : SM_CXHTHUMB);
  g.HasThumb = s.Max > s.Min && thumb < track && !(s.Disabled == ESB_DISABLE_BOTH);
  if (!g.HasThumb) return g;
  int span = Span(s);
  int offset = span ? static_cast<int>(static_cast<int64_t>(track - thumb) * (std::clamp(pos, s.Min, s.Min + span) - s.Min) / span) : 0;
  g.ThumbStart = g.Arrow + offset;
  g.ThumbEnd = g.ThumbStart + thumb;
  return g;
}

RECT PartRect(const TGeometry& g, int start, int end) {
  return g.Vertical ? RECT{g.Bar.left, g.Bar.top + start, g.Bar.right, g.Bar.top + end}
                    : RECT{g.Bar.left + start, g.Bar.top, g.Bar.left + end, g.Bar.bottom};
}

TPart PartAt(const TGeometry& g, POINT p) {
  if (p.x < g.Bar.left || p.x >= g.Bar.right || p.y < g.Bar.top || p.y >= g.Bar.bottom) return spNone;
  int at = g.Vertical ? p.y - g.Bar.top : p.x - g.Bar.left;
  if (at < g.Arrow) return spArrow1;
  if (at >= g.Length - g.Arrow) return spArrow2;
  if (!g.HasThumb) return spNone;
  if (at < g.ThumbStart) return spPage1;
  if (at >= g.ThumbEnd) return spPage2;
  return spThumb;
}

void Fill(HDC dc, const RECT& r, COLORREF c) {
  if (Empty(r)) return;
  HBRUSH b = CreateSolidBrush(c);
  FillRect(dc, &r, b);
  DeleteObject(b);
}

// A button of the default visual style's scroll bars: pale blue with a white inner line and a
// darker outline, the arrow or grip in deep blue.
void PaintButton(HDC dc, RECT r, bool pressed, bool enabled) {
  if (Empty(r)) return;
  Fill(dc, r, enabled ? (pressed ? RGB(152, 180, 248) : RGB(193, 211, 251)) : RGB(238, 237, 229));
  COLORREF edge = enabled ? RGB(164, 185, 239) : RGB(232, 232, 224);
  Fill(dc, RECT{r.left, r.top, r.right, r.top + 1}, edge);
  Fill(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, edge);
  Fill(dc, RECT{r.left, r.top, r.left + 1, r.bottom}, edge);
  Fill(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, edge);
}

void PaintArrow(HDC dc, const RECT& r, int direction, bool enabled) {
  // direction: 0 up, 1 down, 2 left, 3 right; a filled triangle four pixels deep.
  COLORREF c = enabled ? RGB(77, 97, 133) : RGB(201, 199, 186);
  int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
  for (int i = 0; i < 4; ++i) {
    switch (direction) {
      case 0: Fill(dc, RECT{cx - i, cy - 2 + i, cx + i + 1, cy - 1 + i}, c); break;
      case 1: Fill(dc, RECT{cx - i, cy + 1 - i, cx + i + 1, cy + 2 - i}, c); break;
      case 2: Fill(dc, RECT{cx - 2 + i, cy - i, cx - 1 + i, cy + i + 1}, c); break;
      default: Fill(dc, RECT{cx + 1 - i, cy - i, cx + 2 - i, cy + i + 1}, c); break;
    }
  }
}

void Send(HWND hwnd, int bar, WORD code, int pos) {
  SendMessageA(hwnd, bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, static_cast<WORD>(pos)), 0);
}

void RedrawBar(HWND hwnd) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || !IsVisibleChain(w)) return;
  HDC dc = GetWindowDC(hwnd);
  if (!dc) return;
  if (w->Style & WinManage::WS_VSCROLL) PaintScrollBar(w, dc, SB_VERT);
  if (w->Style & WinManage::WS_HSCROLL) PaintScrollBar(w, dc, SB_HORZ);
  ReleaseDC(hwnd, dc);
}

// Shows or hides the bar by its style bit and recomputes the frame.
void SetShown(HWND hwnd, int bar, bool show) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w) return;
  DWORD bits = bar == SB_BOTH ? (WinManage::WS_HSCROLL | WinManage::WS_VSCROLL) : StyleBit(bar);
  DWORD style = show ? (w->Style | bits) : (w->Style & ~bits);
  if (style == w->Style) return;
  w->Style = style;
  WinManage::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                          WinManage::SWP_FRAMECHANGED | WinManage::SWP_NOMOVE | WinManage::SWP_NOSIZE |
                              WinManage::SWP_NOZORDER | WinManage::SWP_NOACTIVATE);
}

bool ValidBar(int bar) { return bar == SB_HORZ || bar == SB_VERT; }

}  // namespace

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* si, BOOL redraw) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || !si || !ValidBar(bar)) return 0;
  TScrollBarState& s = w->Scroll[bar];
  if (si->fMask & SIF_RANGE) {
    s.Min = si->nMin;
    s.Max = std::max(si->nMin, si->nMax);
  }
  if (si->fMask & SIF_PAGE) s.Page = si->nPage;
  s.Page = std::min<UINT>(s.Page, static_cast<UINT>(s.Max - s.Min + 1));
  if (si->fMask & SIF_POS) s.Pos = si->nPos;
  s.Pos = std::clamp(s.Pos, s.Min, s.Min + Span(s));
  int pos = s.Pos;
  if (si->fMask & (SIF_RANGE | SIF_PAGE)) {
    bool needed = s.Max > s.Min && (s.Page == 0 || static_cast<int>(s.Page) <= s.Max - s.Min);
    if (si->fMask & SIF_DISABLENOSCROLL) {
      s.Disabled = needed ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH;
      if (!needed) SetShown(hwnd, bar, true);
    } else {
      SetShown(hwnd, bar, needed);
    }
  }
  if (redraw) RedrawBar(hwnd);
  return pos;
}

BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* si) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || !si || !ValidBar(bar)) return FALSE;
  const TScrollBarState& s = w->Scroll[bar];
  if (si->fMask & SIF_RANGE) {
    si->nMin = s.Min;
    si->nMax = s.Max;
  }
  if (si->fMask & SIF_PAGE) si->nPage = s.Page;
  if (si->fMask & SIF_POS) si->nPos = s.Pos;
  if (si->fMask & SIF_TRACKPOS) si->nTrackPos = s.Tracking ? s.TrackPos : s.Pos;
  return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || !ValidBar(bar)) return 0;
  int old = w->Scroll[bar].Pos;
  SCROLLINFO si;
  si.fMask = SIF_POS;
  si.nPos = pos;
  SetScrollInfo(hwnd, bar, &si, redraw);
  return old;
}

int GetScrollPos(HWND hwnd, int bar) {
  TWindow* w = FindWindowRec(hwnd);
  return w && ValidBar(bar) ? w->Scroll[bar].Pos : 0;
}

BOOL SetScrollRange(HWND hwnd, int bar, int min, int max, BOOL redraw) {
  if (!FindWindowRec(hwnd) || !ValidBar(bar)) return FALSE;
  SCROLLINFO si;
  si.fMask = SIF_RANGE;
  si.nMin = min;
  si.nMax = max;
  SetScrollInfo(hwnd, bar, &si, redraw);
  return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int bar, int* min, int* max) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || !ValidBar(bar)) return FALSE;
  if (min) *min = w->Scroll[bar].Min;
  if (max) *max = w->Scroll[bar].Max;
  return TRUE;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show) {
  if (!FindWindowRec(hwnd) || (bar != SB_BOTH && !ValidBar(bar))) return FALSE;
  SetShown(hwnd, bar, show != FALSE);
  return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || (bar != SB_BOTH && !ValidBar(static_cast<int>(bar)))) return FALSE;
  bool changed = false;
  for (int b : {SB_HORZ, SB_VERT}) {
    if (bar != SB_BOTH && static_cast<int>(bar) != b) continue;
    changed = changed || w->Scroll[b].Disabled != arrows;
    w->Scroll[b].Disabled = arrows;
  }
  if (changed) RedrawBar(hwnd);
  return changed ? TRUE : FALSE;
}

BOOL GetScrollBarInfo(HWND hwnd, LONG idObject, SCROLLBARINFO* info) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || !info || info->cbSize != sizeof(SCROLLBARINFO)) return FALSE;
  int bar = idObject == OBJID_VSCROLL ? SB_VERT : idObject == OBJID_HSCROLL ? SB_HORZ : -1;
  if (bar < 0) return FALSE;
  const TScrollBarState& s = w->Scroll[bar];
  TGeometry g = Geometry(w, bar, s.Tracking ? s.TrackPos : s.Pos);
  POINT o = WindowOrigin(w);
  info->rcScrollBar = RECT{g.Bar.left + o.x, g.Bar.top + o.y, g.Bar.right + o.x, g.Bar.bottom + o.y};
  info->dxyLineButton = g.Arrow;
  info->xyThumbTop = g.HasThumb ? g.ThumbStart : 0;
  info->xyThumbBottom = g.HasThumb ? g.ThumbEnd : 0;
  for (DWORD& st : info->rgstate) st = 0;
  if (!(w->Style & StyleBit(bar)) || Empty(g.Bar)) info->rgstate[0] = STATE_SYSTEM_INVISIBLE;
  if (!IsVisibleChain(w)) info->rgstate[0] |= STATE_SYSTEM_OFFSCREEN;
  if (s.Disabled == ESB_DISABLE_BOTH) info->rgstate[0] |= STATE_SYSTEM_UNAVAILABLE;
  if (s.Disabled & ESB_DISABLE_LTUP) info->rgstate[1] |= STATE_SYSTEM_UNAVAILABLE;
  if (s.Disabled & ESB_DISABLE_RTDN) info->rgstate[5] |= STATE_SYSTEM_UNAVAILABLE;
  if (!g.HasThumb) info->rgstate[3] = STATE_SYSTEM_INVISIBLE;
  if (s.PressedPart > 0 && s.PressedPart <= 5) info->rgstate[s.PressedPart] |= STATE_SYSTEM_PRESSED;
  return TRUE;
}

}  // namespace WinScrollBars

namespace WinInternals {

using namespace WinScrollBars;

void PaintScrollBar(TWindow* w, HDC dc, int bar) {
  const TScrollBarState& s = w->Scroll[bar];
  TGeometry g = Geometry(w, bar, s.Tracking ? s.TrackPos : s.Pos);
  if (Empty(g.Bar)) return;
  bool enabled = !(w->Style & WinManage::WS_DISABLED) && s.Disabled != ESB_DISABLE_BOTH;
  Fill(dc, g.Bar, RGB(243, 241, 236));
  if (s.PressedPart == spPage1 && g.HasThumb) Fill(dc, PartRect(g, g.Arrow, g.ThumbStart), RGB(200, 198, 190));
  if (s.PressedPart == spPage2 && g.HasThumb) Fill(dc, PartRect(g, g.ThumbEnd, g.Length - g.Arrow), RGB(200, 198, 190));
  RECT a1 = PartRect(g, 0, g.Arrow), a2 = PartRect(g, g.Length - g.Arrow, g.Length);
  bool up = enabled && !(s.Disabled & ESB_DISABLE_LTUP), down = enabled && !(s.Disabled & ESB_DISABLE_RTDN);
  PaintButton(dc, a1, s.PressedPart == spArrow1, up);
  PaintButton(dc, a2, s.PressedPart == spArrow2, down);
  PaintArrow(dc, a1, g.Vertical ? 0 : 2, up);
  PaintArrow(dc, a2, g.Vertical ? 1 : 3, down);
  if (g.HasThumb) {
    RECT t = PartRect(g, g.ThumbStart, g.ThumbEnd);
    PaintButton(dc, t, s.PressedPart == spThumb, true);
    // The grip: four short lines across the thumb's middle.
    int c = g.Vertical ? (t.top + t.bottom) / 2 : (t.left + t.right) / 2;
    if ((g.Vertical ? t.bottom - t.top : t.right - t.left) > 14)
      for (int i = -3; i <= 3; i += 2) {
        RECT line = g.Vertical ? RECT{t.left + 4, c + i, t.right - 4, c + i + 1} : RECT{c + i, t.top + 4, c + i + 1, t.bottom - 4};
        Fill(dc, line, RGB(238, 244, 254));
      }
  }
}

void TrackScrollBar(TWindow* w, int bar, POINT screen) {
  HWND hwnd = w->Handle;
  TScrollBarState& s0 = w->Scroll[bar];
  if ((w->Style & WinManage::WS_DISABLED) || s0.Disabled == ESB_DISABLE_BOTH) return;
  POINT o = WindowOrigin(w);
  POINT p{screen.x - o.x, screen.y - o.y};
  TGeometry g = Geometry(w, bar, s0.Pos);
  TPart part = PartAt(g, p);
  if (part == spNone) return;
  if ((part == spArrow1 && (s0.Disabled & ESB_DISABLE_LTUP)) || (part == spArrow2 && (s0.Disabled & ESB_DISABLE_RTDN))) return;
  int grab = (g.Vertical ? p.y - g.Bar.top : p.x - g.Bar.left) - g.ThumbStart;
  s0.PressedPart = part;
  s0.Tracking = part == spThumb;
  s0.TrackPos = s0.Pos;
  RedrawBar(hwnd);

  auto step = [&]() {
    WORD code = part == spArrow1 ? SB_LINEUP : part == spArrow2 ? SB_LINEDOWN : part == spPage1 ? SB_PAGEUP : SB_PAGEDOWN;
    Send(hwnd, bar, code, 0);
  };
  if (part != spThumb) step();
  // Held arrows and pages repeat after a pause, then quickly.
  uint64_t next = Ticks64() + 400;
  bool over = true;
  SetCapture(hwnd);
  State().CaptureHitArea = bar == SB_VERT ? HTVSCROLL : HTHSCROLL;
  while (GetCapture() == hwnd) {
    MSG m;
    if (!PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
      if (part != spThumb && over) {
        uint64_t now = Ticks64();
        if (now >= next) {
          step();
          next = now + 50;
          continue;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(next - now), QS_ALLINPUT);
      } else {
        WaitMessage();
      }
      continue;
    }
    if (m.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(m.wParam));
      break;
    }
    if (m.message == WM_LBUTTONUP || m.message == WM_NCLBUTTONUP) break;
    if (m.message == WM_MOUSEMOVE || m.message == WM_NCMOUSEMOVE) {
      TWindow* cur = FindWindowRec(hwnd);
      if (!cur) return;
      POINT q{m.pt.x - o.x, m.pt.y - o.y};
      if (part == spThumb) {
        TScrollBarState& s = cur->Scroll[bar];
        TGeometry cg = Geometry(cur, bar, s.Pos);
        int track = cg.Length - 2 * cg.Arrow - (cg.ThumbEnd - cg.ThumbStart);
        int at = (cg.Vertical ? q.y - cg.Bar.top : q.x - cg.Bar.left) - grab - cg.Arrow;
        int span = Span(s);
        int pos = track > 0 ? s.Min + static_cast<int>(static_cast<int64_t>(std::clamp(at, 0, track)) * span / track) : s.Min;
        if (pos != s.TrackPos) {
          s.TrackPos = pos;
          RedrawBar(hwnd);
          Send(hwnd, bar, SB_THUMBTRACK, pos);
        }
      } else {
        TGeometry cg = Geometry(cur, bar, cur->Scroll[bar].Pos);
        over = PartAt(cg, q) == part;
      }
      continue;
    }
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
  if (GetCapture() == hwnd) ReleaseCapture();
  TWindow* cur = FindWindowRec(hwnd);
  if (!cur) return;
  TScrollBarState& s = cur->Scroll[bar];
  int finalPos = s.TrackPos;
  bool wasThumb = s.Tracking;
  s.PressedPart = 0;
  if (wasThumb) Send(hwnd, bar, SB_THUMBPOSITION, finalPos);
  if ((cur = FindWindowRec(hwnd))) cur->Scroll[bar].Tracking = false;
  Send(hwnd, bar, SB_ENDSCROLL, 0);
  RedrawBar(hwnd);
}

}  // namespace WinInternals
