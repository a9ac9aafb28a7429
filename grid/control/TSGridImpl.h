// The headers that the grid control's sources share: the whole unit and the platform and grid
// foundation units its bodies use. Included by the unit's .cpp files only.
#pragma once

#include <functional>

#include "Bits.h"
#include "Exceptions.h"
#include "Filer.h"
#include "Format.h"
#include "Lists.h"
#include "StringLists.h"
#include "Strings.h"
#include "Streams.h"
#include "SysConst.h"
#include "TSCommon.h"
#include "TSCommonStorage.h"
#include "TSDateTimeDef.h"
#include "TSGrid.h"
#include "TSImageList.h"
#include "TSMask.h"
#include "TSSetLib.h"
#include "TypInfo.h"
#include "Variants.h"
#include "WinGdi.h"

namespace TSGrid {

// Painting disabled for a scope, enabled again however it ends.
class TPaintSuspension {
 public:
  explicit TPaintSuspension(TtsBaseGrid* Grid) : FGrid(Grid) { FGrid->SetEnablePaint(false); }
  ~TPaintSuspension() { FGrid->SetEnablePaint(true); }
  TPaintSuspension(const TPaintSuspension&) = delete;
  TPaintSuspension& operator=(const TPaintSuspension&) = delete;

 private:
  TtsBaseGrid* FGrid;
};

// The sizing statuses by the line they move: a row's bottom (row or heading) or a column's right
// edge (column or row bar).
inline bool SizesRows(TtsMouseStatus Status) { return Status == msRowResize || Status == msHeadingResize; }
inline bool SizesCols(TtsMouseStatus Status) { return Status == msColResize || Status == msRowBarResize; }

// ---- What the column, row and cell layers share ----------------------------------------------------
// The first of the row and the column layer (in DrawOverlap order) that is not Unset; Unset when
// neither sets the value.
template <class T, class RowRead, class ColRead>
T RowColLayer(TtsDrawOverlap Overlap, const T& Unset, RowRead Row, ColRead Col) {
  bool colFirst = Overlap != doDrawRowOnTop;
  T first = colFirst ? Col() : Row();
  if (first != Unset) return first;
  return colFirst ? Row() : Col();
}
// Copies Value into the layer's own font (made on first need, with the layer's change handler), or
// frees the own font for nil.
void CopyOwnedFont(TFont*& Own, TFont* Value, const TNotifyEvent& OnChange);
// A layer's change-font count: false adds one, true takes one off while above 0.
void CountFontChange(Integer& Count, bool Value);
// Runs Copy with the layer's font changes not reported (its change-font count raised meanwhile).
template <class Copy>
void CopyUnreported(Integer& Count, Copy Step) {
  CountFontChange(Count, false);
  try {
    Step();
  } catch (...) {
    CountFontChange(Count, true);
    throw;
  }
  CountFontChange(Count, true);
}
// Sets a layer's own font to Value by Copy: the layer follows its parent's font exactly while it
// has none of its own, also when the copy fails.
template <class Copy>
void SetLayerFont(TFont*& Own, bool& ParentFont, TFont* Value, Copy Step) {
  if (Value == Own) return;
  try {
    Step(Value);
  } catch (...) {
    ParentFont = !Own;
    throw;
  }
  ParentFont = !Own;
}
// A layer's switch to follow its parent's font, the own font changed by Update: turned off, the
// layer takes a copy of the parent's font (which reports itself); turned on, it drops its own font,
// or an automatic one takes the parent's anew. True when the layer is to be redrawn.
template <class Update>
bool SetLayerParentFont(bool& ParentFont, bool Value, bool AutoCreate, TFont* Own, TFont* Parent, Update Step) {
  if (ParentFont == Value) return false;
  ParentFont = Value;
  if (!Value) {
    Step(Parent);
    return false;
  }
  if (!AutoCreate)
    Step(nullptr);
  else if (Own)
    Step(Parent);
  return true;
}
// A layer's drop-down style: its combo's while it has one, else the one it keeps for a combo to come.
TtsDropDownStyle LayerDropDownStyle(TtsCombo* Combo, TtsDropDownStyle Kept);
// Sets the kept style and the combo's; true when the style changed.
bool SetLayerDropDownStyle(TtsCombo* Combo, TtsDropDownStyle& Kept, TtsDropDownStyle Value);
// A layer's switch to use its parent's combo; true when the layer is to drop its own combo.
bool SetLayerParentCombo(bool& ParentCombo, bool Value);
// Defines a layer's legacy entries <Prefix>Alignment and <Prefix>Align, read only and handed to its
// setters (older streams kept the horizontal alignment as these two).
void DefineLegacyAlignment(Filer::TFiler* Filer, const String& Prefix,
                           const std::function<void(TAlignment)>& SetAlignment, const std::function<void(bool)>& SetAlign);
// The legacy alignment, its own-flag and the horizontal alignment of a layer kept consistent; each
// answers whether anything changed.
bool SetLayerAlignment(TAlignment& Alignment, bool& Align, TSCommon::TtsHorzAlignment& Horz, TAlignment Value);
bool SetLayerAlign(TAlignment& Alignment, bool& Align, TSCommon::TtsHorzAlignment& Horz, bool Value);
bool SetLayerHorzAlignment(TAlignment& Alignment, bool& Align, TSCommon::TtsHorzAlignment& Horz,
                           TSCommon::TtsHorzAlignment Value);

}  // namespace TSGrid
