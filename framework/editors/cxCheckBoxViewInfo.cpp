// The check box editor's layout and paint state: where the box and the caption go for each alignment,
// in place and stand-alone; the box's interaction state from the mouse and the space key; the focus
// rectangle; and painting only the box again when only its states changed.
#include "WinUser.h"
#include "cxCheckBox.h"
#include "cxContainerUtils.h"
#include "cxControlsUtils.h"
#include "cxEditRegistry.h"
#include "cxEditUtils.h"
#include "cxGeometry.h"
#include "cxGraphicsCanvas.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"

namespace cxCheckBox {

namespace {

// Gap between the box and its caption.
constexpr Integer CheckToTextGap = 3;
constexpr Integer CheckBoxThemePart = 3;

TcxCustomCheckBoxViewInfo* CheckInfo(TcxCustomEditViewInfo* AViewInfo) {
  return static_cast<TcxCustomCheckBoxViewInfo*>(AViewInfo);
}

}  // namespace

// ---- TcxCustomCheckBoxViewData -----------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxCustomCheckBoxViewData)

bool TcxCustomCheckBoxViewData::IsCheckPressed() {
  auto* edit = dynamic_cast<TcxCustomCheckBox*>(Edit);
  return edit && edit->IsKeyPressed();
}

DWORD TcxCustomCheckBoxViewData::GetDrawTextFlags() {
  TcxCustomCheckBoxProperties* properties = GetCheckBoxProperties();
  Integer flags = properties->GetHorzAlignment() == taCenter ? cxtfAlignHCenter : cxtfAlignLeft;
  flags |= cxtfSingleLine | cxtfShowPrefix;
  if (properties->GetMultiLine()) flags = (flags & ~cxtfSingleLine) | cxtfDontClip | cxtfWordBreak;
  flags |= IsInplace() || !properties->GetMultiLine() ? cxtfAlignVCenter : cxtfAlignTop;
  return static_cast<DWORD>(flags);
}

void TcxCustomCheckBoxViewData::Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P,
                                          TcxMouseButton Button, TShiftState Shift, TcxCustomEditViewInfo* AViewInfo,
                                          bool AIsMouseEvent) {
  inherited::Calculate(ACanvas, ABounds, P, Button, Shift, AViewInfo, AIsMouseEvent);
  TcxCustomCheckBoxViewInfo* info = CheckInfo(AViewInfo);
  TcxCustomCheckBoxProperties* properties = GetCheckBoxProperties();
  info->IsEditClass = GetIsEditClass();
  info->DrawSelectionBar = false;
  info->HasPopupWindow = false;
  info->DrawTextFlags = GetDrawTextFlags();
  CalculateViewInfo(info, AIsMouseEvent);
  if (Edit) info->Text = Edit->GetCaption();

  info->Alignment = !IsInplace() || properties->IsEmbeddedEdit() || properties->GetUseAlignmentWhenInplace() ||
                            !info->Text.empty()
                        ? properties->GetHorzAlignment()
                        : taCenter;
  info->CheckBorderStyle = static_cast<TcxEditBorderStyle>(GetStyle()->GetBorderStyle());
  info->Glyph = properties->GetGlyph();
  info->GlyphCount = properties->GetGlyphCount();
  info->NullValueShowingStyle = properties->GetNullStyle();
  info->HasGlyph = info->GlyphCount > 0 && VerifyBitmap(info->Glyph);
  info->CheckBorderOffset = GetEditCheckBorderOffset(info->CheckBorderStyle, NativeStyle, info->HasGlyph, info->Painter);
  CalculateRects(info, GetEditCheckSize(ACanvas, NativeStyle, info->Glyph, info->GlyphCount, info->Painter));
  CalculateCheckState(info, P, Button, Shift);
  info->SetBackgroundColor(GetStyle()->GetColor());
  CalculateFocusRect(ACanvas, info);
  if (IsInplace() && info->CheckBorderStyle == ebsSingle)
    info->BorderColor = info->CheckBoxCheckState == ecsHot || (IsDesigning && info->CheckBoxCheckState != ecsDisabled)
                            ? clHighlight
                            : clBtnShadow;
  info->IsTextColorAssigned = GetStyle()->IsValueAssigned(csvTextColor);
}

