#include <gtest/gtest.h>

#include "cxDrawTextUtils.h"
#include "cxEditUtils.h"
#include "cxLookAndFeelPainters.h"
#include "dxOffice11.h"

namespace {

TEST(cxEditUtils, ArrowSizeFollowsTheSmallerSide) {
  EXPECT_EQ(GetArrowSize(TSize(10, 16), adDown), TSize(5, 3));
  EXPECT_EQ(GetArrowSize(TSize(10, 16), adUp), TSize(5, 3));
  EXPECT_EQ(GetArrowSize(TSize(10, 16), adRight), TSize(3, 5));
  EXPECT_EQ(GetArrowSize(TSize(16, 10), adLeft), TSize(3, 5));
  EXPECT_EQ(GetArrowSize(TSize(9, 9), adDown), TSize(5, 3));  // (9 - 1) div 2 = 4, made odd
  EXPECT_EQ(GetArrowSize(TSize(17, 20), adDown), TSize(9, 5));
}

TEST(cxEditUtils, TextFlagsConvertBitByBit) {
  struct Case {
    DWORD Format;
    Integer Flags;
  };
  const Case cases[] = {
      {0, 0},
      {cxMakeFormat(taCenterX, taTop), cxtfAlignHCenter},
      {cxMakeFormat(taRight, taTop), cxtfAlignRight},
      {cxMakeFormat(taLeft, taCenterY), cxtfAlignVCenter},
      {cxMakeFormat(taLeft, taBottom), cxtfAlignBottom},
      {cxtoSingleLine, cxtfSingleLine},
      {cxtoWordBreak, cxtfWordBreak},
      {cxMakeFormat(taRight, taBottom) | cxtoSingleLine | cxtoWordBreak,
       cxtfAlignRight | cxtfAlignBottom | cxtfSingleLine | cxtfWordBreak},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(cxTextOutFlagsToDrawTextFlags(c.Format), c.Flags) << c.Format;
    EXPECT_EQ(DrawTextFlagsTocxTextOutFlags(c.Flags), c.Format) << c.Flags;
  }
  // Nothing else is carried over: left and top are the zero values of the format word.
  EXPECT_EQ(cxTextOutFlagsToDrawTextFlags(cxtoEndEllipsis | cxtoExpandTabs | cxtoNoClip), 0);
  EXPECT_EQ(DrawTextFlagsTocxTextOutFlags(cxtfAlignLeft | cxtfAlignTop | cxtfShowEndEllipsis | cxtfExpandTabs), 0u);
}

TEST(cxEditUtils, PainterClassByLook) {
  EXPECT_EQ(GetPainterClass(false, lfFlat).Class(), TcxFlatLookAndFeelPainter::StaticClass());
  EXPECT_EQ(GetPainterClass(false, lfStandard).Class(), TcxStandardLookAndFeelPainter::StaticClass());
  EXPECT_EQ(GetPainterClass(false, lfUltraFlat).Class(), TcxUltraFlatLookAndFeelPainter::StaticClass());
  EXPECT_EQ(GetPainterClass(false, lfOffice11).Class(), TcxOffice11LookAndFeelPainter::StaticClass());
  const TClass native = GetPainterClass(true, lfFlat).Class();
  if (AreVisualStylesAvailable())
    EXPECT_EQ(native, TcxWinXPLookAndFeelPainter::StaticClass());
  else
    EXPECT_EQ(native, TcxFlatLookAndFeelPainter::StaticClass());
}

TEST(cxEditUtils, HighlightColours) {
  // The system is one with a hot-light colour of its own.
  EXPECT_EQ(GetHotTrackColor(), clHotLight);
  EXPECT_EQ(GetEditBorderHighlightColor(false), clHighlight);
  EXPECT_EQ(GetEditBorderHighlightColor(true), static_cast<TColor>(dxOffice11SelectedBorderColor));
  using Painter = TcxCustomLookAndFeelPainterClass;
  const Painter ultraFlat = Painter::Of<TcxUltraFlatLookAndFeelPainter>();
  const Painter office11 = Painter::Of<TcxOffice11LookAndFeelPainter>();
  EXPECT_EQ(GetEditButtonHighlightColor(false, false), ultraFlat->ButtonColor(cxbsHot));
  EXPECT_EQ(GetEditButtonHighlightColor(true, false), ultraFlat->ButtonColor(cxbsPressed));
  EXPECT_EQ(GetEditButtonHighlightColor(false, true), office11->ButtonColor(cxbsHot));
  EXPECT_EQ(GetEditButtonHighlightColor(true, true), office11->ButtonColor(cxbsPressed));
}

}  // namespace
