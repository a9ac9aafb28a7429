#include <gtest/gtest.h>

#include <cstring>

#include "GdiTestCanvas.h"

TEST(Paths, RecordedFiguresBecomeRegionsAndClips) {
  TTestCanvas c(12, 12);
  SetViewportOrgEx(c.DC, 1, 1, nullptr);
  EXPECT_FALSE(EndPath(c.DC));  // nothing recorded yet
  ASSERT_TRUE(BeginPath(c.DC));
  MoveToEx(c.DC, 0, 0, nullptr);
  LineTo(c.DC, 8, 0);
  LineTo(c.DC, 8, 8);
  CloseFigure(c.DC);
  EXPECT_EQ(c.Count(0), 0);  // recording draws nothing
  EXPECT_FALSE(StrokePath(c.DC));  // not ended
  ASSERT_TRUE(EndPath(c.DC));
  POINT pts[8];
  BYTE types[8];
  ASSERT_EQ(GetPath(c.DC, pts, types, 8), 3);
  EXPECT_EQ(pts[1], (POINT{8, 0}));  // logical points
  EXPECT_EQ(types[0], PT_MOVETO);
  EXPECT_EQ(types[2], PT_LINETO | PT_CLOSEFIGURE);
  HRGN fromPath = PathToRegion(c.DC);
  ASSERT_NE(fromPath, nullptr);
  POINT device[3] = {{1, 1}, {9, 1}, {9, 9}};
  HRGN polygon = CreatePolygonRgn(device, 3, ALTERNATE);
  EXPECT_TRUE(EqualRgn(fromPath, polygon));  // device coordinates, same fill rule
  EXPECT_EQ(PathToRegion(c.DC), nullptr);   // the path was used up

  BeginPath(c.DC);
  Rectangle(c.DC, 2, 2, 6, 6);
  EndPath(c.DC);
  ASSERT_TRUE(SelectClipPath(c.DC, RGN_COPY));
  RECT all{-1, -1, 11, 11};
  FillRect(c.DC, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(c.Count(0), 16);
  DeleteObject(fromPath);
  DeleteObject(polygon);
}

TEST(Paths, TextOutlinesAndWidenedLinesFillTheirArea) {
  TTestCanvas c(40, 30);
  LOGFONT lf;
  lf.lfHeight = -24;
  std::strcpy(lf.lfFaceName, "Arial");
  HFONT f = CreateFontIndirect(&lf);
  HGDIOBJ old = SelectObject(c.DC, f);
  BeginPath(c.DC);
  TextOut(c.DC, 2, 2, "O", 1);
  EndPath(c.DC);
  HRGN outline = PathToRegion(c.DC);
  RECT box;
  ASSERT_EQ(GetRgnBox(outline, &box), COMPLEXREGION);
  EXPECT_GE(box.left, 2);
  EXPECT_GT(box.bottom - box.top, 12);
  EXPECT_FALSE(PtInRegion(outline, (box.left + box.right) / 2, (box.top + box.bottom) / 2));  // the hole of the O
  SelectObject(c.DC, old);
  DeleteObject(f);
  DeleteObject(outline);

  HPEN wide = CreatePen(PS_SOLID, 5, 0);
  old = SelectObject(c.DC, wide);
  BeginPath(c.DC);
  MoveToEx(c.DC, 10, 15, nullptr);
  LineTo(c.DC, 30, 15);
  EndPath(c.DC);
  ASSERT_TRUE(WidenPath(c.DC));
  ASSERT_TRUE(FillPath(c.DC));  // the white brush: nothing shows, so fill with black next
  BeginPath(c.DC);
  MoveToEx(c.DC, 10, 15, nullptr);
  LineTo(c.DC, 30, 15);
  EndPath(c.DC);
  WidenPath(c.DC);
  HRGN band = PathToRegion(c.DC);
  EXPECT_TRUE(PtInRegion(band, 20, 13));
  EXPECT_TRUE(PtInRegion(band, 20, 17));
  EXPECT_FALSE(PtInRegion(band, 20, 19));
  SelectObject(c.DC, old);
  DeleteObject(wide);
  DeleteObject(band);
}
