// Layout streaming: the grid's own entries of its form stream (column, row and cell overrides,
// moved columns and rows, stored values, the entries of older versions, an ancestor), layouts saved
// and loaded on demand by property kind and subset, column matching by field name, the registry,
// and the layout reader against damaged input.
#include <random>

#include "GridControlTestSupport.h"
#include "Exceptions.h"
#include "FileNames.h"
#include "Filer.h"
#include "ObjectText.h"
#include "Registry.h"
#include "SeedCorpus.h"
#include "Streams.h"
#include "Strings.h"
#include "TSCommon.h"
#include "../../../tools/fuzz/TSGridLayoutFuzz.h"

using namespace GridControlTest;

namespace {

String Bytes(Streams::TStream* Stream) {
  String bytes(static_cast<size_t>(Stream->GetSize()), '\0');
  Stream->SetPosition(0);
  if (!bytes.empty()) Stream->ReadBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
  return bytes;
}

String FormBinary(TtsBaseGrid* Grid, TtsBaseGrid* Ancestor = nullptr) {
  auto stream = NewOwned<Streams::TMemoryStream>();
  if (Ancestor)
    Filer::WriteDescendent(stream.get(), Grid, Ancestor);
  else
    stream->WriteComponent(Grid);
  return Bytes(stream.get());
}

String FormText(TtsBaseGrid* Grid, TtsBaseGrid* Ancestor = nullptr) {
  return ObjectBinaryToTextString(FormBinary(Grid, Ancestor));
}

void ReadBinary(TtsBaseGrid* Grid, const String& Binary) {
  auto stream = NewOwned<Streams::TMemoryStream>();
  stream->WriteBuffer(Binary.data(), static_cast<Integer>(Binary.size()));
  stream->SetPosition(0);
  stream->ReadComponent(Grid);
}

bool Has(const String& Text, const String& Entry) { return Text.find(Entry) != String::npos; }

// The message of the read error that a form text raises, or "" when it reads.
String ReadError(TtsBaseGrid* Grid, const String& Text) {
  try {
    ReadBinary(Grid, ObjectTextToBinaryString(Text));
  } catch (const EReadError& e) {
    return e.Message();
  }
  return String();
}

class Streaming : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    if (!GetClass("TTestGrid")) RegisterClass(TTestGrid::StaticClass());
  }
  TtsCol* Col(TtsBaseGrid* G, Integer DataCol) { return G->GetCols()->GetItem(DataCol); }
  // A grid with a moved column, own column, row and cell settings, a moved row and stored values.
  TTestGrid* Furnished() {
    TTestGrid* g = NewGrid(5, 6);
    g->SetName("Grid1");
    Col(g, 3)->SetDisplayCol(1);
    Col(g, 2)->SetColor(Graphics::clYellow);
    Col(g, 2)->SetHeading("Price");
    Col(g, 4)->SetFieldName("Qty");
    g->SetDisplayRownr(4, 2);
    g->SetRowColor(5, Graphics::clAqua);
    g->SetCellColor(2, 3, Graphics::clRed);
    g->SetCellReadOnly(4, 1, roOn);
    g->SetStoreData(true);
    g->SetCellValue(1, 1, "one");
    g->SetCellValue(5, 6, "last");
    return g;
  }
  void ExpectFurnished(TtsBaseGrid* g) {
    EXPECT_EQ(g->GetGridColCount(), 5);
    EXPECT_EQ(g->GetGridRowCount(), 6);
    EXPECT_EQ(DisplayColOrder(g), "3,1,2,4,5");
    EXPECT_EQ(Col(g, 2)->GetColor(), Graphics::clYellow);
    EXPECT_EQ(Col(g, 2)->GetHeading(), "Price");
    EXPECT_EQ(Col(g, 4)->GetFieldName(), "Qty");
    EXPECT_EQ(DisplayRowOrder(g), "1,4,2,3,5,6");
    EXPECT_EQ(g->GetRowColor(5), Graphics::clAqua);
    EXPECT_EQ(g->GetCellColor(2, 3), Graphics::clRed);
    EXPECT_EQ(g->IsCellReadOnly(4, 1), roOn);
    EXPECT_EQ(VarToStr(g->GetCellValue(1, 1)), "one");
    EXPECT_EQ(VarToStr(g->GetCellValue(5, 6)), "last");
  }
};

