// The bar manager's life cycle: owner rules, registration, the owned objects and their teardown order,
// loading, streaming of its children and renaming.
#include "dxBarManager.h"

#include "Controls.h"
#include "Exceptions.h"
#include "Filer.h"
#include "Forms.h"
#include "IniFiles.h"
#include "ImgList.h"
#include "Strings.h"
#include "cxClassesLinks.h"
#include "cxClassesResStrings.h"
#include "cxClassesUtils.h"
#include "cxLookAndFeels.h"
#include "dxBarBar.h"
#include "dxBarCategories.h"
#include "dxBarDock.h"
#include "dxBarConsts.h"
#include "dxBarGroups.h"
#include "dxBarItem.h"
#include "dxBarItemLinks.h"
#include "dxBarLookups.h"
#include "dxBarOptions.h"
#include "dxBarUnit.h"

namespace dxBar {

IMPLEMENT_CLASS_PUBLISHED(TdxBarManager) {
  using T = TdxBarManager;
  d.Property("AllowCallFromAnotherForm", &T::GetAllowCallFromAnotherForm, &T::SetAllowCallFromAnotherForm)
      .Default(false);
  d.Property("AllowReset", &T::GetAllowReset, &T::SetAllowReset).Default(true);
  d.Property("AlwaysMerge", &T::GetAlwaysMerge, &T::SetAlwaysMerge).Default(false);
  d.Property("AlwaysSaveText", &T::GetAlwaysSaveText, &T::SetAlwaysSaveText).Default(false);
  d.Property("AutoAlignBars", &T::GetAutoAlignBars, &T::SetAutoAlignBars).Default(false);
  d.Property("AutoDockColor", &T::GetAutoDockColor, &T::SetAutoDockColor).Default(true);
  d.Property("AutoHideEmptyBars", &T::GetAutoHideEmptyBars, &T::SetAutoHideEmptyBars).Default(false);
  d.Property("Backgrounds", &T::GetBackgrounds, &T::SetBackgrounds);
  d.Property("ButtonArrowWidth", &T::GetButtonArrowWidth, &T::SetButtonArrowWidth).Default(11);
  d.Property("CanCustomize", &T::GetCanCustomize, &T::SetCanCustomize).Default(true);
  d.Property("Categories", &T::GetCategories, &T::SetCategories);
  d.Property("DockColor", &T::GetDockColorValue, &T::SetDockColor).Type(ColorTypeInfo()).Stored(&T::IsDockColorStored);
  d.Property("FlatCloseButton", &T::GetFlatCloseButton, &T::SetFlatCloseButton).Default(false);
  d.Property("Font", &T::GetFont, &T::SetFont);
  d.Property("HelpButtonGlyph", &T::GetHelpButtonGlyph, &T::SetHelpButtonGlyph);
  d.Property("HelpContext", &T::GetHelpContext, &T::SetHelpContext).Default(0);
  d.Property("HideFloatingBarsWhenInactive", &T::GetHideFloatingBarsWhenInactive,
             &T::SetHideFloatingBarsWhenInactive)
      .Default(true);
  d.Property("ImageOptions", &T::GetImageOptions, &T::SetImageOptions);
  d.Property("IniFileName", &T::GetIniFileName, &T::SetIniFileName);
  d.Property("LargeButtonArrowWidth", &T::GetLargeButtonArrowWidth, &T::SetLargeButtonArrowWidth).Default(13);
  d.Property("LookAndFeel", &T::GetLookAndFeel, &T::SetLookAndFeel);
  d.Property("MenuAnimations", &T::GetMenuAnimations, &T::SetMenuAnimations).Default(maNone);
  d.Property("MenusShowRecentItemsFirst", &T::GetMenusShowRecentItemsFirst, &T::SetMenusShowRecentItemsFirst)
      .Default(true);
  d.Property("MostRecentItemsPercents", &T::GetMostRecentItemsPercents, &T::SetMostRecentItemsPercents).Default(Byte(95));
  d.Property("NotDocking", &T::GetNotDocking, &T::SetNotDocking).Default(TdxBarDockingStyles{});
  d.Property("RegistryPath", &T::GetRegistryPath, &T::SetRegistryPath);
  d.Property("Scaled", &T::GetScaled, &T::SetScaled).Default(true);
  d.Property("ShowCloseButton", &T::GetShowCloseButton, &T::SetShowCloseButton).Default(false);
  d.Property("ShowHelpButton", &T::GetShowHelpButton, &T::SetShowHelpButton).Default(false);
  d.Property("ShowFullMenusAfterDelay", &T::GetShowFullMenusAfterDelay, &T::SetShowFullMenusAfterDelay).Default(true);
  d.Property("ShowHint", &T::GetShowHint, &T::SetShowHint).Default(true);
  d.Property("ShowHintForDisabledItems", &T::GetShowHintForDisabledItems, &T::SetShowHintForDisabledItems)
      .Default(true);
  d.Property("ShowShortCutInHint", &T::GetShowShortCutInHint, &T::SetShowShortCutInHint).Default(false);
  d.Property("StoreInIniFile", &T::GetStoreInIniFile, &T::SetStoreInIniFile).Default(false);
  d.Property("StoreInRegistry", &T::GetStoreInRegistry, &T::SetStoreInRegistry).Default(false);
  d.Property("Style", &T::GetStyle, &T::SetStyle).Default(bmsEnhanced);
  d.Property("SunkenBorder", &T::GetSunkenBorder, &T::SetSunkenBorder).Default(false);
  d.Property("UseF10ForMenu", &T::GetUseF10ForMenu, &T::SetUseF10ForMenu).Default(true);
  d.Property("UseFullReset", &T::GetUseFullReset, &T::SetUseFullReset).Default(false);
  d.Property("UseSystemFont", &T::GetUseSystemFont, &T::SetUseSystemFont).Default(true);
  d.Property("WaitForDockingTime", &T::GetWaitForDockingTime, &T::SetWaitForDockingTime).Default(21);
  d.Property("OnBarAdd", &T::GetOnBarAdd, &T::SetOnBarAdd);
  d.Property("OnBarAfterReset", &T::GetOnBarAfterReset, &T::SetOnBarAfterReset);
  d.Property("OnBarBeforeReset", &T::GetOnBarBeforeReset, &T::SetOnBarBeforeReset);
  d.Property("OnBarClose", &T::GetOnBarClose, &T::SetOnBarClose);
  d.Property("OnBarDelete", &T::GetOnBarDelete, &T::SetOnBarDelete);
  d.Property("OnBarDockingStyleChange", &T::GetOnBarDockingStyleChange, &T::SetOnBarDockingStyleChange);
  d.Property("OnBarVisibleChange", &T::GetOnBarVisibleChange, &T::SetOnBarVisibleChange);
  d.Property("OnClickItem", &T::GetOnClickItem, &T::SetOnClickItem);
  d.Property("OnCloseButtonClick", &T::GetOnCloseButtonClick, &T::SetOnCloseButtonClick);
  d.Property("OnDocking", &T::GetOnDocking, &T::SetOnDocking);
  d.Property("OnHelpButtonClick", &T::GetOnHelpButtonClick, &T::SetOnHelpButtonClick);
  d.Property("OnHideCustomizingForm", &T::GetOnHideCustomizingForm, &T::SetOnHideCustomizingForm);
  d.Property("OnItemLinkAdd", &T::GetOnItemLinkAdd, &T::SetOnItemLinkAdd);
  d.Property("OnItemLinkChange", &T::GetOnItemLinkChange, &T::SetOnItemLinkChange);
  d.Property("OnItemLinkDelete", &T::GetOnItemLinkDelete, &T::SetOnItemLinkDelete);
  d.Property("OnMenuMerge", &T::GetOnMenuMerge, &T::SetOnMenuMerge);
  d.Property("OnMerge", &T::GetOnMerge, &T::SetOnMerge);
  d.Property("OnMergeItemLink", &T::GetOnMergeItemLink, &T::SetOnMergeItemLink);
  d.Property("OnShowCustomizingForm", &T::GetOnShowCustomizingForm, &T::SetOnShowCustomizingForm);
  d.Property("OnShowCustomizingPopup", &T::GetOnShowCustomizingPopup, &T::SetOnShowCustomizingPopup);
  d.Property("OnShowToolbarsPopup", &T::GetOnShowToolbarsPopup, &T::SetOnShowToolbarsPopup);
}

// ---- Construction -------------------------------------------------------------------------------------
void TdxBarManager::Construct() {
  FInternalState.Include(bisCreating);
  inherited::Construct();
  CheckOwner();
  FInternalState.Exclude(bisCreating);
  RegisterManager();
  CreateOwnedObjects();
}

// A manager belongs to a window control, at most one to each; without an owner it joins the
// application's main form.
void TdxBarManager::CheckOwner() {
  if (!Owner() && Application->MainForm()) Application->MainForm()->InsertComponent(this);
  if (!dynamic_cast<TWinControl*>(Owner())) throw Exception(cxGetResourceString(&dxSBAR_BARMANAGERBADOWNER));
  if (GetBarManagerByComponent(Owner())) throw Exception(cxGetResourceString(&dxSBAR_BARMANAGERMORETHANONE));
}

void TdxBarManager::RegisterManager() {
  if (dxBarManagerList && dxBarManagerList->IndexOf(this) < 0) {
    if (dxBarManagerList->GetCount() == 0) InstallBarHooks();
    dxBarManagerList->Add(this);
    if (FOnRegisterBarManager) FOnRegisterBarManager(this);
  }
  if (!GetDesigning()) CreateSharedHintWindow();
}

void TdxBarManager::UnregisterManager() {
  if (!dxBarManagerList) return;
  dxBarManagerList->Extract(this);
  if (dxBarManagerList->GetCount() == 0) {
    RemoveBarHooks();
    FreeSharedHintWindow();
  }
  if (FOnUnregisterBarManager) FOnUnregisterBarManager(this);
}

void TdxBarManager::CreateOwnedObjects() {
  FBackgrounds = New<TdxBarBackgrounds>(this);
  FLookAndFeel = New<cxLookAndFeels::TcxLookAndFeel>(this);
  FInternalItems = New<TComponentList>(true);
  FItems = New<TdxBarComponentList>();
  FCategories = New<TdxBarManagerCategories>(this);
  FCategories->OnChange = TNotifyEvent(this, &TdxBarManager::CategoriesChanged);
  FDockControls = New<TList>();
  FPopupMenus = New<TComponentList>(false);
  FBars = New<TdxBars>(this);
  for (auto* handlers : {&FIniFileReadHandlers, &FIniFileWriteHandlers, &FMDIStateChangedHandlers,
                         &FSystemFontChangedHandlers})
    *handlers = New<cxClasses::TcxEventHandlerCollection>();
  FBarCaptionFont = New<TFont>();
  FEditFont = New<TFont>();
  FFont = New<TFont>();
  FGroups = New<TdxBarComponentList>();
  FHelpButtonGlyph = New<TBitmap>();
  FImageOptions = New<TdxBarImageOptions>(this);
  FImageOptions->OnLargeIconsChanged = TNotifyEvent(this, &TdxBarManager::LargeIconsChanged);
  FImageOptions->GetImagesChangeLink()->OnChange = TNotifyEvent(this, &TdxBarManager::ImagesChanged);
  FImageOptions->GetDisabledImagesChangeLink()->OnChange = TNotifyEvent(this, &TdxBarManager::ImagesChanged);
  FImageOptions->GetHotImagesChangeLink()->OnChange = TNotifyEvent(this, &TdxBarManager::HotImagesChanged);
  FImageOptions->GetLargeImagesChangeLink()->OnChange = TNotifyEvent(this, &TdxBarManager::LargeImagesChanged);
  FImageOptions->GetDisabledLargeImagesChangeLink()->OnChange =
      TNotifyEvent(this, &TdxBarManager::LargeImagesChanged);
  if (!GetDesigning()) FSavedState = New<TMemIniFile>(String());
  CalcMostRecentlyUsedUseCount();
  CreateLookObjects();
}

// ---- Destruction ----------------------------------------------------------------------------------------
void TdxBarManager::Destroy() {
  if (FInternalState.Contains(bisCreating)) {
    // The owner rules refused the manager: nothing of its own was made.
    inherited::Destroy();
    return;
  }
  // Code that runs user events (the bar-moving loop among them) holds links to the manager.
  cxClearObjectLinks(this);
  UnregisterManager();
  StopHintTimers();
  FHintObject = nullptr;
  DestroyLookObjects();
  FreeAndNil(FSavedState);
  FreeAndNil(FImageOptions);
  FreeAndNil(FLookAndFeel);
  FIsCustomizing = false;
  // The popup menus, then the groups, go with the manager: their lists own them from here on.
  FPopupMenus->SetOwnsObjects(true);
  FreeAndNil(FPopupMenus);
  FreeAndNil(FHelpButtonGlyph);
  FGroups->SetOwnsObjects(true);
  FreeAndNil(FGroups);
  FreeAndNil(FFont);
  FreeAndNil(FEditFont);
  FreeAndNil(FBarCaptionFont);
  FreeAndNil(FBars);
  for (auto* handlers : {&FIniFileReadHandlers, &FIniFileWriteHandlers, &FMDIStateChangedHandlers,
                         &FSystemFontChangedHandlers})
    FreeAndNil(*handlers);
  FreeAndNil(FDockControls);
  FreeAndNil(FInternalItems);
  FItems->SetOwnsObjects(true);
  FreeAndNil(FItems);
  FreeAndNil(FCategories);
  FreeAndNil(FBarRestoringList);
  FreeAndNil(FDisabledFloatingWindows);
  FreeAndNil(FNewItemsList);
  FreeAndNil(FBackgrounds);
  inherited::Destroy();
}

// ---- Queries ---------------------------------------------------------------------------------------------
bool TdxBarManager::GetDesigning() const { return ComponentState().Contains(csDesigning); }
bool TdxBarManager::GetIsDestroying() const { return ComponentState().Contains(csDestroying); }
bool TdxBarManager::GetIsLoading() const { return ComponentState().Contains(csLoading); }
bool TdxBarManager::GetIsInitializing() const { return GetIsLoading() || FInternalState.Contains(bisAfterLoading); }
bool TdxBarManager::GetIsCustomizing() const { return FIsCustomizing || GetDesigning(); }

TdxBarItem* TdxBarManager::GetItem(Integer Index) const {
  return Index >= 0 && Index < GetItemCount() ? static_cast<TdxBarItem*>(FItems->GetItems(Index)) : nullptr;
}
Integer TdxBarManager::GetItemCount() const { return FItems ? FItems->GetCount() : 0; }

TdxBarGroup* TdxBarManager::GetGroup(Integer Index) const {
  return Index >= 0 && Index < GetGroupCount() ? static_cast<TdxBarGroup*>(FGroups->GetItems(Index)) : nullptr;
}
Integer TdxBarManager::GetGroupCount() const { return FGroups ? FGroups->GetCount() : 0; }

TdxDockControl* TdxBarManager::GetDockControl(Integer Index) const {
  return static_cast<TdxDockControl*>(FDockControls->GetItems(Index));
}
Integer TdxBarManager::GetDockControlCount() const { return FDockControls ? FDockControls->GetCount() : 0; }

TdxDockControl* TdxBarManager::GetInternalDockControl(TdxBarDockingStyle ADockingStyle) const {
  static const Integer slot[] = {-1, 0, 1, 2, 3};  // dsNone, dsLeft, dsTop, dsRight, dsBottom
  const Integer index = slot[ADockingStyle];
  return index >= 0 && index < GetDockControlCount() ? GetDockControl(index) : nullptr;
}

bool TdxBarManager::IsInternalDockControl(TdxDockControl* ADockControl) const {
  const Integer index = FDockControls->IndexOf(ADockControl);
  return ADockControl && index >= 0 && index < 4;
}

void TdxBarManager::AddDockControl(TdxDockControl* ADockControl) { FDockControls->Add(ADockControl); }

// The bars let go of a dock that leaves: the bars shown on it hide, the others forget it.
void TdxBarManager::RemoveDockControl(TdxDockControl* ADockControl) {
  for (Integer i = 0; FBars && i < FBars->GetCount(); ++i) {
    TdxBar* bar = FBars->GetItem(i);
    if (bar->GetRealDockControl() == ADockControl) bar->SetVisible(false);
    if (static_cast<TdxDockControl*>(bar->GetDockControl()) == ADockControl) bar->SetDockControl(nullptr);
    if (static_cast<TdxDockControl*>(bar->GetDockedDockControl()) == ADockControl) bar->SetDockedDockControl(nullptr);
  }
  FDockControls->Remove(ADockControl);
  if (FBars) FBars->ForgetDockControl(ADockControl);
}

Integer TdxBarManager::GetTabOrder() const { return dxBarManagerList ? dxBarManagerList->IndexOf(const_cast<TdxBarManager*>(this)) : -1; }

void TdxBarManager::SetTabOrder(Integer Value) {
  const Integer current = GetTabOrder();
  if (current < 0) return;
  Value = std::clamp(Value, 0, dxBarManagerList->GetCount() - 1);
  dxBarManagerList->Move(current, Value);
}

// ---- Lists of items, groups and popup menus -------------------------------------------------------------
void TdxBarManager::AddItem(TdxBarItem* AItem) {
  if (FItems->IndexOf(AItem) < 0) FItems->Add(AItem);
  AItem->SetBarManagerField(this);
}

void TdxBarManager::RemoveItem(TdxBarItem* AItem) {
  FItems->Remove(AItem);
  AItem->SetBarManagerField(nullptr);
}

void TdxBarManager::AddGroup(TdxBarGroup* AGroup) {
  if (FGroups->IndexOf(AGroup) < 0) FGroups->Add(AGroup);
  AGroup->SetBarManagerField(this);
}

void TdxBarManager::RemoveGroup(TdxBarGroup* AGroup) {
  FGroups->Remove(AGroup);
  AGroup->SetBarManagerField(nullptr);
}

TdxBarGroup* TdxBarManager::CreateGroup() {
  TdxBarGroup* group = New<TdxBarGroup>(Owner());
  AddGroup(group);
  return group;
}

void TdxBarManager::AddPopupMenu(TdxBarComponent* APopupMenu) {
  if (FPopupMenus->IndexOf(APopupMenu) < 0) FPopupMenus->Add(APopupMenu);
  APopupMenu->SetBarManagerField(this);
}

void TdxBarManager::RemovePopupMenu(TdxBarComponent* APopupMenu) {
  FPopupMenus->Remove(APopupMenu);
  APopupMenu->SetBarManagerField(nullptr);
}

// ---- Streaming --------------------------------------------------------------------------------------------
void TdxBarManager::ReadState(Filer::TReader* Reader) {
  inherited::ReadState(Reader);
  ++FReadStateCount;
}

// Bars, then the items that have a category, then the groups, each only when Root owns it.
void TdxBarManager::GetChildren(TGetChildProc Proc, TComponent* Root) {
  for (Integer i = 0; i < FBars->GetCount(); ++i)
    if (FBars->GetItem(i)->Owner() == Root) Proc(FBars->GetItem(i));
  for (Integer i = 0; i < GetItemCount(); ++i)
    if (GetItem(i)->Owner() == Root && GetItem(i)->GetCategory() >= 0) Proc(GetItem(i));
  for (Integer i = 0; i < GetGroupCount(); ++i)
    if (GetGroup(i)->Owner() == Root) Proc(GetGroup(i));
}

void TdxBarManager::SetChildOrder(TComponent* Child, Integer Order) {
  inherited::SetChildOrder(Child, Order);
  const Integer barCount = FBars->GetCount();
  if (const Integer index = FItems->IndexOf(Child); index >= 0)
    FItems->Move(index, std::clamp(Order - barCount, 0, GetItemCount() - 1));
  else if (const Integer index = FGroups->IndexOf(Child); index >= 0)
    FGroups->Move(index, std::clamp(Order - barCount - GetItemCount(), 0, GetGroupCount() - 1));
}

void TdxBarManager::Loaded() {
  inherited::Loaded();
  if (IsUpdateLocked()) return;
  FInternalState.Include(bisAfterLoading);
  try {
    ResolveLoadedItemNames();
    if (GetDesigning()) SortItemsByCategory();
    // The values read from the stream are applied now; the bars and the stored layout follow them.
    FInternalState.Include(bisBarsLoading);
    for (Integer i = 0; i < GetItemCount(); ++i) GetItem(i)->SetVisible(GetItem(i)->GetLoadedVisible());
    for (Integer i = 0; i < FBars->GetCount(); ++i) FBars->GetItem(i)->ApplyLoadedSettings();
    FInternalState.Exclude(bisBarsLoading);
    for (Integer i = 0; i < FCategories->GetCount(); ++i)
      if (TdxBarCategoryData* data = FCategories->GetData(i)) SetCategoryItemsVisible(i, data->LoadedItemsVisible);
  } catch (...) {
    FInternalState.Exclude(bisAfterLoading);
    FInternalState.Exclude(bisBarsLoading);
    throw;
  }
  FInternalState.Exclude(bisAfterLoading);
  if (!GetDesigning()) RestoreStoredLayout();
}

// Item links name their items in the form stream: every item's own links, then every bar's.
void TdxBarManager::ResolveLoadedItemNames() {
  for (Integer i = 0; i < GetItemCount(); ++i)
    if (TdxBarItemLinks* links = GetItem(i)->GetItemLinks()) links->LoadItemNames();
  for (Integer i = 0; i < FBars->GetCount(); ++i)
    if (TdxBarItemLinks* links = FBars->GetItem(i)->GetItemLinks()) links->LoadItemNames();
}

// Adjacent pairs swapped while out of order, so that categories appear in order at design time.
void TdxBarManager::SortItemsByCategory() {
  for (bool swapped = true; swapped;) {
    swapped = false;
    for (Integer i = 0; i + 1 < GetItemCount(); ++i)
      if (GetItem(i)->GetCategory() > GetItem(i + 1)->GetCategory()) {
        FItems->Exchange(i, i + 1);
        swapped = true;
      }
  }
}

void TdxBarManager::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
}

