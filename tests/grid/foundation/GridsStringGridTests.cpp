// The draw grid's events, the string grid's cells, rows and columns, and the sparse lists that
// store them, with their limits and their "List" stream entry.
#include "GridsTestSupport.h"

#include "Filer.h"
#include "Streams.h"
#include "StringLists.h"
#include "WinUser.h"

using namespace GridsTest;

namespace {

class StringGrid : public GridFixture {};

TEST_F(StringGrid, TheDrawGridTurnsTheEnginesHooksIntoEvents) {
  auto grid = NewOwned<TTestGrid>(nullptr);
  std::vector<String> journal;
  grid->OnSelectCell = [&](TObject*, Integer ACol, Integer ARow, bool& CanSelect) {
    journal.push_back("select " + std::to_string(ACol) + "," + std::to_string(ARow));
    CanSelect = ACol != 3;
  };
  grid->OnGetEditText = [](TObject*, Integer ACol, Integer ARow, String& Value) { Value = "text"; };
  grid->OnGetEditMask = [](TObject*, Integer, Integer, String& Value) { Value = "000"; };
  grid->OnColumnMoved = [&](TObject*, Integer From, Integer To) {
    journal.push_back("column " + std::to_string(From) + ">" + std::to_string(To));
  };
  grid->OnTopLeftChanged = [&](TObject*) { journal.push_back("top left"); };
  grid->SetCol(2);
  grid->SetCol(3);
  EXPECT_EQ(grid->GetCol(), 2) << "the event refused column 3";
  grid->MoveColumn(1, 2);
  grid->SetTopRow(2);
  EXPECT_EQ(journal, (std::vector<String>{"select 2,1", "select 3,1", "column 1>2", "top left"}));
  Integer col = 0, row = 0;
  grid->MouseToCell(70, 30, col, row);
  EXPECT_EQ(col, 1);
  EXPECT_EQ(row, 2);
  EXPECT_EQ(grid->CellRect(1, 2), TRect(65, 25, 129, 49));
}

TEST_F(StringGrid, CellsLiveInSparseRowsWithinTheListsLimits) {
  auto grid = NewOwned<TTestGrid>(nullptr);
  grid->SetCells(3, 1000, "far");
  grid->SetObjects(5, 7, grid.get());
  EXPECT_EQ(grid->GetCells(3, 1000), "far");
  EXPECT_EQ(grid->GetCells(2, 1000), "");
  EXPECT_EQ(grid->GetCells(3, 999), "") << "a row without data reads empty";
  EXPECT_EQ(grid->GetObjects(5, 7), grid.get());
  EXPECT_EQ(grid->GetObjects(4, 7), nullptr);
  // A small grid keeps its rows in sections of 16: 65,536 sections hold 1,048,576 rows.
  try {
    grid->SetCells(0, 1048576, "beyond");
    ADD_FAILURE() << "no error";
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), "TLIST Error");
  }
  EXPECT_EQ(grid->GetCells(0, 1048576), "");
  grid->SetCells(0, 1048575, "last");
  EXPECT_EQ(grid->GetCells(0, 1048575), "last");
  EXPECT_THROW(grid->SetCells(-1, 2, "x"), EListError);
  EXPECT_THROW(grid->GetCells(1, -2), EListError);
}

TEST_F(StringGrid, RowsAndColumnsAreStringListsOfTheirCells) {
  auto grid = NewOwned<TTestGrid>(nullptr);
  StringLists::TStrings* row = grid->GetRows(2);
  EXPECT_EQ(row->GetCount(), 5);
  EXPECT_EQ(grid->GetCols(1)->GetCount(), 5);
  for (Integer i = 0; i < 5; ++i) EXPECT_EQ(row->Add(i == 2 ? String() : "v" + std::to_string(i)), i);
  EXPECT_EQ(row->Add("more"), -1) << "no empty position left";
  EXPECT_EQ(grid->GetCells(2, 2), " ") << "an empty string takes a blank";
  EXPECT_EQ(grid->GetCols(4)->GetStrings(2), "v4");
  try {
    row->Delete(1);
    ADD_FAILURE() << "no error";
  } catch (const EInvalidGridOperation& e) {
    EXPECT_EQ(e.Message(), "Cannot insert or delete rows from grid");
  }
  EXPECT_THROW(row->Insert(0, "x"), EInvalidGridOperation);

  auto source = NewOwned<StringLists::TStringList>();
  source->SetCommaText("a,b,c,d,e,f,g");
  grid->SetCols(1, source.get());
  EXPECT_EQ(grid->GetCells(1, 4), "e");
  EXPECT_EQ(grid->GetCells(1, 5), "") << "only as many as the column has";

  grid->GetRows(2)->Clear();
  for (Integer i = 0; i < 5; ++i) EXPECT_EQ(grid->GetCells(i, 2), "");
  grid->GetCols(1)->Clear();
  EXPECT_EQ(grid->GetCells(1, 0), "");
  EXPECT_EQ(grid->GetCells(1, 4), "");
}

