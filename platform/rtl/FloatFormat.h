// Floating-point and currency numbers as text and back, with the separators, currency string and
// currency patterns of the format settings (the global FormatSettings unless one is given).
//
// Rounding: a value is rounded half away from zero at the last digit shown, from its exact binary
// value (so 0.125 to two decimals is "0.13", while 1.005, stored as 1.00499..., is "1.00"). A result
// that rounds to zero never shows a minus sign.
#pragma once

#include "System.h"

namespace SysFormat {
struct TFormatSettings;
}

namespace FloatFormat {

using SysFormat::TFormatSettings;

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };
enum TFloatValue { fvExtended, fvCurrency };

// A number as decimal digits: value = 0.Digits x 10^Exponent. Digits holds no trailing zeros and is
// empty for zero; Exponent is -32768 for NaN and 0x7FFF for an infinity.
struct TFloatRec {
  SmallInt Exponent = 0;
  bool Negative = false;
  char Digits[21] = {};
};
// Rounds to at most Precision significant digits (1..18; 1..19 for currency) and at most Decimals
// digits after the decimal point.
void FloatToDecimal(TFloatRec& Result, Extended Value, Integer Precision, Integer Decimals);
void FloatToDecimal(TFloatRec& Result, Currency Value, Integer Precision, Integer Decimals);

// ffGeneral: the shortest text with at most Precision digits, fixed while the value has no more than
//            Precision integer digits and is at least 0.0001, else scientific; Digits = least
//            exponent digits (0..4).
// ffExponent: d.ddd with Precision digits, "E", the exponent's sign and at least Digits digits.
// ffFixed:    Digits decimals (0..18); scientific as ffGeneral when the integer part has more than
//             Precision digits.  ffNumber: ffFixed with thousand separators.
// ffCurrency: ffNumber with Digits decimals in the currency patterns of the settings.
String FloatToText(Extended Value, TFloatFormat Format, Integer Precision, Integer Digits,
                   const TFormatSettings& Settings);
String FloatToText(Currency Value, TFloatFormat Format, Integer Precision, Integer Digits,
                   const TFormatSettings& Settings);

String FloatToStr(Extended Value);
String FloatToStr(Extended Value, const TFormatSettings& Settings);
String FloatToStrF(Extended Value, TFloatFormat Format, Integer Precision, Integer Digits);
String FloatToStrF(Extended Value, TFloatFormat Format, Integer Precision, Integer Digits,
                   const TFormatSettings& Settings);
String CurrToStr(Currency Value);
String CurrToStr(Currency Value, const TFormatSettings& Settings);
String CurrToStrF(Currency Value, TFloatFormat Format, Integer Digits);
String CurrToStrF(Currency Value, TFloatFormat Format, Integer Digits, const TFormatSettings& Settings);

// Picture formats: up to three sections "positive;negative;zero" with the placeholders 0 (digit or
// zero) and # (digit if any), '.' (the decimal separator's place), ',' (thousand separators),
// E+ E- e+ e- (scientific, with 0s for the least exponent digits) and quoted literals "x" or 'x'.
// An empty picture gives FloatToStr. A value with more than 18 integer digits and a picture
// without an exponent gives the general format.
String FormatFloat(const String& Format, Extended Value);
String FormatFloat(const String& Format, Extended Value, const TFormatSettings& Settings);
String FormatCurr(const String& Format, Currency Value);
String FormatCurr(const String& Format, Currency Value, const TFormatSettings& Settings);

// Text to number: blanks around the number, a sign, digits with the decimal separator (no thousand
// separators) and an optional exponent "E[+-]digits". A value out of range fails.
bool TextToFloat(const String& Text, Extended& Value, const TFormatSettings& Settings);
bool TextToFloat(const String& Text, Currency& Value, const TFormatSettings& Settings);
Extended StrToFloat(const String& S);  // raises EConvertError "'%s' is not a valid floating point value"
Extended StrToFloat(const String& S, const TFormatSettings& Settings);
Extended StrToFloatDef(const String& S, Extended Default);
bool TryStrToFloat(const String& S, Extended& Value);
bool TryStrToFloat(const String& S, Extended& Value, const TFormatSettings& Settings);
// Currency texts are read exactly and rounded to four decimals, halves to even.
Currency StrToCurr(const String& S);
Currency StrToCurr(const String& S, const TFormatSettings& Settings);
Currency StrToCurrDef(const String& S, Currency Default);
bool TryStrToCurr(const String& S, Currency& Value);

}  // namespace FloatFormat

using namespace FloatFormat;
