#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "Forms.h"
#include "GdiPng.h"
#include "PixelSurface.h"
#include "StringLists.h"
#include "WinUserDraw.h"
#include "cxGraphicsFunctions.h"
#include "dxBar.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"
#include "UxTheme.h"
#include "cxLookAndFeels.h"
#include "dxBarTestSupport.h"

namespace {

using PixelSurface::RGBOf;
using PixelSurface::TSurface;

TdxBarPainter* BasePainter() { return TClassRef<TdxBarPainter>::Of<TdxBarPainter>().operator->(); }

struct TMetricCase {
  const char* Name;
  std::function<Integer(TdxBarPainter*)> Value;
  Integer Expected;
};

TEST(dxBarPainterBase, PlainMetricValues) {
  const TMetricCase cases[] = {
      {"SubMenuControlArrowWidth(13)", [](TdxBarPainter* p) { return p->SubMenuControlArrowWidth(13); }, 10},
      {"SubMenuControlMarkArrowSize(17)", [](TdxBarPainter* p) { return p->SubMenuControlMarkArrowSize(17); }, 5},
      {"SubMenuControlGetScrollArrowSize(16)",
       [](TdxBarPainter* p) { return p->SubMenuControlGetScrollArrowSize(16); }, 4},
      {"SubMenuControlBorderSize", [](TdxBarPainter* p) { return p->SubMenuControlBorderSize(); }, 2},
      {"ComboBoxArrowWidth(11)", [](TdxBarPainter* p) { return p->ComboBoxArrowWidth(11); }, 21},
      {"BarBeginGroupSideSize", [](TdxBarPainter* p) { return p->BarBeginGroupSideSize(); }, 2},
      {"GetButtonHeight(16)", [](TdxBarPainter* p) { return p->GetButtonHeight(16); }, 22},
      {"GetButtonWidth(16)", [](TdxBarPainter* p) { return p->GetButtonWidth(16); }, 23},
      {"GetButtonSize(16, 16).cx", [](TdxBarPainter* p) { return p->GetButtonSize(16, 16).cx; }, 23},
      {"GetDotSpaceAfter(3)", [](TdxBarPainter* p) { return p->GetDotSpaceAfter(3); }, 3},
      {"GetBarItemContolHintPosition.y",
       [](TdxBarPainter* p) { return p->GetBarItemContolHintPosition(TPoint(5, 7)).y; }, 27},
      {"BarCaptionAreaSize - BarCaptionSize",
       [](TdxBarPainter* p) { return p->BarCaptionAreaSize() - p->BarCaptionSize(); }, 1},
      {"BarIsBarSmall(16 high)", [](TdxBarPainter* p) { return Integer(p->BarIsBarSmall(TRect(0, 0, 50, 16))); }, 1},
      {"BarIsBarSmall(17 high)", [](TdxBarPainter* p) { return Integer(p->BarIsBarSmall(TRect(0, 0, 50, 17))); }, 0},
      {"ComboControlButtonOffsets.left", [](TdxBarPainter* p) { return p->ComboControlButtonOffsets().left; }, 2},
      {"EditControlES_Style", [](TdxBarPainter* p) { return Integer(p->EditControlES_Style()); }, 0x84},
      {"StaticControlGetBorderOffsets(sbsNone)",
       [](TdxBarPainter* p) { return p->StaticControlGetBorderOffsets(sbsNone).top; }, 0},
      {"StaticControlGetBorderOffsets(sbsRaised)",
       [](TdxBarPainter* p) { return p->StaticControlGetBorderOffsets(sbsRaised).bottom; }, 1},
      {"StaticControlGetBorderOffsets(sbsBump)",
       [](TdxBarPainter* p) { return p->StaticControlGetBorderOffsets(sbsBump).right; }, 2},
  };
  for (const auto& c : cases) EXPECT_EQ(c.Value(BasePainter()), c.Expected) << c.Name;
}

TEST(dxBarPainterBase, QuickCustomizationFrameBecomesSquare) {
  TRect R(10, 5, 20, 27);  // 10 x 22
  EXPECT_EQ(BasePainter()->DrawQuickCustItemFrame(nullptr, nullptr, R, false), 32);
  EXPECT_EQ(R, TRect(10, 5, 32, 27));
}

TEST(dxBarPainterBase, ButtonArrowWidthIsOddAndDoubledForLargeIcons) {
  TOwnedPtr<TForm> form(dxBarTests::NewTestForm());
  auto* manager = New<TdxBarManager>(form.get());
  struct {
    Integer Width;
    bool LargeIcons;
    Integer Expected;
  } const cases[] = {{8, false, 9}, {8, true, 17}, {7, false, 7}};
  for (const auto& c : cases) {
    manager->SetButtonArrowWidth(c.Width);
    manager->SetLargeIcons(c.LargeIcons);
    EXPECT_EQ(BasePainter()->RealButtonArrowWidth(manager), c.Expected) << c.Width << " " << c.LargeIcons;
  }
  manager->SetLargeButtonArrowWidth(15);
  EXPECT_EQ(BasePainter()->RealLargeButtonArrowWidth(manager), 15);
}

TEST(dxBarPainterBase, PainterClassesShareOneStatelessInstance) {
  const auto enhanced = TClassRef<TdxBarPainter>::Of<TdxBarEnhancedPainter>();
  EXPECT_EQ(enhanced.operator->(), enhanced.operator->());
  EXPECT_TRUE(enhanced.InheritsFrom(TdxBarStandardPainter::StaticClass()));
  EXPECT_TRUE(TClassRef<TdxBarPainter>::Of<TdxBarOffice11Painter>().InheritsFrom(TdxBarFlatPainter::StaticClass()));
}

TEST(dxBarPainterBase, LoweredEdgeAndMenuSeparator) {
  TSurface surface(40, 20);
  TRect R(2, 2, 18, 18);
  BasePainter()->DrawLowered(surface.DC, R);
  EXPECT_EQ(R, TRect(3, 3, 17, 17));
  EXPECT_EQ(surface.At(2, 2), RGBOf(clBtnShadow));    // sunken: dark top-left
  EXPECT_EQ(surface.At(17, 17), RGBOf(clBtnHighlight));  // light bottom-right
  EXPECT_EQ(surface.At(10, 10), PixelSurface::kWhite);

  BasePainter()->SubMenuControlDrawSeparator(surface.Cx, TRect(22, 8, 38, 18));
  EXPECT_EQ(surface.At(30, 8), RGBOf(clBtnShadow));  // etched: a dark line over a light one
  EXPECT_EQ(surface.At(30, 9), RGBOf(clBtnHighlight));
  EXPECT_EQ(surface.At(30, 10), PixelSurface::kWhite);
  EXPECT_TRUE(SaveDCToPng(surface.DC, testing::TempDir() + "bar-painter-base-lowered-separator.png"));
}

}  // namespace

