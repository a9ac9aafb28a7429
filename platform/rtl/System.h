// The core of the runtime library: the basic types, the root class TObject with its class records,
// two-phase construction and destruction, the class registry and enumeration sets.
#pragma once

#include <bitset>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <type_traits>
#include <string>
#include <utility>

namespace TypInfo {
class TClassDescriber;
}

namespace System {

// ---- Basic types ----------------------------------------------------------------------------------
using Integer = int32_t;
using Cardinal = uint32_t;
using Word = uint16_t;
using Byte = uint8_t;
using Int64 = int64_t;
using UInt64 = uint64_t;
using SmallInt = int16_t;
using ShortInt = int8_t;
using LongInt = int32_t;
using LongWord = uint32_t;
using NativeInt = intptr_t;
using NativeUInt = uintptr_t;
using Boolean = bool;
using Double = double;
using Extended = double;
using Single = float;

using String = std::string;        // UTF-8 text; the program's "ANSI code page" is UTF-8
using AnsiString = std::string;
using Char = char;
using AnsiChar = char;
using WideString = std::u16string;
using WideChar = char16_t;

// Days since 1899-12-30; the fraction is the time of day.
using TDateTime = double;
using TDate = double;
using TTime = double;

constexpr Integer MaxInt = 2147483647;
constexpr Int64 MaxInt64 = INT64_MAX;

// A fixed-point number with four decimals, kept as a 64-bit integer scaled by 10 000.
struct Currency {
  Int64 Raw = 0;
  static constexpr Int64 Scale = 10000;
  static constexpr Currency FromRaw(Int64 raw) { return Currency{raw}; }
  static Currency FromDouble(double value);  // rounds halves to even, like every float-to-currency store
  double ToDouble() const { return static_cast<double>(Raw) / Scale; }
  friend constexpr bool operator==(Currency a, Currency b) { return a.Raw == b.Raw; }
  friend constexpr auto operator<=>(Currency a, Currency b) { return a.Raw <=> b.Raw; }
};

// ---- Sets over enumerations ---------------------------------------------------------------------------
// `set of E`: a bit per member; N bounds the ordinal range (at most 256 as in the design's sets).
template <class E, int N = 256>
class TSet {
 public:
  constexpr TSet() = default;
  TSet(std::initializer_list<E> members) {
    for (E m : members) Include(m);
  }
  bool Contains(E m) const { return InRange(m) && FBits.test(static_cast<size_t>(m)); }
  TSet& Include(E m) {
    if (InRange(m)) FBits.set(static_cast<size_t>(m));
    return *this;
  }
  TSet& Exclude(E m) {
    if (InRange(m)) FBits.reset(static_cast<size_t>(m));
    return *this;
  }
  bool Empty() const { return FBits.none(); }
  int Count() const { return static_cast<int>(FBits.count()); }
  friend TSet operator+(TSet a, const TSet& b) { a.FBits |= b.FBits; return a; }
  friend TSet operator-(TSet a, const TSet& b) { a.FBits &= ~b.FBits; return a; }
  friend TSet operator*(TSet a, const TSet& b) { a.FBits &= b.FBits; return a; }
  TSet& operator+=(const TSet& b) { FBits |= b.FBits; return *this; }
  TSet& operator-=(const TSet& b) { FBits &= ~b.FBits; return *this; }
  TSet& operator*=(const TSet& b) { FBits &= b.FBits; return *this; }
  friend bool operator==(const TSet& a, const TSet& b) { return a.FBits == b.FBits; }
  // Subset and superset tests (`a <= b`, `a >= b`).
  friend bool operator<=(const TSet& a, const TSet& b) { return (a.FBits & ~b.FBits).none(); }
  friend bool operator>=(const TSet& a, const TSet& b) { return b <= a; }
  // The members of ordinal 0..63 as bits, as a published set property reads and writes them.
  UInt64 ToBits() const {
    UInt64 r = 0;
    for (int i = 0; i < 64 && i < N; ++i)
      if (FBits.test(i)) r |= UInt64{1} << i;
    return r;
  }
  static TSet FromBits(UInt64 bits) {
    TSet s;
    for (int i = 0; i < 64 && i < N; ++i)
      if (bits & (UInt64{1} << i)) s.FBits.set(i);
    return s;
  }
  // Ordinal-level access for code that walks a set generically (streaming, type information).
  bool ContainsOrd(int ord) const { return ord >= 0 && ord < N && FBits.test(ord); }
  void IncludeOrd(int ord) {
    if (ord >= 0 && ord < N) FBits.set(ord);
  }

