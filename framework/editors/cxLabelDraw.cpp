// The label's painting: the label is drawn into its cache bitmap (depth copies, raised, lowered or
// outlined text, glyph-filled and turned text) and the bitmap is copied to the screen; the cache is drawn
// again only after a calculation, a move, or for a transparent label.
#include <cmath>

#include "WinUser.h"
#include "cxContainerUtils.h"
#include "cxControlsInternal.h"
#include "cxControlsUtils.h"
#include "cxEditUtils.h"
#include "cxExtEditUtils.h"
#include "cxGeometry.h"
#include "cxGraphicsFunctions.h"
#include "cxLabel.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"

namespace cxLabel {

namespace {

Integer Sign(Integer AValue) { return AValue > 0 ? 1 : AValue < 0 ? -1 : 0; }

// The colour a step of the way from the background towards the shadow colour.
TColor BlendTowards(TColor ABackground, TColor AShadow, Integer AStep, Integer ASteps) {
  const COLORREF bg = ColorToRGB(ABackground), shadow = ColorToRGB(AShadow);
  auto channel = [&](int shift) {
    const Integer from = (bg >> shift) & 0xFF, to = (shadow >> shift) & 0xFF;
    return static_cast<COLORREF>(static_cast<Integer>(std::trunc(from + (to - from) * static_cast<double>(AStep) / ASteps)));
  };
  return static_cast<TColor>(channel(0) | (channel(8) << 8) | (channel(16) << 16));
}

}  // namespace

IMPLEMENT_CLASS(TcxCustomLabelViewInfo)

void TcxCustomLabelViewInfo::Construct() {
  inherited::Construct();
  LabelAlignment = New<TcxEditAlignment>();
  CacheBitmap = New<TBitmap>();
  LastDrawnPosition = TPoint(MaxInt, MaxInt);
}

void TcxCustomLabelViewInfo::Destroy() {
  FreeAndNil(CacheBitmap);
  FreeAndNil(LabelAlignment);
  inherited::Destroy();
}

void TcxCustomLabelViewInfo::SetBackgroundColor(TColor Value) {
  inherited::SetBackgroundColor(Value);
  NeedsRedraw = true;
}

void TcxCustomLabelViewInfo::Offset(Integer DX, Integer DY) {
  inherited::Offset(DX, DY);
  LabelRect = cxRectOffset(LabelRect, DX, DY);
  FocusRect = cxRectOffset(FocusRect, DX, DY);
  if (Transparent) NeedsRedraw = true;
}

void TcxCustomLabelViewInfo::Paint(TcxCanvas* ACanvas) {
  DrawCustomEdit(ACanvas, this, false, bpsSolid);
  DrawLabel(ACanvas);
}

namespace {
bool IsPaintCopy(TcxCustomEdit* AEdit) { return AEdit && AEdit->ControlState.Contains(csPaintCopy); }
}  // namespace

void TcxCustomLabelViewInfo::DrawLabel(TcxCanvas* ACanvas) {
  ACanvas->SaveState();
  TFinally restore([ACanvas] { ACanvas->RestoreState(); });
  FTargetCanvas = ACanvas;
  TRect r = LabelRect, text = LabelRect;
  if (IsInplace) {
    text = TRect(text.left + DrawTextOffsets.left, text.top + DrawTextOffsets.top, text.right - DrawTextOffsets.right,
                 text.bottom - DrawTextOffsets.bottom);
  } else if (GetEditBorderStyle() != ebsNone) {
    text.left += 1;
    text.right -= 1;
  }
  if (!IsInplace && Transparent && IsPaintCopy(Edit)) return DrawLabelPass(ACanvas, r, text, r.TopLeft());
  if (!IsInplace && NativeStyle) {
    if (TdxTheme theme = OpenTheme(totEdit)) {
      RECT content{};
      const RECT bounds = Bounds;
      GetThemeBackgroundContentRect(theme, ACanvas->GetHandle(), EP_EDITTEXT, NativeState, &bounds, &content);
      r = TRect(content.left, content.top, content.right, content.bottom);
    }
  }
  if (Left != LastDrawnPosition.x || Top != LastDrawnPosition.y || NeedsRedraw || Transparent) {
    LastDrawnPosition = TPoint(Left, Top);
    CacheBitmap->SetSize(r.Width(), r.Height());
    TOwnedPtr<TcxCanvas> cache = NewOwned<TcxCanvas>(CacheBitmap->GetCanvas());
    DrawLabelPass(cache.get(), TRect(0, 0, CacheBitmap->GetWidth(), CacheBitmap->GetHeight()),
                  cxRectOffset(text, -r.left, -r.top), r.TopLeft());
    NeedsRedraw = false;
  }
  BitBlt(ACanvas->GetHandle(), r.left, r.top, r.Width(), r.Height(), CacheBitmap->GetCanvas()->GetHandle(), 0, 0,
         SRCCOPY);
}

String TcxCustomLabelViewInfo::RotatedText() const { return ShowAccelChar ? RemoveAccelChars(Text, false) : Text; }

void TcxCustomLabelViewInfo::DrawTextAt(TcxCanvas* ACanvas, const TRect& AText, const TPoint& AAt, bool ARotated) {
  if (ARotated) {
    cxExtTextOut(ACanvas->GetHandle(), RotatedText(), AAt, 0);
    return;
  }
  TRect r(AText.left, AText.top, AText.right - DepthDelta.x, AText.bottom - DepthDelta.y);
  r = cxRectOffset(r, AAt);
  const bool ellipsis = PaintOptions.Contains(epoShowEndEllipsis) && IsInplace;
  Integer flags = PrepareTextFlag(0, LabelAlignment->GetHorz(), static_cast<TcxAlignmentVert>(LabelAlignment->GetVert()),
                                  ellipsis, WordWrap, 0, false, ShowAccelChar);
  ACanvas->DrawTexT(Text, r, flags, true);
}

void TcxCustomLabelViewInfo::DrawTexturedText(TcxCanvas* ACanvas, const TRect& AText, const TPoint& AAt,
                                              bool ARotated, bool ATrueType, bool ASuppressPlain) {
  if (Glyph && !Glyph->GetEmpty() && ATrueType && Glyph->GetWidth() > 0 && Glyph->GetHeight() > 0) {
    ACanvas->BeginPath();
    DrawTextAt(ACanvas, AText, AAt, ARotated);
    ACanvas->EndPath();
    SelectClipPath(ACanvas->GetHandle(), RGN_COPY);
    ACanvas->FillRect(AText, Glyph);
    SelectClipRgn(ACanvas->GetHandle(), nullptr);
  } else if (!ASuppressPlain) {
    DrawTextAt(ACanvas, AText, AAt, ARotated);
  }
}

void TcxCustomLabelViewInfo::DrawLabelPass(TcxCanvas* ACanvas, const TRect& ABackground, const TRect& AText,
                                           const TPoint& AOrigin) {
  // Background.
  if (!DrawBackground(ACanvas, AOrigin)) {
    if (Transparent && !(IsInplace && Focused)) {
      if (IsInplace) {
        // An in-place label shows what the host drew under it.
        BitBlt(ACanvas->GetHandle(), ABackground.left, ABackground.top, ABackground.Width(), ABackground.Height(),
               FTargetCanvas->GetHandle(), AOrigin.x, AOrigin.y, SRCCOPY);
      } else if (!IsPaintCopy(Edit) && Edit) {
        const TRect area(AOrigin.x, AOrigin.y, AOrigin.x + ABackground.Width(), AOrigin.y + ABackground.Height());
        const TPoint saved = ACanvas->GetWindowOrg();
        ACanvas->SetWindowOrg(TPoint(saved.x + AOrigin.x - ABackground.left, saved.y + AOrigin.y - ABackground.top));
        cxDrawTransparentControlBackground(Edit, ACanvas, area);
        ACanvas->SetWindowOrg(saved);
      }
    } else {
      cxEditFillRect(ACanvas, ABackground, GetBackgroundColor());
    }
  }

  // Font and start point.
  const bool trueType = AdjustCanvasFont(ACanvas->GetCanvas(), Font, Angle);
  const Integer angle = cxLabelNormalizedAngle(Angle, trueType);
  const bool rotated = angle != 0;
  TPoint p(0, 0);
  if (rotated) {
    TRect measured = AText;
    cxDrawText(ACanvas->GetHandle(), RotatedText(), measured, DT_CALCRECT | DT_NOPREFIX);
    const double a = angle * M_PI / 180, w = measured.Width(), h = measured.Height();
    const double cx = (AText.left + AText.right - DepthDelta.x) / 2.0, cy = (AText.top + AText.bottom - DepthDelta.y) / 2.0;
    p = TPoint(static_cast<Integer>(std::nearbyint(cx - std::cos(a) * w / 2 - std::sin(a) * h / 2)),
               static_cast<Integer>(std::nearbyint(cy + std::sin(a) * w / 2 - std::cos(a) * h / 2)));
  }
  TPoint step(0, 0);
  const Integer styleOffset = cxLabelStyleOffset(LabelStyle, ACanvas->GetFont());
  const bool deep = LabelEffect != cxleNormal && Depth != 0;
  if (deep) {
    step = DepthDelta;
    if (Orientation == cxoRight || Orientation == cxoRightTop || Orientation == cxoRightBottom) {
      p.x += DepthDelta.x + styleOffset;
      step.x = -step.x;
    }
    if (Orientation == cxoBottom || Orientation == cxoLeftBottom || Orientation == cxoRightBottom) {
      p.y += DepthDelta.y + styleOffset;
      step.y = -step.y;
    }
    if (LabelEffect == cxleFun || LabelEffect == cxleExtrude) step = TPoint(Sign(step.x), Sign(step.y));
  }
  ACanvas->GetBrush()->SetStyle(bsClear);

  // Depth: the farthest copy first.
  if (deep) {
    const Integer n = step.x != 0 ? Depth / std::abs(step.x) : Depth / std::abs(step.y);
    if (LabelEffect != cxleFun) ACanvas->GetFont()->SetColor(ShadowedColor);
    for (Integer i = 1; i <= n; ++i) {
      if (LabelEffect == cxleFun) ACanvas->GetFont()->SetColor(BlendTowards(GetBackgroundColor(), ShadowedColor, i, n));
      DrawTextAt(ACanvas, AText, p, rotated);
      p = TPoint(p.x + step.x, p.y + step.y);
    }
  }
  if (step.x < 0) p.x -= styleOffset;
  if (step.y < 0) p.y -= styleOffset;

  // The text in its style.
  TFont* font = ACanvas->GetFont();
  font->SetColor(TextColor);
  const bool large = font->GetSize() >= 12;
  const TPoint inner(p.x + 1, p.y + 1);
  switch (LabelStyle) {
    case cxlsNormal: DrawTexturedText(ACanvas, AText, p, rotated, trueType, false); break;
    case cxlsRaised:
      font->SetColor(clBtnHighlight);
      DrawTextAt(ACanvas, AText, p, rotated);
      if (large) {
        font->SetColor(clBtnShadow);
        DrawTextAt(ACanvas, AText, TPoint(p.x + 2, p.y + 2), rotated);
      }
      font->SetColor(TextColor);
      DrawTexturedText(ACanvas, AText, inner, rotated, trueType, false);
      break;
    case cxlsLowered:
      if (large) {
        font->SetColor(clBtnShadow);
        DrawTextAt(ACanvas, AText, p, rotated);
      }
      font->SetColor(clBtnHighlight);
      DrawTextAt(ACanvas, AText, TPoint(p.x + 2, p.y + 2), rotated);
      font->SetColor(TextColor);
      DrawTexturedText(ACanvas, AText, inner, rotated, trueType, false);
      break;
    case cxlsOutLine:
      DrawTexturedText(ACanvas, AText, p, rotated, trueType, trueType);
      if (trueType) {
        ACanvas->BeginPath();
        DrawTextAt(ACanvas, AText, p, rotated);
        ACanvas->EndPath();
        ACanvas->GetPen()->SetColor(TextColor);
        ACanvas->GetPen()->SetWidth(PenWidth);
        StrokePath(ACanvas->GetHandle());
        ACanvas->GetPen()->SetWidth(1);
      }
      break;
  }
  ACanvas->GetBrush()->SetStyle(bsSolid);
}

}  // namespace cxLabel
