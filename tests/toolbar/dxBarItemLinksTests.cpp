#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "Forms.h"
#include "Locale.h"
#include "dxBar.h"
#include "dxBarItem.h"
#include "dxBarHelpersObjects.h"
#include "dxBarItemLinks.h"
#include "dxBarItemTestSupport.h"
#include "dxBarLookups.h"
#include "dxBarTestSupport.h"

namespace {

class TdxBarLinksTestItem : public TdxBarItem {
  DECLARE_CLASS(TdxBarLinksTestItem, TdxBarItem)
 public:
  explicit TdxBarLinksTestItem(TComponent* AOwner = nullptr) : TdxBarItem(AOwner) {}
};
IMPLEMENT_CLASS(TdxBarLinksTestItem)


// An owner of a collection that refuses items captioned "Refused".
class TdxBarTestLinksOwner : public TComponent, public IdxBarLinksOwner {
  DECLARE_CLASS(TdxBarTestLinksOwner, TComponent)
 public:
  explicit TdxBarTestLinksOwner(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  bool CanContainItem(TdxBarItem* AItem, String& AErrorText) override {
    if (AItem->GetCaption() != "Refused") return true;
    AErrorText = "This bar cannot hold that item";
    return false;
  }
  TCustomdxBarControl* CreateBarControl() override { return nullptr; }
  TComponent* GetComponentInstance() override { return this; }
  TdxBarItemLinks* GetItemLinks() override { return nullptr; }
};
IMPLEMENT_CLASS(TdxBarTestLinksOwner)

struct LinksFixture : dxBarItemFixture {
  template <class T = TdxBarLinksTestItem>
  T* NewItem(const String& ACaption) {
    return dxBarItemFixture::NewItem<T>(ACaption);
  }
  std::vector<TdxBarItemLink*> VisibleLinks() const {
    std::vector<TdxBarItemLink*> result;
    for (Integer i = 0; i < Links->GetVisibleItemCount(); ++i) result.push_back(Links->GetVisibleItem(i));
    return result;
  }
  std::vector<TdxBarItemLink*> RecentLinks() const {
    std::vector<TdxBarItemLink*> result;
    for (Integer i = 0; i < Links->GetRecentListCount(); ++i) result.push_back(Links->GetRecentItem(i));
    return result;
  }
};

// ---- Visibility lists ---------------------------------------------------------------------------------------
// The lists written from their definitions: what may show, what the link shows, and the separators
// dropped until none ends the list or precedes another.
struct NaiveLink {
  bool HasItem, Separator, LinkVisible;
  TdxBarItemVisible ItemVisible;
};

std::vector<Integer> NaiveVisible(const std::vector<NaiveLink>& ALinks, bool ADesigning, bool ACustomizing) {
  std::vector<Integer> shown;
  for (Integer i = 0; i < static_cast<Integer>(ALinks.size()); ++i) {
    const NaiveLink& l = ALinks[i];
    const bool actual = l.ItemVisible == ivAlways || (l.ItemVisible == ivInCustomizing && ACustomizing);
    if (l.HasItem && (ADesigning || actual) && (ADesigning || l.LinkVisible)) shown.push_back(i);
  }
  if (ACustomizing) return shown;
  for (bool changed = true; changed;) {
    changed = false;
    for (size_t k = 0; k < shown.size(); ++k)
      if (ALinks[shown[k]].Separator && (k + 1 == shown.size() || ALinks[shown[k + 1]].Separator)) {
        shown.erase(shown.begin() + static_cast<long>(k));
        changed = true;
        break;
      }
  }
  return shown;
}

void CheckRandomCollections(TdxBarManager* AManager, bool ADesigning, std::mt19937& ARandom) {
  const TdxBarItemVisible kinds[] = {ivNever, ivInCustomizing, ivAlways};
  for (int round = 0; round < 60; ++round) {
    const bool customizing = ADesigning || round % 3 == 0;
    AManager->SetIsCustomizingFlag(customizing && !ADesigning);
    TdxBarItemLinks* links = New<TdxBarSubMenuControlItemLinks>(AManager, nullptr);
    std::vector<NaiveLink> model(static_cast<size_t>(1 + ARandom() % 12));
    for (NaiveLink& l : model) {
      l = {ARandom() % 8 != 0, ARandom() % 3 == 0, ARandom() % 4 != 0, kinds[ARandom() % 3]};
      TdxBarItemLink* link = links->Add();
      if (l.HasItem) {
        TdxBarItem* item = l.Separator ? static_cast<TdxBarItem*>(New<TdxBarSeparator>(AManager))
                                       : New<TdxBarLinksTestItem>(AManager);
        item->SetVisible(l.ItemVisible);
        link->SetItem(item);
      }
      link->SetBeginGroup(ARandom() % 2 == 0);
      link->SetVisible(l.LinkVisible);
    }
    links->RefreshVisibilityLists();
    std::vector<Integer> actual;
    for (Integer i = 0; i < links->GetVisibleItemCount(); ++i) actual.push_back(links->GetVisibleItem(i)->GetIndex());
    EXPECT_EQ(actual, NaiveVisible(model, ADesigning, customizing))
        << "round " << round << " designing " << ADesigning << " customizing " << customizing;
    // Visible within can-visible within available, each in collection order.
    for (Integer i = 0; i < links->GetVisibleItemCount(); ++i)
      EXPECT_GE(links->CanVisibleIndexOf(links->GetVisibleItem(i)), 0);
    for (Integer i = 0; i < links->GetCanVisibleItemCount(); ++i)
      EXPECT_GE(links->AvailableIndexOf(links->GetCanVisibleItem(i)), 0);
    links->Free();
  }
  AManager->SetIsCustomizingFlag(false);
}

TEST_F(LinksFixture, VisibilityListsMatchTheNaiveModelAtRunAndDesignTime) {
  std::mt19937 random(112);
  CheckRandomCollections(Manager, false, random);
  TForm* designForm = TCustomForm::CreateNew<TForm>(nullptr);
  auto* designManager =
      static_cast<TdxBarManager*>(CreateComponent(TdxBarManager::StaticClass(), designForm, TComponentState{csDesigning}));
  ASSERT_TRUE(designManager->GetDesigning());
  CheckRandomCollections(designManager, true, random);
  designForm->Free();
}

TEST_F(LinksFixture, TheGroupMarkOfAHiddenLinkPassesToTheNextShownLink) {
  TdxBarItemLink* a = Links->Add(NewItem("a"));
  TdxBarItemLink* b = Links->Add(NewItem("b"));
  TdxBarItemLink* c = Links->Add(NewItem("c"));
  TdxBarItemLink* d = Links->Add(NewItem("d"));
  a->SetBeginGroup(true);
  c->SetBeginGroup(true);
  EXPECT_FALSE(a->GetBeginGroup()) << "the first shown link begins no group";
  EXPECT_TRUE(c->GetBeginGroup());
  EXPECT_FALSE(d->GetBeginGroup());
  c->SetVisible(false);
  EXPECT_TRUE(c->GetBeginGroup()) << "its own mark, though hidden";
  EXPECT_TRUE(d->GetBeginGroup());
  EXPECT_FALSE(b->GetBeginGroup());

  // Dragging away the first link of a group hands the group on; the first shown link's follower loses it.
  c->SetVisible(true);
  c->MoveBeginGroupItemIfNeeded();
  EXPECT_TRUE(d->GetOwnBeginGroup());
  b->SetBeginGroup(true);
  a->MoveBeginGroupItemIfNeeded();
  EXPECT_FALSE(b->GetOwnBeginGroup());
}

TEST_F(LinksFixture, SetItemRefusedByTheOwnerLeavesTheLinkWithoutItem) {
  auto* owner = New<TdxBarTestLinksOwner>(Form);
  TdxBarItemLinks* links = New<TdxBarControlItemLinks>(Manager, owner);
  TdxBarItem* fine = NewItem("Fine");
  TdxBarItem* refused = NewItem("Refused");
  TdxBarItemLink* link = links->Add(fine);
  try {
    link->SetItem(refused);
    FAIL() << "no exception";
  } catch (Exception& e) {
    EXPECT_EQ(e.Message(), "This bar cannot hold that item");
  }
  EXPECT_EQ(link->GetItem(), nullptr);
  EXPECT_EQ(fine->GetLinkCount(), 0);
  EXPECT_EQ(refused->GetLinkCount(), 0);
  EXPECT_EQ(links->Count(), 1);
  EXPECT_EQ(links->UpdateCount(), 0);
  link->SetItem(fine);
  link->SetItem(nullptr);  // taking the item away frees the link
  EXPECT_EQ(links->Count(), 0);
  EXPECT_EQ(fine->GetLinkCount(), 0);
  links->Free();
}

TEST_F(LinksFixture, UserOverridesWinOverTheItemUntilCleared) {
  TdxBarItem* item = NewItem("&Open");
  TdxBarItemLink* link = Links->Add(item);
  link->SetUserCaption("Open it");
  link->SetUserPaintStyle(psCaptionGlyph);
  link->SetUserWidth(80);
  EXPECT_EQ(link->GetUserDefine(), (TdxBarUserDefines{udCaption, udPaintStyle, udWidth}));
  EXPECT_EQ(link->GetCaption(), "Open it");
  EXPECT_EQ(link->GetPaintStyle(), psCaptionGlyph);
  EXPECT_EQ(link->GetWidth(), 80);
  link->SetUserDefine(TdxBarUserDefines{udWidth});
  EXPECT_EQ(link->GetCaption(), "&Open");
  EXPECT_EQ(link->GetUserCaption(), "");
  EXPECT_EQ(link->GetPaintStyle(), psStandard);
  EXPECT_EQ(link->GetWidth(), 80);
  item->Free();
  EXPECT_EQ(Links->Count(), 0) << "an item takes its links along";
}

// ---- The most-recently-used model ---------------------------------------------------------------------------
TEST(dxBarRecentItems, UseCountForEachPercentage) {
  const std::pair<Integer, Integer> table[] = {{95, 20}, {90, 10}, {99, 100}, {100, 0}, {50, 2}, {0, 1}};
  for (auto [percents, useCount] : table) EXPECT_EQ(dxBarMostRecentlyUsedUseCount(percents), useCount) << percents;
}

TEST_F(LinksFixture, NewLinksStartRecentAndEqualCountsShowEverything) {
  std::vector<TdxBarItemLink*> links;
  for (const char* caption : {"a", "b", "c", "d"}) links.push_back(Links->Add(NewItem(caption)));
  for (TdxBarItemLink* link : links) EXPECT_EQ(link->GetUseCount(), 20);
  EXPECT_TRUE(Links->CanUseRecentItems());
  EXPECT_EQ(Links->GetMostRecentItemCount(), -1);
  Links->SetUseRecentItems(false);
  EXPECT_EQ(Links->GetMostRecentItemCount(), -1);
}

TEST_F(LinksFixture, RareLinksHideWhileTheRecentCountIsSet) {
  std::vector<TdxBarItemLink*> links;
  for (const char* caption : {"a", "b", "c", "d"}) links.push_back(Links->Add(NewItem(caption)));
  const Integer uses[] = {100, 0, 50, 0};
  for (int i = 0; i < 4; ++i) links[i]->SetUseCount(uses[i]);
  // Most recent first: a, c, b, d.
  links[0]->SetRecentIndex(0);
  links[2]->SetRecentIndex(1);
  links[1]->SetRecentIndex(2);
  links[3]->SetRecentIndex(3);
  EXPECT_EQ(RecentLinks(), (std::vector{links[0], links[2], links[1], links[3]}));
  EXPECT_EQ(Links->GetMostRecentItemCount(), 2);
  Links->SetRecentItemCount(Links->GetMostRecentItemCount());
  EXPECT_EQ(VisibleLinks(), (std::vector{links[0], links[2]}));
  Links->RestoreRecentItemCount();
  EXPECT_EQ(VisibleLinks().size(), 4u);

  // A click counts a use and brings the link to the top.
  links[3]->BringToTopInRecentList(true);
  EXPECT_EQ(links[3]->GetUseCount(), 1);
  EXPECT_EQ(links[3]->GetRecentIndex(), 0);
  links[3]->SendToBottomInRecentList();
  EXPECT_EQ(links[3]->GetRecentIndex(), 3);
}

TEST_F(LinksFixture, SetRecentIndexStaysInsideTheList) {
  std::vector<TdxBarItemLink*> links;
  for (const char* caption : {"a", "b", "c"}) links.push_back(Links->Add(NewItem(caption)));
  links[1]->SetRecentIndex(-1);  // the loaded default
  EXPECT_EQ(links[1]->GetRecentIndex(), 0);
  links[1]->SetRecentIndex(99);
  EXPECT_EQ(links[1]->GetRecentIndex(), 2);
  EXPECT_EQ(RecentLinks().size(), 3u);
}

TEST_F(LinksFixture, CheckVisibleIntegrityPutsTheShownLinksFirstInTheirOrder) {
  std::vector<TdxBarItemLink*> l;
  for (const char* caption : {"a", "b", "c", "d", "e"}) l.push_back(Links->Add(NewItem(caption)));
  // Recent order e d c b a; hiding b and d sends them down: e c a b d; then b d e c a.
  for (int i = 0; i < 5; ++i) l[i]->SetRecentIndex(0);
  l[1]->SetVisible(false);
  l[3]->SetVisible(false);
  l[1]->SetRecentIndex(0);
  l[3]->SetRecentIndex(1);
  ASSERT_EQ(RecentLinks(), (std::vector{l[1], l[3], l[4], l[2], l[0]}));
  Links->CheckVisibleIntegrity();
  EXPECT_EQ(RecentLinks(), (std::vector{l[4], l[2], l[0], l[1], l[3]}));
}

TEST_F(LinksFixture, MostRecentlyUsedFalseSendsTheLinkDownWithNoUses) {
  TdxBarItemLink* a = Links->Add(NewItem("a"));
  TdxBarItemLink* b = Links->Add(NewItem("b"));
  a->SetMostRecentlyUsed(false);
  EXPECT_EQ(a->GetUseCount(), 0);
  EXPECT_EQ(a->GetRecentIndex(), 1);
  a->SetMostRecentlyUsed(true);
  EXPECT_EQ(a->GetUseCount(), 20);
  EXPECT_EQ(a->GetRecentIndex(), 0);
  b->Synchronize(a);
  EXPECT_EQ(b->GetRecentIndex(), 0);
}

// ---- Accelerators -------------------------------------------------------------------------------------------
class LocaleChoice {
 public:
  explicit LocaleChoice(LCID ALocale) : FPrevious(GetUserDefaultLCID()) { SelectUserLocale(ALocale); }
  ~LocaleChoice() { SelectUserLocale(FPrevious); }

