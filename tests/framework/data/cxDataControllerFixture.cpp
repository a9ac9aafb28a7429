#include "cxDataControllerFixture.h"

namespace cxDataTest {

IMPLEMENT_CLASS(TTestColumn)
IMPLEMENT_CLASS(TTestController)
IMPLEMENT_CLASS(TTestSummary)
IMPLEMENT_CLASS(TTestFilterCriteria)

std::string Describe(TcxUpdateControlInfo* AInfo) {
  static const char* const AKinds[] = {"field", "record", "new", "deleted", "total"};
  if (auto* D = dynamic_cast<TcxDataChangedInfo*>(AInfo))
    return std::string("data ") + AKinds[D->Kind] + " " + std::to_string(D->ItemIndex) + " " +
           std::to_string(D->RecordIndex);
  if (dynamic_cast<TcxLayoutChangedInfo*>(AInfo)) return "layout";
  if (auto* F = dynamic_cast<TcxFocusedRowChangedInfo*>(AInfo))
    return "row " + std::to_string(F->PrevFocusedRowIndex) + ">" + std::to_string(F->FocusedRowIndex);
  if (auto* F = dynamic_cast<TcxFocusedRecordChangedInfo*>(AInfo))
    return "record " + std::to_string(F->PrevFocusedRecordIndex) + ">" + std::to_string(F->FocusedRecordIndex);
  if (auto* S = dynamic_cast<TcxSelectionChangedInfo*>(AInfo)) return "selection " + std::to_string(S->Count());
  if (dynamic_cast<TcxSearchChangedInfo*>(AInfo)) return "search";
  if (dynamic_cast<TcxBookmarkChangedInfo*>(AInfo)) return "bookmark";
  if (dynamic_cast<TcxGroupingChangingInfo*>(AInfo)) return "grouping";
  if (auto* U = dynamic_cast<TcxUpdateRecordInfo*>(AInfo)) return "update " + std::to_string(U->RecordIndex);
  return AInfo->ClassName();
}

void TTestController::UpdateControl(TcxUpdateControlInfo* AInfo) {
  if (LogEnabled) Log.push_back(Describe(AInfo));
  inherited::UpdateControl(AInfo);
}

Integer TTestController::AddColumn(const String& AName, TcxValueTypeClass AType) {
  auto* A = New<TTestColumn>();
  A->SetName(AName);
  A->ID = static_cast<Integer>(Columns.size()) + 100;
  Columns.push_back(A);
  TcxCustomDataField* F = AddItem(A);
  F->SetValueTypeClass(AType);
  return F->GetIndex();
}

void TTestController::SetRows(const std::vector<std::vector<Variant>>& ARows) {
  BeginUpdate();
  SetRecordCount(static_cast<Integer>(ARows.size()));
  for (size_t R = 0; R < ARows.size(); ++R)
    for (size_t I = 0; I < ARows[R].size(); ++I)
      SetValue(static_cast<Integer>(R), static_cast<Integer>(I), ARows[R][I]);
  EndUpdate();
}

std::vector<Integer> TTestController::ViewRecords() {
  std::vector<Integer> A;
  for (Integer R = 0; R < GetRowCount(); ++R) A.push_back(GetRowInfo(R).RecordIndex);
  return A;
}

void TTestController::Destroy() {
  inherited::Destroy();
  for (TTestColumn* A : Columns) A->Free();
}

}  // namespace cxDataTest
