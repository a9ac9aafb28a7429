// A sample canvas of shapes, regions, frame controls and Chinese, Latin and rotated text, written as
// a PNG and read back. Set GDI_SNAPSHOT_DIR to keep the picture for a look.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "GdiPng.h"
#include "GdiTestCanvas.h"

namespace {

HFONT Font(const char* face, int height, int escapement = 0) {
  LOGFONT lf;
  lf.lfHeight = height;
  lf.lfEscapement = escapement;
  lf.lfCharSet = DEFAULT_CHARSET;
  std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
  return CreateFontIndirect(&lf);
}

void PaintSample(HDC dc) {
  RECT all{0, 0, 320, 200};
  FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
  HBRUSH red = CreateSolidBrush(RGB(200, 40, 40)), hatch = CreateHatchBrush(HS_DIAGCROSS, RGB(0, 0, 160));
  HPEN blue = CreatePen(PS_SOLID, 2, RGB(0, 0, 200));
  HGDIOBJ oldPen = SelectObject(dc, blue), oldBrush = SelectObject(dc, red);
  Rectangle(dc, 10, 10, 60, 50);
  Ellipse(dc, 70, 10, 130, 50);
  SelectObject(dc, hatch);
  RoundRect(dc, 140, 10, 200, 50, 12, 12);
  POINT star[5] = {{235, 10}, {250, 50}, {210, 25}, {260, 25}, {220, 50}};
  SetPolyFillMode(dc, WINDING);
  Polygon(dc, star, 5);
  Pie(dc, 265, 10, 315, 60, 315, 35, 290, 10);
  HRGN a = CreateEllipticRgn(10, 60, 70, 100), b = CreateRectRgn(40, 70, 100, 110), x = CreateRectRgn(0, 0, 0, 0);
  CombineRgn(x, a, b, RGN_XOR);
  FillRgn(dc, x, red);
  FrameRgn(dc, x, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), 1, 1);
  RECT edge{110, 60, 170, 100};
  DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT | BF_MIDDLE);
  RECT check{180, 62, 193, 75}, radio{200, 62, 213, 75}, arrow{220, 60, 237, 77}, close{245, 60, 261, 74};
  DrawFrameControl(dc, &check, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
  DrawFrameControl(dc, &radio, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED);
  DrawFrameControl(dc, &arrow, DFC_SCROLL, DFCS_SCROLLDOWN);
  DrawFrameControl(dc, &close, DFC_CAPTION, DFCS_CAPTIONCLOSE);
  SetBkMode(dc, TRANSPARENT);
  HFONT song = Font("\xE5\xAE\x8B\xE4\xBD\x93", -16), tahoma = Font("Tahoma", -13), turned = Font("Tahoma", -13, 900);
  HGDIOBJ oldFont = SelectObject(dc, song);
  const char* title = "\xE6\x8B\x8D\xE5\x8D\x96\xE5\x80\x92\xE8\xAE\xA1\xE6\x97\xB6 00:59";  // 拍卖倒计时 00:59
  TextOut(dc, 10, 120, title, static_cast<int>(std::strlen(title)));
  SelectObject(dc, tahoma);
  RECT para{10, 145, 250, 195};
  DrawText(dc, "&Auction timer: the quick brown fox jumps over the lazy dog again and again", -1, &para,
           DT_WORDBREAK | DT_END_ELLIPSIS);
  SelectObject(dc, turned);
  TextOut(dc, 290, 190, "Rotated", 7);
  SelectObject(dc, oldFont);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  for (HGDIOBJ o : {static_cast<HGDIOBJ>(red), static_cast<HGDIOBJ>(hatch), static_cast<HGDIOBJ>(blue),
                    static_cast<HGDIOBJ>(a), static_cast<HGDIOBJ>(b), static_cast<HGDIOBJ>(x),
                    static_cast<HGDIOBJ>(song), static_cast<HGDIOBJ>(tahoma), static_cast<HGDIOBJ>(turned)})
    EXPECT_TRUE(DeleteObject(o));
}

}  // namespace

TEST(SampleCanvas, IsWrittenAsPngAndReadsBackPixelForPixel) {
  TTestCanvas c(320, 200);
  PaintSample(c.DC);
  const char* dir = std::getenv("GDI_SNAPSHOT_DIR");
  std::string file = std::string(dir ? dir : std::getenv("HOME")) + "/sample-canvas.png";
  ASSERT_TRUE(SaveDCToPng(c.DC, file));
  TGdiSurface back;
  ASSERT_TRUE(LoadPngToSurface(file, back));
  ASSERT_EQ(back.Width(), 320);
  ASSERT_EQ(back.Height(), 200);
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 320; ++x) ASSERT_EQ(PixelToColor(back.Pixel(x, y)), c.At(x, y)) << x << "," << y;
  // Drawing the same picture again gives the same bytes.
  TTestCanvas again(320, 200);
  PaintSample(again.DC);
  EXPECT_EQ(EncodePng(*GetDCSurface(c.DC)), EncodePng(*GetDCSurface(again.DC)));
}
