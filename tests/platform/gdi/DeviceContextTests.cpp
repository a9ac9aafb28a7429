#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "GdiSurface.h"
#include "GdiTestCanvas.h"

TEST(DeviceContext, ObjectsSelectedIntoADCCannotBeDeleted) {
  TTestCanvas c(4, 4);
  HPEN pen = CreatePen(PS_DASH, 1, RGB(1, 2, 3));
  HGDIOBJ old = SelectObject(c.DC, pen);
  EXPECT_EQ(GetObjectType(old), static_cast<DWORD>(OBJ_PEN));
  EXPECT_FALSE(DeleteObject(pen));
  EXPECT_EQ(GetCurrentObject(c.DC, OBJ_PEN), pen);
  // A saved state keeps its objects alive too.
  int level = SaveDC(c.DC);
  SelectObject(c.DC, old);
  EXPECT_FALSE(DeleteObject(pen));
  EXPECT_TRUE(RestoreDC(c.DC, level));
  EXPECT_EQ(GetCurrentObject(c.DC, OBJ_PEN), pen);
  SelectObject(c.DC, old);
  EXPECT_TRUE(DeleteObject(pen));
  EXPECT_FALSE(DeleteObject(pen));
  EXPECT_EQ(SelectObject(c.DC, pen), nullptr);  // stale handle
  EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN)));  // stock objects ignore deletion
  EXPECT_EQ(GetObjectType(GetStockObject(BLACK_PEN)), static_cast<DWORD>(OBJ_PEN));
}

TEST(DeviceContext, GetObjectAnswersTheLogicalRecords) {
  HPEN pen = CreatePen(PS_DOT, 1, RGB(10, 20, 30));
  LOGPEN lp;
  ASSERT_EQ(GetObject(pen, sizeof lp, &lp), static_cast<int>(sizeof lp));
  EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_DOT));
  EXPECT_EQ(lp.lopnColor, RGB(10, 20, 30));
  HBRUSH hatch = CreateHatchBrush(HS_CROSS, RGB(1, 1, 1));
  LOGBRUSH lb;
  ASSERT_EQ(GetObject(hatch, sizeof lb, &lb), static_cast<int>(sizeof lb));
  EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_HATCHED));
  EXPECT_EQ(lb.lbHatch, static_cast<ULONG_PTR>(HS_CROSS));
  LOGFONT lf;
  lf.lfHeight = -11;
  lf.lfEscapement = -900;
  std::strcpy(lf.lfFaceName, "Tahoma");
  HFONT font = CreateFontIndirect(&lf);
  LOGFONT back;
  ASSERT_EQ(GetObject(font, sizeof back, &back), 60);
  EXPECT_EQ(back.lfHeight, -11);
  EXPECT_EQ(back.lfEscapement, -900);
  EXPECT_STREQ(back.lfFaceName, "Tahoma");
  HBITMAP bm = CreateBitmap(13, 5, 1, 1, nullptr);
  BITMAP info;
  ASSERT_EQ(GetObject(bm, sizeof info, &info), static_cast<int>(sizeof info));
  EXPECT_EQ(info.bmWidth, 13);
  EXPECT_EQ(info.bmBitsPixel, 1);
  EXPECT_EQ(info.bmWidthBytes, 2);  // monochrome rows are padded to 16 bits
  EXPECT_EQ(GetObject(bm, 0, nullptr), static_cast<int>(sizeof(BITMAP)));
  for (HGDIOBJ o : {static_cast<HGDIOBJ>(pen), static_cast<HGDIOBJ>(hatch), static_cast<HGDIOBJ>(font),
                    static_cast<HGDIOBJ>(bm)})
    DeleteObject(o);
}

TEST(DeviceContext, SaveAndRestoreBringBackAttributesAndClip) {
  TTestCanvas c(10, 10);
  SetTextColor(c.DC, RGB(1, 2, 3));
  int one = SaveDC(c.DC);
  SetTextColor(c.DC, RGB(4, 5, 6));
  IntersectClipRect(c.DC, 2, 2, 5, 5);
  SetWindowOrgEx(c.DC, 3, 3, nullptr);
  int two = SaveDC(c.DC);
  EXPECT_EQ(two, one + 1);
  SetBkMode(c.DC, TRANSPARENT);
  EXPECT_TRUE(RestoreDC(c.DC, -1));
  EXPECT_EQ(GetBkMode(c.DC), OPAQUE);
  EXPECT_EQ(GetTextColor(c.DC), RGB(4, 5, 6));
  EXPECT_TRUE(RestoreDC(c.DC, one));
  EXPECT_EQ(GetTextColor(c.DC), RGB(1, 2, 3));
  RECT box;
  EXPECT_EQ(GetClipBox(c.DC, &box), SIMPLEREGION);
  EXPECT_EQ(box, (RECT{0, 0, 10, 10}));
  EXPECT_FALSE(RestoreDC(c.DC, one));  // that level is gone
  EXPECT_FALSE(RestoreDC(c.DC, 0));
}

