// Assignment between grids and the bookkeeping around it: unequal sizes, the design-time copy that
// takes the source's display order as data order, stored values checked against control types,
// nested fast assignment, the cell indexes sized to the receiving grid, the row heights kept on the
// row objects, and the current cell's buffer.
#include "GridControlTestSupport.h"
#include "Graphics.h"
#include "TSCommonStorage.h"
#include "TSSetLib.h"

using namespace GridControlTest;

namespace {

class Assignment : public GridTest {
 protected:
  TtsCol* Col(TtsBaseGrid* G, Integer DataCol) { return G->GetCols()->GetItem(DataCol); }
  TTestGrid* Source() {
    TTestGrid* s = NewGrid(6, 5);
    Col(s, 3)->SetDisplayCol(1);
    Col(s, 5)->SetColor(Graphics::clYellow);
    s->SetRowColor(2, Graphics::clAqua);
    s->SetCellColor(3, 4, Graphics::clRed);
    s->SetStoreData(true);
    s->SetCellValue(3, 4, "moved");
    return s;
  }
};

TEST_F(Assignment, ALargerSourceGivesItsCountsFirst) {
  TTestGrid* source = Source();
  Grid->Assign(source);
  EXPECT_EQ(Grid->GetGridColCount(), 6);
  EXPECT_EQ(Grid->GetGridRowCount(), 5);
  EXPECT_EQ(DisplayColOrder(Grid), "3,1,2,4,5,6");
  EXPECT_EQ(Col(Grid, 5)->GetColor(), Graphics::clYellow);
  EXPECT_EQ(Grid->GetRowColor(2), Graphics::clAqua);
  EXPECT_EQ(Grid->GetCellColor(3, 4), Graphics::clRed);
  EXPECT_EQ(VarToStr(Grid->GetCellValue(3, 4)), "moved");
  // A smaller source: counts follow it, nothing of the larger grid is left behind.
  TTestGrid* small = NewGrid(2, 2);
  Grid->Assign(small);
  EXPECT_EQ(Grid->GetGridColCount(), 2);
  EXPECT_EQ(Grid->GetCellPropSet()->GetCount(), 0);
  EXPECT_EQ(DisplayColOrder(Grid), "1,2");
}

TEST_F(Assignment, ADesignTimeCopyTakesTheDisplayOrderAsDataOrder) {
  TTestGrid* source = Source();
  Grid->SetInDesignMode(true);
  Grid->Assign(source);
  EXPECT_EQ(DisplayColOrder(Grid), "1,2,3,4,5,6");
  // The source's column 3 shows first: it is the copy's data column 1, with its cell and value.
  EXPECT_EQ(Grid->GetCellColor(1, 4), Graphics::clRed);
  EXPECT_EQ(VarToStr(Grid->GetCellValue(1, 4)), "moved");
  EXPECT_EQ(Col(Grid, 5)->GetColor(), Graphics::clYellow);
}

TEST_F(Assignment, TheCopiedCellIndexesFitTheReceivingGrid) {
  TTestGrid* source = NewGrid(3, 3);
  source->SetCellColor(2, 2, Graphics::clRed);
  TTestGrid* target = NewGrid(8, 8);
  target->AssignPropKinds(source, {pkCells}, false);
  EXPECT_EQ(target->GetGridColCount(), 8);
  EXPECT_EQ(target->GetColCellIndex()->GetCount(), target->GetColCount());
  EXPECT_EQ(target->GetRowCellIndex()->GetCount(), target->GetRowCount());
  target->SetCellColor(7, 7, Graphics::clLime);
  EXPECT_EQ(target->GetCellColor(7, 7), Graphics::clLime);
  EXPECT_EQ(target->GetCellColor(2, 2), Graphics::clRed);
  // At design time removed columns give their index sets back (the sanitizer pass sees a leak).
  target->SetInDesignMode(true);
  target->SetGridColCount(5);
  EXPECT_EQ(target->GetColCellIndex()->GetCount(), 6);
  EXPECT_EQ(target->GetCellColor(2, 2), Graphics::clRed);
}

TEST_F(Assignment, StoredValuesMustFitTheControlType) {
  Grid->SetStoreData(true);
  Col(Grid, 2)->SetControlType(ctCheck);
  Grid->SetCellValue(2, 1, "Yes");
  Grid->SetCellValue(2, 2, Null());
  EXPECT_EQ(Grid->GetStorage()->GetValueType(2, 1), TSCommon::vtpString);
  EXPECT_EQ(Grid->GetStorage()->GetValueType(2, 2), TSCommon::vtpNull);
  Col(Grid, 2)->SetControlType(ctText);
  Grid->CheckGridData(-1, -1);
  EXPECT_EQ(Grid->GetStorage()->GetValueType(2, 1), TSCommon::vtpString);
  EXPECT_EQ(Grid->GetStorage()->GetValueType(2, 2), TSCommon::vtpNone);
  // Without storage nothing is kept.
  TTestGrid* plain = NewGrid();
  plain->SetDataValue(1, 1, "x", ctText);
  Variant value = 1;
  plain->GetDataValue(1, 1, value, ctText);
  EXPECT_TRUE(VarIsEmpty(value));
}

TEST_F(Assignment, CopyDataDropsTheColumnsTheTargetLacks) {
  TTestGrid* source = NewGrid(6, 2);
  source->SetStoreData(true);
  source->SetCellValue(2, 1, "two");
  source->SetCellValue(6, 1, "six");
  Grid->SetStoreData(true);
  Grid->CopyData(source);
  EXPECT_EQ(VarToStr(Grid->GetCellValue(2, 1)), "two");
  EXPECT_EQ(Grid->GetStorage()->GetValueType(6, 1), TSCommon::vtpNone);
}

TEST_F(Assignment, NestedFastAssignmentDefersToTheOutermostEnd) {
  Grid->SetFastAssign(true);
  Grid->SetFastAssign(true);
  Grid->CheckTopLeft(false);
  EXPECT_TRUE(Grid->GetDeferredActions().Contains(gacCheckTopLeft));
  Grid->SetFastAssign(false);
  EXPECT_TRUE(Grid->GetFastAssign());
  EXPECT_TRUE(Grid->GetDeferredActions().Contains(gacCheckTopLeft));
  EXPECT_FALSE(Grid->GetEnablePaint());
  Grid->SetFastAssign(false);
  EXPECT_FALSE(Grid->GetFastAssign());
  EXPECT_TRUE(Grid->GetDeferredActions().Empty());
  EXPECT_TRUE(Grid->GetEnablePaint());
  Grid->SetFastAssign(false);
  EXPECT_TRUE(Grid->GetEnablePaint());
}

TEST_F(Assignment, ResettingKindsGivesANewGridsSettings) {
  TTestGrid* source = Source();
  Grid->Assign(source);
  Grid->ResetPropKinds({pkCols});
  // A new grid's columns: its count and order too.
  EXPECT_EQ(Grid->GetGridColCount(), 4);
  EXPECT_EQ(DisplayColOrder(Grid), "1,2,3,4");
  EXPECT_EQ(Grid->GetRowColor(2), Graphics::clAqua);
  Grid->Reset();
  EXPECT_EQ(Grid->GetRowColor(2), Graphics::clNone);
  EXPECT_EQ(Grid->GetCellPropSet()->GetCount(), 0);
}

// ---- Row heights, the current cell's buffer and value checks ----------------------------------------
TEST_F(Assignment, ARowsHeightAndOldHeightStayOnItsOwnRowObject) {
  Grid->SetDisplayRownr(4, 2);
  Grid->SetRowHeights(2, 30);
  EXPECT_EQ(Grid->GetRowHeight(4), 30);
  EXPECT_EQ(Grid->GetRows()->GetOldRowHeight(4), 30);
  EXPECT_EQ(Grid->GetRowHeight(2), Grid->GetDefaultRowHeight());
  EXPECT_EQ(Grid->GetRows()->GetOldRowHeight(2), Grid->GetDefaultRowHeight());
  // A hidden row is kept at height 0.
  Grid->SetRowVisible(3, false);
  Grid->SetRowHeights(Grid->GetDisplayRow(3), 25);
  EXPECT_EQ(Grid->GetRowHeights(Grid->GetDisplayRow(3)), 0);
}

TEST_F(Assignment, TheBufferKeepsABitmapItAlreadyOwns) {
  Grid->SetCurrentCell(1, 1);
  auto* bitmap = New<TBitmap>();
  bitmap->SetWidth(3);
  TtsCurrentCell* cell = Grid->GetCurrentCell();
  cell->SetBuffer(BitmapToVariant(bitmap), true);
  cell->SetBuffer(BitmapToVariant(bitmap), true);
  EXPECT_EQ(VariantToBitmap(cell->BufferValue())->GetWidth(), 3);
  cell->ClearBuffer();  // frees the bitmap it owns
}

TEST_F(Assignment, AValueOfTheWrongKindIsRefusedQuietlyByTheCurrentCell) {
  Grid->SetCurrentCell(1, 1);
  EXPECT_FALSE(Grid->GetCurrentCell()->SetEditValue(1.5, false, false));
  EXPECT_THROW(Grid->CheckVarType(ctText, 1.5), EInvalidGridOperation);
  EXPECT_TRUE(Grid->CheckVarType(ctCheck, Variant(Byte{1})));
  Grid->SetRaiseErrors(false);
  EXPECT_FALSE(Grid->CheckVarType(ctPicture, 2.5));
}

}  // namespace
