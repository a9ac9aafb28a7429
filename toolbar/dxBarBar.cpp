// A toolbar's life: joining its manager, its owned objects and the order of its teardown, copying
// another toolbar, its fonts and plain settings, its place as the owner of its links and its answers
// to the selection protocol of customization.
#include "dxBarBar.h"

#include "Controls.h"
#include "Forms.h"
#include "cxClassesLinks.h"
#include "dxBarCaptionButtons.h"
#include "dxBarControl.h"
#include "dxBarDock.h"
#include "dxBarHelpers.h"
#include "dxBarItem.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"
#include "dxBarToolbarControl.h"

namespace dxBar {

IMPLEMENT_CLASS_PUBLISHED(TdxBar) {
  using T = TdxBar;
  d.Property("AllowClose", &T::GetAllowClose, &T::SetAllowClose).Default(true);
  d.Property("AllowCustomizing", &T::GetAllowCustomizing, &T::SetAllowCustomizing).Default(true);
  d.Property("AllowQuickCustomizing", &T::GetAllowQuickCustomizing, &T::SetAllowQuickCustomizing).Default(true);
  d.Property("AllowReset", &T::GetAllowReset, &T::SetAllowReset).Default(true);
  d.Property("AlphaBlendValue", &T::GetAlphaBlendValue, &T::SetAlphaBlendValue).Default(Byte(255));
  d.Property("BackgroundBitmap", &T::GetBackgroundBitmap, &T::SetBackgroundBitmap);
  d.Property("BorderStyle", &T::GetBorderStyle, &T::SetBorderStyle).Default(bbsSingle);
  d.Property("Caption", &T::GetCaption, &T::SetCaption);
  d.Property("CaptionButtons", &T::GetCaptionButtons, &T::SetCaptionButtons);
  d.Property("Color", &T::GetColor, &T::SetColor).Type(ColorTypeInfo()).Default(clDefault);
  d.Property("DockControl", &T::GetDockControl, &T::SetDockControl);
  d.Property("DockedDockControl", &T::GetDockedDockControl, &T::SetDockedDockControl);
  d.Property("DockedDockingStyle", &T::GetDockedDockingStyle, &T::SetDockedDockingStyle)
      .Stored(&T::IsDockedDockingStyleStored);
  d.IndexedProperty("DockedLeft", 0, &T::GetDockedValue, &T::SetDockedValue);
  d.IndexedProperty("DockedTop", 1, &T::GetDockedValue, &T::SetDockedValue);
  d.Property("DockingStyle", &T::GetDockingStyle, &T::SetDockingStyle).Stored(&T::IsDockingStyleStored);
  d.IndexedProperty("FloatLeft", 0, &T::GetFloatValue, &T::SetFloatValue);
  d.IndexedProperty("FloatTop", 1, &T::GetFloatValue, &T::SetFloatValue);
  d.IndexedProperty("FloatClientWidth", 2, &T::GetFloatValue, &T::SetFloatValue);
  d.IndexedProperty("FloatClientHeight", 3, &T::GetFloatValue, &T::SetFloatValue);
  d.Property("Font", &T::GetFont, &T::SetFont);
  d.Property("Glyph", &T::GetGlyph, &T::SetGlyph);
  d.Property("Hidden", &T::GetHidden, &T::SetHidden).Default(false);
  d.Property("IsMainMenu", &T::GetIsMainMenu, &T::SetIsMainMenu).Default(false);
  d.Property("ItemLinks", &T::GetControlItemLinks, &T::SetItemLinks);
  d.Property("KeyTip", &T::GetKeyTip, &T::SetKeyTip);
  d.Property("MultiLine", &T::GetMultiLine, &T::SetMultiLine).Default(false);
  d.Property("NotDocking", &T::GetNotDocking, &T::SetNotDocking).Default(TdxBarDockingStyles{});
  d.Property("OldName", &T::GetOldName, &T::SetOldName);
  d.Property("OneOnRow", &T::GetOneOnRow, &T::SetOneOnRow);
  d.Property("RotateWhenVertical", &T::GetRotateWhenVertical, &T::SetRotateWhenVertical).Default(true);
  d.Property("Row", &T::GetRow, &T::SetRow);
  d.Property("ShowMark", &T::GetShowMark, &T::SetShowMark).Default(true);
  d.Property("SizeGrip", &T::GetSizeGrip, &T::SetSizeGrip).Default(true);
  d.Property("UseOwnFont", &T::GetUseOwnFont, &T::SetUseOwnFont);
  d.Property("UseRecentItems", &T::GetUseRecentItems, &T::SetUseRecentItems).Default(true);
  d.Property("UseRestSpace", &T::GetUseRestSpace, &T::SetUseRestSpace).Default(false);
  d.Property("Visible", &T::GetVisible, &T::SetVisible);
  d.Property("WholeRow", &T::GetWholeRow, &T::SetWholeRow);
  d.Property("OnDestroy", &T::GetOnDestroy, &T::SetOnDestroy);
}

// ---- Life ----------------------------------------------------------------------------------------------
void TdxBar::Construct() {
  inherited::Construct();
  FFont = New<TFont>();
  FFont->OnChange = TNotifyEvent(this, &TdxBar::FontChanged);
  FEditFont = New<TFont>();
  FGlyph = New<TBitmap>();
  FGlyph->OnChange = TNotifyEvent(this, &TdxBar::GlyphChanged);
  FBackgroundBitmap = New<TBitmap>();
  FBackgroundBitmap->OnChange = TNotifyEvent(this, &TdxBar::BackgroundChanged);
  FCaptionButtons = New<TdxBarCaptionButtons>(this);
  FMergeData = New<TdxBarMergeData>();
  FFreeNotificationItems = New<TList>();
}

void TdxBar::SetParentComponent(TComponent* Value) {
  inherited::SetParentComponent(Value);
  TdxBarManager* manager = GetBarManager();
  if (!manager || FItemLinks) return;
  FItemLinks = New<TdxBarControlItemLinks>(manager, static_cast<IdxBarLinksOwner*>(this));
  FInternalFontChange = true;
  FFont->Assign(manager->GetFont());
  FInternalFontChange = false;
  FEditFont->Assign(manager->GetEditFont());
  if (!manager->GetIsLoading()) {
    if (manager->OnBarAdd) manager->OnBarAdd(manager, this);
    Changed(false);
  }
}

void TdxBar::Destroy() {
  TdxBarManager* manager = GetBarManager();
  if (OnDestroy) OnDestroy(this);
  if (manager && !manager->GetIsDestroying() && manager->OnBarDelete) manager->OnBarDelete(manager, this);
  FreeAndNil(FCaptionButtons);
  if (FMergeData) {
    if (FMergeData->MergedWith) FMergeData->MergedWith->InternalUnmergeFromBar(this, false);
    if (FMergeData->MergedBars && FMergeData->MergedBars->GetCount() > 0) InternalUnmergeFromBar(nullptr, false);
    FreeAndNil(FMergeData);
  }
  FVisible = false;
  DestroyControl();
  if (manager) manager->RemoveBarFromRestoringList(this);
  RemoveFromDockRow(true);
  MakeFreeNotification();
  FreeAndNil(FFreeNotificationItems);
  if (manager && manager->GetMainMenuBarField() == this) manager->SetMainMenuBarField(nullptr);
  FreeAndNil(FItemLinks);
  FreeAndNil(FGlyph);
  FreeAndNil(FEditFont);
  FreeAndNil(FFont);
  FreeAndNil(FBackgroundBitmap);
  cxClearObjectLinks(this);
  inherited::Destroy();
}

void TdxBar::DoDestroy() {
  if (OnDestroy) OnDestroy(this);
}

void TdxBar::DoChanged() {
  FChanged = true;
  Changed(false);
}

void TdxBar::ReportChanged() { Changed(false); }

void TdxBar::AddFreeNotification(TdxBarItem* AItem) {
  if (FFreeNotificationItems->IndexOf(AItem) < 0) FFreeNotificationItems->Add(AItem);
}

void TdxBar::RemoveFreeNotification(TdxBarItem* AItem) { FFreeNotificationItems->Remove(AItem); }

// Every item that asked is told the bar goes; an item may drop out of the list while it is told.
void TdxBar::MakeFreeNotification() {
  if (!FFreeNotificationItems) return;
  for (Integer i = FFreeNotificationItems->GetCount() - 1; i >= 0; --i) {
    if (i >= FFreeNotificationItems->GetCount()) continue;
    static_cast<TdxBarItem*>(FFreeNotificationItems->GetItems(i))->ObjectNotification(opRemove, this);
  }
  FFreeNotificationItems->Clear();
}

void TdxBar::SetLockUpdate(bool Value) {
  if (FLockUpdate == Value) return;
  FLockUpdate = Value;
  if (TdxBarManager* manager = GetBarManager()) {
    if (Value) manager->BeginUpdate();
    else manager->EndUpdate(true);
  }
}

// ---- Overridable operations ------------------------------------------------------------------------------
TClass TdxBar::GetControlClass() {
  if (TdxDockControl* dock = GetRealDockControl()) return dock->GetDockedBarControlClass();
  return TdxBarControl::StaticClass();
}

void TdxBar::CaptionButtonsNotification(TObject*, TdxBarCaptionButton* AItem) {
  if (auto* control = dynamic_cast<TdxBarControl*>(GetControl())) control->UpdateCaptionButtons(AItem);
}

TcxComponentCollection* TdxBar::GetCollectionFromParent(TComponent* AParent) {
  auto* manager = dynamic_cast<TdxBarManager*>(AParent);
  return manager ? manager->GetBars() : nullptr;
}

void TdxBar::SetName(const String& NewName) {
  if (FNameLocked) FOldName = NewName;
  else inherited::SetName(NewName);
}

void TdxBar::Updating() {
  inherited::Updating();
  FNeedUpdatePosition = false;
}

void TdxBar::Updated() {
  inherited::Updated();
  if (FNeedUpdatePosition) {
    FNeedUpdatePosition = false;
    UpdateControlPosition();
  }
}

// ---- Copying -------------------------------------------------------------------------------------------
void TdxBar::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TdxBar*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  SetAllowClose(source->GetAllowClose());
  SetAllowCustomizing(source->GetAllowCustomizing());
  SetAllowQuickCustomizing(source->GetAllowQuickCustomizing());
  SetAllowReset(source->GetAllowReset());
  SetBorderStyle(source->GetBorderStyle());
  SetCaption(source->GetCaption());
  SetCaptionButtons(source->GetCaptionButtons());
  SetDockedDockControl(source->GetDockedDockControl());
  FDockedDockingStyle = source->GetDockedDockingStyle();
  SetDockedValue(0, source->GetDockedLeft());
  SetDockedValue(1, source->GetDockedTop());
  for (Integer i = 0; i < 4; ++i) SetFloatValue(i, source->GetFloatValue(i));
  SetHidden(source->GetHidden());
  SetIsMainMenu(source->GetIsMainMenu());
  SetItemLinks(source->GetItemLinks());
  SetNotDocking(source->GetNotDocking());
  SetOldName(source->GetOldName());
  SetOneOnRow(source->GetOneOnRow());
  SetRotateWhenVertical(source->GetRotateWhenVertical());
  SetRow(source->GetRow());
  SetShowMark(source->GetShowMark());
  SetSizeGrip(source->GetSizeGrip());
  SetWholeRow(source->GetWholeRow());
  ChangeDockingStyle(source->GetDockingStyle(), source->GetDockControl());
  SetUseRecentItems(source->GetUseRecentItems());
  SetUseRestSpace(source->GetUseRestSpace());
  SetColor(source->GetColor());
  SetFont(source->GetFont());
  SetUseOwnFont(source->GetUseOwnFont());
  SetVisible(source->GetVisible());
}

