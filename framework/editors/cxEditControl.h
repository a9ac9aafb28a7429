// TcxCustomEdit, the control every editor derives from: a container that usually hosts an inner
// edit, owns the settings of its kind (or uses a repository item's), keeps the edit value in step
// with what the user sees, validates, posts through its data binding and resets, fires its change
// events under a lock, takes keys, the mouse and clipboard commands, shows its own hints for its
// buttons, sizes itself, and runs stand-alone on a form or in place inside a host.
#pragma once

#include <vector>

#include "Exceptions.h"
#include "cxContainerControl.h"
#include "cxEditDataBinding.h"
#include "cxEditProperties.h"
#include "cxEditStyles.h"
#include "cxEditViewData.h"
#include "cxEditViewInfo.h"

namespace Forms {
class THintWindow;
}
namespace cxControls {
class TcxTimer;
}

namespace cxEdit {

DECLARE_EXCEPTION(EcxEditError, Exception)
DECLARE_EXCEPTION(EcxEditValidationError, EcxEditError)

using TcxEditEditingEvent = TClosure<void(TObject* Sender, bool& CanEdit)>;
using TcxEditAfterKeyDownEvent = TClosure<void(TObject* Sender, Word& Key, TShiftState Shift)>;

// What an editor knows of its inner control.
class IcxCustomInnerEdit : public virtual IcxContainerInnerControl {
  DECLARE_INTERFACE_GUID(IcxCustomInnerEdit, "{468D21B5-48AA-4077-8ED5-4C6112D460B1}")
 public:
  virtual LRESULT CallDefWndProc(UINT AMsg, WPARAM WParam, LPARAM LParam) = 0;
  virtual TcxEditValue GetEditValue() = 0;
  virtual TNotifyEvent GetOnChange() = 0;
  virtual bool GetReadOnly() = 0;
  virtual void LockBounds(bool ALock) = 0;
  virtual void SafelySetFocus() = 0;
  virtual void SetEditValue(const TcxEditValue& Value) = 0;
  virtual void SetParent(TWinControl* Value) = 0;
  virtual void SetOnChange(TNotifyEvent Value) = 0;
  virtual void SetReadOnly(bool Value) = 0;
};

// An inner control reached through a helper object.
class IcxInnerEditHelper : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IcxInnerEditHelper, "{35667555-6DC8-40D5-B705-B08D5697C621}")
 public:
  virtual IcxCustomInnerEdit* GetHelper() = 0;
};

class TcxCustomEdit : public TcxContainer, public IdxSkinSupport, public IcxEditRepositoryItemListener {
  DECLARE_CLASS(TcxCustomEdit, TcxContainer)
 public:
  explicit TcxCustomEdit(TComponent* AOwner = nullptr, bool AIsInplace = false)
      : TcxContainer(AOwner), FIsInplace(AIsInplace) {}
  // Virtual construction from a class reference: an editor of AClass owned by AOwner.
  static TcxCustomEdit* Create(TClass AClass, TComponent* AOwner, bool AIsInplace);

  // ---- The kind's classes (class operations)
  virtual TClass GetPropertiesClass();
  virtual bool IsEditClass() { return false; }

  // ---- Public operations
  virtual void Activate(TcxCustomEditData*& AEditData);
  virtual void ActivateByKey(char Key, TcxCustomEditData*& AEditData);
  virtual void ActivateByMouse(TShiftState Shift, Integer X, Integer Y, TcxCustomEditData*& AEditData);
  virtual void Clear() { SetEditValue(GetClearValue()); }
  virtual void CopyToClipboard() {}
  virtual void CutToClipboard() {}
  virtual void PasteFromClipboard() {}
  virtual void SelectAll() {}
  // Validates; true when the value was valid (the editor is then validated again).
  virtual bool Deactivate();
  virtual bool IsChildWindow(HWND AWnd);
  virtual bool IsRepositoryItemAcceptable(TcxEditRepositoryItem* ARepositoryItem, bool AIsInplace);
  virtual void PrepareEditValue(const TcxEditValue& ADisplayValue, TcxEditValue& EditValue, bool AEditFocused) {}
  bool IsInplace() override { return FIsInplace; }

