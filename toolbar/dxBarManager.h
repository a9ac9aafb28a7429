// The bar manager: the root component of the toolbar unit. A window control (usually a form) holds at
// most one; it owns the bars, the command items, the groups, the categories, the popup menus
// registered with it, the image and background options, the default painter and the drag state,
// and every bar window, item control and customization dialog reaches the rest through it.
#pragma once

#include <vector>

#include "Controls.h"
#include "Graphics.h"
#include "Menus.h"
#include "StringLists.h"
#include "dxBarComponents.h"
#include "dxBarSelectable.h"

namespace Forms {
class TCustomForm;
}
namespace IniFiles {
class TCustomIniFile;
class TMemIniFile;
}  // namespace IniFiles
namespace ImgList {
class TCustomImageList;
}
namespace cxClasses {
class TcxEventHandlerCollection;
}
namespace cxLookAndFeels {
class TcxLookAndFeel;
}
namespace WinHelp {
struct HELPINFO;
}
namespace dxThemeManager {
class TdxThemeChangedNotificator;
}

namespace dxBar {

// What the layout store's read and write handlers are given (as the event arguments).
struct TdxBarIniFileEventArgs {
  IniFiles::TCustomIniFile* IniFile;
  String Delimiter;
  String Section;
};

class TdxBarManager : public TComponent {
  DECLARE_CLASS(TdxBarManager, TComponent)
 public:
  explicit TdxBarManager(TComponent* AOwner = nullptr) : TComponent(AOwner) {}

  // ---- Life cycle and state ---------------------------------------------------------------------------
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  void SetName(const String& NewName) override;
  bool GetDesigning() const;
  bool GetIsDestroying() const;
  bool GetIsLoading() const;
  bool GetIsInitializing() const;
  bool GetBarsLoading() const { return FInternalState.Contains(bisBarsLoading); }
  bool GetIsHandleCreating() const { return FInternalState.Contains(bisHandleCreating); }
  bool GetIsStateSaving() const { return FInternalState.Contains(bisStateSaving); }
  bool GetIsRecreating() const { return false; }
  bool GetIsCustomizing() const;
  // The customizing flag alone (the customizing dialog is open), design time aside.
  bool IsCustomizingFlagSet() const { return FIsCustomizing; }
  void SetIsCustomizingFlag(bool Value) { FIsCustomizing = Value; }
  // Whether this manager is the one AManager's keyboard cycle may move to: it belongs to AManager's main
  // form and, when its master form is an MDI child, that child is the active one.
  bool IsActiveCandidateFor(TdxBarManager* AManager);
  bool GetCanModifyDesigner() const { return FDesignerModifiedLockCount == 0; }
  TdxBarInternalStates GetInternalState() const { return FInternalState; }
  // Whether the manager came from a form stream.
  bool IsLoadedFromStream() const { return FReadStateCount > 0; }
  TComponent* GetParentedOwner() const { return Owner(); }
  Forms::TCustomForm* GetMainForm();
  Forms::TCustomForm* GetMasterForm();
  Forms::TCustomForm* GetParentForm();
  TdxBarManager* GetParentBarManager();

  // ---- Lists ---------------------------------------------------------------------------------------------
  TdxBarComponentList* GetItems() const { return FItems; }
  TdxBarItem* GetItem(Integer Index) const;
  Integer GetItemCount() const;
  TdxBarComponentList* GetGroups() const { return FGroups; }
  TdxBarGroup* GetGroup(Integer Index) const;
  Integer GetGroupCount() const;
  TdxBars* GetBars() const { return FBars; }
  TComponentList* GetPopupMenuList() const { return FPopupMenus; }
  TComponentList* GetInternalItemList() const { return FInternalItems; }
  TdxDockControl* GetDockControl(Integer Index) const;
  Integer GetDockControlCount() const;
  TdxDockControl* GetInternalDockControl(TdxBarDockingStyle ADockingStyle) const;
  bool IsInternalDockControl(TdxDockControl* ADockControl) const;
  void AddDockControl(TdxDockControl* ADockControl);
  void RemoveDockControl(TdxDockControl* ADockControl);
  Integer GetTabOrder() const;
  void SetTabOrder(Integer Value);
  void AddItem(TdxBarItem* AItem);
  void RemoveItem(TdxBarItem* AItem);
  void AddGroup(TdxBarGroup* AGroup);
  void RemoveGroup(TdxBarGroup* AGroup);
  TdxBarGroup* CreateGroup();
  void AddPopupMenu(TdxBarComponent* APopupMenu);
  void RemovePopupMenu(TdxBarComponent* APopupMenu);

