// The data controller's columns and master-detail bookkeeping: the data field that stores one view
// item's values through a value definition (or shares another field's), the field list (view
// fields first, internal fields after them), relations, and the per-record detail objects that
// hold the detail views of a master record. Also the controller's exception and shared enums.
#pragma once

#include <vector>

#include "Exceptions.h"
#include "System.h"
#include "cxDataUtils.h"

namespace Components {
class TComponent;
}
namespace ResStrings {
struct TResStringRec;
}
namespace cxDataStorage {
class TcxValueDef;
class TcxValueType;
}  // namespace cxDataStorage

namespace cxCustomData {

using cxDataStorage::TcxValueDef;
using TcxValueTypeClass = const cxDataStorage::TcxValueType*;

DECLARE_EXCEPTION(EcxInvalidDataControllerOperation, Exception)
[[noreturn]] void InvalidOperation(const ResStrings::TResStringRec* AMessage);

// A record handle of a data source is an opaque address-sized value; all bits set means none.
using TcxDataRecordHandle = void*;
using TcxDataItemHandle = void*;
inline TcxDataRecordHandle cxNullRecordHandle() { return reinterpret_cast<TcxDataRecordHandle>(intptr_t(-1)); }
// "No record" in the provider's editing state.
constexpr Integer cxNullEditingRecordIndex = -2147483647;

enum TcxDataChange { dcField, dcRecord, dcNew, dcDeleted, dcTotal };
enum TcxDataLayoutChange { lcStructure, lcData };
using TcxDataLayoutChanges = TSet<TcxDataLayoutChange, 8>;
enum TcxDataControllerComparisonMode { dccmSorting, dccmGrouping, dccmOther };

class TcxCustomDataController;
class TcxCustomDataFieldList;
class TcxCustomDataRelationList;

// The controller whose part is being made from a class reference: a part's constructor takes it
// when it is given none (a class record's factory passes no arguments).
TcxCustomDataController* cxCreatingDataController();
TObject* cxCreateDataControllerPartObject(TClass AClass, TcxCustomDataController* AController);
template <class T>
T* cxCreateDataControllerPart(TClass AClass, TcxCustomDataController* AController) {
  return As<T>(cxCreateDataControllerPartObject(AClass, AController));
}

// ---- Fields ----------------------------------------------------------------------------------------------
class TcxCustomDataField : public TObject {
  DECLARE_CLASS(TcxCustomDataField, TObject)
 public:
  explicit TcxCustomDataField(TcxCustomDataFieldList* AFieldList = nullptr) : FFieldList(AFieldList) {}

  virtual void Reassign(TcxCustomDataField* ASource);
  virtual void RemoveNotification(Components::TComponent* AComponent) {}
  virtual bool CanModify(TcxDataEditValueSource AEditValueSource);
  virtual bool IsUnbound() { return false; }
  virtual bool IsValueDefInternal() { return FIsInternal; }

  TcxCustomDataController* GetDataController() const;
  TcxCustomDataFieldList* GetFieldList() const { return FFieldList; }
  Integer GetIndex() const;
  void SetIndex(Integer Value);
  TObject* GetItem() const { return FItem; }
  void SetItem(TObject* Value) { FItem = Value; }
  bool GetIsInternal() const { return FIsInternal; }
  void SetIsInternal(bool Value);
  TcxCustomDataField* GetReferenceField() const { return FReferenceField; }
  void SetReferenceField(TcxCustomDataField* Value);
  // Read through the reference chain.
  TcxValueDef* GetValueDef() const;
  TcxValueTypeClass GetValueTypeClass() const;
  void SetValueTypeClass(TcxValueTypeClass Value);
  bool GetTextStored() const;
  void SetTextStored(bool Value);
  bool GetNeedConversion() const { return FNeedConversion; }
  void SetNeedConversion(bool Value) { FNeedConversion = Value; }
  Integer GetSortPreparation() const { return FSortPreparation; }
  void SetSortPreparation(Integer Value) { FSortPreparation = Value; }
  bool GetPrepared() const { return FPrepared; }
  void SetPrepared(bool Value) { FPrepared = Value; }

  void Changed();
  void BeginRecreateData();
  void EndRecreateData();
  void CreateData();
  void ClearData();

 protected:
  friend class TcxCustomDataFieldList;
  void Destroy() override;

 private:
  TcxCustomDataFieldList* FFieldList;
  bool FIsInternal = false;
  TObject* FItem = nullptr;
  Integer FRecreateDataLockCount = 0;
  bool FNeedConversion = false;
  Integer FSortPreparation = 0;  // -1 stored values, 1 converted values, 2 display texts
  bool FPrepared = false;
  TcxCustomDataField* FReferenceField = nullptr;
  bool FTextStored = false;
  TcxValueDef* FValueDef = nullptr;
  TcxValueTypeClass FValueTypeClass = nullptr;
};

// A value definition is internal when its data field says so; the controller stream leaves it out.
bool IsValueDefInternal(TcxValueDef* AValueDef);

class TcxCustomDataFieldList : public TObject {
  DECLARE_CLASS(TcxCustomDataFieldList, TObject)
 public:
  explicit TcxCustomDataFieldList(TcxCustomDataController* AController = nullptr) : FDataController(AController) {}
  virtual void RemoveNotification(Components::TComponent* AComponent);

