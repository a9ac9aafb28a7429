// Finding records: the type-ahead search in one column of the filtered view, the locate objects
// that find a record by key values or by group values, and the two value readers that feed a
// record into the storage (from given values, or from another record of the controller).
#pragma once

#include <vector>

#include "Variants.h"
#include "cxCustomDataFields.h"
#include "cxDataStorage.h"

namespace cxCustomData {

class TcxDataControllerSearch : public TObject {
  DECLARE_CLASS(TcxDataControllerSearch, TObject)
 public:
  explicit TcxDataControllerSearch(TcxCustomDataController* AController = cxCreatingDataController()) : FDataController(AController) {}
  virtual void DoFocusedRecord(Integer AFilteredIndex);
  virtual Integer DoSearch(Integer AStartFilteredIndex, Integer AEndFilteredIndex, const String& AText, bool AForward);
  virtual bool Locate(Integer AItemIndex, const String& AText);
  virtual bool LocateNext(bool AForward);
  virtual void Lock() { FLocked = true; }
  virtual void Unlock() { FLocked = false; }
  void Cancel();

  Integer GetItemIndex();
  void SetItemIndex(Integer Value);
  bool GetSearching();
  String GetSearchText();
  bool IsLocked() const { return FLocked; }
  TcxCustomDataController* GetDataController() const { return FDataController; }

 private:
  TcxCustomDataController* FDataController;
  bool FLocked = false;
};

// ---- Value readers --------------------------------------------------------------------------------------
class TcxValueDefUnboundReader : public TcxValueDefReader {
  DECLARE_CLASS(TcxValueDefUnboundReader, TcxValueDefReader)
 public:
  Variant GetValue(TcxValueDef* AValueDef) override;
  bool IsInternal(TcxValueDef* AValueDef) override { return IsValueDefInternal(AValueDef); }
  void SetValue(TcxValueDef* AValueDef, const Variant& AValue);
  void Truncate(Integer ACount);
  void Clear() { Truncate(0); }
  Integer Count() const { return static_cast<Integer>(FValueDefs.size()); }

 protected:
  void Destroy() override;

 private:
  std::vector<TcxValueDef*> FValueDefs;
  std::vector<Variant*> FValues;  // a slot may be empty
};

class TcxValueDefRecordReader : public TcxValueDefReader {
  DECLARE_CLASS(TcxValueDefRecordReader, TcxValueDefReader)
 public:
  TcxValueDefRecordReader(TcxCustomDataController* AController = nullptr, Integer ARecordIndex = -1)
      : FDataController(AController), FRecordIndex(ARecordIndex) {}
  String GetDisplayText(TcxValueDef* AValueDef) override;
  Variant GetValue(TcxValueDef* AValueDef) override;
  bool IsInternal(TcxValueDef* AValueDef) override { return IsValueDefInternal(AValueDef); }

 private:
  TcxCustomDataController* FDataController;
  Integer FRecordIndex;
};

// ---- Locate objects -------------------------------------------------------------------------------------
class TcxDataControllerLocateObject : public TObject {
  DECLARE_CLASS(TcxDataControllerLocateObject, TObject)
 public:
  explicit TcxDataControllerLocateObject(TcxCustomDataController* AController = nullptr)
      : FDataController(AController) {}
  virtual void Clear();
  virtual Integer FindRecordIndex() { return -1; }
  void ReadData(TcxValueDefReader* AValueDefReader);
  TcxCustomDataController* GetDataController() const { return FDataController; }
  Integer GetInternalRecordIndex() const { return FInternalRecordIndex; }

 protected:
  void Destroy() override;

 private:
  TcxCustomDataController* FDataController;
  Integer FInternalRecordIndex = 0;
};

class TcxDataControllerKeyLocateObject : public TcxDataControllerLocateObject {
  DECLARE_CLASS(TcxDataControllerKeyLocateObject, TcxDataControllerLocateObject)
 public:
  using TcxDataControllerLocateObject::TcxDataControllerLocateObject;
  Integer FindRecordIndex() override;
  void AddField(TcxCustomDataField* AField) { FFields.push_back(AField); }
  void ClearFields() { FFields.clear(); }

 private:
  std::vector<TcxCustomDataField*> FFields;
};

class TcxDataControllerGroupLocateObject : public TcxDataControllerLocateObject {
  DECLARE_CLASS(TcxDataControllerGroupLocateObject, TcxDataControllerLocateObject)
 public:
  using TcxDataControllerLocateObject::TcxDataControllerLocateObject;
  Integer FindRecordIndex() override;
  Integer GetLevel() const { return FLevel; }
  void SetLevel(Integer Value);

 protected:
  void Construct() override;

 private:
  void CorrectFindFields();
  std::vector<TcxCustomDataField*> FGroupingFields;
  std::vector<TcxCustomDataField*> FFindFields;
  Integer FLevel = 0;
  bool FFindGroupRecordEnabled = true;
};

}  // namespace cxCustomData

using namespace cxCustomData;
