// The text forms behind the Variant conversions: numbers, dates and Booleans in the program's locale.
#include <cmath>

#include "DateFormat.h"
#include "FloatFormat.h"
#include "Multibyte.h"
#include "Strings.h"
#include "SysConst.h"
#include "VariantsInternal.h"

namespace Variants::VarText {

String FromInt(Int64 value) { return IntToStr(value); }
String FromFloat(double value) { return FloatToStr(value); }
// A Single carries about seven digits; more would show the binary fraction's noise.
String FromSingle(float value) { return FloatToStrF(value, ffGeneral, 7, 0); }
String FromCurrency(Currency value) { return CurrToStr(value); }

String FromDateTime(TDateTime value) { return DateTimeToStr(value); }

bool ToInt(const String& text, Int64& value) { return TryStrToInt64(text, value); }
bool ToFloat(const String& text, double& value) { return TryStrToFloat(text, value); }

bool ToDateTime(const String& text, TDateTime& value) { return TryStrToDateTime(text, value); }
bool ToBool(const String& text, bool& value) { return TryStrToBool(text, value); }
WideString ToWide(const String& text) { return Utf8ToWide(text); }
String FromWide(const WideString& text) { return WideToUtf8(text); }

bool RoundToInt64(double value, Int64& result) {
  if (!std::isfinite(value)) return false;
  double rounded = std::nearbyint(value);  // the default rounding mode takes halves to even
  if (rounded < -9223372036854775808.0 || rounded >= 9223372036854775808.0) return false;
  result = static_cast<Int64>(rounded);
  return true;
}

}  // namespace Variants::VarText
