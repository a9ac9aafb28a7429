// The base-control unit's small services: window, point and key helpers, drag detection, monitor
// work areas, accelerator marks, hourglass nesting, popup-menu helpers, the interfaces that
// framework objects offer each other, the unit's cursors and its two registered window messages.
#pragma once

#include "Controls.h"
#include "Interfaces.h"
#include "WinMetrics.h"
#include "cxClassesBase.h"

namespace Forms {
class TCustomForm;
}
namespace Menus {
class TPopupMenu;
}

namespace cxControls {

using Forms::TCustomForm;

enum TcxNumberType { ntInteger, ntFloat, ntExponent };
enum TcxDragDetect { ddNone, ddDrag, ddCancel };
PUBLISHED_ENUM(TcxHintAnimationStyle, cxhaSlideFromLeft, cxhaSlideFromRight, cxhaSlideDownward, cxhaSlideUpward,
               cxhaSlideFromCenter, cxhaHide, cxhaActivate, cxhaFadeIn, cxhaAuto, cxhaNone)
enum TcxDesignState { dsDesignerModifying };
using TcxDesignStates = TSet<TcxDesignState, 8>;

// The screen cursors the unit loads at start (pictures in the program's cursor resources).
constexpr TCursor crcxDragCopy = 2100, crcxFullScroll = 2101, crcxHorScroll = 2102, crcxVerScroll = 2103,
                  crcxUpScroll = 2104, crcxRightScroll = 2105, crcxDownScroll = 2106, crcxLeftScroll = 2107,
                  crcxRemove = 2108, crcxVertSize = 2109, crcxHorzSize = 2110, crcxMultiDrag = 2111,
                  crcxNoDrop = 2112, crcxDrag = 2113, crcxColorPicker = 2114, crcxHandPoint = -2099;

// The private messages skinning components exchange, registered at the unit's start (0 before).
extern Word dxWMGetSkinnedMessage;
extern Word dxWMSetSkinnedMessage;

// ---- Interfaces --------------------------------------------------------------------------------------
// An object that is told when the pointer leaves the area it is tracked over (BeginMouseTracking).
class IcxMouseTrackingCaller : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IcxMouseTrackingCaller, "{84A4BCBE-E001-4D60-B7A6-75E2B0DCD3E9}")
 public:
  virtual void MouseTrackingLeave() = 0;
};

// A tracked object that decides itself which client points of its control still belong to it.
class IcxMouseTrackingCaller2 : public virtual IcxMouseTrackingCaller {
  DECLARE_INTERFACE_GUID(IcxMouseTrackingCaller2, "{3A5D973B-F016-4F22-80B6-1D35668D7743}")
 public:
  virtual bool PtInCaller(const TPoint& P) = 0;
};

// A popup menu that is no class-library popup menu.
class IcxPopupMenu : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IcxPopupMenu, "{61EEDA7D-88CC-45BF-8A00-5C25174D6501}")
 public:
  virtual bool IsShortCutKey(TMessage& Message) = 0;
  virtual void Popup(Integer X, Integer Y) = 0;
};

// A control made of an outer and an inner window: which of them is active.
class IcxCompoundControl : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IcxCompoundControl, "{A4A77F28-1D03-425B-9A83-0B853B5D8DEF}")
 public:
  virtual TWinControl* GetActiveControl() = 0;
};

// An object that holds a base control's mouse capture; told when it loses it.
class IcxMouseCaptureObject : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IcxMouseCaptureObject, "{7C31E9E7-9DC8-4FB6-8DE4-FB4D4F4DA61F}")
 public:
  virtual void DoCancelMode() = 0;
};

// Told when the font of a base control changes (TcxControl::AddFontListener).
class IcxFontListener : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IcxFontListener, "{4C1E952A-C7DA-4D0F-ACBA-211AA2A63A4E}")
 public:
  virtual void FontChanged(TObject* Sender, TFont* AFont) = 0;
};

