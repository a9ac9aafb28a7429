// The base of the framework's hint windows: shown topmost, kept inside the work area of its monitor,
// animated as the system's tooltip settings ask (short hints only), with or without a border.
#pragma once

#include "Forms.h"
#include "cxControlsUtils.h"

namespace cxControls {

class TcxBaseHintWindow : public THintWindow {
  DECLARE_CLASS(TcxBaseHintWindow, THintWindow)
 public:
  explicit TcxBaseHintWindow(TComponent* AOwner = nullptr) : THintWindow(AOwner) {}
  void Dispatch(TMessage& Message) override;

  void ActivateHint(TRect R, const String& AHint) override;
  // Kept inside the work area of the monitor nearest to (ALeft, ATop).
  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;

  TcxHintAnimationStyle GetAnimationStyle() const { return FAnimationStyle; }
  void SetAnimationStyle(TcxHintAnimationStyle Value) { FAnimationStyle = Value; }
  // The style shown: cxhaNone while the system's tooltip animation is off; cxhaAuto follows the
  // system's choice between fading and sliding.
  TcxHintAnimationStyle GetEffectiveAnimationStyle() const;
  Integer GetAnimationDelay() const { return FAnimationDelay; }
  void SetAnimationDelay(Integer Value) { FAnimationDelay = Value; }
  bool GetHasBorder() const { return FHasBorder; }
  void SetHasBorder(bool Value) { FHasBorder = Value; }
  bool GetEraseBackground() const { return FEraseBackground; }
  void SetEraseBackground(bool Value) { FEraseBackground = Value; }

  virtual void DisableRegion();
  virtual void EnableRegion() {}
  // Shows the window without activating it.
  virtual void Show();

 protected:
  void CreateParams(TCreateParams& Params) override;

 private:
  void Animate();

  TcxHintAnimationStyle FAnimationStyle = cxhaAuto;
  Integer FAnimationDelay = 100;
  bool FHasBorder = false;
  bool FEraseBackground = false;
};

}  // namespace cxControls

using namespace cxControls;
