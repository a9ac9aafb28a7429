// The platform edit window that a text editor hosts as its inner control: it has no border of its
// own, lets the editor take its keys, mouse and clipboard commands first, keeps what the input
// method has pending so that incremental search sees the right selection, and tells the editor when
// a key changed neither text nor selection. A helper presents it to the editor as IcxInnerTextEdit.
#pragma once

#include "StdCtrls.h"
#include "cxEditControl.h"
#include "cxTextEditProperties.h"

namespace cxTextEdit {

class TcxCustomInnerTextEdit;

// What a text editor knows of its inner edit.
class IcxInnerTextEdit : public virtual IcxCustomInnerEdit {
  DECLARE_INTERFACE_GUID(IcxInnerTextEdit, "{263EBB8D-1EA9-4CAC-8367-ADD74D2A9651}")
 public:
  virtual void ClearSelection() = 0;
  virtual void CopyToClipboard() = 0;
  virtual TAlignment GetAlignment() = 0;
  virtual bool GetAutoSelect() = 0;
  virtual TEditCharCase GetCharCase() = 0;
  virtual TcxEditEchoMode GetEchoMode() = 0;
  virtual bool GetHideSelection() = 0;
  virtual char GetImeLastChar() = 0;
  virtual TImeMode GetImeMode() = 0;
  virtual TImeName GetImeName() = 0;
  virtual bool GetInternalUpdating() = 0;
  virtual Integer GetMaxLength() = 0;
  virtual bool GetMultiLine() = 0;
  virtual bool GetOEMConvert() = 0;
  virtual TNotifyEvent GetOnSelChange() = 0;
  virtual Char GetPasswordChar() = 0;
  virtual Integer GetSelLength() = 0;
  virtual Integer GetSelStart() = 0;
  virtual String GetSelText() = 0;
  virtual void SelectAll() = 0;
  virtual void SetAlignment(TAlignment Value) = 0;
  virtual void SetAutoSelect(bool Value) = 0;
  virtual void SetCharCase(TEditCharCase Value) = 0;
  virtual void SetEchoMode(TcxEditEchoMode Value) = 0;
  virtual void SetHideSelection(bool Value) = 0;
  virtual void SetInternalUpdating(bool Value) = 0;
  virtual void SetImeMode(TImeMode Value) = 0;
  virtual void SetImeName(const TImeName& Value) = 0;
  virtual void SetMaxLength(Integer Value) = 0;
  virtual void SetOEMConvert(bool Value) = 0;
  virtual void SetOnSelChange(TNotifyEvent Value) = 0;
  virtual void SetPasswordChar(Char Value) = 0;
  virtual void SetSelLength(Integer Value) = 0;
  virtual void SetSelStart(Integer Value) = 0;
  virtual void SetSelText(const String& Value) = 0;
};

class TcxCustomInnerTextEditHelper : public TcxInterfacedPersistent, public IcxInnerTextEdit {
  DECLARE_CLASS(TcxCustomInnerTextEditHelper, TcxInterfacedPersistent)
 public:
  explicit TcxCustomInnerTextEditHelper(TcxCustomInnerTextEdit* AEdit = nullptr)
      : TcxInterfacedPersistent(nullptr), FEdit(AEdit) {}

  // IcxContainerInnerControl and IcxCustomInnerEdit.
  TWinControl* GetControl() override;
  TcxContainer* GetControlContainer() override;
  LRESULT CallDefWndProc(UINT AMsg, WPARAM WParam, LPARAM LParam) override;
  TcxEditValue GetEditValue() override;
  TNotifyEvent GetOnChange() override;
  bool GetReadOnly() override;
  void LockBounds(bool ALock) override;
  void SafelySetFocus() override;
  void SetEditValue(const TcxEditValue& Value) override;
  void SetParent(TWinControl* Value) override;
  void SetOnChange(TNotifyEvent Value) override;
  void SetReadOnly(bool Value) override;
  // IcxInnerTextEdit.
  void ClearSelection() override;
  void CopyToClipboard() override;
  TAlignment GetAlignment() override;
  bool GetAutoSelect() override;
  TEditCharCase GetCharCase() override;
  TcxEditEchoMode GetEchoMode() override;
  bool GetHideSelection() override;
  char GetImeLastChar() override;
  TImeMode GetImeMode() override;
  TImeName GetImeName() override;
  bool GetInternalUpdating() override;
  Integer GetMaxLength() override;
  bool GetMultiLine() override { return false; }
  bool GetOEMConvert() override;
  TNotifyEvent GetOnSelChange() override;
  Char GetPasswordChar() override;
  Integer GetSelLength() override;
  Integer GetSelStart() override;
  String GetSelText() override;
  void SelectAll() override;
  void SetAlignment(TAlignment Value) override;
  void SetAutoSelect(bool Value) override;
  void SetCharCase(TEditCharCase Value) override;
  void SetEchoMode(TcxEditEchoMode Value) override;
  void SetHideSelection(bool Value) override;
  void SetInternalUpdating(bool Value) override;
  void SetImeMode(TImeMode Value) override;
  void SetImeName(const TImeName& Value) override;
  void SetMaxLength(Integer Value) override;
  void SetOEMConvert(bool Value) override;
  void SetOnSelChange(TNotifyEvent Value) override;
  void SetPasswordChar(Char Value) override;
  void SetSelLength(Integer Value) override;
  void SetSelStart(Integer Value) override;
  void SetSelText(const String& Value) override;

