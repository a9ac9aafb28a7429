// Popup windows: opened against their owner, closed by a click outside (which reaches its target),
// by a click on the owner, by switching programs, by hiding or closing the owner, nested in one
// another; the owner form keeps its caption and stays activated meanwhile; a popup without its own
// loop gets only the system keys it accepts; Esc first gives up a mouse capture; a close asked for
// inside an event comes after it.
#include "PixelSurface.h"
#include "cxContainerTestSupport.h"

using namespace cxControlsTest;
using namespace cxContainerTest;

namespace {

class Popups : public TControlsFixture {
 protected:
  TTestContainer* Owner = nullptr;
  TButton* Other = nullptr;
  int OtherClicks = 0;
  std::vector<TTestPopup*> Made;

  void SetUp() override {
    TControlsFixture::SetUp();
    Owner = Add<TTestContainer>(20, 20, 150, 24);
    Owner->AddInnerControl();
    Other = Add<TButton>(20, 200, 80, 24);
    Other->OnClick = [this](TObject*) { ++OtherClicks; };
    ShowForm();
  }
  void TearDown() override {
    for (TTestPopup* p : Made) p->Free();
    TControlsFixture::TearDown();
  }
  // A popup below AOwner; without its own message loop unless AModal.
  TTestPopup* MakePopup(TWinControl* AOwner, bool AModal = false) {
    auto* p = New<TTestPopup>(AOwner);
    p->SetModalMode(AModal);
    p->SetOwnerBounds(AOwner->GetBoundsRect());
    Made.push_back(p);
    return p;
  }
  static void ClickAt(TControl* c, int x, int y) {
    const TPoint p = c->ClientToScreen(TPoint(x, y));
    InjectClick(p.x, p.y);
  }
};

TEST_F(Popups, AFocusTakingPopupOpensBelowItsOwnerAndKeepsTheOwnerFormActive) {
  std::vector<String> formEvents;
  Form->OnDeactivate = [&](TObject*) { formEvents.push_back("deactivate"); };
  TWndMethod passOn = Form->WindowProc;
  Form->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_NCACTIVATE && !m.WParam) formEvents.push_back("caption inactive");
    passOn(m);
  };
  Owner->GetInnerControl()->SetFocus();
  Application->ProcessMessages();
  formEvents.clear();
  auto* popup = MakePopup(Owner);
  popup->Popup(popup->Button);
  Application->ProcessMessages();
  EXPECT_TRUE(popup->IsVisible());
  EXPECT_EQ(popup->Events, (std::vector<String>{"showing", "showed"}));
  const TPoint below = Owner->ClientToScreen(TPoint(0, Owner->GetHeight()));
  EXPECT_EQ(popup->GetBoundsRect().TopLeft(), below) << "against the owner's screen bounds";
  EXPECT_EQ(GetWindow(popup->GetHandle(), GW_OWNER), Form->GetHandle());
  EXPECT_TRUE(GetWindowLong(popup->GetHandle(), GWL_STYLE) & WS_POPUP);
  EXPECT_EQ(GetFocus(), popup->Button->GetHandle());
  EXPECT_TRUE(popup->Focused());
  EXPECT_TRUE(formEvents.empty()) << "the owner form is neither deactivated nor drawn inactive";
  Form->WindowProc = passOn;
  // Open twice does nothing; closing fires the closing events once.
  popup->Popup(popup->Button);
  popup->CloseUp();
  popup->CloseUp();
  EXPECT_FALSE(popup->IsVisible());
  EXPECT_EQ(popup->Events, (std::vector<String>{"showing", "showed", "closing", "closed"}));
  // Changing what kind of window it is makes the window again and opens it again.
  popup->Popup(popup->Button);
  popup->Events.clear();
  popup->SetCaptureFocus(false);
  EXPECT_TRUE(popup->IsVisible());
  EXPECT_TRUE(GetWindowLong(popup->GetHandle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_EQ(popup->Events, (std::vector<String>{"closing", "closed", "showing", "showed"}));
  popup->CloseUp();
}

TEST_F(Popups, AClickElsewhereOnTheFormClosesTheModalPopupAndReachesItsTarget) {
  auto* popup = MakePopup(Owner, true);
  // The loop runs inside Popup: the click waits in the input queue by then.
  popup->OnShowed = [this](TObject*) { ClickAt(Other, 10, 10); };
  popup->Popup(nullptr);
  EXPECT_FALSE(popup->IsVisible()) << "Popup returns once its loop has closed it";
  Application->ProcessMessages();
  EXPECT_EQ(OtherClicks, 1);
  EXPECT_EQ(popup->Events, (std::vector<String>{"showing", "showed", "closing", "closed"}));
}

TEST_F(Popups, AClickOnTheOwnerClosesThePopupAndReachesTheOwnerUnlessToBeIgnored) {
  int ownerPresses = 0;
  Owner->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, Integer, Integer) { ++ownerPresses; };
  auto* popup = MakePopup(Owner);
  popup->Popup(nullptr);
  Application->ProcessMessages();
  ClickAt(Owner, 1, 12);  // on the container itself, outside its inner control
  Application->ProcessMessages();
  EXPECT_FALSE(popup->IsVisible());
  EXPECT_EQ(ownerPresses, 1);
  EXPECT_FALSE(popup->GetJustClosed());
  // A popup that asks the owner to ignore the closing click marks itself just closed.
  popup->IgnoreClickAfterCloseUp = true;
  popup->Popup(nullptr);
  Application->ProcessMessages();
  ClickAt(Owner, 1, 12);
  Application->ProcessMessages();
  EXPECT_FALSE(popup->IsVisible());
  EXPECT_EQ(ownerPresses, 2) << "the left click on the owner still reaches it";
  EXPECT_TRUE(popup->GetJustClosed());
  EXPECT_FALSE(popup->GetJustClosed()) << "reading the mark clears it";
  // Elsewhere such a click is swallowed.
  popup->Popup(nullptr);
  Application->ProcessMessages();
  ClickAt(Other, 10, 10);
  Application->ProcessMessages();
  EXPECT_FALSE(popup->IsVisible());
  EXPECT_EQ(OtherClicks, 0);
}

