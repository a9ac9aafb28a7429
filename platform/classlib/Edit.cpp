// The edit control over the EDIT class: its style bits follow the properties (a change of style
// recreates the window), the text's changes come back as EN_CHANGE and fire OnChange, and the
// selection, clipboard and undo commands are the class's messages.
#include <algorithm>

#include "Forms.h"
#include "StdCtrls.h"
#include "Strings.h"
#include "WinControls.h"
#include "WinMetrics.h"
#include "WinUser.h"

namespace StdCtrls {

IMPLEMENT_CLASS(TCustomEdit)

IMPLEMENT_CLASS_PUBLISHED(TEdit) {
  d.Property("Align", &TEdit::GetAlign, &TEdit::SetAlign).Default(alNone);
  d.Property("Anchors", &TEdit::GetAnchors, &TEdit::SetAnchors).Default(TAnchors{akLeft, akTop});
  d.Property("AutoSelect", &TEdit::GetAutoSelect, &TEdit::SetAutoSelect).Default(true);
  d.Property("AutoSize", &TEdit::GetAutoSize, &TEdit::SetAutoSize).Default(true);
  d.Property("BorderStyle", &TEdit::GetBorderStyle, &TEdit::SetBorderStyle).Default(bsSingle);
  d.Property("CharCase", &TEdit::GetCharCase, &TEdit::SetCharCase).Default(ecNormal);
  d.Property("Color", &TEdit::GetColor, &TEdit::SetColor).Default(clWindow).Type(ColorTypeInfo()).Stored(&TEdit::IsColorStored);
  d.Property("Enabled", &TEdit::GetEnabled, &TEdit::SetEnabled).Default(true);
  d.Property("Font", &TEdit::GetFont, &TEdit::SetFont).Stored(&TEdit::IsFontStored);
  d.Property("HideSelection", &TEdit::GetHideSelection, &TEdit::SetHideSelection).Default(true);
  d.Property("ImeMode", &TEdit::GetImeMode, &TEdit::SetImeMode).Default(imDontCare);
  d.Property("ImeName", &TEdit::GetImeName, &TEdit::SetImeName);
  d.Property("MaxLength", &TEdit::GetMaxLength, &TEdit::SetMaxLength).Default(0);
  d.Property("OEMConvert", &TEdit::GetOEMConvert, &TEdit::SetOEMConvert).Default(false);
  d.Property("ParentColor", &TEdit::GetParentColor, &TEdit::SetParentColor).Default(false);
  d.Property("ParentFont", &TEdit::GetParentFont, &TEdit::SetParentFont).Default(true);
  d.Property("ParentShowHint", &TEdit::GetParentShowHint, &TEdit::SetParentShowHint).Default(true);
  d.Property("PasswordChar", &TEdit::GetPasswordChar, &TEdit::SetPasswordChar).Default(0);
  d.Property("ReadOnly", &TEdit::GetReadOnly, &TEdit::SetReadOnly).Default(false);
  d.Property("ShowHint", &TEdit::GetShowHint, &TEdit::SetShowHint);
  d.Property("TabOrder", &TEdit::GetTabOrder, &TEdit::SetTabOrder).Default(-1);
  d.Property("TabStop", &TEdit::GetTabStop, &TEdit::SetTabStop).Default(true);
  d.Property("Text", &TEdit::GetText, &TEdit::SetText);
  d.Property("Visible", &TEdit::GetVisible, &TEdit::SetVisible).Default(true);
  d.Property("OnChange", &TEdit::GetOnChange, &TEdit::SetOnChange);
  d.Property("OnClick", &TEdit::GetOnClick, &TEdit::SetOnClick);
  d.Property("OnDblClick", &TEdit::GetOnDblClick, &TEdit::SetOnDblClick);
  d.Property("OnEnter", &TEdit::GetOnEnter, &TEdit::SetOnEnter);
  d.Property("OnExit", &TEdit::GetOnExit, &TEdit::SetOnExit);
  d.Property("OnKeyDown", &TEdit::GetOnKeyDown, &TEdit::SetOnKeyDown);
  d.Property("OnKeyPress", &TEdit::GetOnKeyPress, &TEdit::SetOnKeyPress);
  d.Property("OnKeyUp", &TEdit::GetOnKeyUp, &TEdit::SetOnKeyUp);
  d.Property("OnMouseDown", &TEdit::GetOnMouseDown, &TEdit::SetOnMouseDown);
  d.Property("OnMouseMove", &TEdit::GetOnMouseMove, &TEdit::SetOnMouseMove);
  d.Property("OnMouseUp", &TEdit::GetOnMouseUp, &TEdit::SetOnMouseUp);
}

void TCustomEdit::Construct() {
  inherited::Construct();
  ControlStyle = {csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight};
  SetBounds(FLeft, FTop, 121, 25);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

void TCustomEdit::CreateParams(TCreateParams& Params) {
  static constexpr DWORD CharCases[] = {0, ES_UPPERCASE, ES_LOWERCASE};
  inherited::CreateParams(Params);
  CreateSubClass(Params, "EDIT");
  Params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL | CharCases[FCharCase];
  if (FPasswordChar) Params.Style |= ES_PASSWORD;
  if (FReadOnly) Params.Style |= ES_READONLY;
  if (!FHideSelection) Params.Style |= ES_NOHIDESEL;
  if (FOEMConvert) Params.Style |= ES_OEMCONVERT;
  if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd() {
  // The window's first EN_CHANGE (from its caption) is no change of the user's text.
  FCreating = true;
  try {
    inherited::CreateWnd();
  } catch (...) {
    FCreating = false;
    throw;
  }
  FCreating = false;
  DoSetMaxLength(FMaxLength);
  SendMessage(FHandle, EM_SETMODIFY, FModified, 0);
  if (FPasswordChar) SendMessage(FHandle, EM_SETPASSWORDCHAR, static_cast<unsigned char>(FPasswordChar), 0);
  UpdateHeight();
}

void TCustomEdit::DestroyWnd() {
  FModified = GetModified();
  inherited::DestroyWnd();
}

void TCustomEdit::DoSetMaxLength(Integer Value) { SendMessage(FHandle, EM_LIMITTEXT, static_cast<WPARAM>(Value), 0); }

void TCustomEdit::SetAutoSize(bool Value) {
  if (FAutoSize == Value) return;
  FAutoSize = Value;
  UpdateHeight();
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  UpdateHeight();
  RecreateWnd();
}

void TCustomEdit::SetCharCase(TEditCharCase Value) {
  if (FCharCase == Value) return;
  FCharCase = Value;
  RecreateWnd();
  // The text already there takes the new case too.
  if (Value == ecUpperCase) SetText(AnsiUpperCase(GetText()));
  else if (Value == ecLowerCase) SetText(AnsiLowerCase(GetText()));
}

void TCustomEdit::SetHideSelection(bool Value) {
  if (FHideSelection == Value) return;
  FHideSelection = Value;
  RecreateWnd();
}

void TCustomEdit::SetMaxLength(Integer Value) {
  if (FMaxLength == Value) return;
  FMaxLength = std::max(0, Value);
  if (HandleAllocated()) DoSetMaxLength(FMaxLength);
}

void TCustomEdit::SetOEMConvert(bool Value) {
  if (FOEMConvert == Value) return;
  FOEMConvert = Value;
  RecreateWnd();
}

void TCustomEdit::SetPasswordChar(Char Value) {
  if (FPasswordChar == Value) return;
  FPasswordChar = Value;
  if (HandleAllocated()) {
    SendMessage(FHandle, EM_SETPASSWORDCHAR, static_cast<unsigned char>(FPasswordChar), 0);
    InvalidateRect(FHandle, nullptr, TRUE);
  }
}

void TCustomEdit::SetReadOnly(bool Value) {
  if (FReadOnly == Value) return;
  FReadOnly = Value;
  if (HandleAllocated()) SendMessage(FHandle, EM_SETREADONLY, Value, 0);
}

bool TCustomEdit::GetModified() {
  if (!HandleAllocated()) return FModified;
  return SendMessage(FHandle, EM_GETMODIFY, 0, 0) != 0;
}

void TCustomEdit::SetModified(bool Value) {
  if (HandleAllocated()) SendMessage(FHandle, EM_SETMODIFY, Value, 0);
  else FModified = Value;
}

bool TCustomEdit::CanUndo() { return HandleAllocated() && SendMessage(FHandle, EM_CANUNDO, 0, 0) != 0; }

// ---- Selection and commands -------------------------------------------------------------------------
Integer TCustomEdit::GetSelStart() {
  DWORD start = 0, end = 0;
  SendMessage(GetHandle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<Integer>(start);
}

void TCustomEdit::SetSelStart(Integer Value) { SendMessage(GetHandle(), EM_SETSEL, static_cast<WPARAM>(Value), Value); }

Integer TCustomEdit::GetSelLength() {
  DWORD start = 0, end = 0;
  SendMessage(GetHandle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<Integer>(end - start);
}

void TCustomEdit::SetSelLength(Integer Value) {
  DWORD start = 0, end = 0;
  SendMessage(GetHandle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  SendMessage(FHandle, EM_SETSEL, start, static_cast<LPARAM>(start) + std::max(0, Value));
  SendMessage(FHandle, EM_SCROLLCARET, 0, 0);
}

String TCustomEdit::GetSelText() {
  String text = GetText();
  auto start = static_cast<size_t>(GetSelStart());
  if (start >= text.size()) return String();
  return text.substr(start, static_cast<size_t>(GetSelLength()));
}

void TCustomEdit::SetSelText(const String& Value) {
  SendMessage(GetHandle(), EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(Value.c_str()));
}

void TCustomEdit::SelectAll() { SendMessage(GetHandle(), EM_SETSEL, 0, -1); }
void TCustomEdit::ClearSelection() { SendMessage(GetHandle(), WM_CLEAR, 0, 0); }
void TCustomEdit::Clear() { SetText(String()); }
void TCustomEdit::ClearUndo() { SendMessage(GetHandle(), EM_EMPTYUNDOBUFFER, 0, 0); }
void TCustomEdit::Undo() { SendMessage(GetHandle(), WM_UNDO, 0, 0); }
void TCustomEdit::CopyToClipboard() { SendMessage(GetHandle(), WM_COPY, 0, 0); }
void TCustomEdit::CutToClipboard() { SendMessage(GetHandle(), WM_CUT, 0, 0); }
void TCustomEdit::PasteFromClipboard() { SendMessage(GetHandle(), WM_PASTE, 0, 0); }

void TCustomEdit::Change() {
  inherited::Changed();
  if (OnChange) OnChange(this);
}

// ---- Height -----------------------------------------------------------------------------------------
// An automatically sized edit with a border is as high as its font's cell plus the border and a
// margin; it keeps that height (csFixedHeight).
void TCustomEdit::UpdateHeight() {
  if (FAutoSize && FBorderStyle == bsSingle) {
    ControlStyle.Include(csFixedHeight);
    AdjustHeight();
  } else {
    ControlStyle.Exclude(csFixedHeight);
  }
}

void TCustomEdit::AdjustHeight() {
  SetHeight(FontCellHeight(FFont) + GetSystemMetrics(SM_CYBORDER) * 8);
}

// ---- Messages ---------------------------------------------------------------------------------------
void TCustomEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      if (Message.WParamHi() == EN_CHANGE && !FCreating) Change();
      return;
    case CM_ENTER:
      // Tabbing into a one-line edit selects its text; a click places the caret instead.
      if (FAutoSelect && !ControlState.Contains(csLButtonDown) && HandleAllocated() &&
          !(GetWindowLong(FHandle, GWL_STYLE) & ES_MULTILINE))
        SelectAll();
      inherited::Dispatch(Message);
      return;
    case CM_FONTCHANGED:
      inherited::Dispatch(Message);
      if (HandleAllocated()) UpdateHeight();
      return;
    default: inherited::Dispatch(Message);
  }
}

}  // namespace StdCtrls
