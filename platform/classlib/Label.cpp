// The label: a graphic control that draws its caption (aligned, laid out top, centre or bottom,
// optionally wrapped), sizes itself to it, and gives the focus to its FocusControl when its '&'
// accelerator is pressed.
#include "Forms.h"
#include "StdCtrls.h"
#include "WinUser.h"

namespace StdCtrls {

namespace {

constexpr UINT Alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};

UINT WordWraps(bool Wrap) { return Wrap ? DT_WORDBREAK : 0; }

}  // namespace

IMPLEMENT_CLASS(TCustomLabel)

IMPLEMENT_CLASS_PUBLISHED(TLabel) {
  d.Property("Align", &TLabel::GetAlign, &TLabel::SetAlign).Default(alNone);
  d.Property("Alignment", &TLabel::GetAlignment, &TLabel::SetAlignment).Default(taLeftJustify);
  d.Property("Anchors", &TLabel::GetAnchors, &TLabel::SetAnchors).Default(TAnchors{akLeft, akTop});
  d.Property("AutoSize", &TLabel::GetAutoSize, &TLabel::SetAutoSize).Default(true);
  d.Property("Caption", &TLabel::GetCaption, &TLabel::SetCaption);
  d.Property("Color", &TLabel::GetColor, &TLabel::SetColor).Default(clBtnFace).Type(ColorTypeInfo()).Stored(&TLabel::IsColorStored);
  d.Property("Enabled", &TLabel::GetEnabled, &TLabel::SetEnabled).Default(true);
  d.Property("FocusControl", &TLabel::GetFocusControl, &TLabel::SetFocusControl);
  d.Property("Font", &TLabel::GetFont, &TLabel::SetFont).Stored(&TLabel::IsFontStored);
  d.Property("Layout", &TLabel::GetLayout, &TLabel::SetLayout).Default(tlTop);
  d.Property("ParentColor", &TLabel::GetParentColor, &TLabel::SetParentColor).Default(true);
  d.Property("ParentFont", &TLabel::GetParentFont, &TLabel::SetParentFont).Default(true);
  d.Property("ParentShowHint", &TLabel::GetParentShowHint, &TLabel::SetParentShowHint).Default(true);
  d.Property("ShowAccelChar", &TLabel::GetShowAccelChar, &TLabel::SetShowAccelChar).Default(true);
  d.Property("ShowHint", &TLabel::GetShowHint, &TLabel::SetShowHint);
  d.Property("Transparent", &TLabel::GetTransparent, &TLabel::SetTransparent).Default(false);
  d.Property("Visible", &TLabel::GetVisible, &TLabel::SetVisible).Default(true);
  d.Property("WordWrap", &TLabel::GetWordWrap, &TLabel::SetWordWrap).Default(false);
  d.Property("OnClick", &TLabel::GetOnClick, &TLabel::SetOnClick);
  d.Property("OnDblClick", &TLabel::GetOnDblClick, &TLabel::SetOnDblClick);
  d.Property("OnMouseDown", &TLabel::GetOnMouseDown, &TLabel::SetOnMouseDown);
  d.Property("OnMouseMove", &TLabel::GetOnMouseMove, &TLabel::SetOnMouseMove);
  d.Property("OnMouseUp", &TLabel::GetOnMouseUp, &TLabel::SetOnMouseUp);
}

void TCustomLabel::Construct() {
  inherited::Construct();
  ControlStyle = ControlStyle + TControlStyle{csOpaque, csReplicatable};
  SetBounds(FLeft, FTop, 65, 17);
}

