// The window side of the grid as a grid without a window answers it: no geometry (empty
// rectangles, nothing in view), nothing to paint, scroll or invert, no focus rectangle, and keys and
// mouse actions that find nothing to act on. The parts that need no window are complete here: the
// draw data of a cell without its rectangles, the focus-rectangle and heading-button rules, the
// sizing bands, the first scrolling column and row, the cell button objects and the selection of
// all rows.
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
void TtsBaseGrid::ClearRowBarCell(Integer) {}
void TtsBaseGrid::DrawBmpRowBar(Integer, TBitmap*, Integer, bool) {}
TtsSortPicture TtsBaseGrid::DoGetSortPicture(Integer) { return spNone; }
void TtsBaseGrid::DrawHeadingButton(TCanvas*, Integer, TtsDrawData&) {}
void TtsBaseGrid::DrawCell(Integer, Integer, const TRect&, TGridDrawState) {}
void TtsBaseGrid::DoDrawCell(Integer, Integer, bool, const TRect&) {}
void TtsBaseGrid::DrawFixedCellSelected(const TRect&) {}
void TtsBaseGrid::DrawFixedCellUnselected(const TRect&, Integer) {}
void TtsBaseGrid::ClearCurrent(Integer) {}
void TtsBaseGrid::DrawCurrent(Integer) {}
void TtsBaseGrid::DrawCurrentSelected(Integer) {}
bool TtsBaseGrid::PrepareCanvas(const TRect&) { return false; }

void TtsBaseGrid::GetDrawData(Integer DisplayCol, Integer DisplayRow, TtsDrawData& DrawData, bool Full) {
  DrawData = TtsDrawData();
  DrawData.DisplayCol = DisplayCol;
  DrawData.DisplayRow = DisplayRow;
  DrawData.DataCol = GetDataCol(DisplayCol);
  DrawData.DataRow = GetDataRow(DisplayRow);
  Integer col = DrawData.DataCol, row = DrawData.DataRow;
  DrawData.ControlType = GiveCellControlType(col, row);
  DrawData.Is3D = GiveCell3D(col, row);
  if (Full) {
    DrawData.Alignment = GiveCellAlignment(col, row);
    DrawData.VertAlignment = GiveCellVertAlignment(col, row);
    DrawData.Color = GiveCellColor(col, row, DrawData.Is3D);
    DrawData.Font = GiveCellFont(col, row);
    DrawData.WordWrap = GiveCellWordWrap(col, row);
  }
  // The rectangles are the window's: empty without one.
  CellRect(DisplayCol, DisplayRow, DrawData.CellRect);
  DrawData.ButtonType = GiveCellButton(col, row, DrawData.DropDownStyle);
  DrawData.HasButton = DrawData.ButtonType != btNone;
}

TColor TtsBaseGrid::PictureTransparentColor(TBitmap* Bitmap, TtsImageItem* Item) {
  if (Item) return Item->GetTransparent() ? Item->GetTransparentColor() : Graphics::clNone;
  if (Bitmap && Bitmap->GetTransparent()) FTransparentColor = Bitmap->GetTransparentColor();
  return Graphics::clNone;
}

void TtsBaseGrid::SetCheckBoxOnBitmap(TBitmap*) { Invalidate(); }
void TtsBaseGrid::SetCheckBoxOffBitmap(TBitmap*) { Invalidate(); }
void TtsBaseGrid::SetCheckBoxGrayedBitmap(TBitmap*) { Invalidate(); }

// ---- Focus rectangle -------------------------------------------------------------------------------------------
bool TtsBaseGrid::IsFocused() { return Focused() || (FActiveControl && FActiveControl->Focused()); }

bool TtsBaseGrid::FocusRectActive() {
  return (FFocusBorder != fbNone || FFocusColor != Graphics::clNone || FFocusFontColor != Graphics::clNone) &&
         FGridMode != gmListBox && FGridStatus == grNormal;
}

