#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "DateTime.h"
#include "Forms.h"
#include "cxClassesLinks.h"
#include "dxBar.h"
#include "dxBarItemTestSupport.h"
#include "dxBarTestSupport.h"

namespace {

// Runs a callback when a button is clicked.
struct ClickProbe {
  std::function<void(TObject*)> OnClick;
  int Count = 0;
  void Click(TObject* Sender) {
    ++Count;
    if (OnClick) OnClick(Sender);
  }
};

// A popup menu of the tests: a bar component owning a link collection.
class TTestPopupMenu : public TdxBarComponent, public IdxBarLinksOwner {
  DECLARE_CLASS(TTestPopupMenu, TdxBarComponent)
 public:
  explicit TTestPopupMenu(TComponent* AOwner = nullptr) : TdxBarComponent(AOwner) {}
  bool CanContainItem(TdxBarItem*, String&) override { return true; }
  TCustomdxBarControl* CreateBarControl() override { return nullptr; }
  TComponent* GetComponentInstance() override { return this; }
  TdxBarItemLinks* GetItemLinks() override { return Links; }
  bool GetEnabled() override { return true; }
  void SetEnabled(bool) override {}
  void SetVisible(TdxBarItemVisible) override {}
  TdxBarItemLinks* Links = nullptr;

