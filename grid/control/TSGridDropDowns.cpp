// Combos from the grid's side: the combo factories, the working combo and its initialisation
// bookkeeping and a drop-down grid's first settings.
#include "TSGridImpl.h"

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

}  // namespace TSGrid
