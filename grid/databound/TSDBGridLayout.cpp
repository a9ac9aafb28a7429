// The data-bound grid's field layout: finding wrappers, the column layout state and the passes that
// bind, rebuild and remove the columns when the dataset's fields change.
#include "DB.h"
#include "TSDBGridBase.h"
#include "TSDBGridColumns.h"
#include "TSDBGridFields.h"

namespace TSDBGrid {

TtsDBField* TtsCustomDBGrid::GetField(const Variant& Key) { return nullptr; }

TtsDBGridCols* TtsCustomDBGrid::GetGridDBCols() { return static_cast<TtsDBGridCols*>(GetCols()); }

TtsFieldState TtsCustomDBGrid::GetFieldState() { return GetGridDBCols()->GetFieldState(); }

void TtsCustomDBGrid::SetFieldState(TtsFieldState Value) { GetGridDBCols()->SetFieldState(Value); }

void TtsCustomDBGrid::FieldLayoutChanged(bool Bind, bool OrderChanged, bool FieldsChanged) {}

void TtsCustomDBGrid::DefineFieldMap() {}

void TtsCustomDBGrid::ResetFields(bool ClearNames) {
  for (Integer col = 1; col <= GetGridColCount(); ++col) GetGridDBCols()->GetDBCol(col)->ResetField(ClearNames);
}

void TtsCustomDBGrid::RemoveFieldLayout() {}

}  // namespace TSDBGrid
