// Small services shared by the editors and the data controller: the locale's default currency
// display format, date and time parts, the first day of a week with a configurable start, a
// case-insensitive text comparison with a prefix mode, the abstract data binding of an editor and
// a collection whose assignment keeps its existing items.
#pragma once

#include "Closures.h"
#include "Collections.h"
#include "Persistent.h"
#include "Variants.h"

namespace Components {
class TComponent;
}

namespace cxDataUtils {

using Components::TComponent;

enum TcxDataEditValueSource { evsValue, evsText, evsKey };

// A numeric format for currency values built from CurrencyDecimals, CurrencyString and
// CurrencyFormat of the program's format settings.
String DefaultCurrencyDisplayFormat();

TDateTime DateOf(TDateTime AValue);  // the fraction removed, truncated towards zero
TDateTime TimeOf(TDateTime AValue);  // the fraction

// The first day of the week, 0 = Sunday .. 6 = Saturday; the stored setting 10 means "the locale's".
Word GetStartOfWeek();
void SetStartOfWeek(Word AValue);  // accepts 0..6 and 10, ignores anything else
// The first day (without time) of the week holding AValue.
TDateTime GetStartDateOfWeek(TDateTime AValue);

// Both texts upper-cased with the locale; APartial: the first begins with the second.
bool DataCompareText(const String& S1, const String& S2, bool APartial);

class TcxCustomDataBinding : public TPersistent {
  DECLARE_CLASS(TcxCustomDataBinding, TPersistent)
 public:
  TcxCustomDataBinding(TComponent* AOwner = nullptr, TComponent* ADataComponent = nullptr)
      : FOwner(AOwner), FDataComponent(ADataComponent) {}

  virtual bool CanModify();
  virtual bool ExecuteAction(TObject* Action) { return false; }
  virtual Variant GetStoredValue(TcxDataEditValueSource AEditValueSource, bool AFocused) { return Variant(); }
  virtual bool IsControlReadOnly() { return GetReadOnly(); }
  virtual bool IsDataSourceLive() { return true; }
  virtual bool IsDataStorage() { return false; }
  virtual void Reset() {}
  virtual bool SetEditMode() { return CanModify(); }
  virtual void SetStoredValue(TcxDataEditValueSource AEditValueSource, const Variant& Value) {}
  virtual bool UpdateAction(TObject* Action) { return false; }
  virtual void UpdateDataSource() {}

  virtual void DataChange();
  virtual void DataSetChange();
  virtual bool GetModified() { return false; }
  virtual bool GetReadOnly() { return FReadOnly; }
  virtual void SetReadOnly(bool Value);
  virtual void UpdateData();

  TComponent* GetDataComponent() const { return FDataComponent; }
  TComponent* GetVisualControl() const { return FVisualControl; }
  void SetVisualControl(TComponent* Value);

  TProcedure OnDataChange;
  TProcedure OnDataSetChange;
  TProcedure OnUpdateData;

 protected:
  TPersistent* GetOwner() override;
  virtual void VisualControlChanged() {}

 private:
  TComponent* FOwner;
  TComponent* FDataComponent;
  bool FReadOnly = false;
  TComponent* FVisualControl = nullptr;
};

// Assignment reuses the items that exist (their identity is kept), adds what is missing and deletes
// the surplus from the end, all inside one update bracket.
class TcxCollection : public TCollection {
  DECLARE_CLASS(TcxCollection, TCollection)
 public:
  using TCollection::TCollection;
  void Assign(TPersistent* Source) override;
};

}  // namespace cxDataUtils

using namespace cxDataUtils;
