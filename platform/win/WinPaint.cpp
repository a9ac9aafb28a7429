// Update regions, WM_PAINT, device contexts of windows and window scrolling. A top-level window owns
// the surface its whole tree draws on; a DC of any window of the tree is a surface DC with that
// window's origin, clipped to the window's visible region.
#include "WinPaint.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "Messages.h"
#include "WinBackend.h"
#include "WinGdi.h"
#include "WinInternals.h"
#include "WinManage.h"
#include "WinQueue.h"
#include "WinUserDraw.h"

namespace WinPaint {

namespace {

// A region handle freed at the end of the scope.
class TRgn {
 public:
  TRgn() : FRgn(CreateRectRgn(0, 0, 0, 0)) {}
  explicit TRgn(const RECT& r) : FRgn(CreateRectRgnIndirect(&r)) {}
  ~TRgn() { DeleteObject(FRgn); }
  TRgn(const TRgn&) = delete;
  TRgn& operator=(const TRgn&) = delete;
  operator HRGN() const { return FRgn; }
  bool IsEmpty() const {
    RECT r;
    return GetRgnBox(FRgn, &r) == NULLREGION;
  }

 private:
  HRGN FRgn;
};

struct TPaintState {
  std::unordered_map<HDC, HWND> DCs;  // DCs handed out by GetDCEx, for ReleaseDC and WindowFromDC
  HWND Locked = nullptr;              // LockWindowUpdate
};

TPaintState& Paint() {
  static TPaintState s;
  return s;
}

RECT Offset(RECT r, int dx, int dy) { return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }
RECT WindowBounds(const TWindow* w) { return RECT{0, 0, w->Rect.right - w->Rect.left, w->Rect.bottom - w->Rect.top}; }
bool Empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

bool IsLocked(const TWindow* w) {
  TWindow* locked = FindWindowRec(Paint().Locked);
  return locked && (locked == w || IsAncestor(locked, w));
}

bool RedrawSuspended(const TWindow* w) {
  for (; w; w = w->Parent)
    if (w->RedrawOff) return true;
  return false;
}

// The window's shape in its own window coordinates: its rectangle cut by its window region.
void AndShape(HRGN rgn, const TWindow* w, int dx, int dy) {
  TRgn shape(Offset(WindowBounds(w), dx, dy));
  if (w->WindowRgn) {
    TRgn custom;
    CombineRgn(custom, w->WindowRgn, nullptr, RGN_COPY);
    OffsetRgn(custom, dx, dy);
    CombineRgn(shape, shape, custom, RGN_AND);
  }
  CombineRgn(rgn, rgn, shape, RGN_AND);
}

void ExcludeShape(HRGN rgn, const TWindow* w, int dx, int dy) {
  TRgn shape(Offset(WindowBounds(w), dx, dy));
  if (w->WindowRgn) {
    TRgn custom;
    CombineRgn(custom, w->WindowRgn, nullptr, RGN_COPY);
    OffsetRgn(custom, dx, dy);
    CombineRgn(shape, shape, custom, RGN_AND);
  }
  CombineRgn(rgn, rgn, shape, RGN_DIFF);
}

// Where a window of the tree lies on its top-level window's surface.
POINT SurfaceOffset(const TWindow* w) {
  TWindow* top = TopLevelOf(const_cast<TWindow*>(w));
  POINT a = WindowOrigin(w), b = WindowOrigin(top);
  return POINT{a.x - b.x, a.y - b.y};
}

// The part of a window that may be drawn, in its top-level window's surface coordinates: inside every
// ancestor's client area, outside the siblings above (where the window clips siblings) and, if asked,
// outside its own visible children.
HRGN VisibleRegion(const TWindow* w, bool clientOnly, bool clipChildren, bool clipSiblings) {
  HRGN r = CreateRectRgn(0, 0, 0, 0);
  if (!IsVisibleChain(w) || IsLocked(w) || !TopLevelOf(const_cast<TWindow*>(w))->Surface) return r;
  POINT o = SurfaceOffset(w);
  RECT area = clientOnly ? w->Client : WindowBounds(w);
  SetRectRgn(r, o.x + area.left, o.y + area.top, o.x + area.right, o.y + area.bottom);
  AndShape(r, w, o.x, o.y);
  for (const TWindow* a = w; a->Parent && !IsTopLevel(a); a = a->Parent) {
    const TWindow* p = a->Parent;
    POINT po = SurfaceOffset(p);
    TRgn parentClient(Offset(p->Client, po.x, po.y));
    CombineRgn(r, r, parentClient, RGN_AND);
    AndShape(r, p, po.x, po.y);
    bool siblings = a == w ? clipSiblings : (a->Style & WinManage::WS_CLIPSIBLINGS) != 0;
    if (siblings) {
      for (const TWindow* s : p->Children) {
        if (s == a) break;
        if (!(s->Style & WinManage::WS_VISIBLE)) continue;
        POINT so = SurfaceOffset(s);
        ExcludeShape(r, s, so.x, so.y);
      }
    }
  }
  if (clipChildren) {
    for (const TWindow* c : w->Children) {
      if (!(c->Style & WinManage::WS_VISIBLE)) continue;
      POINT co = SurfaceOffset(c);
      ExcludeShape(r, c, co.x, co.y);
    }
  }
  return r;
}

void NotifySurface(const TWindow* w, HRGN vis) {
  TWindow* top = TopLevelOf(const_cast<TWindow*>(w));
  RECT box;
  if (top && GetRgnBox(vis, &box) != NULLREGION) Backend().SurfaceChanged(top->Handle, box);
}

// Marks (or clears) part of a window and, by the flags and its clipping style, of its children.
// `area` is in the window's own coordinates.
void Mark(TWindow* w, HRGN area, UINT flags) {
  if (!(w->Style & WinManage::WS_VISIBLE) && !(flags & RDW_VALIDATE)) return;
  TRgn part;
  CombineRgn(part, area, nullptr, RGN_COPY);
  TRgn bounds(WindowBounds(w));
  CombineRgn(part, part, bounds, RGN_AND);
  if (!(flags & RDW_FRAME)) {
    TRgn client(w->Client);
    CombineRgn(part, part, client, RGN_AND);
  }
  bool touchesFrame = false;
  {
    TRgn frame(WindowBounds(w));
    TRgn client(w->Client);
    CombineRgn(frame, frame, client, RGN_DIFF);
    CombineRgn(frame, frame, part, RGN_AND);
    touchesFrame = !frame.IsEmpty();
  }
  if (flags & RDW_INVALIDATE) {
    if (!part.IsEmpty()) {
      if (!w->Update) w->Update = CreateRectRgn(0, 0, 0, 0);
      CombineRgn(w->Update, w->Update, part, RGN_OR);
      ++w->UpdateSerial;
      if (flags & RDW_ERASE) w->EraseNeeded = true;
      if (touchesFrame) w->NcPaintNeeded = true;
    }
    if (flags & RDW_INTERNALPAINT) w->InternalPaint = true;
  } else if (flags & RDW_VALIDATE) {
    if (w->Update) {
      CombineRgn(w->Update, w->Update, part, RGN_DIFF);
      RECT box;
      if (GetRgnBox(w->Update, &box) == NULLREGION) {
        DeleteObject(w->Update);
        w->Update = nullptr;
        w->EraseNeeded = false;
        w->NcPaintNeeded = false;
      } else if (touchesFrame || (flags & RDW_FRAME)) {
        TRgn frame(WindowBounds(w));
        TRgn client(w->Client);
        CombineRgn(frame, frame, client, RGN_DIFF);
        CombineRgn(frame, frame, w->Update, RGN_AND);
        if (frame.IsEmpty()) w->NcPaintNeeded = false;
      }
    }
    if (flags & RDW_NOINTERNALPAINT) w->InternalPaint = false;
  }
  if (flags & RDW_NOERASE) w->EraseNeeded = false;
  if (flags & RDW_NOFRAME) w->NcPaintNeeded = false;

  bool children = (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(w->Style & WinManage::WS_CLIPCHILDREN));
  if (!children) return;
  for (TWindow* c : w->Children) {
    if (!(c->Style & WinManage::WS_VISIBLE)) continue;
    TRgn inChild;
    CombineRgn(inChild, part, nullptr, RGN_COPY);
    TRgn client(w->Client);
    CombineRgn(inChild, inChild, client, RGN_AND);
    OffsetRgn(inChild, -(w->Client.left + c->Rect.left), -(w->Client.top + c->Rect.top));
    Mark(c, inChild, (flags | RDW_FRAME) & ~(RDW_NOFRAME));
  }
}

bool NeedsPaint(const TWindow* w) { return w->Update || w->InternalPaint || w->NcPaintNeeded; }

// Sends the paint messages a window has due, now (RDW_UPDATENOW), and to its children by the flags.
void UpdateNow(TWindow* w, UINT flags, bool eraseOnly) {
  HWND hwnd = w->Handle;
  if (IsVisibleChain(w) && !RedrawSuspended(w) && !IsLocked(w)) {
    if (eraseOnly) {
      if (w->NcPaintNeeded) {
        w->NcPaintNeeded = false;
        NcPaint(w, nullptr);
      }
      if ((w = FindWindowRec(hwnd)) && w->EraseNeeded) {
        w->EraseNeeded = false;
        HDC dc = GetDCEx(hwnd, nullptr, DCX_CACHE);
        SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        ReleaseDC(hwnd, dc);
      }
    } else if (NeedsPaint(w)) {
      MSG m;
      m.hwnd = hwnd;
      m.message = WM_PAINT;
      DispatchMessageA(&m);
    }
  }
  if (!(w = FindWindowRec(hwnd))) return;
  if (!(flags & RDW_ALLCHILDREN)) return;
  std::vector<HWND> children;
  for (TWindow* c : w->Children) children.push_back(c->Handle);
  for (HWND h : children)
    if (TWindow* c = FindWindowRec(h)) UpdateNow(c, flags, eraseOnly);
}

// The first window of a tree, parents before children, with paint due.
TWindow* FindPaintable(TWindow* w, HWND filter) {
  if (!(w->Style & WinManage::WS_VISIBLE) || w->RedrawOff || IsLocked(w)) return nullptr;
  if (NeedsPaint(w) && (!filter || filter == w->Handle)) return w;
  for (TWindow* c : w->Children)
    if (TWindow* found = FindPaintable(c, filter)) return found;
  return nullptr;
}

}  // namespace

BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN rgn, UINT flags) {
  TWindow* w = hwnd ? FindWindowRec(hwnd) : nullptr;
  if (!w) return FALSE;
  RedrawRec(w, rect, rgn, flags);
  return TRUE;
}

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
  return RedrawWindow(hwnd, rect, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL InvalidateRgn(HWND hwnd, HRGN rgn, BOOL erase) {
  return RedrawWindow(hwnd, nullptr, rgn, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) { return RedrawWindow(hwnd, rect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN); }
BOOL ValidateRgn(HWND hwnd, HRGN rgn) { return RedrawWindow(hwnd, nullptr, rgn, RDW_VALIDATE | RDW_NOCHILDREN); }

BOOL UpdateWindow(HWND hwnd) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w) return FALSE;
  UpdateNow(w, RDW_NOCHILDREN, false);
  return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w) return FALSE;
  RECT box{};
  if (w->Update) {
    TRgn part(w->Client);
    CombineRgn(part, part, w->Update, RGN_AND);
    if (GetRgnBox(part, &box) != NULLREGION) box = Offset(box, -w->Client.left, -w->Client.top);
    else box = RECT{};
  }
  if (rect) *rect = box;
  if (erase && w->EraseNeeded) UpdateNow(w, RDW_NOCHILDREN, true);
  return !Empty(box);
}

