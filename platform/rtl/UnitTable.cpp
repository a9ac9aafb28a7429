// The start-up order of every unit of the program that has initialisation or finalisation code.
// A unit follows the units it builds on: the platform layers first, then the foundation's geometry,
// theme, theme-manager, Office 2003, class and graphics units; the look-and-feel painters, scroll
// bar, base controls and look-and-feel settings; the text, date and format services; the editor
// units with the container unit and the storage, filter and data-controller units; the grid family;
// the accessibility unit and the toolbar units with the style unit; the page-control units; and the
// application's form units last. Add a unit at its place when it gains start-up code.
#include "FormatSettings.h"
#include "Units.h"

namespace Units {

const std::vector<String>& StartupOrder() {
  static const std::vector<String> order = {
      // platform/rtl
      "SysLocale",
      "SysUtils",
      "Classes",
      // platform/win: the visual-styles services and the calls looked up in USER32
      "UxTheme",
      "User32",
      // platform/classlib
      "Forms",
      // framework/foundation
      "cxGeometry",
      "dxUxTheme",
      "cxDWMApi",
      "dxThemeManager",
      "dxOffice11",
      "cxClasses",
      "cxGraphics",
      // framework/controls
      "cxLookAndFeelPainters",
      "cxControls",
      "cxLookAndFeels",
      // framework/foundation: the date and format services
      "cxDateUtils",
      "cxFormats",
      // framework/controls: the container unit, among the editor units
      "cxContainer",
      // framework/editors
      "cxEditPaintUtils",
      "cxEditUtils",
      "cxEdit",
      "cxTextEdit",
      "cxMaskEdit",
      "cxDropDownEdit",
      "cxButtons",
      "cxLabel",
      "cxCheckBox",
      // framework/data
      "cxFilterConsts",
      "cxDataStorage",
      "cxFilterControlUtils",
      // grid/foundation
      "TSCommon",
      "Tsmbcs",
      "Tsglib",
      // grid/control
      "TSGrid",
      // grid/databound
      "TSDBGrid",
      // framework/controls: the accessibility and style units, with the toolbar units
      "cxAccessibility",
      "cxStyles",
      "dxBar",
      // framework/pagecontrol
      "cxPC",
      "cxPCPaintersFactory",
      "cxPCPainters",
  };
  return order;
}

void RegisterUnits_platform_rtl() {
  RegisterUnit("SysLocale", &SysFormat::InitSysLocale, nullptr);
}

}  // namespace Units
