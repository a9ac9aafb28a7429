// Editor settings: construction of the kind's objects, change notification under the update lock,
// the two alignments, provider-backed values, display formatting, validation and size questions.
#include "cxEditProperties.h"

#include "Exceptions.h"
#include "TypInfo.h"
#include "WinInput.h"
#include "cxClassesLinks.h"
#include "cxControlsInternal.h"
#include "cxContainerUtils.h"
#include "cxEditButtons.h"
#include "cxEditConsts.h"
#include "cxEditControl.h"
#include "cxEditDataBinding.h"
#include "cxEditInternal.h"
#include "cxEditViewData.h"
#include "cxEditViewInfo.h"
#include "cxClassesResStrings.h"
#include "cxVariants.h"

namespace cxEdit {

// ---- TcxCustomEditDefaultValuesProvider -------------------------------------------------------------------
IMPLEMENT_CLASS(TcxCustomEditDefaultValuesProvider)

void TcxCustomEditDefaultValuesProvider::Destroy() {
  ClearUsers();
  inherited::Destroy();
}

void TcxCustomEditDefaultValuesProvider::ClearUsers() {
  for (TcxCustomEditProperties* properties : std::vector<TcxCustomEditProperties*>(EditPropertiesList()))
    if (IcxEditDefaultValuesProvider* provider = properties->GetIDefaultValuesProvider();
        provider && provider->GetInstance() == this)
      properties->DefaultValuesProviderDestroyed();
}

// ---- TcxEditAlignment ----------------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TcxEditAlignment) {
  d.Property("Horz", &TcxEditAlignment::GetHorz, &TcxEditAlignment::SetHorz)
      .Stored(&TcxEditAlignment::IsHorzAssigned);
  d.Property("Vert", &TcxEditAlignment::GetVert, &TcxEditAlignment::SetVert)
      .Stored(&TcxEditAlignment::IsVertStored);
}

void TcxEditAlignment::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxEditAlignment*>(Source);
  if (!source) return inherited::Assign(Source);
  FVert = source->FVert;
  FHorz = source->FHorz;
  FIsHorzAssigned = source->FIsHorzAssigned;
  DoChanged();
}

void TcxEditAlignment::Reset() {
  FIsHorzAssigned = false;
  DoChanged();
}

void TcxEditAlignment::SetHorz(TAlignment Value) {
  if (FIsHorzAssigned && FHorz == Value) return;
  FHorz = Value;
  FIsHorzAssigned = true;
  DoChanged();
}

void TcxEditAlignment::SetVert(TcxEditVertAlignment Value) {
  if (FVert == Value) return;
  FVert = Value;
  DoChanged();
}

void TcxEditAlignment::DoChanged() {
  if (OnChanged) OnChanged(this);
}

// ---- TcxCustomEditPropertiesValues ------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TcxCustomEditPropertiesValues) {
  d.Property("ReadOnly", &TcxCustomEditPropertiesValues::GetReadOnly, &TcxCustomEditPropertiesValues::SetReadOnly)
      .Default(false);
}

TcxCustomEditPropertiesValues* TcxCustomEditPropertiesValues::Create(TClass AClass, TPersistent* AOwner) {
  return CreateInstanceOf<TcxCustomEditPropertiesValues>(
      AClass, [AOwner](TcxCustomEditPropertiesValues* AValues) { AValues->FOwner = AOwner; });
}

TcxCustomEditProperties* TcxCustomEditPropertiesValues::GetProperties() {
  return dynamic_cast<TcxCustomEditProperties*>(FOwner);
}

void TcxCustomEditPropertiesValues::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomEditPropertiesValues*>(Source);
  if (!source) return inherited::Assign(Source);
  TcxCustomEditProperties* properties = GetProperties();
  if (properties) properties->BeginUpdate();
  TFinally end([properties] {
    if (properties) properties->EndUpdate();
  });
  SetMaxValue(source->FMaxValue);
  SetMinValue(source->FMinValue);
  SetReadOnly(source->FReadOnly);
}

void TcxCustomEditPropertiesValues::RestoreDefaults() {
  TcxCustomEditProperties* properties = GetProperties();
  if (properties) properties->BeginUpdate();
  TFinally end([properties] {
    if (properties) properties->EndUpdate();
  });
  SetMaxValue(false);
  SetMinValue(false);
  SetReadOnly(false);
}

