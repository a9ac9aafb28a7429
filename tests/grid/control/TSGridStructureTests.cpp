// Deleting, inserting and moving columns and rows against a plain model of both axes at once: what
// belongs to a column, a row or a cell (its settings, its own or automatic font, its selection mark,
// its place in the display order and the current cell) goes with it, and the deletions are reported
// from the highest number down.
#include <algorithm>
#include <map>
#include <random>
#include <set>

#include "Graphics.h"
#include "GridControlTestSupport.h"
#include "Strings.h"
#include "TSGridCells.h"
#include "TSGridColumns.h"

using namespace GridControlTest;

namespace {

// One axis: identities by data number and by display position; identities never come back.
struct AxisModel {
  std::vector<Integer> Data, Order;
  std::set<Integer> Selected;
  Integer NextId;
  explicit AxisModel(Integer FirstId) : NextId(FirstId) {}

  Integer Count() const { return Integer(Data.size()); }
  Integer DataOf(Integer Id) const { return Integer(std::find(Data.begin(), Data.end(), Id) - Data.begin()) + 1; }
  Integer PositionOf(Integer Id) const {
    return Integer(std::find(Order.begin(), Order.end(), Id) - Order.begin()) + 1;
  }
  bool Has(Integer Id) const { return std::find(Data.begin(), Data.end(), Id) != Data.end(); }
  Integer Append(Integer Position) {
    Integer id = NextId++;
    Data.push_back(id);
    Order.insert(Order.begin() + Position - 1, id);
    return id;
  }
  // Removes Id and answers its data number at the time.
  Integer Erase(Integer Id) {
    Integer data = DataOf(Id);
    Data.erase(Data.begin() + data - 1);
    Order.erase(Order.begin() + PositionOf(Id) - 1);
    Selected.erase(Id);
    return data;
  }
  // The selection gathered into one block at the drop place, in its present order; nothing
  // selected moves the dragged item alone.
  Integer MoveRange(Integer From, Integer To) {
    if (Selected.empty()) {
      Integer id = Order[From - 1];
      Order.erase(Order.begin() + From - 1);
      Order.insert(Order.begin() + To - 1, id);
      return To;
    }
    std::vector<Integer> block, rest;
    Integer before = 0, after = 0;
    for (Integer p = 1; p <= Count(); ++p) {
      Integer id = Order[p - 1];
      bool selected = Selected.count(id) > 0;
      (selected ? block : rest).push_back(id);
      if (selected && p < To) ++before;
      if (selected && p > To) ++after;
    }
    Integer start = To < From ? To - before : To + after - Integer(block.size()) + 1;
    rest.insert(rest.begin() + start - 1, block.begin(), block.end());
    Order = rest;
    return start;
  }
};

struct GridModel {
  AxisModel Cols{1}, Rows{101};
  std::map<Integer, TColor> ColColor, RowColor;
  std::map<std::pair<Integer, Integer>, Integer> CellTag;
  std::set<Integer> AutoFontCols, AutoFontRows;
  std::set<std::pair<Integer, Integer>> AutoFontCells;
  std::map<Integer, Integer> OwnFontCols;  // identity -> the size of its own font
  Integer CurCol = 0, CurRow = 0;          // identities of the current cell

  void EraseCol(Integer Id) {
    Cols.Erase(Id);
    AutoFontCols.erase(Id);
    OwnFontCols.erase(Id);
    std::erase_if(CellTag, [Id](const auto& E) { return E.first.first == Id; });
    std::erase_if(AutoFontCells, [Id](const auto& C) { return C.first == Id; });
  }
  void EraseRow(Integer Id) {
    Rows.Erase(Id);
    AutoFontRows.erase(Id);
    std::erase_if(CellTag, [Id](const auto& E) { return E.first.second == Id; });
    std::erase_if(AutoFontCells, [Id](const auto& C) { return C.second == Id; });
  }
};

class Structure : public ::testing::Test {
 protected:
  void SetUp() override {
    Grid = New<TtsGrid>();
    Grid->SetGridColCount(0);
    Grid->SetGridRowCount(0);
    Grid->OnDeleteCol = [this](TObject*, Integer Col, bool) { Deleted.push_back("c" + IntToStr(Col)); };
    Grid->OnDeleteRow = [this](TObject*, Integer Row, bool) { Deleted.push_back("r" + IntToStr(Row)); };
  }
  void TearDown() override { FreeAndNil(Grid); }

