// Summaries of a data controller: summary items (a field, a kind, a position and a format) in the
// footer collection, the default group collection and the collections of summary groups; the
// summary that computes footer values over the view and group values over the group tree, reports
// its changes to the controller and formats values as texts.
#pragma once

#include <vector>

#include "Closures.h"
#include "Variants.h"
#include "cxCustomDataFields.h"
#include "cxDataSummaryValues.h"
#include "cxDataUtils.h"

namespace cxCustomData {

PUBLISHED_ENUM(TcxSummaryPosition, spGroup, spFooter)
enum TcxSummaryValueType { svtFloat, svtCurrency, svtDate };
enum TcxSummaryProperty { spFormat, spKind, spSorted };
using TcxSummaryProperties = TSet<TcxSummaryProperty, 8>;

class TcxDataSummary;
class TcxDataSummaryItems;
class TcxDataSummaryGroup;

class TcxCustomDataSummaryItem : public TCollectionItem {
  DECLARE_CLASS(TcxCustomDataSummaryItem, TCollectionItem)
 public:
  using TCollectionItem::TCollectionItem;
  virtual TcxCustomDataController* GetDataController();
  virtual void ItemLinkChanging(TcxCustomDataField* AField) {}
  void Assign(TPersistent* Source) override;

  TcxCustomDataField* GetField() const { return FField; }
  void SetField(TcxCustomDataField* Value) { FField = Value; }
  TObject* GetItemLink() const;
  void SetItemLink(TObject* Value);

 private:
  TcxCustomDataField* FField = nullptr;
};

class TcxDataSummaryItem;
using TcxDataSummaryItemGetTextEvent =
    TClosure<void(TcxDataSummaryItem* Sender, const Variant& AValue, bool AIsFooter, String& AText)>;

class TcxDataSummaryItem : public TcxCustomDataSummaryItem {
  DECLARE_CLASS(TcxDataSummaryItem, TcxCustomDataSummaryItem)
 public:
  using TcxCustomDataSummaryItem::TcxCustomDataSummaryItem;
  TcxCustomDataController* GetDataController() override;
  void ItemLinkChanging(TcxCustomDataField* AField) override {}
  virtual bool IsCurrency(TVarType AVarType);
  virtual bool IsDataBinded();
  virtual bool IsPositionStored();
  virtual TcxCustomDataField* DataField() { return GetField(); }
  virtual String FormatValue(const Variant& AValue, bool AIsFooter);
  void Assign(TPersistent* Source) override;

  const String& GetFormat() const { return FFormat; }
  void SetFormat(const String& Value);
  TcxSummaryKind GetKind() const { return FKind; }
  void SetKind(TcxSummaryKind Value);
  TcxSummaryPosition GetPosition();
  void SetPosition(TcxSummaryPosition Value);
  bool GetSorted() const { return FSorted; }
  void SetSorted(bool Value);
  TcxDataSummaryItems* GetSummaryItems() const;
  TcxDataSummaryItemGetTextEvent GetOnGetText() const { return OnGetText; }
  void SetOnGetText(TcxDataSummaryItemGetTextEvent Value) { OnGetText = Value; }

  TcxDataSummaryItemGetTextEvent OnGetText;

 protected:
  friend class TcxDataSummaryItems;
  friend class TcxDataGroupSummaryItems;
  void Destroy() override;

 private:
  // The stored rule of the published Position (the collection decides).
  bool PositionStored() const { return const_cast<TcxDataSummaryItem*>(this)->IsPositionStored(); }

