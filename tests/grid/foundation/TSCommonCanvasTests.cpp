#include <gtest/gtest.h>

#include <thread>

#include "Graphics.h"
#include "PixelSurface.h"
#include "TSCommonCanvas.h"
#include "WinGdi.h"

using namespace PixelSurface;

namespace {

TEST(TtsMemoryCanvas, GrowsForTheLargestGridAndGoesWithTheLastUse) {
  TSurface window(10, 10);
  TOwnedPtr<TtsMemoryCanvas> canvas(New<TtsMemoryCanvas>());
  ASSERT_TRUE(canvas->Prepare(window.DC, 300, 200));
  ASSERT_TRUE(canvas->Prepare(window.DC, 200, 400));
  EXPECT_EQ(canvas->GetWidth(), 300);
  EXPECT_EQ(canvas->GetHeight(), 400);
  EXPECT_EQ(canvas->GetUseCount(), 2);
  BITMAP info;
  GetObject(GetCurrentObject(canvas->DC, OBJ_BITMAP), sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 300);
  EXPECT_EQ(info.bmHeight, 400);
  EXPECT_TRUE(canvas->Resize(window.DC, 100, 100));
  EXPECT_EQ(canvas->GetWidth(), 300) << "a smaller size changes nothing";

  // Drawing is clipped to the rectangle given.
  RECT all{0, 0, 300, 400};
  FillRect(canvas->DC, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  canvas->SetObjects(TRect(10, 10, 20, 20));
  FillRect(canvas->DC, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(GetPixel(canvas->DC, 15, 15) & 0xFFFFFF, 0u);
  SelectClipRgn(canvas->DC, nullptr);
  EXPECT_NE(GetPixel(canvas->DC, 5, 5) & 0xFFFFFF, 0u);

  canvas->Release();
  EXPECT_NE(canvas->DC, nullptr);
  canvas->Release();
  EXPECT_EQ(canvas->DC, nullptr);
  EXPECT_EQ(canvas->GetWidth(), 0);
  EXPECT_EQ(canvas->GetHeight(), 0);
  canvas->Release();
  EXPECT_EQ(canvas->GetUseCount(), 0) << "an unmatched release is ignored";
}

TEST(TtsMemoryCanvas, ASurfaceThatCannotBeMadeLeavesTheGridPaintingDirectly) {
  TSurface window(10, 10);
  TOwnedPtr<TtsMemoryCanvas> canvas(New<TtsMemoryCanvas>());
  EXPECT_FALSE(canvas->Prepare(window.DC, 60000, 60000));
  EXPECT_EQ(canvas->DC, nullptr);
  EXPECT_EQ(canvas->GetUseCount(), 0);
  ASSERT_TRUE(canvas->Prepare(window.DC, 50, 50));
  EXPECT_FALSE(canvas->Resize(window.DC, 60000, 60000));
  EXPECT_FALSE(canvas->Prepare(window.DC, 60000, 60000));
  EXPECT_EQ(canvas->GetWidth(), 50) << "the old surface stays in place";
  EXPECT_EQ(canvas->GetUseCount(), 1);
  EXPECT_NE(canvas->DC, nullptr);
}

TEST(TtsMemoryCanvas, NestedLocksKeepTheOuterOwner) {
  TOwnedPtr<TtsMemoryCanvas> canvas(New<TtsMemoryCanvas>());
  TOwnedPtr<TObject> a(New<TObject>()), b(New<TObject>());
  EXPECT_FALSE(canvas->Locked(a.get()));
  canvas->Lock(a.get());
  EXPECT_FALSE(canvas->Locked(a.get()));
  EXPECT_TRUE(canvas->Locked(b.get()));
  bool otherThread = true;
  std::thread([&] { otherThread = canvas->Locked(b.get()); }).join();
  EXPECT_FALSE(otherThread) << "another thread never sees the surface as locked by another owner";

  canvas->Lock(b.get());  // a nested paint of another grid on the same thread
  EXPECT_TRUE(canvas->Locked(a.get()));
  EXPECT_FALSE(canvas->Locked(b.get()));
  canvas->Unlock();
  EXPECT_FALSE(canvas->Locked(a.get())) << "the outer owner holds the lock again";
  EXPECT_TRUE(canvas->Locked(b.get()));
  canvas->Unlock();
  EXPECT_FALSE(canvas->Locked(b.get()));

  // Released for other threads once the outer lock is given back.
  bool acquired = false;
  std::thread([&] {
    canvas->Lock(b.get());
    acquired = true;
    canvas->Unlock();
  }).join();
  EXPECT_TRUE(acquired);
}

TEST(TtsMemoryCanvas, InitCanvasGivesTheCanvasItsObjects) {
  TSurface surface(4, 4);
  InitCanvas(surface.Canvas);
  surface.Canvas->GetBrush()->SetColor(clRed);
  surface.Canvas->FillRect(TRect(1, 1, 3, 3));
  EXPECT_EQ(surface.At(2, 2), RGBOf(clRed));
}

}  // namespace
