// The native painter: drawings through the visual styles, and the standard look whenever no theme
// handle comes back, for every slot that draws or measures.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "GdiPng.h"
#include "UxTheme.h"
#include "cxGeometry.h"
#include "cxLookAndFeelPaintersNative.h"
#include "cxLookAndFeelPaintersUltraFlatTestSurface.h"

using namespace PainterTestSurface;

namespace {

TcxCustomLookAndFeelPainterClass Native() { return TcxCustomLookAndFeelPainterClass::Of<TcxWinXPLookAndFeelPainter>(); }
TcxCustomLookAndFeelPainterClass Standard() {
  return TcxCustomLookAndFeelPainterClass::Of<TcxStandardLookAndFeelPainter>();
}

class cxNativePainter : public ::testing::Test {
 protected:
  void SetUp() override { SetThemeActive(true); }
  void TearDown() override { SetThemeActive(true); }
};

struct Drawing {
  const char* Name;
  std::function<void(TcxCustomLookAndFeelPainterClass, TcxCanvas*)> Draw;
};

const TRect kR(2, 2, 30, 22);

const Drawing kDrawings[] = {
    {"DrawButton", [](auto p, TcxCanvas* c) { p->DrawButton(c, kR, "Ok", cxbsPressed); }},
    {"DrawButton default", [](auto p, TcxCanvas* c) { p->DrawButton(c, kR, String(), cxbsDefault); }},
    {"DrawArrow", [](auto p, TcxCanvas* c) { p->DrawArrow(c, kR, cxbsHot, adLeft, true); }},
    {"DrawArrowBorder", [](auto p, TcxCanvas* c) { p->DrawArrowBorder(c, kR, cxbsNormal); }},
    {"DrawBorder", [](auto p, TcxCanvas* c) { p->DrawBorder(c, kR); }},
    {"DrawExpandButton", [](auto p, TcxCanvas* c) { p->DrawExpandButton(c, TRect(2, 2, 14, 14), true); }},
    {"DrawGroupExpandButton", [](auto p, TcxCanvas* c) { p->DrawGroupExpandButton(c, kR, false, cxbsHot); }},
    {"DrawSmallExpandButton",
     [](auto p, TcxCanvas* c) { p->DrawSmallExpandButton(c, TRect(2, 2, 11, 11), false, clBtnShadow); }},
    {"DrawCheckButton", [](auto p, TcxCanvas* c) { p->DrawCheckButton(c, TRect(2, 2, 15, 15), cxbsNormal, true); }},
    {"DrawRadioButton", [](auto p, TcxCanvas* c) { p->DrawRadioButton(c, 2, 2, cxbsNormal, true, false, clDefault); }},
    {"DrawHeader",
     [](auto p, TcxCanvas* c) {
       p->DrawHeader(c, kR, kR, TcxNeighbors(), cxBordersAll, cxbsPressed, taLeftJustify, vaTop, false, false, "H",
                     nullptr, clBlack, clBtnFace);
     }},
    {"DrawHeaderPressed", [](auto p, TcxCanvas* c) { p->DrawHeaderPressed(c, kR); }},
    {"DrawHeaderControlSection",
     [](auto p, TcxCanvas* c) {
       p->DrawHeaderControlSection(c, kR, kR, TcxNeighbors(), cxBordersAll, cxbsHot, taLeftJustify, vaTop, false, false,
                                   "H", nullptr, clBlack, clBtnFace);
     }},
    {"DrawFooterCell",
     [](auto p, TcxCanvas* c) {
       p->DrawFooterCell(c, kR, taLeftJustify, vaTop, false, "F", nullptr, clBlack, clBtnFace);
     }},
    {"DrawFooterBorder", [](auto p, TcxCanvas* c) { p->DrawFooterBorder(c, kR); }},
    {"DrawFilterCloseButton", [](auto p, TcxCanvas* c) { p->DrawFilterCloseButton(c, kR, cxbsNormal); }},
    {"DrawFilterDropDownButton", [](auto p, TcxCanvas* c) { p->DrawFilterDropDownButton(c, kR, cxbsHot, true); }},
    {"DrawTabBorder",
     [](auto p, TcxCanvas* c) { p->DrawTabBorder(c, TRect(2, 2, 4, 20), bLeft, cxBordersAll, false); }},
    {"DrawTabsRoot", [](auto p, TcxCanvas* c) { p->DrawTabsRoot(c, kR, cxBordersAll, false); }},
    {"DrawScrollBarPart line",
     [](auto p, TcxCanvas* c) { p->DrawScrollBarPart(c, true, kR, sbpLineDown, cxbsPressed); }},
    {"DrawScrollBarPart thumb",
     [](auto p, TcxCanvas* c) { p->DrawScrollBarPart(c, false, kR, sbpThumbnail, cxbsHot); }},
    {"DrawScrollBarPart page", [](auto p, TcxCanvas* c) { p->DrawScrollBarPart(c, false, kR, sbpPageUp, cxbsNormal); }},
    {"DrawSizeGrip", [](auto p, TcxCanvas* c) { p->DrawSizeGrip(c, kR, clBtnFace); }},
    {"DrawSchedulerEventProgress",
     [](auto p, TcxCanvas* c) { p->DrawSchedulerEventProgress(c, kR, TRect(4, 4, 12, 20), TcxViewParams{}, true); }},
    {"DrawSchedulerNavigatorButton", [](auto p, TcxCanvas* c) { p->DrawSchedulerNavigatorButton(c, kR, cxbsHot); }},
    {"DrawTab",
     [](auto p, TcxCanvas* c) {
       p->DrawTab(c, kR, cxBordersAll, "T", cxbsPressed, false, nullptr, clBlack, clBtnFace);
     }},
    {"DrawTab vertical",
     [](auto p, TcxCanvas* c) { p->DrawTab(c, kR, cxBordersAll, "T", cxbsHot, true, nullptr, clBlack, clBtnFace); }},
    {"DrawSchedulerNavigationButtonContent",
     [](auto p, TcxCanvas* c) { p->DrawSchedulerNavigationButtonContent(c, kR, TRect(8, 6, 15, 13), true, cxbsHot); }},
};

}  // namespace

