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
  TOwnedPtr<dxBarTests::TTestBarLinks> ToolbarOwner{New<dxBarTests::TTestBarLinks>()},
      MenuOwner{New<dxBarTests::TTestBarLinks>()};
  dxBarTests::TTestBarWindow* Toolbar = nullptr;
  dxBarTests::TTestBarWindow* Menu = nullptr;
  std::vector<TdxBarButton*> ToolbarButtons, MenuButtons;
  THelpRecorder Recorder;

  dxBarTests::TTestBarWindow* MakeBar(dxBarTests::TTestBarLinks* AOwner, std::vector<TdxBarButton*>& AButtons) {
    for (Integer i = 0; i < 2; ++i) AButtons.push_back(New<TdxBarButton>(Form.get()));
    return AOwner->MakeBar(Manager, Form.get(), {AButtons[0], AButtons[1]});
  }
  void SetUp() override {
    Form->SetBounds(0, 0, 320, 200);
    Form->Show();
    Toolbar = MakeBar(ToolbarOwner.get(), ToolbarButtons);
    Menu = MakeBar(MenuOwner.get(), MenuButtons);
    Menu->SetBounds(10, 40, 80, 22);
    Application->OnHelp = THelpEvent(&Recorder, &THelpRecorder::Help);
  }
  void TearDown() override {
    Application->OnHelp = nullptr;
    MenuOwner.reset();
    ToolbarOwner.reset();
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
  NativeInt PopupPosBelow(dxBarTests::TTestBarWindow* ABar, Integer AIndex) {
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
