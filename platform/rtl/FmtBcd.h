// Binary-coded decimals: exact decimal numbers of up to 64 digits, their text forms, their
// conversions to currency and floating point, and the Variant type that carries them.
//
// A TBcd keeps Precision digits, two to a byte with the first digit in the high nibble of
// Fraction[0]; the last `places` of them (SignSpecialPlaces & 0x3F) follow the decimal point, and
// bit 0x80 marks a negative value. 12.5 is Precision 3, places 1, Fraction 12 50 00 ...; a value
// may carry leading zeros (CurrToBCD pads to the precision it is asked for).
//
// Rounding: text forms and NormalizeBcd round half away from zero at the last digit kept, as decimal
// figures are rounded on paper; BCDToCurr rounds halves to even, like every store into a Currency.
// Text that does not fit 64 digits (63 after the point) is refused with EBcdOverflowException
// rather than cut.
#pragma once

#include "Exceptions.h"
#include "FloatFormat.h"
#include "System.h"

namespace Variants {
class Variant;
}

namespace FmtBcd {

constexpr Integer MaxFMTBcdFractionSize = 64;  // digits a TBcd can hold
constexpr Integer MaxFMTBcdDigits = 32;        // the precision a BCD field converts to

struct TBcd {
  Byte Precision = 0;          // digits kept, 1..64 (0 reads as zero)
  Byte SignSpecialPlaces = 0;  // 0x80 negative, 0x3F digits after the point
  Byte Fraction[32] = {};
};
static_assert(sizeof(TBcd) == 34, "a TBcd is streamed and stored as 34 bytes");

DECLARE_EXCEPTION(EBcdException, Exception)
DECLARE_EXCEPTION(EBcdOverflowException, EBcdException)  // "BCD overflow"

// ---- Text -----------------------------------------------------------------------------------------------
// Digits with an optional sign, the locale's decimal separator and an exponent ("-12.5", "1.5E3").
bool TryStrToBcd(const String& text, TBcd& bcd);
TBcd StrToBcd(const String& text);  // EBcdException for bad text, EBcdOverflowException when too long
// The shortest exact text: no leading zeros, no trailing zeros after the point ("12.5", "-0.05", "0").
String BcdToStr(const TBcd& bcd);
// As FloatToStrF: ffGeneral, ffExponent, ffFixed and ffNumber work on the exact digits (precision
// 0 means every digit); ffCurrency goes through the currency value.
String BcdToStrF(const TBcd& bcd, TFloatFormat format, Integer precision, Integer digits);

// ---- Conversions ----------------------------------------------------------------------------------------
// False when the value needs more than precision - decimals integer digits, or precision > 64.
bool CurrToBCD(Currency value, TBcd& bcd, Integer precision = MaxFMTBcdDigits, Integer decimals = 4);
bool BCDToCurr(const TBcd& bcd, Currency& value);  // false when beyond the currency range
TBcd DoubleToBcd(double value);                    // the shortest decimal that reads back as the value
double BcdToDouble(const TBcd& bcd);
TBcd IntegerToBcd(Int64 value);
// The value rounded to `places` decimals and padded to `precision` digits; false when it does not fit.
bool NormalizeBcd(const TBcd& in, TBcd& out, Integer precision, Integer places);

Integer BcdCompare(const TBcd& a, const TBcd& b);  // -1, 0 or 1 by value
Word BcdPrecision(const TBcd& bcd);               // digits from the first significant one
Word BcdScale(const TBcd& bcd);
bool IsBcdNegative(const TBcd& bcd);

// ---- The Variant type -----------------------------------------------------------------------------------
// Its code is given out at run time (VarFMTBcd). It converts to and from every standard type,
// compares by value against any number or numeric text, and takes part in arithmetic as a Double.
Variants::Variant VarFMTBcdCreate(const TBcd& bcd);
Variants::Variant VarFMTBcdCreate(const String& text);
Word VarFMTBcd();
bool VarIsFMTBcd(const Variants::Variant& v);
TBcd VarToBcd(const Variants::Variant& v);  // any convertible Variant; the Variant cast error otherwise

}  // namespace FmtBcd

using namespace FmtBcd;
