// The backend that shows the layer's windows and delivers input: headless (the default, a virtual
// screen with input injected by tests) or a display. The layer draws every pixel itself; a backend
// only shows the surfaces of top-level windows and turns its input into the layer's input events.
#pragma once

#include <memory>

#include "System.h"
#include "WinUserTypes.h"

namespace WinBackend {

class TWinBackend {
 public:
  virtual ~TWinBackend() = default;
  virtual const char* Name() const = 0;
  virtual SIZE ScreenSize() const = 0;
  // Moves the input that arrived into the layer's input queue (user-interface thread).
  virtual void PollInput() {}
  // Sleeps until input arrives, Wake is called or `milliseconds` pass (0xFFFFFFFF: no limit).
  virtual void Wait(DWORD milliseconds) = 0;
  // Ends a Wait early; callable from any thread.
  virtual void Wake() = 0;

  // A top-level window was shown or hidden, moved or sized, destroyed; its pixels changed in
  // `dirty` (window coordinates).
  virtual void WindowShown(HWND, bool visible) {}
  virtual void WindowMoved(HWND, const RECT& screenRect) {}
  virtual void WindowDestroyed(HWND) {}
  virtual void SurfaceChanged(HWND, const RECT& dirty) {}
  virtual void CursorChanged(HCURSOR) {}
  virtual void CursorMoved(POINT) {}
  virtual void Beep() {}
  // A notification-area icon was added or changed (true when the desktop shows it), or removed.
  virtual bool TrayIconSet(HWND, UINT id, UINT callbackMessage, HICON icon, const String& tip) { return true; }
  virtual bool TrayIconRemove(HWND, UINT id) { return true; }
  // Text on the clipboard shared with other programs; false when there is none.
  virtual bool GetClipboardText(String& text) { return false; }
  virtual bool SetClipboardText(const String& text) { return false; }
  // False once another program has taken the shared clipboard over from the layer.
  virtual bool OwnsSharedClipboard() { return true; }
};

// The backend in use (headless until another is set). The layer owns it.
TWinBackend& Backend();
void SetBackend(std::unique_ptr<TWinBackend> backend);

}  // namespace WinBackend

using namespace WinBackend;
