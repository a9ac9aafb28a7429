// A snapshot of the framework canvas with real fonts: frames, edges, glyphs, and Chinese text laid
// out by the canvas and by the framework's own layout, written as a PNG for review.
#include <gtest/gtest.h>

#include <filesystem>

#include "GdiPng.h"
#include "WinGdi.h"
#include "WinUserDraw.h"
#include "cxDrawTextUtils.h"
#include "cxGraphics.h"

namespace {

const char* const kSong = "\xE5\xAE\x8B\xE4\xBD\x93";  // 宋体
// 拍卖计时器：每一件拍品在结束前五分钟提醒。Auction timer.
const char* const kText =
    "\xE6\x8B\x8D\xE5\x8D\x96\xE8\xAE\xA1\xE6\x97\xB6\xE5\x99\xA8\xEF\xBC\x9A\xE6\xAF\x8F\xE4\xB8\x80\xE4\xBB\xB6"
    "\xE6\x8B\x8D\xE5\x93\x81\xE5\x9C\xA8\xE7\xBB\x93\xE6\x9D\x9F\xE5\x89\x8D\xE4\xBA\x94\xE5\x88\x86\xE9\x92\x9F"
    "\xE6\x8F\x90\xE9\x86\x92\xE3\x80\x82 Auction timer.";

bool HasInk(HDC dc, const TRect& r, COLORREF background) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if ((GetPixel(dc, x, y) & 0xFFFFFF) != background) return true;
  return false;
}

}  // namespace

TEST(cxGraphicsCanvasPng, FramesEdgesGlyphsAndChineseText) {
  const int w = 360, h = 240;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateBitmap(w, h, 1, 32, nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  auto canvas = NewOwned<TCanvas>();
  canvas->SetHandle(dc);
  auto cx = NewOwned<TcxCanvas>(canvas.get());
  const COLORREF face = ColorToRGB(clBtnFace);

  cx->FillRect(TRect(0, 0, w, h), clBtnFace);
  // Frames and edges.
  cx->FrameRect(TRect(8, 8, 88, 48), clNavy, 1);
  cx->FrameRect(TRect(96, 8, 176, 48), clMaroon, 3, TcxBorders{bLeft, bBottom});
  cx->DrawEdge(TRect(184, 8, 264, 48), true, true);
  cx->DrawEdge(TRect(186, 10, 262, 46), true, false);
  cx->DrawEdge(TRect(272, 8, 352, 48), false, true);
  cx->DrawEdge(TRect(274, 10, 350, 46), false, false);
  cx->DrawComplexFrame(TRect(8, 56, 88, 96), clWhite, clGray, cxBordersAll, 2);
  TcxViewParams params;
  params.Color = clInfoBk;
  cx->FillRect(TRect(96, 56, 176, 96), params, cxBordersAll, clBlack, 1);

  // A glyph enabled and disabled.
  auto glyph = NewOwned<TBitmap>();
  glyph->SetSize(16, 16);
  glyph->GetCanvas()->GetBrush()->SetColor(clFuchsia);
  glyph->GetCanvas()->FillRect(TRect(0, 0, 16, 16));
  glyph->GetCanvas()->GetBrush()->SetColor(clGreen);
  glyph->GetCanvas()->FillRect(TRect(3, 3, 13, 13));
  glyph->SetTransparentMode(tmFixed);
  glyph->SetTransparentColor(clFuchsia);
  cx->DrawGlyph(184, 68, glyph.get());
  cx->DrawGlyph(208, 68, glyph.get(), false);

  // Chinese text through the canvas (word-broken, centred) and through the framework layout with
  // a highlighted range and an end ellipsis.
  cx->GetFont()->SetName(kSong);
  cx->GetFont()->SetHeight(-12);
  cx->GetFont()->SetColor(clWindowText);
  cx->GetBrush()->SetStyle(bsClear);
  const TRect textRect(8, 104, 176, 164);
  cx->DrawTexT(kText, textRect, cxtfWordBreak | cxtfAlignHCenter | cxtfAlignVCenter);
  cx->DrawTexT(kText, TRect(8, 168, 176, 184), cxtfSingleLine, false);
  TRect layoutRect(184, 104, 352, 164);
  const Integer height = cxTextOut(cx.get(), kText, layoutRect, cxtoWordBreak | cxtoEndEllipsis | cxtoWholeRowsOnly,
                                   0, 6, clHighlight, clHighlightText, 3);
  EXPECT_GT(height, 0);
  TRect single(184, 168, 352, 184);
  cxTextOut(cx.get(), kText, single, cxtoSingleLine | cxtoEndEllipsis);

  const std::string file = testing::TempDir() + "cxGraphicsCanvas.png";
  ASSERT_TRUE(SaveDCToPng(dc, file));
  EXPECT_GT(std::filesystem::file_size(file), 0u);

  EXPECT_EQ(GetPixel(dc, 8, 8) & 0xFFFFFF, ColorToRGB(clNavy));
  EXPECT_EQ(GetPixel(dc, 98, 46) & 0xFFFFFF, ColorToRGB(clMaroon));
  EXPECT_EQ(GetPixel(dc, 263, 8) & 0xFFFFFF, ColorToRGB(clBtnHighlight));  // sunken outer: right owns the corner
  EXPECT_EQ(GetPixel(dc, 190, 75) & 0xFFFFFF, ColorToRGB(clGreen));
  EXPECT_EQ(GetPixel(dc, 185, 69) & 0xFFFFFF, face);
  EXPECT_TRUE(HasInk(dc, textRect, face));
  EXPECT_TRUE(HasInk(dc, TRect(184, 104, 352, 164), face));
  EXPECT_FALSE(HasInk(dc, TRect(8, 188, 352, 240), face));
  // The highlight's background is on the first row.
  EXPECT_EQ(GetPixel(dc, 185, 104) & 0xFFFFFF, ColorToRGB(clHighlight));

  cx.reset();
  canvas->SetHandle(nullptr);
  canvas.reset();
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}
