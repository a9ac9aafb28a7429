// Item links and their collections: a link places one item in one container (a toolbar, a
// sub-item's menu, a popup menu) with its own overrides, group marks, visibility and usage; the
// collection keeps the links in order, derives the available, can-visible and visible lists, keeps
// the most-recently-used order, carries the menu display options, finds links by accelerator,
// routes shortcuts and merges the links of two bars.
#pragma once

#include <vector>

#include "Collections.h"
#include "Graphics.h"
#include "Menus.h"
#include "Variants.h"
#include "dxBarItem.h"
#include "dxBarItemTypes.h"
#include "dxBarSelectable.h"

namespace Filer {
class TFiler;
class TReader;
class TWriter;
}  // namespace Filer
namespace IniFiles {
class TCustomIniFile;
}

namespace dxBar {

class TdxBarItemLinks;

// What every owner of a link collection (a bar, a popup menu, a sub-item) answers.
class IdxBarLinksOwner : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IdxBarLinksOwner, "{1CB4E538-769E-45F4-9BE3-20814F440106}")
 public:
  virtual bool CanContainItem(TdxBarItem* AItem, String& AErrorText) = 0;
  virtual TCustomdxBarControl* CreateBarControl() = 0;
  virtual TComponent* GetComponentInstance() = 0;  // the owner component
  virtual TdxBarItemLinks* GetItemLinks() = 0;
};

// ---- The link -------------------------------------------------------------------------------------------
class TdxBarItemLink : public TCollectionItem, public IdxBarSelectableItem {
  DECLARE_CLASS(TdxBarItemLink, TCollectionItem)
 public:
  explicit TdxBarItemLink(TCollection* ACollection = nullptr) : TCollectionItem(ACollection) {}

  // The link is never freed through the interface: the count only records references.
  HRESULT QueryInterface(const TGUID& iid, void** obj) override;
  Integer _AddRef() override { return ++FRefCount; }
  Integer _Release() override { return --FRefCount; }

  void Assign(TPersistent* Source) override;
  virtual void SetCollection(TdxBarItemLinks* Value);
  void SetCollection(TCollection* Value) override;
  virtual void UserGlyphChanged();

  // ---- Effective values ---------------------------------------------------------------------------------
  String GetCaption();
  TBitmap* GetGlyph();
  TdxBarPaintStyle GetPaintStyle();
  Integer GetWidth();
  TdxBarItem* GetItem();
  void SetItem(TdxBarItem* Value);
  bool GetBeginGroup();
  void SetBeginGroup(bool Value);
  bool GetOwnBeginGroup() const { return FBeginGroup; }

  TCustomdxBarControl* GetBarControl();
  TdxBarManager* GetBarManager() override;
  TdxBarItemLinks* GetCollection() const { return FLinks; }
  TdxBarItemLinks* GetOwnerValue() const { return FLinks; }
  TdxBarItemLink* GetNext();
  Integer GetVisibleIndex();
  Integer GetCanVisibleIndex();
  Integer GetAvailableIndex();
  TdxBarItemViewLevels GetAllowedViewLevels() const { return FViewLevels; }
  TdxBarItemLink* GetRealItemLink() { return FRealItemLink ? FRealItemLink : this; }
  void SetRealItemLink(TdxBarItemLink* Value) { FRealItemLink = Value; }
  Integer GetRecentIndex();
  void SetRecentIndex(Integer Value);
  void SaveRecentIndex() { FPrevRecentIndex = GetRecentIndex(); }
  void RestoreRecentIndex() { SetRecentIndex(FPrevRecentIndex); }
  bool CanVisible();
  bool HasItem(TdxBarItem* AItem);
  bool IsAccel(Word AKey, TShiftState AShift);
  TPoint ScreenToClient(const TPoint& P);
  void InitiateAction();
  bool CanChangePaintStyle();
  void CreateControl();
  void DestroyControl();
  void RecreateControl();
  void MoveBeginGroupItemIfNeeded();
  void Synchronize(TdxBarItemLink* ALink);

  // ---- The most-recently-used model ---------------------------------------------------------------------
  void BringToTopInRecentList(bool ACountUse);
  void SendToBottomInRecentList();
  void CheckMostRecentlyUsed();
  void InternalBringToTopInRecentList(bool ACountUse);

