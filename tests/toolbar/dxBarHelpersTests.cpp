#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <tuple>

#include "GdiPng.h"
#include "Graphics.h"
#include "PixelSurface.h"
#include "TypInfo.h"
#include "WinGdi.h"
#include "WinUser.h"
#include "dxBarHelpers.h"
#include "dxBarUnit.h"

using PixelSurface::TSurface;

namespace {

std::string BarHelpersPng(const char* AName) { return testing::TempDir() + AName; }

// ---- Accelerators -----------------------------------------------------------------------------------------
TEST(dxBarAccelerators, GetAccelPosFindsTheLastAcceleratorAndDeletesTheMarks) {
  struct Case {
    const char* Caption;
    bool Delete;
    Integer Pos;
    const char* After;
  };
  const Case cases[] = {
      {"&File", true, 1, "File"},     {"&File", false, 2, "&File"},  {"a&&b", true, 0, "a&b"},
      {"a&&b", false, 0, "a&&b"},     {"&a&b", false, 4, "&a&b"},    {"&a&b", true, 2, "ab"},
      {"&&&x", true, 2, "&x"},        {"&&&x", false, 4, "&&&x"},    {"ab&", false, 0, "ab&"},
      {"ab&", true, 0, "ab&"},        {"", true, 0, ""},             {"Save &As...", true, 6, "Save As..."},
  };
  for (const Case& c : cases) {
    String caption = c.Caption;
    EXPECT_EQ(GetAccelPos(caption, c.Delete), c.Pos) << c.Caption << " delete " << c.Delete;
    EXPECT_EQ(caption, c.After) << c.Caption;
  }
  EXPECT_EQ(GetAccelChar("E&xit"), 'x');
  EXPECT_EQ(GetAccelChar("a&&b"), '\0');
  EXPECT_EQ(GetTextOf("&Open && Close"), "Open & Close");
}

TEST(dxBarAccelerators, HintShortCutTextIsEmptyWithoutAShortCut) {
  EXPECT_EQ(GetHintShortCutText(0), "");
  const TShortCut ctrlN = ShortCut('N', TShiftState{ssCtrl});
  EXPECT_EQ(GetHintShortCutText(ctrlN), " (" + ShortCutToText(ctrlN) + ")");
}

// ---- View levels ------------------------------------------------------------------------------------------
TEST(dxBarViewLevels, MaxMinAndNextFollowTheLevelOrder) {
  EXPECT_EQ(GetMaxViewLevel({}), ivlDefault);
  EXPECT_EQ(GetMinViewLevel({}), -1);
  EXPECT_EQ(GetMaxViewLevel({ivlSmallIcon, ivlControlOnly}), ivlSmallIcon);
  EXPECT_EQ(GetMinViewLevel({ivlLargeIconWithText, ivlSmallIcon}), ivlSmallIcon);
  EXPECT_EQ(GetNextViewLevel({ivlSmallIcon}, ivlLargeIconWithText), ivlSmallIcon);
  EXPECT_EQ(GetNextViewLevel({ivlSmallIcon}, ivlSmallIcon), ivlDefault);
  EXPECT_EQ(GetNextViewLevel(dxBarItemAllViewLevels, ivlSmallIconWithText), ivlSmallIcon);
}

TEST(dxBarViewLevels, EnumerationAndSetNamesComeFromTheTypeInformation) {
  const std::vector<String> levels{"ivlLargeIconWithText", "ivlSmallIconWithText", "ivlSmallIcon", "ivlControlOnly",
                                   "ivlDefault"};
  EXPECT_EQ(GetEnumValueNames(TypeInfoOf<TdxBarItemViewLevel>()), levels);
  EXPECT_EQ(GetSetValueNames(TypeInfoOf<TdxBarItemViewLevels>()), levels);
}

// ---- Timers -----------------------------------------------------------------------------------------------
TEST(dxBarWindowRoutines, KillTimerIgnoresAZeroIdAndZeroesAKilledOne) {
  UINT_PTR id = 0;
  EXPECT_FALSE(dxKillTimer(nullptr, id));
  id = SetTimer(nullptr, 0, 10000, nullptr);
  ASSERT_NE(id, 0u);
  EXPECT_TRUE(dxKillTimer(nullptr, id));
  EXPECT_EQ(id, 0u);
}

TEST(dxBarWindowRoutines, ButtonDownMessagesAreTheTwelveDownAndDoubleClickMessages) {
  int count = 0;
  for (UINT msg = 0; msg < 0x400; ++msg) count += IsButtonDownMessage(msg);
  EXPECT_EQ(count, 12);
  EXPECT_TRUE(IsButtonDownMessage(WM_NCRBUTTONDBLCLK));
  EXPECT_FALSE(IsButtonDownMessage(WM_LBUTTONUP));
}

// ---- Next accessible object --------------------------------------------------------------------------------
// The pick written from its definition: every candidate with a gap of 0 or more, ordered by gap,
// then by angle off the direction, then by position.
Integer BruteForcePick(const TRect& ACurrent, const std::vector<TRect>& ACandidates,
                       TcxAccessibilityNavigationDirection ADirection) {
  const double directionAngle[] = {180, 270, 0, 90};
  std::vector<std::tuple<Int64, double, Integer>> keys;
  for (Integer i = 0; i < static_cast<Integer>(ACandidates.size()); ++i) {
    const TRect& c = ACandidates[i];
    Int64 gap = 0;
    switch (ADirection) {
      case andLeft: gap = Int64(ACurrent.left) - c.right; break;
      case andUp: gap = Int64(ACurrent.top) - c.bottom; break;
      case andRight: gap = Int64(c.left) - ACurrent.right; break;
      default: gap = Int64(c.top) - ACurrent.bottom; break;
    }
    if (gap < 0) continue;
    const double dx = (c.left + c.right - ACurrent.left - ACurrent.right) / 2.0;
    const double dy = (c.top + c.bottom - ACurrent.top - ACurrent.bottom) / 2.0;
    double off = std::fmod(std::atan2(dy, dx) * 180 / M_PI - directionAngle[ADirection] + 720, 360);
    keys.emplace_back(gap, std::min(off, 360 - off), i);
  }
  if (keys.empty()) return -1;
  return std::get<2>(*std::min_element(keys.begin(), keys.end()));
}

TEST(dxBarNavigation, NextAccessibleBoundsMatchesTheBruteForcePick) {
  std::mt19937 random(34);
  std::uniform_int_distribution<int> pos(0, 300), size(1, 40);
  for (int round = 0; round < 400; ++round) {
    auto rect = [&] {
      const int x = pos(random), y = pos(random);
      return TRect(x, y, x + size(random), y + size(random));
    };
    const TRect current = rect();
    std::vector<TRect> candidates(static_cast<size_t>(1 + round % 9));
    for (TRect& c : candidates) c = rect();
    for (auto direction : {andLeft, andUp, andRight, andDown})
      EXPECT_EQ(GetNextAccessibleBounds(current, candidates, direction, false),
                BruteForcePick(current, candidates, direction))
          << "round " << round << " direction " << direction;
  }
}

TEST(dxBarNavigation, WrappingRightFromTheLastButtonFindsTheLeftmostVerticallyNearest) {
  // Two rows of buttons; the current one ends the top row.
  const std::vector<TRect> buttons{{0, 20, 20, 40}, {0, 0, 20, 20}, {20, 0, 40, 20}, {40, 0, 60, 20}};
  EXPECT_EQ(GetNextAccessibleBounds(buttons[3], buttons, andRight, false), -1);
  EXPECT_EQ(GetNextAccessibleBounds(buttons[3], buttons, andRight, true), 1);
  EXPECT_EQ(GetNextAccessibleBounds(buttons[1], buttons, andLeft, true), 3);
  // Touching edges count as a gap of 0.
  EXPECT_EQ(GetNextAccessibleBounds(buttons[3], buttons, andDown, true), 0);
  EXPECT_EQ(GetNextAccessibleBounds(buttons[0], buttons, andDown, true), -1);
  EXPECT_EQ(GetNextAccessibleBounds(buttons[3], buttons, andNext, true), -1);
}

// ---- Drawing ----------------------------------------------------------------------------------------------
TEST(dxBarDrawing, PatternBrushIsAHighlightAndFaceCheckerboard) {
  TSurface s(16, 16);
  const RECT all{0, 0, 16, 16};
  FillRect(s.DC, &all, GetPatternBrush());
  EXPECT_TRUE(SaveDCToPng(s.DC, BarHelpersPng("bar-pattern-brush.png")));
  const COLORREF face = GetSysColor(COLOR_BTNFACE) & 0xFFFFFF, light = GetSysColor(COLOR_BTNHIGHLIGHT) & 0xFFFFFF;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) ASSERT_EQ(s.At(x, y), (x % 2 != y % 2) ? light : face) << x << "," << y;
}

