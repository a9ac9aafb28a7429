#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "Exceptions.h"
#include "Graphics.h"
#include "Lists.h"
#include "SeedCorpus.h"
#include "Streams.h"
#include "TSCommon.h"
#include "TSCommonStorage.h"
#include "../../../tools/fuzz/TSCellStorageFuzz.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct TStorageFixture : ::testing::Test {
  TOwnedPtr<Tts2DStorage> Store{New<Tts2DStorage>(0, 0)};

  static Bytes Saved(Tts2DStorage* Store) {
    auto stream = NewOwned<TMemoryStream>();
    Store->SaveToStream(stream.get());
    auto* p = static_cast<const uint8_t*>(stream->GetMemory());
    return Bytes(p, p + stream->GetSize());
  }
  static void Load(Tts2DStorage* Store, const Bytes& Data, TList* ColMap = nullptr) {
    auto stream = NewOwned<TMemoryStream>();
    if (!Data.empty()) stream->WriteBuffer(Data.data(), static_cast<Integer>(Data.size()));
    stream->SetPosition(0);
    Store->LoadFromStream(stream.get(), ColMap);
  }
  static void Add(Bytes& B, Integer V) {
    for (int i = 0; i < 4; ++i) B.push_back(static_cast<uint8_t>(static_cast<uint32_t>(V) >> (8 * i)));
  }
  static TBitmap* ColouredBitmap(TColor Color) {
    TBitmap* b = New<TBitmap>();
    b->SetSize(3, 2);
    b->GetCanvas()->GetBrush()->SetColor(Color);
    b->GetCanvas()->FillRect(TRect(0, 0, 3, 2));
    return b;
  }
};

TEST_F(TStorageFixture, CellsKeepTheirTypeAndValue) {
  Store->SetValue(1, 4, Variant(), vtpString);
  EXPECT_EQ(Store->GetRowSlotCount(), 0) << "Empty in an unused cell makes nothing";

  Store->SetValue(3, 2, Null(), vtpNull);
  EXPECT_EQ(Store->GetValueType(3, 2), vtpNull);
  EXPECT_TRUE(VarIsNull(Store->GetValue(3, 2)));
  EXPECT_GE(Store->GetRowColCount(2), 3);

  Store->SetValue(1, 1, "价格", vtpString);
  Store->SetValue(2, 1, 42, vtpInteger);
  Store->SetValue(4, 1, "Logo", vtpPictureName);
  EXPECT_EQ(VarToStr(Store->GetValue(1, 1)), "价格");
  EXPECT_EQ(Store->GetValue(2, 1).ToInteger(), 42);
  EXPECT_EQ(Store->GetValueType(4, 1), vtpPictureName);
  EXPECT_TRUE(VarIsEmpty(Store->GetValue(9, 1)));
  EXPECT_TRUE(VarIsEmpty(Store->GetValue(1, 99)));

  Store->SetValue(1, 1, 7, vtpInteger);  // over a string
  EXPECT_EQ(Store->GetValueType(1, 1), vtpInteger);
  Store->SetValue(4, 1, "Other", vtpString);  // over a picture name
  EXPECT_EQ(VarToStr(Store->GetValue(4, 1)), "Other");
  Store->SetValue(4, 1, "", vtpString);
  EXPECT_EQ(Store->GetValueType(4, 1), vtpString);
  EXPECT_EQ(VarToStr(Store->GetValue(4, 1)), "");
  Store->SetValue(2, 1, Variant(), vtpInteger);
  EXPECT_EQ(Store->GetValueType(2, 1), vtpNone);
  EXPECT_EQ(Store->MaxColValueSet(1), 4);
  Store->SetValue(4, 1, Variant(), vtpNone);
  EXPECT_EQ(Store->MaxColValueSet(1), 1) << "trailing unset columns do not count";
  EXPECT_THROW(Store->SetValue(0, 1, 1, vtpInteger), EListError);
}

