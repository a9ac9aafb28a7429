#include <gtest/gtest.h>

#include <vector>

#include "Collections.h"
#include "Components.h"
#include "Exceptions.h"
#include "TypInfo.h"

namespace {

std::vector<String> log;

class TColumn : public TCollectionItem {
  DECLARE_CLASS(TColumn, TCollectionItem)
 public:
  String GetTitle() const { return FTitle; }
  void SetTitle(const String& V) {
    FTitle = V;
    Changed(false);
  }
  void Assign(TPersistent* Source) override {
    if (auto* c = dynamic_cast<TColumn*>(Source)) SetTitle(c->FTitle);
    else inherited::Assign(Source);
  }

 private:
  String FTitle;
};
IMPLEMENT_CLASS(TColumn)

class TOtherItem : public TCollectionItem {
  DECLARE_CLASS(TOtherItem, TCollectionItem)
};
IMPLEMENT_CLASS(TOtherItem)

// Journals what a collection is told.
class TColumns : public TOwnedCollection {
  DECLARE_CLASS(TColumns, TOwnedCollection)
 public:
  using TOwnedCollection::TOwnedCollection;
  TColumn* Column(Integer i) const { return static_cast<TColumn*>(GetItem(i)); }

 protected:
  void Update(TCollectionItem* Item) override {
    log.push_back(Item ? "update " + static_cast<TColumn*>(Item)->GetTitle() : "update all");
  }
  void Notify(TCollectionItem* Item, TCollectionNotification Action) override {
    static const char* names[] = {"added", "extracting", "deleting"};
    log.push_back(String(names[Action]) + " #" + std::to_string(Item->GetID()));
  }
};
IMPLEMENT_CLASS(TColumns)

class TGrid : public TComponent {
  DECLARE_CLASS(TGrid, TComponent)
 public:
  TColumns* GetColumns() const { return FColumns; }
  void SetColumns(TColumns* V) { FColumns->Assign(V); }

 protected:
  void Construct() override {
    inherited::Construct();
    FColumns = New<TColumns>(this, TColumn::StaticClass());
  }
  void Destroy() override {
    FreeAndNil(FColumns);
    inherited::Destroy();
  }

 private:
  TColumns* FColumns = nullptr;
};
IMPLEMENT_CLASS_PUBLISHED(TGrid) { d.Property("Columns", &TGrid::GetColumns, &TGrid::SetColumns); }

std::vector<String> Titles(TColumns* c) {
  std::vector<String> r;
  for (Integer i = 0; i < c->Count(); ++i) r.push_back(c->Column(i)->GetTitle());
  return r;
}

class CollectionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    grid = CreateComponent<TGrid>(nullptr);
    grid->SetName("Grid1");
    columns = grid->GetColumns();
    for (const char* t : {"a", "b", "c"}) static_cast<TColumn*>(columns->Add())->SetTitle(t);
    log.clear();
  }
  void TearDown() override { grid->Free(); }
  TGrid* grid = nullptr;
  TColumns* columns = nullptr;
};

TEST_F(CollectionsTest, ItemsKeepTheirIdsWhileTheyMove) {
  TColumn* c = columns->Column(2);
  c->SetIndex(0);
  EXPECT_EQ(Titles(columns), (std::vector<String>{"c", "a", "b"}));
  EXPECT_EQ(log, (std::vector<String>{"update all"}));
  EXPECT_EQ(c->GetID(), 2);
  EXPECT_EQ(columns->FindItemID(2), c);
  EXPECT_EQ(columns->FindItemID(7), nullptr);
  auto* inserted = static_cast<TColumn*>(columns->Insert(1));
  EXPECT_EQ(inserted->GetIndex(), 1);
  EXPECT_EQ(inserted->GetID(), 3);
  EXPECT_THROW(c->SetIndex(4), EListError);
  EXPECT_THROW(columns->GetItem(-1), EListError);
  EXPECT_THROW(columns->Delete(4), EListError);
}

TEST_F(CollectionsTest, NotificationsInTheirOrder) {
  columns->Column(1)->SetTitle("B");
  columns->Delete(0);
  columns->Column(0)->Free();  // a freed item leaves its collection
  EXPECT_EQ(log, (std::vector<String>{"update B", "deleting #0", "extracting #0", "update all", "extracting #1",
                                      "update all"}));
  EXPECT_EQ(Titles(columns), (std::vector<String>{"c"}));
}

TEST_F(CollectionsTest, UpdatesSuspendedUntilTheLastEndUpdate) {
  columns->BeginUpdate();
  columns->BeginUpdate();
  columns->Column(0)->SetTitle("x");
  columns->Add();
  columns->EndUpdate();
  EXPECT_EQ(log, (std::vector<String>{"added #3"}));
  columns->EndUpdate();
  columns->EndUpdate();  // unbalanced: stays at zero
  EXPECT_EQ(log, (std::vector<String>{"added #3", "update all", "update all"}));
  columns->Column(0)->SetTitle("y");
  EXPECT_EQ(log.back(), "update y");
}

TEST_F(CollectionsTest, ClearIsOneUpdate) {
  columns->Clear();
  EXPECT_EQ(log, (std::vector<String>{"extracting #2", "extracting #1", "extracting #0", "update all"}));
  EXPECT_EQ(columns->Count(), 0);
}

TEST_F(CollectionsTest, AssignCopiesTheItemsInOneUpdate) {
  TColumns* copy = New<TColumns>(nullptr, TColumn::StaticClass());
  copy->Add();
  log.clear();
  copy->Assign(columns);
  EXPECT_EQ(Titles(copy), (std::vector<String>{"a", "b", "c"}));
  copy->Assign(copy);
  EXPECT_EQ(copy->Count(), 3);
  EXPECT_EQ(std::count(log.begin(), log.end(), "update all"), 1);
  EXPECT_THROW(copy->Assign(grid), EAssignError);
  copy->Free();
}

TEST_F(CollectionsTest, OnlyItemsOfTheItemClassJoin) {
  TCollectionItem* stranger = CreateCollectionItem(TOtherItem::StaticClass(), nullptr);
  EXPECT_THROW(stranger->SetCollection(columns), EListError);
  EXPECT_EQ(columns->Count(), 3);
  stranger->Free();
}

TEST_F(CollectionsTest, NamePathsGoThroughTheOwnersProperty) {
  EXPECT_EQ(columns->GetNamePath(), "Grid1.Columns");
  EXPECT_EQ(columns->Column(1)->GetNamePath(), "Grid1.Columns[1]");
  TColumns* loose = New<TColumns>(nullptr, TColumn::StaticClass());
  EXPECT_EQ(loose->Add()->GetNamePath(), "TColumns[0]");
  loose->Free();
}

}  // namespace
