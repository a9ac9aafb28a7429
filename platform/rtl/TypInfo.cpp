#include "TypInfo.h"

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>

#include "Exceptions.h"
#include "SysConst.h"

namespace TypInfo {

namespace {

bool SameName(const String& a, const String& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

String TrimSpaces(const String& s) {
  size_t b = s.find_first_not_of(" \t\r\n"), e = s.find_last_not_of(" \t\r\n");
  return b == String::npos ? String() : s.substr(b, e - b + 1);
}

// Type information lives as long as the program: made once, never freed.
template <class F>
const TTypeInfo* Cached(const String& key, F make) {
  static std::mutex lock;
  static std::map<String, std::unique_ptr<TTypeInfo>> cache;
  std::lock_guard guard(lock);
  auto& slot = cache[key];
  if (!slot) slot = std::make_unique<TTypeInfo>(make());
  return slot.get();
}

struct TClassTables {
  std::vector<TPropInfo> Props;
  std::vector<TMethodEntry> Methods;
};

const TClassTables& TablesOf(TClass cls) {
  static std::recursive_mutex lock;
  static std::map<TClass, std::unique_ptr<TClassTables>> tables;
  std::lock_guard guard(lock);
  auto& slot = tables[cls];
  if (!slot) {
    slot = std::make_unique<TClassTables>();
    TClassDescriber d(cls, slot->Props, slot->Methods);
    if (cls->Describe) cls->Describe(d);
  }
  return *slot;
}

[[noreturn]] void RaiseUnknownProperty(const String& name) {
  String msg = SysConst::SUnknownProperty;
  msg.replace(msg.find("%s"), 2, name);
  throw EPropertyError(msg);
}

const TPropInfo& RequireProp(const TObject* obj, const String& name) {
  const TPropInfo* p = GetPropInfo(obj, name);
  if (!p) RaiseUnknownProperty(name);
  return *p;
}

template <class F>
const F& Reader(const TPropInfo& p, const F& accessor) {
  if (!accessor) throw EPropertyError(SysConst::SInvalidPropertyValue + String(": ") + p.Name);
  return accessor;
}
template <class F>
const F& Writer(const TPropInfo& p, const F& accessor) {
  if (!accessor) throw EPropertyError(String(SysConst::SReadOnlyProperty) + ": " + p.Name);
  return accessor;
}

}  // namespace

// ---- Type information ----------------------------------------------------------------------------------
const TTypeInfo* MakeEnumTypeInfo(const char* name, const char* members) {
  return Cached(String("enum:") + name, [&] {
    TTypeInfo t;
    t.Kind = tkEnumeration;
    t.Name = name;
    String list = members;
    size_t start = 0;
    while (start <= list.size()) {
      size_t comma = list.find(',', start);
      String member = TrimSpaces(list.substr(start, comma == String::npos ? String::npos : comma - start));
      if (!member.empty()) t.Names.push_back(member.substr(0, member.find_first_of(" =")));
      if (comma == String::npos) break;
      start = comma + 1;
    }
    t.OrdType = t.Names.size() <= 256 ? otUByte : otUWord;
    t.MinValue = 0;
    t.MaxValue = static_cast<Int64>(t.Names.size()) - 1;
    return t;
  });
}

const TTypeInfo* MakeSetTypeInfo(const TTypeInfo* memberType) {
  return Cached("set:" + memberType->Name, [&] {
    TTypeInfo t;
    t.Kind = tkSet;
    t.Name = "set of " + memberType->Name;
    t.CompType = memberType;
    return t;
  });
}

const TTypeInfo* MakeIdentIntTypeInfo(const char* name, bool (*identToInt)(const String&, Int64&),
                                      bool (*intToIdent)(Int64, String&)) {
  return Cached(String("ident:") + name, [&] {
    TTypeInfo t;
    t.Kind = tkInteger;
    t.Name = name;
    t.MinValue = INT32_MIN;
    t.MaxValue = INT32_MAX;
    t.IdentToInt = identToInt;
    t.IntToIdent = intToIdent;
    return t;
  });
}

const TTypeInfo* BooleanTypeInfo() {
  static const TTypeInfo* info = MakeEnumTypeInfo("Boolean", "False, True");
  return info;
}

const TTypeInfo* IntegerTypeInfo(TOrdType ordType, const char* name) {
  return Cached(String("int:") + name + std::to_string(ordType), [&] {
    TTypeInfo t;
    t.Kind = tkInteger;
    t.Name = name;
    t.OrdType = ordType;
    switch (ordType) {
      case otSByte: t.MinValue = INT8_MIN; t.MaxValue = INT8_MAX; break;
      case otUByte: t.MinValue = 0; t.MaxValue = UINT8_MAX; break;
      case otSWord: t.MinValue = INT16_MIN; t.MaxValue = INT16_MAX; break;
      case otUWord: t.MinValue = 0; t.MaxValue = UINT16_MAX; break;
      case otSLong: t.MinValue = INT32_MIN; t.MaxValue = INT32_MAX; break;
      case otULong: t.MinValue = 0; t.MaxValue = UINT32_MAX; break;
    }
    return t;
  });
}

const TTypeInfo* Int64TypeInfo() {
  return Cached("Int64", [] {
    TTypeInfo t;
    t.Kind = tkInt64;
    t.Name = "Int64";
    t.MinValue = INT64_MIN;
    t.MaxValue = INT64_MAX;
    return t;
  });
}

const TTypeInfo* FloatTypeInfo(TFloatType floatType) {
  static const char* names[] = {"Single", "Double", "Extended", "Comp", "Currency"};
  return Cached(String("float:") + names[floatType], [&] {
    TTypeInfo t;
    t.Kind = tkFloat;
    t.Name = names[floatType];
    t.FloatType = floatType;
    return t;
  });
}

const TTypeInfo* StringTypeInfo(TTypeKind kind) {
  return Cached("str:" + std::to_string(kind), [&] {
    TTypeInfo t;
    t.Kind = kind;
    switch (kind) {
      case tkChar: t.Name = "Char"; t.MaxValue = 255; break;
      case tkWChar: t.Name = "WideChar"; t.MaxValue = 65535; break;
      case tkWString: t.Name = "WideString"; break;
      case tkVariant: t.Name = "Variant"; break;
      default: t.Name = "String"; break;
    }
    return t;
  });
}

const TTypeInfo* ClassTypeInfo(TClass cls) {
  return Cached(String("class:") + cls->Name + ":" + std::to_string(reinterpret_cast<uintptr_t>(cls)), [&] {
    TTypeInfo t;
    t.Kind = tkClass;
    t.Name = cls->Name;
    t.ClassType = cls;
    return t;
  });
}

const TTypeInfo* MethodTypeInfo(const std::type_info& signature) {
  return Cached(String("method:") + signature.name(), [&] {
    TTypeInfo t;
    t.Kind = tkMethod;
    t.Name = signature.name();
    return t;
  });
}

String GetEnumName(const TTypeInfo* info, Int64 value) {
  if (!info || value < 0 || value >= static_cast<Int64>(info->Names.size())) return String();
  return info->Names[static_cast<size_t>(value)];
}

Integer GetEnumValue(const TTypeInfo* info, const String& name) {
  for (size_t i = 0; info && i < info->Names.size(); ++i)
    if (SameName(info->Names[i], name)) return static_cast<Integer>(i);
  return -1;
}

std::vector<String> GetEnumValueNames(const TTypeInfo* info) { return info ? info->Names : std::vector<String>(); }

String SetToString(const TTypeInfo* setInfo, UInt64 value, bool brackets) {
  String r;
  const TTypeInfo* member = setInfo->CompType;
  for (size_t i = 0; i < member->Names.size() && i < 64; ++i)
    if (value & (UInt64{1} << i)) {
      if (!r.empty()) r += ',';
      r += member->Names[i];
    }
  return brackets ? "[" + r + "]" : r;
}

UInt64 StringToSet(const TTypeInfo* setInfo, const String& text) {
  String body = TrimSpaces(text);
  if (!body.empty() && body.front() == '[') body.erase(0, 1);
  if (!body.empty() && body.back() == ']') body.pop_back();
  UInt64 r = 0;
  size_t start = 0;
  while (start <= body.size()) {
    size_t comma = body.find(',', start);
    String name = TrimSpaces(body.substr(start, comma == String::npos ? String::npos : comma - start));
    if (!name.empty()) {
      Integer v = GetEnumValue(setInfo->CompType, name);
      if (v < 0 || v >= 64) throw EPropertyConvertError("Invalid property element: " + name);
      r |= UInt64{1} << v;
    }
    if (comma == String::npos) break;
    start = comma + 1;
  }
  return r;
}

// ---- Property tables -----------------------------------------------------------------------------------
bool TPropInfo::IsReadable() const {
  return GetOrd || GetFloat || GetStr || GetWStr || GetObj || GetMethod || GetVariant;
}
bool TPropInfo::IsWritable() const {
  return SetOrd || SetFloat || SetStr || SetWStr || SetObj || SetMethod || SetVariant;
}

TPropInfo& TClassDescriber::Add(const char* name, const TTypeInfo* type) {
  FProps.emplace_back();
  TPropInfo& p = FProps.back();
  p.Name = name;
  p.PropType = type;
  p.Owner = FClass;
  return p;
}

std::vector<const TPropInfo*> GetPropList(TClass cls, bool sortedByName) {
  std::vector<TClass> chain;
  for (TClass c = cls; c; c = c->Parent) chain.push_back(c);
  std::vector<const TPropInfo*> list;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    for (const TPropInfo& p : TablesOf(*it).Props) {
      auto same = std::find_if(list.begin(), list.end(), [&](const TPropInfo* q) { return SameName(q->Name, p.Name); });
      if (same != list.end()) *same = &p;
      else list.push_back(&p);
    }
  if (sortedByName)
    std::stable_sort(list.begin(), list.end(), [](const TPropInfo* a, const TPropInfo* b) {
      String x = a->Name, y = b->Name;
      std::transform(x.begin(), x.end(), x.begin(), ::toupper);
      std::transform(y.begin(), y.end(), y.begin(), ::toupper);
      return x < y;
    });
  return list;
}

const TPropInfo* GetPropInfo(TClass cls, const String& name) {
  for (TClass c = cls; c; c = c->Parent)
    for (const TPropInfo& p : TablesOf(c).Props)
      if (SameName(p.Name, name)) return &p;
  return nullptr;
}

const TPropInfo* GetPropInfo(const TObject* obj, const String& name) {
  return obj ? GetPropInfo(obj->ClassType(), name) : nullptr;
}

bool IsPublishedProp(const TObject* obj, const String& name) { return GetPropInfo(obj, name) != nullptr; }

bool IsStoredProp(const TObject* obj, const TPropInfo* prop) { return !prop->Stored || prop->Stored(obj); }

bool PropIsType(const TObject* obj, const String& name, TTypeKind kind) {
  return RequireProp(obj, name).PropType->Kind == kind;
}

Int64 GetOrdProp(TObject* obj, const String& name) {
  const TPropInfo& p = RequireProp(obj, name);
  return Reader(p, p.GetOrd)(obj);
}
void SetOrdProp(TObject* obj, const String& name, Int64 value) {
  const TPropInfo& p = RequireProp(obj, name);
  Writer(p, p.SetOrd)(obj, value);
}
String GetEnumProp(TObject* obj, const String& name) {
  const TPropInfo& p = RequireProp(obj, name);
  return GetEnumName(p.PropType, Reader(p, p.GetOrd)(obj));
}
void SetEnumProp(TObject* obj, const String& name, const String& value) {
  const TPropInfo& p = RequireProp(obj, name);
  Integer v = GetEnumValue(p.PropType, value);
  if (v < 0) throw EPropertyConvertError("Invalid property value: " + value);
  Writer(p, p.SetOrd)(obj, v);
}
String GetSetProp(TObject* obj, const String& name, bool brackets) {
  const TPropInfo& p = RequireProp(obj, name);
  return SetToString(p.PropType, static_cast<UInt64>(Reader(p, p.GetOrd)(obj)), brackets);
}
void SetSetProp(TObject* obj, const String& name, const String& value) {
  const TPropInfo& p = RequireProp(obj, name);
  Writer(p, p.SetOrd)(obj, static_cast<Int64>(StringToSet(p.PropType, value)));
}
double GetFloatProp(TObject* obj, const String& name) {
  const TPropInfo& p = RequireProp(obj, name);
  return Reader(p, p.GetFloat)(obj);
}
void SetFloatProp(TObject* obj, const String& name, double value) {
  const TPropInfo& p = RequireProp(obj, name);
  Writer(p, p.SetFloat)(obj, value);
}
String GetStrProp(TObject* obj, const String& name) {
  const TPropInfo& p = RequireProp(obj, name);
  return Reader(p, p.GetStr)(obj);
}
void SetStrProp(TObject* obj, const String& name, const String& value) {
  const TPropInfo& p = RequireProp(obj, name);
  Writer(p, p.SetStr)(obj, value);
}
WideString GetWideStrProp(TObject* obj, const String& name) {
  const TPropInfo& p = RequireProp(obj, name);
  return Reader(p, p.GetWStr)(obj);
}
void SetWideStrProp(TObject* obj, const String& name, const WideString& value) {
  const TPropInfo& p = RequireProp(obj, name);
  Writer(p, p.SetWStr)(obj, value);
}
TObject* GetObjectProp(TObject* obj, const String& name) {
  const TPropInfo& p = RequireProp(obj, name);
  return Reader(p, p.GetObj)(obj);
}
void SetObjectProp(TObject* obj, const String& name, TObject* value) {
  const TPropInfo& p = RequireProp(obj, name);
  Writer(p, p.SetObj)(obj, value);
}
TClass GetObjectPropClass(TObject* obj, const String& name) { return RequireProp(obj, name).PropType->ClassType; }
TMethod GetMethodProp(TObject* obj, const String& name) {
  const TPropInfo& p = RequireProp(obj, name);
  return Reader(p, p.GetMethod)(obj);
}
void SetMethodProp(TObject* obj, const String& name, const TMethod& value) {
  const TPropInfo& p = RequireProp(obj, name);
  Writer(p, p.SetMethod)(obj, value);
}

// ---- Method tables -------------------------------------------------------------------------------------
const TMethodEntry* FindMethodEntry(TClass cls, const String& name) {
  for (TClass c = cls; c; c = c->Parent)
    for (const TMethodEntry& m : TablesOf(c).Methods)
      if (SameName(m.Name, name)) return &m;
  return nullptr;
}

TMethod MethodAddress(TObject* obj, const String& name) {
  TMethod m;
  if (!obj) return m;
  if (const TMethodEntry* e = FindMethodEntry(obj->ClassType(), name)) {
    m.Code = e->Code;
    m.Data = e->DataOf(obj);
  }
  return m;
}

String MethodName(const TObject* obj, const TMethodCode& code) {
  if (!obj || !code.Assigned()) return String();
  for (TClass c = obj->ClassType(); c; c = c->Parent)
    for (const TMethodEntry& m : TablesOf(c).Methods)
      if (m.Code == code) return m.Name;
  return String();
}

}  // namespace TypInfo
