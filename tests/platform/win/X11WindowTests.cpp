// Top-level windows on the X server: the pixels shown are the headless backend's, geometry and title
// follow the layer, and the window's style becomes the hints the window manager reads.
#include "X11TestSupport.h"

#include "GdiSurface.h"

using namespace WinTest;

namespace X11Test {
namespace {

class X11Windows : public TX11Fixture {
 protected:
  // A captioned window with children of several kinds, painted.
  HWND MakeScene() {
    HWND main = MakeWindow("拍卖计时", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 80, 420, 300);
    CreateWindowExA(0, "Button", "开始", WS_CHILD | WS_VISIBLE, 20, 20, 100, 30, main, nullptr, nullptr, nullptr);
    CreateWindowExA(0, "Static", "剩余时间 00:05", WS_CHILD | WS_VISIBLE, 20, 70, 200, 24, main, nullptr, nullptr,
                    nullptr);
    MakeWindow("panel", WS_CHILD | WS_VISIBLE | WS_BORDER, 150, 120, 200, 120, main);
    SetFocus(main);
    ProcessMessages();
    return main;
  }

  // Pixels of the X window that differ from the layer's picture of the window.
  int Differences(HWND hwnd, const TGdiSurface& expected) {
    XImage* image = XGetImage(Peer, XOf(hwnd), 0, 0, expected.Width(), expected.Height(), AllPlanes, ZPixmap);
    if (!image) return -1;
    int differing = 0;
    for (int y = 0; y < expected.Height(); ++y)
      for (int x = 0; x < expected.Width(); ++x)
        if ((XGetPixel(image, x, y) & 0xFFFFFF) != (expected.Pixel(x, y) & 0xFFFFFF)) ++differing;
    XDestroyImage(image);
    return differing;
  }

  bool Viewable(HWND hwnd) {
    XWindowAttributes a;
    return XOf(hwnd) && XGetWindowAttributes(Peer, XOf(hwnd), &a) && a.map_state == IsViewable;
  }

