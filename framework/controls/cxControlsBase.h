// TcxControl, the base window control of the framework: its own canvas wrapper and look-and-feel,
// two painter-drawn scroll bars and a size grip fed by a declarative protocol (descendants describe
// their bars in InitScrollBarsParameters, the control decides visibility and layout), an internal
// drag-and-drop protocol beside the class library's drag and drop with drag images, focus on click,
// popup menus of either kind, keyboard-interface flags, mouse enter and leave, font listeners,
// wheel scrolling and middle-button panning. Almost every decision is an overridable operation with a
// neutral default. TcxControlChildComponent is the base of components that belong to such a control.
#pragma once

#include <vector>

#include "Controls.h"
#include "ImgList.h"
#include "ScrollingWinControl.h"
#include "StdCtrls.h"
#include "cxClassesBase.h"
#include "cxControlsUtils.h"
#include "cxGraphicsCanvas.h"
#include "cxLookAndFeels.h"

namespace cxControls {

class TcxControlScrollBar;
class TcxSizeGrip;
class TcxDragAndDropObject;
class TcxDragImageList;

PUBLISHED_ENUM(TcxControlBorderStyle, cxcbsNone, cxcbsDefault)
enum TcxDragAndDropState { ddsNone, ddsStarting, ddsInProcess };
PUBLISHED_ENUM(TcxKey, kAll, kArrows, kChars, kTab)
using TcxKeys = TSet<TcxKey, 8>;
enum TcxMouseWheelScrollingKind { mwskNone, mwskHorizontal, mwskVertical };

// Sent (posted after a non-client size calculation) to a base control: read the system scroll-bar
// sizes again.
constexpr UINT CM_NCSIZECHANGED = 0x8065;

class TcxControl : public TCustomControl, public IcxLookAndFeelContainer {
  DECLARE_CLASS(TcxControl, TCustomControl)
 public:
  explicit TcxControl(TComponent* AOwner = nullptr) : TCustomControl(AOwner) {}
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;

  // ---- Canvas, look, border
  TcxCanvas* GetCanvas() const { return FCanvas; }
  // The canvas wrapper while the window exists, a screen canvas before.
  TcxCanvas* GetActiveCanvas();
  // IcxLookAndFeelContainer: the look-and-feel the control draws with (GetLookAndFeelValue).
  TcxLookAndFeel* GetLookAndFeel() override { return GetLookAndFeelValue(); }
  // Assigns Value's settings to the control's own look-and-feel.
  void SetLookAndFeel(TcxLookAndFeel* Value);
  TcxControlBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TcxControlBorderStyle Value);
  bool GetParentBackground() const { return FParentBackground; }
  void SetParentBackground(bool Value);
  virtual TRect GetBounds();
  virtual TRect GetClientBounds();
  virtual Integer GetBorderSize();

  // ---- Scroll bars
  TScrollStyle GetScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  TcxControlScrollBar* GetHScrollBar() const { return FHScrollBar; }
  TcxControlScrollBar* GetVScrollBar() const { return FVScrollBar; }
  TcxSizeGrip* GetSizeGrip() const { return FSizeGrip; }
  // While the bars are being calculated, the visibility they are to get; otherwise their windows'.
  bool GetHScrollBarVisible() const;
  bool GetVScrollBarVisible() const;
  // UpdateScrollBars asked for in between runs once, at the last unlock.
  void LockScrollBars();
  void UnlockScrollBars();
  // Scrolls one line in the direction as the scroll bars would.
  void ScrollContent(TcxDirection ADirection);
  // Whether middle-button panning runs now.
  bool IsScrollingContent() const { return FScrollingContent; }

