// Logical palettes. The display is 32-bit, so realising one maps nothing; palettes matter for the
// colours that name palette indexes.
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "GdiObjects.h"

namespace WinGdi {

HPALETTE CreatePalette(const LOGPALETTE* palette) {
  if (!palette || palette->palNumEntries == 0) return nullptr;
  auto* p = new TPaletteObj();
  p->Entries.assign(palette->palPalEntry, palette->palPalEntry + palette->palNumEntries);
  return static_cast<HPALETTE>(Register(p));
}

HPALETTE SelectPalette(HDC dc, HPALETTE palette, BOOL forceBackground) {
  TDCObj* d = DCOf(dc);
  auto* p = LookupAs<TPaletteObj>(palette, OBJ_PAL);
  if (!d || !p) return nullptr;
  TPaletteObj* old = d->S.Palette;
  Use(p);
  Unuse(old);
  d->S.Palette = p;
  return reinterpret_cast<HPALETTE>(old);
}

UINT RealizePalette(HDC dc) { return DCOf(dc) ? 0 : static_cast<UINT>(-1); }

BOOL UpdateColors(HDC dc) { return DCOf(dc) ? TRUE : FALSE; }

UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries) {
  auto* p = LookupAs<TPaletteObj>(palette, OBJ_PAL);
  if (!p) return 0;
  UINT size = static_cast<UINT>(p->Entries.size());
  if (!entries) return size;
  if (start >= size) return 0;
  UINT n = std::min(count, size - start);
  std::copy_n(p->Entries.begin() + start, n, entries);
  return n;
}

UINT SetPaletteEntries(HPALETTE palette, UINT start, UINT count, const PALETTEENTRY* entries) {
  auto* p = LookupAs<TPaletteObj>(palette, OBJ_PAL);
  if (!p || p->Stock || !entries) return 0;
  UINT size = static_cast<UINT>(p->Entries.size());
  if (start >= size) return 0;
  UINT n = std::min(count, size - start);
  std::copy_n(entries, n, p->Entries.begin() + start);
  return n;
}

UINT GetNearestPaletteIndex(HPALETTE palette, COLORREF color) {
  auto* p = LookupAs<TPaletteObj>(palette, OBJ_PAL);
  if (!p || p->Entries.empty()) return CLR_INVALID;
  UINT best = 0;
  int bestDist = INT_MAX;
  for (UINT i = 0; i < p->Entries.size(); ++i) {
    const PALETTEENTRY& e = p->Entries[i];
    int d = std::abs(e.peRed - GetRValue(color)) + std::abs(e.peGreen - GetGValue(color)) +
            std::abs(e.peBlue - GetBValue(color));
    if (d < bestDist) bestDist = d, best = i;
  }
  return best;
}

}  // namespace WinGdi
