// The default non-client area: frame and caption geometry, hit testing, drawing of frame, caption
// and caption buttons, and moving, sizing and the caption buttons driven by the mouse.
#include "WinNonClient.h"

#include <algorithm>
#include <cstring>

#include "Messages.h"
#include "WinGdi.h"
#include "WinInput.h"
#include "WinInternals.h"
#include "WinManage.h"
#include "WinMetrics.h"
#include "WinPaint.h"
#include "WinQueue.h"
#include "WinUserDraw.h"

namespace WinInternals {

namespace {

bool Empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }
bool Inside(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

bool HasCaption(DWORD style) { return (style & WinManage::WS_CAPTION) == WinManage::WS_CAPTION; }

int FrameThickness(DWORD style, DWORD exStyle) {
  if (style & WinManage::WS_THICKFRAME) return GetSystemMetrics(SM_CXSIZEFRAME);
  if ((style & WinManage::WS_DLGFRAME) || (exStyle & WinManage::WS_EX_DLGMODALFRAME)) return GetSystemMetrics(SM_CXFIXEDFRAME);
  if (style & WinManage::WS_BORDER) return GetSystemMetrics(SM_CXBORDER);
  return 0;
}

int EdgeThickness(DWORD exStyle) {
  return ((exStyle & WinManage::WS_EX_CLIENTEDGE) ? GetSystemMetrics(SM_CXEDGE) : 0) +
         ((exStyle & WinManage::WS_EX_STATICEDGE) ? GetSystemMetrics(SM_CXBORDER) : 0);
}

int CaptionHeight(DWORD style, DWORD exStyle) {
  if (!HasCaption(style)) return 0;
  return GetSystemMetrics((exStyle & WinManage::WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
}

}  // namespace

RECT FrameInsets(DWORD style, DWORD exStyle) {
  int side = FrameThickness(style, exStyle) + EdgeThickness(exStyle);
  return RECT{side, side + CaptionHeight(style, exStyle), side, side};
}

TNcLayout NcLayout(const TWindow* w) {
  TNcLayout l;
  int width = w->Rect.right - w->Rect.left, height = w->Rect.bottom - w->Rect.top;
  l.Bounds = RECT{0, 0, width, height};
  l.Border = FrameThickness(w->Style, w->ExStyle);
  l.Sizable = (w->Style & WinManage::WS_THICKFRAME) && !w->Maximized && !w->Minimized;
  RECT in = FrameInsets(w->Style, w->ExStyle);
  l.Inner = RECT{in.left, in.top, std::max<LONG>(in.left, width - in.right), std::max<LONG>(in.top, height - in.bottom)};
  int cap = CaptionHeight(w->Style, w->ExStyle);
  if (cap > 0) {
    int b = l.Border;
    l.Caption = RECT{b, b, width - b, b + cap};
    bool tool = (w->ExStyle & WinManage::WS_EX_TOOLWINDOW) != 0;
    int bs = cap - 5;
    int top = b + (cap - 1 - bs) / 2;
    int right = width - b - 2;
    if (w->Style & WinManage::WS_SYSMENU) {
      l.CloseBox = RECT{right - bs, top, right, top + bs};
      right = l.CloseBox.left - 2;
      if (!tool && (w->Style & (WinManage::WS_MINIMIZEBOX | WinManage::WS_MAXIMIZEBOX))) {
        l.MaxBox = RECT{right - bs, top, right, top + bs};
        l.MinBox = RECT{l.MaxBox.left - 2 - bs, top, l.MaxBox.left - 2, top + bs};
      } else if (w->ExStyle & WinManage::WS_EX_CONTEXTHELP) {
        l.HelpBox = RECT{right - bs, top, right, top + bs};
      }
      if (!tool && !(w->ExStyle & WinManage::WS_EX_DLGMODALFRAME)) {
        int is = GetSystemMetrics(SM_CXSMICON);
        int it = b + (cap - 1 - is) / 2;
        l.SysIcon = RECT{b + 2, it, b + 2 + is, it + is};
      }
    }
  }
  bool v = (w->Style & WinManage::WS_VSCROLL) != 0, h = (w->Style & WinManage::WS_HSCROLL) != 0;
  int sv = GetSystemMetrics(SM_CXVSCROLL), sh = GetSystemMetrics(SM_CYHSCROLL);
  RECT r = l.Inner;
  if (v && r.right - r.left >= sv) {
    bool left = (w->ExStyle & WinManage::WS_EX_LEFTSCROLLBAR) != 0;
    l.VScroll = left ? RECT{r.left, r.top, r.left + sv, r.bottom} : RECT{r.right - sv, r.top, r.right, r.bottom};
  }
  if (h && r.bottom - r.top >= sh) {
    l.HScroll = RECT{r.left, r.bottom - sh, r.right, r.bottom};
    if (!Empty(l.VScroll)) {
      l.VScroll.bottom = std::max(l.VScroll.top, l.VScroll.bottom - sh);
      bool left = l.VScroll.left == r.left;
      l.Corner = RECT{l.VScroll.left, l.HScroll.top, l.VScroll.right, l.HScroll.bottom};
      if (left) l.HScroll.left = l.VScroll.right;
      else l.HScroll.right = l.VScroll.left;
    }
  }
  return l;
}

RECT DefaultClientRect(const TWindow* w, const RECT& windowRect) {
  if (w->Minimized) return RECT{windowRect.left, windowRect.top, windowRect.left, windowRect.top};
  TWindow probe;
  probe.Style = w->Style;
  probe.ExStyle = w->ExStyle;
  probe.Rect = windowRect;
  TNcLayout l = NcLayout(&probe);
  RECT c = l.Inner;
  if (!Empty(l.VScroll)) {
    if (l.VScroll.left == c.left) c.left = l.VScroll.right;
    else c.right = l.VScroll.left;
  }
  if (!Empty(l.HScroll)) c.bottom = l.HScroll.top;
  return RECT{windowRect.left + c.left, windowRect.top + c.top, windowRect.left + std::max(c.left, c.right),
              windowRect.top + std::max(c.top, c.bottom)};
}

void RecalcClient(TWindow* w) {
  HWND hwnd = w->Handle;
  RECT r = w->Rect;
  CallProc(w, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&r));
  if (!(w = FindWindowRec(hwnd))) return;
  r.right = std::max(r.left, r.right);
  r.bottom = std::max(r.top, r.bottom);
  w->Client = RECT{r.left - w->Rect.left, r.top - w->Rect.top, r.right - w->Rect.left, r.bottom - w->Rect.top};
}

LRESULT NcHitTest(TWindow* w, POINT screen) {
  POINT o = WindowOrigin(w);
  POINT p{screen.x - o.x, screen.y - o.y};
  TNcLayout l = NcLayout(w);
  if (!Inside(l.Bounds, p)) return HTNOWHERE;
  if (w->Minimized) return HTCAPTION;
  if (Inside(w->Client, p)) return HTCLIENT;
  int b = l.Border;
  int width = l.Bounds.right, height = l.Bounds.bottom;
  bool onFrame = p.x < b || p.y < b || p.x >= width - b || p.y >= height - b;
  if (onFrame) {
    if (!l.Sizable) return HTBORDER;
    // Corners reach along the edges as far as a caption button is wide.
    int corner = GetSystemMetrics(SM_CXSIZE) + b;
    bool left = p.x < corner, right = p.x >= width - corner, top = p.y < corner, bottom = p.y >= height - corner;
    if (p.x < b) return top ? HTTOPLEFT : bottom ? HTBOTTOMLEFT : HTLEFT;
    if (p.x >= width - b) return top ? HTTOPRIGHT : bottom ? HTBOTTOMRIGHT : HTRIGHT;
    if (p.y < b) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
    return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
  }
  if (Inside(l.Caption, p)) {
    if (Inside(l.CloseBox, p)) return HTCLOSE;
    if (Inside(l.MaxBox, p)) return HTMAXBUTTON;
    if (Inside(l.MinBox, p)) return HTMINBUTTON;
    if (Inside(l.HelpBox, p)) return HTHELP;
    if (Inside(l.SysIcon, p)) return HTSYSMENU;
    return HTCAPTION;
  }
  if (Inside(l.VScroll, p)) return HTVSCROLL;
  if (Inside(l.HScroll, p)) return HTHSCROLL;
  if (Inside(l.Corner, p)) return l.Sizable && l.Corner.right == l.Inner.right && l.Corner.bottom == l.Inner.bottom
                                     ? HTBOTTOMRIGHT
                                     : HTNOWHERE;
  return HTBORDER;
}

namespace {

// ---- Drawing ------------------------------------------------------------------------------------------
void Fill(HDC dc, const RECT& r, COLORREF c) {
  if (Empty(r)) return;
  HBRUSH b = CreateSolidBrush(c);
  FillRect(dc, &r, b);
  DeleteObject(b);
}

void Frame(HDC dc, RECT r, COLORREF c) {
  Fill(dc, RECT{r.left, r.top, r.right, r.top + 1}, c);
  Fill(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, c);
  Fill(dc, RECT{r.left, r.top, r.left + 1, r.bottom}, c);
  Fill(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, c);
}

COLORREF Mix(COLORREF a, COLORREF b, int num, int den) {
  auto ch = [&](int shift) {
    int x = (a >> shift) & 0xFF, y = (b >> shift) & 0xFF;
    return static_cast<COLORREF>((x + (y - x) * num / std::max(1, den)) & 0xFF) << shift;
  };
  return ch(0) | ch(8) | ch(16);
}

// The blue caption of the default visual style: light at the top, deep below, lighter again at the
// bottom edge.
void PaintCaptionBand(HDC dc, const RECT& band, bool active) {
  COLORREF top = active ? RGB(61, 149, 255) : RGB(157, 185, 235);
  COLORREF mid = active ? RGB(0, 84, 227) : RGB(122, 150, 223);
  COLORREF low = active ? RGB(0, 72, 241) : RGB(117, 140, 220);
  int h = band.bottom - band.top;
  for (int y = 0; y < h; ++y) {
    COLORREF c = y < h / 3 ? Mix(top, mid, y, h / 3) : Mix(mid, low, y - h / 3, h - h / 3);
    Fill(dc, RECT{band.left, band.top + y, band.right, band.top + y + 1}, c);
  }
}

void PaintCaptionButton(HDC dc, const RECT& r, int kind, bool active, bool pressed, bool maximized) {
  if (Empty(r)) return;
  bool close = kind == 0;
  COLORREF face = close ? (active ? RGB(224, 67, 22) : RGB(208, 140, 120)) : (active ? RGB(41, 112, 245) : RGB(150, 170, 230));
  if (pressed) face = Mix(face, RGB(0, 0, 0), 1, 4);
  Fill(dc, r, face);
  Frame(dc, r, RGB(255, 255, 255));
  COLORREF glyph = RGB(255, 255, 255);
  int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
  int s = std::max<LONG>(3, (r.right - r.left) / 4);
  switch (kind) {
    case 0:  // close: a cross two pixels thick
      for (int i = -s; i <= s; ++i) {
        Fill(dc, RECT{cx + i, cy + i, cx + i + 2, cy + i + 1}, glyph);
        Fill(dc, RECT{cx + i, cy - i, cx + i + 2, cy - i + 1}, glyph);
      }
      break;
    case 1:  // minimise: a bar at the bottom
      Fill(dc, RECT{cx - s, cy + s - 2, cx + 1, cy + s + 1}, glyph);
      break;
    case 2:  // maximise or restore
      if (maximized) {
        Frame(dc, RECT{cx - s + 2, cy - s, cx + s + 1, cy + s - 2}, glyph);
        Fill(dc, RECT{cx - s, cy - s + 3, cx + s - 1, cy + s + 1}, face);
        Frame(dc, RECT{cx - s, cy - s + 3, cx + s - 1, cy + s + 1}, glyph);
        Fill(dc, RECT{cx - s, cy - s + 3, cx + s - 1, cy - s + 5}, glyph);
      } else {
        Frame(dc, RECT{cx - s, cy - s, cx + s + 1, cy + s + 1}, glyph);
        Fill(dc, RECT{cx - s, cy - s, cx + s + 1, cy - s + 3}, glyph);
      }
      break;
    default:  // help: a question mark drawn as text
      DrawTextA(dc, "?", 1, const_cast<RECT*>(&r), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      break;
  }
}

void PaintCaptionText(HDC dc, TWindow* w, const TNcLayout& l, bool active) {
  if (w->Text.empty()) return;
  NONCLIENTMETRICSA ncm;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
  HFONT font = CreateFontIndirectA((w->ExStyle & WinManage::WS_EX_TOOLWINDOW) ? &ncm.lfSmCaptionFont : &ncm.lfCaptionFont);
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, active ? GetSysColor(COLOR_CAPTIONTEXT) : GetSysColor(COLOR_INACTIVECAPTIONTEXT));
  RECT r = l.Caption;
  r.left = (Empty(l.SysIcon) ? l.Caption.left : l.SysIcon.right) + 4;
  for (const RECT* b : {&l.MinBox, &l.HelpBox, &l.MaxBox, &l.CloseBox})
    if (!Empty(*b)) {
      r.right = std::min(r.right, b->left - 2);
    }
  r.bottom -= 1;
  DrawTextA(dc, w->Text.c_str(), static_cast<int>(w->Text.size()), &r,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
  SelectObject(dc, old);
  DeleteObject(font);
}

void PaintSysIcon(HDC dc, const RECT& r) {
  if (Empty(r)) return;
  // The program's own icon is drawn by the form that has one; the frame shows a plain window glyph.
  Fill(dc, r, RGB(255, 255, 255));
  Frame(dc, r, RGB(0, 40, 140));
  Fill(dc, RECT{r.left + 1, r.top + 1, r.right - 1, r.top + 4}, RGB(0, 84, 227));
}

void PaintFrame(HDC dc, TWindow* w, const TNcLayout& l, bool active) {
  int b = l.Border;
  const RECT& all = l.Bounds;
  if (!Empty(l.Caption)) {
    // Captioned windows: frame and caption in the style's blue, a darker outline around.
    COLORREF frame = active ? RGB(0, 84, 227) : RGB(122, 150, 223);
    COLORREF outline = active ? RGB(0, 19, 140) : RGB(91, 110, 190);
    RECT band{0, 0, all.right, l.Caption.bottom};
    PaintCaptionBand(dc, band, active);
    Fill(dc, RECT{0, band.bottom, b, all.bottom}, frame);
    Fill(dc, RECT{all.right - b, band.bottom, all.right, all.bottom}, frame);
    Fill(dc, RECT{0, all.bottom - b, all.right, all.bottom}, frame);
    if (b > 0) Frame(dc, all, outline);
    PaintSysIcon(dc, l.SysIcon);
    PaintCaptionText(dc, w, l, active);
    PaintCaptionButton(dc, l.MinBox, 1, active, false, false);
    PaintCaptionButton(dc, l.MaxBox, 2, active, false, w->Maximized);
    PaintCaptionButton(dc, l.HelpBox, 3, active, false, false);
    PaintCaptionButton(dc, l.CloseBox, 0, active, false, false);
  } else if (b == 1) {
    Frame(dc, all, GetSysColor(COLOR_WINDOWFRAME));
  } else if (b > 1) {
    Fill(dc, RECT{0, 0, all.right, b}, GetSysColor(COLOR_BTNFACE));
    Fill(dc, RECT{0, all.bottom - b, all.right, all.bottom}, GetSysColor(COLOR_BTNFACE));
    Fill(dc, RECT{0, 0, b, all.bottom}, GetSysColor(COLOR_BTNFACE));
    Fill(dc, RECT{all.right - b, 0, all.right, all.bottom}, GetSysColor(COLOR_BTNFACE));
    Frame(dc, RECT{0, 0, all.right, all.bottom}, GetSysColor(COLOR_3DDKSHADOW));
    Frame(dc, RECT{0, 0, all.right - 1, all.bottom - 1}, GetSysColor(COLOR_3DLIGHT));
  }
  RECT e{b, b + (Empty(l.Caption) ? 0 : l.Caption.bottom - l.Caption.top), all.right - b, all.bottom - b};
  if (w->ExStyle & WinManage::WS_EX_CLIENTEDGE) {
    // The themed edge of sunken controls: a blue-grey line, then the window colour.
    Frame(dc, e, RGB(127, 157, 185));
    e = RECT{e.left + 1, e.top + 1, e.right - 1, e.bottom - 1};
    Frame(dc, e, GetSysColor(COLOR_WINDOW));
    e = RECT{e.left + 1, e.top + 1, e.right - 1, e.bottom - 1};
  }
  if (w->ExStyle & WinManage::WS_EX_STATICEDGE) {
    Fill(dc, RECT{e.left, e.top, e.right, e.top + 1}, GetSysColor(COLOR_BTNSHADOW));
    Fill(dc, RECT{e.left, e.top, e.left + 1, e.bottom}, GetSysColor(COLOR_BTNSHADOW));
    Fill(dc, RECT{e.left, e.bottom - 1, e.right, e.bottom}, GetSysColor(COLOR_BTNHIGHLIGHT));
    Fill(dc, RECT{e.right - 1, e.top, e.right, e.bottom}, GetSysColor(COLOR_BTNHIGHLIGHT));
  }
  if (!Empty(l.VScroll)) PaintScrollBar(w, dc, 1);
  if (!Empty(l.HScroll)) PaintScrollBar(w, dc, 0);
  Fill(dc, l.Corner, GetSysColor(COLOR_BTNFACE));
}

}  // namespace

void NcPaintInto(TWindow* w, HDC dc) { PaintFrame(dc, w, NcLayout(w), w->NcActive); }

void NcPaint(TWindow* w, HRGN region) {
  HWND hwnd = w->Handle;
  bool clipped = region && region != reinterpret_cast<HRGN>(1);
  HDC dc = GetDCEx(hwnd, clipped ? region : nullptr, DCX_WINDOW | (clipped ? DCX_INTERSECTRGN : 0));
  if (!dc) return;
  // The client area is not the frame's to paint.
  RECT c = w->Client;
  ExcludeClipRect(dc, c.left, c.top, c.right, c.bottom);
  TNcLayout l = NcLayout(w);
  PaintFrame(dc, w, l, w->NcActive);
  ReleaseDC(hwnd, dc);
}

namespace {

// ---- Mouse-driven moving, sizing and caption buttons ------------------------------------------------
void RepaintFrame(HWND hwnd) { RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN); }

// Presses a caption button until the mouse is released: true when it is released over the button.
bool TrackCaptionButton(HWND hwnd, LRESULT part) {
  SetCapture(hwnd);
  bool over = true;
  bool released = false;
  while (GetCapture() == hwnd) {
    MSG m;
    if (!PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
      WaitMessage();
      continue;
    }
    if (m.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(m.wParam));
      break;
    }
    if (m.message == WM_MOUSEMOVE || m.message == WM_LBUTTONUP) {
      TWindow* w = FindWindowRec(hwnd);
      if (!w) break;
      over = NcHitTest(w, m.pt) == part;
      if (m.message == WM_LBUTTONUP) {
        released = over;
        break;
      }
      continue;
    }
    if (m.message == WM_KEYDOWN && m.wParam == VK_ESCAPE) break;
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
  if (GetCapture() == hwnd) ReleaseCapture();
  if (FindWindowRec(hwnd)) RepaintFrame(hwnd);
  return released;
}

}  // namespace

void NcButtonDown(TWindow* w, WPARAM hit, POINT screen) {
  HWND hwnd = w->Handle;
  LPARAM pt = MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y));
  switch (hit) {
    case HTCAPTION:
      if (!w->Maximized) SendMessageA(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, pt);
      break;
    case HTLEFT: case HTRIGHT: case HTTOP: case HTTOPLEFT: case HTTOPRIGHT: case HTBOTTOM: case HTBOTTOMLEFT:
    case HTBOTTOMRIGHT:
      SendMessageA(hwnd, WM_SYSCOMMAND, SC_SIZE | static_cast<WPARAM>(hit - HTLEFT + WMSZ_LEFT), pt);
      break;
    case HTCLOSE:
      if (TrackCaptionButton(hwnd, HTCLOSE)) SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, pt);
      break;
    case HTMINBUTTON:
      if ((w->Style & WinManage::WS_MINIMIZEBOX) && TrackCaptionButton(hwnd, HTMINBUTTON))
        SendMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, pt);
      break;
    case HTMAXBUTTON:
      if ((w->Style & WinManage::WS_MAXIMIZEBOX) && TrackCaptionButton(hwnd, HTMAXBUTTON)) {
        TWindow* again = FindWindowRec(hwnd);
        SendMessageA(hwnd, WM_SYSCOMMAND, again && again->Maximized ? SC_RESTORE : SC_MAXIMIZE, pt);
      }
      break;
    case HTHELP:
      if (TrackCaptionButton(hwnd, HTHELP)) SendMessageA(hwnd, WM_SYSCOMMAND, SC_CONTEXTHELP, pt);
      break;
    case HTVSCROLL: TrackScrollBar(w, 1, screen); break;
    case HTHSCROLL: TrackScrollBar(w, 0, screen); break;
    default: break;
  }
}