  // ---- Values
  virtual TcxEditValue GetEditValue() { return FEditValue; }
  virtual void SetEditValue(const TcxEditValue& Value);
  TcxEditValue GetEditingValue();
  bool GetModifiedAfterEnter() const { return FModifiedAfterEnter; }
  bool GetModified() const { return FModified; }
  bool IsValidated() const { return FValidated; }
  void PostEditValue();
  bool ValidateEdit(bool ARaiseExceptionOnError);
  void Reset();
  void LockChangeEvents(bool ALock, bool AInvokeChangedOnUnlock = true);
  bool AreChangeEventsLocked() const;
  void LockClick(bool ALock);
  void LockEditValueChanging(bool ALock);
  void DisableValidate() { ++FValidationDisabledCount; }
  void EnableValidate() { --FValidationDisabledCount; }
  void SaveModified();
  void RestoreModified();
  void SetModified(bool Value);
  void SetModifiedAfterEnter(bool Value);
  // Focused, unless the value conversion of the kind does not depend on the focus.
  bool InternalFocused();
  bool CanPostEditValue();

  // ---- Settings, styles, binding
  TcxCustomEditProperties* GetActiveProperties();
  TcxCustomEditProperties* GetProperties() const { return FProperties; }
  void SetProperties(TcxCustomEditProperties* Value);
  TcxEditRepositoryItem* GetRepositoryItem() const { return FRepositoryItem; }
  void SetRepositoryItem(TcxEditRepositoryItem* Value);
  TcxEditDataBinding* GetDataBinding() const { return FDataBinding; }
  void SetDataBinding(TcxEditDataBinding* Value) { FDataBinding->Assign(Value); }
  TcxCustomEditViewInfo* GetViewInfo() const { return static_cast<TcxCustomEditViewInfo*>(TcxContainer::GetViewInfo()); }
  TcxCustomEditStyle* GetEditActiveStyle() { return static_cast<TcxCustomEditStyle*>(GetActiveStyle()); }
  TcxEditStyle* GetStyle() const { return static_cast<TcxEditStyle*>(TcxContainer::GetStyle()); }
  TcxEditStyle* GetStyleDisabled() const { return static_cast<TcxEditStyle*>(TcxContainer::GetStyleDisabled()); }
  TcxEditStyle* GetStyleFocused() const { return static_cast<TcxEditStyle*>(TcxContainer::GetStyleFocused()); }
  TcxEditStyle* GetStyleHot() const { return static_cast<TcxEditStyle*>(TcxContainer::GetStyleHot()); }
  void SetStyle(TcxEditStyle* Value) { SetInternalStyle(csNormal, Value); }
  void SetStyleDisabled(TcxEditStyle* Value) { SetInternalStyle(csDisabled, Value); }
  void SetStyleFocused(TcxEditStyle* Value) { SetInternalStyle(csActive, Value); }
  void SetStyleHot(TcxEditStyle* Value) { SetInternalStyle(csHotTrack, Value); }
  bool GetAutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value) { SetEditAutoSize(Value); }
  bool GetBeepOnEnter() const { return FBeepOnEnter; }
  void SetBeepOnEnter(bool Value) { FBeepOnEnter = Value; }
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  IcxCustomInnerEdit* GetInnerEdit() const { return FInnerEdit; }
  TcxCustomEditData* GetEditData() const { return FEditData; }
  Integer GetHeight();
  // The editor learns that the host cleared its edit data.
  void DoClearEditData(TcxCustomEditData* AEditData);
  void DoClosePopup(TcxEditCloseUpReason AReason);
  bool IsOnChangeEventAssigned();
  bool IsOnEditValueChangedEventAssigned();
  bool IsOnValidateEventAssigned();
  // Fires the own settings' OnValidate, then the repository item's.
  void DoOnValidate(TcxEditValue& ADisplayValue, String& AErrorText, bool& AError);
  // The editor's hint area at the pointer (a button's index, the body or none).
  Integer GetHintAreaIndex();
  Forms::THintWindow* GetHintWindow() const { return FHintWindow; }
  // The visible index of the button at P (client coordinates); -1 when none.
  Integer ButtonVisibleIndexAt(const TPoint& P);
  Integer GetCaptureButtonVisibleIndex() const { return FCaptureButtonVisibleIndex; }
  // The content parameters an in-place editor draws with.
  const TcxEditContentParams& GetInplaceContentParams() const { return FInplaceContentParams; }

  // IcxEditRepositoryItemListener.
  void ItemRemoved(TcxEditRepositoryItem* Sender) override;
  void PropertiesChanged(TcxEditRepositoryItem* Sender) override;

  // ---- Events
  TcxEditEditingEvent OnEditing;
  TcxEditAfterKeyDownEvent OnAfterKeyDown;
  TNotifyEvent OnPostEditValue;
  TcxEditEditingEvent GetOnEditing() const { return OnEditing; }
  void SetOnEditing(TcxEditEditingEvent Value) { OnEditing = Value; }

  void SetName(const String& Value) override;
  void SetParent(TWinControl* AParent) override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  void GetTabOrderList(std::vector<TWinControl*>& List) override;
  bool ExecuteAction(ActnList::TBasicAction* Action) override;
  bool UpdateAction(ActnList::TBasicAction* Action) override;

 protected:
  friend class TcxEditDataBinding;
  friend class TcxEditChangeEventsCatcher;
  friend class TcxCustomEditData;
  friend class TcxInplaceEditList;
  friend class TcxCustomEditProperties;
  friend class TcxCustomEditViewData;
  friend class TcxCustomEditViewInfo;

  // ---- Life and streaming
  void Construct() override;
  void Destroy() override;
  void DefineProperties(Filer::TFiler* Filer) override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void ReadState(Filer::TReader* Reader) override;
  bool CanResize(Integer& NewWidth, Integer& NewHeight) override;
  void CreateHandle() override;
  void Paint() override;

  // ---- Container operations taken over
  bool CanContainerHandleTabs() override { return false; }
  TRect GetBorderExtent() override;
  TClass GetStyleClass() override;
  TClass GetViewInfoClass() override;
  TcxContainerStyleValues InternalGetNotPublishedStyleValues() override;
  bool IsTransparentBackground() override { return IsNativeBackground() || IsTransparent(); }
  bool RefreshContainer(const TPoint& P, TcxMouseButton Button, TShiftState Shift, bool AIsMouseEvent) override;
  void SetSize() override;
  bool IsNativeStyle() override;
  void SafeSelectionFocusInnerControl() override;

  // ---- Input handlers taken over
  void Click() override;
  void DblClick() override;
  void DoEnter() override;
  void DoExit() override;
  void FocusChanged() override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseLeave(TControl* AControl) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void RequestAlign() override;
  using TcxContainer::MouseLeave;

  // ---- Overridable operations introduced here
  virtual bool IsRightBoundFixed() { return false; }
  virtual void AdjustInnerEditPosition();
  virtual void AfterPosting() { FPostingNow = false; }
  virtual void BeforePosting() { FPostingNow = true; }
  virtual bool CanAutoSize() { return !IsInplace() && FAutoSize; }
  virtual bool CanAutoWidth();
  virtual bool CanKeyDownModifyEdit(Word Key, TShiftState Shift) { return false; }
  virtual bool CanKeyPressModifyEdit(char Key) { return false; }
  virtual bool CanModify();
  virtual void ChangeHandler(TObject* Sender);
  virtual IcxCustomInnerEdit* CreateInnerEdit();
  virtual TcxCustomEditViewData* CreateViewData();
  virtual void DefaultButtonClick();
  virtual void DoButtonClick(Integer AButtonVisibleIndex);
  virtual void DoButtonDown(Integer AButtonVisibleIndex) {}
  virtual void DoButtonUp(Integer AButtonVisibleIndex) {}
  virtual void DoEditKeyDown(Word& Key, TShiftState Shift);
  virtual void DoEditKeyPress(char& Key);
  virtual void DoEditKeyUp(Word& Key, TShiftState Shift) {}
  virtual void DoEditProcessTab(TShiftState Shift) {}
  virtual void DoFocusChanged();
  // The focus state that DoFocusChanged follows: the editor focused while the application is active.
  bool IsEditFocused() const { return FFocused; }
  virtual void DoOnChange();
  virtual void DoOnEditValueChanged();
  virtual void DoShowEdit();
  virtual void EditingChanged() {}
  virtual void FillSizeProperties(TcxEditSizeProperties& AEditSizeProperties);
  virtual TcxEditValue GetClearValue() { return Null(); }
  virtual TClass GetDataBindingClass();
  virtual TcxEditValue GetDisplayValue() { return ""; }
  virtual TClass GetEditDataClass() { return nullptr; }
  virtual TClass GetInnerEditClass() { return nullptr; }
  virtual void HandleValidationError(const String& AErrorText, bool ACanAbortExecution);
  virtual void Initialize();
  virtual void InitializeEditData() {}
  virtual void InitializeInnerEdit();
  virtual void InitializeViewData(TcxCustomEditViewData* AViewData);
  virtual bool InternalDoEditing() { return true; }
  virtual TcxEditValue InternalGetEditingValue() { return GetEditValue(); }
  virtual void InternalSetDisplayValue(const TcxEditValue& Value) {}
  virtual void InternalSetEditValue(const TcxEditValue& Value, bool AValidateEditValue);
  virtual void InternalValidateDisplayValue(const TcxEditValue& ADisplayValue);
  virtual bool IsActiveControl();
  virtual bool IsButtonDC(HDC ADC) { return false; }
  virtual bool IsClickEnabledDuringLoading() { return false; }
  virtual bool IsDBEditPaintCopyDrawing();
  virtual bool IsEditorKey(Word Key, TShiftState Shift);
  virtual bool IsEditValueStored() { return !VarIsNull(FEditValue); }
  virtual bool IsNativeBackground() { return false; }
  virtual bool IsTransparent() { return !IsInplace() && FTransparent; }
  virtual bool IsValidChar(char AChar);
  virtual bool NeedsInvokeAfterKeyDown(Word Key, TShiftState Shift) { return false; }
  virtual void PaintCopyDraw();
  virtual void PrepareDisplayValue(const TcxEditValue& AEditValue, TcxEditValue& DisplayValue, bool AEditFocused);
  virtual void ProcessViewInfoChanges(TcxContainerViewInfo* APrevViewInfo, bool AIsMouseDownUpEvent);
  virtual void PropertiesChanged(TObject* Sender);
  virtual bool RealReadOnly();
  virtual void RepositoryItemAssigned() {}
  virtual void RepositoryItemAssigning() {}
  virtual void ResetEditValue();
  virtual bool SendActivationKey(char Key) { return true; }
  virtual void SetDisplayText(const String& Value) {}
  virtual void SetEditAutoSize(bool Value);
  virtual void SetInternalEditValue(const TcxEditValue& Value);
  virtual void SetInternalDisplayValue(const TcxEditValue& Value) {}
  virtual void SynchronizeDisplayValue() {}
  virtual void SynchronizeEditValue() {}
  virtual bool TabsNeeded() { return IsInplace(); }
  virtual bool UpdateContentOnFocusChanging() { return true; }
  virtual void UpdateDrawValue() {}
  virtual bool ValidateKeyDown(Word& Key, TShiftState Shift);
  virtual bool ValidateKeyPress(char& Key);
  virtual bool WantNavigationKeys() { return false; }
  virtual void LockedInnerEditWindowProc(TMessage& Message);
  virtual void LockInnerEditRepainting();
  virtual void UnlockInnerEditRepainting();

  // ---- Helpers of the design
  bool DoEditing();
  void DoChange();
  void DoEditValueChanged();
  void DoAfterKeyDown(Word& Key, TShiftState Shift);
  void DoClick();
  void DoHideEdit(bool AExit);
  void InternalPostEditValue(bool AValidateEdit);
  bool IsResetEditClass();
  bool IsSpecialKey(Word Key, TShiftState Shift);
  bool HandleMouseWheel(TShiftState Shift);
  Integer GetDefaultButtonVisibleIndex();
  bool CheckButtonShortCuts(char AKey);
  void CalculateViewInfo(bool AIsMouseEvent);
  void CalculateViewInfo(const TPoint& P, TcxMouseButton Button, TShiftState Shift, bool AIsMouseEvent);
  void CheckHandle();
  void UpdateInnerEditReadOnly();
  bool InternalCanResize(Integer& NewWidth, Integer& NewHeight);
  bool IsUserAction() const { return FUserAction; }
  void SetUserAction(bool Value) { FUserAction = Value; }
  bool IsPropertiesChangesLocked();
  void InitContentParams();

  // ---- Hints
  void UpdateHintByMouse();
  void CheckHideHint();
  void ClearStateHint(bool AClearAreas);
  void HideHint(bool AForce);
  void ActivateHint();
  bool HintShow();
  bool HintRelevant();
  String GetHintText();
  TRect GetHintTextRect();
  virtual TClass GetHintWindowClass();
  void StartHintShowTimer(Integer ADelay);
  void StartHintHideTimer();
  void StartHintCheckTimer();
  void StopHintShowTimer();
  void StopHintHideTimer();
  void StopHintCheckTimer();

  TcxEditValue FEditValue;
  TcxEditValue FPrevEditValue;
  bool FModified = false;
  bool FModifiedAfterEnter = false;
  bool FValidated = false;
  bool FIsEditValidating = false;
  bool FPostingNow = false;

 private:
  struct TcxSavedModified {
    bool Modified;
    bool ModifiedAfterEnter;
  };
  // Fires a change event, or notes it while the change events are held back.
  void FireChangeEvent(bool& APending, void (TcxCustomEdit::*AFire)());
  void DoubleClickTimerHandler(TObject* Sender);
  void HintShowTimerHandler(TObject* Sender);
  void HintHideTimerHandler(TObject* Sender);
  void HintCheckTimerHandler(TObject* Sender);
  void OwnPropertiesChanged(TObject* Sender) { PropertiesChanged(Sender); }
  void DetachPropertiesChangeHandler();
  void AttachPropertiesChangeHandler();
  void ReadHeight(Filer::TReader* Reader);
  void WriteHeight(Filer::TWriter* Writer);
  void ReadWidth(Filer::TReader* Reader);
  void WriteWidth(Filer::TWriter* Writer);
  void WMCopy(TMessage& Message);
  void WMCut(TMessage& Message);
  void WMPaste(TMessage& Message);
  void CMDialogChar(TMessage& Message);
  void CMShowingChanged(TMessage& Message);
  void CMHintShow(TMessage& Message);

  bool FIsInplace;
  TcxCustomEditProperties* FProperties = nullptr;
  TcxEditDataBinding* FDataBinding = nullptr;
  TcxEditChangeEventsCatcher* FChangeEventsCatcher = nullptr;
  TcxCustomEditData* FEditData = nullptr;
  IcxCustomInnerEdit* FInnerEdit = nullptr;
  bool FUserAction = false;
  bool FEscapeHandled = false;
  bool FFocused = false;
  bool FIsInnerFocusing = false;
  bool FIsFirstSetParent = true;
  bool FIsHandleChecking = false;
  bool FIsShadowRegionSetting = false;
  bool FEditingInProgress = false;
  bool FInnerEditRepaintingLocked = false;
  bool FViewInfoCalculated = false;
  Integer FValidationDisabledCount = 0;
  Integer FClickLockCount = 0;
  Integer FEditValueChangingLockCount = 0;
  std::vector<TcxSavedModified> FModifiedStack;
  bool FAutoSize = true;
  bool FBeepOnEnter = true;
  bool FTransparent = false;
  TcxEditRepositoryItem* FRepositoryItem = nullptr;
  Integer FCaptureButtonVisibleIndex = -1;
  TcxTimer* FDblClickTimer = nullptr;
  TcxEditContentParams FInplaceContentParams;
  bool FIsContentParamsInitialized = false;
  TWndMethod FSavedInnerEditWindowProc;
  // Hints.
  Integer FHintArea = cxEditHintAreaNone;
  Integer FPendingHintArea = cxEditHintAreaNone;
  TPoint FHintCursorPos;
  TRect FHintRect;
  Forms::THintWindow* FHintWindow = nullptr;
  TcxTimer* FHintShowTimer = nullptr;
  TcxTimer* FHintHideTimer = nullptr;
  TcxTimer* FHintCheckTimer = nullptr;
  bool FHintActivating = false;
};

using TcxCustomEditClass = TClassRef<TcxCustomEdit>;

}  // namespace cxEdit

using namespace cxEdit;
