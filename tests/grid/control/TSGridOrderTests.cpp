// The display order over the data order, checked against a plain model on random operation
// sequences: moves, hiding, inserting, deleting and count changes, with the visible lists, the
// selections (and their cached first, last and count), the grid status, the per-cell overrides
// that follow their data column or row, and the current cell. TtsSelection on its own too.
#include <algorithm>
#include <random>

#include "GridControlTestSupport.h"
#include "Bits.h"
#include "Strings.h"
#include "TSSetLib.h"

using namespace GridControlTest;

namespace {

// ---- TtsSelection -------------------------------------------------------------------------------------
void CheckSelectionInvariants(TtsSelection* S, const std::vector<bool>& Model) {
  Integer count = 0, first = -1, last = -1;
  for (Integer i = 1; i < S->GetSize(); ++i) {
    ASSERT_EQ(S->GetSelected(i), bool(Model[i])) << i;
    if (!Model[i]) continue;
    ++count;
    if (first < 0) first = i;
    last = i;
  }
  ASSERT_FALSE(S->GetSelected(0));
  ASSERT_EQ(S->Count, count);
  ASSERT_EQ(S->First, first);
  ASSERT_EQ(S->Last, last);
}

TEST(Selection, CachedNumbersFollowEveryChange) {
  auto selection = NewOwned<TtsSelection>();
  selection->SetSize(10);
  EXPECT_FALSE(selection->GetSelected(0));
  EXPECT_FALSE(selection->GetSelected(10));
  EXPECT_EQ(selection->Next(0), -1);
  for (Integer i : {3, 5, 8}) selection->SetSelected(i, true);
  EXPECT_EQ(selection->Next(3), 5);
  EXPECT_EQ(selection->Previous(8), 5);
  EXPECT_EQ(selection->RangeCount(4, 9), 2);
  EXPECT_EQ(selection->RangeCount(9, 2), 3);
  EXPECT_EQ(selection->RangeCount(9, 20), 0);
  selection->SetSize(6);
  EXPECT_EQ(selection->Count, 2);
  EXPECT_EQ(selection->Last, 5);

  std::mt19937 random(7);
  std::vector<bool> model(40);
  selection->SetSize(0);
  selection->SetSize(40);
  for (int step = 0; step < 4000; ++step) {
    Integer i = random() % 42 - 1;
    switch (random() % 5) {
      case 0: {
        Integer size = 1 + random() % 40;
        selection->SetSize(size);
        model.resize(size);
        selection->SetSize(40);
        model.resize(40);
        break;
      }
      case 1: {
        Integer a = random() % 44 - 2, b = random() % 44 - 2, count = 0;
        for (Integer k = std::max(std::min(a, b), 1); k <= std::min(std::max(a, b), 39); ++k) count += model[k];
        ASSERT_EQ(selection->RangeCount(a, b), count);
        break;
      }
      default:
        bool value = random() % 2;
        selection->SetSelected(i, value);
        if (i >= 1 && i < 40) model[i] = value;
    }
    CheckSelectionInvariants(selection.get(), model);
    if (HasFatalFailure()) return;
  }
}

// ---- The display order against a model ------------------------------------------------------------------
// One axis (columns or rows) of the grid through its own accessors.
struct Axis {
  virtual ~Axis() = default;
  virtual Integer Count() = 0;
  virtual void SetCount(Integer N) = 0;
  virtual Integer DataAt(Integer Display) = 0;
  virtual Integer DisplayOf(Integer Data) = 0;
  virtual void Move(Integer Data, Integer To) = 0;
  virtual void SetVisible(Integer Data, bool Value) = 0;
  virtual void Insert(Integer Display) = 0;
  virtual void Delete(Integer From, Integer To) = 0;
  virtual void DeleteSelected() = 0;
  virtual void Add(Integer A, Integer B) = 0;
  virtual void Remove(Integer A, Integer B) = 0;
  virtual void Change(Integer A, Integer B) = 0;
  virtual TtsSelection* Selection() = 0;
  virtual TtsVisibleItems* VisibleItems() = 0;
  virtual Integer Extent(Integer Display) = 0;
  virtual Integer OwnExtent(Integer Data) = 0;
  virtual Integer Tag(Integer Data) = 0;
  virtual void SetTag(Integer Data, Integer Value) = 0;
  virtual TtsGridStatus Status() = 0;
  virtual Integer CurrentDisplay() = 0;
  virtual Integer CurrentData() = 0;
};

struct ColAxis : Axis {
  TtsBaseGrid* G;
  explicit ColAxis(TtsBaseGrid* Grid) : G(Grid) {}
  Integer Count() override { return G->GetGridColCount(); }
  void SetCount(Integer N) override { G->SetGridColCount(N); }
  Integer DataAt(Integer Display) override { return G->GetDataColnr(Display); }
  Integer DisplayOf(Integer Data) override { return G->GetCols()->GetItem(Data)->GetDisplayCol(); }
  void Move(Integer Data, Integer To) override { G->GetCols()->GetItem(Data)->SetDisplayCol(To); }
  void SetVisible(Integer Data, bool Value) override { G->GetCols()->GetItem(Data)->SetVisible(Value); }
  void Insert(Integer Display) override { G->InsertCol(Display); }
  void Delete(Integer From, Integer To) override { G->DeleteCols(From, To); }
  void DeleteSelected() override { G->DeleteSelectedCols(); }
  void Add(Integer A, Integer B) override { G->AddColSelection(A, B); }
  void Remove(Integer A, Integer B) override { G->DeleteColSelection(A, B); }
  void Change(Integer A, Integer B) override { G->ChangeColSelection(A, B); }
  TtsSelection* Selection() override { return G->GetColSelection(); }
  TtsVisibleItems* VisibleItems() override { return G->GetVisibleColItems(); }
  Integer Extent(Integer Display) override { return G->GetColWidths(Display); }
  Integer OwnExtent(Integer Data) override { return G->GetCols()->GetItem(Data)->GetWidth(); }
  Integer Tag(Integer Data) override { return G->GetCellTag(Data, 1); }
  void SetTag(Integer Data, Integer Value) override { G->SetCellTag(Data, 1, Value); }
  TtsGridStatus Status() override { return G->GetGridStatus() == grColSelect ? grColSelect : grNormal; }
  Integer CurrentDisplay() override { return G->GetCurDisplayCol(); }
  Integer CurrentData() override { return G->GetCurDataCol(); }
};

struct RowAxis : Axis {
  TtsBaseGrid* G;
  explicit RowAxis(TtsBaseGrid* Grid) : G(Grid) {}
  Integer Count() override { return G->GetGridRowCount(); }
  void SetCount(Integer N) override { G->SetGridRowCount(N); }
  Integer DataAt(Integer Display) override { return G->GetDataRownr(Display); }
  Integer DisplayOf(Integer Data) override { return G->GetDisplayRownr(Data); }
  void Move(Integer Data, Integer To) override { G->SetDisplayRownr(Data, To); }
  void SetVisible(Integer Data, bool Value) override { G->SetRowVisible(Data, Value); }
  void Insert(Integer Display) override { G->InsertRow(Display); }
  void Delete(Integer From, Integer To) override { G->DeleteRows(From, To); }
  void DeleteSelected() override { G->DeleteSelectedRows(); }
  void Add(Integer A, Integer B) override { G->AddRowSelection(A, B); }
  void Remove(Integer A, Integer B) override { G->DeleteRowSelection(A, B); }
  void Change(Integer A, Integer B) override { G->ChangeRowSelection(A, B); }
  TtsSelection* Selection() override { return G->GetRowSelection(); }
  TtsVisibleItems* VisibleItems() override { return G->GetVisibleRowItems(); }
  Integer Extent(Integer Display) override { return G->GetRowHeights(Display); }
  Integer OwnExtent(Integer Data) override { return G->GetRows()->GetRowHeight(Data); }
  Integer Tag(Integer Data) override { return G->GetCellTag(1, Data); }
  void SetTag(Integer Data, Integer Value) override { G->SetCellTag(1, Data, Value); }
  TtsGridStatus Status() override { return G->GetGridStatus() == grRowSelect ? grRowSelect : grNormal; }
  Integer CurrentDisplay() override { return G->GetCurDisplayRow(); }
  Integer CurrentData() override { return G->GetCurDataRow(); }
};

// The model: display position p shows entry Order[p - 1]; an entry is the identity of a data
// column (row), its data number being its index in Data plus one.
struct Model {
  std::vector<Integer> Data;        // identities by data number
  std::vector<Integer> Order;       // identities in display order
  std::map<Integer, bool> Visible;  // by identity
  std::map<Integer, bool> Selected; // by identity
  Integer NextId = 1;

