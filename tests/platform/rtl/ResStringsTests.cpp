#include <gtest/gtest.h>

#include <cstring>

#include "Exceptions.h"
#include "ResStrings.h"
#include "Resources.h"

namespace {

// Two string tables of the test program, built here rather than by the build's embedding so that
// the malformed one can be shown too.
const char FirstTable[] =
    "; the first table\n"
    "\n"
    "100 \"Hello\"\n"
    "  101\t\"Quote \\\" backslash \\\\ tab \\t end\"  \r\n"
    "102 \"\xE4\xB8\xAD\xE6\x96\x87\"\n"
    "103 \"\"\n"
    "65535 \"last\"";
const char SecondTable[] = "100 \"shadowed\"\n200 \"from the second\"\n";
const char BadTable[] = "300 \"fine\"\n301 missing quotes\n";

const TResourceEntry Entries[] = {
    {"STRING", "RESTEST1", reinterpret_cast<const unsigned char*>(FirstTable), sizeof FirstTable - 1},
    {"STRING", "RESTEST2", reinterpret_cast<const unsigned char*>(SecondTable), sizeof SecondTable - 1},
    {"#6", "RESTESTBAD", reinterpret_cast<const unsigned char*>(BadTable), sizeof BadTable - 1},
};
const TResourceTable TestTables{Entries, 3};

class ResStringsTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterResourceTable(TestTables);
    RegisterStringTable("ResTest1");
    RegisterStringTable("RESTEST2");
  }
};

const TResStringRec SHello{&HInstance, 100};
const TResStringRec SMissing{&HInstance, 4242};

TEST_F(ResStringsTest, ReadsStringsByIdentifier) {
  struct Case {
    Integer Id;
    const char* Text;
  } cases[] = {
      {100, "Hello"},  // the first registered table wins over the second
      {101, "Quote \" backslash \\ tab \t end"},
      {102, "\xE4\xB8\xAD\xE6\x96\x87"},
      {103, ""},
      {65535, "last"},
      {200, "from the second"},
      {4242, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(LoadStr(c.Id), c.Text) << c.Id;
  EXPECT_EQ(LoadResString(&SHello), "Hello");
  EXPECT_EQ(LoadResString(&SMissing), "");
  EXPECT_EQ(LoadResString(nullptr), "");
}

TEST_F(ResStringsTest, LoadStringCutsAtCharacterBoundaries) {
  char buffer[16];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(LoadString(nullptr, 100, buffer, sizeof buffer), 5);
  EXPECT_STREQ(buffer, "Hello");
  EXPECT_EQ(LoadString(HInstance, 100, buffer, 3), 2);
  EXPECT_STREQ(buffer, "He");
  // Two 3-byte characters: room for 5 bytes keeps only the first whole character.
  EXPECT_EQ(LoadString(nullptr, 102, buffer, 6), 3);
  EXPECT_STREQ(buffer, "\xE4\xB8\xAD");
  EXPECT_EQ(LoadString(nullptr, 4242, buffer, sizeof buffer), 0);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(LoadString(nullptr, 100, buffer, 0), 0);
  EXPECT_EQ(LoadString(nullptr, 100, nullptr, 10), 0);
  // Another module has no strings of the program.
  EXPECT_EQ(LoadString(reinterpret_cast<HINSTANCE>(0x1234), 100, buffer, sizeof buffer), 0);
}

TEST_F(ResStringsTest, MalformedTableIsReportedOnceThenLeftOut) {
  RegisterStringTable("RESTESTBAD");
  try {
    LoadStr(100);
    FAIL() << "no error";
  } catch (const EParserError& e) {
    EXPECT_NE(e.Message().find("RESTESTBAD"), String::npos) << e.Message();
    EXPECT_NE(e.Message().find("line 2"), String::npos) << e.Message();
  }
  EXPECT_EQ(LoadStr(100), "Hello");
  EXPECT_EQ(LoadStr(300), "");
}

}  // namespace
