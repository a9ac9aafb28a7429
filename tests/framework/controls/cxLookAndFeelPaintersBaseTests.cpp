// The base painter's own answers and drawings: symbol colours, focus rectangles, sizes, and the clock
// face with its marks kept through the fill and the caller's clip given back.
#include <gtest/gtest.h>

#include "Graphics.h"
#include "WinGdi.h"
#include "WinUserDraw.h"
#include "cxGraphics.h"
#include "cxLookAndFeelPainters.h"

namespace {

const TcxCustomLookAndFeelPainterClass Base = TcxCustomLookAndFeelPainterClass::Of<TcxCustomLookAndFeelPainter>();

COLORREF RGBOf(TColor c) { return ColorToRGB(c) & 0xFFFFFF; }

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
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateBitmap(w, h, 1, 32, nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  {
    auto canvas = NewOwned<TCanvas>();
    canvas->SetHandle(dc);
    auto cx = NewOwned<TcxCanvas>(canvas.get());
    cx->FillRect(TRect(0, 0, w, h), clWhite);
    Base->DrawClock(cx.get(), TRect(0, 0, w, h), 3.0 / 24, clYellow);
    // Centre (30, 30), radii 28.5: the twelve o'clock mark sits at (30, 2), three o'clock at (59, 30).
    EXPECT_EQ(GetPixel(dc, 30, 2) & 0xFFFFFF, 0x808000u);
    EXPECT_EQ(GetPixel(dc, 30, 1) & 0xFFFFFF, 0xFFFF00u);
    EXPECT_EQ(GetPixel(dc, 10, 30) & 0xFFFFFF, RGBOf(clYellow));  // the face
    EXPECT_EQ(GetPixel(dc, 42, 30) & 0xFFFFFF, 0x808000u);        // the hour hand points right
    EXPECT_EQ(GetPixel(dc, 30, 8) & 0xFFFFFF, RGBOf(clRed));      // the second hand points up
    cx->FillRect(TRect(29, 1, 32, 4), clLime);                    // the marks are not clipped any longer
    EXPECT_EQ(GetPixel(dc, 30, 2) & 0xFFFFFF, RGBOf(clLime));
    canvas->SetHandle(nullptr);
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}
