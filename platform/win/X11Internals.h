// The X11 backend's own records, shared by its sources only: this is the one header that includes
// Xlib, after every header of the layer, since Xlib's macros (None, True, Bool, Status, ...) would
// break them. Nothing outside the X11 sources includes it.
#pragma once

#include <deque>
#include <memory>
#include <unordered_map>
#include <vector>

#include "GdiSurface.h"
#include "System.h"
#include "WinBackend.h"
#include "WinUserTypes.h"

#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

namespace WinInternals {
struct TWindow;
}

namespace X11Internals {

struct TAtoms {
  Atom WmProtocols, WmDeleteWindow, WmState, WmChangeState, WmTransientFor, NetWmName, NetWmState,
      NetWmStateAbove, NetWmStateSkipTaskbar, NetWmStateModal, NetWmStateHidden, NetWmWindowType,
      NetWmWindowTypeNormal, NetWmWindowTypeDialog, NetWmWindowTypeUtility, NetWmPid, NetActiveWindow,
      NetSupportingWmCheck, NetWmWindowOpacity, MotifWmHints, Utf8String, Clipboard, Targets, Text, Timestamp, Incr,
      ClipProperty, TimeProperty, Manager, TrayOpcode, TraySelection, XembedInfo, Xembed;
};

// The X side of one top-level window of the layer.
struct TXWindow {
  HWND Hwnd = nullptr;
  Window Xid = 0;
  GC Gc = nullptr;
  XIC Ic = nullptr;
  // The image the surface is copied into before it goes to the server (shared memory when possible).
  XImage* Image = nullptr;
  XShmSegmentInfo Shm{};
  bool ShmAttached = false;
  RECT Rect{};                         // the geometry last asked of the server (screen coordinates)
  std::deque<RECT> Requested;          // geometries asked and not yet confirmed by ConfigureNotify
  RECT Dirty{};                        // window coordinates, empty when nothing waits to be shown
  bool Mapped = false;                 // asked to be mapped
  bool Viewable = false;               // MapNotify seen
  bool Iconic = false;                 // minimised through the window manager
  bool OverrideRedirect = false;
  // The hints last written, so that only changes reach the server.
  String Title;
  bool TitleSet = false;
  Window TransientFor = 0;
  std::vector<Atom> States;
  Atom Type = 0;
  bool TakesFocus = true;
  HRGN Shape = nullptr;                // a copy of the window region last applied (null: rectangular)
  unsigned long Opacity = 0xFFFFFFFFul;
};

// One notification-area icon: a small window the tray embeds (XEmbed), showing the icon's opaque pixels
// over the tray's own background.
struct TTrayIcon {
  HWND Wnd = nullptr;
  UINT Id = 0;
  UINT Message = 0;
  Window Xid = 0;
  GC Gc = nullptr;
  int Width = 22, Height = 22;
  std::unique_ptr<GdiSurface::TGdiSurface> Image;  // alpha 0 where transparent
  Time LastPress = 0;
  unsigned LastButton = 0;
};

// What every top-level X window listens to (the input method may add its own).
constexpr long WindowEventMask = ExposureMask | StructureNotifyMask | FocusChangeMask | KeyPressMask |
                                 KeyReleaseMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                                 EnterWindowMask | LeaveWindowMask | PropertyChangeMask;

class TX11 : public WinBackend::TWinBackend {
 public:
  ~TX11() override;
  bool Open(const char* displayName, String& error);

  const char* Name() const override { return "x11"; }
  SIZE ScreenSize() const override;
  void PollInput() override;
  void Wait(DWORD milliseconds) override;
  void Wake() override;
  void WindowShown(HWND hwnd, bool visible) override;
  void WindowMoved(HWND hwnd, const RECT& screenRect) override;
  void WindowDestroyed(HWND hwnd) override;
  void SurfaceChanged(HWND hwnd, const RECT& dirty) override;
  void CursorChanged(HCURSOR cursor) override;
  void CursorMoved(POINT point) override;
  void Beep() override;
  bool GetClipboardText(String& text) override;
  bool SetClipboardText(const String& text) override;
  bool OwnsSharedClipboard() override { return FOwnClipboard; }

  // The notification-area icon (X11Tray.cpp).
  bool TrayIconSet(HWND wnd, UINT id, UINT callbackMessage, HICON icon, const String& tip);
  bool TrayIconRemove(HWND wnd, UINT id);
  bool TrayAvailable();

  // Shows every change made so far and waits until the server has taken it.
  void Sync();
  Window XWindowOf(HWND hwnd) const;
  Display* Dpy() const { return FDpy; }

