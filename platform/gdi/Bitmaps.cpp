// Bitmaps: device bitmaps (monochrome and 32-bit), DIB sections, and the conversions of their bits
// to and from device-independent formats.
#include <algorithm>
#include <cstring>

#include "GdiDraw.h"
#include "raster/DibFormat.h"

namespace {

constexpr int kMaxSide = 1 << 15;
constexpr long long kMaxPixels = 1LL << 27;

bool SizeOk(int w, int h) {
  return w >= 0 && h >= 0 && w <= kMaxSide && h <= kMaxSide && static_cast<long long>(w) * h <= kMaxPixels;
}

// Rows of device bitmaps are padded to 16 bits.
int DeviceStride(int width, int bpp) { return ((width * bpp + 15) / 16) * 2; }

const TDibColor kMonoPalette[2] = {{0, 0, 0, 0}, {255, 255, 255, 0}};

// The colour table answered for an indexed format: the bitmap's own when it has one of that size,
// otherwise the 16 standard colours (4 bits) or those with a colour cube and a grey ramp (8 bits).
std::vector<TDibColor> DefaultPalette(const TBitmapObj* b, int bpp) {
  if (b->Dib && b->Bpp == bpp && !b->Palette.empty()) {
    std::vector<TDibColor> p(b->Palette.size());
    std::memcpy(p.data(), b->Palette.data(), p.size() * sizeof(TDibColor));
    return p;
  }
  if (bpp == 1) return {kMonoPalette[0], kMonoPalette[1]};
  static const uint8_t vga[16][3] = {{0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                     {0, 0, 128},   {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                     {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
                                     {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
  std::vector<TDibColor> p;
  for (auto& c : vga) p.push_back({c[2], c[1], c[0], 0});
  if (bpp == 8) {
    for (int r = 0; r < 6; ++r)
      for (int g = 0; g < 6; ++g)
        for (int b2 = 0; b2 < 6; ++b2)
          p.push_back({uint8_t(b2 * 51), uint8_t(g * 51), uint8_t(r * 51), 0});
    for (int i = 0; p.size() < 256; ++i) p.push_back({uint8_t(8 + i * 10), uint8_t(8 + i * 10), uint8_t(8 + i * 10), 0});
  }
  return p;
}

int PaletteSize(const BITMAPINFOHEADER& h) {
  if (h.biBitCount > 8) return 0;
  int full = 1 << h.biBitCount;
  return h.biClrUsed && static_cast<int>(h.biClrUsed) < full ? static_cast<int>(h.biClrUsed) : full;
}

bool HeaderOk(const BITMAPINFOHEADER& h) {
  int height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
  return h.biWidth > 0 && height > 0 && SizeOk(h.biWidth, height) && DibFormatSupported(h.biBitCount) &&
         (h.biCompression == BI_RGB || h.biCompression == BI_BITFIELDS);
}

TBitmapObj* NewBitmap(int w, int h, int bpp) {
  auto* b = new TBitmapObj();
  b->Bpp = bpp;
  b->Pixels.Resize(w, h);
  if (bpp == 1) b->Pixels.Fill(0);
  return b;
}

}  // namespace

namespace GdiObjects {

int TBitmapObj::WidthBytes() const {
  return Dib ? DibStride(Pixels.Width(), Bpp) : DeviceStride(Pixels.Width(), Bpp == 1 ? 1 : 32);
}

void TBitmapObj::PullDibBits() {
  if (!Dib || Bpp == 32 || DibBits.empty()) return;
  int w = Pixels.Width(), h = Pixels.Height(), stride = DibStride(w, Bpp);
  for (int y = 0; y < h; ++y) {
    int row = DibTopDown ? y : h - 1 - y;
    DecodeDibRow(DibBits.data() + static_cast<size_t>(row) * stride, Bpp,
                 reinterpret_cast<const TDibColor*>(Palette.data()), static_cast<int>(Palette.size()),
                 Pixels.Scanline(y), w);
  }
}

void TBitmapObj::PushDibBits() {
  if (!Dib || Bpp == 32 || DibBits.empty()) return;
  int w = Pixels.Width(), h = Pixels.Height(), stride = DibStride(w, Bpp);
  for (int y = 0; y < h; ++y) {
    int row = DibTopDown ? y : h - 1 - y;
    EncodeDibRow(Pixels.Scanline(y), Bpp, reinterpret_cast<const TDibColor*>(Palette.data()),
                 static_cast<int>(Palette.size()), DibBits.data() + static_cast<size_t>(row) * stride, w);
  }
}

}  // namespace GdiObjects

namespace GdiSurface {

TGdiSurface* GetBitmapSurface(HBITMAP bitmap) {
  TBitmapObj* b = BitmapOf(bitmap);
  if (!b) return nullptr;
  b->PullDibBits();
  return &b->Pixels;
}

}  // namespace GdiSurface

namespace WinGdi {

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bpp, const void* bits) {
  if (!SizeOk(width, height) || planes > 1 || bpp > 32) return nullptr;
  if (width == 0 || height == 0) {  // an empty request answers the 1 x 1 monochrome bitmap
    width = height = 1;
    bpp = 1;
    bits = nullptr;
  }
  int format = bpp == 1 ? 1 : 32;
  TBitmapObj* b = NewBitmap(width, height, format);
  auto handle = static_cast<HBITMAP>(Register(b));
  // Rows of the given format are read; bits of other formats are not read (the bitmap stays black).
  if (bits && (bpp == 1 || bpp == 32)) {
    SetBitmapBits(handle, static_cast<DWORD>(DeviceStride(width, format) * height), bits);
  } else if (bits && bpp == 24) {
    const auto* src = static_cast<const uint8_t*>(bits);
    int stride = DeviceStride(width, 24);
    for (int y = 0; y < height; ++y) DecodeDibRow(src + y * stride, 24, nullptr, 0, b->Pixels.Scanline(y), width);
  }
  return handle;
}

HBITMAP CreateBitmapIndirect(const BITMAP* bm) {
  return bm ? CreateBitmap(bm->bmWidth, bm->bmHeight, bm->bmPlanes, bm->bmBitsPixel, bm->bmBits) : nullptr;
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
  TDCObj* d = DCOf(dc);
  if (!d || !SizeOk(width, height)) return nullptr;
  if (width == 0 || height == 0) return CreateBitmap(0, 0, 1, 1, nullptr);
  return reinterpret_cast<HBITMAP>(Register(NewBitmap(width, height, d->Mono() ? 1 : 32)));
}

HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD offset) {
  if (bits) *bits = nullptr;
  if (!info || !HeaderOk(info->bmiHeader) || section) return nullptr;
  const BITMAPINFOHEADER& h = info->bmiHeader;
  int w = h.biWidth, ht = h.biHeight < 0 ? -h.biHeight : h.biHeight;
  auto* b = new TBitmapObj();
  b->Dib = true;
  b->Bpp = h.biBitCount;
  b->DibTopDown = h.biHeight < 0;
  int colors = PaletteSize(h);
  if (colors && usage == DIB_RGB_COLORS) b->Palette.assign(info->bmiColors, info->bmiColors + colors);
  else if (colors) {
    auto p = DefaultPalette(b, h.biBitCount);
    b->Palette.resize(p.size());
    std::memcpy(static_cast<void*>(b->Palette.data()), p.data(), p.size() * sizeof(RGBQUAD));
  }
  int stride = DibStride(w, h.biBitCount);
  b->DibBits.assign(static_cast<size_t>(stride) * ht, 0);
  if (b->Bpp == 32) {
    uint8_t* base = b->DibBits.data();
    if (b->DibTopDown) b->Pixels.Attach(base, w, ht, stride);
    else b->Pixels.Attach(base + static_cast<size_t>(ht - 1) * stride, w, ht, -stride);
  } else {
    b->Pixels.Resize(w, ht);
    b->PullDibBits();
  }
  if (bits) *bits = b->DibBits.data();
  return reinterpret_cast<HBITMAP>(Register(b));
}

HBITMAP CreateDIBitmap(HDC dc, const BITMAPINFOHEADER* header, DWORD init, const void* bits,
                       const BITMAPINFO* info, UINT usage) {
  if (!header) return nullptr;
  int w = header->biWidth, ht = header->biHeight < 0 ? -header->biHeight : header->biHeight;
  if (!SizeOk(w, ht)) return nullptr;
  TDCObj* d = DCOf(dc);
  HBITMAP bm = (d && d->Mono()) || header->biBitCount == 1 ? CreateBitmap(w, ht, 1, 1, nullptr)
                                                           : CreateBitmap(w, ht, 1, 32, nullptr);
  if (bm && (init & CBM_INIT) && bits && info) SetDIBits(dc, bm, 0, static_cast<UINT>(ht), bits, info, usage);
  return bm;
}

int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT usage) {
  TBitmapObj* b = BitmapOf(bitmap);
  if (!b || !info) return 0;
  b->PullDibBits();
  BITMAPINFOHEADER& h = info->bmiHeader;
  int w = b->Pixels.Width(), ht = b->Pixels.Height();
  if (h.biBitCount == 0) {  // asks for the bitmap's own format
    h.biWidth = w;
    h.biHeight = b->Dib && b->DibTopDown ? -ht : ht;
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(b->Bpp);
    h.biCompression = BI_RGB;
    h.biSizeImage = static_cast<DWORD>(DibStride(w, b->Bpp) * ht);
    return ht;
  }
  if (!DibFormatSupported(h.biBitCount)) return 0;
  if (h.biWidth != w) h.biWidth = w;
  int bpp = h.biBitCount;
  bool topDown = h.biHeight < 0;
  std::vector<TDibColor> palette = bpp <= 8 ? DefaultPalette(b, bpp) : std::vector<TDibColor>{};
  if (bpp <= 8) std::memcpy(static_cast<void*>(info->bmiColors), palette.data(), palette.size() * sizeof(RGBQUAD));
  h.biSizeImage = static_cast<DWORD>(DibStride(w, bpp) * ht);
  if (!bits) return ht;
  int stride = DibStride(w, bpp);
  int copied = 0;
  for (UINT i = 0; i < lines; ++i) {
    int scan = static_cast<int>(start + i);
    if (scan >= ht) break;
    int y = topDown ? scan : ht - 1 - scan;
    EncodeDibRow(b->Pixels.Scanline(y), bpp, palette.data(), static_cast<int>(palette.size()),
                 static_cast<uint8_t*>(bits) + static_cast<size_t>(i) * stride, w);
    ++copied;
  }
  return copied;
}

int SetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, const void* bits, const BITMAPINFO* info, UINT usage) {
  TBitmapObj* b = BitmapOf(bitmap);
  if (!b || !bits || !info || !DibFormatSupported(info->bmiHeader.biBitCount)) return 0;
  const BITMAPINFOHEADER& h = info->bmiHeader;
  int w = std::min<int>(h.biWidth, b->Pixels.Width()), ht = b->Pixels.Height();
  int srcHeight = h.biHeight < 0 ? -h.biHeight : h.biHeight;
  bool topDown = h.biHeight < 0;
  int stride = DibStride(h.biWidth, h.biBitCount);
  const auto* palette = reinterpret_cast<const TDibColor*>(info->bmiColors);
  std::vector<uint32_t> row(static_cast<size_t>(std::max(h.biWidth, 0)));
  int copied = 0;
  for (UINT i = 0; i < lines; ++i) {
    int scan = static_cast<int>(start + i);
    if (scan >= srcHeight || scan >= ht) break;
    DecodeDibRow(static_cast<const uint8_t*>(bits) + static_cast<size_t>(i) * stride, h.biBitCount, palette,
                 PaletteSize(h), row.data(), h.biWidth);
    int y = topDown ? scan : ht - 1 - scan;
    uint32_t* dst = b->Pixels.Scanline(y);
    for (int x = 0; x < w; ++x) dst[x] = b->Bpp == 1 ? SnapMono(row[x]) : (h.biBitCount == 32 ? row[x] : row[x] & 0x00FFFFFF);
    ++copied;
  }
  b->PushDibBits();
  return copied;
}

LONG GetBitmapBits(HBITMAP bitmap, LONG size, void* bits) {
  TBitmapObj* b = BitmapOf(bitmap);
  if (!b) return 0;
  b->PullDibBits();
  int w = b->Pixels.Width(), h = b->Pixels.Height();
  int bpp = b->Bpp == 1 ? 1 : 32;
  int stride = DeviceStride(w, bpp);
  if (!bits) return stride * h;
  auto* out = static_cast<uint8_t*>(bits);
  LONG written = 0;
  std::vector<uint8_t> row(static_cast<size_t>(DibStride(w, bpp)));
  for (int y = 0; y < h && written + stride <= size; ++y) {
    EncodeDibRow(b->Pixels.Scanline(y), bpp, kMonoPalette, 2, row.data(), w);
    std::memcpy(out + written, row.data(), static_cast<size_t>(stride));
    written += stride;
  }
  return written;
}

LONG SetBitmapBits(HBITMAP bitmap, DWORD size, const void* bits) {
  TBitmapObj* b = BitmapOf(bitmap);
  if (!b || !bits) return 0;
  int w = b->Pixels.Width(), h = b->Pixels.Height();
  int bpp = b->Bpp == 1 ? 1 : 32;
  int stride = DeviceStride(w, bpp);
  const auto* in = static_cast<const uint8_t*>(bits);
  LONG read = 0;
  for (int y = 0; y < h && read + stride <= static_cast<LONG>(size); ++y) {
    DecodeDibRow(in + read, bpp, kMonoPalette, 2, b->Pixels.Scanline(y), w);
    read += stride;
  }
  b->PushDibBits();
  return read;
}

BOOL GetBitmapDimensionEx(HBITMAP bitmap, SIZE* size) {
  if (!BitmapOf(bitmap) || !size) return FALSE;
  *size = SIZE{0, 0};
  return TRUE;
}

}  // namespace WinGdi
