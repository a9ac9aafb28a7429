#include <gtest/gtest.h>

#include <vector>

#include "ActnList.h"
#include "Forms.h"
#include "cxClassesLinks.h"
#include "dxBar.h"
#include "dxBarItem.h"
#include "dxBarItemActionLink.h"
#include "dxBarItemLinks.h"
#include "dxBarItemTestSupport.h"

namespace {

// An item whose own visibility answer the test chooses.
class TdxBarTestItem : public TdxBarItem {
  DECLARE_CLASS(TdxBarTestItem, TdxBarItem)
 public:
  explicit TdxBarTestItem(TComponent* AOwner = nullptr) : TdxBarItem(AOwner) {}
  bool InternalActuallyVisible() override { return ActuallyVisible; }
  bool ActuallyVisible = true;
};
IMPLEMENT_CLASS(TdxBarTestItem)

struct ItemFixture : dxBarItemFixture {
  TdxBarTestItem* NewItem(const String& ACaption = "", Integer ACategory = 0) {
    return dxBarItemFixture::NewItem<TdxBarTestItem>(ACaption, ACategory);
  }
};

TEST_F(ItemFixture, ANewItemJoinsItsFormsManager) {
  TdxBarItem* item = New<TdxBarTestItem>(Form);
  EXPECT_EQ(item->GetBarManager(), Manager);
  EXPECT_EQ(Manager->GetItem(item->GetIndex()), item);
  EXPECT_TRUE(item->GetEnabled());
  EXPECT_EQ(item->GetVisible(), ivAlways);
  EXPECT_EQ(item->GetImageIndex(), -1);
  item->SetMergeOrder(-5);
  EXPECT_EQ(item->GetMergeOrder(), 0);
  item->SetWidth(-1);
  EXPECT_EQ(item->GetWidth(), 0);
  EXPECT_EQ(item->GetLinks(0), nullptr);
}

TEST_F(ItemFixture, ActualVisibilityFollowsVisibleCustomizingAndTheKindsOwnAnswer) {
  struct Row {
    TdxBarItemVisible Visible;
    bool Customizing, KindVisible, Expected;
  };
  const Row table[] = {
      {ivNever, false, true, false},          {ivNever, true, true, false},
      {ivNever, false, false, false},         {ivNever, true, false, false},
      {ivInCustomizing, false, true, false},  {ivInCustomizing, true, true, true},
      {ivInCustomizing, false, false, false}, {ivInCustomizing, true, false, true},
      {ivAlways, false, true, true},          {ivAlways, true, true, true},
      {ivAlways, false, false, false},        {ivAlways, true, false, true},
  };
  TdxBarTestItem* item = NewItem("Cut");
  TdxBarItemLink* link = Links->Add(item);
  for (const Row& row : table) {
    Manager->SetIsCustomizingFlag(row.Customizing);
    item->ActuallyVisible = row.KindVisible;
    item->SetVisible(row.Visible);
    Links->RefreshVisibilityLists();
    EXPECT_EQ(item->GetActuallyVisible(), row.Expected)
        << row.Visible << " customizing " << row.Customizing << " kind " << row.KindVisible;
    EXPECT_EQ(Links->AvailableIndexOf(link) >= 0, row.Expected);
    EXPECT_EQ(item->GetVisibleForUser(), row.Expected);
  }
  Manager->SetIsCustomizingFlag(false);
}

TEST_F(ItemFixture, WhileCustomizingAnItemWithACategoryReportsEnabled) {
  TdxBarItem* withCategory = NewItem("Copy", 0);
  TdxBarItem* without = NewItem("Paste", 0);
  without->SetCategory(-1);  // no valid category: ignored
  EXPECT_EQ(without->GetCategory(), 0);
  TdxBarItem* uncategorized = New<TdxBarTestItem>(Manager);
  withCategory->SetEnabled(false);
  uncategorized->SetEnabled(false);
  Manager->SetIsCustomizingFlag(true);
  EXPECT_TRUE(withCategory->GetEnabled());
  EXPECT_FALSE(uncategorized->GetEnabled());
  Manager->SetIsCustomizingFlag(false);
  EXPECT_FALSE(withCategory->GetEnabled());
}

TEST_F(ItemFixture, TheHintFollowsTheCaption) {
  struct Case {
    const char* OldCaption;
    const char* Hint;
    const char* NewCaption;
    const char* NewHint;
  };
  const Case cases[] = {
      {"", "", "&Open...", "Open"},                   // empty hint: follows
      {"&Save", "Save|Saves the file", "Save &As...", "Save As|Saves the file"},  // long part kept
      {"&Close", "Shut it", "&Quit", "Shut it"},        // a hint of its own stays
      {"A&&B", "A&B", "C&&D", "C&D"},                   // only the first "&" goes
  };
  for (const Case& c : cases) {
    TdxBarItem* item = NewItem(c.OldCaption);
    item->SetHint(c.Hint);
    item->SetCaption(c.NewCaption);
    EXPECT_EQ(item->GetHint(), c.NewHint) << c.OldCaption << " -> " << c.NewCaption;
  }
}

// Records what the manager's component lists hear of an item.
struct ChangeRecorder {
  std::vector<TComponent*> Changed;
  void Attach(TdxBarManager* AManager) {
    AManager->GetItems()->OnComponentListChanged = [this](TObject*, TComponent* AComponent,
                                                          TcxComponentCollectionNotification AAction) {
      if (AAction == ccnChanged) Changed.push_back(AComponent);
    };
  }
};

TEST_F(ItemFixture, ChangeNoticesReachTheListsAndUserDefinedLinksKeepTheirValues) {
  TdxBarItem* item = NewItem("&Print");
  TdxBarItemLink* plain = Links->Add(item);
  TdxBarItemLink* own = Links->Add(item);
  own->SetUserCaption("Print now");
  ChangeRecorder recorder;
  recorder.Attach(Manager);
  item->SetCaption("&Print...");
  EXPECT_EQ(plain->GetCaption(), "&Print...");
  EXPECT_EQ(own->GetCaption(), "Print now");
  EXPECT_EQ(recorder.Changed, (std::vector<TComponent*>{item}));

  own->SetUserDefine(TdxBarUserDefines());
  EXPECT_EQ(own->GetCaption(), "&Print...");
  EXPECT_EQ(own->GetUserCaption(), "");

  recorder.Changed.clear();
  item->SetDescription("Prints");
  item->SetDescription("Prints");  // equal: no notice
  EXPECT_EQ(recorder.Changed.size(), 1u);
}

TEST_F(ItemFixture, SetCategoryMovesTheItemBehindTheLastItemOfTheCategory) {
  // Items by category: F0 E0 F1 E1 F2 (F = category 0, E = category 1).
  TdxBarItem* f0 = NewItem("f0", 0);
  TdxBarItem* e0 = NewItem("e0", 1);
  TdxBarItem* f1 = NewItem("f1", 0);
  TdxBarItem* e1 = NewItem("e1", 1);
  TdxBarItem* f2 = NewItem("f2", 0);
  // Creating with a category already groups the items; put them back into the mixed order.
  const std::vector<TdxBarItem*> mixed{f0, e0, f1, e1, f2};
  for (Integer i = 0; i < 5; ++i) mixed[i]->SetIndex(i);
  auto order = [&] {
    std::vector<TdxBarItem*> result;
    for (Integer i = 0; i < Manager->GetItemCount(); ++i) result.push_back(Manager->GetItem(i));
    return result;
  };
  // Standing before the category's last item.
  f0->SetCategory(1);
  EXPECT_EQ(order(), (std::vector<TdxBarItem*>{e0, f1, e1, f0, f2}));
  // Standing after it.
  f2->SetCategory(1);
  EXPECT_EQ(order(), (std::vector<TdxBarItem*>{e0, f1, e1, f0, f2}));
  e0->SetCategory(0);
  EXPECT_EQ(order(), (std::vector<TdxBarItem*>{f1, e0, e1, f0, f2}));
  EXPECT_EQ(e0->GetCategory(), 0);
  f1->SetCategory(7);  // not a category
  EXPECT_EQ(f1->GetCategory(), 0);
}

// ---- The click road -----------------------------------------------------------------------------------------
struct ClickLog {
  std::vector<String> Calls;
};

TEST_F(ItemFixture, ClickReachesTheManagerFirstThenOnClickAndNotWhenDisabled) {
  ClickLog log;
  TdxBarItem* item = NewItem("&New");
  Manager->OnClickItem = [&](TdxBarManager*, TdxBarItem* AItem) { log.Calls.push_back("manager:" + AItem->GetCaption()); };
  item->SetOnClick([&](TObject* Sender) { log.Calls.push_back(Sender == item ? "item" : "other"); });
  item->Click();
  EXPECT_EQ(log.Calls, (std::vector<String>{"manager:&New", "item"}));
  item->SetEnabled(false);
  item->Click();
  EXPECT_EQ(log.Calls.size(), 2u);

  // Shortcuts run the click too, only for the item's own shortcut while enabled.
  item->SetEnabled(true);
  item->SetShortCut(ShortCut('N', TShiftState{ssCtrl}));
  EXPECT_FALSE(item->IsShortCut(ShortCut('M', TShiftState{ssCtrl})));
  EXPECT_TRUE(item->IsShortCut(ShortCut('N', TShiftState{ssCtrl})));
  EXPECT_EQ(log.Calls.size(), 4u);
}

TEST_F(ItemFixture, AnExceptionInTheClickGoesToTheApplicationsHandler) {
  std::vector<String> handled;
  auto previous = Application->OnException;
  Application->OnException = [&](TObject*, Exception& E) { handled.push_back(E.Message()); };
  TdxBarItem* item = NewItem("&Fail");
  item->SetOnClick([](TObject*) { throw Exception("click failed"); });
  EXPECT_NO_THROW(item->Click());
  Manager->OnClickItem = [](TdxBarManager*, TdxBarItem*) { throw Exception("manager failed"); };
  EXPECT_NO_THROW(item->Click());
  Application->OnException = previous;
  EXPECT_EQ(handled, (std::vector<String>{"click failed", "manager failed"}));
}

TEST_F(ItemFixture, AnItemFreedInsideItsOwnClickEndsTheRoadQuietly) {
  TdxBarItem* item = NewItem("&Close");
  Links->Add(item);
  TcxObjectLink* watch = cxAddObjectLink(item);
  int clicks = 0;
  item->SetOnClick([&](TObject* Sender) {
    ++clicks;
    Sender->Free();
  });
  item->Click();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(watch->Ref, nullptr);
  EXPECT_EQ(Links->Count(), 0) << "its links went with it";
  cxRemoveObjectLink(watch);

  // Freed by the manager's handler: its own OnClick no longer runs.
  TdxBarItem* second = NewItem("&Quit");
  second->SetOnClick([&](TObject*) { ++clicks; });
  Manager->OnClickItem = [](TdxBarManager*, TdxBarItem* AItem) { AItem->Free(); };
  second->Click();
  EXPECT_EQ(clicks, 1);
}

TEST_F(ItemFixture, TheManagerFreedInsideAnOnClickLeavesTheRoadQuietly) {
  TdxBarItem* item = NewItem("&Exit");
  TcxObjectLink* watch = cxAddObjectLink(item);
  item->SetOnClick([&](TObject*) {
    Manager->Free();
    Manager = nullptr;
  });
  EXPECT_NO_THROW(item->Click());
  if (watch->Ref) EXPECT_EQ(item->GetBarManager(), nullptr);
  cxRemoveObjectLink(watch);
}

// ---- Actions ------------------------------------------------------------------------------------------------
struct ActionHandlers {
  int Executed = 0, Clicked = 0;
  void Execute(TObject*) { ++Executed; }
  void Click(TObject*) { ++Clicked; }
};

TEST_F(ItemFixture, AnActionFillsTheItemAndCheckDefaultsKeepsWhatTheItemHolds) {
  ActionHandlers handlers;
  auto* action = New<TAction>(Form);
  action->SetCaption("&Open");
  action->SetHint("Opens");
  action->SetHelpContext(7);
  action->SetImageIndex(3);
  action->SetShortCut(ShortCut('O', TShiftState{ssCtrl}));
  action->SetEnabled(false);
  action->SetOnExecute(TNotifyEvent(&handlers, &ActionHandlers::Execute));

  TdxBarItem* item = NewItem("");
  item->SetAction(action);
  EXPECT_EQ(item->GetCaption(), "&Open");
  EXPECT_EQ(item->GetHint(), "Opens");
  EXPECT_EQ(item->GetHelpContext(), 7);
  EXPECT_EQ(item->GetImageIndex(), 3);
  EXPECT_FALSE(item->GetEnabled());
  EXPECT_FALSE(item->IsCaptionStored());
  EXPECT_FALSE(item->IsOnClickStored());

  // With CheckDefaults only the values the item still holds at their defaults change.
  TdxBarItem* own = NewItem("Mine");
  own->SetHint("My hint");
  own->SetHelpContext(9);
  own->ActionChange(action, true);
  EXPECT_EQ(own->GetCaption(), "Mine");
  EXPECT_EQ(own->GetHint(), "My hint") << "not derived from the caption while checking defaults";
  EXPECT_EQ(own->GetHelpContext(), 9);
  EXPECT_EQ(own->GetImageIndex(), 3);
  EXPECT_FALSE(own->GetEnabled()) << "enabled is the default and follows";

  action->SetVisible(false);
  TdxBarItem* hidden = NewItem("");
  hidden->ActionChange(action, true);
  EXPECT_EQ(hidden->GetVisible(), ivNever);
  item->SetAction(nullptr);
  EXPECT_EQ(item->GetActionLink(), nullptr);
}

TEST_F(ItemFixture, AnOnClickWithTheActionsCodeRunsTheActionInstead) {
  ActionHandlers handlers;
  auto* action = New<TAction>(Form);
  action->SetOnExecute(TNotifyEvent(&handlers, &ActionHandlers::Execute));
  TdxBarItem* item = NewItem("&Run");
  item->SetAction(action);
  EXPECT_TRUE(item->GetOnClick().Code() == action->GetOnExecute().Code());
  item->Click();
  EXPECT_EQ(handlers.Executed, 1);

  // Same code bound to another object still counts as the action's handler.
  ActionHandlers other;
  item->SetOnClick(TNotifyEvent(&other, &ActionHandlers::Execute));
  item->Click();
  EXPECT_EQ(handlers.Executed, 2);
  EXPECT_EQ(other.Executed, 0);

  // A handler of its own runs directly, and the action does not.
  item->SetOnClick(TNotifyEvent(&handlers, &ActionHandlers::Click));
  item->Click();
  EXPECT_EQ(handlers.Clicked, 1);
  EXPECT_EQ(handlers.Executed, 2);
}

TEST_F(ItemFixture, ActionLinkFollowsOnlyWhileTheItemStillShowsTheActionsValue) {
  auto* action = New<TAction>(Form);
  action->SetCaption("&Find");
  action->SetHint("Finds");
  TdxBarItem* item = NewItem("");
  item->SetAction(action);
  TdxBarItemActionLink* link = item->GetActionLink();
  EXPECT_TRUE(link->IsCaptionLinked());
  EXPECT_TRUE(link->IsHintLinked());
  EXPECT_TRUE(link->IsVisibleLinked());
  EXPECT_FALSE(link->IsCheckedLinked());

  action->SetCaption("&Search");
  EXPECT_EQ(item->GetCaption(), "&Search");

  // The user's own caption stops following and is written to the form stream again.
  item->SetCaption("Look up");
  EXPECT_FALSE(link->IsCaptionLinked());
  EXPECT_TRUE(item->IsCaptionStored());
  action->SetCaption("&Seek");
  EXPECT_EQ(item->GetCaption(), "Look up");

  // A hint derived from the caption still counts as linked.
  item->SetHint("Look up");
  EXPECT_TRUE(link->IsHintLinked());
  item->SetHint("Something else");
  EXPECT_FALSE(link->IsHintLinked());

  action->SetVisible(false);
  EXPECT_EQ(item->GetVisible(), ivNever);
  item->SetVisible(ivInCustomizing);
  EXPECT_FALSE(link->IsVisibleLinked());
}

TEST_F(ItemFixture, AssignToAnActionCopiesTheItem) {
  TdxBarItem* item = NewItem("&Copy");
  item->SetHint("Copies");
  item->SetVisible(ivInCustomizing);
  auto* action = New<TAction>(Form);
  action->SetVisible(false);
  action->Assign(item);
  EXPECT_EQ(action->GetCaption(), "&Copy");
  EXPECT_EQ(action->GetHint(), "Copies");
  EXPECT_FALSE(action->GetVisible()) << "ivInCustomizing leaves Visible as it was";
  EXPECT_THROW(item->Assign(action), Exception);
}

}  // namespace
