#include "cxDataConsts.h"

#include "Resources.h"

namespace cxDataConsts {

const TResStringRec cxSDataReadError = {&HInstance, 65496};
const TResStringRec cxSDataWriteError = {&HInstance, 65497};
const TResStringRec cxSDataItemExistError = {&HInstance, 65498};
const TResStringRec cxSDataRecordIndexError = {&HInstance, 65499};
const TResStringRec cxSDataItemIndexError = {&HInstance, 65500};
const TResStringRec cxSDataProviderModeError = {&HInstance, 65501};
const TResStringRec cxSDataInvalidStreamFormat = {&HInstance, 65502};
const TResStringRec cxSDataRowIndexError = {&HInstance, 65503};
const TResStringRec cxSDataCustomDataSourceInvalidCompare = {&HInstance, 65472};
const TResStringRec cxSDBDetailFilterControllerNotFound = {&HInstance, 65473};
const TResStringRec cxSDBNotInGridMode = {&HInstance, 65474};
const TResStringRec cxSDBKeyFieldNotFound = {&HInstance, 65475};

}  // namespace cxDataConsts
