// Pixel tests of the editors' shared drawing: each writes an enlarged PNG of its surface.
#include <gtest/gtest.h>

#include "ImgList.h"
#include "PixelSurface.h"
#include "cxEditPaintUtils.h"
#include "cxEditUtils.h"
#include "cxEditUtilsTestSupport.h"
#include "cxExtEditUtils.h"

namespace {

using PixelSurface::TSurface;
using PixelSurface::kWhite;
using cxEditUtilsTest::SaveEditUtilsPng;

constexpr COLORREF EditUtilsRed = 0x0000FF, EditUtilsBlue = 0xFF0000, EditUtilsYellow = 0x00FFFF;

// An 8 x 8 glyph: a red 4 x 4 square on fuchsia, its transparent colour.
TOwnedPtr<TBitmap> MakeEditUtilsGlyph() {
  auto glyph = NewOwned<TBitmap>();
  glyph->SetSize(8, 8);
  glyph->GetCanvas()->GetBrush()->SetColor(clFuchsia);
  glyph->GetCanvas()->FillRect(TRect(0, 0, 8, 8));
  glyph->GetCanvas()->GetBrush()->SetColor(clRed);
  glyph->GetCanvas()->FillRect(TRect(2, 2, 6, 6));
  glyph->SetTransparentColor(clFuchsia);
  return glyph;
}

TEST(cxEditUtilsDrawing, ArrowsInEveryDirection) {
  TSurface s(100, 48);
  struct Case {
    TcxArrowDirection Direction;
    bool Double, Pressed;
    TRect Expected;  // the ink box inside the cell at x = 20 * i
  };
  // Size 4 in a 20 x 20 cell: a 7 x 4 box (7 x 8 double), centred.
  const Case cases[] = {
      {adUp, false, false, TRect(6, 8, 13, 12)},   {adDown, false, false, TRect(6, 8, 13, 12)},
      {adLeft, false, false, TRect(8, 6, 12, 13)}, {adRight, false, false, TRect(8, 6, 12, 13)},
      {adDown, false, true, TRect(7, 9, 14, 13)},
  };
  for (int i = 0; i < 5; ++i) {
    const Case& c = cases[i];
    const TRect cell(20 * i, 0, 20 * i + 20, 20);
    DrawArrow(s.Canvas, 4, cell, c.Direction, c.Double, c.Pressed, clBlack);
    EXPECT_EQ(s.InkBox(cell, kWhite), cxRectOffset(c.Expected, cell.left, 0)) << i;
    EXPECT_EQ(s.Count(cell, 0), 16) << i;
  }
  // The tip is one pixel and the base is the full width, whichever way the arrow points.
  EXPECT_EQ(s.At(9, 8), 0u);
  EXPECT_EQ(s.At(8, 8), kWhite);
  EXPECT_EQ(s.Count(TRect(20, 8, 40, 9), 0), 7);
  EXPECT_EQ(s.Count(TRect(20, 11, 40, 12), 0), 1);
  EXPECT_EQ(s.At(48, 9), 0u);
  EXPECT_EQ(s.Count(TRect(68, 0, 69, 20), 0), 7);
  // Double arrows: the second follows the first along the axis.
  for (int i = 0; i < 2; ++i) {
    const TRect cell(20 * i, 24, 20 * i + 20, 48);
    DrawArrow(s.Canvas, 4, cell, i == 0 ? adDown : adRight, true, false, clRed);
    EXPECT_EQ(s.Count(cell, EditUtilsRed), 32) << i;
  }
  EXPECT_EQ(s.InkBox(TRect(0, 24, 20, 48), kWhite), TRect(6, 32, 13, 40));
  EXPECT_EQ(s.InkBox(TRect(20, 24, 40, 48), kWhite), TRect(26, 32, 34, 39));
  EXPECT_EQ(s.Count(TRect(0, 36, 20, 37), EditUtilsRed), 7);  // the base of the second arrow down
  SaveEditUtilsPng(s, "edit-utils-arrows.png");
}

TEST(cxEditUtilsDrawing, ButtonBordersFramesAndLines) {
  TSurface s(60, 24);
  TRect r(2, 2, 10, 8);
  DrawButtonBorder(s.Canvas, r, TcxBorders{bLeft, bTop}, clRed);
  EXPECT_EQ(r, TRect(3, 3, 10, 8));
  EXPECT_EQ(s.Count(TRect(0, 0, 12, 12), EditUtilsRed), 6 + 7);
  r = TRect(14, 2, 22, 8);
  DrawButtonBorder(s.Canvas, r, cxBordersAll, clBlue);
  EXPECT_EQ(r, TRect(15, 3, 21, 7));
  EXPECT_TRUE(s.RingIs(TRect(14, 2, 22, 8), EditUtilsBlue));
  EXPECT_EQ(s.Count(TRect(15, 3, 21, 7), kWhite), 24);

  // The outer rectangle less the inner one; nothing for equal ones; all for an empty inner one.
  InternalFillRect(s.Canvas, TRect(26, 2, 36, 12), TRect(29, 5, 32, 8), GetSolidBrush(clYellow));
  EXPECT_EQ(s.Count(TRect(26, 2, 36, 12), EditUtilsYellow), 100 - 9);
  InternalFillRect(s.Canvas, TRect(38, 2, 44, 8), TRect(38, 2, 44, 8), GetSolidBrush(clYellow));
  EXPECT_EQ(s.Count(TRect(38, 2, 44, 8), EditUtilsYellow), 0);
  InternalFillRect(s.Canvas, TRect(38, 2, 44, 8), TRect(), GetSolidBrush(clYellow));
  EXPECT_EQ(s.Count(TRect(38, 2, 44, 8), EditUtilsYellow), 36);

  // A poly-line includes its last point, stroked or filled alike.
  const TPoint line[] = {TPoint(2, 14), TPoint(8, 14), TPoint(8, 20)};
  InternalPolyLine(s.Canvas, line, 2, clRed);
  const TPoint filled[] = {TPoint(14, 14), TPoint(20, 14), TPoint(20, 20)};
  InternalPolyLine(s.Canvas, filled, 2, clBlue, true);
  EXPECT_EQ(s.Count(TRect(0, 12, 12, 24), EditUtilsRed), 13);
  EXPECT_EQ(s.At(8, 20), EditUtilsRed);
  EXPECT_EQ(s.Count(TRect(12, 12, 24, 24), EditUtilsBlue), 13);
  EXPECT_EQ(s.At(20, 20), EditUtilsBlue);

  cxEditFillRect(s.Canvas, TRect(46, 14, 50, 18), clRed);
  cxEditFillRect(s.Cx, TRect(50, 14, 54, 18), clBlue);
  EXPECT_EQ(s.Count(TRect(46, 14, 54, 18), EditUtilsRed), 16);
  EXPECT_EQ(s.Count(TRect(46, 14, 54, 18), EditUtilsBlue), 16);
  SaveEditUtilsPng(s, "edit-utils-borders.png");
}

TEST(cxEditUtilsDrawing, GlyphsOnColoursBitmapsAndDisabled) {
  TSurface s(72, 12);
  s.Canvas->GetBrush()->SetColor(clSilver);
  s.Canvas->FillRect(TRect(0, 0, 72, 12));
  auto glyph = MakeEditUtilsGlyph();
  const COLORREF silver = PixelSurface::RGBOf(clSilver);
  // The canvas shows through the transparent colour.
  DrawGlyph(s.Canvas, 2, 2, glyph.get());
  EXPECT_EQ(s.Count(TRect(2, 2, 10, 10), EditUtilsRed), 16);
  EXPECT_EQ(s.Count(TRect(2, 2, 10, 10), silver), 48);
  // A background colour fills it.
  DrawGlyph(s.Cx, 12, 2, glyph.get(), true, clYellow);
  EXPECT_EQ(s.Count(TRect(12, 2, 20, 10), EditUtilsYellow), 48);
  // A background bitmap is drawn under the glyph, then goes to the canvas.
  auto background = NewOwned<TBitmap>();
  background->SetSize(8, 8);
  background->GetCanvas()->GetBrush()->SetColor(clBlue);
  background->GetCanvas()->FillRect(TRect(0, 0, 8, 8));
  DrawGlyph(s.Canvas, 22, 2, glyph.get(), true, clYellow, background.get());
  EXPECT_EQ(s.Count(TRect(22, 2, 30, 10), EditUtilsBlue), 48);
  EXPECT_EQ(s.Count(TRect(22, 2, 30, 10), EditUtilsRed), 16);
  // Disabled: the image list's greyed look, on the colour or straight on the canvas.
  DrawGlyph(s.Canvas, 32, 2, glyph.get(), false, clYellow);
  EXPECT_EQ(s.Count(TRect(32, 2, 40, 10), EditUtilsRed), 0);
  EXPECT_GE(s.Count(TRect(32, 2, 40, 10), EditUtilsYellow), 40);
  DrawGlyph(s.Canvas, 42, 2, glyph.get(), false);
  EXPECT_EQ(s.Count(TRect(42, 2, 50, 10), EditUtilsRed), 0);
  EXPECT_GE(s.Count(TRect(42, 2, 50, 10), silver), 40);
  EXPECT_LT(s.Count(TRect(42, 2, 50, 10), silver), 64);
  // From an image list, on a temporary bitmap of the background colour.
  auto images = TOwnedPtr<TCustomImageList>(TCustomImageList::CreateSize(8, 8));
  images->AddMasked(glyph.get(), clFuchsia);
  DrawGlyph(s.Cx, images.get(), 0, TRect(52, 2, 70, 10), clAqua, true);
  EXPECT_EQ(s.Count(TRect(52, 2, 60, 10), EditUtilsRed), 16);
  EXPECT_EQ(s.Count(TRect(52, 2, 60, 10), PixelSurface::RGBOf(clAqua)), 48);
  EXPECT_EQ(s.Count(TRect(60, 2, 70, 10), silver), 80);
  DrawGlyph(s.Cx, images.get(), 0, TRect(62, 2, 70, 10), clAqua, false);
  EXPECT_EQ(s.Count(TRect(62, 2, 70, 10), EditUtilsRed), 0);
  SaveEditUtilsPng(s, "edit-utils-glyphs.png");

  EXPECT_TRUE(VerifyBitmap(glyph.get()));
  EXPECT_FALSE(VerifyBitmap(nullptr));
  auto empty = NewOwned<TBitmap>();
  EXPECT_FALSE(VerifyBitmap(empty.get()));
  empty->SetSize(4, 0);
  EXPECT_FALSE(VerifyBitmap(empty.get()));
  EXPECT_TRUE(VerifyImages(images.get()));
  EXPECT_FALSE(VerifyImages(nullptr));
}

TEST(cxEditUtilsDrawing, ExtendedEditorsBoundsAndDelimiters) {
  TSurface s(40, 16);
  const TRect inner = DrawBounds(s.Canvas, TRect(2, 2, 8, 8), clRed, clBlue);
  EXPECT_EQ(inner, TRect(3, 3, 7, 7));
  // Left and top lines to and including the far corner; right and bottom ones in the second colour.
  EXPECT_EQ(s.Count(TRect(0, 0, 12, 12), EditUtilsRed), 7 + 6);
  EXPECT_EQ(s.Count(TRect(0, 0, 12, 12), EditUtilsBlue), 5 + 6);
  EXPECT_EQ(s.At(2, 8), EditUtilsRed);
  EXPECT_EQ(s.At(8, 2), EditUtilsRed);
  EXPECT_EQ(s.At(8, 8), EditUtilsBlue);
  EXPECT_EQ(s.Count(TRect(3, 3, 8, 8), kWhite), 25);

  DrawMRUDelimiter(s.Canvas, TRect(12, 2, 30, 12), false);
  const COLORREF text = PixelSurface::RGBOf(clWindowText);
  EXPECT_EQ(s.Count(TRect(12, 9, 30, 10), text), 18);
  EXPECT_EQ(s.Count(TRect(12, 11, 30, 12), text), 18);
  EXPECT_EQ(s.Count(TRect(12, 10, 30, 11), text), 0);
  DrawCanvasLine(s.Canvas, clRed, TPoint(32, 2), TPoint(32, 12));
  EXPECT_EQ(s.Count(TRect(32, 0, 33, 16), EditUtilsRed), 10);
  SaveEditUtilsPng(s, "edit-utils-bounds.png");
}

TEST(cxEditUtilsDrawing, CanvasFontTurnsTrueTypeFontsAndIsSavedAsFontData) {
  TSurface s(120, 120);
  auto font = NewOwned<TFont>();
  font->SetHeight(-16);
  struct Case {
    Integer Angle, Escapement;
  };
  for (const Case& c : {Case{-90, 2700}, Case{450, 900}, Case{0, 0}, Case{360, 0}, Case{-450, 2700}}) {
    EXPECT_TRUE(AdjustCanvasFont(s.Canvas, font.get(), c.Angle));
    EXPECT_EQ(s.Canvas->GetFont()->GetEscapement(), c.Escapement) << c.Angle;
  }
  AdjustCanvasFont(s.Canvas, font.get(), -90);
  s.Canvas->GetBrush()->SetStyle(bsClear);
  s.Canvas->TextOut(60, 10, "Wg turned");
  const TRect ink = s.InkBox();
  EXPECT_GT(ink.Height(), ink.Width());  // the text runs downwards
  SaveEditUtilsPng(s, "edit-utils-turned-font.png", 2);

  LOGFONTA saved;
  SaveCanvasFont(s.Cx, saved);
  EXPECT_EQ(saved.lfEscapement, 2700);
  s.Canvas->GetFont()->Assign(font.get());
  EXPECT_EQ(s.Canvas->GetFont()->GetEscapement(), 0);
  RestoreCanvasFont(s.Cx, saved);
  EXPECT_EQ(s.Canvas->GetFont()->GetEscapement(), 2700);
  EXPECT_EQ(s.Canvas->GetFont()->GetHeight(), -16);
}

TEST(cxEditUtilsDrawing, TextMeasuredWithoutAControl) {
  TSurface s(10, 10);
  auto font = NewOwned<TFont>();
  font->SetHeight(-14);
  s.Canvas->SetFont(font.get());
  EXPECT_EQ(NonCanvasTextHeight(font.get()), s.Canvas->TextHeight("Wg"));
  EXPECT_EQ(NonCanvasTextWidth(font.get(), "Hello"), s.Canvas->TextWidth("Hello"));
  const Integer longLine = s.Canvas->TextWidth("a much longer line");
  // The widest line counts, not the text laid out as one line.
  EXPECT_EQ(CalcMaxWidth(s.Canvas, "short\r\na much longer line\nx"), longLine + 1);
  EXPECT_EQ(CalcMaxWidth(s.Canvas, "one line"), s.Canvas->TextWidth("one line") + 1);
  EXPECT_EQ(CalcMaxWidth(s.Canvas, ""), 1);
}

}  // namespace
