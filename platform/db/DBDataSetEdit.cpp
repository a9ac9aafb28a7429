// TDataSet: editing, inserting, posting, cancelling and deleting records; calculated and lookup
// fields; searching.
#include <algorithm>
#include <cstdio>
#include <deque>
#include <unordered_map>

#include "DB.h"
#include "DBConsts.h"
#include "DBKeys.h"
#include "Strings.h"

namespace DB {

using namespace DBConsts;

void TDataSet::CheckCanModify() {
  if (!CanModify()) DatabaseError(SDataSetReadOnly, this);
}

void TDataSet::CheckNotEmpty() const {
  if (RecordCount() == 0) DatabaseError(SDataSetEmpty, const_cast<TDataSet*>(this));
}

void TDataSet::DoOnNewRecord() { DoEvent(OnNewRecord); }

void TDataSet::CheckBrowseMode() {
  CheckActive();
  DataEvent(deCheckBrowseMode, 0);
  if (FState == dsEdit || FState == dsInsert) {
    UpdateRecord();
    if (FModified)
      Post();
    else
      Cancel();
  }
}

void TDataSet::UpdateRecord() {
  if (FState != dsEdit && FState != dsInsert) DatabaseError(SNotEditing, this);
  DataEvent(deUpdateRecord, 0);
}

void TDataSet::FieldChanged(TField* Field) {
  FModified = true;
  if (FAutoCalcFields && FCalcFieldCount && Field->GetFieldKind() == fkData) {
    TRecordData copy;
    copy.Values = std::move(FEditValues);
    CalculateFields(copy);
    FEditValues = std::move(copy.Values);
  }
  DataEvent(deFieldChange, reinterpret_cast<NativeInt>(Field));
}

void TDataSet::CalculateFields(TRecordData& Record) {
  if (FCalcFieldCount == 0) return;
  TDataSetState saved = FState;
  TRecordData* savedRecord = FCalcRecord;
  FState = dsCalcFields;
  FCalcRecord = &Record;
  try {
    for (TField* field : FFields->FList) {
      if (field->GetFieldKind() == fkData || field->FValueIndex < 0) continue;
      Record.Values[field->FValueIndex] = Null();
      if (!field->Lookup()) continue;
      TDataSet* lookup = field->GetLookupDataSet();
      if (!lookup || !lookup->GetActive()) continue;
      Variant keys = GetFieldValues(field->GetKeyFields());
      if (!VarIsNull(keys)) Record.Values[field->FValueIndex] =
          lookup->Lookup(field->GetLookupKeyFields(), keys, field->GetLookupResultField());
    }
    if (OnCalcFields) OnCalcFields(this);
  } catch (...) {
    FState = saved;
    FCalcRecord = savedRecord;
    throw;
  }
  FState = saved;
  FCalcRecord = savedRecord;
}

// ---- Edit, insert and append ---------------------------------------------------------------------------------
void TDataSet::Edit() {
  CheckActive();
  if (FState == dsEdit || FState == dsInsert) return;
  if (FRecords.empty()) {
    Insert();
    return;
  }
  CheckBrowseMode();
  CheckCanModify();
  DoEvent(BeforeEdit);
  FEditValues = ValuesOf(*FRecords[static_cast<size_t>(FCursor)]);
  SetState(dsEdit);
  DataEvent(deRecordChange, 0);
  DoEvent(AfterEdit);
}

TBookmarkStr TDataSet::PendingBookmark(const TBookmarkStr& Low, const TBookmarkStr& High) {
  return Keys::Between(Low, High);
}

void TDataSet::Insert() { BeginInsertAppend(false); }
void TDataSet::Append() { BeginInsertAppend(true); }

void TDataSet::BeginInsertAppend(bool Appending) {
  CheckBrowseMode();
  CheckCanModify();
  DoEvent(BeforeInsert);
  DoEvent(BeforeScroll);
  NativeInt n = static_cast<NativeInt>(FRecords.size());
  NativeInt pos = Appending || n == 0 ? n : FCursor;
  auto record = std::make_unique<TRecordData>();
  record->Key = PendingBookmark(pos > 0 ? FRecords[static_cast<size_t>(pos - 1)]->Key : String(),
                                pos < n ? FRecords[static_cast<size_t>(pos)]->Key : String());
  record->Pending = true;
  record->Values.assign(static_cast<size_t>(FFieldDefs->Count() + FCalcFieldCount), Null());
  FEditValues = record->Values;
  FRecords.insert(FRecords.begin() + pos, std::move(record));
  SetCursor(pos);
  FBOF = false;
  FEOF = Appending || pos == n;
  SetState(dsInsert);
  try {
    DoOnNewRecord();
  } catch (...) {
    Cancel();
    throw;
  }
  FModified = false;
  DataEvent(deDataSetChange, 0);
  DoEvent(AfterInsert);
  DoEvent(AfterScroll);
}

// ---- Post and cancel ------------------------------------------------------------------------------------------
void TDataSet::Post() {
  CheckActive();
  UpdateRecord();  // raises outside edit and insert states
  DataEvent(deCheckBrowseMode, 0);
  DoEvent(BeforePost);
  for (TField* field : FFields->FList)
    if (field->GetRequired() && field->GetFieldKind() == fkData && field->IsNull()) {
      field->FocusControl();
      DatabaseErrorFmt(SFieldRequired, field->GetDisplayLabel(), this);
    }
  TRecordData& record = *FRecords[static_cast<size_t>(FCursor)];
  bool inserting = FState == dsInsert;
  InternalPost(static_cast<Integer>(FCursor), inserting, FEditValues);
  TBookmarkStr key = PostedBookmark(inserting ? TBookmarkStr() : record.Key, FEditValues);
  record.Values = std::move(FEditValues);
  FEditValues.clear();
  record.Pending = false;
  CalculateFields(record);
  if (!key.empty() && key != record.Key) MoveRecordToKey(std::move(key));
  SetState(dsBrowse);
  FBOF = FEOF = false;
  DataEvent(deDataSetChange, 0);
  DoEvent(AfterPost);
}

// The current record takes Key and its place in the store's order; the window follows it.
void TDataSet::MoveRecordToKey(TBookmarkStr Key) {
  std::unique_ptr<TRecordData> record = std::move(FRecords[static_cast<size_t>(FCursor)]);
  FRecords.erase(FRecords.begin() + FCursor);
  record->Key = std::move(Key);
  auto at = std::lower_bound(FRecords.begin(), FRecords.end(), record->Key,
                             [](const std::unique_ptr<TRecordData>& r, const String& k) { return r->Key < k; });
  NativeInt pos = at - FRecords.begin();
  FRecords.insert(at, std::move(record));
  SetCursor(pos);
}

void TDataSet::Cancel() {
  CheckActive();
  if (FState != dsEdit && FState != dsInsert) return;
  DataEvent(deCheckBrowseMode, 0);
  DoEvent(BeforeCancel);
  if (FState == dsInsert) {
    FRecords.erase(FRecords.begin() + FCursor);
    FitWindow();
  }
  FEditValues.clear();
  SetState(dsBrowse);
  FBOF = FEOF = FRecords.empty();
  DataEvent(deDataSetChange, 0);
  DoEvent(AfterCancel);
}

void TDataSet::Delete() {
  CheckActive();
  if (FState == dsInsert) {
    Cancel();
    return;
  }
  CheckCanModify();
  CheckNotEmpty();
  DataEvent(deCheckBrowseMode, 0);
  DoEvent(BeforeDelete);
  DoEvent(BeforeScroll);
  InternalDelete(static_cast<Integer>(FCursor));
  FRecords.erase(FRecords.begin() + FCursor);
  FEditValues.clear();
  FitWindow();
  SetState(dsBrowse);
  FBOF = FEOF = FRecords.empty();
  DataEvent(deDataSetChange, 0);
  DoEvent(AfterDelete);
  DoEvent(AfterScroll);
}

// ---- Refresh and resync ---------------------------------------------------------------------------------------
void TDataSet::Refresh() {
  CheckBrowseMode();
  String key = FCursor >= 0 ? FRecords[static_cast<size_t>(FCursor)]->Key : String();
  NativeInt oldPos = FCursor;
  // The keys of the records as they were, by what tells them apart (in order, for records alike).
  std::unordered_map<String, std::deque<String>> keysOf;
  if (!FIdentity.empty())
    for (const auto& r : FRecords) keysOf[IdentityOf(*r)].push_back(r->Key);
  InternalRefresh();
  if (!FIdentity.empty()) {
    std::vector<String> kept(FRecords.size());
    for (size_t i = 0; i < FRecords.size(); ++i) {
      auto it = keysOf.find(IdentityOf(*FRecords[i]));
      if (it == keysOf.end() || it->second.empty()) continue;
      kept[i] = std::move(it->second.front());
      it->second.pop_front();
    }
    std::vector<String> keys = Keys::Reassign(kept);
    for (size_t i = 0; i < FRecords.size(); ++i) FRecords[i]->Key = std::move(keys[i]);
  }
  RecalcAll();
  NativeInt pos = StorePos(key);
  SetCursor(pos >= 0 ? pos : oldPos);
  if (FRecords.empty()) FBOF = FEOF = true;
  DataEvent(deDataSetChange, 0);
}

String TDataSet::IdentityOf(TRecordData& Record) const {
  String identity;
  const std::vector<Variant>& values = ValuesOf(Record);
  for (Integer index : FIdentity) {
    const Variant& v = values[static_cast<size_t>(index)];
    if (VarIsNull(v) || VarIsEmpty(v)) {
      identity += '\x01';
    } else if (VarIsFloat(v)) {
      char digits[32];
      std::snprintf(digits, sizeof digits, "%.17g", v.ToDouble());
      identity += digits;
    } else {
      identity += VarToStr(v);
    }
    identity += '\x1F';
  }
  return identity;
}

void TDataSet::Resync(TResyncMode) {
  CheckActive();
  FitWindow();
  DataEvent(deDataSetChange, 0);
}

// ---- Searching -------------------------------------------------------------------------------------------------
namespace {
bool KeyMatches(const Variant& value, const Variant& key, TLocateOptions options) {
  if (VarIsNull(key) || VarIsEmpty(key)) return VarIsNull(value) || VarIsEmpty(value);
  if (VarIsNull(value) || VarIsEmpty(value)) return false;
  if (VarIsStr(key) || VarIsStr(value)) {
    String v = VarToStr(value), k = VarToStr(key);
    if (options.Contains(loPartialKey) && v.size() > k.size()) v.resize(k.size());
    return options.Contains(loCaseInsensitive) ? AnsiSameText(v, k) : v == k;
  }
  return VarSameValue(value, key);
}

// The key values in field order: an array for several fields, the value itself for one.
std::vector<Variant> SplitKeys(const Variant& KeyValues, size_t count) {
  std::vector<Variant> keys;
  if (count == 1 && !VarIsArray(KeyValues)) {
    keys.push_back(KeyValues);
  } else {
    if (!VarIsArray(KeyValues)) throw EDatabaseError(DBConsts::SInvalidFieldValue);
    Integer low = VarArrayLowBound(KeyValues, 1);
    for (size_t i = 0; i < count; ++i) keys.push_back(VarArrayGet(KeyValues, {low + static_cast<Integer>(i)}));
  }
  return keys;
}
}  // namespace

bool TDataSet::Locate(const String& KeyFields, const Variant& KeyValues, TLocateOptions Options) {
  CheckBrowseMode();
  std::vector<TField*> fields;
  GetFieldList(fields, KeyFields);
  std::vector<Variant> keys = SplitKeys(KeyValues, fields.size());
  for (size_t pos = 0; pos < FRecords.size(); ++pos) {
    const std::vector<Variant>& values = ValuesOf(*FRecords[pos]);
    bool all = true;
    for (size_t i = 0; i < fields.size() && all; ++i)
      all = KeyMatches(values[static_cast<size_t>(fields[i]->FValueIndex)], keys[i], Options);
    if (!all) continue;
    DoEvent(BeforeScroll);
    SetCursor(static_cast<NativeInt>(pos));
    FBOF = FEOF = false;
    DataEvent(deDataSetChange, 0);
    DoEvent(AfterScroll);
    return true;
  }
  return false;
}

Variant TDataSet::Lookup(const String& KeyFields, const Variant& KeyValues, const String& ResultFields) {
  CheckActive();
  std::vector<TField*> fields, results;
  GetFieldList(fields, KeyFields);
  GetFieldList(results, ResultFields);
  std::vector<Variant> keys = SplitKeys(KeyValues, fields.size());
  for (const auto& record : FRecords) {
    if (record->Pending) continue;
    const std::vector<Variant>& values = ValuesOf(*record);
    bool all = true;
    for (size_t i = 0; i < fields.size() && all; ++i)
      all = KeyMatches(values[static_cast<size_t>(fields[i]->FValueIndex)], keys[i], {});
    if (!all) continue;
    if (results.size() == 1) return values[static_cast<size_t>(results[0]->FValueIndex)];
    std::vector<Variant> found;
    for (TField* f : results) found.push_back(values[static_cast<size_t>(f->FValueIndex)]);
    return VarArrayOf(found);
  }
  return Null();
}

}  // namespace DB
