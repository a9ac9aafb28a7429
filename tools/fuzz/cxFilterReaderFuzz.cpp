// libFuzzer target of the filter criteria's binary tree reader (built with clang when FUZZ is on).
#include "Units.h"
#include "cxFilterReaderFuzz.h"

namespace Units {
void RegisterUnits_framework_data();
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Units::RegisterUnits_framework_data();
  Units::InitializeUnits();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  cxFilterFuzz::FuzzFilterReader(data, size);
  return 0;
}
