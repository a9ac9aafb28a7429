// libFuzzer target of the BMP reader (built with clang when FUZZ is on):
//   build/<dir>/tools/fuzz/fuzz_BitmapReader tools/fuzz/corpus/BitmapReader
#include "BitmapReaderFuzz.h"
#include "Units.h"

namespace Units {
void RegisterUnits_platform_classlib();
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Units::RegisterUnits_platform_classlib();
  Units::InitializeUnits();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzBitmapReader(data, size);
  return 0;
}
