// Creating and destroying windows, the tree, z-order and window data.
#include "WinTestSupport.h"

using namespace WinTest;

namespace {

class WindowTree : public TWinFixture {};

TEST_F(WindowTree, CreateSendsMessagesInOrderAndShowsVisibleWindowsLast) {
  Recorder().Watched = {WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW,
                        WM_PARENTNOTIFY};
  HWND top = MakeWindow("top", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200);
  HWND child = MakeWindow("child", WS_CHILD | WS_VISIBLE, 5, 5, 50, 50, top);
  ASSERT_TRUE(top && child);
  std::vector<std::string> expected = {"top:GETMINMAXINFO", "top:NCCREATE",   "top:NCCALCSIZE",  "top:CREATE",
                                       "top:SIZE",          "top:MOVE",       "child:NCCREATE",  "child:NCCALCSIZE",
                                       "child:CREATE",      "child:SIZE",     "child:MOVE",      "top:PARENTNOTIFY",
                                       "child:SHOWWINDOW"};
  EXPECT_EQ(Recorder().Names(), expected);
  EXPECT_TRUE(IsWindowVisible(child) == FALSE) << "a visible child of a hidden parent is not on the screen";
  EXPECT_EQ(GetWindowLongPtr(child, GWL_STYLE) & WS_VISIBLE, static_cast<LONG_PTR>(WS_VISIBLE));
}

TEST_F(WindowTree, DestroySendsDestroyParentFirstAndNcDestroyChildrenFirst) {
  HWND owner = MakeWindow("owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200);
  HWND a = MakeWindow("a", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, owner);
  HWND a1 = MakeWindow("a1", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, a);
  HWND owned = MakeWindow("owned", WS_POPUP, 0, 0, 50, 50, owner);
  Recorder().Clear();
  Recorder().Watched = {WM_DESTROY, WM_NCDESTROY};
  EXPECT_TRUE(DestroyWindow(owner));
  std::vector<std::string> expected = {"owned:DESTROY", "owned:NCDESTROY", "owner:DESTROY", "a:DESTROY",
                                       "a1:DESTROY",    "a1:NCDESTROY",    "a:NCDESTROY",   "owner:NCDESTROY"};
  EXPECT_EQ(Recorder().Names(), expected);
  for (HWND h : {owner, a, a1, owned}) EXPECT_FALSE(IsWindow(h));
  EXPECT_FALSE(DestroyWindow(owner)) << "a stale handle stays invalid";
}

TEST_F(WindowTree, RefusedCreationLeavesNoWindow) {
  struct TCase {
    UINT Msg;
    LRESULT Answer;
    std::vector<std::string> Tail;
  };
  const TCase cases[] = {
      {WM_NCCREATE, FALSE, {"w:NCCREATE", "w:NCDESTROY"}},
      {WM_CREATE, -1, {"w:CREATE", "w:DESTROY", "w:NCDESTROY"}},
  };
  for (const TCase& c : cases) {
    Recorder().Clear();
    Recorder().Watched = {WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY};
    Recorder().OnMessage = [&](HWND, UINT msg, WPARAM, LPARAM, LRESULT& r) {
      if (msg != c.Msg) return false;
      r = c.Answer;
      return true;
    };
    EXPECT_EQ(MakeWindow("w", WS_POPUP, 0, 0, 10, 10), nullptr);
    auto names = Recorder().Names();
    ASSERT_GE(names.size(), c.Tail.size());
    EXPECT_EQ(std::vector<std::string>(names.end() - static_cast<long>(c.Tail.size()), names.end()), c.Tail);
  }
  Recorder().OnMessage = nullptr;
  EXPECT_EQ(GetTopWindow(nullptr), nullptr);
}

TEST_F(WindowTree, WindowDestroyedInsideItsOwnHandlerIsSafe) {
  HWND w = MakeWindow("w", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10);
  Recorder().OnMessage = [](HWND h, UINT msg, WPARAM, LPARAM, LRESULT&) {
    if (msg == WM_USER) DestroyWindow(h);
    return msg == WM_USER;
  };
  SendMessage(w, WM_USER, 0, 0);
  EXPECT_FALSE(IsWindow(w));
  PostMessage(w, WM_USER, 0, 0);
  EXPECT_EQ(ProcessMessages(), 0) << "messages posted to a destroyed window are dropped";
}

TEST_F(WindowTree, ChildrenKeepCreationOrderAndParentsAndOwnersAnswerAsDocumented) {
  HWND top = MakeWindow("top", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200);
  HWND c1 = MakeWindow("c1", WS_CHILD, 0, 0, 10, 10, top);
  HWND c2 = MakeWindow("c2", WS_CHILD, 0, 0, 10, 10, top);
  HWND popup = MakeWindow("popup", WS_POPUP, 0, 0, 10, 10, c2);
  EXPECT_EQ(GetWindow(top, GW_CHILD), c1);
  EXPECT_EQ(GetWindow(c1, GW_HWNDNEXT), c2);
  EXPECT_EQ(GetWindow(c2, GW_HWNDPREV), c1);
  EXPECT_EQ(GetParent(c1), top);
  EXPECT_EQ(GetParent(popup), top) << "a popup's parent is its owner, the top-level window of the one given";
  EXPECT_EQ(GetWindow(popup, GW_OWNER), top);
  EXPECT_EQ(GetAncestor(c1, GA_PARENT), top);
  EXPECT_EQ(GetAncestor(top, GA_PARENT), GetDesktopWindow());
  EXPECT_TRUE(IsChild(top, c2));
  EXPECT_FALSE(IsChild(top, popup));

  std::vector<HWND> seen;
  EnumChildWindows(top, [](HWND h, LPARAM p) { reinterpret_cast<std::vector<HWND>*>(p)->push_back(h); return TRUE; },
                   reinterpret_cast<LPARAM>(&seen));
  EXPECT_EQ(seen, (std::vector<HWND>{c1, c2}));

  EXPECT_EQ(SetParent(c2, nullptr), top);
  EXPECT_EQ(GetParent(c2), nullptr) << "a child-styled window on the desktop has no parent";
  EXPECT_EQ(GetAncestor(c2, GA_ROOT), c2);
  EXPECT_EQ(SetParent(c2, c1), GetDesktopWindow());
  EXPECT_TRUE(IsChild(top, c2));
  EXPECT_EQ(SetParent(top, c2), nullptr) << "a window cannot go below its own descendant";
}

TEST_F(WindowTree, TopmostBandStaysAboveAndOwnedWindowsStayAboveTheirOwner) {
  HWND a = MakeWindow("a", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10);
  HWND b = MakeWindow("b", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10);
  HWND t = MakeWindow("t", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, WS_EX_TOPMOST);
  HWND owned = MakeWindow("owned", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, a);
  auto order = [] {
    std::vector<HWND> v;
    for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT)) v.push_back(h);
    return v;
  };
  EXPECT_EQ(order(), (std::vector<HWND>{t, owned, b, a}));
  SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(order(), (std::vector<HWND>{t, owned, a, b})) << "owned windows follow their owner up";
  SetWindowPos(b, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(order(), (std::vector<HWND>{b, t, owned, a}));
  EXPECT_TRUE(GetWindowLongPtr(b, GWL_EXSTYLE) & WS_EX_TOPMOST);
  SetWindowPos(b, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(order(), (std::vector<HWND>{t, b, owned, a})) << "back on top of the ordinary band";
  EXPECT_FALSE(GetWindowLongPtr(b, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

LRESULT Swallower(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_USER) return 42;
  auto old = reinterpret_cast<WNDPROC>(GetPropA(hwnd, "old"));
  return CallWindowProc(old, hwnd, msg, wParam, lParam);
}

TEST_F(WindowTree, SubclassingWithProceduresAndMethodInstances) {
  HWND w = MakeWindow("w", WS_POPUP, 0, 0, 10, 10);
  auto old = reinterpret_cast<WNDPROC>(SetWindowLongPtr(w, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&Swallower)));
  SetPropA(w, "old", reinterpret_cast<HANDLE>(old));
  EXPECT_EQ(SendMessage(w, WM_USER, 0, 0), 42);
  Recorder().Clear();
  SendMessage(w, WM_USER + 1, 0, 0);
  EXPECT_EQ(Recorder().Names(), std::vector<std::string>{"w:USER+1"}) << "other messages reach the old procedure";

  std::vector<UINT> seen;
  WNDPROC inst = MakeObjectInstance(TWndMethod([&](TMessage& m) {
    seen.push_back(m.Msg);
    m.Result = m.Msg == WM_USER + 2 ? 7 : CallWindowProc(old, w, m.Msg, m.WParam, m.LParam);
  }));
  SetWindowLongPtr(w, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(inst));
  EXPECT_EQ(SendMessage(w, WM_USER + 2, 0, 0), 7);
  EXPECT_EQ(CallWindowProc(reinterpret_cast<WNDPROC>(GetWindowLongPtr(w, GWL_WNDPROC)), w, WM_USER + 2, 0, 0), 7);
  SetWindowLongPtr(w, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(old));
  FreeObjectInstance(inst);
  EXPECT_EQ(seen.size(), 2u);
}

TEST_F(WindowTree, WindowDataTextAndStyles) {
  HWND w = MakeWindow("w", WS_POPUP, 0, 0, 10, 10);
  SetWindowLongPtr(w, GWL_USERDATA, 1234);
  EXPECT_EQ(GetWindowLongPtr(w, GWL_USERDATA), 1234);
  EXPECT_EQ(GetWindowTextString(w), "w");
  SetWindowTextA(w, "\xE4\xB8\xAD\xE6\x96\x87");  // two Chinese characters, three bytes each
  EXPECT_EQ(GetWindowTextLength(w), 6);
  char buf[5];
  EXPECT_EQ(GetWindowTextA(w, buf, sizeof buf), 3) << "a short buffer never takes part of a character";
  EXPECT_STREQ(buf, "\xE4\xB8\xAD");

  Recorder().Clear();
  Recorder().Watched = {WM_STYLECHANGING, WM_STYLECHANGED};
  SetWindowLongPtr(w, GWL_STYLE, static_cast<LONG_PTR>(WS_CHILD));
  EXPECT_EQ(Recorder().Names(), (std::vector<std::string>{"w:STYLECHANGING", "w:STYLECHANGED"}));
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtr(w, GWL_STYLE)), WS_CHILD);

  char cls[32];
  EXPECT_EQ(GetClassNameA(w, cls, sizeof cls), 7);
  EXPECT_STREQ(cls, RecordingClass);
  EXPECT_FALSE(UnregisterClassA("WINTEST", nullptr)) << "a class with windows stays registered";
  DestroyWindow(w);
  EXPECT_TRUE(UnregisterClassA("WINTEST", nullptr)) << "class names compare without case";
}

}  // namespace
