#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "DateTime.h"
#include "Exceptions.h"
#include "IniFiles.h"
#include "StringLists.h"
#include "Streams.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Lines(TStrings* list) {
  std::vector<std::string> r;
  for (Integer i = 0; i < list->GetCount(); ++i) r.push_back(list->GetStrings(i));
  return r;
}

class IniFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FDir = fs::path(getenv("XDG_CONFIG_HOME")) / ("ini-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(FDir);
    FList = New<TStringList>();
  }
  void TearDown() override {
    FList->Free();
    fs::remove_all(FDir);
  }
  String PathOf(const char* name) const { return (FDir / name).string(); }
  static String ReadFile(const String& path) {
    std::ifstream in(path, std::ios::binary);
    return String(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  static void WriteFile(const String& path, const String& text) { std::ofstream(path, std::ios::binary) << text; }

  fs::path FDir;
  TStringList* FList;
};

TEST_F(IniFilesTest, WrittenBackInFileOrderWithCommentsKept) {
  String path = PathOf("layout.ini");
  WriteFile(path,
            "\xEF\xBB\xBF; written by hand\r\n"
            "stray=before any section\n"
            "[Main]\n"
            "  Version = 34\r\n"
            "; the bars\n"
            "Caption=工具栏 = main\n"
            "\n"
            "[Bar0]\r"
            "Visible=1\n"
            "a line without separator\n"
            "[main]\n"
            "Extra=x\n");
  TMemIniFile* ini = New<TMemIniFile>(path);
  EXPECT_EQ(ini->ReadString("MAIN", "version", "?"), " 34");  // the name is trimmed, the value kept
  EXPECT_EQ(ini->ReadString("Main", "Caption", "?"), "工具栏 = main");
  EXPECT_EQ(ini->ReadString("Main", "Extra", "?"), "x");  // a repeated header continues the section
  EXPECT_EQ(ini->ReadString("Main", "stray", "?"), "?");
  ini->ReadSections(FList);
  EXPECT_EQ(Lines(FList), (std::vector<std::string>{"Main", "Bar0"}));
  ini->ReadSection("main", FList);
  EXPECT_EQ(Lines(FList), (std::vector<std::string>{"Version", "Caption", "Extra"}));
  ini->ReadSectionValues("Bar0", FList);
  EXPECT_EQ(Lines(FList), (std::vector<std::string>{"Visible=1", "a line without separator"}));

  ini->WriteString("bar0", "Row", "2");
  ini->WriteString("Main", "VERSION", "35");  // replaces, keeps the written name's place and spelling
  ini->WriteString("Bar1", "Visible", "");
  ini->UpdateFile();
  EXPECT_EQ(ReadFile(path),
            "; written by hand\r\n"
            "[Main]\r\nVersion=35\r\n; the bars\r\nCaption=工具栏 = main\r\nExtra=x\r\n\r\n"
            "[Bar0]\r\nVisible=1\r\na line without separator\r\nRow=2\r\n\r\n"
            "[Bar1]\r\nVisible=\r\n\r\n");
  ini->Free();
}

TEST_F(IniFilesTest, TypedValues) {
  TMemIniFile* ini = New<TMemIniFile>(String());
  struct Case {
    const char* text;
    Integer asInteger;
    bool asBool;
  } cases[] = {
      {"12", 12, true}, {"-7", -7, true}, {"0x1F", 31, true}, {"0X10", 16, true}, {"$20", 32, true},
      {"0", 0, false},  {"", -1, true},   {"abc", -1, true},  {"true", -1, true}, {"99999999999", -1, true},
  };
  for (const Case& c : cases) {
    ini->WriteString("S", "K", c.text);
    EXPECT_EQ(ini->ReadInteger("S", "K", -1), c.asInteger) << c.text;
    EXPECT_EQ(ini->ReadBool("S", "K", true), c.asBool) << c.text;
  }
  EXPECT_EQ(ini->ReadInteger("S", "missing", 5), 5);
  EXPECT_FALSE(ini->ReadBool("S", "missing", false));

  ini->WriteInteger("S", "I", -42);
  ini->WriteBool("S", "T", true);
  ini->WriteBool("S", "F", false);
  ini->WriteFloat("S", "X", 2.5);
  TDateTime when = EncodeDate(2024, 2, 29) + EncodeTime(13, 45, 10, 0);
  ini->WriteDate("S", "D", when);
  ini->WriteTime("S", "Tm", when);
  ini->WriteDateTime("S", "DT", when);
  EXPECT_EQ(ini->ReadString("S", "I", ""), "-42");
  EXPECT_EQ(ini->ReadString("S", "T", ""), "1");
  EXPECT_EQ(ini->ReadString("S", "F", ""), "0");
  EXPECT_DOUBLE_EQ(ini->ReadFloat("S", "X", 0), 2.5);
  EXPECT_DOUBLE_EQ(ini->ReadDate("S", "D", 0), EncodeDate(2024, 2, 29));
  EXPECT_NEAR(ini->ReadTime("S", "Tm", 0), EncodeTime(13, 45, 10, 0), 1e-9);
  EXPECT_NEAR(ini->ReadDateTime("S", "DT", 0), when, 1e-9);
  ini->WriteString("S", "bad", "not a date");
  EXPECT_EQ(ini->ReadFloat("S", "bad", 7.0), 7.0);
  EXPECT_EQ(ini->ReadDate("S", "bad", 3.0), 3.0);
  EXPECT_EQ(ini->ReadDateTime("S", "bad", 3.0), 3.0);
  EXPECT_EQ(ini->ReadTime("S", "bad", 0.5), 0.5);
  ini->Free();
}

TEST_F(IniFilesTest, BinaryValuesAsHexText) {
  TMemIniFile* ini = New<TMemIniFile>(String());
  TMemoryStream* source = New<TMemoryStream>();
  const Byte bytes[] = {0x00, 0x7F, 0xAB, 0xFF, 0x10};
  source->WriteBuffer(bytes, sizeof bytes);
  source->SetPosition(1);  // from the position on
  ini->WriteBinaryStream("Glyphs", "Open", source);
  EXPECT_EQ(ini->ReadString("Glyphs", "Open", ""), "7FABFF10");

  TMemoryStream* target = New<TMemoryStream>();
  target->WriteBuffer("xy", 2);
  EXPECT_EQ(ini->ReadBinaryStream("Glyphs", "Open", target), 4);
  EXPECT_EQ(target->GetPosition(), 2);  // ready to read what came in
  EXPECT_EQ(target->GetSize(), 6);
  Byte back[4];
  target->ReadBuffer(back, 4);
  EXPECT_EQ(std::vector<Byte>(back, back + 4), std::vector<Byte>(bytes + 1, bytes + 5));

  TStringStream* text = New<TStringStream>(String());
  ini->WriteString("Glyphs", "Broken", "41427G4344");  // stops at the pair that is not hexadecimal
  EXPECT_EQ(ini->ReadBinaryStream("Glyphs", "Broken", text), 2);
  EXPECT_EQ(text->GetDataString(), "AB");
  EXPECT_EQ(ini->ReadBinaryStream("Glyphs", "missing", text), 0);

  source->SetPosition(source->GetSize());
  ini->WriteBinaryStream("Glyphs", "Empty", source);
  EXPECT_TRUE(ini->ValueExists("Glyphs", "Empty"));
  EXPECT_EQ(ini->ReadString("Glyphs", "Empty", "?"), "");
  text->Free();
  target->Free();
  source->Free();
  ini->Free();
}

TEST_F(IniFilesTest, ErasingAndExistence) {
  TMemIniFile* ini = New<TMemIniFile>(String());
  ini->WriteString("A", "One", "1");
  ini->WriteString("A", "Two", "2");
  ini->WriteString("B", "One", "1");
  EXPECT_TRUE(ini->SectionExists("a"));
  EXPECT_TRUE(ini->ValueExists("a", "TWO"));
  EXPECT_FALSE(ini->ValueExists("a", "Three"));
  ini->DeleteKey("A", "two");
  ini->DeleteKey("A", "absent");
  ini->DeleteKey("absent", "One");
  EXPECT_FALSE(ini->ValueExists("A", "Two"));
  ini->DeleteKey("A", "One");
  EXPECT_FALSE(ini->SectionExists("A"));  // a section without keys does not count
  ini->EraseSection("b");
  ini->EraseSection("absent");
  ini->ReadSections(FList);
  EXPECT_EQ(Lines(FList), std::vector<std::string>{"A"});
  ini->Clear();
  ini->ReadSections(FList);
  EXPECT_EQ(FList->GetCount(), 0);
  ini->Free();
}

TEST_F(IniFilesTest, AStoreWithoutFileLivesInMemoryOnly) {
  fs::path cwd = fs::current_path();
  fs::current_path(FDir);
  TMemIniFile* mem = New<TMemIniFile>(String());
  FList->SetText("[Main]\r\nVersion=34\r\n");
  mem->SetStrings(FList);
  mem->WriteString("Main", "BarCount", "1");
  mem->UpdateFile();
  mem->GetStrings(FList);
  EXPECT_EQ(Lines(FList), (std::vector<std::string>{"[Main]", "Version=34", "BarCount=1", ""}));
  mem->Free();

  TIniFile* inert = New<TIniFile>(String());
  inert->WriteString("Main", "Version", "34");
  inert->WriteInteger("Main", "Count", 3);
  inert->EraseSection("Main");
  inert->DeleteKey("Main", "Version");
  EXPECT_EQ(inert->ReadString("Main", "Version", "default"), "default");
  EXPECT_FALSE(inert->SectionExists("Main"));
  inert->Free();
  EXPECT_TRUE(fs::is_empty(FDir));
  fs::current_path(cwd);
}

TEST_F(IniFilesTest, IniFileWritesThroughAndSeesOtherWriters) {
  String path = PathOf("live.ini");
  TIniFile* ini = New<TIniFile>(path);
  EXPECT_FALSE(fs::exists(path));  // nothing is written before a change
  ini->WriteString("Main", "Version", "34");
  EXPECT_EQ(ReadFile(path), "[Main]\r\nVersion=34\r\n\r\n");

  TMemIniFile* other = New<TMemIniFile>(path);
  EXPECT_EQ(other->ReadString("Main", "Version", ""), "34");
  other->WriteString("Main", "Version", "35, from elsewhere");
  other->UpdateFile();
  other->Free();
  EXPECT_EQ(ini->ReadString("Main", "Version", ""), "35, from elsewhere");
  ini->DeleteKey("Main", "Version");
  EXPECT_EQ(ReadFile(path), "[Main]\r\n\r\n");
  ini->EraseSection("Main");
  EXPECT_EQ(ReadFile(path), "");
  fs::remove(path);
  EXPECT_EQ(ini->ReadString("Main", "Version", "gone"), "gone");
  ini->Free();
}

TEST_F(IniFilesTest, WriteFailuresAndUnsafeTextRaise) {
  String path = PathOf("settings.ini");
  WriteFile(path, "[Main]\r\nVersion=34\r\n\r\n");
  TIniFile* ini = New<TIniFile>(path);
  EXPECT_THROW(ini->WriteString("Main", "Caption", "two\nlines"), EIniFileException);
  EXPECT_THROW(ini->WriteString("Main]\r\n[Other", "Caption", "x"), EIniFileException);
  EXPECT_EQ(ReadFile(path), "[Main]\r\nVersion=34\r\n\r\n");
  ini->Free();

  String nowhere = PathOf("missing-folder/settings.ini");
  TMemIniFile* mem = New<TMemIniFile>(nowhere);
  mem->WriteString("Main", "Version", "34");
  try {
    mem->UpdateFile();
    ADD_FAILURE() << "no error";
  } catch (const EIniFileException& e) {
    EXPECT_EQ(e.Message(), "Unable to write to " + nowhere);
  }
  mem->Free();
}

TEST_F(IniFilesTest, ReplacingKeepsPermissionsAndFollowsLinks) {
  String real = PathOf("real.ini");
  WriteFile(real, "[A]\r\nx=1\r\n");
  chmod(real.c_str(), 0640);
  String link = PathOf("link.ini");
  fs::create_symlink(real, link);
  TMemIniFile* ini = New<TMemIniFile>(link);
  ini->WriteString("A", "x", "2");
  ini->UpdateFile();
  ini->Free();
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadFile(real), "[A]\r\nx=2\r\n\r\n");
  struct stat st;
  ASSERT_EQ(stat(real.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(FDir), fs::directory_iterator()), 2);
}

TEST_F(IniFilesTest, RenameWithAndWithoutReload) {
  String first = PathOf("first.ini"), second = PathOf("second.ini");
  WriteFile(first, "[A]\nx=1\n");
  WriteFile(second, "[B]\ny=2\n");
  TMemIniFile* ini = New<TMemIniFile>(first);
  ini->Rename(second, false);
  EXPECT_EQ(ini->ReadString("A", "x", ""), "1");
  ini->UpdateFile();
  EXPECT_EQ(ReadFile(second), "[A]\r\nx=1\r\n\r\n");
  ini->Rename(first, true);
  ini->ReadSections(FList);
  EXPECT_EQ(Lines(FList), std::vector<std::string>{"A"});
  ini->Free();
}

}  // namespace
