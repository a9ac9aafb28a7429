// The XML export settings and the report component base.
#include "TSGridImpl.h"
#include "TSGridExport.h"
#include "TypInfo.h"

namespace TSGrid {

IMPLEMENT_CLASS_PUBLISHED(TosXMLExport) {
  d.Property("Encoding", &TosXMLExport::GetEncoding, &TosXMLExport::SetEncoding);
  d.Property("Version", &TosXMLExport::GetVersion, &TosXMLExport::SetVersion);
  d.Property("DataPacketVersion", &TosXMLExport::GetDataPacketVersion, &TosXMLExport::SetDataPacketVersion);
  d.Property("StandAlone", &TosXMLExport::GetStandAlone, &TosXMLExport::SetStandAlone).Default(true);
}

IMPLEMENT_CLASS(TosCustomGridReport)

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

}  // namespace TSGrid
