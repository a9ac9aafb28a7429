// Per-record row overrides: the accessors by record and the display-line getters painting asks.
// A line's row element is looked up once into the strategy's line buffer; access by DataRow goes
// through the one-entry last-row cache.
#include "TSDBGrid.h"
#include "TSDBGridPropSets.h"
#include "TSDBGridPropsCommon.h"
#include "TSDateTimeDef.h"
#include "TSGridCombo.h"

namespace TSDBGrid {

// ---- Shared steps ---------------------------------------------------------------------------------------
template <class T, class Read, class Plain>
T TtsCustomDBGrid::LineRowProperty(Integer Line, const T& Unset, Read Member, Plain PlainGet) {
  if (!FDataBound || Line < 1 || Line > GetGridRowCount()) return PlainGet();
  if (FDataActive && GetRowProp(Line)) return Member(FGridData->PropBufferEntry(Line).Element);
  return Unset;
}

template <class T, class Read, class Plain>
T TtsCustomDBGrid::DBRowProperty(const Variant& DataRow, const T& Unset, Read Member, Plain PlainGet) {
  if (!FDataBound) return PlainGet();
  TtsCustomPropElement* element = GetDBRowElement(DataRow);
  return element ? Member(element) : Unset;
}

bool TtsCustomDBGrid::SetDBRowProperty(const Variant& DataRow, TtsProperty Kind, Integer Index,
                                       const Variant& Value, bool Redraw) {
  TtsCustomPropElement* element = GetDBRowElement(DataRow);
  const TVarRec key[1] = {VarRecOfVariant(DataRow)};
  return FRowPropSet->SetProperty(key, 0, element, Value, Kind, Index, Redraw);
}

Variant TtsCustomDBGrid::LineDataRow(Integer Line) {
  Variant dataRow;
  FGridData->GetRecordId(Line, dataRow);
  return dataRow;
}

bool TtsCustomDBGrid::GetRowProp(Integer Line) {
  if (!FGridData || Line < 1 || Line > FGridData->GetPropBufferSize()) return false;
  if (!FGridData->PropBufferEntry(Line).Resolved)
    FGridData->SetPropBufferEntry(Line, FRowPropSet->GetCount() ? FRowPropSet->GetRow(LineDataRow(Line)) : nullptr);
  return FGridData->PropBufferEntry(Line).Element != nullptr;
}

TtsCustomPropElement* TtsCustomDBGrid::GetDBRowElement(const Variant& DataRow) {
  // Keys are compared by their string form: a bookmark, or a record id as its text.
  if (!VarIsEmpty(FLastRow) && VarToStr(DataRow) == VarToStr(FLastRow)) return FLastRowElement;
  if (!CheckIdType(DataRow) || FRowPropSet->GetCount() == 0) return nullptr;
  TtsDBRowElement* element = FRowPropSet->GetRow(DataRow);
  FLastRow = DataRow;
  FLastRowElement = element;
  return element;
}

// ---- The row family --------------------------------------------------------------------------------------
// Line getter, getter by record and setter by record of one row member.
#define TS_DB_ROW_LINE(Type, LineName, Unset, Member)                                              \
  Type TtsCustomDBGrid::LineName(Integer Line) {                                                   \
    return LineRowProperty<Type>(                                                                  \
        Line, Unset, [](TtsCustomPropElement* E) { return E->Member; },                            \
        [&] { return inherited::LineName(Line); });                                                \
  }
#define TS_DB_ROW_GET(Type, Name, PlainGet, Unset, Member)                                         \
  Type TtsCustomDBGrid::GetDBRow##Name(const Variant& DataRow) {                                   \
    return DBRowProperty<Type>(                                                                    \
        DataRow, Unset, [](TtsCustomPropElement* E) { return E->Member; },                         \
        [&] { return inherited::PlainGet(DataRow.ToInteger()); });                                 \
  }
#define TS_DB_ROW_SET(Type, Name, Kind, Index, Wrap, Redraw)                                       \
  void TtsCustomDBGrid::SetDBRow##Name(const Variant& DataRow, Type Value) {                       \
    if (!FDataBound) return inherited::SetRow##Name(DataRow.ToInteger(), Value);                  \
    SetDBRowProperty(DataRow, Kind, Index, Wrap(Value), Redraw);                                   \
  }
#define TS_DB_ROW_MEMBER(Type, Name, LineName, PlainGet, Kind, Index, Unset, Member, Wrap, Redraw) \
  TS_DB_ROW_LINE(Type, LineName, Unset, Member)                                                    \
  TS_DB_ROW_GET(Type, Name, PlainGet, Unset, Member)                                               \
  TS_DB_ROW_SET(Type, Name, Kind, Index, Wrap, Redraw)

TS_DB_ROW_MEMBER(TColor, Color, GetRowColor, GetRowColor, prColor, 0, Graphics::clNone, Color, IntegerValue, true)
TS_DB_ROW_MEMBER(TFont*, Font, GetRowFont, GetRowFont, prFont, 0, nullptr, GetFont(), ObjectToVariant, true)
TS_DB_ROW_MEMBER(TAlignment, Alignment, GetRowAlignment, GetRowAlignment, prAlignment, 0, taLeftJustify, Alignment,
                 Ordinal, true)