  String FFormat;
  TcxSummaryKind FKind = skNone;
  bool FSorted = false;
  TcxSummaryPosition FPosition = spGroup;
};

struct TcxSummaryEventArguments {
  Integer RecordIndex;
  TcxDataSummaryItem* SummaryItem;
};
struct TcxSummaryEventOutArguments {
  Variant Value;
  Variant SummaryValue;
  Integer CountValue;
  bool Done;
};
using TcxSummaryEvent = TClosure<void(TcxDataSummaryItems* ASender, const TcxSummaryEventArguments& Arguments,
                                      TcxSummaryEventOutArguments& OutArguments)>;

class TcxDataSummaryItems : public TcxCollection {
  DECLARE_CLASS(TcxDataSummaryItems, TcxCollection)
 public:
  TcxDataSummaryItems(TcxDataSummary* ASummary = nullptr, TClass AItemClass = nullptr)
      : TcxCollection(AItemClass), FSummary(ASummary) {}
  virtual void BeforeSortingChange(TcxDataSummaryItem* AItem, bool AValue) {}
  virtual TcxSummaryPosition GetItemPosition(TcxDataSummaryItem* AItem) { return AItem->FPosition; }
  virtual bool IsPositionStored(TcxDataSummaryItem* AItem) { return true; }
  virtual bool IsPropertiesEmpty(TcxSummaryProperties AProperties, const String& AFormat, TcxSummaryKind AKind,
                                 bool ASorted);
  virtual void AssignEvents(TPersistent* ASource);
  virtual String DefaultFormat(TcxSummaryValueType AValueType, TcxSummaryKind AKind, bool AIsFooter);
  virtual String GetGroupText(const Variant& AValues) { return String(); }
  virtual TcxDataSummaryItem* GetDataItem(Integer AItemIndex, TcxSummaryPosition APosition, bool ACheckKind = false,
                                          TcxSummaryKind AKind = skNone);
  void Assign(TPersistent* Source) override;

  TcxDataSummaryItem* Add();
  TcxDataSummaryItem* Add(TObject* AItemLink, TcxSummaryPosition APosition, TcxSummaryKind AKind,
                          const String& AFormat = String());
  void DeleteItems(TObject* AItemLink, TcxSummaryPosition APosition);
  Integer IndexOf(TcxDataSummaryItem* AItem) const;
  Integer IndexOfItemLink(TObject* AItemLink) const;
  TcxDataSummaryItem* ItemOfItemLink(TObject* AItemLink) const;
  Integer IndexOfField(TcxCustomDataField* AField) const;
  TcxDataSummaryItem* ItemOfField(TcxCustomDataField* AField) const;
  TcxDataSummaryItem* AddDataItem(Integer AItemIndex, TcxSummaryPosition APosition);
  String GetDataItemFormat(Integer AItemIndex, TcxSummaryPosition APosition);
  TcxSummaryKind GetDataItemKind(Integer AItemIndex, TcxSummaryPosition APosition);
  bool GetDataItemSorted(Integer AItemIndex, TcxSummaryPosition APosition);
  void SetDataItemFormat(Integer AItemIndex, TcxSummaryPosition APosition, const String& Value);
  void SetDataItemKind(Integer AItemIndex, TcxSummaryPosition APosition, TcxSummaryKind Value);
  void SetDataItemSorted(Integer AItemIndex, TcxSummaryPosition APosition, bool Value);
  void GetDataItemProperties(Integer AItemIndex, TcxSummaryPosition APosition, String& AFormat,
                             TcxSummaryKind& AKind, bool& ASorted);
  void SetDataItemProperties(Integer AItemIndex, TcxSummaryPosition APosition, TcxSummaryProperties AProperties,
                             const String& AFormat, TcxSummaryKind AKind, bool ASorted);
  void SetItemProperties(TcxDataSummaryItem* AItem, TcxSummaryProperties AProperties, const String& AFormat,
                         TcxSummaryKind AKind, bool ASorted);
  void CheckItemEmpty(TcxDataSummaryItem* AItem);
  void ChangedView();
  TcxDataSummaryItem* Items(Integer AIndex) const;
  TcxDataSummary* GetSummary() const { return FSummary; }
  TcxCustomDataController* GetDataController() const;
  TcxSummaryEvent GetOnSummary() const { return OnSummary; }
  void SetOnSummary(TcxSummaryEvent Value) { OnSummary = Value; }

