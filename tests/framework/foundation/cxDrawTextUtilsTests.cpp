// The framework's text layout: the parameters of a format, row breaking (words, characters, line
// breaks, whole UTF-8 characters), placement, and drawing with the ellipsis and the highlight. A
// fixed-advance face keeps every expected position exact.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "Multibyte.h"
#include "WinGdi.h"
#include "WinUserDraw.h"
#include "cxDrawTextUtils.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
const char* const kChinese = "\xE6\x8B\x8D\xE5\x8D\x96\xE8\xAE\xA1\xE6\x97\xB6";  // 拍卖计时

struct TTextDC {
  HDC DC;
  HBITMAP Bitmap;
  HFONT Font;
  HGDIOBJ OldBitmap, OldFont;
  int Width, Height;
  int A = 0, H = 0;  // the advance and the row height of the face
  TTextDC(int w = 200, int h = 100) : Width(w), Height(h) {
    DC = CreateCompatibleDC(nullptr);
    Bitmap = CreateBitmap(w, h, 1, 32, nullptr);
    OldBitmap = SelectObject(DC, Bitmap);
    LOGFONT lf;
    lf.lfHeight = -13;
    std::strcpy(lf.lfFaceName, "Courier New");
    Font = CreateFontIndirect(&lf);
    OldFont = SelectObject(DC, Font);
    Clear();
    SIZE s;
    GetTextExtentPoint32A(DC, "x", 1, &s);
    A = s.cx;
    TEXTMETRIC tm;
    GetTextMetrics(DC, &tm);
    H = tm.tmHeight;
  }
  ~TTextDC() {
    SelectObject(DC, OldFont);
    SelectObject(DC, OldBitmap);
    DeleteObject(Font);
    DeleteObject(Bitmap);
    DeleteDC(DC);
  }
  void Clear() {
    RECT all{0, 0, Width, Height};
    FillRect(DC, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  COLORREF At(int x, int y) const { return GetPixel(DC, x, y) & 0xFFFFFF; }
  std::vector<COLORREF> Pixels() const {
    std::vector<COLORREF> r;
    for (int y = 0; y < Height; ++y)
      for (int x = 0; x < Width; ++x) r.push_back(At(x, y));
    return r;
  }
};

// Keeps the system locale's far-east flag (which turns the character break on) for one scope.
struct TFarEast {
  bool Saved = SysLocale.FarEast;
  explicit TFarEast(bool Value) { SysLocale.FarEast = Value; }
  ~TFarEast() { SysLocale.FarEast = Saved; }
};

std::vector<std::string> RowTexts(const TcxTextRows& rows, Integer count) {
  std::vector<std::string> r;
  for (Integer i = 0; i < count; ++i) r.emplace_back(rows[i].Text, rows[i].TextLength);
  return r;
}

}  // namespace

TEST(cxDrawTextUtils, TheFormatDecodesIntoTheParameters) {
  TTextDC dc;
  EXPECT_EQ(cxMakeFormat(taRight, taBottom), 0x22u);
  TcxTextParams p = cxCalcTextParams(dc.DC, cxMakeFormat(taDistributeX, taCenterY) | cxtoWordBreak |
                                                 cxtoEndEllipsis | cxtoWholeRowsOnly | cxtoCalcRowCount |
                                                 cxtoPreventTopExceed | cxtoAutoIndents);
  EXPECT_EQ(p.HorzAlignment, taDistributeX);
  EXPECT_EQ(p.VertAlignment, taCenterY);
  EXPECT_TRUE(p.WordBreak && p.EndEllipsis && p.WholeRowsOnly && p.CalcRowCount && p.PreventTopExceed &&
              p.AutoIndents);
  EXPECT_FALSE(p.SingleLine || p.ExpandTabs || p.NoClip || p.Calculate || p.PreventLeftExceed);
  EXPECT_EQ(p.TextHeight, dc.H);
  EXPECT_EQ(p.ExternalLeading, 0);  // only with its bit
  EXPECT_EQ(p.FullRowHeight, dc.H);
  EXPECT_EQ(p.EndEllipsisWidth, 3 * dc.A);
  EXPECT_EQ(p.BreakChar, ' ');
  EXPECT_EQ(cxCalcTextParams(dc.DC, 0).EndEllipsisWidth, 0);
  {
    TFarEast off(false);
    EXPECT_FALSE(cxCalcTextParams(dc.DC, 0).CharBreak);
    EXPECT_TRUE(cxCalcTextParams(dc.DC, cxtoCharBreak).CharBreak);
  }
  TFarEast on(true);
  EXPECT_TRUE(cxCalcTextParams(dc.DC, 0).CharBreak);
}

TEST(cxDrawTextUtils, RowsBreakByTable) {
  TTextDC dc;
  TcxTextParams probe = cxCalcTextParams(dc.DC, 0);
  SIZE chinese;
  GetTextExtentPoint32A(dc.DC, kChinese, 3, &chinese);
  struct {
    const char* Name;
    std::string Text;
    int Width;  // pixels
    DWORD Format;
    bool FarEast;
    std::vector<std::string> Rows;
  } cases[] = {
      {"words", "aaa bbb ccc", 5 * dc.A, cxtoWordBreak, false, {"aaa ", "bbb ", "ccc"}},
      {"a long word stays whole", "abcdefghij kl", 4 * dc.A, cxtoWordBreak, false, {"abcdefghij ", "kl"}},
      {"character break", "abcdefghij", 4 * dc.A, cxtoWordBreak | cxtoCharBreak, false, {"abcd", "efgh", "ij"}},
      // Text more than 8 times wider than the rectangle: the first character counts as well.
      {"a very long text", "abcdefghijklmnopqrstu", 2 * dc.A, cxtoWordBreak | cxtoCharBreak, false,
       {"ab", "cd", "ef", "gh", "ij", "kl", "mn", "op", "qr", "st", "u"}},
      {"far-east locale breaks characters", "abcdefghij", 4 * dc.A, cxtoWordBreak, true, {"abcd", "efgh", "ij"}},
      {"line breaks", "ab\r\ncd\nef", 100 * dc.A, 0, false, {"ab", "cd", "ef"}},
      {"an empty paragraph", "ab\r\n\r\ncd", 100 * dc.A, 0, false, {"ab", "", "cd"}},
      {"no wrapping without word break", "aaa bbb ccc", 5 * dc.A, 0, false, {"aaa bbb ccc"}},
      {"single line keeps breaks", "ab\r\ncd", 100 * dc.A, cxtoSingleLine, false, {"ab\r\ncd"}},
      {"whole characters", kChinese, 2 * chinese.cx + 1, cxtoWordBreak, true,
       {std::string(kChinese, 6), std::string(kChinese + 6, 6)}},
      // The blank that overflows still ends the row; the blanks after it are skipped.
      {"blanks after a wrap are skipped", "aaaa    bb", 5 * dc.A, cxtoWordBreak, false, {"aaaa  ", "bb"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TFarEast farEast(c.FarEast);
    TcxTextParams p = cxCalcTextParams(dc.DC, c.Format);
    TcxTextRows rows;
    Integer count = -1;
    EXPECT_TRUE(cxMakeTextRows(dc.DC, c.Text, TRect(0, 0, c.Width, 1000), p, rows, count));
    EXPECT_EQ(RowTexts(rows, count), c.Rows);
    ASSERT_EQ(static_cast<Integer>(rows.size()), count);
    for (Integer i = 0; i < count; ++i) {
      EXPECT_EQ(rows[i].StartOffset, rows[i].Text - c.Text.data());
      EXPECT_EQ(rows[i].TextExtents.cy, probe.TextHeight);
    }
  }
}

TEST(cxDrawTextUtils, JustifiedRowsStretchOnlyInsideParagraphs) {
  TTextDC dc;
  TcxTextParams p = cxCalcTextParams(dc.DC, cxMakeFormat(taJustifyX, taTop));
  TcxTextRows rows;
  Integer count = 0;
  const std::string text = "aa bb cc\r\ndd ee";
  cxMakeTextRows(dc.DC, text, TRect(0, 0, 5 * dc.A, 1000), p, rows, count);
  EXPECT_EQ(RowTexts(rows, count), (std::vector<std::string>{"aa bb", "cc", "dd ee"}));
  ASSERT_EQ(count, 3);
  EXPECT_EQ(rows[0].BreakCount, 1);  // trailing blank dropped
  EXPECT_EQ(rows[1].BreakCount, 0);  // ends a paragraph
  EXPECT_EQ(rows[2].BreakCount, 0);  // the last row
}

TEST(cxDrawTextUtils, RowCountFollowsTheHeightAndTheLineLimit) {
  TTextDC dc;
  const std::string text = "a\nb\nc\nd\ne";
  const TRect r(0, 0, 100, dc.H * 5 / 2);
  TcxTextRows rows;
  Integer count = 0;
  TcxTextParams whole = cxCalcTextParams(dc.DC, cxtoWholeRowsOnly);
  EXPECT_TRUE(cxMakeTextRows(dc.DC, text, r, whole, rows, count));
  EXPECT_EQ(count, 2);
  TcxTextParams clipped = cxCalcTextParams(dc.DC, 0);
  cxMakeTextRows(dc.DC, text, r, clipped, rows, count);
  EXPECT_EQ(count, 3);
  // The line limit: false exactly when it cut the text short.
  EXPECT_FALSE(cxMakeTextRows(dc.DC, text, TRect(0, 0, 100, 1000), clipped, rows, count, 2));
  EXPECT_EQ(count, 2);
  EXPECT_TRUE(cxMakeTextRows(dc.DC, text, TRect(0, 0, 100, 1000), clipped, rows, count, 5));
  EXPECT_EQ(count, 5);
  const String empty;
  EXPECT_TRUE(cxMakeTextRows(dc.DC, empty, r, clipped, rows, count));
  EXPECT_EQ(count, 0);
}

TEST(cxDrawTextUtils, RowsArePlacedByAlignment) {
  TTextDC dc;
  const std::string text = "a\nbbb\ncc";
  struct {
    TcxTextAlignX X;
    TcxTextAlignY Y;
    DWORD Extra;
    TRect R;
    std::vector<TPoint> Origins;
  } cases[] = {
      {taLeft, taTop, 0, TRect(10, 20, 110, 220), {{10, 20}, {10, 20 + dc.H}, {10, 20 + 2 * dc.H}}},
      {taRight, taBottom, 0, TRect(10, 20, 110, 220),
       {{110 - dc.A, 220 - 3 * dc.H}, {110 - 3 * dc.A, 220 - 2 * dc.H}, {110 - 2 * dc.A, 220 - dc.H}}},
      {taCenterX, taCenterY, 0, TRect(0, 0, 100, 100),
       {{(100 - dc.A) / 2, (100 - 3 * dc.H) / 2},
        {(100 - 3 * dc.A) / 2, (100 - 3 * dc.H) / 2 + dc.H},
        {(100 - 2 * dc.A) / 2, (100 - 3 * dc.H) / 2 + 2 * dc.H}}},
      // Too small a rectangle: the clamps keep the rows from starting left of or above it.
      {taRight, taBottom, cxtoPreventLeftExceed | cxtoPreventTopExceed, TRect(0, 0, 2 * dc.A, dc.H),
       {{dc.A, 0}, {0, dc.H}, {0, 2 * dc.H}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.X << c.Y << c.Extra);
    TcxTextParams p = cxCalcTextParams(dc.DC, cxMakeFormat(c.X, c.Y) | c.Extra);
    TcxTextRows rows;
    Integer count = 0;
    cxMakeTextRows(dc.DC, text, TRect(0, 0, 1000, 1000), p, rows, count);
    ASSERT_EQ(cxPlaceTextRows(dc.DC, c.R, p, rows, count), 3);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(rows[i].TextOriginX, c.Origins[i].x) << i;
      EXPECT_EQ(rows[i].TextOriginY, c.Origins[i].y) << i;
    }
  }
}

TEST(cxDrawTextUtils, DistributedRowsSpreadWithTheLeftoverOnTop) {
  TTextDC dc;
  TcxTextParams p = cxCalcTextParams(dc.DC, cxMakeFormat(taLeft, taDistributeY));
  TcxTextRows rows;
  Integer count = 0;
  const String text = "a\nb\nc";
  cxMakeTextRows(dc.DC, text, TRect(0, 0, 100, 1000), p, rows, count);
  // An odd gap so that one pixel is left over.
  const int height = (dc.H % 2 == 0) ? 101 : 100;
  const int gap = height - dc.H;
  ASSERT_EQ(gap % 2, 1);
  cxPlaceTextRows(dc.DC, TRect(0, 0, 100, height), p, rows, count);
  EXPECT_EQ(rows[0].TextOriginY, 0);
  EXPECT_EQ(rows[1].TextOriginY, gap / 2 + 1);
  EXPECT_EQ(rows[2].TextOriginY, gap);
  EXPECT_EQ(rows[2].TextOriginY + dc.H, height);
  EXPECT_EQ(p.FullRowHeight, gap / 2);
}

TEST(cxDrawTextUtils, CalculationAnswersTheNeededRect) {
  TTextDC dc;
  TRect r(5, 7, 5 + 6 * dc.A, 1000);
  const Integer height = cxTextOut(dc.DC, "aaa bbbb cc", r, cxtoWordBreak | cxtoCalculate);
  EXPECT_EQ(height, 3 * dc.H);
  EXPECT_EQ(r, TRect(5, 7, 5 + 5 * dc.A, 7 + 3 * dc.H));  // "aaa ", "bbbb ", "cc"
  TRect rows(0, 0, 6 * dc.A, 1000);
  EXPECT_EQ(cxTextOut(dc.DC, "aaa bbbb cc", rows, cxtoWordBreak | cxtoCalculate | cxtoCalcRowCount), 3);
  TRect single(0, 0, 10, 1);
  cxTextOut(dc.DC, "abc", single, cxtoSingleLine | cxtoCalculate, 0, 2, 3);
  EXPECT_EQ(single, TRect(0, 0, 2 + 3 * dc.A + 3, dc.H));
  EXPECT_EQ(dc.Pixels(), TTextDC().Pixels());  // nothing drawn

  TRect unusable(0, 0, 0, 10);
  EXPECT_EQ(cxTextOut(dc.DC, "abc", unusable, cxtoCalculate), 0);
  TRect any(0, 0, 100, 100);
  EXPECT_EQ(cxTextOut(dc.DC, "", any, 0), 0);
}

TEST(cxDrawTextUtils, AnEndEllipsisShortensTheRowToWhatFitsBesideIt) {
  TTextDC drawn, expected;
  TRect r(10, 10, 10 + 6 * drawn.A, 10 + drawn.H);
  SetBkMode(drawn.DC, TRANSPARENT);
  cxTextOut(drawn.DC, "abcdefgh", r, cxtoSingleLine | cxtoEndEllipsis);
  SetBkMode(expected.DC, TRANSPARENT);
  TextOutA(expected.DC, 10, 10, "abc...", 6);
  EXPECT_EQ(drawn.Pixels(), expected.Pixels());

  // A text that fits keeps every character and gets no ellipsis.
  drawn.Clear();
  expected.Clear();
  TRect wide(10, 10, 10 + 20 * drawn.A, 10 + drawn.H);
  cxTextOut(drawn.DC, "abcdefgh", wide, cxtoSingleLine | cxtoEndEllipsis);
  TextOutA(expected.DC, 10, 10, "abcdefgh", 8);
  EXPECT_EQ(drawn.Pixels(), expected.Pixels());
}

TEST(cxDrawTextUtils, RowsAreClippedToTheRectangle) {
  TTextDC drawn;
  TRect r(0, 0, 2 * drawn.A, drawn.H / 2);
  cxTextOut(drawn.DC, "WWWW", r, cxtoSingleLine);
  for (int y = 0; y < drawn.Height; ++y)
    for (int x = 0; x < drawn.Width; ++x)
      if (x >= r.right || y >= r.bottom) ASSERT_EQ(drawn.At(x, y), kWhite) << x << "," << y;
  // Without clipping the row overflows.
  drawn.Clear();
  cxTextOut(drawn.DC, "WWWW", r, cxtoSingleLine | cxtoNoClip);
  bool outside = false;
  for (int x = r.right; x < 4 * drawn.A; ++x)
    for (int y = 0; y < drawn.H; ++y) outside = outside || drawn.At(x, y) != kWhite;
  EXPECT_TRUE(outside);
}

TEST(cxDrawTextUtils, AHighlightAcrossTwoRowsPaintsBothParts) {
  TTextDC dc;
  const int A = dc.A, H = dc.H;
  TRect r(0, 0, 5 * A, 3 * H);
  // "aaaa " and "bbbb"; the highlight covers "aa " and "bb".
  const Integer height = cxTextOut(dc.DC, "aaaa bbbb", r, cxtoWordBreak, 2, 5, clBlue, clWhite);
  EXPECT_EQ(height, 2 * H);
  auto blue = [&](int x, int y) { return dc.At(x, y) == 0xFF0000u; };
  EXPECT_TRUE(blue(2 * A, 0));
  EXPECT_TRUE(blue(5 * A - 1, 0));
  EXPECT_FALSE(blue(2 * A - 1, 0));
  EXPECT_TRUE(blue(0, H));
  EXPECT_TRUE(blue(2 * A - 1, H));
  EXPECT_FALSE(blue(2 * A, H));
  EXPECT_FALSE(blue(0, 2 * H));
  // The highlighted characters are drawn in the highlight text colour: no black inside the parts.
  for (int y = 0; y < 2 * H; ++y)
    for (int x = (y < H ? 2 * A : 0); x < (y < H ? 5 * A : 2 * A); ++x) EXPECT_NE(dc.At(x, y), 0u);
  // A range passing the end is cut to it; one starting outside the text draws no highlight.
  dc.Clear();
  TRect again(0, 0, 5 * A, 3 * H);
  cxTextOut(dc.DC, "aaaa bbbb", again, cxtoWordBreak, 9, 5, clBlue, clWhite);
  EXPECT_FALSE(blue(0, H));
  cxTextOut(dc.DC, "aaaa bbbb", again, cxtoWordBreak, 7, 100, clBlue, clWhite);
  EXPECT_TRUE(blue(3 * A, H));
  EXPECT_FALSE(blue(A, H));
}

TEST(cxDrawTextUtils, TheLongestRowIsLimitedToTheCount) {
  TcxTextRows rows(3);
  rows[0].TextExtents.cx = 5;
  rows[1].TextExtents.cx = 9;
  rows[2].TextExtents.cx = 30;
  EXPECT_EQ(cxGetLongestTextRowWidth(rows, 2), 9);
  EXPECT_EQ(cxGetLongestTextRowWidth(rows, 10), 30);
  EXPECT_EQ(cxGetLongestTextRowWidth(rows, 0), 0);
}

TEST(cxDrawTextUtils, AnyTextAnyRectAnyFormatEndsInsideTheText) {
  TTextDC dc;
  std::mt19937 random(20261210);
  const char alphabet[] = {'a', 'W', ' ', ' ', '\t', '\r', '\n', '\xE6', '\x8B', '\x8D', '\xFF', '.'};
  const DWORD bits[] = {cxtoWordBreak, cxtoSingleLine, cxtoExpandTabs,  cxtoEndEllipsis, cxtoWholeRowsOnly,
                        cxtoNoClip,    cxtoCharBreak,  cxtoCalculate,   cxtoCalcRowCount, cxtoPreventLeftExceed,
                        cxtoPreventTopExceed, cxtoExternalLeading};
  for (int round = 0; round < 300; ++round) {
    std::string text(random() % 40, 'a');
    for (char& ch : text) ch = alphabet[random() % sizeof alphabet];
    DWORD format = cxMakeFormat(static_cast<TcxTextAlignX>(random() % 5), static_cast<TcxTextAlignY>(random() % 4));
    for (DWORD bit : bits)
      if (random() % 3 == 0) format |= bit;
    const int width = static_cast<int>(random() % 60) - 5, height = static_cast<int>(random() % 80) - 5;
    const Integer maxLines = static_cast<Integer>(random() % 4);
    SCOPED_TRACE(testing::Message() << "round " << round << " format " << std::hex << format);

    TcxTextParams p = cxCalcTextParams(dc.DC, format);
    TcxTextRows rows;
    Integer count = 0;
    cxMakeTextRows(dc.DC, text, TRect(0, 0, width, height), p, rows, count, maxLines);
    Integer end = 0;
    for (Integer i = 0; i < count; ++i) {
      ASSERT_GE(rows[i].StartOffset, end);
      ASSERT_LE(rows[i].StartOffset + rows[i].TextLength, static_cast<Integer>(text.size()));
      end = rows[i].StartOffset + rows[i].TextLength;
    }
    TRect r(3, 4, 3 + width, 4 + height);
    cxTextOut(dc.DC, text, r, format, static_cast<Integer>(random() % 50) - 5, static_cast<Integer>(random() % 50),
              clBlue, clWhite, maxLines, static_cast<Integer>(random() % 5), static_cast<Integer>(random() % 5));
  }
}
