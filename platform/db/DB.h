// The dataset unit: datasets with their record window, states, bookmarks and data events; fields;
// data sources and data links. The field classes are declared in DBFields.h, included below.
//
// Records. A dataset keeps its records in one ordered store (a static client cursor): descendants
// fill it when they open (InternalOpen) and are asked to make a post or delete lasting
// (InternalPost, InternalDelete). The dataset's record window is a run of consecutive records of the
// store, as long as the largest BufferCount of its links; each link sees a sub-window of it.
//
// Bookmarks are strings that order like the records: each record gets an ordering key when it is
// fetched or inserted (between its neighbours), so CompareBookmarks is the string order, holds for
// records deleted since, and stays the same until the dataset closes. A record being inserted and
// not yet posted has the bookmark "". A descendant that can tell its records apart (a table's key)
// names the fields that do: Refresh then keeps each record's bookmark (and the current record)
// with the record, wherever rows were added or removed around it.
#pragma once

#include <memory>
#include <vector>

#include "ClassTypes.h"
#include "Collections.h"
#include "Components.h"
#include "Variants.h"

namespace DB {

class TDataSet;
class TDataSource;
class TDataLink;
class TField;
class TFields;
class TFieldDefs;

DECLARE_EXCEPTION(EDatabaseError, Exception)

enum TFieldType {
  ftUnknown, ftString, ftSmallint, ftInteger, ftWord, ftBoolean, ftFloat, ftCurrency, ftBCD, ftDate,
  ftTime, ftDateTime, ftBytes, ftVarBytes, ftAutoInc, ftBlob, ftMemo, ftGraphic, ftFmtMemo,
  ftParadoxOle, ftDBaseOle, ftTypedBinary, ftCursor, ftFixedChar, ftWideString, ftLargeint, ftADT,
  ftArray, ftReference, ftDataSet, ftOraBlob, ftOraClob, ftVariant, ftInterface, ftIDispatch, ftGuid,
  ftTimeStamp, ftFMTBcd
};
using TBlobType = TFieldType;

enum TDataSetState {
  dsInactive, dsBrowse, dsEdit, dsInsert, dsSetKey, dsCalcFields, dsFilter, dsNewValue, dsOldValue,
  dsCurValue, dsBlockRead, dsInternalCalc, dsOpening
};

enum TDataEvent {
  deFieldChange, deRecordChange, deDataSetChange, deDataSetScroll, deLayoutChange, deUpdateRecord,
  deUpdateState, deCheckBrowseMode, dePropertyChange, deFieldListChange, deFocusControl,
  deParentScroll, deConnectChange, deReconcileError, deDisabledStateChange
};

enum TFieldKind { fkData, fkCalculated, fkLookup, fkInternalCalc, fkAggregate };

enum TLocateOption { loCaseInsensitive, loPartialKey };
using TLocateOptions = TSet<TLocateOption, 8>;

enum TResyncModeItem { rmExact, rmCenter };
using TResyncMode = TSet<TResyncModeItem, 8>;

enum TGetMode { gmCurrent, gmNext, gmPrior };

// How a blob stream opens its field (DBTables.h); fixed in size so that headers can name it alone.
enum TBlobStreamMode : Byte { bmRead, bmWrite, bmReadWrite };

using TBookmarkStr = String;

using TDataSetNotifyEvent = TClosure<void(TDataSet* DataSet)>;

// ---- Field definitions ---------------------------------------------------------------------------
class TFieldDef : public TCollectionItem {
  DECLARE_CLASS(TFieldDef, TCollectionItem)
 public:
  using TCollectionItem::TCollectionItem;
  const String& GetName() const { return FName; }
  void SetName(const String& Value) { FName = Value; }
  TFieldType GetDataType() const { return FDataType; }
  void SetDataType(TFieldType Value) { FDataType = Value; }
  Integer GetSize() const { return FSize; }
  void SetSize(Integer Value) { FSize = Value; }
  bool GetRequired() const { return FRequired; }
  void SetRequired(bool Value) { FRequired = Value; }
  Integer GetPrecision() const { return FPrecision; }
  void SetPrecision(Integer Value) { FPrecision = Value; }
  Integer FieldNo() const { return GetIndex() + 1; }
  String GetDisplayName() override { return FName; }
  // The field class that stands for the data type (TStringField for ftString, ...).
  TClass FieldClass() const;
  // A field of that class for this definition, owned by Owner and attached to the definitions' dataset.
  TField* CreateField(TComponent* Owner);

