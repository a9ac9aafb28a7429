// The manager's services: look-ups, unique names and captions, the use count of recently used items,
// merging another manager's bars, adding and deleting toolbars with their confirmations.
#include <gtest/gtest.h>

#include "Exceptions.h"
#include "DateTime.h"
#include "Forms.h"
#include "WinCursor.h"
#include "HeadlessBackend.h"
#include "WinUser.h"
#include "dxBar.h"
#include "cxClassesLinks.h"
#include "dxBarBar.h"
#include "dxBarDock.h"
#include "dxBarTestSupport.h"

using namespace dxBarTests;

namespace {

class ServicesFixture : public ::testing::Test {
 protected:
  TOwnedPtr<TForm> Form{NewTestForm()};
  TdxBarManager* Manager = New<TdxBarManager>(Form.get());

  TdxBar* AddBar(TdxBarManager* AManager, const String& ACaption) {
    TdxBar* bar = AManager->GetBars()->Add();
    bar->SetCaption(ACaption);
    return bar;
  }
};

TEST_F(ServicesFixture, LookUpsCompareExactlyAndItemNamesIgnoreCase) {
  TdxBar* bar = AddBar(Manager, "Standard");
  bar->SetOldName("OldStandard");
  TdxBarItem* item = Manager->AddButton();
  item->SetName("btnOpen");
  EXPECT_EQ(Manager->BarByCaption("Standard"), bar);
  EXPECT_EQ(Manager->BarByCaption("standard"), nullptr);
  EXPECT_EQ(Manager->BarByComponentName(bar->GetName()), bar);
  EXPECT_EQ(Manager->BarByNewName(bar->GetName()), bar);
  EXPECT_EQ(Manager->BarByOldName("OldStandard"), bar);
  EXPECT_EQ(Manager->GetItemByName("BTNOPEN"), item);
  EXPECT_EQ(Manager->GetItemByName("btnSave"), nullptr);
}

TEST_F(ServicesFixture, UniqueNamesAndCaptionsCountFromOne) {
  String name;
  Manager->GetUniqueItemName(TdxBarButton::StaticClass(), name);
  EXPECT_EQ(name, "dxBarButton1");
  Manager->AddButton()->SetName("DXBARBUTTON1");
  Manager->GetUniqueItemName(TdxBarButton::StaticClass(), name);
  EXPECT_EQ(name, "dxBarButton2") << "an item name taken in another case counts as taken";

  String caption;
  Manager->GetUniqueToolbarCaption("Custom ", caption);
  EXPECT_EQ(caption, "Custom 1");
  AddBar(Manager, "Custom 1");
  Manager->GetUniqueToolbarCaption("Custom ", caption);
  EXPECT_EQ(caption, "Custom 2");
}

TEST(dxBarMostRecentlyUsed, TheUseCountFollowsThePercentage) {
  TOwnedPtr<TForm> form(NewTestForm());
  auto* manager = New<TdxBarManager>(form.get());
  EXPECT_EQ(manager->GetMostRecentlyUsedUseCount(), 20) << "the default 95 percent";
  for (auto [percents, count] : {std::pair{100, 0}, {95, 20}, {99, 100}, {50, 2}, {0, 1}}) {
    manager->SetMostRecentItemsPercents(static_cast<Byte>(percents));
    EXPECT_EQ(manager->GetMostRecentlyUsedUseCount(), count) << percents;
  }
}

// Merging another manager checks every bar of it first: a refused merge changes neither manager.
TEST_F(ServicesFixture, MergeRefusesBeforeAnyChange) {
  TOwnedPtr<TForm> childForm(NewTestForm());
  auto* child = New<TdxBarManager>(childForm.get());
  TdxBar* mine = AddBar(Manager, "Edit");
  mine->GetItemLinks()->Add(Manager->AddButton());
  TdxBar* first = AddBar(child, "Edit");
  first->GetItemLinks()->Add(child->AddButton());
  TdxBar* holder = AddBar(child, "Holder");
  TdxBar* held = AddBar(child, "Held");
  holder->Merge(held);

  struct TCase {
    TdxBarManager* Other;
    String Message;
  };
  for (const TCase& c : {TCase{nullptr, "You cannot merge with the specified bar manager"},
                         TCase{Manager, "You cannot merge with the specified bar manager"},
                         TCase{child, "One of the toolbars of the specified bar manager has merged toolbars"}}) {
    try {
      Manager->Merge(c.Other, true);
      ADD_FAILURE() << c.Message;
    } catch (Exception& E) {
      EXPECT_EQ(E.Message(), c.Message);
    }
    EXPECT_EQ(Manager->GetBars()->GetCount(), 1);
    EXPECT_EQ(mine->GetItemLinks()->Count(), 1);
    EXPECT_EQ(first->GetMergeData()->MergedWith, nullptr);
  }
  holder->Unmerge(held);
  Manager->Merge(child, false);
  EXPECT_EQ(mine->GetItemLinks()->Count(), 1) << "hidden bars take no part in merging";
}

TEST_F(ServicesFixture, DeletingAToolbarAsksFirstWhenToldTo) {
  TdxBar* bar = AddBar(Manager, "Drawing");
  TcxObjectLinkHolder link(bar);
  InjectKeyPress(VK_ESCAPE);
  Manager->DeleteToolBar(bar, true);
  ASSERT_TRUE(link.Alive()) << "Cancel keeps the bar";
  InjectKeyPress(VK_RETURN);
  Manager->DeleteToolBar(bar, true);
  EXPECT_FALSE(link.Alive());
  Manager->DeleteToolBar(nullptr, true);
}

TEST_F(ServicesFixture, TheRestoringListHoldsABarOnce) {
  TdxBar* bar = AddBar(Manager, "A");
  EXPECT_EQ(Manager->GetBarIndexInRestoringList(bar), -1);
  Manager->AddBarToRestoringList(bar);
  Manager->AddBarToRestoringList(bar);
  EXPECT_EQ(Manager->GetRestoringListBarCount(), 1);
  bar->Free();
  EXPECT_EQ(Manager->GetRestoringListBarCount(), 0) << "a bar that goes leaves the list";
}

}  // namespace

