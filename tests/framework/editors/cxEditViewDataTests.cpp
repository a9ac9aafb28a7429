// The view data's layout of an editor: the frame of stand-alone and in-place editors, the buttons
// placed from both ends, stretched in buttons-only mode, hidden by transparency, and their states.
#include "cxEditTestSupport.h"
#include "cxGraphicsCanvas.h"

namespace {

using namespace cxEditTest;

TEST(cxEditViewData, ButtonsArePlacedFromTheEndsOfTheFrame) {
  TEditTestLayout layout({17, 17});
  layout.Calculate(TRect(1, 1, 99, 21));
  // The frame is one pixel wide: the buttons lie between 2 and 98.
  EXPECT_EQ(TRect(81, 2, 98, 20), layout.Button(1)->Bounds);
  EXPECT_EQ(TRect(64, 2, 81, 20), layout.Button(0)->Bounds);
  EXPECT_EQ(1, layout.ViewData->RightButtonsRightIndex);
  EXPECT_EQ(0, layout.ViewData->RightButtonsLeftIndex);
  EXPECT_TRUE(layout.Button(1)->RightEnd);
  EXPECT_TRUE(layout.Button(0)->LeftEnd);
  EXPECT_EQ(TRect(2, 2, 64, 20), layout.ViewInfo->ClientRect);

  TEditTestLayout mixed({-10, 15});
  mixed.Calculate(TRect(0, 0, 60, 20));
  EXPECT_EQ(TRect(1, 1, 11, 19), mixed.Button(0)->Bounds);
  EXPECT_EQ(TRect(44, 1, 59, 19), mixed.Button(1)->Bounds);
  EXPECT_EQ(TRect(11, 1, 44, 19), mixed.ViewInfo->ClientRect);
}

TEST(cxEditViewData, AButtonThatDoesNotFitShowsOnlyItsVisiblePart) {
  TEditTestLayout layout({20, 20});
  layout.Calculate(TRect(0, 0, 32, 20));
  EXPECT_EQ(TRect(11, 1, 31, 19), layout.Button(1)->Bounds);
  EXPECT_EQ(TRect(-9, 1, 11, 19), layout.Button(0)->Bounds);
  EXPECT_EQ(TRect(1, 1, 11, 19), layout.Button(0)->VisibleBounds);
}

TEST(cxEditViewData, ButtonsOnlyModeSharesTheWidthLeftByTheirWidths) {
  TEditTestLayout layout({-10, -20});
  layout.Properties->SetButtonsViewStyle(bvsButtonsOnly);
  layout.MakeViewData(false);
  layout.Calculate(TRect(0, 0, 62, 20));  // 60 inside the frame, 30 left over
  EXPECT_EQ(TRect(1, 1, 41, 19), layout.Button(1)->Bounds);
  EXPECT_EQ(TRect(41, 1, 61, 19), layout.Button(0)->Bounds);
  EXPECT_FALSE(layout.Button(0)->LeftAlignment);
}

TEST(cxEditViewData, TransparencyHidesTheButtonsOfAnInactiveEditor) {
  TEditTestLayout layout({16});
  layout.Controller->GetStyle()->SetButtonTransparency(ebtHideInactive);
  layout.MakeViewData(false);
  layout.Calculate(TRect(0, 0, 80, 20));
  EXPECT_EQ(0, layout.ViewInfo->GetButtonCount());
  layout.ViewData->Focused = true;
  layout.Calculate(TRect(0, 0, 80, 20));
  EXPECT_EQ(1, layout.ViewInfo->GetButtonCount());
}

TEST(cxEditViewData, ButtonStatesFollowThePointerTheLeftButtonAndTheirEnabling) {
  TEditTestLayout layout({16, 16});
  layout.Properties->GetButtons()->GetItem(0)->SetEnabled(false);
  layout.MakeViewData(false);
  const TRect bounds(0, 0, 80, 20);
  layout.Calculate(bounds, TPoint(70, 10));
  EXPECT_EQ(ebsSelected, layout.Button(1)->State);
  EXPECT_EQ(1, layout.ViewInfo->SelectedButton);
  layout.Calculate(bounds, TPoint(70, 10), cxmbLeft, {ssLeft});
  EXPECT_EQ(ebsPressed, layout.Button(1)->State);
  EXPECT_EQ(1, layout.ViewInfo->PressedButton);
  EXPECT_TRUE(layout.ViewInfo->IsButtonReallyPressed);
  // Held while the pointer moves over it, normal when it leaves.
  layout.Calculate(bounds, TPoint(72, 12), cxmbNone, {ssLeft});
  EXPECT_EQ(ebsPressed, layout.Button(1)->State);
  layout.Calculate(bounds, TPoint(10, 10), cxmbNone, {ssLeft});
  EXPECT_EQ(ebsNormal, layout.Button(1)->State);
  layout.Calculate(bounds, TPoint(54, 10), cxmbLeft, {ssLeft});
  EXPECT_EQ(ebsDisabled, layout.Button(0)->State);
  EXPECT_EQ(-1, layout.ViewInfo->PressedButton);
}

TEST(cxEditViewData, AnInPlaceEditorHasNoBorderAndItsContentOffsetsAsExtent) {
  TEditTestLayout layout({16}, true);
  layout.ViewData->ContentOffset = TRect(2, 1, 2, 1);
  layout.Calculate(TRect(0, 0, 80, 18));
  EXPECT_EQ(ebsNone, layout.ViewInfo->GetEditBorderStyle());
  EXPECT_EQ(TRect(2, 1, 2, 1), layout.ViewData->GetBorderExtent());
  EXPECT_EQ(TRect(62, 1, 78, 17), layout.Button(0)->Bounds);
  EXPECT_EQ(btsUltraFlat, layout.Button(0)->ButtonStyle);  // the style of the look, ultra-flat by default
}

TEST(cxEditViewData, TheFrameFollowsTheBorderStyleEdgesShadowAndTheTransparentBorder) {
  TEditTestLayout layout({});
  TcxEditStyle* style = layout.Controller->GetStyle();
  const TRect bounds(0, 0, 80, 20);
  struct TCase {
    TcxEditBorderStyle BorderStyle;
    bool Shadow, TransparentBorder;
    TRect Extent;
  };
  for (const TCase& c : {TCase{ebsSingle, false, false, TRect(1, 1, 1, 1)}, TCase{ebs3D, false, false, TRect(2, 2, 2, 2)},
                         TCase{ebsUltraFlat, false, false, TRect(1, 1, 1, 1)},
                         TCase{ebsSingle, true, false, TRect(1, 1, 4, 4)}, TCase{ebsNone, false, true, TRect(2, 2, 2, 2)},
                         TCase{ebsNone, false, false, TRect(0, 0, 0, 0)}}) {
    style->SetBorderStyle(c.BorderStyle);
    style->SetShadow(c.Shadow);
    style->SetTransparentBorder(c.TransparentBorder);
    layout.MakeViewData(false);
    layout.Calculate(bounds);
    EXPECT_EQ(c.Extent, layout.ViewData->GetBorderExtent()) << c.BorderStyle;
    EXPECT_EQ(cxRectContent(bounds, c.Extent), layout.ViewInfo->BorderRect) << c.BorderStyle;
  }
  // The one-colour frames draw as single frames in the border colour of the state.
  style->SetBorderStyle(ebsUltraFlat);
  style->SetShadow(false);
  layout.MakeViewData(false);
  layout.Calculate(bounds);
  EXPECT_EQ(ebsSingle, layout.ViewInfo->GetEditBorderStyle());
  EXPECT_EQ(clBtnShadow, layout.ViewInfo->BorderColor);
  layout.ViewData->Focused = true;
  layout.Calculate(bounds);
  EXPECT_EQ(clHighlight, layout.ViewInfo->BorderColor);
}

TEST(cxEditViewData, SizesAreTheFramePlusTheContentWithinTheConstraints) {
  TEditTestLayout layout({16});
  TSize minContent;
  const TSize frame = layout.ViewData->GetEditConstantPartSize(cxScreenCanvas(), DefaultcxEditSizeProperties, minContent);
  EXPECT_EQ(1 + 16 + 1, frame.cx);
  EXPECT_EQ(2, frame.cy);
  EXPECT_EQ(18, layout.ViewData->GetEditSize(cxScreenCanvas(), Null(), DefaultcxEditSizeProperties).cx);
  // The buttons-only editors measure one line of text.
  layout.Properties->SetButtonsViewStyle(bvsButtonsAutoWidth);
  layout.MakeViewData(false);
  const TSize content = layout.ViewData->GetEditContentSize(cxScreenCanvas(), Null(), DefaultcxEditSizeProperties);
  EXPECT_GT(content.cy, 10);
}

}  // namespace
