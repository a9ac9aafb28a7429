// The window messages of the base grid engine: scroll bars, size and showing, the keys a dialog
// leaves to the grid, typing into a cell, hit testing and the sizing cursors, focus, the timer,
// cancelling and the in-place editor's notifications.
#include "Forms.h"
#include "Grids_tsEngine.h"
#include "Grids_tsInplace.h"
#include "WinUser.h"

namespace Grids_ts {

void TCustomGrid_ts::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
      ModifyScrollBar(Message.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT, Message.WParamLo(), Message.WParamHi(), true);
      Message.Result = 0;
      return;
    case WM_SIZE:
      inherited::Dispatch(Message);
      UpdateScrollRange();
      if (DrawsRightToLeft()) Invalidate();
      return;
    case CM_SHOWINGCHANGED:
      inherited::Dispatch(Message);
      if (Showing()) UpdateScrollRange();
      return;
    case WM_GETDLGCODE: DialogCode(Message); return;
    case WM_CHAR: {
      const auto ch = static_cast<unsigned char>(Message.WParam);
      if (FOptions.Contains(goEditing) && (ch == 8 || ch >= 32)) ShowEditorChar(static_cast<char>(ch));
      else inherited::Dispatch(Message);
      return;
    }
    case WM_NCHITTEST:
      DefaultHandler(Message);
      FHitTest = ScreenToClient(TPoint(static_cast<int16_t>(Message.LParamLo()), static_cast<int16_t>(Message.LParamHi())));
      return;
    case WM_SETCURSOR: SetCursorMessage(Message); return;
    case WM_SETFOCUS: {
      inherited::Dispatch(Message);
      const bool fromEditor = FInplaceEdit && FInplaceEdit->HandleAllocated() &&
                              reinterpret_cast<HWND>(Message.WParam) == FInplaceEdit->GetHandle();
      if (!fromEditor) {
        InvalidateRect(GetSelection());
        UpdateEdit();
      }
      return;
    }
    case WM_KILLFOCUS: {
      inherited::Dispatch(Message);
      InvalidateRect(GetSelection());
      if (FInplaceEdit &&
          !(FInplaceEdit->HandleAllocated() && reinterpret_cast<HWND>(Message.WParam) == FInplaceEdit->GetHandle()))
        HideEdit();
      return;
    }
    case WM_TIMER: TimerTick(); return;
    case WM_CANCELMODE:
      inherited::Dispatch(Message);
      CancelMode();
      return;
    case CM_CANCELMODE:
      if (FInplaceEdit) FInplaceEdit->Perform(Message.Msg, Message.WParam, Message.LParam);
      inherited::Dispatch(Message);
      CancelMode();
      return;
    case CM_DESIGNHITTEST:
      // The form designer lets the grid have the mouse over borders it can size.
      Message.Result = Sizing(static_cast<int16_t>(Message.LParamLo()), static_cast<int16_t>(Message.LParamHi())) ? -1 : 0;
      return;
    case CM_WANTSPECIALKEY:
      inherited::Dispatch(Message);
      if (FOptions.Contains(goEditing) && Message.WParam == VK_RETURN) Message.Result = 1;
      return;
    case CM_CTL3DCHANGED:
      inherited::Dispatch(Message);
      RecreateWnd();  // the border depends on the 3D look
      return;
    case CM_FONTCHANGED:
      if (FInplaceEdit) FInplaceEdit->SetFont(GetFont());
      inherited::Dispatch(Message);
      return;
    case WM_LBUTTONDOWN:
      inherited::Dispatch(Message);
      if (FInplaceEdit) FInplaceEdit->FClickTime = GetMessageTime();
      return;
    case WM_COMMAND:
      // Every change the user makes in the editor reaches the grid at once.
      if (FInplaceEdit && FInplaceEdit->HandleAllocated() &&
          reinterpret_cast<HWND>(Message.LParam) == FInplaceEdit->GetHandle() && Message.WParamHi() == EN_CHANGE &&
          !FInplaceEdit->SettingText())
        UpdateText();
      inherited::Dispatch(Message);
      return;
    default: inherited::Dispatch(Message);
  }
}

void TCustomGrid_ts::DialogCode(TMessage& Message) {
  Message.Result = DLGC_WANTARROWS;
  if (FOptions.Contains(goRowSelect)) return;
  if (FOptions.Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
  if (FOptions.Contains(goEditing)) Message.Result |= DLGC_WANTCHARS;
}

// Over a sizable border the pointer shows which way it sizes.
void TCustomGrid_ts::SetCursorMessage(TMessage& Message) {
  if (static_cast<int16_t>(Message.LParamLo()) == HTCLIENT) {
    TGridState state = FGridState;
    if (state == gsNormal) {
      TGridDrawInfo info;
      CalcDrawInfo(info);
      Integer index, pos, ofs;
      CalcSizingState(FHitTest.x, FHitTest.y, state, index, pos, ofs, info);
    }
    if (state == gsRowSizing || state == gsColSizing) {
      ::SetCursor(Screen->GetCursors(state == gsRowSizing ? crVSplit : crHSplit));
      Message.Result = 1;
      return;
    }
  }
  inherited::Dispatch(Message);
}

void TCustomGrid_ts::DoExit() {
  inherited::DoExit();
  if (!FOptions.Contains(goAlwaysShowEditor)) HideEditor();
}

}  // namespace Grids_ts
