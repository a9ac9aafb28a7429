#include "cxDataUtils.h"

#include <cmath>

#include "Components.h"
#include "DateTime.h"
#include "FormatSettings.h"
#include "Locale.h"
#include "Strings.h"

namespace cxDataUtils {

namespace {
Word StartOfWeek = 10;  // 10: the locale decides
}

String DefaultCurrencyDisplayFormat() {
  String number = ",0.";
  number.append(FormatSettings.CurrencyDecimals, '0');
  String currency;
  for (Char c : FormatSettings.CurrencyString) {
    if (c == ',' || c == '.') {
      currency += '\'';
      currency += c;
      currency += '\'';
    } else {
      currency += c;
    }
  }
  if (currency.empty()) return number;
  switch (FormatSettings.CurrencyFormat) {
    case 0: return currency + number;
    case 1: return number + currency;
    case 2: return currency + " " + number;
    default: return number + " " + currency;
  }
}

TDateTime DateOf(TDateTime AValue) { return std::trunc(AValue); }

TDateTime TimeOf(TDateTime AValue) { return AValue - std::trunc(AValue); }

Word GetStartOfWeek() {
  if (StartOfWeek != 10) return StartOfWeek;
  char buffer[8] = {};
  if (GetLocaleInfo(GetThreadLocale(), LOCALE_IFIRSTDAYOFWEEK, buffer, sizeof buffer) > 0 && buffer[0] >= '0' &&
      buffer[0] <= '6')
    return static_cast<Word>((buffer[0] - '0' + 1) % 7);
  return 1;
}

void SetStartOfWeek(Word AValue) {
  if (AValue <= 6 || AValue == 10) StartOfWeek = AValue;
}

TDateTime GetStartDateOfWeek(TDateTime AValue) {
  const int s = GetStartOfWeek();
  const int w = DayOfWeek(AValue) - 1;
  if (s > w) return DateOf(AValue) - 7 + (s - w);
  return DateOf(AValue) - (w - s);
}

bool DataCompareText(const String& S1, const String& S2, bool APartial) {
  const String a = AnsiUpperCase(S1), b = AnsiUpperCase(S2);
  if (b.empty()) return a.empty();
  if (!APartial) return a == b;
  return a.size() >= b.size() && a.compare(0, b.size(), b) == 0;
}

// ---- TcxCustomDataBinding ------------------------------------------------------------------------------

IMPLEMENT_CLASS(TcxCustomDataBinding)

bool TcxCustomDataBinding::CanModify() { return !GetReadOnly(); }

void TcxCustomDataBinding::DataChange() {
  if (OnDataChange) OnDataChange();
}

void TcxCustomDataBinding::DataSetChange() {
  if (OnDataSetChange) OnDataSetChange();
}

void TcxCustomDataBinding::UpdateData() {
  if (OnUpdateData) OnUpdateData();
}

void TcxCustomDataBinding::SetReadOnly(bool Value) {
  if (FReadOnly == Value) return;
  FReadOnly = Value;
  DataSetChange();
}

void TcxCustomDataBinding::SetVisualControl(TComponent* Value) {
  if (FVisualControl == Value) return;
  FVisualControl = Value;
  VisualControlChanged();
}

TPersistent* TcxCustomDataBinding::GetOwner() { return FOwner; }

// ---- TcxCollection -----------------------------------------------------------------------------------

IMPLEMENT_CLASS(TcxCollection)

void TcxCollection::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TCollection*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  if (source->Count() == 0 && Count() == 0) return;
  BeginUpdate();
  struct TEnd {
    TcxCollection* C;
    ~TEnd() { C->EndUpdate(); }
  } end{this};
  for (Integer i = 0; i < source->Count(); ++i) {
    TCollectionItem* item = i < Count() ? GetItem(i) : Add();
    item->Assign(source->GetItem(i));
  }
  while (Count() > source->Count()) Delete(Count() - 1);
}

}  // namespace cxDataUtils
