// Frames: a scrolling control made from the form resource of its class; placed inline in a form,
// its resource is read first and the form's entries for it after.
#include "Exceptions.h"
#include "FormResources.h"
#include "Forms.h"

namespace Forms {

IMPLEMENT_CLASS(TCustomFrame)

IMPLEMENT_CLASS_PUBLISHED(TFrame) {
  d.Property("Align", &TFrame::GetAlign, &TFrame::SetAlign).Default(alNone);
  d.Property("Anchors", &TFrame::GetAnchors, &TFrame::SetAnchors).Default(TAnchors{akLeft, akTop});
  d.Property("AutoScroll", &TFrame::GetAutoScroll, &TFrame::SetAutoScroll).Default(true);
  d.Property("Color", &TFrame::GetColor, &TFrame::SetColor).Default(clBtnFace).Type(ColorTypeInfo());
  d.Property("Constraints", &TFrame::GetConstraints, &TFrame::SetConstraints);
  d.Property("Enabled", &TFrame::GetEnabled, &TFrame::SetEnabled).Default(true);
  d.Property("Font", &TFrame::GetFont, &TFrame::SetFont);
  d.Property("HorzScrollBar", &TFrame::GetHorzScrollBar, &TFrame::SetHorzScrollBar);
  d.Property("ParentColor", &TFrame::GetParentColor, &TFrame::SetParentColor).Default(true);
  d.Property("ParentFont", &TFrame::GetParentFont, &TFrame::SetParentFont).Default(true);
  d.Property("ParentShowHint", &TFrame::GetParentShowHint, &TFrame::SetParentShowHint).Default(true);
  d.Property("ShowHint", &TFrame::GetShowHint, &TFrame::SetShowHint).Default(false);
  d.Property("TabOrder", &TFrame::GetTabOrder, &TFrame::SetTabOrder).Default(-1);
  d.Property("TabStop", &TFrame::GetTabStop, &TFrame::SetTabStop).Default(false);
  d.Property("VertScrollBar", &TFrame::GetVertScrollBar, &TFrame::SetVertScrollBar);
  d.Property("Visible", &TFrame::GetVisible, &TFrame::SetVisible).Default(true);
  d.Property("OnClick", &TFrame::GetOnClick, &TFrame::SetOnClick);
  d.Property("OnDblClick", &TFrame::GetOnDblClick, &TFrame::SetOnDblClick);
  d.Property("OnDragDrop", &TFrame::GetOnDragDrop, &TFrame::SetOnDragDrop);
  d.Property("OnDragOver", &TFrame::GetOnDragOver, &TFrame::SetOnDragOver);
  d.Property("OnEndDrag", &TFrame::GetOnEndDrag, &TFrame::SetOnEndDrag);
  d.Property("OnEnter", &TFrame::GetOnEnter, &TFrame::SetOnEnter);
  d.Property("OnExit", &TFrame::GetOnExit, &TFrame::SetOnExit);
  d.Property("OnMouseDown", &TFrame::GetOnMouseDown, &TFrame::SetOnMouseDown);
  d.Property("OnMouseMove", &TFrame::GetOnMouseMove, &TFrame::SetOnMouseMove);
  d.Property("OnMouseUp", &TFrame::GetOnMouseUp, &TFrame::SetOnMouseUp);
  d.Property("OnResize", &TFrame::GetOnResize, &TFrame::SetOnResize);
  d.Property("OnStartDrag", &TFrame::GetOnStartDrag, &TFrame::SetOnStartDrag);
}

// A frame of a class of its own reads that class's resource; TFrame itself has none.
void TCustomFrame::Construct() {
  inherited::Construct();
  ControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  FWidth = 320;
  FHeight = 240;
  FColor = clBtnFace;
  GetBrush()->SetColor(FColor);
  if (ClassType() == TFrame::StaticClass() || ComponentState().Contains(csDesigning)) return;
  if (!InitInheritedComponent(this, TFrame::StaticClass()))
    throw EResNotFound(String("Resource ") + ClassName() + " not found");
}

// A frame streamed as the root lists its own children, visual or not; inline in a form, what it
// owns is written with it.
void TCustomFrame::GetChildren(TGetChildProc Proc, TComponent* Root) {
  inherited::GetChildren(Proc, Root);
  if (Root != this) return;
  for (Integer i = 0; i < ComponentCount(); ++i) {
    TComponent* c = GetComponent(i);
    if (!c->HasParent()) Proc(c);
  }
}

}  // namespace Forms
