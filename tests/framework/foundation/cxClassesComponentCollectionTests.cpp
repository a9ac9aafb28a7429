#include <gtest/gtest.h>

#include "Exceptions.h"

#include <vector>

#include "cxClasses.h"
#include "TypInfo.h"

namespace {

class TTestCollection;

// The parent component keeps the collection of its items, as a toolbar manager keeps its bars.
class TTestParent : public TComponent {
  DECLARE_CLASS(TTestParent, TComponent)
 public:
  using TComponent::TComponent;
  TTestCollection* Items = nullptr;
};
IMPLEMENT_CLASS(TTestParent)

class TTestItem : public TcxComponentCollectionItem {
  DECLARE_CLASS(TTestItem, TcxComponentCollectionItem)
 public:
  using TcxComponentCollectionItem::TcxComponentCollectionItem;
  using TcxComponentCollectionItem::Changed;
  TcxComponentCollection* GetCollectionFromParent(TComponent* AParent) override;
  void Assign(TPersistent* Source) override {
    if (auto* s = dynamic_cast<TTestItem*>(Source)) Caption = s->Caption;
    else inherited::Assign(Source);
  }
  String Caption;
};
IMPLEMENT_CLASS(TTestItem)

class TOtherItem : public TTestItem {
  DECLARE_CLASS(TOtherItem, TTestItem)
};
IMPLEMENT_CLASS(TOtherItem)

// Logs Notify and OnChange in one list.
class TTestCollection : public TcxComponentCollection {
  DECLARE_CLASS(TTestCollection, TcxComponentCollection)
 public:
  using TcxComponentCollection::TcxComponentCollection;
  using TcxComponentCollection::InsertItem;
  std::vector<String> Log;
  Integer Named = 0;

