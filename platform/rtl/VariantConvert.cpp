// Conversions of a Variant to each standard type, and the Variant errors.
#include <cfloat>
#include <cmath>

#include "SysConst.h"
#include "Variants.h"
#include "VariantsInternal.h"

namespace Variants {

// The text of a varString or varOleStr.
String TextOf(const Variant& v) {
  return v.VType() == varString ? TVarAccess::Str(v) : VarText::FromWide(TVarAccess::WStr(v));
}

namespace {

String Substitute2(const char* pattern, const String& first, const String& second) {
  String text(pattern);
  size_t at = text.find("%s");
  if (at != String::npos) {
    text.replace(at, 2, first);
    at = text.find("%s", at + first.size());
    if (at != String::npos) text.replace(at, 2, second);
  }
  return text;
}

const TCustomVariantType& CustomTypeOf(const Variant& v) {
  const TCustomVariantType* type = FindCustomVariantType(BaseType(v));
  if (!type) throw EVariantError(SysConst::SVarBadType);
  return *type;
}

bool IsCustom(const Variant& v) { return !(v.VType() & varArray) && v.VType() >= CFirstUserType; }

// A custom value as a standard one, for the conversions into `to`.
Variant StandardOf(const Variant& v, TVarType to) {
  Variant r = CustomTypeOf(v).CastTo(v, to);
  if (IsCustom(r)) RaiseCastError(v.VType(), to);
  return r;
}

void CheckConvertible(const Variant& v, TVarType to) {
  if (v.VType() == varNull || (v.VType() & varArray)) RaiseCastError(v.VType(), to);
}

// The value as an integer for a conversion into `to` (which names the target in the errors).
Int64 IntegerValue(const Variant& v, TVarType to) {
  CheckConvertible(v, to);
  TVarType type = v.VType();
  if (type == varEmpty) return 0;
  if (type == varBoolean) return TVarAccess::Int(v) ? -1 : 0;
  if (IsIntegerType(type)) return TVarAccess::Int(v);
  Int64 result = 0;
  switch (type) {
    case varSingle: case varDouble: case varDate:
      if (!VarText::RoundToInt64(TVarAccess::Float(v), result)) RaiseOverflowError(type, to);
      return result;
    case varCurrency: {
      // Whole units, halves to even, exactly.
      Int64 raw = TVarAccess::Int(v), units = raw / Currency::Scale, rest = raw % Currency::Scale;
      Int64 twice = 2 * (rest < 0 ? -rest : rest);
      if (twice > Currency::Scale || (twice == Currency::Scale && (units & 1))) units += raw < 0 ? -1 : 1;
      return units;
    }
    case varString: case varOleStr: {
      String s = TextOf(v);
      double d;
      bool b;
      if (VarText::ToInt(s, result)) return result;
      if (VarText::ToFloat(s, d)) {
        if (!VarText::RoundToInt64(d, result)) RaiseOverflowError(type, to);
        return result;
      }
      if (VarText::ToBool(s, b)) return b ? -1 : 0;
      RaiseCastError(type, to);
    }
    default:
      if (IsCustom(v)) return IntegerValue(StandardOf(v, varInt64), to);
      RaiseCastError(type, to);
  }
}

Variant IntegerAs(const Variant& v, TVarType to) {
  Int64 value = IntegerValue(v, to);
  Int64 lo = INT64_MIN, hi = INT64_MAX;
  switch (to) {
    case varShortInt: lo = INT8_MIN; hi = INT8_MAX; break;
    case varByte: lo = 0; hi = UINT8_MAX; break;
    case varSmallint: lo = INT16_MIN; hi = INT16_MAX; break;
    case varWord: lo = 0; hi = UINT16_MAX; break;
    case varInteger: lo = INT32_MIN; hi = INT32_MAX; break;
    case varLongWord: lo = 0; hi = UINT32_MAX; break;
    default: break;
  }
  if (value < lo || value > hi) RaiseOverflowError(v.VType(), to);
  return TVarAccess::OfInt(to, value);
}

double FloatValue(const Variant& v, TVarType to) {
  CheckConvertible(v, to);
  TVarType type = v.VType();
  if (type == varEmpty) return 0;
  if (type == varBoolean) return TVarAccess::Int(v) ? -1 : 0;
  if (IsIntegerType(type)) return static_cast<double>(TVarAccess::Int(v));
  switch (type) {
    case varSingle: case varDouble: case varDate:
      return TVarAccess::Float(v);
    case varCurrency:
      return Currency::FromRaw(TVarAccess::Int(v)).ToDouble();
    case varString: case varOleStr: {
      String s = TextOf(v);
      double d;
      bool b;
      if (VarText::ToFloat(s, d)) return d;
      if (VarText::ToBool(s, b)) return b ? -1 : 0;
      RaiseCastError(type, to);
    }
    default:
      if (IsCustom(v)) return FloatValue(StandardOf(v, varDouble), to);
      RaiseCastError(type, to);
  }
}

Currency CurrencyValue(const Variant& v) {
  CheckConvertible(v, varCurrency);
  TVarType type = v.VType();
  if (type == varCurrency) return Currency::FromRaw(TVarAccess::Int(v));
  if (type == varEmpty || type == varBoolean || IsIntegerType(type)) {
    Int64 value = IntegerValue(v, varCurrency), raw;
    if (__builtin_mul_overflow(value, Currency::Scale, &raw)) RaiseOverflowError(type, varCurrency);
    return Currency::FromRaw(raw);
  }
  if (IsCustom(v)) {
    Variant standard = StandardOf(v, varCurrency);
    return CurrencyValue(standard);
  }
  double d = FloatValue(v, varCurrency);
  try {
    return Currency::FromDouble(d);
  } catch (const EOverflow&) {
    RaiseOverflowError(type, varCurrency);
  }
}

bool BooleanValue(const Variant& v) {
  CheckConvertible(v, varBoolean);
  TVarType type = v.VType();
  if (type == varEmpty) return false;
  if (type == varBoolean || IsIntegerType(type) || type == varCurrency) return TVarAccess::Int(v) != 0;
  if (type == varSingle || type == varDouble || type == varDate) return TVarAccess::Float(v) != 0;
  if (IsStringType(type)) {
    String s = TextOf(v);
    bool b;
    double d;
    if (VarText::ToBool(s, b)) return b;
    if (VarText::ToFloat(s, d)) return d != 0;
    RaiseCastError(type, varBoolean);
  }
  if (IsCustom(v)) return BooleanValue(StandardOf(v, varBoolean));
  RaiseCastError(type, varBoolean);
}

TDateTime DateValue(const Variant& v) {
  CheckConvertible(v, varDate);
  TVarType type = v.VType();
  if (IsStringType(type)) {
    String s = TextOf(v);
    TDateTime date;
    double d;
    if (VarText::ToDateTime(s, date)) return date;
    if (VarText::ToFloat(s, d)) return d;
    RaiseCastError(type, varDate);
  }
  if (IsCustom(v)) return DateValue(StandardOf(v, varDate));
  return FloatValue(v, varDate);
}

String StringValue(const Variant& v, TVarType to) {
  CheckConvertible(v, to);
  TVarType type = v.VType();
  if (IsIntegerType(type)) return VarText::FromInt(TVarAccess::Int(v));
  switch (type) {
    case varEmpty: return String();
    case varBoolean: return TVarAccess::Int(v) ? SysConst::STrueString : SysConst::SFalseString;
    case varSingle: return VarText::FromSingle(static_cast<float>(TVarAccess::Float(v)));
    case varDouble: return VarText::FromFloat(TVarAccess::Float(v));
    case varCurrency: return VarText::FromCurrency(Currency::FromRaw(TVarAccess::Int(v)));
    case varDate: return VarText::FromDateTime(TVarAccess::Float(v));
    case varString: return TVarAccess::Str(v);
    case varOleStr: return VarText::FromWide(TVarAccess::WStr(v));
    default:
      if (IsCustom(v)) return StringValue(StandardOf(v, varString), to);
      RaiseCastError(type, to);
  }
}

}  // namespace

// ---- Errors ---------------------------------------------------------------------------------------------
void RaiseCastError(TVarType from, TVarType to) {
  throw EVariantTypeCastError(Substitute2(SysConst::SVarTypeCouldNotConvert, VarTypeAsText(from), VarTypeAsText(to)));
}

void RaiseOverflowError(TVarType from, TVarType to) {
  throw EVariantOverflowError(Substitute2(SysConst::SVarTypeConvertOverflow, VarTypeAsText(from), VarTypeAsText(to)));
}

void RaiseInvalidOp() { throw EVariantInvalidOpError(SysConst::SInvalidVarOp); }

// ---- Conversions ----------------------------------------------------------------------------------------
Integer Variant::ToInteger() const { return static_cast<Integer>(TVarAccess::Int(IntegerAs(*this, varInteger))); }
Int64 Variant::ToInt64() const { return IntegerValue(*this, varInt64); }
double Variant::ToDouble() const { return FloatValue(*this, varDouble); }
bool Variant::ToBoolean() const { return BooleanValue(*this); }
Currency Variant::ToCurrency() const { return CurrencyValue(*this); }
TDateTime Variant::ToDateTime() const { return DateValue(*this); }
String Variant::ToString() const { return StringValue(*this, varString); }
WideString Variant::ToWideString() const {
  if (FVType == varOleStr) return TVarAccess::WStr(*this);
  return VarText::ToWide(StringValue(*this, varOleStr));
}

Variant VarAsType(const Variant& v, TVarType type) {
  if (v.VType() == type) return v;
  if (type == varEmpty) return Variant();
  if (type == varNull) return Null();
  if (type == varVariant) return v;
  if (type & ~varTypeMask) RaiseCastError(v.VType(), type);
  if (IsIntegerType(type)) return IntegerAs(v, type);
  switch (type) {
    case varSingle: {
      double d = FloatValue(v, varSingle);
      if (std::isfinite(d) && std::fabs(d) > FLT_MAX) RaiseOverflowError(v.VType(), type);
      return Variant(static_cast<float>(d));
    }
    case varDouble: return Variant(FloatValue(v, varDouble));
    case varCurrency: return Variant(CurrencyValue(v));
    case varDate: return VarFromDateTime(DateValue(v));
    case varBoolean: return Variant(BooleanValue(v));
    case varString: return Variant(StringValue(v, varString));
    case varOleStr: return Variant(v.ToWideString());
    default:
      if (const TCustomVariantType* custom = FindCustomVariantType(type)) {
        CheckConvertible(v, type);
        return custom->CastFrom(v);
      }
      RaiseCastError(v.VType(), type);
  }
}

String VarToStr(const Variant& v) { return VarToStrDef(v, String()); }

String VarToStrDef(const Variant& v, const String& defaultValue) {
  return v.VType() == varNull ? defaultValue : v.ToString();
}

WideString VarToWideStr(const Variant& v) { return v.VType() == varNull ? WideString() : v.ToWideString(); }

TDateTime VarToDateTime(const Variant& v) { return v.ToDateTime(); }

}  // namespace Variants
