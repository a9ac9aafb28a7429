// Cell values and the grid's shape: where a value comes from (edit buffer, storage, the loaded
// event), how values fit the control types, the mode tests, counts with the insertion row and the
// count notices, fixed cells, the start-edit lock and scaling.
#include "GridControlTestSupport.h"
#include "Graphics.h"
#include "RtlMath.h"
#include "StdCtrls.h"
#include "Strings.h"
#include "TSCommonStorage.h"

using namespace GridControlTest;

namespace {

class Values : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    Grid->SetStoreData(true);
  }
};

TEST(ValueKinds, ControlDataTypeAndItsCheck) {
  struct Case {
    TtsControlType Control;
    Variant Value;
    TSCommon::TtsValueType Expected;
  };
  const Case cases[] = {
      {ctText, Variant(5), TSCommon::vtpString},          {ctText, Variant("a"), TSCommon::vtpString},
      {ctCheck, Variant("Yes"), TSCommon::vtpString},      {ctCheck, Null(), TSCommon::vtpNull},
      {ctCheck, Variant(Byte{1}), TSCommon::vtpInteger},   {ctPicture, Variant("img"), TSCommon::vtpPictureName},
      {ctPicture, Variant(Integer{0}), TSCommon::vtpPicture}, {ctNone, Variant(1), TSCommon::vtpNone},
      {ctDefault, Variant(1), TSCommon::vtpNone},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TtsBaseGrid::ControlDataType(c.Control, c.Value), c.Expected) << c.Control << " " << VarToStr(c.Value);
    if (c.Expected != TSCommon::vtpNone) {
      EXPECT_TRUE(TtsBaseGrid::ControlDataTypeOk(c.Control, c.Expected));
    }
  }
  EXPECT_FALSE(TtsBaseGrid::ControlDataTypeOk(ctText, TSCommon::vtpInteger));
  EXPECT_FALSE(TtsBaseGrid::ControlDataTypeOk(ctPicture, TSCommon::vtpString));
}

TEST(ValueKinds, CheckBoxValuesReadIntegersOfEveryWidthAsStates) {
  struct Case {
    Variant Value;
    Variant Expected;
  };
  const Case cases[] = {
      {Variant(Integer{1}), Variant(Integer{1})}, {Variant(Byte{1}), Variant(Integer{1})},
      {Variant(int16_t{0}), Variant(Integer{0})}, {Variant(uint16_t{2}), Variant(Integer{2})},
      {Variant("Yes"), Variant("Yes")},           {Variant(1.0), Variant(Byte{2})},
      {Variant(true), Variant(Byte{2})},          {Variant(WideString(u"Yes")), Variant(Byte{2})},
  };
  for (const Case& c : cases) {
    Variant result;
    TtsBaseGrid::GetCheckBoxValue(c.Value, result);
    EXPECT_TRUE(VarSameValue(result, c.Expected)) << VarToStr(c.Value) << " gave " << VarToStr(result);
  }
  Variant null;
  TtsBaseGrid::GetCheckBoxValue(Null(), null);
  EXPECT_TRUE(VarIsNull(null));
}

TEST_F(Values, ACheckedCheckBoxReadsBackChecked) {
  Grid->SetCellControlType(2, 2, ctCheck);
  Grid->SetCellCheckBoxState(2, 2, cbChecked);
  EXPECT_EQ(Grid->GetCellCheckBoxState(2, 2), cbChecked);
  Grid->SetCellCheckBoxState(2, 2, cbUnchecked);
  EXPECT_EQ(Grid->GetCellCheckBoxState(2, 2), cbUnchecked);
  // A value of another kind (here from the loaded event) shows grayed.
  Grid->LoadedValue = 0.5;
  EXPECT_EQ(Grid->GetCellCheckBoxState(2, 2), cbGrayed);
}

