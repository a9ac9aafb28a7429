// The framework canvas: the cx text flags, regions, the clip protocol and the state stacks, fills,
// frames and edges, bitmaps (tiles, rotation, flipping, constant alpha), pie slices and text.
#include <gtest/gtest.h>

#include <cstring>

#include "GdiObjects.h"
#include "PixelSurface.h"
#include "RtlMath.h"
#include "WinGdi.h"
#include "WinUserDraw.h"
#include "cxGraphics.h"

namespace {

using namespace PixelSurface;

// A 32-bit bitmap whose pixel (x, y) is the colour Code(x, y).
COLORREF Code(int x, int y) { return RGB(10 + x * 10, 10 + y * 10, 77); }
TOwnedPtr<TBitmap> CodedBitmap(int w, int h) {
  auto b = NewOwned<TBitmap>();
  b->SetPixelFormat(pf32bit);
  b->SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b->GetCanvas()->SetPixel(x, y, Code(x, y));
  return b;
}

}  // namespace

TEST(cxGraphicsCanvas, CxTextFlagsMapToDrawTextFlags) {
  struct {
    Integer Cx;
    UINT Dt;
  } cases[] = {
      {0, DT_NOPREFIX},
      {cxtfAlignLeft | cxtfAlignTop, DT_NOPREFIX},
      {cxtfAlignRight, DT_NOPREFIX | DT_RIGHT},
      {cxtfAlignHCenter | cxtfAlignVCenter, DT_NOPREFIX | DT_CENTER | DT_VCENTER},
      {cxtfAlignRight | cxtfAlignHCenter, DT_NOPREFIX | DT_RIGHT | DT_CENTER},  // bit by bit
      {cxtfAlignBottom | cxtfSingleLine, DT_NOPREFIX | DT_BOTTOM | DT_SINGLELINE},
      {cxtfDontClip | cxtfExpandTabs, DT_NOPREFIX | DT_NOCLIP | DT_EXPANDTABS},
      {cxtfShowPrefix, 0},
      {cxtfWordBreak, DT_NOPREFIX | DT_WORDBREAK | DT_EDITCONTROL},
      {cxtfWordBreak | cxtfDontBreakChars, DT_NOPREFIX | DT_WORDBREAK},
      {cxtfDontBreakChars, DT_NOPREFIX},
      {cxtfShowEndEllipsis | cxtfCalcRect, DT_NOPREFIX | DT_END_ELLIPSIS | DT_CALCRECT},
      {cxtfShowPathEllipsis | cxtfShowPrefix, DT_PATH_ELLIPSIS},
  };
  for (const auto& c : cases) EXPECT_EQ(cxFlagsToDTFlags(c.Cx), c.Dt) << std::hex << c.Cx;
}

TEST(cxGraphicsCanvas, RegionsCombineByOperation) {
  struct {
    TcxRegionOperation Op;
    TRect Bounds;
    TPoint Inside, Outside;
  } cases[] = {
      {roSet, TRect(5, 5, 15, 15), TPoint(12, 12), TPoint(2, 2)},
      {roAdd, TRect(0, 0, 15, 15), TPoint(12, 12), TPoint(12, 2)},
      {roSubtract, TRect(0, 0, 10, 10), TPoint(2, 2), TPoint(7, 7)},
      {roIntersect, TRect(5, 5, 10, 10), TPoint(7, 7), TPoint(2, 2)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Op);
    auto a = NewOwned<TcxRegion>(0, 0, 10, 10);
    auto b = NewOwned<TcxRegion>(TRect(5, 5, 15, 15));
    a->Combine(b.get(), c.Op, false);
    EXPECT_EQ(a->GetBoundsRect(), c.Bounds);
    EXPECT_TRUE(a->PtInRegion(c.Inside));
    EXPECT_FALSE(a->PtInRegion(c.Outside.x, c.Outside.y));
    EXPECT_EQ(b->GetBoundsRect(), TRect(5, 5, 15, 15));  // the other region is left as it was
  }
  // With the destroy flag the other region (and its handle) is gone.
  auto a = NewOwned<TcxRegion>(0, 0, 10, 10);
  auto* b = New<TcxRegion>(0, 0, 4, 4);
  HRGN handle = b->GetHandle();
  a->Combine(b, roSubtract, true);
  EXPECT_FALSE(IsLive(handle));
  EXPECT_FALSE(a->PtInRegion(1, 1));
}