  TcxSummaryEvent OnSummary;

 protected:
  void Update(TCollectionItem* Item) override;
  TPersistent* GetOwner() override;

 private:
  TcxDataSummary* FSummary;
};

class TcxDataFooterSummaryItems : public TcxDataSummaryItems {
  DECLARE_CLASS(TcxDataFooterSummaryItems, TcxDataSummaryItems)
 public:
  using TcxDataSummaryItems::TcxDataSummaryItems;
  TcxSummaryPosition GetItemPosition(TcxDataSummaryItem* AItem) override { return spFooter; }
  bool IsPositionStored(TcxDataSummaryItem* AItem) override { return false; }
};

class TcxDataGroupSummaryItems : public TcxDataSummaryItems {
  DECLARE_CLASS(TcxDataGroupSummaryItems, TcxDataSummaryItems)
 public:
  TcxDataGroupSummaryItems(TcxDataSummary* ASummary = nullptr, TClass AItemClass = nullptr,
                           TcxDataSummaryGroup* AOwner = nullptr)
      : TcxDataSummaryItems(ASummary, AItemClass), FOwnerGroup(AOwner) {}
  void BeforeSortingChange(TcxDataSummaryItem* AItem, bool AValue) override;
  String GetGroupText(const Variant& AValues) override;
  void Assign(TPersistent* Source) override;
  TcxDataSummaryItem* SortedSummaryItem() const;

  const String& GetBeginText() const { return FBeginText; }
  void SetBeginText(const String& Value);
  const String& GetEndText() const { return FEndText; }
  void SetEndText(const String& Value);
  const String& GetSeparator() const { return FSeparator; }
  void SetSeparator(const String& Value);
  TcxDataSummaryGroup* GetOwnerGroup() const { return FOwnerGroup; }

 protected:
  TPersistent* GetOwner() override;
  void DefineProperties(Filer::TFiler* AFiler) override;

 private:
  bool IsBeginTextStored() const { return FBeginText != "("; }
  bool IsEndTextStored() const { return FEndText != ")"; }
  bool IsSeparatorStored() const { return FSeparator != ","; }
  TcxDataSummaryGroup* FOwnerGroup;
  String FBeginText = "(";
  String FEndText = ")";
  String FSeparator = ",";
};

class TcxDataSummaryGroupItemLink : public TcxCustomDataSummaryItem {
  DECLARE_CLASS(TcxDataSummaryGroupItemLink, TcxCustomDataSummaryItem)
 public:
  using TcxCustomDataSummaryItem::TcxCustomDataSummaryItem;
  TcxCustomDataController* GetDataController() override;
  void ItemLinkChanging(TcxCustomDataField* AField) override;
  TcxDataSummaryGroup* GetSummaryGroup() const;
};

class TcxDataSummaryGroupItemLinks : public TcxCollection {
  DECLARE_CLASS(TcxDataSummaryGroupItemLinks, TcxCollection)
 public:
  TcxDataSummaryGroupItemLinks(TcxDataSummaryGroup* AGroup = nullptr, TClass AItemClass = nullptr)
      : TcxCollection(AItemClass), FSummaryGroup(AGroup) {}
  TcxDataSummaryGroupItemLink* Add();
  Integer IndexOfItemLink(TObject* AItemLink) const;
  TcxDataSummaryGroupItemLink* ItemOfItemLink(TObject* AItemLink) const;
  Integer IndexOfField(TcxCustomDataField* AField) const;
  TcxDataSummaryGroupItemLink* ItemOfField(TcxCustomDataField* AField) const;
  TcxDataSummaryGroupItemLink* Items(Integer AIndex) const;
  TcxDataSummaryGroup* GetSummaryGroup() const { return FSummaryGroup; }

 protected:
  void Update(TCollectionItem* Item) override;
  TPersistent* GetOwner() override;

