// Windows: creation and destruction, the parent/owner tree and z-order, placement and showing,
// coordinates, window data, text, properties, regions and enabling.
#pragma once

#include "System.h"
#include "WinUserTypes.h"

namespace WinManage {

// ---- Styles -----------------------------------------------------------------------------------------
constexpr DWORD WS_OVERLAPPED = 0x00000000, WS_POPUP = 0x80000000, WS_CHILD = 0x40000000,
                WS_MINIMIZE = 0x20000000, WS_VISIBLE = 0x10000000, WS_DISABLED = 0x08000000,
                WS_CLIPSIBLINGS = 0x04000000, WS_CLIPCHILDREN = 0x02000000,
                WS_MAXIMIZE = 0x01000000, WS_CAPTION = 0x00C00000, WS_BORDER = 0x00800000,
                WS_DLGFRAME = 0x00400000, WS_VSCROLL = 0x00200000, WS_HSCROLL = 0x00100000,
                WS_SYSMENU = 0x00080000, WS_THICKFRAME = 0x00040000, WS_GROUP = 0x00020000,
                WS_TABSTOP = 0x00010000, WS_MINIMIZEBOX = 0x00020000, WS_MAXIMIZEBOX = 0x00010000,
                WS_TILED = WS_OVERLAPPED, WS_ICONIC = WS_MINIMIZE, WS_SIZEBOX = WS_THICKFRAME,
                WS_CHILDWINDOW = WS_CHILD,
                WS_OVERLAPPEDWINDOW = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
                                      WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
                WS_TILEDWINDOW = WS_OVERLAPPEDWINDOW, WS_POPUPWINDOW = WS_POPUP | WS_BORDER | WS_SYSMENU;
constexpr DWORD WS_EX_DLGMODALFRAME = 0x00000001, WS_EX_NOPARENTNOTIFY = 0x00000004,
                WS_EX_TOPMOST = 0x00000008, WS_EX_ACCEPTFILES = 0x00000010,
                WS_EX_TRANSPARENT = 0x00000020, WS_EX_MDICHILD = 0x00000040,
                WS_EX_TOOLWINDOW = 0x00000080, WS_EX_WINDOWEDGE = 0x00000100,
                WS_EX_CLIENTEDGE = 0x00000200, WS_EX_CONTEXTHELP = 0x00000400,
                WS_EX_RIGHT = 0x00001000, WS_EX_LEFT = 0, WS_EX_RTLREADING = 0x00002000,
                WS_EX_LTRREADING = 0, WS_EX_LEFTSCROLLBAR = 0x00004000,
                WS_EX_RIGHTSCROLLBAR = 0, WS_EX_CONTROLPARENT = 0x00010000,
                WS_EX_STATICEDGE = 0x00020000, WS_EX_APPWINDOW = 0x00040000,
                WS_EX_LAYERED = 0x00080000, WS_EX_NOINHERITLAYOUT = 0x00100000,
                WS_EX_LAYOUTRTL = 0x00400000, WS_EX_COMPOSITED = 0x02000000,
                WS_EX_NOACTIVATE = 0x08000000,
                WS_EX_OVERLAPPEDWINDOW = WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE,
                WS_EX_PALETTEWINDOW = WS_EX_WINDOWEDGE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000);

// ---- ShowWindow, SetWindowPos, GetWindow, window data ------------------------------------------------
constexpr int SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_NORMAL = 1, SW_SHOWMINIMIZED = 2,
              SW_SHOWMAXIMIZED = 3, SW_MAXIMIZE = 3, SW_SHOWNOACTIVATE = 4, SW_SHOW = 5,
              SW_MINIMIZE = 6, SW_SHOWMINNOACTIVE = 7, SW_SHOWNA = 8, SW_RESTORE = 9,
              SW_SHOWDEFAULT = 10, SW_FORCEMINIMIZE = 11;
// WM_SHOWWINDOW's status (lParam)
constexpr int SW_PARENTCLOSING = 1, SW_OTHERZOOM = 2, SW_PARENTOPENING = 3, SW_OTHERUNZOOM = 4;
constexpr UINT SWP_NOSIZE = 0x0001, SWP_NOMOVE = 0x0002, SWP_NOZORDER = 0x0004,
               SWP_NOREDRAW = 0x0008, SWP_NOACTIVATE = 0x0010, SWP_FRAMECHANGED = 0x0020,
               SWP_DRAWFRAME = SWP_FRAMECHANGED, SWP_SHOWWINDOW = 0x0040, SWP_HIDEWINDOW = 0x0080,
               SWP_NOCOPYBITS = 0x0100, SWP_NOOWNERZORDER = 0x0200, SWP_NOREPOSITION = 0x0200,
               SWP_NOSENDCHANGING = 0x0400, SWP_DEFERERASE = 0x2000, SWP_ASYNCWINDOWPOS = 0x4000;