// ---- Fonts ---------------------------------------------------------------------------------------------
void TdxBar::FontChanged(TObject*) {
  if (!FInternalFontChange) FUseOwnFont = true;
  if (FUseOwnFont) {
    FEditFont->Assign(FFont);
  } else if (TdxBarManager* manager = GetBarManager()) {
    FEditFont->Assign(manager->GetEditFont());
  }
  if (auto* control = dynamic_cast<TdxBarControl*>(GetControl())) control->UpdateFont();
}

void TdxBar::SetFont(TFont* Value) { FFont->Assign(Value); }

void TdxBar::SetUseOwnFont(bool Value) {
  if (FUseOwnFont == Value) return;
  FUseOwnFont = Value;
  FInternalFontChange = true;
  if (!Value) {
    if (TdxBarManager* manager = GetBarManager()) FFont->Assign(manager->GetFont());
  } else {
    FontChanged(FFont);
  }
  FInternalFontChange = false;
}

void TdxBar::GlyphChanged(TObject*) {
  if (auto* control = dynamic_cast<TdxBarControl*>(GetControl())) control->GlyphChanged();
}

void TdxBar::BackgroundChanged(TObject*) {
  if (auto* control = dynamic_cast<TdxBarControl*>(GetControl())) control->RebuildBar();
}

