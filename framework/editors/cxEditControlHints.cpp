// The editor's own hints for its buttons and its body: a show timer started when the pointer rests
// on a hint area, a hide timer once the hint shows, and a check timer that cancels a pending hint
// when the pointer moves and hides a shown one when the pointer leaves its area. Independent of the
// application's hint, with the application's timing.
#include <algorithm>

#include "Forms.h"
#include "cxControlsInternal.h"
#include "cxControlsTimer.h"
#include "cxEditControl.h"
#include "cxEditInternal.h"
#include "cxGeometry.h"
#include "cxGraphicsFunctions.h"

namespace cxEdit {

namespace {

constexpr Cardinal HintCheckInterval = 100;

TcxTimer* StartTimer(Integer AInterval, TNotifyEvent AHandler) {
  auto* timer = New<TcxTimer>(nullptr);
  timer->SetInterval(static_cast<Cardinal>(std::max(AInterval, 1)));
  timer->SetOnTimer(AHandler);
  timer->SetEnabled(true);
  return timer;
}

}  // namespace

TRect CalculateEditHintRect(THintWindow* AWindow, const String& AText, const TPoint& APoint) {
  TOwnedPtr<THintWindow> temporary;
  if (!AWindow) {
    temporary.reset(static_cast<THintWindow*>(CreateComponent(HintWindowClass, nullptr)));
    AWindow = temporary.get();
  }
  const TRect r = AWindow->CalcHintRect(Screen->Width(), AText, nullptr);
  return cxRectOffset(r, APoint.x, APoint.y + cxGetCursorSize().cy);
}

Integer TcxCustomEdit::GetHintAreaIndex() {
  if (!HandleAllocated()) return cxEditHintAreaNone;
  return GetViewInfo()->GetHintAreaIndex(ScreenToClient(GetMouseCursorPos()));
}

bool TcxCustomEdit::HintRelevant() { return GetHintAreaIndex() == FHintArea; }

String TcxCustomEdit::GetHintText() {
  String text = GetViewInfo()->GetHintText(GetShowHint(), GetHintAreaIndex());
  if (text.empty() && GetShowHint()) text = GetHint();
  return text;
}

TClass TcxCustomEdit::GetHintWindowClass() { return HintWindowClass; }

TRect TcxCustomEdit::GetHintTextRect() {
  return CalculateEditHintRect(FHintWindow, GetHintText(), GetMouseCursorPos());
}

void TcxCustomEdit::UpdateHintByMouse() {
  Integer delay = Application->HintPause;
  if (HintRelevant()) {
    if (!FHintShowTimer) return;
    StopHintShowTimer();
  } else if (FHintArea != cxEditHintAreaNone) {
    HideHint(false);
    if (GetHintAreaIndex() == cxEditHintAreaNone) return;
    delay = Application->HintShortPause;
  }
  StartHintShowTimer(delay);
}

void TcxCustomEdit::StartHintShowTimer(Integer ADelay) {
  const Integer area = GetHintAreaIndex();
  if (area == FPendingHintArea) return;
  FreeAndNil(FHintShowTimer);
  FHintCursorPos = GetMouseCursorPos();
  FHintShowTimer = StartTimer(ADelay, TNotifyEvent(this, &TcxCustomEdit::HintShowTimerHandler));
  FPendingHintArea = area;
  StartHintCheckTimer();
}

void TcxCustomEdit::StartHintCheckTimer() {
  if (!FHintCheckTimer)
    FHintCheckTimer = StartTimer(HintCheckInterval, TNotifyEvent(this, &TcxCustomEdit::HintCheckTimerHandler));
}

void TcxCustomEdit::StartHintHideTimer() {
  if (FHintHideTimer || FHintShowTimer) return;
  FHintHideTimer = StartTimer(Application->HintHidePause, TNotifyEvent(this, &TcxCustomEdit::HintHideTimerHandler));
  StartHintCheckTimer();
}

void TcxCustomEdit::StopHintShowTimer() {
  FreeAndNil(FHintShowTimer);
  StopHintCheckTimer();
}

void TcxCustomEdit::StopHintHideTimer() {
  FreeAndNil(FHintHideTimer);
  StopHintCheckTimer();
}

void TcxCustomEdit::StopHintCheckTimer() { FreeAndNil(FHintCheckTimer); }

void TcxCustomEdit::HintShowTimerHandler(TObject*) {
  StopHintShowTimer();
  ActivateHint();
}

void TcxCustomEdit::HintHideTimerHandler(TObject*) { HideHint(true); }

void TcxCustomEdit::HintCheckTimerHandler(TObject*) {
  if (FHintShowTimer) {
    if (GetMouseCursorPos() != FHintCursorPos) ClearStateHint(true);
  } else if (FHintHideTimer && !HintRelevant()) {
    HideHint(false);
  }
}

void TcxCustomEdit::ActivateHint() {
  if (HintRelevant() || FHintShowTimer || FHintHideTimer || FHintCheckTimer) return;
  const Integer area = GetHintAreaIndex();
  if (area == cxEditHintAreaNone || GetHintText().empty() || GetMouseCursorPos() != FHintCursorPos) return;
  FHintArea = area;
  if (!HintShow()) return;
  StopHintCheckTimer();
  StartHintHideTimer();
}

bool TcxCustomEdit::HintShow() {
  TClass windowClass = GetHintWindowClass();
  if (FHintWindow && FHintWindow->ClassType() != windowClass) FreeAndNil(FHintWindow);
  if (!FHintWindow) FHintWindow = static_cast<THintWindow*>(CreateComponent(windowClass, nullptr));
  const String text = GetHintText();
  const TRect rect = GetHintTextRect();
  if (FHintWindow->IsShowing() && FHintWindow->GetText() == text && rect == FHintRect) return false;
  FHintRect = rect;
  FHintActivating = true;
  TFinally done([this] { FHintActivating = false; });
  FHintWindow->SetColor(Application->GetHintColor());
  FHintWindow->ActivateHint(FHintRect, text);
  FHintArea = GetHintAreaIndex();
  return true;
}

void TcxCustomEdit::HideHint(bool AForce) {
  if (!AForce && FHintWindow && FHintWindow->GetText() == GetHintText() && GetHintAreaIndex() != cxEditHintAreaNone)
    return;
  StopHintHideTimer();
  StopHintCheckTimer();
  FHintRect = TRect();
  if (FHintWindow) FHintWindow->ReleaseHandle();
}

void TcxCustomEdit::ClearStateHint(bool AClearAreas) {
  StopHintShowTimer();
  HideHint(true);
  if (AClearAreas) FHintArea = FPendingHintArea = cxEditHintAreaNone;
}

void TcxCustomEdit::CheckHideHint() {
  if (GetHintAreaIndex() == cxEditHintAreaNone) ClearStateHint(true);
}

}  // namespace cxEdit
