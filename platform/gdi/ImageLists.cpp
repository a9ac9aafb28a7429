// The image-list service: the images sit side by side in one 32-bit strip, their masks in one
// monochrome strip (white = transparent), so that callers can blit from IMAGEINFO rectangles.
#include <algorithm>
#include <cstring>
#include <utility>

#include <fstream>
#include <iterator>

#include "GdiBmp.h"
#include "GdiDraw.h"
#include "Resources.h"
#include "WinIcons.h"
#include "WinImageList.h"
#include "WinUserDraw.h"

namespace {

struct TImageListObj : TGdiObj {
  TImageListObj() : TGdiObj(OBJ_IMAGELIST_) {}
  int Cx = 16;
  int Cy = 16;
  UINT Flags = 0;
  int Count = 0;
  COLORREF Bk = CLR_NONE;
  HBITMAP Image = nullptr;
  HBITMAP Mask = nullptr;
  bool Masked() const { return (Flags & ILC_MASK) != 0; }
};

TImageListObj* ListOf(HIMAGELIST h) { return LookupAs<TImageListObj>(h, OBJ_IMAGELIST_); }

TBitmapObj* Strip(HBITMAP b) { return BitmapOf(b); }

// Makes the strips hold `capacity` images, keeping the images there are.
void Reserve(TImageListObj* l, int capacity) {
  TBitmapObj* img = Strip(l->Image);
  int have = img ? img->Pixels.Width() / std::max(1, l->Cx) : 0;
  if (img && have >= capacity) return;
  int cap = std::max({capacity, 4, have * 2});
  auto grow = [&](HBITMAP& strip, int bpp) {
    HBITMAP next = CreateBitmap(cap * l->Cx, l->Cy, 1, bpp, nullptr);
    TBitmapObj* n = Strip(next);
    if (bpp == 1) n->Pixels.Fill(0x00FFFFFF);
    if (TBitmapObj* old = Strip(strip)) {
      for (int y = 0; y < l->Cy; ++y)
        std::copy_n(old->Pixels.Scanline(y), old->Pixels.Width(), n->Pixels.Scanline(y));
      Unuse(old);
      DeleteObject(strip);
    }
    Use(n);  // the list's own: a caller's DeleteObject cannot free it
    strip = next;
  };
  grow(l->Image, 32);
  if (l->Masked()) grow(l->Mask, 1);
}

void Destroy(TImageListObj* l) {
  for (HBITMAP b : {l->Image, l->Mask})
    if (TBitmapObj* o = Strip(b)) {
      Unuse(o);
      DeleteObject(b);
    }
  GdiObjects::Destroy(l);
}

// Copies image `from` of one list onto image `to` of another (same size).
void CopyImage(TImageListObj* dst, int to, const TImageListObj* src, int from) {
  TBitmapObj *di = Strip(dst->Image), *si = Strip(src->Image);
  TBitmapObj *dm = Strip(dst->Mask), *sm = Strip(src->Mask);
  for (int y = 0; y < dst->Cy; ++y)
    for (int x = 0; x < dst->Cx; ++x) {
      di->Pixels.SetPixel(to * dst->Cx + x, y, si->Pixels.Pixel(from * src->Cx + x, y));
      if (dm) dm->Pixels.SetPixel(to * dst->Cx + x, y, sm ? sm->Pixels.Pixel(from * src->Cx + x, y) : 0);
    }
}

// Puts the images of a bitmap at `index` onwards; maskFrom: a monochrome mask bitmap or null;
// key: a colour that becomes transparent (CLR_NONE for none).
int Put(TImageListObj* l, int index, HBITMAP image, HBITMAP mask, COLORREF key, int maxImages) {
  TBitmapObj* src = BitmapOf(image);
  TBitmapObj* msk = mask ? BitmapOf(mask) : nullptr;
  if (!src || (mask && !msk)) return -1;
  src->PullDibBits();
  int n = std::min(src->Pixels.Width() / l->Cx, maxImages);
  if (n <= 0) return -1;
  Reserve(l, index + n);
  TBitmapObj* di = Strip(l->Image);
  TBitmapObj* dm = Strip(l->Mask);
  uint32_t keyPixel = ColorToPixel(key & 0x00FFFFFF);
  for (int i = 0; i < n; ++i)
    for (int y = 0; y < l->Cy; ++y)
      for (int x = 0; x < l->Cx; ++x) {
        int sx = i * l->Cx + x, dx = (index + i) * l->Cx + x;
        uint32_t p = y < src->Pixels.Height() ? src->Pixels.Pixel(sx, y) : 0;
        bool transparent = false;
        if (msk) transparent = msk->Pixels.Contains(sx, y) && (msk->Pixels.Pixel(sx, y) & 0x00FFFFFF) != 0;
        if (key != CLR_NONE && (p & 0x00FFFFFF) == keyPixel) {
          transparent = true;
          p = 0;
        }
        if (src->Bpp == 1) p = (p & 0x00FFFFFF) ? 0x00FFFFFF : 0;
        di->Pixels.SetPixel(dx, y, p);
        if (dm) dm->Pixels.SetPixel(dx, y, transparent ? 0x00FFFFFF : 0);
      }
  l->Count = std::max(l->Count, index + n);
  return index;
}

uint32_t Mix(uint32_t a, uint32_t b, unsigned weightB) {  // weightB of 256
  uint32_t out = 0;
  for (int c = 0; c < 3; ++c) {
    unsigned va = (a >> (8 * c)) & 0xFF, vb = (b >> (8 * c)) & 0xFF;
    out |= ((va * (256 - weightB) + vb * weightB) >> 8) << (8 * c);
  }
  return out;
}

void WriteInt(std::vector<BYTE>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<BYTE>(v >> (8 * i)));
}
bool ReadInt(const BYTE*& p, const BYTE* end, uint32_t& v) {
  if (end - p < 4) return false;
  v = p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24);
  p += 4;
  return true;
}

}  // namespace

