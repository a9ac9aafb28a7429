// Replays the fuzz target of the date-text readers over its seed corpus, every cut of the seeds,
// texts pieced together from date fragments, and random bytes, in both locales: each run gives a
// date of the calendar or a clean refusal.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "../../../tools/fuzz/cxDateTextFuzz.h"
#include "SeedCorpus.h"
#include "cxDateUtilsTestSupport.h"

namespace {

std::vector<String> SeedTexts() {
  std::vector<String> texts;
  for (const auto& seed : SeedCorpus("cxDateText")) texts.emplace_back(seed.begin(), seed.end());
  return texts;
}

bool ReadText(const String& AText) {
  return cxFuzzDateText(reinterpret_cast<const uint8_t*>(AText.data()), AText.size());
}

}  // namespace

TEST(cxDateTextFuzz, SeedsAndTheirCutsReadCleanly) {
  TFixedClock clock(EncodeDate(2024, 2, 14) + 0.5);
  auto seeds = SeedTexts();
  ASSERT_GE(seeds.size(), 7u);
  TFormatsLocaleScope locale(LOCALE_ZH_CN);
  int dates = 0;
  for (const String& seed : seeds) {
    for (size_t cut = 0; cut <= seed.size(); ++cut) ReadText(seed.substr(0, cut));
    dates += ReadText(seed);
  }
  EXPECT_GE(dates, 5);  // every seed but the English and the invalid one is a date in zh-CN
}

TEST(cxDateTextFuzz, AnyBytesGiveADateOrACleanFailure) {
  TFixedClock clock(EncodeDate(2024, 2, 14) + 0.5);
  std::mt19937 random(20240214);
  const String pieces[] = {"2024", "3", "05", "-", "/", ":", " ", "+", "today", "eom", "上午", "PM",
                           "13", "99", "\xE4", "\xFF", "0", "9999999999", "'", "\""};
  for (LCID lcid : {LOCALE_ZH_CN, LOCALE_EN_US}) {
    TFormatsLocaleScope locale(lcid);
    int dates = 0;
    for (int i = 0; i < 4000; ++i) {
      String text;
      int length = static_cast<int>(random() % 24);
      for (int k = 0; k < length; ++k) {
        if (i % 2)
          text += static_cast<char>(random() % 256);
        else
          text += pieces[random() % std::size(pieces)];
      }
      bool result = false;
      ASSERT_NO_THROW(result = ReadText(text)) << text;
      dates += result;
    }
    EXPECT_GT(dates, 0);
  }
}
