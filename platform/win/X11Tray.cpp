// The notification-area icon through the desktop's system-tray protocol: the tray manager owns the
// selection _NET_SYSTEM_TRAY_S<screen>, an icon window asks it to dock and is embedded (XEmbed), mouse
// input on the icon goes to the program as its callback message. Icons dock again when a new tray
// starts.
#include <vector>

#include "Messages.h"
#include "WinGdi.h"
#include "WinIcons.h"
#include "WinInput.h"
#include "WinInternals.h"
#include "WinQueue.h"

#include "X11Internals.h"

namespace X11Internals {

namespace {

constexpr long SystemTrayRequestDock = 0;
constexpr long XembedMapped = 1;

// The icon's pixels with alpha 255 where it is opaque and 0 where the tray shows through.
std::unique_ptr<TGdiSurface> IconPixels(HICON icon) {
  ICONINFO info;
  if (!icon || !GetIconInfo(icon, &info)) return nullptr;
  TGdiSurface* color = info.hbmColor ? GetBitmapSurface(info.hbmColor) : nullptr;
  TGdiSurface* mask = info.hbmMask ? GetBitmapSurface(info.hbmMask) : nullptr;
  std::unique_ptr<TGdiSurface> out;
  if (mask) {
    // Without a colour image the mask holds the AND mask over the XOR mask.
    int width = mask->Width(), height = color ? color->Height() : mask->Height() / 2;
    out = std::make_unique<TGdiSurface>(width, height);
    bool hasAlpha = false;
    for (int y = 0; color && y < color->Height() && !hasAlpha; ++y)
      for (int x = 0; x < color->Width() && !hasAlpha; ++x) hasAlpha = (color->Pixel(x, y) >> 24) != 0;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        bool andBit = mask->Contains(x, y) && (mask->Pixel(x, y) & 0xFFFFFF) != 0;
        uint32_t rgb = color ? (color->Contains(x, y) ? color->Pixel(x, y) : 0)
                             : (mask->Contains(x, y + height) ? mask->Pixel(x, y + height) : 0);
        bool opaque = hasAlpha ? (rgb >> 24) >= 0x80 : !andBit;
        out->SetPixel(x, y, opaque ? (rgb | 0xFF000000u) : 0);
      }
  }
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return out;
}

}  // namespace

Window TX11::TrayManager() { return XGetSelectionOwner(FDpy, A.TraySelection); }

bool TX11::TrayAvailable() { return TrayManager() != None; }

bool TX11::Dock(TTrayIcon& icon) {
  Window manager = TrayManager();
  if (!manager) return false;
  if (manager != FTrayManager) {
    FTrayManager = manager;
    XSelectInput(FDpy, manager, StructureNotifyMask);  // to learn when it goes
  }
  XEvent ev{};
  ev.xclient.type = ClientMessage;
  ev.xclient.window = manager;
  ev.xclient.message_type = A.TrayOpcode;
  ev.xclient.format = 32;
  ev.xclient.data.l[0] = static_cast<long>(ServerTime());
  ev.xclient.data.l[1] = SystemTrayRequestDock;
  ev.xclient.data.l[2] = static_cast<long>(icon.Xid);
  XSendEvent(FDpy, manager, False, NoEventMask, &ev);
  XFlush(FDpy);
  return true;
}

bool TX11::TrayIconSet(HWND wnd, UINT id, UINT callbackMessage, HICON icon, const String& tip) {
  TTrayIcon* found = nullptr;
  for (auto& t : FTray)
    if (t->Wnd == wnd && t->Id == id) found = t.get();
  if (!found) {
    // Where no tray is there the caller keeps its task-bar entry instead.
    if (!TrayAvailable()) return false;
    auto t = std::make_unique<TTrayIcon>();
    t->Wnd = wnd;
    t->Id = id;
    XSetWindowAttributes a{};
    a.background_pixmap = ParentRelative;
    a.event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask | StructureNotifyMask;
    t->Xid = XCreateWindow(FDpy, FRoot, 0, 0, t->Width, t->Height, 0, CopyFromParent, InputOutput, CopyFromParent,
                           CWBackPixmap | CWEventMask, &a);
    t->Gc = XCreateGC(FDpy, t->Xid, 0, nullptr);
    long info[2] = {0, XembedMapped};
    XChangeProperty(FDpy, t->Xid, A.XembedInfo, A.XembedInfo, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(info), 2);
    if (!Dock(*t)) {  // the tray went away meanwhile: not added
      XFreeGC(FDpy, t->Gc);
      XDestroyWindow(FDpy, t->Xid);
      return false;
    }
    found = t.get();
    FTray.push_back(std::move(t));
  }
  found->Message = callbackMessage;
  if (icon) found->Image = IconPixels(icon);
  XChangeProperty(FDpy, found->Xid, A.NetWmName, A.Utf8String, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(tip.data()), static_cast<int>(tip.size()));
  PaintTrayIcon(*found);
  XFlush(FDpy);
  return true;
}

