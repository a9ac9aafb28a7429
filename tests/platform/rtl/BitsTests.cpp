#include <gtest/gtest.h>

#include "Bits.h"
#include "Exceptions.h"

TEST(TBits, GrowsWithClearBitsAndFindsTheFirstOpenOne) {
  TBits* bits = New<TBits>();
  EXPECT_EQ(bits->OpenBit(), 0);
  bits->SetBits(70, true);  // setting past the end grows
  EXPECT_EQ(bits->GetSize(), 71);
  for (Integer i = 0; i < 70; ++i) ASSERT_FALSE(bits->GetBits(i)) << i;
  EXPECT_TRUE((*bits)[70]);

  for (Integer i = 0; i < 5; ++i) bits->SetBits(i, true);
  EXPECT_EQ(bits->OpenBit(), 5);
  bits->SetSize(5);
  EXPECT_EQ(bits->OpenBit(), 5) << "every bit set: the size";
  bits->SetSize(80);
  EXPECT_FALSE(bits->GetBits(70)) << "a bit dropped by shrinking comes back clear";
  bits->Free();
}

TEST(TBits, IndexesOutOfRangeRaise) {
  TBits* bits = New<TBits>();
  bits->SetSize(8);
  auto message = [&](auto action) -> String {
    try {
      action();
    } catch (const EBitsError& e) {
      return e.Message();
    }
    return "no error";
  };
  EXPECT_EQ(message([&] { bits->GetBits(8); }), "Bits index out of range");
  EXPECT_EQ(message([&] { bits->GetBits(-1); }), "Bits index out of range");
  EXPECT_EQ(message([&] { bits->SetBits(-1, true); }), "Bits index out of range");
  EXPECT_EQ(message([&] { bits->SetSize(-1); }), "Bits index out of range");
  EXPECT_EQ(bits->GetSize(), 8);
  bits->Free();
}
