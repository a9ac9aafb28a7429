// The streaming facades of the per-record overrides.
#include "TSDBGridBase.h"
#include "TSDBGridFacades.h"
#include "TSDBGridPropSets.h"

namespace TSDBGrid {

IMPLEMENT_CLASS(TtsDBRow)
IMPLEMENT_CLASS(TtsDBCell)

void TtsDBRow::Assign(TPersistent* Source) { inherited::Assign(Source); }
bool TtsDBRow::GetAlign() { return inherited::GetAlign(); }
void TtsDBRow::SetAlign(bool Value) { inherited::SetAlign(Value); }
TAlignment TtsDBRow::GetAlignment() { return inherited::GetAlignment(); }
void TtsDBRow::SetAlignment(TAlignment Value) { inherited::SetAlignment(Value); }
TSCommon::TtsHorzAlignment TtsDBRow::GetHorzAlignment() { return inherited::GetHorzAlignment(); }
void TtsDBRow::SetHorzAlignment(TSCommon::TtsHorzAlignment Value) { inherited::SetHorzAlignment(Value); }
TSCommon::TtsVertAlignment TtsDBRow::GetVertAlignment() { return inherited::GetVertAlignment(); }
void TtsDBRow::SetVertAlignment(TSCommon::TtsVertAlignment Value) { inherited::SetVertAlignment(Value); }
bool TtsDBRow::GetChanged() { return inherited::GetChanged(); }
void TtsDBRow::SetChanged(bool Value) { inherited::SetChanged(Value); }
TColor TtsDBRow::GetColor() { return inherited::GetColor(); }
void TtsDBRow::SetColor(TColor Value) { inherited::SetColor(Value); }
Integer TtsDBRow::GetDisplayRow() { return inherited::GetDisplayRow(); }
void TtsDBRow::SetDisplayRow(Integer Value) { inherited::SetDisplayRow(Value); }
TFont* TtsDBRow::GetFont() { return inherited::GetFont(); }
void TtsDBRow::SetFont(TFont* Value) { inherited::SetFont(Value); }
TtsCombo* TtsDBRow::GetCombo() { return inherited::GetCombo(); }
void TtsDBRow::SetCombo(TtsCombo* Value) { inherited::SetCombo(Value); }
bool TtsDBRow::GetParentCombo() { return inherited::GetParentCombo(); }
void TtsDBRow::SetParentCombo(bool Value) { inherited::SetParentCombo(Value); }
void TtsDBRow::AssignCombo() { inherited::AssignCombo(); }
Integer TtsDBRow::GetHeight() { return inherited::GetHeight(); }
void TtsDBRow::SetHeight(Integer Value) { inherited::SetHeight(Value); }
bool TtsDBRow::GetIs3D() { return inherited::GetIs3D(); }
void TtsDBRow::SetIs3D(bool Value) { inherited::SetIs3D(Value); }
String TtsDBRow::GetMaskName() { return inherited::GetMaskName(); }
void TtsDBRow::SetMaskName(const String& Value) { inherited::SetMaskName(Value); }
bool TtsDBRow::GetParentFont() { return inherited::GetParentFont(); }
void TtsDBRow::SetParentFont(bool Value) { inherited::SetParentFont(Value); }
bool TtsDBRow::GetReadOnly() { return inherited::GetReadOnly(); }
void TtsDBRow::SetReadOnly(bool Value) { inherited::SetReadOnly(Value); }
bool TtsDBRow::GetSelected() { return inherited::GetSelected(); }
void TtsDBRow::SetSelected(bool Value) { inherited::SetSelected(Value); }
bool TtsDBRow::GetVisible() { return inherited::GetVisible(); }
void TtsDBRow::SetVisible(bool Value) { inherited::SetVisible(Value); }
TtsWordWrap TtsDBRow::GetWordWrap() { return inherited::GetWordWrap(); }
void TtsDBRow::SetWordWrap(TtsWordWrap Value) { inherited::SetWordWrap(Value); }
TtsButtonType TtsDBRow::GetButtonType() { return inherited::GetButtonType(); }
void TtsDBRow::SetButtonType(TtsButtonType Value) { inherited::SetButtonType(Value); }
bool TtsDBRow::GetAutoCreateFont() { return inherited::GetAutoCreateFont(); }
void TtsDBRow::SetAutoCreateFont(bool Value) { inherited::SetAutoCreateFont(Value); }
Integer TtsDBRow::GetId() { return inherited::GetId(); }
TtsDrawOption TtsDBRow::GetStretchPicture() { return inherited::GetStretchPicture(); }
void TtsDBRow::SetStretchPicture(TtsDrawOption Value) { inherited::SetStretchPicture(Value); }
TtsDrawOption TtsDBRow::GetShrinkPicture() { return inherited::GetShrinkPicture(); }
void TtsDBRow::SetShrinkPicture(TtsDrawOption Value) { inherited::SetShrinkPicture(Value); }
TtsDrawOption TtsDBRow::GetCenterPicture() { return inherited::GetCenterPicture(); }
void TtsDBRow::SetCenterPicture(TtsDrawOption Value) { inherited::SetCenterPicture(Value); }
TtsDrawOption TtsDBRow::GetKeepAspectRatio() { return inherited::GetKeepAspectRatio(); }
void TtsDBRow::SetKeepAspectRatio(TtsDrawOption Value) { inherited::SetKeepAspectRatio(Value); }
TtsControlType TtsDBRow::GetControlType() { return inherited::GetControlType(); }
void TtsDBRow::SetControlType(TtsControlType Value) { inherited::SetControlType(Value); }
TtsSpinOptions TtsDBRow::GetSpinOptions() { return inherited::GetSpinOptions(); }
void TtsDBRow::SetSpinOptions(TtsSpinOptions Value) { inherited::SetSpinOptions(Value); }
double TtsDBRow::GetSpinIncrement() { return inherited::GetSpinIncrement(); }
void TtsDBRow::SetSpinIncrement(double Value) { inherited::SetSpinIncrement(Value); }
TtsDateTimeDefComponent* TtsDBRow::GetDateTimeDef() { return inherited::GetDateTimeDef(); }
void TtsDBRow::SetDateTimeDef(TtsDateTimeDefComponent* Value) { inherited::SetDateTimeDef(Value); }
TtsDropDownStyle TtsDBRow::GetDropDownStyle() { return inherited::GetDropDownStyle(); }
void TtsDBRow::SetDropDownStyle(TtsDropDownStyle Value) { inherited::SetDropDownStyle(Value); }
bool TtsDBRow::StoreDisplayRow() { return inherited::StoreDisplayRow(); }
bool TtsDBRow::StoreHeight() { return inherited::StoreHeight(); }

TColor TtsDBCell::GetColor() { return inherited::GetColor(); }
void TtsDBCell::SetColor(TColor Value) { inherited::SetColor(Value); }
TtsControlType TtsDBCell::GetControlType() { return inherited::GetControlType(); }
void TtsDBCell::SetControlType(TtsControlType Value) { inherited::SetControlType(Value); }
TtsSpinOptions TtsDBCell::GetSpinOptions() { return inherited::GetSpinOptions(); }
void TtsDBCell::SetSpinOptions(TtsSpinOptions Value) { inherited::SetSpinOptions(Value); }
double TtsDBCell::GetSpinIncrement() { return inherited::GetSpinIncrement(); }
void TtsDBCell::SetSpinIncrement(double Value) { inherited::SetSpinIncrement(Value); }
TFont* TtsDBCell::GetFont() { return inherited::GetFont(); }
void TtsDBCell::SetFont(TFont* Value) { inherited::SetFont(Value); }
bool TtsDBCell::GetParentFont() { return inherited::GetParentFont(); }
void TtsDBCell::SetParentFont(bool Value) { inherited::SetParentFont(Value); }
TAlignment TtsDBCell::GetAlignment() { return inherited::GetAlignment(); }
void TtsDBCell::SetAlignment(TAlignment Value) { inherited::SetAlignment(Value); }
bool TtsDBCell::GetAlign() { return inherited::GetAlign(); }
void TtsDBCell::SetAlign(bool Value) { inherited::SetAlign(Value); }
TSCommon::TtsHorzAlignment TtsDBCell::GetHorzAlignment() { return inherited::GetHorzAlignment(); }
void TtsDBCell::SetHorzAlignment(TSCommon::TtsHorzAlignment Value) { inherited::SetHorzAlignment(Value); }
TSCommon::TtsVertAlignment TtsDBCell::GetVertAlignment() { return inherited::GetVertAlignment(); }
void TtsDBCell::SetVertAlignment(TSCommon::TtsVertAlignment Value) { inherited::SetVertAlignment(Value); }
bool TtsDBCell::GetIs3D() { return inherited::GetIs3D(); }
void TtsDBCell::SetIs3D(bool Value) { inherited::SetIs3D(Value); }
TtsWordWrap TtsDBCell::GetWordWrap() { return inherited::GetWordWrap(); }
void TtsDBCell::SetWordWrap(TtsWordWrap Value) { inherited::SetWordWrap(Value); }
TtsButtonType TtsDBCell::GetButtonType() { return inherited::GetButtonType(); }
void TtsDBCell::SetButtonType(TtsButtonType Value) { inherited::SetButtonType(Value); }
TtsDropDownStyle TtsDBCell::GetDropDownStyle() { return inherited::GetDropDownStyle(); }
void TtsDBCell::SetDropDownStyle(TtsDropDownStyle Value) { inherited::SetDropDownStyle(Value); }
TtsReadOnly TtsDBCell::GetReadOnly() { return inherited::GetReadOnly(); }
void TtsDBCell::SetReadOnly(TtsReadOnly Value) { inherited::SetReadOnly(Value); }
String TtsDBCell::GetMaskName() { return inherited::GetMaskName(); }
void TtsDBCell::SetMaskName(const String& Value) { inherited::SetMaskName(Value); }
bool TtsDBCell::GetAutoCreateFont() { return inherited::GetAutoCreateFont(); }
void TtsDBCell::SetAutoCreateFont(bool Value) { inherited::SetAutoCreateFont(Value); }
TtsCombo* TtsDBCell::GetCombo() { return inherited::GetCombo(); }
void TtsDBCell::SetCombo(TtsCombo* Value) { inherited::SetCombo(Value); }
void TtsDBCell::AssignCombo() { inherited::AssignCombo(); }
bool TtsDBCell::GetParentCombo() { return inherited::GetParentCombo(); }
void TtsDBCell::SetParentCombo(bool Value) { inherited::SetParentCombo(Value); }
TtsDrawOption TtsDBCell::GetStretchPicture() { return inherited::GetStretchPicture(); }
void TtsDBCell::SetStretchPicture(TtsDrawOption Value) { inherited::SetStretchPicture(Value); }
TtsDrawOption TtsDBCell::GetShrinkPicture() { return inherited::GetShrinkPicture(); }
void TtsDBCell::SetShrinkPicture(TtsDrawOption Value) { inherited::SetShrinkPicture(Value); }
TtsDrawOption TtsDBCell::GetCenterPicture() { return inherited::GetCenterPicture(); }
void TtsDBCell::SetCenterPicture(TtsDrawOption Value) { inherited::SetCenterPicture(Value); }
TtsDrawOption TtsDBCell::GetKeepAspectRatio() { return inherited::GetKeepAspectRatio(); }
void TtsDBCell::SetKeepAspectRatio(TtsDrawOption Value) { inherited::SetKeepAspectRatio(Value); }
TtsDateTimeDefComponent* TtsDBCell::GetDateTimeDef() { return inherited::GetDateTimeDef(); }
void TtsDBCell::SetDateTimeDef(TtsDateTimeDefComponent* Value) { inherited::SetDateTimeDef(Value); }

void TtsDBRow::Destroy() {
  FreeAndNil(FElement);
  inherited::Destroy();
}

TtsDBRowElement* TtsDBRow::GetElement() {
  if (!FElement) FElement = New<TtsDBRowElement>(GetGrid(), GetKey());
  return FElement;
}

void TtsDBCell::Destroy() {
  FreeAndNil(FElement);
  inherited::Destroy();
}

TtsDBCellElement* TtsDBCell::GetElement() {
  if (!FElement) FElement = New<TtsDBCellElement>(GetGrid(), GetDataCol(), GetKey());
  return FElement;
}

TtsCustomDBGrid* TtsDBRow::GetDBGrid() const { return static_cast<TtsCustomDBGrid*>(GetGrid()); }
TtsCustomDBGrid* TtsDBCell::GetDBGrid() const { return static_cast<TtsCustomDBGrid*>(GetGrid()); }
void TtsDBCell::SetDBGrid(TtsCustomDBGrid* Value) { SetGrid(Value); }

}  // namespace TSDBGrid
