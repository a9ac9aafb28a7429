// The image drawer on a small fixture glyph in each of its looks, with colour-keyed and alpha glyphs;
// hatching, tinting, blending without the system's alpha blend, and resizing to one-pixel sizes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <set>
#include <vector>

#include "GdiPng.h"
#include "WinUserDraw.h"
#include "cxGraphicsBitmaps.h"
#include "cxGraphicsBrushCache.h"
#include "cxGraphicsFunctions.h"
#include "raster/PixelBlend.h"

namespace {

constexpr COLORREF kBack = RGB(200, 200, 200);

RGBQUAD Quad(COLORREF c, BYTE a = 255) { return RGBQUAD{GetBValue(c), GetGValue(c), GetRValue(c), a}; }
COLORREF Rgb(const RGBQUAD& q) { return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue); }
uint32_t PixelWord(const RGBQUAD& q) {
  return q.rgbBlue | q.rgbGreen << 8 | q.rgbRed << 16 | static_cast<uint32_t>(q.rgbReserved) << 24;
}

// A 4 x 4 24-bit glyph: fuchsia (its transparent colour, taken from the bottom-left pixel) with a
// red 2 x 2 block at (1, 1).
TOwnedPtr<TBitmap> ColourKeyedGlyph() {
  auto glyph = NewOwned<TBitmap>();
  glyph->SetPixelFormat(Graphics::pf24bit);
  glyph->SetSize(4, 4);
  TCanvas* c = glyph->GetCanvas();
  c->GetBrush()->SetColor(clFuchsia);
  c->FillRect(TRect(0, 0, 4, 4));
  c->GetBrush()->SetColor(clRed);
  c->FillRect(TRect(1, 1, 3, 3));
  return glyph;
}

class cxDrawImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FDest = NewOwned<TcxBitmap>(8, 8);
    FDest->GetCanvas()->GetBrush()->SetColor(static_cast<TColor>(kBack));
    FDest->GetCanvas()->FillRect(TRect(0, 0, 8, 8));
  }
  void TearDown() override { CustomDrawImageProc = nullptr; }
  HDC DC() { return FDest->GetCanvas()->GetHandle(); }
  COLORREF At(int x, int y) { return FDest->GetCanvas()->GetPixel(x, y) & 0xFFFFFF; }
  void Draw(TBitmap* glyph, TcxImageDrawMode mode) {
    cxDrawImage(DC(), TRect(2, 2, 6, 6), TRect(0, 0, 8, 8), glyph, nullptr, -1, mode);
  }
  TOwnedPtr<TcxBitmap> FDest;
};

// The colour a look gives an opaque pixel, blended over the background at the look's alpha.
COLORREF Over(RGBQUAD look, BYTE alpha) {
  RGBQUAD d = Quad(kBack);
  cxBlendFunction(look, d, alpha);
  return Rgb(d);
}

TEST_F(cxDrawImageTest, ColourKeyedGlyphInEachLook) {
  auto glyph = ColourKeyedGlyph();
  RGBQUAD faded = Quad(clRed), dirty = Quad(clRed);
  TcxBitmap::Scale(faded, FadeMap);
  TcxBitmap::Scale(dirty, GrayMap);
  cxBlendFunction(cxColorToRGBQuad(clBtnShadow, 0xC0), dirty, 238);
  struct TCase {
    const char* Name;
    TcxImageDrawMode Mode;
    COLORREF Inside;  // at (3, 3), a pixel of the red block
  } cases[] = {
      {"normal", idmNormal, RGB(255, 0, 0)},
      {"grayscale", idmGrayScale, RGB(85, 85, 85)},
      {"dingy", idmDingy, RGB(255, 77, 77)},
      {"faded", idmFaded, Over(faded, 64)},
      {"disabled", idmDisabled, Rgb(dirty)},
  };
  for (const TCase& c : cases) {
    SetUp();
    Draw(glyph.get(), c.Mode);
    EXPECT_EQ(At(3, 3), c.Inside) << c.Name;
    EXPECT_EQ(At(2, 2), kBack) << c.Name;  // the transparent colour shows the background
    EXPECT_EQ(At(0, 0), kBack) << c.Name;  // outside the image
  }
}

