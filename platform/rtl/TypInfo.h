// Type information for published members: enumeration names, property tables and method tables.
// A class lists its published properties and methods in its DescribeClass body
// (IMPLEMENT_CLASS_PUBLISHED); streaming, assignment helpers and designers read them through the
// functions below. Include this header in sources only.
#pragma once

#include <concepts>
#include <functional>
#include <type_traits>
#include <vector>

#include "Closures.h"
#include "System.h"
#include "TypeInfoBase.h"

namespace Variants {
class Variant;
}

namespace TypInfo {

const TTypeInfo* BooleanTypeInfo();
const TTypeInfo* IntegerTypeInfo(TOrdType ordType, const char* name);
const TTypeInfo* Int64TypeInfo();
const TTypeInfo* FloatTypeInfo(TFloatType floatType);
const TTypeInfo* StringTypeInfo(TTypeKind kind);  // tkChar, tkWChar, tkLString, tkWString, tkVariant
const TTypeInfo* ClassTypeInfo(TClass cls);
const TTypeInfo* MethodTypeInfo(const std::type_info& signature);

String GetEnumName(const TTypeInfo* info, Int64 value);          // empty when out of range
Integer GetEnumValue(const TTypeInfo* info, const String& name);  // case-insensitive; -1 when unknown
std::vector<String> GetEnumValueNames(const TTypeInfo* info);
// Sets as text: "[akLeft,akTop]" (brackets optional when reading); raises EPropertyConvertError on an unknown name.
String SetToString(const TTypeInfo* setInfo, UInt64 value, bool brackets = false);
UInt64 StringToSet(const TTypeInfo* setInfo, const String& text);

template <class T>
struct IsTSet : std::false_type {};
template <class E, int N>
struct IsTSet<TSet<E, N>> : std::true_type {
  using Member = E;
};
template <class T>
struct IsClosure : std::false_type {};
template <class Sig>
struct IsClosure<TClosure<Sig>> : std::true_type {};

// The type information of a C++ value type. Enumerations provide theirs through
// PUBLISHED_ENUM / ENUM_TYPEINFO (found by argument-dependent lookup of AtTypeInfo).
template <class V>
const TTypeInfo* TypeInfoOf() {
  if constexpr (std::is_same_v<V, bool>) return BooleanTypeInfo();
  else if constexpr (std::is_enum_v<V>) return AtTypeInfo(static_cast<V*>(nullptr));
  else if constexpr (IsTSet<V>::value) return MakeSetTypeInfo(TypeInfoOf<typename IsTSet<V>::Member>());
  else if constexpr (std::is_same_v<V, char>) return StringTypeInfo(tkChar);
  else if constexpr (std::is_same_v<V, char16_t>) return StringTypeInfo(tkWChar);
  else if constexpr (std::is_integral_v<V> && sizeof(V) == 8) return Int64TypeInfo();
  else if constexpr (std::is_integral_v<V>)
    return IntegerTypeInfo(sizeof(V) == 1 ? (std::is_signed_v<V> ? otSByte : otUByte)
                           : sizeof(V) == 2 ? (std::is_signed_v<V> ? otSWord : otUWord)
                           : (std::is_signed_v<V> ? otSLong : otULong),
                           "Integer");
  else if constexpr (std::is_same_v<V, float>) return FloatTypeInfo(ftSingle);
  else if constexpr (std::is_floating_point_v<V>) return FloatTypeInfo(ftDouble);
  else if constexpr (std::is_same_v<V, Currency>) return FloatTypeInfo(ftCurr);
  else if constexpr (std::is_same_v<V, String>) return StringTypeInfo(tkLString);
  else if constexpr (std::is_same_v<V, WideString>) return StringTypeInfo(tkWString);
  else if constexpr (std::is_same_v<V, Variants::Variant>) return StringTypeInfo(tkVariant);
  else if constexpr (std::is_pointer_v<V> && std::is_base_of_v<TObject, std::remove_pointer_t<V>>)
    return ClassTypeInfo(std::remove_pointer_t<V>::StaticClass());
  else if constexpr (IsClosure<V>::value) return MethodTypeInfo(typeid(V));
  else static_assert(sizeof(V) == 0, "no type information for this property type");
}

// A published property: its name, type, accessors, default and stored rule.
struct TPropInfo {
  String Name;
  const TTypeInfo* PropType = nullptr;
  static constexpr Int64 NoDefault = INT64_MIN;
  static constexpr Integer NoIndex = INT32_MIN;
  Int64 Default = NoDefault;  // ordinal and set properties: the value that is not written
  Integer Index = NoIndex;    // the index of an indexed property
  std::function<bool(const TObject*)> Stored;  // empty: always stored
  TClass Owner = nullptr;     // the class that published it

