// The window side of the grid as a grid without a window answers it. The parts that need no window
// are complete here: the sizing bands, the default cell buttons and heading-button rules, leaving
// the grid and the selection of all rows.
#include "TSGridImpl.h"
#include "WinMetrics.h"

namespace TSGrid {

// ---- Geometry -----------------------------------------------------------------------------------------

TRect TtsBaseGrid::RowBarSizingArea() {
  return TRect(GetColWidths(0) - 2, 0, GetColWidths(0) + 2, GetRowHeights(0));
}

TRect TtsBaseGrid::HeadingSizingArea() {
  return TRect(0, GetRowHeights(0) - 2, GetColWidths(0), GetRowHeights(0) + 2);
}

// ---- Painting (nothing without a window) --------------------------------------------------------------------

void TtsBaseGrid::SetCheckBoxOnBitmap(TBitmap*) { Invalidate(); }
void TtsBaseGrid::SetCheckBoxOffBitmap(TBitmap*) { Invalidate(); }
void TtsBaseGrid::SetCheckBoxGrayedBitmap(TBitmap*) { Invalidate(); }

// ---- Cell buttons ------------------------------------------------------------------------------------------
void TtsBaseGrid::CheckResizeButtons() {
  bool freed = false;
  for (TtsCustomButton** button : {&FComboButton, &FNormalButton}) {
    if (*button && (*button)->IsDefault()) {
      FreeAndNil(*button);
      freed = true;
    }
  }
  if (freed) Invalidate();
}

void TtsBaseGrid::CheckResizeSpinButtons() {
  bool freed = false;
  for (TtsCustomButton** button : {&FVertSpinButton, &FHorzSpinButton}) {
    if (*button && (*button)->IsDefault()) {
      FreeAndNil(*button);
      freed = true;
    }
  }
  if (freed) Invalidate();
}

bool TtsBaseGrid::ButtonInColHeading(Integer DisplayCol) {
  TtsColHeadingButton button = FCols->GetItem(GetDataCol(DisplayCol))->GetHeadingButton();
  return button == cbButton || (button == cbGrid && FHeadingButton == hbButton);
}

bool TtsBaseGrid::IsColHeadingButton(Integer DisplayCol) {
  TtsColHeadingButton button = FCols->GetItem(GetDataCol(DisplayCol))->GetHeadingButton();
  return button == cbCell || (button == cbGrid && FHeadingButton == hbCell);
}


// ---- Focus ------------------------------------------------------------------------------------------------
// Leaving the grid ends the cell edit first; a refused end keeps the focus in the grid.
void TtsBaseGrid::DoExit() {
  struct ExitCount {
    Integer& Count;
    explicit ExitCount(Integer& C) : Count(C) { ++Count; }
    ~ExitCount() { --Count; }
  } exiting(FExitCount);
  bool ended;
  try {
    ended = CanEndCellEdit(true);
  } catch (...) {
    SetFocus();
    throw;
  }
  if (!ended) {
    SetFocus();
    return;
  }
  if (!GetInDesignMode()) CheckDropDownOff(false);
  ResetComboSearchValue();
  if (FActiveControl && FActiveControl->GetVisible()) FActiveControl->Invalidate();
  inherited::DoExit();
}

// ---- System metrics ---------------------------------------------------------------------------------------
Integer TtsBaseGrid::GetHorzScrollBarHeight() { return GetSystemMetrics(SM_CYHSCROLL); }
Integer TtsBaseGrid::GetVertScrollBarWidth() { return GetSystemMetrics(SM_CXVSCROLL); }

void TtsBaseGrid::MDSelectAll(bool ByMouse) {
  if (FRowSelectMode != rsMulti || !CheckEndEdit(-1, -1, true)) return;
  CheckHideControl(true);
  if (ByMouse) SetMouseStatus(msAllRowSelect);
  try {
    bool select = true;
    if (ByMouse) {
      Integer visible = FVisibleRowItems->GetSize() - FInsertionRow;
      select = visible != FRowSelection->Count;
    }
    DoRowSelection(1, GetGridRowCount(), select, true);
  } catch (...) {
    if (ByMouse) SetMouseStatus(msNormal);
    throw;
  }
  if (ByMouse) SetMouseStatus(msNormal);
}

}  // namespace TSGrid