TEST_F(cxNativePainter, WithoutAThemeEveryDrawingIsTheStandardOne) {
  SetThemeActive(false);
  for (const Drawing& d : kDrawings) {
    TSurface native(32, 24), standard(32, 24);
    d.Draw(Native(), native.Cx);
    d.Draw(Standard(), standard.Cx);
    EXPECT_EQ(native.Differences(standard), 0) << d.Name;
  }
}

TEST_F(cxNativePainter, WithAThemeTheButtonsAreThemedNotStandard) {
  // The themed button ignores the colour arguments and differs from the standard bevel.
  for (const char* name : {"DrawButton", "DrawCheckButton", "DrawScrollBarPart thumb"}) {
    const Drawing* d = nullptr;
    for (const Drawing& each : kDrawings)
      if (String(each.Name) == name) d = &each;
    ASSERT_NE(d, nullptr);
    TSurface native(32, 24), standard(32, 24);
    d->Draw(Native(), native.Cx);
    d->Draw(Standard(), standard.Cx);
    EXPECT_FALSE(native.AllWhite()) << name;
    EXPECT_GT(native.Differences(standard), 0) << name;
  }
}

TEST_F(cxNativePainter, WithoutAThemeEverySizeIsTheStandardOne) {
  SetThemeActive(false);
  const auto n = Native(), s = Standard();
  EXPECT_EQ(n->BorderSize(), s->BorderSize());
  for (TcxButtonState state : {cxbsDefault, cxbsNormal, cxbsPressed}) {
    EXPECT_EQ(n->ButtonBorderSize(state), s->ButtonBorderSize(state)) << state;
    EXPECT_EQ(n->ButtonColor(state), s->ButtonColor(state)) << state;
    EXPECT_EQ(n->ButtonSymbolColor(state), s->ButtonSymbolColor(state)) << state;
  }
  EXPECT_TRUE(cxRectIsEqual(n->ButtonGroupBorderSizes(3, 1), s->ButtonGroupBorderSizes(3, 1)));
  EXPECT_TRUE(cxRectIsEqual(n->ButtonFocusRect(nullptr, kR), s->ButtonFocusRect(nullptr, kR)));
  EXPECT_EQ(n->ExpandButtonSize(), s->ExpandButtonSize());
  EXPECT_EQ(n->SmallExpandButtonSize(), s->SmallExpandButtonSize());
  EXPECT_EQ(n->GroupExpandButtonSize(), s->GroupExpandButtonSize());
  EXPECT_EQ(n->CheckBorderSize(), s->CheckBorderSize());
  EXPECT_EQ(n->CheckButtonSize(), s->CheckButtonSize());
  EXPECT_EQ(n->RadioButtonSize(), s->RadioButtonSize());
  EXPECT_EQ(n->HeaderBorderSize(), s->HeaderBorderSize());
  EXPECT_EQ(n->HeaderControlSectionBorderSize(cxbsPressed), s->HeaderControlSectionBorderSize(cxbsPressed));
  EXPECT_EQ(n->FooterCellBorderSize(), s->FooterCellBorderSize());
  EXPECT_EQ(n->FilterCloseButtonSize(), s->FilterCloseButtonSize());
  EXPECT_EQ(n->FilterActivateButtonSize(), s->FilterActivateButtonSize());
  EXPECT_EQ(n->ButtonTextShift(), s->ButtonTextShift());
  EXPECT_EQ(n->ButtonTextOffset(), s->ButtonTextOffset());
  EXPECT_EQ(n->ScrollBarMinimalThumbSize(true), 8);
  EXPECT_EQ(n->LookAndFeelStyle(), lfsNative);
}

