// Cell values: moving the current cell, reading a value (edit buffer, storage, cell-loaded event),
// writing one, drawing or capturing a value, and passing a value into the in-place control with
// its mask and check-box texts.
#include "TSGridImpl.h"

namespace TSGrid {

// ---- Moving the current cell ----------------------------------------------------------------------
void TtsBaseGrid::SetCurrentCell(Integer DisplayCol, Integer DisplayRow) {
  if (DisplayCol == FCurDisplayCol && DisplayRow == FCurDisplayRow) return;
  Integer dataCol = GetDataCol(DisplayCol);
  Integer dataRow = GetDataRow(DisplayRow);
  if (!CheckEndEdit(dataCol, dataRow, false)) return;
  CheckHideControl(true);
  ClearCurrentFocusRect(false);
  PositionCurrentCell(dataCol, dataRow);
  ShowGridControl();
  DrawCurrentFocusRect(false);
  CheckRowColChanged();
  CheckRowSelection(false);
  SelectionsChanged(false);
}

void TtsBaseGrid::PositionCurrentCell(Integer DataCol, Integer DataRow) {
  Integer col = GetDisplayCol(DataCol);
  Integer row = GetDisplayRow(DataRow);
  if (col == FCurDisplayCol && row == FCurDisplayRow) return;
  if (row == FCurDisplayRow) {
    SetCurrentPosition(col, row, true, true);
    return;
  }
  if (FCurDataRow >= 1 && IsRowSelected(FCurDataRow) && InRowSelectMode()) {
    InvertSelectedRows(FCurDisplayRow, FCurDisplayRow, false);
    DeleteRowSelection(FCurDisplayRow, FCurDisplayRow);
  }
  ClearCurrent(FCurDisplayRow);
  SetCurrentPosition(col, row, true, true);
  if (IsRowSelected(FCurDataRow))
    DrawCurrentSelected(FCurDisplayRow);
  else
    DrawCurrent(FCurDisplayRow);
}

// ---- Reading and writing values ---------------------------------------------------------------------
Variant TtsBaseGrid::GetCellValue(Integer DataCol, Integer DataRow) {
  Variant result;
  if (DataCol < 1 || DataCol > GetGridColCount() || DataRow < 1 || DataRow > GetGridRowCount()) return result;
  TtsControlType type = GiveCellControlType(DataCol, DataRow);
  if (type == ctNone) return result;
  if (FCurrentCell->ValueSet(DataCol, DataRow)) return FCurrentCell->BufferValue();
  FCapturing = false;
  try {
    if (!CheckGetCell()) return result;
    FCapturing = true;
    FCaptureCol = DataCol;
    FCaptureRow = DataRow;
    GetDataValue(DataCol, DataRow, FCapturedValue, type);
    CellLoadedEvent(DataCol, DataRow, type, FCapturedValue);
    result = FCapturedValue;
  } catch (...) {
    FCapturing = false;
    FCapturedValue.Clear();
    throw;
  }
  FCapturing = false;
  FCapturedValue.Clear();
  return result;
}

bool TtsBaseGrid::IsCapturing(Integer DataCol, Integer DataRow) const {
  return FCapturing && FCaptureCol == DataCol && FCaptureRow == DataRow;
}

namespace {
// Redraws one cell at once with a new value or text (the value goes to the in-place control when
// the cell is the current cell).
void RedrawCellValue(TtsBaseGrid* Grid, Integer DataCol, Integer DataRow, const Variant& Value, const String* Text) {
  Integer col = Grid->GetDisplayColnr(DataCol);
  Integer row = Grid->GetDisplayRownr(DataRow);
  bool selected = Grid->IsCellSelected(col, row);
  TtsDrawData data;
  Grid->GetDrawData(col, row, data, true);
  // A selected cell is drawn off screen first, so that its inversion never shows half done.
  bool claimed = selected && Grid->PrepareCanvas(data.CellRect);
  try {
    Variant shown;
    TtsBaseGrid::CheckStrValue(data.ControlType, Value, shown);
    Grid->AssignCellValue(DataCol, DataRow, data, selected, shown, Text, false, false);
    if (selected && (col < 1 || row < 1 || !Grid->SelectionColorEnabled()))
      Grid->RectInvert(Grid->GetCanvas()->GetHandle(), data.CellRect);
  } catch (...) {
    if (claimed) Grid->CanvasToScreen(data.CellRect);
    throw;
  }
  if (claimed) Grid->CanvasToScreen(data.CellRect);
}
}  // namespace

void TtsBaseGrid::SetCellValue(Integer DataCol, Integer DataRow, const Variant& Value) {
  if (DataCol < 1 || DataCol > GetGridColCount() || DataRow < 1 || DataRow > GetGridRowCount()) return;
  Integer col = GetDisplayColnr(DataCol);
  Integer row = GetDisplayRownr(DataRow);
  bool current = DataCol == FCurDataCol && DataRow == FCurDataRow;
  if (FStoreData) {
    Variant stored;
    CheckStrValue(GiveCellControlType(DataCol, DataRow), Value, stored);
    SetDataValue(DataCol, DataRow, stored, GiveCellControlType(DataCol, DataRow));
    if (!GetFastAssign() && HandleAllocated() && !FPainting && !current) {
      CheckInvalidateCell(col, row);
      return;
    }
  }
  if (HandleAllocated()) RedrawCellValue(this, DataCol, DataRow, Value, nullptr);
}

void TtsBaseGrid::SetCellPText(Integer DataCol, Integer DataRow, const String& Text) {
  if (DataCol < 1 || DataCol > GetGridColCount() || DataRow < 1 || DataRow > GetGridRowCount()) return;
  bool current = DataCol == FCurDataCol && DataRow == FCurDataRow;
  if (FStoreData) {
    SetDataValue(DataCol, DataRow, Variant(Text), GiveCellControlType(DataCol, DataRow));
    if (!GetFastAssign() && HandleAllocated() && !FPainting && !current) {
      CheckInvalidateCell(GetDisplayColnr(DataCol), GetDisplayRownr(DataRow));
      return;
    }
  }
  if (HandleAllocated()) RedrawCellValue(this, DataCol, DataRow, Variant(Text), &Text);
}

Variant TtsBaseGrid::EmptyCellValue(TtsControlType ControlType) {
  switch (ControlType) {
    case ctText:
      return Variant(String());
    case ctCheck:
      return Variant(Byte{2});
    case ctPicture:
      return Variant(Integer{0});
    default:
      return Variant();
  }
}

void TtsBaseGrid::AssignCellValue(Integer DataCol, Integer DataRow, TtsDrawData& DrawData, bool Selected,
                                  const Variant& Value, const String* Text, bool AsEditValue, bool EditFlag) {
  if (IsCapturing(DataCol, DataRow)) {
    FCapturedValue = Text ? Variant(*Text) : Value;
    return;
  }
  if (DataCol < 0 || DataCol > GetGridColCount() || !FCols->GetItem(DataCol)->GetVisible() || !IsRowVisible(DataRow))
    return;
  if (DataCol == FCurDataCol && DataRow == FCurDataRow && InEditMode() && !Selected) {
    Variant value = Text ? Variant(*Text) : Value;
    Variant buffer = FCurrentCell->BufferValue();
    if (!FCurrentCell->ValueSet(DataCol, DataRow) || VarType(value) != VarType(buffer) || !VarSameValue(value, buffer))
      SetControlValue(value, AsEditValue, EditFlag);
    if (DrawData.ControlType != ctPicture) CheckShowAfterPaint();
  }
  RestoreHandle();
  const TRect& cell = DrawData.CellRect;
  bool current = DrawData.DisplayCol == FCurDisplayCol && DrawData.DisplayRow == FCurDisplayRow;
  if (cell.left <= cell.right && cell.top <= cell.bottom) {
    if (InClipRect(cell)) {
      FCurrentButton = GridCellButton(DataCol, DrawData.ButtonType);
      UpdateDrawData(DrawData, false);
      // The control about to show over the cell takes the cell's look.
      if (current && FShowAfterPaint) UpdateControlProperties(DrawData);
      DrawValue(DrawData, Selected, Value, Text);
    } else if (current) {
      DrawCellFocusRect(DrawData.DisplayCol, DrawData.DisplayRow);
    }
  }
  FLastDrawnCol = DrawData.DisplayCol;
  FLastDrawnRow = DrawData.DisplayRow;
}

void TtsBaseGrid::DrawValue(TtsDrawData& DrawData, bool Selected, const Variant& Value, const String* Text) {
  if (Text) {
    DrawText(*Text, DrawData, Selected);
    return;
  }
  switch (DrawData.ControlType) {
    case ctText:
      DrawText(VarToStr(Value), DrawData, Selected);
      break;
    case ctCheck: {
      Variant state;
      GetCheckBoxValue(Value, state);
      DrawCheck(state, DrawData, Selected);
      break;
    }
    case ctPicture: {
      // A text names an image of the grid's image list; anything else holds a bitmap.
      TtsImageItem* item = VarIsStr(Value) ? ImageListPicture(Value) : nullptr;
      TBitmap* bitmap = item ? item->GetBitmap() : VarIsStr(Value) ? nullptr : VariantToBitmap(Value);
      DrawPicture(bitmap, item, DrawData, Selected);
      break;
    }
    default:
      break;
  }
}

// ---- Check boxes and the in-place control -------------------------------------------------------------
void TtsBaseGrid::GetCheckBoxValue(const Variant& Value, Variant& Result) {
  switch (VarType(Value)) {
    case varInteger:
    case varNull:
    case varString:
      Result = Value;
      break;
    // Byte and 16-bit integers are state ordinals too (check-box values are stored as bytes).
    case varByte:
    case varShortInt:
    case varSmallint:
    case varWord:
      Result = Value.ToInteger();
      break;
    default:
      Result = Byte{2};
  }
}

Variant TtsBaseGrid::AssignControlValue(TtsControlType ControlType, const Variant& Value, bool AsEditValue,
                                        bool EditFlag) {
  Variant value = VarIsEmpty(Value) ? EmptyCellValue(ControlType) : Value;
  if (VarIsEmpty(value)) return value;
  auto toControl = [&](const Variant& V) {
    if (!FActiveControl || VarIsNull(V)) return;
    if (AsEditValue)
      FActiveControl->SetEditValue(V, EditFlag);
    else
      FActiveControl->SetValue(V);
  };
  switch (ControlType) {
    case ctText:
      toControl(value);
      break;
    case ctCheck: {
      Variant state;
      GetCheckBoxValue(value, state);
      value = state;
      toControl(value);
      break;
    }
    case ctPicture:
      if (VarIsNull(value)) break;
      if (VarIsStr(value)) {
        FCurrentCell->SetBuffer(value, false);
      } else {
        TBitmap* copy = nullptr;
        if (TBitmap* source = VariantToBitmap(value)) {
          copy = New<TBitmap>();
          copy->Assign(source);
        }
        FCurrentCell->SetBuffer(BitmapToVariant(copy), copy != nullptr);
      }
      FCurrentCell->StretchPicture = FStretchPicture;
      FCurrentCell->ShrinkPicture = FShrinkPicture;
      FCurrentCell->CenterPicture = FCenterPicture;
      FCurrentCell->KeepAspectRatio = FKeepAspectRatio;
      FCurrentCell->TransparentColor = FTransparentColor;
      ControlValueChanged(AsEditValue, EditFlag, false);
      break;
    default:
      break;
  }
  return value;
}

void TtsBaseGrid::SetControlValue(const Variant& Value, bool AsEditValue, bool EditFlag) {
  if (!InGridState()) return;
  TtsControlType type = CurCellControlType();
  SetGridControl(type);
  SetControlProperties(FActiveControl);
  Variant used = AssignControlValue(type, Value, AsEditValue, EditFlag);
  SetControlMask();
  if (FActiveControl && !VarIsEmpty(used) && !VarIsNull(used) && type != ctPicture &&
      FActiveControl->IsEditControl()) {
    if (FControlSelectMode == tsAll)
      FActiveControl->SelectAll();
    else if (FControlSelectMode == tsNone)
      FActiveControl->SetSelLength(0);
  }
  FControlSelectMode = tsCurrent;
}

void TtsBaseGrid::ControlValueChanged(bool Changed, bool EditFlag, bool ComboSearch) {
  if (!FPainted) return;
  if (Changed) {
    FCellEdit = true;
    FEditedRow = true;
    if (FRowBarIndicator && DrawRowChangedIndicator(FCurDataRow))
      DrawBmpRowBar(FCurDisplayRow, ChangedRowBitmap, MERGECOPY, false);
    if (IsInsertRow(FCurDisplayRow)) {
      SetInsertionRow(1);
      FInsertRowEdited = true;
      SetNewRowCount(GetGridRowCount());
    }
  }
  if (FCellLoading || !Changed) return;
  if (!EditFlag && IsInsertRow(FCurDisplayRow)) return;
  CellEdit(FCurDataCol, FCurDataRow, EditFlag);
  if (!FRowEdit) FRowEdit = FCellEdit;
  if (!ComboVisible()) return;
  TtsDropDownStyle style;
  bool search = ComboSearch && GiveCellButton(FCurDataCol, FCurDataRow, style) == btCombo && style == ddDropDown;
  if (!search || !PositionAutoFill(false)) PositionComboRow();
}

void TtsBaseGrid::SetControlMask() {
  if (!FActiveControl) return;
  FActiveControl->SetMaskDefs(GetMaskDefs());
  FActiveControl->SetMaskName(CurCellMaskName());
}

bool TtsBaseGrid::SetControlCheckBoxValues() {
  auto* check = dynamic_cast<TtsCheckGridControl*>(FActiveControl);
  if (!check || FActiveControl != FCheckControl) return false;
  String values = CurCellCheckBoxValues();
  if (check->GetCheckBoxValues() == values) return false;
  check->SetCheckBoxValues(values);
  return true;
}

// ---- Fonts, drawing kinds and pictures -------------------------------------------------------------------
void TtsBaseGrid::UpdateCellFonts() {
  Integer index = 0, col = 0, row = 0;
  while (FCellFontFollowers->NextCoord(index, col, row)) {
    if (auto* element = dynamic_cast<TtsCellElement*>(GetCellElement(col, Variant(row), false))) element->CheckFont();
  }
}

bool TtsBaseGrid::IsDrawProp(TtsProperty Kind) {
  switch (Kind) {
    case prColor:
    case prFont:
    case prAlign:
    case prAlignment:
    case prWordWrap:
    case prParentFont:
    case prPicture:
      return true;
    default:
      return false;
  }
}

TtsImageItem* TtsBaseGrid::ImageListPicture(const Variant& PictureId) {
  TtsImageListComponent* list = GetImageList();
  if (!list || !list->IndexExists(PictureId)) return nullptr;
  return list->GetImage(PictureId);
}

void TtsBaseGrid::ImageListDeleted() { Invalidate(); }
void TtsBaseGrid::ImageChanged(TtsImageItem*) { Invalidate(); }

// ---- Top-left cell ---------------------------------------------------------------------------------------
void TtsBaseGrid::MoveTopLeft(Integer ALeft, Integer ATop) {
  if (GetFastAssign()) {
    inherited::MoveTopLeft(ALeft, ATop);
    return;
  }
  // Without a window the largest top-left cell is unknown: the values are not limited then.
  if (HandleAllocated()) {
    TGridCoord max = GetMaxTopLeft();
    ALeft = std::min(ALeft, max.X);
    ATop = std::min(ATop, max.Y);
  }
  Integer col = ALeft, row = ATop;
  if (col > 0 && col < GetColCount() && !FCols->GetItem(GetDataCol(col))->GetVisible() &&
      !GetNextCol(col, false, false, col))
    col = GetLeftCol();
  if (row > 0 && row < GetRowCount() && !IsRowVisible(GetDataRow(row)) && !GetNextRow(row, false, false, row))
    row = GetTopRow();
  if (col == GetLeftCol() && row == GetTopRow()) return;
  ResetButtonDown();
  bool shown = FControlShown;
  CheckHideControl(false);
  inherited::MoveTopLeft(col, row);
  if (shown) ShowGridControl();
}

void TtsBaseGrid::TopLeftMoved(const TGridCoord& OldTopLeft) {
  if (GetFastAssign()) {
    FDeferredActions.Include(gacTopLeftChanged);
    return;
  }
  if (HandleAllocated()) inherited::TopLeftMoved(OldTopLeft);
}

void TtsBaseGrid::CheckTopLeft(bool KeepPaint) {
  if (GetFastAssign()) {
    FDeferredActions.Include(gacCheckTopLeft);
    return;
  }
  if (!KeepPaint) SetEnablePaint(false);
  try {
    MoveTopLeft(GetLeftCol(), GetTopRow());
  } catch (...) {
    if (!KeepPaint) SetEnablePaint(true);
    throw;
  }
  if (!KeepPaint) SetEnablePaint(true);
}

void TtsBaseGrid::TopLeftChanged() {
  ++FTopLeftNesting;
  try {
    if (HandleAllocated()) {
      TGridCoord max = GetMaxTopLeft();
      if (GetLeftCol() > max.X || GetTopRow() > max.Y) {
        SetEnablePaint(false);
        try {
          MoveTopLeft(std::min(GetLeftCol(), max.X), std::min(GetTopRow(), max.Y));
        } catch (...) {
          SetEnablePaint(true);
          throw;
        }
        SetEnablePaint(true);
      }
    }
    FTopLeftChangedMark = true;
    if (FTopLeftNesting == 1) CheckTopLeftChanged(true);
  } catch (...) {
    --FTopLeftNesting;
    throw;
  }
  --FTopLeftNesting;
}

void TtsBaseGrid::CheckTopLeftChanged(bool ByUser) {
  Integer left = GetLeftCol(), top = GetTopRow();
  if (left == FTopLeftMemory.X && top == FTopLeftMemory.Y) return;
  TGridCoord old = FTopLeftMemory;
  try {
    UpdateScrollPos();
    TopLeftChangedEvent(old.X, old.Y, ByUser, top, left);
  } catch (...) {
    FTopLeftMemory = {left, top};
    throw;
  }
  FTopLeftMemory = {left, top};
}

Integer TtsBaseGrid::GetMaxTopRow() {
  if (!HandleAllocated()) return 0;
  Integer row = GetRowCount() - 1;
  Integer used = GetRowHeights(row) + FFixedHeight;
  while (row > GetFixedRows() && used + GetRowHeights(row - 1) <= GetClientHeight()) {
    --row;
    used += GetRowHeights(row);
  }
  if (row > 0 && !IsRowVisible(GetDataRow(row))) GetNextRow(row, false, false, row);
  Integer top = TopMostRow(false, false);
  Integer bottom = FGridMode == gmEditInsert && FInsertionRow == 1 ? GetRowCount() - 1 : BottomMostRow(false, false);
  if (bottom < top) return GetFixedRows();
  return std::max(std::max(std::min(row, bottom), top), GetFixedRows());
}

Integer TtsBaseGrid::GetMaxLeftCol() {
  if (!HandleAllocated()) return 0;
  Integer col = GetColCount() - 1;
  Integer used = GetColWidths(col) + FFixedWidth;
  while (col > GetFixedCols() && used + GetColWidths(col - 1) <= GetClientWidth()) {
    --col;
    used += GetColWidths(col);
  }
  if (col > 0 && !FCols->GetItem(GetDataCol(col))->GetVisible()) GetNextCol(col, false, false, col);
  Integer left = LeftMostCol(false, false);
  Integer right = RightMostCol(false, false);
  if (right < left) return GetFixedCols();
  return std::max(std::max(std::min(col, right), left), GetFixedCols());
}

TGridCoord TtsBaseGrid::GetMaxTopLeft() { return TGridCoord{GetMaxLeftCol(), GetMaxTopRow()}; }

// ---- Row heights and column widths ---------------------------------------------------------------------
void TtsBaseGrid::CheckRowHeights(Integer& ChangedHeight) {
  if (GetDefaultRowHeight() > 0) {
    for (Integer i = 0; i < GetRowCount(); ++i) {
      Integer height = GetRowHeights(i);
      if (height < 0) {
        height = 0;
        SetRowHeights(i, 0);
      }
      Integer dataRow = GetDataRow(i);
      if (!IsRowVisible(dataRow) && height == 0) continue;
      if (FRows->GetRowHeight(dataRow) == height) continue;
      FRows->SetRowHeight(dataRow, height);
      if (i > 0) ChangedHeight = height;
      // The old height is kept on the same row object (the data row shown at display row i).
      if (!FAllRowHeightsChanging) FRows->SetOldRowHeight(dataRow, height);
    }
  } else {
    SetDefaultRowHeight(1);
    for (Integer row = 1; row < GetRowCount(); ++row) {
      FRows->SetRowHeight(row, 1);
      if (Reading()) FRows->SetOldRowHeight(row, 1);
    }
  }
  if (!FAllRowHeightsChanging) FLastDefaultRowHeight = GetDefaultRowHeight();
}

void TtsBaseGrid::CheckColWidths(Integer& ChangedWidth) {
  if (GetDefaultColWidth() > 0) {
    for (Integer i = 0; i < GetColCount(); ++i) {
      Integer width = GetColWidths(i);
      if (width < 0) {
        width = 0;
        SetColWidths(i, 0);
      }
      TtsCol* col = FCols->GetItem(GetDataCol(i));
      if (!col->GetVisible() && width == 0) continue;
      if (col->GetWidth() == width) continue;
      col->FWidth = width;
      if (i > 0) ChangedWidth = width;
      // The old width is kept on the same column object (the data column shown at display column i).
      if (Reading() || FIsComboGrid) col->FAssignedWidth = width;
    }
  } else {
    SetDefaultColWidth(1);
    for (Integer c = 1; c < GetColCount(); ++c) {
      FCols->GetItem(c)->FWidth = 1;
      if (Reading()) FCols->GetItem(c)->FAssignedWidth = 1;
    }
  }
  if (!FAllColWidthsChanging) FLastDefaultColWidth = GetDefaultColWidth();
}

void TtsBaseGrid::RowHeightsChanged() {
  if (FHeightUpdating || !FRows) return;
  FHeightUpdating = true;
  try {
    Integer heading = FRows->GetRowHeight(0);
    Integer changed = -1;
    CheckRowHeights(changed);
    FRows->SetRowHeight(0, heading);
    ResizeRow(0, GetHeadingOn() ? heading : 0);
    for (Integer row = 1; row < GetRowCount(); ++row) {
      Integer display = GetDisplayRow(row);
      if (GetRowHeights(display) != 0 && !IsRowVisible(row)) ResizeRow(display, 0);
    }
    CalcVertFixedHeight();
    if (FControlShown) ShowGridControl();
    RowResized(-1);
    if (GetInDesignMode() && changed >= 0 && FResizeRows == rrAll && !FAllRowHeightsChanging && GetState() == gsRowSizing)
      ChangeAllRowHeights(changed, true);
    AdjustComboGridExtents(GetDropDownCols(), GetDropDownRows());
    UpdateDesigner();
  } catch (...) {
    FHeightUpdating = false;
    throw;
  }
  FHeightUpdating = false;
}

void TtsBaseGrid::ColWidthsChanged() {
  if (FWidthUpdating || !FCols) return;
  FWidthUpdating = true;
  try {
    Integer rowBar = FCols->GetItem(0)->GetWidth();
    Integer changed = -1;
    CheckColWidths(changed);
    FCols->GetItem(0)->FWidth = rowBar;
    ResizeCol(0, GetRowBarOn() ? rowBar : 0);
    for (Integer c = 1; c < GetColCount(); ++c) {
      Integer display = GetDisplayCol(c);
      if (GetColWidths(display) != 0 && !FCols->GetItem(c)->GetVisible()) ResizeCol(display, 0);
    }
    CalcHorzFixedWidth();
    if (FControlShown) ShowGridControl();
    ColResized(-1);
    if (GetInDesignMode() && changed >= 0 && FResizeCols == rcAll && !FAllColWidthsChanging && GetState() == gsColSizing)
      ChangeAllColWidths(changed, true);
    AdjustComboGridExtents(GetDropDownCols(), GetDropDownRows());
    UpdateDesigner();
  } catch (...) {
    FWidthUpdating = false;
    throw;
  }
  FWidthUpdating = false;
}

void TtsBaseGrid::SingleRowHeightChanged(Integer DisplayRow) {
  if (!IsRowVisible(GetDataRow(DisplayRow)) && GetRowHeights(DisplayRow) != 0) ResizeRow(DisplayRow, 0);
  if (DisplayRow < GetFixedRows()) CalcVertFixedHeight();
  if (FActiveControl && FControlShown) ShowGridControl();
  AdjustComboGridExtents(GetDropDownCols(), GetDropDownRows());
  UpdateDesigner();
}

void TtsBaseGrid::SingleColWidthChanged(Integer DisplayCol) {
  Integer dataCol = GetDataCol(DisplayCol);
  if (dataCol >= 0 && !FCols->GetItem(dataCol)->GetVisible() && GetColWidths(DisplayCol) != 0)
    ResizeCol(DisplayCol, 0);
  if (DisplayCol < GetFixedCols()) CalcHorzFixedWidth();
  if (FActiveControl && FControlShown) ShowGridControl();
  AdjustComboGridExtents(GetDropDownCols(), GetDropDownRows());
  UpdateDesigner();
}

// ---- Loading a cell for painting -------------------------------------------------------------------------
void TtsBaseGrid::CellLoaded(TtsDrawData& DrawData, bool Selected) {
  bool loading = FCellLoading;
  FCellLoading = true;
  FLastDrawnCol = FLastDrawnRow = -1;
  auto done = [&]() {
    FLastDrawnCol = FLastDrawnRow = -1;
    FCellLoading = loading;
  };
  try {
    Integer col = DrawData.DataCol, row = DrawData.DataRow;
    bool capturing = IsCapturing(col, row);
    if (!capturing && (!FCols->GetItem(col)->GetVisible() || !IsRowVisible(row))) {
      done();
      return;
    }
    if (FCellEdit && FCurrentCell->ValueSet(col, row)) {
      AssignCellValue(col, row, DrawData, Selected, FCurrentCell->BufferValue(), nullptr, false, false);
    } else {
      Variant value;
      GetDataValue(col, row, value, DrawData.ControlType);
      CellLoadedEvent(col, row, DrawData.ControlType, value);
      if (!VarIsEmpty(value)) AssignCellValue(col, row, DrawData, Selected, value, nullptr, false, false);
    }
    if (!capturing && (FLastDrawnCol != DrawData.DisplayCol || FLastDrawnRow != DrawData.DisplayRow))
      DrawEmptyCell(DrawData, Selected);
  } catch (...) {
    done();
    throw;
  }
  done();
}

void TtsBaseGrid::DrawEmptyCell(TtsDrawData& DrawData, bool Selected) {
  Variant value = EmptyCellValue(DrawData.ControlType);
  SetEnableStartEdit(false);
  try {
    if (VarIsEmpty(value)) {
      UpdateDrawData(DrawData, false);
      DrawEmpty(DrawData, Selected);
    } else {
      AssignCellValue(DrawData.DataCol, DrawData.DataRow, DrawData, Selected, value, nullptr, false, false);
    }
  } catch (...) {
    SetEnableStartEdit(true);
    throw;
  }
  SetEnableStartEdit(true);
}

}  // namespace TSGrid
