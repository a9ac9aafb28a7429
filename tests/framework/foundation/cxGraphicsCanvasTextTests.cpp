// The framework canvas's text (measuring, vertical alignment, the disabled look, line rects), its
// glyphs and image-list images, object synchronisation and the shared screen canvas. A fixed-advance
// face keeps the expected positions exact.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "ImgList.h"
#include "PixelSurface.h"
#include "WinGdi.h"
#include "WinUserDraw.h"
#include "cxGraphics.h"

namespace {

using namespace PixelSurface;

// The surface with a fixed-advance face in black over a clear brush.
struct TTextSurface : TSurface {
  Integer Advance, LineHeight;
  TTextSurface(int w, int h) : TSurface(w, h) {
    Canvas->GetFont()->SetName("Courier New");
    Canvas->GetFont()->SetHeight(-13);
    Canvas->GetFont()->SetColor(clBlack);
    Canvas->GetBrush()->SetStyle(bsClear);
    Advance = Cx->TextWidth("x");
    LineHeight = Cx->TextHeight("x");
  }
};

}  // namespace

TEST(cxGraphicsCanvasText, TheFixtureFaceHasAFixedAdvance) {
  TTextSurface s(10, 10);
  ASSERT_GT(s.Advance, 0);
  EXPECT_EQ(s.Cx->TextWidth("iiWW"), 4 * s.Advance);
  EXPECT_EQ(s.Cx->FontHeight(s.Cx->GetFont()), s.LineHeight);
}

TEST(cxGraphicsCanvasText, TextExtentMeasuresAndAlignsInTheGivenRect) {
  TTextSurface s(10, 10);
  const Integer A = s.Advance, H = s.LineHeight;
  struct {
    Integer Flags;
    TRect Expected;
  } cases[] = {
      {cxtfWordBreak, TRect(0, 0, 4 * A, 2 * H)},
      {cxtfWordBreak | cxtfAlignRight, TRect(A, 0, 5 * A, 2 * H)},
      {cxtfWordBreak | cxtfAlignHCenter | cxtfAlignBottom, TRect(A / 2, 100 - 2 * H, A / 2 + 4 * A, 100)},
      {cxtfWordBreak | cxtfAlignVCenter, TRect(0, (100 - 2 * H) / 2, 4 * A, (100 - 2 * H) / 2 + 2 * H)},
      {cxtfSingleLine, TRect(0, 0, 9 * A, H)},
  };
  for (const auto& c : cases) {
    TRect r(0, 0, 5 * A, 100);
    s.Cx->TextExtent("aaaa bbbb", r, c.Flags);
    EXPECT_EQ(r, c.Expected) << std::hex << c.Flags;
  }
}

TEST(cxGraphicsCanvasText, MultiLineTextAlignsVertically) {
  TTextSurface s(10, 10);
  const Integer A = s.Advance, H = s.LineHeight;
  struct {
    TcxAlignmentVert Align;
    bool Enabled;
    Integer Top;
  } cases[] = {
      {vaTop, true, 10}, {vaBottom, true, 100 - 2 * H}, {vaBottom, false, 100 - 1 - 2 * H}, {vaCenter, true, (110 - 2 * H) / 2},
  };
  for (const auto& c : cases) {
    TRect r(0, 10, 5 * A, 100);
    s.Cx->AlignMultiLineTextRectVertically(r, "aaaa bbbb", c.Align, true, false, c.Enabled);
    EXPECT_EQ(r.top, c.Top) << c.Align << c.Enabled;
    EXPECT_EQ(r.bottom, 100);
  }
}

TEST(cxGraphicsCanvasText, DisabledTextIsEmbossedOnePixelIn) {
  TTextSurface s(120, 30);
  const TRect r(0, 0, 110, 30);
  s.Cx->DrawTexT("", r, cxtfSingleLine);
  EXPECT_EQ(s.InkCount(), 0);

  s.Cx->DrawTexT("Qq", r, cxtfSingleLine | cxtfAlignRight | cxtfAlignBottom, true);
  const RECT enabled = s.InkBox();
  ASSERT_GT(enabled.right, 0);
  s.Clear();
  // The highlight copy is white on white here; the shadow copy ends one pixel further in.
  s.Cx->DrawTexT("Qq", r, cxtfSingleLine | cxtfAlignRight | cxtfAlignBottom, false);
  const RECT disabled = s.InkBox();
  EXPECT_EQ(disabled.right, enabled.right - 1);
  EXPECT_EQ(disabled.bottom, enabled.bottom - 1);
  EXPECT_EQ(s.Cx->GetFont()->GetColor(), clBlack);
  EXPECT_EQ(s.Cx->GetBrush()->GetStyle(), bsClear);
}

