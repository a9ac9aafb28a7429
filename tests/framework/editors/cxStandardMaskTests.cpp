// The standard mask: compiling pictures, laying texts into them, value texts and validity.
#include <gtest/gtest.h>

#include "FormatSettings.h"
#include "cxStandardMask.h"

namespace {

TOwnedPtr<TcxStandardMask> CompiledMask(const String& AMask) {
  TOwnedPtr<TcxStandardMask> mask(New<TcxStandardMask>());
  mask->Compile(AMask);
  return mask;
}

// The kinds of the items as letters: L literal, M many item; and the empty strings.
String Shape(TcxStandardMask* AMask) {
  String shape;
  for (Integer i = 0; i < AMask->GetCount(); ++i) shape += AMask->IsLiteral(i) ? 'L' : 'M';
  return shape;
}

TEST(cxStandardMask, CompilesPicturesAndSectionEndings) {
  const struct {
    const char* Mask;
    const char* Shape;
    const char* FullEmpty;
    const char* Empty;
    bool Leading;
  } cases[] = {
      {"", "", "", "", false},
      {"!(999)000-0000;1;_", "LMMMLMMMLMMMM", "(___)___-____", "(   )   -    ", true},
      {"00;0", "MM", "__", "  ", false},
      {"00;1;*", "MM", "**", "  ", false},
      {"0;00", "MLMM", "_;__", " ;  ", false},
      {"0;0", "M", "_", " ", false},
      {"0;x", "MLL", "_;x", " ;x", false},
      {"0\\", "M", "_", " ", false},
      {"\\0a!_ ", "LMLLL", "0_!_ ", "0 !_ ", false},
      {"LlAaCc09#", "MMMMMMMMM", "_________", "         ", false},
      {"汉字0", "LLM", "汉字_", "汉字 ", false},
  };
  for (const auto& c : cases) {
    TOwnedPtr<TcxStandardMask> mask = CompiledMask(c.Mask);
    EXPECT_EQ(Shape(mask.get()), c.Shape) << c.Mask;
    EXPECT_EQ(mask->GetFullEmptyString(), c.FullEmpty) << c.Mask;
    EXPECT_EQ(mask->GetEmptyString(), c.Empty) << c.Mask;
    EXPECT_EQ(mask->GetLeading(), c.Leading) << c.Mask;
  }
  EXPECT_FALSE(SaveLiteralChars("00;0"));
  EXPECT_EQ(MaskBlank("00;1;*"), U'*');
  EXPECT_EQ(EmptyString("(00);0"), "  ");
  EXPECT_EQ(EmptyString("(00)", U'#'), "(  )");
}

TEST(cxStandardMask, SeparatorsFollowTheLocaleAtCompileTime) {
  const Char savedDate = FormatSettings.DateSeparator, savedTime = FormatSettings.TimeSeparator;
  FormatSettings.DateSeparator = '-';
  FormatSettings.TimeSeparator = '.';
  TOwnedPtr<TcxStandardMask> mask = CompiledMask("00/00 00:00");
  FormatSettings.DateSeparator = savedDate;
  FormatSettings.TimeSeparator = savedTime;
  EXPECT_EQ(mask->GetFullEmptyString(), "__-__ __.__") << "a later change does not alter the compiled mask";
}

TEST(cxStandardMask, FormatLaysTextsIntoThePicture) {
  const struct {
    const char* Mask;
    const char* Text;
    bool ApplyCase;
    bool HasLiterals;
    const char* Result;
  } cases[] = {
      {"", "abc", true, true, ""},
      {"!999", "12", true, true, "_12"},
      {"999", "12", true, true, "12_"},
      {"(000)", "123", true, true, "(123)"},
      {"(000)", "(123)", true, true, "(123)"},
      {">LL", "ab", true, true, "AB"},
      {">LL", "ab", false, true, "ab"},
      {">0<>L", "a", true, true, "_A"},
      {"000", "1 3", true, true, "1_3"},
      {"000", "1x3", true, true, "13_"},
      {"(00);0", "12", true, false, "(12)"},
      {"(00);0", "(12)", true, true, "(12)"},
      {"CC", "汉字", true, true, "汉字"},
      {"<LL", "AB", true, true, "ab"},
  };
  for (const auto& c : cases) {
    String text = c.Text;
    CompiledMask(c.Mask)->Format(text, c.ApplyCase, c.HasLiterals);
    EXPECT_EQ(text, c.Result) << c.Mask << " / " << c.Text;
  }
  EXPECT_EQ(FormatText("5551234", "000-0000"), "555-1234");
  EXPECT_EQ(FormatText("5", "000", U'*'), "5**");
}

TEST(cxStandardMask, Format2GivesTheValueText) {
  const struct {
    const char* Mask;
    const char* Text;
    const char* Value;
  } cases[] = {
      {"(000)", "(1_3)", "(1 3)"},
      {"(000);0", "(1_3)", "1 3"},
      {"(000)", "(12", "(12"},
      {"00", "1234", "12"},
  };
  for (const auto& c : cases) {
    String text = c.Text;
    CompiledMask(c.Mask)->Format2(text);
    EXPECT_EQ(text, c.Value) << c.Mask << " / " << c.Text;
  }
}

TEST(cxStandardMask, ValidityTestsAndCaseConversion) {
  const struct {
    const char* Mask;
    const char* Text;
    bool Valid;
    bool FullValid;
  } cases[] = {
      {"", "", true, true},
      {"", "a", false, false},
      {"00", "1", true, false},
      {"00", "1_", true, false},   // a blank at a required digit
      {"99", "1_", true, true},    // a blank at an optional digit
      {"99", "1 ", true, true},
      {"LL", "a1", false, false},  // a digit where a letter must be
      {"AC", "_x", true, false},
      {"#0", "-5", true, true},
      {"00", "123", false, false},
      {"(00)", "(12)", true, true},
      {"(00)", "[12]", false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(cxStandardMask::IsTextValid(c.Text, c.Mask), c.Valid) << c.Mask << " / " << c.Text;
    EXPECT_EQ(cxStandardMask::IsTextFullValid(c.Text, c.Mask), c.FullValid) << c.Mask << " / " << c.Text;
  }
  TOwnedPtr<TcxStandardMask> mask = CompiledMask(">LL");
  String text = "ab";
  EXPECT_TRUE(mask->IsFullValid(text));
  EXPECT_EQ(text, "AB") << "the test converts the case in place";
}

}  // namespace
