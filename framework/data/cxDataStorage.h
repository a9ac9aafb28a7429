// The typed record store under the data controller: stateless value types that hold one value of
// one data type in raw bytes, their registry, value definitions that place a value inside a flat
// record buffer, the storage owning ordinary records (0, 1, ...) and internal scratch records
// (-1, -2, ...), the per-record stream, and a sorted key-to-text lookup list.
//
// Record buffer: byte 0 flags (bit 0: an internal slot in use); with record IDs, bytes 1-4 the ID;
// then one slot per stored definition: a null byte (0 = Null), the type's data bytes, and, when the
// text is stored, the address of a heap string with the display text. Slots that hold an address
// (strings, Variants, objects, texts) are pointer-sized. The buffers come from the storage's record
// arenas (TcxRecordArena), one for ordinary and one for internal records.
#pragma once

#include <cstring>
#include <vector>

#include "Closures.h"
#include "Variants.h"

namespace Streams {
class TStream;
}

namespace cxDataStorage {

using Streams::TStream;

// The value of type T whose data bytes start at P (data bytes sit unaligned in a record buffer).
template <class T>
T LoadStoredValue(const void* P) {
  T V;
  std::memcpy(&V, P, sizeof V);
  return V;
}

// ---- Value types ---------------------------------------------------------------------------------------
// Used as class references only: one shared instance per class (ValueTypeClass<T>()), no state.
// P is the address of a value's data bytes (just after its null byte).
class TcxValueType : public TObject {
  DECLARE_CLASS(TcxValueType, TObject)
 public:
  virtual Integer Compare(const Byte* P1, const Byte* P2) const { return CompareValues(P1, P2); }
  virtual void FreeBuffer(Byte* P) const {}
  virtual void FreeTextBuffer(Byte* P) const;  // P: the text slot
  virtual Integer GetDataSize() const { return 0; }
  virtual Variant GetDataValue(const Byte* P) const { return Null(); }
  virtual String GetDefaultDisplayText(const Byte* P) const;
  virtual String GetDisplayText(const Byte* P) const;  // P: the text slot
  virtual void ReadDataValue(Byte* P, TStream* AStream) const;
  virtual void ReadDisplayText(Byte* P, TStream* AStream) const;
  virtual void SetDataValue(Byte* P, const Variant& AValue) const {}
  virtual void SetDisplayText(Byte* P, const String& AText) const;  // P: the text slot
  virtual void WriteDataValue(const Byte* P, TStream* AStream) const;
  virtual void WriteDisplayText(const Byte* P, TStream* AStream) const;
  virtual Integer CompareValues(const void* P1, const void* P2) const;
  virtual Variant GetValue(const void* P) const { return GetDataValue(static_cast<const Byte*>(P)); }
  virtual TVarType GetVarType() const { return varVariant; }
  virtual bool IsString() const { return false; }
  virtual const void* PrepareValueBuffer(const Byte* P) const { return P; }

