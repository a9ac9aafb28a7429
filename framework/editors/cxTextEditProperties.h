// The settings of the single-line text editor and of every editor that edits text: character case,
// password echo, the maximum length, lookup items with incremental search, the display and edit
// formats and value bounds. They turn an edit value into the text an editor shows (numeric
// formatting, digit grouping, case conversion, password masking) and check typed texts.
#pragma once

#include "StdCtrls.h"
#include "StringLists.h"
#include "cxEditProperties.h"
#include "cxFormats.h"

namespace cxTextEdit {

using namespace cxEdit;
using StdCtrls::TEditCharCase;

PUBLISHED_ENUM(TcxEditEchoMode, eemNormal, eemPassword)
PUBLISHED_ENUM(TcxTextEditViewStyle, vsNormal, vsHideCursor, vsButtonsOnly, vsButtonsAutoWidth)
enum TcxEditEditingStyle { esEdit, esEditList, esFixedList, esNoEdit };
enum TcxEditValueBound { evbMin, evbMax };
using TcxCharSet = TSet<unsigned char, 256>;

class TcxCustomTextEdit;

using TcxNewLookupDisplayTextEvent = TClosure<void(TObject* Sender, const String& AText)>;

// ---- Text routines ----------------------------------------------------------------------------------
// The text in the given case (the platform's locale-aware conversion).
void CheckCharsRegister(String& AText, TEditCharCase ACharCase);
// Takes an exponent part ("E..." in any case, to the end) off the text.
void RemoveExponentialPart(String& AText, String& AExponentialPart);
void RemoveThousandSeparator(String& AText);
// Groups the digits of the integer part by threes; blanks around the number and the exponent part
// stay where they are.
void InsertThousandSeparator(String& AText);

// Which of the provider-backed text settings were assigned.
class TcxTextEditPropertiesValues : public TcxCustomEditPropertiesValues {
  DECLARE_CLASS(TcxTextEditPropertiesValues, TcxCustomEditPropertiesValues)
 public:
  explicit TcxTextEditPropertiesValues(TPersistent* AOwner = nullptr) : TcxCustomEditPropertiesValues(AOwner) {}
  void Assign(TPersistent* Source) override;
  void RestoreDefaults() override;

  bool GetDisplayFormat() const { return FDisplayFormat; }
  void SetDisplayFormat(bool Value) { SetFlag(FDisplayFormat, Value); }
  bool GetEditFormat() const { return FEditFormat; }
  void SetEditFormat(bool Value) { SetFlag(FEditFormat, Value); }
  bool GetMaxLength() const { return FMaxLength; }
  void SetMaxLength(bool Value);
  bool IsDisplayFormatStored();
  bool IsEditFormatStored();

 private:
  friend class TcxCustomTextEditProperties;
  bool FDisplayFormat = false;
  bool FEditFormat = false;
  bool FMaxLength = false;
};

class TcxCustomTextEditProperties : public TcxCustomEditProperties, public IcxFormatControllerListener {
  DECLARE_CLASS(TcxCustomTextEditProperties, TcxCustomEditProperties)
 public:
  explicit TcxCustomTextEditProperties(TPersistent* AOwner = nullptr) : TcxCustomEditProperties(AOwner) {}

  // IcxFormatControllerListener.
  void FormatChanged() override;

