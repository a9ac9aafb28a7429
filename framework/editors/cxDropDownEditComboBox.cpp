// The combo box: a drop-down editor whose popup lists its items, sized to whole rows, with the
// list styles deciding whether free text is allowed and owner-drawn items.
#include "WinUser.h"
#include <limits>

#include "Forms.h"
#include "Strings.h"
#include "cxControlsInternal.h"
#include "cxVariants.h"
#include "cxDropDownEdit.h"
#include "cxScrollBar.h"

namespace cxDropDownEdit {

IMPLEMENT_CLASS(TcxCustomComboBoxProperties)
IMPLEMENT_CLASS(TcxCustomComboBoxListBox)
IMPLEMENT_CLASS(TcxComboBoxListBox)
IMPLEMENT_CLASS(TcxComboBoxLookupData)
IMPLEMENT_CLASS(TcxComboBoxPopupWindow)
IMPLEMENT_CLASS(TcxCustomComboBox)
IMPLEMENT_CLASS(TcxCustomComboBoxInnerEdit)
IMPLEMENT_CLASS(TcxCustomComboBoxViewInfo)
IMPLEMENT_CLASS(TcxCustomComboBoxViewData)

// ---- Settings -----------------------------------------------------------------------------------------

TClass TcxCustomComboBoxProperties::GetContainerClass() { return TcxComboBox::StaticClass(); }
TClass TcxCustomComboBoxProperties::GetLookupDataClass() { return TcxComboBoxLookupData::StaticClass(); }
TClass TcxCustomComboBoxProperties::GetPopupWindowClass() { return TcxComboBoxPopupWindow::StaticClass(); }
TClass TcxCustomComboBoxProperties::GetViewDataClass() { return TcxCustomComboBoxViewData::StaticClass(); }
TClass TcxCustomComboBoxProperties::GetViewInfoClass() { return TcxCustomComboBoxViewInfo::StaticClass(); }

// ---- Drawing a fixed-list value ----------------------------------------------------------------------

void TcxCustomComboBoxViewInfo::Construct() {
  inherited::Construct();
  OnOwnerDraw = TcxEditOwnerDrawEvent(this, &TcxCustomComboBoxViewInfo::DoCustomDraw);
}

void TcxCustomComboBoxViewInfo::DoCustomDraw(TcxCanvas* ACanvas, const TRect& ARect) {
  const TOwnerDrawState state =
      Focused ? TOwnerDrawState{odSelected, odFocused, odComboBoxEdit} : TOwnerDrawState{odComboBoxEdit};
  ACanvas->SetBrushColor(DrawSelectionBar ? clHighlight : GetBackgroundColor());
  if (Font) ACanvas->SetFont(Font);
  ACanvas->GetFont()->SetColor(DrawSelectionBar ? clHighlightText : TextColor);
  if (auto* edit = dynamic_cast<TcxCustomComboBox*>(Edit)) {
    edit->DoOnDrawItem(ACanvas, ItemIndex, ARect, state);
  } else if (auto* properties = dynamic_cast<TcxCustomComboBoxProperties*>(EditProperties);
             properties && properties->OnDrawItem) {
    // Painted without an editor (a grid cell): the handler gets no control.
    properties->OnDrawItem(nullptr, ACanvas, ItemIndex, ARect, state);
  }
}

bool TcxCustomComboBoxViewData::IsValueCustomDrawn() {
  auto* properties = static_cast<TcxCustomComboBoxProperties*>(GetProperties());
  if (properties->GetDropDownListStyle() != lsFixedList) return false;
  if (auto* edit = dynamic_cast<TcxCustomComboBox*>(Edit)) return edit->IsOnDrawItemEventAssigned();
  return static_cast<bool>(properties->OnDrawItem);
}

void TcxCustomComboBoxViewData::SetItemIndex(TcxCustomEditViewInfo* AViewInfo, Integer AIndex) {
  auto* info = static_cast<TcxCustomComboBoxViewInfo*>(AViewInfo);
  info->ItemIndex = AIndex;
  info->IsOwnerDrawing = AIndex != -1;
}

void TcxCustomComboBoxViewData::Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P,
                                          TcxMouseButton Button, TShiftState Shift,
                                          TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) {
  inherited::Calculate(ACanvas, ABounds, P, Button, Shift, AViewInfo, AIsMouseEvent);
  auto* edit = dynamic_cast<TcxCustomComboBox*>(Edit);
  SetItemIndex(AViewInfo, edit && IsValueCustomDrawn() ? edit->GetItemIndex() : -1);
}

