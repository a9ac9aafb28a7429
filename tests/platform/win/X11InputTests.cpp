// X keyboard and pointer events (sent by another client, as the server would deliver them) arrive as
// the layer's messages; the layer's capture grabs the pointer.
#include "X11TestSupport.h"

#include <X11/keysym.h>

using namespace WinTest;

namespace X11Test {
namespace {

struct TStep {
  KeySym Sym;
  bool Down;
  unsigned State;  // modifier mask as the server reports it
};

struct TMsg {
  UINT Msg;
  WPARAM WParam;
  bool operator==(const TMsg& o) const { return Msg == o.Msg && WParam == o.WParam; }
};

std::ostream& operator<<(std::ostream& os, const TMsg& m) { return os << MessageName(m.Msg) << "(" << m.WParam << ")"; }

class X11Input : public TX11Fixture {
 protected:
  void SetUp() override {
    TX11Fixture::SetUp();
    if (HasFatalFailure()) return;
    Main = MakeWindow("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300);
    SetFocus(Main);
    ASSERT_TRUE(PumpUntil([&] {
      XWindowAttributes a;
      return XOf(Main) && XGetWindowAttributes(Peer, XOf(Main), &a) && a.map_state == IsViewable;
    }));
  }

  void Send(XEvent& ev, long mask) {
    XSendEvent(Peer, XOf(Main), True, mask, &ev);
    XFlush(Peer);
  }

  void Key(KeyCode code, bool down, unsigned state) {
    XEvent ev{};
    XKeyEvent& k = ev.xkey;
    k.type = down ? KeyPress : KeyRelease;
    k.display = Peer;
    k.window = XOf(Main);
    k.root = DefaultRootWindow(Peer);
    k.state = state;
    k.keycode = code;
    k.same_screen = True;
    Send(ev, down ? KeyPressMask : KeyReleaseMask);
  }

  // A pointer button at a point of the client area.
  void Button(unsigned button, bool down, int x, int y) {
    POINT screen{x, y};
    ClientToScreen(Main, &screen);
    RECT r;
    GetWindowRect(Main, &r);
    XEvent ev{};
    XButtonEvent& b = ev.xbutton;
    b.type = down ? ButtonPress : ButtonRelease;
    b.display = Peer;
    b.window = XOf(Main);
    b.root = DefaultRootWindow(Peer);
    b.x = screen.x - r.left;
    b.y = screen.y - r.top;
    b.x_root = screen.x;
    b.y_root = screen.y;
    b.button = button;
    b.same_screen = True;
    Send(ev, down ? ButtonPressMask : ButtonReleaseMask);
  }

  std::vector<TMsg> Logged() {
    std::vector<TMsg> out;
    for (const TRecord& r : Recorder().Log) out.push_back(TMsg{r.Msg, r.WParam});
    return out;
  }

  // A keycode the server's keyboard leaves unused, given the key symbol `sym`.
  KeyCode SpareKeyFor(KeySym sym) {
    int lo = 0, hi = 0, per = 0;
    XDisplayKeycodes(Peer, &lo, &hi);
    KeySym* map = XGetKeyboardMapping(Peer, static_cast<KeyCode>(lo), hi - lo + 1, &per);
    KeyCode spare = 0;
    for (int code = hi; code >= lo && !spare; --code) {
      bool unused = true;
      for (int i = 0; i < per; ++i) unused = unused && map[(code - lo) * per + i] == NoSymbol;
      if (unused) spare = static_cast<KeyCode>(code);
    }
    XFree(map);
    if (spare) XChangeKeyboardMapping(Peer, spare, 1, &sym, 1);
    XSync(Peer, False);
    return spare;
  }

  HWND Main = nullptr;
};

TEST_F(X11Input, KeysArriveAsKeyAndCharacterMessages) {
  Recorder().Watched = {WM_KEYDOWN, WM_KEYUP, WM_CHAR};
  struct TCase {
    const char* Name;
    std::vector<TStep> Steps;
    std::vector<TMsg> Expected;
  };
  const TCase cases[] = {
      {"letter", {{XK_a, true, 0}, {XK_a, false, 0}}, {{WM_KEYDOWN, 'A'}, {WM_CHAR, 'a'}, {WM_KEYUP, 'A'}}},
      {"shifted digit",
       {{XK_Shift_L, true, 0}, {XK_1, true, ShiftMask}, {XK_1, false, ShiftMask}, {XK_Shift_L, false, ShiftMask}},
       {{WM_KEYDOWN, VK_SHIFT}, {WM_KEYDOWN, '1'}, {WM_CHAR, '!'}, {WM_KEYUP, '1'}, {WM_KEYUP, VK_SHIFT}}},
      {"enter", {{XK_Return, true, 0}, {XK_Return, false, 0}},
       {{WM_KEYDOWN, VK_RETURN}, {WM_CHAR, '\r'}, {WM_KEYUP, VK_RETURN}}},
      {"arrow", {{XK_Left, true, 0}, {XK_Left, false, 0}}, {{WM_KEYDOWN, VK_LEFT}, {WM_KEYUP, VK_LEFT}}},
      {"function key", {{XK_F5, true, 0}, {XK_F5, false, 0}}, {{WM_KEYDOWN, VK_F5}, {WM_KEYUP, VK_F5}}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Recorder().Clear();
    for (const TStep& s : c.Steps) Key(XKeysymToKeycode(Peer, s.Sym), s.Down, s.State);
    PumpUntil([&] { return Logged().size() >= c.Expected.size(); });
    Pump(30);
    EXPECT_EQ(Logged(), c.Expected);
  }
}

TEST_F(X11Input, TextOutsideTheLayersKeyboardArrivesAsCharacterBytes) {
  Recorder().Watched = {WM_KEYDOWN, WM_KEYUP, WM_CHAR};
  // A key that types 中 (U+4E2D), as an input method or another layout would give it.
  KeyCode code = SpareKeyFor(0x1004E2D);
  ASSERT_NE(code, 0) << "no unused keycode on the test server";
  Pump(50);
  Recorder().Clear();
  Key(code, true, 0);
  Key(code, false, 0);
  PumpUntil([&] { return Logged().size() >= 3; });
  Pump(30);
  EXPECT_EQ(Logged(), (std::vector<TMsg>{{WM_CHAR, 0xE4}, {WM_CHAR, 0xB8}, {WM_CHAR, 0xAD}}));
}

TEST_F(X11Input, PointerButtonsAndWheelArriveAsMouseMessages) {
  Recorder().Watched = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MOUSEWHEEL};
  struct TCase {
    const char* Name;
    std::vector<std::pair<unsigned, bool>> Buttons;
    std::vector<UINT> Expected;
  };
  const TCase cases[] = {
      {"left click", {{Button1, true}, {Button1, false}}, {WM_LBUTTONDOWN, WM_LBUTTONUP}},
      {"right click", {{Button3, true}, {Button3, false}}, {WM_RBUTTONDOWN, WM_RBUTTONUP}},
      {"double click",
       {{Button1, true}, {Button1, false}, {Button1, true}, {Button1, false}},
       {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}},
      {"wheel away", {{Button4, true}, {Button4, false}}, {WM_MOUSEWHEEL}},
      {"wheel toward", {{Button5, true}, {Button5, false}}, {WM_MOUSEWHEEL}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Advance(2000);  // no double click across cases
    Recorder().Clear();
    for (auto [button, down] : c.Buttons) Button(button, down, 30, 40);
    PumpUntil([&] { return Recorder().Log.size() >= c.Expected.size(); });
    Pump(30);
    std::vector<UINT> got;
    for (const TRecord& r : Recorder().Log) got.push_back(r.Msg);
    EXPECT_EQ(got, c.Expected);
    if (got.empty()) continue;
    const TRecord& first = Recorder().Log.front();
    if (first.Msg == WM_MOUSEWHEEL) {
      EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(first.WParam), c.Buttons[0].first == Button4 ? 120 : -120);
    } else {
      EXPECT_EQ(first.LParam, MAKELPARAM(30, 40));
    }
  }
}

TEST_F(X11Input, TheLayersCaptureGrabsThePointer) {
  auto peerCanGrab = [&] {
    int result = XGrabPointer(Peer, DefaultRootWindow(Peer), False, ButtonPressMask, GrabModeAsync, GrabModeAsync,
                              None, None, CurrentTime);
    if (result == GrabSuccess) XUngrabPointer(Peer, CurrentTime);
    XSync(Peer, False);
    return result == GrabSuccess;
  };
  ASSERT_TRUE(peerCanGrab());
  SetCapture(Main);
  EXPECT_TRUE(PumpUntil([&] { return !peerCanGrab(); }));
  ReleaseCapture();
  EXPECT_TRUE(PumpUntil(peerCanGrab));
}

TEST_F(X11Input, ActivationAndTheInputFocusFollowEachOther) {
  HWND other = MakeWindow("other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 100, 300, 200);
  auto xFocus = [&] {
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(Peer, &focus, &revert);
    return focus;
  };
  // The layer activates a window: it gets the X input focus.
  EXPECT_TRUE(PumpUntil([&] { return GetActiveWindow() == other && xFocus() == XOf(other); }));
  // The focus given to a window from outside (a click through the window manager) activates it.
  XSetInputFocus(Peer, XOf(Main), RevertToParent, CurrentTime);
  XFlush(Peer);
  EXPECT_TRUE(PumpUntil([&] { return GetActiveWindow() == Main; }));
  EXPECT_EQ(GetFocus(), Main);
}

TEST_F(X11Input, KeysHeldWhenTheFocusLeavesTheProgramAreReleased) {
  Key(XKeysymToKeycode(Peer, XK_Control_L), true, 0);
  ASSERT_TRUE(PumpUntil([&] { return GetKeyState(VK_CONTROL) < 0; }));
  Window elsewhere = XCreateSimpleWindow(Peer, DefaultRootWindow(Peer), 0, 0, 10, 10, 0, 0, 0);
  XMapWindow(Peer, elsewhere);
  XSync(Peer, False);
  XSetInputFocus(Peer, elsewhere, RevertToParent, CurrentTime);
  XFlush(Peer);
  EXPECT_TRUE(PumpUntil([&] { return GetKeyState(VK_CONTROL) >= 0; }));
  XDestroyWindow(Peer, elsewhere);
  XSync(Peer, False);
}

}  // namespace
}  // namespace X11Test
