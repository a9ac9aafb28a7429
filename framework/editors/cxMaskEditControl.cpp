// The mask editor control: its mode's life, settings changes, the value text beside the shown text,
// keys and characters through the mode, mouse actions, clipboard and simulated keys.
#include "Clipbrd.h"
#include "Messages.h"
#include "Multibyte.h"
#include "WinUser.h"
#include "cxEditRegistry.h"
#include "cxControlsInternal.h"
#include "cxMaskEdit.h"
#include "cxRegExpr.h"
#include "cxStandardMask.h"
#include "cxTextEditPublished.h"

namespace cxMaskEdit {

IMPLEMENT_CLASS(TcxCustomMaskEdit)

IMPLEMENT_CLASS_PUBLISHED(TcxMaskEdit) { cxTextEdit::DescribeTextEditControl<TcxMaskEdit>(d, true); }

TClass TcxCustomMaskEdit::GetPropertiesClass() { return TcxCustomMaskEditProperties::StaticClass(); }
TClass TcxMaskEdit::GetPropertiesClass() { return TcxMaskEditProperties::StaticClass(); }

// ---- Life -------------------------------------------------------------------------------------------------------
void TcxCustomMaskEdit::Initialize() {
  inherited::Initialize();
  // Whatever the kind: a change of the settings makes the mode of the kind.
  FMode = TcxMaskEditCustomMode::Create(TcxMaskEditStandardMode::StaticClass(), this, nullptr);
  FShiftDown = false;
  GetActiveProperties()->SetEmptyString(InternalGetEmptyString());
}

void TcxCustomMaskEdit::Destroy() {
  inherited::Destroy();
  FreeAndNil(FMode);
}

void TcxCustomMaskEdit::Loaded() {
  inherited::Loaded();
  if (!IsMasked() || !FMode) return;
  LockChangeEvents(true);
  TFinally unlock([this] { LockChangeEvents(false); });
  UpdateTextFormatting();
}

void TcxCustomMaskEdit::UpdateTextFormatting() { InternalSetDisplayValue(VarToStr(GetDisplayValue())); }

String TcxCustomMaskEdit::InternalGetEmptyString() { return IsMasked() && FMode ? FMode->GetEmptyString() : String(); }

// ---- Settings -----------------------------------------------------------------------------------------------------
void TcxCustomMaskEdit::PropertiesChanged(TObject* Sender) {
  if (!FMode || IsPropertiesChangesLocked()) return inherited::PropertiesChanged(Sender);
  TcxCustomMaskEditProperties* properties = GetActiveProperties();
  properties->LockUpdate(true);
  bool locked = true;
  TFinally unlock([properties, &locked] {
    if (locked) properties->LockUpdate(false);
  });
  const String mask = properties->GetEditMask();
  const bool recompile = FMode->GetEditMask() != mask || properties->IsFormatChanging();
  const bool kindChanged = FMode->GetMaskKind() != properties->GetMaskKind();
  const bool caseChanged = FMode->CharCase != properties->GetCharCase();
  const bool echoChanged = FMode->EchoMode != properties->GetEchoMode();
  bool maskEmptied = false;
  if (kindChanged) {
    // Between a picture and a regular expression the mask means nothing: it goes, unless it changed too.
    maskEmptied = (FMode->GetMaskKind() == emkStandard) != (properties->GetMaskKind() == emkStandard);
    FreeAndNil(FMode);
    if (maskEmptied) properties->InternalSetEditMask("");
    FMode = TcxMaskEditCustomMode::Create(properties->GetModeClass(properties->GetMaskKind()), this, nullptr);
    FMode->Compile(properties->GetEditMask());
    if (!TcxCustomMaskEditProperties::EmptyMask(properties->GetEditMask())) FMode->SynchronizeEditValue();
    properties->SetEmptyString(InternalGetEmptyString());
  }
  if (recompile) {
    properties->SetMaxLength(0);
    FMode->Compile(mask);
    if (maskEmptied) properties->InternalSetEditMask(mask);
    if (!TcxCustomMaskEditProperties::EmptyMask(mask)) FMode->SynchronizeEditValue();
    else if (FMode->GetMaskKind() == emkStandard && HandleAllocated() && GetSelLength() > 0)
      SetSelection(GetSelStart(), 0);
    properties->SetEmptyString(InternalGetEmptyString());
  }
  if (caseChanged) {
    if (properties->GetCharCase() == StdCtrls::ecNormal) {
      if (IcxInnerTextEdit* inner = GetInnerTextEdit()) inner->SetCharCase(StdCtrls::ecNormal);
      FMode->SynchronizeEditValue();
    }
    FMode->CharCase = properties->GetCharCase();
  }
  Integer savedStart = 0, savedLength = 0;
  if (echoChanged && HandleAllocated()) {
    savedStart = GetSelStart();
    savedLength = GetSelLength();
  }
  // A new editor, or one whose value is empty, shows the mask's empty text.
  if (!IsPropertiesChangesLocked() && IsMasked()) {
    const TcxEditValue value = GetEditValue();
    if (VarIsNull(value) || VarToStr(value).empty()) FMode->UpdateEditValue();
  }
  properties->LockUpdate(false);
  locked = false;
  if (auto* regExprMode = dynamic_cast<TcxMaskEditRegExprMode*>(FMode))
    regExprMode->GetRegExpr()->SetCaseInsensitive(properties->GetCaseInsensitive());
  inherited::PropertiesChanged(Sender);
  if (echoChanged) {
    if (HandleAllocated()) SetSelection(savedStart, savedLength);
    FMode->EchoMode = properties->GetEchoMode();
  }
  if (kindChanged || caseChanged || recompile) UpdateValueText();
}

// ---- Values -------------------------------------------------------------------------------------------------------
void TcxCustomMaskEdit::UpdateValueText() {
  if (FMode) FValueText = FMode->GetUpdatedText(VarToStr(GetDisplayValue()), true);
}

String TcxCustomMaskEdit::InternalGetText() { return IsMasked() ? FValueText : inherited::InternalGetText(); }

String TcxCustomMaskEdit::TextToShow(const String& AText) {
  if (Focused() || FMode->GetMaskKind() != emkStandard || GetActiveProperties()->GetAlwaysShowBlanksAndLiterals())
    return FMode->GetFormattedText(AText, true);
  return FMode->GetUpdatedText(AText, true);
}

void TcxCustomMaskEdit::InternalSetValue(const String& AText) {
  if (IsMasked() && FMode && CanSynchronizeModeText()) FMode->SetText(AText);
}

void TcxCustomMaskEdit::ChangeHandler(TObject* Sender) {
  if (IsMasked()) UpdateValueText();
  inherited::ChangeHandler(Sender);
}

void TcxCustomMaskEdit::InternalSetDisplayValue(const TcxEditValue& Value) {
  if (!IsMasked() || !FMode || IsLoading()) return inherited::InternalSetDisplayValue(Value);
  inherited::InternalSetDisplayValue(TextToShow(VarToStr(Value)));
  UpdateValueText();
  InternalSetValue(GetText());
}

bool TcxCustomMaskEdit::InternalSetText(const String& Value) {
  if (!IsMasked() || !FMode) return inherited::InternalSetText(Value);
  SetInternalEditValue(Value);
  FEditValue = FValueText;
  return true;
}

void TcxCustomMaskEdit::SynchronizeDisplayValue() {
  inherited::SynchronizeDisplayValue();
  if (!IsMasked() || !FMode) return;
  UpdateValueText();
  InternalSetValue(GetText());
}

void TcxCustomMaskEdit::UndoPerformed() {
  inherited::UndoPerformed();
  if (IsMasked()) InternalSetValue(GetText());
}

void TcxCustomMaskEdit::PrepareEditValue(const TcxEditValue& ADisplayValue, TcxEditValue& EditValue,
                                         bool AEditFocused) {
  if (!IsMasked() || !FMode) return inherited::PrepareEditValue(ADisplayValue, EditValue, AEditFocused);
  auto* standard = dynamic_cast<TcxMaskEditStandardMode*>(FMode);
  if (AEditFocused || !standard ||
      (!standard->GetMask()->GetSaveLiteralCharacters() && GetActiveProperties()->GetAlwaysShowBlanksAndLiterals()))
    EditValue = FMode->GetUpdatedText(VarToStr(ADisplayValue), true);
  else
    inherited::PrepareEditValue(ADisplayValue, EditValue, AEditFocused);
}

// ---- Keys ---------------------------------------------------------------------------------------------------------
void TcxCustomMaskEdit::KeyDown(Word& Key, TShiftState Shift) {
  if (!FSendingKey) inherited::KeyDown(Key, Shift);
}

void TcxCustomMaskEdit::KeyPress(char& Key) {
  if (!FSendingKey) inherited::KeyPress(Key);
}

void TcxCustomMaskEdit::KeyUp(Word& Key, TShiftState Shift) {
  if (!FSendingKey) inherited::KeyUp(Key, Shift);
}

void TcxCustomMaskEdit::SendMyKeyDown(Word AKey, TShiftState AShift) {
  if (!HandleAllocated()) return;
  FSendingKey = true;
  TFinally done([this] { FSendingKey = false; });
  SendKeyDown(this, AKey, AShift);
}

void TcxCustomMaskEdit::SendMyKeyPress(char AKey) {
  if (!HandleAllocated()) return;
  FSendingKey = true;
  TFinally done([this] { FSendingKey = false; });
  SendKeyPress(this, AKey);
}

void TcxCustomMaskEdit::DoEditKeyDown(Word& Key, TShiftState Shift) {
  if (!IsMasked() || !FMode || IsSpecialKey(Key, Shift)) return inherited::DoEditKeyDown(Key, Shift);
  if (!ValidateKeyDown(Key, Shift)) {
    DoAfterKeyDown(Key, Shift);
    Key = 0;
    return;
  }
  if (Key == VK_TAB) return inherited::DoEditKeyDown(Key, Shift);
  FShiftDown = Shift.Contains(ssShift);
  const bool ctrl = Shift.Contains(ssCtrl);
  // A key the mode keeps at the first or last position goes on to the host (a grid moves to the next cell).
  auto moveKey = [this, &Key, Shift](bool (TcxMaskEditCustomMode::*APress)(), bool AAtEdge) {
    if ((FMode->*APress)()) return;
    Word key = Key;
    Key = 0;
    if (AAtEdge) DoAfterKeyDown(key, Shift);
  };
  switch (Key) {
    case VK_UP:
    case VK_DOWN:
      if (!HasPopupWindow()) {
        DoAfterKeyDown(Key, Shift);
        Key = 0;
      }
      break;
    case VK_LEFT:
    case VK_RIGHT: {
      const bool left = Key == VK_LEFT;
      if (ctrl) {
        if ((FMode->*(left ? &TcxMaskEditCustomMode::PressHome : &TcxMaskEditCustomMode::PressEnd))())
          SendMyKeyDown(left ? VK_HOME : VK_END, Shift);
        Key = 0;
      } else {
        moveKey(left ? &TcxMaskEditCustomMode::PressLeft : &TcxMaskEditCustomMode::PressRight,
                left ? FMode->IsCursorBegin() : FMode->IsCursorEnd());
      }
      break;
    }
    case VK_DELETE:
      if (!Shift.Contains(ssShift)) {
        if (!FMode->PressDelete()) Key = 0;
      } else if (GetSelLength() == 0 && !FMode->PressBackSpace()) {
        Key = 0;
      }
      break;
    case VK_HOME:
      if (!FMode->PressHome()) Key = 0;
      break;
    case VK_END:
      if (!FMode->PressEnd()) Key = 0;
      break;
    default: break;
  }
  if (Key != 0) inherited::DoEditKeyDown(Key, Shift);
}

void TcxCustomMaskEdit::HandleKeyPress(char32_t AChar, char& Key) {
  const char32_t typed = AChar;
  const bool letThrough = AChar == 8 ? FMode->PressBackSpace() : FMode->PressSymbol(AChar);
  if (letThrough && AChar == typed && AChar < 0x80) return;  // the inner edit types it as it came
  Key = 0;
  if (!letThrough) return;
  // The mode rewrote the character (the pattern's case) or it came as several bytes: type it whole.
  for (char byte : MaskCharToString(AChar)) SendMyKeyPress(byte);
}

void TcxCustomMaskEdit::DoEditKeyPress(char& Key) {
  if (!IsMasked() || !FMode) return inherited::DoEditKeyPress(Key);
  const auto byte = static_cast<unsigned char>(Key);
  if (byte >= 0x80) {
    // A character typed as several bytes is handed to the mode once it is whole.
    if (byte >= 0xC2 && byte <= 0xF4) FPendingBytes.assign(1, Key);
    else if (!FPendingBytes.empty() && (byte & 0xC0) == 0x80) FPendingBytes += Key;
    else FPendingBytes.clear();
    const char* begin = FPendingBytes.data();
    const bool whole = !FPendingBytes.empty() &&
                       Utf8CharLen(begin, begin + FPendingBytes.size()) == static_cast<int>(FPendingBytes.size()) &&
                       !Utf8IsInvalid(begin, static_cast<int>(FPendingBytes.size()));
    if (!whole || !ValidateKeyPress(Key)) {
      Key = 0;
      return;
    }
    const char32_t c = ToMaskChars(FPendingBytes)[0];
    FPendingBytes.clear();
    return HandleKeyPress(c, Key);
  }
  FPendingBytes.clear();
  if (Key == VK_TAB || Key == VK_ESCAPE || !ValidateKeyPress(Key)) {
    Key = 0;
    return;
  }
  if (Key == VK_RETURN) return;
  if (Key == 3 || Key == 22 || Key == 24) return inherited::DoEditKeyPress(Key);
  HandleKeyPress(byte, Key);
}

// ---- Mouse and selection ------------------------------------------------------------------------------------------
void TcxCustomMaskEdit::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  if (Button == mbLeft && IsMasked() && FMode) FMode->LMouseDown();
}

