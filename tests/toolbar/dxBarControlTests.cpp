#include <gtest/gtest.h>

#include <vector>

#include "Forms.h"
#include "HeadlessBackend.h"
#include "WinCursor.h"
#include "WinUser.h"
#include "cxGraphicsCanvas.h"
#include "dxBar.h"
#include "dxBarTestSupport.h"

namespace {

// The layout of the test bar: the controls of the visible links side by side, 40 pixels each.
class TTestBarViewInfo : public TCustomdxBarControlViewInfo {
  DECLARE_CLASS(TTestBarViewInfo, TCustomdxBarControlViewInfo)
 public:
  void Calculate() override;
};
IMPLEMENT_CLASS(TTestBarViewInfo)

// A small bar window standing for the toolbar window: it becomes active and captures the mouse on a
// press, as a toolbar does, and records the repaints its item controls ask for.
class TTestBar : public TCustomdxBarControl {
  DECLARE_CLASS(TTestBar, TCustomdxBarControl)
 public:
  explicit TTestBar(TComponent* AOwner = nullptr) : TCustomdxBarControl(AOwner) {}
  TClass GetAccessibilityHelperClass() override { return nullptr; }
  TBitmap* GetBackgroundBitmap() override { return nullptr; }
  Integer GetBeginGroupSize() override { return 0; }
  bool GetIsMainMenu() override { return false; }
  bool GetIsStatusBar() override { return false; }
  TClass GetViewInfoClass() override { return TTestBarViewInfo::StaticClass(); }
  void SetMarkState(TdxBarMarkState) override {}
  void SetFont() override {}
  void UpdateItem(TdxBarItemControl* AControl) override {
    Repaints.push_back(AControl);
    Invalidate();
  }
  void FillBackground(HDC, const TRect&, const TRect&, HBRUSH, TColor) override {}
  void Hide() override { SetVisible(false); }
  TdxBarKind Kind() override { return bkBarControl; }
  void FocusItemControl(TdxBarItemControl* AItemControl) override {
    SetIsActive(true);
    TCustomdxBarControl::FocusItemControl(AItemControl);
  }
  void DoHideAll() override {
    ++HideAllCount;
    TCustomdxBarControl::DoHideAll();
  }
  std::vector<TdxBarItemControl*> Repaints;
  int HideAllCount = 0;
};
IMPLEMENT_CLASS(TTestBar)

void TTestBarViewInfo::Calculate() {
  Clear();
  TdxBarItemLinks* links = GetBarControl()->GetItemLinks();
  for (Integer i = 0; i < links->GetVisibleItemCount(); ++i) {
    TdxBarItemLink* link = links->GetVisibleItem(i);
    if (!link->GetControl()) continue;
    const TRect R(i * 40, 0, i * 40 + 40, 22);
    link->SetItemRect(R);
    link->GetControl()->GetViewInfo()->SetBounds(R);
    link->GetControl()->DoCalculateParts();
    AddItemControlViewInfo(link->GetControl()->GetViewInfo());
  }
}

// The owner of the bar's links: makes the test bar window.
class TTestBarOwner : public TComponent, public IdxBarLinksOwner {
  DECLARE_CLASS(TTestBarOwner, TComponent)
 public:
  explicit TTestBarOwner(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  bool CanContainItem(TdxBarItem*, String&) override { return true; }
  TCustomdxBarControl* CreateBarControl() override {
    auto* bar = New<TTestBar>(Manager);
    bar->SetItemLinks(Links);
    return bar;
  }
  TComponent* GetComponentInstance() override { return this; }
  TdxBarItemLinks* GetItemLinks() override { return Links; }
  TdxBarManager* Manager = nullptr;
  TdxBarItemLinks* Links = nullptr;
};
IMPLEMENT_CLASS(TTestBarOwner)

struct ClickCounter {
  std::vector<TObject*> Clicks;
  void Click(TObject* Sender) { Clicks.push_back(Sender); }
};

struct BarWindowFixture : testing::Test {
  TOwnedPtr<TForm> Form{dxBarTests::NewTestForm()};
  TdxBarManager* Manager = New<TdxBarManager>(Form.get());
  TOwnedPtr<TTestBarOwner> Owner{New<TTestBarOwner>()};
  TdxBarItemLinks* Links = nullptr;
  TTestBar* Bar = nullptr;
  std::vector<TdxBarButton*> Buttons;
  ClickCounter Counter;

