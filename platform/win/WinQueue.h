// Messages and the queue of the user-interface thread: sending, posting, retrieving and
// dispatching, in the order posted messages, input, WM_QUIT, paint, timers (paint and timer
// messages are made only when nothing else waits). Nested loops may run inside any handler.
// PostMessage, PostThreadMessage and SendNotifyMessage may be called from other threads; every
// other call belongs to the user-interface thread.
#pragma once

#include "Closures.h"
#include "Messages.h"
#include "SyncObjs.h"  // INFINITE and the WAIT_ results of MsgWaitForMultipleObjects
#include "WinUserTypes.h"

namespace WinQueue {

constexpr UINT PM_NOREMOVE = 0x0000, PM_REMOVE = 0x0001, PM_NOYIELD = 0x0002;
constexpr UINT QS_KEY = 0x0001, QS_MOUSEMOVE = 0x0002, QS_MOUSEBUTTON = 0x0004, QS_POSTMESSAGE = 0x0008,
               QS_TIMER = 0x0010, QS_PAINT = 0x0020, QS_SENDMESSAGE = 0x0040, QS_HOTKEY = 0x0080,
               QS_ALLPOSTMESSAGE = 0x0100, QS_MOUSE = QS_MOUSEMOVE | QS_MOUSEBUTTON,
               QS_INPUT = QS_MOUSE | QS_KEY,
               QS_ALLEVENTS = QS_INPUT | QS_POSTMESSAGE | QS_TIMER | QS_PAINT | QS_HOTKEY,
               QS_ALLINPUT = QS_ALLEVENTS | QS_SENDMESSAGE;

// ---- Sending ----------------------------------------------------------------------------------------
// Calls the window procedure at once (re-entrant); 0 for an invalid window. HWND_BROADCAST sends to
// every top-level window, including hidden message windows.
LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
inline LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return SendMessageA(hwnd, msg, wParam, lParam);
}
// On the user-interface thread: SendMessage; from another thread: queued ahead of posted messages.
BOOL SendNotifyMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
inline BOOL SendNotifyMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return SendNotifyMessageA(hwnd, msg, wParam, lParam);
}
// Calls a procedure read with GetWindowLongPtr(GWL_WNDPROC), a method instance included.
LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
inline LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(proc, hwnd, msg, wParam, lParam);
}
BOOL InSendMessage();

// ---- Posting ----------------------------------------------------------------------------------------
// Fails for an invalid window; a null window posts to the thread.
BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
inline BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return PostMessageA(hwnd, msg, wParam, lParam);
}
BOOL PostThreadMessageA(DWORD threadId, UINT msg, WPARAM wParam, LPARAM lParam);
inline BOOL PostThreadMessage(DWORD threadId, UINT msg, WPARAM wParam, LPARAM lParam) {
  return PostThreadMessageA(threadId, msg, wParam, lParam);
}
// WM_QUIT arrives once no posted message or input waits.
void PostQuitMessage(int exitCode);
// Numbers from 0xC000 up, the same for the same name (case-insensitive).
UINT RegisterWindowMessageA(const char* name);
inline UINT RegisterWindowMessage(const char* name) { return RegisterWindowMessageA(name); }

// ---- Retrieving and dispatching ---------------------------------------------------------------------
// hwnd: null = any message of the thread; (HWND)-1 = thread messages only; else that window's.
// min = max = 0: every message. WM_PAINT stays queued until the window is validated.
BOOL PeekMessageA(MSG* msg, HWND hwnd, UINT min, UINT max, UINT remove);
inline BOOL PeekMessage(MSG* msg, HWND hwnd, UINT min, UINT max, UINT remove) {
  return PeekMessageA(msg, hwnd, min, max, remove);
}
// Waits for a message; FALSE for WM_QUIT, -1 for an invalid window filter.
BOOL GetMessageA(MSG* msg, HWND hwnd, UINT min, UINT max);
inline BOOL GetMessage(MSG* msg, HWND hwnd, UINT min, UINT max) { return GetMessageA(msg, hwnd, min, max); }
// Queues WM_CHAR (WM_SYSCHAR with Alt) for a key message that makes a character; TRUE when it did.
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessageA(const MSG* msg);
inline LRESULT DispatchMessage(const MSG* msg) { return DispatchMessageA(msg); }
// Sleeps until a message is available.
BOOL WaitMessage();
// Sleeps until a message of the kinds in `wakeMask` is available or the time is up.
DWORD MsgWaitForMultipleObjects(DWORD count, const HANDLE* handles, BOOL waitAll, DWORD milliseconds,
                                DWORD wakeMask);
// High word: the kinds waiting now; low word: the kinds that arrived since the last call.
DWORD GetQueueStatus(UINT flags);
BOOL GetInputState();
DWORD GetMessageTime();
DWORD GetMessagePos();
LPARAM GetMessageExtraInfo();

// The time base of messages, timers and double clicks: milliseconds, wrapping at 32 bits. The test
// clock of the runtime library steps it.
DWORD QueueTickCount();

// ---- Method instances -------------------------------------------------------------------------------
// A window procedure standing for a method: CallWindowProc (and every message delivery) turns the
// call into a TMessage for the method. Free it when no window uses it any more.
using TWndMethod = TClosure<void(TMessage&)>;
WNDPROC MakeObjectInstance(const TWndMethod& method);
void FreeObjectInstance(WNDPROC instance);

}  // namespace WinQueue

using namespace WinQueue;
