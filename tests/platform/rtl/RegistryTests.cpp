#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "Exceptions.h"
#include "Registry.h"
#include "StringLists.h"
#include "Streams.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Lines(TStrings* list) {
  std::vector<std::string> r;
  for (Integer i = 0; i < list->GetCount(); ++i) r.push_back(list->GetStrings(i));
  return r;
}

// Each test has a configuration folder of its own, so each starts with an empty store.
class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FSaved = getenv("XDG_CONFIG_HOME");
    FConfig = fs::path(FSaved) / ("registry-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    UseConfig(FConfig);
    FReg = New<TRegistry>();
    FList = New<TStringList>();
  }
  void TearDown() override {
    FList->Free();
    FReg->Free();
    setenv("XDG_CONFIG_HOME", FSaved.c_str(), 1);
    fs::remove_all(FConfig);
  }
  static void UseConfig(const fs::path& dir) { setenv("XDG_CONFIG_HOME", dir.c_str(), 1); }
  fs::path StoreFile(const char* root = "HKEY_CURRENT_USER") const {
    return FConfig / "vaskel" / "registry" / (std::string(root) + ".reg");
  }
  static std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  // The registry error a call raises, or "" when it raises none.
  template <class F>
  static std::string ErrorOf(F f) {
    try {
      f();
    } catch (const ERegistryException& e) {
      return e.Message();
    }
    return std::string();
  }

  std::string FSaved;
  fs::path FConfig;
  TRegistry* FReg;
  TStringList* FList;
};

TEST_F(RegistryTest, KeysArePathsFromTheRootOrTheOpenKey) {
  EXPECT_EQ(FReg->GetRootKey(), HKEY_CURRENT_USER);
  EXPECT_EQ(FReg->GetCurrentKey(), nullptr);
  EXPECT_FALSE(FReg->OpenKey("Software\\Vaskel", false));
  ASSERT_TRUE(FReg->OpenKey("\\Software\\Vaskel\\", true));
  EXPECT_EQ(FReg->GetCurrentPath(), "Software\\Vaskel");
  EXPECT_NE(FReg->GetCurrentKey(), nullptr);
  EXPECT_TRUE(FReg->CreateKey("Layout\\Bars"));  // relative to the open key
  EXPECT_TRUE(FReg->CreateKey("Colors"));
  EXPECT_TRUE(FReg->CreateKey("\\Software\\Other"));  // absolute
  EXPECT_TRUE(FReg->KeyExists("LAYOUT\\bars"));
  EXPECT_TRUE(FReg->KeyExists("\\software\\OTHER"));
  EXPECT_FALSE(FReg->KeyExists("Other"));
  EXPECT_TRUE(FReg->HasSubKeys());
  FReg->GetKeyNames(FList);
  EXPECT_EQ(Lines(FList), (std::vector<std::string>{"Colors", "Layout"}));  // alphabetical

  ASSERT_TRUE(FReg->OpenKey("Layout", false));
  EXPECT_EQ(FReg->GetCurrentPath(), "Software\\Vaskel\\Layout");
  FReg->CloseKey();
  EXPECT_EQ(FReg->GetCurrentPath(), "");
  ASSERT_TRUE(FReg->OpenKey("Software\\\\Vaskel", false));  // from the root when none is open
  EXPECT_EQ(FReg->GetCurrentPath(), "Software\\Vaskel");

  EXPECT_TRUE(FReg->DeleteKey("Layout"));  // with its subkeys
  EXPECT_FALSE(FReg->KeyExists("Layout\\Bars"));
  EXPECT_FALSE(FReg->DeleteKey("Layout"));
  EXPECT_FALSE(FReg->DeleteKey("\\"));
  EXPECT_TRUE(FReg->KeyExists("Colors"));
}

TEST_F(RegistryTest, BadKeyNamesAndRootsFail) {
  for (const char* bad : {"Soft\nware", "Tab\tKey", "Ok\\Del\x7f"}) {
    EXPECT_FALSE(FReg->OpenKey(bad, true)) << bad;
    EXPECT_EQ(ErrorOf([&] { FReg->CreateKey(bad); }), std::string("Failed to create key ") + bad);
  }
  EXPECT_FALSE(FReg->KeyExists("Ok"));  // nothing of a refused path is made
  EXPECT_TRUE(FReg->CreateKey("\\"));  // the root, which exists
  FReg->SetRootKey(reinterpret_cast<HKEY>(uintptr_t{0x80000005}));
  EXPECT_FALSE(FReg->OpenKey("Software", true));
  EXPECT_FALSE(FReg->KeyExists("Software"));
  EXPECT_EQ(ErrorOf([&] { FReg->CreateKey("Software"); }), "Failed to create key Software");
}

