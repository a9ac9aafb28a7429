// Replays the fuzz target of the framework bitmap's stream-entry reader over its seed corpus, over
// every cut of the seeds, over mutated seeds and over random bytes behind a valid header: each run
// reads a bitmap or ends in a read error or an invalid-graphic error.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "SeedCorpus.h"
#include "../../../tools/fuzz/cxBitmapStreamFuzz.h"

namespace {

TEST(cxBitmapStreamFuzz, SeedsReadWhole) {
  auto seeds = SeedCorpus("cxBitmapStream");
  ASSERT_GE(seeds.size(), 5u);
  for (const auto& seed : seeds) EXPECT_TRUE(cxFuzzBitmapStream(seed.data(), seed.size()));
}

TEST(cxBitmapStreamFuzz, CutAndMutatedSeedsAndRandomPackets) {
  std::mt19937 random(20261210);
  for (const auto& seed : SeedCorpus("cxBitmapStream")) {
    for (size_t cut = 0; cut <= seed.size(); ++cut) cxFuzzBitmapStream(seed.data(), cut);
    for (int round = 0; round < 300; ++round) {
      std::vector<uint8_t> mutated = seed;
      for (int flips = 1 + static_cast<int>(random() % 3); flips > 0; --flips)
        mutated[random() % mutated.size()] = static_cast<uint8_t>(random());
      cxFuzzBitmapStream(mutated.data(), mutated.size());
    }
  }
  for (int round = 0; round < 2000; ++round) {
    // A header whose count matches the packets that follow, so that the packets are decoded.
    std::vector<uint8_t> bytes = {0, 0, 0, 0, 'X', 'D', 'B', 'M', 1, 0};
    size_t packets = random() % 48;
    for (size_t i = 0; i < packets; ++i) bytes.push_back(static_cast<uint8_t>(random()));
    bytes[0] = static_cast<uint8_t>(packets);
    cxFuzzBitmapStream(bytes.data(), bytes.size());
  }
}

}  // namespace
