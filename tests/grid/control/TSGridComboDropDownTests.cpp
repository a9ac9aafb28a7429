// The combo drop-down on real windows of the headless desktop: opening by button, F4 and Alt+Down,
// the clicks and activations that keep or close it, paired drop-down and roll-up events, the thread
// hooks, the list's size and its place on the work area, and a picture of an open list.
#include "ComboTestSupport.h"
#include "GdiPng.h"
#include "GridEditTestSupport.h"
#include "TSGridComboGrid.h"
#include "TSGridDropDownForm.h"
#include "WinFocus.h"
#include "WinManage.h"
#include "WinMessageBox.h"
#include "WinMetrics.h"

using namespace GridControlTest;

namespace {

// The work area for one test, the platform's own again afterwards.
class TWorkArea {
 public:
  explicit TWorkArea(TRect Area) { SystemParametersInfo(SPI_SETWORKAREA, 0, &Area, 0); }
  ~TWorkArea() { SystemParametersInfo(SPI_SETWORKAREA, 0, nullptr, 0); }
};

class ComboDropDown : public EditGridTest {
 protected:
  // A grid of 2 columns whose first drops down a list of the given rows; current cell (1, 1).
  TtsGrid* MakeComboGrid(const std::vector<String>& Rows, Integer Width = 300, Integer Height = 150) {
    G = MakeGrid<TtsGrid>(Width, Height, 2, 4);
    G->SetStoreData(true);
    ColumnCombo(G, 1, Rows);
    G->OnComboDropDown = [this](TObject*, TtsComboGrid* Combo, Integer Col, Integer Row) {
      Log += Format("down %d,%d%s ", {Col, Row, Combo ? "" : " no list"});
    };
    G->OnComboRollUp = [this](TObject*, TtsComboGrid*, Integer Col, Integer Row) {
      Log += Format("up %d,%d ", {Col, Row});
    };
    G->SetFocus();
    Pump();
    return G;
  }
  TtsBaseGrid* List() { return G->GetCombo()->GetGrid(); }
  TCustomForm* DropDown() { return G->GetComboForm(); }
  // The drop-down's window rectangle on the screen.
  TRect DropDownBounds() {
    RECT r{};
    GetWindowRect(DropDown()->GetHandle(), &r);
    return TRect(r);
  }
  bool Open() { return G->ComboVisible() && DropDown()->GetVisible(); }

