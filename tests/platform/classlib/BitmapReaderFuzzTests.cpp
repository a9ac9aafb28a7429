// Replays the fuzz target of the BMP reader over its seed corpus, every cut of the seeds, seeds
// with bytes and header fields changed, and random bytes: each run gives a consistent bitmap or a
// clean refusal.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "SeedCorpus.h"
#include "../../../tools/fuzz/BitmapReaderFuzz.h"

namespace {

bool Read(const std::vector<uint8_t>& bytes) { return FuzzBitmapReader(bytes.data(), bytes.size()); }

TEST(BitmapReaderFuzz, EverySeedReadsAndEveryCutReadsCleanly) {
  auto seeds = SeedCorpus("BitmapReader");
  ASSERT_GE(seeds.size(), 10u);
  for (const auto& seed : seeds) {
    EXPECT_TRUE(Read(seed)) << seed.size();
    // Run-length data may end early (the rest is black), so only files of plain rows refuse every cut.
    for (size_t cut = 0; cut < seed.size(); ++cut) Read(std::vector<uint8_t>(seed.begin(), seed.begin() + cut));
  }
}

TEST(BitmapReaderFuzz, ChangedBytesAndFieldsGiveABitmapOrACleanRefusal) {
  std::mt19937 random(20261210);
  const uint32_t values[] = {0, 1, 2, 3, 4, 8, 12, 16, 24, 32, 40, 0x7FFF, 0x8000, 0xFFFF, 0x10000,
                             0x7FFFFFFF, 0x80000000, 0xFFFFFFFE, 0xFFFFFFFF};
  auto seeds = SeedCorpus("BitmapReader");
  int read = 0, refused = 0;
  for (int i = 0; i < 20000; ++i) {
    std::vector<uint8_t> bytes = seeds[random() % seeds.size()];
    int edits = 1 + static_cast<int>(random() % 3);
    for (int e = 0; e < edits; ++e) {
      size_t at = random() % bytes.size();
      if (i % 2) {
        bytes[at] = static_cast<uint8_t>(random());
      } else {  // a whole header field, at a field boundary
        at = std::min(at & ~size_t{1}, bytes.size() - 4);
        uint32_t v = values[random() % std::size(values)];
        for (int k = 0; k < 4; ++k) bytes[at + k] = static_cast<uint8_t>(v >> (8 * k));
      }
    }
    (Read(bytes) ? read : refused)++;
  }
  EXPECT_GT(read, 1000);
  EXPECT_GT(refused, 1000);
  for (int i = 0; i < 2000; ++i) {
    std::vector<uint8_t> bytes(random() % 200);
    for (auto& b : bytes) b = static_cast<uint8_t>(random());
    if (bytes.size() > 2 && i % 2) bytes[0] = 'B', bytes[1] = 'M';
    Read(bytes);
  }
}

}  // namespace