namespace WinImageList {

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow) {
  if (cx <= 0 || cy <= 0 || cx > 4096 || cy > 4096) return nullptr;
  auto* l = new TImageListObj();
  l->Cx = cx;
  l->Cy = cy;
  l->Flags = flags;
  Reserve(l, std::clamp(initial, 1, 1024));
  return reinterpret_cast<HIMAGELIST>(Register(l));
}

BOOL ImageList_Destroy(HIMAGELIST list) {
  TImageListObj* l = ListOf(list);
  if (!l) return FALSE;
  Destroy(l);
  return TRUE;
}

HIMAGELIST ImageList_Duplicate(HIMAGELIST list) {
  TImageListObj* l = ListOf(list);
  if (!l) return nullptr;
  HIMAGELIST copy = ImageList_Create(l->Cx, l->Cy, l->Flags, std::max(l->Count, 1), 4);
  TImageListObj* c = ListOf(copy);
  Reserve(c, l->Count);
  for (int i = 0; i < l->Count; ++i) CopyImage(c, i, l, i);
  c->Count = l->Count;
  c->Bk = l->Bk;
  return copy;
}

int ImageList_GetImageCount(HIMAGELIST list) {
  TImageListObj* l = ListOf(list);
  return l ? l->Count : 0;
}

BOOL ImageList_SetImageCount(HIMAGELIST list, UINT count) {
  TImageListObj* l = ListOf(list);
  if (!l || count > 65535) return FALSE;
  Reserve(l, static_cast<int>(count));
  l->Count = static_cast<int>(count);
  return TRUE;
}

BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy) {
  TImageListObj* l = ListOf(list);
  if (!l || !cx || !cy) return FALSE;
  *cx = l->Cx;
  *cy = l->Cy;
  return TRUE;
}

BOOL ImageList_SetIconSize(HIMAGELIST list, int cx, int cy) {
  TImageListObj* l = ListOf(list);
  if (!l || cx <= 0 || cy <= 0 || cx > 4096 || cy > 4096) return FALSE;
  ImageList_Remove(list, -1);
  for (HBITMAP* b : {&l->Image, &l->Mask})
    if (TBitmapObj* o = Strip(*b)) {
      Unuse(o);
      DeleteObject(*b);
      *b = nullptr;
    }
  l->Cx = cx;
  l->Cy = cy;
  Reserve(l, 4);
  return TRUE;
}

int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask) {
  TImageListObj* l = ListOf(list);
  if (!l) return -1;
  return Put(l, l->Count, image, l->Masked() ? mask : nullptr, CLR_NONE, 65536);
}

