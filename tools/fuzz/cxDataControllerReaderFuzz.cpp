// libFuzzer target of the data controller's stream reader (built with clang when FUZZ is on):
//   build/<dir>/tools/fuzz/fuzz_cxDataControllerReader tools/fuzz/corpus/cxDataControllerReader
#include "Units.h"
#include "cxDataControllerReaderFuzz.h"

namespace Units {
void RegisterUnits_framework_data();
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Units::RegisterUnits_framework_data();
  Units::InitializeUnits();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  cxDataControllerFuzz::FuzzDataControllerReader(data, size);
  return 0;
}
