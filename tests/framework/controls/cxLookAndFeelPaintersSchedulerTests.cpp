// The scheduler's vertical navigation button: its caption reads upward, drawn with the font turned a
// quarter, and sits centred in the text rectangle the layout gives it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "Graphics.h"
#include "cxGeometry.h"
#include "cxLookAndFeelPainters.h"
#include "cxLookAndFeelPaintersUltraFlatTestSurface.h"

using namespace PainterTestSurface;

TEST(cxSchedulerNavigationButton, TheCaptionStandsUprightAndCentredInItsTextRectangle) {
  const TcxCustomLookAndFeelPainterClass Standard = TcxCustomLookAndFeelPainterClass::Of<TcxStandardLookAndFeelPainter>();
  TSurface s(40, 160);
  const TRect button(0, 0, 30, 150);
  TRect r = button, text, arrow;
  Standard->CalculateSchedulerNavigationButtonRects(true, false, TSize(60, 13), TSize(60, 13), r, text, arrow);
  ASSERT_FALSE(cxRectIsEmpty(text));
  Standard->DrawSchedulerNavigationButton(s.Cx, r, true, cxbsNormal, "Monday", text, arrow);

  const TRect ink = s.InkBox(text, RGBOf(clBtnFace));
  ASSERT_FALSE(cxRectIsEmpty(ink));
  EXPECT_GT(ink.Height(), 2 * ink.Width()) << "the caption runs along the button, not across it";
  EXPECT_TRUE(ink.left >= text.left && ink.top >= text.top && ink.right <= text.right && ink.bottom <= text.bottom);
  EXPECT_LE(std::abs((ink.left + ink.right) - (text.left + text.right)), 4) << "centred across the button";
}
