// The editor control's values, change events, validation, posting, resetting and repository item.
#include "Forms.h"
#include "HeadlessBackend.h"
#include "cxEditTestSupport.h"

namespace {

using namespace cxEditTest;

class cxEditValueTest : public TEditLoggingFixture {
 protected:
  // Types a new text as the user does: modified after enter, with the change notified.
  void Type(const String& AText) {
    Edit->DisplayText = AText;
    Edit->SetModifiedAfterEnter(true);
  }
  // Fails validation with AText unless the display text is a number.
  void RequireDigits(const String& AText = "") {
    Edit->GetProperties()->OnValidate = TcxEditValidateEvent(
        [this, AText](TObject*, Variant& ADisplayValue, String& AErrorText, bool& AError) {
          Log.push_back("validate " + VarToStr(ADisplayValue));
          const String text = VarToStr(ADisplayValue);
          AError = text.empty() || text.find_first_not_of("0123456789") != String::npos;
          if (AError && !AText.empty()) AErrorText = AText;
        });
  }
};

TEST_F(cxEditValueTest, EqualValuesChangeNothingAndTheLockKeepsTheValue) {
  Edit->SetEditValue(5);
  Edit->SetEditValue(5);
  EXPECT_EQ((std::vector<String>{"value", "change"}), Log);
  EXPECT_EQ("5", Edit->DisplayText);
  Log.clear();
  Edit->LockEditValueChanging(true);
  Edit->SetEditValue(6);
  Edit->LockEditValueChanging(false);
  EXPECT_EQ(5, Edit->GetEditValue());
  EXPECT_TRUE(Log.empty());
  // Settings that cannot compare values never count a value as changed.
  Edit->GetProperties()->Comparable = false;
  Edit->SetEditValue(7);
  EXPECT_TRUE(Log.empty());
}

TEST_F(cxEditValueTest, LockedChangeEventsFireOnceAtTheOuterUnlockWithInvoke) {
  for (bool invoke : {true, false}) {
    Log.clear();
    Edit->LockChangeEvents(true);
    Edit->LockChangeEvents(true);
    for (int i = 1; i <= 3; ++i) Edit->SetEditValue(invoke ? i : 10 + i);
    Edit->LockChangeEvents(false);
    EXPECT_TRUE(Log.empty());
    Edit->LockChangeEvents(false, invoke);
    if (invoke)
      EXPECT_EQ((std::vector<String>{"change", "value"}), Log);
    else
      EXPECT_TRUE(Log.empty());
  }
}

TEST_F(cxEditValueTest, ValidationFiresOnlyForAModifiedEditorAndRaisesTheErrorText) {
  RequireDigits();
  EXPECT_TRUE(Edit->ValidateEdit(true));
  EXPECT_TRUE(Log.empty());
  Type("12a");
  EXPECT_FALSE(Edit->ValidateEdit(false));
  Type("12a");
  try {
    Edit->ValidateEdit(true);
    FAIL() << "no validation error";
  } catch (const EcxEditValidationError& e) {
    EXPECT_EQ("Invalid input value. Use escape key to abandon changes", e.Message());
  }
  Type("12");
  Log.clear();
  EXPECT_TRUE(Edit->ValidateEdit(true));
  EXPECT_TRUE(Edit->IsValidated());
  EXPECT_EQ((std::vector<String>{"validate 12"}), Log);
  EXPECT_TRUE(Edit->ValidateEdit(true));
  EXPECT_EQ(1u, Log.size());
}

TEST_F(cxEditValueTest, AHandlerThatRaisesAnErrorWithoutAValueKeepsTheTextTheUserSees) {
  Edit->GetProperties()->OnValidate =
      TcxEditValidateEvent([](TObject*, Variant& ADisplayValue, String& AErrorText, bool& AError) {
        AError = true;
        AErrorText = "no";
        if (VarToStr(ADisplayValue) == "fix") ADisplayValue = "fixed";
      });
  Type("abc");
  EXPECT_FALSE(Edit->ValidateEdit(false));
  EXPECT_EQ("abc", Edit->DisplayText);
  // A value the handler gives becomes the text shown.
  Type("fix");
  EXPECT_THROW(Edit->ValidateEdit(true), EcxEditValidationError);
  EXPECT_EQ("fixed", Edit->DisplayText);
}

TEST_F(cxEditValueTest, AnEmptyErrorTextAbortsSilently) {
  Edit->GetProperties()->Validates = true;
  Edit->GetProperties()->OnValidate =
      TcxEditValidateEvent([](TObject*, Variant&, String& AErrorText, bool& AError) {
        AError = true;
        AErrorText.clear();
      });
  // The settings put the default text in before the handler clears it.
  Type("x");
  EXPECT_THROW(Edit->ValidateEdit(true), EAbort);
}

TEST_F(cxEditValueTest, AFocusedEditorPostsAValidValueAndKeepsARefusedOne) {
  ShowForm();
  Edit->SetFocus();
  RequireDigits("digits only");
  Type("42");
  Edit->PostEditValue();
  ASSERT_EQ(1u, Edit->GetTestBinding()->Stored.size());
  EXPECT_EQ("42", VarToStr(Edit->GetTestBinding()->Stored[0]));
  Type("4x");
  EXPECT_THROW(Edit->PostEditValue(), EcxEditValidationError);
  EXPECT_EQ(1u, Edit->GetTestBinding()->Stored.size());
  EXPECT_TRUE(Edit->Focused());
}

TEST_F(cxEditValueTest, AnEditorThatCannotTakeTheFocusStaysUnvalidatedAfterAnError) {
  RequireDigits("digits only");
  Edit->SetEnabled(false);
  Type("4x");
  EXPECT_THROW(Edit->ValidateEdit(true), EcxEditValidationError);
  EXPECT_FALSE(Edit->IsValidated());
  // A later post validates again instead of storing the refused text.
  EXPECT_THROW(Edit->PostEditValue(), EcxEditValidationError);
  EXPECT_TRUE(Edit->GetTestBinding()->Stored.empty());
}

TEST_F(cxEditValueTest, ResetBringsBackTheValueOfEntering) {
  Edit->SetEditValue("start");
  ShowForm();  // the editor, the form's first control, takes the focus
  ASSERT_TRUE(Edit->Focused());
  Edit->SetUserAction(true);
  Edit->SetEditValue("typed");
  Edit->SetUserAction(false);
  EXPECT_TRUE(Edit->GetModifiedAfterEnter());
  Log.clear();
  Edit->Reset();
  EXPECT_EQ("start", VarToStr(Edit->GetEditValue()));
  EXPECT_FALSE(Edit->GetModifiedAfterEnter());
  EXPECT_TRUE(Edit->GetModified());
  // Held back while the value goes back, the events fire once each.
  EXPECT_EQ((std::vector<String>{"change", "value"}), Log);
}

TEST_F(cxEditValueTest, EditingAsksTheHostAndARefusalKeepsTheValue) {
  Edit->OnEditing = TcxEditEditingEvent([this](TObject*, bool& CanEdit) {
    Log.push_back("editing");
    CanEdit = false;
  });
  Edit->SetUserAction(true);
  Edit->SetEditValue("typed");
  Edit->SetUserAction(false);
  EXPECT_TRUE(VarIsNull(Edit->GetEditValue()));
  EXPECT_EQ((std::vector<String>{"editing"}), Log);
  Edit->GetProperties()->SetReadOnly(true);
  Log.clear();
  EXPECT_FALSE(Edit->DoEditing());
  EXPECT_TRUE(Log.empty());
}

class cxEditRepositoryItemTest : public TEditFixture {};

TEST_F(cxEditRepositoryItemTest, TheItemsEventsFireAfterTheEditorsOwn) {
  TEditTestEdit* edit = AddEdit();
  auto* item = CreateComponent<TEditTestRepositoryItem>(Form);
  edit->SetRepositoryItem(item);
  EXPECT_EQ(item->GetProperties(), edit->GetActiveProperties());
  edit->GetProperties()->OnChange = LogEvent("own change");
  item->GetProperties()->OnChange = LogEvent("item change");
  edit->GetProperties()->OnButtonClick = TcxEditButtonClickEvent([this](TObject*, Integer i) { Log.push_back("own button"); });
  item->GetProperties()->OnButtonClick = TcxEditButtonClickEvent([this](TObject* Sender, Integer i) {
    Log.push_back(Sender->ClassName() + String(" button ") + std::to_string(i));
  });
  edit->SetEditValue(1);
  item->GetProperties()->GetButtons()->Add();
  ShowForm();
  ASSERT_EQ(1u, edit->GetViewInfo()->ButtonsInfo.size());
  edit->DoButtonClick(0);
  EXPECT_EQ((std::vector<String>{"own change", "item change", "own button", "TEditTestEdit button 0"}), Log);
}

TEST_F(cxEditRepositoryItemTest, AnEditorLetsGoOfAFreedItemAndRefusesAnItemOfAnotherKind) {
  TEditTestEdit* edit = AddEdit();
  auto* item = CreateComponent<TEditTestRepositoryItem>(Form);
  edit->SetRepositoryItem(item);
  item->GetProperties()->SetReadOnly(true);
  EXPECT_TRUE(edit->GetActiveProperties()->GetReadOnly());
  item->Free();
  EXPECT_EQ(nullptr, edit->GetRepositoryItem());
  EXPECT_EQ(edit->GetProperties(), edit->GetActiveProperties());
  auto* plain = CreateComponent<TcxEditRepositoryItem>(Form);
  try {
    edit->SetRepositoryItem(plain);
    FAIL() << "accepted";
  } catch (const EcxEditError& e) {
    EXPECT_EQ("The repository item is not acceptable", e.Message());
  }
  EXPECT_EQ(nullptr, edit->GetRepositoryItem());
}

}  // namespace
