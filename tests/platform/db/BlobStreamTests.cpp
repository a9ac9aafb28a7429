// Blob streams over a field of the current record, and the transliteration setting of text fields.
#include <gtest/gtest.h>

#include "DB.h"
#include "DBTables.h"
#include "MemoryDataSet.h"

namespace {

class BlobStreamTest : public testing::Test {
 protected:
  void SetUp() override {
    Data = New<TMemoryDataSet>(nullptr);
    Data->FieldDefs()->Add("s", ftString, 10);
    Data->FieldDefs()->Add("m", ftMemo);
    Data->AddRow({"a", "0123456789"});
    Data->AddRow({"b", "second"});
    Data->Open();
    Memo = static_cast<TBlobField*>(Data->FieldByName("m"));
  }
  void TearDown() override { Data->Free(); }
  String ReadAll(TStream* Stream) {
    String text(static_cast<size_t>(Stream->GetSize() - Stream->GetPosition()), '\0');
    if (!text.empty()) Stream->ReadBuffer(text.data(), static_cast<Integer>(text.size()));
    return text;
  }
  TMemoryDataSet* Data = nullptr;
  TBlobField* Memo = nullptr;
};

TEST_F(BlobStreamTest, ReadsAndSeeksTheValueAndWritesNothing) {
  TOwnedPtr<TBlobStream> blob = NewOwned<TBlobStream>(Memo, bmRead);
  EXPECT_EQ(blob->GetSize(), 10);
  EXPECT_EQ(blob->Seek(-3, soEnd), 7);
  char tail[8] = {};
  EXPECT_EQ(blob->Read(tail, 8), 3);  // past the end: what remains, then nothing
  EXPECT_STREQ(tail, "789");
  EXPECT_EQ(blob->Read(tail, 8), 0);
  blob->Seek(2, soBeginning);
  blob->Seek(1, soCurrent);
  EXPECT_EQ(ReadAll(blob.get()), "3456789");
  EXPECT_EQ(blob->Write("x", 1), 0);
  EXPECT_THROW(blob->WriteBuffer("x", 1), EWriteError);
}

TEST_F(BlobStreamTest, WriteStoresWhenFreedWhileTheEditLasts) {
  EXPECT_THROW(NewOwned<TBlobStream>(Memo, bmWrite), EDatabaseError);  // browsing: no write stream

  Data->Edit();
  {
    TOwnedPtr<TBlobStream> blob = NewOwned<TBlobStream>(Memo, bmWrite);
    EXPECT_EQ(blob->GetSize(), 0);  // a write stream starts empty
    blob->WriteBuffer("新值", 6);
    EXPECT_EQ(Memo->GetAsString(), "0123456789");  // not yet stored
  }
  EXPECT_EQ(Memo->GetAsString(), "新值");
  {
    TOwnedPtr<TBlobStream> blob = NewOwned<TBlobStream>(Memo, bmReadWrite);
    blob->Seek(0, soEnd);
    blob->WriteBuffer("!", 1);
  }
  EXPECT_EQ(Memo->GetAsString(), "新值!");
  Data->Post();
  EXPECT_EQ(Memo->GetAsString(), "新值!");

  // A stream outliving its edit does not write into whichever record is current afterwards.
  Data->Edit();
  TBlobStream* late = New<TBlobStream>(Memo, bmWrite);
  late->WriteBuffer("lost", 4);
  Data->Cancel();
  Data->Next();
  Data->Edit();
  late->Free();
  EXPECT_EQ(Memo->GetAsString(), "second");
  Data->Cancel();
}

TEST_F(BlobStreamTest, ReadOnlyFieldsRefuseWriteStreams) {
  Memo->SetReadOnly(true);
  Data->Edit();
  EXPECT_THROW(NewOwned<TBlobStream>(Memo, bmReadWrite), EDatabaseError);
  EXPECT_EQ(NewOwned<TBlobStream>(Memo, bmRead)->GetSize(), 10);
  Data->Cancel();
}

TEST_F(BlobStreamTest, TextFieldsKeepTheirTransliterationSetting) {
  auto* text = static_cast<TStringField*>(Data->FieldByName("s"));
  auto* memo = static_cast<TMemoField*>(Memo);
  EXPECT_TRUE(text->GetTransliterate());
  EXPECT_TRUE(memo->GetTransliterate());
  text->SetTransliterate(false);
  memo->SetTransliterate(false);
  EXPECT_FALSE(text->GetTransliterate());
  EXPECT_FALSE(memo->GetTransliterate());
  // Both sides are UTF-8: the values are the same whichever the setting.
  Data->Edit();
  text->SetAsString("中文");
  EXPECT_EQ(text->GetAsString(), "中文");
  Data->Cancel();
}

}  // namespace
