// Controls of the class library: the control messages (CM_, CN_), TControl with its bounds,
// alignment, colour, font, text, mouse events, dragging and docking; TWinControl with its window
// handle, child controls, tab order, focus, keys, painting and dock clients; TCustomControl and
// TGraphicControl, which paint on a canvas; the control canvas; the drag objects and the mouse.
#pragma once

#include <vector>

#include "ClassTypes.h"
#include "Components.h"
#include "Graphics.h"
#include "Messages.h"
#include "WinUserTypes.h"

namespace Forms {
class TCustomForm;
}
namespace ActnList {
class TBasicAction;
class TControlActionLink;
}
namespace ImgList {
class TDragImageList;
}

namespace Controls {

// ---- Control messages -------------------------------------------------------------------------------
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0, CM_DEACTIVATE = CM_BASE + 1, CM_GOTFOCUS = CM_BASE + 2,
               CM_LOSTFOCUS = CM_BASE + 3, CM_CANCELMODE = CM_BASE + 4, CM_DIALOGKEY = CM_BASE + 5,
               CM_DIALOGCHAR = CM_BASE + 6, CM_FOCUSCHANGED = CM_BASE + 7,
               CM_PARENTFONTCHANGED = CM_BASE + 8, CM_PARENTCOLORCHANGED = CM_BASE + 9,
               CM_HITTEST = CM_BASE + 10, CM_VISIBLECHANGED = CM_BASE + 11,
               CM_ENABLEDCHANGED = CM_BASE + 12, CM_COLORCHANGED = CM_BASE + 13,
               CM_FONTCHANGED = CM_BASE + 14, CM_CURSORCHANGED = CM_BASE + 15,
               CM_CTL3DCHANGED = CM_BASE + 16, CM_PARENTCTL3DCHANGED = CM_BASE + 17,
               CM_TEXTCHANGED = CM_BASE + 18, CM_MOUSEENTER = CM_BASE + 19, CM_MOUSELEAVE = CM_BASE + 20,
               CM_MENUCHANGED = CM_BASE + 21, CM_APPKEYDOWN = CM_BASE + 22,
               CM_APPSYSCOMMAND = CM_BASE + 23, CM_BUTTONPRESSED = CM_BASE + 24,
               CM_SHOWINGCHANGED = CM_BASE + 25, CM_ENTER = CM_BASE + 26, CM_EXIT = CM_BASE + 27,
               CM_DESIGNHITTEST = CM_BASE + 28, CM_ICONCHANGED = CM_BASE + 29,
               CM_WANTSPECIALKEY = CM_BASE + 30, CM_INVOKEHELP = CM_BASE + 31,
               CM_WINDOWHOOK = CM_BASE + 32, CM_RELEASE = CM_BASE + 33,
               CM_SHOWHINTCHANGED = CM_BASE + 34, CM_PARENTSHOWHINTCHANGED = CM_BASE + 35,
               CM_SYSCOLORCHANGE = CM_BASE + 36, CM_WININICHANGE = CM_BASE + 37,
               CM_FONTCHANGE = CM_BASE + 38, CM_TIMECHANGE = CM_BASE + 39,
               CM_TABSTOPCHANGED = CM_BASE + 40, CM_UIACTIVATE = CM_BASE + 41,
               CM_UIDEACTIVATE = CM_BASE + 42, CM_DOCWINDOWACTIVATE = CM_BASE + 43,
               CM_CONTROLLISTCHANGE = CM_BASE + 44, CM_GETDATALINK = CM_BASE + 45,
               CM_CHILDKEY = CM_BASE + 46, CM_DRAG = CM_BASE + 47, CM_HINTSHOW = CM_BASE + 48,
               CM_DIALOGHANDLE = CM_BASE + 49, CM_ISTOOLCONTROL = CM_BASE + 50,
               CM_RECREATEWND = CM_BASE + 51, CM_INVALIDATE = CM_BASE + 52,
               CM_SYSFONTCHANGED = CM_BASE + 53, CM_CONTROLCHANGE = CM_BASE + 54,
               CM_CHANGED = CM_BASE + 55, CM_DOCKCLIENT = CM_BASE + 56, CM_UNDOCKCLIENT = CM_BASE + 57,
               CM_FLOAT = CM_BASE + 58, CM_BORDERCHANGED = CM_BASE + 59,
               CM_BIDIMODECHANGED = CM_BASE + 60, CM_PARENTBIDIMODECHANGED = CM_BASE + 61,
               CM_ALLCHILDRENFLIPPED = CM_BASE + 62, CM_ACTIONUPDATE = CM_BASE + 63,
               CM_ACTIONEXECUTE = CM_BASE + 64, CM_HINTSHOWPAUSE = CM_BASE + 65,
               CM_DOCKNOTIFICATION = CM_BASE + 66, CM_MOUSEWHEEL = CM_BASE + 67,
               CM_ISSHORTCUT = CM_BASE + 68;
// Notifications a parent reflects back to the child window they concern.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_CHARTOITEM = CN_BASE + WM_CHARTOITEM, CN_COMMAND = CN_BASE + WM_COMMAND,
               CN_COMPAREITEM = CN_BASE + WM_COMPAREITEM, CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN,
               CN_CTLCOLORDLG = CN_BASE + WM_CTLCOLORDLG, CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT,
               CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX,
               CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX,
               CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR,
               CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC, CN_DELETEITEM = CN_BASE + WM_DELETEITEM,
               CN_DRAWITEM = CN_BASE + WM_DRAWITEM, CN_HSCROLL = CN_BASE + WM_HSCROLL,
               CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM, CN_PARENTNOTIFY = CN_BASE + WM_PARENTNOTIFY,
               CN_VKEYTOITEM = CN_BASE + WM_VKEYTOITEM, CN_VSCROLL = CN_BASE + WM_VSCROLL,
               CN_KEYDOWN = CN_BASE + WM_KEYDOWN, CN_KEYUP = CN_BASE + WM_KEYUP, CN_CHAR = CN_BASE + WM_CHAR,
               CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN, CN_SYSCHAR = CN_BASE + WM_SYSCHAR,
               CN_NOTIFY = CN_BASE + WM_NOTIFY;

// ---- Types ------------------------------------------------------------------------------------------
PUBLISHED_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom)
using TAlignSet = TSet<TAlign, 8>;
PUBLISHED_ENUM(TAnchorKind, akLeft, akTop, akRight, akBottom)
using TAnchors = TSet<TAnchorKind, 8>;
PUBLISHED_ENUM(TBiDiMode, bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly)
PUBLISHED_ENUM(TDragMode, dmManual, dmAutomatic)
PUBLISHED_ENUM(TDragKind, dkDrag, dkDock)
PUBLISHED_ENUM(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth)
PUBLISHED_ENUM(TBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin)

