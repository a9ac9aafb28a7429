// Answers of the grid's overridable operations until the topic that defines each is built: each
// does nothing or gives the neutral result. A topic that builds one moves it into its own source.
#include "TSDBGrid.h"

namespace TSDBGrid {

// Data link and dataset notifications, editing state
void TtsCustomDBGrid::LinkActive(bool Value) {}

void TtsCustomDBGrid::CheckBrowseMode() {}

void TtsCustomDBGrid::DataSetScrolled(Integer Distance) {}

void TtsCustomDBGrid::DataSetChanged() {}

void TtsCustomDBGrid::EditingChanged() {}

void TtsCustomDBGrid::LayoutChanged() {}

void TtsCustomDBGrid::RecordChanged(TField* Field) {}

void TtsCustomDBGrid::UpdateData() {}

// Per-record row and cell properties
TtsButtonType TtsCustomDBGrid::GetDBRowButtonType(const Variant& DataRow) { return btDefault; }

// Events
void TtsCustomDBGrid::DoOnUpdateField(Integer DataCol, const Variant& DataRow, Variant& Value, bool& Cancel) {}

void TtsCustomDBGrid::DoGetDrawInfo(Integer DataCol, const Variant& DataRow, TtsDrawInfo& DrawInfo) {}

void TtsCustomDBGrid::DoComboCellLoaded(Integer DataCol, const Variant& DataRow, Variant& Value) {}

void TtsCustomDBGrid::DoTopLeftChanged(Integer OldCol, const Variant& OldRow, Integer NewCol, const Variant& NewRow,
                                       bool ByUser) {}

void TtsCustomDBGrid::DoPaintCell(Integer DataCol, const Variant& DataRow, const TRect& ARect,
                                  TtsPaintCellState State, bool& Cancel) {}

void TtsCustomDBGrid::DoCellLoaded(Integer DataCol, const Variant& DataRow, Variant& Value) {}

void TtsCustomDBGrid::DoDeleteRow(const Variant& DataRow, bool ByUser) {}

void TtsCustomDBGrid::DoInsertRow(const Variant& DataRow, bool ByUser) {}

void TtsCustomDBGrid::DoGetRecordID(const Variant& DataRow, Variant& RecordID) { RecordID = Variant(); }

void TtsCustomDBGrid::DoCompareRecordId(const Variant& RecordID1, const Variant& RecordID2, Integer& CompRes) {}

void TtsCustomDBGrid::DoFieldLayoutChange() {}

void TtsCustomDBGrid::DoPrintRow(const Variant& DataRow, bool& Cancel) {}

void TtsCustomDBGrid::DoPrintCell(Integer DataCol, const Variant& DataRow, bool& Cancel) {}

// Export of the dataset (built with the data-bound export)
String TtsCustomDBGrid::GetXMLMetaData() { return String(); }

String TtsCustomDBGrid::GetXMLRowData(const Variant& DataRow) { return String(); }

String TtsCustomDBGrid::GetXMLData() { return String(); }

String TtsCustomDBGrid::GetCSVRowData(const Variant& DataRow) { return String(); }

}  // namespace TSDBGrid
