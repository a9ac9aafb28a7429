#include "cxFilterConsts.h"

#include "Resources.h"

namespace cxFilterConsts {

const TResStringRec cxSFilterOperatorEqual = {&HInstance, 65476};
const TResStringRec cxSFilterOperatorNotEqual = {&HInstance, 65477};
const TResStringRec cxSFilterOperatorLess = {&HInstance, 65478};
const TResStringRec cxSFilterOperatorLessEqual = {&HInstance, 65479};
const TResStringRec cxSFilterOperatorGreater = {&HInstance, 65480};
const TResStringRec cxSFilterOperatorGreaterEqual = {&HInstance, 65481};
const TResStringRec cxSFilterOperatorLike = {&HInstance, 65482};
const TResStringRec cxSFilterOperatorNotLike = {&HInstance, 65483};
const TResStringRec cxSFilterOperatorBetween = {&HInstance, 65484};
const TResStringRec cxSFilterOperatorNotBetween = {&HInstance, 65485};
const TResStringRec cxSFilterOperatorInList = {&HInstance, 65486};
const TResStringRec cxSFilterOperatorNotInList = {&HInstance, 65487};
const TResStringRec cxSFilterOperatorYesterday = {&HInstance, 65456};
const TResStringRec cxSFilterOperatorToday = {&HInstance, 65457};
const TResStringRec cxSFilterOperatorTomorrow = {&HInstance, 65458};
const TResStringRec cxSFilterOperatorLast7Days = {&HInstance, 65459};
const TResStringRec cxSFilterOperatorLastWeek = {&HInstance, 65460};
const TResStringRec cxSFilterOperatorLast14Days = {&HInstance, 65461};
const TResStringRec cxSFilterOperatorLastTwoWeeks = {&HInstance, 65462};
const TResStringRec cxSFilterOperatorLast30Days = {&HInstance, 65463};
const TResStringRec cxSFilterOperatorLastMonth = {&HInstance, 65464};
const TResStringRec cxSFilterOperatorLastYear = {&HInstance, 65465};
const TResStringRec cxSFilterOperatorPast = {&HInstance, 65466};
const TResStringRec cxSFilterOperatorThisWeek = {&HInstance, 65467};
const TResStringRec cxSFilterOperatorThisMonth = {&HInstance, 65468};
const TResStringRec cxSFilterOperatorThisYear = {&HInstance, 65469};
const TResStringRec cxSFilterOperatorNext7Days = {&HInstance, 65470};
const TResStringRec cxSFilterOperatorNextWeek = {&HInstance, 65471};
const TResStringRec cxSFilterOperatorNext14Days = {&HInstance, 65440};
const TResStringRec cxSFilterOperatorNextTwoWeeks = {&HInstance, 65441};
const TResStringRec cxSFilterOperatorNext30Days = {&HInstance, 65442};
const TResStringRec cxSFilterOperatorNextMonth = {&HInstance, 65443};
const TResStringRec cxSFilterOperatorNextYear = {&HInstance, 65444};
const TResStringRec cxSFilterOperatorFuture = {&HInstance, 65445};
const TResStringRec cxSFilterAndCaption = {&HInstance, 65446};
const TResStringRec cxSFilterOrCaption = {&HInstance, 65447};
const TResStringRec cxSFilterNotCaption = {&HInstance, 65448};
const TResStringRec cxSFilterBlankCaption = {&HInstance, 65449};
const TResStringRec cxSFilterOperatorIsNull = {&HInstance, 65450};
const TResStringRec cxSFilterOperatorIsNotNull = {&HInstance, 65451};
const TResStringRec cxSFilterOperatorBeginsWith = {&HInstance, 65452};
const TResStringRec cxSFilterOperatorDoesNotBeginWith = {&HInstance, 65453};
const TResStringRec cxSFilterOperatorEndsWith = {&HInstance, 65454};
const TResStringRec cxSFilterOperatorDoesNotEndWith = {&HInstance, 65455};
const TResStringRec cxSFilterOperatorContains = {&HInstance, 65424};
const TResStringRec cxSFilterOperatorDoesNotContain = {&HInstance, 65425};
const TResStringRec cxSFilterBoxAllCaption = {&HInstance, 65426};
const TResStringRec cxSFilterBoxCustomCaption = {&HInstance, 65427};
const TResStringRec cxSFilterBoxBlanksCaption = {&HInstance, 65428};
const TResStringRec cxSFilterBoxNonBlanksCaption = {&HInstance, 65429};

TcxFilterGetResourceStringFunc cxFilterGetResourceStringFunc = nullptr;

String cxSFilterString(PResStringRec AResString) {
  if (cxFilterGetResourceStringFunc) return cxFilterGetResourceStringFunc(AResString);
  return LoadResString(AResString);
}

}  // namespace cxFilterConsts
