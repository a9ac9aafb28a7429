// The standard and flat painters drawn onto a memory surface and read back pixel by pixel: buttons with
// the default frame and the caption shift, borders, check boxes in every state, joined headers and the
// scroll-bar parts; and a derived painter whose one replaced slot changes the composite drawings.
#include <gtest/gtest.h>

#include <algorithm>

#include "Graphics.h"
#include "WinGdi.h"
#include "WinUserDraw.h"
#include "cxGraphics.h"
#include "cxLookAndFeelPainters.h"
#include "cxLookAndFeelPaintersUltraFlatTestSurface.h"

using namespace PainterTestSurface;

namespace {

// The box of the pixels of one colour inside R; empty when there are none.
TRect BoxOf(const TSurface& s, COLORREF c, const TRect& r) {
  TRect b(r.right, r.bottom, r.left, r.top);
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (s.At(x, y) == c) {
        b.left = std::min<int>(b.left, x), b.top = std::min<int>(b.top, y);
        b.right = std::max<int>(b.right, x + 1), b.bottom = std::max<int>(b.bottom, y + 1);
      }
  return b;
}

bool Has(const TSurface& s, COLORREF c, const TRect& r) { return s.Count(r, c) > 0; }

const TcxCustomLookAndFeelPainterClass Standard = TcxCustomLookAndFeelPainterClass::Of<TcxStandardLookAndFeelPainter>();
const TcxCustomLookAndFeelPainterClass Flat = TcxCustomLookAndFeelPainterClass::Of<TcxFlatLookAndFeelPainter>();

struct TPixel {
  int X, Y;
  TColor Color;
};

}  // namespace

// A standard painter whose button face is teal: every drawing that asks for the button colour follows.
class TTealButtonPainter : public TcxStandardLookAndFeelPainter {
  DECLARE_CLASS(TTealButtonPainter, TcxStandardLookAndFeelPainter)
 public:
  TTealButtonPainter() = default;
  TColor ButtonColor(TcxButtonState) const override { return clTeal; }
};
IMPLEMENT_CLASS(TTealButtonPainter)

// A flat painter whose button border is one red frame: its scroll-bar thumb, drawn as a button, shows it.
class TRedBorderPainter : public TcxFlatLookAndFeelPainter {
  DECLARE_CLASS(TRedBorderPainter, TcxFlatLookAndFeelPainter)
 public:
  TRedBorderPainter() = default;
  void DrawButtonBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState) const override {
    ACanvas->FrameRect(R, clRed);
  }
};
IMPLEMENT_CLASS(TRedBorderPainter)

