// A toolbar of a bar manager: its item links and everything about where and how it is shown (docked
// on a side or in a dock control, in which row and at which offset, where it floats and how large),
// its caption, fonts, caption buttons and options; the record of its merges; and the manager's
// collection of bars with the loop that moves a bar window from dock to dock.
#pragma once

#include "Graphics.h"
#include "Menus.h"
#include "cxClassesComponentCollection.h"
#include "dxBarItemLinks.h"
#include "dxBarSelectable.h"
#include "dxBarTypes.h"

namespace IniFiles {
class TCustomIniFile;
}
namespace cxClasses {
class TcxFreeNotificator;
}

namespace dxBar {

class TdxBarCaptionButtons;
class TdxBarCaptionButton;
class TdxBarDockControl;
class TdxDockRow;

PUBLISHED_ENUM(TdxBarBorderStyle, bbsNone, bbsSingle)

// What a bar remembers of its merges: the bar it is merged into, the bars merged into it, a saved
// copy of that list (whose bars drop out when freed), and the visibility to give back afterwards.
class TdxBarMergeData : public TObject {
  DECLARE_CLASS(TdxBarMergeData, TObject)
 public:
  TdxBarMergeData() = default;

  // Appends the merged bars to AList, or, with no list, to the saved copy (then watching them).
  void SaveMergedBarList(TList* AList = nullptr);
  void ClearSavedMergedBarList();
  TdxBar* GetSavedMergedBar(Integer AIndex) const;
  Integer GetSavedMergedBarListCount() const;

  TdxBar* MergedWith = nullptr;
  TList* MergedBars = nullptr;  // owned
  bool CreatedByMerging = false;
  bool VisibleBeforeMerging = false;
  bool VisibleBeforeCustomizing = false;

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  void SavedBarFreed(TComponent* AComponent);
  TList* FSavedMergedBars = nullptr;  // owned
  TcxFreeNotificator* FFreeNotificator = nullptr;  // owned
};

class TdxBar : public TcxComponentCollectionItem, public IdxBarLinksOwner, public IdxBarSelectableItem {
  DECLARE_CLASS(TdxBar, TcxComponentCollectionItem)
 public:
  explicit TdxBar(TComponent* AOwner = nullptr) : TcxComponentCollectionItem(AOwner) {}

  // ---- IdxBarLinksOwner -----------------------------------------------------------------------------------
  bool CanContainItem(TdxBarItem* AItem, String& AErrorText) override;
  TCustomdxBarControl* CreateBarControl() override;
  TComponent* GetComponentInstance() override { return this; }
  TdxBarItemLinks* GetItemLinks() override;

  // ---- Overridable operations ---------------------------------------------------------------------------
  virtual TClass GetControlClass();
  virtual void CaptionButtonsNotification(TObject* Sender, TdxBarCaptionButton* AItem);
  TcxComponentCollection* GetCollectionFromParent(TComponent* AParent) override;
  // A form stream gives every bar its manager as parent, before the bar is in the collection.
  bool HasParent() override { return true; }
  void Assign(TPersistent* Source) override;

  // ---- Moving, merging and resetting ---------------------------------------------------------------------
  void Move(Integer X, Integer Y);
  void Move(TdxDockControl* ADockControl, Integer ARow, Integer APosition);
  void Move(TdxBarDockingStyle ADockingStyle, Integer ARow, Integer APosition);
  void Move(TdxBar* ABar, bool AAfter);
  void Merge(TdxBar* ABar);
  void Unmerge(TdxBar* ABar);
  void InternalMerge(TdxBar* ABar, bool AKeepVisibility);
  void InternalUnmergeFromBar(TdxBar* ABar, bool ARestoreVisibility);
  void InternalUnmergeFromBarManager(TdxBarManager* ABarManager, bool ARestoreVisibility);
  void SaveMergeState();
  void RestoreMergeState();
  void Reset();
  void ResetWithConfirmation();
  void ChangeDockingStyle(TdxBarDockingStyle AStyle, TdxDockControl* ADockControl);
  void ShowControl();
  void UpdateControlPosition();
  void CreateControl();
  void SetVisibility(bool Value);
  void SetDockRow(TdxDockRow* ARow);
  void RemoveFromDockRow(bool ADestroying);
  void AddFreeNotification(TdxBarItem* AItem);
  void RemoveFreeNotification(TdxBarItem* AItem);
  void MakeFreeNotification();
  // The manager applies what the form stream gave once it has loaded: the bar counts as predefined,
  // takes the dock control read (or, without one, the docking style) and then the visibility read.
  void ApplyLoadedSettings();
  // A bar created by merging is hidden, not destroyed, when the last bar merged into it leaves.
  bool GetKeepWhenEmptied() const { return FKeepWhenEmptied; }
  void SetKeepWhenEmptied(bool Value) { FKeepWhenEmptied = Value; }
  // The bar changes its own Name without the name lock recording it.
  void SetNameLocked(bool Value) { FNameLocked = Value; }
  // Frees the bar window (hiding the bar's window without the visibility bookkeeping).
  void DestroyControl();

