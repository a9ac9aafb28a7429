#include "cxFilter.h"
#include "cxFilterNative.h"

#include <algorithm>

#include "Filer.h"
#include "Streams.h"
#include "Strings.h"
#include "TypInfo.h"
#include "DateFormat.h"
#include "cxFilterConsts.h"
#include "cxVariants.h"

namespace cxFilter {

Integer cxDataFilterVersion = 3;

namespace {

// Nesting deeper than this in a stream is taken for damage: reading it would only exhaust the stack.
constexpr Integer MaxStreamDepth = 256;

struct TEndUpdate {
  TcxFilterCriteria* Criteria;
  ~TEndUpdate() { Criteria->EndUpdate(); }
};

[[noreturn]] void RaiseBadStream() { throw EReadError("Stream read error"); }

thread_local Integer ReadDepth = 0;

}  // namespace

// ---- Nodes ---------------------------------------------------------------------------------------------

IMPLEMENT_ABSTRACT_CLASS(TcxCustomFilterCriteriaItem)

void TcxCustomFilterCriteriaItem::Changed() {
  if (TcxFilterCriteria* criteria = GetCriteria()) criteria->Changed();
}

TcxFilterCriteria* TcxCustomFilterCriteriaItem::GetCriteria() { return FParent ? FParent->GetCriteria() : nullptr; }

void TcxCustomFilterCriteriaItem::Destroy() {
  if (FParent) FParent->RemoveItem(this);
  inherited::Destroy();
}

// ---- Lists ---------------------------------------------------------------------------------------------

IMPLEMENT_CLASS(TcxFilterCriteriaItemList)

TcxFilterCriteriaItemList* TcxFilterCriteriaItemList::CreateList(TClass ACls, TcxFilterCriteriaItemList* AParent,
                                                                 TcxFilterBoolOperatorKind ABoolOperatorKind) {
  if (!ACls || !ACls->InheritsFrom(StaticClass()) || ACls->IsAbstract()) ACls = StaticClass();
  auto* list = static_cast<TcxFilterCriteriaItemList*>(ACls->NewInstance());
  list->FParent = AParent;
  list->FBoolOperatorKind = ABoolOperatorKind;
  return static_cast<TcxFilterCriteriaItemList*>(TObject::Initialize(list));
}

void TcxFilterCriteriaItemList::Destroy() {
  while (!FItems.empty()) FItems.back()->Free();
  inherited::Destroy();
}

TcxFilterCriteria* TcxFilterCriteriaItemList::GetCriteria() {
  return FCriteria ? FCriteria : inherited::GetCriteria();
}

void TcxFilterCriteriaItemList::Append(TcxCustomFilterCriteriaItem* AItem) {
  AItem->FParent = this;
  FItems.push_back(AItem);
  Changed();
}

TcxFilterCriteriaItem* TcxFilterCriteriaItemList::AddItem(TObject* AItemLink, TcxFilterOperatorKind AOperatorKind,
                                                          const Variant& AValue, const String& ADisplayValue) {
  TcxFilterCriteria* criteria = GetCriteria();
  TcxFilterCriteriaItem* item = TcxFilterCriteriaItem::CreateItem(
      criteria ? criteria->GetItemClass() : nullptr, this, AItemLink, AOperatorKind, AValue, ADisplayValue);
  Append(item);
  return item;
}

TcxFilterCriteriaItemList* TcxFilterCriteriaItemList::AddItemList(TcxFilterBoolOperatorKind ABoolOperatorKind) {
  TcxFilterCriteria* criteria = GetCriteria();
  TcxFilterCriteriaItemList* list =
      CreateList(criteria ? criteria->GetItemListClass() : nullptr, this, ABoolOperatorKind);
  Append(list);
  return list;
}

void TcxFilterCriteriaItemList::RemoveItem(TcxCustomFilterCriteriaItem* AItem) {
  auto it = std::find(FItems.begin(), FItems.end(), AItem);
  if (it == FItems.end()) return;
  FItems.erase(it);
  AItem->FParent = nullptr;
  Changed();
}

void TcxFilterCriteriaItemList::Clear() {
  TcxFilterCriteria* criteria = GetCriteria();
  if (criteria) criteria->BeginUpdate();
  struct TEnd {
    TcxFilterCriteria* C;
    ~TEnd() {
      if (C) C->EndUpdate();
    }
  } end{criteria};
  while (!FItems.empty()) FItems.back()->Free();
}

void TcxFilterCriteriaItemList::SetBoolOperatorKind(TcxFilterBoolOperatorKind Value) {
  if (FBoolOperatorKind == Value) return;
  FBoolOperatorKind = Value;
  Changed();
}

TcxCustomFilterCriteriaItem* TcxFilterCriteriaItemList::GetItem(Integer Index) const {
  return Index >= 0 && Index < Count() ? FItems[static_cast<size_t>(Index)] : nullptr;
}

Integer TcxFilterCriteriaItemList::IndexOf(TcxCustomFilterCriteriaItem* AItem) const {
  auto it = std::find(FItems.begin(), FItems.end(), AItem);
  return it == FItems.end() ? -1 : static_cast<Integer>(it - FItems.begin());
}

bool TcxFilterCriteriaItemList::Evaluate(void* AData) {
  bool result = true;
  bool first = true;
  for (TcxCustomFilterCriteriaItem* child : FItems) {
    const bool value = child->GetIsItemList() ? static_cast<TcxFilterCriteriaItemList*>(child)->Evaluate(AData)
                                              : static_cast<TcxFilterCriteriaItem*>(child)->Evaluate(AData);
    if (first) {
      result = (FBoolOperatorKind == fboNotAnd || FBoolOperatorKind == fboNotOr) ? !value : value;
      first = false;
      continue;
    }
    switch (FBoolOperatorKind) {
      case fboAnd: result = result && value; break;
      case fboOr: result = result || value; break;
      case fboNotAnd: result = result || !value; break;
      case fboNotOr: result = result && !value; break;
    }
  }
  return result;
}

void TcxFilterCriteriaItemList::WriteData(TStream* AStream) {
  WriteByteProc(AStream, static_cast<Byte>(FBoolOperatorKind));
  WriteIntegerProc(AStream, Count());
  for (TcxCustomFilterCriteriaItem* child : FItems) {
    WriteBooleanProc(AStream, child->GetIsItemList());
    child->WriteData(AStream);
  }
}

namespace {
void ReadChildren(TcxFilterCriteriaItemList* AList, TStream* AStream, Integer ACount) {
  if (++ReadDepth > MaxStreamDepth) {
    --ReadDepth;
    RaiseBadStream();
  }
  struct TDepth {
    ~TDepth() { --ReadDepth; }
  } depth;
  for (Integer i = 0; i < ACount; ++i) {
    if (ReadBooleanFunc(AStream)) {
      AList->AddItemList(fboAnd)->ReadData(AStream);
    } else {
      TcxFilterCriteriaItem* item = AList->AddItem(nullptr, foEqual, Unassigned(), String());
      try {
        item->ReadData(AStream);
      } catch (...) {
        item->Free();
        throw;
      }
      // Conditions on items that no longer exist are dropped.
      if (!item->GetItemLink()) item->Free();
    }
  }
}
}  // namespace

void TcxFilterCriteriaItemList::ReadData(TStream* AStream) {
  const Byte kind = ReadByteFunc(AStream);
  if (kind > fboNotOr) RaiseBadStream();
  SetBoolOperatorKind(static_cast<TcxFilterBoolOperatorKind>(kind));
  const Integer count = ReadIntegerFunc(AStream);
  if (count < 0) RaiseBadStream();
  ReadChildren(this, AStream, count);
}

// ---- Leaves --------------------------------------------------------------------------------------------

IMPLEMENT_ABSTRACT_CLASS(TcxFilterCriteriaItem)

TcxFilterCriteriaItem* TcxFilterCriteriaItem::CreateItem(TClass ACls, TcxFilterCriteriaItemList* AParent,
                                                         TObject* AItemLink, TcxFilterOperatorKind AOperatorKind,
                                                         const Variant& AValue, const String& ADisplayValue) {
  if (!ACls || !ACls->InheritsFrom(StaticClass()) || ACls->IsAbstract())
    throw EInvalidOperation("The filter criteria have no concrete condition class");
  auto* item = static_cast<TcxFilterCriteriaItem*>(ACls->NewInstance());
  item->FParent = AParent;
  item->FItemLink = AItemLink;
  item->FOperatorKind = AOperatorKind;
  item->FValue = AValue;
  item->FDisplayValue = ADisplayValue;
  return static_cast<TcxFilterCriteriaItem*>(TObject::Initialize(item));
}

void TcxFilterCriteriaItem::Construct() {
  inherited::Construct();
  SetItemLink(FItemLink);
  RecreateOperator();
  CheckDisplayValue();
}

void TcxFilterCriteriaItem::Destroy() {
  delete FNative;
  FNative = nullptr;
  FreeAndNil(FOperator);
  inherited::Destroy();
}

TClass TcxFilterCriteriaItem::GetFilterOperatorClass() {
  const bool isNull = ValueIsNull(FValue);
  if (isNull && (FOperatorKind == foEqual || FOperatorKind == foLike)) return FilterNullOperatorClass(false);
  if (isNull && (FOperatorKind == foNotEqual || FOperatorKind == foNotLike)) return FilterNullOperatorClass(true);
  return FilterOperatorClass(FOperatorKind);
}

void TcxFilterCriteriaItem::RecreateOperator() {
  const bool hadOperator = FOperator != nullptr;
  FreeAndNil(FOperator);
  FOperator = static_cast<TcxFilterOperator*>(GetFilterOperatorClass()->Create());
  FOperator->FCriteriaItem = this;
  if (hadOperator) Changed();
}

void TcxFilterCriteriaItem::CheckDisplayValue() {
  if (FOperator && FOperator->IsNullOperator() && FDisplayValue.empty())
    FDisplayValue = cxSFilterString(&cxSFilterBlankCaption);
}

bool TcxFilterCriteriaItem::ValueIsNull(const Variant& AValue) {
  TcxFilterCriteria* criteria = GetCriteria();
  return criteria ? criteria->ValueIsNull(AValue) : VarIsNull(AValue);
}

String TcxFilterCriteriaItem::GetDisplayValue() {
  String text = FDisplayValue;
  if (FOperator) FOperator->PrepareDisplayValue(text);
  return text;
}

String TcxFilterCriteriaItem::GetExpressionValue(bool ADisplay) {
  if (ADisplay) return GetDisplayValue();
  return FOperator ? FOperator->GetExpressionValue(FValue) : String();
}

void TcxFilterCriteriaItem::SetOperatorKind(TcxFilterOperatorKind Value) {
  if (FOperatorKind == Value) return;
  FOperatorKind = Value;
  RecreateOperator();
}

void TcxFilterCriteriaItem::SetValue(const Variant& Value) {
  if (VarCompare(FValue, Value) == 0) return;
  FValue = Value;
  RecreateOperator();
}

void TcxFilterCriteriaItem::SetDisplayValue(const String& Value) {
  if (FDisplayValue == Value) return;
  FDisplayValue = Value;
  Changed();
}

const Variant& TcxFilterCriteriaItem::PreparedValue() {
  TcxFilterCriteria* criteria = GetCriteria();
  if (FPreparedAt != criteria->FChangeCount) {
    FPreparedValue = criteria->PrepareValue(FValue);
    FPreparedAt = criteria->FChangeCount;
  }
  return FPreparedValue;
}

bool TcxFilterCriteriaItem::Evaluate(void* AData) {
  TcxFilterCriteria* criteria = GetCriteria();
  // A stored number or text is compared as it is; a Null goes the Variant way.
  const void* P;
  bool AIsNull = true;
  const TVarType AType = criteria->CanCompareNativeValues() ? GetNativeDataValue(AData, P, AIsNull) : varEmpty;
  if (AType != varEmpty && !AIsNull) {
    if (!FNative) FNative = new TcxNativeFilterLeaf();
    if (FNative->PreparedAt != criteria->FChangeCount || FNative->Type != AType) {
      FNative->Valid = false;
      FNative->PreparedAt = criteria->FChangeCount;
      try {
        FNative->Prepare(FOperator, PreparedValue(), AType, criteria->GetOptions().Contains(fcoCaseInsensitive));
      } catch (EVariantError&) {
        FNative->Valid = false;  // the Variant way raises it again, where the criteria decide
      }
    }
    if (FNative->Valid) return FNative->Evaluate(P);
  }
  try {
    Variant value;
    GetDataValue(AData, value);
    const Variant D = criteria->PrepareValue(std::move(value));
    const Variant& W = PreparedValue();
    if (criteria->GetOptions().Contains(fcoIgnoreNull) && !FOperator->IsNullOperator() && ValueIsNull(D))
      return false;
    return FOperator->CompareValues(D, W);
  } catch (EVariantError&) {
    if (criteria->GetOptions().Contains(fcoSoftCompare)) return false;
    throw;
  }
}

void TcxFilterCriteriaItem::WriteData(TStream* AStream) {
  TcxFilterCriteria* criteria = GetCriteria();
  WriteByteProc(AStream, static_cast<Byte>(FOperatorKind));
  WriteStringProc(AStream, FDisplayValue);
  WriteIntegerProc(AStream, criteria->GetIDByItemLink(GetItemLink()));
  if (criteria->GetVersionWritten() > 2) WriteStringProc(AStream, criteria->GetNameByItemLink(GetItemLink()));
  WriteVariantProc(AStream, FValue);
}

void TcxFilterCriteriaItem::ReadData(TStream* AStream) {
  TcxFilterCriteria* criteria = GetCriteria();
  const Byte kind = ReadByteFunc(AStream);
  if (kind > foInFuture) RaiseBadStream();
  const String displayValue = ReadStringFunc(AStream);
  const Integer id = ReadIntegerFunc(AStream);
  const String name = criteria->GetVersionRead() == 3 ? ReadStringFunc(AStream) : String();
  const Variant value = ReadVariantFunc(AStream);
  FOperatorKind = static_cast<TcxFilterOperatorKind>(kind);
  FDisplayValue = displayValue;
  FValue = value;
  TObject* link = nullptr;
  if (!name.empty()) {
    link = criteria->GetItemLinkByName(name);
    if (!link) {
      // An ID is trusted only for an item that has no name: a named item was matched by name above.
      link = criteria->GetItemLinkByID(id);
      if (link && !criteria->GetNameByItemLink(link).empty()) link = nullptr;
    }
  } else {
    link = criteria->GetItemLinkByID(id);
  }
  SetItemLink(link);
  RecreateOperator();
  CheckDisplayValue();
}

// ---- Criteria ------------------------------------------------------------------------------------------

IMPLEMENT_ABSTRACT_CLASS_PUBLISHED(TcxFilterCriteria) {
  d.Property("MaxValueListCount", &TcxFilterCriteria::GetMaxValueListCount, &TcxFilterCriteria::SetMaxValueListCount)
      .Default(0);
  d.Property("Options", &TcxFilterCriteria::GetOptions, &TcxFilterCriteria::SetOptions)
      .Default(TcxFilterCriteriaOptions());
  d.Property("PercentWildcard", &TcxFilterCriteria::GetPercentWildcard, &TcxFilterCriteria::SetPercentWildcard)
      .Default('%');
  d.Property("UnderscoreWildcard", &TcxFilterCriteria::GetUnderscoreWildcard,
             &TcxFilterCriteria::SetUnderscoreWildcard)
      .Default('_');
  d.Property("OnChanged", &TcxFilterCriteria::GetOnChanged, &TcxFilterCriteria::SetOnChanged);
}

void TcxFilterCriteria::Construct() {
  inherited::Construct();
  FRoot = TcxFilterCriteriaItemList::CreateList(GetItemListClass(), nullptr, fboAnd);
  FRoot->FCriteria = this;
}

void TcxFilterCriteria::Destroy() {
  ++FLockCount;  // freeing the tree reports no changes
  FreeAndNil(FRoot);
  inherited::Destroy();
}

TClass TcxFilterCriteria::GetItemClass() { return TcxFilterCriteriaItem::StaticClass(); }
TClass TcxFilterCriteria::GetItemListClass() { return TcxFilterCriteriaItemList::StaticClass(); }
TClass TcxFilterCriteria::GetValueListClass() { return TcxFilterValueList::StaticClass(); }

TcxFilterValueList* TcxFilterCriteria::CreateValueList() {
  TClass cls = GetValueListClass();
  if (!cls || !cls->InheritsFrom(TcxFilterValueList::StaticClass()) || cls->IsAbstract())
    cls = TcxFilterValueList::StaticClass();
  auto* list = static_cast<TcxFilterValueList*>(cls->NewInstance());
  list->FCriteria = this;
  return static_cast<TcxFilterValueList*>(TObject::Initialize(list));
}

void TcxFilterCriteria::EndUpdate() {
  --FLockCount;
  CheckChanges();
}

void TcxFilterCriteria::Changed() {
  FChanged = true;
  ++FChangeCount;
  CheckChanges();
}

void TcxFilterCriteria::CheckChanges() {
  if (!FChanged || FLockCount > 0) return;
  FChanged = false;
  Prepare();
  Update();
}

void TcxFilterCriteria::Update() {
  if (OnChanged) OnChanged(this);
}

namespace {
void PrepareList(TcxFilterCriteriaItemList* AList) {
  for (Integer i = 0; i < AList->Count(); ++i) {
    TcxCustomFilterCriteriaItem* child = AList->GetItem(i);
    if (child->GetIsItemList())
      PrepareList(static_cast<TcxFilterCriteriaItemList*>(child));
    else if (TcxFilterOperator* op = static_cast<TcxFilterCriteriaItem*>(child)->GetOperator())
      op->Prepare();
  }
}

void RecreateList(TcxFilterCriteriaItemList* AList) {
  for (Integer i = 0; i < AList->Count(); ++i) {
    TcxCustomFilterCriteriaItem* child = AList->GetItem(i);
    if (child->GetIsItemList())
      RecreateList(static_cast<TcxFilterCriteriaItemList*>(child));
    else
      static_cast<TcxFilterCriteriaItem*>(child)->RecreateOperator();
  }
}

TcxFilterCriteriaItem* FindInList(TcxFilterCriteriaItemList* AList, TObject* AItemLink) {
  for (Integer i = 0; i < AList->Count(); ++i) {
    TcxCustomFilterCriteriaItem* child = AList->GetItem(i);
    if (child->GetIsItemList()) {
      if (TcxFilterCriteriaItem* found = FindInList(static_cast<TcxFilterCriteriaItemList*>(child), AItemLink))
        return found;
    } else if (static_cast<TcxFilterCriteriaItem*>(child)->GetItemLink() == AItemLink) {
      return static_cast<TcxFilterCriteriaItem*>(child);
    }
  }
  return nullptr;
}
}  // namespace

void TcxFilterCriteria::Prepare() { PrepareList(FRoot); }

void TcxFilterCriteria::Refresh() {
  BeginUpdate();
  TEndUpdate end{this};
  RecreateList(FRoot);
}

void TcxFilterCriteria::Clear() {
  BeginUpdate();
  TEndUpdate end{this};
  FRoot->Clear();
  FRoot->SetBoolOperatorKind(fboAnd);
}

bool TcxFilterCriteria::IsEmpty() { return FRoot->Count() == 0; }

TcxFilterCriteriaItem* TcxFilterCriteria::FindItemByItemLink(TObject* AItemLink) { return FindInList(FRoot, AItemLink); }

TcxFilterCriteriaItem* TcxFilterCriteria::AddItem(TcxFilterCriteriaItemList* AParent, TObject* AItemLink,
                                                  TcxFilterOperatorKind AOperatorKind, const Variant& AValue,
                                                  const String& ADisplayValue) {
  return (AParent ? AParent : FRoot)->AddItem(AItemLink, AOperatorKind, AValue, ADisplayValue);
}

bool TcxFilterCriteria::ValueIsNull(const Variant& AValue) {
  return FOptions.Contains(fcoSoftNull) ? VarIsSoftNull(AValue) : VarIsNull(AValue);
}

void TcxFilterCriteria::RestoreDefaults() {
  BeginUpdate();
  TEndUpdate end{this};
  SetOptions(TcxFilterCriteriaOptions());
  SetPercentWildcard('%');
  FSupportedLike = true;
  FTranslateBetween = FTranslateLike = FTranslateIn = false;
  SetUnderscoreWildcard('_');
}

void TcxFilterCriteria::SetOptions(TcxFilterCriteriaOptions Value) {
  if (FOptions == Value) return;
  FOptions = Value;
  Changed();
}

void TcxFilterCriteria::SetPercentWildcard(Char Value) {
  if (FPercentWildcard == Value) return;
  FPercentWildcard = Value;
  Changed();
}

void TcxFilterCriteria::SetUnderscoreWildcard(Char Value) {
  if (FUnderscoreWildcard == Value) return;
  FUnderscoreWildcard = Value;
  Changed();
}

void TcxFilterCriteria::SetDateTimeFormat(const String& Value) {
  if (FDateTimeFormat == Value) return;
  FDateTimeFormat = Value;
  Changed();
}

void TcxFilterCriteria::SetStoreItemLinkNames(bool Value) {
  if (GetStoreItemLinkNames() != Value) FVersion = Value ? 3 : 2;
}

String TcxFilterCriteria::ConvertBoolToStr(const Variant& AValue) { return VarToStr(AValue); }

String TcxFilterCriteria::ConvertDateToStr(const Variant& AValue) {
  if (!FDateTimeFormat.empty()) return FormatDateTime(FDateTimeFormat, VarToDateTime(AValue));
  return VarToStr(AValue);
}

Variant TcxFilterCriteria::PrepareValue(Variant AValue) {
  const TVarType type = VarType(AValue);
  if (type & varArray) {
    const Integer low = VarArrayLowBound(AValue, 1), high = VarArrayHighBound(AValue, 1);
    Variant result = VarArrayCreate({low, high}, varVariant);
    for (Integer i = low; i <= high; ++i) VarArrayPut(result, PrepareValue(VarArrayGet(AValue, {i})), {i});
    return result;
  }
  if (type == varCurrency) return Variant(AValue.ToDouble());
  if (FOptions.Contains(fcoCaseInsensitive) && VarIsStr(AValue)) return Variant(AnsiUpperCase(VarToStr(AValue)));
  return AValue;
}

bool TcxFilterCriteria::DoFilterData(void* AData) { return FRoot->Evaluate(AData); }

// ---- Texts ---------------------------------------------------------------------------------------------

String TcxFilterCriteria::GetFilterExpression(bool ADisplay) { return GetListExpression(FRoot, ADisplay); }

String TcxFilterCriteria::GetListExpression(TcxFilterCriteriaItemList* AList, bool ADisplay) {
  const TcxFilterBoolOperatorKind kind = AList->GetBoolOperatorKind();
  String joinWord;
  if (kind == fboOr || kind == fboNotOr)
    joinWord = ADisplay ? cxSFilterString(&cxSFilterOrCaption) : String("OR");
  else
    joinWord = ADisplay ? cxSFilterString(&cxSFilterAndCaption) : String("AND");
  String text;
  for (Integer i = 0; i < AList->Count(); ++i) {
    TcxCustomFilterCriteriaItem* child = AList->GetItem(i);
    if (i > 0) text += " " + joinWord + " ";
    text += "(";
    text += child->GetIsItemList() ? GetListExpression(static_cast<TcxFilterCriteriaItemList*>(child), ADisplay)
                                   : GetItemExpression(static_cast<TcxFilterCriteriaItem*>(child), ADisplay);
    text += ")";
  }
  if (kind == fboNotAnd || kind == fboNotOr)
    text = (ADisplay ? cxSFilterString(&cxSFilterNotCaption) : String("NOT")) + " (" + text + ")";
  return text;
}

String TcxFilterCriteria::GetItemExpression(TcxFilterCriteriaItem* AItem, bool ADisplay) {
  TcxFilterOperator* op = AItem->GetOperator();
  if (!ADisplay && op->IsExpression()) return op->GetExpressionFilterText(AItem->GetValue());
  String text = GetItemExpressionFieldName(AItem, ADisplay) + " " + GetItemExpressionOperator(AItem, ADisplay);
  const String value = GetItemExpressionValue(AItem, ADisplay);
  if (!value.empty()) text += " " + value;
  return text;
}

String TcxFilterCriteria::GetItemExpressionFieldName(TcxFilterCriteriaItem* AItem, bool ADisplay) {
  return ADisplay ? AItem->GetFieldCaption() : AItem->GetFieldName();
}

String TcxFilterCriteria::GetItemExpressionOperator(TcxFilterCriteriaItem* AItem, bool ADisplay) {
  TcxFilterOperator* op = AItem->GetOperator();
  if (ADisplay && (op->IsDescription() || FOptions.Contains(fcoShowOperatorDescription))) return op->DisplayText();
  return op->FilterText();
}

String TcxFilterCriteria::GetItemExpressionValue(TcxFilterCriteriaItem* AItem, bool ADisplay) {
  return AItem->GetExpressionValue(ADisplay);
}

// ---- Binary tree format --------------------------------------------------------------------------------

void TcxFilterCriteria::WriteData(TStream* AStream, Integer AMaxVersion) {
  Integer version = FVersion;
  if (AMaxVersion != 0 && version > AMaxVersion) version = AMaxVersion;
  FVersionWritten = version;
  WriteIntegerProc(AStream, version == 2 ? -1 : version == 3 ? -2 : 0);
  FRoot->WriteData(AStream);
}

void TcxFilterCriteria::ReadData(TStream* AStream) {
  BeginUpdate();
  TEndUpdate end{this};
  Clear();
  const Integer id = ReadIntegerFunc(AStream);
  FVersionRead = id == -2 ? 3 : id == -1 ? 2 : 1;
  if (FVersionRead == 1) {
    // The oldest format has no root record: the integer counts the root's children.
    if (id < 0) RaiseBadStream();
    ReadDepth = 0;
    ReadChildren(FRoot, AStream, id);
  } else {
    ReadDepth = 0;
    FRoot->ReadData(AStream);
  }
}

bool TcxFilterCriteria::EqualItems(TcxFilterCriteria* ACriteria) {
  TMemoryStream* mine = New<TMemoryStream>();
  TMemoryStream* theirs = New<TMemoryStream>();
  struct TFree {
    TMemoryStream* A;
    TMemoryStream* B;
    ~TFree() {
      A->Free();
      B->Free();
    }
  } release{mine, theirs};
  WriteData(mine, ACriteria->FVersion);
  ACriteria->WriteData(theirs, FVersion);
  return mine->GetSize() == theirs->GetSize() &&
         std::equal(static_cast<const char*>(mine->GetMemory()),
                    static_cast<const char*>(mine->GetMemory()) + mine->GetSize(),
                    static_cast<const char*>(theirs->GetMemory()));
}

// ---- Assignment ----------------------------------------------------------------------------------------

void TcxFilterCriteria::Assign(TPersistent* Source, bool AIgnoreItemNames) {
  auto* source = dynamic_cast<TcxFilterCriteria*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  BeginUpdate();
  TEndUpdate end{this};
  SetDateTimeFormat(source->FDateTimeFormat);
  FMaxValueListCount = source->FMaxValueListCount;
  SetOptions(source->FOptions);
  SetPercentWildcard(source->FPercentWildcard);
  FSupportedLike = source->FSupportedLike;
  FTranslateBetween = source->FTranslateBetween;
  FTranslateLike = source->FTranslateLike;
  FTranslateIn = source->FTranslateIn;
  SetUnderscoreWildcard(source->FUnderscoreWildcard);
  AssignItems(source, AIgnoreItemNames);
  AssignEvents(source);
}

void TcxFilterCriteria::AssignEvents(TPersistent* Source) {
  if (auto* source = dynamic_cast<TcxFilterCriteria*>(Source)) OnChanged = source->OnChanged;
}

void TcxFilterCriteria::AssignItems(TcxFilterCriteria* Source, bool AIgnoreItemNames) {
  if (EqualItems(Source)) return;
  BeginUpdate();
  TEndUpdate end{this};
  Clear();
  TMemoryStream* stream = New<TMemoryStream>();
  struct TFree {
    TMemoryStream* S;
    Integer* Version;
    Integer Saved;
    ~TFree() {
      *Version = Saved;
      S->Free();
    }
  } release{stream, &Source->FVersion, Source->FVersion};
  if (AIgnoreItemNames) Source->FVersion = std::min(Source->FVersion, 2);
  Source->WriteData(stream, FVersion);
  stream->SetPosition(0);
  ReadData(stream);
}

void TcxFilterCriteria::RemoveItemByItemLink(TObject* AItemLink) {
  BeginUpdate();
  bool removed = false;
  try {
    while (TcxFilterCriteriaItem* item = FindItemByItemLink(AItemLink)) {
      TcxFilterCriteriaItemList* parent = item->GetParent();
      item->Free();
      removed = true;
      if (parent && parent != FRoot) {
        if (parent->Count() == 0) {
          // Free the lists this left empty, up to the root.
          while (parent != FRoot && parent->Count() == 0) {
            TcxFilterCriteriaItemList* grandParent = parent->GetParent();
            parent->Free();
            parent = grandParent;
          }
        } else if (parent->Count() == 1 &&
                   (parent->GetBoolOperatorKind() == fboAnd || parent->GetBoolOperatorKind() == fboOr)) {
          // A list left with one child gives way to it, unless the list negates: NOT (c) is not c.
          TcxCustomFilterCriteriaItem* child = parent->GetItem(0);
          TcxFilterCriteriaItemList* grandParent = parent->GetParent();
          parent->RemoveItem(child);
          grandParent->Append(child);
          parent->Free();
        }
      }
    }
  } catch (...) {
    removed ? EndUpdate() : CancelUpdate();
    throw;
  }
  removed ? EndUpdate() : CancelUpdate();
}

// ---- Component stream ----------------------------------------------------------------------------------

void TcxFilterCriteria::SaveToStream(TStream* AStream) {
  TFilterWrapper* wrapper = New<TFilterWrapper>(nullptr);
  wrapper->SetFilter(this);
  FSavingToStream = true;
  struct TRestore {
    TcxFilterCriteria* C;
    TFilterWrapper* W;
    ~TRestore() {
      C->FSavingToStream = false;
      W->Free();
    }
  } restore{this, wrapper};
  Filer::WriteComponent(AStream, wrapper);
}

void TcxFilterCriteria::LoadFromStream(TStream* AStream) {
  BeginUpdate();
  TEndUpdate end{this};
  TFilterWrapper* wrapper = New<TFilterWrapper>(nullptr);
  struct TFree {
    TFilterWrapper* W;
    ~TFree() { W->Free(); }
  } release{wrapper};
  wrapper->SetFilter(this);
  Filer::ReadComponent(AStream, wrapper);
}

IMPLEMENT_CLASS_PUBLISHED(TFilterWrapper) {
  d.Property("Filter", &TFilterWrapper::GetFilter, &TFilterWrapper::SetFilter);
}

// ---- Value list ----------------------------------------------------------------------------------------

IMPLEMENT_CLASS(TcxFilterValueList)

void TcxFilterValueList::Construct() { inherited::Construct(); }

Integer TcxFilterValueList::GetMRUSeparatorIndex() const {
  for (Integer i = 0; i < Count(); ++i) {
    const TcxFilterValueItemKind kind = FItems[static_cast<size_t>(i)].Kind;
    if (kind == fviMRUSeparator) return i;
    if (kind != fviMRU) return -1;
  }
  return -1;
}

Integer TcxFilterValueList::GetStartValueIndex() const {
  for (Integer i = 0; i < Count(); ++i)
    if (FItems[static_cast<size_t>(i)].Kind == fviValue) return i;
  return Count();
}

Integer TcxFilterValueList::CompareItem(Integer AIndex, const Variant& AValue, const String& ADisplayText) {
  const TcxFilterValueItem& item = FItems.at(static_cast<size_t>(AIndex));
  const bool caseInsensitive = FCriteria && FCriteria->GetOptions().Contains(fcoCaseInsensitive);
  if (FSortByDisplayText) {
    const Integer result = caseInsensitive ? AnsiCompareStr(AnsiUpperCase(item.DisplayText), AnsiUpperCase(ADisplayText))
                                           : AnsiCompareStr(item.DisplayText, ADisplayText);
    if (result != 0) return result;
  }
  if (FCriteria) return VarCompare(FCriteria->PrepareValue(item.Value), FCriteria->PrepareValue(AValue));
  return VarCompare(item.Value, AValue);
}

bool TcxFilterValueList::Find(const Variant& AValue, const String& ADisplayText, Integer& AIndex) {
  const Integer separator = GetMRUSeparatorIndex();
  for (Integer i = 0; i < separator; ++i)
    if (CompareItem(i, AValue, ADisplayText) == 0) {
      AIndex = i;
      return true;
    }
  Integer low = GetStartValueIndex(), high = Count() - 1;
  bool found = false;
  while (low <= high) {
    const Integer middle = (low + high) / 2;
    const Integer result = CompareItem(middle, AValue, ADisplayText);
    if (result < 0) {
      low = middle + 1;
    } else {
      high = middle - 1;
      if (result == 0) {
        low = middle;
        found = true;
      }
    }
  }
  AIndex = low;
  return found;
}

void TcxFilterValueList::Add(TcxFilterValueItemKind AKind, const Variant& AValue, const String& ADisplayText,
                             bool AAddToEnd) {
  Integer index;
  if (AKind == fviMRU) {
    index = GetMRUSeparatorIndex();
    if (index < 0) {
      FItems.insert(FItems.begin(), TcxFilterValueItem{fviMRUSeparator, Null(), String()});
      index = 0;
    }
  } else if (AKind == fviValue) {
    if (AAddToEnd) {
      index = Count();
    } else {
      if (GetMaxCount() != 0 && Count() >= GetMaxCount()) return;
      if (Find(AValue, ADisplayText, index)) return;
    }
  } else {
    index = GetStartValueIndex();
  }
  FItems.insert(FItems.begin() + index, TcxFilterValueItem{AKind, AValue, ADisplayText});
}

void TcxFilterValueList::Clear() { FItems.clear(); }

void TcxFilterValueList::Delete(Integer AIndex) {
  if (AIndex >= 0 && AIndex < Count()) FItems.erase(FItems.begin() + AIndex);
}

Integer TcxFilterValueList::FindItemByKind(TcxFilterValueItemKind AKind) const {
  for (Integer i = 0; i < Count(); ++i)
    if (FItems[static_cast<size_t>(i)].Kind == AKind) return i;
  return -1;
}

Integer TcxFilterValueList::FindItemByKind(TcxFilterValueItemKind AKind, const Variant& AValue) const {
  for (Integer i = 0; i < Count(); ++i) {
    const TcxFilterValueItem& item = FItems[static_cast<size_t>(i)];
    if (item.Kind == AKind && (VarIsNull(AValue) || VarEquals(item.Value, AValue))) return i;
  }
  return -1;
}

Integer TcxFilterValueList::FindItemByValue(const Variant& AValue) {
  Integer index;
  return Find(AValue, VarToStr(AValue), index) ? index : -1;
}

Integer TcxFilterValueList::GetIndexByCriteriaItem(TcxFilterCriteriaItem* AItem) {
  if (!AItem) return FindItemByKind(fviAll);
  const TcxFilterOperatorKind kind = AItem->GetOperatorKind();
  if ((kind == foEqual || kind == foNotEqual) && AItem->ValueIsNull(AItem->GetValue()))
    return FindItemByKind(kind == foEqual ? fviBlanks : fviNonBlanks);
  if (kind == foEqual) {
    Integer index;
    if (Find(AItem->GetValue(), AItem->GetDisplayValueText(), index)) return index;
  }
  return FindItemByKind(fviCustom);
}

}  // namespace cxFilter
