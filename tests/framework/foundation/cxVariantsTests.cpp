#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "FmtBcd.h"
#include "SqlTimSt.h"
#include "Streams.h"
#include "cxVariants.h"

namespace {

std::vector<Byte> Encode(const Variant& v) {
  auto* stream = New<TMemoryStream>();
  WriteVariantProc(stream, v);
  auto* p = static_cast<const Byte*>(stream->GetMemory());
  std::vector<Byte> bytes(p, p + stream->GetSize());
  stream->Free();
  return bytes;
}

Variant Decode(const std::vector<Byte>& bytes, Int64* left = nullptr) {
  auto* stream = New<TMemoryStream>();
  stream->Write(bytes.data(), static_cast<Integer>(bytes.size()));
  stream->SetPosition(0);
  Variant v;
  try {
    v = ReadVariantFunc(stream);
  } catch (...) {
    stream->Free();
    throw;
  }
  if (left) *left = stream->GetSize() - stream->GetPosition();
  stream->Free();
  return v;
}

TEST(cxVariants, CompareOrdersEmptyNullAndValues) {
  struct Case {
    const char* Name;
    Variant A, B;
    int Sign;
  } cases[] = {
      {"empty-null", Unassigned(), Null(), -1},
      {"null-empty", Null(), Unassigned(), 1},
      {"null-null", Null(), Null(), 0},
      {"empty-empty", Unassigned(), Unassigned(), 0},
      {"empty-0", Unassigned(), 0, -1},
      {"null-0", Null(), 0, -1},
      {"0-null", 0, Null(), 1},
      {"a-B ordinal", "a", "B", 1},
      {"equal strings", "abc", "abc", 0},
      {"numbers", 2, 10.5, -1},
      {"mixed types", "10", 9, 1},
      {"dates", VarFromDateTime(2.0), VarFromDateTime(1.5), 1},
      {"unconvertible", "abc", 5, -1},
      {"array-scalar", VarArrayOf({1}), 5, 1},
      {"scalar-array", 5, VarArrayOf({1}), -1},
      {"longer array", VarArrayOf({1, 2}), VarArrayOf({1}), 1},
      {"arrays by element", VarArrayOf({1, 3}), VarArrayOf({1, 2}), 1},
      {"equal arrays", VarArrayOf({1, "x"}), VarArrayOf({1, "x"}), 0},
  };
  for (const Case& c : cases) {
    int r = VarCompare(c.A, c.B);
    EXPECT_EQ((r > 0) - (r < 0), c.Sign) << c.Name;
  }
}

TEST(cxVariants, ArraysCompareFromTheirOwnLowBounds) {
  Variant shifted = VarArrayCreate({5, 6}, varVariant);
  VarArrayPut(shifted, 1, {5});
  VarArrayPut(shifted, "x", {6});
  EXPECT_EQ(VarCompare(shifted, VarArrayOf({1, "x"})), 0);
  EXPECT_EQ(VarCompare(VarArrayOf({1, "x"}), shifted), 0);
  EXPECT_LT(VarCompare(shifted, VarArrayOf({1, "y"})), 0);
  EXPECT_TRUE(VarEquals(shifted, VarArrayOf({1, "x"})));
}

TEST(cxVariants, EqualityFlavours) {
  EXPECT_TRUE(VarEqualsExact(true, "True"));
  EXPECT_FALSE(VarEqualsExact(true, 1));
  EXPECT_TRUE(VarEquals(true, -1));
  EXPECT_TRUE(VarEqualsExact(1, 1.0));
  EXPECT_FALSE(VarEqualsExact(Null(), false));
  EXPECT_TRUE(VarEqualsSoft(Null(), ""));
  EXPECT_TRUE(VarEqualsSoft(WideString(u""), Null()));
  EXPECT_FALSE(VarEqualsSoft(Unassigned(), Null()));
  EXPECT_TRUE(VarIsSoftNull(""));
  EXPECT_FALSE(VarIsSoftNull(" "));
  EXPECT_FALSE(VarIsSoftNull(Unassigned()));
  EXPECT_EQ(VarIndex({1, "two", 3.5}, "two"), 1);
  EXPECT_EQ(VarIndex({1, "two"}, 7), -1);
}

TEST(cxVariants, TypeTests) {
  EXPECT_TRUE(VarIsDate(VarFromDateTime(1)));
  EXPECT_TRUE(VarIsDate(VarSQLTimeStampCreate(2.5)));
  EXPECT_FALSE(VarIsDate(2.5));
  EXPECT_TRUE(VarIsNumericEx(VarFMTBcdCreate("1.5")));
  EXPECT_TRUE(VarIsNumericEx(7));
  EXPECT_FALSE(VarIsNumericEx("7"));
  EXPECT_TRUE(VarTypeIsCurrency(varCurrency));
  EXPECT_TRUE(VarTypeIsCurrency(VarFMTBcd()));
  EXPECT_FALSE(VarTypeIsCurrency(varDouble));
  EXPECT_EQ(VarToStrEx(Null()), "");
}

TEST(cxVariants, FilterValueArrays) {
  Variant between = VarBetweenArrayCreate(1, "z");
  EXPECT_EQ(VarArrayLowBound(between, 1), 0);
  EXPECT_EQ(VarArrayHighBound(between, 1), 1);
  Variant list = VarListArrayCreate("a");
  VarListArrayAddValue(list, "b");
  EXPECT_EQ(VarArrayHighBound(list, 1), 1);
  EXPECT_TRUE(VarEquals(VarArrayGet(list, {1}), "b"));
  Variant shifted = VarArrayCreate({3, 3}, varVariant);
  VarArrayPut(shifted, 9, {3});
  VarListArrayAddValue(shifted, 10);
  EXPECT_EQ(VarArrayLowBound(shifted, 1), 0);
  EXPECT_TRUE(VarEquals(shifted, VarArrayOf({9, 10})));
}

TEST(cxVariants, TagTableOfTheWriter) {
  struct Case {
    const char* Name;
    Variant Value;
    std::vector<Byte> Bytes;
  } cases[] = {
      {"null", Null(), {0}},
      {"empty", Unassigned(), {13}},
      {"false", false, {8}},
      {"true", true, {9}},
      {"127", 127, {2, 0x7F}},
      {"-128", Int64{-128}, {2, 0x80}},
      {"200 byte", Byte{200}, {3, 0xC8, 0x00}},
      {"-129", -129, {3, 0x7F, 0xFF}},
      {"32768", 32768, {4, 0x00, 0x80, 0x00, 0x00}},
      {"2^31", Int64{1} << 31, {19, 0, 0, 0, 0x80, 0, 0, 0, 0}},
      {"max longword", Cardinal{0xFFFFFFFF}, {19, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}},
      {"single", 1.0f, {15, 0, 0, 0x80, 0x3F}},
      {"double", 1.0, {5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
      {"currency", Currency::FromRaw(15000), {16, 0x98, 0x3A, 0, 0, 0, 0, 0, 0}},
      {"date", VarFromDateTime(1.0), {17, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F}},
      {"time stamp", VarSQLTimeStampCreate(1.0), {17, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F}},
      {"string", "ab", {6, 2, 'a', 'b'}},
      {"wide", WideString(u"a"), {18, 1, 0, 0, 0, 'a', 0}},
      {"list", VarArrayOf({1, Null()}), {1, 2, 2, 2, 1, 0}},
      {"decimal as text", VarFMTBcdCreate("1.5"), {6, 3, '1', '.', '5'}},
  };
  for (const Case& c : cases) EXPECT_EQ(Encode(c.Value), c.Bytes) << c.Name;

  std::vector<Byte> longString = Encode(String(300, 'x'));
  ASSERT_EQ(longString.size(), 305u);
  EXPECT_EQ(std::vector<Byte>(longString.begin(), longString.begin() + 6),
            (std::vector<Byte>{12, 0x2C, 0x01, 0, 0, 'x'}));
  EXPECT_EQ(Encode(String(255, 'x'))[0], 6);
}

TEST(cxVariants, RoundTripsKeepValueAndReadType) {
  Variant shifted = VarArrayCreate({5, 6}, varVariant);
  VarArrayPut(shifted, "five", {5});
  VarArrayPut(shifted, VarArrayOf({1.5, true}), {6});
  struct Case {
    const char* Name;
    Variant Value;
    TVarType ReadType;
  } cases[] = {
      {"null", Null(), varNull},
      {"empty", Unassigned(), varEmpty},
      {"shortint", -5, varShortInt},
      {"word", Word{40000}, varInteger},
      {"smallint", -300, varSmallint},
      {"int64", Int64{-5000000000}, varInt64},
      {"double", 0.1, varDouble},
      {"single", 2.5f, varSingle},
      {"currency", Currency::FromRaw(-123456789), varCurrency},
      {"date", VarFromDateTime(45000.25), varDate},
      {"string", "\xE4\xB8\xAD\xE6\x96\x87", varString},
      {"long string", String(1000, 'q'), varString},
      {"wide", WideString(u"\u4E2D"), varOleStr},
      {"true", true, varBoolean},
      {"false", false, varBoolean},
      {"empty list", VarArrayOf(std::vector<Variant>{}), varArray | varVariant},
  };
  for (const Case& c : cases) {
    Int64 left = -1;
    Variant back = Decode(Encode(c.Value), &left);
    EXPECT_EQ(VarType(back), c.ReadType) << c.Name;
    EXPECT_EQ(VarCompare(back, c.Value), 0) << c.Name;
    EXPECT_EQ(left, 0) << c.Name;
  }
  Variant back = Decode(Encode(shifted));
  EXPECT_EQ(VarArrayLowBound(back, 1), 0);
  EXPECT_EQ(VarArrayHighBound(back, 1), 1);
  EXPECT_EQ(VarCompare(back, shifted), 0);
  EXPECT_EQ(VarType(VarArrayGet(back, {1})), varArray | varVariant);
}

TEST(cxVariants, ReaderRefusesMalformedInput) {
  const std::vector<std::vector<Byte>> bad = {
      {},                                 // no tag
      {7}, {10}, {11}, {14}, {20}, {21}, {0xFF},  // tags without a meaning here
      {2},                                // short payload
      {6, 5, 'a'},                        // short string shorter than its length
      {12, 0xFF, 0xFF, 0xFF, 0xFF},       // negative length
      {12, 0xFF, 0xFF, 0xFF, 0x7F},       // length far beyond the stream
      {18, 2, 0, 0, 0, 'a', 0},           // wide string cut short
      {1, 2, 0xFF},                       // negative count
      {1, 4, 0xFF, 0xFF, 0xFF, 0x7F, 0},  // count beyond the stream
      {1, 2, 2, 9},                       // second element missing
  };
  for (const auto& bytes : bad) EXPECT_THROW(Decode(bytes), EReadError) << bytes.size();
  // Nesting deeper than any real value is refused rather than followed down the stack.
  std::vector<Byte> deep;
  for (int i = 0; i < 100000; ++i) deep.insert(deep.end(), {1, 2, 1});
  deep.push_back(0);
  EXPECT_THROW(Decode(deep), EReadError);
}

TEST(cxVariants, WriterRefusesWhatItCannotWrite) {
  auto* stream = New<TMemoryStream>();
  EXPECT_THROW(WriteVariantProc(stream, VarArrayCreate({0, 1, 0, 1}, varVariant)), EWriteError);
  stream->Free();
}

TEST(cxVariants, ScalarProceduresAndFilerMethods) {
  auto* stream = New<TMemoryStream>();
  auto* writer = New<TcxWriter>(stream);
  writer->WriteBoolean(true);
  writer->WriteByte(200);
  writer->WriteCardinal(0xFFFFFFFE);
  writer->WriteChar('z');
  writer->WriteCurrency(Currency::FromRaw(7));
  writer->WriteDateTime(1.25);
  writer->WriteFloat(-0.1);
  writer->WriteInteger(-7);
  writer->WriteLargeInt(-8000000000);
  writer->WriteShortInt(-3);
  writer->WriteSingle(0.5f);
  writer->WriteSmallInt(-300);
  writer->WriteString("text");
  writer->WriteVariant(42);
  writer->WriteWideString(u"wide");
  writer->WriteWord(65000);
  EXPECT_EQ(stream->GetSize(), 1 + 1 + 4 + 1 + 8 + 8 + 10 + 4 + 8 + 1 + 4 + 2 + 8 + 2 + 12 + 2);
  stream->SetPosition(0);
  auto* reader = New<TcxReader>(stream);
  EXPECT_TRUE(reader->ReadBoolean());
  EXPECT_EQ(reader->ReadByte(), 200);
  EXPECT_EQ(reader->ReadCardinal(), 0xFFFFFFFEu);
  EXPECT_EQ(reader->ReadChar(), 'z');
  EXPECT_EQ(reader->ReadCurrency(), Currency::FromRaw(7));
  EXPECT_EQ(reader->ReadDateTime(), 1.25);
  EXPECT_EQ(reader->ReadFloat(), -0.1);
  EXPECT_EQ(reader->ReadInteger(), -7);
  EXPECT_EQ(reader->ReadLargeInt(), -8000000000);
  EXPECT_EQ(reader->ReadShortInt(), -3);
  EXPECT_EQ(reader->ReadSingle(), 0.5f);
  EXPECT_EQ(reader->ReadSmallInt(), -300);
  EXPECT_EQ(reader->ReadString(), "text");
  EXPECT_TRUE(VarEquals(reader->ReadVariant(), 42));
  EXPECT_EQ(reader->ReadWideString(), u"wide");
  EXPECT_EQ(reader->ReadWord(), 65000);
  EXPECT_THROW(reader->ReadByte(), EReadError);
  reader->Free();
  writer->Free();
  stream->Free();
}

}  // namespace
