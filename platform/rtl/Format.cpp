#include "Format.h"

#include <charconv>

#include "Exceptions.h"
#include "FloatFormat.h"
#include "FormatSettings.h"
#include "Multibyte.h"
#include "SysConst.h"

namespace Formatting {

namespace {

// Width and precision above this are taken as a broken picture rather than a request for megabytes.
constexpr Integer kMaxWidth = 65535;

// The standard messages name the picture; they are built here, not through Format itself.
String WithPicture(const char* message, const String& fmt) {
  String m = message;
  size_t at = m.find("%s");
  if (at != String::npos) m.replace(at, 2, fmt);
  return m;
}

class TFormatter {
 public:
  TFormatter(const String& fmt, const TVarRec* args, size_t count, const TFormatSettings& s)
      : FFmt(fmt), FArgs(args), FCount(count), FSettings(s) {}

  String Run() {
    const size_t n = FFmt.size();
    size_t i = 0;
    while (i < n) {
      size_t pct = FFmt.find('%', i);
      if (pct == String::npos) {
        FOut.append(FFmt, i, String::npos);
        break;
      }
      FOut.append(FFmt, i, pct - i);
      i = Specifier(pct + 1);
    }
    return std::move(FOut);
  }

 private:
  [[noreturn]] void Invalid() const { throw EConvertError(WithPicture(SysConst::SInvalidFormat, FFmt)); }

  const TVarRec& NextArg() {
    if (FArgIndex >= FCount) throw EConvertError(WithPicture(SysConst::SArgumentMissing, FFmt));
    return FArgs[FArgIndex++];
  }

  // Digits or "*" at i; -1 when neither is there.
  Integer Number(size_t& i) {
    if (i < FFmt.size() && FFmt[i] == '*') {
      ++i;
      const TVarRec& a = NextArg();
      if (a.VType != vtInteger) Invalid();
      if (a.VInteger > kMaxWidth) Invalid();
      return a.VInteger < 0 ? 0 : a.VInteger;
    }
    Integer v = -1;
    while (i < FFmt.size() && FFmt[i] >= '0' && FFmt[i] <= '9') {
      v = (v < 0 ? 0 : v) * 10 + (FFmt[i] - '0');
      if (v > kMaxWidth) Invalid();
      ++i;
    }
    return v;
  }

  // Reads one specifier starting after its '%'; returns the index after it.
  size_t Specifier(size_t i) {
    const size_t n = FFmt.size();
    if (i >= n) Invalid();
    if (FFmt[i] == '%') {
      FOut += '%';
      return i + 1;
    }
    Integer width = Number(i);
    if (i < n && FFmt[i] == ':') {
      if (width < 0) width = 0;
      FArgIndex = static_cast<size_t>(width);
      ++i;
      width = -1;
    }
    bool left = false;
    if (width < 0 && i < n && FFmt[i] == '-') {
      left = true;
      ++i;
    }
    if (width < 0) width = Number(i);
    Integer prec = -1;
    if (i < n && FFmt[i] == '.') {
      ++i;
      prec = Number(i);
      if (prec < 0) prec = 0;
    }
    if (i >= n) Invalid();
    char type = FFmt[i];
    if (type >= 'a' && type <= 'z') type = static_cast<char>(type - 32);
    const TVarRec& arg = NextArg();
    String text = Convert(type, arg, prec);
    Pad(text, width, left);
    return i + 1;
  }

  void Pad(const String& text, Integer width, bool left) {
    Integer chars = StrCharLength(text);
    if (width <= chars) {
      FOut += text;
      return;
    }
    String fill(static_cast<size_t>(width - chars), ' ');
    FOut += left ? text + fill : fill + text;
  }

  static String Digits(UInt64 v, int base) {
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, v, base);
    String s(buf, r.ptr);
    for (char& c : s)
      if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 32);
    return s;
  }

  static void ZeroPad(String& s, Integer prec) {
    if (prec > static_cast<Integer>(s.size())) s.insert(0, static_cast<size_t>(prec) - s.size(), '0');
  }