 private:
  String FName;
  TFieldType FDataType = ftUnknown;
  Integer FSize = 0;
  Integer FPrecision = 0;
  bool FRequired = false;
};

class TFieldDefs : public TOwnedCollection {
  DECLARE_CLASS(TFieldDefs, TOwnedCollection)
 public:
  explicit TFieldDefs(TDataSet* DataSet = nullptr);
  TFieldDef* AddFieldDef();
  void Add(const String& Name, TFieldType DataType, Integer Size = 0, bool Required = false);
  TFieldDef* GetItem(Integer Index) const;
  TFieldDef* operator[](Integer Index) const { return GetItem(Index); }
  Integer IndexOf(const String& Name) const;  // case-insensitive; -1 when none
  TFieldDef* Find(const String& Name) const;  // raises "Field '%s' not found"
  TDataSet* DataSet() const { return FDataSet; }

 private:
  TDataSet* FDataSet;
};

// ---- The dataset's fields -------------------------------------------------------------------------
class TFields : public TObject {
  DECLARE_CLASS(TFields, TObject)
 public:
  explicit TFields(TDataSet* DataSet = nullptr) : FDataSet(DataSet) {}
  Integer Count() const { return static_cast<Integer>(FList.size()); }
  TField* GetField(Integer Index) const;  // raises EListError out of range
  TField* operator[](Integer Index) const { return GetField(Index); }
  TField* FindField(const String& FieldName) const;  // case-insensitive; null when none
  TField* FieldByName(const String& FieldName) const;  // raises "Field '%s' not found"
  TField* FieldByNumber(Integer FieldNo) const;
  Integer IndexOf(const TField* Field) const;
  void Add(TField* Field);
  void Remove(TField* Field);
  void Clear();  // frees the fields
  TDataSet* DataSet() const { return FDataSet; }

 protected:
  void Destroy() override;

 private:
  friend class TField;
  friend class TDataSet;
  TDataSet* FDataSet;
  std::vector<TField*> FList;
};

}  // namespace DB

#include "DBFields.h"

namespace DB {

// ---- Data links and data sources --------------------------------------------------------------------
class TDataLink : public TPersistent {
  DECLARE_CLASS(TDataLink, TPersistent)
 public:
  TDataSource* GetDataSource() const { return FDataSource; }
  void SetDataSource(TDataSource* Value);
  TDataSet* DataSet() const;
  bool Active() const { return FActive; }
  bool Editing() const { return FEditing; }
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  // Asks the data source to put its dataset in edit state; answers Editing after it.
  bool Edit();
  void UpdateRecord();

  // The link's record window: ActiveRecord is a 0-based index into it.
  Integer GetActiveRecord() const;
  void SetActiveRecord(Integer Value);
  Integer GetBufferCount() const { return FBufferCount; }
  void SetBufferCount(Integer Value);
  Integer RecordCount() const;
  bool Eof() const;
  bool Bof() const;

  virtual bool ExecuteAction(TObject* Action) { return false; }
  virtual bool UpdateAction(TObject* Action) { return false; }

 protected:
  friend class TDataSet;
  friend class TDataSource;
  friend class TField;
  void Destroy() override;

  virtual void ActiveChanged() {}
  virtual void CheckBrowseMode() {}
  virtual void DataSetChanged() { RecordChanged(nullptr); }
  virtual void DataSetScrolled(Integer Distance) { DataSetChanged(); }
  virtual void EditingChanged() {}
  virtual void FocusControl(TField** Field) {}
  virtual void LayoutChanged() { DataSetChanged(); }
  virtual void RecordChanged(TField* Field) {}
  virtual void UpdateData() {}

