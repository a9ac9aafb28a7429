// BMP files: writing, and reading with colour tables, bit fields, run-length rows and core headers.
#include "GdiBmp.h"

#include <algorithm>
#include <cstring>

#include "GdiDraw.h"
#include "raster/DibFormat.h"

namespace {

uint32_t Get32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }
uint16_t Get16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
void Put32(std::vector<uint8_t>& v, uint32_t x) {
  for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(x >> (8 * i)));
}
void Put16(std::vector<uint8_t>& v, uint16_t x) {
  v.push_back(static_cast<uint8_t>(x));
  v.push_back(static_cast<uint8_t>(x >> 8));
}

int Shift(uint32_t mask) {
  int s = 0;
  while (mask && !(mask & 1)) mask >>= 1, ++s;
  return s;
}
uint32_t Channel(uint32_t v, uint32_t mask) {
  if (!mask) return 0;
  uint32_t x = (v & mask) >> Shift(mask);
  uint32_t max = mask >> Shift(mask);
  return max ? (x * 255 + max / 2) / max : 0;
}

// Expands run-length rows (8 or 4 bits per index) into plain bottom-up rows of the same format.
bool ExpandRle(const uint8_t* p, size_t size, int bpp, int w, int h, std::vector<uint8_t>& out) {
  int stride = DibStride(w, bpp);
  out.assign(static_cast<size_t>(stride) * h, 0);
  auto put = [&](int x, int y, int index) {
    if (x < 0 || x >= w || y < 0 || y >= h) return;
    uint8_t* row = out.data() + static_cast<size_t>(y) * stride;
    if (bpp == 8) row[x] = static_cast<uint8_t>(index);
    else row[x >> 1] |= static_cast<uint8_t>((index & 0xF) << ((x & 1) ? 0 : 4));
  };
  size_t i = 0;
  int x = 0, y = 0;
  while (i + 1 < size && y < h) {
    int n = p[i], v = p[i + 1];
    i += 2;
    if (n > 0) {  // a run of one index (or two alternating ones in the 4-bit form)
      for (int k = 0; k < n; ++k) put(x++, y, bpp == 8 ? v : (k % 2 ? v & 0xF : v >> 4));
      continue;
    }
    if (v == 0) { x = 0; ++y; continue; }  // end of line
    if (v == 1) return true;               // end of bitmap
    if (v == 2) {                          // delta
      if (i + 1 >= size) return false;
      x += p[i];
      y += p[i + 1];
      i += 2;
      continue;
    }
    // An absolute run of v indexes, padded to 16 bits.
    size_t bytes = bpp == 8 ? static_cast<size_t>(v) : (static_cast<size_t>(v) + 1) / 2;
    if (i + bytes > size) return false;
    for (int k = 0; k < v; ++k) put(x++, y, bpp == 8 ? p[i + k] : ((k % 2) ? p[i + k / 2] & 0xF : p[i + k / 2] >> 4));
    i += (bytes + 1) & ~size_t{1};
  }
  return true;
}

}  // namespace

