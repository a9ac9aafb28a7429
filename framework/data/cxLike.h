// LIKE matching for the filter operators: a text against a pattern with a "percent" wildcard (any
// run of characters, the empty one included) and an "underscore" wildcard (exactly one character),
// and the recognition of the pattern shapes shown as "begins with", "ends with" and "contains".
#pragma once

#include "System.h"

namespace cxLike {

enum TcxFilterLikeOperator { floLike, floBeginsWith, floEndsWith, floContains };

// Byte-exact (case-sensitive) match of the whole of AStr against APattern. Runs in time
// proportional to the product of the lengths at worst, whatever the number of wildcards.
bool LikeStr(const String& AStr, const String& APattern, Char APercent, Char AUnderscore);

// Collapses runs of APercent, then strips a leading and a trailing APercent from APattern and
// answers the shape they stood for (floLike when neither, or when the pattern is shorter than 2).
TcxFilterLikeOperator LikeOperatorByPattern(String& APattern, Char APercent);

}  // namespace cxLike

using namespace cxLike;
