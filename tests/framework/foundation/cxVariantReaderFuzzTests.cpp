// Replays the fuzz target of the tagged Variant reader over its seed corpus, over every cut of
// the seeds, and over random bytes: each run ends in a read error or at the end of the input.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "SeedCorpus.h"
#include "../../../tools/fuzz/cxVariantReaderFuzz.h"

namespace {

TEST(cxVariantReaderFuzz, SeedsReadWhole) {
  auto seeds = SeedCorpus("cxVariantReader");
  ASSERT_GE(seeds.size(), 8u);
  for (const auto& seed : seeds) EXPECT_GT(cxFuzzVariantReader(seed.data(), seed.size()), 0);
}

TEST(cxVariantReaderFuzz, CutAndMutatedSeedsAndRandomBytes) {
  std::mt19937 random(20261210);
  for (const auto& seed : SeedCorpus("cxVariantReader")) {
    for (size_t cut = 0; cut <= seed.size(); ++cut) cxFuzzVariantReader(seed.data(), cut);
    for (int round = 0; round < 500; ++round) {
      std::vector<uint8_t> mutated = seed;
      for (int flips = 1 + static_cast<int>(random() % 3); flips > 0; --flips)
        mutated[random() % mutated.size()] = static_cast<uint8_t>(random());
      cxFuzzVariantReader(mutated.data(), mutated.size());
    }
  }
  for (int round = 0; round < 5000; ++round) {
    std::vector<uint8_t> bytes(random() % 64);
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(random() % 24);  // mostly known tags
    cxFuzzVariantReader(bytes.data(), bytes.size());
  }
}

}  // namespace
