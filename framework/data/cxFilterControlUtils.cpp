// The filter-building helpers: operators and their captions, the value check, the helpers of the
// editor kinds and their registry.
#include "cxFilterControlUtils.h"

#include "Controls.h"
#include "Forms.h"
#include "cxCheckBox.h"
#include "cxClassesResStrings.h"
#include "cxDataStorage.h"
#include "cxDropDownEdit.h"
#include "cxEdit.h"
#include "cxFilterConsts.h"
#include "cxFilterControlStrs.h"
#include "cxLabel.h"
#include "cxMaskEdit.h"
#include "cxTextEdit.h"

namespace cxFilterControlUtils {

using namespace cxFilter;

// ---- Operators -----------------------------------------------------------------------------------------------
namespace {

// The first control operator of the run that follows the criteria's kinds from foBetween on.
constexpr Integer RangeStart = fcoBetween;
constexpr Integer RangeShift = Integer(fcoBetween) - Integer(foBetween);

const TResStringRec* const OperatorTexts[] = {
    nullptr,
    &cxSFilterOperatorEqual,
    &cxSFilterOperatorNotEqual,
    &cxSFilterOperatorLess,
    &cxSFilterOperatorLessEqual,
    &cxSFilterOperatorGreater,
    &cxSFilterOperatorGreaterEqual,
    &cxSFilterOperatorLike,
    &cxSFilterOperatorNotLike,
    &cxSFilterOperatorIsNull,
    &cxSFilterOperatorIsNotNull,
    &cxSFilterOperatorBetween,
    &cxSFilterOperatorNotBetween,
    &cxSFilterOperatorInList,
    &cxSFilterOperatorNotInList,
    &cxSFilterOperatorYesterday,
    &cxSFilterOperatorToday,
    &cxSFilterOperatorTomorrow,
    &cxSFilterOperatorLast7Days,
    &cxSFilterOperatorLastWeek,
    &cxSFilterOperatorLast14Days,
    &cxSFilterOperatorLastTwoWeeks,
    &cxSFilterOperatorLast30Days,
    &cxSFilterOperatorLastMonth,
    &cxSFilterOperatorLastYear,
    &cxSFilterOperatorPast,
    &cxSFilterOperatorThisWeek,
    &cxSFilterOperatorThisMonth,
    &cxSFilterOperatorThisYear,
    &cxSFilterOperatorNext7Days,
    &cxSFilterOperatorNextWeek,
    &cxSFilterOperatorNext14Days,
    &cxSFilterOperatorNextTwoWeeks,
    &cxSFilterOperatorNext30Days,
    &cxSFilterOperatorNextMonth,
    &cxSFilterOperatorNextYear,
    &cxSFilterOperatorFuture,
};
static_assert(std::size(OperatorTexts) == fcoInFuture + 1);

}  // namespace

String GetFilterControlOperatorText(TcxFilterControlOperator AOperator) {
  const TResStringRec* text = OperatorTexts[AOperator];
  return text ? cxGetResourceString(text) : String();
}

TcxFilterOperatorKind GetFilterOperatorKind(TcxFilterControlOperator AOperator) {
  switch (AOperator) {
    case fcoNone:
    case fcoBlanks: return foEqual;
    case fcoNonBlanks: return foNotEqual;
    default:
      if (AOperator >= RangeStart) return static_cast<TcxFilterOperatorKind>(AOperator - RangeShift);
      return static_cast<TcxFilterOperatorKind>(AOperator - fcoEqual + foEqual);
  }
}

TcxFilterControlOperator GetFilterControlOperator(TcxFilterOperatorKind AOperatorKind, bool AValueIsNull) {
  if (AValueIsNull && AOperatorKind == foEqual) return fcoBlanks;
  if (AValueIsNull && AOperatorKind == foNotEqual) return fcoNonBlanks;
  if (AOperatorKind >= foBetween) return static_cast<TcxFilterControlOperator>(AOperatorKind + RangeShift);
  return static_cast<TcxFilterControlOperator>(AOperatorKind - foEqual + fcoEqual);
}

void CorrectDlgParams(Controls::TCreateParams& Params) {
  TCustomForm* active = Screen->ActiveForm();
  if (!active) return;
  for (Integer i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* form = Screen->Forms(i);
    if (form != active && form->GetVisible() && form->GetFormStyle() == fsStayOnTop) return;
  }
  Params.WndParent = active->GetHandle();
}

void FilterControlError(const String& AMessage) { throw EcxFilterControlError(AMessage); }

void FilterControlValidateValue(TcxCustomEdit* AEdit, Variant& AValue, TcxFilterControlOperator AOperator,
                                TcxValueTypeClass AValueTypeClass, TcxCustomFilterEditHelperClass AHelper) {
  if (!AValueTypeClass) return;
  if (VarIsStr(AValue) && VarToStr(AValue).empty() && !AValueTypeClass->IsString()) AValue = Null();
  if (VarIsNull(AValue) || AOperator == fcoLike || AOperator == fcoNotLike) return;
  if (!AHelper) AHelper = TcxCustomFilterEditHelperClass::Of<TcxCustomFilterEditHelper>();
  bool valid = false;
  try {
    valid = AHelper->IsValueValid(AValueTypeClass, AValue);
  } catch (Exception&) {
    valid = false;
  }
  if (!valid) FilterControlError(cxGetResourceString(&cxSFilterControlInvalidValue));
}

// ---- TcxCustomFilterEditHelper -----------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxCustomFilterEditHelper)

void TcxCustomFilterEditHelper::ClearPropertiesEvents(TcxCustomEditProperties* AProperties) {
  AProperties->OnButtonClick = nullptr;
  AProperties->OnChange = nullptr;
  AProperties->OnEditValueChanged = nullptr;
  AProperties->OnValidate = nullptr;
}

void TcxCustomFilterEditHelper::InitializeEdit(TcxCustomEdit* AEdit, TcxCustomEditProperties* AEditProperties) {
  InitializeProperties(AEdit->GetActiveProperties(), AEditProperties, EditPropertiesHasButtons());
}

void TcxCustomFilterEditHelper::GetFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties* AEditProperties,
                                               Variant& V, String& S) {
  V = AEdit->GetEditValue();
  S = AEditProperties->GetDisplayText(V, false, true);
}

