// Clipboard text between the layer and another X client, both ways, through the CLIPBOARD selection.
#include "X11TestSupport.h"

#include <atomic>
#include <chrono>
#include <thread>

using namespace WinTest;

namespace X11Test {
namespace {

using Clock = std::chrono::steady_clock;

// Another program asking for the clipboard as `target`, on its own connection and thread (INCR
// transfers reassembled).
struct TFetch {
  bool Ok = false;
  std::string Type;
  std::string Data;
  std::atomic<bool> Done{false};
};

bool WaitFor(Display* d, Window w, int type, XEvent& ev) {
  auto deadline = Clock::now() + std::chrono::seconds(3);
  while (Clock::now() < deadline) {
    if (XCheckTypedWindowEvent(d, w, type, &ev)) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return false;
}

bool ReadDeleting(Display* d, Window w, Atom property, Atom& type, std::string& data) {
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* bytes = nullptr;
  if (XGetWindowProperty(d, w, property, 0, 0x1FFFFFFF, True, AnyPropertyType, &type, &format, &items, &after,
                         &bytes) != Success)
    return false;
  data.assign(reinterpret_cast<char*>(bytes), format == 8 ? items : items * (format == 32 ? sizeof(long) : 2));
  if (bytes) XFree(bytes);
  return true;
}

void Fetch(const std::string& display, const char* target, TFetch& out) {
  Display* d = XOpenDisplay(display.c_str());
  Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
  XSelectInput(d, w, PropertyChangeMask);
  Atom property = XInternAtom(d, "PEER_DATA", False), incr = XInternAtom(d, "INCR", False);
  XConvertSelection(d, XInternAtom(d, "CLIPBOARD", False), XInternAtom(d, target, False), property, w, CurrentTime);
  XFlush(d);
  XEvent ev;
  Atom type = None;
  if (WaitFor(d, w, SelectionNotify, ev) && ev.xselection.property != None && ReadDeleting(d, w, property, type, out.Data)) {
    out.Ok = true;
    if (type == incr) {
      out.Data.clear();
      for (;;) {
        if (!WaitFor(d, w, PropertyNotify, ev)) {
          out.Ok = false;
          break;
        }
        if (ev.xproperty.state != PropertyNewValue) continue;
        std::string piece;
        ReadDeleting(d, w, property, type, piece);
        if (type == None) continue;  // the announcement's own event: nothing there yet
        if (piece.empty()) break;
        out.Data += piece;
      }
    }
    char* name = type != None ? XGetAtomName(d, type) : nullptr;
    out.Type = name ? name : "";
    if (name) XFree(name);
  }
  XCloseDisplay(d);
  out.Done = true;
}

class X11Clipboard : public TX11Fixture {
 protected:
  // What another program gets for `target` while the layer runs.
  void FetchWhilePumping(const char* target, TFetch& out) {
    std::thread peer(Fetch, DisplayName, target, std::ref(out));
    PumpUntil([&] { return out.Done.load(); }, 10000);
    peer.join();
  }
};

TEST_F(X11Clipboard, TheLayersTextReachesAnotherProgram) {
  std::string large;
  while (large.size() < 400000) large += "拍卖第" + std::to_string(large.size()) + "件;";
  struct TCase {
    const char* Name;
    std::string Text;
    const char* Target;
    std::string Type, Expected;
  };
  const TCase cases[] = {
      {"UTF-8", "拍卖 lot 7", "UTF8_STRING", "UTF8_STRING", "拍卖 lot 7"},
      {"Latin-1 for older programs", "café ¥5 中", "STRING", "STRING", "caf\xE9 \xA5" "5 ?"},
      {"large text in pieces", large, "UTF8_STRING", "UTF8_STRING", large},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    ASSERT_TRUE(WinClipboard::SetClipboardText(c.Text));
    TFetch got;
    FetchWhilePumping(c.Target, got);
    ASSERT_TRUE(got.Ok);
    EXPECT_EQ(got.Type, c.Type);
    EXPECT_TRUE(got.Data == c.Expected) << got.Data.size() << " bytes";
  }
  TFetch targets;
  FetchWhilePumping("TARGETS", targets);
  ASSERT_TRUE(targets.Ok);
  const long* atoms = reinterpret_cast<const long*>(targets.Data.data());
  std::vector<long> list(atoms, atoms + targets.Data.size() / sizeof(long));
  EXPECT_NE(std::find(list.begin(), list.end(), static_cast<long>(Intern("UTF8_STRING"))), list.end());
}

TEST_F(X11Clipboard, AnotherProgramsTextReachesTheLayer) {
  // The layer owned the clipboard; another program takes it over and serves its own text.
  ASSERT_TRUE(WinClipboard::SetClipboardText("旧的文字"));
  const std::string text = "中文 text 拍卖";
  std::atomic<bool> ready{false}, stop{false};
  std::thread owner([&] {
    Display* d = XOpenDisplay(DisplayName.c_str());
    Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
    Atom clipboard = XInternAtom(d, "CLIPBOARD", False), utf8 = XInternAtom(d, "UTF8_STRING", False);
    XSetSelectionOwner(d, clipboard, w, CurrentTime);
    XSync(d, False);
    ready = true;
    while (!stop) {
      XEvent ev;
      if (!XCheckTypedWindowEvent(d, w, SelectionRequest, &ev)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        continue;
      }
      XSelectionRequestEvent& req = ev.xselectionrequest;
      XEvent reply{};
      reply.xselection.type = SelectionNotify;
      reply.xselection.requestor = req.requestor;
      reply.xselection.selection = req.selection;
      reply.xselection.target = req.target;
      reply.xselection.time = req.time;
      reply.xselection.property = None;
      if (req.target == utf8) {
        XChangeProperty(d, req.requestor, req.property, utf8, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
        reply.xselection.property = req.property;
      }
      XSendEvent(d, req.requestor, False, NoEventMask, &reply);
      XFlush(d);
    }
    XCloseDisplay(d);
  });
  while (!ready) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  Pump(50);  // the layer hears that it lost the selection
  // The layer's readers see the new text, not the text the layer had put there.
  String got;
  EXPECT_TRUE(WinClipboard::IsClipboardFormatAvailable(CF_TEXT));
  EXPECT_TRUE(WinClipboard::GetClipboardText(got));
  EXPECT_EQ(got, text);
  EXPECT_EQ(WinClipboard::GetClipboardOwner(), nullptr);
  stop = true;
  owner.join();
}

}  // namespace
}  // namespace X11Test
