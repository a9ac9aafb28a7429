// The grid's window and component messages besides painting and scrolling: focus, dialog codes,
// heading accelerators, fonts, the clipboard and cursors; the two timers that repeat cell buttons
// (id 1) and spin buttons (id 2); and the default cell buttons an application may replace.
#include "Forms.h"
#include "TSGridButtons.h"
#include "TSGridCells.h"
#include "TSGridColumns.h"
#include "TSGridControls.h"
#include "TSGridImpl.h"
#include "TSGridRows.h"
#include "WinControls.h"
#include "WinInput.h"
#include "WinTimers.h"

namespace TSGrid {

namespace {
constexpr UINT_PTR ButtonTimerId = 1;
constexpr UINT_PTR SpinTimerId = 2;
constexpr UINT ButtonTimerInterval = 50;
}  // namespace

// ---- Messages ---------------------------------------------------------------------------------------
void TtsBaseGrid::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT: WMPaint(Message); return;
    case WM_ERASEBKGND: WMEraseBkgnd(Message); return;
    case WM_HSCROLL: WMHScroll(Message); return;
    case WM_VSCROLL: WMVScroll(Message); return;
    case WM_SIZE: WMSize(Message); return;
    case WM_NCHITTEST:
      inherited::Dispatch(Message);
      FLastHitTest = TPoint(static_cast<int16_t>(Message.LParamLo()), static_cast<int16_t>(Message.LParamHi()));
      return;
    case WM_SETCURSOR: WMSetCursor(Message); return;
    case CM_DESIGNHITTEST: CMDesignHitTest(Message); return;
    case WM_TIMER:
      if (Message.WParam == ButtonTimerId) CheckMousePosition();
      if (Message.WParam == SpinTimerId) SpinTimerEvent();
      inherited::Dispatch(Message);
      return;
    case WM_GETDLGCODE:
      inherited::Dispatch(Message);
      Message.Result |= DLGC_WANTCHARS;
      if ((InEditMode() || FocusRectActive()) && FWantTabs && GetKeyState(VK_CONTROL) >= 0)
        Message.Result |= DLGC_WANTTAB;
      return;
    case WM_SETFOCUS: WMSetFocus(Message); return;
    case WM_KILLFOCUS: WMKillFocus(Message); return;
    case CM_ENTER:
      ++FFocusEntryCount;
      try {
        inherited::Dispatch(Message);
      } catch (...) {
        --FFocusEntryCount;
        throw;
      }
      --FFocusEntryCount;
      return;
    case CM_DIALOGCHAR: {
      Integer dataCol = CanFocus() ? GetAccelHeading(static_cast<Word>(Message.WParam)) : 0;
      if (dataCol <= 0) {
        inherited::Dispatch(Message);
        return;
      }
      DoHeadingClick(dataCol);
      Message.Result = 1;
      return;
    }
    case CM_CURSORCHANGED:
      inherited::Dispatch(Message);
      for (TtsCustomGridControl* control : {FEditControl, FCheckControl})
        if (control) control->SetCursor(GetCursor());
      return;
    case WM_CUT: FCurrentCell->CutToClipboard(); return;
    case WM_COPY: FCurrentCell->CopyToClipboard(); return;
    case WM_PASTE: FCurrentCell->PasteFromClipboard(); return;
    case CM_FONTCHANGED: CMFontChanged(Message); return;
    case CM_PARENTFONTCHANGED:
      inherited::Dispatch(Message);
      if (FHeadingParentFont) {
        TFont* font = Message.WParam ? reinterpret_cast<TFont*>(Message.LParam) : GetParent() ? GetParent()->GetFont()
                                                                                               : nullptr;
        if (font) FHeadingFont->Assign(font);
      }
      return;
    default: inherited::Dispatch(Message);
  }
}

