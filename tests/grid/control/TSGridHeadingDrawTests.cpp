// The fixed cells' look: heading and row-bar backgrounds raised, flat, sunken while held and
// selected, their dark lines, the heading rectangles with a heading button at either side, and the
// sort pictures clipped to the button.
#include "GridDrawTestSupport.h"
#include "WinUserDraw.h"

using namespace GridDrawTest;

namespace {

class FixedCellDrawing : public GridSurfaceTest {};

TEST_F(FixedCellDrawing, BackgroundsAreRaisedFlatOrSunkenAndLinesDark) {
  struct Case {
    const char* What;
    bool Heading3D;
    bool Held;  // data column 1 held down as a button cell
    COLORREF TopLeft;
    COLORREF Lines;
  };
  const Case cases[] = {
      {"raised", true, false, RGBOf(clBtnHighlight), RGBOf(clGray)},
      {"flat", false, false, RGBOf(clBtnFace), RGBOf(clBlack)},
      {"held down", true, true, RGBOf(cl3DDkShadow), RGBOf(clGray)},
      {"held down without 3-D", false, true, RGBOf(cl3DDkShadow), RGBOf(clBlack)},
  };
  for (const Case& c : cases) {
    Surface->Clear();
    Grid->SetHeading3D(c.Heading3D);
    Grid->SetPressedHeading(c.Held ? 1 : -1, false, c.Held);
    const TRect cell(10, 10, 60, 30);  // with its line pixels
    Grid->DrawFixedCellUnselected(cell, 1);
    Grid->DrawFixedLines(cell, c.Heading3D ? clGray : clBlack);
    EXPECT_EQ(At(10, 20), c.TopLeft) << c.What << ": left edge";
    EXPECT_EQ(At(30, 10), c.TopLeft) << c.What << ": top edge";
    EXPECT_EQ(At(30, 20), RGBOf(clBtnFace)) << c.What << ": face";
    EXPECT_EQ(At(59, 20), c.Lines) << c.What << ": right line";
    EXPECT_EQ(At(30, 29), c.Lines) << c.What << ": bottom line";
    EXPECT_EQ(At(60, 20), PixelSurface::kWhite) << c.What << ": nothing beyond the cell";
  }
}

TEST_F(FixedCellDrawing, HeadingColoursComeFromTheColumnOrTheGridAndSelectedCellsInvert) {
  Grid->GetCols()->GetItem(2)->SetHeadingColor(clYellow);
  Grid->SetHeadingColor(clAqua);
  Grid->DrawFixedCellUnselected(TRect(0, 0, 30, 20), 2);
  Grid->DrawFixedCellUnselected(TRect(40, 0, 70, 20), 0);
  EXPECT_EQ(At(15, 10), RGBOf(clYellow));
  EXPECT_EQ(At(55, 10), RGBOf(clAqua)) << "the row bar takes the grid's heading colour";

  Grid->DrawFixedCellSelected(TRect(100, 0, 130, 20));
  EXPECT_EQ(At(115, 10), RGBOf(clAqua) ^ 0xFFFFFF) << "the heading colour inverted";
  EXPECT_EQ(At(100, 10), RGBOf(cl3DDkShadow)) << "sunken while 3-D";
  EXPECT_EQ(At(129, 10), PixelSurface::kWhite) << "the line pixels stay";
}

// ---- Heading rectangles and buttons ----------------------------------------------------------------------
class HeadingDrawing : public GridSurfaceTest {
 protected:
  void SetUp() override {
    GridSurfaceTest::SetUp();
    Grid->SetHeadingHeight(18);
  }
  // The heading's draw data over a cell rectangle of the surface.
  TtsDrawData Heading(Integer DisplayCol, const TRect& Cell) {
    TtsDrawData data;
    Grid->GetDrawData(DisplayCol, 0, data, true);
    data.CellRect = Cell;
    Grid->SetDrawRect(data);
    return data;
  }
};

TEST_F(HeadingDrawing, AHeadingButtonTakesRoomAtTheRightOrAtTheLeftOfARightAlignedHeading) {
  struct Case {
    const char* What;
    TtsHeadingButton GridButton;
    TtsColHeadingButton ColButton;
    TtsSortPicture Sort;
    TAlignment Alignment;
    bool HasButton;
    TRect Content, Button;
  };
  // A 60 x 18 heading at (0, 0), the cell rectangle without its line pixels.
  const TRect cell(0, 0, 60, 18);
  const Case cases[] = {
      {"no button", hbNone, cbGrid, spNone, taLeftJustify, false, TRect(0, 0, 59, 18), TRect()},
      {"grid's small button", hbButton, cbGrid, spNone, taLeftJustify, true, TRect(0, 0, 46, 18),
       TRect(46, 1, 60, 18)},
      {"right-aligned", hbButton, cbGrid, spNone, taRightJustify, true, TRect(12, 0, 59, 18), TRect(0, 1, 14, 18)},
      {"button cell without picture", hbCell, cbGrid, spNone, taLeftJustify, false, TRect(0, 0, 59, 18), TRect()},
      {"button cell with picture", hbNone, cbCell, spUp, taLeftJustify, true, TRect(0, 0, 46, 18),
       TRect(46, 1, 60, 18)},
  };
  for (const Case& c : cases) {
    Grid->SetHeadingButton(c.GridButton);
    TtsCol* col = Grid->GetCols()->GetItem(1);
    col->SetHeadingButton(c.ColButton);
    col->SetSortPicture(c.Sort);
    Grid->SetHeadingHorzAlignment(c.Alignment == taRightJustify ? TSCommon::htaRight : TSCommon::htaDefault);
    TtsDrawData data = Heading(1, cell);
    EXPECT_EQ(data.HasButton, c.HasButton) << c.What;
    EXPECT_EQ(TRect(data.ContentRect), c.Content) << c.What;
    if (c.HasButton) EXPECT_EQ(TRect(data.ButtonRect), c.Button) << c.What;
  }
}

TEST_F(HeadingDrawing, ALegacyLeftJustifiedHeadingFollowsTheGridsAlignment) {
  Grid->SetHorzAlignment(TSCommon::htaCenter);
  Grid->SetHeadingAlignment(taRightJustify);
  EXPECT_EQ(Grid->GetHeadingHorzAlignment(), TSCommon::htaRight);
  Grid->SetHeadingAlignment(taLeftJustify);
  EXPECT_EQ(Grid->GetHeadingHorzAlignment(), TSCommon::htaDefault);
  TtsDrawData data = Heading(1, TRect(0, 0, 60, 18));
  EXPECT_EQ(data.Alignment, taCenter);
}

TEST_F(HeadingDrawing, AHeldButtonCellSinksItsText) {
  Grid->SetPressedHeading(1, false, true);
  TtsDrawData data = Heading(1, TRect(0, 0, 60, 18));
  EXPECT_EQ(TRect(data.ContentRect), TRect(1, 1, 59, 18));
}

TEST_F(HeadingDrawing, SortPicturesAreClippedToTheButtonWithTheirBlackShowingTheHeadingColour) {
  TtsCol* col = Grid->GetCols()->GetItem(1);
  col->SetHeadingButton(cbCell);
  Grid->SetHeadingColor(clAqua);
  struct Case {
    TtsSortPicture Sort;
    Integer Width;  // of the heading
    bool RightAligned;
    TRect Copied;   // the part of the picture copied (at most 11 x 13)
    TRect Picture;  // its lit pixels
  };
  // Left-aligned, the button starts 13 pixels from the right; a right-aligned heading's button is
  // at its left, here only 10 pixels wide.
  for (const Case& c : {Case{spUp, 60, false, TRect(48, 1, 59, 14), TRect(49, 4, 58, 10)},
                        Case{spBullet, 60, false, TRect(48, 1, 59, 14), TRect(51, 4, 56, 9)},
                        Case{spDown, 10, true, TRect(1, 1, 9, 14), TRect(2, 4, 9, 10)}}) {
    Surface->Clear();
    col->SetSortPicture(c.Sort);
    Grid->SetHeadingHorzAlignment(c.RightAligned ? TSCommon::htaRight : TSCommon::htaDefault);
    TtsDrawData data = Heading(1, TRect(0, 0, c.Width, 18));
    Grid->DrawHeadingButton(Grid->GetCanvas(), 1, data);
    EXPECT_EQ(Surface->InkBox(), c.Copied) << c.Sort;
    EXPECT_EQ(Surface->InkBox(c.Copied, RGBOf(clAqua)), c.Picture) << c.Sort;
  }
}

}  // namespace
