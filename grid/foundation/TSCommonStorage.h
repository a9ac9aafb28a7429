// The cell store of a grid that keeps its own data: a sparse table of rows and columns whose cells
// carry a type tag and a value, with row slot 0 kept as the backup of the row being edited. It
// writes itself to a stream and reads itself back, optionally onto other columns.
//
// Pictures in cells are bitmap references. Bitmaps that the store makes while loading are shared
// between all stores of the process and counted (SharedBitmapSet); any other bitmap put into a cell
// is held without counting and never freed by the store.
//
// The stream, integers 32-bit little-endian, no header:
//   row records:  row number (1 or more; 0 ends them), column count c, then per column 1..c a type
//                 byte and its payload: a string or picture name as its byte length and bytes, an
//                 integer as 4 bytes, a picture as its 1-based bitmap number, nothing for none or Null
//   end mark 0, bitmap count N, then N images each a whole BMP file (an empty bitmap as a bare
//   14-byte file header), each read by the length in its own header.
// A stream that breaks these rules (negative or impossible counts and lengths, unknown types,
// pictures without an image) raises EReadError; cells read before stay stored.
#pragma once

#include <memory>
#include <vector>

#include "System.h"
#include "TSSetLib.h"

namespace Graphics {
class TBitmap;
}
namespace Streams {
class TStream;
}
namespace Lists {
class TList;
}

namespace TSCommon {

using Graphics::TBitmap;
using Streams::TStream;

enum TtsValueType : Byte { vtpNone, vtpString, vtpInteger, vtpPicture, vtpPictureName, vtpNull };

// A bitmap kept in a bitmap set, keyed by its address, with the number of cells that use it and its
// number in a stream being written.
class TtsBitmapElement : public TtsSetElement {
  DECLARE_CLASS(TtsBitmapElement, TtsSetElement)
 public:
  TtsSetOrder Compare(TtsCustomSet* Set, TtsSetElement* Other) override;
  TtsSetOrder CompareKey(TtsCustomSet* Set, TtsVarRecArray Key, Integer KeyHigh) override;

  TBitmap* Bitmap = nullptr;
  Integer Count = 0;
  Integer Number = 0;
  bool OwnsBitmap = false;

 protected:
  explicit TtsBitmapElement(TBitmap* ABitmap = nullptr) : Bitmap(ABitmap) {}
  void Destroy() override;
};

class TtsBitmapSet : public TtsObjectSet {
  DECLARE_CLASS(TtsBitmapSet, TtsObjectSet)
 public:
  void AddElement(TtsBitmapElement* Element) { Add(Element); }
  TtsBitmapElement* GetBitmap(TBitmap* Bitmap);
  // The bitmap's element, made (with count 0) when there is none.
  TtsBitmapElement* AddBitmap(TBitmap* Bitmap);
  // One use less; the element goes (freeing an owned bitmap) when none is left.
  void RemoveBitmap(TBitmap* Bitmap);

 protected:
  TtsBitmapSet() = default;
};

// The bitmaps the stores made, shared by all of them; nil until first needed.
extern TtsBitmapSet* SharedBitmapSet;
TtsBitmapElement* FindSharedBitmap(TBitmap* Bitmap);
// A new empty bitmap in the shared set, owned by its element, not yet used.
TtsBitmapElement* CreateSharedBitmap();
// Counts a use of a shared bitmap, or gives one back (Release); other bitmaps are not counted.
void UseSharedBitmap(TBitmap* Bitmap, bool Release);

class Tts2DStorage : public TObject {
  DECLARE_CLASS(Tts2DStorage, TObject)
 public:
  // The largest row number a stream may name: rows are kept in one table, and a damaged stream
  // must not make it take all memory.
  static constexpr Integer MaxStreamRow = 1 << 20;

  virtual void Assign(Tts2DStorage* Source);
  virtual void BackupRow(Integer Row);
  virtual void ClearBackupRow();
  virtual void DeleteCols(Integer FromCol, Integer ToCol);
  virtual void DeleteRows(Integer FromRow, Integer ToRow);
  virtual Variant GetValue(Integer Col, Integer Row);
  virtual TtsValueType GetValueType(Integer Col, Integer Row);
  virtual void LoadFromStream(TStream* Stream, Lists::TList* ColMap);
  virtual void RestoreBackupRow(Integer Row);
  virtual void SaveToStream(TStream* Stream);
  // Stores Value as Type; Empty (or vtpNone) clears the cell. Col 1 or more, Row 0 or more.
  virtual void SetValue(Integer Col, Integer Row, const Variant& Value, TtsValueType Type);

  void SetBitmapValue(Integer Col, Integer Row, TtsValueType CurrentType, TBitmap* Bitmap);
  void ClearValue(Integer Col, Integer Row);
  // Empties the row's cells; NewColCount 0 frees its arrays, -1 keeps them, more sizes them.
  void ClearRow(Integer Row, Integer NewColCount);
  void ClearCol(Integer Col);
  // Empties the rows from FromRow on (1 also empties the backup row); Shrink drops their slots.
  void Clear(Integer FromRow, bool Shrink);
  Integer MaxRowSet();
  Integer MaxColValueSet(Integer Row);
  void CheckCreateRow(Integer Row);
  void CheckCreateCol(Integer Col, Integer Row);
  void ResizeRows(Integer Count);
  void ResizeRowCols(Integer Row, Integer Count);
  void CopyRow(Integer SrcRow, Integer DstRow);

  Integer GetRowSlotCount() const { return static_cast<Integer>(FRows.size()); }
  Integer GetRowColCount(Integer Row) const;       // the row's initialised columns
  Integer GetRowColCapacity(Integer Row) const;
  Integer ColAllocSize;
  Integer RowAllocSize;
  bool InDesignMode = false;

 protected:
  explicit Tts2DStorage(Integer AColAllocSize = 0, Integer ARowAllocSize = 0)
      : ColAllocSize(AColAllocSize), RowAllocSize(ARowAllocSize) {}
  void Destroy() override;

 private:
  // A pointer member first: TCellSlot{} then clears the whole slot, which an unset cell needs.
  union TCellSlot {
    String* Text;  // nil for the empty string
    TBitmap* Bitmap;
    Integer Int;
  };
  // A row's cells; a row slot without cells holds none at all.
  struct TRow {
    std::vector<TCellSlot> Slots;  // sized to the capacity; zero beyond Count
    std::vector<TtsValueType> Types;
    Integer Count = 0;
  };
  TRow* RowAt(Integer Row) const;  // nil for a slot without cells or beyond the table
  bool HasCell(Integer Col, Integer Row) const;
  void ReadRows(TStream* Stream, Lists::TList* ColMap, std::vector<TBitmap*>& Loaded);
  std::vector<std::unique_ptr<TRow>> FRows;
};

}  // namespace TSCommon

using namespace TSCommon;
