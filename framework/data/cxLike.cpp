#include "cxLike.h"

namespace cxLike {

// Greedy matching with one back-track point: the last percent seen. When a later literal part
// fails, that percent absorbs one more text character and the part is tried again. Any earlier
// percent never needs revisiting, because a later percent can absorb whatever it would have, so
// the result is that of the full search and the work is bounded by text length times pattern length.
bool LikeStr(const String& AStr, const String& APattern, Char APercent, Char AUnderscore) {
  const size_t n = AStr.size(), m = APattern.size();
  size_t s = 0, p = 0;
  size_t starP = String::npos, starS = 0;
  while (s < n) {
    if (p < m && APattern[p] == APercent) {
      starP = p++;
      starS = s;
    } else if (p < m && (APattern[p] == AUnderscore || APattern[p] == AStr[s])) {
      ++p;
      ++s;
    } else if (starP != String::npos) {
      p = starP + 1;
      s = ++starS;
    } else {
      return false;
    }
  }
  while (p < m && APattern[p] == APercent) ++p;
  return p == m;
}

TcxFilterLikeOperator LikeOperatorByPattern(String& APattern, Char APercent) {
  String collapsed;
  collapsed.reserve(APattern.size());
  for (Char c : APattern)
    if (!(c == APercent && !collapsed.empty() && collapsed.back() == APercent)) collapsed.push_back(c);
  APattern = collapsed;
  if (APattern.size() < 2) return floLike;
  const bool leading = APattern.front() == APercent;
  const bool trailing = APattern.back() == APercent;
  if (leading) APattern.erase(0, 1);
  if (trailing) APattern.pop_back();
  if (leading && trailing) return floContains;
  if (leading) return floEndsWith;
  if (trailing) return floBeginsWith;
  return floLike;
}

}  // namespace cxLike
