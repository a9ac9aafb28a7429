#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "GdiTestCanvas.h"
#include "raster/PixelBlend.h"

namespace {

// A 32-bit DIB section with its bits, selected into a memory DC.
struct TDib {
  HDC DC;
  HBITMAP Bitmap;
  HGDIOBJ Old;
  uint32_t* Bits = nullptr;
  TDib(int w, int h, bool topDown) {
    BITMAPINFO bi{};
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = topDown ? -h : h;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    Bitmap = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    Bits = static_cast<uint32_t*>(bits);
    DC = CreateCompatibleDC(nullptr);
    Old = SelectObject(DC, Bitmap);
  }
  ~TDib() {
    SelectObject(DC, Old);
    DeleteObject(Bitmap);
    DeleteDC(DC);
  }
};

}  // namespace

TEST(Bitmaps, DibSectionRowsFollowTheirOrientation) {
  for (bool topDown : {true, false}) {
    TDib dib(3, 2, topDown);
    ASSERT_NE(dib.Bits, nullptr);
    SetPixel(dib.DC, 1, 0, RGB(255, 0, 0));  // top row
    int row = topDown ? 0 : 1;               // where the top row lives in memory
    EXPECT_EQ(dib.Bits[row * 3 + 1] & 0xFFFFFF, 0xFF0000u) << topDown;
    dib.Bits[(1 - row) * 3 + 2] = 0x0000FF;  // bottom row, blue, written by the caller
    EXPECT_EQ(GetPixel(dib.DC, 2, 1), RGB(0, 0, 255)) << topDown;
  }
}

TEST(Bitmaps, MonochromeAndColourConvertThroughTheDCColours) {
  // Colour to monochrome: the source's background colour becomes white, everything else black.
  TTestCanvas colour(3, 1);
  SetPixel(colour.DC, 0, 0, RGB(0, 255, 0));
  SetPixel(colour.DC, 1, 0, RGB(255, 0, 0));
  SetBkColor(colour.DC, RGB(0, 255, 0));
  HDC mono = CreateCompatibleDC(nullptr);
  HBITMAP bm = CreateBitmap(3, 1, 1, 1, nullptr);
  HGDIOBJ old = SelectObject(mono, bm);
  EXPECT_EQ(CreateCompatibleBitmap(mono, 2, 2) != nullptr, true);
  BitBlt(mono, 0, 0, 3, 1, colour.DC, 0, 0, SRCCOPY);
  EXPECT_EQ(GetPixel(mono, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(mono, 1, 0), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(mono, 2, 0), RGB(0, 0, 0));
  // Monochrome to colour: black takes the text colour, white the background colour.
  TTestCanvas out(3, 1);
  SetTextColor(out.DC, RGB(1, 2, 3));
  SetBkColor(out.DC, RGB(200, 100, 50));
  BitBlt(out.DC, 0, 0, 3, 1, mono, 0, 0, SRCCOPY);
  EXPECT_EQ(out.At(0, 0), RGB(200, 100, 50));
  EXPECT_EQ(out.At(1, 0), RGB(1, 2, 3));
  // A bitmap compatible with a memory DC holding the default bitmap is monochrome.
  HDC fresh = CreateCompatibleDC(nullptr);
  HBITMAP compat = CreateCompatibleBitmap(fresh, 4, 4);
  BITMAP info;
  GetObject(compat, sizeof info, &info);
  EXPECT_EQ(info.bmBitsPixel, 1);
  DeleteObject(compat);
  DeleteDC(fresh);
  SelectObject(mono, old);
  DeleteObject(bm);
  DeleteDC(mono);
}

TEST(Bitmaps, BitsRoundTripThroughEveryDibFormat) {
  TTestCanvas c(5, 3);
  const COLORREF colours[3] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(255, 0, 0)};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) SetPixel(c.DC, x, y, colours[(x + y) % 3]);
  HBITMAP bm = static_cast<HBITMAP>(GetCurrentObject(c.DC, OBJ_BITMAP));
  for (int bpp : {4, 8, 24, 32}) {
    std::vector<char> info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
    auto* bi = reinterpret_cast<BITMAPINFO*>(info.data());
    bi->bmiHeader.biWidth = 5;
    bi->bmiHeader.biHeight = 3;
    bi->bmiHeader.biBitCount = static_cast<WORD>(bpp);
    std::vector<uint8_t> bits(((5 * bpp + 31) / 32) * 4 * 3);
    ASSERT_EQ(GetDIBits(c.DC, bm, 0, 3, bits.data(), bi, DIB_RGB_COLORS), 3) << bpp;
    TTestCanvas back(5, 3);
    HBITMAP target = static_cast<HBITMAP>(GetCurrentObject(back.DC, OBJ_BITMAP));
    ASSERT_EQ(SetDIBits(back.DC, target, 0, 3, bits.data(), bi, DIB_RGB_COLORS), 3) << bpp;
    EXPECT_EQ(back.Art(), c.Art()) << bpp;
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x) EXPECT_EQ(back.At(x, y), c.At(x, y)) << bpp << " " << x << "," << y;
  }
}

