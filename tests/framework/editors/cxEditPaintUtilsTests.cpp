#include <gtest/gtest.h>

#include "WinGdi.h"
#include "WinUserDraw.h"
#include "cxEditPaintUtils.h"

namespace {

bool IsLiveBrush(HBRUSH ABrush) { return GetObjectType(ABrush) == OBJ_BRUSH; }

COLORREF BrushColorOf(HBRUSH ABrush) {
  LOGBRUSH data;
  GetObject(ABrush, sizeof(data), &data);
  return data.lbColor;
}

// Handles are reused at once: a deleted brush may come back as the next brush made, of another colour.
bool IsLiveBrushOf(HBRUSH ABrush, TColor AColor) {
  return IsLiveBrush(ABrush) && BrushColorOf(ABrush) == ColorToRGB(AColor);
}

TEST(cxSolidBrushCache, KeepsColoursInUnsignedOrderAndCountsUses) {
  auto cache = NewOwned<TcxSolidBrushCache>(8);
  const TColor beyondSystemBrushes = static_cast<TColor>(0x80000020);
  HBRUSH high = cache->GetBrush(beyondSystemBrushes);
  HBRUSH red = cache->GetBrush(clRed);
  HBRUSH blue = cache->GetBrush(clBlue);
  ASSERT_EQ(cache->GetDepth(), 3);
  EXPECT_EQ(cache->GetColor(0), clRed);
  EXPECT_EQ(cache->GetColor(1), clBlue);
  EXPECT_EQ(cache->GetColor(2), beyondSystemBrushes);  // a system colour sorts above every plain one
  EXPECT_EQ(cache->GetBrush(clBlue), blue);
  EXPECT_EQ(cache->GetBrush(clBlue), blue);
  EXPECT_EQ(cache->GetUseCount(0), 0u);
  EXPECT_EQ(cache->GetUseCount(1), 2u);
  EXPECT_EQ(BrushColorOf(red), 0x0000FFu);
  EXPECT_EQ(BrushColorOf(high), ColorToRGB(beyondSystemBrushes));
}

TEST(cxSolidBrushCache, AFullCacheEvictsTheFirstLeastUsedColour) {
  auto cache = NewOwned<TcxSolidBrushCache>();
  ASSERT_EQ(cache->GetCapacity(), 128);
  std::vector<HBRUSH> brushes;
  for (TColor color = 1; color <= 128; ++color) brushes.push_back(cache->GetBrush(color));
  cache->GetBrush(1);  // colour 1 is used again: colour 2 is now the first with no further use
  cache->GetBrush(129);
  EXPECT_EQ(cache->GetDepth(), 128);
  EXPECT_EQ(cache->GetColor(0), 1);
  EXPECT_EQ(cache->GetColor(1), 3);
  EXPECT_EQ(cache->GetColor(127), 129);
  EXPECT_FALSE(IsLiveBrushOf(brushes[1], 2));
  EXPECT_TRUE(IsLiveBrushOf(brushes[0], 1));
  // Back after its eviction, the colour starts afresh and evicts the next unused one (colour 3).
  HBRUSH again = cache->GetBrush(2);
  EXPECT_TRUE(IsLiveBrush(again));
  EXPECT_EQ(cache->GetColor(1), 2);
  EXPECT_EQ(cache->GetUseCount(1), 0u);
  EXPECT_EQ(cache->GetColor(2), 4);
}

TEST(cxSolidBrushCache, SystemColoursAreTheSystemsBrushesAndNeverDeleted) {
  auto cache = NewOwned<TcxSolidBrushCache>(2);
  for (int index : {0, COLOR_BTNFACE, 30}) {
    HBRUSH brush = cache->GetBrush(static_cast<TColor>(clSystemColor | index));
    EXPECT_EQ(brush, GetSysColorBrush(index));
  }
  EXPECT_EQ(cache->GetDepth(), 0);
  HBRUSH face = cache->GetBrush(clBtnFace);
  cache->GetBrush(clRed);
  cache->GetBrush(clBlue);
  cache->GetBrush(clGreen);
  cache->Clear();
  EXPECT_TRUE(IsLiveBrush(face));
  cache->ReleaseBrush(face);  // not a cached brush: ignored
  EXPECT_TRUE(IsLiveBrush(face));
}

// An evicted or cleared brush that someone holds stays usable until the last hold ends.
TEST(cxSolidBrushCache, HeldBrushesOutliveEvictionAndClearing) {
  auto cache = NewOwned<TcxSolidBrushCache>(1);
  HBRUSH red = cache->HoldBrush(clRed);
  cache->HoldBrush(clRed);
  HBRUSH blue = cache->GetBrush(clBlue);  // evicts red
  EXPECT_EQ(cache->GetColor(0), clBlue);
  EXPECT_EQ(cache->GetRetiredCount(), 1);
  EXPECT_TRUE(IsLiveBrush(red));
  EXPECT_EQ(BrushColorOf(red), 0x0000FFu);
  cache->ReleaseBrush(red);
  EXPECT_TRUE(IsLiveBrush(red));
  cache->ReleaseBrush(red);
  EXPECT_FALSE(IsLiveBrush(red));
  EXPECT_EQ(cache->GetRetiredCount(), 0);

  cache->HoldBrush(clBlue);
  cache->Clear();
  EXPECT_EQ(cache->GetDepth(), 0);
  EXPECT_TRUE(IsLiveBrush(blue));
  cache->ReleaseBrush(blue);
  EXPECT_FALSE(IsLiveBrush(blue));

  // A brush nobody holds goes at once.
  HBRUSH green = cache->GetBrush(clGreen);
  cache->GetBrush(clYellow);
  EXPECT_FALSE(IsLiveBrushOf(green, clGreen));
}

TEST(cxSolidBrushCache, SharedCacheServesEveryOverloadAndEmptiesOnColourChanges) {
  ResetSolidBrushCache();
  TcxSolidBrushCache* cache = SolidBrushCache();
  ASSERT_NE(cache, nullptr);
  HBRUSH brush = GetSolidBrush(clRed);
  EXPECT_EQ(GetSolidBrush(static_cast<TCanvas*>(nullptr), clRed), brush);
  EXPECT_EQ(GetSolidBrush(static_cast<TcxCanvas*>(nullptr), clRed), brush);
  EXPECT_EQ(cache->GetDepth(), 1);
  {
    TcxSolidBrushHolder held(clAqua);
    EXPECT_EQ(cache->GetDepth(), 2);
    const INT index = COLOR_BTNFACE;
    const COLORREF colour = GetSysColor(COLOR_BTNFACE);
    SetSysColors(1, &index, &colour);
    EXPECT_EQ(cache->GetDepth(), 0);
    EXPECT_FALSE(IsLiveBrush(brush));
    EXPECT_TRUE(IsLiveBrush(held));
  }
  EXPECT_EQ(cache->GetRetiredCount(), 0);
  ResetSolidBrushCache();
}

}  // namespace
