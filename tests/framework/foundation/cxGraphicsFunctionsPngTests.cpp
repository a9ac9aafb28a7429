// A snapshot of the image drawer's looks: an alpha glyph and a colour-keyed glyph in each mode, at
// their own size and smoothly stretched, written as a PNG for review.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>
#include <vector>

#include "GdiPng.h"
#include "WinUserDraw.h"
#include "cxGraphics.h"

namespace {

// A 16 x 16 premultiplied glyph: an orange disc with a soft rim and a blue dot, transparent corners.
TOwnedPtr<TcxBitmap> AlphaGlyph() {
  auto glyph = NewOwned<TcxBitmap>(16, 16);
  std::vector<RGBQUAD> colors(256);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      double d = std::hypot(x - 7.5, y - 7.5);
      BYTE a = d < 6 ? 255 : d < 7.5 ? static_cast<BYTE>(255 * (7.5 - d) / 1.5) : 0;
      bool dot = std::hypot(x - 9.5, y - 5.5) < 2;
      RGBQUAD c = dot ? RGBQUAD{220, 60, 20, 255} : RGBQUAD{20, 140, 250, 255};
      colors[static_cast<size_t>(y * 16 + x)] = RGBQUAD{static_cast<BYTE>(c.rgbBlue * a / 255),
                                                        static_cast<BYTE>(c.rgbGreen * a / 255),
                                                        static_cast<BYTE>(c.rgbRed * a / 255), a};
    }
  glyph->SetBitmapColors(colors);
  return glyph;
}

// A 16 x 16 24-bit glyph keyed on fuchsia: a green arrow with a dark outline.
TOwnedPtr<TBitmap> KeyedGlyph() {
  auto glyph = NewOwned<TBitmap>();
  glyph->SetPixelFormat(Graphics::pf24bit);
  glyph->SetSize(16, 16);
  TCanvas* c = glyph->GetCanvas();
  c->GetBrush()->SetColor(clFuchsia);
  c->FillRect(TRect(0, 0, 16, 16));
  c->GetBrush()->SetColor(clGreen);
  c->GetPen()->SetColor(static_cast<TColor>(RGB(0, 64, 0)));
  const TPoint arrow[] = {{2, 6}, {8, 6}, {8, 2}, {14, 8}, {8, 14}, {8, 10}, {2, 10}};
  c->Polygon(arrow, 7);
  return glyph;
}

}  // namespace

TEST(cxGraphicsFunctionsPng, EveryImageLookOfAlphaAndKeyedGlyphs) {
  const TcxImageDrawMode modes[] = {idmNormal, idmDisabled, idmFaded, idmGrayScale, idmDingy, idmShadowed};
  const int cell = 40, w = cell * 6, h = cell * 3;
  auto target = NewOwned<TcxBitmap>(w, h);
  HDC dc = target->GetCanvas()->GetHandle();
  target->GetcxCanvas()->FillRect(TRect(0, 0, w, h), clBtnFace);
  auto alpha = AlphaGlyph();
  auto keyed = KeyedGlyph();
  for (int i = 0; i < 6; ++i) {
    TRect cellRect = Bounds(i * cell, 0, cell, cell);
    cxDrawImage(dc, cxRectCenter(cellRect, 16, 16), cellRect, alpha.get(), nullptr, -1, modes[i]);
    cellRect = Bounds(i * cell, cell, cell, cell);
    cxDrawImage(dc, cxRectCenter(cellRect, 16, 16), cellRect, keyed.get(), nullptr, -1, modes[i]);
    cellRect = Bounds(i * cell, 2 * cell, cell, cell);
    cxDrawImage(dc, cxRectInflate(cellRect, -4, -4), cellRect, alpha.get(), nullptr, -1, modes[i], true);
  }
  const std::string file = testing::TempDir() + "cxGraphicsImageLooks.png";
  ASSERT_TRUE(SaveDCToPng(dc, file));
  EXPECT_GT(std::filesystem::file_size(file), 0u);

  // Each look of the alpha glyph differs from every other at the glyph's body and dot, but for the
  // shadowed one: the glyph's own colours, one pixel up and left, over a shadow.
  auto sample = [&](int i) {
    int x = i * cell + 12 - (modes[i] == idmShadowed), y = 12 - (modes[i] == idmShadowed);
    return std::make_pair(GetPixel(dc, x + 7, y + 9) & 0xFFFFFF, GetPixel(dc, x + 9, y + 5) & 0xFFFFFF);
  };
  std::set<std::pair<COLORREF, COLORREF>> looks;
  for (int i = 0; i < 5; ++i) looks.insert(sample(i));
  EXPECT_EQ(looks.size(), 5u);
  EXPECT_EQ(sample(5), sample(0));
  EXPECT_EQ(GetPixel(dc, 5 * cell + 11 + 14, 11 + 14) & 0xFFFFFF, ColorToRGB(clBtnShadow));  // the shadow
  // The transparent corners show the face colour in every look; the stretched glyph fills its cell.
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(GetPixel(dc, i * cell + 12, 12) & 0xFFFFFF, ColorToRGB(clBtnFace)) << i;
    EXPECT_EQ(GetPixel(dc, i * cell + 12, cell + 12) & 0xFFFFFF, ColorToRGB(clBtnFace)) << i;
  }
  EXPECT_NE(GetPixel(dc, 20, 2 * cell + 20) & 0xFFFFFF, ColorToRGB(clBtnFace));
}
