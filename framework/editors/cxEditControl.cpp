// The editor's life, settings and repository item, values, validation, posting and resetting, change
// events, in-place activation and focus.
#include "cxEditControl.h"

#include "Forms.h"
#include "WinInput.h"
#include "WinUser.h"
#include "cxClassesResStrings.h"
#include "cxContainerUtils.h"
#include "cxControlsInternal.h"
#include "cxControlsScrollBars.h"
#include "cxControlsTimer.h"
#include "cxEditConsts.h"
#include "cxEditInternal.h"

namespace cxEdit {

IMPLEMENT_CLASS_PUBLISHED(TcxCustomEdit) {
  // The size is written as extra entries, only where the editor cannot size itself.
  d.Property("Width", &TcxCustomEdit::GetWidth, &TcxCustomEdit::SetWidth).Stored(false);
  d.Property("Height", &TcxCustomEdit::GetHeight, &TcxCustomEdit::SetHeight).Stored(false);
}

TcxCustomEdit* TcxCustomEdit::Create(TClass AClass, TComponent* AOwner, bool AIsInplace) {
  if (!AIsInplace) {
    if (!AClass || !AClass->InheritsFrom(StaticClass())) RaiseInvalidCast();
    return static_cast<TcxCustomEdit*>(CreateComponent(AClass, AOwner));
  }
  TcxCustomEdit* edit = CreateInstanceOf<TcxCustomEdit>(AClass, [](TcxCustomEdit* AEdit) { AEdit->FIsInplace = true; });
  if (AOwner) AOwner->InsertComponent(edit);
  return edit;
}

// ---- Life -------------------------------------------------------------------------------------------------------
void TcxCustomEdit::Construct() {
  inherited::Construct();
  FIsCreating = true;
  {
    TFinally done([this] { FIsCreating = false; });
    Initialize();
  }
  if (HandleAllocated()) ShortRefreshContainer(false);
}

namespace {

void IncludeReplicatable(TControl* AControl) {
  AControl->ControlStyle.Include(csReplicatable);
  if (auto* winControl = dynamic_cast<TWinControl*>(AControl))
    for (Integer i = 0; i < winControl->ControlCount(); ++i) IncludeReplicatable(winControl->Controls(i));
}

}  // namespace

void TcxCustomEdit::Initialize() {
  FChangeEventsCatcher = New<TcxEditChangeEventsCatcher>(this);
  FProperties = TcxCustomEditProperties::Create(GetPropertiesClass(), this);
  InitContentParams();
  ControlStyle.Include(csCaptureMouse).Include(csSetCaption);
  SetTabStop(true);
  FInnerEdit = CreateInnerEdit();
  if (FInnerEdit) {
    InitializeInnerEdit();
    SetInnerControl(FInnerEdit->GetControl());
  }
  IncludeReplicatable(this);
  if (NeedsScrollBars()) {
    for (TControl* control :
         std::initializer_list<TControl*>{GetHScrollBar(), GetVScrollBar(), GetSizeGrip()})
      if (control) control->ControlStyle.Include(csReplicatable);
  }
  FDataBinding = TcxEditDataBinding::Create(GetDataBindingClass(), this);
  FAutoSize = !IsInplace();
  FCaptureButtonVisibleIndex = -1;
  FEditValue = Null();
  FValidationDisabledCount = 0;
  AttachPropertiesChangeHandler();
  if (IsInplace()) {
    TcxKeys keys = GetKeys();
    keys.Include(kAll).Include(kArrows);
    if (!GetInnerEditClass()) keys.Include(kTab);
    SetKeys(keys);
  }
  FDblClickTimer = New<TcxTimer>(nullptr);
  FDblClickTimer->SetEnabled(false);
  FDblClickTimer->SetInterval(GetDblClickInterval());
  FDblClickTimer->SetOnTimer(TNotifyEvent(this, &TcxCustomEdit::DoubleClickTimerHandler));
  if (!IsInplace()) FProperties->FIDefaultValuesProvider = FDataBinding->GetIDefaultValuesProvider();
  GetViewInfo()->Edit = this;
  FIsFirstSetParent = true;
  FHintArea = FPendingHintArea = cxEditHintAreaNone;
}

void TcxCustomEdit::Destroy() {
  FreeAndNil(FDblClickTimer);
  if (FRepositoryItem) FRepositoryItem->RemoveListener(this);
  FInnerEdit = nullptr;
  DetachPropertiesChangeHandler();
  if (!IsInplace() && FProperties) FProperties->FIDefaultValuesProvider = nullptr;
  FreeAndNil(FDataBinding);
  FModifiedStack.clear();
  FreeAndNil(FProperties);
  FreeAndNil(FChangeEventsCatcher);
  FHintArea = FPendingHintArea = cxEditHintAreaNone;
  FreeAndNil(FHintWindow);
  FreeAndNil(FHintShowTimer);
  FreeAndNil(FHintHideTimer);
  FreeAndNil(FHintCheckTimer);
  inherited::Destroy();
}

void TcxCustomEdit::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FRepositoryItem) FRepositoryItem = nullptr;
}

