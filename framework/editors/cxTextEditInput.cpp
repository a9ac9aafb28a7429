// The text editor's keys, incremental search through the lookup items and the mouse wheel.
#include "Multibyte.h"
#include "WinInput.h"
#include "cxControlsUtils.h"
#include "Strings.h"
#include "cxControlsInternal.h"
#include "cxTextEdit.h"
#include "cxVariants.h"

namespace cxTextEdit {

namespace {
bool IsListEditingStyle(TcxEditEditingStyle AStyle) { return AStyle == esEditList || AStyle == esFixedList; }
}  // namespace

bool TcxCustomTextEdit::IsValidChar(char AChar) {
  return inherited::IsValidChar(AChar) || GetActiveProperties()->AcceptedChars.Contains(static_cast<unsigned char>(AChar));
}

bool TcxCustomTextEdit::CanKeyPressModifyEdit(char Key) {
  return Key == 8 || Key == 22 || Key == 24 || IsTextChar(Key);
}

bool TcxCustomTextEdit::CanKeyDownModifyEdit(Word Key, TShiftState Shift) {
  bool result = inherited::CanKeyDownModifyEdit(Key, Shift) || Key == VK_DELETE;
  if (GetActiveProperties()->UseLookupData() && FLookupData && !FLookupData->IsEmpty() &&
      GetScrollLookupDataList(escKeyboard)) {
    if (Key == VK_PRIOR || Key == VK_NEXT) result = !HasPopupWindow();
    else if (Key == VK_UP || Key == VK_DOWN) result = !Shift.Contains(ssAlt) && !HasPopupWindow();
  }
  return result;
}

void TcxCustomTextEdit::AfterLookupDataMoved(const TcxEditValue& APrevKey) {
  if (cxVariants::VarEqualsExact(APrevKey, FLookupData->GetCurrentKey())) return;
  DoClick();
  if (CanPostEditValue() && GetActiveProperties()->GetImmediatePost() && ValidateEdit(true)) InternalPostEditValue(false);
}

void TcxCustomTextEdit::ScrollLookupData(TcxEditLookupDataGoDirection ADirection) {
  const TcxEditValue prevKey = FLookupData->GetCurrentKey();
  {
    LockChangeEvents(true);
    LockClick(true);
    TFinally unlock([this] {
      LockClick(false);
      LockChangeEvents(false);
    });
    FLookupData->Go(ADirection, false);
  }
  AfterLookupDataMoved(prevKey);
}

void TcxCustomTextEdit::DoEditKeyDown(Word& Key, TShiftState Shift) {
  const TcxEditEditingStyle style = GetActiveProperties()->GetEditingStyle();
  if (style == esFixedList && !IsSpecialKey(Key, Shift) && (Key == VK_LEFT || Key == VK_RIGHT || Key == VK_DELETE)) {
    SetFindSelection(false);
    DoAfterKeyDown(Key, Shift);
    Key = 0;
    return;
  }
  IcxInnerTextEdit* inner = GetInnerTextEdit();
  if (inner) inner->SetInternalUpdating(true);
  const Word originalKey = Key;
  const bool hadFindSelection = FFindSelection;
  inherited::DoEditKeyDown(Key, Shift);
  if (originalKey == VK_RETURN && hadFindSelection) SelectAll();
  if (Key == 0) return;
  switch (Key) {
    case VK_LEFT:
    case VK_RIGHT:
      if (!Shift.Contains(ssShift) && GetSelLength() > 0) {
        const Integer start = GetSelStart(), length = GetSelLength();
        SetFindSelection(false);
        SetSelection(Key == VK_RIGHT ? start + length : start, 0);
        Key = 0;
      }
      SetFindSelection(false);
      break;
    case VK_DELETE:
      if (style == esEditList) {
        DoAfterKeyDown(Key, Shift);
        Key = 0;
      } else {
        SetFindSelection(false);
      }
      break;
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_UP:
    case VK_DOWN: {
      const bool homeEnd = Key == VK_HOME || Key == VK_END;
      if ((!homeEnd || style == esFixedList) && GetActiveProperties()->UseLookupData() &&
          GetScrollLookupDataList(escKeyboard) && FLookupData && !FLookupData->IsEmpty()) {
        const bool ctrl = Shift.Contains(ssCtrl);
        TcxEditLookupDataGoDirection direction = egdNext;
        switch (Key) {
          case VK_PRIOR: direction = ctrl ? egdBegin : egdPageUp; break;
          case VK_NEXT: direction = ctrl ? egdEnd : egdPageDown; break;
          case VK_END: direction = egdEnd; break;
          case VK_HOME: direction = egdBegin; break;
          case VK_UP: direction = egdPrev; break;
          default: direction = egdNext; break;
        }
        ScrollLookupData(direction);
        Key = 0;
      }
      if (!homeEnd && inner && !inner->GetMultiLine()) {
        if (Key != 0) DoAfterKeyDown(Key, Shift);
        Key = 0;
      }
      if (Key == VK_END && GetSelLength() == 0 && style != esFixedList) SetFindSelection(false);
      break;
    }
    default: break;
  }
  if (Key != 0 && inner) inner->SetInternalUpdating(false);
}

bool TcxCustomTextEdit::SearchLookupText(String AText) {
  IcxInnerTextEdit* inner = GetInnerTextEdit();
  const char imeChar = inner ? inner->GetImeLastChar() : 0;
  if (imeChar) AText += imeChar;
  String tail;
  const bool found = FLookupData->Locate(AText, tail, false);
  if (found && imeChar && !AText.empty()) {
    tail.insert(0, 1, AText.back());
    AText.pop_back();
  }
  FFindSelection = found;
  if (AText.empty()) {
    if (GetActiveProperties()->GetEditingStyle() != esFixedList) InternalSetDisplayValue(String());
    FFindSelection = false;
  }
  if (found) {
    GetDataBinding()->SetDisplayValue(AText + tail);
    SetSelection(static_cast<Integer>(AText.size()), static_cast<Integer>(tail.size()));
  }
  UpdateDrawValue();
  return found;
}

void TcxCustomTextEdit::DoEditKeyPress(char& Key) {
  IcxInnerTextEdit* inner = GetInnerTextEdit();
  if (inner) inner->SetInternalUpdating(true);
  inherited::DoEditKeyPress(Key);
  if (Key == 0) return;
  TcxCustomTextEditProperties* properties = GetActiveProperties();
  const TcxEditEditingStyle style = properties->GetEditingStyle();
  FLookupDataTextChangedLocked = false;
  const bool savedUserAction = IsUserAction();
  SetUserAction(true);
  TFinally restoreUser([this, savedUserAction] { SetUserAction(savedUserAction); });
  if (style == esFixedList && Key == 8 && !properties->GetFixedListSelection()) {
    SetFindSelection(false);
    Key = 0;
    return;
  }
  if (!FLookupData) {
    if (Key != 0 && inner) inner->SetInternalUpdating(false);
    return;
  }
  const TcxEditValue prevKey = FLookupData->GetCurrentKey();
  const bool hadFindSelection = FFindSelection;
  bool found = false;
  {
    LockClick(true);
    TFinally unlock([this] { LockClick(false); });
    const String text = VarToStr(GetDisplayValue());
    if (Key == 8 && properties->UseLookupData() && properties->CanIncrementalSearch()) {
      if (style == esEditList && !text.empty() && !FFindSelection) {
        const Integer caret = GetSelStart();
        SetSelection(caret, static_cast<Integer>(text.size()) - caret);
        FFindSelection = true;
      }
      if (FFindSelection) {
        String search = text.substr(0, static_cast<size_t>(GetSelStart()));
        if (!search.empty()) search.resize(static_cast<size_t>(CharPrev(search.c_str(), search.c_str() + search.size()) - search.c_str()));
        FLookupDataTextChangedLocked = true;
        found = SearchLookupText(search);
      }
      if (style == esFixedList) Key = 0;
    } else if (static_cast<unsigned char>(Key) >= 32 && properties->UseLookupData()) {
      const Integer selStart = GetSelStart(), selLength = GetSelLength();
      const bool caretAllows = IsListEditingStyle(style) || selLength > 0 || FFindSelection ||
                               selStart == static_cast<Integer>(text.size());
      if (properties->CanIncrementalSearch() && caretAllows) {
        FLookupDataTextChangedLocked = true;
        String search;
        if (selLength > 0) search = text.substr(0, static_cast<size_t>(selStart)) + Key;
        else if (style != esFixedList) search = text.substr(0, static_cast<size_t>(selStart)) + Key + text.substr(static_cast<size_t>(selStart));
        else if (FFindSelection) {
          found = SearchLookupText(text + Key);
          search = String(1, Key);
        } else search = String(1, Key);
        if (!found) found = SearchLookupText(search);
        if (style == esFixedList && !properties->GetFixedListSelection() && !found) found = SearchLookupText(String(1, Key));
      }
      if (IsListEditingStyle(style) && !found) {
        Key = 0;
        if ((style == esEditList && !text.empty()) || (style == esFixedList && properties->GetFixedListSelection() && hadFindSelection))
          FFindSelection = true;
      }
    }
  }
  if (properties->UseLookupData() && !cxVariants::VarEqualsExact(prevKey, FLookupData->GetCurrentKey())) DoClick();
  if (found) Key = 0;
  if (Key != 0 && inner) inner->SetInternalUpdating(false);
}

void TcxCustomTextEdit::KeyPress(char& Key) {
  if (Key == 27 && FEscapeFlag && !HasPopupWindow()) FEscapeFlag = false;
  inherited::KeyPress(Key);
}

bool TcxCustomTextEdit::DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) {
  if (inherited::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  if (!GetScrollLookupDataList(escMouseWheel) || HasPopupWindow() || !GetActiveProperties()->UseLookupData() ||
      !FLookupData || FLookupData->IsEmpty() || !HandleMouseWheel(Shift) || !DoEditing())
    return false;
  ScrollLookupData(WheelDelta > 0 ? egdPrev : egdNext);
  return true;
}

}  // namespace cxTextEdit
