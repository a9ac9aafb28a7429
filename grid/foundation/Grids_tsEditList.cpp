// The in-place editor with a button: an ellipsis button that raises an event, or a drop-down button
// that opens a pick list of the cell's values; and the pick list itself.
#include <algorithm>

#include "DateTime.h"
#include "Forms.h"
#include "Grids_tsInplace.h"
#include "Multibyte.h"
#include "StringLists.h"
#include "WinGdi.h"
#include "WinUser.h"

namespace Grids_ts {

namespace {
// How long a pause ends the pick list's typed search, and how many characters it holds.
constexpr Cardinal SearchPause = 2000;
constexpr Integer SearchLength = 32;
}  // namespace

// ---- TInplaceEditList -------------------------------------------------------------------------------
IMPLEMENT_CLASS(TInplaceEditList)

void TInplaceEditList::Construct() {
  inherited::Construct();
  FButtonWidth = GetSystemMetrics(SM_CXVSCROLL);
}

TPopupListbox* TInplaceEditList::GetPickList() {
  if (!FPickList) {
    FPickList = New<TPopupListbox>(this);
    FPickList->SetVisible(false);
    FPickList->SetParent(this);
    FPickList->OnMouseUp = TMouseEvent(this, &TInplaceEditList::ListMouseUp);
    FPickList->SetIntegralHeight(true);
    FPickList->SetItemHeight(11);
  }
  return FPickList;
}

TRect TInplaceEditList::ButtonRect() {
  if (UseRightToLeftAlignment()) return TRect(0, 0, FButtonWidth, GetHeight());
  return TRect(GetWidth() - FButtonWidth, 0, GetWidth(), GetHeight());
}

bool TInplaceEditList::OverButton(const TPoint& P) {
  const TRect r = ButtonRect();
  return PtInRect(&r, P);
}

void TInplaceEditList::BoundsChanged() {
  TRect r(2, 2, GetWidth() - 2, GetHeight());
  if (FEditStyle != esSimple) {
    if (UseRightToLeftAlignment()) r.left += FButtonWidth - 2;
    else r.right -= FButtonWidth;
  }
  SetFormatRect(r);
  if (SysLocale.FarEast) SetImeCompositionWindow(GetFont(), r.left, r.top);
}

void TInplaceEditList::UpdateContents() {
  FActiveList = nullptr;
  FPickListLoaded = false;
  FEditStyle = GetGrid()->GetEditStyle(GetGrid()->GetCol(), GetGrid()->GetRow());
  if (FEditStyle == esPickList) FActiveList = GetPickList();
  inherited::UpdateContents();
}

void TInplaceEditList::RestoreContents() {
  Reset();
  GetGrid()->UpdateText();
}

void TInplaceEditList::DoEditButtonClick() {
  if (OnEditButtonClick) OnEditButtonClick(GetGrid());
}

void TInplaceEditList::DoGetPickListItems() {
  if (FPickListLoaded) return;
  StringLists::TStrings* items = GetPickList()->GetItems();
  if (OnGetPickListItems) OnGetPickListItems(GetGrid()->GetCol(), GetGrid()->GetRow(), items);
  FPickListLoaded = items->GetCount() > 0;
}

void TInplaceEditList::DropDown() {
  if (FListVisible || !FActiveList) return;
  FActiveList->SetWidth(GetWidth());
  if (FActiveList == FPickList) {
    DoGetPickListItems();
    FPickList->SetColor(GetColor());
    FPickList->SetFont(GetFont());
    StringLists::TStrings* items = FPickList->GetItems();
    const Integer count = items->GetCount(), itemHeight = FPickList->GetItemHeight();
    const Integer rows = FDropDownRows > 0 && count >= FDropDownRows ? FDropDownRows : count;
    FPickList->SetHeight(rows * itemHeight + 4);
    const String text = GetText();
    FPickList->SetItemIndex(text.empty() ? -1 : items->IndexOf(text));
    Integer widest = 0;
    for (Integer i = 0; i < count; ++i) widest = std::max(widest, FPickList->GetCanvas()->TextWidth(items->GetStrings(i)));
    FPickList->SetClientWidth(std::max(FPickList->GetClientWidth(), widest));
  }
  // Below the editor, or above it when the screen ends first.
  const TPoint origin = ClientToScreen(TPoint(0, 0));
  Integer y = origin.y + GetHeight();
  if (y + FActiveList->GetHeight() > Screen->Height()) y = origin.y - FActiveList->GetHeight();
  SetWindowPos(FActiveList->GetHandle(), HWND_TOP, origin.x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  FListVisible = true;
  Invalidate();
  ::SetFocus(GetHandle());
}

void TInplaceEditList::CloseUp(bool Accept) {
  if (!FListVisible || !FActiveList || FActiveList != FPickList) return;
  if (HWND capture = GetCapture()) SendMessage(capture, WM_CANCELMODE, 0, 0);
  const Integer index = FPickList->GetItemIndex();
  const bool picked = index != -1;
  const String value = picked ? FPickList->GetItems()->GetStrings(index) : String();
  SetWindowPos(FActiveList->GetHandle(), nullptr, 0, 0, 0, 0,
               SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  FListVisible = false;
  Invalidate();
  if (Accept && picked && value != GetText()) {
    SetTextDirect(value);
    SetModified(true);
    GetGrid()->SetEditText(GetGrid()->GetCol(), GetGrid()->GetRow(), value);
  }
}

void TInplaceEditList::DoDropDownKeys(Word& Key, TShiftState Shift) {
  switch (Key) {
    case VK_UP:
    case VK_DOWN:
      if (Shift.Contains(ssAlt)) {
        if (FListVisible) CloseUp(true);
        else DropDown();
        Key = 0;
      }
      break;
    case VK_RETURN:
    case VK_ESCAPE:
      if (FListVisible && !Shift.Contains(ssAlt)) {
        CloseUp(Key == VK_RETURN);
        Key = 0;
      }
      break;
    default: break;
  }
}

void TInplaceEditList::ListMouseUp(TObject*, TMouseButton Button, TShiftState, Integer X, Integer Y) {
  if (Button != mbLeft) return;
  const TRect client = FActiveList->GetClientRect();
  CloseUp(PtInRect(&client, TPoint(X, Y)));
}

void TInplaceEditList::DblClick() {
  if (FEditStyle == esSimple || GetGrid()->OnDblClick) {
    inherited::DblClick();
    return;
  }
  if (FEditStyle == esPickList && FActiveList == FPickList) {
    // Each double click takes the next value of the list, the first after the last.
    DoGetPickListItems();
    StringLists::TStrings* items = FPickList->GetItems();
    const Integer count = items->GetCount();
    if (count == 0) return;
    const Integer current = FPickList->GetItemIndex();
    const Integer next = current < 0 || current >= count - 1 ? 0 : current + 1;
    FPickList->SetItemIndex(next);
    const String value = items->GetStrings(next);
    SetTextDirect(value);
    SetModified(true);
    GetGrid()->SetEditText(GetGrid()->GetCol(), GetGrid()->GetRow(), value);
    SelectAll();
  } else if (FEditStyle == esEllipsis) {
    DoEditButtonClick();
  }
}

void TInplaceEditList::KeyDown(Word& Key, TShiftState Shift) {
  // Ctrl+Enter presses the ellipsis button; the line break its character would type is dropped.
  if (FEditStyle == esEllipsis && Key == VK_RETURN && Shift.Contains(ssCtrl)) {
    DoEditButtonClick();
    MSG msg;
    if (PeekMessage(&msg, GetHandle(), WM_CHAR, WM_CHAR, PM_REMOVE) && msg.message == WM_QUIT)
      PostQuitMessage(static_cast<int>(msg.wParam));
    return;
  }
  inherited::KeyDown(Key, Shift);
}

void TInplaceEditList::TrackButton(Integer X, Integer Y) {
  const TRect r = ButtonRect();
  const bool pressed = PtInRect(&r, TPoint(X, Y)) != FALSE;
  if (pressed == FPressed) return;
  FPressed = pressed;
  WinPaint::InvalidateRect(GetHandle(), &r, FALSE);
}

void TInplaceEditList::StopTracking() {
  if (!FTracking) return;
  TrackButton(-1, -1);
  FTracking = false;
  SetMouseCapture(false);
}

void TInplaceEditList::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  if (Button == mbLeft && FEditStyle != esSimple && OverButton(TPoint(X, Y))) {
    if (FListVisible) {
      CloseUp(false);
    } else {
      SetMouseCapture(true);
      FTracking = true;
      TrackButton(X, Y);
      if (FActiveList) DropDown();
    }
  }
  inherited::MouseDown(Button, Shift, X, Y);
}

void TInplaceEditList::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  if (FTracking) {
    TrackButton(X, Y);
    if (FListVisible) {
      // Dragging from the button into the open list goes on as a drag in the list.
      const TPoint inList = FActiveList->ScreenToClient(ClientToScreen(TPoint(X, Y)));
      const TRect client = FActiveList->GetClientRect();
      if (PtInRect(&client, inList)) {
        StopTracking();
        SendMessage(FActiveList->GetHandle(), WM_LBUTTONDOWN, 0, MAKELPARAM(inList.x, inList.y));
      }
    }
  }
  inherited::MouseMove(Shift, X, Y);
}

void TInplaceEditList::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  const bool wasPressed = FPressed;
  StopTracking();
  if (Button == mbLeft && FEditStyle == esEllipsis && wasPressed) DoEditButtonClick();
  inherited::MouseUp(Button, Shift, X, Y);
}