int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF mask) {
  TImageListObj* l = ListOf(list);
  if (!l) return -1;
  return Put(l, l->Count, image, nullptr, l->Masked() ? mask : CLR_NONE, 65536);
}

BOOL ImageList_Replace(HIMAGELIST list, int index, HBITMAP image, HBITMAP mask) {
  TImageListObj* l = ListOf(list);
  if (!l || index < 0 || index >= l->Count) return FALSE;
  return Put(l, index, image, l->Masked() ? mask : nullptr, CLR_NONE, 1) >= 0;
}

int ImageList_ReplaceIcon(HIMAGELIST list, int index, HICON icon) {
  TImageListObj* l = ListOf(list);
  ICONINFO ii;
  if (!l || index < -1 || index >= l->Count || !GetIconInfo(icon, &ii)) return -1;
  int result = -1;
  if (ii.hbmColor) {
    // The icon's colour image is black where its mask is white, as the list keeps masked images.
    auto image = static_cast<HBITMAP>(CopyImage(ii.hbmColor, IMAGE_BITMAP, l->Cx, l->Cy, 0));
    auto mask = static_cast<HBITMAP>(CopyImage(ii.hbmMask, IMAGE_BITMAP, l->Cx, l->Cy, LR_MONOCHROME));
    result = Put(l, index < 0 ? l->Count : index, image, l->Masked() ? mask : nullptr, CLR_NONE, 1);
    DeleteObject(image);
    DeleteObject(mask);
  }
  DeleteObject(ii.hbmColor);
  DeleteObject(ii.hbmMask);
  return result;
}

HICON ImageList_GetIcon(HIMAGELIST list, int index, UINT flags) {
  TImageListObj* l = ListOf(list);
  if (!l || index < 0 || index >= l->Count) return nullptr;
  HBITMAP image = CreateBitmap(l->Cx, l->Cy, 1, 32, nullptr);
  HBITMAP mask = CreateBitmap(l->Cx, l->Cy, 1, 1, nullptr);
  TBitmapObj *di = Strip(image), *dm = Strip(mask);
  TBitmapObj *si = Strip(l->Image), *sm = Strip(l->Mask);
  for (int y = 0; y < l->Cy; ++y)
    for (int x = 0; x < l->Cx; ++x) {
      bool transparent = sm && (sm->Pixels.Pixel(index * l->Cx + x, y) & 0x00FFFFFF) != 0;
      di->Pixels.SetPixel(x, y, transparent ? 0 : si->Pixels.Pixel(index * l->Cx + x, y));
      dm->Pixels.SetPixel(x, y, transparent ? 0x00FFFFFF : 0);
    }
  ICONINFO ii;
  ii.hbmColor = image;
  ii.hbmMask = mask;
  HICON icon = CreateIconIndirect(&ii);
  DeleteObject(image);
  DeleteObject(mask);
  return icon;
}

BOOL ImageList_Remove(HIMAGELIST list, int index) {
  TImageListObj* l = ListOf(list);
  if (!l || index < -1 || index >= l->Count) return FALSE;
  if (index == -1) {
    l->Count = 0;
    return TRUE;
  }
  for (int i = index; i + 1 < l->Count; ++i) CopyImage(l, i, l, i + 1);
  --l->Count;
  return TRUE;
}

BOOL ImageList_Copy(HIMAGELIST dest, int destIndex, HIMAGELIST src, int srcIndex, UINT flags) {
  TImageListObj* d = ListOf(dest);
  TImageListObj* s = ListOf(src);
  if (!d || !s || d != s || destIndex < 0 || srcIndex < 0 || destIndex >= d->Count || srcIndex >= s->Count)
    return FALSE;
  if (destIndex == srcIndex) return TRUE;
  Reserve(d, d->Count + 1);  // a spare cell to swap through
  int spare = d->Count;
  CopyImage(d, spare, d, destIndex);
  CopyImage(d, destIndex, d, srcIndex);
  if (flags & ILCF_SWAP) CopyImage(d, srcIndex, d, spare);
  return TRUE;
}

