// BMP files into device-independent sections. Plain files keep their bits exactly; run-length and
// bit-field files are decoded by the graphics layer and stored in the nearest plain format. Every
// size the file states is checked against the bytes there are before anything is allocated.
#include "BitmapFile.h"

#include <algorithm>
#include <cstring>

#include "GdiBmp.h"
#include "Graphics.h"

namespace BitmapFile {

namespace {

uint32_t Get32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }
uint16_t Get16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
void Put32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

[[noreturn]] void Damaged(const char* why) { throw EInvalidGraphic(String("Bitmap image is not valid: ") + why); }

constexpr int64_t kMaxSide = 1 << 15;
constexpr int64_t kMaxPixels = 1LL << 27;
// A run-length file can state a large picture in a few bytes; its pixels are bounded apart.
constexpr int64_t kMaxRlePixels = 1LL << 24;

int Stride(int64_t width, int bpp) { return static_cast<int>(((width * bpp + 31) / 32) * 4); }

struct THeader {
  uint32_t Size = 0;  // of the info header
  int64_t Width = 0, Height = 0;
  int Bpp = 0;
  uint32_t Compression = 0;
  uint32_t ColorsUsed = 0;
  bool TopDown = false;
  int ColorEntry = 4;  // bytes per colour-table entry (3 in the old core header)
};

THeader ParseHeader(const uint8_t* p, size_t avail) {
  THeader h;
  if (avail < 12) Damaged("the header is cut short");
  h.Size = Get32(p);
  if (h.Size == 12) {
    h.Width = Get16(p + 4);
    h.Height = static_cast<int16_t>(Get16(p + 6));
    h.Bpp = Get16(p + 10);
    h.ColorEntry = 3;
    if (Get16(p + 8) != 1) Damaged("more than one plane");
  } else {
    if (h.Size < 40 || h.Size > 4096) Damaged("unknown header");
    if (avail < h.Size) Damaged("the header is cut short");
    h.Width = static_cast<int32_t>(Get32(p + 4));
    h.Height = static_cast<int32_t>(Get32(p + 8));
    if (Get16(p + 12) != 1) Damaged("more than one plane");
    h.Bpp = Get16(p + 14);
    h.Compression = Get32(p + 16);
    h.ColorsUsed = Get32(p + 32);
  }
  h.TopDown = h.Height < 0;
  if (h.TopDown) h.Height = -h.Height;
  if (h.Width <= 0 || h.Height <= 0) Damaged("no pixels");
  if (h.Width > kMaxSide || h.Height > kMaxSide || h.Width * h.Height > kMaxPixels) Damaged("too large");
  switch (h.Bpp) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: Damaged("unsupported bits per pixel");
  }
  switch (h.Compression) {
    case BI_RGB: break;
    case BI_RLE8: if (h.Bpp != 8 || h.TopDown) Damaged("bad run-length form"); break;
    case BI_RLE4: if (h.Bpp != 4 || h.TopDown) Damaged("bad run-length form"); break;
    case BI_BITFIELDS: if (h.Bpp != 16 && h.Bpp != 32) Damaged("bad bit-field form"); break;
    default: Damaged("unsupported compression");
  }
  if ((h.Compression == BI_RLE8 || h.Compression == BI_RLE4) && h.Width * h.Height > kMaxRlePixels)
    Damaged("too large");
  return h;
}

struct TBitmapInfo256 {
  BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[256];
};

HBITMAP NewSection(int width, int height, int bpp, const std::vector<RGBQUAD>& colors, void** bits) {
  TBitmapInfo256 info;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biBitCount = static_cast<WORD>(bpp);
  info.bmiHeader.biClrUsed = static_cast<DWORD>(colors.size());
  for (size_t i = 0; i < colors.size() && i < 256; ++i) info.bmiColors[i] = colors[i];
  HBITMAP h = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, bits, nullptr, 0);
  if (!h) Damaged("no room for the pixels");
  return h;
}

}  // namespace