  void AddCol(Integer Position) {
    Integer id = M.Cols.Append(Position);
    if (Grid->GetGridColCount() + 1 == M.Cols.Count() && Position <= Grid->GetGridColCount())
      Grid->InsertCol(Position);
    else
      Grid->SetGridColCount(M.Cols.Count());
    TtsCol* col = Grid->GetCols()->GetItem(M.Cols.Count());
    M.ColColor[id] = TColor(0x010000 * id + 0x42);
    col->SetColor(M.ColColor[id]);
    col->SetWidth(20 + id % 5 * 3);
  }
  void AddRow(Integer Position) {
    Integer id = M.Rows.Append(Position);
    if (Grid->GetGridRowCount() + 1 == M.Rows.Count() && Position <= Grid->GetGridRowCount())
      Grid->InsertRow(Position);
    else
      Grid->SetGridRowCount(M.Rows.Count());
    M.RowColor[id] = TColor(0x0100 * id + 0x17);
    Grid->SetRowColor(M.Rows.Count(), M.RowColor[id]);
  }
  // Erases the columns (rows) of Ids; a deleted current one gives way to what then stands at its
  // place less the deleted ones before it.
  void EraseCols(const std::vector<Integer>& Ids) {
    ExpectedCol = DisplaceCurrent(M.Cols, M.CurCol, Ids);
    for (Integer id : Ids) M.EraseCol(id);
  }
  void EraseRows(const std::vector<Integer>& Ids) {
    ExpectedRow = DisplaceCurrent(M.Rows, M.CurRow, Ids);
    for (Integer id : Ids) M.EraseRow(id);
  }
  static Integer DisplaceCurrent(const AxisModel& Axis, Integer Current, const std::vector<Integer>& Ids) {
    if (std::find(Ids.begin(), Ids.end(), Current) == Ids.end()) return 0;
    Integer place = Axis.PositionOf(Current), before = 0;
    for (Integer id : Ids) before += Axis.PositionOf(id) < place;
    place -= before;
    return place <= Axis.Count() - Integer(Ids.size()) ? place : 0;
  }
  Integer ExpectedCol = 0, ExpectedRow = 0;

  void NoteCurrent() {
    Integer col = Grid->GetCurDataCol(), row = Grid->GetCurDataRow();
    M.CurCol = col >= 1 && col <= M.Cols.Count() ? M.Cols.Data[col - 1] : 0;
    M.CurRow = row >= 1 && row <= M.Rows.Count() ? M.Rows.Data[row - 1] : 0;
  }

  void Check(const String& Step) {
    SCOPED_TRACE(Step);
    ASSERT_EQ(Grid->GetGridColCount(), M.Cols.Count());
    ASSERT_EQ(Grid->GetGridRowCount(), M.Rows.Count());
    for (Integer p = 1; p <= M.Cols.Count(); ++p) {
      Integer id = M.Cols.Order[p - 1], data = M.Cols.DataOf(id);
      ASSERT_EQ(Grid->GetDataColnr(p), data) << "column at display " << p;
      TtsCol* col = Grid->GetCols()->GetItem(data);
      ASSERT_EQ(col->GetDisplayCol(), p);
      ASSERT_EQ(col->GetColor(), M.ColColor[id]) << "settings of data column " << data;
      ASSERT_EQ(Grid->GetColWidths(p), col->GetWidth()) << "width at display " << p;
      ASSERT_EQ(Grid->GetColSelection()->GetSelected(p), M.Cols.Selected.count(id) > 0) << "column mark " << p;
      ASSERT_EQ(Grid->GetVisibleColItems()->GetItem(p), p);
    }
    for (Integer p = 1; p <= M.Rows.Count(); ++p) {
      Integer id = M.Rows.Order[p - 1], data = M.Rows.DataOf(id);
      ASSERT_EQ(Grid->GetDataRownr(p), data) << "row at display " << p;
      ASSERT_EQ(Grid->GetDisplayRownr(data), p);
      ASSERT_EQ(Grid->GetRowColor(data), M.RowColor[id]) << "settings of data row " << data;
      ASSERT_EQ(Grid->GetRowSelection()->GetSelected(p), M.Rows.Selected.count(id) > 0) << "row mark " << p;
      ASSERT_EQ(Grid->GetVisibleRowItems()->GetItem(p), p);
    }
    for (Integer c = 1; c <= M.Cols.Count(); ++c)
      for (Integer r = 1; r <= M.Rows.Count(); ++r) {
        auto tag = M.CellTag.find({M.Cols.Data[c - 1], M.Rows.Data[r - 1]});
        ASSERT_EQ(Grid->GetCellTag(c, r), tag == M.CellTag.end() ? 0 : tag->second) << "cell " << c << "," << r;
      }
    if (M.CurCol) {
      ASSERT_EQ(Grid->GetCurDataCol(), M.Cols.DataOf(M.CurCol)) << "the current column stays with it";
      ASSERT_EQ(Grid->GetCurDisplayCol(), M.Cols.PositionOf(M.CurCol));
    }
    if (M.CurRow) {
      ASSERT_EQ(Grid->GetCurDataRow(), M.Rows.DataOf(M.CurRow)) << "the current row stays with it";
      ASSERT_EQ(Grid->GetCurDisplayRow(), M.Rows.PositionOf(M.CurRow));
    }
  }

