// Random patterns and texts for the mask engines (fixed seeds, bounded sizes): no crash, no exception
// but the documented pattern errors, and the pictures keep their width.
#include <gtest/gtest.h>

#include <random>

#include "Streams.h"
#include "Multibyte.h"
#include "cxMaskText.h"
#include "cxRegExpr.h"
#include "cxStandardMask.h"

namespace {

template <size_t N>
String RandomText(std::mt19937& ARandom, const char* const (&APieces)[N], size_t AMaxPieces) {
  String text;
  const size_t count = ARandom() % (AMaxPieces + 1);
  for (size_t i = 0; i < count; ++i) text += APieces[ARandom() % N];
  return text;
}

TEST(cxMaskEnginesFuzz, RegularExpressionsCompileOrReportAndStepSafely) {
  static const char* const patternPieces[] = {
      "a", "b", "A", "0", "\\d", "\\w", "\\S", ".", "/", ":", "(", ")", "|", "*", "+", "?", "{", "}", "{2}", "{1,3}",
      "{0,}", "{9999999999}", "[", "]", "^", "-", "[a-c]", "[^b]", "'", "' '", "\\", "\\1", "\\2", "\\x4", "\\x41",
      " ", "\r\n", "汉", ",", "{,}",
  };
  static const char* const textPieces[] = {"a", "b", "A", "0", "7", "/", ":", " ", "-", "汉", "_"};
  std::mt19937 random(20261211);
  Integer compiled = 0;
  for (int iteration = 0; iteration < 10000; ++iteration) {
    const String pattern = RandomText(random, patternPieces, 12);
    TOwnedPtr<TcxRegExpr> expr(New<TcxRegExpr>());
    expr->SetCaseInsensitive(random() % 2 == 0);
    String forced;
    expr->OnSymbolUpdate = TcxRegExprSymbolUpdateEvent([&forced](char32_t c) { forced += MaskCharToString(c); });
    expr->SetUpdateOn(random() % 2 == 0);
    TOwnedPtr<TStringStream> stream(New<TStringStream>(pattern));
    try {
      expr->Compile(stream.get());
    } catch (const EcxRegExprError& e) {
      EXPECT_GT(e.GetErrors()->GetCount(), 0) << pattern;
      continue;
    }
    ++compiled;
    for (char32_t c : ToMaskChars(RandomText(random, textPieces, 16))) {
      if (random() % 4 == 0) expr->Prev();
      else expr->Next(c);
      expr->IsFinal();
    }
    EXPECT_LE(forced.size(), 4096u * 4) << pattern;
  }
  EXPECT_GT(compiled, 1000) << "enough random patterns are valid to exercise the automaton";
}

TEST(cxMaskEnginesFuzz, StandardMasksKeepTheirWidth) {
  static const char* const maskPieces[] = {"L", "l", "A", "a", "C", "c", "0", "9", "#", ">", "<", "<>", ":", "/",
                                           "\\", ";", ";0", ";1;*", "!", "_", " ", "(", "x", "汉"};
  static const char* const textPieces[] = {"a", "Z", "5", "+", "-", "_", " ", "(", "汉", "*", ";"};
  std::mt19937 random(7);
  for (int iteration = 0; iteration < 3000; ++iteration) {
    const String maskText = RandomText(random, maskPieces, 10);
    TOwnedPtr<TcxStandardMask> mask(New<TcxStandardMask>());
    mask->Compile(maskText);
    const Integer width = mask->GetCount();
    EXPECT_EQ(StrCharLength(mask->GetFullEmptyString()), width) << maskText;
    String text = RandomText(random, textPieces, 12);
    String formatted = text;
    mask->Format(formatted, random() % 2 == 0, random() % 2 == 0);
    EXPECT_EQ(static_cast<Integer>(ToMaskChars(formatted).size()), width) << maskText << " / " << text;
    String value = formatted;
    mask->Format2(value);
    EXPECT_LE(static_cast<Integer>(ToMaskChars(value).size()), width);
    mask->IsValid(text);
    mask->IsFullValid(formatted);
  }
}

}  // namespace