void TcxCustomEditPropertiesValues::SetFlag(bool& AFlag, bool AValue) {
  if (AFlag == AValue) return;
  AFlag = AValue;
  if (TcxCustomEditProperties* properties = GetProperties()) properties->Changed();
}

void TcxCustomEditPropertiesValues::SetMaxValue(bool Value) { SetFlag(FMaxValue, Value); }
void TcxCustomEditPropertiesValues::SetMinValue(bool Value) { SetFlag(FMinValue, Value); }
void TcxCustomEditPropertiesValues::SetReadOnly(bool Value) { SetFlag(FReadOnly, Value); }

// A zero value is not written by the settings themselves (it is their default), so the flag keeps it.
bool TcxCustomEditPropertiesValues::IsMaxValueStored() {
  TcxCustomEditProperties* properties = GetProperties();
  return FMaxValue && properties && properties->GetMaxValue() == 0 &&
         GetPropInfo(properties->ClassType(), "MaxValue") != nullptr;
}

bool TcxCustomEditPropertiesValues::IsMinValueStored() {
  TcxCustomEditProperties* properties = GetProperties();
  return FMinValue && properties && properties->GetMinValue() == 0 &&
         GetPropInfo(properties->ClassType(), "MinValue") != nullptr;
}

// ---- TcxCustomEditProperties: life ----------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxCustomEditProperties)

TcxCustomEditProperties* TcxCustomEditProperties::Create(TClass AClass, TPersistent* AOwner) {
  return CreateInstanceOf<TcxCustomEditProperties>(
      AClass, [AOwner](TcxCustomEditProperties* AProperties) { AProperties->InitializeOwner(AOwner); });
}

void TcxCustomEditProperties::Construct() {
  inherited::Construct();
  AddEditProperties(this);
  FFreeNotificator = New<TcxFreeNotificator>(nullptr);
  FFreeNotificator->OnFreeNotification =
      TcxFreeNotificationEvent(this, &TcxCustomEditProperties::FreeNotificationHandler);
  FAlignment = New<TcxEditAlignment>(this);
  FAlignment->OnChanged = TNotifyEvent(this, &TcxCustomEditProperties::AlignmentChangedHandler);
  FAssignedValues = TcxCustomEditPropertiesValues::Create(GetAssignedValuesClass(), this);
  FAutoSelect = true;
  FButtons = TcxEditButtons::Create(GetButtonsClass(), this);
  FButtons->OnChange = TNotifyEvent(this, &TcxCustomEditProperties::ButtonsChanged);
  FButtonsViewStyle = bvsNormal;
  FClickKey = scCtrl | VK_RETURN;
  FUseLeftAlignmentOnEditing = DefaultUseLeftAlignmentOnEditing();
  FUseMouseWheel = true;
  FInnerAlignment = New<TcxEditAlignment>(this);
  FUpdateCount = 0;
}

void TcxCustomEditProperties::Destroy() {
  DisconnectPropertiesFromInplaceEditLists(this);
  FIDefaultValuesProvider = nullptr;
  FreeAndNil(FButtons);
  FreeAndNil(FInnerAlignment);
  FreeAndNil(FAssignedValues);
  FreeAndNil(FAlignment);
  FreeAndNil(FFreeNotificator);
  RemoveEditProperties(this);
  inherited::Destroy();
}

TPersistent* TcxCustomEditProperties::GetOwner() { return TcxInterfacedPersistent::GetOwner(); }

TClass TcxCustomEditProperties::GetAssignedValuesClass() { return TcxCustomEditPropertiesValues::StaticClass(); }
TClass TcxCustomEditProperties::GetButtonsClass() { return TcxEditButtons::StaticClass(); }
TClass TcxCustomEditProperties::GetContainerClass() { return TcxCustomEdit::StaticClass(); }
TClass TcxCustomEditProperties::GetStyleClass() { return TcxEditStyle::StaticClass(); }
TClass TcxCustomEditProperties::GetViewDataClass() { return TcxCustomEditViewData::StaticClass(); }
TClass TcxCustomEditProperties::GetViewInfoClass() { return TcxCustomEditViewInfo::StaticClass(); }

// ---- Change notification -------------------------------------------------------------------------------------
void TcxCustomEditProperties::Changed() {
  auto* ownerComponent = dynamic_cast<TComponent*>(GetOwner());
  if (FChangedLocked || FUpdateCount > 0 ||
      (ownerComponent && ownerComponent->ComponentState().Contains(csDestroying))) {
    FChangedOccurred = true;
    return;
  }
  if (!OnPropertiesChanged) return;
  ++FChangingDepth;
  TFinally done([this] { --FChangingDepth; });
  OnPropertiesChanged(this);
}