BOOL ImageList_GetImageInfo(HIMAGELIST list, int index, IMAGEINFO* info) {
  TImageListObj* l = ListOf(list);
  if (!l || !info || index < 0 || index >= l->Count) return FALSE;
  info->hbmImage = l->Image;
  info->hbmMask = l->Mask;
  info->rcImage = RECT{index * l->Cx, 0, (index + 1) * l->Cx, l->Cy};
  return TRUE;
}

COLORREF ImageList_SetBkColor(HIMAGELIST list, COLORREF color) {
  TImageListObj* l = ListOf(list);
  if (!l) return CLR_NONE;
  return std::exchange(l->Bk, color);
}

COLORREF ImageList_GetBkColor(HIMAGELIST list) {
  TImageListObj* l = ListOf(list);
  return l ? l->Bk : CLR_NONE;
}

BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style) {
  return ImageList_DrawEx(list, index, dc, x, y, 0, 0, CLR_DEFAULT, CLR_DEFAULT, style);
}

BOOL ImageList_DrawEx(HIMAGELIST list, int index, HDC dc, int x, int y, int dx, int dy, COLORREF bk, COLORREF fg,
                      UINT style) {
  TImageListObj* l = ListOf(list);
  TDCObj* d = DCOf(dc);
  if (!l || !d || index < 0 || index >= l->Count) return FALSE;
  TPaintContext pc(d);
  if (!pc.Ok()) return FALSE;
  int w = dx > 0 ? std::min(dx, l->Cx) : l->Cx, h = dy > 0 ? std::min(dy, l->Cy) : l->Cy;
  if (bk == CLR_DEFAULT) bk = l->Bk;
  if (style & ILD_TRANSPARENT) bk = CLR_NONE;
  bool maskOnly = (style & ILD_MASK) != 0;
  unsigned blend = (style & ILD_BLEND50) ? 128 : (style & ILD_BLEND25) ? 64 : 0;
  uint32_t fgPixel = ColorPixel(d, fg == CLR_DEFAULT || fg == CLR_NONE ? GetSysColor(COLOR_HIGHLIGHT) : fg);
  uint32_t bkPixel = ColorPixel(d, bk);
  TBitmapObj* img = Strip(l->Image);
  TBitmapObj* msk = Strip(l->Mask);
  // A 32-bit image blends by its alpha, unless it has none at all (then it is opaque).
  bool alpha = false;
  if ((l->Flags & 0xFE) == ILC_COLOR32)
    for (int yy = 0; yy < l->Cy && !alpha; ++yy)
      for (int xx = 0; xx < l->Cx && !alpha; ++xx) alpha = (img->Pixels.Pixel(index * l->Cx + xx, yy) >> 24) != 0;
  POINT at = ToDevice(d->S, POINT{x, y});
  const TPaintTarget& t = pc.Target();
  for (const RECT& r : pc.Clip().RectsWithin(RECT{at.x, at.y, at.x + w, at.y + h}))
    for (int yy = r.top; yy < r.bottom; ++yy) {
      uint32_t* row = t.Surface->Scanline(yy + t.Origin.y) + t.Origin.x;
      for (int xx = r.left; xx < r.right; ++xx) {
        int sx = index * l->Cx + (xx - at.x), sy = yy - at.y;
        bool transparent = msk && (msk->Pixels.Pixel(sx, sy) & 0x00FFFFFF) != 0;
        if (maskOnly) {
          if (msk) row[xx] = transparent ? 0x00FFFFFF : 0;
          else row[xx] = 0;
          continue;
        }
        uint32_t p = img->Pixels.Pixel(sx, sy);
        if (transparent) {
          if (bk != CLR_NONE) row[xx] = bkPixel;
          continue;
        }
        unsigned a = alpha ? (p >> 24) & 0xFF : 255;
        uint32_t out = a == 255 ? (p & 0x00FFFFFF) : Mix(bk != CLR_NONE ? bkPixel : row[xx], p, a + (a >> 7));
        if (blend) out = Mix(out, fgPixel, blend);
        row[xx] = t.Mono ? SnapMono(out) : out;
      }
    }
  return TRUE;
}

