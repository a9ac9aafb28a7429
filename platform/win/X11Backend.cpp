// The X11 backend: the connection, one undecorated X window per top-level window of the layer with
// the hints that carry its style, its surface shown through XPutImage (shared memory when the server
// offers it), and the events that move, map and focus windows.
#include "X11Backend.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Messages.h"
#include "WinFocus.h"
#include "WinGdi.h"
#include "WinInternals.h"
#include "WinManage.h"
#include "WinNonClient.h"
#include "WinPaint.h"
#include "WinQueue.h"

#include "X11Internals.h"

#include <X11/XKBlib.h>
#include <X11/extensions/shape.h>

namespace X11Internals {

namespace {

int GErrors = 0;

int OnXError(Display*, XErrorEvent*) {
  ++GErrors;
  return 0;
}

bool Empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }
bool Same(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// X windows cannot be empty: the geometry a layer rectangle gets on the server.
RECT XGeometry(const RECT& r) {
  return RECT{r.left, r.top, r.left + std::max<LONG>(1, r.right - r.left), r.top + std::max<LONG>(1, r.bottom - r.top)};
}

bool IsOverrideRedirect(const TWindow* w) {
  using namespace WinManage;
  // Menus, hints and drop-downs: caption-less tool or non-activating popups, and child windows
  // detached from their parent, which the window manager must neither decorate, place nor focus.
  return w->IsChildStyle() || ((w->Style & WS_POPUP) && (w->Style & WS_CAPTION) != WS_CAPTION &&
                               (w->ExStyle & (WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE)));
}

}  // namespace

int ErrorCount() { return GErrors; }
void ResetErrorCount() { GErrors = 0; }

bool NativeLayout(const XImage* image) {
  return image->bits_per_pixel == 32 && image->red_mask == 0xFF0000 && image->green_mask == 0xFF00 &&
         image->blue_mask == 0xFF && image->byte_order == LSBFirst;
}

unsigned long XPixelOf(const XImage* image, uint32_t pixel) {
  auto channel = [](uint32_t value, unsigned long mask) -> unsigned long {
    if (!mask) return 0;
    int shift = __builtin_ctzl(mask), bits = __builtin_popcountl(mask);
    return ((static_cast<unsigned long>(value) * ((1ul << bits) - 1) + 127) / 255) << shift;
  };
  return channel((pixel >> 16) & 0xFF, image->red_mask) | channel((pixel >> 8) & 0xFF, image->green_mask) |
         channel(pixel & 0xFF, image->blue_mask);
}

// ---- Connection --------------------------------------------------------------------------------------

bool TX11::Open(const char* displayName, String& error) {
  XInitThreads();
  FDpy = XOpenDisplay(displayName);
  if (!FDpy) {
    const char* shown = displayName ? displayName : getenv("DISPLAY");
    error = shown && *shown ? String("cannot open the X display \"") + shown + "\""
                            : String("no X display is set (DISPLAY is empty)");
    return false;
  }
  XSetErrorHandler(OnXError);
  FScreen = DefaultScreen(FDpy);
  FRoot = RootWindow(FDpy, FScreen);
  FVisual = DefaultVisual(FDpy, FScreen);
  FDepth = DefaultDepth(FDpy, FScreen);
  if (FVisual->c_class != TrueColor || FDepth < 15) {
    error = "the X display's default visual is not a true-colour visual of 15 bits or more";
    return false;
  }

  char trayName[32];
  snprintf(trayName, sizeof trayName, "_NET_SYSTEM_TRAY_S%d", FScreen);
  const char* names[] = {"WM_PROTOCOLS", "WM_DELETE_WINDOW", "WM_STATE", "WM_CHANGE_STATE", "WM_TRANSIENT_FOR",
                         "_NET_WM_NAME", "_NET_WM_STATE", "_NET_WM_STATE_ABOVE", "_NET_WM_STATE_SKIP_TASKBAR",
                         "_NET_WM_STATE_MODAL", "_NET_WM_STATE_HIDDEN", "_NET_WM_WINDOW_TYPE",
                         "_NET_WM_WINDOW_TYPE_NORMAL", "_NET_WM_WINDOW_TYPE_DIALOG", "_NET_WM_WINDOW_TYPE_UTILITY",
                         "_NET_WM_PID", "_NET_ACTIVE_WINDOW", "_NET_SUPPORTING_WM_CHECK", "_NET_WM_WINDOW_OPACITY",
                         "_MOTIF_WM_HINTS",
                         "UTF8_STRING", "CLIPBOARD", "TARGETS", "TEXT", "TIMESTAMP", "INCR", "WIN_CLIPBOARD",
                         "WIN_TIMESTAMP", "MANAGER", "_NET_SYSTEM_TRAY_OPCODE", trayName, "_XEMBED_INFO", "_XEMBED"};
  constexpr int count = sizeof(names) / sizeof(names[0]);
  static_assert(sizeof(TAtoms) == count * sizeof(Atom), "one name per atom");
  XInternAtoms(FDpy, const_cast<char**>(names), count, False, reinterpret_cast<Atom*>(&A));

  int major = 0, minor = 0;
  Bool pixmaps = False;
  FUseShm = XShmQueryVersion(FDpy, &major, &minor, &pixmaps);
  int shapeEvent = 0, shapeError = 0;
  FHaveShape = XShapeQueryExtension(FDpy, &shapeEvent, &shapeError);
  if (pipe2(FWake, O_NONBLOCK | O_CLOEXEC) != 0) {
    error = String("cannot make the wake-up pipe: ") + strerror(errno);
    return false;
  }
  FHidden = XCreateSimpleWindow(FDpy, FRoot, -10, -10, 1, 1, 0, 0, 0);
  XSelectInput(FDpy, FHidden, PropertyChangeMask);
  XSelectInput(FDpy, FRoot, StructureNotifyMask | PropertyChangeMask);
  Bool supported = False;
  XkbSetDetectableAutoRepeat(FDpy, True, &supported);
  DetectWindowManager();
  OpenInputMethod();
  XFlush(FDpy);
  return true;
}

TX11::~TX11() {
  if (FDpy) {
    FreeTray();
    for (auto& [hwnd, xw] : FWindows) Forget(*xw);
    FWindows.clear();
    FByXid.clear();
    FreeCursors();
    if (FIm) XCloseIM(FIm);
    if (FHidden) XDestroyWindow(FDpy, FHidden);
    XCloseDisplay(FDpy);
  }
  for (int fd : FWake)
    if (fd >= 0) close(fd);
}

SIZE TX11::ScreenSize() const {
  return SIZE{DisplayWidth(FDpy, FScreen), DisplayHeight(FDpy, FScreen)};
}

void TX11::DetectWindowManager() {
  auto checkWindow = [this](Window on) -> Window {
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    Window found = 0;
    if (XGetWindowProperty(FDpy, on, A.NetSupportingWmCheck, 0, 1, False, XA_WINDOW, &type, &format, &items, &after,
                           &data) == Success &&
        type == XA_WINDOW && format == 32 && items == 1)
      found = *reinterpret_cast<Window*>(data);
    if (data) XFree(data);
    return found;
  };
  Window check = checkWindow(FRoot);
  FHaveWm = check && checkWindow(check) == check;
}

Time TX11::ServerTime() {
  if (FLastTime) return FLastTime;
  // A zero-length append makes the server tell the time in the PropertyNotify it causes.
  XChangeProperty(FDpy, FHidden, A.TimeProperty, XA_STRING, 8, PropModeAppend, nullptr, 0);
  XEvent ev;
  if (WaitForEvent(ev, FHidden, PropertyNotify, A.TimeProperty, 1000)) FLastTime = ev.xproperty.time;
  return FLastTime ? FLastTime : CurrentTime;
}

// ---- Windows -----------------------------------------------------------------------------------------

TXWindow* TX11::Find(HWND hwnd) {
  auto it = FWindows.find(hwnd);
  return it == FWindows.end() ? nullptr : it->second.get();
}

TXWindow* TX11::FindX(Window xid) {
  auto it = FByXid.find(xid);
  return it == FByXid.end() ? nullptr : it->second;
}

Window TX11::XWindowOf(HWND hwnd) const {
  auto it = FWindows.find(hwnd);
  return it == FWindows.end() ? 0 : it->second->Xid;
}

TXWindow* TX11::Ensure(HWND hwnd) {
  if (TXWindow* xw = Find(hwnd)) return xw;
  TWindow* w = FindWindowRec(hwnd);
  if (!w || !IsTopLevel(w)) return nullptr;
  auto xw = std::make_unique<TXWindow>();
  xw->Hwnd = hwnd;
  xw->Rect = w->Rect;
  xw->OverrideRedirect = IsOverrideRedirect(w);
  RECT g = XGeometry(w->Rect);
  XSetWindowAttributes a{};
  a.background_pixmap = None;  // nothing painted by the server: the surface arrives with the Expose
  a.bit_gravity = NorthWestGravity;
  a.override_redirect = xw->OverrideRedirect;
  a.event_mask = WindowEventMask;
  xw->Xid = XCreateWindow(FDpy, FRoot, g.left, g.top, g.right - g.left, g.bottom - g.top, 0, CopyFromParent,
                          InputOutput, CopyFromParent, CWBackPixmap | CWBitGravity | CWOverrideRedirect | CWEventMask,
                          &a);
  Atom protocols[] = {A.WmDeleteWindow};
  XSetWMProtocols(FDpy, xw->Xid, protocols, 1);
  XClassHint* cls = XAllocClassHint();
  cls->res_name = program_invocation_short_name;
  cls->res_class = program_invocation_short_name;
  XSetClassHint(FDpy, xw->Xid, cls);
  XFree(cls);
  long pid = getpid();
  XChangeProperty(FDpy, xw->Xid, A.NetWmPid, XA_CARDINAL, 32, PropModeReplace, reinterpret_cast<unsigned char*>(&pid), 1);
  // No decorations: the layer draws caption and frame itself.
  long motif[5] = {2, 0, 0, 0, 0};
  XChangeProperty(FDpy, xw->Xid, A.MotifWmHints, A.MotifWmHints, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(motif), 5);
  XSizeHints* size = XAllocSizeHints();
  size->flags = USPosition | PPosition | USSize | PSize;
  size->x = g.left;
  size->y = g.top;
  size->width = g.right - g.left;
  size->height = g.bottom - g.top;
  XSetWMNormalHints(FDpy, xw->Xid, size);
  XFree(size);
  xw->Gc = XCreateGC(FDpy, xw->Xid, 0, nullptr);
  XSetGraphicsExposures(FDpy, xw->Gc, False);
  xw->TakesFocus = TakesActivation(w);
  XWMHints* hints = XAllocWMHints();
  hints->flags = InputHint | StateHint;
  hints->input = xw->TakesFocus;
  hints->initial_state = NormalState;
  XSetWMHints(FDpy, xw->Xid, hints);
  XFree(hints);
  CreateIc(*xw);
  if (FShownCursor) XDefineCursor(FDpy, xw->Xid, FShownCursor);
  TXWindow* result = xw.get();
  FByXid[result->Xid] = result;
  FWindows[hwnd] = std::move(xw);
  UpdateHints(*result);
  return result;
}

void TX11::Forget(TXWindow& xw) {
  if (FGrabbedFor) {
    // Whichever window the grab was for: it may be gone too.
    FGrabbedFor = nullptr;
    XUngrabPointer(FDpy, CurrentTime);
  }
  if (xw.Ic) XDestroyIC(xw.Ic);
  if (xw.Shape) DeleteObject(xw.Shape);
  FreeImage(xw);
  if (xw.Gc) XFreeGC(FDpy, xw.Gc);
  XDestroyWindow(FDpy, xw.Xid);
}

void TX11::WindowDestroyed(HWND hwnd) {
  auto it = FWindows.find(hwnd);
  if (it == FWindows.end()) return;
  FByXid.erase(it->second->Xid);
  Forget(*it->second);
  FWindows.erase(it);
  if (FLastActive == hwnd) FLastActive = nullptr;
  XFlush(FDpy);
}

void TX11::UpdateHints(TXWindow& xw) {
  using namespace WinManage;
  TWindow* w = FindWindowRec(xw.Hwnd);
  if (!w) return;
  if (!xw.TitleSet || w->Text != xw.Title) {
    xw.Title = w->Text;
    xw.TitleSet = true;
    auto text = reinterpret_cast<const unsigned char*>(xw.Title.data());
    int length = static_cast<int>(xw.Title.size());
    XChangeProperty(FDpy, xw.Xid, A.NetWmName, A.Utf8String, 8, PropModeReplace, text, length);
    XChangeProperty(FDpy, xw.Xid, XA_WM_NAME, A.Utf8String, 8, PropModeReplace, text, length);
  }
  TWindow* owner = w->Owner ? TopLevelOf(w->Owner) : nullptr;
  TXWindow* ownerX = owner && owner != w ? Ensure(owner->Handle) : nullptr;
  Window transient = ownerX ? ownerX->Xid : 0;
  if (transient != xw.TransientFor) {
    xw.TransientFor = transient;
    if (transient) XSetTransientForHint(FDpy, xw.Xid, transient);
    else XDeleteProperty(FDpy, xw.Xid, A.WmTransientFor);
  }
  bool tool = (w->ExStyle & WS_EX_TOOLWINDOW) != 0;
  Atom type = tool ? A.NetWmWindowTypeUtility : owner ? A.NetWmWindowTypeDialog : A.NetWmWindowTypeNormal;
  if (type != xw.Type) {
    xw.Type = type;
    XChangeProperty(FDpy, xw.Xid, A.NetWmWindowType, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&type), 1);
  }
  // A task-bar entry belongs to unowned windows that are not tool windows, and to app windows.
  bool skipTaskbar = !(w->ExStyle & WS_EX_APPWINDOW) && (owner || tool);
  // An owned window whose owner is disabled is modal to it.
  bool modal = owner && (owner->Style & WS_DISABLED);
  std::vector<Atom> states;
  if (w->ExStyle & WS_EX_TOPMOST) states.push_back(A.NetWmStateAbove);
  if (skipTaskbar) states.push_back(A.NetWmStateSkipTaskbar);
  if (modal) states.push_back(A.NetWmStateModal);
  SetNetState(xw, states);
  UpdateShapeAndOpacity(xw, w);
}

