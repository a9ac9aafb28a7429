#include <gtest/gtest.h>

#include "Graphics.h"
#include "PixelSurface.h"
#include "WinUserDraw.h"
#include "cxCheckBox.h"
#include "cxEditUtilsTestSupport.h"
#include "cxGraphicsCanvas.h"

namespace {

COLORREF RGBOf(TColor AColor) { return ColorToRGB(AColor) & 0xFFFFFF; }

TEST(cxCheckBoxDraw, GlyphIndexFollowsTheStripLayoutAndStaysInsideIt) {
  struct Case {
    TcxCheckBoxState State;
    TcxEditCheckState CheckState;
    bool GrayedGlyphs;
    Integer Count;
    Integer Index;
  };
  const Case cases[] = {
      {cbsUnchecked, ecsNormal, true, 6, 0},  {cbsGrayed, ecsNormal, true, 6, 2},
      {cbsGrayed, ecsPressed, true, 6, 5},    {cbsChecked, ecsHot, true, 6, 1},
      {cbsChecked, ecsPressed, false, 2, 1},  // two frames per row: 3 mod 2
      {cbsChecked, ecsPressed, false, 4, 3},  {cbsGrayed, ecsPressed, false, 3, 2},  // 5 mod 3
      {cbsChecked, ecsPressed, true, 3, 1},
      // Strips shorter than a row: the index would pass the strip's end.
      {cbsGrayed, ecsNormal, true, 2, 1},     {cbsChecked, ecsNormal, true, 1, 0},
      {cbsGrayed, ecsPressed, true, 1, 0},    {cbsGrayed, ecsNormal, false, 1, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(GetEditCheckGlyphIndex(c.State, c.CheckState, c.GrayedGlyphs, c.Count), c.Index)
        << c.State << " " << c.CheckState << " " << c.GrayedGlyphs << " " << c.Count;
}

TEST(cxCheckBoxDraw, BorderOffsetIsTwoLessTheBorderWidthUnlessSomethingElseDraws) {
  const Integer byStyle[] = {2, 1, 0, 0, 0, 1, 1};
  for (int s = ebsNone; s <= ebsOffice11; ++s) {
    const auto style = static_cast<TcxEditBorderStyle>(s);
    EXPECT_EQ(GetEditCheckBorderOffset(style, false, false, nullptr), byStyle[s]) << s;
    EXPECT_EQ(GetEditCheckBorderOffset(style, true, false, nullptr), 0) << s;
    EXPECT_EQ(GetEditCheckBorderOffset(style, false, true, nullptr), 0) << s;
    EXPECT_EQ(GetEditCheckBorderOffset(style, false, false,
                                       TcxCustomLookAndFeelPainterClass::Of<TcxCustomLookAndFeelPainter>()),
              0)
        << s;
  }
  EXPECT_EQ(GetEditCheckBorderOffset(lfFlat, false, false, nullptr), 0);
  EXPECT_EQ(GetEditCheckBorderOffset(lfStandard, false, false, nullptr), 0);
  EXPECT_EQ(GetEditCheckBorderOffset(lfUltraFlat, false, false, nullptr), 1);
  EXPECT_EQ(GetEditCheckBorderOffset(lfOffice11, false, false, nullptr), 1);
}

TEST(cxCheckBoxDraw, FrameControlFlagsOfEachState) {
  struct Case {
    TcxCheckBoxState State;
    TcxEditCheckState CheckState;
    TcxEditBorderStyle Border;
    TcxCheckBoxNullValueShowingStyle Null;
    UINT Flags;
  };
  const Case cases[] = {
      {cbsChecked, ecsDisabled, ebsFlat, nssGrayedChecked, 0x4608},
      {cbsUnchecked, ecsDisabled, ebs3D, nssGrayedChecked, 0x308},
      {cbsGrayed, ecsDisabled, ebs3D, nssInactive, 0x308},
      {cbsGrayed, ecsDisabled, ebs3D, nssGrayedChecked, 0x608},
      {cbsUnchecked, ecsNormal, ebs3D, nssGrayedChecked, 0},
      {cbsChecked, ecsPressed, ebsSingle, nssGrayedChecked, 0x4600},
      {cbsGrayed, ecsHot, ebs3D, nssUnchecked, 0x8},
      {cbsGrayed, ecsNormal, ebs3D, nssInactive, 0x108},
      {cbsGrayed, ecsNormal, ebs3D, nssGrayedChecked, 0x408},
  };
  for (const Case& c : cases)
    EXPECT_EQ(GetEditCheckFrameControlFlags(c.State, c.CheckState, c.Border, c.Null), c.Flags)
        << c.State << " " << c.CheckState << " " << c.Border << " " << c.Null;
}

TEST(cxCheckBoxDraw, TheTickMaskIsBlackOnlyWhereTheTickIs) {
  TBitmap* mask = CheckMarkMask();
  ASSERT_NE(mask, nullptr);
  const TSize size = TcxCustomLookAndFeelPainterClass::Of<TcxCustomLookAndFeelPainter>()->CheckButtonSize();
  ASSERT_EQ(mask->GetWidth(), size.cx);
  HDC dc = mask->GetCanvas()->GetHandle();
  int black = 0, white = 0;
  for (int y = 0; y < size.cy; ++y)
    for (int x = 0; x < size.cx; ++x) (GetPixel(dc, x, y) & 0xFFFFFF) == 0 ? ++black : ++white;
  EXPECT_GT(black, 5);
  EXPECT_GT(white, black);
  EXPECT_EQ(GetPixel(dc, 0, 0) & 0xFFFFFF, 0xFFFFFFu);  // the box's own frame is the same in both images
}

constexpr int Cell = 20;
constexpr TcxEditBorderStyle AllBorders[] = {ebsNone, ebsSingle, ebsThick, ebsFlat, ebs3D, ebsUltraFlat, ebsOffice11};

struct TStateColumn {
  TcxCheckBoxState State;
  TcxEditCheckState CheckState;
  TcxCheckBoxNullValueShowingStyle Null;
};
constexpr TStateColumn Columns[] = {
    {cbsUnchecked, ecsNormal, nssGrayedChecked}, {cbsChecked, ecsNormal, nssGrayedChecked},
    {cbsGrayed, ecsNormal, nssGrayedChecked},    {cbsGrayed, ecsNormal, nssInactive},
    {cbsGrayed, ecsNormal, nssUnchecked},        {cbsChecked, ecsHot, nssGrayedChecked},
    {cbsChecked, ecsPressed, nssGrayedChecked},  {cbsChecked, ecsDisabled, nssGrayedChecked},
    {cbsUnchecked, ecsDisabled, nssGrayedChecked},
};

TRect CellBox(int AColumn, int ARow) {
  const TSize size = GetEditCheckSize(nullptr, false, nullptr, 0, nullptr);
  const int left = 4 + AColumn * Cell, top = 4 + ARow * Cell;
  return TRect(left, top, left + size.cx, top + size.cy);
}

TEST(cxCheckBoxDraw, EveryBorderStyleAndStateDrawsItsOwnBox) {
  PixelSurface::TSurface s(8 + Cell * static_cast<int>(std::size(Columns)), 8 + Cell * 7);
  for (int row = 0; row < 7; ++row)
    for (int col = 0; col < static_cast<int>(std::size(Columns)); ++col) {
      const TStateColumn& c = Columns[col];
      DrawEditCheck(s.Cx, CellBox(col, row), c.State, c.CheckState, nullptr, 0, AllBorders[row], false, clRed,
                    clWhite, true, false, false, true, nullptr, c.Null);
    }
  cxEditUtilsTest::SaveEditUtilsPng(s, "check-box-border-styles-and-states.png", 4);
  for (int row = 0; row < 7; ++row) {
    // A grayed box shown unchecked is the unchecked box, pixel for pixel.
    const TRect unchecked = CellBox(0, row), grayedAsUnchecked = CellBox(4, row);
    for (int y = 0; y < unchecked.Height(); ++y)
      for (int x = 0; x < unchecked.Width(); ++x)
        ASSERT_EQ(s.At(unchecked.left + x, unchecked.top + y), s.At(grayedAsUnchecked.left + x, grayedAsUnchecked.top + y))
            << AllBorders[row] << " " << x << "," << y;
    const TRect checked = CellBox(1, row);
    EXPECT_NE(s.Count(checked, RGBOf(clBtnText)), s.Count(unchecked, RGBOf(clBtnText))) << AllBorders[row];
  }
  // The single and thick frames are drawn in the border colour, inside the offset.
  EXPECT_TRUE(s.RingIs(cxRectInflate(CellBox(0, 1), -1, -1), RGBOf(clRed)));
  EXPECT_EQ(s.At(CellBox(0, 2).left + 1, CellBox(0, 2).top + 1), RGBOf(clRed));
}

TEST(cxCheckBoxDraw, UltraFlatGrayedBoxFollowsTheNullStyle) {
  PixelSurface::TSurface s(80, 30);
  const TRect inactive = CellBox(0, 0), grayedChecked = CellBox(1, 0), checked = CellBox(2, 0);
  DrawEditCheck(s.Cx, inactive, cbsGrayed, ecsNormal, nullptr, 0, ebsUltraFlat, false, clRed, clWhite, true, false,
                false, true, nullptr, nssInactive);
  DrawEditCheck(s.Cx, grayedChecked, cbsGrayed, ecsNormal, nullptr, 0, ebsUltraFlat, false, clRed, clWhite, true,
                false, false, true, nullptr, nssGrayedChecked);
  DrawEditCheck(s.Cx, checked, cbsChecked, ecsNormal, nullptr, 0, ebsUltraFlat, false, clRed, clWhite, true, false,
                false, true, nullptr, nssGrayedChecked);
  cxEditUtilsTest::SaveEditUtilsPng(s, "check-box-ultraflat-null-styles.png", 6);
  const TRect content = cxRectInflate(inactive, -2, -2);
  // Inactive: button face all over, no tick.
  EXPECT_EQ(s.Count(content, RGBOf(clBtnFace)), content.Width() * content.Height());
  // Grayed-checked: the tick in the shadow colour; checked: the same tick in the text colour.
  const int tick = s.Count(cxRectInflate(checked, -2, -2), RGBOf(clBtnText));
  EXPECT_GT(tick, 5);
  EXPECT_EQ(s.Count(cxRectInflate(grayedChecked, -2, -2), RGBOf(clBtnShadow)), tick);
  // An unfocused ultra-flat box has a shadow frame.
  EXPECT_EQ(s.At(checked.left + 1, checked.top + 1), RGBOf(clBtnShadow));  // the frame, inside the offset
}

TEST(cxCheckBoxDraw, AGlyphStripDrawsTheFrameOfTheState) {
  // Six frames of 10 x 10, each filled with its own colour above a white bottom row, the transparent colour.
  const TColor colours[] = {clRed, clLime, clBlue, clYellow, clFuchsia, clAqua};
  TOwnedPtr<TBitmap> strip(New<TBitmap>());
  strip->SetSize(60, 10);
  for (int i = 0; i < 6; ++i) {
    strip->GetCanvas()->GetBrush()->SetColor(colours[i]);
    strip->GetCanvas()->FillRect(TRect(i * 10, 0, i * 10 + 10, 9));
  }
  strip->GetCanvas()->GetBrush()->SetColor(clWhite);
  strip->GetCanvas()->FillRect(TRect(0, 9, 60, 10));
  EXPECT_EQ(GetEditCheckSize(nullptr, false, strip.get(), 6, nullptr), TSize(10, 10));
  PixelSurface::TSurface s(8 + 6 * 14, 20);
  const TStateColumn states[] = {{cbsUnchecked, ecsNormal, nssGrayedChecked}, {cbsChecked, ecsHot, nssGrayedChecked},
                                 {cbsGrayed, ecsNormal, nssGrayedChecked},    {cbsUnchecked, ecsPressed, nssGrayedChecked},
                                 {cbsChecked, ecsPressed, nssGrayedChecked},  {cbsGrayed, ecsPressed, nssGrayedChecked}};
  for (int i = 0; i < 6; ++i) {
    const TRect r(4 + i * 14, 4, 14 + i * 14, 14);
    DrawEditCheck(s.Cx, r, states[i].State, states[i].CheckState, strip.get(), 6, ebsSingle, false, clBlack,
                  clWhite, true, false, false, true, nullptr, states[i].Null);
    EXPECT_EQ(s.Count(r, RGBOf(colours[i])), 90) << i;
  }
  cxEditUtilsTest::SaveEditUtilsPng(s, "check-box-glyph-strip.png", 6);
  // A glyph count of 0 falls back to the box of the base painter.
  EXPECT_EQ(GetEditCheckSize(nullptr, false, strip.get(), 0, nullptr),
            TcxCustomLookAndFeelPainterClass::Of<TcxCustomLookAndFeelPainter>()->CheckButtonSize());
}

TEST(cxCheckBoxDraw, APainterDrawsOnTheFilledBackground) {
  PixelSurface::TSurface s(40, 24);
  const TRect r = CellBox(0, 0);
  DrawEditCheck(s.Cx, r, cbsChecked, ecsNormal, nullptr, 0, ebsSingle, false, clRed, clYellow, true, false, false,
                true, TcxCustomLookAndFeelPainterClass::Of<TcxCustomLookAndFeelPainter>());
  cxEditUtilsTest::SaveEditUtilsPng(s, "check-box-painter.png", 6);
  EXPECT_EQ(s.At(r.left, r.top), RGBOf(clYellow));
  EXPECT_EQ(s.Count(r, RGBOf(clRed)), 0);  // the painter ignores the border colour
  EXPECT_GT(s.InkCount() - s.Count(r, RGBOf(clYellow)), 0);
}

}  // namespace