TEST(cxLookAndFeelPaintersStandard, ButtonBorderOfEachState) {
  struct {
    TcxCustomLookAndFeelPainterClass Painter;
    TcxButtonState State;
    int BorderSize;
    std::vector<TPixel> Pixels;  // on a 20 x 20 button
  } cases[] = {
      {Standard, cxbsNormal, 2, {{0, 0, clBtnHighlight}, {19, 19, cl3DDkShadow}, {1, 1, cl3DLight}, {18, 18, clBtnShadow}, {2, 2, clBtnFace}}},
      {Standard, cxbsHot, 2, {{0, 0, clBtnHighlight}, {19, 0, cl3DDkShadow}, {18, 18, clBtnShadow}}},
      {Standard, cxbsDefault, 3, {{0, 0, clBlack}, {19, 19, clBlack}, {1, 1, clBtnHighlight}, {18, 18, cl3DDkShadow}, {2, 2, cl3DLight}, {17, 17, clBtnShadow}, {3, 3, clBtnFace}}},
      {Standard, cxbsPressed, 2, {{0, 0, clBlack}, {19, 19, clBlack}, {1, 1, clBtnShadow}, {18, 18, clBtnShadow}, {2, 2, clBtnFace}}},
      {Flat, cxbsNormal, 1, {{0, 0, clBtnHighlight}, {19, 19, clBtnShadow}, {1, 1, clBtnFace}}},
      {Flat, cxbsPressed, 1, {{0, 0, clBtnShadow}, {19, 19, clBtnHighlight}, {1, 1, clBtnFace}}},
      {Flat, cxbsDefault, 2, {{0, 0, clBlack}, {1, 1, clBtnHighlight}, {18, 18, clBtnShadow}, {2, 2, clBtnFace}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Painter.Class()->Name << " state " << c.State);
    TSurface s(20, 20);
    EXPECT_EQ(c.Painter->ButtonBorderSize(c.State), c.BorderSize);
    c.Painter->DrawButton(s.Cx, TRect(0, 0, 20, 20), "", c.State);
    for (const TPixel& p : c.Pixels) EXPECT_EQ(s.At(p.X, p.Y), RGBOf(p.Color)) << p.X << "," << p.Y;
  }
}

TEST(cxLookAndFeelPaintersStandard, PressedCaptionMovesOnePixelRightAndDown) {
  TRect ink[2];
  const TcxButtonState states[2] = {cxbsNormal, cxbsPressed};
  for (int i = 0; i < 2; ++i) {
    TSurface s(60, 24);
    Standard->DrawButton(s.Cx, TRect(0, 0, 60, 24), "Hg", states[i], true, clDefault, clRed);
    ink[i] = BoxOf(s, RGBOf(clRed), TRect(2, 2, 58, 22));
    ASSERT_LT(ink[i].left, ink[i].right) << "no caption drawn";
  }
  EXPECT_EQ(ink[1].left, ink[0].left + 1);
  EXPECT_EQ(ink[1].top, ink[0].top + 1);
  EXPECT_EQ(Standard->ButtonTextShift(), 1);
  EXPECT_FALSE(Standard->IsButtonHotTrack());
}

TEST(cxLookAndFeelPaintersStandard, Borders) {
  struct {
    TcxCustomLookAndFeelPainterClass Painter;
    int Size;
    std::vector<TPixel> Pixels;  // on a 10 x 10 border
  } cases[] = {
      {Standard, 2, {{0, 0, clBtnShadow}, {9, 9, clBtnHighlight}, {1, 1, cl3DDkShadow}, {8, 8, cl3DLight}, {2, 2, kWhite}}},
      {Flat, 1, {{0, 0, clBtnShadow}, {9, 9, clBtnHighlight}, {1, 1, kWhite}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Painter.Class()->Name);
    TSurface s(10, 10);
    EXPECT_EQ(c.Painter->BorderSize(), c.Size);
    c.Painter->DrawBorder(s.Cx, TRect(0, 0, 10, 10));
    for (const TPixel& p : c.Pixels)
      EXPECT_EQ(s.At(p.X, p.Y), p.Color == static_cast<TColor>(kWhite) ? kWhite : RGBOf(p.Color)) << p.X << "," << p.Y;
  }
}

TEST(cxLookAndFeelPaintersStandard, CheckBoxesInEveryState) {
  struct {
    TcxCustomLookAndFeelPainterClass Painter;
    TcxButtonState State;
    TcxCheckBoxState Check;
    TColor Outer, Second, Body;
    TColor Tick;  // clNone: no tick
  } cases[] = {
      {Standard, cxbsNormal, cbsUnchecked, cl3DDkShadow, clBtnShadow, clWindow, clNone},
      {Standard, cxbsNormal, cbsChecked, cl3DDkShadow, clBtnShadow, clWindow, clBtnText},
      {Standard, cxbsHot, cbsChecked, cl3DDkShadow, clBtnShadow, clWindow, clBtnText},
      {Standard, cxbsPressed, cbsChecked, cl3DDkShadow, clBtnShadow, clBtnFace, clBtnText},
      {Standard, cxbsDisabled, cbsChecked, cl3DDkShadow, clBtnShadow, clBtnFace, clGrayText},
      {Standard, cxbsNormal, cbsGrayed, cl3DDkShadow, clBtnShadow, clWindow, clNone},
      {Flat, cxbsNormal, cbsChecked, clBtnShadow, clWindow, clWindow, clBtnText},
      {Flat, cxbsPressed, cbsUnchecked, clBtnShadow, clBtnFace, clBtnFace, clNone},
      {Flat, cxbsDisabled, cbsChecked, clBtnShadow, clBtnFace, clBtnFace, clGrayText},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Painter.Class()->Name << " state " << c.State << " check " << c.Check);
    TSurface s(13, 13);
    c.Painter->DrawCheckButton(s.Cx, TRect(0, 0, 13, 13), c.State, c.Check);
    EXPECT_EQ(s.At(0, 0), RGBOf(c.Outer));
    EXPECT_EQ(s.At(1, 1), RGBOf(c.Second));
    EXPECT_EQ(s.At(2, 2), RGBOf(c.Body));
    const TRect inside(2, 2, 11, 11);
    if (c.Tick == clNone) {
      EXPECT_FALSE(Has(s, RGBOf(clBtnText), inside));
      EXPECT_FALSE(Has(s, RGBOf(clGrayText), inside));
    } else {
      const TRect tick = BoxOf(s, RGBOf(c.Tick), inside);
      EXPECT_GE(tick.right - tick.left, 5);
      EXPECT_GE(tick.bottom - tick.top, 4);
    }
  }
}

TEST(cxLookAndFeelPaintersStandard, AdjacentHeadersJoinWithoutADoubleLightLine) {
  TSurface s(40, 16);
  const TRect left(0, 0, 20, 16), right(20, 0, 40, 16);
  Standard->DrawHeaderBorder(s.Cx, left, TcxNeighbors{nRight}, cxBordersAll);
  Standard->DrawHeaderBorder(s.Cx, right, TcxNeighbors{nLeft}, cxBordersAll);
  EXPECT_EQ(s.At(19, 0), RGBOf(clBtnHighlight));  // the top line runs on
  EXPECT_EQ(s.At(19, 1), RGBOf(clBtnFace));
  EXPECT_EQ(s.At(19, 14), RGBOf(clBtnFace));
  EXPECT_EQ(s.At(20, 1), RGBOf(clBtnFace));
  EXPECT_EQ(s.At(20, 14), RGBOf(clBtnFace));
  EXPECT_EQ(s.At(19, 8), RGBOf(clBtnShadow));  // the divider stays
  EXPECT_EQ(s.At(20, 8), RGBOf(clBtnHighlight));
  EXPECT_EQ(s.At(0, 1), RGBOf(clBtnHighlight));  // the outer ends keep their edges
}

TEST(cxLookAndFeelPaintersStandard, HeaderSizes) {
  EXPECT_EQ(Standard->HeaderHeight(13), 19);  // 13 + 2 x (1 + 2)
  EXPECT_EQ(TcxCustomLookAndFeelPainterClass::Of<TcxCustomLookAndFeelPainter>()->HeaderHeight(13), 17);
  EXPECT_EQ(Standard->HeaderControlSectionBorderSize(cxbsPressed), 1);
  EXPECT_EQ(Standard->HeaderControlSectionBorderSize(cxbsNormal), 2);
  EXPECT_EQ(Flat->HeaderControlSectionBorderSize(cxbsNormal), 1);
  EXPECT_EQ(Standard->HeaderBounds(TRect(0, 0, 10, 10), TcxNeighbors(), cxBordersAll), TRect(0, 0, 10, 10));
  EXPECT_EQ(Standard->HeaderContentBounds(TRect(0, 0, 10, 10), TcxBorders{bLeft, bBottom}), TRect(1, 0, 10, 9));
}

TEST(cxLookAndFeelPaintersStandard, ScrollBarParts) {
  struct {
    TcxCustomLookAndFeelPainterClass Painter;
    TcxScrollBarPart Part;
    TcxButtonState State;
    std::vector<TPixel> Pixels;  // on a 16 x 16 part
  } cases[] = {
      {Standard, sbpThumbnail, cxbsNormal, {{0, 0, clBtnFace}, {15, 15, cl3DDkShadow}, {1, 1, clBtnHighlight}, {14, 14, clBtnShadow}, {8, 8, clBtnFace}}},
      {Standard, sbpThumbnail, cxbsHot, {{0, 0, clBtnFace}, {1, 1, clBtnHighlight}, {14, 14, clBtnShadow}}},
      {Standard, sbpThumbnail, cxbsDisabled, {{0, 0, kWhite}, {8, 8, kWhite}}},
      {Standard, sbpLineUp, cxbsNormal, {{0, 0, clBtnFace}, {15, 15, cl3DDkShadow}, {1, 1, clBtnHighlight}}},
      {Standard, sbpLineDown, cxbsPressed, {{0, 0, clBtnShadow}, {15, 15, clBtnShadow}, {1, 1, clBtnFace}, {14, 14, clBtnFace}}},
      {Flat, sbpThumbnail, cxbsNormal, {{0, 0, clBtnHighlight}, {15, 15, clBtnShadow}, {8, 8, clBtnFace}}},
      {Flat, sbpThumbnail, cxbsDisabled, {{0, 0, kWhite}}},
      {Flat, sbpLineUp, cxbsPressed, {{0, 0, clBtnShadow}, {15, 15, clBtnHighlight}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Painter.Class()->Name << " part " << c.Part << " state " << c.State);
    TSurface s(16, 16);
    c.Painter->DrawScrollBarPart(s.Cx, false, TRect(0, 0, 16, 16), c.Part, c.State);
    for (const TPixel& p : c.Pixels)
      EXPECT_EQ(s.At(p.X, p.Y), p.Color == static_cast<TColor>(kWhite) ? kWhite : RGBOf(p.Color)) << p.X << "," << p.Y;
  }
  // A flat line button carries its arrow in the symbol colour; an empty part draws nothing.
  TSurface s(16, 16);
  Flat->DrawScrollBarPart(s.Cx, false, TRect(0, 0, 16, 16), sbpLineUp, cxbsNormal);
  EXPECT_TRUE(Has(s, RGBOf(clBtnText), TRect(1, 1, 15, 15)));
  TSurface e(16, 16);
  Standard->DrawScrollBarPart(e.Cx, false, TRect(4, 4, 4, 12), sbpThumbnail, cxbsNormal);
  EXPECT_FALSE(Has(e, RGBOf(clBtnFace), TRect(0, 0, 16, 16)));
}

TEST(cxLookAndFeelPaintersStandard, AReplacedSlotChangesTheDrawingsThatCallIt) {
  const auto Teal = TcxCustomLookAndFeelPainterClass::Of<TTealButtonPainter>();
  TSurface s(40, 20);
  Teal->DrawButton(s.Cx, TRect(0, 0, 20, 20), "", cxbsNormal);
  EXPECT_EQ(s.At(10, 10), RGBOf(clTeal));
  EXPECT_EQ(s.At(0, 0), RGBOf(clBtnHighlight));  // the border is the standard one still
  Teal->DrawArrow(s.Cx, TRect(20, 0, 40, 20), cxbsNormal, adDown, true);
  EXPECT_EQ(s.At(22, 2), RGBOf(clTeal));

  const auto Red = TcxCustomLookAndFeelPainterClass::Of<TRedBorderPainter>();
  TSurface t(16, 16);
  Red->DrawScrollBarPart(t.Cx, true, TRect(0, 0, 16, 16), sbpThumbnail, cxbsNormal);
  EXPECT_EQ(t.At(0, 0), RGBOf(clRed));
  EXPECT_EQ(t.At(15, 15), RGBOf(clRed));
}

TEST(cxLookAndFeelPaintersStandard, ArrowPointsOfAnUpArrow) {
  TcxArrowPoints p;
  TcxCustomLookAndFeelPainter::CalculateArrowPoints(TRect(10, 20, 19, 29), p, adUp, false);
  EXPECT_EQ(p[0], TPoint(12, 25));
  EXPECT_EQ(p[1], TPoint(14, 23));
  EXPECT_EQ(p[2], TPoint(16, 25));
}
