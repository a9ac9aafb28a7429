// The container's life, styles, refresh cycle, view-info calculation, painting and the layout of
// its inner control.
#include "cxContainerControl.h"

#include "Forms.h"
#include "UxThemeConsts.h"
#include "WinUser.h"
#include "cxContainerInternal.h"
#include "cxContainerUtils.h"
#include "cxControlsInternal.h"
#include "cxGeometry.h"
#include "RtlMath.h"
#include "cxGraphicsFunctions.h"
#include "dxOffice11.h"
#include "dxUxTheme.h"

namespace cxContainer {

struct TcxContainerUnitAccess {
  static void FocusChanged(TcxContainer* AContainer) { AContainer->FocusChanged(); }
};

void ContainerFocusChanged(TcxContainer* AContainer) { TcxContainerUnitAccess::FocusChanged(AContainer); }

IMPLEMENT_CLASS_PUBLISHED(TcxContainer) {
  d.Property("FakeStyleController", &TcxContainer::GetFakeStyleController, &TcxContainer::SetFakeStyleController)
      .Stored(false);
  d.Property("TabStop", &TcxContainer::GetTabStop, &TcxContainer::SetTabStop).Default(true);
}

// ---- Life ---------------------------------------------------------------------------------------------
void TcxContainer::Construct() {
  FIsCreating = true;
  inherited::Construct();
  FStyles = TcxContainerStyles::Create(GetStylesClass(), this, GetStyleClass());
  FStyles->SetOnChanged(TNotifyEvent(this, &TcxContainer::ContainerStyleChanged));
  FActiveStyleState = TcxContainerState{csNormal};
  FActiveStyle = GetStyle();
  FViewInfo = TcxContainerViewInfo::Create(GetViewInfoClass());
  TcxControl::GetLookAndFeelValue()->SetMasterLookAndFeel(GetStyle()->GetLookAndFeel());
  ControlStyle.Include(csCaptureMouse).Include(csSetCaption);
  SetTabStop(true);
  SetParentColor(DefaultParentColor() && !IsInplace() && !GetStyle()->IsValueAssigned(csvColor));
  if (!GetParentColor()) SetColor(clWindow);
  ClearSavedChildControlRegions();
  FIsCreating = false;
}

void TcxContainer::Destroy() {
  EndMouseTracking();
  FIsDestroying = true;
  FreeAndNil(FViewInfo);
  FStyles->SetOnChanged(TNotifyEvent());
  FreeAndNil(FStyles);
  FActiveStyle = nullptr;
  inherited::Destroy();
}

void TcxContainer::Loaded() {
  inherited::Loaded();
  ContainerStyleChanged(GetStyle());
}

void TcxContainer::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FInnerControl) FInnerControl = nullptr;
}

TcxLookAndFeel* TcxContainer::GetLookAndFeelValue() {
  // The base control asks while it is being made, before the styles exist.
  return FStyles ? GetStyle()->GetLookAndFeel() : inherited::GetLookAndFeelValue();
}

TRect TcxContainer::GetClientBounds() { return FViewInfo->ClientRect; }

TWinControl* TcxContainer::GetActiveControl() { return FInnerControl ? FInnerControl : this; }

// ---- Styles -------------------------------------------------------------------------------------------
TcxContainerStyle* TcxContainer::GetActiveStyle() {
  if (!(FActiveStyleState == FViewInfo->ContainerState)) {
    FActiveStyleState = FViewInfo->ContainerState;
    FActiveStyle = InternalGetActiveStyle();
  }
  return FActiveStyle;
}

TcxContainerStyle* TcxContainer::InternalGetActiveStyle() {
  const TcxContainerState state = FViewInfo->ContainerState;
  if (state.Contains(csDisabled)) return GetStyleDisabled();
  if (state.Contains(csActive)) return GetStyleFocused();
  if (GetStyle()->GetHotTrack() && state.Contains(csHotTrack)) return GetStyleHot();
  return GetStyle();
}