TS_DB_ROW_MEMBER(bool, Align, GetRowAlign, GetRowAlign, prAlign, 0, false, Align, BooleanValue, true)
TS_DB_ROW_MEMBER(TSCommon::TtsHorzAlignment, HorzAlignment, GetRowHorzAlignment, GetRowHorzAlignment, prHorzAlignment,
                 0, TSCommon::htaDefault, HorzAlignment, Ordinal, true)
TS_DB_ROW_MEMBER(TSCommon::TtsVertAlignment, VertAlignment, GetRowVertAlignment, GetRowVertAlignment, prVertAlignment,
                 0, TSCommon::vtaDefault, VertAlignment, Ordinal, true)
TS_DB_ROW_MEMBER(bool, ReadOnly, IsRowReadOnly, GetRowReadOnly, prReadOnly, 0, false, ReadOnly, BooleanValue, true)
TS_DB_ROW_MEMBER(bool, Is3D, GetRowIs3D, GetRowIs3D, prIs3D, 0, false, Is3D, BooleanValue, true)
TS_DB_ROW_MEMBER(TtsDropDownStyle, DropDownStyle, GetRowDropDownStyle, GetRowDropDownStyle, prDropDownStyle, 0,
                 ddDropDown, GetDropDownStyle(), Ordinal, true)
TS_DB_ROW_MEMBER(TtsWordWrap, WordWrap, GetRowWordWrap, GetRowWordWrap, prWordWrap, 0, wwDefault, WordWrap, Ordinal,
                 true)
TS_DB_ROW_MEMBER(TtsCombo*, Combo, GetRowCombo, GetRowCombo, prCombo, 0, nullptr, GetCombo(), ObjectToVariant, true)
TS_DB_ROW_MEMBER(TtsDrawOption, StretchPicture, GetRowStretchPicture, GetRowStretchPicture, prPicture, 1, dopDefault,
                 StretchPicture, Ordinal, true)
TS_DB_ROW_MEMBER(TtsDrawOption, ShrinkPicture, GetRowShrinkPicture, GetRowShrinkPicture, prPicture, 2, dopDefault,
                 ShrinkPicture, Ordinal, true)
TS_DB_ROW_MEMBER(TtsDrawOption, CenterPicture, GetRowCenterPicture, GetRowCenterPicture, prPicture, 3, dopDefault,
                 CenterPicture, Ordinal, true)
TS_DB_ROW_MEMBER(TtsDrawOption, KeepAspectRatio, GetRowKeepAspectRatio, GetRowKeepAspectRatio, prPicture, 4,
                 dopDefault, KeepAspectRatio, Ordinal, true)
TS_DB_ROW_MEMBER(TtsControlType, ControlType, GetRowControlType, GetRowControlType, prControlType, 0, ctDefault,
                 ControlType, Ordinal, true)
TS_DB_ROW_MEMBER(TtsSpinOptions, SpinOptions, GetRowSpinOptions, GetRowSpinOptions, prSpinOptions, 0, AllSpinOptions,
                 SpinOptions, SpinBits, true)
TS_DB_ROW_MEMBER(double, SpinIncrement, GetRowSpinIncrement, GetRowSpinIncrement, prSpinIncrement, 0, 1.0,
                 SpinIncrement, DoubleValue, true)
TS_DB_ROW_MEMBER(TtsDateTimeDefComponent*, DateTimeDef, GetRowDateTimeDef, GetRowDateTimeDef, prDateTime, 0, nullptr,
                 GetDateTimeDef(), ObjectToVariant, false)
TS_DB_ROW_LINE(bool, GetRowParentFont, true, ParentFont)
TS_DB_ROW_GET(bool, ParentFont, GetRowParentFont, true, ParentFont)
TS_DB_ROW_LINE(TtsButtonType, GetRowButtonType, btDefault, ButtonType)
TS_DB_ROW_GET(TtsButtonType, ButtonType, GetRowButtonType, btDefault, ButtonType)
TS_DB_ROW_GET(bool, ParentCombo, GetRowParentCombo, true, ParentCombo)
TS_DB_ROW_SET(bool, ParentCombo, prParentCombo, 0, BooleanValue, true)
#undef TS_DB_ROW_MEMBER
#undef TS_DB_ROW_SET
#undef TS_DB_ROW_GET
#undef TS_DB_ROW_LINE

void TtsCustomDBGrid::SetDBRowMaskName(const Variant& DataRow, const String& Value) {
  if (!FDataBound) return inherited::SetRowMaskName(DataRow.ToInteger(), Value);
  SetDBRowProperty(DataRow, prMask, 0, Value, true);
}

