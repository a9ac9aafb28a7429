// One run of the tagged Variant reader over arbitrary bytes: every Variant the bytes hold is read
// until they end. Malformed input must end in EReadError; any other exception, or a crash, is a
// fault. Shared by the libFuzzer target and the plain test that replays the seed corpus.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "Exceptions.h"
#include "Streams.h"
#include "cxVariants.h"

// Answers the number of Variants read before the end or the read error.
inline int cxFuzzVariantReader(const uint8_t* data, size_t size) {
  auto* stream = New<TMemoryStream>();
  int values = 0;
  try {
    if (size > 0) stream->Write(data, static_cast<Integer>(size));
    stream->SetPosition(0);
    while (stream->GetPosition() < stream->GetSize()) {
      Variant v = ReadVariantFunc(stream);
      ++values;
    }
  } catch (const EReadError&) {
  }
  stream->Free();
  return values;
}