bool TcxContainer::IsStylePropertyPublished(const String& APropertyName, bool AExtendedStyle) {
  TcxContainerStyleValue value;
  if (GetStyle()->GetStyleValue(APropertyName, value) && InternalGetNotPublishedStyleValues().Contains(value))
    return false;
  return !AExtendedStyle || GetStyle()->IsExtendedStylePropertyPublished(APropertyName);
}

void TcxContainer::SetInternalColor(TColor AColor) {
  FInternalSetting = true;
  TFinally done([this] { FInternalSetting = false; });
  SetColor(AColor);
}

void TcxContainer::SetInternalFont(TFont* AFont) {
  // Giving the control its style's font does not stop it following its parent's; only a font the
  // style sets itself does that (ContainerStyleChanged).
  const bool parentFont = FParentFont;
  FInternalSetting = true;
  TFinally done([this, parentFont] {
    FInternalSetting = false;
    FParentFont = parentFont;
  });
  SetFont(AFont);
}

void TcxContainer::ContainerStyleChanged(TObject*) {
  if (FIsCreating || IsLoading()) return;
  ShortRefreshContainer(false);
  TcxContainerStyle* style = GetStyle();
  if (!GetParentColor() || style->IsValueAssigned(csvColor)) SetInternalColor(style->GetStyleColor());
  SetInternalFont(style->GetFont());
  if (style->IsValueAssigned(csvFont)) SetParentFont(false);
}

void TcxContainer::ColorChanged() {
  if (FInternalSetting) {
    inherited::ColorChanged();
    ShortRefreshContainer(false);
  } else {
    GetStyle()->SetColor(GetColor());
  }
}

void TcxContainer::CMFontChanged(TMessage& Message) {
  if (FInternalSetting) {
    inherited::Dispatch(Message);
    SetSize();
    SetScrollBarsParameters(false);
    ShortRefreshContainer(false);
    return;
  }
  // A font the style did not set itself (the parent's, followed) stays unassigned, also while the
  // style tells the container of the change.
  TcxContainerStyle* style = GetStyle();
  const bool wasAssigned = style->HasOwnValue(csvFont);
  if (!wasAssigned) ++style->FFontAssignedLockCount;
  {
    TFinally unlock([style, wasAssigned] {
      if (!wasAssigned) --style->FFontAssignedLockCount;
    });
    style->SetFont(GetFont());
  }
  inherited::Dispatch(Message);
}

void TcxContainer::CMParentColorChanged(TMessage& Message) {
  TcxContainerStyle* style = GetStyle();
  const bool wasAssigned = style->HasOwnValue(csvColor);
  inherited::Dispatch(Message);
  if (!wasAssigned || GetParentColor()) style->ExcludeAssigned(csvColor);
  if (style->GetColor() != GetColor()) ContainerStyleChanged(style);
  if (IsTransparentBackground() && !GetParentColor()) Invalidate();
}

void TcxContainer::CMParentFontChanged(TMessage& Message) {
  TcxContainerStyle* style = GetStyle();
  const bool wasAssigned = style->HasOwnValue(csvFont);
  inherited::Dispatch(Message);
  if (!GetParentFont()) style->UpdateFont();
  if (!wasAssigned || GetParentFont()) style->ExcludeAssigned(csvFont);
}

void TcxContainer::ChangeScale(Integer M, Integer D) {
  const bool scalesFont = GetScalingFlags().Contains(sfFont);
  {
    FInternalSetting = !GetParentFont();
    TFinally done([this] { FInternalSetting = false; });
    inherited::ChangeScale(M, D);
  }
  TcxContainerStyle* style = GetStyle();
  if (M == D || !style->IsValueAssigned(csvFont) || (IsLoading() && !scalesFont)) return;
  if (style->HasOwnValue(csvFont)) {
    style->GetFont()->SetSize(MulDiv(style->GetFont()->GetSize(), M, D));
  } else if (IsLoading()) {
    if (TcxStyleController* controller = style->GetActiveStyleController()) controller->ChangeFontScale(M, D);
  }
}

