// The manager's side of the bar windows: the one bar window whose mouse it tracks (told when the
// pointer leaves it) and the selected item control it remembers.
#include "cxControlsTimer.h"
#include "cxControlsUtils.h"
#include "WinUserDraw.h"
#include "dxBarComponents.h"
#include "dxBarControl.h"
#include "dxBarDock.h"
#include "dxBarItemControl.h"
#include "dxBarManager.h"

namespace dxBar {

namespace {

// What the control framework's mouse tracking tells: the tracked bar window learns that the pointer
// has left it.
class TdxBarMouseTracker : public TComponent, public IcxMouseTrackingCaller {
  DECLARE_CLASS(TdxBarMouseTracker, TComponent)
 public:
  explicit TdxBarMouseTracker(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  void MouseTrackingLeave() override {
    if (BarControl) BarControl->MouseLeave();
  }
  TCustomdxBarControl* BarControl = nullptr;

 protected:
  void Destroy() override {
    cxControls::EndMouseTracking(this);
    inherited::Destroy();
  }
};
IMPLEMENT_CLASS(TdxBarMouseTracker)

// The screen area of a bar window that still counts as over it: a docked bar only as far as its dock
// shows it.
TRect TrackedBounds(TCustomdxBarControl* ABarControl) {
  TRect bounds = ABarControl->GetWindowRect();
  TdxDockControl* dock = ABarControl->GetDockingStyle() != dsNone ? ABarControl->GetDockControl() : nullptr;
  if (dock && dock->HandleAllocated()) {
    const TRect client = dock->GetClientRect();
    const TPoint topLeft = dock->ClientToScreen(client.TopLeft());
    const TRect dockArea(topLeft.x, topLeft.y, topLeft.x + client.Width(), topLeft.y + client.Height());
    IntersectRect(&bounds, &bounds, &dockArea);
  }
  return bounds;
}

}  // namespace

void TdxBarManager::BeginMouseTracking(TCustomdxBarControl* ABarControl) {
  if (FMouseTrackingBarControl && FMouseTrackingBarControl != ABarControl) FMouseTrackingBarControl->MouseLeave();
  if (FMouseTrackingBarControl == ABarControl) return;
  FMouseTrackingBarControl = ABarControl;
  if (!ABarControl || !ABarControl->HandleAllocated()) return;
  if (!FMouseTracker) FMouseTracker = New<TdxBarMouseTracker>(this);
  auto* tracker = static_cast<TdxBarMouseTracker*>(FMouseTracker);
  tracker->BarControl = ABarControl;
  cxControls::BeginMouseTracking(nullptr, TrackedBounds(ABarControl), tracker);
}

void TdxBarManager::EndMouseTracking(TCustomdxBarControl* ABarControl) {
  if (!ABarControl || FMouseTrackingBarControl != ABarControl) return;
  FMouseTrackingBarControl = nullptr;
  if (auto* tracker = static_cast<TdxBarMouseTracker*>(FMouseTracker)) {
    tracker->BarControl = nullptr;
    cxControls::EndMouseTracking(tracker);
  }
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
