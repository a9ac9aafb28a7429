// Answers of the grid's overridable operations until the topic that defines each is built: each
// does nothing or gives the neutral result. A topic that builds one moves it into its own source.
#include "TSDBGrid.h"
#include "TSDBGridPropSets.h"

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

void TtsCustomDBGrid::GetActiveCellValue(Integer DataCol, const Variant& Bookmark, Variant& Value) { Value = Variant(); }

void TtsCustomDBGrid::BookmarkValue(Integer DataCol, const Variant& Bookmark, Variant& Value) { Value = Variant(); }

bool TtsDBRowPropSet::SetProperty(TtsVarRecArray Key, Integer KeyHigh, TtsCustomPropElement*& Element,
                                  const Variant& Value, TtsProperty Kind, Integer Index, bool Redraw) {
  return inherited::SetProperty(Key, KeyHigh, Element, Value, Kind, Index, Redraw);
}

bool TtsDBCellPropSet::SetProperty(TtsVarRecArray Key, Integer KeyHigh, TtsCustomPropElement*& Element,
                                   const Variant& Value, TtsProperty Kind, Integer Index, bool Redraw) {
  return inherited::SetProperty(Key, KeyHigh, Element, Value, Kind, Index, Redraw);
}

// Export of the dataset (built with the data-bound export)
String TtsCustomDBGrid::GetXMLMetaData() { return String(); }

String TtsCustomDBGrid::GetXMLRowData(const Variant& DataRow) { return String(); }

String TtsCustomDBGrid::GetXMLData() { return String(); }

String TtsCustomDBGrid::GetCSVRowData(const Variant& DataRow) { return String(); }

}  // namespace TSDBGrid