void TX11::UpdateShapeAndOpacity(TXWindow& xw, const TWindow* w) {
  // A window region cuts the X window to the same shape (the parts outside show what is beneath).
  bool same = w->WindowRgn ? xw.Shape && EqualRgn(w->WindowRgn, xw.Shape) : !xw.Shape;
  if (!same && FHaveShape) {
    if (xw.Shape) DeleteObject(xw.Shape);
    xw.Shape = nullptr;
    if (!w->WindowRgn) {
      XShapeCombineMask(FDpy, xw.Xid, ShapeBounding, 0, 0, None, ShapeSet);
    } else {
      xw.Shape = CreateRectRgn(0, 0, 0, 0);
      CombineRgn(xw.Shape, w->WindowRgn, nullptr, RGN_COPY);
      DWORD size = GetRegionData(w->WindowRgn, 0, nullptr);
      std::vector<char> buffer(std::max<DWORD>(size, sizeof(RGNDATA)));
      auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
      std::vector<XRectangle> rects;
      if (size && GetRegionData(w->WindowRgn, size, data)) {
        const RECT* r = reinterpret_cast<const RECT*>(data->Buffer);
        for (DWORD i = 0; i < data->rdh.nCount; ++i)
          rects.push_back(XRectangle{static_cast<short>(r[i].left), static_cast<short>(r[i].top),
                                     static_cast<unsigned short>(r[i].right - r[i].left),
                                     static_cast<unsigned short>(r[i].bottom - r[i].top)});
      }
      XShapeCombineRectangles(FDpy, xw.Xid, ShapeBounding, 0, 0, rects.data(), static_cast<int>(rects.size()),
                              ShapeSet, YXBanded);
    }
  }
  // A layered window's constant alpha, for the compositor where one runs.
  bool translucent = (w->ExStyle & WinManage::WS_EX_LAYERED) && (w->LayerFlags & LWA_ALPHA) && w->LayerAlpha < 255;
  unsigned long opacity = translucent ? w->LayerAlpha * 0x01010101ul : 0xFFFFFFFFul;
  if (opacity != xw.Opacity) {
    xw.Opacity = opacity;
    if (translucent) {
      long value = static_cast<long>(opacity);
      XChangeProperty(FDpy, xw.Xid, A.NetWmWindowOpacity, XA_CARDINAL, 32, PropModeReplace,
                      reinterpret_cast<unsigned char*>(&value), 1);
    } else {
      XDeleteProperty(FDpy, xw.Xid, A.NetWmWindowOpacity);
    }
  }
}

