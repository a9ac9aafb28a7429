// Radio buttons of every painter: the shared images in each kind's colours for every state, check,
// focus and highlight, drawn masked or over a background colour, and rendered again when the system
// colours or the visual styles change.
#include <gtest/gtest.h>

#include <string>

#include "UxTheme.h"
#include "cxGeometry.h"
#include "cxGraphicsFunctions.h"
#include "cxLookAndFeelPainters.h"
#include "cxLookAndFeelPaintersUltraFlatTestSurface.h"
#include "dxOffice11.h"

using namespace PainterTestSurface;

namespace {

template <class T>
TcxCustomLookAndFeelPainterClass Painter() {
  return TcxCustomLookAndFeelPainterClass::Of<T>();
}

// Where the parts of a radio image drawn at (X, Y) lie: the top-centre column crosses the lit rings,
// the bottom-centre column the shaded ones; the centre is the dot.
struct RadioProbe {
  int X, Y;
  TSize Size;
  int Mid() const { return X + Size.cx / 2; }
  TPoint OuterLight() const { return TPoint(Mid(), Y); }
  TPoint InnerLight() const { return TPoint(Mid(), Y + 1); }
  TPoint Body() const { return TPoint(Mid(), Y + 2); }
  TPoint Dot() const { return TPoint(Mid(), Y + Size.cy / 2); }
  TPoint InnerDark() const { return TPoint(Mid(), Y + Size.cy - 2); }
  TPoint OuterDark() const { return TPoint(Mid(), Y + Size.cy - 1); }
  TPoint Corner() const { return TPoint(X, Y); }
};

COLORREF At(const TSurface& s, TPoint p) { return s.At(p.x, p.y); }

class cxRadioButton : public ::testing::Test {
 protected:
  void SetUp() override { SetThemeActive(false); }
  void TearDown() override { SetThemeActive(true); }
};

}  // namespace

