// Calendar tables of the unit cxDateUtils: a date of one of the calendars a locale can select
// (Gregorian and its locale variants, Japanese, Taiwan, Korean, Thai, Hijri, Hebrew) and its
// conversions to and from TDateTime, with each calendar's eras, month lengths, leap rules, week
// questions and date arithmetic. cxGetCalendar hands out a new table, which the caller frees.
#pragma once

#include "Persistent.h"
#include "cxClassesBase.h"
#include "WinDef.h"

namespace cxDateUtils {

// ---- Records and enumerations -----------------------------------------------------------------------
// A date and time of a calendar; era -1 is the calendar's default era.
struct TcxDateTime {
  Integer Era = -1;
  Cardinal Year = 0;
  Cardinal Month = 0;
  Cardinal Day = 0;
  Byte Hours = 0;
  Byte Minutes = 0;
  Byte Seconds = 0;
  Word Milliseconds = 0;
};

struct TcxDate {
  Integer Era = -1;
  Cardinal Year = 0;
  Cardinal Month = 0;
  Cardinal Day = 0;
};

enum TcxCalendarAlgorithmType { catUnknown, catSolarCalendar, catLunarCalendar, catLunarSolarCalendar };
enum TDay { dSunday, dMonday, dTuesday, dWednesday, dThursday, dFriday, dSaturday };
using TDays = TSet<TDay, 7>;
enum TcxFirstWeekOfYear { fwySystem, fwyJan1, fwyFirstFullWeek, fwyFirstFourDays };
enum TcxDateElement { deYear, deMonth, deDay };

// ---- Eras -------------------------------------------------------------------------------------------
// Year y of an era is Gregorian year y + YearOffset; the era begins on StartDate.
class TcxEra : public TPersistent {
  DECLARE_CLASS(TcxEra, TPersistent)
 public:
  void Assign(TPersistent* Source) override;

  Integer Era = 0;
  Integer MaxEraYear = 0;
  Integer MinEraYear = 0;
  TDateTime StartDate = 0;
  Integer YearOffset = 0;

 protected:
  TcxEra() = default;
  TcxEra(Integer AEra, TDateTime AStartDate, Integer AYearOffset, Integer AMinEraYear, Integer AMaxEraYear)
      : Era(AEra), MaxEraYear(AMaxEraYear), MinEraYear(AMinEraYear), StartDate(AStartDate),
        YearOffset(AYearOffset) {}
};

// Owns its eras.
class TcxEras : public TcxObjectList {
  DECLARE_CLASS(TcxEras, TcxObjectList)
 public:
  TcxEra* GetItem(Integer Index) const { return static_cast<TcxEra*>(TcxObjectList::GetItems(Index)); }
  // Assigns into the era already at that index.
  void SetItem(Integer Index, TcxEra* Value) { GetItem(Index)->Assign(Value); }
  TcxEra* operator[](Integer Index) const { return GetItem(Index); }

 protected:
  TcxEras() = default;
};

// ---- The calendar table -----------------------------------------------------------------------------
// The forms without an era work in era -1. Invalid dates in the arithmetic give the minimum supported
// date, and results are kept within the supported dates.
class TcxCustomCalendarTable : public TObject {
  DECLARE_CLASS(TcxCustomCalendarTable, TObject)
 public:
  TcxEras* GetEras() const { return FEras; }

  virtual void AdjustYear(Cardinal& AYear, Integer& AEra);
  virtual void AdjustYear(Cardinal& AYear, Integer& AEra, Cardinal AMonth, Cardinal ADay);
  virtual TcxCalendarAlgorithmType GetCalendarAlgorithmType() = 0;
  virtual CALID GetCalendarID() = 0;
  virtual TcxEra* GetDefaultEra() = 0;
  virtual TDateTime GetMaxSupportedDate() = 0;
  virtual TDateTime GetMinSupportedDate() = 0;
  virtual void CheckDateTime(TDateTime& ADateTime);
  virtual Cardinal GetMaxSupportedYear() = 0;
  virtual Cardinal GetMinSupportedYear() = 0;