  // ---- Designer ------------------------------------------------------------------------------------------
  void DesignerModified();
  void LockDesignerModified(bool ALock, bool AInvokeDeferred = true);
  IdxBarDesigner* GetDesigner() const { return FDesigner; }
  void SetDesigner(IdxBarDesigner* Value) { FDesigner = Value; }
  bool CanAddComponents();
  bool CanDeleteComponent(TComponent* AComponent);
  void GetSelection(TList* AList);
  void GetActiveSelection(TList* AList);
  TdxBarSelectionStatus GetSelectionStatus(TPersistent* APersistent);
  bool IsComponentSelected(TPersistent* APersistent);
  void SelectComponent(TPersistent* APersistent, TdxBarSelectionOperation AOperation = soExclusive);
  void SetSelection(TList* AList);
  void ShowDefaultEventHandler(TdxBarItem* AItem);
  void UniqueName(const String& ABaseName, String& AName);
  TdxBarItemLink* GetLastSelectedLinkAtDesign();

  // ---- Click dispatch, shortcuts, accelerators and the update lock ----------------------------------------
  virtual void DoClickItem(TdxBarItem* AItem);
  virtual bool DoDocking(TdxBar* ABar, TdxBarDockingStyle AStyle, TdxDockControl* ADockControl);
  virtual TClass GetPainterClass();
  void DoBarAfterReset(TdxBar* ABar);
  void DoBarBeforeReset(TdxBar* ABar);
  void DoBarClose(TdxBar* ABar);
  void DoBarDockingStyleChanged(TdxBar* ABar);
  void DoCloseButtonClick();
  void DoHelpButtonClick();
  void DoItemLinkChange(TdxBarItemLink* AItemLink);
  void DoMergeItemLink(TdxBarItemLinks* ADestinationLinks, TdxBarItemLinks* ASourceLinks,
                       TdxBarItemLink* ASourceLink, TdxBarItemMergeKind& AMergeKind, Integer& AIndex);
  void DoShowCustomizingPopup(TdxBarItemLinks* AItemLinks);
  void DoShowToolbarsPopup(TdxBarItemLinks* AItemLinks);
  bool HandleShortCut(TShortCut AShortCut);
  TdxBarItemLink* GetItemLinkWithAccel(Word AKey, TShiftState AShift);
  void BeginUpdate();
  void EndUpdate(bool ARefresh = true);
  bool IsUpdateLocked() const { return FLockUpdateCount > 0; }
  bool GetLockUpdate() const { return FLockUpdate; }
  void SetLockUpdate(bool Value);
  // A sub-menu control whose content changed while the update lock was held; repainted on unlock.
  void SetChangedSubMenuControl(TdxBarSubMenuControl* Value) { FChangedSubMenuControl = Value; }

  // ---- Categories ---------------------------------------------------------------------------------------
  TdxBarManagerCategories* GetCategories() const { return FCategories; }
  void SetCategories(TStrings* Value);
  TdxBarItemVisible GetCategoryItemsVisible(Integer AIndex) const;
  void SetCategoryItemsVisible(Integer AIndex, TdxBarItemVisible Value);
  bool GetCategoryVisible(Integer AIndex) const;
  void SetCategoryVisible(Integer AIndex, bool Value);
  Integer GetCategoryRealIndex(Integer AVisibleIndex) const;
  void GetAllItemsByCategory(Integer AIndex, TList* AList) const;
  void GetItemsByCategory(Integer AIndex, TList* AList) const;
  Integer GetCountByCategory(Integer AIndex) const;
  TdxBarItem* GetItemByCategory(Integer AIndex, Integer APosition) const;

