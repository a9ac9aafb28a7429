// The theme manager: one cached theme handle per kind of themed object, opened on first use with a
// default class name (or the class list once given), all closed when the system theme changes, and
// the subscribers told of the change.
#pragma once

#include "Closures.h"
#include "System.h"
#include "dxUxTheme.h"

namespace dxThemeManager {

enum TdxThemedObjectType {
  totButton, totClock, totComboBox, totEdit, totExplorerBar, totHeader, totListBox, totListView, totMenu, totPage,
  totProgress, totRebar, totScrollBar, totSpin, totStartPanel, totStatus, totTab, totTaskBand, totTaskBar,
  totToolBar, totToolTip, totTrackBar, totTrayNotify, totTreeview, totWindow
};
using TdxThemedObjectTypes = TSet<TdxThemedObjectType, 32>;
using TdxTheme = HTHEME;

struct TdxThemeData {
  TdxTheme Theme = nullptr;
  WideString ClassList;
};

using TdxThemeChangedEvent = TClosure<void()>;

// Subscribed while it lives (only when the theme library is loaded).
class TdxThemeChangedNotificator : public TObject {
  DECLARE_CLASS(TdxThemeChangedNotificator, TObject)
 public:
  TdxThemeChangedEvent OnThemeChanged;
  void Construct() override;
  void Destroy() override;
};

// A handle for the type, 0 when visual styles are unavailable or the theme lacks the class.
TdxTheme OpenTheme(TdxThemedObjectType AThemedObjectType, const char16_t* AClassList = nullptr);
// 1 with visual styles unavailable; the library's answer for an open handle; 0 without one.
HRESULT CloseTheme(TdxThemedObjectType AThemedObjectType);
void CloseAllThemes();
bool AreVisualStylesAvailable(TdxThemedObjectType AThemedObjectType);
bool AreVisualStylesAvailable(const TdxThemedObjectTypes& AThemedObjectTypes = TdxThemedObjectTypes());
bool IsStandardTheme();
// The cache entry of a type (tests and diagnostics).
const TdxThemeData& GetThemeData(TdxThemedObjectType AThemedObjectType);

void dxThemeManagerInitialization();
void dxThemeManagerFinalization();

}  // namespace dxThemeManager

using namespace dxThemeManager;