TcxFilterControlOperators TcxCustomFilterEditHelper::GetSupportedFilterOperators(TcxCustomEditProperties* AProperties,
                                                                                 TcxValueTypeClass AValueTypeClass,
                                                                                 bool AExtendedSet) {
  TcxFilterControlOperators result;
  for (Integer op = fcoEqual; op <= fcoNonBlanks; ++op) result.Include(static_cast<TcxFilterControlOperator>(op));
  if (AExtendedSet)
    for (Integer op = fcoBetween; op <= fcoNotInList; ++op) result.Include(static_cast<TcxFilterControlOperator>(op));
  if (!AValueTypeClass || !AValueTypeClass->IsString()) {
    result.Exclude(fcoLike);
    result.Exclude(fcoNotLike);
  }
  return result;
}

void TcxCustomFilterEditHelper::InitializeProperties(TcxCustomEditProperties* AProperties,
                                                     TcxCustomEditProperties* AEditProperties, bool AHasButtons) {
  AProperties->Assign(AEditProperties);
  AProperties->GetAlignment()->SetHorz(taLeftJustify);
  AProperties->GetAlignment()->SetVert(taTopJustify);
  AProperties->SetBeepOnError(false);
  if (!AHasButtons) AProperties->GetButtons()->Clear();
  AProperties->SetReadOnly(false);
  AProperties->SetValidateOnEnter(true);
  if (!IsIDefaultValuesProviderNeeded(AEditProperties)) AProperties->SetIDefaultValuesProvider(nullptr);
  ClearPropertiesEvents(AProperties);
}

bool TcxCustomFilterEditHelper::IsValueValid(TcxValueTypeClass AValueTypeClass, Variant& Value) {
  return AValueTypeClass->IsValueValid(Value);
}

TcxCustomEdit* TcxCustomFilterEditHelper::GetFilterEdit(TcxCustomEditProperties* AEditProperties,
                                                        TcxInplaceEditList* AInplaceEditList) {
  const TClass editClass = GetFilterEditClass();
  if (!editClass) return nullptr;
  TcxCustomEdit* edit = nullptr;
  if (AInplaceEditList) {
    // An editor names its settings class only when it exists: a scratch one tells it.
    TOwnedPtr<TcxCustomEdit> probe(TcxCustomEdit::Create(editClass, nullptr, true));
    edit = AInplaceEditList->GetEdit(probe->GetPropertiesClass());
  } else {
    edit = TcxCustomEdit::Create(editClass, nullptr, false);
  }
  InitializeEdit(edit, AEditProperties);
  return edit;
}

