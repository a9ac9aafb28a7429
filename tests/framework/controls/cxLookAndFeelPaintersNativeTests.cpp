// The native painter: drawings through the visual styles, and the standard look whenever no theme
// handle comes back, for every slot that draws or measures.
#include <gtest/gtest.h>

#include <functional>

#include "UxTheme.h"
#include "cxGeometry.h"
#include "cxLookAndFeelPaintersNative.h"
#include "cxLookAndFeelPaintersUltraFlatTestSurface.h"

using namespace PainterTestSurface;

namespace {

TcxCustomLookAndFeelPainterClass Native() {
  return TcxCustomLookAndFeelPainterClass::Of<TcxWinXPLookAndFeelPainter>();
}
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
       p->DrawHeaderControlSection(c, kR, kR, TcxNeighbors(), cxBordersAll, cxbsHot, taLeftJustify, vaTop, false,
                                   false, "H", nullptr, clBlack, clBtnFace);
     }},
    {"DrawFooterCell",
     [](auto p, TcxCanvas* c) {
       p->DrawFooterCell(c, kR, taLeftJustify, vaTop, false, "F", nullptr, clBlack, clBtnFace);
     }},
    {"DrawFooterBorder", [](auto p, TcxCanvas* c) { p->DrawFooterBorder(c, kR); }},
    {"DrawFilterCloseButton", [](auto p, TcxCanvas* c) { p->DrawFilterCloseButton(c, kR, cxbsNormal); }},
    {"DrawFilterDropDownButton", [](auto p, TcxCanvas* c) { p->DrawFilterDropDownButton(c, kR, cxbsHot, true); }},
    {"DrawTabBorder", [](auto p, TcxCanvas* c) { p->DrawTabBorder(c, TRect(2, 2, 4, 20), bLeft, cxBordersAll, false); }},
    {"DrawTabsRoot", [](auto p, TcxCanvas* c) { p->DrawTabsRoot(c, kR, cxBordersAll, false); }},
    {"DrawScrollBarPart line", [](auto p, TcxCanvas* c) { p->DrawScrollBarPart(c, true, kR, sbpLineDown, cxbsPressed); }},
    {"DrawScrollBarPart thumb", [](auto p, TcxCanvas* c) { p->DrawScrollBarPart(c, false, kR, sbpThumbnail, cxbsHot); }},
    {"DrawScrollBarPart page", [](auto p, TcxCanvas* c) { p->DrawScrollBarPart(c, false, kR, sbpPageUp, cxbsNormal); }},
    {"DrawSizeGrip", [](auto p, TcxCanvas* c) { p->DrawSizeGrip(c, kR, clBtnFace); }},
    {"DrawSchedulerEventProgress",
     [](auto p, TcxCanvas* c) { p->DrawSchedulerEventProgress(c, kR, TRect(4, 4, 12, 20), TcxViewParams{}, true); }},
    {"DrawSchedulerNavigatorButton", [](auto p, TcxCanvas* c) { p->DrawSchedulerNavigatorButton(c, kR, cxbsHot); }},
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

TEST_F(cxNativePainter, StateMapsOfThePushButton) {
  const Integer expected[] = {5, 1, 2, 3, 4};
  for (TcxButtonState state : {cxbsDefault, cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled})
    EXPECT_EQ(BtnStateToXPBtnState(state), expected[state]) << state;
  EXPECT_GE(Native()->ScrollBarMinimalThumbSize(false), 8);
}
