// The base control's scroll bars: their creation and layout, and the protocol that decides them. A
// descendant describes each bar (SetScrollBarInfo from InitScrollBarsParameters); the control asks
// again until the answers settle, since one bar's need may depend on the room the other leaves.
#include "WinUser.h"
#include "cxClassesLinks.h"
#include "cxControlsControllers.h"
#include "cxControlsInternal.h"
#include "cxControlsScrollBars.h"
#include "cxGeometry.h"

namespace cxControls {

// ---- Creation and layout ------------------------------------------------------------------------------
TcxControlScrollBar* TcxControl::CreateScrollBar(TScrollBarKind AKind) {
  auto* bar = New<TcxControlScrollBar>(nullptr);
  bar->SetKind(AKind);
  bar->SetOnScroll(TScrollEvent(this, &TcxControl::ScrollBarScroll));
  bar->GetLookAndFeel()->SetMasterLookAndFeel(FLookAndFeel);
  bar->ControlStyle.Include(csReplicatable);
  return bar;
}

void TcxControl::CreateScrollBars() {
  if (FHScrollBar) return;
  FHScrollBar = CreateScrollBar(sbHorizontal);
  FVScrollBar = CreateScrollBar(sbVertical);
  FSizeGrip = New<TcxSizeGrip>(nullptr);
  FSizeGrip->GetLookAndFeel()->SetMasterLookAndFeel(FLookAndFeel);
  FSizeGrip->ControlStyle.Include(csReplicatable);
  if (TcxSettingsController* controller = SettingsController()) controller->Add(this);
}

void TcxControl::DestroyScrollBars() {
  if (!FHScrollBar) return;
  if (TcxSettingsController* controller = SettingsController()) controller->Remove(this);
  FreeAndNil(FSizeGrip);
  FreeAndNil(FVScrollBar);
  FreeAndNil(FHScrollBar);
}

void TcxControl::InitScrollBars() {
  if (!FHScrollBar) return;
  FHScrollBar->SetParent(this);
  FVScrollBar->SetParent(this);
  FSizeGrip->SetParent(this);
}

void TcxControl::CheckNeedsScrollBars() {
  if (NeedsScrollBars()) {
    CreateScrollBars();
    if (HandleAllocated()) InitScrollBars();
  } else {
    DestroyScrollBars();
  }
}

TcxControlScrollBar* TcxControl::GetScrollBar(TScrollBarKind AKind) const {
  return AKind == sbHorizontal ? FHScrollBar : FVScrollBar;
}

void TcxControl::ScrollBarScroll(TObject* Sender, TScrollCode AScrollCode, Integer& AScrollPos) {
  Scroll(static_cast<TcxControlScrollBar*>(Sender)->GetKind(), AScrollCode, AScrollPos);
}

bool TcxControl::GetHScrollBarVisible() const {
  if (!const_cast<TcxControl*>(this)->NeedsScrollBars() || !FHScrollBar) return false;
  return FCalculatingScrollBarsParams ? FHScrollBar->GetData().Visible : FHScrollBar->GetVisible();
}

bool TcxControl::GetVScrollBarVisible() const {
  if (!const_cast<TcxControl*>(this)->NeedsScrollBars() || !FVScrollBar) return false;
  return FCalculatingScrollBarsParams ? FVScrollBar->GetData().Visible : FVScrollBar->GetVisible();
}

TRect TcxControl::GetHScrollBarBounds() {
  TRect r = GetClientBounds();
  r.top = r.bottom;
  r.bottom = r.top + FHScrollBar->GetHeight();
  return r;
}

TRect TcxControl::GetVScrollBarBounds() {
  TRect r = GetClientBounds();
  r.left = r.right;
  r.right = r.left + FVScrollBar->GetWidth();
  return r;
}

TRect TcxControl::GetSizeGripBounds() {
  const TRect horizontal = GetHScrollBarBounds(), vertical = GetVScrollBarBounds();
  return TRect(vertical.left, horizontal.top, vertical.right, horizontal.bottom);
}

void TcxControl::SetInternalControlsBounds() {
  if (GetHScrollBarVisible()) FHScrollBar->SetBoundsRect(GetHScrollBarBounds());
  if (GetVScrollBarVisible()) FVScrollBar->SetBoundsRect(GetVScrollBarBounds());
  if (FSizeGrip && FSizeGrip->GetVisible()) FSizeGrip->SetBoundsRect(GetSizeGripBounds());
}

void TcxControl::BringInternalControlsToFront() {
  FHScrollBar->BringToFront();
  FVScrollBar->BringToFront();
  FSizeGrip->BringToFront();
}

void TcxControl::UpdateInternalControlsState() {
  if (!NeedsScrollBars() || !FHScrollBar) return;
  if (FHScrollBar->GetVisible()) FHScrollBar->UpdateControlState();
  if (FVScrollBar->GetVisible()) FVScrollBar->UpdateControlState();
  if (FSizeGrip->GetVisible()) FSizeGrip->UpdateControlState();
}

// ---- The protocol ---------------------------------------------------------------------------------------
void TcxControl::SetScrollBarInfo(TScrollBarKind AScrollBarKind, Integer AMin, Integer AMax, Integer AStep,
                                  Integer APage, Integer APos, bool AAllowShow, bool AAllowHide) {
  TcxControlScrollBar* bar = GetScrollBar(AScrollBarKind);
  if (!bar) return;
  TcxScrollBarData& data = bar->GetData();
  const TScrollStyle shown = AScrollBarKind == sbHorizontal ? ssHorizontal : ssVertical;
  data.AllowShow = AAllowShow && (FScrollBars == shown || FScrollBars == ssBoth);
  data.AllowHide = AAllowHide;
  if (!data.AllowShow) {
    data.Visible = false;
  } else if (AMin > AMax || APage >= static_cast<Int64>(AMax) - AMin + 1 || APos < AMin) {
    // Nothing to scroll: hidden, or shown disabled where it must not go.
    data.Visible = !data.AllowHide;
    if (data.Visible) data.Enabled = false;
  } else {
    data.Visible = true;
    data.Enabled = true;
    data.Min = AMin;
    data.Max = AMax;
    data.Position = APos;
    data.PageSize = APage;
    data.SmallChange = AStep;
    data.LargeChange = APage;
  }
}

void TcxControl::LockScrollBars() {
  if (FScrollBarsLockCount == 0) FScrollBarsUpdateNeeded = false;
  ++FScrollBarsLockCount;
}

void TcxControl::UnlockScrollBars() {
  if (FScrollBarsLockCount == 0) return;
  if (--FScrollBarsLockCount == 0 && FScrollBarsUpdateNeeded) UpdateScrollBars();
}

void TcxControl::CalculateScrollBarsParameters() {
  FCalculatingScrollBarsParams = true;
  TFinally done([this] { FCalculatingScrollBarsParams = false; });
  FHScrollBar->GetData().Visible = false;
  FVScrollBar->GetData().Visible = false;
  // One bar's need may follow from the room the other takes: ask until the answers settle.
  bool horizontal, vertical;
  do {
    horizontal = GetHScrollBarVisible();
    vertical = GetVScrollBarVisible();
    InitScrollBarsParameters();
  } while (horizontal != GetHScrollBarVisible() || vertical != GetVScrollBarVisible());
  // Two pixel bars that are each needed only for the room the other takes are both hidden.
  const TcxScrollBarData h = FHScrollBar->GetData(), v = FVScrollBar->GetData();
  if (!(h.Visible && h.Enabled && h.AllowHide && v.Visible && v.Enabled && v.AllowHide)) return;
  const Integer hThickness = FVScrollBar->GetWidth(), vThickness = FHScrollBar->GetHeight();
  const bool hOnlyForTheOther = IsPixelScrollBar(sbHorizontal) &&
                                static_cast<Int64>(h.PageSize) + hThickness >= static_cast<Int64>(h.Max) - h.Min + 1;
  const bool vOnlyForTheOther = IsPixelScrollBar(sbVertical) &&
                                static_cast<Int64>(v.PageSize) + vThickness >= static_cast<Int64>(v.Max) - v.Min + 1;
  if (!hOnlyForTheOther || !vOnlyForTheOther) return;
  SetScrollBarInfo(sbHorizontal, h.Min, h.Max, h.SmallChange, h.PageSize + hThickness, h.Position, h.AllowShow,
                   h.AllowHide);
  SetScrollBarInfo(sbVertical, v.Min, v.Max, v.SmallChange, v.PageSize + vThickness, v.Position, v.AllowShow,
                   v.AllowHide);
}

void TcxControl::UpdateScrollBars() {
  if (!NeedsScrollBars() || !FHScrollBar) return;
  if (FScrollBarsLockCount > 0) {
    FScrollBarsUpdateNeeded = true;
    return;
  }
  const bool nested = FUpdatingScrollBars;
  if (!nested) {
    FInitialHScrollBarVisible = GetHScrollBarVisible();
    FInitialVScrollBarVisible = GetVScrollBarVisible();
  }
  FUpdatingScrollBars = true;
  TFinally done([this, nested] {
    FUpdatingScrollBars = nested;
    if (!nested) FInitialScrollBarsParams = false;
  });
  const bool hVisible = GetHScrollBarVisible(), vVisible = GetVScrollBarVisible();
  if (!FInitialScrollBarsParams) {
    if (!FCalculatingScrollBarsParams) CalculateScrollBarsParameters();
    if (nested && FHScrollBar->GetData().Visible == FInitialHScrollBarVisible &&
        FVScrollBar->GetData().Visible == FInitialVScrollBarVisible) {
      // The bars would go back to where the outer update started and start over: the one that
      // changed stays shown, disabled.
      FInitialScrollBarsParams = true;
      for (TcxControlScrollBar* bar : {FHScrollBar, FVScrollBar}) {
        const bool initial = bar == FHScrollBar ? FInitialHScrollBarVisible : FInitialVScrollBarVisible;
        if (bar->GetVisible() == initial) continue;
        bar->SetEnabled(false);
        bar->SetVisible(true);
      }
    } else {
      FHScrollBar->ApplyData();
      FVScrollBar->ApplyData();
    }
  }
  if (hVisible != GetHScrollBarVisible() || vVisible != GetVScrollBarVisible()) {
    BoundsChanged();
    return;
  }
  FSizeGrip->SetVisible(GetHScrollBarVisible() && GetVScrollBarVisible());
  SetInternalControlsBounds();
  if (NeedsToBringInternalControlsToFront()) BringInternalControlsToFront();
}

// ---- TcxControlScrollBar --------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxControlScrollBar)

void TcxControlScrollBar::Construct() {
  inherited::Construct();
  ControlStyle.Exclude(csFramed);
  ControlStyle.Include(csNoDesignVisible);
  SetTabStop(false);
  SetVisible(false);
  SetColor(clBtnFace);
}

void TcxControlScrollBar::Destroy() {
  cxClearObjectLinks(this);
  inherited::Destroy();
}

void TcxControlScrollBar::ApplyData() {
  if (FData.Visible) {
    SetScrollParams(FData.Min, FData.Max, FData.Position, FData.PageSize, true);
    SetSmallChange(FData.SmallChange);
    SetLargeChange(FData.LargeChange);
  }
  SetEnabled(FData.Enabled);
  if (GetVisible() != FData.Visible) SetVisible(FData.Visible);
}

void TcxControlScrollBar::WndProc(TMessage& Message) {
  if (Message.Msg != WM_LBUTTONDOWN) return inherited::WndProc(Message);
  TcxObjectLink* link = cxAddObjectLink(this);
  TFinally release([link] { cxRemoveObjectLink(link); });
  FocusParent();
  if (link->Ref) inherited::WndProc(Message);
}

void TcxControlScrollBar::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_DESIGNHITTEST) {
    Message.Result = 1;
    return;
  }
  inherited::Dispatch(Message);
}