void TX11::SetNetState(TXWindow& xw, const std::vector<Atom>& wanted) {
  if (wanted == xw.States) return;
  if (xw.Mapped && FHaveWm) {
    // A mapped window's state belongs to the window manager: ask it for each change.
    auto ask = [&](Atom state, long action) {
      XEvent ev{};
      ev.xclient.type = ClientMessage;
      ev.xclient.window = xw.Xid;
      ev.xclient.message_type = A.NetWmState;
      ev.xclient.format = 32;
      ev.xclient.data.l[0] = action;
      ev.xclient.data.l[1] = static_cast<long>(state);
      ev.xclient.data.l[3] = 1;  // from an application
      XSendEvent(FDpy, FRoot, False, SubstructureRedirectMask | SubstructureNotifyMask, &ev);
    };
    for (Atom a : xw.States)
      if (std::find(wanted.begin(), wanted.end(), a) == wanted.end()) ask(a, 0);
    for (Atom a : wanted)
      if (std::find(xw.States.begin(), xw.States.end(), a) == xw.States.end()) ask(a, 1);
  } else {
    XChangeProperty(FDpy, xw.Xid, A.NetWmState, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(wanted.data()), static_cast<int>(wanted.size()));
  }
  xw.States = wanted;
}

void TX11::Map(TXWindow& xw) {
  TWindow* w = FindWindowRec(xw.Hwnd);
  if (!w) return;
  bool overrideRedirect = IsOverrideRedirect(w);
  if (overrideRedirect != xw.OverrideRedirect) {
    // Only an unmapped window changes between managed and unmanaged.
    XSetWindowAttributes a{};
    a.override_redirect = overrideRedirect;
    XChangeWindowAttributes(FDpy, xw.Xid, CWOverrideRedirect, &a);
    xw.OverrideRedirect = overrideRedirect;
  }
  bool takesFocus = TakesActivation(w);
  if (takesFocus != xw.TakesFocus) {
    xw.TakesFocus = takesFocus;
    XWMHints* hints = XAllocWMHints();
    hints->flags = InputHint;
    hints->input = takesFocus;
    XSetWMHints(FDpy, xw.Xid, hints);
    XFree(hints);
  }
  UpdateHints(xw);
  XMapRaised(FDpy, xw.Xid);
  xw.Mapped = true;
}

