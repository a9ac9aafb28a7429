// The streaming facades of the per-record overrides.
#include "TSDBGridFacades.h"

#include "Graphics.h"
#include "TSDBGrid.h"
#include "TSDBGridPropSets.h"
#include "TSDBGridPropsCommon.h"
#include "TSGridCellSettings.h"
#include "TSGridCombo.h"
#include "TSDateTimeDef.h"
#include "TSGridImpl.h"

namespace TSDBGrid {

IMPLEMENT_CLASS(TtsDBRow)
IMPLEMENT_CLASS(TtsDBCell)

namespace {

// The element's font, made as a copy of the grid's when it has none, so that a stream reader can fill it.
TFont* EnsureFont(TtsCustomPropElement* Element, TtsBaseGrid* Grid) {
  if (!Element->GetFont()) Element->UpdateFont(Grid->GetFont());
  return Element->GetFont();
}

// A value set through a facade: kept in the facade's element (Keep) and marked while reading,
// forwarded to the grid while applying only when marked, forwarded always otherwise.
template <class Keep, class Forward>
void PutValue(TtsCustomDBGrid* Grid, TtsProperties& Marks, TtsProperty Mark, Keep Store, Forward ToGrid) {
  if (Grid->GetReadBoundProps()) {
    Store();
    Marks.Include(Mark);
  } else if (!Grid->GetApplyingBoundProps() || Marks.Contains(Mark)) {
    ToGrid();
  }
}

// The font getter: while reading the element's font, made so that the stream reader can fill it.
template <class Normal>
TFont* FacadeFont(TtsCustomDBGrid* Grid, TtsCustomPropElement* Element, TtsProperties& Marks, Normal FromGrid) {
  if (Grid->GetReadBoundProps()) {
    Marks.Include(prFont);
    return EnsureFont(Element, Grid);
  }
  return Grid->GetApplyingBoundProps() ? Element->GetFont() : FromGrid();
}

template <class Forward>
void PutFont(TtsCustomDBGrid* Grid, TtsCustomPropElement* Element, TtsProperties& Marks, TFont* Value,
             Forward ToGrid) {
  PutValue(
      Grid, Marks, prFont,
      [&] {
        TFont* font = EnsureFont(Element, Grid);
        if (Value) font->Assign(Value);
      },
      ToGrid);
}

template <class Forward>
void PutCombo(TtsCustomDBGrid* Grid, TtsCustomPropElement* Element, TtsProperties& Marks, TtsCombo* Value,
              Forward ToGrid) {
  PutValue(
      Grid, Marks, prCombo,
      [&] {
        Element->AssignCombo();
        if (Value) Element->GetCombo()->Assign(Value);
      },
      ToGrid);
}

}  // namespace

// ---- TtsDBRow -----------------------------------------------------------------------------------------
TtsCustomDBGrid* TtsDBRow::GetDBGrid() const { return static_cast<TtsCustomDBGrid*>(GetGrid()); }

void TtsDBRow::Destroy() {
  FreeAndNil(FElement);
  inherited::Destroy();
}

TtsDBRowElement* TtsDBRow::GetElement() {
  if (!FElement) FElement = New<TtsDBRowElement>(GetGrid(), GetKey());
  return FElement;
}

bool TtsDBRow::Reading() const { return GetDBGrid()->GetReadBoundProps(); }
bool TtsDBRow::Applying() const { return !Reading() && GetDBGrid()->GetApplyingBoundProps(); }

template <class Forward>
void TtsDBRow::Put(TtsProperty Kind, Integer Index, const Variant& Value, Forward ToGrid) {
  PutValue(GetDBGrid(), FAssignedProps, Kind, [&] { GetElement()->SetPropValue(Value, Kind, Index); }, ToGrid);
}

// Getters: the own element while reading or applying, the grid's record otherwise.
#define TS_DB_ROW_GET(Type, Name, Member)                                        \
  Type TtsDBRow::Get##Name() {                                                   \
    if (Reading() || Applying()) return GetElement()->Member;                    \
    return GetDBGrid()->GetDBRow##Name(GetKey());                                \
  }

