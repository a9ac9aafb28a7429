// One run of the grid's layout reader over arbitrary bytes: the first byte chooses the column
// matching (odd: by field name, else by number) and the rest is loaded as a saved layout into a
// small grid. Damaged input
// must end in an ordinary error of the platform (a stream, conversion or grid error); an abstract
// call, a memory error or a crash is a fault. Whatever the outcome, the grid must stay whole: its
// display order and column objects agree, and its saved layout loads and saves again unchanged. The counts a layout may set are bounded, so no input takes much memory.
// Shared by the libFuzzer target and the plain test that replays the seed corpus.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "Exceptions.h"
#include "Streams.h"
#include "TSGrid.h"

namespace tsGridLayoutFuzz {

// A grid whose event layer does nothing (the engine leaves its events to the descendants). The
// header is included by one source of a program, which holds the class record.
class TFuzzGrid : public TtsBaseGrid {
  DECLARE_CLASS(TFuzzGrid, TtsBaseGrid)
 public:
  explicit TFuzzGrid(TComponent* AOwner = nullptr) : TtsBaseGrid(AOwner) {}
  void CellLoadedEvent(Integer, Integer, TtsControlType, Variant&) override {}
  bool PaintCell(TtsDrawData&, const TRect&, bool) override { return false; }
  bool ActivateDoGetDrawInfo() override { return false; }
  void TopLeftChangedEvent(Integer, Integer, bool, Integer, Integer) override {}
  void RowInserted(Integer, bool) override {}
  void RowDeleted(Integer, bool) override {}
  bool DoClickCell(Integer, const Variant&, Integer, const Variant&, TtsClickPosition, TtsClickPosition) override {
    return false;
  }
  void DoButtonClick(Integer, const Variant&) override {}
  void DoButtonDown(Integer, const Variant&) override {}
  void DoButtonUp(Integer, const Variant&) override {}
  void DoSpinButtonClick(Integer, const Variant&, TtsSpinButton) override {}
  void DoSpinButtonDown(Integer, const Variant&, TtsSpinButton) override {}
  void DoSpinButtonUp(Integer, const Variant&, TtsSpinButton) override {}
  void DoSpinRepeat(Integer, const Variant&, Integer, TtsSpinButton) override {}
  void DoSpinIncrement(Integer, const Variant&, TtsSpinButton, Variant&, Integer&, Integer&, bool&) override {}
  void DoCellEdit(Integer, const Variant&, bool) override {}
  void DoComboDropDown(Integer, const Variant&) override {}
  void DoComboGetValue(Integer, const Variant&, const Variant&, Variant&) override {}
  void DoComboInit(Integer, const Variant&) override {}
  void DoComboRollUp(Integer, const Variant&) override {}
  void DoDateTimeInit(TtsDateTimeDefComponent*, Integer, const Variant&) override {}
  void DoDateTimeDropDown(TtsDateTimeDefComponent*, Integer, const Variant&) override {}
  void DoDateTimeRollUp(TtsDateTimeDefComponent*, Integer, const Variant&) override {}
  void DoDateTimeGetValue(TtsDateTimeDefComponent*, Integer, const Variant&, Variant&) override {}
  void DoDblClickCell(Integer, const Variant&, TtsClickPosition) override {}
  void DoEndCellEdit(Integer, const Variant&, bool&) override {}
  void DoEndRowEdit(const Variant&, bool&) override {}
  void DoInvalidMaskValue(Integer, const Variant&, bool&) override {}
  void DoInvalidMaskEdit(const String&, Integer, const Variant&, bool&) override {}
  void DoCellChanged(Integer, Integer, const Variant&, const Variant&) override {}
  void DoRowChanged(const Variant&, const Variant&) override {}
  void DoRowLoaded(const Variant&) override {}
  void DoStartCellEdit(Integer, const Variant&, bool&) override {}
  void DoStartRowEdit(const Variant&, bool&) override {}
  void DoUndoCellEdit(Integer, const Variant&, bool, bool&) override {}
  void DoUndoRowEdit(const Variant&, bool, bool&) override {}
  void DoShowEditor(Integer, const Variant&, bool&) override {}
  void Print() override {}
  void PrintPreview() override {}
  void ExportGrid() override {}
};
IMPLEMENT_CLASS(TFuzzGrid)

inline Streams::TMemoryStream* SaveLayout(TtsBaseGrid* Grid) {
  auto* stream = New<Streams::TMemoryStream>();
  Grid->SaveToStream(stream, true);
  stream->SetPosition(0);
  return stream;
}

inline bool SameBytes(Streams::TMemoryStream* A, Streams::TMemoryStream* B) {
  if (A->GetSize() != B->GetSize()) return false;
  const auto* a = static_cast<const uint8_t*>(A->GetMemory());
  const auto* b = static_cast<const uint8_t*>(B->GetMemory());
  for (Int64 i = 0; i < A->GetSize(); ++i)
    if (a[i] != b[i]) return false;
  return true;
}

inline void CheckWhole(TtsBaseGrid* Grid) {
  for (Integer display = 0; display < Grid->GetColCount(); ++display) {
    TtsCol* col = Grid->GetCols()->GetItem(Grid->GetDataCol(display));
    if (!col || col->GetDisplayCol() != display) std::abort();
  }
  for (Integer display = 1; display < Grid->GetRowCount(); ++display)
    if (Grid->GetDisplayRow(Grid->GetDataRow(display)) != display) std::abort();
  if (Grid->Reading() || Grid->GetFastAssign() || Grid->GetReadColMap()) std::abort();
}

}  // namespace tsGridLayoutFuzz

// Answers whether the bytes loaded whole.
inline bool tsFuzzGridLayout(const uint8_t* data, size_t size) {
  using namespace tsGridLayoutFuzz;
  auto grid = NewOwned<TFuzzGrid>();
  grid->SetGridColCount(3);
  grid->SetGridRowCount(3);
  for (Integer col = 1; col <= 3; ++col) grid->GetCols()->GetItem(col)->SetFieldName(String(1, char('a' + col - 1)));
  auto stream = NewOwned<Streams::TMemoryStream>();
  if (size > 1) stream->WriteBuffer(data + 1, static_cast<Integer>(size - 1));
  stream->SetPosition(0);
  bool whole = false;
  try {
    grid->LoadFromStream(stream.get(), size > 0 && (data[0] & 1) ? cmaFieldName : cmaNone);
    whole = true;
  } catch (const EAbstractError&) {
    std::abort();
  } catch (const EHeapException&) {
    std::abort();
  } catch (const Exception&) {
  }
  CheckWhole(grid.get());
  // Saved once, a layout may still differ from the grid it came from in what a stream cannot say
  // (a string setting emptied is not written); from then on it must load and save unchanged.
  TOwnedPtr<Streams::TMemoryStream> first(SaveLayout(grid.get()));
  auto copy = NewOwned<TFuzzGrid>();
  copy->LoadFromStream(first.get(), cmaNone);
  CheckWhole(copy.get());
  TOwnedPtr<Streams::TMemoryStream> second(SaveLayout(copy.get()));
  auto again = NewOwned<TFuzzGrid>();
  again->LoadFromStream(second.get(), cmaNone);
  TOwnedPtr<Streams::TMemoryStream> third(SaveLayout(again.get()));
  if (!SameBytes(second.get(), third.get())) std::abort();
  return whole;
}
