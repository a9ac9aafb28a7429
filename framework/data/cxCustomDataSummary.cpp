#include "cxCustomDataSummary.h"

#include <algorithm>
#include <cstring>

#include "DateFormat.h"
#include "Filer.h"
#include "FloatFormat.h"
#include "TypInfo.h"
#include "cxCustomData.h"
#include "cxCustomDataGuards.h"
#include "cxDataStorage.h"
#include "cxDataUtils.h"

namespace cxCustomData {

IMPLEMENT_CLASS(TcxCustomDataSummaryItem)
IMPLEMENT_CLASS_PUBLISHED(TcxDataSummaryItem) {
  d.Property("Format", &TcxDataSummaryItem::GetFormat, &TcxDataSummaryItem::SetFormat);
  d.Property("Kind", &TcxDataSummaryItem::GetKind, &TcxDataSummaryItem::SetKind).Default(skNone);
  d.Property("OnGetText", &TcxDataSummaryItem::GetOnGetText, &TcxDataSummaryItem::SetOnGetText);
  // Footer items always show in the footer: their position is never written.
  d.Property("Position", &TcxDataSummaryItem::GetPosition, &TcxDataSummaryItem::SetPosition)
      .Stored(&TcxDataSummaryItem::PositionStored);
}
IMPLEMENT_CLASS_PUBLISHED(TcxDataSummaryItems) {
  d.Property("OnSummary", &TcxDataSummaryItems::GetOnSummary, &TcxDataSummaryItems::SetOnSummary);
}
IMPLEMENT_CLASS(TcxDataFooterSummaryItems)
IMPLEMENT_CLASS_PUBLISHED(TcxDataGroupSummaryItems) {
  d.Property("BeginText", &TcxDataGroupSummaryItems::GetBeginText, &TcxDataGroupSummaryItems::SetBeginText)
      .Stored(&TcxDataGroupSummaryItems::IsBeginTextStored);
  d.Property("EndText", &TcxDataGroupSummaryItems::GetEndText, &TcxDataGroupSummaryItems::SetEndText)
      .Stored(&TcxDataGroupSummaryItems::IsEndTextStored);
  d.Property("Separator", &TcxDataGroupSummaryItems::GetSeparator, &TcxDataGroupSummaryItems::SetSeparator)
      .Stored(&TcxDataGroupSummaryItems::IsSeparatorStored);
}
IMPLEMENT_CLASS(TcxDataSummaryGroupItemLink)
IMPLEMENT_CLASS(TcxDataSummaryGroupItemLinks)
IMPLEMENT_CLASS_PUBLISHED(TcxDataSummaryGroup) {
  d.Property("Links", &TcxDataSummaryGroup::GetLinks, &TcxDataSummaryGroup::SetLinks);
  d.Property("SummaryItems", &TcxDataSummaryGroup::GetSummaryItems, &TcxDataSummaryGroup::SetSummaryItems);
}
IMPLEMENT_CLASS(TcxDataSummaryGroups)
IMPLEMENT_CLASS_PUBLISHED(TcxDataSummary) {
  d.Property("DefaultGroupSummaryItems", &TcxDataSummary::GetDefaultGroupSummaryItems,
             &TcxDataSummary::SetDefaultGroupSummaryItems);
  d.Property("FooterSummaryItems", &TcxDataSummary::GetFooterSummaryItems, &TcxDataSummary::SetFooterSummaryItems);
  d.Property("Options", &TcxDataSummary::GetOptions, &TcxDataSummary::SetOptions).Default(TcxSummaryOptions());
  d.Property("SummaryGroups", &TcxDataSummary::GetSummaryGroups, &TcxDataSummary::SetSummaryGroups);
  d.Property("OnAfterSummary", &TcxDataSummary::GetOnAfterSummary, &TcxDataSummary::SetOnAfterSummary);
}

namespace {

String ReplaceAll(String S, const String& AFrom, const String& ATo) {
  for (size_t P = S.find(AFrom); P != String::npos; P = S.find(AFrom, P + ATo.size())) S.replace(P, AFrom.size(), ATo);
  return S;
}

}  // namespace

// ---- Items ---------------------------------------------------------------------------------------------------------

TcxCustomDataController* TcxCustomDataSummaryItem::GetDataController() { return nullptr; }

TObject* TcxCustomDataSummaryItem::GetItemLink() const { return FField ? FField->GetItem() : nullptr; }

void TcxCustomDataSummaryItem::SetItemLink(TObject* Value) {
  if (GetItemLink() == Value && (Value || !FField)) return;
  TcxCustomDataController* C = GetDataController();
  TcxCustomDataField* AField = Value && C ? C->GetFields()->FieldByItem(Value) : nullptr;
  TCollection* AColl = GetCollection();
  if (AColl) AColl->BeginUpdate();
  try {
    ItemLinkChanging(AField);
    FField = AField;
  } catch (...) {
    if (AColl) AColl->EndUpdate();
    throw;
  }
  if (AColl) AColl->EndUpdate();
}

void TcxCustomDataSummaryItem::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TcxCustomDataSummaryItem*>(Source);
  if (!S) {
    inherited::Assign(Source);
    return;
  }
  TcxCustomDataController* C = GetDataController();
  SetItemLink(C && S->GetItemLink() ? C->FindProperItemLink(S->GetItemLink()) : S->GetItemLink());
}

TcxDataSummaryItems* TcxDataSummaryItem::GetSummaryItems() const {
  return static_cast<TcxDataSummaryItems*>(GetCollection());
}

TcxCustomDataController* TcxDataSummaryItem::GetDataController() {
  return GetSummaryItems() ? GetSummaryItems()->GetDataController() : nullptr;
}

bool TcxDataSummaryItem::IsCurrency(TVarType AVarType) { return AVarType == varCurrency; }

bool TcxDataSummaryItem::IsDataBinded() { return GetField() || (FKind == skCount && GetPosition() == spGroup); }

bool TcxDataSummaryItem::IsPositionStored() {
  return GetSummaryItems() ? GetSummaryItems()->IsPositionStored(this) : true;
}

TcxSummaryPosition TcxDataSummaryItem::GetPosition() {
  return GetSummaryItems() ? GetSummaryItems()->GetItemPosition(this) : FPosition;
}

