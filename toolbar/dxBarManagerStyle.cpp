// The bar manager's look: the paint style in effect, the painter class that draws it and the making
// of the manager's painter.
#include "WinGdi.h"
#include "cxLookAndFeels.h"
#include "dxOffice11.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"
#include "dxBarUnit.h"

namespace dxBar {

using namespace cxLookAndFeels;

TClass dxBarPainterClassOfPaintStyle(TdxBarRealPaintStyle AStyle) {
  switch (AStyle) {
    case rpsStandard: return TdxBarStandardPainter::StaticClass();
    case rpsEnhanced: return TdxBarEnhancedPainter::StaticClass();
    case rpsFlat: return TdxBarFlatPainter::StaticClass();
    case rpsXP: return TdxBarXPPainter::StaticClass();
    case rpsOffice11: return TdxBarOffice11Painter::StaticClass();
    case rpsSkin: return dxBarSkinPainterClass;
  }
  return TdxBarStandardPainter::StaticClass();
}

namespace {
// The look-and-feel kinds in the order of their enumeration: flat, standard, ultra flat, Office 2003.
constexpr TdxBarRealPaintStyle kRealStyleOfKind[] = {rpsEnhanced, rpsStandard, rpsFlat, rpsOffice11};
constexpr TdxBarManagerStyle kStyleOfKind[] = {bmsEnhanced, bmsStandard, bmsFlat, bmsOffice11};
}  // namespace

TdxBarRealPaintStyle TdxBarManager::GetRealPaintStyle() {
  switch (FStyle) {
    case bmsStandard: return rpsStandard;
    case bmsEnhanced: return rpsEnhanced;
    case bmsFlat: return rpsFlat;
    case bmsOffice11: return rpsOffice11;
    case bmsXP: return FThemeAvailable ? rpsXP : rpsEnhanced;
    case bmsUseLookAndFeel:
      if (FLookAndFeel->GetNativeStyle() && FThemeAvailable) return rpsXP;
      if (FLookAndFeel->GetSkinPainter()) return rpsSkin;
      return kRealStyleOfKind[FLookAndFeel->GetKind()];
  }
  return rpsEnhanced;
}

TdxBarManagerStyle TdxBarManager::GetPaintStyle() {
  if (FStyle != bmsUseLookAndFeel) return FStyle;
  if (FLookAndFeel->GetNativeStyle() && FThemeAvailable) return bmsXP;
  return kStyleOfKind[FLookAndFeel->GetKind()];
}

TClass TdxBarManager::InternalGetPainterClass() { return FDefaultPainter ? FDefaultPainter->ClassType() : nullptr; }

// ---- Flat colours ---------------------------------------------------------------------------------------
// The flat look's colours, derived from the system colours and snapped to what the screen can show.
namespace {
COLORREF MapChannels(TColor AColor, Integer (*AMap)(Integer)) {
  const COLORREF c = ColorToRGB(AColor);
  return RGB(AMap(GetRValue(c)), AMap(GetGValue(c)), AMap(GetBValue(c)));
}
}  // namespace

TColor TdxBarManager::GetFlatToolbarsBorderColor() {
  return dxOffice11::GetRealColor(MapChannels(clBtnShadow, [](Integer c) { return c * 8 / 10; }));
}
TColor TdxBarManager::GetFlatToolbarsColor() {
  return dxOffice11::GetRealColor(MapChannels(clBtnFace, [](Integer c) { return c + (255 - c) * 16 / 100; }));
}
TColor TdxBarManager::GetFlatToolbarsDownedColor() { return GetLightColor(11, 9, 73); }
TColor TdxBarManager::GetFlatToolbarsDownedSelColor() { return GetLightColor(14, 44, 40); }
TColor TdxBarManager::GetFlatToolbarsSelColor() { return GetLightColor(-2, 30, 72); }
TColor TdxBarManager::GetLightColor(Integer APart1, Integer APart2, Integer APart3) {
  return dxOffice11::GetRealColor(dxOffice11::GetLightColor(APart1, APart2, APart3));
}

}  // namespace dxBar
