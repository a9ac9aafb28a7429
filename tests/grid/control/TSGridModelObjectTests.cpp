// The model objects on their own: columns and rows back to their defaults by property kind, each
// shared setting counted and assigned alike, fonts that follow the grid's, and the cell facade over
// the grid's cell settings.
#include <functional>

#include "GridControlTestSupport.h"
#include "Graphics.h"

using namespace GridControlTest;

namespace {

class ModelObjects : public GridTest {
 protected:
  TtsCol* Col(Integer DataCol) { return Grid->GetCols()->GetItem(DataCol); }
  void Furnish(TtsCol* C) {
    C->SetColor(Graphics::clRed);
    C->SetHeadingColor(Graphics::clBlue);
    C->SetReadOnly(true);
    C->SetAlignment(taCenter);
    C->SetIs3D(true);
    C->SetWordWrap(wwOn);
    C->SetButtonType(btNormal);
    C->SetMaskName("mask");
    C->SetHeadingButton(cbNone);
    C->SetSortPicture(spUp);
    C->SetMaxLength(5);
    C->SetStretchPicture(dopOff);
    C->SetSpinIncrement(2.5);
    C->SetVertAlignment(TSCommon::vtaBottom);
    C->SetWidth(90);
    C->SetDisplayCol(4);
    C->SetVisible(false);
  }
};

TEST_F(ModelObjects, AColumnResetByAllKindsIsANewColumnAgain) {
  TtsCol* col = Col(2);
  EXPECT_TRUE(col->DefaultProps());
  Furnish(col);
  EXPECT_FALSE(col->DefaultProps());
  // Width goes back to the width last assigned, which a new column has as the default width.
  col->SetWidth(Grid->GetDefaultColWidth());
  Grid->ResetColProperties(AllProperties());
  EXPECT_TRUE(col->DefaultProps());
  EXPECT_EQ(col->GetDisplayCol(), 2);
  EXPECT_TRUE(col->GetVisible());
  EXPECT_EQ(Grid->GetColWidths(2), Grid->GetDefaultColWidth());
}

// Each cell setting a column and a row both keep counts against their defaults on its own, and an
// assignment carries it to another column or row.
TEST_F(ModelObjects, EachSharedSettingLeavesTheDefaultsAndTravelsByAssignment) {
  struct Setting {
    const char* Name;
    std::function<void(TtsCol*)> SetCol;
    std::function<void(TtsRow*)> SetRow;
    std::function<bool(TtsCol*, TtsRow*)> Equal;
  };
#define TS_SETTING(Name, Value) \
  {#Name, [](TtsCol* C) { C->Set##Name(Value); }, [](TtsRow* R) { R->Set##Name(Value); }, \
   [](TtsCol* C, TtsRow* R) { return C->Get##Name() == R->Get##Name(); }}
  const Setting settings[] = {
      TS_SETTING(Color, Graphics::clRed),
      TS_SETTING(Alignment, taCenter),
      TS_SETTING(Align, true),
      TS_SETTING(HorzAlignment, TSCommon::htaRight),
      TS_SETTING(VertAlignment, TSCommon::vtaBottom),
      TS_SETTING(WordWrap, wwOn),
      TS_SETTING(ReadOnly, true),
      TS_SETTING(Is3D, true),
      TS_SETTING(MaskName, "mask"),
      TS_SETTING(DropDownStyle, ddDropDownList),
      TS_SETTING(ControlType, ctCheck),
      TS_SETTING(StretchPicture, dopOn),
      TS_SETTING(ShrinkPicture, dopOn),
      TS_SETTING(CenterPicture, dopOn),
      TS_SETTING(KeepAspectRatio, dopOn),
      TS_SETTING(ParentCombo, false),
      TS_SETTING(SpinOptions, TtsSpinOptions()),
      TS_SETTING(SpinIncrement, 0.5),
  };
#undef TS_SETTING
  for (const Setting& setting : settings) {
    SCOPED_TRACE(setting.Name);
    TTestGrid* grid = NewGrid(3, 3);
    TtsCol* col = grid->GetCols()->GetItem(1);
    grid->GetRows()->CreateDataRow(1);
    grid->GetRows()->CreateDataRow(2);
    TtsRow* row = grid->GetRows()->GetItem(1);
    setting.SetCol(col);
    setting.SetRow(row);
    EXPECT_FALSE(col->DefaultProps());
    EXPECT_FALSE(row->DefaultProps());
    TtsCol* otherCol = grid->GetCols()->GetItem(2);
    TtsRow* otherRow = grid->GetRows()->GetItem(2);
    otherCol->Assign(col);
    otherRow->Assign(row);
    EXPECT_TRUE(setting.Equal(col, otherRow));
    EXPECT_TRUE(setting.Equal(otherCol, row));
    EXPECT_FALSE(otherCol->DefaultProps());
    EXPECT_FALSE(otherRow->DefaultProps());
  }
}

TEST_F(ModelObjects, AResetTouchesOnlyItsKinds) {
  TtsCol* col = Col(3);
  Furnish(col);
  Grid->ResetColProperties({prColor, prReadOnly});
  EXPECT_EQ(col->GetColor(), Graphics::clNone);
  EXPECT_EQ(col->GetHeadingColor(), Graphics::clNone);
  EXPECT_FALSE(col->GetReadOnly());
  EXPECT_EQ(col->GetWordWrap(), wwOn);
  EXPECT_EQ(col->GetMaskName(), "mask");
  EXPECT_FALSE(col->GetVisible());

  Grid->SetRowColor(2, Graphics::clRed);
  Grid->SetRowWordWrap(2, wwOff);
  Grid->SetRowVisible(3, false);
  Grid->ResetRowProperties({prWordWrap, prVisible});
  EXPECT_EQ(Grid->GetRowColor(2), Graphics::clRed);
  EXPECT_EQ(Grid->GetRowWordWrap(2), wwDefault);
  EXPECT_TRUE(Grid->IsRowVisible(3));
  Grid->ResetRowProperties(AllProperties());
  for (Integer row = 1; row <= 4; ++row) EXPECT_EQ(Grid->GetRows()->GetItem(row), nullptr) << row;
}

TEST_F(ModelObjects, AutoCreatedFontsFollowTheGridFont) {
  Grid->GetFont()->SetSize(9);
  TtsCol* col = Col(1);
  col->SetAutoCreateFont(true);
  ASSERT_NE(col->GetFont(), nullptr);
  EXPECT_NE(col->GetFont(), Grid->GetFont());
  EXPECT_EQ(col->GetFont()->GetSize(), 9);
  Grid->SetRowAutoCreateFont(2, true);
  Grid->GetCellPropSet();
  Grid->GetFont()->SetSize(14);
  EXPECT_EQ(col->GetFont()->GetSize(), 14);
  EXPECT_EQ(Grid->GetRowFont(2)->GetSize(), 14);
  // A column that takes its own font keeps it when the grid's changes.
  TFont* own = New<TFont>();
  own->SetSize(30);
  Col(2)->SetFont(own);
  own->Free();
  Col(2)->SetParentFont(false);
  Grid->GetFont()->SetSize(11);
  EXPECT_EQ(Col(2)->GetFont()->GetSize(), 30);
  EXPECT_EQ(col->GetFont()->GetSize(), 11);
}

TEST_F(ModelObjects, TheCellFacadeShowsAndChangesTheGridsCell) {
  auto facade = NewOwned<TtsCell>(Grid, 2, Variant(3));
  auto twin = NewOwned<TtsCell>(Grid, 2, Variant(3));
  facade->SetColor(Graphics::clRed);
  EXPECT_NE(Grid->GetCellPropSet()->GetCell(2, 3), nullptr);
  EXPECT_EQ(twin->GetColor(), Graphics::clRed);
  facade->SetColor(Graphics::clNone);
  EXPECT_EQ(Grid->GetCellPropSet()->GetCell(2, 3), nullptr);
  // Assign from another grid's cell: settings, and the font only when it is the cell's own.
  TTestGrid* other = NewGrid();
  auto source = NewOwned<TtsCell>(other, 1, Variant(1));
  source->SetWordWrap(wwOff);
  source->SetReadOnly(roOn);
  TFont* font = New<TFont>();
  font->SetSize(17);
  source->SetFont(font);
  font->Free();
  source->SetParentFont(false);
  facade->Assign(source.get());
  EXPECT_EQ(Grid->GetCellWordWrap(2, 3), wwOff);
  EXPECT_EQ(Grid->IsCellReadOnly(2, 3), roOn);
  EXPECT_FALSE(Grid->GetCellParentFont(2, 3));
  ASSERT_NE(Grid->GetCellFont(2, 3), nullptr);
  EXPECT_EQ(Grid->GetCellFont(2, 3)->GetSize(), 17);
  // A key that is no number is refused.
  auto bad = NewOwned<TtsCell>(Grid, 1, Variant("row"));
  EXPECT_THROW(bad->GetColor(), EVariantError);
}

}  // namespace
