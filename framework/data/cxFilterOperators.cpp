#include <cmath>

#include "DateTime.h"
#include "FmtBcd.h"
#include "SqlTimSt.h"
#include "Strings.h"
#include "cxDataUtils.h"
#include "cxFilter.h"
#include "cxFilterConsts.h"
#include "cxLike.h"
#include "cxVariants.h"

namespace cxFilter {

bool cxFilterIncludeTodayInLastNextDaysList = true;

namespace {

Integer Compare(const Variant& A, const Variant& B) {
  // The Variant comparison proper: conversion errors reach the criteria, which decide what they mean.
  if (A == B) return 0;
  return A < B ? -1 : 1;
}

void CheckArray(const Variant& AValue) {
  if (!VarIsArray(AValue)) throw EVariantNotAnArrayError("Variant is not an array");
}

Variant ArrayElement(const Variant& AValue, Integer AOffset) {
  return VarArrayGet(AValue, {VarArrayLowBound(AValue, 1) + AOffset});
}

Integer ArrayCount(const Variant& AValue) {
  return VarArrayHighBound(AValue, 1) - VarArrayLowBound(AValue, 1) + 1;
}

String Str(const TResStringRec& AResString) { return cxSFilterString(&AResString); }

}  // namespace

// ---- Kind to class -------------------------------------------------------------------------------------

TClass FilterOperatorClass(TcxFilterOperatorKind AKind) {
  static const TClass classes[] = {
      TcxFilterEqualOperator::StaticClass(),        TcxFilterNotEqualOperator::StaticClass(),
      TcxFilterLessOperator::StaticClass(),         TcxFilterLessEqualOperator::StaticClass(),
      TcxFilterGreaterOperator::StaticClass(),      TcxFilterGreaterEqualOperator::StaticClass(),
      TcxFilterLikeOperator::StaticClass(),         TcxFilterNotLikeOperator::StaticClass(),
      TcxFilterBetweenOperator::StaticClass(),      TcxFilterNotBetweenOperator::StaticClass(),
      TcxFilterInListOperator::StaticClass(),       TcxFilterNotInListOperator::StaticClass(),
      TcxFilterYesterdayOperator::StaticClass(),    TcxFilterTodayOperator::StaticClass(),
      TcxFilterTomorrowOperator::StaticClass(),     TcxFilterLast7DaysOperator::StaticClass(),
      TcxFilterLastWeekOperator::StaticClass(),     TcxFilterLast14DaysOperator::StaticClass(),
      TcxFilterLastTwoWeeksOperator::StaticClass(), TcxFilterLast30DaysOperator::StaticClass(),
      TcxFilterLastMonthOperator::StaticClass(),    TcxFilterLastYearOperator::StaticClass(),
      TcxFilterInPastOperator::StaticClass(),       TcxFilterThisWeekOperator::StaticClass(),
      TcxFilterThisMonthOperator::StaticClass(),    TcxFilterThisYearOperator::StaticClass(),
      TcxFilterNext7DaysOperator::StaticClass(),    TcxFilterNextWeekOperator::StaticClass(),
      TcxFilterNext14DaysOperator::StaticClass(),   TcxFilterNextTwoWeeksOperator::StaticClass(),
      TcxFilterNext30DaysOperator::StaticClass(),   TcxFilterNextMonthOperator::StaticClass(),
      TcxFilterNextYearOperator::StaticClass(),     TcxFilterInFutureOperator::StaticClass(),
  };
  const auto index = static_cast<size_t>(AKind);
  return index < std::size(classes) ? classes[index] : TcxFilterEqualOperator::StaticClass();
}

TClass FilterNullOperatorClass(bool ANot) {
  return ANot ? TcxFilterNotNullOperator::StaticClass() : TcxFilterNullOperator::StaticClass();
}

// ---- Display-value helpers ------------------------------------------------------------------------------

String FilterValueToText(const Variant& AValue) {
  if (VarIsNull(AValue)) return Str(cxSFilterBlankCaption);
  return VarToStr(AValue);
}

String ExtractFilterDisplayValue(const String& AText, Integer& APos) {
  const size_t start = APos > 0 ? static_cast<size_t>(APos - 1) : 0;
  if (start >= AText.size()) {
    APos = static_cast<Integer>(AText.size()) + 1;
    return String();
  }
  size_t end = AText.find(';', start);
  if (end == String::npos) end = AText.size();
  APos = static_cast<Integer>(end) + 2;
  return Trim(AText.substr(start, end - start));
}

String VarBetweenArrayToStr(const Variant& AValue) {
  return FilterValueToText(ArrayElement(AValue, 0)) + " " + Str(cxSFilterAndCaption) + " " +
         FilterValueToText(ArrayElement(AValue, 1));
}

String VarListArrayToStr(const Variant& AValue) {
  String result = "(";
  for (Integer i = 0; i < ArrayCount(AValue); ++i) {
    if (i > 0) result += ", ";
    result += FilterValueToText(ArrayElement(AValue, i));
  }
  return result + ")";
}

// ---- Base ----------------------------------------------------------------------------------------------

IMPLEMENT_ABSTRACT_CLASS(TcxFilterOperator)

TcxFilterCriteria* TcxFilterOperator::GetCriteria() const {
  return FCriteriaItem ? FCriteriaItem->GetCriteria() : nullptr;
}

String TcxFilterOperator::FieldName() const { return FCriteriaItem ? FCriteriaItem->GetFieldName() : String(); }

String TcxFilterOperator::GetExpressionFilterText(const Variant& AValue) { return GetExpressionValue(AValue); }

String TcxFilterOperator::GetExpressionValue(const Variant& AValue) {
  String text;
  if (!PrepareExpressionValue(AValue, text)) {
    TcxFilterCriteria* criteria = GetCriteria();
    const TVarType type = VarType(AValue) & varTypeMask;
    if (VarIsStr(AValue))
      text = QuotedStr(VarToStr(AValue));
    else if (type == varDate || type == VarSQLTimeStamp())
      text = "'" + (criteria ? criteria->ConvertDateToStr(AValue) : VarToStr(AValue)) + "'";
    else if (type == varBoolean)
      text = criteria ? criteria->ConvertBoolToStr(AValue) : VarToStr(AValue);
    else if (VarIsNull(AValue))
      text = "NULL";
    else
      text = VarToStr(AValue);
  }
  if (TcxFilterCriteria* criteria = GetCriteria()) criteria->FormatFilterTextValue(FCriteriaItem, AValue, text);
  return text;
}

// ---- Comparison operators ------------------------------------------------------------------------------

#define CX_OPERATOR_TEXTS(T, Display, Filter)                \
  IMPLEMENT_CLASS(T)                                         \
  String T::DisplayText() { return Str(Display); }           \
  String T::FilterText() { return Filter; }

CX_OPERATOR_TEXTS(TcxFilterEqualOperator, cxSFilterOperatorEqual, "=")
CX_OPERATOR_TEXTS(TcxFilterNotEqualOperator, cxSFilterOperatorNotEqual, "<>")
CX_OPERATOR_TEXTS(TcxFilterLessOperator, cxSFilterOperatorLess, "<")
CX_OPERATOR_TEXTS(TcxFilterLessEqualOperator, cxSFilterOperatorLessEqual, "<=")
CX_OPERATOR_TEXTS(TcxFilterGreaterOperator, cxSFilterOperatorGreater, ">")
CX_OPERATOR_TEXTS(TcxFilterGreaterEqualOperator, cxSFilterOperatorGreaterEqual, ">=")
CX_OPERATOR_TEXTS(TcxFilterBetweenOperator, cxSFilterOperatorBetween, "BETWEEN")
CX_OPERATOR_TEXTS(TcxFilterNotBetweenOperator, cxSFilterOperatorNotBetween, "NOT BETWEEN")
CX_OPERATOR_TEXTS(TcxFilterInListOperator, cxSFilterOperatorInList, "IN")
CX_OPERATOR_TEXTS(TcxFilterNotInListOperator, cxSFilterOperatorNotInList, "NOT IN")
CX_OPERATOR_TEXTS(TcxFilterNullOperator, cxSFilterOperatorIsNull, "=")
CX_OPERATOR_TEXTS(TcxFilterNotNullOperator, cxSFilterOperatorIsNotNull, "<>")
#undef CX_OPERATOR_TEXTS

bool TcxFilterEqualOperator::CompareValues(const Variant& D, const Variant& W) { return D == W; }
bool TcxFilterNotEqualOperator::CompareValues(const Variant& D, const Variant& W) { return D != W; }
bool TcxFilterLessOperator::CompareValues(const Variant& D, const Variant& W) { return D < W; }
bool TcxFilterLessEqualOperator::CompareValues(const Variant& D, const Variant& W) { return D <= W; }
bool TcxFilterGreaterOperator::CompareValues(const Variant& D, const Variant& W) { return D > W; }
bool TcxFilterGreaterEqualOperator::CompareValues(const Variant& D, const Variant& W) { return D >= W; }

bool TcxFilterEqualOperator::IsExpression() { return FCriteriaItem && VarIsArray(FCriteriaItem->GetValue()); }

String TcxFilterEqualOperator::GetExpressionFilterText(const Variant& AValue) {
  if (!VarIsArray(AValue)) return inherited::GetExpressionFilterText(AValue);
  // Several fields at once: "A;B" with [1, 2] reads (A = 1) AND (B = 2).
  Integer pos = 1;
  const String names = FieldName();
  String result;
  for (Integer i = 0; i < ArrayCount(AValue); ++i) {
    const String name = ExtractFilterDisplayValue(names, pos);
    if (i > 0) result += " AND ";
    result += "(" + name + " = " + GetExpressionValue(ArrayElement(AValue, i)) + ")";
  }
  return result;
}

String TcxFilterNotEqualOperator::GetExpressionFilterText(const Variant& AValue) {
  return "NOT (" + inherited::GetExpressionFilterText(AValue) + ")";
}

// ---- LIKE ----------------------------------------------------------------------------------------------

IMPLEMENT_CLASS(TcxFilterLikeOperator)
IMPLEMENT_CLASS(TcxFilterNotLikeOperator)

bool TcxFilterLikeOperator::CompareValues(const Variant& D, const Variant& W) {
  TcxFilterCriteria* criteria = GetCriteria();
  const Char percent = criteria ? criteria->GetPercentWildcard() : '%';
  const Char underscore = criteria ? criteria->GetUnderscoreWildcard() : '_';
  return LikeStr(VarToStr(D), VarToStr(W), percent, underscore);
}

bool TcxFilterNotLikeOperator::CompareValues(const Variant& D, const Variant& W) {
  return !inherited::CompareValues(D, W);
}

namespace {
cxLike::TcxFilterLikeOperator ShapeOf(TcxFilterOperator* AOperator) {
  TcxFilterCriteriaItem* item = AOperator->GetCriteriaItem();
  if (!item) return floLike;
  String pattern = VarToStr(item->GetValue());
  TcxFilterCriteria* criteria = AOperator->GetCriteria();
  return LikeOperatorByPattern(pattern, criteria ? criteria->GetPercentWildcard() : '%');
}
}  // namespace

String TcxFilterLikeOperator::DisplayText() {
  switch (ShapeOf(this)) {
    case floBeginsWith: return Str(cxSFilterOperatorBeginsWith);
    case floEndsWith: return Str(cxSFilterOperatorEndsWith);
    case floContains: return Str(cxSFilterOperatorContains);
    default: return Str(cxSFilterOperatorLike);
  }
}

String TcxFilterNotLikeOperator::DisplayText() {
  switch (ShapeOf(this)) {
    case floBeginsWith: return Str(cxSFilterOperatorDoesNotBeginWith);
    case floEndsWith: return Str(cxSFilterOperatorDoesNotEndWith);
    case floContains: return Str(cxSFilterOperatorDoesNotContain);
    default: return Str(cxSFilterOperatorNotLike);
  }
}

String TcxFilterLikeOperator::FilterText() { return "LIKE"; }
String TcxFilterNotLikeOperator::FilterText() { return "NOT LIKE"; }

void TcxFilterLikeOperator::PrepareDisplayValue(String& AText) {
  TcxFilterCriteria* criteria = GetCriteria();
  if (criteria && criteria->GetOptions().Contains(fcoShowOperatorDescription))
    LikeOperatorByPattern(AText, criteria->GetPercentWildcard());
}

bool TcxFilterNotLikeOperator::IsExpression() {
  TcxFilterCriteria* criteria = GetCriteria();
  return criteria && criteria->GetTranslateLike();
}

String TcxFilterNotLikeOperator::GetExpressionFilterText(const Variant& AValue) {
  return " NOT (" + FieldName() + " LIKE " + GetExpressionValue(AValue) + ")";
}

// ---- BETWEEN -------------------------------------------------------------------------------------------

namespace {
// The elements of an array value, taken apart again only after the criteria changed (or when
// the operator is used outside criteria).
const std::vector<Variant>& CachedElements(TcxFilterOperator* AOperator, const Variant& AValue,
                                           std::vector<Variant>& AElements, Int64& AAt) {
  TcxFilterCriteria* criteria = AOperator->GetCriteria();
  if (criteria && AAt == criteria->GetChangeCount() && AAt >= 0) return AElements;
  CheckArray(AValue);
  AElements.clear();
  for (Integer i = 0; i < ArrayCount(AValue); ++i) AElements.push_back(ArrayElement(AValue, i));
  AAt = criteria ? criteria->GetChangeCount() : -1;
  return AElements;
}
}  // namespace

const std::vector<Variant>& TcxFilterBetweenOperator::Elements(const Variant& AValue) {
  return CachedElements(this, AValue, FElements, FElementsAt);
}

const std::vector<Variant>& TcxFilterInListOperator::Elements(const Variant& AValue) {
  return CachedElements(this, AValue, FElements, FElementsAt);
}

bool TcxFilterBetweenOperator::CompareValues(const Variant& D, const Variant& W) {
  const std::vector<Variant>& range = Elements(W);
  if (range.size() < 2) throw EVariantNotAnArrayError("The range has fewer than two bounds");
  if (range[0] > D) return false;
  return D <= range[1];
}

bool TcxFilterNotBetweenOperator::CompareValues(const Variant& D, const Variant& W) {
  return !inherited::CompareValues(D, W);
}

bool TcxFilterBetweenOperator::IsExpression() {
  TcxFilterCriteria* criteria = GetCriteria();
  return criteria && criteria->GetTranslateBetween();
}

String TcxFilterBetweenOperator::GetExpressionFilterText(const Variant& AValue) {
  CheckArray(AValue);
  const String name = FieldName();
  return "(" + name + " >= " + GetExpressionValue(ArrayElement(AValue, 0)) + ") AND (" + name +
         " <= " + GetExpressionValue(ArrayElement(AValue, 1)) + ")";
}

String TcxFilterNotBetweenOperator::GetExpressionFilterText(const Variant& AValue) {
  return "NOT (" + inherited::GetExpressionFilterText(AValue) + ")";
}

bool TcxFilterBetweenOperator::PrepareExpressionValue(const Variant& AValue, String& AText) {
  if (!VarIsArray(AValue)) return false;
  AText = GetExpressionValue(ArrayElement(AValue, 0)) + " AND " + GetExpressionValue(ArrayElement(AValue, 1));
  return true;
}

void TcxFilterBetweenOperator::PrepareDisplayValue(String& AText) {
  Integer pos = 1;
  const String first = ExtractFilterDisplayValue(AText, pos);
  const String second = ExtractFilterDisplayValue(AText, pos);
  AText = VarBetweenArrayToStr(VarBetweenArrayCreate(first, second));
}

// ---- IN ------------------------------------------------------------------------------------------------

bool TcxFilterInListOperator::CompareValues(const Variant& D, const Variant& W) {
  for (const Variant& element : Elements(W))
    if (element == D) return true;
  return false;
}

bool TcxFilterNotInListOperator::CompareValues(const Variant& D, const Variant& W) {
  return !inherited::CompareValues(D, W);
}

bool TcxFilterInListOperator::IsExpression() {
  TcxFilterCriteria* criteria = GetCriteria();
  return criteria && criteria->GetTranslateIn();
}

String TcxFilterInListOperator::GetExpressionFilterText(const Variant& AValue) {
  CheckArray(AValue);
  const String name = FieldName();
  String result;
  for (Integer i = 0; i < ArrayCount(AValue); ++i) {
    if (i > 0) result += " OR ";
    result += "(" + name + " = " + GetExpressionValue(ArrayElement(AValue, i)) + ")";
  }
  return result;
}

String TcxFilterNotInListOperator::GetExpressionFilterText(const Variant& AValue) {
  return "NOT (" + inherited::GetExpressionFilterText(AValue) + ")";
}

bool TcxFilterInListOperator::PrepareExpressionValue(const Variant& AValue, String& AText) {
  if (!VarIsArray(AValue)) return false;
  AText = "(";
  for (Integer i = 0; i < ArrayCount(AValue); ++i) {
    if (i > 0) AText += ", ";
    AText += GetExpressionValue(ArrayElement(AValue, i));
  }
  AText += ")";
  return true;
}

void TcxFilterInListOperator::PrepareDisplayValue(String& AText) {
  Integer pos = 1;
  Variant list;
  bool first = true;
  while (pos <= static_cast<Integer>(AText.size())) {
    const String part = ExtractFilterDisplayValue(AText, pos);
    if (first)
      list = VarListArrayCreate(part);
    else
      VarListArrayAddValue(list, part);
    first = false;
  }
  AText = first ? String("()") : VarListArrayToStr(list);
}

// ---- Blank tests ---------------------------------------------------------------------------------------

bool TcxFilterNullOperator::CompareValues(const Variant& D, const Variant&) {
  return FCriteriaItem ? FCriteriaItem->ValueIsNull(D) : VarIsNull(D);
}

bool TcxFilterNotNullOperator::CompareValues(const Variant& D, const Variant& W) {
  return !inherited::CompareValues(D, W);
}

void TcxFilterNullOperator::PrepareDisplayValue(String& AText) {
  TcxFilterCriteria* criteria = GetCriteria();
  if (criteria && criteria->GetOptions().Contains(fcoShowOperatorDescription)) AText.clear();
}

// ---- Dates ---------------------------------------------------------------------------------------------

IMPLEMENT_ABSTRACT_CLASS(TcxFilterDateOperator)
IMPLEMENT_ABSTRACT_CLASS(TcxFilterLastNDaysOperator)
IMPLEMENT_ABSTRACT_CLASS(TcxFilterNextNDaysOperator)
IMPLEMENT_CLASS(TcxFilterYesterdayOperator)
IMPLEMENT_CLASS(TcxFilterTodayOperator)
IMPLEMENT_CLASS(TcxFilterTomorrowOperator)
IMPLEMENT_CLASS(TcxFilterLast7DaysOperator)
IMPLEMENT_CLASS(TcxFilterLastWeekOperator)
IMPLEMENT_CLASS(TcxFilterLast14DaysOperator)
IMPLEMENT_CLASS(TcxFilterLastTwoWeeksOperator)
IMPLEMENT_CLASS(TcxFilterLast30DaysOperator)
IMPLEMENT_CLASS(TcxFilterLastMonthOperator)
IMPLEMENT_CLASS(TcxFilterLastYearOperator)
IMPLEMENT_CLASS(TcxFilterInPastOperator)
IMPLEMENT_CLASS(TcxFilterThisWeekOperator)
IMPLEMENT_CLASS(TcxFilterThisMonthOperator)
IMPLEMENT_CLASS(TcxFilterThisYearOperator)
IMPLEMENT_CLASS(TcxFilterNext7DaysOperator)
IMPLEMENT_CLASS(TcxFilterNextWeekOperator)
IMPLEMENT_CLASS(TcxFilterNext14DaysOperator)
IMPLEMENT_CLASS(TcxFilterNextTwoWeeksOperator)
IMPLEMENT_CLASS(TcxFilterNext30DaysOperator)
IMPLEMENT_CLASS(TcxFilterNextMonthOperator)
IMPLEMENT_CLASS(TcxFilterNextYearOperator)
IMPLEMENT_CLASS(TcxFilterInFutureOperator)

bool TcxFilterDateOperator::CompareValues(const Variant& D, const Variant&) {
  if (FCriteriaItem ? FCriteriaItem->ValueIsNull(D) : VarIsNull(D)) return false;
  return (Date1 == 0 || Compare(D, VarFromDateTime(Date1)) >= 0) &&
         (Date2 == 0 || Compare(D, VarFromDateTime(Date2)) < 0);
}

String TcxFilterDateOperator::GetExpressionFilterText(const Variant&) {
  const String name = FieldName();
  String result;
  if (Date1 != 0) result = "(" + name + " >= " + GetExpressionValue(VarFromDateTime(Date1)) + ")";
  if (Date2 != 0) {
    if (!result.empty()) result += " AND ";
    result += "(" + name + " < " + GetExpressionValue(VarFromDateTime(Date2)) + ")";
  }
  return result;
}

namespace {
TDateTime FirstOfMonth(TDateTime ADate, Integer AMonths) {
  Word y, m, d;
  DecodeDate(ADate, y, m, d);
  Integer month = m - 1 + AMonths;
  Integer year = y + (month >= 0 ? month / 12 : (month - 11) / 12);
  month = ((month % 12) + 12) % 12;
  return EncodeDate(static_cast<Word>(year), static_cast<Word>(month + 1), 1);
}

TDateTime FirstOfYear(TDateTime ADate, Integer AYears) {
  Word y, m, d;
  DecodeDate(ADate, y, m, d);
  return EncodeDate(static_cast<Word>(y + AYears), 1, 1);
}
}  // namespace

void TcxFilterDateOperator::Prepare() {
  const TDateTime T = Date();
  const TDateTime S = GetStartDateOfWeek(T);
  const bool today = cxFilterIncludeTodayInLastNextDaysList;
  const TDateTime lastEnd = today ? T + 1 : T;
  const TDateTime nextStart = today ? T : T + 1;
  switch (Kind()) {
    case foYesterday: Date1 = T - 1; Date2 = T; break;
    case foToday: Date1 = T; Date2 = T + 1; break;
    case foTomorrow: Date1 = T + 1; Date2 = T + 2; break;
    case foLast7Days: Date2 = lastEnd; Date1 = Date2 - 7; break;
    case foLastWeek: Date1 = S - 7; Date2 = S; break;
    case foLast14Days: Date2 = lastEnd; Date1 = Date2 - 14; break;
    case foLastTwoWeeks: Date1 = S - 14; Date2 = S; break;
    case foLast30Days: Date2 = lastEnd; Date1 = Date2 - 30; break;
    case foLastMonth: Date1 = FirstOfMonth(T, -1); Date2 = FirstOfMonth(T, 0); break;
    case foLastYear: Date1 = FirstOfYear(T, -1); Date2 = FirstOfYear(T, 0); break;
    case foInPast: Date1 = 0; Date2 = T; break;
    case foThisWeek: Date1 = S; Date2 = S + 7; break;
    case foThisMonth: Date1 = FirstOfMonth(T, 0); Date2 = FirstOfMonth(T, 1); break;
    case foThisYear: Date1 = FirstOfYear(T, 0); Date2 = FirstOfYear(T, 1); break;
    case foNext7Days: Date1 = nextStart; Date2 = Date1 + 7; break;
    case foNextWeek: Date1 = S + 7; Date2 = S + 14; break;
    case foNext14Days: Date1 = nextStart; Date2 = Date1 + 14; break;
    case foNextTwoWeeks: Date1 = S + 7; Date2 = S + 21; break;
    case foNext30Days: Date1 = nextStart; Date2 = Date1 + 30; break;
    case foNextMonth: Date1 = FirstOfMonth(T, 1); Date2 = FirstOfMonth(T, 2); break;
    case foNextYear: Date1 = FirstOfYear(T, 1); Date2 = FirstOfYear(T, 2); break;
    case foInFuture: Date1 = T + 1; Date2 = 0; break;
    default: break;
  }
}

String TcxFilterDateOperator::DisplayText() {
  static const TResStringRec* const texts[] = {
      &cxSFilterOperatorYesterday,  &cxSFilterOperatorToday,       &cxSFilterOperatorTomorrow,
      &cxSFilterOperatorLast7Days,  &cxSFilterOperatorLastWeek,    &cxSFilterOperatorLast14Days,
      &cxSFilterOperatorLastTwoWeeks, &cxSFilterOperatorLast30Days, &cxSFilterOperatorLastMonth,
      &cxSFilterOperatorLastYear,   &cxSFilterOperatorPast,        &cxSFilterOperatorThisWeek,
      &cxSFilterOperatorThisMonth,  &cxSFilterOperatorThisYear,    &cxSFilterOperatorNext7Days,
      &cxSFilterOperatorNextWeek,   &cxSFilterOperatorNext14Days,  &cxSFilterOperatorNextTwoWeeks,
      &cxSFilterOperatorNext30Days, &cxSFilterOperatorNextMonth,   &cxSFilterOperatorNextYear,
      &cxSFilterOperatorFuture,
  };
  const Integer index = Kind() - foYesterday;
  return index >= 0 && index < static_cast<Integer>(std::size(texts)) ? cxSFilterString(texts[index]) : String();
}

}  // namespace cxFilter