void TdxBarManager::DefineProperties(Filer::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  DefineLayoutProperties(Filer);
}

// At design time the items named after the manager follow its new name.
void TdxBarManager::SetName(const String& NewName) {
  const String oldName = GetName();
  inherited::SetName(NewName);
  if (!GetDesigning() || SameText(oldName, NewName) || oldName.empty() || !Owner()) return;
  for (Integer i = 0; i < GetItemCount(); ++i) {
    TdxBarItem* item = GetItem(i);
    const String name = item->GetName();
    if (item->Owner() != Owner() || name.size() <= oldName.size() || !SameText(name.substr(0, oldName.size()), oldName))
      continue;
    try {
      static_cast<TComponent*>(item)->SetName(NewName + name.substr(oldName.size()));
    } catch (EComponentError&) {
    }
  }
}

// ---- Settings -----------------------------------------------------------------------------------------------
void TdxBarManager::SetBackgrounds(TdxBarBackgrounds* Value) { FBackgrounds->Assign(Value); }
void TdxBarManager::SetImageOptions(TdxBarImageOptions* Value) { FImageOptions->Assign(Value); }
void TdxBarManager::SetCategories(TStrings* Value) { FCategories->Assign(Value); }
void TdxBarManager::SetFont(TFont* Value) { FFont->Assign(Value); }
void TdxBarManager::SetHelpButtonGlyph(TBitmap* Value) { FHelpButtonGlyph->Assign(Value); }
void TdxBarManager::SetLookAndFeel(cxLookAndFeels::TcxLookAndFeel* Value) { FLookAndFeel->Assign(Value); }

