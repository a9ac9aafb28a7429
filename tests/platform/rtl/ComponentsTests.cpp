#include <gtest/gtest.h>

#include <vector>

#include "Components.h"
#include "Exceptions.h"
#include "Interfaces.h"
#include "Strings.h"

namespace {

std::vector<String> events;

// Journals its construction, notifications and destruction.
class TProbe : public TComponent {
  DECLARE_CLASS(TProbe, TComponent)
 public:
  using TComponent::TComponent;
  TComponent* Partner = nullptr;
  bool IgnoreNotifications = false;  // an override that never calls its base

 protected:
  void Construct() override {
    inherited::Construct();
    events.push_back("construct owner=" + String(Owner() ? Owner()->GetName() : "-"));
  }
  void Destroy() override {
    events.push_back("destroy " + GetName() + (ComponentState().Contains(csDestroying) ? " destroying" : ""));
    inherited::Destroy();
  }
  void Notification(TComponent* AComponent, TOperation Operation) override {
    if (IgnoreNotifications) {
      events.push_back(GetName() + " ignores " + AComponent->GetName());
      return;
    }
    inherited::Notification(AComponent, Operation);
    events.push_back(GetName() + (Operation == opInsert ? " insert " : " remove ") + AComponent->GetName() +
                     (AComponent->ComponentState().Contains(csDestroying) ? " destroying" : ""));
    if (Operation == opRemove && AComponent == Partner) Partner = nullptr;
  }
};
IMPLEMENT_CLASS(TProbe)

TProbe* MakeProbe(TComponent* owner, const char* name) {
  auto* p = CreateComponent<TProbe>(owner);
  p->SetName(name);
  return p;
}

class ComponentsTest : public ::testing::Test {
 protected:
  void SetUp() override { events.clear(); }
};

TEST_F(ComponentsTest, ConstructionFromTheClassReferenceSeesItsOwner) {
  TProbe* owner = MakeProbe(nullptr, "Owner1");
  TComponent* made = CreateComponent(TProbe::StaticClass(), owner);
  auto* direct = New<TProbe>(owner);
  // The owner (and all it owns) hears of the insertion before the new component's own body runs.
  EXPECT_EQ(events, (std::vector<String>{"construct owner=-", " insert ", "Owner1 insert ", "construct owner=Owner1",
                                         " insert ", " insert ", "Owner1 insert ", "construct owner=Owner1"}));
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(made->Owner(), owner);
  EXPECT_EQ(direct->GetComponentIndex(), 1);
  EXPECT_THROW(CreateComponent(TObject::StaticClass(), owner), EInvalidCast);
  owner->Free();
}

TEST_F(ComponentsTest, OwnerFreesItsComponentsLastFirstAfterMarkingThemDestroying) {
  TProbe* form = MakeProbe(nullptr, "Form");
  TProbe* a = MakeProbe(form, "A");
  MakeProbe(a, "A1");
  MakeProbe(form, "B");
  events.clear();
  form->Free();
  EXPECT_EQ(events, (std::vector<String>{"destroy Form destroying", "destroy B destroying", "destroy A destroying",
                                         "destroy A1 destroying"}));
}

TEST_F(ComponentsTest, FreeingAnOwnedComponentTellsTheOwnerAndItsSiblings) {
  TProbe* form = MakeProbe(nullptr, "Form");
  TProbe* a = MakeProbe(form, "A");
  MakeProbe(form, "B");
  events.clear();
  a->Free();
  // The owner's broadcast reaches every component it owns, the leaving one included.
  EXPECT_EQ(events, (std::vector<String>{"destroy A destroying", "B remove A destroying", "A remove A destroying",
                                         "Form remove A destroying"}));
  EXPECT_EQ(form->ComponentCount(), 1);
  EXPECT_EQ(form->FindComponent("a"), nullptr);
  form->Free();
}

TEST_F(ComponentsTest, InsertingMovesBetweenOwnersAndRefusesCycles) {
  TProbe* first = MakeProbe(nullptr, "First");
  TProbe* second = MakeProbe(nullptr, "Second");
  TProbe* child = MakeProbe(first, "Child");
  second->InsertComponent(child);
  EXPECT_EQ(first->ComponentCount(), 0);
  EXPECT_EQ(child->Owner(), second);
  EXPECT_THROW(child->InsertComponent(second), EComponentError);
  EXPECT_THROW(child->InsertComponent(child), EComponentError);
  first->Free();
  second->Free();  // frees the child once
  EXPECT_EQ(std::count(events.begin(), events.end(), "destroy Child destroying"), 1);
}

TEST_F(ComponentsTest, NamesAreIdentifiersUniqueAmongTheOwnersComponents) {
  TProbe* form = MakeProbe(nullptr, "Form");
  TProbe* a = MakeProbe(form, "Button1");
  TProbe* b = MakeProbe(form, "Label1");
  struct Case {
    TProbe* target;
    const char* name;
    bool valid;
  };
  const Case cases[] = {
      {b, "_x9", true},       {b, "1abc", false},  {b, "a b", false}, {b, "名字", false},
      {b, "button1", false},  {a, "BUTTON1", true}, {b, "", true},     {MakeProbe(form, ""), "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    String before = c.target->GetName();
    if (c.valid) {
      EXPECT_NO_THROW(c.target->SetName(c.name));
      EXPECT_EQ(c.target->GetName(), c.name);
    } else {
      try {
        c.target->SetName(c.name);
        ADD_FAILURE() << "accepted";
      } catch (EComponentError& e) {
        EXPECT_NE(e.Message().find(c.name), String::npos) << e.Message();
      }
      EXPECT_EQ(c.target->GetName(), before);
    }
  }
  // A component without an owner may take any valid name.
  TProbe* loose = MakeProbe(nullptr, "BUTTON1");
  EXPECT_EQ(FindNestedComponent(form, "button1"), a);
  loose->Free();
  form->Free();
}

TEST_F(ComponentsTest, FreeNotificationIsMutualAndCanBeWithdrawn) {
  TProbe* form1 = MakeProbe(nullptr, "Form1");
  TProbe* form2 = MakeProbe(nullptr, "Form2");
  TProbe* watcher = MakeProbe(form1, "Watcher");
  TProbe* target = MakeProbe(form2, "Target");
  TProbe* other = MakeProbe(form2, "Other");
  watcher->Partner = target;
  target->FreeNotification(watcher);
  other->FreeNotification(watcher);
  watcher->RemoveFreeNotification(other);
  events.clear();
  other->Free();
  EXPECT_EQ(std::count(events.begin(), events.end(), "Watcher remove Other destroying"), 0);
  target->Free();
  EXPECT_EQ(watcher->Partner, nullptr);
  // The watcher going first must not leave the target a dangling link either way.
  TProbe* target2 = MakeProbe(form2, "Target2");
  target2->FreeNotification(watcher);
  watcher->Free();
  events.clear();
  target2->Free();
  EXPECT_EQ(std::count(events.begin(), events.end(), "Watcher remove Target2 destroying"), 0);
  form1->Free();
  form2->Free();
}

TEST_F(ComponentsTest, AnOverrideThatSwallowsTheNotificationDoesNotHangTheFree) {
  TProbe* a = MakeProbe(nullptr, "A");
  TProbe* b = MakeProbe(nullptr, "B");
  b->IgnoreNotifications = true;
  a->FreeNotification(b);
  a->Free();
  EXPECT_EQ(events.back(), "B ignores A");
  b->Free();  // would touch the freed A if the link had stayed
}

TEST_F(ComponentsTest, ComponentIndexMovesWithinTheOwnerClamped) {
  TProbe* form = MakeProbe(nullptr, "Form");
  TProbe* a = MakeProbe(form, "A");
  TProbe* b = MakeProbe(form, "B");
  TProbe* c = MakeProbe(form, "C");
  c->SetComponentIndex(-5);
  a->SetComponentIndex(99);
  EXPECT_EQ((std::vector<TComponent*>{(*form)[0], (*form)[1], (*form)[2]}), (std::vector<TComponent*>{c, b, a}));
  EXPECT_THROW(form->GetComponent(3), EListError);
  form->Free();
}

TComponent* globalForm = nullptr;
TComponent* FindTestForm(const String& name) { return globalForm && SameText(globalForm->GetName(), name) ? globalForm : nullptr; }

TEST_F(ComponentsTest, NestedAndGlobalLookup) {
  TProbe* form = MakeProbe(nullptr, "MainForm");
  TProbe* panel = MakeProbe(form, "Panel1");
  TProbe* button = MakeProbe(panel, "Button1");
  globalForm = form;
  RegisterFindGlobalComponentProc(FindTestForm);
  EXPECT_EQ(FindGlobalComponent("mainform"), form);
  EXPECT_EQ(FindNestedComponent(form, "Panel1.Button1"), button);
  EXPECT_EQ(FindNestedComponent(form, "Panel1.Owner"), panel);
  EXPECT_EQ(FindNestedComponent(form, "Panel1.Nothing"), nullptr);
  EXPECT_EQ(FindNestedComponent(form, ""), nullptr);
  UnregisterFindGlobalComponentProc(FindTestForm);
  EXPECT_EQ(FindGlobalComponent("MainForm"), nullptr);
  form->Free();
}

TEST_F(ComponentsTest, AComponentListForgetsFreedMembersAndMayOwnThem) {
  TProbe* form = MakeProbe(nullptr, "Form");
  TProbe* a = MakeProbe(form, "A");
  TProbe* b = MakeProbe(nullptr, "B");
  TProbe* c = MakeProbe(nullptr, "C");
  TComponentList* watching = New<TComponentList>(false);
  watching->Add(a);
  watching->Add(b);
  watching->Add(a);
  a->Free();
  EXPECT_EQ(watching->GetCount(), 1);
  EXPECT_EQ(watching->First(), b);
  EXPECT_EQ(watching->Extract(b), b);
  b->Free();  // extracted: no longer watched, nothing to forget
  EXPECT_EQ(watching->GetCount(), 0);

  TComponentList* owning = New<TComponentList>(true);
  owning->Add(c);
  owning->Add(MakeProbe(nullptr, "D"));
  owning->Delete(0);
  EXPECT_EQ(std::count(events.begin(), events.end(), "destroy C destroying"), 1);
  owning->Free();
  EXPECT_EQ(events.back(), "destroy D destroying");
  watching->Free();
  form->Free();
}

class IcxSized : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IcxSized, "{5B0D6C1E-2F7A-4C1B-9E3D-8A41C2F0B7D5}")
 public:
  virtual Integer Size() = 0;
};

