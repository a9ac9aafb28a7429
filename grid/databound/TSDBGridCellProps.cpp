// Per-record cell overrides: the accessors by (data column, record) and the display-line getters
// painting asks. Lookups go through the grid's last-cell cache; an empty cell set answers at once.
#include "TSDBGrid.h"
#include "TSDBGridPropSets.h"
#include "TSDBGridPropsCommon.h"
#include "TSDateTimeDef.h"
#include "TSGridCombo.h"

namespace TSDBGrid {

// ---- Shared steps ---------------------------------------------------------------------------------------
template <class T, class Read, class Plain>
T TtsCustomDBGrid::LineCellProperty(Integer DataCol, Integer Line, const T& Unset, Read DBGet, Plain PlainGet) {
  if (!FDataBound || Line < 1 || Line > GetGridRowCount()) return PlainGet();
  return FDataActive ? DBGet(LineDataRow(Line)) : Unset;
}

template <class T, class Read, class Plain>
T TtsCustomDBGrid::DBCellProperty(Integer DataCol, const Variant& DataRow, const T& Unset, Read Member,
                                  Plain PlainGet) {
  if (!FDataBound) return PlainGet();
  TtsCustomPropElement* element = GetDBCellElement(DataCol, DataRow, false);
  return element ? Member(element) : Unset;
}

bool TtsCustomDBGrid::SetDBCellProperty(Integer DataCol, const Variant& DataRow, TtsProperty Kind, Integer Index,
                                        const Variant& Value, bool Redraw) {
  TtsCustomPropElement* element = GetDBCellElement(DataCol, DataRow, true);
  const TVarRec key[2] = {DataCol, VarRecOfVariant(DataRow)};
  return FDBCellPropSet->SetProperty(key, 1, element, Value, Kind, Index, Redraw);
}

TtsCustomPropElement* TtsCustomDBGrid::GetDBCellElement(Integer DataCol, const Variant& DataRow, bool Check) {
  if (Check && (!CheckIndex(itCol, DataCol, GetGridColCount(), 1) || !CheckIdType(DataRow))) return nullptr;
  if (FDBCellPropSet->GetCount() == 0) return nullptr;
  if (FLastCellValid && FLastCellCol == DataCol && VarSameValue(FLastCellRow, DataRow)) return FLastCellElement;
  TtsDBCellElement* element = FDBCellPropSet->GetCell(DataCol, DataRow);
  FLastCellValid = true;
  FLastCellCol = DataCol;
  FLastCellRow = DataRow;
  FLastCellElement = element;
  return element;
}

// ---- The cell family -------------------------------------------------------------------------------------
#define TS_DB_CELL_LINE(Type, LineName, Name, Unset)                                                      \
  Type TtsCustomDBGrid::LineName(Integer DataCol, Integer Line) {                                         \
    return LineCellProperty<Type>(                                                                        \
        DataCol, Line, Unset, [&](const Variant& DataRow) { return GetDBCell##Name(DataCol, DataRow); }, \
        [&] { return inherited::LineName(DataCol, Line); });                                              \
  }
#define TS_DB_CELL_GET(Type, Name, PlainGet, Unset, Member)                                               \
  Type TtsCustomDBGrid::GetDBCell##Name(Integer DataCol, const Variant& DataRow) {                        \
    return DBCellProperty<Type>(                                                                          \
        DataCol, DataRow, Unset, [](TtsCustomPropElement* E) { return E->Member; },                       \
        [&] { return inherited::PlainGet(DataCol, DataRow.ToInteger()); });                               \
  }
#define TS_DB_CELL_SET(Type, Name, Kind, Index, Wrap, Redraw)                                             \
  void TtsCustomDBGrid::SetDBCell##Name(Integer DataCol, const Variant& DataRow, Type Value) {            \
    if (!FDataBound) return inherited::SetCell##Name(DataCol, DataRow.ToInteger(), Value);               \
    SetDBCellProperty(DataCol, DataRow, Kind, Index, Wrap(Value), Redraw);                                \
  }
#define TS_DB_CELL_MEMBER(Type, Name, LineName, PlainGet, Kind, Index, Unset, Member, Wrap, Redraw) \
  TS_DB_CELL_LINE(Type, LineName, Name, Unset)                                                      \
  TS_DB_CELL_GET(Type, Name, PlainGet, Unset, Member)                                               \
  TS_DB_CELL_SET(Type, Name, Kind, Index, Wrap, Redraw)

