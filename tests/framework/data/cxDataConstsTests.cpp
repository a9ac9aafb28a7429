#include <gtest/gtest.h>

#include "cxClassesResStrings.h"
#include "cxDataConsts.h"
#include "cxFilterConsts.h"

namespace {

TEST(cxDataConsts, MessagesComeFromTheDataStringTable) {
  struct Case {
    PResStringRec Rec;
    const char* Text;
  } Cases[] = {
      {&cxSDataReadError, "Stream read error"},
      {&cxSDataRecordIndexError, "RecordIndex out of range"},
      {&cxSDataProviderModeError, "This operation is not supported in provider mode"},
      {&cxSDataInvalidStreamFormat, "Invalid stream format"},
      {&cxSDataRowIndexError, "RowIndex out of range"},
      {&cxSDataCustomDataSourceInvalidCompare, "GetInfoForCompare not implemented"},
      {&cxSDBKeyFieldNotFound, "Key Field not found"},
  };
  for (const Case& C : Cases) EXPECT_EQ(LoadResString(C.Rec), C.Text);
}

TEST(cxDataConsts, FilterTextsFollowTheFrameworksReplacements) {
  const String original = cxSFilterString(&cxSFilterOperatorEqual);
  EXPECT_EQ("equals", original);
  cxSetResourceString(&cxSFilterOperatorEqual, "is");
  EXPECT_EQ("is", cxSFilterString(&cxSFilterOperatorEqual));
  cxSetResourceString(&cxSFilterOperatorEqual, original);
}

}  // namespace
