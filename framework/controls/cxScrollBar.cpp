#include "cxScrollBar.h"

#include <algorithm>

#include "SysConst.h"
#include "TypInfo.h"
#include "WinGdi.h"
#include "WinUser.h"
#include "cxControlsTimer.h"
#include "cxGeometry.h"
#include "cxLookAndFeelPaintersRegistry.h"
#include "dxThemeManager.h"

namespace cxScrollBar {

namespace {

// The auto-repeat waits this long after the first step, then steps at the shorter interval.
constexpr Cardinal FirstRepeatDelay = 400;
constexpr Cardinal RepeatInterval = 60;
// How far from the bar a dragged thumb still follows the pointer: across the bar and beyond its ends.
constexpr Integer ThumbTrackingZoneAcross = 136;
constexpr Integer ThumbTrackingZoneBeyondEnds = 34;

bool IsArrowOrPagePart(TcxScrollBarPart APart) {
  return APart == sbpLineUp || APart == sbpLineDown || APart == sbpPageUp || APart == sbpPageDown;
}

}  // namespace

IMPLEMENT_CLASS_PUBLISHED(TcxScrollBar) {
  d.Property("Align", &TcxScrollBar::GetAlign, &TcxScrollBar::SetAlign).Default(alNone);
  d.Property("Anchors", &TcxScrollBar::GetAnchors, &TcxScrollBar::SetAnchors).Default(TAnchors{akLeft, akTop});
  d.Property("Constraints", &TcxScrollBar::GetConstraints, &TcxScrollBar::SetConstraints);
  d.Property("Ctl3D", &TcxScrollBar::GetCtl3D, &TcxScrollBar::SetCtl3D).Stored(&TcxScrollBar::IsCtl3DStored);
  d.Property("DragCursor", &TcxScrollBar::GetDragCursor, &TcxScrollBar::SetDragCursor)
      .Default(crDrag)
      .Type(CursorTypeInfo());
  d.Property("DragKind", &TcxScrollBar::GetDragKind, &TcxScrollBar::SetDragKind).Default(dkDrag);
  d.Property("DragMode", &TcxScrollBar::GetDragMode, &TcxScrollBar::SetDragMode).Default(dmManual);
  d.Property("Enabled", &TcxScrollBar::GetEnabled, &TcxScrollBar::SetEnabled).Default(true);
  d.Property("Kind", &TcxScrollBar::GetKind, &TcxScrollBar::SetKind).Default(sbHorizontal);
  d.Property("LargeChange", &TcxScrollBar::GetLargeChange, &TcxScrollBar::SetLargeChange).Default(1);
  d.Property("LookAndFeel", &TcxScrollBar::GetLookAndFeel, &TcxScrollBar::SetLookAndFeel);
  d.Property("Max", &TcxScrollBar::GetMax, &TcxScrollBar::SetMax).Default(100);
  d.Property("Min", &TcxScrollBar::GetMin, &TcxScrollBar::SetMin).Default(0);
  d.Property("PageSize", &TcxScrollBar::GetPageSize, &TcxScrollBar::SetPageSize);
  d.Property("ParentCtl3D", &TcxScrollBar::GetParentCtl3D, &TcxScrollBar::SetParentCtl3D).Default(true);
  d.Property("ParentShowHint", &TcxScrollBar::GetParentShowHint, &TcxScrollBar::SetParentShowHint).Default(true);
  d.Property("PopupMenu", &TcxScrollBar::GetPopupMenu, &TcxScrollBar::SetPopupMenu);
  d.Property("Position", &TcxScrollBar::GetPosition, &TcxScrollBar::SetPosition).Default(0);
  d.Property("ShowHint", &TcxScrollBar::GetShowHint, &TcxScrollBar::SetShowHint);
  d.Property("SmallChange", &TcxScrollBar::GetSmallChange, &TcxScrollBar::SetSmallChange).Default(1);
  d.Property("UnlimitedTracking", &TcxScrollBar::GetUnlimitedTracking, &TcxScrollBar::SetUnlimitedTracking)
      .Default(false);
  d.Property("Visible", &TcxScrollBar::GetVisible, &TcxScrollBar::SetVisible).Default(true);
  d.Property("OnChange", &TcxScrollBar::GetOnChange, &TcxScrollBar::SetOnChange);
  d.Property("OnContextPopup", &TcxScrollBar::GetOnContextPopup, &TcxScrollBar::SetOnContextPopup);
  d.Property("OnDragDrop", &TcxScrollBar::GetOnDragDrop, &TcxScrollBar::SetOnDragDrop);
  d.Property("OnDragOver", &TcxScrollBar::GetOnDragOver, &TcxScrollBar::SetOnDragOver);
  d.Property("OnEndDock", &TcxScrollBar::GetOnEndDock, &TcxScrollBar::SetOnEndDock);
  d.Property("OnEndDrag", &TcxScrollBar::GetOnEndDrag, &TcxScrollBar::SetOnEndDrag);
  d.Property("OnEnter", &TcxScrollBar::GetOnEnter, &TcxScrollBar::SetOnEnter);
  d.Property("OnExit", &TcxScrollBar::GetOnExit, &TcxScrollBar::SetOnExit);
  d.Property("OnKeyDown", &TcxScrollBar::GetOnKeyDown, &TcxScrollBar::SetOnKeyDown);
  d.Property("OnKeyPress", &TcxScrollBar::GetOnKeyPress, &TcxScrollBar::SetOnKeyPress);
  d.Property("OnKeyUp", &TcxScrollBar::GetOnKeyUp, &TcxScrollBar::SetOnKeyUp);
  d.Property("OnScroll", &TcxScrollBar::GetOnScroll, &TcxScrollBar::SetOnScroll);
  d.Property("OnStartDock", &TcxScrollBar::GetOnStartDock, &TcxScrollBar::SetOnStartDock);
  d.Property("OnStartDrag", &TcxScrollBar::GetOnStartDrag, &TcxScrollBar::SetOnStartDrag);
}

TSize TcxScrollBar::GetScrollBarSize() {
  return TSize{GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL)};
}

