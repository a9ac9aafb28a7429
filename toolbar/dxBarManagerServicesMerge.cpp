// Merging the toolbars of another manager into this one's and taking them out again, entering and
// leaving run-time customizing, and the drag state of customizing.
#include "Exceptions.h"
#include "cxClassesLinks.h"
#include "cxClassesResStrings.h"
#include "dxBarBar.h"
#include "dxBarConsts.h"
#include "dxBarControl.h"
#include "dxBarDock.h"
#include "dxBarItem.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"

namespace dxBar {

// ---- Merging --------------------------------------------------------------------------------------------------
TdxBar* TdxBarManager::CreateBarAsByMerging() {
  TdxBar* bar = FBars->Add();
  bar->GetMergeData()->CreatedByMerging = true;
  bar->Move(dsTop, bar->GetRealDockControl() ? bar->GetRealDockControl()->GetRowCount() : 0, 0);
  return bar;
}

// Every check runs before anything changes, so a refused merge leaves both managers as they were.
void TdxBarManager::Merge(TdxBarManager* ABarManager, bool AAddNewBars) {
  if (!ABarManager || ABarManager == this) throw Exception(cxGetResourceString(&dxSBAR_CANTMERGEBARMANAGER));
  TdxBars* bars = ABarManager->GetBars();
  for (Integer i = 0; i < bars->GetCount(); ++i) {
    TdxBarMergeData* data = bars->GetItem(i)->GetMergeData();
    if (data->MergedWith) throw Exception(cxGetResourceString(&dxSBAR_CANTMERGETOOLBAR));
    if (data->MergedBars->GetCount() > 0) throw Exception(cxGetResourceString(&dxSBAR_CANTMERGEWITHMERGEDTOOLBAR));
  }
  for (Integer i = 0; i < bars->GetCount(); ++i) {
    TdxBar* bar = bars->GetItem(i);
    if (!bar->GetVisible()) continue;
    if (TdxBar* target = BarByCaption(bar->GetCaption())) target->Merge(bar);
  }
  if (!AAddNewBars) return;
  for (Integer i = 0; i < bars->GetCount(); ++i) {
    TdxBar* bar = bars->GetItem(i);
    if (!bar->GetVisible() || bar->GetMergeData()->MergedWith) continue;
    TdxBar* target = CreateBarAsByMerging();
    target->SetCaption(bar->GetCaption());
    target->Merge(bar);
    target->SetVisible(true);
  }
}

void TdxBarManager::Unmerge(TdxBarManager* ABarManager) { InternalUnmerge(ABarManager, false); }

void TdxBarManager::InternalUnmerge(TdxBarManager* ABarManager, bool AAll) {
  std::vector<TdxBar*> ownMerged;
  if (AAll)
    for (Integer i = 0; i < FBars->GetCount(); ++i)
      if (TdxBar* into = FBars->GetItem(i)->GetMergeData()->MergedWith; into && into->GetBarManager() == this)
        ownMerged.push_back(FBars->GetItem(i));
  for (Integer i = FBars->GetCount() - 1; i >= 0; --i) {
    if (i >= FBars->GetCount()) continue;
    TdxBar* bar = FBars->GetItem(i);
    TcxObjectLinkHolder barLink(bar);
    if (AAll) {
      bar->SaveMergeState();
      if (bar->GetMergeData()->CreatedByMerging) bar->SetKeepWhenEmptied(true);
      bar->InternalUnmergeFromBar(nullptr, false);
    } else {
      bar->InternalUnmergeFromBarManager(ABarManager, true);
    }
    if (barLink.Alive()) bar->SetKeepWhenEmptied(false);
  }
  for (TdxBar* bar : ownMerged) bar->SetVisibility(bar->GetMergeData()->VisibleBeforeMerging);
}

void TdxBarManager::RestoreMergeState() {
  for (Integer i = 0; i < FBars->GetCount(); ++i)
    if (!FBars->GetItem(i)->GetMergeData()->CreatedByMerging) FBars->GetItem(i)->RestoreMergeState();
  for (Integer i = 0; i < FBars->GetCount(); ++i) {
    TdxBar* bar = FBars->GetItem(i);
    if (!bar->GetMergeData()->CreatedByMerging) continue;
    bar->RestoreMergeState();
    bar->SetHidden(false);
    bar->SetVisible(bar->GetMergeData()->VisibleBeforeCustomizing);
  }
}

// ---- Customizing ----------------------------------------------------------------------------------------------
// The customizing dialog comes with the customization work: until then the bars switch their item
// controls to the customizing state and back, and no dialog opens.
void TdxBarManager::Customizing(bool AShow) {
  if (FIsCustomizing == AShow) return;
  if (AShow && dxBarManagerList && dxBarManagerList->GetCustomizingBarManager()) return;
  for (Integer i = FBars->GetCount() - 1; i >= 0; --i) {
    if (i >= FBars->GetCount()) continue;
    TCustomdxBarControl* control = FBars->GetItem(i)->GetControl();
    if (!control) continue;
    const Integer count = FBars->GetCount();
    control->HideAll();
    if (count == FBars->GetCount() && IsBarControlAlive(control)) control->DestroyControls();
  }
  FIsCustomizing = AShow;
  for (Integer i = 0; i < FBars->GetCount(); ++i) {
    TdxBar* bar = FBars->GetItem(i);
    bar->GetItemLinks()->RefreshVisibilityLists();
    if (TCustomdxBarControl* control = bar->GetControl()) control->RecreateControls();
  }
  for (Integer i = 0; i < GetItemCount(); ++i)
    if (TdxBarItemLinks* links = GetItem(i)->GetItemLinks()) links->RefreshVisibilityLists();
  for (Integer i = 0; i < FBars->GetCount(); ++i)
    if (TCustomdxBarControl* control = FBars->GetItem(i)->GetControl()) control->RepaintBar();
}

void TdxBarManager::HideAll() {
  if (TCustomdxBarControl* active = ActiveBarControl()) active->HideAll();
}

// ---- The drag state of customizing ----------------------------------------------------------------------------
// Dragging items and links belongs to the customizing dialog, which comes with the customization
// work; until then no drag starts and nothing is being dragged.
void TdxBarManager::BeginDrag() {}
void TdxBarManager::EndDrag() {}
void TdxBarManager::HandleDragging() {}
bool TdxBarManager::GetDragging() { return false; }
void TdxBarManager::DragAndDrop(TdxBarItem*, TdxBarItemLink*) {}
TdxBarItem* TdxBarManager::GetDraggingItem() { return nullptr; }
void TdxBarManager::SetDraggingItem(TdxBarItem*) {}
TdxBarItemLink* TdxBarManager::GetDraggingItemLink() { return nullptr; }
void TdxBarManager::SetDraggingItemLink(TdxBarItemLink*) {}

}  // namespace dxBar