  // ---- Published settings -------------------------------------------------------------------------------
  bool GetAllowCallFromAnotherForm() const { return FAllowCallFromAnotherForm; }
  void SetAllowCallFromAnotherForm(bool Value) { FAllowCallFromAnotherForm = Value; }
  bool GetAllowReset() const { return FAllowReset; }
  void SetAllowReset(bool Value) { FAllowReset = Value; }
  bool GetAlwaysMerge() const { return FAlwaysMerge; }
  void SetAlwaysMerge(bool Value) { FAlwaysMerge = Value; }
  bool GetAlwaysSaveText() const { return FAlwaysSaveText; }
  void SetAlwaysSaveText(bool Value) { FAlwaysSaveText = Value; }
  bool GetAutoAlignBars() const { return FAutoAlignBars; }
  void SetAutoAlignBars(bool Value);
  bool GetAutoDockColor() const { return FAutoDockColor; }
  void SetAutoDockColor(bool Value);
  bool GetAutoHideEmptyBars() const { return FAutoHideEmptyBars; }
  void SetAutoHideEmptyBars(bool Value);
  TdxBarBackgrounds* GetBackgrounds() const { return FBackgrounds; }
  void SetBackgrounds(TdxBarBackgrounds* Value);
  Integer GetButtonArrowWidth() const { return FButtonArrowWidth; }
  void SetButtonArrowWidth(Integer Value);
  bool GetCanCustomize() const { return FCanCustomize; }
  void SetCanCustomize(bool Value) { FCanCustomize = Value; }
  TColor GetDockColor() const;
  TColor GetDockColorValue() const { return FDockColor; }
  void SetDockColor(TColor Value);
  bool IsDockColorStored() const { return !FAutoDockColor; }
  bool GetFlatCloseButton() const { return FFlatCloseButton; }
  void SetFlatCloseButton(bool Value);
  TFont* GetFont() const { return FFont; }
  void SetFont(TFont* Value);
  TFont* GetEditFont() const { return FEditFont; }
  TFont* GetBarCaptionFont() const { return FBarCaptionFont; }
  TBitmap* GetHelpButtonGlyph() const { return FHelpButtonGlyph; }
  void SetHelpButtonGlyph(TBitmap* Value);
  Integer GetHelpContext() const { return FHelpContext; }
  void SetHelpContext(Integer Value) { FHelpContext = Value; }
  bool GetHideFloatingBarsWhenInactive() const { return FHideFloatingBarsWhenInactive; }
  void SetHideFloatingBarsWhenInactive(bool Value);
  TdxBarImageOptions* GetImageOptions() const { return FImageOptions; }
  void SetImageOptions(TdxBarImageOptions* Value);
  ImgList::TCustomImageList* GetImages() const;
  void SetImages(ImgList::TCustomImageList* Value);
  ImgList::TCustomImageList* GetLargeImages() const;
  void SetLargeImages(ImgList::TCustomImageList* Value);
  ImgList::TCustomImageList* GetHotImages() const;
  void SetHotImages(ImgList::TCustomImageList* Value);
  ImgList::TCustomImageList* GetDisabledImages() const;
  void SetDisabledImages(ImgList::TCustomImageList* Value);
  ImgList::TCustomImageList* GetDisabledLargeImages() const;
  void SetDisabledLargeImages(ImgList::TCustomImageList* Value);
  TColor GetImageListBkColor() const;
  void SetImageListBkColor(TColor Value);
  bool GetLargeIcons() const;
  void SetLargeIcons(bool Value);
  bool GetMakeDisabledImagesFaded() const;
  void SetMakeDisabledImagesFaded(bool Value);
  bool GetStretchGlyphs() const;
  void SetStretchGlyphs(bool Value);
  bool GetUseLargeImagesForLargeIcons() const;
  void SetUseLargeImagesForLargeIcons(bool Value);
  const String& GetIniFileName() const { return FIniFileName; }
  void SetIniFileName(const String& Value) { FIniFileName = Value; }
  Integer GetLargeButtonArrowWidth() const { return FLargeButtonArrowWidth; }
  void SetLargeButtonArrowWidth(Integer Value);
  cxLookAndFeels::TcxLookAndFeel* GetLookAndFeel() const { return FLookAndFeel; }
  void SetLookAndFeel(cxLookAndFeels::TcxLookAndFeel* Value);
  TdxBarMenuAnimations GetMenuAnimations() const { return FMenuAnimations; }
  void SetMenuAnimations(TdxBarMenuAnimations Value) { FMenuAnimations = Value; }
  bool GetMenusShowRecentItemsFirst() const { return FMenusShowRecentItemsFirst; }
  void SetMenusShowRecentItemsFirst(bool Value);
  Byte GetMostRecentItemsPercents() const { return FMostRecentItemsPercents; }
  void SetMostRecentItemsPercents(Byte Value);
  TdxBarDockingStyles GetNotDocking() const { return FNotDocking; }
  void SetNotDocking(TdxBarDockingStyles Value);
  TdxBarPopupMenuLinks* GetPopupMenuLinks() const { return FPopupMenuLinks; }
  void SetPopupMenuLinks(TdxBarPopupMenuLinks* Value);
  const String& GetRegistryPath() const { return FRegistryPath; }
  void SetRegistryPath(const String& Value);
  bool GetScaled() const { return FScaled; }
  void SetScaled(bool Value);
  bool GetShowCloseButton() const { return FShowCloseButton; }
  // The main form is the active window (floating toolbars draw their captions active then).
  bool GetMainFormActive() const { return FMainFormActive; }
  void SetShowCloseButton(bool Value);
  bool GetShowHelpButton() const { return FShowHelpButton; }
  void SetShowHelpButton(bool Value);
  bool GetShowFullMenusAfterDelay() const { return FShowFullMenusAfterDelay; }
  void SetShowFullMenusAfterDelay(bool Value) { FShowFullMenusAfterDelay = Value; }
  bool GetShowHint() const { return FShowHint; }
  void SetShowHint(bool Value) { FShowHint = Value; }
  bool GetShowHintForDisabledItems() const { return FShowHintForDisabledItems; }
  void SetShowHintForDisabledItems(bool Value) { FShowHintForDisabledItems = Value; }
  bool GetShowShortCutInHint() const { return FShowShortCutInHint; }
  void SetShowShortCutInHint(bool Value) { FShowShortCutInHint = Value; }
  bool GetStoreInIniFile() const { return FStoreInIniFile; }
  void SetStoreInIniFile(bool Value) { FStoreInIniFile = Value; }
  bool GetStoreInRegistry() const { return FStoreInRegistry; }
  void SetStoreInRegistry(bool Value) { FStoreInRegistry = Value; }
  TdxBarManagerStyle GetStyle() const { return FStyle; }
  void SetStyle(TdxBarManagerStyle Value);
  bool GetSunkenBorder() const { return FSunkenBorder; }
  void SetSunkenBorder(bool Value);
  bool GetUseF10ForMenu() const { return FUseF10ForMenu; }
  void SetUseF10ForMenu(bool Value) { FUseF10ForMenu = Value; }
  bool GetUseFullReset() const { return FUseFullReset; }
  void SetUseFullReset(bool Value) { FUseFullReset = Value; }
  bool GetUseSystemFont() const { return FUseSystemFont; }
  void SetUseSystemFont(bool Value);
  Integer GetWaitForDockingTime() const { return FWaitForDockingTime; }
  void SetWaitForDockingTime(Integer Value);

