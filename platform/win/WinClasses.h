// Window classes: registration, queries and class data. Class names compare without regard to
// case; the standard classes (EDIT, LISTBOX, BUTTON, STATIC, ...) are registered by the layer.
#pragma once

#include "WinUserTypes.h"

namespace WinClasses {

constexpr UINT CS_VREDRAW = 0x0001, CS_HREDRAW = 0x0002, CS_DBLCLKS = 0x0008, CS_OWNDC = 0x0020,
               CS_CLASSDC = 0x0040, CS_PARENTDC = 0x0080, CS_NOCLOSE = 0x0200,
               CS_SAVEBITS = 0x0800, CS_BYTEALIGNCLIENT = 0x1000, CS_BYTEALIGNWINDOW = 0x2000,
               CS_GLOBALCLASS = 0x4000, CS_DROPSHADOW = 0x00020000;

constexpr int GCLP_MENUNAME = -8, GCLP_HBRBACKGROUND = -10, GCLP_HCURSOR = -12, GCLP_HICON = -14,
              GCLP_HMODULE = -16, GCL_CBWNDEXTRA = -18, GCL_CBCLSEXTRA = -20, GCLP_WNDPROC = -24,
              GCL_STYLE = -26, GCW_ATOM = -32, GCLP_HICONSM = -34;
constexpr int GCL_MENUNAME = GCLP_MENUNAME, GCL_HBRBACKGROUND = GCLP_HBRBACKGROUND,
              GCL_HCURSOR = GCLP_HCURSOR, GCL_HICON = GCLP_HICON, GCL_HMODULE = GCLP_HMODULE,
              GCL_WNDPROC = GCLP_WNDPROC, GCL_HICONSM = GCLP_HICONSM;

// A class atom given where a class name is expected (MAKEINTATOM).
inline const char* MAKEINTATOM(ATOM atom) { return reinterpret_cast<const char*>(static_cast<uintptr_t>(atom)); }

// 0 when the name is taken (by this module), empty, or the record is malformed.
ATOM RegisterClassExA(const WNDCLASSEXA* wc);
ATOM RegisterClassA(const WNDCLASSA* wc);
inline ATOM RegisterClassEx(const WNDCLASSEX* wc) { return RegisterClassExA(wc); }
inline ATOM RegisterClass(const WNDCLASS* wc) { return RegisterClassA(wc); }
// Fails while a window of the class exists, and for the standard classes.
BOOL UnregisterClassA(const char* className, HINSTANCE instance);
inline BOOL UnregisterClass(const char* className, HINSTANCE instance) { return UnregisterClassA(className, instance); }
BOOL GetClassInfoExA(HINSTANCE instance, const char* className, WNDCLASSEXA* wc);
BOOL GetClassInfoA(HINSTANCE instance, const char* className, WNDCLASSA* wc);
inline BOOL GetClassInfoEx(HINSTANCE instance, const char* className, WNDCLASSEX* wc) {
  return GetClassInfoExA(instance, className, wc);
}
inline BOOL GetClassInfo(HINSTANCE instance, const char* className, WNDCLASS* wc) {
  return GetClassInfoA(instance, className, wc);
}
// The class name of a window, cut to fit `size` bytes with the terminating zero; the bytes copied.
int GetClassNameA(HWND hwnd, char* buffer, int size);
inline int GetClassName(HWND hwnd, char* buffer, int size) { return GetClassNameA(hwnd, buffer, size); }
ULONG_PTR GetClassLongPtrA(HWND hwnd, int index);
ULONG_PTR SetClassLongPtrA(HWND hwnd, int index, LONG_PTR value);
inline ULONG_PTR GetClassLongPtr(HWND hwnd, int index) { return GetClassLongPtrA(hwnd, index); }
inline ULONG_PTR SetClassLongPtr(HWND hwnd, int index, LONG_PTR value) { return SetClassLongPtrA(hwnd, index, value); }
inline DWORD GetClassLong(HWND hwnd, int index) { return static_cast<DWORD>(GetClassLongPtrA(hwnd, index)); }
inline DWORD SetClassLong(HWND hwnd, int index, LONG value) { return static_cast<DWORD>(SetClassLongPtrA(hwnd, index, value)); }

}  // namespace WinClasses

using namespace WinClasses;
