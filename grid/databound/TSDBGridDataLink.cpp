// The grid's data link: the field map and the notifications it hands to the grid.
#include "TSDBGridDataLink.h"

namespace TSDBGrid {

IMPLEMENT_CLASS(TtsGridDataLink)

void TtsGridDataLink::Destroy() {
  ClearMapping();
  inherited::Destroy();
}

bool TtsGridDataLink::AddMapping(const String& FieldName, TField* Field) { return true; }

void TtsGridDataLink::ClearMapping() {
  FFieldMap.clear();
  FMapCount = FMapCapacity = 0;
}

TField* TtsGridDataLink::GetFields(Integer Index) { return nullptr; }

Integer TtsGridDataLink::GetMappedIndex(Integer Index) const { return -1; }

void TtsGridDataLink::Reset() {}

void TtsGridDataLink::ActiveChanged() {}
void TtsGridDataLink::CheckBrowseMode() {}
void TtsGridDataLink::DataSetChanged() {}
void TtsGridDataLink::DataSetScrolled(Integer Distance) {}
void TtsGridDataLink::EditingChanged() {}
void TtsGridDataLink::LayoutChanged() {}
void TtsGridDataLink::RecordChanged(TField* Field) {}
void TtsGridDataLink::UpdateData() {}

}  // namespace TSDBGrid
