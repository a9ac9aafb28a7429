// The editor view info: copying and moving, painting the background by its draw-background style,
// what must be painted again when a new view info replaces the previous one, and hints. The buttons
// are drawn in cxEditViewInfoButtons.cpp.
#include "cxEditViewInfo.h"

#include "Forms.h"
#include "cxContainerUtils.h"
#include "cxControlsInternal.h"
#include "cxDWMApi.h"
#include "cxEditControl.h"
#include "cxEditInternal.h"
#include "cxEditPaintUtils.h"
#include "cxEditUtils.h"
#include "cxGeometry.h"
#include "cxGraphicsFunctions.h"
#include "dxThemeManager.h"

namespace cxEdit {

IMPLEMENT_CLASS(TcxCustomEditViewInfo)

void TcxCustomEditViewInfo::Construct() {
  inherited::Construct();
  PressedButton = -1;
  SelectedButton = -1;
}

void TcxCustomEditViewInfo::Destroy() {
  SetButtonCount(0);
  inherited::Destroy();
}

void TcxCustomEditViewInfo::SetButtonCount(Integer ACount) {
  while (GetButtonCount() > ACount) {
    ButtonsInfo.back()->Free();
    ButtonsInfo.pop_back();
  }
  while (GetButtonCount() < ACount) {
    TClass buttonClass = GetButtonViewInfoClass();
    if (!buttonClass->InheritsFrom(TcxEditButtonViewInfo::StaticClass())) RaiseInvalidCast();
    ButtonsInfo.push_back(static_cast<TcxEditButtonViewInfo*>(buttonClass->Create()));
  }
}

void TcxCustomEditViewInfo::Assign(TObject* Source) {
  if (auto* source = dynamic_cast<TcxCustomEditViewInfo*>(Source)) {
    SetBackgroundColor(source->GetBackgroundColor());
    BorderColor = source->BorderColor;
    BorderStyle = source->BorderStyle;
    ContainerState = source->ContainerState;
    NativeState = source->NativeState;
    SetButtonCount(source->GetButtonCount());
    for (Integer i = 0; i < GetButtonCount(); ++i) ButtonsInfo[i]->Assign(source->ButtonsInfo[i]);
    PressedButton = source->PressedButton;
    SelectedButton = source->SelectedButton;
  }
  inherited::Assign(Source);
}

void TcxCustomEditViewInfo::Offset(Integer DX, Integer DY) {
  inherited::Offset(DX, DY);
  InnerEditRect = cxRectOffset(InnerEditRect, DX, DY);
  ShadowRect = cxRectOffset(ShadowRect, DX, DY);
  for (TcxEditButtonViewInfo* button : ButtonsInfo) {
    button->Bounds = cxRectOffset(button->Bounds, DX, DY);
    button->VisibleBounds = cxRectOffset(button->VisibleBounds, DX, DY);
  }
}

// ---- Painting ------------------------------------------------------------------------------------------------
void TcxCustomEditViewInfo::Paint(TcxCanvas* ACanvas) {
  if (OnPaint) OnPaint(this, ACanvas);
  inherited::Paint(ACanvas);
}

void TcxCustomEditViewInfo::InternalPaint(TcxCanvas* ACanvas) { DrawCustomEdit(ACanvas, this, true, bpsSolid); }

void TcxCustomEditViewInfo::PaintEx(TcxCanvas* ACanvas) {
  const TPoint origin = ACanvas->GetWindowOrg();
  ACanvas->SetWindowOrg(TPoint(origin.x - Left, origin.y - Top));
  TFinally restore([ACanvas, origin] { ACanvas->SetWindowOrg(origin); });
  Paint(ACanvas);
}

bool TcxCustomEditViewInfo::DrawBackground(TcxCanvas* ACanvas) {
  if (!IsInplace || !OnDrawBackground) return false;
  bool handled = false;
  OnDrawBackground(this, ACanvas, handled);
  return handled;
}

bool TcxCustomEditViewInfo::DrawBackground(TcxCanvas* ACanvas, const TPoint& APos) {
  const TPoint origin = ACanvas->GetWindowOrg();
  ACanvas->SetWindowOrg(TPoint(origin.x + APos.x, origin.y + APos.y));
  TFinally restore([ACanvas, origin] { ACanvas->SetWindowOrg(origin); });
  return DrawBackground(ACanvas);
}

TcxDrawBackgroundStyle TcxCustomEditViewInfo::GetDrawBackgroundStyle() {
  if (IsInplace) {
    if (IsCustomBackground()) return dbsCustom;
    return IsTransparent() ? dbsNone : dbsSimpleFill;
  }
  if (IsTransparent()) return dbsSimpleParent;
  if (IsNativeBackground()) return dbsThemeParent;
  return NativeStyle ? dbsSimpleFill : dbsCustomEdit;
}

void TcxCustomEditViewInfo::DrawEditBackground(TcxCanvas* ACanvas, const TRect& ARect, const TRect& AExcludeRect,
                                               bool AIncludeExcluded) {
  ACanvas->SaveDC();
  TFinally restore([ACanvas] { ACanvas->RestoreDC(); });
  if (!AIncludeExcluded) ACanvas->ExcludeClipRect(AExcludeRect);
  switch (GetDrawBackgroundStyle()) {
    case dbsCustom:
      ACanvas->IntersectClipRect(ARect);
      DrawBackground(ACanvas);
      break;
    case dbsCustomEdit: DrawCustomEdit(ACanvas, this, true, bpsSolid); break;
    case dbsNone: break;
    case dbsSimpleFill: cxEditFillRect(ACanvas, ARect, GetBackgroundColor()); break;
    case dbsSimpleParent:
      if (Edit) cxDrawTransparentControlBackground(Edit, ACanvas, ARect);
      break;
    case dbsThemeParent:
      if (Edit) cxDrawThemeParentBackground(Edit, ACanvas, ARect);
      break;
  }
}

void TcxCustomEditViewInfo::DrawNativeStyleEditBackground(TcxCanvas* ACanvas, bool ADrawBackground,
                                                          TcxEditBackgroundPaintingStyle ABackgroundPaintingStyle,
                                                          HBRUSH ABackgroundBrush) {
  TRect area = Bounds;
  const bool hasFrame = !IsInplace && GetEditBorderStyle() != ebsNone;
  if (hasFrame) {
    const bool composition = IsCompositionEnabled();
    TdxThemedObjectType themeType = totEdit;
    Integer part = composition ? 6 : 1;
    TRect themeRect = Bounds;
    if (composition && ABackgroundPaintingStyle == bpsComboListEdit) {
      themeType = totButton;
      part = 1;
      themeRect = cxRectInflate(Bounds, 1, 1);
    }
    TdxTheme theme = OpenTheme(themeType);
    TRect inner;
    switch (ABackgroundPaintingStyle) {
      case bpsComboEdit:
        inner = cxRectInflate(Bounds, -3, -3);
        --inner.right;
        break;
      case bpsComboListEdit: inner = composition ? TRect() : ClientRect; break;
      default:
        if (composition) {
          inner = cxRectInflate(Bounds, -2, -2);
        } else {
          RECT bounds = Bounds, content = Bounds;
          if (theme) GetThemeBackgroundContentRect(theme, ACanvas->GetHandle(), part, NativeState, &bounds, &content);
          inner = content;
        }
        break;
    }
    ACanvas->SaveClipRegion();
    TFinally restore([ACanvas] { ACanvas->RestoreClipRegion(); });
    if (!cxRectIsEmpty(inner)) ACanvas->ExcludeClipRect(inner);
    if (theme) {
      if (IsThemeBackgroundPartiallyTransparent(theme, part, NativeState) && Edit)
        cxDrawThemeParentBackground(Edit, ACanvas, Bounds);
      const RECT r = themeRect;
      DrawThemeBackground(theme, ACanvas->GetHandle(), part, NativeState, &r, nullptr);
    }
    area = inner;
  }
  if (IsTransparent()) return;
  if (!ADrawBackground && hasFrame) {
    if (ABackgroundPaintingStyle != bpsComboListEdit) InternalFillRect(ACanvas->GetCanvas(), area, BorderRect, ABackgroundBrush);
  } else {
    cxEditFillRect(ACanvas->GetHandle(), area, ABackgroundBrush);
  }
}

// ---- Custom drawing ------------------------------------------------------------------------------------------------
bool TcxCustomEditViewInfo::IsCustomBackground() {
  if (!OnDrawBackground) return false;
  bool handled = false;
  OnDrawBackground(this, nullptr, handled);
  return handled;
}

bool TcxCustomEditViewInfo::IsCustomButton(Integer AButtonVisibleIndex) {
  if (!OnDrawButton) return false;
  bool handled = false;
  OnDrawButton(this, nullptr, AButtonVisibleIndex, handled);
  return handled;
}

bool TcxCustomEditViewInfo::IsCustomButtonBackground(Integer AButtonVisibleIndex) {
  if (!OnDrawButtonBackground) return false;
  bool handled = false;
  OnDrawButtonBackground(this, nullptr, TRect(), AButtonVisibleIndex, handled);
  return handled;
}

bool TcxCustomEditViewInfo::IsCustomButtonBorder(Integer AButtonVisibleIndex) {
  if (!OnDrawButtonBorder) return false;
  bool handled = false;
  TRect background, content;
  OnDrawButtonBorder(this, nullptr, AButtonVisibleIndex, background, content, handled);
  return handled;
}

bool TcxCustomEditViewInfo::IsCustomDrawButton(Integer AButtonVisibleIndex) {
  return IsCustomButton(AButtonVisibleIndex) || IsCustomButtonBackground(AButtonVisibleIndex) ||
         IsCustomButtonBorder(AButtonVisibleIndex);
}

bool TcxCustomEditViewInfo::IsTransparent() { return Transparent || (Edit && Edit->IsTransparent()); }

bool TcxCustomEditViewInfo::IsNativeBackground() { return Edit && Edit->IsNativeBackground(); }

bool TcxCustomEditViewInfo::IsBackgroundTransparent() {
  const TcxDrawBackgroundStyle style = GetDrawBackgroundStyle();
  return style != dbsCustomEdit && style != dbsSimpleFill;
}

bool TcxCustomEditViewInfo::IsHotTrack() {
  for (TcxEditButtonViewInfo* button : ButtonsInfo)
    if (button->State == ebsSelected) return true;
  return false;
}

bool TcxCustomEditViewInfo::IsHotTrack(const TPoint& P) {
  const TPoint p(P.x - Left, P.y - Top);
  for (TcxEditButtonViewInfo* button : ButtonsInfo)
    if (cxRectPtIn(button->Bounds, p)) return true;
  return false;
}

// ---- Repainting ------------------------------------------------------------------------------------------------------
TcxRegion* TcxCustomEditViewInfo::GetUpdateRegion(TcxContainerViewInfo* AViewInfo) {
  TcxRegion* region = inherited::GetUpdateRegion(AViewInfo);
  auto* other = dynamic_cast<TcxCustomEditViewInfo*>(AViewInfo);
  if (!other) return region;
  const bool frameAlike = (BorderColor == other->BorderColor || GetEditBorderStyle() == ebsNone) &&
                          BorderStyle == other->BorderStyle && GetButtonCount() == other->GetButtonCount() &&
                          NativeState == other->NativeState;
  if (frameAlike) {
    for (Integer i = 0; i < GetButtonCount(); ++i) {
      TcxRegion* buttonRegion = ButtonsInfo[i]->GetUpdateRegion(other->ButtonsInfo[i]);
      if (!buttonRegion->GetIsEmpty()) UniteRegions(region, buttonRegion);
      buttonRegion->Free();
    }
  } else if (!cxRectIsEmpty(Bounds)) {
    TcxRegion* boundsRegion = New<TcxRegion>(Bounds);
    UniteRegions(region, boundsRegion);
    boundsRegion->Free();
  }
  return region;
}

bool TcxCustomEditViewInfo::Repaint(TWinControl* AControl, TcxContainerViewInfo* AViewInfo) {
  return Repaint(AControl, TRect(), AViewInfo);
}

bool TcxCustomEditViewInfo::Repaint(TWinControl* AControl, const TRect& AInnerEditRect,
                                    TcxContainerViewInfo* AViewInfo) {
  if (!AControl || !AControl->HandleAllocated()) return false;
  const TRect whole = cxRectOffset(Bounds, Left, Top);
  TRect inner;
  cxRectIntersect(inner, AInnerEditRect, ClientRect);
  auto invalidate = [&](const TRect& AExclude, bool AErase) {
    if (cxRectIsEmpty(whole) || whole == AExclude) return false;
    InternalInvalidate(AControl->GetHandle(), whole, AExclude, AErase);
    return true;
  };
  auto* other = dynamic_cast<TcxCustomEditViewInfo*>(AViewInfo);
  if (!other) {
    invalidate(inner, HasBackground);
    return false;
  }
  bool result = false;
  if (NativeState != other->NativeState || GetBackgroundColor() != other->GetBackgroundColor() ||
      (IsRepaintOnStateChangingNeeded() && !(ContainerState == other->ContainerState)) ||
      GetButtonCount() != other->GetButtonCount()) {
    result = invalidate(inner, other->HasBackground);
  } else if ((BorderColor != other->BorderColor && GetEditBorderStyle() != ebsNone) ||
             BorderStyle != other->BorderStyle) {
    result = invalidate(cxRectOffset(BorderRect, Left, Top), other->HasBackground);
  }
  if (GetButtonCount() == other->GetButtonCount())
    for (Integer i = 0; i < GetButtonCount(); ++i)
      result = ButtonsInfo[i]->Repaint(AControl, other->ButtonsInfo[i], TPoint(Left, Top)) || result;
  return result;
}

// ---- Hints ------------------------------------------------------------------------------------------------------------
Integer TcxCustomEditViewInfo::GetHintAreaIndex(const TPoint& P) {
  for (TcxEditButtonViewInfo* button : ButtonsInfo)
    if (button->State == ebsSelected) return button->ButtonIndex;
  return cxRectPtIn(BorderRect, P) ? cxEditHintAreaBody : cxEditHintAreaNone;
}

String TcxCustomEditViewInfo::GetHintText(bool AShowHint, Integer AHintArea) {
  if (!AShowHint || AHintArea < 0 || !EditProperties) return "";
  TcxEditButtons* buttons = EditProperties->GetButtons();
  return AHintArea < buttons->Count() ? buttons->GetItem(AHintArea)->GetHint() : "";
}

TRect TcxCustomEditViewInfo::GetHintTextRect(const TPoint& P, Integer AHintArea) {
  return CalculateEditHintRect(nullptr, GetHintText(true, AHintArea), P);
}

bool TcxCustomEditViewInfo::NeedShowHint(TcxCanvas*, const TPoint& P, String& AText, bool& AIsMultiLine,
                                         TRect& ATextRect) {
  const Integer area = GetHintAreaIndex(P);
  AText = GetHintText(true, area);
  AIsMultiLine = false;
  ATextRect = GetHintTextRect(P, area);
  return !AText.empty();
}

bool TcxCustomEditViewInfo::NeedShowHint(TcxCanvas*, const TPoint&, const TRect&, String& AText, bool& AIsMultiLine,
                                         TRect& ATextRect) {
  AText.clear();
  AIsMultiLine = false;
  ATextRect = TRect();
  return false;
}

}  // namespace cxEdit
