// Date-time definitions from the grid's side: the links that keep track of the definitions the
// grid's cells, rows and columns use, and the date-time drop-down's lifecycle.
#include "TSGridImpl.h"

namespace TSGrid {

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

// ---- The date-time drop-down -------------------------------------------------------------------------
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

}  // namespace TSGrid