  // ---- Selection protocol -------------------------------------------------------------------------------
  bool CanDelete(bool AExtended = false) override { return true; }
  void DeleteSelection(IdxBarSelectableItem*& AReference, bool AExtended) override;
  void ExecuteCustomizationAction(TdxBarCustomizationAction AAction) override;
  TPersistent* GetInstance() override { return this; }
  void GetMasterObjects(TdxObjectList* AList) override;
  IdxBarSelectableItem* GetNextSelectableItem() override;
  IdxBarSelectableItem* GetSelectableParent() override;
  TdxBarSelectionStatus GetSelectionStatus() override;
  TdxBarCustomizationActions GetSupportedActions() override;
  void Invalidate() override;
  bool IsComplex() override { return false; }
  bool IsComponentSelected() override;
  void SelectComponent(TdxBarSelectionOperation AOperation = soExclusive) override;
  bool SelectParentComponent() override;
  void SelectionChanged() override;

  // ---- Layout persistence (the layout store's reading and writing of links) ---------------------------
  void LoadFromIni(IniFiles::TCustomIniFile* AIniFile, const String& ABaseSection, Integer AIndex,
                   TdxBarStoringKind AStoringKind);
  void LoadUsageData(IniFiles::TCustomIniFile* AIniFile, const String& ASection, Integer AIndex);
  void SaveToIni(IniFiles::TCustomIniFile* AIniFile, const String& ABaseSection, Integer AIndex,
                 TdxBarStoringKind AStoringKind);

  // ---- Properties ---------------------------------------------------------------------------------------
  TdxBarButtonGroupPosition GetButtonGroup() const { return FButtonGroup; }
  void SetButtonGroup(TdxBarButtonGroupPosition Value);
  TdxBarItemControl* GetControl() const { return FControl; }
  TObject* GetData() const { return FData; }
  void SetData(TObject* Value) { FData = Value; }
  bool GetDeletionMark() const { return FDeletionMark; }
  void SetDeletionMark(bool Value) { FDeletionMark = Value; }
  TRect GetItemRect() const { return FItemRect; }
  void SetItemRect(const TRect& Value);
  TdxBar* GetMergingBar() const { return FMergingBar; }
  bool GetMostRecentlyUsed() const { return FMostRecentlyUsed; }
  void SetMostRecentlyUsed(bool Value);
  TdxBarItemPosition GetPosition() const { return FPosition; }
  void SetPosition(TdxBarItemPosition Value);
  Integer GetRowHeight() const { return FRowHeight; }
  void SetRowHeight(Integer Value) { FRowHeight = Value; }
  Integer GetUseCount() const { return FUseCount; }
  void SetUseCount(Integer Value) { FUseCount = Value; }
  String GetUserCaption() const { return FUserCaption; }
  void SetUserCaption(const String& Value);
  TdxBarUserDefines GetUserDefine() const { return FUserDefine; }
  void SetUserDefine(TdxBarUserDefines Value);
  TBitmap* GetUserGlyph() const { return FUserGlyph; }
  void SetUserGlyph(TBitmap* Value);
  bool IsUserGlyphStored() const { return FUserDefine.Contains(udGlyph); }
  TdxBarPaintStyle GetUserPaintStyle() const { return FUserPaintStyle; }
  void SetUserPaintStyle(TdxBarPaintStyle Value);
  Integer GetUserWidth() const { return FUserWidth; }
  void SetUserWidth(Integer Value);
  TdxBarItemViewLevels GetViewLevels() const { return FViewLevels; }
  void SetViewLevels(TdxBarItemViewLevels Value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  bool GetLoadedVisible() const { return FLoadedVisible; }
  String GetLoadedItemName() const { return FLoadedItemName; }
  void SetLoadedItemName(const String& Value) { FLoadedItemName = Value; }
  Integer GetLoadedRecentIndex() const { return FLoadedRecentIndex; }
  void SetLoadedRecentIndex(Integer Value) { FLoadedRecentIndex = Value; }
  Integer GetLoadedUseCount() const { return FLoadedUseCount; }
  void SetLoadedUseCount(Integer Value) { FLoadedUseCount = Value; }
  String GetPrevItemName() const { return FPrevItemName; }
  void SetPrevItemName(const String& Value) { FPrevItemName = Value; }

 protected:
  void Construct() override;
  void Destroy() override;
  void DefineProperties(Filer::TFiler* Filer) override;

 private:
  friend class TdxBarItemLinks;
  friend class TdxBarItem;
  friend class TdxBarItemControl;
  void ReadItemName(Filer::TReader* Reader);
  void WriteItemName(Filer::TWriter* Writer);
  bool IsItemNameStored(TdxBarItemLink* AAncestor);
  void UserGlyphBitmapChanged(TObject* Sender) { UserGlyphChanged(); }
  // Clears the link's control reference without freeing it (the control's own destruction).
  void ControlDestroyed() { FControl = nullptr; }

  bool FBeginGroup = false;
  TdxBarButtonGroupPosition FButtonGroup = bgpNone;
  TdxBarItemControl* FControl = nullptr;  // owned
  TdxBar* FMergingBar = nullptr;
  TObject* FData = nullptr;
  bool FDeletionMark = false;
  TdxBarItem* FItem = nullptr;
  TRect FItemRect;
  String FLoadedItemName;
  Integer FLoadedRecentIndex = -1;
  Integer FLoadedUseCount = 0;
  bool FLoadedVisible = true;
  bool FMostRecentlyUsed = true;
  TdxBarItemLink* FRealItemLink = nullptr;
  TdxBarItemPosition FPosition = ipBeginsNewRow;
  String FPrevItemName;
  Integer FPrevRecentIndex = 0;
  Integer FRefCount = 0;
  Integer FRowHeight = 0;
  Integer FUseCount = 0;
  String FUserCaption;
  TdxBarUserDefines FUserDefine;
  TBitmap* FUserGlyph = nullptr;  // owned
  TdxBarPaintStyle FUserPaintStyle = psStandard;
  Integer FUserWidth = 0;
  TdxBarItemViewLevels FViewLevels = dxBarItemAllViewLevels;
  bool FVisible = true;
  TdxBarItemLinks* FLinks = nullptr;  // the collection, typed
};

// ---- Menu display options -------------------------------------------------------------------------------
class TdxBarItemOptions : public TPersistent {
  DECLARE_CLASS(TdxBarItemOptions, TPersistent)
 public:
  explicit TdxBarItemOptions(TdxBarItemLinks* AItemLinks = nullptr) : FItemLinks(AItemLinks) {}
  void Assign(TPersistent* Source) override;

