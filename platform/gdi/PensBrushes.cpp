// Creating pens and brushes.
#include <algorithm>

#include "GdiObjects.h"

namespace {

template <class T>
T Handle(TGdiObj* o) {
  return static_cast<T>(Register(o));
}

}  // namespace

namespace WinGdi {

HPEN CreatePen(int style, int width, COLORREF color) {
  UINT dash = static_cast<UINT>(style) & PS_STYLE_MASK;
  if (style < 0 || dash > PS_INSIDEFRAME) return nullptr;
  auto* p = new TPenObj();
  p->Style = static_cast<UINT>(style);
  p->Width = std::max(width, 0);
  p->Color = color;
  // Wide pens draw solid whatever dash style they were given.
  if (p->Width > 1 && dash >= PS_DASH && dash <= PS_DASHDOTDOT) p->Style = (p->Style & ~PS_STYLE_MASK) | PS_SOLID;
  return Handle<HPEN>(p);
}

HPEN CreatePenIndirect(const LOGPEN* pen) {
  return pen ? CreatePen(static_cast<int>(pen->lopnStyle), pen->lopnWidth.x, pen->lopnColor) : nullptr;
}

HPEN ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH* brush, DWORD styleCount, const DWORD* styles) {
  if (!brush) return nullptr;
  bool geometric = (style & PS_TYPE_MASK) == PS_GEOMETRIC;
  // A cosmetic pen is always one pixel wide.
  if (!geometric && width != 1) return nullptr;
  auto* p = new TPenObj();
  p->Style = style;
  p->Width = static_cast<int>(std::min<DWORD>(width, 10000));
  p->Color = brush->lbStyle == BS_NULL ? 0 : brush->lbColor;
  if (brush->lbStyle == BS_NULL) p->Style = (p->Style & ~PS_STYLE_MASK) | PS_NULL;
  p->Extended = true;
  return Handle<HPEN>(p);
}

HBRUSH CreateSolidBrush(COLORREF color) {
  auto* b = new TBrushObj();
  b->Color = color;
  return Handle<HBRUSH>(b);
}

HBRUSH CreateHatchBrush(int hatch, COLORREF color) {
  if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS) return nullptr;
  auto* b = new TBrushObj();
  b->Style = BS_HATCHED;
  b->Hatch = hatch;
  b->Color = color;
  return Handle<HBRUSH>(b);
}

HBRUSH CreatePatternBrush(HBITMAP bitmap) {
  TBitmapObj* bm = BitmapOf(bitmap);
  if (!bm || bm->Pixels.Width() == 0 || bm->Pixels.Height() == 0) return nullptr;
  bm->PullDibBits();
  auto* b = new TBrushObj();
  b->Style = BS_PATTERN;
  b->Pattern = std::make_unique<TGdiSurface>(bm->Pixels.Width(), bm->Pixels.Height());
  for (int y = 0; y < bm->Pixels.Height(); ++y)
    std::copy_n(bm->Pixels.Scanline(y), bm->Pixels.Width(), b->Pattern->Scanline(y));
  b->PatternMono = bm->Bpp == 1;
  b->PatternHandle = bitmap;
  return Handle<HBRUSH>(b);
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* brush) {
  if (!brush) return nullptr;
  switch (brush->lbStyle) {
    case BS_SOLID: return CreateSolidBrush(brush->lbColor);
    case BS_NULL: return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    case BS_HATCHED: return CreateHatchBrush(static_cast<int>(brush->lbHatch), brush->lbColor);
    case BS_PATTERN:
    case BS_PATTERN8X8: return CreatePatternBrush(reinterpret_cast<HBITMAP>(brush->lbHatch));
    case BS_DIBPATTERNPT: return CreateDIBPatternBrushPt(reinterpret_cast<const void*>(brush->lbHatch), brush->lbColor);
    default: return nullptr;
  }
}

HBRUSH CreateDIBPatternBrushPt(const void* packedDIB, UINT usage) {
  if (!packedDIB) return nullptr;
  auto* info = static_cast<const BITMAPINFO*>(packedDIB);
  const BITMAPINFOHEADER& h = info->bmiHeader;
  int colors = h.biBitCount <= 8 ? (h.biClrUsed ? static_cast<int>(h.biClrUsed) : 1 << h.biBitCount) : 0;
  const auto* bits = reinterpret_cast<const uint8_t*>(info) + h.biSize + colors * sizeof(RGBQUAD);
  HBITMAP bm = CreateDIBitmap(nullptr, &h, CBM_INIT, bits, info, usage);
  if (!bm) return nullptr;
  HBRUSH b = CreatePatternBrush(bm);
  if (TBrushObj* bo = BrushOf(b)) {
    bo->Style = BS_DIBPATTERNPT;
    bo->PatternMono = false;
    bo->PatternHandle = nullptr;
  }
  DeleteObject(bm);
  return b;
}

}  // namespace WinGdi