  virtual TDateTime AddDays(const TcxDateTime& ADate, Integer ACountDays);
  virtual TDateTime AddMonths(TDateTime ADate, Integer ACountMonths);
  virtual TDateTime AddMonths(const TcxDateTime& ADate, Integer ACountMonths);
  virtual TDateTime AddYears(TDateTime ADate, Integer ACountYears);
  virtual TDateTime AddYears(const TcxDateTime& ADate, Integer ACountYears);
  virtual TDateTime AddWeeks(TDateTime ADate, Integer ACountWeeks);
  virtual TDateTime AddWeeks(const TcxDateTime& ADate, Integer ACountWeeks);
  virtual TcxDateTime FromDateTime(TDateTime ADate) = 0;
  // From Gregorian parts.
  virtual TcxDateTime FromDateTime(Cardinal AYear, Cardinal AMonth, Cardinal ADay);
  virtual TcxDateTime FromDateTime(Cardinal AYear, Cardinal AMonth, Cardinal ADay, Byte AHours, Byte AMinutes,
                                   Byte ASeconds, Word AMilliseconds);
  virtual Cardinal GetDayOfYear(TDateTime ADate);
  virtual Cardinal GetDayOfYear(const TcxDateTime& ADate);
  Cardinal GetDaysInMonth(Cardinal AYear, Cardinal AMonth) { return GetDaysInMonth(-1, AYear, AMonth); }
  virtual Cardinal GetDaysInMonth(Integer AEra, Cardinal AYear, Cardinal AMonth) = 0;
  Cardinal GetDaysInYear(Cardinal AYear) { return GetDaysInYear(-1, AYear); }
  virtual Cardinal GetDaysInYear(Integer AEra, Cardinal AYear) = 0;
  virtual Integer GetEra(Integer AYear);
  virtual Integer GetEra(Integer AYear, Cardinal AMonth, Cardinal ADay);
  virtual TDateTime GetFirstDayOfWeek(TDateTime ADate);
  virtual TDateTime GetFirstDayOfWeek(TDateTime ADate, TDay AStartDayOfWeek);
  virtual TcxDateTime GetFirstDayOfWeek(const TcxDateTime& ADate);
  virtual TcxDateTime GetFirstDayOfWeek(const TcxDateTime& ADate, TDay AStartDayOfWeek);
  virtual TDay GetFirstWeekDay() = 0;
  virtual Cardinal GetFullWeeksInYear(Cardinal AYear) = 0;
  Cardinal GetMonthsInYear(Cardinal AYear) { return GetMonthsInYear(-1, AYear); }
  virtual Cardinal GetMonthsInYear(Integer AEra, Cardinal AYear) = 0;
  virtual Cardinal GetYear(TDateTime ADate);
  virtual Cardinal GetYear(const TcxDate& ADate);
  virtual Cardinal GetYear(const TcxDateTime& ADate);
  virtual TDay GetWeekDay(TDateTime ADate);
  virtual TDay GetWeekDay(const TcxDateTime& ADate);
  virtual Cardinal GetWeekNumber(TDateTime ADate, TDay AStartOfWeek, TcxFirstWeekOfYear AFirstWeekOfYear);
  virtual Cardinal GetWeekNumber(const TcxDateTime& ADate, TDay AStartOfWeek,
                                 TcxFirstWeekOfYear AFirstWeekOfYear) = 0;
  bool IsLeapDay(Cardinal AYear, Cardinal AMonth, Cardinal ADay) { return IsLeapDay(-1, AYear, AMonth, ADay); }
  virtual bool IsLeapDay(Integer AEra, Cardinal AYear, Cardinal AMonth, Cardinal ADay) = 0;
  bool IsLeapMonth(Cardinal AYear, Cardinal AMonth) { return IsLeapMonth(-1, AYear, AMonth); }
  virtual bool IsLeapMonth(Integer AEra, Cardinal AYear, Cardinal AMonth) = 0;
  bool IsLeapYear(Cardinal AYear) { return IsLeapYear(-1, AYear); }
  virtual bool IsLeapYear(Integer AEra, Cardinal AYear) = 0;
  bool IsValidYear(Cardinal AYear) { return IsValidYear(-1, AYear); }
  virtual bool IsValidYear(Integer AEra, Cardinal AYear);
  bool IsValidMonth(Cardinal AYear, Cardinal AMonth) { return IsValidMonth(-1, AYear, AMonth); }
  virtual bool IsValidMonth(Integer AEra, Cardinal AYear, Cardinal AMonth);
  bool IsValidDay(Cardinal AYear, Cardinal AMonth, Cardinal ADay) { return IsValidDay(-1, AYear, AMonth, ADay); }
  virtual bool IsValidDay(Integer AEra, Cardinal AYear, Cardinal AMonth, Cardinal ADay);
  virtual bool IsValidDate(TDateTime ADate);
  virtual TDateTime ToDateTime(const TcxDate& ADate);
  virtual TDateTime ToDateTime(Cardinal AYear, Cardinal AMonth, Cardinal ADay);
  virtual TDateTime ToDateTime(Cardinal AYear, Cardinal AMonth, Cardinal ADay, Byte AHours, Byte AMinutes,
                               Byte ASeconds, Word AMilliseconds);
  virtual TDateTime ToDateTime(const TcxDateTime& ADateTime) = 0;
  // Field values of date texts, in the calendar's own numerals where it has them.
  virtual Cardinal GetDayNumber(const String& S);
  virtual Cardinal GetMonthNumber(Cardinal AYear, const String& S);
  virtual Integer GetYearNumber(const String& S);