  TtsGrid* G = nullptr;
  String Log;
};

TEST_F(ComboDropDown, TheButtonF4AndAltDownOpenAndCloseItWithPairedEvents) {
  MakeComboGrid({"甲", "乙", "丙"});
  G->ComboButtonDown(1, 1);
  Pump();
  EXPECT_TRUE(Open());
  EXPECT_TRUE(DropDownHooksInstalled());
  EXPECT_EQ(G->GetDroppedDownCol(), 1);
  G->ComboButtonDown(1, 1);  // a second press on its button closes it
  EXPECT_FALSE(Open());
  EXPECT_FALSE(DropDownHooksInstalled()) << "no hook after the last close";
  Key(VK_F4);
  EXPECT_TRUE(Open());
  Key(VK_F4);
  EXPECT_FALSE(Open());
  Key(VK_DOWN, {ssAlt});
  EXPECT_TRUE(Open());
  Key(VK_ESCAPE);
  EXPECT_FALSE(Open());
  EXPECT_EQ(Log, "down 1,1 up 1,1 down 1,1 up 1,1 down 1,1 up 1,1 ");
  EXPECT_FALSE(DropDownHooksInstalled());
  // A second drop-down without a roll-up fires nothing; a roll-up without one neither.
  G->ComboDropDown(1, 1);
  G->ComboDropDown(1, 2);
  G->ComboRollUp();
  G->ComboRollUp();
  EXPECT_EQ(Log, "down 1,1 up 1,1 down 1,1 up 1,1 down 1,1 up 1,1 down 1,1 up 1,1 ");
}

TEST_F(ComboDropDown, TheOwnerKeepsTheActivationAndTheKeyboardWhileItIsOpen) {
  MakeComboGrid({"甲", "乙"});
  HWND active = GetActiveWindow();
  G->ComboButtonDown(1, 1);
  Pump();
  EXPECT_EQ(GetActiveWindow(), active);
  EXPECT_TRUE(G->IsFocused());
  TRect r = DropDownBounds();
  InjectClick(r.left + 5, r.top + 3);
  Pump();
  EXPECT_EQ(GetActiveWindow(), active) << "a click in the list leaves the owner form active";
  EXPECT_TRUE(G->IsFocused());
}

TEST_F(ComboDropDown, ClicksInsideKeepItAndClicksElsewhereCloseIt) {
  // Another window beside the grid's form.
  TForm* other = TCustomForm::CreateNew<TForm>(nullptr);
  other->SetBorderStyle(bsNone);
  other->SetBounds(600, 0, 200, 200);
  other->Show();
  MakeComboGrid({"甲", "乙", "丙"});
  G->SetFocus();
  Pump();
  struct TCase {
    const char* Where;
    std::function<TPoint()> At;
    bool StaysOpen;
  };
  const TCase cases[] = {
      {"the list", [&] { return TPoint(DropDownBounds().left + 5, DropDownBounds().top + 5); }, true},
      // The hooks let a press on the grid through; the grid itself then closes a list that belongs
      // to another cell than the one pressed.
      {"another cell of the grid", [&] { return G->ClientToScreen(TPoint(250, 100)); }, false},
      {"the editor",
       [&] {
         TWinControl* editor = G->GetActiveControl()->GetControl();
         return editor->ClientToScreen(TPoint(2, 2));
       },
       true},
      {"another window", [&] { return TPoint(650, 50); }, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Where);
    Log.clear();
    G->SetCurrentCell(1, 1);
    G->ShowEditor();
    Pump();
    G->ComboButtonDown(1, 1);
    Pump();
    ASSERT_TRUE(Open());
    // A right press: the hooks judge both buttons alike, and it chooses no list row.
    TPoint at = c.At();
    InjectClick(at.x, at.y, 1);
    Pump();
    EXPECT_EQ(Open(), c.StaysOpen);
    EXPECT_EQ(DropDownHooksInstalled(), c.StaysOpen);
    G->HideCombo();
    EXPECT_EQ(Log, "down 1,1 up 1,1 ");
  }
  FreeAndNil(other);
}

TEST_F(ComboDropDown, AnotherWindowActivatedClosesEveryOpenDropDown) {
  MakeComboGrid({"甲", "乙"}, 240, 150);
  auto* second = MakeGrid<TtsGrid>(240, 150, 2, 4);
  second->SetLeft(250);
  Grid = G;
  ColumnCombo(second, 1);
  G->ComboButtonDown(1, 1);
  second->ComboButtonDown(1, 1);
  Pump();
  EXPECT_FALSE(G->ComboVisible()) << "opening the second closed the first (a press elsewhere)";
  G->ComboButtonDown(1, 1);
  Pump();
  ASSERT_TRUE(G->ComboVisible());
  // A message box or another program takes the activation.
  TForm* box = TCustomForm::CreateNew<TForm>(nullptr);
  box->SetBounds(400, 300, 200, 100);
  box->Show();
  Pump();
  EXPECT_FALSE(G->ComboVisible());
  EXPECT_FALSE(second->ComboVisible());
  EXPECT_FALSE(DropDownHooksInstalled());
  FreeAndNil(box);
  // A message box: answered by the Enter key that waits in the input queue.
  G->ComboButtonDown(1, 1);
  Pump();
  ASSERT_TRUE(G->ComboVisible());
  InjectKeyPress(VK_RETURN);
  EXPECT_EQ(MessageBoxA(Form->GetHandle(), "确定吗？", "拍卖", MB_OK), IDOK);
  EXPECT_FALSE(G->ComboVisible());
  EXPECT_FALSE(DropDownHooksInstalled());
}

TEST_F(ComboDropDown, AtDesignTimeAClickElsewhereLeavesTheComboOpen) {
  TForm* other = TCustomForm::CreateNew<TForm>(nullptr);
  other->SetBorderStyle(bsNone);
  other->SetBounds(800, 800, 200, 200);
  other->Show();
  MakeComboGrid({"甲", "乙"});
  G->ComboButtonDown(1, 1);
  Pump();
  G->SetInDesignMode(true);
  InjectClick(900, 900);
  Pump();
  EXPECT_TRUE(G->ComboVisible());
  G->SetInDesignMode(false);
  Clock.Advance(1000);  // not a double click
  InjectClick(900, 900);
  Pump();
  EXPECT_FALSE(G->ComboVisible());
  EXPECT_FALSE(DropDownHooksInstalled());
  FreeAndNil(other);
}

TEST_F(ComboDropDown, TheListIsAsHighAsItsRowsUpToDropDownRows) {
  struct TCase {
    Integer Rows, DropDownRows, ShownRows;
    bool VertBar;
  };
  const TCase cases[] = {{2, 8, 2, false}, {0, 8, 1, false}, {8, 4, 4, true}, {4, 4, 4, false}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Rows << " rows, " << c.DropDownRows << " shown at most");
    std::vector<String> rows;
    for (Integer i = 0; i < c.Rows; ++i) rows.push_back(IntToStr(i));
    MakeComboGrid(rows);
    G->GetCols()->GetItem(1)->GetCombo()->SetDropDownRows(c.DropDownRows);
    G->ComboButtonDown(1, 1);
    Pump();
    // The list's single border shows the rows whole inside it.
    Integer rowHeight = List()->GetDefaultRowHeight(), border = 2;
    EXPECT_EQ(List()->GetHeight(), c.ShownRows * rowHeight + border);
    EXPECT_EQ(DropDownBounds().Height(), c.ShownRows * rowHeight + border);
    Integer width = G->GetColWidths(1) + 10 + border + (c.VertBar ? TtsBaseGrid::GetVertScrollBarWidth() : 0);
    EXPECT_EQ(List()->GetWidth(), width) << "the cell's width and 10, with the bar when needed";
    G->HideCombo();
    FreeAndNil(Form);
    SetUp();
  }
}

