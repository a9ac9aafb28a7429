// Text routines of the graphics unit: the row-count fit, word wrapping into lines, shortening with
// an end ellipsis (texts of any length), and the writing direction by charset.
#include <gtest/gtest.h>

#include <algorithm>

#include "StringLists.h"
#include "WinPaint.h"
#include "cxGraphicsCanvas.h"
#include "cxGraphicsFunctions.h"

namespace {

class cxTextTest : public ::testing::Test {
 protected:
  void SetUp() override { FDC = GetDC(nullptr); }
  void TearDown() override { ReleaseDC(nullptr, FDC); }
  Integer Width(const String& s) { return cxTextSize(FDC, s).cx; }
  HDC FDC = nullptr;
};

TEST_F(cxTextTest, TextRectFitsTheRowCount) {
  EXPECT_TRUE(cxRectIsNull(cxGetTextRect(FDC, "anything", 0)));
  EXPECT_TRUE(cxRectIsNull(cxGetTextRect(FDC, "anything", -3)));
  const String sentence = "the quick brown fox jumps over the lazy dog and keeps running far away";
  Integer rowHeight = cxTextSize(FDC, "Wg").cy;
  TRect one = cxGetTextRect(FDC, sentence, 1);
  EXPECT_EQ(one.right, Width(sentence));
  for (Integer rows : {2, 3, 5}) {
    TRect r = cxGetTextRect(FDC, sentence, rows);
    EXPECT_LE(cxRectHeight(r), rows * rowHeight) << rows;
    EXPECT_LT(cxRectWidth(r), one.right) << rows;
    EXPECT_GE(cxRectWidth(r), Width("running")) << rows;  // never narrower than the longest word
  }
  TRect kept = cxGetTextRect(FDC, "short", 3, true);
  EXPECT_EQ(kept.bottom, 3 * rowHeight);
}

TEST_F(cxTextTest, LinesBreakBetweenWordsAtTheRectWidth) {
  auto lines = NewOwned<TStringList>();
  auto canvas = cxScreenCanvas();
  HDC dc = canvas->GetHandle();
  Integer width = std::max(cxTextSize(dc, "alpha beta").cx, cxTextSize(dc, "gamma delta").cx);
  ASSERT_LT(width, cxTextSize(dc, "alpha beta gamma").cx);
  cxGetTextLines("alpha beta gamma delta", canvas, TRect(0, 0, width, 100), lines.get());
  ASSERT_EQ(lines->GetCount(), 2) << lines->GetText();
  EXPECT_EQ(lines->GetStrings(0), "alpha beta");
  EXPECT_EQ(lines->GetStrings(1), "gamma delta");

  // A word wider than the rect stands alone, without an empty line before it.
  lines->Clear();
  cxGetTextLines("extraordinarily ok", canvas, TRect(0, 0, cxTextSize(dc, "ok").cx, 100), lines.get());
  ASSERT_EQ(lines->GetCount(), 2) << lines->GetText();
  EXPECT_EQ(lines->GetStrings(0), "extraordinarily");
  EXPECT_EQ(lines->GetStrings(1), "ok");

  // Chinese characters are whole characters; a text without blanks is one word.
  lines->Clear();
  cxGetTextLines("拍卖 定时器", canvas, TRect(0, 0, cxTextSize(dc, "拍卖").cx, 100), lines.get());
  ASSERT_EQ(lines->GetCount(), 2) << lines->GetText();
  EXPECT_EQ(lines->GetStrings(1), "定时器");
}

TEST_F(cxTextTest, StringAdjustedToWidthShortensWithAnEllipsis) {
  EXPECT_EQ(cxGetStringAdjustedToWidth(FDC, nullptr, "", 100), "");
  EXPECT_EQ(cxGetStringAdjustedToWidth(FDC, nullptr, "text", 0), "");
  EXPECT_EQ(cxGetStringAdjustedToWidth(FDC, nullptr, "text", -5), "");
  EXPECT_EQ(cxGetStringAdjustedToWidth(FDC, nullptr, "fits", 1000), "fits");
  String shortened = cxGetStringAdjustedToWidth(FDC, nullptr, "a rather long caption", Width("a rather"));
  ASSERT_GE(shortened.size(), 3u);
  EXPECT_EQ(shortened.substr(shortened.size() - 3), "...");
  EXPECT_LE(Width(shortened), Width("a rather"));
}

TEST_F(cxTextTest, StringAdjustedToWidthTakesTextsOfAnyLength) {
  // Far beyond the 4096 bytes a fixed work buffer would hold.
  String longText(20000, 'x');
  for (size_t i = 0; i < longText.size(); i += 7) longText[i] = ' ';
  String shortened = cxGetStringAdjustedToWidth(FDC, nullptr, longText, 200);
  ASSERT_GE(shortened.size(), 3u);
  EXPECT_EQ(shortened.substr(shortened.size() - 3), "...");
  EXPECT_LE(Width(shortened), 200);
  String fits = cxGetStringAdjustedToWidth(FDC, nullptr, longText, 1000000);
  EXPECT_EQ(fits, longText);
  auto font = NewOwned<TFont>();
  EXPECT_EQ(cxGetStringAdjustedToWidth(font.get(), String(6000, 'y'), 50).substr(0, 1), "y");
}

TEST(cxGetWritingDirection, ChineseAndArabicCharsetsWithALeadingMultibyteCharacter) {
  struct TCase {
    TFontCharset Charset;
    const char* Text;
    bool Expected;
  } cases[] = {
      {GB2312_CHARSET, "中文", true},
      {CHINESEBIG5_CHARSET, "中文", true},
      {ARABIC_CHARSET, "中文", true},
      {GB2312_CHARSET, "abc中文", false},  // begins with a single-byte character
      {GB2312_CHARSET, "", false},
      {ANSI_CHARSET, "中文", false},
      {SHIFTJIS_CHARSET, "中文", false},
      {DEFAULT_CHARSET, "中文", true},  // the system's default charset is the Chinese one
  };
  for (const TCase& c : cases)
    EXPECT_EQ(cxGetWritingDirection(c.Charset, c.Text), c.Expected) << int(c.Charset) << " " << c.Text;
}

TEST(cxGraphicsText, ScreenPixelsPerInch) {
  EXPECT_EQ(cxGetScreenPixelsPerInch(true), 96);
  EXPECT_EQ(cxGetScreenPixelsPerInch(false), 96);
}

}  // namespace

namespace {

TEST(cxGraphicsText, MeasuringWithAFontAndASize) {
  auto font = NewOwned<TFont>();
  font->SetSize(9);
  TSize normal = cxTextExtent(font.get(), "Wg");
  EXPECT_GT(normal.cx, 0);
  EXPECT_GT(normal.cy, 0);
  EXPECT_EQ(cxTextWidth(font.get(), "WgWg"), cxTextExtent(font.get(), "WgWg").cx);
  EXPECT_GT(cxTextHeight(font.get(), "Wg", 18), normal.cy);  // the size overrides the font's own
  EXPECT_EQ(font->GetSize(), 9);                              // which stays as it was
  EXPECT_EQ(cxTextHeight(font.get()), normal.cy);
  TRect r = cxGetTextRect(font.get(), "one two three four five six", 2);
  EXPECT_LE(cxRectHeight(r), 2 * normal.cy);
  EXPECT_LT(cxRectWidth(r), cxTextWidth(font.get(), "one two three four five six"));
}

}  // namespace