TEST(cxGraphicsCanvasText, MultiLineTextIsDrawnThroughTheSystemLayout) {
  TTextSurface s(100, 100);
  const Integer A = s.Advance, H = s.LineHeight;
  s.Cx->DrawTexT("aaaa bbbb", TRect(0, 0, 5 * A, 100), cxtfWordBreak | cxtfAlignBottom);
  const RECT ink = s.InkBox();
  EXPECT_GE(ink.top, 100 - 2 * H);
  EXPECT_LT(ink.top, 100 - H);
  EXPECT_LE(ink.right, 4 * A);
}

TEST(cxGraphicsCanvasText, LineRectsFollowBreaksAndAlignment) {
  TTextSurface s(10, 10);
  const Integer A = s.Advance, H = s.LineHeight;
  TRectArray bounds;
  s.Cx->GetTextStringsBounds("", TRect(0, 0, 100, 100), cxtfAlignLeft, true, bounds);
  EXPECT_TRUE(bounds.empty());

  // A CR LF pair is one break.
  s.Cx->GetTextStringsBounds("ab\r\ncd", TRect(0, 0, 100, 100), cxtfAlignLeft | cxtfAlignTop, true, bounds);
  ASSERT_EQ(bounds.size(), 2u);
  EXPECT_EQ(bounds[0], TRect(0, 0, 2 * A, H));
  EXPECT_EQ(bounds[1], TRect(0, H, 2 * A, 2 * H));

  // Wrapping at a blank: left alignment keeps it on the line, right alignment drops it.
  s.Cx->GetTextStringsBounds("aaa bbb", TRect(0, 0, 5 * A, 100), cxtfAlignLeft | cxtfWordBreak, true, bounds);
  ASSERT_EQ(bounds.size(), 2u);
  EXPECT_EQ(bounds[0], TRect(0, 0, 4 * A, H));
  EXPECT_EQ(bounds[1], TRect(0, H, 3 * A, 2 * H));
  s.Cx->GetTextStringsBounds("aaa bbb", TRect(0, 0, 5 * A, 100), cxtfAlignRight | cxtfWordBreak, true, bounds);
  ASSERT_EQ(bounds.size(), 2u);
  EXPECT_EQ(bounds[0], TRect(2 * A, 0, 5 * A, H));
  EXPECT_EQ(bounds[1], TRect(2 * A, H, 5 * A, 2 * H));

  // Bottom alignment places the block at the bottom; the prefix mark is not a character.
  s.Cx->GetTextStringsBounds("&ab", TRect(0, 0, 100, 100), cxtfAlignLeft | cxtfAlignBottom | cxtfShowPrefix, true,
                             bounds);
  ASSERT_EQ(bounds.size(), 1u);
  EXPECT_EQ(bounds[0], TRect(0, 100 - H, 2 * A, 100));

  // Too narrow for any character: one character per line, and the loop ends.
  s.Cx->GetTextStringsBounds("abc", TRect(0, 0, 1, 100), cxtfAlignLeft, true, bounds);
  EXPECT_EQ(bounds.size(), 3u);
}

TEST(cxGraphicsCanvasText, LineRectsOfAnyTextStackDownwards) {
  TTextSurface s(10, 10);
  std::mt19937 random(1210);
  const char alphabet[] = {'a', 'W', ' ', '\r', '\n', '&', '\xE6', '\x8B', '\x8D', '\xFF'};
  const Integer flags[] = {cxtfAlignLeft, cxtfAlignRight, cxtfAlignHCenter};
  for (int round = 0; round < 200; ++round) {
    std::string text(random() % 30, 'a');
    for (char& ch : text) ch = alphabet[random() % sizeof alphabet];
    const Integer width = static_cast<Integer>(random() % 80) - 5;
    Integer f = flags[random() % 3] | (random() % 2 ? cxtfShowPrefix : 0) | (random() % 2 ? cxtfWordBreak : 0);
    TRectArray bounds;
    s.Cx->GetTextStringsBounds(text, TRect(0, 0, width, 200), f, random() % 2, bounds);
    ASSERT_LE(bounds.size(), text.size() + 1) << round;
    for (size_t i = 1; i < bounds.size(); ++i) ASSERT_EQ(bounds[i].top, bounds[i - 1].bottom) << round;
  }
}