TEST(dxBarDrawing, TilesAlignToTheOriginAndStayInsideTheRectangle) {
  TBitmap* tile = New<TBitmap>();
  tile->SetWidth(3);
  tile->SetHeight(3);
  tile->GetCanvas()->GetBrush()->SetColor(clBlue);
  tile->GetCanvas()->FillRect(TRect(0, 0, 3, 3));
  tile->GetCanvas()->SetPixel(0, 0, clRed);
  TSurface s(30, 30);
  const TRect r(5, 5, 20, 20), origin(1, 2, 100, 100);
  FillRectByBitmap(s.DC, r, origin, tile);
  EXPECT_TRUE(SaveDCToPng(s.DC, BarHelpersPng("bar-tiles.png")));
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) {
      const bool inside = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
      const COLORREF expected = !inside ? PixelSurface::kWhite
                                : ((x - 1) % 3 == 0 && (y - 2) % 3 == 0) ? 0x0000FF
                                                                         : 0xFF0000;
      ASSERT_EQ(s.At(x, y), expected) << x << "," << y;
    }
  // The clip of the DC is as before: a later fill outside R still lands.
  const RECT corner{0, 0, 2, 2};
  FillRect(s.DC, &corner, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(s.At(0, 0), 0u);
  tile->Free();
}

