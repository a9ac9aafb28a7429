// libFuzzer target of the tagged Variant reader (built with clang when FUZZ is on):
//   build/<dir>/framework/foundation/fuzz_cxVariantReader tools/fuzz/corpus/cxVariantReader
#include "Units.h"
#include "cxVariantReaderFuzz.h"

namespace Units {
void RegisterUnits_framework_foundation();
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Units::RegisterUnits_framework_foundation();
  Units::InitializeUnits();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  cxFuzzVariantReader(data, size);
  return 0;
}