void TX11::WindowShown(HWND hwnd, bool visible) {
  TXWindow* xw = visible ? Ensure(hwnd) : Find(hwnd);
  TWindow* w = FindWindowRec(hwnd);
  if (!xw || !w) return;
  if (!visible) {
    if (xw->Mapped) {
      XWithdrawWindow(FDpy, xw->Xid, FScreen);
      xw->Mapped = xw->Viewable = xw->Iconic = false;
      xw->Dirty = RECT{};
    }
    return;
  }
  if (!xw->Mapped) {
    Map(*xw);
    xw->Iconic = false;
  } else {
    UpdateHints(*xw);
  }
  if (w->Minimized && !xw->Iconic) {
    // Minimised through the window manager; without one the window simply goes away until restored.
    if (FHaveWm) XIconifyWindow(FDpy, xw->Xid, FScreen);
    else XUnmapWindow(FDpy, xw->Xid);
    xw->Iconic = true;
  } else if (!w->Minimized && xw->Iconic) {
    XMapRaised(FDpy, xw->Xid);
    xw->Iconic = false;
  }
}

void TX11::WindowMoved(HWND hwnd, const RECT& screenRect) {
  TXWindow* xw = Ensure(hwnd);
  TWindow* w = FindWindowRec(hwnd);
  if (!xw || !w) return;
  // A minimised window's rectangle is the layer's parking place, not a place on the screen.
  if (w->Minimized || Same(screenRect, xw->Rect)) return;
  MoveResize(*xw, screenRect);
}

