// Replays the fuzz target of the style-sheet ini reader over its seed corpus, every cut of the seeds,
// mutated seeds and texts pieced together from fragments of the format: each run loads sheets or
// refuses the text cleanly, and what a seed loads writes back to text that loads to the same text.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "../../../tools/fuzz/cxStyleSheetIniFuzz.h"
#include "SeedCorpus.h"

namespace {

bool LoadText(const String& AText, String* AWritten = nullptr) {
  return cxStyleSheetIniFuzz::FuzzStyleSheetIni(reinterpret_cast<const uint8_t*>(AText.data()), AText.size(),
                                                AWritten);
}

std::vector<String> Seeds() {
  std::vector<String> texts;
  for (const auto& seed : SeedCorpus("cxStyleSheetIni")) texts.emplace_back(seed.begin(), seed.end());
  return texts;
}

TEST(cxStyleSheetIniFuzz, SeedsLoadAndWhatTheyWriteLoadsToTheSameText) {
  auto seeds = Seeds();
  ASSERT_GE(seeds.size(), 5u);
  int loaded = 0;
  for (const String& seed : seeds) {
    String written, rewritten;
    if (!LoadText(seed, &written)) continue;
    ++loaded;
    ASSERT_TRUE(LoadText(written, &rewritten)) << written;
    EXPECT_EQ(rewritten, written);
  }
  EXPECT_EQ(loaded, static_cast<int>(seeds.size()) - 1);  // all but the refused one
}

TEST(cxStyleSheetIniFuzz, CutsMutationsAndPiecedTextsLoadOrAreRefusedCleanly) {
  std::mt19937 random(20261211);
  for (const String& seed : Seeds()) {
    for (size_t cut = 0; cut <= seed.size(); ++cut) LoadText(seed.substr(0, cut));
    for (int round = 0; round < 200; ++round) {
      String mutated = seed;
      for (int flips = 1 + static_cast<int>(random() % 3); flips > 0; --flips)
        mutated[random() % mutated.size()] = static_cast<char>(random());
      LoadText(mutated);
    }
  }
  const std::vector<String> fragments = {
      "[S]\n", "\n", "Content", "Header", "Background", "Bitmap", "0", "1", "=", ",", "default", "-",
      "2147483648", "[BIUS]", "Arial", "424D", "FF", "Z", ";", " ", "]"};
  for (int round = 0; round < 2000; ++round) {
    String text = "[S]\n";
    for (int parts = static_cast<int>(random() % 24); parts > 0; --parts) text += fragments[random() % fragments.size()];
    LoadText(text);
  }
}

}  // namespace