TEST(Bitmaps, StretchingMirrorsWithNegativeExtents) {
  TTestCanvas src(3, 1);
  SetPixel(src.DC, 0, 0, RGB(0, 0, 0));
  TTestCanvas dst(6, 2);
  StretchBlt(dst.DC, 0, 0, 6, 2, src.DC, 0, 0, 3, 1, SRCCOPY);
  EXPECT_EQ(dst.Art(), Rows({"##....", "##...."}));
  StretchBlt(dst.DC, 6, 0, -6, 2, src.DC, 0, 0, 3, 1, SRCCOPY);  // mirrored copy of [0, 6)
  EXPECT_EQ(dst.Art(), Rows({"....##", "....##"}));
  // Halftone shrinking averages the source.
  TTestCanvas checker(2, 2);
  SetPixel(checker.DC, 0, 0, 0);
  SetPixel(checker.DC, 1, 1, 0);
  TTestCanvas one(1, 1);
  SetStretchBltMode(one.DC, HALFTONE);
  StretchBlt(one.DC, 0, 0, 1, 1, checker.DC, 0, 0, 2, 2, SRCCOPY);
  EXPECT_EQ(one.At(0, 0), RGB(128, 128, 128));
}

// A one-to-one AlphaBlend, which blends whole rows at once, puts exactly the pixels of the per-pixel
// formula: per channel (src * sca + 127) / 255 + (dest * (255 - srcAlpha) + 127) / 255, at most 255,
// srcAlpha = (alpha * sca + 127) / 255 for per-pixel alpha and sca otherwise; over random pixels and
// alphas, rows of several widths (one pixel to 34, ending in every step of the row loop), with and
// without a clip region.
TEST(Bitmaps, AlphaBlendOfWholeRowsMatchesThePerPixelFormula) {
  std::mt19937 random(9);
  TTestCanvas src(60, 40);
  TGdiSurface* s = GetDCSurface(src.DC);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x) s->SetPixel(x, y, static_cast<uint32_t>(random()));
  for (int vectorWidth : {4, 8, 16})  // every width of the blending steps the processor has
  for (BYTE sca : {255, 200, 1, 0})
    for (bool perPixel : {true, false})
      for (int width = 1; width <= 40; width += 13 - width % 7) {
        TTestCanvas dest(64, 42);
        TGdiSurface* d = GetDCSurface(dest.DC);
        for (int y = 0; y < 42; ++y)
          for (int x = 0; x < 64; ++x) d->SetPixel(x, y, static_cast<uint32_t>(random()));
        std::vector<uint32_t> expected;
        for (int y = 0; y < 42; ++y)
          for (int x = 0; x < 64; ++x) expected.push_back(d->Pixel(x, y));
        const bool clipped = width % 2 == 0;
        if (clipped) ExcludeClipRect(dest.DC, 9, 0, 11, 42);
        LimitVectorWidth(vectorWidth);
        BLENDFUNCTION blend{AC_SRC_OVER, 0, sca, static_cast<BYTE>(perPixel ? AC_SRC_ALPHA : 0)};
        ASSERT_TRUE(AlphaBlend(dest.DC, 3, 1, width, 39, src.DC, 7, 0, width, 39, blend));
        for (int y = 1; y < 40; ++y)
          for (int x = 3; x < 3 + width; ++x) {
            if (clipped && (x == 9 || x == 10)) continue;
            const uint32_t sp = s->Pixel(x + 4, y - 1);
            uint32_t& dp = expected[static_cast<size_t>(y) * 64 + x];
            const uint32_t srcA = perPixel ? ((sp >> 24) * sca + 127) / 255 : sca;
            uint32_t out = 0;
            for (int c = 0; c < 4; ++c) {
              const uint32_t v = (((sp >> (8 * c)) & 0xFF) * sca + 127) / 255 + (((dp >> (8 * c)) & 0xFF) * (255 - srcA) + 127) / 255;
              out |= std::min<uint32_t>(v, 255) << (8 * c);
            }
            dp = out;
          }
        for (int y = 0; y < 42; ++y)
          for (int x = 0; x < 64; ++x)
            ASSERT_EQ(d->Pixel(x, y), expected[static_cast<size_t>(y) * 64 + x])
                << "sca " << int(sca) << (perPixel ? " per pixel" : "") << " width " << width << " at " << x << "," << y
                << ", " << vectorWidth << " pixels at a time";
      }
}

// The blend rounded once gives the pixels of its per-pixel formula at every width, over random rows
// of every length up to 40 (so that each step of the row loop ends a row), and at sca 255 those of
// AlphaBlend with per-pixel alpha.
TEST(Bitmaps, BlendRoundedOnceOfWholeRowsMatchesThePerPixelFormula) {
  std::mt19937 random(12);
  for (int vectorWidth : {4, 8, 16})
    for (uint32_t sca : {255u, 151u, 64u, 1u, 0u})
      for (int count = 1; count <= 40; ++count) {
        std::vector<uint32_t> dest(count), src(count);
        for (int i = 0; i < count; ++i) dest[i] = static_cast<uint32_t>(random()), src[i] = static_cast<uint32_t>(random());
        std::vector<uint32_t> blended = dest;
        LimitVectorWidth(vectorWidth);
        BlendOnceRow(blended.data(), src.data(), count, sca);
        for (int i = 0; i < count; ++i) {
          ASSERT_EQ(blended[i], BlendOncePixel(dest[i], src[i], sca))
              << "sca " << sca << " count " << count << " at " << i << ", " << vectorWidth << " pixels at a time";
          if (sca == 255) {
            ASSERT_EQ(blended[i], AlphaBlendPixel(dest[i], src[i], 255, true));
          }
        }
      }
}