class TSizedComponent : public TComponent, public IcxSized {
  DECLARE_CLASS(TSizedComponent, TComponent)
 public:
  Integer Size() override { return 7; }
};
IMPLEMENT_CLASS(TSizedComponent)

class TSizedPersistent : public TInterfacedPersistent, public IcxSized {
  DECLARE_CLASS(TSizedPersistent, TInterfacedPersistent)
 public:
  Integer Size() override { return 9; }
};
IMPLEMENT_CLASS(TSizedPersistent)

TEST_F(ComponentsTest, ComponentsAndInterfacedPersistentsAnswerInterfacesWithoutCounting) {
  TObject* objects[] = {CreateComponent<TSizedComponent>(nullptr), New<TSizedPersistent>()};
  const Integer sizes[] = {7, 9};
  for (int i = 0; i < 2; ++i) {
    IcxSized* sized = Supports<IcxSized>(objects[i]);
    ASSERT_NE(sized, nullptr);
    EXPECT_EQ(sized->Size(), sizes[i]);
    void* byGuid = nullptr;
    EXPECT_TRUE(Supports(objects[i], IIDOf<IcxSized>(), &byGuid));
    EXPECT_EQ(byGuid, static_cast<void*>(sized));
    EXPECT_EQ(sized->_Release(), -1);  // never freed through the interface
    objects[i]->Free();
  }
  TProbe* plain = MakeProbe(nullptr, "Plain");
  EXPECT_EQ(Supports<IcxSized>(plain), nullptr);
  plain->Free();
}

}  // namespace
