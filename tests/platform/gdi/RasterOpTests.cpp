#include <gtest/gtest.h>

#include <random>

#include "GdiTestCanvas.h"
#include "raster/RasterOps.h"

TEST(RasterOps, TernaryCodesFollowTheirTruthTable) {
  std::mt19937 rng(3);
  for (int code = 0; code < 256; ++code) {
    uint32_t p = rng(), s = rng(), d = rng();
    uint32_t r = Rop3(static_cast<uint8_t>(code), p, s, d);
    for (int bit = 0; bit < 32; ++bit) {
      int index = (((p >> bit) & 1) << 2) | (((s >> bit) & 1) << 1) | ((d >> bit) & 1);
      ASSERT_EQ((r >> bit) & 1, static_cast<uint32_t>((code >> index) & 1)) << "code " << code;
    }
  }
}

TEST(RasterOps, MixModesFollowTheirTruthTable) {
  for (int mode = R2_BLACK; mode <= R2_WHITE; ++mode)
    for (int pen = 0; pen < 2; ++pen)
      for (int dest = 0; dest < 2; ++dest) {
        uint32_t r = Rop2(mode, pen ? 0xFFFFFFFF : 0, dest ? 0xFFFFFFFF : 0);
        EXPECT_EQ(r & 1, static_cast<uint32_t>(((mode - 1) >> (pen * 2 + dest)) & 1)) << "mode " << mode;
      }
}

TEST(RasterOps, BlitCodesCombineBrushSourceAndDestination) {
  // One pixel each: brush 0xF0F0F0-ish pattern P, source S, destination D, in colour channels.
  const COLORREF P = RGB(0xF0, 0x0F, 0xAA), S = RGB(0xCC, 0x33, 0x0F), D = RGB(0xAA, 0x55, 0xF0);
  struct Case {
    DWORD Rop;
    COLORREF Expected;
  } cases[] = {
      {SRCCOPY, S},
      {SRCPAINT, S | D},
      {SRCAND, S & D},
      {SRCINVERT, S ^ D},
      {NOTSRCCOPY, ~S & 0xFFFFFF},
      {DSTINVERT, ~D & 0xFFFFFF},
      {PATINVERT, P ^ D},
      {PATCOPY, P},
      {MERGECOPY, S & P},
      {MERGEPAINT, (~S | D) & 0xFFFFFF},
      {0x00220326, ~S & D & 0xFFFFFF},
      {0x00E20746, ((S & P) | (~S & D)) & 0xFFFFFF},   // pattern where the source is set
      {0x00B8074A, ((S & D) | (~S & P)) & 0xFFFFFF},   // brush where the mask source is clear
      {0x00A000C9, P & D},
      {0x00200F09, P & ~S & D & 0xFFFFFF},
      {BLACKNESS, 0},
      {WHITENESS, 0xFFFFFF},
  };
  TTestCanvas src(1, 1, S);
  for (const Case& c : cases) {
    TTestCanvas dst(1, 1, D);
    HBRUSH brush = CreateSolidBrush(P);
    HGDIOBJ old = SelectObject(dst.DC, brush);
    EXPECT_TRUE(BitBlt(dst.DC, 0, 0, 1, 1, src.DC, 0, 0, c.Rop));
    EXPECT_EQ(dst.At(0, 0), c.Expected) << std::hex << c.Rop;
    SelectObject(dst.DC, old);
    DeleteObject(brush);
  }
}

TEST(RasterOps, PatBltRefusesCodesThatNeedASource) {
  TTestCanvas c(2, 2);
  EXPECT_FALSE(PatBlt(c.DC, 0, 0, 2, 2, SRCCOPY));
  EXPECT_TRUE(PatBlt(c.DC, 0, 0, 1, 2, DSTINVERT));
  EXPECT_EQ(c.Art(), Rows({"#.", "#."}));
  EXPECT_TRUE(PatBlt(c.DC, 1, 2, -1, -2, DSTINVERT));  // negative extents count backwards
  EXPECT_EQ(c.Art(), Rows({"..", ".."}));
}