enum TControlStyleItem {
  csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed, csSetCaption, csOpaque,
  csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible, csReplicatable, csNoStdEvents,
  csDisplayDragImage, csReflector, csActionClient, csMenuEvents
};
using TControlStyle = TSet<TControlStyleItem, 32>;
enum TControlStateItem {
  csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded, csFocusing, csCreating,
  csPaintCopy, csCustomPaint, csDestroyingHandle, csDocking
};
using TControlState = TSet<TControlStateItem, 16>;

// What a control scales while it is being read: the bounds and font the stream set (ChangeScale).
enum TScalingFlag { sfLeft, sfTop, sfWidth, sfHeight, sfFont, sfDesignSize };
using TScalingFlags = TSet<TScalingFlag, 8>;

enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem, 8>;
enum TMouseButton { mbLeft, mbRight, mbMiddle };

using TCursor = int16_t;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSize = -22,
                  crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10,
                  crHourGlass = -11, crDrag = -12, crNoDrop = -13, crHSplit = -14, crVSplit = -15,
                  crMultiDrag = -16, crSQLWait = -17, crNo = -18, crAppStart = -19, crHelp = -20,
                  crHandPoint = -21, crSizeAll = -22;
const TTypeInfo* CursorTypeInfo();

using TKeyEvent = TClosure<void(TObject* Sender, Word& Key, TShiftState Shift)>;
using TKeyPressEvent = TClosure<void(TObject* Sender, char& Key)>;
using TMouseEvent = TClosure<void(TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X, Integer Y)>;
using TMouseMoveEvent = TClosure<void(TObject* Sender, TShiftState Shift, Integer X, Integer Y)>;
using TMouseWheelEvent =
    TClosure<void(TObject* Sender, TShiftState Shift, Integer WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = TClosure<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;
using TContextPopupEvent = TClosure<void(TObject* Sender, TPoint MousePos, bool& Handled)>;

// The Shift keys and mouse buttons of a key message's key data and of the key state.
TShiftState KeyDataToShiftState(LPARAM KeyData);
TShiftState KeysToShiftState(WORD Keys);

class TWinControl;
class TControl;
class TDragObject;
class TDragDockObject;
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);
using TWndMethod = TClosure<void(TMessage&)>;

// ---- Drag and drop and docking types ----------------------------------------------------------------
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
// What a CM_DRAG message (wParam) asks of the control; lParam points at a TDragRec.
enum TDragMessage { dmDragEnter, dmDragLeave, dmDragMove, dmDragDrop, dmDragCancel, dmFindTarget };
struct TDragRec {
  TPoint Pos;                    // screen coordinates
  TDragObject* Source = nullptr;
  void* Target = nullptr;        // the control found so far (dmFindTarget answers the final one)
  bool Docking = false;
};
using TDragOverEvent =
    TClosure<void(TObject* Sender, TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept)>;
using TDragDropEvent = TClosure<void(TObject* Sender, TObject* Source, Integer X, Integer Y)>;
using TStartDragEvent = TClosure<void(TObject* Sender, TDragObject*& DragObject)>;
using TEndDragEvent = TClosure<void(TObject* Sender, TObject* Target, Integer X, Integer Y)>;
using TStartDockEvent = TClosure<void(TObject* Sender, TDragDockObject*& DragObject)>;
using TDockOverEvent =
    TClosure<void(TObject* Sender, TDragDockObject* Source, Integer X, Integer Y, TDragState State, bool& Accept)>;
using TDockDropEvent = TClosure<void(TObject* Sender, TDragDockObject* Source, Integer X, Integer Y)>;
using TUnDockEvent = TClosure<void(TObject* Sender, TControl* Client, TWinControl* NewTarget, bool& Allow)>;
using TGetSiteInfoEvent =
    TClosure<void(TObject* Sender, TControl* DockClient, TRect& InfluenceRect, TPoint MousePos, bool& CanDock)>;

// ---- Drag objects -----------------------------------------------------------------------------------
// What is being dragged. The drag machinery fills in the target and positions as the pointer moves;
// Finished is called once when the drag ends, dropped or not.
class TDragObject : public TObject {
  DECLARE_CLASS(TDragObject, TObject)
 public:
  virtual void Assign(TDragObject* Source);
  virtual String GetName() { return ClassName(); }
  virtual TCursor GetDragCursor(bool Accepted, Integer X, Integer Y);
  virtual ImgList::TDragImageList* GetDragImages() { return nullptr; }
  virtual void HideDragImage();
  virtual void ShowDragImage();
  virtual void Finished(TObject* Target, Integer X, Integer Y, bool Accepted) {}