  TdxBarItemLinks* GetItemLinks() const { return FItemLinks; }
  TdxBarItemOptionValues GetAssignedValues() const { return FAssignedValues; }
  bool GetShowDescriptions();
  void SetShowDescriptions(bool Value);
  bool GetShowShortCuts();
  void SetShowShortCuts(bool Value);
  TdxBarMenuItemSize GetSize();
  void SetSize(TdxBarMenuItemSize Value);
  bool IsShowDescriptionsStored() const { return FAssignedValues.Contains(ioShowDescriptions); }
  bool IsShowShortCutsStored() const { return FAssignedValues.Contains(ioShowShortCuts); }
  bool IsSizeStored() const { return FAssignedValues.Contains(ioSize); }

 protected:
  TPersistent* GetOwner() override;

 private:
  TdxBarItemLinks* FItemLinks;
  TdxBarItemOptionValues FAssignedValues;
  bool FShowDescriptions = false;
  bool FShowShortCuts = true;
  TdxBarMenuItemSize FSize = misNormal;
};

// ---- The collection -------------------------------------------------------------------------------------
class TdxBarItemLinks : public TCollection {
  DECLARE_CLASS(TdxBarItemLinks, TCollection)
 public:
  TdxBarItemLinks(TdxBarManager* ABarManager = nullptr, IdxBarLinksOwner* AOwner = nullptr)
      : TCollection(TdxBarItemLink::StaticClass()), FBarManager(ABarManager), FOwner(AOwner) {}

  void Assign(TPersistent* Source) override;

  // ---- Overridable operations, in slot order -----------------------------------------------------------
  virtual bool IsScrollable();
  virtual TdxBarItemLink* DoFindItemWithAccel(Word AKey, TShiftState AShift, TdxBarItemLink* ACurrent);
  virtual void GetDefaultValue(TdxBarItemOptionValue AValue, Variant& AResult);
  virtual void GetOptionsValue(TdxBarItemOptionValue AValue, TdxBarItemLinks* ALinks, Variant& AResult);
  virtual bool CanContainItem(TdxBarItem* AItem, String& AErrorText);

