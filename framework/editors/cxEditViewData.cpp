// The view data's frame: construction and cached data, the state pass, border style, extents and
// colours, the client rectangle, the popup border style and the size questions. The buttons are laid
// out in cxEditViewDataButtons.cpp.
#include "cxEditViewData.h"

#include <algorithm>

#include "UxThemeConsts.h"
#include "cxContainerUtils.h"
#include "cxControlsScrollBars.h"
#include "cxDWMApi.h"
#include "cxEditControl.h"
#include "cxEditInternal.h"
#include "cxEditUtils.h"
#include "cxEditViewInfo.h"
#include "cxGeometry.h"
#include "cxGraphicsFunctions.h"
#include "dxThemeManager.h"

namespace cxEdit {

namespace {

// The button drawing style for btsDefault, by border style and by look-and-feel kind.
constexpr TcxEditButtonStyle ButtonStylesByBorderStyle[] = {btsSimple, btsHotFlat,   bts3D,      btsFlat,
                                                            bts3D,     btsUltraFlat, btsOffice11};
constexpr TcxEditButtonStyle ButtonStylesByLookAndFeel[] = {btsFlat, bts3D, btsUltraFlat, btsOffice11};
// The popup border style for epbsDefault, by border style and by look-and-feel kind.
constexpr TcxEditPopupBorderStyle PopupBorderStylesByBorderStyle[] = {
    epbsFlat, epbsSingle, epbsSingle, epbsFlat, epbsSingle, epbsSingle, epbsSingle};
constexpr TcxEditPopupBorderStyle PopupBorderStylesByLookAndFeel[] = {epbsFlat, epbsFrame3D, epbsSingle, epbsSingle};
// The theme part of the edit's fill colour, without and with desktop composition.
constexpr Integer EditFillColorNativePart[] = {1, 3};

}  // namespace

IMPLEMENT_CLASS(TcxCustomEditViewData)

TcxCustomEditViewData* TcxCustomEditViewData::Create(TClass AClass, TcxCustomEditProperties* AProperties,
                                                     TcxCustomEditStyle* AStyle, bool AIsInplace) {
  return CreateInstanceOf<TcxCustomEditViewData>(AClass, [&](TcxCustomEditViewData* AViewData) {
    AViewData->FProperties = AProperties;
    AViewData->FStyle = AStyle;
    AViewData->FIsInplace = AIsInplace;
  });
}

void TcxCustomEditViewData::Construct() {
  inherited::Construct();
  Initialize();
  TextColor = clDefault;
  BackgroundColor = clDefault;
  // The class's shared instance, which only answers class operations, has no settings to cache.
  if (FProperties && FStyle) InitCacheData();
}

void TcxCustomEditViewData::Initialize() {
  ContentOffset = TRect();
  Enabled = true;
}

void TcxCustomEditViewData::InitCacheData() {
  ButtonVisibleCount = FProperties->GetButtons()->GetVisibleCount();
  IsValueSource = FProperties->GetEditValueSource(false) == evsValue;
  TcxEditAlignment* alignment = FProperties->GetAlignment();
  HorzAlignment = alignment->GetHorz();
  VertAlignment = alignment->GetVert();
  NativeStyle = IsNativeStyle(GetLookAndFeel());
  InitEditContentParams(EditContentParams);
}

void TcxCustomEditViewData::InitEditContentParams(TcxEditContentParams& AParams) {
  AParams.Offsets = GetEditContentDefaultOffsets();
  AParams.SizeCorrectionHorz = 3 - AParams.Offsets.left - AParams.Offsets.right;
  AParams.SizeCorrectionVert = NativeStyle ? GetNativeInnerTextEditContentHeightCorrection(FProperties, true) : 0;
  AParams.ExternalBorderBounds = TRect();
  AParams.Options = {ecoOffsetButtonContent};
}

TRect TcxCustomEditViewData::GetEditContentDefaultOffsets() { return EditContentDefaultOffsets[FIsInplace ? 1 : 0]; }

bool TcxCustomEditViewData::IsNativeStyle(TcxLookAndFeel* ALookAndFeel) {
  return ALookAndFeel && AreVisualStylesMustBeUsed(ALookAndFeel->GetNativeStyle(), totEdit);
}

TcxLookAndFeel* TcxCustomEditViewData::GetLookAndFeel() { return FStyle ? FStyle->GetLookAndFeel() : nullptr; }

bool TcxCustomEditViewData::InternalFocused() { return Edit ? Edit->InternalFocused() : Focused; }

Integer TcxCustomEditViewData::GetCaptureButtonVisibleIndex() {
  return Edit ? Edit->GetCaptureButtonVisibleIndex() : -1;
}

// ---- Calculation ---------------------------------------------------------------------------------------------
void TcxCustomEditViewData::CalculateEx(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P,
                                        TcxMouseButton Button, TShiftState Shift, TcxCustomEditViewInfo* AViewInfo,
                                        bool AIsMouseEvent) {
  AViewInfo->Left = ABounds.left;
  AViewInfo->Top = ABounds.top;
  const TRect bounds = cxRectOffset(ABounds, -ABounds.left, -ABounds.top);
  const TPoint p(P.x - ABounds.left, P.y - ABounds.top);
  Calculate(ACanvas, bounds, p, Button, Shift, AViewInfo, AIsMouseEvent);
}

TcxContainerState TcxCustomEditViewData::GetContainerState(const TRect& ABounds, const TPoint& P, TcxMouseButton,
                                                           TShiftState Shift, bool) {
  if (!Enabled) return {csDisabled};
  if (IsDesigning) return {csNormal};
  TcxContainerState state{Focused ? csActive : csNormal};
  const TRect hotArea = Edit ? Edit->GetVisibleBounds()
                             : TRect(ABounds.left - ContentOffset.left, ABounds.top - ContentOffset.top,
                                     ABounds.right + ContentOffset.right, ABounds.bottom + ContentOffset.bottom);
  if (cxRectPtIn(hotArea, P) && (Shift.Empty() || (Edit && Edit->GetMouseCapture()))) state.Include(csHotTrack);
  return state;
}

void TcxCustomEditViewData::CalculateStates(const TRect& ABounds, const TPoint& P, TcxMouseButton Button,
                                            TShiftState Shift, TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) {
  AViewInfo->ContainerState = GetContainerState(ABounds, P, Button, Shift, AIsMouseEvent);
  const TcxContainerState state = AViewInfo->ContainerState;
  HotTrackOrFocused = state.Contains(csActive) || state.Contains(csHotTrack);
  if (IsDesigning || !FStyle->GetHotTrack() || FIsInplace)
    AViewInfo->HotState = chsNoHotTrack;
  else
    AViewInfo->HotState = HotTrackOrFocused ? chsSelected : chsNormal;
  if (Edit) FStyle = Edit->GetEditActiveStyle();
  AViewInfo->SetEditBorderStyle(FIsInplace || !NativeStyle ? GetBorderStyle() : FStyle->GetBaseStyle()->GetBorderStyle());
}

void TcxCustomEditViewData::Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P,
                                      TcxMouseButton Button, TShiftState Shift, TcxCustomEditViewInfo* AViewInfo,
                                      bool AIsMouseEvent) {
  Shift = Shift * TShiftState{ssLeft, ssRight, ssMiddle, ssDouble};
  const Integer previousBorderWidth = GetContainerBorderWidth(AViewInfo->BorderStyle);
  CalculateStates(ABounds, P, Button, Shift, AViewInfo, AIsMouseEvent);
  // A narrower frame widens the hot area, which may change the state just found.
  if (!FIsInplace && !NativeStyle && GetContainerBorderWidth(AViewInfo->BorderStyle) < previousBorderWidth)
    CalculateStates(ABounds, P, Button, Shift, AViewInfo, AIsMouseEvent);
  ContainerState = AViewInfo->ContainerState;
  AViewInfo->EditProperties = FProperties;
  if (FIsInplace)
    IsButtonsOnly = ABounds.right != MaxInt && FProperties->GetButtonsViewStyle() != bvsNormal;
  else
    IsButtonsOnly = FProperties->GetButtonsViewStyle() == bvsButtonsOnly;

  Bounds = ABounds;
  AViewInfo->Bounds = ABounds;
  AViewInfo->Painter = GetLookAndFeel()->GetSkinPainter();
  AViewInfo->Enabled = Enabled;
  AViewInfo->Focused = Focused;
  AViewInfo->HasBackground = Edit && Edit->HasBackground();
  AViewInfo->HasInnerEdit = InnerEdit && InnerEdit->GetControl()->GetVisible();
  AViewInfo->IsDBEditPaintCopyDrawing = Edit && Edit->IsDBEditPaintCopyDrawing();
  AViewInfo->IsContainerInnerControl = Edit && Supports<IcxContainerInnerControl>(Edit);
  AViewInfo->IsDesigning = IsDesigning;
  AViewInfo->IsInplace = FIsInplace;
  AViewInfo->IsSelected = Selected;
  AViewInfo->PaintOptions = GetPaintOptions();
  AViewInfo->Edges = FStyle->GetEdges();
  AViewInfo->Font = FStyle->GetDirectAccessMode() ? FStyle->GetFont() : FStyle->GetVisibleFont();
  AViewInfo->Shadow = !FIsInplace && HasShadow();
  AViewInfo->WindowHandle = WindowHandle;

  CalculateViewInfo(AViewInfo, AIsMouseEvent);
  CalculateButtonsViewInfo(ACanvas, ABounds, P, Button, Shift, AViewInfo, AIsMouseEvent);
  AViewInfo->ClientRect = cxRectContent(ABounds, GetClientExtent(ACanvas, AViewInfo));
  AViewInfo->InnerEditRect = InnerEdit ? InnerEdit->GetControl()->GetBoundsRect() : AViewInfo->ClientRect;
  AViewInfo->PopupBorderStyle = GetPopupBorderStyle(AViewInfo);
}

