// The data-bound grid in form and layout streams: the "DataBound" and "ColPropCount" entries, the
// row and cell collections that carry per-record properties, and applying what was read once the
// dataset is active.
#include "Filer.h"
#include "TSDBGrid.h"

namespace TSDBGrid {

void TtsCustomDBGrid::DefineProperties(Filer::TFiler* Filer) {
  Filer->DefineProperty("DataBound", Filer::TReaderProc(this, &TtsCustomDBGrid::ReadDataBound),
                        Filer::TWriterProc(this, &TtsCustomDBGrid::WriteDataBound), true);
  Filer->DefineProperty("ColPropCount", Filer::TReaderProc(this, &TtsCustomDBGrid::ReadColPropCount),
                        Filer::TWriterProc(this, &TtsCustomDBGrid::WriteColPropCount),
                        WriteColPropCountNeeded(Filer));
  inherited::DefineProperties(Filer);
}

// Only an inherited form needs the column count ahead of its customized columns.
bool TtsCustomDBGrid::WriteColPropCountNeeded(Filer::TFiler* Filer) {
  return GetSaveAllProps() && !StoreRows() && StoreCols() && Filer->GetAncestor() != nullptr;
}

void TtsCustomDBGrid::WriteDataBound(Filer::TWriter* Writer) { Writer->WriteBoolean(FDataBound); }

void TtsCustomDBGrid::ReadDataBound(Filer::TReader* Reader) {
  if (Reader->ReadBoolean()) {
    if (!FReadBoundProps) FApplyBoundPropsPending = true;
    FReadBoundProps = true;
  }
  if (!FReadBoundProps && FDataBound) SetDataSource(nullptr);
}

void TtsCustomDBGrid::ReadColPropCount(Filer::TReader* Reader) { SetGridColCount(Reader->ReadInteger()); }

void TtsCustomDBGrid::WriteColPropCount(Filer::TWriter* Writer) { Writer->WriteInteger(GetGridColCount()); }

bool TtsCustomDBGrid::DoColProps(TPersistent* Ancestor) { return inherited::DoColProps(Ancestor); }

TtsPropCollection* TtsCustomDBGrid::CreateRowCollection(bool Fill) { return inherited::CreateRowCollection(Fill); }

TtsCellCollection* TtsCustomDBGrid::CreateCellCollection(bool Fill) {
  return inherited::CreateCellCollection(Fill);
}

void TtsCustomDBGrid::ReadRows(Filer::TReader* Reader) { inherited::ReadRows(Reader); }

void TtsCustomDBGrid::ReadCells(Filer::TReader* Reader) { inherited::ReadCells(Reader); }

void TtsCustomDBGrid::CheckApplyProps(bool Clear) {
  if (FReadBoundProps) return;
  CheckApplyRowProps(Clear);
  CheckApplyCellProps(Clear);
}

void TtsCustomDBGrid::CheckApplyRowProps(bool Clear) {}

void TtsCustomDBGrid::CheckApplyCellProps(bool Clear) {}

void TtsCustomDBGrid::Loaded() {
  if (FReadBoundProps && FApplyBoundPropsPending) {
    FReadBoundProps = FApplyBoundPropsPending = false;
    CheckApplyProps(false);
  }
  inherited::Loaded();
}

TtsGridStreamComponent* TtsCustomDBGrid::CreateStreamComponent() { return inherited::CreateStreamComponent(); }

}  // namespace TSDBGrid
