// The drop-down editors' popup window: its border, system panel, size and position against the
// editor, and sizing with the mouse along its free edges and at the grip.
#include "Forms.h"
#include "WinUser.h"
#include "cxContainerUtils.h"
#include "cxControlsDragImages.h"
#include "cxControlsUtils.h"
#include <limits>

#include "Strings.h"
#include "cxControlsInternal.h"
#include "cxVariants.h"
#include "cxDropDownEdit.h"
#include "cxDWMApi.h"
#include "cxEditUtils.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"

namespace cxDropDownEdit {

IMPLEMENT_CLASS(TcxCustomEditPopupWindowViewInfo)
IMPLEMENT_CLASS(TcxCustomEditPopupWindow)

namespace {
constexpr Integer ShadowWidth = 3;

// Shared by all popup windows: only one can be sized at a time.
struct TPopupSizingState {
  bool Sizing = false;
  bool SizingCursorShown = false;
  Integer HorzDirection = 0, VertDirection = 0;
  TPoint Offset;  // the pointer's distance from the moving edges when sizing started
  TRect LastFrameRect;
} FSizing;

Integer BaseSysPanelHeight() { return std::max(GetSystemMetrics(SM_CYHSCROLL), GetSystemMetrics(SM_CYSIZE)); }

TCursor CursorByDirection(Integer AHorz, Integer AVert) {
  if (AHorz != 0 && AVert != 0) return AHorz == AVert ? crSizeNWSE : crSizeNESW;
  if (AHorz != 0) return crSizeWE;
  if (AVert != 0) return crSizeNS;
  return crDefault;
}
}  // namespace

// ---- View info --------------------------------------------------------------------------------------

Integer TcxCustomEditPopupWindowViewInfo::GetPopupBorderWidth() {
  if (OnCustomDrawBorder) {
    bool handled = false;
    Integer width = 0;
    OnCustomDrawBorder(this, nullptr, Bounds, handled, width);
    if (handled) return width;
  }
  if (NativeStyle || Painter) return 1;
  static constexpr Integer widths[] = {0, 1, 4, 2};
  return widths[PopupBorderStyle];
}

Integer TcxCustomEditPopupWindowViewInfo::GetClientEdgeWidth() {
  if (!ClientEdge) return 0;
  if (NativeStyle || Painter) return 2;
  static constexpr Integer widths[] = {0, 2, 2, 1};
  return widths[PopupBorderStyle];
}

Integer TcxCustomEditPopupWindowViewInfo::GetSysPanelHeight() {
  Integer height = BaseSysPanelHeight();
  if (MinSysPanelHeight > 0) height = std::max(height, MinSysPanelHeight);
  return height;
}

TRect TcxCustomEditPopupWindowViewInfo::GetBorderExtent() {
  const Integer w = GetPopupBorderWidth() + GetClientEdgeWidth();
  TRect r(w, w, w, w);
  if (Shadow) {
    r.right += ShadowWidth;
    r.bottom += ShadowWidth;
  }
  SysPanelHeight = SysPanelStyle ? GetSysPanelHeight() : 0;
  if (SysPanelStyle) {
    const Integer separator = NativeStyle || PopupBorderStyle == epbsSingle || Painter ? 1 : 0;
    (IsBottomCorner(SizeGripCorner) ? r.bottom : r.top) += SysPanelHeight + separator;
  }
  SizingRegionBounds = BaseSysPanelHeight();
  return r;
}

void TcxCustomEditPopupWindowViewInfo::Calculate() {
  const TRect origin = TRect(0, 0, cxRectWidth(Bounds), cxRectHeight(Bounds));
  const TRect extent = GetBorderExtent();
  ClientRect = TRect(extent.left, extent.top, origin.right - extent.right, origin.bottom - extent.bottom);
  const Integer inset = GetPopupBorderWidth() + (SysPanelStyle ? 0 : GetClientEdgeWidth());
  SysPanelRect = cxRectInflate(origin, -inset, -inset);
  if (Shadow) {
    SysPanelRect.right -= ShadowWidth;
    SysPanelRect.bottom -= ShadowWidth;
  }
  if (IsBottomCorner(SizeGripCorner))
    SysPanelRect.top = SysPanelRect.bottom - SysPanelHeight;
  else
    SysPanelRect.bottom = SysPanelRect.top + SysPanelHeight;
  SizeGripRect = SizeGripSizingRect = CloseButtonRect = TRect();
  if (!SysPanelStyle) return;
  const bool right = IsRightCorner(SizeGripCorner), bottom = IsBottomCorner(SizeGripCorner);
  if (Sizeable) {
    const Integer size = SysPanelHeight - 2;
    TRect r = SysPanelRect;
    if (right) r.left = r.right - size; else r.right = r.left + size;
    if (bottom) r.top = r.bottom - size; else r.bottom = r.top + size;
    SizeGripSizingRect = r;
    SizeGripRect = r;
    (right ? SizeGripRect.right : SizeGripRect.left) += right ? -2 : 2;
    (bottom ? SizeGripRect.bottom : SizeGripRect.top) += bottom ? -2 : 2;
  }
  if (CloseButton) {
    const Integer size = SysPanelHeight - 4;
    TRect r;
    if (right) {
      r.left = SysPanelRect.left + 2 + 1;
      r.right = r.left + size;
    } else {
      r.right = SysPanelRect.right - 2 - 1;
      r.left = r.right - size;
    }
    r.top = bottom ? SysPanelRect.bottom - 2 - size : SysPanelRect.top + 2;
    r.bottom = r.top + size;
    CloseButtonRect = r;
  }
}

bool TcxCustomEditPopupWindowViewInfo::IsSizingPlace(Integer X, Integer Y, Integer& AHorzDirection,
                                                     Integer& AVertDirection) {
  AHorzDirection = AVertDirection = 0;
  const TPoint p(X, Y);
  if (!Sizeable || !cxRectPtIn(TRect(0, 0, cxRectWidth(Bounds), cxRectHeight(Bounds)), p)) return false;
  const bool right = IsRightCorner(SizeGripCorner), bottom = IsBottomCorner(SizeGripCorner);
  if (cxRectPtIn(SizeGripSizingRect, p)) {
    AHorzDirection = right ? 1 : -1;
    AVertDirection = bottom ? 1 : -1;
    return true;
  }
  if (SysPanelStyle && cxRectPtIn(SysPanelRect, p)) return false;
  const Integer width = cxRectWidth(Bounds), height = cxRectHeight(Bounds);
  if (!right && X < SizingRegionBounds) AHorzDirection = -1;
  if (right && X >= width - SizingRegionBounds) AHorzDirection = 1;
  if (!bottom && Y < SizingRegionBounds) AVertDirection = -1;
  if (bottom && Y >= height - SizingRegionBounds) AVertDirection = 1;
  // Away from the strips a press moves nothing: it is no sizing place.
  return AHorzDirection != 0 || AVertDirection != 0;
}

void TcxCustomEditPopupWindow::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  // The composited desktop draws the shadow of a natively drawn popup.
  TcxCustomDropDownEdit* edit = GetEdit();
  if (edit && edit->IsNativeStyle() && IsCompositionEnabled()) Params.WindowClass.style |= CS_DROPSHADOW;
}

