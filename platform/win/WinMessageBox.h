// Message boxes: a modal dialog with the message, an icon and a set of buttons. Enter presses the
// default button, Escape the cancelling one (OK when it is the only button); the owner is disabled
// while the box is up.
#pragma once

#include "WinUserTypes.h"

namespace WinMessageBox {

constexpr UINT MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_ABORTRETRYIGNORE = 0x2, MB_YESNOCANCEL = 0x3, MB_YESNO = 0x4,
               MB_RETRYCANCEL = 0x5, MB_TYPEMASK = 0xF;
constexpr UINT MB_ICONHAND = 0x10, MB_ICONSTOP = 0x10, MB_ICONERROR = 0x10, MB_ICONQUESTION = 0x20,
               MB_ICONEXCLAMATION = 0x30, MB_ICONWARNING = 0x30, MB_ICONASTERISK = 0x40,
               MB_ICONINFORMATION = 0x40, MB_ICONMASK = 0xF0;
constexpr UINT MB_DEFBUTTON1 = 0x0, MB_DEFBUTTON2 = 0x100, MB_DEFBUTTON3 = 0x200, MB_DEFMASK = 0xF00;
constexpr UINT MB_APPLMODAL = 0x0, MB_SYSTEMMODAL = 0x1000, MB_TASKMODAL = 0x2000, MB_SETFOREGROUND = 0x10000,
               MB_TOPMOST = 0x40000, MB_RIGHT = 0x80000;
constexpr int IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7;

// The identifier of the button chosen; 0 when the box could not be shown or the loop got WM_QUIT
// (which is posted again). A null caption shows "错误" (error).
int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type);
inline int MessageBox(HWND owner, const char* text, const char* caption, UINT type) {
  return MessageBoxA(owner, text, caption, type);
}

}  // namespace WinMessageBox

using namespace WinMessageBox;
