// The brush cache: shared brushes per colour, system colours, reference counting, the update lock;
// and the unit state it rests on (system brushes, half-tone brush).
#include <gtest/gtest.h>

#include <vector>

#include "SysInfo.h"
#include "WinGdi.h"
#include "WinUserDraw.h"
#include "cxGraphics.h"

namespace {

std::vector<TColor> Colours(const TcxBrushCache& cache) {
  std::vector<TColor> r;
  for (Integer i = 0; i < cache.GetCount(); ++i) r.push_back(cache.GetItem(i).Color);
  return r;
}

}  // namespace

TEST(cxGraphicsBrushCache, SystemColoursAnswerTheSystemBrushes) {
  auto cache = NewOwned<TcxBrushCache>();
  TBrush* face = cache->Add(clBtnFace);
  EXPECT_EQ(face, cxSystemBrush(15));
  EXPECT_EQ(face->GetColor(), clBtnFace);
  EXPECT_EQ(cache->GetCount(), 0);
  EXPECT_TRUE(TcxBrushCache::IsSystemBrush(face));
  EXPECT_TRUE(TcxBrushCache::IsSystemBrush(nullptr));
  TBrush* again = face;
  cache->ReleaseBrush(face);  // not counted: nothing happens
  cache->ReleaseBrush(again);
  EXPECT_EQ(cache->GetCount(), 0);
  EXPECT_EQ(face, nullptr);
  EXPECT_EQ(cache->Add(clBtnFace), cxSystemBrush(15));
  EXPECT_EQ(cxSystemBrush(15)->GetColor(), clBtnFace);
}

TEST(cxGraphicsBrushCache, SystemColoursBeyondTheSystemBrushesArePlainEntries) {
  auto cache = NewOwned<TcxBrushCache>();
  const TColor beyond = clSystemColor | 31;
  TBrush* b = cache->Add(beyond);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(cxSystemBrush(31), nullptr);
  EXPECT_EQ(cache->GetCount(), 1);
  EXPECT_FALSE(TcxBrushCache::IsSystemBrush(b));
  TBrush* c = cache->Add(beyond);
  EXPECT_EQ(c, b);
  cache->ReleaseBrush(b);
  cache->ReleaseBrush(c);
  EXPECT_EQ(cache->GetCount(), 0);
}

TEST(cxGraphicsBrushCache, OneColourSharesOneBrushUntilItsLastRelease) {
  auto cache = NewOwned<TcxBrushCache>();
  TBrush* a = cache->Add(0x123456);
  TBrush* b = cache->Add(0x123456);
  EXPECT_EQ(a, b);
  EXPECT_EQ(a->GetColor(), 0x123456);
  EXPECT_EQ(cache->GetItem(0).RefCount, 2);
  TBrush* stale = a;
  cache->ReleaseBrush(a);
  EXPECT_EQ(a, nullptr);  // the variable is emptied
  EXPECT_EQ(cache->GetCount(), 1);
  cache->ReleaseBrush(b);
  EXPECT_EQ(cache->GetCount(), 0);
  // A third release, through a copy of the freed brush, finds no entry and never touches the brush.
  EXPECT_NO_THROW(cache->ReleaseBrush(stale));
  EXPECT_NO_THROW(cache->ReleaseBrush(b));
}

TEST(cxGraphicsBrushCache, EntriesStaySortedByColour) {
  auto cache = NewOwned<TcxBrushCache>();
  for (TColor c : {10, 30, 20, 5, 30, 25}) cache->Add(c);
  EXPECT_EQ(Colours(*cache), (std::vector<TColor>{5, 10, 20, 25, 30}));
  EXPECT_EQ(cache->GetItem(4).RefCount, 2);
  // The array grows by 8 entries while small and by a quarter beyond 31.
  EXPECT_EQ(cache->GetCapacity(), 8);
  for (TColor c = 100; c < 140; ++c) cache->Add(c);
  EXPECT_EQ(cache->GetCount(), 45);
  EXPECT_EQ(cache->GetCapacity(), 50);  // 8, 16, 24, 32, 40 (32 + 8), 50 (40 + 10)
  TBrush* b = cache->Add(20);
  cache->SetBrushColor(b, 21);
  EXPECT_EQ(b->GetColor(), 21);
  EXPECT_EQ(cache->GetItem(2).RefCount, 1);  // 20 is back to its first user
}

