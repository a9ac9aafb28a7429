// The editors' messages and the descriptions under which the editor kinds register their settings
// classes ("name|description"). Read them with cxGetResourceString, which lets the application
// replace any of them.
#pragma once

#include "ResStrings.h"

namespace cxEditConsts {

extern const TResStringRec cxSEditInvalidRepositoryItem;
extern const TResStringRec cxSEditValidateErrorText;
extern const TResStringRec cxSEditNumericValueConvertError;
extern const TResStringRec cxSEditValueOutOfBounds;
extern const TResStringRec cxSEditPopupCircularReferencingError;

extern const TResStringRec scxSEditRepositoryComboBoxItem;
extern const TResStringRec scxSEditRepositoryMaskItem;
extern const TResStringRec scxSEditRepositoryPopupItem;
extern const TResStringRec scxSEditRepositoryTextItem;
extern const TResStringRec scxSEditRepositoryCheckBoxItem;

// What a check box shows for its checked, grayed and unchecked values.
extern const TResStringRec cxSEditCheckBoxChecked;
extern const TResStringRec cxSEditCheckBoxGrayed;
extern const TResStringRec cxSEditCheckBoxUnchecked;

}  // namespace cxEditConsts

using namespace cxEditConsts;
