// The loop that moves a toolbar window, driven by scripted input: from the top dock to a floating
// place and back after the docking delay, Ctrl keeping the bar floating, Escape and a lost capture
// ending the move where the bar stands, and the manager freed while a docking waits.
#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "DateTime.h"
#include "Forms.h"
#include "HeadlessBackend.h"
#include "WinCursor.h"
#include "WinUser.h"
#include "cxClassesLinks.h"
#include "dxBar.h"
#include "dxBarBar.h"
#include "dxBarDock.h"
#include "dxBarTestSupport.h"
#include "dxBarToolbarControl.h"

using namespace dxBarTests;

namespace {

constexpr UINT WM_SCRIPT = WM_APP + 7;

// A window whose scripts run, one per WM_SCRIPT, when the loop dispatches the message to it: the
// input of a move is queued once the loop has begun, and a script sees the bar in the middle of a move.
class TScriptWindow : public TWinControl {
  DECLARE_CLASS(TScriptWindow, TWinControl)
 public:
  explicit TScriptWindow(TComponent* AOwner = nullptr) : TWinControl(AOwner) {}
  void Post(std::function<void()> AScript) {
    Scripts.push_back(std::move(AScript));
    PostMessage(GetHandle(), WM_SCRIPT, 0, 0);
  }
  std::deque<std::function<void()>> Scripts;

 protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg != WM_SCRIPT) return TWinControl::WndProc(Message);
    if (Scripts.empty()) return;
    std::function<void()> script = std::move(Scripts.front());
    Scripts.pop_front();
    script();
  }
};
IMPLEMENT_CLASS(TScriptWindow)

class MovingFixture : public ::testing::Test {
 protected:
  TManualClock Clock{45000.0, 1000};
  TClockOverride Override{Clock};
  TOwnedPtr<TForm> Form{NewTestForm()};
  TdxBarManager* Manager = nullptr;
  TdxBar* Bar = nullptr;
  TOwnedPtr<TScriptWindow> Scripter{New<TScriptWindow>(nullptr)};

  void SetUp() override {
    Form->SetBounds(100, 100, 480, 320);
    Manager = New<TdxBarManager>(Form.get());
    Form->Show();
    Bar = Manager->GetBars()->Add();
    Bar->SetCaption("Tools");
    for (const char* caption : {"New", "Close"}) {
      auto* button = static_cast<TdxBarButton*>(Manager->AddButton());
      button->SetCaption(caption);
      Bar->GetItemLinks()->Add(button);
    }
    Bar->SetDockingStyle(dsTop);
    Bar->SetVisible(true);
    Scripter->SetParent(Form.get());
    Scripter->SetBounds(0, 200, 10, 10);
    Scripter->HandleNeeded();
    ProcessMessages();
  }

  TdxBarControl* Window() { return static_cast<TdxBarControl*>(Bar->GetControl()); }
  TdxDockControl* TopDock() { return Manager->GetBars()->GetDockControl(dsTop); }
  // The middle of the bar window's left edge, where the grip is.
  TPoint Grip() {
    const TRect r = Window()->GetWindowRect();
    return TPoint(r.left + 3, (r.top + r.bottom) / 2);
  }
  // A place well inside the form, far from every dock.
  TPoint FloatingPlace() { return Form->ClientToScreen(TPoint(200, 150)); }
  // AScript runs once, after the first move of the loop has been handled (the manager's docking
  // test sees every move); with AOverDock, after the first move over a dock.
  void AfterFirstMove(std::function<void()> AScript, bool AOverDock = false) {
    FScriptPosted = false;
    Manager->OnDocking = [this, AOverDock, AScript](TdxBar*, TdxBarDockingStyle AStyle, TdxDockControl*, bool&) {
      if (FScriptPosted || (AOverDock && AStyle == dsNone)) return;
      FScriptPosted = true;
      Scripter->Post(AScript);
    };
  }
  bool FScriptPosted = false;
  // Runs the loop from AStart over the input AInput queues.
  void Move(const TPoint& AStart, const std::function<void()>& AInput) {
    SetCursorPos(AStart.x, AStart.y);
    ProcessMessages();
    Scripter->Post(AInput);
    Manager->GetBars()->Moving(Window());
  }
};

