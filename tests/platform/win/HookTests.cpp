// Thread hooks that observe, swallow or rewrite messages.
#include "WinTestSupport.h"
#include "Threads.h"

using namespace WinTest;

namespace {

class Hooks : public TWinFixture {};

HHOOK g_hook = nullptr;
std::vector<std::string> g_seen;

LRESULT SwallowF2(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == VK_F2) return 1;
  return CallNextHookEx(g_hook, code, wParam, lParam);
}

LRESULT NullifyUser(int code, WPARAM wParam, LPARAM lParam) {
  auto* m = reinterpret_cast<MSG*>(lParam);
  if (m->message == WM_USER) m->message = WM_NULL;
  return CallNextHookEx(g_hook, code, wParam, lParam);
}

LRESULT WatchSends(int code, WPARAM wParam, LPARAM lParam) {
  auto* c = reinterpret_cast<CWPSTRUCT*>(lParam);
  if (c->message >= WM_USER) g_seen.push_back(MessageName(c->message));
  return CallNextHookEx(g_hook, code, wParam, lParam);
}

LRESULT SwallowClicks(int code, WPARAM wParam, LPARAM lParam) {
  auto* mh = reinterpret_cast<MOUSEHOOKSTRUCT*>(lParam);
  if (code == HC_ACTION && wParam == WM_LBUTTONDOWN) {
    g_seen.push_back("hit" + std::to_string(mh->wHitTestCode));
    return 1;
  }
  return CallNextHookEx(g_hook, code, wParam, lParam);
}

LRESULT RefuseFocus(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_SETFOCUS) return 1;
  return CallNextHookEx(g_hook, code, wParam, lParam);
}

TEST_F(Hooks, KeyboardFilterSwallowsBeforeTranslation) {
  HWND w = MakeWindow("w", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10);
  SetFocus(w);
  ProcessMessages();
  g_hook = SetWindowsHookEx(WH_KEYBOARD, SwallowF2, nullptr, GetCurrentThreadId());
  ASSERT_NE(g_hook, nullptr);
  Recorder().Clear();
  Recorder().Watched = {WM_KEYDOWN, WM_KEYUP, WM_CHAR};
  InjectKeyPress(VK_F2);
  InjectKeyPress('Q');
  ProcessMessages();
  EXPECT_EQ(Recorder().Names(), (std::vector<std::string>{"w:KEYDOWN", "w:CHAR", "w:KEYUP"}));
  EXPECT_EQ(Recorder().Log[0].WParam, static_cast<WPARAM>('Q'));
  EXPECT_TRUE(UnhookWindowsHookEx(g_hook));
  EXPECT_FALSE(UnhookWindowsHookEx(g_hook));
}

TEST_F(Hooks, GetMessageFilterRewritesRemovedMessages) {
  HWND w = MakeWindow("w", WS_POPUP, 0, 0, 10, 10);
  g_hook = SetWindowsHookEx(WH_GETMESSAGE, NullifyUser, nullptr, 0);
  PostMessage(w, WM_USER, 0, 0);
  MSG m;
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_USER)) << "peeking runs no get-message filter";
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_NULL));
  UnhookWindowsHookEx(g_hook);
}

TEST_F(Hooks, CallWndProcFilterSeesSentAndDispatchedMessages) {
  HWND w = MakeWindow("w", WS_POPUP, 0, 0, 10, 10);
  g_seen.clear();
  g_hook = SetWindowsHookEx(WH_CALLWNDPROC, WatchSends, nullptr, 0);
  SendMessage(w, WM_USER, 0, 0);
  PostMessage(w, WM_USER + 1, 0, 0);
  ProcessMessages();
  UnhookWindowsHookEx(g_hook);
  EXPECT_EQ(g_seen, (std::vector<std::string>{"USER", "USER+1"}));
}

TEST_F(Hooks, MouseFilterGetsTheHitCodeAndSwallows) {
  HWND w = MakeWindow("w", WS_POPUP | WS_VISIBLE, 100, 100, 100, 100);
  ProcessMessages();
  g_seen.clear();
  g_hook = SetWindowsHookEx(WH_MOUSE, SwallowClicks, nullptr, 0);
  Recorder().Clear();
  Recorder().Watched = {WM_LBUTTONDOWN, WM_LBUTTONUP};
  InjectClick(150, 150);
  ProcessMessages();
  UnhookWindowsHookEx(g_hook);
  EXPECT_EQ(g_seen, std::vector<std::string>{"hit1"});
  EXPECT_EQ(Recorder().Names(), std::vector<std::string>{"w:LBUTTONUP"});
  (void)w;
}

TEST_F(Hooks, CbtFilterRefusesFocus) {
  HWND w = MakeWindow("w", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10);
  HWND child = MakeWindow("child", WS_CHILD | WS_VISIBLE, 0, 0, 5, 5, w);
  ASSERT_EQ(GetFocus(), w);
  g_hook = SetWindowsHookEx(WH_CBT, RefuseFocus, nullptr, 0);
  EXPECT_EQ(SetFocus(child), nullptr);
  EXPECT_EQ(GetFocus(), w);
  UnhookWindowsHookEx(g_hook);
  EXPECT_EQ(SetFocus(child), w);
  EXPECT_EQ(GetFocus(), child);
}

}  // namespace
