// The container unit's routines: removing queued messages without losing a quit request, disabling
// the program's windows around a modal operation (nested), re-enabling only windows that still
// exist, the shadow region of a window, rectangles by borders, the popup owner lookup and when a
// control may show its hint.
#include "cxContainerTestSupport.h"

using namespace cxControlsTest;
using namespace cxContainerTest;

namespace {

class ContainerUtils : public TControlsFixture {};

TEST_F(ContainerUtils, KillMessagesRemovesTheRangeButNeverAQuitRequest) {
  ShowForm();
  const HWND wnd = Form->GetHandle();
  PostMessage(wnd, WM_USER + 1, 0, 0);
  PostMessage(wnd, WM_USER + 2, 0, 0);
  PostMessage(wnd, WM_USER + 9, 0, 0);
  EXPECT_TRUE(KillMessages(wnd, WM_USER + 1, WM_USER + 2, false));
  MSG msg;
  EXPECT_TRUE(PeekMessage(&msg, wnd, WM_USER + 2, WM_USER + 2, PM_NOREMOVE)) << "only the first was removed";
  EXPECT_TRUE(KillMessages(wnd, WM_USER + 1, WM_USER + 2, true));
  EXPECT_FALSE(PeekMessage(&msg, wnd, WM_USER + 1, WM_USER + 2, PM_NOREMOVE));
  EXPECT_TRUE(PeekMessage(&msg, wnd, WM_USER + 9, WM_USER + 9, PM_REMOVE)) << "outside the range it stays";
  // A quit request met is posted again and ends the removal; it alone counts as nothing removed.
  PostQuitMessage(3);
  EXPECT_FALSE(KillMessages(nullptr, 0, 0xFFFF, true));
  ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(ContainerUtils, NestedDisablingEnablesTheWindowsOnceAtTheOutermostEnd) {
  ShowForm();
  auto* second = TCustomForm::CreateNew<TForm>(nullptr);
  second->Show();
  Application->ProcessMessages();
  bool switching = false;
  TWndMethod passOn = Form->WindowProc;
  Form->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_ENABLE) switching = IsInternalWindowsDisabling();
    passOn(m);
  };
  DisableAppWindows(true);
  EXPECT_TRUE(switching) << "the windows are switched under the indicator";
  EXPECT_FALSE(IsInternalWindowsDisabling());
  DisableAppWindows(true);
  EXPECT_TRUE(IsInternalWindowsDisabled());
  EXPECT_FALSE(IsWindowEnabled(Form->GetHandle()));
  EXPECT_FALSE(IsWindowEnabled(second->GetHandle()));
  EnableAppWindows();
  EXPECT_FALSE(IsWindowEnabled(Form->GetHandle())) << "the inner end enables nothing";
  EnableAppWindows();
  EXPECT_TRUE(IsWindowEnabled(Form->GetHandle()));
  EXPECT_TRUE(IsWindowEnabled(second->GetHandle()));
  EXPECT_FALSE(IsInternalWindowsDisabled());
  EnableAppWindows();  // unbalanced: nothing happens
  EXPECT_FALSE(IsInternalWindowsDisabled());
  Form->WindowProc = passOn;
  // Only the outermost call's flag counts.
  DisableAppWindows(false);
  DisableAppWindows(true);
  EXPECT_TRUE(IsWindowEnabled(Form->GetHandle()));
  EnableAppWindows();
  EnableAppWindows();
  second->Free();
}

TEST_F(ContainerUtils, EnableWindowsSkipsWindowsDestroyedMeanwhile) {
  ShowForm();
  auto* second = TCustomForm::CreateNew<TForm>(nullptr);
  second->Show();
  std::vector<HWND> list;
  DisableWindow(&list, Form->GetHandle());
  DisableWindow(&list, second->GetHandle());
  DisableWindow(&list, second->GetHandle());
  EXPECT_EQ(list.size(), 2u) << "a disabled window is not noted again";
  second->Free();
  EnableWindows(&list);
  EXPECT_TRUE(IsWindowEnabled(Form->GetHandle()));
  EnableWindows(nullptr);
}

TEST_F(ContainerUtils, AWindowsShadowRegionIsReplacedOnlyWhenItDiffers) {
  ShowForm();
  const HWND wnd = Form->GetHandle();
  SetWindowShadowRegion(wnd, TRect(0, 0, 100, 50), false, TRect(10, 10, 20, 20), true);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(wnd, region), ERROR);
  EXPECT_TRUE(PtInRegion(region, 101, 51)) << "the shadow";
  EXPECT_FALSE(PtInRegion(region, 101, 1)) << "beside the body, above the shadow";
  EXPECT_FALSE(PtInRegion(region, 15, 15)) << "the exclusion";
  Application->ProcessMessages();
  int repaints = 0;
  TWndMethod passOn = Form->WindowProc;
  Form->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_NCPAINT) ++repaints;
    passOn(m);
  };
  SetWindowShadowRegion(wnd, TRect(0, 0, 100, 50), false, TRect(10, 10, 20, 20), true);
  Application->ProcessMessages();
  EXPECT_EQ(repaints, 0) << "the same region is not set again";
  SetWindowShadowRegion(wnd, TRect(0, 0, 100, 50), true, TRect(), false);
  EXPECT_EQ(GetWindowRgn(wnd, region), ERROR) << "no region asked for: the window's goes";
  Form->WindowProc = passOn;
  DeleteObject(region);
}

