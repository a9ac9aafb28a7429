// The manager's side of the bar windows: the bar whose mouse it tracks and the selected item
// control it remembers.
#include "dxBarComponents.h"
#include "dxBarControl.h"
#include "dxBarItemControl.h"
#include "dxBarManager.h"

namespace dxBar {

// The manager remembers the tracked bar; the polling that notices the mouse leaving comes with the
// manager's timers, so until then a bar learns of it from its own mouse messages.
void TdxBarManager::BeginMouseTracking(TCustomdxBarControl* ABarControl) { FMouseTrackingBarControl = ABarControl; }

void TdxBarManager::EndMouseTracking(TCustomdxBarControl* ABarControl) {
  if (FMouseTrackingBarControl == ABarControl) FMouseTrackingBarControl = nullptr;
}

bool TdxBarManager::IsMouseTracking(TCustomdxBarControl* ABarControl) {
  return ABarControl && FMouseTrackingBarControl == ABarControl;
}

bool TdxBarManager::IsUncustomizable() {
  TdxBarManager* customizing = dxBarManagerList ? dxBarManagerList->GetCustomizingBarManager() : nullptr;
  return customizing && customizing != this;
}

void TdxBarManager::SetSelectedItem(TdxBarItemControl* AItemControl) {
  if (FSelectedItem == AItemControl) return;
  TdxBarItemControl* old = FSelectedItem;
  if (GetIsCustomizing() && old && old->GetParent() && (!AItemControl || old->GetParent() != AItemControl->GetParent())) {
    FSelectedItem = nullptr;
    old->GetParent()->SetSelectedControl(nullptr);
  }
  FSelectedItem = AItemControl;
}

}  // namespace dxBar