void TtsCustomDBGrid::GetDBRowMaskName(const Variant& DataRow, String& Value) {
  Value = DBRowProperty<String>(
      DataRow, String(), [](TtsCustomPropElement* E) { return E->MaskName; },
      [&] { return inherited::GetRowMaskName(DataRow.ToInteger()); });
}

void TtsCustomDBGrid::SetDBRowButtonType(const Variant& DataRow, TtsButtonType Value) {
  if (!FDataBound) return inherited::SetRowButtonType(DataRow.ToInteger(), Value);
  // A drop-down list shows no buttons of its own.
  if (!IsComboGrid()) SetDBRowProperty(DataRow, prButtonType, 0, Ordinal(Value), true);
}

void TtsCustomDBGrid::SetDBRowParentFont(const Variant& DataRow, bool Value) {
  if (!FDataBound) return inherited::SetRowParentFont(DataRow.ToInteger(), Value);
  if (Value == GetDBRowParentFont(DataRow)) return;
  SetDBRowProperty(DataRow, prParentFont, 0, Value, false);
  // Following the parents again drops the own font; leaving them takes a copy of the grid's.
  SetDBRowFont(DataRow, Value ? nullptr : GetFont());
}

void TtsCustomDBGrid::AssignDBRowCombo(const Variant& DataRow) {
  if (!FDataBound) return inherited::AssignRowCombo(DataRow.ToInteger());
  if (!GetDBRowElement(DataRow)) SetDBRowProperty(DataRow, prParentCombo, 0, false, false);
  if (TtsCustomPropElement* element = GetDBRowElement(DataRow)) element->AssignCombo();
}

// ---- Members a bound grid does not keep per record ---------------------------------------------------------
// Every record line has the default height and is visible; display places follow the dataset; no
// record carries a changed mark here.
Integer TtsCustomDBGrid::GetRowHeight(Integer Line) {
  return FDataBound && Line != 0 ? GetDefaultRowHeight() : inherited::GetRowHeight(Line);
}
Integer TtsCustomDBGrid::GetDBRowHeight(const Variant& DataRow) {
  return FDataBound ? GetDefaultRowHeight() : inherited::GetRowHeight(DataRow.ToInteger());
}
void TtsCustomDBGrid::SetDBRowHeight(const Variant& DataRow, Integer Value) {
  if (!FDataBound) inherited::SetRowHeight(DataRow.ToInteger(), Value);
}
bool TtsCustomDBGrid::IsRowVisible(Integer Line) { return (FDataBound && Line != 0) || inherited::IsRowVisible(Line); }
bool TtsCustomDBGrid::GetDBRowVisible(const Variant& DataRow) {
  return FDataBound || inherited::GetRowVisible(DataRow.ToInteger());
}
void TtsCustomDBGrid::SetDBRowVisible(const Variant& DataRow, bool Value) {
  if (!FDataBound) inherited::SetRowVisible(DataRow.ToInteger(), Value);
}
Integer TtsCustomDBGrid::GetDBRowId(const Variant& DataRow) {
  return FDataBound ? -1 : inherited::GetRowId(DataRow.ToInteger());
}
Integer TtsCustomDBGrid::GetDBDisplayRownr(const Variant& DataRow) {
  if (!FDataBound) return inherited::GetDisplayRownr(DataRow.ToInteger());
  // A record id finds its line among the buffered records' ids, a bookmark among their bookmarks.
  Integer line = RecordIDRow(DataRow, true);
  return line < 1 ? -1 : line;
}
void TtsCustomDBGrid::SetDBDisplayRownr(const Variant& DataRow, Integer Value) {
  if (!FDataBound) inherited::SetDisplayRownr(DataRow.ToInteger(), Value);
}
bool TtsCustomDBGrid::GetDBRowChanged(const Variant& DataRow) {
  return !FDataBound && inherited::GetRowChanged(DataRow.ToInteger());
}
void TtsCustomDBGrid::SetDBRowChanged(const Variant& DataRow, bool Value) {
  if (!FDataBound) inherited::SetRowChanged(DataRow.ToInteger(), Value);
}
bool TtsCustomDBGrid::IsRowChanged(Integer Line) {
  if (!FDataBound || Line <= 0) return inherited::IsRowChanged(Line);
  return FDataActive && GetDBRowChanged(LineDataRow(Line));
}

// ---- Row selection, by bookmark ----------------------------------------------------------------------------
bool TtsCustomDBGrid::GetRowSelect(Integer Line) {
  if (!FGridData || Line < 1 || Line > FGridData->GetPropBufferSize()) return false;
  if (!FGridData->PropBufferEntry(Line).SelectedResolved)
    FGridData->SetPropBufferSelected(Line, GetDBRowSelected(String(FGridData->GetBookmark(Line))));
  return true;
}

bool TtsCustomDBGrid::IsRowSelected(Integer Line) {
  if (!FDataBound || Line < 1) return inherited::IsRowSelected(Line);
  return FDataActive && Line <= FGridData->GetBufferRows() && GetRowSelect(Line) &&
         FGridData->PropBufferEntry(Line).Selected;
}

}  // namespace TSDBGrid