TEST_F(ContainerUtils, RectanglesMoveTheSidesTheBordersName) {
  TRect r(10, 10, 50, 50);
  ExtendRectByBorders(r, 2, {bLeft, bBottom});
  EXPECT_EQ(r, TRect(8, 10, 50, 52));
  r = TRect(10, 10, 50, 50);
  InflateRectByBorders(r, 2, {bLeft, bBottom});
  EXPECT_EQ(r, TRect(10, 12, 48, 50));
  EXPECT_TRUE(InternalCompareString("价格abc", "价格ABC", false));
  EXPECT_FALSE(InternalCompareString("价格abc", "价格ABC", true));
  EXPECT_EQ(ButtonTocxButton(mbMiddle), cxmbMiddle);
  EXPECT_EQ(MouseButtonToShift(mbRight), TShiftState{ssRight});
}

TEST_F(ContainerUtils, WindowsOnAPopupDockAgainstItsOwner) {
  auto* owner = Add<TTestContainer>(10, 10, 100, 24);
  owner->AddInnerControl();
  ShowForm();
  auto* popup = New<TTestPopup>(owner);
  popup->SetModalMode(false);
  popup->SetOwnerBounds(owner->GetBoundsRect());
  popup->Popup(nullptr);
  Application->ProcessMessages();
  EXPECT_EQ(cxGetParentWndForDocking(popup->Button->GetHandle()), owner->GetHandle());
  EXPECT_EQ(cxGetParentWndForDocking(Form->GetHandle()), Form->GetHandle());
  EXPECT_EQ(FindFirstNonChildParentWindow(owner->GetInnerControl()->GetHandle()), Form->GetHandle());
  EXPECT_EQ(GetcxContainer(owner->GetInnerControl()), owner);
  EXPECT_EQ(GetcxContainer(owner), owner);
  EXPECT_FALSE(HasOpenedPopupWindow(owner));
  popup->Free();
}

TEST_F(ContainerUtils, AControlShowsItsHintOnlyUnderThePointerOfAnActiveProgram) {
  auto* c = Add<TTestContainer>(10, 10, 100, 24);
  ShowForm();
  MoveTo(c, 50, 12);
  EXPECT_TRUE(CanShowHint(c));
  MoveTo(Form, 300, 200);
  EXPECT_FALSE(CanShowHint(c));
  c->Hide();
  EXPECT_FALSE(CanShowHint(c));
}

TEST_F(ContainerUtils, AnInactiveFormShowsHintsOnlyForTheOwnerOfAnOpenPopup) {
  auto* c = Add<TTestContainer>(10, 10, 100, 24);
  auto* elsewhere = Add<TTestContainer>(10, 100, 100, 24);
  ShowForm();
  auto* active = TCustomForm::CreateNew<TForm>(nullptr);
  active->SetBounds(600, 500, 200, 100);
  active->Show();
  Application->ProcessMessages();
  ASSERT_FALSE(Form->GetActive());
  MoveTo(c, 50, 12);
  EXPECT_FALSE(CanShowHint(c)) << "no popup open";
  auto popup = TOwnedPtr<TTestPopup>(New<TTestPopup>(c));
  popup->SetModalMode(false);
  popup->SetCaptureFocus(false);
  popup->SetOwnerBounds(c->GetBoundsRect());
  popup->Popup(nullptr);
  Application->ProcessMessages();
  ASSERT_TRUE(popup->IsVisible());
  EXPECT_TRUE(CanShowHint(c)) << "the form holds the owner of the open popup";
  MoveTo(elsewhere, 50, 12);
  EXPECT_TRUE(CanShowHint(elsewhere)) << "any control of that form";
  popup->CloseUp();
  EXPECT_FALSE(CanShowHint(elsewhere));
  active->Free();
}

TEST_F(ContainerUtils, HooksInstalledOnDemandCloseThePopupsAsWell) {
  auto* owner = Add<TTestContainer>(10, 10, 100, 24);
  owner->AddInnerControl();
  auto* other = Add<TButton>(10, 100, 80, 24);
  int clicks = 0;
  other->OnClick = [&](TObject*) { ++clicks; };
  ShowForm();
  SetHooksSettingMode(true);
  auto popup = TOwnedPtr<TTestPopup>(New<TTestPopup>(owner));
  popup->SetModalMode(false);
  popup->SetOwnerBounds(owner->GetBoundsRect());
  for (int round = 0; round < 2; ++round) {
    popup->Popup(nullptr);
    Application->ProcessMessages();
    ASSERT_TRUE(popup->IsVisible());
    const TPoint p = other->ClientToScreen(TPoint(5, 5));
    InjectClick(p.x, p.y);
    Application->ProcessMessages();
    EXPECT_FALSE(popup->IsVisible()) << round;
  }
  EXPECT_EQ(clicks, 2);
  SetHooksSettingMode(false);
}

}  // namespace