TEST_F(Popups, SwitchingToAnotherProgramClosesThePopupsThatDoNotHoldTheFocus) {
  auto* holding = MakePopup(Owner);
  auto* tool = MakePopup(Other);
  tool->SetCaptureFocus(false);
  holding->Popup(holding->Button);
  tool->Popup(nullptr);
  Application->ProcessMessages();
  ASSERT_TRUE(holding->IsVisible());
  ASSERT_TRUE(tool->IsVisible());
  EXPECT_FALSE(GetWindowLong(tool->GetHandle(), GWL_STYLE) & WS_POPUP);
  EXPECT_TRUE(GetWindowLong(tool->GetHandle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_EQ(Screen->ActiveForm(), holding) << "the tool window did not take the activation";
  SendMessage(Form->GetHandle(), WM_ACTIVATEAPP, FALSE, 0);
  Application->ProcessMessages();
  EXPECT_FALSE(tool->IsVisible());
  EXPECT_TRUE(holding->IsVisible()) << "the popup that has the focus stays";
  holding->CloseUp();
}

TEST_F(Popups, HidingTheOwnerClosesItsPopupAndThoseOpenedAfterItLatestFirst) {
  std::vector<String> order;
  auto* outer = MakePopup(Owner);
  auto* nested = MakePopup(outer->Button);
  outer->OnClosed = [&](TObject*) { order.push_back("outer"); };
  nested->OnClosed = [&](TObject*) { order.push_back("nested"); };
  auto openBoth = [&] {
    outer->Popup(outer->Button);
    nested->Popup(nested->Button);
    Application->ProcessMessages();
    ASSERT_TRUE(outer->IsVisible() && nested->IsVisible());
    order.clear();
  };
  openBoth();
  EXPECT_TRUE(IsChildWindow(outer, nested->Button->GetHandle())) << "a popup opened on a popup lies in it";
  EXPECT_TRUE(IsChildWindow(Owner, outer->GetHandle())) << "a popup lies in its owner";
  // A click inside the nested popup leaves both open; one on its owner button closes only it.
  ClickAt(nested, 100, 50);
  Application->ProcessMessages();
  EXPECT_TRUE(nested->IsVisible());
  EXPECT_TRUE(outer->IsVisible());
  ClickAt(outer->Button, 5, 5);
  Application->ProcessMessages();
  EXPECT_FALSE(nested->IsVisible());
  EXPECT_TRUE(outer->IsVisible());
  // The owner's window hidden: its popup and the one opened on it close, the latest first.
  openBoth();
  ShowWindow(Owner->GetHandle(), SW_HIDE);
  Application->ProcessMessages();
  EXPECT_FALSE(outer->IsVisible());
  EXPECT_FALSE(nested->IsVisible());
  EXPECT_EQ(order, (std::vector<String>{"nested", "outer"}));
  ShowWindow(Owner->GetHandle(), SW_SHOW);
  // The owner control hidden moves out of sight: its popup closes; the one opened on that popup
  // closes with the next click, which reaches its target.
  openBoth();
  Owner->Hide();
  Application->ProcessMessages();
  EXPECT_EQ(order, std::vector<String>{"outer"});
  EXPECT_TRUE(nested->IsVisible());
  ClickAt(Other, 10, 10);
  Application->ProcessMessages();
  EXPECT_FALSE(nested->IsVisible());
  EXPECT_EQ(OtherClicks, 1);
  outer->OnClosed = nested->OnClosed = TNotifyEvent();
}

TEST_F(Popups, ClosingAFocusTakingPopupClosesTheOwnersWindowAsAltF4Would) {
  auto* popup = MakePopup(Owner);
  popup->Popup(popup->Button);
  Application->ProcessMessages();
  SetKeyState(VK_MENU, true);
  InjectKeyPress(VK_F4);
  Application->ProcessMessages();
  SetKeyState(VK_MENU, false);
  EXPECT_FALSE(popup->IsVisible());
  EXPECT_FALSE(Form->GetVisible()) << "the form the popup was opened from closed";
  // A popup that does not take the focus closes with its owner's form.
  ShowForm();
  auto* tool = MakePopup(Owner);
  tool->SetCaptureFocus(false);
  tool->Popup(nullptr);
  Application->ProcessMessages();
  SendMessage(Form->GetHandle(), WM_CLOSE, 0, 0);
  Application->ProcessMessages();
  EXPECT_FALSE(tool->IsVisible());
}

TEST_F(Popups, APopupWithoutItsOwnLoopTakesOnlyTheSystemKeysItAccepts) {
  auto* popup = MakePopup(Owner);
  popup->Popup(popup->Button);
  Application->ProcessMessages();
  std::vector<WPARAM> keys;
  TWndMethod passOn = popup->Button->WindowProc;
  popup->Button->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_SYSKEYDOWN) keys.push_back(m.WParam);
    passOn(m);
  };
  SetKeyState(VK_MENU, true);
  InjectKeyPress('X');
  InjectKeyPress(VK_DOWN);
  Application->ProcessMessages();
  SetKeyState(VK_MENU, false);
  popup->Button->WindowProc = passOn;
  EXPECT_EQ(keys, std::vector<WPARAM>{VK_DOWN});
  for (Word key : {VK_PRIOR, VK_NEXT, VK_END, VK_HOME, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_F4})
    EXPECT_TRUE(popup->IsSysKeyAccepted(key)) << key;
  EXPECT_FALSE(popup->IsSysKeyAccepted(VK_RETURN));
  popup->CloseUp();
}