TS_DB_ROW_GET(bool, Align, Align)
TS_DB_ROW_GET(TAlignment, Alignment, Alignment)
TS_DB_ROW_GET(TSCommon::TtsHorzAlignment, HorzAlignment, HorzAlignment)
TS_DB_ROW_GET(TSCommon::TtsVertAlignment, VertAlignment, VertAlignment)
TS_DB_ROW_GET(TColor, Color, Color)
TS_DB_ROW_GET(TtsCombo*, Combo, GetCombo())
TS_DB_ROW_GET(bool, ParentCombo, ParentCombo)
TS_DB_ROW_GET(bool, Is3D, Is3D)
TS_DB_ROW_GET(bool, ParentFont, ParentFont)
TS_DB_ROW_GET(bool, ReadOnly, ReadOnly)
TS_DB_ROW_GET(TtsWordWrap, WordWrap, WordWrap)
TS_DB_ROW_GET(TtsButtonType, ButtonType, ButtonType)
TS_DB_ROW_GET(TtsDrawOption, StretchPicture, StretchPicture)
TS_DB_ROW_GET(TtsDrawOption, ShrinkPicture, ShrinkPicture)
TS_DB_ROW_GET(TtsDrawOption, CenterPicture, CenterPicture)
TS_DB_ROW_GET(TtsDrawOption, KeepAspectRatio, KeepAspectRatio)
TS_DB_ROW_GET(TtsControlType, ControlType, ControlType)
TS_DB_ROW_GET(TtsSpinOptions, SpinOptions, SpinOptions)
TS_DB_ROW_GET(double, SpinIncrement, SpinIncrement)
TS_DB_ROW_GET(TtsDateTimeDefComponent*, DateTimeDef, GetDateTimeDef())
TS_DB_ROW_GET(TtsDropDownStyle, DropDownStyle, GetDropDownStyle())
#undef TS_DB_ROW_GET

void TtsDBRow::SetAlign(bool Value) {
  Put(prAlign, 0, Value, [&] { GetDBGrid()->SetDBRowAlign(GetKey(), Value); });
}
void TtsDBRow::SetAlignment(TAlignment Value) {
  Put(prAlignment, 0, Ordinal(Value), [&] { GetDBGrid()->SetDBRowAlignment(GetKey(), Value); });
}
void TtsDBRow::SetHorzAlignment(TSCommon::TtsHorzAlignment Value) {
  Put(prHorzAlignment, 0, Ordinal(Value), [&] { GetDBGrid()->SetDBRowHorzAlignment(GetKey(), Value); });
}
void TtsDBRow::SetVertAlignment(TSCommon::TtsVertAlignment Value) {
  Put(prVertAlignment, 0, Ordinal(Value), [&] { GetDBGrid()->SetDBRowVertAlignment(GetKey(), Value); });
}
void TtsDBRow::SetColor(TColor Value) {
  Put(prColor, 0, Integer{Value}, [&] { GetDBGrid()->SetDBRowColor(GetKey(), Value); });
}
void TtsDBRow::SetParentCombo(bool Value) {
  Put(prParentCombo, 0, Value, [&] { GetDBGrid()->SetDBRowParentCombo(GetKey(), Value); });
}
void TtsDBRow::SetIs3D(bool Value) {
  Put(prIs3D, 0, Value, [&] { GetDBGrid()->SetDBRowIs3D(GetKey(), Value); });
}
void TtsDBRow::SetParentFont(bool Value) {
  Put(prParentFont, 0, Value, [&] { GetDBGrid()->SetDBRowParentFont(GetKey(), Value); });
}
void TtsDBRow::SetReadOnly(bool Value) {
  Put(prReadOnly, 0, Value, [&] { GetDBGrid()->SetDBRowReadOnly(GetKey(), Value); });
}
void TtsDBRow::SetWordWrap(TtsWordWrap Value) {
  Put(prWordWrap, 0, Ordinal(Value), [&] { GetDBGrid()->SetDBRowWordWrap(GetKey(), Value); });
}
void TtsDBRow::SetButtonType(TtsButtonType Value) {
  Put(prButtonType, 0, Ordinal(Value), [&] { GetDBGrid()->SetDBRowButtonType(GetKey(), Value); });
}
void TtsDBRow::SetStretchPicture(TtsDrawOption Value) {
  Put(prPicture, 1, Ordinal(Value), [&] { GetDBGrid()->SetDBRowStretchPicture(GetKey(), Value); });
}
void TtsDBRow::SetShrinkPicture(TtsDrawOption Value) {
  Put(prPicture, 2, Ordinal(Value), [&] { GetDBGrid()->SetDBRowShrinkPicture(GetKey(), Value); });
}
void TtsDBRow::SetCenterPicture(TtsDrawOption Value) {
  Put(prPicture, 3, Ordinal(Value), [&] { GetDBGrid()->SetDBRowCenterPicture(GetKey(), Value); });
}
void TtsDBRow::SetKeepAspectRatio(TtsDrawOption Value) {
  Put(prPicture, 4, Ordinal(Value), [&] { GetDBGrid()->SetDBRowKeepAspectRatio(GetKey(), Value); });
}
void TtsDBRow::SetControlType(TtsControlType Value) {
  Put(prControlType, 0, Ordinal(Value), [&] { GetDBGrid()->SetDBRowControlType(GetKey(), Value); });
}
void TtsDBRow::SetSpinOptions(TtsSpinOptions Value) {
  Put(prSpinOptions, 0, SpinBits(Value), [&] { GetDBGrid()->SetDBRowSpinOptions(GetKey(), Value); });
}
void TtsDBRow::SetSpinIncrement(double Value) {
  Put(prSpinIncrement, 0, Value, [&] { GetDBGrid()->SetDBRowSpinIncrement(GetKey(), Value); });
}
void TtsDBRow::SetDateTimeDef(TtsDateTimeDefComponent* Value) {
  Put(prDateTime, 0, ObjectToVariant(Value), [&] { GetDBGrid()->SetDBRowDateTimeDef(GetKey(), Value); });
}
void TtsDBRow::SetDropDownStyle(TtsDropDownStyle Value) {
  Put(prDropDownStyle, 0, Ordinal(Value), [&] { GetDBGrid()->SetDBRowDropDownStyle(GetKey(), Value); });
}

