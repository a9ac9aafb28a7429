// The container unit's routines: top-level and child windows, popups open on a control, queued
// messages, disabling the program's windows around a modal operation, invalidation of frames,
// window regions, the system scroll-bar information and painting windows on a glass frame.
#pragma once

#include <vector>

#include "Controls.h"
#include "WinScrollBars.h"
#include "cxContainerViewInfo.h"

namespace cxContainer {

class TcxContainer;
class IcxContainerInnerControl;
struct TcxContainerInnerControlBounds;

// The window itself or the first of its parents whose style lacks WS_CHILD; null for none.
HWND FindFirstNonChildParentWindow(HWND AWnd);
// Shift, Alt, Ctrl and the mouse buttons as the keyboard state holds them now.
TShiftState InternalGetShiftState();
TPoint InternalGetCursorPos();
// Removes the window's queued messages of the range (all of them, or the first only); a quit
// request met is posted again and ends the removal. True when another message was removed.
bool KillMessages(HWND AWnd, UINT AMsgFilterMin, UINT AMsgFilterMax, bool AKillAllMessages = true);
// Disables the window when it is enabled and notes it in the list.
void DisableWindow(std::vector<HWND>* AWindowList, HWND AWnd);
// Enables every noted window that still exists; a null list does nothing.
void EnableWindows(std::vector<HWND>* AWindowList);
// Nested: the outermost call with the flag set disables every top-level window of the program
// (nested calls only count), the matching outermost EnableAppWindows enables them again.
void DisableAppWindows(bool ANeedDisable = true);
void EnableAppWindows();
bool IsInternalWindowsDisabled();
// True while DisableAppWindows or EnableAppWindows switches the windows.
bool IsInternalWindowsDisabling();

// The control itself when it is a container, else the container of an inner control.
TcxContainer* GetcxContainer(TWinControl* AWinControl);
bool HasOpenedPopupWindow(TWinControl* AWinControl);
// Whether the window lies in the control: in its window, in a child control, in a popup opened on
// it or (for a popup) in a popup opened on a control of it.
bool IsChildWindow(TWinControl* AParent, HWND AChildWnd);
bool HasNativeHandle(TWinControl* AControl, HWND AWnd, bool ACheckChildren = false);
bool HasHandle(TWinControl* AControl, HWND AHandle);
HWND NativeHandle(HWND AHandle);
// Whether the window lies in the control's form, or in the top-level window that form is placed in.
bool CheckParentsNativeHandle(TWinControl* AControl, HWND ANativeHandle);
// The owner control's window of the popup the window lies in; otherwise the window itself.
HWND GetPopupOwnerControl(HWND AWnd);
// Whether the control under the pointer may show its hint now.
bool CanShowHint(TWinControl* AControl);

// Invalidates the frame between the outer and the inner rectangle (the whole outer one for an
// empty inner one).
void InternalInvalidate(HWND AHandle, const TRect& AOuterRect, const TRect& AInternalRect,
                        bool AEraseBackground = false);
void InternalInvalidateRect(TWinControl* AControl, const TRect& R, bool AEraseBackground);
bool InternalIsWindowVisible(TWinControl* AControl);
bool InternalCompareString(const String& S1, const String& S2, bool ACaseSensitive);
TRect GetControlRect(TControl* AControl);
// Moves each named side outward by the width.
void ExtendRectByBorders(TRect& R, Integer ABorderWidth, TcxBorders ABorders);
// Moves each side that is not named inward by the width.
void InflateRectByBorders(TRect& R, Integer ABorderWidth, TcxBorders ABorders);
void AssignFonts(TFont* AFont1, TFont* AFont2);
TcxMouseButton ButtonTocxButton(TMouseButton AButton);
TShiftState MouseButtonToShift(TMouseButton AButton);
// While locked, the popup hooks swallow the forms' CM_ACTIVATE and CM_DEACTIVATE.
void LockCMActivateMessages(bool ALock);

// The window region: the bounds' rectangle, or none for empty bounds.
void SetWindowRegion(TWinControl* AControl, const TcxContainerInnerControlBounds& ABounds);
// The region of R (with its shadow moved by three pixels, less the exclusion rectangle), or none
// with ANoRegion; replaced only when it differs from the window's.
void SetWindowShadowRegion(HWND AWindowHandle, const TRect& R, bool ANoRegion, const TRect& AExcludeRect,
                           bool AShadow);

// Whether the platform offers the system scroll-bar information (framework bars over system ones).
bool UsecxScrollBars();
bool cxGetScrollBarInfo(HWND AWnd, LONG AIdObject, SCROLLBARINFO& AScrollBarInfo);
// The square between the container's two bars, relative to the inner control's window rectangle;
// empty unless both are visible.
TRect GetSizeGripRect(IcxContainerInnerControl* AControl);
bool AreVisualStylesMustBeUsed(bool ANativeStyle, TdxThemedObjectType AThemedObjectType);

// Painting on a glass frame (desktop composition): the window's client area through an alpha-filled
// buffer.
void DrawWindowOnGlass(HDC DC, const TRect& R, HWND AWnd);
void RepaintWindowOnGlass(HWND AWnd);
void WMPaintWindowOnGlass(HWND AWnd);
// The glass side of the window procedure of a control painted on glass (AOnGlass: its form draws it
// on a glass frame and the desktop composes). Before the usual handling: WM_PAINT is painted through
// the buffer, and the private repaint message repaints when one is pending; true when the message is
// done. After the usual handling of an edit or static colour message: one repaint is posted.
bool HandleGlassPaintMessage(TWinControl* AControl, bool AOnGlass, bool& ARepaintPending, TMessage& Message);
void PostGlassRepaintAfterColorMessage(TWinControl* AControl, bool AOnGlass, bool& ARepaintPending,
                                       const TMessage& Message);

}  // namespace cxContainer

using namespace cxContainer;
