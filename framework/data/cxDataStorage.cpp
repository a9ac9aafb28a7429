// Value definitions, the record storage and the lookup list.
#include "cxDataStorage.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "Streams.h"
#include "cxVariants.h"

namespace cxDataStorage {

// ---- TcxRecordArena -------------------------------------------------------------------------------------

namespace {

constexpr size_t FirstBlockCapacity = 16;
constexpr size_t MaxBlockCapacity = 4096;

Byte* AllocateZeroed(size_t ASize) {
  auto* result = static_cast<Byte*>(std::calloc(std::max<size_t>(ASize, 1), 1));
  if (!result) throw EOutOfMemory("Out of memory");
  return result;
}

}  // namespace

TcxRecordArena::~TcxRecordArena() { Reset(); }

void TcxRecordArena::Swap(TcxRecordArena& AOther) {
  std::swap(FBufferSize, AOther.FBufferSize);
  FBlocks.swap(AOther.FBlocks);
  std::swap(FBlockCapacity, AOther.FBlockCapacity);
  std::swap(FBlockUsed, AOther.FBlockUsed);
  FFree.swap(AOther.FFree);
  FLoose.swap(AOther.FLoose);
  std::swap(FLive, AOther.FLive);
}

void TcxRecordArena::Reset() {
  for (Byte* block : FBlocks) std::free(block);
  for (Byte* buffer : FLoose) std::free(buffer);
  FBlocks.clear();
  FLoose.clear();
  FFree.clear();
  FBlockCapacity = FBlockUsed = FLive = 0;
}

Byte* TcxRecordArena::Allocate(Integer ASize) {
  const size_t size = std::max<size_t>(static_cast<size_t>(std::max(ASize, 1)), 1);
  if (FLive == 0 && size != FBufferSize) {
    Reset();
    FBufferSize = size;
  }
  ++FLive;
  if (size > FBufferSize) {
    FLoose.push_back(AllocateZeroed(size));
    return FLoose.back();
  }
  if (!FFree.empty()) {
    Byte* buffer = FFree.back();
    FFree.pop_back();
    std::memset(buffer, 0, FBufferSize);
    return buffer;
  }
  if (FBlockUsed == FBlockCapacity) {
    // Blocks grow with the storage, so that a small one wastes little and a large one has few.
    FBlockCapacity = FBlocks.empty() ? FirstBlockCapacity : std::min(FBlockCapacity * 2, MaxBlockCapacity);
    FBlocks.push_back(AllocateZeroed(FBlockCapacity * FBufferSize));
    FBlockUsed = 0;
  }
  return FBlocks.back() + FBufferSize * FBlockUsed++;
}

void TcxRecordArena::Release(Byte* ABuffer) {
  if (!ABuffer) return;
  auto loose = std::find(FLoose.rbegin(), FLoose.rend(), ABuffer);
  if (loose != FLoose.rend()) {
    std::free(ABuffer);
    FLoose.erase(std::next(loose).base());
  } else {
    FFree.push_back(ABuffer);
  }
  if (--FLive == 0) Reset();
}

// ---- TcxValueDef ---------------------------------------------------------------------------------------

IMPLEMENT_CLASS(TcxValueDef)

void TcxValueDef::Destroy() {
  if (FValueDefs) FValueDefs->Remove(this);
  inherited::Destroy();
}

bool TcxValueDef::GetStored() {
  TcxDataStorage* storage = FValueDefs ? FValueDefs->GetStorage() : nullptr;
  return FStored || !storage || !storage->GetStoredValuesOnly();
}

void TcxValueDef::Assign(TcxValueDef* ASource) {
  FStored = ASource->GetStored();
  FTextStored = ASource->GetTextStored();
}

void TcxValueDef::Init(Integer& AOffset) {
  FDataSize = FValueTypeClass ? FValueTypeClass->GetDataSize() : 0;
  FOffset = AOffset;
  if (GetStored()) {
    FBufferSize = 1 + FDataSize + (GetTextStored() ? static_cast<Integer>(sizeof(void*)) : 0);
    AOffset += FBufferSize;
  } else {
    FBufferSize = 0;
  }
}

void TcxValueDef::Changed(bool AResyncNeeded) {
  if (FValueDefs) FValueDefs->Changed(this, AResyncNeeded);
}

void TcxValueDef::SetValueTypeClass(TcxValueTypeClass Value) {
  if (FValueTypeClass == Value) return;
  FValueTypeClass = Value;
  Changed(true);
}

void TcxValueDef::SetStored(bool Value) {
  if (FStored == Value) return;
  FStored = Value;
  Changed(false);
}

void TcxValueDef::SetTextStored(bool Value) {
  if (FTextStored == Value) return;
  FTextStored = Value;
  Changed(true);
}

void TcxValueDef::SetNull(Byte* ARecordBuffer, bool AIsNull) {
  Byte* slot = ARecordBuffer + FOffset;
  if (AIsNull) {
    if (*slot != 0) FValueTypeClass->FreeBuffer(slot + 1);
    std::memset(slot + 1, 0, static_cast<size_t>(FDataSize));
    *slot = 0;
  } else {
    *slot = 1;
  }
}

Variant TcxValueDef::GetDataValue(const Byte* ARecordBuffer) {
  if (IsNullValueEx(ARecordBuffer)) return Null();
  return FValueTypeClass->GetDataValue(ARecordBuffer + FOffset + 1);
}

void TcxValueDef::SetDataValue(Byte* ARecordBuffer, const Variant& AValue) {
  if (VarIsNull(AValue)) {
    SetNull(ARecordBuffer, true);
    return;
  }
  SetNull(ARecordBuffer, false);
  FValueTypeClass->SetDataValue(ARecordBuffer + FOffset + 1, AValue);
}

String TcxValueDef::GetDisplayText(const Byte* ARecordBuffer) {
  if (GetTextStored()) return ARecordBuffer ? FValueTypeClass->GetDisplayText(TextSlot(const_cast<Byte*>(ARecordBuffer))) : String();
  if (IsNullValueEx(ARecordBuffer)) return String();
  return FValueTypeClass->GetDefaultDisplayText(ARecordBuffer + FOffset + 1);
}

void TcxValueDef::SetDisplayText(Byte* ARecordBuffer, const String& AText) {
  if (GetTextStored()) FValueTypeClass->SetDisplayText(TextSlot(ARecordBuffer), AText);
}

Integer TcxValueDef::Compare(const Byte* ARecordBuffer1, const Byte* ARecordBuffer2) {
  const bool null1 = IsNullValueEx(ARecordBuffer1), null2 = IsNullValueEx(ARecordBuffer2);
  if (null1 || null2) return null1 == null2 ? 0 : (null1 ? -1 : 1);
  return FValueTypeClass->Compare(ARecordBuffer1 + FOffset + 1, ARecordBuffer2 + FOffset + 1);
}

Integer TcxValueDef::CompareValues(bool AIsNull1, bool AIsNull2, const void* P1, const void* P2) const {
  if (AIsNull1 || AIsNull2) return AIsNull1 == AIsNull2 ? 0 : (AIsNull1 ? -1 : 1);
  return FValueTypeClass->CompareValues(P1, P2);
}

void TcxValueDef::FreeBuffer(Byte* ARecordBuffer) {
  if (!GetStored() || !ARecordBuffer) return;
  if (ARecordBuffer[FOffset] != 0) FValueTypeClass->FreeBuffer(ARecordBuffer + FOffset + 1);
  if (GetTextStored()) FValueTypeClass->FreeTextBuffer(TextSlot(ARecordBuffer));
}

void TcxValueDef::ReadDataValue(Byte* ARecordBuffer, TStream* AStream) {
  if (ReadByteFunc(AStream) != 0) {
    SetNull(ARecordBuffer, true);
  } else {
    SetNull(ARecordBuffer, false);
    FValueTypeClass->ReadDataValue(ARecordBuffer + FOffset + 1, AStream);
  }
}

void TcxValueDef::WriteDataValue(const Byte* ARecordBuffer, TStream* AStream) {
  const bool isNull = IsNullValueEx(ARecordBuffer);
  WriteByteProc(AStream, isNull ? 1 : 0);
  if (!isNull) FValueTypeClass->WriteDataValue(ARecordBuffer + FOffset + 1, AStream);
}

void TcxValueDef::ReadDisplayText(Byte* ARecordBuffer, TStream* AStream) {
  FValueTypeClass->ReadDisplayText(TextSlot(ARecordBuffer), AStream);
}

void TcxValueDef::WriteDisplayText(const Byte* ARecordBuffer, TStream* AStream) {
  FValueTypeClass->WriteDisplayText(TextSlot(const_cast<Byte*>(ARecordBuffer)), AStream);
}

// ---- TcxValueDefs --------------------------------------------------------------------------------------

IMPLEMENT_CLASS(TcxValueDefs)

void TcxValueDefs::Construct() {
  inherited::Construct();
  if (FStorage) FStorage->InitStructure(this);
}

void TcxValueDefs::Destroy() {
  Clear();
  inherited::Destroy();
}

void TcxValueDefs::Changed(TcxValueDef* AValueDef, bool AResyncNeeded) {
  if (FStorage) FStorage->ValueDefsChanged(AValueDef, AResyncNeeded);
}

void TcxValueDefs::Prepare(Integer ARecordOffset) {
  FRecordOffset = ARecordOffset;
  Integer offset = ARecordOffset;
  for (TcxValueDef* def : FItems) def->Init(offset);
  FRecordSize = offset;
}

TcxValueDef* TcxValueDefs::Add(TcxValueTypeClass AValueTypeClass, bool AStored, bool ATextStored,
                               TObject* ALinkObject) {
  auto* def = static_cast<TcxValueDef*>(GetValueDefClass()->Create());
  def->FValueDefs = this;
  def->FValueTypeClass = AValueTypeClass;
  def->SetLinkObject(ALinkObject);
  def->FStored = AStored;
  def->FTextStored = ATextStored;
  Integer offset = 0;
  def->Init(offset);
  if (FStorage) FStorage->InsertValueDef(this, Count(), def);
  FItems.push_back(def);
  if (FStorage) FStorage->InitStructure(this);
  return def;
}

void TcxValueDefs::Clear() {
  while (!FItems.empty()) FItems.back()->Free();
}

void TcxValueDefs::Remove(TcxValueDef* AValueDef) {
  auto it = std::find(FItems.begin(), FItems.end(), AValueDef);
  if (it == FItems.end()) return;
  if (FStorage) FStorage->RemoveValueDef(this, AValueDef);
  FItems.erase(std::find(FItems.begin(), FItems.end(), AValueDef));
  AValueDef->FValueDefs = nullptr;
  if (FStorage) FStorage->InitStructure(this);
}

TcxValueDef* TcxValueDefs::GetItem(Integer AIndex) const {
  const std::vector<TcxValueDef*>& items =
      FStorage && FStorage->FStreamingDefs && this == FStorage->FValueDefs ? *FStorage->FStreamingDefs : FItems;
  return items.at(static_cast<size_t>(AIndex));
}

Integer TcxValueDefs::IndexOf(TcxValueDef* AValueDef) const {
  auto it = std::find(FItems.begin(), FItems.end(), AValueDef);
  return it == FItems.end() ? -1 : static_cast<Integer>(it - FItems.begin());
}

Integer TcxValueDefs::StoredCount() {
  Integer count = 0;
  for (TcxValueDef* def : FItems)
    if (def->GetStored()) ++count;
  return count;
}

// ---- Internal definitions ------------------------------------------------------------------------------

IMPLEMENT_CLASS(TcxInternalValueDef)

TObject* TcxInternalValueDef::GetLinkObject() {
  TcxValueDef* def = GetValueDef();
  return def ? def->GetLinkObject() : nullptr;
}

IMPLEMENT_CLASS(TcxInternalValueDefs)

TcxInternalValueDef* TcxInternalValueDefs::FindByLinkObject(TObject* AObject) {
  for (auto it = FItems.rbegin(); it != FItems.rend(); ++it)
    if (static_cast<TcxInternalValueDef*>(*it)->GetValueDef() == AObject) return static_cast<TcxInternalValueDef*>(*it);
  return nullptr;
}

void TcxInternalValueDefs::RemoveByLinkObject(TObject* AObject) {
  if (TcxInternalValueDef* def = FindByLinkObject(AObject)) def->Free();
}

IMPLEMENT_CLASS(TcxValueDefReader)

// ---- Storage: structure --------------------------------------------------------------------------------

IMPLEMENT_CLASS(TcxDataStorage)

void TcxDataStorage::Construct() {
  inherited::Construct();
  FValueDefs = New<TcxValueDefs>(this);
  FInternalValueDefs = New<TcxInternalValueDefs>(this);
}

void TcxDataStorage::BeforeDestruction() {
  FDestroying = true;
  inherited::BeforeDestruction();
}

void TcxDataStorage::Destroy() {
  Clear(false);
  FreeAndNil(FValueDefs);
  FreeAndNil(FInternalValueDefs);
  EndStreaming();
  inherited::Destroy();
}

void TcxDataStorage::InitStructure(TcxValueDefs* AValueDefs) { AValueDefs->Prepare(FUseRecordID ? 5 : 1); }

TcxValueDefs* TcxDataStorage::ValueDefsByRecordIndex(Integer ARecordIndex) {
  return ARecordIndex < 0 ? static_cast<TcxValueDefs*>(FInternalValueDefs) : FValueDefs;
}

void TcxDataStorage::Relayout(std::vector<Byte*>& ARecords, TcxRecordArena& AArena, Integer ANewSize,
                              const TClosure<void(const Byte* AOld, Byte* ANew)>& AMove) {
  TcxRecordArena moved;
  for (Byte*& buffer : ARecords) {
    if (!buffer) continue;
    Byte* target = moved.Allocate(ANewSize);
    AMove(buffer, target);
    buffer = target;
  }
  AArena.Swap(moved);  // the old blocks go with `moved`; their contents now live in the new buffers
}

void TcxDataStorage::InsertValueDef(TcxValueDefs* AList, Integer AIndex, TcxValueDef* AValueDef) {
  std::vector<Byte*>* records = &FInternalRecords;
  if (AList == FValueDefs) {
    FInternalValueDefs->Add(AValueDef->FValueTypeClass, true, AValueDef->FTextStored, AValueDef);
    records = &FRecords;
  }
  const Integer size = AValueDef->FBufferSize;
  if (size == 0) return;
  const Integer oldSize = AList->FRecordSize;
  const auto at = static_cast<size_t>(AIndex < AList->Count() ? AList->FItems[static_cast<size_t>(AIndex)]->FOffset : oldSize);
  Relayout(*records, ArenaOf(AList), oldSize + size, [&](const Byte* AOld, Byte* ANew) {
    std::memcpy(ANew, AOld, at);
    std::memcpy(ANew + at + static_cast<size_t>(size), AOld + at, static_cast<size_t>(oldSize) - at);
  });
}

void TcxDataStorage::FreeRecordBuffer(Byte*& ABuffer, TcxValueDefs* ADefs) {
  if (!ABuffer) return;
  for (TcxValueDef* def : ADefs->FItems) def->FreeBuffer(ABuffer);
  ArenaOf(ADefs).Release(ABuffer);
  ABuffer = nullptr;
}

void TcxDataStorage::RemoveValueDef(TcxValueDefs* AList, TcxValueDef* AValueDef) {
  const bool ordinary = AList == FValueDefs;
  if (ordinary) FInternalValueDefs->RemoveByLinkObject(AValueDef);
  if (!AValueDef->GetStored()) return;
  std::vector<Byte*>& records = ordinary ? FRecords : FInternalRecords;
  // The last stored value of an ordinary record takes its whole buffer with it. Internal records
  // keep theirs: the block also holds the in-use flag (and ID) of the slot.
  if (ordinary && AList->StoredCount() < 2) {
    for (Byte*& buffer : records) FreeRecordBuffer(buffer, AList);
    return;
  }
  const auto size = static_cast<size_t>(AValueDef->FBufferSize);
  const auto at = static_cast<size_t>(AValueDef->FOffset);
  const auto oldSize = static_cast<size_t>(AList->FRecordSize);
  for (Byte* buffer : records)
    if (buffer) AValueDef->FreeBuffer(buffer);
  Relayout(records, ArenaOf(AList), static_cast<Integer>(oldSize - size), [&](const Byte* AOld, Byte* ANew) {
    std::memcpy(ANew, AOld, at);
    std::memcpy(ANew + at, AOld + at + size, oldSize - at - size);
  });
}

void TcxDataStorage::SetStoredValuesOnly(bool Value) {
  if (FStoredValuesOnly == Value) return;
  ClearRecords(false);
  FStoredValuesOnly = Value;
  InitStructure(FValueDefs);
}

void TcxDataStorage::SetUseRecordID(bool Value) {
  if (FUseRecordID == Value) return;
  ClearRecords(false);
  FUseRecordID = Value;
  InitStructure(FValueDefs);
  // Internal records are laid out after the same header.
  ClearInternalRecords();
  InitStructure(FInternalValueDefs);
}

// ---- Storage: records ----------------------------------------------------------------------------------

Byte*& TcxDataStorage::BufferSlot(Integer AIndex) {
  if (AIndex < 0) {
    const size_t slot = static_cast<size_t>(-AIndex - 1);
    if (slot >= FInternalRecords.size()) throw EListError("List index out of bounds (" + std::to_string(AIndex) + ")");
    return FInternalRecords[slot];
  }
  if (static_cast<size_t>(AIndex) >= FRecords.size())
    throw EListError("List index out of bounds (" + std::to_string(AIndex) + ")");
  return FRecords[static_cast<size_t>(AIndex)];
}

Byte* TcxDataStorage::GetRecordBuffer(Integer ARecordIndex) { return BufferSlot(ARecordIndex); }

Byte* TcxDataStorage::AllocRecordBuffer(Integer AIndex) {
  Byte*& buffer = BufferSlot(AIndex);
  if (!buffer) {
    TcxValueDefs* defs = ValueDefsByRecordIndex(AIndex);
    buffer = ArenaOf(defs).Allocate(defs->FRecordSize);
  }
  return buffer;
}

void TcxDataStorage::SetRecordCount(Integer Value) {
  Value = std::max(Value, 0);
  while (GetRecordCount() < Value) AppendRecord();
  while (GetRecordCount() > Value) DeleteRecord(GetRecordCount() - 1);
}

Integer TcxDataStorage::AppendRecord() {
  FRecords.push_back(nullptr);
  const Integer index = GetRecordCount() - 1;
  if (FUseRecordID) CheckRecordID(index);
  return index;
}

void TcxDataStorage::InsertRecord(Integer AIndex) {
  if (AIndex < 0 || AIndex > GetRecordCount())
    throw EListError("List index out of bounds (" + std::to_string(AIndex) + ")");
  FRecords.insert(FRecords.begin() + AIndex, nullptr);
  if (FUseRecordID) CheckRecordID(AIndex);
}

void TcxDataStorage::DeleteRecord(Integer AIndex) {
  Byte*& buffer = BufferSlot(AIndex);
  FreeRecordBuffer(buffer, ValueDefsByRecordIndex(AIndex));
  if (AIndex < 0) return;  // the internal slot stays for reuse
  FRecords.erase(FRecords.begin() + AIndex);
  CheckRecordIDCounter();
}

Integer TcxDataStorage::AddInternalRecord() {
  size_t slot = 0;
  while (slot < FInternalRecords.size() && FInternalRecords[slot] && (FInternalRecords[slot][0] & 1)) ++slot;
  if (slot == FInternalRecords.size()) FInternalRecords.push_back(nullptr);
  const Integer index = -static_cast<Integer>(slot) - 1;
  Byte* buffer = AllocRecordBuffer(index);
  buffer[0] |= 1;
  return index;
}

void TcxDataStorage::ClearInternalRecords() {
  for (Byte*& buffer : FInternalRecords) FreeRecordBuffer(buffer, FInternalValueDefs);
  FInternalRecords.clear();
  if (OnClearInternalRecords) OnClearInternalRecords(this);
}

void TcxDataStorage::ClearRecords(bool AClearList) {
  for (Byte*& buffer : FRecords) FreeRecordBuffer(buffer, FValueDefs);
  if (AClearList) FRecords.clear();
  CheckRecordIDCounter();
  CheckRecordID(-1);
}

void TcxDataStorage::Clear(bool AKeepInternalRecords) {
  if (!AKeepInternalRecords) ClearInternalRecords();
  ClearRecords(true);
}

// ---- Storage: values -----------------------------------------------------------------------------------

TcxValueDef* TcxDataStorage::MapValueDef(Integer ARecordIndex, TcxValueDef* AValueDef) {
  if (ARecordIndex < 0 && !System::Is<TcxInternalValueDef>(AValueDef)) return FInternalValueDefs->FindByLinkObject(AValueDef);
  return AValueDef;
}

Variant TcxDataStorage::GetValue(Integer ARecordIndex, TcxValueDef* AValueDef) {
  AValueDef = MapValueDef(ARecordIndex, AValueDef);
  if (!AValueDef) return Null();
  return AValueDef->GetDataValue(BufferSlot(ARecordIndex));
}

void TcxDataStorage::SetValue(Integer ARecordIndex, TcxValueDef* AValueDef, const Variant& AValue) {
  AValueDef = MapValueDef(ARecordIndex, AValueDef);
  if (!AValueDef || !AValueDef->GetStored()) return;
  AValueDef->SetDataValue(AllocRecordBuffer(ARecordIndex), AValue);
}

String TcxDataStorage::GetDisplayText(Integer ARecordIndex, TcxValueDef* AValueDef) {
  AValueDef = MapValueDef(ARecordIndex, AValueDef);
  if (!AValueDef) return String();
  return AValueDef->GetDisplayText(BufferSlot(ARecordIndex));
}

void TcxDataStorage::SetDisplayText(Integer ARecordIndex, TcxValueDef* AValueDef, const String& AText) {
  AValueDef = MapValueDef(ARecordIndex, AValueDef);
  if (!AValueDef || !AValueDef->GetTextStored()) return;
  AValueDef->SetDisplayText(AllocRecordBuffer(ARecordIndex), AText);
}

Integer TcxDataStorage::CompareRecords(Integer ARecordIndex1, Integer ARecordIndex2, TcxValueDef* AValueDef) {
  return AValueDef->Compare(BufferSlot(ARecordIndex1), BufferSlot(ARecordIndex2));
}

bool TcxDataStorage::GetCompareInfo(Integer ARecordIndex, TcxValueDef* AValueDef, const void*& P) {
  P = nullptr;
  if (ARecordIndex >= 0 && static_cast<size_t>(ARecordIndex) < FRecords.size()) {
    // An ordinary record, the scans' case: its own definition, no mapping.
    const Byte* buffer = FRecords[static_cast<size_t>(ARecordIndex)];
    if (!AValueDef || AValueDef->IsNullValueEx(buffer)) return true;
    P = AValueDef->FValueTypeClass->PrepareValueBuffer(buffer + AValueDef->FOffset + 1);
    return false;
  }
  AValueDef = MapValueDef(ARecordIndex, AValueDef);
  const Byte* buffer = BufferSlot(ARecordIndex);
  P = nullptr;
  if (!AValueDef || AValueDef->IsNullValueEx(buffer)) return true;
  P = AValueDef->FValueTypeClass->PrepareValueBuffer(buffer + AValueDef->FOffset + 1);
  return false;
}

// ---- Storage: record IDs -------------------------------------------------------------------------------

Integer TcxDataStorage::GetRecordID(Integer ARecordIndex) {
  Integer id;
  std::memcpy(&id, AllocRecordBuffer(ARecordIndex) + 1, 4);
  return id;
}

void TcxDataStorage::SetRecordID(Integer ARecordIndex, Integer AID) {
  std::memcpy(AllocRecordBuffer(ARecordIndex) + 1, &AID, 4);
}

void TcxDataStorage::CheckRecordID(Integer AIndex) {
  if (!FUseRecordID) return;
  auto check = [this](Integer index) {
    if (GetRecordID(index) == 0) SetRecordID(index, FRecordIDCounter++);
  };
  if (AIndex == -1) {
    for (Integer i = 0; i < GetRecordCount(); ++i) check(i);
  } else {
    check(AIndex);
  }
}

void TcxDataStorage::CheckRecordIDCounter() {
  if (FRecords.empty()) FRecordIDCounter = 1;
}

void TcxDataStorage::CheckRecordIDCounterAfterLoad(Integer AID) {
  if (AID >= FRecordIDCounter) FRecordIDCounter = AID + 1;
}

// ---- Storage: streams ----------------------------------------------------------------------------------

void TcxDataStorage::WriteData(Integer ARecordIndex, TStream* AStream) {
  const Byte* buffer = BufferSlot(ARecordIndex);
  WriteByteProc(AStream, buffer ? 0 : 1);
  if (!buffer) return;
  if (FUseRecordID) {
    Integer id;
    std::memcpy(&id, buffer + 1, 4);
    WriteIntegerProc(AStream, id);
  }
  for (Integer i = 0; i < FValueDefs->Count(); ++i) {
    TcxValueDef* def = FValueDefs->GetItem(i);
    if (!def->FStreamed || !def->GetStored()) continue;
    def->WriteDataValue(buffer, AStream);
    if (def->GetTextStored()) def->WriteDisplayText(buffer, AStream);
  }
}

void TcxDataStorage::ReadData(Integer ARecordIndex, TStream* AStream) {
  if (ReadByteFunc(AStream) == 1) {
    FreeRecordBuffer(BufferSlot(ARecordIndex), FValueDefs);
    return;
  }
  Byte* buffer = AllocRecordBuffer(ARecordIndex);
  if (FUseRecordID) {
    const Integer id = ReadIntegerFunc(AStream);
    SetRecordID(ARecordIndex, id);
    CheckRecordIDCounterAfterLoad(id);
  }
  for (Integer i = 0; i < FValueDefs->Count(); ++i) {
    TcxValueDef* def = FValueDefs->GetItem(i);
    if (!def->FStreamed || !def->GetStored()) continue;
    def->ReadDataValue(buffer, AStream);
    if (def->GetTextStored()) def->ReadDisplayText(buffer, AStream);
  }
}

void TcxDataStorage::BeginStreaming(TcxValueDefCompareProc ACompare) {
  EndStreaming();
  auto* order = new std::vector<TcxValueDef*>(FValueDefs->FItems);
  if (ACompare)
    std::stable_sort(order->begin(), order->end(),
                     [ACompare](TcxValueDef* a, TcxValueDef* b) { return ACompare(a, b) < 0; });
  FStreamingDefs = order;
}

void TcxDataStorage::EndStreaming() {
  delete FStreamingDefs;
  FStreamingDefs = nullptr;
}

void TcxDataStorage::ReadRecord(Integer ARecordIndex, TcxValueDefReader* AValueDefReader) {
  Byte* buffer = AllocRecordBuffer(ARecordIndex);
  TcxValueDefs* defs = ValueDefsByRecordIndex(ARecordIndex);
  for (TcxValueDef* def : defs->FItems) {
    if (AValueDefReader->IsInternal(def) || !def->GetStored()) continue;
    def->SetDataValue(buffer, AValueDefReader->GetValue(def));
    if (def->GetTextStored()) def->SetDisplayText(buffer, AValueDefReader->GetDisplayText(def));
  }
}

void TcxDataStorage::ReadRecordFrom(Integer AFromRecordIndex, Integer AToRecordIndex,
                                    TcxValueDefReader* AValueDefReader, TcxValueDefSetProc ASetProc) {
  for (TcxValueDef* def : ValueDefsByRecordIndex(AFromRecordIndex)->FItems)
    ASetProc(def, AFromRecordIndex, AToRecordIndex, AValueDefReader);
}

// ---- Lookup list ---------------------------------------------------------------------------------------

IMPLEMENT_CLASS(TcxLookupList)

bool TcxLookupList::Find(const Variant& AKeyValue, Integer& AIndex) const {
  Integer low = 0, high = Count() - 1;
  while (low <= high) {
    const Integer middle = (low + high) / 2;
    const Integer r = VarCompare(FItems[static_cast<size_t>(middle)].KeyValue, AKeyValue);
    if (r == 0) {
      AIndex = middle;
      return true;
    }
    if (r < 0)
      low = middle + 1;
    else
      high = middle - 1;
  }
  AIndex = low;
  return false;
}

void TcxLookupList::Insert(Integer AIndex, const Variant& AKeyValue, const String& ADisplayText) {
  AIndex = std::clamp(AIndex, 0, Count());
  FItems.insert(FItems.begin() + AIndex, TcxLookupListItem{AKeyValue, ADisplayText});
}

}  // namespace cxDataStorage
