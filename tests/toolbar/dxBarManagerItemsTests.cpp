#include <gtest/gtest.h>

#include <random>

#include "dxBar.h"
#include "dxBarItem.h"
#include "dxBarItemLinks.h"
#include "dxBarTestSupport.h"

using namespace dxBarTests;

namespace {

// A command as a form stream gives it: caption, category and a click handler.
class TManagerTestButton : public TdxBarItem {
  DECLARE_CLASS(TManagerTestButton, TdxBarItem)
 public:
  explicit TManagerTestButton(TComponent* AOwner = nullptr) : TdxBarItem(AOwner) {}
};
IMPLEMENT_CLASS_PUBLISHED(TManagerTestButton) {
  d.Property("OnClick", &TManagerTestButton::GetOnClick, &TManagerTestButton::SetOnClick);
}


class dxBarManagerItems : public ::testing::Test {
 protected:
  TOwnedPtr<TForm> Form{NewTestForm()};
  TdxBarManager* Manager = New<TdxBarManager>(Form.get());

  TManagerTestButton* NewButton(const String& AName, Integer ACategory) {
    auto* item = New<TManagerTestButton>(Form.get());
    static_cast<TComponent*>(item)->SetName(AName);
    item->SetCategory(ACategory);
    return item;
  }
};

// ---- Categories -------------------------------------------------------------------------------------------
// Items keep their categories while categories are deleted, inserted, moved and exchanged: checked
// against category names and item categories kept by hand.
TEST_F(dxBarManagerItems, CategoryNumbersFollowTheirCategoriesAgainstANaiveModel) {
  std::mt19937 random(3401);
  TdxBarManagerCategories* categories = Manager->GetCategories();
  std::vector<String> names{"Default"};
  std::map<String, Integer> itemCategory;  // by item name
  Integer nextName = 0;
  for (int step = 0; step < 400; ++step) {
    const Integer count = static_cast<Integer>(names.size());
    switch (random() % 6) {
      case 0: {  // a new item in a random category
        const String name = "Item" + std::to_string(nextName++);
        const Integer category = static_cast<Integer>(random() % count);
        NewButton(name, category);
        itemCategory[name] = category;
        break;
      }
      case 1: {  // insert a category, at the end or inside
        const Integer at = static_cast<Integer>(random() % (count + 1));
        const String name = "C" + std::to_string(nextName++);
        categories->Insert(at, name);
        names.insert(names.begin() + at, name);
        if (at < count)
          for (auto& [item, category] : itemCategory)
            if (category >= at) ++category;
        break;
      }
      case 2: {  // delete a category with its items
        const Integer at = static_cast<Integer>(random() % count);
        categories->Delete(at);
        names.erase(names.begin() + at);
        for (auto it = itemCategory.begin(); it != itemCategory.end();)
          if (it->second == at) it = itemCategory.erase(it);
          else {
            if (it->second > at) --it->second;
            ++it;
          }
        if (names.empty()) names.push_back("Default");
        break;
      }
      case 3: {  // move
        const Integer from = static_cast<Integer>(random() % count), to = static_cast<Integer>(random() % count);
        categories->Move(from, to);
        const String moved = names[from];
        names.erase(names.begin() + from);
        names.insert(names.begin() + to, moved);
        for (auto& [item, category] : itemCategory) {
          if (category == from) category = to;
          else if (from < to && category > from && category <= to) --category;
          else if (from > to && category >= to && category < from) ++category;
        }
        break;
      }
      default: {  // exchange
        const Integer a = static_cast<Integer>(random() % count), b = static_cast<Integer>(random() % count);
        categories->Exchange(a, b);
        std::swap(names[a], names[b]);
        for (auto& [item, category] : itemCategory) {
          if (category == a) category = b;
          else if (category == b) category = a;
        }
        break;
      }
    }
    ASSERT_EQ(categories->GetCount(), static_cast<Integer>(names.size())) << "step " << step;
    for (Integer i = 0; i < categories->GetCount(); ++i) ASSERT_EQ(categories->GetStrings(i), names[i]) << step;
    ASSERT_EQ(Manager->GetItemCount(), static_cast<Integer>(itemCategory.size())) << "step " << step;
    for (Integer i = 0; i < Manager->GetItemCount(); ++i)
      ASSERT_EQ(Manager->GetItem(i)->GetCategory(), itemCategory.at(Manager->GetItem(i)->GetName())) << step;
  }
}

TEST_F(dxBarManagerItems, DeletingTheOnlyCategoryFreesItsItemsAndBringsBackDefault) {
  Manager->GetCategories()->SetStrings(0, "File");
  NewButton("New", 0);
  NewButton("Close", 0);
  Manager->GetCategories()->Delete(0);
  EXPECT_EQ(Manager->GetItemCount(), 0);
  EXPECT_EQ(Form->FindComponent("New"), nullptr);
  ASSERT_EQ(Manager->GetCategories()->GetCount(), 1);
  EXPECT_EQ(Manager->GetCategories()->GetStrings(0), "Default");
}

TEST_F(dxBarManagerItems, MovingTheFirstOfThreeCategoriesToTheEndRenumbers) {
  Manager->GetCategories()->Add("B");
  Manager->GetCategories()->Add("C");
  TdxBarItem* a = NewButton("A0", 0);
  TdxBarItem* b = NewButton("B0", 1);
  TdxBarItem* c = NewButton("C0", 2);
  Manager->GetCategories()->Move(0, 2);
  EXPECT_EQ(a->GetCategory(), 2);
  EXPECT_EQ(b->GetCategory(), 0);
  EXPECT_EQ(c->GetCategory(), 1);
}

TEST_F(dxBarManagerItems, ItemsVisibleChangesOnlyTheItemsThatFollowedTheCategory) {
  Manager->GetCategories()->Add("Tools");
  TdxBarItem* always = NewButton("Always", 1);
  TdxBarItem* inCustomizing = NewButton("InCustomizing", 1);
  inCustomizing->SetVisible(ivInCustomizing);
  TdxBarItem* elsewhere = NewButton("Elsewhere", 0);
  Manager->SetCategoryItemsVisible(1, ivNever);
  EXPECT_EQ(always->GetVisible(), ivNever);
  EXPECT_EQ(inCustomizing->GetVisible(), ivInCustomizing);
  EXPECT_EQ(elsewhere->GetVisible(), ivAlways);
  EXPECT_EQ(Manager->GetCategoryItemsVisible(1), ivNever);
  Manager->SetCategoryItemsVisible(1, ivAlways);
  EXPECT_EQ(always->GetVisible(), ivAlways);
  EXPECT_EQ(Manager->GetCategoryItemsVisible(5), ivNever) << "outside the list";
  EXPECT_FALSE(Manager->IsUpdateLocked());
}

TEST_F(dxBarManagerItems, TheItemsOfACategoryAreTheVisibleOnesAtRunTime) {
  Manager->GetCategories()->Add("Tools");
  TdxBarItem* shown = NewButton("Shown", 1);
  NewButton("Hidden", 1)->SetVisible(ivNever);
  NewButton("Other", 0);
  TOwnedPtr<TList> list(New<TList>());
  Manager->GetAllItemsByCategory(1, list.get());
  EXPECT_EQ(list->GetCount(), 2);
  EXPECT_EQ(Manager->GetCountByCategory(1), 1);
  EXPECT_EQ(Manager->GetItemByCategory(1, 0), shown);
  EXPECT_EQ(Manager->GetItemByCategory(1, 1), nullptr);
  Manager->GetAllItemsByCategory(7, list.get());
  EXPECT_EQ(list->GetCount(), 0);
  Manager->SetCategoryVisible(0, false);
  EXPECT_EQ(Manager->GetCategoryRealIndex(0), 1) << "the first visible category";
  EXPECT_EQ(Manager->GetCategoryRealIndex(1), -1);
}

// ---- Teardown -----------------------------------------------------------------------------------------------
// Items on a menu, groups holding items and groups: whichever goes first, the rest forget it.
struct TTeardownScene {
  TForm* Form;
  TdxBarManager* Manager;
  TdxBarTestSubItem* Menu;
  TManagerTestButton* Button;
  TdxBarGroup* Inner;
  TdxBarGroup* Outer;
  explicit TTeardownScene(TForm* AForm) : Form(AForm) {
    Manager = New<TdxBarManager>(Form);
    Menu = New<TdxBarTestSubItem>(Form);
    static_cast<TComponent*>(Menu)->SetName("Menu");
    Button = New<TManagerTestButton>(Form);
    static_cast<TComponent*>(Button)->SetName("Button");
    Menu->Menu->Add(Button);
    Menu->Menu->Add(Button);
    Inner = Manager->CreateGroup();
    Inner->Add(Button);
    Outer = Manager->CreateGroup();
    Outer->Add(Menu);
    Outer->Add(Inner);
  }
};

TEST(dxBarTeardown, FreeingTheManagerFirstTakesItsItemsAndGroups) {
  TOwnedPtr<TForm> form(NewTestForm());
  auto* other = New<TComponent>(form.get());
  TTeardownScene scene(form.get());
  scene.Manager->Free();
  ASSERT_EQ(form->ComponentCount(), 1);
  EXPECT_EQ(form->GetComponent(0), other);
}

TEST(dxBarTeardown, AFreedItemLeavesTheLinksAndGroupsThatHeldIt) {
  TOwnedPtr<TForm> form(NewTestForm());
  TTeardownScene scene(form.get());
  scene.Button->Free();
  EXPECT_EQ(scene.Menu->Menu->Count(), 0);
  EXPECT_EQ(scene.Inner->Count(), 0);
  EXPECT_EQ(scene.Manager->GetItemCount(), 1);
  scene.Inner->Free();
  EXPECT_EQ(scene.Outer->Count(), 1);
  EXPECT_EQ(scene.Manager->GetGroupCount(), 1);
}

TEST(dxBarTeardown, TheFormFreesEverythingInAnyOrder) {
  for (bool managerFirst : {false, true}) {
    TForm* form = NewTestForm();
    TTeardownScene scene(form);
    if (managerFirst) scene.Manager->SetComponentIndex(form->ComponentCount() - 1);  // freed first
    form->Free();
    EXPECT_EQ(dxBarManagerList->GetCount(), 0);
  }
}

// ---- A manager from a form stream ------------------------------------------------------------------------------
class TManagerStreamForm : public TForm {
  DECLARE_CLASS(TManagerStreamForm, TForm)
 public:
  explicit TManagerStreamForm(TComponent* AOwner = nullptr) : TForm(AOwner) {}
  std::vector<String> Journal;
  void NewClick(TObject* Sender) { Journal.push_back("OnClick " + As<TComponent>(Sender)->GetName()); }
  void CloseClick(TObject* Sender) { Journal.push_back("OnClick " + As<TComponent>(Sender)->GetName()); }
  void BarManagerClickItem(TdxBarManager*, TdxBarItem* AItem) { Journal.push_back("OnClickItem " + AItem->GetName()); }
};
IMPLEMENT_CLASS_PUBLISHED(TManagerStreamForm) {
  d.Method("NewClick", &TManagerStreamForm::NewClick);
  d.Method("CloseClick", &TManagerStreamForm::CloseClick);
  d.Method("BarManagerClickItem", &TManagerStreamForm::BarManagerClickItem);
}

TEST(dxBarManagerStream, AManagerReadFromAFormOwnsItsCategoriesItemsAndGroupsAndRoutesClicks) {
  RegisterClasses({TManagerStreamForm::StaticClass(), TManagerTestButton::StaticClass()});
  TOwnedPtr<TManagerStreamForm> form(TCustomForm::CreateNew<TManagerStreamForm>(nullptr));
  ReadFormText(form.get(), R"(object MainForm: TManagerStreamForm
  Left = 0
  Top = 0
  Width = 400
  Height = 300
  object dxBarManager1: TdxBarManager
    Categories.Strings = (
      '默认'
      '文件')
    Categories.ItemsVisibles = (
      2
      2)
    Categories.Visibles = (
      True
      True)
    Style = bmsOffice11
    CanCustomize = False
    StoreInIniFile = True
    OnClickItem = BarManagerClickItem
    object dxBarButton1: TManagerTestButton
      Caption = '新建'
      Category = 1
      OnClick = NewClick
    end
    object dxBarButton2: TManagerTestButton
      Caption = '关闭'
      Category = 1
      OnClick = CloseClick
    end
    object dxBarButton3: TManagerTestButton
      Caption = 'Hidden'
      Category = 0
      Visible = ivNever
    end
    object dxBarGroup1: TdxBarGroup
      Items = (
        'dxBarButton1'
        'dxBarButton2')
    end
  end
end)");

  auto* manager = As<TdxBarManager>(form->FindComponent("dxBarManager1"));
  ASSERT_TRUE(manager);
  EXPECT_TRUE(manager->IsLoadedFromStream());
  EXPECT_EQ(manager->GetStyle(), bmsOffice11);
  EXPECT_FALSE(manager->GetCanCustomize());
  EXPECT_EQ(manager->GetCategories()->GetStrings(1), "文件");
  ASSERT_EQ(manager->GetItemCount(), 3);
  EXPECT_EQ(manager->GetItem(2)->GetVisible(), ivNever) << "the visibility read from the stream is applied";
  EXPECT_EQ(manager->GetItem(0)->GetName(), "dxBarButton1");
  EXPECT_EQ(manager->GetItem(1)->GetCaption(), "关闭");
  EXPECT_EQ(manager->GetItem(0)->GetBarManager(), manager);
  ASSERT_EQ(manager->GetGroupCount(), 1);
  ASSERT_EQ(manager->GetGroup(0)->Count(), 2);
  EXPECT_EQ(manager->GetGroup(0)->GetItem(1), manager->GetItem(1));

  manager->GetItem(0)->DirectClick();
  manager->GetItem(1)->DirectClick();
  EXPECT_EQ(form->Journal, (std::vector<String>{"OnClickItem dxBarButton1", "OnClick dxBarButton1",
                                                "OnClickItem dxBarButton2", "OnClick dxBarButton2"}));

  // Written again, the items and the group are the manager's children, in their order.
  const String text = WriteFormText(form.get());
  const size_t button1 = text.find("object dxBarButton1"), button2 = text.find("object dxBarButton2"),
               group = text.find("object dxBarGroup1"), managerEnd = text.find("\n  end");
  EXPECT_LT(button1, button2);
  EXPECT_LT(button2, group);
  EXPECT_LT(group, managerEnd);
}

}  // namespace

