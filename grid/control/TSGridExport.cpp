// The XML export settings, and the grid control's export of its content as delimited text (one
// quoted value per column, each followed by the separator) or as an XML data packet (a METADATA part
// naming the columns and one ROW element per data row).
#include <set>

#include "Dialogs.h"
#include "FileNames.h"
#include "Multibyte.h"
#include "TSGridExport.h"
#include "TSGridImpl.h"
#include "TypInfo.h"

namespace TSGrid {

IMPLEMENT_CLASS_PUBLISHED(TosXMLExport) {
  d.Property("Encoding", &TosXMLExport::GetEncoding, &TosXMLExport::SetEncoding);
  d.Property("Version", &TosXMLExport::GetVersion, &TosXMLExport::SetVersion);
  d.Property("DataPacketVersion", &TosXMLExport::GetDataPacketVersion, &TosXMLExport::SetDataPacketVersion);
  d.Property("StandAlone", &TosXMLExport::GetStandAlone, &TosXMLExport::SetStandAlone).Default(true);
}

void TosXMLExport::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TosXMLExport*>(Source)) {
    FEncoding = source->FEncoding;
    FVersion = source->FVersion;
    FDataPacketVersion = source->FDataPacketVersion;
    FStandAlone = source->FStandAlone;
    return;
  }
  inherited::Assign(Source);
}

String ExportQuoted(const String& Text) {
  String result;
  result.reserve(Text.size() + 2);
  result += '"';
  for (char c : Text) {
    if (c == '"') result += '"';
    result += c;
  }
  result += '"';
  return result;
}

String ExportSeparator(const String& Delimiter) {
  if (Delimiter == "#9") return "\t";
  if (Delimiter == "#10") return "\n";
  if (Delimiter == "#13") return "\r";
  return Delimiter;
}

// XML 1.0 has no form at all for the C0 controls other than tab, line feed and carriage return, nor for
// bytes that are not UTF-8: each becomes U+FFFD, so one odd cell cannot make the whole packet unreadable.
String XmlCharacters(const String& Text) {
  String result;
  result.reserve(Text.size());
  const char* end = Text.data() + Text.size();
  for (const char* p = Text.data(); p < end;) {
    const int len = Multibyte::Utf8CharLen(p, end);
    const char32_t code = Multibyte::Utf8Decode(p, len);
    const bool allowed = !Multibyte::Utf8IsInvalid(p, len) && (code >= 0x20 || code == 0x09 || code == 0x0A || code == 0x0D) &&
                         code != 0xFFFE && code != 0xFFFF;
    if (allowed)
      result.append(p, len);
    else
      Multibyte::Utf8Append(result, 0xFFFD);
    p += len;
  }
  return result;
}

std::vector<String> UniqueXMLNames(const std::vector<String>& Bases) {
  // An element takes every attribute name once: a repeated name is numbered past any name that is
  // taken already.
  std::vector<String> names;
  std::set<String> taken;
  for (const String& base : Bases) {
    String name = base;
    for (Integer suffix = 2; taken.count(name); ++suffix) name = base + IntToStr(suffix);
    taken.insert(name);
    names.push_back(name);
  }
  return names;
}

String XMLMetaData(const std::vector<String>& Names, const std::vector<String>& FieldTypes) {
  String result = "<METADATA><FIELDS>";
  for (size_t i = 0; i < Names.size(); ++i)
    result += "<FIELD attrname=\"" + CheckForWhiteSpace(XmlCharacters(Names[i])) + "\" fieldtype=" + FieldTypes[i] + " />";
  result += "</FIELDS><PARAMS LCID=\"1033\"/></METADATA>";
  return result;
}

String XMLRowElement(const std::vector<String>& Names, const std::vector<String>& Values) {
  String result = "<ROW ";
  for (size_t i = 0; i < Names.size(); ++i) result += Names[i] + "=\"" + Values[i] + "\" ";
  result += "/>";
  return result;
}

