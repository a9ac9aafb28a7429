// TcxContainer, the base of every editor: a base control hosting one inner window control (an
// edit box, a list box) that it clips to the area inside its border with a window region. It draws
// its border, background and shadow from the four state styles, tracks the hot, focused and
// disabled states, hands keys to the inner control, makes the container and the inner control one
// stop in the tab order, and lays framework scroll bars over the inner control's system bars.
#pragma once

#include <vector>

#include "WinScrollBars.h"
#include "cxControls.h"
#include "cxContainerStyles.h"
#include "cxContainerViewInfo.h"

namespace cxTextEdit {
class TcxCustomInnerTextEdit;
}

namespace cxContainer {

class TcxContainer;
class TcxCustomPopupWindow;
class TcxCustomInnerListBox;

// Private messages of the container unit.
constexpr UINT CM_CLOSEPOPUPWINDOW = 0x807D;        // posted to a popup: close after this message
constexpr UINT CM_SHOWPOPUPWINDOW = 0x807E;         // to a popup: pop up with the remembered control
constexpr UINT CM_SHORTREFRESHCONTAINER = 0x807F;   // to a container: refresh its state
constexpr UINT CM_UPDATESCROLLBARS = 0x8080;        // to a container: renew its scroll bars
constexpr UINT CM_BUFFEREDPAINTONGLASS = 0x8081;    // to a control: repaint on the glass frame

// What a control living inside a container reports: the control and its container.
class IcxContainerInnerControl : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IcxContainerInnerControl, "{1B111318-D9C9-4C35-9EFF-5D95793C0106}")
 public:
  virtual TWinControl* GetControl() = 0;
  virtual TcxContainer* GetControlContainer() = 0;
};

// The part of a child control that lies inside the container's client area; empty when nothing of
// it is cut off (no window region).
struct TcxContainerInnerControlBounds {
  bool IsEmpty = true;
  TRect Rect;
};

struct TcxContainerSizeGripData {
  TRect Bounds;
  bool Visible = false;
};

class TcxContainer : public TcxControl, public IcxMouseTrackingCaller, public IcxCompoundControl {
  DECLARE_CLASS(TcxContainer, TcxControl)
 public:
  explicit TcxContainer(TComponent* AOwner = nullptr) : TcxControl(AOwner) {}
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;

  // ---- Styles
  TcxContainerStyle* GetStyle() const { return FStyles->GetStyleNormal(); }
  TcxContainerStyle* GetStyleDisabled() const { return FStyles->GetStyleDisabled(); }
  TcxContainerStyle* GetStyleFocused() const { return FStyles->GetStyleFocused(); }
  TcxContainerStyle* GetStyleHot() const { return FStyles->GetStyleHot(); }
  void SetStyle(TcxContainerStyle* Value) { FStyles->SetStyleNormal(Value); }
  void SetStyleDisabled(TcxContainerStyle* Value) { FStyles->SetStyleDisabled(Value); }
  void SetStyleFocused(TcxContainerStyle* Value) { FStyles->SetStyleFocused(Value); }
  void SetStyleHot(TcxContainerStyle* Value) { FStyles->SetStyleHot(Value); }
  TcxContainerStyle* GetInternalStyle(TcxContainerStateItem AState) const { return FStyles->GetStyle(AState); }
  void SetInternalStyle(TcxContainerStateItem AState, TcxContainerStyle* AStyle) { FStyles->SetStyle(AState, AStyle); }
  void RestoreStyles() { FStyles->RestoreDefaults(); }
  // The style of the current state (cached per container state).
  TcxContainerStyle* GetActiveStyle();
  // Whether the container publishes the style property, for a state style or the normal one.
  bool IsStylePropertyPublished(const String& APropertyName, bool AExtendedStyle);
  // Published: the controller the normal style is bound to; writing does nothing.
  TcxStyleController* GetFakeStyleController() const { return GetStyle()->BaseGetStyleController(); }
  void SetFakeStyleController(TcxStyleController*) {}
  TcxContainerViewInfo* GetViewInfo() const { return FViewInfo; }

  // ---- The inner control
  TWinControl* GetInnerControl() const { return FInnerControl; }
  void SetInnerControl(TWinControl* Value);
  // IcxCompoundControl: the inner control, or the container without one.
  TWinControl* GetActiveControl() override;
  void SaveInnerControlBounds(TWinControl* AControl, const TcxContainerInnerControlBounds& ABounds);
  bool IsInnerControlBoundsChanged(TWinControl* AControl, const TcxContainerInnerControlBounds& ABounds);
  void LockAlignControls(bool ALock);
  bool IsAlignControlsLocked() const { return FLockAlignControlsCount > 0; }
  void LockPopupMenu(bool ALock);
  bool IsPopupMenuLocked() const { return FLockPopupMenuCount > 0; }

