// Showing and hiding the in-place control: which control is active for the current cell, how it is
// dressed and placed over the cell, when it becomes visible (after the next paint, so that it
// appears over a cell already drawn) and takes the focus, when it hides and hands the focus back to
// the grid, and when it is shown as editor, the state in which keys edit the cell.
#include "TSGridCells.h"
#include "TSGridColumns.h"
#include "TSGridButtons.h"
#include "TSGridControls.h"
#include "TSGridImpl.h"
#include "WinFocus.h"

namespace TSGrid {

// ---- Conditions --------------------------------------------------------------------------------------------
bool TtsBaseGrid::CurrentCellInView() {
  Integer col = FCurDisplayCol, row = FCurDisplayRow;
  if (row >= GetFixedRows() && row < GetTopRow()) return false;
  if (col >= GetFixedCols() && col < GetLeftCol()) return false;
  if (row > MaxVisibleRow()) return false;
  return col <= MaxVisibleCol() && col > 0 && row > 0;
}

bool TtsBaseGrid::GridControlActive() {
  return FGridStatus == grNormal && (FGridMode == gmEdit || FGridMode == gmEditInsert) && !CurCellReadOnly() &&
         !CurCellSelected();
}

bool TtsBaseGrid::CanSetControl() { return !GetInDesignMode() && CurrentCellInView() && GridControlActive(); }

bool TtsBaseGrid::EditorActive() { return GridControlActive() && FControlEnabled && InEditState(); }

bool TtsBaseGrid::FocusToGridControl() {
  return IsFocused() && FActiveControl && FActiveControl->GetVisible() && !FPressPending && !FFocusOnKeyUp &&
         !GetInDesignMode();
}

// ---- Attaching, dressing and placing --------------------------------------------------------------------------
void TtsBaseGrid::SetGridControl(TtsControlType ControlType) {
  TtsCustomGridControl* control = GridCellControl(ControlType);
  if (control == FActiveControl) return;
  if (FActiveControl) DoHideControl(true);
  FActiveControl = control;
  ClearControlBuffer();
}

void TtsBaseGrid::SetControlProperties(TtsCustomGridControl* Control) {
  if (!Control || !HandleAllocated() || GetInDesignMode()) return;
  Integer dataCol = FCurDataCol, dataRow = FCurDataRow;
  bool is3D = GiveCell3D(dataCol, dataRow);
  TFont* font = GiveCellFont(dataCol, dataRow);
  TColor color = GiveCellColor(dataCol, dataRow, is3D);
  TColor fontColor = font ? font->GetColor() : Graphics::clNone;
  if (Control->IsEditControl()) {
    if (FEditColor != Graphics::clNone) color = FEditColor;
    if (FEditFontColor != Graphics::clNone) fontColor = FEditFontColor;
  }
  TRect cell;
  CellRect(FCurDisplayCol, FCurDisplayRow, cell);
  Integer width = GetColWidths(FCurDisplayCol) - FVertLineWidth - 3;
  Integer height = GetRowHeights(FCurDisplayRow) - FHorzLineWidth;
  bool keyEdit = true, mouseSelect = true;
  TtsDropDownStyle style;
  TtsButtonType button = GiveCellButton(dataCol, dataRow, style);
  if (button != btNone) {
    FCurrentButton = GridCellButton(dataCol, button);
    if (FCurrentButton) width = std::max(0, width - FCurrentButton->FullWidth());
  }
  switch (button) {
    case btCombo:
    case btDateTimeDropDown:
    case btDateTimePopup:
      keyEdit = mouseSelect = style != ddDropDownList;
      break;
    case btVertSpin:
    case btHorzSpin:
      keyEdit = GiveCellSpinOptions(dataCol, dataRow).Contains(spoKeyEdit);
      break;
    case btNone:
      if (is3D && FVertLineWidth == 0) --width;
      break;
    default:
      break;
  }
  if (is3D && FHorzLineWidth == 0) --height;
  Control->SetKeyEdit(keyEdit);
  Control->SetMouseSelect(mouseSelect);
  if (CanSetControl()) {
    Control->SetLeft(cell.left + 3);
    Control->SetTop(cell.top);
    Control->SetWidth(width);
    Control->SetHeight(height);
  }
  Control->SetColor(color);
  if (font) {
    TFont* copy = New<TFont>();
    try {
      copy->Assign(font);
      copy->SetColor(fontColor);
      Control->SetFont(copy);
    } catch (...) {
      copy->Free();
      throw;
    }
    copy->Free();
  }
  Control->SetCtl3D(is3D);
  Control->SetAlignment(GiveCellAlignment(dataCol, dataRow));
  Control->SetVertAlignment(GiveCellVertAlignment(dataCol, dataRow));
  Control->SetWordWrap(GiveCellWordWrap(dataCol, dataRow));
  Control->SetMaxLength(FCols->GetItem(dataCol)->GetMaxLength());
  Control->SetWantTabs(FWantTabs);
  Control->SetAlwaysShowFocus(FAlwaysShowFocus);
  if (auto* check = dynamic_cast<TtsCheckGridControl*>(Control)) {
    check->SetAllowGrayed(FCols->GetItem(dataCol)->GetAllowGrayed());
    check->SetCheckBoxValues(CurCellCheckBoxValues());
  }
}

namespace {
bool SameFont(TFont* A, TFont* B) {
  return A->GetName() == B->GetName() && A->GetHeight() == B->GetHeight() && A->GetStyle() == B->GetStyle() &&
         A->GetColor() == B->GetColor() && A->GetCharset() == B->GetCharset() && A->GetPitch() == B->GetPitch();
}
}  // namespace

void TtsBaseGrid::UpdateControlProperties(const TtsDrawData& DrawData) {
  if (!FActiveControl) return;
  if (FActiveControl->GetColor() != DrawData.Color) FActiveControl->SetColor(DrawData.Color);
  TFont* font = FActiveControl->GetFont();
  if (DrawData.Font && font && !SameFont(font, DrawData.Font)) FActiveControl->SetFont(DrawData.Font);
  if (FActiveControl->GetAlignment() != DrawData.Alignment) FActiveControl->SetAlignment(DrawData.Alignment);
  if (FActiveControl->GetVertAlignment() != DrawData.VertAlignment)
    FActiveControl->SetVertAlignment(DrawData.VertAlignment);
  if (FActiveControl->GetWordWrap() != DrawData.WordWrap) FActiveControl->SetWordWrap(DrawData.WordWrap);
}

// ---- Showing ----------------------------------------------------------------------------------------------------
void TtsBaseGrid::ShowGridControl() {
  if (GetInDesignMode() || !HandleAllocated() || GetFastAssign()) return;
  FControlHidden = false;
  if (CanSetControl()) {
    bool wasShown = FControlShown;
    FControlShown = true;
    SetGridControl(CurCellControlType());
    if (FActiveControl->GetVisible() || wasShown) {
      Integer oldCol, oldRow;
      CellFromXY(FActiveControl->GetLeft(), FActiveControl->GetTop(), oldCol, oldRow);
      DoHideControl(false);
      bool current = oldCol == FCurDisplayCol && oldRow == FCurDisplayRow;
      if (!current && !FSkipOldCellInvalidate && oldCol > 0 && oldRow > 0) InvalidateCell(oldCol, oldRow);
    }
    SetControlProperties(FActiveControl);
    SetControlMask();
    if (!FSuppressCurrentInvalidate) InvalidateCell(FCurDisplayCol, FCurDisplayRow);
    FSkipOldCellInvalidate = false;
    return;
  }
  FActiveControl = GridCellControl(CurCellControlType());
  if (FActiveControl) {
    FActiveControl->SetLeft(-FActiveControl->GetWidth());
    FActiveControl->SetTop(-FActiveControl->GetHeight());
  }
  SetControlMask();
}

void TtsBaseGrid::CheckShowAfterPaint() {
  if (FActiveControl && !FActiveControl->GetVisible() && ControlDisplayed()) FShowAfterPaint = true;
}

void TtsBaseGrid::MakeGridControlVisible(TtsTextSelectMode) {
  if (GetInDesignMode() || !HandleAllocated() || !(FGridMode == gmEdit || FGridMode == gmEditInsert) ||
      !FControlEnabled || !FActiveControl)
    return;
  Integer col = FCurDisplayCol, row = FCurDisplayRow;
  bool rowInView = row < GetFixedRows() || (row >= GetTopRow() && row <= MaxVisibleRow());
  bool colInView = col < GetFixedCols() || (col >= GetLeftCol() && col <= MaxVisibleCol());
  if (!rowInView || !colInView) return;
  FControlShown = true;
  FActiveControl->SetVisible(true);
  if (FocusToGridControl() && !InSetFocus()) FActiveControl->SetFocus();
  FActiveControl->Repaint();
}

// ---- Hiding -----------------------------------------------------------------------------------------------------
void TtsBaseGrid::DoHideControl(bool Invalidate) {
  if (!HandleAllocated() || GetFastAssign() || !FActiveControl) return;
  bool hiding = FHidingControl;
  FHidingControl = true;
  try {
    bool hadFocus = FActiveControl->Focused();
    FActiveControl->Hide();
    if (hadFocus && GetVisible()) {
      SetFocus();
      if (!Focused()) WinFocus::SetFocus(GetHandle());
    }
  } catch (...) {
    FHidingControl = hiding;
    throw;
  }
  FHidingControl = hiding;
  FHiddenWithoutRedraw = !Invalidate;
  if (Invalidate) {
    Integer col, row;
    CellFromXY(FActiveControl->GetLeft(), FActiveControl->GetTop(), col, row);
    if (col > 0 && row > 0) InvalidateCell(col, row);
  }
}

void TtsBaseGrid::HideGridControl(bool Invalidate) {
  if (GetInDesignMode() || !HandleAllocated() || GetFastAssign()) return;
  FControlHidden = true;
  FControlShown = false;
  DoHideControl(Invalidate);
}

bool TtsBaseGrid::CheckHideControl(bool Force) {
  bool shown = FControlShown;
  if (!GetFastAssign() && (Force || FControlShown)) HideGridControl(Force);
  return shown;
}

void TtsBaseGrid::RedisplayControl(bool Force) {
  CheckHideControl(Force);
  ShowGridControl();
}

// ---- The editor ----------------------------------------------------------------------------------------------------
void TtsBaseGrid::CheckEnableControl(bool Enable, bool Redisplay, TtsTextSelectMode SelectMode) {
  if (FControlEnabled == Enable) return;
  FControlEnabled = Enable;
  if (EditorActive()) {
    SetControlSelectMode(SelectMode);
    if (SelectMode == tsAll)
      FCurrentCell->SelectAll();
    else if (SelectMode == tsNone)
      FCurrentCell->SetSelLength(0);
  }
  if (Redisplay) RedisplayControl(true);
}

bool TtsBaseGrid::InternalShowEditor(TtsTextSelectMode SelectMode, bool UpdateNow) {
  if (InEditState() && !FControlEnabled && GridControlActive()) {
    bool cancel = false;
    DoShowEditor(FCurDataCol, Variant(FCurDataRow), cancel);
    if (!cancel) {
      ClearCurrentFocusRect(false);
      CheckEnableControl(true, true, SelectMode);
      if (UpdateNow) Update();
    }
  }
  return FControlEnabled;
}

void TtsBaseGrid::ShowEditor() { InternalShowEditor(tsAll, true); }

bool TtsBaseGrid::StartShowEditor(bool UpdateNow) {
  if (!GridControlActive() || !InEditState()) return false;
  if (!StartEdit() || !StartCellChange(FCurDataCol, true)) return false;
  return FControlEnabled || InternalShowEditor(tsAll, UpdateNow);
}

bool TtsBaseGrid::HideEditor() {
  if (!FControlEnabled || FAlwaysShowEditor) return false;
  if (!CheckEndEdit(FCurDataCol, FCurDataRow, true)) return false;
  CheckEnableControl(FAlwaysShowEditor, true, FControlSelectMode);
  DrawCurrentFocusRect(false);
  Update();
  return !FControlEnabled;
}

// ---- Settings passed on to the control -----------------------------------------------------------------------------
void TtsBaseGrid::SetMaxTextLength(Integer DisplayCol, Integer Length) {
  if (DisplayCol == FCurDisplayCol && InEditMode() && FActiveControl) FActiveControl->SetMaxLength(Length);
}

TtsScrollMode TtsBaseGrid::EditScrollMode() {
  bool readOnlyCol = FCurDataCol >= 0 && FCurDataCol <= GetGridColCount() && FCols->GetItem(FCurDataCol)->GetReadOnly();
  return readOnlyCol && !FocusRectActive() ? smRowSelect : smGridControl;
}

void TtsBaseGrid::SetCanProcessKey(bool Allow) {
  if (!Allow)
    ++FKeyProcessCount;
  else if (FKeyProcessCount > 0)
    --FKeyProcessCount;
}

// ---- The style text of HTML and XML fragments ------------------------------------------------------------------------
String TtsBaseGrid::HTMLFont() {
  TFont* font = GetFont();
  // The name sits in a quoted CSS string inside a quoted attribute: escaped for both.
  String name = TSCommon::CheckEscapeChars(TSCommon::CheckEscapeChars(font->GetName(), '\\', '\\'), '\'', '\\');
  String text = " style=\"";
  text += "font-family: '" + TSCommon::CheckForWhiteSpace(name) + "'; ";
  text += "font-size: " + IntToStr(font->GetSize()) + "; ";
  text += "background: #" + ColorToHex(TranslateColor(FHeadingColor)) + "; ";
  text += "color: #" + ColorToHex(TranslateColor(font->GetColor())) + "; ";
  text += String("font-weight: ") + (font->GetStyle().Contains(fsBold) ? "BOLD" : "NORMAL") + "; ";
  text += "height: " + IntToStr(GetHeadingHeight()) + "px;";
  return text + "\"";
}

}  // namespace TSGrid