 private:
  LCID FPrevious;
};

TEST_F(LinksFixture, IsAccelUnderBothLocales) {
  struct Case {
    const char* Caption;
    Word Key;
    TShiftState Shift;
    bool Expected;
  };
  const Case cases[] = {
      {"&File", 'F', {}, true},          {"&File", 'F', {ssShift}, true},  // upper case: Shift does not matter
      {"&file", 'F', {}, true},          {"&file", 'F', {ssShift}, false}, {"&file", 'G', {}, false},
      {"Item &1", '1', {}, true},        {"Item &1", '1', {ssShift}, false}, {"Item &1", '1', {ssCtrl}, false},
      {"No accel", 'N', {}, false},      {"A&&B", 'B', {}, false},          {"新建(&N)", 'N', {}, true},
  };
  for (LCID locale : {LOCALE_ZH_CN, LOCALE_EN_US}) {
    LocaleChoice choice(locale);
    for (const Case& c : cases) {
      Links->Clear();
      TdxBarItemLink* link = Links->Add(NewItem(c.Caption));
      EXPECT_EQ(link->IsAccel(c.Key, c.Shift), c.Expected) << c.Caption << " locale " << locale;
    }
  }
}

TEST_F(LinksFixture, AMenuFindsTheNextLinkWithTheAcceleratorWrappingToTheCurrentLast) {
  TdxBarItemLink* open = Links->Add(NewItem("&Open"));
  TdxBarItemLink* save = Links->Add(NewItem("&Save"));
  TdxBarItemLink* saveAs = Links->Add(NewItem("&Save as"));
  TdxBarItemLink* disabled = Links->Add(NewItem("&Print"));
  disabled->GetItem()->SetEnabled(false);
  EXPECT_EQ(Links->FindItemWithAccel('S', TShiftState{ssAlt}, nullptr), save);
  EXPECT_EQ(Links->FindItemWithAccel('S', {}, save), saveAs);
  EXPECT_EQ(Links->FindItemWithAccel('S', {}, saveAs), save);
  EXPECT_EQ(Links->FindItemWithAccel('O', {}, open), open) << "the current link is tested last";
  EXPECT_EQ(Links->FindItemWithAccel('P', {}, nullptr), nullptr) << "a disabled item has no accelerator";
  TdxBarItemLinks* toolbar = New<TdxBarControlItemLinks>(Manager, nullptr);
  toolbar->Add(open->GetItem());
  EXPECT_EQ(toolbar->FindItemWithAccel('O', {}, nullptr), nullptr) << "a toolbar without its window finds nothing";
  toolbar->Free();
}

TEST_F(LinksFixture, ShortCutsReachTheFirstAvailableItemThatTakesThem) {
  int clicks = 0;
  TdxBarItem* hidden = NewItem("hidden");
  TdxBarItem* shown = NewItem("shown");
  const TShortCut ctrlK = ShortCut('K', TShiftState{ssCtrl});
  for (TdxBarItem* item : {hidden, shown}) {
    item->SetShortCut(ctrlK);
    item->SetOnClick([&, item](TObject*) { clicks += item == shown ? 1 : 100; });
    Links->Add(item);
  }
  hidden->SetVisible(ivNever);
  EXPECT_FALSE(Links->IsShortCut(0));
  EXPECT_TRUE(Links->IsShortCut(ctrlK));
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(Links->IsShortCut(ShortCut('J', TShiftState{ssCtrl})));
}

// ---- Options ------------------------------------------------------------------------------------------------
TEST_F(LinksFixture, OptionsGiveTheirDefaultsUntilAssigned) {
  TdxBarItemOptions* options = Links->GetItemOptions();
  EXPECT_FALSE(Links->GetItemShowDescriptions());
  EXPECT_TRUE(Links->GetItemShowShortCuts());
  EXPECT_EQ(Links->GetItemSize(), misNormal);
  EXPECT_FALSE(options->IsSizeStored());
  options->SetSize(misLarge);
  options->SetShowShortCuts(false);
  EXPECT_EQ(Links->GetItemSize(), misLarge);
  EXPECT_FALSE(Links->GetItemShowShortCuts());
  EXPECT_TRUE(options->IsSizeStored());
  TdxBarItemOptions* copy = New<TdxBarItemOptions>();
  copy->Assign(options);
  EXPECT_EQ(copy->GetAssignedValues(), (TdxBarItemOptionValues{ioShowShortCuts, ioSize}));
  copy->Free();
}

// ---- Merging ------------------------------------------------------------------------------------------------
struct LinkSnapshot {
  TdxBarItem* Item;
  String Caption;
  bool BeginGroup, Visible;
  bool operator==(const LinkSnapshot&) const = default;
};

std::vector<LinkSnapshot> Snapshot(TdxBarItemLinks* ALinks) {
  std::vector<LinkSnapshot> result;
  for (Integer i = 0; i < ALinks->Count(); ++i) {
    TdxBarItemLink* l = ALinks->GetItem(i);
    result.push_back({l->GetItem(), l->GetCaption(), l->GetOwnBeginGroup(), l->GetVisible()});
  }
  return result;
}

TEST_F(LinksFixture, MergeThenUnmergeLeavesTheCollectionAsItWas) {
  int mergingBarToken = 0;
  auto* bar = reinterpret_cast<TdxBar*>(&mergingBarToken);  // identifies the merged bar only

  auto* fileA = NewItem<dxBarTests::TdxBarTestSubItem>("&File");
  fileA->SetMergeKind(mkMergeByCaption);
  fileA->Menu->Add(NewItem("&Open"));
  auto* fileB = NewItem<dxBarTests::TdxBarTestSubItem>("&File");
  fileB->SetMergeKind(mkMergeByCaption);
  fileB->Menu->Add(NewItem("&Export"));
  TdxBarItem* help = NewItem("&Help");
  help->SetMergeOrder(9);
  TdxBarItem* tools = NewItem("&Tools");
  tools->SetMergeOrder(5);
  TdxBarItem* never = NewItem("&Never");
  never->SetMergeKind(mkNone);

  Links->Add(fileA);
  Links->Add(help)->SetBeginGroup(true);
  TdxBarItemLinks* source = New<TdxBarControlItemLinks>(Manager, nullptr);
  source->Add(fileB);
  source->Add(tools)->SetUserCaption("Tools!");
  source->Add(never);
  const auto before = Snapshot(Links);
  const auto menuBefore = Snapshot(fileA->Menu);

  TdxBarItemLinks::SetMergingBar(bar);
  Links->Merge(source);
  TdxBarItemLinks::SetMergingBar(nullptr);
  // The menus merged by caption; tools went behind the last link of a lower merge order.
  ASSERT_EQ(Links->Count(), 3);
  EXPECT_EQ(Links->GetItem(0)->GetItem(), fileA);
  EXPECT_EQ(Links->GetItem(1)->GetItem(), tools);
  EXPECT_EQ(Links->GetItem(1)->GetCaption(), "Tools!");
  EXPECT_EQ(Links->GetItem(1)->GetMergingBar(), bar);
  EXPECT_EQ(Links->GetItem(2)->GetItem(), help);
  ASSERT_EQ(fileA->Menu->Count(), 2);
  EXPECT_EQ(fileA->Menu->GetItem(1)->GetCaption(), "&Export");

  Links->Unmerge(bar);
  EXPECT_EQ(Snapshot(Links), before);
  EXPECT_EQ(Snapshot(fileA->Menu), menuBefore);
  source->Free();
}

TEST_F(LinksFixture, TheManagerMayRedirectAMerge) {
  TdxBarItem* a = NewItem("a");
  TdxBarItem* b = NewItem("b");
  Links->Add(a);
  TdxBarItemLinks* source = New<TdxBarControlItemLinks>(Manager, nullptr);
  source->Add(b);
  Manager->OnMergeItemLink = [](TdxBarManager*, TdxBarItemLinks*, TdxBarItemLinks*, TdxBarItemLink*,
                                TdxBarItemMergeKind& AKind, Integer& AIndex) { AIndex = 0; };
  Links->Merge(source);
  EXPECT_EQ(Links->GetItem(0)->GetItem(), b);
  Manager->OnMergeItemLink = [](TdxBarManager*, TdxBarItemLinks*, TdxBarItemLinks*, TdxBarItemLink*,
                                TdxBarItemMergeKind& AKind, Integer& AIndex) { AIndex = 7; };
  Links->Merge(source);
  EXPECT_EQ(Links->Count(), 2) << "a position beyond the end is skipped";
  source->Free();
}

// ---- Foreign items ------------------------------------------------------------------------------------------
TEST_F(LinksFixture, FreeForeignItemsKeepsOnlyTheChosenManagersItems) {
  TForm* otherForm = TCustomForm::CreateNew<TForm>(nullptr);
  TdxBarManager* other = New<TdxBarManager>(otherForm);
  TdxBarItem* own = NewItem("own");
  TdxBarItem* foreign = New<TdxBarLinksTestItem>(other);
  ASSERT_EQ(foreign->GetBarManager(), other);
  auto fill = [&] {
    Links->Clear();
    Links->Add(own);
    Links->Add(foreign);
    Links->Add(own);
  };
  fill();
  Links->FreeForeignItems(nullptr);
  ASSERT_EQ(Links->Count(), 2);
  EXPECT_EQ(Links->GetItem(1)->GetItem(), own);
  fill();
  Links->FreeForeignItems(other);
  ASSERT_EQ(Links->Count(), 1);
  EXPECT_EQ(Links->GetItem(0)->GetItem(), foreign);
  Links->Clear();
  otherForm->Free();
}

// ---- Form stream --------------------------------------------------------------------------------------------
TEST_F(LinksFixture, LoadItemNamesResolvesNamesIgnoringCase) {
  TdxBarItem* open = NewItem("&Open");
  open->SetName("dxOpen");
  TdxBarItemLink* known = Links->Add();
  known->SetLoadedItemName("DXOPEN");
  TdxBarItemLink* unknown = Links->Add();
  unknown->SetLoadedItemName("dxMissing");
  Links->LoadItemNames();
  EXPECT_EQ(known->GetItem(), open);
  EXPECT_EQ(known->GetLoadedItemName(), "");
  EXPECT_EQ(unknown->GetItem(), nullptr);
  EXPECT_EQ(Links->GetVisibleItemCount(), 1);
}

}  // namespace

namespace {

TEST_F(LinksFixture, SelectableObjectsAndLinkOwnersAreFoundThroughTheirInterfaces) {
  TdxBarItem* item = NewItem("a");
  TdxBarItemLink* link = Links->Add(item);
  auto* owner = New<TdxBarTestLinksOwner>(Form);
  TdxObjectList* list = New<TdxObjectList>();
  list->Add(item);
  list->Add(Form);
  list->Add(owner);
  CleanSelectableItems(list);
  ASSERT_EQ(list->GetCount(), 1);
  EXPECT_EQ(list->GetItem(0), item);
  list->Free();
  EXPECT_EQ(GetSelectableItemInstance(GetSelectableItem(link)), link);
  EXPECT_EQ(GetSelectableItemInstance(nullptr), nullptr);
  IdxBarLinksOwner* found = nullptr;
  EXPECT_TRUE(QueryLinksOwner(owner, found));
  EXPECT_FALSE(QueryLinksOwner(Form, found));
  EXPECT_EQ(LinksOfOwner(Form), nullptr);
  EXPECT_EQ(ItemOfLink(link), item);
  EXPECT_EQ(ItemControlOfLink(nullptr), nullptr);
  EXPECT_EQ(ItemOfItemControl(nullptr), nullptr);
}

}  // namespace

// ---- The item name on the form stream -----------------------------------------------------------------------
namespace {

// A component that keeps a link collection in the form stream, as the bars do.
class TdxBarStreamLinksOwner : public TComponent, public IdxBarLinksOwner {
  DECLARE_CLASS(TdxBarStreamLinksOwner, TComponent)
 public:
  explicit TdxBarStreamLinksOwner(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  TdxBarItemLinks* GetItemLinks() override { return FLinks; }
  void SetItemLinks(TdxBarItemLinks* Value) { FLinks->Assign(Value); }
  bool CanContainItem(TdxBarItem*, String&) override { return true; }
  TCustomdxBarControl* CreateBarControl() override { return nullptr; }
  TComponent* GetComponentInstance() override { return this; }

 protected:
  void Construct() override {
    inherited::Construct();
    FLinks = New<TdxBarControlItemLinks>(GetBarManagerByComponent(Owner()), this);
  }
  void Destroy() override {
    FreeAndNil(FLinks);
    inherited::Destroy();
  }

 private:
  TdxBarItemLinks* FLinks = nullptr;
};
IMPLEMENT_CLASS_PUBLISHED(TdxBarStreamLinksOwner) {
  d.Property("ItemLinks", &TdxBarStreamLinksOwner::GetItemLinks, &TdxBarStreamLinksOwner::SetItemLinks);
}

TEST(dxBarItemLinkStream, LinksNameTheirItemsOnTheFormStream) {
  RegisterClasses({TdxBarStreamLinksOwner::StaticClass(), TdxBarLinksTestItem::StaticClass()});
  TForm* form = dxBarTests::NewTestForm();
  dxBarTests::ReadFormText(form, R"(object Form1: TForm
  object dxBarManager1: TdxBarManager
    Categories.Strings = (
      'File')
    Categories.ItemsVisibles = (
      2)
    Categories.Visibles = (
      True)
    object dxOpen: TdxBarLinksTestItem
      Caption = '&Open'
      Category = 0
    end
  end
  object LinksOwner: TdxBarStreamLinksOwner
    ItemLinks = <
      item
        BeginGroup = True
        ItemName = 'dxOpen'
      end
      item
      end>
  end
end
)");
  auto* owner = As<TdxBarStreamLinksOwner>(form->FindComponent("LinksOwner"));
  TdxBarItemLinks* links = owner->GetItemLinks();
  ASSERT_EQ(links->Count(), 2);
  EXPECT_EQ(links->GetItem(0)->GetLoadedItemName(), "dxOpen");
  links->LoadItemNames();
  EXPECT_EQ(links->GetItem(0)->GetItem(), form->FindComponent("dxOpen"));
  EXPECT_TRUE(links->GetItem(0)->GetOwnBeginGroup());

  const String text = dxBarTests::WriteFormText(form);
  EXPECT_NE(text.find("ItemName = 'dxOpen'"), String::npos) << text;
  EXPECT_EQ(text.find("ItemName = ''"), String::npos) << "a link without item writes no name";
  form->Free();
}

}  // namespace
