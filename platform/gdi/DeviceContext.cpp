// Device contexts: creation (memory, surface and screen), saved states, origins, extents and mapping
// modes, device capabilities and the mapping of logical coordinates to device pixels.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "GdiDraw.h"
#include "WinUserDraw.h"

namespace GdiObjects {

TGdiSurface* TDCObj::Target() const {
  if (DCKind == dkMemory) return S.Bitmap ? &S.Bitmap->Pixels : nullptr;
  return Surface;
}

std::shared_ptr<const TPixelRegion> TDCObj::SharedEffectiveClip() const {
  TGdiSurface* t = Target();
  TClipCache& c = FClipCache;
  if (c.Region && c.Target == t && (!t || (c.Width == t->Width() && c.Height == t->Height())) &&
      c.Origin.x == Origin.x && c.Origin.y == Origin.y && c.Visible == Visible && c.Clip == S.Clip)
    return c.Region;
  TPixelRegion r;
  if (t) {
    r = TPixelRegion(RECT{-Origin.x, -Origin.y, t->Width() - Origin.x, t->Height() - Origin.y});
    if (Visible) r = TPixelRegion::Combine(r, *Visible, roAnd);
    if (S.Clip) r = TPixelRegion::Combine(r, *S.Clip, roAnd);
  }
  c.Region = std::make_shared<const TPixelRegion>(std::move(r));
  c.Target = t;
  c.Width = t ? t->Width() : 0;
  c.Height = t ? t->Height() : 0;
  c.Origin = Origin;
  c.Visible = Visible;
  c.Clip = S.Clip;
  return c.Region;
}

}  // namespace GdiObjects

