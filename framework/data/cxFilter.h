// Filter criteria: a tree of conditions (leaves comparing one item's value through an operator
// object, inner lists joining their children with AND, OR, NOT AND or NOT OR), its owner that
// evaluates it, batches changes, builds the readable caption and the expression text and reads and
// writes the binary tree format and the component stream, the list of values a filter drop-down
// offers, and the component through which criteria travel in a component stream.
//
// The criteria know nothing about items: a host derives from TcxFilterCriteria and
// TcxFilterCriteriaItem and supplies item IDs and names, item lookup and the record's value.
#pragma once

#include <vector>

#include "Closures.h"
#include "Components.h"
#include "Persistent.h"
#include "TypeInfoBase.h"
#include "Variants.h"
#include "cxFilterOperators.h"

namespace Streams {
class TStream;
}

namespace cxFilter {

using Streams::TStream;

enum TcxFilterBoolOperatorKind { fboAnd, fboOr, fboNotAnd, fboNotOr };
PUBLISHED_ENUM(TcxFilterCriteriaOption, fcoCaseInsensitive, fcoShowOperatorDescription, fcoSoftNull, fcoSoftCompare,
               fcoIgnoreNull)
using TcxFilterCriteriaOptions = TSet<TcxFilterCriteriaOption, 8>;
enum TcxFilterValueItemKind {
  fviAll, fviCustom, fviBlanks, fviNonBlanks, fviUser, fviValue, fviMRU, fviMRUSeparator, fviSpecial
};

// The format version the data controller's criteria write (names of items included).
extern Integer cxDataFilterVersion;

class TcxFilterCriteria;
class TcxFilterCriteriaItemList;
class TcxNativeFilterLeaf;

// ---- Tree nodes ------------------------------------------------------------------------------------------
class TcxCustomFilterCriteriaItem : public TObject {
  DECLARE_CLASS(TcxCustomFilterCriteriaItem, TObject)
 public:
  TcxFilterCriteriaItemList* GetParent() const { return FParent; }
  virtual void Changed();
  virtual TcxFilterCriteria* GetCriteria();
  virtual bool GetIsItemList() = 0;
  virtual void ReadData(TStream* AStream) {}
  virtual void WriteData(TStream* AStream) {}

 protected:
  friend class TcxFilterCriteriaItemList;
  void Destroy() override;  // leaves the parent list first
  TcxFilterCriteriaItemList* FParent = nullptr;
};

class TcxFilterCriteriaItem;

class TcxFilterCriteriaItemList : public TcxCustomFilterCriteriaItem {
  DECLARE_CLASS(TcxFilterCriteriaItemList, TcxCustomFilterCriteriaItem)
 public:
  // Virtual construction of a list of class ACls under AParent (not yet among its children).
  static TcxFilterCriteriaItemList* CreateList(TClass ACls, TcxFilterCriteriaItemList* AParent,
                                               TcxFilterBoolOperatorKind ABoolOperatorKind);

  TcxFilterCriteria* GetCriteria() override;
  bool GetIsItemList() override { return true; }
  void ReadData(TStream* AStream) override;
  void WriteData(TStream* AStream) override;
  virtual void RemoveItem(TcxCustomFilterCriteriaItem* AItem);

  TcxFilterCriteriaItem* AddItem(TObject* AItemLink, TcxFilterOperatorKind AOperatorKind, const Variant& AValue,
                                 const String& ADisplayValue);
  TcxFilterCriteriaItemList* AddItemList(TcxFilterBoolOperatorKind ABoolOperatorKind);
  void Clear();

  TcxFilterBoolOperatorKind GetBoolOperatorKind() const { return FBoolOperatorKind; }
  void SetBoolOperatorKind(TcxFilterBoolOperatorKind Value);
  Integer Count() const { return static_cast<Integer>(FItems.size()); }
  TcxCustomFilterCriteriaItem* GetItem(Integer Index) const;  // nil outside 0 .. Count - 1
  Integer IndexOf(TcxCustomFilterCriteriaItem* AItem) const;

 protected:
  friend class TcxFilterCriteria;
  friend class TcxCustomFilterCriteriaItem;
  void Destroy() override;
  bool Evaluate(void* AData);
  void Append(TcxCustomFilterCriteriaItem* AItem);

