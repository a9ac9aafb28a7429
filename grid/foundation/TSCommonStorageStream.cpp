// The cell store's stream: writing the rows with their pictures numbered once each, and reading
// them back, checking every count and length against what the stream can hold.
#include <cstring>

#include "Exceptions.h"
#include "Format.h"
#include "Graphics.h"
#include "Lists.h"
#include "Streams.h"
#include "TSCommon.h"
#include "TSCommonStorage.h"

namespace TSCommon {

namespace {

constexpr Integer BmpFileHeaderSize = 14;

[[noreturn]] void Damaged(const char* What, Int64 Value) {
  throw EReadError(Format("Invalid cell data stream: %s %d", {What, Value}));
}

Int64 Remaining(TStream* Stream) { return Stream->GetSize() - Stream->GetPosition(); }

Integer ReadInt(TStream* Stream) {
  uint8_t b[4];
  Stream->ReadBuffer(b, 4);
  return static_cast<Integer>(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24);
}

void WriteInt(TStream* Stream, Integer Value) {
  auto v = static_cast<uint32_t>(Value);
  uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
  Stream->WriteBuffer(b, 4);
}

void WriteString(TStream* Stream, const String& Text) {
  WriteInt(Stream, static_cast<Integer>(Text.size()));
  if (!Text.empty()) Stream->WriteBuffer(Text.data(), static_cast<Integer>(Text.size()));
}

String ReadString(TStream* Stream) {
  Integer length = ReadInt(Stream);
  if (length < 0 || length > Remaining(Stream)) Damaged("string length", length);
  String text(static_cast<size_t>(length), '\0');
  if (length > 0) Stream->ReadBuffer(text.data(), length);
  return text;
}

// A bitmap as a whole BMP file; an empty one as a bare file header, so that the reader, which takes
// each image's length from its header, stays in step.
void WritePicture(TStream* Stream, TBitmap* Bitmap) {
  TOwnedPtr<TMemoryStream> image(New<TMemoryStream>());
  if (Bitmap && !Bitmap->GetEmpty()) Bitmap->SaveToStream(image.get());
  Int64 size = image->GetSize();
  if (size < BmpFileHeaderSize) {
    uint8_t header[BmpFileHeaderSize] = {'B', 'M', BmpFileHeaderSize, 0, 0, 0, 0, 0, 0, 0, BmpFileHeaderSize, 0, 0, 0};
    Stream->WriteBuffer(header, BmpFileHeaderSize);
    return;
  }
  auto* bytes = static_cast<uint8_t*>(image->GetMemory());
  auto v = static_cast<uint32_t>(size);
  bytes[2] = uint8_t(v);
  bytes[3] = uint8_t(v >> 8);
  bytes[4] = uint8_t(v >> 16);
  bytes[5] = uint8_t(v >> 24);
  Stream->WriteBuffer(bytes, static_cast<Integer>(size));
}

void ReadPicture(TStream* Stream, TBitmap* Bitmap) {
  uint8_t header[BmpFileHeaderSize];
  Stream->ReadBuffer(header, BmpFileHeaderSize);
  if (header[0] != 'B' || header[1] != 'M') Damaged("image signature", header[0] | header[1] << 8);
  Int64 size = uint32_t(header[2]) | uint32_t(header[3]) << 8 | uint32_t(header[4]) << 16 | uint32_t(header[5]) << 24;
  if (size < BmpFileHeaderSize || size - BmpFileHeaderSize > Remaining(Stream)) Damaged("image length", size);
  if (size == BmpFileHeaderSize) {
    Bitmap->SetSize(0, 0);
    return;
  }
  TOwnedPtr<TMemoryStream> image(New<TMemoryStream>());
  image->SetSize(size);
  auto* bytes = static_cast<uint8_t*>(image->GetMemory());
  std::memcpy(bytes, header, BmpFileHeaderSize);
  Stream->ReadBuffer(bytes + BmpFileHeaderSize, static_cast<Integer>(size - BmpFileHeaderSize));
  image->SetPosition(0);
  try {
    Bitmap->LoadFromStream(image.get());
  } catch (const EInvalidGraphic& e) {
    throw EReadError(e.Message());
  }
}

// Shared bitmaps made for pictures that no stored cell took are given back.
void ReleaseUnused(const std::vector<TBitmap*>& Loaded) {
  for (TBitmap* bitmap : Loaded) {
    TtsBitmapElement* element = bitmap ? FindSharedBitmap(bitmap) : nullptr;
    if (element && element->Count <= 0) SharedBitmapSet->Remove({bitmap});
  }
}

}  // namespace

void Tts2DStorage::SaveToStream(TStream* Stream) {
  TOwnedPtr<TtsBitmapSet> numbered(New<TtsBitmapSet>());
  std::vector<TBitmap*> pictures;
  Integer rows = MaxRowSet();
  for (Integer row = 1; row <= rows; ++row) {
    Integer cols = MaxColValueSet(row);
    if (cols == 0) continue;
    WriteInt(Stream, row);
    WriteInt(Stream, cols);
    for (Integer col = 1; col <= cols; ++col) {
      TtsValueType type = GetValueType(col, row);
      Byte tag = type;
      Stream->WriteBuffer(&tag, 1);
      switch (type) {
        case vtpString:
        case vtpPictureName:
          WriteString(Stream, VarToStr(GetValue(col, row)));
          break;
        case vtpInteger:
          WriteInt(Stream, GetValue(col, row).ToInteger());
          break;
        case vtpPicture: {
          TBitmap* bitmap = VariantToBitmap(GetValue(col, row));
          TtsBitmapElement* element = numbered->AddBitmap(bitmap);
          if (element->Number == 0) {
            pictures.push_back(bitmap);
            element->Number = static_cast<Integer>(pictures.size());
          }
          WriteInt(Stream, element->Number);
          break;
        }
        default:
          break;
      }
    }
  }
  WriteInt(Stream, 0);
  WriteInt(Stream, static_cast<Integer>(pictures.size()));
  for (TBitmap* bitmap : pictures) WritePicture(Stream, bitmap);
}

void Tts2DStorage::ReadRows(TStream* Stream, TList* ColMap, std::vector<TBitmap*>& Loaded) {
  for (;;) {
    Integer row = ReadInt(Stream);
    if (row == 0) return;
    if (row < 0 || row > MaxStreamRow) Damaged("row number", row);
    Integer cols = ReadInt(Stream);
    if (cols < 0 || cols > Remaining(Stream)) Damaged("column count", cols);
    for (Integer i = 1; i <= cols; ++i) {
      Integer target = i;
      if (ColMap && ColMap->GetCount() >= i)
        target = static_cast<Integer>(reinterpret_cast<NativeInt>(ColMap->GetItems(i - 1)));
      Byte type;
      Stream->ReadBuffer(&type, 1);
      switch (type) {
        case vtpNone:
          break;
        case vtpNull:
          if (target > 0) SetValue(target, row, Null(), vtpNull);
          break;
        case vtpString:
        case vtpPictureName: {
          String text = ReadString(Stream);
          if (target > 0) SetValue(target, row, text, static_cast<TtsValueType>(type));
          break;
        }
        case vtpInteger: {
          Integer value = ReadInt(Stream);
          if (target > 0) SetValue(target, row, value, vtpInteger);
          break;
        }
        case vtpPicture: {
          Integer number = ReadInt(Stream);
          // Every picture needs an image of at least a file header after the rows.
          if (number < 1 || number > Remaining(Stream) / BmpFileHeaderSize) Damaged("picture number", number);
          if (static_cast<Integer>(Loaded.size()) < number) Loaded.resize(static_cast<size_t>(number), nullptr);
          TBitmap*& bitmap = Loaded[static_cast<size_t>(number - 1)];
          if (!bitmap) bitmap = CreateSharedBitmap()->Bitmap;
          if (target > 0) SetValue(target, row, BitmapToVariant(bitmap), vtpPicture);
          break;
        }
        default:
          Damaged("value type", type);
      }
    }
  }
}

void Tts2DStorage::LoadFromStream(TStream* Stream, TList* ColMap) {
  if (!ColMap) {
    Clear(0, true);
  } else {
    for (Integer i = 0; i < ColMap->GetCount(); ++i)
      if (Integer col = static_cast<Integer>(reinterpret_cast<NativeInt>(ColMap->GetItems(i))); col > 0) ClearCol(col);
  }
  std::vector<TBitmap*> loaded;
  try {
    ReadRows(Stream, ColMap, loaded);
    Integer count = ReadInt(Stream);
    if (count < 0 || count > Remaining(Stream) / BmpFileHeaderSize) Damaged("bitmap count", count);
    if (static_cast<Integer>(loaded.size()) > count) Damaged("picture number", static_cast<Integer>(loaded.size()));
    TOwnedPtr<TBitmap> scratch;
    for (Integer i = 0; i < count; ++i) {
      TBitmap* bitmap = i < static_cast<Integer>(loaded.size()) ? loaded[static_cast<size_t>(i)] : nullptr;
      if (!bitmap) {
        if (!scratch) scratch.reset(New<TBitmap>());
        bitmap = scratch.get();
      }
      ReadPicture(Stream, bitmap);
    }
  } catch (...) {
    ReleaseUnused(loaded);
    throw;
  }
  ReleaseUnused(loaded);
}

}  // namespace TSCommon