void TcxControlScrollBar::FocusParent() {
  TWinControl* parent = GetParent();
  if (!parent) return;
  if (auto* control = dynamic_cast<TcxControl*>(parent)) {
    if (control->FocusWhenChildIsClicked(this)) control->SetFocus();
  } else if (parent->CanFocus()) {
    parent->SetFocus();
  }
}

// ---- TcxSizeGrip ----------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxSizeGrip)

void TcxSizeGrip::Construct() {
  inherited::Construct();
  SetColor(clBtnFace);
  ControlStyle.Include(csNoDesignVisible);
  FLookAndFeel = New<TcxLookAndFeel>(this);
  FLookAndFeel->OnChanged = TcxLookAndFeelChangedEvent(this, &TcxSizeGrip::LookAndFeelChanged);
}

void TcxSizeGrip::Destroy() {
  FreeAndNil(FLookAndFeel);
  inherited::Destroy();
}

void TcxSizeGrip::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_ERASEBKGND) {
    Message.Result = 1;
    return;
  }
  inherited::Dispatch(Message);
}

void TcxSizeGrip::Paint() {
  GetCanvas()->GetBrush()->SetColor(FLookAndFeel->GetPainter()->DefaultSizeGripAreaColor());
  GetCanvas()->FillRect(GetClientRect());
}

}  // namespace cxControls
