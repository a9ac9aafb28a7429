// The in-place editor of the base grid engine: the grid's side (when the editor is created, shown,
// moved, loaded and unloaded, and how its text goes back to the grid) and the editor itself, a
// borderless masked edit over the current cell that hands navigation keys to the grid.
#include "Forms.h"
#include "Grids_tsInplace.h"
#include "WinUser.h"

namespace Grids_ts {

namespace {
// Sets a flag for the scope, clearing it when the scope ends, also when an exception passes.
class TFlagScope {
 public:
  explicit TFlagScope(bool& Flag) : FFlag(Flag) { FFlag = true; }
  ~TFlagScope() { FFlag = false; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& FFlag;
};
}  // namespace

// ---- The grid's side --------------------------------------------------------------------------------
bool TCustomGrid_ts::IsActiveControl() {
  if (Forms::TCustomForm* form = GetParentForm(this)) return form->GetActiveControl() == this;
  if (!HandleAllocated()) return false;
  const HWND own = GetHandle();
  for (HWND h = GetFocus(); h; h = ::GetParent(h))
    if (h == own) return true;
  return false;
}

bool TCustomGrid_ts::CanEditShow() {
  return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) && FEditorMode &&
         !ComponentState().Contains(csDesigning) && HandleAllocated() &&
         (FOptions.Contains(goAlwaysShowEditor) || IsActiveControl());
}

TInplaceEdit* TCustomGrid_ts::CreateEditor() { return New<TInplaceEdit>(this); }

void TCustomGrid_ts::ShowEditor() {
  FEditorMode = true;
  UpdateEdit();
}

void TCustomGrid_ts::HideEditor() {
  FEditorMode = false;
  HideEdit();
}

// Typing into a cell starts editing it with the character typed.
void TCustomGrid_ts::ShowEditorChar(char Ch) {
  ShowEditor();
  if (FInplaceEdit) PostMessage(FInplaceEdit->GetHandle(), WM_CHAR, static_cast<unsigned char>(Ch), 0);
}

void TCustomGrid_ts::InvalidateEditor() {
  FInplaceCol = FInplaceRow = -1;
  UpdateEdit();
}

void TCustomGrid_ts::SetEditorMode(bool Value) {
  if (!Value) {
    HideEditor();
    return;
  }
  ShowEditor();
  if (FInplaceEdit) FInplaceEdit->Deselect();
}

void TCustomGrid_ts::UpdateEdit() {
  if (!CanEditShow()) return;
  auto load = [this] {
    FInplaceCol = FCurrent.X;
    FInplaceRow = FCurrent.Y;
    FInplaceEdit->UpdateContents();
    FEditModifiable = GetEditLimit() != -1;
    FInplaceEdit->SelectAll();
  };
  if (!FInplaceEdit) {
    FInplaceEdit = CreateEditor();
    FInplaceEdit->SetGrid(this);
    FInplaceEdit->SetParent(this);
    load();
  } else if (FCurrent.X != FInplaceCol || FCurrent.Y != FInplaceRow) {
    HideEdit();
    load();
  }
  if (CanEditShow()) FInplaceEdit->Move(CellRect(FCurrent.X, FCurrent.Y));
}

void TCustomGrid_ts::HideEdit() {
  if (!FInplaceEdit) return;
  struct TUnload {
    TCustomGrid_ts* Grid;
    ~TUnload() {
      Grid->FInplaceCol = Grid->FInplaceRow = -1;
      Grid->FInplaceEdit->Hide();
    }
  } unload{this};
  UpdateText();
}

void TCustomGrid_ts::UpdateText() {
  if (FInplaceEdit && FInplaceCol != -1 && FInplaceRow != -1) SetEditText(FInplaceCol, FInplaceRow, FInplaceEdit->GetText());
}

// ---- TInplaceEdit -----------------------------------------------------------------------------------
IMPLEMENT_CLASS(TInplaceEdit)

void TInplaceEdit::Construct() {
  inherited::Construct();
  SetParentCtl3D(false);
  SetCtl3D(false);
  SetTabStop(false);
  SetBorderStyle(bsNone);
  SetDoubleBuffered(false);
}

// A multi-line edit takes a formatting rectangle.
void TInplaceEdit::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style |= ES_MULTILINE;
}