TEST_F(TStorageFixture, SharedBitmapsAreCountedByTheCellsThatUseThem) {
  TBitmap* shared = CreateSharedBitmap()->Bitmap;
  Store->SetValue(1, 1, BitmapToVariant(shared), vtpPicture);
  Store->SetValue(1, 1, BitmapToVariant(shared), vtpPicture);
  EXPECT_EQ(FindSharedBitmap(shared)->Count, 1) << "the same bitmap twice in one cell counts once";
  Store->SetValue(2, 3, BitmapToVariant(shared), vtpPicture);
  EXPECT_EQ(FindSharedBitmap(shared)->Count, 2);
  EXPECT_EQ(VariantToBitmap(Store->GetValue(2, 3)), shared);
  Store->SetValue(1, 1, "text", vtpString);
  EXPECT_EQ(FindSharedBitmap(shared)->Count, 1);
  Store->DeleteRows(3, 3);
  EXPECT_EQ(FindSharedBitmap(shared), nullptr) << "the last use frees it";

  TOwnedPtr<TBitmap> own(ColouredBitmap(clRed));
  Store->SetValue(5, 1, BitmapToVariant(own.get()), vtpPicture);
  Store->Clear(0, true);
  EXPECT_EQ(own->GetWidth(), 3) << "a bitmap the store did not make is never freed by it";
}

TEST_F(TStorageFixture, ClearingAndDeletingRowsAndColumns) {
  for (Integer row = 1; row <= 9; ++row) Store->SetValue(1, row, row, vtpInteger);
  EXPECT_EQ(Store->GetRowSlotCount(), 11);
  Store->Clear(5, true);
  EXPECT_EQ(Store->GetRowSlotCount(), 6);
  EXPECT_TRUE(VarIsEmpty(Store->GetValue(1, 5)));
  EXPECT_EQ(Store->GetValue(1, 4).ToInteger(), 4);
  Store->Clear(50, true);
  EXPECT_EQ(Store->GetRowSlotCount(), 6) << "clearing rows beyond the table adds none";
  Store->Clear(1, true);
  EXPECT_EQ(Store->GetRowSlotCount(), 0);

  for (Integer row = 0; row <= 9; ++row) Store->SetValue(1, row, row, vtpInteger);
  Store->DeleteRows(3, 100);
  EXPECT_EQ(Store->GetRowSlotCount(), 3);
  Store->DeleteRows(1, 1);
  EXPECT_EQ(Store->GetValue(1, 1).ToInteger(), 2);

  TOwnedPtr<Tts2DStorage> cols(New<Tts2DStorage>(0, 0));
  for (Integer col = 1; col <= 20; ++col) cols->SetValue(col, 1, col * 10, vtpInteger);
  cols->SetValue(2, 2, "only", vtpString);
  Integer capacity = cols->GetRowColCapacity(1);
  cols->DeleteCols(2, 3);
  EXPECT_EQ(cols->GetValue(2, 1).ToInteger(), 40);
  EXPECT_EQ(cols->GetValue(18, 1).ToInteger(), 200);
  EXPECT_TRUE(VarIsEmpty(cols->GetValue(19, 1)));
  EXPECT_EQ(cols->GetRowColCapacity(1), capacity) << "fewer than 8 spare entries: the capacity stays";
  cols->DeleteCols(1, 100);
  EXPECT_EQ(cols->GetRowColCapacity(2), 0) << "a row left empty frees its arrays";
  EXPECT_EQ(cols->MaxRowSet(), 0);
  for (Integer col = 1; col <= 20; ++col) cols->SetValue(col, 1, col * 10, vtpInteger);
  cols->DeleteCols(2, 3);
  cols->DeleteCols(1, 15);
  EXPECT_EQ(cols->GetRowColCapacity(1), cols->GetRowColCount(1));
  EXPECT_EQ(cols->GetValue(1, 1).ToInteger(), 180);
  cols->ClearCol(1);
  EXPECT_TRUE(VarIsEmpty(cols->GetValue(1, 1)));
}

