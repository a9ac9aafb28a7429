// The operators of the filter criteria's leaves (part of the unit cxFilter): whether a record's
// value satisfies the leaf, the operator's names for display and for the filter expression, and
// the expression text of a value. One class per operator kind, the blank tests used for equality
// and LIKE with a null value, and the date operators, whose range is computed from today's date
// each time the criteria prepare for filtering.
#pragma once

#include <vector>

#include "Variants.h"

namespace cxFilter {

enum TcxFilterOperatorKind {
  foEqual, foNotEqual, foLess, foLessEqual, foGreater, foGreaterEqual, foLike, foNotLike, foBetween,
  foNotBetween, foInList, foNotInList, foYesterday, foToday, foTomorrow, foLast7Days, foLastWeek,
  foLast14Days, foLastTwoWeeks, foLast30Days, foLastMonth, foLastYear, foInPast, foThisWeek,
  foThisMonth, foThisYear, foNext7Days, foNextWeek, foNext14Days, foNextTwoWeeks, foNext30Days,
  foNextMonth, foNextYear, foInFuture
};

class TcxFilterCriteria;
class TcxFilterCriteriaItem;

// Whether the last and next N days include today (default true).
extern bool cxFilterIncludeTodayInLastNextDaysList;

class TcxFilterOperator : public TObject {
  DECLARE_CLASS(TcxFilterOperator, TObject)
 public:
  explicit TcxFilterOperator(TcxFilterCriteriaItem* ACriteriaItem = nullptr) : FCriteriaItem(ACriteriaItem) {}

  virtual String GetExpressionFilterText(const Variant& AValue);
  virtual String GetExpressionValue(const Variant& AValue);
  virtual void PrepareDisplayValue(String& AText) {}
  virtual void Prepare() {}
  virtual bool PrepareExpressionValue(const Variant& AValue, String& AText) { return false; }
  // AValue1: the record's prepared value; AValue2: the leaf's prepared value.
  virtual bool CompareValues(const Variant& AValue1, const Variant& AValue2) = 0;
  virtual String DisplayText() { return FilterText(); }
  virtual String FilterText() = 0;
  virtual bool IsDescription() { return false; }
  virtual bool IsExpression() { return false; }
  virtual bool IsNullOperator() { return false; }

  TcxFilterCriteriaItem* GetCriteriaItem() const { return FCriteriaItem; }
  TcxFilterCriteria* GetCriteria() const;

