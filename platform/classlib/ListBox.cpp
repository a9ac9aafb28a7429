// The list box over the LISTBOX class: Items are the window's items (kept aside while the window is
// recreated), owner-drawn styles draw on the list box's canvas through DrawItem/OnDrawItem and
// measure through MeasureItem/OnMeasureItem, the virtual styles ask OnData for their texts, and
// typing completes to the first item that starts with what was typed.
#include <algorithm>

#include "Forms.h"
#include "StdCtrls.h"
#include "StringLists.h"
#include "Format.h"
#include "Multibyte.h"
#include "SysConst.h"
#include "DateTime.h"
#include "WinUser.h"

namespace StdCtrls {

namespace {

// Characters typed within this many milliseconds of each other make one search text.
constexpr Cardinal AutoCompleteDelay = 500;

}  // namespace

// The list box's items as the window holds them.
class TListBoxStrings : public TStrings {
  DECLARE_CLASS(TListBoxStrings, TStrings)
 public:
  explicit TListBoxStrings(TCustomListBox* ListBox = nullptr) : FListBox(ListBox) {}
  Integer Add(const String& S) override {
    NotVirtual();
    LRESULT r = SendMessage(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(S.c_str()));
    if (r < 0) throw EOutOfResources("Failed to insert the line");
    return static_cast<Integer>(r);
  }
  void Clear() override {
    SendMessage(Handle(), LB_RESETCONTENT, 0, 0);
  }
  void Delete(Integer Index) override {
    NotVirtual();
    if (SendMessage(Handle(), LB_DELETESTRING, static_cast<WPARAM>(Index), 0) == LB_ERR)
      Error(SysConst::SListIndexError, Index);
  }
  void Exchange(Integer Index1, Integer Index2) override {
    BeginUpdate();
    try {
      String s = Get(Index1);
      TObject* o = GetObject(Index1);
      Put(Index1, Get(Index2));
      PutObject(Index1, GetObject(Index2));
      Put(Index2, s);
      PutObject(Index2, o);
    } catch (...) {
      EndUpdate();
      throw;
    }
    EndUpdate();
  }
  Integer IndexOf(const String& S) override {
    if (FListBox->IsVirtual()) return FListBox->DoFindData(S);
    return static_cast<Integer>(SendMessage(Handle(), LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                            reinterpret_cast<LPARAM>(S.c_str())));
  }
  void Insert(Integer Index, const String& S) override {
    NotVirtual();
    if (Index < 0 || Index > GetCount()) Error(SysConst::SListIndexError, Index);
    if (SendMessage(Handle(), LB_INSERTSTRING, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(S.c_str())) < 0)
      throw EOutOfResources("Failed to insert the line");
  }
  Integer GetCount() override { return static_cast<Integer>(SendMessage(Handle(), LB_GETCOUNT, 0, 0)); }

 protected:
  String Get(Integer Index) override {
    if (FListBox->IsVirtual()) return FListBox->DoGetData(Index);
    LRESULT len = SendMessage(Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(Index), 0);
    if (len == LB_ERR) Error(SysConst::SListIndexError, Index);
    String s(static_cast<size_t>(len) + 1, '\0');
    len = SendMessage(FListBox->FHandle, LB_GETTEXT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(s.data()));
    s.resize(static_cast<size_t>(std::max<LRESULT>(0, len)));
    return s;
  }
  TObject* GetObject(Integer Index) override {
    if (FListBox->IsVirtual()) return FListBox->DoGetDataObject(Index);
    if (Index < 0 || Index >= GetCount()) Error(SysConst::SListIndexError, Index);
    return reinterpret_cast<TObject*>(SendMessage(FListBox->FHandle, LB_GETITEMDATA, static_cast<WPARAM>(Index), 0));
  }
  // A new text keeps the item's object and whether it is the focused item.
  void Put(Integer Index, const String& S) override {
    NotVirtual();
    Integer focused = FListBox->GetItemIndex();
    bool selected = FListBox->GetSelected(Index);
    TObject* o = GetObject(Index);
    Delete(Index);
    InsertObject(Index, S, o);
    if (FListBox->GetMultiSelect()) FListBox->SetSelected(Index, selected);
    if (focused == Index || !FListBox->GetMultiSelect()) FListBox->SetItemIndex(focused);
  }
  void PutObject(Integer Index, TObject* AObject) override {
    if (FListBox->IsVirtual()) return;
    if (SendMessage(Handle(), LB_SETITEMDATA, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(AObject)) == LB_ERR)
      Error(SysConst::SListIndexError, Index);
  }
  void SetUpdateState(bool Updating) override {
    if (!FListBox->HandleAllocated()) return;
    SendMessage(FListBox->FHandle, WM_SETREDRAW, !Updating, 0);
    if (!Updating) FListBox->Refresh();
  }