// ---- Life ---------------------------------------------------------------------------------------------
void TcxScrollBar::Construct() {
  inherited::Construct();
  FBitmap = New<TBitmap>();
  FBitmap->SetPixelFormat(pfDevice);
  FBitmapCanvas = New<TcxCanvas>(FBitmap->GetCanvas());
  FLookAndFeel = New<TcxLookAndFeel>(this);
  FLookAndFeel->OnChanged = TcxLookAndFeelChangedEvent(this, &TcxScrollBar::LookAndFeelChanged);
  FViewInfo = TcxScrollBarViewInfo::Create(GetViewInfoClass(), this);
  ControlStyle = {csCaptureMouse, csFramed, csOpaque};
  FKind = sbHorizontal;
  SetBounds(GetLeft(), GetTop(), 121, GetSystemMetrics(SM_CYHSCROLL));
  FThemeChangedNotificator = New<TdxThemeChangedNotificator>();
  FThemeChangedNotificator->OnThemeChanged = TdxThemeChangedEvent(this, &TcxScrollBar::ThemeChanged);
  FTimer = New<TcxTimer>(nullptr);
  FTimer->SetEnabled(false);
  FTimer->SetInterval(FirstRepeatDelay);
  FTimer->SetOnTimer(TNotifyEvent(this, &TcxScrollBar::AutoRepeatTimerHandler));
  UpdateMinimalThumbSize();
  CalculateViewInfo();
}

void TcxScrollBar::Destroy() {
  FreeAndNil(FTimer);
  FreeAndNil(FThemeChangedNotificator);
  FreeAndNil(FViewInfo);
  FreeAndNil(FLookAndFeel);
  FreeAndNil(FBitmapCanvas);
  FreeAndNil(FBitmap);
  inherited::Destroy();
}

TClass TcxScrollBar::GetViewInfoClass() const { return TcxScrollBarViewInfo::StaticClass(); }

void TcxScrollBar::CalculateViewInfo() {
  if (FViewInfo) FViewInfo->Calculate();
}

void TcxScrollBar::UpdateMinimalThumbSize() { FViewInfo->SetThumbnailSize(ScrollBarMinimalThumbSize()); }

// ---- Range and position ---------------------------------------------------------------------------------
void TcxScrollBar::SetScrollParams(Integer AMin, Integer AMax, Integer APosition, Integer APageSize, bool ARedraw) {
  if (AMax < AMin || AMax < APageSize) throw EInvalidOperation(SysConst::SScrollBarRange);
  const bool redraw = ARedraw && HandleAllocated();
  APosition = std::max(AMin, std::min(APosition, AMax));
  if (AMin == FMin && AMax == FMax && APosition == FPosition && APageSize == FPageSize) return;
  FMin = AMin;
  FMax = AMax;
  FPageSize = APageSize;
  if (APosition == FPosition) {
    FViewInfo->CalculateThumbnailRect();
    if (redraw) Repaint();
    return;
  }
  SetEnabled(true);
  FPosition = APosition;
  FViewInfo->CalculateThumbnailRect();
  if (redraw) Repaint();
  Change();
}