TEST_F(cxDrawImageTest, DisabledColourKeyedGlyphHasAHighlightEdge) {
  Draw(ColourKeyedGlyph().get(), idmDisabled);
  COLORREF highlight = ColorToRGB(clBtnHighlight);
  // One pixel right and below the block, where the glyph is transparent.
  EXPECT_EQ(At(5, 5), highlight);
  EXPECT_EQ(At(5, 4), highlight);
  EXPECT_EQ(At(4, 5), highlight);
  EXPECT_NE(At(4, 4), highlight);  // the block itself
}

TEST_F(cxDrawImageTest, ShadowedGlyphMovesUpLeftOverItsShadow) {
  Draw(ColourKeyedGlyph().get(), idmShadowed);
  COLORREF shadow = ColorToRGB(clBtnShadow);
  EXPECT_EQ(At(2, 2), RGB(255, 0, 0));
  EXPECT_EQ(At(3, 3), RGB(255, 0, 0));
  EXPECT_EQ(At(4, 4), shadow);
  EXPECT_EQ(At(5, 5), shadow);
  EXPECT_EQ(At(4, 2), kBack);
  EXPECT_EQ(At(6, 6), kBack);
}

TEST_F(cxDrawImageTest, AlphaGlyphBlendsPerPixel) {
  auto glyph = NewOwned<TcxBitmap>(4, 4);
  std::vector<RGBQUAD> colors(16, RGBQUAD{0, 0, 0, 0});
  colors[0] = RGBQUAD{0, 0, 100, 128};  // premultiplied half red, at the bottom-left
  colors[15] = RGBQUAD{0, 200, 0, 255};
  glyph->SetBitmapColors(colors);
  Draw(glyph.get(), idmNormal);
  EXPECT_EQ(At(2, 5), Over(colors[0], 255));
  EXPECT_EQ(At(5, 2), RGB(0, 200, 0));
  EXPECT_EQ(At(3, 3), kBack);  // fully transparent

  SetUp();
  Draw(glyph.get(), idmDisabled);
  RGBQUAD disabled = colors[15];
  TcxBitmap::Scale(disabled, DisableMap);
  EXPECT_EQ(At(5, 2), Over(disabled, DisableMap.SrcConstantAlpha));
}

// A glyph with its own alpha, in a look that changes every pixel by itself or with its shadow, is
// blended straight onto the DC; the pixels are those of the steps through the work bitmaps (forced
// here by a custom drawing that declines), over random backgrounds and glyphs, the image partly
// outside the background rectangle, on a DC with a clip region and a moved origin, drawn with the
// software blend at each vector width and with the system's, and with a shadow colour of black
// (which the shadow bitmap takes for transparent).
TEST(cxDrawImageDirect, GivesThePixelsOfTheWorkBitmapSteps) {
  std::mt19937 random(8);
  auto glyph = NewOwned<TcxBitmap>(16, 16);
  std::vector<RGBQUAD> colors(256);
  for (RGBQUAD& c : colors) {
    const BYTE a = random() % 3 == 0 ? 0 : random() % 2 ? 255 : static_cast<BYTE>(random());
    c = RGBQUAD{static_cast<BYTE>(random() % (a + 1)), static_cast<BYTE>(random() % (a + 1)),
                static_cast<BYTE>(random() % (a + 1)), a};
  }
  glyph->SetBitmapColors(colors);
  const TAlphaBlendFunc software = cxSystemAlphaBlendFunc;
  const INT shadowIndex = COLOR_BTNSHADOW;
  const COLORREF shadowColour = GetSysColor(COLOR_BTNSHADOW), black = 0;
  struct TRoad {
    TAlphaBlendFunc Blend;
    int VectorWidth;
    bool BlackShadow;
  } roads[] = {{software, 16, false}, {software, 8, false}, {software, 4, true},
               {static_cast<TAlphaBlendFunc>(&AlphaBlend), 16, false}};
  for (const TRoad& road : roads)
    for (TcxImageDrawMode mode : {idmNormal, idmDisabled, idmFaded, idmGrayScale, idmDingy, idmShadowed}) {
      cxSystemAlphaBlendFunc = road.Blend;
      LimitVectorWidth(road.VectorWidth);
      SetSysColors(1, &shadowIndex, road.BlackShadow ? &black : &shadowColour);
      std::vector<RGBQUAD> back(24 * 20);
      for (RGBQUAD& c : back) c = RGBQUAD{static_cast<BYTE>(random()), static_cast<BYTE>(random()),
                                          static_cast<BYTE>(random()), static_cast<BYTE>(random())};
      std::vector<RGBQUAD> results[2];
      for (int steps = 0; steps < 2; ++steps) {
        auto dest = NewOwned<TcxBitmap>(24, 20);
        dest->SetBitmapColors(back);
        HDC dc = dest->GetCanvas()->GetHandle();
        SetWindowOrgEx(dc, 1, -2, nullptr);
        ExcludeClipRect(dc, 9, 8, 12, 30);
        CustomDrawImageProc = nullptr;
        if (steps == 1)
          CustomDrawImageProc = [](TcxCanvas*, TCustomImageList*, Integer, TcxImageDrawMode, const TRect&, TBitmap*) {
            return false;
          };
        cxDrawImage(dc, TRect(6, 3, 22, 19), TRect(2, 5, 20, 17), glyph.get(), nullptr, -1, mode);
        results[steps] = dest->GetBitmapColors();
      }
      CustomDrawImageProc = nullptr;
      for (size_t i = 0; i < back.size(); ++i) {
        const RGBQUAD &a = results[0][i], &b = results[1][i];
        ASSERT_TRUE(a.rgbBlue == b.rgbBlue && a.rgbGreen == b.rgbGreen && a.rgbRed == b.rgbRed &&
                    a.rgbReserved == b.rgbReserved)
            << "look " << mode << (road.Blend ? " system blend" : " software blend") << ", " << road.VectorWidth
            << " pixels at a time" << (road.BlackShadow ? ", black shadow" : "") << ", pixel " << i;
      }
    }
  cxSystemAlphaBlendFunc = software;
  LimitVectorWidth(16);
  SetSysColors(1, &shadowIndex, &shadowColour);
}