void TInplaceEdit::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS: {
      // The form keeps the grid as its focused control while the editor has the focus.
      Forms::TCustomForm* form = GetParentForm(this);
      if (form && !form->SetFocusedControl(FGrid)) return;
      break;
    }
    case WM_LBUTTONDOWN:
      // A press on the editor soon after the press on the grid that showed it is a double click.
      if (FClickTime != 0 && GetMessageTime() - FClickTime < GetDoubleClickTime()) Message.Msg = WM_LBUTTONDBLCLK;
      FClickTime = 0;
      break;
    default: break;
  }
  inherited::WndProc(Message);
}

void TInplaceEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS: DefaultHandler(Message); return;  // not the form's focused control (WndProc)
    case WM_GETDLGCODE:
      DefaultHandler(Message);
      if (FGrid && FGrid->GetOptions().Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
      return;
    case CM_SHOWINGCHANGED: return;  // shown and hidden only by InternalMove and Hide
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
      if (!EditCanModify()) return;
      break;
    default: break;
  }
  inherited::Dispatch(Message);
}

bool TInplaceEdit::EditCanModify() { return FGrid->CanEditModify(); }

void TInplaceEdit::SetTextDirect(const String& Value) {
  TFlagScope setting(FSettingText);
  SetText(Value);
}

void TInplaceEdit::UpdateContents() {
  TFlagScope setting(FSettingText);
  SetText(String());
  SetEditMask(FGrid->GetEditMask(FGrid->GetCol(), FGrid->GetRow()));
  SetText(FGrid->GetEditText(FGrid->GetCol(), FGrid->GetRow()));
  SetMaxLength(FGrid->GetEditLimit());
}

void TInplaceEdit::SetFormatRect(const TRect& R) {
  SendMessage(GetHandle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(static_cast<const RECT*>(&R)));
  SendMessage(GetHandle(), EM_SCROLLCARET, 0, 0);
}

void TInplaceEdit::BoundsChanged() { SetFormatRect(TRect(2, 2, GetWidth() - 2, GetHeight())); }

bool TInplaceEdit::Visible() { return HandleAllocated() && IsWindowVisible(GetHandle()); }

void TInplaceEdit::SetFocus() {
  if (Visible()) ::SetFocus(GetHandle());
}

bool TInplaceEdit::PosEqual(const TRect& Rect) {
  if (!HandleAllocated()) return false;
  RECT r;
  GetWindowRect(GetHandle(), &r);
  MapWindowPoints(HWND_DESKTOP, FGrid->GetHandle(), reinterpret_cast<POINT*>(&r), 2);
  return TRect(r) == Rect;
}

Integer TInplaceEdit::TextLength() { return HandleAllocated() ? GetWindowTextLength(GetHandle()) : 0; }

void TInplaceEdit::Deselect() {
  const auto end = static_cast<WPARAM>(TextLength());
  SendMessage(GetHandle(), EM_SETSEL, end, static_cast<LPARAM>(end));
}

void TInplaceEdit::Hide() {
  if (!HandleAllocated() || !IsWindowVisible(GetHandle())) return;
  const bool hadFocus = Focused();
  Invalidate();
  SetWindowPos(GetHandle(), nullptr, 0, 0, 0, 0,
               SWP_HIDEWINDOW | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (hadFocus) ::SetFocus(FGrid->GetHandle());
}

void TInplaceEdit::Invalidate() {
  if (!HandleAllocated()) return;
  const HWND own = GetHandle();
  ValidateRect(own, nullptr);
  WinPaint::InvalidateRect(own, nullptr, TRUE);
  if (!FGrid || !FGrid->HandleAllocated()) return;
  RECT cell;
  ::GetClientRect(own, &cell);
  MapWindowPoints(own, FGrid->GetHandle(), reinterpret_cast<POINT*>(&cell), 2);
  ValidateRect(FGrid->GetHandle(), &cell);
  WinPaint::InvalidateRect(FGrid->GetHandle(), &cell, FALSE);
}

void TInplaceEdit::InternalMove(const TRect& Loc, bool Redraw) {
  if (IsRectEmpty(&Loc)) {
    Hide();
    return;
  }
  const HWND own = GetHandle();
  Redraw = Redraw || !IsWindowVisible(own);
  Invalidate();
  SetWindowPos(own, HWND_TOP, Loc.left, Loc.top, Loc.Width(), Loc.Height(), SWP_SHOWWINDOW | SWP_NOREDRAW);
  BoundsChanged();
  if (Redraw) Invalidate();
  if (FGrid->Focused()) ::SetFocus(own);
}

void TInplaceEdit::DblClick() { FGrid->DblClick(); }

bool TInplaceEdit::DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) {
  return FGrid->DoMouseWheel(Shift, WheelDelta, MousePos);
}