// ---- TcxFilterTextEditHelper ---------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxFilterTextEditHelper)

TClass TcxFilterTextEditHelper::GetFilterEditClass() { return TcxTextEdit::StaticClass(); }

void TcxFilterTextEditHelper::InitializeProperties(TcxCustomEditProperties* AProperties,
                                                   TcxCustomEditProperties* AEditProperties, bool AHasButtons) {
  inherited::InitializeProperties(AProperties, AEditProperties, AHasButtons);
  auto* properties = static_cast<TcxCustomTextEditProperties*>(AProperties);
  properties->SetAutoSelect(true);
  properties->SetHideSelection(true);
  properties->SetViewStyle(vsNormal);
}

void TcxFilterTextEditHelper::SetFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties* AEditProperties,
                                             const Variant& AValue) {
  AEdit->SetEditValue(AValue);
}

// ---- TcxFilterMaskEditHelper -----------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxFilterMaskEditHelper)

TClass TcxFilterMaskEditHelper::GetFilterEditClass() { return TcxMaskEdit::StaticClass(); }

TcxFilterControlOperators TcxFilterMaskEditHelper::GetSupportedFilterOperators(TcxCustomEditProperties* AProperties,
                                                                               TcxValueTypeClass AValueTypeClass,
                                                                               bool AExtendedSet) {
  TcxFilterControlOperators result = inherited::GetSupportedFilterOperators(AProperties, AValueTypeClass, AExtendedSet);
  auto* properties = dynamic_cast<TcxCustomMaskEditProperties*>(AProperties);
  if (properties && properties->IsMasked()) {
    result.Exclude(fcoLike);
    result.Exclude(fcoNotLike);
  }
  return result;
}

void TcxFilterMaskEditHelper::InitializeProperties(TcxCustomEditProperties* AProperties,
                                                   TcxCustomEditProperties* AEditProperties, bool AHasButtons) {
  inherited::InitializeProperties(AProperties, AEditProperties, AHasButtons);
  auto* properties = static_cast<TcxCustomMaskEditProperties*>(AProperties);
  auto* source = dynamic_cast<TcxCustomMaskEditProperties*>(AEditProperties);
  if (source && source->GetMaskKind() == emkRegExpr) properties->SetMaskKind(emkRegExprEx);
  properties->SetAutoSelect(!properties->IsMasked());
}

// ---- TcxFilterDropDownEditHelper and TcxFilterComboBoxHelper -----------------------------------------------
IMPLEMENT_CLASS(TcxFilterDropDownEditHelper)
IMPLEMENT_CLASS(TcxFilterComboBoxHelper)

TClass TcxFilterComboBoxHelper::GetFilterEditClass() { return TcxComboBox::StaticClass(); }

void TcxFilterComboBoxHelper::InitializeProperties(TcxCustomEditProperties* AProperties,
                                                   TcxCustomEditProperties* AEditProperties, bool AHasButtons) {
  inherited::InitializeProperties(AProperties, AEditProperties, AHasButtons);
  auto* properties = static_cast<TcxCustomComboBoxProperties*>(AProperties);
  properties->SetButtonGlyph(nullptr);
  properties->SetDropDownRows(8);
  properties->SetDropDownListStyle(lsEditList);
  properties->SetImmediateDropDown(false);
  properties->SetPopupAlignment(taLeftJustify);
  properties->SetRevertable(false);
}

// ---- TcxFilterCheckBoxHelper -------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxFilterCheckBoxHelper)

void TcxFilterCheckBoxHelper::InitializeProperties(TcxCustomEditProperties* AProperties,
                                                   TcxCustomEditProperties* AEditProperties, bool AHasButtons) {
  auto* properties = static_cast<TcxCustomComboBoxProperties*>(AProperties);
  auto* source = static_cast<TcxCustomCheckBoxProperties*>(AEditProperties);
  properties->GetItems()->Clear();
  properties->GetItems()->Add(source->GetDisplayText(source->GetValueChecked(), false, true));
  properties->GetItems()->Add(source->GetDisplayText(source->GetValueUnchecked(), false, true));
  properties->SetDropDownListStyle(lsFixedList);
  properties->SetIDefaultValuesProvider(nullptr);
  ClearPropertiesEvents(properties);
}