TEST_F(RegistryTest, TypedValues) {
  ASSERT_TRUE(FReg->OpenKey("Software\\Vaskel", true));
  const Byte glyph[] = {0, 1, 0xFE, 0xFF};
  FReg->WriteString("Caption", "拍卖 \"定时器\"");
  FReg->WriteExpandString("Path", "%HOME%\\timers");
  FReg->WriteInteger("Version", -34);
  FReg->WriteBool("Visible", true);
  FReg->WriteBinaryData("Glyph", glyph, sizeof glyph);
  FReg->WriteFloat("Ratio", 0.25);
  FReg->WriteString("caption", "replaced");  // names ignore case; the first spelling stays

  FReg->GetValueNames(FList);
  EXPECT_EQ(Lines(FList), (std::vector<std::string>{"Caption", "Path", "Version", "Visible", "Glyph", "Ratio"}));
  struct Case {
    const char* name;
    TRegDataType type;
    Integer size;
  } cases[] = {{"Caption", rdString, 9},    {"Path", rdExpandString, 14}, {"Version", rdInteger, 4},
               {"Visible", rdInteger, 4},   {"Glyph", rdBinary, 4},       {"Ratio", rdBinary, 8},
               {"Missing", rdUnknown, -1}};
  for (const Case& c : cases) {
    EXPECT_EQ(FReg->GetDataType(c.name), c.type) << c.name;
    EXPECT_EQ(FReg->GetDataSize(c.name), c.size) << c.name;
  }
  EXPECT_EQ(FReg->ReadString("CAPTION"), "replaced");
  EXPECT_EQ(FReg->ReadString("Path"), "%HOME%\\timers");
  EXPECT_EQ(FReg->ReadInteger("Version"), -34);
  EXPECT_TRUE(FReg->ReadBool("Visible"));
  Byte back[8] = {};
  EXPECT_EQ(FReg->ReadBinaryData("Glyph", back, sizeof back), 4);
  EXPECT_EQ(std::vector<Byte>(back, back + 4), std::vector<Byte>(glyph, glyph + 4));
  EXPECT_EQ(FReg->ReadFloat("Ratio"), 0.25);

  EXPECT_TRUE(FReg->DeleteValue("visible"));
  EXPECT_FALSE(FReg->DeleteValue("Visible"));
  EXPECT_FALSE(FReg->ValueExists("Visible"));
  EXPECT_TRUE(FReg->ValueExists("Glyph"));
}

TEST_F(RegistryTest, ReadAndWriteErrors) {
  ASSERT_TRUE(FReg->OpenKey("Software", true));
  FReg->WriteString("Text", "x");
  FReg->WriteInteger("Number", 1);
  Byte small[2];
  FReg->WriteBinaryData("Bytes", "abc", 3);
  struct Case {
    const char* what;
    std::function<void()> call;
    std::string error;
  } cases[] = {
      {"integer of missing", [&] { FReg->ReadInteger("Missing"); }, "Failed to get data for 'Missing'"},
      {"integer of text", [&] { FReg->ReadInteger("Text"); }, "Invalid data type for 'Text'"},
      {"text of integer", [&] { FReg->ReadString("Number"); }, "Invalid data type for 'Number'"},
      {"binary too large", [&] { FReg->ReadBinaryData("Bytes", small, 2); }, "Invalid data type for 'Bytes'"},
      {"binary of text", [&] { FReg->ReadBinaryData("Text", small, 2); }, "Invalid data type for 'Text'"},
      {"float of missing", [&] { FReg->ReadFloat("Missing"); }, "Invalid data type for 'Missing'"},
      {"text of missing", [&] { EXPECT_EQ(FReg->ReadString("Missing"), ""); }, ""},
      {"binary of missing", [&] { EXPECT_EQ(FReg->ReadBinaryData("Missing", small, 2), 0); }, ""},
  };
  for (Case& c : cases) EXPECT_EQ(ErrorOf(c.call), c.error) << c.what;

  EXPECT_FALSE(FReg->OpenKeyReadOnly("Software"));  // relative to the open key
  ASSERT_TRUE(FReg->OpenKeyReadOnly("\\Software"));
  EXPECT_EQ(FReg->ReadString("Text"), "x");
  EXPECT_EQ(ErrorOf([&] { FReg->WriteString("Text", "y"); }), "Failed to set data for 'Text'");
  EXPECT_FALSE(FReg->DeleteValue("Text"));
  FReg->CloseKey();
  EXPECT_EQ(ErrorOf([&] { FReg->WriteInteger("Loose", 1); }), "Failed to set data for 'Loose'");
  EXPECT_FALSE(FReg->ValueExists("Text"));
  EXPECT_FALSE(FReg->OpenKeyReadOnly("Nowhere"));

  // A key deleted under an open registry object leaves it with nothing to read or write.
  TRegistry* other = New<TRegistry>();
  ASSERT_TRUE(FReg->OpenKey("Software", false));
  other->DeleteKey("\\Software");
  EXPECT_FALSE(FReg->ValueExists("Text"));
  EXPECT_EQ(ErrorOf([&] { FReg->WriteString("Text", "y"); }), "Failed to set data for 'Text'");
  other->Free();
}

