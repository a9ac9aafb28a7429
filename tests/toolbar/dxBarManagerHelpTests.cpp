// Help on menu items: F1 asks for the topic of the selected item of the open menus, climbing to the
// items that opened them, else of the bar reached; without open menus, of the item under the mouse.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "Forms.h"
#include "WinHelp.h"
#include "WinUser.h"
#include "dxBar.h"
#include "dxBarTestSupport.h"

namespace {

class THelpTestBarViewInfo : public TCustomdxBarControlViewInfo {
  DECLARE_CLASS(THelpTestBarViewInfo, TCustomdxBarControlViewInfo)
 public:
  void Calculate() override {
    Clear();
    TdxBarItemLinks* links = GetBarControl()->GetItemLinks();
    for (Integer i = 0; i < links->GetVisibleItemCount(); ++i) {
      TdxBarItemLink* link = links->GetVisibleItem(i);
      if (!link->GetControl()) continue;
      const TRect R(i * 40, 0, i * 40 + 40, 22);
      link->SetItemRect(R);
      link->GetControl()->GetViewInfo()->SetBounds(R);
      AddItemControlViewInfo(link->GetControl()->GetViewInfo());
    }
  }
};
IMPLEMENT_CLASS(THelpTestBarViewInfo)

// A bar window whose controls stand side by side, 40 pixels each.
class THelpTestBar : public TCustomdxBarControl {
  DECLARE_CLASS(THelpTestBar, TCustomdxBarControl)
 public:
  explicit THelpTestBar(TComponent* AOwner = nullptr) : TCustomdxBarControl(AOwner) {}
  TClass GetAccessibilityHelperClass() override { return nullptr; }
  TBitmap* GetBackgroundBitmap() override { return nullptr; }
  Integer GetBeginGroupSize() override { return 0; }
  bool GetIsMainMenu() override { return false; }
  bool GetIsStatusBar() override { return false; }
  TClass GetViewInfoClass() override { return THelpTestBarViewInfo::StaticClass(); }
  void SetMarkState(TdxBarMarkState) override {}
  void SetFont() override {}
  void UpdateItem(TdxBarItemControl*) override {}
  void FillBackground(HDC, const TRect&, const TRect&, HBRUSH, TColor) override {}
  void Hide() override { SetVisible(false); }
  TdxBarKind Kind() override { return bkBarControl; }
};
IMPLEMENT_CLASS(THelpTestBar)

class THelpTestBarOwner : public TComponent, public IdxBarLinksOwner {
  DECLARE_CLASS(THelpTestBarOwner, TComponent)
 public:
  explicit THelpTestBarOwner(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  bool CanContainItem(TdxBarItem*, String&) override { return true; }
  TCustomdxBarControl* CreateBarControl() override {
    auto* bar = New<THelpTestBar>(Manager);
    bar->SetItemLinks(Links);
    return bar;
  }
  TComponent* GetComponentInstance() override { return this; }
  TdxBarItemLinks* GetItemLinks() override { return Links; }
  TdxBarManager* Manager = nullptr;
  TdxBarItemLinks* Links = nullptr;
};
IMPLEMENT_CLASS(THelpTestBarOwner)

struct THelpRecorder {
  std::vector<std::pair<Word, NativeInt>> Calls;
  bool Help(Word ACommand, NativeInt AData, bool& ACallHelp) {
    Calls.emplace_back(ACommand, AData);
    ACallHelp = false;
    return true;
  }
};

// A toolbar with two buttons and a menu dropped from its first one, with two items.
struct MenuHelpFixture : testing::Test {
  TOwnedPtr<TForm> Form{dxBarTests::NewTestForm()};
  TdxBarManager* Manager = New<TdxBarManager>(Form.get());
  TOwnedPtr<THelpTestBarOwner> ToolbarOwner{New<THelpTestBarOwner>()}, MenuOwner{New<THelpTestBarOwner>()};
  THelpTestBar* Toolbar = nullptr;
  THelpTestBar* Menu = nullptr;
  std::vector<TdxBarButton*> ToolbarButtons, MenuButtons;
  THelpRecorder Recorder;