int GetUpdateRgn(HWND hwnd, HRGN rgn, BOOL erase) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || !rgn) return ERROR;
  SetRectRgn(rgn, 0, 0, 0, 0);
  if (w->Update) {
    TRgn client(w->Client);
    CombineRgn(rgn, w->Update, client, RGN_AND);
    OffsetRgn(rgn, -w->Client.left, -w->Client.top);
  }
  if (erase && w->EraseNeeded) UpdateNow(w, RDW_NOCHILDREN, true);
  RECT box;
  return GetRgnBox(rgn, &box);
}

BOOL LockWindowUpdate(HWND hwnd) {
  TPaintState& s = Paint();
  if (hwnd) {
    if (s.Locked && FindWindowRec(s.Locked)) return FALSE;
    if (!FindWindowRec(hwnd)) return FALSE;
    s.Locked = hwnd;
    return TRUE;
  }
  HWND was = s.Locked;
  s.Locked = nullptr;
  if (TWindow* w = FindWindowRec(was)) RedrawRec(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  return TRUE;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || !ps) return nullptr;
  *ps = PAINTSTRUCT{};
  HRGN update = CreateRectRgn(0, 0, 0, 0);
  if (w->Update) CombineRgn(update, w->Update, nullptr, RGN_COPY);
  bool ncDue = w->NcPaintNeeded;
  bool eraseDue = w->EraseNeeded;
  if (w->Update) DeleteObject(w->Update);
  w->Update = nullptr;
  w->NcPaintNeeded = w->EraseNeeded = w->InternalPaint = false;
  if (ncDue) {
    // WM_NCPAINT carries its region in screen coordinates; the receiver does not free it.
    POINT o = WindowOrigin(w);
    HRGN screen = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(screen, update, nullptr, RGN_COPY);
    OffsetRgn(screen, o.x, o.y);
    SendMessageA(hwnd, WM_NCPAINT, reinterpret_cast<WPARAM>(screen), 0);
    DeleteObject(screen);
    if (!(w = FindWindowRec(hwnd))) {
      DeleteObject(update);
      return nullptr;
    }
  }
  TRgn client(w->Client);
  CombineRgn(update, update, client, RGN_AND);
  RECT box;
  if (GetRgnBox(update, &box) != NULLREGION) ps->rcPaint = Offset(box, -w->Client.left, -w->Client.top);
  POINT o = WindowOrigin(w);
  OffsetRgn(update, o.x, o.y);
  // The caret is drawn over the pixels, so it steps aside while they are painted.
  ps->fRestore = CaretHiddenForPaint(hwnd) ? TRUE : FALSE;
  HDC dc = GetDCEx(hwnd, update, DCX_INTERSECTRGN);
  DeleteObject(update);
  ps->hdc = dc;
  if (eraseDue && dc) ps->fErase = SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) ? FALSE : TRUE;
  return dc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
  if (!ps) return FALSE;
  if (ps->hdc) ReleaseDC(hwnd, ps->hdc);
  if (ps->fRestore) CaretShownAfterPaint(hwnd);
  return TRUE;
}