inline const HWND HWND_TOP = nullptr;
inline const HWND HWND_BOTTOM = reinterpret_cast<HWND>(1);
inline const HWND HWND_TOPMOST = reinterpret_cast<HWND>(-1);
inline const HWND HWND_NOTOPMOST = reinterpret_cast<HWND>(-2);
inline const HWND HWND_MESSAGE = reinterpret_cast<HWND>(-3);
inline const HWND HWND_DESKTOP = nullptr;
inline const HWND HWND_BROADCAST = reinterpret_cast<HWND>(0xFFFF);
constexpr UINT GW_HWNDFIRST = 0, GW_HWNDLAST = 1, GW_HWNDNEXT = 2, GW_HWNDPREV = 3, GW_OWNER = 4,
               GW_CHILD = 5, GW_ENABLEDPOPUP = 6;
constexpr UINT GA_PARENT = 1, GA_ROOT = 2, GA_ROOTOWNER = 3;
constexpr int GWL_WNDPROC = -4, GWL_HINSTANCE = -6, GWL_HWNDPARENT = -8, GWL_ID = -12,
              GWL_STYLE = -16, GWL_EXSTYLE = -20, GWL_USERDATA = -21;
constexpr int GWLP_WNDPROC = GWL_WNDPROC, GWLP_HINSTANCE = GWL_HINSTANCE,
              GWLP_HWNDPARENT = GWL_HWNDPARENT, GWLP_ID = GWL_ID, GWLP_USERDATA = GWL_USERDATA;
constexpr UINT CWP_ALL = 0, CWP_SKIPINVISIBLE = 1, CWP_SKIPDISABLED = 2, CWP_SKIPTRANSPARENT = 4;
// WM_SIZE's kind (wParam)
constexpr WPARAM SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2, SIZE_MAXSHOW = 3,
                 SIZE_MAXHIDE = 4;
// WM_NCCALCSIZE's answers when wParam is TRUE
constexpr LRESULT WVR_ALIGNTOP = 0x10, WVR_ALIGNLEFT = 0x20, WVR_ALIGNBOTTOM = 0x40,
                  WVR_ALIGNRIGHT = 0x80, WVR_HREDRAW = 0x100, WVR_VREDRAW = 0x200,
                  WVR_REDRAW = 0x300, WVR_VALIDRECTS = 0x400;

// ---- Creation and destruction -----------------------------------------------------------------------
// WM_GETMINMAXINFO (top-level, resizable), WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, then WM_SIZE and
// WM_MOVE; WS_VISIBLE shows the window at the end. Null when the class is unknown, the parent is
// invalid, a child has no parent, or WM_NCCREATE/WM_CREATE refused (the window is destroyed then).
HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param);
inline HWND CreateWindowEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x,
                           int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                           void* param) {
  return CreateWindowExA(exStyle, className, windowName, style, x, y, width, height, parent, menu, instance,
                         param);
}
inline HWND CreateWindow(const char* className, const char* windowName, DWORD style, int x, int y, int width,
                         int height, HWND parent, HMENU menu, HINSTANCE instance, void* param) {
  return CreateWindowExA(0, className, windowName, style, x, y, width, height, parent, menu, instance, param);
}
// Hides the window, then WM_DESTROY to it and its children (parent first), then WM_NCDESTROY (children
// first); owned windows are destroyed before their owner. Safe inside the window's own handlers.
BOOL DestroyWindow(HWND hwnd);

// ---- The tree ---------------------------------------------------------------------------------------
BOOL IsWindow(HWND hwnd);
BOOL IsChild(HWND parent, HWND hwnd);
HWND GetParent(HWND hwnd);                        // the parent of a child, the owner of a popup
HWND GetAncestor(HWND hwnd, UINT flags);
HWND SetParent(HWND child, HWND newParent);       // null or the desktop: becomes top-level
HWND GetWindow(HWND hwnd, UINT cmd);
HWND GetTopWindow(HWND hwnd);
HWND GetDesktopWindow();
HWND GetLastActivePopup(HWND hwnd);
BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam);          // top-level windows, in z-order
BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam);  // descendants, depth first
BOOL EnumThreadWindows(DWORD threadId, WNDENUMPROC proc, LPARAM lParam);
DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* processId);
HWND FindWindowA(const char* className, const char* windowName);
inline HWND FindWindow(const char* className, const char* windowName) { return FindWindowA(className, windowName); }