  std::function<Int64(TObject*)> GetOrd;
  std::function<void(TObject*, Int64)> SetOrd;
  std::function<double(TObject*)> GetFloat;
  std::function<void(TObject*, double)> SetFloat;
  std::function<String(TObject*)> GetStr;
  std::function<void(TObject*, const String&)> SetStr;
  std::function<WideString(TObject*)> GetWStr;
  std::function<void(TObject*, const WideString&)> SetWStr;
  std::function<TObject*(TObject*)> GetObj;
  std::function<void(TObject*, TObject*)> SetObj;
  std::function<TMethod(TObject*)> GetMethod;
  std::function<void(TObject*, const TMethod&)> SetMethod;
  std::function<void(TObject*, Variants::Variant&)> GetVariant;
  std::function<void(TObject*, const Variants::Variant&)> SetVariant;

  bool IsReadable() const;
  bool IsWritable() const;
};

// A published method: a handler that form resources bind events to by name.
struct TMethodEntry {
  String Name;
  TMethodCode Code;
  void* (*DataOf)(TObject* obj) = nullptr;  // the object as the method's own class sees it
};

namespace Detail {
template <class P>
struct MemberFn;
template <class C, class R, class... A>
struct MemberFn<R (C::*)(A...)> {
  using Class = C;
  using Result = R;
  using Signature = R(A...);
};
template <class C, class R, class... A>
struct MemberFn<R (C::*)(A...) const> {
  using Class = C;
  using Result = R;
  using Signature = R(A...);
};
}  // namespace Detail

// Modifiers of a property just published.
class TPropBuilder {
 public:
  explicit TPropBuilder(TPropInfo& info) : FInfo(info) {}
  template <class V>
  TPropBuilder& Default(V value) {
    if constexpr (IsTSet<V>::value) FInfo.Default = static_cast<Int64>(value.ToBits());
    else FInfo.Default = static_cast<Int64>(value);
    return *this;
  }
  TPropBuilder& NoDefault() {
    FInfo.Default = TPropInfo::NoDefault;
    return *this;
  }
  // Only a real bool: a predicate of a shape not taken below would otherwise convert to true and
  // store the property always.
  template <class B>
    requires std::same_as<B, bool>
  TPropBuilder& Stored(B stored) {
    FInfo.Stored = [stored](const TObject*) { return stored; };
    return *this;
  }
  template <class C>
  TPropBuilder& Stored(bool (C::*predicate)() const) {
    FInfo.Stored = [predicate](const TObject* obj) { return (static_cast<const C*>(obj)->*predicate)(); };
    return *this;
  }
  // Stored tests are questions even where they are not declared const.
  template <class C>
  TPropBuilder& Stored(bool (C::*predicate)()) {
    FInfo.Stored = [predicate](const TObject* obj) { return (const_cast<C*>(static_cast<const C*>(obj))->*predicate)(); };
    return *this;
  }
  // Gives the property a type of its own (colours and cursors stream by identifier).
  TPropBuilder& Type(const TTypeInfo* info) {
    FInfo.PropType = info;
    return *this;
  }

