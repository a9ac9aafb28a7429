// The lookup data of a text editor: locating items by prefix, moving through them, the current key
// and the highlight, and the list box of drop-down editors.
#include "cxTextEditLookupData.h"

#include <algorithm>

#include "Forms.h"
#include "Multibyte.h"
#include "Strings.h"
#include "WinUser.h"
#include "cxEditInternal.h"
#include "cxGeometry.h"
#include "cxControlsInternal.h"
#include "cxTextEdit.h"

namespace cxTextEdit {

// ---- TcxCustomEditListBox ----------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxCustomEditListBox)

void TcxCustomEditListBox::Construct() {
  inherited::Construct();
  SetStyle(lbOwnerDrawVariable);
}

TcxCustomTextEdit* TcxCustomEditListBox::GetEdit() {
  return dynamic_cast<TcxCustomTextEdit*>(Owner());
}

Integer TcxCustomEditListBox::GetItemHeight(Integer) {
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  return canvas->TextHeight("Wg");
}

Integer TcxCustomEditListBox::GetHeight(Integer ARowCount) { return ARowCount * GetItemHeight(); }

Integer TcxCustomEditListBox::GetItemWidth(Integer AIndex) {
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  return canvas->TextWidth(GetItem(AIndex));
}

String TcxCustomEditListBox::GetItem(Integer AIndex) { return GetItems()->GetStrings(AIndex); }

void TcxCustomEditListBox::SetItemCount(Integer ACount) {
  TStrings* items = GetItems();
  if (items->GetCount() == ACount) return;
  items->BeginUpdate();
  TFinally end([items] { items->EndUpdate(); });
  while (items->GetCount() < ACount) items->Add("");
  while (items->GetCount() > ACount) items->Delete(items->GetCount() - 1);
}

void TcxCustomEditListBox::SetScrollWidth(Integer Value) {
  // Zero first, so that the list box applies the width again even when it is unchanged.
  TListBox::SetScrollWidth(0);
  TListBox::SetScrollWidth(Value);
}

bool TcxCustomEditListBox::IsVisible() { return HandleAllocated() && IsWindowVisible(GetHandle()); }

void TcxCustomEditListBox::SetItemIndex(Integer Value) {
  TListBox::SetItemIndex(Value);
  DoSelectItem();
}

void TcxCustomEditListBox::Click() {
  inherited::Click();
  DoSelectItem();
}

void TcxCustomEditListBox::DoSelectItem() {
  SetExternalScrollBarsParameters();
  if (OnSelectItem) OnSelectItem(this);
}

void TcxCustomEditListBox::DrawItem(Integer Index, const TRect& Rect, TOwnerDrawState State) {
  if (DoDrawItem(Index, Rect, State)) return;
  TCanvas* canvas = GetCanvas();
  canvas->FillRect(Rect);
  if (Index < 0 || Index >= GetItems()->GetCount()) return;
  TRect r = Rect;
  const bool rtl = UseRightToLeftReading();
  if (rtl) r.right -= 2;
  else r.left += 2;
  const String text = GetItem(Index);
  DrawText(canvas->GetHandle(), text.c_str(), static_cast<int>(text.size()), &r,
           DrawTextBiDiModeFlags(DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (rtl ? DT_RIGHT : DT_LEFT)));
}

void TcxCustomEditListBox::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseMove(Shift, X, Y);
  if (!HotTrack || GetCapture() == GetHandle()) return;
  const Integer index = ItemAtPos(TPoint(X, Y), true);
  if (index != -1 && index != GetItemIndex()) SetItemIndex(index);
}