void TcxCustomComboBoxViewData::EditValueToDrawValue(TcxCanvas* ACanvas, const TcxEditValue& AEditValue,
                                                     TcxCustomEditViewInfo* AViewInfo) {
  inherited::EditValueToDrawValue(ACanvas, AEditValue, AViewInfo);
  auto* properties = static_cast<TcxCustomComboBoxProperties*>(GetProperties());
  SetItemIndex(AViewInfo, IsValueCustomDrawn() ? properties->GetItems()->IndexOf(VarToStr(AEditValue)) : -1);
}

TcxEditEditingStyle TcxCustomComboBoxProperties::GetEditingStyle() {
  static constexpr TcxEditEditingStyle styles[] = {esEditList, esEdit, esFixedList};
  return styles[FDropDownListStyle];
}

void TcxCustomComboBoxProperties::SetDropDownListStyle(TcxEditDropDownListStyle Value) {
  if (Value == FDropDownListStyle) return;
  FDropDownListStyle = Value;
  Changed();
}

void TcxCustomComboBoxProperties::SetDropDownRows(Integer Value) {
  if (Value <= 0 || Value == FDropDownRows) return;
  FDropDownRows = Value;
  Changed();
}

void TcxCustomComboBoxProperties::SetItemHeight(Integer Value) {
  if (Value == FItemHeight) return;
  FItemHeight = Value;
  Changed();
}

void TcxCustomComboBoxProperties::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomComboBoxProperties*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  BeginUpdate();
  TFinally end([this] { EndUpdate(); });
  inherited::Assign(Source);
  SetDropDownListStyle(source->FDropDownListStyle);
  SetDropDownRows(source->FDropDownRows);
  SetItemHeight(source->FItemHeight);
  FRevertable = source->FRevertable;
  OnDrawItem = source->OnDrawItem;
  OnMeasureItem = source->OnMeasureItem;
}

// ---- List box -----------------------------------------------------------------------------------------

void TcxCustomComboBoxListBox::Construct() {
  inherited::Construct();
  SetStyle(lbOwnerDrawVariable);
}

TcxCustomComboBox* TcxCustomComboBoxListBox::GetComboBox() { return dynamic_cast<TcxCustomComboBox*>(GetEdit()); }

Integer TcxComboBoxListBox::GetItemHeight(Integer AIndex) {
  TcxCustomComboBox* combo = GetComboBox();
  const Integer own = combo ? combo->GetActiveProperties()->GetItemHeight() : 0;
  Integer height = own > 0 ? own : inherited::GetItemHeight(AIndex);
  if (AIndex >= 0 && combo) combo->DoOnMeasureItem(AIndex, GetcxCanvas(), height);
  return height;
}

String TcxCustomComboBoxListBox::GetItem(Integer AIndex) {
  TcxCustomComboBox* combo = GetComboBox();
  return combo && combo->GetLookupData() ? combo->GetLookupData()->GetItem(AIndex) : inherited::GetItem(AIndex);
}

Integer TcxCustomComboBoxListBox::GetHeight(Integer ARowCount) {
  Integer height = 0;
  for (Integer i = 0; i < ARowCount; ++i) height += GetItemHeight(i);
  return height;
}

void TcxComboBoxListBox::RecreateWindow() {
  TcxCustomComboBox* combo = GetComboBox();
  SetItemHeight(GetItemHeight(-1));
  SetStyle(combo && combo->IsOnMeasureItemEventAssigned() ? lbOwnerDrawVariable : lbOwnerDrawFixed);
}

bool TcxCustomComboBoxListBox::DoDrawItem(Integer AIndex, const TRect& ARect, TOwnerDrawState AState) {
  TcxCustomComboBox* combo = GetComboBox();
  if (!combo || !combo->IsOnDrawItemEventAssigned()) return false;
  combo->DoOnDrawItem(GetcxCanvas(), AIndex, ARect, AState);
  return true;
}

void TcxCustomComboBoxListBox::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  TcxCustomComboBox* combo = GetComboBox();
  if (combo && combo->IsOnDrawItemEventAssigned()) Params.WindowClass.style |= CS_VREDRAW;
}

void TcxComboBoxListBox::Resize() {
  inherited::Resize();
  TcxCustomComboBox* combo = GetComboBox();
  if (!HandleAllocated() || !combo || !combo->GetDroppedDown()) return;
  const TRect grip = GetSizeGripRect();
  if (cxRectIsEmpty(grip)) return;
  // The non-client region is in screen coordinates.
  RECT window;
  GetWindowRect(GetHandle(), &window);
  HRGN region = CreateRectRgn(window.left + grip.left, window.top + grip.top, window.left + grip.right,
                              window.top + grip.bottom);
  SendMessage(GetHandle(), WM_NCPAINT, reinterpret_cast<WPARAM>(region), 0);
  DeleteObject(region);
}

