// The filter-building helpers: operators and their captions, the registry of editor helpers as the
// units leave it and as code changes it, the check of entered values, and the value editor a helper
// makes and reads.
#include <gtest/gtest.h>

#include "Controls.h"
#include "Forms.h"
#include "cxCheckBox.h"
#include "cxDataStorage.h"
#include "cxDropDownEdit.h"
#include "cxEdit.h"
#include "cxFilterControlUtils.h"
#include "cxLabel.h"
#include "cxMaskEdit.h"
#include "cxTextEdit.h"

namespace {

using cxFilter::TcxFilterOperatorKind;

// ---- Operators ------------------------------------------------------------------------------------------------
TEST(cxFilterControlOperators, CaptionsAreTheFiltersTexts) {
  const struct {
    TcxFilterControlOperator Operator;
    const char* Text;
  } cases[] = {
      {fcoNone, ""},          {fcoEqual, "equals"},         {fcoLessEqual, "is less than or equal to"},
      {fcoNotLike, "not like"}, {fcoBlanks, "is blank"},    {fcoNonBlanks, "is not blank"},
      {fcoNotInList, "not in"}, {fcoYesterday, "is yesterday"}, {fcoInPast, "is past"},
      {fcoNext14Days, "is next 14 days"}, {fcoInFuture, "is future"},
  };
  for (const auto& c : cases) EXPECT_EQ(GetFilterControlOperatorText(c.Operator), c.Text) << c.Operator;
}

TEST(cxFilterControlOperators, MapToTheCriteriasKindsOfTheSameName) {
  EXPECT_EQ(GetFilterOperatorKind(fcoNone), cxFilter::foEqual);
  EXPECT_EQ(GetFilterOperatorKind(fcoBlanks), cxFilter::foEqual);
  EXPECT_EQ(GetFilterOperatorKind(fcoNonBlanks), cxFilter::foNotEqual);
  EXPECT_EQ(GetFilterOperatorKind(fcoNotLike), cxFilter::foNotLike);
  EXPECT_EQ(GetFilterOperatorKind(fcoBetween), cxFilter::foBetween);
  EXPECT_EQ(GetFilterOperatorKind(fcoInFuture), cxFilter::foInFuture);
  EXPECT_EQ(GetFilterControlOperator(cxFilter::foEqual, true), fcoBlanks);
  EXPECT_EQ(GetFilterControlOperator(cxFilter::foEqual, false), fcoEqual);
  EXPECT_EQ(GetFilterControlOperator(cxFilter::foNotEqual, true), fcoNonBlanks);
  EXPECT_EQ(GetFilterControlOperator(cxFilter::foLess, true), fcoLess) << "only equality reads a null as blank";
  // Every operator but the blank ones and none goes to its kind and back.
  for (Integer op = fcoEqual; op <= fcoInFuture; ++op) {
    const auto fco = static_cast<TcxFilterControlOperator>(op);
    if (fco == fcoBlanks || fco == fcoNonBlanks) continue;
    EXPECT_EQ(GetFilterControlOperator(GetFilterOperatorKind(fco), false), fco) << op;
  }
}

TEST(cxFilterControlOperators, LikeIsOfferedForStringTypesOnly) {
  TcxCustomFilterEditHelperClass helper = TcxCustomFilterEditHelperClass::Of<TcxFilterTextEditHelper>();
  const TcxFilterControlOperators basic = helper->GetSupportedFilterOperators(nullptr, nullptr);
  EXPECT_FALSE(basic.Contains(fcoLike)) << "no value type: no LIKE";
  EXPECT_FALSE(basic.Contains(fcoNotLike));
  EXPECT_TRUE(basic.Contains(fcoEqual));
  EXPECT_TRUE(basic.Contains(fcoNonBlanks));
  EXPECT_FALSE(basic.Contains(fcoBetween));
  const auto numeric = helper->GetSupportedFilterOperators(nullptr, ValueTypeClass<TcxIntegerValueType>(), true);
  EXPECT_FALSE(numeric.Contains(fcoLike));
  EXPECT_TRUE(numeric.Contains(fcoBetween));
  EXPECT_TRUE(numeric.Contains(fcoNotInList));
  EXPECT_FALSE(numeric.Contains(fcoToday)) << "date operators are not offered by the text helper";
  const auto text = helper->GetSupportedFilterOperators(nullptr, ValueTypeClass<TcxStringValueType>());
  EXPECT_TRUE(text.Contains(fcoLike));
  EXPECT_TRUE(text.Contains(fcoNotLike));
}

// ---- Registry ------------------------------------------------------------------------------------------------
class TFilterTestTextProperties : public TcxTextEditProperties {
  DECLARE_CLASS(TFilterTestTextProperties, TcxTextEditProperties)
 public:
  explicit TFilterTestTextProperties(TPersistent* AOwner = nullptr) : TcxTextEditProperties(AOwner) {}
};
IMPLEMENT_CLASS(TFilterTestTextProperties)

class TFilterTestCustomTextProperties : public TcxCustomTextEditProperties {
  DECLARE_CLASS(TFilterTestCustomTextProperties, TcxCustomTextEditProperties)
 public:
  explicit TFilterTestCustomTextProperties(TPersistent* AOwner = nullptr) : TcxCustomTextEditProperties(AOwner) {}
};
IMPLEMENT_CLASS(TFilterTestCustomTextProperties)

// A helper that accepts only what the test says and counts the checks.
class TFilterTestHelper : public TcxFilterTextEditHelper {
  DECLARE_CLASS(TFilterTestHelper, TcxFilterTextEditHelper)
 public:
  static inline Integer Checks = 0;
  static inline bool Accepts = true;
  static inline bool Throws = false;
  bool IsValueValid(TcxValueTypeClass AValueTypeClass, Variant& Value) override {
    ++Checks;
    if (Throws) throw EConvertError("cannot tell");
    return Accepts;
  }
};
IMPLEMENT_CLASS(TFilterTestHelper)

TEST(cxFilterEditsController, TheEditorUnitsHelpersAreFiledAtStart) {
  const TClass textHelper = TcxFilterTextEditHelper::StaticClass();
  EXPECT_EQ(FilterEditsController()->FindHelper(TcxTextEditProperties::StaticClass()).Class(), textHelper);
  EXPECT_EQ(FilterEditsController()->FindHelper(TFilterTestTextProperties::StaticClass()).Class(), textHelper)
      << "a descendant of the text editor's settings";
  EXPECT_EQ(FilterEditsController()->FindHelper(TcxLabelProperties::StaticClass()).Class(), textHelper);
  // A pair is filed under the parent of the settings class: so a sibling of TcxTextEditProperties
  // finds the text helper too, and the base settings find none.
  EXPECT_EQ(FilterEditsController()->FindHelper(TFilterTestCustomTextProperties::StaticClass()).Class(), textHelper);
  EXPECT_FALSE(FilterEditsController()->FindHelper(TcxCustomTextEditProperties::StaticClass()));
}

TEST(cxFilterEditsController, RegistersUnregistersAndGoesWhenEmpty) {
  TcxFilterEditsController* controller = FilterEditsController();
  const Integer count = controller->GetCount();
  controller->Register(TFilterTestTextProperties::StaticClass(), TFilterTestHelper::StaticClass());
  EXPECT_EQ(FilterEditsController()->FindHelper(TFilterTestTextProperties::StaticClass()).Class(),
            TFilterTestHelper::StaticClass())
      << "filed under TcxTextEditProperties, nearer than the text editor's own pair";
  EXPECT_THROW(controller->Register(TFilterTestTextProperties::StaticClass(), TcxTextEdit::StaticClass()), EInvalidCast)
      << "a helper must be a filter-edit helper";
  controller->Unregister(TFilterTestTextProperties::StaticClass(), TFilterTestHelper::StaticClass());
  EXPECT_EQ(FilterEditsController()->FindHelper(TFilterTestTextProperties::StaticClass()).Class(),
            TcxFilterTextEditHelper::StaticClass());
  EXPECT_EQ(controller->GetCount(), count);

  // The unit's start counts: a second start files nothing more and its end takes nothing away.
  cxFilterControlUtilsInitialization();
  EXPECT_EQ(controller->GetCount(), count);
  cxFilterControlUtilsFinalization();
  EXPECT_EQ(controller->GetCount(), count);
  // Taking the units' pairs away empties and frees the controller; the next use makes a new one.
  cxFilterControlUtilsFinalization();
  TcxFilterEditsController* renewed = FilterEditsController();
  EXPECT_EQ(renewed->GetCount(), 0);
  EXPECT_FALSE(renewed->FindHelper(TcxTextEditProperties::StaticClass()));
  cxFilterControlUtilsInitialization();
  EXPECT_EQ(FilterEditsController()->FindHelper(TcxTextEditProperties::StaticClass()).Class(),
            TcxFilterTextEditHelper::StaticClass());
}

// ---- Values ------------------------------------------------------------------------------------------------------
class cxFilterControlValues : public ::testing::Test {
 protected:
  TcxCustomFilterEditHelperClass Helper = TcxCustomFilterEditHelperClass::Of<TFilterTestHelper>();
  void SetUp() override {
    TFilterTestHelper::Checks = 0;
    TFilterTestHelper::Accepts = true;
    TFilterTestHelper::Throws = false;
  }
};

TEST_F(cxFilterControlValues, AnEmptyTextIsNoValueForTypesThatAreNoStrings) {
  Variant value = String();
  FilterControlValidateValue(nullptr, value, fcoEqual, ValueTypeClass<TcxIntegerValueType>(), Helper);
  EXPECT_TRUE(VarIsNull(value));
  EXPECT_EQ(TFilterTestHelper::Checks, 0) << "a null is not checked";
  value = String();
  FilterControlValidateValue(nullptr, value, fcoEqual, ValueTypeClass<TcxStringValueType>(), Helper);
  EXPECT_TRUE(VarIsStr(value)) << "for a string type the empty text is a value";
  EXPECT_EQ(TFilterTestHelper::Checks, 1);
}

TEST_F(cxFilterControlValues, ARefusedValueIsAnInvalidValue) {
  Variant value = String("abc");
  TFilterTestHelper::Accepts = false;
  try {
    FilterControlValidateValue(nullptr, value, fcoEqual, ValueTypeClass<TcxIntegerValueType>(), Helper);
    FAIL() << "refused";
  } catch (EcxFilterControlError& e) {
    EXPECT_EQ(e.Message(), "Invalid value");
  }
  TFilterTestHelper::Accepts = true;
  TFilterTestHelper::Throws = true;
  EXPECT_THROW(FilterControlValidateValue(nullptr, value, fcoEqual, ValueTypeClass<TcxIntegerValueType>(), Helper),
               EcxFilterControlError)
      << "a failure while checking is an invalid value too";
  // LIKE patterns and values without a value type are not checked.
  FilterControlValidateValue(nullptr, value, fcoLike, ValueTypeClass<TcxIntegerValueType>(), Helper);
  FilterControlValidateValue(nullptr, value, fcoEqual, nullptr, Helper);
  EXPECT_EQ(TFilterTestHelper::Checks, 2);
}

TEST_F(cxFilterControlValues, TheValueTypeConvertsWhatItAccepts) {
  TcxCustomFilterEditHelperClass plain = TcxCustomFilterEditHelperClass::Of<TcxFilterTextEditHelper>();
  Variant value = String("42");
  FilterControlValidateValue(nullptr, value, fcoGreater, ValueTypeClass<TcxIntegerValueType>(), plain);
  EXPECT_EQ(value.ToInteger(), 42);
  EXPECT_FALSE(VarIsStr(value));
  value = String("forty-two");
  EXPECT_THROW(FilterControlValidateValue(nullptr, value, fcoGreater, ValueTypeClass<TcxIntegerValueType>(), plain),
               EcxFilterControlError);
}

// ---- The value editor --------------------------------------------------------------------------------------------
TEST(cxFilterTextEditHelper, MakesAPlainTextEditorLikeTheColumnsAndReadsItsValue) {
  TOwnedPtr<TcxTextEditProperties> column(New<TcxTextEditProperties>());
  column->SetCharCase(ecUpperCase);
  column->SetMaxLength(6);
  column->SetReadOnly(true);
  column->SetBeepOnError(true);
  column->SetAutoSelect(false);
  column->SetHideSelection(false);
  column->SetViewStyle(vsHideCursor);
  column->GetAlignment()->SetHorz(taRightJustify);
  column->GetAlignment()->SetVert(taVCenter);
  column->GetButtons()->Add();
  Integer changes = 0;
  column->OnChange = [&](TObject*) { ++changes; };
  TcxCustomFilterEditHelperClass helper = TcxCustomFilterEditHelperClass::Of<TcxFilterTextEditHelper>();

  TOwnedPtr<TcxCustomEdit> edit(helper->GetFilterEdit(column.get()));
  ASSERT_TRUE(Is<TcxTextEdit>(edit.get()));
  EXPECT_EQ(edit->Owner(), nullptr);
  auto* p = static_cast<TcxTextEdit*>(edit.get())->GetProperties();
  EXPECT_EQ(p->GetCharCase(), ecUpperCase) << "the column's settings are copied";
  EXPECT_EQ(p->GetMaxLength(), 6);
  EXPECT_FALSE(p->GetReadOnly());
  EXPECT_FALSE(p->GetBeepOnError());
  EXPECT_TRUE(p->GetValidateOnEnter());
  EXPECT_TRUE(p->GetAutoSelect());
  EXPECT_TRUE(p->GetHideSelection());
  EXPECT_EQ(p->GetViewStyle(), vsNormal);
  EXPECT_EQ(p->GetAlignment()->GetHorz(), taLeftJustify);
  EXPECT_EQ(p->GetAlignment()->GetVert(), taTopJustify);
  EXPECT_EQ(p->GetButtons()->Count(), 0);
  EXPECT_FALSE(p->OnChange) << "the column's handlers are not the filter's";

  helper->SetFilterValue(edit.get(), column.get(), String("pear"));
  Variant value;
  String text;
  helper->GetFilterValue(edit.get(), column.get(), value, text);
  EXPECT_EQ(VarToStr(value), "pear");
  EXPECT_EQ(text, "PEAR") << "shown as the column shows it";
  EXPECT_EQ(changes, 0);
}

TEST(cxFilterMaskEditHelper, IsFiledAndMakesAMaskEditorThatCompletesLiterals) {
  TcxCustomFilterEditHelperClass helper = FilterEditsController()->FindHelper(TcxMaskEditProperties::StaticClass());
  ASSERT_EQ(helper.Class(), TcxFilterMaskEditHelper::StaticClass());
  TOwnedPtr<TcxMaskEditProperties> column(New<TcxMaskEditProperties>());
  const auto plain = helper->GetSupportedFilterOperators(column.get(), ValueTypeClass<TcxStringValueType>(), true);
  EXPECT_TRUE(plain.Contains(fcoLike)) << "an unmasked text may be matched with LIKE";
  EXPECT_TRUE(plain.Contains(fcoInList));
  column->SetMaskKind(emkRegExpr);
  column->SetEditMask("\\d\\d-\\d\\d");
  const auto masked = helper->GetSupportedFilterOperators(column.get(), ValueTypeClass<TcxStringValueType>());
  EXPECT_FALSE(masked.Contains(fcoLike));
  EXPECT_FALSE(masked.Contains(fcoNotLike));
  EXPECT_TRUE(masked.Contains(fcoGreaterEqual));
  EXPECT_FALSE(masked.Contains(fcoBetween));
  TOwnedPtr<TcxCustomEdit> edit(helper->GetFilterEdit(column.get()));
  ASSERT_TRUE(Is<TcxMaskEdit>(edit.get()));
  auto* p = static_cast<TcxMaskEdit*>(edit.get())->GetProperties();
  EXPECT_EQ(p->GetMaskKind(), emkRegExprEx) << "the filter's editor completes the forced literals";
  EXPECT_EQ(p->GetEditMask(), "\\d\\d-\\d\\d");
  EXPECT_FALSE(p->GetAutoSelect());
}

TEST(cxFilterComboBoxHelper, IsFiledAndMakesAPlainEditableComboBoxWithTheColumnsItems) {
  TcxCustomFilterEditHelperClass helper = FilterEditsController()->FindHelper(TcxComboBoxProperties::StaticClass());
  ASSERT_EQ(helper.Class(), TcxFilterComboBoxHelper::StaticClass());
  EXPECT_TRUE(helper->EditPropertiesHasButtons());
  TOwnedPtr<TcxComboBoxProperties> column(New<TcxComboBoxProperties>());
  column->GetItems()->Add("apple");
  column->GetItems()->Add("pear");
  column->SetDropDownListStyle(lsFixedList);
  column->SetDropDownRows(3);
  column->SetRevertable(true);
  column->SetPopupAlignment(taRightJustify);
  TOwnedPtr<TBitmap> glyph(New<TBitmap>());
  glyph->SetWidth(4);
  glyph->SetHeight(4);
  column->SetButtonGlyph(glyph.get());
  TOwnedPtr<TcxCustomEdit> edit(helper->GetFilterEdit(column.get()));
  ASSERT_TRUE(Is<TcxComboBox>(edit.get()));
  auto* p = static_cast<TcxComboBox*>(edit.get())->GetProperties();
  EXPECT_EQ(p->GetItems()->GetCount(), 2) << "the column's items are offered";
  EXPECT_EQ(p->GetDropDownListStyle(), lsEditList) << "any text may be entered";
  EXPECT_EQ(p->GetDropDownRows(), 8);
  EXPECT_FALSE(p->GetRevertable());
  EXPECT_FALSE(p->GetImmediateDropDown());
  EXPECT_EQ(p->GetPopupAlignment(), taLeftJustify);
  EXPECT_TRUE(p->GetButtonGlyph()->GetEmpty()) << "the column's glyph is not taken over";
}

TEST(cxFilterCheckBoxHelper, OffersTheCheckedAndUncheckedTextsAndGrayedSelectsNothing) {
  TcxCustomFilterEditHelperClass helper = FilterEditsController()->FindHelper(TcxCheckBoxProperties::StaticClass());
  ASSERT_EQ(helper.Class(), TcxFilterCheckBoxHelper::StaticClass());
  TOwnedPtr<TcxCheckBoxProperties> column(New<TcxCheckBoxProperties>());
  column->SetStateValues(Variant("Y"), Null(), Variant("N"));
  column->SetDisplayChecked(u"\u662F");    // 是
  column->SetDisplayUnchecked(u"\u5426");  // 否
  TOwnedPtr<TcxCustomEdit> edit(helper->GetFilterEdit(column.get()));
  ASSERT_TRUE(Is<TcxComboBox>(edit.get()));
  auto* combo = static_cast<TcxComboBox*>(edit.get());
  EXPECT_EQ(combo->GetProperties()->GetItems()->GetCount(), 2);
  EXPECT_EQ(combo->GetProperties()->GetItems()->GetStrings(0), "\xE6\x98\xAF");
  EXPECT_EQ(combo->GetProperties()->GetDropDownListStyle(), lsFixedList);
  struct Case {
    Variant Value;
    Integer Item;
  };
  for (const Case& c : {Case{Variant("Y"), 0}, Case{Variant("N"), 1}, Case{Null(), -1}, Case{Variant("?"), -1}}) {
    helper->SetFilterValue(edit.get(), column.get(), c.Value);
    EXPECT_EQ(combo->GetItemIndex(), c.Item) << VarToStr(c.Value);
    Variant value;
    String text;
    helper->GetFilterValue(edit.get(), column.get(), value, text);
    if (c.Item < 0) {
      EXPECT_TRUE(VarIsNull(value));
      EXPECT_EQ(text, "");
    } else {
      EXPECT_EQ(VarToStr(value), VarToStr(c.Value));
      EXPECT_EQ(text, combo->GetProperties()->GetItems()->GetStrings(c.Item));
    }
  }
  EXPECT_TRUE(helper->UseDisplayValue());
  EXPECT_EQ(helper->GetSupportedFilterOperators(column.get(), nullptr),
            (TcxFilterControlOperators{fcoEqual, fcoNotEqual, fcoBlanks, fcoNonBlanks}));
}

TEST(cxFilterTextEditHelper, TakesItsEditorFromAnInplaceList) {
  TOwnedPtr<TcxInplaceEditList> list(New<TcxInplaceEditList>());
  TOwnedPtr<TcxLabelProperties> column(New<TcxLabelProperties>());
  TcxCustomFilterEditHelperClass helper = FilterEditsController()->FindHelper(TcxLabelProperties::StaticClass());
  ASSERT_TRUE(helper);
  TcxCustomEdit* edit = helper->GetFilterEdit(column.get(), list.get());
  EXPECT_TRUE(Is<TcxTextEdit>(edit)) << "a label's values are typed into a text editor";
  EXPECT_EQ(list->GetCount(), 1);
  EXPECT_EQ(helper->GetFilterEdit(column.get(), list.get()), edit) << "the list's editor is reused";
  EXPECT_EQ(list->GetCount(), 1);
  EXPECT_EQ(TcxCustomFilterEditHelperClass::Of<TcxCustomFilterEditHelper>()->GetFilterEdit(column.get(), list.get()),
            nullptr)
      << "a helper without an editor class makes none";
}

TEST(cxFilterControlDialogs, ADialogBelongsToTheActiveFormUnlessOneStaysOnTop) {
  TOwnedPtr<TForm> active(TCustomForm::CreateNew<TForm>(nullptr));
  active->Show();
  active->SetFocus();
  Application->ProcessMessages();
  ASSERT_EQ(Screen->ActiveForm(), active.get());
  Controls::TCreateParams params;
  CorrectDlgParams(params);
  EXPECT_EQ(params.WndParent, active->GetHandle());
  TOwnedPtr<TForm> topmost(TCustomForm::CreateNew<TForm>(nullptr));
  topmost->SetFormStyle(fsStayOnTop);
  topmost->Show();
  active->SetFocus();
  Application->ProcessMessages();
  Controls::TCreateParams untouched;
  CorrectDlgParams(untouched);
  EXPECT_EQ(untouched.WndParent, nullptr);
}

}  // namespace
