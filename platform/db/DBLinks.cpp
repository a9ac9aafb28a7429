// Data sources and data links: how a dataset's events reach the controls bound to it.
#include <algorithm>

#include "DB.h"
#include "DBConsts.h"
#include "TypInfo.h"

namespace DB {

using namespace DBConsts;

// ---- TDataLink -------------------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TDataLink)

void TDataLink::Destroy() {
  FActive = false;
  FEditing = false;
  if (FDataSource) FDataSource->RemoveDataLink(this);
  inherited::Destroy();
}

TDataSet* TDataLink::DataSet() const { return FDataSource ? FDataSource->GetDataSet() : nullptr; }

void TDataLink::SetDataSource(TDataSource* Value) {
  if (Value == FDataSource) return;
  if (FDataSource) FDataSource->RemoveDataLink(this);
  if (Value) Value->AddDataLink(this);
}

void TDataLink::SetReadOnly(bool Value) {
  if (Value == FReadOnly) return;
  FReadOnly = Value;
  UpdateState();
}

bool TDataLink::Edit() {
  if (FDataSource && !FReadOnly) FDataSource->Edit();
  return FEditing;
}

void TDataLink::UpdateRecord() {
  FUpdating = true;
  try {
    UpdateData();
  } catch (...) {
    FUpdating = false;
    throw;
  }
  FUpdating = false;
}

Integer TDataLink::GetActiveRecord() const {
  TDataSet* ds = DataSet();
  return ds && FActive ? ds->GetActiveRecord() - FFirstRecord : 0;
}

void TDataLink::SetActiveRecord(Integer Value) {
  TDataSet* ds = DataSet();
  if (ds && FActive) ds->SetActiveRecord(Value + FFirstRecord);
}

void TDataLink::SetBufferCount(Integer Value) {
  if (Value < 1) Value = 1;
  if (Value == FBufferCount) return;
  FBufferCount = Value;
  TDataSet* ds = DataSet();
  if (!ds) return;
  ds->UpdateBufferCount();
  if (FActive) UpdateRange();
}

Integer TDataLink::RecordCount() const {
  TDataSet* ds = DataSet();
  if (!ds || !FActive) return 0;
  return std::clamp(ds->WindowRecordCount() - FFirstRecord, 0, FBufferCount);
}

bool TDataLink::Eof() const {
  TDataSet* ds = DataSet();
  return FActive && ds->Eof() && ds->GetActiveRecord() == ds->CurrentRecord();
}

bool TDataLink::Bof() const {
  TDataSet* ds = DataSet();
  return FActive && ds->Bof();
}

Integer TDataLink::UpdateRange() {
  TDataSet* ds = DataSet();
  if (!ds || !FActive) {
    FFirstRecord = 0;
    FTopRecord = -1;
    return 0;
  }
  // Keep the window on the same records where it can, then bring the current record into it
  // and fill it from the dataset's window.
  Integer current = ds->CurrentRecord();
  if (FTopRecord >= 0) FFirstRecord = static_cast<Integer>(FTopRecord - ds->FWindowFirst);
  if (FFirstRecord > current) FFirstRecord = current;
  if (FFirstRecord < current - FBufferCount + 1) FFirstRecord = current - FBufferCount + 1;
  FFirstRecord = std::clamp(FFirstRecord, 0, std::max(0, ds->WindowRecordCount() - FBufferCount));
  NativeInt top = ds->FWindowFirst + FFirstRecord;
  Integer distance = FTopRecord >= 0 ? static_cast<Integer>(top - FTopRecord) : 0;
  FTopRecord = top;
  return distance;
}

void TDataLink::SetActive(bool Value) {
  if (Value == FActive) return;
  FActive = Value;
  FFirstRecord = 0;
  FTopRecord = -1;
  if (Value) UpdateRange();
  ActiveChanged();
}

void TDataLink::SetEditing(bool Value) {
  if (Value == FEditing) return;
  FEditing = Value;
  EditingChanged();
}

void TDataLink::UpdateState() {
  TDataSet* ds = DataSet();
  bool active = FDataSource && FDataSource->GetEnabled() && ds && ds->GetActive();
  if (active && FActive) UpdateRange();
  SetActive(active);
  TDataSetState state = FActive ? ds->State() : dsInactive;
  SetEditing(FActive && !FReadOnly && (state == dsEdit || state == dsInsert));
}

void TDataLink::DataEvent(TDataEvent Event, NativeInt Info) {
  if (Event == deUpdateState) {
    UpdateState();
    return;
  }
  if (!FActive) return;
  switch (Event) {
    case deFieldChange:
    case deRecordChange:
      if (!FUpdating) RecordChanged(reinterpret_cast<TField*>(Info));
      break;
    case deDataSetChange:
      UpdateRange();
      DataSetChanged();
      break;
    case deDataSetScroll:
      DataSetScrolled(UpdateRange());
      break;
    case deLayoutChange:
      UpdateRange();
      LayoutChanged();
      break;
    case deUpdateRecord:
      UpdateRecord();
      break;
    case deCheckBrowseMode:
      CheckBrowseMode();
      break;
    case deFocusControl:
      FocusControl(reinterpret_cast<TField**>(Info));
      break;
    default:
      break;
  }
}

// ---- TDataSource ------------------------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TDataSource) {
  d.Property("AutoEdit", &TDataSource::GetAutoEdit, &TDataSource::SetAutoEdit).Default(1);
  d.Property("DataSet", &TDataSource::GetDataSet, &TDataSource::SetDataSet);
  d.Property("Enabled", &TDataSource::GetEnabled, &TDataSource::SetEnabled).Default(1);
}

