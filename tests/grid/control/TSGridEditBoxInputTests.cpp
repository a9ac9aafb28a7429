// What drives the edit box: the key table with held keys at the edges of the text, typing of
// multibyte characters byte by byte, the maximum length, deleting, the clipboard, undo, masks and
// the mouse, on a real window with a fixed-pitch font.
#include <gtest/gtest.h>

#include "Clipbrd.h"
#include "InplaceTestSupport.h"
#include "TSMask.h"
#include "WinUser.h"

using namespace InplaceTest;

namespace {

class EditInputTest : public InplaceFixture {
 protected:
  TtsGridEditBox* Box = nullptr;
  Integer CharWidth = TextWidthIn(kFixedFace, "m");
  std::vector<Word> KeysToGrid;      // what the EndKeyDown hook passed on
  std::vector<String> Hooks;         // the change hooks in order

  // A focused box of Width pixels and Lines lines with its text set.
  void MakeBox(const String& Text, Integer Lines = 1, Integer Width = 200) {
    Box = MakeEditBox(Width, Lines, Text);
    Box->OnEndKeyDown = TKeyEvent([this](TObject*, Word& Key, TShiftState) {
      if (Key != VK_SHIFT && Key != VK_CONTROL) KeysToGrid.push_back(Key);
    });
    Box->OnNotifyChanged = TtsNotifyChangedEvent([this](TObject*, bool DataChanged) {
      if (DataChanged) Hooks.push_back("notify");
    });
    Box->OnChanged = TtsChangedEvent([this](TObject*, bool Edit, bool ByUser, bool TextAdded) {
      Hooks.push_back(String("changed(") + (Edit ? "1" : "0") + (ByUser ? ",1" : ",0") + (TextAdded ? ",1)" : ",0)"));
    });
    ShowFocused(Box);
    Hooks.clear();
  }
  void Place(Integer Position) {
    Box->SetSelByteStart(Position);
    Box->TextPosToSelStart();
  }
};

// Held keys stop at the edges of the text; the first press there goes to the grid.
TEST_F(EditInputTest, KeyTableAtTheEdgesOfTheText) {
  struct Case {
    const char* Text;
    Integer Lines, Caret;
    Word VK;
    TShiftState Shift;
    Integer Presses;     // downs before the release; more than one repeats the key
    Integer ToGrid;      // presses the grid saw
    Integer CaretAfter;
  } cases[] = {
      {"abc", 1, 0, VK_LEFT, {}, 1, 1, 0},
      {"abc", 1, 2, VK_LEFT, {}, 4, 0, 0},       // held: stops at the start
      {"abc", 1, 3, VK_RIGHT, {}, 1, 1, 3},
      {"abc", 1, 1, VK_RIGHT, {}, 5, 0, 3},
      {"ab\r\ncd", 3, 1, VK_UP, {}, 1, 1, 1},
      {"ab\r\ncd", 3, 1, VK_DOWN, {}, 3, 0, 5},  // down once, then held on the last line
      {"ab\r\ncd", 3, 5, VK_DOWN, {}, 1, 1, 5},
      {"abc", 1, 1, VK_NEXT, {}, 2, 2, 1},       // pages need several lines
      {"abc", 1, 0, VK_LEFT, {ssShift}, 1, 0, 0}, // Shift alone always consumes
      {"abc", 1, 0, VK_HOME, {ssCtrl}, 1, 1, 0},
      {"abc", 1, 2, VK_HOME, {ssCtrl}, 1, 0, 0},
      {"abc", 1, 3, VK_END, {ssCtrl}, 1, 1, 3},
      {"abc", 1, 1, VK_END, {}, 1, 0, 3},
      {"abc", 1, 1, VK_HOME, {}, 2, 0, 0},
      {"abc", 1, 1, VK_ESCAPE, {}, 1, 1, 1},     // nothing to undo
      {"abc", 1, 1, VK_F2, {}, 1, 0, 1},
      {"abc", 1, 1, VK_TAB, {}, 1, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Format("%s caret %d key %d", {c.Text, c.Caret, Integer(c.VK)}));
    MakeBox(c.Text, c.Lines);
    Place(c.Caret);
    KeysToGrid.clear();
    if (c.Shift.Contains(ssShift)) Down(VK_SHIFT);
    if (c.Shift.Contains(ssCtrl)) Down(VK_CONTROL);
    for (Integer i = 0; i < c.Presses; ++i) Down(c.VK);
    Up(c.VK);
    if (c.Shift.Contains(ssCtrl)) Up(VK_CONTROL);
    if (c.Shift.Contains(ssShift)) Up(VK_SHIFT);
    EXPECT_EQ(static_cast<Integer>(KeysToGrid.size()), c.ToGrid);
    EXPECT_EQ(Box->GetCaretPosition(), c.CaretAfter);
    FreeAndNil(Box);
  }
}

TEST_F(EditInputTest, HeldLeftStopsAtTheStartAndAFreshPressLeaves) {
  MakeBox("abc");
  Place(3);
  for (int i = 0; i < 6; ++i) Down(VK_LEFT);
  EXPECT_EQ(Box->GetCaretPosition(), 0);
  EXPECT_TRUE(KeysToGrid.empty());
  Up(VK_LEFT);
  Key(VK_LEFT);
  EXPECT_EQ(KeysToGrid, std::vector<Word>{VK_LEFT});
}

TEST_F(EditInputTest, RightOverAWhollySelectedTextGoesToTheGrid) {
  MakeBox("abc");
  Key('A', {ssCtrl});
  ASSERT_TRUE(Box->AllSelected());
  Key(VK_RIGHT);
  EXPECT_EQ(KeysToGrid, std::vector<Word>{VK_RIGHT});
  EXPECT_EQ(Box->GetText(), "abc");
  EXPECT_TRUE(Box->AllSelected());
}

TEST_F(EditInputTest, TypingCollectsMultibyteCharactersAndReplacesTheSelection) {
  MakeBox("abc");
  Key('A', {ssCtrl});
  Type("x\xE4\xB8\xAD");  // x 中: one byte per WM_CHAR
  EXPECT_EQ(Box->GetText(), "x\xE4\xB8\xAD");
  EXPECT_EQ(Box->GetCaretPosition(), 4);
  // Each layout of the new text is reported (notify) before the typed key's own notices.
  EXPECT_EQ(Hooks, (std::vector<String>{"notify", "notify", "notify", "changed(1,1,1)",  // over the selection
                                        "notify", "notify", "changed(1,1,1)"}));
  // A lead byte waits for the rest of its sequence; a stray continuation byte is dropped.
  Box->Perform(WM_CHAR, 0xE6, 0);
  EXPECT_EQ(Box->GetText(), "x\xE4\xB8\xAD");
  EXPECT_EQ(Box->GetPendingLead(), "\xE6");
  Box->Perform(WM_CHAR, 0x96, 0);
  Box->Perform(WM_CHAR, 0x87, 0);
  EXPECT_EQ(Box->GetText(), "x\xE4\xB8\xAD\xE6\x96\x87");
  Box->Perform(WM_CHAR, 0x87, 0);
  EXPECT_EQ(Box->GetText(), "x\xE4\xB8\xAD\xE6\x96\x87");
  // A lead byte followed by a plain character: the cut sequence goes, the character stays.
  Box->Perform(WM_CHAR, 0xE6, 0);
  Type("y");
  EXPECT_EQ(Box->GetText(), "x\xE4\xB8\xAD\xE6\x96\x87y");
}

TEST_F(EditInputTest, MaxLengthCountsCharactersAndALineBreakAsTwo) {
  MakeBox("ab\xE4\xB8\xAD" "c", 3);
  Box->SetMaxLength(5);
  Key(VK_END);
  Key(VK_RETURN, {ssCtrl});
  EXPECT_EQ(Box->GetText(), "ab\xE4\xB8\xAD" "c") << "CR LF would make six";
  Type("d");
  EXPECT_EQ(Box->GetText(), "ab\xE4\xB8\xAD" "cd");
  Type("e");
  EXPECT_EQ(Box->GetText(), "ab\xE4\xB8\xAD" "cd");
  Box->SetMaxLength(-3);
  EXPECT_EQ(Box->GetMaxLength(), 0);
  Key(VK_RETURN, {ssCtrl});
  EXPECT_EQ(Box->GetText(), "ab\xE4\xB8\xAD" "cd\r\n");
  EXPECT_EQ(Box->GetCaretLine(), 1);
}

TEST_F(EditInputTest, BackspaceAndDeleteRemoveWholeCharacters) {
  MakeBox("a\xE4\xB8\xAD\r\nb");
  Place(6);
  Key(VK_BACK);
  EXPECT_EQ(Box->GetText(), "a\xE4\xB8\xAD" "b");
  Key(VK_BACK);
  EXPECT_EQ(Box->GetText(), "ab");
  Key(VK_DELETE);
  EXPECT_EQ(Box->GetText(), "a");
  Key(VK_DELETE);
  EXPECT_EQ(Box->GetText(), "a") << "nothing after the caret";
}

TEST_F(EditInputTest, BackspaceAtTheStartOfAWrappedLineDeletesBeforeTheBreak) {
  MakeBox("aaaa bbbb cccc", 3, 10 * CharWidth + 2);
  ASSERT_EQ(Box->LineStart(1), 10);
  Place(10);
  ASSERT_EQ(Box->GetCaretLine(), 1);
  Key(VK_BACK);
  EXPECT_EQ(Box->GetText(), "aaaa bbbbcccc");
}

TEST_F(EditInputTest, PasteKeepsLineBreaksAsTheyComeAndCutCopies) {
  MakeBox("ab");
  Place(1);
  Clipboard()->SetAsText("1\r\n2\r3\n4");
  Key('V', {ssCtrl});
  EXPECT_EQ(Box->GetText(), "a1\r\n2\r3\n4b") << "a single-line box keeps them too";
  EXPECT_EQ(Box->GetCaretPosition(), 9);
  EXPECT_EQ(Hooks, (std::vector<String>{"notify", "notify", "changed(1,1,1)"}));
  Box->SetSelByteStart(1);
  Box->SetSelByteLength(3);
  Key(VK_DELETE, {ssShift});
  EXPECT_EQ(Box->GetText(), "a2\r3\n4b");
  EXPECT_EQ(Clipboard()->GetAsText(), "1\r\n");
  Box->SetSelByteStart(0);
  Box->SetSelByteLength(2);
  Key('C', {ssCtrl});
  EXPECT_EQ(Clipboard()->GetAsText(), "a2");
  // A paste ends at a NUL, as clipboard text does.
  Clipboard()->SetBuffer(CF_TEXT, "x\0y", 4);
  Place(0);
  Key(VK_INSERT, {ssShift});
  EXPECT_EQ(Box->GetText(), "xa2\r3\n4b");
}

TEST_F(EditInputTest, EscapeUndoesToTheTextBeforeTheFirstKeyOnce) {
  MakeBox("abc");
  Key(VK_END);
  Type("de");
  Key(VK_BACK);
  EXPECT_EQ(Box->GetText(), "abcd");
  EXPECT_TRUE(Box->HasUndoState());
  KeysToGrid.clear();
  Key(VK_ESCAPE);
  EXPECT_EQ(Box->GetText(), "abc");
  EXPECT_TRUE(KeysToGrid.empty());
  Key(VK_ESCAPE);
  EXPECT_EQ(KeysToGrid, std::vector<Word>{VK_ESCAPE}) << "nothing left to undo";
  // The grid may refuse the undo; the text stays and the key is used up.
  Type("x");
  bool refuse = true;
  Box->OnUndoChanged = TtsUndoChangedEvent([&](TObject*, bool ByUser, bool& Cancel) { Cancel = refuse && ByUser; });
  Key('Z', {ssCtrl});
  EXPECT_EQ(Box->GetText(), "xabc");
  refuse = false;
  Key('Z', {ssCtrl});
  EXPECT_EQ(Box->GetText(), "abc");
  // Setting the text from the program drops the undo state.
  Type("y");
  Box->SetText("new");
  EXPECT_FALSE(Box->HasUndoState());
}

TEST_F(EditInputTest, RefusedEditsLeaveTextSelectionAndCaret) {
  MakeBox("abc");
  Place(1);
  Box->OnEdit = TtsEditEvent([](TObject*, bool& Cancel) { Cancel = true; });
  Type("x");
  Key(VK_BACK);
  Key(VK_DELETE);
  Clipboard()->SetAsText("p");
  Key('V', {ssCtrl});
  EXPECT_EQ(Box->GetText(), "abc");
  EXPECT_EQ(Box->GetCaretPosition(), 1);
  EXPECT_TRUE(Hooks.empty());
  Box->OnEdit = TtsEditEvent();
  Box->KeyEdit = false;
  Type("x");
  EXPECT_EQ(Box->GetText(), "abc") << "without key edits";
  Box->SetEditText("set", false);
  EXPECT_EQ(Box->GetText(), "set") << "an edit from the program still passes";
}

TEST_F(EditInputTest, MaskChecksTypedAndPastedTextWhenItAsksForEditChecks) {
  auto* defs = New<TtsMaskDefs>(Form);
  TtsMask* mask = defs->GetMasks()->Add();
  mask->SetName("code");
  mask->SetPicture("##-##");
  MakeBox("");
  Box->SetMaskDefs(defs);
  Box->SetMaskName("code");
  Type("12");
  Type("3");
  EXPECT_EQ(Box->GetText(), "12-3") << "auto-fill puts the literal in";
  Type("x");
  EXPECT_EQ(Box->GetText(), "12-3");
  std::vector<String> refused;
  Box->OnInvalidKeys = TtsInvalidEditEvent([&](TObject*, const String& Keys, bool& Accept) {
    refused.push_back(Keys);
    Accept = Keys == "!";
  });
  Type("y!");
  EXPECT_EQ(refused, (std::vector<String>{"y", "!"}));
  EXPECT_EQ(Box->GetText(), "12-3!");
  // Without auto-fill the literal must be typed.
  mask->SetAutoFill({mcOnExit});
  Box->SetText("");
  Type("123");
  EXPECT_EQ(Box->GetText(), "12");
  // A mask checked only on exit lets everything in; a changed mask is looked up again.
  mask->SetEvaluate({mcOnExit});
  Type("zz");
  EXPECT_EQ(Box->GetText(), "12zz");
  Box->SetMaskName("none");
  EXPECT_EQ(Box->GetEditMask(), nullptr);
}

TEST_F(EditInputTest, ClickPlacesTheCaretAndDragSelectsAndKeepsScrolling) {
  MakeBox("0123456789abcdefghijklmnopqrstuvwxyz", 1, 10 * CharWidth);
  Click(Box, 3 * CharWidth + 1, 5);
  EXPECT_EQ(Box->GetCaretPosition(), 3);
  Press(Box, 2 * CharWidth + 1, 5);
  MoveTo(Box, 5 * CharWidth + 1, 5);
  EXPECT_EQ(Box->GetSelText(), "234");
  // Past the right edge each move steps one character; once the text scrolls it scrolls on while
  // the button is held and the pointer rests.
  for (Integer i = 0; i < 5; ++i) MoveTo(Box, 12 * CharWidth + i % 2, 5);
  EXPECT_EQ(Box->GetCaretPosition(), 36);
  EXPECT_GT(Box->GetScrollAnchor(), 0);
  EXPECT_EQ(Box->GetSelText(), "23456789abcdefghijklmnopqrstuvwxyz");
  Release(Box, 12 * CharWidth, 5);
  EXPECT_FALSE(Box->GetMouseCapture());
  // A double click selects everything.
  Clock.Advance(1000);
  Click(Box, CharWidth, 5);
  Click(Box, CharWidth, 5);
  EXPECT_TRUE(Box->AllSelected());
}

}  // namespace