TEST_F(Streaming, AFormStreamCarriesOverridesOrderAndValues) {
  TTestGrid* source = Furnished();
  String text = FormText(source);
  for (const char* entry : {"ColProperties", "RowProperties", "CellProperties", "Data = {"})
    EXPECT_TRUE(Has(text, entry)) << entry << "\n" << text;
  EXPECT_FALSE(Has(text, "ColWidths"));
  TTestGrid* target = NewGrid();
  // Events that need the grid loaded are not fired while the form is read.
  Integer moves = 0;
  target->OnColMoved = [&](TObject*, Integer, Integer, bool) { ++moves; };
  ReadBinary(target, FormBinary(source));
  ExpectFurnished(target);
  EXPECT_EQ(moves, 0);
  Col(target, 5)->SetDisplayCol(2);
  EXPECT_EQ(moves, 1);
  Col(target, 5)->SetDisplayCol(5);
  // Written again, the stream is the same.
  EXPECT_EQ(FormText(target), text);
}

TEST_F(Streaming, ANewGridWritesNoEntriesOfItsOwn) {
  Grid->SetName("Grid1");
  String text = FormText(Grid);
  for (const char* entry : {"ColProperties", "RowProperties", "CellProperties", "Data = {"})
    EXPECT_FALSE(Has(text, entry)) << entry;
  // A moved column is written even with default settings, so the order survives.
  Col(Grid, 4)->SetDisplayCol(1);
  Grid->SetDisplayRownr(3, 1);
  text = FormText(Grid);
  EXPECT_TRUE(Has(text, "ColProperties"));
  EXPECT_TRUE(Has(text, "RowProperties"));
  TTestGrid* target = NewGrid();
  ReadBinary(target, FormBinary(Grid));
  EXPECT_EQ(DisplayColOrder(target), "4,1,2,3");
  EXPECT_EQ(DisplayRowOrder(target), "3,1,2,4");
  // Rows that only moved leave no row objects behind.
  for (Integer row = 1; row <= 4; ++row) EXPECT_EQ(target->GetRows()->GetItem(row), nullptr) << row;
}

TEST_F(Streaming, SaveAllOffLeavesTheCollectionsAndDataOut) {
  TTestGrid* source = Furnished();
  source->SetSaveAllProps(false);
  String text = FormText(source);
  for (const char* entry : {"ColProperties", "RowProperties", "CellProperties", "Data = {"})
    EXPECT_FALSE(Has(text, entry)) << entry;
  source->SetSaveAllProps(true);
  source->SetSaveAllProps(true);
  EXPECT_TRUE(Has(FormText(source), "Data = {"));
}

TEST_F(Streaming, AnInheritedGridLikeItsAncestorWritesNoColumns) {
  TTestGrid* ancestor = Furnished();
  TTestGrid* form = Furnished();
  String text = FormText(form, ancestor);
  EXPECT_FALSE(Has(text, "ColProperties")) << text;
  Col(form, 1)->SetColor(Graphics::clLime);
  EXPECT_TRUE(Has(FormText(form, ancestor), "ColProperties"));
}

