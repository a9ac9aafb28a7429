#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "dxBar.h"
#include "dxBarTestSupport.h"

using namespace dxBarTests;

namespace {

struct TListEvent {
  TComponent* Component;
  TcxComponentCollectionNotification Action;
  bool operator==(const TListEvent&) const = default;
};

// A bar-component list with its change events recorded.
struct TWatchedList {
  TOwnedPtr<TdxBarComponentList> List{New<TdxBarComponentList>()};
  std::vector<TListEvent> Events;
  std::vector<TListNotification> Notifies;
  TWatchedList() {
    List->OnComponentListChanged = [this](TObject*, TComponent* C, TcxComponentCollectionNotification A) {
      Events.push_back({C, A});
    };
    List->OnNotify = [this](TObject*, TComponent*, TListNotification A) { Notifies.push_back(A); };
  }
};

TEST(dxComponentLists, ReportAddsExtractionsDeletionsAndFreedMembers) {
  TWatchedList watched;
  TOwnedPtr<TComponent> owner(New<TComponent>(nullptr));
  auto* a = New<TRecordingBarComponent>(owner.get());
  auto* b = New<TRecordingBarComponent>(owner.get());
  watched.List->Add(a);
  watched.List->Add(b);
  watched.List->Extract(a);
  watched.List->Add(a);
  watched.List->Delete(watched.List->IndexOf(a));
  b->Free();
  EXPECT_EQ(watched.Events, (std::vector<TListEvent>{{a, ccnAdded}, {b, ccnAdded}, {a, ccnExtracted}, {a, ccnAdded},
                                                     {a, ccnDeleting}, {b, ccnExtracted}}));
  EXPECT_EQ(watched.Notifies, (std::vector<TListNotification>{lnAdded, lnAdded, lnExtracted, lnAdded, lnDeleted,
                                                              lnExtracted}));
  EXPECT_EQ(watched.List->GetCount(), 0);
}

TEST(dxComponentLists, AComponentOfAnotherClassLeavesSilently) {
  TWatchedList watched;
  TOwnedPtr<TComponent> stranger(New<TComponent>(nullptr));
  watched.List->Add(stranger.get());
  EXPECT_EQ(watched.List->GetCount(), 0);
  EXPECT_TRUE(watched.Events.empty());
  EXPECT_TRUE(watched.Notifies.empty());
  stranger.reset();  // no free notification is left on the list
}

TEST(dxComponentLists, ChangesReachEveryListThatHoldsTheComponent) {
  TWatchedList first, second;
  TOwnedPtr<TComponent> owner(New<TComponent>(nullptr));
  auto* a = New<TRecordingBarComponent>(owner.get());
  first.List->Add(a);
  second.List->Add(a);
  first.Events.clear();
  second.Events.clear();
  a->Changed(false);
  a->Changed(true);
  const std::vector<TListEvent> expected{{a, ccnChanged}, {nullptr, ccnChanged}};
  EXPECT_EQ(first.Events, expected);
  EXPECT_EQ(second.Events, expected);

  first.List->Extract(a);
  first.Events.clear();
  second.List->BeginUpdate();
  a->Changed(false);
  EXPECT_TRUE(first.Events.empty()) << "a list the component left hears no more of it";
  EXPECT_TRUE(second.Events.size() == 2) << "nothing while updates are held";
  second.List->EndUpdate();
  EXPECT_EQ(second.Events.back(), (TListEvent{nullptr, ccnChanged}));
}

TEST(dxComponentLists, NeitherADyingComponentNorADyingListReports) {
  TOwnedPtr<TComponent> owner(New<TComponent>(nullptr));
  auto* a = New<TRecordingBarComponent>(owner.get());
  auto* list = New<TdxBarComponentList>();
  std::vector<TListEvent> events;
  list->OnComponentListChanged = [&](TObject*, TComponent* C, TcxComponentCollectionNotification A) {
    events.push_back({C, A});
  };
  list->Add(a);
  events.clear();
  list->Free();
  EXPECT_TRUE(events.empty());
  a->Changed(true);  // the freed list is no longer among its listeners
}

// The object list holds each object at most once: checked against a vector kept by hand.
TEST(dxObjectList, FollowsANaiveModelOnRandomOperations) {
  std::mt19937 random(34);
  std::vector<TOwnedPtr<TObject>> pool;
  for (int i = 0; i < 8; ++i) pool.emplace_back(New<TObject>());
  auto pick = [&]() -> TObject* {
    const auto i = random() % (pool.size() + 1);
    return i == pool.size() ? nullptr : pool[i].get();
  };
  auto addTo = [](std::vector<TObject*>& model, TObject* object) {
    if (object && std::find(model.begin(), model.end(), object) == model.end()) model.push_back(object);
  };
  auto contents = [](TdxObjectList* list) {
    std::vector<TObject*> result;
    for (Integer i = 0; i < list->GetCount(); ++i) result.push_back(list->GetItems(i));
    return result;
  };
  for (int round = 0; round < 200; ++round) {
    TOwnedPtr<TdxObjectList> a(New<TdxObjectList>()), b(New<TdxObjectList>()), c(New<TdxObjectList>());
    std::vector<TObject*> ma, mb, mc;
    for (int step = 0; step < 12; ++step) {
      TObject* x = pick();
      switch (random() % 4) {
        case 0: a->Add(x), addTo(ma, x); break;
        case 1: b->Add(x), addTo(mb, x); break;
        case 2:
          if (x) a->Remove(x), ma.erase(std::remove(ma.begin(), ma.end(), x), ma.end());
          break;
        default: addTo(ma, x), addTo(mb, x), a->Add(x), b->Add(x); break;
      }
    }
    switch (random() % 4) {
      case 0: {
        c->XorList(a.get(), b.get());
        for (TObject* x : ma)
          if (std::find(mb.begin(), mb.end(), x) == mb.end()) addTo(mc, x);
        for (TObject* x : mb)
          if (std::find(ma.begin(), ma.end(), x) == ma.end()) addTo(mc, x);
        break;
      }
      case 1:
        c->AddFromList(a.get(), b.get());
        for (TObject* x : ma)
          if (std::find(mb.begin(), mb.end(), x) == mb.end()) addTo(mc, x);
        break;
      case 2:
        c->AddList(a.get());
        c->AddList(b.get());
        for (TObject* x : ma) addTo(mc, x);
        for (TObject* x : mb) addTo(mc, x);
        break;
      default:
        c->Add(pick());
        c->CopyFrom(a.get());
        mc = ma;
        break;
    }
    ASSERT_EQ(contents(a.get()), ma) << "round " << round;
    ASSERT_EQ(contents(b.get()), mb) << "round " << round;
    ASSERT_EQ(contents(c.get()), mc) << "round " << round;
    ASSERT_EQ(c->First(), mc.empty() ? nullptr : mc.front());
    ASSERT_EQ(c->Last(), mc.empty() ? nullptr : mc.back());
    ASSERT_EQ(c->GetItem(-1), nullptr);
    ASSERT_EQ(c->GetItem(c->GetCount()), nullptr);
  }
}

TEST(dxObjectList, CopyToAPlainListKeepsEverything) {
  TOwnedPtr<TdxObjectList> list(New<TdxObjectList>());
  TOwnedPtr<TObject> x(New<TObject>());
  list->Add(x.get());
  TOwnedPtr<TList> plain(New<TList>());
  plain->Add(nullptr);
  list->CopyTo(plain.get());
  ASSERT_EQ(plain->GetCount(), 1);
  EXPECT_EQ(plain->GetItems(0), x.get());
}

// ---- The item-class registry -------------------------------------------------------------------------------
class TRegistryItemA : public TRecordingBarComponent {
  DECLARE_CLASS(TRegistryItemA, TRecordingBarComponent)
};
IMPLEMENT_CLASS(TRegistryItemA)
class TRegistryItemB : public TRegistryItemA {
  DECLARE_CLASS(TRegistryItemB, TRegistryItemA)
};
IMPLEMENT_CLASS(TRegistryItemB)
class TRegistryControl : public TObject {
  DECLARE_CLASS(TRegistryControl, TObject)
};
IMPLEMENT_CLASS(TRegistryControl)

TEST(dxBarItemRegistry, CountsVisibleClassesAndFindsTheNearestRegisteredAncestor) {
  TdxBarItemList* registry = RegdxItemList();
  const Integer before = registry->GetCount(), visibleBefore = registry->GetVisibleItemCount();
  dxBarRegisterItem(TRegistryItemA::StaticClass(), TRegistryControl::StaticClass(), false);
  dxBarRegisterItem(TRecordingBarComponent::StaticClass(), TObject::StaticClass(), true);
  EXPECT_EQ(GetClass("TRegistryItemA"), TRegistryItemA::StaticClass()) << "form streams can make it";
  EXPECT_EQ(registry->GetVisibleItemCount(), visibleBefore + 1);
  EXPECT_EQ(registry->GetVisibleItemClass(visibleBefore), TRecordingBarComponent::StaticClass());
  EXPECT_EQ(registry->GetVisibleItemClass(visibleBefore + 1), nullptr);
  EXPECT_EQ(registry->GetItemControlClass(TRegistryItemB::StaticClass()), TRegistryControl::StaticClass());
  dxBarUnregisterItem(TRegistryItemA::StaticClass());
  EXPECT_EQ(GetClass("TRegistryItemA"), nullptr);
  EXPECT_EQ(registry->GetItemControlClass(TRegistryItemB::StaticClass()), TObject::StaticClass());
  dxBarUnregisterItem(TRecordingBarComponent::StaticClass());
  EXPECT_EQ(registry->GetCount(), before);
}

}  // namespace