  String Caption() const;
  bool IsValueValid(Variant& AValue) const;
};
using TcxValueTypeClass = const TcxValueType*;

#define CX_VALUE_TYPE(T, Base)   \
  class T : public Base {        \
    DECLARE_CLASS(T, Base)       \
   public:
CX_VALUE_TYPE(TcxStringValueType, TcxValueType)
  Integer Compare(const Byte* P1, const Byte* P2) const override;
  void FreeBuffer(Byte* P) const override;
  Integer GetDataSize() const override { return sizeof(void*); }
  Variant GetDataValue(const Byte* P) const override;
  void ReadDataValue(Byte* P, TStream* AStream) const override;
  void SetDataValue(Byte* P, const Variant& AValue) const override;
  void WriteDataValue(const Byte* P, TStream* AStream) const override;
  Integer CompareValues(const void* P1, const void* P2) const override;
  Variant GetValue(const void* P) const override;
  TVarType GetVarType() const override { return varString; }
  bool IsString() const override { return true; }
  const void* PrepareValueBuffer(const Byte* P) const override;
};
CX_VALUE_TYPE(TcxWideStringValueType, TcxStringValueType)
  void FreeBuffer(Byte* P) const override;
  Variant GetDataValue(const Byte* P) const override;
  void ReadDataValue(Byte* P, TStream* AStream) const override;
  void SetDataValue(Byte* P, const Variant& AValue) const override;
  void WriteDataValue(const Byte* P, TStream* AStream) const override;
  Integer CompareValues(const void* P1, const void* P2) const override;
  Variant GetValue(const void* P) const override;
  TVarType GetVarType() const override { return varOleStr; }
};
CX_VALUE_TYPE(TcxSmallintValueType, TcxValueType)
  Integer GetDataSize() const override { return 2; }
  Variant GetDataValue(const Byte* P) const override;
  void ReadDataValue(Byte* P, TStream* AStream) const override;
  void SetDataValue(Byte* P, const Variant& AValue) const override;
  void WriteDataValue(const Byte* P, TStream* AStream) const override;
  Integer CompareValues(const void* P1, const void* P2) const override;
  TVarType GetVarType() const override { return varSmallint; }
};
CX_VALUE_TYPE(TcxIntegerValueType, TcxValueType)
  Integer GetDataSize() const override { return 4; }
  Variant GetDataValue(const Byte* P) const override;
  void ReadDataValue(Byte* P, TStream* AStream) const override;
  void SetDataValue(Byte* P, const Variant& AValue) const override;
  void WriteDataValue(const Byte* P, TStream* AStream) const override;
  Integer CompareValues(const void* P1, const void* P2) const override;
  TVarType GetVarType() const override { return varInteger; }
};
CX_VALUE_TYPE(TcxWordValueType, TcxValueType)
  Integer GetDataSize() const override { return 2; }
  Variant GetDataValue(const Byte* P) const override;
  void ReadDataValue(Byte* P, TStream* AStream) const override;
  void SetDataValue(Byte* P, const Variant& AValue) const override;
  void WriteDataValue(const Byte* P, TStream* AStream) const override;
  Integer CompareValues(const void* P1, const void* P2) const override;
  TVarType GetVarType() const override { return varWord; }
};
CX_VALUE_TYPE(TcxBooleanValueType, TcxValueType)
  Integer GetDataSize() const override { return 1; }
  Variant GetDataValue(const Byte* P) const override;
  String GetDefaultDisplayText(const Byte* P) const override;
  void ReadDataValue(Byte* P, TStream* AStream) const override;
  void SetDataValue(Byte* P, const Variant& AValue) const override;
  void WriteDataValue(const Byte* P, TStream* AStream) const override;
  Integer CompareValues(const void* P1, const void* P2) const override;
  TVarType GetVarType() const override { return varBoolean; }
};
CX_VALUE_TYPE(TcxFloatValueType, TcxValueType)
  Integer GetDataSize() const override { return 8; }
  Variant GetDataValue(const Byte* P) const override;
  void ReadDataValue(Byte* P, TStream* AStream) const override;
  void SetDataValue(Byte* P, const Variant& AValue) const override;
  void WriteDataValue(const Byte* P, TStream* AStream) const override;
  Integer CompareValues(const void* P1, const void* P2) const override;
  TVarType GetVarType() const override { return varDouble; }
};
CX_VALUE_TYPE(TcxCurrencyValueType, TcxValueType)
  Integer GetDataSize() const override { return 8; }
  Variant GetDataValue(const Byte* P) const override;
  void ReadDataValue(Byte* P, TStream* AStream) const override;
  void SetDataValue(Byte* P, const Variant& AValue) const override;
  void WriteDataValue(const Byte* P, TStream* AStream) const override;
  Integer CompareValues(const void* P1, const void* P2) const override;
  TVarType GetVarType() const override { return varCurrency; }
};
CX_VALUE_TYPE(TcxDateTimeValueType, TcxValueType)
  Integer GetDataSize() const override { return 8; }
  Variant GetDataValue(const Byte* P) const override;
  String GetDefaultDisplayText(const Byte* P) const override;
  void ReadDataValue(Byte* P, TStream* AStream) const override;
  void SetDataValue(Byte* P, const Variant& AValue) const override;
  void WriteDataValue(const Byte* P, TStream* AStream) const override;
  Integer CompareValues(const void* P1, const void* P2) const override;
  TVarType GetVarType() const override { return varDate; }
};
CX_VALUE_TYPE(TcxLargeIntValueType, TcxValueType)
  Integer GetDataSize() const override { return 8; }
  Variant GetDataValue(const Byte* P) const override;
  void ReadDataValue(Byte* P, TStream* AStream) const override;
  void SetDataValue(Byte* P, const Variant& AValue) const override;
  void WriteDataValue(const Byte* P, TStream* AStream) const override;
  Integer CompareValues(const void* P1, const void* P2) const override;
  TVarType GetVarType() const override { return varInt64; }
};
CX_VALUE_TYPE(TcxFMTBcdValueType, TcxValueType)
  Integer GetDataSize() const override { return 34; }
  Variant GetDataValue(const Byte* P) const override;
  String GetDefaultDisplayText(const Byte* P) const override;
  void SetDataValue(Byte* P, const Variant& AValue) const override;
  Integer CompareValues(const void* P1, const void* P2) const override;
  TVarType GetVarType() const override;
};
CX_VALUE_TYPE(TcxSQLTimeStampValueType, TcxValueType)
  Integer GetDataSize() const override { return 16; }
  Variant GetDataValue(const Byte* P) const override;
  void SetDataValue(Byte* P, const Variant& AValue) const override;
  Integer CompareValues(const void* P1, const void* P2) const override;
  TVarType GetVarType() const override;
};
CX_VALUE_TYPE(TcxVariantValueType, TcxValueType)
  Integer Compare(const Byte* P1, const Byte* P2) const override;
  void FreeBuffer(Byte* P) const override;
  Integer GetDataSize() const override { return sizeof(void*); }
  Variant GetDataValue(const Byte* P) const override;
  void SetDataValue(Byte* P, const Variant& AValue) const override;
  Integer CompareValues(const void* P1, const void* P2) const override;
  Variant GetValue(const void* P) const override;
  const void* PrepareValueBuffer(const Byte* P) const override;
};
// An object reference owned by the record: freed with the value, never streamed.
CX_VALUE_TYPE(TcxObjectValueType, TcxIntegerValueType)
  void FreeBuffer(Byte* P) const override;
  Integer GetDataSize() const override { return sizeof(void*); }
  Variant GetDataValue(const Byte* P) const override;
  void ReadDataValue(Byte* P, TStream* AStream) const override {}
  void SetDataValue(Byte* P, const Variant& AValue) const override;
  void WriteDataValue(const Byte* P, TStream* AStream) const override {}
  Integer CompareValues(const void* P1, const void* P2) const override;
};
#undef CX_VALUE_TYPE