TEST_F(MovingFixture, ADockedBarFloatsWhereItIsDroppedAndDocksAgainAfterTheDelay) {
  const TPoint place = FloatingPlace();
  Move(Grip(), [&] {
    InjectMouseMove(place.x, place.y);
    InjectMouseButton(0, false);
  });
  EXPECT_EQ(Bar->GetDockingStyle(), dsNone);
  EXPECT_TRUE(Bar->IsFloat());
  EXPECT_FALSE(Manager->GetBars()->GetIsMoving());

  // Back over the top dock: the bar waits for the cursor to rest before it docks.
  const TPoint overDock = TopDock()->ClientToScreen(TPoint(60, 5));
  const TRect floating = Window()->GetWindowRect();
  bool floatingBeforeTheDelay = false;
  AfterFirstMove(
      [&] {
        floatingBeforeTheDelay = Window()->GetDockingStyle() == dsNone;
        Clock.Advance(Manager->GetWaitForDockingTime() + 10);
        Manager->OnDocking = [&](TdxBar*, TdxBarDockingStyle, TdxDockControl*, bool&) {
          if (Manager->GetBars()->GetDocking()) InjectMouseButton(0, false);  // drop once the delay docked it
        };
      },
      true);
  Move(TPoint(floating.left + 10, floating.top + 5), [&] { InjectMouseMove(overDock.x, overDock.y); });
  EXPECT_TRUE(floatingBeforeTheDelay);
  EXPECT_EQ(Bar->GetDockingStyle(), dsTop);
  EXPECT_EQ(Window()->GetDockControl(), TopDock());
}

TEST_F(MovingFixture, CtrlKeepsTheBarFloatingOverADock) {
  const TPoint inDock = TopDock()->ClientToScreen(TPoint(150, 5));
  Move(Grip(), [&] {
    InjectKey(VK_CONTROL, true);
    InjectMouseMove(inDock.x, inDock.y);
    InjectMouseButton(0, false);
  });
  InjectKey(VK_CONTROL, false);
  ProcessMessages();
  EXPECT_EQ(Bar->GetDockingStyle(), dsNone);
}

// Pressing Ctrl while the mouse rests asks for the drop place again at once: the bar leaves the dock.
TEST_F(MovingFixture, CtrlPressedWhileTheMouseRestsFloatsTheBarAtOnce) {
  const TPoint inDock = TopDock()->ClientToScreen(TPoint(150, 5));
  bool dockedBeforeCtrl = false;
  Move(Grip(), [&] {
    InjectMouseMove(inDock.x, inDock.y);
    Scripter->Post([&] {
      dockedBeforeCtrl = Window()->GetDockingStyle() == dsTop;
      InjectKey(VK_CONTROL, true);
      InjectMouseButton(0, false);
    });
  });
  InjectKey(VK_CONTROL, false);
  ProcessMessages();
  EXPECT_TRUE(dockedBeforeCtrl);
  EXPECT_EQ(Bar->GetDockingStyle(), dsNone);
}

// Escape ends the move with no undo: the bar stays where the last move put it.
TEST_F(MovingFixture, EscapeOrALostCaptureEndsTheMoveWhereTheBarStands) {
  for (bool byEscape : {true, false}) {
    Bar->SetDockingStyle(dsTop);
    ProcessMessages();
    const TPoint place = FloatingPlace();
    const TPoint later = Form->ClientToScreen(TPoint(260, 180));
    if (!byEscape)
      AfterFirstMove([&] {
        SetCapture(Scripter->GetHandle());
        InjectMouseMove(later.x, later.y);
      });
    Move(Grip(), [&] {
      InjectMouseMove(place.x, place.y);
      if (!byEscape) return;
      InjectKeyPress(VK_ESCAPE);
      InjectMouseMove(later.x, later.y);
    });
    Manager->OnDocking = nullptr;
    EXPECT_FALSE(Manager->GetBars()->GetIsMoving()) << byEscape;
    EXPECT_EQ(Bar->GetDockingStyle(), dsNone) << byEscape;
    const TRect r = Window()->GetWindowRect();
    EXPECT_LT(r.left, later.x - 30) << "the move after the end did not reach the bar";
    ReleaseCapture();
    ProcessMessages();
  }
}

TEST_F(MovingFixture, AManagerFreedWhileADockingWaitsEndsTheMoveQuietly) {
  const TPoint place = FloatingPlace();
  Move(Grip(), [&] {
    InjectMouseMove(place.x, place.y);
    InjectMouseButton(0, false);
  });
  ASSERT_EQ(Bar->GetDockingStyle(), dsNone);

  const TPoint overDock = TopDock()->ClientToScreen(TPoint(60, 5));
  const TRect floating = Window()->GetWindowRect();
  TcxObjectLinkHolder managerLink(Manager);
  AfterFirstMove(
      [&] {
        Scripter->SetParent(nullptr);
        Form.reset();
      },
      true);
  Move(TPoint(floating.left + 10, floating.top + 5), [&] { InjectMouseMove(overDock.x, overDock.y); });
  EXPECT_FALSE(managerLink.Alive());
  Clock.Advance(100);
  ProcessMessages();  // the docking timer went with the move
}

}  // namespace
