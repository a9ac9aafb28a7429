#include <gtest/gtest.h>

#include <vector>

#include "GdiBmp.h"
#include "GdiTestCanvas.h"

namespace {

bool SamePixels(HBITMAP a, HBITMAP b) {
  TGdiSurface *sa = GetBitmapSurface(a), *sb = GetBitmapSurface(b);
  if (!sa || !sb || sa->Width() != sb->Width() || sa->Height() != sb->Height()) return false;
  for (int y = 0; y < sa->Height(); ++y)
    for (int x = 0; x < sa->Width(); ++x)
      if ((sa->Pixel(x, y) & 0xFFFFFF) != (sb->Pixel(x, y) & 0xFFFFFF)) return false;
  return true;
}

// A small BMP file in the 8-bit run-length form: a 4 x 2 picture, bottom row two runs, top row absolute.
std::vector<uint8_t> Rle8File() {
  std::vector<uint8_t> f = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 14 + 40 + 8, 0, 0, 0,
                            40, 0, 0, 0, 4, 0, 0, 0, 2, 0, 0, 0, 1, 0, 8, 0, 1, 0, 0, 0,  // BI_RLE8
                            0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0,
                            0, 0, 255, 0, 255, 0, 0, 0};                                      // red, blue
  const uint8_t rows[] = {2, 0, 2, 1, 0, 0,        // bottom: red red blue blue, end of line
                          0, 4, 1, 0, 0, 1, 0, 1};  // top: absolute blue red red blue, end of bitmap
  for (uint8_t r : rows) f.push_back(r);
  return f;
}

}  // namespace

TEST(BmpFiles, WrittenBitmapsReadBackAlike) {
  TTestCanvas colour(7, 3);
  SetPixel(colour.DC, 0, 0, RGB(255, 0, 0));
  SetPixel(colour.DC, 6, 2, RGB(0, 0, 255));
  HBITMAP mono = CreateBitmap(9, 2, 1, 1, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, mono);
  PatBlt(dc, 0, 0, 4, 1, WHITENESS);
  SelectObject(dc, old);
  DeleteDC(dc);
  for (HBITMAP b : {static_cast<HBITMAP>(GetCurrentObject(colour.DC, OBJ_BITMAP)), mono}) {
    std::vector<uint8_t> file = EncodeBmp(b);
    ASSERT_GT(file.size(), 54u);
    EXPECT_EQ(file[0], 'B');
    HBITMAP back = DecodeBmp(file.data(), file.size());
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(SamePixels(b, back));
    BITMAP a, c;
    GetObject(b, sizeof a, &a);
    GetObject(back, sizeof c, &c);
    EXPECT_EQ(a.bmBitsPixel, c.bmBitsPixel);
    DeleteObject(back);
  }
  DeleteObject(mono);
}

TEST(BmpFiles, RunLengthRowsExpand) {
  std::vector<uint8_t> f = Rle8File();
  HBITMAP b = DecodeBmp(f.data(), f.size());
  ASSERT_NE(b, nullptr);
  TGdiSurface* s = GetBitmapSurface(b);
  const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255);
  const COLORREF expected[2][4] = {{blue, red, red, blue}, {red, red, blue, blue}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(PixelToColor(s->Pixel(x, y)), expected[y][x]) << x << "," << y;
  DeleteObject(b);
}

TEST(BmpFiles, MalformedFilesAreRefused) {
  std::vector<uint8_t> good = Rle8File();
  struct Case {
    const char* Name;
    size_t Offset;
    uint8_t Value;
    size_t Truncate;
  } cases[] = {
      {"not a bitmap", 0, 'X', 0},
      {"zero width", 18, 0, 0},
      {"unknown compression", 30, 9, 0},
      {"odd bit depth", 28, 7, 0},
      {"truncated colour table", 0, 'B', 58},
      {"bits offset inside the header", 10, 20, 0},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> f = good;
    f[c.Offset] = c.Value;
    if (c.Truncate) f.resize(c.Truncate);
    EXPECT_EQ(DecodeBmp(f.data(), f.size()), nullptr) << c.Name;
  }
  EXPECT_EQ(DecodeBmp(nullptr, 100), nullptr);
  // Plain rows shorter than the picture needs.
  TTestCanvas c(8, 8);
  std::vector<uint8_t> file = EncodeBmp(static_cast<HBITMAP>(GetCurrentObject(c.DC, OBJ_BITMAP)));
  file.resize(file.size() - 1);
  EXPECT_EQ(DecodeBmp(file.data(), file.size()), nullptr);
}
