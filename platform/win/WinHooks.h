// Thread hooks: filter chains that see messages before the windows do. Each filter is called with
// the chain's code and record; it calls CallNextHookEx to pass the call on, and a non-zero answer of
// a keyboard or mouse filter swallows the message. The most recently installed filter runs first.
#pragma once

#include "WinUserTypes.h"

namespace WinHooks {

constexpr int WH_MSGFILTER = -1, WH_JOURNALRECORD = 0, WH_JOURNALPLAYBACK = 1, WH_KEYBOARD = 2,
              WH_GETMESSAGE = 3, WH_CALLWNDPROC = 4, WH_CBT = 5, WH_SYSMSGFILTER = 6, WH_MOUSE = 7,
              WH_DEBUG = 9, WH_SHELL = 10, WH_FOREGROUNDIDLE = 11, WH_CALLWNDPROCRET = 12,
              WH_KEYBOARD_LL = 13, WH_MOUSE_LL = 14;
constexpr int HC_ACTION = 0, HC_GETNEXT = 1, HC_SKIP = 2, HC_NOREMOVE = 3, HC_NOREM = HC_NOREMOVE;
// WH_CBT codes: a non-zero answer prevents creating, destroying, activating or focusing.
constexpr int HCBT_MOVESIZE = 0, HCBT_MINMAX = 1, HCBT_QS = 2, HCBT_CREATEWND = 3,
              HCBT_DESTROYWND = 4, HCBT_ACTIVATE = 5, HCBT_CLICKSKIPPED = 6, HCBT_KEYSKIPPED = 7,
              HCBT_SYSCOMMAND = 8, HCBT_SETFOCUS = 9;

// Thread hooks only: module 0 and the current thread (or 0). Null for an unknown kind or no procedure.
HHOOK SetWindowsHookExA(int idHook, HOOKPROC proc, HINSTANCE module, DWORD threadId);
inline HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc, HINSTANCE module, DWORD threadId) {
  return SetWindowsHookExA(idHook, proc, module, threadId);
}
// A filter removed while it runs finishes its call; the chain goes on with the next one.
BOOL UnhookWindowsHookEx(HHOOK hook);
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);

}  // namespace WinHooks

using namespace WinHooks;
