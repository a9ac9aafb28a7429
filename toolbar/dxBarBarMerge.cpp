// Merging the links of one toolbar into another and taking them out again, and resetting a toolbar
// to the layout its manager saved after loading.
#include "Exceptions.h"
#include "Format.h"
#include "IniFiles.h"
#include "Strings.h"
#include "WinMessageBox.h"
#include "dxBarBar.h"
#include "dxBarHelpers.h"
#include "dxBarItem.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"

namespace dxBar {

namespace {

const char* const sCantMergeMergedToolbar = "You cannot merge a toolbar with a toolbar that is already merged";
const char* const sCantMergeToolbar = "You cannot merge with the specified toolbar";
const char* const sToolbarAlreadyMerged = "The '%s' toolbar is already merged with the '%s' toolbar";
const char* const sToolbarHasMergedToolbars = "The '%s' toolbar has merged toolbars";
const char* const sCantUnmergeToolbar = "You cannot unmerge the specified toolbar";
const char* const sToolbarNotMerged = "The '%s' toolbar is not merged with the '%s' toolbar";
const char* const sWantToResetToolbar = "Are you sure you want to reset the changes made to the '%s' toolbar?";

// The manager's update bracket around AProc, closed however AProc ends.
template <class F>
void InManagerUpdate(TdxBarManager* AManager, F AProc) {
  if (!AManager) {
    AProc();
    return;
  }
  AManager->BeginUpdate();
  try {
    AProc();
  } catch (...) {
    AManager->EndUpdate(true);
    throw;
  }
  AManager->EndUpdate(true);
}

TdxBar* MergedBar(TdxBarMergeData* AData, Integer AIndex) {
  return static_cast<TdxBar*>(AData->MergedBars->GetItems(AIndex));
}

}  // namespace

void TdxBar::Merge(TdxBar* ABar) { InternalMerge(ABar, true); }

void TdxBar::Unmerge(TdxBar* ABar) { InternalUnmergeFromBar(ABar, true); }

void TdxBar::InternalMerge(TdxBar* ABar, bool AKeepVisibility) {
  if (FMergeData->MergedWith) throw Exception(sCantMergeMergedToolbar);
  if (!ABar || ABar == this) throw Exception(sCantMergeToolbar);
  TdxBarMergeData* data = ABar->GetMergeData();
  if (data->MergedWith == this) throw Exception(Format(sToolbarAlreadyMerged, {ABar->GetCaption(), FCaption}));
  if (data->MergedBars->GetCount() > 0) throw Exception(Format(sToolbarHasMergedToolbars, {ABar->GetCaption()}));

  const bool wasMergedElsewhere = data->MergedWith != nullptr;
  if (wasMergedElsewhere) data->MergedWith->InternalUnmergeFromBar(ABar, false);
  TdxBar* previousMergingBar = TdxBarItemLinks::MergingBar();
  TdxBarItemLinks::SetMergingBar(ABar);
  try {
    data->MergedWith = this;
    FMergeData->MergedBars->Add(ABar);
    InManagerUpdate(GetBarManager(), [&] { FItemLinks->Merge(ABar->GetItemLinks()); });
  } catch (...) {
    TdxBarItemLinks::SetMergingBar(previousMergingBar);
    throw;
  }
  TdxBarItemLinks::SetMergingBar(previousMergingBar);
  if (!wasMergedElsewhere && AKeepVisibility) data->VisibleBeforeMerging = ABar->GetVisible();
  ABar->SetVisibility(false);
}

void TdxBar::InternalUnmergeFromBar(TdxBar* ABar, bool ARestoreVisibility) {
  if (ABar == this) throw Exception(sCantUnmergeToolbar);
  if (ABar) {
    TdxBar* mergedWith = ABar->GetMergeData()->MergedWith;
    if (!mergedWith) return;
    if (mergedWith != this) throw Exception(Format(sToolbarNotMerged, {ABar->GetCaption(), FCaption}));
  }
  if (FMergeData->MergedBars->GetCount() == 0) return;
  InManagerUpdate(GetBarManager(), [&] { FItemLinks->Unmerge(ABar); });
  auto forget = [&](TdxBar* ABarGoing) {
    TdxBarMergeData* data = ABarGoing->GetMergeData();
    data->MergedWith = nullptr;
    FMergeData->MergedBars->Remove(ABarGoing);
    if (ARestoreVisibility) ABarGoing->SetVisibility(data->VisibleBeforeMerging);
  };
  if (ABar) {
    forget(ABar);
  } else {
    for (Integer i = FMergeData->MergedBars->GetCount() - 1; i >= 0; --i)
      if (i < FMergeData->MergedBars->GetCount()) forget(MergedBar(FMergeData, i));
  }
  if (!FMergeData->CreatedByMerging || FMergeData->MergedBars->GetCount() > 0) return;
  if (FKeepWhenEmptied) {
    FMergeData->VisibleBeforeCustomizing = GetVisible();
    SetVisible(false);
    SetHidden(true);
  } else {
    Free();
  }
}

void TdxBar::InternalUnmergeFromBarManager(TdxBarManager* ABarManager, bool ARestoreVisibility) {
  for (Integer i = FMergeData->MergedBars->GetCount() - 1; i >= 0; --i) {
    if (i >= FMergeData->MergedBars->GetCount()) continue;
    TdxBar* bar = MergedBar(FMergeData, i);
    if (bar->GetBarManager() == ABarManager) InternalUnmergeFromBar(bar, ARestoreVisibility);
  }
}

void TdxBar::SaveMergeState() { FMergeData->SaveMergedBarList(); }

void TdxBar::RestoreMergeState() {
  for (Integer i = 0; i < FMergeData->GetSavedMergedBarListCount(); ++i) {
    TdxBar* bar = FMergeData->GetSavedMergedBar(i);
    InternalMerge(bar, bar->GetBarManager() == GetBarManager());
  }
  FMergeData->ClearSavedMergedBarList();
}

// ---- Reset ------------------------------------------------------------------------------------------------
void TdxBar::Reset() {
  TdxBarManager* manager = GetBarManager();
  if (!manager || !manager->GetSavedState()) return;
  const Integer savedIndex = manager->GetSavedBarIndex(FCaption);
  if (savedIndex < 0) return;
  manager->DoBarBeforeReset(this);
  const bool full = manager->GetUseFullReset();
  // A full reset reads the bar's own settings too, its visibility among them.
  InManagerUpdate(manager, [&] {
    if (full) SetVisible(false);
    IniFiles::TCustomIniFile* store = manager->GetSavedState();
    const String base = manager->GetBaseIniSection();
    manager->SetResetting(true);
    try {
      LoadFromIni(store, base, savedIndex, skIni, full);
      LoadUsageData(store, GetIniSection(base, savedIndex, skIni));
    } catch (...) {
      manager->SetResetting(false);
      throw;
    }
    manager->SetResetting(false);
  });
  manager->DoBarAfterReset(this);
}

void TdxBar::ResetWithConfirmation() {
  if (dxBarMessageBox(Format(sWantToResetToolbar, {FCaption}), MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK) Reset();
}

}  // namespace dxBar
