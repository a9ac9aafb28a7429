// The provider through which a data controller edits its records (editing state, append, insert,
// edit, post, cancel, delete) and the application's data source that, in provider mode, holds the
// records itself while the controller keeps only one record handle per record.
#pragma once

#include <vector>

#include "Variants.h"
#include "cxCustomDataFields.h"

namespace cxDataStorage {
class TcxValueDefReader;
}

namespace cxCustomData {

class TcxCustomDataProvider;

class TcxCustomDataSource : public TObject {
  DECLARE_CLASS(TcxCustomDataSource, TObject)
 public:
  virtual TcxDataRecordHandle AppendRecord() { return cxNullRecordHandle(); }
  virtual void CustomSort() {}
  virtual void DeleteRecord(TcxDataRecordHandle ARecordHandle) {}
  virtual Integer GetDefaultItemID(Integer AItemIndex);
  virtual bool GetDetailHasChildren(Integer ARecordIndex, Integer ARelationIndex) { return false; }
  virtual String GetDisplayText(TcxDataRecordHandle ARecordHandle, TcxDataItemHandle AItemHandle);
  // Must set AValuePointer to the value prepared as its value type compares it; true when not Null.
  virtual bool GetInfoForCompare(TcxDataRecordHandle ARecordHandle, TcxDataItemHandle AItemHandle,
                                 const void*& AValuePointer);
  virtual TcxDataItemHandle GetItemHandle(Integer AItemIndex);
  virtual Integer GetRecordCount() { return 0; }
  virtual Variant GetRecordId(TcxDataRecordHandle ARecordHandle) { return Null(); }
  virtual TcxDataRecordHandle GetRecordHandle(Integer ARecordIndex);
  virtual Variant GetValue(TcxDataRecordHandle ARecordHandle, TcxDataItemHandle AItemHandle) { return Null(); }
  virtual TcxDataRecordHandle InsertRecord(TcxDataRecordHandle ARecordHandle) { return AppendRecord(); }
  virtual bool IsCustomSorting() { return false; }
  virtual bool IsNativeCompare() { return false; }
  virtual bool IsNativeCompareFunc() { return false; }
  virtual bool IsRecordIdSupported() { return false; }
  virtual void LoadRecordHandles();
  virtual Integer NativeCompareFunc(TcxDataRecordHandle ARecordHandle1, TcxDataRecordHandle ARecordHandle2,
                                    TcxDataItemHandle AItemHandle) {
    return 0;
  }
  virtual void SetRecordCount(Integer ACount) {}
  virtual void SetValue(TcxDataRecordHandle ARecordHandle, TcxDataItemHandle AItemHandle, const Variant& Value) {}
  virtual void DataChanged();

  TcxCustomDataProvider* GetProvider() const { return FProvider; }
  TcxCustomDataController* GetDataController() const;
  TcxDataRecordHandle GetRecordHandleByIndex(Integer ARecordIndex);
  Integer GetRecordIndexByHandle(TcxDataRecordHandle ARecordHandle);
  Integer AddRecordHandle(TcxDataRecordHandle ARecordHandle);
  void AddProvider(TcxCustomDataProvider* AProvider);
  void RemoveProvider(TcxCustomDataProvider* AProvider);
  void RemoveFromProviders();

 protected:
  friend class TcxCustomDataProvider;
  void Destroy() override;
  void SetCurrentProvider(TcxCustomDataProvider* AProvider) { FProvider = AProvider; }

 private:
  TcxCustomDataProvider* FProvider = nullptr;
  std::vector<TcxCustomDataProvider*>* FProviders = nullptr;
};

class TcxCustomDataProvider : public TObject {
  DECLARE_CLASS(TcxCustomDataProvider, TObject)
 public:
  explicit TcxCustomDataProvider(TcxCustomDataController* AController = cxCreatingDataController()) : FDataController(AController) {}

