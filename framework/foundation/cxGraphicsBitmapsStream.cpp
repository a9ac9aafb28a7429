// The run-length form of a bitmap's data in streams: a 10-byte header ("XDBM") and packets, each a
// control byte with the high bit set for a literal of up to 127 bytes, clear for one byte repeated.
#include <cstring>
#include <vector>

#include "Exceptions.h"
#include "Streams.h"
#include "cxGraphicsBitmaps.h"

namespace cxGraphics {

namespace {

constexpr char cxBitmapStreamSignature[4] = {'X', 'D', 'B', 'M'};
constexpr BYTE cxLiteralPacket = 0x80;
constexpr BYTE cxPacketLengthMask = 0x7F;

[[noreturn]] void DamagedStream(const char* AWhat) {
  throw EReadError(String("Damaged run-length bitmap data: ") + AWhat);
}

void PutInt32(BYTE* p, Integer v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<BYTE>(static_cast<uint32_t>(v) >> (8 * i));
}

Integer GetInt32(const BYTE* p) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(p[i]) << (8 * i);
  return static_cast<Integer>(v);
}

// The length of the packet that starts at AData[0]: a run of equal bytes, or a literal that stops
// before a pair of equal bytes so that the pair can start the next run.
Integer PacketLength(const BYTE* AData, size_t ALeft, bool& ARun) {
  ARun = ALeft > 1 && AData[1] == AData[0];
  Integer n = 1;
  size_t limit = std::min<size_t>(ALeft, cxBitmapStreamMaxPacket);
  if (ARun) {
    while (static_cast<size_t>(n) < limit && AData[n] == AData[0]) ++n;
  } else {
    while (static_cast<size_t>(n) < limit && AData[n] != AData[n - 1]) ++n;
    if (static_cast<size_t>(n) < limit) --n;  // AData[n] repeats AData[n - 1]
  }
  return n;
}

}  // namespace

void TcxCustomBitmap::Compress(TStream* ASource, TStream* ADestination, Int64 ACount) {
  if (ACount <= 0) return;
  std::vector<BYTE> data(static_cast<size_t>(ACount));
  ASource->ReadBuffer(data.data(), static_cast<Integer>(ACount));
  std::vector<BYTE> packed;
  packed.reserve(data.size() + data.size() / 64 + 2);
  for (size_t pos = 0; pos < data.size();) {
    bool run;
    Integer n = PacketLength(data.data() + pos, data.size() - pos, run);
    if (run) {
      packed.push_back(static_cast<BYTE>(n));
      packed.push_back(data[pos]);
    } else {
      packed.push_back(static_cast<BYTE>(n | cxLiteralPacket));
      packed.insert(packed.end(), data.begin() + static_cast<std::ptrdiff_t>(pos),
                    data.begin() + static_cast<std::ptrdiff_t>(pos + n));
    }
    pos += static_cast<size_t>(n);
  }
  ADestination->WriteBuffer(packed.data(), static_cast<Integer>(packed.size()));
}

void TcxCustomBitmap::Decompress(TStream* ASource, TStream* ADestination, Int64 ACount) {
  if (ACount <= 0) return;
  // The count comes from the stream itself: it must not claim more bytes than the stream holds.
  if (ACount > ASource->GetSize() - ASource->GetPosition()) DamagedStream("the data is cut off");
  std::vector<BYTE> packed(static_cast<size_t>(ACount));
  ASource->ReadBuffer(packed.data(), static_cast<Integer>(ACount));
  std::vector<BYTE> data;
  data.reserve(packed.size() * 2);
  for (size_t pos = 0; pos < packed.size();) {
    BYTE control = packed[pos++];
    size_t n = control & cxPacketLengthMask;
    if (control & cxLiteralPacket) {
      if (n > packed.size() - pos) DamagedStream("a literal packet runs past the end");
      data.insert(data.end(), packed.begin() + static_cast<std::ptrdiff_t>(pos),
                  packed.begin() + static_cast<std::ptrdiff_t>(pos + n));
      pos += n;
    } else {
      if (pos >= packed.size()) DamagedStream("a run packet has no value byte");
      data.insert(data.end(), n, packed[pos++]);
    }
  }
  if (!data.empty()) ADestination->WriteBuffer(data.data(), static_cast<Integer>(data.size()));
}

void TcxCustomBitmap::WriteData(TStream* Stream) {
  if (!FCompressData) {
    inherited::WriteData(Stream);
    return;
  }
  TOwnedPtr<TMemoryStream> plain = NewOwned<TMemoryStream>();
  inherited::WriteData(plain.get());
  plain->SetPosition(0);
  Int64 start = Stream->GetPosition();
  BYTE header[cxBitmapStreamHeaderSize] = {};
  Stream->WriteBuffer(header, cxBitmapStreamHeaderSize);
  Compress(plain.get(), Stream, plain->GetSize());
  Int64 end = Stream->GetPosition();
  PutInt32(header, static_cast<Integer>(end - start - cxBitmapStreamHeaderSize));
  std::memcpy(header + 4, cxBitmapStreamSignature, 4);
  header[8] = static_cast<BYTE>(cxBitmapStreamVersion & 0xFF);
  header[9] = static_cast<BYTE>(cxBitmapStreamVersion >> 8);
  Stream->SetPosition(start);
  Stream->WriteBuffer(header, cxBitmapStreamHeaderSize);
  Stream->SetPosition(end);
}

void TcxCustomBitmap::ReadData(TStream* Stream) {
  Int64 start = Stream->GetPosition();
  BYTE header[cxBitmapStreamHeaderSize];
  bool packed = Stream->Read(header, cxBitmapStreamHeaderSize) == cxBitmapStreamHeaderSize &&
                std::memcmp(header + 4, cxBitmapStreamSignature, 4) == 0;
  if (!packed) {
    Stream->SetPosition(start);
    inherited::ReadData(Stream);
    return;
  }
  // The version is not checked: every version so far packs the same way.
  Integer size = GetInt32(header);
  if (size < 0) DamagedStream("the byte count is negative");
  TOwnedPtr<TMemoryStream> plain = NewOwned<TMemoryStream>();
  Decompress(Stream, plain.get(), size);
  plain->SetPosition(0);
  inherited::ReadData(plain.get());
}

}  // namespace cxGraphics