// A glyph drawn onto its own pixels reads them as they were before the call, as the steps through
// the work bitmaps do.
TEST(cxDrawImageDirect, AGlyphDrawnOntoItselfReadsItsPixelsFirst) {
  std::mt19937 random(3);
  std::vector<RGBQUAD> colors(64);
  for (RGBQUAD& c : colors) {
    const BYTE a = static_cast<BYTE>(random());
    c = RGBQUAD{static_cast<BYTE>(random() % (a + 1)), static_cast<BYTE>(random() % (a + 1)),
                static_cast<BYTE>(random() % (a + 1)), a};
  }
  std::vector<RGBQUAD> results[2];
  for (int steps = 0; steps < 2; ++steps) {
    auto glyph = NewOwned<TcxBitmap>(8, 8);
    glyph->SetBitmapColors(colors);
    if (steps == 1)
      CustomDrawImageProc = [](TcxCanvas*, TCustomImageList*, Integer, TcxImageDrawMode, const TRect&, TBitmap*) {
        return false;
      };
    cxDrawImage(glyph->GetCanvas()->GetHandle(), TRect(1, 2, 9, 10), TRect(0, 0, 8, 8), glyph.get(), nullptr, -1,
                idmNormal);
    CustomDrawImageProc = nullptr;
    results[steps] = glyph->GetBitmapColors();
  }
  for (size_t i = 0; i < colors.size(); ++i)
    EXPECT_EQ(PixelWord(results[0][i]), PixelWord(results[1][i])) << "pixel " << i;
}

