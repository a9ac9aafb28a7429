// TCustomPanel: bevels, the border band between them, and the caption in the middle.
#include "ExtCtrls.h"
#include "UxTheme.h"
#include "WinGdi.h"
#include "WinUser.h"

namespace ExtCtrls {

void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, Integer Width) {
  Canvas->GetPen()->SetWidth(1);
  --Rect.bottom;
  --Rect.right;
  for (; Width > 0; --Width) {
    TPoint topRight(Rect.right, Rect.top), bottomLeft(Rect.left, Rect.bottom);
    Canvas->GetPen()->SetColor(TopColor);
    const TPoint top[] = {bottomLeft, Rect.TopLeft(), topRight};
    Canvas->Polyline(top, 3);
    Canvas->GetPen()->SetColor(BottomColor);
    // One pixel further left, so that the bottom line meets the left one's last pixel.
    --bottomLeft.x;
    const TPoint bottom[] = {topRight, Rect.BottomRight(), bottomLeft};
    Canvas->Polyline(bottom, 3);
    InflateRect(&Rect, -1, -1);
  }
  ++Rect.bottom;
  ++Rect.right;
}

// ---- TCustomPanel -----------------------------------------------------------------------------------
IMPLEMENT_CLASS(TCustomPanel)

IMPLEMENT_CLASS_PUBLISHED(TPanel) {
  d.Property("Align", &TPanel::GetAlign, &TPanel::SetAlign).Default(alNone);
  d.Property("Alignment", &TPanel::GetAlignment, &TPanel::SetAlignment).Default(taCenter);
  d.Property("Anchors", &TPanel::GetAnchors, &TPanel::SetAnchors).Default(TAnchors{akLeft, akTop});
  d.Property("BevelInner", &TPanel::GetBevelInner, &TPanel::SetBevelInner).Default(bvNone);
  d.Property("BevelOuter", &TPanel::GetBevelOuter, &TPanel::SetBevelOuter).Default(bvRaised);
  d.Property("BevelWidth", &TPanel::GetBevelWidth, &TPanel::SetBevelWidth).Default(1);
  d.Property("BorderStyle", &TPanel::GetBorderStyle, &TPanel::SetBorderStyle).Default(bsNone);
  d.Property("BorderWidth", &TPanel::GetBorderWidth, &TPanel::SetPanelBorderWidth).Default(0);
  d.Property("Caption", &TPanel::GetCaption, &TPanel::SetCaption);
  d.Property("Color", &TPanel::GetColor, &TPanel::SetColor).Default(clBtnFace).Type(ColorTypeInfo());
  d.Property("Constraints", &TPanel::GetConstraints, &TPanel::SetConstraints);
  d.Property("Enabled", &TPanel::GetEnabled, &TPanel::SetEnabled).Default(true);
  d.Property("Font", &TPanel::GetFont, &TPanel::SetFont);
  d.Property("FullRepaint", &TPanel::GetFullRepaint, &TPanel::SetFullRepaint).Default(true);
  d.Property("ParentBackground", &TPanel::GetParentBackground, &TPanel::SetPanelParentBackground).Default(false);
  d.Property("ParentColor", &TPanel::GetParentColor, &TPanel::SetParentColor).Default(false);
  d.Property("ParentFont", &TPanel::GetParentFont, &TPanel::SetParentFont).Default(true);
  d.Property("ParentShowHint", &TPanel::GetParentShowHint, &TPanel::SetParentShowHint).Default(true);
  d.Property("PopupMenu", &TPanel::GetPopupMenu, &TPanel::SetPopupMenu);
  d.Property("ShowHint", &TPanel::GetShowHint, &TPanel::SetShowHint);
  d.Property("TabOrder", &TPanel::GetTabOrder, &TPanel::SetTabOrder).Default(-1);
  d.Property("TabStop", &TPanel::GetTabStop, &TPanel::SetTabStop).Default(false);
  d.Property("Visible", &TPanel::GetVisible, &TPanel::SetVisible).Default(true);
  d.Property("OnClick", &TPanel::GetOnClick, &TPanel::SetOnClick);
  d.Property("OnDblClick", &TPanel::GetOnDblClick, &TPanel::SetOnDblClick);
  d.Property("OnEnter", &TPanel::GetOnEnter, &TPanel::SetOnEnter);
  d.Property("OnExit", &TPanel::GetOnExit, &TPanel::SetOnExit);
  d.Property("OnMouseDown", &TPanel::GetOnMouseDown, &TPanel::SetOnMouseDown);
  d.Property("OnMouseMove", &TPanel::GetOnMouseMove, &TPanel::SetOnMouseMove);
  d.Property("OnMouseUp", &TPanel::GetOnMouseUp, &TPanel::SetOnMouseUp);
  d.Property("OnResize", &TPanel::GetOnResize, &TPanel::SetOnResize);
}