  Integer DataNumber(Integer Id) const { return Integer(std::find(Data.begin(), Data.end(), Id) - Data.begin()) + 1; }
  Integer Position(Integer Id) const {
    return Integer(std::find(Order.begin(), Order.end(), Id) - Order.begin()) + 1;
  }
  Integer Append() {
    Integer id = NextId++;
    Data.push_back(id);
    Order.push_back(id);
    Visible[id] = true;
    Selected[id] = false;
    return id;
  }
  void Move(Integer Id, Integer To) {
    Order.erase(Order.begin() + Position(Id) - 1);
    Order.insert(Order.begin() + To - 1, Id);
  }
  void Erase(Integer Id) {
    Data.erase(Data.begin() + DataNumber(Id) - 1);
    Order.erase(Order.begin() + Position(Id) - 1);
    Visible.erase(Id);
    Selected.erase(Id);
  }
  Integer SelectedCount() const {
    Integer n = 0;
    for (Integer id : Data) n += Selected.at(id);
    return n;
  }
};

void Normalise(Integer& A, Integer& B, Integer Max, bool& Empty) {
  if (B < A) std::swap(A, B);
  Empty = B < 1;
  A = std::max(A, 1);
  B = std::min(B, Max);
}

void CheckAgainstModel(Axis& X, Model& M, const char* Step) {
  Integer n = X.Count();
  ASSERT_EQ(n, Integer(M.Data.size())) << Step;
  std::vector<Integer> visiblePositions;
  for (Integer p = 1; p <= n; ++p) {
    Integer id = M.Order[p - 1];
    Integer data = M.DataNumber(id);
    ASSERT_EQ(X.DataAt(p), data) << Step << " at display " << p;
    ASSERT_EQ(X.DisplayOf(data), p) << Step << " data " << data;
    ASSERT_EQ(X.Tag(data), id) << Step << " overrides follow data " << data;
    ASSERT_EQ(X.Selection()->GetSelected(p), M.Selected[id]) << Step << " selection at " << p;
    ASSERT_EQ(X.Extent(p), M.Visible[id] ? X.OwnExtent(data) : 0) << Step << " extent at " << p;
    if (M.Visible[id]) visiblePositions.push_back(p);
  }
  TtsVisibleItems* items = X.VisibleItems();
  ASSERT_EQ(items->GetSize(), Integer(visiblePositions.size())) << Step;
  for (size_t i = 0; i < visiblePositions.size(); ++i)
    ASSERT_EQ(items->GetItem(Integer(i) + 1), visiblePositions[i]) << Step << " visible entry " << i + 1;
  TtsSelection* s = X.Selection();
  Integer count = M.SelectedCount(), first = -1, last = -1;
  for (Integer p = 1; p <= n; ++p) {
    if (!M.Selected[M.Order[p - 1]]) continue;
    if (first < 0) first = p;
    last = p;
  }
  ASSERT_EQ(s->Count, count) << Step;
  ASSERT_EQ(s->First, first) << Step;
  ASSERT_EQ(s->Last, last) << Step;
  ASSERT_EQ(X.Status() != grNormal, count > 0) << Step;
  if (n > 0 && X.CurrentDisplay() > 0) {
    ASSERT_EQ(X.DataAt(X.CurrentDisplay()), X.CurrentData()) << Step;
  }
}

void RunModel(TtsBaseGrid* Grid, Axis& X, unsigned Seed) {
  Model m;
  X.SetCount(0);
  for (int i = 0; i < 6; ++i) m.Append();
  X.SetCount(6);
  for (Integer d = 1; d <= 6; ++d) X.SetTag(d, m.Data[d - 1]);
  std::mt19937 random(Seed);
  auto pick = [&]() { return m.Data[random() % m.Data.size()]; };
  for (int step = 0; step < 1500; ++step) {
    Integer n = Integer(m.Data.size());
    String name;
    switch (random() % 9) {
      case 0:
        if (n > 0) {
          Integer id = pick(), to = 1 + random() % n;
          name = "move";
          X.Move(m.DataNumber(id), to);
          m.Move(id, to);
        }
        break;
      case 1:
        if (n > 0) {
          Integer id = pick();
          bool value = random() % 3 != 0;
          name = "visible";
          X.SetVisible(m.DataNumber(id), value);
          m.Visible[id] = value;
          if (!value) m.Selected[id] = false;
        }
        break;
      case 2:
        if (n < 12) {
          Integer at = 1 + random() % (n + 1);
          name = "insert";
          X.Insert(at);
          Integer id = m.Append();
          m.Move(id, at);
          X.SetTag(n + 1, id);
        }
        break;
      case 3: {
        Integer from = Integer(random() % (n + 2)) - 1, to = from + Integer(random() % 3);
        name = "delete";
        X.Delete(from, to);
        std::vector<Integer> gone;
        for (Integer d = std::max(from, 1); d <= std::min(to, n); ++d) gone.push_back(m.Data[d - 1]);
        for (Integer id : gone) m.Erase(id);
        break;
      }
      case 4: {
        Integer count = random() % 10;
        name = "count";
        X.SetCount(count);
        while (Integer(m.Data.size()) > count) m.Erase(m.Data.back());
        while (Integer(m.Data.size()) < count) {
          Integer id = m.Append();
          X.SetTag(Integer(m.Data.size()), id);
        }
        break;
      }
      case 5:
      case 6: {
        Integer a = Integer(random() % (n + 3)) - 1, b = Integer(random() % (n + 3)) - 1;
        Integer kind = random() % 3;
        name = kind == 0 ? "add" : kind == 1 ? "remove" : "change";
        if (kind == 0) X.Add(a, b);
        if (kind == 1) X.Remove(a, b);
        if (kind == 2) X.Change(a, b);
        bool empty;
        Normalise(a, b, n, empty);
        if (empty) break;
        for (Integer p = a; p <= b; ++p) {
          Integer id = m.Order[p - 1];
          if (kind == 0 && m.Visible[id]) m.Selected[id] = true;
          if (kind == 1) m.Selected[id] = false;
          if (kind == 2 && m.Visible[id]) m.Selected[id] = !m.Selected[id];
        }
        break;
      }
      case 7:
        if (random() % 4 == 0) {
          name = "delete selected";
          X.DeleteSelected();
          std::vector<Integer> gone;
          for (Integer id : m.Data)
            if (m.Selected[id]) gone.push_back(id);
          for (Integer id : gone) m.Erase(id);
        }
        break;
      default:
        if (n > 0) {
          name = "current";
          Grid->SetCurrentCell(1 + random() % Grid->GetGridColCount(), 1 + random() % Grid->GetGridRowCount());
        }
    }
    CheckAgainstModel(X, m, name.c_str());
    if (::testing::Test::HasFatalFailure()) {
      ADD_FAILURE() << "step " << step;
      return;
    }
  }
}

class DisplayOrder : public GridTest {};

TEST_F(DisplayOrder, ColumnsFollowAPermutationModel) {
  Grid->SetGridRowCount(3);
  ColAxis axis(Grid);
  RunModel(Grid, axis, 1);
}

TEST_F(DisplayOrder, RowsFollowAPermutationModel) {
  Grid->SetGridColCount(3);
  RowAxis axis(Grid);
  RunModel(Grid, axis, 2);
}

}  // namespace

