// Mouse and keyboard input, capture, focus and activation, with the messages in their order.
#include <cstring>

#include "WinHelp.h"
#include "WinTestSupport.h"

using namespace WinTest;

namespace {

class InputFocus : public TWinFixture {};

TEST_F(InputFocus, ClickOnInactiveWindowActivatesItThenSetsCursorThenDelivers) {
  HWND a = MakeWindow("a", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  HWND b = MakeWindow("b", WS_POPUP | WS_VISIBLE, 200, 0, 100, 100);
  ProcessMessages();
  ASSERT_EQ(GetActiveWindow(), b);
  Recorder().Clear();
  Recorder().Watched = {WM_MOUSEACTIVATE, WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS, WM_SETCURSOR,
                        WM_LBUTTONDOWN, WM_LBUTTONUP};
  InjectClick(50, 50);
  ProcessMessages();
  std::vector<std::string> expected = {"a:SETCURSOR",  "a:MOUSEACTIVATE", "b:NCACTIVATE", "b:ACTIVATE",
                                       "a:NCACTIVATE", "a:ACTIVATE",      "b:KILLFOCUS",  "a:SETFOCUS",
                                       "a:SETCURSOR",  "a:LBUTTONDOWN",   "a:SETCURSOR",  "a:LBUTTONUP"};
  EXPECT_EQ(Recorder().Names(), expected);
  EXPECT_EQ(LOWORD(Recorder().Log[5].WParam), WA_CLICKACTIVE);
  EXPECT_EQ(reinterpret_cast<HWND>(Recorder().Log[5].LParam), b) << "WM_ACTIVATE names the other window";
  EXPECT_EQ(reinterpret_cast<HWND>(Recorder().Log[6].WParam), a) << "WM_KILLFOCUS names the window gaining focus";
  EXPECT_EQ(reinterpret_cast<HWND>(Recorder().Log[7].WParam), b) << "WM_SETFOCUS names the window losing it";
  EXPECT_EQ(HIWORD(static_cast<uintptr_t>(Recorder().Log[9 - 1].LParam)), WM_LBUTTONDOWN)
      << "the cursor request names the mouse message";
}

TEST_F(InputFocus, MouseActivateAnswersDecideActivationAndDelivery) {
  struct TCase {
    LRESULT Answer;
    bool Activated;
    bool Delivered;
  };
  const TCase cases[] = {{MA_ACTIVATE, true, true},
                         {MA_ACTIVATEANDEAT, true, false},
                         {MA_NOACTIVATE, false, true},
                         {MA_NOACTIVATEANDEAT, false, false}};
  for (const TCase& c : cases) {
    HWND a = MakeWindow("a", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND b = MakeWindow("b", WS_POPUP | WS_VISIBLE, 200, 0, 100, 100);
    ProcessMessages();
    Recorder().Clear();
    Recorder().Watched = {WM_LBUTTONDOWN};
    Recorder().OnMessage = [&](HWND, UINT msg, WPARAM, LPARAM, LRESULT& r) {
      if (msg != WM_MOUSEACTIVATE) return false;
      r = c.Answer;
      return true;
    };
    InjectClick(50, 50);
    ProcessMessages();
    EXPECT_EQ(GetActiveWindow() == a, c.Activated) << c.Answer;
    EXPECT_EQ(Recorder().Log.size() == 1, c.Delivered) << c.Answer;
    Recorder().OnMessage = nullptr;
    DestroyWindow(a);
    DestroyWindow(b);
  }
}

TEST_F(InputFocus, DoubleClicksNeedTheClassStyleTimeAndPlace) {
  HWND w = MakeWindow("w", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  ProcessMessages();
  struct TCase {
    int SecondX;
    UInt64 Pause;
    bool Double;
  };
  const TCase cases[] = {{11, 100, true}, {11, 600, false}, {20, 100, false}};
  for (const TCase& c : cases) {
    Recorder().Clear();
    Recorder().Watched = {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK};
    InjectClick(10, 10);
    ProcessMessages();
    Advance(c.Pause);
    InjectClick(c.SecondX, 10);
    ProcessMessages();
    ASSERT_EQ(Recorder().Log.size(), 2u);
    EXPECT_EQ(Recorder().Log[1].Msg == WM_LBUTTONDBLCLK, c.Double) << c.SecondX << " " << c.Pause;
    Advance(1000);
  }
  SetClassLongPtr(w, GCL_STYLE, 0);
  Recorder().Clear();
  InjectClick(10, 10);
  InjectClick(10, 10);
  ProcessMessages();
  EXPECT_EQ(Recorder().Names(), (std::vector<std::string>{"w:LBUTTONDOWN", "w:LBUTTONDOWN"}));
}

TEST_F(InputFocus, CaptureRoutesMouseAndItsLossIsAnnounced) {
  HWND a = MakeWindow("a", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  HWND b = MakeWindow("b", WS_POPUP | WS_VISIBLE, 200, 0, 100, 100);
  ProcessMessages();
  SetCapture(a);
  Recorder().Clear();
  Recorder().Watched = {WM_MOUSEMOVE, WM_CAPTURECHANGED};
  InjectMouseMove(250, 20);
  ProcessMessages();
  ASSERT_EQ(Recorder().Names(), std::vector<std::string>{"a:MOUSEMOVE"});
  EXPECT_EQ(GET_X_LPARAM(Recorder().Log[0].LParam), 250) << "client coordinates of the capturing window";
  SetCapture(b);
  ReleaseCapture();
  EXPECT_EQ(Recorder().Names(), (std::vector<std::string>{"a:MOUSEMOVE", "a:CAPTURECHANGED", "b:CAPTURECHANGED"}));
  EXPECT_EQ(reinterpret_cast<HWND>(Recorder().Log[1].LParam), b);
  EXPECT_EQ(Recorder().Log[2].LParam, 0);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(InputFocus, KeyStateFollowsRetrievedMessagesAndAsyncStateFollowsInput) {
  HWND w = MakeWindow("w", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  ProcessMessages();
  InjectKey(VK_SHIFT, true);
  EXPECT_TRUE(GetAsyncKeyState(VK_SHIFT) < 0);
  EXPECT_FALSE(GetKeyState(VK_SHIFT) < 0) << "not yet retrieved";
  Recorder().OnMessage = [](HWND, UINT msg, WPARAM, LPARAM, LRESULT&) {
    if (msg == WM_KEYDOWN) EXPECT_TRUE(GetKeyState(VK_SHIFT) < 0);
    return false;
  };
  ProcessMessages();
  EXPECT_TRUE(GetKeyState(VK_SHIFT) < 0);
  EXPECT_TRUE(GetKeyState(VK_LSHIFT) >= 0 && GetKeyState(VK_SHIFT) < 0);
  InjectKey(VK_SHIFT, false);
  ProcessMessages();
  EXPECT_FALSE(GetKeyState(VK_SHIFT) < 0);
  SetKeyState(VK_CONTROL, true);
  InjectClick(5, 5);
  Recorder().Clear();
  Recorder().Watched = {WM_LBUTTONDOWN};
  ProcessMessages();
  ASSERT_EQ(Recorder().Log.size(), 1u);
  EXPECT_EQ(Recorder().Log[0].WParam, MK_LBUTTON | MK_CONTROL);
  (void)w;
}

TEST_F(InputFocus, HidingOrDestroyingTheActiveWindowActivatesItsOwner) {
  HWND owner = MakeWindow("owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 300);
  HWND dialog = MakeWindow("dialog", WS_POPUP | WS_CAPTION | WS_VISIBLE, 50, 50, 100, 100, owner);
  ASSERT_EQ(GetActiveWindow(), dialog);
  Recorder().Clear();
  Recorder().Watched = {WM_ACTIVATE, WM_ACTIVATEAPP};
  ShowWindow(dialog, SW_HIDE);
  EXPECT_EQ(GetActiveWindow(), owner);
  EXPECT_EQ(GetFocus(), owner);
  EXPECT_EQ(Recorder().Names(), (std::vector<std::string>{"dialog:ACTIVATE", "owner:ACTIVATE"}));
  Recorder().Clear();
  DestroyWindow(owner);
  EXPECT_EQ(GetActiveWindow(), nullptr);
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(Recorder().Names(),
            (std::vector<std::string>{"owner:ACTIVATE", "dialog:ACTIVATEAPP", "owner:ACTIVATEAPP"}))
      << "the program loses the activation when its last window goes";
}

TEST_F(InputFocus, NonActivatingWindowsNeverTakeTheActivation) {
  HWND form = MakeWindow("form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 300);
  HWND popup = MakeWindow("popup", WS_POPUP, 10, 10, 50, 50, form, WS_EX_NOACTIVATE | WS_EX_TOPMOST);
  ShowWindow(popup, SW_SHOWNA);
  ProcessMessages();
  InjectClick(20, 20);
  ProcessMessages();
  EXPECT_EQ(GetActiveWindow(), form);
  SetWindowPos(popup, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(GetActiveWindow(), form);
}

TEST_F(InputFocus, AChildWindowDetachedFromItsParentTakesNeitherActivationNorFocus) {
  HWND form = MakeWindow("form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 300);
  HWND edit = MakeWindow("edit", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, form);
  HWND list = MakeWindow("list", WS_CHILD, 0, 0, 80, 60, form);
  SetParent(list, nullptr);
  SetWindowPos(list, HWND_TOPMOST, 20, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  SetFocus(edit);
  ProcessMessages();
  int clicks = 0;
  Recorder().Clear();
  Recorder().Watched = {WM_LBUTTONDOWN};
  InjectClick(30, 50);
  ProcessMessages();
  clicks = static_cast<int>(Recorder().Log.size());
  EXPECT_EQ(clicks, 1) << "the click reaches it";
  EXPECT_EQ(GetActiveWindow(), form);
  EXPECT_EQ(SetFocus(list), nullptr);
  SetActiveWindow(list);
  EXPECT_EQ(GetActiveWindow(), form);
  EXPECT_EQ(GetFocus(), edit) << "the form's control keeps the keyboard";
}

TEST_F(InputFocus, FocusMayMoveAgainInsideFocusLoss) {
  HWND form = MakeWindow("form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 300);
  HWND a = MakeWindow("a", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, form);
  HWND b = MakeWindow("b", WS_CHILD | WS_VISIBLE, 20, 0, 10, 10, form);
  HWND c = MakeWindow("c", WS_CHILD | WS_VISIBLE, 40, 0, 10, 10, form);
  SetFocus(a);
  Recorder().OnMessage = [&](HWND h, UINT msg, WPARAM, LPARAM, LRESULT&) {
    if (msg == WM_KILLFOCUS && h == a) SetFocus(c);
    return false;
  };
  SetFocus(b);
  EXPECT_EQ(GetFocus(), c);
}

TEST_F(InputFocus, DisabledWindowsGetNoMouseButtonsAndBeep) {
  HWND owner = MakeWindow("owner", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  HWND modal = MakeWindow("modal", WS_POPUP | WS_VISIBLE, 200, 0, 100, 100, owner);
  EnableWindow(owner, FALSE);
  ProcessMessages();
  Recorder().Clear();
  Recorder().Watched = {WM_LBUTTONDOWN, WM_LBUTTONUP};
  InjectClick(50, 50);
  ProcessMessages();
  EXPECT_TRUE(Recorder().Log.empty());
  EXPECT_EQ(GetActiveWindow(), modal);
  EXPECT_EQ(BeepCount(), 1);
}

}  // namespace

namespace {

TEST_F(InputFocus, MouseTrackingReportsLeavingAndResting) {
  HWND a = MakeWindow("a", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  MakeWindow("b", WS_POPUP | WS_VISIBLE, 200, 0, 100, 100);
  InjectMouseMove(50, 50);
  ProcessMessages();
  Recorder().Clear();
  Recorder().Watched = {WM_MOUSELEAVE, WM_MOUSEHOVER};
  TRACKMOUSEEVENT t;
  t.dwFlags = TME_LEAVE | TME_HOVER;
  t.hwndTrack = a;
  ASSERT_TRUE(TrackMouseEvent(&t));
  Advance(300);
  ProcessMessages();
  EXPECT_TRUE(Recorder().Log.empty());
  Advance(200);
  ProcessMessages();
  EXPECT_EQ(Recorder().Names(), std::vector<std::string>{"a:MOUSEHOVER"});
  EXPECT_EQ(Recorder().Log[0].LParam, MAKELPARAM(50, 50));
  InjectMouseMove(250, 50);
  ProcessMessages();
  EXPECT_EQ(Recorder().Names(), (std::vector<std::string>{"a:MOUSEHOVER", "a:MOUSELEAVE"}));
  InjectMouseMove(50, 50);
  ProcessMessages();
  EXPECT_EQ(Recorder().Log.size(), 2u) << "tracking ends with the leave";
}

TEST_F(InputFocus, TrayIconsReportClicksToTheirWindow) {
  HWND w = MakeWindow("w", WS_POPUP, 0, 0, 10, 10);
  NOTIFYICONDATA d;
  d.hWnd = w;
  d.uID = 1;
  d.uFlags = NIF_MESSAGE | NIF_TIP;
  d.uCallbackMessage = WM_USER;
  std::strcpy(d.szTip, "tip");
  EXPECT_TRUE(Shell_NotifyIcon(NIM_ADD, &d));
  EXPECT_FALSE(Shell_NotifyIcon(NIM_ADD, &d));
  ASSERT_EQ(TrayIcons().size(), 1u);
  EXPECT_EQ(TrayIcons()[0].Tip, "tip");
  Recorder().Clear();
  Recorder().Watched = {WM_USER};
  EXPECT_TRUE(ReportTrayMouse(w, 1, WM_LBUTTONUP));
  ProcessMessages();
  ASSERT_EQ(Recorder().Log.size(), 1u);
  EXPECT_EQ(Recorder().Log[0].LParam, static_cast<LPARAM>(WM_LBUTTONUP));
  EXPECT_TRUE(Shell_NotifyIcon(NIM_DELETE, &d));
  EXPECT_TRUE(TrayIcons().empty());
}

}  // namespace

namespace {

// F1 left to the default window procedure asks the focused window for help, or the active window
// when none has the focus, with the window and the mouse point in the help record.
TEST_F(InputFocus, F1AsksTheFocusedOrActiveWindowForHelp) {
  HWND top = MakeWindow("top", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200);
  HWND child = MakeWindow("child", WS_CHILD | WS_VISIBLE, 10, 10, 50, 50, top);
  ProcessMessages();
  struct TCase {
    HWND Focus;
    HWND Asked;
  } const cases[] = {{child, child}, {nullptr, top}};
  for (const TCase& c : cases) {
    SetFocus(c.Focus);
    std::vector<HWND> asked;
    HELPINFO received;
    Recorder().OnMessage = [&](HWND hwnd, UINT msg, WPARAM, LPARAM lParam, LRESULT& r) {
      if (msg != WM_HELP) return false;
      asked.push_back(hwnd);
      received = *reinterpret_cast<const HELPINFO*>(lParam);
      r = TRUE;
      return true;
    };
    InjectKeyPress(VK_F1);
    ProcessMessages();
    Recorder().OnMessage = nullptr;
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], c.Asked);
    EXPECT_EQ(received.iContextType, HELPINFO_WINDOW);
    EXPECT_EQ(received.hItemHandle, c.Asked);
  }
}

}  // namespace
