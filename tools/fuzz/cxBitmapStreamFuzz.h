// One run of the framework bitmap's stream-entry reader over arbitrary bytes: the run-length
// ("XDBM") form when the bytes carry its header, else the platform bitmap's own data. Damaged
// input must end in EReadError or EInvalidGraphic; any other exception, or a crash, is a fault.
// Shared by the libFuzzer target and the plain test that replays the seed corpus.
#pragma once

#include <cstddef>
#include <cstdint>

#include "Exceptions.h"
#include "Graphics.h"
#include "Streams.h"
#include "cxGraphicsBitmaps.h"

// A framework bitmap whose stream entry the harness reads directly.
class TcxFuzzBitmap : public TcxCustomBitmap {
 public:
  using TcxCustomBitmap::ReadData;
};

// Answers whether a bitmap was read.
inline bool cxFuzzBitmapStream(const uint8_t* data, size_t size) {
  auto stream = NewOwned<TMemoryStream>();
  if (size > 0) stream->WriteBuffer(data, static_cast<Integer>(size));
  stream->SetPosition(0);
  auto bitmap = NewOwned<TcxFuzzBitmap>();
  try {
    bitmap->ReadData(stream.get());
    return true;
  } catch (const EReadError&) {
  } catch (const Graphics::EInvalidGraphic&) {
  }
  return false;
}