void TcxCustomEditViewData::CalculateViewInfo(TcxCustomEditViewInfo* AViewInfo, bool) {
  AViewInfo->NativeStyle = NativeStyle;
  AViewInfo->NativeState = NativeStyle ? GetEditNativeState(AViewInfo) : 0;
  AViewInfo->ThemedObjectType = totEdit;
  AViewInfo->NativePart = 1;
  AViewInfo->BorderWidth = AViewInfo->Painter ? 1 : GetContainerBorderWidth(AViewInfo->BorderStyle);
  AViewInfo->BorderExtent = GetBorderExtent();
  AViewInfo->BorderRect = cxRectContent(Bounds, AViewInfo->BorderExtent);
  AViewInfo->ShadowRect = AViewInfo->BorderRect;
  AViewInfo->HasContentOffsets = ContentOffset != TRect();
  if (!FIsInplace) AViewInfo->BorderColor = GetBorderColor();
  TColor color, textColor;
  GetColorSettings(AViewInfo, color, textColor);
  AViewInfo->TextColor = textColor;
  AViewInfo->SetBackgroundColor(color);
}

Integer TcxCustomEditViewData::GetEditNativeState(TcxCustomEditViewInfo*) {
  if (!Enabled) return ETS_DISABLED;
  if (FProperties->GetReadOnly()) return ETS_READONLY;
  if (Focused) return IsCompositionEnabled() ? ETS_SELECTED : ETS_FOCUSED;
  if (ContainerState.Contains(csHotTrack)) return ETS_HOT;
  return ETS_NORMAL;
}

