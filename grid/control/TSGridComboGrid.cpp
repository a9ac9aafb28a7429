// The drop-down list grid of a combo, and the grid control's combo factories.
#include "TSGridImpl.h"
#include "TSGridComboGrid.h"
#include "TSGridDropDownForm.h"

namespace TSGrid {

IMPLEMENT_CLASS_PUBLISHED(TtsComboGrid) {
  using G = TtsComboGrid;
  d.Property("DropDownRows", &G::GetDropDownRows, &G::SetDropDownRows).Default(4);
  d.Property("DropDownCols", &G::GetDropDownCols, &G::SetDropDownCols).Default(1);
  d.Property("DropDownStyle", &G::GetDropDownStyle, &G::SetDropDownStyle).Default(ddDropDown);
  d.Property("ValueCol", &G::GetValueCol, &G::SetValueCol).Default(1);
  d.Property("ComboDisplayCol", &G::GetComboDisplayCol, &G::SetComboDisplayCol).Default(1);
  d.Property("ValueColSorted", &G::GetValueColSorted, &G::SetValueColSorted).Default(false);
  d.Property("CompareType", &G::GetCompareType, &G::SetCompareType).Default(ctCaseInsensitive);
  d.Property("AutoSearch", &G::GetAutoSearch, &G::SetAutoSearch).Default(asNone);
  d.Property("AutoFill", &G::GetAutoFill, &G::SetAutoFill).Default(false);
  d.Property("AutoFillConvertCase", &G::GetAutoFillConvertCase, &G::SetAutoFillConvertCase).Default(afcOnEdit);
}

TtsBaseGrid* TtsBaseGrid::BecomeComboList() {
  FIsComboGrid = true;
  TtsBaseGrid* parentGrid = nullptr;
  if (auto* form = dynamic_cast<TWinControl*>(Owner())) {
    SetParent(form);
    parentGrid = dynamic_cast<TtsBaseGrid*>(form->Owner());
  }
  if (!Reading()) {
    SetCtl3D(false);
    SetParentCtl3D(false);
  }
  return parentGrid;
}

void TtsComboGrid::Construct() {
  inherited::Construct();
  FGrid = this;
  FParentGrid = BecomeComboList();
}

void TtsComboGrid::Destroy() {
  FGrid = nullptr;
  inherited::Destroy();
}

void TtsComboGrid::SetDropDownRows(Integer Value) {
  if (Value == FDropDownRows) return;
  FDropDownRows = Value;
  AdjustComboGridExtents(FDropDownCols, FDropDownRows);
}

void TtsComboGrid::SetDropDownCols(Integer Value) {
  if (Value == FDropDownCols) return;
  FDropDownCols = Value;
  AdjustComboGridExtents(FDropDownCols, FDropDownRows);
}

void TtsComboGrid::SetDropDownStyle(TtsDropDownStyle Value) {
  if (Value == FDropDownStyle) return;
  FDropDownStyle = Value;
  if (FParentGrid) FParentGrid->RedisplayControl(true);
}

void TtsComboGrid::SetAutoFill(bool Value) {
  if (Value == FAutoFill) return;
  FAutoFill = Value;
  if (Value && FAutoSearch == asNone && !ComponentState().Contains(csLoading)) FAutoSearch = asTop;
}

// ---- Factories of the grid control --------------------------------------------------------------------
TtsCombo* TtsCustomGrid::CreateCombo() { return New<TtsCombo>(this); }

TtsBaseGrid* TtsCustomGrid::CreateComboGrid() { return New<TtsComboGrid>(GetComboForm()); }

}  // namespace TSGrid