  // ---- Focus, keys, popup menu
  bool GetFocusOnClick() const { return FFocusOnClick; }
  void SetFocusOnClick(bool Value) { FFocusOnClick = Value; }
  TcxKeys GetKeys() const { return FKeys; }
  void SetKeys(TcxKeys Value) { FKeys = Value; }
  // A TPopupMenu or a component offering IcxPopupMenu; anything else is taken as null. (The class
  // library's own query, TControl::GetPopupMenu, answers it only when it is a TPopupMenu.)
  TComponent* GetPopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TComponent* Value);
  virtual bool CanFocusEx();

  // ---- Mouse
  TObject* GetMouseCaptureObject() const { return FMouseCaptureObject; }
  // The object that owns the mouse capture inside the control: the old one is told it lost it, the
  // platform capture follows (held while an object is set).
  void SetMouseCaptureObject(TObject* Value);
  TPoint GetMouseDownPos() const { return FMouseDownPos; }
  bool IsMouseInPressedArea(Integer X, Integer Y) const;
  // Posts WM_MOUSEMOVE (no keys) at the pointer's, or P's, client position.
  void PostMouseMove();
  void PostMouseMove(const TPoint& P);
  using TCustomControl::GetCursor;

  // ---- Internal drag and drop
  TcxDragAndDropState GetDragAndDropState() const { return FDragAndDropState; }
  void SetDragAndDropState(TcxDragAndDropState Value);
  TcxDragAndDropObject* GetDragAndDropObject();
  TClass GetDragAndDropObjectClass() const;
  void SetDragAndDropObjectClass(TClass Value) { FDragAndDropObjectClass = Value; }
  // Ends the drag (accepted or not) and frees its object; nothing while already finishing.
  void FinishDragAndDrop(bool Accepted);
  virtual void BeginDragAndDrop();

  // ---- Painting and services
  void InvalidateRect(const TRect& R, bool AEraseBackground);
  void InvalidateRgn(TcxRegion* ARegion, bool AEraseBackground);
  void InvalidateWithChildren();
  void UpdateWithChildren();
  // Scrolls R of the window, the uncovered part invalidated and erased; a drag image is hidden meanwhile.
  void ScrollWindow(Integer DX, Integer DY, const TRect& R);
  void AddFontListener(IcxFontListener* AListener);
  void RemoveFontListener(IcxFontListener* AListener);

  bool IsDestroying() const { return ComponentState().Contains(csDestroying); }
  bool IsLoading() const { return ComponentState().Contains(csLoading); }
  bool IsDesigning() { return GetIsDesigning(); }
  bool IsFocused() { return GetIsFocused(); }
  bool GetIsLoading() const { return IsLoading(); }
  bool GetIsDestroying() const { return IsDestroying(); }
  virtual bool GetIsDesigning();
  virtual bool IsInternalControl(TControl* AControl);

  // The explicit bounds GetBounds answers when not empty.
  void SetExplicitBounds(const TRect& R) { FExplicitBounds = R; }

  TNotifyEvent OnFocusChanged;
  TNotifyEvent GetOnFocusChanged() const { return OnFocusChanged; }
  void SetOnFocusChanged(TNotifyEvent V) { OnFocusChanged = V; }

  // Internal controls and child components reach these.
  virtual bool FocusWhenChildIsClicked(TControl* AChild);
  virtual void AddChildComponent(TComponent* AComponent);
  virtual void RemoveChildComponent(TComponent* AComponent);
  virtual TcxCustomLookAndFeelPainterClass GetLookAndFeelPainter();
  virtual bool GetIsCopyDragDrop();

 protected:
  void Construct() override;
  void BeforeDestruction() override;
  void Destroy() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWindowHandle() override;
  void Resize() override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  bool DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) override;
  void DoContextPopup(TPoint MousePos, bool& Handled) override;
  void DoStartDrag(TDragObject*& ADragObject) override;
  void DoEndDrag(TObject* Target, Integer X, Integer Y) override;
  void DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept) override;
  // The class library's mouse events come with MouseEnter(AControl) and MouseLeave(AControl).
  void MouseEnter() override {}
  void MouseLeave() override {}

 public:
  ImgList::TDragImageList* GetDragImages() override;

 protected:
  // ---- Overridable operations, in the order the class introduces them
  virtual bool DoShowPopupMenu(TComponent* AMenu, Integer X, Integer Y);
  // Tells the form designer that the control changed (design time only).
  virtual void Modified();
  virtual void ParentBackgroundChanged() {}
  // Starts an automatic drag (left button) or panning (middle button).
  virtual void AfterMouseDown(TMouseButton AButton, Integer X, Integer Y);
  virtual bool AllowAutoDragAndDropAtDesignTime(Integer X, Integer Y, TShiftState AShift) { return true; }
  virtual void BeforeMouseDown(TMouseButton AButton, TShiftState AShift, Integer X, Integer Y) {}
  virtual void BringInternalControlsToFront();
  virtual void CancelMouseOperations();
  virtual bool CanFocusOnClick();
  virtual bool CanFocusOnClick(Integer X, Integer Y) { return CanFocusOnClick(); }
  virtual TCursor GetCursor(Integer X, Integer Y) { return FDefaultCursor; }
  virtual bool GetIsFocused() { return Focused(); }
  virtual TcxMouseWheelScrollingKind GetMouseWheelScrollingKind();
  virtual bool HasBackground() { return false; }
  virtual void InitControl() { InitScrollBars(); }
  virtual TcxLookAndFeel* GetLookAndFeelValue() { return FLookAndFeel; }
  virtual void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) {}
  virtual bool CanScrollLineWithoutScrollBars(TcxDirection ADirection) { return false; }
  virtual TRect GetHScrollBarBounds();
  virtual TRect GetSizeGripBounds();
  virtual TRect GetVScrollBarBounds();
  // Descendants describe their bars here with SetScrollBarInfo.
  virtual void InitScrollBarsParameters() {}
  virtual bool IsPixelScrollBar(TScrollBarKind AKind) { return false; }
  virtual bool NeedsScrollBars() { return true; }
  virtual bool NeedsToBringInternalControlsToFront() { return true; }
  virtual void Scroll(TScrollBarKind AScrollBarKind, TScrollCode AScrollCode, Integer& AScrollPos) {}
  virtual void SetInternalControlsBounds();
  virtual void UpdateInternalControlsState();
  virtual void UpdateScrollBars();
  virtual void DrawDragImage(TcxCanvas* ACanvas, const TRect& R) {}
  virtual TClass GetDragImagesClass();
  virtual TSize GetDragImagesSize() { return TSize{0, 0}; }
  virtual bool HasDragImages() { return false; }
  virtual void InitDragImages(TcxDragImageList* AImages);
  virtual bool AcceptMousePosForClick(Integer X, Integer Y);

  // ---- Message-style operations
  virtual void ColorChanged() {}
  virtual void VisibleChanged() {}
  virtual bool AllowDragAndDropWithoutFocus() { return false; }
  virtual void BoundsChanged() { UpdateScrollBars(); }
  virtual bool CanDrag(Integer X, Integer Y) { return FDragAndDropState == ddsNone; }
  virtual void CursorChanged() { FDefaultCursor = TControl::GetCursor(); }
  virtual void DoCancelMode();
  virtual void FocusChanged();
  virtual void FontChanged();
  virtual bool GetDesignHitTest(Integer X, Integer Y, TShiftState AShift);
  virtual TClass GetDragObjectClass();
  virtual bool MayFocus() { return true; }
  virtual void MouseEnter(TControl* AControl);
  virtual void MouseLeave(TControl* AControl);
  virtual void TextChanged() {}
  virtual void DragAndDrop(const TPoint& P, bool& Accepted);
  virtual void EndDragAndDrop(bool Accepted);
  virtual bool StartDragAndDrop(const TPoint& P) { return false; }
  virtual bool StartDrag(TDragObject* ADragObject) { return true; }

  // ---- The scroll-bar protocol
  // Writes a bar's pending data: shown enabled when the range needs scrolling, else hidden or (not
  // allowed to hide) shown disabled; never shown without AAllowShow or outside ScrollBars.
  void SetScrollBarInfo(TScrollBarKind AScrollBarKind, Integer AMin, Integer AMax, Integer AStep, Integer APage,
                        Integer APos, bool AAllowShow, bool AAllowHide);
  void CheckNeedsScrollBars();
  void CreateScrollBars();
  void DestroyScrollBars();
  void InitScrollBars();
  TcxControlScrollBar* GetScrollBar(TScrollBarKind AKind) const;

  void HideDragImage();
  void ShowDragImage();
  bool IsMenuKey(TMessage& Message);
  TPoint GetMessagePos(const TMessage& Message);

 private:
  void LookAndFeelChangeHandler(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues);
  void ScrollBarScroll(TObject* Sender, TScrollCode AScrollCode, Integer& AScrollPos);
  TcxControlScrollBar* CreateScrollBar(TScrollBarKind AKind);
  void CalculateScrollBarsParameters();
  void ScrollContentBy(TcxDirection ADirection, bool APage);
  void SetCursorKeepingDefault(TCursor ACursor);
  void NCSizeChanged();
  void WMContextMenu(TMessage& Message);
  void CNKeyDown(TMessage& Message);
  void DoScrolling();

  TcxCanvas* FScreenCanvas = nullptr;
  TcxControlBorderStyle FBorderStyle = cxcbsNone;
  bool FCalculatingScrollBarsParams = false;
  TcxCanvas* FCanvas = nullptr;
  bool FCreatingWindow = false;
  TCursor FDefaultCursor = crDefault;
  bool FKeepingDefaultCursor = false;
  TcxDragAndDropObject* FDragAndDropObject = nullptr;
  TClass FDragAndDropObjectClass = nullptr;
  TCursor FDragAndDropPrevCursor = crDefault;
  TcxDragAndDropState FDragAndDropState = ddsNone;
  TcxDragImageList* FDragImages = nullptr;
  bool FFinishingDragAndDrop = false;
  bool FFocusOnClick = true;
  std::vector<IcxFontListener*> FFontListeners;
  TcxControlScrollBar* FHScrollBar = nullptr;
  bool FInitialHScrollBarVisible = false;
  bool FInitialVScrollBarVisible = false;
  bool FInitialScrollBarsParams = false;
  TcxKeys FKeys;
  TcxLookAndFeel* FLookAndFeel = nullptr;
  bool FMouseButtonPressed = false;
  TObject* FMouseCaptureObject = nullptr;
  TPoint FMouseDownPos;
  bool FMouseRightButtonReleasing = false;
  TComponent* FPopupMenu = nullptr;
  TScrollStyle FScrollBars = ssBoth;
  Integer FScrollBarsLockCount = 0;
  bool FScrollBarsUpdateNeeded = false;
  TcxSizeGrip* FSizeGrip = nullptr;
  bool FUpdatingScrollBars = false;
  TcxControlScrollBar* FVScrollBar = nullptr;
  bool FScrollingContent = false;
  bool FLastParentBackground = true;
  bool FParentBackground = true;
  TRect FExplicitBounds;
};

