// The notification-area icons of the program.
#include "WinTray.h"

#include <cstring>

#include "WinBackend.h"
#include "WinInternals.h"
#include "WinQueue.h"

namespace WinTray {

namespace {

std::vector<TTrayIconState>& Icons() {
  static std::vector<TTrayIconState> i;
  return i;
}

TTrayIconState* Find(HWND hwnd, UINT id) {
  for (TTrayIconState& t : Icons())
    if (t.Window == hwnd && t.Id == id) return &t;
  return nullptr;
}

void Apply(TTrayIconState& t, const NOTIFYICONDATAA& d) {
  if (d.uFlags & NIF_MESSAGE) t.CallbackMessage = d.uCallbackMessage;
  if (d.uFlags & NIF_ICON) t.Icon = d.hIcon;
  if (d.uFlags & NIF_TIP) t.Tip = String(d.szTip, strnlen(d.szTip, sizeof d.szTip));
}

}  // namespace

BOOL Shell_NotifyIconA(DWORD message, const NOTIFYICONDATAA* d) {
  if (!d || d->cbSize < sizeof(NOTIFYICONDATAA)) return FALSE;
  TTrayIconState* t = Find(d->hWnd, d->uID);
  switch (message) {
    case NIM_ADD: {
      if (t || !FindWindowRec(d->hWnd)) return FALSE;
      TTrayIconState fresh;
      fresh.Window = d->hWnd;
      fresh.Id = d->uID;
      Apply(fresh, *d);
      Icons().push_back(fresh);
      return Backend().TrayIconSet(fresh.Window, fresh.Id, fresh.CallbackMessage, fresh.Icon, fresh.Tip);
    }
    case NIM_MODIFY:
      if (!t) return FALSE;
      Apply(*t, *d);
      return Backend().TrayIconSet(t->Window, t->Id, t->CallbackMessage, t->Icon, t->Tip);
    case NIM_DELETE:
      if (!t) return FALSE;
      std::erase_if(Icons(), [&](const TTrayIconState& i) { return i.Window == d->hWnd && i.Id == d->uID; });
      Backend().TrayIconRemove(d->hWnd, d->uID);
      return TRUE;
    default: return FALSE;
  }
}

std::vector<TTrayIconState> TrayIcons() {
  // Icons of windows that are gone go with them.
  std::erase_if(Icons(), [](const TTrayIconState& i) { return !FindWindowRec(i.Window); });
  return Icons();
}

bool ReportTrayMouse(HWND window, UINT id, UINT mouseMessage) {
  TTrayIconState* t = Find(window, id);
  if (!t || !t->CallbackMessage || !FindWindowRec(window)) return false;
  return PostMessageA(window, t->CallbackMessage, id, static_cast<LPARAM>(mouseMessage)) != FALSE;
}

}  // namespace WinTray