TEST(cxGraphicsBrushCache, TheUpdateLockDefersRemovals) {
  auto cache = NewOwned<TcxBrushCache>();
  TBrush* a = cache->Add(0x10);
  TBrush* b = cache->Add(0x20);
  TBrush* copyOfA = a;
  cache->BeginUpdate();
  cache->BeginUpdate();
  cache->ReleaseBrush(a);
  EXPECT_EQ(cache->GetCount(), 2);  // still present, count 0
  EXPECT_EQ(cache->GetItem(0).RefCount, 0);
  // Releasing it once more now finds the pending entry and is an error.
  try {
    cache->ReleaseBrush(copyOfA);
    ADD_FAILURE() << "no exception";
  } catch (const EBrushCache& e) {
    EXPECT_STREQ(e.what(), "Release unused brush");
  }
  // An Add of a pending colour revives it.
  TBrush* keptB = b;
  cache->ReleaseBrush(b);
  EXPECT_EQ(cache->Add(0x20), keptB);
  cache->EndUpdate();
  EXPECT_EQ(cache->GetCount(), 2);  // not the outermost lock yet
  cache->EndUpdate();
  EXPECT_EQ(Colours(*cache), (std::vector<TColor>{0x20}));
  EXPECT_EQ(cache->GetItem(0).Brush, keptB);
}

TEST(cxGraphicsBrushCache, RecreateKeepsEveryEntry) {
  auto cache = NewOwned<TcxBrushCache>();
  TBrush* a = cache->Add(0x0000FF);
  cache->Recreate();
  EXPECT_EQ(cache->GetCount(), 1);
  EXPECT_EQ(a->GetColor(), 0x0000FF);
  EXPECT_NE(a->GetHandle(), nullptr);
}

TEST(cxGraphicsUnit, SystemBrushesAndTheHalfToneBrush) {
  for (Integer i = 0; i < cxSystemBrushCount; ++i) {
    ASSERT_NE(cxSystemBrush(i), nullptr);
    EXPECT_EQ(cxSystemBrush(i)->GetColor(), clSystemColor | i);
  }
  EXPECT_EQ(cxSystemBrush(-1), nullptr);
  EXPECT_EQ(cxSystemBrush(cxSystemBrushCount), nullptr);

  // The half-tone brush is a checkerboard in the DC's text and background colours.
  ASSERT_NE(cxHalfToneBrush, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateBitmap(8, 8, 1, 32, nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SetTextColor(dc, RGB(255, 0, 0));
  SetBkColor(dc, RGB(0, 0, 255));
  RECT all{0, 0, 8, 8};
  FillRect(dc, &all, cxHalfToneBrush->GetHandle());
  const COLORREF a = GetPixel(dc, 0, 0), b = GetPixel(dc, 1, 0);
  EXPECT_NE(a, b);
  EXPECT_TRUE((a == RGB(255, 0, 0) && b == RGB(0, 0, 255)) || (a == RGB(0, 0, 255) && b == RGB(255, 0, 0)))
      << std::hex << a << " " << b;
  EXPECT_EQ(GetPixel(dc, 0, 1), b);
  EXPECT_EQ(GetPixel(dc, 1, 1), a);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);

  // No system alpha-blend library is present here: the software blend is what the canvas uses.
  EXPECT_EQ(cxSystemAlphaBlendFunc, nullptr);
}

TEST(cxGraphicsUnit, TheSystemAlphaBlendIsBoundWhenItsLibraryHasIt) {
  // The unit starts again with the library present, and once more without it afterwards.
  cxGraphicsFinalization();
  RegisterSystemFunction("msimg32.dll", "AlphaBlend",
                         reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&WinGdi::AlphaBlend)));
  cxGraphicsInitialization();
  EXPECT_EQ(cxSystemAlphaBlendFunc, &WinGdi::AlphaBlend);
  EXPECT_NE(cxHalfToneBrush, nullptr);
  cxGraphicsFinalization();
  EXPECT_EQ(cxSystemAlphaBlendFunc, nullptr);
  EXPECT_EQ(cxHalfToneBrush, nullptr);
  EXPECT_EQ(cxSystemBrush(0), nullptr);
  UnregisterSystemLibrary("msimg32");
  cxGraphicsInitialization();
  EXPECT_EQ(cxSystemAlphaBlendFunc, nullptr);
  EXPECT_NE(cxSystemBrush(0), nullptr);
}
