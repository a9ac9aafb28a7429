// TWinControl's children: inserting and removing them, finding one at a point, aligning them, the
// tab order and focus among them, and the key messages with the dialog keys that move the focus.
#include <algorithm>

#include "Controls.h"
#include "Exceptions.h"
#include "Forms.h"
#include "Menus.h"
#include "WinUser.h"

namespace Controls {

// ---- Children ---------------------------------------------------------------------------------------
void TWinControl::InsertControl(TControl* AControl) {
  FControls.push_back(AControl);
  if (auto* w = dynamic_cast<TWinControl*>(AControl)) FTabList.push_back(w);
  AControl->FParent = this;
  if (!AControl->ComponentState().Contains(csReading) && !AControl->ControlState.Contains(csReadingState)) {
    AControl->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    AControl->Perform(CM_PARENTFONTCHANGED, 0, 0);
    AControl->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
    AControl->Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
    AControl->Perform(CM_PARENTCTL3DCHANGED, 0, 0);
    AControl->UpdateAnchorRules();
    if (auto* w = dynamic_cast<TWinControl*>(AControl)) w->UpdateControlState();
    else AControl->Invalidate();
    AlignControl(AControl);
  }
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(AControl), 1);
}

void TWinControl::RemoveControl(TControl* AControl) {
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(AControl), 0);
  if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
    if (auto* form = GetParentForm(this)) form->DefocusControl(w, true);
    if (w->HandleAllocated()) w->DestroyHandle();
    FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), w), FTabList.end());
  } else {
    AControl->InvalidateControl(AControl->GetVisible(), false);
  }
  if (MouseControl() == AControl) SetMouseControl(nullptr);
  FControls.erase(std::remove(FControls.begin(), FControls.end(), AControl), FControls.end());
  AControl->FParent = nullptr;
  Realign();
}

bool TWinControl::ContainsControl(TControl* Control) {
  while (Control && Control != this) Control = Control->FParent;
  return Control == this;
}

TControl* TWinControl::ControlAtPos(const TPoint& Pos, bool AllowDisabled, bool AllowWinControls) {
  // Top-most first: the last child in z-order wins.
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* c = *it;
    if (!AllowWinControls && dynamic_cast<TWinControl*>(c)) continue;
    if (!c->GetVisible() || (!AllowDisabled && !c->GetEnabled())) continue;
    TPoint p(Pos.x - c->FLeft, Pos.y - c->FTop);
    if (p.x >= 0 && p.y >= 0 && p.x < c->FWidth && p.y < c->FHeight && c->Perform(CM_HITTEST, 0, MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y))))
      return c;
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& Message) {
  for (size_t i = 0; i < FControls.size(); ++i) {
    FControls[i]->WindowProc(Message);
    if (Message.Result != 0) return;
  }
}

void TWinControl::GetChildren(TGetChildProc Proc, TComponent* Root) {
  for (TControl* c : FControls)
    if (c->Owner() == Root) Proc(c);
}

void TWinControl::SetChildOrder(TComponent* Child, Integer Order) {
  auto* c = dynamic_cast<TControl*>(Child);
  if (!c || c->FParent != this) return;
  FControls.erase(std::find(FControls.begin(), FControls.end(), c));
  FControls.insert(FControls.begin() + std::clamp<Integer>(Order, 0, ControlCount()), c);
}

