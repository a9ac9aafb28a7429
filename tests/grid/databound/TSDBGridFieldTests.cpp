// Field wrappers: the factory's choice of wrapper, what the wrappers answer through their fields,
// the Boolean texts, writes through the grid's edit hooks, blob streams and finding wrappers.
#include <cstring>

#include "DBGridTestSupport.h"
#include "DBTables.h"
#include "FieldTestSupport.h"
#include "DateTime.h"
#include "Graphics.h"
#include "StringLists.h"
#include "TSDBGridDataLink.h"

namespace DBGridTest {
namespace {

// A dataset with a field of every kind, its wrappers made by the grid's field list.
class FieldWrapperTest : public DBGridTest {
 protected:
  void SetUp() override {
    DBGridTest::SetUp();
    Grid = ReplaceWithFieldTestGrid(Grid, Form);
    Kinds = New<TMemoryDataSet>(Form);
    struct {
      const char* Name;
      TFieldType Type;
      Integer Size;
    } defs[] = {{"s", ftString, 10},   {"i", ftInteger, 0},   {"si", ftSmallint, 0}, {"w", ftWord, 0},
                {"ai", ftAutoInc, 0},  {"f", ftFloat, 0},     {"c", ftCurrency, 0},  {"bcd", ftBCD, 4},
                {"b", ftBoolean, 0},   {"dt", ftDateTime, 0}, {"d", ftDate, 0},      {"t", ftTime, 0},
                {"by", ftBytes, 4},    {"vb", ftVarBytes, 4}, {"m", ftMemo, 0},      {"g", ftGraphic, 0},
                {"bl", ftBlob, 0}};
    for (auto& def : defs) Kinds->FieldDefs()->Add(def.Name, def.Type, def.Size);
    Kinds->AddRow({"abc", 7, 3, 4, 1, 1.23456, 2.5, 1.5, true, EncodeDate(2026, 12, 11), EncodeDate(2026, 1, 2),
                   EncodeTime(8, 30, 0, 0), Variant(), Variant(), "备注", Variant(), "raw"});
    Kinds->AddRow({});
    KindsSource = New<TDataSource>(Form);
    KindsSource->SetDataSet(Kinds);
    Kinds->Open();
    Grid->SetDatasetType(dstStandard);
    Grid->GetDataLink()->SetDataSource(KindsSource);
    Grid->GetFieldList()->CreateFields();
  }
  TtsDBField* W(const char* Name) { return Grid->GetField(String(Name)); }