void TtsBaseGrid::WMSetFocus(TMessage& Message) {
  inherited::Dispatch(Message);
  if (ComponentState().Contains(csDestroying) || FHidingControl || FControlHidden) return;
  if (FActiveControl && !FActiveControl->GetVisible())
    ShowGridControl();
  else if (FocusToGridControl())
    FActiveControl->SetFocus();
  DrawCurrentFocusRect(false);
}

void TtsBaseGrid::WMKillFocus(TMessage& Message) {
  inherited::Dispatch(Message);
  if (ComponentState().Contains(csDestroying)) return;
  ResetKeyNavigation();
  if (!(FAlwaysShowEditor && !DisplayFocusRect(FCurDisplayCol, FCurDisplayRow, true)))
    InvalidateFocusRect(FCurDisplayCol, FCurDisplayRow, false);
}

void TtsBaseGrid::CMFontChanged(TMessage& Message) {
  inherited::Dispatch(Message);
  // Fonts change already while the grid is made, before its lists exist.
  if (!FColFontFollowers || !FCellFontFollowers) return;
  // The layers whose fonts follow the grid's take the new font.
  for (Integer i = 0; i < FColFontFollowers->GetCount(); ++i) {
    Integer col = FColFontFollowers->GetItem(i);
    if (col >= 0 && col < FCols->GetCount()) FCols->GetItem(col)->CheckFont();
  }
  for (Integer i = 0; i < FRowFontFollowers->GetCount(); ++i) {
    Integer row = FRowFontFollowers->GetItem(i);
    if (row >= 0 && row < FRows->GetCount())
      if (TtsRow* item = FRows->GetItem(row)) item->CheckFont();
  }
  UpdateCellFonts();
  for (TCustomForm* form : {FDateTimeForm, FComboForm})
    if (form) form->GetFont()->Assign(GetFont());
}

Integer TtsBaseGrid::GetAccelHeading(Word Key) {
  for (Integer displayCol = 1; displayCol <= GetGridColCount(); ++displayCol) {
    Integer dataCol = GetDataCol(displayCol);
    if (Strings::IsAccel(Key, FCols->GetItem(dataCol)->GetHeading())) return dataCol;
  }
  return 0;
}

// ---- Timers -----------------------------------------------------------------------------------------
void TtsBaseGrid::StartTimer(UINT_PTR& Timer, UINT_PTR Id, UINT Interval, bool Restart) {
  if (Timer != 0 && !Restart) return;
  StopTimer(Timer);
  if (HandleAllocated()) Timer = SetTimer(GetHandle(), Id, Interval, nullptr);
}

void TtsBaseGrid::StartButtonTimer() { StartTimer(FButtonTimer, ButtonTimerId, ButtonTimerInterval, false); }

void TtsBaseGrid::StartSpinTimer(bool First) {
  if (FSpinTimer != 0) return;
  StartTimer(FSpinTimer, SpinTimerId, static_cast<UINT>(First ? FSpinStartDelay : FSpinRepeatDelay), false);
}

void TtsBaseGrid::CheckRestartSpinTimer() {
  if (FSpinTimer == 0 || !FFirstSpinRepeat) return;
  StopTimer(FSpinTimer);
  FFirstSpinRepeat = false;
  StartSpinTimer(false);
}

// ---- Default cell buttons -------------------------------------------------------------------------------
void TtsBaseGrid::CreateDefaultButton(TBitmap* Bitmap, TColor TransparentColor, Integer Width, Integer Height) {
  FreeAndNil(FNormalButton);
  FNormalButton = New<TtsNormalButton>(this, Bitmap, TransparentColor, Width, Height);
}

void TtsBaseGrid::CreateDefaultCombo(TBitmap* Bitmap, TColor TransparentColor, Integer Width, Integer Height) {
  FreeAndNil(FComboButton);
  FComboButton = New<TtsComboButton>(this, Bitmap, TransparentColor, Width, Height);
}

void TtsBaseGrid::DestroyDefaultButton() { FreeAndNil(FNormalButton); }
void TtsBaseGrid::DestroyDefaultCombo() { FreeAndNil(FComboButton); }

}  // namespace TSGrid