 private:
  TPropInfo& FInfo;
};

// Collects the published members of one class (the argument of DescribeClass).
class TClassDescriber {
 public:
  TClassDescriber(TClass cls, std::vector<TPropInfo>& props, std::vector<TMethodEntry>& methods)
      : FClass(cls), FProps(props), FMethods(methods) {}

  // property Name read getter write setter
  template <class G, class S>
  TPropBuilder Property(const char* name, G getter, S setter) {
    using C = typename Detail::MemberFn<G>::Class;
    using V = std::decay_t<typename Detail::MemberFn<G>::Result>;
    TPropInfo& p = Add(name, TypeInfoOf<V>());
    Bind<C, V>(p, [getter](TObject* o) -> V { return (static_cast<C*>(o)->*getter)(); },
               [setter](TObject* o, const V& v) {
                 using SC = typename Detail::MemberFn<S>::Class;
                 (static_cast<SC*>(o)->*setter)(v);
               });
    return TPropBuilder(p);
  }
  // A read-only property (streamed only when it is an object whose own properties are written).
  template <class G>
  TPropBuilder Property(const char* name, G getter) {
    using C = typename Detail::MemberFn<G>::Class;
    using V = std::decay_t<typename Detail::MemberFn<G>::Result>;
    TPropInfo& p = Add(name, TypeInfoOf<V>());
    Bind<C, V>(p, [getter](TObject* o) -> V { return (static_cast<C*>(o)->*getter)(); }, nullptr);
    return TPropBuilder(p);
  }
  // property Name index N read getter write setter: the accessors take the index first.
  template <class G, class S>
  TPropBuilder IndexedProperty(const char* name, Integer index, G getter, S setter) {
    using C = typename Detail::MemberFn<G>::Class;
    using V = std::decay_t<typename Detail::MemberFn<G>::Result>;
    TPropInfo& p = Add(name, TypeInfoOf<V>());
    p.Index = index;
    Bind<C, V>(p, [getter, index](TObject* o) -> V { return (static_cast<C*>(o)->*getter)(index); },
               [setter, index](TObject* o, const V& v) {
                 using SC = typename Detail::MemberFn<S>::Class;
                 (static_cast<SC*>(o)->*setter)(index, v);
               });
    return TPropBuilder(p);
  }
  // A published method, for binding events by name.
  template <class P>
  void Method(const char* name, P method) {
    using C = typename Detail::MemberFn<P>::Class;
    using Sig = typename Detail::MemberFn<P>::Signature;
    TClosure<Sig> prototype(static_cast<C*>(nullptr), method);
    FMethods.push_back(TMethodEntry{name, prototype.Code(),
                                    [](TObject* o) -> void* { return static_cast<C*>(o); }});
  }

 private:
  TPropInfo& Add(const char* name, const TTypeInfo* type);

