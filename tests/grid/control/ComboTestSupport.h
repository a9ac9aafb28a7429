// What the combo tests share: a column's own combo holding a list of texts.
#pragma once

#include <vector>

#include "TSGrid.h"

namespace GridControlTest {

// The column's combo (made when it has none, with a combo button), its list holding Rows.
inline TtsCombo* ColumnCombo(TtsBaseGrid* Grid, Integer Col, const std::vector<String>& Rows = {}) {
  TtsCol* col = Grid->GetCols()->GetItem(Col);
  col->SetButtonType(btCombo);
  col->AssignCombo();
  TtsBaseGrid* list = col->GetCombo()->GetGrid();
  list->SetStoreData(true);
  list->SetGridRowCount(static_cast<Integer>(Rows.size()));
  for (size_t i = 0; i < Rows.size(); ++i) list->SetCellValue(1, static_cast<Integer>(i) + 1, Variant(Rows[i]));
  return col->GetCombo();
}

}  // namespace GridControlTest
