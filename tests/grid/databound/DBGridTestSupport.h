// What the data-bound grid tests share: a borderless form holding a TtsDBGrid bound through a
// TDataSource to a TMemoryDataSet of a few named records ("id" integer, "name" string).
#pragma once

#include <gtest/gtest.h>

#include "Forms.h"
#include "MemoryDataSet.h"
#include "TSDBGrid.h"

namespace DBGridTest {

class DBGridTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Binds the grid to the data source and opens the dataset.
  void BindAndOpen();
  // The bookmark of the record at RecNo; the dataset's current record stays.
  String BookmarkOf(Integer RecNo);

  TForm* Form = nullptr;
  TMemoryDataSet* Data = nullptr;
  TDataSource* Source = nullptr;
  TtsDBGrid* Grid = nullptr;
};

}  // namespace DBGridTest
