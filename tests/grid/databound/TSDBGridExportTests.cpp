// Export and printing of the data-bound grid: the delimited text and the XML data packet of the whole
// dataset to the byte, the field types of the packet, the dataset and the grid put back after a walk
// that ends or fails, the beep after a long packet, and what is refused without a dataset or a report.
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include <unistd.h>

#include "DBGridTestSupport.h"
#include "DateTime.h"
#include "HeadlessBackend.h"
#include "MemoryDataSet.h"
#include "Strings.h"
#include "TSDBGrid.h"
#include "TSGridReport.h"
#include "Variants.h"
#include "WinInput.h"

using namespace DBGridTest;

namespace {

// A report engine that notes which grid it was asked to print or preview.
class TDBExportFakeReport : public TosCustomGridReport {
  DECLARE_CLASS(TDBExportFakeReport, TosCustomGridReport)
 public:
  explicit TDBExportFakeReport(TComponent* AOwner = nullptr) : TosCustomGridReport(AOwner) {}
  void Print(TtsBaseGrid* Grid) override { Done.push_back("Print " + Grid->GetName()); }
  void PrintPreview(TtsBaseGrid* Grid) override { Done.push_back("Preview " + Grid->GetName()); }
  std::vector<String> Done;
};
IMPLEMENT_CLASS(TDBExportFakeReport)

// A grid whose delimited line fails on the record with the given id, and whose unbound cells show
// "v" and the record's id.
class TDBExportTestGrid : public TtsDBGrid {
 public:
  using TtsDBGrid::TtsDBGrid;
  void DoCellLoaded(Integer DataCol, const Variant& DataRow, Variant& Value) override {
    TtsDBGrid::DoCellLoaded(DataCol, DataRow, Value);
    if (!static_cast<TtsDBCol*>(GetCols()->GetItem(DataCol))->GetDBField())
      Value = "v" + GetDataset()->FieldByName("id")->GetAsString();
  }
  String GetCSVRowData(const Variant& DataRow) override {
    if (GetDataset()->FieldByName("id")->GetAsInteger() == FailingId) throw std::runtime_error("disk full");
    return TtsDBGrid::GetCSVRowData(DataRow);
  }
  Integer FailingId = 0;
};

std::string DBExportReadFile(const std::filesystem::path& File) {
  std::ifstream in(File, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class DBGridExportTest : public DBGridTest {
 protected:
  void SetUp() override {
    DBGridTest::SetUp();
    Grid->Free();
    TestGrid = New<TDBExportTestGrid>(Form);
    TestGrid->SetName("Grid");
    TestGrid->SetParent(Form);
    TestGrid->SetBounds(0, 0, 433, 413);
    Grid = TestGrid;
    Folder = std::filesystem::temp_directory_path() / ("dbgrid-export-" + std::to_string(::getpid()));
    std::filesystem::remove_all(Folder);
    std::filesystem::create_directories(Folder);
  }
  void TearDown() override {
    std::filesystem::remove_all(Folder);
    DBGridTest::TearDown();
  }
  // The fixture's records with a Null name in the third.
  void BindWithNullName() {
    Data->ClearRows();
    Data->AddRow({1, String("张三")});
    Data->AddRow({2, String("a \"b\"")});
    Data->AddRow({3, Null()});
    BindAndOpen();
  }
  // A dataset of Count records (id 1..Count) bound to the grid.
  void BindNumbered(Integer Count) {
    Data->ClearRows();
    for (Integer i = 1; i <= Count; ++i) Data->AddRow({i, "r" + IntToStr(i)});
    BindAndOpen();
  }
  std::string CSV() {
    Grid->ExportCSV((Folder / "grid.csv").string());
    return DBExportReadFile(Folder / "grid.csv");
  }
  std::string XML() {
    Grid->ExportXML((Folder / "grid.xml").string());
    return DBExportReadFile(Folder / "grid.xml");
  }

  TDBExportTestGrid* TestGrid = nullptr;
  std::filesystem::path Folder;
};

TEST_F(DBGridExportTest, DelimitedTextHasOneQuotedLinePerRecordWithEachSeparator) {
  BindWithNullName();
  const struct {
    const char* Delimiter;
    const char* Text;
  } cases[] = {
      {",", "\"id\",\"name\",\r\n\"1\",\"张三\",\r\n\"2\",\"a \"\"b\"\"\",\r\n\"3\",\"\",\r\n"},
      {"#9", "\"id\"\t\"name\"\t\r\n\"1\"\t\"张三\"\t\r\n\"2\"\t\"a \"\"b\"\"\"\t\r\n\"3\"\t\"\"\t\r\n"},
      // A line feed then a carriage return after each value: each record spreads over lines.
      {"#10#13",
       "\"id\"\n\r\"name\"\n\r\r\n\"1\"\n\r\"张三\"\n\r\r\n\"2\"\n\r\"a \"\"b\"\"\"\n\r\r\n\"3\"\n\r\"\"\n\r\r\n"},
      {"#13#10",
       "\"id\"#13#10\"name\"#13#10\r\n\"1\"#13#10\"张三\"#13#10\r\n\"2\"#13#10\"a \"\"b\"\"\"#13#10\r\n\"3\"#13#10\"\"#13#10\r\n"},
  };
  for (const auto& c : cases) {
    Grid->SetExportDelimiter(c.Delimiter);
    EXPECT_EQ(CSV(), c.Text) << c.Delimiter;
  }
}

// The columns are the visible ones in display order; a hidden column is left out.
TEST_F(DBGridExportTest, DelimitedTextFollowsTheDisplayOrderAndLeavesHiddenColumnsOut) {
  BindWithNullName();
  Grid->GetCols()->GetItem(1)->SetDisplayCol(2);
  EXPECT_EQ(CSV(), "\"name\",\"id\",\r\n\"张三\",\"1\",\r\n\"a \"\"b\"\"\",\"2\",\r\n\"\",\"3\",\r\n");
  Grid->GetCols()->GetItem(2)->SetVisible(false);
  EXPECT_EQ(CSV(), "\"id\",\r\n\"1\",\r\n\"2\",\r\n\"3\",\r\n");
}

TEST_F(DBGridExportTest, PacketNamesFieldTypesFromTheFieldsAndWritesDatesInFixedPatterns) {
  auto* typed = New<TMemoryDataSet>(Form);
  const struct {
    const char* Name;
    TFieldType Type;
    Integer Size;
    const char* FieldType;
  } fields[] = {
      {"s", ftString, 30, "\"string\" WIDTH=\"30\""},
      {"m", ftMemo, 12, "\"string\" WIDTH=\"12\""},
      {"si", ftSmallint, 0, "\"i4\""},
      {"i", ftInteger, 0, "\"i4\""},
      {"w", ftWord, 0, "\"i4\""},
      {"ai", ftAutoInc, 0, "\"i4\" SUBTYPE=\"Autoinc\""},
      {"b", ftBoolean, 0, "\"boolean\""},
      {"f", ftFloat, 0, "\"r8\""},
      {"bcd", ftBCD, 4, "\"r8\""},
      {"c", ftCurrency, 0, "\"r8\" SUBTYPE=\"Money\""},
      {"d", ftDate, 0, "\"date\""},
      {"t", ftTime, 0, "\"time\""},
      {"dt", ftDateTime, 0, "\"datetime\""},
      {"ws", ftWideString, 10, "\"string\""},
  };
  String metadata = "<METADATA><FIELDS>";
  for (const auto& f : fields) {
    typed->FieldDefs()->Add(f.Name, f.Type, f.Size);
    metadata += String("<FIELD attrname=\"") + f.Name + "\" fieldtype=" + f.FieldType + " />";
  }
  metadata += "</FIELDS><PARAMS LCID=\"1033\"/></METADATA>";
  const TDateTime day = EncodeDate(2024, 3, 5);
  const TDateTime moment = day + EncodeTime(14, 7, 9, 250);
  typed->AddRow({String("x<y"), String("memo"), 1, 2, 3, 4, true, 1.5, 2.25, 3.5, VarFromDateTime(day), VarFromDateTime(EncodeTime(14, 7, 9, 0)),
                 VarFromDateTime(moment), String("wide")});
  typed->AddRow({});
  Source->SetDataSet(typed);
  BindAndOpen();
  typed->Open();

  EXPECT_EQ(Grid->GetXMLMetaData(), metadata);
  const std::string packet = XML();
  const std::string rows = packet.substr(packet.find("<ROWDATA>"));
  // Other values are the cell values' texts: a check box's state, a currency's display text, a time.
  // A Null date or date-time is written as nothing.
  const std::string first = "<ROW s=\"x&lt;y\" m=\"memo\" si=\"1\" i=\"2\" w=\"3\" ai=\"4\" b=\"1\" f=\"1.5\" "
                            "bcd=\"2.25\" c=\"￥3.50\" d=\"20240305\" t=\"14:07:09\" dt=\"20240305T14:07:09250\" "
                            "ws=\"wide\" />";
  const std::string second =
      "<ROW s=\"\" m=\"\" si=\"\" i=\"\" w=\"\" ai=\"\" b=\"2\" f=\"\" bcd=\"\" c=\"\" d=\"\" t=\"\" dt=\"\" ws=\"\" />";
  EXPECT_EQ(rows, "<ROWDATA> \r\n\r\n" + first + "\r\n\r\n" + second + "</ROWDATA></DATAPACKET>\r\n");
  EXPECT_EQ(packet.rfind("<?xml version=\"1.0\"  standalone=\"yes\"?> <DATAPACKET Version=\"2.0\">", 0), 0u) << packet;
}

// The walk puts the dataset back on its record and the grid shows the same rows, whether it ends or
// fails half way; the failure reaches the caller.
TEST_F(DBGridExportTest, WalkRestoresTheRecordTheViewAndTheControls) {
  BindNumbered(60);
  Data->SetRecNo(40);
  const String top = Grid->GetGridData()->GetBookmark(1);
  for (Integer failingId : {0, 7}) {
    TestGrid->FailingId = failingId;
    if (failingId) {
      EXPECT_THROW(CSV(), std::runtime_error);
    } else {
      // Records on screen and off it alike are read where the walk stands.
      std::string expected = "\"id\",\"name\",\r\n";
      for (int id = 1; id <= 60; ++id) expected += "\"" + std::to_string(id) + "\",\"r" + std::to_string(id) + "\",\r\n";
      EXPECT_EQ(CSV(), expected);
    }
    EXPECT_EQ(Data->GetRecNo(), 40) << failingId;
    EXPECT_EQ(Grid->GetGridData()->GetBookmark(1), top) << failingId;
    EXPECT_FALSE(Data->ControlsDisabled()) << failingId;
    EXPECT_TRUE(Grid->GetEnablePaint()) << failingId;
    EXPECT_TRUE(Grid->GetEnableRedraw()) << failingId;
  }
  XML();
  EXPECT_EQ(Data->GetRecNo(), 40);
}

// A column bound to no field is plain text in the packet; its value is the cell's, empty where the
// cell shows a picture.
TEST_F(DBGridExportTest, UnboundColumnsWriteTheirCellValues) {
  Grid->SetFieldState(fsCustomized);
  Grid->SetGridColCount(2);
  Grid->GetCols()->GetItem(1)->SetFieldName("id");
  Grid->GetCols()->GetItem(2)->SetHeading("note");
  BindNumbered(2);
  Grid->SetDBCellControlType(2, Variant(BookmarkOf(2)), ctPicture);
  EXPECT_EQ(Grid->GetXMLMetaData(), "<METADATA><FIELDS><FIELD attrname=\"id\" fieldtype=\"i4\" /><FIELD attrname=\"note\" "
                                    "fieldtype=\"string\" /></FIELDS><PARAMS LCID=\"1033\"/></METADATA>");
  const std::string packet = XML();
  EXPECT_NE(packet.find("<ROW id=\"1\" note=\"v1\" />\r\n\r\n<ROW id=\"2\" note=\"\" /></ROWDATA>"), std::string::npos)
      << packet;
  EXPECT_EQ(CSV(), "\"id\",\"note\",\r\n\"1\",\"v1\",\r\n\"2\",\"v2\",\r\n");
}

// The file named in the save dialog is written in the format its ending names.
TEST_F(DBGridExportTest, ExportGridWritesTheFormatTheFileNameEndsIn) {
  BindNumbered(2);
  for (const char* name : {"records.xml", "records.csv"}) {
    InjectText((Folder / name).string());
    InjectKeyPress(VK_RETURN);
    Grid->ExportGrid();
    EXPECT_EQ(DBExportReadFile(Folder / name).rfind(name == std::string("records.xml") ? "<?xml" : "\"id\",", 0), 0u)
        << name;
  }
}

TEST_F(DBGridExportTest, PacketOfTwentyRecordsOrMoreBeeps) {
  for (Integer count : {19, 20}) {
    BindNumbered(count);
    const int before = BeepCount();
    XML();
    EXPECT_EQ(BeepCount() - before, count >= 20 ? 1 : 0) << count;
  }
}

TEST_F(DBGridExportTest, ExportNeedsAnActiveDatasetAndPrintingAReport) {
  auto message = [](auto Call) {
    try {
      Call();
    } catch (const Exception& e) {
      return String(e.Message());
    }
    return String("no exception");
  };
  EXPECT_EQ(message([&] { Grid->ExportGrid(); }), "No active Dataset to Export!");
  Grid->SetDataSource(Source);
  EXPECT_EQ(message([&] { Grid->ExportGrid(); }), "No active Dataset to Export!");
  const String noReport = "Gridoak requires a GridReport component to be associated to this grid to support printing !";
  EXPECT_EQ(message([&] { Grid->Print(); }), noReport);
  EXPECT_EQ(message([&] { Grid->PrintPreview(); }), noReport);

  auto* report = New<TDBExportFakeReport>(Form);
  Grid->SetGridReport(report);
  Grid->PrintPreview();
  Grid->Print();
  EXPECT_EQ(report->Done, (std::vector<String>{"Preview Grid", "Print Grid"}));
}

}  // namespace
