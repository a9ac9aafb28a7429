#include "cxCustomDataChangeInfo.h"

#include "cxCustomData.h"

namespace cxCustomData {

IMPLEMENT_CLASS(TcxUpdateControlInfo)
IMPLEMENT_CLASS(TcxDataChangedInfo)
IMPLEMENT_CLASS(TcxLayoutChangedInfo)
IMPLEMENT_CLASS(TcxUpdateRecordInfo)
IMPLEMENT_CLASS(TcxFocusedRowChangedInfo)
IMPLEMENT_CLASS(TcxFocusedRecordChangedInfo)
IMPLEMENT_CLASS(TcxSelectionChangedInfo)
IMPLEMENT_CLASS(TcxSearchChangedInfo)
IMPLEMENT_CLASS(TcxBookmarkChangedInfo)
IMPLEMENT_CLASS(TcxGroupingChangingInfo)
IMPLEMENT_CLASS(TcxDataControllerNotifier)

TcxSelectionChangedInfo::TcxSelectionChangedInfo(Integer ARowIndex1, Integer ARowIndex2) {
  if (ARowIndex1 != -1) RowIndexes.push_back(ARowIndex1);
  if (ARowIndex2 != -1 && ARowIndex2 != ARowIndex1) RowIndexes.push_back(ARowIndex2);
}

void TcxDataControllerNotifier::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove || !FDataController) return;
  if (AComponent == this && ComponentState().Contains(csDestroying)) return;
  FDataController->RemoveNotification(AComponent);
}

}  // namespace cxCustomData
