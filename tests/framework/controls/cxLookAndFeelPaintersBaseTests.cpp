// The base painter's own answers and drawings: symbol colours, focus rectangles, sizes, and the clock
// face with its marks kept through the fill and the caller's clip given back.
#include <gtest/gtest.h>

#include "Graphics.h"
#include "WinGdi.h"
#include "WinUserDraw.h"
#include "cxGraphics.h"
#include "cxLookAndFeelPainters.h"
#include "cxLookAndFeelPaintersUltraFlatTestSurface.h"

using namespace PainterTestSurface;

namespace {

const TcxCustomLookAndFeelPainterClass Base = TcxCustomLookAndFeelPainterClass::Of<TcxCustomLookAndFeelPainter>();

}  // namespace

TEST(cxLookAndFeelPaintersBase, SymbolColoursFocusRectsAndSizes) {
  EXPECT_EQ(Base->ButtonSymbolColor(cxbsDisabled, clRed), clBtnShadow);
  EXPECT_EQ(Base->ButtonSymbolColor(cxbsHot, clRed), clRed);
  EXPECT_EQ(Base->ButtonSymbolColor(cxbsNormal), clBtnText);
  EXPECT_EQ(Base->ButtonFocusRect(nullptr, TRect(0, 0, 8, 20)), TRect(0, 0, 8, 20));
  EXPECT_EQ(Base->ButtonFocusRect(nullptr, TRect(0, 0, 9, 20)), TRect(4, 4, 5, 16));
  EXPECT_EQ(Base->SortingMarkAreaSize(), TPoint(16, 0));
  EXPECT_EQ(Base->DefaultRecordSeparatorColor(), Base->DefaultGridLineColor());
  EXPECT_EQ(TcxCustomLookAndFeelPainter::GetArrowDirection(true, sbpLineUp), adLeft);
  EXPECT_EQ(TcxCustomLookAndFeelPainter::GetArrowDirection(false, sbpPageUp), adDown);
}

TEST(cxLookAndFeelPaintersBase, ClockAtThreeKeepsItsMarksAndGivesTheClipBack) {
  const int w = 61, h = 61;
  TSurface s(w, h);
  TcxCanvas* cx = s.Cx;
  Base->DrawClock(cx, TRect(0, 0, w, h), 3.0 / 24, clYellow);
  // Centre (30, 30), radii 28.5: the twelve o'clock mark sits at (30, 2), three o'clock at (59, 30).
  EXPECT_EQ(s.At(30, 2), 0x808000u);
  EXPECT_EQ(s.At(30, 1), 0xFFFF00u);
  EXPECT_EQ(s.At(10, 30), RGBOf(clYellow));  // the face
  EXPECT_EQ(s.At(42, 30), 0x808000u);        // the hour hand points right
  EXPECT_EQ(s.At(30, 8), RGBOf(clRed));      // the second hand points up
  cx->FillRect(TRect(29, 1, 32, 4), clLime);  // the marks are not clipped any longer
  EXPECT_EQ(s.At(30, 2), RGBOf(clLime));
}