void TcxCustomEditProperties::BeginUpdate() {
  if (FUpdateCount == 0) FChangedOccurred = false;
  ++FUpdateCount;
}

void TcxCustomEditProperties::EndUpdate(bool AInvokeChanged) {
  if (FUpdateCount == 0) return;
  --FUpdateCount;
  if (FUpdateCount == 0 && AInvokeChanged && FChangedOccurred) Changed();
}

// ---- Assignment and defaults -------------------------------------------------------------------------------------
void TcxCustomEditProperties::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomEditProperties*>(Source);
  if (!source) return inherited::Assign(Source);
  BeginUpdate();
  TFinally end([this] { EndUpdate(); });
  SetAutoSelect(source->FAutoSelect);
  FButtons->Assign(source->FButtons);
  SetButtonsViewStyle(source->FButtonsViewStyle);
  FBeepOnError = source->FBeepOnError;
  FClearKey = source->FClearKey;
  FClickKey = source->FClickKey;
  FUseLeftAlignmentOnEditing = source->FUseLeftAlignmentOnEditing;
  FIDefaultValuesProvider = source->FIDefaultValuesProvider;
  BaseSetAlignment(source->GetAlignment());
  FAssignedValues->FMaxValue = false;
  if (source->FAssignedValues->FMaxValue) SetMaxValue(source->FMaxValue);
  FAssignedValues->FMinValue = false;
  if (source->FAssignedValues->FMinValue) SetMinValue(source->FMinValue);
  FAssignedValues->FReadOnly = false;
  if (source->FAssignedValues->FReadOnly) SetReadOnly(source->FReadOnly);
  FImmediatePost = source->FImmediatePost;
  SetTransparent(source->FTransparent);
  FUseMouseWheel = source->FUseMouseWheel;
  FValidateOnEnter = source->FValidateOnEnter;
  OnButtonClick = source->OnButtonClick;
  OnChange = source->OnChange;
  OnEditValueChanged = source->OnEditValueChanged;
  OnValidate = source->OnValidate;
}

void TcxCustomEditProperties::RestoreDefaults() {
  FInnerAlignment->Reset();
  BeginUpdate();
  TFinally end([this] { EndUpdate(); });
  FAssignedValues->RestoreDefaults();
}

TcxCustomEditProperties* TcxCustomEditProperties::CreatePreviewProperties() {
  return Create(ClassType(), nullptr);
}

TcxCustomEditViewData* TcxCustomEditProperties::CreateViewData(TcxCustomEditStyle* AStyle, bool AIsInplace,
                                                               bool APreviewMode) {
  TcxCustomEditViewData* viewData = TcxCustomEditViewData::Create(GetViewDataClass(), this, AStyle, AIsInplace);
  viewData->PreviewMode = APreviewMode;
  return viewData;
}

// ---- Alignment ---------------------------------------------------------------------------------------------------
void TcxCustomEditProperties::AlignmentChangedHandler(TObject*) {
  FInnerAlignment->Assign(FAlignment);
  Changed();
}

void TcxCustomEditProperties::BaseSetAlignment(TcxEditAlignment* Value) {
  FInnerAlignment->Assign(Value);
  Changed();
}

TAlignment TcxCustomEditProperties::GetDefaultHorzAlignment() {
  return FIDefaultValuesProvider ? FIDefaultValuesProvider->DefaultAlignment() : FAlignment->GetHorz();
}

bool TcxCustomEditProperties::IsAlignmentStored() {
  return FInnerAlignment->IsHorzAssigned() || FInnerAlignment->IsVertStored();
}

TcxEditAlignment* TcxCustomEditProperties::GetAlignment() {
  FAlignment->OnChanged = TNotifyEvent();
  FAlignment->Assign(FInnerAlignment);
  // While the owner is written, the stored alignment is what was assigned: no default is filled in.
  TComponent* ownerComponent = GetOwnerComponent(this);
  if (IsAlignmentStored() && ownerComponent && ownerComponent->ComponentState().Contains(csWriting))
    return FAlignment;
  // A default fills in the value shown but does not count as assigned.
  if (!FInnerAlignment->IsHorzAssigned()) FAlignment->FHorz = GetDefaultHorzAlignment();
  FAlignment->OnChanged = TNotifyEvent(this, &TcxCustomEditProperties::AlignmentChangedHandler);
  return FAlignment;
}

