// Per-cell settings through the cell property set and its cache, text measurement, the cell
// clipboard, spinning the current cell's value, and resetting column, row and cell properties.
#include "TSGridImpl.h"
#include "Strings.h"
#include "TSGrid.h"
#include "TSMask.h"
#include "Tsglib.h"
#include "Variants.h"
#include "WinGdi.h"

namespace TSGrid {

// ---- The element cache ------------------------------------------------------------------------------
TtsCustomPropElement* TtsBaseGrid::GetCellElement(Integer DataCol, const Variant& DataRow, bool CheckIndexes) {
  // A checked read validates first, so that a cached answer never lets an invalid cell through.
  if (CheckIndexes && (!CheckIndex(itCol, DataCol, GetGridColCount(), 1) ||
                       !CheckIndex(itRow, DataRow.ToInteger(), GetRowCount() - 1, 1)))
    return nullptr;
  if (FLastCellValid && FLastCellCol == DataCol && VarSameValue(FLastCellRow, DataRow)) return FLastCellElement;
  if (FCellPropSet->GetCount() == 0) return nullptr;
  Integer row = DataRow.ToInteger();
  auto hasEntry = [](TtsIntegerSetList* Index, Integer Entry) {
    return Entry >= 0 && Entry < Index->GetCount() && Index->GetItem(Entry) != nullptr;
  };
  if (CheckIndexes && !hasEntry(FColCellIndex, DataCol) && !hasEntry(FRowCellIndex, row)) return nullptr;
  TtsCustomPropElement* element = FCellPropSet->GetCell(DataCol, row);
  FLastCellValid = true;
  FLastCellCol = DataCol;
  FLastCellRow = DataRow;
  FLastCellElement = element;
  return element;
}

// ---- The cell property family -----------------------------------------------------------------------
template <class T, class Get>
T TtsBaseGrid::CellProperty(Integer DataCol, Integer DataRow, const T& Default, Get Read) {
  TtsCustomPropElement* element = GetCellElement(DataCol, Variant(DataRow), false);
  return element ? Read(element) : Default;
}

bool TtsBaseGrid::SetCellProperty(Integer DataCol, Integer DataRow, TtsProperty Kind, Integer Index,
                                  const Variant& Value) {
  if (!CheckIndex(itCol, DataCol, GetGridColCount(), 1) || !CheckIndex(itRow, DataRow, GetRowCount() - 1, 1))
    return false;
  TtsCustomPropElement* element = GetCellElement(DataCol, Variant(DataRow), false);
  const TVarRec key[2] = {DataCol, DataRow};
  return FCellPropSet->SetProperty(key, 1, element, Value, Kind, Index, true);
}

namespace {
Variant Ordinal(Integer Value) { return static_cast<Byte>(Value); }
}  // namespace

TColor TtsBaseGrid::GetCellColor(Integer DataCol, Integer DataRow) {
  return CellProperty(DataCol, DataRow, Graphics::clNone, [](TtsCustomPropElement* E) { return E->Color; });
}
void TtsBaseGrid::SetCellColor(Integer DataCol, Integer DataRow, TColor Value) {
  SetCellProperty(DataCol, DataRow, prColor, 0, Integer{Value});
}
TtsControlType TtsBaseGrid::GetCellControlType(Integer DataCol, Integer DataRow) {
  return CellProperty(DataCol, DataRow, ctDefault, [](TtsCustomPropElement* E) { return E->ControlType; });
}
void TtsBaseGrid::SetCellControlType(Integer DataCol, Integer DataRow, TtsControlType Value) {
  if (Value == GetCellControlType(DataCol, DataRow)) return;
  if (SetCellProperty(DataCol, DataRow, prControlType, 0, Ordinal(Value))) CheckGridData(DataCol, DataRow);
}
TtsSpinOptions TtsBaseGrid::GetCellSpinOptions(Integer DataCol, Integer DataRow) {
  return CellProperty(DataCol, DataRow, AllSpinOptions, [](TtsCustomPropElement* E) { return E->SpinOptions; });
}
void TtsBaseGrid::SetCellSpinOptions(Integer DataCol, Integer DataRow, TtsSpinOptions Value) {
  SetCellProperty(DataCol, DataRow, prSpinOptions, 0, Ordinal(static_cast<Integer>(Value.ToBits())));
}
double TtsBaseGrid::GetCellSpinIncrement(Integer DataCol, Integer DataRow) {
  return CellProperty(DataCol, DataRow, 1.0, [](TtsCustomPropElement* E) { return E->SpinIncrement; });
}
void TtsBaseGrid::SetCellSpinIncrement(Integer DataCol, Integer DataRow, double Value) {
  SetCellProperty(DataCol, DataRow, prSpinIncrement, 0, Value);
}
Integer TtsBaseGrid::GetCellTag(Integer DataCol, Integer DataRow) {
  return CellProperty(DataCol, DataRow, 0, [](TtsCustomPropElement* E) { return E->Tag; });
}
void TtsBaseGrid::SetCellTag(Integer DataCol, Integer DataRow, Integer Value) {
  SetCellProperty(DataCol, DataRow, prTag, 0, Value);
}
void* TtsBaseGrid::GetCellData(Integer DataCol, Integer DataRow) {
  return CellProperty<void*>(DataCol, DataRow, nullptr, [](TtsCustomPropElement* E) { return E->Data; });
}
void TtsBaseGrid::SetCellData(Integer DataCol, Integer DataRow, void* Value) {
  SetCellProperty(DataCol, DataRow, prData, 0, VarFromPointer(Value));
}
bool TtsBaseGrid::GetCellParentFont(Integer DataCol, Integer DataRow) {
  return CellProperty(DataCol, DataRow, true, [](TtsCustomPropElement* E) { return E->ParentFont; });
}
TAlignment TtsBaseGrid::GetCellAlignment(Integer DataCol, Integer DataRow) {
  return CellProperty(DataCol, DataRow, taLeftJustify, [](TtsCustomPropElement* E) { return E->Alignment; });
}
void TtsBaseGrid::SetCellAlignment(Integer DataCol, Integer DataRow, TAlignment Value) {
  SetCellProperty(DataCol, DataRow, prAlignment, 0, Ordinal(Value));
}
bool TtsBaseGrid::GetCellAlign(Integer DataCol, Integer DataRow) {
  return CellProperty(DataCol, DataRow, false, [](TtsCustomPropElement* E) { return E->Align; });
}
void TtsBaseGrid::SetCellAlign(Integer DataCol, Integer DataRow, bool Value) {
  SetCellProperty(DataCol, DataRow, prAlign, 0, Value);
}
TSCommon::TtsHorzAlignment TtsBaseGrid::GetCellHorzAlignment(Integer DataCol, Integer DataRow) {
  return CellProperty(DataCol, DataRow, TSCommon::htaDefault, [](TtsCustomPropElement* E) { return E->HorzAlignment; });
}
void TtsBaseGrid::SetCellHorzAlignment(Integer DataCol, Integer DataRow, TSCommon::TtsHorzAlignment Value) {
  SetCellProperty(DataCol, DataRow, prHorzAlignment, 0, Ordinal(Value));
}
TSCommon::TtsVertAlignment TtsBaseGrid::GetCellVertAlignment(Integer DataCol, Integer DataRow) {
  return CellProperty(DataCol, DataRow, TSCommon::vtaDefault, [](TtsCustomPropElement* E) { return E->VertAlignment; });
}
void TtsBaseGrid::SetCellVertAlignment(Integer DataCol, Integer DataRow, TSCommon::TtsVertAlignment Value) {
  SetCellProperty(DataCol, DataRow, prVertAlignment, 0, Ordinal(Value));
}
bool TtsBaseGrid::GetCellIs3D(Integer DataCol, Integer DataRow) {
  return CellProperty(DataCol, DataRow, false, [](TtsCustomPropElement* E) { return E->Is3D; });
}
void TtsBaseGrid::SetCellIs3D(Integer DataCol, Integer DataRow, bool Value) {
  SetCellProperty(DataCol, DataRow, prIs3D, 0, Value);
}
TtsReadOnly TtsBaseGrid::IsCellReadOnly(Integer DataCol, Integer DataRow) {
  TtsCellElement* element = FCellPropSet->GetCount() ? FCellPropSet->GetCell(DataCol, DataRow) : nullptr;
  return element ? element->CellReadOnly : roDefault;
}
TtsReadOnly TtsBaseGrid::GetCellReadOnly(Integer DataCol, Integer DataRow) {
  return CellProperty(DataCol, DataRow, roDefault, [](TtsCustomPropElement* E) { return E->CellReadOnly; });
}
void TtsBaseGrid::SetCellReadOnly(Integer DataCol, Integer DataRow, TtsReadOnly Value) {
  SetCellProperty(DataCol, DataRow, prCellReadOnly, 0, Ordinal(Value));
}
TtsWordWrap TtsBaseGrid::GetCellWordWrap(Integer DataCol, Integer DataRow) {
  return CellProperty(DataCol, DataRow, wwDefault, [](TtsCustomPropElement* E) { return E->WordWrap; });
}
void TtsBaseGrid::SetCellWordWrap(Integer DataCol, Integer DataRow, TtsWordWrap Value) {
  SetCellProperty(DataCol, DataRow, prWordWrap, 0, Ordinal(Value));
}
TtsButtonType TtsBaseGrid::GetCellButtonType(Integer DataCol, Integer DataRow) {
  return CellProperty(DataCol, DataRow, btDefault, [](TtsCustomPropElement* E) { return E->ButtonType; });
}
void TtsBaseGrid::SetCellButtonType(Integer DataCol, Integer DataRow, TtsButtonType Value) {
  if (FIsComboGrid) return;
  SetCellProperty(DataCol, DataRow, prButtonType, 0, Ordinal(Value));
  if (Value == btCombo) CheckComboCreated();
}
TtsDropDownStyle TtsBaseGrid::GetCellDropDownStyle(Integer DataCol, Integer DataRow) {
  return CellProperty(DataCol, DataRow, ddDropDown, [](TtsCustomPropElement* E) { return E->GetDropDownStyle(); });
}
void TtsBaseGrid::SetCellDropDownStyle(Integer DataCol, Integer DataRow, TtsDropDownStyle Value) {
  SetCellProperty(DataCol, DataRow, prDropDownStyle, 0, Ordinal(Value));
}
String TtsBaseGrid::GetCellMaskName(Integer DataCol, Integer DataRow) {
  return CellProperty(DataCol, DataRow, String(), [](TtsCustomPropElement* E) { return E->MaskName; });
}
void TtsBaseGrid::SetCellMaskName(Integer DataCol, Integer DataRow, const String& Value) {
  SetCellProperty(DataCol, DataRow, prMask, 0, Value);
}
TtsCombo* TtsBaseGrid::GetCellCombo(Integer DataCol, Integer DataRow) {
  return CellProperty<TtsCombo*>(DataCol, DataRow, nullptr, [](TtsCustomPropElement* E) { return E->GetCombo(); });
}
void TtsBaseGrid::SetCellCombo(Integer DataCol, Integer DataRow, TtsCombo* Value) {
  if (FIsComboGrid) return;
  SetCellProperty(DataCol, DataRow, prCombo, 0, ObjectToVariant(Value));
  if (GetInDesignMode() && Value && Value->GetDropDownStyle() == ddDropDownList) FCurrentCell->SelectAll();
}
bool TtsBaseGrid::GetCellParentCombo(Integer DataCol, Integer DataRow) {
  return CellProperty(DataCol, DataRow, true, [](TtsCustomPropElement* E) { return E->ParentCombo; });
}
void TtsBaseGrid::SetCellParentCombo(Integer DataCol, Integer DataRow, bool Value) {
  SetCellProperty(DataCol, DataRow, prParentCombo, 0, Value);
}
TtsDrawOption TtsBaseGrid::GetCellStretchPicture(Integer DataCol, Integer DataRow) {
  return CellProperty(DataCol, DataRow, dopDefault, [](TtsCustomPropElement* E) { return E->StretchPicture; });
}
void TtsBaseGrid::SetCellStretchPicture(Integer DataCol, Integer DataRow, TtsDrawOption Value) {
  SetCellProperty(DataCol, DataRow, prPicture, 1, Ordinal(Value));
}
TtsDrawOption TtsBaseGrid::GetCellShrinkPicture(Integer DataCol, Integer DataRow) {
  return CellProperty(DataCol, DataRow, dopDefault, [](TtsCustomPropElement* E) { return E->ShrinkPicture; });
}
void TtsBaseGrid::SetCellShrinkPicture(Integer DataCol, Integer DataRow, TtsDrawOption Value) {
  SetCellProperty(DataCol, DataRow, prPicture, 2, Ordinal(Value));
}
TtsDrawOption TtsBaseGrid::GetCellCenterPicture(Integer DataCol, Integer DataRow) {
  return CellProperty(DataCol, DataRow, dopDefault, [](TtsCustomPropElement* E) { return E->CenterPicture; });
}
void TtsBaseGrid::SetCellCenterPicture(Integer DataCol, Integer DataRow, TtsDrawOption Value) {
  SetCellProperty(DataCol, DataRow, prPicture, 3, Ordinal(Value));
}
TtsDrawOption TtsBaseGrid::GetCellKeepAspectRatio(Integer DataCol, Integer DataRow) {
  return CellProperty(DataCol, DataRow, dopDefault, [](TtsCustomPropElement* E) { return E->KeepAspectRatio; });
}
void TtsBaseGrid::SetCellKeepAspectRatio(Integer DataCol, Integer DataRow, TtsDrawOption Value) {
  SetCellProperty(DataCol, DataRow, prPicture, 4, Ordinal(Value));
}
TtsDateTimeDefComponent* TtsBaseGrid::GetCellDateTimeDef(Integer DataCol, Integer DataRow) {
  return CellProperty<TtsDateTimeDefComponent*>(DataCol, DataRow, nullptr,
                                                [](TtsCustomPropElement* E) { return E->GetDateTimeDef(); });
}
void TtsBaseGrid::SetCellDateTimeDef(Integer DataCol, Integer DataRow, TtsDateTimeDefComponent* Value) {
  SetCellProperty(DataCol, DataRow, prDateTime, 0, ObjectToVariant(Value));
}

void TtsBaseGrid::SetCellFont(Integer DataCol, Integer DataRow, TFont* Value) {
  SetCellProperty(DataCol, DataRow, prFont, 0, ObjectToVariant(Value));
}

TFont* TtsBaseGrid::GetCellFont(Integer DataCol, Integer DataRow) {
  TtsCustomPropElement* element = GetCellElement(DataCol, Variant(DataRow), false);
  TFont* font = nullptr;
  bool parentFont = true;
  if (element) {
    font = element->GetFont();
    parentFont = element->ParentFont;
    if (!font && element->AutoCreateFont) {
      element->UpdateFont(GetFont());
      font = element->GetFont();
    } else if (font && parentFont && !element->AutoCreateFont && !Reading()) {
      element->UpdateFont(nullptr);
      font = nullptr;
    }
  }
  if (parentFont && Writing()) return nullptr;
  if (font) return font;
  if (!Reading()) return nullptr;
  SetCellFont(DataCol, DataRow, GetFont());
  element = GetCellElement(DataCol, Variant(DataRow), false);
  return element ? element->GetFont() : nullptr;
}

void TtsBaseGrid::SetCellParentFont(Integer DataCol, Integer DataRow, bool Value) {
  if (Value == GetCellParentFont(DataCol, DataRow)) return;
  TtsCustomPropElement* element = GetCellElement(DataCol, Variant(DataRow), false);
  if (!element && !Value) {
    // A cell without settings takes its own copy of the font in force for it.
    SetCellFont(DataCol, DataRow, GiveCellFont(DataCol, DataRow));
    return;
  }
  if (!SetCellProperty(DataCol, DataRow, prParentFont, 0, Value)) return;
  element = GetCellElement(DataCol, Variant(DataRow), false);
  if (!element) return;
  if (!Value)
    element->UpdateFont(GiveCellFont(DataCol, DataRow));
  else if (!element->AutoCreateFont)
    element->UpdateFont(nullptr);
  else if (element->GetFont())
    element->UpdateFont(GetFont());
  const TVarRec key[2] = {DataCol, DataRow};
  if (element->Empty()) FCellPropSet->SetProperty(key, 1, element, Value, prParentFont, 0, false);
}

TCheckBoxState TtsBaseGrid::GetCellCheckBoxState(Integer DataCol, Integer DataRow) {
  Variant value;
  GetCheckBoxValue(GetCellValue(DataCol, DataRow), value);
  return VariantToCheckBox(value, GiveCellCheckBoxValues(DataCol, DataRow));
}

void TtsBaseGrid::SetCellCheckBoxState(Integer DataCol, Integer DataRow, TCheckBoxState Value) {
  SetCellValue(DataCol, DataRow, CheckBoxToVariant(Value, GiveCellCheckBoxValues(DataCol, DataRow)));
}

// ---- Assigning and resetting single settings ---------------------------------------------------------
void TtsBaseGrid::AssignCellCombo(Integer DataCol, Integer DataRow) {
  if (!CheckIndex(itCol, DataCol, GetGridColCount(), 1) || !CheckIndex(itRow, DataRow, GetRowCount() - 1, 1)) return;
  TtsCustomPropElement* element = GetCellElement(DataCol, Variant(DataRow), false);
  if (!element) element = CreateCellElement(DataCol, Variant(DataRow));
  element->AssignCombo();
  if (DataCol == FCurDataCol && DataRow == FCurDataRow) ResetComboInit(false);
}

void TtsBaseGrid::AssignCellFont(Integer DataCol, Integer DataRow) {
  if (!CheckIndex(itCol, DataCol, GetGridColCount(), 1) || !CheckIndex(itRow, DataRow, GetRowCount() - 1, 1)) return;
  TtsCustomPropElement* element = GetCellElement(DataCol, Variant(DataRow), false);
  if (!element || !element->GetFont()) SetCellFont(DataCol, DataRow, GetFont());
}

void TtsBaseGrid::ResetCellCombo(Integer DataCol, Integer DataRow) { SetCellCombo(DataCol, DataRow, nullptr); }
void TtsBaseGrid::ResetCellFont(Integer DataCol, Integer DataRow) { SetCellFont(DataCol, DataRow, nullptr); }
void TtsBaseGrid::ResetCellTag(Integer DataCol, Integer DataRow) { SetCellTag(DataCol, DataRow, 0); }
void TtsBaseGrid::ResetCellData(Integer DataCol, Integer DataRow) { SetCellData(DataCol, DataRow, nullptr); }

bool TtsBaseGrid::DrawCell3D(Integer DataCol, Integer DataRow) {
  if (!CheckIndex(itCol, DataCol, GetGridColCount(), 1) || !CheckIndex(itRow, DataRow, GetRowCount() - 1, 1))
    return false;
  return GiveCell3D(DataCol, DataRow);
}

void TtsBaseGrid::CheckStrValue(TtsControlType ControlType, const Variant& Value, Variant& Result) {
  if (VarType(Value) == varOleStr ||
      (ControlType == ctText && !VarIsEmpty(Value) && !VarIsNull(Value) && !VarIsStr(Value)))
    Result = VarToStr(Value);
  else
    Result = Value;
}

void TtsBaseGrid::CheckSetMask(Integer DataCol, const Variant& DataRow) {
  if (ComponentState().Contains(csDestroying)) return;
  Integer row = DataRow.ToInteger();
  if (DataCol < 0 || DataCol >= GetColCount() || row < 0 || row >= GetRowCount()) return;
  if (DataCol == FCurDataCol && row == FCurDataRow) SetControlMask();
}

// ---- Resets -----------------------------------------------------------------------------------------
void TtsBaseGrid::ResetProperties(const TtsProperties& Props) {
  ResetColProperties(Props);
  ResetRowProperties(Props);
  ResetCellProperties(Props);
}

void TtsBaseGrid::ResetColProperties(const TtsProperties& Props) {
  if (Props.Empty()) return;
  SetEnablePaint(false);
  try {
    if (Props.Contains(prSelected)) SelectCols(1, GetGridColCount(), false);
    TtsProperties props = Props;
    bool allWidths = Props.Contains(prWidth) && FResizeCols == rcAll;
    if (allWidths) props.Exclude(prWidth);
    for (Integer c = 1; c <= GetGridColCount(); ++c) FCols->GetItem(c)->Reset(props);
    if (allWidths) {
      bool shown = CheckHideControl(false);
      ChangeAllColWidths(GetDefaultColWidth(), true);
      if (shown) ShowGridControl();
    }
  } catch (...) {
    SetEnablePaint(true);
    throw;
  }
  SetEnablePaint(true);
}

void TtsBaseGrid::ResetRowProperties(const TtsProperties& Props) {
  if (Props.Empty()) return;
  SetEnablePaint(false);
  try {
    if (Props.Contains(prSelected)) SelectRows(1, GetGridRowCount(), false);
    TtsProperties props = Props;
    bool allHeights = Props.Contains(prHeight) && FResizeRows == rrAll;
    if (allHeights) props.Exclude(prHeight);
    for (Integer r = 1; r <= GetGridRowCount(); ++r) {
      if (TtsRow* row = FRows->GetItem(r)) {
        row->Reset(props);
        FRows->CheckRemoveDataRow(r);
        continue;
      }
      if (props.Contains(prDisplayNumber)) SetDisplayRownr(r, r);
      if (props.Contains(prChanged)) SetRowChanged(r, false);
    }
    if (allHeights) ChangeAllRowHeights(GetDefaultRowHeight(), true);
  } catch (...) {
    SetEnablePaint(true);
    throw;
  }
  SetEnablePaint(true);
}

void TtsBaseGrid::ResetCellProperties(const TtsProperties& Props) {
  SetEnablePaint(false);
  try {
    if (Props.Contains(prSelected) && FGridStatus == grCellSelect) {
      DeleteRangeSelection();
      SelectionsChanged(false);
      ShowGridControl();
    }
    FCellPropSet->ResetProperties(Props, true);
  } catch (...) {
    SetEnablePaint(true);
    throw;
  }
  SetEnablePaint(true);
}

// ---- Text measurement -------------------------------------------------------------------------------
TCanvas* TtsBaseGrid::MeasureCanvas() {
  // Without a window the grid measures on its work bitmap.
  return HandleAllocated() ? GetCanvas() : GetDrawBitmap()->GetCanvas();
}

void TtsBaseGrid::ComputeTextSize(Integer, Integer Width, const String& Text, TFont* Font, TAlignment Alignment,
                                  TtsWordWrap WordWrap, TtsButtonType, Integer& Lines, Integer& Height) {
  TCanvas* canvas = MeasureCanvas();
  TOwnedPtr<TFont> saved(New<TFont>());
  saved->Assign(canvas->GetFont());
  try {
    if (Font) canvas->SetFont(Font);
    canvas->TextExtent(String());
    Tsglib::GetTextHeight(canvas->GetHandle(), Text.c_str(), Width, Alignment, WordWrap != wwOff, Lines, Height);
    Height += 1;
  } catch (...) {
    canvas->SetFont(saved.get());
    throw;
  }
  canvas->SetFont(saved.get());
}

void TtsBaseGrid::GetTextSize(Integer DataCol, const Variant& DataRow, Integer& Lines, Integer& Height) {
  Lines = Height = 0;
  Integer row = DataRow.ToInteger();
  if (!CheckIndex(itCol, DataCol, GetGridColCount(), 1) || !CheckIndex(itRow, row, GetGridRowCount(), 1)) return;
  if (GiveCellControlType(DataCol, row) != ctText) return;
  String text = VarToStr(GetCellValue(DataCol, row));
  TtsDropDownStyle style;
  TtsButtonType button = GiveCellButton(DataCol, row, style);
  ComputeTextSize(DataCol, TextAreaWidth(DataCol, button), text, GiveCellFont(DataCol, row), GiveCellAlignment(DataCol, row),
                  GiveCellWordWrap(DataCol, row), button, Lines, Height);
}

void TtsBaseGrid::GetHeadingTextSize(Integer DataCol, Integer& Lines, Integer& Height) {
  Lines = Height = 0;
  if (DataCol < 0 || DataCol >= GetColCount()) return;
  TtsCol* col = FCols->GetItem(DataCol);
  TSCommon::TtsHorzAlignment align = GiveHeadingHorzAlignment(DataCol);
  ComputeTextSize(DataCol, col->GetWidth() - 3, col->GetHeading(), FHeadingFont,
                  HorzAlignmentToAlignment(align), GiveHeadingWordWrap(DataCol), btNone, Lines, Height);
}

Integer TtsBaseGrid::GetCellTextHeight(Integer DataCol, Integer DataRow) {
  Integer lines, height;
  GetTextSize(DataCol, Variant(DataRow), lines, height);
  return height;
}

Integer TtsBaseGrid::GetCellTextLines(Integer DataCol, Integer DataRow) {
  Integer lines, height;
  GetTextSize(DataCol, Variant(DataRow), lines, height);
  return lines;
}

Integer TtsBaseGrid::GetHeadingTextHeight(Integer DataCol) {
  Integer lines, height;
  GetHeadingTextSize(DataCol, lines, height);
  return height;
}

Integer TtsBaseGrid::GetHeadingTextLines(Integer DataCol) {
  Integer lines, height;
  GetHeadingTextSize(DataCol, lines, height);
  return lines;
}

Integer TtsBaseGrid::CalcTextHeight() {
  if (!HandleAllocated()) return 0;
  GetCanvas()->SetFont(GetFont());
  return GetCanvas()->TextHeight("X");
}

Integer TtsBaseGrid::TextAreaWidth(Integer DataCol, TtsButtonType Button) {
  Integer width = FCols->GetItem(DataCol)->GetWidth() - FVertLineWidth - 3;
  if (Button != btNone)
    if (TtsCustomButton* object = GridCellButton(DataCol, Button)) width -= object->FullWidth();
  return width;
}

Integer TtsBaseGrid::GetCellTextWidth(Integer DataCol, Integer DataRow) {
  return CellTextWidth(VarToStr(GetCellValue(DataCol, DataRow)), GetCellWordWrap(DataCol, DataRow));
}

Integer TtsBaseGrid::CellTextWidth(const String& Text, TtsWordWrap CellWordWrap) {
  bool wrap = CellWordWrap == wwOn || (CellWordWrap == wwDefault && FWordWrap == wwOn);
  TCanvas* canvas = MeasureCanvas();
  canvas->TextExtent(String());
  TEXTMETRICA tm{};
  GetTextMetricsA(canvas->GetHandle(), &tm);
  Integer width = 0;
  Tsglib::GetPrintCharWidth(canvas, tm, Text.c_str(), static_cast<Integer>(Text.size()), wrap, false, width);
  return width;
}

// ---- The cell clipboard -----------------------------------------------------------------------------
bool TtsBaseGrid::CopyCellToClipboard() { return FCurrentCell->CopyToClipboard(); }

bool TtsBaseGrid::CutCellToClipboard() {
  if (CurCellControlType() != ctText || !InEditState() || !FActiveControl->GetKeyEdit() || !StartShowEditor(false))
    return false;
  return FCurrentCell->InternalCutToClipboard(false);
}

bool TtsBaseGrid::PasteCellFromClipboard() {
  if (CurCellControlType() != ctText || !InEditState() || !FActiveControl->GetKeyEdit() || !StartShowEditor(false))
    return false;
  return FCurrentCell->InternalPasteFromClipboard(false);
}

// ---- Spinning the current cell's value --------------------------------------------------------------
void TtsBaseGrid::CheckSpinIncrement(Integer DataCol, Integer DataRow, TtsSpinButton Button) {
  TtsControlType controlType = GiveCellControlType(DataCol, DataRow);
  if (!GiveCellSpinOptions(DataCol, DataRow).Contains(spoAutoIncrement) ||
      (controlType != ctText && controlType != ctPicture))
    return;
  if (!FControlEnabled) {
    if (!InternalShowEditor(tsCurrent, false)) return;
    FActiveControl->SetSelLength(0);
    if (!FCellEdit) ClearControlBuffer();
  }
  Integer length = 0, position = 0;
  Variant value;
  if (controlType == ctText) {
    value = IncrementTextValue(DataCol, DataRow, Button, length, position);
  } else {
    value = IncrementPictureValue(DataCol, DataRow, Button);
    position = 1;
    length = static_cast<Integer>(VarToStr(value).size());
  }
  Variant current = FCurrentCell->GetValue();
  if (VarIsEmpty(value) || VarSameValue(value, current)) return;
  bool accept = true;
  SpinIncrement(DataCol, DataRow, Button, value, position, length, accept);
  if (!accept || VarSameValue(value, current) || !StartShowEditor(true)) return;
  Variant converted;
  CheckStrValue(controlType, value, converted);
  AssignControlValue(controlType, converted, true, true);
  if (controlType == ctText) FActiveControl->SetSelStart(position - 1 + length);
}

Variant TtsBaseGrid::IncrementTextValue(Integer DataCol, Integer DataRow, TtsSpinButton Button, Integer& Length,
                                        Integer& Position) {
  double step = GiveCellSpinIncrement(DataCol, DataRow);
  if (Button == spbDecrement) step = -step;
  String text = VarToStr(FCurrentCell->GetValue());
  if (text.empty()) text = "0";
  String result = IncStrAtPos(text, step, FCurrentCell->GetSelStart() + 1, Position, Length);
  Variant value = result;
  if (result != text) CheckIncrementValue(DataCol, DataRow, Length, Position, value);
  return value;
}

void TtsBaseGrid::CheckIncrementValue(Integer DataCol, Integer DataRow, Integer& Length, Integer& Position,
                                      Variant& Value) {
  TtsMaskItem* mask = FMaskLink->GetMask(GiveCellMaskName(DataCol, DataRow));
  if (!mask || !mask->GetAutoFill().Contains(mcOnEdit)) return;
  String text = VarToStr(Value);
  String number = text.substr(static_cast<size_t>(Position - 1), static_cast<size_t>(Length));
  String prefix = text.substr(0, static_cast<size_t>(Position - 1));
  String rest = text.substr(static_cast<size_t>(Position - 1 + Length));
  String old = VarToStr(FCurrentCell->GetValue());
  Integer oldStart = 0, oldLength = 0;
  FindNumberAt(old.empty() ? String("0") : old, Position, oldStart, oldLength);
  String padded = PadNumber(old.substr(static_cast<size_t>(std::max(oldStart - 1, 0)), static_cast<size_t>(oldLength)),
                            number);
  auto valid = [mask](const String& Tested, bool Full) {
    String input;
    return mask->ValidInput(Tested, input, static_cast<Integer>(Tested.size()) + 1, Full, false);
  };
  String paddedText = prefix + padded + rest;
  String paddedHead = prefix + padded;
  bool whole = prefix.empty() && rest.empty();
  struct TCandidate {
    bool Padded;
    bool Full;
  };
  const TCandidate candidates[] = {{true, false}, {false, true}, {true, true}, {false, false}, {true, false}};
  for (size_t i = 0; i < std::size(candidates); ++i) {
    const TCandidate& c = candidates[i];
    if (i == 0 && whole) continue;
    if (c.Padded ? valid(paddedHead, c.Full) : valid(text, c.Full)) {
      if (c.Padded) {
        Value = paddedText;
        Length = static_cast<Integer>(padded.size());
      }
      return;
    }
  }
  Value.Clear();
}

Variant TtsBaseGrid::IncrementPictureValue(Integer, Integer, TtsSpinButton Button) {
  TtsImageListComponent* images = GetImageList();
  if (!images) return Variant();
  Variant current = FCurrentCell->GetValue();
  Variant name = VarIsEmpty(current) ? Variant(String()) : current;
  Variant next = Button == spbDecrement ? images->PrevIndex(name) : images->NextIndex(name);
  if (VarIsEmpty(next) || VarIsNull(next)) return Variant();
  TtsImageItem* image = images->GetImage(next);
  if (!image) return Variant();
  return image->GetSetName().empty() ? image->GetName() : image->GetSetName() + "." + image->GetName();
}

void TtsBaseGrid::SpinIncrement(Integer DataCol, Integer DataRow, TtsSpinButton Button, Variant& Value,
                                Integer& Pos, Integer& Len, bool& Accept) {
  DoSpinIncrement(DataCol, Variant(DataRow), Button, Value, Pos, Len, Accept);
}

}  // namespace TSGrid
