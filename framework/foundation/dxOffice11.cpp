// The Office 2003 colour set: scheme detection, the scheme table and the colours derived from the
// system colours, the brushes, the reference count, and the colour arithmetic.
#include "dxOffice11.h"

#include <algorithm>

#include "Exceptions.h"
#include "Graphics.h"
#include "Resources.h"
#include "RtlMath.h"
#include "SysInfo.h"
#include "WinUser.h"
#include "dxThemeManager.h"

namespace dxOffice11 {

COLORREF dxOffice11DockColor1, dxOffice11DockColor2, dxOffice11ToolbarsColor1, dxOffice11ToolbarsColor2;
COLORREF dxOffice11BarMarkColors1[3], dxOffice11BarMarkColors2[3], dxOffice11BarBorderColors[2],
    dxOffice11BarBorderMarkColors[6];
COLORREF dxOffice11BarFingerColor1, dxOffice11BarFingerColor2, dxOffice11BarSeparatorColor1,
    dxOffice11BarSeparatorColor2, dxOffice11BarMarkArrowColor1, dxOffice11BarMarkArrowColor2,
    dxOffice11BarFloatingBorderColor1, dxOffice11BarFloatingBorderColor2, dxOffice11BarFloatingBorderColor3,
    dxOffice11BarFloatingCaptionColor, dxOffice11BarFloatingCaptionTextColor1,
    dxOffice11BarFloatingCaptionTextColor2, dxOffice11BarFloatingCaptionTextColor3;
COLORREF dxOffice11MenuColor, dxOffice11MenuDownedColor1, dxOffice11MenuDownedColor2, dxOffice11MenuIndentColor1,
    dxOffice11MenuIndentColor2, dxOffice11MenuNonRecentIndentColor1, dxOffice11MenuNonRecentIndentColor2,
    dxOffice11DropDownBorderColor1, dxOffice11DropDownBorderColor2;
COLORREF dxOffice11ToolbarSelectedColor, dxOffice11SelectedBorderColor, dxOffice11SelectedColor1,
    dxOffice11SelectedColor2, dxOffice11SelectedDownColor1, dxOffice11SelectedDownColor2,
    dxOffice11OwnerControlDownedColor, dxOffice11DownedColor, dxOffice11DownedSelectedColor,
    dxOffice11DetachableColor, dxOffice11DetachableSelectedColor;
COLORREF dxOffice11TextEnabledColor, dxOffice11TextDisabledColor, dxOffice11StaticBorderColor,
    dxOffice11DateHeaderColor, dxOffice11InPlaceSubItemColor, dxOffice11InPlaceSubItemTextColor,
    dxOffice11ControlBorderColor, dxOffice11GroupColor, dxOffice11DayNavigatorSelectedColor,
    dxOffice11OutlookBorderColor, dxOffice11OutlookControlColor, dxOffice11GroupIndentColor,
    dxOffice11GroupRowTextColor, dxOffice11GroupRowSeparatorColor;
COLORREF dxOffice11NavPaneBorder, dxOffice11NavPaneGroupCaptionColor1, dxOffice11NavPaneGroupCaptionColor2,
    dxOffice11NavPaneGroupCaptionHotColor1, dxOffice11NavPaneGroupCaptionHotColor2,
    dxOffice11NavPaneGroupCaptionPressedColor1, dxOffice11NavPaneGroupCaptionPressedColor2,
    dxOffice11NavPaneGroupCaptionPressedHotColor1, dxOffice11NavPaneGroupCaptionPressedHotColor2,
    dxOffice11NavPaneHeaderColor1, dxOffice11NavPaneHeaderColor2, dxOffice11NavPaneHeaderFontColor,
    dxOffice11NavPaneSplitterColor1, dxOffice11NavPaneSplitterColor2;
COLORREF dxOffice11ExpandButtonColor1, dxOffice11ExpandButtonColor2;

HBRUSH dxOffice11BarFingerBrush1, dxOffice11BarFingerBrush2, dxOffice11BarSeparatorBrush1,
    dxOffice11BarSeparatorBrush2, dxOffice11MenuBrush, dxOffice11DropDownBorderBrush1,
    dxOffice11DropDownBorderBrush2, dxOffice11SelectedBorderBrush, dxOffice11ToolbarSelectedBrush,
    dxOffice11OwnerControlDownedBrush, dxOffice11DownedBrush, dxOffice11DownedSelectedBrush,
    dxOffice11DetachableBrush, dxOffice11DetachableSelectedBrush, dxOffice11StaticBorderBrush,
    dxOffice11InPlaceSubItemBrush;
TBitmap *dxOffice11SubMenuExpandBitmap, *dxOffice11ExpandButtonBitmap1, *dxOffice11ExpandButtonBitmap2;

namespace {

TOffice11Scheme FScheme = schUnknown;
bool FIsXPStandardScheme = false;
int FTubePercent = 75;
int FReferenceCount = 0;
TdxThemeChangedNotificator* FThemeListener = nullptr;

// The 49 colours of each scheme, in field order; a zero entry of the olive and silver rows takes the
// blue row's value (the table gives one value for all three there).
constexpr COLORREF kSame = 0xFFFFFFFF;
const COLORREF kSchemeColors[3][49] = {
    {0xFEECDD, 0xE2A981, 0xF5BE9E, 0xF9DAC3, 0x913500, 0xF1A675, 0x76C1FF, 0xD3F8FF, 0x98DDFF, 0x5295FE,
     0x9C613B, 0xE0A47B, 0x764127, 0xFFFFFF, 0xCB8C6A, 0xFFF9F1, 0xC9662A, 0xF9DBC4, 0x962D00, 0xF6F6F6,
     0xC2EEFF, 0x800000, 0xCCF4FF, 0x91D0FF, 0x8ED3FF, 0x4E91FE, 0xFCE1CB, 0x6FC0FF, 0x3E80FE, 0xF0C7A9,
     0x000000, 0x8D8D8D, 0xFBDABE, 0x94E6FB, 0xFADAC4, 0x962D00, 0xB96837, 0x962D00, 0xFBE5D3, 0xE4AE88,
     0xDCFFFF, 0x5BC0F7, 0x94E6FB, 0x1595EE, 0x087FE8, 0x7CDAF7, 0xD68759, 0x933803, 0xFFFFFF},
    {0xDEF7F4, 0x91C6B7, 0xA7D9D9, 0xE4F0F2, 0x6B7760, 0x8CC2B0, kSame, kSame, kSame, kSame,
     0x588060, 0x8FC4B5, 0x335E51, kSame, 0x588060, 0xDEF7F4, 0x5E8674, 0xADDEE1, 0x5E8D75, 0xEEF4F4,
     kSame, 0x385D3F, kSame, kSame, kSame, kSame, 0xB6E3D8, kSame, kSame, 0x9FD4C5,
     kSame, kSame, 0x91BAAF, kSame, 0xE4F1F2, 0x588060, 0x548973, 0x5E8D75, 0xDBF5F2, 0x97C9BC,
     kSame, kSame, kSame, kSame, kSame, kSame, 0x82C0AF, 0x447A63, kSame},
    {0xFAF4F3, 0xB59799, 0xE5D7D7, 0xF7F3F3, 0x927476, 0xC8B2B3, kSame, kSame, kSame, kSame,
     0x947C7C, 0xB09193, 0x755454, kSame, 0x8F6D6E, 0xFFFFFF, 0x99797A, 0xE4DADB, 0x947C7C, 0xFFFAFD,
     kSame, 0x6F4B4B, kSame, kSame, kSame, kSame, 0xE7D3D6, kSame, kSame, 0xD3C0C0,
     kSame, kSame, 0xEBE5E5, kSame, 0xF7F3F3, 0x947C7C, 0x916F70, 0x947C7C, 0xF8F1F0, 0xBA9EA0,
     kSame, kSame, kSame, kSame, kSame, kSame, 0xBFA7A8, 0x916F70, kSame}};

COLORREF* const kSchemeFields[49] = {
    &dxOffice11ToolbarsColor1, &dxOffice11ToolbarsColor2, &dxOffice11DockColor1, &dxOffice11DockColor2,
    &dxOffice11BarMarkColors2[0], &dxOffice11BarMarkColors1[0], &dxOffice11BarMarkColors2[1],
    &dxOffice11BarMarkColors1[1], &dxOffice11BarMarkColors2[2], &dxOffice11BarMarkColors1[2],
    &dxOffice11BarBorderColors[0], &dxOffice11BarBorderColors[1], &dxOffice11BarFingerColor1,
    &dxOffice11BarFingerColor2, &dxOffice11BarSeparatorColor1, &dxOffice11BarSeparatorColor2,
    &dxOffice11BarFloatingBorderColor1, &dxOffice11BarFloatingBorderColor2, &dxOffice11DropDownBorderColor1,
    &dxOffice11MenuColor, &dxOffice11ToolbarSelectedColor, &dxOffice11SelectedBorderColor,
    &dxOffice11SelectedColor1, &dxOffice11SelectedColor2, &dxOffice11SelectedDownColor1,
    &dxOffice11SelectedDownColor2, &dxOffice11OwnerControlDownedColor, &dxOffice11DownedColor,
    &dxOffice11DownedSelectedColor, &dxOffice11DetachableColor, &dxOffice11TextEnabledColor,
    &dxOffice11TextDisabledColor, &dxOffice11GroupColor, &dxOffice11DayNavigatorSelectedColor,
    &dxOffice11OutlookControlColor, &dxOffice11OutlookBorderColor, &dxOffice11GroupRowTextColor,
    &dxOffice11NavPaneBorder, &dxOffice11NavPaneGroupCaptionColor1, &dxOffice11NavPaneGroupCaptionColor2,
    &dxOffice11NavPaneGroupCaptionHotColor1, &dxOffice11NavPaneGroupCaptionHotColor2,
    &dxOffice11NavPaneGroupCaptionPressedColor1, &dxOffice11NavPaneGroupCaptionPressedColor2,
    &dxOffice11NavPaneGroupCaptionPressedHotColor1, &dxOffice11NavPaneGroupCaptionPressedHotColor2,
    &dxOffice11NavPaneHeaderColor1, &dxOffice11NavPaneHeaderColor2, &dxOffice11NavPaneHeaderFontColor};

COLORREF Sys(int index) { return GetSysColor(index); }
COLORREF Resolve(COLORREF c) { return (c & 0x80000000u) ? GetSysColor(static_cast<int>(c & 0xFF)) : c & 0xFFFFFF; }

WideString Upper16(const char16_t* s) {
  WideString r(s);
  for (char16_t& c : r)
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
  return r;
}

TOffice11Scheme DetectScheme() {
  if (!AreVisualStylesAvailable()) return schUnknown;
  char16_t file[1024] = {}, color[1024] = {}, size[1024] = {};
  if (dxUxTheme::GetCurrentThemeName(file, 1024, color, 1024, size, 1024) != S_OK) return schUnknown;
  WideString name = Upper16(file);
  size_t slash = name.find_last_of(u"\\/");
  if (slash != WideString::npos) name.erase(0, slash + 1);
  SysInfo::OSVERSIONINFO version{};
  version.dwOSVersionInfoSize = sizeof version;
  SysInfo::GetVersionEx(&version);
  if (name != u"LUNA.MSSTYLES" && version.dwMajorVersion <= 5) return schUnknown;
  WideString colorName = Upper16(color);
  if (colorName == u"NORMALCOLOR") return schNormalColor;
  if (colorName == u"HOMESTEAD") return schHomestead;
  if (colorName == u"METALLIC") return schMetallic;
  return schUnknown;
}

COLORREF MapChannels(COLORREF c, int (*f)(int)) { return RGB(f(GetRValue(c)), f(GetGValue(c)), f(GetBValue(c))); }

void ComputeSchemeColors(TOffice11Scheme scheme) {
  for (int i = 0; i < 49; ++i) {
    COLORREF v = kSchemeColors[scheme - 1][i];
    *kSchemeFields[i] = v == kSame ? kSchemeColors[0][i] : v;
  }
  for (int i = 0; i < 3; ++i) {
    dxOffice11BarBorderMarkColors[i] = GetMiddleRGB(dxOffice11BarMarkColors1[i], dxOffice11ToolbarsColor1, 90);
    dxOffice11BarBorderMarkColors[3 + i] = GetMiddleRGB(dxOffice11BarMarkColors2[i], dxOffice11BarBorderColors[1], 50);
  }
  dxOffice11BarMarkArrowColor1 = 0x000000;
  dxOffice11BarMarkArrowColor2 = 0xFFFFFF;
  dxOffice11BarFloatingCaptionTextColor1 = 0xFFFFFF;
  dxOffice11BarFloatingCaptionTextColor2 = dxOffice11BarFloatingCaptionTextColor3 = 0x000000;
  FTubePercent = scheme == schNormalColor ? 41 : scheme == schHomestead ? 125 : 40;
  dxOffice11GroupIndentColor = 0xC9EEFD;
  dxOffice11GroupRowSeparatorColor = dxOffice11BarBorderColors[1];
  dxOffice11NavPaneSplitterColor1 = dxOffice11NavPaneHeaderColor1;
  dxOffice11NavPaneSplitterColor2 = dxOffice11NavPaneHeaderColor2;
}

void ComputeSystemColors() {
  auto mid = GetMiddleRGB;
  auto light = [](int a, int b, int c) { return GetRealColor(GetLightColor(a, b, c)); };
  COLORREF face = Sys(COLOR_BTNFACE), window = Sys(COLOR_WINDOW), shadow = Sys(COLOR_BTNSHADOW);
  COLORREF text = Sys(COLOR_BTNTEXT);
  dxOffice11DockColor1 = face;
  dxOffice11DockColor2 = mid(face, window, 20);
  dxOffice11ToolbarsColor1 = mid(face, window, 22);
  dxOffice11ToolbarsColor2 = mid(face, window, 96);
  dxOffice11BarMarkColors2[0] = shadow;
  dxOffice11BarMarkColors1[0] = mid(shadow, window, 74);
  dxOffice11BarMarkColors1[1] = dxOffice11BarMarkColors2[1] = light(-15, 29, 86);
  dxOffice11BarMarkColors1[2] = dxOffice11BarMarkColors2[2] = light(42, 11, 47);
  dxOffice11BarBorderColors[0] = mid(face, window, 85);
  dxOffice11BarBorderColors[1] = face;
  for (int i = 0; i < 3; ++i) {
    dxOffice11BarBorderMarkColors[i] = mid(dxOffice11BarMarkColors2[i], window, 50);
    dxOffice11BarBorderMarkColors[3 + i] = mid(dxOffice11BarMarkColors2[i], dxOffice11BarBorderColors[1], 50);
  }
  dxOffice11BarFingerColor1 = mid(shadow, window, 76);
  dxOffice11BarFingerColor2 = window;
  dxOffice11BarSeparatorColor1 = mid(shadow, window, 70);
  dxOffice11BarSeparatorColor2 = 0xFFFFFF;
  dxOffice11BarMarkArrowColor1 = text;
  dxOffice11BarMarkArrowColor2 = window;
  dxOffice11BarFloatingBorderColor1 = shadow;
  dxOffice11BarFloatingBorderColor2 = dxOffice11ToolbarsColor2;
  dxOffice11BarFloatingCaptionTextColor1 = Sys(COLOR_BTNHIGHLIGHT);
  dxOffice11BarFloatingCaptionTextColor2 = dxOffice11BarFloatingCaptionTextColor3 = text;
  dxOffice11DropDownBorderColor1 = shadow;
  dxOffice11MenuColor = window;
  dxOffice11ToolbarSelectedColor = light(-2, 30, 72);
  dxOffice11SelectedBorderColor = Sys(COLOR_HIGHLIGHT);
  dxOffice11SelectedColor1 = dxOffice11SelectedColor2 = dxOffice11ToolbarSelectedColor;
  dxOffice11OwnerControlDownedColor = dxOffice11ToolbarsColor2;
  dxOffice11DownedColor = GetLightColor(41, 11, 48);
  dxOffice11DownedSelectedColor = light(14, 44, 40);
  dxOffice11SelectedDownColor1 = dxOffice11SelectedDownColor2 = dxOffice11DownedSelectedColor;
  dxOffice11DetachableColor = dxOffice11OwnerControlDownedColor;
  dxOffice11TextEnabledColor = text;
  dxOffice11TextDisabledColor = Sys(COLOR_GRAYTEXT);
  FTubePercent = 75;
  dxOffice11GroupColor = face;
  dxOffice11DayNavigatorSelectedColor = dxOffice11DownedColor;
  dxOffice11OutlookControlColor = dxOffice11DockColor1;
  dxOffice11OutlookBorderColor = dxOffice11DropDownBorderColor1;
  dxOffice11GroupIndentColor = face;
  dxOffice11GroupRowTextColor = shadow;
  dxOffice11GroupRowSeparatorColor = shadow;
  dxOffice11NavPaneBorder = GetRealColor(shadow);
  dxOffice11NavPaneGroupCaptionColor1 = GetRealColor(MapChannels(face, [](int v) { return v * 127 / 255 + 128; }));
  dxOffice11NavPaneGroupCaptionColor2 = GetRealColor(MapChannels(face, [](int v) { return (v - v * 4 / 255 + 4) % 256; }));
  dxOffice11NavPaneGroupCaptionHotColor1 = dxOffice11SelectedColor1;
  dxOffice11NavPaneGroupCaptionHotColor2 = dxOffice11SelectedColor2;
  dxOffice11NavPaneGroupCaptionPressedColor1 = dxOffice11NavPaneGroupCaptionPressedColor2 = dxOffice11DownedColor;
  dxOffice11NavPaneGroupCaptionPressedHotColor1 = dxOffice11NavPaneGroupCaptionPressedHotColor2 =
      dxOffice11DownedSelectedColor;
  dxOffice11NavPaneHeaderColor1 = dxOffice11NavPaneHeaderColor2 = dxOffice11NavPaneBorder;
  dxOffice11NavPaneHeaderFontColor = Sys(COLOR_HIGHLIGHTTEXT);
  dxOffice11NavPaneSplitterColor1 = GetRealColor(face);
  dxOffice11NavPaneSplitterColor2 = dxOffice11NavPaneBorder;
}

void ComputeColors() {
  FScheme = DetectScheme();
  FIsXPStandardScheme = AreVisualStylesAvailable() && FScheme != schUnknown;
  if (FScheme != schUnknown) ComputeSchemeColors(FScheme);
  else ComputeSystemColors();
  dxOffice11BarFloatingBorderColor3 = dxOffice11ToolbarsColor1;
  dxOffice11BarFloatingCaptionColor = dxOffice11BarFloatingBorderColor1;
  dxOffice11DropDownBorderColor2 = dxOffice11MenuColor;
  dxOffice11MenuDownedColor1 = dxOffice11ToolbarsColor1;
  dxOffice11MenuDownedColor2 = dxOffice11ToolbarsColor2;
  dxOffice11MenuIndentColor1 = dxOffice11ToolbarsColor1;
  dxOffice11MenuIndentColor2 = dxOffice11ToolbarsColor2;
  dxOffice11MenuNonRecentIndentColor1 = GetMiddleRGB(dxOffice11MenuIndentColor1, 0x000000, 92);
  dxOffice11MenuNonRecentIndentColor2 = GetMiddleRGB(dxOffice11MenuIndentColor2, 0x000000, 92);
  dxOffice11DetachableSelectedColor = dxOffice11ToolbarSelectedColor;
  dxOffice11StaticBorderColor = dxOffice11DropDownBorderColor1;
  dxOffice11DateHeaderColor = dxOffice11DockColor1;
  dxOffice11InPlaceSubItemColor = dxOffice11BarBorderMarkColors[3];
  dxOffice11InPlaceSubItemTextColor = dxOffice11BarFloatingCaptionTextColor1;
  dxOffice11ControlBorderColor = dxOffice11DropDownBorderColor1;
}

void CreateBrushes() {
  dxOffice11BarFingerBrush1 = CreateSolidBrush(dxOffice11BarFingerColor1);
  dxOffice11BarFingerBrush2 = CreateSolidBrush(dxOffice11BarFingerColor2);
  dxOffice11BarSeparatorBrush1 = CreateSolidBrush(dxOffice11BarSeparatorColor1);
  dxOffice11BarSeparatorBrush2 = CreateSolidBrush(dxOffice11BarSeparatorColor2);
  dxOffice11MenuBrush = CreateSolidBrush(dxOffice11MenuColor);
  dxOffice11DropDownBorderBrush1 = CreateSolidBrush(dxOffice11DropDownBorderColor1);
  dxOffice11DropDownBorderBrush2 = dxOffice11MenuBrush;
  dxOffice11SelectedBorderBrush = CreateSolidBrush(dxOffice11SelectedBorderColor);
  dxOffice11ToolbarSelectedBrush = CreateSolidBrush(dxOffice11ToolbarSelectedColor);
  dxOffice11OwnerControlDownedBrush = CreateSolidBrush(dxOffice11OwnerControlDownedColor);
  dxOffice11DownedBrush = CreateSolidBrush(dxOffice11DownedColor);
  dxOffice11DownedSelectedBrush = CreateSolidBrush(dxOffice11DownedSelectedColor);
  dxOffice11DetachableBrush = CreateSolidBrush(dxOffice11DetachableColor);
  dxOffice11DetachableSelectedBrush = dxOffice11ToolbarSelectedBrush;
  dxOffice11StaticBorderBrush = dxOffice11DropDownBorderBrush1;
  dxOffice11InPlaceSubItemBrush = CreateSolidBrush(dxOffice11InPlaceSubItemColor);
  dxOffice11ExpandButtonColor1 = 0xBFAE9E;
  dxOffice11ExpandButtonColor2 = 0x5F462E;
}

void DestroyBrushes() {
  // Shared handles are deleted once: the aliases are cleared without deleting.
  dxOffice11DropDownBorderBrush2 = dxOffice11DetachableSelectedBrush = dxOffice11StaticBorderBrush = nullptr;
  for (HBRUSH* b : {&dxOffice11BarFingerBrush1, &dxOffice11BarFingerBrush2, &dxOffice11BarSeparatorBrush1,
                    &dxOffice11BarSeparatorBrush2, &dxOffice11MenuBrush, &dxOffice11DropDownBorderBrush1,
                    &dxOffice11SelectedBorderBrush, &dxOffice11ToolbarSelectedBrush,
                    &dxOffice11OwnerControlDownedBrush, &dxOffice11DownedBrush, &dxOffice11DownedSelectedBrush,
                    &dxOffice11DetachableBrush, &dxOffice11InPlaceSubItemBrush}) {
    if (*b) DeleteObject(*b);
    *b = nullptr;
  }
}

TBitmap* LoadBitmap(const char* name) {
  TBitmap* bitmap = New<TBitmap>();
  try {
    bitmap->LoadFromResourceName(HInstance, name);
  } catch (const Exception&) {
    bitmap->Assign(nullptr);
  }
  return bitmap;
}

// The mark's shading (its red channel, from darkest to lightest) becomes the toolbar gradient, from
// the second toolbar colour to the first; black outlines and the transparent colour stay.
void RecolorSubMenuBitmap(TBitmap* bitmap) {
  if (bitmap->GetEmpty()) return;
  TCanvas* canvas = bitmap->GetCanvas();
  const TColor transparent = canvas->GetPixel(0, 0);
  auto shaded = [&](TColor c) { return c != transparent && (c & 0xFFFFFF) != 0; };
  int minimum = 255, maximum = 1;
  for (int y = 0; y < bitmap->GetHeight(); ++y)
    for (int x = 0; x < bitmap->GetWidth(); ++x) {
      TColor c = canvas->GetPixel(x, y);
      if (!shaded(c)) continue;
      minimum = std::min<int>(minimum, GetRValue(c));
      maximum = std::max<int>(maximum, GetRValue(c));
    }
  COLORREF light = dxOffice11ToolbarsColor1, dark = dxOffice11ToolbarsColor2;
  if (light == dark) dark = light == 0 ? 0xFFFFFF : 0;
  for (int y = 0; y < bitmap->GetHeight(); ++y)
    for (int x = 0; x < bitmap->GetWidth(); ++x) {
      TColor c = canvas->GetPixel(x, y);
      if (shaded(c))
        canvas->SetPixel(x, y, GetMiddleRGB(light, dark, MulDiv(GetRValue(c) - minimum, 100, maximum - minimum)));
    }
}

void CreateBitmaps() {
  dxOffice11SubMenuExpandBitmap = LoadBitmap("DXSUBMENUEXPAND");
  RecolorSubMenuBitmap(dxOffice11SubMenuExpandBitmap);
  dxOffice11ExpandButtonBitmap1 = LoadBitmap("DXEXPANDBUTTON_MINUS");
  dxOffice11ExpandButtonBitmap2 = LoadBitmap("DXEXPANDBUTTON_PLUS");
}

void DestroyBitmaps() {
  FreeAndNil(dxOffice11SubMenuExpandBitmap);
  FreeAndNil(dxOffice11ExpandButtonBitmap1);
  FreeAndNil(dxOffice11ExpandButtonBitmap2);
}

}  // namespace

TOffice11Scheme GetOffice11Scheme() { return FScheme; }
bool IsXPStandardScheme() { return FIsXPStandardScheme; }
int GetOffice11TubePercent() { return FTubePercent; }

void CreateOffice11Colors() {
  if (FReferenceCount++ == 0) {
    ComputeColors();
    CreateBrushes();
    CreateBitmaps();
  }
}

void RefreshOffice11Colors() {
  ComputeColors();
  if (FReferenceCount > 0) {
    DestroyBrushes();
    DestroyBitmaps();
    CreateBrushes();
    CreateBitmaps();
  }
}

void ReleaseOffice11Colors() {
  if (FReferenceCount == 0) return;
  if (--FReferenceCount == 0) {
    DestroyBrushes();
    DestroyBitmaps();
  }
}

bool IsHighContrastBlack() { return Sys(COLOR_BTNFACE) == 0; }
bool IsHighContrastWhite() { return Sys(COLOR_BTNFACE) == 0xFFFFFF; }
bool IsHighContrast2() { return Sys(COLOR_BTNFACE) == 0 && Sys(COLOR_BTNTEXT) != 0xFFFFFF; }

COLORREF GetRealColor(COLORREF AColor) {
  HDC dc = GetDC(nullptr);
  COLORREF result = GetNearestColor(dc, AColor);
  ReleaseDC(nullptr, dc);
  return result;
}

COLORREF GetMiddleRGB(COLORREF AColor1, COLORREF AColor2, int APercent) {
  COLORREF c1 = Resolve(AColor1), c2 = Resolve(AColor2);
  auto ch = [&](BYTE a, BYTE b) {
    return static_cast<BYTE>(std::min(255, MulDiv(a, APercent, 100) + MulDiv(b, 100 - APercent, 100)));
  };
  return GetRealColor(RGB(ch(GetRValue(c1), GetRValue(c2)), ch(GetGValue(c1), GetGValue(c2)),
                          ch(GetBValue(c1), GetBValue(c2))));
}

COLORREF GetLightColor(int ABtnFaceColorPart, int AHighlightColorPart, int AWindowColorPart) {
  COLORREF face = Sys(COLOR_BTNFACE), highlight = Sys(COLOR_HIGHLIGHT), window = Sys(COLOR_WINDOW);
  if (face == 0 || face == 0xFFFFFF) return highlight;
  auto ch = [&](BYTE (*get)(COLORREF)) {
    int v = MulDiv(get(face), ABtnFaceColorPart, 100) + MulDiv(get(highlight), AHighlightColorPart, 100) +
            MulDiv(get(window), AWindowColorPart, 100);
    return static_cast<BYTE>(std::clamp(v, 0, 255));
  };
  return RGB(ch(&GetRValue), ch(&GetGValue), ch(&GetBValue));
}

COLORREF Dark(COLORREF AColor, int APercent) {
  auto ch = [&](BYTE v) { return static_cast<BYTE>(RtlMath::Round(v * APercent / 100.0)); };
  return RGB(ch(GetRValue(AColor)), ch(GetGValue(AColor)), ch(GetBValue(AColor)));
}

COLORREF Light(COLORREF AColor, int APercent) {
  Int64 e = RtlMath::Round(255 - APercent / 100.0 * 255);
  auto ch = [&](BYTE v) { return static_cast<BYTE>((RtlMath::Round(v * APercent / 100.0) + e) % 256); };
  return RGB(ch(GetRValue(AColor)), ch(GetGValue(AColor)), ch(GetBValue(AColor)));
}

void dxOffice11LoadGradientFill();
void dxOffice11FreeGradientFill();

void dxOffice11Initialization() {
  dxOffice11LoadGradientFill();
  // The colours follow the theme: a change of theme or scheme recomputes them.
  FThemeListener = New<TdxThemeChangedNotificator>();
  FThemeListener->OnThemeChanged = [] { RefreshOffice11Colors(); };
}

void dxOffice11Finalization() {
  FreeAndNil(FThemeListener);
  if (FReferenceCount > 0) DestroyBrushes();
  FReferenceCount = 0;
  dxOffice11FreeGradientFill();
}

}  // namespace dxOffice11
