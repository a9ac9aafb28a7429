// What a data controller tells its view: one change-information object per notice, and the
// notifier component that relays component-removal notices to the controller.
#pragma once

#include <vector>

#include "Components.h"
#include "cxCustomDataFields.h"

namespace cxCustomData {

class TcxUpdateControlInfo : public TObject {
  DECLARE_CLASS(TcxUpdateControlInfo, TObject)
};

class TcxDataChangedInfo : public TcxUpdateControlInfo {
  DECLARE_CLASS(TcxDataChangedInfo, TcxUpdateControlInfo)
 public:
  TcxDataChangedInfo(TcxDataChange AKind = dcTotal, Integer AItemIndex = -1, Integer ARecordIndex = -1)
      : Kind(AKind), ItemIndex(AItemIndex), RecordIndex(ARecordIndex) {}
  TcxDataChange Kind;
  Integer ItemIndex;
  Integer RecordIndex;
};

class TcxLayoutChangedInfo : public TcxUpdateControlInfo {
  DECLARE_CLASS(TcxLayoutChangedInfo, TcxUpdateControlInfo)
};

class TcxUpdateRecordInfo : public TcxUpdateControlInfo {
  DECLARE_CLASS(TcxUpdateRecordInfo, TcxUpdateControlInfo)
 public:
  explicit TcxUpdateRecordInfo(Integer ARecordIndex = -1) : RecordIndex(ARecordIndex) {}
  Integer RecordIndex;
};

class TcxFocusedRowChangedInfo : public TcxUpdateControlInfo {
  DECLARE_CLASS(TcxFocusedRowChangedInfo, TcxUpdateControlInfo)
 public:
  TcxFocusedRowChangedInfo(Integer APrevFocusedRowIndex = -1, Integer AFocusedRowIndex = -1)
      : PrevFocusedRowIndex(APrevFocusedRowIndex), FocusedRowIndex(AFocusedRowIndex) {}
  Integer PrevFocusedRowIndex;
  Integer FocusedRowIndex;
};

class TcxFocusedRecordChangedInfo : public TcxUpdateControlInfo {
  DECLARE_CLASS(TcxFocusedRecordChangedInfo, TcxUpdateControlInfo)
 public:
  TcxFocusedRecordChangedInfo(Integer APrevFocusedRecordIndex = -1, Integer AFocusedRecordIndex = -1,
                              Integer APrevFocusedRowIndex = -1, Integer AFocusedRowIndex = -1,
                              bool ANewItemRowFocusingChanged = false)
      : PrevFocusedRecordIndex(APrevFocusedRecordIndex),
        FocusedRecordIndex(AFocusedRecordIndex),
        PrevFocusedRowIndex(APrevFocusedRowIndex),
        FocusedRowIndex(AFocusedRowIndex),
        NewItemRowFocusingChanged(ANewItemRowFocusingChanged) {}
  Integer PrevFocusedRecordIndex;
  Integer FocusedRecordIndex;
  Integer PrevFocusedRowIndex;
  Integer FocusedRowIndex;
  bool NewItemRowFocusingChanged;
};

// Built empty (many rows may have changed) or from the previous and the new single selected row.
class TcxSelectionChangedInfo : public TcxUpdateControlInfo {
  DECLARE_CLASS(TcxSelectionChangedInfo, TcxUpdateControlInfo)
 public:
  TcxSelectionChangedInfo() = default;
  TcxSelectionChangedInfo(Integer ARowIndex1, Integer ARowIndex2);
  Integer Count() const { return static_cast<Integer>(RowIndexes.size()); }
  std::vector<Integer> RowIndexes;
};

class TcxSearchChangedInfo : public TcxUpdateControlInfo {
  DECLARE_CLASS(TcxSearchChangedInfo, TcxUpdateControlInfo)
};
class TcxBookmarkChangedInfo : public TcxUpdateControlInfo {
  DECLARE_CLASS(TcxBookmarkChangedInfo, TcxUpdateControlInfo)
};
class TcxGroupingChangingInfo : public TcxUpdateControlInfo {
  DECLARE_CLASS(TcxGroupingChangingInfo, TcxUpdateControlInfo)
};

class TcxDataControllerNotifier : public TComponent {
  DECLARE_CLASS(TcxDataControllerNotifier, TComponent)
 public:
  TcxDataControllerNotifier(TComponent* AOwner = nullptr, TcxCustomDataController* AController = nullptr)
      : TComponent(AOwner), FDataController(AController) {}
  TcxCustomDataController* GetDataController() const { return FDataController; }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TcxCustomDataController* FDataController;
};

}  // namespace cxCustomData

using namespace cxCustomData;
