// The single-line text editor: TcxCustomTextEdit hosts a platform edit window and adds to the
// editor framework a selection interface, clipboard commands that respect the editing style and the
// maximum length, lookup items with incremental search, navigation through the lookup items, the
// synchronisation of edit value, display value and drawn text, and digit grouping while typing.
// TcxTextEdit is the published control.
#pragma once

#include "cxEditControl.h"
#include "cxTextEditInner.h"
#include "cxTextEditLookupData.h"
#include "cxTextEditProperties.h"
#include "cxTextEditViewInfo.h"

namespace cxTextEdit {

enum TcxEditScrollCause { escKeyboard, escMouseWheel };

class TcxCustomTextEdit : public TcxCustomEdit, public IcxFormatControllerListener {
  DECLARE_CLASS(TcxCustomTextEdit, TcxCustomEdit)
 public:
  explicit TcxCustomTextEdit(TComponent* AOwner = nullptr, bool AIsInplace = false) : TcxCustomEdit(AOwner, AIsInplace) {}

  // IcxFormatControllerListener.
  void FormatChanged() override;

  TClass GetPropertiesClass() override;
  TcxCustomTextEditProperties* GetActiveProperties() {
    return static_cast<TcxCustomTextEditProperties*>(TcxCustomEdit::GetActiveProperties());
  }
  TcxCustomTextEditProperties* GetProperties() const {
    return static_cast<TcxCustomTextEditProperties*>(TcxCustomEdit::GetProperties());
  }
  IcxInnerTextEdit* GetInnerTextEdit() const;
  TcxCustomTextEditLookupData* GetLookupData() const { return FLookupData; }
  bool IsEditClass() override;

  // ---- Selection and clipboard
  Integer GetSelStart();
  void SetSelStart(Integer Value);
  Integer GetSelLength();
  void SetSelLength(Integer Value);
  String GetSelText();
  virtual void SetSelText(const String& Value);
  void SetSelection(Integer AStart, Integer ALength);
  void SelectAll() override;
  virtual void ClearSelection();
  void CopyToClipboard() override;
  void CutToClipboard() override;
  void PasteFromClipboard() override;
  virtual void Undo() { Reset(); }
  void PrepareEditValue(const TcxEditValue& ADisplayValue, TcxEditValue& EditValue, bool AEditFocused) override {
    EditValue = ADisplayValue;
  }
  void Activate(TcxCustomEditData*& AEditData) override;

  // ---- Text and lookup items
  String GetText();
  void SetText(const String& Value);
  Integer GetCursorPos();
  virtual Integer GetItemIndex();
  virtual void SetItemIndex(Integer Value);
  TObject* GetItemObject();
  void SetItemObject(TObject* Value);
  bool GetFindSelection() const { return FFindSelection; }
  void SetFindSelection(bool Value);
  void SetHideInnerEdit(bool Value) { FHideInnerEdit = Value; }
  void SetShowInnerEdit(bool Value) { FShowInnerEdit = Value; }
  void LockLookupDataTextChanged() { FLookupDataTextChangedLocked = true; }
  void UnlockLookupDataTextChanged() { FLookupDataTextChangedLocked = false; }
  bool IsLookupDataTextChangedLocked() const { return FLookupDataTextChangedLocked; }
  bool GetEscapeFlag() const { return FEscapeFlag; }
  void SetEscapeFlag(bool Value) { FEscapeFlag = Value; }
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;

 protected:
  friend class TcxCustomInnerTextEdit;
  friend class TcxCustomTextEditLookupData;
  void Destroy() override;
  void Loaded() override;
  bool RefreshContainer(const TPoint& P, TcxMouseButton Button, TShiftState Shift, bool AIsMouseEvent) override;
  TcxContainerInnerControlBounds GetInnerControlBounds(const TRect& AInnerControlsRegion,
                                                       TControl* AInnerControl) override;
  void DoExit() override;
  bool DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) override;
  void KeyPress(char& Key) override;

