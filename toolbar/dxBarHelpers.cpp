// The toolbar unit's window, text, view-level and navigation routines.
#include "dxBarHelpers.h"

#include <cmath>

#include "Forms.h"
#include "RtlMath.h"
#include "Threads.h"
#include "WinSound.h"
#include "WinUser.h"
#include "cxClassesLinks.h"
#include "cxContainerUtils.h"
#include "cxControlsUtils.h"
#include "dxBarUnit.h"

namespace dxBar {

// ---- View levels ----------------------------------------------------------------------------------------
TdxBarItemViewLevel GetMaxViewLevel(TdxBarItemViewLevels ALevels) {
  for (Integer i = ivlLargeIconWithText; i <= ivlControlOnly; ++i)
    if (ALevels.Contains(static_cast<TdxBarItemViewLevel>(i))) return static_cast<TdxBarItemViewLevel>(i);
  return ivlDefault;
}

Integer GetMinViewLevel(TdxBarItemViewLevels ALevels) {
  for (Integer i = ivlControlOnly; i >= ivlLargeIconWithText; --i)
    if (ALevels.Contains(static_cast<TdxBarItemViewLevel>(i))) return i;
  return -1;
}

TdxBarItemViewLevel GetNextViewLevel(TdxBarItemViewLevels ALevels, TdxBarItemViewLevel ALevel) {
  for (Integer i = ALevel + 1; i <= ivlControlOnly; ++i)
    if (ALevels.Contains(static_cast<TdxBarItemViewLevel>(i))) return static_cast<TdxBarItemViewLevel>(i);
  return ivlDefault;
}

// ---- Text and accelerators ------------------------------------------------------------------------------
String GetTextOf(const String& ACaption) { return RemoveAccelChars(ACaption, false); }

Integer GetAccelPos(String& ACaption, bool ADelete) {
  Integer result = 0;
  size_t i = 0;
  while (i + 1 < ACaption.size()) {
    if (ACaption[i] != '&') {
      ++i;
      continue;
    }
    if (ADelete) {
      ACaption.erase(i, 1);
      // The character after the mark now stands at i; a doubled mark leaves one "&" that is text.
      if (ACaption[i] != '&') result = static_cast<Integer>(i) + 1;
      ++i;
    } else {
      if (ACaption[i + 1] != '&') result = static_cast<Integer>(i) + 2;
      i += 2;
    }
  }
  return result;
}

char GetAccelChar(const String& ACaption) {
  String caption = ACaption;
  const Integer pos = GetAccelPos(caption, false);
  return pos > 0 ? caption[pos - 1] : '\0';
}

String GetHintShortCutText(TShortCut AShortCut) {
  return AShortCut == 0 ? String() : " (" + ShortCutToText(AShortCut) + ")";
}

bool IsKeyTipsKey(Word AKey) {
  const UINT ch = MapVirtualKey(AKey, MAPVK_VK_TO_CHAR) & 0x7FFFFFFF;
  return ch != 0 && ch <= 0xFF && IsTextChar(static_cast<char>(ch)) && ch != ' ';
}

// ---- Windows and forms ----------------------------------------------------------------------------------
namespace {
bool IsChildWindow(HWND AWnd) { return (GetWindowLong(AWnd, GWL_STYLE) & WS_CHILD) != 0; }
}  // namespace

void dxSetZOrder(HWND AWnd, HWND AInsertAfter, bool AActivate, UINT AExtraFlags) {
  UINT flags = SWP_NOMOVE | SWP_NOSIZE | AExtraFlags;
  if (!AActivate) flags |= SWP_NOACTIVATE;
  SetWindowPos(AWnd, AInsertAfter, 0, 0, 0, 0, flags);
}

bool IsInFocusedWindow(HWND AWnd) {
  const HWND focused = GetFocus();
  if (AWnd == focused) return true;
  while (AWnd && IsChildWindow(AWnd)) {
    AWnd = GetParent(AWnd);
    if (AWnd == focused) return true;
  }
  return false;
}

bool IsWindowReallyEnabled(HWND AWnd) {
  for (;;) {
    if (!IsWindowEnabled(AWnd)) return false;
    if (!IsChildWindow(AWnd)) return true;
    AWnd = GetParent(AWnd);
    if (!AWnd) return true;
  }
}

bool IsControlVisible(TWinControl* AControl) {
  return AControl->HandleAllocated() && IsWindowVisible(AControl->GetHandle());
}

Forms::TCustomForm* GetFormOfActiveWindow() {
  const HWND active = GetActiveWindow();
  if (!active || !IsWindowReallyEnabled(active)) return nullptr;
  // The class library has no MDI parents, so the active window's form is the answer.
  return dynamic_cast<Forms::TCustomForm*>(FindControl(active));
}

TWinControl* FindControlAboveChildWindow(HWND AWnd) {
  while (AWnd && IsChildWindow(AWnd)) {
    AWnd = GetParent(AWnd);
    if (TWinControl* control = FindControl(AWnd)) return control;
  }
  return nullptr;
}

bool HasAsParent(HWND AWnd, HWND AParent) { return IsOwner(AParent, AWnd); }

HWND DeepestWindowFromPoint(const TPoint& P) {
  HWND wnd = WindowFromPoint(P);
  while (wnd) {
    POINT client = P;
    ScreenToClient(wnd, &client);
    const HWND child = ChildWindowFromPointEx(wnd, client, CWP_SKIPINVISIBLE);
    if (!child || child == wnd) break;
    wnd = child;
  }
  return wnd;
}

bool IsAnotherApplicationWindow(HWND AWnd) {
  if (!AWnd) return true;
  DWORD process = 0;
  GetWindowThreadProcessId(AWnd, &process);
  return process != GetCurrentProcessId();
}

bool LeftButtonPressed() {
  return GetAsyncKeyState(GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON) < 0;
}

bool RightButtonPressed() {
  return GetAsyncKeyState(GetSystemMetrics(SM_SWAPBUTTON) ? VK_LBUTTON : VK_RBUTTON) < 0;
}

bool IsButtonDownMessage(UINT AMsg) {
  switch (AMsg) {
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN: case WM_NCRBUTTONDBLCLK: case WM_NCMBUTTONDOWN: case WM_NCMBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

namespace {
void PumpMessages(UINT AFirst, UINT ALast) {
  MSG msg;
  while (PeekMessage(&msg, nullptr, AFirst, ALast, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessage(&msg);
  }
}
}  // namespace

void ProcessMouseMessages() { PumpMessages(WM_MOUSEFIRST, WM_MOUSEWHEEL); }
void ProcessPaintMessages() { PumpMessages(WM_PAINT, WM_PAINT); }

bool dxKillTimer(HWND AWnd, UINT_PTR& ATimerID) {
  if (ATimerID == 0) return false;
  KillTimer(AWnd, ATimerID);
  ATimerID = 0;
  return true;
}

void DestroyWindowHandle(HWND& AWnd, bool ADestroy) {
  if (ADestroy && AWnd) DestroyWindow(AWnd);
  AWnd = nullptr;
}

void SetLayeredWndAttributes(HWND AWnd, Integer AAlpha) {
  const LONG exStyle = GetWindowLong(AWnd, GWL_EXSTYLE);
  if (AAlpha < 255) {
    if (!(exStyle & WS_EX_LAYERED)) SetWindowLong(AWnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    SetLayeredWindowAttributes(AWnd, 0, static_cast<BYTE>(std::max(AAlpha, 0)), LWA_ALPHA);
  } else if (exStyle & WS_EX_LAYERED) {
    SetWindowLong(AWnd, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
    RedrawWindow(AWnd, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

TRect GetWorkArea(const TPoint& P) { return GetDesktopWorkArea(P); }

Integer WidthToCurrentDpi(Integer AWidth, Integer ADesignDpi) {
  const HDC dc = GetDC(nullptr);
  const Integer dpi = GetDeviceCaps(dc, LOGPIXELSX);
  ReleaseDC(nullptr, dc);
  return static_cast<Integer>(std::lround(static_cast<double>(AWidth) * dpi / ADesignDpi));
}

Integer dxBarMessageBox(const String& AText, UINT AFlags) {
  return Forms::Application->MessageBox(AText, Forms::Application->GetTitle(), AFlags);
}

void CancelActiveFormMode() {
  if (auto* form = dynamic_cast<Forms::TCustomForm*>(FindControl(GetActiveWindow()))) form->SendCancelMode(nullptr);
}

void ActivateTopParentWindow(HWND AWnd) {
  while (AWnd && IsChildWindow(AWnd)) AWnd = GetParent(AWnd);
  if (AWnd) SetActiveWindow(AWnd);
}

void KillCharMessages(HWND AWnd) { KillMessages(AWnd, WM_CHAR, WM_CHAR); }

TControl* FindNearestControl(HWND AWnd) {
  for (; AWnd; AWnd = GetParent(AWnd))
    if (TWinControl* control = FindControl(AWnd)) return control;
  return nullptr;
}

bool IsControlInOwner(TControl* AOwner, TControl* AControl) {
  auto* owner = dynamic_cast<TWinControl*>(AOwner);
  TWinControl* windowed = dynamic_cast<TWinControl*>(AControl);
  if (!windowed && AControl) windowed = AControl->GetParent();
  if (owner && windowed && owner->HandleAllocated() && windowed->HandleAllocated())
    return IsChildEx(owner->GetHandle(), windowed->GetHandle());
  for (TControl* control = AControl; control; control = control->GetParent())
    if (control == AOwner) return true;
  return false;
}

bool IsWindowInControl(TWinControl* AControl, HWND AWnd) {
  return AControl->HandleAllocated() && IsChildEx(AControl->GetHandle(), AWnd);
}

bool IsAncestorComponentDifferencesDetection(TComponent* AComponent) {
  const TComponentState state = AComponent->ComponentState();
  return state.Contains(csLoading) && state.Contains(csAncestor) && !state.Contains(csReading);
}

void EnsureMinEditWidth(Integer& AWidth, Integer AMinWidth) { AWidth = std::max(AWidth, AMinWidth); }

void PlaySystemSound(Integer AKind) {
  if (!dxBarPlaySound) return;
  static const char* const Aliases[] = {"MenuPopup", "MenuCommand"};
  if (AKind == dxbsStop)
    PlaySound(nullptr, nullptr, SND_PURGE);
  else if (AKind == dxbsMenuPopup || AKind == dxbsMenuCommand)
    PlaySound(Aliases[AKind], nullptr, SND_ALIAS | SND_ASYNC | SND_NODEFAULT | SND_NOWAIT);
}

void dxFreeAndNilObjectLink(TcxObjectLink*& ALink) {
  cxRemoveObjectLink(ALink);
  ALink = nullptr;
}

// ---- The next accessible object in a direction ----------------------------------------------------------
namespace {
constexpr Integer FarAway = 0x3FFFFFFF;

double DirectionAngle(TcxAccessibilityNavigationDirection ADirection) {
  switch (ADirection) {
    case andLeft: return 180;
    case andUp: return 270;
    case andRight: return 0;
    default: return 90;
  }
}

double Deviation(const TRect& ACurrent, const TRect& ACandidate, TcxAccessibilityNavigationDirection ADirection) {
  const double dx = (ACandidate.left + ACandidate.right) / 2.0 - (ACurrent.left + ACurrent.right) / 2.0;
  const double dy = (ACandidate.top + ACandidate.bottom) / 2.0 - (ACurrent.top + ACurrent.bottom) / 2.0;
  double angle = std::atan2(dy, dx) * 180 / M_PI;
  if (angle < 0) angle += 360;
  const double diff = angle - DirectionAngle(ADirection);
  return std::min(std::fabs(diff), std::fabs(diff > 0 ? diff - 360 : diff + 360));
}

Int64 Gap(const TRect& ACurrent, const TRect& ACandidate, TcxAccessibilityNavigationDirection ADirection) {
  switch (ADirection) {
    case andLeft: return Int64(ACurrent.left) - ACandidate.right;
    case andUp: return Int64(ACurrent.top) - ACandidate.bottom;
    case andRight: return Int64(ACandidate.left) - ACurrent.right;
    default: return Int64(ACandidate.top) - ACurrent.bottom;
  }
}

Integer FindNearest(const TRect& ACurrent, const std::vector<TRect>& ACandidates,
                    TcxAccessibilityNavigationDirection ADirection) {
  Integer best = -1;
  Int64 bestGap = 0;
  double bestDeviation = 0;
  for (size_t i = 0; i < ACandidates.size(); ++i) {
    const Int64 gap = Gap(ACurrent, ACandidates[i], ADirection);
    if (gap < 0) continue;
    const double deviation = Deviation(ACurrent, ACandidates[i], ADirection);
    if (best < 0 || gap < bestGap || (gap == bestGap && deviation < bestDeviation)) {
      best = static_cast<Integer>(i);
      bestGap = gap;
      bestDeviation = deviation;
    }
  }
  return best;
}
}  // namespace

Integer GetNextAccessibleBounds(const TRect& ACurrent, const std::vector<TRect>& ACandidates,
                                TcxAccessibilityNavigationDirection ADirection, bool AWrap) {
  if (ADirection == andPrev || ADirection == andNext) return -1;
  Integer result = FindNearest(ACurrent, ACandidates, ADirection);
  if (result < 0 && AWrap && (ADirection == andLeft || ADirection == andRight)) {
    // Start again from beyond the opposite edge, which picks the candidate nearest to that edge.
    TRect moved = ACurrent;
    const Integer width = ACurrent.right - ACurrent.left;
    if (ADirection == andLeft) {
      moved.right = FarAway;
      moved.left = FarAway - width;
    } else {
      moved.left = -FarAway;
      moved.right = -FarAway + width;
    }
    result = FindNearest(moved, ACandidates, ADirection);
  }
  return result;
}

}  // namespace dxBar