void TDataSource::Construct() { inherited::Construct(); }

void TDataSource::Destroy() {
  // Every link is told that it lost its source before the source goes.
  while (!FDataLinks.empty()) RemoveDataLink(FDataLinks.back());
  SetDataSet(nullptr);
  inherited::Destroy();
}

void TDataSource::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FDataSet) SetDataSet(nullptr);
}

void TDataSource::SetDataSet(TDataSet* Value) {
  if (Value == FDataSet) return;
  if (FDataSet) {
    FDataSet->RemoveFreeNotification(this);
    FDataSet->RemoveDataSource(this);
  }
  FDataSet = Value;
  if (FDataSet) {
    FDataSet->FreeNotification(this);
    FDataSet->AddDataSource(this);
  }
  UpdateState();
  for (TDataLink* link : std::vector<TDataLink*>(FDataLinks)) link->UpdateState();
}

void TDataSource::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  UpdateState();
  for (TDataLink* link : std::vector<TDataLink*>(FDataLinks)) link->UpdateState();
}

void TDataSource::Edit() {
  if (FAutoEdit && FState == dsBrowse && FDataSet) FDataSet->Edit();
}

bool TDataSource::IsLinkedTo(TDataSet* DataSet) const { return FDataSet == DataSet && DataSet; }

void TDataSource::AddDataLink(TDataLink* DataLink) {
  FDataLinks.push_back(DataLink);
  DataLink->FDataSource = this;
  if (FDataSet) FDataSet->UpdateBufferCount();
  DataLink->UpdateState();
}

void TDataSource::RemoveDataLink(TDataLink* DataLink) {
  auto it = std::find(FDataLinks.begin(), FDataLinks.end(), DataLink);
  if (it == FDataLinks.end()) return;
  FDataLinks.erase(it);
  DataLink->FDataSource = nullptr;
  if (FDataSet) FDataSet->UpdateBufferCount();
  DataLink->UpdateState();
}

void TDataSource::SetState(TDataSetState Value) {
  if (Value == FState) return;
  FState = Value;
  if (OnStateChange && !ComponentState().Contains(csDestroying)) OnStateChange(this);
}

void TDataSource::UpdateState() { SetState(FEnabled && FDataSet ? FDataSet->State() : dsInactive); }

void TDataSource::DataEvent(TDataEvent Event, NativeInt Info) {
  if (Event == deUpdateState) {
    UpdateState();
  } else if (FState == dsInactive) {
    return;
  }
  NotifyDataLinks(Event, Info);
  switch (Event) {
    case deFieldChange:
    case deRecordChange:
    case deDataSetChange:
    case deDataSetScroll:
    case deLayoutChange:
      if (OnDataChange) OnDataChange(this, Event == deFieldChange ? reinterpret_cast<TField*>(Info) : nullptr);
      break;
    case deUpdateRecord:
      if (OnUpdateData) OnUpdateData(this);
      break;
    default:
      break;
  }
}

void TDataSource::NotifyDataLinks(TDataEvent Event, NativeInt Info) {
  // A link may leave (or a handler free another link) while it is told: walk a copy.
  std::vector<TDataLink*> links = FDataLinks;
  for (TDataLink* link : links)
    if (std::find(FDataLinks.begin(), FDataLinks.end(), link) != FDataLinks.end()) link->DataEvent(Event, Info);
}

}  // namespace DB
