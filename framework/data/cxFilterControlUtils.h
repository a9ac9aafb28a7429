// What a filter-building user interface needs of the editors: the operators it offers with their
// captions, their mapping to the filter criteria's operator kinds, the check of an entered value, and
// the registry that names for each editor settings class the helper that makes, sets up and reads
// the editor in which a filter value is entered.
//
// The unit sits above the editors because its operators and value types are the filter's: it files
// the helpers of the editor kinds that have one (the text editor's, the label's, the mask editor's, the combo box's and the
// check box's)
// when it starts.
#pragma once

#include "Exceptions.h"
#include "Variants.h"
#include "cxClassesRegistry.h"
#include "cxFilterOperators.h"

namespace cxDataStorage {
class TcxValueType;
}
namespace cxEdit {
class TcxCustomEdit;
class TcxCustomEditProperties;
class TcxInplaceEditList;
}  // namespace cxEdit
namespace Controls {
struct TCreateParams;
}

namespace cxFilterControlUtils {

using cxDataStorage::TcxValueType;
using cxEdit::TcxCustomEdit;
using cxEdit::TcxCustomEditProperties;
using cxEdit::TcxInplaceEditList;
using cxFilter::TcxFilterOperatorKind;
using TcxValueTypeClass = const TcxValueType*;

enum TcxFilterControlOperator {
  fcoNone, fcoEqual, fcoNotEqual, fcoLess, fcoLessEqual, fcoGreater, fcoGreaterEqual, fcoLike, fcoNotLike,
  fcoBlanks, fcoNonBlanks, fcoBetween, fcoNotBetween, fcoInList, fcoNotInList, fcoYesterday, fcoToday,
  fcoTomorrow, fcoLast7Days, fcoLastWeek, fcoLast14Days, fcoLastTwoWeeks, fcoLast30Days, fcoLastMonth,
  fcoLastYear, fcoInPast, fcoThisWeek, fcoThisMonth, fcoThisYear, fcoNext7Days, fcoNextWeek, fcoNext14Days,
  fcoNextTwoWeeks, fcoNext30Days, fcoNextMonth, fcoNextYear, fcoInFuture
};
using TcxFilterControlOperators = TSet<TcxFilterControlOperator, 64>;

// An entered filter value that cannot be used.
DECLARE_EXCEPTION(EcxFilterControlError, Exception)

// The helper of one editor kind. All its operations are the class's: the class itself is the helper,
// reached through TcxCustomFilterEditHelperClass.
class TcxCustomFilterEditHelper : public TObject {
  DECLARE_CLASS(TcxCustomFilterEditHelper, TObject)
 public:
  virtual void ClearPropertiesEvents(TcxCustomEditProperties* AProperties);
  virtual void InitializeEdit(TcxCustomEdit* AEdit, TcxCustomEditProperties* AEditProperties);
  virtual bool IsIDefaultValuesProviderNeeded(TcxCustomEditProperties* AEditProperties) { return true; }
  virtual bool EditPropertiesHasButtons() { return false; }
  // The editor class in which values are entered; none here.
  virtual TClass GetFilterEditClass() { return nullptr; }
  virtual void GetFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties* AEditProperties, Variant& V,
                              String& S);
  virtual TcxFilterControlOperators GetSupportedFilterOperators(TcxCustomEditProperties* AProperties,
                                                                TcxValueTypeClass AValueTypeClass,
                                                                bool AExtendedSet = false);
  virtual void InitializeProperties(TcxCustomEditProperties* AProperties, TcxCustomEditProperties* AEditProperties,
                                    bool AHasButtons);
  virtual bool IsValueValid(TcxValueTypeClass AValueTypeClass, Variant& Value);
  virtual void SetFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties* AEditProperties, const Variant& AValue) {}
  virtual bool UseDisplayValue() { return false; }

  // An editor of GetFilterEditClass set up like AEditProperties: the in-place list's when one is
  // given, otherwise a new one without owner (the caller frees it); none without an editor class.
  TcxCustomEdit* GetFilterEdit(TcxCustomEditProperties* AEditProperties, TcxInplaceEditList* AInplaceEditList = nullptr);
};
using TcxCustomFilterEditHelperClass = TClassRef<TcxCustomFilterEditHelper>;

// The text editor's helper: values are entered in a text editor.
class TcxFilterTextEditHelper : public TcxCustomFilterEditHelper {
  DECLARE_CLASS(TcxFilterTextEditHelper, TcxCustomFilterEditHelper)
 public:
  TClass GetFilterEditClass() override;
  void InitializeProperties(TcxCustomEditProperties* AProperties, TcxCustomEditProperties* AEditProperties,
                            bool AHasButtons) override;
  void SetFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties* AEditProperties, const Variant& AValue) override;
};