  // ---- Messages of the owner, activation and floating bars --------------------------------------------------
  void OwnerWndProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam);
  // WM_HELP about a window at run time: the help topic of the selected item of the open menus (or of
  // the items that opened them), else of the item under the mouse on a bar window.
  void HelpOnMenuItem(const WinHelp::HELPINFO& AHelpInfo);
  // A topic as a context popup (placed at APopupPos when given) when the form has a help button,
  // else through the application's help.
  void ShowContextHelp(Integer AHelpContext, const TPoint* APopupPos);
  bool ShowsHelpPopups();
  static void SendFormBroadcastMessage(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam);
  static bool IsFormBroadcastMessage(UINT AMsg);
  void MainFormClientWndProc(TMessage& AMessage);
  void DoActivate(bool AActive, bool AMinimized, HWND AWnd, HWND AActivatedWnd);
  void DoActivateApp(bool AActive);
  void DoCreate();
  void DoModalActivate();
  void ActivateFloatToolbars(bool AFormActive, bool AForce, HWND AWnd);
  void ShowToolbars(bool AShow, bool AForce, HWND AWnd);
  void CheckToolbarsVisibility();
  void DisableFloatToolBars();
  void EnableFloatToolBars();
  HWND GetWindowForMouseCapturing();
  bool IsOwnerVisible();
  bool NeedsMouseWheel();

  // ---- Layout store -----------------------------------------------------------------------------------------
  void LoadFromIniFile(const String& AFileName);
  void SaveToIniFile(const String& AFileName);
  void LoadFromRegistry(const String& APath);
  void SaveToRegistry(const String& APath);
  void LoadFromStream(Streams::TStream* AStream);
  void SaveToStream(Streams::TStream* AStream);
  void LoadBarManager(IniFiles::TCustomIniFile* AIniFile, const String& ABaseSection, TdxBarStoringKind AStoringKind);
  void SaveBarManager(IniFiles::TCustomIniFile* AIniFile, const String& ABaseSection, TdxBarStoringKind AStoringKind);
  String GetBaseIniSection();
  String GetBarManagerSection(const String& ABase, TdxBarStoringKind AStoringKind);
  Integer GetSavedBarIndex(const String& ACaption);
  void SaveState();
  // At the end of loading at run time: the form's layout into the saved state, then the user's layout
  // from the registry and the ini file when the manager stores there.
  void RestoreStoredLayout();
  // Puts a backslash in front of and behind a registry path; false for an empty path.
  static bool CorrectRegistryPath(String& APath);
  // The manager's items that a layout being loaded does not know (nil outside loading).
  TList* GetNewItemsList() const { return FNewItemsList; }
  // The form-stream entries of the layout: "DockControlHeights" and the read-only "Bars".
  void DefineLayoutProperties(Filer::TFiler* Filer);
  void ReadDockControlHeights(Filer::TReader* Reader);
  void WriteDockControlHeights(Filer::TWriter* Writer);
  void ReadBars(Filer::TReader* Reader);

