// SQL time stamps: a date and time as separate fields, as databases hand them over, their
// conversions to TDateTime and text, and the Variant type that carries them.
//
// Fractions counts milliseconds. The all-zero stamp is the blank stamp ("no value"): it converts to
// the date-time 0.
#pragma once

#include "System.h"

namespace Variants {
class Variant;
}

namespace SqlTimSt {

struct TSQLTimeStamp {
  SmallInt Year = 0;
  Word Month = 0;
  Word Day = 0;
  Word Hour = 0;
  Word Minute = 0;
  Word Second = 0;
  LongWord Fractions = 0;  // milliseconds
  friend bool operator==(const TSQLTimeStamp&, const TSQLTimeStamp&) = default;
};
static_assert(sizeof(TSQLTimeStamp) == 16, "a time stamp is streamed and stored as 16 bytes");

inline constexpr TSQLTimeStamp NullSQLTimeStamp{};

TSQLTimeStamp DateTimeToSQLTimeStamp(TDateTime value);
// EConvertError ("Invalid argument to date encode" / "... time encode") for a field out of range.
TDateTime SQLTimeStampToDateTime(const TSQLTimeStamp& stamp);
bool IsSQLTimeStampBlank(const TSQLTimeStamp& stamp);
// Field by field from the year down: negative, 0 or positive.
Integer SQLTimeStampCompare(const TSQLTimeStamp& a, const TSQLTimeStamp& b);

// FormatDateTime of the stamp; an empty format gives the locale's date and time as DateTimeToStr does.
String SQLTimeStampToStr(const String& format, const TSQLTimeStamp& stamp);
// Parses as StrToDateTime does, in the locale's order and separators.
bool TryStrToSQLTimeStamp(const String& text, TSQLTimeStamp& stamp);
TSQLTimeStamp StrToSQLTimeStamp(const String& text);  // EConvertError for bad text

// ---- The Variant type -----------------------------------------------------------------------------------
// Its code is given out at run time (VarSQLTimeStamp). It converts to a date and from there to the
// other standard types, compares field by field, and takes part in arithmetic as a Date.
Variants::Variant VarSQLTimeStampCreate(const TSQLTimeStamp& stamp);
Variants::Variant VarSQLTimeStampCreate(TDateTime value);
Variants::Variant VarSQLTimeStampCreate(const String& text);
Word VarSQLTimeStamp();
bool VarIsSQLTimeStamp(const Variants::Variant& v);
TSQLTimeStamp VarToSQLTimeStamp(const Variants::Variant& v);  // any convertible Variant

}  // namespace SqlTimSt

using namespace SqlTimSt;
