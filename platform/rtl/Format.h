// Format: text from a picture and an "array of const". Each argument is a TVarRec, made implicitly
// from the value: Format("%s has %d items", {name, count}). (The unit's namespace is Formatting: a
// namespace named Format would hide the function of that name.)
//
// A specifier is  % [index ":"] ["-"] [width] ["." precision] type  where index, width and precision
// are digits or "*" (taken from the next argument, which must be an integer). Types (either case):
//   d  integer, precision = least digits        u  the same, unsigned
//   x  integer in upper-case hexadecimal        p  pointer, 16 hexadecimal digits
//   s  text (character, strings, wide text), precision = most characters
//   e  scientific, precision = digits (15)      f  fixed, precision = decimals (2)
//   g  general, precision = digits (15)         n  fixed with thousand separators (2)
//   m  currency, precision = decimals (CurrencyDecimals)
//   %% a percent sign
// e f g n m take a floating-point or currency argument; d u x an integer. An index sets the argument
// that the specifier and those after it use. Width and precision count characters (a multibyte
// character is one), so padding and cutting never split one. A wrong or missing argument raises
// EConvertError with the standard texts.
#pragma once

#include <type_traits>

#include "System.h"

namespace SysFormat {
struct TFormatSettings;
}

namespace Formatting {

using SysFormat::TFormatSettings;

enum TVarRecType : Byte {
  vtInteger = 0, vtBoolean = 1, vtChar = 2, vtExtended = 3, vtString = 4, vtPointer = 5, vtPChar = 6,
  vtObject = 7, vtClass = 8, vtWideChar = 9, vtPWideChar = 10, vtAnsiString = 11, vtCurrency = 12,
  vtVariant = 13, vtInterface = 14, vtWideString = 15, vtInt64 = 16,
};

// One argument of an "array of const". String arguments are referred to, not copied: a TVarRec
// lives no longer than the call it is made for.
struct TVarRec {
  Byte VType = vtPointer;
  union {
    Integer VInteger;
    bool VBoolean;
    Char VChar;
    WideChar VWideChar;
    Extended VExtended;
    Int64 VInt64;
    Int64 VCurrency;  // Currency.Raw
    const void* VPointer;
    const char* VPChar;
    const WideChar* VPWideChar;
    const String* VAnsiString;
    const WideString* VWideString;
    TObject* VObject;
    TClass VClass;
  };

  TVarRec() : VPointer(nullptr) {}
  TVarRec(bool v) : VType(vtBoolean), VBoolean(v) {}
  TVarRec(Char v) : VType(vtChar), VChar(v) {}
  TVarRec(WideChar v) : VType(vtWideChar), VWideChar(v) {}
  template <class T>
    requires(std::is_integral_v<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, char> &&
             !std::is_same_v<T, char16_t> && !std::is_same_v<T, char32_t>)
  TVarRec(T v) {
    if constexpr (sizeof(T) < sizeof(Integer) || (sizeof(T) == sizeof(Integer) && std::is_signed_v<T>)) {
      VType = vtInteger;
      VInteger = static_cast<Integer>(v);
    } else {
      VType = vtInt64;
      VInt64 = static_cast<Int64>(v);
    }
  }
  template <class T>
    requires std::is_enum_v<T>
  TVarRec(T v) : TVarRec(static_cast<std::underlying_type_t<T>>(v)) {}
  TVarRec(double v) : VType(vtExtended), VExtended(v) {}
  TVarRec(float v) : VType(vtExtended), VExtended(v) {}
  TVarRec(Currency v) : VType(vtCurrency), VCurrency(v.Raw) {}
  TVarRec(const char* v) : VType(vtPChar), VPChar(v) {}
  TVarRec(const WideChar* v) : VType(vtPWideChar), VPWideChar(v) {}
  TVarRec(const String& v) : VType(vtAnsiString), VAnsiString(&v) {}
  TVarRec(const WideString& v) : VType(vtWideString), VWideString(&v) {}
  TVarRec(std::nullptr_t) : VType(vtPointer), VPointer(nullptr) {}
  TVarRec(const void* v) : VType(vtPointer), VPointer(v) {}
  // (Convertibility, unlike derivation, may be asked of an incomplete type such as a handle's.)
  template <class T>
    requires std::is_convertible_v<T*, TObject*>
  TVarRec(T* v) : VType(vtObject), VObject(v) {}
  TVarRec(TClass v) : VType(vtClass), VClass(v) {}
};

String Format(const String& Fmt, std::initializer_list<TVarRec> Args);
String Format(const String& Fmt, std::initializer_list<TVarRec> Args, const TFormatSettings& Settings);
// For argument lists built at run time.
String Format(const String& Fmt, const TVarRec* Args, size_t Count, const TFormatSettings& Settings);
// The design's FmtStr: Result := Format(Fmt, Args).
void FmtStr(String& Result, const String& Fmt, std::initializer_list<TVarRec> Args);

}  // namespace Formatting

using namespace Formatting;