  TcxFilterBoolOperatorKind FBoolOperatorKind = fboAnd;
  std::vector<TcxCustomFilterCriteriaItem*> FItems;
  TcxFilterCriteria* FCriteria = nullptr;  // the root's owner; other lists ask their parent
};

class TcxFilterCriteriaItem : public TcxCustomFilterCriteriaItem {
  DECLARE_CLASS(TcxFilterCriteriaItem, TcxCustomFilterCriteriaItem)
 public:
  // Virtual construction of a leaf of class ACls under AParent (not yet among its children).
  static TcxFilterCriteriaItem* CreateItem(TClass ACls, TcxFilterCriteriaItemList* AParent, TObject* AItemLink,
                                           TcxFilterOperatorKind AOperatorKind, const Variant& AValue,
                                           const String& ADisplayValue);

  bool GetIsItemList() override { return false; }
  void ReadData(TStream* AStream) override;
  void WriteData(TStream* AStream) override;

  // The record's value of the leaf's item; AData is what the host passes to evaluation.
  virtual void GetDataValue(void* AData, Variant& AValue) = 0;
  // The same value without a Variant, where the host holds it as a stored number or text: its
  // Variant type (varInteger, varInt64, varDouble, varDate, varCurrency or varString), P its bytes
  // (a String for a text) and AIsNull whether it is Null. varEmpty: GetDataValue is asked instead.
  virtual TVarType GetNativeDataValue(void* AData, const void*& P, bool& AIsNull) { return varEmpty; }
  virtual String GetDisplayValue();
  virtual String GetExpressionValue(bool ADisplay);
  virtual String GetFieldCaption() = 0;
  virtual String GetFieldName() = 0;
  virtual TClass GetFilterOperatorClass();
  virtual TObject* GetItemLink() { return FItemLink; }
  virtual void SetItemLink(TObject* Value) { FItemLink = Value; }
  virtual void RecreateOperator();
  virtual bool ValueIsNull(const Variant& AValue);

  TcxFilterOperator* GetOperator() const { return FOperator; }
  TcxFilterOperatorKind GetOperatorKind() const { return FOperatorKind; }
  void SetOperatorKind(TcxFilterOperatorKind Value);
  const Variant& GetValue() const { return FValue; }
  void SetValue(const Variant& Value);
  const String& GetDisplayValueText() const { return FDisplayValue; }
  void SetDisplayValue(const String& Value);

 protected:
  friend class TcxFilterCriteriaItemList;
  void Construct() override;
  void Destroy() override;
  bool Evaluate(void* AData);
  void CheckDisplayValue();

  TObject* FItemLink = nullptr;
  TcxFilterOperator* FOperator = nullptr;
  TcxFilterOperatorKind FOperatorKind = foEqual;
  Variant FValue;
  String FDisplayValue;
  // FValue through the criteria's PrepareValue, kept until the criteria change.
  const Variant& PreparedValue();
  Variant FPreparedValue;
  Int64 FPreparedAt = -1;
  // The leaf taken apart for native values, kept until the criteria change.
  TcxNativeFilterLeaf* FNative = nullptr;
};

// ---- The criteria --------------------------------------------------------------------------------------
class TcxFilterValueList;

class TcxFilterCriteria : public TPersistent {
  DECLARE_CLASS(TcxFilterCriteria, TPersistent)
 public:
  void Assign(TPersistent* Source) override { Assign(Source, false); }
  virtual void Assign(TPersistent* Source, bool AIgnoreItemNames);
  virtual void AssignEvents(TPersistent* Source);
  virtual void AssignItems(TcxFilterCriteria* Source, bool AIgnoreItemNames);
  virtual TcxFilterCriteriaItem* AddItem(TcxFilterCriteriaItemList* AParent, TObject* AItemLink,
                                         TcxFilterOperatorKind AOperatorKind, const Variant& AValue,
                                         const String& ADisplayValue);
  virtual void Changed();
  virtual TcxFilterCriteriaItem* FindItemByItemLink(TObject* AItemLink);
  virtual bool IsEmpty();
  virtual void LoadFromStream(TStream* AStream);
  virtual void RestoreDefaults();
  virtual void SaveToStream(TStream* AStream);
  virtual bool ValueIsNull(const Variant& AValue);
  virtual void ReadData(TStream* AStream);
  void WriteData(TStream* AStream) { WriteData(AStream, 0); }
  virtual void WriteData(TStream* AStream, Integer AMaxVersion);