void TcxScrollBar::SetParams(Integer APosition, Integer AMin, Integer AMax) {
  SetScrollParams(AMin, AMax, APosition, FPageSize, true);
}

void TcxScrollBar::SetMax(Integer Value) { SetScrollParams(FMin, Value, FPosition, FPageSize, true); }
void TcxScrollBar::SetMin(Integer Value) { SetScrollParams(Value, FMax, FPosition, FPageSize, true); }
void TcxScrollBar::SetPageSize(Integer Value) { SetScrollParams(FMin, FMax, FPosition, Value, true); }
void TcxScrollBar::SetPosition(Integer Value) { SetScrollParams(FMin, FMax, Value, FPageSize, true); }

void TcxScrollBar::Change() {
  inherited::Changed();
  if (OnChange) OnChange(this);
}

// ---- Kind, bounds, look -----------------------------------------------------------------------------------
void TcxScrollBar::SetKind(TScrollBarKind Value) {
  if (FKind == Value) return;
  FKind = Value;
  if (ComponentState().Contains(csLoading))
    CalculateViewInfo();
  else
    SetBounds(GetLeft(), GetTop(), GetHeight(), GetWidth());
  Invalidate();
}

void TcxScrollBar::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  const TRect old = GetBoundsRect();
  inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (!FBitmap || old == GetBoundsRect() || AWidth <= 0 || AHeight <= 0) return;
  FBitmap->SetSize(AWidth, AHeight);
  CalculateViewInfo();
}

void TcxScrollBar::SetLookAndFeel(TcxLookAndFeel* Value) { FLookAndFeel->Assign(Value); }

bool TcxScrollBar::GetCtl3D() const { return TControl::GetCtl3D() || FCtl3D; }

void TcxScrollBar::SetCtl3D(bool Value) {
  FCtl3D = Value;
  if (TControl::GetCtl3D() != Value) TControl::SetCtl3D(Value);
}

void TcxScrollBar::LookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues) {
  // A skin draws its own relief: the window's three-dimensional look is switched off meanwhile and
  // comes back with the value asked for.
  if (FLookAndFeel->GetSkinPainter() && TControl::GetCtl3D()) {
    FCtl3D = true;
    TControl::SetCtl3D(false);
  } else if (!FLookAndFeel->GetSkinPainter()) {
    TControl::SetCtl3D(FCtl3D);
  }
  UpdateMinimalThumbSize();
  CalculateViewInfo();
  Invalidate();
}

void TcxScrollBar::ThemeChanged() {
  UpdateMinimalThumbSize();
  CalculateViewInfo();
  UpdateScrollBarBitmaps();
  Invalidate();
  if (GetParent()) GetParent()->Realign();
}

// ---- Painting ------------------------------------------------------------------------------------------
TcxCustomLookAndFeelPainterClass TcxScrollBar::GetPainter() const {
  return FLookAndFeel->GetAvailablePainter(totScrollBar);
}

void TcxScrollBar::DrawScrollBarPart(TcxCanvas* ACanvas, const TRect& R, TcxScrollBarPart APart,
                                     TcxButtonState AState) {
  GetPainter()->DrawScrollBarPart(ACanvas, FKind == sbHorizontal, R, APart, AState);
}

bool TcxScrollBar::IsButtonHotTrack() const { return GetPainter()->IsButtonHotTrack(); }

Integer TcxScrollBar::ScrollBarMinimalThumbSize() const {
  return GetPainter()->ScrollBarMinimalThumbSize(FKind == sbVertical);
}

TcxButtonState TcxScrollBar::GetPartState(TcxScrollBarPart APart) const {
  if (!GetEnabled()) return cxbsDisabled;
  if (APart == sbpThumbnail && !IsButtonHotTrack()) return cxbsNormal;
  if (FPressedPart != sbpNone) return APart == FPressedPart && APart == FHotPart ? cxbsPressed : cxbsNormal;
  return APart == FHotPart && !ComponentState().Contains(csDesigning) ? cxbsHot : cxbsNormal;
}