TEST_F(ComboDropDown, ItOpensUnderItsCellInsideAWorkAreaAwayFromTheOrigin) {
  TWorkArea area(TRect(100, 60, 900, 460));
  Form->SetBounds(150, 100, 500, 400);
  MakeComboGrid({"甲", "乙", "丙"}, 300, 300);
  TRect cell;
  G->CellRect(1, 1, cell);
  TPoint below = G->ClientToScreen(TPoint(cell.left, cell.bottom));
  G->ComboButtonDown(1, 1);
  Pump();
  TRect r = DropDownBounds();
  EXPECT_EQ(r.left, below.x);
  EXPECT_EQ(r.top, below.y);
  G->HideCombo();
  // A cell near the work area's bottom: the list opens above it.
  G->SetCurrentCell(1, 4);
  G->CellRect(1, 4, cell);
  TPoint top = G->ClientToScreen(TPoint(cell.left, cell.top));
  Form->SetTop(460 - cell.bottom + 10);
  Pump();
  G->CellRect(1, 4, cell);
  top = G->ClientToScreen(TPoint(cell.left, cell.top));
  G->ComboButtonDown(1, 4);
  Pump();
  r = DropDownBounds();
  EXPECT_LE(r.bottom, top.y) << "above the cell";
  EXPECT_GE(r.top, 60) << "never above the work area";
  EXPECT_LE(r.bottom, 460);
}

