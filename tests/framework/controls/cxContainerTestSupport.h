// What the container tests share: a style controller and a container that publish their four state
// styles, a container hosting an inner edit box (or list box), and a popup window with a button.
#pragma once

#include "StdCtrls.h"
#include "cxContainer.h"
#include "cxControlsTestSupport.h"

namespace cxContainerTest {

// Saves the window's picture with each pixel drawn AScale times as wide and high, so that one-pixel
// frames can be judged by eye; false when the window has no picture.
bool SaveWindowPngScaled(HWND AWnd, const String& AFileName, int AScale);

class TTestStyleController : public TcxStyleController {
  DECLARE_CLASS(TTestStyleController, TcxStyleController)
 public:
  explicit TTestStyleController(TComponent* AOwner = nullptr) : TcxStyleController(AOwner) {}
  TcxContainerStyle* GetStyleNormal() const { return GetInternalStyle(csNormal); }
  void SetStyleNormal(TcxContainerStyle* Value) { SetInternalStyle(csNormal, Value); }
  TcxContainerStyle* GetStyleHot() const { return GetInternalStyle(csHotTrack); }
  void SetStyleHot(TcxContainerStyle* Value) { SetInternalStyle(csHotTrack, Value); }
};

class TTestContainer;
class TTestcxInnerListBox;

// An edit box that tells its container when it gains or loses the focus, as the editors' inner
// controls do.
class TTestInnerEdit : public TEdit, public IcxContainerInnerControl {
  DECLARE_CLASS(TTestInnerEdit, TEdit)
 public:
  explicit TTestInnerEdit(TComponent* AOwner = nullptr) : TEdit(AOwner) {}
  TcxContainer* Container = nullptr;
  TWinControl* GetControl() override { return this; }
  TcxContainer* GetControlContainer() override { return Container; }
  void Dispatch(TMessage& Message) override;
};

// A container whose inner control is an edit box (or, with AListBox, a list box with system bars);
// the tests reach its protected operations through it.
class TTestContainer : public TcxContainer {
  DECLARE_CLASS(TTestContainer, TcxContainer)
 public:
  explicit TTestContainer(TComponent* AOwner = nullptr) : TcxContainer(AOwner) {}
  // Makes the inner control (an edit, or a list box with system bars) and hosts it.
  TWinControl* AddInnerControl(bool AListBox = false);
  // Makes the framework's inner list box and hosts it.
  TTestcxInnerListBox* AddInnerListBox();
  bool ScrollBarsWanted = false;
  bool ParentColored = false;
  bool InPlace = false;

  using TcxContainer::CalculateViewInfo;
  using TcxContainer::FocusChanged;
  using TcxContainer::GetBorderExtent;
  using TcxContainer::GetShadowBounds;
  using TcxContainer::HasShadow;
  using TcxContainer::IsNativeStyle;
  using TcxContainer::RefreshContainer;
  bool IsInplace() override { return InPlace; }

 protected:
  bool DefaultParentColor() override { return ParentColored; }
  bool NeedsScrollBars() override { return ScrollBarsWanted; }
};

// A list box with system scroll bars that reports its container (for the container's own bars).
class TTestInnerListBox : public TListBox, public IcxContainerInnerControl {
  DECLARE_CLASS(TTestInnerListBox, TListBox)
 public:
  explicit TTestInnerListBox(TComponent* AOwner = nullptr) : TListBox(AOwner) {}
  TcxContainer* Container = nullptr;
  TWinControl* GetControl() override { return this; }
  TcxContainer* GetControlContainer() override { return Container; }
};

// The framework's inner list box with its search reachable.
class TTestcxInnerListBox : public TcxCustomInnerListBox {
  DECLARE_CLASS(TTestcxInnerListBox, TcxCustomInnerListBox)
 public:
  explicit TTestcxInnerListBox(TComponent* AOwner = nullptr) : TcxCustomInnerListBox(AOwner) {}
  using TcxCustomInnerListBox::DoAutoComplete;
};

// A popup with one button; it records its events.
class TTestPopup : public TcxCustomPopupWindow {
  DECLARE_CLASS(TTestPopup, TcxCustomPopupWindow)
 public:
  explicit TTestPopup(TWinControl* AOwnerControl = nullptr) : TcxCustomPopupWindow(AOwnerControl) {}
  TButton* Button = nullptr;
  std::vector<String> Events;
  bool IgnoreClickAfterCloseUp = false;
  bool AnySize = false;
  using TcxCustomPopupWindow::IsSysKeyAccepted;

 protected:
  void Construct() override;
  void DoClosed() override;
  void DoClosing() override;
  void DoShowed() override;
  void DoShowing() override;
  bool AcceptsAnySize() override { return AnySize; }
  bool NeedIgnoreMouseMessageAfterCloseUp(HWND AWnd, UINT AMsg, TShiftState AShift, const TPoint& APos) override {
    return IgnoreClickAfterCloseUp;
  }
};

}  // namespace cxContainerTest