void TdxBar::SetGlyph(TBitmap* Value) { FGlyph->Assign(Value); }

void TdxBar::SetBackgroundBitmap(TBitmap* Value) {
  const bool wasEmpty = FBackgroundBitmap->GetEmpty();
  if (wasEmpty && (!Value || Value->GetEmpty())) return;
  FBackgroundBitmap->Assign(Value);
}

void TdxBar::SetCaptionButtons(TdxBarCaptionButtons* Value) { FCaptionButtons->Assign(Value); }

void TdxBar::SetItemLinks(TdxBarItemLinks* Value) {
  if (FItemLinks) FItemLinks->Assign(Value);
}

// ---- Plain settings ------------------------------------------------------------------------------------
namespace {

TdxBarControl* ToolbarWindow(TdxBar* ABar) { return dynamic_cast<TdxBarControl*>(ABar->GetControl()); }

}  // namespace

void TdxBar::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  if (TdxBarManager* manager = GetBarManager()) {
    TdxBar* other = manager->BarByCaption(Value);
    if (other && other != this) return;
  }
  FCaption = Value;
  if (TdxBarControl* control = ToolbarWindow(this)) control->CaptionChanged();
  Changed(false);
}

void TdxBar::SetAllowClose(bool Value) {
  if (FAllowClose == Value) return;
  FAllowClose = Value;
  if (TdxBarControl* control = ToolbarWindow(this); control && IsFloat()) control->FrameChanged();
}

