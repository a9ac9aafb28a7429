// The input queue: mouse and keyboard events become messages for their target windows as the queue
// is read (hit test, capture, double clicks), and their filters, activation and cursor requests run
// as a message is removed. GetKeyState follows removed messages; GetAsyncKeyState follows events.
#include "WinInput.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <deque>

#include "Messages.h"
#include "WinBackend.h"
#include "WinClasses.h"
#include "WinFocus.h"
#include "WinHooks.h"
#include "WinInternals.h"
#include "WinManage.h"
#include "WinMetrics.h"
#include "WinNonClient.h"
#include "WinQueue.h"
#include "WinTimers.h"

namespace WinInput {

namespace {

enum class TKind { Move, Button, Wheel, Key, Char };

struct TInputEvent {
  TKind Kind = TKind::Move;
  POINT Pt;
  int Button = 0;
  bool Down = false;
  int Value = 0;      // wheel delta, virtual key or character byte
  WPARAM Keys = 0;    // MK_ flags when it happened
  bool AltDown = false;
  bool CtrlDown = false;
  bool WasDown = false;
  DWORD Time = 0;
  bool Cooked = false;
  bool Dropped = false;
  MSG Msg;
  LRESULT Hit = 0;
};

struct TLastClick {
  HWND Hwnd = nullptr;
  UINT Message = 0;
  DWORD Time = 0;
  POINT Pt;
  bool Valid = false;
};

struct TInput {
  std::deque<TInputEvent> Events;
  BYTE SyncState[256] = {};
  BYTE AsyncState[256] = {};
  POINT Cursor{640, 512};
  UINT DoubleClickTime = 500;
  TLastClick LastClick;
  HWND Tracking = nullptr;
  DWORD TrackingFlags = 0;
  bool TrackingNonClient = false;
  UINT_PTR HoverTimer = 0;
  UINT HoverTime = 400;
  POINT HoverPt;
};

TInput& Input() {
  static TInput i;
  return i;
}

bool Down(const BYTE* state, int vk) { return (state[vk & 0xFF] & 0x80) != 0; }

void SetDown(BYTE* state, int vk, bool down) {
  BYTE& b = state[vk & 0xFF];
  if (down && !(b & 0x80)) b ^= 0x01;  // each press toggles
  b = down ? static_cast<BYTE>(b | 0x80) : static_cast<BYTE>(b & ~0x80);
}

// A key and its left/right forms move together.
void SetKey(BYTE* state, int vk, bool down) {
  SetDown(state, vk, down);
  switch (vk) {
    case VK_LSHIFT: case VK_RSHIFT: SetDown(state, VK_SHIFT, down || Down(state, vk == VK_LSHIFT ? VK_RSHIFT : VK_LSHIFT)); break;
    case VK_LCONTROL: case VK_RCONTROL: SetDown(state, VK_CONTROL, down || Down(state, vk == VK_LCONTROL ? VK_RCONTROL : VK_LCONTROL)); break;
    case VK_LMENU: case VK_RMENU: SetDown(state, VK_MENU, down || Down(state, vk == VK_LMENU ? VK_RMENU : VK_LMENU)); break;
    default: break;
  }
}

WPARAM KeysOf(const BYTE* state) {
  WPARAM k = 0;
  if (Down(state, VK_LBUTTON)) k |= MK_LBUTTON;
  if (Down(state, VK_RBUTTON)) k |= MK_RBUTTON;
  if (Down(state, VK_MBUTTON)) k |= MK_MBUTTON;
  if (Down(state, VK_SHIFT)) k |= MK_SHIFT;
  if (Down(state, VK_CONTROL)) k |= MK_CONTROL;
  return k;
}

int ButtonKey(int button) { return button == 0 ? VK_LBUTTON : button == 1 ? VK_RBUTTON : VK_MBUTTON; }

LPARAM Pack(POINT p) { return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)); }