TEST(cxGraphicsCanvasText, GlyphsLeaveTheirTransparentColourOut) {
  auto glyph = NewOwned<TBitmap>();
  glyph->SetSize(4, 4);
  glyph->GetCanvas()->GetBrush()->SetColor(clFuchsia);
  glyph->GetCanvas()->FillRect(TRect(0, 0, 4, 4));
  glyph->GetCanvas()->GetBrush()->SetColor(clBlack);
  glyph->GetCanvas()->FillRect(TRect(1, 1, 3, 3));
  glyph->SetTransparentMode(tmFixed);
  glyph->SetTransparentColor(clFuchsia);

  TTextSurface s(10, 10);
  s.Cx->FillRect(TRect(0, 0, 10, 10), clLime);
  s.Cx->GetBrush()->SetStyle(bsSolid);
  s.Cx->DrawGlyph(2, 2, glyph.get());  // no background: the canvas shows through
  EXPECT_EQ(s.At(2, 2), 0x00FF00u);
  EXPECT_EQ(s.At(3, 3), 0u);
  EXPECT_EQ(s.Cx->GetBrush()->GetStyle(), bsSolid);
  s.Cx->DrawGlyph(2, 2, glyph.get(), true, clBlue);
  EXPECT_EQ(s.At(2, 2), 0xFF0000u);
  EXPECT_EQ(s.At(4, 4), 0u);

  // Disabled: the image list's embossed look, over the background colour.
  s.Cx->DrawGlyph(2, 2, glyph.get(), false, clWhite);
  for (int y = 2; y < 6; ++y)
    for (int x = 2; x < 6; ++x) {
      const COLORREF c = s.At(x, y);
      EXPECT_TRUE(c == kWhite || c == ColorToRGB(clBtnShadow) || c == ColorToRGB(clBtnHighlight))
          << x << "," << y << " " << std::hex << c;
    }
  EXPECT_EQ(s.At(2, 2), kWhite);
  EXPECT_NE(s.At(3, 3), kWhite);
}

TEST(cxGraphicsCanvasText, ImagesOutsideTheListDrawNothing) {
  TOwnedPtr<TCustomImageList> images(TCustomImageList::CreateSize(4, 4));
  auto red = NewOwned<TBitmap>();
  red->SetSize(4, 4);
  red->GetCanvas()->GetBrush()->SetColor(clRed);
  red->GetCanvas()->FillRect(TRect(0, 0, 4, 4));
  images->Add(red.get(), nullptr);

  TTextSurface s(10, 10);
  s.Cx->DrawImage(images.get(), 0, 0, 1);
  s.Cx->DrawImage(images.get(), 0, 0, -1);
  s.Cx->DrawImage(nullptr, 0, 0, 0);
  EXPECT_EQ(s.InkCount(), 0);
  s.Cx->IntersectClipRect(TRect(0, 0, 8, 8));
  s.Cx->DrawImage(images.get(), 5, 5, 0);
  EXPECT_EQ(s.InkBox(), (RECT{5, 5, 8, 8}));
}

