// Icons: an AND mask and a colour image drawn as (dest AND mask) XOR image; and image copies.
#include <algorithm>

#include "GdiDraw.h"
#include "WinIcons.h"

namespace {

struct TIconObj : TGdiObj {
  TIconObj() : TGdiObj(OBJ_ICON_) {}
  ICONINFO Info;  // the icon's own bitmaps
};

TIconObj* IconOf(HICON h) { return LookupAs<TIconObj>(h, OBJ_ICON_); }

// A copy of a bitmap at the given size (0: its own), monochrome or 32-bit, as a DIB section when asked.
HBITMAP CopyBitmap(HBITMAP src, int cx, int cy, bool mono, bool dib) {
  TBitmapObj* s = BitmapOf(src);
  if (!s) return nullptr;
  s->PullDibBits();
  int w = cx > 0 ? cx : s->Pixels.Width(), h = cy > 0 ? cy : s->Pixels.Height();
  HBITMAP out;
  if (dib && !mono) {
    BITMAPINFO bi{};
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h;
    bi.bmiHeader.biBitCount = 32;
    out = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, nullptr, nullptr, 0);
  } else {
    out = CreateBitmap(w, h, 1, mono || s->Bpp == 1 ? 1 : 32, nullptr);
  }
  TBitmapObj* o = BitmapOf(out);
  if (!o) return nullptr;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int sx = static_cast<int>(static_cast<long long>(x) * s->Pixels.Width() / w);
      int sy = static_cast<int>(static_cast<long long>(y) * s->Pixels.Height() / h);
      uint32_t p = s->Pixels.Pixel(sx, sy);
      o->Pixels.SetPixel(x, y, o->Bpp == 1 ? SnapMono(p) : p);
    }
  o->PushDibBits();
  return out;
}

}  // namespace

namespace WinIcons {

HICON CreateIconIndirect(const ICONINFO* info) {
  if (!info || !BitmapOf(info->hbmMask) || (info->hbmColor && !BitmapOf(info->hbmColor))) return nullptr;
  auto* icon = new TIconObj();
  icon->Info = *info;
  icon->Info.hbmMask = CopyBitmap(info->hbmMask, 0, 0, true, false);
  icon->Info.hbmColor = info->hbmColor ? CopyBitmap(info->hbmColor, 0, 0, false, false) : nullptr;
  return static_cast<HICON>(Register(icon));
}

BOOL GetIconInfo(HICON h, ICONINFO* info) {
  TIconObj* icon = IconOf(h);
  if (!icon || !info) return FALSE;
  *info = icon->Info;
  info->hbmMask = CopyBitmap(icon->Info.hbmMask, 0, 0, true, false);
  info->hbmColor = icon->Info.hbmColor ? CopyBitmap(icon->Info.hbmColor, 0, 0, false, false) : nullptr;
  return TRUE;
}

BOOL DestroyIcon(HICON h) {
  TIconObj* icon = IconOf(h);
  if (!icon) return FALSE;
  DeleteObject(icon->Info.hbmMask);
  if (icon->Info.hbmColor) DeleteObject(icon->Info.hbmColor);
  GdiObjects::Destroy(icon);
  return TRUE;
}

HICON CopyIcon(HICON h) {
  TIconObj* icon = IconOf(h);
  return icon ? CreateIconIndirect(&icon->Info) : nullptr;
}

BOOL DrawIconEx(HDC dc, int x, int y, HICON h, int cx, int cy, UINT step, HBRUSH flickerFree, UINT flags) {
  TIconObj* icon = IconOf(h);
  TDCObj* d = DCOf(dc);
  if (!icon || !d) return FALSE;
  TBitmapObj* mask = BitmapOf(icon->Info.hbmMask);
  TBitmapObj* colour = icon->Info.hbmColor ? BitmapOf(icon->Info.hbmColor) : nullptr;
  int w = mask->Pixels.Width();
  // Without a colour image the mask is twice as high: the AND half over the XOR half.
  int h0 = colour ? mask->Pixels.Height() : mask->Pixels.Height() / 2;
  if (cx <= 0) cx = w;
  if (cy <= 0) cy = h0;
  TPaintContext pc(d);
  if (!pc.Ok()) return FALSE;
  POINT at = ToDevice(d->S, POINT{x, y});
  const TPaintTarget& t = pc.Target();
  if (flags == 0) flags = DI_NORMAL;
  for (const RECT& r : pc.Clip().RectsWithin(RECT{at.x, at.y, at.x + cx, at.y + cy}))
    for (int yy = r.top; yy < r.bottom; ++yy) {
      uint32_t* row = t.Surface->Scanline(yy + t.Origin.y) + t.Origin.x;
      int sy = static_cast<int>(static_cast<long long>(yy - at.y) * h0 / cy);
      for (int xx = r.left; xx < r.right; ++xx) {
        int sx = static_cast<int>(static_cast<long long>(xx - at.x) * w / cx);
        uint32_t out = row[xx];
        if (flags & DI_MASK) out &= (mask->Pixels.Pixel(sx, sy) & 0x00FFFFFF) ? 0xFFFFFFFF : 0xFF000000;
        if (flags & DI_IMAGE)
          out ^= (colour ? colour->Pixels.Pixel(sx, sy) : mask->Pixels.Pixel(sx, sy + h0)) & 0x00FFFFFF;
        row[xx] = t.Mono ? SnapMono(out) : out;
      }
    }
  return TRUE;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon) { return DrawIconEx(dc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL); }

HANDLE CopyImage(HANDLE image, UINT type, int cx, int cy, UINT flags) {
  if (type == IMAGE_BITMAP) {
    HBITMAP copy = CopyBitmap(static_cast<HBITMAP>(image), cx, cy, flags & LR_MONOCHROME, flags & LR_CREATEDIBSECTION);
    if (copy && (flags & LR_COPYDELETEORG)) DeleteObject(image);
    return copy;
  }
  if (type == IMAGE_ICON || type == IMAGE_CURSOR) {
    TIconObj* icon = IconOf(static_cast<HICON>(image));
    if (!icon) return nullptr;
    if (flags & LR_DEFAULTSIZE) {
      if (cx == 0) cx = type == IMAGE_ICON ? 32 : 32;
      if (cy == 0) cy = 32;
    }
    ICONINFO info = icon->Info;
    TBitmapObj* m = BitmapOf(info.hbmMask);
    int maskH = info.hbmColor ? cy : (cy > 0 ? 2 * cy : 0);
    info.hbmMask = CopyBitmap(icon->Info.hbmMask, cx, maskH > 0 ? maskH : m->Pixels.Height(), true, false);
    info.hbmColor = icon->Info.hbmColor ? CopyBitmap(icon->Info.hbmColor, cx, cy, flags & LR_MONOCHROME, false) : nullptr;
    HICON copy = CreateIconIndirect(&info);
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (copy && (flags & LR_COPYDELETEORG)) DestroyIcon(static_cast<HICON>(image));
    return copy;
  }
  return nullptr;
}

}  // namespace WinIcons