  // ---- Refreshing
  // Refreshes the state at the pointer (when it is over the container); false while the window is
  // missing, the container is being destroyed or is refreshing already.
  bool ShortRefreshContainer(bool AIsMouseEvent);
  void CheckIsViewInfoCalculated();
  // Posts the scroll-bar renewal.
  void UpdateScrollBarsParameters();
  bool GetIsDestroying() const { return IsDestroying() || FIsDestroying; }

  // ---- Focus, painting, dragging
  bool Focused() override;
  void SetFocus() override;
  void GetTabOrderList(std::vector<TWinControl*>& List) override;
  void Invalidate() override;
  void Update() override;
  void SetDragMode(TDragMode Value) override;
  // Sets the container's and the inner control's drag kind.
  virtual void SetDragKind(TDragKind Value);
  ImgList::TDragImageList* GetDragImages() override;

  // ---- Overridable operations other units call
  virtual void ClearSavedChildControlRegions();
  virtual TRect GetVisibleBounds();
  virtual bool HasPopupWindow() { return false; }
  // Messages of the inner control: the menu keys, then what its own handling leaves.
  virtual bool InnerControlDefaultHandler(TMessage& Message);
  virtual bool InnerControlMenuHandler(TMessage& Message);
  virtual bool IsInplace() { return false; }
  virtual void SetScrollBarsParameters(bool AIsScrolling = false);

  // IcxMouseTrackingCaller.
  void MouseTrackingLeave() override { EndMouseTracking(); }

 protected:
  friend class TcxContainerStyle;
  friend class TcxCustomPopupWindow;
  friend class TcxCustomInnerListBox;
  friend class cxTextEdit::TcxCustomInnerTextEdit;
  friend class _TcxContainerAccess;
  friend struct TcxContainerUnitAccess;

  void Construct() override;
  void Destroy() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void AdjustClientRect(TRect& Rect) override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void CreateHandle() override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWindowHandle(const TCreateParams& Params) override;
  void Paint() override;
  void ChangeScale(Integer M, Integer D) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void Resize() override;
  void DoContextPopup(TPoint MousePos, bool& Handled) override;
  void DragCanceled() override;
  bool AllowAutoDragAndDropAtDesignTime(Integer X, Integer Y, TShiftState AShift) override { return false; }
  bool CanFocusOnClick() override;
  bool FocusWhenChildIsClicked(TControl* AChild) override { return false; }
  TcxLookAndFeel* GetLookAndFeelValue() override;
  bool NeedsScrollBars() override { return false; }
  void ColorChanged() override;
  void CursorChanged() override;
  void FocusChanged() override;
  bool MayFocus() override;
  void MouseEnter(TControl* AControl) override;
  void MouseLeave(TControl* AControl) override;
  using TcxControl::MouseEnter;
  using TcxControl::MouseLeave;

 public:
  TRect GetClientBounds() override;

 protected:
  // ---- Overridable operations introduced here, in the design's order
  virtual bool IsContainerFocused() { return TWinControl::Focused(); }
  // The inner control takes the background colour and the active style's font.
  virtual void AdjustInnerControl();
  virtual void CalculateViewInfo(const TPoint& P, bool AHotTrack);
  virtual bool CanContainerHandleTabs() { return true; }
  virtual bool CanHaveTransparentBorder();
  virtual bool CanShowPopupMenu(const TPoint& P) { return true; }
  virtual void ContainerStyleChanged(TObject* Sender);
  virtual void DataChange() {}
  virtual void DataSetChange() { ShortRefreshContainer(false); }
  virtual bool DefaultParentColor() { return false; }
  virtual void EndMouseTracking();
  virtual TRect GetBorderExtent();
  virtual TcxContainerInnerControlBounds GetInnerControlBounds(const TRect& AInnerControlsRegion,
                                                               TControl* AControl);
  virtual TRect GetShadowBounds();
  virtual TClass GetStyleClass() { return TcxContainerStyle::StaticClass(); }
  virtual TClass GetStylesClass() { return TcxContainerStyles::StaticClass(); }
  virtual TClass GetViewInfoClass() { return TcxContainerViewInfo::StaticClass(); }
  virtual bool HasShadow();
  virtual void InnerControlWndProc(TMessage& Message);
  virtual TcxContainerStyle* InternalGetActiveStyle();
  virtual TcxContainerStyleValues InternalGetNotPublishedStyleValues() { return {}; }
  virtual bool IsContainerClass() { return false; }
  virtual bool IsReadOnly() { return false; }
  virtual bool IsTransparentBackground() { return false; }
  // Calculates the view info for the point and the buttons held, lays the inner control out and
  // invalidates the frame; the answer is whether anything changed (always here).
  virtual bool RefreshContainer(const TPoint& P, TcxMouseButton Button, TShiftState Shift, bool AIsMouseEvent);
  virtual void SetShadowRegion();
  virtual void SetSize();
  // While painting a copy: the window region becomes the clip region.
  virtual void SetVisibleBoundsClipRect();
  virtual void UpdateData() {}
  virtual void AdjustScrollBarPosition(TcxScrollBar* AScrollBar);
  virtual TdxThemedObjectType GetBackgroundThemedObjectType() { return totEdit; }
  virtual Integer GetBackgroundNativePart() { return 1; }
  virtual Integer GetBackgroundNativeState();
  // The system bar's screen rectangle as left, top, width and height in client coordinates; empty
  // when it does not lie wholly inside the container.
  virtual TRect GetScrollBarBounds(const TRect& AScrollBarRect);
  virtual bool GetScrollBarEnabled(TcxScrollBar* AScrollBar, const SCROLLBARINFO& AScrollBarInfo);
  virtual bool GetScrollBarInfo(SCROLLBARINFO& AScrollBarInfo, TScrollBarKind AKind);
  virtual bool IsAdjustingScrollBarPositionNeeded(const SCROLLBARINFO& AScrollBarInfo);
  virtual bool IsNativeStyle();
  virtual void SafeSelectionFocusInnerControl();
  virtual void SetScrollBarVisible(TcxScrollBar* AScrollBar, bool AVisible);

