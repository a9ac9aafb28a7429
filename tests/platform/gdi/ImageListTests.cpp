#include <gtest/gtest.h>

#include <vector>

#include "GdiTestCanvas.h"
#include "WinImageList.h"

namespace {

// A strip of `count` 2 x 2 images: image i is filled with colours[i], its top-left pixel fuchsia.
HBITMAP Strip(const std::vector<COLORREF>& colours) {
  int n = static_cast<int>(colours.size());
  TTestCanvas c(2 * n, 2);
  for (int i = 0; i < n; ++i)
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 2; ++x) SetPixel(c.DC, 2 * i + x, y, x == 0 && y == 0 ? RGB(255, 0, 255) : colours[i]);
  HBITMAP copy = CreateBitmap(2 * n, 2, 1, 32, nullptr);
  HDC mem = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(mem, copy);
  BitBlt(mem, 0, 0, 2 * n, 2, c.DC, 0, 0, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
  return copy;
}

}  // namespace

TEST(ImageLists, MaskedImagesDrawTransparentlyOrOnTheirBackground) {
  HIMAGELIST list = ImageList_Create(2, 2, ILC_COLOR24 | ILC_MASK, 4, 4);
  HBITMAP strip = Strip({RGB(255, 0, 0), RGB(0, 0, 255)});
  EXPECT_EQ(ImageList_AddMasked(list, strip, RGB(255, 0, 255)), 0);
  EXPECT_EQ(ImageList_GetImageCount(list), 2);
  TTestCanvas c(4, 2, RGB(0, 255, 0));
  ASSERT_TRUE(ImageList_Draw(list, 1, c.DC, 0, 0, ILD_TRANSPARENT));
  EXPECT_EQ(c.At(0, 0), RGB(0, 255, 0));  // the key colour let the background through
  EXPECT_EQ(c.At(1, 1), RGB(0, 0, 255));
  ImageList_SetBkColor(list, RGB(9, 9, 9));
  ImageList_Draw(list, 0, c.DC, 2, 0, ILD_NORMAL);
  EXPECT_EQ(c.At(2, 0), RGB(9, 9, 9));
  EXPECT_EQ(c.At(3, 1), RGB(255, 0, 0));
  ImageList_Draw(list, 0, c.DC, 0, 0, ILD_MASK);
  EXPECT_EQ(c.At(0, 0), RGB(255, 255, 255));
  EXPECT_EQ(c.At(1, 0), RGB(0, 0, 0));
  // The strips behind the list are readable but not the caller's to delete.
  IMAGEINFO info;
  ASSERT_TRUE(ImageList_GetImageInfo(list, 1, &info));
  EXPECT_EQ(info.rcImage, (RECT{2, 0, 4, 2}));
  EXPECT_FALSE(DeleteObject(info.hbmImage));
  EXPECT_FALSE(ImageList_GetImageInfo(list, 2, &info));
  DeleteObject(strip);
  ImageList_Destroy(list);
}

TEST(ImageLists, SwapRemoveAndWriteReadKeepImagesInStep) {
  HIMAGELIST list = ImageList_Create(2, 2, ILC_COLOR32 | ILC_MASK, 1, 1);
  HBITMAP strip = Strip({RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3)});
  ImageList_AddMasked(list, strip, RGB(255, 0, 255));
  ASSERT_TRUE(ImageList_Copy(list, 0, list, 2, ILCF_SWAP));
  std::vector<BYTE> bytes, again;
  ASSERT_TRUE(ImageList_Write(list, bytes));
  ASSERT_TRUE(ImageList_Write(list, again));
  EXPECT_EQ(bytes, again);
  HIMAGELIST copy = ImageList_Read(bytes.data(), bytes.size());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(ImageList_Read(bytes.data(), bytes.size() - 1), nullptr);  // truncated
  ASSERT_TRUE(ImageList_Remove(copy, 1));
  EXPECT_EQ(ImageList_GetImageCount(copy), 2);
  TTestCanvas c(4, 2);
  ImageList_Draw(copy, 0, c.DC, 0, 0, ILD_NORMAL);
  ImageList_Draw(copy, 1, c.DC, 2, 0, ILD_NORMAL);
  EXPECT_EQ(c.At(1, 1), RGB(3, 3, 3));  // swapped to the front
  EXPECT_EQ(c.At(3, 1), RGB(1, 1, 1));  // the middle one was removed
  EXPECT_FALSE(ImageList_Remove(copy, 5));
  DeleteObject(strip);
  ImageList_Destroy(list);
  ImageList_Destroy(copy);
  EXPECT_FALSE(ImageList_Destroy(copy));
}
