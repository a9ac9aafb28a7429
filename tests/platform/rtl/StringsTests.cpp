#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "Exceptions.h"
#include "Strings.h"

namespace {

TEST(Strings, TrimRemovesBlanksAndControlCharactersOnly) {
  struct Case { String in, both, left, right; };
  const Case cases[] = {
      {"", "", "", ""},
      {" \t\r\n ", "", "", ""},
      {"\x01 a b \x1f", "a b", "a b \x1f", "\x01 a b"},
      {" 中文 ", "中文", "中文 ", " 中文"},
      {"\xC2\xA0x\xC2\xA0", "\xC2\xA0x\xC2\xA0", "\xC2\xA0x\xC2\xA0", "\xC2\xA0x\xC2\xA0"},  // no-break space is text
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Trim(c.in), c.both) << c.in;
    EXPECT_EQ(TrimLeft(c.in), c.left) << c.in;
    EXPECT_EQ(TrimRight(c.in), c.right) << c.in;
  }
}

TEST(Strings, CaseConversionAsciiAndWholeCharacters) {
  EXPECT_EQ(UpperCase("abc é 中"), "ABC é 中");
  EXPECT_EQ(LowerCase("ABC É"), "abc É");
  struct Case { String lower, upper; };
  const Case cases[] = {
      {"straße àéîõü ÿ", "STRAßE ÀÉÎÕÜ Ÿ"},
      {"ąčęłńšž", "ĄČĘŁŃŠŽ"},
      {"αβγ άέ", "ΑΒΓ ΆΈ"},
      {"привет ёж", "ПРИВЕТ ЁЖ"},
      {"ａｂｃ", "ＡＢＣ"},
      {"拍卖 123", "拍卖 123"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AnsiUpperCase(c.lower), c.upper) << c.lower;
    EXPECT_EQ(AnsiLowerCase(c.upper), c.lower) << c.upper;
  }
  EXPECT_EQ(AnsiUpperCase("ς"), "Σ");
  // Invalid bytes pass through untouched and do not swallow their neighbours.
  EXPECT_EQ(AnsiUpperCase("a\xFF" "b\xE4" "c"), "A\xFF" "B\xE4" "C");
}

TEST(Strings, OrdinalComparisons) {
  EXPECT_LT(CompareStr("A", "a"), 0);
  EXPECT_LT(CompareStr("ab", "abc"), 0);
  EXPECT_EQ(CompareStr("x", "x"), 0);
  EXPECT_EQ(CompareText("HeLLo", "hello"), 0);
  EXPECT_LT(CompareText("a", "_"), 0);  // compared in upper case: 'A' < '_'
  EXPECT_NE(CompareText("é", "É"), 0);  // ASCII only
  EXPECT_TRUE(SameText("ABC", "abc"));
}

TEST(Strings, AnsiCollationOrdersWordsAsTheLocaleDoes) {
  // Strictly increasing under AnsiCompareStr.
  const std::vector<String> sorted = {
      "", " ", "!", "1", "10", "2", "a", "A", "á", "Á", "ab", "Ab", "coop", "co-op", "e", "é", "f",
      "z", "Z", "þ", "α", "Ω", "б", "Я", "中", "\xFF"};
  for (size_t i = 0; i + 1 < sorted.size(); ++i) {
    EXPECT_LT(AnsiCompareStr(sorted[i], sorted[i + 1]), 0) << sorted[i] << " < " << sorted[i + 1];
    EXPECT_GT(AnsiCompareStr(sorted[i + 1], sorted[i]), 0) << sorted[i + 1] << " > " << sorted[i];
  }
  // Case decides only after everything else: "ab" < "AC" although 'a' < 'A'.
  EXPECT_LT(AnsiCompareStr("ab", "AC"), 0);
  EXPECT_LT(AnsiCompareStr("aB", "Ab"), 0);
  EXPECT_EQ(AnsiCompareStr("Straße", "Straße"), 0);

  struct Case { String a, b; int sign; };
  const Case text[] = {
      {"Hello", "hELLO", 0}, {"ÀÉÎ", "àéî", 0}, {"ПРИВЕТ", "привет", 0}, {"ＡＢ", "ａｂ", 0},
      {"e", "é", -1}, {"co-op", "coop", 1}, {"apple", "Banana", -1}, {"中文", "中文", 0}, {"a", "", 1},
  };
  for (const auto& c : text) {
    int r = AnsiCompareText(c.a, c.b);
    EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " vs " << c.b;
    EXPECT_EQ(AnsiSameText(c.a, c.b), c.sign == 0);
  }
  EXPECT_FALSE(AnsiSameStr("a", "A"));
}