TEST_F(Streaming, EntriesOfOlderVersionsAreReadAndNotWrittenAgain) {
  String text =
      "object Grid1: TTestGrid\n"
      "  ColWidths = (\n    11\n    20\n    30\n    40\n    50\n    60\n    70)\n"
      "  RowHeights = (\n    15\n    22)\n"
      "  EditMode = emBrowse\n"
      "  HeadingAlignment = TACENTER\n"
      "end\n";
  ReadBinary(Grid, ObjectTextToBinaryString(text));
  EXPECT_EQ(Grid->GetColWidths(2), 30);
  EXPECT_EQ(Grid->GetCols()->GetItem(2)->GetWidth(), 30);
  EXPECT_EQ(Grid->GetRowHeights(1), 22);
  EXPECT_EQ(Grid->GetGridMode(), gmBrowse);
  EXPECT_EQ(Grid->GetHeadingHorzAlignment(), TSCommon::htaCenter);
  String again = FormText(Grid);
  EXPECT_FALSE(Has(again, "ColWidths"));
  EXPECT_FALSE(Has(again, "EditMode ="));
}

TEST_F(Streaming, OlderAlignmentEntriesOfColumnsAndRowsSetTheirAlignment) {
  String text =
      "object Grid1: TTestGrid\n"
      "  ColProperties = <\n    item\n      DataCol = 2\n      Col.Alignment = taRightJustify\n"
      "      Col.Align = True\n      Col.HeadingAlignment = taCenter\n      Col.HeadingAlign = True\n    end>\n"
      "  RowProperties = <\n    item\n      DataRow = 3\n      Row.Alignment = taCenter\n"
      "      Row.Align = True\n    end>\n"
      "end\n";
  ReadBinary(Grid, ObjectTextToBinaryString(text));
  TtsCol* col = Col(Grid, 2);
  EXPECT_EQ(col->GetHorzAlignment(), TSCommon::htaRight);
  EXPECT_EQ(col->GetHeadingHorzAlignment(), TSCommon::htaCenter);
  ASSERT_NE(Grid->GetRows()->GetItem(3), nullptr);
  EXPECT_EQ(Grid->GetRows()->GetItem(3)->GetHorzAlignment(), TSCommon::htaCenter);
  String again = FormText(Grid);
  EXPECT_FALSE(Has(again, "Col.Alignment")) << again;
  EXPECT_FALSE(Has(again, "Row.Align =")) << again;
}

TEST_F(Streaming, ItemsOutsideTheGridAreRefused) {
  String text =
      "object Grid1: TTestGrid\n"
      "  RowProperties = <\n    item\n      DataRow = 99\n      DisplayRow = 1\n    end>\n"
      "end\n";
  EXPECT_EQ(ReadError(Grid, text), "Error reading TtsRowItem.DataRow: Grid1: Row index 99 out of range");
  TTestGrid* quiet = NewGrid();
  quiet->SetRaiseErrors(false);
  ReadBinary(quiet, ObjectTextToBinaryString(text));
  EXPECT_EQ(DisplayRowOrder(quiet), "1,2,3,4");
  String cells =
      "object Grid1: TTestGrid\n"
      "  CellProperties = <\n    item\n      DataCol = 7\n      DataRow = 1\n      Cell.Color = clRed\n    end>\n"
      "end\n";
  EXPECT_EQ(ReadError(NewGrid(), cells), "Error reading TtsCellItem.DataCol: Grid1: Column index 7 out of range");
  TTestGrid* quietCells = NewGrid();
  quietCells->SetRaiseErrors(false);
  ReadBinary(quietCells, ObjectTextToBinaryString(cells));
  EXPECT_EQ(quietCells->GetCellPropSet()->GetCount(), 0);
}

// ---- Layouts on demand ------------------------------------------------------------------------------
String SavedLayout(TtsBaseGrid* Grid, TtsPropKinds Kinds, const TtsProperties& Props, bool Data) {
  auto stream = NewOwned<Streams::TMemoryStream>();
  Grid->SavePropToStream(stream.get(), Kinds, Props, Data);
  return Bytes(stream.get());
}

void LoadLayout(TtsBaseGrid* Grid, const String& Layout, TtsColMatch Match) {
  auto stream = NewOwned<Streams::TMemoryStream>();
  stream->WriteBuffer(Layout.data(), static_cast<Integer>(Layout.size()));
  stream->SetPosition(0);
  Grid->LoadFromStream(stream.get(), Match);
}

