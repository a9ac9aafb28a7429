// The data controller's messages, read from the data string table with LoadResString.
#pragma once

#include "ResStrings.h"

namespace cxDataConsts {

extern const TResStringRec cxSDataReadError;
extern const TResStringRec cxSDataWriteError;
extern const TResStringRec cxSDataItemExistError;
extern const TResStringRec cxSDataRecordIndexError;
extern const TResStringRec cxSDataItemIndexError;
extern const TResStringRec cxSDataProviderModeError;
extern const TResStringRec cxSDataInvalidStreamFormat;
extern const TResStringRec cxSDataRowIndexError;
extern const TResStringRec cxSDataCustomDataSourceInvalidCompare;
extern const TResStringRec cxSDBDetailFilterControllerNotFound;
extern const TResStringRec cxSDBNotInGridMode;
extern const TResStringRec cxSDBKeyFieldNotFound;

}  // namespace cxDataConsts

using namespace cxDataConsts;