 private:
  TcxDataSummaryGroup* FSummaryGroup;
};

class TcxDataSummaryGroups;

class TcxDataSummaryGroup : public TCollectionItem {
  DECLARE_CLASS(TcxDataSummaryGroup, TCollectionItem)
 public:
  using TCollectionItem::TCollectionItem;
  void Assign(TPersistent* Source) override;
  TcxDataSummaryGroupItemLinks* GetLinks();
  void SetLinks(TcxDataSummaryGroupItemLinks* Value);
  TcxDataGroupSummaryItems* GetSummaryItems() const { return FSummaryItems; }
  void SetSummaryItems(TcxDataGroupSummaryItems* Value);
  TcxDataSummaryGroups* GetSummaryGroups() const;
  TcxDataSummary* GetSummary() const;

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  TcxDataSummaryGroupItemLinks* FLinks = nullptr;
  TcxDataGroupSummaryItems* FSummaryItems = nullptr;
};

class TcxDataSummaryGroups : public TcxCollection {
  DECLARE_CLASS(TcxDataSummaryGroups, TcxCollection)
 public:
  explicit TcxDataSummaryGroups(TcxDataSummary* ASummary = nullptr)
      : TcxCollection(TcxDataSummaryGroup::StaticClass()), FSummary(ASummary) {}
  TcxDataSummaryGroup* Add();
  TcxDataSummaryGroup* FindByItemLink(TObject* AItemLink) const;
  TcxDataSummaryGroup* Items(Integer AIndex) const;
  TcxDataSummary* GetSummary() const { return FSummary; }

 protected:
  void Update(TCollectionItem* Item) override;
  TPersistent* GetOwner() override;

 private:
  TcxDataSummary* FSummary;
};

using TcxAfterSummaryEvent = TClosure<void(TcxDataSummary* ASender)>;
struct TcxSummaryStoredColumn;

class TcxDataSummary : public TPersistent {
  DECLARE_CLASS(TcxDataSummary, TPersistent)
 public:
  explicit TcxDataSummary(TcxCustomDataController* AController = cxCreatingDataController()) : FDataController(AController) {}

  virtual void BeginCalculateSummary(TcxDataSummaryItems* AItems, std::vector<Integer>& ACounts,
                                     std::vector<Variant>& AValues);
  virtual void CalculateSummary(TcxDataSummaryItems* AItems, Integer ABeginIndex, Integer AEndIndex,
                                std::vector<Integer>& ACounts, std::vector<Variant>& AValues);
  virtual void Changed(bool ARedrawOnly);
  virtual void DoAfterSummary();
  virtual void DoFinishSummaryValue(TcxDataSummaryItem* AItem, Variant& AValue, Integer& ACount);
  virtual void DoSummaryValue(TcxDataSummaryItem* AItem, Integer ARecordIndex, Variant& AValue, Integer& ACount);
  // Whether CalculateSummary may take stored numbers straight from the storage as native numbers
  // (and count without asking for values) where DoSummaryValue would only read them and add them
  // up. A descendant whose DoSummaryValue does more answers false.
  virtual bool CanSummarizeStoredValues() { return true; }
  virtual void EndCalculateSummary(TcxDataSummaryItems* AItems, std::vector<Integer>& ACounts,
                                   std::vector<Variant>& AValues, Variant& ASummaryValues);
  virtual Integer GetRecordIndex(Integer AListIndex);
  virtual TClass GetSummaryGroupItemLinkClass();
  virtual TClass GetSummaryItemClass();
  virtual bool IsValidSummaryValuesIndex(const Variant& AValues, Integer AIndex);
  virtual void Update(bool ARedrawOnly);
  virtual void AssignEvents(TPersistent* ASource);
  virtual void BeginCalculate();
  virtual void EndCalculate();
  virtual void Calculate();
  virtual void CalculateFooterSummary();
  virtual void CalculateGroupSummary();
  void Assign(TPersistent* Source) override;

