#include "cxControlsPopupWindow.h"

#include <algorithm>

#include "WinUser.h"
#include "cxControlsInternal.h"
#include "cxGeometry.h"

namespace cxControls {

IMPLEMENT_CLASS(TcxPopupWindow)

void TcxPopupWindow::Construct() {
  inherited::Construct();
  TCustomForm::SetBorderStyle(bsNone);
  // The popup lays out its content itself: scroll bars of its own would only eat into it while its
  // content is placed before or after it is sized.
  SetAutoScroll(false);
  SetDefaultMonitor(dmDesktop);
  SetFormStyle(fsStayOnTop);
  FFormCanvas = New<TControlCanvas>();
  FFormCanvas->SetControl(this);
  FCanvas = New<TcxCanvas>(FFormCanvas);
}

void TcxPopupWindow::Destroy() {
  FreeAndNil(FCanvas);
  FreeAndNil(FFormCanvas);
  inherited::Destroy();
}

void TcxPopupWindow::PaintWindow(HDC DC) {
  FFormCanvas->FreeHandle();
  FFormCanvas->Lock();
  FFormCanvas->SetHandle(DC);
  TFinally release([this] {
    FFormCanvas->SetHandle(nullptr);
    FFormCanvas->Unlock();
  });
  Paint();
}

// ---- Frame and size -----------------------------------------------------------------------------------
Integer TcxPopupWindow::GetFrameWidth(TcxBorder) {
  switch (FBorderStyle) {
    case pbsUltraFlat:
    case pbsFlat: return 1;
    case pbs3D: return 2;
    default: return 0;
  }
}

Integer TcxPopupWindow::GetBorderWidth(TcxBorder ABorder) { return GetFrameWidth(ABorder) + FBorderSpace; }

Integer TcxPopupWindow::GetNCWidth() { return GetBorderWidth(bLeft) + GetBorderWidth(bRight); }

Integer TcxPopupWindow::GetNCHeight() { return GetBorderWidth(bTop) + GetBorderWidth(bBottom); }

TRect TcxPopupWindow::GetClientBounds() {
  return cxRectInflate(GetClientRect(), -GetBorderWidth(bLeft), -GetBorderWidth(bTop), -GetBorderWidth(bRight),
                       -GetBorderWidth(bBottom));
}

void TcxPopupWindow::RestoreControlsBounds() {
  const Integer dx = GetBorderWidth(bLeft), dy = GetBorderWidth(bTop);
  for (Integer i = 0; i < ControlCount(); ++i) {
    TControl* control = Controls(i);
    control->SetBounds(control->GetLeft() - dx, control->GetTop() - dy, control->GetWidth(), control->GetHeight());
  }
}

void TcxPopupWindow::SetBorderSpace(Integer Value) {
  RestoreControlsBounds();
  FBorderSpace = Value;
}

void TcxPopupWindow::SetBorderStyle(TcxPopupBorderStyle Value) {
  RestoreControlsBounds();
  FBorderStyle = Value;
}

void TcxPopupWindow::CalculateSize() {
  if (!FAdjustable) return;
  Integer right = 0, bottom = 0;
  const Integer dx = GetBorderWidth(bLeft), dy = GetBorderWidth(bTop);
  for (Integer i = 0; i < ControlCount(); ++i) {
    TControl* control = Controls(i);
    right = std::max(right, control->GetLeft() + control->GetWidth());
    bottom = std::max(bottom, control->GetTop() + control->GetHeight());
    control->SetBounds(control->GetLeft() + dx, control->GetTop() + dy, control->GetWidth(), control->GetHeight());
  }
  if (ControlCount() == 0) return;
  SetWidth(dx + right + GetBorderWidth(bRight));
  SetHeight(dy + bottom + GetBorderWidth(bBottom));
}

void TcxPopupWindow::DrawFrame() {
  TRect r(0, 0, GetWidth(), GetHeight());
  switch (FBorderStyle) {
    case pbsUltraFlat: FCanvas->FrameRect(r, FFrameColor); break;
    case pbsFlat: FCanvas->DrawEdge(r, false, false); break;
    case pbs3D:
      FCanvas->DrawEdge(r, false, true);
      FCanvas->DrawEdge(cxRectInflate(r, -1, -1), false, false);
      break;
    default: break;
  }
}

// ---- Placement --------------------------------------------------------------------------------------
TRect TcxPopupWindow::GetOwnerScreenBounds() {
  if (!FOwnerParent) return FOwnerBounds;
  return TRect(FOwnerParent->ClientToScreen(FOwnerBounds.TopLeft()),
               FOwnerParent->ClientToScreen(FOwnerBounds.BottomRight()));
}

TPoint TcxPopupWindow::CalculatePosition() {
  const TRect r = GetOwnerScreenBounds();
  const Integer w = GetWidth(), h = GetHeight();
  TcxPopupAlignHorz alignHorz = FAlignHorz;
  TcxPopupAlignVert alignVert = FAlignVert;
  TPoint p, desktop;
  if (alignHorz == pahCenter) desktop.x = p.x = (r.left + r.right - w) / 2;
  if (alignVert == pavCenter) desktop.y = p.y = (r.top + r.bottom - h) / 2;
  // Beside the area (horizontal) or above and below it (vertical), on the sides the alignments ask.
  auto place = [&] {
    const bool beside = FDirection == pdHorizontal;
    if (alignHorz == pahLeft) {
      p.x = beside ? r.left - w : r.left;
      desktop.x = r.left;
    } else if (alignHorz == pahRight) {
      p.x = beside ? r.right : r.right - w;
      desktop.x = r.right;
    }
    if (alignVert == pavTop) {
      p.y = beside ? r.top : r.top - h;
      desktop.y = r.top;
    } else if (alignVert == pavBottom) {
      p.y = beside ? r.bottom - h : r.bottom;
      desktop.y = r.bottom;
    }
  };
  place();
  const TRect area = GetDesktopWorkArea(desktop);
  // Flipped to the other side along the direction where that side has more room.
  if (FDirection == pdHorizontal) {
    const Integer roomLeft = r.left - area.left, roomRight = area.right - r.right;
    if (alignHorz == pahLeft && p.x < area.left && roomLeft <= roomRight) alignHorz = pahRight;
    else if (alignHorz == pahRight && p.x + w > area.right && roomLeft > roomRight) alignHorz = pahLeft;
  } else {
    const Integer roomAbove = r.top - area.top, roomBelow = area.bottom - r.bottom;
    if (alignVert == pavTop && p.y < area.top && roomAbove <= roomBelow) alignVert = pavBottom;
    else if (alignVert == pavBottom && p.y + h > area.bottom && roomAbove > roomBelow) alignVert = pavTop;
  }
  place();
  // Kept inside the work area on both axes: a popup that fits on neither side of the area is moved
  // over it rather than off the screen.
  p.x = std::max<LONG>(std::min<LONG>(p.x, area.right - w), area.left);
  p.y = std::max<LONG>(std::min<LONG>(p.y, area.bottom - h), area.top);
  return p;
}

// ---- Showing and closing ----------------------------------------------------------------------------
void TcxPopupWindow::InitPopup() {
  if (FOwnerParent) SetFont(FOwnerParent->GetFont());
}

void TcxPopupWindow::Popup() {
  InitPopup();
  CalculateSize();
  SetLeft(CalculatePosition().x);
  SetTop(CalculatePosition().y);
  Show();
}

void TcxPopupWindow::CloseUp() { Hide(); }

void TcxPopupWindow::Deactivate() {
  inherited::Deactivate();
  CloseUp();
}

void TcxPopupWindow::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ACTIVATE:
      inherited::Dispatch(Message);
      if (LOWORD(Message.WParam) != WA_INACTIVE) {
        // The window the popup was opened from keeps its caption painted active.
        FPrevActiveWindow = reinterpret_cast<HWND>(Message.LParam);
        if (FPrevActiveWindow) SendMessage(FPrevActiveWindow, WM_NCACTIVATE, TRUE, 0);
      }
      return;
    case WM_ACTIVATEAPP:
      DefaultHandler(Message);
      if (!Message.WParam) {
        if (FPrevActiveWindow && IsWindow(FPrevActiveWindow)) SendMessage(FPrevActiveWindow, WM_NCACTIVATE, FALSE, 0);
        CloseUp();
      }
      return;
    case CM_VISIBLECHANGED:
      inherited::Dispatch(Message);
      VisibleChanged();
      return;
    default: inherited::Dispatch(Message);
  }
}

}  // namespace cxControls