TEST_F(RegistryTest, TheStoreLivesInAFilePerRoot) {
  ASSERT_TRUE(FReg->OpenKey("Software\\Vaskel", true));
  const std::string tricky = "quote \" backslash \\ line\r\nbreak tab\t 中文 \x7f end";
  FReg->WriteString("Tricky \"name\"\\", tricky);
  FReg->WriteExpandString("", "default value");
  FReg->WriteInteger("Min", INT32_MIN);
  FReg->WriteBinaryData("Empty", nullptr, 0);
  FReg->CreateKey("Empty key");
  FReg->SetRootKey(HKEY_LOCAL_MACHINE);
  FReg->OpenKey("System", true);
  EXPECT_FALSE(fs::exists(StoreFile()));  // written lazily
  FReg->Free();
  FReg = New<TRegistry>();
  ASSERT_TRUE(fs::exists(StoreFile()));
  ASSERT_TRUE(fs::exists(StoreFile("HKEY_LOCAL_MACHINE")));

  // Another folder with a copy of the files: the store is read back from them.
  fs::path copy = FConfig / "copy";
  fs::create_directories(copy / "vaskel");
  fs::copy(FConfig / "vaskel" / "registry", copy / "vaskel" / "registry");
  UseConfig(copy);
  ASSERT_TRUE(FReg->OpenKey("Software\\Vaskel", false));
  EXPECT_EQ(FReg->ReadString("tricky \"NAME\"\\"), tricky);
  EXPECT_EQ(FReg->GetDataType(""), rdExpandString);
  EXPECT_EQ(FReg->ReadString(""), "default value");
  EXPECT_EQ(FReg->ReadInteger("Min"), INT32_MIN);
  EXPECT_EQ(FReg->GetDataSize("Empty"), 0);
  EXPECT_TRUE(FReg->KeyExists("Empty key"));
  FReg->SetRootKey(HKEY_LOCAL_MACHINE);
  EXPECT_TRUE(FReg->KeyExists("System"));
  EXPECT_FALSE(FReg->KeyExists("Software"));
}

TEST_F(RegistryTest, WithoutLazyWritingClosingAKeyWritesIt) {
  FReg->SetLazyWrite(false);
  ASSERT_TRUE(FReg->OpenKey("Software", true));
  FReg->WriteInteger("Count", 3);
  EXPECT_FALSE(fs::exists(StoreFile()));
  FReg->CloseKey();
  EXPECT_NE(ReadFile(StoreFile()).find("[Software]\n\"Count\"=i:3\n"), std::string::npos);
}

TEST_F(RegistryTest, ChangesByAnotherProgramAreSeenAndDamagedLinesSkipped) {
  fs::create_directories(StoreFile().parent_path());
  std::ofstream(StoreFile()) << "[Software\\Vaskel]\n"
                                "\"Good\"=s:\"yes\"\n"
                                "\"NoType\"=\"x\"\n"
                                "\"BadHex\"=b:0G\n"
                                "\"OddHex\"=b:012\n"
                                "\"Huge\"=i:99999999999\n"
                                "\"Open=s:\"unterminated\n"
                                "garbage\n"
                                "[Bad\x01Key]\n"
                                "\"Lost\"=s:\"x\"\n"
                                "\"Number\"=i:42\n";
  ASSERT_TRUE(FReg->OpenKey("Software\\Vaskel", false));
  FReg->GetValueNames(FList);
  EXPECT_EQ(Lines(FList), (std::vector<std::string>{"Good"}));
  EXPECT_FALSE(FReg->KeyExists("\\Bad\x01Key"));

  std::ofstream(StoreFile()) << "[Software\\Vaskel]\n\"Good\"=s:\"changed\"\n";
  fs::last_write_time(StoreFile(), fs::file_time_type::clock::now() + std::chrono::seconds(5));
  EXPECT_EQ(FReg->ReadString("Good"), "changed");
}

