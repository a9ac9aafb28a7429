// How a command reaches the application: the manager's dispatchers, the docking permission, shortcut
// keys, accelerators and the update lock that batches the re-layout of bars and docks.
#include "dxBarDispatch.h"

#include "Forms.h"
#include "WinFocus.h"
#include "WinInput.h"
#include "WinManage.h"
#include "cxControlsUtils.h"
#include "dxBarControl.h"
#include "dxBarItem.h"
#include "dxBarItemControl.h"
#include "dxBarItemLinks.h"
#include "dxBarLookups.h"
#include "dxBarBar.h"
#include "dxBarDock.h"
#include "dxBarManager.h"
#include "dxBarToolbarControl.h"

namespace dxBar {

// ---- Dispatchers ------------------------------------------------------------------------------------------
void TdxBarManager::DoClickItem(TdxBarItem* AItem) {
  if (OnClickItem) OnClickItem(this, AItem);
}

void TdxBarManager::DoBarAfterReset(TdxBar* ABar) {
  if (OnBarAfterReset) OnBarAfterReset(this, ABar);
}

void TdxBarManager::DoBarBeforeReset(TdxBar* ABar) {
  if (OnBarBeforeReset) OnBarBeforeReset(this, ABar);
}

void TdxBarManager::DoBarClose(TdxBar* ABar) {
  if (OnBarClose) OnBarClose(this, ABar);
}

void TdxBarManager::DoBarDockingStyleChanged(TdxBar* ABar) {
  if (FInternalState.Contains(bisBarsLoading)) return;
  if (OnBarDockingStyleChange) OnBarDockingStyleChange(this, ABar);
}

void TdxBarManager::DoCloseButtonClick() {
  if (OnCloseButtonClick) OnCloseButtonClick(this);
}

void TdxBarManager::DoHelpButtonClick() {
  if (OnHelpButtonClick) OnHelpButtonClick(this);
}

void TdxBarManager::DoItemLinkChange(TdxBarItemLink* AItemLink) {
  if (!GetIsLoading() && OnItemLinkChange) OnItemLinkChange(this, AItemLink);
}

void TdxBarManager::DoMergeItemLink(TdxBarItemLinks* ADestinationLinks, TdxBarItemLinks* ASourceLinks,
                                    TdxBarItemLink* ASourceLink, TdxBarItemMergeKind& AMergeKind, Integer& AIndex) {
  if (OnMergeItemLink) OnMergeItemLink(this, ADestinationLinks, ASourceLinks, ASourceLink, AMergeKind, AIndex);
}

void TdxBarManager::DoShowCustomizingPopup(TdxBarItemLinks* AItemLinks) {
  if (OnShowCustomizingPopup) OnShowCustomizingPopup(this, AItemLinks);
}

void TdxBarManager::DoShowToolbarsPopup(TdxBarItemLinks* AItemLinks) {
  if (OnShowToolbarsPopup) OnShowToolbarsPopup(this, AItemLinks);
}

// ---- Docking permission -------------------------------------------------------------------------------------
// The manager's NotDocking decides for the form's own docks; OnDocking has the last word.
bool TdxBarManager::DoDocking(TdxBar* ABar, TdxBarDockingStyle AStyle, TdxDockControl* ADockControl) {
  bool result = !(ABar && ABar->GetNotDocking().Contains(AStyle));
  if (result) {
    if (!ADockControl || IsInternalDockControl(ADockControl)) result = !FNotDocking.Contains(AStyle);
    else result = ADockControl->CanDocking(ABar);
  }
  if (OnDocking) OnDocking(ABar, AStyle, ADockControl, result);
  return result;
}

// ---- Shortcuts -----------------------------------------------------------------------------------------------
TShortCut KeyDataToShortCut(Word AKey, TShiftState AShift, LPARAM AKeyData) {
  if (AKey == 0) return 0;
  TShortCut result = AKey;
  if (AShift.Contains(ssShift)) result |= scShift;
  if (AShift.Contains(ssCtrl)) result |= scCtrl;
  if (AKeyData & (LPARAM(1) << 29)) result |= scAlt;
  return result;
}

TShiftState dxBarKeyboardShiftState() {
  TShiftState result;
  if (GetKeyState(VK_SHIFT) < 0) result.Include(ssShift);
  if (GetKeyState(VK_MENU) < 0) result.Include(ssAlt);
  if (GetKeyState(VK_CONTROL) < 0) result.Include(ssCtrl);
  return result;
}

TdxBarAccelActions GetAccelActions(bool AItemEnabled, bool AShared, bool ADestroyedByClick) {
  TdxBarAccelActions result;
  if (!AItemEnabled) return result;
  if (!ADestroyedByClick || AShared) result.Include(aaFocus);
  if (!AShared) result.Include(aaClick);
  return result;
}

// The main menu, then the visible bars whose windows take shortcuts; the popup menus come with the
// popup menus themselves.
bool TdxBarManager::TryShortCut(TShortCut AShortCut) {
  TdxBar* mainMenu = GetMainMenuBar();
  if (mainMenu && mainMenu->IsShortCut(AShortCut)) return true;
  for (Integer i = 0; FBars && i < FBars->GetCount(); ++i) {
    TdxBar* bar = FBars->GetItem(i);
    auto* control = dynamic_cast<TdxBarControl*>(bar->GetControl());
    if (bar != mainMenu && bar->GetVisible() && control && control->CanProcessShortCut() && bar->IsShortCut(AShortCut))
      return true;
  }
  return false;
}

// The managers from the owner's window upward through child windows, then the others in their cycle.
bool TdxBarManager::ForEachManagerInSearchOrder(TClosure<bool(TdxBarManager*)> ATry) {
  auto* owner = dynamic_cast<TWinControl*>(Owner());
  if (owner && owner->HandleAllocated())
    for (HWND window = owner->GetHandle(); window;) {
      if (TdxBarManager* manager = GetBarManagerByComponent(FindControl(window)))
        if (ATry(manager)) return true;
      if (!IsChildClassWindow(window)) break;
      window = GetParent(window);
    }
  if (!dxBarManagerList) return false;
  // Each manager at most once, however the cycle runs.
  TdxBarManager* manager = this;
  for (Integer steps = dxBarManagerList->GetCount(); steps > 0; --steps) {
    TdxBarManager* next = dxBarManagerList->NextActive(manager, true);
    if (next == manager || next == this) break;
    if (ATry(next)) return true;
    manager = next;
  }
  return false;
}

bool TdxBarManager::HandleShortCut(TShortCut AShortCut) {
  return ForEachManagerInSearchOrder([AShortCut](TdxBarManager* AManager) { return AManager->TryShortCut(AShortCut); });
}

// The main menu's links first (when it has a window), then those of the other visible bars.
TdxBarItemLink* TdxBarManager::FindAccelLink(Word AKey, TShiftState AShift) {
  TdxBar* mainMenu = GetMainMenuBar();
  if (mainMenu && mainMenu->GetControl())
    if (TdxBarItemLink* link = mainMenu->GetItemLinks()->FindItemWithAccel(AKey, AShift, nullptr)) return link;
  for (Integer i = 0; FBars && i < FBars->GetCount(); ++i) {
    TdxBar* bar = FBars->GetItem(i);
    if (bar == mainMenu || !bar->GetVisible()) continue;
    if (TdxBarItemLink* link = bar->GetItemLinks()->FindItemWithAccel(AKey, AShift, nullptr)) return link;
  }
  return nullptr;
}

TdxBarItemLink* TdxBarManager::GetItemLinkWithAccel(Word AKey, TShiftState AShift) {
  TdxBarItemLink* result = nullptr;
  ForEachManagerInSearchOrder([&](TdxBarManager* AManager) {
    result = AManager->FindAccelLink(AKey, AShift);
    return result != nullptr;
  });
  return result;
}

// ---- Update lock -------------------------------------------------------------------------------------------------
void TdxBarManager::BeginUpdate() {
  if (FLockUpdateCount++ == 0) DoLockUpdate(true, false);
}

void TdxBarManager::EndUpdate(bool ARefresh) {
  if (FLockUpdateCount == 0) return;
  if (--FLockUpdateCount == 0 && !GetIsDestroying()) DoLockUpdate(false, ARefresh);
}

void TdxBarManager::SetLockUpdate(bool Value) {
  if (FLockUpdate == Value) return;
  FLockUpdate = Value;
  if (Value) BeginUpdate();
  else EndUpdate(false);
}

// Docks stop redrawing while locked; on unlock the changed bars rebuild and repaint once.
void TdxBarManager::DoLockUpdate(bool ALock, bool ARefresh) {
  if (!ALock) FChangedSubMenuControl = nullptr;
}

void TdxBarManager::SetAutoAlignBars(bool Value) {
  if (FAutoAlignBars == Value) return;
  FAutoAlignBars = Value;
  BeginUpdate();
  EndUpdate(true);
}

}  // namespace dxBar
