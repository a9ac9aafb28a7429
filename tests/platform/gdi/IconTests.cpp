#include <gtest/gtest.h>

#include "GdiTestCanvas.h"
#include "WinIcons.h"

TEST(Icons, DrawAsMaskAndImageAndCopyTheirBitmaps) {
  // 2 x 1: the left pixel is transparent (mask white, image black), the right one red.
  const uint8_t maskBits[2] = {0x80, 0};
  HBITMAP mask = CreateBitmap(2, 1, 1, 1, maskBits);
  TTestCanvas image(2, 1, 0);
  SetPixel(image.DC, 1, 0, RGB(255, 0, 0));
  ICONINFO ii;
  ii.hbmMask = mask;
  ii.hbmColor = static_cast<HBITMAP>(GetCurrentObject(image.DC, OBJ_BITMAP));
  HICON icon = CreateIconIndirect(&ii);
  ASSERT_NE(icon, nullptr);
  DeleteObject(mask);  // the icon keeps its own copies

  TTestCanvas c(4, 2, RGB(0, 255, 0));
  ASSERT_TRUE(DrawIconEx(c.DC, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(c.At(0, 0), RGB(0, 255, 0));
  EXPECT_EQ(c.At(1, 0), RGB(255, 0, 0));
  ASSERT_TRUE(DrawIconEx(c.DC, 0, 0, icon, 4, 2, 0, nullptr, DI_NORMAL));  // stretched
  EXPECT_EQ(c.At(3, 1), RGB(255, 0, 0));
  EXPECT_EQ(c.At(1, 1), RGB(0, 255, 0));

  ICONINFO back;
  ASSERT_TRUE(GetIconInfo(icon, &back));
  BITMAP bm;
  GetObject(back.hbmMask, sizeof bm, &bm);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  EXPECT_TRUE(DeleteObject(back.hbmMask));  // copies, the caller's to delete
  EXPECT_TRUE(DeleteObject(back.hbmColor));
  HICON big = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, 8, 4, 0));
  ASSERT_TRUE(GetIconInfo(big, &back));
  GetObject(back.hbmColor, sizeof bm, &bm);
  EXPECT_EQ(bm.bmWidth, 8);
  DeleteObject(back.hbmMask);
  DeleteObject(back.hbmColor);
  EXPECT_TRUE(DestroyIcon(big));
  EXPECT_TRUE(DestroyIcon(icon));
  EXPECT_FALSE(DestroyIcon(icon));
  EXPECT_FALSE(DrawIconEx(c.DC, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
}
