// The window manager's own records: window classes, windows and the state of the one
// user-interface thread (focus, activation, capture). Only the sources of this library include it.
#pragma once

#include <memory>
#include <vector>

#include "GdiSurface.h"
#include "System.h"
#include "WinUserTypes.h"

namespace WinInternals {

struct TWndClassRec {
  String Name;
  ATOM Atom = 0;
  UINT Style = 0;
  WNDPROC Proc = nullptr;
  int WndExtra = 0;
  HINSTANCE Instance = nullptr;
  HICON Icon = nullptr;
  HICON IconSm = nullptr;
  HCURSOR Cursor = nullptr;
  HBRUSH Background = nullptr;
  String MenuName;
  std::vector<uint8_t> ClassExtra;
  bool System = false;  // a standard class: never unregistered
};

struct TScrollBarState {
  int Min = 0;
  int Max = 100;
  UINT Page = 0;
  int Pos = 0;
  int TrackPos = 0;
  UINT Disabled = 0;    // ESB_DISABLE_LTUP / ESB_DISABLE_RTDN bits
  bool Shown = false;   // shown by ShowScrollBar even when the style bit is off
  bool Tracking = false;
  int PressedPart = 0;  // the HT-like part held down while tracking (0 = none)
};

struct TWindow {
  HWND Handle = nullptr;
  TWndClassRec* Class = nullptr;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  WNDPROC Proc = nullptr;
  String Text;
  LONG_PTR Id = 0;        // a child's identifier (the menu argument of CreateWindowEx)
  LONG_PTR UserData = 0;
  HINSTANCE Instance = nullptr;
  std::vector<uint8_t> Extra;
  std::vector<std::pair<String, HANDLE>> Props;

  TWindow* Parent = nullptr;           // the desktop for a top-level window
  TWindow* Owner = nullptr;
  std::vector<TWindow*> Children;      // in z-order, topmost first

  RECT Rect;                           // in the parent's client coordinates (screen for top-level windows)
  RECT Client;                         // relative to the window's top-left corner
  HRGN WindowRgn = nullptr;            // window coordinates; owned

  HRGN Update = nullptr;               // window coordinates; null when nothing is invalid
  bool EraseNeeded = false;
  bool NcPaintNeeded = false;
  bool InternalPaint = false;
  unsigned UpdateSerial = 0;           // counts invalidations, so that a paint handler's own ones are seen
  bool RedrawOff = false;              // WM_SETREDRAW FALSE

  bool NcActive = false;               // the frame is drawn active (WM_NCACTIVATE)
  bool Destroying = false;
  bool Destroyed = false;
  bool Minimized = false;
  bool Maximized = false;
  RECT RestoreRect;

  TScrollBarState Scroll[2];           // SB_HORZ, SB_VERT

  // Top-level windows keep their pixels; children draw into their top-level window's surface.
  std::unique_ptr<TGdiSurface> Surface;
  BYTE LayerAlpha = 255;
  COLORREF LayerKey = 0;
  DWORD LayerFlags = 0;                // LWA_ bits of SetLayeredWindowAttributes
  bool LayerPerPixel = false;          // UpdateLayeredWindow with ULW_ALPHA

