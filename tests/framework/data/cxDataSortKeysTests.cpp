// The sort by stored values against the storage's own record comparison, item by item, on random
// tables whose values put the packed keys to the test: texts sharing a long prefix, texts longer than
// a key and texts with NUL bytes, reals with minus zero and infinities, whole numbers of every width.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

#include "cxDataSortKeys.h"
#include "cxDataStorage.h"
#include "cxVariants.h"

namespace {

TEST(cxDataSortKeys, OrderIsTheStorageComparisonItemByItem) {
  TcxDataStorage* S = New<TcxDataStorage>();
  const TcxValueTypeClass ATypes[] = {ValueTypeClass<TcxStringValueType>(),   ValueTypeClass<TcxIntegerValueType>(),
                                      ValueTypeClass<TcxFloatValueType>(),    ValueTypeClass<TcxLargeIntValueType>(),
                                      ValueTypeClass<TcxSmallintValueType>(), ValueTypeClass<TcxStringValueType>(),
                                      ValueTypeClass<TcxVariantValueType>()};
  std::vector<TcxValueDef*> ADefs;
  for (TcxValueTypeClass T : ATypes) ADefs.push_back(S->GetValueDefs()->Add(T, true, false, nullptr));
  std::mt19937 ARandom(11);
  auto AText = [&](const String& APrefix) {
    String A = APrefix;
    for (int K = 0, N = static_cast<int>(ARandom() % 14); K < N; ++K) A += "ab\0c"[ARandom() % 4];
    return A;
  };
  const double AReals[] = {-INFINITY, -2.5, -0.0, 0.0, 1e-300, 3.25, INFINITY};
  for (int ARound = 0; ARound < 200; ++ARound) {
    const Integer N = static_cast<Integer>(ARandom() % 80);
    S->SetRecordCount(0);
    S->SetRecordCount(N);
    const String APrefix = ARound % 2 ? "a shared beginning:" : "";
    for (Integer R = 0; R < N; ++R) {
      auto AMaybe = [&](Variant V) { return ARandom() % 7 ? V : Null(); };
      S->SetValue(R, ADefs[0], AMaybe(AText(APrefix)));
      S->SetValue(R, ADefs[1], AMaybe(static_cast<Integer>(ARandom() % 5) - 2));
      S->SetValue(R, ADefs[2], AMaybe(AReals[ARandom() % std::size(AReals)]));
      S->SetValue(R, ADefs[3], AMaybe((static_cast<Int64>(ARandom() % 3) - 1) << 40));
      S->SetValue(R, ADefs[4], AMaybe(static_cast<SmallInt>(ARandom() % 3) - 1));
      S->SetValue(R, ADefs[5], AMaybe(AText("")));
      S->SetValue(R, ADefs[6], AMaybe(static_cast<Integer>(ARandom() % 3)));
    }
    std::vector<TcxStoredSortKey> AKeys;
    for (int K = 0, M = static_cast<int>(ARandom() % 5); K < M; ++K)
      AKeys.push_back({ADefs[ARandom() % ADefs.size()], ARandom() % 2 == 0});
    std::vector<Integer> AList(static_cast<size_t>(N));
    std::iota(AList.begin(), AList.end(), 0);
    std::shuffle(AList.begin(), AList.end(), ARandom);
    if (N > 0 && ARound % 5 == 0) AList.resize(AList.size() / 2);  // a filtered view
    std::vector<Integer> AExpected = AList;
    std::sort(AExpected.begin(), AExpected.end(), [&](Integer A, Integer B) {
      for (const TcxStoredSortKey& K : AKeys)
        if (const Integer R = S->CompareRecords(A, B, K.ValueDef)) return K.Descending ? R > 0 : R < 0;
      return A < B;
    });
    TcxSortedKeys ASorted;
    cxSortRecordsByStoredValues(S, AList, AKeys, &ASorted);
    ASSERT_EQ(AList, AExpected) << "round " << ARound;
    // Kept keys tell equal values apart exactly as the storage does.
    for (size_t P = 1; ASorted.Width > 0 && P < AList.size(); ++P)
      for (size_t K = 0; K < AKeys.size(); ++K)
        ASSERT_EQ(ASorted.Equal(P - 1, P, K), S->CompareRecords(AList[P - 1], AList[P], AKeys[K].ValueDef) == 0)
            << "round " << ARound;
  }
  S->Free();
}

}  // namespace