// A soft-edged disc with transparent corners in each look, side by side on a grey background (the
// picture goes to the test folder): the corners keep the background, the greyed looks turn the disc
// grey, dingy lightens it, and the shadowed look moves it up and to the left over a shadow that
// falls just below its lowest pixels.
TEST(cxDrawImageDirect, EveryLookOfADisc) {
  constexpr int kSize = 24, kStep = 32;
  auto disc = NewOwned<TcxBitmap>(kSize, kSize);
  std::vector<RGBQUAD> colors(kSize * kSize);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const int dx = 2 * x - (kSize - 1), dy = 2 * y - (kSize - 1), d = dx * dx + dy * dy;
      const int a = d < 300 ? 255 : d < 440 ? 128 : 0;
      colors[static_cast<size_t>(y * kSize + x)] =
          RGBQUAD{static_cast<BYTE>(40 * a / 255), static_cast<BYTE>(120 * a / 255), static_cast<BYTE>(230 * a / 255),
                  static_cast<BYTE>(a)};
    }
  disc->SetBitmapColors(colors);
  const TcxImageDrawMode looks[] = {idmNormal, idmDisabled, idmFaded, idmGrayScale, idmDingy, idmShadowed};
  auto dest = NewOwned<TcxBitmap>(kStep * 6, kStep);
  TCanvas* canvas = dest->GetCanvas();
  canvas->GetBrush()->SetColor(static_cast<TColor>(kBack));
  canvas->FillRect(TRect(0, 0, kStep * 6, kStep));
  for (int i = 0; i < 6; ++i) {
    const TRect place(kStep * i + 4, 4, kStep * i + 4 + kSize, 4 + kSize);
    cxDrawImage(canvas->GetHandle(), place, TRect(kStep * i, 0, kStep * (i + 1), kStep), disc.get(), nullptr, -1,
                looks[i]);
  }
  EXPECT_TRUE(SaveDCToPng(canvas->GetHandle(), testing::TempDir() + "cxDrawImage-looks.png"));
  auto at = [&](int look, int x, int y) { return canvas->GetPixel(kStep * look + 4 + x, 4 + y) & 0xFFFFFF; };
  for (int i = 0; i < 6; ++i) EXPECT_EQ(at(i, 0, 0), kBack) << "look " << looks[i];
  const COLORREF centre = at(0, 12, 12);
  EXPECT_EQ(centre, RGB(230, 120, 40));
  for (int i : {1, 2, 3}) {
    const COLORREF c = at(i, 12, 12);
    EXPECT_TRUE(GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c)) << "look " << looks[i];
  }
  const COLORREF dingy = at(4, 12, 12);
  EXPECT_TRUE(GetRValue(dingy) > 230 && GetGValue(dingy) > 120 && GetBValue(dingy) > 40);
  // One of the disc's lowest pixels, (11, 21), casts the shadow at (12, 22), two pixels down and to
  // the right of where the shadowed look draws it; the plain disc leaves the background there.
  EXPECT_EQ(at(5, 11, 11), centre);
  EXPECT_EQ(at(5, 12, 22), static_cast<COLORREF>(ColorToRGB(clBtnShadow)));
  EXPECT_EQ(at(0, 12, 22), kBack);
}

// The software blend of the image drawer is cxBlendFunction, whose double arithmetic rounds each
// channel once: for every source channel with every source alpha, over destinations whose channels
// take the ends of the range and values between, at the constant alphas the drawer uses, at every
// vector width.
TEST(cxSoftwareBlendRows, GiveThePixelsOfTheBlendFunction) {
  std::vector<uint32_t> source(256 * 256), blended(source.size());
  for (uint32_t i = 0; i < source.size(); ++i) source[i] = (i & 0xFF) * 0x010101u | (i >> 8) << 24;
  std::vector<RGBQUAD> expected(source.size());
  const uint32_t backgrounds[] = {0x00000000, 0xFFFFFFFF, 0x01FE7F80, 0x80FF0001, 0x3C5AA5C3, 0xC8C8C8FF};
  for (BYTE constantAlpha : {DisableMap.SrcConstantAlpha, FadeMap.SrcConstantAlpha, BYTE(255)})
    for (uint32_t background : backgrounds) {
      // RGBQUAD and the pixel words share their layout: blue first in memory.
      for (size_t i = 0; i < source.size(); ++i) {
        std::memcpy(static_cast<void*>(&expected[i]), &background, 4);
        cxBlendFunction(reinterpret_cast<const RGBQUAD&>(source[i]), expected[i], constantAlpha);
      }
      for (int width : {4, 8, 16}) {
        LimitVectorWidth(width);
        std::fill(blended.begin(), blended.end(), background);
        BlendOnceRow(blended.data(), source.data(), static_cast<int>(source.size()), constantAlpha);
        if (std::memcmp(blended.data(), expected.data(), blended.size() * 4) == 0) continue;
        for (size_t i = 0; i < source.size(); ++i)
          ASSERT_EQ(blended[i], PixelWord(expected[i]))
              << std::hex << source[i] << " over " << background << std::dec << ", constant alpha "
              << int(constantAlpha) << ", " << width << " pixels at a time";
      }
    }
  LimitVectorWidth(16);
}

TEST_F(cxDrawImageTest, NothingToDrawLeavesTheDestination) {
  cxDrawImage(DC(), TRect(2, 2, 6, 6), TRect(0, 0, 8, 8), nullptr, nullptr, 0, idmNormal);
  auto empty = NewOwned<TBitmap>();
  Draw(empty.get(), idmNormal);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(At(i, i), kBack);
}