void TcxDataSummaryItem::SetPosition(TcxSummaryPosition Value) {
  if (FPosition == Value) return;
  FPosition = Value;
  Changed(false);
}

void TcxDataSummaryItem::SetFormat(const String& Value) {
  if (FFormat == Value) return;
  FFormat = Value;
  Changed(false);
}

void TcxDataSummaryItem::SetKind(TcxSummaryKind Value) {
  if (FKind == Value) return;
  FKind = Value;
  Changed(true);
}

void TcxDataSummaryItem::SetSorted(bool Value) {
  TcxCustomDataController* C = GetDataController();
  if (FSorted == Value || (C && C->GetSortingBySummaryDataItemIndex() != -1)) return;
  if (GetSummaryItems()) GetSummaryItems()->BeforeSortingChange(this, Value);
  FSorted = Value;
  if (C) C->DoSortingBySummaryChanged();
}

void TcxDataSummaryItem::Assign(TPersistent* Source) {
  inherited::Assign(Source);
  if (auto* S = dynamic_cast<TcxDataSummaryItem*>(Source)) {
    FFormat = S->FFormat;
    FKind = S->FKind;
    FPosition = S->FPosition;
    FSorted = S->FSorted;
    OnGetText = S->OnGetText;
    Changed(true);
  }
}

void TcxDataSummaryItem::Destroy() {
  if (FSorted && GetCollection()) SetSorted(false);
  inherited::Destroy();
}

String TcxDataSummaryItem::FormatValue(const Variant& AValue, bool AIsFooter) {
  String AText;
  if (VarIsNull(AValue) || VarIsEmpty(AValue)) {
    AText = String();
  } else if (FKind == skNone) {
    AText = VarToStr(AValue);
  } else {
    const TVarType T = VarType(AValue);
    const TcxSummaryValueType AType = IsCurrency(T) ? svtCurrency : T == varDate ? svtDate : svtFloat;
    String AFormat = FFormat;
    if (AFormat.empty() && GetSummaryItems()) AFormat = GetSummaryItems()->DefaultFormat(AType, FKind, AIsFooter);
    if (T == varDate && FKind != skCount) {
      const TDateTime D = AValue.ToDouble();
      const TDateTime ADate = DateOf(D);
      const TDateTime ATime = TimeOf(D);
      AText = AFormat + (ATime == 0 ? DateToStr(D) : ADate == 0 ? TimeToStr(D) : DateTimeToStr(D));
    } else {
      AText = FormatFloat(AFormat, AValue.ToDouble());
    }
  }
  if (OnGetText) OnGetText(this, AValue, AIsFooter, AText);
  return AText;
}

// ---- Item collections --------------------------------------------------------------------------------------------

TcxCustomDataController* TcxDataSummaryItems::GetDataController() const {
  return FSummary ? FSummary->GetDataController() : nullptr;
}

TPersistent* TcxDataSummaryItems::GetOwner() { return FSummary; }

TcxDataSummaryItem* TcxDataSummaryItems::Items(Integer AIndex) const {
  return static_cast<TcxDataSummaryItem*>(GetItem(AIndex));
}

TcxDataSummaryItem* TcxDataSummaryItems::Add() { return As<TcxDataSummaryItem>(TCollection::Add()); }

