// The grid object: construction defaults, counts, the abstract operations and the grid's errors.
#include "GridControlTestSupport.h"
#include "Exceptions.h"
#include "Graphics.h"
#include "Variants.h"

using namespace GridControlTest;

namespace {

class GridObject : public GridTest {};

TEST_F(GridObject, StartsWithFourByFour) {
  EXPECT_EQ(Grid->GetGridColCount(), 4);
  EXPECT_EQ(Grid->GetGridRowCount(), 4);
  EXPECT_EQ(Grid->GetColCount(), 5);
  EXPECT_EQ(Grid->GetRowCount(), 5);
  EXPECT_EQ(DisplayColOrder(Grid), "1,2,3,4");
  EXPECT_EQ(DisplayRowOrder(Grid), "1,2,3,4");
  EXPECT_EQ(Grid->GetColWidths(0), 14);
  EXPECT_EQ(Grid->GetRowHeights(0), 15);
  EXPECT_EQ(Grid->GetRowBarWidth(), 14);
  EXPECT_EQ(Grid->GetHeadingHeight(), 15);
  for (Integer i = 1; i <= 4; ++i) {
    EXPECT_EQ(Grid->GetColWidths(i), 64);
    EXPECT_EQ(Grid->GetRowHeights(i), 14);
  }
  EXPECT_EQ(Grid->GetHorzLineWidth(), 1);
  EXPECT_EQ(Grid->GetVertLineWidth(), 1);
  EXPECT_EQ(Grid->GetLineColor(), Graphics::clSilver);
  EXPECT_EQ(Grid->GetFixedLineColor(), Graphics::clBlack);
  EXPECT_EQ(Grid->GetCurDataCol(), 1);
  EXPECT_EQ(Grid->GetCurDataRow(), 1);
  EXPECT_EQ(Grid->GetGridMode(), gmEdit);
  EXPECT_TRUE(Grid->GetRaiseErrors());
}

TEST_F(GridObject, VersionIgnoresWhatIsWritten) {
  EXPECT_EQ(Grid->GetVersion(), "2.20.24");
  Grid->SetVersion("1.0");
  EXPECT_EQ(Grid->GetVersion(), "2.20.24");
}

TEST_F(GridObject, APlainEngineRefusesItsAbstractOperations) {
  auto* plain = New<TtsBaseGrid>(nullptr);
  Owned.push_back(plain);
  TtsDrawData data{};
  Variant value;
  EXPECT_THROW(plain->PaintCell(data, TRect(), false), EAbstractError);
  EXPECT_THROW(plain->CellLoadedEvent(1, 1, ctText, value), EAbstractError);
  EXPECT_THROW(plain->DoRowChanged(Variant(1), Variant(2)), EAbstractError);
}

// ---- Errors -------------------------------------------------------------------------------------------
String MessageOf(const std::function<void()>& Action) {
  try {
    Action();
  } catch (const EInvalidGridOperation& e) {
    return e.Message();
  }
  return "(nothing raised)";
}

// A drop-down grid names its parent grid in its errors and asks it about design mode.
class TDropDownTestGrid : public TTestGrid {
 public:
  explicit TDropDownTestGrid(TComponent* AOwner) : TTestGrid(AOwner) {}
  TtsBaseGrid* Parent = nullptr;
  TtsBaseGrid* GetParentGrid() override { return Parent; }
  void MakeComboGrid() { FIsComboGrid = true; }
};

TEST_F(GridObject, ErrorsNameTheGridOrTheParentOfADropDown) {
  Grid->SetName("Prices");
  EXPECT_EQ(MessageOf([&] { Grid->CheckIndex(itCol, 7, 6, 1); }), "Prices: Column index 7 out of range");
  EXPECT_EQ(MessageOf([&] { Grid->GetCol(Variant("Nope")); }), "Prices: Unknown field name 'Nope'");
  EXPECT_EQ(MessageOf([&] { Grid->GetCol(Variant(Integer{0})); }), "Prices: Column index 0 out of range");

  auto* dropDown = New<TDropDownTestGrid>(nullptr);
  Owned.push_back(dropDown);
  dropDown->SetInDesignMode(true);
  dropDown->Parent = Grid;
  dropDown->MakeComboGrid();
  EXPECT_EQ(MessageOf([&] { dropDown->CheckIndex(itRow, 9, 4, 1); }), "Prices.Combo: Row index 9 out of range");
  // Its own design-mode override counts no more once it is a drop-down.
  EXPECT_FALSE(dropDown->GetInDesignMode());
  Grid->SetInDesignMode(true);
  EXPECT_TRUE(dropDown->GetInDesignMode());
}

TEST_F(GridObject, ValueChecksFollowTheControlTypeAndTheErrorSwitch) {
  struct Case {
    TtsControlType Control;
    Variant Value;
    bool Passes;
  };
  const Case cases[] = {
      {ctText, Variant("a"), true},         {ctText, Variant(Integer{3}), false}, {ctCheck, Null(), true},
      {ctCheck, Variant(Integer{1}), true}, {ctCheck, Variant("Yes"), true},       {ctCheck, Variant(0.5), false},
      {ctPicture, Variant("img"), true},    {ctPicture, Variant(1.5), false},      {ctNone, Variant(1.5), true},
  };
  for (const Case& c : cases) {
    if (c.Passes) {
      EXPECT_TRUE(Grid->CheckVarType(c.Control, c.Value)) << c.Control << " " << VarToStr(c.Value);
    } else {
      EXPECT_THROW(Grid->CheckVarType(c.Control, c.Value), EInvalidGridOperation) << c.Control;
    }
  }
  EXPECT_NE(MessageOf([&] { Grid->CheckVarType(ctText, Variant(Integer{3})); })
                .find("Invalid cell value. A text column requires a value of type string"),
            String::npos);
  Grid->SetRaiseErrors(false);
  EXPECT_FALSE(Grid->CheckVarType(ctText, Variant(Integer{3})));
  Grid->SetRaiseErrors(true);
  Grid->SetInDesignMode(true);
  EXPECT_TRUE(Grid->CheckVarType(ctText, Variant(Integer{3})));
}

}  // namespace