String TtsDBRow::GetMaskName() {
  if (Reading() || Applying()) return GetElement()->MaskName;
  String name;
  GetDBGrid()->GetDBRowMaskName(GetKey(), name);
  return name;
}
void TtsDBRow::SetMaskName(const String& Value) {
  Put(prMask, 0, Value, [&] { GetDBGrid()->SetDBRowMaskName(GetKey(), Value); });
}

TFont* TtsDBRow::GetFont() {
  return FacadeFont(GetDBGrid(), GetElement(), FAssignedProps, [&] { return GetDBGrid()->GetDBRowFont(GetKey()); });
}
void TtsDBRow::SetFont(TFont* Value) {
  PutFont(GetDBGrid(), GetElement(), FAssignedProps, Value, [&] { GetDBGrid()->SetDBRowFont(GetKey(), Value); });
}

void TtsDBRow::SetCombo(TtsCombo* Value) {
  PutCombo(GetDBGrid(), GetElement(), FAssignedProps, Value, [&] { GetDBGrid()->SetDBRowCombo(GetKey(), Value); });
}
void TtsDBRow::AssignCombo() {
  if (Reading()) {
    GetElement()->AssignCombo();
    FAssignedProps.Include(prCombo);
  } else {
    GetDBGrid()->AssignDBRowCombo(GetKey());
  }
}

bool TtsDBRow::GetSelected() {
  if (Reading() || Applying()) return FSelected;
  return GetDBGrid()->GetDBRowSelected(GetKey());
}
void TtsDBRow::SetSelected(bool Value) {
  PutValue(GetDBGrid(), FAssignedProps, prSelected, [&] { FSelected = Value; },
           [&] { GetDBGrid()->SetDBRowSelected(GetKey(), Value); });
}

