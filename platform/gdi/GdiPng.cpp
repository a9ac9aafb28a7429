// PNG encoding and decoding of 32-bit surfaces through libpng.
#include "GdiPng.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "GdiDraw.h"

namespace GdiPng {

std::vector<uint8_t> EncodePng(const TGdiSurface& s, const RECT* area, bool withAlpha) {
  RECT r{0, 0, s.Width(), s.Height()};
  if (area) r = RECT{std::max(area->left, 0), std::max(area->top, 0), std::min<LONG>(area->right, s.Width()),
                     std::min<LONG>(area->bottom, s.Height())};
  std::vector<uint8_t> out;
  if (r.left >= r.right || r.top >= r.bottom) return out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info) {
    png_destroy_write_struct(&png, &info);
    return out;
  }
  int channels = withAlpha ? 4 : 3;
  std::vector<uint8_t> row(static_cast<size_t>(r.right - r.left) * channels);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return {};
  }
  png_set_write_fn(
      png, &out,
      [](png_structp p, png_bytep data, png_size_t len) {
        auto* v = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(p));
        v->insert(v->end(), data, data + len);
      },
      nullptr);
  png_set_IHDR(png, info, static_cast<png_uint_32>(r.right - r.left), static_cast<png_uint_32>(r.bottom - r.top), 8,
               withAlpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = r.top; y < r.bottom; ++y) {
    const uint32_t* src = s.Scanline(y);
    uint8_t* o = row.data();
    for (int x = r.left; x < r.right; ++x) {
      uint32_t p = src[x];
      *o++ = (p >> 16) & 0xFF;
      *o++ = (p >> 8) & 0xFF;
      *o++ = p & 0xFF;
      if (withAlpha) *o++ = (p >> 24) & 0xFF;
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

bool SaveSurfaceToPng(const TGdiSurface& s, const std::string& file, const RECT* area, bool withAlpha) {
  std::vector<uint8_t> bytes = EncodePng(s, area, withAlpha);
  if (bytes.empty()) return false;
  std::ofstream f(file, std::ios::binary);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(f);
}

bool SaveBitmapToPng(HBITMAP bitmap, const std::string& file) {
  TGdiSurface* s = GetBitmapSurface(bitmap);
  return s && SaveSurfaceToPng(*s, file);
}

bool SaveDCToPng(HDC dc, const std::string& file, const RECT* area) {
  TDCObj* d = DCOf(dc);
  TGdiSurface* s = d ? d->Target() : nullptr;
  if (!s) return false;
  RECT r{-d->Origin.x, -d->Origin.y, s->Width() - d->Origin.x, s->Height() - d->Origin.y};
  if (area) r = ToDeviceRect(d->S, *area);
  RECT onSurface{r.left + d->Origin.x, r.top + d->Origin.y, r.right + d->Origin.x, r.bottom + d->Origin.y};
  return SaveSurfaceToPng(*s, file, &onSurface);
}

bool LoadPngToSurface(const std::string& file, TGdiSurface& surface) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, file.c_str())) return false;
  image.format = PNG_FORMAT_BGRA;
  if (image.width > (1u << 15) || image.height > (1u << 15)) {
    png_image_free(&image);
    return false;
  }
  surface.Resize(static_cast<int>(image.width), static_cast<int>(image.height));
  bool ok = png_image_finish_read(&image, nullptr, surface.Scanline(0), surface.Stride(), nullptr) != 0;
  png_image_free(&image);
  return ok;
}

}  // namespace GdiPng
