#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include "Exceptions.h"
#include "Streams.h"

namespace {

namespace fs = std::filesystem;

// A private folder for the files of one test, removed after it.
class StreamFiles : public testing::Test {
 protected:
  void SetUp() override {
    Dir = fs::temp_directory_path() / ("streams-test-" + std::to_string(::getpid()));
    fs::create_directories(Dir);
  }
  void TearDown() override { fs::remove_all(Dir); }
  String PathOf(const char* name) const { return (Dir / name).string(); }
  fs::path Dir;
};

String ReadAll(TStream* s) {
  String r(static_cast<size_t>(s->GetSize()), '\0');
  s->SetPosition(0);
  s->ReadBuffer(r.data(), static_cast<Integer>(r.size()));
  return r;
}

template <class E>
String MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const E& e) {
    return e.Message();
  }
  return "no error";
}

}  // namespace

TEST(TMemoryStream, ReadsWritesAndSeeksLikeAFile) {
  TMemoryStream* m = New<TMemoryStream>();
  m->WriteBuffer("hello world", 11);
  EXPECT_EQ(m->GetSize(), 11);
  EXPECT_EQ(m->GetPosition(), 11);
  EXPECT_EQ(m->Seek(-5, soFromEnd), 6);
  m->WriteBuffer("WORLD!", 6);  // overwrites and extends
  EXPECT_EQ(ReadAll(m), "hello WORLD!");
  EXPECT_EQ(std::memcmp(m->GetMemory(), "hello", 5), 0);

  char buf[8] = {};
  m->Seek(-2, soFromCurrent);  // from 12
  EXPECT_EQ(m->Read(buf, 8), 2) << "a read stops at the end";
  EXPECT_EQ(m->Read(buf, 8), 0);
  m->SetPosition(-3);
  EXPECT_EQ(m->Read(buf, 1), 0) << "nothing before the start";
  EXPECT_EQ(m->Write("x", 1), 0);

  // A write past the end leaves zeros in between; so does enlarging the size.
  m->SetPosition(14);
  m->WriteBuffer("Z", 1);
  m->SetSize(17);
  EXPECT_EQ(ReadAll(m), String("hello WORLD!\0\0Z\0\0", 17));
  m->SetSize(5);
  EXPECT_EQ(m->GetPosition(), 5) << "the position follows a shrinking end";
  m->SetSize(7);
  EXPECT_EQ(ReadAll(m), String("hello\0\0", 7)) << "regrown bytes are cleared";

  m->Clear();
  EXPECT_EQ(m->GetSize(), 0);
  EXPECT_EQ(m->GetPosition(), 0);
  EXPECT_THROW(m->SetSize(-1), EStreamError);
  m->Free();
}

TEST(TStream, BufferTransfersRaiseOnShortCounts) {
  TMemoryStream* m = New<TMemoryStream>();
  m->WriteBuffer("abc", 3);
  m->SetPosition(1);
  char buf[4];
  EXPECT_EQ(MessageOf<EReadError>([&] { m->ReadBuffer(buf, 4); }), "Stream read error");
  m->SetPosition(-1);
  EXPECT_EQ(MessageOf<EWriteError>([&] { m->WriteBuffer("x", 1); }), "Stream write error");
  m->ReadBuffer(buf, 0);  // nothing asked, nothing raised
  m->Free();
}

TEST(TStream, CopyFromCopiesAPartOrTheWholeSource) {
  TStringStream* source = New<TStringStream>(String("0123456789"));
  TMemoryStream* dest = New<TMemoryStream>();
  source->SetPosition(3);
  EXPECT_EQ(dest->CopyFrom(source, 4), 4);
  EXPECT_EQ(ReadAll(dest), "3456");
  EXPECT_EQ(source->GetPosition(), 7);

  dest->SetSize(0);
  EXPECT_EQ(dest->CopyFrom(source, 0), 10) << "0 copies the whole source from its start";
  EXPECT_EQ(ReadAll(dest), "0123456789");

  source->SetPosition(8);
  EXPECT_THROW(dest->CopyFrom(source, 5), EReadError);

  // Larger than the copy buffer.
  String big(200000, 'q');
  big[199999] = 'e';
  TStringStream* large = New<TStringStream>(big);
  dest->SetSize(0);
  dest->CopyFrom(large, 0);
  EXPECT_EQ(ReadAll(dest), big);
  large->Free();
  source->Free();
  dest->Free();
}

TEST(TStringStream, OverwritesInPlaceAndKeepsItsPositionInRange) {
  TStringStream* s = New<TStringStream>(String("abcdef"));
  EXPECT_EQ(s->Seek(2, soFromBeginning), 2);
  s->WriteString("XY");
  EXPECT_EQ(s->GetDataString(), "abXYef") << "what follows the write stays";
  EXPECT_EQ(s->ReadString(10), "ef");
  s->WriteString("gh");
  EXPECT_EQ(s->GetDataString(), "abXYefgh");
  EXPECT_EQ(s->Seek(5, soFromEnd), 8);
  EXPECT_EQ(s->Seek(-50, soFromCurrent), 0);
  s->SetSize(3);
  EXPECT_EQ(s->GetDataString(), "abX");
  s->Free();
}

TEST_F(StreamFiles, FileStreamCreatesOpensAndSizesFiles) {
  String name = PathOf("data.bin");
  TFileStream* f = New<TFileStream>(name, fmCreate);
  f->WriteBuffer("0123456789", 10);
  EXPECT_EQ(f->GetSize(), 10);
  f->SetSize(4);
  EXPECT_EQ(f->GetPosition(), 4);
  f->Free();

  f = New<TFileStream>(name, fmOpenReadWrite | fmShareExclusive);
  EXPECT_EQ(ReadAll(f), "0123");
  f->Seek(0, soFromEnd);
  f->WriteBuffer("45", 2);
  f->Free();

  f = New<TFileStream>(name, fmOpenRead | fmShareDenyWrite);
  EXPECT_EQ(ReadAll(f), "012345");
  EXPECT_THROW(f->WriteBuffer("x", 1), EWriteError) << "opened for reading only";
  f->Free();

  TMemoryStream* m = New<TMemoryStream>();
  m->LoadFromFile(name);
  EXPECT_EQ(ReadAll(m), "012345");
  m->SaveToFile(PathOf("copy.bin"));
  m->Free();
  EXPECT_EQ(fs::file_size(Dir / "copy.bin"), 6u);
}

TEST_F(StreamFiles, FileErrorsNameTheFileAndTheReason) {
  String missing = PathOf("missing.txt");
  EXPECT_EQ(MessageOf<EFOpenError>([&] { New<TFileStream>(missing, fmOpenRead); }),
            "Cannot open file \"" + missing + "\". No such file or directory");
  EXPECT_EQ(MessageOf<EFOpenError>([&] { New<TFileStream>(Dir.string(), fmOpenRead); }),
            "Cannot open file \"" + Dir.string() + "\". Is a directory");
  String inMissingDir = PathOf("no/such/dir.txt");
  EXPECT_EQ(MessageOf<EFCreateError>([&] { New<TFileStream>(inMissingDir, fmCreate); }),
            "Cannot create file \"" + inMissingDir + "\". No such file or directory");

  // A relative name is reported in full.
  fs::path here = fs::current_path();
  fs::current_path(Dir);
  String relative = MessageOf<EFOpenError>([&] { New<TFileStream>(String("nope.txt"), fmOpenRead); });
  fs::current_path(here);
  EXPECT_EQ(relative, "Cannot open file \"" + PathOf("nope.txt") + "\". No such file or directory");
}