void TcxFilterCheckBoxHelper::GetFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties* AEditProperties,
                                             Variant& V, String& S) {
  auto* source = static_cast<TcxCustomCheckBoxProperties*>(AEditProperties);
  switch (static_cast<TcxComboBox*>(AEdit)->GetItemIndex()) {
    case 0: V = source->GetValueChecked(); break;
    case 1: V = source->GetValueUnchecked(); break;
    default:
      V = Null();
      S.clear();
      return;
  }
  S = source->GetDisplayText(V, false, true);
}

void TcxFilterCheckBoxHelper::SetFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties* AEditProperties,
                                             const Variant& AValue) {
  TcxEditValue display;
  AEditProperties->PrepareDisplayValue(AValue, display, AEdit->Focused());
  static constexpr Integer ItemOfState[] = {1, 0, -1};
  const Integer state = display.ToInteger();
  static_cast<TcxComboBox*>(AEdit)->SetItemIndex(state >= 0 && state <= 2 ? ItemOfState[state] : -1);
}

TcxFilterControlOperators TcxFilterCheckBoxHelper::GetSupportedFilterOperators(TcxCustomEditProperties*,
                                                                               TcxValueTypeClass, bool) {
  return {fcoEqual, fcoNotEqual, fcoBlanks, fcoNonBlanks};
}

// ---- TcxFilterEditsController ------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxFilterEditsController)

namespace {
TcxFilterEditsController* FController = nullptr;
}

TcxFilterEditsController* FilterEditsController() {
  if (!FController) FController = New<TcxFilterEditsController>();
  return FController;
}

TClass TcxFilterEditsController::GetItemClass(TClass AEditPropertiesClass) { return AEditPropertiesClass->Parent; }

void TcxFilterEditsController::Register(TClass AEditPropertiesClass, TClass AFilterEditHelper) {
  inherited::Register(GetItemClass(AEditPropertiesClass), TcxCustomFilterEditHelperClass(AFilterEditHelper).Class());
}

void TcxFilterEditsController::Unregister(TClass AEditPropertiesClass, TClass AFilterEditHelper) {
  inherited::Unregister(GetItemClass(AEditPropertiesClass), AFilterEditHelper);
  // Nothing of the controller is touched once it is freed.
  if (GetCount() == 0 && this == FController) FreeAndNil(FController);
}

TcxCustomFilterEditHelperClass TcxFilterEditsController::FindHelper(TClass AEditPropertiesClass) {
  return TcxCustomFilterEditHelperClass(FindClass(GetItemClass(AEditPropertiesClass)));
}

// ---- Unit start and end ----------------------------------------------------------------------------------------
namespace {
Integer FUnitStartCount = 0;
}

// The editor kinds below this unit cannot name their helper, so it is filed for them here.
void cxFilterControlUtilsInitialization() {
  if (FUnitStartCount++ > 0) return;
  FilterEditsController()->Register(TcxTextEditProperties::StaticClass(), TcxFilterTextEditHelper::StaticClass());
  FilterEditsController()->Register(TcxLabelProperties::StaticClass(), TcxFilterTextEditHelper::StaticClass());
  FilterEditsController()->Register(TcxMaskEditProperties::StaticClass(), TcxFilterMaskEditHelper::StaticClass());
  FilterEditsController()->Register(TcxComboBoxProperties::StaticClass(), TcxFilterComboBoxHelper::StaticClass());
  FilterEditsController()->Register(TcxCheckBoxProperties::StaticClass(), TcxFilterCheckBoxHelper::StaticClass());
}

void cxFilterControlUtilsFinalization() {
  if (FUnitStartCount == 0 || --FUnitStartCount > 0) return;
  FilterEditsController()->Unregister(TcxCheckBoxProperties::StaticClass(), TcxFilterCheckBoxHelper::StaticClass());
  FilterEditsController()->Unregister(TcxComboBoxProperties::StaticClass(), TcxFilterComboBoxHelper::StaticClass());
  FilterEditsController()->Unregister(TcxMaskEditProperties::StaticClass(), TcxFilterMaskEditHelper::StaticClass());
  FilterEditsController()->Unregister(TcxLabelProperties::StaticClass(), TcxFilterTextEditHelper::StaticClass());
  FilterEditsController()->Unregister(TcxTextEditProperties::StaticClass(), TcxFilterTextEditHelper::StaticClass());
}

}  // namespace cxFilterControlUtils