  RECT XGeometry(HWND hwnd) {
    XWindowAttributes a{};
    XGetWindowAttributes(Peer, XOf(hwnd), &a);
    return RECT{a.x, a.y, a.x + a.width, a.y + a.height};
  }
};

TEST_F(X11Windows, AWindowWithChildrenShowsTheHeadlessPicturePixelForPixel) {
  // The same scene drawn under the headless backend first.
  SetBackend(nullptr);
  TGdiSurface headless;
  HWND drawn = MakeScene();
  ASSERT_TRUE(CaptureWindow(drawn, headless));
  DestroyWindow(drawn);
  SetBackend(CreateX11Backend(DisplayName.c_str()));

  HWND main = MakeScene();
  ASSERT_TRUE(PumpUntil([&] { return Viewable(main); }));
  EXPECT_TRUE(PumpUntil([&] { return Differences(main, headless) == 0; })) << Differences(main, headless);
  RECT r;
  GetWindowRect(main, &r);
  RECT g = XGeometry(main);
  EXPECT_EQ(std::vector<LONG>({g.left, g.top, g.right, g.bottom}), std::vector<LONG>({r.left, r.top, r.right, r.bottom}));
  EXPECT_EQ(StringProp(XOf(main), "_NET_WM_NAME"), "拍卖计时");
  // Undecorated: the layer draws its own caption and frame.
  std::vector<long> motif = LongsProp(XOf(main), "_MOTIF_WM_HINTS");
  ASSERT_GE(motif.size(), 3u);
  EXPECT_EQ(motif[0] & 2, 2);
  EXPECT_EQ(motif[2], 0);

  // Moved, sized and renamed: the X window follows and shows the new picture.
  SetWindowPos(main, nullptr, 60, 50, 500, 340, SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowTextA(main, "拍卖计时 - 第二场");
  UpdateWindow(main);
  ProcessMessages();
  TGdiSurface moved;
  ASSERT_TRUE(CaptureWindow(main, moved));
  EXPECT_TRUE(PumpUntil([&] {
    RECT now = XGeometry(main);
    return now.left == 60 && now.top == 50 && now.right == 560 && now.bottom == 390;
  }));
  EXPECT_TRUE(PumpUntil([&] { return Differences(main, moved) == 0; })) << Differences(main, moved);
  EXPECT_EQ(StringProp(XOf(main), "_NET_WM_NAME"), "拍卖计时 - 第二场");

  // Hidden and shown again.
  ShowWindow(main, SW_HIDE);
  EXPECT_TRUE(PumpUntil([&] { return !Viewable(main); }));
  ShowWindow(main, SW_SHOW);
  EXPECT_TRUE(PumpUntil([&] { return Viewable(main) && Differences(main, moved) == 0; }));
}

TEST_F(X11Windows, AMoveByAnotherClientMovesTheLayersWindow) {
  HWND main = MakeScene();
  ASSERT_TRUE(PumpUntil([&] { return Viewable(main); }));
  // As a window manager would (the window is not managed here, so the move is direct).
  XMoveResizeWindow(Peer, XOf(main), 300, 200, 380, 260);
  XSync(Peer, False);
  RECT r{};
  EXPECT_TRUE(PumpUntil([&] {
    GetWindowRect(main, &r);
    return r.left == 300 && r.top == 200 && r.right == 680 && r.bottom == 460;
  })) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
}

TEST_F(X11Windows, StylesBecomeWindowManagerHints) {
  HWND owner = MakeWindow("owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200);
  struct TCase {
    const char* Name;
    DWORD Style, ExStyle;
    bool Owned, OwnerDisabled;
    bool StateAbove, StateSkipTaskbar, StateModal, Unmanaged;
    const char* Type;
  };
  const TCase cases[] = {
      {"plain", WS_OVERLAPPEDWINDOW, 0, false, false, false, false, false, false, "_NET_WM_WINDOW_TYPE_NORMAL"},
      {"topmost", WS_OVERLAPPEDWINDOW, WS_EX_TOPMOST, false, false, true, false, false, false, "_NET_WM_WINDOW_TYPE_NORMAL"},
      {"owned", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, true, false, false, true, false, false, "_NET_WM_WINDOW_TYPE_DIALOG"},
      {"modal", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, true, true, false, true, true, false, "_NET_WM_WINDOW_TYPE_DIALOG"},
      {"owned app window", WS_POPUP | WS_CAPTION, WS_EX_APPWINDOW, true, false, false, false, false, false,
       "_NET_WM_WINDOW_TYPE_DIALOG"},
      {"tool window", WS_POPUP | WS_CAPTION, WS_EX_TOOLWINDOW, false, false, false, true, false, false,
       "_NET_WM_WINDOW_TYPE_UTILITY"},
      {"drop-down", WS_POPUP | WS_BORDER, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, true, false, true, true, false, true,
       "_NET_WM_WINDOW_TYPE_UTILITY"},
      {"detached child", WS_CHILD | WS_BORDER, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, false, false, true, true, false, true,
       "_NET_WM_WINDOW_TYPE_UTILITY"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    EnableWindow(owner, c.OwnerDisabled ? FALSE : TRUE);
    HWND w = MakeWindow(c.Name, c.Style, 50, 50, 200, 100, c.Owned || (c.Style & WS_CHILD) ? owner : nullptr, c.ExStyle);
    if (c.Style & WS_CHILD) SetParent(w, nullptr);  // made as a child, then detached
    ShowWindow(w, SW_SHOWNA);
    ASSERT_TRUE(PumpUntil([&] { return XOf(w) != 0; }));
    Window x = XOf(w);
    EXPECT_EQ(HasAtom(x, "_NET_WM_STATE", "_NET_WM_STATE_ABOVE"), c.StateAbove);
    EXPECT_EQ(HasAtom(x, "_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR"), c.StateSkipTaskbar);
    EXPECT_EQ(HasAtom(x, "_NET_WM_STATE", "_NET_WM_STATE_MODAL"), c.StateModal);
    EXPECT_TRUE(HasAtom(x, "_NET_WM_WINDOW_TYPE", c.Type));
    Window transient = 0;
    XGetTransientForHint(Peer, x, &transient);
    EXPECT_EQ(transient, c.Owned ? XOf(owner) : 0);
    XWindowAttributes a{};
    XGetWindowAttributes(Peer, x, &a);
    EXPECT_EQ(a.override_redirect != 0, c.Unmanaged);
    DestroyWindow(w);
  }
  EnableWindow(owner, TRUE);

  // Made topmost and back while shown.
  HWND w = MakeWindow("later", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60, 200, 100);
  SetWindowPos(w, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_TRUE(PumpUntil([&] { return HasAtom(XOf(w), "_NET_WM_STATE", "_NET_WM_STATE_ABOVE"); }));
  SetWindowPos(w, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_TRUE(PumpUntil([&] { return !HasAtom(XOf(w), "_NET_WM_STATE", "_NET_WM_STATE_ABOVE"); }));
}

TEST_F(X11Windows, APopupSwitchedToChildStyleIsMappedUnmanagedAndTakesNoFocus) {
  HWND owner = MakeWindow("owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(owner); }));
  // Shown once as a popup, which the window manager manages, then switched as a drop-down is.
  HWND list = MakeWindow("list", WS_POPUP, 40, 60, 120, 80, owner);
  ShowWindow(list, SW_SHOWNA);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(list); }));
  ShowWindow(list, SW_HIDE);
  ProcessMessages();
  SetWindowLong(list, GWL_STYLE, static_cast<LONG>(WS_CHILD));
  SetWindowPos(list, nullptr, 50, 150, 120, 80, SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(list, SW_SHOW);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(list); }));
  XWindowAttributes a{};
  XGetWindowAttributes(Peer, XOf(list), &a);
  EXPECT_TRUE(a.override_redirect);
  EXPECT_EQ(a.x, 50);
  EXPECT_EQ(a.y, 150);
  XWMHints* hints = XGetWMHints(Peer, XOf(list));
  ASSERT_NE(hints, nullptr);
  EXPECT_TRUE((hints->flags & InputHint) && !hints->input) << "the window manager gives it no focus";
  XFree(hints);
  EXPECT_EQ(GetActiveWindow(), owner);
  DestroyWindow(list);
}

TEST_F(X11Windows, ClosingThroughTheWindowManagerAsksTheWindowToClose) {
  HWND main = MakeWindow("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(main); }));
  Recorder().Watched = {WM_SYSCOMMAND, WM_CLOSE};
  Recorder().Clear();
  XEvent ev{};
  ev.xclient.type = ClientMessage;
  ev.xclient.window = XOf(main);
  ev.xclient.message_type = Intern("WM_PROTOCOLS");
  ev.xclient.format = 32;
  ev.xclient.data.l[0] = static_cast<long>(Intern("WM_DELETE_WINDOW"));
  Window x = XOf(main);
  XSendEvent(Peer, x, False, NoEventMask, &ev);
  XFlush(Peer);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(main); }));
  EXPECT_EQ(Recorder().Names(), (std::vector<std::string>{"main:SYSCOMMAND", "main:CLOSE"}));
  // The destroyed window's X window goes with it.
  EXPECT_TRUE(PumpUntil([&] {
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    XQueryTree(Peer, DefaultRootWindow(Peer), &root, &parent, &children, &count);
    bool present = std::find(children, children + count, x) != children + count;
    if (children) XFree(children);
    return !present;
  }));
}

TEST_F(X11Windows, MinimisingFollowsTheLayerAndTheWindowManager) {
  HWND main = MakeWindow("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 300, 200);
  ASSERT_TRUE(PumpUntil([&] { return Viewable(main); }));
  // Without a window manager the minimised window is out of sight until restored, at its old place.
  ShowWindow(main, SW_MINIMIZE);
  EXPECT_TRUE(PumpUntil([&] { return !Viewable(main); }));
  ShowWindow(main, SW_RESTORE);
  EXPECT_TRUE(PumpUntil([&] { return Viewable(main); }));
  RECT g = XGeometry(main);
  EXPECT_EQ(std::vector<LONG>({g.left, g.top, g.right, g.bottom}), std::vector<LONG>({40, 40, 340, 240}));

  // The window manager iconifies and restores the window (from its task bar): the layer follows.
  auto setWmState = [&](long state) {
    long value[2] = {state, 0};
    XChangeProperty(Peer, XOf(main), Intern("WM_STATE"), Intern("WM_STATE"), 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(value), 2);
    XFlush(Peer);
  };
  setWmState(IconicState);
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(main) != FALSE; }));
  setWmState(NormalState);
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(main) == FALSE; }));
  GetWindowRect(main, &g);
  EXPECT_EQ(std::vector<LONG>({g.left, g.top, g.right, g.bottom}), std::vector<LONG>({40, 40, 340, 240}));
}

