// Remembering state across reloads by record key: which master records had their details
// expanded (with the active relation and, recursively, the detail controller's own state) and
// which records were selected. Record indexes change in provider mode; keys do not.
#pragma once

#include <vector>

#include "Variants.h"
#include "cxCustomDataFields.h"

namespace cxCustomData {

class TcxSaveObject;

class TcxKeyInfo : public TObject {
  DECLARE_CLASS(TcxKeyInfo, TObject)
 public:
  Variant Key;
};

class TcxSelectedKeyInfo : public TcxKeyInfo {
  DECLARE_CLASS(TcxSelectedKeyInfo, TcxKeyInfo)
 public:
  Integer SelectedIndex = -1;
};

class TcxDetailKeyInfo : public TcxKeyInfo {
  DECLARE_CLASS(TcxDetailKeyInfo, TcxKeyInfo)
 public:
  Integer ActiveRelationIndex = -1;
  TcxSaveObject* SubDetail = nullptr;  // owned
};

class TcxKeys : public TObject {
  DECLARE_CLASS(TcxKeys, TObject)
 public:
  virtual void ApplyKeys() {}
  virtual void CollectKeys() {}
  virtual void FreeKeyInfo(TcxKeyInfo* AItem) { AItem->Free(); }
  void ClearKeys();

  void BindController(TcxCustomDataController* AController);
  void StoreState(TcxCustomDataController* AController);
  void ReapplyState(TcxCustomDataController* AController);
  bool FindRecordKey(Integer ARecordIndex, Integer& AKeyIndex);
  void RemoveKeyAt(Integer AIndex);
  Integer Count() const { return static_cast<Integer>(FItems.size()); }
  TcxKeyInfo* GetItem(Integer AIndex) const { return FItems.at(static_cast<size_t>(AIndex)); }
  TcxCustomDataController* GetDataController() const { return FDataController; }

 protected:
  void Destroy() override;
  void AddItem(TcxKeyInfo* AItem) { FItems.push_back(AItem); }
  const std::vector<TcxCustomDataField*>& FKeyFieldsOf() const { return FKeyFields; }

 private:
  TcxCustomDataController* FDataController = nullptr;
  std::vector<TcxCustomDataField*> FKeyFields;
  std::vector<TcxKeyInfo*> FItems;
};

class TcxDetailKeys : public TcxKeys {
  DECLARE_CLASS(TcxDetailKeys, TcxKeys)
 public:
  void ApplyKeys() override;
  void CollectKeys() override;
  void FreeKeyInfo(TcxKeyInfo* AItem) override;
};

class TcxSelectedKeys : public TcxKeys {
  DECLARE_CLASS(TcxSelectedKeys, TcxKeys)
 public:
  void ApplyKeys() override;
  void CollectKeys() override;
};

class TcxSaveObject : public TObject {
  DECLARE_CLASS(TcxSaveObject, TObject)
 public:
  void SaveState(TcxCustomDataController* AController);
  void RestoreState(TcxCustomDataController* AController);

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  TcxDetailKeys* FDetailKeys = nullptr;
  TcxSelectedKeys* FSelectedKeys = nullptr;
};

}  // namespace cxCustomData

using namespace cxCustomData;
