// The published control set of the text editor family: what a form stream reads and writes for a
// text editor control and for the editors built on it.
#pragma once

#include "cxTextEdit.h"

namespace cxTextEdit {

// The control properties and events every text-family editor publishes. The plain text editor leaves
// out the drag, dock and context-popup events, which the mask editor and the editors built on it add;
// the order is the stream's order and stays alphabetical either way.
template <class E>
void DescribeTextEditControl(TClassDescriber& d, bool AWithDragAndDockEvents) {
  d.Property("Anchors", &E::GetAnchors, &E::SetAnchors).Default(TAnchors{akLeft, akTop});
  d.Property("AutoSize", &E::GetAutoSize, &E::SetAutoSize).Default(true);
  d.Property("BeepOnEnter", &E::GetBeepOnEnter, &E::SetBeepOnEnter).Default(true);
  d.Property("Constraints", &E::GetConstraints, &E::SetConstraints);
  d.Property("DragCursor", &E::GetDragCursor, &E::SetDragCursor).Default(-12);
  d.Property("DragKind", &E::GetDragKind, &E::SetDragKind).Default(dkDrag);
  d.Property("DragMode", &E::GetDragMode, &E::SetDragMode).Default(dmManual);
  d.Property("Enabled", &E::GetEnabled, &E::SetEnabled).Default(true);
  d.Property("ParentColor", &E::GetParentColor, &E::SetParentColor).Default(false);
  d.Property("ParentFont", &E::GetParentFont, &E::SetParentFont).Default(true);
  d.Property("ParentShowHint", &E::GetParentShowHint, &E::SetParentShowHint).Default(true);
  d.Property("PopupMenu", &E::GetPopupMenu, &E::SetPopupMenu);
  d.Property("Properties", &E::GetProperties, &E::SetProperties);
  d.Property("ShowHint", &E::GetShowHint, &E::SetShowHint);
  d.Property("Style", &E::GetStyle, &E::SetStyle);
  d.Property("StyleDisabled", &E::GetStyleDisabled, &E::SetStyleDisabled);
  d.Property("StyleFocused", &E::GetStyleFocused, &E::SetStyleFocused);
  d.Property("StyleHot", &E::GetStyleHot, &E::SetStyleHot);
  d.Property("TabOrder", &E::GetTabOrder, &E::SetTabOrder).Default(-1);
  d.Property("TabStop", &E::GetTabStop, &E::SetTabStop).Default(true);
  d.Property("Text", &E::GetText, &E::SetText);
  d.Property("Visible", &E::GetVisible, &E::SetVisible).Default(true);
  d.Property("OnClick", &E::GetOnClick, &E::SetOnClick);
  if (AWithDragAndDockEvents) d.Property("OnContextPopup", &E::GetOnContextPopup, &E::SetOnContextPopup);
  d.Property("OnDblClick", &E::GetOnDblClick, &E::SetOnDblClick);
  if (AWithDragAndDockEvents) {
    d.Property("OnDragDrop", &E::GetOnDragDrop, &E::SetOnDragDrop);
    d.Property("OnDragOver", &E::GetOnDragOver, &E::SetOnDragOver);
  }
  d.Property("OnEditing", &E::GetOnEditing, &E::SetOnEditing);
  if (AWithDragAndDockEvents) {
    d.Property("OnEndDock", &E::GetOnEndDock, &E::SetOnEndDock);
    d.Property("OnEndDrag", &E::GetOnEndDrag, &E::SetOnEndDrag);
  }
  d.Property("OnEnter", &E::GetOnEnter, &E::SetOnEnter);
  d.Property("OnExit", &E::GetOnExit, &E::SetOnExit);
  d.Property("OnKeyDown", &E::GetOnKeyDown, &E::SetOnKeyDown);
  d.Property("OnKeyPress", &E::GetOnKeyPress, &E::SetOnKeyPress);
  d.Property("OnKeyUp", &E::GetOnKeyUp, &E::SetOnKeyUp);
  d.Property("OnMouseDown", &E::GetOnMouseDown, &E::SetOnMouseDown);
  d.Property("OnMouseMove", &E::GetOnMouseMove, &E::SetOnMouseMove);
  d.Property("OnMouseUp", &E::GetOnMouseUp, &E::SetOnMouseUp);
  if (AWithDragAndDockEvents) {
    d.Property("OnStartDock", &E::GetOnStartDock, &E::SetOnStartDock);
    d.Property("OnStartDrag", &E::GetOnStartDrag, &E::SetOnStartDrag);
  }
}

}  // namespace cxTextEdit
