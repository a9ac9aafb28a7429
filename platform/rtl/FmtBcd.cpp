#include "FmtBcd.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "FormatSettings.h"
#include "SysConst.h"
#include "Variants.h"
#include "VariantsInternal.h"

namespace FmtBcd {

namespace {

constexpr int MaxScale = 63;  // six bits of SignSpecialPlaces
constexpr Byte NegativeBit = 0x80;
constexpr Byte PlacesMask = 0x3F;

// A decimal being worked on: value = Digits x 10^-Scale. Digits has no leading zeros and is empty
// for zero; Scale may be negative while rounding drops integer digits.
struct TDecimal {
  bool Negative = false;
  String Digits;
  int Scale = 0;

  bool IsZero() const { return Digits.empty(); }
  int IntegerDigits() const { return std::max(0, static_cast<int>(Digits.size()) - Scale); }
  void Trim() {
    size_t first = Digits.find_first_not_of('0');
    Digits.erase(0, first == String::npos ? Digits.size() : first);
    if (Digits.empty()) Negative = false;
  }
  // Drops the digits after `scale` decimals, rounding half away from zero (or half to even), or
  // pads with zeros.
  void RoundTo(int scale, bool halfEven = false) {
    if (scale >= Scale) {
      if (!IsZero()) Digits.append(static_cast<size_t>(scale - Scale), '0');
      Scale = scale;
      return;
    }
    size_t drop = static_cast<size_t>(Scale - scale);
    size_t keep = drop < Digits.size() ? Digits.size() - drop : 0;
    // The first dropped digit is an implied leading zero when every digit goes.
    char first = drop <= Digits.size() ? Digits[keep] : '0';
    bool exactHalf = first == '5' && Digits.find_first_not_of('0', keep + 1) == String::npos;
    bool lastOdd = keep > 0 && (Digits[keep - 1] - '0') % 2 == 1;
    bool up = first > '5' || (first == '5' && (!halfEven || !exactHalf || lastOdd));
    Digits.resize(keep);
    Scale = scale;
    if (up) {
      int i = static_cast<int>(Digits.size()) - 1;
      while (i >= 0 && Digits[i] == '9') Digits[i--] = '0';
      if (i >= 0) ++Digits[i];
      else Digits.insert(Digits.begin(), '1');
    }
    Trim();
  }
  void RoundToSignificant(int count) {
    if (static_cast<int>(Digits.size()) > count) RoundTo(Scale - (static_cast<int>(Digits.size()) - count));
  }
  // Removes zeros after the point that carry no value.
  void DropTrailingZeros() {
    while (Scale > 0 && !Digits.empty() && Digits.back() == '0') Digits.pop_back(), --Scale;
    if (Digits.empty()) Scale = std::min(Scale, 0), Negative = false;
  }
  // The integer part ("0" when none) and the Scale digits after the point.
  void Split(String& whole, String& fraction) const {
    String d = Digits;
    if (Scale < 0) d.append(static_cast<size_t>(-Scale), '0');
    int scale = std::max(Scale, 0);
    if (static_cast<int>(d.size()) <= scale) d.insert(0, static_cast<size_t>(scale) - d.size() + 1, '0');
    whole = d.substr(0, d.size() - scale);
    fraction = d.substr(d.size() - scale);
  }
};

[[noreturn]] void RaiseInvalidBcd() { throw EBcdException("Invalid BCD value"); }
[[noreturn]] void RaiseOverflow() { throw EBcdOverflowException(SysConst::SBcdOverflow); }

TDecimal Unpack(const TBcd& bcd) {
  int precision = bcd.Precision, places = bcd.SignSpecialPlaces & PlacesMask;
  if (precision > MaxFMTBcdFractionSize || places > std::max(precision, 0)) RaiseInvalidBcd();
  TDecimal d;
  for (int i = 0; i < precision; ++i) {
    int digit = (i % 2 == 0 ? bcd.Fraction[i / 2] >> 4 : bcd.Fraction[i / 2]) & 0x0F;
    if (digit > 9) RaiseInvalidBcd();
    d.Digits += static_cast<char>('0' + digit);
  }
  d.Scale = places;
  d.Negative = (bcd.SignSpecialPlaces & NegativeBit) != 0;
  d.Trim();
  return d;
}

// Packs with at least `precision` digits (leading zeros); false when it does not fit.
bool Pack(TDecimal d, TBcd& bcd, int precision = 0) {
  if (d.Scale < 0) {
    if (!d.IsZero() && d.Digits.size() + static_cast<size_t>(-d.Scale) > size_t(MaxFMTBcdFractionSize)) return false;
    if (!d.IsZero()) d.Digits.append(static_cast<size_t>(-d.Scale), '0');
    d.Scale = 0;
  }
  if (d.Scale > MaxScale) return false;
  int needed = std::max({static_cast<int>(d.Digits.size()), d.Scale, 1, precision});
  if (needed > MaxFMTBcdFractionSize) return false;
  String digits = String(static_cast<size_t>(needed) - d.Digits.size(), '0') + d.Digits;
  bcd = TBcd{};
  bcd.Precision = static_cast<Byte>(needed);
  bcd.SignSpecialPlaces = static_cast<Byte>(d.Scale | (d.Negative && !d.IsZero() ? NegativeBit : 0));
  for (int i = 0; i < needed; ++i)
    bcd.Fraction[i / 2] |= static_cast<Byte>((digits[i] - '0') << (i % 2 == 0 ? 4 : 0));
  return true;
}

TBcd PackOrRaise(const TDecimal& d) {
  TBcd bcd;
  if (!Pack(d, bcd)) RaiseOverflow();
  return bcd;
}

// Parses digits with sign, separator and exponent; `tooLong` tells a valid number that does not fit.
bool Parse(const String& text, char separator, TDecimal& d, bool& tooLong) {
  tooLong = false;
  size_t i = 0, n = text.size();
  while (i < n && static_cast<unsigned char>(text[i]) <= ' ') ++i;
  while (n > i && static_cast<unsigned char>(text[n - 1]) <= ' ') --n;
  d = TDecimal{};
  if (i < n && (text[i] == '+' || text[i] == '-')) d.Negative = text[i++] == '-';
  size_t digits = 0;
  for (; i < n && std::isdigit(static_cast<unsigned char>(text[i])); ++i, ++digits) d.Digits += text[i];
  if (i < n && text[i] == separator) {
    for (++i; i < n && std::isdigit(static_cast<unsigned char>(text[i])); ++i, ++digits, ++d.Scale) d.Digits += text[i];
  }
  if (digits == 0) return false;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negative = i < n && text[i] == '-';
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    int exponent = 0;
    size_t expDigits = 0;
    for (; i < n && std::isdigit(static_cast<unsigned char>(text[i])); ++i, ++expDigits)
      exponent = std::min(exponent * 10 + (text[i] - '0'), 100000);
    if (expDigits == 0) return false;
    d.Scale += negative ? exponent : -exponent;
  }
  if (i != n) return false;
  d.Trim();
  // Zeros after the point that would not fit carry no value: drop them before giving up.
  TBcd probe;
  if (!Pack(d, probe)) d.DropTrailingZeros();
  if (d.IsZero()) d.Scale = std::clamp(d.Scale, 0, MaxScale);
  tooLong = !Pack(d, probe);
  return true;
}

char DecimalSeparator() { return FormatSettings.DecimalSeparator; }

TDecimal FromCurrency(Currency value) {
  TDecimal d;
  d.Negative = value.Raw < 0;
  d.Digits = std::to_string(value.Raw < 0 ? UInt64(0) - UInt64(value.Raw) : UInt64(value.Raw));
  d.Scale = 4;
  d.Trim();
  return d;
}

// The value rounded to a whole number (halves to even, as a Double or Currency Variant rounds),
// when it fits an Int64.
bool WholeValue(TDecimal d, Int64& value) {
  d.RoundTo(0, true);
  String text = (d.Negative ? "-" : "") + (d.IsZero() ? String("0") : d.Digits);
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

String Signed(const TDecimal& d, const String& magnitude) { return d.Negative && !d.IsZero() ? "-" + magnitude : magnitude; }

String ExponentPart(int exponent, bool alwaysSign, int minDigits) {
  String digits = std::to_string(std::abs(exponent));
  minDigits = std::clamp(minDigits, 0, 4);
  if (static_cast<int>(digits.size()) < minDigits) digits.insert(0, static_cast<size_t>(minDigits) - digits.size(), '0');
  return String("E") + (exponent < 0 ? "-" : alwaysSign ? "+" : "") + digits;
}

// d.ddd E exponent, with `significant` digits shown (trailing zeros dropped when `trim`).
String ScientificText(TDecimal d, int significant, bool trim, bool alwaysSign, int expDigits) {
  d.RoundToSignificant(significant);
  int exponent = d.IsZero() ? 0 : static_cast<int>(d.Digits.size()) - d.Scale - 1;
  String mantissa = d.IsZero() ? String("0") : d.Digits;
  if (trim) {
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();
  } else {
    mantissa.resize(static_cast<size_t>(std::max(significant, 1)), '0');
  }
  String text(1, mantissa[0]);
  if (mantissa.size() > 1) text += DecimalSeparator() + mantissa.substr(1);
  return Signed(d, text + ExponentPart(exponent, alwaysSign, expDigits));
}

String GroupThousands(const String& whole) {
  char sep = FormatSettings.ThousandSeparator;
  if (!sep) return whole;
  String grouped;
  for (size_t i = 0; i < whole.size(); ++i) {
    if (i > 0 && (whole.size() - i) % 3 == 0) grouped += sep;
    grouped += whole[i];
  }
  return grouped;
}

String GeneralText(TDecimal d, int precision, int expDigits) {
  d.RoundToSignificant(precision);
  d.DropTrailingZeros();
  if (d.IsZero()) return "0";
  int exponent = static_cast<int>(d.Digits.size()) - d.Scale;  // value = 0.ddd x 10^exponent
  if (exponent > precision || exponent < -3) return ScientificText(d, precision, true, false, expDigits);
  String whole, fraction;
  d.Split(whole, fraction);
  return Signed(d, fraction.empty() ? whole : whole + DecimalSeparator() + fraction);
}

int EffectivePrecision(Integer precision) {
  return precision <= 0 || precision > MaxFMTBcdFractionSize ? MaxFMTBcdFractionSize : precision;
}

}  // namespace

// ---- Text -------------------------------------------------------------------------------------------------
bool TryStrToBcd(const String& text, TBcd& bcd) {
  TDecimal d;
  bool tooLong;
  return Parse(text, DecimalSeparator(), d, tooLong) && !tooLong && Pack(d, bcd);
}

TBcd StrToBcd(const String& text) {
  TDecimal d;
  bool tooLong;
  if (!Parse(text, DecimalSeparator(), d, tooLong)) throw EBcdException("'" + text + "' is not a valid BCD value");
  if (tooLong) RaiseOverflow();
  return PackOrRaise(d);
}

String BcdToStr(const TBcd& bcd) {
  TDecimal d = Unpack(bcd);
  d.DropTrailingZeros();
  String whole, fraction;
  d.Split(whole, fraction);
  return Signed(d, fraction.empty() ? whole : whole + DecimalSeparator() + fraction);
}

String BcdToStrF(const TBcd& bcd, TFloatFormat format, Integer precision, Integer digits) {
  TDecimal d = Unpack(bcd);
  int shown = EffectivePrecision(precision);
  switch (format) {
    case ffGeneral:
      return GeneralText(d, shown, digits);
    case ffExponent:
      return ScientificText(d, shown, false, true, digits);
    case ffFixed:
    case ffNumber: {
      if (d.IntegerDigits() > shown) return GeneralText(d, shown, 0);
      d.RoundTo(std::clamp(digits, 0, MaxScale));
      String whole, fraction;
      d.Split(whole, fraction);
      if (format == ffNumber) whole = GroupThousands(whole);
      return Signed(d, fraction.empty() ? whole : whole + DecimalSeparator() + fraction);
    }
    case ffCurrency: {
      Currency value;
      if (BCDToCurr(bcd, value)) return CurrToStrF(value, ffCurrency, digits);
      return FloatToStrF(BcdToDouble(bcd), ffCurrency, 18, digits);
    }
  }
  return String();
}

// ---- Conversions ------------------------------------------------------------------------------------------
bool CurrToBCD(Currency value, TBcd& bcd, Integer precision, Integer decimals) {
  if (precision < 1 || precision > MaxFMTBcdFractionSize || decimals < 0 || decimals > std::min(precision, MaxScale))
    return false;
  TDecimal d = FromCurrency(value);
  d.RoundTo(decimals);
  if (d.IntegerDigits() > precision - decimals) return false;
  return Pack(d, bcd, precision);
}

bool BCDToCurr(const TBcd& bcd, Currency& value) {
  TDecimal d = Unpack(bcd);
  d.RoundTo(4, true);  // halves to even, as every store into a Currency rounds
  if (d.Digits.size() > 19) return false;
  String text = (d.Negative ? "-" : "") + (d.IsZero() ? String("0") : d.Digits);
  Int64 raw = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), raw);
  if (ec != std::errc() || end != text.data() + text.size()) return false;
  value = Currency::FromRaw(raw);
  return true;
}

