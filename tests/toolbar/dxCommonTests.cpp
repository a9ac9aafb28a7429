// The drop-down window's grip corner, close button and size grip.
#include <gtest/gtest.h>

#include "GdiPng.h"
#include "PixelSurface.h"
#include "WinMetrics.h"
#include "WinNonClient.h"
#include "Dxbarcommon.h"
#include "dxCommon.h"

namespace {

using PixelSurface::RGBOf;
using PixelSurface::TSurface;

TEST(dxCommon, TheGripGoesToTheCornerAwayFromTheEdit) {
  const TRect dropDown(100, 100, 200, 200);
  struct {
    TRect Edit;
    TdxCorner Corner;
    Integer HitTest;
  } const cases[] = {
      {TRect(100, 80, 180, 100), coBottomRight, HTBOTTOMRIGHT},  // below the edit, to its right
      {TRect(100, 200, 180, 220), coTopRight, HTTOPRIGHT},       // opened above the edit
      {TRect(210, 80, 260, 100), coBottomLeft, HTBOTTOMLEFT},    // to the edit's left
      {TRect(210, 200, 260, 220), coTopLeft, HTTOPLEFT},         // above and to the left
  };
  for (const auto& c : cases) {
    const TdxCorner corner = dxCommon::GetCornerForRects(c.Edit, dropDown);
    EXPECT_EQ(corner, c.Corner) << c.Edit.left << "," << c.Edit.top;
    EXPECT_EQ(dxCommon::GetHitTestByCorner(corner), c.HitTest);
  }
  const Integer caption = GetSystemMetrics(SM_CYSIZE), scroll = GetSystemMetrics(SM_CYHSCROLL);
  EXPECT_EQ(dxCommon::dxDropDownNCHeight(), scroll + 2 < caption ? caption + 1 : scroll + 3);
}

// Each corner: the grip's lines point into the corner and the close button sits at the other end.
TEST(dxCommon, GripAndCloseButtonInEachCorner) {
  const Integer height = dxCommon::dxDropDownNCHeight();
  const Integer size = GetSystemMetrics(SM_CXSIZE);
  TSurface surface(4 * 130, height + 4);
  for (TdxCorner corner : {coTopLeft, coTopRight, coBottomLeft, coBottomRight}) {
    const TRect band(corner * 130 + 2, 2, corner * 130 + 122, 2 + height);
    FillRect(surface.DC, &band, GetSysColorBrush(COLOR_BTNFACE));
    TRect grip = band;
    dxCommon::DrawSizeGrip(surface.DC, grip, corner);
    const bool right = corner == coTopRight || corner == coBottomRight;
    EXPECT_EQ(grip.Width(), GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(right ? grip.right : grip.left, right ? band.right : band.left) << corner;
    TRect close = band;
    Dxbarcommon::DrawCloseButton(surface.DC, close, true, false, false, corner);
    EXPECT_EQ(close.Width(), size - 2) << corner;
    EXPECT_EQ(right ? close.left : close.right, right ? band.left + 1 : band.right - 1) << corner;
    // The raised edge: light top-left, dark bottom-right.
    EXPECT_EQ(surface.At(close.left, close.top + 2), RGBOf(clBtnHighlight)) << corner;
    EXPECT_EQ(surface.At(close.right - 1, close.top + 2), RGBOf(clBtnShadow)) << corner;
  }
  EXPECT_TRUE(SaveDCToPng(surface.DC, testing::TempDir() + "dropdown-grip-close-corners.png"));
}

}  // namespace