// ---- TRegistryIniFile ---------------------------------------------------------------------------------------
TEST_F(RegistryTest, IniViewOfAKey) {
  TRegistryIniFile* ini = New<TRegistryIniFile>("Software\\Vaskel\\Layout");
  ini->WriteString("Main", "Caption", "工具栏");
  ini->WriteInteger("Main", "Version", 34);
  ini->WriteBool("Main", "Visible", true);
  ini->WriteString("Bar0", "Count", "5");
  ini->WriteInteger("Bar0", "Count", 6);  // an existing text value stays text
  ini->WriteFloat("Bar0", "Ratio", 1.5);
  ini->WriteString("\\Software\\Vaskel\\Elsewhere", "Absolute", "yes");

  TRegistry* reg = ini->GetRegIniFile();
  EXPECT_EQ(reg->GetCurrentPath(), "Software\\Vaskel\\Layout");
  ASSERT_TRUE(FReg->OpenKey("\\Software\\Vaskel\\Layout\\Main", false));
  EXPECT_EQ(FReg->GetDataType("Version"), rdInteger);
  EXPECT_EQ(FReg->ReadString("Visible"), "1");
  ASSERT_TRUE(FReg->OpenKey("\\Software\\Vaskel\\Layout\\Bar0", false));
  EXPECT_EQ(FReg->ReadString("Count"), "6");
  EXPECT_EQ(FReg->GetDataType("Ratio"), rdBinary);
  EXPECT_TRUE(FReg->KeyExists("\\Software\\Vaskel\\Elsewhere"));

  EXPECT_EQ(ini->ReadString("main", "CAPTION", "?"), "工具栏");
  EXPECT_EQ(ini->ReadString("Main", "Version", "?"), "34");  // every value reads as text
  EXPECT_EQ(ini->ReadInteger("Main", "Version", 0), 34);
  EXPECT_EQ(ini->ReadInteger("Bar0", "Count", 0), 6);
  EXPECT_TRUE(ini->ReadBool("Main", "Visible", false));
  EXPECT_EQ(ini->ReadFloat("Bar0", "Ratio", 0), 1.5);
  EXPECT_EQ(ini->ReadString("Nowhere", "Caption", "?"), "?");
  EXPECT_FALSE(ini->GetRegIniFile()->KeyExists("Nowhere"));  // reading makes nothing
  EXPECT_TRUE(ini->SectionExists("Main"));
  EXPECT_TRUE(ini->ValueExists("Main", "caption"));

  ini->ReadSections(FList);
  EXPECT_EQ(Lines(FList), (std::vector<std::string>{"Bar0", "Main"}));
  ini->ReadSection("Main", FList);
  EXPECT_EQ(Lines(FList), (std::vector<std::string>{"Caption", "Version", "Visible"}));
  ini->ReadSectionValues("Main", FList);
  EXPECT_EQ(Lines(FList), (std::vector<std::string>{"Caption=工具栏", "Version=34", "Visible=1"}));

  ini->DeleteKey("Main", "Visible");
  EXPECT_FALSE(ini->ValueExists("Main", "Visible"));
  ini->WriteString("Bar0\\Links", "ItemName", "btnAdd");
  ini->EraseSection("Bar0");  // with its subkeys
  EXPECT_FALSE(ini->GetRegIniFile()->KeyExists("Bar0\\Links"));
  EXPECT_TRUE(ini->GetRegIniFile()->DeleteKey("\\Software\\Vaskel\\Layout"));  // the base key itself
  EXPECT_EQ(ini->ReadString("Main", "Caption", "gone"), "gone");
  ini->Free();
}

TEST_F(RegistryTest, IniViewBinaryStreamsAndWriting) {
  TRegistryIniFile* ini = New<TRegistryIniFile>("Software\\Vaskel");
  TMemoryStream* stream = New<TMemoryStream>();
  const Byte bytes[] = {0xDE, 0xAD, 0xBE, 0xEF};
  stream->WriteBuffer(bytes, sizeof bytes);
  stream->SetPosition(0);
  ini->WriteBinaryStream("Link", "UserGlyph", stream);
  EXPECT_EQ(ini->ReadString("Link", "UserGlyph", ""), "DEADBEEF");
  stream->Clear();
  EXPECT_EQ(ini->ReadBinaryStream("Link", "UserGlyph", stream), 4);
  EXPECT_EQ(stream->GetPosition(), 0);
  EXPECT_EQ(stream->GetSize(), 4);
  ini->WriteString("Link", "Hex", "0102");  // text is read as hexadecimal, as in an ini file
  EXPECT_EQ(ini->ReadBinaryStream("Link", "Hex", stream), 2);
  EXPECT_EQ(ini->ReadBinaryStream("Link", "Missing", stream), 0);
  EXPECT_THROW(ini->WriteString("Bad\nSection", "x", "y"), ERegistryException);

  EXPECT_FALSE(fs::exists(StoreFile()));
  ini->UpdateFile();
  EXPECT_TRUE(fs::exists(StoreFile()));
  stream->Free();
  ini->Free();
}

}  // namespace