  void Add(TcxCustomDataField* AField);
  void Clear();
  void RemoveField(TcxCustomDataField* AField);
  void ReassignFields(TcxCustomDataField* AField);
  TcxCustomDataField* FieldByItem(TObject* AItem) const;
  void Update();
  Integer Count() const { return static_cast<Integer>(FItems.size()); }
  TcxCustomDataField* GetItem(Integer AIndex) const { return FItems.at(static_cast<size_t>(AIndex)); }
  Integer IndexOf(const TcxCustomDataField* AField) const;
  void Move(Integer ACurIndex, Integer ANewIndex);
  Integer ItemCount() const { return Count() - FInternalCount; }
  TcxCustomDataController* GetDataController() const { return FDataController; }
  bool GetFieldDestroyed() const { return FFieldDestroyed; }
  void SetFieldDestroyed(bool Value) { FFieldDestroyed = Value; }

 protected:
  void Destroy() override;

 private:
  TcxCustomDataController* FDataController;
  bool FFieldDestroyed = false;
  Integer FInternalCount = 0;
  std::vector<TcxCustomDataField*> FItems;
};

// ---- Relations and detail objects --------------------------------------------------------------------------
class TcxCustomDataRelation : public TObject {
  DECLARE_CLASS(TcxCustomDataRelation, TObject)
 public:
  TcxCustomDataRelation(TcxCustomDataRelationList* ARelationList = nullptr, TObject* AItem = nullptr)
      : FCreateList(ARelationList), FItem(AItem) {}
  virtual void RemoveDataField(TcxCustomDataField* AField) {}
  virtual void Assign(TcxCustomDataRelation* ARelation) {}

  TcxCustomDataController* GetDataController() const;
  TcxCustomDataController* GetDetailDataController() const { return FDetailDataController; }
  void SetDetailDataController(TcxCustomDataController* Value) { FDetailDataController = Value; }
  TObject* GetItem() const { return FItem; }
  TcxCustomDataRelationList* GetRelationList() const { return FRelationList; }
  Integer GetIndex() const;
  void Changed();

 protected:
  friend class TcxCustomDataRelationList;
  void Construct() override;
  void Destroy() override;

 private:
  TcxCustomDataRelationList* FCreateList;
  TcxCustomDataController* FDetailDataController = nullptr;
  TObject* FItem;
  TcxCustomDataRelationList* FRelationList = nullptr;
};

class TcxDetailInfoObject : public TObject {
  DECLARE_CLASS(TcxDetailInfoObject, TObject)
 public:
  TObject* LinkObject = nullptr;  // owned
  bool HasChildren = false;
  bool HasChildrenAssigned = false;

 protected:
  void Destroy() override;
};

class TcxDetailObject : public TObject {
  DECLARE_CLASS(TcxDetailObject, TObject)
 public:
  Integer ActiveRelationIndex = -1;
  bool Expanded = false;

  void Clear();
  void ClearInfoObject(Integer AIndex);
  bool ClearHasChildrenFlag();
  void CorrectCount(TcxCustomDataRelationList* ARelations);
  TcxDetailInfoObject* GetInfoObject(Integer AIndex) const;
  Integer GetInfoObjectCount() const { return static_cast<Integer>(FInfoObjects.size()); }
  void SetInfoObject(Integer AIndex, TcxDetailInfoObject* AInfo);
  TObject* GetLinkObject(Integer AIndex) const;
  Integer GetLinkObjectCount() const { return GetInfoObjectCount(); }
  void SetLinkObject(Integer AIndex, TObject* AObject);
  bool IsEmpty() const;

 protected:
  void Destroy() override;

 private:
  void Grow(Integer ACount);
  std::vector<TcxDetailInfoObject*> FInfoObjects;
};

class TcxCustomDataRelationList : public TObject {
  DECLARE_CLASS(TcxCustomDataRelationList, TObject)
 public:
  explicit TcxCustomDataRelationList(TcxCustomDataController* AController = nullptr)
      : FDataController(AController) {}

  TcxCustomDataRelation* Add(TObject* AItem);
  void Assign(TcxCustomDataRelationList* AList);
  void BeginUpdate() { ++FLockCount; }
  void EndUpdate();
  void Clear();
  void Move(Integer ACurIndex, Integer ANewIndex);
  TcxCustomDataRelation* FindByItem(TObject* AItem) const;
  void RemoveByItem(TObject* AItem);
  void RemoveDataField(TcxCustomDataField* AField);
  void Changed(TcxCustomDataRelation* ARelation);
  void Update(TcxCustomDataRelation* ARelation);
  void AddItem(TcxCustomDataRelation* ARelation);
  void RemoveItem(TcxCustomDataRelation* ARelation);
  TcxDetailObject* GetDetailObject(Integer ARecordIndex);
  TcxDetailObject* GetValueAsDetailObject(Integer ARecordIndex);
  bool ClearDetailObject(Integer ARecordIndex, Integer ARelationIndex);
  bool IsDetailObjectExist(Integer ARecordIndex, Integer ARelationIndex);
  bool IsEmpty() const;
  Integer Count() const { return static_cast<Integer>(FItems.size()); }
  TcxCustomDataRelation* GetItem(Integer AIndex) const { return FItems.at(static_cast<size_t>(AIndex)); }
  Integer IndexOf(const TcxCustomDataRelation* ARelation) const;
  TcxCustomDataController* GetDataController() const { return FDataController; }
  TcxCustomDataField* GetDetailsField() const { return FDetailsField; }

 protected:
  void Destroy() override;

 private:
  TcxCustomDataController* FDataController;
  TcxCustomDataField* FDetailsField = nullptr;
  std::vector<TcxCustomDataRelation*> FItems;
  Integer FLockCount = 0;
};

}  // namespace cxCustomData

using namespace cxCustomData;