void TX11::MoveResize(TXWindow& xw, const RECT& r) {
  xw.Rect = r;
  RECT g = XGeometry(r);
  XMoveResizeWindow(FDpy, xw.Xid, g.left, g.top, g.right - g.left, g.bottom - g.top);
  xw.Requested.push_back(g);
  if (xw.Requested.size() > 32) xw.Requested.pop_front();
}

void TX11::HandleConfigure(TXWindow& xw, const XConfigureEvent& ev) {
  int x = ev.x, y = ev.y;
  if (!ev.send_event && FHaveWm) {
    // Relative to the window manager's frame: ask where that is on the screen.
    Window child = 0;
    XTranslateCoordinates(FDpy, xw.Xid, FRoot, 0, 0, &x, &y, &child);
  }
  RECT got{x, y, x + ev.width, y + ev.height};
  for (auto it = xw.Requested.begin(); it != xw.Requested.end(); ++it) {
    if (Same(*it, got)) {
      xw.Requested.erase(xw.Requested.begin(), it + 1);
      return;
    }
  }
  if (Same(got, XGeometry(xw.Rect)) || xw.Iconic) return;
  TWindow* w = FindWindowRec(xw.Hwnd);
  if (!w || w->Minimized) return;
  // Moved or sized by the window manager or the user through it: the layer follows.
  xw.Rect = got;
  SetWindowPos(xw.Hwnd, nullptr, got.left, got.top, got.right - got.left, got.bottom - got.top,
               WinManage::SWP_NOZORDER | WinManage::SWP_NOACTIVATE);
}

void TX11::HandleWmState(TXWindow& xw) {
  Atom type = 0;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  long state = -1;
  if (XGetWindowProperty(FDpy, xw.Xid, A.WmState, 0, 2, False, A.WmState, &type, &format, &items, &after, &data) ==
          Success &&
      format == 32 && items >= 1)
    state = reinterpret_cast<long*>(data)[0];
  if (data) XFree(data);
  bool minimized = IsIconic(xw.Hwnd);
  if (state == IconicState && !xw.Iconic) {
    xw.Iconic = true;
    if (!minimized) PostMessageA(xw.Hwnd, WM_SYSCOMMAND, WinNonClient::SC_MINIMIZE, 0);
  } else if (state == NormalState && xw.Iconic) {
    xw.Iconic = false;
    if (minimized) PostMessageA(xw.Hwnd, WM_SYSCOMMAND, WinNonClient::SC_RESTORE, 0);
  }
}

// ---- Surfaces ----------------------------------------------------------------------------------------

