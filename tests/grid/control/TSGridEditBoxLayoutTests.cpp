// The edit box's text model: lines, caret places and points, scrolling and the selection, with a
// fixed-pitch font whose every character has the same width, and with Chinese text in a 宋体 cell.
#include <gtest/gtest.h>

#include "InplaceTestSupport.h"

using namespace InplaceTest;

namespace {

class EditLayoutTest : public InplaceFixture {
 protected:
  TtsGridEditBox* Box = nullptr;
  // Every character of the fixed-pitch face is CharWidth wide.
  Integer CharWidth = TextWidthIn(kFixedFace, "m");
  Integer Pitch = 0;

  TtsGridEditBox* MakeBox(Integer Width, Integer Lines, const String& Text, TAlignment Alignment = taLeftJustify,
                          const char* Face = kFixedFace) {
    Box = MakeEditBox(Width, Lines, Text, Face, Alignment);
    Pitch = Box->GetTextHeight();
    return Box;
  }
  String LineStarts() {
    String starts;
    for (Integer i = 0; i < Box->LineCount(); ++i) starts += (i ? "," : "") + std::to_string(Box->LineStart(i));
    return starts;
  }
  void Place(Integer Position, bool AtLineStart = true) {
    Box->SetTextPosition(Position, AtLineStart);
    Box->SetSelByteStart(Position);
  }
  // The caret's place as "position line:offset".
  String Caret() {
    return std::to_string(Box->GetCaretPosition()) + " " + std::to_string(Box->GetCaretLine()) + ":" +
           std::to_string(Box->GetCaretOffset());
  }
};

TEST_F(EditLayoutTest, FixedPitchSingleLineCaretFollowsCharacters) {
  MakeBox(200, 1, "abcdef");
  EXPECT_FALSE(Box->IsMultiLine());
  EXPECT_EQ(Box->GetCaretPoint(), TPoint(0, 0));
  for (Integer i = 1; i <= 6; ++i) {
    EXPECT_TRUE(Box->MoveRight(false, false, false));
    EXPECT_EQ(Box->GetCaretPoint().x, i * CharWidth);
  }
  EXPECT_FALSE(Box->MoveRight(false, false, false)) << "at the end the move answers its default";
  EXPECT_TRUE(Box->MoveRight(false, false, true));
  EXPECT_EQ(Box->GetCaretPosition(), 6);
}

TEST_F(EditLayoutTest, AlignmentsPlaceTheCaretWhereTheTextIsDrawn) {
  // Right-aligned text keeps its last character at the right edge, the caret after it.
  MakeBox(200, 1, "abcd", taRightJustify);
  EXPECT_EQ(Box->GetCaretPosition(), 4);
  EXPECT_EQ(Box->GetScrollAnchor(), 4);
  EXPECT_EQ(Box->GetCaretPoint().x, 200 - 1);
  Box->MoveLeft(false, false, false);
  EXPECT_EQ(Box->GetCaretPoint().x, 200 - 1 - CharWidth);
  // Centred text is centred over the whole cell, the left margin included.
  Box->LeftMargin = 3;
  Box->SetAlignment(taCenter);
  Box->SetText("abcd");
  EXPECT_EQ(Box->GetCaretPoint().x, (200 + 3 - 4 * CharWidth) / 2 - 3);
  EXPECT_EQ(Box->GetDrawRect(), TRect(-3, 0, 200, Box->GetHeight()));
}

TEST_F(EditLayoutTest, TypingPastTheRightEdgeScrollsTheCaretBackToThreeQuarters) {
  MakeBox(20 * 8, 1, "");
  ShowFocused(Box);
  const Integer width = Box->GetWidth();
  String typed;
  while (Box->GetScrollAnchor() == 0) {
    typed += 'x';
    Type("x");
    ASSERT_LT(typed.size(), 100u);
  }
  EXPECT_EQ(Box->GetText(), typed);
  EXPECT_LT(Box->GetCaretPoint().x, width * 3 / 4);
  EXPECT_GE(Box->GetCaretPoint().x + CharWidth, width * 3 / 4);
  // Home brings the text back only as far as needed.
  Key(VK_HOME);
  EXPECT_EQ(Box->GetScrollAnchor(), 0);
  EXPECT_EQ(Box->GetCaretPoint().x, 0);
}

TEST_F(EditLayoutTest, SoftBreaksShowTheCaretOnEitherLine) {
  // Ten characters to a line: "aaaa bbbb " and "cccc".
  MakeBox(10 * CharWidth + 2, 3, "aaaa bbbb cccc");
  ASSERT_TRUE(Box->IsMultiLine());
  ASSERT_EQ(LineStarts(), "0,10");
  Place(9);
  EXPECT_TRUE(Box->MoveRight(false, false, false));
  EXPECT_EQ(Caret(), "10 0:10") << "at the soft break, first at the end of the line";
  EXPECT_TRUE(Box->MoveRight(false, false, false));
  EXPECT_EQ(Caret(), "10 1:0") << "then the same position at the start of the next";
  EXPECT_EQ(Box->GetCaretPoint(), TPoint(0, Pitch + Box->GetCaretPoint().y - Pitch));
  // A click past the end of the first line puts the caret at its end.
  bool atLineStart = true;
  EXPECT_EQ(Box->GetPointCaretPos(TPoint(10 * CharWidth + 1, Pitch / 2), atLineStart), 10);
  EXPECT_FALSE(atLineStart);
  EXPECT_EQ(Box->GetPointCaretPos(TPoint(CharWidth + 1, Pitch + Pitch / 2), atLineStart), 11);
  EXPECT_EQ(Box->GetPointCaretPos(TPoint(0, 5 * Pitch), atLineStart), 14) << "below the last line: the end";
  // Left from the start of the wrapped line shows the same position at the end of the line above.
  Place(10, true);
  EXPECT_TRUE(Box->MoveLeft(false, false, false));
  EXPECT_EQ(Caret(), "10 0:10");
}

TEST_F(EditLayoutTest, LineBreaksKeepTheCaretOffTheBreak) {
  MakeBox(200, 3, "abc\r\ndef\r\n");
  EXPECT_EQ(LineStarts(), "0,5,10") << "an empty last line after a final break";
  Place(5, false);
  EXPECT_EQ(Caret(), "5 1:0") << "after CR LF the caret starts the next line whatever the flag";
  Place(3);
  EXPECT_TRUE(Box->MoveRight(false, false, false));
  EXPECT_EQ(Caret(), "5 1:0") << "CR LF is stepped over as one character";
  EXPECT_TRUE(Box->MoveLeft(false, false, false));
  EXPECT_EQ(Caret(), "3 0:3");
  Place(0);
  EXPECT_TRUE(Box->MoveEnd(false));
  EXPECT_EQ(Caret(), "3 0:3") << "End stops before the line break";
  EXPECT_TRUE(Box->MoveDown(false, false));
  EXPECT_EQ(Caret(), "8 1:3");
  EXPECT_TRUE(Box->MoveDown(false, false));
  EXPECT_EQ(Caret(), "10 2:0");
  EXPECT_FALSE(Box->MoveDown(false, false)) << "on the last line Down answers its default";
  // In one line the breaks stay in the text and show as blanks.
  Box->SetHeight(Pitch + 2);
  Box->SetText("abc\r\ndef");
  EXPECT_FALSE(Box->IsMultiLine());
  EXPECT_EQ(LineStarts(), "0");
  Place(5);
  EXPECT_EQ(Box->GetCaretPoint().x, 4 * CharWidth);
}

TEST_F(EditLayoutTest, TrailingBlanksPastTheRightEdgeKeepTheCaretInside) {
  MakeBox(6 * CharWidth + 2, 3, "abcd        efgh");
  ASSERT_EQ(LineStarts(), "0,12");
  Place(11);
  EXPECT_EQ(Box->GetCaretLine(), 0);
  EXPECT_LT(Box->GetCaretPoint().x, Box->GetWidth());
}

TEST_F(EditLayoutTest, VerticalAndPageMovesKeepTheColumnAndScroll) {
  String text;
  for (char c = 'a'; c <= 'h'; ++c) text += String(3, c) + "\r\n";
  MakeBox(200, 3, text);
  ASSERT_EQ(Box->LineCount(), 9);
  Place(1);
  for (Integer line = 1; line <= 4; ++line) EXPECT_TRUE(Box->MoveDown(false, false));
  EXPECT_EQ(Caret(), "21 4:1");
  EXPECT_EQ(Box->GetFirstVisibleLine(), 2) << "scrolled just enough";
  EXPECT_TRUE(Box->MovePageDown(false, false));
  EXPECT_EQ(Box->GetCaretLine(), 7);
  EXPECT_EQ(Box->GetFirstVisibleLine(), 5);
  EXPECT_TRUE(Box->MovePageDown(false, false));
  EXPECT_EQ(Box->GetCaretLine(), 8);
  EXPECT_FALSE(Box->MovePageDown(false, false)) << "on the last line";
  EXPECT_TRUE(Box->MovePageUp(false, false));
  EXPECT_EQ(Box->GetCaretLine(), 5);
  EXPECT_TRUE(Box->CtrlMoveHome(false, true));
  EXPECT_EQ(Caret(), "0 0:0");
  EXPECT_EQ(Box->GetFirstVisibleLine(), 0);
  EXPECT_FALSE(Box->CtrlMoveHome(false, true));
}

TEST_F(EditLayoutTest, AnEmptyOrWhollySelectedTextLeavesUnshiftedMovesToTheGrid) {
  MakeBox(200, 3, "");
  EXPECT_TRUE(Box->AllSelected());
  EXPECT_FALSE(Box->MoveLeft(false, false, true));
  EXPECT_FALSE(Box->MoveRight(false, false, true));
  EXPECT_FALSE(Box->MoveUp(false, true));
  EXPECT_FALSE(Box->MoveDown(false, true));
  Box->SetText("abc");
  Box->SelectAll();
  EXPECT_FALSE(Box->MoveRight(false, false, true));
  EXPECT_EQ(Box->GetSelByteLength(), 3) << "the text is left as it is";
  EXPECT_TRUE(Box->MoveHome(false)) << "Home and End still answer";
  EXPECT_EQ(Box->GetSelByteLength(), 0);
}

TEST_F(EditLayoutTest, ShiftedMovesExtendAndShrinkTheSelection) {
  MakeBox(200, 1, "abcdef");
  Place(2);
  Box->MoveRight(true, false, false);
  Box->MoveRight(true, false, false);
  EXPECT_EQ(Box->GetSelText(), "cd");
  Box->MoveLeft(true, false, false);
  EXPECT_EQ(Box->GetSelText(), "c");
  Box->MoveLeft(true, false, false);
  Box->MoveLeft(true, false, false);
  EXPECT_EQ(Box->GetSelText(), "b") << "back past the anchor";
  Box->MoveEnd(true);
  EXPECT_EQ(Box->GetSelText(), "cdef");
  Box->MoveHome(true);
  EXPECT_EQ(Box->GetSelText(), "ab");
}

TEST_F(EditLayoutTest, SelectionPositionsCountWholeCharacters) {
  MakeBox(200, 1, "a\xE4\xB8\xAD\r\nbc");  // a 中 CR LF b c
  Box->SetSelStart(2);
  EXPECT_EQ(Box->GetSelByteStart(), 4);
  EXPECT_EQ(Box->GetSelStart(), 2);
  Box->SetSelLength(2);
  EXPECT_EQ(Box->GetSelByteLength(), 3);
  EXPECT_EQ(Box->GetSelLength(), 2);
  EXPECT_EQ(Box->GetSelText(), "\r\nb");
  Box->SetSelByteLength(100);
  EXPECT_EQ(Box->GetSelText(), "\r\nbc") << "a length past the end selects to the end";
  Box->SetSelByteStart(2);
  EXPECT_EQ(Box->GetSelByteStart(), 1) << "never inside a sequence";
  Box->SetSelByteStart(5);
  EXPECT_EQ(Box->GetSelByteStart(), 4) << "never between CR and LF";
  Box->SetSelByteStart(-1);
  Box->SetSelByteStart(9);
  EXPECT_EQ(Box->GetSelByteStart(), 4) << "outside the text: ignored";
}

TEST_F(EditLayoutTest, ChineseTextInASongCellStepsAndWrapsByWholeCharacters) {
  // 中文输入法测试 in a box four characters wide.
  const String text = "\xE4\xB8\xAD\xE6\x96\x87\xE8\xBE\x93\xE5\x85\xA5\xE6\xB3\x95\xE6\xB5\x8B\xE8\xAF\x95";
  const Integer han = TextWidthIn(kSongFace, "\xE4\xB8\xAD");
  ASSERT_GT(han, CharWidth);
  MakeBox(4 * han + 2, 3, text, taLeftJustify, kSongFace);
  EXPECT_EQ(LineStarts(), "0,12");
  Place(0);
  for (Integer i = 1; i <= 3; ++i) {
    Box->MoveRight(false, false, false);
    EXPECT_EQ(Box->GetCaretPosition(), 3 * i);
    EXPECT_EQ(Box->GetCaretPoint().x, i * han);
  }
  bool atLineStart;
  EXPECT_EQ(Box->GetPointCaretPos(TPoint(han + han / 2 - 2, Pitch / 2), atLineStart), 3) << "nearer the left edge";
  EXPECT_EQ(Box->GetPointCaretPos(TPoint(han + han / 2 + 2, Pitch / 2), atLineStart), 6) << "nearer the right edge";
  EXPECT_EQ(Box->GetPointCaretPos(TPoint(han + 1, Pitch + 1), atLineStart), 15);
  Box->MoveDown(false, false);
  EXPECT_EQ(Box->GetCaretPosition(), 21) << "the shorter next line's end";
  Box->MoveLeft(true, false, false);
  Box->MoveLeft(true, false, false);
  EXPECT_EQ(Box->GetSelStart(), 5);
  EXPECT_EQ(Box->GetSelLength(), 2);
  EXPECT_EQ(Box->GetSelText(), "\xE6\xB5\x8B\xE8\xAF\x95");
  // Drawn where it was measured: the selection block covers the last two characters of line two.
  Box->SetColor(clWhite);
  ShowFocused(Box);
  const Integer top = Box->GetCaretPoint().y;
  EXPECT_EQ(Pixel(Box, han + 1, top), ColorToRGB(clHighlight));
  EXPECT_EQ(Pixel(Box, 3 * han - 1, top), ColorToRGB(clHighlight));
  EXPECT_EQ(Pixel(Box, han - 1, top), ColorToRGB(clWhite));
  SavePng("edit-box-song.png");
}

TEST_F(EditLayoutTest, PaintShowsTheSelectionWhileFocused) {
  MakeBox(200, 1, "abcdef");
  Box->SetColor(clWhite);
  Box->GetFont()->SetColor(clBlack);
  Box->SetSelByteStart(1);
  Box->SetSelByteLength(2);
  auto* elsewhere = New<TStandInGrid>(Form);
  elsewhere->SetParent(Form);
  elsewhere->SetBounds(0, 250, 50, 20);
  ShowFocused(elsewhere);
  Box->Invalidate();  // as a grid does for its in-place window when it loses the focus
  const Integer y = Box->GetCaretPoint().y;  // the selection block's top row, above the glyphs
  EXPECT_EQ(Pixel(Box, CharWidth + 1, y), ColorToRGB(clWhite)) << "no selection while neither box nor grid is focused";
  Box->SetFocus();
  Pump();
  EXPECT_EQ(Pixel(Box, CharWidth + 1, y), ColorToRGB(clHighlight));
  EXPECT_EQ(Pixel(Box, 3 * CharWidth + 1, y), ColorToRGB(clWhite));
  SavePng("edit-box-selection.png");
}

}  // namespace