// ---- Refreshing ---------------------------------------------------------------------------------------
bool TcxContainer::ShortRefreshContainer(bool AIsMouseEvent) {
  if (!HandleAllocated() || GetIsDestroying() || FIsRefreshing) return false;
  FIsRefreshing = true;
  TFinally done([this] { FIsRefreshing = false; });
  TPoint p(-1, -1);
  const TPoint cursor = InternalGetCursorPos();
  const HWND under = WindowFromPoint(cursor);
  if (under && IsChildEx(GetHandle(), under)) p = ScreenToClient(cursor);
  return RefreshContainer(p, cxmbNone, InternalGetShiftState(), AIsMouseEvent);
}

bool TcxContainer::RefreshContainer(const TPoint& P, TcxMouseButton, TShiftState Shift, bool) {
  if (FRefreshLockCount > 0 || GetIsDestroying()) return true;
  FIsViewInfoCalculated = true;
  CalculateViewInfo(P, Shift.Empty() && GetActiveStyle()->GetHotTrack());
  SetSize();
  AdjustInnerControl();
  SetShadowRegion();
  if (HandleAllocated())
    InternalInvalidate(GetHandle(), GetControlRect(this), FInnerControl ? FViewInfo->BorderRect : TRect(), false);
  if (FViewInfo->ContainerState.Contains(csHotTrack)) BeginMouseTracking(this, GetVisibleBounds(), this);
  return true;
}

void TcxContainer::CheckIsViewInfoCalculated() {
  if (!FIsViewInfoCalculated) ShortRefreshContainer(false);
}

void TcxContainer::Resize() {
  inherited::Resize();
  if (FIsCreating) return;
  FIsRefreshing = false;
  ShortRefreshContainer(false);
}

void TcxContainer::EndMouseTracking() { cxControls::EndMouseTracking(this); }

// ---- View info ----------------------------------------------------------------------------------------
bool TcxContainer::IsNativeStyle() {
  return AreVisualStylesMustBeUsed(GetStyle()->GetLookAndFeel()->GetNativeStyle(), GetBackgroundThemedObjectType());
}

Integer TcxContainer::GetBackgroundNativeState() {
  if (!GetEnabled()) return ETS_DISABLED;
  if (IsReadOnly()) return ETS_READONLY;
  if (Focused()) return ETS_FOCUSED;
  if (FViewInfo->ContainerState.Contains(csHotTrack)) return ETS_HOT;
  return ETS_NORMAL;
}

void TcxContainer::CalculateStatePart(const TPoint& P, bool AHotTrack) {
  TcxContainerState state;
  if (!GetEnabled())
    state = {csDisabled};
  else if (IsDesigning())
    state = {csNormal};
  else
    state = {Focused() ? csActive : csNormal};
  if (AHotTrack && cxRectPtIn(GetVisibleBounds(), P)) state.Include(csHotTrack);
  FViewInfo->ContainerState = state;
  TcxContainerStyle* active = GetActiveStyle();
  if (!active->GetHotTrack())
    FViewInfo->HotState = chsNoHotTrack;
  else if (state.Contains(csActive) || state.Contains(csHotTrack))
    FViewInfo->HotState = chsSelected;
  else
    FViewInfo->HotState = chsNormal;
  if (FViewInfo->NativeStyle) {
    FViewInfo->BorderStyle = GetStyle()->GetBorderStyle();
  } else {
    const TcxContainerBorderStyle style = active->GetBorderStyle();
    // The one-colour frames are drawn as a single frame in the border colour chosen below.
    FViewInfo->BorderStyle = style == cbsUltraFlat || style == cbsOffice11 ? cbsSingle : style;
  }
}

