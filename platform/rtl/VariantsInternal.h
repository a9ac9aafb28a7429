// Shared by the Variant sources only: the array record, raw access to a Variant's parts, the
// errors, and the text conversions the Variant rules rest on (kept in one place, VariantConvert.cpp).
#pragma once

#include <utility>
#include <vector>

#include "Variants.h"

namespace Variants {

struct TVarArrayData final : TVarHeap {
  TVarType ElementType = varVariant;
  std::vector<std::pair<Integer, Integer>> Bounds;  // low and high of each dimension
  std::vector<Variant> Items;                       // row-major, last index fastest
  TVarHeap* Clone() const override { return new TVarArrayData(*this); }
};

struct TVarAccess {
  static Int64 Int(const Variant& v) { return v.FInt; }
  static double Float(const Variant& v) { return v.FVType == varSingle ? v.FSingle : v.FDouble; }
  static const String& Str(const Variant& v) { return static_cast<const TVarBox<String>*>(v.FHeap)->Value; }
  static const WideString& WStr(const Variant& v) {
    return static_cast<const TVarBox<WideString>*>(v.FHeap)->Value;
  }
  static const TVarArrayData& Array(const Variant& v) { return *static_cast<const TVarArrayData*>(v.FHeap); }
  static TVarArrayData& Array(Variant& v) { return *static_cast<TVarArrayData*>(v.FHeap); }

  static Variant OfInt(TVarType type, Int64 value) {
    Variant r;
    r.FVType = type;
    r.FInt = value;
    return r;
  }
  static Variant OfFloat(TVarType type, double value) {  // varDouble or varDate
    Variant r;
    r.FVType = type;
    r.FDouble = value;
    return r;
  }
  static Variant OfHeap(TVarType type, TVarHeap* heap) {
    Variant r;
    r.FVType = type;
    r.FHeap = heap;
    return r;
  }
};

// The base type of a Variant that is not an array: a standard code or a custom type's code.
inline TVarType BaseType(const Variant& v) { return v.VType() & varTypeMask; }
bool IsIntegerType(TVarType type);  // the integer codes, Boolean excluded
bool IsStringType(TVarType type);
String TextOf(const Variant& v);  // the text of a varString or varOleStr

[[noreturn]] void RaiseCastError(TVarType from, TVarType to);
[[noreturn]] void RaiseOverflowError(TVarType from, TVarType to);
[[noreturn]] void RaiseInvalidOp();

// The text forms of numbers, dates and Booleans in the program's locale.
namespace VarText {
String FromInt(Int64 value);
String FromFloat(double value);
String FromSingle(float value);
String FromCurrency(Currency value);
String FromDateTime(TDateTime value);
bool ToInt(const String& text, Int64& value);
bool ToFloat(const String& text, double& value);
bool ToDateTime(const String& text, TDateTime& value);
bool ToBool(const String& text, bool& value);  // the true and false words (any case) or a number
WideString ToWide(const String& text);
String FromWide(const WideString& text);
// Banker's rounding to an integer; false when the value is no number or beyond Int64.
bool RoundToInt64(double value, Int64& result);
}  // namespace VarText

}  // namespace Variants
