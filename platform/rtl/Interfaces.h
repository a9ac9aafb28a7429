// Interfaces: abstract classes identified by a GUID, queried on objects at run time.
//
// Declaring an interface: an abstract class that derives virtually from IInterface (so that a class
// implementing several interfaces has one set of reference-counting operations) and names its GUID:
//
//   class IcxFoo : public virtual IInterface {
//     DECLARE_INTERFACE_GUID(IcxFoo, "{84A4BCBE-E001-4D60-B7A6-75E2B0DCD3E9}")
//    public:
//     virtual void Bar() = 0;
//   };
//
// A class implements it by deriving from it, next to a base that supplies the three IInterface
// operations: TInterfacedObject (counted), or TNoRefCountObject mixed into a TObject descendant
// (components, persistents: never freed through interface references).
//
// Finding it: `Supports<IcxFoo>(obj)` answers the object's IcxFoo or null (a plain cross-cast, no
// reference taken); this is the everyday form. The GUID forms (`Supports(obj, iid, &p)`,
// `GetInterface`, `QueryInterface`) follow the platform's rule: on success they hand out a counted
// reference that the caller releases (a no-op for non-counted objects). A GUID is mapped to its
// interface through a registry: RegisterInterface<I>() (idempotent; the template forms register
// their interface themselves) must have run before a GUID-only lookup of I can succeed.
#pragma once

#include <atomic>
#include <type_traits>
#include <vector>

#include "Guids.h"
#include "System.h"

namespace SyncObjs {
class TCriticalSection;
}

namespace Interfaces {

// In an interface's body: its GUID, and a marker that lets the registry check that every interface
// names its own GUID rather than silently inheriting its parent's.
#define DECLARE_INTERFACE_GUID(I, text)                                  \
 public:                                                                 \
  using InterfaceSelf = I;                                               \
  static constexpr ::Guids::TGUID InterfaceGUID = ::Guids::operator""_guid(text, sizeof(text) - 1);

class IInterface {
 public:
  using InterfaceSelf = IInterface;
  static constexpr TGUID InterfaceGUID = "{00000000-0000-0000-C000-000000000046}"_guid;

  // S_OK with a counted reference in *obj, or E_NOINTERFACE (0x80004002) with *obj = null.
  virtual HRESULT QueryInterface(const TGUID& iid, void** obj) = 0;
  virtual Integer _AddRef() = 0;
  virtual Integer _Release() = 0;

 protected:
  virtual ~IInterface() = default;
};
using IUnknown = IInterface;

template <class I>
concept InterfaceType = std::is_base_of_v<IInterface, I> && std::is_same_v<typename I::InterfaceSelf, I>;

// The GUID of an interface type.
template <InterfaceType I>
constexpr const TGUID& IIDOf() {
  return I::InterfaceGUID;
}

// ---- GUID registry ------------------------------------------------------------------------------------
// How a GUID reaches its C++ interface: from an object to its interface (as void*, pointing at the
// interface sub-object; null when the object lacks it), and from such a pointer back to the
// IInterface whose counting it uses.
struct TInterfaceEntry {
  void* (*Cast)(TObject* obj) = nullptr;
  IInterface* (*Unknown)(void* intf) = nullptr;
  explicit operator bool() const { return Cast != nullptr; }
};
void RegisterInterface(const TGUID& iid, const TInterfaceEntry& entry);
TInterfaceEntry FindInterface(const TGUID& iid);  // empty for an unregistered GUID

template <InterfaceType I>
void* CastToInterface(TObject* obj) {
  return static_cast<void*>(dynamic_cast<I*>(obj));
}
template <InterfaceType I>
IInterface* InterfaceToUnknown(void* intf) {
  return static_cast<I*>(intf);
}
template <InterfaceType I>
void RegisterInterface() {
  static const bool registered =
      (RegisterInterface(I::InterfaceGUID, TInterfaceEntry{&CastToInterface<I>, &InterfaceToUnknown<I>}), true);
  (void)registered;
}

// ---- Queries on arbitrary objects ----------------------------------------------------------------------
// The object-level query: the object's interface of that GUID from its own class (the registry),
// with a counted reference taken. False, *out = null, when the class does not implement it.
bool GetInterface(TObject* obj, const TGUID& iid, void** out);
// Asks an object that implements IInterface through its QueryInterface (which may answer for
// interfaces it delegates), otherwise as GetInterface. A null object supports nothing.
bool Supports(TObject* obj, const TGUID& iid, void** out);
bool Supports(TObject* obj, const TGUID& iid);
bool Supports(IInterface* intf, const TGUID& iid, void** out);
bool Supports(IInterface* intf, const TGUID& iid);
// An object that is both a TObject and an IInterface is asked as an object (which goes to its QueryInterface).
template <class T>
  requires(std::is_base_of_v<TObject, T> && std::is_base_of_v<IInterface, T>)
bool Supports(T* obj, const TGUID& iid, void** out) {
  return Supports(static_cast<TObject*>(obj), iid, out);
}
template <class T>
  requires(std::is_base_of_v<TObject, T> && std::is_base_of_v<IInterface, T>)
bool Supports(T* obj, const TGUID& iid) {
  return Supports(static_cast<TObject*>(obj), iid);
}

// The everyday form: the object's I or null, without a reference taken.
template <InterfaceType I, class T>
I* Supports(T* obj) {
  RegisterInterface<I>();
  return dynamic_cast<I*>(obj);
}
template <InterfaceType I, class T>
bool Supports(T* obj, I*& out) {
  out = Supports<I>(obj);
  return out != nullptr;
}

// ---- Implementations of IInterface ---------------------------------------------------------------------
// The mix-in for objects whose life is never tied to interface references (components, persistents,
// framework objects that answer queries): adding and releasing return -1 and free nothing; the query
// answers from the object's class. Mix it into a TObject descendant.
class TNoRefCountObject : public virtual IInterface {
 public:
  HRESULT QueryInterface(const TGUID& iid, void** obj) override;
  Integer _AddRef() override { return -1; }
  Integer _Release() override { return -1; }
};

// A counted object: freed (Free) when the last reference is released. The count starts at 0; during
// construction it is held up so that references taken and dropped there do not free the object.
// Freeing it by hand while references remain raises EInvalidPointer.
class TInterfacedObject : public TObject, public virtual IInterface {
  DECLARE_CLASS(TInterfacedObject, TObject)
 public:
  HRESULT QueryInterface(const TGUID& iid, void** obj) override;
  Integer _AddRef() override;
  Integer _Release() override;
  Integer RefCount() const { return FRefCount.load(); }

