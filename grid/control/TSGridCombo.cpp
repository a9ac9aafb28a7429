// A combo's settings, kept by its drop-down grid.
#include "TSGridImpl.h"
#include "Forms.h"
#include "Streams.h"
#include "TSGridBase.h"
#include "TSGridCombo.h"
#include "TSGridComboGrid.h"

namespace TSGrid {

IMPLEMENT_CLASS(TtsCombo)

void TtsCombo::Construct() {
  inherited::Construct();
  FDropDownGrid = FParentGrid->CreateComboGrid();
  if (TCustomForm* form = FParentGrid->GetComboForm()) FDropDownGrid->SetParent(form);
  FDropDownGrid->SetParentGridCombo(this);
  FDropDownGrid->SetVisible(false);
  if (!FDropDownGrid->Reading()) {
    FParentGrid->InitializeComboSettings(FDropDownGrid);
    FParentGrid->InitCombo(this);
  }
}

void TtsCombo::Destroy() {
  FreeAndNil(FDropDownGrid);
  inherited::Destroy();
}

void TtsCombo::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TtsCombo*>(Source)) {
    FDropDownGrid->Assign(source->FDropDownGrid);
    return;
  }
  inherited::Assign(Source);
}

Integer TtsCombo::GetDropDownRows() { return FDropDownGrid->GetDropDownRows(); }
Integer TtsCombo::GetDropDownCols() { return FDropDownGrid->GetDropDownCols(); }
Integer TtsCombo::GetValueCol() { return FDropDownGrid->GetValueCol(); }
// The display column and the case conversion are settings of the grid control's own drop-down grid
// class; another list grid has the defaults.
Integer TtsCombo::GetComboDisplayCol() {
  auto* list = dynamic_cast<TtsComboGrid*>(FDropDownGrid);
  return list ? list->GetComboDisplayCol() : 1;
}
bool TtsCombo::GetValueColSorted() { return FDropDownGrid->GetValueColSorted(); }
TtsComboCompareType TtsCombo::GetCompareType() { return FDropDownGrid->GetCompareType(); }
TtsComboAutoSearchType TtsCombo::GetAutoSearch() { return FDropDownGrid->GetAutoSearch(); }
bool TtsCombo::GetAutoFill() { return FDropDownGrid->GetAutoFill(); }
TtsConvertCase TtsCombo::GetAutoFillConvertCase() {
  auto* list = dynamic_cast<TtsComboGrid*>(FDropDownGrid);
  return list ? list->GetAutoFillConvertCase() : afcOnEdit;
}
bool TtsCombo::GetAutoLookup() { return FDropDownGrid->GetAutoLookup(); }
TtsDropDownStyle TtsCombo::GetDropDownStyle() { return FDropDownGrid->GetDropDownStyle(); }

void TtsCombo::SetDropDownRows(Integer Value) {
  if (Value != GetDropDownRows()) FDropDownGrid->SetDropDownRows(Value);
}
void TtsCombo::SetDropDownCols(Integer Value) {
  if (Value != GetDropDownCols()) FDropDownGrid->SetDropDownCols(Value);
}
void TtsCombo::SetValueCol(Integer Value) {
  if (Value != GetValueCol()) FDropDownGrid->SetValueCol(Value);
}
void TtsCombo::SetComboDisplayCol(Integer Value) {
  auto* list = dynamic_cast<TtsComboGrid*>(FDropDownGrid);
  if (list && Value != list->GetComboDisplayCol()) list->SetComboDisplayCol(Value);
}
void TtsCombo::SetValueColSorted(bool Value) {
  if (Value != GetValueColSorted()) FDropDownGrid->SetValueColSorted(Value);
}
void TtsCombo::SetCompareType(TtsComboCompareType Value) {
  if (Value != GetCompareType()) FDropDownGrid->SetCompareType(Value);
}
void TtsCombo::SetAutoSearch(TtsComboAutoSearchType Value) {
  if (Value != GetAutoSearch()) FDropDownGrid->SetAutoSearch(Value);
}
void TtsCombo::SetAutoFill(bool Value) {
  if (Value != GetAutoFill()) FDropDownGrid->SetAutoFill(Value);
}
void TtsCombo::SetAutoFillConvertCase(TtsConvertCase Value) {
  auto* list = dynamic_cast<TtsComboGrid*>(FDropDownGrid);
  if (list && Value != list->GetAutoFillConvertCase()) list->SetAutoFillConvertCase(Value);
}
void TtsCombo::SetAutoLookup(bool Value) {
  if (Value != GetAutoLookup()) FDropDownGrid->SetAutoLookup(Value);
}
void TtsCombo::SetDropDownStyle(TtsDropDownStyle Value) {
  if (Value != GetDropDownStyle()) FDropDownGrid->SetDropDownStyle(Value);
}

void TtsCombo::Reset() {
  FDropDownGrid->SetEnablePaint(false);
  FDropDownGrid->SetSetComboExtents(false);
  try {
    FParentGrid->CheckResetComboInit(this, false);
    FDropDownGrid->Reset();
  } catch (...) {
    FDropDownGrid->SetSetComboExtents(true);
    FDropDownGrid->SetEnablePaint(true);
    throw;
  }
  FDropDownGrid->SetSetComboExtents(true);
  FDropDownGrid->SetEnablePaint(true);
  if (FParentGrid->ComboVisible())
    FDropDownGrid->AdjustComboGridExtents(FDropDownGrid->GetDropDownCols(), FDropDownGrid->GetDropDownRows());
}

void DefineComboProperty(Filer::TFiler* Filer, const std::function<TtsCombo*()>& Combo,
                         const std::function<void()>& AssignCombo, bool Store) {
  Filer->DefineBinaryProperty(
      "Combo",
      [Combo, AssignCombo](Streams::TStream* Stream) {
        TtsCombo* combo = Combo();
        if (combo) {
          combo->GetGrid()->Reset();
        } else {
          AssignCombo();
          combo = Combo();
        }
        Stream->ReadComponent(combo->GetGrid());
        combo->GetGrid()->SetName(String());
      },
      [Combo](Streams::TStream* Stream) { Stream->WriteComponent(Combo()->GetGrid()); }, Store);
}

}  // namespace TSGrid