// ---- Placement --------------------------------------------------------------------------------------
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL ShowWindow(HWND hwnd, int cmd);              // whether the window was visible before
BOOL BringWindowToTop(HWND hwnd);
BOOL IsWindowVisible(HWND hwnd);
BOOL IsIconic(HWND hwnd);
BOOL IsZoomed(HWND hwnd);
BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement);
BOOL SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* placement);
BOOL CloseWindow(HWND hwnd);                      // minimises
BOOL OpenIcon(HWND hwnd);                         // restores

// ---- Coordinates ------------------------------------------------------------------------------------
BOOL GetWindowRect(HWND hwnd, RECT* rect);        // screen coordinates
BOOL GetClientRect(HWND hwnd, RECT* rect);        // (0, 0, width, height)
BOOL ClientToScreen(HWND hwnd, POINT* point);
BOOL ScreenToClient(HWND hwnd, POINT* point);
// Maps from one window's client coordinates to another's (null: the screen); answers the offset
// packed as MAKELONG(dx, dy).
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);
BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle);
inline BOOL AdjustWindowRect(RECT* rect, DWORD style, BOOL menu) { return AdjustWindowRectEx(rect, style, menu, 0); }
// The deepest visible, enabled-or-not window at a screen point whose hit test is not HTTRANSPARENT.
HWND WindowFromPoint(POINT point);
// The child of `parent` at a point of its client area; `parent` itself when no child is there; null
// outside the parent.
HWND ChildWindowFromPoint(HWND parent, POINT point);
HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags);
HWND RealChildWindowFromPoint(HWND parent, POINT point);

// ---- Window data, text, properties ------------------------------------------------------------------
LONG_PTR GetWindowLongPtrA(HWND hwnd, int index);
LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value);
inline LONG_PTR GetWindowLongPtr(HWND hwnd, int index) { return GetWindowLongPtrA(hwnd, index); }
inline LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value) { return SetWindowLongPtrA(hwnd, index, value); }
inline LONG GetWindowLong(HWND hwnd, int index) { return static_cast<LONG>(GetWindowLongPtrA(hwnd, index)); }
// The window procedure does not fit in 32 bits: set it with SetWindowLongPtr.
inline LONG SetWindowLong(HWND hwnd, int index, LONG value) { return static_cast<LONG>(SetWindowLongPtrA(hwnd, index, value)); }
BOOL SetWindowTextA(HWND hwnd, const char* text);
int GetWindowTextA(HWND hwnd, char* buffer, int size);
int GetWindowTextLengthA(HWND hwnd);
inline BOOL SetWindowText(HWND hwnd, const char* text) { return SetWindowTextA(hwnd, text); }
inline int GetWindowText(HWND hwnd, char* buffer, int size) { return GetWindowTextA(hwnd, buffer, size); }
inline int GetWindowTextLength(HWND hwnd) { return GetWindowTextLengthA(hwnd); }
// Reads the text into a string (WM_GETTEXTLENGTH, then WM_GETTEXT).
String GetWindowTextString(HWND hwnd);
BOOL SetPropA(HWND hwnd, const char* name, HANDLE data);
HANDLE GetPropA(HWND hwnd, const char* name);
HANDLE RemovePropA(HWND hwnd, const char* name);
inline BOOL SetProp(HWND hwnd, const char* name, HANDLE data) { return SetPropA(hwnd, name, data); }
inline HANDLE GetProp(HWND hwnd, const char* name) { return GetPropA(hwnd, name); }
inline HANDLE RemoveProp(HWND hwnd, const char* name) { return RemovePropA(hwnd, name); }
int GetDlgCtrlID(HWND hwnd);
HWND GetDlgItem(HWND parent, int id);

// ---- Regions, enabling ------------------------------------------------------------------------------
// The window takes the region (window coordinates) and deletes it when replaced or destroyed.
int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw);
// Copies the window's region into `region`; ERROR when it has none.
int GetWindowRgn(HWND hwnd, HRGN region);
BOOL EnableWindow(HWND hwnd, BOOL enable);        // whether the window was disabled before
BOOL IsWindowEnabled(HWND hwnd);

}  // namespace WinManage

using namespace WinManage;