TEST_F(cxDrawImageTest, ACustomDrawingTakesOver) {
  static TRect seen;
  CustomDrawImageProc = [](TcxCanvas* ACanvas, TCustomImageList*, Integer, TcxImageDrawMode, const TRect& R,
                           TBitmap*) {
    seen = R;
    ACanvas->FillRect(R, clBlue);
    return true;
  };
  cxDrawImage(DC(), TRect(3, 3, 7, 7), TRect(1, 1, 8, 8), ColourKeyedGlyph().get(), nullptr, -1, idmNormal);
  EXPECT_EQ(seen.left, 2);  // relative to the background rect
  EXPECT_EQ(seen.top, 2);
  EXPECT_EQ(At(4, 4), RGB(0, 0, 255));
  EXPECT_EQ(At(2, 2), kBack);
}

TEST_F(cxDrawImageTest, ABrushFillsTheBackground) {
  HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
  cxDrawImage(DC(), TRect(2, 2, 6, 6), TRect(1, 1, 7, 7), ColourKeyedGlyph().get(), nullptr, -1, idmNormal, false,
              brush);
  DeleteObject(brush);
  EXPECT_EQ(At(1, 1), RGB(0, 0, 255));
  EXPECT_EQ(At(2, 2), RGB(0, 0, 255));
  EXPECT_EQ(At(3, 3), RGB(255, 0, 0));
  EXPECT_EQ(At(0, 0), kBack);
}

// ---- Hatching, tinting, blending, resizing -----------------------------------------------------------------

TEST(cxGraphicsDrawing, HatchPaintsOnlyItsRect) {
  auto dest = NewOwned<TcxBitmap>(6, 6);
  cxDrawHatch(dest->GetCanvas()->GetHandle(), TRect(1, 1, 5, 5), clRed, clBlue, 2);
  TCanvas* c = dest->GetCanvas();
  EXPECT_EQ(c->GetPixel(0, 0) & 0xFFFFFF, 0u);
  EXPECT_EQ(c->GetPixel(5, 5) & 0xFFFFFF, 0u);
  // Cells of 2 x 2 alternate; the rect's bottom-left cell (bottom-up rows) has the first colour.
  EXPECT_EQ(c->GetPixel(1, 4) & 0xFFFFFF, static_cast<uint32_t>(clRed));
  EXPECT_EQ(c->GetPixel(3, 4) & 0xFFFFFF, static_cast<uint32_t>(clBlue));
  EXPECT_EQ(c->GetPixel(3, 2) & 0xFFFFFF, static_cast<uint32_t>(clRed));
}

TEST(cxGraphicsDrawing, TintBlendsTheColourIntoTheRectOnly) {
  auto bitmap = NewOwned<TcxBitmap>(4, 4, RGBQUAD{255, 255, 255, 255});
  cxAlphaBlend(bitmap.get(), TRect(1, 1, 3, 3), clRed, 128);
  std::vector<RGBQUAD> colors = bitmap->GetBitmapColors();  // bottom-up
  const RGBQUAD& inside = colors[1 * 4 + 1];
  EXPECT_EQ(inside.rgbRed, 255);   // 127 + 128
  EXPECT_EQ(inside.rgbGreen, 127);
  EXPECT_EQ(inside.rgbBlue, 127);
  EXPECT_EQ(inside.rgbReserved, 127);
  EXPECT_EQ(colors[0].rgbGreen, 255);
  // A rect outside the bitmap changes nothing.
  cxAlphaBlend(bitmap.get(), TRect(10, 10, 20, 20), clRed, 128);
  EXPECT_EQ(bitmap->GetBitmapColors()[0].rgbGreen, 255);
}

class cxSoftwareBlend : public ::testing::Test {
 protected:
  void SetUp() override {
    FSaved = cxSystemAlphaBlendFunc;
    cxSystemAlphaBlendFunc = nullptr;
  }
  void TearDown() override { cxSystemAlphaBlendFunc = FSaved; }
  TAlphaBlendFunc FSaved = nullptr;
};

