// The drop-down window of the editors: a borderless form bound to an owner control and shown next
// to it, taking the keyboard focus and running its own message loop until it closes (or, without
// capture focus, a tool window that never takes the activation). The unit keeps the popups that are
// open in one list, and three thread hooks close them on clicks elsewhere, on switching to another
// program and when the owner is closed, hidden or moved out of sight; meanwhile the owner form's
// caption keeps looking active.
#pragma once

#include "cxContainerStyles.h"
#include "cxContainerViewInfo.h"
#include "cxControls.h"

namespace cxContainer {

class TcxCustomPopupWindow : public TcxPopupWindow {
  DECLARE_CLASS(TcxCustomPopupWindow, TcxPopupWindow)
 public:
  // A popup of AClass (TcxCustomPopupWindow or a descendant) for the owner control.
  static TcxCustomPopupWindow* Create(TClass AClass, TWinControl* AOwnerControl);
  explicit TcxCustomPopupWindow(TWinControl* AOwnerControl = nullptr) : FOwnerControl(AOwnerControl) {}
  void Dispatch(TMessage& Message) override;

  // Opens the popup against its owner and focuses AFocusedControl (with capture focus the first
  // control that can take the focus); with capture focus and the modal loop it returns only after
  // the popup has closed. Nothing when it is open already or the owner is not showing.
  virtual void Popup(TWinControl* AFocusedControl);
  void CloseUp() override;
  // Closes the popup after the message being handled now.
  void ClosePopup();
  bool IsVisible();
  bool IsOwnerControlVisible();
  bool HasCapture();
  // AControl when it can take the focus as a tab stop, else the popup's first control in tab order
  // that can, else the popup itself.
  TWinControl* GetFirstFocusControl(TWinControl* AControl);
  TRect GetOwnerScreenBounds() override;
  // Fits a popup that accepts any size into the work area at the point.
  virtual void CorrectBoundsWithDesktopWorkArea(TPoint& P);
  // The just-closed mark a click on the owner may leave; reading it clears it.
  bool GetJustClosed();
  void LockDeactivate(bool ALock);
  bool IsDeactivateLocked() const { return FDeactivateLockCount > 0; }
  void RecreateWindow();

  TWinControl* GetOwnerControl() const { return FOwnerControl; }
  void SetOwnerControl(TWinControl* Value) { FOwnerControl = Value; }
  bool GetCaptureFocus() const { return FCaptureFocus; }
  void SetCaptureFocus(bool Value);
  bool GetIsTopMost() const { return FIsTopMost; }
  void SetIsTopMost(bool Value);
  bool GetModalMode() const { return FModalMode; }
  void SetModalMode(bool Value) { FModalMode = Value; }
  TWinControl* GetFocusedControl() const { return FFocusedControl; }
  // The control that takes the focus when a posted show message opens the popup.
  void SetPopupFocusedControl(TWinControl* Value) { FFocusedControl = Value; }
  TcxContainerStyle* GetStyle() const { return FStyle; }
  TcxContainerViewInfo* GetViewInfo() const { return FViewInfo; }

  bool Focused() override;
  bool CanFocus() override;
  bool IsShortCut(TMessage& Message) override;
  bool SetFocusedControl(TWinControl* Control) override;

  TNotifyEvent OnClosed, OnClosing, OnShowed, OnShowing;

 protected:
  friend struct TcxPopupHooks;
  void Construct() override;
  void Destroy() override;
  void AdjustClientRect(TRect& Rect) override;
  void Deactivate() override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void Paint() override;
  void VisibleChanged() override;
  void CreateHandle() override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void InitPopup() override {}
  virtual void MouseEnter(TControl* AControl) {}
  virtual void MouseLeave(TControl* AControl) {}
  using TcxPopupWindow::MouseEnter;
  using TcxPopupWindow::MouseLeave;

  // ---- Overridable operations introduced here, in the design's order
  virtual bool AcceptsAnySize() { return false; }
  virtual void DoClosed();
  virtual void DoClosing();
  virtual void DoShowed();
  virtual void DoShowing();
  virtual bool HasBackground() { return false; }
  // The system keys that reach a popup without its own message loop: the arrows, the page keys and
  // F4 (Alt+F4 closes).
  virtual bool IsSysKeyAccepted(Word AKey);
  virtual void ModalCloseUp() { CloseUp(); }
  // Whether the click on AWnd that closes the popup is to be ignored by its target.
  virtual bool NeedIgnoreMouseMessageAfterCloseUp(HWND AWnd, UINT AMsg, TShiftState AShift, const TPoint& APos) {
    return false;
  }
  virtual void PopupWindowStyleChanged(TObject* Sender) {}
  virtual TClass GetStyleClass() { return TcxContainerStyle::StaticClass(); }
  virtual TClass GetViewInfoClass() { return TcxContainerViewInfo::StaticClass(); }

 private:
  bool IsTopMostNeeded();
  // Stores a setting of the window's kind: the window is made again, an open popup opened again.
  void ChangeWindowSetting(bool& ASetting, bool AValue);
  void ShowPopup(const TPoint& P, TWinControl* AFocusedControl);
  void RunModalLoop();
  void CMClosePopupWindow();

  TWinControl* FOwnerControl;
  TcxContainerStyle* FStyle = nullptr;
  TcxContainerViewInfo* FViewInfo = nullptr;
  bool FCaptureFocus = true;
  bool FIsTopMost = false;
  bool FModalMode = true;
  bool FJustClosed = false;
  TWinControl* FFocusedControl = nullptr;
  Integer FDeactivateLockCount = 0;
};

// Whether the hooks are installed only while a popup is open, or for the whole run (the default).
void SetHooksSettingMode(bool AOnDemand);

}  // namespace cxContainer

using namespace cxContainer;
