// Per-record row and cell overrides of the bound grid: the grid's operations.
#include "TSDBGridBase.h"
#include "TSDBGridFacades.h"
#include "TSDBGridPropSets.h"

namespace TSDBGrid {

TColor TtsCustomDBGrid::GetRowColor(Integer DataRow) { return inherited::GetRowColor(DataRow); }
TFont* TtsCustomDBGrid::GetRowFont(Integer DataRow) { return inherited::GetRowFont(DataRow); }
bool TtsCustomDBGrid::GetRowParentFont(Integer DataRow) { return inherited::GetRowParentFont(DataRow); }
Integer TtsCustomDBGrid::GetRowHeight(Integer DataRow) { return inherited::GetRowHeight(DataRow); }
bool TtsCustomDBGrid::IsRowVisible(Integer DataRow) { return inherited::IsRowVisible(DataRow); }
TAlignment TtsCustomDBGrid::GetRowAlignment(Integer DataRow) { return inherited::GetRowAlignment(DataRow); }
bool TtsCustomDBGrid::GetRowAlign(Integer DataRow) { return inherited::GetRowAlign(DataRow); }
TSCommon::TtsHorzAlignment TtsCustomDBGrid::GetRowHorzAlignment(Integer DataRow) { return inherited::GetRowHorzAlignment(DataRow); }
TSCommon::TtsVertAlignment TtsCustomDBGrid::GetRowVertAlignment(Integer DataRow) { return inherited::GetRowVertAlignment(DataRow); }
TtsButtonType TtsCustomDBGrid::GetRowButtonType(Integer DataRow) { return inherited::GetRowButtonType(DataRow); }
TtsWordWrap TtsCustomDBGrid::GetRowWordWrap(Integer DataRow) { return inherited::GetRowWordWrap(DataRow); }
bool TtsCustomDBGrid::IsRowReadOnly(Integer DataRow) { return inherited::IsRowReadOnly(DataRow); }
bool TtsCustomDBGrid::GetRowIs3D(Integer DataRow) { return inherited::GetRowIs3D(DataRow); }
TtsCombo* TtsCustomDBGrid::GetRowCombo(Integer DataRow) { return inherited::GetRowCombo(DataRow); }
TtsDrawOption TtsCustomDBGrid::GetRowStretchPicture(Integer DataRow) { return inherited::GetRowStretchPicture(DataRow); }
TtsDrawOption TtsCustomDBGrid::GetRowShrinkPicture(Integer DataRow) { return inherited::GetRowShrinkPicture(DataRow); }
TtsDrawOption TtsCustomDBGrid::GetRowCenterPicture(Integer DataRow) { return inherited::GetRowCenterPicture(DataRow); }
TtsDrawOption TtsCustomDBGrid::GetRowKeepAspectRatio(Integer DataRow) { return inherited::GetRowKeepAspectRatio(DataRow); }
TtsControlType TtsCustomDBGrid::GetRowControlType(Integer DataRow) { return inherited::GetRowControlType(DataRow); }
TtsSpinOptions TtsCustomDBGrid::GetRowSpinOptions(Integer DataRow) { return inherited::GetRowSpinOptions(DataRow); }
double TtsCustomDBGrid::GetRowSpinIncrement(Integer DataRow) { return inherited::GetRowSpinIncrement(DataRow); }
TtsDateTimeDefComponent* TtsCustomDBGrid::GetRowDateTimeDef(Integer DataRow) { return inherited::GetRowDateTimeDef(DataRow); }
TtsDropDownStyle TtsCustomDBGrid::GetRowDropDownStyle(Integer DataRow) { return inherited::GetRowDropDownStyle(DataRow); }
bool TtsCustomDBGrid::IsRowChanged(Integer DataRow) { return inherited::IsRowChanged(DataRow); }
bool TtsCustomDBGrid::IsRowSelected(Integer DataRow) { return inherited::IsRowSelected(DataRow); }
TtsControlType TtsCustomDBGrid::GetCellControlType(Integer DataCol, Integer DataRow) { return inherited::GetCellControlType(DataCol, DataRow); }
TtsSpinOptions TtsCustomDBGrid::GetCellSpinOptions(Integer DataCol, Integer DataRow) { return inherited::GetCellSpinOptions(DataCol, DataRow); }
double TtsCustomDBGrid::GetCellSpinIncrement(Integer DataCol, Integer DataRow) { return inherited::GetCellSpinIncrement(DataCol, DataRow); }
Integer TtsCustomDBGrid::GetCellTag(Integer DataCol, Integer DataRow) { return inherited::GetCellTag(DataCol, DataRow); }
void* TtsCustomDBGrid::GetCellData(Integer DataCol, Integer DataRow) { return inherited::GetCellData(DataCol, DataRow); }
TColor TtsCustomDBGrid::GetCellColor(Integer DataCol, Integer DataRow) { return inherited::GetCellColor(DataCol, DataRow); }
TFont* TtsCustomDBGrid::GetCellFont(Integer DataCol, Integer DataRow) { return inherited::GetCellFont(DataCol, DataRow); }
bool TtsCustomDBGrid::GetCellParentFont(Integer DataCol, Integer DataRow) { return inherited::GetCellParentFont(DataCol, DataRow); }
TAlignment TtsCustomDBGrid::GetCellAlignment(Integer DataCol, Integer DataRow) { return inherited::GetCellAlignment(DataCol, DataRow); }
bool TtsCustomDBGrid::GetCellAlign(Integer DataCol, Integer DataRow) { return inherited::GetCellAlign(DataCol, DataRow); }
TSCommon::TtsHorzAlignment TtsCustomDBGrid::GetCellHorzAlignment(Integer DataCol, Integer DataRow) { return inherited::GetCellHorzAlignment(DataCol, DataRow); }
TSCommon::TtsVertAlignment TtsCustomDBGrid::GetCellVertAlignment(Integer DataCol, Integer DataRow) { return inherited::GetCellVertAlignment(DataCol, DataRow); }
bool TtsCustomDBGrid::GetCellIs3D(Integer DataCol, Integer DataRow) { return inherited::GetCellIs3D(DataCol, DataRow); }
TtsReadOnly TtsCustomDBGrid::IsCellReadOnly(Integer DataCol, Integer DataRow) { return inherited::IsCellReadOnly(DataCol, DataRow); }
TtsWordWrap TtsCustomDBGrid::GetCellWordWrap(Integer DataCol, Integer DataRow) { return inherited::GetCellWordWrap(DataCol, DataRow); }
TtsButtonType TtsCustomDBGrid::GetCellButtonType(Integer DataCol, Integer DataRow) { return inherited::GetCellButtonType(DataCol, DataRow); }
TtsDropDownStyle TtsCustomDBGrid::GetCellDropDownStyle(Integer DataCol, Integer DataRow) { return inherited::GetCellDropDownStyle(DataCol, DataRow); }
Integer TtsCustomDBGrid::GetCellTextWidth(Integer DataCol, Integer DataRow) { return inherited::GetCellTextWidth(DataCol, DataRow); }
String TtsCustomDBGrid::GetCellMaskName(Integer DataCol, Integer DataRow) { return inherited::GetCellMaskName(DataCol, DataRow); }
TtsCombo* TtsCustomDBGrid::GetCellCombo(Integer DataCol, Integer DataRow) { return inherited::GetCellCombo(DataCol, DataRow); }
TtsDrawOption TtsCustomDBGrid::GetCellStretchPicture(Integer DataCol, Integer DataRow) { return inherited::GetCellStretchPicture(DataCol, DataRow); }
TtsDrawOption TtsCustomDBGrid::GetCellShrinkPicture(Integer DataCol, Integer DataRow) { return inherited::GetCellShrinkPicture(DataCol, DataRow); }
TtsDrawOption TtsCustomDBGrid::GetCellCenterPicture(Integer DataCol, Integer DataRow) { return inherited::GetCellCenterPicture(DataCol, DataRow); }
TtsDrawOption TtsCustomDBGrid::GetCellKeepAspectRatio(Integer DataCol, Integer DataRow) { return inherited::GetCellKeepAspectRatio(DataCol, DataRow); }
TtsDateTimeDefComponent* TtsCustomDBGrid::GetCellDateTimeDef(Integer DataCol, Integer DataRow) { return inherited::GetCellDateTimeDef(DataCol, DataRow); }
Variant TtsCustomDBGrid::GetCellValue(Integer DataCol, Integer DataRow) { return inherited::GetCellValue(DataCol, DataRow); }
void TtsCustomDBGrid::GetTextSize(Integer DataCol, const Variant& DataRow, Integer& Lines, Integer& Height) { inherited::GetTextSize(DataCol, DataRow, Lines, Height); }
void TtsCustomDBGrid::CheckSetMask(Integer DataCol, const Variant& DataRow) { inherited::CheckSetMask(DataCol, DataRow); }
void TtsCustomDBGrid::SetControlProperties(TtsCustomGridControl* Control) { inherited::SetControlProperties(Control); }
TtsControlType TtsCustomDBGrid::ActiveControlType(Integer DataCol, const Variant& DataRow) { return inherited::ActiveControlType(DataCol, DataRow); }
TtsCombo* TtsCustomDBGrid::ActiveCombo(Integer DataCol, const Variant& DataRow) { return inherited::ActiveCombo(DataCol, DataRow); }
String TtsCustomDBGrid::CurCellMaskName() { return inherited::CurCellMaskName(); }
TtsControlType TtsCustomDBGrid::CurCellControlType() { return inherited::CurCellControlType(); }
bool TtsCustomDBGrid::CurCellReadOnly() { return inherited::CurCellReadOnly(); }
bool TtsCustomDBGrid::CurCellSelected() { return inherited::CurCellSelected(); }
String TtsCustomDBGrid::CurCellCheckBoxValues() { return inherited::CurCellCheckBoxValues(); }
bool TtsCustomDBGrid::CanDrawInsert() { return inherited::CanDrawInsert(); }
bool TtsCustomDBGrid::ButtonsActive() { return inherited::ButtonsActive(); }

}  // namespace TSDBGrid
