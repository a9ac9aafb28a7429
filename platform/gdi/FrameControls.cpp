// Frame controls in the classic look, drawn by the layer itself: push buttons, check boxes, radio
// images and masks, scroll arrows, combo-box buttons, size grips, caption buttons and menu glyphs;
// and the system's check-box strip bitmap.
#include <algorithm>
#include <cmath>

#include "GdiDraw.h"
#include "WinUserDraw.h"
#include "raster/ShapeSpans.h"

namespace {

using TSpans = std::vector<TSpan>;

void Paint(const TPaintContext& pc, TDCObj* d, TSpans spans, COLORREF c) {
  FillSpans(pc.Target(), std::move(spans), SolidSource(d, c), R2_COPYPEN);
}
void PaintSys(const TPaintContext& pc, TDCObj* d, const RECT& r, int sys) {
  FillRect(pc.Target(), r, SolidSource(d, GetSysColor(sys)), R2_COPYPEN);
}
TSpans Offset(TSpans s, int dx, int dy) {
  for (TSpan& p : s) p = TSpan{p.Y + dy, p.X0 + dx, p.X1 + dx};
  return s;
}

// A glyph in the button-text colour, or engraved (highlight under shadow) when inactive.
void Glyph(const TPaintContext& pc, TDCObj* d, const TSpans& g, UINT state, int ink = COLOR_BTNTEXT) {
  if (state & DFCS_INACTIVE) {
    Paint(pc, d, Offset(g, 1, 1), GetSysColor(COLOR_BTNHIGHLIGHT));
    Paint(pc, d, g, GetSysColor(COLOR_BTNSHADOW));
  } else {
    Paint(pc, d, g, GetSysColor(ink));
  }
}

// The check mark: seven columns three pixels tall, dipping to the third column.
TSpans CheckMark(int x, int y) {
  static const int top[7] = {2, 3, 4, 3, 2, 1, 0};
  TSpans s;
  for (int i = 0; i < 7; ++i)
    for (int k = 0; k < 3; ++k) s.push_back({y + top[i] + k, x + i, x + i + 1});
  return s;
}

// A triangle pointing in direction dir (0 up, 1 down, 2 left, 3 right), centred in r.
TSpans Arrow(const RECT& r, int dir) {
  int w = r.right - r.left, h = r.bottom - r.top;
  int n = std::max(1, (std::min(w, h) - 1) / 4);  // rows of the triangle
  int cx = r.left + (w - 1) / 2, cy = r.top + (h - 1) / 2;
  TSpans s;
  for (int i = 0; i < n; ++i) {
    int half = (dir == 0 || dir == 2) ? i : n - 1 - i;
    int along = i - n / 2;
    if (dir <= 1) s.push_back({cy + along, cx - half, cx + half + 1});
    else
      for (int k = -half; k <= half; ++k) s.push_back({cy + k, cx + along, cx + along + 1});
  }
  return s;
}

void ButtonFace(const TPaintContext& pc, HDC dc, TDCObj* d, RECT r, UINT state) {
  UINT edge = (state & (DFCS_PUSHED | DFCS_CHECKED)) ? EDGE_SUNKEN : EDGE_RAISED;
  UINT flags = BF_RECT | BF_MIDDLE | BF_SOFT;
  if (state & DFCS_FLAT) flags = BF_RECT | BF_MIDDLE | BF_FLAT;
  if (state & DFCS_MONO) flags = BF_RECT | BF_MIDDLE | BF_MONO;
  RECT logical = r;
  POINT a = ToLogical(d->S, POINT{r.left, r.top}), b = ToLogical(d->S, POINT{r.right, r.bottom});
  logical = RECT{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
  if ((state & (DFCS_PUSHED)) && !(state & (DFCS_FLAT | DFCS_MONO))) {
    // A pushed classic button: a dark frame round a flat shadow.
    FrameRect(dc, &logical, GetSysColorBrush(COLOR_3DDKSHADOW));
    InflateRect(&logical, -1, -1);
    DrawEdge(dc, &logical, BDR_SUNKENOUTER, BF_RECT | BF_MIDDLE | BF_FLAT);
    return;
  }
  DrawEdge(dc, &logical, edge, flags);
}

// The square of a check box, frame and interior, with its state's mark.
void CheckBox(const TPaintContext& pc, HDC dc, TDCObj* d, RECT r, UINT state) {
  int size = std::min(r.right - r.left, r.bottom - r.top);
  RECT box{r.left + (r.right - r.left - size) / 2, r.top + (r.bottom - r.top - size) / 2, 0, 0};
  box.right = box.left + size;
  box.bottom = box.top + size;
  bool flat = state & (DFCS_FLAT | DFCS_MONO);
  int border = flat ? 1 : 2;
  if (flat) {
    Paint(pc, d, RoundRectOutline(box, 0, 0), GetSysColor((state & DFCS_MONO) ? COLOR_WINDOWFRAME : COLOR_BTNSHADOW));
  } else {
    RECT l = box;
    POINT a = ToLogical(d->S, POINT{l.left, l.top}), b = ToLogical(d->S, POINT{l.right, l.bottom});
    RECT logical{a.x, a.y, b.x, b.y};
    DrawEdge(dc, &logical, EDGE_SUNKEN, BF_RECT);
  }
  RECT inner{box.left + border, box.top + border, box.right - border, box.bottom - border};
  bool three = (state & 0x1F) == DFCS_BUTTON3STATE;
  int fill = (state & (DFCS_PUSHED | DFCS_INACTIVE)) || (three && (state & DFCS_CHECKED)) ? COLOR_BTNFACE : COLOR_WINDOW;
  PaintSys(pc, d, inner, fill);
  if (state & DFCS_CHECKED) {
    int ink = three || (state & DFCS_INACTIVE) ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT;
    int iw = inner.right - inner.left, ih = inner.bottom - inner.top;
    Paint(pc, d, CheckMark(inner.left + (iw - 7) / 2, inner.top + (ih - 7) / 2), GetSysColor(ink));
  }
}

// A radio image: a two-ring circle lit from the top left, or its mask (black inside, white outside).
void Radio(const TPaintContext& pc, TDCObj* d, RECT r, UINT state, bool mask) {
  int size = std::min(r.right - r.left, r.bottom - r.top);
  RECT box{r.left + (r.right - r.left - size) / 2, r.top + (r.bottom - r.top - size) / 2, 0, 0};
  box.right = box.left + size;
  box.bottom = box.top + size;
  if (mask) {
    FillRect(pc.Target(), r, SolidSource(d, RGB(255, 255, 255)), R2_COPYPEN);
    Paint(pc, d, RoundRectSpans(box, size, size), 0);
    return;
  }
  auto disc = [](const RECT& b) {
    int s = b.right - b.left;
    return TPixelRegion::FromSpans(RoundRectSpans(b, s, s));
  };
  auto inset = [](RECT b, int k) { return RECT{b.left + k, b.top + k, b.right - k, b.bottom - k}; };
  double c2 = (box.left + box.right - 1) + (box.top + box.bottom - 1) / 1.0;  // x + y of the centre, doubled
  auto ring = [&](int k, int topLeft, int bottomRight) {
    TPixelRegion rg = TPixelRegion::Combine(disc(inset(box, k)), disc(inset(box, k + 1)), roDiff);
    TSpans tl, br;
    for (const RECT& rc : rg.Rects())
      for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x) (2 * (x + y) < c2 ? tl : br).push_back({y, x, x + 1});
    Paint(pc, d, tl, GetSysColor(topLeft));
    Paint(pc, d, br, GetSysColor(bottomRight));
  };
  bool flat = state & (DFCS_FLAT | DFCS_MONO);
  if (flat) {
    ring(0, COLOR_BTNSHADOW, COLOR_BTNSHADOW);
  } else {
    ring(0, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
    ring(1, COLOR_3DDKSHADOW, COLOR_3DLIGHT);
  }
  int in = flat ? 1 : 2;
  RECT interior = inset(box, in);
  Paint(pc, d, RoundRectSpans(interior, interior.right - interior.left, interior.bottom - interior.top),
        GetSysColor((state & (DFCS_PUSHED | DFCS_INACTIVE)) ? COLOR_BTNFACE : COLOR_WINDOW));
  if (state & DFCS_CHECKED) {
    int dot = std::max(2, size / 3);
    RECT db{box.left + (size - dot) / 2, box.top + (size - dot) / 2, 0, 0};
    db.right = db.left + dot;
    db.bottom = db.top + dot;
    Paint(pc, d, RoundRectSpans(db, dot, dot),
          GetSysColor((state & DFCS_INACTIVE) ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT));
  }
}

// The glyphs of caption buttons, scaled to the button.
TSpans CaptionGlyph(const RECT& r, UINT kind) {
  int w = r.right - r.left, h = r.bottom - r.top;
  int s = std::max(4, std::min(w, h) - 6);
  int x0 = r.left + (w - s) / 2, y0 = r.top + (h - s) / 2;
  TSpans g;
  auto box = [&](int l, int t, int rr, int b, int thick) {
    RECT o{l, t, rr, b};
    for (const TSpan& sp : RoundRectOutline(o, 0, 0)) g.push_back(sp);
    for (int k = 1; k < thick; ++k) g.push_back({t + k, l, rr});
  };
  switch (kind) {
    case DFCS_CAPTIONCLOSE:
      for (int i = 0; i < s; ++i) {
        g.push_back({y0 + i, x0 + i, x0 + i + 2});
        g.push_back({y0 + i, x0 + s - 2 - i, x0 + s - i});
      }
      break;
    case DFCS_CAPTIONMIN: g.push_back({y0 + s - 2, x0, x0 + s - 2}); g.push_back({y0 + s - 1, x0, x0 + s - 2}); break;
    case DFCS_CAPTIONMAX: box(x0, y0, x0 + s, y0 + s, 2); break;
    case DFCS_CAPTIONRESTORE: {
      int b = s * 2 / 3;
      box(x0 + s - b, y0, x0 + s, y0 + b, 2);
      box(x0, y0 + s - b, x0 + b, y0 + s, 2);
      break;
    }
    default: {  // help: a question mark built from strokes
      int cx = x0 + s / 2;
      g.push_back({y0, cx - 2, cx + 2});
      g.push_back({y0 + 1, cx - 3, cx - 1});
      g.push_back({y0 + 1, cx + 1, cx + 3});
      g.push_back({y0 + 2, cx + 1, cx + 3});
      g.push_back({y0 + 3, cx, cx + 2});
      g.push_back({y0 + 4, cx - 1, cx + 1});
      g.push_back({y0 + 5, cx - 1, cx + 1});
      g.push_back({y0 + s - 1, cx - 1, cx + 1});
      break;
    }
  }
  return g;
}

// The size grip: diagonal stripes of highlight and shadow in the bottom-right triangle.
void SizeGrip(const TPaintContext& pc, TDCObj* d, const RECT& r) {
  int size = std::min(r.right - r.left, r.bottom - r.top);
  TSpans light, dark;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      int k = (r.right - 1 - x) + (r.bottom - 1 - y);
      if (k >= size - 1 || k < 1) continue;
      int band = (k - 1) % 4;
      if (band == 0) light.push_back({y, x, x + 1});
      else if (band == 1 || band == 2) dark.push_back({y, x, x + 1});
    }
  Paint(pc, d, light, GetSysColor(COLOR_BTNHIGHLIGHT));
  Paint(pc, d, dark, GetSysColor(COLOR_BTNSHADOW));
}

}  // namespace

