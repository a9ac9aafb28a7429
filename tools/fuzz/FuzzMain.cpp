// The libFuzzer entry points of every target: the units of the target's library start once, then each
// input goes to the harness the build names (FUZZ_UNITS, FUZZ_HARNESS_HEADER and FUZZ_HARNESS, set by
// fuzz_target in CMakeLists.txt). The plain tests replay the same harnesses.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "Units.h"
#include FUZZ_HARNESS_HEADER

namespace Units {
void FUZZ_UNITS();
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Units::FUZZ_UNITS();
  Units::InitializeUnits();
  // The units end with the process, so that what they hold is released and the leak check at exit
  // reports only what the inputs leaked.
  std::atexit(Units::FinalizeUnits);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FUZZ_HARNESS(data, size);
  return 0;
}
