// The data-bound grid in streams: the "DataBound" and "ColPropCount" entries, per-record rows and
// cells read as DataRow-keyed collections that wait for active data, and damaged layout streams.
#include <filesystem>
#include <random>

#include "ADODB.h"
#include "DBGridTestSupport.h"
#include "DateTime.h"
#include "Filer.h"
#include "Multibyte.h"
#include "ObjectText.h"
#include "SeedCorpus.h"
#include "SqliteDatabase.h"
#include "StringLists.h"
#include "Strings.h"
#include "Streams.h"
#include "Strings.h"
#include "TSDBGridStreaming.h"
#include "WindowPictures.h"
#include "../../../tools/fuzz/TSDBGridLayoutFuzz.h"

namespace DBGridTest {
namespace {

String FormText(TComponent* Component, TComponent* Ancestor = nullptr) {
  auto stream = NewOwned<Streams::TMemoryStream>();
  if (Ancestor)
    Filer::WriteDescendent(stream.get(), Component, Ancestor);
  else
    stream->WriteComponent(Component);
  String bytes(static_cast<size_t>(stream->GetSize()), '\0');
  stream->SetPosition(0);
  if (!bytes.empty()) stream->ReadBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
  return ObjectBinaryToTextString(bytes);
}

void ReadText(TComponent* Component, const String& Text) {
  String binary = ObjectTextToBinaryString(Text);
  auto stream = NewOwned<Streams::TMemoryStream>();
  stream->WriteBuffer(binary.data(), static_cast<Integer>(binary.size()));
  stream->SetPosition(0);
  stream->ReadComponent(Component);
}

bool Has(const String& Text, const String& Entry) { return Text.find(Entry) != String::npos; }

TEST_F(DBGridTest, DataBoundIsAlwaysWrittenAndColPropCountOnlyForInheritedCustomizedForms) {
  String unbound = FormText(Grid);
  EXPECT_TRUE(Has(unbound, "DataBound = False"));
  EXPECT_FALSE(Has(unbound, "ColPropCount"));
  Grid->SetDataSource(Source);
  Grid->SetFieldState(fsCustomized);
  String bound = FormText(Grid);
  EXPECT_TRUE(Has(bound, "DataBound = True"));
  EXPECT_FALSE(Has(bound, "ColPropCount"));
  EXPECT_FALSE(Has(bound, "\n  Rows = "));
  auto* ancestor = New<TtsDBGrid>(Form);
  EXPECT_TRUE(Has(FormText(Grid, ancestor), "ColPropCount = "));
}

TEST_F(DBGridTest, ReadingDataBoundFalseUnbindsAGridWhoseStreamAnnouncedNoBoundProperties) {
  Grid->SetDataSource(Source);
  ReadText(Grid, "object Grid: TtsDBGrid\n  DataBound = False\nend\n");
  EXPECT_FALSE(Grid->GetDataBound());
  EXPECT_EQ(nullptr, Grid->GetDataSource());
}

const char* const PerRecordRows =
    "object Grid: TtsDBGrid\n"
    "  DataBound = True\n"
    "  RowProperties = <\n"
    "    item\n      DataRow = 'bookmark-1'\n    end\n"
    "    item\n      DataRow = 42\n    end\n"
    "    item\n      DataRow = Null\n    end>\n"
    "  CellProperties = <\n"
    "    item\n      DataCol = 2\n      DataRow = 'bookmark-2'\n    end>\n"
    "end\n";

TEST_F(DBGridTest, StreamedPerRecordPropertiesWaitForActiveDataWithTheirDataRows) {
  Grid->SetDataSource(Source);  // the dataset stays closed
  ReadText(Grid, PerRecordRows);
  EXPECT_FALSE(Grid->GetReadBoundProps());
  TtsDBRowCollection* rows = Grid->GetDBRowCollection();
  ASSERT_EQ(3, rows->Count());
  EXPECT_EQ("bookmark-1", static_cast<TtsDBRowItem*>(rows->GetItem(0))->GetDataRow().ToString());
  EXPECT_EQ(42, static_cast<TtsDBRowItem*>(rows->GetItem(1))->GetDataRow().ToInteger());
  EXPECT_TRUE(VarIsNull(static_cast<TtsDBRowItem*>(rows->GetItem(2))->GetDataRow()));
  TtsDBCellCollection* cells = Grid->GetDBCellCollection();
  ASSERT_EQ(1, cells->Count());
  EXPECT_EQ(2, static_cast<TtsDBCellItem*>(cells->GetItem(0))->GetDataCol());
  // Inactive data keeps them; a deactivation (applying with Clear) discards them.
  Grid->CheckApplyProps(false);
  EXPECT_EQ(3, rows->Count());
  Grid->CheckApplyProps(true);
  EXPECT_EQ(0, Grid->GetDBRowCollection()->Count());
  EXPECT_EQ(0, Grid->GetDBCellCollection()->Count());
}

TEST_F(DBGridTest, AnUnboundGridReadsRowsByNumber) {
  ReadText(Grid,
           "object Grid: TtsDBGrid\n  DataBound = False\n  RowProperties = <\n"
           "    item\n      DataRow = 2\n      Row.Color = clRed\n    end>\nend\n");
  EXPECT_EQ(0, Grid->GetDBRowCollection()->Count());
  EXPECT_EQ(clRed, Grid->GetRowColor(2));
}

TEST_F(DBGridTest, ALayoutStreamOfABoundGridSaysSoAndReadsBack) {
  Grid->SetDataSource(Source);
  auto stream = NewOwned<Streams::TMemoryStream>();
  Grid->SaveToStream(stream.get(), false);
  String bytes(static_cast<size_t>(stream->GetSize()), '\0');
  stream->SetPosition(0);
  stream->ReadBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
  EXPECT_TRUE(Has(ObjectBinaryToTextString(bytes), "DataBound = True"));
  stream->SetPosition(0);
  Grid->LoadFromStream(stream.get(), cmaNone);
  EXPECT_FALSE(Grid->GetReadBoundProps());
  EXPECT_TRUE(Grid->GetDataBound());
}

TEST_F(DBGridTest, ALayoutCutShortLeavesTheGridReadingItsOwnRowsAgain) {
  Grid->SetDataSource(Source);
  auto stream = NewOwned<Streams::TMemoryStream>();
  Grid->SaveToStream(stream.get(), false);
  auto cut = NewOwned<Streams::TMemoryStream>();
  cut->WriteBuffer(stream->GetMemory(), static_cast<Integer>(stream->GetSize() / 2));
  cut->SetPosition(0);
  EXPECT_THROW(Grid->LoadFromStream(cut.get(), cmaNone), Exception);
  EXPECT_FALSE(Grid->GetReadBoundProps());
}

TEST(DBGridLayoutFuzz, SeedsLoadAndDamagedLayoutsEndInOrdinaryErrors) {
  auto seeds = SeedCorpus("TSDBGridLayout");
  ASSERT_GE(seeds.size(), 2u);
  std::mt19937 random(20261211);
  for (const auto& seed : seeds) {
    EXPECT_TRUE(tsFuzzDBGridLayout(seed.data(), seed.size()));
    for (size_t cut = 0; cut < seed.size(); cut += 5) tsFuzzDBGridLayout(seed.data(), cut);
    for (int round = 0; round < 150; ++round) {
      std::vector<uint8_t> mutated = seed;
      for (int flips = 1 + static_cast<int>(random() % 3); flips > 0; --flips)
        mutated[random() % mutated.size()] = static_cast<uint8_t>(random());
      tsFuzzDBGridLayout(mutated.data(), mutated.size());
    }
  }
}

}  // namespace
}  // namespace DBGridTest