TEST_F(Values, ValuesComeFromTheBufferThenStorageThenTheLoadedEvent) {
  Grid->SetCellValue(2, 3, 42);
  // A text cell stores every value as text.
  EXPECT_EQ(VarType(Grid->GetCellValue(2, 3)), varString);
  EXPECT_EQ(VarToStr(Grid->GetCellValue(2, 3)), "42");
  EXPECT_EQ(Grid->CallsOf("CellLoadedEvent").back(), "CellLoadedEvent(2,3)");
  // The loaded event may replace the value.
  Grid->LoadedValue = "loaded";
  EXPECT_EQ(VarToStr(Grid->GetCellValue(2, 3)), "loaded");
  Grid->LoadedValue.Clear();
  // The edit buffer of the current cell wins.
  Grid->SetCurrentCell(2, 3);
  Grid->GetCurrentCell()->SetBuffer("edited", false);
  Grid->ClearCalls();
  EXPECT_EQ(VarToStr(Grid->GetCellValue(2, 3)), "edited");
  EXPECT_TRUE(Grid->CallsOf("CellLoadedEvent").empty());
  // No value outside the cells or for a cell without a control.
  Grid->SetCellControlType(1, 1, ctNone);
  Grid->SetCellValue(1, 1, "x");
  EXPECT_TRUE(VarIsEmpty(Grid->GetCellValue(1, 1)));
  Grid->SetCellValue(0, 1, "x");
  Grid->SetCellValue(5, 1, "x");
  EXPECT_TRUE(VarIsEmpty(Grid->GetCellValue(0, 1)));
  EXPECT_TRUE(VarIsEmpty(Grid->GetCellValue(5, 1)));
}

TEST_F(Values, ReadingACellInsideTheLoadedEventIsRefused) {
  Grid->DuringLoaded = [this]() { Grid->GetCellValue(1, 1); };
  EXPECT_THROW(Grid->GetCellValue(2, 2), EInvalidGridOperation);
  Grid->SetRaiseErrors(false);
  Grid->DuringLoaded = [this]() { EXPECT_TRUE(VarIsEmpty(Grid->GetCellValue(1, 2))); };
  Grid->SetCellValue(1, 2, "kept");
  Grid->GetCellValue(2, 2);
  Grid->DuringLoaded = nullptr;
  EXPECT_EQ(VarToStr(Grid->GetCellValue(1, 2)), "kept");
}

TEST_F(Values, StartEditLockCountsDownToZeroOnly) {
  Grid->SetEnableStartEdit(false);
  EXPECT_FALSE(Grid->GetEnableStartEdit());
  Grid->SetEnableStartEdit(true);
  Grid->SetEnableStartEdit(true);
  EXPECT_TRUE(Grid->GetEnableStartEdit());
  Grid->SetEnableStartEdit(false);
  EXPECT_FALSE(Grid->GetEnableStartEdit());
}

TEST_F(Values, ModeTests) {
  struct Case {
    TtsGridMode Mode;
    bool EditMode, GridMode, SkipReadOnly;
  };
  for (const Case& c : {Case{gmListBox, false, false, false}, Case{gmEdit, true, true, true},
                        Case{gmEditInsert, true, true, true}, Case{gmBrowse, false, true, true}}) {
    Grid->SetGridMode(c.Mode);
    EXPECT_EQ(Grid->InEditMode(), c.EditMode) << c.Mode;
    EXPECT_EQ(Grid->InGridMode(), c.GridMode) << c.Mode;
    EXPECT_EQ(Grid->InEditState(), c.EditMode) << c.Mode;
    EXPECT_EQ(Grid->CanSkipReadOnly(), c.SkipReadOnly) << c.Mode;
    EXPECT_EQ(Grid->GetEditMode(), TtsBaseGrid::GridModeToEditMode(c.Mode));
  }
  Grid->SetGridMode(gmEdit);
  Grid->AddRowSelection(1, 1);
  EXPECT_FALSE(Grid->InEditMode());
  EXPECT_FALSE(Grid->InGridMode());
  Grid->DeleteAllRowSelection();
  Grid->SetGridColCount(0);
  EXPECT_TRUE(Grid->InEditMode());
  EXPECT_FALSE(Grid->InEditState());
  Grid->SetGridMode(gmListBox);
  Grid->SetRowSelectMode(rsSingle);
  EXPECT_TRUE(Grid->InRowSelectMode());
}

// ---- Counts -----------------------------------------------------------------------------------------------
class Counts : public GridTest {
 protected:
  std::vector<String> Notices;
  void SetUp() override {
    GridTest::SetUp();
    Grid->OnRowCountChanged = [this](TObject*, Integer Old, Integer New) {
      Notices.push_back("rows " + IntToStr(Old) + ">" + IntToStr(New));
    };
    Grid->OnColCountChanged = [this](TObject*, Integer Old, Integer New) {
      Notices.push_back("cols " + IntToStr(Old) + ">" + IntToStr(New));
    };
  }
};