  // ---- Services: bars, items, merging, customizing, dragging and mouse tracking ------------------------------
  TdxBar* AddToolBar(bool AIsMainMenu = false, bool AAskName = false);
  void DeleteToolBar(TdxBar* ABar, bool AConfirm);
  void RenameToolBar(TdxBar* ABar);
  void ResetToolBar(TdxBar* ABar);
  TdxBar* BarByCaption(const String& ACaption);
  TdxBar* BarByComponentName(const String& AName);
  TdxBar* BarByNewName(const String& AName);
  TdxBar* BarByOldName(const String& AName);
  TdxBarItem* AddItem(TClass AItemClass);
  TdxBarItem* AddButton();
  TdxBarItem* AddSubItem();
  void ExchangeItems(Integer AIndex1, Integer AIndex2);
  void MoveItem(Integer ACurIndex, Integer ANewIndex);
  TdxBarItem* GetItemByName(const String& AName);
  void GetUniqueItemName(TClass AItemClass, String& AName);
  void GetUniqueToolbarCaption(const String& ABase, String& ACaption);
  void GetUniqueToolbarName(const String& ABase, String& AName);
  TdxDockControl* FindDockControl(const String& AName);
  TdxBar* GetMainMenuBar();
  // The bar marked IsMainMenu, whatever its window; bars keep it.
  TdxBar* GetMainMenuBarField() const { return FMainMenuBar; }
  void SetMainMenuBarField(TdxBar* Value) { FMainMenuBar = Value; }
  // The layout as loaded from the form, which resetting a bar reads back; nil at design time.
  IniFiles::TMemIniFile* GetSavedState() const { return FSavedState; }
  // True while a bar reads its links back from the saved layout: links find their items by name.
  bool GetResetting() const { return FResetting; }
  void SetResetting(bool Value) { FResetting = Value; }
  void CreateBarRestoringList();
  void DestroyBarRestoringList();
  // The bar collection makes a new bar for merging another manager's bar.
  TdxBar* CreateBarAsByMerging();
  TCustomdxBarControl* GetMainMenuControl();
  TCustomdxBarControl* GetBarControlFocused() const { return FFocusedBarControl; }
  void SetBarControlFocused(TCustomdxBarControl* Value) { FFocusedBarControl = Value; }
  void Merge(TdxBarManager* ABarManager, bool AAddNewBars);
  void Unmerge(TdxBarManager* ABarManager);
  void InternalUnmerge(TdxBarManager* ABarManager, bool AAll);
  void RestoreMergeState();
  bool CanReset();
  bool CanShowRecentItems();
  bool ShowRecentItemsFirst();
  void CalcMostRecentlyUsedUseCount();
  Integer GetMostRecentlyUsedUseCount() const { return FMostRecentlyUsedUseCount; }
  void ResetUsageData();
  void ResetUsageDataWithConfirmation();
  void Customizing(bool AShow);
  bool IsUncustomizable();
  void HideAll();
  void SetSelectedItem(TdxBarItemControl* AItemControl);
  TdxBarItemControl* GetSelectedItem() const { return FSelectedItem; }
  void AddBarToRestoringList(TdxBar* ABar);
  void RemoveBarFromRestoringList(TdxBar* ABar);
  bool BarRestoringListExists() const { return FBarRestoringList != nullptr; }
  Integer GetBarIndexInRestoringList(TdxBar* ABar);
  TdxBar* GetRestoringListBar(Integer AIndex);
  Integer GetRestoringListBarCount();
  void ShowBarsFromRestoringList(TdxDockControl* ADockControl);
  void BeginDrag();
  void EndDrag();
  bool GetDragging();
  void DragAndDrop(TdxBarItem* AItem, TdxBarItemLink* AItemLink);
  TdxBarItem* GetDraggingItem();
  void SetDraggingItem(TdxBarItem* Value);
  TdxBarItemLink* GetDraggingItemLink();
  void SetDraggingItemLink(TdxBarItemLink* Value);
  void HandleDragging();
  void BeginMouseTracking(TCustomdxBarControl* ABarControl);
  void EndMouseTracking(TCustomdxBarControl* ABarControl);
  bool IsMouseTracking(TCustomdxBarControl* ABarControl);