  // ---- Layout store ---------------------------------------------------------------------------------------
  // The links always; the bar's own values (caption, place, visibility) only with ALoadBarProperties.
  void LoadFromIni(IniFiles::TCustomIniFile* AIniFile, const String& ABaseSection, Integer ABarIndex,
                   TdxBarStoringKind AStoringKind, bool ALoadBarProperties = true);
  void LoadUsageData(IniFiles::TCustomIniFile* AIniFile, const String& ASection);
  void SaveToIni(IniFiles::TCustomIniFile* AIniFile, const String& ABaseSection, Integer ABarIndex,
                 TdxBarStoringKind AStoringKind);
  String GetIniSection(const String& ABaseSection, Integer ABarIndex, TdxBarStoringKind AStoringKind);

  // ---- Queries -----------------------------------------------------------------------------------------------
  TdxBars* GetBars();
  TCustomdxBarControl* GetControl();
  TdxDockControl* GetRealDockControl();
  TdxBarPainter* GetPainter();
  TdxBar* GetNext();
  Integer GetDockedPosition();
  Integer BarNCSizeX(TdxBarDockingStyle AStyle);
  Integer BarNCSizeY(TdxBarDockingStyle AStyle);
  bool CanClose();
  bool CanMoving();
  bool CanReset();
  bool HasSizeGrip();
  bool IsFloat();
  bool IsStatusBar();
  bool IsVertical();
  // Runs the item bound to the shortcut among the bar's links.
  bool IsShortCut(TShortCut AShortCut);
  void DoDestroy();
  void DoChanged();
  void SetLockUpdate(bool Value);

  // ---- IdxBarSelectableItem -----------------------------------------------------------------------------------
  bool CanDelete(bool AExtended = false) override;
  void DeleteSelection(IdxBarSelectableItem*& AReference, bool AExtended) override;
  void ExecuteCustomizationAction(TdxBarCustomizationAction AAction) override;
  TdxBarManager* GetBarManager() override;
  TPersistent* GetInstance() override { return this; }
  void GetMasterObjects(TdxObjectList* AList) override;
  IdxBarSelectableItem* GetNextSelectableItem() override;
  IdxBarSelectableItem* GetSelectableParent() override;
  TdxBarSelectionStatus GetSelectionStatus() override;
  TdxBarCustomizationActions GetSupportedActions() override;
  void Invalidate() override;
  bool IsComplex() override;
  bool IsComponentSelected() override;
  void SelectComponent(TdxBarSelectionOperation AOperation = soExclusive) override;
  bool SelectParentComponent() override;
  void SelectionChanged() override;