// A themed tab drawn upright on one surface and as a left-hand tab on another.
struct TabPair {
  TSurface Upright, Vertical;
  TabPair(TcxButtonState AState, TcxBorders AUprightBorders, TcxBorders AVerticalBorders, const String& AText)
      : Upright(24, 40), Vertical(40, 24) {
    Native()->DrawTab(Upright.Cx, TRect(2, 3, 22, 37), AUprightBorders, AText, AState, false, nullptr, clBlack,
                      clBtnFace);
    Native()->DrawTab(Vertical.Cx, TRect(3, 2, 37, 22), AVerticalBorders, AText, AState, true, nullptr, clBlack,
                      clBtnFace);
  }
  // The upright pixel (x, y) of the 20 x 34 tab, turned a quarter anticlockwise into the vertical one.
  int Mismatches() const {
    int n = 0;
    for (int y = 0; y < 34; ++y)
      for (int x = 0; x < 20; ++x) n += Upright.At(2 + x, 3 + y) != Vertical.At(3 + y, 2 + 19 - x);
    return n;
  }
};

TEST_F(cxNativePainter, AThemedTabStaysInsideItsRectangle) {
  const TRect R(4, 4, 30, 20);
  for (TcxButtonState state : {cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled}) {
    SCOPED_TRACE(state);
    TSurface s(34, 24);
    Native()->DrawTab(s.Cx, R, TcxBorders{bTop}, "Tab", state, false, nullptr, clBlack, clBtnFace);
    EXPECT_EQ(s.Count(TRect(0, 0, 34, 24), kWhite), 34 * 24 - (R.Width() * R.Height() - s.Count(R, kWhite)));
    EXPECT_FALSE(cxRectIsEmpty(s.InkBox(R, kWhite)));
    // Only the selected tab reaches the pane's edge, R's last row.
    const TRect lastRow(R.left, R.bottom - 1, R.right, R.bottom);
    EXPECT_EQ(s.Count(lastRow, kWhite) == lastRow.Width(), state != cxbsPressed);
  }
}

TEST_F(cxNativePainter, ALeftHandTabIsTheUprightTabTurnedAQuarter) {
  // The upright tab's left side is the left-hand tab's bottom, its right side the top.
  const struct {
    TcxButtonState State;
    TcxBorders Upright, Vertical;
  } cases[] = {
      {cxbsNormal, cxBordersAll, cxBordersAll},
      {cxbsPressed, TcxBorders{bTop, bRight}, TcxBorders{bLeft, bTop}},
      {cxbsHot, TcxBorders{bLeft, bTop}, TcxBorders{bLeft, bBottom}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.State);
    TabPair pair(c.State, c.Upright, c.Vertical, "Tab");
    EXPECT_FALSE(pair.Vertical.AllWhite());
    EXPECT_EQ(pair.Mismatches(), 0);
  }
  TabPair unmatched(cxbsNormal, TcxBorders{bTop, bRight}, TcxBorders{bLeft, bBottom}, String());
  EXPECT_GT(unmatched.Mismatches(), 0);  // the open side runs on under the neighbour
}

