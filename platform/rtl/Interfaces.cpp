#include "Interfaces.h"

#include <map>
#include <mutex>

#include "Exceptions.h"
#include "SysConst.h"
#include "SyncObjs.h"
#include "WinDef.h"

namespace Interfaces {

// ---- GUID registry ------------------------------------------------------------------------------------
namespace {
struct TRegistry {
  std::mutex Lock;
  std::map<TGUID, TInterfaceEntry> Entries{
      {IInterface::InterfaceGUID, TInterfaceEntry{&CastToInterface<IInterface>, &InterfaceToUnknown<IInterface>}}};
};
TRegistry& Registry() {
  static TRegistry registry;
  return registry;
}
}  // namespace

void RegisterInterface(const TGUID& iid, const TInterfaceEntry& entry) {
  auto& r = Registry();
  std::lock_guard guard(r.Lock);
  r.Entries[iid] = entry;
}

TInterfaceEntry FindInterface(const TGUID& iid) {
  auto& r = Registry();
  std::lock_guard guard(r.Lock);
  auto it = r.Entries.find(iid);
  return it == r.Entries.end() ? TInterfaceEntry{} : it->second;
}

// ---- Queries -----------------------------------------------------------------------------------------------
bool GetInterface(TObject* obj, const TGUID& iid, void** out) {
  if (!out) return false;
  *out = nullptr;
  if (!obj) return false;
  TInterfaceEntry entry = FindInterface(iid);
  void* found = entry ? entry.Cast(obj) : nullptr;
  if (!found) return false;
  entry.Unknown(found)->_AddRef();
  *out = found;
  return true;
}

bool Supports(IInterface* intf, const TGUID& iid, void** out) {
  if (!out) return false;
  *out = nullptr;
  return intf && intf->QueryInterface(iid, out) == S_OK && *out;
}

bool Supports(IInterface* intf, const TGUID& iid) {
  void* p = nullptr;
  if (!Supports(intf, iid, &p)) return false;
  // The reference belongs to the object that answered, which may be another one that intf
  // delegates to; without its entry, the answer can only have been intf's own.
  TInterfaceEntry entry = FindInterface(iid);
  (entry ? entry.Unknown(p) : intf)->_Release();
  return true;
}

bool Supports(TObject* obj, const TGUID& iid, void** out) {
  if (IInterface* intf = dynamic_cast<IInterface*>(obj)) return Supports(intf, iid, out);
  return GetInterface(obj, iid, out);
}

bool Supports(TObject* obj, const TGUID& iid) {
  if (IInterface* intf = dynamic_cast<IInterface*>(obj)) return Supports(intf, iid);
  void* p = nullptr;
  return GetInterface(obj, iid, &p);  // no interface, no reference to give back
}

// ---- Implementations of IInterface ---------------------------------------------------------------------
HRESULT TNoRefCountObject::QueryInterface(const TGUID& iid, void** obj) {
  return GetInterface(dynamic_cast<TObject*>(this), iid, obj) ? S_OK : E_NOINTERFACE;
}

IMPLEMENT_CLASS(TInterfacedObject)

HRESULT TInterfacedObject::QueryInterface(const TGUID& iid, void** obj) {
  return GetInterface(this, iid, obj) ? S_OK : E_NOINTERFACE;
}

Integer TInterfacedObject::_AddRef() { return ++FRefCount; }

Integer TInterfacedObject::_Release() {
  Integer count = --FRefCount;
  if (count == 0 && !FFreeing) {
    FFreeing = true;
    Free();
  }
  return count;
}

void TInterfacedObject::AfterConstruction() {
  inherited::AfterConstruction();
  --FRefCount;  // lifts the construction guard
}

void TInterfacedObject::BeforeDestruction() {
  if (FRefCount != 0) throw EInvalidPointer("Invalid pointer operation");
  FFreeing = true;
  inherited::BeforeDestruction();
}

// ---- TInterfaceList ------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TInterfaceList)

void TInterfaceList::Construct() {
  inherited::Construct();
  FLock = New<TCriticalSection>();
}

void TInterfaceList::Destroy() {
  if (FLock) {
    Clear();
    FreeAndNil(FLock);
  }
  inherited::Destroy();
}

void TInterfaceList::Lock() const { FLock->Enter(); }
void TInterfaceList::Unlock() const { FLock->Leave(); }

void TInterfaceList::CheckIndex(Integer index) const {
  if (index < 0 || index >= static_cast<Integer>(FItems.size())) {
    String msg = SysConst::SListIndexError;
    msg.replace(msg.find("%d"), 2, std::to_string(index));
    throw EListError(msg);
  }
}

Integer TInterfaceList::Add(IInterface* item) {
  TCriticalSectionGuard guard(FLock);
  if (item) item->_AddRef();
  FItems.push_back(item);
  return static_cast<Integer>(FItems.size()) - 1;
}

void TInterfaceList::Insert(Integer index, IInterface* item) {
  TCriticalSectionGuard guard(FLock);
  if (index != static_cast<Integer>(FItems.size())) CheckIndex(index);
  if (item) item->_AddRef();
  FItems.insert(FItems.begin() + index, item);
}

// Releasing may free an object whose destruction comes back to this list, so an item leaves the
// list before its reference is released.
void TInterfaceList::Delete(Integer index) {
  IInterface* item;
  {
    TCriticalSectionGuard guard(FLock);
    CheckIndex(index);
    item = FItems[static_cast<size_t>(index)];
    FItems.erase(FItems.begin() + index);
  }
  if (item) item->_Release();
}

Integer TInterfaceList::Remove(IInterface* item) {
  TCriticalSectionGuard guard(FLock);
  Integer index = IndexOf(item);
  if (index >= 0) Delete(index);
  return index;
}

Integer TInterfaceList::IndexOf(IInterface* item) const {
  TCriticalSectionGuard guard(FLock);
  for (size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i] == item) return static_cast<Integer>(i);
  return -1;
}

