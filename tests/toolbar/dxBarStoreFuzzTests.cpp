// Replays the fuzz target of the toolbar layout's stream reader over its seed corpus, cuts of the seeds
// and mutated seeds: each run loads without an exception, and what a seed loads writes back to a
// layout that loads and writes to the same text.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "../../tools/fuzz/dxBarLayoutStreamFuzz.h"
#include "SeedCorpus.h"

namespace {

String LoadLayout(const String& AText) {
  String written;
  dxBarLayoutStreamFuzz::FuzzLayoutStream(reinterpret_cast<const uint8_t*>(AText.data()), AText.size(), &written);
  return written;
}

std::vector<String> Seeds() {
  std::vector<String> texts;
  for (const auto& seed : SeedCorpus("dxBarLayoutStream")) texts.emplace_back(seed.begin(), seed.end());
  return texts;
}

TEST(dxBarLayoutStreamFuzz, SeedsLoadAndWhatTheyWriteIsStable) {
  const auto seeds = Seeds();
  ASSERT_GE(seeds.size(), 5u);
  for (const String& seed : seeds) {
    const String written = LoadLayout(seed);
    EXPECT_EQ(LoadLayout(written), written) << seed;
  }
}

TEST(dxBarLayoutStreamFuzz, CutsAndMutationsLoadWithoutFault) {
  std::mt19937 random(20261211);
  for (const String& seed : Seeds()) {
    for (size_t cut = 0; cut < seed.size(); cut += 1 + seed.size() / 40) LoadLayout(seed.substr(0, cut));
    for (int round = 0; round < 40 && !seed.empty(); ++round) {
      String mutated = seed;
      for (int flips = 1 + static_cast<int>(random() % 3); flips > 0; --flips)
        mutated[random() % mutated.size()] = static_cast<char>("0123456789-=\n[]Z."[random() % 18]);
      LoadLayout(mutated);
    }
  }
}

}  // namespace