  bool AlwaysShowDragImages = false;
  bool Cancelling = false;        // the drag is ending; no further drag messages
  bool Dropped = false;           // it ended with a release, not a cancel
  HWND DragHandle = nullptr;      // the window under the pointer
  TPoint DragPos;                 // the pointer, screen coordinates
  void* DragTarget = nullptr;     // the control under the pointer that takes drag messages
  TPoint DragTargetPos;           // the pointer in the target's client coordinates
};

// A drag of a control: the control hears about the end of the drag.
class TBaseDragControlObject : public TDragObject {
  DECLARE_CLASS(TBaseDragControlObject, TDragObject)
 public:
  explicit TBaseDragControlObject(TControl* AControl = nullptr) : FControl(AControl) {}
  void Assign(TDragObject* Source) override;
  void Finished(TObject* Target, Integer X, Integer Y, bool Accepted) override;
  TControl* GetControl() const { return FControl; }
  void SetControl(TControl* Value) { FControl = Value; }

 protected:
  virtual void EndDrag(TObject* Target, Integer X, Integer Y);

 private:
  TControl* FControl;
};

// The drag object a control makes for itself when its OnStartDrag supplies none; freed by the
// drag machinery.
class TDragControlObject : public TBaseDragControlObject {
  DECLARE_CLASS(TDragControlObject, TBaseDragControlObject)
 public:
  explicit TDragControlObject(TControl* AControl = nullptr) : TBaseDragControlObject(AControl) {}
  TCursor GetDragCursor(bool Accepted, Integer X, Integer Y) override;
  ImgList::TDragImageList* GetDragImages() override;
  void HideDragImage() override;
  void ShowDragImage() override;
};

// A drag object an OnStartDrag handler creates and does not keep: it frees itself when finished.
class TDragControlObjectEx : public TDragControlObject {
  DECLARE_CLASS(TDragControlObjectEx, TDragControlObject)
 public:
  explicit TDragControlObjectEx(TControl* AControl = nullptr) : TDragControlObject(AControl) {}
  void Finished(TObject* Target, Integer X, Integer Y, bool Accepted) override;
};

// A control dragged to be docked: where it would land (DockRect, screen coordinates), on which side
// of which control, and whether it would float.
class TDragDockObject : public TBaseDragControlObject {
  DECLARE_CLASS(TDragDockObject, TBaseDragControlObject)
 public:
  explicit TDragDockObject(TControl* AControl = nullptr) : TBaseDragControlObject(AControl) {}
  void Assign(TDragObject* Source) override;
  TCursor GetDragCursor(bool Accepted, Integer X, Integer Y) override { return crDefault; }
  TRect DockRect;
  TAlign DropAlign = alNone;
  TControl* DropOnControl = nullptr;
  bool Floating = false;
  Integer FrameWidth = 4;

 protected:
  void EndDrag(TObject* Target, Integer X, Integer Y) override;
};

// The mouse settings controls use: how far the pointer moves before a pending drag starts, whether
// an automatic drag starts at once, and the lines a wheel notch scrolls.
class TMouse : public TObject {
  DECLARE_CLASS(TMouse, TObject)
 public:
  bool DragImmediate = true;
  Integer DragThreshold = 5;
  Integer GetWheelScrollLines() const;
  TPoint GetCursorPos() const;
  bool IsDragging() const;
};
struct TMouseAccess {
  TMouse* operator->() const;
};
inline constexpr TMouseAccess Mouse{};

// Ends the current drag as not dropped (Escape does it too).
void CancelDrag();
// The drag object of the drag in progress; null when none.
TDragObject* DragObject();

// ---- Size constraints -------------------------------------------------------------------------------
class TSizeConstraints : public TPersistent {
  DECLARE_CLASS(TSizeConstraints, TPersistent)
 public:
  explicit TSizeConstraints(TControl* Control = nullptr) : FControl(Control) {}
  void Assign(TPersistent* Source) override;
  Integer GetMaxHeight() const { return FMaxHeight; }
  void SetMaxHeight(Integer Value);
  Integer GetMaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(Integer Value);
  Integer GetMinHeight() const { return FMinHeight; }
  void SetMinHeight(Integer Value);
  Integer GetMinWidth() const { return FMinWidth; }
  void SetMinWidth(Integer Value);
  TNotifyEvent OnChange;

 protected:
  virtual void Change();

 private:
  TControl* FControl;
  Integer FMaxHeight = 0, FMaxWidth = 0, FMinHeight = 0, FMinWidth = 0;
};

// ---- TControl ---------------------------------------------------------------------------------------
// Messages reach a control through WindowProc (WndProc unless replaced), which hands them to
// Dispatch: each class's Dispatch answers the message numbers it handles and passes the rest to
// its parent class's Dispatch; what no class handles goes to DefaultHandler. A handler that wants
// the inherited behaviour calls inherited::Dispatch(Message).
class TControl : public TComponent {
  DECLARE_CLASS(TControl, TComponent)
 public:
  explicit TControl(TComponent* AOwner = nullptr) : TComponent(AOwner) {}

  TWndMethod WindowProc;
  LRESULT Perform(UINT Msg, WPARAM WParam, LPARAM LParam);
  virtual void WndProc(TMessage& Message);
  virtual void Dispatch(TMessage& Message);
  virtual void DefaultHandler(TMessage& Message);