namespace {

// The painter choice for every style and look-and-feel kind, with the visual styles the manager found
// when it last made its painter.
class dxBarManagerPainterChoice : public testing::TestWithParam<bool> {
 protected:
  void SetUp() override { SetThemeActive(GetParam()); }
  void TearDown() override { SetThemeActive(true); }
};

TEST_P(dxBarManagerPainterChoice, StyleKindAndNativeFlagChooseTheRealStyleAndPainter) {
  const bool themed = GetParam();
  TOwnedPtr<TForm> form(dxBarTests::NewTestForm());
  auto* manager = New<TdxBarManager>(form.get());
  const TdxBarRealPaintStyle xp = themed ? rpsXP : rpsEnhanced;
  const TClass xpPainter = themed ? TdxBarXPPainter::StaticClass() : TdxBarEnhancedPainter::StaticClass();
  struct {
    TdxBarManagerStyle Style;
    TcxLookAndFeelKind Kind;
    bool Native;
    TdxBarRealPaintStyle RealStyle;
    TdxBarManagerStyle PaintStyle;
    TClass Painter;
  } const cases[] = {
      {bmsStandard, lfFlat, false, rpsStandard, bmsStandard, TdxBarStandardPainter::StaticClass()},
      {bmsEnhanced, lfFlat, false, rpsEnhanced, bmsEnhanced, TdxBarEnhancedPainter::StaticClass()},
      {bmsFlat, lfFlat, false, rpsFlat, bmsFlat, TdxBarFlatPainter::StaticClass()},
      {bmsOffice11, lfFlat, false, rpsOffice11, bmsOffice11, TdxBarOffice11Painter::StaticClass()},
      {bmsXP, lfFlat, false, xp, bmsXP, xpPainter},
      {bmsUseLookAndFeel, lfFlat, false, rpsEnhanced, bmsEnhanced, TdxBarEnhancedPainter::StaticClass()},
      {bmsUseLookAndFeel, lfStandard, false, rpsStandard, bmsStandard, TdxBarStandardPainter::StaticClass()},
      {bmsUseLookAndFeel, lfUltraFlat, false, rpsFlat, bmsFlat, TdxBarFlatPainter::StaticClass()},
      {bmsUseLookAndFeel, lfOffice11, false, rpsOffice11, bmsOffice11, TdxBarOffice11Painter::StaticClass()},
      {bmsUseLookAndFeel, lfOffice11, true, themed ? rpsXP : rpsOffice11, themed ? bmsXP : bmsOffice11,
       themed ? TdxBarXPPainter::StaticClass() : TdxBarOffice11Painter::StaticClass()},
  };
  for (const auto& c : cases) {
    manager->SetStyle(c.Style);
    manager->GetLookAndFeel()->SetKind(c.Kind);
    manager->GetLookAndFeel()->SetNativeStyle(c.Native);
    EXPECT_EQ(manager->GetRealPaintStyle(), c.RealStyle) << c.Style << " " << c.Kind << " " << c.Native;
    EXPECT_EQ(manager->GetPaintStyle(), c.PaintStyle) << c.Style << " " << c.Kind << " " << c.Native;
    EXPECT_EQ(manager->GetPainterClass(), c.Painter) << c.Style << " " << c.Kind << " " << c.Native;
    // The style and the look and feel make the manager's painter again.
    EXPECT_EQ(manager->InternalGetPainterClass(), c.Painter) << c.Style << " " << c.Kind << " " << c.Native;
  }
  EXPECT_EQ(dxBarPainterClassOfPaintStyle(rpsSkin), TdxBarStandardPainter::StaticClass());
}

INSTANTIATE_TEST_SUITE_P(VisualStyles, dxBarManagerPainterChoice, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& AInfo) { return AInfo.param ? "On" : "Off"; });

