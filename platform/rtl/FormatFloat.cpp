// Picture formats for floating-point and currency values (FormatFloat, FormatCurr).
#include <algorithm>
#include <cmath>
#include <vector>

#include "FloatFormat.h"
#include "FormatSettings.h"

namespace FloatFormat {

namespace {

// The value being formatted: a float or a currency, each decimalised with its own precision.
struct TNumber {
  bool IsCurrency;
  Extended Float;
  Currency Curr;
  void Decimal(TFloatRec& r, Integer precision, Integer decimals) const {
    if (IsCurrency) FloatToDecimal(r, Curr, precision, decimals);
    else FloatToDecimal(r, Float, precision, decimals);
  }
  Integer MaxPrecision() const { return IsCurrency ? 19 : 15; }
  bool Negative() const { return IsCurrency ? Curr.Raw < 0 : Float < 0; }
  bool Zero() const { return IsCurrency ? Curr.Raw == 0 : Float == 0; }
  String General(const TFormatSettings& s) const {
    return IsCurrency ? FloatToText(Curr, ffGeneral, 19, 0, s) : FloatToText(Float, ffGeneral, 15, 0, s);
  }
};

// The picture split at ';' outside quotes.
std::vector<String> Sections(const String& fmt) {
  std::vector<String> out(1);
  char quote = 0;
  for (char c : fmt) {
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == ';') {
      out.emplace_back();
      continue;
    }
    out.back() += c;
  }
  return out;
}

// What a section asks for.
struct TPicture {
  int IntPlaces = 0;     // 0 and # before the decimal point
  int ForcedInt = 0;     // integer places from the first 0 on
  int DecPlaces = 0;     // 0 and # after the decimal point
  int ForcedDec = 0;     // decimal places up to the last 0
  bool Thousands = false;
  bool Scientific = false;
};

bool IsExponentAt(const String& s, size_t i) {
  return (s[i] == 'E' || s[i] == 'e') && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-');
}

TPicture Scan(const String& s) {
  TPicture p;
  bool point = false;
  for (size_t i = 0; i < s.size(); ++i) {
    char c = s[i];
    if (c == '"' || c == '\'') {
      size_t close = s.find(c, i + 1);
      i = close == String::npos ? s.size() : close;
    } else if (c == '0' || c == '#') {
      if (point) {
        ++p.DecPlaces;
        if (c == '0') p.ForcedDec = p.DecPlaces;
      } else {
        ++p.IntPlaces;
        if (c == '0' && p.ForcedInt == 0) p.ForcedInt = 1;
        else if (p.ForcedInt > 0) ++p.ForcedInt;
      }
    } else if (c == '.') {
      point = true;
    } else if (c == ',') {
      p.Thousands = true;
    } else if (IsExponentAt(s, i)) {
      p.Scientific = true;
      break;  // what follows the exponent is literal text
    }
  }
  return p;
}

class TPictureWriter {
 public:
  TPictureWriter(const String& section, const TPicture& pic, const TFormatSettings& s)
      : FSection(section), FPic(pic), FSettings(s) {}

  // intDigits: the integer digits to show (already padded to the forced places); frac: the decimal
  // digits to show; exp: the exponent for a scientific picture.
  String Write(bool negative, const String& intDigits, const String& frac, int exp) {
    String out = negative ? "-" : "";
    int intPlace = 0, decPlace = 0;
    bool point = false, intWritten = false;
    auto writeInt = [&](int place) {
      // The first placeholder takes every digit the later ones leave over.
      int len = static_cast<int>(intDigits.size());
      int from = place == 0 ? 0 : len - (FPic.IntPlaces - place);
      int to = len - (FPic.IntPlaces - place - 1);
      for (int k = std::max(from, 0); k < to; ++k) {
        out += intDigits[static_cast<size_t>(k)];
        int right = len - 1 - k;  // digits still to come
        if (FPic.Thousands && right > 0 && right % 3 == 0 && FSettings.ThousandSeparator)
          out += FSettings.ThousandSeparator;
      }
    };
    auto writeAllInt = [&]() {  // a picture without integer places still shows the integer part
      if (intWritten || FPic.IntPlaces > 0) return;
      intWritten = true;
      int saved = FPic.IntPlaces;
      FPic.IntPlaces = 1;
      writeInt(0);
      FPic.IntPlaces = saved;
    };
    for (size_t i = 0; i < FSection.size(); ++i) {
      char c = FSection[i];
      if (c == '"' || c == '\'') {
        size_t close = FSection.find(c, i + 1);
        size_t stop = close == String::npos ? FSection.size() : close;
        out.append(FSection, i + 1, stop - i - 1);
        i = stop;
      } else if (c == '0' || c == '#') {
        if (!point) {
          writeInt(intPlace++);
        } else {
          if (decPlace < static_cast<int>(frac.size())) out += frac[static_cast<size_t>(decPlace)];
          ++decPlace;
        }
      } else if (c == '.') {
        if (point) continue;
        writeAllInt();
        point = true;
        if (!frac.empty()) out += FSettings.DecimalSeparator;
      } else if (c == ',') {
        // only switches the separators on
      } else if (IsExponentAt(FSection, i)) {
        writeAllInt();
        out += c;
        if (exp < 0) out += '-';
        else if (FSection[i + 1] == '+') out += '+';
        i += 2;
        int digits = 0;
        while (i < FSection.size() && FSection[i] == '0' && digits < 4) ++i, ++digits;
        --i;
        String e = std::to_string(std::abs(exp));
        if (static_cast<int>(e.size()) < digits) e.insert(0, static_cast<size_t>(digits) - e.size(), '0');
        out += e;
        // Literal text may follow the exponent.
        for (++i; i < FSection.size(); ++i) {
          char t = FSection[i];
          if (t == '"' || t == '\'') {
            size_t close = FSection.find(t, i + 1);
            size_t stop = close == String::npos ? FSection.size() : close;
            out.append(FSection, i + 1, stop - i - 1);
            i = stop;
          } else {
            out += t;
          }
        }
        break;
      } else {
        out += c;
      }
    }
    writeAllInt();
    return out;
  }

