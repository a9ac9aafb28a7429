// Push buttons on a dialog: Enter clicks the default button (or the focused one), Escape the cancel
// button, the clicked button's ModalResult ends ShowModal, and the button Enter would click is the
// one drawn as default.
#include "ClasslibTestSupport.h"

#include <functional>

#include "ActnList.h"
#include "HeadlessBackend.h"
#include "StdCtrls.h"
#include "WinUser.h"

using namespace ClasslibTest;

namespace {

class ButtonTest : public TClasslibFixture {
 protected:
  TForm* Dialog = nullptr;
  TEdit* Edit = nullptr;
  TButton* Ok = nullptr;
  TButton* Cancel = nullptr;
  TButton* Other = nullptr;
  std::vector<String> Clicks;

  void SetUp() override {
    TClasslibFixture::SetUp();
    Dialog = TCustomForm::CreateNew<TForm>(Application);
    Dialog->SetBounds(100, 100, 300, 200);
    Edit = New<TEdit>(Dialog);
    Edit->SetParent(Dialog);
    Edit->SetBounds(10, 10, 150, 21);
    Ok = AddButton("&OK", 10, mrOk);
    Ok->SetDefault(true);
    Cancel = AddButton("Cancel", 90, mrCancel);
    Cancel->SetCancel(true);
    Other = AddButton("&Other", 170, mrNone);
  }
  TButton* AddButton(const char* caption, int x, TModalResult result) {
    auto* b = New<TButton>(Dialog);
    b->SetParent(Dialog);
    b->SetBounds(x, 100, 75, 25);
    b->SetCaption(caption);
    b->SetModalResult(result);
    b->OnClick = [this](TObject* sender) { Clicks.push_back(As<TButton>(sender)->GetCaption()); };
    return b;
  }
  // Shows the dialog modally and, once it is up, runs `act` (which injects input) in its loop.
  TModalResult RunModal(std::function<void()> act) {
    bool done = false;
    Application->OnIdle = [&](TObject*, bool& idleDone) {
      idleDone = true;
      if (done || GetActiveWindow() != Dialog->GetHandle()) return;
      done = true;
      act();
    };
    TModalResult r = Dialog->ShowModal();
    Application->OnIdle = nullptr;
    return r;
  }
  static bool ShowsDefault(TButton* b) { return (GetWindowLong(b->GetHandle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON; }
};

TEST_F(ButtonTest, EnterAndEscapeClickTheDefaultAndCancelButtonsAndEndTheModalLoop) {
  struct TCase {
    int Key;
    TModalResult Expected;
    const char* Clicked;
  };
  for (const TCase& c : {TCase{VK_RETURN, mrOk, "&OK"}, TCase{VK_ESCAPE, mrCancel, "Cancel"}}) {
    Clicks.clear();
    EXPECT_EQ(RunModal([&] { InjectKeyPress(c.Key); }), c.Expected);
    EXPECT_EQ(Clicks, std::vector<String>{c.Clicked});
    EXPECT_FALSE(Dialog->GetVisible());
  }
}

TEST_F(ButtonTest, EnterClicksTheFocusedButtonInsteadOfTheDefault) {
  Dialog->Show();
  Application->ProcessMessages();
  ASSERT_TRUE(Edit->Focused());
  EXPECT_TRUE(ShowsDefault(Ok));
  Other->SetFocus();
  Application->ProcessMessages();
  EXPECT_TRUE(ShowsDefault(Other)) << "the focused button is the one Enter clicks";
  EXPECT_FALSE(ShowsDefault(Ok));
  InjectKeyPress(VK_RETURN);
  Application->ProcessMessages();
  EXPECT_EQ(Clicks, std::vector<String>{"&Other"});
  EXPECT_EQ(Dialog->ModalResult, mrNone);

  Edit->SetFocus();
  Application->ProcessMessages();
  EXPECT_TRUE(ShowsDefault(Ok)) << "the default button takes over again";
  EXPECT_FALSE(ShowsDefault(Other));
}

TEST_F(ButtonTest, ShiftedEnterAndDisabledDefaultDoNotClick) {
  Dialog->Show();
  Application->ProcessMessages();
  InjectKey(VK_CONTROL, true);
  InjectKeyPress(VK_RETURN);
  InjectKey(VK_CONTROL, false);
  Application->ProcessMessages();
  Ok->SetEnabled(false);
  InjectKeyPress(VK_RETURN);
  Application->ProcessMessages();
  EXPECT_TRUE(Clicks.empty());
}

TEST_F(ButtonTest, AltAndTheAcceleratorClicksTheButton) {
  Dialog->Show();
  Application->ProcessMessages();
  InjectKey(VK_MENU, true);
  InjectKeyPress('O');
  InjectKey(VK_MENU, false);
  Application->ProcessMessages();
  EXPECT_EQ(Clicks, std::vector<String>{"&OK"}) << "the first button whose caption marks O";
}

TEST_F(ButtonTest, AMouseClickFiresOnClickOnceAndHandsOverItsModalResult) {
  EXPECT_EQ(RunModal([&] {
              TPoint p = Cancel->ClientToScreen(TPoint(10, 10));
              InjectClick(p.x, p.y);
            }),
            mrCancel);
  EXPECT_EQ(Clicks, std::vector<String>{"Cancel"});
}

TEST_F(ButtonTest, AButtonBoundToAnActionTakesItsCaptionAndStateAndRunsIt) {
  auto* action = New<TAction>(Dialog);
  action->SetCaption("执行");
  int executed = 0;
  action->SetOnExecute([&](TObject*) { ++executed; });
  Other->OnClick = nullptr;
  Other->SetCaption("");
  Other->SetAction(action);
  EXPECT_EQ(Other->GetCaption(), "执行");
  Dialog->Show();
  Application->ProcessMessages();
  TPoint p = Other->ClientToScreen(TPoint(10, 10));
  InjectClick(p.x, p.y);
  Application->ProcessMessages();
  EXPECT_EQ(executed, 1);
  action->SetEnabled(false);
  EXPECT_FALSE(Other->GetEnabled());
  action->Free();
  EXPECT_EQ(Other->GetAction(), nullptr);
}

}  // namespace
