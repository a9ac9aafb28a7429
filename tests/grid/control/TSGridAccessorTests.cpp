// The row and cell accessors beyond the plain settings: defaults of untouched rows, row ids,
// changed rows while a row is edited, resets of row heights, text measurement and spin steps.
#include "GridControlTestSupport.h"
#include "TSMask.h"
#include "Variants.h"

using namespace GridControlTest;

namespace {

class Accessors : public GridTest {};

// A grid whose current row can be marked as being edited, as the edit lifecycle marks it.
class TEditedRowTestGrid : public TTestGrid {
 public:
  explicit TEditedRowTestGrid(TComponent* AOwner) : TTestGrid(AOwner) {}
  void MarkRowEdited() { FEditedRow = true; }
};

TEST_F(Accessors, UntouchedRowsReadTheirDefaults) {
  EXPECT_EQ(Grid->GetRowSpinIncrement(3), 1.0);
  EXPECT_EQ(Grid->GetRowSpinOptions(3), AllSpinOptions);
  EXPECT_EQ(Grid->GetRowHeight(3), Grid->GetDefaultRowHeight());
  EXPECT_EQ(Grid->GetRows()->GetItem(3), nullptr);
  EXPECT_EQ(Grid->GetIdDataRow(Grid->GetRowId(4)), 4);
  EXPECT_EQ(Grid->GetIdDataRow(Grid->GetRowId(4) + 1000), -1);
  EXPECT_EQ(Grid->GetIdDataRow(-5), -1);
  EXPECT_EQ(Grid->GetIDDataCol(Grid->GetCols()->GetItem(3)->GetId()), 3);
  EXPECT_EQ(Grid->GetIDDataCol(-5), -1);
}

TEST_F(Accessors, TheEditedCurrentRowCountsAsChanged) {
  auto* grid = New<TEditedRowTestGrid>(nullptr);
  Owned.push_back(grid);
  EXPECT_FALSE(grid->GetRowChanged(1));
  grid->MarkRowEdited();
  EXPECT_TRUE(grid->GetRowChanged(1));
  EXPECT_FALSE(grid->IsRowChanged(1));
  EXPECT_FALSE(grid->GetRowChanged(2));
  // Clearing the current row's mark ends the edited state too.
  grid->SetRowChanged(1, true);
  grid->SetRowChanged(1, false);
  EXPECT_FALSE(grid->GetEditedRow());
  EXPECT_FALSE(grid->GetRowChanged(1));
}

TEST_F(Accessors, ResettingHeightsOfAllRowsGivesTheDefaultAtOnce) {
  Grid->SetResizeRows(rrAll);
  Grid->SetRowHeight(2, 30);
  Grid->SetRowHeight(4, 40);
  Grid->SetDefaultRowHeight(20);
  Grid->ResetRowProperties({prHeight});
  for (Integer row = 1; row <= 4; ++row) {
    EXPECT_EQ(Grid->GetRowHeights(row), 20) << row;
    EXPECT_EQ(Grid->GetRowHeight(row), 20) << row;
  }
}

TEST_F(Accessors, OnlyTextCellsAreMeasured) {
  Integer lines = -1, height = -1;
  Grid->SetCellControlType(2, 2, ctCheck);
  Grid->GetTextSize(2, Variant(2), lines, height);
  EXPECT_EQ(lines, 0);
  EXPECT_EQ(height, 0);
  Grid->SetCellValue(3, 2, "one");
  Grid->GetTextSize(3, Variant(2), lines, height);
  EXPECT_EQ(lines, 1);
  EXPECT_GT(height, 1);
}

TEST_F(Accessors, SpinStepsChangeTheNumberAtTheCaret) {
  struct Case {
    const char* Text;
    TtsSpinButton Button;
    double Increment;
    const char* Expected;
  };
  Grid->SetCellButtonType(1, 1, btVertSpin);
  for (const Case& c : {Case{"9", spbIncrement, 1, "10"}, Case{"", spbIncrement, 1, "1"},
                        Case{"10", spbDecrement, 1, "9"}, Case{"5", spbIncrement, 2.5, "7.5"}}) {
    // The current cell's edited text, as the edit control reports it.
    Grid->GetCurrentCell()->SetBuffer(c.Text, false);
    Grid->SetCellSpinIncrement(1, 1, c.Increment);
    Integer length = 0, position = 0;
    Variant value = Grid->IncrementTextValue(1, 1, c.Button, length, position);
    EXPECT_EQ(VarToStr(value), c.Expected) << c.Text;
  }
  // A masked cell keeps the width of the number, or takes no step that its mask refuses.
  auto* defs = New<TtsMaskDefs>(nullptr);
  Owned.push_back(defs);
  for (auto [name, picture] : {std::pair{"TwoDigits", "##"}, std::pair{"OneDigit", "#"}}) {
    TtsMask* mask = defs->GetMasks()->Add();
    mask->SetName(name);
    mask->SetPicture(picture);
  }
  Grid->SetMaskDefs(defs);
  Grid->SetCellSpinIncrement(1, 1, 1);
  struct MaskedCase {
    const char* Mask;
    const char* Text;
    TtsSpinButton Button;
    const char* Expected;
  };
  for (const MaskedCase& c : {MaskedCase{"TwoDigits", "05", spbIncrement, "06"},
                              MaskedCase{"TwoDigits", "10", spbDecrement, "09"},
                              MaskedCase{"OneDigit", "9", spbIncrement, ""}}) {
    Grid->SetCellMaskName(1, 1, c.Mask);
    Grid->GetCurrentCell()->SetBuffer(c.Text, false);
    Integer length = 0, position = 0;
    EXPECT_EQ(VarToStr(Grid->IncrementTextValue(1, 1, c.Button, length, position)), c.Expected) << c.Mask << " " << c.Text;
  }
  // A picture cell without an image list has nothing to step to.
  Grid->SetCellControlType(2, 1, ctPicture);
  EXPECT_TRUE(VarIsEmpty(Grid->IncrementPictureValue(2, 1, spbIncrement)));
}

}  // namespace
