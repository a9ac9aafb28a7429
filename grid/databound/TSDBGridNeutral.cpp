// Answers of the grid's overridable operations until the topic that defines each is built: each
// does nothing or gives the neutral result. A topic that builds one moves it into its own source.
#include "TSDBGrid.h"

namespace TSDBGrid {

// Export of the dataset (built with the data-bound export)
String TtsCustomDBGrid::GetXMLMetaData() { return String(); }

String TtsCustomDBGrid::GetXMLRowData(const Variant& DataRow) { return String(); }

String TtsCustomDBGrid::GetXMLData() { return String(); }

String TtsCustomDBGrid::GetCSVRowData(const Variant& DataRow) { return String(); }

}  // namespace TSDBGrid