  bool IsChildStyle() const { return (Style & 0x40000000u) != 0; }
};

// The state of the user-interface thread.
struct TWinState {
  TWindow* Desktop = nullptr;
  HWND Focus = nullptr;
  HWND Active = nullptr;
  HWND Capture = nullptr;
  HWND Foreground = nullptr;
  int CaptureHitArea = 0;              // HTCLIENT unless a non-client capture (system move, scroll bars)
  int CalloutDepth = 0;                // window procedures running
};

TWinState& State();

// The live window of a handle; null for null, invalid and destroyed handles.
TWindow* FindWindowRec(HWND hwnd);
// The desktop window (created on first use).
TWindow* DesktopRec();
// Registers a new window record and gives it its handle.
TWindow* NewWindowRec();
// Forgets a destroyed window. The record stays readable (Destroyed set) until
// CollectDestroyedWindows runs with no window procedure running: the outermost PeekMessage.
void ReleaseWindowRec(TWindow* w);
void CollectDestroyedWindows();
// Every live window except the desktop, in creation order.
std::vector<TWindow*> AllWindows();

bool IsTopLevel(const TWindow* w);
TWindow* TopLevelOf(TWindow* w);
// Whether a top-level window is ever made the active window: not one of WS_EX_NOACTIVATE, nor one of
// child style (a child window detached from its parent shows on the desktop but is never active).
bool TakesActivation(const TWindow* top);
// The screen position of the window's top-left corner and of its client area's.
POINT WindowOrigin(const TWindow* w);
POINT ClientOrigin(const TWindow* w);
// Visible on the screen: this window and each ancestor have WS_VISIBLE.
bool IsVisibleChain(const TWindow* w);
bool IsAncestor(const TWindow* ancestor, const TWindow* w);

// Calls the window's procedure (through subclass and method instances) with the send hooks.
LRESULT CallProc(TWindow* w, UINT msg, WPARAM wParam, LPARAM lParam);

// Clears every record (test fixtures start each case on an empty desktop).
void ResetWindowRecords();

// ---- Between the modules of the layer ------------------------------------------------------------
// Hooks: whether a chain has filters, and calling it from its newest filter.
bool HasHooks(int idHook);
LRESULT CallHooks(int idHook, int code, WPARAM wParam, LPARAM lParam);
void ResetHooks();
// Focus and activation: a window going away gives up what it holds. Disabled: the focus and the
// capture; hidden or destroyed: the activation too.
enum class TLoss { Disabled, Hidden, Destroyed };
void WindowLosesState(TWindow* w, TLoss why);
void ActivateTopLevel(TWindow* top, WORD how, bool takeFocus);
void ResetFocusState();
// Timers of a destroyed window stop.
void KillWindowTimers(HWND hwnd);
void ResetTimers();
// The queue: messages of a destroyed window are dropped.
void PurgeWindowMessages(HWND hwnd);
void ResetQueue();
bool OnUiThread();
// Whether a message of `hwnd` passes a PeekMessage filter (window, range).
bool PassesFilter(HWND msgHwnd, UINT message, HWND filter, UINT min, UINT max);
// The kinds of queue content for retrieval, each taking the first matching message (removing it when
// asked). Input is turned into messages for its target window as it is looked at.
bool PeekInput(MSG* msg, HWND filter, UINT min, UINT max, bool remove);
bool HasInput();
bool PeekPaint(MSG* msg, HWND filter, UINT min, UINT max);
bool PeekTimer(MSG* msg, HWND filter, UINT min, UINT max, bool remove);
bool TimerStillSet(HWND hwnd, UINT_PTR id, TIMERPROC proc);
// Ticks until the next timer is due (0 = now, 0xFFFFFFFF = none).
DWORD TicksToNextTimer();
// The tick count as 64 bits (timers never wrap).
uint64_t Ticks64();
// Puts a message at the end of the posted queue (TranslateMessage's characters).
void PostInternal(const MSG& msg);
// Input state (key state, capture, tracking, double clicks) and the pointer's screen position.
void ResetInputState();
POINT CursorPosition();
// Raw input as a backend or a test delivers it; it becomes messages as the queue is read. Buttons
// 0 left, 1 right, 2 middle; `ch` is one byte of a UTF-8 character.
void QueueMouseMove(POINT screen);
void QueueMouseButton(int button, bool down);
void QueueMouseWheel(int delta);
void QueueKey(int vk, bool down);
void QueueChar(BYTE ch);
bool MouseButtonsSwapped();
void SetMouseButtonsSwapped(bool swap);
// Both key states at once (tests set up modifier and button states this way).
void SetKeyStateForTests(int vk, bool down);
// The thickness of frame, caption and edges on each side for these styles (scroll bars excluded).
RECT FrameInsets(DWORD style, DWORD exStyle);
// Where the parts of the non-client area lie, in window coordinates; empty rectangles for parts the
// window does not have.
struct TNcLayout {
  RECT Bounds;                 // (0, 0, width, height)
  int Border = 0;              // frame thickness
  bool Sizable = false;
  RECT Caption, SysIcon, MinBox, MaxBox, CloseBox, HelpBox;
  RECT VScroll, HScroll, Corner;
  RECT Inner;                  // inside frame, caption and edges: client area and scroll bars
};
TNcLayout NcLayout(const TWindow* w);
// The default WM_NCHITTEST, WM_NCPAINT, and the system move and size driven by a hit code.
LRESULT NcHitTest(TWindow* w, POINT screen);
void NcPaint(TWindow* w, HRGN region);
void NcPaintInto(TWindow* w, HDC windowDC);
void NcButtonDown(TWindow* w, WPARAM hit, POINT screen);
void SysMoveSize(TWindow* w, WPARAM command, POINT screen);
// The standard scroll bars of a window (SB_HORZ, SB_VERT): painting into its window DC and the
// tracking loop of a press on one.
void PaintScrollBar(TWindow* w, HDC windowDC, int bar);
void TrackScrollBar(TWindow* w, int bar, POINT screen);
// The default client area of a window rectangle (the default WM_NCCALCSIZE), in the same coordinates.
RECT DefaultClientRect(const TWindow* w, const RECT& windowRect);
// Re-runs WM_NCCALCSIZE for the window's current rectangle.
void RecalcClient(TWindow* w);
// Classes: lookup by name or atom, the standard classes, clearing the program's own.
TWndClassRec* FindClassRec(const char* name);
ATOM RegisterSystemClass(const WNDCLASSEXA& wc);
void RegisterStandardClasses();
void ResetClasses();
// The standard classes' procedures, and what they share: a WM_COMMAND notification to the parent and
// the font a control was given with WM_SETFONT (the default GUI font until then).
LRESULT ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT ListBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT MessageBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void NotifyParent(HWND control, WORD code);
HFONT ControlFont(HWND control);
void SetControlFont(HWND control, HFONT font);
// Z-order among siblings: puts `w` after `after` (or HWND_TOP/BOTTOM/TOPMOST/NOTOPMOST) keeping the
// topmost band first; true when the order changed.
bool LinkWindow(TWindow* w, HWND after);
void UnlinkWindow(TWindow* w);
// The window in the deepest position at a screen point that answers a hit test other than
// HTTRANSPARENT; `hit` receives that answer.
TWindow* HitWindowAt(POINT screen, LRESULT* hit);
// Painting: marks part of a window invalid (RedrawWindow's flags; the rectangle or region in client
// coordinates, both null = the whole window), and the area a window uncovered in its parent
// (parent client coordinates).
void RedrawRec(TWindow* w, const RECT* rect, HRGN rgn, UINT flags);
void InvalidateParentArea(TWindow* parent, const RECT& area);
// A top-level window's surface follows its size.
void SyncSurface(TWindow* w);
void ResetPaintState();
// The caret steps aside while its owner paints, and goes with its owner.
bool CaretHiddenForPaint(HWND hwnd);
void CaretShownAfterPaint(HWND hwnd);
void CaretOwnerDestroyed(HWND hwnd);
void ResetCaret();

}  // namespace WinInternals

using namespace WinInternals;
