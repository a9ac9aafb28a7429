// The Office 2003 colours: the scheme follows the theme (through WM_THEMECHANGED), the scheme table
// and the system-colour derivation, the colour arithmetic and the gradient fills.
#include <gtest/gtest.h>

#include <cstdlib>

#include "RtlMath.h"
#include "UxTheme.h"
#include "WinUser.h"
#include "dxOffice11.h"

namespace {

struct TMemorySurface {
  HDC DC;
  HBITMAP Bitmap;
  HGDIOBJ Old;
  TMemorySurface(int w, int h) {
    DC = CreateCompatibleDC(nullptr);
    Bitmap = CreateBitmap(w, h, 1, 32, nullptr);
    Old = SelectObject(DC, Bitmap);
  }
  ~TMemorySurface() {
    SelectObject(DC, Old);
    DeleteObject(Bitmap);
    DeleteDC(DC);
  }
  COLORREF At(int x, int y) const { return GetPixel(DC, x, y) & 0xFFFFFF; }
};

class dxOffice11Test : public ::testing::Test {
 protected:
  void SetUp() override { CreateOffice11Colors(); }
  void TearDown() override {
    ReleaseOffice11Colors();
    ResetSysColors();
    SetThemeColorScheme(tcsNormalColor);
    SetThemeActive(true);
  }
};

}  // namespace

TEST_F(dxOffice11Test, TheSchemeFollowsTheThemeColourScheme) {
  struct {
    TThemeColorScheme Theme;
    TOffice11Scheme Scheme;
    int Tube;
    COLORREF Toolbars1, Dock1, SelectedBorder, Menu, Border1, NavPaneHeader2, Selected1;
  } cases[] = {
      {tcsNormalColor, schNormalColor, 41, 0xFEECDD, 0xF5BE9E, 0x800000, 0xF6F6F6, 0xE0A47B, 0x933803, 0xCCF4FF},
      {tcsHomeStead, schHomestead, 125, 0xDEF7F4, 0xA7D9D9, 0x385D3F, 0xEEF4F4, 0x8FC4B5, 0x447A63, 0xCCF4FF},
      {tcsMetallic, schMetallic, 40, 0xFAF4F3, 0xE5D7D7, 0x6F4B4B, 0xFFFAFD, 0xB09193, 0x916F70, 0xCCF4FF},
  };
  for (const auto& c : cases) {
    SetThemeColorScheme(c.Theme);
    SCOPED_TRACE(c.Scheme);
    EXPECT_EQ(GetOffice11Scheme(), c.Scheme);
    EXPECT_TRUE(IsXPStandardScheme());
    EXPECT_EQ(GetOffice11TubePercent(), c.Tube);
    EXPECT_EQ(dxOffice11ToolbarsColor1, c.Toolbars1);
    EXPECT_EQ(dxOffice11DockColor1, c.Dock1);
    EXPECT_EQ(dxOffice11SelectedBorderColor, c.SelectedBorder);
    EXPECT_EQ(dxOffice11MenuColor, c.Menu);
    EXPECT_EQ(dxOffice11BarBorderColors[1], c.Border1);
    EXPECT_EQ(dxOffice11NavPaneHeaderColor2, c.NavPaneHeader2);
    EXPECT_EQ(dxOffice11SelectedColor1, c.Selected1);
    // The derived colours.
    EXPECT_EQ(dxOffice11MenuDownedColor1, c.Toolbars1);
    EXPECT_EQ(dxOffice11GroupIndentColor, 0xC9EEFDu);
    EXPECT_EQ(dxOffice11BarFloatingCaptionTextColor1, 0xFFFFFFu);
    EXPECT_EQ(dxOffice11NavPaneSplitterColor2, c.NavPaneHeader2);
    EXPECT_EQ(dxOffice11BarBorderMarkColors[0], GetMiddleRGB(dxOffice11BarMarkColors1[0], c.Toolbars1, 90));
    EXPECT_EQ(dxOffice11InPlaceSubItemColor, dxOffice11BarBorderMarkColors[3]);
    EXPECT_EQ(dxOffice11MenuNonRecentIndentColor1, GetMiddleRGB(c.Toolbars1, 0, 92));
  }
  EXPECT_NE(dxOffice11SelectedBorderBrush, nullptr);
}

