#include <gtest/gtest.h>

#include <vector>

#include "Multibyte.h"

namespace {

TEST(Multibyte, SequenceLengthsAndInvalidBytes) {
  struct Case { String bytes; int len; char32_t code; };
  const Case cases[] = {
      {"a", 1, U'a'},
      {"é", 2, U'é'},
      {"中", 3, U'中'},
      {"😀", 4, U'😀'},
      {"\x80", 1, 0xFFFD},              // stray trail byte
      {"\xC0\x80", 1, 0xFFFD},          // overlong
      {"\xE4\xB8", 1, 0xFFFD},          // cut short
      {"\xE4\xB8" "a", 1, 0xFFFD},      // interrupted
      {"\xED\xA0\x80", 1, 0xFFFD},      // encoded surrogate
      {"\xF4\x90\x80\x80", 1, 0xFFFD},  // above U+10FFFF
      {"\xFF", 1, 0xFFFD},
  };
  for (const auto& c : cases) {
    const char* p = c.bytes.data();
    int n = Utf8CharLen(p, p + c.bytes.size());
    EXPECT_EQ(n, c.len) << c.bytes;
    EXPECT_EQ(Utf8Decode(p, n), c.code) << c.bytes;
    EXPECT_EQ(Utf8IsInvalid(p, n), c.code == 0xFFFD) << c.bytes;
  }
  String out;
  for (char32_t c : {U'a', U'é', U'中', U'😀', char32_t(0xD800), char32_t(0x110000)}) Utf8Append(out, c);
  EXPECT_EQ(out, "aé中😀\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(Multibyte, CharNextAndCharPrevStepWholeCharacters) {
  const String s = "a中😀\xFF\x80" "b\xE4\xB8";
  const std::vector<size_t> bounds = {0, 1, 4, 8, 9, 10, 11, 12, 13};
  const char* p = s.c_str();
  for (size_t i = 1; i < bounds.size(); ++i) {
    p = CharNextA(p);
    EXPECT_EQ(static_cast<size_t>(p - s.c_str()), bounds[i]);
  }
  EXPECT_EQ(CharNext(p), p);  // stays on the terminator
  for (size_t i = bounds.size() - 1; i > 0; --i) {
    p = CharPrevA(s.c_str(), p);
    EXPECT_EQ(static_cast<size_t>(p - s.c_str()), bounds[i - 1]);
  }
  EXPECT_EQ(CharPrev(s.c_str(), s.c_str()), s.c_str());
}

TEST(Multibyte, ByteTypesAndLeadBytes) {
  const String s = "a中\x80";
  const TMbcsByteType want[] = {mbSingleByte, mbLeadByte, mbTrailByte, mbTrailByte, mbSingleByte};
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(ByteType(s, i), want[i - 1]) << i;
    EXPECT_EQ(StrByteType(s.c_str(), static_cast<Cardinal>(i - 1)), want[i - 1]) << i;
  }
  EXPECT_EQ(ByteType(s, 0), mbSingleByte);
  EXPECT_EQ(ByteType(s, 6), mbSingleByte);
  EXPECT_TRUE(IsDBCSLeadByte(0xE4));
  EXPECT_FALSE(IsDBCSLeadByte(0xB8));
  EXPECT_FALSE(IsDBCSLeadByte('a'));
  EXPECT_TRUE(LeadBytes.Contains(s[1]));
  EXPECT_FALSE(LeadBytes.Contains(s[2]));
  EXPECT_TRUE(SysLocale.FarEast);

  CPINFO info;
  ASSERT_TRUE(GetCPInfo(CP_ACP, info));
  EXPECT_EQ(info.MaxCharSize, 4u);
  EXPECT_EQ(info.LeadByte[0], 0xC2);
  EXPECT_EQ(info.LeadByte[1], 0xF4);
  EXPECT_EQ(info.LeadByte[2], 0);
  EXPECT_FALSE(GetCPInfo(1252, info));
}

TEST(Multibyte, CharacterCountsAndIndexes) {
  const String s = "a中b";  // bytes: a | E4 B8 AD | b
  EXPECT_EQ(StrCharLength(s), 3);
  EXPECT_EQ(CharLength(s, 2), 3);
  EXPECT_EQ(CharLength(s, 9), 1);
  EXPECT_EQ(ByteToCharLen(s, 2), 2);  // a character begun within the bytes counts
  EXPECT_EQ(ByteToCharLen(s, 0), 0);
  EXPECT_EQ(CharToByteLen(s, 2), 4);
  EXPECT_EQ(CharToByteLen(s, 99), 5);
  EXPECT_EQ(ByteToCharIndex(s, 3), 2);
  EXPECT_EQ(ByteToCharIndex(s, 6), 0);
  EXPECT_EQ(CharToByteIndex(s, 3), 5);
  EXPECT_EQ(CharToByteIndex(s, 4), 0);
  EXPECT_EQ(CharBoundaryBefore(s, 3), 1u);
  EXPECT_EQ(CharBoundaryBefore(s, 4), 4u);
  EXPECT_EQ(CharBoundaryBefore(s, 50), 5u);
}

TEST(Multibyte, WideConversions) {
  const String text = "拍卖 é 😀";
  const WideString wide = u"拍卖 é 😀";
  EXPECT_EQ(Utf8ToWide(text), wide);
  EXPECT_EQ(WideToUtf8(wide), text);
  EXPECT_EQ(Utf8ToWide("a\xFF" "b"), u"a\uFFFDb");
  EXPECT_EQ(WideToUtf8(WideString{u'a', char16_t(0xD800), u'b'}), "a\xEF\xBF\xBD" "b");

  // Size query, conversion with the terminator, a destination too small.
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "中文", -1, nullptr, 0), 3);
  WideChar buf[8] = {};
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "中文", -1, buf, 8), 3);
  EXPECT_EQ(WideString(buf), u"中文");
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "中文", 3, buf, 8), 1);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "中文", -1, buf, 2), 0);
  EXPECT_EQ(MultiByteToWideChar(936, 0, "a", 1, buf, 8), 0);

  char mb[16] = {};
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"中文", -1, nullptr, 0), 7);
  BOOL usedDefault = TRUE;
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"中文", -1, mb, 16, nullptr, &usedDefault), 7);
  EXPECT_STREQ(mb, "中文");
  EXPECT_EQ(usedDefault, FALSE);
  const WideChar lone[] = {0xDC00, 0};
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, lone, 1, mb, 16, nullptr, &usedDefault), 3);
  EXPECT_EQ(usedDefault, TRUE);
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"中文", 2, mb, 5), 0);
}

}  // namespace