  TWinControl* GetParent() const { return FParent; }
  virtual void SetParent(TWinControl* AParent);
  TComponent* GetParentComponent() override;
  bool HasParent() override { return true; }
  void SetName(const String& Value) override;

  // ---- Bounds
  Integer GetLeft() const { return FLeft; }
  void SetLeft(Integer Value);
  Integer GetTop() const { return FTop; }
  void SetTop(Integer Value);
  Integer GetWidth() const { return FWidth; }
  void SetWidth(Integer Value);
  Integer GetHeight() const { return FHeight; }
  void SetHeight(Integer Value);
  virtual void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight);
  TRect GetBoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
  void SetBoundsRect(const TRect& R) { SetBounds(R.left, R.top, R.Width(), R.Height()); }
  virtual TRect GetClientRect();
  Integer GetClientWidth() { return GetClientRect().Width(); }
  void SetClientWidth(Integer Value);
  Integer GetClientHeight() { return GetClientRect().Height(); }
  void SetClientHeight(Integer Value);
  virtual TPoint GetClientOrigin();  // the client area's top left in screen coordinates
  TPoint ClientToScreen(const TPoint& Point);
  TPoint ScreenToClient(const TPoint& Point);
  TAlign GetAlign() const { return FAlign; }
  void SetAlign(TAlign Value);
  TAnchors GetAnchors() const { return FAnchors; }
  void SetAnchors(TAnchors Value);
  TSizeConstraints* GetConstraints() const { return FConstraints; }
  void SetConstraints(TSizeConstraints* Value) { FConstraints->Assign(Value); }
  void BringToFront();
  void SendToBack();
  // Scales position, size, constraints and an own font by M/D (a parent's font is followed anyway);
  // a windowed control scales its children first. While the control is being read only what the
  // stream set is scaled (ScalingFlags); the flags are cleared in any case.
  virtual void ChangeScale(Integer M, Integer D);

  // ---- Appearance and state
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  virtual bool GetEnabled() const { return FEnabled; }
  virtual void SetEnabled(bool Value);
  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  bool GetParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);
  TFont* GetFont() const { return FFont; }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  bool GetParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);
  String GetText();
  void SetText(const String& Value);
  String GetCaption() { return GetText(); }
  void SetCaption(const String& Value) { SetText(Value); }
  String GetHint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  bool GetShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  bool GetParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool Value);
  TCursor GetCursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  // The sunken three-dimensional look, followed from the parent like the font.
  bool GetCtl3D() const { return FCtl3D; }
  void SetCtl3D(bool Value);
  bool GetParentCtl3D() const { return FParentCtl3D; }
  void SetParentCtl3D(bool Value);
  virtual TComponent* GetPopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TComponent* Value);
  TDragMode GetDragMode() const { return FDragMode; }
  virtual void SetDragMode(TDragMode Value) { FDragMode = Value; }
  TDragKind GetDragKind() const { return FDragKind; }
  void SetDragKind(TDragKind Value) { FDragKind = Value; }
  TCursor GetDragCursor() const { return FDragCursor; }
  void SetDragCursor(TCursor Value) { FDragCursor = Value; }

  // ---- Drag and drop
  // Starts dragging the control: at once, or once the pointer has moved more than Threshold pixels
  // (Mouse.DragThreshold when negative) with the button held; a release before that is a click.
  void BeginDrag(bool Immediate, Integer Threshold = -1);
  void EndDrag(bool Drop);
  bool Dragging() const;
  virtual void DragDrop(TObject* Source, Integer X, Integer Y);
  virtual ImgList::TDragImageList* GetDragImages() { return nullptr; }

  // ---- Docking
  TWinControl* GetHostDockSite() const { return FHostDockSite; }
  bool Floating() const;
  TClass GetFloatingDockSiteClass() const;
  void SetFloatingDockSiteClass(TClass Value) { FFloatingDockSiteClass = Value; }
  // Docks the control into NewDockSite (null floats it) as a drop would; false when the current
  // host refuses to let it go.
  bool ManualDock(TWinControl* NewDockSite, TControl* DropControl = nullptr, TAlign ControlSide = alNone);
  // Floats the control at ScreenPos: in a new host of FloatingDockSiteClass, or on its own when that
  // class is its own (a form); false when the current host refuses.
  bool ManualFloat(const TRect& ScreenPos);
  void Dock(TWinControl* NewDockSite, const TRect& ARect);
  TControlStyle ControlStyle;
  TControlState ControlState;

  // ---- Right-to-left scripts: only a middle-east system locale honours BiDiMode
  TBiDiMode GetBiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode Value);
  bool GetParentBiDiMode() const { return FParentBiDiMode; }
  void SetParentBiDiMode(bool Value);
  bool IsBiDiModeStored() const { return !FParentBiDiMode; }
  bool IsRightToLeft() const;
  virtual bool UseRightToLeftAlignment() const;
  bool UseRightToLeftReading() const;
  bool UseRightToLeftScrollBar() const;
  // Flags for DrawText with the horizontal justification mirrored and right-to-left reading added
  // as the mode asks; the reading flag alone.
  Integer DrawTextBiDiModeFlags(Integer Flags) const;
  Integer DrawTextBiDiModeFlagsReadingOnly() const;

  // ---- Painting
  virtual void Invalidate();
  virtual void Update();
  virtual void Repaint();
  void Refresh() { Repaint(); }

  // ---- Mouse
  // The device context to paint on outside WM_PAINT, and the window it belongs to.
  virtual HDC GetDeviceContext(HWND& WindowHandle);
  bool GetMouseCapture();
  void SetMouseCapture(bool Value);
  void SendCancelMode(TControl* Sender);
  virtual void Click();
  virtual void DblClick();
  // The action the control follows: caption, enabled state, hint, visibility and click (ActnList).
  ActnList::TBasicAction* GetAction() const;
  void SetAction(ActnList::TBasicAction* Value);
  ActnList::TControlActionLink* GetActionLink() const { return FActionLink; }
  virtual void InitiateAction();
  // An action that handles the control as its target runs (updates) on it; true when it did.
  virtual bool ExecuteAction(ActnList::TBasicAction* Action);
  virtual bool UpdateAction(ActnList::TBasicAction* Action);
  // The palette the control draws with; none on a true-colour desktop.
  virtual HPALETTE GetPalette() { return nullptr; }
  // Takes the action's caption, enabled state, hint, visibility and click handler; CheckDefaults
  // (a control read from a form resource) takes only those the control has left at their defaults.
  virtual void ActionChange(TObject* Sender, bool CheckDefaults);
  // The class of the link SetAction makes (a TControlActionLink descendant): each kind of control
  // answers the link that knows what the kind shows of an action.
  virtual TClass GetActionLinkClass() const;

  // ---- Events
  TNotifyEvent OnClick, OnDblClick, OnResize, OnMouseEnter, OnMouseLeave;
  TMouseEvent OnMouseDown, OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TMouseWheelEvent OnMouseWheel;
  TMouseWheelUpDownEvent OnMouseWheelDown, OnMouseWheelUp;
  TContextPopupEvent OnContextPopup;
  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  TStartDragEvent OnStartDrag;
  TEndDragEvent OnEndDrag, OnEndDock;
  TStartDockEvent OnStartDock;

  // Published-style accessors for events, for descendants' published tables.
  TNotifyEvent GetOnClick() const { return OnClick; }
  void SetOnClick(TNotifyEvent V) { OnClick = V; }
  TNotifyEvent GetOnDblClick() const { return OnDblClick; }
  void SetOnDblClick(TNotifyEvent V) { OnDblClick = V; }
  TNotifyEvent GetOnResize() const { return OnResize; }
  void SetOnResize(TNotifyEvent V) { OnResize = V; }
  TMouseEvent GetOnMouseDown() const { return OnMouseDown; }
  void SetOnMouseDown(TMouseEvent V) { OnMouseDown = V; }
  TMouseEvent GetOnMouseUp() const { return OnMouseUp; }
  void SetOnMouseUp(TMouseEvent V) { OnMouseUp = V; }
  TMouseWheelEvent GetOnMouseWheel() const { return OnMouseWheel; }
  void SetOnMouseWheel(TMouseWheelEvent V) { OnMouseWheel = V; }
  TMouseWheelUpDownEvent GetOnMouseWheelDown() const { return OnMouseWheelDown; }
  void SetOnMouseWheelDown(TMouseWheelUpDownEvent V) { OnMouseWheelDown = V; }
  TMouseWheelUpDownEvent GetOnMouseWheelUp() const { return OnMouseWheelUp; }
  void SetOnMouseWheelUp(TMouseWheelUpDownEvent V) { OnMouseWheelUp = V; }
  TContextPopupEvent GetOnContextPopup() const { return OnContextPopup; }
  void SetOnContextPopup(TContextPopupEvent V) { OnContextPopup = V; }
  TMouseMoveEvent GetOnMouseMove() const { return OnMouseMove; }
  void SetOnMouseMove(TMouseMoveEvent V) { OnMouseMove = V; }
  TDragOverEvent GetOnDragOver() const { return OnDragOver; }
  void SetOnDragOver(TDragOverEvent V) { OnDragOver = V; }
  TDragDropEvent GetOnDragDrop() const { return OnDragDrop; }
  void SetOnDragDrop(TDragDropEvent V) { OnDragDrop = V; }
  TStartDragEvent GetOnStartDrag() const { return OnStartDrag; }
  void SetOnStartDrag(TStartDragEvent V) { OnStartDrag = V; }
  TEndDragEvent GetOnEndDrag() const { return OnEndDrag; }
  void SetOnEndDrag(TEndDragEvent V) { OnEndDrag = V; }
  TStartDockEvent GetOnStartDock() const { return OnStartDock; }
  void SetOnStartDock(TStartDockEvent V) { OnStartDock = V; }
  TEndDragEvent GetOnEndDock() const { return OnEndDock; }
  void SetOnEndDock(TEndDragEvent V) { OnEndDock = V; }

 protected:
  friend class TWinControl;
  friend class TBaseDragControlObject;
  friend class TDragControlObject;
  friend class TDragDockObject;
  friend TControl* GetCaptureControl();
  friend void SetCaptureControl(TControl* Control);
  void Construct() override;
  void Destroy() override;
  void Loaded() override;
  void ReadState(Filer::TReader* Reader) override;
  void SetParentComponent(TComponent* Value) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  virtual void Changed() { Perform(CM_CHANGED, 0, reinterpret_cast<LPARAM>(this)); }
  virtual void Resize();
  virtual bool CanResize(Integer& NewWidth, Integer& NewHeight) { return true; }
  virtual void ConstrainedResize(Integer& MinWidth, Integer& MinHeight, Integer& MaxWidth, Integer& MaxHeight) {}
  void DoConstrainedResize(Integer& NewWidth, Integer& NewHeight);
  virtual void RequestAlign();
  void UpdateAnchorRules();
  virtual void VisibleChanging() {}
  void InvalidateControl(bool IsVisible, bool IsOpaque);
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
  virtual void MouseMove(TShiftState Shift, Integer X, Integer Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
  virtual void MouseEnter() { if (OnMouseEnter) OnMouseEnter(this); }
  virtual void MouseLeave() { if (OnMouseLeave) OnMouseLeave(this); }
  // OnMouseWheel first; what it leaves is counted up, and each whole notch (WHEEL_DELTA) of it
  // goes to DoMouseWheelDown or DoMouseWheelUp. Answers whether the wheel was handled.
  virtual bool DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos);
  virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
  virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
  // The wheel movement still short of a whole notch (what is left of the message being handled).
  Integer GetWheelAccumulator() const { return FWheelAccumulator; }
  // Sets the bounds again so that a control that sizes itself to its content can do so.
  virtual void AdjustSize();
  TScalingFlags GetScalingFlags() const { return FScalingFlags; }
  void SetScalingFlags(TScalingFlags Value) { FScalingFlags = Value; }
  // MousePos is in client coordinates; (-1, -1) when the menu was asked for from the keyboard.
  virtual void DoContextPopup(TPoint MousePos, bool& Handled);
  // Dragging: Accept starts true only when OnDragOver is assigned.
  virtual void DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept);
  virtual void DoStartDrag(TDragObject*& DragObject);
  virtual void DoEndDrag(TObject* Target, Integer X, Integer Y);
  virtual void DragCanceled() {}
  virtual void BeginAutoDrag();
  virtual void DoStartDock(TDragObject*& DragObject);
  virtual void DoEndDock(TObject* Target, Integer X, Integer Y);
  virtual void DoDock(TWinControl* NewDockSite, TRect& ARect);
  virtual TWinControl* CreateFloatingDockSite(const TRect& Bounds);
  // CM_DRAG: positions in the message are screen coordinates; the events get client ones.
  virtual void DoDragMsg(TMessage& Message);
  void CMFloat(TMessage& Message);
  TWinControl* FParent = nullptr;
  Integer FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  String FText;
  TFont* FFont = nullptr;
  TColor FColor = clWindow;
  bool FVisible = true;
  bool FParentColor = true;
  bool FParentFont = true;
  TScalingFlags FScalingFlags;

 private:
  void DoMouseDown(TMessage& Message, TMouseButton Button, TShiftState Shift);
  void DoMouseUp(TMessage& Message, TMouseButton Button);
  void WMContextMenu(TMessage& Message);
  void FontChanged(TObject* Sender);
  void UpdateBoundsRect(const TRect& R);
  void DoAnchors(const TRect& ParentClient);

  TAlign FAlign = alNone;
  TAnchors FAnchors{akLeft, akTop};
  TPoint FAnchorRules;
  TPoint FOriginalParentSize;
  bool FAnchorMove = false;
  TSizeConstraints* FConstraints = nullptr;
  bool FEnabled = true;
  bool FShowHint = false;
  bool FParentShowHint = true;
  TCursor FCursor = crDefault;
  TCursor FDragCursor = crDrag;
  TDragMode FDragMode = dmManual;
  TDragKind FDragKind = dkDrag;
  String FHint;
  TComponent* FPopupMenu = nullptr;
  ActnList::TControlActionLink* FActionLink = nullptr;
  TWinControl* FHostDockSite = nullptr;
  TClass FFloatingDockSiteClass = nullptr;
  TBiDiMode FBiDiMode = bdLeftToRight;
  bool FParentBiDiMode = true;
  bool FCtl3D = true;
  bool FParentCtl3D = true;
  Integer FWheelAccumulator = 0;  // wheel movement short of a whole notch
};

