// TField: the field's identity, layout and kind, and reading and writing the active record's value.
#include "DB.h"
#include "DBConsts.h"
#include "FloatFormat.h"
#include "Format.h"
#include "MaskUtils.h"
#include "Strings.h"

namespace DB {

using namespace DBConsts;

IMPLEMENT_CLASS(TField)

void TField::Destroy() {
  SetDataSet(nullptr);
  inherited::Destroy();
}

void TField::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FLookupDataSet) FLookupDataSet = nullptr;
}

void TField::CheckInactive() const {
  if (FDataSet) FDataSet->CheckInactive();
}

void TField::SetDataSet(TDataSet* Value) {
  if (Value == FDataSet) return;
  // Default fields are made and freed while their dataset opens and closes.
  if (FDataSet && FDataSet->State() != dsOpening && FDataSet->State() != dsInactive) FDataSet->CheckInactive();
  if (Value) {
    if (Value->State() != dsOpening) Value->CheckInactive();
    if (Value->FFields->FindField(FFieldName)) DatabaseErrorFmt(SDuplicateFieldName, FFieldName, Value);
  }
  if (FDataSet) {
    FDataSet->FFields->Remove(this);
    FFieldNo = 0;
    FValueIndex = -1;
  }
  FDataSet = Value;
  if (FDataSet) FDataSet->FFields->Add(this);
}

void TField::SetFieldName(const String& Value) {
  if (Value == FFieldName) return;
  CheckInactive();
  if (FDataSet && FDataSet->FFields->FindField(Value)) DatabaseErrorFmt(SDuplicateFieldName, Value, FDataSet);
  FFieldName = Value;
  PropertyChanged(true);
}

void TField::PropertyChanged(bool LayoutAffected) {
  if (FDataSet && FDataSet->GetActive()) FDataSet->DataEvent(LayoutAffected ? deLayoutChange : deDataSetChange, 0);
}

void TField::SetDisplayLabel(const String& Value) {
  String v = Value == FFieldName ? String() : Value;
  if (v == FDisplayLabel) return;
  FDisplayLabel = v;
  PropertyChanged(true);
}

void TField::SetDisplayWidth(Integer Value) {
  if (Value == FDisplayWidth) return;
  FDisplayWidth = Value;
  PropertyChanged(true);
}

void TField::SetVisible(bool Value) {
  if (Value == FVisible) return;
  FVisible = Value;
  PropertyChanged(true);
}

void TField::SetReadOnly(bool Value) {
  if (Value == FReadOnly) return;
  FReadOnly = Value;
  PropertyChanged(true);
}

void TField::SetAlignment(TAlignment Value) {
  if (Value == FAlignment) return;
  FAlignment = Value;
  PropertyChanged(false);
}

Integer TField::GetIndex() const { return FDataSet ? FDataSet->FFields->IndexOf(this) : -1; }

void TField::SetIndex(Integer Value) {
  if (!FDataSet) return;
  auto& list = FDataSet->FFields->FList;
  Integer cur = GetIndex();
  if (Value < 0) Value = 0;
  if (Value >= static_cast<Integer>(list.size())) Value = static_cast<Integer>(list.size()) - 1;
  if (Value == cur) return;
  list.erase(list.begin() + cur);
  list.insert(list.begin() + Value, this);
  PropertyChanged(true);
}

void TField::SetFieldKind(TFieldKind Value) {
  if (Value == FFieldKind) return;
  CheckInactive();
  FFieldKind = Value;
}

void TField::SetLookupDataSet(TDataSet* Value) {
  if (Value == FLookupDataSet) return;
  CheckInactive();
  if (Value == FDataSet && Value) DatabaseError(SCircularDataLink, this);
  if (FLookupDataSet) FLookupDataSet->RemoveFreeNotification(this);
  FLookupDataSet = Value;
  if (FLookupDataSet) FLookupDataSet->FreeNotification(this);
}

bool TField::CanModify() const {
  if (FReadOnly || !FDataSet || Lookup()) return false;
  if (Calculated()) return FDataSet->State() == dsCalcFields;
  return FDataSet->CanModify();
}

bool TField::IsBlob() const { return System::Is<TBlobField>(this); }

// ---- Values ----------------------------------------------------------------------------------------------
Variant TField::GetData() const {
  if (!FDataSet || FValueIndex < 0) return Variant();
  const std::vector<Variant>* values = FDataSet->ActiveValues();
  if (!values || FValueIndex >= static_cast<Integer>(values->size())) return Variant();
  return (*values)[FValueIndex];
}

