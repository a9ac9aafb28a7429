#include <gtest/gtest.h>

#include "dxBar.h"

namespace {

TEST(dxObjectList, AddIgnoresNilAndDuplicates) {
  TOwnedPtr<TdxObjectList> list(New<TdxObjectList>());
  TOwnedPtr<TdxObjectList> other(New<TdxObjectList>());
  list->Add(nullptr);
  list->Add(other.get());
  list->Add(other.get());
  EXPECT_EQ(list->GetCount(), 1);
  EXPECT_EQ(list->GetItem(5), nullptr);
}

}  // namespace