std::vector<uint8_t> PackedDibToFile(const uint8_t* Data, size_t Size) {
  if (Size >= 2 && Data[0] == 'B' && Data[1] == 'M') return std::vector<uint8_t>(Data, Data + Size);
  THeader h = ParseHeader(Data, Size);
  size_t table = h.Bpp <= 8 ? (h.ColorsUsed && h.ColorsUsed <= (1u << h.Bpp) ? h.ColorsUsed : 1u << h.Bpp) : 0;
  size_t masks = h.Compression == BI_BITFIELDS && h.Size == 40 ? 12 : 0;
  uint32_t offset = static_cast<uint32_t>(14 + h.Size + masks + table * h.ColorEntry);
  std::vector<uint8_t> file(14 + Size);
  file[0] = 'B';
  file[1] = 'M';
  Put32(file.data() + 2, static_cast<uint32_t>(file.size()));
  Put32(file.data() + 10, offset);
  std::memcpy(file.data() + 14, Data, Size);
  return file;
}

HBITMAP ReadBmp(const uint8_t* Data, size_t Size, int& BitsPerPixel, std::vector<RGBQUAD>& Colors) {
  if (!Data || Size < 14 || Data[0] != 'B' || Data[1] != 'M') Damaged("not a bitmap file");
  THeader h = ParseHeader(Data + 14, Size - 14);
  uint32_t offset = Get32(Data + 10);
  size_t at = 14 + h.Size;
  if (h.Compression == BI_BITFIELDS && h.Size == 40) at += 12;
  Colors.clear();
  if (h.Bpp <= 8) {
    uint32_t full = 1u << h.Bpp;
    uint32_t count = h.ColorsUsed && h.ColorsUsed <= full ? h.ColorsUsed : full;
    // The old core header states no count: the table runs up to the pixels.
    if (h.Size == 12 && offset > at) count = std::min<uint32_t>(full, static_cast<uint32_t>((offset - at) / 3));
    if (at + static_cast<size_t>(count) * h.ColorEntry > Size) Damaged("the colour table is cut short");
    for (uint32_t i = 0; i < count; ++i) {
      const uint8_t* e = Data + at + i * h.ColorEntry;
      RGBQUAD q;
      q.rgbBlue = e[0];
      q.rgbGreen = e[1];
      q.rgbRed = e[2];
      Colors.push_back(q);
    }
    at += static_cast<size_t>(count) * h.ColorEntry;
  }
  if (offset < at || offset > Size) Damaged("the pixels are not where the header says");
  int w = static_cast<int>(h.Width), ht = static_cast<int>(h.Height);

  if (h.Compression == BI_RGB) {
    int stride = Stride(w, h.Bpp);
    if (Size - offset < static_cast<size_t>(stride) * ht) Damaged("the pixels are cut short");
    void* bits = nullptr;
    HBITMAP result = NewSection(w, ht, h.Bpp, Colors, &bits);
    auto* dst = static_cast<uint8_t*>(bits);
    for (int r = 0; r < ht; ++r) {  // the section is bottom-up
      int src = h.TopDown ? ht - 1 - r : r;
      std::memcpy(dst + static_cast<size_t>(r) * stride, Data + offset + static_cast<size_t>(src) * stride,
                  static_cast<size_t>(stride));
    }
    BitsPerPixel = h.Bpp;
    return result;
  }

  HBITMAP decoded = DecodeBmp(Data, Size);
  if (!decoded) Damaged("the pixels cannot be decoded");
  // The decoded pixels go into a section of the file's own format through 32-bit rows.
  std::vector<uint32_t> rows(static_cast<size_t>(w) * ht);
  BITMAPINFO info;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -ht;
  info.bmiHeader.biBitCount = 32;
  GetDIBits(nullptr, decoded, 0, static_cast<UINT>(ht), rows.data(), &info, DIB_RGB_COLORS);
  DeleteObject(decoded);
  HBITMAP result = NewSection(w, ht, h.Bpp, Colors, nullptr);
  SetDIBits(nullptr, result, 0, static_cast<UINT>(ht), rows.data(), &info, DIB_RGB_COLORS);
  BitsPerPixel = h.Bpp;
  return result;
}

}  // namespace BitmapFile
