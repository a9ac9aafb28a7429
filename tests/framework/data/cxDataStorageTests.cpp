#include <gtest/gtest.h>

#include <random>

#include "DateTime.h"
#include "FmtBcd.h"
#include "SqlTimSt.h"
#include "Streams.h"
#include "cxDataStorage.h"
#include "cxVariants.h"

namespace {

class TTracked : public TObject {
  DECLARE_CLASS(TTracked, TObject)
 public:
  static inline int Alive = 0;
  void Construct() override { ++Alive; }
  void Destroy() override { --Alive; }
};
IMPLEMENT_CLASS(TTracked)

class StorageTest : public ::testing::Test {
 protected:
  void SetUp() override { Storage = New<TcxDataStorage>(); }
  void TearDown() override { Storage->Free(); }
  TcxValueDef* Add(TcxValueTypeClass AType, bool ATextStored = false) {
    return Storage->GetValueDefs()->Add(AType, true, ATextStored, nullptr);
  }
  TcxDataStorage* Storage = nullptr;
};

TEST(cxDataStorageRegistry, CaptionsAndLookup) {
  TcxValueTypeClassList* list = cxValueTypeClassList();
  ASSERT_EQ(list->Count(), 14);
  EXPECT_EQ(list->GetItem(0), ValueTypeClass<TcxStringValueType>());
  EXPECT_EQ(list->GetItem(13), ValueTypeClass<TcxObjectValueType>());
  EXPECT_EQ(list->ItemByCaption("String"), ValueTypeClass<TcxStringValueType>());
  EXPECT_EQ(list->ItemByCaption("SQLTimeStamp"), ValueTypeClass<TcxSQLTimeStampValueType>());
  EXPECT_EQ(list->ItemByCaption("string"), nullptr);
  EXPECT_EQ(ValueTypeClass<TcxValueType>()->Caption(), "");
  EXPECT_TRUE(IsDateTimeValueTypeClass(ValueTypeClass<TcxDateTimeValueType>()));
  EXPECT_FALSE(IsDateTimeValueTypeClass(ValueTypeClass<TcxFloatValueType>()));
  Variant v = "12";
  EXPECT_TRUE(ValueTypeClass<TcxIntegerValueType>()->IsValueValid(v));
  EXPECT_EQ(VarType(v), varInteger);
  v = "x";
  EXPECT_FALSE(ValueTypeClass<TcxIntegerValueType>()->IsValueValid(v));
  EXPECT_EQ(VarToStr(v), "x");
}

TEST_F(StorageTest, EveryTypeKeepsItsValuesAndOrders) {
  TBcd small = StrToBcd("1.25"), large = StrToBcd("10.5");
  struct Case {
    TcxValueTypeClass Type;
    Variant Low;
    Variant High;
  };
  const Case cases[] = {
      {ValueTypeClass<TcxStringValueType>(), "", "abc"},
      {ValueTypeClass<TcxWideStringValueType>(), WideString(u"a"), WideString(u"b")},
      {ValueTypeClass<TcxSmallintValueType>(), SmallInt(-5), SmallInt(300)},
      {ValueTypeClass<TcxIntegerValueType>(), -2000000000, 2000000000},
      {ValueTypeClass<TcxWordValueType>(), Word(0), Word(65535)},
      {ValueTypeClass<TcxBooleanValueType>(), false, true},
      {ValueTypeClass<TcxFloatValueType>(), -1.5, 2.25},
      {ValueTypeClass<TcxCurrencyValueType>(), Currency::FromRaw(-10000), Currency::FromRaw(25000)},
      {ValueTypeClass<TcxDateTimeValueType>(), VarFromDateTime(45000.25), VarFromDateTime(45001)},
      {ValueTypeClass<TcxLargeIntValueType>(), Int64(-1) << 40, Int64(1) << 40},
      {ValueTypeClass<TcxFMTBcdValueType>(), VarFMTBcdCreate(small), VarFMTBcdCreate(large)},
      {ValueTypeClass<TcxSQLTimeStampValueType>(), VarSQLTimeStampCreate(45000.5), VarSQLTimeStampCreate(45000.75)},
      {ValueTypeClass<TcxVariantValueType>(), 1, 2.5},
  };
  std::vector<TcxValueDef*> defs;
  for (const Case& c : cases) defs.push_back(Add(c.Type));
  Storage->SetRecordCount(3);  // record 2 is never written
  for (size_t i = 0; i < defs.size(); ++i) {
    Storage->SetValue(0, defs[i], cases[i].High);
    Storage->SetValue(1, defs[i], cases[i].Low);
  }
  for (size_t i = 0; i < defs.size(); ++i) {
    const String name = cases[i].Type->Caption();
    EXPECT_TRUE(VarSameValue(Storage->GetValue(0, defs[i]), cases[i].High)) << name;
    EXPECT_TRUE(VarSameValue(Storage->GetValue(1, defs[i]), cases[i].Low)) << name;
    EXPECT_TRUE(VarIsNull(Storage->GetValue(2, defs[i]))) << name;
    EXPECT_EQ(Storage->GetDisplayText(2, defs[i]), "") << name;
    EXPECT_GT(Storage->CompareRecords(0, 1, defs[i]), 0) << name;
    EXPECT_LT(Storage->CompareRecords(1, 0, defs[i]), 0) << name;
    EXPECT_LT(Storage->CompareRecords(2, 1, defs[i]), 0) << name;  // Null before every value
    EXPECT_EQ(Storage->CompareRecords(2, 2, defs[i]), 0) << name;
    // Prepared values compare as the stored ones do.
    const void *p0, *p1;
    EXPECT_FALSE(Storage->GetCompareInfo(0, defs[i], p0));
    EXPECT_FALSE(Storage->GetCompareInfo(1, defs[i], p1));
    EXPECT_GT(defs[i]->CompareValues(false, false, p0, p1), 0) << name;
    EXPECT_TRUE(VarSameValue(cases[i].Type->GetValue(p0), cases[i].High)) << name;
  }
  // The whole table survives the record stream.
  TMemoryStream* stream = New<TMemoryStream>();
  for (Integer r = 0; r < 3; ++r) Storage->WriteData(r, stream);
  stream->SetPosition(0);
  TcxDataStorage* copy = New<TcxDataStorage>();
  std::vector<TcxValueDef*> copyDefs;
  for (const Case& c : cases) copyDefs.push_back(copy->GetValueDefs()->Add(c.Type, true, false, nullptr));
  copy->SetRecordCount(3);
  for (Integer r = 0; r < 3; ++r) copy->ReadData(r, stream);
  for (size_t i = 0; i < defs.size(); ++i)
    for (Integer r = 0; r < 3; ++r)
      EXPECT_TRUE(VarSameValue(copy->GetValue(r, copyDefs[i]), Storage->GetValue(r, defs[i])))
          << cases[i].Type->Caption() << " record " << r;
  EXPECT_EQ(copy->GetRecordBuffer(2), nullptr);
  copy->Free();
  stream->Free();
}

TEST_F(StorageTest, NullStringsAndTexts) {
  TcxValueDef* s = Add(ValueTypeClass<TcxStringValueType>(), true);
  TcxValueDef* n = Add(ValueTypeClass<TcxIntegerValueType>());
  Storage->SetRecordCount(1);
  Storage->SetValue(0, s, "");
  EXPECT_FALSE(VarIsNull(Storage->GetValue(0, s)));  // empty text is a value
  Storage->SetValue(0, s, Null());
  EXPECT_TRUE(VarIsNull(Storage->GetValue(0, s)));
  Storage->SetDisplayText(0, s, "shown");
  EXPECT_EQ(Storage->GetDisplayText(0, s), "shown");
  Storage->SetDisplayText(0, n, "ignored");  // no text slot
  Storage->SetValue(0, n, 42);
  EXPECT_EQ(Storage->GetDisplayText(0, n), "42");
  // The record stream: flag byte, then per value its null byte, data, and text.
  TMemoryStream* stream = New<TMemoryStream>();
  Storage->WriteData(0, stream);
  const String bytes(static_cast<const char*>(stream->GetMemory()), static_cast<size_t>(stream->GetSize()));
  const String expected = String("\0", 1) + String("\1", 1) + String("\5\0\0\0shown", 9) + String("\0", 1) +
                          String("\x2a\0\0\0", 4);
  EXPECT_EQ(bytes, expected);
  stream->Free();
}

TEST_F(StorageTest, LayoutChangesKeepValues) {
  TcxValueDef* a = Add(ValueTypeClass<TcxIntegerValueType>());
  TcxValueDef* s = Add(ValueTypeClass<TcxStringValueType>());
  Storage->SetRecordCount(3);
  for (Integer r = 0; r < 3; ++r) {
    Storage->SetValue(r, a, r * 10);
    Storage->SetValue(r, s, "s" + std::to_string(r));
  }
  TcxValueDef* b = Add(ValueTypeClass<TcxFloatValueType>());
  for (Integer r = 0; r < 3; ++r) {
    EXPECT_EQ(Storage->GetValue(r, a).ToInteger(), r * 10);
    EXPECT_EQ(VarToStr(Storage->GetValue(r, s)), "s" + std::to_string(r));
    EXPECT_TRUE(VarIsNull(Storage->GetValue(r, b)));
  }
  Storage->SetValue(1, b, 1.5);
  s->Free();  // the string holders go with their definition
  EXPECT_EQ(Storage->GetValue(2, a).ToInteger(), 20);
  EXPECT_DOUBLE_EQ(Storage->GetValue(1, b).ToDouble(), 1.5);
  a->Free();
  EXPECT_NE(Storage->GetRecordBuffer(1), nullptr);
  b->Free();  // the last stored value: the buffers go
  for (Integer r = 0; r < 3; ++r) EXPECT_EQ(Storage->GetRecordBuffer(r), nullptr);
}

// Records written one after another lie side by side; a deleted record's buffer serves a new record
// zero-filled; values survive across blocks and a layout change.
TEST_F(StorageTest, RecordBuffersComeFromBlocksAndAreReused) {
  TcxValueDef* a = Add(ValueTypeClass<TcxIntegerValueType>());
  TcxValueDef* s = Add(ValueTypeClass<TcxStringValueType>());
  constexpr Integer N = 5000;
  Storage->SetRecordCount(N);
  for (Integer r = 0; r < N; ++r) {
    Storage->SetValue(r, a, r);
    Storage->SetValue(r, s, std::to_string(r));
  }
  const Integer size = Storage->GetValueDefs()->GetRecordSize();
  EXPECT_EQ(Storage->GetRecordBuffer(101) - Storage->GetRecordBuffer(100), size);
  for (Integer r = N - 1; r >= 0; r -= 3) Storage->DeleteRecord(r);  // N - 1 = 4999: 1, 4, 7, ...
  const Integer kept = Storage->GetRecordCount();
  Storage->SetRecordCount(N);
  for (Integer r = kept; r < N; ++r) {
    EXPECT_TRUE(VarIsNull(Storage->GetValue(r, a)));
    Storage->SetValue(r, a, -r);
  }
  TcxValueDef* b = Add(ValueTypeClass<TcxFloatValueType>());
  for (Integer r = 0; r < kept; ++r) {
    const Integer original = r + (r + 1) / 2;  // the records 1, 4, 7, ... went
    ASSERT_EQ(Storage->GetValue(r, a).ToInteger(), original) << r;
    ASSERT_EQ(VarToStr(Storage->GetValue(r, s)), std::to_string(original)) << r;
  }
  for (Integer r = kept; r < N; ++r) ASSERT_EQ(Storage->GetValue(r, a).ToInteger(), -r);
  EXPECT_TRUE(VarIsNull(Storage->GetValue(0, b)));
}

TEST_F(StorageTest, InternalRecordsMirrorDefinitionsAndKeepTheirSlots) {
  TcxValueDef* a = Add(ValueTypeClass<TcxIntegerValueType>());
  TcxValueDef* b = Add(ValueTypeClass<TcxStringValueType>());
  EXPECT_EQ(Storage->GetInternalValueDefs()->Count(), 2);
  const Integer first = Storage->AddInternalRecord();
  const Integer second = Storage->AddInternalRecord();
  EXPECT_EQ(first, -1);
  EXPECT_EQ(second, -2);
  Storage->SetValue(first, a, 7);
  Storage->SetValue(first, b, "x");
  EXPECT_EQ(Storage->GetValue(first, a).ToInteger(), 7);
  Storage->DeleteRecord(second);
  EXPECT_EQ(Storage->AddInternalRecord(), -2);  // the free slot is reused
  // Removing every definition keeps the internal records in use.
  b->Free();
  a->Free();
  EXPECT_EQ(Storage->GetInternalValueDefs()->Count(), 0);
  EXPECT_EQ(Storage->AddInternalRecord(), -3);
  int cleared = 0;
  Storage->OnClearInternalRecords = [&](TObject*) { ++cleared; };
  Storage->ClearInternalRecords();
  EXPECT_EQ(cleared, 1);
  EXPECT_EQ(Storage->AddInternalRecord(), -1);
}

TEST_F(StorageTest, RecordIDs) {
  Storage->SetUseRecordID(true);
  TcxValueDef* a = Add(ValueTypeClass<TcxIntegerValueType>());
  for (int i = 0; i < 3; ++i) Storage->AppendRecord();
  for (Integer r = 0; r < 3; ++r) EXPECT_EQ(Storage->GetRecordID(r), r + 1);
  Storage->SetRecordCount(0);
  EXPECT_EQ(Storage->GetRecordID(Storage->AppendRecord()), 1);
  // Reading a record whose ID is 10 moves the counter past it.
  TMemoryStream* stream = New<TMemoryStream>();
  WriteByteProc(stream, 0);
  WriteIntegerProc(stream, 10);
  WriteByteProc(stream, 0);
  WriteIntegerProc(stream, 5);
  stream->SetPosition(0);
  Storage->ReadData(0, stream);
  EXPECT_EQ(Storage->GetValue(0, a).ToInteger(), 5);
  EXPECT_EQ(Storage->GetRecordID(Storage->AppendRecord()), 11);
  stream->Free();
}

TEST_F(StorageTest, ObjectValuesAreOwnedAndNotStreamed) {
  TcxValueDef* o = Add(ValueTypeClass<TcxObjectValueType>());
  Storage->SetRecordCount(2);
  const int before = TTracked::Alive;
  Storage->SetValue(0, o, VarFromPointer(New<TTracked>()));
  Storage->SetValue(1, o, VarFromPointer(New<TTracked>()));
  EXPECT_EQ(TTracked::Alive, before + 2);
  Storage->SetValue(0, o, Null());
  EXPECT_EQ(TTracked::Alive, before + 1);
  TMemoryStream* stream = New<TMemoryStream>();
  Storage->WriteData(1, stream);
  EXPECT_EQ(stream->GetSize(), 2);  // record flag and the null byte alone
  stream->SetPosition(0);
  Storage->ReadData(0, stream);
  EXPECT_EQ(VarToPointer(Storage->GetValue(0, o)), nullptr);
  stream->Free();
  Storage->DeleteRecord(1);
  EXPECT_EQ(TTracked::Alive, before);
}

TEST_F(StorageTest, DamagedRecordStreamsRaiseReadErrors) {
  Add(ValueTypeClass<TcxStringValueType>(), true);
  Add(ValueTypeClass<TcxVariantValueType>());
  Add(ValueTypeClass<TcxFloatValueType>());
  Storage->SetRecordCount(1);
  std::mt19937 random(99);
  for (int n = 0; n < 3000; ++n) {
    String bytes(static_cast<size_t>(random() % 40), '\0');
    for (char& c : bytes) c = static_cast<char>(random() % 4 == 0 ? random() : random() % 3);
    TMemoryStream* stream = New<TMemoryStream>();
    stream->WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    stream->SetPosition(0);
    try {
      Storage->ReadData(0, stream);
    } catch (EReadError&) {
    } catch (EVariantError&) {
    } catch (EConvertError&) {
    }
    stream->Free();
  }
}

TEST(cxDataStorageLookup, FindAndInsert) {
  TcxLookupList* list = New<TcxLookupList>();
  for (int key : {5, 1, 3}) {
    Integer index;
    ASSERT_FALSE(list->Find(key, index));
    list->Insert(index, key, "t" + std::to_string(key));
  }
  Integer index;
  EXPECT_FALSE(list->Find(4, index));
  EXPECT_EQ(index, 2);
  EXPECT_TRUE(list->Find(5, index));
  EXPECT_EQ(index, 2);
  EXPECT_EQ(list->GetItem(0).DisplayText, "t1");
  list->Free();
}

}  // namespace
