#include <gtest/gtest.h>

#include "Exceptions.h"
#include "dxBar.h"
#include "dxBarTestSupport.h"

using namespace dxBarTests;

namespace {

class dxBarGroups : public ::testing::Test {
 protected:
  TOwnedPtr<TForm> Form{NewTestForm()};
  TdxBarManager* Manager = New<TdxBarManager>(Form.get());

  TRecordingBarComponent* NewMember(const char* AName) {
    auto* member = New<TRecordingBarComponent>(Form.get());
    member->SetName(AName);
    return member;
  }
  TdxBarGroup* NewGroup(const char* AName) {
    TdxBarGroup* group = Manager->CreateGroup();
    group->SetName(AName);
    return group;
  }
};

TEST_F(dxBarGroups, RecursiveGroupsAreRefusedAtAnyDepth) {
  TdxBarGroup* outer = NewGroup("Outer");
  TdxBarGroup* middle = NewGroup("Middle");
  TdxBarGroup* inner = NewGroup("Inner");
  outer->Add(middle);
  middle->Add(inner);
  for (TdxBarGroup* group : {outer, middle, inner}) {
    try {
      inner->Add(group);
      FAIL() << "adding " << group->GetName() << " to Inner makes a cycle";
    } catch (Exception& E) {
      EXPECT_EQ(E.Message(), "You cannot create recursive groups");
    }
  }
  EXPECT_EQ(inner->Count(), 0) << "a refused member changes nothing";
  inner->Add(nullptr);
  middle->Add(inner);
  EXPECT_EQ(middle->Count(), 1) << "nil and members already present are ignored";
}

TEST_F(dxBarGroups, EnabledAndVisibleReachNestedMembers) {
  TdxBarGroup* outer = NewGroup("Outer");
  TdxBarGroup* inner = NewGroup("Inner");
  TRecordingBarComponent* a = NewMember("A");
  TRecordingBarComponent* b = NewMember("B");
  outer->Add(a);
  outer->Add(inner);
  inner->Add(b);
  outer->SetEnabled(false);
  EXPECT_FALSE(a->GetEnabled());
  EXPECT_FALSE(b->GetEnabled());
  EXPECT_FALSE(inner->GetEnabled());
  outer->SetVisible(ivInCustomizing);
  EXPECT_EQ(a->GetVisible(), ivInCustomizing);
  EXPECT_EQ(b->GetVisible(), ivInCustomizing);
  EXPECT_FALSE(Manager->IsUpdateLocked());
}

TEST_F(dxBarGroups, AFreedMemberLeavesItsGroups) {
  TdxBarGroup* group = NewGroup("Group");
  TRecordingBarComponent* a = NewMember("A");
  group->Add(a);
  a->Free();
  EXPECT_EQ(group->Count(), 0);
  group->Free();
  EXPECT_EQ(Manager->GetGroupCount(), 0) << "a freed group leaves its manager";
}

// A form with its manager, two members and two groups, written and read back through the object stream.
class TGroupsForm : public TForm {
  DECLARE_CLASS(TGroupsForm, TForm)
 public:
  explicit TGroupsForm(TComponent* AOwner = nullptr) : TForm(AOwner) {}
};
IMPLEMENT_CLASS(TGroupsForm)

TEST(dxBarGroupsStream, MembersAndCategoriesRoundTripThroughTheObjectStream) {
  RegisterClasses({TGroupsForm::StaticClass(), TRecordingBarComponent::StaticClass()});
  TOwnedPtr<TGroupsForm> form(TCustomForm::CreateNew<TGroupsForm>(nullptr));
  form->SetName("GroupsForm");
  auto* manager = New<TdxBarManager>(form.get());
  manager->SetName("BarManager1");
  manager->GetCategories()->Add("File");
  manager->GetCategories()->Add("Edit");
  manager->SetCategoryVisible(1, false);
  manager->SetCategoryItemsVisible(2, ivInCustomizing);
  auto* a = New<TRecordingBarComponent>(form.get());
  a->SetName("A");
  auto* b = New<TRecordingBarComponent>(form.get());
  b->SetName("B");
  TdxBarGroup* inner = manager->CreateGroup();
  inner->SetName("Inner");
  inner->Add(b);
  TdxBarGroup* outer = manager->CreateGroup();
  outer->SetName("Outer");
  outer->Add(a);
  outer->Add(inner);
  outer->SetEnabled(false);

  const String written = WriteFormText(form.get());
  EXPECT_NE(written.find("Categories.ItemsVisibles = (\n      2\n      2\n      1)"), String::npos) << written;
  EXPECT_NE(written.find("Categories.Visibles = (\n      True\n      False\n      True)"), String::npos) << written;
  EXPECT_NE(written.find("Items = (\n        'A'\n        'Inner')"), String::npos) << written;

  form.reset();
  TOwnedPtr<TGroupsForm> copy(TCustomForm::CreateNew<TGroupsForm>(nullptr));
  ReadFormText(copy.get(), written);
  auto* readManager = As<TdxBarManager>(copy->FindComponent("BarManager1"));
  ASSERT_TRUE(readManager);
  EXPECT_EQ(readManager->GetCategories()->GetText(), "Default\r\nFile\r\nEdit\r\n");
  EXPECT_FALSE(readManager->GetCategoryVisible(1));
  EXPECT_TRUE(readManager->GetCategoryVisible(2));
  EXPECT_EQ(readManager->GetCategoryItemsVisible(2), ivInCustomizing);
  EXPECT_EQ(readManager->GetCategoryItemsVisible(0), ivAlways);
  ASSERT_EQ(readManager->GetGroupCount(), 2) << "the groups stream as the manager's children";
  TdxBarGroup* readOuter = readManager->GetGroup(1);
  EXPECT_EQ(readOuter->GetName(), "Outer");
  EXPECT_FALSE(readOuter->GetEnabled());
  ASSERT_EQ(readOuter->Count(), 2);
  EXPECT_EQ(readOuter->GetItem(0), copy->FindComponent("A"));
  EXPECT_EQ(readOuter->GetItem(1), readManager->GetGroup(0));
  EXPECT_EQ(readManager->GetGroup(0)->GetItem(0), copy->FindComponent("B"));
}

}  // namespace