// The shared instance that stands for value-type class T.
template <class T>
TcxValueTypeClass ValueTypeClass() {
  static const T* const instance = TObjectFactory::Make<T>();
  return instance;
}

// ---- Registry ------------------------------------------------------------------------------------------
class TcxValueTypeClassList : public TObject {
  DECLARE_CLASS(TcxValueTypeClassList, TObject)
 public:
  void RegisterItem(TcxValueTypeClass AClass);
  void UnregisterItem(TcxValueTypeClass AClass);
  Integer Count() const { return static_cast<Integer>(FItems.size()); }
  TcxValueTypeClass GetItem(Integer AIndex) const { return FItems.at(static_cast<size_t>(AIndex)); }
  TcxValueTypeClass ItemByCaption(const String& ACaption) const;  // exact, or nil

 private:
  std::vector<TcxValueTypeClass> FItems;
};

TcxValueTypeClassList* cxValueTypeClassList();
bool IsDateTimeValueTypeClass(TcxValueTypeClass AClass);
// For the value types whose data bytes hold a plain number that GetDataValue gives as it is (32-bit
// and 64-bit whole numbers, reals, dates, amounts as raw 64-bit integers; exactly those classes), the
// Variant type of that number; varEmpty for any other type.
TVarType StoredNumberVarType(TcxValueTypeClass AClass);

// ---- Value definitions ---------------------------------------------------------------------------------
class TcxDataStorage;
class TcxValueDefs;

class TcxValueDef : public TObject {
  DECLARE_CLASS(TcxValueDef, TObject)
 public:
  virtual TObject* GetLinkObject() { return FLinkObject; }
  virtual bool GetStored();
  virtual void SetLinkObject(TObject* Value) { FLinkObject = Value; }
  virtual void Assign(TcxValueDef* ASource);

  bool GetTextStored() { return FTextStored && GetStored(); }
  bool IsNeedConversion() const { return FValueTypeClass && FValueTypeClass->IsString(); }
  void Init(Integer& AOffset);

