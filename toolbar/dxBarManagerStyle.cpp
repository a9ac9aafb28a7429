// The bar manager's look: the paint style in effect, the painter class that draws it, the making
// of the manager's painter and the brushes of the flat and themed looks.
#include "WinGdi.h"
#include "cxLookAndFeels.h"
#include "dxBarHelpers.h"
#include "dxOffice11.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"
#include "dxBarUnit.h"
#include "dxThemeManager.h"

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

TClass TdxBarManager::GetPainterClass() { return dxBarPainterClassOfPaintStyle(GetRealPaintStyle()); }

void TdxBarManager::InitPainter() {
  FThemeAvailable = AreVisualStylesAvailable(TdxThemedObjectTypes{totComboBox, totEdit, totProgress, totRebar,
                                                                  totScrollBar, totSpin, totStatus, totToolBar,
                                                                  totWindow});
  FreeAndNil(FDefaultPainter);
  FDefaultPainter = TdxBarPainter::CreatePainter(
      GetPainterClass(), reinterpret_cast<NativeInt>(FLookAndFeel->GetSkinPainter().Class()));
}

void TdxBarManager::InternalStyleChanged() {
  const bool wasChanging = FChangingStyle;
  FChangingStyle = true;
  try {
    InitPainter();
    ResetBackgrounds();
  } catch (...) {
    FChangingStyle = wasChanging;
    throw;
  }
  FChangingStyle = wasChanging;
}

void TdxBarManager::SetStyle(TdxBarManagerStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  InternalStyleChanged();
}

void TdxBarManager::SetNotDocking(TdxBarDockingStyles Value) {
  if (FNotDocking == Value) return;
  FNotDocking = Value;
  InternalStyleChanged();
}

void TdxBarManager::ThemeChanged() {
  RecreateToolbarsBrushes();
  InternalStyleChanged();
}

void TdxBarManager::LFChanged() {
  if (!GetIsDestroying()) InternalStyleChanged();
}

void TdxBarManager::GetRealLookAndFeel(TcxLookAndFeel* ALookAndFeel) {
  ALookAndFeel->Reset();
  ALookAndFeel->SetSkinName(String());
  switch (GetRealPaintStyle()) {
    case rpsStandard:
    case rpsEnhanced: ALookAndFeel->SetKind(lfFlat); break;
    case rpsFlat: ALookAndFeel->SetKind(lfUltraFlat); break;
    case rpsXP: ALookAndFeel->SetNativeStyle(true); break;
    case rpsOffice11: ALookAndFeel->SetKind(lfOffice11); break;
    case rpsSkin: ALookAndFeel->Assign(FLookAndFeel); break;
  }
}

// The dock and bar windows keep cached backgrounds of their own, dropped here when they exist.
void TdxBarManager::ResetBackgrounds() {}

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

// ---- Brushes ----------------------------------------------------------------------------------------------
// The painters' class operations read the brushes without a manager, so one set serves every manager: it
// is made from the system colours by the first manager and freed with the last.
namespace {
TdxBarToolbarsBrushes Brushes;
Integer FlatBrushesUsers = 0;
Integer ThemeBrushUsers = 0;

void FreeBrush(HBRUSH& ABrush) {
  if (ABrush) DeleteObject(ABrush);
  ABrush = nullptr;
}
void FreeFlatBrushes() {
  for (HBRUSH* brush : {&Brushes.Border, &Brushes.Face, &Brushes.Downed, &Brushes.DownedSel, &Brushes.Selected})
    FreeBrush(*brush);
}
void MakeFlatBrushes(TdxBarManager* AManager) {
  FreeFlatBrushes();
  Brushes.Border = CreateSolidBrush(ColorToRGB(AManager->GetFlatToolbarsBorderColor()));
  Brushes.Face = CreateSolidBrush(ColorToRGB(AManager->GetFlatToolbarsColor()));
  Brushes.Downed = CreateSolidBrush(ColorToRGB(AManager->GetFlatToolbarsDownedColor()));
  Brushes.DownedSel = CreateSolidBrush(ColorToRGB(AManager->GetFlatToolbarsDownedSelColor()));
  Brushes.Selected = CreateSolidBrush(ColorToRGB(AManager->GetFlatToolbarsSelColor()));
}
void MakeThemeBrush() {
  FreeBrush(Brushes.Theme);
  if (AreVisualStylesAvailable(totToolBar)) Brushes.Theme = CreateSolidBrush(ColorToRGB(GetToolbarColor()));
}
}  // namespace

const TdxBarToolbarsBrushes& dxBarToolbarsBrushes() { return Brushes; }

void TdxBarManager::CreateFlatToolbarsBrushes() {
  if (FlatBrushesUsers++ == 0) MakeFlatBrushes(this);
}
void TdxBarManager::DestroyFlatToolbarsBrushes() {
  if (FlatBrushesUsers > 0 && --FlatBrushesUsers == 0) FreeFlatBrushes();
}
void TdxBarManager::CreateThemeToolbarsBrushes() {
  if (ThemeBrushUsers++ == 0) MakeThemeBrush();
}
void TdxBarManager::DestroyThemeToolbarsBrushes() {
  if (ThemeBrushUsers > 0 && --ThemeBrushUsers == 0) FreeBrush(Brushes.Theme);
}

void TdxBarManager::CreateToolbarsBrushes() {
  CreateFlatToolbarsBrushes();
  CreateThemeToolbarsBrushes();
  dxOffice11::CreateOffice11Colors();
  ResetBackgrounds();
}

// The system colours or the visual style changed: every manager's brushes follow.
void TdxBarManager::RecreateToolbarsBrushes() {
  MakeFlatBrushes(this);
  MakeThemeBrush();
  dxOffice11::RefreshOffice11Colors();
  ResetBackgrounds();
}

void TdxBarManager::DestroyToolbarsBrushes() {
  DestroyFlatToolbarsBrushes();
  DestroyThemeToolbarsBrushes();
  dxOffice11::ReleaseOffice11Colors();
}

}  // namespace dxBar