  // ---- Operations introduced here
  virtual void CheckEditorValueBounds(TcxEditValue& ADisplayValue, String& AErrorText, bool& AError,
                                      TcxCustomEdit* AEdit);
  virtual String DefaultFocusedDisplayValue() { return ""; }
  virtual bool FindLookupText(const String& AText);
  virtual String GetDefaultDisplayFormat() { return ""; }
  virtual Integer GetDefaultMaxLength();
  virtual Integer GetDropDownPageRowCount() { return 8; }
  virtual TcxEditEditingStyle GetEditingStyle() { return FHideCursor ? esNoEdit : esEdit; }
  virtual TClass GetLookupDataClass();
  virtual bool HasDigitGrouping(bool AIsDisplayValueSynchronizing) { return false; }
  virtual String InternalGetEditFormat(bool& AIsCurrency, bool& AIsOnGetTextAssigned, TcxCustomEdit* AEdit = nullptr);
  virtual bool IsEditValueNumeric() { return false; }
  virtual bool IsLookupDataVisual() { return false; }
  virtual bool IsMultiLine() { return false; }
  virtual bool IsPopupKey(Word Key, TShiftState Shift) { return false; }
  virtual bool IsValueBoundDefined(TcxEditValueBound ABound);
  virtual bool IsValueBoundsDefined();
  virtual void LookupDataChanged(TObject* Sender) { Changed(); }
  virtual void MaxLengthChanged() { Changed(); }
  virtual void SetCharCase(TEditCharCase Value);
  virtual bool UseLookupData() { return GetLookupDataClass() != nullptr; }
  virtual void DisplayValueToDisplayText(String& ADisplayValue);
  virtual bool IsDisplayValueValid(TcxEditValue& DisplayValue, bool AEditFocused);

  // ---- Base operations
  void Assign(TPersistent* Source) override;
  bool CanValidate() override { return true; }
  TClass GetAssignedValuesClass() override;
  TcxEditDisplayFormatOptions GetDisplayFormatOptions() override { return {dfoSupports}; }
  String GetValidateErrorText(TcxEditErrorKind AErrorKind) override;
  TClass GetViewDataClass() override;
  TClass GetViewInfoClass() override;
  TClass GetContainerClass() override;
  bool HasDisplayValue() override { return true; }
  bool CanCompareEditValue() override { return true; }
  bool CompareDisplayValues(const TcxEditValue& AEditValue1, const TcxEditValue& AEditValue2) override;
  String GetDisplayText(const TcxEditValue& AEditValue, bool AFullText = false, bool AIsInplace = true) override;
  TcxEditSupportedOperations GetSupportedOperations() override;
  bool IsEditValueValid(TcxEditValue& AEditValue, bool AEditFocused) override;
  bool IsResetEditClass() override { return GetEditingStyle() != esNoEdit; }
  void PrepareDisplayValue(const TcxEditValue& AEditValue, TcxEditValue& DisplayValue, bool AEditFocused) override;
  void ValidateDisplayValue(TcxEditValue& ADisplayValue, String& AErrorText, bool& AError,
                            TcxCustomEdit* AEdit) override;
  TcxDataEditValueSource GetEditValueSource(bool AEditFocused) override { return evsText; }

  // ---- Services
  bool CanIncrementalSearch();
  // The display value of an edit value (the invalid ones shown as plain text).
  TcxEditValue GetDefaultDisplayValue(const TcxEditValue& AEditValue, bool AEditFocused);
  String GetDisplayFormat();
  String GetEditFormat();
  Integer GetMaxLength();
  Integer GetInnerEditMaxLength() { return GetMaxLength(); }
  void SetMinMaxValues(double AMinValue, double AMaxValue);
  bool IsFormatChanging() const { return FFormatChanging; }
  TcxTextEditPropertiesValues* GetAssignedTextValues() const {
    return static_cast<TcxTextEditPropertiesValues*>(GetAssignedValues());
  }