void TcxCustomComboBoxListBox::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  if (IgnoreNextMouseMove) {
    IgnoreNextMouseMove = false;
    return;
  }
  inherited::MouseMove(Shift, X, Y);
}

void TcxComboBoxListBox::SetItemIndex(Integer Value) {
  IgnoreNextMouseMove = true;
  inherited::SetItemIndex(Value);
}

void TcxComboBoxListBox::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  const Integer index = ItemAtPos(TPoint(X, Y), true);
  TcxCustomComboBox* combo = GetComboBox();
  if (index == -1 || !combo) return;
  SetCaptureControl(nullptr);
  SetItemIndex(index);
  combo->CloseUp(crEnter);
}

// ---- Lookup data ------------------------------------------------------------------------------------

TSize TcxComboBoxLookupData::GetPreferredSize(Integer AMaxHeight, Integer AWidthLimit) {
  TcxComboBoxListBox* list = static_cast<TcxComboBoxListBox*>(GetList());
  if (!list) return TSize{0, 0};
  const Integer count = GetItemCount();
  const Integer rows = std::min(count, GetEdit()->GetActiveProperties()->GetDropDownPageRowCount());
  TSize size{0, list->GetHeight(rows)};
  for (Integer i = 0; i < count; ++i) size.cx = std::max<Integer>(size.cx, list->GetItemWidth(i));
  size.cx += 4;
  list->SetScrollWidth(size.cx);
  const TSize scrollBar = TcxScrollBar::GetScrollBarSize();
  if (count > rows || (AMaxHeight > 0 && size.cy > AMaxHeight)) size.cx += scrollBar.cx;
  if (AWidthLimit > 0 && size.cx > AWidthLimit) size.cy += scrollBar.cy;
  return size;
}

void TcxComboBoxLookupData::ResizeToWholeRows(TSize& ASize, Integer AMaxHeight, Integer AMaxWidth) {
  TcxComboBoxListBox* list = static_cast<TcxComboBoxListBox*>(GetList());
  if (!list || (ASize.cx == list->TControl::GetWidth() && ASize.cy == list->TControl::GetHeight())) return;
  const bool shrinking = ASize.cy < list->TControl::GetHeight();
  const TSize scrollBar = TcxScrollBar::GetScrollBarSize();
  const Integer maxHeight = AMaxHeight > 0 ? AMaxHeight : std::numeric_limits<Integer>::max();
  const Integer count = GetItemCount();
  auto hScroll = [&](Integer AIndex) {
    const Integer width = ASize.cx - (AIndex + 1 < count ? scrollBar.cx : 0);
    return list->GetScrollWidth() > width || (AMaxWidth > 0 && width > AMaxWidth) ? scrollBar.cy : 0;
  };
  Integer total = 0, rowsTotal = 0, hasHScroll = 0;
  for (Integer i = 0; i < count; ++i) {
    rowsTotal += list->GetItemHeight(i);
    hasHScroll = hScroll(i);
    total = rowsTotal + hasHScroll;
    if (total == ASize.cy && total <= maxHeight) break;
    if (total > ASize.cy || total > maxHeight) {
      if (!shrinking || total > maxHeight) {
        // Rounding down to the rows that fit.
        rowsTotal -= list->GetItemHeight(i);
        hasHScroll = i > 0 ? hScroll(i - 1) : hasHScroll;
        total = rowsTotal + hasHScroll;
      }
      break;
    }
  }
  ASize.cy = total;
  ASize.cx = std::max<Integer>(ASize.cx, scrollBar.cx * (hasHScroll ? 2 : 1));
}

// ---- Popup window -----------------------------------------------------------------------------------

void TcxComboBoxPopupWindow::CalculateSize() {
  GetViewInfo()->SizeGripCorner = ecoBottomRight;
  SetOwnerBounds(GetEdit()->GetPopupWindowOwnerControlBounds());
  const TRect e = GetViewInfo()->GetClientExtent();
  const TSize m = GetMinSize();
  const TSize c = GetEdit()->GetPopupWindowClientPreferredSize();
  const bool sizeable = GetSizeable(), userSized = GetEdit()->IsUserSizeValid() && sizeable;
  const Integer ownerWidth = cxRectWidth(GetOwnerBounds());
  Integer width;
  if (userSized || (!PopupAutoSize && PreferredWidth > 0))
    width = PreferredWidth;
  else if (PopupAutoSize)
    width = std::max<Integer>(c.cx + e.left + e.right, ownerWidth);
  else
    width = ownerWidth;
  Integer height;
  if ((userSized || PreferredHeight > 0) && (sizeable || !PopupAutoSize))
    height = PreferredHeight;
  else
    height = c.cy + e.top + e.bottom;
  if (sizeable) {
    width = std::max(width, MinWidth);
    height = std::max(height, MinHeight);
  }
  SetBounds(GetLeft(), GetTop(), std::max<Integer>(width, m.cx), std::max<Integer>(height, m.cy));
}

