// Comparison and arithmetic of Variants, by the mixed-type rules written down in Variants.h.
#include <cmath>

#include "SysConst.h"
#include "Variants.h"
#include "VariantsInternal.h"

namespace Variants {

namespace {

enum TOp { opAdd, opSubtract, opMultiply, opDivide, opIntDivide, opModulus };

bool IsCustom(const Variant& v) { return !(v.VType() & varArray) && v.VType() >= CFirstUserType; }
bool IsFloatType(TVarType t) { return t == varSingle || t == varDouble; }
// Integers and Booleans: the values that arithmetic and comparison take as whole numbers.
bool IsWhole(TVarType t) { return IsIntegerType(t) || t == varBoolean; }
Int64 WholeValue(const Variant& v) {
  return v.VType() == varBoolean ? (TVarAccess::Int(v) ? -1 : 0) : TVarAccess::Int(v);
}

template <class T>
int Sign(T a, T b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

// The zero of a type that Empty stands for beside it.
Variant ZeroLike(const Variant& other) {
  TVarType t = other.VType();
  if (IsStringType(t)) return Variant(String());
  if (t == varBoolean) return Variant(false);
  if (t == varDate) return VarFromDateTime(0);
  return Variant(Integer(0));
}

// Orders two values, neither Null nor an array.
int CompareValues(const Variant& a, const Variant& b) {
  TVarType ta = a.VType(), tb = b.VType();
  if (IsCustom(a) || IsCustom(b)) {
    const TCustomVariantType* type = FindCustomVariantType(IsCustom(a) ? ta : tb);
    if (!type) throw EVariantError(SysConst::SVarBadType);
    Variant ca = ta == type->VarType() ? a : type->CastFrom(a);
    Variant cb = tb == type->VarType() ? b : type->CastFrom(b);
    int r = type->Compare(ca, cb);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
  }
  if (ta == varEmpty && tb == varEmpty) return 0;
  if (ta == varEmpty) return CompareValues(ZeroLike(b), b);
  if (tb == varEmpty) return CompareValues(a, ZeroLike(a));
  if (IsStringType(ta) && IsStringType(tb)) {
    int r = TextOf(a).compare(TextOf(b));  // UTF-8 byte order is code-point order
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
  }
  if (IsStringType(ta) || IsStringType(tb)) {
    const Variant& other = IsStringType(ta) ? b : a;
    // The text takes the other operand's kind: a Boolean, a date, or else a number.
    TVarType as = other.VType() == varBoolean ? varBoolean : other.VType() == varDate ? varDate : varDouble;
    return IsStringType(ta) ? CompareValues(VarAsType(a, as), b) : CompareValues(a, VarAsType(b, as));
  }
  if (ta == varBoolean && tb == varBoolean) return Sign(TVarAccess::Int(a), TVarAccess::Int(b));
  if (IsWhole(ta) && IsWhole(tb)) return Sign(WholeValue(a), WholeValue(b));
  if ((ta == varCurrency || IsWhole(ta)) && (tb == varCurrency || IsWhole(tb))) {
    __int128 ra = ta == varCurrency ? __int128(TVarAccess::Int(a)) : __int128(WholeValue(a)) * Currency::Scale;
    __int128 rb = tb == varCurrency ? __int128(TVarAccess::Int(b)) : __int128(WholeValue(b)) * Currency::Scale;
    return Sign(ra, rb);
  }
  return VarCompareReals(a.ToDouble(), b.ToDouble());
}

void CheckComparable(const Variant& a, const Variant& b) {
  if (VarIsArray(a) || VarIsArray(b)) RaiseInvalidOp();
}

// ---- Arithmetic ---------------------------------------------------------------------------------------------
[[noreturn]] void RaiseIntOverflow() { throw EIntOverflow(SysConst::SIntOverflow); }

// An integer result: Integer when both operands were at most 32-bit signed and the value fits.
Variant WholeResult(Int64 value, TVarType ta, TVarType tb) {
  bool wide = ta == varInt64 || ta == varLongWord || tb == varInt64 || tb == varLongWord;
  if (!wide && value >= INT32_MIN && value <= INT32_MAX) return TVarAccess::OfInt(varInteger, value);
  return TVarAccess::OfInt(varInt64, value);
}

Variant WholeArithmetic(TOp op, Int64 a, Int64 b, TVarType ta, TVarType tb) {
  Int64 r = 0;
  bool overflow = false;
  switch (op) {
    case opAdd: overflow = __builtin_add_overflow(a, b, &r); break;
    case opSubtract: overflow = __builtin_sub_overflow(a, b, &r); break;
    case opMultiply: overflow = __builtin_mul_overflow(a, b, &r); break;
    case opIntDivide: case opModulus:
      if (b == 0) throw EDivByZero(SysConst::SDivByZero);
      if (b == -1) {
        overflow = op == opIntDivide && a == INT64_MIN;
        r = op == opIntDivide ? (overflow ? 0 : -a) : 0;
      } else {
        r = op == opIntDivide ? a / b : a % b;
      }
      break;
    case opDivide: break;
  }
  if (overflow) RaiseIntOverflow();
  return WholeResult(r, ta, tb);
}

Variant CurrencyArithmetic(TOp op, const Variant& a, const Variant& b) {
  auto raw = [](const Variant& v) -> __int128 {
    return v.VType() == varCurrency ? __int128(TVarAccess::Int(v)) : __int128(WholeValue(v)) * Currency::Scale;
  };
  __int128 ra = raw(a), rb = raw(b), r;
  if (op == opAdd) {
    r = ra + rb;
  } else if (op == opSubtract) {
    r = ra - rb;
  } else {
    // Both scaled: one scale comes off, the remainder rounded half to even.
    __int128 product = ra * rb, q = product / Currency::Scale, rest = product % Currency::Scale;
    if (rest < 0) rest = -rest;
    if (2 * rest > Currency::Scale || (2 * rest == Currency::Scale && (q & 1))) q += product < 0 ? -1 : 1;
    r = q;
  }
  if (r < INT64_MIN || r > INT64_MAX) throw EOverflow("Floating point overflow");
  return Variant(Currency::FromRaw(static_cast<Int64>(r)));
}

Variant Arithmetic(TOp op, const Variant& a, const Variant& b) {
  if (VarIsArray(a) || VarIsArray(b)) RaiseInvalidOp();
  if (VarIsNull(a) || VarIsNull(b)) return Null();
  if (IsCustom(a) || IsCustom(b)) {
    auto standard = [](const Variant& v) {
      const TCustomVariantType* type = IsCustom(v) ? FindCustomVariantType(v.VType()) : nullptr;
      return type ? type->CastTo(v, type->ArithmeticType()) : v;
    };
    return Arithmetic(op, standard(a), standard(b));
  }
  TVarType ta = a.VType(), tb = b.VType();
  if (ta == varEmpty || tb == varEmpty) {
    bool concat = op == opAdd && (IsStringType(ta) || IsStringType(tb));
    Variant zero = concat ? Variant(String()) : Variant(Integer(0));
    return Arithmetic(op, ta == varEmpty ? zero : a, tb == varEmpty ? zero : b);
  }
  if (IsStringType(ta) && IsStringType(tb) && op == opAdd) {
    if (ta == varOleStr && tb == varOleStr) return Variant(a.ToWideString() + b.ToWideString());
    return Variant(TextOf(a) + TextOf(b));
  }
  if (op == opIntDivide || op == opModulus)
    return WholeArithmetic(op, a.ToInt64(), b.ToInt64(), IsWhole(ta) ? ta : varInteger, IsWhole(tb) ? tb : varInteger);
  if (IsStringType(ta) || IsStringType(tb))
    return Arithmetic(op, IsStringType(ta) ? Variant(a.ToDouble()) : a, IsStringType(tb) ? Variant(b.ToDouble()) : b);
  if (op == opDivide) {
    double divisor = b.ToDouble();
    if (divisor == 0) throw EZeroDivide(SysConst::SDivByZero);
    return Variant(a.ToDouble() / divisor);
  }
  double fa = 0, fb = 0;
  if (ta == varDate || tb == varDate || IsFloatType(ta) || IsFloatType(tb)) {
    fa = a.ToDouble();
    fb = b.ToDouble();
  }
  double fr = op == opAdd ? fa + fb : op == opSubtract ? fa - fb : fa * fb;
  if (ta == varDate || tb == varDate) {
    bool dateResult = op == opAdd || (op == opSubtract && ta == varDate && tb != varDate);
    return dateResult ? VarFromDateTime(fr) : Variant(fr);
  }
  if (IsFloatType(ta) || IsFloatType(tb)) {
    if (ta == varSingle && tb == varSingle) return Variant(static_cast<float>(fr));
    return Variant(fr);
  }
  if (ta == varCurrency || tb == varCurrency) return CurrencyArithmetic(op, a, b);
  return WholeArithmetic(op, WholeValue(a), WholeValue(b), ta, tb);
}

}  // namespace

int VarCompareReals(double a, double b) {
  // NaN has no place among numbers: it goes after them all and equals only itself, so that
  // sorting and searching still see one consistent order.
  if (std::isnan(a) || std::isnan(b)) return std::isnan(a) - std::isnan(b);
  return Sign(a, b);
}

bool operator==(const Variant& a, const Variant& b) {
  CheckComparable(a, b);
  if (VarIsNull(a) || VarIsNull(b)) return VarIsNull(a) && VarIsNull(b);
  return CompareValues(a, b) == 0;
}

bool operator<(const Variant& a, const Variant& b) {
  CheckComparable(a, b);
  if (VarIsNull(b)) return false;
  if (VarIsNull(a)) return true;
  return CompareValues(a, b) < 0;
}

bool VarSameValue(const Variant& a, const Variant& b) {
  for (TVarType special : {varEmpty, varNull})
    if (a.VType() == special || b.VType() == special) return a.VType() == b.VType();
  if (VarIsArray(a) || VarIsArray(b)) {
    if (!VarIsArray(a) || !VarIsArray(b)) return false;
    const TVarArrayData &x = TVarAccess::Array(a), &y = TVarAccess::Array(b);
    if (x.Bounds != y.Bounds) return false;
    for (size_t i = 0; i < x.Items.size(); ++i)
      if (!VarSameValue(x.Items[i], y.Items[i])) return false;
    return true;
  }
  // Values that cannot even be compared ("abc" and 1) are not the same value.
  try {
    return a == b;
  } catch (const EVariantError&) {
    return false;
  }
}

Variant operator+(const Variant& a, const Variant& b) { return Arithmetic(opAdd, a, b); }
Variant operator-(const Variant& a, const Variant& b) { return Arithmetic(opSubtract, a, b); }
Variant operator*(const Variant& a, const Variant& b) { return Arithmetic(opMultiply, a, b); }
Variant operator/(const Variant& a, const Variant& b) { return Arithmetic(opDivide, a, b); }
Variant operator%(const Variant& a, const Variant& b) { return Arithmetic(opModulus, a, b); }
Variant VarDiv(const Variant& a, const Variant& b) { return Arithmetic(opIntDivide, a, b); }

Variant operator-(const Variant& a) {
  TVarType t = a.VType();
  if (VarIsArray(a)) RaiseInvalidOp();
  if (t == varNull) return a;
  if (IsCustom(a)) {
    const TCustomVariantType* type = FindCustomVariantType(t);
    if (!type) throw EVariantError(SysConst::SVarBadType);
    return -type->CastTo(a, type->ArithmeticType());
  }
  switch (t) {
    case varEmpty: return Variant(Integer(0));
    case varSingle: return Variant(-static_cast<float>(TVarAccess::Float(a)));
    case varDouble: return Variant(-TVarAccess::Float(a));
    case varDate: return VarFromDateTime(-TVarAccess::Float(a));
    case varCurrency:
      if (TVarAccess::Int(a) == INT64_MIN) throw EOverflow("Floating point overflow");
      return Variant(Currency::FromRaw(-TVarAccess::Int(a)));
    case varString: case varOleStr: return Variant(-a.ToDouble());
    default: break;
  }
  return WholeArithmetic(opSubtract, 0, WholeValue(a), t, t);
}

}  // namespace Variants
