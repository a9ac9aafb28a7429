#include "cxPCConsts.h"

#include "Resources.h"

namespace cxPCConsts {

const TResStringRec scxPCImageListIndexError = {&HInstance, 65106};
const TResStringRec scxPCNoBaseImages = {&HInstance, 65107};
const TResStringRec scxPCNoRegisteredStyles = {&HInstance, 65108};
const TResStringRec scxPCPageIndexError = {&HInstance, 65109};
const TResStringRec scxPCPainterClassError = {&HInstance, 65110};
const TResStringRec scxPCStandardStyleError = {&HInstance, 65111};
const TResStringRec scxPCStyleNameError = {&HInstance, 65112};
const TResStringRec scxPCTabCountEqualsZero = {&HInstance, 65113};
const TResStringRec scxPCTabIndexError = {&HInstance, 65114};
const TResStringRec scxPCTabVisibleIndexOutsOfBounds = {&HInstance, 65115};
const TResStringRec scxPCVisibleTabListEmpty = {&HInstance, 65116};
const TResStringRec scxPCAllowRotateError = {&HInstance, 65117};

}  // namespace cxPCConsts
