// The multi-line EDIT: its lines (at line breaks and, without ES_AUTOHSCROLL, wrapped after the last
// blank that fits), the line messages, the caret moving between lines, Enter breaking lines, and
// vertical scrolling that keeps the caret in view.
#include "WinTestSupport.h"

#include <string>
#include <vector>

using namespace WinTest;

namespace {

class MultiLineEdit : public TWinFixture {
 protected:
  void SetUp() override {
    TWinFixture::SetUp();
    Form = MakeWindow("form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300);
  }
  // A multi-line edit whose formatting rectangle is `width` pixels wide and `lines` lines high.
  HWND Make(DWORD style, int width, int lines) {
    HWND probe = CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 10, 10, Form, nullptr, nullptr, nullptr);
    LineHeight = Measure(probe, "Xg").cy;
    DestroyWindow(probe);
    Edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | style, 10, 10, width + 2,
                           lines * LineHeight, Form, reinterpret_cast<HMENU>(7), nullptr, nullptr);
    SetFocus(Edit);
    ProcessMessages();
    return Edit;
  }
  static SIZE Measure(HWND edit, const std::string& s) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessage(edit, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc, s.c_str(), static_cast<int>(s.size()), &size);
    SelectObject(dc, old);
    DeleteDC(dc);
    return size;
  }
  std::vector<std::string> Lines() {
    std::vector<std::string> out;
    auto count = static_cast<int>(SendMessage(Edit, EM_GETLINECOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      char buf[256] = {};
      *reinterpret_cast<WORD*>(buf) = sizeof(buf) - 1;
      auto n = static_cast<int>(SendMessage(Edit, EM_GETLINE, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buf)));
      out.emplace_back(buf, static_cast<size_t>(n));
    }
    return out;
  }
  DWORD Caret() {
    DWORD a = 0, b = 0;
    SendMessage(Edit, EM_GETSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
    return b;
  }
  void Keys(std::initializer_list<int> keys) {
    bool ctrl = false;
    for (int k : keys) {
      if (k == VK_CONTROL) InjectKey(VK_CONTROL, ctrl = !ctrl);
      else if (k < 0) InjectText(std::string(1, static_cast<char>(-k)));
      else InjectKeyPress(k);
    }
    ProcessMessages();
  }
  HWND Form = nullptr, Edit = nullptr;
  int LineHeight = 0;
};

TEST_F(MultiLineEdit, LinesBreakAtLineBreaksAndWrapAfterTheLastBlankThatFits) {
  struct TCase {
    const char* Text;
    bool Wrap;
    std::vector<std::string> Lines;
  };
  const TCase cases[] = {
      {"", true, {""}},
      {"one\r\ntwo", false, {"one", "two"}},
      {"one\r\n", false, {"one", ""}},
      {"one\ntwo\r\n\r\nthree", false, {"one", "two", "", "three"}},
      {"aaa bbb ccc ddd eee", true, {"aaa bbb ", "ccc ddd ", "eee"}},
      {"aaa bbb ccc ddd eee", false, {"aaa bbb ccc ddd eee"}},
      {"aaa bbb\r\nccc ddd eee fff", true, {"aaa bbb", "ccc ddd ", "eee fff"}},
  };
  for (const TCase& c : cases) {
    HWND probe = CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 10, 10, Form, nullptr, nullptr, nullptr);
    int width = Measure(probe, "aaa bbb ").cx + Measure(probe, "c").cx / 2;
    DestroyWindow(probe);
    Make(c.Wrap ? 0 : ES_AUTOHSCROLL, width, 5);
    SetWindowTextA(Edit, c.Text);
    EXPECT_EQ(Lines(), c.Lines) << c.Text;
    DestroyWindow(Edit);
  }
}

TEST_F(MultiLineEdit, AWordLongerThanTheLineIsCutWhereItMust) {
  Make(0, 60, 5);
  std::string text = "abcdefghijklmnopqrstuvwxyz";
  SetWindowTextA(Edit, text.c_str());
  std::vector<std::string> lines = Lines();
  ASSERT_GT(lines.size(), 1u);
  std::string joined;
  for (const std::string& l : lines) {
    EXPECT_LE(Measure(Edit, l).cx, 60) << l;
    joined += l;
  }
  EXPECT_EQ(joined, text);
}

TEST_F(MultiLineEdit, LineMessagesAnswerForLinesAndCharacters) {
  Make(ES_AUTOHSCROLL, 300, 5);
  SetWindowTextA(Edit, "first\r\nsecond line\r\nx");
  EXPECT_EQ(SendMessage(Edit, EM_GETLINECOUNT, 0, 0), 3);
  struct TCase {
    int Line;
    LRESULT Index;
  };
  for (const TCase& c : {TCase{0, 0}, TCase{1, 7}, TCase{2, 20}, TCase{3, -1}})
    EXPECT_EQ(SendMessage(Edit, EM_LINEINDEX, static_cast<WPARAM>(c.Line), 0), c.Index) << c.Line;
  EXPECT_EQ(SendMessage(Edit, EM_LINELENGTH, 9, 0), 11) << "the line holding character 9";
  EXPECT_EQ(SendMessage(Edit, EM_LINELENGTH, 5, 0), 5) << "the break belongs to its line";
  EXPECT_EQ(SendMessage(Edit, EM_LINEFROMCHAR, 7, 0), 1);
  EXPECT_EQ(SendMessage(Edit, EM_LINEFROMCHAR, 21, 0), 2);
  SendMessage(Edit, EM_SETSEL, 8, 8);
  EXPECT_EQ(SendMessage(Edit, EM_LINEINDEX, static_cast<WPARAM>(-1), 0), 7) << "-1: the caret's line";
  LRESULT at = SendMessage(Edit, EM_POSFROMCHAR, 7, 0);
  LRESULT back = SendMessage(Edit, EM_CHARFROMPOS, 0, MAKELPARAM(LOWORD(at) + 1, HIWORD(at) + 1));
  EXPECT_EQ(LOWORD(back), 7);
  EXPECT_EQ(HIWORD(back), 1);
}