TcxEditPopupBorderStyle TcxCustomEditViewData::GetPopupBorderStyle(TcxCustomEditViewInfo* AViewInfo) {
  const TcxEditPopupBorderStyle style = FStyle->GetPopupBorderStyle();
  if (style != epbsDefault || !Edit) return style;
  if (FIsInplace) return PopupBorderStylesByLookAndFeel[GetLookAndFeel()->GetKind()];
  if (AViewInfo->GetEditBorderStyle() != ebsNone || AViewInfo->ButtonsInfo.empty())
    return PopupBorderStylesByBorderStyle[AViewInfo->GetEditBorderStyle()];
  return PopupBorderStylesByLookAndFeel[GetEditPopupWindowControlsLookAndFeelKind(Edit)];
}

// ---- Frame ---------------------------------------------------------------------------------------------------
void TcxCustomEditViewData::CorrectBorderStyle(TcxEditBorderStyle& ABorderStyle) {
  if (ABorderStyle == ebsUltraFlat || ABorderStyle == ebsOffice11) ABorderStyle = ebsSingle;
}

TcxEditBorderStyle TcxCustomEditViewData::GetBorderStyle() {
  if (FIsInplace) return ebsNone;
  TcxEditBorderStyle style = FStyle->GetBorderStyle();
  CorrectBorderStyle(style);
  return style;
}