  // The fonts that follow the grid's take a new size; the own font keeps its size.
  void CheckFonts(Integer Size) {
    Grid->GetFont()->SetSize(Size);
    for (Integer id : M.AutoFontCols)
      ASSERT_EQ(Grid->GetCols()->GetItem(M.Cols.DataOf(id))->GetFont()->GetSize(), Size) << "column " << id;
    for (const auto& [id, size] : M.OwnFontCols)
      ASSERT_EQ(Grid->GetCols()->GetItem(M.Cols.DataOf(id))->GetFont()->GetSize(), size) << "column " << id;
    for (Integer id : M.AutoFontRows)
      ASSERT_EQ(Grid->GetRowFont(M.Rows.DataOf(id))->GetSize(), Size) << "row " << id;
    for (const auto& [c, r] : M.AutoFontCells)
      ASSERT_EQ(Grid->GetCellFont(M.Cols.DataOf(c), M.Rows.DataOf(r))->GetSize(), Size) << "cell " << c << "," << r;
  }

  TtsGrid* Grid = nullptr;
  GridModel M;
  std::vector<String> Deleted;
};

TEST_F(Structure, DeletingAColumnCarriesTheOverridesAboveItDownByOne) {
  for (Integer i = 1; i <= 5; ++i) AddCol(i);
  for (Integer i = 1; i <= 4; ++i) AddRow(i);
  for (auto [c, r] : {std::pair{2, 1}, {3, 4}, {5, 2}}) {
    Grid->SetCellTag(c, r, c * 10 + r);
    M.CellTag[{c, 100 + r}] = c * 10 + r;
  }
  Grid->GetCols()->GetItem(4)->SetAutoCreateFont(true);
  M.AutoFontCols.insert(4);
  Grid->DeleteCols(2, 2);
  M.EraseCol(2);
  Check("delete 2 of 5");
  EXPECT_EQ(Grid->GetCellTag(2, 4), 34);
  EXPECT_EQ(Grid->GetCellTag(4, 2), 52);
  EXPECT_TRUE(Grid->GetCols()->GetItem(3)->GetAutoCreateFont());
  CheckFonts(13);
  EXPECT_EQ(Deleted, (std::vector<String>{"c2"}));
}

TEST_F(Structure, DeletionsInAnInsertModeGridLeaveTheInsertionRowAlone) {
  Grid->SetGridColCount(3);
  Grid->SetGridRowCount(4);
  Grid->SetGridMode(gmEditInsert);
  // Entering the insertion row makes it the fifth data row; deleting the last rows brings it back.
  Grid->SetCurrentCell(1, 5);
  ASSERT_EQ(Grid->GetGridRowCount(), 5);
  Deleted.clear();
  Grid->DeleteRows(4, 5);
  EXPECT_EQ(Deleted, (std::vector<String>{"r5", "r4"}));
  EXPECT_EQ(Grid->GetGridRowCount(), 3);
  EXPECT_TRUE(Grid->IsAppendRow(4));

  // The insertion row is never deleted: alone among the selected rows it leaves nothing to do.
  Integer insertion = Grid->GetRowCount() - 1;
  Grid->AddRowSelection(insertion, insertion);
  Deleted.clear();
  Grid->DeleteSelectedRows();
  EXPECT_EQ(Grid->GetGridRowCount(), 3);
  Grid->AddRowSelection(2, 2);
  Grid->DeleteSelectedRows();
  EXPECT_EQ(Deleted, (std::vector<String>{"r2"}));
  EXPECT_EQ(Grid->GetGridRowCount(), 2);
  EXPECT_TRUE(Grid->IsAppendRow(3));
}

TEST_F(Structure, RandomDeletionsInsertionsAndMovesCarryEverythingThatBelongsToAColumnOrRow) {
  for (unsigned seed : {1u, 2u, 3u}) {
    SCOPED_TRACE("seed " + IntToStr(Integer(seed)));
    FreeAndNil(Grid);
    M = GridModel();
    SetUp();
    std::mt19937 random(seed);
    auto pick = [&](Integer N) { return Integer(random() % unsigned(std::max<Integer>(N, 1))); };
    for (Integer i = 1; i <= 7; ++i) AddCol(i);
    for (Integer i = 1; i <= 9; ++i) AddRow(i);
    NoteCurrent();
    for (Integer step = 0; step < 600; ++step) {
      Integer cols = M.Cols.Count(), rows = M.Rows.Count();
      String op;
      Deleted.clear();
      std::vector<String> expected;
      switch (pick(12)) {
        case 0: {
          Integer from = pick(cols + 2), to = from + pick(3);
          op = Format("delete cols %d..%d", {from, to});
          std::vector<Integer> ids;
          for (Integer d = std::min(to, cols); d >= std::max(from, 1); --d) {
            expected.push_back("c" + IntToStr(d));
            ids.push_back(M.Cols.Data[d - 1]);
          }
          EraseCols(ids);
          Grid->DeleteCols(from, to);
          break;
        }
        case 1: {
          Integer from = pick(rows + 2), to = from + pick(3);
          op = Format("delete rows %d..%d", {from, to});
          std::vector<Integer> ids;
          for (Integer d = std::min(to, rows); d >= std::max(from, 1); --d) {
            expected.push_back("r" + IntToStr(d));
            ids.push_back(M.Rows.Data[d - 1]);
          }
          EraseRows(ids);
          Grid->DeleteRows(from, to);
          break;
        }
        case 2:
        case 3: {
          bool onCols = pick(2) == 0;
          AxisModel& axis = onCols ? M.Cols : M.Rows;
          if (axis.Count() == 0) break;
          Integer a = 1 + pick(axis.Count()), b = 1 + pick(axis.Count());
          if (b < a) std::swap(a, b);
          op = Format("select %s %d..%d", {String(onCols ? "cols" : "rows"), a, b});
          if (onCols)
            Grid->SelectCols(a, b, true);
          else
            Grid->SelectRows(a, b, true);
          // Selecting one kind takes the other away.
          (onCols ? M.Rows : M.Cols).Selected.clear();
          for (Integer p = a; p <= b; ++p) axis.Selected.insert(axis.Order[p - 1]);
          break;
        }
        case 4: {
          op = "delete selected cols";
          // Reported by the data number each has when its turn comes, the highest place first.
          AxisModel shrinking = M.Cols;
          std::vector<Integer> ids;
          for (Integer p = cols; p >= 1; --p) {
            Integer id = M.Cols.Order[p - 1];
            if (!M.Cols.Selected.count(id)) continue;
            expected.push_back("c" + IntToStr(shrinking.Erase(id)));
            ids.push_back(id);
          }
          EraseCols(ids);
          Grid->DeleteSelectedCols();
          break;
        }
        case 5: {
          op = "delete selected rows";
          AxisModel shrinking = M.Rows;
          std::vector<Integer> ids;
          for (Integer p = rows; p >= 1; --p) {
            Integer id = M.Rows.Order[p - 1];
            if (!M.Rows.Selected.count(id)) continue;
            expected.push_back("r" + IntToStr(shrinking.Erase(id)));
            ids.push_back(id);
          }
          EraseRows(ids);
          Grid->DeleteSelectedRows();
          break;
        }
        case 6:
          if (cols < 12) {
            Integer at = 1 + pick(cols + 1);
            op = Format("insert col at %d", {at});
            AddCol(at);
          }
          break;
        case 7:
          if (rows < 14) {
            Integer at = 1 + pick(rows + 1);
            op = Format("insert row at %d", {at});
            AddRow(at);
          }
          break;
        case 8: {
          bool onCols = pick(2) == 0;
          AxisModel& axis = onCols ? M.Cols : M.Rows;
          if (axis.Count() < 2) break;
          // A drag starts on a selected item, or on any when nothing is selected.
          std::vector<Integer> starts;
          for (Integer p = 1; p <= axis.Count(); ++p)
            if (axis.Selected.empty() || axis.Selected.count(axis.Order[p - 1])) starts.push_back(p);
          Integer from = starts[pick(Integer(starts.size()))], to = 1 + pick(axis.Count());
          op = Format("move %s %d to %d", {String(onCols ? "cols" : "rows"), from, to});
          if (from != to) axis.MoveRange(from, to);
          // The end of a drag puts the current cell where the mouse handling puts it: the column
          // on the drop place, the row with its data row.
          if (onCols) {
            Grid->MoveColRange(from, to);
            Grid->SetCurrentPosition(to, Grid->GetCurDisplayRow(), true, true);
          } else {
            Integer current = Grid->GetCurDataRow();
            Grid->MoveRowRange(from, to);
            Grid->SetCurrentPosition(Grid->GetCurDisplayCol(), Grid->GetDisplayRownr(current), true, true);
          }
          NoteCurrent();
          break;
        }
        case 9:
          if (cols > 0 && rows > 0) {
            op = "current";
            Grid->SetCurrentCell(1 + pick(cols), 1 + pick(rows));
          }
          break;
        default:
          if (cols > 0 && rows > 0) {
            Integer c = 1 + pick(cols), r = 1 + pick(rows);
            Integer colId = M.Cols.Data[c - 1], rowId = M.Rows.Data[r - 1];
            op = Format("settings %d,%d", {c, r});
            Grid->SetCellTag(c, r, colId * 1000 + rowId);
            M.CellTag[{colId, rowId}] = colId * 1000 + rowId;
            switch (pick(4)) {
              case 0:
                if (!M.OwnFontCols.count(colId)) {
                  Grid->GetCols()->GetItem(c)->SetAutoCreateFont(true);
                  M.AutoFontCols.insert(colId);
                }
                break;
              case 1:
                Grid->SetRowAutoCreateFont(r, true);
                M.AutoFontRows.insert(rowId);
                break;
              // A cell's automatic font follows its column's own font, so the two are kept apart.
              case 2:
                if (!M.OwnFontCols.count(colId)) {
                  NewOwned<TtsCell>(Grid, c, Variant(r))->SetAutoCreateFont(true);
                  M.AutoFontCells.insert({colId, rowId});
                }
                break;
              default:
                if (!M.AutoFontCols.count(colId) &&
                    std::none_of(M.AutoFontCells.begin(), M.AutoFontCells.end(),
                                 [colId](const auto& Cell) { return Cell.first == colId; })) {
                  TOwnedPtr<TFont> own = NewOwned<TFont>();
                  own->SetSize(30 + colId % 7);
                  Grid->GetCols()->GetItem(c)->SetFont(own.get());
                  Grid->GetCols()->GetItem(c)->SetParentFont(false);
                  M.OwnFontCols[colId] = 30 + colId % 7;
                }
            }
          }
      }
      if (ExpectedCol) EXPECT_EQ(Grid->GetCurDisplayCol(), ExpectedCol) << "step " << step << ": " << op;
      if (ExpectedRow) EXPECT_EQ(Grid->GetCurDisplayRow(), ExpectedRow) << "step " << step << ": " << op;
      ExpectedCol = ExpectedRow = 0;
      if (!M.Cols.Has(M.CurCol) || !M.Rows.Has(M.CurRow) || op == "current") NoteCurrent();
      Check(Format("step %d: %s", {step, op}));
      if (HasFatalFailure()) return;
      EXPECT_EQ(Deleted, expected) << "step " << step << ": " << op;
      if (step % 25 == 0) CheckFonts(8 + step / 25 % 9);
      if (HasFatalFailure()) return;
    }
  }
}

}  // namespace
