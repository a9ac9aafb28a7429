// Image lists loaded from bitmap resources and files: cut into images, the transparent colour
// taken from the top-left pixel on request.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <vector>

#include "GdiBmp.h"
#include "GdiTestCanvas.h"
#include "Resources.h"
#include "WinIcons.h"
#include "WinImageList.h"

namespace {

// A strip of three 2 x 2 images (red, green, blue), every top-left pixel fuchsia.
std::vector<uint8_t> StripFile() {
  TTestCanvas c(6, 2);
  const COLORREF colours[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};
  for (int i = 0; i < 3; ++i)
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 2; ++x) SetPixel(c.DC, 2 * i + x, y, x + y ? colours[i] : RGB(255, 0, 255));
  return EncodeBmp(c.Bitmap);
}

}  // namespace

TEST(ImageListLoad, BitmapResourcesAndFilesAreCutIntoImages) {
  static std::vector<uint8_t> file = StripFile();
  static std::vector<uint8_t> packed(file.begin() + 14, file.end());
  static const TResourceEntry entries[] = {{"#2", "LOADSTRIPFILE", file.data(), file.size()},
                                           {"#2", "LOADSTRIPPACKED", packed.data(), packed.size()}};
  static const TResourceTable table{entries, 2};
  RegisterResourceTable(table);
  for (const char* name : {"LoadStripFile", "LoadStripPacked"}) {
    HIMAGELIST list = ImageList_LoadImage(HInstance, name, 0, 4, CLR_DEFAULT, IMAGE_BITMAP, LR_CREATEDIBSECTION);
    ASSERT_NE(list, nullptr) << name;
    int cx = 0, cy = 0;
    ImageList_GetIconSize(list, &cx, &cy);
    EXPECT_EQ(cx, 2);
    EXPECT_EQ(cy, 2);
    EXPECT_EQ(ImageList_GetImageCount(list), 3);
    TTestCanvas c(2, 2, RGB(0, 0, 0));
    ImageList_Draw(list, 2, c.DC, 0, 0, ILD_TRANSPARENT);
    EXPECT_EQ(c.At(0, 0), RGB(0, 0, 0)) << "the top-left colour is transparent";
    EXPECT_EQ(c.At(1, 1), RGB(0, 0, 255));
    ImageList_Destroy(list);
  }
  HIMAGELIST wide = ImageList_LoadImage(HInstance, "LoadStripFile", 3, 4, CLR_NONE, IMAGE_BITMAP, 0);
  ASSERT_NE(wide, nullptr);
  EXPECT_EQ(ImageList_GetImageCount(wide), 2) << "whole images only";
  ImageList_Destroy(wide);
  EXPECT_EQ(ImageList_LoadImage(HInstance, "NoSuchStrip", 0, 4, CLR_NONE, IMAGE_BITMAP, 0), nullptr);
  EXPECT_EQ(ImageList_LoadImage(HInstance, "LoadStripFile", 7, 4, CLR_NONE, IMAGE_BITMAP, 0), nullptr)
      << "narrower than one image";
  EXPECT_EQ(ImageList_LoadImage(HInstance, "LoadStripFile", 0, 4, CLR_NONE, IMAGE_ICON, 0), nullptr);

  const char* path = "image_list_load_test.bmp";
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                              static_cast<std::streamsize>(file.size()));
  HIMAGELIST fromFile = ImageList_LoadImage(nullptr, path, 2, 4, CLR_NONE, IMAGE_BITMAP, LR_LOADFROMFILE);
  ASSERT_NE(fromFile, nullptr);
  EXPECT_EQ(ImageList_GetImageCount(fromFile), 3);
  ImageList_Destroy(fromFile);
  std::remove(path);
}