  void YearToGregorianYear(Cardinal& AYear, Integer AEra);
  // True (and ADateTime the minimum supported date) when ADate is not a valid day.
  bool IsNotValid(const TcxDateTime& ADate, TDateTime& ADateTime);

 protected:
  TcxCustomCalendarTable() = default;
  void Construct() override;
  void Destroy() override;
  // The era of that index, the default era for -1, null otherwise.
  TcxEra* EraOf(Integer AEra);
  // The week number rule of the lunar calendars, counted in the calendar's own years.
  Cardinal GetLunarWeekNumber(const TcxDateTime& ADate, TDay AStartOfWeek, TcxFirstWeekOfYear AFirstWeekOfYear);

 private:
  TcxEras* FEras = nullptr;
};

class TcxGregorianCalendarTable : public TcxCustomCalendarTable {
  DECLARE_CLASS(TcxGregorianCalendarTable, TcxCustomCalendarTable)
 public:
  using TcxCustomCalendarTable::FromDateTime;
  using TcxCustomCalendarTable::GetDaysInMonth;
  using TcxCustomCalendarTable::GetDaysInYear;
  using TcxCustomCalendarTable::GetMonthsInYear;
  using TcxCustomCalendarTable::GetWeekNumber;
  using TcxCustomCalendarTable::IsLeapDay;
  using TcxCustomCalendarTable::IsLeapMonth;
  using TcxCustomCalendarTable::IsLeapYear;
  using TcxCustomCalendarTable::ToDateTime;

  TcxCalendarAlgorithmType GetCalendarAlgorithmType() override { return catSolarCalendar; }
  CALID GetCalendarID() override { return FCalendarID; }
  TcxEra* GetDefaultEra() override { return FDefaultEra; }
  TDateTime GetMaxSupportedDate() override;
  TDateTime GetMinSupportedDate() override;
  Cardinal GetMaxSupportedYear() override { return 9999; }
  Cardinal GetMinSupportedYear() override { return 1; }
  TcxDateTime FromDateTime(TDateTime ADate) override;
  Cardinal GetDaysInMonth(Integer AEra, Cardinal AYear, Cardinal AMonth) override;
  Cardinal GetDaysInYear(Integer AEra, Cardinal AYear) override;
  TDay GetFirstWeekDay() override;
  Cardinal GetFullWeeksInYear(Cardinal AYear) override;
  Cardinal GetMonthsInYear(Integer, Cardinal) override { return 12; }
  Cardinal GetWeekNumber(const TcxDateTime& ADate, TDay AStartOfWeek, TcxFirstWeekOfYear AFirstWeekOfYear) override;
  bool IsLeapDay(Integer AEra, Cardinal AYear, Cardinal AMonth, Cardinal ADay) override;
  bool IsLeapMonth(Integer AEra, Cardinal AYear, Cardinal AMonth) override;
  bool IsLeapYear(Integer AEra, Cardinal AYear) override;
  // Raises EConvertError for parts that are not a date and time.
  TDateTime ToDateTime(const TcxDateTime& ADateTime) override;

  void SetCalendarID(CALID Value) { FCalendarID = Value; }

 protected:
  TcxGregorianCalendarTable() = default;
  void Construct() override;
  void Destroy() override;

 private:
  TcxEra* FDefaultEra = nullptr;
  CALID FCalendarID = 1;
};

// The Gregorian calendar counted in eras; Taiwan, Korean and Thai only change the eras.
class TcxJapaneseCalendarTable : public TcxGregorianCalendarTable {
  DECLARE_CLASS(TcxJapaneseCalendarTable, TcxGregorianCalendarTable)
 public:
  using TcxGregorianCalendarTable::FromDateTime;
  using TcxGregorianCalendarTable::ToDateTime;

