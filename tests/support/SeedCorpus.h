// The seed corpus of a fuzz target (tools/fuzz/corpus/<target>), replayed by the plain tests.
// The source root comes from the environment CTest gives every test program, not from __FILE__:
// the compiler cache rewrites source paths relative to the build folder, so that clones in other
// folders share its entries.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

inline std::vector<std::vector<uint8_t>> SeedCorpus(const std::string& target) {
  const char* root = std::getenv("AT_SOURCE_DIR");
  if (!root) throw std::runtime_error("AT_SOURCE_DIR is not set: run the tests through CTest");
  std::vector<std::vector<uint8_t>> seeds;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(root) / "tools/fuzz/corpus" / target)) {
    std::ifstream file(entry.path(), std::ios::binary);
    seeds.emplace_back(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  return seeds;
}