 private:
  // ---- Windows and surfaces (X11Backend.cpp) ----
  TXWindow* Find(HWND hwnd);
  TXWindow* FindX(Window xid);
  TXWindow* Ensure(HWND hwnd);
  void Forget(TXWindow& xw);
  void SweepGoneWindows();
  void UpdateHints(TXWindow& xw);
  void SetNetState(TXWindow& xw, const std::vector<Atom>& wanted);
  void UpdateShapeAndOpacity(TXWindow& xw, const WinInternals::TWindow* w);
  void Map(TXWindow& xw);
  void EnsureImage(TXWindow& xw, int width, int height);
  void FreeImage(TXWindow& xw);
  void AddDirty(TXWindow& xw, const RECT& r);
  void FlushSurfaces();
  void PutRect(TXWindow& xw, const RECT& r);
  void MoveResize(TXWindow& xw, const RECT& r);
  void HandleEvent(XEvent& ev);
  void HandleConfigure(TXWindow& xw, const XConfigureEvent& ev);
  void HandleWmState(TXWindow& xw);
  void SyncActivation();
  void DetectWindowManager();
  Time ServerTime();

  // ---- Input (X11Input.cpp) ----
  void OpenInputMethod();
  void CreateIc(TXWindow& xw);
  void HandleKey(TXWindow* xw, XKeyEvent& ev);
  void HandleButton(const XButtonEvent& ev);
  void HandleMotion(int rootX, int rootY);
  void ReleaseHeldKeys();
  void SyncCapture();

  // ---- Clipboard (X11Clipboard.cpp) ----
  void HandleSelectionRequest(const XSelectionRequestEvent& ev);
  bool WaitForEvent(XEvent& out, Window window, int type, Atom atom, int timeoutMs);
  bool ReadProperty(Window window, Atom property, Atom& type, std::vector<unsigned char>& data);
  bool ReadIncr(Window window, Atom property, std::vector<unsigned char>& data);
  bool ConvertClipboard(Atom target, String& text);
  void ContinueIncrSend(const XPropertyEvent& ev);

  // ---- Cursors (X11Cursors.cpp) ----
  Cursor XCursorFor(HCURSOR cursor);
  void FreeCursors();

  // ---- Tray (X11Tray.cpp) ----
  Window TrayManager();
  bool Dock(TTrayIcon& icon);
  void PaintTrayIcon(TTrayIcon& icon);
  bool HandleTrayEvent(XEvent& ev);
  void FreeTray();

  Display* FDpy = nullptr;
  int FScreen = 0;
  Window FRoot = 0;
  Visual* FVisual = nullptr;
  int FDepth = 0;
  bool FUseShm = false;
  bool FHaveShape = false;
  int FWake[2] = {-1, -1};
  TAtoms A{};
  Window FHidden = 0;                  // owns the clipboard and receives replies
  Time FLastTime = 0;                  // the time of the last event with one
  bool FHaveWm = false;
  std::unordered_map<HWND, std::unique_ptr<TXWindow>> FWindows;
  std::unordered_map<Window, TXWindow*> FByXid;

  HWND FLastActive = nullptr;
  HWND FGrabbedFor = nullptr;
  POINT FLastPointer{-100000, -100000};
  XIM FIm = nullptr;
  long FImStyle = 0;
  std::unordered_map<unsigned, int> FHeldKeys;  // keycode -> virtual key queued down
  bool FFocusLeft = false;

  String FClipText;
  bool FOwnClipboard = false;
  Time FClipTime = 0;
  struct TIncrSend {
    Window Requestor;
    Atom Property, Type;
    String Data;
    size_t Offset;
  };
  std::vector<TIncrSend> FIncrSends;

  HCURSOR FCursor = nullptr;
  std::unordered_map<HCURSOR, Cursor> FCursors;  // the standard cursors
  Cursor FCustomCursor = 0;                      // the program's own cursor shown now
  Cursor FShownCursor = 0;                       // the X cursor of FCursor

  std::vector<std::unique_ptr<TTrayIcon>> FTray;
  Window FTrayManager = 0;
};

// Errors of requests about windows that went away meanwhile are expected; they are counted, never fatal.
int ErrorCount();
void ResetErrorCount();

// Pixel conversion between the layer's 0xAARRGGBB and the server's visual.
bool NativeLayout(const XImage* image);
unsigned long XPixelOf(const XImage* image, uint32_t pixel);

// The virtual key of a key symbol; 0 when the key has none.
int VkFromKeySym(KeySym sym);

}  // namespace X11Internals

using namespace X11Internals;
