// The item controls of clickable commands: the button-like base (everything that looks like a button
// and may drop a menu down, with the delayed opening and closing of menus while the mouse moves
// along a menu), the control of a button item and the control of an application-menu button.
#pragma once

#include "dxBarItemControl.h"
#include "dxBarItemControlDrawParams.h"

namespace dxBar {

class TdxBarButton;
enum TdxBarButtonState { bstChecked, bstDropDown };
using TdxBarButtonStates = TSet<TdxBarButtonState, 8>;

class TdxBarButtonLikeControl : public TdxBarItemControl {
  DECLARE_CLASS(TdxBarButtonLikeControl, TdxBarItemControl)
 public:
  virtual Integer ArrowWidth();
  virtual bool CanActivate();
  virtual void DropDown(bool AByMouse);
  virtual TCustomdxBarControl* GetSubMenuControl();
  virtual bool IsFlatText();
  virtual bool IsTextSelected();
  // Message-style operations.
  void KeyDown(Word& AKey, TShiftState AShift) override;
  virtual void DoCloseUp(bool AHadSubMenu);
  virtual void DoDropDown(bool AByMouse) = 0;

  bool CanBePartOfButtonGroup() override { return true; }
  void ControlActivate(bool AImmediately) override;
  void ControlInactivate(bool AImmediately) override;
  void ControlGetFocus(bool AByMouse, bool& AHandled) override;
  bool WantsKey(Word AKey) override;
  TClass GetAccessibilityHelperClass() override;
  TClass GetDrawParamsClass() override;
  void CalcDrawParams(bool AFull = true) override;
  void DoPaint(const TRect& ARect, TdxBarPaintType PaintType) override;

  // The bar window sets it for the length of a mouse-down click: only menus opened by a click animate.
  bool GetMouseOpen() const { return FMouseOpen; }
  void SetMouseOpen(bool Value) { FMouseOpen = Value; }
  TdxBarButtonLikeControlDrawParams* GetButtonLikeDrawParams();

  // The delayed opening and closing of drop-down menus along a menu.
  void StartSubMenuTracking(bool AOpen);
  void FinishSubMenuTracking();

 protected:
  void Destroy() override;

 private:
  bool FMouseOpen = false;
};

class TdxBarButtonControl : public TdxBarButtonLikeControl {
  DECLARE_CLASS(TdxBarButtonControl, TdxBarButtonLikeControl)
 public:
  virtual TdxBarPaintStyle GetPaintStyle();
  virtual TdxBarPaintStyle PreparePaintStyleOnBar(TdxBarPaintStyle AStyle);
  void DoCloseUp(bool AHadSubMenu) override;
  void DoDropDown(bool AByMouse) override;

  void PaintStyleChanged() override;
  void ControlClick(bool AByMouse, Char AKey = '\0') override;
  void ControlUnclick(bool AByMouse) override;
  void ControlGetFocus(bool AByMouse, bool& AHandled) override;
  bool DrawSelected() override;
  TClass GetAccessibilityHelperClass() override;
  TdxBarItemControlViewStructure GetViewStructure() override;
  TdxBarItemControlViewStructure GetDefaultViewStructure() override;
  Integer GetPartCount() override;
  void CalcDrawParams(bool AFull = true) override;
  void CalcParts() override;
  TCustomdxBarControl* GetOwnedBarControl() override;
  Integer GetDefaultHeight() override;
  Integer GetDefaultWidth() override;
  Integer GetSmallHeight() override;
  bool IsDestroyOnClick() override;
  bool IsDropDown() override;
  bool NeedCaptureMouse() override;
  bool IsDroppedDown() override;
  void DropDown(bool AByMouse) override;
  TCustomdxBarControl* GetSubMenuControl() override;
  bool IsFlatText() override;
  bool IsTextSelected() override;

  TdxBarButton* GetButtonItem();
  bool GetDown();
  bool GetDropDownEnabled();
  Integer GetGroupIndex();
  TdxBarButtonStates GetInternalStates();
  bool GetLowered();
  bool GetDroppedDown() const { return FDroppedDown; }
  bool GetDroppedDownFlat();
  bool MouseOverArrow();
  bool ArrowPressed();
  bool IsPressed();

 private:
  bool FDroppedDown = false;
};

class TdxBarApplicationMenuButtonControl : public TdxBarButtonLikeControl {
  DECLARE_CLASS(TdxBarApplicationMenuButtonControl, TdxBarButtonLikeControl)
 public:
  void DoDropDown(bool AByMouse) override {}
  void CaptionChanged() override;
  void GlyphChanged() override;
  void VisibleChanged() override;
  void WidthChanged() override;
  TdxBarItemControlViewStructure GetDefaultViewStructure() override;
  TdxBarPaintType GetPaintType() override { return ptHorz; }
  TClass GetDrawParamsClass() override;
  void CalcDrawParams(bool AFull = true) override;
  void DoPaint(const TRect& ARect, TdxBarPaintType PaintType) override;
  Integer InternalGetDefaultWidth() override;
};


}  // namespace dxBar

using namespace dxBar;