TEST_F(ComboDropDown, ANarrowListEndsWhereItsCellEnds) {
  MakeComboGrid({"甲", "乙"});
  G->GetCols()->GetItem(1)->SetWidth(150);
  TtsCombo* combo = G->GetCols()->GetItem(1)->GetCombo();
  combo->GetGrid()->SetDefaultColWidth(60);
  G->ComboButtonDown(1, 1);
  Pump();
  TRect cell;
  G->CellRect(1, 1, cell);
  TPoint cellRight = G->ClientToScreen(TPoint(cell.left + G->GetColWidths(1), cell.bottom));
  EXPECT_EQ(DropDownBounds().right, cellRight.x);
  EXPECT_EQ(DropDownBounds().Width(), 60 + 2) << "the column and the list's border";
  // A grid freed with its list open takes its hooks with it.
  FreeAndNil(Form);
  EXPECT_FALSE(DropDownHooksInstalled());
  SetUp();
}

TEST_F(ComboDropDown, PlacingKeepsTheListOnTheWorkArea) {
  TWorkArea area(TRect(200, 100, 1000, 700));
  MakeComboGrid({"甲"});
  Integer rowHeight = G->GetRowHeights(G->GetDisplayRow(1));
  struct TCase {
    TPoint At, Size, Expected;
  };
  const TCase cases[] = {
      {TPoint(300, 200), TPoint(100, 80), TPoint(300, 200)},
      {TPoint(950, 200), TPoint(100, 80), TPoint(900, 200)},  // right-aligned with the work area
      {TPoint(150, 200), TPoint(900, 80), TPoint(200, 200)},  // wider than the area: at its left
      {TPoint(300, 650), TPoint(100, 80), TPoint(300, 650 - rowHeight - 1 - 80)},  // above the cell
      {TPoint(300, 680), TPoint(100, 700), TPoint(300, 100)},  // never above the area's top
  };
  for (const TCase& c : cases) {
    TPoint at = c.At;
    G->PositionDropDownForm(1, 1, at, c.Size);
    EXPECT_EQ(at, c.Expected) << c.At.x << "," << c.At.y;
  }
  TPoint popup;
  G->PositionPopupForm(1, 1, popup, TPoint(200, 100));
  EXPECT_EQ(popup, TPoint(500, 350)) << "centred on the work area";
}

TEST_F(ComboDropDown, EnterOnTheListTakesTheChosenRowIntoTheCell) {
  MakeComboGrid({"甲", "乙", "丙"});
  G->ComboButtonDown(1, 1);
  Pump();
  List()->SetCurrentDataRow(2);
  List()->CheckRowSelection(true);
  Key(VK_RETURN);
  EXPECT_FALSE(G->ComboVisible());
  EXPECT_EQ(VarToStr(G->GetCurrentCell()->GetValue()), "乙");
  EXPECT_EQ(Log, "down 1,1 up 1,1 ");
}

TEST_F(ComboDropDown, AnOpenListOfChineseRowsUnderItsCell) {
  Form->SetBounds(0, 0, 420, 300);
  MakeComboGrid({"北京拍卖行", "上海文物商店", "广州艺术品", "深圳收藏馆", "杭州古玩城"}, 400, 200);
  G->GetCols()->GetItem(1)->SetWidth(160);
  G->GetCols()->GetItem(1)->SetHeading("拍卖行");
  G->GetCols()->GetItem(2)->SetHeading("备注");
  G->SetCellValue(1, 1, Variant(String("上海文物商店")));
  TtsCombo* combo = G->GetCols()->GetItem(1)->GetCombo();
  combo->SetAutoSearch(asTop);
  combo->GetGrid()->SetDefaultColWidth(120);
  G->ComboButtonDown(1, 1);
  Pump();
  ASSERT_TRUE(Open());
  EXPECT_EQ(List()->GetCurrentDataRow(), 2) << "the list shows the cell's value";
  GdiSurface::TGdiSurface screen;
  ComposeScreen(screen);
  const String file = testing::TempDir() + "combo_open_list.png";
  RECT area{0, 0, 260, 120};
  ASSERT_TRUE(GdiPng::SaveSurfaceToPng(screen, file, &area));
  std::printf("picture: %s\n", file.c_str());
}

}  // namespace