void TCustomLabel::Loaded() {
  inherited::Loaded();
  AdjustBounds();
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

String TCustomLabel::GetLabelText() { return GetCaption(); }

void TCustomLabel::DoDrawText(TRect& Rect, Integer Flags) {
  String text = GetLabelText();
  // An empty caption (or a lone '&') still measures one line high.
  if ((Flags & DT_CALCRECT) && (text.empty() || (FShowAccelChar && text == "&"))) text += ' ';
  if (!FShowAccelChar) Flags |= DT_NOPREFIX;
  Flags = DrawTextBiDiModeFlags(Flags);
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  if (GetEnabled() || (Flags & DT_CALCRECT)) {
    CanvasDrawText(canvas, text, Rect, static_cast<UINT>(Flags));
    return;
  }
  // Disabled: engraved, a highlight copy one pixel down and right under a shadow copy.
  OffsetRect(&Rect, 1, 1);
  canvas->GetFont()->SetColor(clBtnHighlight);
  CanvasDrawText(canvas, text, Rect, static_cast<UINT>(Flags));
  OffsetRect(&Rect, -1, -1);
  canvas->GetFont()->SetColor(clBtnShadow);
  CanvasDrawText(canvas, text, Rect, static_cast<UINT>(Flags));
}

void TCustomLabel::Paint() {
  TCanvas* canvas = GetCanvas();
  TRect client = GetClientRect();
  if (!GetTransparent()) {
    canvas->GetBrush()->SetColor(GetColor());
    canvas->GetBrush()->SetStyle(bsSolid);
    canvas->FillRect(client);
  }
  canvas->GetBrush()->SetStyle(bsClear);
  TRect r = client;
  Integer style = static_cast<Integer>(DT_EXPANDTABS | WordWraps(FWordWrap) | Alignments[FAlignment]);
  if (FLayout != tlTop) {
    TRect calc = r;
    DoDrawText(calc, style | DT_CALCRECT);
    Integer room = GetHeight() - calc.bottom;
    OffsetRect(&r, 0, FLayout == tlBottom ? room : room / 2);
  }
  DoDrawText(r, style);
}

// An automatically sized label fits its caption; a right-aligned one keeps its right edge.
void TCustomLabel::AdjustBounds() {
  if (ComponentState().Contains(csReading) || ComponentState().Contains(csLoading) || !FAutoSize) return;
  TRect r = GetClientRect();
  HDC dc = GetDC(nullptr);
  GetCanvas()->SetHandle(dc);
  DoDrawText(r, static_cast<Integer>(DT_EXPANDTABS | DT_CALCRECT | WordWraps(FWordWrap)));
  GetCanvas()->SetHandle(nullptr);
  ReleaseDC(nullptr, dc);
  Integer x = GetLeft();
  if (FAlignment == taRightJustify) x += GetWidth() - r.right;
  SetBounds(x, GetTop(), r.right, r.bottom);
}

void TCustomLabel::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool Value) {
  if (FAutoSize == Value) return;
  FAutoSize = Value;
  AdjustBounds();
}

void TCustomLabel::SetFocusControl(TWinControl* Value) {
  FFocusControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TCustomLabel::SetLayout(TTextLayout Value) {
  if (FLayout == Value) return;
  FLayout = Value;
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value) {
  if (FShowAccelChar == Value) return;
  FShowAccelChar = Value;
  Invalidate();
}

void TCustomLabel::SetTransparent(bool Value) {
  if (GetTransparent() == Value) return;
  if (Value) ControlStyle.Exclude(csOpaque);
  else ControlStyle.Include(csOpaque);
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_TEXTCHANGED:
      Invalidate();
      AdjustBounds();
      return;
    case CM_FONTCHANGED:
      inherited::Dispatch(Message);
      AdjustBounds();
      return;
    case CM_DIALOGCHAR:
      if (FFocusControl && GetEnabled() && FShowAccelChar && IsAccel(static_cast<Word>(Message.WParam), GetCaption())) {
        if (FFocusControl->CanFocus()) {
          FFocusControl->SetFocus();
          Message.Result = 1;
        }
        return;
      }
      inherited::Dispatch(Message);
      return;
    default: inherited::Dispatch(Message);
  }
}

}  // namespace StdCtrls
