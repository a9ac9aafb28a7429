#include "System.h"

#include <cmath>
#include <map>
#include <mutex>
#include <unordered_map>

#include "Exceptions.h"
#include "SysConst.h"

namespace System {

Currency Currency::FromDouble(double value) {
  double scaled = value * Scale;
  if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.2233720368547758e18)
    throw EOverflow("Floating point overflow");
  return Currency{static_cast<Int64>(std::nearbyint(scaled))};  // the default mode rounds halves to even
}

bool TClassRec::InheritsFrom(TClass ancestor) const {
  for (TClass c = this; c; c = c->Parent)
    if (c == ancestor) return true;
  return false;
}

TObject* TClassRec::Create() const {
  if (!NewInstance) throw EAbstractError(String("Cannot create an instance of abstract class ") + Name);
  return TObject::Initialize(NewInstance());
}

void TObjectFactory::Delete(TObject* obj) { delete obj; }

TObject* ClassInstance(TClass cls) {
  if (!cls) RaiseInvalidCast();
  // Never destroyed: the instances stay reachable until the process ends.
  static std::mutex lock;
  static auto* instances = new std::unordered_map<TClass, TObject*>;
  std::lock_guard<std::mutex> guard(lock);
  TObject*& instance = (*instances)[cls];
  if (!instance) instance = cls->Create();
  return instance;
}

TClass TObject::StaticClass() {
  static const TClassRec rec{"TObject", nullptr, &NewInstanceOf<TObject>, &TObject::DescribeClass};
  return &rec;
}

TObject* TObject::Initialize(TObject* obj) {
  try {
    obj->Construct();
    obj->AfterConstruction();
  } catch (...) {
    // The design's rule: a constructor that raises runs the destructor on what it had built.
    try {
      obj->Destroy();
    } catch (...) {
    }
    TObjectFactory::Delete(obj);
    throw;
  }
  return obj;
}

void TObject::Free() {
  BeforeDestruction();
  Destroy();
  TObjectFactory::Delete(this);
}

void RaiseInvalidCast() { throw EInvalidCast(SysConst::SInvalidCast); }

// ---- Class registry ---------------------------------------------------------------------------------
namespace {
struct NoCaseLess {
  bool operator()(const String& a, const String& b) const {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
      int ca = std::tolower(static_cast<unsigned char>(a[i])), cb = std::tolower(static_cast<unsigned char>(b[i]));
      if (ca != cb) return ca < cb;
    }
    return a.size() < b.size();
  }
};
std::mutex registryLock;
std::map<String, TClass, NoCaseLess>& Registry() {
  static std::map<String, TClass, NoCaseLess> classes;
  return classes;
}
}  // namespace

void RegisterClass(TClass cls) {
  std::lock_guard guard(registryLock);
  auto [it, added] = Registry().emplace(cls->Name, cls);
  if (!added && it->second != cls) {
    String msg = SysConst::SDuplicateClass;
    msg.replace(msg.find("%s"), 2, cls->Name);
    throw EFilerError(msg);
  }
}

void RegisterClasses(std::initializer_list<TClass> classes) {
  for (TClass c : classes) RegisterClass(c);
}

void UnRegisterClass(TClass cls) {
  std::lock_guard guard(registryLock);
  auto it = Registry().find(cls->Name);
  if (it != Registry().end() && it->second == cls) Registry().erase(it);
}

TClass GetClass(const String& name) {
  std::lock_guard guard(registryLock);
  auto it = Registry().find(name);
  return it == Registry().end() ? nullptr : it->second;
}

TClass FindClass(const String& name) {
  if (TClass c = GetClass(name)) return c;
  String msg = SysConst::SClassNotFound;
  msg.replace(msg.find("%s"), 2, name);
  throw EClassNotFound(msg);
}

}  // namespace System