// Exchanges left and right justification (for a control that reads right to left); centred stays.
void ChangeBiDiModeAlignment(TAlignment& Alignment);

// ---- TWinControl ------------------------------------------------------------------------------------
struct TCreateParams {
  String Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  Integer X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  void* Param = nullptr;
  WNDCLASSA WindowClass;
  String WinClassName;
};

class TWinControl : public TControl {
  DECLARE_CLASS(TWinControl, TControl)
 public:
  explicit TWinControl(TComponent* AOwner = nullptr) : TControl(AOwner) {}

  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;

  // ---- The window
  HWND GetHandle();  // created on demand (with the parents' handles)
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded();
  void RecreateWnd();
  HWND GetParentWindow() const { return FParentWindow; }
  void SetParentWindow(HWND Value);
  bool Showing() const { return FShowing; }
  TBrush* GetBrush() const { return FBrush; }
  bool GetDoubleBuffered() const { return FDoubleBuffered; }
  void SetDoubleBuffered(bool Value) { FDoubleBuffered = Value; }
  bool GetParentBackground() const { return FParentBackground; }
  void SetParentBackground(bool Value) { FParentBackground = Value; }
  Integer GetBorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(Integer Value);
  TRect GetClientRect() override;
  TPoint GetClientOrigin() override;
  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;

