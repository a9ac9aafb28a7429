// Mouse and keyboard input: the capture, key state, mouse tracking, double clicks and the mapping
// between virtual keys and characters. Input reaches windows as queued messages; the state that
// GetKeyState reports follows the messages retrieved, GetAsyncKeyState the input as it arrived.
#pragma once

#include "WinUserTypes.h"

namespace WinInput {

// ---- Virtual keys -----------------------------------------------------------------------------------
constexpr int VK_LBUTTON = 0x01, VK_RBUTTON = 0x02, VK_CANCEL = 0x03, VK_MBUTTON = 0x04,
              VK_BACK = 0x08, VK_TAB = 0x09, VK_CLEAR = 0x0C, VK_RETURN = 0x0D, VK_SHIFT = 0x10,
              VK_CONTROL = 0x11, VK_MENU = 0x12, VK_PAUSE = 0x13, VK_CAPITAL = 0x14,
              VK_ESCAPE = 0x1B, VK_SPACE = 0x20, VK_PRIOR = 0x21, VK_NEXT = 0x22, VK_END = 0x23,
              VK_HOME = 0x24, VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28,
              VK_SELECT = 0x29, VK_PRINT = 0x2A, VK_EXECUTE = 0x2B, VK_SNAPSHOT = 0x2C,
              VK_INSERT = 0x2D, VK_DELETE = 0x2E, VK_HELP = 0x2F, VK_LWIN = 0x5B, VK_RWIN = 0x5C,
              VK_APPS = 0x5D, VK_NUMPAD0 = 0x60, VK_NUMPAD9 = 0x69, VK_MULTIPLY = 0x6A,
              VK_ADD = 0x6B, VK_SEPARATOR = 0x6C, VK_SUBTRACT = 0x6D, VK_DECIMAL = 0x6E,
              VK_DIVIDE = 0x6F, VK_F1 = 0x70, VK_F2 = 0x71, VK_F3 = 0x72, VK_F4 = 0x73, VK_F5 = 0x74,
              VK_F6 = 0x75, VK_F7 = 0x76, VK_F8 = 0x77, VK_F9 = 0x78, VK_F10 = 0x79, VK_F11 = 0x7A,
              VK_F12 = 0x7B, VK_F24 = 0x87, VK_NUMLOCK = 0x90, VK_SCROLL = 0x91, VK_LSHIFT = 0xA0,
              VK_RSHIFT = 0xA1, VK_LCONTROL = 0xA2, VK_RCONTROL = 0xA3, VK_LMENU = 0xA4,
              VK_RMENU = 0xA5, VK_OEM_1 = 0xBA, VK_OEM_PLUS = 0xBB, VK_OEM_COMMA = 0xBC,
              VK_OEM_MINUS = 0xBD, VK_OEM_PERIOD = 0xBE, VK_OEM_2 = 0xBF, VK_OEM_3 = 0xC0,
              VK_OEM_4 = 0xDB, VK_OEM_5 = 0xDC, VK_OEM_6 = 0xDD, VK_OEM_7 = 0xDE,
              VK_PROCESSKEY = 0xE5;

// ---- Mouse ------------------------------------------------------------------------------------------
constexpr WPARAM MK_LBUTTON = 0x0001, MK_RBUTTON = 0x0002, MK_SHIFT = 0x0004, MK_CONTROL = 0x0008,
                 MK_MBUTTON = 0x0010;
constexpr int WHEEL_DELTA = 120;
constexpr UINT WHEEL_PAGESCROLL = 0xFFFFFFFF;
constexpr DWORD TME_HOVER = 0x00000001, TME_LEAVE = 0x00000002, TME_NONCLIENT = 0x00000010,
                TME_QUERY = 0x40000000, TME_CANCEL = 0x80000000, HOVER_DEFAULT = 0xFFFFFFFF;
struct TRACKMOUSEEVENT {
  DWORD cbSize = sizeof(TRACKMOUSEEVENT);
  DWORD dwFlags = 0;
  HWND hwndTrack = nullptr;
  DWORD dwHoverTime = HOVER_DEFAULT;
};
constexpr short GET_WHEEL_DELTA_WPARAM(WPARAM w) { return static_cast<short>(HIWORD(w)); }
constexpr WORD GET_KEYSTATE_WPARAM(WPARAM w) { return LOWORD(w); }

// ---- Capture ----------------------------------------------------------------------------------------
// Mouse input goes to the capturing window wherever the pointer is. The window losing the capture
// gets WM_CAPTURECHANGED (lParam = the new capture, or null).
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();
// Watches for the pointer leaving a window or resting on it (WM_MOUSELEAVE, WM_MOUSEHOVER).
BOOL TrackMouseEvent(TRACKMOUSEEVENT* track);
// Captures the mouse until the pointer leaves the drag rectangle around `point` (TRUE) or the button
// is released or Escape is pressed (FALSE).
BOOL DragDetect(HWND hwnd, POINT point);
UINT GetDoubleClickTime();
BOOL SetDoubleClickTime(UINT milliseconds);
BOOL SwapMouseButton(BOOL swap);

// ---- Keyboard ---------------------------------------------------------------------------------------
// The high bit (negative result) is set while the key is down; bit 0 toggles with each press.
SHORT GetKeyState(int vk);
SHORT GetAsyncKeyState(int vk);
BOOL GetKeyboardState(BYTE* state);               // 256 bytes, bit 7 down, bit 0 toggled
BOOL SetKeyboardState(const BYTE* state);
constexpr UINT MAPVK_VK_TO_VSC = 0, MAPVK_VSC_TO_VK = 1, MAPVK_VK_TO_CHAR = 2, MAPVK_VSC_TO_VK_EX = 3;
UINT MapVirtualKeyA(UINT code, UINT mapType);
inline UINT MapVirtualKey(UINT code, UINT mapType) { return MapVirtualKeyA(code, mapType); }
// The key that types a character: low byte the virtual key, high byte 1 Shift, 2 Ctrl, 4 Alt; -1 if none.
SHORT VkKeyScanA(char ch);
inline SHORT VkKeyScan(char ch) { return VkKeyScanA(ch); }
// The character of a key with the given key state (256 bytes); 1 when one character came out.
int ToAscii(UINT vk, UINT scanCode, const BYTE* keyState, WORD* chars, UINT flags);
BOOL MessageBeep(UINT type);
BOOL Beep(DWORD frequency, DWORD duration);
BOOL BlockInput(BOOL block);

}  // namespace WinInput

using namespace WinInput;