TEST(cxGraphicsCanvas, RegionQueries) {
  auto empty = NewOwned<TcxRegion>();
  EXPECT_TRUE(empty->GetIsEmpty());
  EXPECT_EQ(empty->GetBoundsRect(), cxNullRect);
  auto otherEmpty = NewOwned<TcxRegion>(TRect(3, 3, 3, 9));
  EXPECT_TRUE(empty->IsEqual(otherEmpty.get()));
  EXPECT_FALSE(empty->IsEqual(static_cast<TcxRegion*>(nullptr)));

  // The rounded form moves only the left and top in by one pixel.
  auto rounded = NewOwned<TcxRegion>(TRect(0, 0, 10, 10), 0, 0);
  EXPECT_EQ(rounded->GetBoundsRect(), TRect(1, 1, 10, 10));

  auto r = NewOwned<TcxRegion>(0, 0, 10, 10);
  r->Offset(5, -5);
  EXPECT_EQ(r->GetBoundsRect(), TRect(5, -5, 15, 5));
  EXPECT_TRUE(r->RectInRegion(TRect(14, 4, 20, 20)));
  EXPECT_FALSE(r->RectInRegion(15, 5, 20, 20));
  auto same = NewOwned<TcxRegion>(5, -5, 15, 5);
  EXPECT_TRUE(r->IsEqual(same.get()));
  EXPECT_TRUE(r->IsEqual(same->GetHandle()));
}

TEST(cxGraphicsCanvas, ADCWithoutClipAnswersTheNoClipRectangle) {
  TSurface s(20, 20);
  s.Cx->SetViewportOrg(TPoint(5, 7));
  TOwnedPtr<TcxRegion> device(s.Cx->GetClipRegion(false));
  EXPECT_EQ(device->GetBoundsRect(), TRect(0, 0, 30000, 30000));
  TOwnedPtr<TcxRegion> logical(s.Cx->GetClipRegion());
  EXPECT_EQ(logical->GetBoundsRect(), TRect(-5, -7, 29995, 29993));
  EXPECT_EQ(s.Cx->GetDCOrigin(), TPoint(5, 7));
}

TEST(cxGraphicsCanvas, SetClipRegionByOperation) {
  TSurface s(20, 20);
  s.Cx->SetViewportOrg(TPoint(10, 10));
  // roSet, kept and origin-corrected: clips at the logical place, and the region is back where it was.
  auto kept = NewOwned<TcxRegion>(0, 0, 5, 5);
  s.Cx->SetClipRegion(kept.get(), roSet, false, true);
  EXPECT_EQ(kept->GetBoundsRect(), TRect(0, 0, 5, 5));
  s.Cx->FillRect(TRect(-10, -10, 10, 10), clRed);
  EXPECT_EQ(s.At(10, 10), 0x0000FFu);
  EXPECT_EQ(s.At(14, 14), 0x0000FFu);
  EXPECT_EQ(s.At(15, 15), kWhite);
  EXPECT_EQ(s.At(9, 9), kWhite);

  // roIntersect with the destroy flag narrows the clip and frees the region.
  auto* narrow = New<TcxRegion>(2, 2, 20, 20);
  HRGN handle = narrow->GetHandle();
  s.Cx->SetClipRegion(narrow, roIntersect);
  EXPECT_FALSE(IsLive(handle));
  TOwnedPtr<TcxRegion> clip(s.Cx->GetClipRegion());
  EXPECT_EQ(clip->GetBoundsRect(), TRect(2, 2, 5, 5));
}

TEST(cxGraphicsCanvas, ClipRegionsSaveAndRestoreInPairs) {
  TSurface s(20, 20);
  s.Cx->RestoreClipRegion();  // nothing saved: nothing happens
  s.Cx->SaveClipRegion();
  s.Cx->IntersectClipRect(TRect(0, 0, 5, 5));
  s.Cx->SaveClipRegion();
  s.Cx->ExcludeClipRect(TRect(0, 0, 2, 2));
  EXPECT_FALSE(s.Cx->RectFullyVisible(TRect(0, 0, 4, 4)));
  EXPECT_TRUE(s.Cx->RectFullyVisible(TRect(2, 2, 5, 5)));
  s.Cx->RestoreClipRegion();
  EXPECT_TRUE(s.Cx->RectFullyVisible(TRect(0, 0, 4, 4)));
  EXPECT_FALSE(s.Cx->RectFullyVisible(TRect(3, 3, 6, 6)));
  s.Cx->RestoreClipRegion();
  s.Cx->FillRect(TRect(0, 0, 20, 20), clBlack);
  EXPECT_EQ(s.At(19, 19), 0u);
  // A canvas destroyed with saves still on its list frees them (nothing to observe but no leak or crash).
  s.Cx->SaveClipRegion();
  s.Cx->SaveClipRegion();
}

