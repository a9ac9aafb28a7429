// The keyboard front end of the grid: key-down, key-up and key-press, the routing of keys to an open
// drop-down, the dispatch of navigation and editing keys, the hand-over of a typed character (and
// of the rest of its UTF-8 sequence) to the in-place control just shown, and the hand-over of a
// mouse press and of the focus.
#include "Forms.h"
#include "Multibyte.h"
#include "TSGridCells.h"
#include "TSGridColumns.h"
#include "TSGridCombo.h"
#include "TSGridControls.h"
#include "TSGridImpl.h"
#include "WinFocus.h"
#include "WinInput.h"
#include "WinQueue.h"

namespace TSGrid {

namespace {

const TShiftState NoShift{};
const TShiftState CtrlOnly{ssCtrl};
const TShiftState ShiftOnly{ssShift};
const TShiftState AltOnly{ssAlt};

bool IsContinuationByte(char Key) { return (static_cast<unsigned char>(Key) & 0xC0) == 0x80; }

// The continuation bytes that follow a lead byte in a well-formed UTF-8 sequence.
Integer ContinuationCount(char Key) {
  auto b = static_cast<unsigned char>(Key);
  if (!Multibyte::IsDBCSLeadByte(b)) return 0;
  return b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : 1;
}

}  // namespace

// ---- The class library's key handlers -------------------------------------------------------------------
void TtsBaseGrid::KeyDown(Word& Key, TShiftState Shift) {
  DoKeyDown(Key, Shift);
  if (Key == 0) return;
  if (DateTimeVisible())
    ProcessKeyDownDateTime(Key, Shift);
  else if (GetCanProcessKey())
    ProcessKeyDown(Key, Shift);
}

void TtsBaseGrid::KeyUp(Word& Key, TShiftState Shift) {
  if (FFocusOnKeyUp) {
    FFocusOnKeyUp = false;
    if (FActiveControl && FActiveControl->GetVisible()) FActiveControl->SetFocus();
  }
  DoKeyUp(Key, Shift);
}

void TtsBaseGrid::KeyPress(char& Key) {
  if (GetCanProcessKey()) {
    // The rest of a character whose lead byte went to the control follows it there, in order.
    if (FForwardedBytes > 0 && IsContinuationByte(Key) && FActiveControl && FActiveControl->GetHandle()) {
      --FForwardedBytes;
      WinQueue::PostMessage(FActiveControl->GetHandle(), WM_CHAR, static_cast<unsigned char>(Key), 0);
      return;
    }
    FForwardedBytes = 0;
    if (FActiveControl && FActiveControl->IsEditKey(Key) && FActiveControl->GetKeyEdit() && StartShowEditor(true) &&
        FActiveControl->GetHandle()) {
      FForwardedBytes = ContinuationCount(Key);
      WinQueue::PostMessage(FActiveControl->GetHandle(), WM_CHAR, static_cast<unsigned char>(Key), 0);
      return;
    }
  }
  DoKeyPress(Key);
  if (Key != 0 && DateTimeVisible()) Key = 0;
}

// ---- The central dispatcher --------------------------------------------------------------------------------
void TtsBaseGrid::ProcessKeyDown(Word& Key, TShiftState Shift) {
  FKeyNavigation = true;
  if (Key == 0 || Key == VK_SHIFT || Key == VK_CONTROL || Key == VK_MENU) return;
  if (Shift.Contains(ssAlt) && Key != VK_UP && Key != VK_DOWN) return;
  if (ComboVisible()) {
    ProcessKeyDownCombo(Key, Shift);
    if (Key == 0) return;
  }
  if (FMouseStatus != msNormal && FMouseStatus != msButtonDown) {
    if (Key == VK_ESCAPE) {
      CancelMouseAction();
      Key = 0;
    }
    return;
  }
  if (!CurrentPosInView()) {
    BackToCurrentCell(CheckMoveCol(Shift, Key), CheckMoveRow(Shift, Key));
    if (Key == VK_ESCAPE) {
      ResetComboSearchValue();
      Key = 0;
      return;
    }
  }
  // Escape first only clears a typed combo search.
  if (Key == VK_ESCAPE && ResetComboSearchValue()) {
    Key = 0;
    return;
  }
  bool proceed = true, handled = false;
  if (Key == VK_ESCAPE || (Key == 'Z' && Shift == CtrlOnly)) {
    bool keepBuffer = false;
    proceed = UndoEdit(false, true, handled, keepBuffer);
  }
  // The selection notices and the status report follow every dispatched key, also a failed one.
  auto reportEnd = [this] {
    CheckRowSelection(false);
    SelectionsChanged(true);
    GridStatusChanged();
  };
  try {
    DispatchKey(Key, Shift, proceed, handled);
  } catch (...) {
    reportEnd();
    throw;
  }
  reportEnd();
}

void TtsBaseGrid::DispatchKey(Word& Key, TShiftState Shift, bool Proceed, bool Handled) {
  // Escape and Ctrl+Z go on to the grid's Escape handling when the undo lets them.
  auto escape = [&] {
    if (!Proceed) return;
    if (KeydownVK_Escape()) Handled = true;
    if (Handled) Key = 0;
  };
  bool editOrFocus = InEditMode() || FocusRectActive();
  if (Shift == CtrlOnly) {
    switch (Key) {
      case VK_INSERT:
      case 'C':
        if (CopyCellToClipboard()) Key = 0;
        break;
      case 'V':
        if (PasteCellFromClipboard()) Key = 0;
        break;
      case 'X':
        if (CutCellToClipboard()) Key = 0;
        break;
      case 'Z':
        escape();
        break;
      case VK_HOME:
      case VK_END:
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN:
        CtrlKeyDown(Key);
        Key = 0;
        break;
      default:
        break;
    }
  } else if (Shift == ShiftOnly) {
    switch (Key) {
      case VK_TAB:
        if (editOrFocus) {
          ShiftKeyDownVK_Tab();
          Key = 0;
        }
        break;
      case VK_INSERT:
        if (PasteCellFromClipboard()) Key = 0;
        break;
      case VK_DELETE:
        if (CutCellToClipboard()) Key = 0;
        break;
      default:
        break;
    }
  } else if (Shift == AltOnly) {
    if ((Key == VK_UP || Key == VK_DOWN) && KeyDropDown()) Key = 0;
  } else if (Shift == NoShift) {
    switch (Key) {
      case VK_TAB:
        if (editOrFocus) {
          KeyDownVK_Tab(VK_TAB);
          Key = 0;
        }
        break;
      case VK_RETURN:
        if (InEditMode()) {
          KeyDownVK_Tab(VK_RETURN);
          Key = 0;
        }
        break;
      case VK_ESCAPE:
        escape();
        break;
      case VK_PRIOR:
        KeyDownVK_Prior();
        Key = 0;
        break;
      case VK_NEXT:
        KeyDownVK_Next();
        Key = 0;
        break;
      case VK_LEFT:
        if (editOrFocus) {
          ShiftKeyDownVK_Tab();
        } else if (GetLeftCol() > GetFixedCols()) {
          SetLeftCol(GetLeftCol() - 1);
          SetCurrentPosition(FCurDisplayCol - 1, FCurDisplayRow, true, true);
          CheckRowColChanged();
        }
        Key = 0;
        break;
      case VK_UP:
        KeyDownVK_Up();
        Key = 0;
        break;
      case VK_RIGHT:
        if (editOrFocus) {
          KeyDownVK_Tab(VK_RIGHT);
        } else if (GetVisibleColCount() + GetLeftCol() < GetColCount() &&
                   CanMoveToPos(GetLeftCol() + 1, FCurDisplayRow)) {
          SetLeftCol(GetLeftCol() + 1);
          SetCurrentPosition(std::max(FCurDisplayCol + 1, GetLeftCol()), FCurDisplayRow, true, true);
          CheckRowColChanged();
        }
        Key = 0;
        break;
      case VK_DOWN:
        KeyDownVK_Down();
        Key = 0;
        break;
      case VK_F2:
        if (!FControlEnabled && InternalShowEditor(tsNone, false)) {
          FCurrentCell->SetSelLength(0);
          Update();
          Key = 0;
        }
        break;
      case VK_F4:
        if (KeyDropDown()) Key = 0;
        break;
      default:
        break;
    }
  }
}

void TtsBaseGrid::CtrlKeyDown(Word& Key) {
  switch (Key) {
    case VK_END: KeyCtrl_End(); break;
    case VK_HOME: KeyCtrl_Home(); break;
    case VK_LEFT: KeyCtrl_Left(); break;
    case VK_UP: KeyCtrl_Up(); break;
    case VK_RIGHT: KeyCtrl_Right(); break;
    case VK_DOWN: KeyCtrl_Down(); break;
    default: break;
  }
}

bool TtsBaseGrid::KeydownVK_Escape() {
  if (!InEditMode()) return false;
  if (IsInsertRow(FCurDisplayRow)) {
    // Escape on the insertion row goes back to the last row above it.
    Integer above = GetGridRowCount() - 1;
    if (above < 1) return false;
    try {
      CheckHideControl(true);
      ClearCurrentFocusRect(false);
      ClearCurrent(FCurDisplayRow);
      SetCurrentPositionAndDraw(FCurDisplayCol, above, true, true);
      ShowGridControl();
      DrawCurrentFocusRect(false);
    } catch (...) {
      CheckRowColChanged();
      throw;
    }
    CheckRowColChanged();
    return true;
  }
  if (FAlwaysShowEditor) return false;
  HideEditor();
  FCurrentCell->SelectAll();
  return true;
}

// ---- Where the current cell is against the view -------------------------------------------------------------
bool TtsBaseGrid::CheckMoveCol(TShiftState Shift, Word Key) {
  if (Shift == CtrlOnly && (Key == VK_END || Key == VK_HOME || Key == VK_LEFT || Key == VK_RIGHT)) return false;
  return InGridMode();
}

bool TtsBaseGrid::CheckMoveRow(TShiftState Shift, Word Key) {
  if (Shift == CtrlOnly && (Key == VK_END || Key == VK_HOME || Key == VK_UP || Key == VK_DOWN)) return false;
  if (InGridMode()) return true;
  return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_HOME || Key == VK_UP || Key == VK_DOWN;
}

bool TtsBaseGrid::CurrentPosInView() {
  bool rowInView = (FCurDisplayRow >= GetTopRow() && FCurDisplayRow <= MaxVisibleRow()) ||
                   FCurDisplayRow < GetFixedRows();
  if (FGridMode == gmListBox) return FRowSelectMode == rsNone || rowInView;
  if (FCurDisplayCol >= GetFixedCols() && (FCurDisplayCol < GetLeftCol() || FCurDisplayCol > MaxVisibleCol()))
    return false;
  return rowInView;
}

void TtsBaseGrid::BackToCurrentCell(bool Horizontal, bool Vertical) {
  if (Horizontal && !CanMoveToPos(FCurDisplayCol, 0)) return;
  if (Vertical && !CanMoveToPos(0, FCurDisplayRow)) return;
  Integer left = GetLeftCol(), top = GetTopRow();
  if (Horizontal) {
    if (FCurDisplayCol < GetLeftCol())
      left = FCurDisplayCol < GetFixedCols() ? GetFixedCols() : FCurDisplayCol;
    else if (FCurDisplayCol > MaxVisibleCol())
      MoveColToRight(FCurDisplayCol, left = FCurDisplayCol);
  }
  if (Vertical) {
    if (FCurDisplayRow < GetTopRow())
      top = FCurDisplayRow < GetFixedRows() ? GetFixedRows() : FCurDisplayRow;
    else if (FCurDisplayRow > MaxVisibleRow())
      MoveRowToBottom(FCurDisplayRow, top = FCurDisplayRow);
  }
  if (left == GetLeftCol() && top == GetTopRow()) return;
  HideGridControl(false);
  MoveTopLeft(left, top);
  ShowGridControl();
  Update();
}

bool TtsBaseGrid::CanMoveToPos(Integer DisplayCol, Integer DisplayRow) {
  Integer maxRow = MaxVisibleRow();
  if (DisplayRow > maxRow && maxRow < GetFixedRows()) return false;
  Integer maxCol = MaxVisibleCol();
  if (FGridMode != gmListBox && DisplayCol > maxCol && maxCol < GetFixedCols()) return false;
  return true;
}

// ---- Drop-downs ------------------------------------------------------------------------------------------------
void TtsBaseGrid::ProcessKeyDownCombo(Word& Key, TShiftState Shift) {
  TtsBaseGrid* list = GetCombo()->GetGrid();
  auto forward = [&](Word Code, TShiftState With) {
    Word key = Code;
    list->ProcessKeyDown(key, With);
  };
  auto close = [&] {
    CheckDropDownOff(false);
    list->SetMouseCapture(false);
    list->SetMouseStatus(msNormal);
  };
  bool allSelected = FCurrentCell->AllSelected();
  bool keyEdit = FActiveControl && FActiveControl->GetKeyEdit();
  bool multiLine = FActiveControl && FActiveControl->MultiLine();
  if (Shift == CtrlOnly) {
    if (allSelected || !multiLine) forward(Key, Shift);
    Key = 0;
  } else if (Shift == ShiftOnly) {
    if (Key == VK_TAB) close();
  } else if (Shift == NoShift) {
    switch (Key) {
      case VK_TAB:
        close();
        break;
      case VK_RETURN:
        if (!GetInDesignMode())
          ComboClickCell(list, list->GetCurDataCol(), list->GetCurDataRow(), list->GetCurDataCol(),
                         list->GetCurDataRow());
        Key = 0;
        break;
      case VK_ESCAPE:
        close();
        Key = 0;
        break;
      case VK_PRIOR:
      case VK_NEXT:
      case VK_UP:
      case VK_DOWN:
        if (!(!allSelected && multiLine && keyEdit)) forward(Key, Shift);
        Key = 0;
        break;
      case VK_END:
      case VK_HOME:
        if (!keyEdit) {
          forward(Key == VK_END ? VK_DOWN : VK_UP, CtrlOnly);
          Key = 0;
        }
        break;
      case VK_LEFT:
      case VK_RIGHT:
        if (allSelected || !keyEdit) forward(Key, Shift);
        Key = 0;
        break;
      default:
        break;
    }
  }
}

void TtsBaseGrid::ProcessKeyDownDateTime(Word& Key, TShiftState Shift) {
  auto send = [this](Word Code) {
    if (HWND picker = DateTimePickerWindow()) WinQueue::SendMessage(picker, WM_KEYDOWN, Code, 0);
  };
  if (Shift == ShiftOnly) {
    if (Key == VK_TAB)
      send(VK_ESCAPE);
    else
      Key = 0;
  } else if (Shift == NoShift) {
    switch (Key) {
      case VK_RETURN:
      case VK_ESCAPE:
      case VK_PRIOR:
      case VK_NEXT:
      case VK_LEFT:
      case VK_UP:
      case VK_RIGHT:
      case VK_DOWN:
        send(Key);
        Key = 0;
        break;
      case VK_TAB:
        send(VK_ESCAPE);
        break;
      case VK_F4:
        send(VK_ESCAPE);
        Key = 0;
        break;
      default:
        Key = 0;
        break;
    }
  } else if (Shift == AltOnly) {
    if (Key == VK_UP || Key == VK_DOWN) {
      send(VK_ESCAPE);
      Key = 0;
    }
  } else {
    Key = 0;
  }
}

bool TtsBaseGrid::KeyDropDown() { return KeyDropDownCombo() || KeyDropDownDateTime(); }

bool TtsBaseGrid::KeyDropDownCombo() {
  if (!CanDropDown(FCurDataCol, FCurDataRow, {btCombo})) return false;
  ComboButtonDown(FCurDataCol, FCurDataRow);
  return true;
}

bool TtsBaseGrid::KeyDropDownDateTime() { return DateTimeButtonDown(FCurDataCol, FCurDataRow); }

bool TtsBaseGrid::CanDropDown(Integer DataCol, Integer DataRow, TSet<TtsButtonType, 8> Buttons) {
  TtsDropDownStyle style;
  TtsButtonType button = GiveCellButton(DataCol, DataRow, style);
  if (!Buttons.Contains(button) || CellIsReadOnly(DataCol, DataRow)) return false;
  if (FGridMode != gmEdit && FGridMode != gmEditInsert) return false;
  if (button == btDateTimeDropDown || button == btDateTimePopup) return GiveCellDateTime(DataCol, DataRow) != nullptr;
  return true;
}

// ---- Headings ------------------------------------------------------------------------------------------------
bool TtsBaseGrid::HasHeadingButtons() {
  for (Integer col = 1; col <= GetGridColCount(); ++col)
    if (IsColHeadingButton(col) || ButtonInColHeading(col)) return true;
  return false;
}

// ---- Mouse press and focus hand-over ------------------------------------------------------------------------------
void TtsBaseGrid::SetPendingPress(Integer X, Integer Y, bool DoubleClick) {
  FPressPending = true;
  FPendingPress = TPoint(X, Y);
  FPendingDoubleClick = DoubleClick;
}

void TtsBaseGrid::MouseMessageToControl(bool Capture) {
  if (!FPressPending || !FActiveControl) return;
  TtsCustomGridControl* control = FActiveControl;
  TPoint at = control->ScreenToClient(ClientToScreen(FPendingPress));
  if (at.x >= 0 && at.y >= 0 && control->GetHandle()) {
    LPARAM position = MAKELPARAM(static_cast<WORD>(at.x), static_cast<WORD>(at.y));
    WPARAM buttons = FPendingDoubleClick ? 0 : MK_LBUTTON;
    if (FPendingDoubleClick) {
      // The second press of a double click reaches the control without the grid hearing it again.
      control->SetMouseDown(TMouseEvent());
      try {
        WinQueue::SendMessage(control->GetHandle(), WM_LBUTTONDOWN, buttons, position);
      } catch (...) {
        control->SetMouseDown(TMouseEvent(this, &TtsBaseGrid::CtrlOnMouseDown));
        throw;
      }
      control->SetMouseDown(TMouseEvent(this, &TtsBaseGrid::CtrlOnMouseDown));
    } else {
      WinQueue::SendMessage(control->GetHandle(), WM_LBUTTONDOWN, buttons, position);
    }
    if (control->Focused()) control->SetMouseCapture(Capture);
  }
  FPressPending = false;
  if (!control->Focused() && FocusToGridControl()) control->SetFocus();
}

void TtsBaseGrid::SetFocus() {
  ++FFocusEntryCount;
  try {
    if (CanSetFocus()) inherited::SetFocus();
  } catch (...) {
    --FFocusEntryCount;
    throw;
  }
  --FFocusEntryCount;
}

void TtsBaseGrid::SetGridFocus() {
  if (!CanFocus()) return;
  TCustomForm* form = GetParentForm(this);
  if (form && form->GetActiveControl() == this)
    WinFocus::SetFocus(GetHandle());
  else
    SetFocus();
}

}  // namespace TSGrid