void SysMoveSize(TWindow* w, WPARAM command, POINT start) {
  HWND hwnd = w->Handle;
  bool moving = (command & 0xFFF0) == SC_MOVE;
  WPARAM edge = moving ? 0 : (command & 0x000F);
  if (!moving && (edge < WMSZ_LEFT || edge > WMSZ_BOTTOMRIGHT)) return;
  RECT origin;
  GetWindowRect(hwnd, &origin);
  POINT parentOffset{0, 0};
  if (w->Parent && !IsTopLevel(w)) parentOffset = ClientOrigin(w->Parent);
  SendMessageA(hwnd, WM_ENTERSIZEMOVE, 0, 0);
  SetCapture(hwnd);
  bool cancelled = false;
  while (GetCapture() == hwnd) {
    MSG m;
    if (!PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
      WaitMessage();
      continue;
    }
    if (m.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(m.wParam));
      break;
    }
    if (m.message == WM_LBUTTONUP) break;
    if (m.message == WM_KEYDOWN && m.wParam == VK_ESCAPE) {
      cancelled = true;
      break;
    }
    if (m.message != WM_MOUSEMOVE) {
      TranslateMessage(&m);
      DispatchMessageA(&m);
      continue;
    }
    TWindow* cur = FindWindowRec(hwnd);
    if (!cur) return;
    int dx = m.pt.x - start.x, dy = m.pt.y - start.y;
    RECT r = origin;
    if (moving) {
      r = RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
      SendMessageA(hwnd, WM_MOVING, 0, reinterpret_cast<LPARAM>(&r));
    } else {
      if (edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT) r.left += dx;
      if (edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT) r.right += dx;
      if (edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT) r.top += dy;
      if (edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT) r.bottom += dy;
      MINMAXINFO mmi;
      mmi.ptMinTrackSize = POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
      mmi.ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
      SendMessageA(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
      auto clampSide = [](LONG& moving_, LONG fixed, LONG lo, LONG hi, bool movingIsLow) {
        LONG size = movingIsLow ? fixed - moving_ : moving_ - fixed;
        size = std::clamp(size, lo, std::max(lo, hi));
        moving_ = movingIsLow ? fixed - size : fixed + size;
      };
      if (r.left != origin.left) clampSide(r.left, r.right, mmi.ptMinTrackSize.x, mmi.ptMaxTrackSize.x, true);
      if (r.right != origin.right) clampSide(r.right, r.left, mmi.ptMinTrackSize.x, mmi.ptMaxTrackSize.x, false);
      if (r.top != origin.top) clampSide(r.top, r.bottom, mmi.ptMinTrackSize.y, mmi.ptMaxTrackSize.y, true);
      if (r.bottom != origin.bottom) clampSide(r.bottom, r.top, mmi.ptMinTrackSize.y, mmi.ptMaxTrackSize.y, false);
      SendMessageA(hwnd, WM_SIZING, edge, reinterpret_cast<LPARAM>(&r));
    }
    SetWindowPos(hwnd, nullptr, r.left - parentOffset.x, r.top - parentOffset.y, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | (moving ? SWP_NOSIZE : 0));
  }
  if (GetCapture() == hwnd) ReleaseCapture();
  if (cancelled && FindWindowRec(hwnd))
    SetWindowPos(hwnd, nullptr, origin.left - parentOffset.x, origin.top - parentOffset.y, origin.right - origin.left,
                 origin.bottom - origin.top, SWP_NOZORDER | SWP_NOACTIVATE);
  if (FindWindowRec(hwnd)) SendMessageA(hwnd, WM_EXITSIZEMOVE, 0, 0);
}

}  // namespace WinInternals
