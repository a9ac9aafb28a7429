#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>

#include "GdiObjects.h"
#include "GdiTestCanvas.h"
#include "GdiText.h"
#include "raster/PixelBlend.h"

namespace {

const char* const kSong = "\xE5\xAE\x8B\xE4\xBD\x93";                        // 宋体
const char* const kChinese = "\xE6\x8B\x8D\xE5\x8D\x96\xE8\xAE\xA1\xE6\x97\xB6";  // 拍卖计时

HFONT MakeFont(const char* face, int height, int weight = FW_NORMAL, int escapement = 0) {
  LOGFONT lf;
  lf.lfHeight = height;
  lf.lfWeight = weight;
  lf.lfEscapement = escapement;
  lf.lfCharSet = DEFAULT_CHARSET;
  std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
  return CreateFontIndirect(&lf);
}

// The bounding box of the pixels that differ from white.
RECT InkBox(const TTestCanvas& c) {
  RECT r{c.Width, c.Height, -1, -1};
  for (int y = 0; y < c.Height; ++y)
    for (int x = 0; x < c.Width; ++x)
      if (c.At(x, y) != RGB(255, 255, 255)) {
        r.left = std::min<LONG>(r.left, x), r.top = std::min<LONG>(r.top, y);
        r.right = std::max<LONG>(r.right, x + 1), r.bottom = std::max<LONG>(r.bottom, y + 1);
      }
  return r;
}

}  // namespace

TEST(Text, HeightsFollowTheCharacterAndCellRules) {
  TTestCanvas c(4, 4);
  for (const char* face : {kSong, "Tahoma", "Arial"}) {
    HFONT em = MakeFont(face, -12), cell = MakeFont(face, 16);
    TEXTMETRIC a, b;
    HGDIOBJ old = SelectObject(c.DC, em);
    GetTextMetrics(c.DC, &a);
    SelectObject(c.DC, cell);
    GetTextMetrics(c.DC, &b);
    SelectObject(c.DC, old);
    // Negative: the em is 12 pixels, so the cell minus its internal leading is 12.
    EXPECT_EQ(a.tmHeight - a.tmInternalLeading, 12) << face;
    EXPECT_EQ(a.tmHeight, a.tmAscent + a.tmDescent) << face;
    // Positive: the cell itself is 16 pixels.
    EXPECT_EQ(b.tmHeight, 16) << face;
    EXPECT_TRUE(a.tmPitchAndFamily & TMPF_TRUETYPE) << face;
    DeleteObject(em);
    DeleteObject(cell);
  }
}

TEST(Text, FacesMapToInstalledFamilies) {
  TTestCanvas c(4, 4);
  struct Case {
    const char* Face;
    const char* Family;
  } cases[] = {{kSong, "AR PL UMing CN"}, {"SimSun", "AR PL UMing CN"}, {"Tahoma", "Liberation Sans"},
               {"MS Sans Serif", "Liberation Sans"}, {"Courier New", "Liberation Mono"}};
  for (const Case& k : cases) {
    HFONT f = MakeFont(k.Face, -12);
    HGDIOBJ old = SelectObject(c.DC, f);
    char name[64];
    GetTextFaceA(c.DC, sizeof name, name);
    EXPECT_STREQ(name, k.Family) << k.Face;
    SelectObject(c.DC, old);
    DeleteObject(f);
  }
}

TEST(Text, MeasuredExtentIsWhatIsDrawn) {
  for (const char* face : {kSong, "Tahoma"}) {
    for (const char* text : {"Wg", kChinese, "Auction \xE8\xAE\xA1\xE6\x97\xB6 0:59"}) {
      TTestCanvas c(200, 30);
      HFONT f = MakeFont(face, -12);
      HGDIOBJ old = SelectObject(c.DC, f);
      SetBkMode(c.DC, OPAQUE);
      SetBkColor(c.DC, RGB(0, 0, 0));  // the opaque background shows the measured cell exactly
      SIZE size;
      ASSERT_TRUE(GetTextExtentPoint32(c.DC, text, static_cast<int>(std::strlen(text)), &size));
      TextOut(c.DC, 5, 3, text, static_cast<int>(std::strlen(text)));
      EXPECT_EQ(InkBox(c), (RECT{5, 3, 5 + size.cx, 3 + size.cy})) << face << " " << text;
      SelectObject(c.DC, old);
      DeleteObject(f);
    }
  }
}