TEST_F(TStorageFixture, BackupRowAndAssign) {
  Store->BackupRow(1);
  EXPECT_EQ(Store->GetRowSlotCount(), 0) << "an empty table backs up nothing";
  Store->SetValue(1, 2, "before", vtpString);
  Store->SetValue(3, 2, 5, vtpInteger);
  Store->BackupRow(2);
  Store->SetValue(1, 2, "after", vtpString);
  Store->SetValue(3, 2, Variant(), vtpNone);
  Store->SetValue(5, 2, 9, vtpInteger);
  Store->RestoreBackupRow(2);
  EXPECT_EQ(VarToStr(Store->GetValue(1, 2)), "before");
  EXPECT_EQ(Store->GetValue(3, 2).ToInteger(), 5);
  EXPECT_TRUE(VarIsEmpty(Store->GetValue(5, 2)));
  EXPECT_EQ(Store->MaxColValueSet(0), 0) << "the backup is cleared after the restore";

  Store->BackupRow(2);
  Store->InDesignMode = true;
  TOwnedPtr<Tts2DStorage> copy(New<Tts2DStorage>(5, 5));
  copy->SetValue(1, 9, "old", vtpString);
  copy->Assign(Store.get());
  EXPECT_TRUE(copy->InDesignMode);
  EXPECT_EQ(VarToStr(copy->GetValue(1, 2)), "before");
  EXPECT_TRUE(VarIsEmpty(copy->GetValue(1, 9)));
  EXPECT_EQ(copy->MaxColValueSet(0), 0) << "the source's backup row is not copied";
  Store->SetValue(1, 2, "changed", vtpString);
  EXPECT_EQ(VarToStr(copy->GetValue(1, 2)), "before");
  copy->Assign(copy.get());
  EXPECT_EQ(VarToStr(copy->GetValue(1, 2)), "before");
}

TEST_F(TStorageFixture, StreamRoundTripNumbersEachBitmapOnce) {
  TOwnedPtr<TBitmap> red(ColouredBitmap(clRed));
  Store->SetValue(1, 1, "价格", vtpString);
  Store->SetValue(2, 1, -5, vtpInteger);
  Store->SetValue(4, 1, Null(), vtpNull);
  Store->SetValue(1, 3, BitmapToVariant(red.get()), vtpPicture);
  Store->SetValue(2, 3, BitmapToVariant(red.get()), vtpPicture);
  Store->SetValue(3, 3, AddPictureIds("Logo", 1, 2), vtpPictureName);
  Store->SetValue(7, 5, Variant(), vtpNone);
  Store->SetValue(1, 0, "backup only", vtpString);
  Bytes saved = Saved(Store.get());

  TOwnedPtr<Tts2DStorage> read(New<Tts2DStorage>(0, 0));
  Load(read.get(), saved);
  EXPECT_EQ(VarToStr(read->GetValue(1, 1)), "价格");
  EXPECT_EQ(read->GetValue(2, 1).ToInteger(), -5);
  EXPECT_EQ(read->GetValueType(3, 1), vtpNone);
  EXPECT_TRUE(VarIsNull(read->GetValue(4, 1))) << "a Null cell reads back as Null";
  EXPECT_EQ(VarToStr(read->GetValue(3, 3)), AddPictureIds("Logo", 1, 2));
  EXPECT_EQ(read->MaxColValueSet(0), 0);
  TBitmap* first = VariantToBitmap(read->GetValue(1, 3));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(VariantToBitmap(read->GetValue(2, 3)), first) << "one bitmap for both cells";
  EXPECT_EQ(FindSharedBitmap(first)->Count, 2);
  EXPECT_EQ(first->GetWidth(), 3);
  EXPECT_EQ(first->GetCanvas()->GetPixel(1, 1) & 0xFFFFFF, static_cast<TColor>(clRed));
  EXPECT_EQ(Saved(read.get()), saved);

  // Read onto other columns: stored column 1 to 2, column 2 dropped (0), column 3 dropped (-1).
  TOwnedPtr<TList> map(New<TList>());
  for (NativeInt target : {2, 0, -1}) map->Add(reinterpret_cast<void*>(target));
  TOwnedPtr<Tts2DStorage> mapped(New<Tts2DStorage>(0, 0));
  mapped->SetValue(2, 1, "cleared", vtpString);
  mapped->SetValue(6, 1, "kept", vtpString);
  Load(mapped.get(), saved, map.get());
  EXPECT_EQ(VarToStr(mapped->GetValue(2, 1)), "价格");
  EXPECT_EQ(VarToStr(mapped->GetValue(6, 1)), "kept");
  EXPECT_TRUE(VarIsNull(mapped->GetValue(4, 1)));
  EXPECT_EQ(mapped->GetValueType(1, 1), vtpNone);
  EXPECT_EQ(mapped->GetValueType(3, 3), vtpNone);
  read.reset();
  mapped.reset();
  EXPECT_TRUE(!SharedBitmapSet || SharedBitmapSet->GetCount() == 0) << "no shared bitmap outlives its cells";

  TOwnedPtr<Tts2DStorage> backupOnly(New<Tts2DStorage>(0, 0));
  backupOnly->SetValue(1, 0, "x", vtpString);
  EXPECT_EQ(Saved(backupOnly.get()), Bytes(8, 0));
}

