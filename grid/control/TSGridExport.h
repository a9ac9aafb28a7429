// The settings of the grid's XML data packet export: the declaration's version, encoding and
// standalone attributes and the data packet's version.
#pragma once

#include <functional>
#include <vector>

#include "Persistent.h"
#include "System.h"

namespace TSGrid {

class TtsBaseGrid;

class TosXMLExport : public TPersistent {
  DECLARE_CLASS(TosXMLExport, TPersistent)
 public:
  void Assign(TPersistent* Source) override;

  String GetEncoding() const { return FEncoding; }
  void SetEncoding(const String& Value) { FEncoding = Value; }
  String GetVersion() const { return FVersion; }
  void SetVersion(const String& Value) { FVersion = Value; }
  String GetDataPacketVersion() const { return FDataPacketVersion; }
  void SetDataPacketVersion(const String& Value) { FDataPacketVersion = Value; }
  bool GetStandAlone() const { return FStandAlone; }
  void SetStandAlone(bool Value) { FStandAlone = Value; }

 protected:
  TosXMLExport() = default;

 private:
  String FEncoding;
  String FVersion = "1.0";
  String FDataPacketVersion = "2.0";
  bool FStandAlone = true;
};

// The pieces of the two export formats that every grid writes alike.
// A value between double quotes, its own double quotes doubled.
String ExportQuoted(const String& Text);
// The text to put between values for an export delimiter: "#9", "#10" and "#13" name a tab, a line
// feed and a carriage return; any other value stands for itself.
String ExportSeparator(const String& Delimiter);
// Text with every character XML 1.0 cannot hold replaced by U+FFFD.
String XmlCharacters(const String& Text);
// The attribute names of a packet's columns: a repeated name is numbered from 2 on.
std::vector<String> UniqueXMLNames(const std::vector<String>& Bases);
// The METADATA part: one FIELD element per attribute name with its field type's text (the quoted
// type and any attributes after it).
String XMLMetaData(const std::vector<String>& Names, const std::vector<String>& FieldTypes);
// A ROW element of attributes whose values are escaped already.
String XMLRowElement(const std::vector<String>& Names, const std::vector<String>& Values);
// The XML declaration and the packet's opening element, and the packet's end.
String XMLPacketHead(TosXMLExport* Settings);
inline const char* const XMLPacketTail = "</ROWDATA></DATAPACKET>";
// Asks for the export file in the save dialog and writes it by its ending: an XML data packet for
// ".xml", delimited text otherwise. Nothing is written when the user cancels or names no file.
void ExportToChosenFile(TtsBaseGrid* Grid, const std::function<void(const String&)>& ExportXML,
                        const std::function<void(const String&)>& ExportCSV);
// Writes export text to a file as lines.
void SaveExportText(const String& FileName, const String& Text);

}  // namespace TSGrid