 protected:
  TInterfacedObject() = default;
  void AfterConstruction() override;
  void BeforeDestruction() override;

 private:
  std::atomic<Integer> FRefCount{1};  // 1 until AfterConstruction: the construction guard
  bool FFreeing = false;              // references taken and dropped while it is freed free nothing
};

// A counted reference to an interface, as an interface variable of the design holds one: taking a
// reference adds one, dropping it releases one.
template <InterfaceType I>
class TInterfaceRef {
 public:
  TInterfaceRef() = default;
  TInterfaceRef(std::nullptr_t) {}
  TInterfaceRef(I* intf) : FIntf(intf) {
    if (FIntf) FIntf->_AddRef();
  }
  TInterfaceRef(const TInterfaceRef& other) : TInterfaceRef(other.FIntf) {}
  TInterfaceRef(TInterfaceRef&& other) noexcept : FIntf(other.FIntf) { other.FIntf = nullptr; }
  ~TInterfaceRef() { Reset(); }
  TInterfaceRef& operator=(TInterfaceRef other) noexcept {
    std::swap(FIntf, other.FIntf);
    return *this;
  }
  // Takes over a reference already counted (as a GUID query hands it out).
  static TInterfaceRef Adopt(I* intf) {
    TInterfaceRef r;
    r.FIntf = intf;
    return r;
  }
  void Reset() {
    if (I* p = FIntf) {
      FIntf = nullptr;
      p->_Release();
    }
  }
  I* Get() const { return FIntf; }
  I* operator->() const { return FIntf; }
  explicit operator bool() const { return FIntf != nullptr; }
  friend bool operator==(const TInterfaceRef& a, const TInterfaceRef& b) { return a.FIntf == b.FIntf; }

 private:
  I* FIntf = nullptr;
};

// The GUID query with a typed result: the counted reference it hands out, held.
template <InterfaceType I>
TInterfaceRef<I> QueryInterfaceRef(IInterface* intf) {
  RegisterInterface<I>();
  void* p = nullptr;
  if (!Supports(intf, I::InterfaceGUID, &p)) return nullptr;
  return TInterfaceRef<I>::Adopt(static_cast<I*>(p));
}

// ---- TInterfaceList ------------------------------------------------------------------------------------
// A list of interface references, each counted while it is in the list; itself a counted object.
// Index errors raise EListError "List index out of bounds (%d)". Safe to use from several threads
// (every operation takes the list's lock; Lock/Unlock group several).
class TInterfaceList : public TInterfacedObject {
  DECLARE_CLASS(TInterfaceList, TInterfacedObject)
 public:
  Integer Add(IInterface* item);
  void Insert(Integer index, IInterface* item);
  void Delete(Integer index);
  Integer Remove(IInterface* item);  // the index it had, or -1
  Integer IndexOf(IInterface* item) const;
  void Exchange(Integer index1, Integer index2);
  void Clear();
  IInterface* First() const;
  IInterface* Last() const;
  IInterface* GetItems(Integer index) const;
  void SetItems(Integer index, IInterface* item);
  IInterface* operator[](Integer index) const { return GetItems(index); }
  Integer GetCount() const;
  void SetCount(Integer value);  // growth adds empty entries
  Integer GetCapacity() const;
  void SetCapacity(Integer value);
  void Lock() const;
  void Unlock() const;

 protected:
  TInterfaceList() = default;
  void Destroy() override;

 private:
  void CheckIndex(Integer index) const;
  std::vector<IInterface*> FItems;
  SyncObjs::TCriticalSection* FLock = nullptr;
  void Construct() override;
};

}  // namespace Interfaces

using namespace Interfaces;
