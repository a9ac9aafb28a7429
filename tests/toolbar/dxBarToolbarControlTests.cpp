// The window of a real toolbar: shown in the form's top dock and clicked, its non-client hit-testing
// docked and floating, the docked and floating windows kept while it moves, floating sizing and the
// work area, the caption double click, the close button's loop, the mark's hint timer and the
// position it writes back.
#include <gtest/gtest.h>

#include "Forms.h"
#include "HeadlessBackend.h"
#include "WinUser.h"
#include "cxGeometry.h"
#include "dxBar.h"
#include "dxBarBar.h"
#include "dxBarButton.h"
#include "dxBarDock.h"
#include "dxBarItemControl.h"
#include "dxBarItemLinks.h"
#include "dxBarTestSupport.h"
#include "dxBarToolbarControl.h"

namespace {

struct ToolbarWindow : testing::Test {
  TOwnedPtr<TForm> Form{dxBarTests::NewTestForm()};
  TdxBarManager* Manager = nullptr;
  TdxBar* Bar = nullptr;
  std::vector<TdxBarButton*> Buttons;
  int Clicks = 0;

  void SetUp() override {
    Form->SetBounds(50, 50, 500, 300);
    Manager = New<TdxBarManager>(Form.get());
    Manager->SetStyle(bmsOffice11);
    Form->Show();
    Bar = Manager->GetBars()->Add();
    Bar->SetCaption("Tools");
    for (const char* caption : {"New", "Close"}) {
      auto* button = static_cast<TdxBarButton*>(Manager->AddButton());
      button->SetCaption(caption);
      button->SetOnClick([this](TObject*) { ++Clicks; });
      Bar->GetItemLinks()->Add(button);
      Buttons.push_back(button);
    }
    Bar->SetDockingStyle(dsTop);
    Bar->SetVisible(true);
    Application->ProcessMessages();
  }
  void TearDown() override { Form.reset(); }
  TdxBarControl* Window() { return dynamic_cast<TdxBarControl*>(Bar->GetControl()); }
  TdxBarItemControl* ControlOf(Integer AIndex) { return Bar->GetItemLinks()->GetItem(AIndex)->GetControl(); }
  TPoint CentreOf(Integer AIndex) {
    const TRect R = Window()->GetItemRect(ControlOf(AIndex));
    return TPoint((R.left + R.right) / 2, (R.top + R.bottom) / 2);
  }
  // The window's answer to WM_NCHITTEST at a window point, with the hit the press there means.
  std::pair<LRESULT, Integer> HitAt(const TPoint& AWindowPoint) {
    const TRect window = Window()->GetWindowRect();
    const LRESULT result = SendMessage(Window()->GetHandle(), WM_NCHITTEST, 0,
                                       MAKELPARAM(window.left + AWindowPoint.x, window.top + AWindowPoint.y));
    return {result, Window()->GetLastHitTest()};
  }
  void Float() {
    Bar->SetDockingStyle(dsNone);
    Application->ProcessMessages();
    ASSERT_NE(Window(), nullptr);
    ASSERT_EQ(Window()->GetDockingStyle(), dsNone);
  }
};

TEST_F(ToolbarWindow, ADockedToolbarShowsInTheTopDockAndClicksItsButtons) {
  TdxBarControl* window = Window();
  ASSERT_NE(window, nullptr);
  TdxDockControl* top = Manager->GetInternalDockControl(dsTop);
  EXPECT_EQ(window->GetDockControl(), top);
  EXPECT_EQ(window->GetParent(), top);
  ASSERT_TRUE(window->HandleAllocated());
  EXPECT_EQ(GetParent(window->GetHandle()), top->GetHandle());
  EXPECT_TRUE(IsWindowVisible(window->GetHandle()));
  const TRect first = window->GetItemRect(ControlOf(0)), second = window->GetItemRect(ControlOf(1));
  EXPECT_FALSE(cxRectIsEmpty(first));
  EXPECT_EQ(second.left, first.right) << "the buttons lie side by side";
  EXPECT_LE(second.right, window->GetClientWidth());

  EXPECT_TRUE(SaveWindowPng(top->GetHandle(), testing::TempDir() + "toolbar-window-docked.png"));
  const TPoint p = CentreOf(0);
  SendMessage(window->GetHandle(), WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
  SendMessage(window->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  SendMessage(window->GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
  EXPECT_EQ(Clicks, 1);
  const TPoint off = CentreOf(1);
  SendMessage(window->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  SendMessage(window->GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(off.x + 200, off.y));
  EXPECT_EQ(Clicks, 1) << "a release off the button runs nothing";
}

TEST_F(ToolbarWindow, DockedHitTestMovesFromTheGripAndEmptySpaceOnly) {
  const TPoint origin = Window()->GetClientOffset();
  const TPoint item = CentreOf(0);
  const TRect client = Window()->GetClientRect();
  ASSERT_TRUE(Window()->MarkExists());
  struct TCase {
    const char* Name;
    TPoint Point;
    Integer LastHit;
  };
  const TCase cases[] = {
      {"the grip before the client area", TPoint(1, origin.y + 2), HTCAPTION},
      {"an item that wants the mouse", TPoint(origin.x + item.x, origin.y + item.y), HTCLIENT},
      {"the mark", TPoint(origin.x + client.right - 2, origin.y + 2), 0},
  };
  for (const TCase& c : cases) {
    const auto [result, last] = HitAt(c.Point);
    EXPECT_EQ(result, HTCLIENT) << c.Name;
    EXPECT_EQ(last, c.LastHit) << c.Name;
  }
}

TEST_F(ToolbarWindow, FloatingHitTestGivesTheBorderBandsInOrder) {
  Float();
  const TRect window = Window()->GetNCRect();
  const TRect close = Window()->CloseButtonRectNC();
  const Integer w = window.Width(), h = window.Height();
  EXPECT_TRUE(SaveWindowPng(Window()->GetHandle(), testing::TempDir() + "toolbar-window-floating.png"));
  struct TCase {
    const char* Name;
    TPoint Point;
    Integer Hit;
  };
  const TCase cases[] = {
      {"top band", TPoint(w / 2, 0), HTTOP},
      {"top left corner counts as top", TPoint(0, 0), HTTOP},
      {"right band", TPoint(w - 1, h / 2), HTRIGHT},
      {"bottom right corner counts as right", TPoint(w - 1, h - 1), HTRIGHT},
      {"bottom band", TPoint(w / 2, h - 1), HTBOTTOM},
      {"bottom left corner counts as bottom", TPoint(0, h - 1), HTBOTTOM},
      {"left band", TPoint(0, h / 2), HTLEFT},
  };
  for (const TCase& c : cases) {
    const auto [result, last] = HitAt(c.Point);
    EXPECT_EQ(result, c.Hit) << c.Name;
    EXPECT_EQ(last, c.Hit) << c.Name;
  }
  ASSERT_FALSE(cxRectIsEmpty(close));
  EXPECT_EQ(HitAt(TPoint((close.left + close.right) / 2, (close.top + close.bottom) / 2)).second, HTCLOSE);
  EXPECT_EQ(HitAt(TPoint(close.left - 20, (close.top + close.bottom) / 2)),
            std::make_pair(LRESULT(HTCLIENT), Integer(HTCAPTION)))
      << "the caption moves the toolbar";
}

TEST_F(ToolbarWindow, MovingKeepsTheDockedAndFloatingWindowsAndReleasesTheUnusedOne) {
  TdxBarControl* window = Window();
  HWND docked = window->GetHandle();
  TdxDockControl* top = Manager->GetInternalDockControl(dsTop);
  window->SetMoving(true);
  ASSERT_TRUE(window->GetMoving());
  EXPECT_EQ(window->GetHandle(), docked) << "the docked window stays";
  EXPECT_TRUE(IsWindowVisible(docked));
  HWND floating = window->GetFloatingHandle();
  ASSERT_TRUE(IsWindow(floating));
  EXPECT_NE(floating, docked);

  window->ChangeStyleWinTo(dsNone, nullptr);
  EXPECT_EQ(window->GetHandle(), floating) << "the kept floating window is taken back";
  EXPECT_TRUE(IsWindow(docked));
  EXPECT_FALSE(IsWindowVisible(docked));
  EXPECT_NE(ControlOf(0), nullptr) << "the item controls come back on the new window";

  window->ChangeStyleWinTo(dsTop, top);
  EXPECT_EQ(window->GetHandle(), docked);
  EXPECT_EQ(GetParent(docked), top->GetHandle());
  window->SetMoving(false);
  EXPECT_FALSE(IsWindow(floating)) << "the window not in use is destroyed when moving ends";
  EXPECT_TRUE(IsWindowVisible(docked));
  EXPECT_EQ(FindControl(docked), window);
  EXPECT_TRUE(Bar->GetVisible()) << "destroying the kept window does not hide the toolbar";
}

TEST_F(ToolbarWindow, FloatingSizingKeepsTheOppositeEdgeAndTheTopOnScreen) {
  Float();
  TdxBarControl* window = Window();
  const TRect current = window->GetBoundsRect();
  RECT R = {current.left - 30, current.top, current.right, current.bottom};
  SendMessage(window->GetHandle(), WM_SIZING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&R));
  EXPECT_EQ(R.right, current.right) << "the right edge stays";
  const Integer ncX = Bar->BarNCSizeX(dsNone), ncY = Bar->BarNCSizeY(dsNone);
  const TPoint size = window->GetSizeForWidth(dsNone, current.Width() + 30 - ncX);
  EXPECT_EQ(R.right - R.left, size.x + ncX);
  EXPECT_EQ(R.bottom - R.top, size.y + ncY) << "the layout chooses the height";

  RECT corner = {0, 0, 10, 10};
  SendMessage(window->GetHandle(), WM_SIZING, WMSZ_TOPLEFT, reinterpret_cast<LPARAM>(&corner));
  EXPECT_EQ(TRect(corner.left, corner.top, corner.right, corner.bottom), current) << "corners are refused";

  RECT high = {current.left, -100, current.right, -100 + current.Height()};
  SendMessage(window->GetHandle(), WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&high));
  EXPECT_EQ(high.top, -15) << "the top never goes above -15";
}

TEST_F(ToolbarWindow, AFloatingToolbarMovedBesideTheWorkAreaComesBack) {
  Float();
  TdxBarControl* window = Window();
  SetCursorPos(300, 300);
  const TRect work = GetWorkArea(TPoint(300, 300));
  const Integer width = window->GetWidth(), height = window->GetHeight();
  struct TCase {
    const char* Name;
    TPoint Requested, Expected;
  };
  const TCase cases[] = {
      {"left of it", TPoint(work.left - width - 50, 100), TPoint(work.left, 100)},
      {"above it", TPoint(100, work.top - height - 50), TPoint(100, work.top)},
      {"right of it", TPoint(work.right + 10, 100), TPoint(work.right - width, 100)},
      {"below it", TPoint(100, work.bottom + 10), TPoint(100, work.bottom - height)},
      {"left and below: the later test decides", TPoint(work.left - width - 50, work.bottom + 10),
       TPoint(work.left - width - 50, work.bottom - height)},
  };
  for (const TCase& c : cases) {
    SetWindowPos(window->GetHandle(), nullptr, c.Requested.x, c.Requested.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    const TRect R = window->GetWindowRect();
    EXPECT_EQ(TPoint(R.left, R.top), c.Expected) << c.Name;
  }
}

TEST_F(ToolbarWindow, DoubleClickOnTheCaptionTogglesDocking) {
  TdxBarControl* window = Window();
  HitAt(TPoint(1, window->GetClientOffset().y + 2));
  ASSERT_EQ(window->GetLastHitTest(), HTCAPTION);
  SendMessage(window->GetHandle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(-2, 2));
  Application->ProcessMessages();
  ASSERT_NE(Window(), nullptr);
  EXPECT_EQ(Bar->GetDockingStyle(), dsNone) << "the docked toolbar floats";

  const TRect caption = Window()->GetCaptionRect();
  HitAt(TPoint(caption.left + 3, (caption.top + caption.bottom) / 2));
  ASSERT_EQ(Window()->GetLastHitTest(), HTCAPTION);
  SendMessage(Window()->GetHandle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(0, -5));
  Application->ProcessMessages();
  EXPECT_EQ(Bar->GetDockingStyle(), dsTop) << "the floating toolbar docks where it was";
  ASSERT_NE(Window(), nullptr);
  EXPECT_EQ(Window()->GetDockControl(), Manager->GetInternalDockControl(dsTop));
}

TEST_F(ToolbarWindow, TheCloseButtonCountsOnlyAReleaseOverIt) {
  Float();
  int closed = 0;
  Manager->OnBarClose = [&](TdxBarManager*, TdxBar* ABar) {
    EXPECT_EQ(ABar, Bar);
    ++closed;
  };
  TdxBarControl* window = Window();
  const TRect wr = window->GetWindowRect();
  const TRect close = window->CloseButtonRectNC();
  const TPoint on(wr.left + (close.left + close.right) / 2, wr.top + (close.top + close.bottom) / 2);
  const TPoint off(on.x - 40, on.y + 40);

  // Pressed on the button, the mouse leaves it and is released outside: nothing.
  SetCursorPos(on.x, on.y);
  PostMessage(window->GetHandle(), WM_MOUSEMOVE, 0, 0);
  PostMessage(window->GetHandle(), WM_LBUTTONUP, 0, 0);
  // The release is read with the cursor where it stands then.
  SetCursorPos(off.x, off.y);
  SendMessage(window->GetHandle(), WM_NCLBUTTONDOWN, HTCLOSE, MAKELPARAM(on.x, on.y));
  EXPECT_EQ(closed, 0);
  EXPECT_TRUE(Bar->GetVisible());

  SetCursorPos(on.x, on.y);
  PostMessage(window->GetHandle(), WM_LBUTTONUP, 0, 0);
  SendMessage(window->GetHandle(), WM_NCLBUTTONDOWN, HTCLOSE, MAKELPARAM(on.x, on.y));
  EXPECT_EQ(closed, 1);
  EXPECT_FALSE(Bar->GetVisible());
}

TEST_F(ToolbarWindow, TheMarkHintTimerRunsOnlyForFloatingToolbarsAndEndsOffTheMark) {
  TdxBarControl* window = Window();
  window->SetMarkState(msSelected);
  EXPECT_EQ(window->GetMarkState(), msSelected);
  SetCursorPos(0, 0);
  SendMessage(window->GetHandle(), WM_TIMER, 1, 0);
  EXPECT_EQ(window->GetMarkState(), msSelected) << "a docked toolbar runs no hint timer";
  window->SetMarkState(msNone);

  Float();
  window = Window();
  window->SetMarkState(msSelected);
  const TRect mark = window->MarkScreenRect();
  SetCursorPos((mark.left + mark.right) / 2, (mark.top + mark.bottom) / 2);
  SendMessage(window->GetHandle(), WM_TIMER, 1, 0);
  EXPECT_EQ(window->GetMarkState(), msSelected) << "the mouse still on the mark keeps it";
  SetCursorPos(0, 0);
  SendMessage(window->GetHandle(), WM_TIMER, 1, 0);
  EXPECT_EQ(window->GetMarkState(), msNone) << "one tick after leaving the mark";
}

TEST_F(ToolbarWindow, PositionIsWrittenBackOnlyWhileShownAndNotMoving) {
  Float();
  TdxBarControl* window = Window();
  window->SetBounds(120, 130, window->GetWidth(), window->GetHeight());
  EXPECT_EQ(Bar->GetFloatLeft(), 120);
  EXPECT_EQ(Bar->GetFloatTop(), 130);
  EXPECT_EQ(Bar->GetFloatClientWidth(), window->GetClientWidth());

  window->SetMoving(true);
  window->SetBounds(200, 210, window->GetWidth(), window->GetHeight());
  EXPECT_EQ(Bar->GetFloatLeft(), 120) << "nothing is written while moving";
  window->SetMoving(false);
  EXPECT_EQ(Bar->GetFloatLeft(), 200) << "the end of the move writes it";
}

// The press on the grip runs the toolbars' moving loop with the window's kept windows: dragged away
// from the docks the toolbar floats on its floating window and the docked one is gone after release.
TEST_F(ToolbarWindow, DraggingTheGripFloatsTheToolbarOnItsKeptFloatingWindow) {
  TdxBarControl* window = Window();
  HWND docked = window->GetHandle();
  const TPoint grip = window->ClientToScreen(TPoint(-2, 3));
  SetCursorPos(grip.x, grip.y);
  HitAt(TPoint(1, window->GetClientOffset().y + 3));
  ASSERT_EQ(window->GetLastHitTest(), HTCAPTION);
  // Posted input carries the cursor position of its posting.
  SetCursorPos(300, 260);
  PostMessage(window->GetHandle(), WM_MOUSEMOVE, 0, 0);
  PostMessage(window->GetHandle(), WM_LBUTTONUP, 0, 0);
  SetCursorPos(grip.x, grip.y);
  const TPoint client = window->ScreenToClient(grip);
  SendMessage(window->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
  ASSERT_EQ(Window(), window) << "the window lives on through the move";
  EXPECT_FALSE(window->GetMoving());
  EXPECT_EQ(window->GetDockingStyle(), dsNone);
  EXPECT_EQ(Bar->GetDockingStyle(), dsNone);
  EXPECT_FALSE(IsWindow(docked)) << "the docked window is released when the move ends";
  EXPECT_TRUE(IsWindowVisible(window->GetHandle()));
  EXPECT_EQ(window->GetParent(), nullptr);
  EXPECT_NE(ControlOf(0), nullptr);
}

TEST_F(ToolbarWindow, AWindowDestroyedFromOutsideHidesItsToolbarForRestoring) {
  HWND handle = Window()->GetHandle();
  DestroyWindow(handle);
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_FALSE(Bar->GetVisible());
  EXPECT_EQ(Window(), nullptr);
  EXPECT_GE(Manager->GetBarIndexInRestoringList(Bar), 0) << "the toolbar comes back with its dock";
}

TEST_F(ToolbarWindow, TrackSizeAddsTheFrameAndAWholeRowTakesTheDocksWidth) {
  TdxBarControl* window = Window();
  const TPoint floating = window->GetSizeForWidth(dsNone, Bar->GetFloatClientWidth());
  EXPECT_EQ(window->GetTrackSize(dsNone),
            TPoint(floating.x + Bar->BarNCSizeX(dsNone), floating.y + Bar->BarNCSizeY(dsNone)));
  const TPoint docked = window->GetTrackSize(dsTop);
  EXPECT_EQ(docked.x, window->GetMaxWidth(dsTop) + Bar->BarNCSizeX(dsTop)) << "a docked bar shows all its items";
  Bar->SetWholeRow(true);
  EXPECT_EQ(Window()->GetTrackSize(dsTop).x, Manager->GetInternalDockControl(dsTop)->GetClientWidth());
}

}  // namespace
