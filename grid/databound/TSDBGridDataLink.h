// TtsGridDataLink: the one road by which everything a dataset does reaches the data-bound grid. The
// class library calls the link's notifications; the link hands each to the grid's handler. It also
// keeps the field map: for every data column of the grid, the index of its field in the dataset.
#pragma once

#include <vector>

#include "DB.h"

namespace TSDBGrid {

class TtsCustomDBGrid;

class TtsGridDataLink : public TDataLink {
  DECLARE_CLASS(TtsGridDataLink, TDataLink)
 public:
  // Appends the map entry of one data column: the field's index, or -1 without a field. A nil Field
  // is found by name; an unknown name raises unless the mapping is lenient. Always true.
  bool AddMapping(const String& FieldName, TField* Field);
  void ClearMapping();
  TField* GetFields(Integer Index);
  Integer GetMappedIndex(Integer Index) const;
  Integer GetMapCount() const { return FMapCount; }
  Integer GetMapCapacity() const { return FMapCapacity; }
  // Undoes what the grid holds for the current record: a pending cell change is redrawn from the
  // record, otherwise the dataset's edit is cancelled.
  void Reset();

  TtsCustomDBGrid* GetGrid() const { return FGrid; }
  bool GetInUpdateData() const { return FInUpdateData; }
  bool GetLenientMapping() const { return FLenientMapping; }
  void SetLenientMapping(bool Value) { FLenientMapping = Value; }

 protected:
  friend struct ::System::TObjectFactory;
  explicit TtsGridDataLink(TtsCustomDBGrid* Grid = nullptr) : FGrid(Grid) {}
  void Destroy() override;

  void ActiveChanged() override;
  void CheckBrowseMode() override;
  void DataSetChanged() override;
  void DataSetScrolled(Integer Distance) override;
  void EditingChanged() override;
  void LayoutChanged() override;
  void RecordChanged(TField* Field) override;
  void UpdateData() override;

 private:
  TtsCustomDBGrid* FGrid;
  Integer FMapCount = 0;
  Integer FMapCapacity = 0;
  std::vector<Integer> FFieldMap;
  bool FInUpdateData = false;
  bool FLenientMapping = false;
};

}  // namespace TSDBGrid