void TcxCustomCheckBoxViewData::CalculateRects(TcxCustomEditViewInfo* AViewInfo, const TSize& ACheckSize) {
  TcxCustomCheckBoxViewInfo* info = CheckInfo(AViewInfo);
  const bool embedded = GetCheckBoxProperties()->IsEmbeddedEdit();
  const bool themedButton = AreVisualStylesMustBeUsed(NativeStyle, totButton);
  TRect check = info->ClientRect, text = info->ClientRect;
  if (IsInplace()) {
    if (info->Alignment == taLeftJustify) {
      text.right -= 2;
      if (!embedded) check.left += 2;
    } else if (info->Alignment == taRightJustify) {
      text.left += 2;
      if (!embedded) check.right -= 2;
    }
    text.top += EditContentParams.Offsets.top;
    text.bottom -= EditContentParams.Offsets.bottom;
  } else {
    text = cxRectInflate(text, -2, -2);
    if (!embedded && !(EmulateStandardControlDrawing() && (themedButton || info->Painter))) text.top -= 1;
    if (!(themedButton && embedded)) check = cxRectInflate(check, -2, -2);
  }
  if (ACheckSize.cy < check.Height()) {
    check.top += (check.Height() - ACheckSize.cy) / 2;
    check.bottom = check.top + ACheckSize.cy;
  }
  if (ACheckSize.cx >= check.Width()) {
    text.right = text.left;
  } else if (info->Alignment == taCenter) {
    check.left += (check.Width() - ACheckSize.cx) / 2;
    check.right = check.left + ACheckSize.cx;
  } else if (info->Alignment == taLeftJustify) {
    check.right = check.left + ACheckSize.cx;
    text.left = check.right + CheckToTextGap;
  } else {
    check.left = check.right - ACheckSize.cx;
    text.right = check.left - CheckToTextGap + (IsInplace() && embedded ? 1 : 0);
  }
  if (cxRectIsEmpty(check)) check = TRect();
  if (!Enabled && !IsNativeStyle(GetStyle()->GetLookAndFeel()) && !info->Painter) {
    text.right += 1;
    text.bottom += 1;
  }
  info->TextRect = text;
  info->CheckBoxRect = check;
}

void TcxCustomCheckBoxViewData::CalculateCheckState(TcxCustomEditViewInfo* AViewInfo, const TPoint& P,
                                                    TcxMouseButton Button, TShiftState Shift) {
  TcxCustomCheckBoxViewInfo* info = CheckInfo(AViewInfo);
  TcxEditCheckState state = ecsNormal;
  if (!Enabled) {
    state = ecsDisabled;
  } else if (IsCheckPressed()) {
    state = ecsPressed;
  } else if (!IsDesigning && cxRectPtIn(info->BorderRect, P)) {
    // The box stays pressed while the left button that pressed it is held.
    if (Shift.Empty()) state = ecsHot;
    else if (Shift == TShiftState{ssLeft} && (Button == cxmbLeft || info->CheckBoxCheckState == ecsPressed))
      state = ecsPressed;
  }
  info->CheckBoxCheckState = state;
}

