// The unit's small routines and the column's export texts: colour texts and system colours, the
// legacy alignment reader, and the HTML and XML texts of a column.
#include "GridControlTestSupport.h"
#include "Filer.h"
#include "Graphics.h"
#include "ObjectText.h"
#include "Streams.h"

using namespace GridControlTest;

namespace {

TEST(UnitRoutines, ColorToHexWritesRedFirst) {
  EXPECT_EQ(ColorToHex(Graphics::clRed), "FF0000");
  EXPECT_EQ(ColorToHex(0x00204080), "804020");
  EXPECT_EQ(ColorToHex(Graphics::clBtnFace), "0F0000");
}

TEST(UnitRoutines, TranslateColorGivesSystemColoursTheirCurrentValue) {
  for (TColor system = Graphics::clBackground; system <= Graphics::clInfoBk; ++system)
    EXPECT_EQ(TranslateColor(system), Graphics::ColorToRGB(system)) << std::hex << system;
  // Window text and highlight text read as the colours they are, not as a fixed table's.
  EXPECT_EQ(TranslateColor(Graphics::clWindowText), Graphics::ColorToRGB(Graphics::clWindowText));
  for (TColor other : {TColor(Graphics::clScrollBar), TColor(Graphics::clNone), TColor(0x00123456)})
    EXPECT_EQ(TranslateColor(other), other);
}

TEST(UnitRoutines, ReadAlignmentIdentIgnoresCase) {
  struct Case {
    const char* Ident;
    TAlignment Expected;
  };
  for (const Case& c : {Case{"TARIGHTJUSTIFY", taRightJustify}, Case{"taRightJustify", taRightJustify},
                        Case{"taCenter", taCenter}, Case{"taJustify", taLeftJustify}}) {
    auto stream = NewOwned<Streams::TMemoryStream>();
    {
      auto writer = NewOwned<Filer::TWriter>(stream.get());
      writer->WriteIdent(c.Ident);
    }
    stream->SetPosition(0);
    auto reader = NewOwned<Filer::TReader>(stream.get());
    EXPECT_EQ(ReadAlignmentIdent(reader.get()), c.Expected) << c.Ident;
  }
}

class ColumnTexts : public GridTest {};

TEST_F(ColumnTexts, HtmlTextsAlignAndEscape) {
  TtsCol* col = Grid->GetCols()->GetItem(1);
  col->SetHeading("Name");
  EXPECT_EQ(col->HTMLHeader(), "<th width=64>Name</th>");
  EXPECT_EQ(col->HTMLCell("12"), "<td>12</td>");
  col->SetAlignment(taRightJustify);
  EXPECT_EQ(col->HTMLCell("12"), "<td align=\"right\">12</td>");
  col->SetAlignment(taCenter);
  col->SetHeading("Q&A <\"x\">");
  EXPECT_EQ(col->HTMLHeader(), "<th width=64 align=\"center\">Q&amp;A &lt;&quot;x&quot;&gt;</th>");
  EXPECT_EQ(col->HTMLCell("a<b & c"), "<td align=\"center\">a&lt;b &amp; c</td>");
}

TEST_F(ColumnTexts, XmlHeadingIsAValidName) {
  struct Case {
    const char* FieldName;
    const char* Heading;
    const char* Expected;
  };
  for (const Case& c : {Case{"", "Unit Price", "Unit_Price"}, Case{"Amount", "Sum", "Amount"},
                        Case{"", "Price/Qty (EUR)", "Price_Qty__EUR_"}, Case{"", "2nd", "_2nd"},
                        Case{"", "", "_"}, Case{"a.b-c", "", "a.b-c"}}) {
    TtsCol* col = Grid->GetCols()->GetItem(2);
    col->SetFieldName(c.FieldName);
    col->SetHeading(c.Heading);
    EXPECT_EQ(col->XMLHeading(), c.Expected) << c.FieldName << "/" << c.Heading;
  }
}

}  // namespace
