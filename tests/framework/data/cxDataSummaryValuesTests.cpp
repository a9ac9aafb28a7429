#include <gtest/gtest.h>

#include "cxDataSummaryValues.h"

namespace {

struct Case {
  const char* Name;
  TcxSummaryKind Kind;
  bool NullIgnore;
  bool Fieldless;
  std::vector<Variant> Values;
  Variant Want;
  Integer WantCount;
};

TEST(cxDataSummaryValues, KindsOverValuesWithAndWithoutNulls) {
  const Variant N = Null();
  const Case Cases[] = {
      {"sum with a Null", skSum, false, false, {2, N, 3}, 5, 3},
      {"sum ignoring Null", skSum, true, false, {2, N, 3}, 5, 2},
      {"sum of a leading Null", skSum, false, false, {N, 4}, 4, 2},
      {"sum of nothing", skSum, false, false, {}, N, 0},
      {"minimum skips a leading Null", skMin, false, false, {N, 4, 2}, 2, 3},
      {"maximum", skMax, false, false, {1, 7, 3}, 7, 3},
      {"average", skAverage, false, false, {1, 2, 6}, 3.0, 3},
      {"average of nothing", skAverage, false, false, {}, N, 0},
      {"count of nothing", skCount, false, false, {}, 0, 0},
      {"count ignoring Null", skCount, true, false, {1, N, 2}, 2, 2},
      {"field-less count counts every record", skCount, true, true, {N, N, N}, 3, 3},
      {"none", skNone, false, false, {1, 2}, N, 0},
  };
  for (const Case& C : Cases) {
    Variant ARunning;
    Integer ACount = 0;
    TcxSummaryOptions AOptions;
    if (C.NullIgnore) AOptions.Include(soNullIgnore);
    for (const Variant& V : C.Values) cxSummaryAccumulate(C.Kind, AOptions, C.Fieldless, V, ARunning, ACount);
    EXPECT_EQ(ACount, C.WantCount) << C.Name;
    cxSummaryFinish(C.Kind, ARunning, ACount);
    EXPECT_EQ(VarIsNull(ARunning), VarIsNull(C.Want)) << C.Name;
    if (!VarIsNull(C.Want)) EXPECT_TRUE(ARunning == C.Want) << C.Name << ": " << VarToStr(ARunning);
  }
}

TEST(cxDataSummaryValues, AverageOfDatesIsADate) {
  Variant ARunning;
  Integer ACount = 0;
  for (double D : {45000.0, 45002.0})
    cxSummaryAccumulate(skAverage, TcxSummaryOptions(), false, VarAsType(Variant(D), varDate), ARunning, ACount);
  cxSummaryFinish(skAverage, ARunning, ACount);
  EXPECT_TRUE(VarIsType(ARunning, varDate));
  EXPECT_TRUE(VarAsType(ARunning, varDouble) == Variant(45001.0));
}

}  // namespace