  String Integral(char type, const TVarRec& a, Integer prec) {
    if (a.VType != vtInteger && a.VType != vtInt64) Invalid();
    Int64 v = a.VType == vtInteger ? a.VInteger : a.VInt64;
    String s;
    if (type == 'D') {
      s = Digits(v < 0 ? 0 - static_cast<UInt64>(v) : static_cast<UInt64>(v), 10);
      ZeroPad(s, prec);
      if (v < 0) s.insert(0, 1, '-');
      return s;
    }
    // u and x show the bits of the argument's own width.
    UInt64 bits = a.VType == vtInteger ? static_cast<uint32_t>(a.VInteger) : static_cast<UInt64>(a.VInt64);
    s = Digits(bits, type == 'U' ? 10 : 16);
    ZeroPad(s, prec);
    return s;
  }

  String Floating(char type, const TVarRec& a, Integer prec) {
    if (a.VType != vtExtended && a.VType != vtCurrency) Invalid();
    TFloatFormat ff = ffGeneral;
    Integer precision = 15, digits = 0;
    switch (type) {
      case 'E': ff = ffExponent; precision = prec < 0 ? 15 : prec; digits = 3; break;
      case 'G': ff = ffGeneral; precision = prec < 0 ? 15 : prec; digits = 3; break;
      case 'F': ff = ffFixed; precision = 18; digits = prec < 0 ? 2 : prec; break;
      case 'N': ff = ffNumber; precision = 18; digits = prec < 0 ? 2 : prec; break;
      default: ff = ffCurrency; precision = 18; digits = prec < 0 ? FSettings.CurrencyDecimals : prec; break;
    }
    if (a.VType == vtCurrency)
      return FloatToText(Currency::FromRaw(a.VCurrency), ff, precision == 18 ? 19 : precision, digits, FSettings);
    return FloatToText(a.VExtended, ff, precision, digits, FSettings);
  }

  String Text(const TVarRec& a, Integer prec) {
    String s;
    switch (a.VType) {
      case vtChar: s.assign(1, a.VChar); break;
      case vtWideChar: s = WideToUtf8(WideString(1, a.VWideChar)); break;
      case vtPChar: s = a.VPChar ? a.VPChar : ""; break;
      case vtPWideChar: s = a.VPWideChar ? WideToUtf8(a.VPWideChar) : String(); break;
      case vtAnsiString: s = *a.VAnsiString; break;
      case vtWideString: s = WideToUtf8(*a.VWideString); break;
      default: Invalid();
    }
    if (prec >= 0) s.resize(static_cast<size_t>(CharToByteLen(s, prec)));
    return s;
  }

  String Pointer(const TVarRec& a) {
    const void* p = nullptr;
    switch (a.VType) {
      case vtPointer: p = a.VPointer; break;
      case vtPChar: p = a.VPChar; break;
      case vtPWideChar: p = a.VPWideChar; break;
      case vtObject: p = a.VObject; break;
      case vtClass: p = a.VClass; break;
      default: Invalid();
    }
    String s = Digits(reinterpret_cast<uintptr_t>(p), 16);
    ZeroPad(s, 2 * static_cast<Integer>(sizeof(void*)));
    return s;
  }

  String Convert(char type, const TVarRec& a, Integer prec) {
    switch (type) {
      case 'D': case 'U': case 'X': return Integral(type, a, prec);
      case 'E': case 'F': case 'G': case 'N': case 'M': return Floating(type, a, prec);
      case 'S': return Text(a, prec);
      case 'P': return Pointer(a);
      default: Invalid();
    }
  }

  const String& FFmt;
  const TVarRec* FArgs;
  size_t FCount;
  const TFormatSettings& FSettings;
  size_t FArgIndex = 0;
  String FOut;
};

}  // namespace

String Format(const String& Fmt, const TVarRec* Args, size_t Count, const TFormatSettings& Settings) {
  return TFormatter(Fmt, Args, Count, Settings).Run();
}

String Format(const String& Fmt, std::initializer_list<TVarRec> Args, const TFormatSettings& Settings) {
  return Format(Fmt, Args.begin(), Args.size(), Settings);
}

String Format(const String& Fmt, std::initializer_list<TVarRec> Args) {
  return Format(Fmt, Args.begin(), Args.size(), FormatSettings);
}

void FmtStr(String& Result, const String& Fmt, std::initializer_list<TVarRec> Args) { Result = Format(Fmt, Args); }

}  // namespace Formatting