HDC GetDC(HWND hwnd) { return GetDCEx(hwnd, nullptr, DCX_CACHE); }
HDC GetWindowDC(HWND hwnd) { return GetDCEx(hwnd, nullptr, DCX_WINDOW | DCX_CACHE); }

HDC GetDCEx(HWND hwnd, HRGN clip, DWORD flags) {
  if (!hwnd) return CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  TWindow* w = FindWindowRec(hwnd);
  if (!w) return nullptr;
  if (w == State().Desktop) return CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  TWindow* top = TopLevelOf(w);
  if (!top->Surface) SyncSurface(top);
  bool window = (flags & DCX_WINDOW) != 0;
  const TWindow* basis = w;
  if ((flags & DCX_PARENTCLIP) && !IsTopLevel(w)) basis = w->Parent;
  HRGN vis = VisibleRegion(basis, !window || basis != w,
                           (flags & DCX_CLIPCHILDREN) || (basis->Style & WinManage::WS_CLIPCHILDREN),
                           (flags & DCX_CLIPSIBLINGS) || (basis->Style & WinManage::WS_CLIPSIBLINGS));
  if (clip && (flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN))) {
    POINT to = WindowOrigin(top);
    TRgn local;
    CombineRgn(local, clip, nullptr, RGN_COPY);
    OffsetRgn(local, -to.x, -to.y);
    CombineRgn(vis, vis, local, (flags & DCX_INTERSECTRGN) ? RGN_AND : RGN_DIFF);
  }
  POINT o = SurfaceOffset(w);
  if (!window) o = POINT{o.x + w->Client.left, o.y + w->Client.top};
  // The system clip of a surface DC is in its device coordinates, which start at its origin.
  OffsetRgn(vis, -o.x, -o.y);
  HDC dc = CreateSurfaceDC(top->Surface.get(), o, vis);
  DeleteObject(vis);
  if (dc) Paint().DCs[dc] = hwnd;
  return dc;
}

