// Per-record row and cell overrides: element life, key order, record ids, the streaming facades'
// three modes and the layering of a record cell's effective properties.
#include <functional>

#include "DBGridTestSupport.h"
#include "Graphics.h"
#include "TSGridColumns.h"
#include "TSGridStores.h"
#include "Variants.h"

namespace DBGridTest {

namespace {

// Records named by the application's record ids, which order without an open dataset.
const Variant RecordA = Variant(1);
const Variant RecordB = Variant(2);

struct RecordIds : TObject {
  void GetId(TObject*, const Variant& Bookmark, Variant& Id) { Id = Bookmark; }
};

// The elements of a set in their order.
template <class Element>
std::vector<Element*> ElementsOf(TtsCustomSet* Set) {
  std::vector<Element*> result;
  TtsSetList* list = Set->List();
  for (Integer i = 1; i <= list->GetCount(); ++i) result.push_back(static_cast<Element*>(list->GetItems(i)));
  list->Free();
  return result;
}

}  // namespace

class DBGridPropsTest : public DBGridTest {
 protected:
  void SetUp() override {
    DBGridTest::SetUp();
    Grid->SetDataSource(Source);
    // A bound grid without active data has one default column, which a layout change (a font
    // change among them) brings back; the cell cases name columns up to 4, so the columns are the
    // user's own.
    Grid->SetFieldState(fsCustomized);
    Grid->SetGridColCount(4);
    Grid->SetUseRecordIds(true);
    Grid->SetOnGetRecordID(TtsDBGetRecordIDEvent(&Ids, &RecordIds::GetId));
  }
  RecordIds Ids;
};

// ---- Element life ----------------------------------------------------------------------------------------
TEST_F(DBGridPropsTest, ARowValueSetBackToUnsetRemovesTheElement) {
  struct Case {
    const char* Name;
    std::function<void(const Variant&)> Set, Unset;
  };
  TtsCustomDBGrid* g = Grid;
  const Case cases[] = {
      {"Color", [&](const Variant& R) { g->SetDBRowColor(R, clRed); },
       [&](const Variant& R) { g->SetDBRowColor(R, clNone); }},
      {"ParentFont", [&](const Variant& R) { g->SetDBRowParentFont(R, false); },
       [&](const Variant& R) { g->SetDBRowParentFont(R, true); }},
      {"StretchPicture", [&](const Variant& R) { g->SetDBRowStretchPicture(R, dopOn); },
       [&](const Variant& R) {
         g->SetDBRowStretchPicture(R, dopDefault);
         g->SetDBRowShrinkPicture(R, dopDefault);
         g->SetDBRowCenterPicture(R, dopDefault);
         g->SetDBRowKeepAspectRatio(R, dopDefault);
       }},
      {"MaskName", [&](const Variant& R) { g->SetDBRowMaskName(R, "mask"); },
       [&](const Variant& R) { g->SetDBRowMaskName(R, String()); }},
      {"SpinIncrement", [&](const Variant& R) { g->SetDBRowSpinIncrement(R, 2.5); },
       [&](const Variant& R) { g->SetDBRowSpinIncrement(R, 1.0); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    c.Set(RecordA);
    ASSERT_NE(nullptr, Grid->GetDBRowElement(RecordA));
    EXPECT_EQ(nullptr, Grid->GetDBRowElement(RecordB));
    c.Unset(RecordA);
    EXPECT_EQ(nullptr, Grid->GetDBRowElement(RecordA));
    EXPECT_EQ(0, Grid->GetRowPropSet()->GetCount());
  }
}

TEST_F(DBGridPropsTest, ACellValueSetBackToUnsetRemovesTheElementAndTheCachedLookupFollows) {
  EXPECT_EQ(clNone, Grid->GetDBCellColor(2, RecordA));
  EXPECT_TRUE(Grid->GetDBCellParentCombo(2, RecordA));
  // A cached "no element" answer must not outlive the element's creation.
  EXPECT_EQ(nullptr, Grid->GetDBCellElement(2, RecordA, false));
  Grid->SetDBCellColor(2, RecordA, clBlue);
  EXPECT_EQ(clBlue, Grid->GetDBCellColor(2, RecordA));
  EXPECT_EQ(clNone, Grid->GetDBCellColor(2, RecordB));
  EXPECT_EQ(clNone, Grid->GetDBCellColor(3, RecordA));
  Grid->SetDBCellColor(2, RecordA, clNone);
  EXPECT_EQ(nullptr, Grid->GetDBCellElement(2, RecordA, true));
  EXPECT_EQ(0, Grid->GetCellPropSet()->GetCount());
  // Setting an unset value where there is no element creates none.
  Grid->SetDBCellReadOnly(2, RecordA, roDefault);
  EXPECT_EQ(0, Grid->GetCellPropSet()->GetCount());
}

TEST_F(DBGridPropsTest, CellElementsAreOrderedByColumnThenByRecord) {
  Grid->SetDBCellColor(3, RecordA, clRed);
  Grid->SetDBCellColor(1, RecordB, clRed);
  Grid->SetDBCellColor(1, RecordA, clRed);
  auto cells = ElementsOf<TtsDBCellElement>(Grid->GetCellPropSet());
  ASSERT_EQ(3u, cells.size());
  EXPECT_EQ(1, cells[0]->GetDataCol());
  EXPECT_EQ(RecordA.ToString(), cells[0]->GetDataRow().ToString());
  EXPECT_EQ(1, cells[1]->GetDataCol());
  EXPECT_EQ(RecordB.ToString(), cells[1]->GetDataRow().ToString());
  EXPECT_EQ(3, cells[2]->GetDataCol());
}

TEST_F(DBGridPropsTest, ParentFontFalseGivesACopyOfTheFontShownThen) {
  Grid->GetFont()->SetSize(13);
  Grid->SetDBRowParentFont(RecordA, false);
  ASSERT_NE(nullptr, Grid->GetDBRowFont(RecordA));
  EXPECT_EQ(13, Grid->GetDBRowFont(RecordA)->GetSize());
  // A cell in a bold column keeps the bold look with a font of its own.
  TtsCol* col = Grid->GetCols()->GetItem(2);
  TFont* bold = New<TFont>();
  bold->SetStyle(TFontStyles{fsBold});
  col->SetFont(bold);
  bold->Free();
  Grid->SetDBCellParentFont(2, RecordB, false);
  TFont* own = Grid->GetDBCellFont(2, RecordB);
  ASSERT_NE(nullptr, own);
  EXPECT_TRUE(own->GetStyle().Contains(fsBold));
  col->GetFont()->SetStyle(TFontStyles{});
  EXPECT_TRUE(Grid->GetDBCellFont(2, RecordB)->GetStyle().Contains(fsBold));
}

// ---- Keys -----------------------------------------------------------------------------------------------
TEST_F(DBGridPropsTest, ACheckedCellKeyOutsideTheColumnsRaisesOrIsIgnored) {
  EXPECT_THROW(Grid->SetDBCellColor(9, RecordA, clRed), EInvalidGridOperation);
  Grid->SetRaiseErrors(false);
  EXPECT_EQ(nullptr, Grid->GetDBCellElement(9, RecordA, true));
  EXPECT_EQ(clNone, Grid->GetDBCellColor(9, RecordA));
}

TEST_F(DBGridPropsTest, RecordIdsOrderAsValues) {
  Grid->SetDBRowColor(Variant(20), clGreen);
  Grid->SetDBRowColor(Variant(3), clBlue);
  Grid->SetDBCellColor(1, Variant(20), clYellow);
  EXPECT_EQ(clGreen, Grid->GetDBRowColor(Variant(20)));
  EXPECT_EQ(clBlue, Grid->GetDBRowColor(Variant(3)));
  EXPECT_EQ(clYellow, Grid->GetDBCellColor(1, Variant(20)));
  auto rows = ElementsOf<TtsDBRowElement>(Grid->GetRowPropSet());
  ASSERT_EQ(2u, rows.size());
  EXPECT_EQ(3, rows[0]->GetDataRow().ToInteger());  // ids in their own order, not as text
}

TEST_F(DBGridPropsTest, WithoutRecordIdsOnlyBookmarkKeysAreAccepted) {
  Grid->SetUseRecordIds(false);
  EXPECT_THROW(Grid->SetDBRowColor(Variant(3), clRed), EInvalidGridOperation);
  EXPECT_THROW(Grid->GetDBCellElement(1, Variant(3), true), EInvalidGridOperation);
  Grid->SetRaiseErrors(false);
  EXPECT_EQ(clNone, Grid->GetDBRowColor(Variant(3)));
}

// ---- Facades --------------------------------------------------------------------------------------------
class DBGridFacadeTest : public DBGridPropsTest {
 protected:
  void SetUp() override {
    DBGridPropsTest::SetUp();
    Row = New<TtsDBRow>(Grid, RecordA);
    Cell = New<TtsDBCell>(Grid, 2, RecordA);
  }
  void TearDown() override {
    Row->Free();
    Cell->Free();
    DBGridPropsTest::TearDown();
  }
  TtsDBRow* Row = nullptr;
  TtsDBCell* Cell = nullptr;
};

TEST_F(DBGridFacadeTest, NormalModeReadsAndWritesTheGridsRecord) {
  Row->SetColor(clRed);
  Cell->SetWordWrap(wwOn);
  EXPECT_EQ(clRed, Grid->GetDBRowColor(RecordA));
  EXPECT_EQ(wwOn, Grid->GetDBCellWordWrap(2, RecordA));
  Grid->SetDBRowReadOnly(RecordA, true);
  EXPECT_TRUE(Row->GetReadOnly());
  EXPECT_EQ(Grid->GetDefaultRowHeight(), Row->GetHeight());
  EXPECT_FALSE(Row->StoreHeight());
  EXPECT_FALSE(Row->StoreDisplayRow());
}

TEST_F(DBGridFacadeTest, ReadingKeepsValuesLocallyAndApplyingForwardsOnlyWhatWasRead) {
  Grid->SetReadBoundProps(true);
  Row->SetColor(clRed);
  Cell->SetShrinkPicture(dopOff);
  Cell->SetReadOnly(roOn);
  EXPECT_EQ(clRed, Row->GetColor());
  EXPECT_EQ(roOn, Cell->GetReadOnly());
  EXPECT_EQ(0, Grid->GetRowPropSet()->GetCount());
  EXPECT_EQ(0, Grid->GetCellPropSet()->GetCount());
  EXPECT_EQ(Grid->GetDefaultRowHeight(), Row->GetHeight());

  Grid->SetReadBoundProps(false);
  Grid->SetApplyingBoundProps(true);
  Grid->SetDBRowIs3D(RecordA, true);  // not in the stream: applying must leave it alone
  Row->Assign(Row);
  Cell->Assign(Cell);
  Grid->SetApplyingBoundProps(false);

  EXPECT_EQ(clRed, Grid->GetDBRowColor(RecordA));
  EXPECT_TRUE(Grid->GetDBRowIs3D(RecordA));
  EXPECT_EQ(roOn, Grid->GetDBCellReadOnly(2, RecordA));
  EXPECT_EQ(dopOff, Grid->GetDBCellShrinkPicture(2, RecordA));
  EXPECT_EQ(dopDefault, Grid->GetDBCellStretchPicture(2, RecordA));
  EXPECT_EQ(clNone, Grid->GetDBCellColor(2, RecordA));
}

TEST_F(DBGridFacadeTest, AFontReadFromAStreamIsAppliedAsTheRecordsOwn) {
  Grid->SetReadBoundProps(true);
  Row->GetFont()->SetSize(21);
  Row->SetParentFont(false);
  Grid->SetReadBoundProps(false);
  Grid->SetApplyingBoundProps(true);
  Row->Assign(Row);
  Grid->SetApplyingBoundProps(false);
  ASSERT_NE(nullptr, Grid->GetDBRowFont(RecordA));
  EXPECT_EQ(21, Grid->GetDBRowFont(RecordA)->GetSize());
  EXPECT_FALSE(Grid->GetDBRowParentFont(RecordA));
}

// ---- Effective properties ---------------------------------------------------------------------------------
TEST_F(DBGridPropsTest, ControlTypeAndWordWrapLayerCellThenRowAndColumnByDrawOverlap) {
  struct Case {
    TtsDrawOverlap Overlap;
    TtsControlType Cell, Row, Col, Expected;
  };
  const Case cases[] = {
      {doDrawColOnTop, ctDefault, ctDefault, ctDefault, ctText},
      {doDrawColOnTop, ctDefault, ctCheck, ctPicture, ctPicture},
      {doDrawRowOnTop, ctDefault, ctCheck, ctPicture, ctCheck},
      {doDrawRowOnTop, ctDefault, ctDefault, ctPicture, ctPicture},
      {doDrawColOnTop, ctText, ctCheck, ctPicture, ctText},
  };
  TtsCol* col = Grid->GetCols()->GetItem(1);
  for (const Case& c : cases) {
    Grid->SetDrawOverlap(c.Overlap);
    Grid->SetDBCellControlType(1, RecordA, c.Cell);
    Grid->SetDBRowControlType(RecordA, c.Row);
    col->SetControlType(c.Col);
    EXPECT_EQ(c.Expected, Grid->GiveDBCellControlType(1, RecordA)) << c.Overlap << c.Cell << c.Row << c.Col;
  }
  EXPECT_EQ(ctNone, Grid->GiveDBCellControlType(0, RecordA));
  EXPECT_EQ(ctNone, Grid->GiveDBCellControlType(5, RecordA));
}

TEST_F(DBGridPropsTest, FontAndAlignmentLayers) {
  TFont* rowFont = New<TFont>();
  rowFont->SetSize(17);
  TFont* colFont = New<TFont>();
  colFont->SetSize(19);
  Grid->SetDBRowFont(RecordA, rowFont);
  Integer display = Grid->GetDisplayCol(1);
  Grid->GetCols()->GetItem(1)->SetFont(colFont);
  rowFont->Free();
  colFont->Free();
  Grid->SetDrawOverlap(doDrawRowOnTop);
  EXPECT_EQ(17, Grid->GiveDBCellFont(display, RecordA)->GetSize());
  EXPECT_EQ(19, Grid->GiveDBCellFont(display, RecordB)->GetSize());
  Grid->SetDrawOverlap(doDrawColOnTop);
  EXPECT_EQ(19, Grid->GiveDBCellFont(display, RecordA)->GetSize());
  Grid->SetDBCellParentFont(1, RecordA, false);
  Grid->GetDBCellFont(1, RecordA)->SetSize(23);
  EXPECT_EQ(23, Grid->GiveDBCellFont(display, RecordA)->GetSize());
  EXPECT_EQ(17, Grid->GiveDBCellFont(Grid->GetDisplayCol(2), RecordA)->GetSize());
  EXPECT_EQ(Grid->GetFont(), Grid->GiveDBCellFont(Grid->GetDisplayCol(2), RecordB));

  // Alignment: the column's (or its field's) ends the chain; a layer counts with its Align flag.
  TtsCol* col = Grid->GetCols()->GetItem(1);
  col->SetAlignment(taRightJustify);
  Grid->SetDBRowAlignment(RecordA, taCenter);
  Grid->SetDBRowAlign(RecordA, true);
  Grid->SetDrawOverlap(doDrawColOnTop);
  EXPECT_EQ(taCenter, Grid->GiveDBCellAlignment(display, RecordA));
  EXPECT_EQ(taRightJustify, Grid->GiveDBCellAlignment(display, RecordB));
  col->SetAlign(true);
  EXPECT_EQ(taRightJustify, Grid->GiveDBCellAlignment(display, RecordA));
  Grid->SetDrawOverlap(doDrawRowOnTop);
  EXPECT_EQ(taCenter, Grid->GiveDBCellAlignment(display, RecordA));
  Grid->SetDBCellAlignment(1, RecordA, taLeftJustify);
  Grid->SetDBCellAlign(1, RecordA, true);
  EXPECT_EQ(taLeftJustify, Grid->GiveDBCellAlignment(display, RecordA));
}

TEST_F(DBGridPropsTest, ReadOnlyLayersAndButtons) {
  struct Case {
    TtsReadOnly Cell;
    bool Row, Col, Editable;
  };
  const Case cases[] = {
      {roDefault, false, false, true}, {roDefault, true, false, false}, {roDefault, false, true, false},
      {roOff, true, true, true},       {roOn, false, false, false},
  };
  TtsCol* col = Grid->GetCols()->GetItem(1);
  for (const Case& c : cases) {
    Grid->SetDBCellReadOnly(1, RecordA, c.Cell);
    Grid->SetDBRowReadOnly(RecordA, c.Row);
    col->SetReadOnly(c.Col);
    EXPECT_EQ(c.Editable, Grid->CanEditDBCell(1, RecordA)) << c.Cell << c.Row << c.Col;
    EXPECT_EQ(!c.Editable, Grid->GiveDBCellReadOnly(1, RecordA));
  }
  // A read-only cell shows its column's button only while ReadOnlyButton asks for it.
  col->SetButtonType(btNormal);
  TtsDropDownStyle style;
  Grid->SetReadOnlyButton(false);
  EXPECT_EQ(btNone, Grid->GiveDBCellButton(Grid->GetDisplayCol(1), RecordA, style));
  Grid->SetReadOnlyButton(true);
  EXPECT_EQ(btNormal, Grid->GiveDBCellButton(Grid->GetDisplayCol(1), RecordA, style));
  EXPECT_EQ(btNone, Grid->GiveDBCellButton(Grid->GetDisplayCol(2), RecordA, style));
}

TEST_F(DBGridPropsTest, CheckBoxValuesFallBackToTheGridsAndAnUnknownColumnAnswersNeutrally) {
  Grid->SetCheckBoxValues("Y|N");
  EXPECT_EQ("Y|N", Grid->GiveDBCellCheckBoxValues(1, RecordA));
  Grid->GetCols()->GetItem(1)->SetCheckBoxValues("1|0");
  EXPECT_EQ("1|0", Grid->GiveDBCellCheckBoxValues(1, RecordA));
  EXPECT_THROW(Grid->GiveDBCellCheckBoxValues(9, RecordA), EInvalidGridOperation);
  Grid->SetRaiseErrors(false);
  EXPECT_EQ("", Grid->GiveDBCellCheckBoxValues(9, RecordA));
  EXPECT_FALSE(Grid->CanEditDBCell(9, RecordA));
  EXPECT_FALSE(Grid->GiveDBCellReadOnly(9, RecordA));
}

TEST_F(DBGridPropsTest, InsertionRowAndButtonsFollowActivityAndDesignMode) {
  EXPECT_FALSE(Grid->CanDrawInsert());
  EXPECT_FALSE(Grid->ButtonsActive());
  Grid->SetInDesignMode(true);
  EXPECT_TRUE(Grid->ButtonsActive());
  // Binding fell back to the standard strategy, which never shows an insertion row.
  Grid->SetGridMode(gmEditInsert);
  EXPECT_FALSE(Grid->CanDrawInsert());
}

}  // namespace DBGridTest

namespace DBGridTest {

TEST_F(DBGridPropsTest, ValuesOfAnInactiveGridAreUnassignedAndWritesOutsideTheCurrentRecordAreIgnored) {
  EXPECT_TRUE(VarIsEmpty(Grid->GetCellValue(1, 1)));
  Variant value = 5;
  Grid->GetDBCellValue(1, Variant(String("x")), value);
  EXPECT_TRUE(VarIsEmpty(value));
  Grid->SetDBCellValue(1, RecordB, Variant(String("changed")));
  Grid->SetDBCellPText(1, RecordB, "changed");
  EXPECT_EQ(0, Grid->GetCellTextWidth(1, 1));
  Integer lines = 7, height = 7;
  Grid->GetTextSize(1, RecordA, lines, height);
  EXPECT_EQ(0, lines);
  EXPECT_EQ(0, height);
}

}  // namespace DBGridTest

namespace DBGridTest {

TEST_F(DBGridPropsTest, LineGettersOfAnInactiveGridAnswerUnsetAndRecordsOutsideTheBufferHaveNoLine) {
  Grid->SetDBRowColor(RecordA, clRed);
  Grid->SetDBCellColor(1, RecordA, clRed);
  Grid->SetDBCellReadOnly(1, RecordA, roOn);
  EXPECT_EQ(clNone, Grid->GetCellColor(1, 1));
  EXPECT_EQ(roDefault, Grid->IsCellReadOnly(1, 1));
  EXPECT_EQ(String(), Grid->GetCellMaskName(1, 1));
  EXPECT_FALSE(Grid->IsRowSelected(1));
  EXPECT_FALSE(Grid->IsRowChanged(1));
  EXPECT_EQ(-1, Grid->GetDBDisplayRownr(RecordA));
  EXPECT_EQ(-1, Grid->GetDBRowId(RecordA));
  // Per-record heights and visibility do not exist: every record line has the default height.
  Grid->SetDBRowHeight(RecordA, 40);
  Grid->SetDBRowVisible(RecordA, false);
  EXPECT_EQ(Grid->GetDefaultRowHeight(), Grid->GetDBRowHeight(RecordA));
  EXPECT_TRUE(Grid->GetDBRowVisible(RecordA));
  // Outside a drop-down list a record takes a button of its own.
  Grid->SetDBRowButtonType(RecordB, btNormal);
  EXPECT_EQ(btNormal, Grid->GetDBRowButtonType(RecordB));
}

}  // namespace DBGridTest
