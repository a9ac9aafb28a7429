#include <gtest/gtest.h>

#include <set>

#include "Exceptions.h"
#include "Guids.h"

namespace {

constexpr TGUID Sample = "{84A4BCBE-E001-4D60-B7A6-75E2B0DCD3E9}"_guid;

TEST(Guids, TextRoundTripIsBracedUpperCase) {
  EXPECT_EQ(Sample.D1, 0x84A4BCBEu);
  EXPECT_EQ(Sample.D2, 0xE001u);
  EXPECT_EQ(Sample.D3, 0x4D60u);
  EXPECT_EQ(Sample.D4[0], 0xB7);
  EXPECT_EQ(Sample.D4[7], 0xE9);
  EXPECT_EQ(GUIDToString(Sample), "{84A4BCBE-E001-4D60-B7A6-75E2B0DCD3E9}");
  EXPECT_EQ(StringToGUID("{84a4bcbe-e001-4d60-b7a6-75e2b0dcd3e9}"), Sample);
  EXPECT_EQ(GUIDToString(GUID_NULL), "{00000000-0000-0000-0000-000000000000}");
}

TEST(Guids, MalformedTextRaisesConvertError) {
  const char* bad[] = {
      "",
      "84A4BCBE-E001-4D60-B7A6-75E2B0DCD3E9",      // no braces
      "{84A4BCBE-E001-4D60-B7A6-75E2B0DCD3E9",     // one brace
      "{84A4BCBE-E001-4D60-B7A6-75E2B0DCD3E}",     // short
      "{84A4BCBE-E001-4D60-B7A6-75E2B0DCD3E9A}",   // long
      "{84A4BCBEE001-4D60-B7A6-75E2B0DCD3E9-}",    // dash misplaced
      "{84A4BCBG-E001-4D60-B7A6-75E2B0DCD3E9}",    // not hex
      "{84A4BCB -E001-4D60-B7A6-75E2B0DCD3E9}",
  };
  for (const char* text : bad) {
    try {
      StringToGUID(text);
      ADD_FAILURE() << "accepted " << text;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), String("'") + text + "' is not a valid GUID value");
    }
  }
}

TEST(Guids, CreatedIdentifiersAreRandomVersionFour) {
  std::set<String> seen;
  for (int i = 0; i < 64; ++i) {
    TGUID g;
    ASSERT_EQ(CreateGUID(g), S_OK);
    EXPECT_EQ(g.D3 >> 12, 4);
    EXPECT_EQ(g.D4[0] & 0xC0, 0x80);
    seen.insert(GUIDToString(g));
  }
  EXPECT_EQ(seen.size(), 64u);
  EXPECT_EQ(CoCreateGuid(nullptr), E_INVALIDARG);
}

TEST(Guids, CompareAndOrder) {
  TGUID other = Sample;
  other.D4[7] ^= 1;
  EXPECT_TRUE(IsEqualGUID(Sample, StringToGUID(GUIDToString(Sample))));
  EXPECT_FALSE(IsEqualGUID(Sample, other));
  EXPECT_NE(Sample < other, other < Sample);
}

}  // namespace