void TInterfaceList::Exchange(Integer index1, Integer index2) {
  TCriticalSectionGuard guard(FLock);
  CheckIndex(index1);
  CheckIndex(index2);
  std::swap(FItems[static_cast<size_t>(index1)], FItems[static_cast<size_t>(index2)]);
}

void TInterfaceList::Clear() {
  std::vector<IInterface*> items;
  {
    TCriticalSectionGuard guard(FLock);
    items.swap(FItems);
  }
  for (IInterface* item : items)
    if (item) item->_Release();
}

IInterface* TInterfaceList::First() const { return GetItems(0); }

IInterface* TInterfaceList::Last() const {
  TCriticalSectionGuard guard(FLock);
  return GetItems(static_cast<Integer>(FItems.size()) - 1);
}

IInterface* TInterfaceList::GetItems(Integer index) const {
  TCriticalSectionGuard guard(FLock);
  CheckIndex(index);
  return FItems[static_cast<size_t>(index)];
}

void TInterfaceList::SetItems(Integer index, IInterface* item) {
  IInterface* old;
  {
    TCriticalSectionGuard guard(FLock);
    CheckIndex(index);
    if (item) item->_AddRef();
    old = FItems[static_cast<size_t>(index)];
    FItems[static_cast<size_t>(index)] = item;
  }
  if (old) old->_Release();
}

Integer TInterfaceList::GetCount() const {
  TCriticalSectionGuard guard(FLock);
  return static_cast<Integer>(FItems.size());
}

void TInterfaceList::SetCount(Integer value) {
  if (value < 0) {
    String msg = SysConst::SListCountError;
    msg.replace(msg.find("%d"), 2, std::to_string(value));
    throw EListError(msg);
  }
  std::vector<IInterface*> dropped;
  {
    TCriticalSectionGuard guard(FLock);
    if (static_cast<size_t>(value) < FItems.size()) {
      dropped.assign(FItems.begin() + value, FItems.end());
      FItems.resize(static_cast<size_t>(value));
    } else {
      FItems.resize(static_cast<size_t>(value), nullptr);
    }
  }
  for (IInterface* item : dropped)
    if (item) item->_Release();
}

Integer TInterfaceList::GetCapacity() const {
  TCriticalSectionGuard guard(FLock);
  return static_cast<Integer>(FItems.capacity());
}

void TInterfaceList::SetCapacity(Integer value) {
  TCriticalSectionGuard guard(FLock);
  if (value < static_cast<Integer>(FItems.size())) {
    String msg = SysConst::SListCapacityError;
    msg.replace(msg.find("%d"), 2, std::to_string(value));
    throw EListError(msg);
  }
  FItems.reserve(static_cast<size_t>(value));
}

}  // namespace Interfaces
