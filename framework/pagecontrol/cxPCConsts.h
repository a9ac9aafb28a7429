// The page control's messages, read from its string table through cxGetResourceString.
#pragma once

#include "ResStrings.h"

namespace cxPCConsts {

extern const TResStringRec scxPCImageListIndexError;
extern const TResStringRec scxPCNoBaseImages;
extern const TResStringRec scxPCNoRegisteredStyles;
extern const TResStringRec scxPCPageIndexError;
extern const TResStringRec scxPCPainterClassError;
extern const TResStringRec scxPCStandardStyleError;
extern const TResStringRec scxPCStyleNameError;
extern const TResStringRec scxPCTabCountEqualsZero;
extern const TResStringRec scxPCTabIndexError;
extern const TResStringRec scxPCTabVisibleIndexOutsOfBounds;
extern const TResStringRec scxPCVisibleTabListEmpty;
extern const TResStringRec scxPCAllowRotateError;

}  // namespace cxPCConsts

using namespace cxPCConsts;
