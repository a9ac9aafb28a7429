// The text editor control: life, settings changes, the synchronisation of edit value, display value
// and drawn text, selection and clipboard, the inner edit's placement and the window-text messages.
#include <algorithm>

#include "Clipbrd.h"
#include "DateFormat.h"
#include "Exceptions.h"
#include "FloatFormat.h"
#include "FormatSettings.h"
#include "Messages.h"
#include "Multibyte.h"
#include "WinUser.h"
#include "cxContainerUtils.h"
#include "cxEditDataBinding.h"
#include "cxGraphicsCanvas.h"
#include "Strings.h"
#include "cxControlsInternal.h"
#include "cxTextEdit.h"
#include "cxTextEditPublished.h"
#include "cxVariants.h"

namespace cxTextEdit {

IMPLEMENT_CLASS(TcxCustomTextEdit)

IMPLEMENT_CLASS_PUBLISHED(TcxTextEdit) { DescribeTextEditControl<TcxTextEdit>(d, false); }

TClass TcxCustomTextEdit::GetPropertiesClass() { return TcxCustomTextEditProperties::StaticClass(); }
TClass TcxTextEdit::GetPropertiesClass() { return TcxTextEditProperties::StaticClass(); }
TClass TcxCustomTextEdit::GetInnerEditClass() { return TcxCustomInnerTextEdit::StaticClass(); }

IcxInnerTextEdit* TcxCustomTextEdit::GetInnerTextEdit() const {
  return GetInnerEdit() ? dynamic_cast<IcxInnerTextEdit*>(GetInnerEdit()) : nullptr;
}

// ---- Life -------------------------------------------------------------------------------------------------------
void TcxCustomTextEdit::Initialize() {
  inherited::Initialize();
  SetBeepOnEnter(true);
  FFindSelection = false;
  if (IcxInnerTextEdit* inner = GetInnerTextEdit()) {
    inner->GetControl()->SetColor(clWindow);
    inner->SetOnSelChange(TNotifyEvent(this, &TcxCustomTextEdit::SelChange));
  }
  SetBounds(GetLeft(), GetTop(), 121, 21);
  if (TClass lookupClass = GetActiveProperties()->GetLookupDataClass()) {
    FLookupData = TcxCustomTextEditLookupData::Create(lookupClass, this);
    FLookupData->OnSelectItem = TNotifyEvent(this, &TcxCustomTextEdit::HandleSelectItem);
  }
  cxFormatController()->AddListener(this);
}

void TcxCustomTextEdit::Destroy() {
  if (GetInnerEdit()) FSavedText = GetText();
  FPropertiesGone = true;
  cxFormatController()->RemoveListener(this);
  FreeAndNil(FLookupData);
  inherited::Destroy();
}

void TcxCustomTextEdit::FormatChanged() {
  GetActiveProperties()->FormatChanged();
  SynchronizeDisplayValue();
}

void TcxCustomTextEdit::Loaded() {
  inherited::Loaded();
  ShortRefreshContainer(false);
}

bool TcxCustomTextEdit::RefreshContainer(const TPoint& P, TcxMouseButton Button, TShiftState Shift,
                                         bool AIsMouseEvent) {
  if (!HandleAllocated() || IsDestroying()) return false;
  const bool changed = inherited::RefreshContainer(P, Button, Shift, AIsMouseEvent);
  if (changed) AdjustInnerEdit();
  return changed;
}

bool TcxCustomTextEdit::IsEditClass() {
  if (FHideInnerEdit) return false;
  if (FShowInnerEdit) return true;
  const TcxEditEditingStyle style = GetActiveProperties()->GetEditingStyle();
  return (style == esEdit || style == esEditList) && !GetActiveProperties()->IsChanging() && !IsDesigning() &&
         (IsActiveControl() || GetActiveProperties()->GetAlignment()->GetHorz() == taLeftJustify);
}

// ---- Settings ---------------------------------------------------------------------------------------------------
void TcxCustomTextEdit::PropertiesChanged(TObject* Sender) {
  if (IsPropertiesChangesLocked()) return;
  TcxCustomTextEditProperties* properties = GetActiveProperties();
  IcxInnerTextEdit* inner = GetInnerTextEdit();
  if (inner) inner->SetAlignment(properties->GetAlignment()->GetHorz());
  if (FLookupData) {
    FLookupData->PropertiesChanged();
    if (!FLookupDataTextChangedLocked) FLookupData->TextChanged();
  }
  if (!IsEditClass()) UpdateDrawValue();
  if (inner) {
    inner->SetAlignment(properties->GetAlignment()->GetHorz());
    inner->SetAutoSelect(properties->GetAutoSelect() && !IsInplace());
    inner->SetCharCase(properties->GetCharCase());
    inner->SetEchoMode(properties->GetEchoMode());
    inner->SetHideSelection(properties->GetHideSelection());
    inner->SetImeMode(properties->GetImeMode());
    inner->SetImeName(properties->GetImeName());
    inner->SetMaxLength(properties->GetInnerEditMaxLength());
    inner->SetOEMConvert(properties->GetOEMConvert());
    inner->SetPasswordChar(properties->GetPasswordChar());
  }
  CheckEditValue();
  if (!FPostingNow) UpdateDisplayValue();
  UpdateDrawValue();
  inherited::PropertiesChanged(Sender);
  if (inner) inner->GetControl()->Invalidate();
}

void TcxCustomTextEdit::CheckEditValue() {
  TcxCustomTextEditProperties* properties = GetActiveProperties();
  if (GetDataBinding()->CanCheckEditorValue() && properties->IsEditValueNumeric() && !properties->IsChanging() &&
      properties->IsValueBoundsDefined())
    CheckEditorValueBounds();
}

void TcxCustomTextEdit::UpdateDisplayValue() {
  if (IsPropertiesChangesLocked()) return;
  const TcxEditEditingStyle style = GetActiveProperties()->GetEditingStyle();
  if (style != esEditList && style != esFixedList) {
    if (!FModifiedAfterEnter) GetDataBinding()->UpdateDisplayValue();
    return;
  }
  if ((FModifiedAfterEnter && !FValidated) || NeedResetInvalidTextWhenPropertiesChanged()) {
    TcxEditValue value = GetDisplayValue();
    if (!GetActiveProperties()->IsDisplayValueValid(value, InternalFocused())) {
      SaveModified();
      TFinally restore([this] { RestoreModified(); });
      InternalSetDisplayValue(GetActiveProperties()->DefaultFocusedDisplayValue());
    }
    if (!FModifiedAfterEnter) SynchronizeEditValue();
  } else {
    SynchronizeDisplayValue();
  }
}

bool TcxCustomTextEdit::NeedResetInvalidTextWhenPropertiesChanged() {
  return !IsInplace() && !GetDataBinding()->GetIDefaultValuesProvider()->IsDataStorage();
}

// ---- Values -----------------------------------------------------------------------------------------------------
TcxEditValue TcxCustomTextEdit::GetDisplayValue() {
  IcxInnerTextEdit* inner = GetInnerTextEdit();
  return inner ? VarToStr(inner->GetEditValue()) : String();
}

void TcxCustomTextEdit::SetInternalDisplayValue(const TcxEditValue& Value) {
  if (IcxInnerTextEdit* inner = GetInnerTextEdit()) inner->SetEditValue(Value);
}

String TcxCustomTextEdit::GetText() {
  if (FPropertiesGone) return FSavedText;
  return InternalGetText();
}

void TcxCustomTextEdit::SetText(const String& Value) { InternalSetText(Value); }

bool TcxCustomTextEdit::InternalSetText(const String& Value) {
  TcxEditValue value = Value;
  if (!GetActiveProperties()->IsDisplayValueValid(value, InternalFocused())) return false;
  if (IsUserAction() && !DoEditing()) return false;
  InternalSetDisplayValue(value);
  return true;
}

void TcxCustomTextEdit::SetEditingText(const String& Value) {
  if (!DoEditing()) return;
  SetWindowText(GetHandle(), Value.c_str());
  SetModifiedAfterEnter(true);
}

void TcxCustomTextEdit::InternalSetDisplayValue(const TcxEditValue& Value) {
  GetDataBinding()->SetDisplayValue(Value);
  // The inner edit tells of its changes only once its window exists; the drawn text follows anyway.
  if (!GetInnerEdit() || !GetInnerEdit()->GetControl()->HandleAllocated()) UpdateDrawValue();
  if (IsUserAction()) return;
  ResetOnNewDisplayValue();
  SynchronizeEditValue();
  SetModified(false);
}

void TcxCustomTextEdit::ResetOnNewDisplayValue() {
  if (GetActiveProperties()->UseLookupData()) SetFindSelection(false);
}

void TcxCustomTextEdit::SynchronizeDisplayValue() {
  TcxCustomTextEditProperties* properties = GetActiveProperties();
  TcxEditValue displayValue;
  const bool focused = InternalFocused();
  TcxEditValue editValue = GetEditValue();
  if (properties->CanValidate()) {
    if (properties->IsEditValueValid(editValue, focused)) {
      PrepareDisplayValue(GetEditValue(), displayValue, focused);
    } else if (focused) {
      displayValue = properties->DefaultFocusedDisplayValue();
    } else {
      try {
        displayValue = VarIsType(editValue, varDate) ? DateTimeToStr(VarToDateTime(editValue)) : VarToStr(editValue);
      } catch (const EVariantError&) {
        displayValue = String();
      }
    }
  } else {
    PrepareDisplayValue(GetEditValue(), displayValue, focused);
  }
  SaveModified();
  FDisplayValueSynchronizing = true;
  TFinally done([this] {
    FDisplayValueSynchronizing = false;
    RestoreModified();
    ResetOnNewDisplayValue();
    UpdateDrawValue();
  });
  GetDataBinding()->SetDisplayValue(displayValue);
}

void TcxCustomTextEdit::SynchronizeEditValue() {
  TcxCustomTextEditProperties* properties = GetActiveProperties();
  if (!properties->CanCompareEditValue()) return;
  const TcxEditValue prev = FEditValue;
  PrepareEditValue(GetDisplayValue(), FEditValue, InternalFocused());
  if (IsUserAction()) SetModifiedAfterEnter(true);
  else SetModified(false);
  if (!cxVariants::VarEqualsExact(prev, FEditValue)) {
    DoEditValueChanged();
    if (!properties->HasDisplayValue()) DoChange();
  }
}

void TcxCustomTextEdit::InternalValidateDisplayValue(const TcxEditValue& ADisplayValue) {
  if (GetActiveProperties()->GetEditingStyle() == esEdit && FLookupData && !FLookupData->Find(VarToStr(ADisplayValue)))
    DoOnNewLookupDisplayText(VarToStr(ADisplayValue));
  inherited::InternalValidateDisplayValue(ADisplayValue);
}

void TcxCustomTextEdit::DoOnNewLookupDisplayText(const String& AText) {
  if (GetProperties()->OnNewLookupDisplayText) GetProperties()->OnNewLookupDisplayText(this, AText);
  if (GetRepositoryItem() && GetActiveProperties()->OnNewLookupDisplayText)
    GetActiveProperties()->OnNewLookupDisplayText(this, AText);
}

void TcxCustomTextEdit::ChangeHandler(TObject* Sender) {
  {
    LockChangeEvents(true);
    TFinally unlock([this] { LockChangeEvents(false); });
    inherited::ChangeHandler(Sender);
  }
  auto* viewInfo = dynamic_cast<TcxCustomTextEditViewInfo*>(GetViewInfo());
  if (!viewInfo || !viewInfo->IsEditClass) UpdateDrawValue();
  if (Focused() && GetActiveProperties()->IsEditValueNumeric() &&
      GetActiveProperties()->HasDigitGrouping(FDisplayValueSynchronizing))
    SeparateDigitGroups();
}

void TcxCustomTextEdit::SeparateDigitGroups() {
  String text = GetText();
  InsertThousandSeparator(text);
  String plain = text;
  RemoveThousandSeparator(plain);
  Extended number;
  if (!TryStrToFloat(plain, number)) return;
  const String current = GetText();
  const Integer caret = std::min(GetSelStart(), static_cast<Integer>(current.size()));
  const auto digits = std::count_if(current.begin(), current.begin() + caret,
                                    [](char c) { return c != FormatSettings.ThousandSeparator; });
  SetInternalDisplayValue(text);
  Integer pos = 0;
  for (Integer seen = 0; pos < static_cast<Integer>(text.size()) && seen < digits; ++pos)
    if (text[static_cast<size_t>(pos)] != FormatSettings.ThousandSeparator) ++seen;
  SetSelStart(pos);
}

void TcxCustomTextEdit::UpdateDrawValue() {
  auto* viewInfo = dynamic_cast<TcxCustomTextEditViewInfo*>(GetViewInfo());
  if (!viewInfo || !GetActiveProperties()) return;
  TOwnedPtr<TcxCustomEditViewData> viewData(GetActiveProperties()->CreateViewData(GetEditActiveStyle(), IsInplace()));
  viewData->Edit = this;
  static_cast<TcxCustomTextEditViewData*>(viewData.get())->DisplayValueToDrawValue(GetDisplayValue(), viewInfo);
  if (!HandleAllocated()) return;
  CalculateViewInfo(false);
  PrepareFindSelectionDrawing();
  ::InvalidateRect(GetHandle(), nullptr, FALSE);
}

void TcxCustomTextEdit::PrepareFindSelectionDrawing() {
  auto* viewInfo = static_cast<TcxCustomTextEditViewInfo*>(GetViewInfo());
  const TcxEditEditingStyle style = GetActiveProperties()->GetEditingStyle();
  if (style != esFixedList && style != esNoEdit) return;
  if (style == esNoEdit || !FFindSelection || !GetActiveProperties()->GetFixedListSelection()) {
    viewInfo->SelLength = 0;
    return;
  }
  IcxInnerTextEdit* inner = GetInnerTextEdit();
  if (!inner) return;
  if (viewInfo->DrawSelectionBar) {
    viewInfo->SelStart = 0;
    viewInfo->SelLength = inner->GetSelStart();
    viewInfo->SelBackgroundColor = clHighlightText;
    viewInfo->SelTextColor = clHighlight;
  } else {
    viewInfo->SelStart = inner->GetSelStart();
    viewInfo->SelLength = inner->GetSelLength();
    viewInfo->SelBackgroundColor = clHighlight;
    viewInfo->SelTextColor = clHighlightText;
  }
}

void TcxCustomTextEdit::SetFindSelection(bool Value) {
  if (!HandleAllocated() || FFindSelection == Value) return;
  FFindSelection = Value;
  CalculateViewInfo(false);
  UpdateDrawValue();
}

// ---- Selection and clipboard ------------------------------------------------------------------------------------
namespace {
bool IsNoSelectionStyle(TcxEditEditingStyle AStyle, bool AFindSelection) {
  return AStyle == esNoEdit || (AStyle == esFixedList && !AFindSelection);
}
}  // namespace

Integer TcxCustomTextEdit::GetSelStart() {
  IcxInnerTextEdit* inner = GetInnerTextEdit();
  if (!inner || IsNoSelectionStyle(GetActiveProperties()->GetEditingStyle(), FFindSelection)) return 0;
  return inner->GetSelStart();
}

Integer TcxCustomTextEdit::GetSelLength() {
  IcxInnerTextEdit* inner = GetInnerTextEdit();
  if (!inner || IsNoSelectionStyle(GetActiveProperties()->GetEditingStyle(), FFindSelection)) return 0;
  return inner->GetSelLength();
}

String TcxCustomTextEdit::GetSelText() {
  IcxInnerTextEdit* inner = GetInnerTextEdit();
  if (!inner || IsNoSelectionStyle(GetActiveProperties()->GetEditingStyle(), FFindSelection)) return "";
  return inner->GetSelText();
}

void TcxCustomTextEdit::SetSelStart(Integer Value) {
  IcxInnerTextEdit* inner = GetInnerTextEdit();
  if (inner && GetActiveProperties()->GetEditingStyle() != esNoEdit) inner->SetSelStart(Value);
}

void TcxCustomTextEdit::SetSelLength(Integer Value) {
  IcxInnerTextEdit* inner = GetInnerTextEdit();
  if (inner && GetActiveProperties()->GetEditingStyle() != esNoEdit) inner->SetSelLength(Value);
}

void TcxCustomTextEdit::SetSelection(Integer AStart, Integer ALength) {
  SetSelStart(AStart);
  SetSelLength(ALength);
}

void TcxCustomTextEdit::SelectAll() {
  if (IcxInnerTextEdit* inner = GetInnerTextEdit()) inner->SelectAll();
}

Integer TcxCustomTextEdit::GetCursorPos() {
  auto* inner = dynamic_cast<TcxCustomInnerTextEdit*>(GetInnerControl());
  return inner ? inner->GetCursorPos() : 0;
}

void TcxCustomTextEdit::ClearSelection() {
  if (GetSelLength() == 0) return;
  WithUserAction(Focused(), [this] {
    const Integer start = GetSelStart();
    String text = VarToStr(GetDisplayValue());
    text.erase(static_cast<size_t>(start), static_cast<size_t>(GetSelLength()));
    if (InternalSetText(text)) SetSelStart(start);
  });
}

bool TcxCustomTextEdit::CanChangeSelText(const String& Value, String& NewText, Integer& NewSelStart) {
  const TcxEditEditingStyle style = GetActiveProperties()->GetEditingStyle();
  const bool user = IsUserAction();
  if (user && style == esNoEdit) return false;
  if (style == esFixedList || style == esNoEdit) SelectAll();
  const String text = VarToStr(GetDisplayValue());
  const auto start = static_cast<size_t>(std::clamp<Integer>(GetSelStart(), 0, static_cast<Integer>(text.size())));
  const auto end = std::min(text.size(), start + static_cast<size_t>(std::max<Integer>(0, GetSelLength())));
  const Integer maxLength = GetActiveProperties()->GetMaxLength();
  if (user && style == esEdit && maxLength > 0) {
    // The limit counts characters; a character is never cut in two.
    NewText = text.substr(0, start) + Value;
    const Integer caret = std::min(StrCharLength(NewText), maxLength);
    NewSelStart = CharToByteLen(NewText, caret);
    if (NewSelStart < static_cast<Integer>(start)) return false;
    NewText += text.substr(end);
    NewText.resize(static_cast<size_t>(CharToByteLen(NewText, std::min(StrCharLength(NewText), maxLength))));
  } else {
    NewText = style == esFixedList ? Value : text.substr(0, start) + Value + text.substr(end);
    NewSelStart = static_cast<Integer>(start + Value.size());
  }
  TcxEditValue value = NewText;
  if (!GetActiveProperties()->IsDisplayValueValid(value, InternalFocused())) return false;
  if (user && !DoEditing()) return false;
  NewText = VarToStr(value);
  return true;
}

void TcxCustomTextEdit::SetSelText(const String& Value) {
  WithUserAction(Focused(), [this, &Value] {
    String newText;
    Integer newSelStart = 0;
    if (!CanChangeSelText(Value, newText, newSelStart)) return;
    InternalSetDisplayValue(newText);
    SetSelStart(newSelStart);
  });
}

void TcxCustomTextEdit::CopyToClipboard() {
  const TcxEditEditingStyle style = GetActiveProperties()->GetEditingStyle();
  if (style == esFixedList || style == esNoEdit) SelectAll();
  if (GetSelLength() > 0) GetInnerTextEdit()->CopyToClipboard();
}

void TcxCustomTextEdit::CutToClipboard() {
  if (GetSelLength() == 0) return;
  if (Focused()) {
    WithUserAction(true, [this] {
      String newText;
      Integer newSelStart = 0;
      if (CanChangeSelText("", newText, newSelStart)) GetInnerTextEdit()->CallDefWndProc(WM_CUT, 0, 0);
    });
  } else {
    GetInnerTextEdit()->CopyToClipboard();
    SetSelText("");
  }
}

void TcxCustomTextEdit::PasteFromClipboard() {
  if (!Clipboard()->HasFormat(CF_TEXT)) return;
  const String text = Clipboard()->GetAsText();
  if (Focused()) {
    WithUserAction(true, [this, &text] {
      String newText;
      Integer newSelStart = 0;
      if (CanChangeSelText(text, newText, newSelStart)) GetInnerTextEdit()->CallDefWndProc(WM_PASTE, 0, 0);
    });
  } else {
    SetSelText(text);
  }
}

// ---- Lookup items ---------------------------------------------------------------------------------------------------
Integer TcxCustomTextEdit::LookupKeyToItemIndex(const TcxEditValue& AKey) { return VarIsNull(AKey) ? -1 : AKey.ToInteger(); }

TcxEditValue TcxCustomTextEdit::LookupKeyToEditValue(const TcxEditValue& AKey) {
  TcxEditValue value;
  PrepareEditValue(FLookupData->GetDisplayText(AKey), value, InternalFocused());
  return value;
}

Integer TcxCustomTextEdit::GetItemIndex() { return FLookupData ? LookupKeyToItemIndex(FLookupData->GetCurrentKey()) : -1; }

TObject* TcxCustomTextEdit::GetItemObject() {
  const Integer index = GetItemIndex();
  return index == -1 ? nullptr : GetActiveProperties()->GetLookupItems()->GetObjects(index);
}

void TcxCustomTextEdit::SetItemObject(TObject* Value) {
  TStrings* items = GetActiveProperties()->GetLookupItems();
  for (Integer i = 0; i < items->GetCount(); ++i)
    if (items->GetObjects(i) == Value) return SetItemIndex(i);
}

void TcxCustomTextEdit::SetItemIndex(Integer Value) {
  if (!FLookupData) return;
  const Integer prevIndex = GetItemIndex();
  {
    LockClick(true);
    TFinally unlock([this] { LockClick(false); });
    FLookupData->SetCurrentKey(ItemIndexToLookupKey(Value));
    const TcxEditValue value = LookupKeyToEditValue(FLookupData->GetCurrentKey());
    if (!cxVariants::VarEqualsExact(value, GetEditValue())) SetEditValue(value);
  }
  if (GetItemIndex() != prevIndex) {
    SetModified(false);
    DoClick();
  }
}

void TcxCustomTextEdit::HandleSelectItem(TObject*) {
  const TcxEditValue value = LookupKeyToEditValue(FLookupData->GetCurrentKey());
  const bool changed = !cxVariants::VarEqualsExact(value, GetEditValue());
  if (changed && !DoEditing()) return;
  SaveModified();
  const bool locked = FLookupDataTextChangedLocked;
  FLookupDataTextChangedLocked = true;
  {
    TFinally restore([this, locked] {
      FLookupDataTextChangedLocked = locked;
      RestoreModified();
    });
    SetInternalEditValue(value);
  }
  if (changed) SetModifiedAfterEnter(true);
  SelectAll();
  ShortRefreshContainer(false);
}

// ---- Layout ---------------------------------------------------------------------------------------------------------
Integer TcxCustomTextEdit::GetInnerEditHeight() {
  TcxScreenCanvas* canvas = cxScreenCanvas();
  canvas->SetFont(GetInnerEdit()->GetControl()->GetFont());
  return canvas->TextHeight("Zg");
}

void TcxCustomTextEdit::FillSizeProperties(TcxEditSizeProperties& AEditSizeProperties) {
  if (!GetViewInfo()) return;
  AEditSizeProperties = DefaultcxEditSizeProperties;
  AEditSizeProperties.MaxLineCount = 1;
}

TcxContainerInnerControlBounds TcxCustomTextEdit::GetInnerControlBounds(const TRect& AInnerControlsRegion,
                                                                        TControl* AInnerControl) {
  if (IsEditClass()) return inherited::GetInnerControlBounds(AInnerControlsRegion, AInnerControl);
  // An empty region hides the inner edit: the editor draws the text itself.
  return TcxContainerInnerControlBounds{false, TRect()};
}

void TcxCustomTextEdit::AdjustInnerEditPosition() {
  if (FPositioning || !GetInnerEdit()) return;
  FPositioning = true;
  TFinally done([this] { FPositioning = false; });
  TcxCustomEditViewInfo* viewInfo = GetViewInfo();
  const TRect client = viewInfo->ClientRect;
  const TRect margins = EditContentDefaultOffsets[IsInplace() ? 1 : 0];
  const Integer height = GetInnerEditHeight();
  Integer top = client.top + margins.top;
  switch (GetActiveProperties()->GetAlignment()->GetVert()) {
    case taBottomJustify: top = std::max(top, client.bottom - height - margins.bottom); break;
    case taVCenter:
      top = std::max(top, client.top + margins.top + (client.Height() - margins.top - margins.bottom - height) / 2);
      break;
    default: break;
  }
  TWinControl* inner = GetInnerEdit()->GetControl();
  const TRect bounds(client.left + margins.left, top,
                     client.left + margins.left + client.Width() - margins.left - margins.right + 1, top + height);
  if (inner->GetBoundsRect() != bounds) inner->SetBoundsRect(bounds);
  TRect r = client;
  if (IsInplace()) r = TRect(r.left, r.top + 1, r.right, r.bottom - 1);
  AlignControls(inner, r);
}

void TcxCustomTextEdit::AdjustInnerEdit() {
  if (FIsCreating || !GetInnerEdit()) return;
  GetInnerEdit()->LockBounds(true);
  TFinally unlock([this] { GetInnerEdit()->LockBounds(false); });
  TWinControl* inner = GetInnerEdit()->GetControl();
  inner->SetColor(GetViewInfo()->GetBackgroundColor());
  inner->GetFont()->Assign(GetEditActiveStyle()->GetVisibleFont());
  inner->GetFont()->SetColor(GetViewInfo()->TextColor);
}

// ---- Activation and focus ----------------------------------------------------------------------------------------------
void TcxCustomTextEdit::Activate(TcxCustomEditData*& AEditData) {
  inherited::Activate(AEditData);
  if (!HandleAllocated()) return;
  SetSelStart(0);
  if (GetActiveProperties()->GetAutoSelect()) SelectAll();
}

void TcxCustomTextEdit::DoExit() {
  inherited::DoExit();
  SetFindSelection(false);
}

void TcxCustomTextEdit::LockedInnerEditWindowProc(TMessage& Message) {
  IcxInnerTextEdit* inner = GetInnerTextEdit();
  if (Message.Msg == WM_SETFOCUS && inner) {
    if (inner->GetAutoSelect()) inner->SelectAll();
    return;
  }
  inherited::LockedInnerEditWindowProc(Message);
}

void TcxCustomTextEdit::UnlockInnerEditRepainting() {
  inherited::UnlockInnerEditRepainting();
  IcxInnerTextEdit* inner = GetInnerTextEdit();
  if (!inner || !inner->GetControl()->HandleAllocated()) return;
  const bool autoSelect = inner->GetAutoSelect();
  inner->SetAutoSelect(false);
  TFinally restore([inner, autoSelect] { inner->SetAutoSelect(autoSelect); });
  SendMessage(inner->GetControl()->GetHandle(), WM_SETFOCUS, 0, 0);
}

// ---- Window-text messages ---------------------------------------------------------------------------------------------
void TcxCustomTextEdit::WndProc(TMessage& Message) { inherited::WndProc(Message); }

void TcxCustomTextEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETTEXT: WMSetText(Message); return;
    case WM_GETTEXT: WMGetText(Message); return;
    case WM_GETTEXTLENGTH: WMGetTextLength(Message); return;
    case WM_CLEAR: WMClear(Message); return;
    default: inherited::Dispatch(Message);
  }
}