TEST_F(MultiLineEdit, TheCaretMovesBetweenLinesAndOverLineBreaksAsOneCharacter) {
  Make(ES_AUTOHSCROLL, 300, 5);
  SetWindowTextA(Edit, "first line\r\nsecond\r\nthird line");
  struct TCase {
    std::vector<int> Keys;
    DWORD Caret;
  };
  const TCase cases[] = {
      {{VK_DOWN}, 12},                               // start of "second"
      {{VK_CONTROL, VK_END, VK_CONTROL, VK_UP}, 18},  // from the end of "third line" up to the end of "second"
      {{VK_DOWN, VK_END, VK_RIGHT}, 20},             // over the CR LF to the start of "third line"
      {{VK_DOWN, VK_DOWN, VK_LEFT}, 18},             // and back
      {{VK_CONTROL, VK_END, VK_CONTROL}, 30},
      {{VK_CONTROL, VK_END, VK_CONTROL, VK_HOME}, 20},
      {{VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN}, 30},    // down from the last line goes to its end
  };
  for (const TCase& c : cases) {
    SendMessage(Edit, EM_SETSEL, 0, 0);
    bool ctrl = false;
    for (int k : c.Keys) {
      if (k == VK_CONTROL) InjectKey(VK_CONTROL, ctrl = !ctrl);
      else InjectKeyPress(k);
    }
    ProcessMessages();
    EXPECT_EQ(Caret(), c.Caret) << c.Keys.size() << " keys";
  }
}

TEST_F(MultiLineEdit, EnterBreaksTheLineAndBackspaceJoinsItAgain) {
  Make(ES_AUTOHSCROLL, 300, 5);
  Keys({-'a', -'b', VK_RETURN, -'c'});
  EXPECT_EQ(GetWindowTextString(Edit), "ab\r\nc");
  EXPECT_EQ(SendMessage(Edit, EM_GETLINECOUNT, 0, 0), 2);
  Keys({VK_HOME, VK_BACK});
  EXPECT_EQ(GetWindowTextString(Edit), "abc");
  EXPECT_EQ(Caret(), 2u);
  Keys({VK_RETURN, VK_LEFT, VK_DELETE});
  EXPECT_EQ(GetWindowTextString(Edit), "abc") << "Delete before a break removes it whole";
}

TEST_F(MultiLineEdit, ScrollingKeepsTheCaretInViewAndScrollMessagesMoveTheFirstLine) {
  Make(ES_AUTOHSCROLL | WS_VSCROLL, 300, 3);
  std::string text;
  for (int i = 0; i < 10; ++i) text += "line " + std::to_string(i) + (i < 9 ? "\r\n" : "");
  SetWindowTextA(Edit, text.c_str());
  EXPECT_EQ(SendMessage(Edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  Keys({VK_CONTROL, VK_END, VK_CONTROL});
  EXPECT_EQ(SendMessage(Edit, EM_GETFIRSTVISIBLELINE, 0, 0), 7) << "the last line is the bottom one";
  SCROLLINFO si;
  si.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(Edit, SB_VERT, &si));
  EXPECT_EQ(si.nPos, 7);
  EXPECT_EQ(si.nMax, 9);
  SendMessage(Edit, WM_VSCROLL, SB_LINEUP, 0);
  EXPECT_EQ(SendMessage(Edit, EM_GETFIRSTVISIBLELINE, 0, 0), 6);
  SendMessage(Edit, EM_LINESCROLL, 0, -10);
  EXPECT_EQ(SendMessage(Edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  SendMessage(Edit, EM_SCROLLCARET, 0, 0);
  EXPECT_EQ(SendMessage(Edit, EM_GETFIRSTVISIBLELINE, 0, 0), 7);
  Keys({VK_PRIOR});
  EXPECT_EQ(SendMessage(Edit, EM_LINEFROMCHAR, Caret(), 0), 6);

  // A click on the second visible line puts the caret on that line.
  SendMessage(Edit, EM_LINESCROLL, 0, -10);
  RECT r;
  GetWindowRect(Edit, &r);
  InjectClick(r.left + 3, r.top + LineHeight + LineHeight / 2);
  ProcessMessages();
  EXPECT_EQ(SendMessage(Edit, EM_LINEFROMCHAR, Caret(), 0), 1);
}

TEST_F(MultiLineEdit, AOneLineEditKeepsOneLine) {
  Edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10, 100, 20, Form, nullptr,
                         nullptr, nullptr);
  SetFocus(Edit);
  SetClipboardText("one\r\ntwo");
  SendMessage(Edit, WM_PASTE, 0, 0);
  EXPECT_EQ(GetWindowTextString(Edit), "one");
  EXPECT_EQ(SendMessage(Edit, EM_GETLINECOUNT, 0, 0), 1);
  Keys({VK_RETURN});
  EXPECT_EQ(GetWindowTextString(Edit), "one");
}

}  // namespace