// ---- Settings ------------------------------------------------------------------------------------------------------
void TcxCustomEditProperties::SetAutoSelect(bool Value) {
  if (FAutoSelect == Value) return;
  FAutoSelect = Value;
  Changed();
}

void TcxCustomEditProperties::SetButtons(TcxEditButtons* Value) { FButtons->Assign(Value); }

void TcxCustomEditProperties::SetButtonsViewStyle(TcxEditButtonsViewStyle Value) {
  if (FButtonsViewStyle == Value) return;
  FButtonsViewStyle = Value;
  Changed();
}

void TcxCustomEditProperties::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  Changed();
}

void TcxCustomEditProperties::SetUseLeftAlignmentOnEditing(bool Value) {
  if (FUseLeftAlignmentOnEditing == Value) return;
  FUseLeftAlignmentOnEditing = Value;
  Changed();
}

TcxEditSupportedOperations TcxCustomEditProperties::GetSupportedOperations() {
  if (FButtons->Count() > 0) return {esoHotTrack};
  return {};
}

// ---- Provider-backed values --------------------------------------------------------------------------------------
template <class T>
void TcxCustomEditProperties::SetAssignedValue(bool& AFlag, T& AField, const T& AValue) {
  if (AFlag && AField == AValue) return;
  AFlag = true;
  AField = AValue;
  Changed();
}

bool TcxCustomEditProperties::GetReadOnly() {
  if (FAssignedValues->FReadOnly) return FReadOnly;
  return FIDefaultValuesProvider && FIDefaultValuesProvider->DefaultReadOnly();
}

void TcxCustomEditProperties::SetReadOnly(bool Value) { SetAssignedValue(FAssignedValues->FReadOnly, FReadOnly, Value); }

double TcxCustomEditProperties::GetMaxValue() {
  if (FAssignedValues->FMaxValue) return FMaxValue;
  return FIDefaultValuesProvider ? FIDefaultValuesProvider->DefaultMaxValue() : 0;
}

void TcxCustomEditProperties::SetMaxValue(double Value) { SetAssignedValue(FAssignedValues->FMaxValue, FMaxValue, Value); }

double TcxCustomEditProperties::GetMinValue() {
  if (FAssignedValues->FMinValue) return FMinValue;
  return FIDefaultValuesProvider ? FIDefaultValuesProvider->DefaultMinValue() : 0;
}

void TcxCustomEditProperties::SetMinValue(double Value) { SetAssignedValue(FAssignedValues->FMinValue, FMinValue, Value); }

void TcxCustomEditProperties::FillMinMaxValues(double AMaxValue, double AMinValue) {
  if (FAssignedValues->FMaxValue && FAssignedValues->FMinValue && FMaxValue == AMaxValue && FMinValue == AMinValue)
    return;
  FAssignedValues->FMaxValue = FAssignedValues->FMinValue = true;
  FMaxValue = AMaxValue;
  FMinValue = AMinValue;
  Changed();
}

bool TcxCustomEditProperties::CanModify() {
  if (FAssignedValues->FReadOnly && !FReadOnly) return true;
  if (GetReadOnly()) return false;
  if (FIDefaultValuesProvider)
    return FIDefaultValuesProvider->DefaultCanModify() && FIDefaultValuesProvider->CanSetEditMode();
  return true;
}

void TcxCustomEditProperties::SetIDefaultValuesProvider(IcxEditDefaultValuesProvider* Value) {
  FIDefaultValuesProvider = Value;
  if (dynamic_cast<TcxCustomEdit*>(GetOwner())) DefaultValuesChanged();
}

void TcxCustomEditProperties::DefaultValuesProviderDestroyed() { FIDefaultValuesProvider = nullptr; }

// ---- Display formatting ----------------------------------------------------------------------------------------------
TcxDataEditValueSource TcxCustomEditProperties::GetValueEditorEditValueSource(bool AEditFocused) {
  if (AEditFocused || !GetDisplayFormatOptions().Contains(dfoSupports) || !FIDefaultValuesProvider) return evsValue;
  const bool currencyAccepted = !GetDisplayFormatOptions().Contains(dfoNoCurrencyValue);
  return FIDefaultValuesProvider->IsDisplayFormatDefined(currencyAccepted) ? evsText : evsValue;
}