TEST_F(Popups, EscapeFirstGivesUpTheMouseCapture) {
  auto* popup = MakePopup(Owner);
  popup->Popup(popup->Button);
  Application->ProcessMessages();
  SetCapture(popup->GetHandle());
  InjectKeyPress(VK_ESCAPE);
  Application->ProcessMessages();
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_TRUE(popup->IsVisible());
  popup->CloseUp();
}

TEST_F(Popups, AClosePoppedFromAnEventComesAfterItAndFocusesTheOwner) {
  auto* popup = MakePopup(Owner);
  bool visibleInHandler = false;
  popup->Button->OnClick = [&](TObject*) {
    popup->ClosePopup();
    visibleInHandler = popup->IsVisible();
  };
  int ownerFocusMessages = 0;
  TWndMethod passOn = Owner->WindowProc;
  Owner->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_SETFOCUS) ++ownerFocusMessages;
    passOn(m);
  };
  popup->Popup(popup->Button);
  Application->ProcessMessages();
  ownerFocusMessages = 0;
  popup->Button->Click();
  EXPECT_TRUE(visibleInHandler);
  Application->ProcessMessages();
  Owner->WindowProc = passOn;
  EXPECT_FALSE(popup->IsVisible());
  EXPECT_GE(ownerFocusMessages, 1);
}