  TMemoryDataSet* Kinds = nullptr;
  TDataSource* KindsSource = nullptr;
};

TEST_F(FieldWrapperTest, TheFactoryNamesEachFieldKindByItsWrapper) {
  // The first class the field is or descends from decides: the small-integer, word and counter
  // fields are integer fields, currency a float, date and time date-times, the byte kinds binary.
  struct {
    const char* Field;
    TClass Wrapper;
  } table[] = {{"s", TtsDBStringField::StaticClass()},    {"i", TtsDBIntegerField::StaticClass()},
               {"si", TtsDBIntegerField::StaticClass()},  {"w", TtsDBIntegerField::StaticClass()},
               {"ai", TtsDBIntegerField::StaticClass()},  {"f", TtsDBFloatField::StaticClass()},
               {"c", TtsDBFloatField::StaticClass()},     {"bcd", TtsDBBCDField::StaticClass()},
               {"b", TtsDBBooleanField::StaticClass()},   {"dt", TtsDBDateTimeField::StaticClass()},
               {"d", TtsDBDateTimeField::StaticClass()},  {"t", TtsDBDateTimeField::StaticClass()},
               {"by", TtsDBBinaryField::StaticClass()},   {"vb", TtsDBBinaryField::StaticClass()},
               {"m", TtsDBMemoField::StaticClass()},      {"g", TtsDBGraphicField::StaticClass()},
               {"bl", TtsDBBlobField::StaticClass()}};
  ASSERT_EQ(Grid->GetFieldList()->GetCount(), 17);
  for (auto& row : table) {
    SCOPED_TRACE(row.Field);
    ASSERT_NE(W(row.Field), nullptr);
    EXPECT_EQ(W(row.Field)->ClassType(), row.Wrapper);
    EXPECT_EQ(W(row.Field)->GetCol(), nullptr);
  }
  // A blob field whose blob type says graphic shows pictures too; an unknown class gets the base.
  TOwnedPtr<TBlobField> picture(New<TBlobField>(nullptr));
  picture->SetBlobType(ftGraphic);
  TOwnedPtr<TtsDBField> wrapper(Grid->GetFieldList()->CreateField(picture.get()));
  EXPECT_EQ(wrapper->ClassType(), TtsDBGraphicField::StaticClass());
  TOwnedPtr<TField> plain(New<TField>(nullptr));
  TOwnedPtr<TtsDBField> base(Grid->GetFieldList()->CreateField(plain.get()));
  EXPECT_EQ(base->ClassType(), TtsDBField::StaticClass());

  EXPECT_EQ(W("b")->GetControlType(), ctCheck);
  EXPECT_EQ(W("g")->GetControlType(), ctPicture);
  EXPECT_EQ(W("m")->GetControlType(), ctText);
  EXPECT_TRUE(W("w")->IsIntegerField() && !W("f")->IsIntegerField());
  EXPECT_TRUE(W("b")->IsBooleanField() && !W("i")->IsBooleanField());
  EXPECT_EQ(W("s")->GetMaxLength(), 10);
  EXPECT_EQ(W("i")->GetMaxLength(), 0);
  EXPECT_TRUE(W("m")->IsBlobField() && W("g")->IsBlobField() && !W("s")->IsBlobField());
}

TEST_F(FieldWrapperTest, GetFieldTakesANameOrANumberWithinTheList) {
  EXPECT_EQ(W("BCD"), Grid->GetFieldList()->GetField(7));  // names ignore case
  EXPECT_EQ(Grid->GetField(1), W("s"));
  EXPECT_EQ(Grid->GetField(17), W("bl"));
  for (const Variant& key : {Variant(0), Variant(18), Variant(-1), Variant(String("nope")), Variant(), Null()})
    EXPECT_EQ(Grid->GetField(key), nullptr) << VarToStr(key);
  EXPECT_EQ(Grid->GetFieldList()->FieldIndex(Kinds->FieldByName("f")), 5);
  Data->Open();
  EXPECT_EQ(Grid->GetFieldList()->FieldIndex(Data->FieldByName("id")), -1);  // another dataset's field
}

TEST_F(FieldWrapperTest, ValuesAndTextsComeFromTheField) {
  EXPECT_EQ(W("i")->GetAsString(), "7");
  EXPECT_DOUBLE_EQ(W("f")->GetAsFloat(), 1.23456);
  // The currency value of a float is the number with four decimals, and a date-time is read as one.
  EXPECT_EQ(W("f")->GetAsCurrency(), Currency::FromDouble(1.2346));
  EXPECT_DOUBLE_EQ(W("dt")->GetAsDateTime(), EncodeDate(2026, 12, 11));
  EXPECT_DOUBLE_EQ(W("f")->GetAsDateTime(), 1.23456);
  EXPECT_THROW(W("s")->GetAsDateTime(), EConvertError);
  EXPECT_TRUE(W("b")->GetAsBoolean());

  static_cast<TIntegerField*>(Kinds->FieldByName("i"))->SetDisplayFormat("#,##0.0");
  EXPECT_EQ(W("i")->GetDisplayFormat(), "#,##0.0");
  EXPECT_EQ(W("i")->GetEditFormat(), "");
  EXPECT_EQ(W("i")->GetDisplayText(), "7.0");
  static_cast<TDateTimeField*>(Kinds->FieldByName("d"))->SetDisplayFormat("yyyy");
  EXPECT_EQ(W("d")->GetDisplayFormat(), "yyyy");
  EXPECT_EQ(W("d")->GetEditFormat(), "");
  EXPECT_EQ(W("s")->GetDisplayFormat(), "");

  // A memo cell shows its text, or what the field's text handler makes of it.
  EXPECT_EQ(W("m")->GetDisplayText(), "备注");
  EXPECT_EQ(W("m")->GetEditText(), "备注");
  struct Handler {
    void GetText(TField* Sender, String& Text, bool DisplayText) { Text = DisplayText ? "shown" : "edited"; }
  } handler;
  Kinds->FieldByName("m")->OnGetText = TFieldGetTextEvent(&handler, &Handler::GetText);
  EXPECT_EQ(W("m")->GetDisplayText(), "shown");
  EXPECT_EQ(W("m")->GetEditText(), "edited");

  Kinds->Next();  // the blank record
  EXPECT_TRUE(W("i")->GetIsNull());
  EXPECT_EQ(W("i")->GetAsInteger(), 0);
  EXPECT_EQ(W("i")->GetDisplayText(), "");
}

TEST_F(FieldWrapperTest, BooleanTextsFollowTheDisplayValues) {
  auto* wrapper = static_cast<TtsDBBooleanField*>(W("b"));
  auto* field = static_cast<TBooleanField*>(Kinds->FieldByName("b"));
  struct {
    const char* DisplayValues;
    const char* True;
    const char* False;
  } table[] = {{"Yes;No", "Yes", "No"}, {"是", "是", ""}, {"", "True", "False"}, {";off", "", "off"}};
  EXPECT_EQ(wrapper->GetTrueText(), "True");
  EXPECT_EQ(wrapper->GetFalseText(), "False");
  for (auto& row : table) {
    SCOPED_TRACE(row.DisplayValues);
    field->SetDisplayValues(row.DisplayValues);
    wrapper->RefreshTexts();
    EXPECT_EQ(wrapper->GetTrueText(), row.True);
    EXPECT_EQ(wrapper->GetFalseText(), row.False);
  }
  // The texts of the stored form hold 255 characters at most, cut between characters.
  String longText;
  for (int i = 0; i < 300; ++i) longText += "中";
  field->SetDisplayValues(longText + ";x");
  wrapper->RefreshTexts();
  EXPECT_EQ(wrapper->GetTrueText().size(), 255u * 3);
  EXPECT_EQ(wrapper->GetFalseText(), "x");
}

TEST_F(FieldWrapperTest, WritesGoThroughTheEditHooksOrNowhere) {
  W("i")->SetAsInteger(42);  // the grid's row edit puts the dataset into edit state
  EXPECT_EQ(Kinds->State(), dsEdit);
  EXPECT_EQ(Kinds->FieldByName("i")->GetAsInteger(), 42);
  W("s")->SetEditText("xyz");
  W("f")->SetAsCurrency(Currency::FromDouble(2.25));
  W("b")->SetAsVariant(false);
  EXPECT_EQ(Kinds->FieldByName("s")->GetAsString(), "xyz");
  EXPECT_DOUBLE_EQ(Kinds->FieldByName("f")->GetAsFloat(), 2.25);
  EXPECT_FALSE(Kinds->FieldByName("b")->GetAsBoolean());
  Kinds->Cancel();

  // Read-only, calculated and lookup fields refuse silently.
  Kinds->FieldByName("i")->SetReadOnly(true);
  EXPECT_FALSE(W("i")->IsEditField());
  W("i")->SetAsInteger(1);
  EXPECT_EQ(Kinds->State(), dsBrowse);
  EXPECT_EQ(Kinds->FieldByName("i")->GetAsInteger(), 7);

  // A grid with no data link to edit through refuses every write.
  Grid->GetDataLink()->SetDataSource(nullptr);
  W("s")->SetAsString("no");
  EXPECT_EQ(Kinds->FieldByName("s")->GetAsString(), "abc");
}

TEST_F(FieldWrapperTest, BlobWrappersSaveAndLoadThroughStreams) {
  auto* memo = static_cast<TtsDBBlobField*>(W("m"));
  TOwnedPtr<TStringList> lines(New<TStringList>());
  memo->SaveToStrings(lines.get());
  ASSERT_EQ(lines->GetCount(), 1);
  EXPECT_EQ(lines->GetStrings(0), "备注");
  TOwnedPtr<TStringStream> bytes(New<TStringStream>());
  static_cast<TtsDBBlobField*>(W("bl"))->SaveToStream(bytes.get());
  EXPECT_EQ(bytes->GetDataString(), "raw");

  // Copying one blob into another goes through a write stream stored when it is freed.
  memo->Assign(W("bl"));
  EXPECT_EQ(Kinds->FieldByName("m")->GetAsString(), "raw");
  EXPECT_EQ(Kinds->State(), dsEdit);
  Kinds->Cancel();

  // Reading past the end answers what remains, then nothing.
  TOwnedPtr<TtsDBBlobStream> stream(NewOwned<TtsDBBlobStream>(memo, bmRead));
  char buffer[16] = {};
  EXPECT_EQ(stream->Read(buffer, 16), 6);
  EXPECT_EQ(stream->Read(buffer, 16), 0);
  EXPECT_EQ(stream->Seek(2, soBeginning), 2);
}

TEST_F(FieldWrapperTest, PicturesSkipTheirGraphicHeader) {
  TOwnedPtr<TBitmap> source(New<TBitmap>());
  source->SetPixelFormat(pf24bit);
  source->SetSize(2, 3);
  source->GetCanvas()->SetPixel(1, 2, clBlue);
  TOwnedPtr<TMemoryStream> bmp(New<TMemoryStream>());
  source->SaveToStream(bmp.get());
  String file(static_cast<const char*>(bmp->GetMemory()), static_cast<size_t>(bmp->GetSize()));
  auto header = [](uint16_t kind, uint16_t version, uint32_t length) {
    String h(8, '\0');
    std::memcpy(h.data(), &kind, 2);
    std::memcpy(h.data() + 2, &version, 2);
    std::memcpy(h.data() + 4, &length, 4);
    return h;
  };
  auto* graphic = static_cast<TtsDBBlobField*>(W("g"));
  for (const String& stored : {file, header(1, 0x0100, static_cast<uint32_t>(file.size())) + file}) {
    Kinds->Edit();
    Kinds->FieldByName("g")->SetAsString(stored);
    Kinds->Post();
    TOwnedPtr<TBitmap> target(New<TBitmap>());
    graphic->SaveToBitmap(target.get());
    ASSERT_EQ(target->GetWidth(), 2);
    EXPECT_EQ(target->GetCanvas()->GetPixel(1, 2), clBlue);
  }
  // A header whose length does not match is part of the picture, which then does not read.
  Kinds->Edit();
  Kinds->FieldByName("g")->SetAsString(header(1, 0x0100, 5) + file);
  Kinds->Post();
  TOwnedPtr<TBitmap> target(New<TBitmap>());
  EXPECT_THROW(graphic->SaveToBitmap(target.get()), EInvalidGraphic);
}

}  // namespace
}  // namespace DBGridTest
