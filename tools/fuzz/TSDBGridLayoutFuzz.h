// One run of a bound grid's layout reader over arbitrary bytes: a data-bound grid over a closed
// dataset loads them as a saved layout. Damaged input must end in an ordinary error of the platform
// (a stream, conversion or grid error); an abstract call, a memory error or a crash is a fault.
// Whatever the outcome, the grid must be left out of its reading state, with no
// per-record properties applied while its data is inactive, and must save and load its layout again.
// Shared by the libFuzzer target and the plain test that replays the seed corpus.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "Exceptions.h"
#include "MemoryDataSet.h"
#include "Streams.h"
#include "TSDBGrid.h"

namespace tsDBGridLayoutFuzz {

inline void CheckWhole(TtsCustomDBGrid* Grid) {
  if (Grid->Reading() || Grid->GetReadBoundProps() || Grid->GetApplyingBoundProps())
    std::abort();
}

}  // namespace tsDBGridLayoutFuzz

// Answers whether the bytes loaded whole.
inline bool tsFuzzDBGridLayout(const uint8_t* data, size_t size) {
  using namespace tsDBGridLayoutFuzz;
  auto owner = NewOwned<TComponent>(nullptr);
  auto* dataset = New<TMemoryDataSet>(owner.get());
  dataset->FieldDefs()->Add("id", ftInteger);
  dataset->FieldDefs()->Add("name", ftString, 20);
  auto* source = New<TDataSource>(owner.get());
  source->SetDataSet(dataset);
  auto* grid = New<TtsDBGrid>(owner.get());
  grid->SetDataSource(source);
  auto stream = NewOwned<Streams::TMemoryStream>();
  if (size > 0) stream->WriteBuffer(data, static_cast<Integer>(size));
  stream->SetPosition(0);
  bool whole = false;
  try {
    grid->LoadFromStream(stream.get(), cmaNone);
    whole = true;
  } catch (const EAbstractError&) {
    std::abort();
  } catch (const EHeapException&) {
    std::abort();
  } catch (const Exception&) {
  }
  CheckWhole(grid);
  auto saved = NewOwned<Streams::TMemoryStream>();
  grid->SaveToStream(saved.get(), false);
  saved->SetPosition(0);
  grid->LoadFromStream(saved.get(), cmaNone);
  CheckWhole(grid);
  return whole;
}