TEST_F(cxSoftwareBlend, ConstantAlphaOverBitmapsOfAnyFormat) {
  for (Graphics::TPixelFormat format : {Graphics::pf24bit, Graphics::pf32bit, Graphics::pfDevice}) {
    auto back = NewOwned<TBitmap>(), source = NewOwned<TBitmap>(), result = NewOwned<TBitmap>();
    for (TBitmap* b : {back.get(), source.get(), result.get()}) {
      b->SetPixelFormat(format);
      b->SetSize(5, 3);
    }
    back->GetCanvas()->GetBrush()->SetColor(static_cast<TColor>(RGB(0, 100, 200)));
    back->GetCanvas()->FillRect(TRect(0, 0, 5, 3));
    source->GetCanvas()->GetBrush()->SetColor(static_cast<TColor>(RGB(200, 100, 0)));
    source->GetCanvas()->FillRect(TRect(0, 0, 5, 3));
    cxAlphaBlend(result.get(), back.get(), source.get(), 51);  // a fifth of the source
    for (int x : {0, 4})
      for (int y : {0, 2}) EXPECT_EQ(result->GetCanvas()->GetPixel(x, y) & 0xFFFFFF, RGB(40, 100, 160)) << format;
  }
}

TEST_F(cxSoftwareBlend, PerPixelOverADeviceContext) {
  auto dest = NewOwned<TcxBitmap>(2, 1, RGBQUAD{0, 0, 200, 255});
  auto source = NewOwned<TcxBitmap>(2, 1);
  source->SetBitmapColors({RGBQUAD{0, 100, 0, 128}, RGBQUAD{0, 0, 0, 0}});
  cxAlphaBlend(dest->GetCanvas()->GetHandle(), source.get(), TRect(0, 0, 2, 1), TRect(0, 0, 2, 1));
  RGBQUAD expected{0, 0, 200, 255};
  cxBlendFunction(RGBQUAD{0, 100, 0, 128}, expected, 255);
  std::vector<RGBQUAD> colors = dest->GetBitmapColors();
  EXPECT_EQ(Rgb(colors[0]), Rgb(expected));
  EXPECT_EQ(Rgb(colors[1]), RGB(200, 0, 0));
}

TEST(cxGraphicsDrawing, SmoothResizeToOnePixelOnEitherAxis) {
  for (bool software : {false, true}) {
    auto source = NewOwned<TcxBitmap>(6, 4, RGBQUAD{50, 100, 150, 255});
    struct TSizeCase {
      int W, H;
    } sizes[] = {{1, 4}, {6, 1}, {1, 1}, {12, 9}};
    for (const TSizeCase& s : sizes) {
      auto dest = NewOwned<TcxBitmap>(s.W, s.H);
      cxSmoothResizeBitmap(source.get(), dest.get(), software);
      for (const RGBQUAD& q : dest->GetBitmapColors()) {
        EXPECT_NEAR(q.rgbGreen, 100, 5) << s.W << "x" << s.H << (software ? " software" : " system");
        EXPECT_NEAR(q.rgbRed, 150, 5);
      }
    }
    auto empty = NewOwned<TcxBitmap>();
    cxSmoothResizeBitmap(source.get(), empty.get(), software);  // nothing to do
    cxSmoothResizeBitmap(empty.get(), source.get(), software);
  }
}

TEST(cxGraphicsDrawing, TrueColorAndMaskFromAColourKeyedBitmap) {
  auto glyph = ColourKeyedGlyph();
  auto trueColor = NewOwned<TBitmap>();
  cxMakeTrueColorBitmap(glyph.get(), trueColor.get());
  EXPECT_EQ(trueColor->GetPixelFormat(), Graphics::pf32bit);
  std::vector<RGBQUAD> colors = GetBitmapBits(trueColor.get(), true);
  ASSERT_EQ(colors.size(), 16u);
  EXPECT_EQ(colors[0].rgbReserved, 0);  // the transparent colour is cleared
  EXPECT_EQ(colors[0].rgbRed, 0);
  EXPECT_EQ(colors[5].rgbReserved, 255);
  EXPECT_EQ(colors[5].rgbRed, 255);

  auto mask = NewOwned<TcxBitmap>(4, 4);
  cxMakeMaskBitmap(glyph.get(), mask.get());
  EXPECT_EQ(mask->GetCanvas()->GetPixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(mask->GetCanvas()->GetPixel(1, 1) & 0xFFFFFF, 0u);
}

TEST(cxGraphicsDrawing, BitmapBitsRoundTripAndEmptyTheArray) {
  auto bitmap = NewOwned<TcxBitmap>(3, 2);
  TRGBColors colors(6, RGBQUAD{1, 2, 3, 4});
  colors[0] = RGBQUAD{9, 9, 9, 9};  // top-left, top-down
  SetBitmapBits(bitmap.get(), colors, true);
  EXPECT_TRUE(colors.empty());
  EXPECT_EQ(bitmap->GetCanvas()->GetPixel(0, 0) & 0xFFFFFF, RGB(9, 9, 9));
  TRGBColors bottomUp = GetBitmapBits(bitmap.get(), false);
  EXPECT_EQ(bottomUp[3].rgbRed, 9);
  TRGBColors tooFew(2);
  SetBitmapBits(bitmap.get(), tooFew, true);  // ignored rather than read past its end
  EXPECT_EQ(bitmap->GetCanvas()->GetPixel(0, 0) & 0xFFFFFF, RGB(9, 9, 9));
}

}  // namespace