// A component that belongs to a base control.
class TcxControlChildComponent : public TcxComponent {
  DECLARE_CLASS(TcxControlChildComponent, TcxComponent)
 public:
  explicit TcxControlChildComponent(TComponent* AOwner = nullptr) : TcxComponent(AOwner) {}
  // A child component of AClass for AControl, owned by the control's owner when AAssignOwner.
  static TcxControlChildComponent* Create(TClass AClass, TcxControl* AControl, bool AAssignOwner = true);
  template <class T>
  static T* Create(TcxControl* AControl, bool AAssignOwner = true) {
    return static_cast<T*>(Create(T::StaticClass(), AControl, AAssignOwner));
  }

  TcxControl* GetControl() const { return FControl; }
  // The control is watched: one freed before its child components leaves them without it.
  virtual void SetControl(TcxControl* Value);
  virtual bool GetIsDestroying() { return TcxComponent::GetIsDestroying(); }
  bool IsDestroying() { return GetIsDestroying(); }
  bool IsLoading() const { return ComponentState().Contains(csLoading); }
  TComponent* GetParentComponent() override { return FControl; }
  bool HasParent() override { return FControl != nullptr; }

 protected:
  void Construct() override;
  void Destroy() override;
  void SetParentComponent(TComponent* AParent) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual void Initialize() {}

 private:
  TcxControl* FControl = nullptr;
};

}  // namespace cxControls

using namespace cxControls;