bool TcxCustomEditListBox::DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) {
  if (inherited::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  UINT lines = 3;
  SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  LRESULT result = 1;
  for (UINT i = 0; i < lines; ++i)
    result = SendMessage(GetHandle(), WM_VSCROLL, WheelDelta < 1 ? SB_LINEDOWN : SB_LINEUP, 0);
  return result == 0;
}

bool TcxCustomEditListBox::NeedDrawFocusRect() {
  TcxCustomTextEdit* edit = GetEdit();
  if (!edit) return false;
  const TcxEditEditingStyle style = edit->GetActiveProperties()->GetEditingStyle();
  return style == esFixedList || style == esNoEdit;
}

void TcxCustomEditListBox::Dispatch(TMessage& Message) {
  inherited::Dispatch(Message);
  // Shown in a popup, the list draws as focused without taking the focus.
  if (Message.Msg == CM_SHOWINGCHANGED && HandleAllocated()) {
    TMessage focus{WM_SETFOCUS, 0, 0, 0};
    TWinControl::DefaultHandler(focus);
  }
}

// ---- TcxCustomTextEditLookupData ---------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxCustomTextEditLookupData)

TcxCustomTextEditLookupData* TcxCustomTextEditLookupData::Create(TClass AClass, TcxCustomTextEdit* AOwner) {
  return CreateInstanceOf<TcxCustomTextEditLookupData>(AClass, [AOwner](TcxCustomTextEditLookupData* AData) {
    AData->InitializeOwner(AOwner);
    AData->FEdit = AOwner;
  });
}

void TcxCustomTextEditLookupData::Destroy() {
  FList = nullptr;  // owned by its owner component
  inherited::Destroy();
}

TcxCustomTextEditProperties* TcxCustomTextEditLookupData::GetProperties() { return FEdit->GetActiveProperties(); }
TStrings* TcxCustomTextEditLookupData::GetItems() { return GetProperties()->GetLookupItems(); }
void TcxCustomTextEditLookupData::SetItems(TStrings* Value) { GetItems()->Assign(Value); }
String TcxCustomTextEditLookupData::GetItem(Integer AIndex) { return GetItems()->GetStrings(AIndex); }
Integer TcxCustomTextEditLookupData::GetItemCount() { return GetItems()->GetCount(); }

String TcxCustomTextEditLookupData::GetDisplayText(const TcxEditValue& AKey) {
  if (VarIsNull(AKey)) return "";
  const Integer key = AKey.ToInteger();
  if (key < 0 || key >= GetItemCount()) return "";
  return GetItem(key);
}

Integer TcxCustomTextEditLookupData::IndexOf(const String& AText) {
  const String upper = AnsiUpperCase(AText);
  for (Integer i = 0; i < GetItemCount(); ++i)
    if (AnsiUpperCase(GetItem(i)) == upper) return i;
  return -1;
}

void TcxCustomTextEditLookupData::InternalSetCurrentKey(Integer Value) {
  if (Value < -1 || Value >= GetItemCount()) return;
  FCurrentKey = Value;
  InternalSetItemIndex(Value);
}

void TcxCustomTextEditLookupData::InternalSetItemIndex(Integer Value) {
  if (Value < -1 || Value >= GetItemCount() || (Value == FItemIndex && Value != -1)) return;
  if (FList && GetItemCount() > 0) {
    if (Value == -1) FList->TListBox::SetItemIndex(0);
    FList->TListBox::SetItemIndex(Value);
  }
  FItemIndex = Value;
}

void TcxCustomTextEditLookupData::SetCurrentKey(const TcxEditValue& Value) {
  const Integer prevKey = FCurrentKey;
  InternalSetCurrentKey(VarIsNull(Value) ? -1 : Value.ToInteger());
  FEdit->LockLookupDataTextChanged();
  TFinally unlock([this] { FEdit->UnlockLookupDataTextChanged(); });
  const bool changed = FCurrentKey != prevKey;
  const bool textDiffers = !changed && FCurrentKey >= 0 && FCurrentKey < GetItemCount() &&
                           GetItem(FCurrentKey) != FEdit->GetText();
  if ((changed || textDiffers) && OnSelectItem) OnSelectItem(this);
}

void TcxCustomTextEditLookupData::SetItemIndex(Integer Value) {
  if (FList && FList->IsVisible() && !GetProperties()->GetImmediateUpdateText()) InternalSetItemIndex(Value);
  else SetCurrentKey(Value);
}

void TcxCustomTextEditLookupData::SelectItem() {
  if (FItemIndex == -1) return;
  const Integer prevKey = FCurrentKey;
  if (FItemIndex != FCurrentKey && !FEdit->DoEditing()) return;
  SetCurrentKey(FItemIndex);
  if (FCurrentKey == prevKey && OnSelectItem) OnSelectItem(this);
}

void TcxCustomTextEditLookupData::CloseUp() {
  InternalSetItemIndex(FCurrentKey);
}

void TcxCustomTextEditLookupData::HandleSelectItem(TObject*) {
  if (FList) FItemIndex = FList->GetItemIndex();
}

void TcxCustomTextEditLookupData::TextChanged() {
  if (FItemIndex >= 0 && FItemIndex < GetItemCount() && AnsiCompareText(GetItem(FItemIndex), FEdit->GetText()) == 0)
    return;
  String text = FEdit->GetText(), tail;
  InternalLocate(text, tail, true, false);
}

void TcxCustomTextEditLookupData::ListChanged() {
  if (FList) FList->SetItemCount(GetItemCount());
}

void TcxCustomTextEditLookupData::Initialize(TWinControl* AVisualControlsParent) {
  if (!GetListBoxClass()) return;
  if (!FList) FList = static_cast<TcxCustomEditListBox*>(CreateComponent(GetListBoxClass(), FEdit));
  TcxCustomEditStyle* style = FEdit->GetEditActiveStyle();
  FList->SetColor(style->GetColor());
  FList->SetFont(style->GetVisibleFont());
  FList->SetParent(AVisualControlsParent);
  FList->OnSelectItem = TNotifyEvent(this, &TcxCustomTextEditLookupData::HandleSelectItem);
  FList->SetItemCount(GetItemCount());
  FList->TListBox::SetItemIndex(FItemIndex);
  FList->RecreateWindow();
  TextChanged();
}

void TcxCustomTextEditLookupData::PositionVisualArea(const TRect& AClientRect) {
  if (!FList) return;
  FList->SetBoundsRect(AClientRect);
  if (FList->HandleAllocated()) FList->SetScrollWidth(FList->GetScrollWidth());
}

bool TcxCustomTextEditLookupData::IsMouseOverList(const TPoint& P) {
  if (!FList) return false;
  // The list's own client rectangle: its bounds are in its parent's coordinates.
  return cxRectPtIn(FList->GetClientRect(), FList->ScreenToClient(P));
}

bool TcxCustomTextEditLookupData::InternalLocate(String& AText, String& ATail, bool AExactMatchInMRUMode, bool ANext) {
  const Integer count = GetItemCount();
  if (count == 0) return false;
  TcxCustomTextEditProperties* properties = GetProperties();
  if (AExactMatchInMRUMode && properties->GetMRUMode()) {
    const Integer index = IndexOf(AText);
    ATail.clear();
    InternalSetCurrentKey(index);
    if (index == -1) FCurrentKey = -1;
    return index != -1;
  }
  if (!AText.empty()) {
    const String upper = AnsiUpperCase(AText);
    for (Integer i = ANext ? FItemIndex + 1 : 0; i < count; ++i) {
      const String item = GetItem(i);
      if (item.size() < AText.size() || AnsiUpperCase(item.substr(0, AText.size())) != upper) continue;
      AText = item.substr(0, AText.size());
      ATail = item.substr(AText.size());
      InternalSetCurrentKey(i);
      return true;
    }
  }
  bool reset = false;
  switch (properties->GetEditingStyle()) {
    case esEdit:
    case esNoEdit: reset = true; break;
    case esEditList: reset = ANext || AText.empty(); break;
    case esFixedList: reset = ANext; break;
  }
  if (reset) InternalSetCurrentKey(-1);
  return false;
}

void TcxCustomTextEditLookupData::Go(TcxEditLookupDataGoDirection ADirection, bool ACycle) {
  const Integer n = GetItemCount();
  if (n == 0) return;
  const Integer p = GetProperties()->GetDropDownPageRowCount();
  const Integer s = FItemIndex != -1 ? FItemIndex : FCurrentKey;
  Integer t = s;
  switch (ADirection) {
    case egdBegin: t = 0; break;
    case egdEnd: t = n - 1; break;
    case egdNext: t = s + 1 == n ? (ACycle ? 0 : s) : s + 1; break;
    case egdPrev: t = s - 1 < 0 ? (ACycle ? n - 1 : s) : s - 1; break;
    case egdPageUp:
      if (s == -1) t = ACycle ? n - 1 : -1;
      else {
        t = s - p + 1;
        if (t < 0) t = ACycle && s == 0 ? n - 1 : 0;
      }
      break;
    case egdPageDown:
      t = s == -1 ? p - 1 : s + p - 1;
      if (t >= n) t = ACycle ? (s == n - 1 ? 0 : n - 1) : n - 1;
      break;
  }
  if (!FList || !FList->IsVisible() || (GetProperties()->GetImmediateUpdateText() && FEdit->DoEditing()))
    SetCurrentKey(t);
  else
    InternalSetItemIndex(t);
}

}  // namespace cxTextEdit