void TdxBar::SetAllowQuickCustomizing(bool Value) {
  if (FAllowQuickCustomizing == Value) return;
  FAllowQuickCustomizing = Value;
  TdxBarControl* control = ToolbarWindow(this);
  if (!control) return;
  if (IsFloat()) control->FrameChanged();
  else if (GetBarManager() && GetBarManager()->CanShowRecentItems()) control->RepaintBar();
}

void TdxBar::SetAlphaBlendValue(Byte Value) {
  if (FAlphaBlendValue == Value) return;
  FAlphaBlendValue = Value;
  if (TdxBarControl* control = ToolbarWindow(this); control && IsFloat()) control->SetLayeredAttributes();
}

void TdxBar::SetBorderStyle(TdxBarBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  if (TdxBarControl* control = ToolbarWindow(this)) control->RebuildBar();
}

void TdxBar::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  if (TdxBarControl* control = ToolbarWindow(this)) control->RebuildBar();
}

void TdxBar::SetSizeGrip(bool Value) {
  if (FSizeGrip == Value) return;
  FSizeGrip = Value;
  if (TdxBarControl* control = ToolbarWindow(this); control && IsStatusBar()) control->RebuildBar();
}

namespace {

void RepaintWindow(TdxBar* ABar) {
  if (TCustomdxBarControl* control = ABar->GetControl()) control->RepaintBar();
}

}  // namespace