void TcxCustomEditPopupWindowViewInfo::DrawBorder(TcxCanvas* ACanvas, TRect R) {
  if (OnCustomDrawBorder) {
    bool handled = false;
    Integer width = 0;
    OnCustomDrawBorder(this, ACanvas, R, handled, width);
    if (handled) return;
  }
  if (NativeStyle) {
    // With desktop composition the border is the list box theme's.
    TdxTheme theme = IsCompositionEnabled() ? OpenTheme(totListBox) : TdxTheme();
    if (theme) {
      const RECT r = R;
      DrawThemeBackground(theme, ACanvas->GetHandle(), 3, 3, &r, nullptr);
    } else {
      ACanvas->FrameRect(R, clBtnText);
    }
    return;
  }
  if (Painter) {
    ACanvas->FrameRect(R, Painter->GetContainerBorderColor(false));
    return;
  }
  switch (PopupBorderStyle) {
    case epbsSingle: ACanvas->FrameRect(R, clBtnText); break;
    case epbsFrame3D:
    case epbsFlat:
      ACanvas->DrawEdge(R, false, true);
      R = cxRectInflate(R, -1, -1);
      ACanvas->DrawEdge(R, false, false);
      if (PopupBorderStyle == epbsFrame3D) {
        R = cxRectInflate(R, -1, -1);
        ACanvas->FrameRect(R, ClientEdge ? clInactiveBorder : clBtnFace);
        R = cxRectInflate(R, -1, -1);
        if (ClientEdge)
          ACanvas->FrameRect(R, clBtnFace);
        else
          ACanvas->DrawEdge(R, true, true);
      }
      break;
    default: break;
  }
}

