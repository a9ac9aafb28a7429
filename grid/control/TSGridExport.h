// The settings of the grid's XML data packet export: the declaration's version, encoding and
// standalone attributes and the data packet's version.
#pragma once

#include "Persistent.h"
#include "System.h"

namespace TSGrid {

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

}  // namespace TSGrid
