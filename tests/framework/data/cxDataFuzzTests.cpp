// The fuzz routines of the filter and record readers over bytes from a fixed seed: valid streams
// with a few bytes changed, and noise.
#include <gtest/gtest.h>

#include <random>

#include "../../../tools/fuzz/cxFilterReaderFuzz.h"

namespace {

String ValidTree() {
  cxFilterFuzz::TFuzzCriteria* criteria = New<cxFilterFuzz::TFuzzCriteria>();
  criteria->UseVersion3();
  criteria->GetRoot()->SetBoolOperatorKind(fboOr);
  criteria->AddItem(nullptr, criteria, foInList, VarArrayOf({1, "x", 2.5}), "1;x");
  TcxFilterCriteriaItemList* list = criteria->GetRoot()->AddItemList(fboNotAnd);
  criteria->AddItem(list, criteria, foLike, "a%", "a%");
  criteria->AddItem(list, criteria, foBetween, VarArrayOf({1, 9}), "");
  TMemoryStream* stream = New<TMemoryStream>();
  criteria->WriteData(stream);
  String bytes(static_cast<const char*>(stream->GetMemory()), static_cast<size_t>(stream->GetSize()));
  stream->Free();
  criteria->Free();
  return bytes;
}

TEST(cxDataFuzz, FilterReaderOnMutatedStreams) {
  const String valid = ValidTree();
  ASSERT_TRUE(cxFilterFuzz::FuzzFilterReader(reinterpret_cast<const uint8_t*>(valid.data()), valid.size()));
  std::mt19937 random(13);
  int read = 0;
  for (int n = 0; n < 5000; ++n) {
    String bytes = valid;
    if (n % 4 == 3) {
      bytes.assign(static_cast<size_t>(random() % 96), '\0');
      for (char& c : bytes) c = static_cast<char>(random());
    } else {
      for (int k = 1 + random() % 3; k > 0; --k) bytes[random() % bytes.size()] = static_cast<char>(random());
    }
    if (cxFilterFuzz::FuzzFilterReader(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size())) ++read;
  }
  EXPECT_GT(read, 0);  // some mutations still make trees
}

TEST(cxDataFuzz, RecordReaderOnNoise) {
  std::mt19937 random(31);
  for (int n = 0; n < 3000; ++n) {
    String bytes(static_cast<size_t>(random() % 200), '\0');
    for (char& c : bytes) c = static_cast<char>(random() % 3 == 0 ? random() : random() % 2);
    cxFilterFuzz::FuzzRecordReader(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  }
}

}  // namespace