 private:
  void DataEvent(TDataEvent Event, NativeInt Info);
  void UpdateState();
  void SetActive(bool Value);
  void SetEditing(bool Value);
  // Keeps the dataset's current record inside this link's window; answers how far (in records)
  // the window's first record moved.
  Integer UpdateRange();

  TDataSource* FDataSource = nullptr;
  bool FActive = false;
  bool FEditing = false;
  bool FReadOnly = false;
  bool FUpdating = false;
  Integer FBufferCount = 1;
  Integer FFirstRecord = 0;  // window offset into the dataset's window
  NativeInt FTopRecord = -1; // store position of the window's first record at the last notification
};

class TDataSource : public TComponent {
  DECLARE_CLASS(TDataSource, TComponent)
 public:
  using TComponent::TComponent;
  TDataSet* GetDataSet() const { return FDataSet; }
  void SetDataSet(TDataSet* Value);
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool GetAutoEdit() const { return FAutoEdit; }
  void SetAutoEdit(bool Value) { FAutoEdit = Value; }
  TDataSetState State() const { return FState; }
  void Edit();  // puts the dataset in edit state when AutoEdit allows it and it is browsing
  bool IsLinkedTo(TDataSet* DataSet) const;
  Integer LinkCount() const { return static_cast<Integer>(FDataLinks.size()); }

  TNotifyEvent OnStateChange;
  TClosure<void(TObject* Sender, TField* Field)> OnDataChange;
  TNotifyEvent OnUpdateData;

 protected:
  friend class TDataLink;
  friend class TDataSet;
  friend class TField;
  void Construct() override;
  void Destroy() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void AddDataLink(TDataLink* DataLink);
  void RemoveDataLink(TDataLink* DataLink);
  void DataEvent(TDataEvent Event, NativeInt Info);
  void NotifyDataLinks(TDataEvent Event, NativeInt Info);
  void SetState(TDataSetState Value);
  void UpdateState();

  TDataSet* FDataSet = nullptr;
  std::vector<TDataLink*> FDataLinks;
  bool FEnabled = true;
  bool FAutoEdit = true;
  TDataSetState FState = dsInactive;
};

// ---- The dataset ---------------------------------------------------------------------------------------
// One record of the store: its ordering key (the bookmark) and a value per field (data fields at
// their FieldNo - 1, calculated and lookup fields after them). A record fetched with others in one
// go holds only its row in them until its values are first read (Row >= 0, Values empty).
struct TRecordData {
  String Key;
  bool Pending = false;  // inserted and not yet posted
  Integer Row = -1;
  std::vector<Variant> Values;
};

// Rows a descendant fetched in one go, kept in its own compact form: a record's values are made
// from its row when they are first read, so that opening costs no more than the rows' bytes.
class TFetchedRows {
 public:
  virtual ~TFetchedRows() = default;
  // Puts the row's data values at their places in Values (sized to every field, all Null).
  virtual void ReadRow(size_t Row, std::vector<Variant>& Values) const = 0;
};

class TDataSet : public TComponent {
  DECLARE_CLASS(TDataSet, TComponent)
 public:
  using TComponent::TComponent;

  // ---- State
  bool GetActive() const { return FState != dsInactive; }
  void SetActive(bool Value);
  void Open() { SetActive(true); }
  void Close() { SetActive(false); }
  TDataSetState State() const { return FState; }
  bool Modified() const { return FModified; }
  virtual bool CanModify() const { return !FReadOnly; }
  bool Bof() const { return FBOF; }
  bool Eof() const { return FEOF; }
  bool IsEmpty() const;
  virtual bool IsSequenced() const { return true; }
  virtual Integer RecordCount() const;
  virtual Integer GetRecNo() const;
  virtual void SetRecNo(Integer Value);
  bool DefaultFields() const { return FDefaultFields; }
  bool ControlsDisabled() const { return FDisableCount != 0; }

  // ---- Navigation
  void First();
  void Last();
  void Next() { MoveBy(1); }
  void Prior() { MoveBy(-1); }
  Integer MoveBy(Integer Distance);
  bool Locate(const String& KeyFields, const Variant& KeyValues, TLocateOptions Options);
  Variant Lookup(const String& KeyFields, const Variant& KeyValues, const String& ResultFields);

