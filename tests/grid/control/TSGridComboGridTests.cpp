// A combo's settings as its drop-down list grid keeps them: the settings holder's accessors, the
// auto-fill rule, column, row and cell combos written to a form stream and read back, and the
// engine grid that makes no combos.
#include "ComboTestSupport.h"
#include "GridControlTestSupport.h"
#include "Filer.h"
#include "ObjectText.h"
#include "Streams.h"
#include "TSGridComboGrid.h"

using namespace GridControlTest;

namespace {

class ComboGrid : public GridTest {
 protected:
  TtsGrid* NewControlGrid() {
    auto* grid = New<TtsGrid>();
    Owned.push_back(grid);
    grid->SetGridColCount(2);
    grid->SetGridRowCount(3);
    return grid;
  }
  // A new grid read from the form stream Grid writes; its first column's combo.
  TtsCombo* ReadBack(TtsGrid* Grid, TtsGrid*& Copy) {
    auto stream = NewOwned<Streams::TMemoryStream>();
    stream->WriteComponent(Grid);
    Copy = NewControlGrid();
    stream->SetPosition(0);
    stream->ReadComponent(Copy);
    return Copy->GetCols()->GetItem(1)->GetCombo();
  }
  // Reads the form stream Grid writes into Target.
  void ReadInto(TtsGrid* Grid, TtsGrid* Target) {
    auto stream = NewOwned<Streams::TMemoryStream>();
    stream->WriteComponent(Grid);
    stream->SetPosition(0);
    stream->ReadComponent(Target);
  }
  // Whether Grid's form text holds a "Combo" entry.
  bool WritesCombo(TtsGrid* Grid) {
    auto stream = NewOwned<Streams::TMemoryStream>();
    stream->WriteComponent(Grid);
    String binary(static_cast<size_t>(stream->GetSize()), '\0');
    stream->SetPosition(0);
    stream->ReadBuffer(binary.data(), static_cast<Integer>(binary.size()));
    return ObjectBinaryToTextString(binary).find("Combo = {") != String::npos;
  }
};

TEST_F(ComboGrid, TheHolderKeepsEverySettingOnItsListGrid) {
  TtsCombo* combo = ColumnCombo(NewControlGrid(), 1);
  auto* list = dynamic_cast<TtsComboGrid*>(combo->GetGrid());
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(list->IsComboGrid());
  EXPECT_EQ(list->GetParentGridCombo(), combo);
  EXPECT_EQ(list->GetGrid(), list);
  // A new combo's defaults at run time.
  EXPECT_EQ(combo->GetDropDownRows(), 4);
  EXPECT_EQ(combo->GetDropDownCols(), 1);
  EXPECT_EQ(combo->GetValueCol(), 1);
  EXPECT_EQ(combo->GetComboDisplayCol(), 1);
  EXPECT_EQ(combo->GetCompareType(), ctCaseInsensitive);
  EXPECT_EQ(combo->GetAutoSearch(), asNone);
  EXPECT_EQ(combo->GetAutoFillConvertCase(), afcOnEdit);
  EXPECT_EQ(list->GetGridRowCount(), 0);
  EXPECT_EQ(list->GetGridMode(), gmListBox);
  EXPECT_EQ(list->GetRowSelectMode(), rsSingle);
  combo->SetDropDownRows(7);
  combo->SetDropDownCols(2);
  combo->SetValueCol(2);
  combo->SetComboDisplayCol(2);
  combo->SetValueColSorted(true);
  combo->SetCompareType(ctOwn);
  combo->SetAutoSearch(asCenter);
  combo->SetAutoFillConvertCase(afcNone);
  combo->SetDropDownStyle(ddDropDownList);
  combo->SetAutoLookup(true);
  EXPECT_EQ(list->GetDropDownRows(), 7);
  EXPECT_EQ(list->GetDropDownCols(), 2);
  EXPECT_EQ(list->GetValueCol(), 2);
  EXPECT_EQ(list->GetComboDisplayCol(), 2);
  EXPECT_TRUE(list->GetValueColSorted());
  EXPECT_EQ(list->GetCompareType(), ctOwn);
  EXPECT_EQ(list->GetAutoSearch(), asCenter);
  EXPECT_EQ(list->GetAutoFillConvertCase(), afcNone);
  EXPECT_EQ(list->GetDropDownStyle(), ddDropDownList);
  EXPECT_FALSE(combo->GetAutoLookup()) << "a drop-down list grid never looks up";
  // A grid that is no drop-down list has no combo settings.
  EXPECT_EQ(Grid->GetDropDownRows(), 0);
  EXPECT_EQ(Grid->GetDropDownCols(), 0);
  EXPECT_EQ(Grid->GetValueCol(), 0);
}

TEST_F(ComboGrid, AutoFillSwitchesTheSearchOnExceptWhileTheListIsRead) {
  TtsGrid* grid = NewControlGrid();
  TtsCombo* combo = ColumnCombo(grid, 1);
  combo->SetAutoFill(true);
  EXPECT_EQ(combo->GetAutoSearch(), asTop);
  combo->SetAutoSearch(asBottom);
  combo->SetAutoFill(false);
  combo->SetAutoFill(true);
  EXPECT_EQ(combo->GetAutoSearch(), asBottom) << "a search already chosen stays";
  // A stored list with auto-fill and no search reads as it was stored.
  combo->SetAutoSearch(asNone);
  TtsGrid* copy = nullptr;
  TtsCombo* read = ReadBack(grid, copy);
  ASSERT_NE(read, nullptr);
  EXPECT_TRUE(read->GetAutoFill());
  EXPECT_EQ(read->GetAutoSearch(), asNone);
}

TEST_F(ComboGrid, AColumnsComboTravelsWithTheGridThroughAFormStream) {
  TtsGrid* grid = NewControlGrid();
  TtsCombo* combo = ColumnCombo(grid, 1, {"甲等", "乙等"});
  combo->SetDropDownRows(6);
  combo->SetValueColSorted(true);
  combo->SetCompareType(ctCaseSensitive);
  combo->SetAutoFillConvertCase(afcOnExit);
  TtsGrid* copy = nullptr;
  TtsCombo* read = ReadBack(grid, copy);
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->GetDropDownRows(), 6);
  EXPECT_TRUE(read->GetValueColSorted());
  EXPECT_EQ(read->GetCompareType(), ctCaseSensitive);
  EXPECT_EQ(read->GetAutoFillConvertCase(), afcOnExit);
  ASSERT_EQ(read->GetGrid()->GetGridRowCount(), 2);
  EXPECT_EQ(VarToStr(read->GetGrid()->GetCellValue(1, 2)), "乙等");
  EXPECT_EQ(read->GetGrid()->GetParentGrid(), copy);
}