 protected:
  friend class TcxFilterCriteriaItem;
  String FieldName() const;
  TcxFilterCriteriaItem* FCriteriaItem;
};

#define CX_FILTER_OPERATOR(T, Base)        \
  class T : public Base {                  \
    DECLARE_CLASS(T, Base)                 \
   public:                                 \
    using Base::Base;                      \
    bool CompareValues(const Variant& AValue1, const Variant& AValue2) override; \
    String DisplayText() override;         \
    String FilterText() override;

CX_FILTER_OPERATOR(TcxFilterEqualOperator, TcxFilterOperator)
  bool IsExpression() override;
  String GetExpressionFilterText(const Variant& AValue) override;
};
CX_FILTER_OPERATOR(TcxFilterNotEqualOperator, TcxFilterEqualOperator)
  String GetExpressionFilterText(const Variant& AValue) override;
};
CX_FILTER_OPERATOR(TcxFilterLessOperator, TcxFilterOperator)
};
CX_FILTER_OPERATOR(TcxFilterLessEqualOperator, TcxFilterOperator)
};
CX_FILTER_OPERATOR(TcxFilterGreaterOperator, TcxFilterOperator)
};
CX_FILTER_OPERATOR(TcxFilterGreaterEqualOperator, TcxFilterOperator)
};
CX_FILTER_OPERATOR(TcxFilterLikeOperator, TcxFilterOperator)
  void PrepareDisplayValue(String& AText) override;
};
CX_FILTER_OPERATOR(TcxFilterNotLikeOperator, TcxFilterLikeOperator)
  bool IsExpression() override;
  String GetExpressionFilterText(const Variant& AValue) override;
};
CX_FILTER_OPERATOR(TcxFilterBetweenOperator, TcxFilterOperator)
  bool IsDescription() override { return true; }
 protected:
  const std::vector<Variant>& Elements(const Variant& AValue);
  std::vector<Variant> FElements;  // the leaf's array, taken apart once per change of the criteria
  Int64 FElementsAt = -1;
 public:
  bool IsExpression() override;
  String GetExpressionFilterText(const Variant& AValue) override;
  bool PrepareExpressionValue(const Variant& AValue, String& AText) override;
  void PrepareDisplayValue(String& AText) override;
};
CX_FILTER_OPERATOR(TcxFilterNotBetweenOperator, TcxFilterBetweenOperator)
  String GetExpressionFilterText(const Variant& AValue) override;
};
CX_FILTER_OPERATOR(TcxFilterInListOperator, TcxFilterOperator)
  bool IsDescription() override { return true; }
 protected:
  const std::vector<Variant>& Elements(const Variant& AValue);
  std::vector<Variant> FElements;
  Int64 FElementsAt = -1;
 public:
  bool IsExpression() override;
  String GetExpressionFilterText(const Variant& AValue) override;
  bool PrepareExpressionValue(const Variant& AValue, String& AText) override;
  void PrepareDisplayValue(String& AText) override;
};
CX_FILTER_OPERATOR(TcxFilterNotInListOperator, TcxFilterInListOperator)
  String GetExpressionFilterText(const Variant& AValue) override;
};
CX_FILTER_OPERATOR(TcxFilterNullOperator, TcxFilterEqualOperator)
  bool IsNullOperator() override { return true; }
  void PrepareDisplayValue(String& AText) override;
};
CX_FILTER_OPERATOR(TcxFilterNotNullOperator, TcxFilterNullOperator)
};

// Date1 <= D < Date2 over date values; 0 stands for "no bound".
class TcxFilterDateOperator : public TcxFilterOperator {
  DECLARE_CLASS(TcxFilterDateOperator, TcxFilterOperator)
 public:
  using TcxFilterOperator::TcxFilterOperator;
  bool CompareValues(const Variant& AValue1, const Variant& AValue2) override;
  String FilterText() override { return DisplayText(); }
  bool IsExpression() override { return true; }
  void PrepareDisplayValue(String& AText) override { AText.clear(); }
  String GetExpressionFilterText(const Variant& AValue) override;
  void Prepare() override;
  String DisplayText() override;
  // The operator kind whose range and text this class stands for.
  virtual TcxFilterOperatorKind Kind() const = 0;

  TDateTime Date1 = 0;
  TDateTime Date2 = 0;
};

class TcxFilterLastNDaysOperator : public TcxFilterDateOperator {
  DECLARE_CLASS(TcxFilterLastNDaysOperator, TcxFilterDateOperator)
 public:
  using TcxFilterDateOperator::TcxFilterDateOperator;
  virtual Integer DayCount() = 0;
};

class TcxFilterNextNDaysOperator : public TcxFilterDateOperator {
  DECLARE_CLASS(TcxFilterNextNDaysOperator, TcxFilterDateOperator)
 public:
  using TcxFilterDateOperator::TcxFilterDateOperator;
  virtual Integer DayCount() = 0;
};

#undef CX_FILTER_OPERATOR
#define CX_FILTER_DATE_OPERATOR(T, Base, K)                             \
  class T : public Base {                                               \
    DECLARE_CLASS(T, Base)                                              \
   public:                                                              \
    using Base::Base;                                                   \
    TcxFilterOperatorKind Kind() const override { return K; }
#define CX_FILTER_NDAYS_OPERATOR(T, Base, K, N) \
  CX_FILTER_DATE_OPERATOR(T, Base, K)           \
  Integer DayCount() override { return N; }     \
  };

