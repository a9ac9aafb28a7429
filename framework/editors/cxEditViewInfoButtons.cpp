// Drawing the editor's buttons: borders in seven drawing styles or by the theme, backgrounds (solid,
// the Office 2003 gradient or the theme) and contents (dots, arrow, glyph or caption).
#include "UxThemeConsts.h"
#include <algorithm>

#include "cxGraphicsBitmaps.h"
#include "cxControlsInternal.h"
#include "cxDWMApi.h"
#include "cxEditControl.h"
#include "cxEditPaintUtils.h"
#include "cxEditUtils.h"
#include "cxEditViewInfo.h"
#include "cxGeometry.h"
#include "cxLookAndFeelPaintersStandard.h"
#include "dxOffice11.h"
#include "dxThemeManager.h"

namespace cxEdit {

namespace {

// The brush of a hot-flat button by its state.
constexpr TColor HotFlatBrushColors[] = {clBtnFace, clBtnFace, clBtnText, clBtnShadow};
// The painter's button state and kind for a skin painter.
constexpr TcxButtonState PainterButtonStates[] = {cxbsDisabled, cxbsNormal, cxbsPressed, cxbsHot};
constexpr TcxEditBtnKind PainterButtonKinds[] = {cxbkEllipsisBtn, cxbkComboBtn, cxbkEditorBtn, cxbkEditorBtn};

bool IsPressedOrSelected(const TcxEditButtonViewInfo* AButton) {
  return AButton->State == ebsPressed || AButton->State == ebsSelected;
}

// The colour of a button drawn over the editor: its own background when transparent.
TColor ButtonFaceColor(const TcxEditButtonViewInfo* AButton) {
  return AButton->Transparent ? AButton->BackgroundColor : clBtnFace;
}

// Widens [ALow, AHigh) to [AOuterLow, AOuterHigh): the odd pixel goes to the high side when pressed,
// else to the low side; a pressed even widening moves one pixel towards the high side.
void WidenToButton(Integer& ALow, Integer& AHigh, Integer AOuterLow, Integer AOuterHigh, bool APressed) {
  const Integer extra = (AOuterHigh - AOuterLow) - (AHigh - ALow);
  if (extra <= 0) return;
  const Integer half = extra / 2;
  ALow -= half;
  AHigh += half;
  if (extra % 2 == 0) {
    if (APressed) ++ALow, ++AHigh;
  } else if (APressed) {
    ++AHigh;
  } else {
    --ALow;
  }
}

}  // namespace

// ---- The button as a whole ------------------------------------------------------------------------------------
void TcxCustomEditViewInfo::DrawButtons(TcxCanvas* ACanvas) {
  if (FPaintingButtons || (Edit && Edit->IsButtonDC(ACanvas->GetHandle()))) return;
  FPaintingButtons = true;
  TFinally done([this] { FPaintingButtons = false; });
  for (Integer i = 0; i < GetButtonCount(); ++i) DrawButton(ACanvas, i);
}

void TcxCustomEditViewInfo::DrawButton(TcxCanvas* ACanvas, Integer AButtonVisibleIndex) {
  TcxEditButtonViewInfo* button = ButtonsInfo[AButtonVisibleIndex];
  button->BackgroundColor = GetBackgroundColor();
  if (cxRectIsEmpty(button->VisibleBounds)) return;
  const bool clipped = !cxRectContain(BorderRect, button->Bounds);
  if (clipped) {
    ACanvas->SaveClipRegion();
    ACanvas->IntersectClipRect(button->VisibleBounds);
  }
  TFinally restore([ACanvas, clipped] {
    if (clipped) ACanvas->RestoreClipRegion();
  });
  bool handled = false;
  if (OnDrawButton) OnDrawButton(this, ACanvas, AButtonVisibleIndex, handled);
  if (!handled) DrawEditButton(ACanvas, AButtonVisibleIndex);
}

void TcxCustomEditViewInfo::DrawEditButton(TcxCanvas* ACanvas, Integer AButtonVisibleIndex) {
  TcxEditButtonViewInfo* button = ButtonsInfo[AButtonVisibleIndex];
  ACanvas->GetPen()->SetColor(clBtnText);
  // A glyph, and a skin painter's button, are drawn off the screen first and copied in one piece.
  const bool offScreen = (button->Kind == bkGlyph && VerifyBitmap(button->Glyph)) || Painter;
  TOwnedPtr<TcxBitmap> bitmap;
  TcxCanvas* canvas = ACanvas;
  if (offScreen) {
    bitmap.reset(New<TcxBitmap>(button->Bounds.Width(), button->Bounds.Height()));
    canvas = bitmap->GetcxCanvas();
    canvas->SetWindowOrg(button->Bounds.TopLeft());
  }
  TRect backgroundRect, contentRect;
  TColor penColor = clBtnText, brushColor = clBtnFace;
  DrawButtonBorder(canvas, AButtonVisibleIndex, backgroundRect, contentRect, penColor, brushColor);
  if (!cxRectIsEmpty(backgroundRect)) {
    bool handled = false;
    if (OnDrawButtonBackground) OnDrawButtonBackground(this, canvas, backgroundRect, AButtonVisibleIndex, handled);
    if (!handled && button->NativePart != 0)
      DrawNativeButtonBackground(canvas, button, backgroundRect);
    else if (!handled)
      DrawUsualButtonBackground(canvas, button, backgroundRect, brushColor);
  }
  if (!cxRectIsEmpty(contentRect)) {
    const bool offsetContent =
        button->State == ebsPressed &&
        (!Edit || Edit->GetInplaceContentParams().Options.Contains(ecoOffsetButtonContent));
    DrawButtonContent(canvas, AButtonVisibleIndex, contentRect, penColor, brushColor, offsetContent);
  }
  if (offScreen) {
    canvas->SetWindowOrg(TPoint(0, 0));
    ACanvas->Draw(button->Bounds.left, button->Bounds.top, bitmap.get());
  }
}

// ---- Borders -----------------------------------------------------------------------------------------------------
void TcxCustomEditViewInfo::DrawButtonBorder(TcxCanvas* ACanvas, Integer AButtonVisibleIndex, TRect& ABackgroundRect,
                                             TRect& AContentRect, TColor& APenColor, TColor& ABrushColor) {
  TcxEditButtonViewInfo* button = ButtonsInfo[AButtonVisibleIndex];
  ABackgroundRect = AContentRect = button->Bounds;
  bool handled = false;
  if (OnDrawButtonBorder) OnDrawButtonBorder(this, ACanvas, AButtonVisibleIndex, ABackgroundRect, AContentRect, handled);
  if (handled) return;
  if (button->NativePart != 0)
    return DrawNativeButtonBorder(ACanvas, button, ABackgroundRect, AContentRect, APenColor, ABrushColor);
  if (Painter) {
    AContentRect = ABackgroundRect;
    APenColor = clBtnText;
    ABrushColor = button->State == ebsDisabled ? clBtnFace : Edit ? Edit->GetStyle()->GetColor() : clWindow;
    return;
  }
  TcxEditButtonStyle style = button->ButtonStyle;
  if (style == btsSimple && IsPressedOrSelected(button)) style = btsFlat;
  switch (style) {
    case bts3D: Draw3DButtonBorder(ACanvas, button, ABackgroundRect, AContentRect, APenColor, ABrushColor); break;
    case btsFlat: DrawFlatButtonBorder(ACanvas, button, ABackgroundRect, AContentRect, APenColor, ABrushColor); break;
    case btsSimple:
      DrawSimpleButtonBorder(ACanvas, button, ABackgroundRect, AContentRect, APenColor, ABrushColor);
      break;
    case btsHotFlat:
      DrawHotFlatButtonBorder(ACanvas, button, ABackgroundRect, AContentRect, APenColor, ABrushColor);
      break;
    case btsUltraFlat:
    case btsOffice11:
      DrawUltraFlatButtonBorder(ACanvas, button, style == btsOffice11, ABackgroundRect, AContentRect, APenColor,
                                ABrushColor);
      break;
    default: break;
  }
}

void TcxCustomEditViewInfo::Draw3DButtonBorder(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                               TRect& ABackgroundRect, TRect& AContentRect, TColor& APenColor,
                                               TColor& ABrushColor) {
  TRect r = AButtonViewInfo->Bounds;
  ABrushColor = ButtonFaceColor(AButtonViewInfo);
  APenColor = clBtnText;
  if (AButtonViewInfo->State == ebsPressed) {
    ACanvas->FrameRect(r, clBtnShadow);
    r = cxRectInflate(r, -1, -1);
    ACanvas->FrameRect(r, ABrushColor);
  } else {
    ACanvas->DrawComplexFrame(r, cl3DLight, cl3DDkShadow);
    r = cxRectInflate(r, -1, -1);
    ACanvas->DrawComplexFrame(r, clBtnHighlight, clBtnShadow);
  }
  ABackgroundRect = AContentRect = cxRectInflate(r, -1, -1);
}

void TcxCustomEditViewInfo::DrawFlatButtonBorder(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                                 TRect& ABackgroundRect, TRect& AContentRect, TColor& APenColor,
                                                 TColor& ABrushColor) {
  TRect r = AButtonViewInfo->Bounds;
  ABrushColor = ButtonFaceColor(AButtonViewInfo);
  APenColor = clBtnText;
  cxEditUtils::DrawButtonBorder(ACanvas->GetCanvas(), r, {bLeft}, ABrushColor);
  if (AButtonViewInfo->State == ebsPressed)
    ACanvas->DrawComplexFrame(r, clBtnShadow, clBtnHighlight);
  else
    ACanvas->DrawComplexFrame(r, clBtnHighlight, clBtnShadow);
  r = cxRectInflate(r, -1, -1);
  cxEditUtils::DrawButtonBorder(ACanvas->GetCanvas(), r, {bRight}, ABrushColor);
  ABackgroundRect = AContentRect = r;
}

void TcxCustomEditViewInfo::DrawHotFlatButtonBorder(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                                    TRect& ABackgroundRect, TRect& AContentRect, TColor& APenColor,
                                                    TColor& ABrushColor) {
  TRect r = AButtonViewInfo->Bounds;
  ABrushColor = AButtonViewInfo->Transparent ? AButtonViewInfo->BackgroundColor
                                             : HotFlatBrushColors[AButtonViewInfo->State];
  const bool leftAligned = AButtonViewInfo->LeftAlignment;
  const bool innerEnd = leftAligned ? AButtonViewInfo->RightEnd : AButtonViewInfo->LeftEnd;
  if (innerEnd) {
    ACanvas->FrameRect(r, clBtnShadow);
    r = cxRectInflate(r, -1, -1);
  } else {
    cxEditUtils::DrawButtonBorder(ACanvas->GetCanvas(), r, {bTop, bBottom, leftAligned ? bLeft : bRight},
                                  clBtnShadow);
    cxEditUtils::DrawButtonBorder(ACanvas->GetCanvas(), r, {leftAligned ? bRight : bLeft}, ABrushColor);
  }
  if (IsPressedOrSelected(AButtonViewInfo))
    APenColor = AButtonViewInfo->Transparent && AButtonViewInfo->State == ebsSelected ? clBtnShadow : clWindow;
  else
    APenColor = clBtnText;
  cxEditUtils::DrawButtonBorder(ACanvas->GetCanvas(), r, {bLeft, bRight}, ABrushColor);
  ABackgroundRect = AContentRect = r;
}

void TcxCustomEditViewInfo::DrawSimpleButtonBorder(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                                   TRect& ABackgroundRect, TRect& AContentRect, TColor& APenColor,
                                                   TColor& ABrushColor) {
  TRect r = AButtonViewInfo->Bounds;
  if (!IsTransparent()) ACanvas->FrameRect(r, AButtonViewInfo->BackgroundColor);
  r = cxRectInflate(r, -1, -1);
  ABrushColor = ButtonFaceColor(AButtonViewInfo);
  APenColor = clBtnText;
  cxEditUtils::DrawButtonBorder(ACanvas->GetCanvas(), r, {bLeft, bRight}, ABrushColor);
  ABackgroundRect = AContentRect = r;
}

void TcxCustomEditViewInfo::DrawUltraFlatButtonBorder(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                                      bool AIsOffice11Style, TRect& ABackgroundRect,
                                                      TRect& AContentRect, TColor& APenColor, TColor& ABrushColor) {
  TcxEditButtonViewInfo* button = AButtonViewInfo;
  if (button->Transparent)
    ABrushColor = button->BackgroundColor;
  else if (button->State == ebsDisabled)
    ABrushColor = clBtnFace;
  else if (button->State == ebsNormal)
    ABrushColor = AIsOffice11Style ? static_cast<TColor>(dxOffice11DockColor1) : clBtnFace;
  else
    ABrushColor = GetEditButtonHighlightColor(button->State == ebsPressed, AIsOffice11Style);
  APenColor = clBtnText;
  const TColor highlight = GetEditBorderHighlightColor(AIsOffice11Style);
  TRect r = button->Bounds;
  const bool frameMissing = IsInplace ? !PaintOptions.Contains(epoHasExternalBorder) : GetEditBorderStyle() == ebsNone;
  if (!IsPressedOrSelected(button) || frameMissing) {
    if (IsPressedOrSelected(button))
      ACanvas->FrameRect(r, highlight);
    else if (!IsTransparent())
      ACanvas->FrameRect(r, button->BackgroundColor);
    ABackgroundRect = cxRectInflate(r, -1, -1);
    AContentRect = cxRectInflate(ABackgroundRect, -1, 0);
    return;
  }
  // Pressed or selected inside a frame: highlight lines only where the button meets the editor.
  TRect background = r;
  auto line = [&](TcxBorder ASide) {
    cxEditUtils::DrawButtonBorder(ACanvas->GetCanvas(), r, {ASide}, highlight);
    background = r;
  };
  if (button->LeftAlignment) {
    if (button->LeftEnd) ++r.left; else line(bLeft);
    if (r.right == BorderRect.right) --r.right; else line(bRight);
  } else {
    if (button->RightEnd) --r.right; else line(bRight);
    if (r.left == BorderRect.left) ++r.left; else line(bLeft);
  }
  ABackgroundRect = background;
  AContentRect = cxRectInflate(r, -1, -1);
}

void TcxCustomEditViewInfo::DrawNativeButtonBorder(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                                   TRect& ABackgroundRect, TRect& AContentRect, TColor&, TColor&) {
  if (IsCustomDrawButton(0)) {
    AContentRect = ABackgroundRect;
  } else if (AButtonViewInfo->ComboBoxStyle) {
    AContentRect = TRect();
  } else {
    RECT bounds = ABackgroundRect, content = ABackgroundRect;
    if (TdxTheme theme = OpenTheme(totButton))
      GetThemeBackgroundContentRect(theme, ACanvas->GetHandle(), 1, AButtonViewInfo->NativeState, &bounds, &content);
    AContentRect = content;
  }
}

// ---- Backgrounds -----------------------------------------------------------------------------------------------
void TcxCustomEditViewInfo::DrawNativeButtonBackground(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                                       const TRect& ARect) {
  TdxThemedObjectType type = totButton;
  Integer part = 1;
  if (AButtonViewInfo->ComboBoxStyle) {
    type = totComboBox;
    if (IsCompositionEnabled() && !IsInplace) part = AButtonViewInfo->LeftAlignment ? 7 : 6;
  }
  if (TdxTheme theme = OpenTheme(type)) {
    const RECT r = ARect;
    DrawThemeBackground(theme, ACanvas->GetHandle(), part, AButtonViewInfo->NativeState, &r, nullptr);
  }
}

void TcxCustomEditViewInfo::DrawUsualButtonBackground(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                                      const TRect& ARect, TColor ABrushColor) {
  TcxEditButtonViewInfo* button = AButtonViewInfo;
  if (button->ButtonStyle != btsOffice11 || !button->Gradient || button->Transparent ||
      button->State == ebsDisabled || Painter) {
    cxEditFillRect(ACanvas, ARect, ABrushColor);
    return;
  }
  COLORREF color1 = dxOffice11ToolbarsColor1, color2 = dxOffice11ToolbarsColor2;
  if (button->State == ebsPressed) {
    color1 = dxOffice11SelectedDownColor1;
    color2 = dxOffice11SelectedDownColor2;
  } else if (button->State == ebsSelected) {
    color1 = dxOffice11SelectedColor1;
    color2 = dxOffice11SelectedColor2;
  }
  TRect r(button->Bounds.left, BorderRect.top, button->Bounds.right, BorderRect.bottom);
  if (button->State == ebsNormal) r = cxRectInflate(r, 0, -1);
  ACanvas->SaveClipRegion();
  TFinally restore([ACanvas] { ACanvas->RestoreClipRegion(); });
  ACanvas->IntersectClipRect(ARect);
  FillGradientRect(ACanvas->GetHandle(), r, color1, color2, false);
}

// ---- Contents ------------------------------------------------------------------------------------------------------
void TcxCustomEditViewInfo::DrawButtonContent(TcxCanvas* ACanvas, Integer AButtonVisibleIndex,
                                              const TRect& AContentRect, TColor APenColor, TColor,
                                              bool ANeedOffsetContent) {
  TcxEditButtonViewInfo* button = ButtonsInfo[AButtonVisibleIndex];
  const bool disabled = button->State == ebsDisabled;
  ACanvas->SaveState();
  ACanvas->SaveClipRegion();
  TFinally restore([ACanvas] {
    ACanvas->RestoreClipRegion();
    ACanvas->RestoreState();
  });
  ACanvas->IntersectClipRect(AContentRect);
  if (Painter) {
    Painter->DrawEditorButton(ACanvas, AContentRect, PainterButtonKinds[button->Kind], PainterButtonStates[button->State]);
    if (button->Kind != bkGlyph && button->Kind != bkText) return;
  }
  // Moves a piece of content one pixel right and down for a pressed button, where it still fits.
  auto pressedOffset = [&](TRect R) {
    if (ANeedOffsetContent && R.right < AContentRect.right && R.bottom < AContentRect.bottom)
      R = cxRectOffset(R, 1, 1);
    return R;
  };
  switch (button->Kind) {
    case bkEllipsis: {
      const Integer d = AContentRect.Width() > 11 ? 2 : 1;
      const Integer width = 3 * d + 2 * 2;
      const Integer x = AContentRect.left + (AContentRect.Width() - width) / 2;
      const Integer y = AContentRect.top + (AContentRect.Height() - d) / 2;
      const TRect dots = pressedOffset(TRect(x, y, x + width, y + d));
      auto drawDots = [&](const TRect& R, TColor AColor) {
        for (Integer i = 0; i < 3; ++i) {
          const Integer left = R.left + i * (d + 2);
          ACanvas->FillRect(TRect(left, R.top, left + d, R.top + d), AColor);
        }
      };
      if (disabled) {
        drawDots(cxRectOffset(dots, 1, 1), clBtnHighlight);
        drawDots(dots, clBtnShadow);
      } else {
        drawDots(dots, APenColor);
      }
      break;
    }
    case bkDown: {
      const bool pressed = button->State == ebsPressed;
      TRect r = AContentRect;
      WidenToButton(r.left, r.right, button->Bounds.left, button->Bounds.right, pressed);
      if (IsInplace) WidenToButton(r.top, r.bottom, button->Bounds.top, button->Bounds.bottom, pressed);
      if (pressed) r = cxRectOffset(r, 0, 1);
      const TcxCustomLookAndFeelPainterClass painter = TcxCustomLookAndFeelPainterClass::Of<TcxStandardLookAndFeelPainter>();
      if (disabled) {
        painter->DrawArrow(ACanvas, cxRectOffset(r, 1, 1), adDown, clBtnHighlight);
        painter->DrawArrow(ACanvas, r, adDown, clBtnShadow);
      } else {
        painter->DrawArrow(ACanvas, r, adDown, APenColor);
      }
      break;
    }
    case bkGlyph: {
      if (!VerifyBitmap(button->Glyph)) break;
      const Integer width = std::min(button->Glyph->GetWidth(), AContentRect.Width());
      const Integer height = std::min(button->Glyph->GetHeight(), AContentRect.Height());
      const Integer x = AContentRect.left + (AContentRect.Width() - width) / 2;
      const Integer y = AContentRect.top + (AContentRect.Height() - height) / 2;
      const TRect place = pressedOffset(TRect(x, y, x + width, y + height));
      cxEditUtils::DrawGlyph(ACanvas, place.left, place.top, button->Glyph, !disabled, clNone);
      break;
    }
    case bkText: {
      ACanvas->GetBrush()->SetStyle(bsClear);
      if (Font) ACanvas->GetFont()->Assign(Font);
      TRect r = cxRectInflate(AContentRect, -1, IsInplace ? 0 : -1);
      --r.right;
      Integer flags = cxtfAlignVCenter | cxtfSingleLine | cxtfShowPrefix | cxtfShowEndEllipsis;
      switch (button->ContentAlignment) {
        case taLeftJustify: flags |= cxtfAlignLeft; break;
        case taRightJustify: flags |= cxtfAlignRight; break;
        default: flags |= cxtfAlignHCenter; break;
      }
      if (disabled) {
        ACanvas->GetFont()->SetColor(clBtnHighlight);
        ACanvas->DrawTexT(button->Caption, cxRectOffset(r, 1, 1), flags);
        ACanvas->GetFont()->SetColor(clBtnShadow);
        ACanvas->DrawTexT(button->Caption, r, flags);
      } else {
        TColor color = button->TextColor == clDefault ? TextColor : button->TextColor;
        if (IsPressedOrSelected(button) && button->ButtonStyle == btsHotFlat) color = APenColor;
        ACanvas->GetFont()->SetColor(color);
        if (ANeedOffsetContent) r = cxRectOffset(r, 1, 1);
        ACanvas->DrawTexT(button->Caption, r, flags);
      }
      ACanvas->GetBrush()->SetStyle(bsSolid);
      break;
    }
  }
}

}  // namespace cxEdit