namespace {

// ---- Shapes, origins and image-list plumbing ---------------------------------------------------------------

TEST(cxGraphicsDrawing, ArrowsPointAtTheSideFromBothAnchors) {
  auto target = NewOwned<TcxBitmap>(40, 40, RGBQUAD{255, 255, 255, 255});
  TCanvas* c = target->GetCanvas();
  cxDrawArrows(c, TRect(20, 10, 30, 30), bLeft, clRed);
  // The shafts of both arrows: above the top anchor and below the bottom one, at the rect's left.
  EXPECT_EQ(c->GetPixel(20, 3) & 0xFFFFFF, static_cast<uint32_t>(clRed));
  EXPECT_EQ(c->GetPixel(20, 36) & 0xFFFFFF, static_cast<uint32_t>(clRed));
  // The default pen is the colour inverted: the tip's outline is cyan.
  EXPECT_EQ(c->GetPixel(20, 9) & 0xFFFFFF, static_cast<uint32_t>(clAqua));
  EXPECT_EQ(c->GetPixel(30, 20) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(cxGraphicsDrawing, HalfToneIsACheckerboardOfBothColours) {
  auto target = NewOwned<TcxBitmap>(8, 8);
  TCanvas* c = target->GetCanvas();
  HDC dc = c->GetHandle();
  SetTextColor(dc, RGB(1, 2, 3));
  cxFillHalfToneRect(c, TRect(0, 0, 8, 8), clRed, clBlue);
  EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));  // restored
  std::set<uint32_t> seen;
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) seen.insert(c->GetPixel(x, y) & 0xFFFFFF);
  EXPECT_EQ(seen, (std::set<uint32_t>{static_cast<uint32_t>(clRed), static_cast<uint32_t>(clBlue)}));
  EXPECT_EQ(c->GetPixel(0, 0), c->GetPixel(1, 1));
  EXPECT_NE(c->GetPixel(0, 0), c->GetPixel(1, 0));
}

TEST(cxGraphicsDrawing, DesignRectIsFilledFramedShadowedAndExcluded) {
  auto target = NewOwned<TcxBitmap>(40, 40, RGBQUAD{255, 255, 255, 255});
  TcxCanvas* c = target->GetcxCanvas();
  cxDrawDesignRect(c, TRect(5, 5, 25, 25), false);
  // Both rects are left outside the clip: a fill afterwards paints around them only.
  c->FillRect(TRect(0, 0, 40, 40), clBlue);
  SelectClipRgn(c->GetHandle(), nullptr);  // read every pixel
  TCanvas* pixels = c->GetCanvas();
  EXPECT_EQ(pixels->GetPixel(5, 5) & 0xFFFFFF, dxOffice11::Dark(0xA0FFA0, 50));  // the frame
  EXPECT_EQ(pixels->GetPixel(25, 25) & 0xFFFFFF, ColorToRGB(clBtnShadow));      // the shadow's corner
  EXPECT_EQ(pixels->GetPixel(30, 2) & 0xFFFFFF, static_cast<uint32_t>(clBlue));
  EXPECT_EQ(pixels->GetPixel(4, 4) & 0xFFFFFF, static_cast<uint32_t>(clBlue));
  std::set<uint32_t> inside;
  for (int x = 6; x < 24; ++x) inside.insert(pixels->GetPixel(x, 15) & 0xFFFFFF);
  EXPECT_TRUE(inside.count(0xA0FFA0)) << "fill";
  EXPECT_TRUE(inside.count(dxOffice11::Dark(0xA0FFA0, 75))) << "hatch lines";
  EXPECT_FALSE(inside.count(static_cast<uint32_t>(clBlue)));
  cxDrawDesignRect(c, TRect(5, 5, 5, 25), true);  // empty: nothing
}

