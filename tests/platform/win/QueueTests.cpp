// The queue: retrieval order, filters, nested loops, re-entrant sending and posting from threads.
#include <thread>

#include "WinTestSupport.h"

using namespace WinTest;

namespace {

class Queue : public TWinFixture {};

// Retrieves everything available now, without dispatching.
std::vector<std::string> Drain(UINT remove = PM_REMOVE) {
  std::vector<std::string> out;
  MSG m;
  for (int i = 0; i < 50 && PeekMessage(&m, nullptr, 0, 0, remove); ++i) {
    out.push_back(MessageName(m.message));
    if (m.message == WM_PAINT) ValidateRect(m.hwnd, nullptr);
    if (m.message == WM_QUIT) break;
  }
  return out;
}

TEST_F(Queue, PostedThenInputThenQuitThenPaintThenTimers) {
  HWND w = MakeWindow("w", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
  SetFocus(w);
  ProcessMessages();
  SetTimer(w, 1, 10, nullptr);
  Advance(20);
  InvalidateRect(w, nullptr, FALSE);
  InjectKey('A', true);
  PostMessage(w, WM_USER, 0, 0);
  PostQuitMessage(3);
  PostMessage(w, WM_USER + 1, 0, 0);
  EXPECT_EQ(Drain(), (std::vector<std::string>{"USER", "USER+1", "KEYDOWN", "QUIT"}));
  EXPECT_EQ(Drain(), (std::vector<std::string>{"PAINT", "TIMER"}))
      << "paint and timers come when nothing else waits";
}

TEST_F(Queue, FiltersByWindowAndRangeAndPeekingLeavesMessages) {
  HWND a = MakeWindow("a", WS_POPUP, 0, 0, 10, 10);
  HWND b = MakeWindow("b", WS_POPUP, 0, 0, 10, 10);
  PostMessage(a, WM_USER, 1, 0);
  PostMessage(b, WM_USER, 2, 0);
  PostMessage(nullptr, WM_USER + 1, 3, 0);
  MSG m;
  ASSERT_TRUE(PeekMessage(&m, b, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(m.wParam, 2u);
  ASSERT_TRUE(PeekMessage(&m, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE));
  EXPECT_EQ(m.wParam, 3u) << "(HWND)-1 takes thread messages only";
  EXPECT_FALSE(PeekMessage(&m, nullptr, WM_USER + 1, WM_USER + 1, PM_REMOVE));
  ASSERT_TRUE(PeekMessage(&m, b, WM_USER, WM_USER, PM_REMOVE));
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.hwnd, a);
  DestroyWindow(b);
  EXPECT_FALSE(PeekMessage(&m, b, 0, 0, PM_REMOVE)) << "an invalid window filter finds nothing";
}

TEST_F(Queue, MousePendingCanBeInspectedWithoutRemoving) {
  HWND w = MakeWindow("w", WS_POPUP | WS_VISIBLE, 100, 100, 100, 100);
  ProcessMessages();
  InjectMouseMove(150, 150);
  MSG m;
  ASSERT_TRUE(PeekMessage(&m, w, WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_MOUSEMOVE));
  EXPECT_EQ(GET_X_LPARAM(m.lParam), 50);
  ASSERT_TRUE(PeekMessage(&m, w, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE));
  EXPECT_FALSE(PeekMessage(&m, w, WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE));
}

TEST_F(Queue, ModalLoopInsideModalLoopEndsOnQuitAndPassesItOn) {
  HWND w = MakeWindow("w", WS_POPUP, 0, 0, 10, 10);
  std::vector<std::string> trace;
  // A modal loop as the framework writes one: it ends on WM_QUIT and re-posts it for the loop outside.
  std::function<void(int)> modal = [&](int depth) {
    trace.push_back("enter" + std::to_string(depth));
    if (depth < 2) PostMessage(w, WM_USER, static_cast<WPARAM>(depth + 1), 0);
    else PostQuitMessage(9);
    MSG m;
    for (;;) {
      BOOL r = GetMessage(&m, nullptr, 0, 0);
      if (r == 0) {
        PostQuitMessage(static_cast<int>(m.wParam));
        break;
      }
      DispatchMessage(&m);
    }
    trace.push_back("leave" + std::to_string(depth));
  };
  Recorder().OnMessage = [&](HWND, UINT msg, WPARAM wParam, LPARAM, LRESULT&) {
    if (msg == WM_USER) modal(static_cast<int>(wParam));
    return msg == WM_USER;
  };
  modal(0);
  EXPECT_EQ(trace, (std::vector<std::string>{"enter0", "enter1", "enter2", "leave2", "leave1", "leave0"}));
  MSG m;
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(m.wParam, 9u);
}

TEST_F(Queue, SendMessageIsReentrant) {
  HWND w = MakeWindow("w", WS_POPUP, 0, 0, 10, 10);
  Recorder().OnMessage = [&](HWND h, UINT msg, WPARAM wParam, LPARAM, LRESULT& r) {
    if (msg != WM_USER) return false;
    r = wParam == 0 ? 1 : static_cast<LRESULT>(wParam) * SendMessage(h, WM_USER, wParam - 1, 0);
    return true;
  };
  EXPECT_EQ(SendMessage(w, WM_USER, 5, 0), 120);
  EXPECT_EQ(SendMessage(reinterpret_cast<HWND>(0x1234), WM_USER, 5, 0), 0) << "an invalid window answers 0";
}

TEST_F(Queue, PostingFromAnotherThreadWakesTheLoop) {
  HWND w = MakeWindow("w", WS_POPUP, 0, 0, 10, 10);
  std::thread worker([w] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    PostMessage(w, WM_USER, 77, 0);
  });
  MSG m;
  BOOL r = GetMessage(&m, nullptr, 0, 0);
  worker.join();
  EXPECT_EQ(r, TRUE);
  EXPECT_EQ(m.message, static_cast<UINT>(WM_USER));
  EXPECT_EQ(m.wParam, 77u);
}

TEST_F(Queue, TranslateMessageMakesCharactersBetweenKeyDownAndKeyUp) {
  HWND w = MakeWindow("w", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10);
  SetFocus(w);
  ProcessMessages();
  Recorder().Clear();
  Recorder().Watched = {WM_KEYDOWN, WM_CHAR, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP};
  InjectText("aB");
  InjectKey(VK_MENU, true);
  InjectKeyPress('X');
  InjectKey(VK_MENU, false);
  ProcessMessages();
  std::vector<std::string> expected = {"w:KEYDOWN",    "w:CHAR",       "w:KEYUP",    "w:KEYDOWN",   "w:KEYDOWN",
                                       "w:CHAR",       "w:KEYUP",      "w:KEYUP",    "w:SYSKEYDOWN", "w:SYSKEYDOWN",
                                       "w:SYSCHAR",    "w:SYSKEYUP",   "w:SYSKEYUP"};
  EXPECT_EQ(Recorder().Names(), expected);
  std::string typed;
  for (const TRecord& r : Recorder().Log)
    if (r.Msg == WM_CHAR || r.Msg == WM_SYSCHAR) typed += static_cast<char>(r.WParam);
  EXPECT_EQ(typed, "aBx");
  EXPECT_TRUE(Recorder().Log[8].LParam & (1 << 29)) << "Alt is in the key data of system keys";
  EXPECT_TRUE(Recorder().Log[12].LParam & (1u << 31)) << "the release of Alt is a system key going up";
}

TEST_F(Queue, RegisteredMessagesAreSharedByName) {
  UINT a = RegisterWindowMessageA("SkinnedState");
  EXPECT_GE(a, 0xC000u);
  EXPECT_LE(a, 0xFFFFu);
  EXPECT_EQ(RegisterWindowMessageA("skinnedstate"), a);
  EXPECT_NE(RegisterWindowMessageA("Other"), a);
  EXPECT_EQ(RegisterWindowMessageA(""), 0u);
}

}  // namespace
