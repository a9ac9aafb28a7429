#include <gtest/gtest.h>

#include "Exceptions.h"
#include "Format.h"
#include "FormatSettings.h"
#include "System.h"
#include "WinDef.h"

namespace {

TFormatSettings UsSettings() {
  TFormatSettings s;
  s.DecimalSeparator = '.';
  s.ThousandSeparator = ',';
  s.CurrencyString = "$";
  s.CurrencyFormat = 0;
  s.NegCurrFormat = 1;
  s.CurrencyDecimals = 2;
  return s;
}

struct FormatCase {
  const char* fmt;
  std::initializer_list<TVarRec> args;
  const char* want;
};

void Check(std::initializer_list<FormatCase> cases, const TFormatSettings& s) {
  for (const auto& c : cases) {
    try {
      EXPECT_EQ(Format(c.fmt, c.args, s), c.want) << c.fmt;
    } catch (const Exception& e) {
      ADD_FAILURE() << c.fmt << " raised " << e.Message();
    }
  }
}

TEST(Format, IntegersWidthPrecisionAndJustification) {
  const Int64 minus1 = -1;
  Check({
            {"%d", {42}, "42"},
            {"[%5d]", {42}, "[   42]"},
            {"[%-5d]", {42}, "[42   ]"},
            {"%.4d", {42}, "0042"},
            {"%.4d", {-42}, "-0042"},
            {"[%6.4d]", {-42}, "[ -0042]"},
            {"%D", {7}, "7"},
            {"%d", {Int64{1} << 40}, "1099511627776"},
            {"%u", {-1}, "4294967295"},
            {"%u", {minus1}, "18446744073709551615"},
            {"%x", {255}, "FF"},
            {"%.4x", {255}, "00FF"},
            {"%x", {-1}, "FFFFFFFF"},
            {"%x", {minus1}, "FFFFFFFFFFFFFFFF"},
            {"%p", {reinterpret_cast<const void*>(0x1234)}, "0000000000001234"},
            {"%p", {nullptr}, "0000000000000000"},
            {"%p", {reinterpret_cast<HWND>(0x10)}, "0000000000000010"},  // a handle of an incomplete type
            {"%x", {0xFFFFFFFFu}, "FFFFFFFF"},
            {"%d", {Byte{200}}, "200"},
            {"100%%", {}, "100%"},
            {"%d%%", {5}, "5%"},
        },
        UsSettings());
}

TEST(Format, TextArgumentsCountCharactersNotBytes) {
  const String s = "abc";
  const WideString w = u"宽字";
  Check({
            {"%s", {s}, "abc"},
            {"%s-%s", {"x", String("y")}, "x-y"},
            {"[%5s]", {s}, "[  abc]"},
            {"[%-5s]", {s}, "[abc  ]"},
            {"%.2s", {s}, "ab"},
            {"[%4s]", {"中文"}, "[  中文]"},
            {"%.1s", {"中文"}, "中"},
            {"%s", {'c'}, "c"},
            {"%s", {w}, "宽字"},
            {"%s", {u"宽"}, "宽"},
            {"%s", {static_cast<const char*>(nullptr)}, ""},
            {"[%2s]", {"toolong"}, "[toolong]"},
        },
        UsSettings());
}

TEST(Format, IndexesAndStarArguments) {
  Check({
            {"%1:s %0:s", {"a", "b"}, "b a"},
            {"%1:s %s", {"a", "b", "c"}, "b c"},
            {"%0:s%0:s", {"x"}, "xx"},
            {"[%*d]", {5, 42}, "[   42]"},
            {"[%-*d]", {4, 1}, "[1   ]"},
            {"%.*f", {3, 3.14159}, "3.142"},
            {"[%*.*f]", {8, 2, 3.14159}, "[    3.14]"},
        },
        UsSettings());
}

TEST(Format, FloatingPointAndCurrency) {
  Check({
            {"%f", {3.14159}, "3.14"},
            {"%.0f", {2.5}, "3"},
            {"%.0f", {-2.5}, "-3"},
            {"%.2f", {0.125}, "0.13"},
            {"%.2f", {1.005}, "1.00"},  // 1.005 is stored as 1.00499999...
            {"%f", {-0.001}, "0.00"},
            {"%e", {1234.5}, "1.23450000000000E+003"},
            {"%.3e", {-0.000123}, "-1.23E-004"},
            {"%g", {1234.5}, "1234.5"},
            {"%g", {0.0001}, "0.0001"},
            {"%g", {1e20}, "1E020"},
            {"%g", {0.00001}, "1E-005"},
            {"%n", {1234567.891}, "1,234,567.89"},
            {"%.0n", {-999.5}, "-1,000"},
            {"%m", {1234.5}, "$1,234.50"},
            {"%m", {-1234.5}, "-$1,234.50"},
            {"%.3m", {Currency::FromRaw(12345)}, "$1.235"},  // currency arguments: 1.2345
            {"%f", {Currency::FromRaw(-12345)}, "-1.23"},
            {"%f", {1.5f}, "1.50"},
        },
        UsSettings());

  TFormatSettings de = UsSettings();
  de.DecimalSeparator = ',';
  de.ThousandSeparator = '.';
  de.CurrencyString = "€";
  de.CurrencyFormat = 3;
  de.NegCurrFormat = 8;
  Check({{"%n", {1234.5}, "1.234,50"}, {"%m", {1234.5}, "1.234,50 €"}, {"%m", {-1.0}, "-1,00 €"}}, de);
}

TEST(Format, BadPicturesAndArgumentsRaiseTheStandardTexts) {
  struct Bad {
    const char* fmt;
    std::initializer_list<TVarRec> args;
    const char* message;
  };
  const Bad bad[] = {
      {"%d", {"x"}, "Format '%d' invalid or incompatible with argument"},
      {"%d", {1.5}, "Format '%d' invalid or incompatible with argument"},
      {"%f", {1}, "Format '%f' invalid or incompatible with argument"},
      {"%s", {1}, "Format '%s' invalid or incompatible with argument"},
      {"%z", {1}, "Format '%z' invalid or incompatible with argument"},
      {"abc%", {1}, "Format 'abc%' invalid or incompatible with argument"},
      {"%5", {1}, "Format '%5' invalid or incompatible with argument"},
      {"%*d", {"w", 1}, "Format '%*d' invalid or incompatible with argument"},
      {"%99999999d", {1}, "Format '%99999999d' invalid or incompatible with argument"},
      {"%d %d", {1}, "No argument for format '%d %d'"},
      {"%3:d", {1}, "No argument for format '%3:d'"},
      {"%s", {}, "No argument for format '%s'"},
  };
  for (const auto& b : bad) {
    try {
      Format(b.fmt, b.args, UsSettings());
      ADD_FAILURE() << b.fmt << " did not raise";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), b.message);
    }
  }
}

TEST(Format, UsesTheGlobalSettingsUnlessGiven) {
  TFormatSettings saved = FormatSettings;
  FormatSettings.DecimalSeparator = ',';
  EXPECT_EQ(Format("%.1f", {2.25}), "2,3");
  EXPECT_EQ(Format("%.1f", {2.25}, UsSettings()), "2.3");
  FormatSettings = saved;
  String out;
  FmtStr(out, "%s=%d", {"n", 3});
  EXPECT_EQ(out, "n=3");
}

}  // namespace
