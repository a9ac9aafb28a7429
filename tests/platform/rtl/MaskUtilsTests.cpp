#include <gtest/gtest.h>

#include "FormatSettings.h"
#include "MaskUtils.h"

namespace {

class MaskUtilsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FSaved = FormatSettings;
    FormatSettings.DateSeparator = '-';
    FormatSettings.TimeSeparator = ':';
  }
  void TearDown() override { FormatSettings = FSaved; }
  TFormatSettings FSaved;
};

TEST_F(MaskUtilsTest, ValuesWithoutLiteralsFillThePlacesInOrder) {
  struct Case { const char* mask; const char* value; const char* want; };
  const Case cases[] = {
      {"(999) 000-0000;0;_", "5551234567", "(555) 123-4567"},
      {"(999) 000-0000;0;_", "555123", "(555) 123-    "},
      {"!(999) 000-0000;0;_", "5551234", "(   ) 555-1234"},
      {"00/00/0000;0", "31122024", "31-12-2024"},  // '/' is the locale's date separator
      {"00:00;0", "0930", "09:30"},
      {">LL<lll;0", "aBcDe", "ABcde"},
      {">L<>ll;0", "abc", "Abc"},
      {"\\A\\;00;0", "42", "A;42"},
      {"00_00;0", "1234", "12 34"},
      {"CC年;0", "中文", "中文年"},
      {"000;0", "12345", "123"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatMaskText(c.mask, c.value), c.want) << c.mask << " / " << c.value;
}

TEST_F(MaskUtilsTest, ValuesWithLiteralsKeepEachPartInItsPlaces) {
  struct Case { const char* mask; const char* value; const char* want; };
  const Case cases[] = {
      {"99/99/00;1;_", "12-05-99", "12-05-99"},
      {"99/99/00;1;_", "1-5-99", "1 -5 -99"},
      {"!99/99/00;1;_", "1-5-99", " 1- 5-99"},
      {"99/99/00", "1-5", "1 -5 -  "},
      {"99/99", "1234", "12-34"},  // no literal in the value: places in order
      {"(999) 000;1", "(55) 12", "(55 ) 12 "},
      {">ccc-ccc;1", "ab-xyz", "AB -XYZ"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatMaskText(c.mask, c.value), c.want) << c.mask << " / " << c.value;
}

TEST_F(MaskUtilsTest, MaskFields) {
  EXPECT_EQ(FormatMaskText("", "as is"), "as is");
  EXPECT_TRUE(MaskGetMaskSave("000"));
  EXPECT_TRUE(MaskGetMaskSave("000;1;*"));
  EXPECT_FALSE(MaskGetMaskSave("000;0;*"));
  EXPECT_EQ(MaskGetMaskBlank("000;0;*"), '*');
  EXPECT_EQ(MaskGetMaskBlank("000"), '_');
  EXPECT_EQ(MaskGetMaskBlank("0\\;0;1;#"), '#');
}

}  // namespace
