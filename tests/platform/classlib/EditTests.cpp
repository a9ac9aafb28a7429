// The edit control on a shown form: what typing leaves in it under CharCase, MaxLength and
// ReadOnly; the selection and clipboard commands; OnChange and Modified; AutoSelect on entry.
#include "ClasslibTestSupport.h"

#include "HeadlessBackend.h"
#include "StdCtrls.h"
#include "WinUser.h"

using namespace ClasslibTest;

namespace {

class EditTest : public TClasslibFixture {
 protected:
  TForm* Form = nullptr;
  TEdit* Edit = nullptr;

  void SetUp() override {
    TClasslibFixture::SetUp();
    Form = TCustomForm::CreateNew<TForm>(Application);
    Form->SetBounds(100, 100, 400, 300);
    Edit = New<TEdit>(Form);
    Edit->SetParent(Form);
    Edit->SetBounds(10, 10, 150, 21);
    Form->Show();
    Application->ProcessMessages();
  }
  void Type(const String& text) {
    Edit->SetFocus();
    InjectText(text);
    Application->ProcessMessages();
  }
};

TEST_F(EditTest, TypedTextFollowsCharCaseMaxLengthAndReadOnly) {
  struct TCase {
    TEditCharCase CharCase;
    Integer MaxLength;
    bool ReadOnly;
    const char* Typed;
    const char* Expected;
  };
  const TCase cases[] = {
      {ecNormal, 0, false, "Ab c", "Ab c"},
      {ecUpperCase, 0, false, "Ab c", "AB C"},
      {ecLowerCase, 0, false, "Ab C", "ab c"},
      {ecNormal, 3, false, "abcdef", "abc"},
      // The limit counts bytes and never keeps part of a character.
      {ecNormal, 4, false, "中文", "中"},
      {ecNormal, 0, true, "abc", ""},
  };
  for (const TCase& c : cases) {
    Edit->SetText("");
    Edit->SetCharCase(c.CharCase);
    Edit->SetMaxLength(c.MaxLength);
    Edit->SetReadOnly(c.ReadOnly);
    Type(c.Typed);
    EXPECT_EQ(Edit->GetText(), c.Expected) << c.Typed << " case " << c.CharCase << " max " << c.MaxLength;
  }
}

TEST_F(EditTest, ChangingCharCaseConvertsTheTextAndKeepsModified) {
  Type("Mixed");
  ASSERT_TRUE(Edit->GetModified());
  HWND before = Edit->GetHandle();
  Edit->SetCharCase(ecUpperCase);
  EXPECT_EQ(Edit->GetText(), "MIXED");
  EXPECT_NE(Edit->GetHandle(), before) << "the style change recreates the window";
  Edit->SetModified(true);
  Edit->SetHideSelection(false);  // recreates again
  EXPECT_TRUE(Edit->GetModified()) << "Modified survives a recreated window";
}

TEST_F(EditTest, SelectionPropertiesAndCommands) {
  Edit->SetText("Hello world");
  Edit->SetSelStart(6);
  Edit->SetSelLength(5);
  EXPECT_EQ(Edit->GetSelStart(), 6);
  EXPECT_EQ(Edit->GetSelLength(), 5);
  EXPECT_EQ(Edit->GetSelText(), "world");
  Edit->SetSelText("there");
  EXPECT_EQ(Edit->GetText(), "Hello there");
  EXPECT_EQ(Edit->GetSelLength(), 0);
  EXPECT_EQ(Edit->GetSelStart(), 11) << "the caret ends after the inserted text";

  Edit->SetSelLength(100);
  EXPECT_EQ(Edit->GetSelLength(), 0) << "a length past the end stops at the end";

  Edit->SelectAll();
  EXPECT_EQ(Edit->GetSelLength(), 11);
  Edit->CutToClipboard();
  EXPECT_EQ(Edit->GetText(), "");
  Edit->PasteFromClipboard();
  Edit->PasteFromClipboard();
  EXPECT_EQ(Edit->GetText(), "Hello thereHello there");
  EXPECT_TRUE(Edit->CanUndo());
  Edit->Undo();
  EXPECT_EQ(Edit->GetText(), "Hello there");

  Edit->SetSelStart(0);
  Edit->SetSelLength(6);
  Edit->ClearSelection();
  EXPECT_EQ(Edit->GetText(), "there");
}

TEST_F(EditTest, OnChangeFiresForEveryChangeOfTheTextButNotForTheNewWindow) {
  std::vector<String> seen;
  Edit->OnChange = [&](TObject* sender) { seen.push_back(As<TEdit>(sender)->GetText()); };
  Edit->SetText("a");
  Edit->SetSelStart(1);
  Type("bc");
  Edit->SetSelStart(0);
  Edit->SetSelLength(1);
  Edit->ClearSelection();
  EXPECT_EQ(seen, (std::vector<String>{"a", "ab", "abc", "bc"}));
  seen.clear();
  Edit->SetBorderStyle(bsNone);  // recreates the window with its text
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(Edit->GetText(), "bc");
}

TEST_F(EditTest, ModifiedIsSetByTypingAndClearedByAssigningText) {
  Edit->SetText("start");
  EXPECT_FALSE(Edit->GetModified());
  Type("x");
  EXPECT_TRUE(Edit->GetModified());
  Edit->SetText("reset");
  EXPECT_FALSE(Edit->GetModified());
}

TEST_F(EditTest, TabbingInSelectsTheTextWhenAutoSelect) {
  auto* second = New<TEdit>(Form);
  second->SetParent(Form);
  second->SetBounds(10, 40, 150, 21);
  second->SetText("second");
  Edit->SetFocus();
  Application->ProcessMessages();
  InjectKeyPress(VK_TAB);
  Application->ProcessMessages();
  ASSERT_TRUE(second->Focused());
  EXPECT_EQ(second->GetSelLength(), 6);

  second->SetAutoSelect(false);
  second->SetSelStart(0);
  InjectKeyPress(VK_TAB);
  Application->ProcessMessages();
  InjectKeyPress(VK_TAB);
  Application->ProcessMessages();
  ASSERT_TRUE(second->Focused());
  EXPECT_EQ(second->GetSelLength(), 0);
}

TEST_F(EditTest, AClickPlacesTheCaretWithoutSelectingAll) {
  auto* other = New<TEdit>(Form);
  other->SetParent(Form);
  other->SetBounds(10, 40, 150, 21);
  other->SetFocus();
  Edit->SetText("Hello");
  Application->ProcessMessages();
  TPoint p = Edit->ClientToScreen(TPoint(140, 8));
  InjectClick(p.x, p.y);
  Application->ProcessMessages();
  ASSERT_TRUE(Edit->Focused());
  EXPECT_EQ(Edit->GetSelStart(), 5);
  EXPECT_EQ(Edit->GetSelLength(), 0);
}

TEST_F(EditTest, PasswordTextIsNeitherCopiedNorCut) {
  Edit->SetPasswordChar('*');
  Edit->SetText("secret");
  Edit->SelectAll();
  SetClipboardText("clip");
  Edit->CopyToClipboard();
  Edit->CutToClipboard();
  String clip;
  ASSERT_TRUE(GetClipboardText(clip));
  EXPECT_EQ(clip, "clip");
  EXPECT_EQ(Edit->GetText(), "secret");
}

TEST_F(EditTest, AutoSizeFitsTheHeightToTheFont) {
  Integer small = Edit->GetHeight();
  Edit->GetFont()->SetSize(20);
  EXPECT_GT(Edit->GetHeight(), small);
  Edit->SetAutoSize(false);
  Edit->SetHeight(50);
  EXPECT_EQ(Edit->GetHeight(), 50);
}

}  // namespace