// The mask editor's helper: a masked value is entered in a mask editor (a regular expression with its
// forced literals completed), and a masked text offers no LIKE.
class TcxFilterMaskEditHelper : public TcxFilterTextEditHelper {
  DECLARE_CLASS(TcxFilterMaskEditHelper, TcxFilterTextEditHelper)
 public:
  TClass GetFilterEditClass() override;
  TcxFilterControlOperators GetSupportedFilterOperators(TcxCustomEditProperties* AProperties,
                                                        TcxValueTypeClass AValueTypeClass,
                                                        bool AExtendedSet = false) override;
  void InitializeProperties(TcxCustomEditProperties* AProperties, TcxCustomEditProperties* AEditProperties,
                            bool AHasButtons) override;
};

// The drop-down editors' helper: their settings carry buttons.
class TcxFilterDropDownEditHelper : public TcxFilterMaskEditHelper {
  DECLARE_CLASS(TcxFilterDropDownEditHelper, TcxFilterMaskEditHelper)
 public:
  bool EditPropertiesHasButtons() override { return true; }
};

// The combo box's helper: a value is entered in a combo box that offers the column's items as a
// plain editable list, dropped down only on request.
class TcxFilterComboBoxHelper : public TcxFilterDropDownEditHelper {
  DECLARE_CLASS(TcxFilterComboBoxHelper, TcxFilterDropDownEditHelper)
 public:
  TClass GetFilterEditClass() override;
  void InitializeProperties(TcxCustomEditProperties* AProperties, TcxCustomEditProperties* AEditProperties,
                            bool AHasButtons) override;
};

// The check box's helper: a value is picked in a fixed list of the texts shown for checked and
// unchecked; a grayed value selects no item.
class TcxFilterCheckBoxHelper : public TcxFilterComboBoxHelper {
  DECLARE_CLASS(TcxFilterCheckBoxHelper, TcxFilterComboBoxHelper)
 public:
  void GetFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties* AEditProperties, Variant& V,
                      String& S) override;
  TcxFilterControlOperators GetSupportedFilterOperators(TcxCustomEditProperties* AProperties,
                                                        TcxValueTypeClass AValueTypeClass,
                                                        bool AExtendedSet = false) override;
  void InitializeProperties(TcxCustomEditProperties* AProperties, TcxCustomEditProperties* AEditProperties,
                            bool AHasButtons) override;
  void SetFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties* AEditProperties, const Variant& AValue) override;
  bool UseDisplayValue() override { return true; }
};

// Pairs of an editor settings class and its helper. A pair is filed under the parent of the settings
// class given, and a lookup answers the helper of the nearest registered ancestor of that parent.
class TcxFilterEditsController : public TcxRegisteredClassList {
  DECLARE_CLASS(TcxFilterEditsController, TcxRegisteredClassList)
 public:
  void Register(TClass AEditPropertiesClass, TClass AFilterEditHelper) override;
  void Unregister(TClass AEditPropertiesClass, TClass AFilterEditHelper) override;
  TcxCustomFilterEditHelperClass FindHelper(TClass AEditPropertiesClass);

 protected:
  static TClass GetItemClass(TClass AEditPropertiesClass);
};

// The one controller, made on first use; the last unregistration frees it.
TcxFilterEditsController* FilterEditsController();

String GetFilterControlOperatorText(TcxFilterControlOperator AOperator);
TcxFilterOperatorKind GetFilterOperatorKind(TcxFilterControlOperator AOperator);
TcxFilterControlOperator GetFilterControlOperator(TcxFilterOperatorKind AOperatorKind, bool AValueIsNull);
// A dialog made while another form is active belongs to that form, unless a form stays on top.
void CorrectDlgParams(Controls::TCreateParams& Params);
[[noreturn]] void FilterControlError(const String& AMessage);
// Checks an entered value against the value type (an empty text is no value for a type that is no
// string); raises EcxFilterControlError "Invalid value" for a value the helper does not accept.
void FilterControlValidateValue(TcxCustomEdit* AEdit, Variant& AValue, TcxFilterControlOperator AOperator,
                                TcxValueTypeClass AValueTypeClass, TcxCustomFilterEditHelperClass AHelper);

void cxFilterControlUtilsInitialization();
void cxFilterControlUtilsFinalization();

}  // namespace cxFilterControlUtils

using namespace cxFilterControlUtils;
