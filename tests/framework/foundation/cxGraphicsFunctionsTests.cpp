// The graphics unit's colour tables and derived colours, the per-pixel blend and the Lanczos-3
// resampling.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "WinUserDraw.h"
#include "cxGraphicsFunctions.h"

namespace {

// ---- Colour names -------------------------------------------------------------------------------------------

TEST(cxColorsByName, HoldsTheCssKeywordsThenTheSystemKeywords) {
  EXPECT_STREQ(cxColorsByName[0].Name, "aliceblue");
  EXPECT_EQ(cxColorsByName[0].Color, 0xFFF8F0);
  EXPECT_STREQ(cxColorsByName[140].Name, "yellowgreen");
  EXPECT_STREQ(cxColorsByName[141].Name, "activeborder");
  EXPECT_STREQ(cxColorsByName[168].Name, "windowtext");
  int css = 0, system = 0, purple = 0;
  for (const TcxColorInfo& info : cxColorsByName) {
    bool isSystem = (static_cast<uint32_t>(info.Color) & 0x80000000u) != 0;
    (isSystem ? system : css)++;
    if (String(info.Name) == "mediumpurple") ++purple;
  }
  EXPECT_EQ(css, 141);  // 140 keywords, "mediumpurple" twice
  EXPECT_EQ(system, 28);
  EXPECT_EQ(purple, 2);
}

TEST(cxColorsByName, LooksUpNamesWithoutCaseAndColoursByFirstRow) {
  struct TCase {
    const char* Name;
    bool Found;
    TColor Color;
  } cases[] = {
      {"WindowText", true, static_cast<TColor>(0x80000008)},
      {"RED", true, 0x0000FF},
      {"lightgrey", true, 0xD3D3D3},
      {"lightgray", false, 0},  // only the "grey" spelling is listed for it
      {"darkslategray", true, 0x4F4F2F},
      {"cornflowerblue", true, 0xED9564},
      {"", false, 0},
      {"notacolour", false, 0},
  };
  for (const TCase& c : cases) {
    TColor color = -1;
    EXPECT_EQ(cxColorByName(c.Name, color), c.Found) << c.Name;
    if (c.Found) EXPECT_EQ(color, c.Color) << c.Name;
  }
  struct TBack {
    TColor Color;
    const char* Name;
  } back[] = {
      {static_cast<TColor>(0x80000010), "buttonshadow"},    // before threedshadow
      {static_cast<TColor>(0x8000000F), "buttonface"},      // before threedface
      {0xFFFF00, "aqua"},                                    // before cyan
      {0xDB7093, "mediumpurple"},
  };
  for (const TBack& b : back) {
    String name;
    EXPECT_TRUE(cxNameByColor(b.Color, name));
    EXPECT_EQ(name, b.Name);
  }
  String name = "unchanged";
  EXPECT_FALSE(cxNameByColor(0x123456, name));
  EXPECT_EQ(name, "unchanged");
}

// ---- Light colours ------------------------------------------------------------------------------------------

class cxLightColors : public ::testing::Test {
 protected:
  void SetColors(COLORREF face, COLORREF highlight, COLORREF window) {
    const INT indexes[] = {COLOR_BTNFACE, COLOR_HIGHLIGHT, COLOR_WINDOW};
    const COLORREF colors[] = {face, highlight, window};
    SetSysColors(3, indexes, colors);
  }
  void TearDown() override { ResetSysColors(); }
};

TEST_F(cxLightColors, DerivedFromFaceHighlightAndWindow) {
  SetColors(RGB(200, 200, 200), RGB(0, 0, 128), RGB(255, 255, 255));
  EXPECT_EQ(static_cast<COLORREF>(GetLightSelColor()), RGB(180, 180, 218));        // -2, 30, 72
  EXPECT_EQ(static_cast<COLORREF>(GetLightDownedSelColor()), RGB(130, 130, 186));  // 14, 44, 40
  EXPECT_EQ(static_cast<COLORREF>(GetLightDownedColor()), RGB(208, 208, 220));     // 11, 9, 73
  EXPECT_EQ(static_cast<COLORREF>(GetLightBtnFaceColor()), RGB(209, 209, 209));    // +16 % of the rest
}

TEST_F(cxLightColors, BlackOrWhiteFaceGivesTheHighlight) {
  for (COLORREF face : {RGB(0, 0, 0), RGB(255, 255, 255)}) {
    SetColors(face, RGB(10, 36, 106), RGB(255, 255, 255));
    EXPECT_EQ(GetLightColor(-2, 30, 72), RGB(10, 36, 106));
  }
}

TEST_F(cxLightColors, ChannelsAreClamped) {
  SetColors(RGB(250, 10, 128), RGB(250, 10, 128), RGB(250, 10, 128));
  EXPECT_EQ(GetLightColor(100, 100, 100), RGB(255, 30, 255));
  EXPECT_EQ(GetLightColor(-100, -100, 0), RGB(0, 0, 0));
}

TEST(cxColorToRGBQuad, ResolvesSystemColoursAndKeepsTheReservedByte) {
  RGBQUAD q = cxColorToRGBQuad(0x332211, 0x44);
  EXPECT_EQ(q.rgbRed, 0x11);
  EXPECT_EQ(q.rgbGreen, 0x22);
  EXPECT_EQ(q.rgbBlue, 0x33);
  EXPECT_EQ(q.rgbReserved, 0x44);
  COLORREF window = GetSysColor(COLOR_WINDOW);
  q = cxColorToRGBQuad(clWindow);
  EXPECT_EQ(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue), window);
  EXPECT_EQ(q.rgbReserved, 0);
}

