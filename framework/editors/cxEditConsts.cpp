#include "cxEditConsts.h"

#include "Resources.h"

namespace cxEditConsts {

const TResStringRec cxSEditInvalidRepositoryItem = {&HInstance, 65433};
const TResStringRec cxSEditValidateErrorText = {&HInstance, 65438};
const TResStringRec cxSEditNumericValueConvertError = {&HInstance, 65436};
const TResStringRec cxSEditValueOutOfBounds = {&HInstance, 65437};

const TResStringRec cxSEditPopupCircularReferencingError = {&HInstance, 65435};
const TResStringRec scxSEditRepositoryComboBoxItem = {&HInstance, 65360};
const TResStringRec scxSEditRepositoryMaskItem = {&HInstance, 65367};
const TResStringRec scxSEditRepositoryPopupItem = {&HInstance, 65370};
const TResStringRec scxSEditRepositoryTextItem = {&HInstance, 65373};
const TResStringRec scxSEditRepositoryCheckBoxItem = {&HInstance, 65391};
const TResStringRec cxSEditCheckBoxChecked = {&HInstance, 65408};
const TResStringRec cxSEditCheckBoxGrayed = {&HInstance, 65409};
const TResStringRec cxSEditCheckBoxUnchecked = {&HInstance, 65410};

}  // namespace cxEditConsts