TEST(Text, ChineseDrawsGlyphsInEveryFace) {
  // A Latin face has no Chinese glyphs: they come from the CJK face behind it.
  for (const char* face : {kSong, "Tahoma"}) {
    TTestCanvas c(80, 20);
    HFONT f = MakeFont(face, -12);
    HGDIOBJ old = SelectObject(c.DC, f);
    SetBkMode(c.DC, TRANSPARENT);
    TextOut(c.DC, 0, 0, kChinese, static_cast<int>(std::strlen(kChinese)));
    SIZE size;
    GetTextExtentPoint32(c.DC, kChinese, static_cast<int>(std::strlen(kChinese)), &size);
    EXPECT_EQ(size.cx, 48) << face;  // four full-width characters of 12 pixels
    int ink = 0;
    for (int i = 0; i < 4; ++i) {  // each character cell has ink of its own
      int cellInk = 0;
      for (int y = 0; y < 20; ++y)
        for (int x = i * 12; x < i * 12 + 12; ++x) cellInk += c.At(x, y) != RGB(255, 255, 255);
      EXPECT_GT(cellInk, 10) << face << " character " << i;
      ink += cellInk;
    }
    SelectObject(c.DC, old);
    DeleteObject(f);
  }
}

TEST(Text, ExtentsCountBytesAndNeverSplitACharacter) {
  TTestCanvas c(4, 4);
  HFONT f = MakeFont(kSong, -12);
  HGDIOBJ old = SelectObject(c.DC, f);
  const char* text = "A\xE8\xAE\xA1" "B";  // A 计 B: 5 bytes, 3 characters
  INT fit = -1, dx[5];
  SIZE size;
  ASSERT_TRUE(GetTextExtentExPoint(c.DC, text, 5, 10, &fit, dx, &size));
  EXPECT_EQ(fit, 1);  // the Chinese character does not fit in 10 pixels; no part of it is counted
  EXPECT_EQ(dx[1], dx[3]);
  EXPECT_EQ(dx[4], size.cx);
  ASSERT_TRUE(GetTextExtentExPoint(c.DC, text, 5, dx[3], &fit, nullptr, nullptr));
  EXPECT_EQ(fit, 4);
  // Character spacing and justification widen the line.
  SIZE plain, spaced;
  GetTextExtentPoint32(c.DC, "a b c", 5, &plain);
  SetTextCharacterExtra(c.DC, 2);
  SetTextJustification(c.DC, 3, 2);
  GetTextExtentPoint32(c.DC, "a b c", 5, &spaced);
  EXPECT_EQ(spaced.cx, plain.cx + 5 * 2 + 3);
  SelectObject(c.DC, old);
  DeleteObject(f);
}

TEST(Text, AlignmentMovesTheReferencePoint) {
  TTestCanvas c(120, 40);
  HFONT f = MakeFont("Tahoma", -14);
  HGDIOBJ old = SelectObject(c.DC, f);
  SetBkColor(c.DC, 0);
  TEXTMETRIC tm;
  GetTextMetrics(c.DC, &tm);
  SIZE s;
  GetTextExtentPoint32(c.DC, "Hi", 2, &s);
  SetTextAlign(c.DC, TA_RIGHT | TA_BASELINE);
  TextOut(c.DC, 100, 30, "Hi", 2);
  EXPECT_EQ(InkBox(c), (RECT{100 - s.cx, 30 - tm.tmAscent, 100, 30 + tm.tmDescent}));
  // TA_UPDATECP draws at the current position and moves it on.
  c.Clear(RGB(255, 255, 255));
  SetTextAlign(c.DC, TA_UPDATECP);
  MoveToEx(c.DC, 10, 2, nullptr);
  TextOut(c.DC, 0, 0, "Hi", 2);
  POINT p;
  GetCurrentPositionEx(c.DC, &p);
  EXPECT_EQ(p, (POINT{10 + s.cx, 2}));
  SelectObject(c.DC, old);
  DeleteObject(f);
}

TEST(Text, RotatedTextRunsAlongItsEscapement) {
  TTestCanvas c(40, 120);
  HFONT f = MakeFont("Tahoma", -14, FW_NORMAL, 900);  // reads bottom to top
  HGDIOBJ old = SelectObject(c.DC, f);
  SetBkMode(c.DC, TRANSPARENT);
  TextOut(c.DC, 5, 110, "Vertical", 8);
  RECT ink = InkBox(c);
  EXPECT_GT(ink.bottom - ink.top, 3 * (ink.right - ink.left));
  EXPECT_LE(ink.bottom, 111);
  SelectObject(c.DC, old);
  DeleteObject(f);
}