void TcxCustomEditPopupWindowViewInfo::DrawSizeGrip(TcxCanvas* ACanvas) {
  ACanvas->FillRect(SizeGripRect, clBtnFace);
  // Diagonal ridges toward the grip's corner, as the platform's grip draws them.
  const bool right = IsRightCorner(SizeGripCorner), bottom = IsBottomCorner(SizeGripCorner);
  const Integer size = std::min(cxRectWidth(SizeGripRect), cxRectHeight(SizeGripRect));
  const Integer x0 = right ? SizeGripRect.right - 1 : SizeGripRect.left;
  const Integer y0 = bottom ? SizeGripRect.bottom - 1 : SizeGripRect.top;
  const Integer dx = right ? -1 : 1, dy = bottom ? -1 : 1;
  for (Integer d = 2; d < size; d += 4)
    for (Integer line = 0; line < 3; ++line) {
      const Integer k = d + line;
      if (k >= size) break;
      const TColor color = line == 0 ? clBtnHighlight : clBtnShadow;
      for (Integer i = 0; i <= k; ++i) {
        const TRect pixel(x0 + dx * i, y0 + dy * (k - i), x0 + dx * i + 1, y0 + dy * (k - i) + 1);
        ACanvas->FillRect(pixel, color);
      }
    }
}

void TcxCustomEditPopupWindowViewInfo::DrawCloseButton(TcxCanvas* ACanvas) {
  TcxCustomLookAndFeelPainterClass painter = Painter ? Painter : GetPainterClass(NativeStyle, LookAndFeelKind);
  painter->DrawFilterCloseButton(ACanvas, CloseButtonRect, CloseButtonState);
}

void TcxCustomEditPopupWindowViewInfo::InternalPaint(TcxCanvas* ACanvas) {
  TRect r = TRect(0, 0, cxRectWidth(Bounds), cxRectHeight(Bounds));
  if (Shadow) {
    DrawContainerShadow(ACanvas, r);
    r.right -= ShadowWidth;
    r.bottom -= ShadowWidth;
  }
  DrawBorder(ACanvas, r);
  r = cxRectInflate(r, -GetPopupBorderWidth(), -GetPopupBorderWidth());
  const bool bottom = IsBottomCorner(SizeGripCorner);
  const Integer edge = GetClientEdgeWidth();
  const TColor lineColor = Painter ? Painter->GetContainerBorderColor(false) : TColor(clBtnText);
  if (SysPanelStyle && PopupBorderStyle == epbsSingle) {
    TRect line = cxRectInflate(ClientRect, edge, edge);
    line = bottom ? TRect(line.left, line.bottom, line.right, line.bottom + 1)
                  : TRect(line.left, line.top - 1, line.right, line.top);
    ACanvas->FillRect(line, lineColor);
  }
  if (ClientEdge) {
    TRect edgeRect = r;
    const Integer panel = SysPanelHeight + (SysPanelStyle && (NativeStyle || PopupBorderStyle == epbsSingle) ? 1 : 0);
    (bottom ? edgeRect.bottom : edgeRect.top) += bottom ? -panel : panel;
    ACanvas->DrawEdge(edgeRect, true, true);
    if (NativeStyle || PopupBorderStyle != epbsFlat) ACanvas->DrawEdge(cxRectInflate(edgeRect, -1, -1), true, false);
  }
  if (SysPanelStyle) {
    if (Sizeable) {
      DrawSizeGrip(ACanvas);
      ACanvas->ExcludeClipRect(SizeGripRect);
    }
    if (!cxRectIsEmpty(CloseButtonRect)) {
      DrawCloseButton(ACanvas);
      ACanvas->ExcludeClipRect(CloseButtonRect);
    }
  }
  ACanvas->FillRect(ClientRect, clBtnFace);
  if (SysPanelStyle) {
    TRect strip = r;
    if (bottom) strip.top = strip.bottom - SysPanelHeight; else strip.bottom = strip.top + SysPanelHeight;
    ACanvas->FillRect(strip, clBtnFace);
  }
}