TClass TcxCustomEdit::GetPropertiesClass() { return TcxCustomEditProperties::StaticClass(); }
TClass TcxCustomEdit::GetDataBindingClass() { return TcxEditDataBinding::StaticClass(); }

// The container asks for its style and view-info classes while it is made, before the settings
// exist: the settings class answers as a class.
TClass TcxCustomEdit::GetStyleClass() { return TcxCustomEditPropertiesClass(GetPropertiesClass())->GetStyleClass(); }
TClass TcxCustomEdit::GetViewInfoClass() {
  return TcxCustomEditPropertiesClass(GetPropertiesClass())->GetViewInfoClass();
}

TcxContainerStyleValues TcxCustomEdit::InternalGetNotPublishedStyleValues() {
  return {svButtonStyle, svButtonTransparency, svPopupBorderStyle, svGradientButtons, svGradient, svGradientDirection};
}

bool TcxCustomEdit::IsNativeStyle() {
  TClass viewDataClass = TcxCustomEditPropertiesClass(GetPropertiesClass())->GetViewDataClass();
  return TcxCustomEditViewDataClass(viewDataClass)->IsNativeStyle(GetStyle()->GetLookAndFeel());
}

IcxCustomInnerEdit* TcxCustomEdit::CreateInnerEdit() {
  TClass innerEditClass = GetInnerEditClass();
  if (!innerEditClass) return nullptr;
  TComponent* control = CreateComponent(innerEditClass, this);
  if (auto* helper = Supports<IcxInnerEditHelper>(control)) return helper->GetHelper();
  return Supports<IcxCustomInnerEdit>(control);
}

void TcxCustomEdit::InitializeInnerEdit() {
  FInnerEdit->SetParent(this);
  if (GetActiveProperties()->HasDisplayValue()) FInnerEdit->SetOnChange(TNotifyEvent(this, &TcxCustomEdit::ChangeHandler));
  FInnerEdit->GetControl()->SetParentShowHint(false);
}

void TcxCustomEdit::InitContentParams() {
  TOwnedPtr<TcxCustomEditViewData> viewData(FProperties->CreateViewData(GetStyle(), IsInplace()));
  viewData->InitEditContentParams(FInplaceContentParams);
  FIsContentParamsInitialized = true;
}

bool TcxCustomEdit::IsPropertiesChangesLocked() { return IsDestroying() || (GetInnerEditClass() && !FInnerEdit); }

void TcxCustomEdit::AttachPropertiesChangeHandler() {
  if (FProperties) FProperties->OnPropertiesChanged = TNotifyEvent(this, &TcxCustomEdit::OwnPropertiesChanged);
}

void TcxCustomEdit::DetachPropertiesChangeHandler() {
  if (FProperties) FProperties->OnPropertiesChanged = TNotifyEvent();
}

// ---- Settings and repository item ----------------------------------------------------------------------------------
TcxCustomEditProperties* TcxCustomEdit::GetActiveProperties() {
  if (!FRepositoryItem) return FProperties;
  TcxCustomEditProperties* properties = FRepositoryItem->GetProperties();
  properties->FIDefaultValuesProvider = FDataBinding ? FDataBinding->GetIDefaultValuesProvider() : nullptr;
  return properties;
}

void TcxCustomEdit::SetProperties(TcxCustomEditProperties* Value) { FProperties->Assign(Value); }