TEST_F(Counts, RowAndColumnCountsAreReported) {
  Grid->SetGridRowCount(7);
  Grid->SetGridColCount(2);
  Grid->SetGridRowCount(7);
  EXPECT_EQ(Notices, (std::vector<String>{"rows 4>7", "cols 4>2"}));
  EXPECT_EQ(Grid->GetRowCount(), 8);
  EXPECT_EQ(Grid->GetColCount(), 3);
  Grid->SetGridRowCount(-3);
  EXPECT_EQ(Grid->GetGridRowCount(), 0);
}

TEST_F(Counts, TheInsertionRowComesAndGoes) {
  Grid->SetGridMode(gmEditInsert);
  EXPECT_EQ(Grid->GetGridRowCount(), 4);
  EXPECT_EQ(Grid->GetRowCount(), 6);
  EXPECT_TRUE(Grid->IsInsertRow(5));
  EXPECT_TRUE(Grid->IsAppendRow(5));
  EXPECT_FALSE(Grid->IsInsertRow(4));
  Notices.clear();
  Grid->ClearCalls();
  // Entering the insertion row makes it a data row; leaving it unedited gives it back.
  Grid->SetCurrentCell(1, 5);
  EXPECT_EQ(Grid->GetGridRowCount(), 5);
  EXPECT_EQ(Grid->CallsOf("RowInserted"), (std::vector<String>{"RowInserted(5,T)"}));
  Grid->SetCurrentCell(1, 2);
  EXPECT_EQ(Grid->GetGridRowCount(), 4);
  EXPECT_EQ(Grid->CallsOf("RowDeleted"), (std::vector<String>{"RowDeleted(4,T)"}));
  EXPECT_EQ(Notices, (std::vector<String>{"rows 4>5", "rows 5>4"}));
  EXPECT_EQ(Grid->GetRowCount(), 6);
  // Another mode drops the insertion row.
  Grid->SetGridMode(gmEdit);
  EXPECT_EQ(Grid->GetRowCount(), 5);
  for (Integer row = 0; row < Grid->GetRowCount(); ++row) EXPECT_FALSE(Grid->IsInsertRow(row));
}

TEST_F(Counts, FixedColumnsAndRowsCountTheRowBarAndHeading) {
  Grid->SetFixedColCount(2);
  Grid->SetFixedRowCount(1);
  EXPECT_EQ(Grid->GetFixedCols(), 3);
  EXPECT_EQ(Grid->GetFixedRows(), 2);
  EXPECT_EQ(Grid->GetFixedDataColCount(), 2);
  EXPECT_EQ(Grid->GetFixedDataRowCount(), 1);
  // Fewer columns than fixed ones: the fixed count is cut to what exists.
  Grid->SetGridColCount(1);
  EXPECT_LE(Grid->GetFixedCols(), Grid->GetColCount());
  Grid->SetGridColCount(4);
  EXPECT_EQ(Grid->GetFixedDataColCount(), 2);
}

TEST_F(Counts, ScalingUsesRoundedMulDiv) {
  Grid->SetAutoScale(true);
  Grid->GetCols()->GetItem(2)->SetWidth(33);
  Grid->SetRowHeight(3, 21);
  Grid->SetHeadingParentFont(false);
  Grid->GetHeadingFont()->SetSize(10);
  struct Case {
    Integer M, D;
  };
  Integer width = 33, height = 21, colWidth = Grid->GetDefaultColWidth(), heading = Grid->GetHeadingHeight();
  Integer font = 10;
  for (const Case& c : {Case{3, 2}, Case{5, 7}, Case{2, 3}}) {
    Grid->ChangeScale(c.M, c.D);
    width = MulDiv(width, c.M, c.D);
    height = MulDiv(height, c.M, c.D);
    colWidth = MulDiv(colWidth, c.M, c.D);
    heading = MulDiv(heading, c.M, c.D);
    font = MulDiv(font, c.M, c.D);
    EXPECT_EQ(Grid->GetCols()->GetItem(2)->GetWidth(), width) << c.M << "/" << c.D;
    EXPECT_EQ(Grid->GetColWidths(2), width);
    EXPECT_EQ(Grid->GetRowHeight(3), height);
    EXPECT_EQ(Grid->GetDefaultColWidth(), colWidth);
    EXPECT_EQ(Grid->GetHeadingHeight(), heading);
    EXPECT_EQ(Grid->GetHeadingFont()->GetSize(), font);
  }
  // Without AutoScale only the control itself is scaled.
  Grid->SetAutoScale(false);
  Grid->ChangeScale(2, 1);
  EXPECT_EQ(Grid->GetCols()->GetItem(2)->GetWidth(), width);
}

}  // namespace