  // ---- Bookmarks
  TBookmarkStr GetBookmark() const;
  void SetBookmark(const TBookmarkStr& Value);  // raises "Record not found" for an unknown bookmark
  void GotoBookmark(const TBookmarkStr& Bookmark) { SetBookmark(Bookmark); }
  bool BookmarkValid(const TBookmarkStr& Bookmark) const;
  Integer CompareBookmarks(const TBookmarkStr& Bookmark1, const TBookmarkStr& Bookmark2) const;

  // ---- Editing
  void Edit();
  void Insert();
  void Append();
  void Post();
  void Cancel();
  void Delete();
  void CheckBrowseMode();
  void UpdateRecord();
  void Refresh();
  void Resync(TResyncMode Mode);
  void DisableControls();
  void EnableControls();

  // ---- Fields
  TFields* Fields() const { return FFields.get(); }
  Integer FieldCount() const { return FFields->Count(); }
  TFieldDefs* FieldDefs() const { return FFieldDefs; }
  TField* FindField(const String& FieldName) const { return FFields->FindField(FieldName); }
  TField* FieldByName(const String& FieldName) const { return FFields->FieldByName(FieldName); }
  // "A;B" gives a Variant array of the values, a single name the value.
  Variant GetFieldValues(const String& FieldNames) const;
  void SetFieldValues(const String& FieldNames, const Variant& Value);
  // The fields named in "A;B" (each raising when unknown).
  void GetFieldList(std::vector<TField*>& List, const String& FieldNames) const;
  bool GetAutoCalcFields() const { return FAutoCalcFields; }
  void SetAutoCalcFields(bool Value) { FAutoCalcFields = Value; }
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }

  // ---- The record window (used by data links and fields)
  Integer GetActiveRecord() const { return FActiveRecord; }
  void SetActiveRecord(Integer Value) { FActiveRecord = Value; }
  Integer BufferCount() const { return FBufferCount; }
  Integer WindowRecordCount() const { return FRecordCount; }
  Integer CurrentRecord() const { return FCurrentRecord; }
  // The values the fields read: the active buffer's record (its edit copy while editing), or the
  // record being calculated; null when the active buffer holds no record.
  const std::vector<Variant>* ActiveValues() const;
  std::vector<Variant>* EditValues();  // the current record's edit copy; raises when not editing
  void DataEvent(TDataEvent Event, NativeInt Info);

  // ---- Events
  TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose;
  TDataSetNotifyEvent BeforeInsert, AfterInsert, BeforeEdit, AfterEdit;
  TDataSetNotifyEvent BeforePost, AfterPost, BeforeCancel, AfterCancel;
  TDataSetNotifyEvent BeforeDelete, AfterDelete, BeforeScroll, AfterScroll;
  TDataSetNotifyEvent OnNewRecord, OnCalcFields;

 protected:
  friend class TField;
  friend class TFields;
  friend class TDataSource;
  friend class TDataLink;
  void Construct() override;
  void Destroy() override;
  void Loaded() override;

  // What a descendant does: fill FieldDefs and the store when opening, make posts and deletes
  // lasting (raise to refuse them; the dataset is then unchanged).
  virtual void InternalOpen() = 0;
  virtual void InternalClose() {}
  // Position counts the posted records before this one; Values holds the data fields first.
  virtual void InternalPost(Integer Position, bool Inserting, const std::vector<Variant>& Values) {}
  virtual void InternalDelete(Integer Position) {}
  virtual void InternalRefresh() {}  // re-reads the store; the default keeps it
  // The bookmark of a record being inserted between records Low and High ("" for none): it must
  // sort strictly between them. The default makes one of the dataset's own ordering keys.
  virtual TBookmarkStr PendingBookmark(const TBookmarkStr& Low, const TBookmarkStr& High);
  // The bookmark of a record just posted with Values (Bookmark: the one it had while edited, ""
  // for an insert); a different one moves the record to that bookmark's place in the order. The
  // descendant may put the values the store gave the record (a new row's number) into Values.
  // The default keeps both.
  virtual TBookmarkStr PostedBookmark(const TBookmarkStr& Bookmark, std::vector<Variant>& Values) {
    return Bookmark;
  }