// The XP style falls back to the enhanced look while visual styles are off and comes back with them.
TEST(dxBarManagerStyle, XPStyleFollowsTheVisualStyles) {
  TOwnedPtr<TForm> form(dxBarTests::NewTestForm());
  auto* manager = New<TdxBarManager>(form.get());
  manager->SetStyle(bmsXP);
  EXPECT_EQ(manager->InternalGetPainterClass(), TdxBarXPPainter::StaticClass());
  SetThemeActive(false);
  EXPECT_EQ(manager->InternalGetPainterClass(), TdxBarEnhancedPainter::StaticClass());
  SetThemeActive(true);
  EXPECT_EQ(manager->InternalGetPainterClass(), TdxBarXPPainter::StaticClass());
  // The one painter the manager holds goes with it: the leak check of the sanitizer pass sees it.
  manager->SetStyle(bmsOffice11);
  EXPECT_TRUE(Is<TdxBarOffice11Painter>(manager->GetDefaultPainter()));
}

}  // namespace

namespace {

// Each word on its own line; dropped lines go into the last kept one, which starts where the kept
// lines before it end.
TEST(dxBarPainterBase, ItemTextLinesKeepTheRestOfTheTextInTheLastLine) {
  TSurface surface(10, 10);
  const TRect R(0, 0, cxTextSize(surface.DC, "three").cx + 1, 40);
  const String text = "one two three four five";
  struct {
    Integer Limit;
    std::vector<String> Lines;
  } const cases[] = {
      {5, {"one", "two", "three", "four", "five"}},
      {6, {"one", "two", "three", "four", "five"}},
      {3, {"one", "two", "three four five"}},
      {2, {"one", "two three four five"}},
      {1, {"one two three four five"}},
      {0, {}},
  };
  TOwnedPtr<TStringList> lines(New<TStringList>());
  for (const auto& c : cases) {
    dxBarGetItemTextLines(surface.Cx, text, R, c.Limit, lines.get());
    std::vector<String> got;
    for (Integer i = 0; i < lines->GetCount(); ++i) got.push_back(lines->GetStrings(i));
    EXPECT_EQ(got, c.Lines) << "limit " << c.Limit;
  }
}

}  // namespace

