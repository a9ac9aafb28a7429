// The effective properties of a cell: cell first, then row and column in the DrawOverlap order,
// then the grid; the heading paths, the united 3-D rule, the button and spin layers and the
// current cell's answers.
#include "GridControlTestSupport.h"
#include "Graphics.h"

using namespace GridControlTest;

namespace {

class Resolve : public GridTest {
 protected:
  TtsCol* Col(Integer DataCol) { return Grid->GetCols()->GetItem(DataCol); }
  void Overlap(TtsDrawOverlap Value) { Grid->SetDrawOverlap(Value); }
};

TEST_F(Resolve, ColourLayersFollowDrawOverlapAndTheCellWins) {
  Col(2)->SetColor(Graphics::clYellow);
  Grid->SetRowColor(3, Graphics::clAqua);
  struct Case {
    TtsDrawOverlap Overlap;
    bool CellColour;
    TColor Expected;
  };
  for (const Case& c : {Case{doDrawColOnTop, false, Graphics::clYellow}, Case{doDrawRowOnTop, false, Graphics::clAqua},
                        Case{doDrawColOnTop, true, Graphics::clRed}, Case{doDrawRowOnTop, true, Graphics::clRed}}) {
    Overlap(c.Overlap);
    Grid->SetCellColor(2, 3, c.CellColour ? Graphics::clRed : Graphics::clNone);
    EXPECT_EQ(Grid->GiveCellColor(2, 3, false), c.Expected) << c.Overlap << c.CellColour;
  }
  // A layer without a value hands on: column 1 in row 3 takes the row's colour either way.
  Overlap(doDrawColOnTop);
  EXPECT_EQ(Grid->GiveCellColor(1, 3, false), Graphics::clAqua);
}

TEST_F(Resolve, GridColourAndTheThreeDRule) {
  Grid->SetColor(Graphics::clWindow);
  EXPECT_EQ(Grid->GiveCellColor(1, 1, true), Graphics::clBtnFace);
  EXPECT_EQ(Grid->GiveCellColor(1, 1, false), Graphics::clWindow);
  Grid->SetColor(Graphics::clMoneyGreen);
  EXPECT_EQ(Grid->GiveCellColor(1, 1, true), Graphics::clMoneyGreen);
  // Headings: the column's heading colour for a data column, the grid's elsewhere.
  Grid->SetHeadingColor(Graphics::clGray);
  Col(2)->SetHeadingColor(Graphics::clTeal);
  EXPECT_EQ(Grid->GiveCellColor(2, 0, false), Graphics::clTeal);
  EXPECT_EQ(Grid->GiveCellColor(1, 0, false), Graphics::clGray);
  EXPECT_EQ(Grid->GiveCellColor(0, 2, false), Graphics::clGray);
}

TEST_F(Resolve, ThreeDIsUnitedAndNoLayerSwitchesItOff) {
  EXPECT_FALSE(Grid->GiveCell3D(2, 2));
  Col(2)->SetIs3D(true);
  Grid->SetCellIs3D(2, 2, false);
  EXPECT_TRUE(Grid->GiveCell3D(2, 2));
  EXPECT_FALSE(Grid->GiveCell3D(1, 2));
  Grid->SetRowIs3D(4, true);
  EXPECT_TRUE(Grid->GiveCell3D(1, 4));
  Grid->SetCellIs3D(3, 1, true);
  EXPECT_TRUE(Grid->GiveCell3D(3, 1));
  // Headings follow Heading3D alone.
  Grid->SetHeading3D(false);
  EXPECT_FALSE(Grid->GiveCell3D(2, 0));
  Grid->SetIs3D(true);
  EXPECT_TRUE(Grid->GiveCell3D(1, 1));
  EXPECT_FALSE(Grid->GiveCell3D(0, 1));
}

TEST_F(Resolve, AlignmentFallsBackToLeftAndTopAndLegacyColumnAlignmentBeatsTheGrid) {
  EXPECT_EQ(Grid->GiveCellHorzAlignment(1, 1), TSCommon::htaLeft);
  EXPECT_EQ(Grid->GiveCellVertAlignment(1, 1), TSCommon::vtaTop);
  EXPECT_EQ(Grid->GiveCellAlignment(1, 1), taLeftJustify);
  Grid->SetHorzAlignment(TSCommon::htaCenter);
  Col(2)->SetAlignment(taRightJustify);
  EXPECT_EQ(Grid->GiveCellHorzAlignment(2, 1), TSCommon::htaRight);
  EXPECT_EQ(Grid->GiveCellHorzAlignment(1, 1), TSCommon::htaCenter);
  Grid->SetRowHorzAlignment(1, TSCommon::htaLeft);
  EXPECT_EQ(Grid->GiveCellHorzAlignment(2, 1), TSCommon::htaLeft);
  EXPECT_EQ(Grid->GiveCellAlignment(1, 2), taCenter);
  // Headings: the column's, the grid's heading, the grid's cell alignment.
  EXPECT_EQ(Grid->GiveHeadingHorzAlignment(3), TSCommon::htaCenter);
  Grid->SetHeadingHorzAlignment(TSCommon::htaRight);
  EXPECT_EQ(Grid->GiveHeadingHorzAlignment(3), TSCommon::htaRight);
  Col(3)->SetHeadingHorzAlignment(TSCommon::htaLeft);
  EXPECT_EQ(Grid->GiveCellHorzAlignment(3, 0), TSCommon::htaLeft);
  Grid->SetVertAlignment(TSCommon::vtaBottom);
  Grid->SetRowVertAlignment(2, TSCommon::vtaCenter);
  Overlap(doDrawRowOnTop);
  Col(1)->SetVertAlignment(TSCommon::vtaTop);
  EXPECT_EQ(Grid->GiveCellVertAlignment(1, 2), TSCommon::vtaCenter);
  Overlap(doDrawColOnTop);
  EXPECT_EQ(Grid->GiveCellVertAlignment(1, 2), TSCommon::vtaTop);
  EXPECT_EQ(Grid->GiveCellVertAlignment(2, 3), TSCommon::vtaBottom);
}

TEST_F(Resolve, ButtonsComeWithTheDropDownStyleOfTheirLayer) {
  Col(1)->SetButtonType(btNormal);
  Col(1)->SetDropDownStyle(ddDropDownList);
  Grid->SetRowButtonType(2, btVertSpin);
  TtsDropDownStyle style;
  Overlap(doDrawRowOnTop);
  EXPECT_EQ(Grid->GiveCellButton(1, 2, style), btVertSpin);
  EXPECT_EQ(style, ddDropDown);
  Overlap(doDrawColOnTop);
  EXPECT_EQ(Grid->GiveCellButton(1, 2, style), btNormal);
  EXPECT_EQ(style, ddDropDownList);
  EXPECT_EQ(Grid->GiveCellButton(2, 1, style), btNone);
  EXPECT_EQ(Grid->GiveCellButton(0, 1, style), btNone);
  // A read-only cell shows its button only with ReadOnlyButton.
  Grid->SetCellReadOnly(1, 3, roOn);
  EXPECT_EQ(Grid->GiveCellButtonType(1, 3), btNormal);
  Grid->SetReadOnlyButton(false);
  EXPECT_EQ(Grid->GiveCellButtonType(1, 3), btNone);
  EXPECT_EQ(Grid->GiveCellButtonType(1, 1), btNormal);
}

TEST_F(Resolve, SpinSettingsComeFromTheFirstLayerWithASpinButton) {
  Col(2)->SetButtonType(btHorzSpin);
  Col(2)->SetSpinIncrement(0.5);
  Col(2)->SetSpinOptions({spoKeyEdit});
  Grid->SetRowButtonType(1, btNormal);
  Overlap(doDrawRowOnTop);
  EXPECT_DOUBLE_EQ(Grid->GiveCellSpinIncrement(2, 1), 0.5);
  EXPECT_EQ(Grid->GiveCellSpinOptions(2, 1), TtsSpinOptions{spoKeyEdit});
  Grid->SetCellButtonType(2, 1, btVertSpin);
  Grid->SetCellSpinIncrement(2, 1, 3.0);
  EXPECT_DOUBLE_EQ(Grid->GiveCellSpinIncrement(2, 1), 3.0);
  EXPECT_DOUBLE_EQ(Grid->GiveCellSpinIncrement(1, 1), 0.0);
  EXPECT_EQ(Grid->GiveCellSpinOptions(1, 1), TtsSpinOptions());
}

TEST_F(Resolve, ControlTypeMaskFontAndCheckBoxValues) {
  EXPECT_EQ(Grid->GiveCellControlType(1, 1), ctText);
  EXPECT_EQ(Grid->GiveCellControlType(0, 1), ctNone);
  EXPECT_EQ(Grid->GiveCellControlType(1, 0), ctNone);
  EXPECT_EQ(Grid->GiveCellControlType(5, 1), ctNone);
  Col(2)->SetControlType(ctCheck);
  Grid->SetRowControlType(2, ctPicture);
  EXPECT_EQ(Grid->GiveCellControlType(2, 2), ctCheck);
  Overlap(doDrawRowOnTop);
  EXPECT_EQ(Grid->GiveCellControlType(2, 2), ctPicture);

  Col(1)->SetMaskName("col");
  Grid->SetRowMaskName(1, "row");
  EXPECT_EQ(Grid->GiveCellMaskName(1, 1), "row");
  Grid->SetCellMaskName(1, 1, "cell");
  EXPECT_EQ(Grid->GiveCellMaskName(1, 1), "cell");
  EXPECT_EQ(Grid->GiveCellMaskName(0, 1), "");

  Grid->SetCheckBoxValues("Y|N");
  EXPECT_EQ(Grid->GiveCellCheckBoxValues(1, 1), "Y|N");
  Col(1)->SetCheckBoxValues("On|Off");
  EXPECT_EQ(Grid->GiveCellCheckBoxValues(1, 3), "On|Off");

  TOwnedPtr<TFont> own(New<TFont>());
  own->SetSize(20);
  Col(3)->SetFont(own.get());
  Col(3)->SetParentFont(false);
  EXPECT_EQ(Grid->GiveCellFont(3, 2)->GetSize(), 20);
  EXPECT_EQ(Grid->GiveCellFont(2, 2), Grid->GetFont());
  EXPECT_EQ(Grid->GiveCellFont(2, 0), Grid->GetHeadingFont());
}

TEST_F(Resolve, CurrentCellAnswersAndActiveChecks) {
  Grid->SetCellMaskName(1, 1, "m");
  EXPECT_EQ(Grid->CurCellMaskName(), "m");
  EXPECT_EQ(Grid->CurCellControlType(), ctText);
  EXPECT_FALSE(Grid->CurCellReadOnly());
  Grid->SetCellReadOnly(1, 1, roOn);
  EXPECT_TRUE(Grid->CurCellReadOnly());
  EXPECT_EQ(Grid->ActiveControlType(1, Variant(2)), ctText);
  EXPECT_THROW(Grid->ActiveControlType(1, Variant(9)), EInvalidGridOperation);
  Grid->SetRaiseErrors(false);
  EXPECT_EQ(Grid->ActiveControlType(0, Variant(1)), ctNone);
  EXPECT_EQ(Grid->ActiveCombo(1, Variant(1)), nullptr);
}

}  // namespace
