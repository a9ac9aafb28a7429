// The toolbar window's frame under the mouse: which part of the window a point hits, the close and
// caption buttons with their own loop, the double click on the caption, sizing a floating toolbar and
// keeping it on a monitor.
#include <algorithm>

#include "Forms.h"
#include "WinUser.h"
#include "cxClassesLinks.h"
#include "cxGeometry.h"
#include "dxBarBar.h"
#include "dxBarCaptionButtons.h"
#include "dxBarDock.h"
#include "dxBarItemControl.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"
#include "dxBarToolbarControl.h"
#include "dxBarUnit.h"

namespace dxBar {

namespace {

BOOL MeetWorkArea(HMONITOR AMonitor, HDC, RECT*, LPARAM AData) {
  auto* bounds = reinterpret_cast<std::pair<TRect, bool>*>(AData);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  RECT common;
  if (GetMonitorInfoA(AMonitor, &info) && IntersectRect(&common, &info.rcWork, &bounds->first)) bounds->second = true;
  return !bounds->second;
}

bool IntersectsAnyWorkArea(const TRect& ABounds) {
  std::pair<TRect, bool> data(ABounds, false);
  EnumDisplayMonitors(nullptr, nullptr, &MeetWorkArea, reinterpret_cast<LPARAM>(&data));
  return data.second;
}
}  // namespace

// ---- Hit-testing ------------------------------------------------------------------------------------------------
// Apart from the border bands and the close button of a floating toolbar, a status bar's grip and an MDI
// button or the mark outside the client area, the window answers HTCLIENT; FLastHitTest keeps what the
// press there means (HTCAPTION starts moving the toolbar).
void TdxBarControl::WMNCHitTest(TMessage& Message) {
  inherited::WndProc(Message);
  // The window has no system border: the frame's own parts, which the platform reports as border,
  // are no part of the system's.
  const LRESULT hit = Message.Result == HTBORDER ? HTNOWHERE : Message.Result;
  if (GetBehaviorOptions().Contains(bboUnmoved)) {
    FLastHitTest = static_cast<Integer>(hit);
    return;
  }
  FLastHitTest = 0;
  const TPoint screen(static_cast<SHORT>(LOWORD(Message.LParam)), static_cast<SHORT>(HIWORD(Message.LParam)));
  const TPoint point = ScreenToClient(screen);
  auto itemWantsMouse = [&]() {
    TdxBarItemControl* control = ItemAtPos(point);
    return control && (GetIsCustomizing() || control->HotPartWantMouse());
  };
  if (GetDockingStyle() != dsNone) {
    const bool idleClient = hit == HTCLIENT && !itemWantsMouse();
    if (idleClient || hit == HTNOWHERE) {
      const bool notBefore = GetVertical() ? point.y >= 0 : point.x >= 0;
      const TRect mark = MarkRect();
      const TRect grip = SizeGripRect();
      if (notBefore && (MDIButtonAt(point) >= 0 || (MarkExists() && PtInRect(&mark, point)))) return;
      if (FHasSizeGrip && PtInRect(&grip, point)) {
        Message.Result = FLastHitTest = HTBOTTOMRIGHT;
        return;
      }
      FLastHitTest = HTCAPTION;
    } else {
      FLastHitTest = static_cast<Integer>(hit);
    }
    Message.Result = HTCLIENT;
    return;
  }
  if (hit == HTNOWHERE) {
    const TRect window = GetWindowRect();
    const TPoint p(screen.x - window.left, screen.y - window.top);
    TdxBarPainter* painter = GetPainter();
    const Integer bx = painter ? painter->BorderSizeX() : 0, by = painter ? painter->BorderSizeY() : 0;
    if (p.y < by)
      FLastHitTest = HTTOP;
    else if (p.x >= window.Width() - bx)
      FLastHitTest = HTRIGHT;
    else if (p.y >= window.Height() - by)
      FLastHitTest = HTBOTTOM;
    else if (p.x < bx)
      FLastHitTest = HTLEFT;
    if (FLastHitTest) {
      Message.Result = FLastHitTest;
      return;
    }
    Message.Result = HTCLIENT;
    const TRect closeRect = CloseButtonRectNC();
    const TRect mark = MarkNCRect();
    if (!GetIsCustomizing() && MarkExists() && PtInRect(&mark, p)) {
      FLastHitTest = HTCLIENT;
    } else if (PtInRect(&closeRect, p)) {
      if (painter && painter->BarUseSystemClose()) {
        Message.Result = HTCLOSE;
        FLastHitTest = HTCLIENT;
      } else {
        FLastHitTest = HTCLOSE;
      }
    } else {
      FLastHitTest = HTCAPTION;
    }
    return;
  }
  if (hit == HTCLIENT) {
    if (!itemWantsMouse() && MDIButtonAt(point) < 0) FLastHitTest = HTCAPTION;
    return;
  }
  FLastHitTest = static_cast<Integer>(hit);
}

// ---- Close and caption buttons -------------------------------------------------------------------------------------
// -2 over the close button, else the caption button under the cursor (-1 for none).
Integer TdxBarControl::NCButtonIndexAtCursor() {
  const TRect window = GetWindowRect();
  const TPoint cursor = Mouse->GetCursorPos();
  const TPoint p(cursor.x - window.left, cursor.y - window.top);
  const TRect closeRect = CloseButtonRectNC();
  if (PtInRect(&closeRect, p)) return -2;
  TdxBarCaptionButtons* buttons = GetCaptionButtons();
  return buttons ? buttons->GetButtonIndex(p) : -1;
}

void TdxBarControl::UpdateNCButtonLook(Integer AIndex, bool APressed) {
  const TRect window = GetWindowRect();
  const TPoint cursor = Mouse->GetCursorPos();
  const TPoint p(cursor.x - window.left, cursor.y - window.top);
  if (AIndex == -2) {
    const TRect closeRect = CloseButtonRectNC();
    const TdxBarMarkState state = PtInRect(&closeRect, p) ? (APressed ? msPressed : msSelected) : msNone;
    if (state != FCloseButtonState) {
      FCloseButtonState = state;
      HDC DC = GetWindowDC(GetHandle());
      DrawCloseButton(DC);
      ReleaseDC(GetHandle(), DC);
    }
  } else if (TdxBarCaptionButtons* buttons = GetCaptionButtons()) {
    buttons->UpdateButtonStates(p, APressed);
  }
}

// The button's own loop while the left button is held: it owns the capture; the click counts only when
// the release comes over the button pressed. False also when another window took the capture.
bool TdxBarControl::RunNCButtonLoop(Integer AIndex) {
  TcxObjectLinkHolder self(this);
  SetCapture(GetHandle());
  bool clicked = false;
  MSG msg;
  while (self.Alive() && HandleAllocated() && GetCapture() == GetHandle()) {
    const BOOL got = GetMessage(&msg, nullptr, 0, 0);
    if (got <= 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (msg.message == WM_MOUSEMOVE && msg.hwnd == GetHandle()) {
      const TRect window = GetWindowRect();
      const TPoint cursor = Mouse->GetCursorPos();
      if (PtInRect(&window, cursor)) {
        if (GetLastMousePos() == cxInvalidPoint) DoBarMouseEnter(nullptr);
        SetLastMousePos(cursor);
      }
      UpdateNCButtonLook(AIndex, true);
    } else if (msg.message == WM_LBUTTONUP) {
      clicked = NCButtonIndexAtCursor() == AIndex;
      break;
    } else {
      TranslateMessage(&msg);
      DispatchMessage(&msg);
    }
  }
  if (!self.Alive()) return false;
  if (HandleAllocated() && GetCapture() == GetHandle()) ReleaseCapture();
  return clicked;
}

void TdxBarControl::WMNCLButtonDown(TMessage& Message) {
  TcxObjectLinkHolder self(this);
  if (NeedHideOnNCMouseClick()) HideAll();
  if (!self.Alive() || !HandleAllocated()) return;
  const Integer index = NCButtonIndexAtCursor();
  if (index == -1) {
    inherited::WndProc(Message);
    return;
  }
  TdxBarManager* manager = GetBarManager();
  if (manager && !manager->GetHideFloatingBarsWhenInactive())
    if (Forms::TCustomForm* form = manager->GetParentForm(); form && form->HandleAllocated())
      SetActiveWindow(form->GetHandle());
  UpdateNCButtonLook(index, true);
  const bool clicked = RunNCButtonLoop(index);
  if (!self.Alive()) return;
  if (index == -2) {
    const TRect window = GetWindowRect();
    const TPoint cursor = Mouse->GetCursorPos();
    const TRect closeRect = CloseButtonRectNC();
    FCloseButtonState = PtInRect(&closeRect, TPoint(cursor.x - window.left, cursor.y - window.top)) ? msSelected : msNone;
    if (HandleAllocated()) {
      HDC DC = GetWindowDC(GetHandle());
      DrawCloseButton(DC);
      ReleaseDC(GetHandle(), DC);
    }
  } else if (TdxBarCaptionButtons* buttons = GetCaptionButtons()) {
    buttons->UpdateButtonStates(cxInvalidPoint, false);
  }
  if (!clicked) return;
  if (index == -2) {
    TdxBar* bar = FBar;
    if (!bar || !manager) return;
    bar->SetVisible(false);
    manager->DesignerModified();
    manager->DoBarClose(bar);
  } else {
    CaptionButtonClick(index);
  }
}

void TdxBarControl::CaptionButtonClick(Integer AIndex) {
  TdxBar* bar = FIsPopup && FPopupOwnerBar ? FPopupOwnerBar : FBar;
  TdxBarCaptionButtons* buttons = bar ? bar->GetCaptionButtons() : nullptr;
  if (!buttons || AIndex < 0 || AIndex >= buttons->Count()) return;
  TdxBarCaptionButton* button = buttons->GetItem(AIndex);
  if (!NeedHideOnNCMouseClick()) {
    button->Click();
    return;
  }
  CloseUp();
  button->Click();
}

// ---- Double click on the caption -----------------------------------------------------------------------------------
// A docked toolbar floats; a floating one docks where it was last docked (the main top dock, in a new
// last row, when it never was).
void TdxBarControl::CaptionDblClick() {
  TdxBarManager* manager = GetBarManager();
  if (!FBar || !manager || manager->GetDesigning()) return;
  TdxBarDockingStyle style = dsNone;
  TdxDockControl* dock = nullptr;
  bool newRow = false;
  if (GetDockingStyle() == dsNone) {
    style = FBar->GetDockedDockingStyle();
    dock = FBar->GetDockedDockControl();
    if (style == dsNone) {
      style = dsTop;
      newRow = true;
    }
    if (!dock) dock = manager->GetInternalDockControl(style);
  }
  if (!manager->DoDocking(FBar, style, dock)) return;
  TdxBar* bar = FBar;
  bar->SetVisible(false);
  if (style == dsNone) {
    bar->SetDockingStyle(dsNone);
  } else {
    if (newRow && dock) {
      bar->SetOneOnRow(true);
      bar->SetRow(dock->GetRowCount());
    }
    bar->ChangeDockingStyle(style, dock);
  }
  bar->SetVisible(true);
}

// ---- Floating sizing -----------------------------------------------------------------------------------------------
void TdxBarControl::WMSizing(TMessage& Message) {
  auto* R = reinterpret_cast<RECT*>(Message.LParam);
  Message.Result = TRUE;
  if (GetDockingStyle() != dsNone || !FBar || !R) return;
  const TRect current = GetBoundsRect();
  const Integer ncX = FBar->BarNCSizeX(dsNone), ncY = FBar->BarNCSizeY(dsNone);
  switch (Message.WParam) {
    case WMSZ_LEFT:
    case WMSZ_RIGHT: {
      const TPoint size = GetSizeForWidth(dsNone, (R->right - R->left) - ncX);
      if (Message.WParam == WMSZ_LEFT)
        R->left = R->right - size.x - ncX;
      else
        R->right = R->left + size.x + ncX;
      R->bottom = R->top + size.y + ncY;
      break;
    }
    case WMSZ_TOP:
    case WMSZ_BOTTOM: {
      const TPoint size = GetSizeForHeight(dsNone, (R->bottom - R->top) - ncY);
      if (Message.WParam == WMSZ_TOP)
        R->top = R->bottom - size.y - ncY;
      else
        R->bottom = R->top + size.y + ncY;
      R->right = R->left + size.x + ncX;
      break;
    }
    default:
      *R = current;
      break;
  }
  if (R->top < -15) {
    const Integer shift = -15 - R->top;
    R->top += shift;
    R->bottom += shift;
  }
}

void TdxBarControl::WMGetMinMaxInfo(TMessage& Message) {
  inherited::WndProc(Message);
  auto* info = reinterpret_cast<MINMAXINFO*>(Message.LParam);
  if (!info) return;
  info->ptMinTrackSize = {10, 10};
  info->ptMaxSize = {30000, 30000};
  info->ptMaxPosition = {30000, 30000};
  info->ptMaxTrackSize = {30000, 30000};
}

// A floating toolbar that would lie beside every monitor's work area is brought back to the edge of the
// work area under the cursor.
void TdxBarControl::WMWindowPosChanging(TMessage& Message) {
  auto* pos = reinterpret_cast<WINDOWPOS*>(Message.LParam);
  if (!pos || GetDockingStyle() != dsNone || !HandleAllocated()) return;
  if ((pos->flags & SWP_NOMOVE) && (pos->flags & SWP_NOSIZE)) return;
  const TRect current = GetWindowRect();
  const Integer left = (pos->flags & SWP_NOMOVE) ? current.left : pos->x;
  const Integer top = (pos->flags & SWP_NOMOVE) ? current.top : pos->y;
  const Integer width = (pos->flags & SWP_NOSIZE) ? current.Width() : pos->cx;
  const Integer height = (pos->flags & SWP_NOSIZE) ? current.Height() : pos->cy;
  const TRect bounds(left, top, left + width, top + height);
  if (IntersectsAnyWorkArea(bounds)) return;
  const TRect work = GetWorkArea(Mouse->GetCursorPos());
  TPoint p(left, top);
  bool moved = false;
  auto place = [&](const TPoint& ANew) {
    p = ANew;
    moved = true;
  };
  if (work.left >= bounds.right) place(TPoint(work.left, top));
  if (work.top >= bounds.bottom) place(TPoint(left, work.top));
  if (bounds.left >= work.right) place(TPoint(work.right - width, top));
  if (bounds.top >= work.bottom) place(TPoint(left, work.bottom - height));
  if (!moved) return;
  pos->x = p.x;
  pos->y = p.y;
  pos->flags &= ~SWP_NOMOVE;
}

// ---- Cursor --------------------------------------------------------------------------------------------------------
void TdxBarControl::WMSetCursor(TMessage& Message) {
  TdxBarItemControl* selected = GetSelectedControl();
  if (FResizing || (GetIsCustomizing() && selected && selected->CanResize(ScreenToClient(Mouse->GetCursorPos())))) {
    ::SetCursor(Screen->GetCursors(crdxBarEditSizing));
    Message.Result = TRUE;
    return;
  }
  if (!FMoving && CanMoving() && LOWORD(Message.LParam) == HTCLIENT) {
    const TRect bounds = GetSizeAllCursorBounds();
    const TPoint p = ScreenToClient(Mouse->GetCursorPos());
    if (PtInRect(&bounds, p)) {
      ::SetCursor(Screen->GetCursors(crSizeAll));
      Message.Result = TRUE;
      return;
    }
  }
  inherited::WndProc(Message);
}

}  // namespace dxBar