  virtual void CustomSort();
  virtual bool IsCustomDataSourceSupported() { return true; }
  virtual bool IsCustomSorting();
  virtual bool IsGridMode() { return false; }
  virtual bool IsDataSource() { return false; }
  virtual bool IsOtherInsert() { return false; }
  virtual bool IsRecordIdSupported();
  virtual bool IsSyncMode() { return false; }
  virtual bool IsActive() { return FCustomDataSource != nullptr; }
  virtual bool IsActiveDataSet() { return false; }
  virtual bool IsBOF() { return true; }
  virtual bool IsChanging() { return FChanging; }
  virtual bool IsEditing() { return EditingRecordIndex != cxNullEditingRecordIndex; }
  virtual bool IsEOF() { return true; }
  virtual bool IsGridModeUpdating() { return false; }
  virtual bool IsInserting() { return IsEditing() && FInserting; }
  virtual bool IsModified() { return FModified; }
  virtual bool IsUnboundColumnMode() { return !CanModify(); }
  virtual void CorrectRecordIndex(Integer ARecordIndex) {}
  virtual void First() { RecreatedFieldsAfterFirst = false; }
  virtual void Prev() {}
  virtual void Next() {}
  virtual void Last() {}
  virtual void MoveBy(Integer ADistance) {}
  virtual void Scroll(Integer ADistance) {}
  virtual void SavePos() {}
  virtual void RestorePos() {}
  virtual bool CanAppend() { return CanModify(); }
  virtual bool CanDelete();
  virtual bool CanInitEditing(Integer ARecordIndex);
  virtual bool CanInsert() { return CanModify(); }
  virtual bool CanModify() { return true; }
  virtual void Append() { InsertingRecord(true); }
  virtual void Cancel();
  virtual void DoUpdateData();
  virtual void Delete();
  virtual void DeleteRecords(const std::vector<Integer>& AList);
  virtual void DeleteSelection();
  virtual void Edit() { EditingRecord(); }
  virtual Variant GetEditValue(Integer ARecordIndex, TcxCustomDataField* AField,
                               TcxDataEditValueSource AEditValueSource);
  virtual void Insert() { InsertingRecord(false); }
  virtual void Post();
  virtual void PostEditingData();
  virtual bool SetEditValue(Integer ARecordIndex, TcxCustomDataField* AField, const Variant& Value,
                            TcxDataEditValueSource AEditValueSource);
  virtual void BeginDeleting();
  virtual void EndDeleting();
  virtual void AssignItemValue(Integer ARecordIndex, TcxCustomDataField* AField, const Variant& Value);
  virtual void DoInitInsertingRecord(Integer AInsertingRecordIndex, const std::vector<Variant>& AGroupValues);
  virtual void EditingRecord();
  virtual void InsertingRecord(bool AIsAppending);
  virtual void ResetChanging() { FChanging = false; }
  virtual void ResetEditing();
  virtual void ResetModified() { FModified = false; }
  virtual void SetChanging() { FChanging = true; }
  virtual void SetEditing() { EditingRecord(); }
  virtual void SetModified() { FModified = true; }
  virtual void BeginLocate() { ++LocateCount; }
  virtual void EndLocate() { --LocateCount; }
  virtual void Freeze() { ++LockCount; }
  virtual void Unfreeze() { --LockCount; }
  virtual Integer AppendRecord();
  virtual void DeleteRecord(Integer ARecordIndex);
  virtual bool GetDetailHasChildren(Integer ARecordIndex, Integer ARelationIndex);
  virtual String GetDisplayText(Integer ARecordIndex, TcxCustomDataField* AField);
  virtual String GetExternalDataDisplayText(Integer ARecordIndex, TcxCustomDataField* AField) { return String(); }
  virtual Variant GetExternalDataValue(Integer ARecordIndex, TcxCustomDataField* AField) { return Null(); }
  virtual Variant GetRecordId(Integer ARecordIndex);
  virtual Integer GetRecordIndex() { return -1; }
  virtual Variant GetValue(Integer ARecordIndex, TcxCustomDataField* AField);
  virtual TClass GetValueDefReaderClass();
  virtual Integer InsertRecord(Integer ARecordIndex);
  virtual void LoadDataBuffer() {}
  virtual Integer NativeCompare(Integer ARecordIndex1, Integer ARecordIndex2, TcxCustomDataField* AField);
  virtual Integer NativeCompareFunc(Integer ARecordIndex1, Integer ARecordIndex2, TcxCustomDataField* AField);
  virtual void SetDisplayText(Integer ARecordIndex, TcxCustomDataField* AField, const String& AText) {}
  virtual void SetRecordCount(Integer ACount);
  virtual void SetValue(Integer ARecordIndex, TcxCustomDataField* AField, const Variant& Value);
  virtual void ActiveChanged(bool AActive);
  virtual void DataChanged(TcxDataChange ADataChange, Integer AItemIndex, Integer ARecordIndex);
  virtual void DataScrolled(Integer ADistance);
  virtual void LayoutChanged(TcxDataLayoutChanges AChanges);

  Integer AddRecordHandle(TcxDataRecordHandle ARecordHandle);
  void LoadRecordHandles();
  void SetCustomDataSource(TcxCustomDataSource* Value);
  TcxCustomDataSource* GetCustomDataSource() const { return FCustomDataSource; }
  TcxCustomDataController* GetDataController() const { return FDataController; }
  void CreateSavedRecord(Integer ARecordIndex);
  void ClearSavedRecord();

  // The editing state, read by the update engine and the controller.
  Integer EditingRecordIndex = cxNullEditingRecordIndex;
  Integer EditingRecordIndex1 = cxNullEditingRecordIndex;  // the previous neighbour
  Integer EditingRecordIndex2 = cxNullEditingRecordIndex;  // the next neighbour
  Integer InsertedRecordIndex = -1;
  Integer SavedRecordIndex = 0;  // 0 none, else a negative internal record
  Integer LocateCount = 0;
  Integer LockCount = 0;
  bool ActiveChanging = false;
  bool DataChangedLocked = false;
  bool RecreatedFieldsAfterFirst = false;
  bool Grouped = false;

 protected:
  void Destroy() override;
  TcxCustomDataSource* Source();  // the data source made aware of this provider, or nil

 private:
  TcxCustomDataController* FDataController;
  TcxCustomDataSource* FCustomDataSource = nullptr;
  bool FChanging = false;
  bool FInUpdateData = false;
  bool FModified = false;
  bool FInInserting = false;
  bool FInserting = false;
};

}  // namespace cxCustomData

using namespace cxCustomData;
