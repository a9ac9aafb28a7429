// The data-bound grid following the dataset's edit state: inserts, appends and edits, field values
// read for and written from cells, and the grid's refresh, reset and reopen operations.
#include "TSDBGridBase.h"

namespace TSDBGrid {

void TtsCustomDBGrid::StartInsert() {}
void TtsCustomDBGrid::EndInsert() {}
void TtsCustomDBGrid::StartAppend() {}
void TtsCustomDBGrid::EndAppend() {}
void TtsCustomDBGrid::EndEditing() {}
bool TtsCustomDBGrid::CheckCanceled() { return true; }
bool TtsCustomDBGrid::InsertRowInView() { return false; }
bool TtsCustomDBGrid::LastRowInView() { return false; }
void TtsCustomDBGrid::GetFieldValue(TtsDBCol* Column, Integer Row, Variant& Value, TtsControlType ControlType,
                                    bool ByRowNumber) {}
void TtsCustomDBGrid::SetFieldValue(TtsDBCol* Column, TtsControlType ControlType, const Variant& Value) {}
bool TtsCustomDBGrid::CheckClearBuffer(TtsDBCol* Column) { return false; }
void TtsCustomDBGrid::GetDrawInfo(Integer DataCol, Integer DataRow, TtsDrawInfo& DrawInfo) {
  inherited::GetDrawInfo(DataCol, DataRow, DrawInfo);
}
bool TtsCustomDBGrid::IsCurrentRecord(const Variant& DataRow) { return false; }
bool TtsCustomDBGrid::ReopenDataset() { return false; }
bool TtsCustomDBGrid::ResetDatasetProperties() { return false; }
void TtsCustomDBGrid::ResetDataset(bool ResetTop) {}
void TtsCustomDBGrid::ClearCacheBuffers() {}
void TtsCustomDBGrid::RefreshData(TtsResetOrder Order, TtsResetPosition Position) {
  inherited::RefreshData(Order, Position);
}
void TtsCustomDBGrid::ResetRowCellProperties() {}
void TtsCustomDBGrid::ResetInsertProperties() {}

}  // namespace TSDBGrid
