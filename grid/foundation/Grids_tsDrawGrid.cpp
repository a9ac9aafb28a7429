// The draw grid: the engine's hooks as events, and the published properties of the ready-to-use
// grids.
#include "Graphics.h"
#include "Grids_tsDrawGrid.h"
#include "TypInfo.h"

namespace Grids_ts {

// ---- TCustomDrawGrid --------------------------------------------------------------------------------
IMPLEMENT_CLASS(TCustomDrawGrid)

void TCustomDrawGrid::MouseToCell(Integer X, Integer Y, Integer& ACol, Integer& ARow) {
  const TGridCoord cell = MouseCoord(X, Y);
  ACol = cell.X;
  ARow = cell.Y;
}

void TCustomDrawGrid::ColumnMoved(Integer FromIndex, Integer ToIndex) {
  if (OnColumnMoved) OnColumnMoved(this, FromIndex, ToIndex);
}

void TCustomDrawGrid::RowMoved(Integer FromIndex, Integer ToIndex) {
  if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
}

String TCustomDrawGrid::GetEditMask(Integer ACol, Integer ARow) {
  String result;
  if (OnGetEditMask) OnGetEditMask(this, ACol, ARow, result);
  return result;
}

String TCustomDrawGrid::GetEditText(Integer ACol, Integer ARow) {
  String result;
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, result);
  return result;
}

void TCustomDrawGrid::SetEditText(Integer ACol, Integer ARow, const String& Value) {
  if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

bool TCustomDrawGrid::SelectCell(Integer ACol, Integer ARow) {
  bool result = true;
  if (OnSelectCell) OnSelectCell(this, ACol, ARow, result);
  return result;
}

void TCustomDrawGrid::DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) {
  if (!OnDrawCell) return;
  if (!UseRightToLeftAlignment()) {
    OnDrawCell(this, ACol, ARow, ARect, AState);
    return;
  }
  ChangeGridOrientation(false);
  OnDrawCell(this, ACol, ARow, MirrorRect(ARect), AState);
  ChangeGridOrientation(true);
}

void TCustomDrawGrid::TopLeftChanged() {
  inherited::TopLeftChanged();
  if (OnTopLeftChanged) OnTopLeftChanged(this);
}