void TdxBarManager::SetAutoDockColor(bool Value) { FAutoDockColor = Value; }

void TdxBarManager::SetDockColor(TColor Value) {
  FDockColor = Value;
  FAutoDockColor = false;
}

TColor TdxBarManager::GetDockColor() const {
  if (FAutoDockColor)
    if (auto* owner = dynamic_cast<TControl*>(Owner())) return owner->GetColor();
  return FDockColor;
}

void TdxBarManager::SetButtonArrowWidth(Integer Value) {
  if (Value > 1) FButtonArrowWidth = Value;
}

void TdxBarManager::SetLargeButtonArrowWidth(Integer Value) {
  if (Value >= 2) FLargeButtonArrowWidth = Value;
}

void TdxBarManager::SetMostRecentItemsPercents(Byte Value) {
  FMostRecentItemsPercents = std::min<Byte>(Value, 100);
  CalcMostRecentlyUsedUseCount();
}

void TdxBarManager::SetWaitForDockingTime(Integer Value) {
  if (Value >= 0) FWaitForDockingTime = Value;
}

void TdxBarManager::SetAutoHideEmptyBars(bool Value) { FAutoHideEmptyBars = Value; }

void TdxBarManager::SetFlatCloseButton(bool Value) { FFlatCloseButton = Value; }
void TdxBarManager::SetHideFloatingBarsWhenInactive(bool Value) { FHideFloatingBarsWhenInactive = Value; }
void TdxBarManager::SetMenusShowRecentItemsFirst(bool Value) { FMenusShowRecentItemsFirst = Value; }
void TdxBarManager::SetRegistryPath(const String& Value) { FRegistryPath = Value; }
void TdxBarManager::SetShowCloseButton(bool Value) { FShowCloseButton = Value; }
void TdxBarManager::SetShowHelpButton(bool Value) { FShowHelpButton = Value; }
void TdxBarManager::SetSunkenBorder(bool Value) { FSunkenBorder = Value; }

