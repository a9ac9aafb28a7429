#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "GdiTestCanvas.h"
#include "WinGdi.h"

namespace {

// The pixels of a region on a small grid, read through PtInRegion.
std::vector<bool> Pixels(HRGN r, int size) {
  std::vector<bool> p(size * size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) p[y * size + x] = PtInRegion(r, x, y);
  return p;
}

HRGN RandomRegion(std::mt19937& rng, int size) {
  std::uniform_int_distribution<int> coord(0, size);
  HRGN r = CreateRectRgn(0, 0, 0, 0);
  for (int i = 0; i < 4; ++i) {
    HRGN part = CreateRectRgn(coord(rng), coord(rng), coord(rng), coord(rng));
    CombineRgn(r, r, part, (i % 2) ? RGN_XOR : RGN_OR);
    DeleteObject(part);
  }
  return r;
}

}  // namespace

TEST(Regions, CombineMatchesThePixelModelOnRandomRectangles) {
  const int size = 24;
  std::mt19937 rng(7);
  for (int round = 0; round < 100; ++round) {
    HRGN a = RandomRegion(rng, size), b = RandomRegion(rng, size), out = CreateRectRgn(0, 0, 0, 0);
    std::vector<bool> pa = Pixels(a, size), pb = Pixels(b, size);
    for (int mode : {RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY}) {
      int kind = CombineRgn(out, a, b, mode);
      std::vector<bool> po = Pixels(out, size);
      int count = 0;
      for (int i = 0; i < size * size; ++i) {
        bool expected = mode == RGN_AND ? pa[i] && pb[i]
                        : mode == RGN_OR ? pa[i] || pb[i]
                        : mode == RGN_XOR ? pa[i] != pb[i]
                        : mode == RGN_DIFF ? pa[i] && !pb[i]
                                           : pa[i];
        ASSERT_EQ(po[i], expected) << "mode " << mode << " pixel " << i;
        count += expected;
      }
      // The answer says what came out, and the box bounds it tightly.
      RECT box;
      EXPECT_EQ(GetRgnBox(out, &box), kind);
      if (count == 0) EXPECT_EQ(kind, NULLREGION);
      else EXPECT_NE(kind, NULLREGION);
      // Equal pixel sets are equal regions whatever way they were built.
      HRGN copy = CreateRectRgn(0, 0, 0, 0);
      for (int y = 0; y < size; ++y)
        for (int x = 0; x < size;) {
          if (!po[y * size + x]) {
            ++x;
            continue;
          }
          int end = x;
          while (end < size && po[y * size + end]) ++end;
          HRGN run = CreateRectRgn(x, y, end, y + 1);
          CombineRgn(copy, copy, run, RGN_OR);
          DeleteObject(run);
          x = end;
        }
      EXPECT_TRUE(EqualRgn(copy, out));
      DeleteObject(copy);
    }
    DeleteObject(a);
    DeleteObject(b);
    DeleteObject(out);
  }
}

TEST(Regions, RectanglesAreHalfOpenAndNormalised) {
  HRGN r = CreateRectRgn(10, 20, 2, 4);  // corners in either order
  RECT box;
  EXPECT_EQ(GetRgnBox(r, &box), SIMPLEREGION);
  EXPECT_EQ(box, (RECT{2, 4, 10, 20}));
  EXPECT_TRUE(PtInRegion(r, 2, 4));
  EXPECT_FALSE(PtInRegion(r, 10, 4));
  EXPECT_FALSE(PtInRegion(r, 2, 20));
  RECT touching{10, 4, 12, 6}, inside{9, 19, 30, 30};
  EXPECT_FALSE(RectInRegion(r, &touching));
  EXPECT_TRUE(RectInRegion(r, &inside));
  EXPECT_EQ(OffsetRgn(r, -2, -4), SIMPLEREGION);
  GetRgnBox(r, &box);
  EXPECT_EQ(box, (RECT{0, 0, 8, 16}));
  DeleteObject(r);
}

