// The cell store's table: values and their types, growth, clearing, deleting rows and columns,
// copying rows and whole stores; the shared bitmap set.
#include "TSCommonStorage.h"

#include <algorithm>

#include "Exceptions.h"
#include "Graphics.h"
#include "SysConst.h"
#include "TSCommon.h"

namespace TSCommon {

IMPLEMENT_CLASS(TtsBitmapElement)
IMPLEMENT_CLASS(TtsBitmapSet)
IMPLEMENT_CLASS(Tts2DStorage)

// ---- Bitmap elements and sets ---------------------------------------------------------------------------

void TtsBitmapElement::Destroy() {
  if (OwnsBitmap) FreeAndNil(Bitmap);
  inherited::Destroy();
}

TtsSetOrder TtsBitmapElement::Compare(TtsCustomSet* Set, TtsSetElement* Other) {
  TVarRec key[] = {static_cast<TtsBitmapElement*>(Other)->Bitmap};
  return CompareKey(Set, key, 0);
}

TtsSetOrder TtsBitmapElement::CompareKey(TtsCustomSet*, TtsVarRecArray Key, Integer) {
  auto own = reinterpret_cast<uintptr_t>(Bitmap);
  auto key = reinterpret_cast<uintptr_t>(Key[0].VObject);
  if (own < key) return ordLarger;
  if (own == key) return ordEqual;
  return ordSmaller;
}

TtsBitmapElement* TtsBitmapSet::GetBitmap(TBitmap* Bitmap) {
  return static_cast<TtsBitmapElement*>(Get({Bitmap}));
}

TtsBitmapElement* TtsBitmapSet::AddBitmap(TBitmap* Bitmap) {
  if (TtsBitmapElement* element = GetBitmap(Bitmap)) return element;
  auto* element = New<TtsBitmapElement>(Bitmap);
  Add(element);
  return element;
}

void TtsBitmapSet::RemoveBitmap(TBitmap* Bitmap) {
  TtsBitmapElement* element = GetBitmap(Bitmap);
  if (!element) return;
  if (--element->Count <= 0) Remove({Bitmap});
}

TtsBitmapSet* SharedBitmapSet = nullptr;

TtsBitmapElement* FindSharedBitmap(TBitmap* Bitmap) {
  return SharedBitmapSet ? SharedBitmapSet->GetBitmap(Bitmap) : nullptr;
}

TtsBitmapElement* CreateSharedBitmap() {
  if (!SharedBitmapSet) SharedBitmapSet = New<TtsBitmapSet>();
  auto* bitmap = New<TBitmap>();
  TtsBitmapElement* element;
  try {
    element = SharedBitmapSet->AddBitmap(bitmap);
  } catch (...) {
    bitmap->Free();
    throw;
  }
  element->OwnsBitmap = true;
  return element;
}

void UseSharedBitmap(TBitmap* Bitmap, bool Release) {
  if (!SharedBitmapSet) return;
  if (Release) {
    SharedBitmapSet->RemoveBitmap(Bitmap);
  } else if (TtsBitmapElement* element = SharedBitmapSet->GetBitmap(Bitmap)) {
    ++element->Count;
  }
}

void TSCommonFinalization() { FreeAndNil(SharedBitmapSet); }

// ---- The table ------------------------------------------------------------------------------------------

void Tts2DStorage::Destroy() {
  Clear(0, true);
  inherited::Destroy();
}

Tts2DStorage::TRow* Tts2DStorage::RowAt(Integer Row) const {
  return Row >= 0 && Row < GetRowSlotCount() ? FRows[static_cast<size_t>(Row)].get() : nullptr;
}

bool Tts2DStorage::HasCell(Integer Col, Integer Row) const {
  TRow* row = RowAt(Row);
  return row && Col >= 1 && Col <= row->Count;
}

Integer Tts2DStorage::GetRowColCount(Integer Row) const {
  TRow* row = RowAt(Row);
  return row ? row->Count : 0;
}

Integer Tts2DStorage::GetRowColCapacity(Integer Row) const {
  TRow* row = RowAt(Row);
  return row ? static_cast<Integer>(row->Slots.size()) : 0;
}

TtsValueType Tts2DStorage::GetValueType(Integer Col, Integer Row) {
  if (!HasCell(Col, Row)) return vtpNone;
  return RowAt(Row)->Types[static_cast<size_t>(Col - 1)];
}

Variant Tts2DStorage::GetValue(Integer Col, Integer Row) {
  if (!HasCell(Col, Row)) return Variant();
  TRow* row = RowAt(Row);
  const TCellSlot& slot = row->Slots[static_cast<size_t>(Col - 1)];
  switch (row->Types[static_cast<size_t>(Col - 1)]) {
    case vtpString:
    case vtpPictureName:
      return slot.Text ? *slot.Text : String();
    case vtpInteger:
      return slot.Int;
    case vtpPicture:
      return BitmapToVariant(slot.Bitmap);
    case vtpNull:
      return Null();
    default:
      return Variant();
  }
}

void Tts2DStorage::ClearValue(Integer Col, Integer Row) {
  if (!HasCell(Col, Row)) return;
  TRow* row = RowAt(Row);
  TCellSlot& slot = row->Slots[static_cast<size_t>(Col - 1)];
  TtsValueType& type = row->Types[static_cast<size_t>(Col - 1)];
  TtsValueType was = type;
  TCellSlot held = slot;
  slot.Text = nullptr;
  type = vtpNone;
  if (was == vtpString || was == vtpPictureName) delete held.Text;
  else if (was == vtpPicture) UseSharedBitmap(held.Bitmap, true);
}

void Tts2DStorage::ResizeRows(Integer Count) {
  if (Count < 0) Count = 0;
  // The callers empty the dropped rows first; whatever they still hold is given back all the same.
  for (Integer r = Count; r < GetRowSlotCount(); ++r) ClearRow(r, -1);
  FRows.resize(static_cast<size_t>(Count));
}

void Tts2DStorage::ResizeRowCols(Integer Row, Integer Count) {
  if (Row < 0 || Row >= GetRowSlotCount()) return;
  if (Count < 0) Count = 0;
  for (Integer col = Count + 1; col <= GetRowColCount(Row); ++col) ClearValue(col, Row);
  std::unique_ptr<TRow>& row = FRows[static_cast<size_t>(Row)];
  if (Count == 0) {
    row.reset();
    return;
  }
  if (!row) row = std::make_unique<TRow>();
  if (Count != static_cast<Integer>(row->Slots.size())) {
    row->Slots.resize(static_cast<size_t>(Count), TCellSlot{});
    row->Types.resize(static_cast<size_t>(Count), vtpNone);
    row->Slots.shrink_to_fit();
    row->Types.shrink_to_fit();
  }
  row->Count = Count;
}

void Tts2DStorage::CheckCreateRow(Integer Row) {
  if (Row < GetRowSlotCount()) return;
  ResizeRows(RowAllocSize + 1 > Row ? RowAllocSize + 1 : Row + 10);
}

void Tts2DStorage::CheckCreateCol(Integer Col, Integer Row) {
  TRow* row = RowAt(Row);
  if (row && row->Count >= Col) return;
  if (row && static_cast<Integer>(row->Slots.size()) >= Col) {
    row->Count = Col;
    return;
  }
  ResizeRowCols(Row, Col < ColAllocSize ? ColAllocSize : Col + 10);
}

void Tts2DStorage::SetValue(Integer Col, Integer Row, const Variant& Value, TtsValueType Type) {
  if (Col < 1 || Row < 0) TList::Error(SysConst::SListIndexError, Col < 1 ? Col : Row);
  TtsValueType current = GetValueType(Col, Row);
  if (VarIsEmpty(Value) && current == vtpNone) return;
  CheckCreateRow(Row);
  CheckCreateCol(Col, Row);
  TtsValueType stored = Type;
  auto slot = [&]() -> TCellSlot& { return RowAt(Row)->Slots[static_cast<size_t>(Col - 1)]; };
  switch (VarIsEmpty(Value) ? vtpNone : Type) {
    case vtpString:
    case vtpPictureName: {
      String text = VarToStr(Value);
      if (current != vtpNone && current != vtpString && current != vtpPictureName) ClearValue(Col, Row);
      TCellSlot& s = slot();
      if (text.empty()) {
        delete s.Text;
        s.Text = nullptr;
      } else if (s.Text) {
        *s.Text = std::move(text);
      } else {
        s.Text = new String(std::move(text));
      }
      break;
    }
    case vtpInteger: {
      Integer value = Value.ToInteger();
      if (current != vtpNone && current != vtpInteger) ClearValue(Col, Row);
      slot().Int = value;
      break;
    }
    case vtpPicture: {
      TBitmap* bitmap = VariantToBitmap(Value);
      if (current != vtpNone && current != vtpPicture) {
        ClearValue(Col, Row);
        current = vtpNone;
      }
      SetBitmapValue(Col, Row, current, bitmap);
      break;
    }
    case vtpNull:
      ClearValue(Col, Row);
      break;
    default:
      ClearValue(Col, Row);
      stored = vtpNone;
  }
  RowAt(Row)->Types[static_cast<size_t>(Col - 1)] = stored;
}

void Tts2DStorage::SetBitmapValue(Integer Col, Integer Row, TtsValueType CurrentType, TBitmap* Bitmap) {
  if (CurrentType == vtpPicture) {
    if (RowAt(Row)->Slots[static_cast<size_t>(Col - 1)].Bitmap == Bitmap) return;
    ClearValue(Col, Row);
  }
  RowAt(Row)->Slots[static_cast<size_t>(Col - 1)].Bitmap = Bitmap;
  UseSharedBitmap(Bitmap, false);
}

void Tts2DStorage::ClearRow(Integer Row, Integer NewColCount) {
  if (!RowAt(Row)) return;
  for (Integer col = 1; col <= GetRowColCount(Row); ++col) ClearValue(col, Row);
  if (NewColCount >= 0) ResizeRowCols(Row, NewColCount);
}

void Tts2DStorage::ClearCol(Integer Col) {
  if (Col < 1) return;
  for (Integer row = 1; row < GetRowSlotCount(); ++row)
    if (GetRowColCount(row) >= Col) ClearValue(Col, row);
}

void Tts2DStorage::Clear(Integer FromRow, bool Shrink) {
  if (FromRow <= 1) FromRow = 0;
  for (Integer row = FromRow; row < GetRowSlotCount(); ++row) ClearRow(row, 0);
  if (!Shrink) return;
  // Only ever smaller: clearing rows that do not exist adds none.
  Integer keep = FromRow == 0 ? 0 : FromRow + 1;
  if (keep < GetRowSlotCount()) ResizeRows(keep);
}

Integer Tts2DStorage::MaxRowSet() {
  for (Integer row = GetRowSlotCount() - 1; row >= 1; --row)
    if (RowAt(row)) return row;
  return 0;
}

Integer Tts2DStorage::MaxColValueSet(Integer Row) {
  TRow* row = RowAt(Row);
  if (!row) return 0;
  for (Integer col = row->Count; col >= 1; --col)
    if (row->Types[static_cast<size_t>(col - 1)] != vtpNone) return col;
  return 0;
}

void Tts2DStorage::DeleteRows(Integer FromRow, Integer ToRow) {
  if (FromRow < 0) FromRow = 0;
  Integer last = GetRowSlotCount() - 1;
  if (ToRow < FromRow || FromRow > last) return;
  if (ToRow > last) ToRow = last;
  for (Integer row = ToRow; row >= FromRow; --row) ClearRow(row, 0);
  FRows.erase(FRows.begin() + FromRow, FRows.begin() + ToRow + 1);
}

void Tts2DStorage::DeleteCols(Integer FromCol, Integer ToCol) {
  if (FromCol < 1) FromCol = 1;
  if (ToCol < FromCol) return;
  for (Integer r = 0; r < GetRowSlotCount(); ++r) {
    if (GetRowColCount(r) < FromCol) continue;
    Integer last = std::min(GetRowColCount(r), ToCol);
    for (Integer col = FromCol; col <= last; ++col) ClearValue(col, r);
    TRow& row = *RowAt(r);
    Integer removed = last - FromCol + 1;
    std::move(row.Slots.begin() + last, row.Slots.begin() + row.Count, row.Slots.begin() + FromCol - 1);
    std::move(row.Types.begin() + last, row.Types.begin() + row.Count, row.Types.begin() + FromCol - 1);
    Integer count = row.Count - removed;
    std::fill(row.Slots.begin() + count, row.Slots.begin() + row.Count, TCellSlot{});
    std::fill(row.Types.begin() + count, row.Types.begin() + row.Count, vtpNone);
    row.Count = count;
    // A row that keeps fewer than 8 spare entries keeps its capacity; otherwise it is cut to size.
    if (static_cast<Integer>(row.Slots.size()) - count >= 8 || count == 0) ResizeRowCols(r, count);
  }
}

void Tts2DStorage::CopyRow(Integer SrcRow, Integer DstRow) {
  if (FRows.empty() || DstRow < 0 || DstRow >= GetRowSlotCount()) return;
  if (!RowAt(SrcRow)) {
    ClearRow(DstRow, 0);
    return;
  }
  if (SrcRow == DstRow) return;
  Integer count = GetRowColCount(SrcRow);
  for (Integer col = 1; col <= count; ++col) SetValue(col, DstRow, GetValue(col, SrcRow), GetValueType(col, SrcRow));
  for (Integer col = count + 1; col <= GetRowColCount(DstRow); ++col) ClearValue(col, DstRow);
}

void Tts2DStorage::BackupRow(Integer Row) { CopyRow(Row, 0); }

void Tts2DStorage::RestoreBackupRow(Integer Row) {
  CopyRow(0, Row);
  ClearBackupRow();
}

void Tts2DStorage::ClearBackupRow() { ClearRow(0, 0); }

void Tts2DStorage::Assign(Tts2DStorage* Source) {
  if (!Source || Source == this) return;
  InDesignMode = Source->InDesignMode;
  Integer rows = Source->MaxRowSet();
  if (rows == 0) {
    Clear(0, true);
    return;
  }
  Clear(rows + 1, false);
  ResizeRows(std::max(RowAllocSize + 1, rows + 1));
  for (Integer row = 1; row <= rows; ++row) {
    Integer cols = Source->MaxColValueSet(row);
    ClearRow(row, cols > 0 ? std::max(cols, ColAllocSize) : 0);
    for (Integer col = cols; col >= 1; --col)
      SetValue(col, row, Source->GetValue(col, row), Source->GetValueType(col, row));
  }
}

}  // namespace TSCommon