String XMLPacketHead(TosXMLExport* Settings) {
  const String encoding = Settings->GetEncoding().empty() ? String() : "encoding=\"" + Settings->GetEncoding() + "\"";
  const String packet = Settings->GetDataPacketVersion().empty()
                            ? String()
                            : "<DATAPACKET Version=\"" + Settings->GetDataPacketVersion() + "\">";
  return "<?xml version=\"" + Settings->GetVersion() + "\" " + encoding + " standalone=\"" +
         (Settings->GetStandAlone() ? "yes" : "no") + "\"?> " + packet;
}

namespace {

// Asks for the export file in the save dialog: empty when the user cancels or names no file.
String ChooseExportFile(TtsBaseGrid* Grid) {
  TOwnedPtr<TSaveDialog> dialog(New<TSaveDialog>(Grid));
  dialog->SetFilter("CSV File (*.csv)|*.csv|XML File (*.xml)|*.xml");
  dialog->SetFilterIndex(0);
  dialog->SetDefaultExt("csv");
  dialog->SetTitle("Grid Export");
  if (!dialog->Execute()) return String();
  const String fileName = dialog->GetFileName();
  // Names of three characters or fewer are not taken (the folder does not count).
  if (ExtractFileName(fileName).size() <= 3) return String();
  return fileName;
}

}  // namespace

void ExportToChosenFile(TtsBaseGrid* Grid, const std::function<void(const String&)>& ExportXML,
                        const std::function<void(const String&)>& ExportCSV) {
  const String fileName = ChooseExportFile(Grid);
  if (fileName.empty()) return;
  const bool xml = fileName.size() >= 3 && LowerCase(fileName.substr(fileName.size() - 3)) == "xml";
  if (xml)
    ExportXML(fileName);
  else
    ExportCSV(fileName);
}

void SaveExportText(const String& FileName, const String& Text) {
  TOwnedPtr<TStringList> lines(New<TStringList>());
  lines->SetText(Text);
  lines->SaveToFile(FileName);
}

namespace {

// Redrawing off for a scope, on again however it ends.
class TRedrawSuspension {
 public:
  explicit TRedrawSuspension(TtsBaseGrid* Grid) : FGrid(Grid) { FGrid->SetEnableRedraw(false); }
  ~TRedrawSuspension() { FGrid->SetEnableRedraw(true); }
  TRedrawSuspension(const TRedrawSuspension&) = delete;
  TRedrawSuspension& operator=(const TRedrawSuspension&) = delete;

 private:
  TtsBaseGrid* FGrid;
};

}  // namespace

// ---- Which columns, under which names -----------------------------------------------------------------
String TtsCustomGrid::ExportSeparator() { return TSGrid::ExportSeparator(GetExportDelimiter()); }

std::vector<Integer> TtsCustomGrid::CSVExportCols() {
  std::vector<Integer> cols;
  for (Integer displayCol = 1; displayCol <= GetGridColCount(); ++displayCol) {
    Integer dataCol = GetDataCol(displayCol);
    TtsCol* col = FCols->GetItem(dataCol);
    if (col->GetVisible() && col->GetControlType() != ctPicture) cols.push_back(dataCol);
  }
  return cols;
}

std::vector<Integer> TtsCustomGrid::XMLExportCols() {
  std::vector<Integer> cols;
  for (Integer dataCol = 1; dataCol <= GetGridColCount(); ++dataCol)
    if (FCols->GetItem(dataCol)->GetControlType() != ctPicture) cols.push_back(dataCol);
  return cols;
}

std::vector<String> TtsCustomGrid::XMLFieldNames() {
  std::vector<String> bases;
  for (Integer dataCol : XMLExportCols()) bases.push_back(FCols->GetItem(dataCol)->XMLHeading());
  return UniqueXMLNames(bases);
}