TEST_F(X11Windows, WindowRegionsShapeAndLayeredAlphaIsOffered) {
  HWND w = MakeWindow("shaped", WS_POPUP | WS_VISIBLE, 200, 200, 120, 80);
  auto shape = [&] {
    int count = 0, ordering = 0;
    XRectangle* rects = XShapeGetRectangles(Peer, XOf(w), ShapeBounding, &count, &ordering);
    std::vector<std::vector<int>> out;
    for (int i = 0; i < count; ++i) out.push_back({rects[i].x, rects[i].y, rects[i].width, rects[i].height});
    if (rects) XFree(rects);
    return out;
  };
  ASSERT_TRUE(PumpUntil([&] { return Viewable(w); }));
  HRGN region = CreateRectRgn(10, 10, 50, 40);
  CombineRgn(region, region, CreateRectRgn(60, 20, 100, 30), RGN_OR);
  SetWindowRgn(w, region, TRUE);
  const std::vector<std::vector<int>> cut = {{10, 10, 40, 10}, {10, 20, 40, 10}, {60, 20, 40, 10}, {10, 30, 40, 10}};
  EXPECT_TRUE(PumpUntil([&] { return shape() == cut; })) << shape().size();
  SetWindowRgn(w, nullptr, TRUE);
  EXPECT_TRUE(PumpUntil([&] { return shape() == std::vector<std::vector<int>>{{0, 0, 120, 80}}; }));

  SetWindowLongPtrA(w, GWL_EXSTYLE, WS_EX_LAYERED);
  SetLayeredWindowAttributes(w, 0, 128, LWA_ALPHA);
  EXPECT_TRUE(PumpUntil([&] {
    std::vector<long> opacity = LongsProp(XOf(w), "_NET_WM_WINDOW_OPACITY");
    return opacity.size() == 1 && (opacity[0] & 0xFFFFFFFFl) == 0x80808080l;  // Xlib may sign-extend
  }));
  SetLayeredWindowAttributes(w, 0, 255, LWA_ALPHA);
  EXPECT_TRUE(PumpUntil([&] { return LongsProp(XOf(w), "_NET_WM_WINDOW_OPACITY").empty(); }));
}

}  // namespace
}  // namespace X11Test
