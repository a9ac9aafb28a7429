#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <vector>

#include "GdiPng.h"
#include "PixelSurface.h"
#include "TSSetLib.h"
#include "Tsglib.h"
#include "Tsmbcs.h"

using namespace PixelSurface;

namespace {

const char* const kSong = "\xE5\xAE\x8B\xE4\xBD\x93";  // 宋体

TEST(Tsmbcs, StepsByWholeCharacters) {
  // a 中 CR LF b CR CR LF CR 文 (LF CR is one break too)
  const char text[] = "a\xE4\xB8\xAD\r\nb\r\r\n\n\r\xE6\x96\x87";
  struct Step {
    Integer Pos, Next, Prev;
  } steps[] = {{0, 1, 0}, {1, 3, 1}, {4, 2, 3}, {6, 1, 2}, {7, 1, 1}, {8, 2, 1}, {10, 2, 2}, {12, 3, 2}, {15, 0, 3}};
  for (const Step& s : steps) {
    EXPECT_EQ(NextCharCount(text, s.Pos), s.Next) << s.Pos;
    EXPECT_EQ(PrevCharCount(text, s.Pos), s.Prev) << s.Pos;
  }
  Integer pos = 7;
  EXPECT_TRUE(GetEofLine(text, pos));
  EXPECT_EQ(pos, 8) << "CR CR is two breaks";
  pos = 0;
  EXPECT_FALSE(GetEofLine(text, pos));
  EXPECT_EQ(pos, 0);
  EXPECT_EQ(CompareChar('a', 'a'), 0);
  EXPECT_TRUE(SmallerChar('a', 'b'));
  EXPECT_TRUE(LargerChar('b', 'a'));
}

TEST(Tsglib, CountsAndScansNeverSplitACharacter) {
  const char text[] = "\xE4\xB8\xAD\xE6\x96\x87" "abc";  // 中文abc
  EXPECT_EQ(PCharToByteLen(text, 2, 9, false), 6);
  EXPECT_EQ(PCharToByteLen(text, 4, 9, true), 6) << "the last four characters: 文abc";
  EXPECT_EQ(PCharToByteLen(text, 9, 4, false), 3) << "no part of 文 within 4 bytes";
  EXPECT_EQ(PCharToByteLen(text, 0, 9, false), 0);
  EXPECT_EQ(PByteToCharLen(text, 6, 9), 2);
  EXPECT_EQ(PByteToCharLen(text, 9, 9), 5);
  Integer chars, bytes;
  PCountChars(text, 3, 9, chars, bytes, true);
  EXPECT_EQ(chars, 3);
  EXPECT_EQ(bytes, 3);

  bool farEast = tsIsFarEast;
  tsIsFarEast = false;
  EXPECT_EQ(PCharToByteLen(text, 2, 9, false), 2) << "outside far-east mode characters are bytes";
  TEXTMETRIC tm;
  tm.tmExternalLeading = 2;
  EXPECT_EQ(TextLineSpacing(tm), 0);
  tsIsFarEast = true;
  EXPECT_EQ(TextLineSpacing(tm), 1);
  tm.tmExternalLeading = 0;
  EXPECT_EQ(TextLineSpacing(tm), 0);
  tsIsFarEast = farEast;

  const char words[] = "one  two\r\nthree";
  EXPECT_EQ(NextWordCount(words, 0), 5);
  EXPECT_EQ(NextWordCount(words, 5), 5) << "over the line break too";
  EXPECT_EQ(PrevWordCount(words, 15), 5);
  EXPECT_EQ(PrevWordCount(words, 10), 5);
  EXPECT_EQ(StrNScanEol(words, 15), words + 8);
  EXPECT_EQ(StrRNSpaceScan(words, 8), words + 4);
  EXPECT_EQ(StrRNTextScan(words, 5), words + 2);
  EXPECT_EQ(StrNSkipSpace(words + 3, 10), words + 5);
  EXPECT_TRUE(IsTextChar(words, 0));
  EXPECT_FALSE(IsTextChar(words, 3));
  EXPECT_FALSE(IsTextChar(words, 8));
  EXPECT_FALSE(IsTextChar(words, 15));
  EXPECT_TRUE(LastCharIsEofLine("ab\n", 3));
  EXPECT_FALSE(LastCharIsEofLine(nullptr, 3));
  EXPECT_TRUE(IsLeadByte(0xE4));
  EXPECT_FALSE(IsLeadByte('a'));
}

class TsglibLayout : public ::testing::Test {
 protected:
  TSurface Surface{480, 360};
  TEXTMETRIC TM;
  HDC DC = nullptr;

