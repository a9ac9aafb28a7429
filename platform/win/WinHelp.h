// Help requests: the record WM_HELP carries (F1 asks the focused window, or the active one) and the
// help commands that place and show a context popup.
#pragma once

#include "WinDef.h"

namespace WinHelp {

constexpr int HELPINFO_WINDOW = 0x0001, HELPINFO_MENUITEM = 0x0002;

// The record of WM_HELP (its lParam): what the help is asked about and where the mouse was.
struct HELPINFO {
  UINT cbSize = sizeof(HELPINFO);
  int iContextType = HELPINFO_WINDOW;
  int iCtrlId = 0;
  HANDLE hItemHandle = nullptr;
  DWORD_PTR dwContextId = 0;
  POINT MousePos{};
};

// Help commands beside HELP_CONTEXT: show a topic in a popup window, and place the next popup (the
// data packs x in its low word and y in its high word).
constexpr unsigned short HELP_CONTEXTPOPUP = 0x0008, HELP_SETPOPUP_POS = 0x000D;

}  // namespace WinHelp

using namespace WinHelp;
