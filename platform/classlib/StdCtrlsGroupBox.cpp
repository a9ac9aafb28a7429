// The group box: a container framed with an etched line, its caption set into the top edge; its
// children sit inside the frame below the caption.
#include "Forms.h"
#include "StdCtrls.h"
#include "WinUser.h"

namespace StdCtrls {

IMPLEMENT_CLASS(TCustomGroupBox)

IMPLEMENT_CLASS_PUBLISHED(TGroupBox) {
  d.Property("Align", &TGroupBox::GetAlign, &TGroupBox::SetAlign).Default(alNone);
  d.Property("Anchors", &TGroupBox::GetAnchors, &TGroupBox::SetAnchors).Default(TAnchors{akLeft, akTop});
  d.Property("Caption", &TGroupBox::GetCaption, &TGroupBox::SetCaption);
  d.Property("Color", &TGroupBox::GetColor, &TGroupBox::SetColor).Default(clBtnFace).Type(ColorTypeInfo()).Stored(&TGroupBox::IsColorStored);
  d.Property("Enabled", &TGroupBox::GetEnabled, &TGroupBox::SetEnabled).Default(true);
  d.Property("Font", &TGroupBox::GetFont, &TGroupBox::SetFont).Stored(&TGroupBox::IsFontStored);
  d.Property("ParentColor", &TGroupBox::GetParentColor, &TGroupBox::SetParentColor).Default(true);
  d.Property("ParentFont", &TGroupBox::GetParentFont, &TGroupBox::SetParentFont).Default(true);
  d.Property("TabOrder", &TGroupBox::GetTabOrder, &TGroupBox::SetTabOrder).Default(-1);
  d.Property("TabStop", &TGroupBox::GetTabStop, &TGroupBox::SetTabStop).Default(false);
  d.Property("Visible", &TGroupBox::GetVisible, &TGroupBox::SetVisible).Default(true);
  d.Property("OnClick", &TGroupBox::GetOnClick, &TGroupBox::SetOnClick);
  d.Property("OnDblClick", &TGroupBox::GetOnDblClick, &TGroupBox::SetOnDblClick);
  d.Property("OnEnter", &TGroupBox::GetOnEnter, &TGroupBox::SetOnEnter);
  d.Property("OnExit", &TGroupBox::GetOnExit, &TGroupBox::SetOnExit);
}

void TCustomGroupBox::Construct() {
  inherited::Construct();
  ControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csReplicatable};
  SetBounds(FLeft, FTop, 185, 105);
}

void TCustomGroupBox::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TCustomGroupBox::AdjustClientRect(TRect& Rect) {
  inherited::AdjustClientRect(Rect);
  Rect.top += FontCellHeight(GetFont());
  InflateRect(&Rect, -1, -1);
}

void TCustomGroupBox::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  Integer h = FontCellHeight(GetFont());
  TRect r(0, h / 2 - 1, GetWidth(), GetHeight());
  DrawEdge(canvas->GetHandle(), &r, EDGE_ETCHED, BF_RECT);
  String text = GetText();
  if (text.empty()) return;
  RECT t{8, 0, 0, h};
  CanvasDrawText(canvas, text, t, DT_SINGLELINE | DT_CALCRECT);
  canvas->GetBrush()->SetColor(GetColor());
  canvas->GetBrush()->SetStyle(bsSolid);
  InflateRect(&t, 1, 0);
  canvas->FillRect(t);
  InflateRect(&t, -1, 0);
  if (!GetEnabled()) canvas->GetFont()->SetColor(clGrayText);
  CanvasDrawText(canvas, text, t, DT_SINGLELINE);
}

void TCustomGroupBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<Word>(Message.WParam), GetCaption()) && CanFocus()) {
        SelectFirst();
        Message.Result = 1;
        return;
      }
      inherited::Dispatch(Message);
      return;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      inherited::Dispatch(Message);
      Realign();
      Invalidate();
      return;
    default: inherited::Dispatch(Message);
  }
}

}  // namespace StdCtrls
