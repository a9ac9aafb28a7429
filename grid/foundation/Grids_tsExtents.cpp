// The extent arrays of the base grid engine (column widths, row heights, tab stops) and its
// messages.
#include <algorithm>

#include "Grids_tsEngine.h"
#include "Resources.h"

namespace Grids_ts {

const TResStringRec SGridIndexOutOfRange{&HInstance, 64930};
const TResStringRec STooManyDeleted{&HInstance, 64922};
const TResStringRec SGridTooLarge{&HInstance, 64929};
const TResStringRec SFixedColTooBig{&HInstance, 64958};
const TResStringRec SFixedRowTooBig{&HInstance, 64959};
const TResStringRec SCannotInsertDelete{&HInstance, 64940};

void InvalidGridOperation(const TResStringRec& Message) { throw EInvalidGridOperation(LoadResString(&Message)); }

namespace {
// The most cells an extent array holds: what its byte size can express on the systems the
// grid's streams travel between.
constexpr Integer MaxCustomExtents = 134217725;

Integer CountOf(const TExtentArray& Extents) { return Extents.empty() ? 0 : Extents[0]; }
}  // namespace

Integer ReadExtent(const TExtentArray& Extents, Integer Index, Integer Default) {
  if (Index < 0 || Index >= CountOf(Extents)) return Default;
  return Extents[static_cast<size_t>(Index) + 1];
}

void ResizeExtents(TExtentArray& Extents, Integer Index, Integer Amount, Integer Default) {
  const Integer oldSize = CountOf(Extents);
  if (Index < 0 || Index > oldSize) InvalidGridOperation(SGridIndexOutOfRange);
  const Int64 newSize = Int64{oldSize} + Amount;
  if (newSize < 0 || (Amount < 0 && Int64{Index} - Amount > oldSize)) InvalidGridOperation(STooManyDeleted);
  if (newSize > MaxCustomExtents) InvalidGridOperation(SGridTooLarge);
  if (Amount == 0) return;
  if (newSize == 0) {
    Extents.clear();
    return;
  }
  if (Extents.empty()) Extents.push_back(0);
  const auto at = Extents.begin() + Index + 1;
  if (Amount > 0) Extents.insert(at, static_cast<size_t>(Amount), Default);
  else Extents.erase(at, at - Amount);
  Extents[0] = static_cast<Integer>(newSize);
}

void FitExtents(TExtentArray& Extents, Integer NewSize, Integer Default) {
  if (Extents.empty()) return;
  const Integer oldSize = CountOf(Extents);
  if (NewSize > oldSize) ResizeExtents(Extents, oldSize, NewSize - oldSize, Default);
  else if (NewSize < oldSize) ResizeExtents(Extents, NewSize, NewSize - oldSize, Default);
}

void MoveExtentEntry(TExtentArray& Extents, Integer FromIndex, Integer ToIndex) {
  const Integer count = CountOf(Extents);
  if (FromIndex < 0 || FromIndex >= count || ToIndex < 0 || ToIndex >= count)
    InvalidGridOperation(SGridIndexOutOfRange);
  const auto from = Extents.begin() + FromIndex + 1, to = Extents.begin() + ToIndex + 1;
  if (FromIndex < ToIndex) std::rotate(from, from + 1, to + 1);
  else std::rotate(to, from, from + 1);
}

bool ExtentsEqual(const TExtentArray& A, const TExtentArray& B) { return A == B; }

void MoveAdjust(Integer& p, Integer FromIndex, Integer ToIndex) {
  if (p == FromIndex) p = ToIndex;
  else if (FromIndex < ToIndex && p > FromIndex && p <= ToIndex) --p;
  else if (FromIndex > ToIndex && p >= ToIndex && p < FromIndex) ++p;
}

}  // namespace Grids_ts