  // ---- Base operations
  void AdjustInnerEditPosition() override;
  bool CanKeyDownModifyEdit(Word Key, TShiftState Shift) override;
  bool CanKeyPressModifyEdit(char Key) override;
  void ChangeHandler(TObject* Sender) override;
  void DoEditKeyDown(Word& Key, TShiftState Shift) override;
  void DoEditKeyPress(char& Key) override;
  void FillSizeProperties(TcxEditSizeProperties& AEditSizeProperties) override;
  TcxEditValue GetDisplayValue() override;
  TClass GetInnerEditClass() override;
  void Initialize() override;
  bool InternalDoEditing() override { return true; }
  TcxEditValue InternalGetEditingValue() override { return GetText(); }
  void InternalSetDisplayValue(const TcxEditValue& Value) override;
  void InternalValidateDisplayValue(const TcxEditValue& ADisplayValue) override;
  bool IsValidChar(char AChar) override;
  void PropertiesChanged(TObject* Sender) override;
  void SetDisplayText(const String& Value) override { InternalSetText(Value); }
  void SetInternalDisplayValue(const TcxEditValue& Value) override;
  void SynchronizeDisplayValue() override;
  void SynchronizeEditValue() override;
  void UpdateDrawValue() override;
  bool WantNavigationKeys() override { return true; }
  void LockedInnerEditWindowProc(TMessage& Message) override;
  void UnlockInnerEditRepainting() override;

  // ---- Operations introduced here
  virtual void AdjustInnerEdit();
  virtual bool CanChangeSelText(const String& Value, String& NewText, Integer& NewSelStart);
  virtual void CheckEditValue();
  virtual void CheckEditorValueBounds() {}
  virtual void DoOnNewLookupDisplayText(const String& AText);
  virtual Integer GetInnerEditHeight();
  virtual bool GetScrollLookupDataList(TcxEditScrollCause AScrollCause) { return false; }
  virtual void HandleSelectItem(TObject* Sender);
  virtual String InternalGetText() { return VarToStr(GetDisplayValue()); }
  virtual bool InternalSetText(const String& Value);
  virtual TcxEditValue ItemIndexToLookupKey(Integer AItemIndex) { return AItemIndex; }
  virtual TcxEditValue LookupKeyToEditValue(const TcxEditValue& AKey);
  virtual Integer LookupKeyToItemIndex(const TcxEditValue& AKey);
  virtual bool NeedResetInvalidTextWhenPropertiesChanged();
  virtual void ResetOnNewDisplayValue();
  virtual void SelChange(TObject* Sender) {}
  virtual void SetEditingText(const String& Value);
  virtual void UndoPerformed() {}
  virtual void UpdateDisplayValue();

  // Runs AProc with the user-edit flag as given, restoring it afterwards.
  template <class F>
  void WithUserAction(bool AValue, F AProc) {
    struct TRestore {
      TcxCustomTextEdit* Edit;
      bool Saved;
      ~TRestore() { Edit->SetUserAction(Saved); }
    } restore{this, IsUserAction()};
    SetUserAction(AValue);
    AProc();
  }

 private:
  // Moves through the lookup items; fires the click and posts when the current key changed.
  void ScrollLookupData(TcxEditLookupDataGoDirection ADirection);
  void AfterLookupDataMoved(const TcxEditValue& APrevKey);
  // Searches the lookup items for AText and shows the completion selected (incremental search).
  bool SearchLookupText(String AText);
  void SeparateDigitGroups();
  void PrepareFindSelectionDrawing();
  void WMSetText(TMessage& Message);
  void WMGetText(TMessage& Message);
  void WMGetTextLength(TMessage& Message);
  void WMClear(TMessage& Message);

  bool FFindSelection = false;
  bool FHideInnerEdit = false;
  bool FIsSettingText = false;
  bool FDisplayValueSynchronizing = false;
  bool FShowInnerEdit = false;
  String FSavedText;
  bool FPositioning = false;
  bool FEscapeFlag = false;
  bool FPropertiesGone = false;
  TcxCustomTextEditLookupData* FLookupData = nullptr;
  bool FLookupDataTextChangedLocked = false;
};

class TcxTextEdit : public TcxCustomTextEdit {
  DECLARE_CLASS(TcxTextEdit, TcxCustomTextEdit)
 public:
  explicit TcxTextEdit(TComponent* AOwner = nullptr, bool AIsInplace = false) : TcxCustomTextEdit(AOwner, AIsInplace) {}
  TClass GetPropertiesClass() override;
  TcxTextEditProperties* GetProperties() const {
    return static_cast<TcxTextEditProperties*>(TcxCustomEdit::GetProperties());
  }
  void SetProperties(TcxTextEditProperties* Value) { TcxCustomEdit::SetProperties(Value); }
  TcxTextEditProperties* GetActiveProperties() {
    return static_cast<TcxTextEditProperties*>(TcxCustomEdit::GetActiveProperties());
  }
};

}  // namespace cxTextEdit
