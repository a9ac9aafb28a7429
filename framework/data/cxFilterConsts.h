// The texts of the filter: operator names, the words joining conditions and the captions of the
// filter drop-down's special values. Read them with cxSFilterString, which lets the application
// replace any of them.
#pragma once

#include "ResStrings.h"

namespace cxFilterConsts {

extern const TResStringRec cxSFilterOperatorEqual;
extern const TResStringRec cxSFilterOperatorNotEqual;
extern const TResStringRec cxSFilterOperatorLess;
extern const TResStringRec cxSFilterOperatorLessEqual;
extern const TResStringRec cxSFilterOperatorGreater;
extern const TResStringRec cxSFilterOperatorGreaterEqual;
extern const TResStringRec cxSFilterOperatorLike;
extern const TResStringRec cxSFilterOperatorNotLike;
extern const TResStringRec cxSFilterOperatorBetween;
extern const TResStringRec cxSFilterOperatorNotBetween;
extern const TResStringRec cxSFilterOperatorInList;
extern const TResStringRec cxSFilterOperatorNotInList;
extern const TResStringRec cxSFilterOperatorYesterday;
extern const TResStringRec cxSFilterOperatorToday;
extern const TResStringRec cxSFilterOperatorTomorrow;
extern const TResStringRec cxSFilterOperatorLast7Days;
extern const TResStringRec cxSFilterOperatorLastWeek;
extern const TResStringRec cxSFilterOperatorLast14Days;
extern const TResStringRec cxSFilterOperatorLastTwoWeeks;
extern const TResStringRec cxSFilterOperatorLast30Days;
extern const TResStringRec cxSFilterOperatorLastMonth;
extern const TResStringRec cxSFilterOperatorLastYear;
extern const TResStringRec cxSFilterOperatorPast;
extern const TResStringRec cxSFilterOperatorThisWeek;
extern const TResStringRec cxSFilterOperatorThisMonth;
extern const TResStringRec cxSFilterOperatorThisYear;
extern const TResStringRec cxSFilterOperatorNext7Days;
extern const TResStringRec cxSFilterOperatorNextWeek;
extern const TResStringRec cxSFilterOperatorNext14Days;
extern const TResStringRec cxSFilterOperatorNextTwoWeeks;
extern const TResStringRec cxSFilterOperatorNext30Days;
extern const TResStringRec cxSFilterOperatorNextMonth;
extern const TResStringRec cxSFilterOperatorNextYear;
extern const TResStringRec cxSFilterOperatorFuture;
extern const TResStringRec cxSFilterAndCaption;
extern const TResStringRec cxSFilterOrCaption;
extern const TResStringRec cxSFilterNotCaption;
extern const TResStringRec cxSFilterBlankCaption;
extern const TResStringRec cxSFilterOperatorIsNull;
extern const TResStringRec cxSFilterOperatorIsNotNull;
extern const TResStringRec cxSFilterOperatorBeginsWith;
extern const TResStringRec cxSFilterOperatorDoesNotBeginWith;
extern const TResStringRec cxSFilterOperatorEndsWith;
extern const TResStringRec cxSFilterOperatorDoesNotEndWith;
extern const TResStringRec cxSFilterOperatorContains;
extern const TResStringRec cxSFilterOperatorDoesNotContain;
extern const TResStringRec cxSFilterBoxAllCaption;
extern const TResStringRec cxSFilterBoxCustomCaption;
extern const TResStringRec cxSFilterBoxBlanksCaption;
extern const TResStringRec cxSFilterBoxNonBlanksCaption;

// The application's replacement texts: when set, asked for every string instead of the table.
using TcxFilterGetResourceStringFunc = String (*)(PResStringRec AResString);
extern TcxFilterGetResourceStringFunc cxFilterGetResourceStringFunc;

String cxSFilterString(PResStringRec AResString);

}  // namespace cxFilterConsts

using namespace cxFilterConsts;