TEST(dxBarDrawing, ArrowsAreCentredTrianglesOfTheirSize) {
  TSurface s(60, 30);
  DrawLargeItemArrow(s.DC, TRect(0, 0, 20, 20), true, 4, true, false, true, clBlack);
  DrawLargeItemArrow(s.DC, TRect(20, 0, 40, 20), false, 4, true, false, true, clBlack);
  // Disabled in a raised style: the shadow-coloured arrow over a highlight copy one pixel lower.
  DrawLargeItemArrow(s.DC, TRect(40, 0, 60, 20), true, 4, false, false, false);
  EXPECT_TRUE(SaveDCToPng(s.DC, BarHelpersPng("bar-arrows.png")));
  EXPECT_EQ(s.InkBox(TRect(0, 0, 20, 20), PixelSurface::kWhite), TRect(6, 8, 13, 12));
  EXPECT_EQ(s.Count(TRect(0, 0, 20, 20), 0), 7 + 5 + 3 + 1);
  EXPECT_EQ(s.InkBox(TRect(20, 0, 40, 20), PixelSurface::kWhite), TRect(28, 6, 32, 13));
  EXPECT_EQ(s.At(46, 8), PixelSurface::RGBOf(clBtnShadow));
  EXPECT_EQ(s.At(50, 12), PixelSurface::RGBOf(clBtnHighlight));
  // The small arrow's size follows the rectangle.
  EXPECT_EQ(GetItemArrowSize(TRect(0, 0, 10, 20), true), 3);  // never below 3
  EXPECT_EQ(GetItemArrowSize(TRect(0, 0, 15, 20), true), 4);  // odd f = 7
  EXPECT_EQ(GetItemArrowSize(TRect(0, 0, 20, 20), true), 5);  // even f = 12
  EXPECT_EQ(GetItemArrowSize(TRect(0, 0, 20, 21), false), 8);
}