TEST(Regions, EllipsesAndRoundRectanglesStayInsideTheirBoxAndAreSymmetric) {
  struct Case {
    HRGN Rgn;
    RECT Box;
  } cases[] = {{CreateEllipticRgn(0, 0, 9, 9), {0, 0, 9, 9}},
               {CreateEllipticRgn(3, 2, 20, 9), {3, 2, 20, 9}},
               {CreateRoundRectRgn(0, 0, 16, 10, 6, 6), {0, 0, 16, 10}}};
  for (const Case& c : cases) {
    RECT box;
    GetRgnBox(c.Rgn, &box);
    EXPECT_EQ(box, c.Box);
    for (int y = c.Box.top; y < c.Box.bottom; ++y)
      for (int x = c.Box.left; x < c.Box.right; ++x) {
        int mx = c.Box.left + c.Box.right - 1 - x, my = c.Box.top + c.Box.bottom - 1 - y;
        ASSERT_EQ(PtInRegion(c.Rgn, x, y), PtInRegion(c.Rgn, mx, y));
        ASSERT_EQ(PtInRegion(c.Rgn, x, y), PtInRegion(c.Rgn, x, my));
      }
    EXPECT_FALSE(PtInRegion(c.Rgn, c.Box.left, c.Box.top));  // corners are cut
    DeleteObject(c.Rgn);
  }
}

TEST(Regions, PolygonFillModesDifferOnlyInsideSelfOverlaps) {
  // A pentagram: its centre is covered twice, so ALTERNATE leaves it out and WINDING fills it.
  POINT star[5] = {{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}};
  HRGN alt = CreatePolygonRgn(star, 5, ALTERNATE), wind = CreatePolygonRgn(star, 5, WINDING);
  EXPECT_FALSE(PtInRegion(alt, 10, 10));
  EXPECT_TRUE(PtInRegion(wind, 10, 10));
  EXPECT_TRUE(PtInRegion(alt, 10, 3));
  EXPECT_TRUE(PtInRegion(wind, 10, 3));
  DeleteObject(alt);
  DeleteObject(wind);
  // Left and top edges are in, right and bottom edges out.
  POINT square[4] = {{2, 2}, {6, 2}, {6, 6}, {2, 6}};
  HRGN sq = CreatePolygonRgn(square, 4, ALTERNATE);
  RECT box;
  GetRgnBox(sq, &box);
  EXPECT_EQ(box, (RECT{2, 2, 6, 6}));
  DeleteObject(sq);
}

TEST(Regions, RegionDataRoundTripsThroughExtCreateRegion) {
  HRGN a = CreateEllipticRgn(0, 0, 30, 20);
  DWORD size = GetRegionData(a, 0, nullptr);
  ASSERT_GT(size, sizeof(RGNDATAHEADER));
  std::vector<char> buffer(size);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  EXPECT_EQ(GetRegionData(a, size - 1, data), 0u);  // too small
  ASSERT_EQ(GetRegionData(a, size, data), size);
  EXPECT_EQ(data->rdh.rcBound, (RECT{0, 0, 30, 20}));
  HRGN b = ExtCreateRegion(nullptr, size, data);
  EXPECT_TRUE(EqualRgn(a, b));
  data->rdh.nCount += 1;  // claims more rectangles than the buffer holds
  EXPECT_EQ(ExtCreateRegion(nullptr, size, data), nullptr);
  DeleteObject(a);
  DeleteObject(b);
}

TEST(Regions, StaleAndForeignHandlesAreRefused) {
  HRGN r = CreateRectRgn(0, 0, 5, 5);
  HBRUSH brush = CreateSolidBrush(0);
  ASSERT_TRUE(DeleteObject(r));
  RECT box;
  EXPECT_EQ(GetRgnBox(r, &box), ERROR);
  EXPECT_EQ(CombineRgn(r, r, r, RGN_OR), ERROR);
  EXPECT_EQ(OffsetRgn(reinterpret_cast<HRGN>(brush), 1, 1), ERROR);
  EXPECT_FALSE(DeleteObject(r));
  DeleteObject(brush);
}

TEST(Regions, FrameRgnPaintsTheBorderOfTheGivenThickness) {
  TTestCanvas c(8, 6);
  HRGN r = CreateRectRgn(1, 1, 7, 5);
  FrameRgn(c.DC, r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), 2, 1);
  EXPECT_EQ(c.Art(), Rows({"........",
                           ".######.",
                           ".##..##.",
                           ".##..##.",
                           ".######.",
                           "........"}));
  DeleteObject(r);
}