TColor TcxCustomEditViewData::GetBorderColor() {
  if (TcxCustomLookAndFeelPainterClass painter = GetLookAndFeel()->GetSkinPainter())
    return painter->GetContainerBorderColor(HotTrackOrFocused);
  const TcxEditBorderStyle style = FStyle->GetBorderStyle();
  if (style != ebsUltraFlat && style != ebsOffice11) return FStyle->GetBorderColor();
  const bool highlighted = ContainerState.Contains(csActive) ||
                           (ContainerState.Contains(csHotTrack) && FStyle->GetHotTrack()) || (IsDesigning && Enabled);
  return highlighted ? GetEditBorderHighlightColor(style == ebsOffice11) : clBtnShadow;
}

TRect TcxCustomEditViewData::GetBorderExtent() {
  if (FIsInplace) return ContentOffset;
  TRect r;
  if (FStyle->GetTransparentBorder() && !GetLookAndFeel()->GetSkinPainter()) {
    r = cxContainerDefaultBorderExtent;
  } else if (!FStyle->HasBorder() || (NativeStyle && FStyle->GetBaseStyle()->GetBorderStyle() == ebsNone)) {
    r = TRect();
  } else if (!NativeStyle) {
    const Integer w = GetContainerBorderWidth(static_cast<TcxContainerBorderStyle>(GetBorderStyle()));
    const TcxBorders edges = FStyle->GetEdges();
    r = TRect(edges.Contains(bLeft) ? w : 0, edges.Contains(bTop) ? w : 0, edges.Contains(bRight) ? w : 0,
              edges.Contains(bBottom) ? w : 0);
  } else {
    r = cxContainerDefaultBorderExtent;
  }
  if (HasShadow()) {
    r.right += cxContainerShadowWidth;
    r.bottom += cxContainerShadowWidth;
  }
  return r;
}

bool TcxCustomEditViewData::HasShadow() { return IsShadowDrawingNeeded(this); }

TRect TcxCustomEditViewData::GetButtonsExtent(TcxCanvas* ACanvas) {
  if (FIsInplace) return ContentOffset;
  if (!NativeStyle) return GetBorderExtent();
  if (FStyle->GetBaseStyle()->GetBorderStyle() != ebsNone) return GetEditThemeContentMargins(totEdit, 1, 1, ACanvas);
  if (FStyle->GetTransparentBorder()) return cxContainerDefaultBorderExtent;
  return TRect();
}

TRect TcxCustomEditViewData::GetClientExtent(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo) {
  TRect r = GetBorderExtent();
  if (FProperties->GetButtonsViewStyle() != bvsNormal && ButtonVisibleCount > 0) {
    const TRect buttonsExtent = GetButtonsExtent(ACanvas);
    r.left = buttonsExtent.left;
    r.right = buttonsExtent.right;
  }
  if (HScrollBar) r.bottom += HScrollBar->GetHeight();
  if (VScrollBar) r.right += VScrollBar->GetWidth();
  for (TcxEditButtonViewInfo* button : AViewInfo->ButtonsInfo) {
    if (button->LeftAlignment)
      r.left = std::max(r.left, button->Bounds.right - AViewInfo->Bounds.left);
    else
      r.right = std::max(r.right, AViewInfo->Bounds.right - button->Bounds.left);
  }
  return r;
}

