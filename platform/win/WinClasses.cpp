// The class registry. Atoms count from 0xC000 like registered names; a name may also be given as
// an atom (MAKEINTATOM).
#include "WinClasses.h"

#include <cstring>

#include "WinInternals.h"

namespace WinClasses {

namespace {

struct TRegistry {
  std::vector<std::unique_ptr<TWndClassRec>> Classes;
  ATOM NextAtom = 0xC000;
  bool StandardDone = false;
};

TRegistry& Registry() {
  static TRegistry r;
  return r;
}

bool SameName(const String& a, const char* b) {
  if (a.size() != std::strlen(b)) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

bool IsAtomArgument(const char* name) { return reinterpret_cast<uintptr_t>(name) <= 0xFFFF; }

void EnsureStandard() {
  TRegistry& r = Registry();
  if (r.StandardDone) return;
  r.StandardDone = true;
  RegisterStandardClasses();
}

ATOM Register(const WNDCLASSEXA& wc, bool system) {
  if (!wc.lpszClassName || IsAtomArgument(wc.lpszClassName) || !*wc.lpszClassName) return 0;
  if (wc.cbClsExtra < 0 || wc.cbWndExtra < 0 || wc.cbClsExtra > 40 || wc.cbWndExtra > 40) return 0;
  if (!system) EnsureStandard();
  if (FindClassRec(wc.lpszClassName)) return 0;
  TRegistry& r = Registry();
  auto rec = std::make_unique<TWndClassRec>();
  rec->Name = wc.lpszClassName;
  rec->Atom = r.NextAtom++;
  rec->Style = wc.style;
  rec->Proc = wc.lpfnWndProc;
  rec->WndExtra = wc.cbWndExtra;
  rec->Instance = wc.hInstance;
  rec->Icon = wc.hIcon;
  rec->IconSm = wc.hIconSm;
  rec->Cursor = wc.hCursor;
  rec->Background = wc.hbrBackground;
  rec->MenuName = wc.lpszMenuName && !IsAtomArgument(wc.lpszMenuName) ? wc.lpszMenuName : "";
  rec->ClassExtra.assign(static_cast<size_t>(wc.cbClsExtra), 0);
  rec->System = system;
  ATOM atom = rec->Atom;
  r.Classes.push_back(std::move(rec));
  return atom;
}

void FillInfo(const TWndClassRec& c, WNDCLASSEXA* wc) {
  wc->style = c.Style;
  wc->lpfnWndProc = c.Proc;
  wc->cbClsExtra = static_cast<int>(c.ClassExtra.size());
  wc->cbWndExtra = c.WndExtra;
  wc->hInstance = c.Instance;
  wc->hIcon = c.Icon;
  wc->hIconSm = c.IconSm;
  wc->hCursor = c.Cursor;
  wc->hbrBackground = c.Background;
  wc->lpszMenuName = c.MenuName.empty() ? nullptr : c.MenuName.c_str();
  wc->lpszClassName = c.Name.c_str();
}

}  // namespace

ATOM RegisterClassExA(const WNDCLASSEXA* wc) {
  if (!wc || wc->cbSize != sizeof(WNDCLASSEXA)) return 0;
  return Register(*wc, false);
}

ATOM RegisterClassA(const WNDCLASSA* wc) {
  if (!wc) return 0;
  WNDCLASSEXA ex;
  ex.style = wc->style;
  ex.lpfnWndProc = wc->lpfnWndProc;
  ex.cbClsExtra = wc->cbClsExtra;
  ex.cbWndExtra = wc->cbWndExtra;
  ex.hInstance = wc->hInstance;
  ex.hIcon = wc->hIcon;
  ex.hCursor = wc->hCursor;
  ex.hbrBackground = wc->hbrBackground;
  ex.lpszMenuName = wc->lpszMenuName;
  ex.lpszClassName = wc->lpszClassName;
  return Register(ex, false);
}

BOOL UnregisterClassA(const char* className, HINSTANCE) {
  TWndClassRec* c = FindClassRec(className);
  if (!c || c->System) return FALSE;
  for (TWindow* w : AllWindows())
    if (w->Class == c) return FALSE;
  std::erase_if(Registry().Classes, [c](const std::unique_ptr<TWndClassRec>& p) { return p.get() == c; });
  return TRUE;
}

BOOL GetClassInfoExA(HINSTANCE, const char* className, WNDCLASSEXA* wc) {
  TWndClassRec* c = FindClassRec(className);
  if (!c || !wc) return FALSE;
  FillInfo(*c, wc);
  return c->Atom;
}

BOOL GetClassInfoA(HINSTANCE instance, const char* className, WNDCLASSA* wc) {
  WNDCLASSEXA ex;
  if (!wc || !GetClassInfoExA(instance, className, &ex)) return FALSE;
  wc->style = ex.style;
  wc->lpfnWndProc = ex.lpfnWndProc;
  wc->cbClsExtra = ex.cbClsExtra;
  wc->cbWndExtra = ex.cbWndExtra;
  wc->hInstance = ex.hInstance;
  wc->hIcon = ex.hIcon;
  wc->hCursor = ex.hCursor;
  wc->hbrBackground = ex.hbrBackground;
  wc->lpszMenuName = ex.lpszMenuName;
  wc->lpszClassName = ex.lpszClassName;
  return TRUE;
}

int GetClassNameA(HWND hwnd, char* buffer, int size) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || !buffer || size <= 0 || !w->Class) return 0;
  int n = std::min(static_cast<int>(w->Class->Name.size()), size - 1);
  std::memcpy(buffer, w->Class->Name.data(), static_cast<size_t>(n));
  buffer[n] = 0;
  return n;
}