 protected:
  void Notify(TcxComponentCollectionItem* AItem, TcxComponentCollectionNotification AAction) override {
    Log.push_back("notify " + GetEnumName(AtTypeInfo(&AAction), AAction));
  }
  void SetItemName(TcxComponentCollectionItem* AItem) override {
    AItem->SetName(CreateUniqueName(AItem->Owner(), GetParentComponent(), AItem, "TTest", ""));
  }
};
IMPLEMENT_CLASS(TTestCollection)

TcxComponentCollection* TTestItem::GetCollectionFromParent(TComponent* AParent) {
  auto* parent = dynamic_cast<TTestParent*>(AParent);
  return parent ? parent->Items : nullptr;
}

class TcxComponentCollectionTest : public testing::Test {
 protected:
  void SetUp() override {
    Form = New<TComponent>(nullptr);
    Parent = New<TTestParent>(Form);
    Parent->SetName("Manager");
    Items = New<TTestCollection>(Parent, TTestItem::StaticClass());
    Parent->Items = Items;
    Items->OnChange = [this](TObject* sender, TcxComponentCollectionItem* item, TcxComponentCollectionNotification a) {
      Items->Log.push_back(String("change ") + (item ? item->GetName() : "all") + " " +
                           GetEnumName(AtTypeInfo(&a), a));
    };
  }
  void TearDown() override {
    Items->Free();
    Form->Free();
  }
  TComponent* Form = nullptr;
  TTestParent* Parent = nullptr;
  TTestCollection* Items = nullptr;
};

TEST_F(TcxComponentCollectionTest, AddedItemsAreOwnedNamedAndNumbered) {
  TcxComponentCollectionItem* first = Items->Add();
  TcxComponentCollectionItem* second = Items->Add();
  EXPECT_EQ(first->Owner(), Form);
  EXPECT_EQ(first->GetCollection(), Items);
  EXPECT_EQ(first->GetParentComponent(), Parent);
  EXPECT_TRUE(first->HasParent());
  EXPECT_EQ(first->GetName(), "ManagerItem1");
  EXPECT_EQ(second->GetName(), "ManagerItem2");
  EXPECT_EQ(first->GetDisplayName(), "ManagerItem1");
  EXPECT_EQ(second->GetID(), 1);
  EXPECT_EQ(Items->FindItemByID(1), second);
  EXPECT_EQ(Items->FindItemByID(7), nullptr);
  EXPECT_EQ(Items->Log, (std::vector<String>{"notify ccnAdded", "change  ccnAdded", "notify ccnAdded",
                                              "change  ccnAdded"}));
}

TEST_F(TcxComponentCollectionTest, DeleteNotifiesInOrderAndChangesOnce) {
  Items->Add();
  TcxComponentCollectionItem* item = Items->Add();
  Items->Log.clear();
  Items->Delete(1);
  EXPECT_EQ(Items->Log, (std::vector<String>{"notify ccnDeleting", "notify ccnExtracting", "notify ccnExtracted",
                                              "change ManagerItem2 ccnExtracted"}));
  EXPECT_EQ(Items->GetCount(), 1);
  EXPECT_EQ(Form->FindComponent("ManagerItem2"), nullptr);
  (void)item;
}

TEST_F(TcxComponentCollectionTest, ItemsFreedByTheirOwnerLeaveTheCollection) {
  Items->Add();
  Items->Add();
  Form->FindComponent("ManagerItem1")->Free();
  ASSERT_EQ(Items->GetCount(), 1);
  EXPECT_EQ(Items->GetItem(0)->GetName(), "ManagerItem2");
  EXPECT_THROW(Items->GetItem(1), EListError);
}

TEST_F(TcxComponentCollectionTest, IndexesUpdatesAndAssignment) {
  TcxComponentCollectionItem* a = Items->Add();
  TcxComponentCollectionItem* b = Items->Insert(0);
  EXPECT_EQ(b->GetIndex(), 0);
  EXPECT_EQ(a->GetIndex(), 1);
  Items->Log.clear();
  static_cast<TTestItem*>(a)->Changed(false);
  EXPECT_EQ(Items->Log, (std::vector<String>{"change ManagerItem1 ccnChanged"}));

  Items->Log.clear();
  Items->BeginUpdate();
  static_cast<TTestItem*>(a)->Changed(true);
  Items->EndUpdate(false);
  EXPECT_TRUE(Items->Log.empty());
  Items->BeginUpdate();
  Items->EndUpdate();
  EXPECT_EQ(Items->Log, (std::vector<String>{"change all ccnChanged"}));

  static_cast<TTestItem*>(a)->Caption = "first";
  auto* copy = New<TTestCollection>(Parent, TTestItem::StaticClass());
  copy->Assign(Items);
  ASSERT_EQ(copy->GetCount(), 2);
  EXPECT_EQ(static_cast<TTestItem*>(copy->GetItem(1))->Caption, "first");
  copy->Free();
  EXPECT_EQ(Items->GetCount(), 2);

  Items->Log.clear();
  Items->Clear();
  EXPECT_EQ(Items->GetCount(), 0);
  EXPECT_EQ(Items->Log.back(), "change all ccnChanged");
}

TEST_F(TcxComponentCollectionTest, ItemsOfAnotherClassAreIgnored) {
  auto* stranger = New<TComponent>(nullptr);
  auto* strict = New<TTestCollection>(nullptr, TOtherItem::StaticClass());
  auto* item = New<TTestItem>(nullptr);
  strict->InsertItem(item);
  EXPECT_EQ(strict->GetCount(), 0);
  EXPECT_EQ(item->GetCollection(), nullptr);
  item->SetCollection(Items);
  EXPECT_EQ(Items->GetCount(), 1);
  strict->Free();
  item->Free();
  EXPECT_EQ(Items->GetCount(), 0);
  stranger->Free();
}

TEST_F(TcxComponentCollectionTest, DestroyedCollectionFreesItsItemsSilently) {
  auto* other = New<TTestCollection>(Parent, TTestItem::StaticClass());
  Integer changes = 0;
  other->OnChange = [&](TObject*, TcxComponentCollectionItem*, TcxComponentCollectionNotification) { ++changes; };
  other->Add();
  changes = 0;
  Integer before = Form->ComponentCount();
  other->Free();
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(Form->ComponentCount(), before - 1);
}

}  // namespace