namespace GdiDraw {

namespace {

// Rounds a scaled coordinate half away from zero, as the system's mapping does.
int ScaleRound(long long v, long long num, long long den) {
  if (den == 0) return static_cast<int>(v);
  long long p = v * num;
  long long q = p / den, r = p % den;
  if (2 * std::llabs(r) >= std::llabs(den)) q += ((p < 0) != (den < 0)) ? -1 : 1;
  return static_cast<int>(q);
}

bool Scaled(const TDCState& s) { return s.MapMode != MM_TEXT; }

}  // namespace

POINT ToDevice(const TDCState& s, POINT p) {
  if (!Scaled(s)) return POINT{p.x - s.WindowOrg.x + s.ViewportOrg.x, p.y - s.WindowOrg.y + s.ViewportOrg.y};
  return POINT{ScaleRound(p.x - s.WindowOrg.x, s.ViewportExt.cx, s.WindowExt.cx) + s.ViewportOrg.x,
               ScaleRound(p.y - s.WindowOrg.y, s.ViewportExt.cy, s.WindowExt.cy) + s.ViewportOrg.y};
}

POINT ToLogical(const TDCState& s, POINT p) {
  if (!Scaled(s)) return POINT{p.x - s.ViewportOrg.x + s.WindowOrg.x, p.y - s.ViewportOrg.y + s.WindowOrg.y};
  return POINT{ScaleRound(p.x - s.ViewportOrg.x, s.WindowExt.cx, s.ViewportExt.cx) + s.WindowOrg.x,
               ScaleRound(p.y - s.ViewportOrg.y, s.WindowExt.cy, s.ViewportExt.cy) + s.WindowOrg.y};
}

RECT ToDeviceRect(const TDCState& s, const RECT& r) {
  POINT a = ToDevice(s, POINT{r.left, r.top}), b = ToDevice(s, POINT{r.right, r.bottom});
  return RECT{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

int ToDeviceWidth(const TDCState& s, int w) {
  if (!Scaled(s)) return w;
  return std::abs(ScaleRound(w, s.ViewportExt.cx, s.WindowExt.cx));
}

bool Mirrored(const TDCState& s) {
  return Scaled(s) && ((s.ViewportExt.cx < 0) != (s.WindowExt.cx < 0));
}

uint32_t ColorPixel(const TDCObj* dc, COLORREF color) {
  // A palette index reads the DC's palette; the palette-relative RGB form is the RGB itself.
  if ((color >> 24) == 1) {
    const TPaletteObj* pal = dc && dc->S.Palette ? dc->S.Palette : StockPalette();
    size_t i = color & 0xFFFF;
    const PALETTEENTRY& e = pal->Entries.empty() ? PALETTEENTRY{} : pal->Entries[i < pal->Entries.size() ? i : 0];
    color = RGB(e.peRed, e.peGreen, e.peBlue);
  }
  uint32_t p = ColorToPixel(color & 0x00FFFFFF);
  return dc && dc->Mono() ? SnapMono(p) : p;
}

COLORREF BrushColor(const TDCObj* dc, const TBrushObj* b) {
  if (b->DCBrush) return dc->S.DCBrushColor;
  if (b->SysColor >= 0) return GetSysColor(b->SysColor);
  return b->Color;
}

COLORREF PenColor(const TDCObj* dc, const TPenObj* p) { return p->DCPen ? dc->S.DCPenColor : p->Color; }

TBrushSource SolidSource(const TDCObj* dc, COLORREF color) {
  TBrushSource s;
  s.Kind = TBrushSource::bkSolid;
  s.Color = ColorPixel(dc, color);
  return s;
}

TBrushSource BrushSource(const TDCObj* dc, const TBrushObj* b) {
  TBrushSource s;
  if (!b || b->Style == BS_NULL) return s;
  s.Origin = dc->S.BrushOrg;
  switch (b->Style) {
    case BS_HATCHED:
      s.Kind = TBrushSource::bkPattern;
      s.Pattern = &HatchTile(b->Hatch);
      s.PatternMono = true;
      s.Fore = ColorPixel(dc, BrushColor(dc, b));
      s.Back = ColorPixel(dc, dc->S.BkColor);
      s.TransparentBack = dc->S.BkMode == TRANSPARENT;
      return s;
    case BS_PATTERN:
    case BS_DIBPATTERN:
    case BS_DIBPATTERNPT:
    case BS_PATTERN8X8:
      if (!b->Pattern || b->Pattern->Width() == 0 || b->Pattern->Height() == 0) return s;
      s.Kind = TBrushSource::bkPattern;
      s.Pattern = b->Pattern.get();
      s.PatternMono = b->PatternMono;
      // A monochrome pattern takes the DC's colours: black bits the text colour, white bits the background.
      s.Fore = ColorPixel(dc, dc->S.TextColor);
      s.Back = ColorPixel(dc, dc->S.BkColor);
      if (dc->Mono() && !b->PatternMono) s.PatternMono = false;
      return s;
    default:
      return SolidSource(dc, BrushColor(dc, b));
  }
}

TPaintContext::TPaintContext(TDCObj* dc) : FDC(dc) {
  if (!dc) return;
  TGdiSurface* t = dc->Target();
  if (!t) return;
  if (dc->S.Bitmap) dc->S.Bitmap->PullDibBits();
  FClip = dc->SharedEffectiveClip();
  FTarget.Surface = t;
  FTarget.Origin = dc->Origin;
  FTarget.Clip = FClip.get();
  FTarget.Mono = dc->Mono();
}

TPaintContext::~TPaintContext() {
  if (FDC && FTarget.Surface && FDC->DCKind == TDCObj::dkMemory && FDC->S.Bitmap) FDC->S.Bitmap->PushDibBits();
}

}  // namespace GdiDraw

namespace {

TDCObj* NewDC(TDCObj::TDCKind kind) {
  auto* d = new TDCObj();
  d->DCKind = kind;
  d->S.Pen = static_cast<TPenObj*>(Stock(BLACK_PEN));
  d->S.Brush = static_cast<TBrushObj*>(Stock(WHITE_BRUSH));
  d->S.Font = static_cast<TFontObj*>(Stock(SYSTEM_FONT));
  d->S.Palette = StockPalette();
  if (kind == TDCObj::dkMemory) d->S.Bitmap = StockBitmap();
  UseState(d->S);
  Register(d);
  return d;
}

// After the states of a DC changed, a bitmap belongs to the DC while any of its states holds it.
void ReleaseBitmapIfUnused(TDCObj* d, TBitmapObj* b) {
  if (!b || b->Stock || b->SelectedIn != d) return;
  bool used = d->S.Bitmap == b;
  for (const TDCState& s : d->Saved) used |= s.Bitmap == b;
  if (!used) b->SelectedIn = nullptr;
}

TGdiSurface* gScreen = nullptr;

template <class T>
BOOL SetPair(HDC dc, T TDCState::*field, LONG x, LONG y, T* old) {
  TDCObj* d = DCOf(dc);
  if (!d) return FALSE;
  if (old) *old = d->S.*field;
  (d->S.*field) = T{x, y};
  return TRUE;
}

template <class T>
BOOL GetPair(HDC dc, T TDCState::*field, T* out) {
  TDCObj* d = DCOf(dc);
  if (!d || !out) return FALSE;
  *out = d->S.*field;
  return TRUE;
}

}  // namespace

namespace GdiSurface {

HDC CreateSurfaceDC(TGdiSurface* surface, POINT origin, HRGN visible) {
  if (!surface) return nullptr;
  TDCObj* d = NewDC(TDCObj::dkSurface);
  d->Surface = surface;
  d->Origin = origin;
  if (TRegionObj* r = RgnOf(visible)) d->Visible = r->Rgn;
  return reinterpret_cast<HDC>(d);
}

BOOL SetSurfaceDCVisibleRegion(HDC dc, HRGN visible) {
  TDCObj* d = DCOf(dc);
  if (!d || d->DCKind == TDCObj::dkMemory) return FALSE;
  if (TRegionObj* r = RgnOf(visible)) d->Visible = r->Rgn;
  else d->Visible.reset();
  return TRUE;
}

BOOL SetSurfaceDCOrigin(HDC dc, POINT origin) {
  TDCObj* d = DCOf(dc);
  if (!d || d->DCKind == TDCObj::dkMemory) return FALSE;
  d->Origin = origin;
  return TRUE;
}

TGdiSurface* GetDCSurface(HDC dc) {
  TDCObj* d = DCOf(dc);
  return d ? d->Target() : nullptr;
}

namespace {

bool DrawsTrueColor(const TDCObj* d) {
  return d && d->Target() && !d->Mono() && !(d->S.Bitmap && d->S.Bitmap->Dib && d->S.Bitmap->Bpp != 32);
}

}  // namespace

bool DCDrawsTrueColor(HDC dc) { return DrawsTrueColor(DCOf(dc)); }

BOOL PaintPixelRuns(HDC dc, const RECT& rect, TPixelRunPaint paint, void* context) {
  TDCObj* d = DCOf(dc);
  if (!DrawsTrueColor(d) || d->S.MapMode != MM_TEXT || d->S.Layout != 0) return FALSE;
  TPaintContext pc(d);
  if (!pc.Ok()) return FALSE;
  const POINT origin = ToDevice(d->S, POINT{rect.left, rect.top});
  const RECT area{origin.x, origin.y, origin.x + (rect.right - rect.left), origin.y + (rect.bottom - rect.top)};
  const TPaintTarget& t = pc.Target();
  pc.Clip().ForEachRectWithin(area, [&](const RECT& r) {
    for (int y = r.top; y < r.bottom; ++y)
      paint(context, t.Surface->Scanline(y + t.Origin.y) + t.Origin.x + r.left, r.left - origin.x, y - origin.y,
            r.right - r.left);
  });
  return TRUE;
}

void SetScreenSurface(TGdiSurface* surface) { gScreen = surface; }

TGdiSurface* GetScreenSurface() {
  if (gScreen) return gScreen;
  static TGdiSurface* own = new TGdiSurface(1280, 1024);
  return own;
}

}  // namespace GdiSurface

namespace WinGdi {

HDC CreateCompatibleDC(HDC dc) {
  if (dc && !DCOf(dc)) return nullptr;
  return reinterpret_cast<HDC>(NewDC(TDCObj::dkMemory));
}

HDC CreateDCA(LPCSTR driver, LPCSTR device, LPCSTR output, const void* initData) {
  const char* name = driver ? driver : device;
  if (!name || (std::strcmp(name, "DISPLAY") != 0 && std::strcmp(name, "\\\\.\\DISPLAY1") != 0)) return nullptr;
  TDCObj* d = NewDC(TDCObj::dkScreen);
  d->Surface = GetScreenSurface();
  return reinterpret_cast<HDC>(d);
}

BOOL DeleteDC(HDC dc) {
  TDCObj* d = DCOf(dc);
  if (!d) return FALSE;
  UnuseState(d->S);
  for (const TDCState& s : d->Saved) UnuseState(s);
  auto release = [d](TBitmapObj* b) {
    if (b && b->SelectedIn == d) b->SelectedIn = nullptr;
  };
  release(d->S.Bitmap);
  for (const TDCState& s : d->Saved) release(s.Bitmap);
  Destroy(d);
  return TRUE;
}

int SaveDC(HDC dc) {
  TDCObj* d = DCOf(dc);
  if (!d) return 0;
  d->Saved.push_back(d->S);
  UseState(d->S);
  return static_cast<int>(d->Saved.size());
}

BOOL RestoreDC(HDC dc, int saved) {
  TDCObj* d = DCOf(dc);
  if (!d) return FALSE;
  int depth = static_cast<int>(d->Saved.size());
  int level = saved < 0 ? depth + saved + 1 : saved;
  if (level < 1 || level > depth) return FALSE;
  TBitmapObj* before = d->S.Bitmap;
  std::vector<TBitmapObj*> dropped{before};
  while (static_cast<int>(d->Saved.size()) > level) {
    dropped.push_back(d->Saved.back().Bitmap);
    UnuseState(d->Saved.back());
    d->Saved.pop_back();
  }
  UnuseState(d->S);
  d->S = std::move(d->Saved.back());
  d->Saved.pop_back();
  if (d->S.Bitmap && !d->S.Bitmap->Stock) d->S.Bitmap->SelectedIn = d;
  for (TBitmapObj* b : dropped) ReleaseBitmapIfUnused(d, b);
  return TRUE;
}

int GetDeviceCaps(HDC dc, int index) {
  if (!DCOf(dc)) return 0;
  switch (index) {
    case DRIVERVERSION: return 0x4000;
    case TECHNOLOGY: return DT_RASDISPLAY;
    case HORZRES: case DESKTOPHORZRES: return GetScreenSurface()->Width();
    case VERTRES: case DESKTOPVERTRES: return GetScreenSurface()->Height();
    case HORZSIZE: return GetScreenSurface()->Width() * 254 / 960;
    case VERTSIZE: return GetScreenSurface()->Height() * 254 / 960;
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case NUMBRUSHES: case NUMPENS: case NUMCOLORS: return -1;
    case NUMFONTS: return 0;
    case RASTERCAPS: return RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT | RC_STRETCHDIB;
    case LOGPIXELSX: case LOGPIXELSY: return 96;
    case SIZEPALETTE: case NUMRESERVED: return 0;
    case COLORRES: return 24;
    case SHADEBLENDCAPS: return 0x33;  // constant and per-pixel alpha, rectangle and triangle gradients
    default: return 0;
  }
}

BOOL GetDCOrgEx(HDC dc, POINT* point) {
  TDCObj* d = DCOf(dc);
  if (!d || !point) return FALSE;
  *point = d->Origin;
  return TRUE;
}

COLORREF GetNearestColor(HDC dc, COLORREF color) {
  TDCObj* d = DCOf(dc);
  if (!d) return CLR_INVALID;
  return PixelToColor(ColorPixel(d, color));
}

BOOL GdiFlush() { return TRUE; }

#define AT_DC_ATTRIBUTE(Type, Set, Get, field, invalid) \
  Type Set(HDC dc, Type value) {                          \
    TDCObj* d = DCOf(dc);                                 \
    if (!d) return invalid;                               \
    return std::exchange(d->S.field, value);              \
  }                                                       \
  Type Get(HDC dc) {                                      \
    TDCObj* d = DCOf(dc);                                 \
    return d ? d->S.field : invalid;                      \
  }
AT_DC_ATTRIBUTE(COLORREF, SetBkColor, GetBkColor, BkColor, CLR_INVALID)
AT_DC_ATTRIBUTE(COLORREF, SetTextColor, GetTextColor, TextColor, CLR_INVALID)
AT_DC_ATTRIBUTE(UINT, SetTextAlign, GetTextAlign, TextAlign, 0xFFFFFFFF)
AT_DC_ATTRIBUTE(DWORD, SetLayout, GetLayout, Layout, 0xFFFFFFFF)
#undef AT_DC_ATTRIBUTE

// Attributes with a range: a value outside it is refused and answers 0.
#define AT_DC_MODE(Set, Get, field, lo, hi)                     \
  int Set(HDC dc, int value) {                                  \
    TDCObj* d = DCOf(dc);                                       \
    if (!d || value < (lo) || value > (hi)) return 0;           \
    return std::exchange(d->S.field, value);                    \
  }                                                             \
  int Get(HDC dc) {                                             \
    TDCObj* d = DCOf(dc);                                       \
    return d ? d->S.field : 0;                                  \
  }
AT_DC_MODE(SetBkMode, GetBkMode, BkMode, TRANSPARENT, OPAQUE)
AT_DC_MODE(SetROP2, GetROP2, Rop2, R2_BLACK, R2_WHITE)
AT_DC_MODE(SetPolyFillMode, GetPolyFillMode, PolyFillMode, ALTERNATE, WINDING)
AT_DC_MODE(SetStretchBltMode, GetStretchBltMode, StretchMode, BLACKONWHITE, HALFTONE)
AT_DC_MODE(SetArcDirection, GetArcDirection, ArcDirection, AD_COUNTERCLOCKWISE, AD_CLOCKWISE)
#undef AT_DC_MODE

// Every mode but the two scalable ones has fixed extents; ours are one to one.
int SetMapMode(HDC dc, int mode) {
  TDCObj* d = DCOf(dc);
  if (!d || mode < MM_TEXT || mode > MM_ANISOTROPIC) return 0;
  if (mode != MM_ISOTROPIC && mode != MM_ANISOTROPIC) d->S.WindowExt = d->S.ViewportExt = SIZE{1, 1};
  return std::exchange(d->S.MapMode, mode);
}
int GetMapMode(HDC dc) {
  TDCObj* d = DCOf(dc);
  return d ? d->S.MapMode : 0;
}

int SetTextCharacterExtra(HDC dc, int extra) {
  TDCObj* d = DCOf(dc);
  if (!d) return static_cast<int>(0x80000000);
  return std::exchange(d->S.CharExtra, extra);
}
int GetTextCharacterExtra(HDC dc) {
  TDCObj* d = DCOf(dc);
  return d ? d->S.CharExtra : static_cast<int>(0x80000000);
}

BOOL SetTextJustification(HDC dc, int breakExtra, int breakCount) {
  TDCObj* d = DCOf(dc);
  if (!d) return FALSE;
  d->S.BreakExtra = breakCount > 0 ? breakExtra : 0;
  d->S.BreakCount = breakCount > 0 ? breakCount : 0;
  return TRUE;
}

BOOL SetBrushOrgEx(HDC dc, int x, int y, POINT* old) { return SetPair(dc, &TDCState::BrushOrg, x, y, old); }
BOOL GetBrushOrgEx(HDC dc, POINT* p) { return GetPair(dc, &TDCState::BrushOrg, p); }
BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* old) { return SetPair(dc, &TDCState::WindowOrg, x, y, old); }
BOOL GetWindowOrgEx(HDC dc, POINT* p) { return GetPair(dc, &TDCState::WindowOrg, p); }
BOOL SetViewportOrgEx(HDC dc, int x, int y, POINT* old) { return SetPair(dc, &TDCState::ViewportOrg, x, y, old); }
BOOL GetViewportOrgEx(HDC dc, POINT* p) { return GetPair(dc, &TDCState::ViewportOrg, p); }
BOOL GetWindowExtEx(HDC dc, SIZE* s) { return GetPair(dc, &TDCState::WindowExt, s); }
BOOL GetViewportExtEx(HDC dc, SIZE* s) { return GetPair(dc, &TDCState::ViewportExt, s); }

BOOL OffsetWindowOrgEx(HDC dc, int dx, int dy, POINT* old) {
  TDCObj* d = DCOf(dc);
  if (!d) return FALSE;
  return SetWindowOrgEx(dc, d->S.WindowOrg.x + dx, d->S.WindowOrg.y + dy, old);
}
BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* old) {
  TDCObj* d = DCOf(dc);
  if (!d) return FALSE;
  return SetViewportOrgEx(dc, d->S.ViewportOrg.x + dx, d->S.ViewportOrg.y + dy, old);
}

// Extents count only in the scalable modes; a zero extent would divide by zero and is refused.
BOOL SetWindowExtEx(HDC dc, int x, int y, SIZE* old) {
  TDCObj* d = DCOf(dc);
  if (!d || x == 0 || y == 0) return FALSE;
  if (old) *old = d->S.WindowExt;
  if (d->S.MapMode == MM_ISOTROPIC || d->S.MapMode == MM_ANISOTROPIC) d->S.WindowExt = SIZE{x, y};
  return TRUE;
}
BOOL SetViewportExtEx(HDC dc, int x, int y, SIZE* old) {
  TDCObj* d = DCOf(dc);
  if (!d || x == 0 || y == 0) return FALSE;
  if (old) *old = d->S.ViewportExt;
  if (d->S.MapMode == MM_ISOTROPIC || d->S.MapMode == MM_ANISOTROPIC) d->S.ViewportExt = SIZE{x, y};
  return TRUE;
}

BOOL LPtoDP(HDC dc, POINT* points, int count) {
  TDCObj* d = DCOf(dc);
  if (!d || (!points && count > 0)) return FALSE;
  for (int i = 0; i < count; ++i) points[i] = ToDevice(d->S, points[i]);
  return TRUE;
}
BOOL DPtoLP(HDC dc, POINT* points, int count) {
  TDCObj* d = DCOf(dc);
  if (!d || (!points && count > 0)) return FALSE;
  for (int i = 0; i < count; ++i) points[i] = ToLogical(d->S, points[i]);
  return TRUE;
}

}  // namespace WinGdi
