#include <gtest/gtest.h>

#include "Exceptions.h"
#include "cxClasses.h"
#include "cxLibraryStrs.h"

namespace {

// Replacements are process-wide: every test starts and ends without any.
class cxResourceStringsTest : public testing::Test {
 protected:
  void SetUp() override { cxClearResourceStrings(); }
  void TearDown() override { cxClearResourceStrings(); }
};

TEST_F(cxResourceStringsTest, FrameworkTableHoldsTheLibraryTexts) {
  struct Case {
    PResStringRec Ref;
    const char* Text;
  } cases[] = {
      {&scxCantCreateRegistryKey, "Can't create the registry key: \\%s"},
      {&scxCantOpenRegistryKey, "Can't open the registry key: \\%s"},
      {&scxErrorStoreObject, "Error store %s object"},
      {&scxInvalidPropertyElement, "Invalid property element: %s"},
      {&scxConverterCantCreateStyleRepository, "Can't create the Style Repository"},
      {&cxSDateToday, "today"},
      {&cxSDateYesterday, "yesterday"},
      {&cxSDateTomorrow, "tomorrow"},
      {&cxSDateSunday, "Sunday"},
      {&cxSDateWednesday, "Wednesday"},
      {&cxSDateSaturday, "Saturday"},
      {&cxSDateFirst, "first"},
      {&cxSDateThird, "third"},
      {&cxSDateFourth, "fourth"},
      {&cxSDateSeventh, "seventh"},
      {&cxSDateBOM, "bom"},
      {&cxSDateEOM, "eom"},
      {&cxSDateNow, "now"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LoadResString(c.Ref), c.Text) << c.Ref->Identifier;
    EXPECT_EQ(cxGetResourceString(c.Ref), c.Text) << c.Ref->Identifier;
  }
}

TEST_F(cxResourceStringsTest, ByReferenceReplacesOneStringAndRefusesMixing) {
  cxSetResourceString(&cxSDateToday, "heute");
  EXPECT_EQ(cxGetResourceString(&cxSDateToday), "heute");
  EXPECT_EQ(cxGetResourceString(&cxSDateNow), "now");
  cxSetResourceString(&cxSDateToday, "jetzt heute");
  cxSetResourceString(&cxSDateNow, "jetzt");
  EXPECT_EQ(cxGetResourceString(&cxSDateToday), "jetzt heute");

  try {
    cxSetResourceStringNet("tomorrow", "morgen");
    FAIL() << "mixing was accepted";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "You cannot mix cxSetResourceString and cxSetResourceStringNet calls");
  }
  EXPECT_EQ(cxGetResourceString(&cxSDateToday), "jetzt heute");
  EXPECT_EQ(cxGetResourceString(&cxSDateNow), "jetzt");
  EXPECT_EQ(cxGetResourceString(&cxSDateTomorrow), "tomorrow");
  // The key of a replacement by reference is the original text.
  EXPECT_EQ(cxGetResourceStringNet("today"), "jetzt heute");
}

TEST_F(cxResourceStringsTest, ByNameReplacesEveryStringOfThatTextCaseSensitively) {
  EXPECT_EQ(cxGetResourceStringNet("today"), "today");
  cxSetResourceStringNet("today", "heute");
  cxSetResourceStringNet("Now", "jetzt");
  EXPECT_EQ(cxGetResourceString(&cxSDateToday), "heute");
  EXPECT_EQ(cxGetResourceString(&cxSDateNow), "now");
  EXPECT_EQ(cxGetResourceString(String("today")), "heute");
  EXPECT_EQ(cxGetResourceStringNet("Today"), "Today");
  cxSetResourceStringNet("today", "heute!");
  EXPECT_EQ(cxGetResourceString(&cxSDateToday), "heute!");
  EXPECT_THROW(cxSetResourceString(&cxSDateNow, "jetzt"), Exception);
  EXPECT_EQ(cxGetResourceString(&cxSDateNow), "now");
}

TEST_F(cxResourceStringsTest, ClearingAllowsTheOtherModeAgain) {
  cxSetResourceStringNet("today", "heute");
  cxClearResourceStrings();
  EXPECT_EQ(cxGetResourceString(&cxSDateToday), "today");
  cxSetResourceString(&cxSDateToday, "heute");
  EXPECT_EQ(cxGetResourceString(&cxSDateToday), "heute");
}

}  // namespace