void TInplaceEdit::KeyUp(Word& Key, TShiftState Shift) { FGrid->KeyUp(Key, Shift); }

// Where the caret stands: the character index at its client position.
bool TInplaceEdit::CaretAtLeft() {
  POINT caret;
  GetCaretPos(&caret);
  const auto pos = LOWORD(SendMessage(GetHandle(), EM_CHARFROMPOS, 0, MAKELPARAM(caret.x, caret.y)));
  const Integer start = GetSelStart(), end = start + GetSelLength();
  return pos == 0 && start == 0 && (end == 0 || end == TextLength());
}

bool TInplaceEdit::CaretAtRight() {
  POINT caret;
  GetCaretPos(&caret);
  const Integer pos = LOWORD(SendMessage(GetHandle(), EM_CHARFROMPOS, 0, MAKELPARAM(caret.x, caret.y)));
  const Integer start = GetSelStart(), end = start + GetSelLength(), length = TextLength();
  return pos == length && (start == 0 || start == end) && end == length;
}

void TInplaceEdit::KeyDown(Word& Key, TShiftState Shift) {
  auto sendToGrid = [&] {
    FGrid->KeyDown(Key, Shift);
    Key = 0;
  };
  auto gridEvent = [&] {
    if (FGrid->OnKeyDown) FGrid->OnKeyDown(FGrid, Key, Shift);
  };
  const bool ctrl = Shift.Contains(ssCtrl);
  const bool alwaysShown = FGrid->GetOptions().Contains(goAlwaysShowEditor);
  switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_ESCAPE: sendToGrid(); break;
    case VK_INSERT:
      if (Shift.Empty()) sendToGrid();
      else if (Shift == TShiftState{ssShift} && !FGrid->CanEditModify()) Key = 0;
      break;
    case VK_LEFT:
    case VK_HOME:
      if (alwaysShown && (ctrl || CaretAtLeft())) sendToGrid();
      break;
    case VK_RIGHT:
    case VK_END:
      if (alwaysShown && (ctrl || CaretAtRight())) sendToGrid();
      break;
    case VK_TAB:
      if (!Shift.Contains(ssAlt)) sendToGrid();
      break;
    case VK_DELETE:
      if (ctrl) sendToGrid();
      else if (!FGrid->CanEditModify()) Key = 0;
      break;
    case VK_F2:
      gridEvent();
      if (Key == VK_F2) {
        Deselect();
        return;
      }
      break;
    default: break;
  }
  if (Key != 0) {
    gridEvent();
    inherited::KeyDown(Key, Shift);
  }
}

void TInplaceEdit::KeyPress(char& Key) {
  FGrid->KeyPress(Key);
  const auto ch = static_cast<unsigned char>(Key);
  if (ch >= 32 && !FGrid->CanEditAcceptKey(Key)) {
    Key = 0;
    MessageBeep(0);
  }
  switch (Key) {
    case '\b':
    case 0x16:  // Ctrl+V
    case 0x18:  // Ctrl+X
      if (!EditCanModify()) Key = 0;
      break;
    case '\r': {
      const Integer start = GetSelStart();
      if (start == 0 && GetSelLength() == TextLength()) Deselect();
      else SelectAll();
      Key = 0;
      break;
    }
    case '\t':
    case 0x1B:  // Escape
      Key = 0;
      break;
    default:
      if (static_cast<unsigned char>(Key) >= 32 && !EditCanModify()) Key = 0;
      break;
  }
  if (Key != 0) inherited::KeyPress(Key);
}

}  // namespace Grids_ts