void TField::SetData(const Variant& Value) {
  if (!FDataSet) DatabaseErrorFmt("Field '%s' has no dataset", FFieldName);
  if (FValueIndex < 0) DatabaseErrorFmt(SFieldNotFound, FFieldName, FDataSet);
  TDataSetState state = FDataSet->State();
  if (state == dsCalcFields) {
    if (!Calculated() && !Lookup()) DatabaseErrorFmt(SFieldReadOnly, GetDisplayLabel(), FDataSet);
    if (FDataSet->FCalcRecord) FDataSet->FCalcRecord->Values[FValueIndex] = Value;
    return;
  }
  if (state != dsEdit && state != dsInsert) DatabaseError(SNotEditing, FDataSet);
  if (!CanModify()) DatabaseErrorFmt(SFieldReadOnly, GetDisplayLabel(), FDataSet);
  if (OnValidate && !FValidating) {
    // The handler sees the new value through the field and may raise to refuse it.
    std::vector<Variant>* values = FDataSet->EditValues();
    Variant old = (*values)[FValueIndex];
    (*values)[FValueIndex] = Value;
    FValidating = true;
    try {
      OnValidate(const_cast<TField*>(this));
    } catch (...) {
      FValidating = false;
      (*FDataSet->EditValues())[FValueIndex] = old;
      throw;
    }
    FValidating = false;
  } else {
    (*FDataSet->EditValues())[FValueIndex] = Value;
  }
  FDataSet->FieldChanged(this);
  if (OnChange) OnChange(this);
}

bool TField::IsNull() const {
  Variant v = GetData();
  return VarIsClear(v) || VarIsNull(v);
}

void TField::GetText(String& Text, bool DisplayText) const { Text = GetAsString(); }

String TField::DisplayText() const {
  String text;
  if (OnGetText)
    OnGetText(const_cast<TField*>(this), text, true);
  else
    GetText(text, true);
  return text;
}

String TField::GetText() const {
  String text;
  if (OnGetText)
    OnGetText(const_cast<TField*>(this), text, false);
  else
    GetText(text, false);
  return text;
}

void TField::SetText(const String& Value) {
  if (OnSetText) {
    OnSetText(this, Value);
    return;
  }
  String text = Value;
  if (!FEditMask.empty() && !MaskGetMaskSave(FEditMask)) {
    // A mask that does not save its literals: the stored text is the typed characters alone.
    text = FormatMaskText(FEditMask, Value);
  }
  SetTextValue(text);
}

void TField::FocusControl() {
  if (!FDataSet) return;
  TField* field = this;
  for (TDataSource* source : FDataSet->FDataSources)
    for (TDataLink* link : source->FDataLinks) {
      link->FocusControl(&field);
      if (!field) return;
    }
}

[[noreturn]] void TField::AccessError(const char* TypeName) const {
  throw EDatabaseError(Format(SFieldAccessError, {GetDisplayLabel(), String(TypeName)}));
}

[[noreturn]] void TField::RangeError(double Value, double Min, double Max) const {
  throw EDatabaseError(Format(SFieldRangeError, {FloatToStr(Value), GetDisplayLabel(), FloatToStr(Min), FloatToStr(Max)}));
}

// The base class converts through Variant; the typed classes refine what they hold.
bool TField::GetAsBoolean() const {
  Variant v = GetData();
  if (VarIsNull(v) || VarIsEmpty(v)) return false;
  try {
    return v.ToBoolean();
  } catch (const EVariantError&) {
    AccessError("Boolean");
  }
}
void TField::SetAsBoolean(bool Value) { SetAsVariant(Value); }
Currency TField::GetAsCurrency() const { return Currency::FromDouble(GetAsFloat()); }
void TField::SetAsCurrency(Currency Value) { SetAsFloat(Value.ToDouble()); }
TDateTime TField::GetAsDateTime() const {
  Variant v = GetData();
  if (VarIsNull(v) || VarIsEmpty(v)) return 0;
  try {
    return v.ToDateTime();
  } catch (const EVariantError&) {
    AccessError("TDateTime");
  }
}
void TField::SetAsDateTime(TDateTime Value) { SetAsVariant(VarFromDateTime(Value)); }
double TField::GetAsFloat() const {
  Variant v = GetData();
  if (VarIsNull(v) || VarIsEmpty(v)) return 0;
  try {
    return v.ToDouble();
  } catch (const EVariantError&) {
    AccessError("Float");
  }
}
void TField::SetAsFloat(double Value) { SetAsVariant(Value); }
Integer TField::GetAsInteger() const {
  Variant v = GetData();
  if (VarIsNull(v) || VarIsEmpty(v)) return 0;
  try {
    return v.ToInteger();
  } catch (const EVariantError&) {
    AccessError("Integer");
  }
}
void TField::SetAsInteger(Integer Value) { SetAsVariant(Value); }
String TField::GetAsString() const { return VarToStr(GetData()); }
void TField::SetAsString(const String& Value) { SetAsVariant(Value); }
Variant TField::GetAsVariant() const {
  Variant v = GetData();
  return VarIsEmpty(v) ? Null() : v;
}
void TField::SetAsVariant(const Variant& Value) { SetData(VarIsEmpty(Value) ? Null() : Value); }

}  // namespace DB