  bool IsNullValue(const Byte* P) const { return *P == 0; }
  bool IsNullValueEx(const Byte* ARecordBuffer) const { return !ARecordBuffer || ARecordBuffer[FOffset] == 0; }
  void SetNull(Byte* ARecordBuffer, bool AIsNull);
  Variant GetDataValue(const Byte* ARecordBuffer);
  void SetDataValue(Byte* ARecordBuffer, const Variant& AValue);
  String GetDisplayText(const Byte* ARecordBuffer);
  void SetDisplayText(Byte* ARecordBuffer, const String& AText);
  Integer Compare(const Byte* ARecordBuffer1, const Byte* ARecordBuffer2);
  Integer CompareValues(bool AIsNull1, bool AIsNull2, const void* P1, const void* P2) const;
  void FreeBuffer(Byte* ARecordBuffer);
  void ReadDataValue(Byte* ARecordBuffer, TStream* AStream);
  void WriteDataValue(const Byte* ARecordBuffer, TStream* AStream);
  void ReadDisplayText(Byte* ARecordBuffer, TStream* AStream);
  void WriteDisplayText(const Byte* ARecordBuffer, TStream* AStream);

  TcxValueDefs* GetValueDefs() const { return FValueDefs; }
  TcxValueTypeClass GetValueTypeClass() const { return FValueTypeClass; }
  void SetValueTypeClass(TcxValueTypeClass Value);
  bool GetStoredFlag() const { return FStored; }
  void SetStored(bool Value);
  void SetTextStored(bool Value);
  bool GetStreamed() const { return FStreamed; }
  void SetStreamed(bool Value) { FStreamed = Value; }
  Integer GetOffset() const { return FOffset; }
  Integer GetBufferSize() const { return FBufferSize; }
  Integer GetDataSize() const { return FDataSize; }

 protected:
  friend class TcxValueDefs;
  friend class TcxDataStorage;
  void Destroy() override;
  void Changed(bool AResyncNeeded);
  Byte* TextSlot(Byte* ARecordBuffer) const { return ARecordBuffer + FOffset + 1 + FDataSize; }

  TcxValueDefs* FValueDefs = nullptr;
  TcxValueTypeClass FValueTypeClass = nullptr;
  Integer FDataSize = 0;
  Integer FOffset = 0;
  Integer FBufferSize = 0;
  bool FStored = true;
  bool FTextStored = false;
  bool FStreamed = true;
  TObject* FLinkObject = nullptr;
};

class TcxValueDefs : public TObject {
  DECLARE_CLASS(TcxValueDefs, TObject)
 public:
  explicit TcxValueDefs(TcxDataStorage* AStorage = nullptr) : FStorage(AStorage) {}
  virtual void Changed(TcxValueDef* AValueDef, bool AResyncNeeded);
  virtual TClass GetValueDefClass() { return TcxValueDef::StaticClass(); }
  virtual void Prepare(Integer ARecordOffset);

  TcxValueDef* Add(TcxValueTypeClass AValueTypeClass, bool AStored, bool ATextStored, TObject* ALinkObject);
  void Clear();
  void Remove(TcxValueDef* AValueDef);
  Integer Count() const { return static_cast<Integer>(FItems.size()); }
  TcxValueDef* GetItem(Integer AIndex) const;  // the streaming order while the storage streams
  Integer IndexOf(TcxValueDef* AValueDef) const;
  Integer StoredCount();
  Integer GetRecordOffset() const { return FRecordOffset; }
  Integer GetRecordSize() const { return FRecordSize; }
  TcxDataStorage* GetStorage() const { return FStorage; }

 protected:
  friend class TcxValueDef;
  friend class TcxDataStorage;
  void Construct() override;
  void Destroy() override;
  TcxDataStorage* FStorage;
  std::vector<TcxValueDef*> FItems;
  Integer FRecordOffset = 0;
  Integer FRecordSize = 0;
};

class TcxInternalValueDef : public TcxValueDef {
  DECLARE_CLASS(TcxInternalValueDef, TcxValueDef)
 public:
  TObject* GetLinkObject() override;
  bool GetStored() override { return true; }
  TcxValueDef* GetValueDef() const { return static_cast<TcxValueDef*>(FLinkObject); }
};