namespace {

class Selections : public GridTest {
 protected:
  std::vector<std::pair<TtsSelectType, bool>> Notices;
  void SetUp() override {
    GridTest::SetUp();
    Grid->SetGridColCount(6);
    Grid->SetGridRowCount(8);
    Grid->OnSelectChanged = [this](TObject*, TtsSelectType Type, bool ByUser) { Notices.push_back({Type, ByUser}); };
  }
  String Selected(TtsSelection* S) {
    String text;
    for (Integer i = S->Next(0); i != -1; i = S->Next(i)) text += (text.empty() ? "" : ",") + IntToStr(i);
    return text;
  }
};

TEST_F(Selections, RangesKeepTheStatusAndSkipHiddenPositions) {
  Grid->AddColSelection(0, 3);
  EXPECT_EQ(Selected(Grid->GetColSelection()), "1,2,3");
  EXPECT_EQ(Grid->GetGridStatus(), grColSelect);
  Grid->DeleteColSelection(1, 3);
  EXPECT_EQ(Grid->GetGridStatus(), grNormal);
  Grid->GetCols()->GetItem(2)->SetVisible(false);
  Grid->AddColSelection(1, 3);
  EXPECT_EQ(Selected(Grid->GetColSelection()), "1,3");
  // A range wholly beyond the last position selects nothing (it used to turn round onto the last).
  Grid->DeleteAllColSelection();
  Grid->ChangeColSelection(9, 9);
  Grid->AddColSelection(7, 12);
  EXPECT_EQ(Grid->GetColSelection()->Count, 0);
  EXPECT_EQ(Grid->GetGridStatus(), grNormal);

  Grid->AddRowSelection(3, 3);
  Grid->AddRowSelection(6, 6);
  Grid->ChangeRowSelection(2, 4);
  EXPECT_EQ(Selected(Grid->GetRowSelection()), "2,4,6");
  EXPECT_EQ(Grid->GetGridStatus(), grRowSelect);
}

TEST_F(Selections, EachKindIsReportedOncePerOperationInOrder) {
  Grid->AddRowSelection(1, 2);
  Grid->AddColSelection(1, 2);
  Grid->SelectionsChanged(true);
  ASSERT_EQ(Notices.size(), 2u);
  EXPECT_EQ(Notices[0], std::make_pair(stRowSelect, true));
  EXPECT_EQ(Notices[1], std::make_pair(stColSelect, true));
  Grid->SelectionsChanged(false);
  EXPECT_EQ(Notices.size(), 2u);
}

TEST_F(Selections, ProgramSelectionRemovesTheOtherKinds) {
  Grid->SelectRows(2, 4, true);
  EXPECT_EQ(Selected(Grid->GetRowSelection()), "2,3,4");
  EXPECT_EQ(Grid->GetGridStatus(), grRowSelect);
  // Deselecting columns while rows are selected does nothing.
  Grid->SelectCols(1, 2, false);
  EXPECT_EQ(Grid->GetRowSelection()->Count, 3);
  Grid->SelectCols(2, 3, true);
  EXPECT_EQ(Grid->GetRowSelection()->Count, 0);
  EXPECT_EQ(Selected(Grid->GetColSelection()), "2,3");
  EXPECT_EQ(Grid->GetGridStatus(), grColSelect);
  Grid->SelectRows(1, 1, false);
  EXPECT_EQ(Grid->GetColSelection()->Count, 2);
  Grid->SelectRows(5, 6, true);
  EXPECT_EQ(Grid->GetColSelection()->Count, 0);
  EXPECT_EQ(Selected(Grid->GetRowSelection()), "5,6");
  Grid->DeleteSelections({}, false);
  EXPECT_EQ(Grid->GetGridStatus(), grNormal);
  EXPECT_EQ(Grid->GetRowSelection()->Count, 0);
}

TEST_F(Selections, SingleRowModeSelectsOneRowWhichBecomesCurrent) {
  Grid->SetRowSelectMode(rsSingle);
  Grid->SelectRows(3, 5, true);
  EXPECT_EQ(Grid->GetRowSelection()->Count, 0);
  Grid->SelectRows(4, 4, true);
  EXPECT_EQ(Selected(Grid->GetRowSelection()), "4");
  EXPECT_EQ(Grid->GetCurDisplayRow(), 4);
  Grid->SelectRows(6, 6, true);
  EXPECT_EQ(Selected(Grid->GetRowSelection()), "6");
  // List-box mode keeps the current row as the one selected row.
  Grid->SetGridMode(gmListBox);
  Grid->SetCurrentCell(2, 2);
  EXPECT_EQ(Selected(Grid->GetRowSelection()), "2");
  Grid->SelectRows(2, 2, false);
  EXPECT_EQ(Selected(Grid->GetRowSelection()), "2");
}

TEST_F(Selections, SelectAllAndQueries) {
  Grid->SetRowVisible(3, false);
  Grid->MDSelectAll(false);
  EXPECT_EQ(Selected(Grid->GetRowSelection()), "1,2,4,5,6,7,8");
  EXPECT_TRUE(Grid->IsCellSelected(2, 4));
  EXPECT_TRUE(Grid->IsCellSelected(0, 4));
  EXPECT_FALSE(Grid->IsCellSelected(0, 0));
  EXPECT_FALSE(Grid->IsCellSelected(2, 0));
  EXPECT_TRUE(Grid->RowRangeUnselected(3, 3));
  EXPECT_FALSE(Grid->RowRangeUnselected(5, 2));
  EXPECT_THROW(Grid->CellSelected(7, 1), EInvalidGridOperation);
  // A fixed data column is selectable only with SelectFixed.
  Grid->SetFixedColCount(1);
  EXPECT_TRUE(Grid->CanSelect(1, -1));
  Grid->SetSelectFixed(false);
  EXPECT_FALSE(Grid->CanSelect(1, -1));
  EXPECT_TRUE(Grid->CanSelect(2, -1));
}

TEST_F(Selections, MovingASelectedColumnCarriesItsMark) {
  Grid->AddColSelection(2, 2);
  Grid->GetCols()->GetItem(2)->SetDisplayCol(5);
  EXPECT_EQ(Selected(Grid->GetColSelection()), "5");
  EXPECT_EQ(DisplayColOrder(Grid), "1,3,4,5,2,6");
}

}  // namespace