// ---- Window -------------------------------------------------------------------------------------------

void TcxCustomEditPopupWindow::Destroy() {
  FreeAndNil(FSizeFrame);
  inherited::Destroy();
}

TcxCustomDropDownEdit* TcxCustomEditPopupWindow::GetEdit() const {
  return static_cast<TcxCustomDropDownEdit*>(GetOwnerControl());
}

bool TcxCustomEditPopupWindow::IsSizing() const { return FSizing.Sizing; }

bool TcxCustomEditPopupWindow::AcceptsAnySize() {
  return GetEdit()->GetActiveProperties()->PopupWindowAcceptsAnySize();
}

bool TcxCustomEditPopupWindow::NeedIgnoreMouseMessageAfterCloseUp(HWND AWnd, UINT AMsg, TShiftState AShift,
                                                                 const TPoint& APos) {
  // A press that closes the popup where a press opens it (the drop-down button, or the text area of
  // an editor that opens on a click there) must not open it again.
  TcxCustomDropDownEdit* edit = GetEdit();
  if (!edit || !edit->HandleAllocated() || (AMsg != WM_LBUTTONDOWN && AMsg != WM_LBUTTONDBLCLK)) return false;
  if (AWnd != edit->GetHandle() && !IsChild(edit->GetHandle(), AWnd)) return false;
  const TPoint p = edit->ScreenToClient(APos);
  const Integer index = edit->ButtonVisibleIndexAt(p);
  if (index != -1) return index == edit->GetActiveProperties()->DropDownButtonVisibleIndex();
  return edit->GetActiveProperties()->DropDownOnClick() && cxRectPtIn(edit->GetViewInfo()->ClientRect, p);
}

void TcxCustomEditPopupWindow::Deactivate() {
  // A form shown in the popup takes the focus as a form of its own: the popup stays open.
  const HWND focus = GetFocus();
  if (HandleAllocated() && focus && IsChild(GetHandle(), focus)) return;
  inherited::Deactivate();
}

void TcxCustomEditPopupWindow::Popup(TWinControl* AFocusedControl) {
  if (!IsOwnerControlVisible()) GetEdit()->DoFinalizePopup();
  inherited::Popup(AFocusedControl);
}

void TcxCustomEditPopupWindow::AdjustClientRect(TRect& Rect) {
  const TRect e = GetViewInfo()->GetClientExtent();
  Rect = TRect(Rect.left + e.left, Rect.top + e.top, Rect.right - e.right, Rect.bottom - e.bottom);
}

void TcxCustomEditPopupWindow::ModalCloseUp() {
  GetEdit()->CloseUp(ModalResult == mrOk ? crEnter : ModalResult == mrCancel ? crCancel : crUnknown);
}

void TcxCustomEditPopupWindow::DoClosing() {
  inherited::DoClosing();
  DrawSizeFrame(TRect());
}

void TcxCustomEditPopupWindow::DoClosed() {
  FSizing.Sizing = false;
  FSizing.SizingCursorShown = false;
  inherited::DoClosed();
}

void TcxCustomEditPopupWindow::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_POPUPCONTROLKEY) {
    if (IsVisible()) DoPopupControlKey(static_cast<char>(Message.WParam));
    return;
  }
  inherited::Dispatch(Message);
}

void TcxCustomEditPopupWindow::DoPopupControlKey(char Key) {
  if (HWND focus = GetFocus()) SendMessage(focus, WM_CHAR, static_cast<Byte>(Key), 0);
}

void TcxCustomEditPopupWindow::PopupWindowStyleChanged(TObject*) {
  // An open popup follows its style (the editor's look and feel) at once.
  if (IsVisible()) RefreshPopupWindow();
}

void TcxCustomEditPopupWindow::CalculateViewInfo() {
  TcxCustomEditPopupWindowViewInfo* info = GetViewInfo();
  info->Bounds = TRect(0, 0, GetWidth(), GetHeight());
  info->Calculate();
  info->LookAndFeelKind = GetEdit()->GetEditActiveStyle()->GetLookAndFeel()->GetKind();
}