  void BeginUpdate() { ++FLockCount; }
  void EndUpdate();
  void CancelUpdate() { --FLockCount; }
  bool IsLocked() const { return FLockCount > 0; }
  void Clear();
  void Refresh();
  bool EqualItems(TcxFilterCriteria* ACriteria);
  void RemoveItemByItemLink(TObject* AItemLink);
  // Evaluates the tree for one record; an empty tree accepts.
  bool DoFilterData(void* AData);

  String GetFilterCaption() { return GetFilterExpression(true); }
  String GetFilterText() { return GetFilterExpression(false); }
  virtual void SetFilterText(const String& Value) {}

  virtual Variant PrepareValue(Variant AValue);
  // Whether leaves may compare the values their items give natively (GetNativeDataValue) as
  // PrepareValue, ValueIsNull and the operators would compare them as Variants. A descendant that
  // prepares or tests values otherwise answers false.
  virtual bool CanCompareNativeValues() { return true; }
  virtual String ConvertBoolToStr(const Variant& AValue);
  virtual String ConvertDateToStr(const Variant& AValue);
  virtual void FormatFilterTextValue(TcxFilterCriteriaItem* AItem, const Variant& AValue, String& ADisplayValue) {}

  virtual Integer GetIDByItemLink(TObject* AItemLink) = 0;
  virtual String GetNameByItemLink(TObject* AItemLink) = 0;
  virtual TObject* GetItemLinkByID(Integer AID) = 0;
  virtual TObject* GetItemLinkByName(const String& AName) = 0;
  virtual TClass GetItemClass();
  virtual TClass GetItemListClass();
  virtual TClass GetValueListClass();
  // A value list of GetValueListClass serving these criteria (owned by the caller).
  TcxFilterValueList* CreateValueList();

  TcxFilterCriteriaItemList* GetRoot() const { return FRoot; }
  Integer GetMaxValueListCount() const { return FMaxValueListCount; }
  void SetMaxValueListCount(Integer Value) { FMaxValueListCount = Value; }
  TcxFilterCriteriaOptions GetOptions() const { return FOptions; }
  void SetOptions(TcxFilterCriteriaOptions Value);
  Char GetPercentWildcard() const { return FPercentWildcard; }
  void SetPercentWildcard(Char Value);
  Char GetUnderscoreWildcard() const { return FUnderscoreWildcard; }
  void SetUnderscoreWildcard(Char Value);
  const String& GetDateTimeFormat() const { return FDateTimeFormat; }
  void SetDateTimeFormat(const String& Value);
  bool GetSupportedLike() const { return FSupportedLike; }
  void SetSupportedLike(bool Value) { FSupportedLike = Value; }
  bool GetTranslateBetween() const { return FTranslateBetween; }
  void SetTranslateBetween(bool Value) { FTranslateBetween = Value; }
  bool GetTranslateLike() const { return FTranslateLike; }
  void SetTranslateLike(bool Value) { FTranslateLike = Value; }
  bool GetTranslateIn() const { return FTranslateIn; }
  void SetTranslateIn(bool Value) { FTranslateIn = Value; }
  Integer GetVersion() const { return FVersion; }
  bool GetStoreItemLinkNames() const { return FVersion > 2; }
  void SetStoreItemLinkNames(bool Value);
  Integer GetVersionRead() const { return FVersionRead; }
  Integer GetVersionWritten() const { return FVersionWritten; }
  bool IsSavingToStream() const { return FSavingToStream; }
  TNotifyEvent GetOnChanged() const { return OnChanged; }
  // Counts every change; what was derived from the tree at one count holds until the next.
  Int64 GetChangeCount() const { return FChangeCount; }
  void SetOnChanged(TNotifyEvent Value) { OnChanged = Value; }

  TNotifyEvent OnChanged;

