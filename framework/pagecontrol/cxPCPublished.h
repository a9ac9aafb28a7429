// The published properties that the tab control and the page control share (each publishes its own
// few besides). For the two controls' sources only.
#pragma once

#include "TypInfo.h"
#include "cxPCImageList.h"
#include "cxPCTabControl.h"

namespace cxPC {

template <class T>
void DescribeTabControlProperties(TClassDescriber& d) {
  d.Property("Align", &T::GetAlign, &T::SetAlign).Default(alNone);
  d.Property("Anchors", &T::GetAnchors, &T::SetAnchors).Default(TAnchors{akLeft, akTop});
  d.Property("BiDiMode", &T::GetBiDiMode, &T::SetBiDiMode).Stored(&T::IsBiDiModeStored);
  d.Property("Color", &T::GetColor, &T::SetColor).Type(ColorTypeInfo()).Stored(&T::IsColorStored);
  d.Property("Constraints", &T::GetConstraints, &T::SetConstraints);
  d.Property("DockSite", &T::GetDockSite, &T::SetDockSite).Default(false);
  d.Property("DragCursor", &T::GetDragCursor, &T::SetDragCursor).Default(crDrag).Type(CursorTypeInfo());
  d.Property("DragKind", &T::GetDragKind, &T::SetDragKind).Default(dkDrag);
  d.Property("DragMode", &T::GetDragMode, &T::SetDragMode).Default(dmManual);
  d.Property("Enabled", &T::GetEnabled, &T::SetEnabled).Default(true);
  d.Property("Focusable", &T::GetFocusable, &T::SetFocusable).Default(true);
  d.Property("Font", &T::GetFont, &T::SetFont).Stored(&T::IsFontStored);
  d.Property("HideTabs", &T::GetHideTabs, &T::SetHideTabs).Default(false);
  d.Property("HotTrack", &T::GetHotTrack, &T::SetHotTrack).Default(false);
  d.Property("ImageBorder", &T::GetImageBorder, &T::SetImageBorder).Default(0);
  d.Property("Images", &T::GetImages, &T::SetImages);
  d.Property("LookAndFeel", &T::GetLookAndFeel, &T::SetLookAndFeel);
  d.Property("MaxRotatedTabWidth", &T::GetMaxRotatedTabWidth, &T::SetMaxRotatedTabWidth).Default(0);
  d.Property("MultiLine", &T::GetMultiLine, &T::SetMultiLine).Default(false);
  d.Property("NavigatorPosition", &T::GetNavigatorPosition, &T::SetNavigatorPosition).Default(npRightTop);
  d.Property("Options", &T::GetOptions, &T::SetOptions).Default(cxPCDefaultOptions);
  d.Property("OwnerDraw", &T::GetOwnerDraw, &T::SetOwnerDraw).Default(false);
  d.Property("ParentBackground", &T::GetParentBackground, &T::SetParentBackground).Default(true);
  d.Property("ParentColor", &T::GetParentColor, &T::SetParentColor).Default(true);
  d.Property("ParentFont", &T::GetParentFont, &T::SetParentFont).Default(true);
  d.Property("ParentShowHint", &T::GetParentShowHint, &T::SetParentShowHint).Default(true);
  d.Property("PopupMenu", &T::GetPopupMenu, &T::SetPopupMenu);
  d.Property("RaggedRight", &T::GetRaggedRight, &T::SetRaggedRight).Default(false);
  d.Property("Rotate", &T::GetRotate, &T::SetRotate).Default(false);
  d.Property("ScrollOpposite", &T::GetScrollOpposite, &T::SetScrollOpposite).Default(false);
  d.Property("ShowFrame", &T::GetShowFrame, &T::SetShowFrame).Default(false);
  d.Property("ShowHint", &T::GetShowHint, &T::SetShowHint).Default(false);
  d.Property("Style", &T::GetStyle, &T::SetStyle).Default(cxPCDefaultStyle);
  d.Property("TabHeight", &T::GetTabHeight, &T::SetTabHeight).Default(0);
  d.Property("TabOrder", &T::GetTabOrder, &T::SetTabOrder).Default(-1);
  d.Property("TabPosition", &T::GetTabPosition, &T::SetTabPosition).Default(tpTop);
  d.Property("TabSlants", &T::GetTabSlants, &T::SetTabSlants);
  d.Property("TabWidth", &T::GetTabWidth, &T::SetTabWidth).Default(0);
  d.Property("Visible", &T::GetVisible, &T::SetVisible).Default(true);
  d.Property("OnCanClose", &T::GetOnCanClose, &T::SetOnCanClose);
  d.Property("OnChange", &T::GetOnChange, &T::SetOnChange);
  d.Property("OnClick", &T::GetOnClick, &T::SetOnClick);
  d.Property("OnContextPopup", &T::GetOnContextPopup, &T::SetOnContextPopup);
  d.Property("OnDockDrop", &T::GetOnDockDrop, &T::SetOnDockDrop);
  d.Property("OnDockOver", &T::GetOnDockOver, &T::SetOnDockOver);
  d.Property("OnDragDrop", &T::GetOnDragDrop, &T::SetOnDragDrop);
  d.Property("OnDragOver", &T::GetOnDragOver, &T::SetOnDragOver);
  d.Property("OnDrawTab", &T::GetOnDrawTab, &T::SetOnDrawTab);
  d.Property("OnDrawTabEx", &T::GetOnDrawTabEx, &T::SetOnDrawTabEx);
  d.Property("OnEndDock", &T::GetOnEndDock, &T::SetOnEndDock);
  d.Property("OnEndDrag", &T::GetOnEndDrag, &T::SetOnEndDrag);
  d.Property("OnEnter", &T::GetOnEnter, &T::SetOnEnter);
  d.Property("OnExit", &T::GetOnExit, &T::SetOnExit);
  d.Property("OnGetImageIndex", &T::GetOnGetImageIndex, &T::SetOnGetImageIndex);
  d.Property("OnGetSiteInfo", &T::GetOnGetSiteInfo, &T::SetOnGetSiteInfo);
  d.Property("OnMouseDown", &T::GetOnMouseDown, &T::SetOnMouseDown);
  d.Property("OnMouseMove", &T::GetOnMouseMove, &T::SetOnMouseMove);
  d.Property("OnMouseUp", &T::GetOnMouseUp, &T::SetOnMouseUp);
  d.Property("OnResize", &T::GetOnResize, &T::SetOnResize);
  d.Property("OnStartDock", &T::GetOnStartDock, &T::SetOnStartDock);
  d.Property("OnStartDrag", &T::GetOnStartDrag, &T::SetOnStartDrag);
  d.Property("OnUnDock", &T::GetOnUnDock, &T::SetOnUnDock);
}

}  // namespace cxPC
