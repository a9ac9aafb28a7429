// The fuzz routine of the data controller's stream reader over bytes from a fixed seed: valid
// streams with a few bytes changed, cut short, and noise.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <random>

#include "../../../tools/fuzz/cxDataControllerReaderFuzz.h"

namespace {

String ValidStream() {
  cxDataControllerFuzz::TFuzzController* C = cxDataControllerFuzz::MakeController();
  C->SetRecordCount(3);
  const Variant ARow[] = {7, "seven", 7.5, VarFromDateTime(45000.25), 12.5, "wide", true, Int64(1) << 40, 7};
  for (Integer I = 0; I < 9; ++I) {
    C->SetValue(0, I, ARow[I]);
    if (I % 2 == 0) C->SetValue(2, I, ARow[I]);
  }
  C->SetDisplayText(0, 1, "shown");
  auto* S = New<TMemoryStream>();
  C->SaveToStream(S);
  String B(static_cast<const char*>(S->GetMemory()), static_cast<size_t>(S->GetSize()));
  S->Free();
  C->Free();
  return B;
}

bool Read(const String& B) {
  return cxDataControllerFuzz::FuzzDataControllerReader(reinterpret_cast<const uint8_t*>(B.data()), B.size());
}

TEST(cxDataControllerFuzz, ReaderOnMutatedAndShortStreams) {
  const String AValid = ValidStream();
  ASSERT_TRUE(Read(AValid));
  for (size_t N = 0; N < AValid.size(); ++N) Read(AValid.substr(0, N));
  std::mt19937 ARandom(41);
  int ARead = 0;
  for (int N = 0; N < 4000; ++N) {
    String B = AValid;
    if (N % 5 == 4) {
      B.assign(static_cast<size_t>(ARandom() % 128), '\0');
      for (char& Ch : B) Ch = static_cast<char>(ARandom());
    } else {
      for (int K = 1 + ARandom() % 3; K > 0; --K) B[ARandom() % B.size()] = static_cast<char>(ARandom());
    }
    if (Read(B)) ++ARead;
  }
  EXPECT_GT(ARead, 0);  // some mutations only change values
}

// Writes the seed of the libFuzzer corpus: run with --gtest_also_run_disabled_tests and
// CX_SEED_FILE set to the file to write.
TEST(cxDataControllerFuzz, DISABLED_WriteSeed) {
  const char* APath = std::getenv("CX_SEED_FILE");
  ASSERT_NE(APath, nullptr);
  const String B = ValidStream();
  std::ofstream(APath, std::ios::binary).write(B.data(), static_cast<std::streamsize>(B.size()));
}

}  // namespace