void Push(TInputEvent e) {
  e.Time = QueueTickCount();
  Input().Events.push_back(e);
}

UINT ButtonMessage(int button, bool down, bool client) {
  static const UINT client_[3][2] = {{WM_LBUTTONUP, WM_LBUTTONDOWN}, {WM_RBUTTONUP, WM_RBUTTONDOWN},
                                     {WM_MBUTTONUP, WM_MBUTTONDOWN}};
  UINT m = client_[std::clamp(button, 0, 2)][down ? 1 : 0];
  return client ? m : m - WM_MOUSEMOVE + WM_NCMOUSEMOVE;
}

bool IsDoubleClick(TInput& in, HWND hwnd, UINT message, POINT pt, DWORD time) {
  const TLastClick& l = in.LastClick;
  return l.Valid && l.Hwnd == hwnd && l.Message == message && time - l.Time <= in.DoubleClickTime &&
         std::abs(pt.x - l.Pt.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
         std::abs(pt.y - l.Pt.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
}

void StopHover(TInput& in) {
  if (in.HoverTimer) KillTimer(nullptr, in.HoverTimer);
  in.HoverTimer = 0;
}

void StartHover(TInput& in);

// The pointer rested: WM_MOUSEHOVER once, if it stayed within the hover rectangle; else wait again.
void HoverDue(HWND, UINT, UINT_PTR, DWORD) {
  TInput& in = Input();
  StopHover(in);
  if (!in.Tracking || !(in.TrackingFlags & TME_HOVER) || !FindWindowRec(in.Tracking)) return;
  UINT w = 4, h = 4;
  SystemParametersInfoA(SPI_GETMOUSEHOVERWIDTH, 0, &w, 0);
  SystemParametersInfoA(SPI_GETMOUSEHOVERHEIGHT, 0, &h, 0);
  if (std::abs(in.Cursor.x - in.HoverPt.x) > static_cast<int>(w / 2) || std::abs(in.Cursor.y - in.HoverPt.y) > static_cast<int>(h / 2)) {
    StartHover(in);
    return;
  }
  in.TrackingFlags &= ~TME_HOVER;
  MSG m;
  m.hwnd = in.Tracking;
  m.time = QueueTickCount();
  if (in.TrackingNonClient) {
    LRESULT hit = SendMessageA(in.Tracking, WM_NCHITTEST, 0, Pack(in.Cursor));
    m.message = WM_NCMOUSEHOVER;
    m.wParam = static_cast<WPARAM>(hit);
    m.lParam = Pack(in.Cursor);
  } else {
    POINT o = ClientOrigin(FindWindowRec(in.Tracking));
    m.message = WM_MOUSEHOVER;
    m.wParam = KeysOf(in.SyncState);
    m.lParam = Pack(POINT{in.Cursor.x - o.x, in.Cursor.y - o.y});
  }
  PostInternal(m);
}

void StartHover(TInput& in) {
  StopHover(in);
  in.HoverPt = in.Cursor;
  in.HoverTimer = SetTimer(nullptr, 0, in.HoverTime, HoverDue);
}

void EndTracking(TInput& in) {
  StopHover(in);
  if (!in.Tracking) return;
  HWND h = in.Tracking;
  bool nc = in.TrackingNonClient;
  bool leave = (in.TrackingFlags & TME_LEAVE) != 0;
  in.Tracking = nullptr;
  in.TrackingFlags = 0;
  if (!leave) return;
  MSG m;
  m.hwnd = h;
  m.message = nc ? WM_NCMOUSELEAVE : WM_MOUSELEAVE;
  m.time = QueueTickCount();
  PostInternal(m);
}

// Turns an event into the message its target gets; false when no window takes it.
bool Cook(TInputEvent& e) {
  TInput& in = Input();
  MSG& m = e.Msg;
  m = MSG{};
  m.time = e.Time;
  m.pt = e.Pt;
  if (e.Kind == TKind::Key || e.Kind == TKind::Char) {
    HWND target = State().Focus ? State().Focus : State().Active;
    if (!FindWindowRec(target)) return false;
    m.hwnd = target;
    if (e.Kind == TKind::Char) {
      m.message = WM_CHAR;
      m.wParam = static_cast<BYTE>(e.Value);
      m.lParam = 1;
      return true;
    }
    bool sys = (e.AltDown && !e.CtrlDown) || e.Value == VK_F10 || (e.Value == VK_MENU && !e.CtrlDown);
    m.message = e.Down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
    m.wParam = static_cast<WPARAM>(e.Value);
    UINT scan = MapVirtualKeyA(static_cast<UINT>(e.Value), MAPVK_VK_TO_VSC);
    DWORD data = 1u | (scan << 16) | (e.AltDown ? 1u << 29 : 0) | (e.WasDown || !e.Down ? 1u << 30 : 0) |
                 (e.Down ? 0 : 1u << 31);
    m.lParam = static_cast<LPARAM>(data);
    return true;
  }

  TWindow* target;
  LRESULT hit = HTCLIENT;
  if (e.Kind == TKind::Wheel) {
    target = FindWindowRec(State().Focus ? State().Focus : State().Active);
    if (!target) return false;
    m.hwnd = target->Handle;
    m.message = WM_MOUSEWHEEL;
    m.wParam = MAKEWPARAM(static_cast<WORD>(e.Keys), static_cast<WORD>(static_cast<short>(e.Value)));
    m.lParam = Pack(e.Pt);
    return true;
  }
  if (State().Capture) {
    target = FindWindowRec(State().Capture);
    hit = State().CaptureHitArea ? State().CaptureHitArea : HTCLIENT;
  } else {
    target = HitWindowAt(e.Pt, &hit);
  }
  if (!target) return false;
  e.Hit = hit;
  bool client = hit == HTCLIENT;
  m.hwnd = target->Handle;
  if (e.Kind == TKind::Move) {
    if (in.Tracking && (in.Tracking != m.hwnd || in.TrackingNonClient == client)) EndTracking(in);
    m.message = client ? WM_MOUSEMOVE : WM_NCMOUSEMOVE;
  } else {
    m.message = ButtonMessage(e.Button, e.Down, client);
    if (e.Down) {
      bool dblAllowed = !client || (target->Class && (target->Class->Style & CS_DBLCLKS));
      if (dblAllowed && IsDoubleClick(in, m.hwnd, m.message, e.Pt, e.Time)) {
        m.message += 2;  // ...DOWN -> ...DBLCLK
        in.LastClick.Valid = false;
      } else {
        in.LastClick = TLastClick{m.hwnd, m.message, e.Time, e.Pt, true};
      }
    }
  }
  if (client) {
    POINT o = ClientOrigin(target);
    m.wParam = e.Keys;
    m.lParam = Pack(POINT{e.Pt.x - o.x, e.Pt.y - o.y});
  } else {
    m.wParam = static_cast<WPARAM>(hit);
    m.lParam = Pack(e.Pt);
  }
  return true;
}

bool IsMouseMessage(UINT msg) {
  return (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || (msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK);
}

bool IsButtonDown(UINT msg) {
  return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN || msg == WM_LBUTTONDBLCLK ||
         msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK || msg == WM_NCLBUTTONDOWN ||
         msg == WM_NCRBUTTONDOWN || msg == WM_NCMBUTTONDOWN || msg == WM_NCLBUTTONDBLCLK ||
         msg == WM_NCRBUTTONDBLCLK || msg == WM_NCMBUTTONDBLCLK;
}

void ApplyToSyncState(const TInputEvent& e) {
  TInput& in = Input();
  switch (e.Kind) {
    case TKind::Button: SetKey(in.SyncState, ButtonKey(e.Button), e.Down); break;
    case TKind::Key: SetKey(in.SyncState, e.Value, e.Down); break;
    default: break;
  }
}

// Filters, activation and cursor for a mouse message being removed; false when it is eaten.
bool DeliverMouse(TInputEvent& e) {
  MSG& m = e.Msg;
  if (HasHooks(WH_MOUSE)) {
    MOUSEHOOKSTRUCT mh;
    mh.pt = e.Pt;
    mh.hwnd = m.hwnd;
    mh.wHitTestCode = static_cast<UINT>(e.Hit);
    if (CallHooks(WH_MOUSE, HC_ACTION, m.message, reinterpret_cast<LPARAM>(&mh))) return false;
  }
  TWindow* target = FindWindowRec(m.hwnd);
  if (!target) return false;
  if (m.message == WM_MOUSEWHEEL) return true;
  bool captured = State().Capture != nullptr;
  if (IsButtonDown(m.message) && !captured) {
    TWindow* top = TopLevelOf(target);
    if (top && State().Active != top->Handle && TakesActivation(top)) {
      LRESULT r = SendMessageA(m.hwnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top->Handle),
                               MAKELPARAM(static_cast<WORD>(e.Hit), static_cast<WORD>(m.message)));
      if ((r == MA_ACTIVATE || r == MA_ACTIVATEANDEAT) && FindWindowRec(top->Handle)) {
        if (!(top->Style & WS_DISABLED)) ActivateTopLevel(top, WA_CLICKACTIVE, true);
      }
      if (r == MA_ACTIVATEANDEAT || r == MA_NOACTIVATEANDEAT) return false;
    }
  }
  if (!captured && FindWindowRec(m.hwnd)) {
    // A disabled window gets no mouse messages; its cursor request says so.
    TWindow* top = TopLevelOf(FindWindowRec(m.hwnd));
    bool disabled = top && (top->Style & WS_DISABLED);
    SendMessageA(m.hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(m.hwnd),
                 MAKELPARAM(static_cast<WORD>(disabled ? HTERROR : e.Hit), static_cast<WORD>(m.message)));
    if (disabled) return false;
  }
  return FindWindowRec(m.hwnd) != nullptr;
}

}  // namespace

HWND SetCapture(HWND hwnd) {
  TWinState& s = State();
  HWND old = s.Capture;
  if (!FindWindowRec(hwnd)) return old;
  s.Capture = hwnd;
  s.CaptureHitArea = 0;
  if (old && old != hwnd && FindWindowRec(old)) SendMessageA(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
  return old;
}

BOOL ReleaseCapture() {
  TWinState& s = State();
  HWND old = s.Capture;
  s.Capture = nullptr;
  s.CaptureHitArea = 0;
  if (old && FindWindowRec(old)) SendMessageA(old, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

HWND GetCapture() { return State().Capture; }

BOOL TrackMouseEvent(TRACKMOUSEEVENT* t) {
  if (!t || t->cbSize != sizeof(TRACKMOUSEEVENT)) return FALSE;
  TInput& in = Input();
  if (t->dwFlags & TME_QUERY) {
    t->hwndTrack = in.Tracking;
    t->dwFlags = in.TrackingFlags | (in.TrackingNonClient ? TME_NONCLIENT : 0);
    return TRUE;
  }
  if (t->dwFlags & TME_CANCEL) {
    if (in.Tracking == t->hwndTrack) {
      in.TrackingFlags &= ~(t->dwFlags & (TME_HOVER | TME_LEAVE));
      if (!(in.TrackingFlags & TME_HOVER)) StopHover(in);
      if (!in.TrackingFlags) in.Tracking = nullptr;
    }
    return TRUE;
  }
  TWindow* w = FindWindowRec(t->hwndTrack);
  if (!w) return FALSE;
  in.Tracking = t->hwndTrack;
  in.TrackingFlags = t->dwFlags & (TME_HOVER | TME_LEAVE);
  in.TrackingNonClient = (t->dwFlags & TME_NONCLIENT) != 0;
  // The pointer is not over the window any more: the leave comes at once.
  LRESULT hit = 0;
  TWindow* under = HitWindowAt(in.Cursor, &hit);
  if ((t->dwFlags & TME_LEAVE) && (under != w || (hit == HTCLIENT) == in.TrackingNonClient)) {
    EndTracking(in);
    return TRUE;
  }
  if (t->dwFlags & TME_HOVER) {
    in.HoverTime = t->dwHoverTime == HOVER_DEFAULT ? 400 : std::max<DWORD>(t->dwHoverTime, 10);
    StartHover(in);
  }
  return TRUE;
}

BOOL DragDetect(HWND hwnd, POINT pt) {
  if (!FindWindowRec(hwnd)) return FALSE;
  ClientToScreen(hwnd, &pt);
  int cx = GetSystemMetrics(SM_CXDRAG), cy = GetSystemMetrics(SM_CYDRAG);
  RECT r{pt.x - cx, pt.y - cy, pt.x + cx + 1, pt.y + cy + 1};
  SetCapture(hwnd);
  BOOL result = FALSE;
  while (GetCapture() == hwnd) {
    MSG m;
    if (PeekMessageA(&m, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
      if (m.message == WM_LBUTTONUP || m.message == WM_RBUTTONUP) break;
      if (m.message == WM_MOUSEMOVE && (m.pt.x < r.left || m.pt.x >= r.right || m.pt.y < r.top || m.pt.y >= r.bottom)) {
        result = TRUE;
        break;
      }
    } else if (PeekMessageA(&m, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
      if (m.message == WM_KEYDOWN && m.wParam == VK_ESCAPE) break;
    } else if (PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) {
      break;
    } else {
      WaitMessage();
    }
  }
  if (GetCapture() == hwnd) ReleaseCapture();
  return result;
}

UINT GetDoubleClickTime() { return Input().DoubleClickTime; }

BOOL SetDoubleClickTime(UINT ms) {
  Input().DoubleClickTime = ms ? ms : 500;
  return TRUE;
}

BOOL SwapMouseButton(BOOL swap) {
  bool old = MouseButtonsSwapped();
  SetMouseButtonsSwapped(swap != FALSE);
  return old;
}

SHORT GetKeyState(int vk) {
  BYTE b = Input().SyncState[vk & 0xFF];
  return static_cast<SHORT>(((b & 0x80) ? 0x8000 : 0) | (b & 0x01));
}

SHORT GetAsyncKeyState(int vk) { return (Input().AsyncState[vk & 0xFF] & 0x80) ? static_cast<SHORT>(0x8000) : 0; }

BOOL GetKeyboardState(BYTE* state) {
  if (!state) return FALSE;
  std::memcpy(state, Input().SyncState, 256);
  return TRUE;
}

BOOL SetKeyboardState(const BYTE* state) {
  if (!state) return FALSE;
  std::memcpy(Input().SyncState, state, 256);
  return TRUE;
}

namespace {

// The United States layout: the character of a key without and with Shift.
struct TKeyChars {
  int Vk;
  char Plain;
  char Shifted;
};
constexpr TKeyChars KeyChars[] = {
    {'0', '0', ')'}, {'1', '1', '!'}, {'2', '2', '@'}, {'3', '3', '#'}, {'4', '4', '$'},
    {'5', '5', '%'}, {'6', '6', '^'}, {'7', '7', '&'}, {'8', '8', '*'}, {'9', '9', '('},
    {VK_SPACE, ' ', ' '}, {VK_OEM_1, ';', ':'}, {VK_OEM_PLUS, '=', '+'}, {VK_OEM_COMMA, ',', '<'},
    {VK_OEM_MINUS, '-', '_'}, {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'}, {VK_OEM_3, '`', '~'},
    {VK_OEM_4, '[', '{'}, {VK_OEM_5, '\\', '|'}, {VK_OEM_6, ']', '}'}, {VK_OEM_7, '\'', '"'},
    {VK_MULTIPLY, '*', '*'}, {VK_ADD, '+', '+'}, {VK_SUBTRACT, '-', '-'}, {VK_DECIMAL, '.', '.'},
    {VK_DIVIDE, '/', '/'}, {VK_BACK, 8, 8}, {VK_TAB, 9, 9}, {VK_RETURN, 13, 13}, {VK_ESCAPE, 27, 27},
};

// The scan codes of the keys, as the key data of key messages carries them.
struct TScan {
  int Vk;
  UINT Scan;
};
constexpr TScan Scans[] = {
    {VK_ESCAPE, 0x01}, {'1', 0x02}, {'2', 0x03}, {'3', 0x04}, {'4', 0x05}, {'5', 0x06}, {'6', 0x07},
    {'7', 0x08}, {'8', 0x09}, {'9', 0x0A}, {'0', 0x0B}, {VK_OEM_MINUS, 0x0C}, {VK_OEM_PLUS, 0x0D},
    {VK_BACK, 0x0E}, {VK_TAB, 0x0F}, {'Q', 0x10}, {'W', 0x11}, {'E', 0x12}, {'R', 0x13}, {'T', 0x14},
    {'Y', 0x15}, {'U', 0x16}, {'I', 0x17}, {'O', 0x18}, {'P', 0x19}, {VK_OEM_4, 0x1A}, {VK_OEM_6, 0x1B},
    {VK_RETURN, 0x1C}, {VK_CONTROL, 0x1D}, {'A', 0x1E}, {'S', 0x1F}, {'D', 0x20}, {'F', 0x21},
    {'G', 0x22}, {'H', 0x23}, {'J', 0x24}, {'K', 0x25}, {'L', 0x26}, {VK_OEM_1, 0x27}, {VK_OEM_7, 0x28},
    {VK_OEM_3, 0x29}, {VK_SHIFT, 0x2A}, {VK_OEM_5, 0x2B}, {'Z', 0x2C}, {'X', 0x2D}, {'C', 0x2E},
    {'V', 0x2F}, {'B', 0x30}, {'N', 0x31}, {'M', 0x32}, {VK_OEM_COMMA, 0x33}, {VK_OEM_PERIOD, 0x34},
    {VK_OEM_2, 0x35}, {VK_MULTIPLY, 0x37}, {VK_MENU, 0x38}, {VK_SPACE, 0x39}, {VK_CAPITAL, 0x3A},
    {VK_F1, 0x3B}, {VK_F2, 0x3C}, {VK_F3, 0x3D}, {VK_F4, 0x3E}, {VK_F5, 0x3F}, {VK_F6, 0x40},
    {VK_F7, 0x41}, {VK_F8, 0x42}, {VK_F9, 0x43}, {VK_F10, 0x44}, {VK_HOME, 0x47}, {VK_UP, 0x48},
    {VK_PRIOR, 0x49}, {VK_SUBTRACT, 0x4A}, {VK_LEFT, 0x4B}, {VK_RIGHT, 0x4D}, {VK_ADD, 0x4E},
    {VK_END, 0x4F}, {VK_DOWN, 0x50}, {VK_NEXT, 0x51}, {VK_INSERT, 0x52}, {VK_DELETE, 0x53},
    {VK_F11, 0x57}, {VK_F12, 0x58},
};

}  // namespace

UINT MapVirtualKeyA(UINT code, UINT mapType) {
  switch (mapType) {
    case MAPVK_VK_TO_VSC:
      for (const TScan& s : Scans)
        if (s.Vk == static_cast<int>(code)) return s.Scan;
      return 0;
    case MAPVK_VSC_TO_VK: case MAPVK_VSC_TO_VK_EX:
      for (const TScan& s : Scans)
        if (s.Scan == code) return static_cast<UINT>(s.Vk);
      return 0;
    case MAPVK_VK_TO_CHAR:
      if (code >= 'A' && code <= 'Z') return code;
      if (code >= VK_NUMPAD0 && code <= VK_NUMPAD9) return '0' + code - VK_NUMPAD0;
      for (const TKeyChars& k : KeyChars)
        if (k.Vk == static_cast<int>(code)) return static_cast<BYTE>(k.Plain);
      return 0;
    default:
      return 0;
  }
}

SHORT VkKeyScanA(char ch) {
  auto c = static_cast<unsigned char>(ch);
  if (c >= 'a' && c <= 'z') return static_cast<SHORT>(c - 'a' + 'A');
  if (c >= 'A' && c <= 'Z') return static_cast<SHORT>(0x100 | c);
  if (c >= 1 && c <= 26 && c != 8 && c != 9 && c != 13) return static_cast<SHORT>(0x200 | (c - 1 + 'A'));
  for (const TKeyChars& k : KeyChars) {
    if (static_cast<unsigned char>(k.Plain) == c) return static_cast<SHORT>(k.Vk);
    if (static_cast<unsigned char>(k.Shifted) == c) return static_cast<SHORT>(0x100 | k.Vk);
  }
  return -1;
}

int ToAscii(UINT vk, UINT, const BYTE* state, WORD* chars, UINT) {
  if (!chars) return 0;
  bool shift = state && (state[VK_SHIFT] & 0x80);
  bool ctrl = state && (state[VK_CONTROL] & 0x80);
  bool alt = state && (state[VK_MENU] & 0x80);
  bool caps = state && (state[VK_CAPITAL] & 0x01);
  if (ctrl && alt) return 0;
  int ch = -1;
  if (vk >= 'A' && vk <= 'Z') {
    if (ctrl) ch = static_cast<int>(vk - 'A' + 1);
    else ch = (shift != caps) ? static_cast<int>(vk) : static_cast<int>(vk - 'A' + 'a');
  } else if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) {
    ch = static_cast<int>('0' + vk - VK_NUMPAD0);
  } else if (ctrl) {
    if (vk == VK_OEM_4) ch = 27;
    else if (vk == VK_OEM_5) ch = 28;
    else if (vk == VK_OEM_6) ch = 29;
    else if (vk == VK_RETURN) ch = 10;
    else if (vk == VK_BACK) ch = 127;
    else if (vk == VK_SPACE) ch = ' ';
    else if (vk == VK_ESCAPE) ch = 27;
  } else {
    for (const TKeyChars& k : KeyChars)
      if (k.Vk == static_cast<int>(vk)) ch = static_cast<unsigned char>(shift ? k.Shifted : k.Plain);
  }
  if (ch < 0) return 0;
  *chars = static_cast<WORD>(ch);
  return 1;
}

BOOL MessageBeep(UINT) {
  Backend().Beep();
  return TRUE;
}

BOOL Beep(DWORD, DWORD) {
  Backend().Beep();
  return TRUE;
}

BOOL BlockInput(BOOL) { return FALSE; }

}  // namespace WinInput

namespace WinInternals {

using namespace WinInput;

POINT CursorPosition() { return Input().Cursor; }

void QueueMouseMove(POINT screen) {
  TInput& in = Input();
  in.Cursor = screen;
  TInputEvent e;
  e.Kind = TKind::Move;
  e.Pt = screen;
  e.Keys = KeysOf(in.AsyncState);
  Push(e);
}

void QueueMouseButton(int button, bool down) {
  TInput& in = Input();
  if (MouseButtonsSwapped() && button != 2) button = 1 - button;
  SetKey(in.AsyncState, ButtonKey(button), down);
  TInputEvent e;
  e.Kind = TKind::Button;
  e.Pt = in.Cursor;
  e.Button = button;
  e.Down = down;
  e.Keys = KeysOf(in.AsyncState);
  Push(e);
}

void QueueMouseWheel(int delta) {
  TInput& in = Input();
  TInputEvent e;
  e.Kind = TKind::Wheel;
  e.Pt = in.Cursor;
  e.Value = delta;
  e.Keys = KeysOf(in.AsyncState);
  Push(e);
}

void QueueKey(int vk, bool down) {
  TInput& in = Input();
  TInputEvent e;
  e.Kind = TKind::Key;
  e.Value = vk & 0xFF;
  e.Down = down;
  e.WasDown = Down(in.AsyncState, vk);
  SetKey(in.AsyncState, vk, down);
  e.AltDown = Down(in.AsyncState, VK_MENU) || (vk == VK_MENU && !down);
  e.CtrlDown = Down(in.AsyncState, VK_CONTROL);
  e.Pt = in.Cursor;
  Push(e);
}

void QueueChar(BYTE ch) {
  TInputEvent e;
  e.Kind = TKind::Char;
  e.Value = ch;
  e.Pt = Input().Cursor;
  Push(e);
}

void SetKeyStateForTests(int vk, bool down) {
  TInput& in = Input();
  SetKey(in.SyncState, vk, down);
  SetKey(in.AsyncState, vk, down);
}

bool HasInput() { return !Input().Events.empty(); }

bool PeekInput(MSG* msg, HWND filter, UINT min, UINT max, bool remove) {
  TInput& in = Input();
  for (size_t i = 0; i < in.Events.size();) {
    TInputEvent& e = in.Events[i];
    if (!e.Cooked) {
      e.Cooked = true;
      e.Dropped = !Cook(in.Events[i]);
    }
    TInputEvent ev = in.Events[i];
    if (ev.Dropped || (ev.Msg.hwnd && !FindWindowRec(ev.Msg.hwnd))) {
      ApplyToSyncState(ev);
      in.Events.erase(in.Events.begin() + static_cast<std::ptrdiff_t>(i));
      continue;
    }
    if (!PassesFilter(ev.Msg.hwnd, ev.Msg.message, filter, min, max)) {
      ++i;
      continue;
    }
    if (!remove) {
      if (IsMouseMessage(ev.Msg.message) && HasHooks(WH_MOUSE)) {
        MOUSEHOOKSTRUCT mh;
        mh.pt = ev.Pt;
        mh.hwnd = ev.Msg.hwnd;
        mh.wHitTestCode = static_cast<UINT>(ev.Hit);
        CallHooks(WH_MOUSE, HC_NOREMOVE, ev.Msg.message, reinterpret_cast<LPARAM>(&mh));
      } else if (ev.Kind == TKind::Key && HasHooks(WH_KEYBOARD)) {
        CallHooks(WH_KEYBOARD, HC_NOREMOVE, ev.Msg.wParam, ev.Msg.lParam);
      }
      *msg = ev.Msg;
      return true;
    }
    in.Events.erase(in.Events.begin() + static_cast<std::ptrdiff_t>(i));
    ApplyToSyncState(ev);
    bool deliver = true;
    if (ev.Kind == TKind::Key) {
      if (HasHooks(WH_KEYBOARD) && CallHooks(WH_KEYBOARD, HC_ACTION, ev.Msg.wParam, ev.Msg.lParam)) deliver = false;
    } else if (ev.Kind != TKind::Char) {
      deliver = DeliverMouse(ev);
    }
    if (!deliver || !FindWindowRec(ev.Msg.hwnd)) {
      i = 0;
      continue;
    }
    *msg = ev.Msg;
    return true;
  }
  return false;
}

void ResetInputState() {
  TInput& in = Input();
  in.Events.clear();
  std::memset(in.SyncState, 0, sizeof in.SyncState);
  std::memset(in.AsyncState, 0, sizeof in.AsyncState);
  in.Cursor = POINT{640, 512};
  in.DoubleClickTime = 500;
  in.LastClick = TLastClick{};
  in.Tracking = nullptr;
  in.TrackingFlags = 0;
  in.HoverTimer = 0;
}

}  // namespace WinInternals