void TdxBar::SetShowMark(bool Value) {
  if (FShowMark == Value) return;
  FShowMark = Value;
  RepaintWindow(this);
}

void TdxBar::SetNotDocking(TdxBarDockingStyles Value) {
  if (FNotDocking == Value) return;
  FNotDocking = Value;
  RepaintWindow(this);
}

void TdxBar::SetUseRestSpace(bool Value) {
  if (FUseRestSpace == Value) return;
  FUseRestSpace = Value;
  RepaintWindow(this);
}

bool TdxBar::GetUseRecentItems() { return !FItemLinks || FItemLinks->GetUseRecentItems(); }

void TdxBar::SetUseRecentItems(bool Value) {
  if (!FItemLinks || FItemLinks->GetUseRecentItems() == Value) return;
  FItemLinks->SetUseRecentItems(Value);
  RepaintWindow(this);
}

void TdxBar::SetRotateWhenVertical(bool Value) {
  if (FRotateWhenVertical == Value) return;
  FRotateWhenVertical = Value;
  if (TCustomdxBarControl* control = GetControl(); control && control->HandleAllocated())
    control->Perform(CM_FONTCHANGED, 0, 0);
}

void TdxBar::SetMultiLine(bool Value) {
  if (FMultiLine == Value) return;
  if (!Value && FIsMainMenu) return;
  FMultiLine = Value;
  if (GetControl() && !IsFloat()) RepaintWindow(this);
}

void TdxBar::SetWholeRow(bool Value) {
  if (FWholeRow == Value) return;
  FWholeRow = Value;
  if (GetControl() && !IsFloat()) {
    SetVisible(false);
    SetVisible(true);
  }
}

void TdxBar::SetOneOnRow(bool Value) {
  if (FOneOnRow == Value) return;
  if (TdxDockControl* dock = GetRealDockControl(); dock && dock->GetBarHandleDestroying()) return;
  FOneOnRow = Value;
}

void TdxBar::SetIsMainMenu(bool Value) {
  if (FIsMainMenu == Value) return;
  TdxBarManager* manager = GetBarManager();
  if (!manager) {
    FIsMainMenu = Value;
    return;
  }
  manager->BeginUpdate();
  try {
    if (Value) {
      if (TdxBar* current = manager->GetMainMenuBarField(); current && current != this) current->SetIsMainMenu(false);
      manager->SetMainMenuBarField(this);
    } else if (manager->GetMainMenuBarField() == this) {
      manager->SetMainMenuBarField(nullptr);
    }
    FIsMainMenu = Value;
    FWholeRow = Value;
    FMultiLine = Value;
    if (!manager->GetIsLoading()) {
      if (TdxBarControl* control = ToolbarWindow(this)) {
        if (IsFloat()) control->CaptionChanged();
        else control->RepaintBar();
      }
      Changed(false);
    }
  } catch (...) {
    manager->EndUpdate(true);
    throw;
  }
  manager->EndUpdate(true);
}

// ---- IdxBarLinksOwner -------------------------------------------------------------------------------------
TdxBarItemLinks* TdxBar::GetItemLinks() { return FItemLinks; }

bool TdxBar::CanContainItem(TdxBarItem* AItem, String& AErrorText) {
  return AItem->CanBePlacedOn(pkBar, this, AErrorText);
}

// The links ask for their window: one of the real dock's class (or floating), showing the links.
TCustomdxBarControl* TdxBar::CreateBarControl() {
  TdxBarManager* manager = GetBarManager();
  if (!manager) return nullptr;
  TdxBarControl* control = TdxBarControl::Create(GetControlClass(), manager, this);
  control->SetItemLinks(FItemLinks);
  control->UpdateFont();
  return control;
}