void TInplaceEditList::PaintWindow(HDC DC) {
  if (FEditStyle != esSimple) {
    TRect r = ButtonRect();
    if (FEditStyle == esEllipsis) {
      DrawEdge(DC, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE | (FPressed ? BF_FLAT : 0));
      const Integer dot = std::max<Integer>(1, FButtonWidth / 8);
      const Integer shift = FPressed ? 1 : 0;
      const Integer x = r.left + (r.Width() - dot) / 2 + shift, y = r.top + (r.Height() - dot) / 2 + shift;
      for (Integer dx : {-2 * dot, 0, 2 * dot}) PatBlt(DC, x + dx, y, dot, dot, BLACKNESS);
    } else {
      UINT flags = DFCS_SCROLLCOMBOBOX;
      if (!FActiveList) flags |= DFCS_INACTIVE;
      if (FPressed) flags |= DFCS_FLAT | DFCS_PUSHED;
      DrawFrameControl(DC, &r, DFC_SCROLL, flags);
    }
    ExcludeClipRect(DC, r.left, r.top, r.right, r.bottom);
  }
  inherited::PaintWindow(DC);
}

void TInplaceEditList::KillFocus(TMessage& Message) {
  if (SysLocale.FarEast) {
    SetImeName(Screen->DefaultIme());
    SetImeMode(imDontCare);
  }
  inherited::Dispatch(Message);
  // A click on the open list passes the focus through it back to the editor (TPopupListbox).
  const bool toOwnList = FActiveList && FActiveList->HandleAllocated() &&
                         reinterpret_cast<HWND>(Message.WParam) == FActiveList->GetHandle();
  if (!toOwnList) CloseUp(false);
}

