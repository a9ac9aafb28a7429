#include <gtest/gtest.h>

#include "Exceptions.h"

#include <vector>

#include "cxClasses.h"
#include "TypInfo.h"

namespace {

// ---- TcxEventHandlerCollection -------------------------------------------------------------------------

struct TListener {
  std::vector<String>* Log;
  String Name;
  TcxEventHandlerCollection* Events = nullptr;
  TListener* Victim = nullptr;
  void Handle(TObject*, const void* args) {
    Log->push_back(Name + ":" + *static_cast<const String*>(args));
    if (Victim) Events->Remove(TcxEventHandler(Victim, &TListener::Handle));
  }
};

TEST(TcxEventHandlerCollection, OneEntryPerHandlerCalledInOrder) {
  std::vector<String> log;
  TListener a{&log, "a"}, b{&log, "b"};
  auto* events = New<TcxEventHandlerCollection>();
  const String args = "x";
  events->CallEvents(nullptr, &args);  // empty: nothing happens
  events->Add(TcxEventHandler(&a, &TListener::Handle));
  events->Add(TcxEventHandler(&b, &TListener::Handle));
  events->Add(TcxEventHandler(&a, &TListener::Handle));
  EXPECT_EQ(events->GetCount(), 2);
  EXPECT_EQ(events->IndexOf(TcxEventHandler(&b, &TListener::Handle)), 1);
  events->CallEvents(nullptr, &args);
  EXPECT_EQ(log, (std::vector<String>{"a:x", "b:x"}));
  events->Delete(5);
  events->Delete(-1);
  events->Remove(TcxEventHandler(&a, &TListener::Handle));
  EXPECT_EQ(events->GetCount(), 1);
  EXPECT_EQ(events->IndexOf(TcxEventHandler(&a, &TListener::Handle)), -1);
  events->Free();
}

TEST(TcxEventHandlerCollection, HandlerRemovedDuringTheCallIsNotCalled) {
  std::vector<String> log;
  auto* events = New<TcxEventHandlerCollection>();
  TListener b{&log, "b"};
  TListener a{&log, "a", events, &b};
  events->Add(TcxEventHandler(&a, &TListener::Handle));
  events->Add(TcxEventHandler(&b, &TListener::Handle));
  const String args = "y";
  events->CallEvents(nullptr, &args);
  EXPECT_EQ(log, (std::vector<String>{"a:y"}));
  events->Free();
}

// ---- TcxAutoWidthObject --------------------------------------------------------------------------------

TEST(TcxAutoWidthObject, DistributesInProportionWithFixedAndMinimumWidths) {
  struct Item {
    Integer Width, MinWidth;
    bool Fixed;
  };
  struct Case {
    const char* Name;
    Integer Available;
    std::vector<Item> Items;
    std::vector<Integer> Expected;
  } cases[] = {
      {"proportional", 100, {{10, 0, false}, {20, 0, false}, {30, 0, false}}, {17, 33, 50}},
      {"first fixed", 100, {{10, 0, true}, {20, 0, false}, {30, 0, false}}, {10, 36, 54}},
      // 100 over 10/10/80 would give the first 10; its minimum 40 takes it out, the rest share 60.
      {"minimum", 100, {{10, 40, false}, {10, 0, false}, {80, 0, false}}, {40, 7, 53}},
      {"minimum cascades", 60, {{10, 30, false}, {10, 20, false}, {80, 0, false}}, {30, 20, 10}},
      {"nothing available", 0, {{10, 0, false}, {30, 0, false}}, {0, 0}},
      {"no widths", 50, {{0, 5, false}, {0, 0, false}}, {5, 0}},
  };
  for (const Case& c : cases) {
    auto* object = New<TcxAutoWidthObject>(static_cast<Integer>(c.Items.size()));
    for (const Item& i : c.Items) {
      TcxAutoWidthItem* item = object->AddItem();
      item->Width = i.Width;
      item->MinWidth = i.MinWidth;
      item->Fixed = i.Fixed;
    }
    object->AvailableWidth = c.Available;
    object->Calculate();
    std::vector<Integer> widths;
    for (Integer i = 0; i < object->GetCount(); ++i) widths.push_back(object->GetItem(i)->AutoWidth);
    EXPECT_EQ(widths, c.Expected) << c.Name;
    object->Free();
  }
}

// ---- TcxMRUItems ---------------------------------------------------------------------------------------

int LiveItems = 0;
class TTestMRUItem : public TcxMRUItem {
  DECLARE_CLASS(TTestMRUItem, TcxMRUItem)
 public:
  explicit TTestMRUItem(String AName = String()) : Name(std::move(AName)) { ++LiveItems; }
  ~TTestMRUItem() override { --LiveItems; }
  bool Equals(TcxMRUItem* AItem) override { return static_cast<TTestMRUItem*>(AItem)->Name == Name; }
  String Name;
};
IMPLEMENT_CLASS(TTestMRUItem)

String Names(TcxMRUItems* items) {
  String s;
  for (Integer i = 0; i < items->GetCount(); ++i) s += static_cast<TTestMRUItem*>(items->GetItem(i))->Name;
  return s;
}

TEST(TcxMRUItems, MostRecentFirstWithinTheMaximum) {
  LiveItems = 0;
  auto* items = New<TcxMRUItems>();
  items->SetMaxCount(3);
  for (const char* n : {"A", "B", "C", "D"}) items->Add(New<TTestMRUItem>(n));
  EXPECT_EQ(Names(items), "DCB");
  EXPECT_EQ(LiveItems, 3);
  items->Add(New<TTestMRUItem>("B"));
  EXPECT_EQ(Names(items), "BDC");
  EXPECT_EQ(LiveItems, 3);
  // The listed object itself only moves.
  items->Add(items->GetItem(2));
  EXPECT_EQ(Names(items), "CBD");
  EXPECT_EQ(LiveItems, 3);
  items->SetMaxCount(-5);
  EXPECT_EQ(items->GetMaxCount(), 0);
  items->Add(New<TTestMRUItem>("E"));
  EXPECT_EQ(Names(items), "ECBD");
  items->SetMaxCount(2);
  EXPECT_EQ(Names(items), "EC");
  items->SetCount(5);
  EXPECT_EQ(items->GetCount(), 2);
  items->Delete(0);
  EXPECT_EQ(Names(items), "C");
  EXPECT_THROW(items->Delete(3), EListError);
  items->Free();
  EXPECT_EQ(LiveItems, 0);
}

// ---- TcxAlignment --------------------------------------------------------------------------------------

TEST(TcxAlignment, StoringFollowsTheChosenRule) {
  Integer changes = 0;
  TNotifyEvent counter = [&](TObject*) { ++changes; };
  for (bool useAssigned : {true, false}) {
    auto* a = New<TcxAlignment>(nullptr, useAssigned, taCenter, vaBottom);
    a->OnChanged = counter;
    changes = 0;
    a->SetHorz(taCenter);  // the default, set explicitly
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(a->IsHorzStored(), useAssigned);
    EXPECT_FALSE(a->IsVertStored());
    a->SetVert(vaTop);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(a->IsVertStored());
    a->Reset();
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(a->GetVert(), vaBottom);
    EXPECT_FALSE(a->IsHorzStored());
    a->Reset();
    EXPECT_EQ(changes, 2);
    a->Free();
  }
}

TEST(TcxAlignment, AssignCopiesValuesAndFlagsOnce) {
  auto* source = New<TcxAlignment>(nullptr, true);
  auto* dest = New<TcxAlignment>(nullptr, true);
  source->SetHorz(taRightJustify);
  source->SetVert(vaCenter);
  Integer changes = 0;
  dest->OnChanged = [&](TObject* sender) { changes += sender == dest ? 1 : 100; };
  dest->Assign(source);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(dest->GetHorz(), taRightJustify);
  EXPECT_EQ(dest->GetVert(), vaCenter);
  EXPECT_TRUE(dest->IsHorzStored() && dest->IsVertStored());
  dest->Assign(source);
  EXPECT_EQ(changes, 1);
  auto* foreign = New<TcxOwnedPersistent>();
  EXPECT_THROW(dest->Assign(foreign), EConvertError);
  foreign->Free();
  source->Free();
  dest->Free();
}

// ---- Weak links and free notification --------------------------------------------------------------------

TEST(cxObjectLinks, EmptiedWhenTheComponentIsDestroyed) {
  auto* first = New<TcxComponent>(nullptr);
  auto* second = New<TcxComponent>(nullptr);
  EXPECT_EQ(cxAddObjectLink(nullptr), nullptr);
  TcxObjectLink* a = cxAddObjectLink(first);
  TcxObjectLink* b = cxAddObjectLink(first);
  TcxObjectLink* c = cxAddObjectLink(second);
  first->Free();
  EXPECT_EQ(a->Ref, nullptr);
  EXPECT_EQ(b->Ref, nullptr);
  EXPECT_EQ(c->Ref, second);
  cxRemoveObjectLink(a);  // releasing an emptied link is safe
  cxRemoveObjectLink(c);
  cxRemoveObjectLink(nullptr);
  second->Free();
  EXPECT_EQ(b->Ref, nullptr);
  cxRemoveObjectLink(b);
  // The controller is made again for a later link.
  auto* third = New<TcxComponent>(nullptr);
  TcxObjectLink* d = cxAddObjectLink(third);
  cxClearObjectLinks(third);
  EXPECT_EQ(d->Ref, nullptr);
  cxRemoveObjectLink(d);
  third->Free();
}

TEST(TcxFreeNotificator, PassesOnTheFreeingOfSenders) {
  auto* notificator = New<TcxFreeNotificator>(nullptr);
  std::vector<TComponent*> freed;
  notificator->OnFreeNotification = [&](TComponent* sender) { freed.push_back(sender); };
  auto* watched = New<TComponent>(nullptr);
  auto* forgotten = New<TComponent>(nullptr);
  notificator->AddSender(watched);
  notificator->AddSender(forgotten);
  notificator->AddSender(nullptr);
  notificator->RemoveSender(forgotten);
  notificator->RemoveSender(nullptr);
  forgotten->Free();
  watched->Free();
  EXPECT_EQ(freed, (std::vector<TComponent*>{watched}));
  notificator->Free();
}

// ---- TcxComponent --------------------------------------------------------------------------------------

TEST(TcxComponent, StatesAndFakeLinks) {
  auto* c = New<TcxComponent>(nullptr);
  EXPECT_FALSE(c->GetIsDesigning());
  EXPECT_FALSE(c->GetIsDestroying());
  EXPECT_EQ(c->GetFakeComponentLinkCount(), 3);
  c->SetFakeComponentLink(1, c);
  EXPECT_EQ(c->GetFakeComponentLink(1), c);
  EXPECT_EQ(c->GetFakeComponentLink(3), nullptr);
  const TPropInfo* prop = GetPropInfo(c, "FakeComponentLink2");
  ASSERT_NE(prop, nullptr);
  EXPECT_FALSE(IsStoredProp(c, prop));
  EXPECT_EQ(GetObjectProp(c, "FakeComponentLink2"), c);
  c->Free();
}

// ---- Lists and collections --------------------------------------------------------------------------------

TEST(TcxObjectList, FreesItsObjects) {
  LiveItems = 0;
  auto* list = New<TcxObjectList>();
  list->Add(New<TTestMRUItem>("a"));
  list->Add(New<TTestMRUItem>("b"));
  list->Clear();
  EXPECT_EQ(LiveItems, 0);
  list->Add(New<TTestMRUItem>("c"));
  EXPECT_EQ(static_cast<TTestMRUItem*>(list->GetItem(0))->Name, "c");
  list->Free();
  EXPECT_EQ(LiveItems, 0);

  auto* open = New<TcxOpenList>();
  open->SetItem(3, open);
  EXPECT_EQ(open->GetCount(), 4);
  EXPECT_EQ(open->GetItem(0), nullptr);
  EXPECT_EQ(open->GetItem(3), open);
  open->Free();
}

class TNamedItem : public TCollectionItem {
  DECLARE_CLASS(TNamedItem, TCollectionItem)
 public:
  String Name;
  void Assign(TPersistent* Source) override {
    if (auto* s = dynamic_cast<TNamedItem*>(Source)) Name = s->Name;
    else inherited::Assign(Source);
  }
};
IMPLEMENT_CLASS(TNamedItem)

TEST(TcxCollection, AssignReusesItemsAndDeletesTheRest) {
  auto* source = New<TcxCollection>(TNamedItem::StaticClass());
  auto* dest = New<TcxCollection>(TNamedItem::StaticClass());
  for (const char* n : {"a", "b"}) static_cast<TNamedItem*>(source->Add())->Name = n;
  for (int i = 0; i < 3; ++i) dest->Add();
  TCollectionItem* kept = dest->GetItem(0);
  dest->Assign(source);
  ASSERT_EQ(dest->Count(), 2);
  EXPECT_EQ(dest->GetItem(0), kept);
  EXPECT_EQ(static_cast<TNamedItem*>(dest->GetItem(1))->Name, "b");
  source->Clear();
  dest->Assign(source);
  EXPECT_EQ(dest->Count(), 0);
  source->Free();
  dest->Free();
}

}  // namespace