namespace {

// A form that can be put into design mode, as the form designer does.
class TDesignedForm : public TForm {
  DECLARE_CLASS(TDesignedForm, TForm)
 public:
  explicit TDesignedForm(TComponent* AOwner = nullptr) : TForm(AOwner) {}
  void Design() { SetDesigning(true); }
};
IMPLEMENT_CLASS(TDesignedForm)

TEST(dxBarManagerRename, AtDesignTimeTheItemsNamedAfterTheManagerFollowItsName) {
  TOwnedPtr<TDesignedForm> form(TCustomForm::CreateNew<TDesignedForm>(nullptr));
  auto* manager = New<TdxBarManager>(form.get());
  manager->SetName("Bars");
  auto name = [](TComponent* C, const char* N) { C->SetName(N); };
  auto* first = New<TManagerTestButton>(form.get());
  name(first, "BarsButton1");
  auto* taken = New<TManagerTestButton>(form.get());
  name(taken, "barsButton2");
  auto* other = New<TManagerTestButton>(form.get());
  name(other, "Other");
  auto* blocker = New<TComponent>(form.get());
  name(blocker, "MenuButton2");  // the new name of the second item is taken: it keeps its name
  form->Design();
  manager->SetName("Menu");
  EXPECT_EQ(first->GetName(), "MenuButton1");
  EXPECT_EQ(taken->GetName(), "barsButton2");
  EXPECT_EQ(other->GetName(), "Other");
}

}  // namespace