  CALID GetCalendarID() override { return 3; }
  TcxEra* GetDefaultEra() override;
  TDateTime GetMinSupportedDate() override;
  Cardinal GetMaxSupportedYear() override { return 8011; }
  Cardinal GetMinSupportedYear() override { return 1; }
  TDay GetFirstWeekDay() override { return dSunday; }
  TcxDateTime FromDateTime(TDateTime ADate) override;
  // The minimum supported date for an invalid date.
  TDateTime ToDateTime(const TcxDateTime& ADateTime) override;

 protected:
  TcxJapaneseCalendarTable() = default;
  void Construct() override;
  // Index of the default era in the era list.
  virtual Integer DefaultEraIndex() { return 3; }
  virtual void AddEras();
};

class TcxTaiwanCalendarTable : public TcxJapaneseCalendarTable {
  DECLARE_CLASS(TcxTaiwanCalendarTable, TcxJapaneseCalendarTable)
 public:
  CALID GetCalendarID() override { return 4; }
  TDateTime GetMinSupportedDate() override;
  Cardinal GetMaxSupportedYear() override { return 8088; }
  Cardinal GetMinSupportedYear() override { return 1; }

 protected:
  TcxTaiwanCalendarTable() = default;
  Integer DefaultEraIndex() override { return 0; }
  void AddEras() override;
};

class TcxKoreanCalendarTable : public TcxJapaneseCalendarTable {
  DECLARE_CLASS(TcxKoreanCalendarTable, TcxJapaneseCalendarTable)
 public:
  CALID GetCalendarID() override { return 5; }
  TDateTime GetMinSupportedDate() override;
  Cardinal GetMaxSupportedYear() override { return 12332; }
  Cardinal GetMinSupportedYear() override { return 2334; }

 protected:
  TcxKoreanCalendarTable() = default;
  Integer DefaultEraIndex() override { return 0; }
  void AddEras() override;
};

class TcxThaiCalendarTable : public TcxJapaneseCalendarTable {
  DECLARE_CLASS(TcxThaiCalendarTable, TcxJapaneseCalendarTable)
 public:
  CALID GetCalendarID() override { return 7; }
  TDateTime GetMinSupportedDate() override;
  Cardinal GetMaxSupportedYear() override { return 10542; }
  Cardinal GetMinSupportedYear() override { return 544; }

 protected:
  TcxThaiCalendarTable() = default;
  Integer DefaultEraIndex() override { return 0; }
  void AddEras() override;
};

// The tabular Islamic calendar: a 30-year cycle of 10631 days.
class TcxHijriCalendarTable : public TcxCustomCalendarTable {
  DECLARE_CLASS(TcxHijriCalendarTable, TcxCustomCalendarTable)
 public:
  using TcxCustomCalendarTable::FromDateTime;
  using TcxCustomCalendarTable::GetDaysInMonth;
  using TcxCustomCalendarTable::GetDaysInYear;
  using TcxCustomCalendarTable::GetMonthNumber;
  using TcxCustomCalendarTable::GetMonthsInYear;
  using TcxCustomCalendarTable::GetWeekNumber;
  using TcxCustomCalendarTable::IsLeapDay;
  using TcxCustomCalendarTable::IsLeapMonth;
  using TcxCustomCalendarTable::IsLeapYear;
  using TcxCustomCalendarTable::ToDateTime;

  TcxCalendarAlgorithmType GetCalendarAlgorithmType() override { return catLunarCalendar; }
  CALID GetCalendarID() override { return 6; }
  TcxEra* GetDefaultEra() override { return FDefaultEra; }
  TDateTime GetMaxSupportedDate() override;
  TDateTime GetMinSupportedDate() override;
  Cardinal GetMaxSupportedYear() override { return 9666; }
  Cardinal GetMinSupportedYear() override { return 1; }
  TcxDateTime FromDateTime(TDateTime ADate) override;
  Cardinal GetDaysInMonth(Integer AEra, Cardinal AYear, Cardinal AMonth) override;
  Cardinal GetDaysInYear(Integer AEra, Cardinal AYear) override;
  TDay GetFirstWeekDay() override { return dSaturday; }
  Cardinal GetFullWeeksInYear(Cardinal) override { return 50; }
  Cardinal GetMonthsInYear(Integer, Cardinal) override { return 12; }
  Cardinal GetWeekNumber(const TcxDateTime& ADate, TDay AStartOfWeek, TcxFirstWeekOfYear AFirstWeekOfYear) override;
  bool IsLeapDay(Integer AEra, Cardinal AYear, Cardinal AMonth, Cardinal ADay) override;
  bool IsLeapMonth(Integer AEra, Cardinal AYear, Cardinal AMonth) override;
  bool IsLeapYear(Integer AEra, Cardinal AYear) override;
  // The minimum supported date for an invalid date.
  TDateTime ToDateTime(const TcxDateTime& ADateTime) override;
  Cardinal GetMonthNumber(Cardinal AYear, const String& S) override;

