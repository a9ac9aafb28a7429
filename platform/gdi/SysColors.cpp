// The system colours of the desktop the forms were designed on, and their stock brushes.
#include <mutex>

#include "GdiObjects.h"
#include "WinUserDraw.h"

namespace {

constexpr int kColorCount = COLOR_ENDCOLORS + 1;

constexpr COLORREF kDefaultColors[kColorCount] = {
    RGB(212, 208, 200),  // COLOR_SCROLLBAR
    RGB(0, 78, 152),     // COLOR_BACKGROUND
    RGB(0, 84, 227),     // COLOR_ACTIVECAPTION
    RGB(122, 150, 223),  // COLOR_INACTIVECAPTION
    RGB(255, 255, 255),  // COLOR_MENU
    RGB(255, 255, 255),  // COLOR_WINDOW
    RGB(0, 0, 0),        // COLOR_WINDOWFRAME
    RGB(0, 0, 0),        // COLOR_MENUTEXT
    RGB(0, 0, 0),        // COLOR_WINDOWTEXT
    RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
    RGB(212, 208, 200),  // COLOR_ACTIVEBORDER
    RGB(212, 208, 200),  // COLOR_INACTIVEBORDER
    RGB(128, 128, 128),  // COLOR_APPWORKSPACE
    RGB(49, 106, 197),   // COLOR_HIGHLIGHT
    RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    RGB(236, 233, 216),  // COLOR_BTNFACE
    RGB(172, 168, 153),  // COLOR_BTNSHADOW
    RGB(172, 168, 153),  // COLOR_GRAYTEXT
    RGB(0, 0, 0),        // COLOR_BTNTEXT
    RGB(216, 228, 248),  // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    RGB(113, 111, 100),  // COLOR_3DDKSHADOW
    RGB(241, 239, 226),  // COLOR_3DLIGHT
    RGB(0, 0, 0),        // COLOR_INFOTEXT
    RGB(255, 255, 225),  // COLOR_INFOBK
    RGB(181, 181, 181),  // (unused)
    RGB(0, 0, 128),      // COLOR_HOTLIGHT
    RGB(61, 149, 255),   // COLOR_GRADIENTACTIVECAPTION
    RGB(157, 185, 235),  // COLOR_GRADIENTINACTIVECAPTION
    RGB(49, 106, 197),   // COLOR_MENUHILIGHT
    RGB(236, 233, 216),  // COLOR_MENUBAR
};

COLORREF gColors[kColorCount] = {};
bool gColorsSet = false;

COLORREF* Colors() {
  if (!gColorsSet) {
    for (int i = 0; i < kColorCount; ++i) gColors[i] = kDefaultColors[i];
    gColorsSet = true;
  }
  return gColors;
}

}  // namespace

namespace WinUserDraw {

DWORD GetSysColor(int index) {
  if (index < 0 || index >= kColorCount) return 0;
  return Colors()[index];
}

HBRUSH GetSysColorBrush(int index) {
  static TBrushObj** brushes = [] {
    auto** b = new TBrushObj*[kColorCount];
    for (int i = 0; i < kColorCount; ++i) {
      b[i] = new TBrushObj();
      b[i]->SysColor = i;
      b[i]->Stock = true;
      Register(b[i]);
    }
    return b;
  }();
  if (index < 0 || index >= kColorCount) return nullptr;
  return reinterpret_cast<HBRUSH>(brushes[index]);
}

namespace {
void (*gNotifier)() = nullptr;
void Notify() {
  if (gNotifier) gNotifier();
}
}  // namespace

BOOL SetSysColors(int count, const INT* indexes, const COLORREF* colors) {
  if (count < 0 || (count > 0 && (!indexes || !colors))) return FALSE;
  for (int i = 0; i < count; ++i)
    if (indexes[i] >= 0 && indexes[i] < kColorCount) Colors()[indexes[i]] = colors[i] & 0x00FFFFFF;
  Notify();
  return TRUE;
}

void ResetSysColors() {
  if (!gColorsSet) return;
  gColorsSet = false;
  Notify();
}

void SetSysColorsNotifier(void (*notifier)()) { gNotifier = notifier; }

}  // namespace WinUserDraw