// ---- Control -------------------------------------------------------------------------------------------

TClass TcxCustomComboBox::GetPropertiesClass() { return TcxCustomComboBoxProperties::StaticClass(); }
TClass TcxComboBox::GetPropertiesClass() { return TcxComboBoxProperties::StaticClass(); }

void TcxCustomComboBox::Initialize() {
  inherited::Initialize();
  ControlStyle.Exclude(csClickEvents);
}

TClass TcxCustomComboBox::GetInnerEditClass() { return TcxCustomComboBoxInnerEdit::StaticClass(); }

void TcxCustomComboBox::DoFocusChanged() {
  const bool lostFocus = !IsEditFocused();
  TcxCustomComboBoxProperties* properties = GetActiveProperties();
  if (lostFocus && properties->GetAutoSelect() && properties->GetHideSelection()) SetSelection(0, 0);
  inherited::DoFocusChanged();
}

void TcxCustomComboBox::Dispatch(TMessage& Message) {
  // The combo box clicks when its item changes, never on a release.
  if (Message.Msg == WM_LBUTTONUP) ControlState.Exclude(csClicked);
  inherited::Dispatch(Message);
}

void TcxCustomComboBoxInnerEdit::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_LBUTTONUP) ControlState.Exclude(csClicked);
  inherited::Dispatch(Message);
}

TcxComboBoxListBox* TcxCustomComboBox::GetListBox() const {
  return GetLookupData() ? static_cast<TcxComboBoxListBox*>(GetLookupData()->GetList()) : nullptr;
}

void TcxCustomComboBox::Activate(TcxCustomEditData*& AEditData) {
  inherited::Activate(AEditData);
  if (GetActiveProperties()->UseLookupData() && GetLookupData()) GetLookupData()->TextChanged();
}

bool TcxCustomComboBox::CanDropDown() { return !GetLookupData() || !GetLookupData()->IsEmpty(); }

TSize TcxCustomComboBox::GetPopupWindowClientPreferredSize() {
  TcxCustomComboBoxProperties* properties = GetActiveProperties();
  TcxCustomEditPopupWindow* popup = GetPopupWindow();
  const TSize m = popup->GetMaxVisualAreaSize();
  Integer width = m.cx;
  if (!properties->GetPopupSizeable() && !properties->GetPopupAutoSize()) {
    width = properties->GetPopupWidth() >= 1 ? properties->GetPopupWidth() : GetWidth();
    const TRect e = popup->GetViewInfo()->GetClientExtent();
    width = std::min<Integer>(width - e.left - e.right, m.cx);
  }
  return GetComboLookupData()->GetPreferredSize(m.cy, width);
}

void TcxCustomComboBox::InitializePopupWindow() {
  inherited::InitializePopupWindow();
  GetPopupWindow()->SetSysPanelStyle(GetActiveProperties()->GetPopupSizeable());
}

void TcxCustomComboBox::SetupPopupWindow() {
  inherited::SetupPopupWindow();
  if (TcxComboBoxListBox* list = GetListBox()) list->Invalidate();
}

void TcxCustomComboBox::PopupWindowShowed(TObject* Sender) {
  inherited::PopupWindowShowed(Sender);
  TPoint cursor;
  ::GetCursorPos(&cursor);
  if (GetListBox() && GetLookupData()->IsMouseOverList(cursor)) GetListBox()->IgnoreNextMouseMove = true;
}

void TcxCustomComboBox::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseMove(Shift, X, Y);
  if (!GetDroppedDown() || !HandleAllocated() || GetCapture() != GetHandle() || !GetListBox()) return;
  const TPoint screen = ClientToScreen(TPoint(X, Y));
  const TPoint inPopup = GetPopupWindow()->ScreenToClient(screen);
  if (!cxRectPtIn(GetPopupWindow()->GetViewInfo()->ClientRect, inPopup) || !GetLookupData()->IsMouseOverList(screen))
    return;
  // A press on the combo box followed by a drag selects in the list.
  const TPoint inList = GetListBox()->ScreenToClient(screen);
  SendMessage(GetListBox()->GetHandle(), WM_LBUTTONDOWN, 0, MAKELPARAM(inList.x, inList.y));
}