void TcxCustomTextEdit::WMSetText(TMessage& Message) {
  if (FIsSettingText) return inherited::Dispatch(Message);
  Message.Result = 0;
  FIsSettingText = true;
  TFinally done([this] { FIsSettingText = false; });
  const char* text = reinterpret_cast<const char*>(Message.LParam);
  if (InternalSetText(text ? text : "")) Message.Result = 1;
}

void TcxCustomTextEdit::WMGetText(TMessage& Message) {
  if (Message.WParam < 1) {
    Message.Result = 0;
    return;
  }
  String text = GetText();
  if (text.size() > Message.WParam - 1) text.resize(CharBoundaryBefore(text, Message.WParam - 1));
  std::copy(text.c_str(), text.c_str() + text.size() + 1, reinterpret_cast<char*>(Message.LParam));
  Message.Result = static_cast<LRESULT>(text.size());
}

void TcxCustomTextEdit::WMGetTextLength(TMessage& Message) { Message.Result = static_cast<LRESULT>(GetText().size()); }

void TcxCustomTextEdit::WMClear(TMessage&) {
  WithUserAction(true, [this] {
    if (!GetActiveProperties()->GetReadOnly() && GetDataBinding()->GetIsDataAvailable()) ClearSelection();
  });
}

}  // namespace cxTextEdit