TcxDataSummaryItem* TcxDataSummaryItems::Add(TObject* AItemLink, TcxSummaryPosition APosition, TcxSummaryKind AKind,
                                             const String& AFormat) {
  BeginUpdate();
  TcxDataSummaryItem* A;
  try {
    A = Add();
    A->SetItemLink(AItemLink);
    A->FPosition = APosition;
    A->FKind = AKind;
    A->FFormat = AFormat;
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  return A;
}

void TcxDataSummaryItems::Update(TCollectionItem* Item) {
  if (FSummary) FSummary->Changed(Item != nullptr);
}

void TcxDataSummaryItems::ChangedView() {
  if (FSummary) FSummary->Changed(true);
}

bool TcxDataSummaryItems::IsPropertiesEmpty(TcxSummaryProperties AProperties, const String& AFormat,
                                            TcxSummaryKind AKind, bool ASorted) {
  return (!AProperties.Contains(spFormat) || AFormat.empty()) && (!AProperties.Contains(spKind) || AKind == skNone) &&
         (!AProperties.Contains(spSorted) || !ASorted);
}

void TcxDataSummaryItems::AssignEvents(TPersistent* ASource) {
  if (auto* S = dynamic_cast<TcxDataSummaryItems*>(ASource)) OnSummary = S->OnSummary;
}

void TcxDataSummaryItems::Assign(TPersistent* Source) {
  inherited::Assign(Source);
  AssignEvents(Source);
}

String TcxDataSummaryItems::DefaultFormat(TcxSummaryValueType AValueType, TcxSummaryKind AKind, bool AIsFooter) {
  static const char* const ATexts[3][2][5] = {
      // float
      {{"SUM=0.00;SUM=-0.00", "MIN=0.00;MIN=-0.00", "MAX=0.00;MAX=-0.00", "COUNT=0", "AVG=0.00;AVG=-0.00"},
       {"0.00;-0.00", "MIN=0.00;MIN=-0.00", "MAX=0.00;MAX=-0.00", "0", "AVG=0.00;AVG=-0.00"}},
      // currency
      {{"SUM=%s;SUM=-%s", "MIN=%s;MIN=-%s", "MAX=%s;MAX=-%s", "COUNT=0", "AVG=%s;AVG=-%s"},
       {"%s;-%s", "MIN=%s;MIN=-%s", "MAX=%s;MAX=-%s", "0", "AVG=%s;AVG=-%s"}},
      // date
      {{"SUM=", "MIN=", "MAX=", "COUNT=0", "AVG="}, {"", "MIN=", "MAX=", "0", "AVG="}}};
  if (AKind == skNone) return String();
  String S = ATexts[AValueType][AIsFooter ? 1 : 0][AKind - skSum];
  if (AValueType == svtCurrency) S = ReplaceAll(S, "%s", DefaultCurrencyDisplayFormat());
  return S;
}

TcxDataSummaryItem* TcxDataSummaryItems::GetDataItem(Integer AItemIndex, TcxSummaryPosition APosition, bool ACheckKind,
                                                     TcxSummaryKind AKind) {
  TcxCustomDataController* C = GetDataController();
  C->CheckItemRange(AItemIndex);
  TcxCustomDataField* F = C->GetField(AItemIndex);
  for (Integer I = 0; I < Count(); ++I) {
    TcxDataSummaryItem* A = Items(I);
    if (A->GetField() == F && A->GetPosition() == APosition && (!ACheckKind || A->GetKind() == AKind)) return A;
  }
  return nullptr;
}

void TcxDataSummaryItems::DeleteItems(TObject* AItemLink, TcxSummaryPosition APosition) {
  for (Integer I = Count() - 1; I >= 0; --I)
    if (Items(I)->GetItemLink() == AItemLink && Items(I)->GetPosition() == APosition) Items(I)->Free();
}

Integer TcxDataSummaryItems::IndexOf(TcxDataSummaryItem* AItem) const {
  for (Integer I = 0; I < Count(); ++I)
    if (Items(I) == AItem) return I;
  return -1;
}

Integer TcxDataSummaryItems::IndexOfItemLink(TObject* AItemLink) const {
  for (Integer I = 0; I < Count(); ++I)
    if (Items(I)->GetItemLink() == AItemLink) return I;
  return -1;
}

TcxDataSummaryItem* TcxDataSummaryItems::ItemOfItemLink(TObject* AItemLink) const {
  const Integer I = IndexOfItemLink(AItemLink);
  return I == -1 ? nullptr : Items(I);
}

Integer TcxDataSummaryItems::IndexOfField(TcxCustomDataField* AField) const {
  for (Integer I = 0; I < Count(); ++I)
    if (Items(I)->GetField() == AField) return I;
  return -1;
}

TcxDataSummaryItem* TcxDataSummaryItems::ItemOfField(TcxCustomDataField* AField) const {
  const Integer I = IndexOfField(AField);
  return I == -1 ? nullptr : Items(I);
}

TcxDataSummaryItem* TcxDataSummaryItems::AddDataItem(Integer AItemIndex, TcxSummaryPosition APosition) {
  TcxCustomDataController* C = GetDataController();
  return Add(C->GetItem(AItemIndex), APosition, skNone);
}

void TcxDataSummaryItems::GetDataItemProperties(Integer AItemIndex, TcxSummaryPosition APosition, String& AFormat,
                                                TcxSummaryKind& AKind, bool& ASorted) {
  TcxDataSummaryItem* A = GetDataItem(AItemIndex, APosition);
  AFormat = A ? A->GetFormat() : String();
  AKind = A ? A->GetKind() : skNone;
  ASorted = A && A->GetSorted();
}

String TcxDataSummaryItems::GetDataItemFormat(Integer AItemIndex, TcxSummaryPosition APosition) {
  TcxDataSummaryItem* A = GetDataItem(AItemIndex, APosition);
  return A ? A->GetFormat() : String();
}
TcxSummaryKind TcxDataSummaryItems::GetDataItemKind(Integer AItemIndex, TcxSummaryPosition APosition) {
  TcxDataSummaryItem* A = GetDataItem(AItemIndex, APosition);
  return A ? A->GetKind() : skNone;
}
bool TcxDataSummaryItems::GetDataItemSorted(Integer AItemIndex, TcxSummaryPosition APosition) {
  TcxDataSummaryItem* A = GetDataItem(AItemIndex, APosition);
  return A && A->GetSorted();
}
void TcxDataSummaryItems::SetDataItemFormat(Integer AItemIndex, TcxSummaryPosition APosition, const String& Value) {
  SetDataItemProperties(AItemIndex, APosition, {spFormat}, Value, skNone, false);
}
void TcxDataSummaryItems::SetDataItemKind(Integer AItemIndex, TcxSummaryPosition APosition, TcxSummaryKind Value) {
  SetDataItemProperties(AItemIndex, APosition, {spKind}, String(), Value, false);
}
void TcxDataSummaryItems::SetDataItemSorted(Integer AItemIndex, TcxSummaryPosition APosition, bool Value) {
  SetDataItemProperties(AItemIndex, APosition, {spSorted}, String(), skNone, Value);
}

void TcxDataSummaryItems::SetDataItemProperties(Integer AItemIndex, TcxSummaryPosition APosition,
                                                TcxSummaryProperties AProperties, const String& AFormat,
                                                TcxSummaryKind AKind, bool ASorted) {
  TcxDataSummaryItem* A = GetDataItem(AItemIndex, APosition);
  if (A) {
    SetItemProperties(A, AProperties, AFormat, AKind, ASorted);
    CheckItemEmpty(A);
  } else if (!IsPropertiesEmpty(AProperties, AFormat, AKind, ASorted)) {
    SetItemProperties(AddDataItem(AItemIndex, APosition), AProperties, AFormat, AKind, ASorted);
  }
}

void TcxDataSummaryItems::SetItemProperties(TcxDataSummaryItem* AItem, TcxSummaryProperties AProperties,
                                            const String& AFormat, TcxSummaryKind AKind, bool ASorted) {
  if (AProperties.Contains(spFormat)) AItem->SetFormat(AFormat);
  if (AProperties.Contains(spKind)) AItem->SetKind(AKind);
  if (AProperties.Contains(spSorted)) AItem->SetSorted(ASorted);
}

void TcxDataSummaryItems::CheckItemEmpty(TcxDataSummaryItem* AItem) {
  if (AItem->GetFormat().empty() && AItem->GetKind() == skNone && !AItem->GetSorted()) AItem->Free();
}

// ---- Group collections -------------------------------------------------------------------------------------------

TPersistent* TcxDataGroupSummaryItems::GetOwner() {
  return FOwnerGroup ? static_cast<TPersistent*>(FOwnerGroup) : TcxDataSummaryItems::GetOwner();
}

void TcxDataGroupSummaryItems::BeforeSortingChange(TcxDataSummaryItem* AItem, bool AValue) {
  if (!AValue) return;
  for (Integer I = 0; I < Count(); ++I)
    if (Items(I) != AItem && Items(I)->FSorted) Items(I)->FSorted = false;
}

TcxDataSummaryItem* TcxDataGroupSummaryItems::SortedSummaryItem() const {
  TcxCustomDataController* C = GetDataController();
  const Integer AIndex = C ? C->GetSortingBySummaryDataItemIndex() : -1;
  if (AIndex != -1) return ItemOfItemLink(C->GetItem(AIndex));
  for (Integer I = 0; I < Count(); ++I)
    if (Items(I)->GetSorted()) return Items(I);
  return nullptr;
}

String TcxDataGroupSummaryItems::GetGroupText(const Variant& AValues) {
  String S;
  bool AFirst = true;
  for (Integer I = 0; I < Count(); ++I) {
    TcxDataSummaryItem* A = Items(I);
    if (A->GetPosition() != spGroup) continue;
    Variant V;
    if (VarIsArray(AValues) && I <= VarArrayHighBound(AValues, 1)) V = VarArrayGet(AValues, {I});
    if (!AFirst) S += FSeparator + " ";
    S += A->FormatValue(V, false);
    AFirst = false;
  }
  if (!S.empty()) S = FBeginText + S + FEndText;
  return S;
}

void TcxDataGroupSummaryItems::Assign(TPersistent* Source) {
  inherited::Assign(Source);
  if (auto* S = dynamic_cast<TcxDataGroupSummaryItems*>(Source)) {
    FBeginText = S->FBeginText;
    FEndText = S->FEndText;
    FSeparator = S->FSeparator;
  }
}

void TcxDataGroupSummaryItems::SetBeginText(const String& Value) {
  if (FBeginText == Value) return;
  FBeginText = Value;
  ChangedView();
}
void TcxDataGroupSummaryItems::SetEndText(const String& Value) {
  if (FEndText == Value) return;
  FEndText = Value;
  ChangedView();
}
void TcxDataGroupSummaryItems::SetSeparator(const String& Value) {
  if (FSeparator == Value) return;
  FSeparator = Value;
  ChangedView();
}

void TcxDataGroupSummaryItems::DefineProperties(Filer::TFiler* AFiler) {
  inherited::DefineProperties(AFiler);
  // A published string is not written when empty, yet an emptied text differs from its default:
  // it is written here under its own name, and read back as the published property.
  using TSetter = void (TcxDataGroupSummaryItems::*)(const String&);
  auto define = [this, AFiler](const char* AName, const String& AText, TSetter ASetter) {
    Filer::TReaderProc read([this, ASetter](Filer::TReader* AReader) { (this->*ASetter)(AReader->ReadString()); });
    Filer::TWriterProc write([](Filer::TWriter* AWriter) { AWriter->WriteString(String()); });
    AFiler->DefineProperty(AName, read, write, AText.empty());
  };
  define("BeginText", FBeginText, &TcxDataGroupSummaryItems::SetBeginText);
  define("EndText", FEndText, &TcxDataGroupSummaryItems::SetEndText);
  define("Separator", FSeparator, &TcxDataGroupSummaryItems::SetSeparator);
}

// ---- Summary groups ------------------------------------------------------------------------------------------------

TcxDataSummaryGroup* TcxDataSummaryGroupItemLink::GetSummaryGroup() const {
  auto* L = dynamic_cast<TcxDataSummaryGroupItemLinks*>(GetCollection());
  return L ? L->GetSummaryGroup() : nullptr;
}

TcxCustomDataController* TcxDataSummaryGroupItemLink::GetDataController() {
  TcxDataSummaryGroup* G = GetSummaryGroup();
  return G && G->GetSummary() ? G->GetSummary()->GetDataController() : nullptr;
}

// A grouping field belongs to at most one summary group.
void TcxDataSummaryGroupItemLink::ItemLinkChanging(TcxCustomDataField* AField) {
  TcxDataSummaryGroup* G = GetSummaryGroup();
  if (!AField || !G || !G->GetSummaryGroups()) return;
  TcxDataSummaryGroups* AGroups = G->GetSummaryGroups();
  for (Integer I = 0; I < AGroups->Count(); ++I) {
    TcxDataSummaryGroupItemLinks* L = AGroups->Items(I)->GetLinks();
    for (Integer K = L->Count() - 1; K >= 0; --K)
      if (L->Items(K) != this && L->Items(K)->GetField() == AField) L->Items(K)->Free();
  }
}

TcxDataSummaryGroupItemLink* TcxDataSummaryGroupItemLinks::Add() {
  return As<TcxDataSummaryGroupItemLink>(TCollection::Add());
}
TcxDataSummaryGroupItemLink* TcxDataSummaryGroupItemLinks::Items(Integer AIndex) const {
  return static_cast<TcxDataSummaryGroupItemLink*>(GetItem(AIndex));
}
Integer TcxDataSummaryGroupItemLinks::IndexOfItemLink(TObject* AItemLink) const {
  for (Integer I = 0; I < Count(); ++I)
    if (Items(I)->GetItemLink() == AItemLink) return I;
  return -1;
}
TcxDataSummaryGroupItemLink* TcxDataSummaryGroupItemLinks::ItemOfItemLink(TObject* AItemLink) const {
  const Integer I = IndexOfItemLink(AItemLink);
  return I == -1 ? nullptr : Items(I);
}
Integer TcxDataSummaryGroupItemLinks::IndexOfField(TcxCustomDataField* AField) const {
  for (Integer I = 0; I < Count(); ++I)
    if (Items(I)->GetField() == AField) return I;
  return -1;
}
TcxDataSummaryGroupItemLink* TcxDataSummaryGroupItemLinks::ItemOfField(TcxCustomDataField* AField) const {
  const Integer I = IndexOfField(AField);
  return I == -1 ? nullptr : Items(I);
}
void TcxDataSummaryGroupItemLinks::Update(TCollectionItem*) {
  if (FSummaryGroup && FSummaryGroup->GetSummary()) FSummaryGroup->GetSummary()->Changed(false);
}
TPersistent* TcxDataSummaryGroupItemLinks::GetOwner() { return FSummaryGroup; }

TcxDataSummaryGroups* TcxDataSummaryGroup::GetSummaryGroups() const {
  return dynamic_cast<TcxDataSummaryGroups*>(GetCollection());
}

TcxDataSummary* TcxDataSummaryGroup::GetSummary() const {
  return GetSummaryGroups() ? GetSummaryGroups()->GetSummary() : nullptr;
}

void TcxDataSummaryGroup::Construct() {
  inherited::Construct();
  TcxDataSummary* S = GetSummary();
  FSummaryItems = New<TcxDataGroupSummaryItems>(
      S, S ? S->GetSummaryItemClass() : TcxDataSummaryItem::StaticClass(), this);
}

void TcxDataSummaryGroup::SetLinks(TcxDataSummaryGroupItemLinks* Value) { GetLinks()->Assign(Value); }

void TcxDataSummaryGroup::SetSummaryItems(TcxDataGroupSummaryItems* Value) { FSummaryItems->Assign(Value); }

TcxDataSummaryGroupItemLinks* TcxDataSummaryGroup::GetLinks() {
  if (!FLinks) {
    TcxDataSummary* S = GetSummary();
    FLinks = New<TcxDataSummaryGroupItemLinks>(
        this, S ? S->GetSummaryGroupItemLinkClass() : TcxDataSummaryGroupItemLink::StaticClass());
  }
  return FLinks;
}

void TcxDataSummaryGroup::Assign(TPersistent* Source) {
  if (auto* S = dynamic_cast<TcxDataSummaryGroup*>(Source)) {
    GetLinks()->Assign(S->GetLinks());
    FSummaryItems->Assign(S->FSummaryItems);
  } else {
    inherited::Assign(Source);
  }
}

void TcxDataSummaryGroup::Destroy() {
  FreeAndNil(FLinks);
  FreeAndNil(FSummaryItems);
  inherited::Destroy();
}

TcxDataSummaryGroup* TcxDataSummaryGroups::Add() { return As<TcxDataSummaryGroup>(TCollection::Add()); }
TcxDataSummaryGroup* TcxDataSummaryGroups::Items(Integer AIndex) const {
  return static_cast<TcxDataSummaryGroup*>(GetItem(AIndex));
}
TcxDataSummaryGroup* TcxDataSummaryGroups::FindByItemLink(TObject* AItemLink) const {
  for (Integer I = 0; I < Count(); ++I)
    if (Items(I)->GetLinks()->IndexOfItemLink(AItemLink) != -1) return Items(I);
  return nullptr;
}
void TcxDataSummaryGroups::Update(TCollectionItem*) {
  if (FSummary) FSummary->Changed(false);
}
TPersistent* TcxDataSummaryGroups::GetOwner() { return FSummary; }

// ---- TcxDataSummary ------------------------------------------------------------------------------------------------

void TcxDataSummary::Construct() {
  inherited::Construct();
  FDefaultGroupSummaryItems = New<TcxDataGroupSummaryItems>(this, GetSummaryItemClass(), nullptr);
  FFooterSummaryItems = New<TcxDataFooterSummaryItems>(this, GetSummaryItemClass());
  FSummaryGroups = New<TcxDataSummaryGroups>(this);
}

void TcxDataSummary::Destroy() {
  FDestroying = true;
  FreeAndNil(FSummaryGroups);
  FreeAndNil(FFooterSummaryItems);
  FreeAndNil(FDefaultGroupSummaryItems);
  inherited::Destroy();
}

TPersistent* TcxDataSummary::GetOwner() { return FDataController; }

TClass TcxDataSummary::GetSummaryItemClass() {
  return FDataController ? FDataController->GetSummaryItemClass() : TcxDataSummaryItem::StaticClass();
}

TClass TcxDataSummary::GetSummaryGroupItemLinkClass() {
  return FDataController ? FDataController->GetSummaryGroupItemLinkClass()
                         : TcxDataSummaryGroupItemLink::StaticClass();
}

void TcxDataSummary::BeginUpdate() {
  FDataController->BeginUpdate();
  ++FLockCount;
}

void TcxDataSummary::EndUpdate() {
  --FLockCount;
  try {
    Changed(false);
  } catch (...) {
    FDataController->EndUpdate();
    throw;
  }
  FDataController->EndUpdate();
}

void TcxDataSummary::CancelUpdate() {
  FDataController->EndUpdate();
  --FLockCount;
}

void TcxDataSummary::Changed(bool ARedrawOnly) {
  if (FLockCount > 0 || FInAfterSummary) return;
  Update(ARedrawOnly);
}

void TcxDataSummary::Update(bool ARedrawOnly) {
  if (!FDestroying && FDataController) FDataController->SummaryChanged(ARedrawOnly);
}

void TcxDataSummary::SetOptions(TcxSummaryOptions AValue) {
  if (AValue.Contains(soSelectedRecords) && AValue.Contains(soMultipleSelectedRecords))
    AValue.Exclude(FOptions.Contains(soSelectedRecords) ? soSelectedRecords : soMultipleSelectedRecords);
  if (AValue == FOptions) return;
  FOptions = AValue;
  Changed(false);
}

void TcxDataSummary::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TcxDataSummary*>(Source);
  if (!S) {
    inherited::Assign(Source);
    return;
  }
  BeginUpdate();
  try {
    FDefaultGroupSummaryItems->Assign(S->FDefaultGroupSummaryItems);
    FFooterSummaryItems->Assign(S->FFooterSummaryItems);
    FSummaryGroups->Assign(S->FSummaryGroups);
    SetOptions(S->FOptions);
    AssignEvents(S);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TcxDataSummary::AssignEvents(TPersistent* ASource) {
  if (auto* S = dynamic_cast<TcxDataSummary*>(ASource)) OnAfterSummary = S->OnAfterSummary;
}

// ---- Calculation ---------------------------------------------------------------------------------------------------

void TcxDataSummary::DoSummaryValue(TcxDataSummaryItem* AItem, Integer ARecordIndex, Variant& AValue,
                                    Integer& ACount) {
  if (!AItem->IsDataBinded()) return;
  TcxCustomDataField* F = AItem->GetField();
  Variant V = F ? FDataController->GetInternalValue(ARecordIndex, F) : Null();
  TcxDataSummaryItems* AItems = AItem->GetSummaryItems();
  bool ADone = false;
  if (AItems && AItems->OnSummary) {
    TcxSummaryEventOutArguments AOut{V, AValue, ACount, false};
    AItems->OnSummary(AItems, TcxSummaryEventArguments{ARecordIndex, AItem}, AOut);
    V = AOut.Value;
    AValue = AOut.SummaryValue;
    ACount = AOut.CountValue;
    ADone = AOut.Done;
  }
  if (!ADone) cxSummaryAccumulate(AItem->GetKind(), FOptions, F == nullptr, V, AValue, ACount);
}

void TcxDataSummary::DoFinishSummaryValue(TcxDataSummaryItem* AItem, Variant& AValue, Integer& ACount) {
  if (AItem->IsDataBinded()) cxSummaryFinish(AItem->GetKind(), AValue, ACount);
}

void TcxDataSummary::BeginCalculateSummary(TcxDataSummaryItems* AItems, std::vector<Integer>& ACounts,
                                           std::vector<Variant>& AValues) {
  ACounts.assign(static_cast<size_t>(AItems->Count()), 0);
  AValues.assign(static_cast<size_t>(AItems->Count()), Unassigned());
}

// One stored number of every record of the view, by list position: whether it is Null, and its bytes.
struct TcxSummaryStoredColumn {
  TcxValueDef* ValueDef;
  std::vector<uint8_t> Nulls;
  std::vector<uint64_t> Values;
};

size_t TcxDataSummary::StoredColumn(TcxValueDef* AValueDef) {
  for (size_t I = 0; I < FStoredColumns->size(); ++I)
    if ((*FStoredColumns)[I].ValueDef == AValueDef) return I;
  TcxSummaryStoredColumn& A = FStoredColumns->emplace_back();
  A.ValueDef = AValueDef;
  TcxDataStorage* AStorage = FDataController->GetDataStorage();
  const TcxRecordList& AList = FDataController->GetDataControllerInfo()->GetRecordList();
  const size_t N = AList.size();
  A.Nulls.resize(N);
  A.Values.resize(N);
  const size_t ASize = static_cast<size_t>(std::min(AValueDef->GetDataSize(), 8));
  for (size_t P = 0; P < N; ++P) {
    // The view's order is not the records' own: the records a few positions on are fetched now.
    if (constexpr size_t AAhead = 12; P + AAhead < N) AStorage->PrefetchRecord(AList[P + AAhead]);
    const void* AData;
    A.Nulls[P] = AStorage->GetCompareInfo(AList[P], AValueDef, AData);
    if (!A.Nulls[P]) std::memcpy(&A.Values[P], AData, ASize);
  }
  return FStoredColumns->size() - 1;
}

namespace {

// How one item takes the records of a calculation: not at all (not bound), by counting alone (a
// count naming no field), as a stored number run natively, or through DoSummaryValue.
struct TSummaryRoad {
  enum TKind { srNone, srCount, srNative, srValue } Kind = srValue;
  TcxValueDef* ValueDef = nullptr;
  const TcxSummaryStoredColumn* Column = nullptr;  // the values read ahead, while group summaries are calculated
  TcxNativeSummaryValue Native;
};

}  // namespace

void TcxDataSummary::CalculateSummary(TcxDataSummaryItems* AItems, Integer ABeginIndex, Integer AEndIndex,
                                      std::vector<Integer>& ACounts, std::vector<Variant>& AValues) {
  const Integer N = AItems->Count();
  std::vector<TSummaryRoad> ARoads(static_cast<size_t>(N));
  if (CanSummarizeStoredValues() && !AItems->OnSummary) {
    for (Integer I = 0; I < N; ++I) {
      TcxDataSummaryItem* AItem = AItems->Items(I);
      TSummaryRoad& A = ARoads[static_cast<size_t>(I)];
      TcxCustomDataField* F = AItem->GetField();
      if (!AItem->IsDataBinded()) {
        A.Kind = TSummaryRoad::srNone;
      } else if (!F) {
        // A count naming no field counts every record, or nothing for another kind.
        A.Kind = AItem->GetKind() == skCount ? TSummaryRoad::srCount : TSummaryRoad::srNone;
      } else if (FDataController->CanReadStoredValues(F)) {
        const TVarType AType = StoredNumberVarType(F->GetValueDef()->GetValueTypeClass());
        if (AType != varEmpty && A.Native.Start(AItem->GetKind(), FOptions, AType, AValues[static_cast<size_t>(I)])) {
          A.Kind = TSummaryRoad::srNative;
          A.ValueDef = F->GetValueDef();
        }
      }
    }
  }
  TcxDataStorage* AStorage = FDataController->GetDataStorage();
  const TcxRecordList& AList = FDataController->GetDataControllerInfo()->GetRecordList();
  if (FStoredColumns) {
    std::vector<size_t> AColumns;
    for (TSummaryRoad& A : ARoads)
      AColumns.push_back(A.Kind == TSummaryRoad::srNative ? StoredColumn(A.ValueDef) : 0);
    for (size_t I = 0; I < ARoads.size(); ++I)
      if (ARoads[I].Kind == TSummaryRoad::srNative) ARoads[I].Column = &(*FStoredColumns)[AColumns[I]];
  }
  for (Integer P = ABeginIndex; P <= AEndIndex; ++P) {
    const Integer R = GetRecordIndex(P);
    if (R == -1) continue;
    const auto APos = static_cast<size_t>(P);
    const bool AAtPosition = APos < AList.size() && AList[APos] == R;
    for (Integer I = 0; I < N; ++I) {
      TSummaryRoad& A = ARoads[static_cast<size_t>(I)];
      switch (A.Kind) {
        case TSummaryRoad::srNone: break;
        case TSummaryRoad::srCount: ++ACounts[static_cast<size_t>(I)]; break;
        case TSummaryRoad::srNative: {
          if (A.Column && AAtPosition) {
            A.Native.Accumulate(A.Column->Nulls[APos], &A.Column->Values[APos], ACounts[static_cast<size_t>(I)]);
            break;
          }
          const void* AData;
          const bool AIsNull = AStorage->GetCompareInfo(R, A.ValueDef, AData);
          A.Native.Accumulate(AIsNull, AData, ACounts[static_cast<size_t>(I)]);
          break;
        }
        case TSummaryRoad::srValue:
          DoSummaryValue(AItems->Items(I), R, AValues[static_cast<size_t>(I)], ACounts[static_cast<size_t>(I)]);
          break;
      }
    }
  }
  for (Integer I = 0; I < N; ++I)
    if (ARoads[static_cast<size_t>(I)].Kind == TSummaryRoad::srNative)
      AValues[static_cast<size_t>(I)] = ARoads[static_cast<size_t>(I)].Native.Running();
}

void TcxDataSummary::EndCalculateSummary(TcxDataSummaryItems* AItems, std::vector<Integer>& ACounts,
                                         std::vector<Variant>& AValues, Variant& ASummaryValues) {
  if (AItems->Count() == 0) {
    ASummaryValues = Null();
    return;
  }
  ASummaryValues = VarArrayCreate({0, AItems->Count() - 1}, varVariant);
  for (Integer I = 0; I < AItems->Count(); ++I) {
    if (AItems->Items(I)->IsDataBinded())
      DoFinishSummaryValue(AItems->Items(I), AValues[static_cast<size_t>(I)], ACounts[static_cast<size_t>(I)]);
    else if (VarIsEmpty(AValues[static_cast<size_t>(I)]))
      AValues[static_cast<size_t>(I)] = Null();
    VarArrayPut(ASummaryValues, AValues[static_cast<size_t>(I)], {I});
  }
}

Integer TcxDataSummary::GetRecordIndex(Integer AListIndex) {
  TcxCustomDataControllerInfo* E = FDataController->GetDataControllerInfo();
  const Integer R = E->GetInternalRecordIndex(AListIndex);
  if (!E->IsSummaryForSelectedRecords()) return R;
  if (FDataController->IsFocusedSelectedMode()) return R == FDataController->GetFocusedRecordIndex() ? R : -1;
  return E->GetSelection()->IsRecordSelected(R) ? R : -1;
}

void TcxDataSummary::CalculateFooterSummary() {
  std::vector<Integer> ACounts;
  std::vector<Variant> AValues;
  BeginCalculateSummary(FFooterSummaryItems, ACounts, AValues);
  if (!FDataController->IsGridMode())
    CalculateSummary(FFooterSummaryItems, 0, FDataController->GetDataControllerInfo()->GetInternalRecordCount() - 1,
                     ACounts, AValues);
  EndCalculateSummary(FFooterSummaryItems, ACounts, AValues, FFooterSummaryValues);
}

// The group array is depth-first: between two groups of level L lie exactly the groups of the
// first one's subtree, so a group of level L accumulates the records of its own subtree.
void TcxDataSummary::CalculateGroupSummary() {
  std::vector<TcxSummaryStoredColumn> AColumns;
  FStoredColumns = &AColumns;
  struct TForget {
    std::vector<TcxSummaryStoredColumn>*& Columns;
    ~TForget() { Columns = nullptr; }
  } AForget{FStoredColumns};
  TcxCustomDataControllerInfo* E = FDataController->GetDataControllerInfo();
  TcxDataGroups* G = E->GetDataGroups();
  const Integer ALast = G->FieldCount() - 1;
  for (Integer L = 0; L < E->GetGroupingFieldList()->Count(); ++L) {
    TcxDataSummaryItems* AItems = GetGroupSummaryItems(L);
    if (!AItems) continue;
    std::vector<Integer> ACounts;
    std::vector<Variant> AValues;
    TcxDataGroupInfo* AOpen = nullptr;
    for (Integer I = 0; I < G->ItemCount(); ++I) {
      TcxDataGroupInfo* A = G->GetItem(I);
      if (A->Level == L) {
        if (AOpen) EndCalculateSummary(AItems, ACounts, AValues, AOpen->SummaryValues);
        BeginCalculateSummary(AItems, ACounts, AValues);
        AOpen = A;
      }
      if (A->Level == ALast && AOpen) CalculateSummary(AItems, A->FirstIndex, A->LastIndex, ACounts, AValues);
    }
    if (AOpen) EndCalculateSummary(AItems, ACounts, AValues, AOpen->SummaryValues);
  }
}

void TcxDataSummary::BeginCalculate() {
  if (!FSetCustomSummary) CalculateFooterSummary();
}

void TcxDataSummary::EndCalculate() {
  if (FSetCustomSummary) return;
  CalculateGroupSummary();
  DoAfterSummary();
}

void TcxDataSummary::Calculate() {
  BeginCalculate();
  EndCalculate();
}

void TcxDataSummary::DoAfterSummary() {
  if (!OnAfterSummary) return;
  if (FDataController->IsLoading()) {
    FDataController->SetAfterSummaryFlag(true);
    return;
  }
  FDataController->SetAfterSummaryFlag(false);
  if (FDataController->GetIsPattern() || FDataController->LockOnAfterSummary()) return;
  FInAfterSummary = true;
  try {
    OnAfterSummary(this);
  } catch (...) {
    FInAfterSummary = false;
    throw;
  }
  FInAfterSummary = false;
}

TcxDataSummaryItems* TcxDataSummary::GetGroupSummaryItems(Integer ALevel) {
  TcxGroupingFieldList* L = FDataController->GetDataControllerInfo()->GetGroupingFieldList();
  if (ALevel < 0 || ALevel >= L->Count()) return nullptr;
  TObject* AItem = L->GetItem(ALevel).Field->GetItem();
  if (TcxDataSummaryGroup* G = AItem ? FSummaryGroups->FindByItemLink(AItem) : nullptr) return G->GetSummaryItems();
  return FDefaultGroupSummaryItems;
}

// ---- Reading and setting values ------------------------------------------------------------------------------------

bool TcxDataSummary::IsValidSummaryValuesIndex(const Variant& AValues, Integer AIndex) {
  return VarIsArray(AValues) && AIndex >= VarArrayLowBound(AValues, 1) && AIndex <= VarArrayHighBound(AValues, 1);
}

Variant TcxDataSummary::GroupValues(Integer AGroupIndex) const {
  TcxDataGroups* G = FDataController->GetDataControllerInfo()->GetDataGroups();
  return AGroupIndex >= 0 && AGroupIndex < G->ItemCount() ? G->GetItem(AGroupIndex)->SummaryValues : Variant();
}

Variant TcxDataSummary::GetFooterSummaryValue(Integer AIndex) {
  return IsValidSummaryValuesIndex(FFooterSummaryValues, AIndex) ? VarArrayGet(FFooterSummaryValues, {AIndex}) : Null();
}

Variant TcxDataSummary::GetGroupSummaryValues(Integer AGroupIndex) { return GroupValues(AGroupIndex); }

Variant TcxDataSummary::GetGroupSummaryValue(Integer AGroupIndex, Integer AIndex) {
  Variant V = GroupValues(AGroupIndex);
  return IsValidSummaryValuesIndex(V, AIndex) ? VarArrayGet(V, {AIndex}) : Null();
}

// A value set by hand is kept: the pass it triggers does not recalculate.
void TcxDataSummary::SetValueByHand(Variant& AValues, Integer AIndex, const Variant& Value) {
  if (!IsValidSummaryValuesIndex(AValues, AIndex)) return;
  const Variant ACur = VarArrayGet(AValues, {AIndex});
  if (VarType(ACur) == VarType(Value) && VarSameValue(ACur, Value)) return;
  VarArrayPut(AValues, Value, {AIndex});
  FSetCustomSummary = true;
  try {
    Changed(true);
  } catch (...) {
    FSetCustomSummary = false;
    throw;
  }
  FSetCustomSummary = false;
}

void TcxDataSummary::SetFooterSummaryValue(Integer AIndex, const Variant& Value) {
  SetValueByHand(FFooterSummaryValues, AIndex, Value);
}

void TcxDataSummary::SetGroupSummaryValue(Integer AGroupIndex, Integer AIndex, const Variant& Value) {
  TcxDataGroups* G = FDataController->GetDataControllerInfo()->GetDataGroups();
  if (AGroupIndex < 0 || AGroupIndex >= G->ItemCount()) return;
  SetValueByHand(G->GetItem(AGroupIndex)->SummaryValues, AIndex, Value);
}

Variant TcxDataSummary::GetGroupSummaryDisplayValue(Integer ARowIndex, Integer ALevel, Integer AIndex) {
  return GetGroupSummaryValue(
      FDataController->GetDataControllerInfo()->GetDataGroups()->GetIndexByRowIndexLevel(ARowIndex, ALevel), AIndex);
}

void TcxDataSummary::SetGroupSummaryDisplayValue(Integer ARowIndex, Integer ALevel, Integer AIndex,
                                                 const Variant& Value) {
  SetGroupSummaryValue(
      FDataController->GetDataControllerInfo()->GetDataGroups()->GetIndexByRowIndexLevel(ARowIndex, ALevel), AIndex,
      Value);
}

String TcxDataSummary::GetFooterSummaryText(Integer AIndex) {
  if (AIndex < 0 || AIndex >= FFooterSummaryItems->Count()) return String();
  return FFooterSummaryItems->Items(AIndex)->FormatValue(GetFooterSummaryValue(AIndex), true);
}

bool TcxDataSummary::GetGroupSummaryInfo(Integer ARowIndex, TcxDataSummaryItems*& ASummaryItems,
                                         Variant& ASummaryValues) {
  TcxDataGroups* G = FDataController->GetDataControllerInfo()->GetDataGroups();
  const Integer AGroup = G->GetIndexByRowIndex(ARowIndex);
  if (AGroup == -1) return false;
  ASummaryItems = GetGroupSummaryItems(G->GetItem(AGroup)->Level);
  ASummaryValues = G->GetItem(AGroup)->SummaryValues;
  return ASummaryItems && ASummaryItems->Count() > 0 && !VarIsEmpty(ASummaryValues);
}

String TcxDataSummary::GetGroupSummaryText(Integer ARowIndex) {
  TcxDataSummaryItems* AItems = nullptr;
  Variant AValues;
  return GetGroupSummaryInfo(ARowIndex, AItems, AValues) ? AItems->GetGroupText(AValues) : String();
}

Integer TcxDataSummary::GetGroupFooterIndexOfItemLink(Integer ALevel, TObject* AItemLink) {
  TcxDataSummaryItems* AItems = GetGroupSummaryItems(ALevel);
  if (!AItems) return -1;
  for (Integer I = 0; I < AItems->Count(); ++I)
    if (AItems->Items(I)->GetPosition() == spFooter && AItems->Items(I)->GetItemLink() == AItemLink) return I;
  return -1;
}

String TcxDataSummary::GetGroupFooterSummaryText(Integer ARowIndex, Integer ALevel, Integer AIndex) {
  const Integer AGroup =
      FDataController->GetDataControllerInfo()->GetDataGroups()->GetIndexByRowIndexLevel(ARowIndex, ALevel);
  TcxDataSummaryItems* AItems = GetGroupSummaryItems(ALevel);
  if (AGroup == -1 || !AItems || AIndex < 0 || AIndex >= AItems->Count()) return String();
  return AItems->Items(AIndex)->FormatValue(GetGroupSummaryValue(AGroup, AIndex), true);
}

TcxDataSummaryItems* TcxDataSummary::GetPatternSummaryItems(TcxDataSummary* APatternSummary,
                                                            TcxDataSummaryItems* AItems) {
  if (AItems == FFooterSummaryItems) return APatternSummary->FFooterSummaryItems;
  if (AItems == FDefaultGroupSummaryItems) return APatternSummary->FDefaultGroupSummaryItems;
  for (Integer I = 0; I < FSummaryGroups->Count() && I < APatternSummary->FSummaryGroups->Count(); ++I)
    if (FSummaryGroups->Items(I)->GetSummaryItems() == AItems)
      return APatternSummary->FSummaryGroups->Items(I)->GetSummaryItems();
  return nullptr;
}

void TcxDataSummary::RemoveItemByField(TcxCustomDataField* AField) {
  bool AChanged = false;
  auto Unlink = [&](TcxCollection* AColl) {
    for (Integer I = 0; I < AColl->Count(); ++I) {
      auto* A = static_cast<TcxCustomDataSummaryItem*>(AColl->GetItem(I));
      if (A->GetField() == AField) {
        A->SetField(nullptr);
        AChanged = true;
      }
    }
  };
  BeginUpdate();
  Unlink(FFooterSummaryItems);
  Unlink(FDefaultGroupSummaryItems);
  for (Integer I = 0; I < FSummaryGroups->Count(); ++I) {
    Unlink(FSummaryGroups->Items(I)->GetSummaryItems());
    Unlink(FSummaryGroups->Items(I)->GetLinks());
  }
  if (AChanged)
    EndUpdate();
  else
    CancelUpdate();
}

}  // namespace cxCustomData