bool TcxCustomEdit::IsRepositoryItemAcceptable(TcxEditRepositoryItem* ARepositoryItem, bool) {
  return !ARepositoryItem || ARepositoryItem->GetProperties()->InheritsFrom(GetPropertiesClass());
}

void TcxCustomEdit::SetRepositoryItem(TcxEditRepositoryItem* Value) {
  if (Value == FRepositoryItem) return;
  if (Value && !IsRepositoryItemAcceptable(Value, IsInplace()))
    throw EcxEditError(cxGetResourceString(&cxSEditInvalidRepositoryItem));
  RepositoryItemAssigning();
  if (FRepositoryItem) {
    FRepositoryItem->RemoveListener(this);
    FRepositoryItem->RemoveFreeNotification(this);
  }
  FRepositoryItem = Value;
  if (FRepositoryItem) {
    FRepositoryItem->AddListener(this);
    FRepositoryItem->FreeNotification(this);
    FProperties->FIDefaultValuesProvider = nullptr;
    PropertiesChanged(GetActiveProperties());
    DetachPropertiesChangeHandler();
  } else {
    if (!IsLoading() && !IsDestroying()) AttachPropertiesChangeHandler();
    FProperties->FIDefaultValuesProvider = FDataBinding->GetIDefaultValuesProvider();
  }
  RepositoryItemAssigned();
}

void TcxCustomEdit::ItemRemoved(TcxEditRepositoryItem* Sender) {
  if (Sender == FRepositoryItem) SetRepositoryItem(nullptr);
}

void TcxCustomEdit::PropertiesChanged(TcxEditRepositoryItem*) {
  if (!IsLoading() && !IsDestroying()) PropertiesChanged(GetActiveProperties());
}

void TcxCustomEdit::PropertiesChanged(TObject*) {
  FValidated = false;
  UpdateInnerEditReadOnly();
  if (FModifiedAfterEnter && RealReadOnly()) FModifiedAfterEnter = false;
  if (GetActiveProperties()->GetTransparent()) SetTransparent(true);
  ShortRefreshContainer(false);
}

bool TcxCustomEdit::RealReadOnly() {
  return GetActiveProperties()->GetReadOnly() || !FDataBinding->GetIsDataAvailable();
}

void TcxCustomEdit::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  ShortRefreshContainer(false);
}

bool TcxCustomEdit::InternalFocused() {
  if (!GetActiveProperties()->IsEditValueConversionDependOnFocused()) return true;
  return Focused();
}

// ---- Values ---------------------------------------------------------------------------------------------------------
void TcxCustomEdit::SetEditValue(const TcxEditValue& Value) {
  if (FEditValueChangingLockCount > 0) return;
  LockClick(true);
  TFinally unlock([this] { LockClick(false); });
  if (!FUserAction || DoEditing()) InternalSetEditValue(Value, true);
}

void TcxCustomEdit::SetInternalEditValue(const TcxEditValue& Value) {
  if (FEditValueChangingLockCount > 0) return;
  if (!FUserAction || DoEditing()) InternalSetEditValue(Value, true);
}

void TcxCustomEdit::InternalSetEditValue(const TcxEditValue& Value, bool) {
  if (FUserAction && !DoEditing()) return;
  const bool changed = GetActiveProperties()->CanCompareEditValue() && !cxEditVarEquals(Value, FEditValue);
  FEditValue = Value;
  SynchronizeDisplayValue();
  if (FUserAction)
    SetModifiedAfterEnter(true);
  else
    SetModified(false);
  if (!changed) return;
  DoEditValueChanged();
  if (!GetActiveProperties()->HasDisplayValue()) DoChange();
}

TcxEditValue TcxCustomEdit::GetEditingValue() {
  if (Focused() && !FValidated && FModifiedAfterEnter) return InternalGetEditingValue();
  return GetEditValue();
}

void TcxCustomEdit::PrepareDisplayValue(const TcxEditValue& AEditValue, TcxEditValue& DisplayValue, bool AEditFocused) {
  GetActiveProperties()->PrepareDisplayValue(AEditValue, DisplayValue, AEditFocused);
}

