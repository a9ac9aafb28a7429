// The mask editor: the text editor with an edit mask, a standard picture or a regular expression
// chosen by MaskKind. The settings hold the mask and make input modes; the control routes keys,
// characters, mouse actions, clipboard operations and text changes through its current mode, keeps
// a value text beside the displayed text, and validates the text when the value is posted.
#pragma once

#include "cxMaskEditModes.h"
#include "cxTextEdit.h"

namespace cxMaskEdit {

DECLARE_EXCEPTION(EcxMaskEditError, EcxEditError)

class TcxCustomMaskEditProperties : public TcxCustomTextEditProperties {
  DECLARE_CLASS(TcxCustomMaskEditProperties, TcxCustomTextEditProperties)
 public:
  explicit TcxCustomMaskEditProperties(TPersistent* AOwner = nullptr) : TcxCustomTextEditProperties(AOwner) {}

  void Assign(TPersistent* Source) override;
  TcxEditDisplayFormatOptions GetDisplayFormatOptions() override;
  TClass GetContainerClass() override;
  void Changed() override;
  bool IsEditValueValid(TcxEditValue& AEditValue, bool AEditFocused) override;
  void PrepareDisplayValue(const TcxEditValue& AEditValue, TcxEditValue& DisplayValue, bool AEditFocused) override;
  void ValidateDisplayValue(TcxEditValue& ADisplayValue, String& AErrorText, bool& AError,
                            TcxCustomEdit* AEdit) override;
  void MaxLengthChanged() override;
  void SetCharCase(TEditCharCase Value) override;
  bool UseLookupData() override;
  virtual TClass GetModeClass(TcxEditMaskKind AMaskKind);

  // The mask in force: a blank standard mask takes the default values provider's edit mask.
  String GetEditMask();
  void SetEditMask(const String& Value);
  // The mask as assigned (what a form stream keeps).
  String GetEditMaskValue() const { return FEditMask; }
  bool IsMasked();
  // Empty or only blanks.
  static bool EmptyMask(const String& AMask);
  // A mode without editor of the current kind, compiled with the mask; null without a mask.
  TcxMaskEditCustomMode* CreateMode();
  // The same, not compiled.
  TcxMaskEditCustomMode* CreateMode1();
  String GetEmptyString() const { return FEmptyString; }
  void SetEmptyString(const String& Value) { FEmptyString = Value; }

  TcxEditMaskKind GetMaskKind() const { return FMaskKind; }
  void SetMaskKind(TcxEditMaskKind Value);
  bool GetAlwaysShowBlanksAndLiterals() const { return FAlwaysShowBlanksAndLiterals; }
  void SetAlwaysShowBlanksAndLiterals(bool Value);
  bool GetCaseInsensitive() const { return FCaseInsensitive; }
  void SetCaseInsensitive(bool Value);
  bool GetIgnoreMaskBlank() const { return FIgnoreMaskBlank; }
  void SetIgnoreMaskBlank(bool Value) { FIgnoreMaskBlank = Value; }
  // Stores the mask without compiling or announcing it (the editor puts back a mask that a change of
  // the kind emptied).
  void InternalSetEditMask(const String& Value) { FEditMask = Value; }

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  bool FAlwaysShowBlanksAndLiterals = false;
  bool FCaseInsensitive = false;
  String FEditMask;
  String FEmptyString;
  bool FIgnoreMaskBlank = false;
  TcxEditMaskKind FMaskKind = emkStandard;
  bool FMaxLengthChanging = false;
  TcxMaskEditCustomMode* FTempMode = nullptr;
};

class TcxMaskEditProperties : public TcxCustomMaskEditProperties {
  DECLARE_CLASS(TcxMaskEditProperties, TcxCustomMaskEditProperties)
 public:
  explicit TcxMaskEditProperties(TPersistent* AOwner = nullptr) : TcxCustomMaskEditProperties(AOwner) {}
  TcxTextEditPropertiesValues* GetAssignedValues() const { return GetAssignedTextValues(); }
  void SetAssignedValues(TcxTextEditPropertiesValues* Value) { GetAssignedTextValues()->Assign(Value); }
};

class TcxCustomMaskEdit : public TcxCustomTextEdit {
  DECLARE_CLASS(TcxCustomMaskEdit, TcxCustomTextEdit)
 public:
  explicit TcxCustomMaskEdit(TComponent* AOwner = nullptr, bool AIsInplace = false)
      : TcxCustomTextEdit(AOwner, AIsInplace) {}