 private:
  static bool InRange(E m) { return static_cast<int>(m) >= 0 && static_cast<int>(m) < N; }
  std::bitset<N> FBits;
};

// ---- Objects and class records ---------------------------------------------------------------------
class TObject;
struct TClassRec;
using TypInfo::TClassDescriber;
using TClass = const TClassRec*;

// The immutable record of a class: its name, parent, factory and published members.
struct TClassRec {
  const char* Name;
  TClass Parent;
  TObject* (*NewInstance)();                  // an object of the class, not yet constructed; null when abstract
  void (*Describe)(TClassDescriber&);         // lists the class's own published properties and methods
  bool InheritsFrom(TClass ancestor) const;
  bool IsAbstract() const { return NewInstance == nullptr; }
  // Virtual construction from a class reference: NewInstance, then the Construct chain.
  TObject* Create() const;
};

// Gives the runtime access to protected constructors; a class names it as a friend through DECLARE_CLASS.
struct TObjectFactory {
  template <class T, class... A>
  static T* Make(A&&... args) {
    return new T(std::forward<A>(args)...);
  }
  static void Delete(TObject* obj);
};

// The root of every class of the system. An object is made by New<T>(...) or TClassRec::Create and
// freed by Free(): C++ constructors only store their arguments; Construct() does the design's
// constructor body and Destroy() its destructor body, both with the final class's overrides in reach.
class TObject {
 public:
  static TClass StaticClass();
  virtual TClass ClassType() const { return StaticClass(); }
  const char* ClassName() const { return ClassType()->Name; }
  TClass ClassParent() const { return ClassType()->Parent; }
  bool InheritsFrom(TClass cls) const { return ClassType()->InheritsFrom(cls); }
  template <class T>
  bool Is() const { return InheritsFrom(T::StaticClass()); }

  // Runs the Construct chain and AfterConstruction on a freshly allocated object. If the chain
  // raises, Destroy runs on the partly built object, the memory is released and the exception goes on.
  static TObject* Initialize(TObject* obj);

  // BeforeDestruction, the Destroy chain, then the memory. (A possibly null reference is freed with
  // FreeAndNil or FreeObject.)
  void Free();

  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;

 protected:
  friend struct TObjectFactory;
  TObject() = default;
  virtual ~TObject() = default;

  virtual void Construct() {}
  virtual void AfterConstruction() {}
  virtual void BeforeDestruction() {}
  virtual void Destroy() {}

 public:
  static void DescribeClass(TClassDescriber&) {}
};

// Creates an object of class T: the C++ constructor with `args`, then the Construct chain.
template <class T, class... A>
T* New(A&&... args) {
  return static_cast<T*>(TObject::Initialize(TObjectFactory::Make<T>(std::forward<A>(args)...)));
}

// Frees the object and empties the reference first, so that no handler run by Destroy sees it.
template <class T>
void FreeAndNil(T*& obj) {
  T* tmp = obj;
  obj = nullptr;
  if (tmp) tmp->Free();
}

inline void FreeObject(TObject* obj) {
  if (obj) obj->Free();
}

// Owns an object for the length of a scope and frees it when the scope ends, however it ends: the
// design's "try ... finally Obj.Free".
struct TFreeObject {
  void operator()(TObject* obj) const { obj->Free(); }
};
template <class T>
using TOwnedPtr = std::unique_ptr<T, TFreeObject>;
template <class T, class... A>
TOwnedPtr<T> NewOwned(A&&... args) {
  return TOwnedPtr<T>(New<T>(std::forward<A>(args)...));
}

// `is`: the object is non-null and of class T or a descendant.
template <class T>
bool Is(const TObject* obj) {
  return obj && obj->InheritsFrom(T::StaticClass());
}
// `as`: null stays null; an object of another class raises EInvalidCast.
[[noreturn]] void RaiseInvalidCast();
template <class T>
T* As(TObject* obj) {
  if (!obj) return nullptr;
  if (T* r = dynamic_cast<T*>(obj)) return r;
  RaiseInvalidCast();
}

// ---- Class methods ------------------------------------------------------------------------------------
// A class whose virtual class methods are called through a class reference (painters, registries of
// kinds) is stateless: its one shared instance stands for the class. It is made through the class
// record on first use and lives as long as the program. EAbstractError for an abstract class.
TObject* ClassInstance(TClass cls);

// A class reference of T or a descendant ("class of T"): compared and stored like the class record,
// and `Ref->Method(...)` calls the class method of the referenced class.
template <class T>
class TClassRef {
 public:
  TClassRef() = default;
  TClassRef(std::nullptr_t) {}
  // EInvalidCast when `cls` is not T or a descendant.
  explicit TClassRef(TClass cls) : FClass(cls) {
    if (cls && !cls->InheritsFrom(T::StaticClass())) RaiseInvalidCast();
  }
  template <class D>
  static TClassRef Of() {
    static_assert(std::is_base_of_v<T, D>);
    return TClassRef(D::StaticClass());
  }
  TClass Class() const { return FClass; }
  explicit operator bool() const { return FClass != nullptr; }
  T* operator->() const { return static_cast<T*>(ClassInstance(FClass)); }
  bool InheritsFrom(TClass cls) const { return FClass && FClass->InheritsFrom(cls); }
  friend bool operator==(const TClassRef& a, const TClassRef& b) { return a.FClass == b.FClass; }