 private:
  HWND Handle() { return FListBox->GetHandle(); }
  void NotVirtual() {
    if (FListBox->IsVirtual()) throw EListError("The items of a virtual list box come from its OnData event");
  }
  TCustomListBox* FListBox;
};

IMPLEMENT_CLASS(TListBoxStrings)
IMPLEMENT_CLASS(TCustomListBox)

IMPLEMENT_CLASS_PUBLISHED(TListBox) {
  d.Property("Align", &TListBox::GetAlign, &TListBox::SetAlign).Default(alNone);
  d.Property("Anchors", &TListBox::GetAnchors, &TListBox::SetAnchors).Default(TAnchors{akLeft, akTop});
  d.Property("AutoComplete", &TListBox::GetAutoComplete, &TListBox::SetAutoComplete).Default(true);
  d.Property("BorderStyle", &TListBox::GetBorderStyle, &TListBox::SetBorderStyle).Default(bsSingle);
  d.Property("Color", &TListBox::GetColor, &TListBox::SetColor).Default(clWindow).Type(ColorTypeInfo()).Stored(&TListBox::IsColorStored);
  d.Property("Enabled", &TListBox::GetEnabled, &TListBox::SetEnabled).Default(true);
  d.Property("ExtendedSelect", &TListBox::GetExtendedSelect, &TListBox::SetExtendedSelect).Default(true);
  d.Property("Font", &TListBox::GetFont, &TListBox::SetFont).Stored(&TListBox::IsFontStored);
  d.Property("IntegralHeight", &TListBox::GetIntegralHeight, &TListBox::SetIntegralHeight).Default(false);
  d.Property("ItemHeight", &TListBox::GetItemHeight, &TListBox::SetItemHeight).Default(16);
  d.Property("Items", &TListBox::GetItems, &TListBox::SetItems);
  d.Property("MultiSelect", &TListBox::GetMultiSelect, &TListBox::SetMultiSelect).Default(false);
  d.Property("ParentColor", &TListBox::GetParentColor, &TListBox::SetParentColor).Default(false);
  d.Property("ParentFont", &TListBox::GetParentFont, &TListBox::SetParentFont).Default(true);
  d.Property("ScrollWidth", &TListBox::GetScrollWidth, &TListBox::SetScrollWidth).Default(0);
  d.Property("Sorted", &TListBox::GetSorted, &TListBox::SetSorted).Default(false);
  d.Property("Style", &TListBox::GetStyle, &TListBox::SetStyle).Default(lbStandard);
  d.Property("TabOrder", &TListBox::GetTabOrder, &TListBox::SetTabOrder).Default(-1);
  d.Property("TabStop", &TListBox::GetTabStop, &TListBox::SetTabStop).Default(true);
  d.Property("Visible", &TListBox::GetVisible, &TListBox::SetVisible).Default(true);
  d.Property("OnClick", &TListBox::GetOnClick, &TListBox::SetOnClick);
  d.Property("OnDblClick", &TListBox::GetOnDblClick, &TListBox::SetOnDblClick);
  d.Property("OnDrawItem", &TListBox::GetOnDrawItem, &TListBox::SetOnDrawItem);
  d.Property("OnEnter", &TListBox::GetOnEnter, &TListBox::SetOnEnter);
  d.Property("OnExit", &TListBox::GetOnExit, &TListBox::SetOnExit);
  d.Property("OnKeyDown", &TListBox::GetOnKeyDown, &TListBox::SetOnKeyDown);
  d.Property("OnKeyPress", &TListBox::GetOnKeyPress, &TListBox::SetOnKeyPress);
  d.Property("OnKeyUp", &TListBox::GetOnKeyUp, &TListBox::SetOnKeyUp);
  d.Property("OnMeasureItem", &TListBox::GetOnMeasureItem, &TListBox::SetOnMeasureItem);
  d.Property("OnMouseDown", &TListBox::GetOnMouseDown, &TListBox::SetOnMouseDown);
  d.Property("OnMouseMove", &TListBox::GetOnMouseMove, &TListBox::SetOnMouseMove);
  d.Property("OnMouseUp", &TListBox::GetOnMouseUp, &TListBox::SetOnMouseUp);
}

void TCustomListBox::Construct() {
  inherited::Construct();
  // Double clicks come as the list's notification, on items only.
  ControlStyle = {csSetCaption};
  SetBounds(FLeft, FTop, 121, 97);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  FItems = New<TListBoxStrings>(this);
  auto* canvas = New<TControlCanvas>();
  canvas->SetControl(this);
  FCanvas = canvas;
}

void TCustomListBox::Destroy() {
  FreeAndNil(FCanvas);
  FreeAndNil(FItems);
  FreeAndNil(FSaveItems);
  inherited::Destroy();
}

void TCustomListBox::CreateParams(TCreateParams& Params) {
  static constexpr DWORD Styles[] = {0, LBS_OWNERDRAWFIXED, LBS_OWNERDRAWVARIABLE, LBS_OWNERDRAWFIXED,
                                     LBS_OWNERDRAWFIXED};
  inherited::CreateParams(Params);
  CreateSubClass(Params, "LISTBOX");
  Params.Style |= WS_HSCROLL | WS_VSCROLL | LBS_NOTIFY | Styles[FStyle] | (IsVirtual() ? LBS_NODATA : LBS_HASSTRINGS);
  if (FSorted) Params.Style |= LBS_SORT;
  if (FMultiSelect) Params.Style |= FExtendedSelect ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  if (!FIntegralHeight) Params.Style |= LBS_NOINTEGRALHEIGHT;
  if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
  Params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

// The window's parent finds it by its identifier to reflect the owner-draw messages, so every list
// box window gets one of its own.
void TCustomListBox::CreateWindowHandle(const TCreateParams& Params) {
  CreateWindowExA(Params.ExStyle, Params.WinClassName.c_str(), Params.Caption.c_str(), Params.Style, Params.X,
                  Params.Y, Params.Width, Params.Height, Params.WndParent, NewChildWindowId(), nullptr, Params.Param);
}

void TCustomListBox::CreateWnd() {
  inherited::CreateWnd();
  if (FStyle != lbStandard && FStyle != lbOwnerDrawVariable)
    SendMessage(FHandle, LB_SETITEMHEIGHT, 0, FItemHeight);
  SendMessage(FHandle, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(FScrollWidth), 0);
  if (IsVirtual()) {
    SendMessage(FHandle, LB_SETCOUNT, static_cast<WPARAM>(FSaveCount), 0);
  } else if (FSaveItems) {
    FItems->Assign(FSaveItems);
    FreeAndNil(FSaveItems);
  }
  if (FSaveTopIndex > 0) SetTopIndex(FSaveTopIndex);
  if (FSaveItemIndex >= 0) SetItemIndex(FSaveItemIndex);
  FSaveTopIndex = 0;
  FSaveItemIndex = -1;
}

void TCustomListBox::DestroyWnd() {
  FSaveTopIndex = GetTopIndex();
  FSaveItemIndex = GetItemIndex();
  if (IsVirtual()) {
    FSaveCount = GetCount();
  } else if (GetCount() > 0) {
    if (!FSaveItems) FSaveItems = New<TStringList>();
    FSaveItems->Assign(FItems);
  }
  inherited::DestroyWnd();
}

void TCustomListBox::SetItems(TStrings* Value) {
  if (IsVirtual()) {
    SetCount(Value->GetCount());
    return;
  }
  FItems->Assign(Value);
}

Integer TCustomListBox::GetCount() {
  if (!HandleAllocated() && IsVirtual()) return FSaveCount;
  return FItems->GetCount();
}

void TCustomListBox::SetCount(Integer Value) {
  if (!IsVirtual()) throw EListError("Only a virtual list box has a settable count");
  FSaveCount = std::max(0, Value);
  if (HandleAllocated()) SendMessage(FHandle, LB_SETCOUNT, static_cast<WPARAM>(FSaveCount), 0);
}

// ---- Styles -----------------------------------------------------------------------------------------
void TCustomListBox::SetStyle(TListBoxStyle Value) {
  if (FStyle == Value) return;
  // Switching between virtual and stored items does not carry the items over.
  if (IsVirtual() != (Value == lbVirtual || Value == lbVirtualOwnerDraw)) {
    if (HandleAllocated()) FItems->Clear();
    FreeAndNil(FSaveItems);
    FSaveCount = 0;
  }
  FStyle = Value;
  RecreateWnd();
}

void TCustomListBox::SetIntegralHeight(bool Value) {
  if (FIntegralHeight == Value) return;
  FIntegralHeight = Value;
  RecreateWnd();
}

void TCustomListBox::SetMultiSelect(bool Value) {
  if (FMultiSelect == Value) return;
  FMultiSelect = Value;
  RecreateWnd();
}

void TCustomListBox::SetExtendedSelect(bool Value) {
  if (FExtendedSelect == Value) return;
  FExtendedSelect = Value;
  RecreateWnd();
}

void TCustomListBox::SetSorted(bool Value) {
  if (FSorted == Value) return;
  FSorted = Value;
  RecreateWnd();
}

void TCustomListBox::SetBorderStyle(TBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

Integer TCustomListBox::GetItemHeight() {
  if (HandleAllocated() && FStyle == lbStandard) {
    TRect r;
    if (SendMessage(FHandle, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r)) != LB_ERR) return r.Height();
    return static_cast<Integer>(SendMessage(FHandle, LB_GETITEMHEIGHT, 0, 0));
  }
  return FItemHeight;
}

void TCustomListBox::SetItemHeight(Integer Value) {
  if (Value <= 0 || FItemHeight == Value) return;
  FItemHeight = Value;
  RecreateWnd();
}

Integer TCustomListBox::GetScrollWidth() {
  if (HandleAllocated()) return static_cast<Integer>(SendMessage(FHandle, LB_GETHORIZONTALEXTENT, 0, 0));
  return FScrollWidth;
}

void TCustomListBox::SetScrollWidth(Integer Value) {
  FScrollWidth = std::max(0, Value);
  if (HandleAllocated()) SendMessage(FHandle, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(FScrollWidth), 0);
}

// ---- Selection --------------------------------------------------------------------------------------
Integer TCustomListBox::GetItemIndex() {
  if (!HandleAllocated() && FSaveItemIndex >= 0) return FSaveItemIndex;
  if (FMultiSelect) {
    if (GetCount() == 0) return -1;
    return static_cast<Integer>(SendMessage(GetHandle(), LB_GETCARETINDEX, 0, 0));
  }
  return static_cast<Integer>(SendMessage(GetHandle(), LB_GETCURSEL, 0, 0));
}

void TCustomListBox::SetItemIndex(Integer Value) {
  if (GetItemIndex() == Value) return;
  if (FMultiSelect) SendMessage(GetHandle(), LB_SETCARETINDEX, static_cast<WPARAM>(Value), 0);
  else SendMessage(GetHandle(), LB_SETCURSEL, static_cast<WPARAM>(Value), 0);
}

Integer TCustomListBox::GetTopIndex() { return static_cast<Integer>(SendMessage(GetHandle(), LB_GETTOPINDEX, 0, 0)); }

void TCustomListBox::SetTopIndex(Integer Value) {
  if (GetTopIndex() != Value) SendMessage(GetHandle(), LB_SETTOPINDEX, static_cast<WPARAM>(Value), 0);
}

bool TCustomListBox::GetSelected(Integer Index) {
  LRESULT r = SendMessage(GetHandle(), LB_GETSEL, static_cast<WPARAM>(Index), 0);
  if (r == LB_ERR) throw EListError(Format(SysConst::SListIndexError, {Index}));
  return r != 0;
}

void TCustomListBox::SetSelected(Integer Index, bool Value) {
  if (Index < 0 || Index >= GetCount()) throw EListError(Format(SysConst::SListIndexError, {Index}));
  if (FMultiSelect) {
    SendMessage(GetHandle(), LB_SETSEL, Value, Index);
  } else if (Value) {
    SetItemIndex(Index);
  } else if (GetItemIndex() == Index) {
    SetItemIndex(-1);
  }
}

Integer TCustomListBox::GetSelCount() {
  if (!FMultiSelect) return GetItemIndex() >= 0 ? 1 : 0;
  return static_cast<Integer>(SendMessage(GetHandle(), LB_GETSELCOUNT, 0, 0));
}

void TCustomListBox::Clear() {
  if (IsVirtual()) SetCount(0);
  else FItems->Clear();
}

void TCustomListBox::ClearSelection() {
  if (FMultiSelect) SendMessage(GetHandle(), LB_SETSEL, FALSE, -1);
  else SetItemIndex(-1);
}

void TCustomListBox::SelectAll() {
  if (FMultiSelect) SendMessage(GetHandle(), LB_SETSEL, TRUE, -1);
}

void TCustomListBox::DeleteSelected() {
  if (FMultiSelect) {
    for (Integer i = GetCount() - 1; i >= 0; --i)
      if (GetSelected(i)) FItems->Delete(i);
  } else if (Integer i = GetItemIndex(); i >= 0) {
    FItems->Delete(i);
  }
}

// ---- Geometry ---------------------------------------------------------------------------------------
TRect TCustomListBox::ItemRect(Integer Index) {
  TRect r;
  Integer count = GetCount();
  if (Index == 0 || Index < count) {
    if (SendMessage(GetHandle(), LB_GETITEMRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&r)) == LB_ERR)
      return TRect();
    return r;
  }
  if (Index == count) {
    SendMessage(FHandle, LB_GETITEMRECT, static_cast<WPARAM>(Index - 1), reinterpret_cast<LPARAM>(&r));
    Integer h = r.Height();
    r.top += h;
    r.bottom += h;
    return r;
  }
  return TRect();
}

Integer TCustomListBox::ItemAtPos(const TPoint& Pos, bool Existing) {
  Integer count = GetCount();
  TRect client = GetClientRect();
  if (PtInRect(&client, Pos)) {
    for (Integer i = std::max(0, GetTopIndex()); i < count; ++i) {
      TRect r = ItemRect(i);
      if (r.top > client.bottom) break;
      if (PtInRect(&r, Pos)) return i;
    }
  }
  return Existing ? -1 : count;
}

// ---- Owner drawing ----------------------------------------------------------------------------------
String TCustomListBox::DoGetData(Integer Index) {
  String data;
  if (OnData) OnData(this, Index, data);
  return data;
}

TObject* TCustomListBox::DoGetDataObject(Integer Index) {
  TObject* data = nullptr;
  if (OnDataObject) OnDataObject(this, Index, data);
  return data;
}

Integer TCustomListBox::DoFindData(const String& Data) {
  return OnDataFind ? OnDataFind(this, Data) : -1;
}

void TCustomListBox::DrawItem(Integer Index, const TRect& Rect, TOwnerDrawState State) {
  if (OnDrawItem) {
    OnDrawItem(this, Index, Rect, State);
    return;
  }
  FCanvas->FillRect(Rect);
  if (Index >= GetCount()) return;
  String data = IsVirtual() ? DoGetData(Index) : FItems->GetStrings(Index);
  RECT r = Rect;
  r.left += 2;
  CanvasDrawText(FCanvas, data, r, static_cast<UINT>(DrawTextBiDiModeFlags(DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX)));
}

void TCustomListBox::MeasureItem(Integer Index, Integer& Height) {
  if (OnMeasureItem) OnMeasureItem(this, Index, Height);
}

void TCustomListBox::CNDrawItem(TMessage& Message) {
  auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
  auto state = TOwnerDrawState::FromBits(dis->itemState & 0xFFFF);
  auto* canvas = static_cast<TControlCanvas*>(FCanvas);
  canvas->FreeHandle();
  canvas->SetHandle(dis->hDC);
  canvas->SetFont(FFont);
  canvas->SetBrush(GetBrush());
  auto index = static_cast<Integer>(dis->itemID);
  if (index >= 0 && state.Contains(odSelected)) {
    canvas->GetBrush()->SetColor(clHighlight);
    canvas->GetFont()->SetColor(clHighlightText);
  }
  TRect r(dis->rcItem);
  try {
    if (index >= 0) DrawItem(index, r, state);
    else canvas->FillRect(r);
    if (state.Contains(odFocused)) ::DrawFocusRect(dis->hDC, &dis->rcItem);
  } catch (...) {
    canvas->SetHandle(nullptr);
    throw;
  }
  canvas->SetHandle(nullptr);
  Message.Result = 1;
}

void TCustomListBox::CNMeasureItem(TMessage& Message) {
  auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
  Integer height = FItemHeight;
  if (FStyle == lbOwnerDrawVariable) MeasureItem(static_cast<Integer>(mis->itemID), height);
  mis->itemHeight = static_cast<UINT>(std::max(1, height));
  Message.Result = 1;
}

// ---- Keys and notifications -------------------------------------------------------------------------
// Typed characters gather into a search text while they come quickly; the first item starting with
// it becomes the focused one. The list's own one-character search is then not wanted.
void TCustomListBox::KeyPress(char& Key) {
  inherited::KeyPress(Key);
  if (!FAutoComplete || Key == 0) return;
  auto c = static_cast<unsigned char>(Key);
  if (c == VK_RETURN || c == VK_ESCAPE || c == VK_TAB) return;
  Cardinal now = GetTickCount();
  if (now - FLastTime >= AutoCompleteDelay) FFilter.clear();
  FLastTime = now;
  if (c == VK_BACK) {
    if (!FFilter.empty()) FFilter.resize(CharBoundaryBefore(FFilter, FFilter.size() - 1));
  } else if (c >= 0x20) {
    FFilter += static_cast<char>(c);
  }
  Key = 0;
  // A character typed as several bytes is searched for once it is whole.
  if (!FFilter.empty() && CharBoundaryBefore(FFilter, FFilter.size()) != FFilter.size()) return;
  if (FFilter.empty()) {
    if (GetCount() > 0) SetItemIndex(0);
    Click();
    return;
  }
  Integer found = IsVirtual() ? DoFindData(FFilter)
                              : static_cast<Integer>(SendMessage(GetHandle(), LB_FINDSTRING, static_cast<WPARAM>(-1),
                                                                 reinterpret_cast<LPARAM>(FFilter.c_str())));
  if (found < 0) return;
  if (FMultiSelect) {
    ClearSelection();
    SendMessage(FHandle, LB_SELITEMRANGE, TRUE, MAKELPARAM(static_cast<WORD>(found), static_cast<WORD>(found)));
  }
  SetItemIndex(found);
  Click();
}

void TCustomListBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      switch (Message.WParamHi()) {
        case LBN_SELCHANGE:
          inherited::Changed();
          Click();
          break;
        case LBN_DBLCLK: DblClick(); break;
        default: break;
      }
      return;
    case CN_DRAWITEM: CNDrawItem(Message); return;
    case CN_MEASUREITEM: CNMeasureItem(Message); return;
    default: inherited::Dispatch(Message);
  }
}

}  // namespace StdCtrls
