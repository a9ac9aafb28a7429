// The edit control on a shown form: what typing leaves in it under CharCase, MaxLength and
// ReadOnly; the selection and clipboard commands; OnChange and Modified; AutoSelect on entry.
#include "ClasslibTestSupport.h"

#include <cstring>

#include "HeadlessBackend.h"
#include "Mask.h"
#include "Resources.h"
#include "StdCtrls.h"
#include "StringLists.h"
#include "WinUser.h"

using namespace ClasslibTest;

namespace {

// A form of every standard control, read from its form resource.
class TStdCtrlsForm : public TForm {
  DECLARE_CLASS(TStdCtrlsForm, TForm)
};
IMPLEMENT_CLASS(TStdCtrlsForm)

const char* const StdCtrlsFormText = R"(object StdCtrlsForm: TStdCtrlsForm
  Left = 50
  Top = 50
  Width = 420
  Height = 320
  Caption = '标准控件'
  object Label1: TLabel
    Left = 8
    Top = 8
    Width = 40
    Height = 13
    Caption = '名称(&N)'
    FocusControl = Edit1
  end
  object Edit1: TEdit
    Left = 80
    Top = 8
    Width = 121
    Height = 21
    MaxLength = 10
    TabOrder = 0
    Text = 'abc'
  end
  object Memo1: TMemo
    Left = 8
    Top = 40
    Width = 185
    Height = 89
    Lines.Strings = (
      '第一行'
      'second')
    ScrollBars = ssVertical
    TabOrder = 1
  end
  object ListBox1: TListBox
    Left = 200
    Top = 40
    Width = 121
    Height = 97
    ItemHeight = 20
    Items.Strings = (
      'a'
      'b')
    MultiSelect = True
    Style = lbOwnerDrawFixed
    TabOrder = 2
  end
  object CheckBox1: TCheckBox
    Left = 8
    Top = 140
    Width = 97
    Height = 17
    AllowGrayed = True
    Caption = '提醒'
    State = cbGrayed
    TabOrder = 3
  end
  object RadioButton1: TRadioButton
    Left = 8
    Top = 160
    Width = 97
    Height = 17
    Caption = '一'
    Checked = True
    TabOrder = 4
  end
  object Button1: TButton
    Left = 8
    Top = 190
    Width = 75
    Height = 25
    Caption = '确定'
    Default = True
    ModalResult = 1
    TabOrder = 5
  end
  object MaskEdit1: TMaskEdit
    Left = 100
    Top = 190
    Width = 121
    Height = 21
    EditMask = '000-00;1;_'
    TabOrder = 6
    Text = '123-45'
  end
  object GroupBox1: TGroupBox
    Left = 240
    Top = 150
    Width = 150
    Height = 80
    Caption = '分组'
    TabOrder = 7
  end
end
)";

void RegisterStdCtrlsForm() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterClasses({TLabel::StaticClass(), TEdit::StaticClass(), TMemo::StaticClass(), TListBox::StaticClass(),
                   TCheckBox::StaticClass(), TRadioButton::StaticClass(), TButton::StaticClass(),
                   TMaskEdit::StaticClass(), TGroupBox::StaticClass(), TStdCtrlsForm::StaticClass()});
  static const TResourceEntry entries[] = {{"RCDATA", "TSTDCTRLSFORM",
                                            reinterpret_cast<const unsigned char*>(StdCtrlsFormText),
                                            std::strlen(StdCtrlsFormText)}};
  static const TResourceTable table{entries, 1};
  RegisterResourceTable(table);
}

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
      // The limit counts characters, whatever their length in bytes.
      {ecNormal, 1, false, "中文", "中"},
      {ecNormal, 3, false, "a中文b", "a中文"},
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

namespace {

class StdCtrlsFormResource : public TClasslibFixture {};

TEST_F(StdCtrlsFormResource, ReadsEveryStandardControlAndWritesOnlyWhatDiffersFromTheDefaults) {
  RegisterStdCtrlsForm();
  auto* form = Application->CreateForm<TStdCtrlsForm>();
  auto find = [&](const char* name) { return form->FindComponent(name); };
  auto* label = As<TLabel>(find("Label1"));
  auto* edit = As<TEdit>(find("Edit1"));
  auto* memo = As<TMemo>(find("Memo1"));
  auto* list = As<TListBox>(find("ListBox1"));
  auto* check = As<TCheckBox>(find("CheckBox1"));
  auto* radio = As<TRadioButton>(find("RadioButton1"));
  auto* button = As<TButton>(find("Button1"));
  auto* mask = As<TMaskEdit>(find("MaskEdit1"));
  ASSERT_TRUE(label && edit && memo && list && check && radio && button && mask && find("GroupBox1"));
  EXPECT_EQ(label->GetFocusControl(), edit);
  EXPECT_EQ(edit->GetText(), "abc");
  EXPECT_EQ(edit->GetMaxLength(), 10);
  EXPECT_EQ(memo->GetLines()->GetCount(), 2);
  EXPECT_EQ(memo->GetLines()->GetStrings(0), "第一行");
  EXPECT_EQ(list->GetItems()->GetCount(), 2);
  EXPECT_EQ(list->GetItemHeight(), 20);
  EXPECT_EQ(check->GetState(), cbGrayed);
  EXPECT_TRUE(radio->GetChecked());
  EXPECT_TRUE(button->GetDefault());
  EXPECT_EQ(button->GetModalResult(), mrOk);
  EXPECT_EQ(mask->GetText(), "123-45");
  EXPECT_EQ(mask->GetEditText(), "123-45");

  form->Show();
  Application->ProcessMessages();
  EXPECT_EQ(list->GetItems()->GetStrings(1), "b");

  String text = FormText(form);
  for (const char* written : {"MaxLength = 10", "ScrollBars = ssVertical", "Style = lbOwnerDrawFixed",
                              "State = cbGrayed", "Default = True", "ModalResult = 1", "EditMask = '000-00;1;_'"})
    EXPECT_NE(text.find(written), String::npos) << written;
  for (const char* defaulted : {"AutoSize", "AutoSelect", "HideSelection", "WordWrap", "CharCase", "BorderStyle",
                                "ExtendedSelect", "IntegralHeight", "Cancel = False", "Alignment"})
    EXPECT_EQ(text.find(defaulted), String::npos) << defaulted;

  // Colours and fonts that follow the parent stay out of the resource, so that they follow it again
  // when read back.
  form->SetColor(clNavy);
  form->GetFont()->SetName("Arial");
  EXPECT_EQ(label->GetColor(), clNavy);
  text = FormText(form);
  auto count = [&](const String& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != String::npos; at = text.find(what, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(count("Color = clNavy"), 1u) << text;
  EXPECT_EQ(count("Font.Name = 'Arial'"), 1u) << text;
}

}  // namespace