void TcxCustomEdit::SetModified(bool Value) {
  FModified = Value;
  if (!Value) FModifiedAfterEnter = false;
}

void TcxCustomEdit::SetModifiedAfterEnter(bool Value) {
  FModifiedAfterEnter = Value;
  if (Value) {
    FValidated = false;
    FModified = true;
  }
}

void TcxCustomEdit::SaveModified() { FModifiedStack.push_back({FModified, FModifiedAfterEnter}); }

void TcxCustomEdit::RestoreModified() {
  if (FModifiedStack.empty()) return;
  FModified = FModifiedStack.back().Modified;
  FModifiedAfterEnter = FModifiedStack.back().ModifiedAfterEnter;
  FModifiedStack.pop_back();
}

void TcxCustomEdit::LockClick(bool ALock) {
  if (ALock)
    ++FClickLockCount;
  else if (FClickLockCount > 0)
    --FClickLockCount;
}

void TcxCustomEdit::LockEditValueChanging(bool ALock) {
  if (ALock)
    ++FEditValueChangingLockCount;
  else if (FEditValueChangingLockCount > 0)
    --FEditValueChangingLockCount;
}

// ---- Editing permission ------------------------------------------------------------------------------------------------
bool TcxCustomEdit::CanModify() {
  if (IsInplace()) return GetActiveProperties()->CanModify();
  TcxCustomEditProperties* properties = GetActiveProperties();
  if (properties->GetAssignedValues()->GetReadOnly()) return !properties->GetReadOnly();
  IcxEditDefaultValuesProvider* provider = FDataBinding->GetIDefaultValuesProvider();
  return provider->DefaultCanModify() && provider->CanSetEditMode();
}

bool TcxCustomEdit::DoEditing() {
  if (!InternalDoEditing()) return false;
  if (FDataBinding->GetModified()) return true;
  if (!CanModify()) return false;
  FEditingInProgress = true;
  TFinally done([this] { FEditingInProgress = false; });
  bool canEdit = true;
  if (IsInplace()) {
    LockEditValueChanging(true);
    TFinally unlock([this] { LockEditValueChanging(false); });
    if (OnEditing) OnEditing(this, canEdit);
    return canEdit;
  }
  const bool editing = FDataBinding->GetEditing();
  if (OnEditing) OnEditing(this, canEdit);
  if (editing) {
    if (canEdit) FDataBinding->SetModified();
  } else if (canEdit) {
    LockEditValueChanging(true);
    TFinally unlock([this] { LockEditValueChanging(false); });
    canEdit = FDataBinding->SetEditMode();
  }
  return canEdit;
}

// ---- Validation ------------------------------------------------------------------------------------------------------------
bool TcxCustomEdit::ValidateEdit(bool ARaiseExceptionOnError) {
  if (!FModifiedAfterEnter || FValidated || FValidationDisabledCount > 0) return true;
  FIsEditValidating = true;
  TFinally done([this] { FIsEditValidating = false; });
  TcxEditValue displayValue = VarToStr(GetDisplayValue());
  bool error = false;
  String errorText;
  TcxCustomEditProperties* properties = GetActiveProperties();
  if (properties->CanValidate()) properties->ValidateDisplayValue(displayValue, errorText, error, this);
  if (error) {
    // The text shown becomes the display value the validation left, also while its error passes.
    TFinally showDisplayValue([this, &displayValue] {
      if (InternalCompareString(VarToStr(GetDisplayValue()), VarToStr(displayValue), true)) return;
      SetInternalDisplayValue(displayValue);
      if (GetVisible()) {
        SelectAll();
        if (!IsEditClass()) UpdateDrawValue();
      }
    });
    if (ARaiseExceptionOnError) HandleValidationError(errorText, true);
    return false;
  }
  if (!FUserAction || DoEditing()) InternalValidateDisplayValue(displayValue);
  if (!IsInplace() && !Focused()) FModifiedAfterEnter = false;
  FValidated = true;
  return true;
}

