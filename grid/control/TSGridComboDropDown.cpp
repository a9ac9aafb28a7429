// The combo drop-down from the grid's side: the working combo's form, initialising the working
// combo for a cell, sizing and placing the list, dropping it down and rolling it up, and taking the
// chosen list row into the cell.
#include <algorithm>

#include "TSGridImpl.h"
#include "TSGridDropDownForm.h"
#include "WinManage.h"
#include "WinMetrics.h"

namespace TSGrid {

namespace {

TRect WorkArea() {
  TRect area;
  SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

}  // namespace

// ---- The form and the working combo ------------------------------------------------------------------------
TCustomForm* TtsBaseGrid::GetComboForm() {
  if (!FComboForm) {
    FComboForm = TCustomForm::CreateNew<TtsDropDownForm>(this);
    InitializeDropDownForm(FComboForm);
  }
  return FComboForm;
}

void TtsBaseGrid::InitializeDropDownForm(TCustomForm* Form) {
  Form->SetVisible(false);
  Form->SetEnabled(false);
  Form->SetLeft(GetLeft());
  Form->SetCtl3D(false);
  Form->GetFont()->Assign(GetFont());
}

void TtsBaseGrid::ResetCombo() {
  if (FIsComboGrid) return;
  // A working combo not made yet has its defaults already.
  if (FCombo) FCombo->Reset();
  FComboInitialized = false;
  FLastUsedCombo = nullptr;
}

void TtsBaseGrid::ComboInit(Integer DataCol, Integer DataRow) {
  CheckComboCreated();
  bool design = GetInDesignMode();
  if (FComboInitialized && !design) return;
  TtsCombo* combo = GiveCellCombo(DataCol, DataRow);
  if (combo) {
    if (combo != FLastUsedCombo || design) FCombo->Assign(combo);
  } else {
    if (!design && !FLastUsedCombo)
      InitCombo(FCombo);
    else
      FCombo->Reset();
    TtsBaseGrid* list = FCombo->GetGrid();
    FCombo->SetDropDownStyle(GiveCellDropDownStyle(DataCol, DataRow));
    list->SetDefaultColWidth(GetColWidths(GetDisplayCol(DataCol)) + 10);
    list->SetDefaultRowHeight(std::max(FComboRowHeight, list->CalcTextHeight()));
    list->UpdateScrollRange();
  }
  FLastUsedCombo = combo;
  InitComboData(FCombo);
  ActivateComboInit(DataCol, DataRow);
  FComboInitialized = true;
}

void TtsBaseGrid::ActivateComboInit(Integer DataCol, Integer DataRow) { DoComboInit(DataCol, Variant(DataRow)); }
void TtsBaseGrid::ActivateComboDropDown(Integer DataCol, Integer DataRow) {
  DoComboDropDown(DataCol, Variant(DataRow));
}
void TtsBaseGrid::ActivateComboRollUp(Integer DataCol, Integer DataRow) { DoComboRollUp(DataCol, Variant(DataRow)); }

// ---- Natural size of a list grid ----------------------------------------------------------------------------
Integer TtsBaseGrid::ComboInitWidth(Integer Cols) {
  if (Cols <= 0) return GetWidth();
  Integer width = 0, shown = 0, wanted = GetDropDownCols();
  for (Integer displayCol = 1; displayCol < GetColCount() && shown < wanted; ++displayCol) {
    if (!FCols->GetItem(GetDataCol(displayCol))->GetVisible()) continue;
    width += GetColWidths(displayCol);
    ++shown;
  }
  if (GetBorderStyle() == bsSingle) width += 2 * GetSystemMetrics(SM_CXBORDER);
  if (GetRowBarOn()) width += GetRowBarWidth();
  return width;
}

Integer TtsBaseGrid::ComboInitHeight(Integer Rows) {
  if (Rows <= 0) return GetHeight();
  Integer height = GetBorderStyle() == bsSingle ? 2 * GetSystemMetrics(SM_CYBORDER) : 0;
  if (GetHeadingOn()) height += GetHeadingHeight();
  Integer shown = 0;
  for (Integer row = 1; row <= GetGridRowCount() && shown < Rows; ++row)
    if (IsRowVisible(row)) ++shown;
  return height + std::min(Rows, std::max<Integer>(1, shown)) * GetDefaultRowHeight();
}

void TtsBaseGrid::GetComboGridExtents(Integer Cols, Integer Rows, Integer& Width, Integer& Height) {
  Width = ComboInitWidth(Cols);
  Height = ComboInitHeight(Rows);
  // The platform reports one version, so the narrower bars of the oldest systems never apply.
  if (Rows > 0 && (ShowHorzScrollBar(Width) || AlwaysShowHorzScrollBar())) Height += GetHorzScrollBarHeight();
  if (Cols > 0 && (ShowVertScrollBar(Height) || AlwaysShowVertScrollBar())) Width += GetVertScrollBarWidth();
}

Integer TtsBaseGrid::TotalColWidth() {
  Integer total = 0;
  for (Integer col = 1; col <= GetGridColCount(); ++col) total += FCols->GetItem(col)->GetWidth();
  return total;
}

void TtsBaseGrid::SetComboGridExtents(Integer DropDownCols, Integer DropDownRows) {
  Integer width, height;
  GetComboGridExtents(DropDownCols, DropDownRows, width, height);
  if (width != GetWidth() || height != GetHeight()) SetBounds(GetLeft(), GetTop(), width, height);
  UpdateScrollRange();
}

void TtsBaseGrid::UpdateComboExtents(Integer Cols, Integer Rows, bool Force) {
  Integer width, height;
  GetComboGridExtents(Cols, Rows, width, height);
  if (!Force && width == GetWidth() && height == GetHeight()) return;
  TtsBaseGrid* owner = GetParentGrid();
  if (owner && owner->ComboVisible() && owner->FCombo && owner->FCombo->GetGrid() == this)
    owner->SetComboFormGridExtents(this, width, height);
  else
    SetBounds(GetLeft(), GetTop(), width, height);
}

bool TtsBaseGrid::CanSetComboExtents() {
  return FIsComboGrid && GetVisible() && GetInDesignMode() && GetParent() && GetParent()->GetVisible() &&
         GetSetComboExtents();
}

void TtsBaseGrid::AdjustComboGridExtents(Integer Cols, Integer Rows) {
  if (!FIsComboGrid || !GetSetComboExtents()) return;
  if (CanSetComboExtents()) {
    TPaintSuspension suspended(this);
    UpdateComboExtents(Cols, Rows, false);
  } else if (TtsBaseGrid* owner = GetParentGrid()) {
    // The next initialisation copies the changed settings again.
    owner->ResetLastUsedCombo();
  }
}

void TtsBaseGrid::InitComboColWidth(Integer Width) {
  if (FIsComboGrid) SetDefaultColWidth(Width + 10);
}

// ---- Placing the list --------------------------------------------------------------------------------------
void TtsBaseGrid::SetComboFormExtents(TtsBaseGrid* DropDownGrid) {
  SetComboFormGridExtents(DropDownGrid, DropDownGrid->GetWidth(), DropDownGrid->GetHeight());
}

void TtsBaseGrid::SetComboFormGridExtents(TtsBaseGrid* ListGrid, Integer Width, Integer Height) {
  TtsBaseGrid* owner = ListGrid->GetParentGrid();
  if (!owner) return;
  TCustomForm* form = owner->GetComboForm();
  bool design = owner->GetInDesignMode();
  TCustomForm* ownerForm = GetParentForm(owner);
  bool dropped = owner->FDropDownPos.X > 0 && owner->FDropDownPos.Y > 0 &&
                 (form->GetVisible() || (design && ListGrid->GetParent() == ownerForm));
  Integer dataCol = dropped ? owner->FDropDownPos.X : owner->FCurDataCol;
  Integer dataRow = dropped ? owner->FDropDownPos.Y : owner->FCurDataRow;
  Integer displayCol = owner->GetDisplayCol(dataCol);
  TRect cell;
  owner->CellRect(displayCol, owner->GetDisplayRow(dataRow), cell);
  TPoint at = owner->ClientToScreen(TPoint(cell.left, cell.bottom));
  // A list narrower than its cell ends where the cell ends.
  Integer cellWidth = owner->GetColWidths(displayCol);
  if (Width < cellWidth) at.x += cellWidth - Width;
  if (design) {
    if (ownerForm) at = ownerForm->ScreenToClient(at);
    if (!owner->ComboVisible() || ListGrid->FPaintDisableCount == 0) {
      TPaintSuspension suspended(ListGrid);
      ListGrid->SetBounds(at.x, at.y, Width, Height);
      ListGrid->UpdateScrollRange();
    } else {
      ListGrid->DeferComboExtents();
      ListGrid->Invalidate();
    }
    return;
  }
  ListGrid->SetBounds(0, 0, ListGrid->GetWidth(), ListGrid->GetHeight());
  TPoint size(Width, Height);
  owner->PositionDropDownForm(dataCol, dataRow, at, size);
  if (ListGrid->GetWidth() != Width || ListGrid->GetHeight() != Height) {
    ListGrid->SetBounds(0, 0, Width, Height);
    ListGrid->UpdateScrollRange();
  }
  SetWindowPos(form->GetHandle(), nullptr, at.x, at.y, Width, Height, 0);
}

void TtsBaseGrid::PositionDropDownForm(Integer, Integer DataRow, TPoint& Position, TPoint Size) {
  TRect area = WorkArea();
  if (Position.x + Size.x > area.right) Position.x = std::max<Integer>(area.right - Size.x, area.left);
  if (Position.y + Size.y > area.bottom) {
    Integer above = Position.y - GetRowHeights(GetDisplayRow(DataRow)) - FHorzLineWidth - Size.y;
    Position.y = std::max<Integer>(above, area.top);
  }
}

void TtsBaseGrid::PositionPopupForm(Integer, Integer, TPoint& Position, TPoint Size) {
  TRect area = WorkArea();
  Position.x = area.left + (area.Width() - Size.x) / 2;
  Position.y = area.top + (area.Height() - Size.y) / 2;
}

// ---- Showing and hiding -----------------------------------------------------------------------------------
bool TtsBaseGrid::ComboVisible() {
  if (!FCombo) return false;
  return (FComboForm && FComboForm->GetVisible()) || FCombo->GetGrid()->GetParent() != FComboForm;
}

bool TtsBaseGrid::DropDownVisible() { return ComboVisible() || DateTimeVisible(); }

void TtsBaseGrid::CheckDropDownOff(bool ActivateForm) {
  if (TurnComboOff(ActivateForm, true))
    ComboRollUp();
  else if (TurnDateTimeOff(ActivateForm, true))
    DateTimeRollUp();
}

bool TtsBaseGrid::TurnComboOff(bool ActivateParentForm, bool DoUpdate) {
  if (!ComboVisible()) return false;
  TCustomForm* form = GetComboForm();
  form->SetVisible(false);
  TtsBaseGrid* list = FCombo->GetGrid();
  if (list->GetParent() != form) list->SetParent(form);
  if (DoUpdate) Update();
  UnregisterDropDownGrid(this);
  if (ActivateParentForm)
    if (TCustomForm* parentForm = GetParentForm(this); parentForm && parentForm->GetActive()) parentForm->Show();
  return true;
}

bool TtsBaseGrid::IsDropDownWindow(HWND Window) {
  if (!Window) return false;
  auto within = [Window](TWinControl* Control) {
    if (!Control || !Control->HandleAllocated()) return false;
    HWND handle = Control->GetHandle();
    return Window == handle || IsChild(handle, Window);
  };
  return within(this) || (FCombo && within(FCombo->GetGrid())) ||
         (FActiveControl && within(FActiveControl->GetControl())) || IsDateTimeHandle(Window);
}

void TtsBaseGrid::ComboButtonDown(Integer DataCol, Integer DataRow) {
  if (ComboVisible() && FDropDownPos.X == DataCol && FDropDownPos.Y == DataRow)
    CheckDropDownOff(false);
  else
    DisplayCombo(DataCol, DataRow);
}

void TtsBaseGrid::ShowCombo() {
  if (!CurrentCellInView() || !CanDropDown(FCurDataCol, FCurDataRow, {btCombo})) return;
  if (ComboVisible() && FDropDownPos.X == FCurDataCol && FDropDownPos.Y == FCurDataRow) return;
  CheckDropDownOff(false);
  FCurrentCell->PutInView();
  DisplayCombo(FCurDataCol, FCurDataRow);
}

void TtsBaseGrid::DisplayCombo(Integer DataCol, Integer DataRow) {
  CheckComboCreated();
  CheckDropDownOff(false);
  InternalShowCombo(DataCol, DataRow);
  SetGridFocus();
  RegisterDropDownGrid(this);
  // The press that opened the list goes on selecting in it without scrolling it at once.
  FCombo->GetGrid()->SetSuppressAutoScroll(true);
}

void TtsBaseGrid::InternalShowCombo(Integer DataCol, Integer DataRow) {
  TCustomForm* form = GetComboForm();
  TtsBaseGrid* list = FCombo->GetGrid();
  if (list->GetParent() != form) list->SetParent(form);
  form->HandleNeeded();
  list->HandleNeeded();
  if (list->GetGridRowCount() > 0) {
    TPaintSuspension suspended(list);
    list->SetTopRow(list->MinTopRow());
    if (CheckInitComboRow()) list->SetCurrentDataRow(1);
  }
  ComboInit(DataCol, DataRow);
  ComboDropDown(DataCol, DataRow);
  list->SetComboGridExtents(FCombo->GetDropDownCols(), FCombo->GetDropDownRows());
  PositionComboRow();
  list->CheckRowSelection(true);
  SetComboFormExtents(list);
  SetComboPoint();
  SetComboVisible();
  Update();
  list->Update();
}

void TtsBaseGrid::SetComboVisible() {
  FCombo->GetGrid()->SetVisible(true);
  GetComboForm()->SetVisible(true);
}

void TtsBaseGrid::ComboDropDown(Integer DataCol, Integer DataRow) {
  if (FDropDownPos.X != -1 || FDropDownPos.Y != -1) return;
  ResetComboSearchValue();
  ActivateComboDropDown(DataCol, DataRow);
  FDropDownPos = TGridCoord{DataCol, DataRow};
}

void TtsBaseGrid::ComboRollUp() {
  if (FDropDownPos.X == -1 || FDropDownPos.Y == -1) return;
  ResetComboSearchValue();
  ActivateComboRollUp(FDropDownPos.X, FDropDownPos.Y);
  FDropDownPos = TGridCoord{-1, -1};
  CheckMousePosition();
}

void TtsBaseGrid::MouseCaptureToCombo() {
  if (!FCaptureToCombo || !FCombo) return;
  TtsBaseGrid* list = FCombo->GetGrid();
  TRect cell;
  list->CellRect(list->FCurDisplayCol, list->FCurDisplayRow, cell);
  list->MDRowSelect(TShiftState(), cell.left, cell.top, list->FCurDisplayCol, list->FCurDisplayRow);
  list->SetMouseDownColRow(list->FCurDisplayCol, list->FCurDisplayRow);
  list->SetMouseCapture(true);
  FCaptureToCombo = false;
}

// ---- The chosen value -------------------------------------------------------------------------------------
void TtsBaseGrid::ComboClickCell(TObject*, Integer, Integer DataColUp, Integer, Integer) {
  if (DataColUp == 0 || !FCombo) return;
  TtsBaseGrid* list = FCombo->GetGrid();
  if (list->GetGridRowCount() == 0 || list->GetGridColCount() == 0 || list->GetGridStatus() != grRowSelect) {
    ShowGridControl();
    CheckDropDownOff(false);
    SetGridFocus();
    return;
  }
  Integer valueCol = FCombo->GetValueCol();
  if (valueCol < 0 || valueCol > list->GetGridColCount()) valueCol = 0;
  bool wasShown = TurnComboOff(false, true);
  auto finish = [&] {
    ShowGridControl();
    if (wasShown) ComboRollUp();
    SetGridFocus();
  };
  try {
    Variant value;
    GetComboValue(valueCol, 0, 0, value);
    SetComboValue(value);
  } catch (...) {
    finish();
    throw;
  }
  finish();
}

void TtsBaseGrid::GetComboValue(Integer ValueCol, Integer, Integer, Variant& Value) {
  Value = Variant();
  TtsBaseGrid* list = FCombo ? FCombo->GetGrid() : nullptr;
  if (!list) return;
  Integer row = list->GetCurrentDataRow();
  if (row <= 0) return;
  if (list->GetDisplayRow(row) <= list->GetFixedRowCount() && !list->GetSelectFixed()) return;
  DoComboGetValue(FCurDataCol, Variant(FCurDataRow), Variant(row), Value);
  TtsControlType type = CurCellControlType();
  if (VarIsEmpty(Value) && type != ctNone && ValueCol != 0) {
    Value = list->GetCellValue(ValueCol, row);
    if (VarIsEmpty(Value) && list->GetStoreData()) Value = EmptyCellValue(type);
  }
  if (VarIsEmpty(Value) || type != ctText) return;
  Variant text;
  CheckStrValue(type, Value, text);
  Value = text;
}

void TtsBaseGrid::SetComboValue(const Variant& Value) {
  if (!VarIsEmpty(Value)) CheckVarType(CurCellControlType(), Value);
  SetCurrentValue(Value, true, true);
}

}  // namespace TSGrid