  // ---- Published settings ---------------------------------------------------------------------------------------
  bool GetAllowClose() const { return FAllowClose; }
  void SetAllowClose(bool Value);
  bool GetAllowCustomizing() const { return FAllowCustomizing; }
  void SetAllowCustomizing(bool Value) { FAllowCustomizing = Value; }
  bool GetAllowQuickCustomizing() const { return FAllowQuickCustomizing; }
  void SetAllowQuickCustomizing(bool Value);
  bool GetAllowReset() const { return FAllowReset; }
  void SetAllowReset(bool Value) { FAllowReset = Value; }
  Byte GetAlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(Byte Value);
  TBitmap* GetBackgroundBitmap() const { return FBackgroundBitmap; }
  void SetBackgroundBitmap(TBitmap* Value);
  TdxBarBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TdxBarBorderStyle Value);
  const String& GetCaption() const { return FCaption; }
  void SetCaption(const String& Value);
  TdxBarCaptionButtons* GetCaptionButtons() const { return FCaptionButtons; }
  void SetCaptionButtons(TdxBarCaptionButtons* Value);
  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  TdxBarDockControl* GetDockControl();
  void SetDockControl(TdxBarDockControl* Value);
  TdxBarDockControl* GetDockedDockControl() const { return FDockedDockControl; }
  void SetDockedDockControl(TdxBarDockControl* Value);
  TdxBarDockingStyle GetDockedDockingStyle();
  void SetDockedDockingStyle(TdxBarDockingStyle Value);
  Integer GetDockedLeft() const { return FDockedLeft; }
  Integer GetDockedTop() const { return FDockedTop; }
  // Index 0 is DockedLeft, 1 DockedTop.
  Integer GetDockedValue(Integer AIndex) const { return AIndex == 0 ? FDockedLeft : FDockedTop; }
  void SetDockedValue(Integer AIndex, Integer Value);
  TdxBarDockingStyle GetDockingStyle();
  void SetDockingStyle(TdxBarDockingStyle Value);
  // A dock control replaces the docking styles in the form stream.
  bool IsDockingStyleStored() const { return !FDockControl; }
  bool IsDockedDockingStyleStored() const { return !FDockedDockControl; }
  Integer GetFloatLeft() const { return FFloatLeft; }
  Integer GetFloatTop() const { return FFloatTop; }
  Integer GetFloatClientWidth() const { return FFloatClientWidth; }
  Integer GetFloatClientHeight() const { return FFloatClientHeight; }
  // Index 0 is FloatLeft, 1 FloatTop, 2 FloatClientWidth, 3 FloatClientHeight.
  Integer GetFloatValue(Integer AIndex) const;
  void SetFloatValue(Integer AIndex, Integer Value);
  TFont* GetFont() const { return FFont; }
  void SetFont(TFont* Value);
  TFont* GetEditFont() const { return FEditFont; }
  TBitmap* GetGlyph() const { return FGlyph; }
  void SetGlyph(TBitmap* Value);
  bool GetHidden() const { return FHidden; }
  void SetHidden(bool Value) {
    if (FHidden == Value) return;
    FHidden = Value;
    Changed(false);
  }
  bool GetIsMainMenu() const { return FIsMainMenu; }
  void SetIsMainMenu(bool Value);
  TdxBarControlItemLinks* GetControlItemLinks() const { return FItemLinks; }
  void SetItemLinks(TdxBarItemLinks* Value);
  const String& GetKeyTip() const { return FKeyTip; }
  void SetKeyTip(const String& Value) { FKeyTip = Value; }
  bool GetMultiLine() const { return FMultiLine; }
  void SetMultiLine(bool Value);
  TdxBarDockingStyles GetNotDocking() const { return FNotDocking; }
  void SetNotDocking(TdxBarDockingStyles Value);
  bool GetOneOnRow() const { return FOneOnRow; }
  void SetOneOnRow(bool Value);
  const String& GetOldName() const { return FOldName; }
  void SetOldName(const String& Value) { FOldName = Value; }
  bool GetRotateWhenVertical() const { return FRotateWhenVertical; }
  void SetRotateWhenVertical(bool Value);
  Integer GetRow() const;
  void SetRow(Integer Value);
  bool GetShowMark() const { return FShowMark; }
  void SetShowMark(bool Value);
  bool GetSizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool Value);
  bool GetUseOwnFont() const { return FUseOwnFont; }
  void SetUseOwnFont(bool Value);
  bool GetUseRecentItems();
  void SetUseRecentItems(bool Value);
  bool GetUseRestSpace() const { return FUseRestSpace; }
  void SetUseRestSpace(bool Value);
  bool GetVisible();
  void SetVisible(bool Value);
  bool GetWholeRow() const { return FWholeRow; }
  void SetWholeRow(bool Value);
  bool GetChanged() const { return FChanged; }
  void SetChanged(bool Value) { FChanged = Value; }
  bool GetInternallyHidden() const { return FInternallyHidden; }
  void SetInternallyHidden(bool Value) { FInternallyHidden = Value; }
  bool GetPredefined() const { return FPredefined; }
  void SetPredefined(bool Value) { FPredefined = Value; }
  TdxDockRow* GetDockRow() const { return FDockRow; }
  TdxBarMergeData* GetMergeData() const { return FMergeData; }

  TNotifyEvent OnDestroy;
  TNotifyEvent GetOnDestroy() const { return OnDestroy; }
  void SetOnDestroy(TNotifyEvent Value) { OnDestroy = Value; }

 protected:
  void Construct() override;
  void Destroy() override;
  void SetName(const String& NewName) override;
  void SetParentComponent(TComponent* Value) override;
  void Updating() override;
  void Updated() override;

 private:
  friend class TdxBars;
  // The docking style and real dock control the bar window stands in, registered at the dock.
  void ShowDocked();
  void ReportChanged();
  void FontChanged(TObject* Sender);
  void GlyphChanged(TObject* Sender);
  void BackgroundChanged(TObject* Sender);

  bool FAllowClose = true;
  bool FAllowCustomizing = true;
  bool FAllowQuickCustomizing = true;
  bool FAllowReset = true;
  Byte FAlphaBlendValue = 255;
  TBitmap* FBackgroundBitmap = nullptr;
  TdxBarBorderStyle FBorderStyle = bbsSingle;
  String FCaption;
  TdxBarCaptionButtons* FCaptionButtons = nullptr;
  bool FChanged = false;
  TColor FColor = clDefault;
  bool FChangingDockingStyle = false;
  TdxBarDockControl* FDockControl = nullptr;
  TdxBarDockControl* FDockedDockControl = nullptr;
  TdxBarDockingStyle FDockedDockingStyle = dsTop;
  Integer FDockedLeft = 0;
  Integer FDockedTop = 0;
  TdxBarDockingStyle FDockingStyle = dsNone;
  TdxDockRow* FDockRow = nullptr;
  TFont* FEditFont = nullptr;
  Integer FFloatLeft = 0;
  Integer FFloatTop = 0;
  Integer FFloatClientWidth = 0;
  Integer FFloatClientHeight = 0;
  TFont* FFont = nullptr;
  TList* FFreeNotificationItems = nullptr;
  TBitmap* FGlyph = nullptr;
  bool FHidden = false;
  bool FInternalFontChange = false;
  bool FInternallyHidden = false;
  bool FIsMainMenu = false;
  bool FNameLocked = false;
  bool FPredefined = false;
  TdxBarControlItemLinks* FItemLinks = nullptr;
  String FKeyTip;
  TdxBarDockControl* FLoadedDockControl = nullptr;
  TdxBarDockingStyle FLoadedDockingStyle = dsNone;
  bool FLoadedVisible = false;
  bool FLockUpdate = false;
  TdxBarMergeData* FMergeData = nullptr;
  bool FNeedUpdatePosition = false;
  TdxBarDockingStyles FNotDocking;
  bool FMultiLine = false;
  bool FOneOnRow = false;
  String FOldName;
  bool FRotateWhenVertical = true;
  Integer FRow = 0;
  bool FKeepWhenEmptied = false;
  bool FShowMark = true;
  bool FSizeGrip = true;
  bool FUseOwnFont = false;
  bool FUseRestSpace = false;
  bool FVisible = false;
  bool FWholeRow = false;
};