TEST(Strings, LengthLimitedCompareNeverComparesPartOfACharacter) {
  EXPECT_EQ(AnsiStrLComp("abcX", "abcY", 3), 0);
  EXPECT_LT(AnsiStrLComp("abcX", "abcY", 4), 0);
  EXPECT_EQ(AnsiStrLIComp("ABCx", "abcy", 3), 0);
  EXPECT_NE(AnsiStrLComp("abc", "ABC", 3), 0);
  // "中" is three bytes: a limit of 4 takes "a" and "中" and leaves the cut "国" out whole.
  EXPECT_EQ(AnsiStrLComp("a中国", "a中华", 4), 0);
  EXPECT_EQ(AnsiStrLComp("a中国", "a中华", 6), 0);
  EXPECT_NE(AnsiStrLComp("a中国", "a中华", 7), 0);
  EXPECT_EQ(AnsiStrLIComp("ab", "ABC", 2), 0);
  EXPECT_LT(AnsiStrLIComp("ab", "ABC", 3), 0);
  EXPECT_EQ(CompareString(0, 0, "a", 1, "A", 1), CSTR_LESS_THAN);
  EXPECT_EQ(CompareString(0, NORM_IGNORECASE, "a", 1, "A", -1), CSTR_EQUAL);
  EXPECT_EQ(CompareString(0, 0, "b", -1, "abc", 1), CSTR_GREATER_THAN);
  EXPECT_EQ(CompareString(0, 0, nullptr, 0, "a", 1), 0);
  EXPECT_EQ(AnsiStrComp("x", "x"), 0);
  EXPECT_EQ(AnsiStrIComp("x", "X"), 0);
}

TEST(Strings, OneBasedPositionsAndEdits) {
  EXPECT_EQ(Pos("lo", "hello"), 4);
  EXPECT_EQ(Pos("", "hello"), 0);
  EXPECT_EQ(Pos("x", ""), 0);
  EXPECT_EQ(PosEx("l", "hello", 4), 4);
  EXPECT_EQ(PosEx("l", "hello", 6), 0);
  EXPECT_EQ(AnsiPos("文", "中文"), 4);
  // A pattern that starts with a trail byte matches only on a character boundary.
  EXPECT_EQ(Pos("\x96\x87", "中文"), 5);
  EXPECT_EQ(AnsiPos("\x96\x87", "中文"), 0);

  struct CopyCase { String s; int index, count; String want; };
  const CopyCase copies[] = {
      {"hello", 2, 3, "ell"}, {"hello", 0, 2, "he"}, {"hello", -5, 2, "he"}, {"hello", 4, 100, "lo"},
      {"hello", 6, 1, ""},    {"hello", 1, 0, ""},   {"hello", 1, -1, ""},  {"", 1, 1, ""},
  };
  for (const auto& c : copies) EXPECT_EQ(Copy(c.s, c.index, c.count), c.want) << c.index << "," << c.count;
  EXPECT_EQ(Copy("hello", 3), "llo");

  struct DeleteCase { int index, count; String want; };
  const DeleteCase deletes[] = {{2, 2, "hlo"}, {0, 2, "hello"}, {6, 1, "hello"}, {4, 99, "hel"}, {1, 0, "hello"}};
  for (const auto& c : deletes) {
    String s = "hello";
    Delete(s, c.index, c.count);
    EXPECT_EQ(s, c.want) << c.index << "," << c.count;
  }

  struct InsertCase { int index; String want; };
  const InsertCase inserts[] = {{1, "XYab"}, {2, "aXYb"}, {3, "abXY"}, {99, "abXY"}, {-3, "XYab"}};
  for (const auto& c : inserts) {
    String s = "ab";
    Insert("XY", s, c.index);
    EXPECT_EQ(s, c.want) << c.index;
  }
  EXPECT_EQ(StringOfChar('-', 3), "---");
  EXPECT_EQ(StringOfChar('-', -1), "");
}