 private:
  const String& FSection;
  TPicture FPic;
  const TFormatSettings& FSettings;
};

String Render(const String& section, const TNumber& v, bool negative, const TFormatSettings& s, bool& roundedToZero) {
  TPicture pic = Scan(section);
  TFloatRec r;
  roundedToZero = false;
  if (pic.Scientific) {
    int precision = std::clamp(pic.IntPlaces + pic.DecPlaces, 1, v.MaxPrecision());
    v.Decimal(r, precision, 9999);
    String d = r.Digits;
    int exp = d.empty() ? 0 : r.Exponent - pic.IntPlaces;
    String intDigits = d.substr(0, std::min<size_t>(d.size(), static_cast<size_t>(pic.IntPlaces)));
    if (static_cast<int>(intDigits.size()) < pic.IntPlaces)
      intDigits.append(static_cast<size_t>(pic.IntPlaces) - intDigits.size(), '0');
    // Leading zeros of a '#' place are dropped, as in the fixed form.
    size_t lead = 0;
    while (lead + pic.ForcedInt < intDigits.size() && intDigits[lead] == '0') ++lead;
    intDigits.erase(0, lead);
    String frac = d.size() > static_cast<size_t>(pic.IntPlaces) ? d.substr(static_cast<size_t>(pic.IntPlaces)) : "";
    frac.resize(static_cast<size_t>(pic.DecPlaces), '0');
    while (static_cast<int>(frac.size()) > pic.ForcedDec && frac.back() == '0') frac.pop_back();
    return TPictureWriter(section, pic, s).Write(negative && !d.empty(), intDigits, frac, exp);
  }
  v.Decimal(r, v.MaxPrecision(), pic.DecPlaces);
  if (r.Digits[0] == 0 && !v.Zero()) roundedToZero = true;
  String d = r.Digits;
  int e = d.empty() ? 0 : r.Exponent;
  String intDigits, frac;
  if (e > 0) {
    intDigits = d.substr(0, std::min<size_t>(d.size(), static_cast<size_t>(e)));
    intDigits.append(static_cast<size_t>(e) - intDigits.size(), '0');
    frac = d.size() > static_cast<size_t>(e) ? d.substr(static_cast<size_t>(e)) : "";
  } else {
    frac = String(static_cast<size_t>(-e), '0') + d;
  }
  if (static_cast<int>(intDigits.size()) < pic.ForcedInt)
    intDigits.insert(0, static_cast<size_t>(pic.ForcedInt) - intDigits.size(), '0');
  frac.resize(static_cast<size_t>(pic.DecPlaces), '0');
  while (static_cast<int>(frac.size()) > pic.ForcedDec && frac.back() == '0') frac.pop_back();
  return TPictureWriter(section, pic, s).Write(negative && !d.empty(), intDigits, frac, 0);
}

String FormatNumber(const String& fmt, const TNumber& v, const TFormatSettings& s) {
  if (fmt.empty()) return v.General(s);
  if (!v.IsCurrency && (std::isnan(v.Float) || std::isinf(v.Float))) return v.General(s);
  std::vector<String> sec = Sections(fmt);
  auto section = [&](size_t k) -> const String* { return k < sec.size() && !sec[k].empty() ? &sec[k] : nullptr; };
  // A value that is zero, or that rounds to zero in its own section, shows as a zero.
  const String* zero = section(2) ? section(2) : &sec[0];
  const TNumber zeroValue{v.IsCurrency, 0, Currency{}};
  bool unused = false;
  if (v.Zero()) return Render(*zero, zeroValue, false, s, unused);
  const String* chosen = &sec[0];
  bool sign = v.Negative();
  if (sign && section(1)) {
    chosen = section(1);
    sign = false;  // the negative section shows its own sign, if any
  }
  if (!Scan(*chosen).Scientific) {
    TFloatRec r;
    v.Decimal(r, v.MaxPrecision(), 9999);
    if (r.Exponent > 18) return v.General(s);
  }
  bool roundedToZero = false;
  String text = Render(*chosen, v, sign, s, roundedToZero);
  return roundedToZero ? Render(*zero, zeroValue, false, s, unused) : text;
}

}  // namespace

String FormatFloat(const String& Format, Extended Value) { return FormatFloat(Format, Value, FormatSettings); }
String FormatFloat(const String& Format, Extended Value, const TFormatSettings& Settings) {
  return FormatNumber(Format, TNumber{false, Value, Currency{}}, Settings);
}
String FormatCurr(const String& Format, Currency Value) { return FormatCurr(Format, Value, FormatSettings); }
String FormatCurr(const String& Format, Currency Value, const TFormatSettings& Settings) {
  return FormatNumber(Format, TNumber{true, 0, Value}, Settings);
}

}  // namespace FloatFormat