TEST(DeviceContext, ClipRegionsAreInDeviceUnitsAndClipRectsInLogicalOnes) {
  TTestCanvas c(10, 6);
  SetViewportOrgEx(c.DC, 2, 1, nullptr);
  IntersectClipRect(c.DC, 0, 0, 6, 4);    // logical: device 2..8 x 1..5
  ExcludeClipRect(c.DC, 2, 1, 4, 3);      // device 4..6 x 2..4
  RECT all{-2, -1, 8, 5};
  FillRect(c.DC, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(c.Art(), Rows({"..........",
                           "..######..",
                           "..##..##..",
                           "..##..##..",
                           "..######..",
                           ".........."}));
  RECT box;
  EXPECT_EQ(GetClipBox(c.DC, &box), COMPLEXREGION);
  EXPECT_EQ(box, (RECT{0, 0, 6, 4}));  // logical
  HRGN r = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(c.DC, r), 1);
  EXPECT_TRUE(PtInRegion(r, 2, 1));   // device
  RECT visible{1, 0, 2, 1}, hidden{2, 1, 4, 3};
  EXPECT_TRUE(RectVisible(c.DC, &visible));
  EXPECT_FALSE(RectVisible(c.DC, &hidden));
  EXPECT_EQ(SelectClipRgn(c.DC, nullptr), SIMPLEREGION);
  EXPECT_EQ(GetClipRgn(c.DC, r), 0);  // no clip region
  DeleteObject(r);
}

TEST(DeviceContext, SurfaceDCsDrawAtTheirOriginWithinTheVisibleRegion) {
  TGdiSurface surface(8, 6);
  surface.Fill(0x00FFFFFF);
  HRGN update = CreateRectRgn(0, 0, 3, 2);
  HDC dc = CreateSurfaceDC(&surface, POINT{2, 1}, update);
  ASSERT_NE(dc, nullptr);
  POINT org;
  GetDCOrgEx(dc, &org);
  EXPECT_EQ(org, (POINT{2, 1}));
  RECT all{-5, -5, 20, 20};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  int black = 0;
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 8; ++x) {
      bool inside = x >= 2 && x < 5 && y >= 1 && y < 3;
      EXPECT_EQ(surface.Pixel(x, y) == 0, inside) << x << "," << y;
      black += inside;
    }
  EXPECT_EQ(black, 6);
  // The application's own clip narrows the system clip, never widens it.
  RECT box;
  SelectClipRgn(dc, nullptr);
  EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
  EXPECT_EQ(box, (RECT{0, 0, 3, 2}));
  EXPECT_TRUE(SetSurfaceDCVisibleRegion(dc, nullptr));
  GetClipBox(dc, &box);
  EXPECT_EQ(box, (RECT{-2, -1, 6, 5}));
  EXPECT_EQ(GetDCSurface(dc), &surface);
  EXPECT_TRUE(DeleteDC(dc));
  EXPECT_FALSE(DeleteDC(dc));
  DeleteObject(update);
}

TEST(DeviceContext, MirroredMappingFlipsTheXAxis) {
  TTestCanvas c(10, 2);
  SetMapMode(c.DC, MM_ANISOTROPIC);
  SetWindowExtEx(c.DC, 1, 1, nullptr);
  SetViewportExtEx(c.DC, -1, 1, nullptr);
  SetViewportOrgEx(c.DC, 10, 0, nullptr);
  RECT r{0, 0, 3, 1};  // logical 0..3 lands on device 7..10
  FillRect(c.DC, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(c.Art(), Rows({".......###", ".........."}));
  POINT p{1, 0};
  LPtoDP(c.DC, &p, 1);
  EXPECT_EQ(p, (POINT{9, 0}));
}

TEST(DeviceContext, CapabilitiesAreThoseOfThe96DpiDesktop) {
  TTestCanvas c(1, 1);
  EXPECT_EQ(GetDeviceCaps(c.DC, LOGPIXELSX), 96);
  EXPECT_EQ(GetDeviceCaps(c.DC, LOGPIXELSY), 96);
  EXPECT_EQ(GetDeviceCaps(c.DC, BITSPIXEL), 32);
  HDC screen = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(GetDeviceCaps(screen, HORZRES), 1280);
  EXPECT_EQ(GetDeviceCaps(screen, VERTRES), 1024);
  EXPECT_EQ(GetNearestColor(screen, RGB(12, 34, 56)), RGB(12, 34, 56));
  DeleteDC(screen);
  EXPECT_EQ(GetDeviceCaps(nullptr, LOGPIXELSX), 0);
}

TEST(DeviceContext, PaletteIndexesReadTheSelectedPalette) {
  TTestCanvas c(2, 1);
  std::vector<char> buffer(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY));
  auto* lp = reinterpret_cast<LOGPALETTE*>(buffer.data());
  lp->palVersion = 0x300;
  lp->palNumEntries = 2;
  lp->palPalEntry[0] = PALETTEENTRY{10, 20, 30, 0};
  lp->palPalEntry[1] = PALETTEENTRY{200, 100, 50, 0};
  HPALETTE pal = CreatePalette(lp);
  SetPixel(c.DC, 0, 0, PALETTEINDEX(13));  // the default palette's red
  EXPECT_EQ(c.At(0, 0), RGB(255, 0, 0));
  HPALETTE old = SelectPalette(c.DC, pal, FALSE);
  EXPECT_EQ(RealizePalette(c.DC), 0u);
  HBRUSH b = CreateSolidBrush(PALETTEINDEX(1));
  RECT r{1, 0, 2, 1};
  FillRect(c.DC, &r, b);
  EXPECT_EQ(c.At(1, 0), RGB(200, 100, 50));
  EXPECT_FALSE(DeleteObject(pal));  // selected
  SelectPalette(c.DC, old, FALSE);
  EXPECT_EQ(GetNearestPaletteIndex(pal, RGB(190, 90, 60)), 1u);
  EXPECT_TRUE(DeleteObject(pal));
  DeleteObject(b);
}