TEST(Strings, StringReplaceFlags) {
  struct Case { String s, from, to; TReplaceFlags flags; String want; };
  const Case cases[] = {
      {"a.b.c", ".", "::", {}, "a::b.c"},
      {"a.b.c", ".", "::", {rfReplaceAll}, "a::b::c"},
      {"Abc abc", "abc", "x", {}, "Abc x"},
      {"Abc abc", "abc", "x", {rfIgnoreCase}, "x abc"},
      {"Abc abc", "ABC", "x", {rfReplaceAll, rfIgnoreCase}, "x x"},
      {"ÉTÉ été", "été", "summer", {rfReplaceAll, rfIgnoreCase}, "summer summer"},
      {"aaa", "aa", "a", {rfReplaceAll}, "aa"},  // replaced text is not searched again
      {"abc", "", "x", {rfReplaceAll}, "abc"},
      {"中文中文", "文", "国", {rfReplaceAll}, "中国中国"},
  };
  for (const auto& c : cases) EXPECT_EQ(StringReplace(c.s, c.from, c.to, c.flags), c.want) << c.s;
}

TEST(Strings, QuotingRoundTrips) {
  EXPECT_EQ(QuotedStr("it's"), "'it''s'");
  EXPECT_EQ(QuotedStr(""), "''");
  EXPECT_EQ(AnsiQuotedStr("say \"hi\"", '"'), "\"say \"\"hi\"\"\"");

  const char* src = "'it''s' rest";
  EXPECT_EQ(AnsiExtractQuotedStr(src, '\''), "it's");
  EXPECT_STREQ(src, " rest");
  const char* unclosed = "'open";
  EXPECT_EQ(AnsiExtractQuotedStr(unclosed, '\''), "open");
  EXPECT_STREQ(unclosed, "");
  const char* plain = "plain";
  EXPECT_EQ(AnsiExtractQuotedStr(plain, '\''), "");
  EXPECT_STREQ(plain, "plain");
  EXPECT_EQ(AnsiDequotedStr("'a''b'", '\''), "a'b");
  EXPECT_EQ(AnsiDequotedStr("ab", '\''), "ab");
}

