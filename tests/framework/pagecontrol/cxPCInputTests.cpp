// The tab control under the mouse and the keyboard: clicks and Ctrl clicks, pressable tabs, the keys,
// the scroll arrows repeating while held (on the test clock), the go dialog, the close button and the
// wheel.
#include <functional>

#include "WinMenus.h"
#include "WinUser.h"
#include "cxPCGoDialog.h"
#include "cxPCTestSupport.h"

using namespace cxPCTest;

namespace {

class TabInput : public TPCFixture {
 protected:
  TcxTabControl* ShownTabControl(std::initializer_list<Integer> ALengths, Integer AWidth = 250,
                                 TcxTabPosition APosition = tpTop) {
    TcxTabControl* control = AddTabControl(ALengths, AWidth, 150, APosition);
    ShowForm();
    control->SetFocus();
    Application->ProcessMessages();
    return control;
  }
  static TPoint Centre(const TRect& R) { return TPoint((R.left + R.right) / 2, (R.top + R.bottom) / 2); }
  void ClickTab(TcxCustomTabControl* AControl, Integer ATabIndex) {
    const TPoint p = Centre(FullRect(AControl, ATabIndex));
    Press(AControl, p.x, p.y);
    Release(AControl, p.x, p.y);
  }
  static TRect ButtonBounds(TcxCustomTabControl* AControl, TcxPCNavigatorButton AButton) {
    for (const auto& entry : static_cast<TcxPCStandardPainter*>(AControl->GetPainter())->GetNavigatorButtonList())
      if (entry.Button == AButton) return entry.Bounds;
    return TRect(0, 0, 0, 0);
  }
  static void Key(int AKey, const std::vector<int>& AModifiers = {}) {
    for (int m : AModifiers) InjectKey(m, true);
    InjectKeyPress(AKey);
    for (int m : AModifiers) InjectKey(m, false);
    Application->ProcessMessages();
  }
};

TEST_F(TabInput, AClickSelectsAndACtrlClickTogglesTheSelectionOfSeveral) {
  TcxTabControl* control = ShownTabControl({60, 60, 60});
  ClickTab(control, 2);
  EXPECT_EQ(control->GetTabIndex(), 2);
  TcxPCTestPainter::Pressable = true;
  control->SetMultiSelect(true);
  InjectKey(VK_CONTROL, true);
  ClickTab(control, 0);
  EXPECT_TRUE(control->GetTabs()->GetTab(0)->GetSelected());
  EXPECT_EQ(control->GetTabIndex(), 2) << "Ctrl adds to the selection without moving the main tab";
  ClickTab(control, 2);
  InjectKey(VK_CONTROL, false);
  EXPECT_EQ(control->GetTabIndex(), -1) << "a Ctrl click on the main tab deselects everything";
  EXPECT_FALSE(control->GetTabs()->GetTab(0)->GetSelected());
}

TEST_F(TabInput, PressableTabsSelectOnReleaseOverTheSameTab) {
  TcxPCTestPainter::Pressable = true;
  TcxTabControl* control = ShownTabControl({60, 60, 60});
  control->SetTabIndex(0);
  const TPoint p = Centre(FullRect(control, 1));
  Press(control, p.x, p.y);
  EXPECT_EQ(control->GetTabIndex(), 0);
  EXPECT_EQ(control->GetPressedTabVisibleIndex(), 1);
  const TPoint off = Centre(FullRect(control, 2));
  MoveTo(control, off.x, off.y);
  EXPECT_EQ(control->GetPressedTabVisibleIndex(), -1) << "dragging off cancels";
  Release(control, off.x, off.y);
  EXPECT_EQ(control->GetTabIndex(), 0);
  ClickTab(control, 1);
  EXPECT_EQ(control->GetTabIndex(), 1);
}

TEST_F(TabInput, TheKeysMoveAlongTheRowAsItLiesOnTheScreen) {
  struct TCase {
    TcxTabPosition Position;
    bool Pressable;
    Integer Start;
    int Key;
    std::vector<int> Modifiers;
    Integer Selected;  // the tab index afterwards
    Integer Tracking;  // the keyboard mark afterwards
  };
  const TCase cases[] = {
      {tpTop, false, 0, VK_RIGHT, {}, 2, -1},             // tab 1 is disabled and skipped
      {tpTop, false, 4, VK_RIGHT, {}, 4, -1},             // nothing beyond the end
      {tpTop, false, 2, VK_LEFT, {}, 0, -1},
      {tpTop, false, 2, VK_END, {}, 4, -1},
      {tpTop, false, 2, VK_HOME, {}, 0, -1},
      {tpTop, false, 4, VK_TAB, {VK_CONTROL}, 0, -1},     // Ctrl+Tab wraps
      {tpTop, false, 0, VK_TAB, {VK_CONTROL, VK_SHIFT}, 4, -1},
      {tpTop, false, 0, VK_RIGHT, {VK_MENU}, 0, -1},      // Alt+Right belongs to the form
      {tpTop, false, 0, VK_RIGHT, {VK_CONTROL, VK_MENU}, 2, -1},
      {tpLeft, false, 2, VK_UP, {}, 3, -1},               // the row runs from the bottom up
      {tpLeft, false, 2, VK_HOME, {}, 4, -1},             // Home goes to the top end
      {tpTop, true, 0, VK_RIGHT, {}, 0, 2},               // pressable tabs: a mark, no selection
      {tpTop, true, 0, VK_TAB, {VK_CONTROL}, 2, -1},
  };
  for (const TCase& c : cases) {
    TcxPCTestPainter::Pressable = c.Pressable;
    TcxTabControl* control = ShownTabControl({40, 40, 40, 40, 40}, 250, c.Position);
    control->GetTabs()->GetTab(1)->SetEnabled(false);
    control->SetTabIndex(c.Start);
    Key(c.Key, c.Modifiers);
    EXPECT_EQ(control->GetTabIndex(), c.Selected) << "key " << c.Key << " from " << c.Start << " at " << c.Position;
    EXPECT_EQ(control->GetTrackingTabVisibleIndex(), c.Tracking) << "key " << c.Key << " from " << c.Start;
    if (c.Tracking != -1) {
      Key(VK_RETURN);
      EXPECT_EQ(control->GetTabIndex(), c.Tracking) << "Return selects the marked tab";
    }
    control->Free();
  }
}

// Ten 60-pixel tabs, a row of 200 pixels: the right arrow scrolls at once, again after 300 ms, then
// every 150 ms, until the last tab is fully shown and the arrow releases itself.
TEST_F(TabInput, AHeldArrowRepeatsOnTheTimerUntilTheRowEnds) {
  TcxTabControl* control = ShownTabControl({60, 60, 60, 60, 60, 60, 60, 60, 60, 60});
  const TPoint arrow = Centre(ButtonBounds(control, nbBottomRight));
  Press(control, arrow.x, arrow.y);
  EXPECT_EQ(control->GetLeadingTab(), 1);
  EXPECT_EQ(control->GetNavigatorButtonState(nbBottomRight), nbsPressed);
  const struct {
    UInt64 Step;
    Integer Leading;
  } steps[] = {{290, 1}, {20, 2}, {140, 2}, {20, 3}, {150, 4}, {150, 5}, {150, 6}, {150, 7}, {600, 7}};
  for (const auto& s : steps) {
    Step(s.Step);
    EXPECT_EQ(control->GetLeadingTab(), s.Leading) << "after " << s.Step;
  }
  EXPECT_TRUE(control->GetTrailingTabFullyShown());
  EXPECT_EQ(control->GetNavigatorButtonState(nbBottomRight), nbsDisabled);
  EXPECT_TRUE(control->GetPressedNavigatorButton().Empty());
  Release(control, arrow.x, arrow.y);
}

TEST_F(TabInput, LeavingAHeldArrowStopsTheRepeatForGood) {
  TcxTabControl* control = ShownTabControl({60, 60, 60, 60, 60, 60, 60, 60, 60, 60});
  const TPoint arrow = Centre(ButtonBounds(control, nbBottomRight));
  Press(control, arrow.x, arrow.y);
  MoveTo(control, 10, 100);
  Step(1000);
  EXPECT_EQ(control->GetLeadingTab(), 1);
  MoveTo(control, arrow.x, arrow.y);
  Step(1000);
  EXPECT_EQ(control->GetLeadingTab(), 1) << "coming back does not press it again";
  Release(control, arrow.x, arrow.y);
  EXPECT_EQ(control->GetNavigatorButtonState(nbBottomRight), nbsNormal);
}

TEST_F(TabInput, HotTrackingFollowsThePointerOverTabsAndButtons) {
  TcxTabControl* control = ShownTabControl({60, 60, 60, 60, 60, 60});
  control->SetHotTrack(true);
  const TPoint tab = Centre(FullRect(control, 2));
  MoveTo(control, tab.x, tab.y);
  EXPECT_EQ(control->GetHotTrackTabVisibleIndex(), 2);
  EXPECT_EQ(control->GetPainter()->GetTextColor(2), clHotLight) << "the system's hot-light colour on 5.1";
  const TPoint arrow = Centre(ButtonBounds(control, nbBottomRight));
  MoveTo(control, arrow.x, arrow.y);
  EXPECT_EQ(control->GetHotTrackTabVisibleIndex(), -1);
  EXPECT_EQ(control->GetNavigatorButtonState(nbBottomRight), nbsHotTrack);
  MoveTo(control, 10, 100);
  EXPECT_EQ(control->GetNavigatorButtonState(nbBottomRight), nbsNormal);
  EXPECT_TRUE(control->GetHotTrackNavigatorButton().Empty());
}

TEST_F(TabInput, TheWheelScrollsTheRowOverTheTabs) {
  TcxTabControl* control = ShownTabControl({60, 60, 60, 60, 60, 60});
  MoveTo(control, 30, 10);
  InjectWheel(-120);
  Application->ProcessMessages();
  EXPECT_EQ(control->GetLeadingTab(), 1);
  InjectWheel(120);
  Application->ProcessMessages();
  EXPECT_EQ(control->GetLeadingTab(), 0);
  MoveTo(control, 30, 100);
  InjectWheel(-120);
  Application->ProcessMessages();
  EXPECT_EQ(control->GetLeadingTab(), 0) << "not below the tabs";
}

// A clock that moves a millisecond at each reading, so that timers come due inside the menu's loop.
class TMovingClock : public TManualClock {
 public:
  using TManualClock::TManualClock;
  UInt64 TickCount64() override {
    Advance(1);
    return TManualClock::TickCount64();
  }
};

// Runs the step once the go dialog's menu is up, from a timer of the menu's own loop.
std::function<void()>* g_MenuStep = nullptr;
void MenuStepTimer(HWND, UINT, UINT_PTR id, DWORD) {
  if (!FindWindowA(MenuWindowClass, nullptr)) return;
  KillTimer(nullptr, id);
  if (g_MenuStep) (*g_MenuStep)();
}

TEST_F(TabInput, TheGoDialogListsTheEnabledTabsUnderItsButtonAndSelectsTheChosenOne) {
  TcxTabControl* control = AddTabControl({}, 250);
  for (const char* caption : {"&Zeta", "Alpha", "Mid", "Hidden", "Off", "Beta"}) control->GetTabs()->Add(caption);
  control->GetTabs()->GetTab(3)->SetVisible(false);
  control->GetTabs()->GetTab(4)->SetEnabled(false);
  control->SetOptions(control->GetOptions() + TcxPCOptions{pcoGoDialog, pcoSort});
  ShowForm();
  TMovingClock clock{45000.0, 5000};
  TClockOverride moving{clock};
  const TRect button = ButtonBounds(control, nbGoDialog);
  ASSERT_FALSE(cxRectIsEmpty(button));
  std::vector<String> items;
  RECT menu{};
  std::function<void()> step = [&] {
    for (Integer i = 0; i < control->GetGoDialog()->GetItems()->GetCount(); ++i)
      items.push_back(control->GetGoDialog()->GetItems()->GetItem(i)->GetCaption());
    GetWindowRect(FindWindowA(MenuWindowClass, nullptr), &menu);
    InjectKeyPress(VK_DOWN);
    InjectKeyPress(VK_RETURN);
  };
  g_MenuStep = &step;
  SetTimer(nullptr, 0, 10, &MenuStepTimer);
  const TPoint p = Centre(button);
  Press(control, p.x, p.y);
  Release(control, p.x, p.y);
  g_MenuStep = nullptr;
  EXPECT_EQ(items, (std::vector<String>{"Alpha", "Beta", "Mid", "&Zeta"}));
  // Tabs on top with the navigator at the right: the menu hangs below the button, right edges aligned.
  const TPoint corner = control->ClientToScreen(TPoint(button.right, button.bottom));
  EXPECT_EQ(menu.right, corner.x);
  EXPECT_EQ(menu.top, corner.y);
  EXPECT_EQ(control->GetTabIndex(), 1) << "the first entry, Alpha";
  EXPECT_FALSE(control->GetIsGoDialogShowing());
  EXPECT_EQ(control->GetNavigatorButtonState(nbGoDialog), nbsNormal);
}

TEST_F(TabInput, TheCloseButtonDeletesTheSelectedTabUnlessRefused) {
  TcxTabControl* control = AddTabControl({60, 60, 60});
  control->SetOptions(control->GetOptions() + TcxPCOptions{pcoCloseButton});
  ShowForm();
  control->SetTabIndex(1);
  bool allow = false;
  control->OnCanClose = [&](TObject*, bool& ACanClose) { ACanClose = allow; };
  const TPoint p = Centre(ButtonBounds(control, nbClose));
  Press(control, p.x, p.y);
  Release(control, p.x, p.y);
  EXPECT_EQ(control->GetTabs()->GetCount(), 3);
  allow = true;
  Press(control, p.x, p.y);
  Release(control, p.x, p.y);
  EXPECT_EQ(control->GetTabs()->GetCount(), 2);
}

}  // namespace