TEST_F(Popups, AnotherFormTakingTheFocusClosesThePopupAndAFreedPopupLeavesTheList) {
  auto* popup = MakePopup(Owner);
  popup->Popup(popup->Button);
  Application->ProcessMessages();
  auto* other = TCustomForm::CreateNew<TForm>(nullptr);
  other->SetBounds(600, 500, 200, 100);
  other->Show();
  Application->ProcessMessages();
  EXPECT_FALSE(popup->IsVisible());
  other->Free();
  // Freed while open: it leaves the list of open popups without its closing events.
  auto* freed = New<TTestPopup>(Owner);
  freed->SetModalMode(false);
  freed->SetOwnerBounds(Owner->GetBoundsRect());
  freed->Popup(nullptr);
  Application->ProcessMessages();
  ASSERT_TRUE(freed->IsVisible());
  freed->OnClosing = [](TObject*) { ADD_FAILURE() << "no closing events for a freed popup"; };
  freed->Free();
  ClickAt(Other, 10, 10);  // the hooks find no popup of the freed one
  Application->ProcessMessages();
  EXPECT_EQ(OtherClicks, 1);
}

TEST_F(Popups, APopupThatTakesAnySizeIsFittedIntoTheWorkArea) {
  TWorkAreaOverride area(RECT{0, 0, 800, 600});
  auto* popup = MakePopup(Owner);
  popup->AnySize = true;
  popup->SetBounds(0, 0, 300, 400);
  TPoint p(650, 350);
  popup->CorrectBoundsWithDesktopWorkArea(p);
  EXPECT_EQ(p, TPoint(650, 350));
  EXPECT_EQ(popup->GetWidth(), 150);
  EXPECT_EQ(popup->GetHeight(), 250);
  p = TPoint(-20, -10);
  popup->SetBounds(0, 0, 300, 400);
  popup->CorrectBoundsWithDesktopWorkArea(p);
  EXPECT_EQ(p, TPoint(0, 0));
  EXPECT_EQ(popup->GetWidth(), 280);
  EXPECT_EQ(popup->GetHeight(), 390);
  popup->AnySize = false;
  p = TPoint(-20, -10);
  popup->CorrectBoundsWithDesktopWorkArea(p);
  EXPECT_EQ(p, TPoint(-20, -10)) << "a popup of fixed size is left alone";
}

TEST_F(Popups, AnOpenPopupAsPainted) {
  auto* popup = MakePopup(Owner);
  popup->SetBounds(0, 0, 150, 70);
  TcxContainerViewInfo* viewInfo = popup->GetViewInfo();
  viewInfo->Bounds = TRect(0, 0, 150, 70);
  viewInfo->BorderRect = TRect(1, 1, 149, 69);
  viewInfo->ClientRect = viewInfo->BorderRect;
  viewInfo->BorderStyle = cbsSingle;
  viewInfo->BorderWidth = 1;
  viewInfo->BorderColor = clHighlight;
  viewInfo->Edges = cxBordersAll;
  viewInfo->SetBackgroundColor(clWindow);
  popup->Button->SetCaption("确定");
  Owner->GetInnerControl()->SetText("下拉");
  popup->Popup(popup->Button);
  Application->ProcessMessages();
  HDC dc = GetDC(popup->GetHandle());
  EXPECT_EQ(GetPixel(dc, 0, 30) & 0xFFFFFF, PixelSurface::RGBOf(clHighlight));
  EXPECT_EQ(GetPixel(dc, 100, 50) & 0xFFFFFF, PixelSurface::RGBOf(clWindow));
  ReleaseDC(popup->GetHandle(), dc);
  EXPECT_TRUE(SaveScreenPng(testing::TempDir() + "container-open-popup.png"));
  popup->CloseUp();
}

TEST_F(Popups, APopupWhoseWindowGoesWhileOpenIsClosedAndOpensAgainLater) {
  auto* second = TCustomForm::CreateNew<TForm>(nullptr);
  second->SetBounds(500, 100, 300, 200);
  auto* secondOwner = CreateComponent<TTestContainer>(second);
  secondOwner->SetParent(second);
  secondOwner->SetBounds(10, 10, 120, 24);
  second->Show();
  Application->ProcessMessages();
  auto* popup = MakePopup(secondOwner);
  popup->Popup(popup->Button);
  Application->ProcessMessages();
  ASSERT_EQ(GetWindow(popup->GetHandle(), GW_OWNER), second->GetHandle());
  // The form the popup's window belongs to goes, and the window with it (while the popup does not
  // close on losing the activation).
  popup->LockDeactivate(true);
  second->Free();
  Application->ProcessMessages();
  popup->LockDeactivate(false);
  EXPECT_FALSE(popup->IsVisible());
  EXPECT_EQ(popup->Events.back(), "closed");
  popup->SetOwnerControl(Owner);
  popup->SetOwnerBounds(Owner->GetBoundsRect());
  popup->Popup(popup->Button);
  Application->ProcessMessages();
  EXPECT_TRUE(popup->IsVisible()) << "not left listed as open";
  popup->CloseUp();
}

}  // namespace