bool TcxCustomComboBox::CanSynchronizeLookupData() {
  if (IsLookupDataTextChangedLocked()) return false;
  if (GetDroppedDown()) return true;
  MSG msg;
  if (!GetActiveProperties()->GetIncrementalSearch() && GetPopupWindow() && GetPopupWindow()->HandleAllocated() &&
      PeekMessage(&msg, GetPopupWindow()->GetHandle(), CM_SHOWPOPUPWINDOW, CM_SHOWPOPUPWINDOW, PM_NOREMOVE))
    return true;
  if (GetActiveProperties()->GetEditingStyle() != esEdit) return true;
  return Focused() &&
         AnsiCompareText(GetLookupData()->GetDisplayText(GetLookupData()->GetCurrentKey()), GetText()) != 0;
}

void TcxCustomComboBox::ChangeHandler(TObject* Sender) {
  const TcxEditValue prevKey = GetLookupData() ? GetLookupData()->GetCurrentKey() : TcxEditValue();
  {
    LockChangeEvents(true);
    LockClick(true);
    TFinally unlock([this] {
      LockClick(false);
      LockChangeEvents(false);
    });
    inherited::ChangeHandler(Sender);
    if (GetLookupData() && CanSynchronizeLookupData()) GetLookupData()->TextChanged();
  }
  if (GetLookupData() && !VarEqualsExact(prevKey, GetLookupData()->GetCurrentKey())) DoClick();
}

void TcxCustomComboBox::DblClick() {
  inherited::DblClick();
  if (GetDroppedDown() || !GetActiveProperties()->GetRevertable() || !GetLookupData()) return;
  LockChangeEvents(true);
  TFinally unlock([this] { LockChangeEvents(false); });
  const TcxEditValue prevKey = GetLookupData()->GetCurrentKey();
  GetLookupData()->Go(egdNext, true);
  if (!VarEqualsExact(prevKey, GetLookupData()->GetCurrentKey()) && CanPostEditValue() &&
      GetActiveProperties()->GetImmediatePost() && ValidateEdit(true))
    InternalPostEditValue(false);
}

Integer TcxCustomComboBox::GetSelectedItem() const { return GetListBox() ? GetListBox()->GetItemIndex() : -1; }

void TcxCustomComboBox::SetSelectedItem(Integer Value) {
  if (GetListBox()) GetListBox()->SetItemIndex(Value);
}

bool TcxCustomComboBox::IsOnDrawItemEventAssigned() {
  return GetProperties()->OnDrawItem || (GetRepositoryItem() && GetActiveProperties()->OnDrawItem);
}

void TcxCustomComboBox::InitializeLookupData() {
  inherited::InitializeLookupData();
  if (GetListBox() && GetPopupControlsLookAndFeel())
    GetListBox()->GetLookAndFeel()->SetMasterLookAndFeel(GetPopupControlsLookAndFeel());
}

void TcxCustomComboBox::ResetPopupHeight() {
  auto* data = static_cast<TcxCustomDropDownEditData*>(GetEditData());
  if (IsInplace() && GetActiveProperties()->GetPopupSizeable()) {
    if (data) data->Height = 0;
  } else {
    GetActiveProperties()->SetPopupHeight(0);
  }
}

bool TcxCustomComboBox::IsOnMeasureItemEventAssigned() {
  return GetProperties()->OnMeasureItem || (GetRepositoryItem() && GetActiveProperties()->OnMeasureItem);
}

void TcxCustomComboBox::DoOnDrawItem(TcxCanvas* ACanvas, Integer AIndex, const TRect& ARect, TOwnerDrawState AState) {
  if (GetProperties()->OnDrawItem) GetProperties()->OnDrawItem(this, ACanvas, AIndex, ARect, AState);
  if (GetRepositoryItem() && GetActiveProperties()->OnDrawItem)
    GetActiveProperties()->OnDrawItem(this, ACanvas, AIndex, ARect, AState);
}

void TcxCustomComboBox::DoOnMeasureItem(Integer AIndex, TcxCanvas* ACanvas, Integer& AHeight) {
  if (GetProperties()->OnMeasureItem) GetProperties()->OnMeasureItem(this, AIndex, ACanvas, AHeight);
  if (GetRepositoryItem() && GetActiveProperties()->OnMeasureItem)
    GetActiveProperties()->OnMeasureItem(this, AIndex, ACanvas, AHeight);
}

}  // namespace cxDropDownEdit