TEST_F(cxRadioButton, EachPainterDrawsItsKindsColoursForEveryState) {
  struct Case {
    const char* Name;
    TcxCustomLookAndFeelPainterClass Painter;
    TcxButtonState State;
    bool Checked, Focused, Highlighted;
    TColor OuterLight, OuterDark, InnerLight, InnerDark, Body, Dot;
  };
  const auto Standard = Painter<TcxStandardLookAndFeelPainter>(), Flat = Painter<TcxFlatLookAndFeelPainter>(),
             UltraFlat = Painter<TcxUltraFlatLookAndFeelPainter>(), Office11 = Painter<TcxOffice11LookAndFeelPainter>(),
             Native = Painter<TcxWinXPLookAndFeelPainter>();
  const TColor LightSel = GetLightSelColor(), LightDown = GetLightDownedSelColor();
  const TColor O11Border = dxOffice11SelectedBorderColor, O11Disabled = dxOffice11TextDisabledColor;
  const Case cases[] = {
      {"standard normal", Standard, cxbsNormal, false, false, false, clBtnShadow, clBtnHighlight, cl3DDkShadow,
       cl3DLight, clWindow, clWindow},
      {"standard default", Standard, cxbsDefault, true, false, false, clBtnShadow, clBtnHighlight, cl3DDkShadow,
       cl3DLight, clWindow, clWindowText},
      {"standard hot", Standard, cxbsHot, true, false, false, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight,
       clWindow, clWindowText},
      {"standard pressed", Standard, cxbsPressed, true, false, false, clBtnShadow, clBtnHighlight, cl3DDkShadow,
       cl3DLight, clBtnFace, clWindowText},
      {"standard disabled", Standard, cxbsDisabled, true, false, false, clBtnShadow, clBtnHighlight, cl3DDkShadow,
       cl3DLight, clBtnFace, clBtnShadow},
      {"native without theme", Native, cxbsNormal, true, false, false, clBtnShadow, clBtnHighlight, cl3DDkShadow,
       cl3DLight, clWindow, clWindowText},
      {"flat normal", Flat, cxbsNormal, true, false, false, clBtnShadow, clBtnHighlight, cl3DLight, cl3DLight, clWindow,
       clWindowText},
      {"flat pressed", Flat, cxbsPressed, false, false, false, clBtnShadow, clBtnHighlight, cl3DLight, cl3DLight,
       clBtnFace, clBtnFace},
      {"flat disabled", Flat, cxbsDisabled, true, false, false, clBtnShadow, clBtnHighlight, cl3DLight, cl3DLight,
       clBtnFace, clBtnShadow},
      {"ultra-flat normal", UltraFlat, cxbsNormal, false, false, false, clBtnShadow, clBtnShadow, clWindow, clWindow,
       clWindow, clWindow},
      {"ultra-flat hot", UltraFlat, cxbsHot, true, false, false, clHighlight, clHighlight, LightSel, LightSel, LightSel,
       clWindowText},
      {"ultra-flat pressed", UltraFlat, cxbsPressed, false, false, false, clHighlight, clHighlight, LightDown,
       LightDown, LightDown, LightDown},
      {"ultra-flat disabled", UltraFlat, cxbsDisabled, true, false, false, clBtnShadow, clBtnShadow, clBtnFace,
       clBtnFace, clBtnFace, clBtnShadow},
      {"ultra-flat focused", UltraFlat, cxbsNormal, false, true, false, clHighlight, clHighlight, clWindow, clWindow,
       clWindow, clWindow},
      {"ultra-flat highlighted", UltraFlat, cxbsNormal, true, false, true, clHighlight, clHighlight, clWindow, clWindow,
       clWindow, clWindowText},
      {"ultra-flat disabled highlighted", UltraFlat, cxbsDisabled, false, false, true, clBtnShadow, clBtnShadow,
       clBtnFace, clBtnFace, clBtnFace, clBtnFace},
      {"ultra-flat disabled focused", UltraFlat, cxbsDisabled, false, true, false, clHighlight, clHighlight, clBtnFace,
       clBtnFace, clBtnFace, clBtnFace},
      {"office 2003 normal", Office11, cxbsNormal, false, false, false, clBtnText, clBtnText, clWindow, clWindow,
       clWindow, clWindow},
      {"office 2003 hot", Office11, cxbsHot, true, false, false, O11Border, O11Border, TColor(dxOffice11SelectedColor1),
       TColor(dxOffice11SelectedColor1), TColor(dxOffice11SelectedColor1), clWindowText},
      {"office 2003 pressed", Office11, cxbsPressed, false, false, false, O11Border, O11Border,
       TColor(dxOffice11SelectedDownColor1), TColor(dxOffice11SelectedDownColor1), TColor(dxOffice11SelectedDownColor1),
       TColor(dxOffice11SelectedDownColor1)},
      {"office 2003 disabled", Office11, cxbsDisabled, true, true, true, O11Disabled, O11Disabled, clBtnFace, clBtnFace,
       clBtnFace, O11Disabled},
      {"office 2003 highlighted", Office11, cxbsNormal, false, false, true, O11Border, O11Border, clWindow, clWindow,
       clWindow, clWindow},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TSurface s(24, 24);
    const RadioProbe p{3, 4, c.Painter->RadioButtonSize()};
    c.Painter->DrawRadioButton(s.Cx, p.X, p.Y, c.State, c.Checked, c.Focused, clDefault, c.Highlighted);
    EXPECT_EQ(At(s, p.OuterLight()), RGBOf(c.OuterLight));
    EXPECT_EQ(At(s, p.OuterDark()), RGBOf(c.OuterDark));
    EXPECT_EQ(At(s, p.InnerLight()), RGBOf(c.InnerLight));
    EXPECT_EQ(At(s, p.InnerDark()), RGBOf(c.InnerDark));
    EXPECT_EQ(At(s, p.Body()), RGBOf(c.Body));
    EXPECT_EQ(At(s, p.Dot()), RGBOf(c.Dot));
    EXPECT_EQ(At(s, p.Corner()), kWhite);  // outside the round outline
    // Nothing outside the image (its shaded edge may be as white as the surface).
    const TRect ink = s.InkBox(TRect(0, 0, 24, 24), kWhite);
    EXPECT_EQ(ink.TopLeft(), TPoint(p.X, p.Y));
    EXPECT_TRUE(ink.right <= p.X + p.Size.cx && ink.bottom <= p.Y + p.Size.cy);
  }
}

TEST_F(cxRadioButton, TheImageIsARoundButtonOfTheCheckBoxCellWithADotInItsMiddle) {
  const auto P = Painter<TcxUltraFlatLookAndFeelPainter>();
  const TSize size = P->RadioButtonSize();
  const TSize cell = P->CheckButtonSize();
  EXPECT_TRUE(size.cx > 0 && size.cx <= cell.cx && size.cy > 0 && size.cy <= cell.cy);
  TSurface checked(20, 20), unchecked(20, 20);
  P->DrawRadioButton(checked.Cx, 0, 0, cxbsNormal, true, false, clDefault);
  P->DrawRadioButton(unchecked.Cx, 0, 0, cxbsNormal, false, false, clDefault);
  // The four corners are outside; the dot is the only difference, centred and symmetric.
  for (TPoint corner : {TPoint(0, 0), TPoint(size.cx - 1, 0), TPoint(0, size.cy - 1), TPoint(size.cx - 1, size.cy - 1)})
    EXPECT_EQ(checked.At(corner.x, corner.y), kWhite);
  const TRect dot = checked.InkBox(TRect(2, 2, size.cx - 2, size.cy - 2), RGBOf(clWindow));
  ASSERT_FALSE(cxRectIsEmpty(dot));
  EXPECT_EQ(dot.left, size.cx - dot.right);
  EXPECT_EQ(dot.top, size.cy - dot.bottom);
  EXPECT_EQ(checked.Differences(unchecked), checked.Count(dot, RGBOf(clWindowText)));
}