  void SetUp() override {
    Surface.Canvas->GetFont()->SetName(kSong);
    Surface.Canvas->GetFont()->SetHeight(-12);
    Surface.Canvas->GetFont()->SetColor(clBlack);
    Surface.Canvas->TextExtent("");
    DC = Surface.DC;
    GetTextMetrics(DC, &TM);
  }
  Integer Width(const char* Text) {
    SIZE size;
    MeasureText(DC, TM, Text, static_cast<Integer>(std::strlen(Text)), size);
    return size.cx + (size.cx > 0 ? TM.tmOverhang : 0);
  }
  Integer Measure(const char* Text) {
    SIZE size;
    MeasureText(DC, TM, Text, static_cast<Integer>(std::strlen(Text)), size);
    return size.cx;
  }
  std::vector<String> Lines(const char* Text, Integer LineWidth, TAlignment Alignment) {
    std::vector<String> lines;
    Integer len;
    for (Integer pos = 0; GetNextLine(DC, TM, Text + pos, LineWidth, Alignment, len); pos += len) {
      EXPECT_GT(len, 0);
      lines.emplace_back(Text + pos, static_cast<size_t>(len));
      if (lines.size() > 50) break;
    }
    return lines;
  }
};

TEST_F(TsglibLayout, BreaksAfterBlanksAndBetweenWholeCharacters) {
  Integer room = Width("aaa bbb ");
  EXPECT_EQ(Lines("aaa bbb ccc", room, taLeftJustify), (std::vector<String>{"aaa bbb ", "ccc"}));
  EXPECT_EQ(Lines("abc\r\ndef", 200, taLeftJustify), (std::vector<String>{"abc\r\n", "def"}));
  EXPECT_EQ(Lines("a\n\rb", 200, taLeftJustify), (std::vector<String>{"a\n\r", "b"}));

  // A word wider than the line is broken inside it, never into nothing.
  std::vector<String> broken = Lines("abcdefghijklmnop", Width("abcd"), taLeftJustify);
  ASSERT_GT(broken.size(), 2u);
  for (const String& line : broken) EXPECT_LE(Width(line.c_str()), Width("abcd"));
  EXPECT_EQ(Lines("W", 1, taLeftJustify), std::vector<String>{"W"});

  // Chinese text breaks between its characters.
  const char* chinese = "\xE6\x8B\x8D\xE5\x8D\x96\xE8\xAE\xA1\xE6\x97\xB6\xE5\x99\xA8\xE6\x8F\x90\xE9\x86\x92";  // 拍卖计时器提醒
  std::vector<String> parts = Lines(chinese, Width("\xE6\x8B\x8D\xE5\x8D\x96") + 2, taLeftJustify);
  ASSERT_EQ(parts.size(), 4u);
  for (const String& part : parts) EXPECT_EQ(part.size() % 3, 0u) << part;

  // A right-aligned line leaves its blanks out at both ends.
  std::vector<String> right = Lines("aaa   bbb", Width("aaa  "), taRightJustify);
  ASSERT_EQ(right.size(), 2u);
  EXPECT_EQ(right[0], "aaa");
  EXPECT_EQ(right[1], "   bbb");

  // An average character width of 0 only spoils the first guess.
  TEXTMETRIC zero = TM;
  zero.tmAveCharWidth = 0;
  Integer len = 0;
  ASSERT_TRUE(GetNextLine(DC, zero, "aaa bbb ccc", room, taLeftJustify, len));
  EXPECT_EQ(len, 8);
  EXPECT_FALSE(GetNextLine(DC, TM, "", 100, taLeftJustify, len));
}

TEST_F(TsglibLayout, LinesHeightsAndVerticalPlacement) {
  Integer lineHeight = TM.tmHeight + TextLineSpacing(TM);
  TOwnedPtr<TtsIntegerList> lines(New<TtsIntegerList>());
  GetTextLines(DC, "abc\r\n", 3 * lineHeight, 200, taLeftJustify, true, lines.get(), 0);
  ASSERT_EQ(lines->GetCount(), 2);
  EXPECT_EQ(lines->GetItem(1), 5);
  Integer count, height;
  GetTextHeight(DC, "abc\r\n", 200, taLeftJustify, true, count, height);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(height, 2 * lineHeight);
  GetTextHeight(DC, "", 200, taLeftJustify, true, count, height);
  EXPECT_EQ(count, 1);

  // A cell under one and a third lines high is single-line even with word wrap.
  GetTextLines(DC, "aaa bbb ccc", lineHeight + lineHeight / 3 - 1, 10, taLeftJustify, true, lines.get(), 0);
  EXPECT_EQ(lines->GetCount(), 1);
  EXPECT_FALSE(IsMultiLineText(lineHeight + lineHeight / 3 - 1, lineHeight));
  EXPECT_TRUE(IsMultiLineText(2 * lineHeight, lineHeight));
  GetTextLines(DC, "aaa bbb ccc ddd", 10 * lineHeight, Width("aaa "), taLeftJustify, true, lines.get(), 2);
  EXPECT_EQ(lines->GetCount(), 2) << "at most MaxLines";

  lines->Clear();
  for (Integer i : {0, 4, 8}) lines->AddItem(i);
  Integer h = TM.tmHeight;
  TRect rect(0, 10, 100, 10 + 10 * h);
  EXPECT_EQ(GetVertTopOffset(10, rect, lines.get(), 0, vtaTop, TM), 10);
  EXPECT_EQ(GetVertTopOffset(10, rect, nullptr, 0, vtaBottom, TM), 10);
  EXPECT_EQ(GetVertTopOffset(10, rect, lines.get(), 0, vtaBottom, TM), rect.bottom - 3 * h);
  EXPECT_EQ(GetVertTopOffset(10, rect, lines.get(), 0, vtaCenter, TM), 10 + (10 * h - 3 * h) / 2);
  TRect small(0, 10, 100, 10 + 2 * h);
  EXPECT_EQ(GetVertTopOffset(10, small, lines.get(), 0, vtaBottom, TM), small.bottom - 2 * h) << "the first line stays inside";
  EXPECT_EQ(GetVertTopOffset(10, small, lines.get(), 0, vtaCenter, TM), 10);

  Integer width;
  GetPrintCharWidth(Surface.Canvas, TM, "ab\r\ncd", 6, false, false, width);
  EXPECT_EQ(width, Measure("ab") + Measure(" ") + Measure("cd"));
  GetPrintCharWidth(Surface.Canvas, TM, "ab\r\ncd", 6, true, true, width);
  EXPECT_EQ(width, Measure("ab") + Measure("cd") + TM.tmOverhang);
}

TEST_F(TsglibLayout, DrawsAlignedWrappedTextWithAcceleratorAndSelection) {
  const char* text = "\xE6\x8B\x8D\xE5\x8D\x96\xE8\xAE\xA1\xE6\x97\xB6\xE5\x99\xA8 timer \xE6\x8F\x90\xE9\x86\x92";  // 拍卖计时器 timer 提醒
  Surface.Canvas->GetBrush()->SetColor(clWhite);
  const Integer cellH = 60;
  struct Cell {
    TAlignment Align;
    TtsVertAlignment Vert;
  } cells[] = {{taLeftJustify, vtaTop}, {taCenter, vtaCenter}, {taRightJustify, vtaBottom}};
  for (int i = 0; i < 3; ++i) {
    TRect r(10 + i * 150, 10, 100 + i * 150, 10 + cellH);
    DisplayText(Surface.Canvas, text, cellH, r, r.left + 2, r.top + 2, cells[i].Align, cells[i].Vert, true, 0);
    TRect ink = Surface.InkBox(r, kWhite);
    ASSERT_GT(ink.Width(), 0) << i;
    EXPECT_GT(ink.Height(), TM.tmHeight) << i << ": the text wraps";
    switch (cells[i].Align) {
      case taLeftJustify:
        EXPECT_LE(ink.left, r.left + 4);
        break;
      case taRightJustify:
        EXPECT_GE(ink.right, r.right - 4);
        break;
      default:
        EXPECT_LE(std::abs((ink.left - r.left) - (r.right - ink.right)), 8);
    }
    switch (cells[i].Vert) {
      case vtaTop:
        EXPECT_LE(ink.top, r.top + 6);
        break;
      case vtaBottom:
        EXPECT_GE(ink.bottom, r.bottom - 4);
        break;
      default:
        EXPECT_LE(std::abs((ink.top - r.top) - (r.bottom - ink.bottom)), 6);
    }
  }

  // A single line with its accelerator underlined: "&Save" differs from "Save" only under the S.
  TSurface plain(200, 20);
  plain.Canvas->GetFont()->Assign(Surface.Canvas->GetFont());
  plain.Canvas->GetBrush()->SetColor(clWhite);
  DisplayText(plain.Canvas, "Save", 20, TRect(0, 0, 190, 20), 2, 2, taLeftJustify, vtaTop, false, 0);
  TRect line(10, 90, 200, 110);
  DisplayText(Surface.Canvas, "Save", 20, line, 12, 92, taLeftJustify, vtaTop, false, 1);
  TRect changed(200, 20, 0, 0);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 190; ++x)
      if (plain.At(x, y) != Surface.At(x + 10, y + 90)) {
        changed.left = std::min<LONG>(changed.left, x), changed.right = std::max<LONG>(changed.right, x + 1);
        changed.top = std::min<LONG>(changed.top, y), changed.bottom = std::max<LONG>(changed.bottom, y + 1);
      }
  ASSERT_LT(changed.left, changed.right) << "an underline is drawn";
  EXPECT_GE(changed.left, 2);
  EXPECT_LE(changed.right, 2 + Width("S"));
  EXPECT_GT(changed.top, 2 + TM.tmAscent - 2) << "below the baseline";

