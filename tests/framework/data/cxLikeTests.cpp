#include <gtest/gtest.h>

#include <random>

#include "cxLike.h"

namespace {

// The full search the matcher must agree with: '%' matches any run (the empty one too), '_' one byte.
bool NaiveLike(const std::string& s, size_t i, const std::string& p, size_t j, char pc, char uc) {
  if (j == p.size()) return i == s.size();
  if (p[j] == pc) {
    for (size_t k = i; k <= s.size(); ++k)
      if (NaiveLike(s, k, p, j + 1, pc, uc)) return true;
    return false;
  }
  if (i == s.size()) return false;
  if (p[j] != uc && p[j] != s[i]) return false;
  return NaiveLike(s, i + 1, p, j + 1, pc, uc);
}

TEST(cxLike, LikeStrTable) {
  struct Case {
    const char* Text;
    const char* Pattern;
    bool Expected;
  };
  const Case cases[] = {
      {"abc", "a%", true},  {"abc", "%c", true},   {"abc", "%b%", true}, {"abc", "a_c", true},
      {"abc", "a_", false}, {"ABC", "a%", false},  {"", "%", true},      {"", "", true},
      {"", "_", false},     {"ab", "a%%", true},   {"abc", "", false},   {"abc", "%%%", true},
      {"aXbXc", "a%b%c", true}, {"abcb", "%b", true}, {"abcbd", "%b", false},
      // A run of percent signs matches the empty remainder too.
      {"a", "a%%", true},   {"", "%%", true},      {"a", "%a%%", true},
  };
  for (const Case& c : cases) EXPECT_EQ(LikeStr(c.Text, c.Pattern, '%', '_'), c.Expected) << c.Text << " ~ " << c.Pattern;
}

TEST(cxLike, OtherWildcardsMakePercentAndUnderscoreOrdinary) {
  EXPECT_TRUE(LikeStr("abc", "a*", '*', '?'));
  EXPECT_TRUE(LikeStr("abc", "a?c", '*', '?'));
  EXPECT_FALSE(LikeStr("abc", "a%", '*', '?'));
  EXPECT_TRUE(LikeStr("a%c", "a%c", '*', '?'));
  EXPECT_FALSE(LikeStr("abc", "a_c", '*', '?'));
}

TEST(cxLike, AgreesWithTheFullSearchOnRandomInput) {
  std::mt19937 random(1234);
  const char alphabet[] = "ab%_";
  for (int n = 0; n < 20000; ++n) {
    std::string text, pattern;
    for (int i = random() % 8; i > 0; --i) text += alphabet[random() % 2];
    for (int i = random() % 7; i > 0; --i) pattern += alphabet[random() % 4];
    ASSERT_EQ(LikeStr(text, pattern, '%', '_'), NaiveLike(text, 0, pattern, 0, '%', '_')) << text << " ~ " << pattern;
  }
}

TEST(cxLike, ManyPercentSignsStayFast) {
  // A full search backtracks exponentially here; the matcher must not.
  const std::string text(4000, 'a');
  std::string pattern;
  for (int i = 0; i < 200; ++i) pattern += "%a";
  pattern += "%b";
  EXPECT_FALSE(LikeStr(text, pattern, '%', '_'));
}

TEST(cxLike, LikeOperatorByPattern) {
  struct Case {
    const char* Pattern;
    cxLike::TcxFilterLikeOperator Expected;
    const char* Rewritten;
  };
  const Case cases[] = {
      {"%%abc%%%", floContains, "abc"}, {"%", floLike, "%"},        {"%a", floEndsWith, "a"},
      {"ab", floLike, "ab"},            {"a_%", floBeginsWith, "a_"}, {"a%b%", floBeginsWith, "a%b"},
      {"%%", floLike, "%"},             {"", floLike, ""},          {"%a%b", floEndsWith, "a%b"},
  };
  for (const Case& c : cases) {
    String pattern = c.Pattern;
    EXPECT_EQ(LikeOperatorByPattern(pattern, '%'), c.Expected) << c.Pattern;
    EXPECT_EQ(pattern, c.Rewritten) << c.Pattern;
  }
}

}  // namespace