 protected:
  void Destroy() override {
    FreeAndNil(Links);
    inherited::Destroy();
  }
};
IMPLEMENT_CLASS(TTestPopupMenu)

struct ButtonFixture : dxBarItemFixture {
  TdxBarButton* NewButton(TdxBarButtonStyle AStyle, Integer AGroupIndex = 0) {
    auto* button = NewItem<TdxBarButton>("Button");
    button->SetButtonStyle(AStyle);
    button->SetGroupIndex(AGroupIndex);
    return button;
  }
  // The control of a button's link in the menu's links, without a bar window.
  TdxBarButtonControl* NewControl(TdxBarButton* AButton) {
    TdxBarItemLink* link = Links->Add(AButton);
    link->SetItemRect(TRect(0, 0, 40, 20));
    auto* control = static_cast<TdxBarButtonControl*>(
        TdxBarItemControl::Create(TdxBarButtonControl::StaticClass(), link));
    Controls.push_back(control);
    return control;
  }
  void TearDown() override {
    for (TdxBarItemControl* control : Controls) control->Free();
    dxBarItemFixture::TearDown();
  }
  std::vector<TdxBarItemControl*> Controls;
};

// ---- Radio groups and the down state ------------------------------------------------------------------------
// Three check buttons of group 1 clicked in turn: one button at most is down, the last one of a group
// stays down unless the group allows all up.
TEST_F(ButtonFixture, ARadioGroupKeepsOneButtonDownUnlessItAllowsAllUp) {
  struct Step {
    Integer Clicked;
    std::vector<bool> Downs;
  };
  const std::vector<Step> withoutAllUp = {{0, {true, false, false}}, {1, {false, true, false}},
                                          {1, {false, true, false}}, {2, {false, false, true}}};
  const std::vector<Step> withAllUp = {{0, {true, false, false}}, {1, {false, true, false}},
                                       {1, {false, false, false}}, {2, {false, false, true}}};
  for (bool allowAllUp : {false, true}) {
    std::vector<TdxBarButton*> buttons = {NewButton(bsChecked, 1), NewButton(bsChecked, 1), NewButton(bsChecked, 1)};
    buttons[2]->SetAllowAllUp(allowAllUp);  // one button sets it for the whole group
    for (TdxBarButton* button : buttons) EXPECT_EQ(allowAllUp, button->GetAllowAllUp());
    for (const Step& step : allowAllUp ? withAllUp : withoutAllUp) {
      buttons[step.Clicked]->Click();
      for (size_t i = 0; i < buttons.size(); ++i)
        EXPECT_EQ(step.Downs[i], buttons[i]->GetDown()) << "allow all up " << allowAllUp << ", clicked "
                                                        << step.Clicked << ", button " << i;
    }
    for (TdxBarButton* button : buttons) button->Free();
  }
}

TEST_F(ButtonFixture, OnlyCheckedStylesGoDownOrJoinAGroup) {
  TdxBarButton* plain = NewButton(bsDefault, 1);
  EXPECT_EQ(0, plain->GetGroupIndex());
  plain->SetDown(true);
  plain->Click();
  EXPECT_FALSE(plain->GetDown());

  // A style change releases the button but keeps its group: groups count only checked buttons.
  TdxBarButton* checked = NewButton(bsChecked, 2);
  checked->SetDown(true);
  checked->SetButtonStyle(bsCheckedDropDown);
  EXPECT_FALSE(checked->GetDown());
  EXPECT_EQ(2, checked->GetGroupIndex());
  // A group index change releases the button.
  checked->SetDown(true);
  checked->SetGroupIndex(3);
  EXPECT_FALSE(checked->GetDown());
}

TEST_F(ButtonFixture, ACheckButtonToggledBeforeItsClickHandlerRuns) {
  TdxBarButton* button = NewButton(bsChecked);
  ClickProbe probe;
  std::vector<bool> seen;
  probe.OnClick = [&](TObject*) { seen.push_back(button->GetDown()); };
  button->SetOnClick(TNotifyEvent(&probe, &ClickProbe::Click));
  button->Click();
  button->Click();
  EXPECT_EQ((std::vector<bool>{true, false}), seen);
}

// The style is read before Down and GroupIndex, which a still plain button would refuse.
TEST_F(ButtonFixture, ACheckedDownGroupedButtonRoundTripsThroughAFormStream) {
  TOwnedPtr<TForm> form(dxBarTests::NewTestForm());
  static_cast<TComponent*>(New<TdxBarManager>(form.get()))->SetName("BarManager1");
  auto* button = New<TdxBarButton>(form.get());
  static_cast<TComponent*>(button)->SetName("Bold");
  button->SetButtonStyle(bsChecked);
  button->SetGroupIndex(4);
  button->SetAllowAllUp(true);
  button->SetDown(true);
  button->SetLowered(true);
  const String text = dxBarTests::WriteFormText(form.get());

  TOwnedPtr<TForm> copy(dxBarTests::NewTestForm());
  dxBarTests::ReadFormText(copy.get(), text);
  auto* read = dynamic_cast<TdxBarButton*>(copy->FindComponent("Bold"));
  ASSERT_NE(nullptr, read) << text;
  EXPECT_EQ(bsChecked, read->GetButtonStyle());
  EXPECT_EQ(4, read->GetGroupIndex());
  EXPECT_TRUE(read->GetDown());
  EXPECT_TRUE(read->GetAllowAllUp());
  EXPECT_TRUE(read->GetLowered());
}

TEST_F(ButtonFixture, ADropDownMenuThatWouldContainTheButtonIsRefused) {
  TdxBarButton* button = NewButton(bsDropDown);
  auto* menu = New<TTestPopupMenu>(Form);
  menu->Links = New<TdxBarSubMenuControlItemLinks>(Manager, menu);
  button->SetDropDownMenu(menu);
  EXPECT_EQ(menu, button->GetDropDownMenu());
  EXPECT_EQ(menu->Links, button->GetItemLinks());

  // A menu whose links are the button's own would contain itself.
  auto* recursive = New<TTestPopupMenu>(Form);
  recursive->Links = New<TdxBarSubMenuControlItemLinks>(Manager, button);
  EXPECT_THROW(button->SetDropDownMenu(recursive), Exception);
  EXPECT_EQ(menu, button->GetDropDownMenu());

  menu->Free();  // the button is told and forgets it
  EXPECT_EQ(nullptr, button->GetDropDownMenu());
}

TEST_F(ButtonFixture, ASeparatorItemBelongsInMenusOnly) {
  auto* separator = NewItem<TdxBarSeparator>("-");
  String error;
  EXPECT_TRUE(separator->CanBePlacedOn(pkSubItemOrPopupMenu, nullptr, error));
  EXPECT_FALSE(separator->CanBePlacedOn(pkBar, nullptr, error));
  EXPECT_EQ("A separator item cannot be placed on the specified toolbar", error);
  EXPECT_FALSE(separator->GetSupportedActions().Contains(caChangeRecentList));
  EXPECT_TRUE(NewItem<TdxBarLabel>("Label")->GetShowCaption());
}

// ---- Button controls ----------------------------------------------------------------------------------------
TEST_F(ButtonFixture, PartsAreFoundByPointAndADisabledControlIsNeverHot) {
  TdxBarButtonControl* split = NewControl(NewButton(bsDropDown));
  split->DoCalculateParts();
  ASSERT_EQ(2, split->GetPartCountValue());
  const TRect arrow = split->GetPart(1);
  EXPECT_EQ(-1, split->FindPartAtPos(TPoint(50, 5)));
  EXPECT_EQ(0, split->FindPartAtPos(TPoint(2, 5)));
  EXPECT_EQ(1, split->FindPartAtPos(TPoint(arrow.left + 1, 5)));
  split->MouseEnter(TPoint(arrow.left + 1, 5));
  EXPECT_EQ(1, split->GetHotPartIndex());
  EXPECT_TRUE(split->MouseOverArrow());

  TdxBarButtonControl* plain = NewControl(NewButton(bsDefault));
  EXPECT_EQ(100, plain->FindPartAtPos(TPoint(2, 5)));  // no parts calculated yet
  plain->GetItem()->SetEnabled(false);
  plain->MouseEnter(TPoint(2, 5));
  EXPECT_EQ(-1, plain->GetHotPartIndex());
}

// The release over part 0 runs the click once with the button shown pressed; over the arrow it does not.
TEST_F(ButtonFixture, AReleaseClicksOnceAndShowsTheButtonPressedWhileItsHandlerRuns) {
  TdxBarButton* button = NewButton(bsDropDown);
  button->SetCloseSubMenuOnClick(false);
  TdxBarButtonControl* control = NewControl(button);
  control->DoCalculateParts();
  ClickProbe probe;
  std::vector<bool> pressed;
  probe.OnClick = [&](TObject*) { pressed.push_back(control->GetPressed()); };
  button->SetOnClick(TNotifyEvent(&probe, &ClickProbe::Click));

  control->MouseEnter(TPoint(control->GetPart(1).left + 1, 5));
  control->ControlUnclick(true);
  EXPECT_EQ(0, probe.Count);

  control->MouseEnter(TPoint(2, 5));
  control->ControlUnclick(true);
  EXPECT_EQ(1, probe.Count);
  EXPECT_EQ((std::vector<bool>{true}), pressed);
  EXPECT_FALSE(control->GetPressed());
}

TEST_F(ButtonFixture, AClickHandlerMayFreeItsItemAndControl) {
  TdxBarButton* button = NewButton(bsDefault);
  button->SetCloseSubMenuOnClick(false);
  TdxBarButtonControl* control = NewControl(button);
  Controls.clear();
  control->DoCalculateParts();
  ClickProbe probe;
  probe.OnClick = [&](TObject*) {
    control->Free();
    button->Free();
  };
  button->SetOnClick(TNotifyEvent(&probe, &ClickProbe::Click));
  control->MouseEnter(TPoint(2, 5));
  TcxObjectLinkHolder watch(control);
  control->ControlUnclick(true);
  EXPECT_EQ(1, probe.Count);
  EXPECT_FALSE(watch.Alive());
}

// One control per direction: a newer pending open replaces the older; the open fires after the delay.
TEST_F(ButtonFixture, SubMenuTrackingOpensTheLastControlAfterTheDelay) {
  TManualClock clock(0, 1000);
  TClockOverride useClock(clock);
  TdxBarButtonControl* first = NewControl(NewButton(bsDropDown));
  TdxBarButtonControl* second = NewControl(NewButton(bsDropDown));
  TdxBarButtonControl* finished = NewControl(NewButton(bsDropDown));
  first->StartSubMenuTracking(true);
  second->StartSubMenuTracking(true);
  clock.Advance(dxBarWaitForSubMenuTime - 10);
  Application->ProcessMessages();
  EXPECT_FALSE(second->GetActive());
  clock.Advance(20);
  Application->ProcessMessages();
  EXPECT_FALSE(first->GetActive());
  EXPECT_TRUE(second->GetActive());

  finished->StartSubMenuTracking(true);
  finished->FinishSubMenuTracking();
  clock.Advance(dxBarWaitForSubMenuTime + 10);
  Application->ProcessMessages();
  EXPECT_FALSE(finished->GetActive());
}

}  // namespace
