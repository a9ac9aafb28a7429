// The run-length form of bitmap data: packet encoding, the round trip, damaged packets, and the
// "XDBM" stream that a bitmap with compressed data writes and reads back.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "Exceptions.h"
#include "Streams.h"
#include "cxGraphicsBitmaps.h"

namespace {

using Bytes = std::vector<BYTE>;

TOwnedPtr<TMemoryStream> StreamOf(const Bytes& bytes) {
  auto stream = NewOwned<TMemoryStream>();
  if (!bytes.empty()) stream->WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
  stream->SetPosition(0);
  return stream;
}

Bytes BytesOf(TMemoryStream* stream) {
  Bytes bytes(static_cast<size_t>(stream->GetSize()));
  stream->SetPosition(0);
  if (!bytes.empty()) stream->ReadBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
  return bytes;
}

Bytes Packed(const Bytes& plain) {
  auto source = StreamOf(plain);
  auto dest = NewOwned<TMemoryStream>();
  TcxCustomBitmap::Compress(source.get(), dest.get(), static_cast<Int64>(plain.size()));
  return BytesOf(dest.get());
}

Bytes Unpacked(const Bytes& packed) {
  auto source = StreamOf(packed);
  auto dest = NewOwned<TMemoryStream>();
  TcxCustomBitmap::Decompress(source.get(), dest.get(), static_cast<Int64>(packed.size()));
  return BytesOf(dest.get());
}

Bytes Repeat(BYTE value, size_t count) { return Bytes(count, value); }

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

Bytes Sequence(size_t count) {
  Bytes bytes(count);
  for (size_t i = 0; i < count; ++i) bytes[i] = static_cast<BYTE>(i);
  return bytes;
}

struct TPackCase {
  const char* Name;
  Bytes Plain;
  Bytes Expected;
};

TEST(cxBitmapRunLength, PacketsAreRunsOfEqualBytesOrLiteralsUpTo125) {
  Bytes seq125 = Sequence(125);
  const TPackCase cases[] = {
      {"empty", {}, {}},
      {"one byte is a literal", {0x05}, {0x81, 0x05}},
      {"run then literal", {0x41, 0x41, 0x41, 0x42}, {0x03, 0x41, 0x81, 0x42}},
      {"all different", {0x01, 0x02, 0x03}, {0x83, 0x01, 0x02, 0x03}},
      {"literal stops before an equal pair", {0x01, 0x02, 0x02}, {0x81, 0x01, 0x02, 0x02}},
      {"300 equal bytes", Repeat(0x7E, 300), {125, 0x7E, 125, 0x7E, 50, 0x7E}},
      {"a full literal keeps its last byte even before an equal one",
       Concat({seq125, {124}}),
       Concat({{0x80 | 125}, seq125, {0x81, 124}})},
      {"a run of two", {0x09, 0x09}, {0x02, 0x09}},
  };
  for (const TPackCase& c : cases) {
    EXPECT_EQ(Packed(c.Plain), c.Expected) << c.Name;
    EXPECT_EQ(Unpacked(c.Expected), c.Plain) << c.Name;
  }
}

TEST(cxBitmapRunLength, RoundTripOfRandomDataWithRuns) {
  std::mt19937 random(20261210);
  for (int round = 0; round < 200; ++round) {
    Bytes plain;
    size_t size = random() % 2000;
    while (plain.size() < size) {
      BYTE value = static_cast<BYTE>(random() % 4);  // few values: runs and equal neighbours
      size_t run = random() % 3 == 0 ? random() % 300 : 1;
      plain.insert(plain.end(), std::min(run, size - plain.size()), value);
    }
    Bytes packed = Packed(plain);
    ASSERT_EQ(Unpacked(packed), plain) << "round " << round;
    // No packet is longer than 125 bytes and every run covers at least two bytes.
    for (size_t i = 0; i < packed.size();) {
      BYTE control = packed[i];
      size_t n = control & 0x7F;
      ASSERT_GE(n, 1u);
      ASSERT_LE(n, 125u);
      if (control & 0x80) i += 1 + n;
      else {
        ASSERT_GE(n, 2u);
        i += 2;
      }
    }
  }
}

TEST(cxBitmapRunLength, DamagedPacketsRaiseAReadError) {
  const TPackCase cases[] = {
      {"literal past the end", {0x85, 0x01, 0x02}, {}},
      {"run without its value", {0x05}, {}},
      {"run value missing after good packets", {0x81, 0x01, 0x03}, {}},
      {"longest literal with nothing after it", {0xFF}, {}},
  };
  for (const TPackCase& c : cases) EXPECT_THROW(Unpacked(c.Plain), EReadError) << c.Name;
}

TEST(cxBitmapRunLength, EmptyPacketsDecodeToNothing) {
  EXPECT_EQ(Unpacked({0x80, 0x00, 0x41, 0x82, 0x01, 0x02}), (Bytes{0x01, 0x02}));
}

TEST(cxBitmapRunLength, ACountBeyondTheStreamRaisesBeforeReading) {
  auto source = StreamOf({0x03, 0x41});
  auto dest = NewOwned<TMemoryStream>();
  EXPECT_THROW(TcxCustomBitmap::Decompress(source.get(), dest.get(), 0x7FFFFFFF), EReadError);
  EXPECT_EQ(dest->GetSize(), 0);
}

TEST(cxBitmapRunLength, DecompressReadsOnlyItsCount) {
  // The packets of one entry are followed by the next entry's bytes, which stay unread.
  auto source = StreamOf({0x03, 0x41, 0xAA, 0xBB});
  auto dest = NewOwned<TMemoryStream>();
  TcxCustomBitmap::Decompress(source.get(), dest.get(), 2);
  EXPECT_EQ(BytesOf(dest.get()), (Bytes{0x41, 0x41, 0x41}));
  EXPECT_EQ(source->GetPosition(), 2);
}

}  // namespace
