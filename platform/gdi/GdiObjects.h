// The graphics objects behind the handles, for the sources of this library: pens, brushes, fonts,
// bitmaps, regions and device contexts with their drawing state, and the table of live handles
// that lets every call refuse a stale or foreign handle instead of touching freed memory.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "GdiSurface.h"
#include "WinGdi.h"
#include "raster/RegionBands.h"

namespace GdiText {
class TFontInstance;
}

namespace GdiObjects {

// Objects of other services that share the handle table (never GDI objects to DeleteObject).
constexpr DWORD OBJ_IMAGELIST_ = 0x1001, OBJ_ICON_ = 0x1002;

struct TGdiObj {
  explicit TGdiObj(DWORD kind) : Kind(kind) {}
  virtual ~TGdiObj() = default;
  DWORD Kind;
  int Uses = 0;          // selections in device contexts (saved states included)
  bool Stock = false;    // never deleted
};

struct TPenObj : TGdiObj {
  TPenObj() : TGdiObj(OBJ_PEN) {}
  UINT Style = PS_SOLID;         // the whole style word (type, caps, joins and dash style)
  int Width = 1;
  COLORREF Color = 0;
  bool Extended = false;         // from ExtCreatePen: GetObject answers an EXTLOGPEN
  bool DCPen = false;            // the stock DC pen: its colour is the DC's pen colour
  UINT DashStyle() const { return Style & PS_STYLE_MASK; }
};

struct TBrushObj : TGdiObj {
  TBrushObj() : TGdiObj(OBJ_BRUSH) {}
  UINT Style = BS_SOLID;
  COLORREF Color = 0;
  int Hatch = 0;
  int SysColor = -1;             // a system-colour brush follows that colour
  bool DCBrush = false;          // the stock DC brush: its colour is the DC's brush colour
  std::unique_ptr<TGdiSurface> Pattern;
  bool PatternMono = false;
  HBITMAP PatternHandle = nullptr;  // what GetObject reports as lbHatch
};

struct TFontObj : TGdiObj {
  TFontObj() : TGdiObj(OBJ_FONT) {}
  LOGFONTA Log;
  std::shared_ptr<GdiText::TFontInstance> Instance;  // realised on first use
};

struct TDCObj;
struct TBitmapObj : TGdiObj {
  TBitmapObj() : TGdiObj(OBJ_BITMAP) {}
  TGdiSurface Pixels;
  int Bpp = 32;                  // 1 for monochrome bitmaps
  bool Dib = false;
  bool DibTopDown = false;
  std::vector<RGBQUAD> Palette;  // DIB sections of 1, 4 and 8 bits
  std::vector<uint8_t> DibBits;  // the caller's view of a DIB section of fewer than 32 bits
  TDCObj* SelectedIn = nullptr;
  int WidthBytes() const;        // bytes of a row in the bitmap's own format
  // A DIB section of fewer than 32 bits keeps the caller's bits and the pixels in step.
  void PullDibBits();
  void PushDibBits();
};

struct TPaletteObj : TGdiObj {
  TPaletteObj() : TGdiObj(OBJ_PAL) {}
  std::vector<PALETTEENTRY> Entries;
};

struct TRegionObj : TGdiObj {
  TRegionObj() : TGdiObj(OBJ_REGION) {}
  TPixelRegion Rgn;
};

// A path under construction or closed, in device coordinates.
struct TPath {
  enum TState { psNone, psOpen, psClosed };
  TState State = psNone;
  std::vector<POINT> Points;
  std::vector<BYTE> Types;
};

struct TDCState {
  TPenObj* Pen = nullptr;
  TBrushObj* Brush = nullptr;
  TFontObj* Font = nullptr;
  TBitmapObj* Bitmap = nullptr;  // memory DCs
  TPaletteObj* Palette = nullptr;
  COLORREF BkColor = 0x00FFFFFF;
  COLORREF TextColor = 0;
  COLORREF DCBrushColor = 0x00FFFFFF;
  COLORREF DCPenColor = 0;
  int BkMode = OPAQUE;
  int Rop2 = R2_COPYPEN;
  int PolyFillMode = ALTERNATE;
  int StretchMode = BLACKONWHITE;
  int ArcDirection = AD_COUNTERCLOCKWISE;
  UINT TextAlign = TA_LEFT | TA_TOP;
  int CharExtra = 0;
  int BreakExtra = 0;
  int BreakCount = 0;
  DWORD Layout = 0;
  POINT BrushOrg;
  POINT CurPos;
  int MapMode = MM_TEXT;
  POINT WindowOrg;
  POINT ViewportOrg;
  SIZE WindowExt{1, 1};
  SIZE ViewportExt{1, 1};
  std::optional<TPixelRegion> Clip;  // device coordinates
  TPath Path;
};

struct TDCObj : TGdiObj {
  enum TDCKind { dkMemory, dkSurface, dkScreen };
  TDCObj() : TGdiObj(OBJ_DC) {}
  TDCKind DCKind = dkMemory;
  TGdiSurface* Surface = nullptr;      // surface and screen DCs
  POINT Origin;                        // device (0, 0) on the surface
  std::optional<TPixelRegion> Visible; // the system clip, device coordinates
  TDCState S;
  std::vector<TDCState> Saved;

  TGdiSurface* Target() const;         // the pixels drawn on
  bool Mono() const { return DCKind == dkMemory && S.Bitmap && S.Bitmap->Bpp == 1; }
  // The pixels drawing may touch: surface bounds, system clip and clip region, in device coordinates.
  TPixelRegion EffectiveClip() const { return *SharedEffectiveClip(); }
  // The same region, worked out again only when what it comes from changed since the last call
  // (the drawing calls ask it once each).
  std::shared_ptr<const TPixelRegion> SharedEffectiveClip() const;

 private:
  struct TClipCache {
    std::shared_ptr<const TPixelRegion> Region;
    const TGdiSurface* Target = nullptr;
    int Width = 0, Height = 0;
    POINT Origin;
    std::optional<TPixelRegion> Visible;
    std::optional<TPixelRegion> Clip;
  };
  mutable TClipCache FClipCache;
};

// ---- The handle table -------------------------------------------------------------------------------
HGDIOBJ Register(TGdiObj* obj);          // takes ownership
bool IsLive(const void* handle);
TGdiObj* Lookup(const void* handle);     // null for a handle that is not live
template <class T>
T* LookupAs(const void* handle, DWORD kind) {
  TGdiObj* o = Lookup(handle);
  return o && o->Kind == kind ? static_cast<T*>(o) : nullptr;
}
inline TDCObj* DCOf(HDC dc) { return LookupAs<TDCObj>(dc, OBJ_DC); }
inline TRegionObj* RgnOf(HRGN rgn) { return LookupAs<TRegionObj>(rgn, OBJ_REGION); }
inline TBitmapObj* BitmapOf(HBITMAP b) { return LookupAs<TBitmapObj>(b, OBJ_BITMAP); }
TBrushObj* BrushOf(HBRUSH brush);        // also the system-colour brush convention (index + 1)
void Destroy(TGdiObj* obj);              // removes from the table and frees

// Reference counting of selections, so that a selected object is never freed under a DC.
void Use(TGdiObj* obj);
void Unuse(TGdiObj* obj);
void UseState(const TDCState& s);
void UnuseState(const TDCState& s);

// The stock objects, created once.
TGdiObj* Stock(int index);
TBitmapObj* StockBitmap();               // the 1 x 1 monochrome bitmap of a new memory DC
TPaletteObj* StockPalette();             // the default palette: the twenty static colours

}  // namespace GdiObjects

using namespace GdiObjects;
