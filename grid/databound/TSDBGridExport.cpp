// Export and printing of the data-bound grid. Export writes the records of the dataset, not the rows
// on screen, in the grid control's two formats: it walks the dataset from its first record to its
// last with the dataset's controls disabled and puts the dataset back on the record it was on.
// Printing is the attached report component's.
#include <vector>

#include "DB.h"
#include "DateFormat.h"
#include "Strings.h"
#include "TSCommon.h"
#include "TSDBGrid.h"
#include "TSDBGridColumns.h"
#include "TSDBGridFields.h"
#include "TSDBGridScope.h"
#include "TSGridExport.h"
#include "TSGridReport.h"
#include "WinInput.h"

namespace TSDBGrid {

namespace {

// A packet of this many records or more ends with a beep: the user may have waited for it.
constexpr Integer BeepingRecordCount = 20;

TDataSet* ActiveDataset(TtsCustomDBGrid* Grid) {
  TtsGridData* data = Grid->GetGridData();
  TDataSet* dataset = data ? data->GetDataSet() : nullptr;
  return dataset && dataset->GetActive() ? dataset : nullptr;
}

// Runs Step with the bookmark (a string Variant) of every record in the dataset's order. Whatever
// happens, the dataset goes back to its record and the grid and the dataset's controls come back on.
template <class Step>
void ForEachRecord(TtsCustomDBGrid* Grid, Step Run) {
  TDataSet* dataset = ActiveDataset(Grid);
  if (!dataset) return;
  const String current = dataset->GetBookmark();
  Grid->SetEnableRedraw(false);
  Grid->SetEnablePaint(false);
  dataset->DisableControls();
  TtsFinally restore([&] {
    if (!current.empty()) dataset->SetBookmark(current);
    Grid->SetEnableRedraw(true);
    Grid->SetEnablePaint(true);
    dataset->EnableControls();
  });
  for (dataset->First(); !dataset->Eof(); dataset->Next()) Run(Variant(dataset->GetBookmark()));
}

TtsDBCol* DBColumn(TtsCustomDBGrid* Grid, Integer DataCol) {
  return static_cast<TtsDBCol*>(Grid->GetCols()->GetItem(DataCol));
}

// The delimited text's columns: the visible ones in display order, pictures left out.
std::vector<Integer> CSVColumns(TtsCustomDBGrid* Grid) {
  std::vector<Integer> cols;
  for (Integer displayCol = 1; displayCol <= Grid->GetGridColCount(); ++displayCol) {
    const Integer dataCol = Grid->GetDataCol(displayCol);
    TtsDBCol* col = DBColumn(Grid, dataCol);
    if (col->GetVisible() && col->GetControlType() != ctPicture) cols.push_back(dataCol);
  }
  return cols;
}

// The packet's columns: every column but pictures, in data order.
std::vector<Integer> XMLColumns(TtsCustomDBGrid* Grid) {
  std::vector<Integer> cols;
  for (Integer dataCol = 1; dataCol <= Grid->GetGridColCount(); ++dataCol)
    if (DBColumn(Grid, dataCol)->GetControlType() != ctPicture) cols.push_back(dataCol);
  return cols;
}

std::vector<String> XMLNames(TtsCustomDBGrid* Grid, const std::vector<Integer>& Cols) {
  std::vector<String> bases;
  for (Integer dataCol : Cols) bases.push_back(DBColumn(Grid, dataCol)->XMLHeading());
  return UniqueXMLNames(bases);
}

// One code more than the grid control knows: "#10#13", a line feed followed by a carriage return.
String CSVSeparator(const String& Delimiter) {
  return Delimiter == "#10#13" ? String("\n\r") : ExportSeparator(Delimiter);
}

// The text after fieldtype= for a column: from its field's data type, plain text when unbound.
String XMLFieldType(TtsDBCol* Col) {
  TtsDBField* field = Col->GetDBField();
  if (!field) return "\"string\"";
  switch (field->GetDataType()) {
    case ftString:
    case ftMemo:
      return "\"string\" WIDTH=\"" + IntToStr(field->GetSize()) + "\"";
    case ftSmallint:
    case ftInteger:
    case ftWord:
      return "\"i4\"";
    case ftAutoInc:
      return "\"i4\" SUBTYPE=\"Autoinc\"";
    case ftBoolean:
      return "\"boolean\"";
    case ftFloat:
    case ftBCD:
      return "\"r8\"";
    case ftCurrency:
      return "\"r8\" SUBTYPE=\"Money\"";
    case ftDate:
      return "\"date\"";
    case ftTime:
      return "\"time\"";
    case ftDateTime:
      return "\"datetime\"";
    default:
      return "\"string\"";
  }
}

String XMLText(const Variant& Value) {
  return VarIsNull(Value) ? String() : CheckForWhiteSpace(XmlCharacters(VarToStr(Value)));
}

}  // namespace

// ---- Printing ----------------------------------------------------------------------------------------------
void TtsCustomDBGrid::Print() { RequiredReport(this)->Print(this); }
void TtsCustomDBGrid::PrintPreview() { RequiredReport(this)->PrintPreview(this); }

// ---- Delimited text --------------------------------------------------------------------------------------
String TtsCustomDBGrid::GetCSVRowData(const Variant& DataRow) {
  const String separator = CSVSeparator(GetExportDelimiter());
  String line;
  for (Integer dataCol : CSVColumns(this)) {
    Variant value;
    GetDBCellValue(dataCol, DataRow, value);
    line += ExportQuoted(VarToStr(value));
    line += separator;
  }
  return line;
}

void TtsCustomDBGrid::ExportCSV(const String& FileName) {
  TOwnedPtr<TStringList> lines(New<TStringList>());
  const String separator = CSVSeparator(GetExportDelimiter());
  String heading;
  for (Integer dataCol : CSVColumns(this)) {
    heading += ExportQuoted(DBColumn(this, dataCol)->GetHeading());
    heading += separator;
  }
  lines->Add(heading);
  ForEachRecord(this, [&](const Variant& DataRow) { lines->Add(GetCSVRowData(DataRow)); });
  lines->SaveToFile(FileName);
}

// ---- XML data packet ---------------------------------------------------------------------------------------
String TtsCustomDBGrid::GetXMLMetaData() {
  const std::vector<Integer> cols = XMLColumns(this);
  std::vector<String> types;
  for (Integer dataCol : cols) types.push_back(XMLFieldType(DBColumn(this, dataCol)));
  return XMLMetaData(XMLNames(this, cols), types);
}

String TtsCustomDBGrid::GetXMLRowData(const Variant& DataRow) {
  const std::vector<Integer> cols = XMLColumns(this);
  TDataSet* dataset = ActiveDataset(this);
  std::vector<String> values;
  for (Integer dataCol : cols) {
    TtsDBCol* col = DBColumn(this, dataCol);
    TField* field = col->GetDBField() && dataset ? dataset->FindField(col->GetFieldName()) : nullptr;
    const TFieldType type = field ? field->DataType() : ftUnknown;
    if (field && (type == ftDateTime || type == ftDate)) {
      // Dates are written in fixed patterns whatever the field's display format; a date that is not
      // there is written as nothing, not as the zero date.
      values.push_back(field->IsNull() ? String()
                                       : FormatDateTime(type == ftDate ? "yyyymmdd" : "yyyymmdd\"T\"hh:nn:sszzz",
                                                        field->GetAsDateTime()));
      continue;
    }
    if (!col->GetDBField() && GetDBCellControlType(dataCol, DataRow) == ctPicture) {
      values.push_back(String());
      continue;
    }
    Variant value;
    GetDBCellValue(dataCol, DataRow, value);
    values.push_back(XMLText(value));
  }
  return XMLRowElement(XMLNames(this, cols), values);
}

String TtsCustomDBGrid::GetXMLData() {
  String result = XMLPacketHead(GetXMLExport());
  result += GetXMLMetaData();
  result += " <ROWDATA> ";
  Integer written = 0;
  ForEachRecord(this, [&](const Variant& DataRow) {
    result += "\n\r";
    result += GetXMLRowData(DataRow);
    ++written;
  });
  if (written >= BeepingRecordCount) MessageBeep(0);
  result += XMLPacketTail;
  return result;
}

void TtsCustomDBGrid::ExportXML(const String& FileName) { SaveExportText(FileName, GetXMLData()); }

// ---- Asking for the file ---------------------------------------------------------------------------------
void TtsCustomDBGrid::ExportGrid() {
  if (!ActiveDataset(this)) throw Exception("No active Dataset to Export!");
  ExportToChosenFile(
      this, [this](const String& FileName) { ExportXML(FileName); },
      [this](const String& FileName) { ExportCSV(FileName); });
}

}  // namespace TSDBGrid