 private:
  TClass FClass = nullptr;
};

// ---- Class registry (by name, for streaming) ------------------------------------------------------------
void RegisterClass(TClass cls);
void RegisterClasses(std::initializer_list<TClass> classes);
void UnRegisterClass(TClass cls);
TClass GetClass(const String& name);   // null when not registered
TClass FindClass(const String& name);  // raises EClassNotFound when not registered
// The framework's class groups matter only to the designer; kept as no-ops for the callers.
inline void StartClassGroup(TClass) {}
inline void GroupDescendentsWith(TClass, TClass) {}

// ---- Class declaration macros --------------------------------------------------------------------------
template <class T>
TObject* NewInstanceOf() {
  return TObjectFactory::Make<T>();
}

}  // namespace System

// In the class body: DECLARE_CLASS(TMyClass, TBase)
#define DECLARE_CLASS(T, Base)                                                       \
 public:                                                                             \
  using inherited = Base;                                                            \
  static ::System::TClass StaticClass();                                             \
  ::System::TClass ClassType() const override { return StaticClass(); }              \
  static void DescribeClass(::System::TClassDescriber&);                             \
                                                                                     \
 private:                                                                            \
  friend struct ::System::TObjectFactory;

// In the source, for a class that can be created from its class reference (default-constructible):
//   IMPLEMENT_CLASS(TMyClass)                       -- no published members of its own
//   IMPLEMENT_CLASS_PUBLISHED(TMyClass) { d.Property(...); d.Method(...); }
// and IMPLEMENT_ABSTRACT_CLASS / IMPLEMENT_ABSTRACT_CLASS_PUBLISHED for classes without a factory.
#define AT_CLASS_RECORD_(T, Factory)                                                              \
  ::System::TClass T::StaticClass() {                                                             \
    static const ::System::TClassRec rec{#T, T::inherited::StaticClass(), Factory, &T::DescribeClass}; \
    return &rec;                                                                                  \
  }
#define IMPLEMENT_CLASS(T)                                  \
  AT_CLASS_RECORD_(T, &::System::NewInstanceOf<T>)          \
  void T::DescribeClass(::System::TClassDescriber&) {}
#define IMPLEMENT_ABSTRACT_CLASS(T) \
  AT_CLASS_RECORD_(T, nullptr)      \
  void T::DescribeClass(::System::TClassDescriber&) {}
#define IMPLEMENT_CLASS_PUBLISHED(T)                \
  AT_CLASS_RECORD_(T, &::System::NewInstanceOf<T>)  \
  void T::DescribeClass([[maybe_unused]] ::System::TClassDescriber& d)
#define IMPLEMENT_ABSTRACT_CLASS_PUBLISHED(T) \
  AT_CLASS_RECORD_(T, nullptr)                \
  void T::DescribeClass([[maybe_unused]] ::System::TClassDescriber& d)

using namespace System;