void TcxCustomEdit::HandleValidationError(const String& AErrorText, bool ACanAbortExecution) {
  // An editor that cannot take the focus stays unvalidated, so that no later post stores the value
  // just refused; one on a form that is not shown raises its error without taking the focus.
  if (CanFocus() && Showing()) {
    if (!Focused()) {
      FIsInnerFocusing = true;
      TFinally done([this] { FIsInnerFocusing = false; });
      SetFocus();
    }
    SelectAll();
  }
  if (GetActiveProperties()->GetBeepOnError()) MessageBeep(0);
  if (!AErrorText.empty()) throw EcxEditValidationError(AErrorText);
  if (ACanAbortExecution) Abort();
}

void TcxCustomEdit::InternalValidateDisplayValue(const TcxEditValue& ADisplayValue) {
  SaveModified();
  TFinally restore([this] { RestoreModified(); });
  InternalSetDisplayValue(ADisplayValue);
}

// ---- Posting and resetting ---------------------------------------------------------------------------------------------------
bool TcxCustomEdit::CanPostEditValue() { return !IsDesigning() && FDataBinding->CanPostEditorValue(); }

void TcxCustomEdit::PostEditValue() {
  if (CanPostEditValue()) return InternalPostEditValue(true);
  if (!Focused() || !DoEditing()) return;
  SetModifiedAfterEnter(true);
  FValidated = true;
  TFinally done([this] { FModifiedAfterEnter = false; });
  InternalPostEditValue(false);
}

void TcxCustomEdit::InternalPostEditValue(bool AValidateEdit) {
  if (AValidateEdit) {
    const bool userAction = FUserAction;
    FUserAction = false;
    TFinally restore([this, userAction] { FUserAction = userAction; });
    if (!ValidateEdit(true)) return;
  }
  BeforePosting();
  TFinally after([this] { AfterPosting(); });
  if (IsInplace()) {
    if (OnPostEditValue) OnPostEditValue(this);
    SetModified(false);
    return;
  }
  try {
    if (FDataBinding->GetModified()) FDataBinding->SetStoredValue(GetEditValue());
  } catch (...) {
    HandleValidationError("", false);
    throw;
  }
}

void TcxCustomEdit::Reset() { FDataBinding->Reset(); }

bool TcxCustomEdit::IsResetEditClass() {
  return FDataBinding->GetIDefaultValuesProvider()->IsDataStorage() || GetActiveProperties()->IsResetEditClass();
}

void TcxCustomEdit::ResetEditValue() {
  TcxCustomEditProperties* properties = GetActiveProperties();
  if (!FModifiedAfterEnter || !properties->IsResetEditClass()) return;
  LockChangeEvents(true);
  TFinally unlock([this] { LockChangeEvents(false); });
  FModifiedAfterEnter = false;
  const bool isDBEdit = FDataBinding->GetIDefaultValuesProvider()->IsDataStorage();
  SetInternalEditValue(isDBEdit ? FDataBinding->GetStoredValue() : FPrevEditValue);
  FModified = true;
  SelectAll();
  if (properties->GetImmediatePost() && CanPostEditValue()) InternalPostEditValue(true);
}

// ---- Change events ---------------------------------------------------------------------------------------------------------------
void TcxCustomEdit::LockChangeEvents(bool ALock, bool AInvokeChangedOnUnlock) {
  FChangeEventsCatcher->Lock(ALock, AInvokeChangedOnUnlock);
}

bool TcxCustomEdit::AreChangeEventsLocked() const { return FChangeEventsCatcher->IsLocked(); }

bool TcxCustomEdit::IsOnChangeEventAssigned() {
  return static_cast<bool>(FProperties->OnChange) || static_cast<bool>(GetActiveProperties()->OnChange);
}

bool TcxCustomEdit::IsOnEditValueChangedEventAssigned() {
  return static_cast<bool>(FProperties->OnEditValueChanged) ||
         static_cast<bool>(GetActiveProperties()->OnEditValueChanged);
}

bool TcxCustomEdit::IsOnValidateEventAssigned() {
  return static_cast<bool>(FProperties->OnValidate) || static_cast<bool>(GetActiveProperties()->OnValidate);
}

void TcxCustomEdit::DoOnChange() {
  if (FProperties->OnChange) FProperties->OnChange(this);
  if (FRepositoryItem && FRepositoryItem->GetProperties()->OnChange) FRepositoryItem->GetProperties()->OnChange(this);
}