// Members the stream never sets per record: display place, height and changed mark follow the dataset.
Integer TtsDBRow::GetDisplayRow() { return GetDBGrid()->GetDBDisplayRownr(GetKey()); }
void TtsDBRow::SetDisplayRow(Integer Value) {
  if (!Reading() && !Applying()) GetDBGrid()->SetDBDisplayRownr(GetKey(), Value);
}
Integer TtsDBRow::GetHeight() {
  if (Reading() || Applying()) return GetGrid()->GetDefaultRowHeight();
  return GetDBGrid()->GetDBRowHeight(GetKey());
}
void TtsDBRow::SetHeight(Integer Value) {
  if (!Reading() && !Applying()) GetDBGrid()->SetDBRowHeight(GetKey(), Value);
}
bool TtsDBRow::GetChanged() {
  if (Reading() || Applying()) return false;
  return GetDBGrid()->GetDBRowChanged(GetKey());
}
void TtsDBRow::SetChanged(bool Value) {
  if (!Reading() && !Applying()) GetDBGrid()->SetDBRowChanged(GetKey(), Value);
}
bool TtsDBRow::GetVisible() { return GetDBGrid()->GetDBRowVisible(GetKey()); }
void TtsDBRow::SetVisible(bool Value) { GetDBGrid()->SetDBRowVisible(GetKey(), Value); }
Integer TtsDBRow::GetId() { return GetDBGrid()->GetDBRowId(GetKey()); }
bool TtsDBRow::StoreDisplayRow() { return !GetDBGrid()->GetDataBound(); }
bool TtsDBRow::StoreHeight() { return !GetDBGrid()->GetDataBound(); }

bool TtsDBRow::GetAutoCreateFont() {
  TtsCustomDBGrid* grid = GetDBGrid();
  if (!grid->GetDataBound()) return inherited::GetAutoCreateFont();
  TtsDBRowPropSet* set = grid->GetRowPropSet();
  TtsDBRowElement* element = set->GetCount() ? set->GetRow(GetKey()) : nullptr;
  return element && element->AutoCreateFont;
}
void TtsDBRow::SetAutoCreateFont(bool Value) {
  TtsCustomDBGrid* grid = GetDBGrid();
  if (!grid->GetDataBound()) return inherited::SetAutoCreateFont(Value);
  TtsDBRowPropSet* set = grid->GetRowPropSet();
  TtsCustomPropElement* element = set->GetCount() ? set->GetRow(GetKey()) : nullptr;
  const TVarRec key[1] = {VarRecOfVariant(GetKey())};
  set->SetAutoCreateFont(key, 0, Value, element);
}

void TtsDBRow::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TtsDBRow*>(Source);
  if (!source || !GetDBGrid()->GetDataBound()) {
    inherited::Assign(Source);
    return;
  }
  AssignCellSettings(this, source);
}

// ---- TtsDBCell ----------------------------------------------------------------------------------------
TtsCustomDBGrid* TtsDBCell::GetDBGrid() const { return static_cast<TtsCustomDBGrid*>(GetGrid()); }
void TtsDBCell::SetDBGrid(TtsCustomDBGrid* Value) { SetGrid(Value); }

void TtsDBCell::Destroy() {
  FreeAndNil(FElement);
  inherited::Destroy();
}

TtsDBCellElement* TtsDBCell::GetElement() {
  if (!FElement) FElement = New<TtsDBCellElement>(GetGrid(), GetDataCol(), GetKey());
  return FElement;
}

bool TtsDBCell::Reading() const { return GetDBGrid()->GetReadBoundProps(); }
bool TtsDBCell::Applying() const { return !Reading() && GetDBGrid()->GetApplyingBoundProps(); }

template <class Forward>
void TtsDBCell::Put(TtsProperty Kind, Integer Index, const Variant& Value, Forward ToGrid) {
  PutValue(GetDBGrid(), FAssignedProps, Kind, [&] { GetElement()->SetPropValue(Value, Kind, Index); }, ToGrid);
}

#define TS_DB_CELL_GET(Type, Name, Member)                                       \
  Type TtsDBCell::Get##Name() {                                                  \
    if (Reading() || Applying()) return GetElement()->Member;                    \
    return GetDBGrid()->GetDBCell##Name(GetDataCol(), GetKey());                 \
  }