  // ---- Children
  Integer ControlCount() const { return static_cast<Integer>(FControls.size()); }
  TControl* GetControl(Integer Index) const { return FControls.at(static_cast<size_t>(Index)); }
  TControl* Controls(Integer Index) const { return GetControl(Index); }
  void InsertControl(TControl* AControl);
  void RemoveControl(TControl* AControl);
  bool ContainsControl(TControl* Control);
  // The visible child (windowed ones only when AllowWinControls) at a client point; null for none.
  TControl* ControlAtPos(const TPoint& Pos, bool AllowDisabled, bool AllowWinControls = false);
  void Broadcast(TMessage& Message);  // to each child until one answers with a non-zero result
  // Moves every child by the deltas, as when the content under them scrolls.
  void ScrollBy(Integer DeltaX, Integer DeltaY);
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;

  // ---- Alignment
  void DisableAlign() { ++FAlignLevel; }
  void EnableAlign();
  void Realign();
  bool AlignDisabled() const { return FAlignLevel != 0; }
  void ChangeScale(Integer M, Integer D) override;

  // The help topic of the control (its action's help context while linked).
  Integer GetHelpContext() const { return FHelpContext; }
  void SetHelpContext(Integer Value) { FHelpContext = Value; }
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  TClass GetActionLinkClass() const override;

