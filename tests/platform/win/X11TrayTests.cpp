// The notification-area icon: refused without a system tray, docked in one (the test plays the tray),
// painted, its clicks posted to the program, docked again in a tray that starts later.
#include "X11TestSupport.h"

#include "WinIcons.h"

using namespace WinTest;

namespace X11Test {
namespace {

constexpr UINT TrayMessage = WM_USER + 1;

class X11Tray : public TX11Fixture {
 protected:
  void SetUp() override {
    TX11Fixture::SetUp();
    if (HasFatalFailure()) return;
    Owner = MakeWindow("owner", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200);
    // A red 16 x 16 icon, opaque everywhere.
    std::vector<uint32_t> red(16 * 16, 0x00FF0000);
    std::vector<uint8_t> mask(16 * 2, 0);
    ICONINFO info;
    info.hbmColor = CreateBitmap(16, 16, 1, 32, red.data());
    info.hbmMask = CreateBitmap(16, 16, 1, 1, mask.data());
    Icon = CreateIconIndirect(&info);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
  void TearDown() override {
    X11TrayIconRemove(Owner, 7);
    DestroyIcon(Icon);
    TX11Fixture::TearDown();
  }

  // A tray: owns the manager selection of screen 0.
  Window StartTray() {
    Window tray = XCreateSimpleWindow(Peer, DefaultRootWindow(Peer), 0, 0, 100, 24, 0, 0, 0x808080);
    XSetSelectionOwner(Peer, Intern("_NET_SYSTEM_TRAY_S0"), tray, CurrentTime);
    XSync(Peer, False);
    return tray;
  }

  // The icon window the program asked `tray` to dock; 0 when no request came.
  Window DockRequest(Window tray) {
    XEvent ev{};
    bool got = PumpUntil([&] { return XCheckTypedWindowEvent(Peer, tray, ClientMessage, &ev) != 0; });
    if (!got || ev.xclient.message_type != Intern("_NET_SYSTEM_TRAY_OPCODE") || ev.xclient.data.l[1] != 0) return 0;
    return static_cast<Window>(ev.xclient.data.l[2]);
  }

  void Click(Window icon, unsigned button) {
    for (bool down : {true, false}) {
      XEvent ev{};
      ev.xbutton.type = down ? ButtonPress : ButtonRelease;
      ev.xbutton.window = icon;
      ev.xbutton.root = DefaultRootWindow(Peer);
      ev.xbutton.x = ev.xbutton.y = 5;
      ev.xbutton.button = button;
      ev.xbutton.same_screen = True;
      XSendEvent(Peer, icon, False, down ? ButtonPressMask : ButtonReleaseMask, &ev);
    }
    XFlush(Peer);
  }

  HWND Owner = nullptr;
  HICON Icon = nullptr;
};

TEST_F(X11Tray, WithoutATrayTheIconIsRefused) {
  EXPECT_FALSE(X11TrayAvailable());
  EXPECT_FALSE(X11TrayIconSet(Owner, 7, TrayMessage, Icon, "拍卖计时"));
}

TEST_F(X11Tray, TheIconDocksShowsAndReportsClicks) {
  Window tray = StartTray();
  EXPECT_TRUE(X11TrayAvailable());
  ASSERT_TRUE(X11TrayIconSet(Owner, 7, TrayMessage, Icon, "拍卖计时"));
  Window icon = DockRequest(tray);
  ASSERT_NE(icon, 0u);
  EXPECT_EQ(LongsProp(icon, "_XEMBED_INFO"), (std::vector<long>{0, 1}));
  EXPECT_EQ(StringProp(icon, "_NET_WM_NAME"), "拍卖计时");

  // Embedded and shown, as the tray would do.
  XReparentWindow(Peer, icon, tray, 0, 0);
  XMapWindow(Peer, tray);
  XMapWindow(Peer, icon);
  XSync(Peer, False);
  EXPECT_TRUE(PumpUntil([&] {
    XImage* image = XGetImage(Peer, icon, 11, 11, 1, 1, AllPlanes, ZPixmap);
    bool red = image && (XGetPixel(image, 0, 0) & 0xFFFFFF) == 0xFF0000;
    if (image) XDestroyImage(image);
    return red;
  }));

  Recorder().Watched = {TrayMessage};
  Recorder().Clear();
  Click(icon, Button1);
  Click(icon, Button3);
  PumpUntil([&] { return Recorder().Log.size() >= 4; });
  std::vector<LPARAM> got;
  for (const TRecord& r : Recorder().Log) {
    EXPECT_EQ(r.WParam, 7u);
    got.push_back(r.LParam);
  }
  EXPECT_EQ(got, (std::vector<LPARAM>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP}));
}

TEST_F(X11Tray, ATrayStartingLaterTakesTheIcon) {
  Window first = StartTray();
  ASSERT_TRUE(X11TrayIconSet(Owner, 7, TrayMessage, Icon, "拍卖计时"));
  Window icon = DockRequest(first);
  ASSERT_NE(icon, 0u);
  XDestroyWindow(Peer, first);
  Pump(50);

  // The new tray announces itself to every client on the root window.
  Window second = StartTray();
  XEvent ev{};
  ev.xclient.type = ClientMessage;
  ev.xclient.window = DefaultRootWindow(Peer);
  ev.xclient.message_type = Intern("MANAGER");
  ev.xclient.format = 32;
  ev.xclient.data.l[0] = CurrentTime;
  ev.xclient.data.l[1] = static_cast<long>(Intern("_NET_SYSTEM_TRAY_S0"));
  ev.xclient.data.l[2] = static_cast<long>(second);
  XSendEvent(Peer, DefaultRootWindow(Peer), False, StructureNotifyMask, &ev);
  XFlush(Peer);
  EXPECT_EQ(DockRequest(second), icon);

  EXPECT_TRUE(X11TrayIconRemove(Owner, 7));
  EXPECT_FALSE(X11TrayIconRemove(Owner, 7));
  XDestroyWindow(Peer, second);
  XSync(Peer, False);
}

}  // namespace
}  // namespace X11Test
