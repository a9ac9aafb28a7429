// The manager's services to its dialogs and to applications: finding bars and items, unique names and
// captions, adding items, adding, renaming, deleting and resetting toolbars, the bars that wait for
// their dock's window, and the bookkeeping of personalized menus.
#include "Exceptions.h"
#include "Format.h"
#include "Forms.h"
#include "IniFiles.h"
#include "Strings.h"
#include "WinMessageBox.h"
#include "cxClassesResStrings.h"
#include "dxBarBar.h"
#include "dxBarButton.h"
#include "dxBarCategories.h"
#include "dxBarConsts.h"
#include "dxBarDock.h"
#include "dxBarHelpers.h"
#include "dxBarItem.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"
#include "dxBarToolbarControl.h"

namespace dxBar {

namespace {

// The first bar in collection order whose AValue equals AText exactly.
template <class F>
TdxBar* FindBar(TdxBars* ABars, const String& AText, F AValue) {
  for (Integer i = 0; ABars && i < ABars->GetCount(); ++i)
    if (AValue(ABars->GetItem(i)) == AText) return ABars->GetItem(i);
  return nullptr;
}

// ABase followed by 1, 2, ... until ATaken says no.
template <class F>
String NumberedName(const String& ABase, F ATaken) {
  for (Integer i = 1;; ++i) {
    const String name = ABase + IntToStr(i);
    if (!ATaken(name)) return name;
  }
}

}  // namespace

// ---- Look-ups -----------------------------------------------------------------------------------------------
TdxBar* TdxBarManager::BarByCaption(const String& ACaption) {
  return FindBar(FBars, ACaption, [](TdxBar* ABar) { return ABar->GetCaption(); });
}

TdxBar* TdxBarManager::BarByComponentName(const String& AName) {
  return FindBar(FBars, AName, [](TdxBar* ABar) { return ABar->GetName(); });
}

TdxBar* TdxBarManager::BarByOldName(const String& AName) {
  return FindBar(FBars, AName, [](TdxBar* ABar) { return ABar->GetOldName(); });
}

TdxBar* TdxBarManager::BarByNewName(const String& AName) { return BarByComponentName(AName); }

TdxBarItem* TdxBarManager::GetItemByName(const String& AName) {
  for (Integer i = 0; i < GetItemCount(); ++i)
    if (SameText(GetItem(i)->GetName(), AName)) return GetItem(i);
  return nullptr;
}

TdxBar* TdxBarManager::GetMainMenuBar() {
  if (!FMainMenuBar) return nullptr;
  TCustomdxBarControl* control = FMainMenuBar->GetControl();
  return control && !control->GetIsMainMenu() ? nullptr : FMainMenuBar;
}

TCustomdxBarControl* TdxBarManager::GetMainMenuControl() {
  TdxBar* bar = GetMainMenuBar();
  return bar ? bar->GetControl() : nullptr;
}

// ---- Names --------------------------------------------------------------------------------------------------
void TdxBarManager::GetUniqueItemName(TClass AItemClass, String& AName) {
  const String className = AItemClass->Name;
  const String base = className.size() > 1 ? className.substr(1) : className;
  if (GetDesigning()) {
    UniqueName(base, AName);
    return;
  }
  AName = NumberedName(base, [&](const String& AName) {
    return GetItemByName(AName) != nullptr || (Owner() && Owner()->FindComponent(AName));
  });
}

void TdxBarManager::GetUniqueToolbarName(const String& ABase, String& AName) {
  if (GetDesigning() && !GetIsLoading()) {
    UniqueName(ABase, AName);
    return;
  }
  AName = NumberedName(ABase, [&](const String& AName) {
    return BarByComponentName(AName) != nullptr || (Owner() && Owner()->FindComponent(AName));
  });
}

void TdxBarManager::GetUniqueToolbarCaption(const String& ABase, String& ACaption) {
  ACaption = NumberedName(ABase, [&](const String& ACaption) { return BarByCaption(ACaption) != nullptr; });
}

// ---- Items --------------------------------------------------------------------------------------------------
TdxBarItem* TdxBarManager::AddItem(TClass AItemClass) {
  auto* item = As<TdxBarItem>(CreateComponent(AItemClass, this));
  AddItem(item);
  const Integer category = FCategories->IndexOf(cxGetResourceString(&dxSBAR_DEFAULTCATEGORYNAME));
  item->SetCategory(std::max(category, 0));
  return item;
}

TdxBarItem* TdxBarManager::AddButton() { return AddItem(TdxBarButton::StaticClass()); }

// Sub-items are a later kind of item: until their class is registered there is none to add.
TdxBarItem* TdxBarManager::AddSubItem() {
  TClass subItemClass = GetClass("TdxBarSubItem");
  return subItemClass ? AddItem(subItemClass) : nullptr;
}

void TdxBarManager::ExchangeItems(Integer AIndex1, Integer AIndex2) {
  if (AIndex1 < 0 || AIndex2 < 0 || AIndex1 >= GetItemCount() || AIndex2 >= GetItemCount()) return;
  FItems->Exchange(AIndex1, AIndex2);
  DesignerModified();
}

void TdxBarManager::MoveItem(Integer ACurIndex, Integer ANewIndex) {
  if (ACurIndex < 0 || ANewIndex < 0 || ACurIndex >= GetItemCount() || ANewIndex >= GetItemCount()) return;
  FItems->Move(ACurIndex, ANewIndex);
  DesignerModified();
}

// ---- Toolbars -----------------------------------------------------------------------------------------------
// The name dialog comes with the customization dialogs: until then AskName keeps the caption proposed.
TdxBar* TdxBarManager::AddToolBar(bool AIsMainMenu, bool AAskName) {
  String caption;
  GetUniqueToolbarCaption(cxGetResourceString(&dxSBAR_CUSTOMTOOLBARNAME), caption);
  TdxBar* bar = nullptr;
  BeginUpdate();
  FBars->BeginUpdate();
  try {
    bar = FBars->Add();
    bar->SetCaption(caption);
    if (auto* owner = dynamic_cast<TControl*>(GetParentedOwner())) {
      const TRect ownerBounds = owner->GetBoundsRect();
      const TRect workArea = GetWorkArea(ownerBounds.TopLeft());
      Integer left = ownerBounds.left - 50;
      if (left < workArea.left) left = ownerBounds.left + owner->GetWidth() + 10;
      const Integer top = ownerBounds.top < workArea.top ? workArea.top + 10 : ownerBounds.top;
      bar->SetFloatValue(0, left);
      bar->SetFloatValue(1, top);
    }
    bar->SetDockingStyle(dsTop);
    if (AIsMainMenu) {
      bar->SetRow(0);
      bar->SetIsMainMenu(true);
      bar->SetVisible(true);
    } else {
      TdxDockControl* dock = bar->GetRealDockControl();
      bar->SetRow(dock ? dock->GetRowCount() : 0);
      bar->SetOneOnRow(true);
      bar->SetVisible(true);
      bar->SetOneOnRow(false);
    }
  } catch (...) {
    FBars->EndUpdate();
    EndUpdate(true);
    throw;
  }
  FBars->EndUpdate();
  EndUpdate(true);
  return bar;
}

// The name dialog comes with the customization dialogs; until then there is nothing to ask.
void TdxBarManager::RenameToolBar(TdxBar*) {}

void TdxBarManager::DeleteToolBar(TdxBar* ABar, bool AConfirm) {
  if (!ABar) return;
  if (AConfirm && dxBarMessageBox(Format(cxGetResourceString(&dxSBAR_WANTTODELETETOOLBAR), {ABar->GetCaption()}),
                                  MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK)
    return;
  ABar->Free();
}

void TdxBarManager::ResetToolBar(TdxBar* ABar) {
  if (ABar) ABar->ResetWithConfirmation();
}

bool TdxBarManager::CanReset() { return FAllowReset && IsLoadedFromStream(); }

// ---- Personalized menus ---------------------------------------------------------------------------------------
bool TdxBarManager::CanShowRecentItems() { return GetPaintStyle() != bmsStandard; }

bool TdxBarManager::ShowRecentItemsFirst() { return CanShowRecentItems() && FMenusShowRecentItemsFirst; }

void TdxBarManager::CalcMostRecentlyUsedUseCount() {
  FMostRecentlyUsedUseCount = dxBarMostRecentlyUsedUseCount(FMostRecentItemsPercents);
}

void TdxBarManager::ResetUsageData() {
  BeginUpdate();
  try {
    const String base = GetBaseIniSection();
    for (Integer i = 0; i < GetItemCount(); ++i) GetItem(i)->LoadUsageData(FSavedState, base);
    for (Integer i = 0; FBars && i < FBars->GetCount(); ++i) {
      TdxBar* bar = FBars->GetItem(i);
      const Integer savedIndex = GetSavedBarIndex(bar->GetCaption());
      if (savedIndex >= 0 && FSavedState) bar->LoadUsageData(FSavedState, bar->GetIniSection(base, savedIndex, skIni));
    }
  } catch (...) {
    EndUpdate(true);
    throw;
  }
  EndUpdate(true);
}

void TdxBarManager::ResetUsageDataWithConfirmation() {
  if (dxBarMessageBox(cxGetResourceString(&dxSBAR_RESETUSAGEDATAWARNING),
                      MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) == IDYES)
    ResetUsageData();
}

// ---- Bars waiting for their dock's window ----------------------------------------------------------------------
void TdxBarManager::CreateBarRestoringList() {
  if (!FBarRestoringList) FBarRestoringList = New<TList>();
}

void TdxBarManager::DestroyBarRestoringList() { FreeAndNil(FBarRestoringList); }

void TdxBarManager::AddBarToRestoringList(TdxBar* ABar) {
  CreateBarRestoringList();
  if (FBarRestoringList->IndexOf(ABar) < 0) FBarRestoringList->Add(ABar);
}

void TdxBarManager::RemoveBarFromRestoringList(TdxBar* ABar) {
  if (FBarRestoringList) FBarRestoringList->Remove(ABar);
}

Integer TdxBarManager::GetBarIndexInRestoringList(TdxBar* ABar) {
  return FBarRestoringList ? FBarRestoringList->IndexOf(ABar) : -1;
}

TdxBar* TdxBarManager::GetRestoringListBar(Integer AIndex) {
  return static_cast<TdxBar*>(FBarRestoringList->GetItems(AIndex));
}

Integer TdxBarManager::GetRestoringListBarCount() { return FBarRestoringList ? FBarRestoringList->GetCount() : 0; }

void TdxBarManager::ShowBarsFromRestoringList(TdxDockControl* ADockControl) {
  for (Integer i = GetRestoringListBarCount() - 1; i >= 0; --i) {
    if (i >= GetRestoringListBarCount()) continue;
    TdxBar* bar = GetRestoringListBar(i);
    TdxDockControl* dock = bar->GetRealDockControl();
    const bool show = ADockControl ? dock == ADockControl && bar->GetDockingStyle() != dsNone
                                   : !dock || dock->HandleAllocated();
    if (show) bar->SetVisible(true);
  }
}

}  // namespace dxBar