TColor TcxContainer::CalculateBorderColor() {
  TcxContainerStyle* active = GetActiveStyle();
  const TcxContainerBorderStyle style = active->GetBorderStyle();
  if (style != cbsUltraFlat && style != cbsOffice11) return active->GetBorderColor();
  const TcxContainerState state = FViewInfo->ContainerState;
  const bool highlighted = state.Contains(csActive) || (state.Contains(csHotTrack) && active->GetHotTrack()) ||
                           (IsDesigning() && GetEnabled());
  if (!highlighted) return clBtnShadow;
  return style == cbsOffice11 ? static_cast<TColor>(dxOffice11SelectedBorderColor) : clHighlight;
}

TColor TcxContainer::CalculateBackgroundColor() {
  TcxContainerStyle* active = GetActiveStyle();
  if (FViewInfo->NativeStyle && !GetEnabled() && !active->IsValueAssigned(csvColor)) {
    COLORREF fill = 0;
    if (TdxTheme theme = OpenTheme(FViewInfo->ThemedObjectType);
        theme && GetThemeColor(theme, FViewInfo->NativePart, FViewInfo->NativeState, TMT_FILLCOLOR, &fill) == S_OK)
      return static_cast<TColor>(fill);
  }
  return active->GetStyleColor();
}

void TcxContainer::CalculateViewInfo(const TPoint& P, bool AHotTrack) {
  FViewInfo->NativeStyle = IsNativeStyle();
  FViewInfo->Painter = GetStyle()->GetLookAndFeel()->GetSkinPainter();
  const Integer previousBorderWidth = GetContainerBorderWidth(FViewInfo->BorderStyle);
  CalculateStatePart(P, AHotTrack);
  // The visible bounds, and with them the hot state, depend on the border just chosen.
  if (!FViewInfo->NativeStyle && GetContainerBorderWidth(FViewInfo->BorderStyle) < previousBorderWidth)
    CalculateStatePart(P, AHotTrack);
  if (FViewInfo->NativeStyle) {
    FViewInfo->ThemedObjectType = GetBackgroundThemedObjectType();
    FViewInfo->NativePart = GetBackgroundNativePart();
    FViewInfo->NativeState = GetBackgroundNativeState();
  }
  FViewInfo->Bounds = GetControlRect(this);
  const TRect extent = GetBorderExtent();
  FViewInfo->BorderRect = cxRectInflate(FViewInfo->Bounds, -extent.left, -extent.top, -extent.right, -extent.bottom);
  FViewInfo->ClientRect = FViewInfo->BorderRect;
  FViewInfo->BorderWidth = FViewInfo->Painter ? 1 : GetContainerBorderWidth(FViewInfo->BorderStyle);
  FViewInfo->Edges = GetActiveStyle()->GetEdges();
  FViewInfo->Shadow = HasShadow();
  FViewInfo->BorderColor = CalculateBorderColor();
  FViewInfo->SetBackgroundColor(CalculateBackgroundColor());
}

bool TcxContainer::HasShadow() { return GetActiveStyle()->GetShadow() && !IsNativeStyle(); }

TRect TcxContainer::GetBorderExtent() {
  TcxContainerStyle* active = GetActiveStyle();
  TRect r;
  if (active->GetTransparentBorder() && !FViewInfo->Painter) {
    r = cxContainerDefaultBorderExtent;
  } else if (!active->HasBorder() || (FViewInfo->NativeStyle && GetStyle()->GetBorderStyle() == cbsNone)) {
    r = TRect();
  } else if (FViewInfo->NativeStyle) {
    r = cxContainerDefaultBorderExtent;
  } else {
    const Integer w = GetContainerBorderWidth(FViewInfo->BorderStyle);
    const TcxBorders edges = active->GetEdges();
    r = TRect(edges.Contains(bLeft) ? w : 0, edges.Contains(bTop) ? w : 0, edges.Contains(bRight) ? w : 0,
              edges.Contains(bBottom) ? w : 0);
  }
  if (HasShadow()) {
    r.right += cxContainerShadowWidth;
    r.bottom += cxContainerShadowWidth;
  }
  return r;
}