  // ---- Links --------------------------------------------------------------------------------------------
  TdxBarItemLink* Add();
  TdxBarItemLink* Add(TdxBarItem* AItem);
  TdxBarItemLink* AddItem(TClass AItemClass, TComponent* AOwner = nullptr);
  TdxBarItemLink* AddButton();
  TdxBarItemLink* AddSubItem();
  TdxBarItemLink* Insert(Integer AIndex);
  void Move(Integer ACurIndex, Integer ANewIndex);
  Integer IndexOf(TdxBarItemLink* ALink) const;
  Integer GetIndexByItemName(const String& AName);
  bool HasItem(TdxBarItem* AItem);
  bool IsControlExists(TdxBarItemControl* AControl);
  bool IsReferencedBy(TComponent* AOwner);
  TdxBarItemLink* GetItem(Integer AIndex) const { return static_cast<TdxBarItemLink*>(TCollection::GetItem(AIndex)); }
  void SetItem(Integer AIndex, TdxBarItemLink* Value) { TCollection::SetItem(AIndex, Value); }
  // Frees the links whose item belongs to another manager than AManager (nil: the collection's own).
  void FreeForeignItems(TdxBarManager* AManager);

  // ---- Visibility lists ---------------------------------------------------------------------------------
  Integer GetAvailableItemCount() const { return static_cast<Integer>(FAvailableItems.size()); }
  TdxBarItemLink* GetAvailableItem(Integer AIndex) const { return FAvailableItems.at(static_cast<size_t>(AIndex)); }
  Integer AvailableIndexOf(TdxBarItemLink* ALink) const;
  Integer GetCanVisibleItemCount() const { return static_cast<Integer>(FCanVisibleItems.size()); }
  TdxBarItemLink* GetCanVisibleItem(Integer AIndex) const {
    return FCanVisibleItems.at(static_cast<size_t>(AIndex));
  }
  Integer CanVisibleIndexOf(TdxBarItemLink* ALink) const;
  Integer GetVisibleItemCount() const { return static_cast<Integer>(FVisibleItems.size()); }
  TdxBarItemLink* GetVisibleItem(Integer AIndex) const { return FVisibleItems.at(static_cast<size_t>(AIndex)); }
  Integer VisibleIndexOf(TdxBarItemLink* ALink) const;
  Integer GetRealVisibleItemCount();
  void RefreshVisibilityLists();

  // ---- Recent order -------------------------------------------------------------------------------------
  Integer GetRecentItemCount() const { return FRecentItemCount; }
  void SetRecentItemCount(Integer Value);
  void RestoreRecentItemCount();
  Integer GetMostRecentItemCount();
  bool CanUseRecentItems();
  void CheckVisibleIntegrity();
  Integer RecentIndexOf(TdxBarItemLink* ALink) const;
  TdxBarItemLink* GetRecentItem(Integer AIndex) const { return FRecentItems.at(static_cast<size_t>(AIndex)); }
  Integer GetRecentListCount() const { return static_cast<Integer>(FRecentItems.size()); }
  bool GetUseRecentItems() const { return FUseRecentItems; }
  void SetUseRecentItems(bool Value);

  // ---- Navigation, accelerators and shortcuts -----------------------------------------------------------
  TdxBarItemLinks* GetParentLinks();
  TdxBarItemLink* First();
  TdxBarItemLink* Last();
  TdxBarItemLink* Next(TdxBarItemLink* ALink, bool AAnyLink = false);
  TdxBarItemLink* Prev(TdxBarItemLink* ALink, bool AAnyLink = false);
  bool IsShortCut(TShortCut AShortCut);
  TdxBarItemLink* FindItemWithAccel(Word AKey, TShiftState AShift, TdxBarItemLink* ACurrent);
  void InitiateActions();

  // ---- Bar window ---------------------------------------------------------------------------------------
  void EmptyItemRects();
  void CreateBarControl();
  void DestroyBarControl();
  TCustomdxBarControl* GetBarControl() const { return FBarControl; }

