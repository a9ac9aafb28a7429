// Style sheets in ini files: the text of each key, bitmaps as hexadecimal chunks, the round trip,
// what saving leaves of an existing file, and how loading treats odd and damaged files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "Exceptions.h"
#include "Graphics.h"
#include "IniFiles.h"
#include "Lists.h"
#include "StringLists.h"
#include "Strings.h"
#include "cxStylesTestClasses.h"

using namespace cxStylesTest;

namespace {

class cxStylesIniFile : public testing::Test {
 protected:
  void SetUp() override {
    Root = New<TTestRoot>(nullptr);
    Repository = New<TcxStyleRepository>(Root);
    Sheets = New<TList>();
    static int serial = 0;
    FileName = String(std::getenv("HOME")) + "/sheets" + IntToStr(++serial) + ".ini";
  }
  void TearDown() override {
    Sheets->Free();
    Root->Free();
    std::remove(FileName.c_str());
  }

  TTestStyleSheet* Sheet(const String& ACaption) {
    auto* sheet = As<TTestStyleSheet>(Repository->CreateStyleSheetEx(TTestStyleSheet::StaticClass(), Root));
    sheet->SetCaption(ACaption);
    Sheets->Add(sheet);
    return sheet;
  }
  TcxStyle* Style(TColor AColor, TColor ATextColor) {
    auto* style = As<TcxStyle>(Repository->CreateItemEx(TcxStyle::StaticClass(), Root));
    style->SetColor(AColor);
    style->SetTextColor(ATextColor);
    return style;
  }
  void WriteFile(const String& AText) { std::ofstream(FileName, std::ios::binary) << AText; }
  String FileText() {
    std::ifstream file(FileName, std::ios::binary);
    return String(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  TOwnedPtr<TMemIniFile> Ini() { return NewOwned<TMemIniFile>(FileName); }
  // Loads the file into new sheets, which Loaded lists.
  void Load(TStrings* ANames = nullptr) {
    Loaded.clear();
    auto list = NewOwned<TList>();
    LoadStyleSheetsFromIniFile(FileName, Repository, TTestStyleSheet::StaticClass(), ANames, Root, list.get());
    for (Integer i = 0; i < list->GetCount(); ++i) Loaded.push_back(static_cast<TTestStyleSheet*>(list->GetItems(i)));
  }
  TcxStyle* LoadedStyle(size_t ASheet, Integer ASlot) {
    return As<TcxStyle>(Loaded.at(ASheet)->GetStyles()->GetValue(ASlot));
  }

  TTestRoot* Root = nullptr;
  TcxStyleRepository* Repository = nullptr;
  TList* Sheets = nullptr;
  String FileName;
  std::vector<TTestStyleSheet*> Loaded;
};

TEST_F(cxStylesIniFile, EachSlotIsOneKeyInNameOrderWithDefaultForAnUnassignedColour) {
  TTestStyleSheet* sheet = Sheet("Classic");
  TcxStyle* background = Style(0xFFFFFF, clDefault);
  background->GetFont()->SetName("Tahoma");
  background->GetFont()->SetSize(8);
  background->GetFont()->SetStyle({fsBold});
  sheet->GetStyles()->SetValue(HeaderSlot, Style(clBtnFace, clDefault));
  sheet->GetStyles()->SetValue(ContentSlot, Style(clDefault, 255));
  sheet->GetStyles()->SetValue(BackgroundSlot, background);
  SaveStyleSheetsToIniFile(FileName, Sheets);

  auto ini = Ini();
  auto keys = NewOwned<TStringList>();
  ini->ReadSection("Classic", keys.get());
  EXPECT_EQ(keys->GetCommaText(), "Background,Content,Header");
  EXPECT_EQ(ini->ReadString("Classic", "Background", ""), "16777215,default,Tahoma,8,[B]");
  EXPECT_EQ(ini->ReadString("Classic", "Content", ""), "default,255");
  EXPECT_EQ(ini->ReadString("Classic", "Header", ""), "-2147483633,default");
}

TEST_F(cxStylesIniFile, SheetsReadBackWithColoursFontsAndBitmapsInChunks) {
  TTestStyleSheet* sheet = Sheet("Ocean");
  TcxStyle* content = Style(clNavy, clDefault);
  content->GetFont()->SetName("Arial");
  content->GetFont()->SetSize(11);
  content->GetFont()->SetStyle({fsBold, fsItalic, fsUnderline, fsStrikeOut});
  auto bitmap = NewOwned<TBitmap>();
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(30, 30);
  for (Integer y = 0; y < 30; ++y)
    for (Integer x = 0; x < 30; ++x) bitmap->GetCanvas()->SetPixel(x, y, RGB(x * 8, y * 8, 100));
  content->SetBitmap(bitmap.get());
  sheet->GetStyles()->SetValue(ContentSlot, content);
  sheet->GetStyles()->SetValue(HeaderSlot, Style(clDefault, clDefault));  // no value assigned
  Sheet("Empty");
  SaveStyleSheetsToIniFile(FileName, Sheets);

  // 30 rows of 92 bytes behind a 54-byte header: 5628 digits, two full chunks and the rest.
  auto ini = Ini();
  EXPECT_EQ(ini->ReadString("Ocean", "ContentBitmap0", "").size(), 2047u);
  EXPECT_EQ(ini->ReadString("Ocean", "ContentBitmap1", "").size(), 2047u);
  EXPECT_EQ(ini->ReadString("Ocean", "ContentBitmap2", "").size(), 1534u);
  EXPECT_FALSE(ini->ValueExists("Ocean", "ContentBitmap3"));
  EXPECT_EQ(ini->ReadString("Ocean", "Header", ""), "default,default");
  EXPECT_FALSE(ini->SectionExists("Empty"));

  Load();
  ASSERT_EQ(Loaded.size(), 1u);  // the empty sheet wrote no section
  EXPECT_EQ(Loaded[0]->GetCaption(), "Ocean");
  EXPECT_EQ(Loaded[0]->GetStyleRepository(), Repository);
  TcxStyle* loaded = LoadedStyle(0, ContentSlot);
  EXPECT_NE(loaded, content);
  EXPECT_EQ(loaded->GetAssignedValues(), (TcxStyleValues{svBitmap, svColor, svFont}));
  EXPECT_EQ(loaded->GetColor(), clNavy);
  EXPECT_EQ(loaded->GetFont()->GetName(), "Arial");
  EXPECT_EQ(loaded->GetFont()->GetSize(), 11);
  EXPECT_EQ(loaded->GetFont()->GetStyle(), (TFontStyles{fsBold, fsItalic, fsUnderline, fsStrikeOut}));
  ASSERT_EQ(loaded->GetBitmap()->GetWidth(), 30);
  for (Integer i : {0, 7, 29})
    EXPECT_EQ(loaded->GetBitmap()->GetCanvas()->GetPixel(i, 29 - i), bitmap->GetCanvas()->GetPixel(i, 29 - i));
  EXPECT_TRUE(LoadedStyle(0, HeaderSlot)->GetAssignedValues().Empty());
  EXPECT_EQ(LoadedStyle(0, BackgroundSlot), nullptr);
}

TEST_F(cxStylesIniFile, SavingKeepsTheFilesOtherSectionsAndNothingToSaveLeavesItUntouched) {
  WriteFile("[Other]\nKey=1\n");
  SaveStyleSheetsToIniFile(FileName, Sheets);
  Sheet("NoStyles");
  SaveStyleSheetsToIniFile(FileName, Sheets);
  EXPECT_EQ(FileText(), "[Other]\nKey=1\n");

  Sheet("Plain")->GetStyles()->SetValue(ContentSlot, Style(clRed, clDefault));
  SaveStyleSheetsToIniFile(FileName, Sheets);
  auto ini = Ini();
  EXPECT_EQ(ini->ReadString("Other", "Key", ""), "1");
  EXPECT_EQ(ini->ReadString("Plain", "Content", ""), "255,default");

  // A file that does not exist yet is still made, empty.
  std::remove(FileName.c_str());
  SaveStyleSheetsToIniFile(FileName, nullptr);
  EXPECT_TRUE(std::ifstream(FileName).good());
  EXPECT_EQ(FileText(), "");
}

TEST_F(cxStylesIniFile, LoadingTakesTheNamedSectionsAndReadsEveryKeyShape) {
  WriteFile(
      "[First]\n"
      "Content=128\n"                        // the colour alone
      "Background=default,65280\n"           // two colours
      "Header=0,default,Courier,big,[SB]\n"  // a size that is no number is ignored
      "Unknown=1,2\n"
      "=3\n"
      "[Blank]\n"
      "[Second]\n"
      "Content=1\n");
  Load();
  ASSERT_EQ(Loaded.size(), 2u);  // the section without keys makes no sheet
  EXPECT_EQ(Loaded[1]->GetCaption(), "Second");
  EXPECT_EQ(LoadedStyle(0, ContentSlot)->GetAssignedValues(), TcxStyleValues{svColor});
  EXPECT_EQ(LoadedStyle(0, ContentSlot)->GetColor(), 128);
  EXPECT_EQ(LoadedStyle(0, BackgroundSlot)->GetAssignedValues(), TcxStyleValues{svTextColor});
  EXPECT_EQ(LoadedStyle(0, BackgroundSlot)->GetTextColor(), 65280);
  TcxStyle* header = LoadedStyle(0, HeaderSlot);
  EXPECT_EQ(header->GetAssignedValues(), (TcxStyleValues{svColor, svFont}));
  EXPECT_EQ(header->GetFont()->GetName(), "Courier");
  EXPECT_EQ(header->GetFont()->GetSize(), 9);  // the font's own size stays
  EXPECT_EQ(header->GetFont()->GetStyle(), (TFontStyles{fsBold, fsStrikeOut}));

  auto names = NewOwned<TStringList>();
  names->Add("Second");
  names->Add("Missing");
  Load(names.get());
  ASSERT_EQ(Loaded.size(), 1u);
  EXPECT_EQ(Loaded[0]->GetCaption(), "Second");
}

TEST_F(cxStylesIniFile, BitmapKeysWithoutTheirStyleOrFirstChunkLoadNothingAndTheWalkEnds) {
  WriteFile(
      "[Sheet]\n"
      "ContentBitmap0=424D\n"  // before its style: nothing to load into
      "Content=1\n"
      "HeaderBitmap1=424D\n"   // no chunk 0
      "Header=2\n"
      "BackgroundBitmap0=\n"   // an empty text: an empty bitmap
      "Background=3\n");
  Load();
  ASSERT_EQ(Loaded.size(), 1u);
  EXPECT_EQ(LoadedStyle(0, ContentSlot)->GetAssignedValues(), TcxStyleValues{svColor});
  EXPECT_EQ(LoadedStyle(0, HeaderSlot)->GetColor(), 2);
  EXPECT_TRUE(LoadedStyle(0, BackgroundSlot)->GetBitmap()->GetEmpty());
}

TEST_F(cxStylesIniFile, BadColoursAndBitmapTextRaiseAndABadFontSizeDoesNot) {
  struct TCase {
    const char* Value;
    const char* Bitmap;
    enum { Loads, Convert, Graphic } Outcome;
  };
  const TCase cases[] = {
      {"1,2,Arial,x", nullptr, TCase::Loads},
      {"red", nullptr, TCase::Convert},
      {"1,#2", nullptr, TCase::Convert},
      {"1", "424", TCase::Convert},       // odd length
      {"1", "42ZZ", TCase::Convert},      // not hexadecimal
      {"1", "424D0000", TCase::Graphic},  // hexadecimal, but no bitmap
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Value + String(" ") + (c.Bitmap ? c.Bitmap : ""));
    WriteFile(String("[Sheet]\nContent=") + c.Value + "\n" + (c.Bitmap ? String("ContentBitmap0=") + c.Bitmap + "\n" : ""));
    switch (c.Outcome) {
      case TCase::Loads: EXPECT_NO_THROW(Load()); break;
      case TCase::Convert: EXPECT_THROW(Load(), EConvertError); break;
      case TCase::Graphic: EXPECT_THROW(Load(), EInvalidGraphic); break;
    }
  }
}

}  // namespace