  void SetUp() override {
    Owner->Manager = Manager;
    Links = New<TdxBarControlItemLinks>(Manager, Owner.get());
    Owner->Links = Links;
    for (const char* caption : {"Open", "Save", "Off"}) {
      auto* button = New<TdxBarButton>(Form.get());
      button->SetCaption(caption);
      button->SetOnClick(TNotifyEvent(&Counter, &ClickCounter::Click));
      Links->Add(button);
      Buttons.push_back(button);
    }
    Buttons[2]->SetEnabled(false);
    Form->SetBounds(0, 0, 320, 200);
    Form->Show();
    Links->CreateBarControl();
    Bar = static_cast<TTestBar*>(Links->GetBarControl());
    Bar->SetParent(Form.get());
    Bar->SetBounds(10, 10, 160, 22);
    Bar->SetVisible(true);
    Bar->HandleNeeded();
    Bar->CalcLayout();
    ProcessMessages();
  }
  void TearDown() override {
    Links->Free();
    Form.reset();
  }
  TPoint Screen(Integer X, Integer Y) { return Bar->ClientToScreen(TPoint(X, Y)); }
  TdxBarItemControl* ControlOf(Integer AIndex) { return Links->GetItem(AIndex)->GetControl(); }
};

// The road of a toolbar command: move, press, release; the item clicks once, and the control under
// the mouse is hot and selected on the way.
TEST_F(BarWindowFixture, APressAndReleaseOnAButtonClicksItsItemOnce) {
  ASSERT_NE(nullptr, ControlOf(0));
  const TPoint open = Screen(20, 10);
  InjectMouseMove(open.x, open.y);
  ProcessMessages();
  EXPECT_EQ(0, ControlOf(0)->GetHotPartIndex());
  EXPECT_EQ(ControlOf(0), Bar->GetSelectedControl());
  EXPECT_EQ(bvsHot, Bar->GetViewState());

  InjectMouseButton(0, true);
  ProcessMessages();
  EXPECT_TRUE(Bar->GetIsActive());
  EXPECT_TRUE(Counter.Clicks.empty());
  InjectMouseButton(0, false);
  ProcessMessages();
  EXPECT_EQ((std::vector<TObject*>{Buttons[0]}), Counter.Clicks);
  // A click on a toolbar button closes the menu chain: the bar leaves menu mode.
  EXPECT_GE(Bar->HideAllCount, 1);
  EXPECT_FALSE(Bar->GetIsActive());
}

// Moving across the bar hot-tracks each button in turn; a disabled button is selected but never hot
// and a release on it does not click.
TEST_F(BarWindowFixture, HotTrackingFollowsTheMouseAndSkipsDisabledButtons) {
  const TPoint save = Screen(60, 10);
  InjectMouseMove(Screen(20, 10).x, Screen(20, 10).y);
  ProcessMessages();
  InjectMouseMove(save.x, save.y);
  ProcessMessages();
  EXPECT_EQ(-1, ControlOf(0)->GetHotPartIndex());
  EXPECT_EQ(0, ControlOf(1)->GetHotPartIndex());
  EXPECT_EQ(ControlOf(1), Bar->GetSelectedControl());

  const TPoint off = Screen(100, 10);
  InjectClick(off.x, off.y);
  ProcessMessages();
  EXPECT_EQ(-1, ControlOf(2)->GetHotPartIndex());
  EXPECT_TRUE(Counter.Clicks.empty());
}

// A bar window never takes the activation from its form.
TEST_F(BarWindowFixture, ABarWindowAnswersNoActivate) {
  EXPECT_EQ(static_cast<LRESULT>(MA_NOACTIVATE), SendMessage(Bar->GetHandle(), WM_MOUSEACTIVATE, 0, 0));
}

// A press before any move enters the bar first; the capture change forgets nothing held.
TEST_F(BarWindowFixture, APressBeforeAnyMoveEntersTheBarFirst) {
  const TPoint open = Screen(20, 10);
  SetCursorPos(open.x, open.y);
  SendMessage(Bar->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
  EXPECT_EQ(bvsHot, Bar->GetViewState());
  EXPECT_EQ(0, ControlOf(0)->GetHotPartIndex());
  SendMessage(Bar->GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
  EXPECT_EQ(1u, Counter.Clicks.size());
}

// In menu mode arrows, Home and End move the selection; an accelerator selects its link, and a letter
// that two captions share selects them in turn.
TEST_F(BarWindowFixture, KeysMoveTheSelectionInMenuMode) {
  Buttons[0]->SetCaption("&Open");
  Buttons[1]->SetCaption("&Save");
  Buttons[2]->SetEnabled(true);
  Buttons[2]->SetCaption("&Sum");
  Bar->BarGetFocus(nullptr);
  ASSERT_EQ(Bar, ActiveBarControl());
  auto key = [&](Word AKey) { SendMessage(Bar->GetHandle(), WM_KEYDOWN, AKey, 0); };
  key(VK_RIGHT);
  EXPECT_EQ(ControlOf(0), Bar->GetSelectedControl());
  key(VK_RIGHT);
  EXPECT_EQ(ControlOf(1), Bar->GetSelectedControl());
  key(VK_END);
  EXPECT_EQ(ControlOf(2), Bar->GetSelectedControl());
  key(VK_HOME);
  EXPECT_EQ(ControlOf(0), Bar->GetSelectedControl());
  key('S');
  EXPECT_EQ(ControlOf(1), Bar->GetSelectedControl());
  key('S');
  EXPECT_EQ(ControlOf(2), Bar->GetSelectedControl());
  EXPECT_TRUE(Counter.Clicks.empty());  // a shared accelerator only selects
  Bar->BarLostFocus();
  EXPECT_EQ(nullptr, ActiveBarControl());
}

// The drop-position test of a customization drag sets its outputs also when no link is hit.
TEST_F(BarWindowFixture, DragOverParametersAreResetWhenNothingIsHit) {
  TdxBarItemLink* link = Links->GetItem(0);
  bool beginGroup = true;
  Bar->CalcDragOverParameters(link, beginGroup, TPoint(150, 10));
  EXPECT_EQ(nullptr, link);
  EXPECT_FALSE(beginGroup);
  Bar->CalcDragOverParameters(link, beginGroup, TPoint(45, 10));
  EXPECT_EQ(Links->GetItem(1), link);
}

}  // namespace