TEST_F(StringGrid, MovingAColumnOrRowMovesItsStrings) {
  auto grid = NewOwned<TTestGrid>(nullptr);
  for (Integer r = 0; r < 5; ++r)
    for (Integer c = 0; c < 5; ++c) grid->SetCells(c, r, std::to_string(c) + std::to_string(r));
  grid->MoveColumn(1, 3);
  for (Integer r = 0; r < 5; ++r) {
    EXPECT_EQ(grid->GetCells(3, r), "1" + std::to_string(r));
    EXPECT_EQ(grid->GetCells(1, r), "2" + std::to_string(r));
  }
  EXPECT_EQ(grid->GetCols(3)->GetStrings(4), "14") << "the column view reads the moved cells";
  grid->MoveRow(4, 0);
  EXPECT_EQ(grid->GetCells(0, 0), "04");
  EXPECT_EQ(grid->GetCells(0, 1), "00");
}

TEST_F(StringGrid, ChangesWhileTheListsUpdateRepaintOnceAtTheEnd) {
  MakeGrid();
  Show();
  StringLists::TStrings* column = Grid->GetCols(2);
  column->BeginUpdate();
  column->SetStrings(1, "x");
  column->SetStrings(3, "y");
  EXPECT_EQ(UpdateBox(), TRect(0, 0, 0, 0)) << "nothing repainted yet";
  column->EndUpdate();
  EXPECT_EQ(UpdateBox(), TRect(0, 0, Grid->GetClientWidth(), Grid->GetClientHeight()));
  Pump();
  Grid->SetCells(2, 2, "z");
  const TRect cell = Grid->CellRect(2, 2);
  EXPECT_EQ(UpdateBox(), TRect(cell.left, cell.top, cell.right + 1, cell.bottom + 1)) << "one cell";
}

TEST_F(StringGrid, CodeReloadsAnOpenEditorButTheEditorsOwnTextDoesNot) {
  MakeGrid();
  Grid->SetOptions(Grid->GetOptions() + TGridOptions{goEditing, goAlwaysShowEditor});
  Grid->SetCells(1, 1, "old");
  Show();
  TInplaceEdit* editor = Grid->GetInplaceEditor();
  ASSERT_TRUE(editor && editor->Visible());
  EXPECT_EQ(editor->GetText(), "old");
  Grid->SetCells(1, 1, "new");
  EXPECT_EQ(editor->GetText(), "new");
  Key(VK_RETURN);  // the caret after the text
  Type("s");
  EXPECT_EQ(Grid->GetCells(1, 1), "news");
  EXPECT_EQ(editor->GetSelStart(), 4) << "the editor was not reloaded under the caret";
  EXPECT_EQ(editor->GetSelLength(), 0);
}

// ---- Sparse lists -----------------------------------------------------------------------------------
TEST(SparseList, GrowsWhereWrittenAndRefusesIndexesItCannotHold) {
  auto list = NewOwned<TSparseList>(SPASmall);
  int a = 1, b = 2, c = 3;
  list->Insert(10, &a);
  EXPECT_EQ(list->GetCount(), 11);
  list->Insert(2, &b);
  EXPECT_EQ(list->Get(11), &a) << "entries from the index move up";
  EXPECT_EQ(list->GetCount(), 12);
  list->Put(20, &c);
  EXPECT_EQ(list->GetCount(), 21);
  list->Put(20, nullptr);
  EXPECT_EQ(list->GetCount(), 12) << "the count follows the last entry";
  list->Delete(2);
  EXPECT_EQ(list->Get(10), &a);
  list->Delete(50);  // outside: ignored
  EXPECT_EQ(list->GetCount(), 11);
  list->Move(10, 0);
  EXPECT_EQ(list->Get(0), &a);
  list->Exchange(0, 5);
  EXPECT_EQ(list->Get(5), &a);
  EXPECT_EQ(list->Get(0), nullptr);
  std::vector<Integer> visited;
  list->Put(3, &b);
  list->ForAll([&](Integer Index, void*) {
    visited.push_back(Index);
    return 0;
  });
  EXPECT_EQ(visited, (std::vector<Integer>{3, 5}));

  EXPECT_EQ(list->MaxIndex(), 1048575);
  EXPECT_EQ(NewOwned<TSparseList>(SPALarge)->MaxIndex(), 16777215);
  EXPECT_THROW(list->Get(-1), EListError);
  EXPECT_THROW(list->Put(-1, &a), EListError);
  EXPECT_THROW(list->Put(1048576, &a), EListError);
  EXPECT_THROW(list->Insert(1048576, &a), EListError);
  EXPECT_EQ(list->Get(1048576), nullptr) << "nothing can be stored there";
  list->Put(1048575, &c);
  EXPECT_THROW(list->Insert(0, &a), EListError) << "the last entry would fall off";
  EXPECT_EQ(list->Get(1048575), &c);
}

