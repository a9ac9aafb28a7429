// Cell buttons as they are drawn and hit: the combo button flat, raised, hot and pressed, a picture
// without a box for inactive cells, the two parts of spin buttons with their arrows, and where the
// mouse finds a button and its spin parts.
#include "GridDrawTestSupport.h"

using namespace GridDrawTest;

namespace {

class CellButtonDrawing : public GridSurfaceTest {
 protected:
  void SetUp() override {
    GridSurfaceTest::SetUp();
    Grid->GetCols()->GetItem(1)->SetButtonType(btDateTimeDropDown);  // the combo arrow, no combo needed
    Grid->GetCols()->GetItem(2)->SetButtonType(btVertSpin);
    Grid->GetCols()->GetItem(3)->SetButtonType(btHorzSpin);
    for (Integer c = 1; c <= 3; ++c) Grid->GetCols()->GetItem(c)->SetWidth(80);
    Grid->SetDefaultRowHeight(20);
  }
  // The draw data of a data cell as if it lay at (Left, Top) of the surface.
  TtsDrawData CellAt(Integer Col, Integer Row, Integer Left, Integer Top) {
    TtsDrawData data;
    Grid->GetDrawData(Col, Row, data, true);
    data.CellRect = TRect(Left, Top, Left + 79, Top + 19);
    Grid->SetDrawRect(data);
    return data;
  }
};

struct TPixel {
  int X, Y;
  TColor Color;
  const char* What;
};

TEST_F(CellButtonDrawing, DropDownButtonsInEachState) {
  struct Case {
    const char* What;
    bool FlatButtons;
    TtsInactiveButtonState Inactive;
    TtsButtonMode Mode;
    std::vector<TPixel> Pixels;
  };
  // The cell spans (20, 10)-(99, 29); its button part starts at 84.
  const Case cases[] = {
      {"flat: a filled box inset by the edge width",
       true, ibsBackGround, bmFlat,
       {{86, 12, clBtnFace, "box corner"}, {85, 12, clWhite, "left of the box"}, {91, 17, clBlack, "arrow tip"},
        {89, 14, clBtnFace, "white of the arrow takes the box colour"}, {97, 20, clWhite, "right of the box"}}},
      {"resting raised without flat buttons",
       false, ibsBackGround, bmFlat,
       {{85, 15, clBtnHighlight, "left edge"}, {90, 10, clBtnHighlight, "top edge"},
        {98, 15, clBtnShadow, "right edge"}, {90, 22, clBtnShadow, "bottom edge"},
        {84, 15, clSilver, "separating line"}, {91, 17, clBlack, "arrow tip"}}},
      {"hot", true, ibsBackGround, bmUp,
       {{85, 15, clBtnHighlight, "left edge"}, {98, 15, clBtnShadow, "right edge"}, {91, 17, clBlack, "arrow tip"}}},
      {"pressed", true, ibsBackGround, bmDown,
       {{85, 15, clBtnShadow, "sunken left edge"}, {90, 10, clBtnShadow, "sunken top edge"},
        {98, 15, cl3DLight, "right edge"}, {92, 18, clBlack, "arrow tip one pixel down and right"},
        {91, 17, clBlack, "arrow body"}}},
      {"inactive cells show the picture only", true, ibsPicture, bmFlat,
       {{86, 12, clWhite, "no box"}, {91, 17, clBlack, "arrow tip"}, {89, 14, clWhite, "on the cell's colour"}}},
  };
  for (const Case& c : cases) {
    Surface->Clear();
    Grid->SetFlatButtons(c.FlatButtons);
    Grid->SetInactiveButtonState(c.Inactive);
    Grid->SetHotButton(-1, -1, spbNone);
    Grid->SetButtonDown(-1, -1, spbNone);
    Grid->FMouseStatus = msNormal;
    if (c.Mode == bmUp) Grid->SetHotButton(1, 2, spbNone);
    if (c.Mode == bmDown) {
      Grid->SetButtonDown(1, 2, spbNone);
      Grid->FMouseStatus = msButtonDown;
    }
    TtsDrawData data = CellAt(1, 2, 20, 10);
    ASSERT_EQ(TRect(data.ButtonRect), TRect(84, 10, 99, 29));
    Grid->DrawButtonInCell(data, false);
    SavePng("grid-drop-down-button-" + std::to_string(&c - cases) + ".png");
    for (const TPixel& p : c.Pixels) EXPECT_EQ(At(p.X, p.Y), RGBOf(p.Color)) << c.What << ": " << p.What;
  }
  Grid->FMouseStatus = msNormal;
}

TEST_F(CellButtonDrawing, SpinButtonsDrawTwoPartsWithTheirArrows) {
  struct Case {
    const char* What;
    Integer Col;
    TtsSpinButton Pressed;
    std::vector<TPixel> Pixels;
  };
  // Vertical: parts (85, 40)-(99, 49) and (85, 49)-(99, 58); horizontal: (81, 40)-(90, 55) and (90, 40)-(99, 55).
  const Case cases[] = {
      {"vertical", 2, spbNone,
       {{91, 42, clBlack, "tip of the up arrow"}, {88, 45, clBlack, "base of the up arrow"},
        {91, 55, clBlack, "tip of the down arrow"}, {85, 44, clBtnHighlight, "upper part raised"},
        {98, 44, clBtnShadow, "upper part's right edge"}, {85, 53, clBtnHighlight, "lower part raised"}}},
      {"vertical, lower part pressed", 2, spbDecrement,
       {{92, 56, clBlack, "the pressed arrow moves down and right"}, {85, 53, clBtnShadow, "lower part sunken"},
        {85, 44, clBtnHighlight, "upper part still raised"}}},
      {"horizontal", 3, spbNone,
       {{81, 45, clBtnHighlight, "left part raised"}, {90, 45, clBtnHighlight, "right part raised"},
        {83, 47, clBlack, "tip of the left arrow"}, {96, 47, clBlack, "tip of the right arrow"},
        {80, 45, clSilver, "separating line"}}},
  };
  for (const Case& c : cases) {
    Surface->Clear();
    Grid->SetButtonDown(c.Pressed == spbNone ? -1 : c.Col, c.Pressed == spbNone ? -1 : 2, c.Pressed);
    Grid->FMouseStatus = c.Pressed == spbNone ? msNormal : msButtonDown;
    TtsDrawData data = CellAt(c.Col, 2, 20, 40);
    Grid->DrawButtonInCell(data, false);
    SavePng("grid-spin-button-" + std::to_string(&c - cases) + ".png");
    for (const TPixel& p : c.Pixels) EXPECT_EQ(At(p.X, p.Y), RGBOf(p.Color)) << c.What << ": " << p.What;
  }
  Grid->FMouseStatus = msNormal;
}

TEST_F(CellButtonDrawing, SpinPartsSplitTheButton) {
  Grid->FCurrentButton = Grid->GridCellButton(2, btVertSpin);
  TRect increment, decrement;
  Integer w, h;
  // A 20-pixel row: two parts of 9, at most half of the full height 19.
  Grid->GetVertSpinRects(TRect(84, 40, 99, 59), increment, decrement, w, h);
  EXPECT_EQ(h, 9);
  EXPECT_EQ(TRect(increment), TRect(85, 40, 99, 49));
  EXPECT_EQ(TRect(decrement), TRect(85, 49, 99, 58));
  // A horizontal pair narrower than the button ends at its right edge.
  Grid->FCurrentButton = Grid->GridCellButton(3, btHorzSpin);
  Grid->GetHorzSpinRects(TRect(60, 40, 99, 59), increment, decrement, w, h);
  EXPECT_EQ(w, 9) << "half of the full width 19";
  EXPECT_EQ(increment.right, 99);
  EXPECT_EQ(decrement.right, increment.left);
  EXPECT_EQ(increment.Width(), 9);
}

}  // namespace