TtsCustomGrid::TExportLayout TtsCustomGrid::CSVLayout() { return {CSVExportCols(), {}, ExportSeparator()}; }
TtsCustomGrid::TExportLayout TtsCustomGrid::XMLLayout() { return {XMLExportCols(), XMLFieldNames(), {}}; }

namespace {

// A value in force for a scope, the one before it back however the scope ends.
template <class T>
class TScopedValue {
 public:
  TScopedValue(T& Slot, T Value) : FSlot(Slot), FSaved(Slot) { FSlot = Value; }
  ~TScopedValue() { FSlot = FSaved; }
  TScopedValue(const TScopedValue&) = delete;
  TScopedValue& operator=(const TScopedValue&) = delete;

 private:
  T& FSlot;
  T FSaved;
};

}  // namespace

// ---- Delimited text --------------------------------------------------------------------------------------
String TtsCustomGrid::GetCSVRowData(Integer DataRow) {
  TExportLayout own;
  const TExportLayout& layout = FExportLayout ? *FExportLayout : (own = CSVLayout());
  String line;
  for (Integer dataCol : layout.Cols) {
    line += ExportQuoted(VarToStr(GetCellValue(dataCol, DataRow)));
    line += layout.Separator;
  }
  return line;
}

void TtsCustomGrid::ExportCSV(const String& FileName) {
  TRedrawSuspension redraw(this);
  TOwnedPtr<TStringList> lines(New<TStringList>());
  const TExportLayout layout = CSVLayout();
  String heading;
  for (Integer dataCol : layout.Cols) {
    heading += ExportQuoted(FCols->GetItem(dataCol)->GetHeading());
    heading += layout.Separator;
  }
  lines->Add(heading);
  {
    TScopedValue<const TExportLayout*> running(FExportLayout, &layout);
    for (Integer dataRow = 1; dataRow <= GetGridRowCount(); ++dataRow) lines->Add(GetCSVRowData(dataRow));
  }
  lines->SaveToFile(FileName);
}

// ---- XML data packet ---------------------------------------------------------------------------------------
String TtsCustomGrid::GetXMLMetaData() {
  const std::vector<String> names = XMLFieldNames();
  return XMLMetaData(names, std::vector<String>(names.size(), "\"string\""));
}

String TtsCustomGrid::GetXMLRowData(const Variant& DataRow) {
  const Integer dataRow = DataRow.ToInteger();
  TExportLayout own;
  const TExportLayout& layout = FExportLayout ? *FExportLayout : (own = XMLLayout());
  std::vector<String> values;
  for (Integer dataCol : layout.Cols) {
    String value;
    if (GetCellControlType(dataCol, dataRow) != ctPicture)
      value = CheckForWhiteSpace(XmlCharacters(VarToStr(GetCellValue(dataCol, dataRow))));
    values.push_back(value);
  }
  return XMLRowElement(layout.Names, values);
}

String TtsCustomGrid::GetXMLData() {
  String result = XMLPacketHead(GetXMLExport());
  result += GetXMLMetaData();
  result += " <ROWDATA> ";
  {
    TRedrawSuspension redraw(this);
    const TExportLayout layout = XMLLayout();
    TScopedValue<const TExportLayout*> running(FExportLayout, &layout);
    for (Integer dataRow = 1; dataRow <= GetGridRowCount(); ++dataRow) {
      result += "\n\r";
      result += GetXMLRowData(Variant(dataRow));
    }
  }
  result += XMLPacketTail;
  return result;
}

void TtsCustomGrid::ExportXML(const String& FileName) { SaveExportText(FileName, GetXMLData()); }

// ---- Asking for the file ---------------------------------------------------------------------------------
void TtsCustomGrid::ExportGrid() {
  ExportToChosenFile(
      this, [this](const String& FileName) { ExportXML(FileName); },
      [this](const String& FileName) { ExportCSV(FileName); });
}

}  // namespace TSGrid