  // ---- Focus and tab order
  bool GetTabStop() const { return FTabStop; }
  void SetTabStop(bool Value);
  Integer GetTabOrder() const;
  void SetTabOrder(Integer Value);
  // The windowed descendants in tab order; a compound control may put an inner control in its place.
  virtual void GetTabOrderList(std::vector<TWinControl*>& List);
  virtual bool CanFocus();
  virtual bool Focused();
  virtual void SetFocus();
  // The next (or previous) control after CurControl in tab order among this control's descendants.
  TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent);
  void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);
  void SelectFirst();

  // ---- Painting
  void Invalidate() override;
  void Update() override;
  void Repaint() override;
  void PaintTo(HDC DC, Integer X, Integer Y);
  HDC GetDeviceContext(HWND& WindowHandle) override;

  // ---- Keys
  TKeyEvent OnKeyDown, OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter, OnExit;
  TKeyEvent GetOnKeyDown() const { return OnKeyDown; }
  void SetOnKeyDown(TKeyEvent V) { OnKeyDown = V; }
  TKeyEvent GetOnKeyUp() const { return OnKeyUp; }
  void SetOnKeyUp(TKeyEvent V) { OnKeyUp = V; }
  TKeyPressEvent GetOnKeyPress() const { return OnKeyPress; }
  void SetOnKeyPress(TKeyPressEvent V) { OnKeyPress = V; }
  TNotifyEvent GetOnEnter() const { return OnEnter; }
  void SetOnEnter(TNotifyEvent V) { OnEnter = V; }
  TNotifyEvent GetOnExit() const { return OnExit; }
  void SetOnExit(TNotifyEvent V) { OnExit = V; }

  bool DoKeyDown(TMessage& Message);
  bool DoKeyPress(TMessage& Message);
  bool DoKeyUp(TMessage& Message);

  // ---- Input method. The platform's input method is the desktop's own (the X input method), which
  // places its composition window itself: these keep their place in the focus handling and do
  // nothing.
  void SetIme() {}
  void ResetIme() {}
  void SetImeCompositionWindow(TFont* Font, Integer XPos, Integer YPos) {}

  // ---- Docking
  bool GetDockSite() const { return FDockSite; }
  void SetDockSite(bool Value) { FDockSite = Value; }
  bool GetUseDockManager() const { return FUseDockManager; }
  void SetUseDockManager(bool Value) { FUseDockManager = Value; }
  Integer DockClientCount() const { return static_cast<Integer>(FDockClients.size()); }
  TControl* DockClients(Integer Index) const { return FDockClients.at(static_cast<size_t>(Index)); }
  // Whether Client may dock here with the pointer at MousePos (screen): InfluenceRect, the area in
  // which the site offers itself, starts as its window rectangle.
  virtual void GetSiteInfo(TControl* Client, TRect& InfluenceRect, TPoint MousePos, bool& CanDock);
  virtual void DockDrop(TDragDockObject* Source, Integer X, Integer Y);
  TDockOverEvent OnDockOver;
  TDockDropEvent OnDockDrop;
  TUnDockEvent OnUnDock;
  TGetSiteInfoEvent OnGetSiteInfo;
  TDockOverEvent GetOnDockOver() const { return OnDockOver; }
  void SetOnDockOver(TDockOverEvent V) { OnDockOver = V; }
  TDockDropEvent GetOnDockDrop() const { return OnDockDrop; }
  void SetOnDockDrop(TDockDropEvent V) { OnDockDrop = V; }
  TUnDockEvent GetOnUnDock() const { return OnUnDock; }
  void SetOnUnDock(TUnDockEvent V) { OnUnDock = V; }
  TGetSiteInfoEvent GetOnGetSiteInfo() const { return OnGetSiteInfo; }
  void SetOnGetSiteInfo(TGetSiteInfoEvent V) { OnGetSiteInfo = V; }

 protected:
  friend class TControl;
  friend class Forms::TCustomForm;
  friend TControl* GetCaptureControl();
  friend void SetCaptureControl(TControl* Control);
  void Construct() override;
  void Destroy() override;
  void Loaded() override;
  void SetChildOrder(TComponent* Child, Integer Order) override;

  virtual void CreateParams(TCreateParams& Params);
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& Params);
  virtual void CreateHandle();
  virtual void DestroyWnd();
  virtual void DestroyWindowHandle();
  virtual void DestroyHandle();
  // A control that keeps windows of its own beyond the current one (a window it shows in turns): its
  // CreateWindowHandle may answer such a window instead of making one, which routes the window's
  // messages to the control again; DetachWindowHandle lets the current window go without destroying
  // it; RestoreWindowProc gives a kept window the class's own procedure back before it is destroyed,
  // so its last messages no longer reach the control.
  bool AdoptWindowHandle(HWND AWnd);  // false when AWnd is no window
  HWND DetachWindowHandle();
  void RestoreWindowProc(HWND AWnd);
  void UpdateShowing();
  void UpdateControlState();
  virtual void AlignControls(TControl* AControl, TRect& Rect);
  virtual void AdjustClientRect(TRect& Rect);
  void AlignControl(TControl* AControl);
  // Scales every child by M/D (ChangeScale), which also clears their scaling flags.
  void ScaleControls(Integer M, Integer D);
  virtual void PaintWindow(HDC DC);
  void PaintHandler(TMessage& Message);
  void PaintControls(HDC DC, TControl* First);
  virtual void KeyDown(Word& Key, TShiftState Shift);
  virtual void KeyUp(Word& Key, TShiftState Shift);
  virtual void KeyPress(char& Key);
  virtual void DoEnter();
  virtual void DoExit();
  virtual bool IsControlMouseMsg(TMessage& Message);
  HWND PrecedingWindow(TWinControl* Control);
  // Docking: Accept starts true; OnDockOver may change it.
  virtual void DockOver(TDragDockObject* Source, Integer X, Integer Y, TDragState State, bool& Accept);
  virtual void DoAddDockClient(TControl* Client, const TRect& ARect);
  virtual void DoRemoveDockClient(TControl* Client) {}
  // Whether Client may leave for NewTarget (null: floating); OnUnDock may refuse.
  virtual bool DoUnDock(TWinControl* NewTarget, TControl* Client);
  void DoDragMsg(TMessage& Message) override;
  void CMDockClient(TMessage& Message);
  void ReleaseDockClients();

  HWND FHandle = nullptr;

 private:
  void MainWndProc(TMessage& Message);
  static LRESULT InitWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void UpdateBounds();
  void CNKeyDown(TMessage& Message);
  // Offers a key to the popup menus of the control and its parents, then to the form's shortcuts.
  bool IsMenuKey(TMessage& Message);
  void WMPaint(TMessage& Message);
  void WMEraseBkgnd(TMessage& Message);

  std::vector<TControl*> FControls;     // every child, windowed or not, in z-order (bottom first)
  std::vector<TWinControl*> FTabList;   // windowed children in tab order
  WNDPROC FDefWndProc = nullptr;
  WNDPROC FObjectInstance = nullptr;
  HWND FParentWindow = nullptr;
  TBrush* FBrush = nullptr;
  Integer FAlignLevel = 0;
  Integer FBorderWidth = 0;
  Integer FHelpContext = 0;
  bool FShowing = false;
  bool FTabStop = false;
  bool FDoubleBuffered = false;
  bool FParentBackground = false;
  bool FDockSite = false;
  bool FUseDockManager = false;
  std::vector<TControl*> FDockClients;
};

