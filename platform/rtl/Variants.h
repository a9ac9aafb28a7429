// Variant: one value of any basic type, Empty, Null, an array of such values with bounds, or a
// value of a custom type registered at run time (the decimal and SQL time-stamp types).
//
// Conversions follow the class library: Empty reads as 0, "" or False; Null converts to nothing
// but itself (VarToStr gives "" for it); a string converts to a number, date or Boolean by its text
// in the program's locale; Booleans read as -1 / 0 when taken as numbers; a conversion that cannot
// succeed raises EVariantTypeCastError, one that does not fit raises EVariantOverflowError.
// varString holds UTF-8 text and varOleStr UTF-16 text: both are "a string" to every rule here.
//
// Object references and addresses travel as pointer-sized integers: VarFromPointer stores the
// address in a varInt64, VarToPointer gives it back, so that no reference is ever cut.
//
// Comparison (==, !=, <, <=, >, >=):
//  - Null equals only Null, and orders below every other value, Empty included. Null means "no
//    value": it must not equal 0 or "", yet a list sorted or searched by these operators must keep
//    its Nulls together and in a known place (first, as the framework's own ordering puts them).
//  - Empty compares as the zero of the other operand's type (0, "", False); two Empties are equal.
//  - Two strings compare by code point, case-sensitively (UTF-8 byte order).
//  - A string against a number, date or Boolean is converted to the other operand's type first; a
//    text that does not convert raises EVariantTypeCastError.
//  - Numbers compare by value (integers exactly, otherwise as doubles; currencies exactly); dates as
//    day numbers; False < True; a Boolean against a number reads as -1 / 0. A NaN follows every
//    number and equals only a NaN.
//  - A value of a custom type compares through that type, the other operand converted to it.
//  - Arrays do not compare: EVariantInvalidOpError.
// Arithmetic (+ - * / VarDiv %, unary -):
//  - Null in, Null out. Empty acts as the integer 0 (or "" beside a string in +).
//  - string + string concatenates; any other operation on a string converts it to a Double.
//  - Integers give Integer, or Int64 when the value or an operand needs it; a result beyond Int64
//    raises EIntOverflow. Boolean operands act as the integers -1 / 0.
//  - Currency with integers or currencies stays Currency (+ - *); with a float it becomes Double.
//  - Single with Single stays Single; any other float result is Double.
//  - Date ± number is a Date; Date - Date is the Double number of days between them.
//  - `/` is always real division (Double); a zero divisor raises EZeroDivide. VarDiv and % are
//    integer division and remainder on the operands taken as integers; a zero divisor raises
//    EDivByZero.
//  - A custom-type operand takes part as its arithmetic type (Double for the decimal type, Date for
//    the time stamp). Arrays raise EVariantInvalidOpError.
#pragma once

#include <concepts>
#include <initializer_list>
#include <vector>

#include "Exceptions.h"
#include "System.h"