void TX11::FreeImage(TXWindow& xw) {
  if (!xw.Image) return;
  if (xw.ShmAttached) {
    XShmDetach(FDpy, &xw.Shm);
    xw.Image->data = nullptr;
    XDestroyImage(xw.Image);
    shmdt(xw.Shm.shmaddr);
    xw.ShmAttached = false;
  } else {
    XDestroyImage(xw.Image);  // frees the pixels too
  }
  xw.Image = nullptr;
}

void TX11::EnsureImage(TXWindow& xw, int width, int height) {
  if (xw.Image && xw.Image->width == width && xw.Image->height == height) return;
  FreeImage(xw);
  if (width <= 0 || height <= 0) return;
  if (FUseShm) {
    XImage* image = XShmCreateImage(FDpy, FVisual, FDepth, ZPixmap, nullptr, &xw.Shm, width, height);
    int id = image ? shmget(IPC_PRIVATE, static_cast<size_t>(image->bytes_per_line) * height, IPC_CREAT | 0600) : -1;
    void* address = id >= 0 ? shmat(id, nullptr, 0) : reinterpret_cast<void*>(-1);
    if (address != reinterpret_cast<void*>(-1)) {
      xw.Shm.shmid = id;
      xw.Shm.shmaddr = image->data = static_cast<char*>(address);
      xw.Shm.readOnly = False;
      ResetErrorCount();
      XShmAttach(FDpy, &xw.Shm);
      XSync(FDpy, False);
      // Marked for removal now, so that the segment goes with the last detach whatever happens.
      shmctl(id, IPC_RMID, nullptr);
      if (ErrorCount() == 0) {
        xw.Image = image;
        xw.ShmAttached = true;
        return;
      }
      shmdt(address);
    } else if (id >= 0) {
      shmctl(id, IPC_RMID, nullptr);
    }
    if (image) {
      image->data = nullptr;
      XDestroyImage(image);
    }
    FUseShm = false;  // a remote server or no shared memory here: plain requests from now on
  }
  XImage* image = XCreateImage(FDpy, FVisual, FDepth, ZPixmap, 0, nullptr, width, height, 32, 0);
  if (!image) return;
  image->data = static_cast<char*>(calloc(static_cast<size_t>(image->bytes_per_line), height));
  if (!image->data) {
    XDestroyImage(image);
    return;
  }
  xw.Image = image;
}

void TX11::AddDirty(TXWindow& xw, const RECT& r) {
  if (Empty(r)) return;
  if (Empty(xw.Dirty)) {
    xw.Dirty = r;
    return;
  }
  xw.Dirty.left = std::min(xw.Dirty.left, r.left);
  xw.Dirty.top = std::min(xw.Dirty.top, r.top);
  xw.Dirty.right = std::max(xw.Dirty.right, r.right);
  xw.Dirty.bottom = std::max(xw.Dirty.bottom, r.bottom);
}

void TX11::SurfaceChanged(HWND hwnd, const RECT& dirty) {
  TXWindow* xw = Find(hwnd);
  if (!xw) return;
  AddDirty(*xw, dirty);
  // A new caption text shows as a repaint of the frame: the title follows here.
  UpdateHints(*xw);
}

void TX11::PutRect(TXWindow& xw, const RECT& area) {
  TWindow* w = FindWindowRec(xw.Hwnd);
  if (!w || !w->Surface) return;
  const TGdiSurface& s = *w->Surface;
  RECT r{std::max<LONG>(0, area.left), std::max<LONG>(0, area.top), std::min<LONG>(s.Width(), area.right),
         std::min<LONG>(s.Height(), area.bottom)};
  if (Empty(r)) return;
  EnsureImage(xw, s.Width(), s.Height());
  XImage* image = xw.Image;
  if (!image) return;
  int width = r.right - r.left;
  if (NativeLayout(image)) {
    for (int y = r.top; y < r.bottom; ++y)
      memcpy(image->data + static_cast<size_t>(y) * image->bytes_per_line + r.left * 4, s.Scanline(y) + r.left,
             static_cast<size_t>(width) * 4);
  } else {
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) XPutPixel(image, x, y, XPixelOf(image, s.Pixel(x, y)));
  }
  if (xw.ShmAttached)
    XShmPutImage(FDpy, xw.Xid, xw.Gc, image, r.left, r.top, r.left, r.top, width, r.bottom - r.top, False);
  else
    XPutImage(FDpy, xw.Xid, xw.Gc, image, r.left, r.top, r.left, r.top, width, r.bottom - r.top);
}

void TX11::FlushSurfaces() {
  bool shared = false;
  for (auto& [hwnd, xw] : FWindows) {
    if (Empty(xw->Dirty)) continue;
    RECT dirty = xw->Dirty;
    xw->Dirty = RECT{};
    // An unmapped window gets its whole picture with the Expose that follows its mapping.
    if (!xw->Mapped) continue;
    PutRect(*xw, dirty);
    shared = shared || xw->ShmAttached;
  }
  // Shared pixels must not change before the server has read them.
  if (shared) XSync(FDpy, False);
  else XFlush(FDpy);
}

