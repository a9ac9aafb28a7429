// Text output and measuring: UTF-8 decoding, the layout that measuring and drawing share, glyph
// blending, TextOut, ExtTextOut and the extent calls.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "GdiDraw.h"
#include "GdiPaths.h"
#include "GdiText.h"
#include "raster/PixelBlend.h"
#include "raster/RasterPaint.h"
#include "raster/ShapeSpans.h"

namespace GdiText {

TChars DecodeUtf8(const char* text, int count) {
  TChars c;
  DecodeUtf8(c, text, count);
  return c;
}

void DecodeUtf8(TChars& c, const char* text, int count) {
  c.Code.clear();
  c.Byte.clear();
  c.Bytes.clear();
  if (!text || count <= 0) return;
  const auto* s = reinterpret_cast<const unsigned char*>(text);
  int i = 0;
  while (i < count) {
    unsigned char b = s[i];
    int len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    char32_t cp = 0xFFFD;
    bool ok = len > 0 && i + len <= count;
    if (ok) {
      cp = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
      for (int k = 1; k < len; ++k) {
        if ((s[i + k] & 0xC0) != 0x80) {
          ok = false;
          break;
        }
        cp = (cp << 6) | (s[i + k] & 0x3F);
      }
    }
    if (!ok) {
      cp = 0xFFFD;
      len = 1;
    }
    c.Code.push_back(cp);
    c.Byte.push_back(i);
    c.Bytes.push_back(len);
    i += len;
  }
}

std::string EncodeUtf8(const char16_t* text, int count) {
  std::string out;
  if (!text) return out;
  if (count < 0) {
    count = 0;
    while (text[count]) ++count;
  }
  for (int i = 0; i < count; ++i) {
    char32_t cp = text[i];
    if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < count && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp < 0xE000) {
      cp = 0xFFFD;
    }
    if (cp < 0x80) out += static_cast<char>(cp);
    else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

TTextLayout LayoutText(TDCObj* dc, const char* text, int count, const INT* dx) {
  TTextLayout l;
  LayoutText(l, dc, text, count, dx);
  return l;
}

void LayoutText(TTextLayout& l, TDCObj* dc, const char* text, int count, const INT* dx) {
  DecodeUtf8(l.Chars, text, count);
  TFontInstance& font = FontOf(dc);
  size_t n = l.Chars.Code.size();
  l.X.assign(n + 1, 0);
  l.Glyphs.resize(n);
  int breaks = dc->S.BreakCount, extra = dc->S.BreakExtra, seen = 0;
  int x = 0;
  for (size_t i = 0; i < n; ++i) {
    l.X[i] = x;
    const TGlyph& g = font.Glyph(l.Chars.Code[i]);
    l.Glyphs[i] = &g;
    if (dx) {
      int adv = 0;
      for (int k = 0; k < l.Chars.Bytes[i]; ++k) adv += dx[l.Chars.Byte[i] + k];
      x += adv;
      continue;
    }
    x += g.Advance + dc->S.CharExtra;
    // Justification spreads the extra pixels over the break characters, the first ones taking the remainder.
    if (breaks > 0 && l.Chars.Code[i] == U' ') {
      x += extra / breaks + (seen < extra % breaks ? 1 : 0);
      ++seen;
    }
  }
  l.X[n] = x;
}

namespace {

struct TFrame {
  double Cos = 1, Sin = 0;
  // A point `along` the baseline and `up` above it, from the reference point.
  POINT At(POINT o, double along, double up) const {
    return POINT{LONG(std::lround(o.x + along * Cos - up * Sin)), LONG(std::lround(o.y - along * Sin - up * Cos))};
  }
};

// Fills the band between `along0` and `along1` and `up0` to `up1` above the baseline.
void FillBand(const TPaintTarget& t, const TFrame& f, POINT o, double a0, double a1, double u0, double u1,
              const TBrushSource& src) {
  if (f.Sin == 0 && f.Cos == 1) {
    RECT r{LONG(o.x + a0), LONG(o.y - u1), LONG(o.x + a1), LONG(o.y - u0)};
    FillRect(t, r, src, R2_COPYPEN);
    return;
  }
  POINT q[4] = {f.At(o, a0, u1), f.At(o, a1, u1), f.At(o, a1, u0), f.At(o, a0, u0)};
  int four = 4;
  FillSpans(t, PolygonSpans(q, &four, 1, WINDING), src, R2_COPYPEN);
}

}  // namespace

namespace {

// The DC's clip, cut to `clip` when given; a rectangle cut to a rectangle needs no region arithmetic.
const TPixelRegion& ClipWithin(const TPixelRegion& dcClip, const RECT* clip, TPixelRegion& storage) {
  if (!clip) return dcClip;
  if (dcClip.Kind() == SIMPLEREGION) {
    const RECT a = dcClip.Box();
    storage = TPixelRegion(RECT{std::max(a.left, clip->left), std::max(a.top, clip->top), std::min(a.right, clip->right),
                                std::min(a.bottom, clip->bottom)});
  } else {
    storage = TPixelRegion::Combine(dcClip, TPixelRegion(*clip), roAnd);
  }
  return storage;
}

// Lays a glyph's coverage over the pixels of one clipped rectangle in the ink colour.
void BlendGlyph(const TPaintTarget& t, const TGlyph& g, const RECT& box, const RECT& r, uint32_t ink) {
  uint32_t* first = t.Surface->Scanline(r.top + t.Origin.y) + t.Origin.x + r.left;
  const uint8_t* cov = g.Coverage.data() + static_cast<size_t>(r.top - box.top) * g.Stride + (r.left - box.left);
  if (!t.Mono) {
    CoverageRect(first, t.Surface->Stride(), cov, g.Stride, r.right - r.left, r.bottom - r.top, ink);
    return;
  }
  for (int y = 0; y < r.bottom - r.top; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(reinterpret_cast<uint8_t*>(first) + static_cast<intptr_t>(y) * t.Surface->Stride());
    for (int x = 0; x < r.right - r.left; ++x)
      if (cov[static_cast<size_t>(y) * g.Stride + x] >= 128) row[x] = ink;
  }
}

}  // namespace

void DrawLayout(TDCObj* dc, const TTextLayout& l, POINT at, const RECT* clip, const RECT* opaqueRect, bool background) {
  TPaintContext pc(dc);
  if (!pc.Ok()) return;
  TFontInstance& font = FontOf(dc);
  const TEXTMETRICA& tm = font.Metrics();
  TFrame f;
  const bool rotated = font.Rotated();
  if (rotated) f = TFrame{std::cos(font.Angle()), std::sin(font.Angle())};
  TPixelRegion clipped;
  const TPixelRegion& region = ClipWithin(pc.Clip(), clip, clipped);
  TPaintTarget t = pc.Target();
  TBrushSource bk = SolidSource(dc, dc->S.BkColor);
  if (opaqueRect) FillRect(t, *opaqueRect, bk, R2_COPYPEN);
  t.Clip = &region;
  if (background && dc->S.BkMode == OPAQUE)
    FillBand(t, f, at, 0, l.Width(), -tm.tmDescent, tm.tmAscent, bk);
  const uint32_t ink = ColorPixel(dc, dc->S.TextColor);
  const RECT bounds = region.Box();
  for (size_t i = 0; i < l.Glyphs.size(); ++i) {
    const TGlyph& g = *l.Glyphs[i];
    if (!g.W || !g.H) continue;
    const POINT pen = rotated ? f.At(at, l.X[i], 0) : POINT{at.x + l.X[i], at.y};
    // The box spans the rows' padding too: uncovered, those pixels stay as they are.
    const RECT box{pen.x + g.Left, pen.y - g.Top, pen.x + g.Left + g.Stride, pen.y - g.Top + g.H};
    if (box.right <= bounds.left || box.left >= bounds.right || box.bottom <= bounds.top || box.top >= bounds.bottom)
      continue;
    region.ForEachRectWithin(box, [&](const RECT& r) { BlendGlyph(t, g, box, r, ink); });
  }
  TBrushSource line = SolidSource(dc, dc->S.TextColor);
  if (tm.tmUnderlined)
    FillBand(t, f, at, 0, l.Width(), -font.UnderlinePos() - font.UnderlineSize() + 1, -font.UnderlinePos() + 1, line);
  if (tm.tmStruckOut)
    FillBand(t, f, at, 0, l.Width(), font.StrikePos() - font.UnderlineSize(), font.StrikePos(), line);
}

void UnderlineChar(TDCObj* dc, const TTextLayout& l, int index, POINT at, const RECT* clip) {
  if (index < 0 || index >= static_cast<int>(l.Glyphs.size())) return;
  TPaintContext pc(dc);
  if (!pc.Ok()) return;
  TFontInstance& font = FontOf(dc);
  TPixelRegion clipped;
  const TPixelRegion& region = ClipWithin(pc.Clip(), clip, clipped);
  TPaintTarget t = pc.Target();
  t.Clip = &region;
  TFrame f;
  if (font.Rotated()) f = TFrame{std::cos(font.Angle()), std::sin(font.Angle())};
  FillBand(t, f, at, l.X[index], l.X[index + 1], -font.UnderlinePos() - font.UnderlineSize() + 1,
           -font.UnderlinePos() + 1, SolidSource(dc, dc->S.TextColor));
}

}  // namespace GdiText

namespace {

// Records the glyph outlines of a line into the DC's open path.
void PathText(TDCObj* d, const TTextLayout& l, POINT at) {
  TFontInstance& font = FontOf(d);
  for (size_t i = 0; i < l.Chars.Code.size(); ++i) {
    std::vector<std::vector<POINT>> figures;
    if (!font.Outline(l.Chars.Code[i], figures)) continue;
    for (auto& fig : figures) {
      for (POINT& p : fig) p = POINT{p.x + at.x + l.X[i], p.y + at.y};
      PathFigure(d, fig);
    }
  }
}

BOOL ExtTextOutUtf8(HDC dc, int x, int y, UINT options, const RECT* rect, const char* text, int count, const INT* dx) {
  TDCObj* d = DCOf(dc);
  if (!d || count < 0 || (count > 0 && !text)) return FALSE;
  std::lock_guard<std::recursive_mutex> lock(TextLock());
  // One layout serves every call (under the text lock), so that a line allocates nothing once the
  // longest line so far has been laid out.
  static TTextLayout l;
  LayoutText(l, d, text, count, dx);
  TFontInstance& font = FontOf(d);
  const TEXTMETRICA& tm = font.Metrics();
  UINT align = d->S.TextAlign;
  POINT ref = ToDevice(d->S, (align & TA_UPDATECP) ? d->S.CurPos : POINT{x, y});
  double c = font.Rotated() ? std::cos(font.Angle()) : 1, s = font.Rotated() ? std::sin(font.Angle()) : 0;
  double along = (align & TA_CENTER) == TA_CENTER ? -l.Width() / 2.0 : (align & TA_CENTER) == TA_RIGHT ? -l.Width() : 0;
  double up = (align & TA_BASELINE) == TA_BASELINE ? 0 : (align & TA_BASELINE) == TA_BOTTOM ? tm.tmDescent : -tm.tmAscent;
  POINT base{LONG(std::lround(ref.x + along * c - up * s)), LONG(std::lround(ref.y - along * s - up * c))};
  RECT device{};
  if (rect) device = ToDeviceRect(d->S, *rect);
  if (Recording(d)) {
    PathText(d, l, base);
  } else {
    DrawLayout(d, l, base, rect && (options & ETO_CLIPPED) ? &device : nullptr,
               rect && (options & ETO_OPAQUE) ? &device : nullptr, true);
  }
  if (align & TA_UPDATECP) {
    double move = (align & TA_CENTER) == TA_CENTER ? 0 : (align & TA_CENTER) == TA_RIGHT ? -l.Width() : l.Width();
    d->S.CurPos = ToLogical(d->S, POINT{LONG(std::lround(ref.x + move * c)), LONG(std::lround(ref.y - move * s))});
  }
  return TRUE;
}

// The per-byte spacing of UTF-8 text from per-unit spacing of its UTF-16 form.
std::vector<INT> SpacingForUtf8(const char16_t* text, int count, const INT* dx, const std::string& utf8) {
  std::vector<INT> out(utf8.size(), 0);
  size_t b = 0;
  for (int i = 0; i < count && b < utf8.size(); ++i) {
    bool pair = text[i] >= 0xD800 && text[i] < 0xDC00 && i + 1 < count;
    int adv = dx[i] + (pair ? dx[i + 1] : 0);
    out[b] = adv;
    unsigned char lead = static_cast<unsigned char>(utf8[b]);
    b += lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : 4;
    if (pair) ++i;
  }
  return out;
}

}  // namespace

namespace WinGdi {

BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int count) {
  return ExtTextOutUtf8(dc, x, y, 0, nullptr, text, count, nullptr);
}

BOOL TextOutW(HDC dc, int x, int y, LPCWSTR text, int count) {
  if (count < 0) return FALSE;
  std::string s = EncodeUtf8(text, count);
  return ExtTextOutUtf8(dc, x, y, 0, nullptr, s.data(), static_cast<int>(s.size()), nullptr);
}

BOOL ExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT count, const INT* dx) {
  if (count > 0x7FFFFFFF) return FALSE;
  return ExtTextOutUtf8(dc, x, y, options, rect, text, static_cast<int>(count), dx);
}