namespace GdiBmp {

std::vector<uint8_t> EncodeBmp(HBITMAP bitmap, bool keepAlpha) {
  TBitmapObj* b = BitmapOf(bitmap);
  if (!b) return {};
  b->PullDibBits();
  int w = b->Pixels.Width(), h = b->Pixels.Height();
  int bpp = b->Bpp == 1 ? 1 : b->Dib ? b->Bpp : (keepAlpha ? 32 : 24);
  std::vector<TDibColor> palette;
  if (bpp <= 8) {
    if (b->Dib && !b->Palette.empty()) {
      palette.resize(b->Palette.size());
      std::memcpy(palette.data(), b->Palette.data(), palette.size() * sizeof(TDibColor));
    } else {
      palette = {{0, 0, 0, 0}, {255, 255, 255, 0}};
    }
  }
  int stride = DibStride(w, bpp);
  uint32_t offset = 14 + 40 + static_cast<uint32_t>(palette.size() * 4);
  uint32_t imageSize = static_cast<uint32_t>(stride) * h;
  std::vector<uint8_t> out;
  out.reserve(offset + imageSize);
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + imageSize);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(w));
  Put32(out, static_cast<uint32_t>(h));  // bottom-up
  Put16(out, 1);
  Put16(out, static_cast<uint16_t>(bpp));
  Put32(out, 0);  // BI_RGB
  Put32(out, imageSize);
  Put32(out, 3780);  // 96 DPI in pixels per metre
  Put32(out, 3780);
  Put32(out, static_cast<uint32_t>(palette.size()));
  Put32(out, 0);
  for (const TDibColor& c : palette) {
    out.push_back(c.B);
    out.push_back(c.G);
    out.push_back(c.R);
    out.push_back(0);
  }
  std::vector<uint8_t> row(static_cast<size_t>(stride));
  for (int y = h - 1; y >= 0; --y) {
    EncodeDibRow(b->Pixels.Scanline(y), bpp, palette.data(), static_cast<int>(palette.size()), row.data(), w);
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

HBITMAP DecodePackedDib(const uint8_t* p, size_t size) {
  if (!p || size < 12) return nullptr;
  uint32_t headerSize = Get32(p);
  int w, h, bpp;
  uint32_t compression = 0, colors = 0;
  int entry = 4;
  if (headerSize == 12) {  // the old core header: 16-bit sizes, three-byte colour entries
    w = Get16(p + 4);
    h = static_cast<int16_t>(Get16(p + 6));
    bpp = Get16(p + 10);
    entry = 3;
  } else {
    if (headerSize < 40 || size < headerSize) return nullptr;
    w = static_cast<int32_t>(Get32(p + 4));
    h = static_cast<int32_t>(Get32(p + 8));
    bpp = Get16(p + 14);
    compression = Get32(p + 16);
    colors = Get32(p + 32);
  }
  bool topDown = h < 0;
  h = topDown ? -h : h;
  if (w <= 0 || h <= 0 || w > (1 << 15) || h > (1 << 15) || !DibFormatSupported(bpp)) return nullptr;
  if (compression != BI_RGB && compression != BI_BITFIELDS && compression != BI_RLE8 && compression != BI_RLE4)
    return nullptr;
  if ((compression == BI_RLE8 && bpp != 8) || (compression == BI_RLE4 && bpp != 4)) return nullptr;
  size_t at = headerSize;
  uint32_t masks[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};
  if (bpp == 16) masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
  if (compression == BI_BITFIELDS) {
    if (headerSize == 40) {  // the masks follow the header
      if (size < at + 12) return nullptr;
      for (int i = 0; i < 3; ++i) masks[i] = Get32(p + at + 4 * i);
      at += 12;
    } else if (headerSize >= 52) {
      for (int i = 0; i < 3; ++i) masks[i] = Get32(p + 40 + 4 * i);
    }
  }
  int count = bpp <= 8 ? (colors && colors <= (1u << bpp) ? static_cast<int>(colors) : 1 << bpp) : 0;
  if (size < at + static_cast<size_t>(count) * entry) return nullptr;
  std::vector<TDibColor> palette(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    const uint8_t* e = p + at + i * entry;
    palette[i] = TDibColor{e[0], e[1], e[2], 0};
  }
  at += static_cast<size_t>(count) * entry;
  int stride = DibStride(w, bpp);
  std::vector<uint8_t> rle;
  const uint8_t* bits = p + at;
  if (compression == BI_RLE8 || compression == BI_RLE4) {
    if (topDown || !ExpandRle(bits, size - at, bpp, w, h, rle)) return nullptr;
    bits = rle.data();
  } else if (size - at < static_cast<size_t>(stride) * h) {
    return nullptr;
  }
  HBITMAP result = CreateBitmap(w, h, 1, bpp == 1 ? 1 : 32, nullptr);
  TBitmapObj* b = BitmapOf(result);
  std::vector<uint32_t> row(static_cast<size_t>(w));
  bool fields = compression == BI_BITFIELDS || bpp == 16;
  for (int r = 0; r < h; ++r) {
    const uint8_t* src = bits + static_cast<size_t>(r) * stride;
    int y = topDown ? r : h - 1 - r;
    if (fields && (bpp == 16 || bpp == 32)) {
      for (int x = 0; x < w; ++x) {
        uint32_t v = bpp == 16 ? Get16(src + 2 * x) : Get32(src + 4 * x);
        row[x] = (Channel(v, masks[0]) << 16) | (Channel(v, masks[1]) << 8) | Channel(v, masks[2]);
      }
    } else {
      DecodeDibRow(src, bpp, palette.data(), count, row.data(), w);
    }
    uint32_t* dst = b->Pixels.Scanline(y);
    for (int x = 0; x < w; ++x) dst[x] = b->Bpp == 1 ? SnapMono(row[x]) : row[x];
  }
  return result;
}

HBITMAP DecodeBmp(const uint8_t* data, size_t size) {
  if (!data || size < 14 + 12 || data[0] != 'B' || data[1] != 'M') return nullptr;
  uint32_t offset = Get32(data + 10);
  uint32_t headerSize = Get32(data + 14);
  if (headerSize < 12 || 14 + static_cast<size_t>(headerSize) > size || offset > size || offset < 14 + headerSize)
    return nullptr;
  // The bits start at the file header's offset; the packed layout has them right after the colour
  // table, so a gap the file leaves is taken out.
  std::vector<uint8_t> packed(data + 14, data + size);
  int bpp = headerSize == 12 ? Get16(data + 14 + 10) : Get16(data + 14 + 14);
  uint32_t compression = headerSize == 12 ? 0 : Get32(data + 14 + 16);
  uint32_t colors = headerSize == 12 ? 0 : Get32(data + 14 + 32);
  int entry = headerSize == 12 ? 3 : 4;
  size_t table = bpp <= 8 ? (colors && colors <= (1u << bpp) ? colors : (1u << bpp)) * entry : 0;
  size_t masks = compression == BI_BITFIELDS && headerSize == 40 ? 12 : 0;
  size_t expected = headerSize + masks + table;
  size_t actual = offset - 14;
  if (actual != expected) {
    if (actual < expected) return nullptr;
    packed.erase(packed.begin() + static_cast<ptrdiff_t>(expected), packed.begin() + static_cast<ptrdiff_t>(actual));
  }
  return DecodePackedDib(packed.data(), packed.size());
}

}  // namespace GdiBmp