namespace DBGridTest {
namespace {

// The application's timer list: five customized columns, the last two hidden date-time buttons.
void LayOutTimerList(TtsDBGrid* Grid) {
  struct Column {
    const char* Field;
    const char* Heading;
    Integer Width;
    bool Button;
  };
  const Column columns[] = {{"wpm", "物品名", 97, false},
                            {"ddsj", "到期时间", 164, false},
                            {"sjc", "距到期相差秒", 105, false},
                            {nullptr, "秒表", 38, true},
                            {nullptr, "修改时间", 70, true}};
  Grid->SetFieldState(fsCustomized);
  Grid->SetGridColCount(5);
  Grid->SetDefaultRowHeight(19);
  Grid->SetHeadingHeight(18);
  for (Integer i = 0; i < 5; ++i) {
    TtsCol* col = Grid->GetCols()->GetItem(i + 1);
    if (columns[i].Field) col->SetFieldName(columns[i].Field);
    col->SetHeading(columns[i].Heading);
    col->SetWidth(columns[i].Width);
    if (columns[i].Button) {
      col->SetButtonType(btDateTimePopup);
      col->SetHeadingColor(clWindow);
      col->SetVisible(false);
    }
  }
  Grid->GetCols()->GetItem(1)->SetHorzAlignment(TSCommon::htaCenter);
  Grid->GetCols()->GetItem(1)->SetHeadingHorzAlignment(TSCommon::htaCenter);
  Grid->GetCols()->GetItem(2)->SetHeadingHorzAlignment(TSCommon::htaCenter);
}

// The grid's form text without its data source reference, which the test binds by hand.
String WithoutDataSource(String Text) {
  size_t at = Text.find("  DataSource = ");
  if (at != String::npos) Text.erase(at, Text.find('\n', at) + 1 - at);
  return Text;
}

TEST_F(DBGridTest, TheTimerListsGridResourceReadsAndWritesBackEqual) {
  Grid->SetDataSource(Source);
  LayOutTimerList(Grid);
  String written = WithoutDataSource(FormText(Grid));
  size_t bound = written.find("DataBound = True");
  ASSERT_NE(String::npos, bound) << written;
  EXPECT_LT(bound, written.find("ColProperties = <"));
  EXPECT_FALSE(Has(written, "ColPropCount"));
  EXPECT_FALSE(Has(written, "\n  Rows = "));
  EXPECT_TRUE(Has(written, "AssignedValues"));

  auto* copy = New<TtsDBGrid>(Form);
  copy->SetName("Copy");
  copy->SetDataSource(Source);
  String asCopy = written;
  asCopy.replace(asCopy.find("object Grid:"), 12, "object Copy:");
  ReadText(copy, asCopy);
  EXPECT_EQ(5, copy->GetGridColCount());
  EXPECT_EQ(fsCustomized, copy->GetFieldState());
  EXPECT_FALSE(copy->GetCols()->GetItem(4)->GetVisible());
  EXPECT_EQ(asCopy, WithoutDataSource(FormText(copy)));
}

// The timer list read from its form text and bound to the application's query over a database file:
// the seconds column is computed by the query on the program clock, and the rows are painted.
TEST_F(DBGridTest, TheTimerListsGridResourcePaintsOverAQuery) {
  Grid->SetDataSource(Source);
  LayOutTimerList(Grid);
  String text = WithoutDataSource(FormText(Grid));
  text.replace(text.find("object Grid:"), 12, "object List:");

  char folder[] = "/tmp/at-dblist-XXXXXX";
  String dir = mkdtemp(folder), file = dir + "/vaskeldb.db";
  std::vector<String> schema = {
      "CREATE TABLE dat_buy (id INTEGER PRIMARY KEY AUTOINCREMENT, wpm TEXT, ddsj TEXT, flag INTEGER NOT NULL DEFAULT 0)"};
  const char* due[] = {"2026-12-10 12:16:40", "2026-12-10 12:33:20", "2026-12-10 12:50:00"};
  for (int i = 0; i < 3; ++i)
    schema.push_back("INSERT INTO dat_buy (wpm, ddsj) VALUES ('物品" + IntToStr(i + 1) + "', '" + due[i] + "')");
  SqliteDatabase::CreateDatabaseFile(file, "582047", schema, false);
  TManualClock clock;
  clock.SetNow(EncodeDate(2026, 12, 10) + EncodeTime(12, 0, 0, 0));
  TClockOverride clockInUse{clock};
  auto* con = New<TADOConnection>(Form);
  con->SetLoginPrompt(false);
  con->SetConnectionString(Utf8ToWide("Provider=Microsoft.Jet.OLEDB.4.0;Data Source='" + file +
                                      "';Persist Security Info=False;Jet OLEDB:Database Password=582047"));
  auto* query = New<TADOQuery>(Form);
  query->SetConnection(con);
  query->SQL()->SetText("select IIF(len(ddsj) > 5,DateDiff('s',NOW(),ddsj),' ') AS sjc,*  from dat_buy");
  auto* source = New<TDataSource>(Form);
  source->SetDataSet(query);

  auto* list = New<TtsDBGrid>(Form);
  list->SetName("List");
  list->SetParent(Form);
  list->SetBounds(0, 0, 433, 413);
  ReadText(list, text);
  list->SetDataSource(source);
  query->Open();
  Grid->SetVisible(false);
  Form->Show();
  Application->ProcessMessages();
  EXPECT_TRUE(SaveWindowPng(Form->GetHandle(), testing::TempDir() + "dbgrid-timer-list-query.png"));

  ASSERT_TRUE(list->GetDataActive());
  EXPECT_EQ(5, list->GetGridColCount()) << "the stored layout, not one column per field";
  EXPECT_EQ(3, list->GetGridRowCount());
  EXPECT_EQ("物品2", list->GetCellValue(1, 2).ToString());
  EXPECT_EQ("2000", list->GetCellValue(3, 2).ToString()) << "seconds left on the program clock";
  TRect cell;
  list->CellRect(1, 2, cell);
  EXPECT_GT(WindowPictures::CountPixels(list, cell, ColorToRGB(clBlack)), 10) << "the item name is painted";
  query->Close();
  con->Close();
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace DBGridTest