  void BeginUpdate();
  void EndUpdate();
  void CancelUpdate();
  void Recalculate() { Changed(false); }
  Variant GetFooterSummaryValue(Integer AIndex);
  void SetFooterSummaryValue(Integer AIndex, const Variant& Value);
  String GetFooterSummaryText(Integer AIndex);
  TcxDataSummaryItems* GetGroupSummaryItems(Integer ALevel);
  Variant GetGroupSummaryValues(Integer AGroupIndex);
  Variant GetGroupSummaryValue(Integer AGroupIndex, Integer AIndex);
  void SetGroupSummaryValue(Integer AGroupIndex, Integer AIndex, const Variant& Value);
  Variant GetGroupSummaryDisplayValue(Integer ARowIndex, Integer ALevel, Integer AIndex);
  void SetGroupSummaryDisplayValue(Integer ARowIndex, Integer ALevel, Integer AIndex, const Variant& Value);
  bool GetGroupSummaryInfo(Integer ARowIndex, TcxDataSummaryItems*& ASummaryItems, Variant& ASummaryValues);
  String GetGroupSummaryText(Integer ARowIndex);
  Integer GetGroupFooterIndexOfItemLink(Integer ALevel, TObject* AItemLink);
  String GetGroupFooterSummaryText(Integer ARowIndex, Integer ALevel, Integer AIndex);
  TcxDataSummaryItems* GetPatternSummaryItems(TcxDataSummary* APatternSummary, TcxDataSummaryItems* AItems);
  void RemoveItemByField(TcxCustomDataField* AField);

  TcxCustomDataController* GetDataController() const { return FDataController; }
  TcxDataGroupSummaryItems* GetDefaultGroupSummaryItems() const { return FDefaultGroupSummaryItems; }
  void SetDefaultGroupSummaryItems(TcxDataGroupSummaryItems* Value) { FDefaultGroupSummaryItems->Assign(Value); }
  TcxDataFooterSummaryItems* GetFooterSummaryItems() const { return FFooterSummaryItems; }
  void SetFooterSummaryItems(TcxDataFooterSummaryItems* Value) { FFooterSummaryItems->Assign(Value); }
  TcxDataSummaryGroups* GetSummaryGroups() const { return FSummaryGroups; }
  void SetSummaryGroups(TcxDataSummaryGroups* Value) { FSummaryGroups->Assign(Value); }
  const Variant& GetFooterSummaryValues() const { return FFooterSummaryValues; }
  TcxSummaryOptions GetOptions() const { return FOptions; }
  void SetOptions(TcxSummaryOptions Value);
  bool IsDestroying() const { return FDestroying; }
  bool InAfterSummary() const { return FInAfterSummary; }
  Integer LockCount() const { return FLockCount; }
  TcxAfterSummaryEvent GetOnAfterSummary() const { return OnAfterSummary; }
  void SetOnAfterSummary(TcxAfterSummaryEvent Value) { OnAfterSummary = Value; }

  TcxAfterSummaryEvent OnAfterSummary;

 protected:
  void Construct() override;
  void Destroy() override;
  TPersistent* GetOwner() override;

 private:
  Variant GroupValues(Integer AGroupIndex) const;
  void SetValueByHand(Variant& AValues, Integer AIndex, const Variant& Value);
  size_t StoredColumn(cxDataStorage::TcxValueDef* AValueDef);  // its index in FStoredColumns

  // While the group summaries are calculated: stored numbers of the view's records read once, by
  // list position, for every level to take.
  std::vector<TcxSummaryStoredColumn>* FStoredColumns = nullptr;

  TcxCustomDataController* FDataController;
  TcxDataGroupSummaryItems* FDefaultGroupSummaryItems = nullptr;
  bool FDestroying = false;
  TcxDataFooterSummaryItems* FFooterSummaryItems = nullptr;
  Variant FFooterSummaryValues;
  bool FInAfterSummary = false;
  Integer FLockCount = 0;
  TcxSummaryOptions FOptions;
  bool FSetCustomSummary = false;
  TcxDataSummaryGroups* FSummaryGroups = nullptr;
};

}  // namespace cxCustomData

using namespace cxCustomData;
