// A swatch for a person to look at: every painter's buttons, check boxes, headers, scroll bars, tab
// roots, borders and radio buttons side by side, one row per painter, written as a PNG
// (GDI_SNAPSHOT_DIR, else the home folder).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "GdiPng.h"
#include "Graphics.h"
#include "WinGdi.h"
#include "WinUserDraw.h"
#include "cxGraphics.h"
#include "cxLookAndFeelPainters.h"
#include "cxLookAndFeelPaintersUltraFlatTestSurface.h"

using namespace PainterTestSurface;

namespace {

// One row of the swatch: a painter's parts from left to right.
void DrawSwatchRow(TcxCanvas* cx, const TcxCustomLookAndFeelPainterClass& painter, int top) {
  int x = 8;
  const TcxButtonState states[] = {cxbsNormal, cxbsHot, cxbsPressed, cxbsDefault, cxbsDisabled};
  const char* captions[] = {"Normal", "Hot", "Pressed", "Default", "Off"};
  for (int i = 0; i < 5; ++i, x += 64) painter->DrawButton(cx, TRect(x, top, x + 60, top + 24), captions[i], states[i]);
  for (TcxButtonState state : {cxbsNormal, cxbsDisabled})
    for (TcxCheckBoxState check : {cbsUnchecked, cbsChecked, cbsGrayed}) {
      painter->DrawCheckButton(cx, TRect(x, top + 5, x + 13, top + 18), state, check);
      x += 18;
    }
  x += 6;
  for (int i = 0; i < 2; ++i, x += 60) {
    const TRect r(x, top, x + 60, top + 20);
    const TcxNeighbors n = i == 0 ? TcxNeighbors{nRight} : TcxNeighbors{nLeft};
    painter->DrawHeader(cx, r, cxRectInflate(r, -3, -2), n, painter->HeaderBorders(n), cxbsNormal, taLeftJustify,
                        vaCenter, false, true, i == 0 ? "Lot" : "Bid", nullptr, clBtnText,
                        painter->DefaultHeaderColor());
  }
  x += 8;
  const int h = 16;
  painter->DrawScrollBarPart(cx, true, TRect(x, top + 4, x + h, top + 4 + h), sbpLineUp, cxbsNormal);
  painter->DrawScrollBarPart(cx, true, TRect(x + h, top + 4, x + 40, top + 4 + h), sbpPageUp, cxbsNormal);
  painter->DrawScrollBarPart(cx, true, TRect(x + 40, top + 4, x + 64, top + 4 + h), sbpThumbnail, cxbsNormal);
  painter->DrawScrollBarPart(cx, true, TRect(x + 64, top + 4, x + 88, top + 4 + h), sbpPageDown, cxbsPressed);
  painter->DrawScrollBarPart(cx, true, TRect(x + 88, top + 4, x + 88 + h, top + 4 + h), sbpLineDown, cxbsPressed);
  x += 88 + h + 8;
  painter->DrawTabsRoot(cx, TRect(x, top + 2, x + 60, top + 24), TcxBorders{bLeft, bTop, bRight}, false);
  painter->DrawBorder(cx, TRect(x + 68, top, x + 108, top + 24));
  x += 116;
  for (bool checked : {false, true})
    for (TcxButtonState state : {cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled}) {
      painter->DrawRadioButton(cx, x, top + 5, state, checked, false, clDefault);
      x += 16;
    }
}

}  // namespace

TEST(cxPainterSwatch, EveryPainterSideBySide) {
  // Add each painter here as it lands.
  const TcxCustomLookAndFeelPainterClass painters[] = {
      TcxCustomLookAndFeelPainterClass::Of<TcxStandardLookAndFeelPainter>(),
      TcxCustomLookAndFeelPainterClass::Of<TcxFlatLookAndFeelPainter>(),
      TcxCustomLookAndFeelPainterClass::Of<TcxUltraFlatLookAndFeelPainter>(),
      TcxCustomLookAndFeelPainterClass::Of<TcxOffice11LookAndFeelPainter>(),
      TcxCustomLookAndFeelPainterClass::Of<TcxWinXPLookAndFeelPainter>(),
  };
  const int rowHeight = 32, w = 940, h = 8 + rowHeight * static_cast<int>(std::size(painters));
  TSurface s(w, h);
  s.Cx->FillRect(TRect(0, 0, w, h), clBtnFace);
  for (size_t i = 0; i < std::size(painters); ++i) DrawSwatchRow(s.Cx, painters[i], 8 + rowHeight * int(i));
  // Every row shows something besides the face colour in each of its parts.
  const COLORREF face = RGBOf(clBtnFace);
  for (size_t i = 0; i < std::size(painters); ++i) {
    const int top = 8 + rowHeight * int(i);
    for (int x0 : {8, 8 + 5 * 64, 8 + 5 * 64 + 6 * 18 + 6, 8 + 5 * 64 + 6 * 18 + 6 + 128, 798}) {
      bool ink = false;
      for (int y = top; y < top + 24 && !ink; ++y)
        for (int x = x0; x < x0 + 60 && !ink; ++x) ink = s.At(x, y) != face;
      EXPECT_TRUE(ink) << painters[i].Class()->Name << " at " << x0;
    }
  }
  const char* dir = std::getenv("GDI_SNAPSHOT_DIR");
  const std::string file = std::string(dir ? dir : std::getenv("HOME")) + "/painter-swatch.png";
  EXPECT_TRUE(SaveDCToPng(s.DC, file));
}