TEST(dxBarDrawing, TransparentDrawModeFollowsTheFlags) {
  struct Row {
    bool Enabled, Gray, MayLookInactive, Selected, Down, NoShadow, Shadowed, Faded;
    TcxImageDrawMode Mode;
  };
  const bool dingy = dxBarMakeInactiveImagesDingy && GetScreenBitsPerPixel() > 8;
  const Row table[] = {
      {false, true, true, true, true, false, true, false, idmDisabled},
      {false, false, false, false, false, false, false, true, idmFaded},
      {true, true, true, false, false, false, false, false, idmGrayScale},
      {true, false, false, false, false, false, true, false, idmNormal},
      {true, false, true, false, false, false, false, false, dingy ? idmDingy : idmNormal},
      {true, false, true, true, false, false, true, false, idmShadowed},
      {true, false, true, true, false, true, true, false, idmNormal},
      {true, false, true, false, true, false, true, false, idmNormal},
  };
  for (const Row& r : table)
    EXPECT_EQ(dxBarTransparentDrawMode(r.Enabled, r.Gray, r.MayLookInactive, r.Selected, r.Down, r.NoShadow,
                                       r.Shadowed, r.Faded),
              r.Mode)
        << &r - table;

  TBitmap* glyph = New<TBitmap>();
  glyph->SetWidth(8);
  glyph->SetHeight(8);
  glyph->GetCanvas()->GetBrush()->SetColor(clRed);
  glyph->GetCanvas()->FillRect(TRect(0, 0, 8, 8));
  glyph->GetCanvas()->SetPixel(0, 7, clWhite);  // the transparent colour
  TSurface s(24, 12);
  TransparentDraw(nullptr, s.DC, TRect(2, 2, 10, 10), TRect(0, 0, 8, 8), glyph, nullptr, -1, clNone, true, false,
                  false, false, false, false, false, false, false, true);
  TransparentDraw(nullptr, s.DC, TRect(14, 2, 22, 10), TRect(0, 0, 8, 8), glyph, nullptr, -1, clNone, false, false,
                  false, false, false, false, false, false, false, true);
  EXPECT_TRUE(SaveDCToPng(s.DC, BarHelpersPng("bar-transparent-draw.png")));
  EXPECT_EQ(s.At(5, 5), 0x0000FFu) << "normal: the glyph as it is";
  EXPECT_NE(s.At(17, 5), 0x0000FFu) << "disabled: another look";
  glyph->Free();
}

TEST(dxBarDrawing, FocusRectDotsTheEvenPixelsOfTwoFrames) {
  TSurface s(12, 12);
  dxBarFocusRect(s.DC, TRect(1, 1, 11, 11));
  const COLORREF shadow = PixelSurface::RGBOf(clBtnShadow);
  EXPECT_EQ(s.At(1, 1), shadow);
  EXPECT_EQ(s.At(2, 1), PixelSurface::kWhite);
  EXPECT_EQ(s.At(2, 2), shadow);
  EXPECT_EQ(s.At(5, 5), PixelSurface::kWhite);
  EXPECT_EQ(s.Count(TRect(0, 0, 12, 12), shadow), 18 + 14);
}

// ---- The shared canvas ------------------------------------------------------------------------------------
TEST(dxBarCanvas, NestedPaintsRestoreTheSurfaceTheyReplaced) {
  TSurface outer(20, 20), inner(20, 20);
  TdxBarCanvas* canvas = New<TdxBarCanvas>();
  canvas->EndPaint();  // nothing to undo
  canvas->BeginPaint(outer.DC);
  EXPECT_EQ(canvas->GetHandle(), outer.DC);
  canvas->GetFont()->SetColor(clRed);

  canvas->BeginPaint(inner.Canvas);
  EXPECT_EQ(canvas->GetCanvas(), inner.Canvas);
  canvas->IntersectClipRect(TRect(0, 0, 5, 5));
  canvas->GetFont()->SetColor(clGreen);

  canvas->BeginPaint(inner.DC);
  EXPECT_NE(canvas->GetCanvas(), inner.Canvas);
  EXPECT_EQ(canvas->GetHandle(), inner.DC);
  canvas->EndPaint();
  EXPECT_EQ(canvas->GetCanvas(), inner.Canvas);

  canvas->EndPaint();
  // The inner canvas is as before: no clip, its own font colour.
  EXPECT_EQ(inner.Canvas->GetFont()->GetColor(), clWindowText);
  inner.Canvas->GetBrush()->SetColor(clBlack);
  inner.Canvas->FillRect(TRect(0, 0, 20, 20));
  EXPECT_EQ(inner.At(19, 19), 0u);

  EXPECT_EQ(canvas->GetHandle(), outer.DC);
  EXPECT_EQ(canvas->GetFont()->GetColor(), clRed);
  canvas->EndPaint();
  EXPECT_EQ(canvas->PaintDepth(), 0);
  canvas->Free();
}

TEST(dxBarCanvas, SharedCanvasIsMadeOnceAndNotAfterTheUnitStopped) {
  TdxBarCanvas* shared = BarCanvas();
  ASSERT_NE(shared, nullptr);
  EXPECT_EQ(BarCanvas(), shared);
  FreeBarCanvas();
  EXPECT_EQ(BarCanvas(), nullptr);
  StartBarCanvas();
  EXPECT_NE(BarCanvas(), nullptr);
}

}  // namespace