// ---- IdxBarSelectableItem ---------------------------------------------------------------------------------
TdxBarManager* TdxBar::GetBarManager() { return dynamic_cast<TdxBarManager*>(GetParentComponent()); }

bool TdxBar::CanDelete(bool) {
  TdxBarManager* manager = GetBarManager();
  if (!manager) return false;
  return (manager->GetDesigning() || (!FPredefined && CanClose())) && manager->CanDeleteComponent(this);
}

void TdxBar::DeleteSelection(IdxBarSelectableItem*& AReference, bool AExtended) {
  if (!CanDelete(AExtended)) return;
  AReference = nullptr;
  Free();
}

void TdxBar::ExecuteCustomizationAction(TdxBarCustomizationAction) {}

void TdxBar::GetMasterObjects(TdxObjectList* AList) {
  if (TdxBarManager* manager = GetBarManager()) AList->Add(manager->GetParentedOwner());
}

IdxBarSelectableItem* TdxBar::GetNextSelectableItem() { return GetNext(); }

IdxBarSelectableItem* TdxBar::GetSelectableParent() { return nullptr; }

TdxBarSelectionStatus TdxBar::GetSelectionStatus() {
  TdxBarManager* manager = GetBarManager();
  return manager ? manager->GetSelectionStatus(this) : ssUnselected;
}

TdxBarCustomizationActions TdxBar::GetSupportedActions() { return {caDelete}; }

void TdxBar::Invalidate() {
  if (TCustomdxBarControl* control = GetControl()) control->Invalidate();
}

bool TdxBar::IsComplex() { return false; }

bool TdxBar::IsComponentSelected() {
  TdxBarManager* manager = GetBarManager();
  return manager && manager->IsComponentSelected(this);
}

void TdxBar::SelectComponent(TdxBarSelectionOperation AOperation) {
  if (TdxBarManager* manager = GetBarManager()) manager->SelectComponent(this, AOperation);
}

bool TdxBar::SelectParentComponent() {
  TdxBarManager* manager = GetBarManager();
  if (!manager) return false;
  manager->SelectComponent(manager->GetParentedOwner(), soExclusive);
  return true;
}

void TdxBar::SelectionChanged() { Invalidate(); }

// ---- The merge record ---------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TdxBarMergeData)

void TdxBarMergeData::Construct() {
  inherited::Construct();
  MergedBars = New<TList>();
  FSavedMergedBars = New<TList>();
  FFreeNotificator = New<TcxFreeNotificator>();
  FFreeNotificator->OnFreeNotification = [this](TComponent* AComponent) { SavedBarFreed(AComponent); };
}

void TdxBarMergeData::Destroy() {
  FreeAndNil(FFreeNotificator);
  FreeAndNil(FSavedMergedBars);
  FreeAndNil(MergedBars);
  inherited::Destroy();
}

void TdxBarMergeData::SaveMergedBarList(TList* AList) {
  for (Integer i = 0; i < MergedBars->GetCount(); ++i) {
    auto* bar = static_cast<TdxBar*>(MergedBars->GetItems(i));
    if (AList) {
      AList->Add(bar);
    } else {
      FSavedMergedBars->Add(bar);
      FFreeNotificator->AddSender(bar);
    }
  }
}

void TdxBarMergeData::ClearSavedMergedBarList() {
  for (Integer i = 0; i < FSavedMergedBars->GetCount(); ++i)
    FFreeNotificator->RemoveSender(static_cast<TdxBar*>(FSavedMergedBars->GetItems(i)));
  FSavedMergedBars->Clear();
}

TdxBar* TdxBarMergeData::GetSavedMergedBar(Integer AIndex) const {
  return static_cast<TdxBar*>(FSavedMergedBars->GetItems(AIndex));
}

Integer TdxBarMergeData::GetSavedMergedBarListCount() const { return FSavedMergedBars->GetCount(); }

void TdxBarMergeData::SavedBarFreed(TComponent* AComponent) { FSavedMergedBars->Remove(AComponent); }

}  // namespace dxBar