void TX11::Sync() {
  FlushSurfaces();
  XSync(FDpy, False);
}

// ---- Events ------------------------------------------------------------------------------------------

void TX11::SyncActivation() {
  HWND active = GetActiveWindow();
  if (active == FLastActive) return;
  TXWindow* xw = Find(active);
  if (!xw || !xw->Viewable) return;  // again once it is mapped
  FLastActive = active;
  if (xw->OverrideRedirect || !xw->TakesFocus) return;
  if (FHaveWm) {
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = xw->Xid;
    ev.xclient.message_type = A.NetActiveWindow;
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = 1;  // from an application
    ev.xclient.data.l[1] = static_cast<long>(FLastTime);
    XSendEvent(FDpy, FRoot, False, SubstructureRedirectMask | SubstructureNotifyMask, &ev);
  } else {
    XSetInputFocus(FDpy, xw->Xid, RevertToParent, CurrentTime);
  }
}

void TX11::SweepGoneWindows() {
  // Windows destroyed, or made children, since the last look lose their X windows.
  std::vector<HWND> gone;
  for (auto& [hwnd, xw] : FWindows) {
    TWindow* w = FindWindowRec(hwnd);
    if (!w || !IsTopLevel(w)) gone.push_back(hwnd);
  }
  for (HWND h : gone) WindowDestroyed(h);
}

void TX11::PollInput() {
  SweepGoneWindows();
  FlushSurfaces();
  SyncActivation();
  SyncCapture();
  // Bounded, so that a flood of events cannot keep the layer from its own messages.
  for (int n = 0; n < 10000 && XPending(FDpy); ++n) {
    XEvent ev;
    XNextEvent(FDpy, &ev);
    HandleEvent(ev);
  }
  if (FFocusLeft) {
    FFocusLeft = false;
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(FDpy, &focus, &revert);
    // Keys held when the focus went to another program would stay down for ever.
    if (!FindX(focus)) ReleaseHeldKeys();
  }
  FlushSurfaces();
}

void TX11::HandleEvent(XEvent& ev) {
  if (XFilterEvent(&ev, None)) return;  // the input method's own traffic and composing keys
  switch (ev.type) {
    case KeyPress: case KeyRelease: FLastTime = ev.xkey.time; break;
    case ButtonPress: case ButtonRelease: FLastTime = ev.xbutton.time; break;
    case MotionNotify: FLastTime = ev.xmotion.time; break;
    case PropertyNotify: FLastTime = ev.xproperty.time; break;
    default: break;
  }
  if (HandleTrayEvent(ev)) return;
  switch (ev.type) {
    case Expose:
      if (TXWindow* xw = FindX(ev.xexpose.window))
        AddDirty(*xw, RECT{ev.xexpose.x, ev.xexpose.y, ev.xexpose.x + ev.xexpose.width, ev.xexpose.y + ev.xexpose.height});
      break;
    case MapNotify:
      if (TXWindow* xw = FindX(ev.xmap.window)) {
        xw->Viewable = true;
        if (xw->Hwnd == GetActiveWindow()) FLastActive = nullptr;  // focus it now that it can have it
        SyncActivation();
      }
      break;
    case UnmapNotify:
      if (TXWindow* xw = FindX(ev.xunmap.window)) xw->Viewable = false;
      break;
    case ConfigureNotify:
      if (TXWindow* xw = FindX(ev.xconfigure.window)) HandleConfigure(*xw, ev.xconfigure);
      break;
    case PropertyNotify:
      if (ev.xproperty.window == FRoot && ev.xproperty.atom == A.NetSupportingWmCheck) DetectWindowManager();
      else if (ev.xproperty.state == PropertyDelete) ContinueIncrSend(ev.xproperty);
      else if (TXWindow* xw = FindX(ev.xproperty.window); xw && ev.xproperty.atom == A.WmState) HandleWmState(*xw);
      break;
    case ClientMessage:
      if (TXWindow* xw = FindX(ev.xclient.window);
          xw && ev.xclient.message_type == A.WmProtocols && static_cast<Atom>(ev.xclient.data.l[0]) == A.WmDeleteWindow)
        PostMessageA(xw->Hwnd, WM_SYSCOMMAND, WinNonClient::SC_CLOSE, 0);
      break;
    case FocusIn:
      if (TXWindow* xw = FindX(ev.xfocus.window)) {
        if (xw->Ic) XSetICFocus(xw->Ic);
        if (ev.xfocus.mode == NotifyGrab || ev.xfocus.mode == NotifyUngrab || ev.xfocus.detail == NotifyPointer) break;
        FFocusLeft = false;
        HWND h = xw->Hwnd;
        // Focus given by the window manager (a click on the window, the task bar, a window switch).
        if (GetActiveWindow() != h && IsWindowEnabled(h) && !IsIconic(h)) {
          FLastActive = h;
          SetActiveWindow(h);
        }
      }
      break;
    case FocusOut:
      if (TXWindow* xw = FindX(ev.xfocus.window)) {
        if (xw->Ic) XUnsetICFocus(xw->Ic);
        if (ev.xfocus.mode == NotifyNormal && ev.xfocus.detail != NotifyInferior) FFocusLeft = true;
      }
      break;
    case KeyPress:
    case KeyRelease:
      HandleKey(FindX(ev.xkey.window), ev.xkey);
      break;
    case ButtonPress:
    case ButtonRelease:
      if (FindX(ev.xbutton.window)) HandleButton(ev.xbutton);
      break;
    case MotionNotify: {
      // Only the latest position of a run of motions matters.
      XEvent next;
      while (XCheckTypedWindowEvent(FDpy, ev.xmotion.window, MotionNotify, &next)) ev = next;
      if (FindX(ev.xmotion.window)) HandleMotion(ev.xmotion.x_root, ev.xmotion.y_root);
      break;
    }
    case EnterNotify:
    case LeaveNotify:
      if (FindX(ev.xcrossing.window) && ev.xcrossing.mode == NotifyNormal)
        HandleMotion(ev.xcrossing.x_root, ev.xcrossing.y_root);
      break;
    case MappingNotify:
      // Another keyboard layout or a remapped key: lookups must see it.
      if (ev.xmapping.request != MappingPointer) XRefreshKeyboardMapping(&ev.xmapping);
      break;
    case SelectionRequest:
      HandleSelectionRequest(ev.xselectionrequest);
      break;
    case SelectionClear:
      if (ev.xselectionclear.selection == A.Clipboard) {
        FOwnClipboard = false;
        FClipText.clear();
      }
      break;
    default:
      break;
  }
}

