// Colour-keyed copies, alpha blending and gradient fills.
#include <algorithm>
#include <cmath>

#include "GdiBlit.h"
#include "raster/PixelBlend.h"
#include "raster/ShapeSpans.h"

namespace WinGdi {

BOOL TransparentBlt(HDC dest, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, int srcWidth,
                    int srcHeight, UINT transparentColor) {
  TDCObj* d = DCOf(dest);
  TDCObj* s = DCOf(src);
  if (!d || !s || width < 0 || height < 0 || srcWidth < 0 || srcHeight < 0) return FALSE;
  TBlit b;
  if (!PrepareBlit(b, d, x, y, width, height, s, xSrc, ySrc, srcWidth, srcHeight, false)) return FALSE;
  TPaintContext pc(d);
  if (!pc.Ok()) return FALSE;
  uint32_t key = ColorToPixel(transparentColor & 0x00FFFFFF);
  const TPaintTarget& t = pc.Target();
  pc.Clip().ForEachRectWithin(b.Map.Dest, [&](const RECT& r) {
    for (int yy = r.top; yy < r.bottom; ++yy) {
      uint32_t* row = t.Surface->Scanline(yy + t.Origin.y) + t.Origin.x;
      const uint32_t* sourceRow = b.Map.SameSizeRow(yy, r.left, r.right);
      for (int xx = r.left; xx < r.right; ++xx) {
        uint32_t p;
        if (sourceRow) p = sourceRow[xx - r.left];
        else if (!b.Map.Fetch(xx, yy, p)) continue;
        if ((p & 0x00FFFFFF) == key) continue;
        p = b.Convert(p);
        row[xx] = t.Mono ? SnapMono(p) : p;
      }
    }
  });
  return TRUE;
}

BOOL AlphaBlend(HDC dest, int x, int y, int width, int height, HDC src, int xSrc, int ySrc, int srcWidth,
                int srcHeight, BLENDFUNCTION blend) {
  TDCObj* d = DCOf(dest);
  TDCObj* s = DCOf(src);
  if (!d || !s || blend.BlendOp != AC_SRC_OVER || width < 0 || height < 0 || srcWidth < 0 || srcHeight < 0)
    return FALSE;
  // The source rectangle must lie within the source surface.
  TGdiSurface* ss = s->Target();
  if (!ss) return FALSE;
  POINT s0 = ToDevice(s->S, POINT{xSrc, ySrc}), s1 = ToDevice(s->S, POINT{xSrc + srcWidth, ySrc + srcHeight});
  if (std::min(s0.x, s1.x) + s->Origin.x < 0 || std::min(s0.y, s1.y) + s->Origin.y < 0 ||
      std::max(s0.x, s1.x) + s->Origin.x > ss->Width() || std::max(s0.y, s1.y) + s->Origin.y > ss->Height())
    return FALSE;
  TBlit b;
  if (!PrepareBlit(b, d, x, y, width, height, s, xSrc, ySrc, srcWidth, srcHeight, false)) return FALSE;
  TPaintContext pc(d);
  if (!pc.Ok()) return FALSE;
  const TPaintTarget& t = pc.Target();
  const uint32_t sca = blend.SourceConstantAlpha;
  // Per-pixel sources are premultiplied: dest = src * sca + dest * (1 - srcAlpha * sca).
  const bool perPixel = (blend.AlphaFormat & AC_SRC_ALPHA) != 0;
  pc.Clip().ForEachRectWithin(b.Map.Dest, [&](const RECT& r) {
    for (int yy = r.top; yy < r.bottom; ++yy) {
      uint32_t* row = t.Surface->Scanline(yy + t.Origin.y) + t.Origin.x;
      if (const uint32_t* src = b.Map.SameSizeRow(yy, r.left, r.right); src && !t.Mono) {
        AlphaBlendRow(row + r.left, src, r.right - r.left, sca, perPixel);
        continue;
      }
      for (int xx = r.left; xx < r.right; ++xx) {
        uint32_t sp;
        if (!b.Map.Fetch(xx, yy, sp)) continue;
        const uint32_t out = AlphaBlendPixel(row[xx], sp, sca, perPixel);
        row[xx] = t.Mono ? SnapMono(out) : out;
      }
    }
  });
  return TRUE;
}

BOOL GradientFill(HDC dc, const TRIVERTEX* v, ULONG vertexCount, const void* mesh, ULONG meshCount, ULONG mode) {
  TDCObj* d = DCOf(dc);
  if (!d || !v || !mesh || mode > GRADIENT_FILL_TRIANGLE) return FALSE;
  TPaintContext pc(d);
  if (!pc.Ok()) return FALSE;
  const TPaintTarget& t = pc.Target();
  auto colorAt = [](const TRIVERTEX& a, const TRIVERTEX& b, double f) {
    auto mix = [f](COLOR16 p, COLOR16 q) {
      double c = (p + (static_cast<double>(q) - p) * f) / 256.0;
      return static_cast<uint32_t>(std::clamp(c, 0.0, 255.0));
    };
    return (mix(a.Red, b.Red) << 16) | (mix(a.Green, b.Green) << 8) | mix(a.Blue, b.Blue) | (mix(a.Alpha, b.Alpha) << 24);
  };
  auto put = [&](int x, int y, uint32_t p) {
    uint32_t* row = t.Surface->Scanline(y + t.Origin.y) + t.Origin.x;
    row[x] = t.Mono ? SnapMono(p) : p;
  };
  for (ULONG m = 0; m < meshCount; ++m) {
    if (mode != GRADIENT_FILL_TRIANGLE) {
      const auto& g = static_cast<const GRADIENT_RECT*>(mesh)[m];
      if (g.UpperLeft >= vertexCount || g.LowerRight >= vertexCount) return FALSE;
      const TRIVERTEX &a = v[g.UpperLeft], &b = v[g.LowerRight];
      POINT pa = ToDevice(d->S, POINT{a.x, a.y}), pb = ToDevice(d->S, POINT{b.x, b.y});
      RECT area{std::min(pa.x, pb.x), std::min(pa.y, pb.y), std::max(pa.x, pb.x), std::max(pa.y, pb.y)};
      bool horizontal = mode == GRADIENT_FILL_RECT_H;
      // The colour runs from the first vertex's side to the second's.
      const TRIVERTEX& first = horizontal ? (pa.x <= pb.x ? a : b) : (pa.y <= pb.y ? a : b);
      const TRIVERTEX& last = &first == &a ? b : a;
      double span = horizontal ? double(area.right) - area.left : double(area.bottom) - area.top;
      for (const RECT& r : pc.Clip().RectsWithin(area))
        for (int y = r.top; y < r.bottom; ++y)
          for (int x = r.left; x < r.right; ++x) {
            double pos = horizontal ? double(x) - area.left : double(y) - area.top;
            put(x, y, colorAt(first, last, span > 1 ? pos / span : 0.0));
          }
    } else {
      const auto& g = static_cast<const GRADIENT_TRIANGLE*>(mesh)[m];
      if (g.Vertex1 >= vertexCount || g.Vertex2 >= vertexCount || g.Vertex3 >= vertexCount) return FALSE;
      const TRIVERTEX* tv[3] = {&v[g.Vertex1], &v[g.Vertex2], &v[g.Vertex3]};
      POINT p[3];
      for (int i = 0; i < 3; ++i) p[i] = ToDevice(d->S, POINT{tv[i]->x, tv[i]->y});
      double den = double(p[1].y - p[2].y) * (p[0].x - p[2].x) + double(p[2].x - p[1].x) * (p[0].y - p[2].y);
      if (den == 0) continue;
      int three = 3;
      TPixelRegion tri = TPixelRegion::FromSpans(PolygonSpans(p, &three, 1, ALTERNATE, pc.Clip().Box()));
      for (const RECT& r : TPixelRegion::Combine(tri, pc.Clip(), roAnd).Rects())
        for (int y = r.top; y < r.bottom; ++y)
          for (int x = r.left; x < r.right; ++x) {
            double w0 = (double(p[1].y - p[2].y) * (x - p[2].x) + double(p[2].x - p[1].x) * (y - p[2].y)) / den;
            double w1 = (double(p[2].y - p[0].y) * (x - p[2].x) + double(p[0].x - p[2].x) * (y - p[2].y)) / den;
            double w2 = 1 - w0 - w1;
            auto ch = [&](COLOR16 TRIVERTEX::*f) {
              double c = (w0 * (tv[0]->*f) + w1 * (tv[1]->*f) + w2 * (tv[2]->*f)) / 256.0;
              return static_cast<uint32_t>(std::clamp(c, 0.0, 255.0));
            };
            put(x, y, (ch(&TRIVERTEX::Red) << 16) | (ch(&TRIVERTEX::Green) << 8) | ch(&TRIVERTEX::Blue) |
                          (ch(&TRIVERTEX::Alpha) << 24));
          }
    }
  }
  return TRUE;
}

}  // namespace WinGdi