TS_DB_CELL_MEMBER(Integer, Tag, GetCellTag, GetCellTag, prTag, 0, 0, Tag, IntegerValue, true)
TS_DB_CELL_MEMBER(void*, Data, GetCellData, GetCellData, prData, 0, nullptr, Data, VarFromPointer, true)
TS_DB_CELL_MEMBER(TColor, Color, GetCellColor, GetCellColor, prColor, 0, Graphics::clNone, Color, IntegerValue, true)
TS_DB_CELL_MEMBER(TtsControlType, ControlType, GetCellControlType, GetCellControlType, prControlType, 0, ctDefault,
                  ControlType, Ordinal, true)
TS_DB_CELL_MEMBER(TtsSpinOptions, SpinOptions, GetCellSpinOptions, GetCellSpinOptions, prSpinOptions, 0,
                  AllSpinOptions, SpinOptions, SpinBits, true)
TS_DB_CELL_MEMBER(double, SpinIncrement, GetCellSpinIncrement, GetCellSpinIncrement, prSpinIncrement, 0, 1.0,
                  SpinIncrement, DoubleValue, true)
TS_DB_CELL_MEMBER(TFont*, Font, GetCellFont, GetCellFont, prFont, 0, nullptr, GetFont(), ObjectToVariant, true)
TS_DB_CELL_MEMBER(TAlignment, Alignment, GetCellAlignment, GetCellAlignment, prAlignment, 0, taLeftJustify,
                  Alignment, Ordinal, true)
TS_DB_CELL_MEMBER(bool, Align, GetCellAlign, GetCellAlign, prAlign, 0, false, Align, BooleanValue, true)
TS_DB_CELL_MEMBER(TSCommon::TtsHorzAlignment, HorzAlignment, GetCellHorzAlignment, GetCellHorzAlignment,
                  prHorzAlignment, 0, TSCommon::htaDefault, HorzAlignment, Ordinal, true)
TS_DB_CELL_MEMBER(TSCommon::TtsVertAlignment, VertAlignment, GetCellVertAlignment, GetCellVertAlignment,
                  prVertAlignment, 0, TSCommon::vtaDefault, VertAlignment, Ordinal, true)
TS_DB_CELL_MEMBER(bool, Is3D, GetCellIs3D, GetCellIs3D, prIs3D, 0, false, Is3D, BooleanValue, true)
TS_DB_CELL_MEMBER(TtsWordWrap, WordWrap, GetCellWordWrap, GetCellWordWrap, prWordWrap, 0, wwDefault, WordWrap,
                  Ordinal, true)
TS_DB_CELL_MEMBER(TtsDropDownStyle, DropDownStyle, GetCellDropDownStyle, GetCellDropDownStyle, prDropDownStyle, 0,
                  ddDropDown, GetDropDownStyle(), Ordinal, true)
TS_DB_CELL_MEMBER(TtsDrawOption, StretchPicture, GetCellStretchPicture, GetCellStretchPicture, prPicture, 1,
                  dopDefault, StretchPicture, Ordinal, true)
TS_DB_CELL_MEMBER(TtsDrawOption, ShrinkPicture, GetCellShrinkPicture, GetCellShrinkPicture, prPicture, 2, dopDefault,
                  ShrinkPicture, Ordinal, true)
TS_DB_CELL_MEMBER(TtsDrawOption, CenterPicture, GetCellCenterPicture, GetCellCenterPicture, prPicture, 3, dopDefault,
                  CenterPicture, Ordinal, true)
TS_DB_CELL_MEMBER(TtsDrawOption, KeepAspectRatio, GetCellKeepAspectRatio, GetCellKeepAspectRatio, prPicture, 4,
                  dopDefault, KeepAspectRatio, Ordinal, true)
TS_DB_CELL_MEMBER(TtsDateTimeDefComponent*, DateTimeDef, GetCellDateTimeDef, GetCellDateTimeDef, prDateTime, 0,
                  nullptr, GetDateTimeDef(), ObjectToVariant, false)
