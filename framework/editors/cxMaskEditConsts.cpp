#include "cxMaskEditConsts.h"

#include "Resources.h"

namespace cxMaskEditConsts {

const TResStringRec cxSEditRegExprMissing = {&HInstance, 65328};
const TResStringRec cxSEditRegExprUnnecessary = {&HInstance, 65329};
const TResStringRec cxSEditRegExprSpaceAfterBackslash = {&HInstance, 65330};
const TResStringRec cxSEditRegExprNotCompiled = {&HInstance, 65331};
const TResStringRec cxSEditRegExprIncorrectParameterQuantifier = {&HInstance, 65332};
const TResStringRec cxSEditRegExprCannotApplyParameterQuantifier = {&HInstance, 65333};
const TResStringRec cxSEditRegExprErrors = {&HInstance, 65334};
const TResStringRec cxSEditMaskInvalidEditValue = {&HInstance, 65335};
const TResStringRec cxSEditRegExprChar = {&HInstance, 65344};
const TResStringRec cxSEditRegExprStreamNotAssigned = {&HInstance, 65345};
const TResStringRec cxSEditRegExprStreamEmpty = {&HInstance, 65346};
const TResStringRec cxSEditRegExprCannotApplyPlus = {&HInstance, 65347};
const TResStringRec cxSEditRegExprCannotApplyStar = {&HInstance, 65348};
const TResStringRec cxSEditRegExprEmptyAlternative = {&HInstance, 65349};
const TResStringRec cxSEditRegExprEmptyBlock = {&HInstance, 65350};
const TResStringRec cxSEditRegExprIllegal = {&HInstance, 65351};
const TResStringRec cxSEditRegExprIllegalQuantifier = {&HInstance, 65352};
const TResStringRec cxSEditRegExprIllegalIntegerValue = {&HInstance, 65354};
const TResStringRec cxSEditRegExprTooBigReferenceNumber = {&HInstance, 65355};
const TResStringRec cxSEditRegExprEmptyEnumeration = {&HInstance, 65356};
const TResStringRec cxSEditRegExprSubrangeOrder = {&HInstance, 65357};
const TResStringRec cxSEditRegExprHexNumberExpected = {&HInstance, 65358};
const TResStringRec cxSEditRegExprHexNumberExpectedButFound = {&HInstance, 65359};
const TResStringRec cxSEditRegExprLine = {&HInstance, 65375};

}  // namespace cxMaskEditConsts
