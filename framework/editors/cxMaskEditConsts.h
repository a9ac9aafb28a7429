// The messages of the mask editor and of its regular-expression compiler. Read them with
// cxGetResourceString, which lets the application replace any of them.
#pragma once

#include "ResStrings.h"

namespace cxMaskEditConsts {

extern const TResStringRec cxSEditRegExprMissing;
extern const TResStringRec cxSEditRegExprUnnecessary;
extern const TResStringRec cxSEditRegExprSpaceAfterBackslash;
extern const TResStringRec cxSEditRegExprNotCompiled;
extern const TResStringRec cxSEditRegExprIncorrectParameterQuantifier;
extern const TResStringRec cxSEditRegExprCannotApplyParameterQuantifier;
extern const TResStringRec cxSEditRegExprErrors;
extern const TResStringRec cxSEditMaskInvalidEditValue;
extern const TResStringRec cxSEditRegExprChar;
extern const TResStringRec cxSEditRegExprStreamNotAssigned;
extern const TResStringRec cxSEditRegExprStreamEmpty;
extern const TResStringRec cxSEditRegExprCannotApplyPlus;
extern const TResStringRec cxSEditRegExprCannotApplyStar;
extern const TResStringRec cxSEditRegExprEmptyAlternative;
extern const TResStringRec cxSEditRegExprEmptyBlock;
extern const TResStringRec cxSEditRegExprIllegal;
extern const TResStringRec cxSEditRegExprIllegalQuantifier;
extern const TResStringRec cxSEditRegExprIllegalIntegerValue;
extern const TResStringRec cxSEditRegExprTooBigReferenceNumber;
extern const TResStringRec cxSEditRegExprEmptyEnumeration;
extern const TResStringRec cxSEditRegExprSubrangeOrder;
extern const TResStringRec cxSEditRegExprHexNumberExpected;
extern const TResStringRec cxSEditRegExprHexNumberExpectedButFound;
extern const TResStringRec cxSEditRegExprLine;

}  // namespace cxMaskEditConsts

using namespace cxMaskEditConsts;