// The manager's bars, with the four internal dock controls along its form and the loop that moves a
// bar window from dock to dock.
class TdxBars : public TcxComponentCollection {
  DECLARE_CLASS(TdxBars, TcxComponentCollection)
 public:
  explicit TdxBars(TdxBarManager* ABarManager = nullptr);

  TdxBar* Add();
  TdxBar* Insert(Integer AIndex);
  TdxBar* GetItem(Integer AIndex) const;
  void SetItem(Integer AIndex, TdxBar* Value);
  TdxDockControl* GetDockControl(TdxBarDockingStyle AStyle) const;
  // A main dock freed elsewhere leaves its slot.
  void ForgetDockControl(TdxDockControl* ADockControl);
  void RegInDock(TdxBarDockingStyle AStyle, TdxDockControl* ADockControl, TCustomdxBarControl* ABarControl,
                 const TPoint& APoint);
  void UnregFromDock(TdxBarDockingStyle AStyle, TdxDockControl* ADockControl, TCustomdxBarControl* ABarControl);
  TdxBarDockingStyle GetDockingStyleAtPos(TdxBar* ABar, const TPoint& APoint, TdxDockControl*& ADockControl);
  void ChangeBarControlPos(TCustomdxBarControl* ABarControl, const TPoint& APoint);
  void Moving(TCustomdxBarControl* ABarControl);
  void Repaint();
  String GetUniqueToolbarName(const String& ABaseName);
  TdxBarManager* GetBarManager() const { return FBarManager; }
  bool GetIsMoving() const { return FMoving; }
  TCustomdxBarControl* GetMovingBarControl() const { return FMovingBarControl; }
  TPoint GetCursorOffset() const { return FCursorOffset; }
  Integer GetDockingZoneSize() const { return FDockingZoneSize; }
  // True while a delayed docking runs its ChangeBarControlPos.
  bool GetDocking() const { return FDocking; }
  // The delayed docking timer fired: the moving bar docks where the cursor rests now.
  void DockingTimerFired();

 protected:
  void Construct() override;
  void Destroy() override;
  void SetItemName(TcxComponentCollectionItem* AItem) override;
  void Update(TcxComponentCollectionItem* AItem, TcxComponentCollectionNotification AAction) override;

 private:
  TdxDockControl* FDockControls[4] = {};
  bool FDocking = false;
  Integer FDockingZoneSize = 23;
  TdxBarManager* FBarManager;
  bool FMoving = false;
  TCustomdxBarControl* FMovingBarControl = nullptr;
  TdxBarDockingStyle FMovingBarOriginalDockingStyle = dsNone;
  TPoint FCursorOffset;         // added to the cursor position while moving
  TPoint FMovingCursorPosInBar;  // where in the bar the cursor was when the move began
};

}  // namespace dxBar

using namespace dxBar;
