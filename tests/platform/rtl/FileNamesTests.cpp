#include <gtest/gtest.h>

#include <stdlib.h>

#include <fstream>

#include "FileNames.h"

namespace {

TEST(FileNames, PartsOfAName) {
  struct Case { String name, path, dir, file, ext; };
  const Case cases[] = {
      {"/data/拍卖/auction.db", "/data/拍卖/", "/data/拍卖", "auction.db", ".db"},
      {"rel/file.tar.gz", "rel/", "rel", "file.tar.gz", ".gz"},
      {"noext", "", "", "noext", ""},
      {"dir.d/noext", "dir.d/", "dir.d", "noext", ""},
      {"/file", "/", "/", "file", ""},
      {"folder/", "folder/", "folder", "", ""},
      {".hidden", "", "", ".hidden", ".hidden"},
      {"", "", "", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractFilePath(c.name), c.path) << c.name;
    EXPECT_EQ(ExtractFileDir(c.name), c.dir) << c.name;
    EXPECT_EQ(ExtractFileName(c.name), c.file) << c.name;
    EXPECT_EQ(ExtractFileExt(c.name), c.ext) << c.name;
  }
  EXPECT_EQ(ChangeFileExt("a/b.txt", ".ini"), "a/b.ini");
  EXPECT_EQ(ChangeFileExt("a.d/b", ".ini"), "a.d/b.ini");
  EXPECT_EQ(ChangeFileExt("b.txt", ""), "b");
  EXPECT_EQ(IncludeTrailingPathDelimiter("a"), "a/");
  EXPECT_EQ(IncludeTrailingPathDelimiter("a/"), "a/");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("a/"), "a");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("/"), "/");
  EXPECT_TRUE(IsPathDelimiter("a/b", 2));
  EXPECT_FALSE(IsPathDelimiter("a/b", 4));
  EXPECT_EQ(ExtractFileDrive("/x"), "");
}

// Runs a test inside a fresh temporary directory and removes it after.
class FileSystem : public ::testing::Test {
 protected:
  void SetUp() override {
    FSaved = GetCurrentDir();
    char tmpl[] = "/tmp/filenames-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    FDir = tmpl;
    ASSERT_TRUE(SetCurrentDir(FDir));
  }
  void TearDown() override {
    SetCurrentDir(FSaved);
    std::system(("rm -rf '" + FDir + "'").c_str());
  }
  static void Touch(const String& name, const String& text = "x") { std::ofstream(name) << text; }
  String FSaved, FDir;
};

TEST_F(FileSystem, ExpandFileNameResolvesAgainstTheCurrentDirectory) {
  const String cwd = GetCurrentDir();
  EXPECT_EQ(cwd, FDir);
  struct Case { String in, want; };
  const Case cases[] = {
      {"a.txt", cwd + "/a.txt"},     {"./sub/../b.txt", cwd + "/b.txt"}, {"/x//y/./z", "/x/y/z"},
      {"/../..", "/"},               {"sub/", cwd + "/sub/"},             {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ExpandFileName(c.in), c.want) << c.in;
}

TEST_F(FileSystem, ExistsRenameAndDelete) {
  Touch("a.txt");
  ASSERT_TRUE(CreateDir("sub"));
  EXPECT_TRUE(FileExists("a.txt"));
  EXPECT_FALSE(FileExists("sub"));
  EXPECT_TRUE(DirectoryExists("sub"));
  EXPECT_FALSE(DirectoryExists("a.txt"));
  EXPECT_FALSE(FileExists(""));

  EXPECT_TRUE(RenameFile("a.txt", "sub/b.txt"));
  EXPECT_FALSE(FileExists("a.txt"));
  EXPECT_TRUE(FileExists(FDir + "/sub/b.txt"));

  // A rename never replaces another file.
  Touch("keep.txt", "precious");
  EXPECT_FALSE(RenameFile("sub/b.txt", "keep.txt"));
  std::ifstream in("keep.txt");
  String text;
  in >> text;
  EXPECT_EQ(text, "precious");
  EXPECT_FALSE(RenameFile("missing", "other"));

  EXPECT_TRUE(DeleteFile("sub/b.txt"));
  EXPECT_FALSE(DeleteFile("sub/b.txt"));
  EXPECT_TRUE(RemoveDir("sub"));
  EXPECT_TRUE(ForceDirectories("x/y/z"));
  EXPECT_TRUE(DirectoryExists("x/y/z"));
  EXPECT_TRUE(ForceDirectories("x/y/z/"));
  Touch("x/file");
  EXPECT_FALSE(ForceDirectories("x/file/deeper"));
}

}  // namespace
