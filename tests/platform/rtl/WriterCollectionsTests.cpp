// Collections compared by what they write, as the writer does against an ancestor.
#include <gtest/gtest.h>

#include "Collections.h"
#include "Filer.h"
#include "StreamingFixtures.h"

using namespace StreamingFixtures;

namespace {

struct TItemValues {
  const char* Caption;
  Integer Width;
};

TCollection* MakeItems(std::initializer_list<TItemValues> Items) {
  TCollection* c = New<TCollection>(TTestItem::StaticClass());
  for (const TItemValues& v : Items) {
    auto* item = static_cast<TTestItem*>(c->Add());
    item->SetCaption(v.Caption);
    item->SetWidth(v.Width);
  }
  return c;
}

TEST(WriterCollections, CollectionsAreEqualWhenTheirItemsWriteTheSameValues) {
  struct Case {
    const char* name;
    std::initializer_list<TItemValues> a, b;
    bool equal;
  };
  const Case cases[] = {
      {"both empty", {}, {}, true},
      {"same items", {{"Price", 80}, {"Lot", 64}}, {{"Price", 80}, {"Lot", 64}}, true},
      {"a caption differs", {{"Price", 80}}, {{"price", 80}}, false},
      {"a default width differs", {{"Price", 64}}, {{"Price", 65}}, false},
      {"one item more", {{"Price", 80}}, {{"Price", 80}, {"Lot", 64}}, false},
      {"another order", {{"Price", 80}, {"Lot", 64}}, {{"Lot", 64}, {"Price", 80}}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TCollection* a = MakeItems(c.a);
    TCollection* b = MakeItems(c.b);
    EXPECT_EQ(CollectionsEqual(a, b), c.equal);
    EXPECT_EQ(CollectionsEqual(b, a), c.equal);
    EXPECT_FALSE(CollectionsEqual(a, nullptr));
    a->Free();
    b->Free();
  }
  EXPECT_TRUE(CollectionsEqual(nullptr, nullptr));
}

}  // namespace
