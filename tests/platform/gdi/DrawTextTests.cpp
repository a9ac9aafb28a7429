#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "GdiTestCanvas.h"

namespace {

// A canvas with a 13-pixel Tahoma selected and an opaque black text background, so that the ink
// of every drawn line is its measured cell.
struct TTextCanvas : TTestCanvas {
  HFONT Font;
  HGDIOBJ OldFont;
  TEXTMETRIC Tm;
  TTextCanvas(int w, int h, const char* face = "Tahoma") : TTestCanvas(w, h) {
    LOGFONT lf;
    lf.lfHeight = -13;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    Font = CreateFontIndirect(&lf);
    OldFont = SelectObject(DC, Font);
    SetBkColor(DC, 0);
    GetTextMetrics(DC, &Tm);
  }
  ~TTextCanvas() {
    SelectObject(DC, OldFont);
    DeleteObject(Font);
  }
  int Width(const char* s) {
    SIZE sz;
    GetTextExtentPoint32(DC, s, static_cast<int>(std::strlen(s)), &sz);
    return sz.cx;
  }
  RECT Ink() const {
    RECT r{Width_(), Height, -1, -1};
    for (int y = 0; y < Height; ++y)
      for (int x = 0; x < TTestCanvas::Width; ++x)
        if (At(x, y) != RGB(255, 255, 255)) {
          r.left = std::min<LONG>(r.left, x), r.top = std::min<LONG>(r.top, y);
          r.right = std::max<LONG>(r.right, x + 1), r.bottom = std::max<LONG>(r.bottom, y + 1);
        }
    return r;
  }
  int Width_() const { return TTestCanvas::Width; }
};

}  // namespace