  THelpTestBar* MakeBar(THelpTestBarOwner* AOwner, std::vector<TdxBarButton*>& AButtons, const TRect& ABounds) {
    AOwner->Manager = Manager;
    AOwner->Links = New<TdxBarControlItemLinks>(Manager, AOwner);
    for (Integer i = 0; i < 2; ++i) {
      auto* button = New<TdxBarButton>(Form.get());
      AOwner->Links->Add(button);
      AButtons.push_back(button);
    }
    AOwner->Links->CreateBarControl();
    auto* bar = static_cast<THelpTestBar*>(AOwner->Links->GetBarControl());
    bar->SetParent(Form.get());
    bar->SetBounds(ABounds.left, ABounds.top, ABounds.Width(), ABounds.Height());
    bar->SetVisible(true);
    bar->HandleNeeded();
    bar->CalcLayout();
    return bar;
  }
  void SetUp() override {
    Form->SetBounds(0, 0, 320, 200);
    Form->Show();
    Toolbar = MakeBar(ToolbarOwner.get(), ToolbarButtons, TRect(10, 10, 90, 32));
    Menu = MakeBar(MenuOwner.get(), MenuButtons, TRect(10, 40, 90, 62));
    Application->OnHelp = THelpEvent(&Recorder, &THelpRecorder::Help);
  }
  void TearDown() override {
    Application->OnHelp = nullptr;
    MenuOwner->Links->Free();
    ToolbarOwner->Links->Free();
    Form.reset();
  }
  // The menu dropped from the toolbar's first button is open, with AMenuItem selected.
  void OpenMenu(Integer AMenuItem) {
    Toolbar->SetSelectedControl(ToolbarOwner->Links->GetItem(0)->GetControl());
    Menu->SetParentBar(Toolbar);
    Toolbar->SetChildBar(Menu);
    Menu->BarGetFocus(nullptr);
    Menu->SetSelectedControl(MenuOwner->Links->GetItem(AMenuItem)->GetControl());
    ASSERT_EQ(Menu, ActiveBarControl());
  }
  void AskHelp(HWND AWnd, const TPoint& AMouse) {
    HELPINFO info;
    info.hItemHandle = AWnd;
    info.MousePos = AMouse;
    Manager->HelpOnMenuItem(info);
  }
  NativeInt PopupPosBelow(THelpTestBar* ABar, Integer AIndex) {
    const TRect R = ABar->GetItemLinks()->GetItem(AIndex)->GetControl()->GetItemBounds();
    const TPoint P = ABar->ClientToScreen(TPoint((R.left + R.right) / 2, R.bottom));
    return static_cast<NativeInt>(MAKELONG(P.x, P.y));
  }
  using TCalls = std::vector<std::pair<Word, NativeInt>>;
};

// The selected menu item's own topic; without a help button on the form through the application's help.
TEST_F(MenuHelpFixture, TheSelectedMenuItemAnswersWithItsTopic) {
  MenuButtons[1]->SetHelpContext(7);
  ToolbarButtons[0]->SetHelpContext(9);
  OpenMenu(1);
  AskHelp(Menu->GetHandle(), TPoint(0, 0));
  EXPECT_EQ((TCalls{{HELP_CONTEXT, 7}}), Recorder.Calls);
  EXPECT_EQ(nullptr, ActiveBarControl());  // the menus closed first
}

// An item without a topic passes the question to the item that opened its menu; a form with a help
// button shows the topic as a popup under the middle of that item.
TEST_F(MenuHelpFixture, AnItemWithoutTopicClimbsToTheItemThatOpenedItsMenu) {
  ToolbarButtons[0]->SetHelpContext(9);
  Form->SetBorderIcons(TBorderIcons{biSystemMenu, biHelp});
  OpenMenu(0);
  const NativeInt below = PopupPosBelow(Toolbar, 0);
  AskHelp(Menu->GetHandle(), TPoint(0, 0));
  EXPECT_EQ((TCalls{{HELP_SETPOPUP_POS, below}, {HELP_CONTEXTPOPUP, 9}}), Recorder.Calls);
}

// No item of the chain has a topic: the bar reached at the top answers with its own, and no topic at
// all asks nothing.
TEST_F(MenuHelpFixture, WithoutItemTopicsTheTopBarAnswers) {
  Toolbar->SetHelpContext(5);
  OpenMenu(0);
  AskHelp(Menu->GetHandle(), TPoint(0, 0));
  EXPECT_EQ((TCalls{{HELP_CONTEXT, 5}}), Recorder.Calls);

  Recorder.Calls.clear();
  Toolbar->SetHelpContext(0);
  OpenMenu(1);
  AskHelp(Menu->GetHandle(), TPoint(0, 0));
  EXPECT_TRUE(Recorder.Calls.empty());
}

// Without open menus the item under the help point of the bar window asked about answers.
TEST_F(MenuHelpFixture, WithoutOpenMenusTheItemUnderTheMouseAnswers) {
  ToolbarButtons[1]->SetHelpContext(3);
  ASSERT_EQ(nullptr, ActiveBarControl());
  AskHelp(Toolbar->GetHandle(), Toolbar->ClientToScreen(TPoint(50, 10)));
  EXPECT_EQ((TCalls{{HELP_CONTEXT, 3}}), Recorder.Calls);
  Recorder.Calls.clear();
  AskHelp(Toolbar->GetHandle(), Toolbar->ClientToScreen(TPoint(10, 10)));  // the first button has none
  EXPECT_TRUE(Recorder.Calls.empty());
}

}  // namespace
