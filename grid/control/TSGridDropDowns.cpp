// Combos from the grid's side: the combo factories, the working combo and its initialisation
// bookkeeping, a drop-down grid's first settings, and the drop-down lifecycle, which needs a window
// (a grid without one has nothing open: the answers below are those of a closed drop-down).
#include "TSGridImpl.h"
#include "WinMetrics.h"

namespace TSGrid {

// ---- Factories ---------------------------------------------------------------------------------------
TtsCombo* TtsBaseGrid::CreateCombo() {
  InvalidOp("Cannot create combo box. Method CreateCombo has not been not implemented in derived class");
}

TtsBaseGrid* TtsBaseGrid::CreateComboGrid() {
  InvalidOp("Cannot create combo box. Method CreateComboGrid has not been not implemented in derived class");
}

// ---- A drop-down grid's combo settings (a drop-down grid's class keeps them) --------------------------------
Integer TtsBaseGrid::GetDropDownRows() { return 4; }
void TtsBaseGrid::SetDropDownRows(Integer) {}
bool TtsBaseGrid::GetAutoLookup() { return false; }
void TtsBaseGrid::SetAutoLookup(bool) {}
Integer TtsBaseGrid::GetDropDownCols() { return 1; }
void TtsBaseGrid::SetDropDownCols(Integer) {}
Integer TtsBaseGrid::GetValueCol() { return 1; }
bool TtsBaseGrid::GetValueColSorted() { return false; }
TtsComboCompareType TtsBaseGrid::GetCompareType() { return ctCaseInsensitive; }
TtsComboAutoSearchType TtsBaseGrid::GetAutoSearch() { return asNone; }
bool TtsBaseGrid::GetAutoFill() { return false; }
TtsDropDownStyle TtsBaseGrid::GetDropDownStyle() { return ddDropDown; }
void TtsBaseGrid::SetValueCol(Integer) {}
void TtsBaseGrid::SetValueColSorted(bool) {}
void TtsBaseGrid::SetCompareType(TtsComboCompareType) {}
void TtsBaseGrid::SetAutoSearch(TtsComboAutoSearchType) {}
void TtsBaseGrid::SetAutoFill(bool) {}
void TtsBaseGrid::SetDropDownStyle(TtsDropDownStyle) {}

// ---- The working combo ----------------------------------------------------------------------------------
TtsCombo* TtsBaseGrid::GetCombo() {
  CheckComboCreated();
  return FCombo;
}

void TtsBaseGrid::CheckComboCreated() {
  if (FCombo) return;
  FCombo = CreateCombo();
  InitializeComboSettings(FCombo->GetGrid());
  FCombo->GetGrid()->SetVisible(true);
}

void TtsBaseGrid::InitializeComboSettings(TtsBaseGrid* DropDownGrid) {
  DropDownGrid->SetEnablePaint(false);
  try {
    bool design = GetInDesignMode();
    DropDownGrid->SetColor(GetColor());
    DropDownGrid->SetCursor(GetCursor());
    DropDownGrid->SetDefaultButtonHeight(FDefaultButtonHeight);
    DropDownGrid->SetDefaultButtonWidth(FDefaultButtonWidth);
    DropDownGrid->SetEditColor(FEditColor);
    DropDownGrid->SetEditFontColor(FEditFontColor);
    DropDownGrid->SetSelectionColor(FSelectionColor);
    DropDownGrid->SetSelectionFontColor(FSelectionFontColor);
    DropDownGrid->SetSelectionType(FSelectionType);
    DropDownGrid->SetFont(GetFont());
    DropDownGrid->SetDefaultRowHeight(FComboRowHeight);
    DropDownGrid->SetGridColCount(design ? 2 : 1);
    DropDownGrid->SetCtl3D(false);
    DropDownGrid->SetParentCtl3D(false);
    DropDownGrid->SetParentShowHint(false);
    DropDownGrid->SetRowChangedIndicator(riAutoReset);
    DropDownGrid->SetHeadingOn(false);
    DropDownGrid->SetRowBarOn(false);
    DropDownGrid->SetHeadingHeight(15);
    DropDownGrid->SetRowBarWidth(14);
    DropDownGrid->SetScrollBars(ssVertical);
    DropDownGrid->SetTabStop(false);
    DropDownGrid->SetThumbTracking(true);
    DropDownGrid->SetGridMode(design ? gmEdit : gmListBox);
    DropDownGrid->SetColSelectMode(design ? csMulti : csNone);
    DropDownGrid->SetColMoving(design);
    DropDownGrid->SetRowMoving(design);
    DropDownGrid->SetAlwaysShowEditor(!design);
    DropDownGrid->SetAlwaysShowFocus(design);
    DropDownGrid->SetFocusBorder(design ? fbDouble : fbDot);
    DropDownGrid->SetResizeCols(design ? rcSingle : rcNone);
    DropDownGrid->SetResizeRows(design ? rrAll : rrNone);
  } catch (...) {
    DropDownGrid->SetEnablePaint(true);
    throw;
  }
  DropDownGrid->SetEnablePaint(true);
}

void TtsBaseGrid::InitCombo(TtsCombo* Combo) {
  if (!Combo) return;
  TtsBaseGrid* list = Combo->GetGrid();
  bool design = GetInDesignMode();
  list->SetGridRowCount(design ? 4 : 0);
  list->SetGridColCount(design ? 2 : 1);
  Combo->SetDropDownRows(4);
  Combo->SetDropDownCols(design ? 2 : 1);
  Combo->SetValueCol(1);
  Combo->SetComboDisplayCol(1);
  Combo->SetCompareType(ctCaseInsensitive);
  list->SetStoreData(false);
}

void TtsBaseGrid::ResetCombo() {}

void TtsBaseGrid::ResetComboInit(bool Reset) {
  if (FIsComboGrid) return;
  if (FComboInitialized) {
    FComboInitialized = false;
    if (Reset && FLastUsedCombo && FCombo) FCombo->Reset();
  }
  FLastUsedCombo = nullptr;
}

void TtsBaseGrid::CheckResetComboInit(TtsCombo* Combo, bool Reset) {
  if (!FIsComboGrid && Combo && Combo == FLastUsedCombo) ResetComboInit(Reset);
}

void TtsBaseGrid::CheckLastUsedCombo(TtsCombo* Combo) {
  if (Combo == FLastUsedCombo) FLastUsedCombo = nullptr;
}

void TtsBaseGrid::ComboAssigned(TtsCombo* Combo, bool Current) {
  if (Current)
    CheckResetComboInit(Combo, false);
  else
    CheckLastUsedCombo(Combo);
  if (GetInDesignMode() && Current && Combo->GetDropDownStyle() == ddDropDownList) {
    FCurrentCell->SelectAll();
    RedisplayControl(true);
  }
}

// ---- Drop-downs (none open without a window) ------------------------------------------------------------
void TtsBaseGrid::InitializeDropDownForm(TCustomForm*) {}
void TtsBaseGrid::SetComboGridExtents(Integer, Integer) {}
void TtsBaseGrid::SetComboFormExtents(TtsBaseGrid*) {}
Integer TtsBaseGrid::ComboInitWidth(Integer) { return 0; }
Integer TtsBaseGrid::ComboInitHeight(Integer) { return 0; }
void TtsBaseGrid::ComboInit(Integer, Integer) {}
void TtsBaseGrid::ComboDropDown(Integer, Integer) {}
void TtsBaseGrid::ActivateComboInit(Integer, Integer) {}
void TtsBaseGrid::ActivateComboDropDown(Integer, Integer) {}
void TtsBaseGrid::ActivateComboRollUp(Integer, Integer) {}
void TtsBaseGrid::GetComboValue(Integer, Integer, Integer, Variant&) {}
void TtsBaseGrid::SetComboValue(const Variant&) {}
void TtsBaseGrid::PositionComboRow() {}
void TtsBaseGrid::PositionDropDownList(char, Variant&) {}
bool TtsBaseGrid::PositionAutoFill(bool) { return false; }
bool TtsBaseGrid::ComboVisible() { return false; }
bool TtsBaseGrid::DropDownVisible() { return false; }
void TtsBaseGrid::CheckDropDownOff(bool) {}
TCustomForm* TtsBaseGrid::GetComboForm() { return nullptr; }
void TtsBaseGrid::UpdateComboExtents(Integer, Integer, bool) {}
void TtsBaseGrid::AdjustComboGridExtents(Integer, Integer) {}
void TtsBaseGrid::InitComboColWidth(Integer) {}
bool TtsBaseGrid::ResetComboSearchValue() {
  bool pending = !FComboSearchText.empty();
  FComboSearchText.clear();
  return pending;
}
void TtsBaseGrid::ProcessKeyDropDownList(char&) {}
void TtsBaseGrid::ComboButtonDown(Integer, Integer) {}
void TtsBaseGrid::DisplayCombo(Integer, Integer) {}
void TtsBaseGrid::ComboRollUp() {}
void TtsBaseGrid::ComboClickCell(TObject*, Integer, Integer, Integer, Integer) {}

// ---- Placing a drop-down ------------------------------------------------------------------------------
namespace {
TRect WorkArea() {
  TRect area;
  SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}
}  // namespace

void TtsBaseGrid::PositionDropDownForm(Integer, Integer DataRow, TPoint& Position, TPoint Size) {
  TRect area = WorkArea();
  if (Position.x + Size.x > area.right) Position.x = std::max<Integer>(area.right - Size.x, area.left);
  if (Position.y + Size.y > area.bottom) {
    Integer above = Position.y - Size.y - GetRowHeights(GetDisplayRow(DataRow)) - FHorzLineWidth;
    Position.y = std::max<Integer>(above, area.top);
  }
}

void TtsBaseGrid::PositionPopupForm(Integer, Integer, TPoint& Position, TPoint Size) {
  TRect area = WorkArea();
  Position.x = area.left + (area.Width() - Size.x) / 2;
  Position.y = area.top + (area.Height() - Size.y) / 2;
}

}  // namespace TSGrid