  // Descendants fill the store through these while opening or refreshing.
  void ClearRecords();
  void AppendFetchedRecord(std::vector<Variant>&& Values);
  // The same with the bookmark the descendant gives the record (records appended in its order).
  void AppendFetchedRecord(std::vector<Variant>&& Values, TBookmarkStr Bookmark);
  // Records for the Count rows of Rows, which the dataset keeps until its records are cleared.
  void AppendFetchedRows(std::unique_ptr<TFetchedRows> Rows, size_t Count);
  void ReserveRecords(size_t Count) { FRecords.reserve(Count); }
  // The data values (by FieldNo - 1) that together tell a fetched record from every other; empty
  // when nothing does (records are then known by their position).
  void SetRecordIdentity(std::vector<Integer> ValueIndexes) { FIdentity = std::move(ValueIndexes); }

  void CheckActive() const;
  void CheckInactive() const;
  void CreateFields();
  void BindFields(bool Binding);
  virtual void DoOnNewRecord();
  void CalculateFields(TRecordData& Record);
  void SetState(TDataSetState Value);
  void FieldChanged(TField* Field);
  void AddDataSource(TDataSource* Source);
  void RemoveDataSource(TDataSource* Source);
  void UpdateBufferCount();

 private:
  void OpenCursor();
  void CloseCursor();
  void CheckCanModify();
  void CheckNotEmpty() const;
  void DoEvent(const TDataSetNotifyEvent& Event) { if (Event) Event(this); }
  void BeginInsertAppend(bool Appending);
  void RecalcAll();
  // Places the cursor on store position Pos and moves the window as little as possible to keep it
  // in view; answers how far the window's first record moved.
  Integer SetCursor(NativeInt Pos);
  void FitWindow();
  NativeInt StorePos(const TBookmarkStr& Key) const;  // -1 when no record has the key
  String IdentityOf(TRecordData& Record) const;
  // The record's values, made from its fetched row first when they have not been read yet.
  std::vector<Variant>& ValuesOf(TRecordData& Record) const;
  NativeInt PendingPos() const;
  void MoveRecordToKey(TBookmarkStr Key);
  TRecordData* RecordAtWindow(Integer Index) const;
  void NotifyScroll(Integer Distance);

  std::unique_ptr<TFields> FFields{nullptr};
  TFieldDefs* FFieldDefs = nullptr;
  std::vector<TDataSource*> FDataSources;
  std::vector<std::unique_ptr<TRecordData>> FRecords;
  std::unique_ptr<TFetchedRows> FFetched;
  std::vector<Variant> FEditValues;
  std::vector<Integer> FIdentity;
  TRecordData* FCalcRecord = nullptr;
  TDataSetState FState = dsInactive;
  TDataSetState FDisableState = dsInactive;
  TDataEvent FEnableEvent = deDataSetChange;
  NativeInt FCursor = -1;        // store position of the current record; -1 when empty
  NativeInt FWindowFirst = 0;    // store position of the window's first record
  Integer FBufferCount = 1;
  Integer FRecordCount = 0;      // records in the window
  Integer FActiveRecord = 0;     // window index of the active buffer
  Integer FCurrentRecord = 0;    // window index of the current record
  Integer FDisableCount = 0;
  Integer FCalcFieldCount = 0;
  bool FBOF = true;
  bool FEOF = true;
  bool FModified = false;
  bool FDefaultFields = true;
  bool FAutoCalcFields = true;
  bool FReadOnly = false;
  bool FStreamedActive = false;
};

// Raises EDatabaseError with Message, naming Component when it has a name ("Query1: ...").
[[noreturn]] void DatabaseError(const String& Message, TComponent* Component = nullptr);
[[noreturn]] void DatabaseErrorFmt(const String& Message, const String& Arg, TComponent* Component = nullptr);

}  // namespace DB

using namespace DB;
