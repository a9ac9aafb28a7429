// Further controls and components of the class library: the timer component with the hidden
// utility windows it receives its ticks on, the notification-area icon, and the panel.
#pragma once

#include "Controls.h"

namespace Menus {
class TPopupMenu;
}

namespace ExtCtrls {

// ---- Utility windows --------------------------------------------------------------------------------
// A hidden top-level window whose messages go to Method; a component that needs messages (timer
// ticks, posted notifications) but is no control uses one. DeallocateHWnd destroys it and frees the
// method's instance; it may be called from inside the window's own method.
HWND AllocateHWnd(const TWndMethod& Method);
void DeallocateHWnd(HWND Wnd);

// ---- TTimer -----------------------------------------------------------------------------------------
// Fires OnTimer every Interval milliseconds while Enabled, through a window timer of its own
// window, so it ticks in every message loop, modal ones included. The window layer's resolution
// is 10 ms: a shorter interval ticks every 10 ms. Runs only with an OnTimer handler and a non-zero
// Interval; a handler may free the timer.
class TTimer : public TComponent {
  DECLARE_CLASS(TTimer, TComponent)
 public:
  explicit TTimer(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  Cardinal GetInterval() const { return FInterval; }
  void SetInterval(Cardinal Value);
  TNotifyEvent GetOnTimer() const { return FOnTimer; }
  void SetOnTimer(TNotifyEvent Value);
  HWND WindowHandle() const { return FWindowHandle; }

 protected:
  void Construct() override;
  void Destroy() override;
  virtual void Timer();

 private:
  void UpdateTimer();
  void WndProc(TMessage& Msg);

  Cardinal FInterval = 1000;
  HWND FWindowHandle = nullptr;
  TNotifyEvent FOnTimer;
  bool FEnabled = true;
};

// ---- Panels -----------------------------------------------------------------------------------------
PUBLISHED_ENUM(TBevelCut, bvNone, bvLowered, bvRaised, bvSpace)
using TPanelBevel = TBevelCut;

// Draws Width nested one-pixel frames inside Rect, top and left in TopColor, bottom and right in
// BottomColor, and leaves Rect as the area inside them.
void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, Integer Width);

// A container with bevels and a centred one-line caption. The client area that children align in
// lies inside the border width and the bevels.
class TCustomPanel : public TCustomControl {
  DECLARE_CLASS(TCustomPanel, TCustomControl)
 public:
  explicit TCustomPanel(TComponent* AOwner = nullptr) : TCustomControl(AOwner) {}
  void Dispatch(TMessage& Message) override;

  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TPanelBevel GetBevelInner() const { return FBevelInner; }
  void SetBevelInner(TPanelBevel Value);
  TPanelBevel GetBevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TPanelBevel Value);
  Integer GetBevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(Integer Value);
  void SetPanelBorderWidth(Integer Value);  // BorderWidth, the band between the bevels
  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  bool GetFullRepaint() const { return FFullRepaint; }
  void SetFullRepaint(bool Value) { FFullRepaint = Value; }
  void SetPanelParentBackground(bool Value);

 protected:
  void Construct() override;
  void CreateParams(TCreateParams& Params) override;
  void AdjustClientRect(TRect& Rect) override;
  void Resize() override;
  void Paint() override;

 private:
  Integer BevelPixels() const;
  void BevelsChanged();

  TAlignment FAlignment = taCenter;
  TPanelBevel FBevelInner = bvNone;
  TPanelBevel FBevelOuter = bvRaised;
  Integer FBevelWidth = 1;
  TBorderStyle FBorderStyle = bsNone;
  bool FFullRepaint = true;
};

class TPanel : public TCustomPanel {
  DECLARE_CLASS(TPanel, TCustomPanel)
 public:
  explicit TPanel(TComponent* AOwner = nullptr) : TCustomPanel(AOwner) {}
};

// ---- TTrayIcon --------------------------------------------------------------------------------------
// Which mouse messages on the icon restore the application or open the popup menu.
PUBLISHED_ENUM(TIconMessage, imNone, imClick, imDoubleClick, imMouseDown, imMouseUp, imLeftClickUp,
               imLeftDoubleClick, imRightClickUp, imRightDoubleClick)

// The program's icon in the desktop's notification area while Visible. With Hide, minimising the
// main form also hides its task-bar window, but only where the desktop shows the icon (else the
// program could not be reached again); RestoreOn brings it back.
class TTrayIcon : public TComponent {
  DECLARE_CLASS(TTrayIcon, TComponent)
 public:
  explicit TTrayIcon(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  String GetHint() const { return FHint; }
  void SetHint(const String& Value);
  // The icon's picture; an empty one shows the desktop's blank icon.
  TIcon* GetIcon() const { return FIcon; }
  void SetIcon(TIcon* Value);
  bool GetHide() const { return FHide; }
  void SetHide(bool Value) { FHide = Value; }
  TIconMessage GetRestoreOn() const { return FRestoreOn; }
  void SetRestoreOn(TIconMessage Value) { FRestoreOn = Value; }
  TIconMessage GetPopupMenuOn() const { return FPopupMenuOn; }
  void SetPopupMenuOn(TIconMessage Value) { FPopupMenuOn = Value; }
  // Pops up at the pointer on PopupMenuOn, with the icon as its PopupComponent.
  Menus::TPopupMenu* GetPopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(Menus::TPopupMenu* Value);
  // Whether the desktop shows the icon now.
  bool Shown() const { return FShown; }
  // Shows the main form again (after Hide took its task-bar window away) and activates it.
  void Restore();
  HWND WindowHandle() const { return FWindowHandle; }

  TNotifyEvent OnClick, OnDblClick, OnMinimize, OnRestore;
  TMouseEvent OnMouseDown, OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent GetOnClick() const { return OnClick; }
  void SetOnClick(TNotifyEvent V) { OnClick = V; }
  TNotifyEvent GetOnDblClick() const { return OnDblClick; }
  void SetOnDblClick(TNotifyEvent V) { OnDblClick = V; }
  TMouseEvent GetOnMouseDown() const { return OnMouseDown; }
  void SetOnMouseDown(TMouseEvent V) { OnMouseDown = V; }
  TMouseEvent GetOnMouseUp() const { return OnMouseUp; }
  void SetOnMouseUp(TMouseEvent V) { OnMouseUp = V; }

  static constexpr UINT WM_TRAYNOTIFY = 0x0400 + 1024;  // the icon's callback message

 protected:
  void Construct() override;
  void Destroy() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void UpdateIcon();
  void IconChanged(TObject* Sender) { UpdateIcon(); }
  void WndProc(TMessage& Msg);
  void Notify(UINT MouseMessage);
  void HookMainForm();
  void UnhookMainForm();
  void MainFormWndProc(TMessage& Msg);

  HWND FWindowHandle = nullptr;
  TIcon* FIcon = nullptr;
  Menus::TPopupMenu* FPopupMenu = nullptr;
  String FHint;
  bool FVisible = false;
  bool FShown = false;  // the icon is added (and the desktop shows it)
  bool FAdded = false;
  bool FHide = false;
  bool FHidden = false;  // the main form's window was hidden on minimise
  TIconMessage FRestoreOn = imDoubleClick;
  TIconMessage FPopupMenuOn = imClick;
  TControl* FHookedForm = nullptr;
  TWndMethod FOldWndProc;
};

}  // namespace ExtCtrls

using namespace ExtCtrls;