TEST(cxGraphicsCanvas, StatesRestoreTheObjectsAndTheDC) {
  TSurface s(10, 10);
  s.Cx->RestoreState();  // nothing saved: nothing happens
  s.Cx->GetFont()->SetColor(clRed);
  s.Cx->GetBrush()->SetColor(clBlue);
  s.Cx->GetPen()->SetWidth(3);
  s.Cx->SaveState();
  s.Cx->GetFont()->SetColor(clGreen);
  s.Cx->GetBrush()->SetStyle(bsClear);
  s.Cx->GetPen()->SetWidth(1);
  s.Cx->IntersectClipRect(TRect(0, 0, 2, 2));
  s.Cx->RestoreState();
  EXPECT_EQ(s.Cx->GetFont()->GetColor(), clRed);
  EXPECT_EQ(s.Cx->GetBrush()->GetStyle(), bsSolid);
  EXPECT_EQ(s.Cx->GetBrush()->GetColor(), clBlue);
  EXPECT_EQ(s.Cx->GetPen()->GetWidth(), 3);
  s.Cx->FillRect(TRect(0, 0, 10, 10), clDefault);  // the clip went with the DC state
  EXPECT_EQ(s.At(9, 9), 0xFF0000u);
}

TEST(cxGraphicsCanvas, FillRectColours) {
  TSurface s(10, 10);
  s.Cx->FillRect(TRect(0, 0, 10, 10), clNone);
  EXPECT_EQ(s.InkCount(), 0);
  s.Cx->SetBrushColor(clLime);
  s.Cx->FillRect(TRect(0, 0, 5, 5), clDefault);
  EXPECT_EQ(s.At(4, 4), 0x00FF00u);
  s.Cx->FillRect(TRect(5, 5, 10, 10), clBtnShadow);
  EXPECT_EQ(s.At(5, 5), ColorToRGB(clBtnShadow));
  EXPECT_EQ(s.Cx->GetBrush()->GetColor(), clBtnShadow);
}

TEST(cxGraphicsCanvas, EdgesOwnTheirCornersByColourTable) {
  struct {
    bool Sunken, Outer;
    TColor LeftTop, RightBottom;
  } cases[] = {
      {true, true, clBtnShadow, clBtnHighlight},
      {true, false, cl3DDkShadow, cl3DLight},
      {false, true, cl3DLight, cl3DDkShadow},
      {false, false, clBtnHighlight, clBtnShadow},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Sunken << c.Outer);
    TSurface s(10, 10);
    s.Cx->FillRect(TRect(0, 0, 10, 10), clRed);
    s.Cx->DrawEdge(TRect(1, 1, 9, 9), c.Sunken, c.Outer);
    EXPECT_EQ(s.At(1, 1), ColorToRGB(c.LeftTop));
    EXPECT_EQ(s.At(8, 1), ColorToRGB(c.RightBottom));  // top-right corner
    EXPECT_EQ(s.At(1, 8), ColorToRGB(c.RightBottom));  // bottom-left corner
    EXPECT_EQ(s.At(8, 8), ColorToRGB(c.RightBottom));
    EXPECT_EQ(s.At(4, 1), ColorToRGB(c.LeftTop));
    EXPECT_EQ(s.At(4, 4), 0x0000FFu);
  }
}

TEST(cxGraphicsCanvas, FramesStayInsideTheirRect) {
  TSurface s(12, 12);
  s.Cx->FrameRect(TRect(2, 2, 6, 6), clBlack, 10);
  EXPECT_EQ(s.InkBox(), (RECT{2, 2, 6, 6}));
  EXPECT_EQ(s.InkCount(), 16);

  // Only the chosen borders, and clNone frames nothing.
  TSurface t(12, 12);
  t.Cx->FrameRect(TRect(0, 0, 12, 12), clNone, 2);
  EXPECT_EQ(t.InkCount(), 0);
  t.Cx->FrameRect(TRect(0, 0, 12, 12), clBlack, 2, TcxBorders{bTop, bRight});
  EXPECT_EQ(t.At(0, 0), 0u);
  EXPECT_EQ(t.At(0, 2), kWhite);
  EXPECT_EQ(t.At(10, 11), 0u);
  EXPECT_EQ(t.InkCount(), 24 + 20);

  // With the exclude flag the frame leaves the clip: a later fill paints only the inside.
  TSurface u(12, 12);
  u.Cx->FrameRect(TRect(0, 0, 12, 12), clBlack, 1, cxBordersAll, true);
  u.Cx->FillRect(TRect(0, 0, 12, 12), clRed);
  EXPECT_EQ(u.At(0, 0), 0u);
  EXPECT_EQ(u.At(1, 1), 0x0000FFu);
}