TEST(Strings, IntegerTextConversions) {
  EXPECT_EQ(IntToStr(-42), "-42");
  EXPECT_EQ(IntToStr(Int64{-9223372036854775807LL - 1}), "-9223372036854775808");
  EXPECT_EQ(IntToStr(size_t{7}), "7");
  EXPECT_EQ(IntToHex(255, 4), "00FF");
  EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");
  EXPECT_EQ(IntToHex(Int64{-1}, 2), "FFFFFFFFFFFFFFFF");
  EXPECT_EQ(IntToHex(0, 0), "0");

  struct Good { String text; Integer value; };
  const Good good[] = {
      {"0", 0}, {"  17", 17}, {"+5", 5}, {"-2147483648", INT32_MIN}, {"2147483647", INT32_MAX},
      {"$FF", 255}, {"$ff", 255}, {"0x10", 16}, {"-$10", -16}, {"$FFFFFFFF", -1}, {"x7F", 127},
  };
  for (const auto& c : good) {
    EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
    Integer v = 99;
    EXPECT_TRUE(TryStrToInt(c.text, v));
    EXPECT_EQ(v, c.value);
  }

  struct Bad { String text; Integer code; };
  const Bad bad[] = {
      {"", 1}, {" ", 2}, {"-", 2}, {"12 ", 3}, {"1a", 2}, {"$", 2}, {"$1G", 3}, {"1.5", 2},
      {"2147483648", 10}, {"-2147483649", 11}, {"$100000000", 10}, {"1,000", 2},
  };
  for (const auto& c : bad) {
    Integer v = 5, code = 0;
    Val(c.text, v, code);
    EXPECT_EQ(code, c.code) << c.text;
    EXPECT_EQ(v, 0) << c.text;
    EXPECT_FALSE(TryStrToInt(c.text, v)) << c.text;
    EXPECT_EQ(StrToIntDef(c.text, -7), -7) << c.text;
  }
  try {
    StrToInt("12x");
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'12x' is not a valid integer value");
  }

  EXPECT_EQ(StrToInt64("-9223372036854775808"), INT64_MIN);
  EXPECT_EQ(StrToInt64("$FFFFFFFFFFFFFFFF"), -1);
  EXPECT_EQ(StrToInt64("4294967296"), 4294967296LL);
  EXPECT_THROW(StrToInt64("9223372036854775808"), EConvertError);
  EXPECT_THROW(StrToInt64("-$8000000000000000"), EConvertError);
  EXPECT_EQ(StrToInt64Def("zz", 3), 3);

  Double d = 0;
  Integer code = 0;
  Val("  -1.5e2", d, code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(d, -150.0);
  Val("1,5", d, code);
  EXPECT_EQ(code, 2);
}

TEST(Strings, BooleanText) {
  EXPECT_EQ(BoolToStr(true), "-1");
  EXPECT_EQ(BoolToStr(false), "0");
  EXPECT_EQ(BoolToStr(true, true), "True");
  EXPECT_EQ(BoolToStr(false, true), "False");
  struct Case { String text; bool ok, value; };
  const Case cases[] = {{"true", true, true}, {"FALSE", true, false}, {"0", true, false}, {"-1", true, true},
                        {"2.5", true, true},  {"yes", false, false},  {"", false, false}};
  for (const auto& c : cases) {
    bool v = !c.value;
    EXPECT_EQ(TryStrToBool(c.text, v), c.ok) << c.text;
    if (c.ok) EXPECT_EQ(v, c.value) << c.text;
  }
  EXPECT_THROW(StrToBool("maybe"), EConvertError);
  EXPECT_TRUE(StrToBoolDef("maybe", true));
}

TEST(Strings, HotkeysAndAccelerators) {
  struct Case { String caption, stripped, hotkey; };
  const Case cases[] = {
      {"&File", "File", "F"},         {"Save &As...", "Save As...", "A"}, {"Fish && Chips", "Fish & Chips", ""},
      {"文件(&F)", "文件", "F"},       {"(&X)", "", "X"},                  {"a&&&b", "a&b", "b"},
      {"&中文", "中文", "中"},          {"trailing&", "trailing", ""},      {"plain", "plain", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StripHotkey(c.caption), c.stripped) << c.caption;
    EXPECT_EQ(GetHotkey(c.caption), c.hotkey) << c.caption;
  }
  EXPECT_TRUE(IsAccel('F', "&File"));
  EXPECT_TRUE(IsAccel('f', "&File"));
  EXPECT_TRUE(IsAccel('F', "文件(&f)"));
  EXPECT_FALSE(IsAccel('I', "&File"));
  EXPECT_FALSE(IsAccel('&', "Fish && Chips"));
  EXPECT_FALSE(IsAccel('F', "File"));
}

TEST(Strings, CharacterClasses) {
  EXPECT_TRUE(IsCharAlpha('a'));
  EXPECT_FALSE(IsCharAlpha('1'));
  EXPECT_TRUE(IsCharAlphaNumeric('1'));
  EXPECT_FALSE(IsCharAlphaNumeric('_'));
  EXPECT_FALSE(IsCharAlpha('\xE4'));  // a lead byte is not a character of its own
  EXPECT_TRUE(IsCharUpper('Q'));
  EXPECT_FALSE(IsCharUpper('q'));
  EXPECT_TRUE(IsCharLower('q'));
  EXPECT_EQ(CharUpper('q'), 'Q');
  EXPECT_EQ(CharLower('Q'), 'q');
  EXPECT_EQ(CharUpper('1'), '1');

  EXPECT_TRUE(IsCharAlpha(U'é'));
  EXPECT_TRUE(IsCharAlpha(U'中'));
  EXPECT_FALSE(IsCharUpper(U'中'));
  EXPECT_FALSE(IsCharLower(U'中'));
  EXPECT_TRUE(IsCharUpper(U'Ж'));
  EXPECT_TRUE(IsCharLower(U'ж'));
  EXPECT_FALSE(IsCharAlpha(U'，'));
  EXPECT_TRUE(IsCharAlphaNumeric(U'７'));
  EXPECT_EQ(CharUpper(U'ж'), U'Ж');
  EXPECT_EQ(CharLower(String("ÀB")), "àb");
}

}  // namespace