void TcxCustomEditPopupWindow::RefreshPopupWindow() {
  SetOwnerBounds(GetEdit()->GetPopupWindowOwnerControlBounds());
  CalculateViewInfo();
  GetEdit()->PositionPopupWindowChilds(GetViewInfo()->ClientRect);
  if (HandleAllocated()) {
    InvalidateRect(GetHandle(), nullptr, TRUE);
    Update();
  }
}

void TcxCustomEditPopupWindow::Paint() {
  CalculateViewInfo();
  GetViewInfo()->Paint(GetCanvas());
}

void TcxCustomEditPopupWindow::Resize() {
  inherited::Resize();
  SetShadowRegion();
}

void TcxCustomEditPopupWindow::SetShadowRegion() {
  if (!HandleAllocated()) return;
  TcxCustomEditPopupWindowViewInfo* info = GetViewInfo();
  const bool shadow = info->Shadow && !info->NativeStyle;
  TRect r(0, 0, GetWidth(), GetHeight());
  TRect exclude;
  if (shadow && !IsBottomCorner(info->SizeGripCorner)) {
    // Above the editor: the shadow strip against the editor stays out of the window.
    const TRect owner = GetOwnerScreenBounds();
    const Integer left = owner.left - GetLeft();
    exclude = TRect(left, GetHeight() - ShadowWidth, left + cxRectWidth(owner) - ShadowWidth, GetHeight());
  }
  SetWindowShadowRegion(GetHandle(), r, !shadow, exclude, shadow);
}

TPoint TcxCustomEditPopupWindow::CalculatePosition() {
  SetOwnerBounds(GetEdit()->GetPopupWindowOwnerControlBounds());
  TPoint p = inherited::CalculatePosition();
  const TRect o = GetOwnerScreenBounds();
  const TRect w = GetDesktopWorkArea(p);
  const bool growsLeft = (GetAlignHorz() == pahRight && p.x + GetWidth() == o.right && p.x > w.left) ||
                         p.x + GetWidth() == o.left || (p.x + GetWidth() == w.right && p.x < o.right);
  const bool growsUp = (GetAlignVert() == pavBottom && p.y + GetHeight() == o.bottom && p.y > w.top) ||
                       p.y + GetHeight() == o.top || (p.y + GetHeight() == w.bottom && p.y < o.bottom);
  static constexpr TcxEditCorner corners[2][2] = {{ecoBottomRight, ecoTopRight}, {ecoBottomLeft, ecoTopLeft}};
  GetViewInfo()->SizeGripCorner = corners[growsLeft][growsUp];
  if (GetViewInfo()->Shadow && growsUp) p.y += ShadowWidth;
  return p;
}

TSize TcxCustomEditPopupWindow::GetMinSize() {
  TcxCustomEditPopupWindowViewInfo* info = GetViewInfo();
  const TRect e = info->GetClientExtent();
  TSize size{e.left + e.right, e.top + e.bottom};
  if (info->Sizeable && info->SysPanelStyle) {
    info->Bounds = TRect(0, 0, std::max<Integer>(GetWidth(), size.cx), std::max<Integer>(GetHeight(), size.cy));
    info->Calculate();
    size.cx += cxRectWidth(info->CloseButtonRect) + cxRectWidth(info->SizeGripSizingRect) + 10;
  }
  return size;
}

void TcxCustomEditPopupWindow::CalculateSize() {
  GetViewInfo()->SizeGripCorner = ecoBottomRight;
  SetOwnerBounds(GetEdit()->GetPopupWindowOwnerControlBounds());
  const TRect e = GetViewInfo()->GetClientExtent();
  const TSize m = GetMinSize();
  const TSize c = GetEdit()->GetPopupWindowClientPreferredSize();
  const bool sizeable = GetSizeable();
  Integer width = PopupAutoSize ? e.left + e.right + c.cx
                                : PreferredWidth != 0 ? PreferredWidth : cxRectWidth(GetOwnerBounds());
  if (sizeable && MinWidth > 0) width = std::max(width, MinWidth);
  width = std::max<Integer>(width, m.cx);
  Integer height = PopupAutoSize ? e.top + e.bottom + c.cy
                                 : PreferredHeight > 0 ? PreferredHeight : std::max<Integer>(m.cy, MinHeight);
  if (sizeable && MinHeight > 0) height = std::max(height, MinHeight);
  height = std::max<Integer>(height, m.cy);
  SetBounds(GetLeft(), GetTop(), width, height);
}