  // ---- Settings
  TEditCharCase GetCharCase() const { return FCharCase; }
  String GetDisplayFormatValue() const { return FDisplayFormat; }
  void SetDisplayFormat(const String& Value);
  TcxEditEchoMode GetEchoMode() const { return FEchoMode; }
  void SetEchoMode(TcxEditEchoMode Value);
  String GetEditFormatValue() const { return FEditFormat; }
  void SetEditFormat(const String& Value);
  bool GetFixedListSelection() const { return FFixedListSelection; }
  void SetFixedListSelection(bool Value);
  bool GetHideCursor() const { return FHideCursor; }
  void SetHideCursor(bool Value);
  bool GetHideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  TImeMode GetImeMode() const { return FImeMode; }
  void SetImeMode(TImeMode Value);
  TImeName GetImeName() const { return FImeName; }
  void SetImeName(const TImeName& Value);
  bool GetImmediateUpdateText() const { return FImmediateUpdateText; }
  void SetImmediateUpdateText(bool Value);
  bool GetIncrementalSearch() const { return FIncrementalSearch; }
  void SetIncrementalSearch(bool Value);
  TStringList* GetLookupItems() const { return FLookupItems; }
  void SetLookupItems(TStrings* Value) { FLookupItems->Assign(Value); }
  bool GetLookupItemsSorted() const { return FLookupItems->GetSorted(); }
  void SetLookupItemsSorted(bool Value) { FLookupItems->SetSorted(Value); }
  Integer GetMaxLengthValue() const { return FMaxLength; }
  void SetMaxLength(Integer Value);
  bool GetMRUMode() const { return FMRUMode; }
  void SetMRUMode(bool Value);
  bool GetOEMConvert() const { return FOEMConvert; }
  void SetOEMConvert(bool Value);
  Char GetPasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(Char Value);
  bool GetUseDisplayFormatWhenEditing() const { return FUseDisplayFormatWhenEditing; }
  void SetUseDisplayFormatWhenEditing(bool Value);
  TcxTextEditViewStyle GetViewStyle();
  void SetViewStyle(TcxTextEditViewStyle Value);
  TcxCharSet AcceptedChars;

  bool IsMaxLengthStored() const { return GetAssignedTextValues()->FMaxLength; }
  bool IsDisplayFormatStored() const { return GetAssignedTextValues()->FDisplayFormat; }
  bool IsEditFormatStored() const { return GetAssignedTextValues()->FEditFormat; }

  TcxNewLookupDisplayTextEvent OnNewLookupDisplayText;
  TcxNewLookupDisplayTextEvent GetOnNewLookupDisplayText() const { return OnNewLookupDisplayText; }
  void SetOnNewLookupDisplayText(TcxNewLookupDisplayTextEvent V) { OnNewLookupDisplayText = V; }

 protected:
  void Construct() override;
  void Destroy() override;
  void DefineProperties(Filer::TFiler* Filer) override;
  void AlignmentChangedHandler(TObject* Sender) override;
  void BaseSetAlignment(TcxEditAlignment* Value) override;
  virtual void LookupItemsChanged(TObject* Sender) { Changed(); }

 private:
  void ReadIsDisplayFormatAssigned(Filer::TReader* Reader);
  // Stores the value and announces the change; nothing when it is equal.
  template <class T>
  void SetField(T& AField, const T& AValue);

  TEditCharCase FCharCase = StdCtrls::ecNormal;
  String FDisplayFormat;
  TcxEditEchoMode FEchoMode = eemNormal;
  String FEditFormat;
  bool FFixedListSelection = true;
  bool FFormatChanging = false;
  bool FHideCursor = false;
  bool FHideSelection = true;
  TImeMode FImeMode = imDontCare;
  TImeName FImeName;
  bool FImmediateUpdateText = false;
  bool FIncrementalSearch = true;
  TStringList* FLookupItems = nullptr;
  Integer FMaxLength = 0;
  bool FMRUMode = false;
  bool FOEMConvert = false;
  Char FPasswordChar = 0;
  bool FUseDisplayFormatWhenEditing = false;
};

class TcxTextEditProperties : public TcxCustomTextEditProperties {
  DECLARE_CLASS(TcxTextEditProperties, TcxCustomTextEditProperties)
 public:
  explicit TcxTextEditProperties(TPersistent* AOwner = nullptr) : TcxCustomTextEditProperties(AOwner) {}
  TcxTextEditPropertiesValues* GetAssignedValues() const { return GetAssignedTextValues(); }
  void SetAssignedValues(TcxTextEditPropertiesValues* Value) { GetAssignedTextValues()->Assign(Value); }
};

void InitTextEdit();
void DoneTextEdit();

}  // namespace cxTextEdit

using namespace cxTextEdit;
