// The memo: Lines as the lines of its text, Enter and Tab typed in or left to the form, the style
// bits of its properties, and the caret as a character and line.
#include "ClasslibTestSupport.h"

#include "HeadlessBackend.h"
#include "StdCtrls.h"
#include "StringLists.h"
#include "WinUser.h"

using namespace ClasslibTest;

namespace {

class MemoTest : public TClasslibFixture {
 protected:
  TForm* Form = nullptr;
  TMemo* Memo = nullptr;
  void SetUp() override {
    TClasslibFixture::SetUp();
    Form = TCustomForm::CreateNew<TForm>(Application);
    Form->SetBounds(100, 100, 400, 300);
    Memo = New<TMemo>(Form);
    Memo->SetParent(Form);
    Memo->SetBounds(10, 10, 200, 100);
    Form->Show();
    Application->ProcessMessages();
  }
  void Keys(std::initializer_list<int> keys) {
    Memo->SetFocus();
    for (int k : keys) {
      if (k < 0) InjectText(String(1, static_cast<char>(-k)));
      else InjectKeyPress(k);
    }
    Application->ProcessMessages();
  }
};

TEST_F(MemoTest, LinesAreTheLinesOfTheText) {
  TStrings* lines = Memo->GetLines();
  EXPECT_EQ(lines->GetCount(), 0);
  lines->Add("first");
  lines->Add("second");
  EXPECT_EQ(Memo->GetText(), "first\r\nsecond\r\n");
  EXPECT_EQ(lines->GetCount(), 2) << "a text ending with a line break has no empty line after it";
  lines->Insert(1, "middle");
  lines->SetStrings(0, "FIRST");
  lines->Delete(2);
  EXPECT_EQ(Memo->GetText(), "FIRST\r\nmiddle\r\n");
  Memo->SetText("a\nb\r\nc");
  EXPECT_EQ(lines->GetCount(), 3);
  EXPECT_EQ(lines->GetStrings(1), "b");
  EXPECT_THROW(lines->GetStrings(3), Exception);
  EXPECT_THROW(lines->Delete(-1), Exception);

  TOwnedPtr<TStringList> source = NewOwned<TStringList>();
  source->SetText("x\r\ny\r\n");
  Memo->SetLines(source.get());
  EXPECT_EQ(Memo->GetText(), "x\r\ny\r\n");
  lines->Clear();
  EXPECT_EQ(Memo->GetText(), "");
}

TEST_F(MemoTest, EnterAndTabAreTypedInOrLeftToTheForm) {
  auto* button = New<TButton>(Form);
  button->SetParent(Form);
  button->SetBounds(10, 150, 75, 25);
  button->SetDefault(true);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  struct TCase {
    bool WantReturns, WantTabs;
    const char* Text;
    int Clicks;
    bool MemoKeepsFocus;
  };
  const TCase cases[] = {
      {true, false, "a\r\nb", 0, false},
      {false, false, "ab", 1, false},
      {true, true, "a\r\nb\t", 0, true},
  };
  for (const TCase& c : cases) {
    Memo->SetText("");
    Memo->SetWantReturns(c.WantReturns);
    Memo->SetWantTabs(c.WantTabs);
    clicks = 0;
    Keys({-'a', VK_RETURN, -'b', VK_TAB});
    EXPECT_EQ(Memo->GetText(), c.Text) << c.WantReturns << c.WantTabs;
    EXPECT_EQ(clicks, c.Clicks) << c.WantReturns << c.WantTabs;
    EXPECT_EQ(Memo->Focused(), c.MemoKeepsFocus) << "Tab moves on unless the memo wants it";
  }
}

TEST_F(MemoTest, PropertiesSetTheWindowStyle) {
  HWND h = Memo->GetHandle();
  auto style = [&] { return static_cast<DWORD>(GetWindowLong(Memo->GetHandle(), GWL_STYLE)); };
  EXPECT_NE(style() & ES_MULTILINE, 0u);
  EXPECT_EQ(style() & ES_AUTOHSCROLL, 0u) << "word wrap";
  Memo->SetText("kept");
  Memo->SetWordWrap(false);
  Memo->SetScrollBars(ssVertical);
  Memo->SetAlignment(taCenter);
  EXPECT_NE(Memo->GetHandle(), h);
  EXPECT_NE(style() & ES_AUTOHSCROLL, 0u);
  EXPECT_NE(style() & ES_CENTER, 0u);
  EXPECT_EQ(Memo->GetText(), "kept");
}

TEST_F(MemoTest, CaretPosIsTheCharacterAndLine) {
  Memo->SetText("one\r\ntwo\r\nthree");
  Memo->SetCaretPos(TPoint(2, 1));
  EXPECT_EQ(Memo->GetSelStart(), 7);
  EXPECT_EQ(Memo->GetCaretPos(), TPoint(2, 1));
  Keys({VK_DOWN});
  EXPECT_EQ(Memo->GetCaretPos().y, 2);
}

}  // namespace