CX_FILTER_DATE_OPERATOR(TcxFilterYesterdayOperator, TcxFilterDateOperator, foYesterday) };
CX_FILTER_DATE_OPERATOR(TcxFilterTodayOperator, TcxFilterDateOperator, foToday) };
CX_FILTER_DATE_OPERATOR(TcxFilterTomorrowOperator, TcxFilterDateOperator, foTomorrow) };
CX_FILTER_NDAYS_OPERATOR(TcxFilterLast7DaysOperator, TcxFilterLastNDaysOperator, foLast7Days, 7)
CX_FILTER_DATE_OPERATOR(TcxFilterLastWeekOperator, TcxFilterDateOperator, foLastWeek) };
CX_FILTER_NDAYS_OPERATOR(TcxFilterLast14DaysOperator, TcxFilterLastNDaysOperator, foLast14Days, 14)
CX_FILTER_DATE_OPERATOR(TcxFilterLastTwoWeeksOperator, TcxFilterDateOperator, foLastTwoWeeks) };
CX_FILTER_NDAYS_OPERATOR(TcxFilterLast30DaysOperator, TcxFilterLastNDaysOperator, foLast30Days, 30)
CX_FILTER_DATE_OPERATOR(TcxFilterLastMonthOperator, TcxFilterDateOperator, foLastMonth) };
CX_FILTER_DATE_OPERATOR(TcxFilterLastYearOperator, TcxFilterDateOperator, foLastYear) };
CX_FILTER_DATE_OPERATOR(TcxFilterInPastOperator, TcxFilterDateOperator, foInPast) };
CX_FILTER_DATE_OPERATOR(TcxFilterThisWeekOperator, TcxFilterDateOperator, foThisWeek) };
CX_FILTER_DATE_OPERATOR(TcxFilterThisMonthOperator, TcxFilterDateOperator, foThisMonth) };
CX_FILTER_DATE_OPERATOR(TcxFilterThisYearOperator, TcxFilterDateOperator, foThisYear) };
CX_FILTER_NDAYS_OPERATOR(TcxFilterNext7DaysOperator, TcxFilterNextNDaysOperator, foNext7Days, 7)
CX_FILTER_DATE_OPERATOR(TcxFilterNextWeekOperator, TcxFilterDateOperator, foNextWeek) };
CX_FILTER_NDAYS_OPERATOR(TcxFilterNext14DaysOperator, TcxFilterNextNDaysOperator, foNext14Days, 14)
CX_FILTER_DATE_OPERATOR(TcxFilterNextTwoWeeksOperator, TcxFilterDateOperator, foNextTwoWeeks) };
CX_FILTER_NDAYS_OPERATOR(TcxFilterNext30DaysOperator, TcxFilterNextNDaysOperator, foNext30Days, 30)
CX_FILTER_DATE_OPERATOR(TcxFilterNextMonthOperator, TcxFilterDateOperator, foNextMonth) };
CX_FILTER_DATE_OPERATOR(TcxFilterNextYearOperator, TcxFilterDateOperator, foNextYear) };
CX_FILTER_DATE_OPERATOR(TcxFilterInFutureOperator, TcxFilterDateOperator, foInFuture) };

#undef CX_FILTER_NDAYS_OPERATOR
#undef CX_FILTER_DATE_OPERATOR

// The operator class of each kind, and the blank tests that replace equality and LIKE (index 0)
// and their negations (index 1) when the leaf's value is null.
TClass FilterOperatorClass(TcxFilterOperatorKind AKind);
TClass FilterNullOperatorClass(bool ANot);

// Display-value helpers: Null reads "blank"; the parts of a ';'-separated display value.
String FilterValueToText(const Variant& AValue);
String ExtractFilterDisplayValue(const String& AText, Integer& APos);
String VarBetweenArrayToStr(const Variant& AValue);
String VarListArrayToStr(const Variant& AValue);

}  // namespace cxFilter