 protected:
  void Construct() override;
  void Destroy() override;
  virtual void CheckChanges();
  virtual String GetFilterExpression(bool ADisplay);
  virtual String GetItemExpression(TcxFilterCriteriaItem* AItem, bool ADisplay);
  virtual String GetItemExpressionFieldName(TcxFilterCriteriaItem* AItem, bool ADisplay);
  virtual String GetItemExpressionOperator(TcxFilterCriteriaItem* AItem, bool ADisplay);
  virtual String GetItemExpressionValue(TcxFilterCriteriaItem* AItem, bool ADisplay);
  virtual void Prepare();
  virtual void Update();
  String GetListExpression(TcxFilterCriteriaItemList* AList, bool ADisplay);

  Integer FVersion = 2;

 private:
  friend class TcxFilterCriteriaItemList;
  friend class TcxFilterCriteriaItem;
  TcxFilterCriteriaItemList* FRoot = nullptr;
  Integer FMaxValueListCount = 0;
  TcxFilterCriteriaOptions FOptions;
  Char FPercentWildcard = '%';
  Char FUnderscoreWildcard = '_';
  String FDateTimeFormat;
  bool FSupportedLike = true;
  bool FTranslateBetween = false;
  bool FTranslateLike = false;
  bool FTranslateIn = false;
  Integer FVersionRead = 0;
  Integer FVersionWritten = 0;
  Integer FLockCount = 0;
  bool FChanged = false;
  Int64 FChangeCount = 0;  // every change counted, for values prepared in advance
  bool FSavingToStream = false;
};

// ---- Values of a filter drop-down -------------------------------------------------------------------------
struct TcxFilterValueItem {
  TcxFilterValueItemKind Kind;
  Variant Value;
  String DisplayText;
};

class TcxFilterValueList : public TObject {
  DECLARE_CLASS(TcxFilterValueList, TObject)
 public:
  explicit TcxFilterValueList(TcxFilterCriteria* ACriteria = nullptr) : FCriteria(ACriteria) {}

  virtual Integer CompareItem(Integer AIndex, const Variant& AValue, const String& ADisplayText);
  virtual void Add(TcxFilterValueItemKind AKind, const Variant& AValue, const String& ADisplayText, bool AAddToEnd);
  virtual void Clear();
  virtual bool Find(const Variant& AValue, const String& ADisplayText, Integer& AIndex);
  virtual Integer GetIndexByCriteriaItem(TcxFilterCriteriaItem* AItem);

  void Delete(Integer AIndex);
  Integer FindItemByKind(TcxFilterValueItemKind AKind) const;
  Integer FindItemByKind(TcxFilterValueItemKind AKind, const Variant& AValue) const;
  Integer FindItemByValue(const Variant& AValue);
  Integer Count() const { return static_cast<Integer>(FItems.size()); }
  const TcxFilterValueItem& GetItem(Integer AIndex) const { return FItems.at(static_cast<size_t>(AIndex)); }
  TcxFilterCriteria* GetCriteria() const { return FCriteria; }
  Integer GetMaxCount() const { return FCriteria ? FCriteria->GetMaxValueListCount() : 0; }
  bool GetSortByDisplayText() const { return FSortByDisplayText; }
  void SetSortByDisplayText(bool Value) { FSortByDisplayText = Value; }

 protected:
  friend class TcxFilterCriteria;
  void Construct() override;
  Integer GetMRUSeparatorIndex() const;
  Integer GetStartValueIndex() const;  // the first value item, or Count

 private:
  TcxFilterCriteria* FCriteria;
  bool FSortByDisplayText = false;
  std::vector<TcxFilterValueItem> FItems;
};

// ---- Component-stream carrier -------------------------------------------------------------------------
class TFilterWrapper : public TComponent {
  DECLARE_CLASS(TFilterWrapper, TComponent)
 public:
  using TComponent::TComponent;
  TcxFilterCriteria* GetFilter() const { return FFilter; }
  void SetFilter(TcxFilterCriteria* Value) { FFilter = Value; }

 private:
  TcxFilterCriteria* FFilter = nullptr;
};

}  // namespace cxFilter

using namespace cxFilter;