void TcxScrollBar::DoPaint(TcxCanvas* ACanvas) {
  const TRect thumb = FViewInfo->GetThumbnailRect();
  if (cxRectIsEmpty(thumb))
    DrawScrollBarPart(ACanvas, GetClientRect(), sbpPageUp, cxbsNormal);
  else
    DrawScrollBarPart(ACanvas, thumb, sbpThumbnail, GetPartState(sbpThumbnail));
  DrawScrollBarPart(ACanvas, FViewInfo->GetTopLeftArrowRect(), sbpLineUp, GetPartState(sbpLineUp));
  DrawScrollBarPart(ACanvas, FViewInfo->GetBottomRightArrowRect(), sbpLineDown, GetPartState(sbpLineDown));
  if (!cxRectIsEmpty(FViewInfo->GetPageUpRect()))
    DrawScrollBarPart(ACanvas, FViewInfo->GetPageUpRect(), sbpPageUp, GetPartState(sbpPageUp));
  if (!cxRectIsEmpty(FViewInfo->GetPageDownRect()))
    DrawScrollBarPart(ACanvas, FViewInfo->GetPageDownRect(), sbpPageDown, GetPartState(sbpPageDown));
}

void TcxScrollBar::Paint() {
  DoPaint(FBitmapCanvas);
  BitBlt(GetCanvas()->GetHandle(), 0, 0, GetWidth(), GetHeight(), FBitmap->GetCanvas()->GetHandle(), 0, 0, SRCCOPY);
}

TcxScrollBarPart TcxScrollBar::GetScrollBarPart(const TPoint& P) const {
  if (!cxRectPtIn(const_cast<TcxScrollBar*>(this)->GetClientRect(), P)) return sbpNone;
  if (cxRectPtIn(FViewInfo->GetTopLeftArrowRect(), P)) return sbpLineUp;
  if (cxRectPtIn(FViewInfo->GetBottomRightArrowRect(), P)) return sbpLineDown;
  if (cxRectIsEmpty(FViewInfo->GetThumbnailRect())) return sbpNone;
  if (cxRectPtIn(FViewInfo->GetThumbnailRect(), P)) return sbpThumbnail;
  if (cxRectPtIn(FViewInfo->GetPageUpRect(), P)) return sbpPageUp;
  if (cxRectPtIn(FViewInfo->GetPageDownRect(), P)) return sbpPageDown;
  return sbpNone;
}

// ---- Scrolling ------------------------------------------------------------------------------------------
void TcxScrollBar::Scroll(TScrollCode AScrollCode, Integer& AScrollPos) {
  if (OnScroll) OnScroll(this, AScrollCode, AScrollPos);
}

void TcxScrollBar::DoScroll(TcxScrollBarPart APart) {
  switch (APart) {
    case sbpLineUp: InternalScroll(scLineUp); break;
    case sbpLineDown: InternalScroll(scLineDown); break;
    case sbpThumbnail: InternalScroll(scTrack); break;
    case sbpPageUp: InternalScroll(scPageUp); break;
    case sbpPageDown: InternalScroll(scPageDown); break;
    default: break;
  }
}

void TcxScrollBar::InternalScroll(TScrollCode AScrollCode) {
  Int64 position = FPosition;
  switch (AScrollCode) {
    case scLineUp: position -= FSmallChange; break;
    case scLineDown: position += FSmallChange; break;
    case scPageUp: position -= FLargeChange; break;
    case scPageDown: position += FLargeChange; break;
    case scTop: position = FMin; break;
    case scBottom: position = FMax; break;
    default: break;
  }
  Integer newPosition = static_cast<Integer>(std::clamp<Int64>(position, FMin, FMax));
  Scroll(AScrollCode, newPosition);
  newPosition = std::clamp(newPosition, FMin, FMax);
  if (newPosition == FPosition) return;
  if (AScrollCode == scTrack) {
    FPosition = newPosition;
    Repaint();
  } else {
    SetPosition(newPosition);
  }
}

void TcxScrollBar::CancelScroll() {
  if (FPressedPart == sbpNone) return;
  if (IsThumbnailDragging()) {
    FPosition = FViewInfo->GetPositionFromThumbnail();
    InternalScroll(scPosition);
  }
  FTimer->SetEnabled(false);
  FPressedPart = sbpNone;
  FHotPart = sbpNone;
  InternalScroll(scEndScroll);
  FViewInfo->CalculateThumbnailRect();
  Invalidate();
}

void TcxScrollBar::AutoRepeatTimerHandler(TObject*) {
  if (!GetMouseCapture() || !IsArrowOrPagePart(FPressedPart)) return CancelScroll();
  if (FTimer->GetInterval() == FirstRepeatDelay) FTimer->SetInterval(RepeatInterval);
  DoScroll(FPressedPart);
  FTimer->SetEnabled(GetScrollBarPart(ScreenToClient(GetMouseCursorPos())) == FPressedPart);
}