void TcxCustomEditViewData::GetColorSettings(TcxCustomEditViewInfo* AViewInfo, TColor& FillColor, TColor& ATextColor) {
  ATextColor = FStyle->GetTextColor();
  if (Edit && Edit->DefaultParentColor()) {
    FillColor = FStyle->GetColor();
    return;
  }
  if (NativeStyle && !Enabled && !FStyle->IsValueAssigned(csvColor)) {
    COLORREF fill = 0;
    if (TdxTheme theme = OpenTheme(totEdit);
        theme && GetThemeColor(theme, EditFillColorNativePart[IsCompositionEnabled() ? 1 : 0],
                               AViewInfo->NativeState, TMT_FILLCOLOR, &fill) == S_OK) {
      FillColor = static_cast<TColor>(fill);
      return;
    }
  }
  FillColor = FStyle->GetColor();
}

TcxEditPaintOptions TcxCustomEditViewData::GetPaintOptions() {
  TcxEditPaintOptions options = PaintOptions;
  if (!cxRectIsEmpty(EditContentParams.ExternalBorderBounds)) options.Include(epoHasExternalBorder);
  if (EditContentParams.Options.Contains(ecoShowFocusRectWhenInplace)) options.Include(epoShowFocusRectWhenInplace);
  return options;
}

TcxEditButtonStyle TcxCustomEditViewData::GetButtonsStyle() {
  const TcxEditButtonStyle style = FStyle->GetButtonStyle();
  if (style != btsDefault) return style;
  if (FIsInplace || (FStyle->GetBorderStyle() == ebsNone && !FStyle->GetHotTrack()))
    return ButtonStylesByLookAndFeel[GetLookAndFeel()->GetKind()];
  return ButtonStylesByBorderStyle[FStyle->GetBorderStyle()];
}

// ---- Sizes ---------------------------------------------------------------------------------------------------------
TSize TcxCustomEditViewData::GetEditConstantPartSize(TcxCanvas* ACanvas,
                                                     const TcxEditSizeProperties& AEditSizeProperties,
                                                     TSize& MinContentSize, TcxCustomEditViewInfo* AViewInfo) {
  TOwnedPtr<TcxCustomEditViewInfo> temporary;
  if (!AViewInfo) {
    temporary.reset(static_cast<TcxCustomEditViewInfo*>(TcxContainerViewInfo::Create(FProperties->GetViewInfoClass())));
    AViewInfo = temporary.get();
    Calculate(ACanvas, TRect(0, 0, MaxInt, MaxInt), TPoint(-1, -1), cxmbNone, {}, AViewInfo, false);
  }
  return InternalGetEditConstantPartSize(ACanvas, FIsInplace, AEditSizeProperties, MinContentSize, AViewInfo);
}

TSize TcxCustomEditViewData::InternalGetEditConstantPartSize(TcxCanvas* ACanvas, bool AIsInplace,
                                                             const TcxEditSizeProperties&, TSize& MinContentSize,
                                                             TcxCustomEditViewInfo* AViewInfo) {
  MinContentSize = TSize{0, 0};
  const TRect& bounds = AViewInfo->Bounds;
  const TRect& client = AViewInfo->ClientRect;
  const TSize frame{(client.left - bounds.left) + (bounds.right - client.right),
                    (client.top - bounds.top) + (bounds.bottom - client.bottom)};
  Integer contentHeight = 0;
  bool canvasFontPrepared = false;
  for (TcxEditButtonViewInfo* button : AViewInfo->ButtonsInfo) {
    if (button->Kind == bkGlyph && VerifyBitmap(button->Glyph))
      contentHeight = std::max(contentHeight, button->Glyph->GetHeight());
    if (AIsInplace && button->Kind == bkText && !button->Caption.empty() && ACanvas) {
      if (!canvasFontPrepared) {
        ACanvas->GetFont()->Assign(FStyle->GetVisibleFont());
        AViewInfo->PrepareCanvasFont(ACanvas->GetCanvas());
        canvasFontPrepared = true;
      }
      contentHeight = std::max(contentHeight, ACanvas->TextHeight(button->Caption));
    }
  }
  if (contentHeight > 0) {
    if (!AViewInfo->Painter) {
      const TRect buttonsExtent = GetButtonsExtent(ACanvas);
      contentHeight += buttonsExtent.top + buttonsExtent.bottom;
    }
    contentHeight += GetEditButtonsContentVerticalOffset(ACanvas, GetButtonsStyle(), NativeStyle);
    MinContentSize.cy = std::max(0, contentHeight - frame.cy);
  }
  return frame;
}