TRect TcxContainer::GetVisibleBounds() {
  TRect r = GetControlRect(this);
  if (IsInplace()) return r;
  if (HasShadow()) {
    r.right -= cxContainerShadowWidth;
    r.bottom -= cxContainerShadowWidth;
  }
  TcxContainerStyle* style = GetStyle();
  const bool transparent = style->GetTransparentBorder();
  if (style->HasBorder()) {
    if (FViewInfo->NativeStyle) {
      if (transparent && style->GetBorderStyle() == cbsNone) r = cxRectInflate(r, -2, -2);
    } else if (transparent) {
      // The frame is drawn inside the transparent two-pixel border; what lies outside it is not the
      // container's.
      const Integer w = GetContainerBorderWidth(FViewInfo->BorderStyle);
      r = cxRectInflate(r, w - 2, w - 2);
      InflateRectByBorders(r, w, style->GetEdges());
    }
  } else if (transparent) {
    r = cxRectInflate(r, -2, -2);
  }
  if (r.bottom < r.top) r = TRect(r.left, 0, r.right, 0);
  return r;
}

TRect TcxContainer::GetShadowBounds() {
  const TRect extent = GetBorderExtent();
  TRect r = cxRectInflate(FViewInfo->Bounds, -extent.left, -extent.top, -extent.right, -extent.bottom);
  r = cxRectInflate(r, FViewInfo->BorderWidth, FViewInfo->BorderWidth);
  InflateRectByBorders(r, FViewInfo->BorderWidth, FViewInfo->Edges);
  return r;
}

bool TcxContainer::CanHaveTransparentBorder() { return !(FViewInfo->NativeStyle && GetStyle()->HasBorder()); }

void TcxContainer::SetShadowRegion() {
  if (HandleAllocated())
    SetWindowShadowRegion(GetHandle(), GetShadowBounds(), !CanHaveTransparentBorder(), TRect(), FViewInfo->Shadow);
}

void TcxContainer::SetVisibleBoundsClipRect() {
  if (!HandleAllocated()) return;
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(GetHandle(), region) != ERROR)
    GetCanvas()->SetClipRegion(New<TcxRegion>(region), roIntersect);
  else
    DeleteObject(region);
}

// ---- Painting -----------------------------------------------------------------------------------------
void TcxContainer::Paint() {
  TcxCanvas* canvas = GetCanvas();
  if (!canvas->RectVisible(FViewInfo->Bounds) && FIsViewInfoCalculated) return;
  if (ControlState.Contains(csPaintCopy)) SetVisibleBoundsClipRect();
  CheckIsViewInfoCalculated();
  if (FViewInfo->Painter) {
    canvas->SaveClipRegion();
    TFinally restore([canvas] { canvas->RestoreClipRegion(); });
    canvas->ExcludeClipRect(FViewInfo->BorderRect);
    cxDrawTransparentControlBackground(this, canvas, FViewInfo->Bounds);
  }
  FViewInfo->Paint(canvas);
}

void TcxContainer::Invalidate() {
  inherited::Invalidate();
  if (FInnerControl) FInnerControl->Invalidate();
}

void TcxContainer::Update() {
  inherited::Update();
  if (FInnerControl) FInnerControl->Update();
}

// ---- The inner control --------------------------------------------------------------------------------
void TcxContainer::SetInnerControl(TWinControl* Value) {
  if (FInnerControl == Value) return;
  if (FInnerControl) FInnerControl->RemoveFreeNotification(this);
  FInnerControl = Value;
  if (FInnerControl) FInnerControl->FreeNotification(this);
}

void TcxContainer::InnerControlWndProc(TMessage& Message) {
  if (FInnerControlWndProc) FInnerControlWndProc(Message);
}

