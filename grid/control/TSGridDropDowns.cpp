// Combos and date-time definitions from the grid's side: the combo factories, the working combo
// and its initialisation bookkeeping, a drop-down grid's first settings, the date-time links, the
// date-time drop-down and the grid menu entries (a grid without a window has nothing open: the
// answers below are those of a closed drop-down).
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

// ---- Combo settings: a grid that is not a drop-down list has none ------------------------------------------
Integer TtsBaseGrid::GetDropDownRows() { return 0; }
void TtsBaseGrid::SetDropDownRows(Integer) {}
bool TtsBaseGrid::GetAutoLookup() { return false; }
void TtsBaseGrid::SetAutoLookup(bool) {}
Integer TtsBaseGrid::GetDropDownCols() { return 0; }
void TtsBaseGrid::SetDropDownCols(Integer) {}
Integer TtsBaseGrid::GetValueCol() { return 0; }
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
  DropDownGrid->FComboSettingsInit = true;
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
    DropDownGrid->SetRowSelectMode(design ? rsMulti : rsSingle);
    DropDownGrid->SetColSelectMode(design ? csMulti : csNone);
    DropDownGrid->SetColMoving(design);
    DropDownGrid->SetRowMoving(design);
    DropDownGrid->SetAlwaysShowEditor(!design);
    DropDownGrid->SetAlwaysShowFocus(design);
    DropDownGrid->SetFocusBorder(design ? fbDouble : fbDot);
    DropDownGrid->SetResizeCols(design ? rcSingle : rcNone);
    DropDownGrid->SetResizeRows(design ? rrAll : rrNone);
  } catch (...) {
    DropDownGrid->FComboSettingsInit = false;
    DropDownGrid->SetEnablePaint(true);
    throw;
  }
  DropDownGrid->FComboSettingsInit = false;
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

// ---- Date-time definitions --------------------------------------------------------------------------------
void TtsBaseGrid::ResetDateTimeInit() {
  FDateTimeInitialized = false;
  FLastUsedDateTime = nullptr;
}

void TtsBaseGrid::CheckResetDateTimeInit(TtsDateTimeDefComponent* Def) {
  if (Def && Def == FLastUsedDateTime) ResetDateTimeInit();
}

void TtsBaseGrid::CheckLastUsedDateTime(TtsDateTimeDefComponent* Def) {
  if (Def == FLastUsedDateTime) FLastUsedDateTime = nullptr;
}

void TtsBaseGrid::AddDateTime(TtsDateTimeDefComponent* Def) {
  if (Def && FDateTimeLink) FDateTimeLink->Add(Def);
}

void TtsBaseGrid::RemoveDateTime(TtsDateTimeDefComponent* Def) {
  if (Def && FDateTimeLink) FDateTimeLink->Remove(Def);
}

void TtsBaseGrid::DateTimeDefDeleted(TtsDateTimeDefComponent* Def) {
  if (FDateTimeDef == Def) SetDateTimeDef(nullptr);
  for (Integer col = 1; col <= GetGridColCount(); ++col)
    if (FCols->GetItem(col)->GetDateTimeDef() == Def) FCols->GetItem(col)->SetDateTimeDef(nullptr);
  RemoveRowDateTimeDef(Def);
  RemoveCellDateTimeDef(Def);
  CheckLastUsedDateTime(Def);
}

void TtsBaseGrid::RemoveRowDateTimeDef(TtsDateTimeDefComponent* Def) {
  for (Integer row = 1; row <= GetGridRowCount(); ++row)
    if (TtsRow* item = FRows->GetItem(row); item && item->GetDateTimeDef() == Def) SetRowDateTimeDef(row, nullptr);
}

void TtsBaseGrid::RemoveCellDateTimeDef(TtsDateTimeDefComponent* Def) {
  std::vector<std::pair<Integer, Integer>> cells;
  TOwnedPtr<TtsSetList> list(FCellPropSet->List());
  for (Integer i = 1; i <= list->GetCount(); ++i) {
    auto* element = static_cast<TtsCellElement*>(list->GetItems(i));
    if (element->GetDateTimeDef() == Def) cells.emplace_back(element->GetDataCol(), element->GetDataRow());
  }
  for (auto [col, row] : cells) SetCellDateTimeDef(col, row, nullptr);
}

// ---- Drop-downs (none open without a window) ------------------------------------------------------------
TtsDateTimeDefComponent* TtsBaseGrid::GiveCellDateTime(Integer, Integer) { return nullptr; }
void TtsBaseGrid::GetCurrentDateTime(Variant&) {}
void TtsBaseGrid::ActivateDateTimeInit(TtsDateTimeDefComponent*, Integer, Integer) {}
void TtsBaseGrid::ActivateDateTimeDropDown(TtsDateTimeDefComponent*, Integer, Integer) {}
void TtsBaseGrid::ActivateDateTimeRollUp(TtsDateTimeDefComponent*, Integer, Integer) {}
void TtsBaseGrid::ActivateDateTimeGetValue(TtsDateTimeDefComponent*, Integer, Integer, Variant&) {}
bool TtsBaseGrid::DateTimeButtonDown(Integer, Integer) { return false; }
HWND TtsBaseGrid::DateTimePickerWindow() { return nullptr; }
bool TtsBaseGrid::DateTimeVisible() { return false; }
bool TtsBaseGrid::IsDateTimeHandle(HWND) { return false; }
void TtsBaseGrid::SetDateTimeSelection() {}
void TtsBaseGrid::CancelDateTimeSelection() {}
void TtsBaseGrid::DateTimeSelect(TObject*) {}
void TtsBaseGrid::DateTimeCancel(TObject*) {}
bool TtsBaseGrid::TurnDateTimeOff(bool, bool) { return false; }
void TtsBaseGrid::DateTimeRollUp() {}

// ---- Grid menu ---------------------------------------------------------------------------------------
void TtsBaseGrid::ShowGridMenu(Integer, Integer) {}
void TtsBaseGrid::ConfigureGridMenu(TPopupMenu*) {}
void TtsBaseGrid::AddGridMenuItems(TPopupMenu*) {}

}  // namespace TSGrid