  // ---- Style, painter, fonts and hints -------------------------------------------------------------------------
  TdxBarRealPaintStyle GetRealPaintStyle();
  TdxBarManagerStyle GetPaintStyle();
  TClass InternalGetPainterClass();
  void InitPainter();
  void InternalStyleChanged();
  void GetRealLookAndFeel(cxLookAndFeels::TcxLookAndFeel* ALookAndFeel);
  bool GetFlat() const { return FStyle == bmsFlat; }
  TColor GetFlatToolbarsBorderColor();
  TColor GetFlatToolbarsColor();
  TColor GetFlatToolbarsDownedColor();
  TColor GetFlatToolbarsDownedSelColor();
  TColor GetFlatToolbarsSelColor();
  TColor GetLightColor(Integer APart1, Integer APart2, Integer APart3);
  void CreateToolbarsBrushes();
  void RecreateToolbarsBrushes();
  void DestroyToolbarsBrushes();
  void CreateFlatToolbarsBrushes();
  void DestroyFlatToolbarsBrushes();
  void CreateThemeToolbarsBrushes();
  void DestroyThemeToolbarsBrushes();
  bool GetChangingStyle() const { return FChangingStyle; }
  void ResetBackgrounds();
  void RefreshFloatingBarsShadows();
  void AssignFont();
  void ActivateHint(bool AActive, const String& AText, TObject* AHintObject);
  void HideHint();
  void DoActivateHint(bool AActive, const String& AText, TObject* AHintObject);
  void DisplayHint();
  TObject* GetHintObject() const { return FHintObject; }
  cxClasses::TcxEventHandlerCollection* GetSystemFontChangedHandlers() const { return FSystemFontChangedHandlers; }
  cxClasses::TcxEventHandlerCollection* GetIniFileReadHandlers() const { return FIniFileReadHandlers; }
  cxClasses::TcxEventHandlerCollection* GetIniFileWriteHandlers() const { return FIniFileWriteHandlers; }

  // ---- MDI children ----------------------------------------------------------------------------------------------
  void MDIStateChanged(Integer AChange, HWND AChildWnd);
  void CreateMDIChildSystemMenu(HWND AChildWnd);
  void DestroyMDIChildSystemMenu();
  bool IsMDIChildSystemMenuExist();
  HWND ActiveMDIChild();
  cxClasses::TcxEventHandlerCollection* GetMDIStateChangedHandlers() const { return FMDIStateChangedHandlers; }

  // ---- Painter ------------------------------------------------------------------------------------------
  TdxBarPainter* GetDefaultPainter() const { return FDefaultPainter; }