namespace WinUserDraw {

BOOL DrawFrameControl(HDC dc, RECT* rect, UINT type, UINT state) {
  TDCObj* d = DCOf(dc);
  if (!d || !rect) return FALSE;
  TPaintContext pc(d);
  if (!pc.Ok()) return FALSE;
  RECT r = ToDeviceRect(d->S, *rect);
  UINT kind = state & 0xFF;
  switch (type) {
    case DFC_BUTTON:
      if (kind & DFCS_BUTTONPUSH) {
        ButtonFace(pc, dc, d, r, state);
        if (state & DFCS_ADJUSTRECT) InflateRect(rect, -2, -2);
      } else if (kind & (DFCS_BUTTONRADIOIMAGE | DFCS_BUTTONRADIOMASK | DFCS_BUTTONRADIO)) {
        Radio(pc, d, r, state, (kind & DFCS_BUTTONRADIOMASK) && !(kind & DFCS_BUTTONRADIOIMAGE));
      } else {
        CheckBox(pc, dc, d, r, state);
      }
      return TRUE;
    case DFC_SCROLL:
      if (kind & DFCS_SCROLLSIZEGRIP || kind & DFCS_SCROLLSIZEGRIPRIGHT) {
        PaintSys(pc, d, r, COLOR_BTNFACE);
        SizeGrip(pc, d, r);
        return TRUE;
      }
      {
        ButtonFace(pc, dc, d, r, state & ~DFCS_CHECKED);
        int dir = kind == DFCS_SCROLLCOMBOBOX ? 1 : static_cast<int>(kind & 3);
        int shift = (state & DFCS_PUSHED) ? 1 : 0;
        Glyph(pc, d, Offset(Arrow(r, dir), shift, shift), state);
      }
      return TRUE;
    case DFC_CAPTION: {
      ButtonFace(pc, dc, d, r, state);
      int shift = (state & DFCS_PUSHED) ? 1 : 0;
      Glyph(pc, d, Offset(CaptionGlyph(r, kind & 0xF), shift, shift), state);
      return TRUE;
    }
    case DFC_MENU:
    case DFC_POPUPMENU: {
      // Menu glyphs are masks: black on white.
      FillRect(pc.Target(), r, SolidSource(d, RGB(255, 255, 255)), R2_COPYPEN);
      int w = r.right - r.left, h = r.bottom - r.top;
      TSpans g;
      if (kind == DFCS_MENUCHECK) g = CheckMark(r.left + (w - 7) / 2, r.top + (h - 7) / 2);
      else if (kind == DFCS_MENUBULLET) {
        int s = std::max(2, std::min(w, h) / 3);
        RECT b{r.left + (w - s) / 2, r.top + (h - s) / 2, r.left + (w - s) / 2 + s, r.top + (h - s) / 2 + s};
        g = RoundRectSpans(b, s, s);
      } else {
        g = Arrow(r, kind == DFCS_MENUARROWRIGHT ? 2 : 3);
      }
      Paint(pc, d, g, 0);
      return TRUE;
    }
    default:
      return FALSE;
  }
}

HBITMAP LoadSystemBitmap(int id) {
  if (id != OBM_CHECKBOXES) return nullptr;
  // Rows: check boxes, radio buttons, three-state boxes; columns: normal, checked, pushed, pushed checked.
  const int cell = 13;
  HBITMAP bm = CreateBitmap(4 * cell, 3 * cell, 1, 32, nullptr);
  HDC mem = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(mem, bm);
  RECT all{0, 0, 4 * cell, 3 * cell};
  FillRect(mem, &all, GetSysColorBrush(COLOR_BTNFACE));
  const UINT rows[3] = {DFCS_BUTTONCHECK, DFCS_BUTTONRADIO, DFCS_BUTTON3STATE};
  const UINT cols[4] = {0, DFCS_CHECKED, DFCS_PUSHED, DFCS_PUSHED | DFCS_CHECKED};
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 4; ++col) {
      RECT r{col * cell, row * cell, col * cell + cell, row * cell + cell};
      DrawFrameControl(mem, &r, DFC_BUTTON, rows[row] | cols[col]);
    }
  SelectObject(mem, old);
  DeleteDC(mem);
  return bm;
}

}  // namespace WinUserDraw
