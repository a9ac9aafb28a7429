// The basic types of the operating-system interface that the platform layers offer under their
// usual names: handles, integers of fixed width, message parameters, points, rectangles and sizes.
// Message parameters and results are pointer-sized.
#pragma once

#include <cstdint>

namespace WinDef {

using BOOL = int32_t;
using BYTE = uint8_t;
using WORD = uint16_t;
using DWORD = uint32_t;
using UINT = uint32_t;
using INT = int32_t;
using LONG = int32_t;
using ULONG = uint32_t;
using SHORT = int16_t;
using USHORT = uint16_t;
using LONGLONG = int64_t;
using ULONGLONG = uint64_t;
using HRESULT = int32_t;
using LCID = uint32_t;
using LANGID = uint16_t;
using CALID = uint32_t;
using CALTYPE = uint32_t;
using LCTYPE = uint32_t;
using ATOM = uint16_t;
using COLORREF = uint32_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using UINT_PTR = uintptr_t;
using INT_PTR = intptr_t;
using DWORD_PTR = uintptr_t;

constexpr BOOL FALSE = 0;
constexpr BOOL TRUE = 1;

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001u);
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);

// Handles are opaque pointers; each kind is its own type so that they do not mix.
#define AT_DECLARE_HANDLE(name) \
  struct name##__;              \
  using name = name##__*;
using HANDLE = void*;
AT_DECLARE_HANDLE(HINSTANCE)
using HMODULE = HINSTANCE;
AT_DECLARE_HANDLE(HWND)
AT_DECLARE_HANDLE(HDC)
AT_DECLARE_HANDLE(HGDIOBJ_)
using HGDIOBJ = void*;
AT_DECLARE_HANDLE(HBITMAP)
AT_DECLARE_HANDLE(HBRUSH)
AT_DECLARE_HANDLE(HPEN)
AT_DECLARE_HANDLE(HFONT)
AT_DECLARE_HANDLE(HRGN)
AT_DECLARE_HANDLE(HPALETTE)
AT_DECLARE_HANDLE(HICON)
using HCURSOR = HICON;
AT_DECLARE_HANDLE(HMENU)
AT_DECLARE_HANDLE(HHOOK)
AT_DECLARE_HANDLE(HKEY)
AT_DECLARE_HANDLE(HTHEME)
AT_DECLARE_HANDLE(HIMAGELIST)
AT_DECLARE_HANDLE(HRSRC)
AT_DECLARE_HANDLE(HGLOBAL_)
using HGLOBAL = HANDLE;
#undef AT_DECLARE_HANDLE

struct POINT {
  LONG x = 0;
  LONG y = 0;
  friend bool operator==(const POINT&, const POINT&) = default;
};
struct SIZE {
  LONG cx = 0;
  LONG cy = 0;
  friend bool operator==(const SIZE&, const SIZE&) = default;
};
struct RECT {
  LONG left = 0;
  LONG top = 0;
  LONG right = 0;
  LONG bottom = 0;
  friend bool operator==(const RECT&, const RECT&) = default;
};
using LPRECT = RECT*;
using LPPOINT = POINT*;

constexpr WORD LOWORD(uintptr_t v) { return static_cast<WORD>(v & 0xFFFF); }
constexpr WORD HIWORD(uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
constexpr BYTE LOBYTE(uintptr_t v) { return static_cast<BYTE>(v & 0xFF); }
constexpr BYTE HIBYTE(uintptr_t v) { return static_cast<BYTE>((v >> 8) & 0xFF); }
constexpr DWORD MAKELONG(WORD lo, WORD hi) { return static_cast<DWORD>(lo) | (static_cast<DWORD>(hi) << 16); }
constexpr WPARAM MAKEWPARAM(WORD lo, WORD hi) { return MAKELONG(lo, hi); }
constexpr LPARAM MAKELPARAM(WORD lo, WORD hi) { return static_cast<LPARAM>(MAKELONG(lo, hi)); }
constexpr LRESULT MAKELRESULT(WORD lo, WORD hi) { return static_cast<LRESULT>(MAKELONG(lo, hi)); }
// Signed coordinates packed in a message parameter.
constexpr int GET_X_LPARAM(LPARAM v) { return static_cast<SHORT>(LOWORD(static_cast<uintptr_t>(v))); }
constexpr int GET_Y_LPARAM(LPARAM v) { return static_cast<SHORT>(HIWORD(static_cast<uintptr_t>(v))); }

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
  return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) | (static_cast<COLORREF>(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) { return static_cast<BYTE>(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return static_cast<BYTE>((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return static_cast<BYTE>((c >> 16) & 0xFF); }

}  // namespace WinDef

using namespace WinDef;