void TcxCustomMaskEdit::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseMove(Shift, X, Y);
  if (!Shift.Contains(ssLeft) || !IsMasked() || !FMode) return;
  const bool saved = FShiftDown;
  FShiftDown = true;
  TFinally restore([this, saved] { FShiftDown = saved; });
  FMode->LMouseDown();
}

void TcxCustomMaskEdit::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseUp(Button, Shift, X, Y);
}

void TcxCustomMaskEdit::DblClick() {
  if (IsMasked() && FMode) FMode->LMouseDown();
  inherited::DblClick();
}

void TcxCustomMaskEdit::DoEnter() {
  inherited::DoEnter();
  if (GetActiveProperties()->GetAutoSelect() && IsMasked() && FMode) FMode->LMouseDown();
}

void TcxCustomMaskEdit::SelChange(TObject* Sender) {
  inherited::SelChange(Sender);
  if (!FDirectSelection && IsMasked() && FMode) FMode->LMouseDown();
}

void TcxCustomMaskEdit::DirectSetSelStart(Integer Value) {
  FDirectSelection = true;
  TFinally done([this] { FDirectSelection = false; });
  SetSelStart(Value);
}

void TcxCustomMaskEdit::DirectSetSelLength(Integer Value) {
  FDirectSelection = true;
  TFinally done([this] { FDirectSelection = false; });
  SetSelLength(Value);
}