TEST_F(TStorageFixture, DamagedStreamsRaiseReadErrorsAndKeepWhatWasRead) {
  auto row = [](Integer Row, Integer Cols) {
    Bytes b;
    Add(b, Row);
    Add(b, Cols);
    return b;
  };
  struct Case {
    const char* Name;
    Bytes Data;
  };
  std::vector<Case> cases;
  Bytes good = row(1, 1);
  good.push_back(vtpInteger);
  Add(good, 5);
  auto with = [&](Bytes Tail) {
    Bytes b = good;
    b.insert(b.end(), Tail.begin(), Tail.end());
    return b;
  };
  cases.push_back({"negative row", with(row(-1, 1))});
  cases.push_back({"row beyond the limit", with(row(Tts2DStorage::MaxStreamRow + 1, 1))});
  cases.push_back({"column count beyond the stream", with(row(2, 1000))});
  {
    Bytes b = row(2, 1);
    b.push_back(9);
    cases.push_back({"unknown type", with(b)});
  }
  {
    Bytes b = row(2, 1);
    b.push_back(vtpString);
    Add(b, 1 << 30);
    cases.push_back({"string longer than the stream", with(b)});
  }
  {
    Bytes b = row(2, 1);
    b.push_back(vtpPicture);
    Add(b, 0);
    cases.push_back({"picture number 0", with(b)});
  }
  {
    Bytes b = row(2, 1);
    b.push_back(vtpPicture);
    Add(b, 1);
    Add(b, 0);
    Add(b, 0);
    cases.push_back({"picture without an image", with(b)});
  }
  {
    Bytes b;
    Add(b, 0);
    Add(b, -3);
    cases.push_back({"negative bitmap count", with(b)});
  }
  {
    Bytes b;
    Add(b, 0);
    Add(b, 1);
    for (int i = 0; i < 14; ++i) b.push_back('x');
    cases.push_back({"image without its signature", with(b)});
  }
  {
    Bytes b;
    Add(b, 0);
    Add(b, 1);
    b.insert(b.end(), {'B', 'M', 200, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0});
    cases.push_back({"image longer than the stream", with(b)});
  }
  cases.push_back({"cut short", good});
  for (const Case& c : cases) {
    TOwnedPtr<Tts2DStorage> store(New<Tts2DStorage>(0, 0));
    EXPECT_THROW(Load(store.get(), c.Data), EReadError) << c.Name;
    EXPECT_EQ(store->GetValue(1, 1).ToInteger(), 5) << c.Name << ": what was read stays";
  }
  EXPECT_TRUE(!SharedBitmapSet || SharedBitmapSet->GetCount() == 0);
}

TEST(TSCellStorageFuzz, SeedsReadWholeAndDamagedBytesEndInReadErrors) {
  // The hand-made seeds read whole; seeds the fuzzer found end in a read error.
  auto seeds = SeedCorpus("TSCellStorage");
  std::mt19937 random(20261211);
  size_t whole = 0;
  for (const auto& seed : seeds) {
    whole += tsFuzzCellStorage(seed.data(), seed.size());
    for (size_t cut = 0; cut < seed.size(); ++cut) tsFuzzCellStorage(seed.data(), cut);
    for (int round = 0; round < 100; ++round) {
      std::vector<uint8_t> mutated = seed;
      for (int flips = 1 + static_cast<int>(random() % 3); flips > 0; --flips)
        mutated[random() % mutated.size()] = static_cast<uint8_t>(random());
      tsFuzzCellStorage(mutated.data(), mutated.size());
    }
  }
  for (int round = 0; round < 2000; ++round) {
    std::vector<uint8_t> bytes(random() % 48);
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(random() % 8);
    tsFuzzCellStorage(bytes.data(), bytes.size());
  }
  EXPECT_GE(whole, 4u);
  EXPECT_TRUE(!SharedBitmapSet || SharedBitmapSet->GetCount() == 0);
}

}  // namespace