void TcxCustomCheckBoxViewData::CalculateFocusRect(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo) {
  TcxCustomCheckBoxViewInfo* info = CheckInfo(AViewInfo);
  TcxCustomCheckBoxProperties* properties = GetCheckBoxProperties();
  const bool centred = info->Alignment == taCenter;
  const bool standAloneLike = !IsInplace() || properties->IsEmbeddedEdit();
  TRect focus;
  if (info->Focused && ((standAloneLike && !centred) ||
                        (IsInplace() && centred && GetPaintOptions().Contains(epoShowFocusRectWhenInplace)))) {
    if (centred) {
      focus = cxRectInflate(info->ClientRect, -1, -1);
    } else if (!info->Text.empty()) {
      focus = info->TextRect;
      if (!properties->GetFullFocusRect()) {
        ACanvas->SetFont(info->Font ? info->Font : GetStyle()->GetVisibleFont());
        ACanvas->TextExtent(info->Text, focus, static_cast<Integer>(info->DrawTextFlags));
      }
      focus = cxRectInflate(focus, 1, 1);
    }
  }
  if (!cxRectIsEmpty(focus)) {
    TRect limit;
    if (centred) {
      limit = TRect(focus.left, info->ClientRect.top, focus.right, info->ClientRect.bottom);
    } else {
      limit = cxRectInflate(info->TextRect, 1, 1);
      if (IsInplace()) {
        limit.top += 2;
        limit.bottom -= 2;
      }
      limit.right = std::min(limit.right, info->BorderRect.right - 1);
    }
    focus = TRect(std::max(focus.left, limit.left), std::max(focus.top, limit.top), std::min(focus.right, limit.right),
                  std::min(focus.bottom, limit.bottom));
  } else {
    focus = TRect();
  }
  info->FocusRect = focus;
}

void TcxCustomCheckBoxViewData::EditValueToDrawValue(TcxCanvas* ACanvas, const TcxEditValue& AEditValue,
                                                     TcxCustomEditViewInfo* AViewInfo) {
  TcxCustomCheckBoxViewInfo* info = CheckInfo(AViewInfo);
  info->State = PreviewMode ? cbsChecked : GetCheckBoxProperties()->GetState(AEditValue);
  if (IsInplace() && !GetCheckBoxProperties()->IsEmbeddedEdit()) info->Text.clear();
  CalculateFocusRect(ACanvas, info);
}

TSize TcxCustomCheckBoxViewData::InternalGetEditConstantPartSize(TcxCanvas* ACanvas, bool AIsInplace,
                                                                 const TcxEditSizeProperties& AEditSizeProperties,
                                                                 TSize& MinContentSize,
                                                                 TcxCustomEditViewInfo* AViewInfo) {
  TSize size =
      inherited::InternalGetEditConstantPartSize(ACanvas, AIsInplace, AEditSizeProperties, MinContentSize, AViewInfo);
  TcxCustomCheckBoxViewInfo* info = CheckInfo(AViewInfo);
  TcxCustomCheckBoxProperties* properties = GetCheckBoxProperties();
  Integer w = info->CheckBoxRect.Width(), h = info->CheckBoxRect.Height();
  if (AIsInplace && info->Alignment != taCenter && !info->Text.empty()) {
    ACanvas->SetFont(GetStyle()->GetVisibleFont());
    w = ACanvas->TextWidth(RemoveAccelChars(info->Text, false)) + (info->TextRect.left - info->Bounds.left) +
        (info->Bounds.right - info->TextRect.right);
  } else {
    w += 4;
  }
  h += AIsInplace ? 2 * (1 - info->CheckBorderOffset) : 4;
  size.cx += w;
  size.cy += h;

  const String text = properties->GetHorzAlignment() == taCenter || AIsInplace || !Edit
                          ? String("Gg")
                          : RemoveAccelChars(Edit->GetCaption(), false);
  TcxEditSizeProperties sizeProperties = AEditSizeProperties;
  if (!Enabled && !IsNativeStyle(GetStyle()->GetLookAndFeel())) sizeProperties.Width -= 1;
  const DWORD flags = DrawTextFlagsTocxTextOutFlags(static_cast<Integer>(GetDrawTextFlags())) | cxtoSingleLine |
                      cxtoCharBreak;
  size.cy = std::max(size.cy, GetTextEditContentSize(ACanvas, this, text, flags, sizeProperties, 0).cy);
  return size;
}

// ---- TcxCustomCheckBoxViewInfo -----------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxCustomCheckBoxViewInfo)
IMPLEMENT_CLASS(TcxCheckBoxStyle)

TcxCustomCheckBox* TcxCustomCheckBoxViewInfo::GetEdit() const { return dynamic_cast<TcxCustomCheckBox*>(Edit); }

