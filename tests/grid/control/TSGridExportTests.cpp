// Export of the grid's content: the delimited text and the XML data packet to the byte, the
// separator names, which file name exports what, and random contents whose packets stay well-formed
// XML and whose delimited text reads back to the same values.
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>

#include <unistd.h>

#include "GridControlTestSupport.h"
#include "HeadlessBackend.h"
#include "Variants.h"
#include "WinInput.h"
#include "XmlWellFormed.h"

using namespace GridControlTest;

namespace {

class ExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Grid = New<TtsGrid>();
    Folder = std::filesystem::temp_directory_path() / ("grid-export-" + std::to_string(::getpid()));
    std::filesystem::remove_all(Folder);
    std::filesystem::create_directories(Folder);
  }
  void TearDown() override {
    FreeAndNil(Grid);
    std::filesystem::remove_all(Folder);
  }
  void Fill(const std::vector<String>& Headings, const std::vector<std::vector<String>>& Rows) {
    Grid->SetStoreData(true);
    Grid->SetGridColCount(static_cast<Integer>(Headings.size()));
    Grid->SetGridRowCount(static_cast<Integer>(Rows.size()));
    for (size_t c = 0; c < Headings.size(); ++c) Grid->GetCols()->GetItem(Integer(c) + 1)->SetHeading(Headings[c]);
    for (size_t r = 0; r < Rows.size(); ++r)
      for (size_t c = 0; c < Rows[r].size(); ++c) Grid->SetCellValue(Integer(c) + 1, Integer(r) + 1, Rows[r][c]);
  }
  String Path(const char* Name) const { return (Folder / Name).string(); }
  static std::string Read(const String& File) {
    std::ifstream in(File, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::string CSV() {
    Grid->ExportCSV(Path("grid.csv"));
    return Read(Path("grid.csv"));
  }
  std::string XML() {
    Grid->ExportXML(Path("grid.xml"));
    return Read(Path("grid.xml"));
  }

  TtsGrid* Grid = nullptr;
  std::filesystem::path Folder;
};

// Records of a delimited text whose every value is quoted and followed by the separator.
std::vector<std::vector<std::string>> ReadQuotedRecords(const std::string& Text, char Separator) {
  std::vector<std::vector<std::string>> records(1);
  size_t i = 0;
  while (i < Text.size()) {
    if (Text[i] == '"') {
      std::string value;
      for (++i; i < Text.size(); ++i) {
        if (Text[i] != '"') value += Text[i];
        else if (i + 1 < Text.size() && Text[i + 1] == '"') value += Text[++i];
        else break;
      }
      ++i;  // closing quote
      records.back().push_back(value);
      EXPECT_EQ(Text[i], Separator) << "a separator follows every value";
      ++i;
    } else if (Text.compare(i, 2, "\r\n") == 0) {
      records.emplace_back();
      i += 2;
    } else {
      ADD_FAILURE() << "unexpected byte " << int(Text[i]) << " at " << i;
      return records;
    }
  }
  records.pop_back();  // after the last line's CR LF
  return records;
}

TEST_F(ExportTest, DelimitedTextQuotesEveryValueAndSkipsHiddenAndPictureColumns) {
  Fill({"Item", "Secret", "Qty", "Photo"}, {{"Bolt", "x", "5", ""}, {"Say \"hi\"", "y", "12", ""}});
  Grid->GetCols()->GetItem(2)->SetVisible(false);
  Grid->GetCols()->GetItem(4)->SetControlType(ctPicture);
  EXPECT_EQ(CSV(), "\"Item\",\"Qty\",\r\n\"Bolt\",\"5\",\r\n\"Say \"\"hi\"\"\",\"12\",\r\n");
  Grid->SetGridColCount(0);
  EXPECT_EQ(CSV(), "\r\n\r\n\r\n") << "no columns: an empty line per row and the heading";
}

TEST_F(ExportTest, TheXMLPacketNamesEachFieldAndEscapesValues) {
  Fill({"Item Name", "Qty"}, {{"A&B", "5"}});
  EXPECT_EQ(XML(),
            "<?xml version=\"1.0\"  standalone=\"yes\"?> <DATAPACKET Version=\"2.0\"><METADATA><FIELDS>"
            "<FIELD attrname=\"Item_Name\" fieldtype=\"string\" /><FIELD attrname=\"Qty\" fieldtype=\"string\" />"
            "</FIELDS><PARAMS LCID=\"1033\"/></METADATA> <ROWDATA> \r\n\r\n"
            "<ROW Item_Name=\"A&amp;B\" Qty=\"5\" /></ROWDATA></DATAPACKET>\r\n");

  // Hidden columns are in the packet, pictures are not; '<' '>' and quotes are escaped in values
  // and names; a repeated name is numbered.
  Fill({"Qty", "Qty", "Photo"}, {{"it's <b>", "\"x\"", "p"}});
  Grid->GetCols()->GetItem(1)->SetVisible(false);
  Grid->GetCols()->GetItem(2)->SetFieldName("Q\"ty");
  Grid->GetCols()->GetItem(3)->SetControlType(ctPicture);
  Grid->GetXMLExport()->SetStandAlone(false);
  Grid->GetXMLExport()->SetEncoding("UTF-8");
  Grid->GetXMLExport()->SetDataPacketVersion("");
  const std::string xml = XML();
  EXPECT_EQ(xml.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?> <METADATA>", 0), 0u) << xml;
  EXPECT_NE(xml.find("<ROW Qty=\"it&apos;s &lt;b&gt;\" Q_ty=\"&quot;x&quot;\" />"), std::string::npos) << xml;
  EXPECT_NE(xml.find("</ROWDATA></DATAPACKET>"), std::string::npos) << "the packet end is always written";
}

// XML cannot carry these characters in any form: they are shown as U+FFFD, the rest of the value kept.
TEST_F(ExportTest, CharactersXMLCannotHoldBecomeReplacementMarks) {
  Fill({"Qty"}, {{std::string("a\x01" "b\tc\xff" "d")}});
  Grid->GetXMLExport()->SetEncoding("UTF-8");
  const std::string xml = XML();
  EXPECT_NE(xml.find("<ROW Qty=\"a\xEF\xBF\xBD" "b\tc\xEF\xBF\xBD" "d\" />"), std::string::npos) << xml;
  const XmlCheck::TResult check = XmlCheck::Check(xml);
  EXPECT_TRUE(check.WellFormed) << check.Error;
}

TEST_F(ExportTest, RepeatedFieldNamesTakeTheFirstFreeNumber) {
  Fill({"A", "A2", "A", "A"}, {{"1", "2", "3", "4"}});
  EXPECT_NE(Grid->GetXMLRowData(Variant(1)).find("<ROW A=\"1\" A2=\"2\" A3=\"3\" A4=\"4\" />"), String::npos)
      << Grid->GetXMLRowData(Variant(1));
}

TEST_F(ExportTest, TheDelimiterNamesATabOrALineBreakAndIsOtherwiseLiteral) {
  const struct {
    const char* Delimiter;
    const char* Line;
  } cases[] = {
      {"#9", "\"a\"\t\"b\"\t"},       {"#10", "\"a\"\n\"b\"\n"},          {"#13", "\"a\"\r\"b\"\r"},
      {"#10#13", "\"a\"#10#13\"b\"#10#13"}, {"TAB", "\"a\"TAB\"b\"TAB"}, {"", "\"a\"\"b\""},
      {";;", "\"a\";;\"b\";;"},
  };
  Fill({"a", "b"}, {});
  for (const auto& c : cases) {
    Grid->SetExportDelimiter(c.Delimiter);
    EXPECT_EQ(CSV(), std::string(c.Line) + "\r\n") << c.Delimiter;
  }
}

class ExportDialogTest : public WindowGridTest {};

TEST_F(ExportDialogTest, TheNameEndingChoosesTheFormat) {
  const auto folder = std::filesystem::temp_directory_path() / ("grid-export-dialog-" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  auto* grid = MakeGrid<TtsGrid>(200, 100, 1, 1);
  grid->SetStoreData(true);
  grid->SetCellValue(1, 1, "v");
  const struct {
    const char* Typed;
    const char* Written;  // nothing when empty
    bool Xml;
  } cases[] = {
      {"upper.XML", "upper.XML", true}, {"mixed.XmL", "mixed.XmL", true}, {"list.xmlx", "list.xmlx", false},
      {"plain", "plain.csv", false},    {"a.x", "", false},
  };
  for (const auto& c : cases) {
    InjectText((folder / c.Typed).string());
    InjectKeyPress(VK_RETURN);
    grid->ExportGrid();
    if (!*c.Written) {
      EXPECT_FALSE(std::filesystem::exists(folder / c.Typed)) << c.Typed;
      continue;
    }
    std::ifstream in(folder / c.Written, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text.rfind("<?xml", 0) == 0, c.Xml) << c.Typed << ": " << text;
  }
  std::filesystem::remove_all(folder);
}

// Random cell texts and headings with what markup and delimited text must protect: every packet
// is well-formed and the delimited text gives the values back.
TEST_F(ExportTest, RandomContentsStayWellFormedAndReadBack) {
  const std::vector<String> pieces = {"a",  "Z",      "9",  " ",  "\"", "'", "<",  ">",  "&",   "&amp;", "\r\n",
                                      "\n", "\r",     "中", "文", "，", "“", "”",  "-",  ".",   ":",     "xml",
                                      "]]>", "<!--", "?>", "=",  "\t", "|", "　", "#9", "名字"};
  std::mt19937 random(20261211);
  auto text = [&](Integer MaxPieces) {
    String result;
    for (Integer n = std::uniform_int_distribution<Integer>(0, MaxPieces)(random); n > 0; --n)
      result += pieces[random() % pieces.size()];
    return result;
  };
  for (Integer round = 0; round < 60; ++round) {
    const Integer cols = std::uniform_int_distribution<Integer>(1, 5)(random);
    const Integer rows = std::uniform_int_distribution<Integer>(0, 4)(random);
    std::vector<String> headings;
    for (Integer c = 0; c < cols; ++c) headings.push_back(random() % 3 ? text(3) : String("same"));
    std::vector<std::vector<String>> values(rows);
    for (auto& row : values)
      for (Integer c = 0; c < cols; ++c) row.push_back(text(4));
    Fill(headings, values);
    // A field name names the XML field; the heading shows it while the heading is empty.
    const String fieldName = random() % 2 ? text(2) : String();
    Grid->GetCols()->GetItem(1)->SetFieldName(fieldName);
    if (headings[0].empty()) headings[0] = fieldName;

    const std::string xml = XML();
    const XmlCheck::TResult check = XmlCheck::Check(xml);
    ASSERT_TRUE(check.WellFormed) << check.Error << "\n" << xml;
    EXPECT_EQ(rows ? check.Elements.at("ROW") : 0u, size_t(rows)) << xml;

    const auto records = ReadQuotedRecords(CSV(), ',');
    ASSERT_EQ(records.size(), size_t(rows) + 1);
    EXPECT_EQ(records[0], std::vector<std::string>(headings.begin(), headings.end()));
    for (Integer r = 0; r < rows; ++r)
      EXPECT_EQ(records[r + 1], std::vector<std::string>(values[r].begin(), values[r].end())) << "row " << r + 1;
  }
}

}  // namespace

namespace {

// The check itself refuses what a packet must never hold.
TEST(XmlWellFormedCheck, RefusesTheFaultsThatExportMustAvoid) {
  EXPECT_TRUE(XmlCheck::Check("<?xml version=\"1.0\"  standalone=\"yes\"?> <a b=\"&amp;&#20013;\" 名=\"x\"/>\r\n").WellFormed);
  for (const char* bad : {"<a b=\"<\"/>", "<a b=\"1\" b=\"2\"/>", "<a>&nbsp;</a>", "<a></b>", "<1a/>", "<a “=\"x\"/>",
                          "<a b=\"x\"c=\"y\"/>", "<a b=x/>", "<a/><b/>", "<a>]]></a>", "<a>&amp</a>", "<a b='\x01'/>"})
    EXPECT_FALSE(XmlCheck::Check(bad).WellFormed) << bad;
}

}  // namespace