// ---- TDrawGrid --------------------------------------------------------------------------------------
// Counts come before the fixed counts they bound.
IMPLEMENT_CLASS_PUBLISHED(TDrawGrid) {
  using G = TDrawGrid;
  d.Property("Align", &G::GetAlign, &G::SetAlign).Default(alNone);
  d.Property("Anchors", &G::GetAnchors, &G::SetAnchors).Default(TAnchors{akLeft, akTop});
  d.Property("BiDiMode", &G::GetBiDiMode, &G::SetBiDiMode).Stored(&G::IsBiDiModeStored);
  d.Property("BorderStyle", &G::GetBorderStyle, &G::SetBorderStyle).Default(bsSingle);
  d.Property("Color", &G::GetColor, &G::SetColor).Default(clWindow).Type(ColorTypeInfo());
  d.Property("ColCount", &G::GetColCount, &G::SetColCount).Default(5);
  d.Property("Constraints", &G::GetConstraints, &G::SetConstraints);
  d.Property("Ctl3D", &G::GetCtl3D, &G::SetCtl3D);
  d.Property("DefaultColWidth", &G::GetDefaultColWidth, &G::SetDefaultColWidth).Default(64);
  d.Property("DefaultRowHeight", &G::GetDefaultRowHeight, &G::SetDefaultRowHeight).Default(24);
  d.Property("DefaultDrawing", &G::GetDefaultDrawing, &G::SetDefaultDrawing).Default(true);
  d.Property("DragCursor", &G::GetDragCursor, &G::SetDragCursor).Default(crDrag).Type(CursorTypeInfo());
  d.Property("DragKind", &G::GetDragKind, &G::SetDragKind).Default(dkDrag);
  d.Property("DragMode", &G::GetDragMode, &G::SetDragMode).Default(dmManual);
  d.Property("Enabled", &G::GetEnabled, &G::SetEnabled).Default(true);
  d.Property("FixedColor", &G::GetFixedColor, &G::SetFixedColor).Default(clBtnFace).Type(ColorTypeInfo());
  d.Property("FixedCols", &G::GetFixedCols, &G::SetFixedCols).Default(1);
  d.Property("RowCount", &G::GetRowCount, &G::SetRowCount).Default(5);
  d.Property("FixedRows", &G::GetFixedRows, &G::SetFixedRows).Default(1);
  d.Property("Font", &G::GetFont, &G::SetFont);
  d.Property("GridLineWidth", &G::GetGridLineWidth, &G::SetGridLineWidth).Default(1);
  d.Property("Options", &G::GetOptions, &G::SetOptions)
      .Default(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect});
  d.Property("ParentBiDiMode", &G::GetParentBiDiMode, &G::SetParentBiDiMode).Default(true);
  d.Property("ParentColor", &G::GetParentColor, &G::SetParentColor).Default(false);
  d.Property("ParentCtl3D", &G::GetParentCtl3D, &G::SetParentCtl3D).Default(true);
  d.Property("ParentFont", &G::GetParentFont, &G::SetParentFont).Default(true);
  d.Property("ParentShowHint", &G::GetParentShowHint, &G::SetParentShowHint).Default(true);
  d.Property("PopupMenu", &G::GetPopupMenu, &G::SetPopupMenu);
  d.Property("ScrollBars", &G::GetScrollBars, &G::SetScrollBars).Default(ssBoth);
  d.Property("ShowHint", &G::GetShowHint, &G::SetShowHint);
  d.Property("TabOrder", &G::GetTabOrder, &G::SetTabOrder).Default(-1);
  d.Property("Visible", &G::GetVisible, &G::SetVisible).Default(true);
  d.Property("VisibleColCount", &G::GetVisibleColCount);
  d.Property("VisibleRowCount", &G::GetVisibleRowCount);
  d.Property("OnClick", &G::GetOnClick, &G::SetOnClick);
  d.Property("OnColumnMoved", &G::GetOnColumnMoved, &G::SetOnColumnMoved);
  d.Property("OnContextPopup", &G::GetOnContextPopup, &G::SetOnContextPopup);
  d.Property("OnDblClick", &G::GetOnDblClick, &G::SetOnDblClick);
  d.Property("OnDragDrop", &G::GetOnDragDrop, &G::SetOnDragDrop);
  d.Property("OnDragOver", &G::GetOnDragOver, &G::SetOnDragOver);
  d.Property("OnDrawCell", &G::GetOnDrawCell, &G::SetOnDrawCell);
  d.Property("OnEndDock", &G::GetOnEndDock, &G::SetOnEndDock);
  d.Property("OnEndDrag", &G::GetOnEndDrag, &G::SetOnEndDrag);
  d.Property("OnEnter", &G::GetOnEnter, &G::SetOnEnter);
  d.Property("OnExit", &G::GetOnExit, &G::SetOnExit);
  d.Property("OnGetEditMask", &G::GetOnGetEditMask, &G::SetOnGetEditMask);
  d.Property("OnGetEditText", &G::GetOnGetEditText, &G::SetOnGetEditText);
  d.Property("OnKeyDown", &G::GetOnKeyDown, &G::SetOnKeyDown);
  d.Property("OnKeyPress", &G::GetOnKeyPress, &G::SetOnKeyPress);
  d.Property("OnKeyUp", &G::GetOnKeyUp, &G::SetOnKeyUp);
  d.Property("OnMouseDown", &G::GetOnMouseDown, &G::SetOnMouseDown);
  d.Property("OnMouseMove", &G::GetOnMouseMove, &G::SetOnMouseMove);
  d.Property("OnMouseUp", &G::GetOnMouseUp, &G::SetOnMouseUp);
  d.Property("OnMouseWheelDown", &G::GetOnMouseWheelDown, &G::SetOnMouseWheelDown);
  d.Property("OnMouseWheelUp", &G::GetOnMouseWheelUp, &G::SetOnMouseWheelUp);
  d.Property("OnRowMoved", &G::GetOnRowMoved, &G::SetOnRowMoved);
  d.Property("OnSelectCell", &G::GetOnSelectCell, &G::SetOnSelectCell);
  d.Property("OnSetEditText", &G::GetOnSetEditText, &G::SetOnSetEditText);
  d.Property("OnStartDock", &G::GetOnStartDock, &G::SetOnStartDock);
  d.Property("OnStartDrag", &G::GetOnStartDrag, &G::SetOnStartDrag);
  d.Property("OnTopLeftChanged", &G::GetOnTopLeftChanged, &G::SetOnTopLeftChanged);
}

}  // namespace Grids_ts