ImgList::TCustomImageList* TdxBarManager::GetImages() const { return FImageOptions->GetImages(); }
void TdxBarManager::SetImages(ImgList::TCustomImageList* Value) { FImageOptions->SetImages(Value); }
ImgList::TCustomImageList* TdxBarManager::GetLargeImages() const { return FImageOptions->GetLargeImages(); }
void TdxBarManager::SetLargeImages(ImgList::TCustomImageList* Value) { FImageOptions->SetLargeImages(Value); }
ImgList::TCustomImageList* TdxBarManager::GetHotImages() const { return FImageOptions->GetHotImages(); }
void TdxBarManager::SetHotImages(ImgList::TCustomImageList* Value) { FImageOptions->SetHotImages(Value); }
ImgList::TCustomImageList* TdxBarManager::GetDisabledImages() const { return FImageOptions->GetDisabledImages(); }
void TdxBarManager::SetDisabledImages(ImgList::TCustomImageList* Value) { FImageOptions->SetDisabledImages(Value); }
ImgList::TCustomImageList* TdxBarManager::GetDisabledLargeImages() const {
  return FImageOptions->GetDisabledLargeImages();
}
void TdxBarManager::SetDisabledLargeImages(ImgList::TCustomImageList* Value) {
  FImageOptions->SetDisabledLargeImages(Value);
}
TColor TdxBarManager::GetImageListBkColor() const { return FImageOptions->GetImageListBkColor(); }
void TdxBarManager::SetImageListBkColor(TColor Value) { FImageOptions->SetImageListBkColor(Value); }
bool TdxBarManager::GetLargeIcons() const { return FImageOptions->GetLargeIcons(); }
void TdxBarManager::SetLargeIcons(bool Value) { FImageOptions->SetLargeIcons(Value); }
bool TdxBarManager::GetMakeDisabledImagesFaded() const { return FImageOptions->GetMakeDisabledImagesFaded(); }
void TdxBarManager::SetMakeDisabledImagesFaded(bool Value) { FImageOptions->SetMakeDisabledImagesFaded(Value); }
bool TdxBarManager::GetStretchGlyphs() const { return FImageOptions->GetStretchGlyphs(); }
void TdxBarManager::SetStretchGlyphs(bool Value) { FImageOptions->SetStretchGlyphs(Value); }
bool TdxBarManager::GetUseLargeImagesForLargeIcons() const { return FImageOptions->GetUseLargeImagesForLargeIcons(); }
void TdxBarManager::SetUseLargeImagesForLargeIcons(bool Value) {
  FImageOptions->SetUseLargeImagesForLargeIcons(Value);
}

}  // namespace dxBar