// ---- Blending -----------------------------------------------------------------------------------------------

RGBQUAD Quad(int b, int g, int r, int a) {
  RGBQUAD q;
  q.rgbBlue = static_cast<BYTE>(b);
  q.rgbGreen = static_cast<BYTE>(g);
  q.rgbRed = static_cast<BYTE>(r);
  q.rgbReserved = static_cast<BYTE>(a);
  return q;
}

bool operator==(const RGBQUAD& a, const RGBQUAD& b) {
  return a.rgbBlue == b.rgbBlue && a.rgbGreen == b.rgbGreen && a.rgbRed == b.rgbRed && a.rgbReserved == b.rgbReserved;
}

TEST(cxBlendFunction, SourceOverWithPremultipliedSource) {
  struct TCase {
    const char* Name;
    RGBQUAD Source, Dest;
    BYTE Alpha;
    RGBQUAD Expected;
  } cases[] = {
      {"opaque source replaces", Quad(10, 20, 30, 255), Quad(200, 200, 200, 255), 255, Quad(10, 20, 30, 255)},
      {"transparent source adds its colour", Quad(10, 20, 30, 0), Quad(100, 100, 100, 100), 255,
       Quad(110, 120, 130, 100)},
      {"sums are clamped", Quad(200, 200, 200, 0), Quad(100, 100, 100, 0), 255, Quad(255, 255, 255, 0)},
      {"constant alpha 0 leaves the destination", Quad(10, 20, 30, 255), Quad(1, 2, 3, 4), 0, Quad(1, 2, 3, 4)},
      {"half constant alpha over white", Quad(0, 0, 0, 255), Quad(255, 255, 255, 255), 128,
       Quad(127, 127, 127, 255)},
      {"half source alpha over empty", Quad(100, 50, 0, 128), Quad(0, 0, 0, 0), 255, Quad(100, 50, 0, 128)},
  };
  for (const TCase& c : cases) {
    RGBQUAD d = c.Dest;
    cxBlendFunction(c.Source, d, c.Alpha);
    EXPECT_TRUE(d == c.Expected) << c.Name << ": " << int(d.rgbBlue) << " " << int(d.rgbGreen) << " "
                                 << int(d.rgbRed) << " " << int(d.rgbReserved);
  }
}

// ---- Lanczos-3 resampling -------------------------------------------------------------------------------------

std::vector<RGBQUAD> Uniform(int w, int h, RGBQUAD q) { return std::vector<RGBQUAD>(static_cast<size_t>(w * h), q); }

TEST(cxLanczos3Resize, SameSizeIsTheIdentity) {
  std::mt19937 random(7);
  std::vector<RGBQUAD> source(6 * 5), dest(6 * 5);
  for (RGBQUAD& q : source) q = Quad(random() % 256, random() % 256, random() % 256, random() % 256);
  cxLanczos3Resize(source.data(), 6, 5, dest.data(), 6, 5);
  for (size_t i = 0; i < source.size(); ++i) EXPECT_TRUE(source[i] == dest[i]) << i;
}

TEST(cxLanczos3Resize, UniformStaysUniformForEveryShapeIncludingOnePixelAxes) {
  const RGBQUAD color = Quad(40, 120, 200, 255);
  struct TCase {
    int SW, SH, DW, DH;
  } cases[] = {{4, 4, 1, 4}, {4, 4, 4, 1}, {4, 4, 1, 1}, {1, 1, 3, 3}, {2, 1, 7, 1},
               {1, 2, 1, 9}, {16, 16, 5, 3}, {3, 3, 16, 16}, {1, 5, 1, 1}};
  for (const TCase& c : cases) {
    std::vector<RGBQUAD> source = Uniform(c.SW, c.SH, color), dest = Uniform(c.DW, c.DH, Quad(0, 0, 0, 0));
    cxLanczos3Resize(source.data(), c.SW, c.SH, dest.data(), c.DW, c.DH);
    for (const RGBQUAD& q : dest) {
      // 8.8 fixed-point weights, each rounded, may lose or gain a little (2 %) on the way.
      EXPECT_NEAR(q.rgbBlue, 40, 5) << c.SW << "x" << c.SH << " -> " << c.DW << "x" << c.DH;
      EXPECT_NEAR(q.rgbGreen, 120, 5);
      EXPECT_NEAR(q.rgbRed, 200, 5);
      EXPECT_NEAR(q.rgbReserved, 255, 5);
    }
  }
}

TEST(cxLanczos3Resize, UpscalingKeepsTheCornerPixels) {
  // The scale (destination - 1) / (source - 1) puts the first and last destination pixels exactly
  // on the first and last source pixels.
  std::vector<RGBQUAD> source = {Quad(0, 10, 20, 255), Quad(250, 240, 230, 255), Quad(30, 60, 90, 128)};
  std::vector<RGBQUAD> dest(9);
  cxLanczos3Resize(source.data(), 3, 1, dest.data(), 9, 1);
  EXPECT_TRUE(dest[0] == source[0]);
  EXPECT_TRUE(dest[4] == source[1]);
  EXPECT_TRUE(dest[8] == source[2]);
}

}  // namespace
