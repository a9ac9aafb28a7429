// The in-place window base: focus that stays with the grid in the form's eyes, keys claimed from
// the dialog manager, the double-click pairing, click reporting and off-screen painting.
#include "TSGridInplaceControl.h"

#include "DateTime.h"
#include "Forms.h"
#include "TSCommonCanvas.h"
#include "TSGridResources.h"
#include "WinGdi.h"
#include "WinInput.h"
#include "WinUser.h"

namespace TSGrid {

IMPLEMENT_CLASS(TtsGridControl)

namespace {

// Whether the last left button-down that any in-place window saw came without the left-button flag:
// the grid forwards the second press of its own double click that way, and a press after it must
// not pair with it.
bool LastDownWithoutButton = false;

}  // namespace

void TtsGridControl::Construct() {
  inherited::Construct();
  SetShowHint(false);
  SetParentShowHint(false);
}

void TtsGridControl::Destroy() {
  ReleaseCanvas();
  inherited::Destroy();
}

void TtsGridControl::ReleaseCanvas() {
  if (!FCanvasPrepared || !ControlMemoryCanvas) return;
  ControlMemoryCanvas->Lock(this);
  ControlMemoryCanvas->Release();
  ControlMemoryCanvas->Unlock();
  FCanvasPrepared = false;
}

// ---- Hooks --------------------------------------------------------------------------------------------
bool TtsGridControl::CheckCanChange(bool Edit) {
  bool cancel = false;
  if (OnCanChange) OnCanChange(this, Edit, cancel);
  return !cancel;
}

bool TtsGridControl::CheckCanEdit(bool CheckKeyEdit) {
  if (CheckKeyEdit && !KeyEdit) return false;
  bool cancel = false;
  if (OnEdit) OnEdit(this, cancel);
  return !cancel && CheckCanChange(true);
}

bool TtsGridControl::WantKey(Word Key) {
  bool want = false;
  if (OnWantKey) OnWantKey(this, Key, want);
  return want;
}

void TtsGridControl::DoNotifyChanged(bool DataChanged) {
  if (OnNotifyChanged) OnNotifyChanged(this, DataChanged);
}

void TtsGridControl::DoChanged(bool Edit, bool ByUser, bool TextAdded) {
  if (OnChanged) OnChanged(this, Edit, ByUser, TextAdded);
}

void TtsGridControl::DoEndKeyDown(Word& Key, TShiftState Shift) {
  if (OnEndKeyDown) OnEndKeyDown(this, Key, Shift);
}

void TtsGridControl::DoEndKeyUp(Word& Key, TShiftState Shift) {
  if (OnEndKeyUp) OnEndKeyUp(this, Key, Shift);
}

void TtsGridControl::DoEndKeyPress(char& Key) {
  if (OnEndKeyPress) OnEndKeyPress(this, Key);
}

bool TtsGridControl::DoUndoChanged(bool ByUser) {
  bool cancel = false;
  if (OnUndoChanged) OnUndoChanged(this, ByUser, cancel);
  return !cancel;
}

bool TtsGridControl::ShowsFocus() {
  return Focused() || AlwaysShowFocus || (FGrid && FGrid->Focused());
}

void TtsGridControl::SetFocus() {
  if (!Focused()) inherited::SetFocus();
}

// ---- Messages -----------------------------------------------------------------------------------------
void TtsGridControl::WndProc(TMessage& Message) {
  if (Message.Msg != WM_SETFOCUS) {
    inherited::WndProc(Message);
    return;
  }
  // The form keeps the grid as its focused control while the keyboard is in this window.
  Forms::TCustomForm* form = GetParentForm(this);
  if (form && !form->SetFocusedControl(FGrid ? FGrid : this)) return;
  Dispatch(Message);
}

void TtsGridControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS:
      // The form's bookkeeping was done for the grid in WndProc.
      DefaultHandler(Message);
      return;
    case WM_KILLFOCUS:
      inherited::Dispatch(Message);
      if (!Destroying() && OnKillFocus) OnKillFocus(this);
      return;
    case WM_GETDLGCODE: DialogCode(Message); return;
    case WM_LBUTTONDOWN: ButtonDown(Message); return;
    case WM_LBUTTONDBLCLK: ButtonDoubleClick(Message); return;
    case WM_LBUTTONUP: ButtonUp(Message); return;
    case WM_MOVE:
      FLastDownTick = 0;
      inherited::Dispatch(Message);
      return;
    case WM_ERASEBKGND:
      // Painting covers every pixel; erasing first would only flicker.
      if (!Designing()) {
        Message.Result = 1;
        return;
      }
      inherited::Dispatch(Message);
      return;
    case CM_SHOWINGCHANGED:
      // Shown or hidden where it stands, without a repaint: the grid paints the cell beneath first.
      if (HandleAllocated())
        SetWindowPos(GetHandle(), nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE |
                         (Showing() ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
      return;
    case CM_FONTCHANGED:
      inherited::Dispatch(Message);
      if (HandleAllocated()) GetCanvas()->SetFont(GetFont());
      return;
    default: inherited::Dispatch(Message);
  }
}

void TtsGridControl::DialogCode(TMessage& Message) {
  DefaultHandler(Message);
  Message.Result |= DLGC_WANTARROWS | DLGC_WANTCHARS;
  if (WantTabs && GetKeyState(VK_CONTROL) >= 0) Message.Result |= DLGC_WANTTAB;
  if ((GetKeyState(VK_ESCAPE) < 0 && WantKey(VK_ESCAPE)) || GetKeyState(VK_RETURN) < 0)
    Message.Result |= DLGC_WANTALLKEYS;
}

// Two presses at the same pixel within the double-click time make a double click even when the
// first one was forwarded by the grid, which the window system does not pair.
void TtsGridControl::ButtonDown(TMessage& Message) {
  const bool leftFlag = (Message.WParam & MK_LBUTTON) != 0;
  const TPoint point(static_cast<int16_t>(Message.LParamLo()), static_cast<int16_t>(Message.LParamHi()));
  FDoubleClickCandidate = (KeyEdit || MouseSelect) && FDoubleClicks && leftFlag;
  FPressedHere = true;
  const DWORD now = GetTickCount();
  if (FDoubleClickCandidate && !LastDownWithoutButton && FLastDownTick != 0 && now >= FLastDownTick &&
      now - FLastDownTick <= GetDoubleClickTime() && point == FLastDownPoint) {
    Perform(WM_LBUTTONDBLCLK, Message.WParam, Message.LParam);
    FLastDownTick = 0;
    return;
  }
  LastDownWithoutButton = !leftFlag;
  FLastDownTick = now;
  FLastDownPoint = point;
  inherited::Dispatch(Message);
}

void TtsGridControl::ButtonDoubleClick(TMessage& Message) {
  FLastDownTick = 0;
  if (!FDoubleClickCandidate) {
    // The first press could not start a double click: this is a press of its own.
    Perform(WM_LBUTTONDOWN, Message.WParam, Message.LParam);
    return;
  }
  FDoubleClickCandidate = false;
  inherited::Dispatch(Message);
}

void TtsGridControl::ButtonUp(TMessage& Message) {
  if (ControlState.Contains(csClicked)) {
    ControlState.Exclude(csClicked);
    FClickPending = FPressedHere || Focused();
  }
  inherited::Dispatch(Message);
}

void TtsGridControl::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  if (FClickPending) Click();
  FClickPending = false;
  FPressedHere = false;
  inherited::MouseUp(Button, Shift, X, Y);
}

// ---- Painting -------------------------------------------------------------------------------------------
void TtsGridControl::PaintWindow(HDC DC) {
  TtsMemoryCanvas* memory = ControlMemoryCanvas;
  if (!memory) {
    inherited::PaintWindow(DC);
    return;
  }
  memory->Lock(this);
  try {
    const Integer width = GetWidth(), height = GetHeight();
    bool ready;
    if (FCanvasPrepared) {
      ready = memory->Resize(DC, width, height);
    } else {
      ready = memory->Prepare(DC, width, height);
      FCanvasPrepared = ready;
    }
    if (!ready) {
      inherited::PaintWindow(DC);
    } else {
      RECT clip{};
      GetClipBox(DC, &clip);
      memory->SetObjects(clip);
      inherited::PaintWindow(memory->DC);
      BitBlt(DC, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, memory->DC, clip.left,
             clip.top, SRCCOPY);
    }
  } catch (...) {
    memory->Unlock();
    throw;
  }
  memory->Unlock();
}

}  // namespace TSGrid