void TcxCustomEdit::DoOnEditValueChanged() {
  if (FProperties->OnEditValueChanged) FProperties->OnEditValueChanged(this);
  if (FRepositoryItem && FRepositoryItem->GetProperties()->OnEditValueChanged)
    FRepositoryItem->GetProperties()->OnEditValueChanged(this);
}

void TcxCustomEdit::DoOnValidate(TcxEditValue& ADisplayValue, String& AErrorText, bool& AError) {
  if (FProperties->OnValidate) FProperties->OnValidate(this, ADisplayValue, AErrorText, AError);
  if (FRepositoryItem && FRepositoryItem->GetProperties()->OnValidate)
    FRepositoryItem->GetProperties()->OnValidate(this, ADisplayValue, AErrorText, AError);
}

void TcxCustomEdit::DoClosePopup(TcxEditCloseUpReason AReason) {
  if (FProperties->OnClosePopup) FProperties->OnClosePopup(this, AReason);
  if (FRepositoryItem && FRepositoryItem->GetProperties()->OnClosePopup)
    FRepositoryItem->GetProperties()->OnClosePopup(this, AReason);
}

void TcxCustomEdit::FireChangeEvent(bool& APending, void (TcxCustomEdit::*AFire)()) {
  if (AreChangeEventsLocked()) {
    APending = true;
    return;
  }
  if (!IsInplace()) return (this->*AFire)();
  // An in-place editor counts as modified while its handlers run.
  SaveModified();
  TFinally restore([this] { RestoreModified(); });
  FModified = FModifiedAfterEnter = true;
  (this->*AFire)();
}

void TcxCustomEdit::DoChange() {
  if (IsLoading() || IsDestroying()) return;
  if (IsOnChangeEventAssigned())
    FireChangeEvent(FChangeEventsCatcher->OnChangeEvent, &TcxCustomEdit::DoOnChange);
  TcxCustomEditProperties* properties = GetActiveProperties();
  if (!properties->HasDisplayValue() && !properties->CanCompareEditValue()) DoEditValueChanged();
}

void TcxCustomEdit::DoEditValueChanged() {
  if (IsLoading() || IsDestroying() || !IsOnEditValueChangedEventAssigned()) return;
  FireChangeEvent(FChangeEventsCatcher->OnEditValueChangedEvent, &TcxCustomEdit::DoOnEditValueChanged);
}

void TcxCustomEdit::ChangeHandler(TObject*) {
  if (Focused())
    SetModifiedAfterEnter(true);
  else if (!GetActiveProperties()->IsChanging())
    FDataBinding->SetModified();
  DoChange();
}

// ---- In-place activation -------------------------------------------------------------------------------------------------------
void TcxCustomEdit::Activate(TcxCustomEditData*& AEditData) {
  if (!AEditData && GetEditDataClass()) AEditData = TcxCustomEditData::Create(GetEditDataClass(), this);
  FEditData = AEditData;
  if (FEditData && FEditData->GetCleared()) {
    InitializeEditData();
    FEditData->SetCleared(false);
  }
  SetVisible(true);
  if (HandleAllocated() && CanFocus()) {
    SetFocus();
    if (GetActiveProperties()->GetAutoSelect()) SelectAll();
  }
  SynchronizeDisplayValue();
  SetModified(false);
}

void TcxCustomEdit::ActivateByKey(char Key, TcxCustomEditData*& AEditData) {
  LockInnerEditRepainting();
  TFinally unlock([this] { UnlockInnerEditRepainting(); });
  Activate(AEditData);
  if (SendActivationKey(Key)) SendMessage(GetHandle(), WM_CHAR, static_cast<unsigned char>(Key), 0);
}

void TcxCustomEdit::ActivateByMouse(TShiftState Shift, Integer X, Integer Y, TcxCustomEditData*& AEditData) {
  Activate(AEditData);
  TPoint p(X, Y);
  if (GetParent()) p = ScreenToClient(GetParent()->ClientToScreen(p));
  const LPARAM position = MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
  if (Shift.Contains(ssLeft)) {
    SendMessage(GetHandle(), WM_LBUTTONDOWN, ShiftStateToKeys(Shift), position);
    if (GetCapture() == GetHandle() && GetKeyState(VK_LBUTTON) >= 0) ReleaseCapture();
  } else {
    SendMessage(GetHandle(), WM_LBUTTONUP, ShiftStateToKeys(Shift), position);
  }
  FDblClickTimer->SetEnabled(true);
}