TEST_F(Streaming, AWholeLayoutRoundTrips) {
  TTestGrid* source = Furnished();
  TTestGrid* target = NewGrid(2, 2);
  LoadLayout(target, SavedLayout(source, AllPropKinds, AllProperties(), true), cmaNone);
  ExpectFurnished(target);
  EXPECT_FALSE(target->Reading());
  EXPECT_FALSE(target->GetFastAssign());
}

TEST_F(Streaming, KindsAndPropertySubsetsLimitWhatALayoutCarries) {
  TTestGrid* source = Furnished();
  Col(source, 1)->SetWidth(91);
  Col(source, 1)->SetWordWrap(wwOn);
  source->SetGridLines(TSGrid::glNone);
  TTestGrid* target = NewGrid(5, 6);
  Col(target, 1)->SetReadOnly(true);
  target->SetRowColor(1, Graphics::clGreen);
  LoadLayout(target, SavedLayout(source, {pkCols}, {prColor, prWidth}, false), cmaNone);
  EXPECT_EQ(Col(target, 2)->GetColor(), Graphics::clYellow);
  EXPECT_EQ(Col(target, 1)->GetWidth(), 91);
  EXPECT_EQ(Col(target, 1)->GetWordWrap(), wwDefault);  // not in the subset
  EXPECT_TRUE(Col(target, 1)->GetReadOnly());           // kept: not in the subset
  EXPECT_EQ(target->GetRowColor(1), Graphics::clGreen);  // rows not saved
  EXPECT_NE(target->GetGridLines(), TSGrid::glNone);             // grid settings not saved
  EXPECT_TRUE(VarIsEmpty(target->GetCellValue(1, 1)));
  // Only the grid kind: settings, no overrides.
  TTestGrid* other = NewGrid(5, 6);
  LoadLayout(other, SavedLayout(source, {pkGrid}, AllProperties(), false), cmaNone);
  EXPECT_EQ(other->GetGridLines(), TSGrid::glNone);
  EXPECT_EQ(Col(other, 2)->GetColor(), Graphics::clNone);
}

TEST_F(Streaming, TheAlignmentKindsTravelTogether) {
  Col(Grid, 2)->SetHorzAlignment(TSCommon::htaRight);
  TTestGrid* target = NewGrid();
  LoadLayout(target, SavedLayout(Grid, {pkCols}, {prAlign}, false), cmaNone);
  EXPECT_EQ(Col(target, 2)->GetHorzAlignment(), TSCommon::htaRight);
  EXPECT_EQ(Col(target, 2)->GetAlignment(), taRightJustify);
}

TEST_F(Streaming, ThePropertiesEntryCarriesItsFiveBytesExactly) {
  for (const TtsProperties& props : {TtsProperties{}, TtsProperties{prData}, TtsProperties{prColor, prTag, prPicture},
                                     AllProperties()}) {
    auto* component = Grid->CreateStreamComponent();
    component->SetProperties(props);
    auto stream = NewOwned<Streams::TMemoryStream>();
    stream->WriteComponent(component);
    component->Free();
    auto* read = Grid->CreateStreamComponent();
    stream->SetPosition(0);
    stream->ReadComponent(read);
    EXPECT_EQ(read->GetProperties(), props);
    read->Free();
  }
}