TEST(cxGraphicsDrawing, CanvasOriginIsSwappedWithTheRectsTopLeft) {
  auto target = NewOwned<TcxBitmap>(8, 8);
  TRect r(3, 4, 100, 100);
  cxSetCanvasOrg(target->GetCanvas(), r);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right, 100);
  cxSetCanvasOrg(target->GetCanvas(), r);
  EXPECT_EQ(r.left, 3);
  EXPECT_EQ(r.top, 4);
}

TEST(cxGraphicsDrawing, SetImageListMovesTheLinkAndNotifies) {
  auto first = NewOwned<TImageList>(), second = NewOwned<TImageList>();
  auto owner = NewOwned<TComponent>();
  auto link = NewOwned<TChangeLink>();
  int changes = 0;
  link->OnChange = [&](TObject*) { ++changes; };
  TCustomImageList* field = nullptr;
  cxSetImageList(first.get(), field, link.get(), owner.get());
  EXPECT_EQ(field, first.get());
  EXPECT_EQ(link->GetSender(), first.get());
  EXPECT_EQ(changes, 1);
  cxSetImageList(first.get(), field, link.get(), owner.get());  // unchanged: nothing
  EXPECT_EQ(changes, 1);
  cxSetImageList(second.get(), field, link.get(), owner.get());
  EXPECT_EQ(link->GetSender(), second.get());
  first->SetBkColor(clRed);
  EXPECT_EQ(changes, 2);  // no longer linked to the first list
  second->SetBkColor(clRed);
  EXPECT_EQ(changes, 3);
  cxSetImageList(nullptr, field, link.get(), owner.get());
  EXPECT_EQ(field, nullptr);
  EXPECT_EQ(changes, 4);  // told also when the list goes
}

}  // namespace

namespace {

TEST(cxGraphicsDrawing, CopyImageOffsetsDifferBetweenBitmapsAndCanvases) {
  auto source = NewOwned<TcxBitmap>(10, 10);
  source->GetCanvas()->SetPixel(3, 4, clRed);
  // Bitmaps: the source area is moved by the second point, the destination area by the first.
  auto dest = NewOwned<TcxBitmap>(10, 10);
  cxCopyImage(source.get(), dest.get(), TPoint(5, 5), TPoint(2, 2), TRect(1, 2, 3, 4));
  EXPECT_EQ(dest->GetCanvas()->GetPixel(6, 7) & 0xFFFFFF, static_cast<uint32_t>(clRed));
  // Canvases: the other way round.
  auto other = NewOwned<TcxBitmap>(10, 10);
  cxCopyImage(source->GetCanvas(), other->GetCanvas(), TPoint(2, 2), TPoint(5, 5), TRect(1, 2, 3, 4));
  EXPECT_EQ(other->GetCanvas()->GetPixel(6, 7) & 0xFFFFFF, static_cast<uint32_t>(clRed));
}

TEST(cxGraphicsDrawing, ImageListDrawingStylesAndTypes) {
  auto list = NewOwned<TImageList>();
  list->SetWidth(4);  // 4 x 4 images
  list->SetHeight(4);
  list->AddMasked(ColourKeyedGlyph().get(), clFuchsia);
  auto target = NewOwned<TcxBitmap>(8, 4, RGBQUAD{0, 255, 0, 255});
  HDC dc = target->GetCanvas()->GetHandle();
  cxDrawImageList(list->GetHandle(), 0, dc, TPoint(0, 0), dsTransparent, itImage);
  cxDrawImageList(list->GetHandle(), 0, dc, TPoint(4, 0), dsNormal, itMask);
  TCanvas* c = target->GetCanvas();
  EXPECT_EQ(c->GetPixel(0, 0) & 0xFFFFFF, static_cast<uint32_t>(clLime));  // transparent
  EXPECT_EQ(c->GetPixel(1, 1) & 0xFFFFFF, static_cast<uint32_t>(clRed));
  EXPECT_EQ(c->GetPixel(4, 0) & 0xFFFFFF, 0xFFFFFFu);  // the mask: white where transparent
  EXPECT_EQ(c->GetPixel(5, 1) & 0xFFFFFF, 0u);
}

}  // namespace
