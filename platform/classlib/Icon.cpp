// TIcon: an icon handle, read from the first image of an icon file (colour bits and AND mask) and
// written as a one-image icon file with 32-bit colour bits.
#include <cstring>

#include "BitmapFile.h"
#include "GdiBmp.h"
#include "Graphics.h"
#include "Streams.h"
#include "WinIcons.h"

namespace Graphics {

namespace {

uint32_t Get32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }
uint16_t Get16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
void Put32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
void Put16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}

[[noreturn]] void Damaged(const char* why) { throw EInvalidGraphic(String("Icon image is not valid: ") + why); }

// The icon of one image of an icon file: its info header states twice the height (colour rows,
// then the AND mask rows).
HICON ReadIconImage(const uint8_t* p, size_t size) {
  if (size < 40 || Get32(p) < 40 || Get32(p) > size) Damaged("the image header is cut short");
  std::vector<uint8_t> packed(p, p + size);
  int32_t doubled = static_cast<int32_t>(Get32(p + 8));
  if (doubled <= 0 || doubled % 2) Damaged("bad image height");
  int h = doubled / 2, w = static_cast<int32_t>(Get32(p + 4));
  Put32(packed.data() + 8, static_cast<uint32_t>(h));
  std::vector<uint8_t> file = PackedDibToFile(packed.data(), packed.size());
  int bpp = 0;
  std::vector<RGBQUAD> colors;
  HBITMAP color = ReadBmp(file.data(), file.size(), bpp, colors);
  // The mask rows follow the colour rows (bottom-up, 1 bit per pixel).
  size_t colorStart = Get32(file.data() + 10) - 14;
  size_t colorBytes = static_cast<size_t>(((w * bpp + 31) / 32) * 4) * h;
  size_t maskStride = static_cast<size_t>(((w + 31) / 32) * 4);
  HBITMAP mask = CreateBitmap(w, h, 1, 1, nullptr);
  if (colorStart + colorBytes + maskStride * h <= size) {
    struct {
      BITMAPINFOHEADER bmiHeader;
      RGBQUAD bmiColors[2];
    } info;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;
    info.bmiHeader.biBitCount = 1;
    info.bmiColors[1] = RGBQUAD{255, 255, 255, 0};
    SetDIBits(nullptr, mask, 0, static_cast<UINT>(h), p + colorStart + colorBytes,
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  }
  ICONINFO ii;
  ii.hbmColor = color;
  ii.hbmMask = mask;
  HICON icon = CreateIconIndirect(&ii);
  DeleteObject(color);
  DeleteObject(mask);
  if (!icon) Damaged("no room for the image");
  return icon;
}

}  // namespace

IMPLEMENT_CLASS(TIcon)

void TIcon::Construct() {
  inherited::Construct();
  FTransparent = true;
}

void TIcon::Destroy() {
  if (FHandle) DestroyIcon(FHandle);
  FHandle = nullptr;
  inherited::Destroy();
}

HICON TIcon::GetHandle() { return FHandle; }

void TIcon::SetHandle(HICON Value) {
  if (Value == FHandle) return;
  if (FHandle) DestroyIcon(FHandle);
  FHandle = Value;
  Changed(this);
}

HICON TIcon::ReleaseHandle() {
  HICON h = FHandle;
  FHandle = nullptr;
  return h;
}

void TIcon::Assign(TPersistent* Source) {
  if (!Source) {
    SetHandle(nullptr);
    return;
  }
  if (auto* icon = dynamic_cast<TIcon*>(Source)) {
    if (icon != this) SetHandle(icon->FHandle ? CopyIcon(icon->FHandle) : nullptr);
    return;
  }
  inherited::Assign(Source);
}

Integer TIcon::GetWidth() {
  if (!FHandle) return 0;
  ICONINFO ii;
  if (!GetIconInfo(FHandle, &ii)) return 0;
  BITMAP bm;
  GetObject(ii.hbmColor ? ii.hbmColor : ii.hbmMask, sizeof bm, &bm);
  DeleteObject(ii.hbmColor);
  DeleteObject(ii.hbmMask);
  return bm.bmWidth;
}

