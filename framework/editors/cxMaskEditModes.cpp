// The mask editor's input modes: what every mode shares, and the standard picture's mode.
#include "cxMaskEditModes.h"

#include "Multibyte.h"
#include "WinUser.h"
#include "cxEditInternal.h"
#include "cxControlsInternal.h"
#include "cxMaskEdit.h"
#include "cxStandardMask.h"

namespace cxMaskEdit {

IMPLEMENT_ABSTRACT_CLASS(TcxMaskEditCustomMode)
IMPLEMENT_CLASS(TcxMaskEditStandardMode)

// ---- Every mode ------------------------------------------------------------------------------------------------
TcxMaskEditCustomMode* TcxMaskEditCustomMode::Create(TClass AClass, TcxCustomMaskEdit* AEdit,
                                                     TcxCustomMaskEditProperties* AProperties) {
  return CreateInstanceOf<TcxMaskEditCustomMode>(AClass, [AEdit, AProperties](TcxMaskEditCustomMode* AMode) {
    AMode->FEdit = AEdit;
    AMode->FProperties = AEdit ? nullptr : AProperties;
  });
}

TcxCustomMaskEditProperties* TcxMaskEditCustomMode::GetProperties() {
  return FEdit ? FEdit->GetActiveProperties() : FProperties;
}

bool TcxMaskEditCustomMode::HasEdit() { return FEdit && !FEdit->GetActiveProperties()->ChangedLocked(); }

void TcxMaskEditCustomMode::BeepOnError() {
  if (GetProperties()->GetBeepOnError()) MessageBeep(0);
}

void TcxMaskEditCustomMode::SynchronizeEditValue() {
  if (!HasEdit()) return;
  TcxEditValue display;
  if (FEdit->GetModifiedAfterEnter()) display = GetFormattedText(VarToStr(FEdit->GetDisplayValue()), true);
  else GetProperties()->PrepareDisplayValue(FEdit->GetEditValue(), display, FEdit->InternalFocused());
  FEdit->SetInternalDisplayValue(display);
}

TcxMaskChars TcxMaskEditCustomMode::GetDisplayChars() { return ToMaskChars(VarToStr(FEdit->GetDisplayValue())); }

Integer TcxMaskEditCustomMode::GetSelStart() {
  return MaskByteToChar(VarToStr(FEdit->GetDisplayValue()), FEdit->GetSelStart());
}

Integer TcxMaskEditCustomMode::GetSelLength() {
  const String text = VarToStr(FEdit->GetDisplayValue());
  const Integer start = FEdit->GetSelStart();
  return MaskByteToChar(text, start + FEdit->GetSelLength()) - MaskByteToChar(text, start);
}

Integer TcxMaskEditCustomMode::GetCursorPos() {
  return MaskByteToChar(VarToStr(FEdit->GetDisplayValue()), FEdit->GetCursorPos());
}

void TcxMaskEditCustomMode::SetSelStart(Integer AStart) {
  FEdit->SetSelStart(MaskCharToByte(VarToStr(FEdit->GetDisplayValue()), AStart));
}

void TcxMaskEditCustomMode::SetSelLength(Integer ALength) {
  const String text = VarToStr(FEdit->GetDisplayValue());
  const Integer start = GetSelStart();
  FEdit->SetSelLength(MaskCharToByte(text, start + ALength) - MaskCharToByte(text, start));
}

void TcxMaskEditCustomMode::DirectSetSelStart(Integer AStart) {
  FEdit->DirectSetSelStart(MaskCharToByte(VarToStr(FEdit->GetDisplayValue()), AStart));
}

void TcxMaskEditCustomMode::DirectSetSelLength(Integer ALength) {
  const String text = VarToStr(FEdit->GetDisplayValue());
  const Integer start = GetSelStart();
  FEdit->DirectSetSelLength(MaskCharToByte(text, start + ALength) - MaskCharToByte(text, start));
}

void TcxMaskEditCustomMode::SetDisplayChars(const TcxMaskChars& AText) {
  FEdit->SetInternalDisplayValue(FromMaskChars(AText));
}

bool TcxMaskEditCustomMode::IsShiftDown() { return FEdit && FEdit->FShiftDown; }
void TcxMaskEditCustomMode::ReleaseShift() {
  if (FEdit) FEdit->FShiftDown = false;
}

void TcxMaskEditCustomMode::SendKey(Word AKey) { FEdit->SendMyKeyDown(AKey); }

void TcxMaskEditCustomMode::SendChar(char32_t AChar) {
  for (char byte : MaskCharToString(AChar)) FEdit->SendMyKeyPress(byte);
}

bool TcxMaskEditCustomMode::IsCharValidForPos(char32_t& AChar, Integer APosition) {
  return FEdit->IsCharValidForPos(AChar, APosition);
}

void TcxMaskEditCustomMode::SetEditValue(const String& AValue) { FEdit->SetInternalEditValue(AValue); }

// ---- Standard pictures ------------------------------------------------------------------------------------------
void TcxMaskEditStandardMode::Construct() {
  inherited::Construct();
  FMask = New<TcxStandardMask>();
}

void TcxMaskEditStandardMode::Destroy() {
  FreeAndNil(FMask);
  inherited::Destroy();
}

void TcxMaskEditStandardMode::Compile(const String& AMask) {
  FEditMask = AMask;
  if (TcxCustomMaskEditProperties::EmptyMask(AMask)) return;
  FMask->Compile(AMask);
  NeedUpdateEditValue = !HasEdit();
}

String TcxMaskEditStandardMode::GetEmptyString() { return FMask->GetEmptyString(); }
char32_t TcxMaskEditStandardMode::GetBlank() { return FMask->GetBlank(); }

String TcxMaskEditStandardMode::GetFormattedText(const String& AText, bool ATextHasLiterals) {
  String text = AText;
  FMask->Format(text, true, ATextHasLiterals);
  return text;
}

String TcxMaskEditStandardMode::GetUpdatedText(const String& AText, bool ATextHasLiterals) {
  if (FMask->GetCount() == 0) return AText;
  String text = AText;
  FMask->Format(text, GetProperties()->GetCharCase() == StdCtrls::ecNormal, ATextHasLiterals);
  FMask->Format2(text);
  return text;
}

bool TcxMaskEditStandardMode::IsFullValidText(const String& AText) {
  String text = AText;
  if (FMask->IsFullValid(text)) return true;
  // An untouched picture is a value when blanks may stay.
  return GetProperties()->GetIgnoreMaskBlank() && AText == GetFormattedText("");
}

bool TcxMaskEditStandardMode::IsLiteralAt(Integer APosition) {
  return APosition >= 0 && APosition < FMask->GetCount() && FMask->IsLiteral(APosition);
}

Integer TcxMaskEditStandardMode::FirstNonLiteral() {
  Integer i = 0;
  while (i < FMask->GetCount() && FMask->IsLiteral(i)) ++i;
  return i;
}

bool TcxMaskEditStandardMode::IsCursorBegin() {
  const Integer start = GetSelStart(), first = FirstNonLiteral();
  return start <= first && (GetSelLength() < 2 || GetCursorPos() == start);
}

bool TcxMaskEditStandardMode::IsCursorEnd() { return GetSelStart() >= static_cast<Integer>(GetDisplayChars().size()); }

void TcxMaskEditStandardMode::LMouseDown() {
  if (FEdit && FEdit->HandleAllocated() && FEdit->IsMasked() && GetSelLength() == 0) DirectSetSelLength(1);
}

bool TcxMaskEditStandardMode::PressSymbol(char32_t& AChar) {
  const TcxMaskChars text = GetDisplayChars();
  const Integer start = GetSelStart(), length = static_cast<Integer>(text.size());
  if (text.empty() || start >= length || start >= FMask->GetCount()) return false;
  if (IsLiteralAt(start)) {
    ReleaseShift();
    if (GetSelLength() > 1) PressDelete();
    PressRight();
    if (GetSelStart() != start) return PressSymbol(AChar);
    return false;
  }
  char32_t c = AChar;
  if (!FMask->GetItems(start)->Check(c) || !IsCharValidForPos(c, start + 1)) return false;
  if (c == 0) {
    BeepOnError();
    return false;
  }
  if (GetSelLength() > 1) PressDelete();
  TcxMaskChars changed = GetDisplayChars();
  changed[static_cast<size_t>(start)] = c;
  SetDisplayChars(changed);
  DirectSetSelStart(start);
  ReleaseShift();
  PressRight();
  return false;
}

bool TcxMaskEditStandardMode::PressDelete() {
  TcxMaskChars text = GetDisplayChars();
  const Integer start = GetSelStart();
  const Integer end = std::min({start + GetSelLength(), static_cast<Integer>(text.size()), FMask->GetCount()});
  for (Integer i = start; i < end; ++i)
    if (!FMask->IsLiteral(i)) text[static_cast<size_t>(i)] = FMask->GetBlank();
  SetDisplayChars(text);
  SetSelStart(start);
  return false;
}

bool TcxMaskEditStandardMode::PressBackSpace() {
  if (GetSelLength() <= 1) PressLeft();
  return PressDelete();
}

bool TcxMaskEditStandardMode::PressHome() {
  if (IsShiftDown()) return true;
  SetSelStart(0);
  if (IsLiteralAt(0)) PressRight();
  return false;
}

bool TcxMaskEditStandardMode::PressEnd() {
  if (IsShiftDown()) return true;
  SetSelStart(static_cast<Integer>(GetDisplayChars().size()));
  return false;
}

bool TcxMaskEditStandardMode::PressLeft() {
  const Integer start = GetSelStart(), length = GetSelLength();
  const auto textLength = static_cast<Integer>(GetDisplayChars().size());
  if (IsShiftDown()) {
    if (length == 1) {
      // The inner edit extends a Shift selection from the caret: put it behind the cursor character
      // and step back over it and the one before it.
      DirectSetSelStart(start + 1);
      SendKey(VK_LEFT);
      SendKey(VK_LEFT);
      return false;
    }
    return true;
  }
  if (length >= 2) {
    Integer target = start;
    while (target < start + length && IsLiteralAt(target)) ++target;
    if (target == start + length) target = start + length < textLength ? start : textLength;
    SetSelStart(target);
    return false;
  }
  for (Integer i = start - 1; i >= 0; --i)
    if (!IsLiteralAt(i)) {
      SetSelStart(i);
      break;
    }
  return false;
}

bool TcxMaskEditStandardMode::PressRight() {
  const Integer start = GetSelStart(), length = GetSelLength();
  const auto textLength = static_cast<Integer>(GetDisplayChars().size());
  if (IsShiftDown()) {
    if (length == 1 && GetCursorPos() == start) DirectSetSelStart(start);
    return true;
  }
  if (length >= 2) {
    const Integer end = start + length;
    if (end >= textLength) {
      SetSelStart(textLength);
      return false;
    }
    Integer target = end - 1;
    while (target >= start && IsLiteralAt(target)) --target;
    SetSelStart(target < start ? end - 1 : target);
    return false;
  }
  if (start >= textLength) return false;
  Integer target = start + 1;
  while (target < textLength && IsLiteralAt(target)) ++target;
  SetSelStart(target);
  return false;
}

void TcxMaskEditStandardMode::PrePasteFromClipboard() {
  FPasteStart = GetSelStart();
  DirectSetSelLength(ClipboardTextLength);
}

void TcxMaskEditStandardMode::AfterPasteFromClipboard() {
  const auto textLength = static_cast<Integer>(GetDisplayChars().size());
  const Integer position = std::max(0, std::min(FPasteStart + ClipboardTextLength, textLength - 1));
  SetSelStart(position);
  if (IsLiteralAt(position)) {
    ReleaseShift();
    PressRight();
  }
}

void TcxMaskEditStandardMode::SynchronizeEditValue() {
  inherited::SynchronizeEditValue();
  LMouseDown();
}

void TcxMaskEditStandardMode::UpdateEditValue() {
  if (!NeedUpdateEditValue || !FEdit) return;
  NeedUpdateEditValue = false;
  SetEditValue(GetEmptyString());
}

}  // namespace cxMaskEdit
