// The scroll bars a base control owns and the size grip between them. A bar carries the data the
// control's scroll-bar protocol decided for it until ApplyData puts it in force.
#pragma once

#include "cxControlsBase.h"
#include "cxScrollBar.h"

namespace cxControls {

// What the control's protocol wants of a bar: range, position and page, steps, and whether it is to
// be shown and enabled, and may be shown and hidden at all.
struct TcxScrollBarData {
  Integer Min = 0;
  Integer Max = 0;
  Integer Position = 0;
  Integer PageSize = 0;
  Integer SmallChange = 0;
  Integer LargeChange = 0;
  bool Enabled = false;
  bool Visible = false;
  bool AllowShow = false;
  bool AllowHide = false;
};

class TcxControlScrollBar : public TcxScrollBar {
  DECLARE_CLASS(TcxControlScrollBar, TcxScrollBar)
 public:
  explicit TcxControlScrollBar(TComponent* AOwner = nullptr) : TcxScrollBar(AOwner) {}
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;

  TcxScrollBarData& GetData() { return FData; }
  const TcxScrollBarData& GetData() const { return FData; }
  // Puts the pending data in force: range, position and page (only for a bar to be shown), the
  // enabled state, then the window's visibility.
  void ApplyData();
  using TcxScrollBar::UpdateControlState;

 protected:
  void Construct() override;
  void Destroy() override;
  // A click on the bar first focuses its parent, as far as the parent wants it.
  virtual void FocusParent();

 private:
  TcxScrollBarData FData;
};

// The square between the two bars of a base control.
class TcxSizeGrip : public TCustomControl {
  DECLARE_CLASS(TcxSizeGrip, TCustomControl)
 public:
  explicit TcxSizeGrip(TComponent* AOwner = nullptr) : TCustomControl(AOwner) {}
  void Dispatch(TMessage& Message) override;
  TcxLookAndFeel* GetLookAndFeel() const { return FLookAndFeel; }
  using TCustomControl::UpdateControlState;

 protected:
  void Construct() override;
  void Destroy() override;
  void Paint() override;

 private:
  void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) { Invalidate(); }

  TcxLookAndFeel* FLookAndFeel = nullptr;
};

}  // namespace cxControls

using namespace cxControls;