namespace {

COLORREF Channels(TColor AColor, Integer (*AMap)(Integer)) {
  const COLORREF c = ColorToRGB(AColor);
  return RGB(AMap(GetRValue(c)), AMap(GetGValue(c)), AMap(GetBValue(c)));
}

TEST(dxBarManagerStyle, FlatColoursFollowTheSystemColours) {
  TOwnedPtr<TForm> form(dxBarTests::NewTestForm());
  auto* manager = New<TdxBarManager>(form.get());
  // Shadow 128 -> 102, face 240 -> 242: the expected values worked by hand for the usual scheme, so
  // that a wrong formula cannot hide behind the same arithmetic.
  EXPECT_EQ(ColorToRGB(manager->GetFlatToolbarsBorderColor()), Channels(clBtnShadow, [](Integer c) {
              return c * 8 / 10;
            }));
  EXPECT_EQ(ColorToRGB(manager->GetFlatToolbarsColor()), Channels(clBtnFace, [](Integer c) {
              return c + (255 - c) * 16 / 100;
            }));
  if (ColorToRGB(clBtnShadow) == RGB(160, 160, 160)) EXPECT_EQ(manager->GetFlatToolbarsBorderColor(), RGB(128, 128, 128));
  if (ColorToRGB(clBtnFace) == RGB(240, 240, 240)) EXPECT_EQ(manager->GetFlatToolbarsColor(), RGB(242, 242, 242));
  EXPECT_EQ(manager->GetFlatToolbarsDownedColor(), dxOffice11::GetLightColor(11, 9, 73));
  EXPECT_EQ(manager->GetFlatToolbarsDownedSelColor(), dxOffice11::GetLightColor(14, 44, 40));
  EXPECT_EQ(manager->GetFlatToolbarsSelColor(), dxOffice11::GetLightColor(-2, 30, 72));
}

}  // namespace

namespace {

TdxBarPainter* StandardPainter() { return TClassRef<TdxBarPainter>::Of<TdxBarStandardPainter>().operator->(); }
TdxBarPainter* EnhancedPainter() { return TClassRef<TdxBarPainter>::Of<TdxBarEnhancedPainter>().operator->(); }

// Base, standard and enhanced values side by side: the double grip is 9 deep, the single one 6.
TEST(dxBarPainterStandard, MetricsAgainstTheBase) {
  struct {
    const char* Name;
    std::function<Integer(TdxBarPainter*)> Value;
    Integer Base, Standard, Enhanced;
  } const cases[] = {
      {"FingersSize", [](TdxBarPainter* p) { return p->FingersSize(); }, 0, 9, 6},
      {"BeforeFingersSize", [](TdxBarPainter* p) { return p->BeforeFingersSize(); }, 0, 2, 1},
      {"SubMenuBeginGroupIndent", [](TdxBarPainter* p) { return p->SubMenuBeginGroupIndent(); }, 0, 2, 12},
      {"BarAllowQuickCustomizing", [](TdxBarPainter* p) { return Integer(p->BarAllowQuickCustomizing()); }, 1, 0, 1},
      {"BarAllowHotTrack", [](TdxBarPainter* p) { return Integer(p->BarAllowHotTrack()); }, 1, 0, 0},
      {"BarIsBarSmall(16 high)", [](TdxBarPainter* p) { return Integer(p->BarIsBarSmall(TRect(0, 0, 9, 16))); }, 1, 0,
       0},
      {"GetBorderSize", [](TdxBarPainter* p) { return p->GetBorderSize(); }, 0, 2, 2},
      {"GlyphDrawDownedShift", [](TdxBarPainter* p) { return p->GlyphDrawDownedShift(true); }, 0, 1, 1},
      {"BarHorSize + BarTopSize + BarBottomSize",
       [](TdxBarPainter* p) { return p->BarHorSize() * 100 + p->BarTopSize() * 10 + p->BarBottomSize(); }, 0, 421,
       421},
      {"SubMenuControlBorderSize", [](TdxBarPainter* p) { return p->SubMenuControlBorderSize(); }, 2, 3, 3},
      {"GetEditTextVerticalOffsets.top", [](TdxBarPainter* p) { return p->GetEditTextVerticalOffsets().top; }, 2, 0,
       0},
      {"GetCaptionOffsets.bottom", [](TdxBarPainter* p) { return p->GetCaptionOffsets().bottom; }, 3, 1, 1},
      {"BarUseSystemNCBorder", [](TdxBarPainter* p) { return Integer(p->BarUseSystemNCBorder()); }, 0, 1, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.Value(BasePainter()), c.Base) << c.Name;
    EXPECT_EQ(c.Value(StandardPainter()), c.Standard) << c.Name;
    EXPECT_EQ(c.Value(EnhancedPainter()), c.Enhanced) << c.Name;
  }
}

}  // namespace