ULONG_PTR GetClassLongPtrA(HWND hwnd, int index) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || !w->Class) return 0;
  TWndClassRec* c = w->Class;
  switch (index) {
    case GCLP_HBRBACKGROUND: return reinterpret_cast<ULONG_PTR>(c->Background);
    case GCLP_HCURSOR: return reinterpret_cast<ULONG_PTR>(c->Cursor);
    case GCLP_HICON: return reinterpret_cast<ULONG_PTR>(c->Icon);
    case GCLP_HICONSM: return reinterpret_cast<ULONG_PTR>(c->IconSm);
    case GCLP_HMODULE: return reinterpret_cast<ULONG_PTR>(c->Instance);
    case GCL_CBWNDEXTRA: return static_cast<ULONG_PTR>(c->WndExtra);
    case GCL_CBCLSEXTRA: return c->ClassExtra.size();
    case GCLP_WNDPROC: return reinterpret_cast<ULONG_PTR>(c->Proc);
    case GCL_STYLE: return c->Style;
    case GCW_ATOM: return c->Atom;
    default:
      if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG_PTR) <= c->ClassExtra.size()) {
        LONG_PTR v;
        std::memcpy(&v, c->ClassExtra.data() + index, sizeof v);
        return static_cast<ULONG_PTR>(v);
      }
      return 0;
  }
}

ULONG_PTR SetClassLongPtrA(HWND hwnd, int index, LONG_PTR value) {
  TWindow* w = FindWindowRec(hwnd);
  if (!w || !w->Class) return 0;
  TWndClassRec* c = w->Class;
  ULONG_PTR old = GetClassLongPtrA(hwnd, index);
  switch (index) {
    case GCLP_HBRBACKGROUND: c->Background = reinterpret_cast<HBRUSH>(value); break;
    case GCLP_HCURSOR: c->Cursor = reinterpret_cast<HCURSOR>(value); break;
    case GCLP_HICON: c->Icon = reinterpret_cast<HICON>(value); break;
    case GCLP_HICONSM: c->IconSm = reinterpret_cast<HICON>(value); break;
    case GCLP_WNDPROC: c->Proc = reinterpret_cast<WNDPROC>(value); break;
    case GCL_STYLE: c->Style = static_cast<UINT>(value); break;
    default:
      if (index >= 0 && static_cast<size_t>(index) + sizeof(LONG_PTR) <= c->ClassExtra.size())
        std::memcpy(c->ClassExtra.data() + index, &value, sizeof value);
      else
        return 0;
  }
  return old;
}

}  // namespace WinClasses

namespace WinInternals {

TWndClassRec* FindClassRec(const char* name) {
  if (!name) return nullptr;
  EnsureStandard();
  for (auto& c : Registry().Classes) {
    if (IsAtomArgument(name) ? c->Atom == static_cast<ATOM>(reinterpret_cast<uintptr_t>(name))
                             : SameName(c->Name, name))
      return c.get();
  }
  return nullptr;
}

ATOM RegisterSystemClass(const WNDCLASSEXA& wc) { return Register(wc, true); }

void ResetClasses() {
  std::erase_if(Registry().Classes, [](const std::unique_ptr<TWndClassRec>& c) { return !c->System; });
}

}  // namespace WinInternals
