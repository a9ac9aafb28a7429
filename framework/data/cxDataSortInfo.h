// The sorting and grouping field lists of a data controller's view: ordered entries of a field and
// its sort order, each change announced once to the list's owner. The grouping list holds the
// grouping fields in grouping order, each with the order of its groups (never none).
#pragma once

#include <vector>

#include "Closures.h"

namespace cxCustomData {
class TcxCustomDataField;
}

namespace cxDataSortInfo {

using cxCustomData::TcxCustomDataField;

enum TcxDataSortOrder { soNone, soAscending, soDescending };

struct TcxDataSortInfo {
  TcxCustomDataField* Field = nullptr;
  TcxDataSortOrder SortOrder = soNone;
};

class TcxSortingFieldList : public TObject {
  DECLARE_CLASS(TcxSortingFieldList, TObject)
 public:
  virtual void ChangeSorting(TcxCustomDataField* AField, TcxDataSortOrder ASortOrder);

  void Add(TcxCustomDataField* AField, TcxDataSortOrder ASortOrder);
  void Insert(Integer AIndex, TcxCustomDataField* AField, TcxDataSortOrder ASortOrder);
  void Delete(Integer AIndex);
  void Remove(TcxCustomDataField* AField);
  void Move(Integer ACurIndex, Integer ANewIndex);
  void SetSortOrder(Integer AIndex, TcxDataSortOrder ASortOrder);
  void Clear();  // one notice per entry removed
  void CheckField(TcxCustomDataField* AField);  // a notice when AField is present
  void AppendFrom(const TcxSortingFieldList* AList);

  Integer Count() const { return static_cast<Integer>(FItems.size()); }
  const TcxDataSortInfo& GetItem(Integer AIndex) const;  // raises EListError out of range
  Integer Find(TcxCustomDataField* AField) const;        // -1 when absent
  Integer SortIndexByField(TcxCustomDataField* AField) const { return Find(AField); }
  TcxDataSortOrder SortOrderByField(TcxCustomDataField* AField) const;

  TClosure<void()> OnChanged;

 protected:
  void Destroy() override;
  void Changed();
  void CheckIndex(Integer AIndex) const;

 private:
  std::vector<TcxDataSortInfo*> FItems;
};

class TcxGroupingFieldList : public TcxSortingFieldList {
  DECLARE_CLASS(TcxGroupingFieldList, TcxSortingFieldList)
 public:
  void ChangeSorting(TcxCustomDataField* AField, TcxDataSortOrder ASortOrder) override;
  // A negative AGroupIndex ungroups AField; otherwise it is placed at AGroupIndex (clamped).
  void ChangeGrouping(TcxCustomDataField* AField, Integer AGroupIndex);
  // Every group takes the order ASortingList gives its field, ascending when it gives none.
  void UpdateSorting(const TcxSortingFieldList* ASortingList);
  Integer GroupIndexByField(TcxCustomDataField* AField) const { return Find(AField); }
};

}  // namespace cxDataSortInfo

using namespace cxDataSortInfo;