  // ---- Events -------------------------------------------------------------------------------------------
  TdxBarEvent OnBarAdd, OnBarAfterReset, OnBarBeforeReset, OnBarClose, OnBarDelete, OnBarDockingStyleChange;
  TdxBarVisibleChangeEvent OnBarVisibleChange;
  TdxBarItemLinkEvent OnItemLinkAdd, OnItemLinkChange, OnItemLinkDelete;
  TdxBarMergeItemLinkEvent OnMergeItemLink;
  TNotifyEvent OnCloseButtonClick, OnHelpButtonClick, OnHideCustomizingForm, OnShowCustomizingForm;
  TdxBarCanDockingEvent OnDocking;
  TdxBarMergeEvent OnMenuMerge, OnMerge;
  TdxBarShowPopupEvent OnShowCustomizingPopup, OnShowToolbarsPopup;
  TdxBarClickItemEvent OnClickItem;
#define DXBAR_EVENT_ACCESSORS(Type, Name) \
  Type GetOn##Name() const { return On##Name; } \
  void SetOn##Name(Type Value) { On##Name = Value; }
  DXBAR_EVENT_ACCESSORS(TdxBarEvent, BarAdd)
  DXBAR_EVENT_ACCESSORS(TdxBarEvent, BarAfterReset)
  DXBAR_EVENT_ACCESSORS(TdxBarEvent, BarBeforeReset)
  DXBAR_EVENT_ACCESSORS(TdxBarEvent, BarClose)
  DXBAR_EVENT_ACCESSORS(TdxBarEvent, BarDelete)
  DXBAR_EVENT_ACCESSORS(TdxBarEvent, BarDockingStyleChange)
  DXBAR_EVENT_ACCESSORS(TdxBarVisibleChangeEvent, BarVisibleChange)
  DXBAR_EVENT_ACCESSORS(TdxBarItemLinkEvent, ItemLinkAdd)
  DXBAR_EVENT_ACCESSORS(TdxBarItemLinkEvent, ItemLinkChange)
  DXBAR_EVENT_ACCESSORS(TdxBarItemLinkEvent, ItemLinkDelete)
  DXBAR_EVENT_ACCESSORS(TdxBarMergeItemLinkEvent, MergeItemLink)
  DXBAR_EVENT_ACCESSORS(TNotifyEvent, CloseButtonClick)
  DXBAR_EVENT_ACCESSORS(TNotifyEvent, HelpButtonClick)
  DXBAR_EVENT_ACCESSORS(TNotifyEvent, HideCustomizingForm)
  DXBAR_EVENT_ACCESSORS(TNotifyEvent, ShowCustomizingForm)
  DXBAR_EVENT_ACCESSORS(TdxBarCanDockingEvent, Docking)
  DXBAR_EVENT_ACCESSORS(TdxBarMergeEvent, MenuMerge)
  DXBAR_EVENT_ACCESSORS(TdxBarMergeEvent, Merge)
  DXBAR_EVENT_ACCESSORS(TdxBarShowPopupEvent, ShowCustomizingPopup)
  DXBAR_EVENT_ACCESSORS(TdxBarShowPopupEvent, ShowToolbarsPopup)
  DXBAR_EVENT_ACCESSORS(TdxBarClickItemEvent, ClickItem)
#undef DXBAR_EVENT_ACCESSORS

 protected:
  void Construct() override;
  void Destroy() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void ReadState(Filer::TReader* Reader) override;
  void DefineProperties(Filer::TFiler* Filer) override;
  TComponent* GetChildOwner() override { return Owner(); }
  void SetChildOrder(TComponent* Child, Integer Order) override;
  void DoLockUpdate(bool ALock, bool ARefresh);
  // Runs the manager's shortcut search on one manager: its main menu, its visible bars, its popup menus.
  bool TryShortCut(TShortCut AShortCut);
  TdxBarItemLink* FindAccelLink(Word AKey, TShiftState AShift);
  // Offers ATry the managers from the owner's window upward, then the others in their cycle, until it
  // answers true.
  bool ForEachManagerInSearchOrder(TClosure<bool(TdxBarManager*)> ATry);

 private:
  void CheckOwner();
  void RegisterManager();
  void UnregisterManager();
  void CreateOwnedObjects();
  // The painter, the brushes, the fonts' derived forms and the watchers of the theme and look and feel.
  void CreateLookObjects();
  void DestroyLookObjects();
  // Stops the unit's hint timers when they run for this manager.
  void StopHintTimers();
  void CategoriesChanged(TObject* Sender);
  void SortItemsByCategory();
  void ResolveLoadedItemNames();
  void ImagesChanged(TObject* Sender);
  void HotImagesChanged(TObject* Sender);
  void LargeImagesChanged(TObject* Sender);
  void LargeIconsChanged(TObject* Sender);
  void ApplyLoadedItemsVisible();
  // Runs AProc for every item under the update lock, unless loading or being destroyed.
  void ForEachItemLocked(TClosure<void(TdxBarItem*)> AProc);
  void FontChanged(TObject* Sender);
  void LFChanged();
  void ThemeChanged();
  void DeriveFonts();