TS_DB_CELL_GET(TColor, Color, Color)
TS_DB_CELL_GET(TtsControlType, ControlType, ControlType)
TS_DB_CELL_GET(TtsSpinOptions, SpinOptions, SpinOptions)
TS_DB_CELL_GET(double, SpinIncrement, SpinIncrement)
TS_DB_CELL_GET(bool, ParentFont, ParentFont)
TS_DB_CELL_GET(TAlignment, Alignment, Alignment)
TS_DB_CELL_GET(bool, Align, Align)
TS_DB_CELL_GET(TSCommon::TtsHorzAlignment, HorzAlignment, HorzAlignment)
TS_DB_CELL_GET(TSCommon::TtsVertAlignment, VertAlignment, VertAlignment)
TS_DB_CELL_GET(bool, Is3D, Is3D)
TS_DB_CELL_GET(TtsWordWrap, WordWrap, WordWrap)
TS_DB_CELL_GET(TtsButtonType, ButtonType, ButtonType)
TS_DB_CELL_GET(TtsDropDownStyle, DropDownStyle, GetDropDownStyle())
TS_DB_CELL_GET(TtsReadOnly, ReadOnly, CellReadOnly)
TS_DB_CELL_GET(TtsCombo*, Combo, GetCombo())
TS_DB_CELL_GET(bool, ParentCombo, ParentCombo)
TS_DB_CELL_GET(TtsDrawOption, StretchPicture, StretchPicture)
TS_DB_CELL_GET(TtsDrawOption, ShrinkPicture, ShrinkPicture)
TS_DB_CELL_GET(TtsDrawOption, CenterPicture, CenterPicture)
TS_DB_CELL_GET(TtsDrawOption, KeepAspectRatio, KeepAspectRatio)
TS_DB_CELL_GET(TtsDateTimeDefComponent*, DateTimeDef, GetDateTimeDef())
#undef TS_DB_CELL_GET

void TtsDBCell::SetColor(TColor Value) {
  Put(prColor, 0, Integer{Value}, [&] { GetDBGrid()->SetDBCellColor(GetDataCol(), GetKey(), Value); });
}
void TtsDBCell::SetControlType(TtsControlType Value) {
  Put(prControlType, 0, Ordinal(Value), [&] { GetDBGrid()->SetDBCellControlType(GetDataCol(), GetKey(), Value); });
}
void TtsDBCell::SetSpinOptions(TtsSpinOptions Value) {
  Put(prSpinOptions, 0, SpinBits(Value), [&] { GetDBGrid()->SetDBCellSpinOptions(GetDataCol(), GetKey(), Value); });
}
void TtsDBCell::SetSpinIncrement(double Value) {
  Put(prSpinIncrement, 0, Value, [&] { GetDBGrid()->SetDBCellSpinIncrement(GetDataCol(), GetKey(), Value); });
}
void TtsDBCell::SetParentFont(bool Value) {
  Put(prParentFont, 0, Value, [&] { GetDBGrid()->SetDBCellParentFont(GetDataCol(), GetKey(), Value); });
}
void TtsDBCell::SetAlignment(TAlignment Value) {
  Put(prAlignment, 0, Ordinal(Value), [&] { GetDBGrid()->SetDBCellAlignment(GetDataCol(), GetKey(), Value); });
}
void TtsDBCell::SetAlign(bool Value) {
  Put(prAlign, 0, Value, [&] { GetDBGrid()->SetDBCellAlign(GetDataCol(), GetKey(), Value); });
}
void TtsDBCell::SetHorzAlignment(TSCommon::TtsHorzAlignment Value) {
  Put(prHorzAlignment, 0, Ordinal(Value),
      [&] { GetDBGrid()->SetDBCellHorzAlignment(GetDataCol(), GetKey(), Value); });
}
void TtsDBCell::SetVertAlignment(TSCommon::TtsVertAlignment Value) {
  Put(prVertAlignment, 0, Ordinal(Value),
      [&] { GetDBGrid()->SetDBCellVertAlignment(GetDataCol(), GetKey(), Value); });
}
void TtsDBCell::SetIs3D(bool Value) {
  Put(prIs3D, 0, Value, [&] { GetDBGrid()->SetDBCellIs3D(GetDataCol(), GetKey(), Value); });
}
void TtsDBCell::SetWordWrap(TtsWordWrap Value) {
  Put(prWordWrap, 0, Ordinal(Value), [&] { GetDBGrid()->SetDBCellWordWrap(GetDataCol(), GetKey(), Value); });
}
void TtsDBCell::SetButtonType(TtsButtonType Value) {
  Put(prButtonType, 0, Ordinal(Value), [&] { GetDBGrid()->SetDBCellButtonType(GetDataCol(), GetKey(), Value); });
}
void TtsDBCell::SetDropDownStyle(TtsDropDownStyle Value) {
  Put(prDropDownStyle, 0, Ordinal(Value),
      [&] { GetDBGrid()->SetDBCellDropDownStyle(GetDataCol(), GetKey(), Value); });
}
void TtsDBCell::SetReadOnly(TtsReadOnly Value) {
  // A cell keeps its three-state read-only member; the mark is the one the row facade uses.
  PutValue(GetDBGrid(), FAssignedProps, prReadOnly, [&] { GetElement()->CellReadOnly = Value; },
           [&] { GetDBGrid()->SetDBCellReadOnly(GetDataCol(), GetKey(), Value); });
}
void TtsDBCell::SetParentCombo(bool Value) {
  Put(prParentCombo, 0, Value, [&] { GetDBGrid()->SetDBCellParentCombo(GetDataCol(), GetKey(), Value); });
}
void TtsDBCell::SetStretchPicture(TtsDrawOption Value) {
  Put(prPicture, 1, Ordinal(Value), [&] { GetDBGrid()->SetDBCellStretchPicture(GetDataCol(), GetKey(), Value); });
}
void TtsDBCell::SetShrinkPicture(TtsDrawOption Value) {
  Put(prPicture, 2, Ordinal(Value), [&] { GetDBGrid()->SetDBCellShrinkPicture(GetDataCol(), GetKey(), Value); });
}
void TtsDBCell::SetCenterPicture(TtsDrawOption Value) {
  Put(prPicture, 3, Ordinal(Value), [&] { GetDBGrid()->SetDBCellCenterPicture(GetDataCol(), GetKey(), Value); });
}
void TtsDBCell::SetKeepAspectRatio(TtsDrawOption Value) {
  Put(prPicture, 4, Ordinal(Value),
      [&] { GetDBGrid()->SetDBCellKeepAspectRatio(GetDataCol(), GetKey(), Value); });
}
void TtsDBCell::SetDateTimeDef(TtsDateTimeDefComponent* Value) {
  Put(prDateTime, 0, ObjectToVariant(Value), [&] { GetDBGrid()->SetDBCellDateTimeDef(GetDataCol(), GetKey(), Value); });
}