class TcxInternalValueDefs : public TcxValueDefs {
  DECLARE_CLASS(TcxInternalValueDefs, TcxValueDefs)
 public:
  using TcxValueDefs::TcxValueDefs;
  TClass GetValueDefClass() override { return TcxInternalValueDef::StaticClass(); }
  TcxInternalValueDef* FindByLinkObject(TObject* AObject);
  void RemoveByLinkObject(TObject* AObject);
};

// ---- Reading a record from elsewhere --------------------------------------------------------------------
class TcxValueDefReader : public TObject {
  DECLARE_CLASS(TcxValueDefReader, TObject)
 public:
  virtual String GetDisplayText(TcxValueDef* AValueDef) { return String(); }
  virtual Variant GetValue(TcxValueDef* AValueDef) { return Null(); }
  virtual bool IsInternal(TcxValueDef* AValueDef) { return false; }
};
using TcxValueDefSetProc =
    TClosure<void(TcxValueDef* AValueDef, Integer AFromRecordIndex, Integer AToRecordIndex, TcxValueDefReader* AReader)>;
using TcxValueDefCompareProc = Integer (*)(TcxValueDef* A, TcxValueDef* B);

// ---- Storage -------------------------------------------------------------------------------------------
// The buffers of records of one layout, carved side by side from blocks of many records, so that
// records made one after another lie together in memory and a scan over them stays in cache. A
// released buffer is reused by the next record; the blocks go when the last buffer is released.
class TcxRecordArena {
 public:
  TcxRecordArena() = default;
  TcxRecordArena(const TcxRecordArena&) = delete;
  TcxRecordArena& operator=(const TcxRecordArena&) = delete;
  ~TcxRecordArena();
  void Swap(TcxRecordArena& AOther);
  // A zero-filled buffer of ASize bytes. The arena takes the size of the first buffer asked while
  // it holds none; a larger one asked later comes from the heap on its own.
  Byte* Allocate(Integer ASize);
  void Release(Byte* ABuffer);

 private:
  void Reset();
  size_t FBufferSize = 0;
  std::vector<Byte*> FBlocks;
  size_t FBlockCapacity = 0;  // buffers in the last block
  size_t FBlockUsed = 0;
  std::vector<Byte*> FFree;
  std::vector<Byte*> FLoose;  // buffers from the heap
  size_t FLive = 0;
};

class TcxDataStorage : public TObject {
  DECLARE_CLASS(TcxDataStorage, TObject)
 public:
  virtual void InitStructure(TcxValueDefs* AValueDefs);
  virtual void ValueDefsChanged(TcxValueDef* AValueDef, bool AResyncNeeded) {}
  virtual TcxValueDefs* ValueDefsByRecordIndex(Integer ARecordIndex);

  Integer GetRecordCount() const { return static_cast<Integer>(FRecords.size()); }
  void SetRecordCount(Integer Value);
  Integer AppendRecord();
  void InsertRecord(Integer AIndex);
  void DeleteRecord(Integer AIndex);  // a negative index deletes an internal record
  Integer AddInternalRecord();
  void Clear(bool AKeepInternalRecords);
  void ClearRecords(bool AClearList);
  void ClearInternalRecords();

  Variant GetValue(Integer ARecordIndex, TcxValueDef* AValueDef);
  void SetValue(Integer ARecordIndex, TcxValueDef* AValueDef, const Variant& AValue);
  String GetDisplayText(Integer ARecordIndex, TcxValueDef* AValueDef);
  void SetDisplayText(Integer ARecordIndex, TcxValueDef* AValueDef, const String& AText);
  Integer CompareRecords(Integer ARecordIndex1, Integer ARecordIndex2, TcxValueDef* AValueDef);
  // P: the value prepared for TcxValueDef::CompareValues; the answer: whether it is Null.
  bool GetCompareInfo(Integer ARecordIndex, TcxValueDef* AValueDef, const void*& P);
  // Asks the processor to fetch an ordinary record's buffer into the cache ahead of a read: scans
  // in an order other than the records' own call it a few records ahead.
  void PrefetchRecord(Integer ARecordIndex) const {
    if (ARecordIndex >= 0 && static_cast<size_t>(ARecordIndex) < FRecords.size())
      if (const Byte* buffer = FRecords[static_cast<size_t>(ARecordIndex)]) __builtin_prefetch(buffer);
  }