  // ---- Loading, merging, persistence --------------------------------------------------------------------
  void Loaded(bool AApplyVisibility = true);
  void LoadItemNames();
  void Merge(TdxBarItemLinks* ASource);
  void Unmerge(TdxBar* ABar);
  bool GetItemShowDescriptions();
  bool GetItemShowShortCuts();
  TdxBarMenuItemSize GetItemSize();
  void DesignerModified();
  void CheckLinks(IniFiles::TCustomIniFile* AIniFile);
  void LoadFromIni(IniFiles::TCustomIniFile* AIniFile, const String& ABaseSection, TdxBarStoringKind AStoringKind);
  void LoadUsageData(IniFiles::TCustomIniFile* AIniFile, const String& ASection);
  void SaveToIni(IniFiles::TCustomIniFile* AIniFile, const String& ABaseSection, TdxBarStoringKind AStoringKind);

  // ---- Properties ---------------------------------------------------------------------------------------
  TdxBarManager* GetBarManager() const { return FBarManager; }
  IdxBarLinksOwner* GetLinksOwner() const { return FOwner; }
  TComponent* GetOwnerComponent();
  bool GetInternal() const { return FInternal; }
  void SetInternal(bool Value) { FInternal = Value; }
  bool GetAssigning() const { return FAssigning; }
  TdxBarItemOptions* GetItemOptions() const { return FItemOptions; }
  void SetItemOptions(TdxBarItemOptions* Value) { FItemOptions->Assign(Value); }
  TNotifyEvent OnChange;

  // The bar whose merge runs now (links assigned meanwhile record it); nil outside a merge.
  static TdxBar* MergingBar();
  // A bar sets itself here around merging its links into another bar.
  static void SetMergingBar(TdxBar* ABar);

 protected:
  void Construct() override;
  void Destroy() override;
  TPersistent* GetOwner() override;
  void Update(TCollectionItem* Item) override;

 private:
  friend class TdxBarItemLink;
  void AddToRecentList(TdxBarItemLink* ALink) { FRecentItems.push_back(ALink); }
  void RemoveFromRecentList(TdxBarItemLink* ALink);
  void MoveInRecentList(TdxBarItemLink* ALink, Integer ANewIndex);
  // The links shown in a toolbar's window (scrollable collections: every visible link).
  std::vector<TdxBarItemLink*> GetShownLinks();

  bool FAssigning = false;
  std::vector<TdxBarItemLink*> FAvailableItems;
  std::vector<TdxBarItemLink*> FCanVisibleItems;
  std::vector<TdxBarItemLink*> FVisibleItems;
  TCustomdxBarControl* FBarControl = nullptr;  // owned
  TdxBarManager* FBarManager;
  bool FInternal = false;
  TdxBarItemOptions* FItemOptions = nullptr;  // owned
  IdxBarLinksOwner* FOwner;
  Integer FPrevRecentItemCount = -1;
  std::vector<TdxBarItemLink*> FRecentItems;
  Integer FRecentItemCount = -1;
  bool FUseRecentItems = true;
};

// The link collection of a toolbar.
class TdxBarControlItemLinks : public TdxBarItemLinks {
  DECLARE_CLASS(TdxBarControlItemLinks, TdxBarItemLinks)
 public:
  using TdxBarItemLinks::TdxBarItemLinks;
  TdxBarItemLink* DoFindItemWithAccel(Word AKey, TShiftState AShift, TdxBarItemLink* ACurrent) override;
};

// The link collection of a menu.
class TdxBarSubMenuControlItemLinks : public TdxBarItemLinks {
  DECLARE_CLASS(TdxBarSubMenuControlItemLinks, TdxBarItemLinks)
 public:
  using TdxBarItemLinks::TdxBarItemLinks;
  bool IsScrollable() override { return true; }
  TdxBarItemLink* DoFindItemWithAccel(Word AKey, TShiftState AShift, TdxBarItemLink* ACurrent) override;
};

// The use count at which a link counts as recently used, for a manager's MostRecentItemsPercents:
// the smallest N >= 1 with N * (100 - percents) div 100 > 0, 0 for 100 percent.
Integer dxBarMostRecentlyUsedUseCount(Integer APercents);

}  // namespace dxBar

using namespace dxBar;