int ReleaseDC(HWND, HDC dc) {
  auto& table = Paint().DCs;
  auto it = table.find(dc);
  if (it == table.end()) {
    // The screen DC of a null window.
    return DeleteDC(dc) ? 1 : 0;
  }
  if (TWindow* w = FindWindowRec(it->second)) {
    TRgn vis;
    RECT box;
    if (GetRandomRgn(dc, vis, SYSRGN) == 1 && GetRgnBox(vis, &box) != NULLREGION) NotifySurface(w, vis);
    else if (TWindow* top = TopLevelOf(w)) Backend().SurfaceChanged(top->Handle, WindowBounds(top));
  }
  table.erase(it);
  DeleteDC(dc);
  return 1;
}

HWND WindowFromDC(HDC dc) {
  auto& table = Paint().DCs;
  auto it = table.find(dc);
  return it == table.end() ? nullptr : it->second;
}

int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update, RECT* updateRect,
                   UINT flags) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w) return ERROR;
  RECT client{0, 0, w->Client.right - w->Client.left, w->Client.bottom - w->Client.top};
  RECT src = client, limit = client, visible{};
  if (scroll) IntersectRect(&src, scroll, &client);
  if (clip) IntersectRect(&limit, clip, &client);
  IntersectRect(&visible, &src, &limit);
  // What the move uncovers inside the clip: the visible scrolled area not covered by moved pixels.
  TRgn visibleSrc(visible);
  TRgn moved(Offset(src, dx, dy));
  TRgn limitRgn(limit);
  CombineRgn(moved, moved, limitRgn, RGN_AND);
  TRgn uncovered;
  CombineRgn(uncovered, visibleSrc, moved, RGN_DIFF);

  if (IsVisibleChain(w) && (dx || dy)) {
    struct TCaretAside {
      HWND H;
      bool Hidden;
      ~TCaretAside() {
        if (Hidden) CaretShownAfterPaint(H);
      }
    } aside{hwnd, CaretHiddenForPaint(hwnd)};
    HDC dc = GetDCEx(hwnd, nullptr, (flags & SW_SCROLLCHILDREN) ? 0 : DCX_CLIPCHILDREN);
    ScrollDC(dc, dx, dy, &src, &limit, nullptr, nullptr);
    ReleaseDC(hwnd, dc);
  }
  // Invalid parts inside the scrolled area move with the pixels.
  if (w->Update && (dx || dy)) {
    TRgn inside;
    CombineRgn(inside, visibleSrc, nullptr, RGN_COPY);
    OffsetRgn(inside, w->Client.left, w->Client.top);
    CombineRgn(inside, inside, w->Update, RGN_AND);
    if (!inside.IsEmpty()) {
      CombineRgn(w->Update, w->Update, inside, RGN_DIFF);
      OffsetRgn(inside, dx, dy);
      TRgn limitInWindow(Offset(limit, w->Client.left, w->Client.top));
      CombineRgn(inside, inside, limitInWindow, RGN_AND);
      CombineRgn(w->Update, w->Update, inside, RGN_OR);
    }
  }
  if (flags & SW_SCROLLCHILDREN) {
    std::vector<HWND> children;
    for (TWindow* c : w->Children)
      if (RECT hit; !scroll || IntersectRect(&hit, &c->Rect, &src)) children.push_back(c->Handle);
    for (HWND h : children) {
      TWindow* c = FindWindowRec(h);
      if (!c) continue;
      WinManage::SetWindowPos(h, nullptr, c->Rect.left + dx, c->Rect.top + dy, 0, 0,
                              WinManage::SWP_NOSIZE | WinManage::SWP_NOZORDER | WinManage::SWP_NOACTIVATE);
    }
    if (!(w = FindWindowRec(hwnd))) return ERROR;
  }
  if (flags & SW_INVALIDATE)
    RedrawRec(w, nullptr, uncovered,
              RDW_INVALIDATE | ((flags & SW_ERASE) ? RDW_ERASE : 0) | ((flags & SW_SCROLLCHILDREN) ? RDW_ALLCHILDREN : 0));
  if (update) CombineRgn(update, uncovered, nullptr, RGN_COPY);
  RECT box{};
  int kind = GetRgnBox(uncovered, &box);
  if (updateRect) *updateRect = kind == NULLREGION ? RECT{} : box;
  return kind;
}

BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip) {
  return ScrollWindowEx(hwnd, dx, dy, scroll, clip, nullptr, nullptr,
                        SW_INVALIDATE | SW_ERASE | (scroll ? 0 : SW_SCROLLCHILDREN)) != ERROR;
}

BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || !(w->ExStyle & WinManage::WS_EX_LAYERED)) return FALSE;
  w->LayerKey = key;
  w->LayerAlpha = (flags & LWA_ALPHA) ? alpha : 255;
  w->LayerFlags = flags;
  w->LayerPerPixel = false;
  if (TWindow* top = TopLevelOf(w)) Backend().SurfaceChanged(top->Handle, WindowBounds(top));
  return TRUE;
}

BOOL GetLayeredWindowAttributes(HWND hwnd, COLORREF* key, BYTE* alpha, DWORD* flags) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || !(w->ExStyle & WinManage::WS_EX_LAYERED) || w->LayerPerPixel) return FALSE;
  if (key) *key = w->LayerKey;
  if (alpha) *alpha = w->LayerAlpha;
  if (flags) *flags = w->LayerFlags;
  return TRUE;
}

BOOL UpdateLayeredWindow(HWND hwnd, HDC, const POINT* dst, const SIZE* size, HDC src, const POINT* srcPoint,
                         COLORREF key, const void* blend, DWORD flags) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || !(w->ExStyle & WinManage::WS_EX_LAYERED) || !IsTopLevel(w)) return FALSE;
  if (dst || size) {
    int x = dst ? dst->x : w->Rect.left, y = dst ? dst->y : w->Rect.top;
    int cx = size ? size->cx : w->Rect.right - w->Rect.left, cy = size ? size->cy : w->Rect.bottom - w->Rect.top;
    WinManage::SetWindowPos(hwnd, nullptr, x, y, cx, cy,
                            WinManage::SWP_NOZORDER | WinManage::SWP_NOACTIVATE | WinManage::SWP_NOREDRAW |
                                (dst ? 0 : WinManage::SWP_NOMOVE) | (size ? 0 : WinManage::SWP_NOSIZE));
    if (!(w = FindWindowRec(hwnd))) return FALSE;
  }
  if (src && w->Surface) {
    TGdiSurface* from = GetDCSurface(src);
    POINT sp = srcPoint ? *srcPoint : POINT{0, 0};
    if (from) {
      POINT org{0, 0};
      GetDCOrgEx(src, &org);
      for (int y = 0; y < w->Surface->Height(); ++y)
        for (int x = 0; x < w->Surface->Width(); ++x) {
          int sx = sp.x + x + org.x, sy = sp.y + y + org.y;
          w->Surface->SetPixel(x, y, from->Contains(sx, sy) ? from->Pixel(sx, sy) : 0);
        }
    }
  }
  w->LayerPerPixel = (flags & ULW_ALPHA) != 0;
  w->LayerKey = key;
  w->LayerFlags = (flags & ULW_COLORKEY) ? LWA_COLORKEY : 0;
  w->LayerAlpha = blend ? static_cast<const BLENDFUNCTION*>(blend)->SourceConstantAlpha : 255;
  if (!(w->Style & WinManage::WS_VISIBLE)) return TRUE;
  Backend().SurfaceChanged(hwnd, WindowBounds(w));
  return TRUE;
}

