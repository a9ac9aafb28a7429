// The filter criteria bound to a data controller (leaves point at data fields and read record
// values through the controller), the value list of a filter drop-down filled from the records,
// the list of additional filters, and the controller's navigation over its group tree.
#pragma once

#include <vector>

#include "cxCustomDataFields.h"
#include "cxFilter.h"

namespace cxCustomData {

class TcxDataFilterCriteria;
using TcxDataFilterValueListClass = TClass;
class TcxDataFilterValueList;
using TcxDataFilterGetValueListEvent =
    TClosure<void(TcxFilterCriteria* Sender, Integer AItemIndex, TcxDataFilterValueList* AValueList)>;

class TcxDataFilterCriteriaItem : public TcxFilterCriteriaItem {
  DECLARE_CLASS(TcxDataFilterCriteriaItem, TcxFilterCriteriaItem)
 public:
  void GetDataValue(void* AData, Variant& AValue) override;
  TVarType GetNativeDataValue(void* AData, const void*& P, bool& AIsNull) override;
  String GetFieldCaption() override;
  String GetFieldName() override;
  TObject* GetItemLink() override;
  void SetItemLink(TObject* Value) override;
  // The leaf's field; a view item stored by the generic tree code is replaced by its field first.
  TcxCustomDataField* GetField();
  TcxCustomDataController* GetDataController();

 private:
  // Where GetNativeDataValue reads, worked out again when the criteria or the item link change.
  struct TNativeSource {
    Int64 At = -1;
    TObject* Link = nullptr;
    TcxCustomDataController* Controller = nullptr;
    TcxCustomDataField* Field = nullptr;
    cxDataStorage::TcxValueDef* ValueDef = nullptr;
    const TObject* TypeClass = nullptr;  // the value type Type was worked out for
    TVarType Type = varEmpty;
  } FNativeSource;
};

class TcxDataFilterCriteria : public TcxFilterCriteria {
  DECLARE_CLASS(TcxDataFilterCriteria, TcxFilterCriteria)
 public:
  virtual bool IsFiltering();
  TcxFilterValueList* CreateValueList() { return TcxFilterCriteria::CreateValueList(); }
  void Assign(TPersistent* Source, bool AIgnoreItemNames) override;
  using TcxFilterCriteria::Assign;
  void AssignEvents(TPersistent* Source) override;
  TcxFilterCriteriaItem* FindItemByItemLink(TObject* AItemLink) override;
  Integer GetIDByItemLink(TObject* AItemLink) override;
  String GetNameByItemLink(TObject* AItemLink) override;
  TObject* GetItemLinkByID(Integer AID) override;
  TObject* GetItemLinkByName(const String& AName) override;
  TClass GetItemClass() override { return TcxDataFilterCriteriaItem::StaticClass(); }
  TClass GetValueListClass() override;

  bool DoFilterRecord(Integer ARecordIndex) {
    return DoFilterData(reinterpret_cast<void*>(static_cast<intptr_t>(ARecordIndex)));
  }
  void RemoveItemByField(TcxCustomDataField* AField) { RemoveItemByItemLink(AField); }
  bool GetActive() const { return FActive; }
  void SetActive(bool Value);
  TcxCustomDataController* GetDataController() const { return FDataController; }
  void SetDataController(TcxCustomDataController* Value);
  bool IsStore();
  TcxDataFilterGetValueListEvent GetOnGetValueList() const { return OnGetValueList; }
  void SetOnGetValueList(TcxDataFilterGetValueListEvent Value) { OnGetValueList = Value; }

  TcxDataFilterGetValueListEvent OnGetValueList;

 protected:
  void Destroy() override;
  void DefineProperties(Filer::TFiler* AFiler) override;
  void Update() override;

 private:
  void ReadCriteria(Streams::TStream* AStream) { ReadData(AStream); }
  void WriteCriteria(Streams::TStream* AStream) { WriteData(AStream); }
  TcxCustomDataController* FDataController = cxCreatingDataController();
  bool FActive = false;
  bool FDestroying = false;
};

class TcxDataFilterValueList : public TcxFilterValueList {
  DECLARE_CLASS(TcxDataFilterValueList, TcxFilterValueList)
 public:
  using TcxFilterValueList::TcxFilterValueList;
  virtual void Load(Integer AItemIndex, bool AInitSortByDisplayText = true, bool AUseFilteredValues = false);
  TcxCustomDataController* GetDataController() const;
};

// Owned by the controller; each filter leaves it when freed.
class TcxDataFilterList : public TObject {
  DECLARE_CLASS(TcxDataFilterList, TObject)
 public:
  void Add(TcxDataFilterCriteria* AFilter) { FItems.push_back(AFilter); }
  void Remove(TcxDataFilterCriteria* AFilter);
  void Clear();
  bool Contains(const TcxDataFilterCriteria* AFilter) const;
  Integer Count() const { return static_cast<Integer>(FItems.size()); }
  TcxDataFilterCriteria* GetItem(Integer AIndex) const { return FItems.at(static_cast<size_t>(AIndex)); }

 protected:
  void Destroy() override;

 private:
  std::vector<TcxDataFilterCriteria*> FItems;
};

class TcxDataControllerGroups : public TObject {
  DECLARE_CLASS(TcxDataControllerGroups, TObject)
 public:
  explicit TcxDataControllerGroups(TcxCustomDataController* AController = nullptr) : FDataController(AController) {}

  void ChangeGrouping(Integer AItemIndex, Integer AGroupIndex);
  void ClearGrouping();
  void ChangeExpanding(Integer ARowIndex, bool AExpanded, bool ARecursive);
  void FullExpand();
  void FullCollapse();
  Integer GetGroupingItemCount();
  Integer GetGroupingItemIndex(Integer AGroupIndex);
  Integer GetItemGroupIndex(Integer AItemIndex);
  Integer GetFieldGroupIndex(TcxCustomDataField* AField);
  Integer GetChildCount(Integer ADataGroupIndex);
  Integer GetChildDataGroupIndex(Integer ADataGroupIndex, Integer AChildIndex);
  Integer GetChildRecordIndex(Integer ADataGroupIndex, Integer AChildIndex);
  Integer GetDataGroupIndexByRowIndex(Integer ARowIndex);
  Integer GetLevel(Integer ADataGroupIndex);
  Integer GetParentDataGroupIndex(Integer ADataGroupIndex);
  Integer GetGroupRecordIndex(Integer ADataGroupIndex);
  Variant GetGroupValue(Integer ADataGroupIndex);
  String GetGroupDisplayText(Integer ADataGroupIndex);
  Integer GetDataGroupIndexByGroupValue(Integer AParentDataGroupIndex, const Variant& AValue);
  bool HasAsParent(Integer ARowIndex, Integer AParentRowIndex);
  void LoadRecordIndexes(std::vector<Integer>& AList, Integer ADataGroupIndex);
  void LoadRecordIndexesByRowIndex(std::vector<Integer>& AList, Integer ARowIndex);
  TcxCustomDataController* GetDataController() const { return FDataController; }

 private:
  TcxCustomDataController* FDataController;
};

}  // namespace cxCustomData

using namespace cxCustomData;