TEST(cxGraphicsCanvasText, ObjectsFollowTheDC) {
  TTextSurface s(10, 10);
  HDC dc = CreateCompatibleDC(nullptr);
  LOGFONT lf;
  lf.lfHeight = -20;
  lf.lfWeight = FW_BOLD;
  lf.lfEscapement = lf.lfOrientation = 450;
  std::strcpy(lf.lfFaceName, "Arial");
  HFONT font = CreateFontIndirect(&lf);
  HBRUSH brush = CreateHatchBrush(HS_DIAGCROSS, RGB(1, 2, 3));
  HPEN pen = CreatePen(PS_DOT, 1, RGB(4, 5, 6));
  HGDIOBJ oldFont = SelectObject(dc, font), oldBrush = SelectObject(dc, brush), oldPen = SelectObject(dc, pen);
  SetTextColor(dc, RGB(7, 8, 9));
  SetROP2(dc, R2_XORPEN);
  s.Cx->SynchronizeObjects(dc);
  EXPECT_EQ(s.Cx->GetFont()->GetName(), "Arial");
  EXPECT_EQ(s.Cx->GetFont()->GetHeight(), -20);
  EXPECT_TRUE(s.Cx->GetFont()->GetStyle().Contains(fsBold));
  EXPECT_EQ(s.Cx->GetFont()->GetEscapement(), 450) << "a rotated font stays rotated";
  EXPECT_EQ(s.Cx->GetFont()->GetColor(), static_cast<TColor>(RGB(7, 8, 9)));
  EXPECT_EQ(s.Cx->GetBrush()->GetStyle(), bsDiagCross);
  EXPECT_EQ(s.Cx->GetBrush()->GetColor(), static_cast<TColor>(RGB(1, 2, 3)));
  EXPECT_EQ(s.Cx->GetPen()->GetStyle(), psDot);
  EXPECT_EQ(s.Cx->GetPen()->GetColor(), static_cast<TColor>(RGB(4, 5, 6)));
  EXPECT_EQ(s.Cx->GetPen()->GetMode(), pmXor);
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(font);
  DeleteObject(brush);
  DeleteObject(pen);
  DeleteDC(dc);
}

// The font angle is in degrees, counter-clockwise: a quarter turn stands the text up, reading from
// bottom to top from where it starts, a quarter turn back reads from top to bottom; angle 0 lays it
// down again. Face, size and style stay as they were through every turn.
TEST(cxGraphicsCanvasText, TheFontAngleTurnsTheTextAndZeroTurnsItBack) {
  TTextSurface s(120, 120);
  s.Canvas->GetFont()->SetStyle({fsBold});
  const String text = "WWWWWW";
  const TPoint origin(60, 60);
  s.Canvas->TextOut(origin.x, origin.y, text);
  const TRect across = s.InkBox();
  ASSERT_GT(across.Width(), 2 * across.Height());
  ASSERT_GE(across.left, origin.x);

  struct TCase {
    Integer Angle;
    bool Rises;  // the text runs upwards from the origin, else downwards
  };
  for (const TCase& c : {TCase{90, true}, TCase{-90, false}}) {
    s.Clear();
    s.Cx->SetFontAngle(c.Angle);
    EXPECT_EQ(s.Cx->GetFont()->GetEscapement(), c.Angle * 10);
    s.Canvas->TextOut(origin.x, origin.y, text);
    const TRect ink = s.InkBox();
    EXPECT_GT(ink.Height(), 2 * ink.Width()) << c.Angle << ": the turned text stands upright";
    EXPECT_NEAR(ink.Height(), across.Width(), 2) << c.Angle << ": as long as the level text";
    if (c.Rises)
      EXPECT_LE(ink.bottom, origin.y + 1) << c.Angle;
    else
      EXPECT_GE(ink.top, origin.y - 1) << c.Angle;
  }

  s.Clear();
  s.Cx->SetFontAngle(0);
  s.Canvas->TextOut(origin.x, origin.y, text);
  EXPECT_EQ(s.InkBox(), across) << "angle 0 gives the level text back";
  const TFont* font = s.Cx->GetFont();
  EXPECT_EQ(font->GetEscapement(), 0);
  EXPECT_EQ(font->GetName(), "Courier New");
  EXPECT_EQ(font->GetHeight(), -13);
  EXPECT_EQ(font->GetStyle(), TFontStyles{fsBold});
}

TEST(cxGraphicsCanvasText, TheScreenCanvasMeasuresText) {
  TcxScreenCanvas* screen = cxScreenCanvas();
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(cxScreenCanvas(), screen);
  EXPECT_GT(screen->TextHeight("Qq"), 0);
  EXPECT_GT(screen->TextWidth("Qq"), 0);
  TRect r(0, 0, 50, 0);
  screen->TextExtent("aaa bbb ccc ddd", r, cxtfWordBreak);
  EXPECT_GT(r.Height(), screen->TextHeight("Qq"));
}