TEST_F(Streaming, ColumnsMatchByFieldName) {
  TTestGrid* source = NewGrid(3, 2);
  const char* names[] = {"Id", "Name", "Price"};
  for (Integer c = 1; c <= 3; ++c) Col(source, c)->SetFieldName(names[c - 1]);
  Col(source, 2)->SetColor(Graphics::clYellow);
  Col(source, 3)->SetColor(Graphics::clLime);
  source->SetStoreData(true);
  for (Integer c = 1; c <= 3; ++c) source->SetCellValue(c, 1, String(names[c - 1]) + "1");
  TTestGrid* target = NewGrid(2, 2);
  Col(target, 1)->SetFieldName("Price");
  Col(target, 2)->SetFieldName("Name");
  LoadLayout(target, SavedLayout(source, AllPropKinds, AllProperties(), true), cmaFieldName);
  EXPECT_EQ(target->GetGridColCount(), 2);
  EXPECT_EQ(Col(target, 1)->GetColor(), Graphics::clLime);
  EXPECT_EQ(Col(target, 2)->GetColor(), Graphics::clYellow);
  EXPECT_EQ(VarToStr(target->GetCellValue(1, 1)), "Price1");
  EXPECT_EQ(VarToStr(target->GetCellValue(2, 1)), "Name1");
  EXPECT_EQ(target->GetColMatch(), cmaNone);
  EXPECT_EQ(target->GetReadColMap(), nullptr);
}

TEST_F(Streaming, LayoutsGoToFilesAndTheRegistry) {
  TTestGrid* source = Furnished();
  const String key = "\\Software\\GridTests\\Layouts";
  const String file = testing::TempDir() + "grid-layout.bin";
  source->SaveToRegistry(key, "ByFile", file, true);
  source->SaveToRegistry(key, "Inline", "", true);
  {
    TOwnedPtr<Registry::TRegistry> registry(TSCommon::OpenRegistryKey(key, false));
    ASSERT_TRUE(registry);
    EXPECT_EQ(registry->GetDataType("ByFile"), Registry::rdString);
    EXPECT_EQ(registry->ReadString("ByFile"), file);
    EXPECT_EQ(registry->GetDataType("Inline"), Registry::rdBinary);
    registry->WriteString("Empty", "");
  }
  for (const char* value : {"ByFile", "Inline"}) {
    TTestGrid* target = NewGrid();
    EXPECT_TRUE(target->LoadFromRegistry(key, value, cmaNone)) << value;
    ExpectFurnished(target);
  }
  EXPECT_FALSE(Grid->LoadFromRegistry(key, "Empty", cmaNone));
  EXPECT_FALSE(Grid->LoadFromRegistry(key, "Missing", cmaNone));
  EXPECT_FALSE(Grid->LoadFromRegistry("\\Software\\GridTests\\NoSuchKey", "ByFile", cmaNone));
  EXPECT_THROW(Grid->LoadFromFile(testing::TempDir() + "no-such-layout.bin", cmaNone), EFOpenError);
  DeleteFile(file);
}

TEST_F(Streaming, ADamagedLayoutEndsInAnErrorAndLeavesTheGridUsable) {
  TTestGrid* source = Furnished();
  String layout = SavedLayout(source, AllPropKinds, AllProperties(), true);
  TTestGrid* target = NewGrid();
  EXPECT_ANY_THROW(LoadLayout(target, layout.substr(0, layout.size() / 2), cmaNone));
  EXPECT_FALSE(target->Reading());
  EXPECT_FALSE(target->GetFastAssign());
  EXPECT_EQ(target->GetColMatch(), cmaNone);
  LoadLayout(target, layout, cmaNone);
  ExpectFurnished(target);
}

// ---- The layout reader against damaged input ---------------------------------------------------------
TEST(GridLayoutFuzz, SeedsLoadWholeAndDamagedBytesFailCleanly) {
  auto seeds = SeedCorpus("TSGridLayout");
  ASSERT_GE(seeds.size(), 3u);
  std::mt19937 random(20261212);
  for (const auto& seed : seeds) {
    EXPECT_TRUE(tsFuzzGridLayout(seed.data(), seed.size()));
    for (size_t cut = 0; cut < seed.size(); cut += 7) tsFuzzGridLayout(seed.data(), cut);
    for (int round = 0; round < 200; ++round) {
      std::vector<uint8_t> mutated = seed;
      for (int flips = 1 + static_cast<int>(random() % 3); flips > 0; --flips)
        mutated[random() % mutated.size()] = static_cast<uint8_t>(random());
      tsFuzzGridLayout(mutated.data(), mutated.size());
    }
  }
}

}  // namespace