namespace Variants {

// ---- Type codes ---------------------------------------------------------------------------------------
using TVarType = Word;
constexpr TVarType varEmpty = 0x0000;
constexpr TVarType varNull = 0x0001;
constexpr TVarType varSmallint = 0x0002;
constexpr TVarType varInteger = 0x0003;
constexpr TVarType varSingle = 0x0004;
constexpr TVarType varDouble = 0x0005;
constexpr TVarType varCurrency = 0x0006;
constexpr TVarType varDate = 0x0007;
constexpr TVarType varOleStr = 0x0008;
constexpr TVarType varBoolean = 0x000B;
constexpr TVarType varVariant = 0x000C;  // element type of an array whose elements are Variants
constexpr TVarType varShortInt = 0x0010;
constexpr TVarType varByte = 0x0011;
constexpr TVarType varWord = 0x0012;
constexpr TVarType varLongWord = 0x0013;
constexpr TVarType varInt64 = 0x0014;
constexpr TVarType varString = 0x0100;
constexpr TVarType varTypeMask = 0x0FFF;
constexpr TVarType varArray = 0x2000;
constexpr TVarType varByRef = 0x4000;  // never set here: no Variant refers to another's storage
constexpr TVarType CFirstUserType = 0x010F;  // custom types are numbered from here on

// The Variant errors that the general exception unit does not declare.
DECLARE_EXCEPTION(EVariantInvalidOpError, EVariantError)
DECLARE_EXCEPTION(EVariantArrayCreateError, EVariantError)
DECLARE_EXCEPTION(EVariantNotAnArrayError, EVariantError)

class TCustomVariantType;

// What a Variant keeps on the heap: text, an array, or a custom type's value.
struct TVarHeap {
  virtual ~TVarHeap() = default;
  virtual TVarHeap* Clone() const = 0;
};
template <class T>
struct TVarBox final : TVarHeap {
  explicit TVarBox(T value) : Value(std::move(value)) {}
  TVarHeap* Clone() const override { return new TVarBox(Value); }
  T Value;
};

class Variant {
 public:
  Variant() noexcept {}
  Variant(bool value) : FVType(varBoolean) { FInt = value ? 1 : 0; }
  Variant(char value) : Variant(String(1, value)) {}
  // Integers keep the type code of their width and signedness (int8_t varShortInt ... int64_t varInt64);
  // unsigned 64-bit values become varInt64 and raise EVariantOverflowError beyond its range.
  template <std::integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, char> && !std::same_as<T, char16_t> &&
             !std::same_as<T, char32_t> && !std::same_as<T, wchar_t> && !std::same_as<T, char8_t>)
  Variant(T value) {
    SetInteger(IntegerTypeOf(std::is_signed_v<T>, sizeof(T)), static_cast<Int64>(value),
               !std::is_signed_v<T> && sizeof(T) == 8 && static_cast<UInt64>(value) > UInt64(MaxInt64));
  }
  Variant(double value) : FVType(varDouble) { FDouble = value; }
  Variant(float value) : FVType(varSingle) { FSingle = value; }
  Variant(Currency value) : FVType(varCurrency) { FInt = value.Raw; }
  Variant(const String& value);
  Variant(String&& value);
  Variant(const char* value);
  Variant(const WideString& value);
  Variant(WideString&& value);
  Variant(const char16_t* value);
  Variant(char* value) : Variant(static_cast<const char*>(value)) {}
  // Any other pointer would silently become a Boolean: pass addresses through VarFromPointer.
  template <class T>
  Variant(T*) = delete;

  Variant(const Variant& other);
  Variant(Variant&& other) noexcept;
  Variant& operator=(const Variant& other);
  Variant& operator=(Variant&& other) noexcept;
  ~Variant();

  // The type code, with varArray set for an array.
  TVarType VType() const { return FVType; }
  // Back to Empty.
  void Clear();

  // Conversions by the rules above (EVariantTypeCastError, EVariantOverflowError).
  Integer ToInteger() const;
  Int64 ToInt64() const;
  double ToDouble() const;
  bool ToBoolean() const;
  Currency ToCurrency() const;
  TDateTime ToDateTime() const;
  String ToString() const;       // Null raises; VarToStr gives "" for it
  WideString ToWideString() const;

  // A custom type's value, for that type's own code: the box it made, or null for any other Variant.
  const TVarHeap* Heap() const { return FVType >= CFirstUserType && !(FVType & varArray) ? FHeap : nullptr; }
  // A Variant of a custom type around its value (which it takes over).
  static Variant MakeCustom(const TCustomVariantType& type, TVarHeap* value);

 private:
  friend struct TVarAccess;
  static TVarType IntegerTypeOf(bool isSigned, size_t size);
  void SetInteger(TVarType type, Int64 value, bool overflow);

  TVarType FVType = varEmpty;
  union {
    Int64 FInt = 0;  // integers, Booleans (0/1), currency (scaled by 10 000)
    double FDouble;  // varDouble, varDate
    float FSingle;
  };
  TVarHeap* FHeap = nullptr;  // owned: strings, arrays, custom values
};

// ---- Making and testing -------------------------------------------------------------------------------
Variant Unassigned();
Variant Null();
Variant VarFromDateTime(TDateTime value);
Variant VarFromPointer(const void* address);  // a varInt64 holding the address
void* VarToPointer(const Variant& v);         // the address back (0 for Empty/Null)

TVarType VarType(const Variant& v);
bool VarIsType(const Variant& v, TVarType type);
bool VarIsNull(const Variant& v);
bool VarIsEmpty(const Variant& v);
bool VarIsClear(const Variant& v);
bool VarIsArray(const Variant& v);
bool VarIsOrdinal(const Variant& v);  // the integer types and Boolean
bool VarIsFloat(const Variant& v);    // Single, Double, Currency
bool VarIsNumeric(const Variant& v);  // ordinal or float
bool VarIsStr(const Variant& v);      // varString or varOleStr
String VarTypeAsText(TVarType type);  // "Integer", "String", "Array Variant", a custom type's name