  template <class C, class V, class Get, class Set>
  void Bind(TPropInfo& p, Get get, Set set) {
    constexpr bool writable = !std::is_same_v<Set, std::nullptr_t>;
    if constexpr (std::is_same_v<V, bool> || std::is_enum_v<V> || std::is_integral_v<V>) {
      p.GetOrd = [get](TObject* o) { return static_cast<Int64>(get(o)); };
      if constexpr (writable) p.SetOrd = [set](TObject* o, Int64 v) { set(o, static_cast<V>(v)); };
    } else if constexpr (IsTSet<V>::value) {
      p.GetOrd = [get](TObject* o) { return static_cast<Int64>(get(o).ToBits()); };
      if constexpr (writable) p.SetOrd = [set](TObject* o, Int64 v) { set(o, V::FromBits(static_cast<UInt64>(v))); };
    } else if constexpr (std::is_floating_point_v<V>) {
      p.GetFloat = [get](TObject* o) { return static_cast<double>(get(o)); };
      if constexpr (writable) p.SetFloat = [set](TObject* o, double v) { set(o, static_cast<V>(v)); };
    } else if constexpr (std::is_same_v<V, Currency>) {
      p.GetFloat = [get](TObject* o) { return get(o).ToDouble(); };
      if constexpr (writable) p.SetFloat = [set](TObject* o, double v) { set(o, Currency::FromDouble(v)); };
    } else if constexpr (std::is_same_v<V, String>) {
      p.GetStr = get;
      if constexpr (writable) p.SetStr = set;
    } else if constexpr (std::is_same_v<V, WideString>) {
      p.GetWStr = get;
      if constexpr (writable) p.SetWStr = set;
    } else if constexpr (std::is_pointer_v<V>) {
      p.GetObj = [get](TObject* o) -> TObject* { return get(o); };
      if constexpr (writable)
        p.SetObj = [set](TObject* o, TObject* v) {
          set(o, v ? As<std::remove_pointer_t<V>>(v) : nullptr);
        };
    } else if constexpr (IsClosure<V>::value) {
      p.GetMethod = [get](TObject* o) { return get(o).Method(); };
      if constexpr (writable) p.SetMethod = [set](TObject* o, const TMethod& m) { set(o, V::FromMethod(m)); };
    } else {
      // Variant: bound through the Variant header's helpers, which see the complete type.
      p.GetVariant = [get](TObject* o, V& out) { out = get(o); };
      if constexpr (writable) p.SetVariant = set;
    }
  }

  TClass FClass;
  std::vector<TPropInfo>& FProps;
  std::vector<TMethodEntry>& FMethods;
};

// ---- Lookups ---------------------------------------------------------------------------------------
// The published properties of a class and its ancestors: ancestors' first, in the order they were
// published (a property published again by a descendant keeps its place); or sorted by name.
std::vector<const TPropInfo*> GetPropList(TClass cls, bool sortedByName = false);
const TPropInfo* GetPropInfo(TClass cls, const String& name);  // case-insensitive; null when unknown
const TPropInfo* GetPropInfo(const TObject* obj, const String& name);
bool IsPublishedProp(const TObject* obj, const String& name);
bool IsStoredProp(const TObject* obj, const TPropInfo* prop);
bool PropIsType(const TObject* obj, const String& name, TTypeKind kind);

// Property access by name; raise EPropertyError for an unknown or read-only property.
Int64 GetOrdProp(TObject* obj, const String& name);
void SetOrdProp(TObject* obj, const String& name, Int64 value);
String GetEnumProp(TObject* obj, const String& name);
void SetEnumProp(TObject* obj, const String& name, const String& value);
String GetSetProp(TObject* obj, const String& name, bool brackets = false);
void SetSetProp(TObject* obj, const String& name, const String& value);
double GetFloatProp(TObject* obj, const String& name);
void SetFloatProp(TObject* obj, const String& name, double value);
String GetStrProp(TObject* obj, const String& name);
void SetStrProp(TObject* obj, const String& name, const String& value);
WideString GetWideStrProp(TObject* obj, const String& name);
void SetWideStrProp(TObject* obj, const String& name, const WideString& value);
TObject* GetObjectProp(TObject* obj, const String& name);
void SetObjectProp(TObject* obj, const String& name, TObject* value);
TClass GetObjectPropClass(TObject* obj, const String& name);
TMethod GetMethodProp(TObject* obj, const String& name);
void SetMethodProp(TObject* obj, const String& name, const TMethod& value);

// Published methods.
const TMethodEntry* FindMethodEntry(TClass cls, const String& name);  // case-insensitive, ancestors too
// obj's published method `name` as a method pointer on obj; unassigned when there is none.
TMethod MethodAddress(TObject* obj, const String& name);
// The name under which obj's class publishes `code`; empty when it does not.
String MethodName(const TObject* obj, const TMethodCode& code);

}  // namespace TypInfo

using namespace TypInfo;