// Glyphs laid down four pixels at a time put exactly the pixels of the formula they stand for: per
// colour channel (dest * (255 - a) + ink * a + 127) / 255 with alpha 0 where a glyph covers a pixel in
// part, the ink itself where it covers it wholly, the pixel untouched (alpha too) elsewhere; over a
// background of random colours and alphas, with smoothed and plain faces, cut by a clip rectangle and
// by a clip region.
TEST(Text, GlyphsBlendAsThePerPixelFormula) {
  struct Case {
    const char* Face;
    int Height;
    const char* Text;
    int Clip;  // 0 none, 1 ETO_CLIPPED rectangle, 2 a region with a hole
  };
  const Case cases[] = {{"DejaVu Sans", -17, "Quartz glyph, 0.5%", 0},
                        {kSong, -12, kChinese, 0},
                        {"DejaVu Sans", -23, "Wavy lines", 1},
                        {kSong, -16, kChinese, 2}};
  std::mt19937 random(3);
  // Every width of the blending steps the processor has (the widest stays in use afterwards).
  for (int width : {4, 8, 16})
  for (const Case& k : cases) {
    LimitVectorWidth(width);
    TTestCanvas c(220, 40);
    TGdiSurface* s = GetDCSurface(c.DC);
    for (int y = 0; y < c.Height; ++y)
      for (int x = 0; x < c.Width; ++x) s->SetPixel(x, y, static_cast<uint32_t>(random()));
    std::vector<uint32_t> before;
    for (int y = 0; y < c.Height; ++y)
      for (int x = 0; x < c.Width; ++x) before.push_back(s->Pixel(x, y));
    HFONT font = MakeFont(k.Face, k.Height);
    HGDIOBJ old = SelectObject(c.DC, font);
    SetBkMode(c.DC, TRANSPARENT);
    const COLORREF color = RGB(200, 30, 90);
    SetTextColor(c.DC, color);
    const RECT cut{10, 6, 150, 25};
    std::function<bool(int, int)> visible = [](int, int) { return true; };
    if (k.Clip == 2) {
      ExcludeClipRect(c.DC, 40, 0, 57, 40);
      visible = [](int x, int) { return x < 40 || x >= 57; };
    } else if (k.Clip == 1) {
      visible = [&](int x, int y) { return x >= cut.left && x < cut.right && y >= cut.top && y < cut.bottom; };
    }
    const int len = static_cast<int>(std::strlen(k.Text));
    ExtTextOutA(c.DC, 3, 4, k.Clip == 1 ? ETO_CLIPPED : 0, &cut, k.Text, len, nullptr);
    // The reference: every glyph of the line, pixel by pixel.
    TDCObj* d = DCOf(c.DC);
    TTextLayout l = LayoutText(d, k.Text, len);
    TEXTMETRIC tm;
    GetTextMetrics(c.DC, &tm);
    std::vector<uint32_t> expected = before;
    const uint32_t ink = ColorToPixel(color);
    bool partial = false;
    for (size_t i = 0; i < l.Glyphs.size(); ++i) {
      const TGlyph& g = *l.Glyphs[i];
      const int left = 3 + l.X[i] + g.Left, top = 4 + tm.tmAscent - g.Top;
      for (int y = 0; y < g.H; ++y)
        for (int x = 0; x < g.W; ++x) {
          const int px = left + x, py = top + y;
          const unsigned a = g.Coverage[static_cast<size_t>(y) * g.Stride + x];
          if (!a || px < 0 || py < 0 || px >= c.Width || py >= c.Height || !visible(px, py)) continue;
          uint32_t& p = expected[static_cast<size_t>(py) * c.Width + px];
          if (a == 255) {
            p = ink;
            continue;
          }
          partial = true;
          uint32_t out = 0;
          for (int ch = 0; ch < 3; ++ch)
            out |= ((((p >> (8 * ch)) & 0xFF) * (255 - a) + ((ink >> (8 * ch)) & 0xFF) * a + 127) / 255) << (8 * ch);
          p = out;
        }
    }
    if (k.Height == -17) {
      EXPECT_TRUE(partial) << "a smoothed face covers pixels in part";
    }
    for (int y = 0; y < c.Height; ++y)
      for (int x = 0; x < c.Width; ++x)
        ASSERT_EQ(s->Pixel(x, y), expected[static_cast<size_t>(y) * c.Width + x])
            << k.Face << " at " << x << "," << y << ", " << width << " pixels at a time";
    SelectObject(c.DC, old);
    DeleteObject(font);
  }
}

TEST(Text, FontsUsedInTurnStayRealizedAfterTheirLastHolderLetsGo) {
  // A grid switching between its heading and cell fonts must not open their faces at every switch.
  LOGFONTA heading{}, cell{};
  heading.lfHeight = -16;
  cell.lfHeight = -12;
  std::strncpy(heading.lfFaceName, kSong, LF_FACESIZE - 1);
  std::strncpy(cell.lfFaceName, "Sans", LF_FACESIZE - 1);
  std::weak_ptr<TFontInstance> first = TFontInstance::Realize(heading);
  std::weak_ptr<TFontInstance> other = TFontInstance::Realize(cell);
  ASSERT_FALSE(first.expired());
  EXPECT_EQ(TFontInstance::Realize(heading), first.lock());
  EXPECT_FALSE(other.expired());
}