bool TtsBaseGrid::CheckCellFocusRect(Integer, Integer, bool) { return false; }
bool TtsBaseGrid::DisplayFocusRect(Integer, Integer, bool) { return false; }
void TtsBaseGrid::InvalidateFocusRect(Integer, Integer, bool) {}
void TtsBaseGrid::ClearCurrentFocusRect(bool) {}
void TtsBaseGrid::DrawCurrentFocusRect(bool) {}

void TtsBaseGrid::FocusChanged(bool Whole) {
  CheckPictureMask(false);
  InvalidateFocusRect(FCurDisplayCol, FCurDisplayRow, Whole);
}

// ---- Sizes of all columns or rows ----------------------------------------------------------------------------
void TtsBaseGrid::ChangeAllColWidths(Integer Width, bool) {
  TPaintSuspension suspension(this);
  bool updating = FWidthUpdating;
  FWidthUpdating = true;
  try {
    SetDefaultColWidth(Width);
    if (GetRowBarOn() && GetColWidths(0) != GetRowBarWidth()) {
      ResizeCol(0, GetRowBarWidth());
      UpdateScrollRange();
    }
  } catch (...) {
    FWidthUpdating = updating;
    throw;
  }
  FWidthUpdating = updating;
}

void TtsBaseGrid::ChangeAllRowHeights(Integer Height, bool) {
  TPaintSuspension suspension(this);
  bool updating = FHeightUpdating;
  FHeightUpdating = true;
  try {
    SetDefaultRowHeight(Height);
    if (GetHeadingOn() && GetRowHeights(0) != GetHeadingHeight()) {
      ResizeRow(0, GetHeadingHeight());
      UpdateScrollRange();
    }
  } catch (...) {
    FHeightUpdating = updating;
    throw;
  }
  FHeightUpdating = updating;
}

// ---- Scroll bars (none without a window) ------------------------------------------------------------------------
bool TtsBaseGrid::ScrollRows(Integer, Integer, Integer&, Integer&) { return false; }

// ---- Cell buttons ------------------------------------------------------------------------------------------
TtsCustomButton* TtsBaseGrid::GridCellButton(Integer DataCol, TtsButtonType ButtonType) {
  auto make = [&](TtsCustomButton*& Field, auto* Tag, TBitmap* Bitmap, Integer Height, Integer Width) {
    using Button = std::remove_pointer_t<decltype(Tag)>;
    if (!Field) Field = New<Button>(this, Bitmap, Graphics::clNone, Height, Width);
    return Field;
  };
  switch (ButtonType) {
    case btCombo:
      return make(FComboButton, static_cast<TtsComboButton*>(nullptr), nullptr, FDefaultButtonHeight,
                  FDefaultButtonWidth);
    case btNormal:
      if (DataCol >= 0 && DataCol <= GetGridColCount())
        if (TtsNormalButton* own = FCols->GetItem(DataCol)->GetButton()) return own;
      return make(FNormalButton, static_cast<TtsNormalButton*>(nullptr), nullptr, FDefaultButtonHeight,
                  FDefaultButtonWidth);
    case btVertSpin:
      return make(FVertSpinButton, static_cast<TtsVertSpinButton*>(nullptr), nullptr, FSpinButtonHeight,
                  FSpinButtonWidth);
    case btHorzSpin:
      return make(FHorzSpinButton, static_cast<TtsHorzSpinButton*>(nullptr), nullptr, FSpinButtonWidth,
                  FSpinButtonHeight);
    case btDateTimeDropDown:
      return make(FDateTimeDropDownButton, static_cast<TtsDateTimeButton*>(nullptr), ComboArrowBitmap,
                  FDefaultButtonHeight, FDefaultButtonWidth);
    case btDateTimePopup:
      return make(FDateTimePopupButton, static_cast<TtsDateTimeButton*>(nullptr), ButtonDetailBitmap,
                  FDefaultButtonHeight, FDefaultButtonWidth);
    default:
      return nullptr;
  }
}

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