TEST_F(cxRadioButton, ABackgroundColourFillsAroundTheOutline) {
  const auto P = Painter<TcxStandardLookAndFeelPainter>();
  const RadioProbe p{2, 2, P->RadioButtonSize()};
  TSurface masked(20, 20), filled(20, 20);
  P->DrawRadioButton(masked.Cx, p.X, p.Y, cxbsNormal, true, false, clDefault);
  P->DrawRadioButton(filled.Cx, p.X, p.Y, cxbsNormal, true, false, clRed);
  EXPECT_EQ(At(filled, p.Corner()), RGBOf(clRed));
  EXPECT_EQ(At(masked, p.Corner()), kWhite);
  // Only the pixels around the outline differ, and nothing outside the image is touched.
  EXPECT_EQ(masked.Differences(filled), filled.Count(TRect(0, 0, 20, 20), RGBOf(clRed)));
  EXPECT_EQ(filled.At(1, 1), kWhite);
  EXPECT_EQ(At(filled, p.Dot()), RGBOf(clWindowText));
}

TEST_F(cxRadioButton, TheImagesFollowAChangeOfTheSystemColours) {
  const auto P = Painter<TcxFlatLookAndFeelPainter>();
  const INT index = COLOR_WINDOW;
  const COLORREF old = GetSysColor(COLOR_WINDOW), changed = RGB(0x20, 0x40, 0x60);
  P->DrawRadioButton(TSurface(16, 16).Cx, 0, 0, cxbsNormal, false, false, clDefault);  // the list exists
  SetSysColors(1, &index, &changed);
  TSurface s(16, 16);
  const RadioProbe p{0, 0, P->RadioButtonSize()};
  P->DrawRadioButton(s.Cx, p.X, p.Y, cxbsNormal, false, false, clDefault);
  SetSysColors(1, &index, &old);
  EXPECT_EQ(At(s, p.Body()), changed);
  TSurface after(16, 16);
  P->DrawRadioButton(after.Cx, p.X, p.Y, cxbsNormal, false, false, clDefault);
  EXPECT_EQ(At(after, p.Body()), old & 0xFFFFFF);
}

TEST_F(cxRadioButton, TheOffice2003ImagesFollowAChangeOfTheme) {
  // The Office 2003 colours differ with and without visual styles; the images follow the switch.
  const auto P = Painter<TcxOffice11LookAndFeelPainter>();
  for (bool themed : {true, false, true}) {
    SCOPED_TRACE(themed ? "themed" : "classic");
    SetThemeActive(themed);
    TSurface s(16, 16);
    const RadioProbe p{0, 0, P->RadioButtonSize()};
    P->DrawRadioButton(s.Cx, p.X, p.Y, cxbsHot, false, false, clDefault);
    EXPECT_EQ(At(s, p.OuterLight()), dxOffice11SelectedBorderColor & 0xFFFFFF);
    EXPECT_EQ(At(s, p.Body()), dxOffice11SelectedColor1 & 0xFFFFFF);
  }
}

TEST_F(cxRadioButton, EveryPainterAndStateShowsTheCheckOnlyAsTheDot) {
  const struct {
    const char* Name;
    TcxCustomLookAndFeelPainterClass Painter;
    TColor DisabledDot;
  } painters[] = {
      {"standard", Painter<TcxStandardLookAndFeelPainter>(), clBtnShadow},
      {"flat", Painter<TcxFlatLookAndFeelPainter>(), clBtnShadow},
      {"ultra-flat", Painter<TcxUltraFlatLookAndFeelPainter>(), clBtnShadow},
      {"office 2003", Painter<TcxOffice11LookAndFeelPainter>(), static_cast<TColor>(dxOffice11TextDisabledColor)},
      {"native without theme", Painter<TcxWinXPLookAndFeelPainter>(), clBtnShadow},
  };
  for (const auto& p : painters)
    for (TcxButtonState state : {cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled}) {
      SCOPED_TRACE(std::string(p.Name) + " " + std::to_string(state));
      const RadioProbe probe{1, 1, p.Painter->RadioButtonSize()};
      TSurface unchecked(16, 16), checked(16, 16);
      p.Painter->DrawRadioButton(unchecked.Cx, probe.X, probe.Y, state, false, false, clDefault);
      p.Painter->DrawRadioButton(checked.Cx, probe.X, probe.Y, state, true, false, clDefault);
      const COLORREF dot = RGBOf(state == cxbsDisabled ? p.DisabledDot : clWindowText);
      EXPECT_EQ(At(unchecked, probe.Dot()), At(unchecked, probe.Body()));
      EXPECT_EQ(At(checked, probe.Dot()), dot);
      EXPECT_EQ(checked.Differences(unchecked),
                checked.Count(TRect(0, 0, 16, 16), dot) - unchecked.Count(TRect(0, 0, 16, 16), dot));
    }
}