// ---- Mouse ------------------------------------------------------------------------------------------
void TcxScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  const TcxScrollBarPart part = GetScrollBarPart(TPoint(X, Y));
  if (part == sbpNone) return;
  if (part == sbpThumbnail) {
    FDownMousePos = TPoint(X, Y);
    FSavedPosition = FPosition;
    FSavedThumbnailPos = FViewInfo->GetThumbnailRect().TopLeft();
    InternalScroll(scTrack);
  }
  FPressedPart = part;
  FHotPart = part;
  if (IsArrowOrPagePart(part)) {
    DoScroll(part);
    FTimer->SetInterval(FirstRepeatDelay);
    FTimer->SetEnabled(true);
  }
  Repaint();
}

void TcxScrollBar::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseMove(Shift, X, Y);
  const TPoint p(X, Y);
  if (IsThumbnailDragging()) return DragThumbnail(p);
  const TcxScrollBarPart part = GetScrollBarPart(p);
  if (FPressedPart != sbpNone) FTimer->SetEnabled(part == FPressedPart);
  if (part == FHotPart) return;
  FHotPart = part;
  if (IsButtonHotTrack() || FPressedPart != sbpNone) Repaint();
}

void TcxScrollBar::DragThumbnail(const TPoint& P) {
  const bool horizontal = FKind == sbHorizontal;
  const TRect zone = horizontal ? cxRectInflate(GetClientRect(), ThumbTrackingZoneBeyondEnds, ThumbTrackingZoneAcross)
                                : cxRectInflate(GetClientRect(), ThumbTrackingZoneAcross, ThumbTrackingZoneBeyondEnds);
  if (FUnlimitedTracking || cxRectPtIn(zone, P)) {
    const Integer offset = horizontal ? P.x - FDownMousePos.x : P.y - FDownMousePos.y;
    FViewInfo->SetThumbnailStart((horizontal ? FSavedThumbnailPos.x : FSavedThumbnailPos.y) + offset);
    Repaint();
    const Integer position = FViewInfo->GetPositionFromThumbnail();
    if (position != FPosition) {
      FPosition = position;
      DoScroll(sbpThumbnail);
    }
    return;
  }
  // Too far from the bar: the thumb snaps back to where the drag started.
  const bool moved = FSavedPosition != FPosition;
  if (moved) SetPosition(FSavedPosition);
  FViewInfo->CalculateThumbnailRect();
  Repaint();
  if (moved) InternalScroll(scTrack);
}

void TcxScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseUp(Button, Shift, X, Y);
  CancelScroll();
  FHotPart = GetScrollBarPart(TPoint(X, Y));
}

void TcxScrollBar::MouseEnter(TControl*) {
  if (IsButtonHotTrack() || IsArrowOrPagePart(FPressedPart)) Repaint();
}

void TcxScrollBar::MouseLeave(TControl*) {
  if (!IsThumbnailDragging()) FHotPart = sbpNone;
  if (IsButtonHotTrack() || IsArrowOrPagePart(FPressedPart)) Repaint();
}

// ---- Messages -----------------------------------------------------------------------------------------
void TcxScrollBar::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND: Message.Result = 1; return;
    case WM_CANCELMODE:
      CancelScroll();
      inherited::Dispatch(Message);
      return;
    case CM_ENABLEDCHANGED:
      inherited::Dispatch(Message);
      CalculateViewInfo();
      if (!GetEnabled()) CancelScroll();
      Invalidate();
      return;
    case CM_VISIBLECHANGED:
      if (!Message.WParam) CancelScroll();
      inherited::Dispatch(Message);
      return;
    case CM_MOUSEENTER:
      inherited::Dispatch(Message);
      MouseEnter(GetMouseMessageControl(Message, this));
      return;
    case CM_MOUSELEAVE:
      inherited::Dispatch(Message);
      MouseLeave(GetMouseMessageControl(Message, this));
      return;
    case CM_SYSCOLORCHANGE:
      UpdateScrollBarBitmaps();
      inherited::Dispatch(Message);
      return;
    case CM_CTL3DCHANGED:
      inherited::Dispatch(Message);
      FCtl3D = TControl::GetCtl3D();
      LookAndFeelChanged(FLookAndFeel, TcxLookAndFeelValues());
      return;
    case CN_HSCROLL:
    case CN_VSCROLL: InternalScroll(static_cast<TScrollCode>(Message.WParamLo())); return;
    case CN_CTLCOLORSCROLLBAR:
      UpdateScrollBarBitmaps();
      Message.Result = DefWindowProc(GetHandle(), Message.Msg, Message.WParam, Message.LParam);
      return;
    default: inherited::Dispatch(Message);
  }
}

}  // namespace cxScrollBar
