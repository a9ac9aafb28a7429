// Icons in image lists: an icon stretched into a list keeps its mask, and an image comes out as an
// icon with the list's mask.
#include <gtest/gtest.h>

#include "GdiTestCanvas.h"
#include "WinIcons.h"
#include "WinImageList.h"

namespace {

// A 4 x 4 icon: blue, its top-left 2 x 2 quarter transparent (black in the image, white in the mask).
HICON QuarterIcon() {
  HBITMAP color = CreateBitmap(4, 4, 1, 32, nullptr);
  HBITMAP mask = CreateBitmap(4, 4, 1, 1, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, color);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) SetPixel(dc, x, y, x < 2 && y < 2 ? RGB(0, 0, 0) : RGB(0, 0, 255));
  SelectObject(dc, mask);
  PatBlt(dc, 0, 0, 4, 4, BLACKNESS);
  PatBlt(dc, 0, 0, 2, 2, WHITENESS);
  SelectObject(dc, old);
  DeleteDC(dc);
  ICONINFO ii;
  ii.hbmColor = color;
  ii.hbmMask = mask;
  HICON icon = CreateIconIndirect(&ii);
  DeleteObject(color);
  DeleteObject(mask);
  return icon;
}

}  // namespace

TEST(ImageListIcons, IconsAreStretchedInAndComeOutWithTheirMask) {
  HIMAGELIST list = ImageList_Create(2, 2, ILC_COLOR32 | ILC_MASK, 2, 2);
  HICON icon = QuarterIcon();
  EXPECT_EQ(ImageList_AddIcon(list, icon), 0);
  EXPECT_EQ(ImageList_AddIcon(list, icon), 1);
  EXPECT_EQ(ImageList_ReplaceIcon(list, 5, icon), -1) << "outside the list";
  EXPECT_EQ(ImageList_ReplaceIcon(list, 1, nullptr), -1) << "no icon";
  EXPECT_EQ(ImageList_GetImageCount(list), 2);
  TTestCanvas c(2, 2, RGB(0, 255, 0));
  ASSERT_TRUE(ImageList_Draw(list, 0, c.DC, 0, 0, ILD_TRANSPARENT));
  EXPECT_EQ(c.At(0, 0), RGB(0, 255, 0)) << "the transparent quarter became one pixel";
  EXPECT_EQ(c.At(1, 1), RGB(0, 0, 255));

  HICON out = ImageList_GetIcon(list, 1, ILD_NORMAL);
  ASSERT_NE(out, nullptr);
  c.Clear(RGB(0, 255, 0));
  DrawIconEx(c.DC, 0, 0, out, 0, 0, 0, nullptr, DI_NORMAL);
  EXPECT_EQ(c.At(0, 0), RGB(0, 255, 0));
  EXPECT_EQ(c.At(1, 0), RGB(0, 0, 255));
  EXPECT_EQ(ImageList_GetIcon(list, 2, ILD_NORMAL), nullptr);
  DestroyIcon(out);
  DestroyIcon(icon);
  ImageList_Destroy(list);
}