void TInplaceEditList::WndProc(TMessage& Message) {
  if (FEditStyle == esPickList &&
      (Message.Msg == WM_KEYDOWN || Message.Msg == WM_SYSKEYDOWN || Message.Msg == WM_CHAR)) {
    auto key = static_cast<Word>(Message.WParam);
    DoDropDownKeys(key, KeyDataToShiftState(Message.LParam));
    if (key != 0 && FListVisible) {
      SendMessage(FActiveList->GetHandle(), Message.Msg, Message.WParam, Message.LParam);
      return;
    }
    Message.WParam = key;
  }
  inherited::WndProc(Message);
}

void TInplaceEditList::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDBLCLK: {
      const TPoint p(static_cast<int16_t>(Message.LParamLo()), static_cast<int16_t>(Message.LParamHi()));
      if (FEditStyle != esSimple && OverButton(p)) return;  // a double click on the button does nothing
      break;
    }
    case WM_SETCURSOR: {
      POINT p;
      GetCursorPos(&p);
      if (FEditStyle != esSimple && OverButton(ScreenToClient(p))) {
        ::SetCursor(LoadCursor(nullptr, IDC_ARROW));
        Message.Result = 1;
        return;
      }
      break;
    }
    case CM_CANCELMODE: {
      auto* sender = reinterpret_cast<TControl*>(Message.LParam);
      if (sender != this && sender != FActiveList) CloseUp(false);
      break;
    }
    case WM_CANCELMODE: StopTracking(); break;
    case WM_KILLFOCUS: KillFocus(Message); return;
    default: break;
  }
  inherited::Dispatch(Message);
}

// ---- TPopupListbox ----------------------------------------------------------------------------------
IMPLEMENT_CLASS(TPopupListbox)

void TPopupListbox::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style |= WS_BORDER;
  // A list on the desktop that is never activated: the editor's form stays the active window.
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  if (UseRightToLeftReading()) Params.ExStyle |= WS_EX_RTLREADING;
  if (UseRightToLeftScrollBar()) Params.ExStyle |= WS_EX_LEFTSCROLLBAR;
  Params.WindowClass.style = CS_SAVEBITS;
}

// The list lives on the desktop, above everything; it paints its selection as focused while the
// editor keeps the real focus.
void TPopupListbox::CreateWnd() {
  inherited::CreateWnd();
  ::SetParent(GetHandle(), nullptr);
  TMessage focus{WM_SETFOCUS, 0, 0, 0};
  DefaultHandler(focus);
}

// The editor keeps the focus while its list is open: the focus a list box takes when it is clicked
// goes straight back to the editor.
void TPopupListbox::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_SETFOCUS) {
    auto* editor = dynamic_cast<TWinControl*>(Owner());
    if (editor && editor->HandleAllocated()) {
      ::SetFocus(editor->GetHandle());
      return;
    }
  }
  inherited::Dispatch(Message);
}

void TPopupListbox::KeyPress(char& Key) {
  const auto ch = static_cast<unsigned char>(Key);
  if (Key == '\b' || Key == 0x1B) {
    FSearchText.clear();
    FPendingChar.clear();
  } else if (ch >= 32) {
    // A character typed as several bytes counts once it is complete.
    FPendingChar += Key;
    const auto lead = static_cast<unsigned char>(FPendingChar[0]);
    const size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (FPendingChar.size() >= length) {
      const Cardinal now = GetTickCount();
      if (now - FSearchTickCount > SearchPause) FSearchText.clear();
      FSearchTickCount = now;
      if (StrCharLength(FSearchText) < SearchLength) FSearchText += FPendingChar;
      FPendingChar.clear();
      SendMessage(GetHandle(), LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(FSearchText.c_str()));
    }
    Key = 0;
  }
  inherited::KeyPress(Key);
}

void TPopupListbox::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseUp(Button, Shift, X, Y);
  const bool inside = X >= 0 && Y >= 0 && X < GetWidth() && Y < GetHeight();
  static_cast<TInplaceEditList*>(Owner())->CloseUp(inside);
}

}  // namespace Grids_ts
