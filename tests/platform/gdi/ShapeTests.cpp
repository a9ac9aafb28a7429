#include <gtest/gtest.h>

#include "GdiTestCanvas.h"

namespace {

// Selects a pen and brush for one drawing and puts the old ones back.
struct TTools {
  HDC DC;
  HGDIOBJ OldPen, OldBrush;
  HPEN Pen;
  HBRUSH Brush;
  TTools(HDC dc, HPEN pen, HBRUSH brush) : DC(dc), Pen(pen), Brush(brush) {
    OldPen = SelectObject(dc, pen);
    OldBrush = SelectObject(dc, brush);
  }
  ~TTools() {
    SelectObject(DC, OldPen);
    SelectObject(DC, OldBrush);
    DeleteObject(Pen);
    DeleteObject(Brush);
  }
};

}  // namespace

TEST(Shapes, RectanglesFollowTheHalfOpenAndPenRules) {
  struct Case {
    const char* Name;
    int PenStyle;
    const char* Picture;
  } cases[] = {
      // A pen outlines [1, 5) x [1, 4); the brush fills inside it.
      {"solid pen", PS_SOLID, "......\n.####.\n.#oo#.\n.####.\n......\n"},
      // Without a pen the figure loses its right column and bottom row.
      {"null pen", PS_NULL, "......\n.ooo..\n.ooo..\n......\n......\n"},
  };
  for (const Case& c : cases) {
    TTestCanvas canvas(6, 5);
    {
      TTools tools(canvas.DC, CreatePen(c.PenStyle, 1, RGB(0, 0, 0)), CreateSolidBrush(RGB(255, 0, 0)));
      Rectangle(canvas.DC, 1, 1, 5, 4);
    }
    std::string art;
    for (int y = 0; y < 5; ++y) {
      for (int x = 0; x < 6; ++x) {
        COLORREF p = canvas.At(x, y);
        art += p == RGB(255, 255, 255) ? '.' : p == RGB(255, 0, 0) ? 'o' : '#';
      }
      art += '\n';
    }
    EXPECT_EQ(art, c.Picture) << c.Name;
  }
}