void TcxContainer::AdjustInnerControl() {
  if (!FInnerControl) return;
  FInnerControl->SetColor(FViewInfo->GetBackgroundColor());
  FInnerControl->SetFont(GetActiveStyle()->GetVisibleFont());
}

void TcxContainer::SetSize() {
  if (!FInnerControl || FInnerControl->GetBoundsRect() == FViewInfo->ClientRect) return;
  ++FRefreshLockCount;
  TFinally unlock([this] { --FRefreshLockCount; });
  FInnerControl->SetBoundsRect(FViewInfo->ClientRect);
}

void TcxContainer::AdjustClientRect(TRect& Rect) {
  if (!GetIsDestroying()) Rect = FViewInfo->ClientRect;
}

TcxContainerInnerControlBounds TcxContainer::GetInnerControlBounds(const TRect& AInnerControlsRegion,
                                                                 TControl* AControl) {
  TcxContainerInnerControlBounds bounds;
  if (!AControl) return bounds;
  const TRect own = GetControlRect(AControl);
  TRect r = own;
  const TRect b = AControl->GetBoundsRect();
  // Each side moves in by as much as the control sticks out of the region there.
  if (b.left < AInnerControlsRegion.left) r.left += AInnerControlsRegion.left - b.left;
  if (b.top < AInnerControlsRegion.top) r.top += AInnerControlsRegion.top - b.top;
  if (b.right > AInnerControlsRegion.right) r.right -= b.right - AInnerControlsRegion.right;
  if (b.bottom > AInnerControlsRegion.bottom) r.bottom -= b.bottom - AInnerControlsRegion.bottom;
  bounds.IsEmpty = r == own;
  if (!bounds.IsEmpty) bounds.Rect = r;
  return bounds;
}

bool TcxContainer::IsInnerControlBoundsChanged(TWinControl* AControl, const TcxContainerInnerControlBounds& ABounds) {
  if (AControl != FInnerControl) return true;
  if (FInnerControlBounds.IsEmpty && ABounds.IsEmpty) return false;
  if (FInnerControlBounds.IsEmpty != ABounds.IsEmpty) return true;
  return FInnerControlBounds.Rect != ABounds.Rect;
}

void TcxContainer::SaveInnerControlBounds(TWinControl* AControl, const TcxContainerInnerControlBounds& ABounds) {
  if (AControl == FInnerControl) FInnerControlBounds = ABounds;
}

void TcxContainer::ClearSavedChildControlRegions() { FInnerControlBounds.IsEmpty = true; }

void TcxContainer::AlignControls(TControl* AControl, TRect& Rect) {
  if (IsContainerClass()) return inherited::AlignControls(AControl, Rect);
  if (IsAlignControlsLocked() || IsInternalControl(AControl)) return;
  if (!AControl) return inherited::AlignControls(AControl, Rect);
  auto* control = dynamic_cast<TWinControl*>(AControl);
  if (FIsCreating || !control || !control->HandleAllocated()) return;
  // The control is cut to the area inside the border.
  TRect region = Rect;
  AdjustClientRect(region);
  const TcxContainerInnerControlBounds bounds = GetInnerControlBounds(region, control);
  if (!IsInnerControlBoundsChanged(control, bounds)) return;
  SetWindowRegion(control, bounds);
  SaveInnerControlBounds(control, bounds);
}

void TcxContainer::LockAlignControls(bool ALock) {
  if (ALock)
    ++FLockAlignControlsCount;
  else if (FLockAlignControlsCount > 0)
    --FLockAlignControlsCount;
}

void TcxContainer::LockPopupMenu(bool ALock) {
  if (ALock)
    ++FLockPopupMenuCount;
  else if (FLockPopupMenuCount > 0)
    --FLockPopupMenuCount;
}

// ---- Window -------------------------------------------------------------------------------------------
void TcxContainer::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.WindowClass.style &= ~static_cast<UINT>(CS_VREDRAW | CS_HREDRAW);
}