void TX11::Wait(DWORD milliseconds) {
  FlushSurfaces();
  if (XEventsQueued(FDpy, QueuedAfterFlush) > 0) return;
  pollfd fds[2] = {{ConnectionNumber(FDpy), POLLIN, 0}, {FWake[0], POLLIN, 0}};
  int timeout = milliseconds == 0xFFFFFFFF ? -1 : static_cast<int>(std::min<DWORD>(milliseconds, INT_MAX));
  poll(fds, 2, timeout);
  char drain[64];
  while (read(FWake[0], drain, sizeof drain) > 0) {
  }
}

void TX11::Wake() {
  char one = 1;
  ssize_t ignored = write(FWake[1], &one, 1);  // a full pipe already wakes the waiter
  (void)ignored;
}

void TX11::Beep() {
  XBell(FDpy, 0);
  XFlush(FDpy);
}

}  // namespace X11Internals

namespace X11Backend {

namespace {

TX11* Current() { return dynamic_cast<TX11*>(&Backend()); }

}  // namespace

std::unique_ptr<TWinBackend> CreateX11Backend(const char* display, String* error) {
  auto backend = std::make_unique<TX11>();
  String why;
  if (!backend->Open(display, why)) {
    if (error) *error = why;
    return nullptr;
  }
  return backend;
}

std::unique_ptr<TWinBackend> CreateBackendForEnvironment() {
  const char* choice = getenv("WIN_BACKEND");
  if (choice && strcmp(choice, "headless") == 0) return nullptr;
  const char* display = getenv("DISPLAY");
  bool wanted = (choice && strcmp(choice, "x11") == 0) || (display && *display);
  if (!wanted) return nullptr;
  String error;
  auto backend = CreateX11Backend(nullptr, &error);
  // Windows nobody can see must not come silently.
  if (!backend) fprintf(stderr, "%s: %s; the windows are not shown\n", program_invocation_short_name, error.c_str());
  return backend;
}

bool X11TrayIconSet(HWND wnd, UINT id, UINT callbackMessage, HICON icon, const String& tip) {
  TX11* x = Current();
  return x && x->TrayIconSet(wnd, id, callbackMessage, icon, tip);
}

bool X11TrayIconRemove(HWND wnd, UINT id) {
  TX11* x = Current();
  return x && x->TrayIconRemove(wnd, id);
}

bool X11TrayAvailable() {
  TX11* x = Current();
  return x && x->TrayAvailable();
}

unsigned long X11WindowOf(HWND hwnd) {
  TX11* x = Current();
  return x ? x->XWindowOf(hwnd) : 0;
}

void X11Sync() {
  if (TX11* x = Current()) x->Sync();
}

}  // namespace X11Backend