bool TcxCustomCheckBoxViewInfo::IsTextEnabled() {
  return IsContainerInnerControl || Enabled || IsTextColorAssigned || NativeStyle;
}

bool TcxCustomCheckBoxViewInfo::StatesDiffer(TcxContainerViewInfo* AViewInfo) const {
  auto* other = dynamic_cast<TcxCustomCheckBoxViewInfo*>(AViewInfo);
  return other && (other->CheckBoxCheckState != CheckBoxCheckState || other->State != State);
}

void TcxCustomCheckBoxViewInfo::Assign(TObject* Source) {
  if (auto* source = dynamic_cast<TcxCustomCheckBoxViewInfo*>(Source)) {
    CheckBoxCheckState = source->CheckBoxCheckState;
    State = source->State;
  }
  inherited::Assign(Source);
}

TcxRegion* TcxCustomCheckBoxViewInfo::GetUpdateRegion(TcxContainerViewInfo* AViewInfo) {
  TcxRegion* region = inherited::GetUpdateRegion(AViewInfo);
  if (StatesDiffer(AViewInfo)) {
    TcxRegion* check = New<TcxRegion>(CheckBoxRect);
    UniteRegions(region, check);
    check->Free();
  }
  return region;
}

void TcxCustomCheckBoxViewInfo::Offset(Integer DX, Integer DY) {
  inherited::Offset(DX, DY);
  CheckBoxRect = cxRectOffset(CheckBoxRect, DX, DY);
  FocusRect = cxRectOffset(FocusRect, DX, DY);
}

bool TcxCustomCheckBoxViewInfo::NeedShowHint(TcxCanvas*, const TPoint&, const TRect&, String& AText,
                                             bool& AIsMultiLine, TRect& ATextRect) {
  AIsMultiLine = false;
  return false;
}

bool TcxCustomCheckBoxViewInfo::Repaint(TWinControl* AControl, const TRect& AInnerEditRect,
                                        TcxContainerViewInfo* AViewInfo) {
  if (!AControl->HandleAllocated()) return false;
  const bool differ = StatesDiffer(AViewInfo);
  const bool result = inherited::Repaint(AControl, AInnerEditRect, AViewInfo) || (AViewInfo && differ);
  if (!AViewInfo || differ)
    InternalInvalidate(AControl->GetHandle(), cxRectOffset(CheckBoxRect, Left, Top), TRect(), false);
  return result;
}

void TcxCustomCheckBoxViewInfo::DrawText(TcxCanvas* ACanvas) {
  DrawCheckBoxText(ACanvas, Text, Font, TextColor, TextRect, static_cast<Integer>(DrawTextFlags), IsTextEnabled());
}

void TcxCustomCheckBoxViewInfo::InternalPaint(TcxCanvas* ACanvas) {
  const bool transparent = IsBackgroundTransparent();
  const TRect excluded = cxRectInflate(CheckBoxRect, -CheckBorderOffset, -CheckBorderOffset);
  bool paintUnderCheck = transparent && (Painter || HasGlyph);
  if (transparent && !paintUnderCheck && NativeStyle) {
    const TcxCheckBoxState state =
        State == cbsGrayed && NullValueShowingStyle == nssUnchecked ? cbsUnchecked : State;
    if (TdxTheme theme = OpenTheme(totButton))
      paintUnderCheck = IsThemeBackgroundPartiallyTransparent(
          theme, CheckBoxThemePart, static_cast<int>(state) * 4 + static_cast<int>(CheckBoxCheckState) + 1);
  }
  DrawEditBackground(ACanvas, Bounds, excluded, paintUnderCheck);
  DrawEditCheck(ACanvas, CheckBoxRect, State, CheckBoxCheckState, Glyph, GlyphCount, CheckBorderStyle, NativeStyle,
                BorderColor, GetBackgroundColor(), !transparent, IsDesigning, Focused, true, Painter,
                NullValueShowingStyle);
  if (Alignment != taCenter) DrawText(ACanvas);
  if (!cxRectIsEmpty(FocusRect)) ACanvas->DrawFocusRect(FocusRect);
}

}  // namespace cxCheckBox