String TtsDBCell::GetMaskName() {
  if (Reading() || Applying()) return GetElement()->MaskName;
  String name;
  GetDBGrid()->GetDBCellMaskName(GetDataCol(), GetKey(), name);
  return name;
}
void TtsDBCell::SetMaskName(const String& Value) {
  Put(prMask, 0, Value, [&] { GetDBGrid()->SetDBCellMaskName(GetDataCol(), GetKey(), Value); });
}

TFont* TtsDBCell::GetFont() {
  return FacadeFont(GetDBGrid(), GetElement(), FAssignedProps,
                    [&] { return GetDBGrid()->GetDBCellFont(GetDataCol(), GetKey()); });
}
void TtsDBCell::SetFont(TFont* Value) {
  PutFont(GetDBGrid(), GetElement(), FAssignedProps, Value,
          [&] { GetDBGrid()->SetDBCellFont(GetDataCol(), GetKey(), Value); });
}

void TtsDBCell::SetCombo(TtsCombo* Value) {
  PutCombo(GetDBGrid(), GetElement(), FAssignedProps, Value,
           [&] { GetDBGrid()->SetDBCellCombo(GetDataCol(), GetKey(), Value); });
}
void TtsDBCell::AssignCombo() {
  if (Reading()) {
    GetElement()->AssignCombo();
    FAssignedProps.Include(prCombo);
  } else {
    GetDBGrid()->AssignDBCellCombo(GetDataCol(), GetKey());
  }
}

bool TtsDBCell::GetAutoCreateFont() {
  TtsCustomDBGrid* grid = GetDBGrid();
  if (!grid->GetDataBound()) return inherited::GetAutoCreateFont();
  TtsDBCellPropSet* set = grid->GetCellPropSet();
  TtsDBCellElement* element = set->GetCount() ? set->GetCell(GetDataCol(), GetKey()) : nullptr;
  return element && element->AutoCreateFont;
}
void TtsDBCell::SetAutoCreateFont(bool Value) {
  TtsCustomDBGrid* grid = GetDBGrid();
  if (!grid->GetDataBound()) return inherited::SetAutoCreateFont(Value);
  TtsDBCellPropSet* set = grid->GetCellPropSet();
  TtsCustomPropElement* element = set->GetCount() ? set->GetCell(GetDataCol(), GetKey()) : nullptr;
  const TVarRec key[2] = {GetDataCol(), VarRecOfVariant(GetKey())};
  set->SetAutoCreateFont(key, 1, Value, element);
}

}  // namespace TSDBGrid