BOOL AnimateWindow(HWND hwnd, DWORD, DWORD flags) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w) return FALSE;
  bool visible = (w->Style & WinManage::WS_VISIBLE) != 0;
  if ((flags & AW_HIDE) ? !visible : visible) return FALSE;
  WinManage::ShowWindow(hwnd, (flags & AW_HIDE) ? WinManage::SW_HIDE
                                                 : (flags & AW_ACTIVATE) ? WinManage::SW_SHOW : WinManage::SW_SHOWNA);
  return TRUE;
}

}  // namespace WinPaint

namespace WinInternals {

using namespace WinPaint;

void RedrawRec(TWindow* w, const RECT* rect, HRGN rgn, UINT flags) {
  HWND hwnd = w->Handle;
  if (flags & (RDW_INVALIDATE | RDW_VALIDATE | RDW_NOERASE | RDW_NOFRAME | RDW_INTERNALPAINT | RDW_NOINTERNALPAINT)) {
    TRgn area;
    if (rgn) {
      CombineRgn(area, rgn, nullptr, RGN_COPY);
      OffsetRgn(area, w->Client.left, w->Client.top);
    } else if (rect) {
      RECT r = Offset(*rect, w->Client.left, w->Client.top);
      SetRectRgn(area, r.left, r.top, r.right, r.bottom);
    } else {
      RECT r = (flags & RDW_FRAME) ? WindowBounds(w) : w->Client;
      SetRectRgn(area, r.left, r.top, r.right, r.bottom);
    }
    Mark(w, area, flags);
  }
  if (flags & RDW_UPDATENOW) UpdateNow(w, flags, false);
  else if ((flags & RDW_ERASENOW) && FindWindowRec(hwnd)) UpdateNow(w, flags, true);
}

void InvalidateParentArea(TWindow* parent, const RECT& area) {
  if (!parent || parent == State().Desktop) return;
  RedrawRec(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool PeekPaint(MSG* msg, HWND filter, UINT min, UINT max) {
  if (!PassesFilter(nullptr, WM_PAINT, nullptr, min, max)) return false;
  if (filter == reinterpret_cast<HWND>(-1)) return false;
  for (TWindow* top : DesktopRec()->Children) {
    TWindow* w = FindPaintable(top, filter);
    if (!w) continue;
    *msg = MSG{};
    msg->hwnd = w->Handle;
    msg->message = WM_PAINT;
    msg->time = QueueTickCount();
    msg->pt = CursorPosition();
    return true;
  }
  return false;
}

void SyncSurface(TWindow* w) {
  if (!IsTopLevel(w)) {
    w->Surface.reset();
    return;
  }
  int width = std::max<LONG>(0, w->Rect.right - w->Rect.left), height = std::max<LONG>(0, w->Rect.bottom - w->Rect.top);
  if (!w->Surface) {
    w->Surface = std::make_unique<TGdiSurface>(width, height);
  } else if (w->Surface->Width() != width || w->Surface->Height() != height) {
    // Resized in place, keeping what fits: device contexts taken on the window before (a paint
    // that moves or sizes its own window) go on drawing on the same surface.
    TGdiSurface& surface = *w->Surface;
    int cw = std::min(width, surface.Width()), ch = std::min(height, surface.Height());
    std::vector<uint32_t> kept(static_cast<size_t>(cw) * ch);
    for (int y = 0; y < ch; ++y) std::copy(surface.Scanline(y), surface.Scanline(y) + cw, kept.data() + y * cw);
    surface.Resize(width, height);
    for (int y = 0; y < ch; ++y) std::copy(kept.data() + y * cw, kept.data() + (y + 1) * cw, surface.Scanline(y));
  }
  RECT screen{w->Rect.left, w->Rect.top, w->Rect.right, w->Rect.bottom};
  Backend().WindowMoved(w->Handle, screen);
  Backend().WindowShown(w->Handle, (w->Style & WinManage::WS_VISIBLE) != 0);
}

void ResetPaintState() {
  Paint().DCs.clear();
  Paint().Locked = nullptr;
}

}  // namespace WinInternals
