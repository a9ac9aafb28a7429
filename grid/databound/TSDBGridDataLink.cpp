// The grid's data link: the field map and the notifications it hands to the
// grid.
#include "TSDBGridDataLink.h"

#include <algorithm>

#include "TSDBGridBase.h"
#include "TSDBGridScope.h"

namespace TSDBGrid {

namespace {
constexpr Integer MaxMapCount = 0x0FFFFFFF;
}

IMPLEMENT_CLASS(TtsGridDataLink)

void TtsGridDataLink::Destroy() {
  ClearMapping();
  inherited::Destroy();
}

bool TtsGridDataLink::AddMapping(const String &FieldName, TField *Field) {
  if (FMapCount >= MaxMapCount) return true;
  if (!Field && DataSet())
    Field = FLenientMapping ? DataSet()->FindField(FieldName) : DataSet()->FieldByName(FieldName);
  if (FMapCount == FMapCapacity) {
    FMapCapacity = FMapCapacity == 0 ? 8 : std::min(FMapCapacity * 2, MaxMapCount);
    FFieldMap.resize(static_cast<size_t>(FMapCapacity), -1);
  }
  FFieldMap[static_cast<size_t>(FMapCount++)] = Field ? Field->GetIndex() : -1;
  return true;
}

void TtsGridDataLink::ClearMapping() {
  FFieldMap.clear();
  FMapCount = FMapCapacity = 0;
}

Integer TtsGridDataLink::GetMappedIndex(Integer Index) const {
  return Index < 0 || Index >= FMapCount ? -1 : FFieldMap[static_cast<size_t>(Index)];
}

TField *TtsGridDataLink::GetFields(Integer Index) {
  Integer mapped = GetMappedIndex(Index);
  TDataSet *dataSet = DataSet();
  if (mapped < 0 || !dataSet || mapped >= dataSet->FieldCount()) return nullptr;
  return dataSet->Fields()->GetField(mapped);
}

void TtsGridDataLink::Reset() {
  if (FGrid->FCellChangePending)
    FGrid->RecordChanged(nullptr);
  else if (DataSet())
    DataSet()->Cancel();
}

void TtsGridDataLink::ActiveChanged() { FGrid->LinkActive(Active()); }
void TtsGridDataLink::CheckBrowseMode() { FGrid->CheckBrowseMode(); }
void TtsGridDataLink::DataSetChanged() { FGrid->DataSetChanged(); }
void TtsGridDataLink::DataSetScrolled(Integer Distance) { FGrid->DataSetScrolled(Distance); }
void TtsGridDataLink::EditingChanged() { FGrid->EditingChanged(); }
void TtsGridDataLink::RecordChanged(TField *Field) { FGrid->RecordChanged(Field); }

void TtsGridDataLink::LayoutChanged() {
  bool previous = FGrid->FInLayoutChanged;
  FGrid->FInLayoutChanged = true;
  TtsFinally restore([&] { FGrid->FInLayoutChanged = previous; });
  FGrid->LayoutChanged();
}

void TtsGridDataLink::UpdateData() {
  FInUpdateData = true;
  TtsFinally clear([&] { FInUpdateData = false; });
  FGrid->UpdateData();
}

}  // namespace TSDBGrid