// ---- Clipboard ----------------------------------------------------------------------------------------------------
void TcxCustomMaskEdit::CutToClipboard() {
  if (!IsMasked() || !FMode) return inherited::CutToClipboard();
  if (Focused() && !DoEditing()) return;
  CopyToClipboard();
  if (FMode->PressDelete()) SendMyKeyPress(8);
}

void TcxCustomMaskEdit::PasteFromClipboard() {
  if (!IsMasked() || !FMode) return inherited::PasteFromClipboard();
  if (Clipboard()->HasFormat(CF_TEXT)) SetSelText(Clipboard()->GetAsText());
}

void TcxCustomMaskEdit::SetSelText(const String& Value) {
  if (!IsMasked() || !FMode) return inherited::SetSelText(Value);
  FMode->ClipboardTextLength = StrCharLength(Value);
  FMode->PrePasteFromClipboard();
  inherited::SetSelText(Value);
  FMode->AfterPasteFromClipboard();
}

// ---- Repainting ---------------------------------------------------------------------------------------------------
void TcxCustomMaskEdit::LockInnerEditRepainting() {
  IcxInnerTextEdit* inner = GetInnerTextEdit();
  if (!IsMasked() || !inner || !inner->GetControl()->HandleAllocated()) return inherited::LockInnerEditRepainting();
  SendMessage(inner->GetControl()->GetHandle(), WM_SETREDRAW, FALSE, 0);
}

void TcxCustomMaskEdit::UnlockInnerEditRepainting() {
  IcxInnerTextEdit* inner = GetInnerTextEdit();
  if (!IsMasked() || !inner || !inner->GetControl()->HandleAllocated()) return inherited::UnlockInnerEditRepainting();
  SendMessage(inner->GetControl()->GetHandle(), WM_SETREDRAW, TRUE, 0);
  inner->GetControl()->Invalidate();
}

}  // namespace cxMaskEdit