namespace {

// One bar window is tracked at a time: tracking another tells the first that the mouse left it, and
// the pointer leaving the tracked one ends the tracking on the next tick of the tracking timer.
TEST(dxBarMouseTracking, OneBarWindowAtATimeUntilThePointerLeavesIt) {
  TManualClock clock{45000.0, 1000};
  TClockOverride useClock{clock};
  TOwnedPtr<TForm> form(NewTestForm());
  form->SetBounds(0, 0, 320, 200);
  auto* manager = New<TdxBarManager>(form.get());
  form->Show();
  TOwnedPtr<TTestBarLinks> firstLinks(New<TTestBarLinks>(nullptr)), secondLinks(New<TTestBarLinks>(nullptr));
  TTestBarWindow* first = firstLinks->MakeBar(manager, form.get(), {manager->AddButton()});
  TTestBarWindow* second = secondLinks->MakeBar(manager, form.get(), {manager->AddButton()});
  second->SetTop(60);

  first->SetViewState(bvsHot);
  manager->BeginMouseTracking(first);
  EXPECT_TRUE(manager->IsMouseTracking(first));
  manager->BeginMouseTracking(second);
  EXPECT_FALSE(manager->IsMouseTracking(first));
  EXPECT_EQ(first->GetViewState(), bvsNormal) << "the first window was told the mouse left it";
  EXPECT_TRUE(manager->IsMouseTracking(second));

  const TPoint away = form->ClientToScreen(TPoint(300, 180));
  SetCursorPos(away.x, away.y);
  clock.Advance(20);
  ProcessMessages();
  EXPECT_FALSE(manager->IsMouseTracking(second));
}

}  // namespace

namespace {

// New toolbars are captioned "Custom " with the next free number and float beside their form: left of
// it, or right of it when that would leave the work area, and no higher than the work area's top.
TEST(dxBarAddToolBar, CaptionsCountOnAndTheFloatingPlaceStaysOnTheWorkArea) {
  struct TCase {
    TRect FormBounds;
    TPoint Float;
  };
  for (const TCase& c : {TCase{TRect(300, 200, 700, 500), TPoint(250, 200)},
                         TCase{TRect(20, 200, 420, 500), TPoint(430, 200)},
                         TCase{TRect(300, -40, 700, 260), TPoint(250, 10)}}) {
    TOwnedPtr<TForm> form(NewTestForm());
    form->SetBoundsRect(c.FormBounds);
    auto* manager = New<TdxBarManager>(form.get());
    TdxBar* first = manager->AddToolBar();
    TdxBar* second = manager->AddToolBar();
    EXPECT_EQ(first->GetCaption(), "Custom 1");
    EXPECT_EQ(second->GetCaption(), "Custom 2");
    EXPECT_EQ(TPoint(first->GetFloatLeft(), first->GetFloatTop()), c.Float) << c.FormBounds.left;
    EXPECT_EQ(first->GetDockingStyle(), dsTop);
    EXPECT_TRUE(first->GetVisible());
    EXPECT_NE(first->GetRow(), second->GetRow()) << "each new toolbar takes a row of its own";
    EXPECT_FALSE(second->GetOneOnRow());
  }
}

}  // namespace