// ---- Window, point and key helpers -----------------------------------------------------------------
// Whether a window can be made for the control now: it has one, or (not being destroyed) it has a
// parent window, or a parent that can have one, or it is a form while the application has a window.
bool CanAllocateHandle(TWinControl* AControl);
UINT GetDblClickInterval();
// The pointer in screen coordinates; cxInvalidPoint when it cannot be read.
TPoint GetMouseCursorPos();
// The MK_ flags of the mouse buttons and of Shift and Ctrl as they are now.
WPARAM GetMouseKeys();
// The MK_ flags of a shift state (Alt and double click have none).
WPARAM ShiftStateToKeys(TShiftState AShift);
bool IsCtrlPressed();
bool IsChildClassWindow(HWND AWnd);
// AParent is AWnd or one of its ancestors (never for a null AParent).
bool IsChildEx(HWND AParent, HWND AWnd);
// AOwner is one of AWnd's parent windows, AWnd itself excluded.
bool IsOwner(HWND AOwner, HWND AWnd);
bool IsOwnerEx(HWND AOwner, HWND AWnd);
// Both distances from P0 are below the class library's drag threshold.
bool IsPointInDragDetectArea(const TPoint& P0, Integer X, Integer Y);
// The control CM_MOUSEENTER or CM_MOUSELEAVE names (a child the pointer moved to or from), or the
// control receiving it when it names none.
TControl* GetMouseMessageControl(const TMessage& Message, TControl* AReceiver);
// Signs and digits; the locale's decimal separator for ntFloat, that and 'e', 'E' for ntExponent.
bool IsNumericChar(char C, TcxNumberType AType);
// Not a control character (byte 32 or above).
bool IsTextChar(char C);
Word TranslateKey(Word AKey);
Word GET_APPCOMMAND_LPARAM(LPARAM lParam);
// Between the client coordinates of two windows (null: the screen).
void MapWindowPoint(HWND AHandleFrom, HWND AHandleTo, TPoint& P);
void MapWindowRect(HWND AHandleFrom, HWND AHandleTo, TRect& R);
void RecreateControlWnd(TWinControl* AControl);

// ---- Monitors and the desktop -------------------------------------------------------------------------
// The work area of the monitor nearest to P; the primary work area when the monitor calls are
// missing.
TRect GetDesktopWorkArea(const TPoint& P);
TRect GetMonitorWorkArea(HMONITOR AMonitor);
// Moves R into the work area of the monitor nearest to P; where it does not fit, its left and top
// edges stay inside.
void MakeVisibleOnDesktop(TRect& R, const TPoint& P);
void MakeVisibleOnDesktop(TControl* AControl);

// ---- Text and dialogs ---------------------------------------------------------------------------------
// The text without accelerator marks: "&" goes and the character after it stays ("&&" leaves one
// "&"); a final "&" becomes "_" with AAppendTermChar and goes without it.
String RemoveAccelChars(const String& S, bool AAppendTermChar = true);
// Gives the form AFont and scales its controls and client size by the change of its text height.
void DialogApplyFont(TCustomForm* AForm, TFont* AFont);
// Where P lies in R: by the diagonals with both flags, by the middle line with one, posNone without.
TcxPosition GetPointPosition(const TRect& R, const TPoint& P, bool AHorzSeparation, bool AVertSeparation);

// ---- Cursors, dragging, designers ------------------------------------------------------------------
// Nested: the first show saves the screen cursor and shows the hourglass, the last hide restores it.
void ShowHourglassCursor();
void HideHourglassCursor();
// Waits, with the mouse captured by AWnd, until the pointer leaves the drag square around where it
// was (ddDrag), a button is released (ddNone) or Escape is pressed (ddCancel).
TcxDragDetect DragDetect(HWND AWnd);
// The class-library drag object over a base control now (TcxControl::DragOver records it).
TDragObject* GetDragObject();
// Tells the form designer that AComponent, which is being designed, changed.
void SetDesignerModified(TComponent* AComponent);

// ---- Popup menus ----------------------------------------------------------------------------------------
// Pops AMenu (an IcxPopupMenu, or a TPopupMenu with AutoPopup) up at the screen point; false when
// there was none to show.
bool ShowPopupMenu(TComponent* ACaller, TComponent* AMenu, Integer X, Integer Y);
bool ShowPopupMenuFromCursorPos(TComponent* ACaller, TComponent* AMenu);
bool IsPopupMenuShortCut(TComponent* AMenu, TMessage& Message);
// The height the menu's visible items take when it pops up.
Integer GetPopupMenuHeight(Menus::TPopupMenu* AMenu);

}  // namespace cxControls

using namespace cxControls;
