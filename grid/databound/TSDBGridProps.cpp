// Per-record row and cell overrides of the bound grid: the grid's operations.
#include "TSDBGridBase.h"
#include "TSDBGridFacades.h"
#include "TSDBGridPropSets.h"

namespace TSDBGrid {

Integer TtsCustomDBGrid::GetCellTextWidth(Integer DataCol, Integer DataRow) { return inherited::GetCellTextWidth(DataCol, DataRow); }
Variant TtsCustomDBGrid::GetCellValue(Integer DataCol, Integer DataRow) { return inherited::GetCellValue(DataCol, DataRow); }
void TtsCustomDBGrid::GetTextSize(Integer DataCol, const Variant& DataRow, Integer& Lines, Integer& Height) { inherited::GetTextSize(DataCol, DataRow, Lines, Height); }
void TtsCustomDBGrid::CheckSetMask(Integer DataCol, const Variant& DataRow) { inherited::CheckSetMask(DataCol, DataRow); }
void TtsCustomDBGrid::SetControlProperties(TtsCustomGridControl* Control) { inherited::SetControlProperties(Control); }

}  // namespace TSDBGrid
