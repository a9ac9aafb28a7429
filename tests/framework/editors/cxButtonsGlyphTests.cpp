// The button's colours per state, its glyph frames and prepared images, the glyph cache shared by
// image size, and the layout of glyph and caption.
#include <gtest/gtest.h>

#include "PixelSurface.h"
#include "cxButtons.h"
#include "cxGeometry.h"

namespace {

// A glyph bitmap of AFrames frames of ASize x ASize pixels, frame i filled with AColors[i].
TOwnedPtr<TBitmap> MakeButtonGlyphStrip(Integer ASize, const std::vector<TColor>& AColors) {
  auto bitmap = NewOwned<TBitmap>();
  bitmap->SetPixelFormat(Graphics::pf24bit);
  bitmap->SetSize(ASize * static_cast<Integer>(AColors.size()), ASize);
  for (size_t i = 0; i < AColors.size(); ++i) {
    bitmap->GetCanvas()->GetBrush()->SetColor(AColors[i]);
    const Integer left = static_cast<Integer>(i) * ASize;
    bitmap->GetCanvas()->FillRect(TRect(left, 0, left + ASize, ASize));
  }
  // The bottom-left pixel is the transparent colour: keep it apart from the frame colours.
  bitmap->GetCanvas()->SetPixel(0, ASize - 1, clFuchsia);
  return bitmap;
}

TEST(cxButtonColors, StatesFallBackToTheNormalAndDefaultColours) {
  TOwnedPtr<TcxButtonColors> colors = NewOwned<TcxButtonColors>(nullptr);
  for (int s = cxbsDefault; s <= cxbsDisabled; ++s) {
    const auto state = static_cast<TcxButtonState>(s);
    EXPECT_EQ(colors->GetColorByState(state), cxButtonColorNotSet) << s;
    EXPECT_EQ(colors->GetTextColorByState(state), cxButtonColorNotSet) << s;
  }
  colors->SetColor(cxbcDefault, clYellow);
  EXPECT_EQ(colors->GetColorByState(cxbsNormal), clYellow) << "normal falls back to the default colour";
  EXPECT_EQ(colors->GetColorByState(cxbsHot), cxButtonColorNotSet) << "the others fall back to the normal one";
  colors->SetColor(cxbcNormal, clLime);
  colors->SetColor(cxbcHotText, clRed);
  EXPECT_EQ(colors->GetColorByState(cxbsNormal), clLime);
  EXPECT_EQ(colors->GetColorByState(cxbsPressed), clLime);
  EXPECT_EQ(colors->GetColorByState(cxbsDefault), clYellow);
  EXPECT_EQ(colors->GetTextColorByState(cxbsHot), clRed);
  EXPECT_EQ(colors->GetTextColorByState(cxbsNormal), cxButtonColorNotSet);
  EXPECT_EQ(colors->GetAssignedColors(), (TcxButtonAssignedColors{cxbcDefault, cxbcNormal, cxbcHotText}));

  // clNone clears a colour; the assigned set itself changes only while the button is designed.
  colors->SetColor(cxbcNormal, clNone);
  EXPECT_EQ(colors->GetColor(cxbcNormal), cxButtonColorNotSet);
  EXPECT_FALSE(colors->IsColorStored(cxbcNormal));
  colors->SetAssignedColors({});
  EXPECT_EQ(colors->GetAssignedColors(), (TcxButtonAssignedColors{cxbcDefault, cxbcHotText}));

  TOwnedPtr<TcxButtonColors> copy = NewOwned<TcxButtonColors>(nullptr);
  copy->Assign(colors.get());
  EXPECT_EQ(copy->GetColor(cxbcHotText), clRed);
  EXPECT_EQ(copy->GetAssignedColors(), colors->GetAssignedColors());
}

TEST(cxButtonGlyph, FrameCountFollowsTheGlyphShape) {
  struct TCase {
    Integer Width, Height, Frames;
  };
  const TCase cases[] = {{64, 16, 4}, {80, 16, 1}, {20, 16, 1}, {32, 16, 2}, {16, 16, 1}};
  TOwnedPtr<TcxButtonGlyph> glyph = NewOwned<TcxButtonGlyph>();
  for (const TCase& c : cases) {
    auto bitmap = NewOwned<TBitmap>();
    bitmap->SetSize(c.Width, c.Height);
    glyph->SetGlyph(bitmap.get());
    EXPECT_EQ(glyph->GetNumGlyphs(), c.Frames) << c.Width << "x" << c.Height;
    EXPECT_EQ(glyph->GetImageSize().cx, c.Width / c.Frames);
  }
  glyph->SetNumGlyphs(9);
  EXPECT_EQ(glyph->GetNumGlyphs(), 4);
  glyph->SetNumGlyphs(0);
  EXPECT_EQ(glyph->GetNumGlyphs(), 1);
}

TEST(cxButtonGlyph, EachStateShowsItsFrame) {
  EXPECT_EQ(cxButtonGlyphSlot(cxbsPressed, 2), 0) << "a pressed glyph needs a third frame";
  EXPECT_EQ(cxButtonGlyphSlot(cxbsPressed, 3), 2);
  EXPECT_EQ(cxButtonGlyphSlot(cxbsDisabled, 1), 1);
  EXPECT_EQ(cxButtonGlyphSlot(cxbsHot, 4), 0);

  TOwnedPtr<TcxButtonGlyph> glyph = NewOwned<TcxButtonGlyph>();
  auto strip = MakeButtonGlyphStrip(8, {clBlue, clRed});
  glyph->SetGlyph(strip.get());
  ASSERT_EQ(glyph->GetNumGlyphs(), 2);
  PixelSurface::TSurface s(40, 12);
  s.Cx->FillRect(TRect(0, 0, 40, 12), clBtnFace);
  struct TCase {
    TcxButtonState State;
    TColor Frame;
  };
  const TCase cases[] = {{cxbsNormal, clBlue}, {cxbsPressed, clBlue}, {cxbsDisabled, clRed}};
  for (size_t i = 0; i < std::size(cases); ++i) {
    const Integer x = 2 + static_cast<Integer>(i) * 12;
    glyph->Draw(s.Cx, TRect(x, 2, x + 8, 10), TPoint(0, 0), "", blGlyphLeft, -1, -1, cases[i].State, 0, false);
    EXPECT_EQ(s.At(x + 4, 4), PixelSurface::RGBOf(cases[i].Frame)) << cases[i].State;
    if (cases[i].Frame == clBlue)
      EXPECT_EQ(s.At(x, 9), PixelSurface::RGBOf(clBtnFace)) << "the transparent colour shows the background";
  }
  // A one-frame glyph gets a generated disabled look: neither its colour nor nothing at all.
  auto single = MakeButtonGlyphStrip(8, {clBlue});
  glyph->SetGlyph(single.get());
  s.Clear();
  glyph->Draw(s.Cx, TRect(2, 2, 10, 10), TPoint(0, 0), "", blGlyphLeft, -1, -1, cxbsDisabled, 0, false);
  EXPECT_EQ(s.Count(TRect(2, 2, 10, 10), PixelSurface::RGBOf(clBlue)), 0);
  EXPECT_GT(s.InkBox(TRect(2, 2, 10, 10), PixelSurface::kWhite).Width(), 0);
}

TEST(cxButtonGlyph, PreparedImagesAreSharedBySizeAndTheCacheGoesWithTheLastGlyph) {
  auto strip = MakeButtonGlyphStrip(8, {clBlue, clRed});
  auto other = MakeButtonGlyphStrip(10, {clGreen});
  {
    TOwnedPtr<TcxButtonGlyph> first = NewOwned<TcxButtonGlyph>();
    TOwnedPtr<TcxButtonGlyph> second = NewOwned<TcxButtonGlyph>();
    TOwnedPtr<TcxButtonGlyph> third = NewOwned<TcxButtonGlyph>();
    first->SetGlyph(strip.get());
    second->SetGlyph(strip.get());
    third->SetGlyph(other.get());
    EXPECT_EQ(first->CreateButtonGlyph(cxbsNormal), 0);
    EXPECT_EQ(first->CreateButtonGlyph(cxbsDisabled), 1);
    EXPECT_EQ(second->CreateButtonGlyph(cxbsNormal), 2);
    EXPECT_EQ(first->CreateButtonGlyph(cxbsHot), 0) << "a prepared slot is reused";
    third->CreateButtonGlyph(cxbsNormal);
    ASSERT_NE(GlyphCache(), nullptr);
    EXPECT_EQ(first->GetGlyphList(), second->GetGlyphList());
    EXPECT_NE(first->GetGlyphList(), third->GetGlyphList());
    EXPECT_EQ(GlyphCache()->ListCount(), 2);

    // A changed glyph gives its indexes back; the next image takes a freed one before the list grows.
    TcxGlyphList* shared = first->GetGlyphList();
    first->SetGlyph(strip.get());
    EXPECT_EQ(first->GetSlotIndex(0), -1);
    EXPECT_EQ(shared->UsedCount(), 1);
    EXPECT_EQ(first->CreateButtonGlyph(cxbsNormal), 0);
    EXPECT_EQ(shared->GetCount(), 3);
    third.reset();
    EXPECT_EQ(GlyphCache()->ListCount(), 1) << "a list without images in use goes";
  }
  EXPECT_EQ(GlyphCache(), nullptr);
}

TEST(cxButtonGlyph, LayoutPlacesGlyphAndCaption) {
  PixelSurface::TSurface s(10, 10);
  s.Cx->GetFont()->SetName("Liberation Sans");
  s.Cx->GetFont()->SetSize(9);
  const TSize text = s.Cx->TextExtent("OK");
  TOwnedPtr<TcxButtonGlyph> glyph = NewOwned<TcxButtonGlyph>();
  const TRect client(10, 20, 110, 60);  // 100 x 40
  TPoint glyphPos;
  TRect textRect;

  // No glyph: the caption, one pixel before and two after it, is centred.
  glyph->CalcButtonLayout(s.Cx, client, TPoint(0, 0), "OK", blGlyphLeft, -1, 4, glyphPos, textRect, 0);
  EXPECT_EQ(textRect.Width(), text.cx);
  EXPECT_EQ(textRect.left, 10 + (100 - (text.cx + 3)) / 2 + 1);
  EXPECT_EQ(textRect.top, 20 + (40 - text.cy - 1) / 2);

  auto strip = MakeButtonGlyphStrip(16, {clBlue});
  glyph->SetGlyph(strip.get());
  struct TCase {
    TButtonLayout Layout;
    Integer Margin, Spacing;
    TPoint Glyph;
    Integer TextLeft, TextTop;  // -1: not checked
  };
  const Integer rowText = 20 + (40 - text.cy - 1) / 2;
  const TCase cases[] = {
      {blGlyphLeft, -1, 4, {10 + (100 - (16 + 4 + text.cx)) / 2, 32}, 10 + (100 - (16 + 4 + text.cx)) / 2 + 20, rowText},
      {blGlyphLeft, 5, 4, {15, 32}, 15 + 20, rowText},
      {blGlyphRight, 5, 4, {10 + 100 - 5 - 16, 32}, 10 + 100 - 5 - 16 - 4 - text.cx, rowText},
      {blGlyphLeft, 5, -1, {15, 32}, 15 + 16 + (100 - 21 - text.cx) / 2, rowText},
      {blGlyphLeft, -1, -1, {10 + (100 - 16 - text.cx) / 3, 32}, 10 + 2 * ((100 - 16 - text.cx) / 3) + 16, rowText},
      {blGlyphTop, 2, 1, {10 + 42, 22}, -1, 20 + 2 + 16 + 1},
      {blGlyphBottom, 2, 1, {10 + 42, 20 + 40 - 2 - 16}, -1, 20 + 40 - 2 - 16 - 1 - text.cy},
  };
  for (const TCase& c : cases) {
    glyph->CalcButtonLayout(s.Cx, client, TPoint(1, 1), "OK", c.Layout, c.Margin, c.Spacing, glyphPos, textRect, 0);
    EXPECT_EQ(glyphPos, TPoint(c.Glyph.x + 1, c.Glyph.y + 1)) << c.Layout << " " << c.Margin << " " << c.Spacing;
    if (c.TextLeft >= 0) EXPECT_EQ(textRect.left, c.TextLeft + 1) << c.Layout;
    EXPECT_EQ(textRect.top, c.TextTop + 1) << c.Layout;
  }
  // Without a caption the spacing is dropped and the glyph is centred; right-to-left swaps the sides.
  glyph->CalcButtonLayout(s.Cx, client, TPoint(0, 0), "", blGlyphLeft, -1, 4, glyphPos, textRect, 0);
  EXPECT_EQ(glyphPos.x, 10 + (100 - 16) / 2);
  glyph->CalcButtonLayout(s.Cx, client, TPoint(0, 0), "OK", blGlyphLeft, 5, 4, glyphPos, textRect, DT_RIGHT);
  EXPECT_EQ(glyphPos.x, 10 + 100 - 5 - 16);
}

}  // namespace