bool TcxCustomEditProperties::IsValueEditorWithValueFormatting() {
  const TcxEditDisplayFormatOptions options = GetDisplayFormatOptions();
  return options.Contains(dfoSupports) && GetEditValueSource(true) == evsValue &&
         GetEditValueSource(false) == evsText && FIDefaultValuesProvider &&
         FIDefaultValuesProvider->IsDisplayFormatDefined(!options.Contains(dfoNoCurrencyValue));
}

void TcxCustomEditProperties::PrepareDisplayValue(const TcxEditValue& AEditValue, TcxEditValue& DisplayValue,
                                                  bool) {
  DisplayValue = AEditValue;
}

bool TcxCustomEditProperties::CompareDisplayValues(const TcxEditValue& AEditValue1, const TcxEditValue& AEditValue2) {
  TcxEditValue displayValue1, displayValue2;
  PrepareDisplayValue(AEditValue1, displayValue1, false);
  PrepareDisplayValue(AEditValue2, displayValue2, false);
  return VarEquals(displayValue1, displayValue2);
}

// ---- Validation -----------------------------------------------------------------------------------------------------
String TcxCustomEditProperties::GetValidateErrorText(TcxEditErrorKind) {
  return cxGetResourceString(&cxSEditValidateErrorText);
}

void TcxCustomEditProperties::ValidateDisplayValue(TcxEditValue& ADisplayValue, String& AErrorText, bool& AError,
                                                   TcxCustomEdit* AEdit) {
  if (!CanValidate()) return;
  if (AErrorText.empty()) AErrorText = GetValidateErrorText(ekDefault);
  bool isUserErrorDisplayValue;
  DoValidate(ADisplayValue, AErrorText, AError, AEdit, isUserErrorDisplayValue);
}

void TcxCustomEditProperties::DoValidate(TcxEditValue& ADisplayValue, String& AErrorText, bool& AError,
                                        TcxCustomEdit* AEdit, bool& AIsUserErrorDisplayValue) {
  AIsUserErrorDisplayValue = false;
  if (!AEdit || !AEdit->IsOnValidateEventAssigned()) return;
  const TcxEditValue previous = ADisplayValue;
  AEdit->DoOnValidate(ADisplayValue, AErrorText, AError);
  if (!AError) return;
  if (InternalCompareString(VarToStr(previous), VarToStr(ADisplayValue), true))
    ADisplayValue = AEdit->GetDisplayValue();
  else
    AIsUserErrorDisplayValue = true;
}

// ---- Sizes ---------------------------------------------------------------------------------------------------------------
TSize TcxCustomEditProperties::GetEditConstantPartSize(TcxCanvas* ACanvas, TcxCustomEditStyle* AEditStyle,
                                                       bool AIsInplace,
                                                       const TcxEditSizeProperties& AEditSizeProperties,
                                                       TSize& MinContentSize, TcxCustomEditViewInfo* AViewInfo) {
  TOwnedPtr<TcxCustomEditViewData> viewData(CreateViewData(AEditStyle, AIsInplace, false));
  return viewData->GetEditConstantPartSize(ACanvas, AEditSizeProperties, MinContentSize, AViewInfo);
}

TSize TcxCustomEditProperties::GetEditContentSize(TcxCanvas* ACanvas, TcxCustomEditStyle* AEditStyle,
                                                  bool AIsInplace, const TcxEditValue& AEditValue,
                                                  const TcxEditSizeProperties& AEditSizeProperties) {
  TOwnedPtr<TcxCustomEditViewData> viewData(CreateViewData(AEditStyle, AIsInplace, false));
  return viewData->GetEditContentSize(ACanvas, AEditValue, AEditSizeProperties);
}

TSize TcxCustomEditProperties::GetEditSize(TcxCanvas* ACanvas, TcxCustomEditStyle* AEditStyle, bool AIsInplace,
                                           const TcxEditValue& AEditValue,
                                           const TcxEditSizeProperties& AEditSizeProperties,
                                           TcxCustomEditViewInfo* AViewInfo) {
  TOwnedPtr<TcxCustomEditViewData> viewData(CreateViewData(AEditStyle, AIsInplace, false));
  return viewData->GetEditSize(ACanvas, AEditValue, AEditSizeProperties, AViewInfo);
}

}  // namespace cxEdit