TEST(Bitmaps, TransparentAlphaAndMaskedCopies) {
  TTestCanvas src(2, 1);
  SetPixel(src.DC, 0, 0, RGB(255, 0, 255));  // the colour key
  SetPixel(src.DC, 1, 0, RGB(0, 0, 255));
  TTestCanvas dst(2, 1, RGB(0, 255, 0));
  ASSERT_TRUE(TransparentBlt(dst.DC, 0, 0, 2, 1, src.DC, 0, 0, 2, 1, RGB(255, 0, 255)));
  EXPECT_EQ(dst.At(0, 0), RGB(0, 255, 0));
  EXPECT_EQ(dst.At(1, 0), RGB(0, 0, 255));

  // Constant alpha mixes; a source rectangle outside the source is refused.
  BLENDFUNCTION half{AC_SRC_OVER, 0, 128, 0};
  TTestCanvas white(1, 1), black(1, 1, 0);
  ASSERT_TRUE(AlphaBlend(white.DC, 0, 0, 1, 1, black.DC, 0, 0, 1, 1, half));
  EXPECT_EQ(white.At(0, 0), RGB(127, 127, 127));
  EXPECT_FALSE(AlphaBlend(white.DC, 0, 0, 1, 1, black.DC, 0, 0, 2, 1, half));
  // Per-pixel alpha: a premultiplied half-transparent red over white.
  TDib pre(1, 1, true);
  pre.Bits[0] = 0x80800000;
  TTestCanvas w2(1, 1);
  BLENDFUNCTION perPixel{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  ASSERT_TRUE(AlphaBlend(w2.DC, 0, 0, 1, 1, pre.DC, 0, 0, 1, 1, perPixel));
  EXPECT_EQ(w2.At(0, 0), RGB(255, 127, 127));

  // MaskBlt: white mask pixels take the foreground operation, black ones the background one.
  const uint8_t maskBits[2] = {0x80, 0};  // "white, black"
  HBITMAP mask = CreateBitmap(2, 1, 1, 1, maskBits);
  TTestCanvas m(2, 1, RGB(0, 255, 0));
  ASSERT_TRUE(MaskBlt(m.DC, 0, 0, 2, 1, src.DC, 0, 0, mask, 0, 0, MAKEROP4(SRCCOPY, 0x00AA0029)));
  EXPECT_EQ(m.At(0, 0), RGB(255, 0, 255));
  EXPECT_EQ(m.At(1, 0), RGB(0, 255, 0));
  DeleteObject(mask);
}

TEST(Bitmaps, GradientsRunFromTheFirstVertexToTheLast) {
  TTestCanvas c(5, 5);
  TRIVERTEX v[2] = {{0, 0, 0, 0, 0, 0}, {5, 5, 0xFF00, 0, 0, 0}};
  GRADIENT_RECT g{0, 1};
  ASSERT_TRUE(GradientFill(c.DC, v, 2, &g, 1, GRADIENT_FILL_RECT_H));
  EXPECT_EQ(c.At(0, 2), RGB(0, 0, 0));
  EXPECT_EQ(c.At(4, 2), RGB(204, 0, 0));
  EXPECT_EQ(c.At(2, 0), c.At(2, 4));  // horizontal: columns are even
  ASSERT_TRUE(GradientFill(c.DC, v, 2, &g, 1, GRADIENT_FILL_RECT_V));
  EXPECT_EQ(c.At(0, 2), c.At(4, 2));
  GRADIENT_RECT bad{0, 7};
  EXPECT_FALSE(GradientFill(c.DC, v, 2, &bad, 1, GRADIENT_FILL_RECT_H));
}

TEST(Bitmaps, GetPixelAnswersInvalidOutsideTheClip) {
  TTestCanvas c(4, 4);
  EXPECT_EQ(GetPixel(c.DC, 4, 0), CLR_INVALID);
  IntersectClipRect(c.DC, 0, 0, 2, 2);
  EXPECT_EQ(GetPixel(c.DC, 3, 3), CLR_INVALID);
  EXPECT_EQ(SetPixel(c.DC, 3, 3, 0), CLR_INVALID);
  EXPECT_EQ(GetPixel(c.DC, 1, 1), RGB(255, 255, 255));
  // Absurd sizes are refused rather than allocated.
  EXPECT_EQ(CreateBitmap(100000, 100000, 1, 32, nullptr), nullptr);
  EXPECT_EQ(CreateCompatibleBitmap(c.DC, -1, 5), nullptr);
}