// ---- Controls that paint on a canvas ----------------------------------------------------------------
// A canvas on a control's device context: made when drawing outside a paint and freed by the next
// FreeDeviceContexts; during a paint the control gives it the paint's context.
class TControlCanvas : public TCanvas {
  DECLARE_CLASS(TControlCanvas, TCanvas)
 public:
  TControl* GetControl() const { return FControl; }
  void SetControl(TControl* Value);
  void FreeHandle();

 protected:
  void Destroy() override;
  void CreateHandle() override;

 private:
  TControl* FControl = nullptr;
  HDC FDeviceContext = nullptr;
  HWND FWindowHandle = nullptr;
};

class TCustomControl : public TWinControl {
  DECLARE_CLASS(TCustomControl, TWinControl)
 public:
  explicit TCustomControl(TComponent* AOwner = nullptr) : TWinControl(AOwner) {}
  TCanvas* GetCanvas() const { return FCanvas; }

 protected:
  void Construct() override;
  void Destroy() override;
  void PaintWindow(HDC DC) override;
  virtual void Paint() {}

 private:
  TCanvas* FCanvas = nullptr;
};

class TGraphicControl : public TControl {
  DECLARE_CLASS(TGraphicControl, TControl)
 public:
  explicit TGraphicControl(TComponent* AOwner = nullptr) : TControl(AOwner) {}
  TCanvas* GetCanvas() const { return FCanvas; }
  void Dispatch(TMessage& Message) override;

 protected:
  void Construct() override;
  void Destroy() override;
  virtual void Paint() {}

 private:
  TCanvas* FCanvas = nullptr;
};

// ---- Lookups ----------------------------------------------------------------------------------------
// The control that owns a window of the class library; null for any other window.
TWinControl* FindControl(HWND Handle);
bool IsLibraryWindow(HWND Handle);
// The non-windowed child of a library window holding the mouse capture, or the windowed control
// holding it; null when no control holds it.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);
// The control under the pointer as last seen by the mouse tracking (CM_MOUSEENTER/CM_MOUSELEAVE).
TControl* MouseControl();
// Moves the pointer's control to Control, sending CM_MOUSELEAVE to the old and CM_MOUSEENTER to
// the new one (each passed on to its parents with the control in lParam).
void SetMouseControl(TControl* Control);
// The control at a screen point: the deepest library control, non-windowed children included.
TControl* FindDragTarget(const TPoint& Pos, bool AllowDisabled);
Forms::TCustomForm* GetParentForm(TControl* Control);
// A fresh identifier for a child window whose parent finds it by identifier (to reflect owner-draw
// messages to it).
HMENU NewChildWindowId();
// Whether controls draw in the new style (no csFramed borders); always true here.
inline constexpr bool NewStyleControls = true;

}  // namespace Controls

using namespace Controls;