void TcxContainer::CreateWindowHandle(const TCreateParams& Params) {
  // Made without its text, which the default procedure then sets, so that no caption is drawn on the
  // way.
  TCreateParams params = Params;
  params.Caption.clear();
  inherited::CreateWindowHandle(params);
  if (HandleAllocated())
    DefWindowProc(GetHandle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Params.Caption.c_str()));
}

void TcxContainer::CreateHandle() {
  inherited::CreateHandle();
  if (HandleAllocated()) PostMessage(GetHandle(), CM_SHORTREFRESHCONTAINER, 0, 0);
}

// ---- Dragging -----------------------------------------------------------------------------------------
void TcxContainer::SetDragMode(TDragMode Value) {
  inherited::SetDragMode(Value);
  if (FInnerControl) FInnerControl->SetDragMode(Value);
}

void TcxContainer::SetDragKind(TDragKind Value) {
  TControl::SetDragKind(Value);
  if (FInnerControl) FInnerControl->SetDragKind(Value);
}

ImgList::TDragImageList* TcxContainer::GetDragImages() {
  if (FInnerControl)
    if (ImgList::TDragImageList* images = FInnerControl->GetDragImages()) return images;
  return inherited::GetDragImages();
}

namespace {

// DragCanceled is the control's own business; the container passes it on as a descendant would.
struct TControlAccess : TControl {
  using TControl::DragCanceled;
};

}  // namespace

void TcxContainer::DragCanceled() {
  inherited::DragCanceled();
  if (FInnerControl) (FInnerControl->*&TControlAccess::DragCanceled)();
}

void TcxContainer::CursorChanged() {
  inherited::CursorChanged();
  if (FInnerControl) FInnerControl->SetCursor(TControl::GetCursor());
}

// ---- _TcxContainerAccess -------------------------------------------------------------------------------
void _TcxContainerAccess::BeginAutoDrag(TcxContainer* AInstance) { AInstance->BeginAutoDrag(); }
void _TcxContainerAccess::Click(TcxContainer* AInstance) { AInstance->Click(); }
void _TcxContainerAccess::DblClick(TcxContainer* AInstance) { AInstance->DblClick(); }
bool _TcxContainerAccess::DoMouseWheel(TcxContainer* AInstance, TShiftState Shift, Integer WheelDelta,
                                       TPoint MousePos) {
  return AInstance->DoMouseWheel(Shift, WheelDelta, MousePos);
}
void _TcxContainerAccess::DragOver(TcxContainer* AInstance, TObject* Source, Integer X, Integer Y, TDragState State,
                                   bool& Accept) {
  AInstance->DragOver(Source, X, Y, State, Accept);
}
void _TcxContainerAccess::KeyDown(TcxContainer* AInstance, Word& Key, TShiftState Shift) {
  AInstance->KeyDown(Key, Shift);
}
void _TcxContainerAccess::KeyPress(TcxContainer* AInstance, char& Key) { AInstance->KeyPress(Key); }
void _TcxContainerAccess::KeyUp(TcxContainer* AInstance, Word& Key, TShiftState Shift) { AInstance->KeyUp(Key, Shift); }
void _TcxContainerAccess::MouseDown(TcxContainer* AInstance, TMouseButton Button, TShiftState Shift, Integer X,
                                    Integer Y) {
  AInstance->MouseDown(Button, Shift, X, Y);
}
void _TcxContainerAccess::MouseMove(TcxContainer* AInstance, TShiftState Shift, Integer X, Integer Y) {
  AInstance->MouseMove(Shift, X, Y);
}
void _TcxContainerAccess::MouseUp(TcxContainer* AInstance, TMouseButton Button, TShiftState Shift, Integer X,
                                  Integer Y) {
  AInstance->MouseUp(Button, Shift, X, Y);
}

}  // namespace cxContainer