BOOL ExtTextOutW(HDC dc, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT count, const INT* dx) {
  if (count > 0x7FFFFFFF) return FALSE;
  std::string s = EncodeUtf8(text, static_cast<int>(count));
  std::vector<INT> spacing;
  if (dx) spacing = SpacingForUtf8(text, static_cast<int>(count), dx, s);
  return ExtTextOutUtf8(dc, x, y, options, rect, s.data(), static_cast<int>(s.size()), dx ? spacing.data() : nullptr);
}

BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int count, SIZE* size) {
  TDCObj* d = DCOf(dc);
  if (!d || !size || count < 0 || (count > 0 && !text)) return FALSE;
  std::lock_guard<std::recursive_mutex> lock(TextLock());
  TTextLayout l = LayoutText(d, text, count);
  *size = SIZE{l.Width(), FontOf(d).Metrics().tmHeight};
  return TRUE;
}

BOOL GetTextExtentPoint32W(HDC dc, LPCWSTR text, int count, SIZE* size) {
  if (count < 0) return FALSE;
  std::string s = EncodeUtf8(text, count);
  return GetTextExtentPoint32A(dc, s.data(), static_cast<int>(s.size()), size);
}

BOOL GetTextExtentExPointA(HDC dc, LPCSTR text, int count, int maxExtent, INT* fit, INT* dx, SIZE* size) {
  TDCObj* d = DCOf(dc);
  if (!d || count < 0 || (count > 0 && !text)) return FALSE;
  std::lock_guard<std::recursive_mutex> lock(TextLock());
  TTextLayout l = LayoutText(d, text, count);
  int fitted = 0;
  for (size_t i = 0; i < l.Chars.Code.size(); ++i) {
    int end = l.X[i + 1];
    if (fit && end <= maxExtent && fitted == l.Chars.Byte[i]) fitted += l.Chars.Bytes[i];
    if (dx)
      for (int k = 0; k < l.Chars.Bytes[i]; ++k) dx[l.Chars.Byte[i] + k] = end;
  }
  if (fit) *fit = fitted;
  if (size) *size = SIZE{l.Width(), FontOf(d).Metrics().tmHeight};
  return TRUE;
}

}  // namespace WinGdi