TEST(cxGraphicsCanvas, ViewParamsFillInsideTheBorders) {
  TSurface s(10, 10);
  TcxViewParams params;
  params.Color = clYellow;
  s.Cx->FillRect(TRect(0, 0, 10, 10), params, TcxBorders{bLeft, bBottom}, clBlack, 2);
  EXPECT_EQ(s.At(1, 0), 0u);
  EXPECT_EQ(s.At(5, 8), 0u);
  EXPECT_EQ(s.At(2, 0), 0x00FFFFu);
  EXPECT_EQ(s.At(9, 7), 0x00FFFFu);
}

TEST(cxGraphicsCanvas, BitmapsTileFromTheLogicalOrigin) {
  auto tile = CodedBitmap(16, 16);
  TSurface s(40, 40);
  s.Cx->FillRect(TRect(10, 10, 32, 32), tile.get());
  EXPECT_EQ(s.At(10, 10), Code(10, 10));
  EXPECT_EQ(s.At(15, 31), Code(15, 15));
  EXPECT_EQ(s.At(16, 16), Code(0, 0));
  EXPECT_EQ(s.At(31, 31), Code(15, 15));
  EXPECT_EQ(s.At(32, 32), kWhite);
  EXPECT_EQ(s.At(9, 9), kWhite);

  // Left of and above the origin the tiles keep their anchoring, so nothing is left unpainted.
  TSurface t(20, 20);
  t.Cx->SetWindowOrg(TPoint(-5, -5));  // logical (-5, -5) is device (0, 0)
  t.Cx->FillRect(TRect(-5, -5, 5, 5), tile.get());
  EXPECT_EQ(t.At(0, 0), Code(11, 11));
  EXPECT_EQ(t.At(4, 9), Code(15, 4));
  EXPECT_EQ(t.At(5, 5), Code(0, 0));
  EXPECT_EQ(t.InkBox(), (RECT{0, 0, 10, 10}));
}

TEST(cxGraphicsCanvas, RotationMovesEveryPixelByTable) {
  struct {
    TcxRotationAngle Angle;
    bool Flip;
    int W, H;
    // Where the source pixel (x, y) of the 3 x 2 bitmap lands.
    TPoint (*Dest)(int x, int y);
  } cases[] = {
      {ra0, true, 3, 2, [](int x, int y) { return TPoint(x, 1 - y); }},
      {raPlus90, false, 2, 3, [](int x, int y) { return TPoint(y, 2 - x); }},
      {raPlus90, true, 2, 3, [](int x, int y) { return TPoint(y, x); }},
      {raMinus90, false, 2, 3, [](int x, int y) { return TPoint(1 - y, x); }},
      {raMinus90, true, 2, 3, [](int x, int y) { return TPoint(1 - y, 2 - x); }},
      {ra180, false, 3, 2, [](int x, int y) { return TPoint(2 - x, 1 - y); }},
      {ra180, true, 3, 2, [](int x, int y) { return TPoint(2 - x, y); }},
  };
  TSurface s(1, 1);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Angle << c.Flip);
    auto b = CodedBitmap(3, 2);
    s.Cx->RotateBitmap(b.get(), c.Angle, c.Flip);
    ASSERT_EQ(b->GetWidth(), c.W);
    ASSERT_EQ(b->GetHeight(), c.H);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) {
        TPoint d = c.Dest(x, y);
        EXPECT_EQ(static_cast<COLORREF>(b->GetCanvas()->GetPixel(d.x, d.y)), Code(x, y)) << x << "," << y;
      }
  }
  auto untouched = CodedBitmap(3, 2);
  s.Cx->RotateBitmap(untouched.get(), ra0, false);
  EXPECT_EQ(static_cast<COLORREF>(untouched->GetCanvas()->GetPixel(0, 0)), Code(0, 0));

  auto flipped = CodedBitmap(3, 2);
  s.Cx->FlipHorizontally(flipped.get());
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x)
      EXPECT_EQ(static_cast<COLORREF>(flipped->GetCanvas()->GetPixel(2 - x, y)), Code(x, y));
}