namespace {

class IcxTestQuery : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IcxTestQuery, "{5B1E2C61-7D0A-4C8E-9F1B-2A3C4D5E6F70}")
 public:
  virtual Integer Answer() = 0;
};

class TTestSettings : public TcxOwnedInterfacedPersistent, public IcxTestQuery {
  DECLARE_CLASS(TTestSettings, TcxOwnedInterfacedPersistent)
 public:
  using TcxOwnedInterfacedPersistent::TcxOwnedInterfacedPersistent;
  Integer Answer() override { return 42; }
  TPersistent* OwnerSeenByConstruct = nullptr;

 protected:
  void Construct() override {
    inherited::Construct();
    OwnerSeenByConstruct = GetOwner();
  }
};
IMPLEMENT_CLASS(TTestSettings)

class TTestLookAndFeel : public TcxInterfacedPersistent {
  DECLARE_CLASS(TTestLookAndFeel, TcxInterfacedPersistent)
 public:
  using TcxInterfacedPersistent::TcxInterfacedPersistent;
};
IMPLEMENT_CLASS(TTestLookAndFeel)

TEST(TcxOwnedPersistent, MadeFromItsClassWithTheOwnerInPlace) {
  auto* owner = New<TcxOwnedPersistent>();
  TcxOwnedPersistent* settings = TcxOwnedPersistent::Create(TTestSettings::StaticClass(), owner);
  ASSERT_TRUE(Is<TTestSettings>(settings));
  EXPECT_EQ(static_cast<TTestSettings*>(settings)->OwnerSeenByConstruct, owner);
  EXPECT_EQ(GetPersistentOwner(settings), owner);
  EXPECT_THROW(TcxOwnedPersistent::Create(TcxComponent::StaticClass(), owner), EInvalidCast);

  // Interface queries answer from the class; references are not counted.
  void* found = nullptr;
  RegisterInterface<IcxTestQuery>();
  ASSERT_TRUE(Supports(static_cast<TObject*>(settings), IIDOf<IcxTestQuery>(), &found));
  EXPECT_EQ(static_cast<IcxTestQuery*>(found)->Answer(), 42);
  EXPECT_EQ(static_cast<TTestSettings*>(settings)->_AddRef(), -1);
  EXPECT_EQ(static_cast<TTestSettings*>(settings)->_Release(), -1);

  TcxInterfacedPersistent* lookAndFeel = TcxInterfacedPersistent::Create(TTestLookAndFeel::StaticClass(), owner);
  EXPECT_EQ(lookAndFeel->GetOwner(), owner);
  lookAndFeel->Free();
  settings->Free();
  owner->Free();
}

}  // namespace
