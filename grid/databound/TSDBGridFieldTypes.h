// The vocabulary of the data-bound grid's field side, light enough for the grid's class head: how
// the columns follow the dataset's fields and which column settings the user set himself.
#pragma once

#include "ClassTypes.h"
#include "System.h"
#include "TypeInfoBase.h"

namespace TSDBGrid {

class TtsCustomDBGrid;
class TtsDBField;
class TtsFieldList;
class TtsDBCol;
class TtsDBGridCols;
class TtsFieldLayout;

// fsDefault: one column per dataset field, made and matched by the grid; fsCustomized: the columns
// are the user's and name their fields.
PUBLISHED_ENUM(TtsFieldState, fsDefault, fsCustomized)

// The column settings that no longer follow the bound field; streamed as one byte, bit i for member i.
enum TtsAssignedValue { avAlignment, avWidth, avVisible, avMaxLength, avControlType, avAllowGrayed };
using TtsAssignedValues = TSet<TtsAssignedValue, 8>;

}  // namespace TSDBGrid
