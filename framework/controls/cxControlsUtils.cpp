#include "cxControlsUtils.h"

#include <cstdlib>

#include "Forms.h"
#include "FormatSettings.h"
#include "Menus.h"
#include "RtlMath.h"
#include "SysInfo.h"
#include "WinUser.h"
#include "cxClassesRoutines.h"
#include "cxControlsBase.h"
#include "cxControlsControllers.h"
#include "cxControlsInternal.h"
#include "cxGeometry.h"
#include "cxGraphicsFunctions.h"

namespace cxControls {

Word dxWMGetSkinnedMessage = 0;
Word dxWMSetSkinnedMessage = 0;

namespace {

TDragObject* FDragObject = nullptr;
Integer FHourglassCursorUseCount = 0;
TCursor FPrevScreenCursor = crDefault;

bool KeyDown(int AKey) { return GetAsyncKeyState(AKey) < 0; }

}  // namespace

// ---- Window, point and key helpers -----------------------------------------------------------------
bool CanAllocateHandle(TWinControl* AControl) {
  if (AControl->HandleAllocated()) return true;
  if (AControl->ComponentState().Contains(csDestroying)) return false;
  if (AControl->GetParentWindow()) return true;
  if (TWinControl* parent = AControl->GetParent()) return CanAllocateHandle(parent);
  return dynamic_cast<TCustomForm*>(AControl) && ApplicationAssigned() && Application->GetHandle();
}

UINT GetDblClickInterval() { return GetDoubleClickTime(); }

TPoint GetMouseCursorPos() {
  POINT p;
  return GetCursorPos(&p) ? TPoint(p) : cxInvalidPoint;
}

WPARAM GetMouseKeys() {
  WPARAM keys = 0;
  if (KeyDown(VK_LBUTTON)) keys |= MK_LBUTTON;
  if (KeyDown(VK_RBUTTON)) keys |= MK_RBUTTON;
  if (KeyDown(VK_SHIFT)) keys |= MK_SHIFT;
  if (KeyDown(VK_CONTROL)) keys |= MK_CONTROL;
  if (KeyDown(VK_MBUTTON)) keys |= MK_MBUTTON;
  return keys;
}

WPARAM ShiftStateToKeys(TShiftState AShift) {
  WPARAM keys = 0;
  if (AShift.Contains(ssShift)) keys |= MK_SHIFT;
  if (AShift.Contains(ssCtrl)) keys |= MK_CONTROL;
  if (AShift.Contains(ssLeft)) keys |= MK_LBUTTON;
  if (AShift.Contains(ssRight)) keys |= MK_RBUTTON;
  if (AShift.Contains(ssMiddle)) keys |= MK_MBUTTON;
  return keys;
}

bool IsCtrlPressed() { return KeyDown(VK_CONTROL); }

bool IsChildClassWindow(HWND AWnd) { return (GetWindowLong(AWnd, GWL_STYLE) & WS_CHILD) != 0; }

bool IsChildEx(HWND AParent, HWND AWnd) { return AParent && (AParent == AWnd || IsChild(AParent, AWnd)); }

bool IsOwner(HWND AOwner, HWND AWnd) {
  if (!AOwner) return false;
  for (HWND w = GetParent(AWnd); w; w = GetParent(w))
    if (w == AOwner) return true;
  return false;
}

bool IsOwnerEx(HWND AOwner, HWND AWnd) { return AOwner && (AOwner == AWnd || IsOwner(AOwner, AWnd)); }

bool IsPointInDragDetectArea(const TPoint& P0, Integer X, Integer Y) {
  return std::abs(X - P0.x) < Mouse->DragThreshold && std::abs(Y - P0.y) < Mouse->DragThreshold;
}

TControl* GetMouseMessageControl(const TMessage& Message, TControl* AReceiver) {
  return Message.LParam ? reinterpret_cast<TControl*>(Message.LParam) : AReceiver;
}

bool IsNumericChar(char C, TcxNumberType AType) {
  if (C == '+' || C == '-' || (C >= '0' && C <= '9')) return true;
  switch (AType) {
    case ntFloat: return C == FormatSettings.DecimalSeparator;
    case ntExponent: return C == FormatSettings.DecimalSeparator || C == 'e' || C == 'E';
    default: return false;
  }
}

bool IsTextChar(char C) { return static_cast<unsigned char>(C) >= 32; }

Word TranslateKey(Word AKey) { return AKey; }

Word GET_APPCOMMAND_LPARAM(LPARAM lParam) { return HIWORD(static_cast<uintptr_t>(lParam)) & 0x0FFF; }

void MapWindowPoint(HWND AHandleFrom, HWND AHandleTo, TPoint& P) { MapWindowPoints(AHandleFrom, AHandleTo, &P, 1); }

void MapWindowRect(HWND AHandleFrom, HWND AHandleTo, TRect& R) {
  TPoint topLeft = R.TopLeft(), bottomRight = R.BottomRight();
  MapWindowPoint(AHandleFrom, AHandleTo, topLeft);
  MapWindowPoint(AHandleFrom, AHandleTo, bottomRight);
  R = TRect(topLeft, bottomRight);
}

void RecreateControlWnd(TWinControl* AControl) {
  if (AControl->HandleAllocated()) AControl->Perform(CM_RECREATEWND, 0, 0);
}

// ---- Monitors and the desktop -------------------------------------------------------------------------
TRect GetMonitorWorkArea(HMONITOR AMonitor) {
  using TGetMonitorInfo = BOOL (*)(HMONITOR, MONITORINFO*);
  auto getInfo = GetUser32Function<TGetMonitorInfo>("GetMonitorInfoA");
  if (AMonitor && getInfo) {
    MONITORINFO info;
    info.cbSize = 40;
    if (getInfo(AMonitor, &info)) return info.rcWork;
  }
  RECT r{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
  return r;
}

TRect GetDesktopWorkArea(const TPoint& P) {
  using TMonitorFromPoint = HMONITOR (*)(POINT, DWORD);
  auto fromPoint = GetUser32Function<TMonitorFromPoint>("MonitorFromPoint");
  return GetMonitorWorkArea(fromPoint ? fromPoint(P, MONITOR_DEFAULTTONEAREST) : nullptr);
}

void MakeVisibleOnDesktop(TRect& R, const TPoint& P) {
  const TRect area = GetDesktopWorkArea(P);
  if (R.right > area.right) R = cxRectOffset(R, area.right - R.right, 0);
  if (R.bottom > area.bottom) R = cxRectOffset(R, 0, area.bottom - R.bottom);
  if (R.left < area.left) R = cxRectOffset(R, area.left - R.left, 0);
  if (R.top < area.top) R = cxRectOffset(R, 0, area.top - R.top);
}

void MakeVisibleOnDesktop(TControl* AControl) {
  TRect r = AControl->GetBoundsRect();
  MakeVisibleOnDesktop(r, r.TopLeft());
  AControl->SetBoundsRect(r);
}

// ---- Text and dialogs ---------------------------------------------------------------------------------
String RemoveAccelChars(const String& S, bool AAppendTermChar) {
  String result;
  result.reserve(S.size());
  for (size_t i = 0; i < S.size(); ++i) {
    if (S[i] != '&') {
      result += S[i];
    } else if (i + 1 < S.size()) {
      result += S[++i];
    } else if (AAppendTermChar) {
      result += '_';
    }
  }
  return result;
}

void DialogApplyFont(TCustomForm* AForm, TFont* AFont) {
  const Integer oldHeight = cxTextHeight(AForm->GetFont(), "Qq");
  const Integer oldClientWidth = AForm->GetClientWidth(), oldClientHeight = AForm->GetClientHeight();
  AForm->SetFont(AFont);
  const Integer newHeight = cxTextHeight(AForm->GetFont(), "Qq");
  if (oldHeight == 0) return;
  for (Integer i = 0; i < AForm->ControlCount(); ++i) AForm->Controls(i)->ChangeScale(newHeight, oldHeight);
  AForm->SetClientWidth(MulDiv(oldClientWidth, newHeight, oldHeight));
  AForm->SetClientHeight(MulDiv(oldClientHeight, newHeight, oldHeight));
}

TcxPosition GetPointPosition(const TRect& R, const TPoint& P, bool AHorzSeparation, bool AVertSeparation) {
  // Which side of the line from A to B the point lies on (the sign of the cross product).
  auto side = [&P](const TPoint& A, const TPoint& B) {
    return (P.x - A.x) * (B.y - A.y) - (P.y - A.y) * (B.x - A.x);
  };
  if (AHorzSeparation && AVertSeparation) {
    const bool s1 = side(TPoint(R.left, R.bottom), TPoint(R.right, R.top)) >= 0;
    const bool s2 = side(TPoint(R.left, R.top), TPoint(R.right, R.bottom)) >= 0;
    if (s1 && s2) return posTop;
    if (s1) return posLeft;
    if (s2) return posRight;
    return posBottom;
  }
  if (AHorzSeparation) return GetRangeCenter(R.left, R.right) > P.x ? posLeft : posRight;
  if (AVertSeparation) return GetRangeCenter(R.top, R.bottom) > P.y ? posTop : posBottom;
  return posNone;
}

// ---- Cursors, dragging, designers ------------------------------------------------------------------
void ShowHourglassCursor() {
  if (FHourglassCursorUseCount++ == 0) {
    FPrevScreenCursor = Screen->GetCursor();
    Screen->SetCursor(crHourGlass);
  }
}

void HideHourglassCursor() {
  if (FHourglassCursorUseCount == 0) return;
  if (--FHourglassCursorUseCount == 0) Screen->SetCursor(FPrevScreenCursor);
}

TcxDragDetect DragDetect(HWND AWnd) {
  TcxDragDetect result = ddCancel;
  const TPoint start = GetMouseCursorPos();
  const Integer threshold = Mouse->DragThreshold;
  const TRect dragArea(start.x - threshold, start.y - threshold, start.x + threshold, start.y + threshold);
  SetCapture(AWnd);
  TFinally release([AWnd] {
    if (GetCapture() == AWnd) ReleaseCapture();
  });
  bool done = false;
    while (!done && GetCapture() == AWnd) {
      MSG msg;
      if (!GetMessage(&msg, nullptr, 0, 0)) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        break;
      }
      TranslateMessage(&msg);
      DispatchMessage(&msg);
      switch (msg.message) {
        case WM_KEYDOWN:
        case WM_KEYUP:
          done = msg.wParam == VK_ESCAPE;
          break;
        case WM_MOUSEMOVE:
          if (msg.hwnd == AWnd) {
            // Positions left of or above the window are negative: the coordinates are signed.
            POINT p{static_cast<int16_t>(LOWORD(msg.lParam)), static_cast<int16_t>(HIWORD(msg.lParam))};
            ClientToScreen(AWnd, &p);
            if (!cxRectPtIn(dragArea, TPoint(p))) {
              result = ddDrag;
              done = true;
            }
          }
          break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
          result = ddNone;
          done = true;
          break;
        default: break;
      }
    }
  return result;
}

TDragObject* GetDragObject() { return FDragObject; }

void SetDragObject(TDragObject* AObject) { FDragObject = AObject; }

void SetDesignerModified(TComponent* AComponent) {
  auto* control = dynamic_cast<TcxControl*>(AComponent);
  const bool designing = control ? control->IsDesigning() : AComponent->ComponentState().Contains(csDesigning);
  if (!designing) return;
  if (IDesignerNotify* designer = FindRootDesigner(AComponent)) designer->Modified();
}

// ---- Popup menus ----------------------------------------------------------------------------------------
bool ShowPopupMenu(TComponent* ACaller, TComponent* AMenu, Integer X, Integer Y) {
  if (!AMenu) return false;
  if (auto* menu = Supports<IcxPopupMenu>(AMenu)) {
    menu->Popup(X, Y);
    return true;
  }
  if (auto* menu = dynamic_cast<TPopupMenu*>(AMenu); menu && menu->GetAutoPopup()) {
    menu->SetPopupComponent(ACaller);
    menu->Popup(X, Y);
    return true;
  }
  return false;
}

bool ShowPopupMenuFromCursorPos(TComponent* ACaller, TComponent* AMenu) {
  const TPoint p = GetMouseCursorPos();
  return ShowPopupMenu(ACaller, AMenu, p.x, p.y);
}

bool IsPopupMenuShortCut(TComponent* AMenu, TMessage& Message) {
  if (!AMenu) return false;
  if (auto* menu = Supports<IcxPopupMenu>(AMenu)) return menu->IsShortCutKey(Message);
  if (auto* menu = dynamic_cast<TPopupMenu*>(AMenu); menu && menu->GetWindowHandle())
    return menu->IsShortCut(Message);
  return false;
}

Integer GetPopupMenuHeight(TPopupMenu* AMenu) {
  HDC dc = GetDC(nullptr);
  TCanvas* canvas = New<TCanvas>();
  TFinally release([dc, canvas] {
    canvas->SetHandle(nullptr);
    canvas->Free();
    ReleaseDC(nullptr, dc);
  });
  Integer height = 4;
  {
    canvas->SetHandle(dc);
    canvas->SetFont(Screen->MenuFont());
    const Integer baseHeight = canvas->TextHeight("Qg") + 4;
    TMenuItem* items = AMenu->GetItems();
    for (Integer i = 0; i < items->GetCount(); ++i) {
      TMenuItem* item = items->GetItem(i);
      if (!item->GetVisible()) continue;
      Integer itemHeight = baseHeight;
      if (AMenu->GetOwnerDraw() || AMenu->GetImages() || (item->HasBitmap() && !item->GetBitmap()->GetEmpty())) {
        Integer width = 0;
        item->MeasureItem(canvas, width, itemHeight);
      }
      height += itemHeight;
    }
  }
  return height;
}

}  // namespace cxControls
