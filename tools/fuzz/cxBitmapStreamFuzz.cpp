// libFuzzer target of the framework bitmap's stream-entry reader (built with clang when FUZZ is on):
//   build/<dir>/tools/fuzz/fuzz_cxBitmapStream tools/fuzz/corpus/cxBitmapStream
#include "Units.h"
#include "cxBitmapStreamFuzz.h"

namespace Units {
void RegisterUnits_framework_foundation();
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Units::RegisterUnits_framework_foundation();
  Units::InitializeUnits();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  cxFuzzBitmapStream(data, size);
  return 0;
}