bool TX11::TrayIconRemove(HWND wnd, UINT id) {
  for (auto it = FTray.begin(); it != FTray.end(); ++it) {
    if ((*it)->Wnd != wnd || (*it)->Id != id) continue;
    XFreeGC(FDpy, (*it)->Gc);
    XDestroyWindow(FDpy, (*it)->Xid);
    FTray.erase(it);
    XFlush(FDpy);
    return true;
  }
  return false;
}

void TX11::FreeTray() {
  for (auto& t : FTray) {
    XFreeGC(FDpy, t->Gc);
    XDestroyWindow(FDpy, t->Xid);
  }
  FTray.clear();
}

void TX11::PaintTrayIcon(TTrayIcon& icon) {
  XClearWindow(FDpy, icon.Xid);
  if (!icon.Image || icon.Image->Width() <= 0 || icon.Image->Height() <= 0) return;
  // Scaled to the largest square the tray gives, centred, only the opaque pixels drawn.
  int side = std::min(icon.Width, icon.Height);
  if (side <= 0) return;
  int ox = (icon.Width - side) / 2, oy = (icon.Height - side) / 2;
  XImage* image = XCreateImage(FDpy, FVisual, FDepth, ZPixmap, 0, nullptr, side, side, 32, 0);
  if (!image) return;
  image->data = static_cast<char*>(calloc(static_cast<size_t>(image->bytes_per_line), side));
  int maskRow = (side + 7) / 8;
  std::vector<char> mask(static_cast<size_t>(maskRow) * side);
  const TGdiSurface& s = *icon.Image;
  for (int y = 0; image->data && y < side; ++y)
    for (int x = 0; x < side; ++x) {
      uint32_t p = s.Pixel(x * s.Width() / side, y * s.Height() / side);
      if (!(p >> 24)) continue;
      XPutPixel(image, x, y, XPixelOf(image, p));
      mask[static_cast<size_t>(y) * maskRow + x / 8] |= static_cast<char>(1 << (x % 8));
    }
  if (image->data) {
    Pixmap clip = XCreateBitmapFromData(FDpy, icon.Xid, mask.data(), side, side);
    XSetClipMask(FDpy, icon.Gc, clip);
    XSetClipOrigin(FDpy, icon.Gc, ox, oy);
    XPutImage(FDpy, icon.Xid, icon.Gc, image, 0, 0, ox, oy, side, side);
    XSetClipMask(FDpy, icon.Gc, None);
    XFreePixmap(FDpy, clip);
  }
  XDestroyImage(image);
}

bool TX11::HandleTrayEvent(XEvent& ev) {
  if (ev.type == ClientMessage && ev.xclient.window == FRoot && ev.xclient.message_type == A.Manager &&
      static_cast<Atom>(ev.xclient.data.l[1]) == A.TraySelection) {
    // A tray started (or restarted): every icon docks in it.
    for (auto& t : FTray) Dock(*t);
    return true;
  }
  if (ev.type == DestroyNotify && FTrayManager && ev.xdestroywindow.window == FTrayManager) {
    FTrayManager = 0;
    // The icons come back to the root window; they stay out of sight until a tray takes them again.
    for (auto& t : FTray) XUnmapWindow(FDpy, t->Xid);
    return true;
  }
  TTrayIcon* icon = nullptr;
  for (auto& t : FTray)
    if (t->Xid == ev.xany.window) icon = t.get();
  if (!icon) return false;
  UINT message = 0;
  switch (ev.type) {
    case Expose:
      if (ev.xexpose.count == 0) PaintTrayIcon(*icon);
      break;
    case ConfigureNotify:
      if (ev.xconfigure.width != icon->Width || ev.xconfigure.height != icon->Height) {
        icon->Width = ev.xconfigure.width;
        icon->Height = ev.xconfigure.height;
        PaintTrayIcon(*icon);
      }
      break;
    case ButtonPress: {
      HandleMotion(ev.xbutton.x_root, ev.xbutton.y_root);
      bool again = icon->LastButton == ev.xbutton.button && ev.xbutton.time - icon->LastPress <= GetDoubleClickTime();
      icon->LastButton = again ? 0 : ev.xbutton.button;
      icon->LastPress = ev.xbutton.time;
      if (ev.xbutton.button == Button1) message = again ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
      else if (ev.xbutton.button == Button3) message = again ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN;
      else if (ev.xbutton.button == Button2) message = again ? WM_MBUTTONDBLCLK : WM_MBUTTONDOWN;
      break;
    }
    case ButtonRelease:
      HandleMotion(ev.xbutton.x_root, ev.xbutton.y_root);
      if (ev.xbutton.button == Button1) message = WM_LBUTTONUP;
      else if (ev.xbutton.button == Button3) message = WM_RBUTTONUP;
      else if (ev.xbutton.button == Button2) message = WM_MBUTTONUP;
      break;
    case MotionNotify:
      HandleMotion(ev.xmotion.x_root, ev.xmotion.y_root);
      message = WM_MOUSEMOVE;
      break;
    default:
      break;
  }
  if (message && icon->Message) PostMessageA(icon->Wnd, icon->Message, icon->Id, static_cast<LPARAM>(message));
  return true;
}

}  // namespace X11Internals