TSize TcxCustomEditPopupWindow::GetMaxVisualAreaSize() {
  TRect owner = GetEdit()->GetPopupWindowOwnerControlBounds();
  if (GetEdit()->GetParent()) {
    TWinControl* parent = GetEdit()->GetParent();
    owner = TRect(parent->ClientToScreen(owner.TopLeft()), parent->ClientToScreen(owner.BottomRight()));
  }
  const TRect w = GetDesktopWorkArea(owner.TopLeft());
  const Integer shadow = GetViewInfo()->Shadow ? ShadowWidth : 0;
  TSize size;
  if (GetEdit()->GetActiveProperties()->PopupDirection == pdVertical) {
    size.cx = cxRectWidth(w);
    size.cy = std::max<Integer>(w.bottom - owner.bottom, owner.top + shadow - w.top);
  } else {
    size.cx = std::max<Integer>(w.right - owner.right, owner.left + shadow - w.left) + 1;
    size.cy = cxRectHeight(w);
  }
  const TRect e = GetViewInfo()->GetClientExtent();
  size.cx -= e.left + e.right;
  size.cy -= e.top + e.bottom;
  return size;
}

bool TcxCustomEditPopupWindow::CanResize(Integer& NewWidth, Integer& NewHeight) {
  if (!GetSizeable() || LayoutInProgress || (NewWidth == GetWidth() && NewHeight == GetHeight())) return true;
  const TSize m = GetMinSize();
  NewWidth = std::max<Integer>(NewWidth, std::max<Integer>(m.cx, MinWidth));
  NewHeight = std::max<Integer>(NewHeight, std::max<Integer>(m.cy, MinHeight));
  if (NewWidth == GetWidth() && NewHeight == GetHeight()) return true;
  TcxCustomDropDownEditProperties* properties = GetEdit()->GetActiveProperties();
  auto* lookup = dynamic_cast<TcxComboBoxLookupData*>(GetEdit()->GetLookupData());
  if (properties->UseLookupData() && properties->IsLookupDataVisual() && lookup) {
    const TRect e = GetViewInfo()->GetClientExtent();
    TSize area{NewWidth - e.left - e.right, NewHeight - e.top - e.bottom};
    const TSize maxArea = GetMaxVisualAreaSize();
    lookup->ResizeToWholeRows(area, maxArea.cy, maxArea.cx);
    NewWidth = std::max<Integer>(area.cx + e.left + e.right, m.cx);
    NewHeight = std::max<Integer>(area.cy + e.top + e.bottom, m.cy);
  }
  return true;
}

// ---- Sizing with the mouse --------------------------------------------------------------------------

void TcxCustomEditPopupWindow::SetSizingCursor(Integer AHorz, Integer AVert) {
  const TCursor cursor = CursorByDirection(AHorz, AVert);
  FSizing.SizingCursorShown = cursor != crDefault;
  ::SetCursor(Screen->GetCursors(cursor));
}

void TcxCustomEditPopupWindow::SetCloseButtonState(TcxButtonState AState) {
  TcxCustomEditPopupWindowViewInfo* info = GetViewInfo();
  if (info->CloseButtonState == AState) return;
  info->CloseButtonState = AState;
  if (HandleAllocated()) {
    RECT r = info->CloseButtonRect;
    InvalidateRect(GetHandle(), &r, TRUE);
  }
}

void TcxCustomEditPopupWindow::DrawSizeFrame(const TRect& R) {
  if (cxRectIsEmpty(R)) {
    FreeAndNil(FSizeFrame);
    return;
  }
  if (FSizing.Sizing) {
    if (!FSizeFrame) FSizeFrame = New<TcxSizeFrame>(std::max<Integer>(GetViewInfo()->GetPopupBorderWidth(), 2));
    FSizeFrame->DrawSizeFrame(R);
  }
  FSizing.LastFrameRect = R;
}