TBcd DoubleToBcd(double value) {
  if (std::isnan(value)) RaiseInvalidBcd();
  if (std::isinf(value)) RaiseOverflow();
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
  TDecimal d;
  bool tooLong;
  Parse(String(buf, end), '.', d, tooLong);
  TBcd bcd;
  if (Pack(d, bcd)) return bcd;
  // Too small for 63 decimals: keep what fits; too large for 64 digits: overflow.
  d.RoundTo(MaxScale);
  return PackOrRaise(d);
}

double BcdToDouble(const TBcd& bcd) {
  TDecimal d = Unpack(bcd);
  if (d.IsZero()) return 0;
  String text = (d.Negative ? "-" : "") + d.Digits + "e" + std::to_string(-d.Scale);
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

TBcd IntegerToBcd(Int64 value) {
  TDecimal d;
  d.Negative = value < 0;
  d.Digits = std::to_string(value < 0 ? UInt64(0) - UInt64(value) : UInt64(value));
  d.Trim();
  return PackOrRaise(d);
}

bool NormalizeBcd(const TBcd& in, TBcd& out, Integer precision, Integer places) {
  if (precision < 1 || precision > MaxFMTBcdFractionSize || places < 0 || places > std::min(precision, MaxScale))
    return false;
  TDecimal d = Unpack(in);
  d.RoundTo(places);
  if (d.IntegerDigits() > precision - places) return false;
  return Pack(d, out, precision);
}

Integer BcdCompare(const TBcd& a, const TBcd& b) {
  TDecimal x = Unpack(a), y = Unpack(b);
  if (x.Negative != y.Negative) return x.Negative ? -1 : 1;
  int scale = std::max(x.Scale, y.Scale);
  x.RoundTo(scale);  // padding only: no digit is dropped
  y.RoundTo(scale);
  int magnitude = x.Digits.size() != y.Digits.size() ? (x.Digits.size() < y.Digits.size() ? -1 : 1)
                                                      : x.Digits.compare(y.Digits);
  magnitude = magnitude < 0 ? -1 : (magnitude > 0 ? 1 : 0);
  return x.Negative ? -magnitude : magnitude;
}

Word BcdPrecision(const TBcd& bcd) {
  TDecimal d = Unpack(bcd);
  return static_cast<Word>(std::max(static_cast<int>(d.Digits.size()), d.Scale));
}

Word BcdScale(const TBcd& bcd) { return bcd.SignSpecialPlaces & PlacesMask; }

bool IsBcdNegative(const TBcd& bcd) { return !Unpack(bcd).IsZero() && (bcd.SignSpecialPlaces & NegativeBit); }

// ---- The Variant type -------------------------------------------------------------------------------------
namespace {

using namespace Variants;

class TFMTBcdVariantType final : public TCustomVariantType {
 public:
  TFMTBcdVariantType() : TCustomVariantType("FMTBcd") {}

  static const TBcd& Value(const Variant& v) { return static_cast<const TVarBox<TBcd>*>(v.Heap())->Value; }

  Variant CastTo(const Variant& source, TVarType type) const override {
    const TBcd& bcd = Value(source);
    if (IsStringType(type) || type == varVariant) return VarAsType(Variant(BcdToStr(bcd)), type == varVariant ? varString : type);
    if (type == varCurrency) {
      Currency value;
      if (!BCDToCurr(bcd, value)) RaiseOverflowError(VarType(), type);
      return Variant(value);
    }
    if (IsIntegerType(type)) {
      Int64 value;
      if (!WholeValue(Unpack(bcd), value)) RaiseOverflowError(VarType(), type);
      return VarAsType(Variant(value), type);
    }
    if (type == varBoolean) return Variant(!Unpack(bcd).IsZero());
    return VarAsType(Variant(BcdToDouble(bcd)), type);
  }

  Variant CastFrom(const Variant& source) const override {
    TVarType type = source.VType();
    TBcd bcd;
    if (type == varEmpty) {
      bcd = IntegerToBcd(0);
    } else if (IsStringType(type)) {
      if (!TryStrToBcd(source.ToString(), bcd)) RaiseCastError(type, VarType());
    } else if (IsIntegerType(type) || type == varBoolean) {
      bcd = IntegerToBcd(source.ToInt64());
    } else if (type == varCurrency) {
      bcd = PackOrRaise(FromCurrency(source.ToCurrency()));
    } else if (type == varSingle || type == varDouble || type == varDate || FindCustomVariantType(type)) {
      // A float that no decimal can hold fails as a Variant conversion, as every other source does.
      try {
        bcd = DoubleToBcd(source.ToDouble());
      } catch (const EBcdOverflowException&) {
        RaiseOverflowError(type, VarType());
      } catch (const EBcdException&) {
        RaiseCastError(type, VarType());
      }
    } else {
      RaiseCastError(type, VarType());
    }
    return Variant::MakeCustom(*this, new TVarBox<TBcd>(bcd));
  }

  int Compare(const Variant& a, const Variant& b) const override { return BcdCompare(Value(a), Value(b)); }
  TVarType ArithmeticType() const override { return varDouble; }
};

const TFMTBcdVariantType& BcdType() {
  static const TFMTBcdVariantType* type = new TFMTBcdVariantType();  // lives as long as any Variant of it
  return *type;
}

}  // namespace

Variant VarFMTBcdCreate(const TBcd& bcd) {
  Unpack(bcd);  // a malformed record never enters a Variant
  return Variant::MakeCustom(BcdType(), new TVarBox<TBcd>(bcd));
}

Variant VarFMTBcdCreate(const String& text) { return VarFMTBcdCreate(StrToBcd(text)); }

Word VarFMTBcd() { return BcdType().VarType(); }

bool VarIsFMTBcd(const Variant& v) { return v.VType() == VarFMTBcd(); }

TBcd VarToBcd(const Variant& v) {
  if (VarIsFMTBcd(v)) return TFMTBcdVariantType::Value(v);
  return TFMTBcdVariantType::Value(VarAsType(v, VarFMTBcd()));
}

}  // namespace FmtBcd