TEST_F(cxNativePainter, TabsAreThemedAndHotTrackedOnlyWithATheme) {
  EXPECT_TRUE(Native()->IsDrawTabImplemented(false));
  EXPECT_TRUE(Native()->IsTabHotTrack(true));
  SetThemeActive(false);
  EXPECT_FALSE(Native()->IsDrawTabImplemented(false));
  EXPECT_FALSE(Native()->IsTabHotTrack(true));
}

TEST_F(cxNativePainter, SchedulerNavigationButtonsAreTabItemsOnTheirSidesFacingApart) {
  const TRect R(2, 2, 22, 42), arrow(8, 6, 15, 13);
  TSurface next(24, 44), previous(24, 44), arrowed(24, 44);
  Native()->DrawSchedulerNavigationButtonContent(next.Cx, R, TRect(), true, cxbsNormal);
  Native()->DrawSchedulerNavigationButtonContent(previous.Cx, R, TRect(), false, cxbsNormal);
  EXPECT_FALSE(next.AllWhite());
  int mismatches = 0;  // the previous button is the next one turned half round
  for (int y = R.top; y < R.bottom; ++y)
    for (int x = R.left; x < R.right; ++x)
      mismatches += next.At(x, y) != previous.At(R.right - 1 - (x - R.left), R.bottom - 1 - (y - R.top));
  EXPECT_EQ(mismatches, 0);
  EXPECT_EQ(next.Count(TRect(0, 0, 24, 44), kWhite), 24 * 44 - (R.Width() * R.Height() - next.Count(R, kWhite)));
  // The arrow comes on top, in the symbol colour of the state, inside its rectangle.
  Native()->DrawSchedulerNavigationButtonContent(arrowed.Cx, R, arrow, true, cxbsNormal);
  const COLORREF symbol = RGBOf(Native()->ButtonSymbolColor(cxbsNormal));
  EXPECT_GT(arrowed.Count(arrow, symbol), 0);
  EXPECT_EQ(arrowed.Count(TRect(0, 0, 24, 44), symbol) - next.Count(TRect(0, 0, 24, 44), symbol),
            arrowed.Count(arrow, symbol) - next.Count(arrow, symbol));
}

TEST_F(cxNativePainter, StateMapsOfThePushButton) {
  const Integer expected[] = {5, 1, 2, 3, 4};
  for (TcxButtonState state : {cxbsDefault, cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled})
    EXPECT_EQ(BtnStateToXPBtnState(state), expected[state]) << state;
  EXPECT_GE(Native()->ScrollBarMinimalThumbSize(false), 8);
}

TEST_F(cxNativePainter, AThemedButtonCaptionTakesTheCanvasFont) {
  // The caption goes through the canvas's handle: it must come out in the canvas's font, exactly as
  // text drawn through the canvas itself would.
  const TRect r(0, 0, 120, 40);
  const String caption = "Ok 确定";
  TSurface painted(120, 40), reference(120, 40);
  for (TSurface* s : {&painted, &reference}) {
    s->Canvas->GetFont()->SetName("Arial");
    s->Canvas->GetFont()->SetHeight(-20);
    s->Canvas->GetFont()->SetStyle({fsBold});
  }
  Native()->DrawButton(painted.Cx, r, caption, cxbsNormal);

  Native()->DrawButton(reference.Cx, r, String(), cxbsNormal);
  HTHEME theme = UxTheme::OpenThemeData(nullptr, u"Button");
  COLORREF text = 0;
  UxTheme::GetThemeColor(theme, BP_PUSHBUTTON, PBS_NORMAL, TMT_TEXTCOLOR, &text);
  UxTheme::CloseThemeData(theme);
  reference.Canvas->GetFont()->SetColor(static_cast<TColor>(text));
  reference.Canvas->GetBrush()->SetStyle(bsClear);
  const TSize extent = reference.Canvas->TextExtent(caption);
  reference.Canvas->TextOut((r.Width() - extent.cx) / 2, (r.Height() - extent.cy) / 2, caption);

  EXPECT_EQ(painted.Differences(reference), 0);
  EXPECT_TRUE(SaveDCToPng(painted.DC, (std::filesystem::temp_directory_path() / "native-button-caption.png").string()));
}