 private:
  friend class TcxCustomInnerTextEdit;
  TcxCustomInnerTextEdit* FEdit;
  // The selection as it was when the input method began to send a character.
  Integer FSavedSelStart = 0;
  Integer FSavedSelLength = 0;
};

// The selection and (when asked) the text before a key, to tell whether the key changed them.
struct TcxTextEditState {
  bool TextSaved = false;
  String Text;
  Integer SelStart = 0;
  Integer SelLength = 0;
};
void SaveTextEditState(TcxCustomInnerTextEdit* AEdit, bool ASaveText, TcxTextEditState& AState);
bool CheckTextEditState(TcxCustomInnerTextEdit* AEdit, const TcxTextEditState& AState);

class TcxCustomInnerTextEdit : public TCustomEdit, public IcxContainerInnerControl, public IcxInnerEditHelper {
  DECLARE_CLASS(TcxCustomInnerTextEdit, TCustomEdit)
 public:
  explicit TcxCustomInnerTextEdit(TComponent* AOwner = nullptr) : TCustomEdit(AOwner) {}

  // IcxContainerInnerControl and IcxInnerEditHelper.
  TWinControl* GetControl() override { return this; }
  TcxContainer* GetControlContainer() override;
  IcxCustomInnerEdit* GetHelper() override { return FHelper; }
  TcxCustomTextEdit* GetContainer();
  TcxCustomInnerTextEditHelper* GetTextHelper() const { return FHelper; }

  // The character index of the caret, found from the characters' positions.
  Integer GetCursorPos();
  virtual void AdjustMargins();
  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  bool CanFocus() override;
  void DragDrop(TObject* Source, Integer X, Integer Y) override;
  bool ExecuteAction(ActnList::TBasicAction* Action) override;
  bool UpdateAction(ActnList::TBasicAction* Action) override;

  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TcxEditEchoMode GetEchoMode() const { return FEchoMode; }
  void SetEchoMode(TcxEditEchoMode Value);
  Char GetInnerPasswordChar() const { return FPasswordChar; }
  void SetInnerPasswordChar(Char Value);
  bool GetInternalUpdating() const { return FInternalUpdating; }
  void SetInternalUpdating(bool Value) { FInternalUpdating = Value; }
  TNotifyEvent OnSelChange;

 protected:
  friend class TcxCustomInnerTextEditHelper;
  void Construct() override;
  void Destroy() override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWindowHandle(const TCreateParams& Params) override;
  void CreateWnd() override;
  void CreateHandle() override;
  void Change() override;
  void Click() override;
  void DblClick() override;
  bool DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) override { return false; }
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept) override;

 private:
  void ApplyEchoMode();
  // The editor's form draws it on a glass frame and the desktop composes windows.
  bool IsGlassPaintingNeeded();
  // Runs a clipboard command of the editor with its user-edit flag set.
  void UserEdit(void (TcxCustomTextEdit::*ACommand)());

  TAlignment FAlignment = cxEditDefaultHorzAlignment;
  TcxEditEchoMode FEchoMode = eemNormal;
  TcxCustomInnerTextEditHelper* FHelper = nullptr;
  Integer FImeCharsPending = 0;
  char FImeLastChar = 0;
  bool FInternalUpdating = false;
  bool FCreating = false;
  Integer FLockBoundsCount = 0;
  Char FPasswordChar = 0;
  bool FKeySurvived = false;
  bool FRepaintOnGlass = false;
};

}  // namespace cxTextEdit