  // Owned objects.
  TdxBars* FBars = nullptr;
  TdxBarComponentList* FItems = nullptr;
  TdxBarComponentList* FGroups = nullptr;
  TComponentList* FInternalItems = nullptr;
  TComponentList* FPopupMenus = nullptr;
  TList* FDockControls = nullptr;
  TdxBarManagerCategories* FCategories = nullptr;
  cxClasses::TcxEventHandlerCollection* FIniFileReadHandlers = nullptr;
  cxClasses::TcxEventHandlerCollection* FIniFileWriteHandlers = nullptr;
  cxClasses::TcxEventHandlerCollection* FMDIStateChangedHandlers = nullptr;
  cxClasses::TcxEventHandlerCollection* FSystemFontChangedHandlers = nullptr;
  TFont* FFont = nullptr;
  TFont* FEditFont = nullptr;
  TFont* FBarCaptionFont = nullptr;
  TBitmap* FHelpButtonGlyph = nullptr;
  dxThemeManager::TdxThemeChangedNotificator* FThemeChangedNotificator = nullptr;
  TdxBarDragInfo* FDragInfo = nullptr;
  TdxBarImageOptions* FImageOptions = nullptr;
  TdxBarBackgrounds* FBackgrounds = nullptr;
  cxLookAndFeels::TcxLookAndFeel* FLookAndFeel = nullptr;
  TdxBarPainter* FDefaultPainter = nullptr;
  bool FThemeAvailable = false;  // visual styles present for the bars' parts when the painter was made
  bool FChangingStyle = false;
  bool FInternalFontChange = false;  // the manager itself sets Font: UseSystemFont stays
  TdxBarPopupMenuLinks* FPopupMenuLinks = nullptr;
  IniFiles::TMemIniFile* FSavedState = nullptr;

  // Published settings.
  bool FAllowCallFromAnotherForm = false;
  bool FAllowReset = true;
  bool FAlwaysMerge = false;
  bool FAlwaysSaveText = false;
  bool FAutoAlignBars = false;
  bool FAutoDockColor = true;
  bool FAutoHideEmptyBars = false;
  Integer FButtonArrowWidth = 11;
  bool FCanCustomize = true;
  TColor FDockColor = clBtnFace;
  bool FFlatCloseButton = false;
  Integer FHelpContext = 0;
  bool FHideFloatingBarsWhenInactive = true;
  String FIniFileName;
  Integer FLargeButtonArrowWidth = 13;
  TdxBarMenuAnimations FMenuAnimations = maNone;
  bool FMenusShowRecentItemsFirst = true;
  Byte FMostRecentItemsPercents = 95;
  Integer FMostRecentlyUsedUseCount = 0;
  TdxBarDockingStyles FNotDocking;
  String FRegistryPath;
  bool FScaled = true;
  bool FShowCloseButton = false;
  bool FShowHelpButton = false;
  bool FShowFullMenusAfterDelay = true;
  bool FShowHint = true;
  bool FShowHintForDisabledItems = true;
  bool FShowShortCutInHint = false;
  bool FStoreInIniFile = false;
  bool FStoreInRegistry = false;
  TdxBarManagerStyle FStyle = bmsEnhanced;
  bool FSunkenBorder = false;
  bool FUseF10ForMenu = true;
  bool FUseFullReset = false;
  bool FUseSystemFont = true;
  Integer FWaitForDockingTime = 21;

  // Run-time state.
  Integer FLockUpdateCount = 0;
  bool FLockUpdate = false;
  TdxBarSubMenuControl* FChangedSubMenuControl = nullptr;
  Integer FDesignerModifiedLockCount = 0;
  bool FDesignerModificationRequested = false;
  bool FModified = false;
  Integer FReadStateCount = 0;
  bool FIsCustomizing = false;
  TdxBarItemControl* FSelectedItem = nullptr;
  TCustomdxBarControl* FFocusedBarControl = nullptr;
  TCustomdxBarControl* FMouseTrackingBarControl = nullptr;
  TComponent* FMouseTracker = nullptr;  // owned as a component: what the control framework's tracking tells
  bool FMainFormActive = false;
  bool FIsMDIMaximized = false;
  HWND FPrevActiveMDIChild = nullptr;
  TList* FBarRestoringList = nullptr;
  TdxBar* FMainMenuBar = nullptr;
  bool FResetting = false;
  TList* FDisabledFloatingWindows = nullptr;
  TList* FNewItemsList = nullptr;
  TObject* FHintObject = nullptr;
  Streams::TStream* FIniStream = nullptr;
  TdxBarInternalStates FInternalState;
  IdxBarDesigner* FDesigner = nullptr;
};

// The flat look's brushes and the visual styles' toolbar brush, made from the system colours while a
// manager lives and shared by all of them: the painters' class operations read them without a manager.
struct TdxBarToolbarsBrushes {
  HBRUSH Border = nullptr, Face = nullptr, Downed = nullptr, DownedSel = nullptr, Selected = nullptr;
  HBRUSH Theme = nullptr;  // only while visual styles are available
};
const TdxBarToolbarsBrushes& dxBarToolbarsBrushes();

}  // namespace dxBar

using namespace dxBar;