TEST(DrawText, CalcRectIsTheExtentThatIsDrawn) {
  const char* texts[] = {"One line", "Two\r\nlines", "Words that wrap across the box width",
                         "\xE6\x8B\x8D\xE5\x8D\x96\xE8\xAE\xA1\xE6\x97\xB6\xE5\x99\xA8\xE8\xBD\xAF\xE4\xBB\xB6"};
  for (const char* t : texts) {
    TTextCanvas c(200, 100, "\xE5\xAE\x8B\xE4\xBD\x93");
    RECT calc{10, 5, 70, 5};
    int h = DrawText(c.DC, t, -1, &calc, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(h, calc.bottom - calc.top) << t;
    EXPECT_LE(calc.right, 70) << t;  // everything here can wrap within the width
    RECT draw{10, 5, 70, 95};
    EXPECT_EQ(DrawText(c.DC, t, -1, &draw, DT_WORDBREAK), h) << t;
    EXPECT_EQ(c.Ink(), calc) << t;
  }
}

TEST(DrawText, WordBreakKeepsWordsWholeAndWrapsChineseAnywhere) {
  TTextCanvas c(10, 10);
  int w = c.Width("aaa bbb");
  RECT r{0, 0, w, 0};
  EXPECT_EQ(DrawText(c.DC, "aaa bbb ccc", -1, &r, DT_WORDBREAK | DT_CALCRECT), 2 * c.Tm.tmHeight);
  // A word longer than the line stays whole (and overflows) unless the edit-control rule applies.
  RECT narrow{0, 0, c.Width("abc"), 0};
  DrawText(c.DC, "abcdefgh", -1, &narrow, DT_WORDBREAK | DT_CALCRECT);
  EXPECT_EQ(narrow.right, c.Width("abcdefgh"));
  RECT edit{0, 0, c.Width("abc"), 0};
  DrawText(c.DC, "abcdefgh", -1, &edit, DT_WORDBREAK | DT_EDITCONTROL | DT_CALCRECT);
  EXPECT_EQ(edit.bottom, 3 * c.Tm.tmHeight);
  // Chinese text breaks between any two characters.
  const char* chinese = "\xE6\x8B\x8D\xE5\x8D\x96\xE8\xAE\xA1\xE6\x97\xB6";  // four characters
  int two = c.Width("\xE6\x8B\x8D\xE5\x8D\x96");
  RECT cjk{0, 0, two, 0};
  EXPECT_EQ(DrawText(c.DC, chinese, -1, &cjk, DT_WORDBREAK | DT_CALCRECT), 2 * c.Tm.tmHeight);
  RECT kept{0, 0, two, 0};
  EXPECT_EQ(DrawText(c.DC, chinese, -1, &kept, DT_WORDBREAK | DT_NOFULLWIDTHCHARBREAK | DT_CALCRECT), c.Tm.tmHeight);
}

TEST(DrawText, EllipsesShortenToFit) {
  TTextCanvas c(10, 10);
  struct Case {
    const char* Text;
    UINT Flag;
    const char* Expected;
  } cases[] = {
      {"Auction timer", DT_END_ELLIPSIS, nullptr},
      {"C:\\data\\auctions\\timer.mdb", DT_PATH_ELLIPSIS, "\\timer.mdb"},
      {"alpha beta gamma", DT_WORD_ELLIPSIS, "alpha..."},
  };
  for (const Case& k : cases) {
    int width = k.Flag == DT_WORD_ELLIPSIS ? c.Width("alpha beta") : c.Width(k.Text) * 2 / 3;
    char buffer[64];
    std::strcpy(buffer, k.Text);
    RECT r{0, 0, width, 20};
    DrawText(c.DC, buffer, -1, &r, DT_SINGLELINE | k.Flag | DT_MODIFYSTRING);
    std::string out = buffer;
    EXPECT_NE(out.find("..."), std::string::npos) << k.Text;
    EXPECT_LE(c.Width(buffer), width) << k.Text;
    if (k.Expected && k.Flag == DT_PATH_ELLIPSIS) {
      EXPECT_EQ(out.substr(out.size() - std::strlen(k.Expected)), k.Expected);
    } else if (k.Expected) {
      EXPECT_EQ(out, k.Expected);
    }
  }
  // Text that fits is left alone.
  char fits[16] = "Fits";
  RECT wide{0, 0, 200, 20};
  DrawText(c.DC, fits, -1, &wide, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
  EXPECT_STREQ(fits, "Fits");
}

TEST(DrawText, PrefixesAreRemovedAndUnderlined) {
  TTextCanvas c(80, 20);
  RECT r{0, 0, 80, 20};
  DrawText(c.DC, "&File", -1, &r, DT_CALCRECT);
  EXPECT_EQ(r.right, c.Width("File"));
  r = RECT{0, 0, 80, 20};
  DrawText(c.DC, "A&&B", -1, &r, DT_CALCRECT);
  EXPECT_EQ(r.right, c.Width("A&B"));
  r = RECT{0, 0, 80, 20};
  DrawText(c.DC, "A&&B", -1, &r, DT_CALCRECT | DT_NOPREFIX);
  EXPECT_EQ(r.right, c.Width("A&&B"));
  // The prefixed character gets a line under it; DT_HIDEPREFIX draws none.
  SetBkMode(c.DC, TRANSPARENT);
  RECT box{0, 0, 80, 20};
  int underline = c.Tm.tmAscent + 1;
  DrawText(c.DC, "&_", -1, &box, DT_HIDEPREFIX);
  int hidden = c.Count(0);
  c.Clear(RGB(255, 255, 255));
  DrawText(c.DC, "&_", -1, &box, 0);
  EXPECT_GE(c.Count(0), hidden);
  bool lineUnder = false;
  for (int y = underline - 1; y <= underline + 1; ++y) lineUnder |= c.At(1, y) == 0;
  EXPECT_TRUE(lineUnder);
}

TEST(DrawText, SingleLinesAlignInTheirBox) {
  TTextCanvas c(100, 40);
  int w = c.Width("Mid");
  struct Case {
    UINT Flags;
    RECT Ink;
  } cases[] = {
      {DT_SINGLELINE | DT_CENTER | DT_VCENTER, {(100 - w) / 2, (40 - c.Tm.tmHeight) / 2, (100 - w) / 2 + w, (40 - c.Tm.tmHeight) / 2 + c.Tm.tmHeight}},
      {DT_SINGLELINE | DT_RIGHT | DT_BOTTOM, {100 - w, 40 - c.Tm.tmHeight, 100, 40}},
  };
  for (const Case& k : cases) {
    c.Clear(RGB(255, 255, 255));
    RECT r{0, 0, 100, 40};
    int h = DrawText(c.DC, "Mid", 3, &r, k.Flags);
    EXPECT_EQ(c.Ink(), k.Ink);
    EXPECT_EQ(h, k.Ink.bottom);  // the offset from the top to the bottom of the text
  }
  // Clipped to the box unless DT_NOCLIP.
  c.Clear(RGB(255, 255, 255));
  RECT small{0, 0, 5, 5};
  DrawText(c.DC, "Clip", 4, &small, DT_SINGLELINE);
  EXPECT_EQ(c.Ink(), small);
}

TEST(DrawText, TabsExpandToStops) {
  TTextCanvas c(10, 10);
  RECT r{0, 0, 300, 20};
  DrawText(c.DC, "a\tb", 3, &r, DT_EXPANDTABS | DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(r.right, 8 * c.Tm.tmAveCharWidth + c.Width("b"));
  INT stops[1] = {40};
  DWORD ext = GetTabbedTextExtent(c.DC, "a\tb\tc", 5, 1, stops);
  EXPECT_EQ(LOWORD(ext), 80 + c.Width("c"));
  EXPECT_EQ(HIWORD(ext), c.Tm.tmHeight);
}

TEST(DrawText, TabbedTextOutFillsItsWholeExtentWhenOpaque) {
  TTextCanvas c(200, 30);
  INT stops[1] = {50};
  LONG ext = TabbedTextOut(c.DC, 4, 2, "ab\tc", 4, 1, stops, 4);
  EXPECT_EQ(LOWORD(ext), 50 + c.Width("c"));
  EXPECT_EQ(c.Ink(), (RECT{4, 2, 4 + LOWORD(ext), 2 + c.Tm.tmHeight}));
}