Integer TIcon::GetHeight() {
  if (!FHandle) return 0;
  ICONINFO ii;
  if (!GetIconInfo(FHandle, &ii)) return 0;
  BITMAP bm;
  GetObject(ii.hbmColor ? ii.hbmColor : ii.hbmMask, sizeof bm, &bm);
  DeleteObject(ii.hbmColor);
  DeleteObject(ii.hbmMask);
  return ii.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
}

void TIcon::SetWidth(Integer) { throw EInvalidGraphicOperation("Cannot change the size of an icon"); }
void TIcon::SetHeight(Integer) { throw EInvalidGraphicOperation("Cannot change the size of an icon"); }

void TIcon::Draw(TCanvas* ACanvas, const TRect& Rect) {
  if (!FHandle) return;
  DrawIconEx(ACanvas->GetHandle(), Rect.left, Rect.top, FHandle, Rect.Width(), Rect.Height(), 0, nullptr, DI_NORMAL);
}

void TIcon::LoadFromStream(TStream* Stream) {
  Int64 size = Stream->GetSize() - Stream->GetPosition();
  if (size < 6 + 16) Damaged("the directory is cut short");
  if (size > (1 << 28)) Damaged("too large");
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  Stream->ReadBuffer(bytes.data(), static_cast<Integer>(size));
  const uint8_t* p = bytes.data();
  if (Get16(p) != 0 || Get16(p + 2) != 1 || Get16(p + 4) == 0) Damaged("not an icon file");
  uint32_t length = Get32(p + 6 + 8), offset = Get32(p + 6 + 12);
  if (offset > bytes.size() || length > bytes.size() - offset) Damaged("the image is cut short");
  SetHandle(ReadIconImage(p + offset, length));
}

void TIcon::SaveToStream(TStream* Stream) {
  if (!FHandle) return;
  ICONINFO ii;
  if (!GetIconInfo(FHandle, &ii)) return;
  // A colour image as 32 bits, then the mask's rows; the header states both heights together.
  BITMAP bm;
  GetObject(ii.hbmMask, sizeof bm, &bm);
  int w = bm.bmWidth, h = ii.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
  HBITMAP color = ii.hbmColor;
  if (!color) {  // a monochrome icon: its lower half is the image
    color = CreateBitmap(w, h, 1, 32, nullptr);
    HDC src = CreateCompatibleDC(nullptr), dst = CreateCompatibleDC(nullptr);
    HGDIOBJ os = SelectObject(src, ii.hbmMask), od = SelectObject(dst, color);
    BitBlt(dst, 0, 0, w, h, src, 0, h, SRCCOPY);
    SelectObject(src, os);
    SelectObject(dst, od);
    DeleteDC(src);
    DeleteDC(dst);
  }
  std::vector<uint8_t> colorFile = EncodeBmp(color, true);
  std::vector<uint8_t> maskFile = EncodeBmp(ii.hbmMask, false);
  DeleteObject(color);
  DeleteObject(ii.hbmMask);
  if (colorFile.size() < 54 || maskFile.size() < 54) return;
  std::vector<uint8_t> image(colorFile.begin() + 14, colorFile.end());
  Put32(image.data() + 8, static_cast<uint32_t>(2 * h));
  size_t maskStride = static_cast<size_t>(((w + 31) / 32) * 4);
  uint32_t maskOffset = Get32(maskFile.data() + 10);
  image.insert(image.end(), maskFile.begin() + maskOffset, maskFile.begin() + maskOffset + maskStride * h);
  uint8_t dir[6 + 16] = {};
  Put16(dir + 2, 1);
  Put16(dir + 4, 1);
  dir[6] = static_cast<uint8_t>(w >= 256 ? 0 : w);
  dir[7] = static_cast<uint8_t>(h >= 256 ? 0 : h);
  Put16(dir + 6 + 4, 1);
  Put16(dir + 6 + 6, 32);
  Put32(dir + 6 + 8, static_cast<uint32_t>(image.size()));
  Put32(dir + 6 + 12, sizeof dir);
  Stream->WriteBuffer(dir, sizeof dir);
  Stream->WriteBuffer(image.data(), static_cast<Integer>(image.size()));
}

}  // namespace Graphics
