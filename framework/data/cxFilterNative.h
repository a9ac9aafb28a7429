// A leaf of the filter criteria evaluated over the records' stored numbers and texts without a
// Variant per record: the leaf's prepared value is taken apart once into the native form of the
// records' type, for the operators whose outcome on such values the Variant comparison fixes
// (=, <>, <, <=, >, >=, BETWEEN, IN and their negations, LIKE). Where the Variant rules would
// convert a text to a number, meet an array or a custom type, or raise, there is no native form and
// the leaf goes the Variant way.
#pragma once

#include <vector>

#include "Variants.h"

namespace cxFilter {

class TcxFilterOperator;

class TcxNativeFilterLeaf {
 public:
  // Takes apart the prepared value W of a leaf with operator AOperator for non-Null record values
  // of AType (varInteger, varInt64, varDouble, varDate, varCurrency or varString); false when there
  // is no native form.
  bool Prepare(TcxFilterOperator* AOperator, const Variant& W, TVarType AType, bool ACaseInsensitive);
  // The operator's answer for the non-Null record value at P (a String for texts).
  bool Evaluate(const void* P) const;

  TVarType Type = varEmpty;  // what the leaf was prepared for
  Int64 PreparedAt = -1;
  bool Valid = false;

 private:
  enum TKind { nkEqual, nkLess, nkLessEqual, nkGreater, nkGreaterEqual, nkBetween, nkInList, nkLike };
  // A bound or list element: Null, a whole number, a real (a date too) or a text.
  struct TOperand {
    enum { okNull, okWhole, okReal, okText } Kind = okNull;
    Int64 Whole = 0;
    double Real = 0;
    String Text;
  };
  bool TakeOperand(const Variant& AValue);
  int CompareWith(const void* P, const String* AUpper, const TOperand& W) const;  // the value against W
  bool Equal(const void* P, const String* AUpper, const TOperand& W) const;
  bool Less(const void* P, const String* AUpper, const TOperand& W) const;     // value < W
  bool Greater(const void* P, const String* AUpper, const TOperand& W) const;  // W < value

  TKind FKind = nkEqual;
  bool FNot = false;
  bool FCaseInsensitive = false;
  std::vector<TOperand> FOperands;
  String FPattern;
  Char FPercent = '%';
  Char FUnderscore = '_';
};

}  // namespace cxFilter
