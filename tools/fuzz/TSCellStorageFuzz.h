// One run of the grid's cell-data stream reader over arbitrary bytes: the bytes are read into a
// store, plainly or (when the first byte is odd) onto a column map; what was read is written again
// and read back into a second store, which must then hold the same cells. Damaged input must end in
// EReadError; any other exception, a crash, or a store that does not read back the same is a fault.
// Shared by the libFuzzer target and the plain test that replays the seed corpus.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "Exceptions.h"
#include "Lists.h"
#include "Streams.h"
#include "TSCommon.h"
#include "TSCommonStorage.h"
#include "Variants.h"

// Answers whether the bytes were read whole.
inline bool tsFuzzCellStorage(const uint8_t* data, size_t size) {
  auto stream = NewOwned<TMemoryStream>();
  if (size > 0) stream->WriteBuffer(data, static_cast<Integer>(size));
  stream->SetPosition(0);
  auto store = NewOwned<Tts2DStorage>(0, 0);
  auto map = NewOwned<TList>();
  if (size > 0 && (data[0] & 1)) {
    for (NativeInt target : {2, 0, -1, 1}) map->Add(reinterpret_cast<void*>(target));
  }
  bool whole = false;
  try {
    store->LoadFromStream(stream.get(), map->GetCount() ? map.get() : nullptr);
    whole = true;
  } catch (const EReadError&) {
  }
  // Whatever was stored reads back the same through the store's own stream.
  auto copy = NewOwned<TMemoryStream>();
  store->SaveToStream(copy.get());
  copy->SetPosition(0);
  auto again = NewOwned<Tts2DStorage>(0, 0);
  again->LoadFromStream(copy.get(), nullptr);
  for (Integer row = 1; row <= store->MaxRowSet() || row <= again->MaxRowSet(); ++row)
    for (Integer col = 1; col <= store->MaxColValueSet(row) || col <= again->MaxColValueSet(row); ++col) {
      TtsValueType type = store->GetValueType(col, row);
      if (type != again->GetValueType(col, row)) std::abort();
      if (type != vtpPicture && !VarSameValue(store->GetValue(col, row), again->GetValue(col, row))) std::abort();
    }
  return whole;
}
