// Fields: conversions of the typed classes, their display and edit texts and errors, and calculated
// and lookup fields.
#include <gtest/gtest.h>

#include "DB.h"
#include "DateFormat.h"
#include "DateTime.h"
#include "Graphics.h"
#include "MemoryDataSet.h"
#include "StringLists.h"

namespace {

class FieldTest : public testing::Test {
 protected:
  void SetUp() override {
    Data = New<TMemoryDataSet>(nullptr);
    auto* defs = Data->FieldDefs();
    defs->Add("s", ftString, 20);
    defs->Add("i", ftInteger);
    defs->Add("w", ftWord);
    defs->Add("f", ftFloat);
    defs->Add("b", ftBoolean);
    defs->Add("d", ftDateTime);
    defs->Add("m", ftMemo);
    Data->AddRow({"42", 7, 3, 2.5, true, EncodeDate(2026, 12, 10) + EncodeTime(8, 5, 0, 0), "text"});
    Data->AddRow({});
    Data->Open();
  }
  void TearDown() override { Data->Free(); }
  TField* F(const char* name) { return Data->FieldByName(name); }
  TMemoryDataSet* Data = nullptr;
};

TEST_F(FieldTest, ClassesFollowTheDataTypes) {
  EXPECT_TRUE(Is<TStringField>(F("s")));
  EXPECT_TRUE(Is<TIntegerField>(F("w")) && Is<TWordField>(F("w")));
  EXPECT_TRUE(Is<TBlobField>(F("m")) && Is<TMemoField>(F("m")));
  EXPECT_EQ(F("d")->DataType(), ftDateTime);
  EXPECT_EQ(F("f")->GetAlignment(), taRightJustify);
  EXPECT_EQ(F("i")->GetIndex(), 1);
  EXPECT_EQ(F("i")->FieldNo(), 2);
  EXPECT_EQ(Data->FindField("S"), F("s"));
  EXPECT_EQ(Data->FindField("nope"), nullptr);
  EXPECT_THROW(Data->FieldByName("nope"), EDatabaseError);
  EXPECT_TRUE(Data->DefaultFields());
}

TEST_F(FieldTest, ValuesConvertAndNullsReadAsZero) {
  EXPECT_EQ(F("s")->GetAsInteger(), 42);
  EXPECT_EQ(F("i")->GetAsString(), "7");
  EXPECT_DOUBLE_EQ(F("f")->GetAsFloat(), 2.5);
  EXPECT_EQ(F("b")->GetAsString(), "True");
  EXPECT_EQ(F("d")->GetAsString(), "2026-12-10 8:05:00");
  EXPECT_EQ(F("m")->DisplayText(), "(MEMO)");
  EXPECT_EQ(F("m")->GetAsString(), "text");
  Variant both = Data->GetFieldValues("i;s");
  EXPECT_EQ(VarArrayGet(both, {0}).ToInteger(), 7);
  Data->Next();
  for (const char* name : {"s", "i", "f", "b", "d", "m"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(F(name)->IsNull());
    EXPECT_EQ(F(name)->GetAsInteger(), 0);
  }
  EXPECT_EQ(F("m")->DisplayText(), "(memo)");
  EXPECT_EQ(F("s")->GetAsDateTime(), 0);
}

TEST_F(FieldTest, AssignmentsConvertOrRaise) {
  Data->Edit();
  F("s")->SetAsString("2026-1-2 3:04:05");
  EXPECT_DOUBLE_EQ(F("s")->GetAsDateTime(), EncodeDate(2026, 1, 2) + EncodeTime(3, 4, 5, 0));
  F("s")->SetAsString("abc");
  EXPECT_THROW(F("s")->GetAsInteger(), EConvertError);
  EXPECT_THROW(F("s")->GetAsDateTime(), EConvertError);
  EXPECT_THROW(F("i")->SetAsString("12x"), EConvertError);
  EXPECT_THROW(F("w")->SetAsInteger(70000), EDatabaseError);
  F("i")->SetText("");
  EXPECT_TRUE(F("i")->IsNull());
  F("b")->SetAsString("fa");
  EXPECT_FALSE(F("b")->GetAsBoolean());
  EXPECT_THROW(F("b")->SetAsString("maybe"), EDatabaseError);
  static_cast<TBooleanField*>(F("b"))->SetDisplayValues("是;否");
  F("b")->SetText("是");
  EXPECT_EQ(F("b")->DisplayText(), "是");
  static_cast<TFloatField*>(F("f"))->SetDisplayFormat("0.00");
  F("f")->SetAsFloat(3);
  EXPECT_EQ(F("f")->DisplayText(), "3.00");
  EXPECT_EQ(F("f")->GetText(), "3.00");  // the edit text follows the display format without its own
  static_cast<TFloatField*>(F("f"))->SetEditFormat("0.#");
  EXPECT_EQ(F("f")->GetText(), "3");
  Data->Cancel();
  EXPECT_THROW(F("s")->SetAsString("x"), EDatabaseError);  // not editing
  try {
    Data->Post();
    ADD_FAILURE() << "posted outside edit and insert states";
  } catch (const EDatabaseError& e) {
    EXPECT_NE(e.Message().find("Dataset not in edit or insert mode"), String::npos) << e.Message();
  }
}

TEST_F(FieldTest, BlobFieldsTakeStringListsAndOtherBlobs) {
  TStringList* lines = New<TStringList>();
  lines->Add("one");
  lines->Add("two");
  Data->Edit();
  F("m")->Assign(lines);
  EXPECT_EQ(F("m")->GetAsString(), lines->GetText());
  TField* copy = F("s");
  EXPECT_THROW(copy->Assign(lines), EConvertError);
  Data->Post();
  lines->Free();
}

TEST(GraphicFields, HoldPicturesAsBitmapFiles) {
  TOwnedPtr<TMemoryDataSet> data(New<TMemoryDataSet>(nullptr));
  data->FieldDefs()->Add("g", ftGraphic);
  data->AddRow({});
  data->Open();
  TField* field = data->FieldByName("g");
  TOwnedPtr<TBitmap> source(New<TBitmap>()), target(New<TBitmap>());
  source->SetPixelFormat(pf24bit);
  source->SetSize(3, 2);
  source->GetCanvas()->SetPixel(2, 1, clRed);

  data->Edit();
  field->Assign(source.get());
  data->Post();
  EXPECT_FALSE(field->IsNull());
  target->Assign(field);
  ASSERT_EQ(target->GetWidth(), 3);
  EXPECT_EQ(target->GetCanvas()->GetPixel(2, 1), clRed);

  TOwnedPtr<TPicture> picture(New<TPicture>());
  picture->Assign(field);
  EXPECT_EQ(picture->GetBitmap()->GetHeight(), 2);

  data->Edit();
  field->SetAsString("not a picture");
  EXPECT_THROW(target->Assign(field), EInvalidGraphic);
  TOwnedPtr<TBitmap> empty(New<TBitmap>());
  field->Assign(empty.get());  // an empty bitmap empties the field
  EXPECT_TRUE(field->IsNull());
  target->Assign(field);
  EXPECT_TRUE(target->GetEmpty());
  data->Cancel();
}

TEST(CalculatedFields, ComputedPerRecordAndLookedUp) {
  TMemoryDataSet* names = New<TMemoryDataSet>(nullptr);
  names->FieldDefs()->Add("code", ftInteger);
  names->FieldDefs()->Add("title", ftString, 10);
  names->AddRow({1, "one"});
  names->AddRow({2, "two"});
  names->Open();

  TMemoryDataSet* data = New<TMemoryDataSet>(nullptr);
  data->FieldDefs()->Add("n", ftInteger);
  data->AddRow({1});
  data->AddRow({2});
  // Persistent fields: the data field, a calculated double and a looked-up title.
  TIntegerField* n = New<TIntegerField>(data);
  n->SetFieldName("n");
  n->SetDataSet(data);
  TIntegerField* twice = New<TIntegerField>(data);
  twice->SetFieldName("twice");
  twice->SetCalculated(true);
  twice->SetDataSet(data);
  TStringField* title = New<TStringField>(data);
  title->SetFieldName("title");
  title->SetLookup(true);
  title->SetLookupDataSet(names);
  title->SetKeyFields("n");
  title->SetLookupKeyFields("code");
  title->SetLookupResultField("title");
  title->SetDataSet(data);
  data->OnCalcFields = [](TDataSet* ds) {
    ds->FieldByName("twice")->SetAsInteger(ds->FieldByName("n")->GetAsInteger() * 2);
  };
  data->Open();
  EXPECT_FALSE(data->DefaultFields());
  EXPECT_EQ(twice->GetAsInteger(), 2);
  EXPECT_EQ(title->GetAsString(), "one");
  data->Next();
  EXPECT_EQ(twice->GetAsInteger(), 4);
  EXPECT_EQ(title->GetAsString(), "two");
  data->Edit();
  n->SetAsInteger(1);
  EXPECT_EQ(twice->GetAsInteger(), 2);
  EXPECT_EQ(title->GetAsString(), "one");
  data->Post();
  EXPECT_EQ(data->Lookup("n", 1, "twice").ToInteger(), 2);
  EXPECT_TRUE(data->Locate("n", 1, {}));
  EXPECT_EQ(data->GetRecNo(), 1);
  data->Free();
  names->Free();
}

}  // namespace