 protected:
  TcxHijriCalendarTable() = default;
  void Construct() override;
  void Destroy() override;

 private:
  TcxEra* FDefaultEra = nullptr;
};

// Months are numbered from Tishri; a leap year has 13, its month 7 the added one. Years 5343..5999.
class TcxHebrewCalendarTable : public TcxCustomCalendarTable {
  DECLARE_CLASS(TcxHebrewCalendarTable, TcxCustomCalendarTable)
 public:
  using TcxCustomCalendarTable::FromDateTime;
  using TcxCustomCalendarTable::GetDaysInMonth;
  using TcxCustomCalendarTable::GetDaysInYear;
  using TcxCustomCalendarTable::GetMonthsInYear;
  using TcxCustomCalendarTable::GetWeekNumber;
  using TcxCustomCalendarTable::IsLeapDay;
  using TcxCustomCalendarTable::IsLeapMonth;
  using TcxCustomCalendarTable::IsLeapYear;
  using TcxCustomCalendarTable::ToDateTime;

  TcxCalendarAlgorithmType GetCalendarAlgorithmType() override { return catLunarSolarCalendar; }
  CALID GetCalendarID() override { return 8; }
  TcxEra* GetDefaultEra() override { return FDefaultEra; }
  TDateTime GetMaxSupportedDate() override;
  TDateTime GetMinSupportedDate() override;
  Cardinal GetMaxSupportedYear() override { return 5999; }
  Cardinal GetMinSupportedYear() override { return 5343; }
  TcxDateTime FromDateTime(TDateTime ADate) override;
  Cardinal GetDaysInMonth(Integer AEra, Cardinal AYear, Cardinal AMonth) override;
  Cardinal GetDaysInYear(Integer AEra, Cardinal AYear) override;
  TDay GetFirstWeekDay() override { return dSunday; }
  Cardinal GetFullWeeksInYear(Cardinal AYear) override;
  Cardinal GetMonthsInYear(Integer AEra, Cardinal AYear) override;
  Cardinal GetWeekNumber(const TcxDateTime& ADate, TDay AStartOfWeek, TcxFirstWeekOfYear AFirstWeekOfYear) override;
  bool IsLeapDay(Integer AEra, Cardinal AYear, Cardinal AMonth, Cardinal ADay) override;
  bool IsLeapMonth(Integer AEra, Cardinal AYear, Cardinal AMonth) override;
  bool IsLeapYear(Integer AEra, Cardinal AYear) override;
  // The minimum supported date for an invalid date.
  TDateTime ToDateTime(const TcxDateTime& ADateTime) override;
  Cardinal GetDayNumber(const String& S) override;
  Cardinal GetMonthNumber(Cardinal AYear, const String& S) override;
  Integer GetYearNumber(const String& S) override;

  // 1..3 for a year of 353, 354 or 355 days (plus a month of 30 in a leap year); 0 outside the table.
  Integer GetYearType(Cardinal AYear);
  // The sum of the Hebrew letters of the text as numerals (final forms worth their letter).
  static Integer HebrewNumber(const String& S);

 protected:
  TcxHebrewCalendarTable() = default;
  void Construct() override;
  void Destroy() override;

 private:
  TcxEra* FDefaultEra = nullptr;
};

// ---- Obtaining a table -------------------------------------------------------------------------------
// A new table (the caller frees it): 1, 2, 9..12 Gregorian with that identifier, 3 Japanese, 4 Taiwan,
// 5 Korean, 6 Hijri, 7 Thai, 8 Hebrew; anything else Gregorian with identifier 1.
TcxCustomCalendarTable* cxGetCalendar(CALID ACalendarID);
// The user locale's calendar type.
CALID cxGetLocalCalendarID();
TcxCustomCalendarTable* cxGetLocalCalendar();

}  // namespace cxDateUtils

using namespace cxDateUtils;
