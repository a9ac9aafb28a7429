// TDataSet: opening and closing, the record window, navigation, bookmarks, the data events and the
// controls bracket.
#include <algorithm>

#include "DB.h"
#include "DBConsts.h"
#include "DBKeys.h"
#include "Format.h"
#include "Strings.h"
#include "TypInfo.h"

namespace DB {

using namespace DBConsts;

IMPLEMENT_ABSTRACT_CLASS_PUBLISHED(TDataSet) {
  d.Property("Active", &TDataSet::GetActive, &TDataSet::SetActive).Default(0);
  d.Property("AutoCalcFields", &TDataSet::GetAutoCalcFields, &TDataSet::SetAutoCalcFields).Default(1);
}

void TDataSet::Construct() {
  inherited::Construct();
  FFields.reset(New<TFields>(this));
  FFieldDefs = New<TFieldDefs>(this);
}

void TDataSet::Destroy() {
  Destroying();
  try {
    SetActive(false);
  } catch (...) {
    // A descendant that fails to close still lets go of its fields and sources below.
  }
  while (!FDataSources.empty()) FDataSources.back()->SetDataSet(nullptr);
  if (FFields) {
    // Persistent fields belong to their owners and only lose their dataset; default ones are ours.
    TFields* fields = FFields.release();
    fields->Free();
  }
  FreeAndNil(FFieldDefs);
  inherited::Destroy();
}

void TDataSet::Loaded() {
  inherited::Loaded();
  if (FStreamedActive) {
    FStreamedActive = false;
    SetActive(true);
  }
}

void TDataSet::CheckActive() const {
  if (FState == dsInactive) DatabaseError(SDataSetClosed, const_cast<TDataSet*>(this));
}

void TDataSet::CheckInactive() const {
  if (FState != dsInactive) DatabaseError(SDataSetOpen, const_cast<TDataSet*>(this));
}

// ---- Opening and closing -----------------------------------------------------------------------------------
void TDataSet::SetActive(bool Value) {
  if (ComponentState().Contains(csLoading)) {
    FStreamedActive = Value;
    return;
  }
  if (Value == GetActive()) return;
  if (Value) {
    DoEvent(BeforeOpen);
    FState = dsOpening;
    try {
      OpenCursor();
    } catch (...) {
      FState = dsInactive;
      CloseCursor();
      throw;
    }
    FState = dsInactive;
    SetState(dsBrowse);
    DoEvent(AfterOpen);
  } else {
    if (!ComponentState().Contains(csDestroying)) DoEvent(BeforeClose);
    DataEvent(deCheckBrowseMode, 0);
    FEditValues.clear();
    SetState(dsInactive);
    CloseCursor();
    if (!ComponentState().Contains(csDestroying)) DoEvent(AfterClose);
  }
}

void TDataSet::OpenCursor() {
  // Fields left when closed are persistent ones: the default ones were freed then.
  FDefaultFields = FFields->Count() == 0;
  ClearRecords();
  InternalOpen();
  if (FDefaultFields) CreateFields();
  BindFields(true);
  RecalcAll();
  UpdateBufferCount();
  FWindowFirst = 0;
  SetCursor(FRecords.empty() ? -1 : 0);
  FBOF = true;
  FEOF = FRecords.empty();
}

void TDataSet::CloseCursor() {
  InternalClose();
  BindFields(false);
  if (FDefaultFields) FFields->Clear();
  ClearRecords();
  FWindowFirst = 0;
  FRecordCount = 0;
  FActiveRecord = FCurrentRecord = 0;
  FBOF = FEOF = true;
}

void TDataSet::CreateFields() {
  for (Integer i = 0; i < FFieldDefs->Count(); ++i) FFieldDefs->GetItem(i)->CreateField(this);
}

void TDataSet::BindFields(bool Binding) {
  FCalcFieldCount = 0;
  Integer slot = FFieldDefs->Count();
  for (TField* field : FFields->FList) {
    if (!Binding) {
      field->FValueIndex = -1;
      if (!FDefaultFields && field->GetFieldKind() == fkData) field->FFieldNo = 0;
      continue;
    }
    if (field->GetFieldKind() == fkData) {
      Integer def = FFieldDefs->IndexOf(field->GetFieldName());
      if (def < 0) DatabaseErrorFmt(SFieldNotFound, field->GetFieldName(), this);
      field->FFieldNo = def + 1;
      field->FValueIndex = def;
    } else {
      if (field->Lookup() && (!field->GetLookupDataSet() || field->GetKeyFields().empty() ||
                              field->GetLookupKeyFields().empty() || field->GetLookupResultField().empty()))
        DatabaseErrorFmt(SLookupInfoError, field->GetDisplayLabel(), this);
      field->FFieldNo = -1;
      field->FValueIndex = slot++;
      ++FCalcFieldCount;
    }
  }
}

void TDataSet::ClearRecords() {
  FRecords.clear();
  FFetched.reset();
  FEditValues.clear();
  FCursor = -1;
}

void TDataSet::AppendFetchedRecord(std::vector<Variant>&& Values) {
  auto record = std::make_unique<TRecordData>();
  record->Values = std::move(Values);
  FRecords.push_back(std::move(record));
}

void TDataSet::AppendFetchedRecord(std::vector<Variant>&& Values, TBookmarkStr Bookmark) {
  AppendFetchedRecord(std::move(Values));
  FRecords.back()->Key = std::move(Bookmark);
}

void TDataSet::AppendFetchedRows(std::unique_ptr<TFetchedRows> Rows, size_t Count) {
  FFetched = std::move(Rows);
  FRecords.reserve(FRecords.size() + Count);
  for (size_t row = 0; row < Count; ++row) {
    auto record = std::make_unique<TRecordData>();
    record->Row = static_cast<Integer>(row);
    FRecords.push_back(std::move(record));
  }
}

std::vector<Variant>& TDataSet::ValuesOf(TRecordData& Record) const {
  if (Record.Row >= 0) {
    Record.Values.assign(static_cast<size_t>(FFieldDefs->Count() + FCalcFieldCount), Null());
    FFetched->ReadRow(static_cast<size_t>(Record.Row), Record.Values);
    Record.Row = -1;
  }
  return Record.Values;
}

// Fetched records get keys of one width in fetch order; the calculated slots follow the data values.
// Records whose values were not read yet get their slots when they are; with calculated fields
// every record is read now, to be calculated.
void TDataSet::RecalcAll() {
  size_t width = Keys::FetchKeyWidth(FRecords.size());
  size_t slots = static_cast<size_t>(FFieldDefs->Count() + FCalcFieldCount);
  for (size_t i = 0; i < FRecords.size(); ++i) {
    TRecordData& r = *FRecords[i];
    if (r.Key.empty()) r.Key = Keys::FetchKey(i, width);
    if (r.Row >= 0 && !FCalcFieldCount) continue;
    ValuesOf(r).resize(slots, Null());
    if (FCalcFieldCount) CalculateFields(r);
  }
}

// ---- The record window ----------------------------------------------------------------------------------
void TDataSet::UpdateBufferCount() {
  Integer count = 1;
  for (TDataSource* source : FDataSources)
    for (TDataLink* link : source->FDataLinks) count = std::max(count, link->FBufferCount);
  if (count == FBufferCount) return;
  FBufferCount = count;
  if (!GetActive()) return;
  FitWindow();
  for (TDataSource* source : FDataSources)
    for (TDataLink* link : source->FDataLinks)
      if (link->FActive) link->UpdateRange();
}

void TDataSet::FitWindow() {
  NativeInt n = static_cast<NativeInt>(FRecords.size());
  if (n == 0) {
    FCursor = -1;
    FWindowFirst = 0;
    FRecordCount = 0;
    FCurrentRecord = FActiveRecord = 0;
    return;
  }
  FCursor = std::clamp<NativeInt>(FCursor, 0, n - 1);
  if (FCursor < FWindowFirst) FWindowFirst = FCursor;
  if (FCursor >= FWindowFirst + FBufferCount) FWindowFirst = FCursor - FBufferCount + 1;
  // A full window whenever there are records enough to fill it.
  FWindowFirst = std::clamp<NativeInt>(FWindowFirst, 0, std::max<NativeInt>(0, n - FBufferCount));
  FRecordCount = static_cast<Integer>(std::min<NativeInt>(FBufferCount, n - FWindowFirst));
  FCurrentRecord = FActiveRecord = static_cast<Integer>(FCursor - FWindowFirst);
}

Integer TDataSet::SetCursor(NativeInt Pos) {
  NativeInt oldFirst = FWindowFirst;
  FCursor = Pos;
  FitWindow();
  return static_cast<Integer>(FWindowFirst - oldFirst);
}

TRecordData* TDataSet::RecordAtWindow(Integer Index) const {
  if (FState == dsInactive || Index < 0 || Index >= FRecordCount) return nullptr;
  return FRecords[static_cast<size_t>(FWindowFirst + Index)].get();
}

const std::vector<Variant>* TDataSet::ActiveValues() const {
  if (FState == dsCalcFields) return FCalcRecord ? &FCalcRecord->Values : nullptr;
  TRecordData* r = RecordAtWindow(FActiveRecord);
  if (!r) return nullptr;
  if ((FState == dsEdit || FState == dsInsert) && FActiveRecord == FCurrentRecord) return &FEditValues;
  return &ValuesOf(*r);
}

std::vector<Variant>* TDataSet::EditValues() {
  if (FState != dsEdit && FState != dsInsert) DatabaseError(SNotEditing, this);
  return &FEditValues;
}

NativeInt TDataSet::StorePos(const TBookmarkStr& Key) const {
  if (Key.empty()) return -1;
  auto it = std::lower_bound(FRecords.begin(), FRecords.end(), Key,
                             [](const std::unique_ptr<TRecordData>& r, const String& k) { return r->Key < k; });
  if (it == FRecords.end() || (*it)->Key != Key || (*it)->Pending) return -1;
  return it - FRecords.begin();
}

NativeInt TDataSet::PendingPos() const {
  if (FState != dsInsert) return -1;
  return FCursor;
}

bool TDataSet::IsEmpty() const {
  return (FActiveRecord < 0 || FActiveRecord >= FRecordCount) && FState != dsInsert;
}

Integer TDataSet::RecordCount() const {
  if (FState == dsInactive) return 0;
  return static_cast<Integer>(FRecords.size()) - (PendingPos() >= 0 ? 1 : 0);
}

Integer TDataSet::GetRecNo() const {
  if (FState == dsInactive || FActiveRecord < 0 || FActiveRecord >= FRecordCount) return -1;
  NativeInt pos = FWindowFirst + FActiveRecord, pending = PendingPos();
  if (pending >= 0 && pos > pending) --pos;
  return static_cast<Integer>(pos + 1);
}

void TDataSet::SetRecNo(Integer Value) {
  CheckBrowseMode();
  if (Value < 1 || Value > RecordCount()) DatabaseError(SRecordNotFound, this);
  DoEvent(BeforeScroll);
  SetCursor(Value - 1);
  FBOF = FEOF = false;
  DataEvent(deDataSetChange, 0);
  DoEvent(AfterScroll);
}

// ---- Navigation ---------------------------------------------------------------------------------------------
void TDataSet::First() {
  CheckBrowseMode();
  DoEvent(BeforeScroll);
  SetCursor(0);
  FBOF = true;
  FEOF = FRecords.empty();
  DataEvent(deDataSetChange, 0);
  DoEvent(AfterScroll);
}

void TDataSet::Last() {
  CheckBrowseMode();
  DoEvent(BeforeScroll);
  SetCursor(static_cast<NativeInt>(FRecords.size()) - 1);
  FEOF = true;
  FBOF = FRecords.empty();
  DataEvent(deDataSetChange, 0);
  DoEvent(AfterScroll);
}

Integer TDataSet::MoveBy(Integer Distance) {
  CheckBrowseMode();
  if (Distance == 0) return 0;
  DoEvent(BeforeScroll);
  NativeInt n = static_cast<NativeInt>(FRecords.size());
  if (n == 0) {
    FBOF = FEOF = true;
    DoEvent(AfterScroll);
    return 0;
  }
  NativeInt target = std::clamp<NativeInt>(FCursor + Distance, 0, n - 1);
  Integer moved = static_cast<Integer>(target - FCursor);
  if (Distance > 0) {
    if (moved) FBOF = false;
    FEOF = moved < Distance;
  } else {
    if (moved) FEOF = false;
    FBOF = moved > Distance;
  }
  if (moved) {
    Integer shift = SetCursor(target);
    NotifyScroll(shift);
  }
  DoEvent(AfterScroll);
  return moved;
}

void TDataSet::NotifyScroll(Integer Distance) { DataEvent(deDataSetScroll, Distance); }

// ---- Bookmarks ----------------------------------------------------------------------------------------------
TBookmarkStr TDataSet::GetBookmark() const {
  TRecordData* r = RecordAtWindow(FActiveRecord);
  return r && !r->Pending ? r->Key : TBookmarkStr();
}

void TDataSet::SetBookmark(const TBookmarkStr& Value) {
  CheckBrowseMode();
  NativeInt pos = StorePos(Value);
  if (pos < 0) DatabaseError(SRecordNotFound, this);
  DoEvent(BeforeScroll);
  SetCursor(pos);
  FBOF = FEOF = false;
  DataEvent(deDataSetChange, 0);
  DoEvent(AfterScroll);
}

bool TDataSet::BookmarkValid(const TBookmarkStr& Bookmark) const {
  return FState != dsInactive && StorePos(Bookmark) >= 0;
}

Integer TDataSet::CompareBookmarks(const TBookmarkStr& Bookmark1, const TBookmarkStr& Bookmark2) const {
  if (Bookmark1 == Bookmark2) return 0;
  if (Bookmark1.empty()) return -1;
  if (Bookmark2.empty()) return 1;
  return Bookmark1 < Bookmark2 ? -1 : 1;
}

// ---- Data events ----------------------------------------------------------------------------------------------
void TDataSet::SetState(TDataSetState Value) {
  if (Value == FState) return;
  FState = Value;
  FModified = false;
  DataEvent(deUpdateState, 0);
}

void TDataSet::DataEvent(TDataEvent Event, NativeInt Info) {
  if (FDisableCount != 0) {
    // Remembered for EnableControls: a layout change (a close and reopen makes new default fields)
    // outranks a plain content change.
    if (Event == deLayoutChange || (Event == deUpdateState && FState == dsInactive)) FEnableEvent = deLayoutChange;
    return;
  }
  // A handler may detach a data source: walk a copy and skip those gone.
  std::vector<TDataSource*> sources = FDataSources;
  for (TDataSource* source : sources)
    if (std::find(FDataSources.begin(), FDataSources.end(), source) != FDataSources.end())
      source->DataEvent(Event, Info);
}

void TDataSet::DisableControls() {
  if (FDisableCount == 0) {
    FDisableState = FState;
    FEnableEvent = deDataSetChange;
  }
  ++FDisableCount;
}

void TDataSet::EnableControls() {
  if (FDisableCount == 0) return;
  if (--FDisableCount != 0) return;
  if (FState != FDisableState) DataEvent(deUpdateState, 0);
  if (FDisableState != dsInactive && FState != dsInactive) DataEvent(FEnableEvent, 0);
}

void TDataSet::AddDataSource(TDataSource* Source) {
  FDataSources.push_back(Source);
  UpdateBufferCount();
}

void TDataSet::RemoveDataSource(TDataSource* Source) {
  auto it = std::find(FDataSources.begin(), FDataSources.end(), Source);
  if (it != FDataSources.end()) FDataSources.erase(it);
  UpdateBufferCount();
}

// ---- Field values -------------------------------------------------------------------------------------------
void TDataSet::GetFieldList(std::vector<TField*>& List, const String& FieldNames) const {
  size_t start = 0;
  while (start <= FieldNames.size()) {
    size_t end = FieldNames.find(';', start);
    if (end == String::npos) end = FieldNames.size();
    String name = Trim(FieldNames.substr(start, end - start));
    if (!name.empty()) List.push_back(FieldByName(name));
    start = end + 1;
  }
}

Variant TDataSet::GetFieldValues(const String& FieldNames) const {
  std::vector<TField*> fields;
  GetFieldList(fields, FieldNames);
  if (fields.size() == 1) return fields[0]->GetAsVariant();
  std::vector<Variant> values;
  for (TField* f : fields) values.push_back(f->GetAsVariant());
  return VarArrayOf(values);
}

void TDataSet::SetFieldValues(const String& FieldNames, const Variant& Value) {
  std::vector<TField*> fields;
  GetFieldList(fields, FieldNames);
  if (fields.size() == 1 && !VarIsArray(Value)) {
    fields[0]->SetAsVariant(Value);
    return;
  }
  if (!VarIsArray(Value)) DatabaseError(SInvalidFieldValue, this);
  Integer low = VarArrayLowBound(Value, 1);
  for (size_t i = 0; i < fields.size(); ++i)
    fields[i]->SetAsVariant(VarArrayGet(Value, {low + static_cast<Integer>(i)}));
}

}  // namespace DB