TS_DB_CELL_LINE(TtsButtonType, GetCellButtonType, ButtonType, btDefault)
TS_DB_CELL_GET(TtsButtonType, ButtonType, GetCellButtonType, btDefault, ButtonType)
TS_DB_CELL_LINE(TtsCombo*, GetCellCombo, Combo, nullptr)
TS_DB_CELL_GET(TtsCombo*, Combo, GetCellCombo, nullptr, GetCombo())
TS_DB_CELL_LINE(bool, GetCellParentFont, ParentFont, true)
TS_DB_CELL_GET(bool, ParentFont, GetCellParentFont, true, ParentFont)
TS_DB_CELL_GET(bool, ParentCombo, GetCellParentCombo, true, ParentCombo)
TS_DB_CELL_SET(bool, ParentCombo, prParentCombo, 0, BooleanValue, true)
TS_DB_CELL_GET(TtsReadOnly, ReadOnly, GetCellReadOnly, roDefault, CellReadOnly)
TS_DB_CELL_SET(TtsReadOnly, ReadOnly, prCellReadOnly, 0, Ordinal, true)
#undef TS_DB_CELL_MEMBER
#undef TS_DB_CELL_SET
#undef TS_DB_CELL_GET
#undef TS_DB_CELL_LINE

TtsReadOnly TtsCustomDBGrid::IsCellReadOnly(Integer DataCol, Integer Line) {
  if (!FDataBound || Line < 1 || Line > GetGridRowCount()) return inherited::IsCellReadOnly(DataCol, Line);
  return FDataActive && DataCol > 0 ? GetDBCellReadOnly(DataCol, LineDataRow(Line)) : roDefault;
}

String TtsCustomDBGrid::GetCellMaskName(Integer DataCol, Integer Line) {
  if (!FDataBound || Line < 1 || Line > GetGridRowCount()) return inherited::GetCellMaskName(DataCol, Line);
  String name;
  if (FDataActive) GetDBCellMaskName(DataCol, LineDataRow(Line), name);
  return name;
}

void TtsCustomDBGrid::SetDBCellMaskName(Integer DataCol, const Variant& DataRow, const String& Value) {
  if (!FDataBound) return inherited::SetCellMaskName(DataCol, DataRow.ToInteger(), Value);
  SetDBCellProperty(DataCol, DataRow, prMask, 0, Value, true);
}

void TtsCustomDBGrid::GetDBCellMaskName(Integer DataCol, const Variant& DataRow, String& Value) {
  Value = DBCellProperty<String>(
      DataCol, DataRow, String(), [](TtsCustomPropElement* E) { return E->MaskName; },
      [&] { return inherited::GetCellMaskName(DataCol, DataRow.ToInteger()); });
}

void TtsCustomDBGrid::SetDBCellButtonType(Integer DataCol, const Variant& DataRow, TtsButtonType Value) {
  if (!FDataBound) return inherited::SetCellButtonType(DataCol, DataRow.ToInteger(), Value);
  // A drop-down list shows no buttons of its own.
  if (IsComboGrid()) return;
  SetDBCellProperty(DataCol, DataRow, prButtonType, 0, Ordinal(Value), true);
  if (Value == btCombo) CheckComboCreated();
}

void TtsCustomDBGrid::SetDBCellCombo(Integer DataCol, const Variant& DataRow, TtsCombo* Value) {
  if (!FDataBound) return inherited::SetCellCombo(DataCol, DataRow.ToInteger(), Value);
  if (!IsComboGrid()) SetDBCellProperty(DataCol, DataRow, prCombo, 0, ObjectToVariant(Value), true);
}

void TtsCustomDBGrid::SetDBCellParentFont(Integer DataCol, const Variant& DataRow, bool Value) {
  if (!FDataBound) return inherited::SetCellParentFont(DataCol, DataRow.ToInteger(), Value);
  TtsCustomPropElement* element = GetDBCellElement(DataCol, DataRow, true);
  if (Value == (element ? element->ParentFont : true)) return;
  SetDBCellProperty(DataCol, DataRow, prParentFont, 0, Value, true);
  // Leaving the parents keeps the look: the cell takes a copy of the font it shows now.
  SetDBCellFont(DataCol, DataRow, Value ? nullptr : GiveDBCellFont(GetDisplayCol(DataCol), DataRow));
}

void TtsCustomDBGrid::AssignDBCellCombo(Integer DataCol, const Variant& DataRow) {
  if (!FDataBound) return inherited::AssignCellCombo(DataCol, DataRow.ToInteger());
  if (!GetDBCellElement(DataCol, DataRow, true)) SetDBCellProperty(DataCol, DataRow, prParentCombo, 0, false, false);
  if (TtsCustomPropElement* element = GetDBCellElement(DataCol, DataRow, false)) element->AssignCombo();
}

}  // namespace TSDBGrid