// Every layer's own combo is its "Combo" entry while the layer shows combo buttons: read into a
// fresh layer (the combo made first) or into the combo the layer already has (reset first, so none
// of its own settings survive).
TEST_F(ComboGrid, RowAndCellCombosTravelLikeAColumnsAndReplaceOnesAlreadyThere) {
  struct Layer {
    const char* Name;
    std::function<void(TtsBaseGrid*, TtsButtonType)> SetButton;
    std::function<void(TtsBaseGrid*)> Assign;
    std::function<TtsCombo*(TtsBaseGrid*)> Combo;
  };
  const Layer layers[] = {
      {"column", [](TtsBaseGrid* g, TtsButtonType b) { g->GetCols()->GetItem(2)->SetButtonType(b); },
       [](TtsBaseGrid* g) { g->GetCols()->GetItem(2)->AssignCombo(); },
       [](TtsBaseGrid* g) { return g->GetCols()->GetItem(2)->GetCombo(); }},
      {"row", [](TtsBaseGrid* g, TtsButtonType b) { g->SetRowButtonType(3, b); },
       [](TtsBaseGrid* g) { g->AssignRowCombo(3); }, [](TtsBaseGrid* g) { return g->GetRowCombo(3); }},
      {"cell", [](TtsBaseGrid* g, TtsButtonType b) { g->SetCellButtonType(2, 3, b); },
       [](TtsBaseGrid* g) { g->AssignCellCombo(2, 3); }, [](TtsBaseGrid* g) { return g->GetCellCombo(2, 3); }},
  };
  for (const Layer& layer : layers) {
    SCOPED_TRACE(layer.Name);
    TtsGrid* source = NewControlGrid();
    layer.SetButton(source, btCombo);
    layer.Assign(source);
    layer.Combo(source)->SetDropDownRows(5);
    layer.Combo(source)->GetGrid()->SetGridColCount(3);
    EXPECT_TRUE(WritesCombo(source));

    TtsGrid* fresh = NewControlGrid();
    ReadInto(source, fresh);
    ASSERT_NE(layer.Combo(fresh), nullptr);
    EXPECT_EQ(layer.Combo(fresh)->GetDropDownRows(), 5);
    EXPECT_EQ(layer.Combo(fresh)->GetGrid()->GetGridColCount(), 3);

    TtsGrid* furnished = NewControlGrid();
    layer.SetButton(furnished, btCombo);
    layer.Assign(furnished);
    TtsCombo* existing = layer.Combo(furnished);
    Integer defaultCols = existing->GetDropDownCols();
    existing->SetDropDownCols(defaultCols + 2);
    ReadInto(source, furnished);
    EXPECT_EQ(layer.Combo(furnished), existing);
    EXPECT_EQ(existing->GetDropDownRows(), 5);
    EXPECT_EQ(existing->GetDropDownCols(), defaultCols);

    // Without combo buttons the combo is not written.
    layer.SetButton(source, btNormal);
    EXPECT_FALSE(WritesCombo(source));
  }
}

TEST_F(ComboGrid, TheEngineGridMakesNoCombos) {
  auto message = [](auto Make) {
    try {
      Make();
    } catch (const EInvalidGridOperation& e) {
      return e.Message();
    }
    return String();
  };
  Grid->SetName("Plain");
  EXPECT_EQ(message([&] { Grid->CreateCombo(); }),
            "Plain: Cannot create combo box. Method CreateCombo has not been not implemented in derived class");
  EXPECT_EQ(message([&] { Grid->CreateComboGrid(); }),
            "Plain: Cannot create combo box. Method CreateComboGrid has not been not implemented in derived class");
  Grid->ResetCombo();  // nothing made, nothing to reset
  EXPECT_FALSE(Grid->ComboVisible());
}

}  // namespace