  // Right-aligned single line: the text ends one pixel inside the right edge.
  TRect rightLine(10, 120, 200, 140);
  DisplayText(Surface.Canvas, "123.45", 20, rightLine, 12, 122, taRightJustify, vtaTop, false, 0);
  EXPECT_GE(Surface.InkBox(rightLine, kWhite).right, rightLine.right - 3);

  // The edit box's line with a selection: the selected part on the selection colour.
  TRect edit(10, 150, 300, 170);
  const char* editText = "select \xE4\xB8\xAD\xE6\x96\x87 part";
  DisplayTextLines(Surface.Canvas, editText, 20, edit, 12, 152, 0, 0, nullptr, 0, 0, clHighlight, clHighlightText,
                   taLeftJustify, vtaTop, false);
  EXPECT_TRUE(Surface.InkBox(edit, kWhite).Width() == 0) << "without lines only the background";
  TOwnedPtr<TtsIntegerList> lines(New<TtsIntegerList>());
  lines->AddItem(0);
  DisplayTextLines(Surface.Canvas, editText, 20, edit, 12, 152, 0, 0, lines.get(), 7, 6, clHighlight, clHighlightText,
                   taLeftJustify, vtaTop, false);
  Integer selLeft = 12 + Measure("select ");
  EXPECT_GT(Surface.Count(TRect(selLeft, 152, selLeft + 20, 164), RGBOf(clHighlight)), 20);
  EXPECT_EQ(Surface.Count(TRect(12, 152, selLeft - 2, 164), RGBOf(clHighlight)), 0);

  // Wrapped edit lines from the second line on, italic selection.
  Surface.Canvas->GetFont()->SetStyle({fsItalic});
  TRect box(10, 180, 70, 260);
  const char* many = "one two three four five six";
  GetTextLines(Surface.Canvas->GetHandle(), many, box.Height(), box.Width() - 2, taLeftJustify, true, lines.get(), 0);
  ASSERT_GT(lines->GetCount(), 2);
  DisplayTextLines(Surface.Canvas, many, box.Height(), box, 12, 182, 0, 1, lines.get(), lines->GetItem(1), 3, clNavy,
                   clWhite, taLeftJustify, vtaTop, true);
  EXPECT_GT(Surface.Count(TRect(10, 182, 60, 182 + TM.tmHeight), RGBOf(clNavy)), 20) << "the second line is drawn first";
  Surface.Canvas->GetFont()->SetStyle({});

  const std::string file = testing::TempDir() + "Tsglib.png";
  ASSERT_TRUE(SaveDCToPng(Surface.DC, file));
  EXPECT_GT(std::filesystem::file_size(file), 0u);
}

}  // namespace
