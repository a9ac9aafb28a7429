// The text editor: its settings (formats, digit grouping, masking, bounds), the lookup data, and the
// control with its inner edit (text, maximum length, case, selection, clipboard, undo, incremental
// search, window-text messages), pictured on a form.
#include "Clipbrd.h"
#include "FloatFormat.h"
#include "FormatSettings.h"
#include "HeadlessBackend.h"
#include "Messages.h"
#include "WinUser.h"
#include "cxEditTestSupport.h"
#include "cxTextEdit.h"

namespace {

using cxEditTest::TEditFixture;


// ---- Text routines and settings -------------------------------------------------------------------------------
TEST(cxTextEditProperties, InsertThousandSeparatorGroupsTheIntegerPart) {
  const struct {
    const char* In;
    const char* Out;
  } cases[] = {
      {"7654321", "7,654,321"}, {"-9876.5", "-9,876.5"}, {"  98765E3 ", "  98,765E3 "}, {"123", "123"},
      {"9,8765", "98,765"},     {"", ""},                {".5", ".5"},                   {"   ", "   "},
      {"1234.5678", "1,234.5678"},
  };
  for (const auto& c : cases) {
    String text = c.In;
    InsertThousandSeparator(text);
    EXPECT_EQ(text, c.Out) << c.In;
  }
}

TEST(cxTextEditProperties, PasswordAndCaseShapeTheShownText) {
  TOwnedPtr<TcxTextEditProperties> p(New<TcxTextEditProperties>());
  p->SetEchoMode(eemPassword);
  EXPECT_EQ(p->GetDisplayText("ab中"), "***") << "one mask per character, not per byte";
  EXPECT_EQ(p->GetDisplayText(""), "");
  p->SetPasswordChar('#');
  EXPECT_EQ(p->GetDisplayText("xy"), "##");
  p->SetEchoMode(eemNormal);
  p->SetCharCase(ecUpperCase);
  EXPECT_EQ(p->GetDisplayText("abc"), "ABC");
}

TEST(cxTextEditProperties, ValueBoundsAndFormats) {
  TOwnedPtr<TcxTextEditProperties> p(New<TcxTextEditProperties>());
  p->SetMaxValue(-5);
  EXPECT_FALSE(p->IsValueBoundDefined(evbMin));
  EXPECT_TRUE(p->IsValueBoundDefined(evbMax)) << "only the assigned bound counts";
  p->SetMinValue(-5);
  EXPECT_FALSE(p->IsValueBoundsDefined()) << "equal bounds define none";
  p->SetMaxLength(-3);
  EXPECT_EQ(p->GetMaxLength(), 0);
  EXPECT_TRUE(p->IsMaxLengthStored());
  EXPECT_FALSE(p->GetAssignedTextValues()->GetDisplayFormat());
  p->SetDisplayFormat("");
  EXPECT_TRUE(p->GetAssignedTextValues()->GetDisplayFormat()) << "an empty format can be assigned";
  EXPECT_EQ(p->GetSupportedOperations().Contains(esoIncSearch), true);
  EXPECT_EQ(p->GetEditingStyle(), esEdit);
  p->SetViewStyle(vsHideCursor);
  EXPECT_EQ(p->GetEditingStyle(), esNoEdit);
}

// Settings of a numeric text editor whose editor reads its text as a number.
class TBoundedNumberProperties : public TcxTextEditProperties {
  DECLARE_CLASS(TBoundedNumberProperties, TcxTextEditProperties)
 public:
  explicit TBoundedNumberProperties(TPersistent* AOwner = nullptr) : TcxTextEditProperties(AOwner) {}
  bool IsEditValueNumeric() override { return true; }
};
IMPLEMENT_CLASS(TBoundedNumberProperties)

class TBoundedNumberEdit : public TcxTextEdit {
  DECLARE_CLASS(TBoundedNumberEdit, TcxTextEdit)
 public:
  explicit TBoundedNumberEdit(TComponent* AOwner = nullptr) : TcxTextEdit(AOwner) {}
  TClass GetPropertiesClass() override { return TBoundedNumberProperties::StaticClass(); }
  void PrepareEditValue(const TcxEditValue& ADisplayValue, TcxEditValue& EditValue, bool AEditFocused) override {
    Extended number;
    if (TryStrToFloat(VarToStr(ADisplayValue), number)) EditValue = number;
    else EditValue = ADisplayValue;
  }
};
IMPLEMENT_CLASS(TBoundedNumberEdit)

TEST(cxTextEditProperties, ValuesOutsideTheBoundsFailValidation) {
  TOwnedPtr<TBoundedNumberEdit> edit(New<TBoundedNumberEdit>(nullptr));
  TcxCustomTextEditProperties* p = edit->GetProperties();
  p->SetMinMaxValues(-10, 100);
  const struct {
    const char* Text;
    bool Error;
  } cases[] = {{"100", false}, {"-10", false}, {"100.5", true}, {"-11", true}, {"abc", false}, {"", false}};
  for (const auto& c : cases) {
    TcxEditValue value = c.Text;
    String errorText;
    bool error = false;
    p->ValidateDisplayValue(value, errorText, error, edit.get());
    EXPECT_EQ(error, c.Error) << c.Text;
    if (c.Error) EXPECT_EQ(errorText, "Value out of bounds") << c.Text;
  }
  // Only the maximum assigned: no lower bound at all.
  p->GetAssignedValues()->RestoreDefaults();
  p->SetMaxValue(5);
  TcxEditValue value = "-1000";
  String errorText;
  bool error = false;
  p->ValidateDisplayValue(value, errorText, error, edit.get());
  EXPECT_FALSE(error);
}

TEST(cxTextEditProperties, NumbersAreShownInTheDisplayFormatAndEditedInTheEditFormat) {
  TOwnedPtr<TBoundedNumberProperties> p(New<TBoundedNumberProperties>());
  auto shown = [&](const Variant& AValue, bool AEditing) {
    TcxEditValue display;
    p->PrepareDisplayValue(AValue, display, AEditing);
    return VarToStr(display);
  };
  EXPECT_EQ(shown(1234.5, false), "1234.5") << "no format: the plain number";
  EXPECT_EQ(shown(Null(), false), "");
  p->SetDisplayFormat("#,##0.00");
  EXPECT_EQ(shown(1234.5, false), "1,234.50");
  EXPECT_EQ(shown(String("7"), false), "7.00") << "a numeric text is formatted as well";
  EXPECT_EQ(p->GetDisplayText(1234.5), "1,234.50");
  EXPECT_EQ(shown(1234.5, true), "1234.5") << "while editing the display format is not used";
  p->SetUseDisplayFormatWhenEditing(true);
  EXPECT_EQ(shown(1234.5, true), "1,234.50");
  p->SetEditFormat("0.0##");
  EXPECT_EQ(shown(1234.5, true), "1234.5") << "an edit format goes before the display format";
  EXPECT_EQ(shown(2.0 / 3, true), "0.667");
  EXPECT_THROW(shown(VarArrayOf({1, 2}), false), EConvertError) << "neither number nor text";
}

TEST(cxTextEditProperties, AssignCopiesTheTextSettingsAndOnlyTheAssignedFormats) {
  TOwnedPtr<TcxTextEditProperties> source(New<TcxTextEditProperties>());
  TOwnedPtr<TcxTextEditProperties> target(New<TcxTextEditProperties>());
  source->SetCharCase(ecLowerCase);
  source->SetEchoMode(eemPassword);
  source->SetPasswordChar('#');
  source->SetImmediateUpdateText(true);
  source->SetMRUMode(true);
  source->AcceptedChars.Include('+');
  source->GetLookupItems()->Add("pear");
  source->GetLookupItems()->Add("fig");
  source->SetLookupItemsSorted(true);
  source->SetMaxLength(7);
  source->SetEditFormat("0.00");
  Integer newTexts = 0;
  source->OnNewLookupDisplayText = [&](TObject*, const String&) { ++newTexts; };
  target->SetDisplayFormat("#,##0");
  target->Assign(source.get());
  EXPECT_EQ(target->GetCharCase(), ecLowerCase);
  EXPECT_EQ(target->GetEchoMode(), eemPassword);
  EXPECT_EQ(target->GetPasswordChar(), '#');
  EXPECT_TRUE(target->GetImmediateUpdateText());
  EXPECT_TRUE(target->GetMRUMode());
  EXPECT_TRUE(target->AcceptedChars.Contains('+'));
  EXPECT_TRUE(target->GetLookupItemsSorted());
  ASSERT_EQ(target->GetLookupItems()->GetCount(), 2);
  EXPECT_EQ(target->GetLookupItems()->GetStrings(0), "fig");
  EXPECT_EQ(target->GetMaxLength(), 7);
  EXPECT_TRUE(target->GetAssignedTextValues()->GetMaxLength());
  EXPECT_EQ(target->GetEditFormat(), "0.00");
  EXPECT_FALSE(target->GetAssignedTextValues()->GetDisplayFormat())
      << "a format the source did not assign is not kept either";
  ASSERT_TRUE(target->OnNewLookupDisplayText);
  target->OnNewLookupDisplayText(nullptr, "x");
  EXPECT_EQ(newTexts, 1);
}

// ---- Lookup data ---------------------------------------------------------------------------------------------------
class cxTextEditLookup : public TEditFixture {
 protected:
  TcxTextEdit* Edit = nullptr;
  void SetUp() override {
    TEditFixture::SetUp();
    Edit = Add<TcxTextEdit>(10, 10, 150, 21);
  }
  void Items(std::initializer_list<const char*> AItems) {
    for (const char* item : AItems) Edit->GetProperties()->GetLookupItems()->Add(item);
  }
};

TEST_F(cxTextEditLookup, LocatesByPrefixIgnoringCase) {
  Items({"Banana", "apple", "Apricot"});
  TcxCustomTextEditLookupData* data = Edit->GetLookupData();
  String text = "ap", tail;
  ASSERT_TRUE(data->Locate(text, tail, false));
  EXPECT_EQ(text, "ap");
  EXPECT_EQ(tail, "ple");
  EXPECT_EQ(data->GetCurrentKey().ToInteger(), 1);
  text = "AP";
  ASSERT_TRUE(data->Locate(text, tail, false));
  EXPECT_EQ(text, "ap") << "the case follows the item";
  text = "x";
  EXPECT_FALSE(data->Locate(text, tail, false));
  EXPECT_EQ(data->GetCurrentKey().ToInteger(), -1);
}

TEST_F(cxTextEditLookup, GoesThroughTheItems) {
  Items({"a", "b", "c"});
  TcxCustomTextEditLookupData* data = Edit->GetLookupData();
  data->Go(egdPageDown, false);
  EXPECT_EQ(data->GetCurrentKey().ToInteger(), 2) << "a page beyond the end stops at the last item";
  data->Go(egdNext, false);
  EXPECT_EQ(data->GetCurrentKey().ToInteger(), 2);
  data->Go(egdNext, true);
  EXPECT_EQ(data->GetCurrentKey().ToInteger(), 0);
  data->Go(egdPrev, true);
  EXPECT_EQ(data->GetCurrentKey().ToInteger(), 2);
  data->SetCurrentKey(7);
  EXPECT_EQ(data->GetCurrentKey().ToInteger(), 2) << "a key beyond the items changes nothing";
  EXPECT_EQ(Edit->GetText(), "c") << "choosing an item shows it";
}

// Lookup data with a list box, as drop-down editors have.
class TTextEditListLookupData : public TcxCustomTextEditLookupData {
  DECLARE_CLASS(TTextEditListLookupData, TcxCustomTextEditLookupData)
 public:
  TClass GetListBoxClass() override { return TcxCustomEditListBox::StaticClass(); }
};
IMPLEMENT_CLASS(TTextEditListLookupData)

TEST_F(cxTextEditLookup, MouseOverListMeansOverItsClientArea) {
  Items({"one", "two"});
  ShowForm();
  TOwnedPtr<TcxCustomTextEditLookupData> data(
      TcxCustomTextEditLookupData::Create(TTextEditListLookupData::StaticClass(), Edit));
  data->Initialize(Form);
  data->PositionVisualArea(TRect(50, 60, 90, 100));
  TWinControl* list = data->GetActiveControl();
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(data->IsMouseOverList(list->ClientToScreen(TPoint(5, 5))));
  // Inside the list's bounds as its parent sees them, but beyond its own client area.
  EXPECT_FALSE(data->IsMouseOverList(list->ClientToScreen(TPoint(55, 65))));
  EXPECT_EQ(static_cast<TcxCustomEditListBox*>(list)->GetItems()->GetCount(), 2);
}

// ---- The control ------------------------------------------------------------------------------------------------------
class cxTextEditControl : public cxTextEditLookup {
 protected:
  void Focus() {
    ShowForm();
    Edit->SetFocus();
    Application->ProcessMessages();
  }
  void Type(const String& AText) {
    InjectText(AText);
    Application->ProcessMessages();
  }
};

TEST_F(cxTextEditControl, StartsEmptyAndTakesItsText) {
  EXPECT_EQ(Edit->GetText(), "");
  EXPECT_EQ(Edit->GetWidth(), 150);
  Edit->SetText("12");
  EXPECT_EQ(Edit->GetText(), "12");
  EXPECT_EQ(Edit->GetInnerTextEdit()->GetEditValue(), Variant("12"));
  ShowForm();
  char buffer[8] = "zzz";
  EXPECT_EQ(SendMessage(Edit->GetHandle(), WM_GETTEXT, 1, reinterpret_cast<LPARAM>(buffer)), 0);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(SendMessage(Edit->GetHandle(), WM_GETTEXTLENGTH, 0, 0), 2);
  EXPECT_EQ(SendMessage(Edit->GetHandle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("ab")), 1);
  EXPECT_EQ(Edit->GetText(), "ab");
}

TEST_F(cxTextEditControl, TypingRespectsMaxLengthCaseAndKeepsCharactersWhole) {
  Edit->GetProperties()->SetMaxLength(3);
  Edit->GetProperties()->SetCharCase(ecUpperCase);
  Focus();
  Type("ab中文x");
  EXPECT_EQ(Edit->GetText(), "AB中") << "three characters, the Chinese one whole";
  EXPECT_TRUE(Edit->GetModifiedAfterEnter());
}

TEST_F(cxTextEditControl, SelTextKeepsToTheMaximumLength) {
  Edit->GetProperties()->SetMaxLength(5);
  Edit->SetText("abcde");
  Focus();
  Edit->SetSelection(2, 0);
  Edit->SetSelText("xy");
  EXPECT_EQ(Edit->GetText(), "abxyc");
  EXPECT_EQ(Edit->GetSelStart(), 4);
  Edit->GetProperties()->SetMaxLength(2);
  Edit->SetSelection(4, 0);
  Edit->SetSelText("q");
  EXPECT_EQ(Edit->GetText(), "abxyc") << "code put more before the caret than the limit: refused";
}

TEST_F(cxTextEditControl, ClipboardAndUndoGoThroughTheEditor) {
  Edit->SetText("hello world");
  Focus();
  Edit->SetSelection(0, 6);
  Edit->CutToClipboard();
  EXPECT_EQ(Edit->GetText(), "world");
  EXPECT_EQ(Clipboard()->GetAsText(), "hello ");
  Edit->SetSelection(5, 0);
  Edit->PasteFromClipboard();
  EXPECT_EQ(Edit->GetText(), "worldhello ");
  SendMessage(Edit->GetInnerEdit()->GetControl()->GetHandle(), WM_UNDO, 0, 0);
  EXPECT_EQ(Edit->GetText(), "world");
  // Shift from the live keyboard state extends the selection from its anchor.
  Edit->SetSelection(1, 0);
  SetKeyState(VK_SHIFT, true);
  InjectKeyPress(VK_RIGHT);
  InjectKeyPress(VK_RIGHT);
  Application->ProcessMessages();
  SetKeyState(VK_SHIFT, false);
  EXPECT_EQ(Edit->GetSelText(), "or");
  Edit->GetProperties()->SetEchoMode(eemPassword);
  Clipboard()->SetAsText("keep");
  Edit->SelectAll();
  Edit->CopyToClipboard();
  EXPECT_EQ(Clipboard()->GetAsText(), "keep") << "a password is never copied out";
}

TEST_F(cxTextEditControl, IncrementalSearchCompletesFromTheItems) {
  Items({"Apple", "Apricot"});
  Focus();
  Type("A");
  EXPECT_EQ(Edit->GetText(), "Apple");
  EXPECT_EQ(Edit->GetSelText(), "pple");
  Type("p");
  EXPECT_EQ(Edit->GetSelText(), "ple");
  Type("r");
  EXPECT_EQ(Edit->GetText(), "Apricot");
  EXPECT_EQ(Edit->GetSelText(), "icot");
  InjectKeyPress(VK_BACK);
  Application->ProcessMessages();
  EXPECT_EQ(Edit->GetText(), "Apple");
  EXPECT_EQ(Edit->GetSelText(), "ple");
  // In the middle of the text with nothing selected nothing is searched.
  Edit->SetSelection(1, 0);
  Type("z");
  EXPECT_EQ(Edit->GetText(), "Azpple");
}

TEST_F(cxTextEditControl, ATextOutsideTheItemsIsAnnouncedNotRefused) {
  Items({"apple"});
  std::vector<String> announced;
  Edit->GetProperties()->OnNewLookupDisplayText = [&](TObject* Sender, const String& AText) {
    EXPECT_EQ(Sender, Edit);
    announced.push_back(AText);
  };
  Focus();
  Type("kiwi");
  EXPECT_TRUE(Edit->ValidateEdit(false));
  EXPECT_EQ(announced, std::vector<String>{"kiwi"});
  EXPECT_EQ(Edit->GetText(), "kiwi");
  Edit->SelectAll();
  Type("apple");
  EXPECT_TRUE(Edit->ValidateEdit(false));
  EXPECT_EQ(announced.size(), 1u) << "an item is not announced";
}

TEST_F(cxTextEditControl, NoEditStyleHasNoSelection) {
  Edit->SetText("abc");
  Edit->GetProperties()->SetHideCursor(true);
  Focus();
  Edit->SetSelection(1, 1);
  EXPECT_EQ(Edit->GetSelStart(), 0);
  EXPECT_EQ(Edit->GetSelLength(), 0);
}

TEST_F(cxTextEditControl, DrawsTextPasswordAndCaseOnAForm) {
  Edit->SetText("宋体 text");
  auto* password = Add<TcxTextEdit>(10, 40, 150, 21);
  password->GetProperties()->SetEchoMode(eemPassword);
  password->SetText("secret");
  auto* upper = Add<TcxTextEdit>(10, 70, 150, 21);
  upper->GetProperties()->SetCharCase(ecUpperCase);
  upper->SetText("mixed Case");
  auto* right = Add<TcxTextEdit>(10, 100, 150, 21);
  right->GetProperties()->GetAlignment()->SetHorz(taRightJustify);
  right->SetText("1,234.5");
  ShowForm();
  EXPECT_EQ(static_cast<TcxCustomTextEditViewInfo*>(password->GetViewInfo())->Text, "******");
  EXPECT_EQ(static_cast<TcxCustomTextEditViewInfo*>(upper->GetViewInfo())->Text, "MIXED CASE");
  EXPECT_GE(right->GetViewInfo()->ClientRect.Height(), 15);
  EXPECT_TRUE(cxEditTest::SaveEditWindowPng(Form->GetHandle(), "text-edits.png"));
}

}  // namespace
