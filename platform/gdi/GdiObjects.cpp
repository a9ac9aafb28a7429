// The handle table, stock objects and the object calls (SelectObject, DeleteObject, GetObject).
#include "GdiObjects.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <unordered_set>
#include <utility>

#include "WinUserDraw.h"

namespace GdiObjects {

namespace {

std::mutex& TableLock() {
  static std::mutex m;
  return m;
}
std::unordered_set<const void*>& Table() {
  static auto* t = new std::unordered_set<const void*>();
  return *t;
}

TFontObj* MakeStockFont(LONG height, LONG weight, const char* face) {
  auto* f = new TFontObj();
  f->Log.lfHeight = height;
  f->Log.lfWeight = weight;
  f->Log.lfCharSet = DEFAULT_CHARSET;
  std::strncpy(f->Log.lfFaceName, face, LF_FACESIZE - 1);
  return f;
}

TGdiObj* MakeStock(int index) {
  auto pen = [](UINT style, COLORREF c) {
    auto* p = new TPenObj();
    p->Style = style;
    p->Color = c;
    return p;
  };
  auto brush = [](UINT style, COLORREF c) {
    auto* b = new TBrushObj();
    b->Style = style;
    b->Color = c;
    return b;
  };
  switch (index) {
    case WHITE_BRUSH: return brush(BS_SOLID, RGB(255, 255, 255));
    case LTGRAY_BRUSH: return brush(BS_SOLID, RGB(192, 192, 192));
    case GRAY_BRUSH: return brush(BS_SOLID, RGB(128, 128, 128));
    case DKGRAY_BRUSH: return brush(BS_SOLID, RGB(64, 64, 64));
    case BLACK_BRUSH: return brush(BS_SOLID, 0);
    case NULL_BRUSH: return brush(BS_NULL, 0);
    case WHITE_PEN: return pen(PS_SOLID, RGB(255, 255, 255));
    case BLACK_PEN: return pen(PS_SOLID, 0);
    case NULL_PEN: return pen(PS_NULL, 0);
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case SYSTEM_FIXED_FONT: return MakeStockFont(-13, FW_NORMAL, "Courier New");
    case ANSI_VAR_FONT: return MakeStockFont(-11, FW_NORMAL, "MS Sans Serif");
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT: return MakeStockFont(16, FW_NORMAL, "\xE5\xAE\x8B\xE4\xBD\x93");  // 宋体
    case DEFAULT_GUI_FONT: return MakeStockFont(-12, FW_NORMAL, "\xE5\xAE\x8B\xE4\xBD\x93");
    case DEFAULT_PALETTE: {
      static const BYTE colours[20][3] = {
          {0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
          {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, {192, 220, 192}, {166, 202, 240},
          {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0},
          {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};
      auto* p = new TPaletteObj();
      for (const auto& c : colours) p->Entries.push_back(PALETTEENTRY{c[0], c[1], c[2], 0});
      return p;
    }
    case DC_BRUSH: {
      auto* b = brush(BS_SOLID, RGB(255, 255, 255));
      b->DCBrush = true;
      return b;
    }
    case DC_PEN: {
      auto* p = pen(PS_SOLID, 0);
      p->DCPen = true;
      return p;
    }
    default: return nullptr;
  }
}

}  // namespace

HGDIOBJ Register(TGdiObj* obj) {
  std::lock_guard<std::mutex> lock(TableLock());
  Table().insert(obj);
  return obj;
}

bool IsLive(const void* handle) {
  if (!handle) return false;
  std::lock_guard<std::mutex> lock(TableLock());
  return Table().count(handle) != 0;
}

TGdiObj* Lookup(const void* handle) {
  return IsLive(handle) ? static_cast<TGdiObj*>(const_cast<void*>(handle)) : nullptr;
}

TBrushObj* BrushOf(HBRUSH brush) {
  auto v = reinterpret_cast<uintptr_t>(brush);
  if (v >= 1 && v <= static_cast<uintptr_t>(COLOR_ENDCOLORS) + 1)
    return LookupAs<TBrushObj>(GetSysColorBrush(static_cast<int>(v - 1)), OBJ_BRUSH);
  return LookupAs<TBrushObj>(brush, OBJ_BRUSH);
}

void Destroy(TGdiObj* obj) {
  {
    std::lock_guard<std::mutex> lock(TableLock());
    Table().erase(obj);
  }
  delete obj;
}

void Use(TGdiObj* obj) {
  if (obj) ++obj->Uses;
}
void Unuse(TGdiObj* obj) {
  if (obj) --obj->Uses;
}
void UseState(const TDCState& s) {
  Use(s.Palette);
  Use(s.Pen);
  Use(s.Brush);
  Use(s.Font);
  Use(s.Bitmap);
}
void UnuseState(const TDCState& s) {
  Unuse(s.Palette);
  Unuse(s.Pen);
  Unuse(s.Brush);
  Unuse(s.Font);
  Unuse(s.Bitmap);
}

TGdiObj* Stock(int index) {
  static TGdiObj** stock = [] {
    auto** s = new TGdiObj*[DC_PEN + 1];
    for (int i = 0; i <= DC_PEN; ++i) {
      s[i] = MakeStock(i);
      if (s[i]) {
        s[i]->Stock = true;
        Register(s[i]);
      }
    }
    return s;
  }();
  return index >= 0 && index <= DC_PEN ? stock[index] : nullptr;
}

TPaletteObj* StockPalette() { return static_cast<TPaletteObj*>(Stock(DEFAULT_PALETTE)); }

TBitmapObj* StockBitmap() {
  static TBitmapObj* b = [] {
    auto* bm = new TBitmapObj();
    bm->Stock = true;
    bm->Bpp = 1;
    bm->Pixels.Resize(1, 1);
    bm->Pixels.Fill(0x00FFFFFF);
    Register(bm);
    return bm;
  }();
  return b;
}

}  // namespace GdiObjects

namespace WinGdi {

HGDIOBJ GetStockObject(int index) { return Stock(index); }

DWORD GetObjectType(HGDIOBJ obj) {
  TGdiObj* o = Lookup(obj);
  if (!o || o->Kind > OBJ_EXTPEN) return 0;
  if (o->Kind == OBJ_DC) return static_cast<TDCObj*>(o)->DCKind == TDCObj::dkMemory ? OBJ_MEMDC : OBJ_DC;
  if (o->Kind == OBJ_PEN && static_cast<TPenObj*>(o)->Extended) return OBJ_EXTPEN;
  return o->Kind;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ obj) {
  TDCObj* d = DCOf(dc);
  TGdiObj* o = Lookup(obj);
  if (!d || !o) return nullptr;
  auto swap = [](auto*& slot, auto* next) -> HGDIOBJ {
    auto* old = slot;
    Use(next);
    Unuse(old);
    slot = next;
    return old;
  };
  switch (o->Kind) {
    case OBJ_PEN: return swap(d->S.Pen, static_cast<TPenObj*>(o));
    case OBJ_BRUSH: return swap(d->S.Brush, static_cast<TBrushObj*>(o));
    case OBJ_FONT: return swap(d->S.Font, static_cast<TFontObj*>(o));
    case OBJ_BITMAP: {
      auto* b = static_cast<TBitmapObj*>(o);
      if (d->DCKind != TDCObj::dkMemory) return nullptr;
      // A bitmap draws in one DC at a time; the stock bitmap may sit in any number of them.
      if (!b->Stock && b->SelectedIn && b->SelectedIn != d) return nullptr;
      TBitmapObj* old = d->S.Bitmap;
      if (old && old != b && !old->Stock) {
        bool stillUsed = false;
        for (const TDCState& s : d->Saved) stillUsed |= s.Bitmap == old;
        if (!stillUsed) old->SelectedIn = nullptr;
      }
      if (!b->Stock) b->SelectedIn = d;
      return swap(d->S.Bitmap, b);
    }
    case OBJ_REGION: {
      int r = SelectClipRgn(dc, static_cast<HRGN>(obj));
      return reinterpret_cast<HGDIOBJ>(static_cast<intptr_t>(r == ERROR ? -1 : r));
    }
    default: return nullptr;
  }
}

BOOL DeleteObject(HGDIOBJ obj) {
  TGdiObj* o = Lookup(obj);
  if (!o || o->Kind == OBJ_DC || o->Kind > OBJ_EXTPEN) return FALSE;  // DCs and non-GDI lists have their own calls
  if (o->Stock) return TRUE;
  if (o->Uses > 0) return FALSE;
  Destroy(o);
  return TRUE;
}

HGDIOBJ GetCurrentObject(HDC dc, UINT type) {
  TDCObj* d = DCOf(dc);
  if (!d) return nullptr;
  switch (type) {
    case OBJ_PEN: case OBJ_EXTPEN: return d->S.Pen;
    case OBJ_BRUSH: return d->S.Brush;
    case OBJ_FONT: return d->S.Font;
    case OBJ_BITMAP: return d->DCKind == TDCObj::dkMemory ? d->S.Bitmap : nullptr;
    default: return nullptr;
  }
}

int GetObjectA(HGDIOBJ obj, int size, void* buffer) {
  TGdiObj* o = Lookup(obj);
  if (!o) return 0;
  auto put = [&](const void* data, int needed) {
    if (!buffer) return needed;
    int n = std::min(size, needed);
    if (n <= 0) return 0;
    std::memcpy(buffer, data, static_cast<size_t>(n));
    return n;
  };
  switch (o->Kind) {
    case OBJ_PEN: {
      auto* p = static_cast<TPenObj*>(o);
      if (p->Extended) {
        EXTLOGPEN e;
        e.elpPenStyle = p->Style;
        e.elpWidth = static_cast<DWORD>(p->Width);
        e.elpBrushStyle = BS_SOLID;
        e.elpColor = p->Color;
        return put(&e, static_cast<int>(sizeof e));
      }
      LOGPEN l;
      l.lopnStyle = p->Style;
      l.lopnWidth.x = p->Width;
      l.lopnColor = p->Color;
      return put(&l, static_cast<int>(sizeof l));
    }
    case OBJ_BRUSH: {
      auto* b = static_cast<TBrushObj*>(o);
      LOGBRUSH l;
      l.lbStyle = b->Style;
      l.lbColor = b->SysColor >= 0 ? GetSysColor(b->SysColor) : b->Color;
      l.lbHatch = b->Style == BS_HATCHED ? static_cast<ULONG_PTR>(b->Hatch)
                                         : reinterpret_cast<ULONG_PTR>(b->PatternHandle);
      return put(&l, static_cast<int>(sizeof l));
    }
    case OBJ_FONT: return put(&static_cast<TFontObj*>(o)->Log, static_cast<int>(sizeof(LOGFONTA)));
    case OBJ_PAL: {
      WORD count = static_cast<WORD>(static_cast<TPaletteObj*>(o)->Entries.size());
      return put(&count, static_cast<int>(sizeof count));
    }
    case OBJ_BITMAP: {
      auto* b = static_cast<TBitmapObj*>(o);
      DIBSECTION ds;
      ds.dsBm.bmWidth = b->Pixels.Width();
      ds.dsBm.bmHeight = b->Pixels.Height();
      ds.dsBm.bmWidthBytes = b->WidthBytes();
      ds.dsBm.bmPlanes = 1;
      ds.dsBm.bmBitsPixel = static_cast<WORD>(b->Bpp);
      if (b->Dib) {
        ds.dsBm.bmBits = b->DibBits.empty() ? static_cast<void*>(b->Pixels.Scanline(b->DibTopDown ? 0 : b->Pixels.Height() - 1))
                                            : static_cast<void*>(b->DibBits.data());
        ds.dsBmih.biWidth = b->Pixels.Width();
        ds.dsBmih.biHeight = b->DibTopDown ? -b->Pixels.Height() : b->Pixels.Height();
        ds.dsBmih.biBitCount = static_cast<WORD>(b->Bpp);
        ds.dsBmih.biSizeImage = static_cast<DWORD>(b->WidthBytes() * b->Pixels.Height());
        if (buffer && size >= static_cast<int>(sizeof(DIBSECTION))) return put(&ds, static_cast<int>(sizeof ds));
      }
      return put(&ds.dsBm, static_cast<int>(sizeof(BITMAP)));
    }
    default: return 0;
  }
}

COLORREF SetDCBrushColor(HDC dc, COLORREF color) {
  TDCObj* d = DCOf(dc);
  if (!d) return CLR_INVALID;
  return std::exchange(d->S.DCBrushColor, color);
}
COLORREF GetDCBrushColor(HDC dc) {
  TDCObj* d = DCOf(dc);
  return d ? d->S.DCBrushColor : CLR_INVALID;
}
COLORREF SetDCPenColor(HDC dc, COLORREF color) {
  TDCObj* d = DCOf(dc);
  if (!d) return CLR_INVALID;
  return std::exchange(d->S.DCPenColor, color);
}
COLORREF GetDCPenColor(HDC dc) {
  TDCObj* d = DCOf(dc);
  return d ? d->S.DCPenColor : CLR_INVALID;
}

}  // namespace WinGdi