  // Message-dispatched operations.
  virtual void EnabledChanged();

  // The inner control's saved window procedure, for descendants that replace it.
  TWndMethod FInnerControlWndProc;
  // Set by descendants: a press on the inner control is being handled; the form draws the control
  // on a glass frame.
  bool FInnerControlMouseDown = false;
  bool FIsOnGlass = false;
  bool FIsCreating = false;

 private:
  void CalculateStatePart(const TPoint& P, bool AHotTrack);
  TColor CalculateBorderColor();
  TColor CalculateBackgroundColor();
  void FocusInnerControlByForm();
  void WMKillFocus(TMessage& Message);
  void WMSetCursor(TMessage& Message);
  void WMSetFocus(TMessage& Message);
  void WMWindowPosChanging(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void CMParentColorChanged(TMessage& Message);
  void CMParentFontChanged(TMessage& Message);
  void SetInternalColor(TColor AColor);
  void SetInternalFont(TFont* AFont);

  TWinControl* FInnerControl = nullptr;
  TcxContainerStyles* FStyles = nullptr;
  TcxContainerViewInfo* FViewInfo = nullptr;
  TcxContainerState FActiveStyleState{csNormal};
  TcxContainerStyle* FActiveStyle = nullptr;
  TcxContainerInnerControlBounds FInnerControlBounds;
  TcxContainerSizeGripData FSizeGripData;
  bool FIsDestroying = false;
  bool FIsViewInfoCalculated = false;
  Integer FRefreshLockCount = 0;
  bool FIsRefreshing = false;
  bool FScrollBarsCalculating = false;
  bool FInternalSetting = false;
  bool FRepaintOnGlass = false;
  bool FInnerControlBufferedPaint = false;
  Integer FLockAlignControlsCount = 0;
  Integer FLockPopupMenuCount = 0;
};

// Shims through which other units call protected operations of a container and of a window
// control, with the arguments unchanged.
class _TcxContainerAccess {
 public:
  static void BeginAutoDrag(TcxContainer* AInstance);
  static void Click(TcxContainer* AInstance);
  static void DblClick(TcxContainer* AInstance);
  static bool DoMouseWheel(TcxContainer* AInstance, TShiftState Shift, Integer WheelDelta, TPoint MousePos);
  static void DragOver(TcxContainer* AInstance, TObject* Source, Integer X, Integer Y, TDragState State,
                       bool& Accept);
  static void KeyDown(TcxContainer* AInstance, Word& Key, TShiftState Shift);
  static void KeyPress(TcxContainer* AInstance, char& Key);
  static void KeyUp(TcxContainer* AInstance, Word& Key, TShiftState Shift);
  static void MouseDown(TcxContainer* AInstance, TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
  static void MouseMove(TcxContainer* AInstance, TShiftState Shift, Integer X, Integer Y);
  static void MouseUp(TcxContainer* AInstance, TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
};

class _TWinControlAccess {
 public:
  static void RecreateWnd(TWinControl* AInstance) { AInstance->RecreateWnd(); }
};

}  // namespace cxContainer

using namespace cxContainer;