TEST(cxGraphicsCanvas, TransparentDrawBlendsWithConstantAlpha) {
  auto red = NewOwned<TBitmap>();
  red->SetPixelFormat(pf24bit);  // any format: the blend reads 32-bit pixels
  red->SetSize(4, 4);
  red->GetCanvas()->GetBrush()->SetColor(clRed);
  red->GetCanvas()->FillRect(TRect(0, 0, 4, 4));
  // Software: new = MulDiv(background, 255 - a, 255) + MulDiv(source, a, 255), byte by byte.
  const BYTE alpha = 64;
  const COLORREF expected = RGB(MulDiv(255, 191, 255) + MulDiv(255, 64, 255), MulDiv(255, 191, 255),
                                MulDiv(255, 191, 255));
  TAlphaBlendFunc saved = cxSystemAlphaBlendFunc;
  for (TAlphaBlendFunc entry : {TAlphaBlendFunc(nullptr), TAlphaBlendFunc(&WinGdi::AlphaBlend)}) {
    SCOPED_TRACE(entry ? "system" : "software");
    cxSystemAlphaBlendFunc = entry;
    TSurface s(8, 8);
    s.Cx->TransparentDraw(2, 2, red.get(), alpha);
    const COLORREF c = s.At(3, 3);
    EXPECT_NEAR(GetRValue(c), GetRValue(expected), 1);
    EXPECT_NEAR(GetGValue(c), GetGValue(expected), 1);
    EXPECT_NEAR(GetBValue(c), GetBValue(expected), 1);
    EXPECT_EQ(s.InkBox(), (RECT{2, 2, 6, 6}));

    // Over a given background bitmap instead of the canvas.
    auto black = NewOwned<TBitmap>();
    black->SetSize(4, 4);
    black->GetCanvas()->GetBrush()->SetColor(clBlack);
    black->GetCanvas()->FillRect(TRect(0, 0, 4, 4));
    s.Cx->TransparentDraw(0, 0, red.get(), 255, black.get());
    EXPECT_EQ(s.At(0, 0), 0x0000FFu);
  }
  cxSystemAlphaBlendFunc = saved;
}

TEST(cxGraphicsCanvas, PieSweeps) {
  TSurface s(21, 21);
  s.Cx->GetBrush()->SetColor(clBlack);
  s.Cx->Pie(TRect(0, 0, 21, 21), 0, 0);
  EXPECT_EQ(s.InkCount(), 0);
  s.Cx->Pie(TRect(0, 0, 0, 21), 0, 90);
  EXPECT_EQ(s.InkCount(), 0);
  s.Cx->Pie(TRect(0, 0, 21, 21), 30, 360);  // the whole ellipse
  for (TPoint p : {TPoint(10, 10), TPoint(3, 10), TPoint(17, 10), TPoint(10, 3), TPoint(10, 17)})
    EXPECT_EQ(s.At(p.x, p.y), 0u) << p.x << "," << p.y;

  TSurface q(21, 21);
  q.Cx->GetBrush()->SetColor(clBlack);
  q.Cx->Pie(TRect(0, 0, 21, 21), 0, 90);  // the upper-right quarter
  EXPECT_EQ(q.At(14, 6), 0u);
  EXPECT_EQ(q.At(6, 6), kWhite);
  EXPECT_EQ(q.At(14, 14), kWhite);
}

TEST(cxGraphicsCanvas, InvertFrameInvertsEachPixelOnce) {
  TSurface s(10, 10);
  s.Cx->InvertFrame(TRect(0, 0, 10, 10), 2);
  EXPECT_EQ(s.At(0, 0), 0u);
  EXPECT_EQ(s.At(9, 9), 0u);
  EXPECT_EQ(s.At(1, 8), 0u);
  EXPECT_EQ(s.At(5, 1), 0u);
  EXPECT_EQ(s.At(2, 2), kWhite);
  EXPECT_EQ(s.InkCount(), 100 - 36);
}

TEST(cxGraphicsCanvas, FocusRectanglesComeAndGo) {
  TSurface s(12, 12);
  s.Cx->DrawDesignSelection(TRect(0, 0, 12, 12), 2);
  EXPECT_GT(s.InkCount(), 0);
  EXPECT_EQ(s.InkBox(), (RECT{0, 0, 12, 12}));
  s.Cx->DrawDesignSelection(TRect(0, 0, 12, 12), 2);  // XOR: drawn twice is gone
  EXPECT_EQ(s.InkCount(), 0);
}

TEST(cxGraphicsCanvas, RegionsFillAndFrame) {
  TSurface s(12, 12);
  auto r = NewOwned<TcxRegion>(2, 2, 10, 10);
  s.Cx->DrawRegion(r.get(), clYellow, clBlack);
  EXPECT_EQ(s.At(2, 2), 0u);
  EXPECT_EQ(s.At(9, 5), 0u);
  EXPECT_EQ(s.At(5, 5), 0x00FFFFu);
  EXPECT_EQ(s.At(1, 1), kWhite);
  s.Cx->FillRegion(r.get(), clNone);  // clNone paints nothing
  EXPECT_EQ(s.At(5, 5), 0x00FFFFu);
}
