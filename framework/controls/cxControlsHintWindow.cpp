#include "cxControlsHintWindow.h"

#include <algorithm>

#include "WinUser.h"
#include "cxControlsInternal.h"
#include "cxControlsOSFlags.h"

namespace cxControls {

namespace {

// Hints this long or longer appear at once: animating a large window would only delay it.
constexpr size_t MaxAnimatedHintLength = 100;

size_t CharacterCount(const String& S) {
  return std::count_if(S.begin(), S.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

DWORD AnimationFlags(TcxHintAnimationStyle AStyle) {
  switch (AStyle) {
    case cxhaSlideFromLeft: return AW_HOR_POSITIVE;
    case cxhaSlideFromRight: return AW_HOR_NEGATIVE;
    case cxhaSlideDownward: return AW_VER_POSITIVE;
    case cxhaSlideUpward: return AW_VER_NEGATIVE;
    case cxhaSlideFromCenter: return AW_CENTER;
    case cxhaHide: return AW_HIDE;
    case cxhaFadeIn: return AW_BLEND;
    default: return AW_ACTIVATE;
  }
}

bool SystemSetting(UINT AAction) {
  BOOL value = FALSE;
  return SystemParametersInfoA(AAction, 0, &value, 0) && value;
}

}  // namespace

IMPLEMENT_CLASS(TcxBaseHintWindow)

void TcxBaseHintWindow::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_ERASEBKGND && !FEraseBackground) {
    Message.Result = 1;
    return;
  }
  inherited::Dispatch(Message);
}

void TcxBaseHintWindow::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  if (!FHasBorder) Params.Style &= ~WS_BORDER;
  if (IsWinXP) Params.WindowClass.style |= CS_DROPSHADOW;
  Params.ExStyle |= WS_EX_TOPMOST;
}

void TcxBaseHintWindow::ActivateHint(TRect R, const String& AHint) {
  SetCaption(AHint);
  SetBounds(R.left, R.top, R.Width(), R.Height());
  if (IsWinXP) EnableRegion();
  if (CharacterCount(AHint) < MaxAnimatedHintLength && GetUser32Proc("AnimateWindow")) Animate();
  if (!IsWinXP) EnableRegion();
  Show();
  Invalidate();
}

void TcxBaseHintWindow::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  const TRect area = GetDesktopWorkArea(TPoint(ALeft, ATop));
  ALeft = std::max<Integer>(std::min<Integer>(ALeft, area.right - AWidth), area.left);
  // The new height decides whether the hint passes the bottom of the area, not the one it had.
  ATop = std::max<Integer>(std::min<Integer>(ATop, area.bottom - AHeight), area.top);
  inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
}

TcxHintAnimationStyle TcxBaseHintWindow::GetEffectiveAnimationStyle() const {
  if (FAnimationStyle == cxhaNone || !SystemSetting(SPI_GETTOOLTIPANIMATION)) return cxhaNone;
  if (FAnimationStyle == cxhaAuto) return SystemSetting(SPI_GETTOOLTIPFADE) ? cxhaFadeIn : cxhaSlideDownward;
  return FAnimationStyle;
}

void TcxBaseHintWindow::Animate() {
  const TcxHintAnimationStyle style = GetEffectiveAnimationStyle();
  if (style == cxhaNone) return;
  if (!IsWinXP) DisableRegion();
  using TAnimateWindow = BOOL (*)(HWND, DWORD, DWORD);
  auto animate = GetUser32Function<TAnimateWindow>("AnimateWindow");
  animate(GetHandle(), static_cast<DWORD>(FAnimationDelay), AnimationFlags(style) | AW_SLIDE);
}

void TcxBaseHintWindow::DisableRegion() {
  if (HandleAllocated()) SetWindowRgn(GetHandle(), nullptr, IsWindowVisible(GetHandle()));
}

void TcxBaseHintWindow::Show() { ShowWindow(GetHandle(), SW_SHOWNOACTIVATE); }

}  // namespace cxControls