void TtsBaseGrid::CheckResetButtons() {
  if (FHotButtonCol >= GetColCount() || FHotButtonRow >= GetRowCount()) {
    FHotButtonCol = FHotButtonRow = -1;
    FHotSpin = spbNone;
  }
  if (FButtonDownCol >= GetColCount() || FButtonDownRow >= GetRowCount()) ResetButtonDown();
}

void TtsBaseGrid::ResetButtonDown() {
  FButtonDownCol = FButtonDownRow = -1;
  FPressedSpin = spbNone;
}

bool TtsBaseGrid::SpinTimerEvent() { return true; }

bool TtsBaseGrid::ButtonInColHeading(Integer DisplayCol) {
  TtsColHeadingButton button = FCols->GetItem(GetDataCol(DisplayCol))->GetHeadingButton();
  return button == cbButton || (button == cbGrid && FHeadingButton == hbButton);
}

bool TtsBaseGrid::IsColHeadingButton(Integer DisplayCol) {
  TtsColHeadingButton button = FCols->GetItem(GetDataCol(DisplayCol))->GetHeadingButton();
  return button == cbCell || (button == cbGrid && FHeadingButton == hbCell);
}

void TtsBaseGrid::ButtonClick(Integer, Integer) {}
void TtsBaseGrid::ButtonDown(Integer, Integer) {}
void TtsBaseGrid::ButtonUp(Integer, Integer) {}
void TtsBaseGrid::SpinButtonClick(Integer, Integer, TtsSpinButton) {}
void TtsBaseGrid::SpinButtonDown(Integer, Integer, TtsSpinButton) {}
void TtsBaseGrid::SpinButtonUp(Integer, Integer, TtsSpinButton) {}
void TtsBaseGrid::SpinRepeat(Integer, Integer, TtsSpinButton, Integer) {}

// ---- Mouse ------------------------------------------------------------------------------------------------
void TtsBaseGrid::SetMouseDownColRow(Integer, Integer) {}
void TtsBaseGrid::SetMouseUpColRow(Integer, Integer) {}
void TtsBaseGrid::CheckClickCell(Integer, const Variant&, Integer, const Variant&, TtsClickPosition,
                                 TtsClickPosition) {}
HCURSOR TtsBaseGrid::ShapeCursor(Integer, Integer, Integer, Integer) { return nullptr; }
void TtsBaseGrid::DblClickCell(Integer, Integer) {}
void TtsBaseGrid::MDRangeSelecting(TShiftState, Integer, Integer, Integer, Integer) {}
void TtsBaseGrid::MDRowSelect(TShiftState, Integer, Integer, Integer, Integer) {}
void TtsBaseGrid::CheckMousePosition() {}
void TtsBaseGrid::MDButtonDown(TShiftState, Integer, Integer, Integer, Integer) {}
void TtsBaseGrid::ClickCell(Integer, Integer, Integer, Integer) {}

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

void TtsBaseGrid::CancelMouseAction() {
  FMouseStatus = msNormal;
  GridStatusChanged();
}

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

void TtsBaseGrid::AddScrollingDown() {}
void TtsBaseGrid::DeleteScrollingDown() {}
void TtsBaseGrid::UpRowSelecting(const TPoint&, const TPoint&, Integer) {}
void TtsBaseGrid::DownRowSelecting(const TPoint&, const TPoint&, Integer) {}
void TtsBaseGrid::EndRowSelecting(bool) {}
void TtsBaseGrid::SelectRowShiftMouseDown(Integer, bool& Handled) { Handled = false; }
void TtsBaseGrid::SelectRowShiftCtrlMouseDown(Integer, bool& Handled) { Handled = false; }
void TtsBaseGrid::SetNewSelectedRow(Integer) {}
void TtsBaseGrid::SelectLargerRows(Integer) {}
void TtsBaseGrid::SelectSmallerRows(Integer) {}
void TtsBaseGrid::SelectCurrentRow(Integer) {}

// ---- The top row kept through a change of all row heights ---------------------------------------------------
void TtsBaseGrid::SetNewTopRow(Integer, Integer, Integer) {}

}  // namespace TSGrid