bool TcxCustomEdit::Deactivate() {
  FDblClickTimer->SetEnabled(false);
  FUserAction = false;
  const bool valid = ValidateEdit(true);
  if (valid) {
    SynchronizeDisplayValue();
    FValidated = true;
  }
  return valid;
}

void TcxCustomEdit::DoClearEditData(TcxCustomEditData* AEditData) {
  if (AEditData != FEditData) return;
  InitializeEditData();
  AEditData->SetCleared(false);
}

bool TcxCustomEdit::IsChildWindow(HWND AWnd) { return cxContainer::IsChildWindow(this, AWnd); }

void TcxCustomEdit::DoubleClickTimerHandler(TObject*) { FDblClickTimer->SetEnabled(false); }

// ---- Focus ------------------------------------------------------------------------------------------------------------------------
bool TcxCustomEdit::IsActiveControl() {
  if (Focused()) return true;
  TCustomForm* form = GetParentForm(this);
  if (!form) return false;
  TWinControl* active = form->GetActiveControl();
  return active == this || (FInnerEdit && active == FInnerEdit->GetControl());
}

void TcxCustomEdit::DoEnter() {
  if (IsDestroying()) return;
  if (!FIsInnerFocusing) DoShowEdit();
  ShortRefreshContainer(false);
}

void TcxCustomEdit::DoShowEdit() {
  SaveModified();
  TFinally restore([this] {
    RestoreModified();
    FModifiedAfterEnter = false;
  });
  TcxContainer::DoEnter();
  if (UpdateContentOnFocusChanging()) FDataBinding->UpdateDisplayValue();
  if (GetActiveProperties()->IsResetEditClass()) FPrevEditValue = GetEditValue();
  if (UpdateContentOnFocusChanging()) SynchronizeDisplayValue();
}

void TcxCustomEdit::DoExit() {
  const bool userAction = FUserAction;
  FUserAction = false;
  TFinally restore([this, userAction] { FUserAction = userAction; });
  DoHideEdit(true);
}

void TcxCustomEdit::DoHideEdit(bool AExit) {
  if (IsDestroying() || FIsInnerFocusing) return;
  {
    SaveModified();
    TFinally restore([this] { RestoreModified(); });
    LockChangeEvents(true);
    {
      TFinally unlock([this] { LockChangeEvents(false); });
      if (ValidateEdit(true) && !IsInplace() && CanPostEditValue()) InternalPostEditValue(false);
    }
    if (UpdateContentOnFocusChanging()) FDataBinding->UpdateDisplayValue();
    UpdateDrawValue();
    ShortRefreshContainer(false);
  }
  if (AExit) TcxContainer::DoExit();
  FModifiedAfterEnter = false;
}

void TcxCustomEdit::FocusChanged() {
  if (IsDestroying() || FIsInnerFocusing) return;
  const bool focused = Focused() && Application->Active();
  if (focused == FFocused) return;
  FFocused = focused;
  inherited::FocusChanged();
  DoFocusChanged();
}

namespace {

HWND TopLevelWindowOf(HWND AWnd) {
  while (AWnd && IsChildClassWindow(AWnd)) AWnd = GetParent(AWnd);
  return AWnd;
}

}  // namespace

void TcxCustomEdit::DoFocusChanged() {
  UpdateDrawValue();
  TCustomForm* form = GetParentForm(this);
  // A modal form that closes with a result, and a form holding nothing but this editor, do not
  // give the editor its usual exit: it validates here.
  const bool closingModal = form && !form->GetVisible() && form->FormState.Contains(fsModal) &&
                            form->ModalResult != mrNone && form->ModalResult != mrCancel;
  const bool lastControl = !FFocused && HandleAllocated() && form && GetParent() == form &&
                           form->ControlCount() == 1 && TopLevelWindowOf(GetFocus()) == TopLevelWindowOf(GetHandle());
  if (closingModal || lastControl) ValidateEdit(false);
}

}  // namespace cxEdit
