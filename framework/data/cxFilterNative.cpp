#include "cxFilterNative.h"

#include "Strings.h"
#include "cxDataStorage.h"
#include "cxFilter.h"
#include "cxLike.h"

namespace cxFilter {

namespace {

template <class T>
T Load(const void* P) {
  return cxDataStorage::LoadStoredValue<T>(P);
}

template <class T>
int Sign(T A, T B) {
  return (A > B) - (A < B);
}

bool IsWholeType(TVarType AType) { return AType == varInteger || AType == varInt64; }

}  // namespace

bool TcxNativeFilterLeaf::TakeOperand(const Variant& AValue) {
  TOperand& A = FOperands.emplace_back();
  const TVarType T = VarType(AValue);
  if (T == varNull) return true;
  if (Type == varString) {
    if (!VarIsStr(AValue)) return false;
    A.Kind = TOperand::okText;
    A.Text = VarToStr(AValue);
    return true;
  }
  switch (T) {
    case varSmallint: case varInteger: case varShortInt: case varByte: case varWord: case varLongWord: case varInt64:
      A.Kind = TOperand::okWhole;
      A.Whole = AValue.ToInt64();
      return true;
    case varSingle: case varDouble: case varDate:
      A.Kind = TOperand::okReal;
      A.Real = AValue.ToDouble();
      return true;
    default: return false;  // texts, amounts, Booleans, arrays, custom types: the Variant way
  }
}

bool TcxNativeFilterLeaf::Prepare(TcxFilterOperator* AOperator, const Variant& W, TVarType AType, bool ACaseInsensitive) {
  Type = AType;
  Valid = false;
  FOperands.clear();
  FCaseInsensitive = ACaseInsensitive && AType == varString;
  const TClass C = AOperator->ClassType();
  struct TEntry {
    TClass Class;
    TKind Kind;
    bool Not;
  };
  const TEntry AEntries[] = {
      {TcxFilterEqualOperator::StaticClass(), nkEqual, false},     {TcxFilterNotEqualOperator::StaticClass(), nkEqual, true},
      {TcxFilterLessOperator::StaticClass(), nkLess, false},       {TcxFilterLessEqualOperator::StaticClass(), nkLessEqual, false},
      {TcxFilterGreaterOperator::StaticClass(), nkGreater, false}, {TcxFilterGreaterEqualOperator::StaticClass(), nkGreaterEqual, false},
      {TcxFilterBetweenOperator::StaticClass(), nkBetween, false}, {TcxFilterNotBetweenOperator::StaticClass(), nkBetween, true},
      {TcxFilterInListOperator::StaticClass(), nkInList, false},   {TcxFilterNotInListOperator::StaticClass(), nkInList, true},
      {TcxFilterLikeOperator::StaticClass(), nkLike, false},       {TcxFilterNotLikeOperator::StaticClass(), nkLike, true},
  };
  const TEntry* AFound = nullptr;
  for (const TEntry& E : AEntries)
    if (E.Class == C) AFound = &E;
  if (!AFound) return false;
  FKind = AFound->Kind;
  FNot = AFound->Not;
  if (FKind == nkLike) {
    if (AType != varString || VarIsArray(W)) return false;
    TcxFilterCriteria* ACriteria = AOperator->GetCriteria();
    FPercent = ACriteria ? ACriteria->GetPercentWildcard() : '%';
    FUnderscore = ACriteria ? ACriteria->GetUnderscoreWildcard() : '_';
    try {
      FPattern = VarToStr(W);
    } catch (EVariantError&) {
      return false;
    }
    return Valid = true;
  }
  if (FKind == nkBetween || FKind == nkInList) {
    if (!VarIsArray(W)) return false;
    const Integer ALow = VarArrayLowBound(W, 1), AHigh = VarArrayHighBound(W, 1);
    if (FKind == nkBetween && AHigh - ALow < 1) return false;
    for (Integer I = ALow; I <= (FKind == nkBetween ? ALow + 1 : AHigh); ++I)
      if (!TakeOperand(VarArrayGet(W, {I}))) return false;
    return Valid = true;
  }
  if (VarIsArray(W) || !TakeOperand(W)) return false;
  return Valid = true;
}

int TcxNativeFilterLeaf::CompareWith(const void* P, const String* AUpper, const TOperand& W) const {
  if (Type == varString) {
    const int R = (AUpper ? *AUpper : *static_cast<const String*>(P)).compare(W.Text);
    return (R > 0) - (R < 0);
  }
  if (IsWholeType(Type)) {
    const Int64 D = Type == varInteger ? Load<Integer>(P) : Load<Int64>(P);
    return W.Kind == TOperand::okWhole ? Sign(D, W.Whole) : VarCompareReals(static_cast<double>(D), W.Real);
  }
  // An amount reaches the comparison as the real it stands for.
  const double D = Type == varCurrency ? Currency::FromRaw(Load<Int64>(P)).ToDouble() : Load<double>(P);
  return VarCompareReals(D, W.Kind == TOperand::okWhole ? static_cast<double>(W.Whole) : W.Real);
}

// The record's value is never Null here; a Null bound is equal to nothing, orders before everything.
bool TcxNativeFilterLeaf::Equal(const void* P, const String* AUpper, const TOperand& W) const {
  return W.Kind != TOperand::okNull && CompareWith(P, AUpper, W) == 0;
}

bool TcxNativeFilterLeaf::Less(const void* P, const String* AUpper, const TOperand& W) const {
  return W.Kind != TOperand::okNull && CompareWith(P, AUpper, W) < 0;
}

bool TcxNativeFilterLeaf::Greater(const void* P, const String* AUpper, const TOperand& W) const {
  return W.Kind == TOperand::okNull || CompareWith(P, AUpper, W) > 0;
}

bool TcxNativeFilterLeaf::Evaluate(const void* P) const {
  String AUpperText;
  const String* AUpper = nullptr;
  if (FCaseInsensitive) {
    AUpperText = AnsiUpperCase(*static_cast<const String*>(P));
    AUpper = &AUpperText;
  }
  bool R = false;
  switch (FKind) {
    case nkEqual: R = Equal(P, AUpper, FOperands[0]); break;
    case nkLess: R = Less(P, AUpper, FOperands[0]); break;
    case nkLessEqual: R = !Greater(P, AUpper, FOperands[0]); break;
    case nkGreater: R = Greater(P, AUpper, FOperands[0]); break;
    case nkGreaterEqual: R = !Less(P, AUpper, FOperands[0]); break;
    case nkBetween: R = !Less(P, AUpper, FOperands[0]) && !Greater(P, AUpper, FOperands[1]); break;
    case nkInList:
      for (const TOperand& W : FOperands)
        if ((R = Equal(P, AUpper, W))) break;
      break;
    case nkLike:
      R = LikeStr(AUpper ? *AUpper : *static_cast<const String*>(P), FPattern, FPercent, FUnderscore);
      break;
  }
  return R != FNot;
}

}  // namespace cxFilter
