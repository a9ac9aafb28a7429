#include "cxDWMApi.h"

#include "SysInfo.h"

namespace cxDWMApi {

namespace {

enum TEntry {
  eDwmDefWindowProc, eDwmEnableBlurBehindWindow, eDwmEnableComposition, eDwmEnableMMCSS,
  eDwmExtendFrameIntoClientArea, eDwmGetColorizationColor, eDwmGetWindowAttribute, eDwmIsCompositionEnabled,
  eDwmSetWindowAttribute, eEntryCount
};

const char* const kNames[eEntryCount] = {
    "DwmDefWindowProc",       "DwmEnableBlurBehindWindow",    "DwmEnableComposition",
    "DwmEnableMMCSS",         "DwmExtendFrameIntoClientArea", "DwmGetColorizationColor",
    "DwmGetWindowAttribute",  "DwmIsCompositionEnabled",      "DwmSetWindowAttribute"};

HMODULE FLibrary = nullptr;
FARPROC FEntries[eEntryCount] = {};

}  // namespace

bool IsDwmPresent() { return FLibrary != nullptr; }

bool IsCompositionEnabled() {
  if (!IsDwmPresent() || !FEntries[eDwmIsCompositionEnabled]) return false;
  BOOL enabled = FALSE;
  reinterpret_cast<HRESULT (*)(BOOL*)>(reinterpret_cast<void (*)()>(FEntries[eDwmIsCompositionEnabled]))(&enabled);
  return enabled != FALSE;
}

void cxDWMApiInitialization() {
  SysInfo::OSVERSIONINFO version{};
  version.dwOSVersionInfoSize = sizeof version;
  SysInfo::GetVersionEx(&version);
  if (version.dwMajorVersion <= 5) return;
  FLibrary = SysInfo::LoadLibrary("dwmapi.dll");
  if (!FLibrary) return;
  for (int i = 0; i < eEntryCount; ++i) FEntries[i] = SysInfo::GetProcAddress(FLibrary, kNames[i]);
}

void cxDWMApiFinalization() {
  if (FLibrary) SysInfo::FreeLibrary(FLibrary);
  FLibrary = nullptr;
  for (FARPROC& entry : FEntries) entry = nullptr;
}

}  // namespace cxDWMApi
