// The mouse wheel, the context menu, whether the scroll bars show, and the refresh of the grid's
// data display.
#include "TSGridReport.h"
#include "TSGridImpl.h"
#include "WinInput.h"
#include "WinMetrics.h"
#include "WinScrollBars.h"

namespace TSGrid {

// ---- Mouse wheel ------------------------------------------------------------------------------------------
namespace {
// Lines one notch scrolls: the system's setting, at least one and at most the visible rows (the
// "one page per notch" setting asks for the largest unsigned count).
Integer WheelLines(Integer VisibleRows) {
  UINT lines = 3;
  SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  UINT most = static_cast<UINT>(std::max<Integer>(VisibleRows, 1));
  return static_cast<Integer>(std::clamp<UINT>(lines, 1, most));
}
}  // namespace

bool TtsBaseGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool handled = inherited::DoMouseWheelDown(Shift, MousePos);
  if (handled || !Shift.Empty()) return handled;
  WheelScroll(SB_LINEDOWN);
  return true;
}

bool TtsBaseGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool handled = inherited::DoMouseWheelUp(Shift, MousePos);
  if (handled || !Shift.Empty()) return handled;
  WheelScroll(SB_LINEUP);
  return true;
}

void TtsBaseGrid::WheelScroll(Integer ScrollCode) {
  Integer lines = WheelLines(GetVisibleRowCount());
  for (Integer i = 0; i < lines; ++i) Perform(WM_VSCROLL, static_cast<WPARAM>(ScrollCode), 0);
  // The last notch of the turn ends the scrolling.
  if (std::abs(GetWheelAccumulator()) < WHEEL_DELTA) Perform(WM_VSCROLL, SB_ENDSCROLL, 0);
}

// ---- Context menu -------------------------------------------------------------------------------------------
void TtsBaseGrid::DoContextPopup(TPoint MousePos, bool& Handled) {
  inherited::DoContextPopup(MousePos, Handled);
  if (Handled) return;
  if ((FGridReport && FGridReport->GetProvideGridMenu()) || FProvideGridMenu) {
    ShowGridMenu(MousePos.x, MousePos.y);
    Handled = true;
  }
}

// ---- Scroll bars -------------------------------------------------------------------------------------------
bool TtsBaseGrid::GetHorzScrollBarVisible() { return CanShowHorzScrollBar() || AlwaysShowHorzScrollBar(); }
bool TtsBaseGrid::GetVertScrollBarVisible() { return CanShowVertScrollBar() || AlwaysShowVertScrollBar(); }

// ---- Data refresh --------------------------------------------------------------------------------------------
void TtsBaseGrid::RefreshData(TtsResetOrder ResetOrder, TtsResetPosition ResetPosition) {
  ClearCellBuffer();
  if (ResetOrder == roCols || ResetOrder == roBoth) ResetColProperties({prDisplayNumber});
  if (ResetOrder == roRows || ResetOrder == roBoth) ResetRowProperties({prDisplayNumber});
  {
    TPaintSuspension suspension(this);
    switch (ResetPosition) {
      case rpLeft: SetLeftCol(GetFixedCols()); break;
      case rpTop: SetTopRow(GetFixedRows()); break;
      case rpTopLeft: MoveTopLeft(GetFixedCols(), GetFixedRows()); break;
      default: break;
    }
  }
  Refresh();
}

}  // namespace TSGrid