void TCustomPanel::Construct() {
  inherited::Construct();
  ControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks,
                  csReplicatable};
  SetBounds(FLeft, FTop, 185, 41);
  SetColor(clBtnFace);
}

void TCustomPanel::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
  // Only the edges change on a resize unless the whole panel is asked for (Resize).
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TCustomPanel::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_TEXTCHANGED:
    case CM_BORDERCHANGED:
      inherited::Dispatch(Message);
      Invalidate();
      return;
    default: inherited::Dispatch(Message);
  }
}

Integer TCustomPanel::BevelPixels() const {
  Integer pixels = GetBorderWidth();
  if (FBevelOuter != bvNone) pixels += FBevelWidth;
  if (FBevelInner != bvNone) pixels += FBevelWidth;
  return pixels;
}

void TCustomPanel::AdjustClientRect(TRect& Rect) {
  inherited::AdjustClientRect(Rect);  // the border width
  Integer bevels = BevelPixels() - GetBorderWidth();
  InflateRect(&Rect, -bevels, -bevels);
}

void TCustomPanel::BevelsChanged() {
  Realign();
  Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment Value) {
  if (Value == FAlignment) return;
  FAlignment = Value;
  Invalidate();
}

void TCustomPanel::SetBevelInner(TPanelBevel Value) {
  if (Value == FBevelInner) return;
  FBevelInner = Value;
  BevelsChanged();
}

void TCustomPanel::SetBevelOuter(TPanelBevel Value) {
  if (Value == FBevelOuter) return;
  FBevelOuter = Value;
  BevelsChanged();
}

void TCustomPanel::SetBevelWidth(Integer Value) {
  if (Value < 1) Value = 1;
  if (Value == FBevelWidth) return;
  FBevelWidth = Value;
  BevelsChanged();
}

void TCustomPanel::SetPanelBorderWidth(Integer Value) {
  if (Value < 0) Value = 0;
  if (Value == GetBorderWidth()) return;
  SetBorderWidth(Value);
  BevelsChanged();
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomPanel::SetPanelParentBackground(bool Value) {
  if (Value == GetParentBackground()) return;
  SetParentBackground(Value);
  Invalidate();
}

void TCustomPanel::Resize() {
  if (HandleAllocated()) {
    if (FFullRepaint || !GetText().empty()) {
      Invalidate();
    } else {
      // The bevels at the right and bottom edges moved; what lies inside them did not.
      TRect r = GetClientRect();
      Integer band = BevelPixels() + 1;
      TRect right(r.right - band, r.top, r.right, r.bottom), bottom(r.left, r.bottom - band, r.right, r.bottom);
      InvalidateRect(GetHandle(), &right, TRUE);
      InvalidateRect(GetHandle(), &bottom, TRUE);
    }
  }
  inherited::Resize();
}

void TCustomPanel::Paint() {
  static const UINT Alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  TCanvas* canvas = GetCanvas();
  TRect rect = GetClientRect();
  TColor face = GetColor();
  // A spaced bevel is a band of the panel's own colour.
  auto frame = [&](TPanelBevel bevel) {
    if (bevel == bvNone) return;
    TColor top = bevel == bvLowered ? clBtnShadow : bevel == bvRaised ? clBtnHighlight : face;
    TColor bottom = bevel == bvLowered ? clBtnHighlight : bevel == bvRaised ? clBtnShadow : face;
    Frame3D(canvas, rect, top, bottom, FBevelWidth);
  };
  frame(FBevelOuter);
  Frame3D(canvas, rect, face, face, GetBorderWidth());
  frame(FBevelInner);
  // Under visual styles a panel with ParentBackground shows its parent's background through.
  TColor fill = face;
  if (GetParentBackground() && IsThemeActive() && GetParent()) fill = GetParent()->GetColor();
  canvas->GetBrush()->SetColor(fill);
  canvas->FillRect(rect);
  canvas->GetBrush()->SetStyle(bsClear);
  canvas->GetFont()->Assign(GetFont());
  Integer fontHeight = canvas->TextHeight("W");
  rect.top = (rect.bottom + rect.top - fontHeight) / 2;
  rect.bottom = rect.top + fontHeight;
  String text = GetText();
  DrawTextA(canvas->GetHandle(), text.c_str(), -1, &rect,
            DrawTextBiDiModeFlags(DT_EXPANDTABS | DT_VCENTER | Alignments[FAlignment]));
}

}  // namespace ExtCtrls
