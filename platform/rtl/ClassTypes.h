// Enumerations of the class library shared by its data, control and framework classes.
#pragma once

#include "TypeInfoBase.h"

namespace ClassTypes {

// Horizontal alignment of text in a field, a column or a control.
PUBLISHED_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)

// The three states of a check box, also the value of check-box cells.
PUBLISHED_ENUM(TCheckBoxState, cbUnchecked, cbChecked, cbGrayed)

}  // namespace ClassTypes

using namespace ClassTypes;