HIMAGELIST ImageList_LoadImage(HINSTANCE instance, const char* name, int cx, int grow, COLORREF mask, UINT type,
                               UINT flags) {
  if (type != IMAGE_BITMAP || !name) return nullptr;
  HBITMAP bitmap = nullptr;
  if (flags & LR_LOADFROMFILE) {
    std::ifstream file(name, std::ios::binary);
    if (!file) return nullptr;
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    bitmap = DecodeBmp(bytes.data(), bytes.size());
  } else {
    HRSRC res = FindResource(instance, name, RT_BITMAP);
    if (!res) return nullptr;
    auto* data = static_cast<const uint8_t*>(LockResource(LoadResource(instance, res)));
    size_t size = SizeofResource(instance, res);
    // Compiled-in bitmaps are whole files or, as resource compilers keep them, packed bitmaps.
    bitmap = size >= 2 && data[0] == 'B' && data[1] == 'M' ? DecodeBmp(data, size) : DecodePackedDib(data, size);
  }
  TBitmapObj* b = BitmapOf(bitmap);
  if (!b) return nullptr;
  int h = b->Pixels.Height();
  if (cx <= 0) cx = h;
  HIMAGELIST list = nullptr;
  if (cx > 0 && b->Pixels.Width() >= cx) {
    list = ImageList_Create(cx, h, ILC_COLOR32 | (mask != CLR_NONE ? ILC_MASK : 0), b->Pixels.Width() / cx, grow);
    if (mask == CLR_DEFAULT) mask = PixelToColor(b->Pixels.Pixel(0, 0)) & 0x00FFFFFF;
    if (list) ImageList_AddMasked(list, bitmap, mask);
  }
  DeleteObject(bitmap);
  return list;
}

BOOL ImageList_Write(HIMAGELIST list, std::vector<BYTE>& out) {
  TImageListObj* l = ListOf(list);
  if (!l) return FALSE;
  out.clear();
  WriteInt(out, 0x4C49);  // "IL"
  for (uint32_t v : {uint32_t(l->Cx), uint32_t(l->Cy), uint32_t(l->Flags), uint32_t(l->Count), uint32_t(l->Bk)})
    WriteInt(out, v);
  TBitmapObj* img = Strip(l->Image);
  TBitmapObj* msk = Strip(l->Mask);
  for (int i = 0; i < l->Count; ++i)
    for (int y = 0; y < l->Cy; ++y)
      for (int x = 0; x < l->Cx; ++x) {
        WriteInt(out, img->Pixels.Pixel(i * l->Cx + x, y));
        if (msk) out.push_back((msk->Pixels.Pixel(i * l->Cx + x, y) & 0x00FFFFFF) ? 1 : 0);
      }
  return TRUE;
}

HIMAGELIST ImageList_Read(const BYTE* data, size_t size) {
  if (!data) return nullptr;
  const BYTE *p = data, *end = data + size;
  uint32_t magic, cx, cy, flags, count, bk;
  if (!ReadInt(p, end, magic) || magic != 0x4C49 || !ReadInt(p, end, cx) || !ReadInt(p, end, cy) ||
      !ReadInt(p, end, flags) || !ReadInt(p, end, count) || !ReadInt(p, end, bk))
    return nullptr;
  size_t per = (flags & ILC_MASK) ? 5 : 4;
  if (cx == 0 || cy == 0 || cx > 4096 || cy > 4096 || count > 65535 ||
      static_cast<size_t>(end - p) < size_t(count) * cx * cy * per)
    return nullptr;
  HIMAGELIST h = ImageList_Create(static_cast<int>(cx), static_cast<int>(cy), flags, std::max<int>(count, 1), 4);
  TImageListObj* l = ListOf(h);
  Reserve(l, static_cast<int>(count));
  l->Count = static_cast<int>(count);
  l->Bk = bk;
  TBitmapObj* img = Strip(l->Image);
  TBitmapObj* msk = Strip(l->Mask);
  for (uint32_t i = 0; i < count; ++i)
    for (uint32_t y = 0; y < cy; ++y)
      for (uint32_t x = 0; x < cx; ++x) {
        uint32_t v = 0;
        ReadInt(p, end, v);
        img->Pixels.SetPixel(static_cast<int>(i * cx + x), static_cast<int>(y), v);
        if (per == 5) msk->Pixels.SetPixel(static_cast<int>(i * cx + x), static_cast<int>(y), *p++ ? 0x00FFFFFF : 0);
      }
  return h;
}

}  // namespace WinImageList
