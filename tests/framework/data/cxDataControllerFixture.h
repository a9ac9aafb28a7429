// A concrete data controller for the tests: named column items, typed fields, records filled from
// tables, and a log of what the controller tells its view.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Components.h"
#include "cxCustomData.h"
#include "cxCustomDataFilter.h"
#include "cxDataStorage.h"

namespace cxDataTest {

class TTestColumn : public TComponent {
  DECLARE_CLASS(TTestColumn, TComponent)
 public:
  using TComponent::TComponent;
  Integer ID = -1;
};

// A summary that may be told to add up every value as a Variant.
class TTestSummary : public TcxDataSummary {
  DECLARE_CLASS(TTestSummary, TcxDataSummary)
 public:
  using TcxDataSummary::TcxDataSummary;
  bool StoredValues = true;
  bool CanSummarizeStoredValues() override { return StoredValues && inherited::CanSummarizeStoredValues(); }
};

// Filter criteria that may be told to compare every value as a Variant.
class TTestFilterCriteria : public TcxDataFilterCriteria {
  DECLARE_CLASS(TTestFilterCriteria, TcxDataFilterCriteria)
 public:
  bool NativeValues = true;
  bool CanCompareNativeValues() override { return NativeValues && inherited::CanCompareNativeValues(); }
};

class TTestController : public TcxCustomDataController {
  DECLARE_CLASS(TTestController, TcxCustomDataController)
 public:
  using TcxCustomDataController::TcxCustomDataController;
  std::vector<TTestColumn*> Columns;
  std::vector<std::string> Log;  // one entry per change information
  bool LogEnabled = true;

  TObject* GetItem(Integer AIndex) override { return GetFields()->GetItem(AIndex)->GetItem(); }
  TClass GetSummaryClass() override { return TTestSummary::StaticClass(); }
  TClass GetFilterCriteriaClass() override { return TTestFilterCriteria::StaticClass(); }
  Integer GetItemID(TObject* AItem) override { return AItem ? static_cast<TTestColumn*>(AItem)->ID : -1; }
  String GetFilterItemFieldCaption(TObject* AItem) override { return GetItemName(AItem); }
  void UpdateControl(TcxUpdateControlInfo* AInfo) override;
  bool CanFocusRecord(Integer ARecordIndex) override {
    return inherited::CanFocusRecord(ARecordIndex) && (!CanFocus || CanFocus(ARecordIndex));
  }
  TClosure<bool(Integer)> CanFocus;
  // Which sorting roads the controller may take (all by default); with both off it compares pair by pair.
  bool SortByStoredValues = true;
  bool SortByComparedValues = true;
  bool CanSortByStoredValues() override { return SortByStoredValues && inherited::CanSortByStoredValues(); }
  bool CanSortByComparedValues() override { return SortByComparedValues && inherited::CanSortByComparedValues(); }

  Integer AddColumn(const String& AName, TcxValueTypeClass AType);
  void SetRows(const std::vector<std::vector<Variant>>& ARows);
  std::vector<Integer> ViewRecords();  // the record of every row
  void ClearLog() { Log.clear(); }

 protected:
  void Destroy() override;
};

std::string Describe(TcxUpdateControlInfo* AInfo);

inline TcxValueTypeClass IntType() { return ValueTypeClass<TcxIntegerValueType>(); }
inline TcxValueTypeClass StrType() { return ValueTypeClass<TcxStringValueType>(); }
inline TcxValueTypeClass FloatType() { return ValueTypeClass<TcxFloatValueType>(); }

// Owns a controller for the length of a test.
class DataControllerTest : public ::testing::Test {
 protected:
  void SetUp() override { C = New<TTestController>(); }
  void TearDown() override { C->Free(); }
  TTestController* C = nullptr;
};

}  // namespace cxDataTest

using namespace cxDataTest;