TEST_F(dxOffice11Test, WithTheThemeOffTheColoursComeFromTheSystem) {
  SetThemeActive(false);
  EXPECT_EQ(GetOffice11Scheme(), schUnknown);
  EXPECT_FALSE(IsXPStandardScheme());
  EXPECT_EQ(GetOffice11TubePercent(), 75);
  COLORREF face = GetSysColor(COLOR_BTNFACE), window = GetSysColor(COLOR_WINDOW);
  EXPECT_EQ(dxOffice11DockColor1, face);
  EXPECT_EQ(dxOffice11ToolbarsColor1, GetMiddleRGB(face, window, 22));
  EXPECT_EQ(dxOffice11MenuColor, window);
  EXPECT_EQ(dxOffice11SelectedBorderColor, GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(dxOffice11DropDownBorderColor2, window);
  EXPECT_EQ(dxOffice11NavPaneGroupCaptionColor1,
            RGB(GetRValue(face) * 127 / 255 + 128, GetGValue(face) * 127 / 255 + 128, GetBValue(face) * 127 / 255 + 128));
  // Back on, the blue scheme returns through the same notification.
  SetThemeActive(true);
  EXPECT_EQ(GetOffice11Scheme(), schNormalColor);
  EXPECT_EQ(dxOffice11DockColor1, 0xF5BE9Eu);
}

TEST_F(dxOffice11Test, ColourArithmetic) {
  EXPECT_EQ(GetMiddleRGB(RGB(200, 100, 0), RGB(0, 0, 255), 50), RGB(100, 50, 128));
  EXPECT_EQ(GetMiddleRGB(0x80000000u | COLOR_WINDOW, 0, 100), GetSysColor(COLOR_WINDOW));
  struct {
    COLORREF In;
    int Percent;
    COLORREF Dark, Light;
  } cases[] = {{RGB(100, 50, 1), 50, RGB(50, 25, 0), RGB(178, 153, 128)},
               {RGB(255, 255, 255), 100, RGB(255, 255, 255), RGB(255, 255, 255)},
               {RGB(5, 3, 0), 50, RGB(2, 2, 0), RGB(130, 130, 128)}};
  for (const auto& c : cases) {
    EXPECT_EQ(Dark(c.In, c.Percent), c.Dark);
    EXPECT_EQ(Light(c.In, c.Percent), c.Light);
  }
  // A white button face makes every light colour the highlight colour.
  INT index = COLOR_BTNFACE;
  COLORREF white = 0xFFFFFF;
  SetSysColors(1, &index, &white);
  EXPECT_EQ(GetLightColor(-15, 29, 86), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_TRUE(IsHighContrastWhite());
}

TEST_F(dxOffice11Test, SoftwareGradientMatchesItsColourRuleAndEdgesAreSafe) {
  TMemorySurface canvas(300, 4);
  RECT r{0, 0, 300, 4};
  COLORREF c1 = RGB(10, 200, 30), c2 = RGB(250, 0, 90);
  FillGradientRect(canvas.DC, r, c1, c2, true);
  EXPECT_EQ(GetGradientColorRect(r, 0, c1, c2, true), c1);
  EXPECT_EQ(GetGradientColorRect(r, 299, c1, c2, true), c2);
  // The rule's rounding may name the neighbouring band: one step at most.
  for (int x : {0, 1, 2, 57, 150, 298, 299}) {
    COLORREF drawn = canvas.At(x, 2), rule = GetGradientColorRect(r, x, c1, c2, true);
    for (int shift : {0, 8, 16})
      EXPECT_LE(std::abs(int((drawn >> shift) & 0xFF) - int((rule >> shift) & 0xFF)), 1) << x;
  }

  // Equal colours given as a system colour and its value fill plainly.
  FillGradientRect(canvas.DC, r, 0x80000000u | COLOR_WINDOW, GetSysColor(COLOR_WINDOW), false);
  EXPECT_EQ(canvas.At(0, 0), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(canvas.At(299, 3), GetSysColor(COLOR_WINDOW));

  // One band, one-pixel and two-pixel tubes: no division by zero, the documented colours.
  RECT one{0, 0, 1, 4}, two{0, 0, 2, 4};
  FillGradientRect(canvas.DC, one, c1, c2, true);
  EXPECT_EQ(canvas.At(0, 0), c1);
  EXPECT_EQ(GetGradientColorRect(one, 0, c1, c2, true), c1);
  int k = GetOffice11TubePercent();
  COLORREF middle = RGB(10 - MulDiv(10 - 250, k, 200), 200 - MulDiv(200, k, 200), 30 - MulDiv(30 - 90, k, 200));
  FillTubeGradientRect(canvas.DC, two, c1, c2, true);
  EXPECT_EQ(canvas.At(0, 0), c1);
  EXPECT_EQ(canvas.At(1, 0), middle);
  FillTubeGradientRect(canvas.DC, one, c1, c2, true);
  EXPECT_EQ(canvas.At(0, 0), middle);
}

TEST_F(dxOffice11Test, BrushesLiveWhileReferenced) {
  ASSERT_NE(dxOffice11MenuBrush, nullptr);
  EXPECT_EQ(dxOffice11DropDownBorderBrush2, dxOffice11MenuBrush);
  CreateOffice11Colors();
  ReleaseOffice11Colors();
  EXPECT_NE(dxOffice11MenuBrush, nullptr);
  ReleaseOffice11Colors();
  EXPECT_EQ(dxOffice11MenuBrush, nullptr);
  ReleaseOffice11Colors();  // an extra release changes nothing
  CreateOffice11Colors();   // the fixture's reference again
  EXPECT_NE(dxOffice11MenuBrush, nullptr);
}

TEST_F(dxOffice11Test, GripDotsAndArrows) {
  TMemorySurface canvas(20, 20);
  RECT all{0, 0, 20, 20};
  FillRectByColor(canvas.DC, all, 0xFFFFFF);
  Office11DrawFingerElements(canvas.DC, RECT{0, 0, 4, 12}, true);
  for (int y : {0, 4, 8}) {
    EXPECT_EQ(canvas.At(0, y), dxOffice11BarFingerColor1) << y;
    EXPECT_EQ(canvas.At(2, y + 2), dxOffice11BarFingerColor2) << y;
  }
  EXPECT_EQ(canvas.At(0, 12), 0xFFFFFFu);
  FillRectByColor(canvas.DC, all, 0xFFFFFF);
  Office11DrawItemArrow(canvas.DC, RECT{0, 0, 16, 10}, true, true, false, false);
  // e = 8, size 3: the top edge 5 wide from x = 5 at y = 3, the apex at (7, 5).
  EXPECT_EQ(canvas.At(5, 3), dxOffice11TextEnabledColor);
  EXPECT_EQ(canvas.At(9, 3), dxOffice11TextEnabledColor);
  EXPECT_EQ(canvas.At(7, 5), dxOffice11TextEnabledColor);
  EXPECT_EQ(canvas.At(4, 3), 0xFFFFFFu);
  EXPECT_EQ(canvas.At(7, 6), 0xFFFFFFu);
}