  Integer GetRecordID(Integer ARecordIndex);
  void SetRecordID(Integer ARecordIndex, Integer AID);
  void CheckRecordID(Integer AIndex);
  void CheckRecordIDCounter();
  void CheckRecordIDCounterAfterLoad(Integer AID);

  void ReadData(Integer ARecordIndex, TStream* AStream);
  void WriteData(Integer ARecordIndex, TStream* AStream);
  void BeginStreaming(TcxValueDefCompareProc ACompare);
  void EndStreaming();
  void ReadRecord(Integer ARecordIndex, TcxValueDefReader* AValueDefReader);
  void ReadRecordFrom(Integer AFromRecordIndex, Integer AToRecordIndex, TcxValueDefReader* AValueDefReader,
                      TcxValueDefSetProc ASetProc);
  void BeginLoad() { CheckStructure(); }
  void EndLoad() {}

  bool GetStoredValuesOnly() const { return FStoredValuesOnly; }
  void SetStoredValuesOnly(bool Value);
  bool GetUseRecordID() const { return FUseRecordID; }
  void SetUseRecordID(bool Value);
  TcxValueDefs* GetValueDefs() const { return FValueDefs; }
  TcxInternalValueDefs* GetInternalValueDefs() const { return FInternalValueDefs; }
  Integer GetInternalRecordCount() const { return static_cast<Integer>(FInternalRecords.size()); }
  bool IsDestroying() const { return FDestroying; }
  bool IsStreaming() const { return FStreamingDefs != nullptr; }
  // The buffer of a record (nil when never written); internal records by negative index.
  Byte* GetRecordBuffer(Integer ARecordIndex);

  TNotifyEvent OnClearInternalRecords;

 protected:
  friend class TcxValueDefs;
  friend class TcxValueDef;
  void Construct() override;
  void BeforeDestruction() override;
  void Destroy() override;
  virtual void CheckStructure() {}
  void InsertValueDef(TcxValueDefs* AList, Integer AIndex, TcxValueDef* AValueDef);
  void RemoveValueDef(TcxValueDefs* AList, TcxValueDef* AValueDef);
  Byte* AllocRecordBuffer(Integer AIndex);
  Byte*& BufferSlot(Integer AIndex);
  TcxValueDef* MapValueDef(Integer ARecordIndex, TcxValueDef* AValueDef);
  void FreeRecordBuffer(Byte*& ABuffer, TcxValueDefs* ADefs);
  // Moves every buffer of ARecords to a fresh arena with the new record size, AMove copying the
  // old contents over (the new buffer comes zero-filled).
  void Relayout(std::vector<Byte*>& ARecords, TcxRecordArena& AArena, Integer ANewSize,
                const TClosure<void(const Byte* AOld, Byte* ANew)>& AMove);
  TcxRecordArena& ArenaOf(TcxValueDefs* ADefs) { return ADefs == FValueDefs ? FArena : FInternalArena; }

 private:
  std::vector<Byte*> FRecords;
  std::vector<Byte*> FInternalRecords;
  TcxRecordArena FArena;
  TcxRecordArena FInternalArena;
  TcxValueDefs* FValueDefs = nullptr;
  TcxInternalValueDefs* FInternalValueDefs = nullptr;
  bool FStoredValuesOnly = false;
  bool FUseRecordID = false;
  Integer FRecordIDCounter = 1;
  bool FDestroying = false;
  std::vector<TcxValueDef*>* FStreamingDefs = nullptr;
};

// ---- Lookup list ---------------------------------------------------------------------------------------
struct TcxLookupListItem {
  Variant KeyValue;
  String DisplayText;
};

class TcxLookupList : public TObject {
  DECLARE_CLASS(TcxLookupList, TObject)
 public:
  bool Find(const Variant& AKeyValue, Integer& AIndex) const;
  void Insert(Integer AIndex, const Variant& AKeyValue, const String& ADisplayText);
  void Clear() { FItems.clear(); }
  Integer Count() const { return static_cast<Integer>(FItems.size()); }
  const TcxLookupListItem& GetItem(Integer AIndex) const { return FItems.at(static_cast<size_t>(AIndex)); }

 private:
  std::vector<TcxLookupListItem> FItems;
};

void cxDataStorageInitialization();
void cxDataStorageFinalization();

}  // namespace cxDataStorage

using namespace cxDataStorage;