  TClass GetPropertiesClass() override;
  TcxCustomMaskEditProperties* GetActiveProperties() {
    return static_cast<TcxCustomMaskEditProperties*>(TcxCustomEdit::GetActiveProperties());
  }
  TcxCustomMaskEditProperties* GetProperties() const {
    return static_cast<TcxCustomMaskEditProperties*>(TcxCustomEdit::GetProperties());
  }
  void CutToClipboard() override;
  void PasteFromClipboard() override;
  void SetSelText(const String& Value) override;
  void PrepareEditValue(const TcxEditValue& ADisplayValue, TcxEditValue& EditValue, bool AEditFocused) override;
  bool IsMasked() { return GetActiveProperties()->IsMasked(); }
  TcxMaskEditCustomMode* GetMode() const { return FMode; }
  void DirectSetSelStart(Integer Value);
  void DirectSetSelLength(Integer Value);

 protected:
  friend class TcxMaskEditCustomMode;
  void Destroy() override;
  void Loaded() override;
  void ChangeHandler(TObject* Sender) override;
  void DoEditKeyDown(Word& Key, TShiftState Shift) override;
  void DoEditKeyPress(char& Key) override;
  void Initialize() override;
  void InternalSetDisplayValue(const TcxEditValue& Value) override;
  void PropertiesChanged(TObject* Sender) override;
  void SynchronizeDisplayValue() override;
  void LockInnerEditRepainting() override;
  void UnlockInnerEditRepainting() override;
  String InternalGetText() override;
  bool InternalSetText(const String& Value) override;
  void SelChange(TObject* Sender) override;
  void UndoPerformed() override;
  void DblClick() override;
  void DoEnter() override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

  virtual bool CanSynchronizeModeText() { return true; }
  // A hook for descendants: may the character stand at the 1-based position of a standard picture.
  virtual bool IsCharValidForPos(char32_t& AChar, Integer APosition) { return true; }
  virtual void UpdateTextFormatting();

  // Simulated keys reach the inner edit without the mask and without the application's key events.
  void SendMyKeyDown(Word AKey, TShiftState AShift = {});
  void SendMyKeyPress(char AKey);

 private:
  String InternalGetEmptyString();
  // What the inner edit shows for a text: the full picture while focused or when asked to, else the value text.
  String TextToShow(const String& AText);
  void InternalSetValue(const String& AText);
  // Hands a typed character to the mode; what the mode lets through reaches the inner edit.
  void HandleKeyPress(char32_t AChar, char& Key);
  void UpdateValueText();

  bool FDirectSelection = false;
  TcxMaskEditCustomMode* FMode = nullptr;
  bool FSendingKey = false;
  bool FShiftDown = false;
  String FValueText;
  String FPendingBytes;  // the first bytes of a character typed as several
};

class TcxMaskEdit : public TcxCustomMaskEdit {
  DECLARE_CLASS(TcxMaskEdit, TcxCustomMaskEdit)
 public:
  explicit TcxMaskEdit(TComponent* AOwner = nullptr, bool AIsInplace = false) : TcxCustomMaskEdit(AOwner, AIsInplace) {}
  TClass GetPropertiesClass() override;
  TcxMaskEditProperties* GetProperties() const {
    return static_cast<TcxMaskEditProperties*>(TcxCustomEdit::GetProperties());
  }
  void SetProperties(TcxMaskEditProperties* Value) { TcxCustomEdit::SetProperties(Value); }
  TcxMaskEditProperties* GetActiveProperties() {
    return static_cast<TcxMaskEditProperties*>(TcxCustomEdit::GetActiveProperties());
  }
};

void InitMaskEdit();

}  // namespace cxMaskEdit

using namespace cxMaskEdit;