TSize TcxCustomEditViewData::GetEditContentSizeCorrection() {
  return TSize{EditContentParams.Offsets.left + EditContentParams.Offsets.right + EditContentParams.SizeCorrectionHorz,
               EditContentParams.Offsets.top + EditContentParams.Offsets.bottom + EditContentParams.SizeCorrectionVert};
}

TSize TcxCustomEditViewData::GetEditContentSize(TcxCanvas* ACanvas, const TcxEditValue& AEditValue,
                                                const TcxEditSizeProperties& AEditSizeProperties) {
  if (FProperties->GetButtonsViewStyle() == bvsNormal)
    return InternalGetEditContentSize(ACanvas, AEditValue, AEditSizeProperties);
  ACanvas->GetFont()->Assign(FStyle->GetVisibleFont());
  return TSize{0, GetEditContentSizeCorrection().cy + ACanvas->TextHeight("Zg")};
}

TSize TcxCustomEditViewData::GetEditSize(TcxCanvas* ACanvas, const TcxEditValue& AEditValue,
                                         const TcxEditSizeProperties& AEditSizeProperties,
                                         TcxCustomEditViewInfo* AViewInfo) {
  TSize minContentSize;
  const TSize constant = GetEditConstantPartSize(ACanvas, AEditSizeProperties, minContentSize, AViewInfo);
  TcxEditSizeProperties sizeProperties = AEditSizeProperties;
  bool fits = true;
  if (sizeProperties.Width >= 0) {
    sizeProperties.Width -= constant.cx;
    if (sizeProperties.Width < 0) {
      sizeProperties.Width = 0;
      fits = false;
    }
  }
  TSize content = GetEditContentSize(ACanvas, AEditValue, sizeProperties);
  CheckSize(content, minContentSize);
  TSize size{fits ? constant.cx + content.cx : AEditSizeProperties.Width, constant.cy + content.cy};
  if (!FIsInplace) CheckSizeConstraints(size);
  return size;
}

void TcxCustomEditViewData::CheckSizeConstraints(TSize& AEditSize) {
  if (!Edit) return;
  TSizeConstraints* constraints = Edit->GetConstraints();
  if (constraints->GetMaxHeight() > 0) AEditSize.cy = std::min(AEditSize.cy, constraints->GetMaxHeight());
  if (constraints->GetMinHeight() > 0) AEditSize.cy = std::max(AEditSize.cy, constraints->GetMinHeight());
  if (constraints->GetMaxWidth() > 0) AEditSize.cx = std::min(AEditSize.cx, constraints->GetMaxWidth());
  if (constraints->GetMinWidth() > 0) AEditSize.cx = std::max(AEditSize.cx, constraints->GetMinWidth());
}

// ---- Display text ----------------------------------------------------------------------------------------------------
String TcxCustomEditViewData::EditValueToDisplayText(const TcxEditValue& AEditValue) {
  const TcxEditValue value = AEditValue;
  String text = InternalEditValueToDisplayText(value);
  DoOnGetDisplayText(text);
  return text;
}

void TcxCustomEditViewData::DoOnGetDisplayText(String& AText) {
  if (OnGetDisplayText) OnGetDisplayText(this, AText);
}

}  // namespace cxEdit