TEST(Shapes, FillRectIsHalfOpenAndIgnoresTheMixMode) {
  TTestCanvas c(5, 4);
  SetROP2(c.DC, R2_XORPEN);
  RECT r{1, 1, 4, 3};
  FillRect(c.DC, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  FillRect(c.DC, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(c.Art(), Rows({".....", ".###.", ".###.", "....."}));
  RECT empty{3, 3, 1, 1};
  EXPECT_TRUE(FillRect(c.DC, &empty, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
  // A brush "handle" of index + 1 stands for a system colour.
  RECT one{0, 0, 1, 1};
  FillRect(c.DC, &one, reinterpret_cast<HBRUSH>(static_cast<intptr_t>(COLOR_BTNFACE + 1)));
  EXPECT_EQ(c.At(0, 0), GetSysColor(COLOR_BTNFACE));
}

TEST(Shapes, LinesStopShortOfTheirEndPoint) {
  struct Case {
    POINT From, To;
    const char* Picture;
  } cases[] = {
      {{0, 0}, {4, 0}, "####.\n.....\n.....\n"},
      {{4, 2}, {0, 2}, ".....\n.....\n.####\n"},
      {{0, 0}, {3, 3}, "#....\n.#...\n..#..\n"},
      {{2, 1}, {2, 1}, ".....\n.....\n.....\n"},
  };
  for (const Case& c : cases) {
    TTestCanvas canvas(5, 3);
    MoveToEx(canvas.DC, c.From.x, c.From.y, nullptr);
    LineTo(canvas.DC, c.To.x, c.To.y);
    EXPECT_EQ(canvas.Art(), c.Picture);
    POINT pos;
    GetCurrentPositionEx(canvas.DC, &pos);
    EXPECT_EQ(pos, c.To);
  }
}

TEST(Shapes, PolygonsAreFilledWithTheirOutline) {
  TTestCanvas c(7, 6);
  POINT tri[3] = {{1, 1}, {5, 1}, {1, 5}};
  Polygon(c.DC, tri, 3);  // black pen, white brush: only the outline shows
  EXPECT_EQ(c.Art(), Rows({".......",
                           ".#####.",
                           ".#..#..",
                           ".#.#...",
                           ".##....",
                           ".#....."}));
}

TEST(Shapes, DashedAndXorPensAndTheFocusRectangle) {
  TTestCanvas c(12, 5);
  HPEN dot = CreatePen(PS_DOT, 1, 0);
  HGDIOBJ old = SelectObject(c.DC, dot);
  SetBkMode(c.DC, TRANSPARENT);
  MoveToEx(c.DC, 0, 0, nullptr);
  LineTo(c.DC, 12, 0);
  SelectObject(c.DC, old);
  DeleteObject(dot);
  EXPECT_EQ(c.Art().substr(0, 12), "###...###...");

  // XOR drawing twice restores the picture; so does the focus rectangle.
  std::string before = c.Art();
  SetROP2(c.DC, R2_XORPEN);
  HPEN white = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
  old = SelectObject(c.DC, white);
  for (int i = 0; i < 2; ++i) {
    MoveToEx(c.DC, 0, 2, nullptr);
    LineTo(c.DC, 12, 2);
  }
  SelectObject(c.DC, old);
  DeleteObject(white);
  EXPECT_EQ(c.Art(), before);
  RECT f{1, 1, 11, 5};
  DrawFocusRect(c.DC, &f);
  EXPECT_EQ(c.Art().substr(13, 12), ".#.#.#.#.#..");
  DrawFocusRect(c.DC, &f);
  EXPECT_EQ(c.Art(), before);
}

TEST(Shapes, PatternBrushesAlignToTheBrushOrigin) {
  // A 2 x 2 monochrome checkerboard: black bits take the text colour.
  const uint8_t bits[4] = {0x40, 0, 0x80, 0};  // rows "#." and ".#" padded to 16 bits (1 = white)
  HBITMAP pattern = CreateBitmap(2, 2, 1, 1, bits);
  HBRUSH brush = CreatePatternBrush(pattern);
  TTestCanvas c(4, 2);
  RECT r{0, 0, 4, 2};
  FillRect(c.DC, &r, brush);
  EXPECT_EQ(c.Art(), Rows({"#.#.", ".#.#"}));
  SetBrushOrgEx(c.DC, 1, 0, nullptr);
  FillRect(c.DC, &r, brush);
  EXPECT_EQ(c.Art(), Rows({".#.#", "#.#."}));
  DeleteObject(brush);
  DeleteObject(pattern);
}

TEST(Shapes, HatchBrushesLeaveTheBackgroundAloneWhenTransparent) {
  TTestCanvas c(8, 8, RGB(0, 0, 255));
  HBRUSH hatch = CreateHatchBrush(HS_FDIAGONAL, RGB(255, 0, 0));
  SetBkMode(c.DC, TRANSPARENT);
  RECT r{0, 0, 8, 8};
  FillRect(c.DC, &r, hatch);
  EXPECT_EQ(c.Count(RGB(255, 0, 0)), 8);
  EXPECT_EQ(c.Count(RGB(0, 0, 255)), 56);
  SetBkMode(c.DC, OPAQUE);
  SetBkColor(c.DC, RGB(0, 255, 0));
  FillRect(c.DC, &r, hatch);
  EXPECT_EQ(c.Count(RGB(0, 255, 0)), 56);
  DeleteObject(hatch);
}

TEST(Shapes, EllipsesTouchEveryEdgeOfTheirBox) {
  TTestCanvas c(12, 9);
  HGDIOBJ old = SelectObject(c.DC, GetStockObject(BLACK_BRUSH));
  Ellipse(c.DC, 1, 1, 11, 8);
  SelectObject(c.DC, old);
  int minX = 99, maxX = -1, minY = 99, maxY = -1;
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 12; ++x)
      if (c.At(x, y) != RGB(255, 255, 255)) {
        minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y), maxY = std::max(maxY, y);
      }
  EXPECT_EQ((RECT{minX, minY, maxX + 1, maxY + 1}), (RECT{1, 1, 11, 8}));
  EXPECT_EQ(c.At(1, 1), RGB(255, 255, 255));
}

TEST(Shapes, WidePensCoverTheirWidthAcrossTheLine) {
  TTestCanvas c(10, 9);
  HPEN wide = CreatePen(PS_SOLID, 3, 0);
  HGDIOBJ old = SelectObject(c.DC, wide);
  MoveToEx(c.DC, 2, 4, nullptr);
  LineTo(c.DC, 8, 4);
  SelectObject(c.DC, old);
  DeleteObject(wide);
  for (int x = 3; x < 8; ++x) {
    EXPECT_EQ(c.At(x, 2), RGB(255, 255, 255));
    EXPECT_EQ(c.At(x, 3), RGB(0, 0, 0));
    EXPECT_EQ(c.At(x, 5), RGB(0, 0, 0));
    EXPECT_EQ(c.At(x, 6), RGB(255, 255, 255));
  }
}

TEST(Shapes, GeometricPensKeepTheirCapsAndJoins) {
  LOGBRUSH lb{BS_SOLID, 0, 0};
  struct Case {
    DWORD Style;
    bool CornerFilled, PastTheEnd;
  } cases[] = {
      {PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT | PS_JOIN_MITER, true, false},
      {PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_SQUARE | PS_JOIN_MITER, true, true},
      {PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT | PS_JOIN_ROUND, false, false},
  };
  for (const Case& k : cases) {
    TTestCanvas c(30, 30);
    HPEN pen = ExtCreatePen(k.Style, 7, &lb, 0, nullptr);
    ASSERT_NE(pen, nullptr);
    HGDIOBJ old = SelectObject(c.DC, pen);
    POINT corner[3] = {{5, 20}, {20, 20}, {20, 5}};
    Polyline(c.DC, corner, 3);
    SelectObject(c.DC, old);
    DeleteObject(pen);
    EXPECT_EQ(c.At(23, 23) == 0, k.CornerFilled) << std::hex << k.Style;  // the outer corner of the join
    EXPECT_EQ(c.At(3, 20) == 0, k.PastTheEnd) << std::hex << k.Style;    // before the first point
    EXPECT_EQ(c.At(12, 17), 0u);
  }
  // A cosmetic pen must be one pixel wide.
  EXPECT_EQ(ExtCreatePen(PS_COSMETIC | PS_SOLID, 3, &lb, 0, nullptr), nullptr);
}

TEST(Shapes, FarAwayCoordinatesCostOnlyWhatIsVisible) {
  TTestCanvas c(20, 10);
  const int far = 1 << 30;
  HPEN dash = CreatePen(PS_DASH, 1, 0);
  HGDIOBJ old = SelectObject(c.DC, dash);
  MoveToEx(c.DC, -far, 5, nullptr);
  LineTo(c.DC, far, 5);  // a line two billion pixels long
  SelectObject(c.DC, old);
  DeleteObject(dash);
  int onRow = 0;
  for (int x = 0; x < 20; ++x) onRow += c.At(x, 5) == 0;
  EXPECT_GT(onRow, 0);
  EXPECT_LT(onRow, 20);  // dashed, with the phase it has this far along
  POINT tri[3] = {{-far, -far}, {far, -far}, {0, far}};
  Polygon(c.DC, tri, 3);
  Ellipse(c.DC, -far, -far, far, far);
  HPEN wide = CreatePen(PS_SOLID, 9, 0);
  old = SelectObject(c.DC, wide);
  Rectangle(c.DC, -far, -far, far, 8);
  SelectObject(c.DC, old);
  DeleteObject(wide);
  HRGN r = CreateEllipticRgn(-far, -far, far, far);
  RECT box;
  EXPECT_NE(GetRgnBox(r, &box), ERROR);
  DeleteObject(r);
}
