// libFuzzer target of the date-text readers (built with clang when FUZZ is on):
//   build/<dir>/framework/foundation/fuzz_cxDateText tools/fuzz/corpus/cxDateText
#include "Units.h"
#include "cxDateTextFuzz.h"

namespace Units {
void RegisterUnits_framework_foundation();
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Units::RegisterUnits_framework_foundation();
  Units::InitializeUnits();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  cxFuzzDateText(data, size);
  return 0;
}