// A component that stores a sparse string list as its published Items.
class TSparseHolder : public TComponent {
  DECLARE_CLASS(TSparseHolder, TComponent)
 public:
  explicit TSparseHolder(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  StringLists::TStrings* GetItems() const { return FItems; }
  void SetItems(StringLists::TStrings*) {}
  TStringSparseList* Items() const { return FItems; }

 protected:
  void Construct() override {
    inherited::Construct();
    FItems = New<TStringSparseList>(SPASmall);
  }
  void Destroy() override {
    FreeAndNil(FItems);
    inherited::Destroy();
  }

 private:
  TStringSparseList* FItems = nullptr;
};
IMPLEMENT_CLASS_PUBLISHED(TSparseHolder) { d.Property("Items", &TSparseHolder::GetItems, &TSparseHolder::SetItems); }

// A component whose "Items.List" entry holds what a damaged stream could.
class TDamagedHolder : public TComponent {
  DECLARE_CLASS(TDamagedHolder, TComponent)
 public:
  explicit TDamagedHolder(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  std::vector<Integer> Values;

 protected:
  void DefineProperties(Filer::TFiler* Filer) override {
    Filer->DefineProperty("Items.List", nullptr, TWriterProc([this](Filer::TWriter* Writer) {
                            for (size_t i = 0; i < Values.size(); ++i) {
                              if (i > 0 && i % 2 == 0) Writer->WriteString("s");
                              Writer->WriteInteger(Values[i]);
                            }
                            Writer->WriteString("s");
                          }),
                          true);
  }
};
IMPLEMENT_CLASS(TDamagedHolder)

TEST(StringSparseList, TheListEntryReadsBackTheStringsAtTheirIndexes) {
  auto holder = NewOwned<TSparseHolder>();
  TStringSparseList* items = holder->Items();
  items->SetStrings(3, "three");
  items->SetStrings(700, "seven hundred");
  items->SetStrings(5, "five");
  items->SetStrings(5, "");  // an empty string without an object holds no item
  auto stream = NewOwned<TMemoryStream>();
  WriteComponent(stream.get(), holder.get());
  stream->SetPosition(0);
  auto copy = NewOwned<TSparseHolder>();
  ReadComponent(stream.get(), copy.get());
  EXPECT_EQ(copy->Items()->GetCount(), 701);
  EXPECT_EQ(copy->Items()->GetStrings(3), "three");
  EXPECT_EQ(copy->Items()->GetStrings(700), "seven hundred");
  Integer stored = 0;
  copy->Items()->ForAll([&](Integer, void*) { return ++stored, 0; });
  EXPECT_EQ(stored, 2);

  // Counts and indexes the list cannot hold are refused before anything is stored.
  for (const std::vector<Integer>& values : {std::vector<Integer>{-1}, std::vector<Integer>{1, 1048576},
                                             std::vector<Integer>{1, -4}}) {
    auto damaged = NewOwned<TDamagedHolder>();
    damaged->Values = values;
    auto bad = NewOwned<TMemoryStream>();
    WriteComponent(bad.get(), damaged.get());
    bad->SetPosition(0);
    auto target = NewOwned<TSparseHolder>();
    EXPECT_THROW(ReadComponent(bad.get(), target.get()), EReadError) << values.size();
    EXPECT_EQ(target->Items()->GetCount(), 0);
  }
}

}  // namespace