// ---- Alignment --------------------------------------------------------------------------------------
void TWinControl::EnableAlign() {
  if (--FAlignLevel == 0 && ControlState.Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::Realign() { AlignControl(nullptr); }

void TWinControl::AlignControl(TControl* AControl) {
  if (ComponentState().Contains(csDestroying)) return;
  if (FAlignLevel != 0 || ComponentState().Contains(csLoading) || ControlState.Contains(csReadingState)) {
    ControlState.Include(csAlignmentNeeded);
    return;
  }
  DisableAlign();
  try {
    TRect r = GetClientRect();
    AlignControls(AControl, r);
  } catch (...) {
    --FAlignLevel;
    throw;
  }
  ControlState.Exclude(csAlignmentNeeded);
  --FAlignLevel;
}

void TWinControl::ScaleControls(Integer M, Integer D) {
  for (TControl* c : std::vector<TControl*>(FControls)) c->ChangeScale(M, D);
}

void TWinControl::ChangeScale(Integer M, Integer D) {
  if (M == D || D == 0) {
    // Nothing moves; the children's and the control's scaling flags are cleared all the same.
    ScaleControls(M, D);
    inherited::ChangeScale(M, D);
    return;
  }
  DisableAlign();
  try {
    ScaleControls(M, D);
    inherited::ChangeScale(M, D);
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
}

void TWinControl::AdjustClientRect(TRect& Rect) {
  Rect.left += FBorderWidth;
  Rect.top += FBorderWidth;
  Rect.right -= FBorderWidth;
  Rect.bottom -= FBorderWidth;
}

// The aligned children take their places edge by edge in the order top, bottom, left, right, client:
// each edge's controls by their position (the control just moved or resized first among equals),
// each cutting its extent from the rectangle that remains. Anchored children follow the parent's
// size change afterwards.
void TWinControl::AlignControls(TControl* AControl, TRect& Rect) {
  AdjustClientRect(Rect);
  TRect parentClient = Rect;
  auto insertBefore = [&](TControl* c1, TControl* c2, TAlign align) {
    switch (align) {
      case alTop: return c1->FTop < c2->FTop;
      case alBottom: return c1->FTop + c1->FHeight >= c2->FTop + c2->FHeight;
      case alLeft: return c1->FLeft < c2->FLeft;
      case alRight: return c1->FLeft + c1->FWidth >= c2->FLeft + c2->FWidth;
      default: return false;
    }
  };
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
    std::vector<TControl*> list;
    if (AControl && AControl->FAlign == align && AControl->FVisible && AControl->FParent == this) list.push_back(AControl);
    for (TControl* c : FControls) {
      if (c == AControl || c->FAlign != align || !c->FVisible) continue;
      auto at = list.begin();
      while (at != list.end() && !insertBefore(c, *at, align)) ++at;
      list.insert(at, c);
    }
    for (TControl* c : list) {
      Integer l = Rect.left, t = Rect.top, w = Rect.Width(), h = Rect.Height();
      switch (align) {
        case alTop: h = c->FHeight; break;
        case alBottom: h = c->FHeight; t = Rect.bottom - h; break;
        case alLeft: w = c->FWidth; break;
        case alRight: w = c->FWidth; l = Rect.right - w; break;
        default: break;
      }
      c->FAnchorMove = true;
      c->SetBounds(l, t, std::max<Integer>(0, w), std::max<Integer>(0, h));
      c->FAnchorMove = false;
      // The size the control settled on (its constraints may differ) is what it takes away.
      switch (align) {
        case alTop: Rect.top += c->FHeight; break;
        case alBottom: Rect.bottom -= c->FHeight; break;
        case alLeft: Rect.left += c->FWidth; break;
        case alRight: Rect.right -= c->FWidth; break;
        default: break;
      }
    }
  }
  for (TControl* c : FControls)
    if (c->FAlign == alNone && c->FVisible) c->DoAnchors(parentClient);
}

// ---- Tab order and focus ----------------------------------------------------------------------------
void TWinControl::SetTabStop(bool Value) {
  if (FTabStop == Value) return;
  FTabStop = Value;
  if (FHandle) {
    LONG style = GetWindowLong(FHandle, GWL_STYLE);
    SetWindowLong(FHandle, GWL_STYLE, Value ? (style | WS_TABSTOP) : (style & ~static_cast<LONG>(WS_TABSTOP)));
  }
  Perform(CM_TABSTOPCHANGED, 0, 0);
}

Integer TWinControl::GetTabOrder() const {
  if (!FParent) return -1;
  auto& list = FParent->FTabList;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<Integer>(it - list.begin());
}

// Out-of-range values place the control last, so tab orders read from a stream may have gaps.
void TWinControl::SetTabOrder(Integer Value) {
  if (!FParent) return;
  auto& list = FParent->FTabList;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  if (Value < 0 || Value >= static_cast<Integer>(list.size())) list.push_back(this);
  else list.insert(list.begin() + Value, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) {
  for (TWinControl* c : FTabList) {
    List.push_back(c);
    c->GetTabOrderList(List);
  }
}

bool TWinControl::CanFocus() {
  Forms::TCustomForm* form = GetParentForm(this);
  if (!form) return false;
  // The form's own state does not count: a form not yet shown may name its active control.
  for (TWinControl* c = this; c && c != form; c = c->FParent)
    if (!c->GetVisible() || !c->GetEnabled()) return false;
  return true;
}

bool TWinControl::Focused() { return FHandle && GetFocus() == FHandle; }

void TWinControl::SetFocus() {
  if (Forms::TCustomForm* form = GetParentForm(this)) {
    form->FocusControl(this);
  } else if (FParentWindow) {
    ::SetFocus(GetHandle());
  } else {
    ::SetFocus(GetHandle());
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  Integer count = static_cast<Integer>(list.size());
  auto at = std::find(list.begin(), list.end(), CurControl);
  Integer start = at == list.end() ? (GoForward ? count - 1 : 0) : static_cast<Integer>(at - list.begin());
  Integer i = start;
  do {
    i = GoForward ? (i + 1) % count : (i + count - 1) % count;
    TWinControl* c = list[static_cast<size_t>(i)];
    if (c != CurControl && c->CanFocus() && (!CheckTabStop || c->FTabStop) && (!CheckParent || c->FParent == this))
      return c;
  } while (i != start);
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
  if (TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop)) next->SetFocus();
}

void TWinControl::SelectFirst() {
  Forms::TCustomForm* form = GetParentForm(this);
  if (!form) return;
  TWinControl* c = FindNextControl(nullptr, true, true, false);
  if (!c) c = FindNextControl(nullptr, true, false, false);
  if (c) form->SetActiveControl(c);
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

// ---- Keys -------------------------------------------------------------------------------------------
bool TWinControl::DoKeyDown(TMessage& Message) {
  Forms::TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->GetKeyPreview() && form->DoKeyDown(Message)) return true;
  Word key = static_cast<Word>(Message.WParam);
  if (!ControlStyle.Contains(csNoStdEvents)) {
    KeyDown(key, KeyDataToShiftState(Message.LParam));
    if (key == 0) return true;
  }
  Message.WParam = key;
  return false;
}

bool TWinControl::DoKeyUp(TMessage& Message) {
  Forms::TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->GetKeyPreview() && form->DoKeyUp(Message)) return true;
  Word key = static_cast<Word>(Message.WParam);
  if (!ControlStyle.Contains(csNoStdEvents)) {
    KeyUp(key, KeyDataToShiftState(Message.LParam));
    if (key == 0) return true;
  }
  Message.WParam = key;
  return false;
}

bool TWinControl::DoKeyPress(TMessage& Message) {
  Forms::TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->GetKeyPreview() && form->DoKeyPress(Message)) return true;
  char ch = static_cast<char>(Message.WParam);
  if (!ControlStyle.Contains(csNoStdEvents)) {
    KeyPress(ch);
    if (ch == 0) return true;
  }
  Message.WParam = static_cast<unsigned char>(ch);
  return false;
}

void TWinControl::KeyDown(Word& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}
void TWinControl::KeyUp(Word& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}
void TWinControl::KeyPress(char& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}

// A key the control does not claim through WM_GETDLGCODE goes to its form as a dialog key (Tab,
// arrows, Enter, Escape); the answer 1 means the form used it and the key message is not dispatched.
void TWinControl::CNKeyDown(TMessage& Message) {
  Message.Result = 1;
  if (IsMenuKey(Message)) return;
  if (Perform(CM_CHILDKEY, Message.WParam, reinterpret_cast<LPARAM>(this)) != 0) return;
  LRESULT mask = 0;
  switch (Message.WParam) {
    case VK_TAB: mask = DLGC_WANTTAB; break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: mask = DLGC_WANTARROWS; break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
    default: break;
  }
  if (mask != 0 && Perform(CM_WANTSPECIALKEY, Message.WParam, 0) == 0 && (Perform(WM_GETDLGCODE, 0, 0) & mask) == 0) {
    Forms::TCustomForm* form = GetParentForm(this);
    if (form && form->Perform(CM_DIALOGKEY, Message.WParam, Message.LParam) != 0) return;
  }
  Message.Result = 0;
}

// The popup menus of the control and of each parent up to the form, then the form's shortcuts: the
// first that clicks an item for the key uses it.
bool TWinControl::IsMenuKey(TMessage& Message) {
  if (ComponentState().Contains(csDesigning)) return false;
  for (TWinControl* c = this; c; c = c->FParent)
    if (auto* menu = dynamic_cast<Menus::TMenu*>(c->GetPopupMenu()); menu && menu->IsShortCut(Message)) return true;
  Forms::TCustomForm* form = GetParentForm(this);
  return form && form->IsShortCut(Message);
}

}  // namespace Controls