// ---- Conversions ----------------------------------------------------------------------------------------
Variant VarAsType(const Variant& v, TVarType type);
String VarToStr(const Variant& v);                                // Null gives ""
String VarToStrDef(const Variant& v, const String& defaultValue);  // Null gives the default
WideString VarToWideStr(const Variant& v);
TDateTime VarToDateTime(const Variant& v);
// Same value and both Empty, both Null, or neither: what a change check compares. Arrays are the
// same when their bounds and every element are. Never raises: values that do not compare are not
// the same.
bool VarSameValue(const Variant& a, const Variant& b);

// ---- Comparison and arithmetic ----------------------------------------------------------------------------
bool operator==(const Variant& a, const Variant& b);
bool operator<(const Variant& a, const Variant& b);
// The order the comparison gives two reals: a NaN after every number and equal only to a NaN;
// -1, 0 or 1.
int VarCompareReals(double a, double b);
inline bool operator!=(const Variant& a, const Variant& b) { return !(a == b); }
inline bool operator>(const Variant& a, const Variant& b) { return b < a; }
inline bool operator<=(const Variant& a, const Variant& b) { return !(b < a); }
inline bool operator>=(const Variant& a, const Variant& b) { return !(a < b); }

Variant operator+(const Variant& a, const Variant& b);
Variant operator-(const Variant& a, const Variant& b);
Variant operator*(const Variant& a, const Variant& b);
Variant operator/(const Variant& a, const Variant& b);  // real division
Variant operator%(const Variant& a, const Variant& b);  // integer remainder (`mod`)
Variant VarDiv(const Variant& a, const Variant& b);     // integer division (`div`)
Variant operator-(const Variant& a);

// ---- Arrays --------------------------------------------------------------------------------------------
// Bounds come in pairs, low and high of each dimension: {0, 9} or {1, 3, 0, 4}. Elements start as
// the zero of the element type (Empty for varVariant). Errors: EVariantArrayCreateError for odd
// bounds, a high bound below low - 1 or an element type an array cannot hold.
Variant VarArrayCreate(std::initializer_list<Integer> bounds, TVarType elementType);
Variant VarArrayCreate(const std::vector<Integer>& bounds, TVarType elementType);
// A one-dimensional array of varVariant, 0 .. n-1.
Variant VarArrayOf(std::initializer_list<Variant> values);
Variant VarArrayOf(const std::vector<Variant>& values);
Integer VarArrayDimCount(const Variant& v);  // 0 for a non-array
// Dimensions count from 1; another raises EVariantInvalidArgError; a non-array raises EVariantNotAnArrayError.
Integer VarArrayLowBound(const Variant& v, Integer dim);
Integer VarArrayHighBound(const Variant& v, Integer dim);
// Element access: a wrong number of indices raises EVariantBadIndexError, an index outside its
// bounds EVariantArrayBoundsError. A stored value is converted to the element type.
Variant VarArrayGet(const Variant& v, std::initializer_list<Integer> indices);
// The same with indices counted at run time (one per dimension), for code that walks any array.
Variant VarArrayGet(const Variant& v, const std::vector<Integer>& indices);
void VarArrayPut(Variant& v, const Variant& value, std::initializer_list<Integer> indices);

// ---- Custom types ------------------------------------------------------------------------------------
// A Variant type defined at run time. Construction registers it under the next free code from
// CFirstUserType; the object must live as long as any Variant of its type (make it a function
// static). Its values live in a TVarBox made by the type (Variant::MakeCustom).
class TCustomVariantType {
 public:
  TVarType VarType() const { return FVarType; }
  const String& Name() const { return FName; }
  // A value of this type as a standard type (never a custom one); raise the cast error when none.
  virtual Variant CastTo(const Variant& source, TVarType type) const = 0;
  // A value of this type made from any other Variant; raise the cast error when none.
  virtual Variant CastFrom(const Variant& source) const = 0;
  // Orders two values of this type: negative, 0 or positive.
  virtual int Compare(const Variant& a, const Variant& b) const = 0;
  // The standard type in which arithmetic on a value of this type runs.
  virtual TVarType ArithmeticType() const = 0;

  TCustomVariantType(const TCustomVariantType&) = delete;
  TCustomVariantType& operator=(const TCustomVariantType&) = delete;

 protected:
  explicit TCustomVariantType(String name);
  virtual ~TCustomVariantType() = default;

 private:
  TVarType FVarType;
  String FName;
};
const TCustomVariantType* FindCustomVariantType(TVarType type);  // null when none has the code

}  // namespace Variants

using namespace Variants;