void TcxCustomEditPopupWindow::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  TcxCustomEditPopupWindowViewInfo* info = GetViewInfo();
  if (cxRectPtIn(info->CloseButtonRect, TPoint(X, Y))) {
    SetCloseButtonState(cxbsPressed);
    return;
  }
  if (!HasCapture()) SetCaptureControl(this);
  Integer horz, vert;
  if (!HasCapture() || !info->IsSizingPlace(X, Y, horz, vert)) return;
  FSizing.HorzDirection = horz;
  FSizing.VertDirection = vert;
  FSizing.Offset = TPoint(horz < 0 ? X : GetWidth() - X, vert < 0 ? Y : GetHeight() - Y);
  FSizing.Sizing = true;
  SetSizingCursor(horz, vert);
  DrawSizeFrame(GetBoundsRect());
}

void TcxCustomEditPopupWindow::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseMove(Shift, X, Y);
  TcxCustomEditPopupWindowViewInfo* info = GetViewInfo();
  if (!FSizing.Sizing) {
    const bool overClose = cxRectPtIn(info->CloseButtonRect, TPoint(X, Y));
    if (!overClose && info->CloseButtonState != cxbsNormal) SetCloseButtonState(cxbsNormal);
    if (overClose && !Shift.Contains(ssLeft)) SetCloseButtonState(cxbsHot);
    Integer horz, vert;
    if (info->IsSizingPlace(X, Y, horz, vert))
      SetSizingCursor(horz, vert);
    else if (FSizing.SizingCursorShown)
      SetSizingCursor(0, 0);
    return;
  }
  const TPoint pointer = ClientToScreen(TPoint(X, Y));
  TRect r = GetBoundsRect();
  Integer width = GetWidth(), height = GetHeight();
  const bool inside = cxRectPtIn(TRect(0, 0, GetWidth(), GetHeight()), TPoint(X, Y));
  const bool inGrip = cxRectPtIn(info->SizeGripSizingRect, TPoint(X, Y));
  if (FSizing.HorzDirection > 0) {
    const Integer w = X + FSizing.Offset.x;
    if (w < width || !inside || inGrip) width = w;
  } else if (FSizing.HorzDirection < 0)
    width = GetWidth() - (X - FSizing.Offset.x);
  if (FSizing.VertDirection > 0) {
    const Integer h = Y + FSizing.Offset.y;
    if (h < height || !inside || inGrip) height = h;
  } else if (FSizing.VertDirection < 0)
    height = GetHeight() - (Y - FSizing.Offset.y);
  CanResize(width, height);
  if (width == cxRectWidth(FSizing.LastFrameRect) && height == cxRectHeight(FSizing.LastFrameRect)) return;
  // Anchored at the edges away from the grip.
  if (IsRightCorner(info->SizeGripCorner)) r.right = r.left + width; else r.left = r.right - width;
  if (IsBottomCorner(info->SizeGripCorner)) r.bottom = r.top + height; else r.top = r.bottom - height;
  // The popup keeps at least one pixel beside its owner.
  const TRect owner = GetOwnerScreenBounds();
  if (r.right <= owner.left) r.right = owner.left + 1;
  if (r.left >= owner.right) r.left = owner.right - 1;
  const TRect area = GetDesktopWorkArea(pointer);
  r = TRect(std::max(r.left, area.left), std::max(r.top, area.top), std::min(r.right, area.right),
            std::min(r.bottom, area.bottom));
  if (r != GetBoundsRect()) {
    GetEdit()->SetUserSizedThisTime();
    DrawSizeFrame(r);
  }
}

void TcxCustomEditPopupWindow::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  TcxCustomEditPopupWindowViewInfo* info = GetViewInfo();
  if (FSizing.Sizing) {
    SetCaptureControl(nullptr);
    FSizing.Sizing = false;
    const TRect r = FSizing.LastFrameRect;
    DrawSizeFrame(TRect());
    SetBoundsRect(r);
    RefreshPopupWindow();
    Integer horz, vert;
    info->IsSizingPlace(X, Y, horz, vert);
    SetSizingCursor(horz, vert);
    return;
  }
  if (info->CloseButtonState == cxbsPressed) {
    if (CloseQuery()) {
      GetEdit()->CloseUp(crUnknown);
      if (!IsVisible()) return;
    }
    SetCloseButtonState(cxbsHot);
  }
}

void TcxCustomEditPopupWindow::MouseLeave(TControl* AControl) {
  SetCloseButtonState(cxbsNormal);
  if (FSizing.SizingCursorShown) SetSizingCursor(0, 0);
}

}  // namespace cxDropDownEdit
