// The cell facade and the current cell.
#include "TSGridImpl.h"
#include "Clipbrd.h"
#include "Filer.h"
#include "Streams.h"
#include "TSGridBase.h"
#include "TSGridCellSettings.h"
#include "TSGridCells.h"
#include "TSGridColumns.h"
#include "TSGridCombo.h"
#include "TSGridControls.h"
#include "TSGridElements.h"
#include "TSGridStores.h"
#include "TSImageList.h"
#include "Tsglib.h"
#include "TypInfo.h"
#include "Variants.h"
#include "WinClipboard.h"

namespace TSGrid {

IMPLEMENT_CLASS_PUBLISHED(TtsCell) { PublishCellSettings<TtsCell>(d, roDefault); }

IMPLEMENT_CLASS(TtsCurrentCell)

// ---- TtsCell ----------------------------------------------------------------------------------------
Integer TtsCell::DataRow() const { return FDataRow.ToInteger(); }
bool TtsCell::StoreSpinIncrement() const { return const_cast<TtsCell*>(this)->GetSpinIncrement() != 1.0; }

TColor TtsCell::GetColor() { return FGrid->GetCellColor(FDataCol, DataRow()); }
void TtsCell::SetColor(TColor Value) { FGrid->SetCellColor(FDataCol, DataRow(), Value); }
TtsControlType TtsCell::GetControlType() { return FGrid->GetCellControlType(FDataCol, DataRow()); }
void TtsCell::SetControlType(TtsControlType Value) { FGrid->SetCellControlType(FDataCol, DataRow(), Value); }
TtsSpinOptions TtsCell::GetSpinOptions() { return FGrid->GetCellSpinOptions(FDataCol, DataRow()); }
void TtsCell::SetSpinOptions(TtsSpinOptions Value) { FGrid->SetCellSpinOptions(FDataCol, DataRow(), Value); }
double TtsCell::GetSpinIncrement() { return FGrid->GetCellSpinIncrement(FDataCol, DataRow()); }
void TtsCell::SetSpinIncrement(double Value) { FGrid->SetCellSpinIncrement(FDataCol, DataRow(), Value); }
TFont* TtsCell::GetFont() { return FGrid->GetCellFont(FDataCol, DataRow()); }
void TtsCell::SetFont(TFont* Value) { FGrid->SetCellFont(FDataCol, DataRow(), Value); }
bool TtsCell::GetParentFont() { return FGrid->GetCellParentFont(FDataCol, DataRow()); }
void TtsCell::SetParentFont(bool Value) { FGrid->SetCellParentFont(FDataCol, DataRow(), Value); }
TAlignment TtsCell::GetAlignment() { return FGrid->GetCellAlignment(FDataCol, DataRow()); }
void TtsCell::SetAlignment(TAlignment Value) { FGrid->SetCellAlignment(FDataCol, DataRow(), Value); }
bool TtsCell::GetAlign() { return FGrid->GetCellAlign(FDataCol, DataRow()); }
void TtsCell::SetAlign(bool Value) { FGrid->SetCellAlign(FDataCol, DataRow(), Value); }
TSCommon::TtsHorzAlignment TtsCell::GetHorzAlignment() { return FGrid->GetCellHorzAlignment(FDataCol, DataRow()); }
void TtsCell::SetHorzAlignment(TSCommon::TtsHorzAlignment Value) {
  FGrid->SetCellHorzAlignment(FDataCol, DataRow(), Value);
}
TSCommon::TtsVertAlignment TtsCell::GetVertAlignment() { return FGrid->GetCellVertAlignment(FDataCol, DataRow()); }
void TtsCell::SetVertAlignment(TSCommon::TtsVertAlignment Value) {
  FGrid->SetCellVertAlignment(FDataCol, DataRow(), Value);
}
bool TtsCell::GetIs3D() { return FGrid->GetCellIs3D(FDataCol, DataRow()); }
void TtsCell::SetIs3D(bool Value) { FGrid->SetCellIs3D(FDataCol, DataRow(), Value); }
TtsWordWrap TtsCell::GetWordWrap() { return FGrid->GetCellWordWrap(FDataCol, DataRow()); }
void TtsCell::SetWordWrap(TtsWordWrap Value) { FGrid->SetCellWordWrap(FDataCol, DataRow(), Value); }
TtsButtonType TtsCell::GetButtonType() { return FGrid->GetCellButtonType(FDataCol, DataRow()); }
void TtsCell::SetButtonType(TtsButtonType Value) { FGrid->SetCellButtonType(FDataCol, DataRow(), Value); }
TtsDropDownStyle TtsCell::GetDropDownStyle() { return FGrid->GetCellDropDownStyle(FDataCol, DataRow()); }
void TtsCell::SetDropDownStyle(TtsDropDownStyle Value) { FGrid->SetCellDropDownStyle(FDataCol, DataRow(), Value); }
TtsReadOnly TtsCell::GetReadOnly() { return FGrid->GetCellReadOnly(FDataCol, DataRow()); }
void TtsCell::SetReadOnly(TtsReadOnly Value) { FGrid->SetCellReadOnly(FDataCol, DataRow(), Value); }
String TtsCell::GetMaskName() { return FGrid->GetCellMaskName(FDataCol, DataRow()); }
void TtsCell::SetMaskName(const String& Value) { FGrid->SetCellMaskName(FDataCol, DataRow(), Value); }
TtsCombo* TtsCell::GetCombo() { return FGrid->GetCellCombo(FDataCol, DataRow()); }
void TtsCell::SetCombo(TtsCombo* Value) { FGrid->SetCellCombo(FDataCol, DataRow(), Value); }
void TtsCell::AssignCombo() { FGrid->AssignCellCombo(FDataCol, DataRow()); }
bool TtsCell::GetParentCombo() { return FGrid->GetCellParentCombo(FDataCol, DataRow()); }
void TtsCell::SetParentCombo(bool Value) { FGrid->SetCellParentCombo(FDataCol, DataRow(), Value); }
TtsDrawOption TtsCell::GetStretchPicture() { return FGrid->GetCellStretchPicture(FDataCol, DataRow()); }
void TtsCell::SetStretchPicture(TtsDrawOption Value) { FGrid->SetCellStretchPicture(FDataCol, DataRow(), Value); }
TtsDrawOption TtsCell::GetShrinkPicture() { return FGrid->GetCellShrinkPicture(FDataCol, DataRow()); }
void TtsCell::SetShrinkPicture(TtsDrawOption Value) { FGrid->SetCellShrinkPicture(FDataCol, DataRow(), Value); }
TtsDrawOption TtsCell::GetCenterPicture() { return FGrid->GetCellCenterPicture(FDataCol, DataRow()); }
void TtsCell::SetCenterPicture(TtsDrawOption Value) { FGrid->SetCellCenterPicture(FDataCol, DataRow(), Value); }
TtsDrawOption TtsCell::GetKeepAspectRatio() { return FGrid->GetCellKeepAspectRatio(FDataCol, DataRow()); }
void TtsCell::SetKeepAspectRatio(TtsDrawOption Value) { FGrid->SetCellKeepAspectRatio(FDataCol, DataRow(), Value); }
TtsDateTimeDefComponent* TtsCell::GetDateTimeDef() { return FGrid->GetCellDateTimeDef(FDataCol, DataRow()); }
void TtsCell::SetDateTimeDef(TtsDateTimeDefComponent* Value) {
  FGrid->SetCellDateTimeDef(FDataCol, DataRow(), Value);
}

bool TtsCell::GetAutoCreateFont() {
  TtsCellPropSet* set = FGrid->GetCellPropSet();
  if (set->GetCount() == 0) return false;
  TtsCellElement* element = set->GetCell(FDataCol, DataRow());
  return element && element->AutoCreateFont;
}

void TtsCell::SetAutoCreateFont(bool Value) {
  Integer row = DataRow();
  TtsCellPropSet* set = FGrid->GetCellPropSet();
  TtsCustomPropElement* element = set->GetCell(FDataCol, row);
  const TVarRec key[2] = {FDataCol, row};
  set->SetAutoCreateFont(key, 1, Value, element);
}

void TtsCell::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TtsCell*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  AssignCellSettings(this, source);
}

void TtsCell::DefineProperties(Filer::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  DefineComboProperty(
      Filer, [this] { return GetCombo(); }, [this] { AssignCombo(); }, GetCombo() && GetButtonType() == btCombo);
}

// ---- TtsCurrentCell ---------------------------------------------------------------------------------
void TtsCurrentCell::Destroy() {
  ClearBuffer();
  inherited::Destroy();
}

bool TtsCurrentCell::InGridState() { return FGrid->InGridState(); }

Integer TtsCurrentCell::GetDataCol() { return InGridState() ? FGrid->GetDataCol(FGrid->GetCurDisplayCol()) : -1; }
Integer TtsCurrentCell::GetDataRow() { return InGridState() ? FGrid->GetDataRow(FGrid->GetCurDisplayRow()) : -1; }

TtsControlType TtsCurrentCell::GetControlType() { return InGridState() ? FGrid->CurCellControlType() : ctNone; }

void TtsCurrentCell::SetBuffer(const Variant& Value, bool OwnsPicture) {
  if (!InGridState()) return;
  // The bitmap the buffer owns may come back as the new value: it is not freed then.
  if (FOwnsPicture && VarToPointer(FBuffer) == VarToPointer(Value)) FOwnsPicture = false;
  ClearBuffer();
  FBufferDataCol = FGrid->GetCurDataCol();
  FBufferDataRow = FGrid->GetCurDataRow();
  StretchPicture = ShrinkPicture = CenterPicture = true;
  KeepAspectRatio = false;
  TransparentColor = Graphics::clNone;
  FBuffer = Value;
  FOwnsPicture = OwnsPicture;
}

void TtsCurrentCell::ClearBuffer() {
  FBufferDataCol = FBufferDataRow = -1;
  if (FOwnsPicture) {
    FOwnsPicture = false;
    if (TBitmap* bitmap = VariantToBitmap(FBuffer)) bitmap->Free();
  }
  FBuffer.Clear();
}

bool TtsCurrentCell::IsClear() const { return VarIsEmpty(FBuffer); }

bool TtsCurrentCell::ValueSet(Integer DataCol, Integer DataRow) const {
  return !IsClear() && FBufferDataCol == DataCol && FBufferDataRow == DataRow;
}

void TtsCurrentCell::SetBufferCell(Integer DataCol, Integer DataRow) {
  FBufferDataCol = DataCol;
  FBufferDataRow = DataRow;
}

void TtsCurrentCell::FetchCellValue() {
  Integer col = FGrid->GetCurDataCol();
  Integer row = FGrid->GetCurDataRow();
  if (ValueSet(col, row) || col < 1 || col > FGrid->GetGridColCount() || row < 1 || row > FGrid->GetGridRowCount())
    return;
  FGrid->SetEnableStartEdit(false);
  try {
    Variant value = FGrid->GetCellValue(col, row);
    FGrid->SetControlValue(value, false, false);
  } catch (...) {
    FGrid->SetEnableStartEdit(true);
    throw;
  }
  FGrid->SetEnableStartEdit(true);
}

Variant TtsCurrentCell::GetValue() {
  if (!InGridState()) return Variant();
  FetchCellValue();
  return FBuffer;
}

bool TtsCurrentCell::SetEditValue(const Variant& Value, bool ShowEditor, bool Redraw) {
  if (!FGrid->InEditState()) return false;
  TtsControlType controlType = GetControlType();
  if (!FGrid->VarTypeFits(controlType, Value)) return false;
  if (!FGrid->StartEdit() || !FGrid->StartCellChange(FGrid->GetCurDataCol(), true)) return false;
  if (ShowEditor) FGrid->InternalShowEditor(tsAll, false);
  ClearBuffer();
  FGrid->SetControlSelectMode(tsCurrent);
  Variant converted;
  TtsBaseGrid::CheckStrValue(controlType, Value, converted);
  FGrid->SetControlValue(converted, true, ShowEditor);
  if (Redraw) FGrid->InvalidateCell(FGrid->GetCurDisplayCol(), FGrid->GetCurDisplayRow());
  return true;
}

void TtsCurrentCell::Refresh() {
  if (!InGridState()) return;
  ClearBuffer();
  FGrid->SetControlSelectMode(tsAll);
  if (FGrid->GetCurDisplayRow() > 0) FGrid->InvalidateCell(FGrid->GetCurDisplayCol(), FGrid->GetCurDisplayRow());
}

// ---- Text selection ---------------------------------------------------------------------------------
Integer TtsCurrentCell::GetSelStart() {
  if (!InGridState()) return 0;
  FetchCellValue();
  return FSelStart;
}

Integer TtsCurrentCell::GetSelLength() {
  if (!InGridState()) return 0;
  FetchCellValue();
  return FSelLength;
}

String TtsCurrentCell::GetSelText() {
  if (!InGridState()) return String();
  FetchCellValue();
  return FGrid->GetActiveControl()->GetSelText();
}

void TtsCurrentCell::SetSelStart(Integer Value) {
  if (!InGridState()) return;
  FetchCellValue();
  FGrid->GetActiveControl()->SetSelStart(Value);
}

void TtsCurrentCell::SetSelLength(Integer Value) {
  if (!InGridState()) return;
  FetchCellValue();
  FGrid->GetActiveControl()->SetSelLength(Value);
}

void TtsCurrentCell::SetSelText(const String& Value) {
  if (!FGrid->HandleAllocated() || !FGrid->InEditState()) return;
  FetchCellValue();
  FGrid->GetActiveControl()->SetSelText(Value);
}

void TtsCurrentCell::SelectAll() {
  if (!FGrid->HandleAllocated() || !InGridState()) return;
  FetchCellValue();
  FGrid->GetActiveControl()->SelectAll();
}

bool TtsCurrentCell::AllSelected() {
  if (GetControlType() != ctText) return true;
  return GetSelStart() == 0 && GetSelLength() == static_cast<Integer>(VarToStr(FBuffer).size());
}

// ---- Tag, data and measurements ---------------------------------------------------------------------
Integer TtsCurrentCell::GetTag() {
  return InGridState() ? FGrid->GetCellTag(FGrid->GetCurDataCol(), FGrid->GetCurDataRow()) : 0;
}

void TtsCurrentCell::SetTag(Integer Value) {
  if (InGridState()) FGrid->SetCellTag(FGrid->GetCurDataCol(), FGrid->GetCurDataRow(), Value);
}

void* TtsCurrentCell::GetData() {
  return InGridState() ? FGrid->GetCellData(FGrid->GetCurDataCol(), FGrid->GetCurDataRow()) : nullptr;
}

void TtsCurrentCell::SetData(void* Value) {
  if (InGridState()) FGrid->SetCellData(FGrid->GetCurDataCol(), FGrid->GetCurDataRow(), Value);
}

Integer TtsCurrentCell::GetTextWidth() {
  if (!InGridState()) return 0;
  FetchCellValue();
  return FGrid->GetCellTextWidth(FGrid->GetCurDataCol(), FGrid->GetCurDataRow());
}

Integer TtsCurrentCell::GetTextHeight() {
  if (!InGridState()) return 0;
  FetchCellValue();
  return FGrid->GetCellTextHeight(FGrid->GetCurDataCol(), FGrid->GetCurDataRow());
}

Integer TtsCurrentCell::GetTextLines() {
  if (!InGridState()) return 0;
  FetchCellValue();
  return FGrid->GetCellTextLines(FGrid->GetCurDataCol(), FGrid->GetCurDataRow());
}

// ---- Pictures ---------------------------------------------------------------------------------------
bool TtsCurrentCell::Resolved(TtsDrawOption Option, bool Own) {
  return Option == dopOn ? true : Option == dopOff ? false : Own;
}

bool TtsCurrentCell::GetStretchPicture() {
  return Resolved(FGrid->GiveCellStretchPicture(FGrid->GetCurDataCol(), FGrid->GetCurDataRow()), StretchPicture);
}

bool TtsCurrentCell::GetShrinkPicture() {
  return Resolved(FGrid->GiveCellShrinkPicture(FGrid->GetCurDataCol(), FGrid->GetCurDataRow()), ShrinkPicture);
}

bool TtsCurrentCell::GetCenterPicture() {
  return Resolved(FGrid->GiveCellCenterPicture(FGrid->GetCurDataCol(), FGrid->GetCurDataRow()), CenterPicture);
}

bool TtsCurrentCell::GetKeepAspectRatio() {
  return Resolved(FGrid->GiveCellKeepAspectRatio(FGrid->GetCurDataCol(), FGrid->GetCurDataRow()), KeepAspectRatio);
}

TColor TtsCurrentCell::GetTransparentColor() {
  TColor result = TransparentColor;
  if (!InGridState()) return result;
  FetchCellValue();
  if (GetControlType() != ctPicture) return result;
  TtsImageItem* item = nullptr;
  TBitmap* bitmap = nullptr;
  if (VarIsStr(FBuffer)) {
    item = FGrid->ImageListPicture(FBuffer);
    if (item) bitmap = item->GetBitmap();
  } else {
    bitmap = VariantToBitmap(FBuffer);
  }
  if (bitmap) {
    TColor color = FGrid->PictureTransparentColor(bitmap, item);
    if (color != Graphics::clNone) result = color;
  }
  return result;
}

// ---- Clipboard --------------------------------------------------------------------------------------
bool TtsCurrentCell::CopyToClipboard() {
  if (!FGrid->HandleAllocated() || GetControlType() != ctText || !InGridState()) return false;
  FetchCellValue();
  FGrid->GetActiveControl()->CopyToClipboard();
  return true;
}

bool TtsCurrentCell::CutToClipboard() {
  if (!FGrid->HandleAllocated() || GetControlType() != ctText) return false;
  return FGrid->StartShowEditor(false) && InternalCutToClipboard(false);
}

bool TtsCurrentCell::InternalCutToClipboard(bool ByUser) {
  if (!FGrid->HandleAllocated() || GetControlType() != ctText || !FGrid->InEditState()) return false;
  FetchCellValue();
  FGrid->GetActiveControl()->CutToClipboard(ByUser);
  if (!FGrid->ControlShownAsEditor()) FGrid->InvalidateCell(FGrid->GetCurDisplayCol(), FGrid->GetCurDisplayRow());
  return true;
}

bool TtsCurrentCell::PasteFromClipboard() {
  if (!FGrid->HandleAllocated() || GetControlType() != ctText || !FGrid->InEditState()) return false;
  if (!Clipbrd::Clipboard()->HasFormat(CF_TEXT)) return false;
  String text = Clipbrd::Clipboard()->GetAsText();
  return NewlengthOk(text) && FGrid->StartShowEditor(false) && InternalPasteFromClipboard(false);
}

bool TtsCurrentCell::InternalPasteFromClipboard(bool ByUser) {
  if (!FGrid->HandleAllocated() || GetControlType() != ctText || !FGrid->InEditState()) return false;
  FetchCellValue();
  FGrid->GetActiveControl()->PasteFromClipboard(ByUser);
  if (!FGrid->ControlShownAsEditor()) FGrid->InvalidateCell(FGrid->GetCurDisplayCol(), FGrid->GetCurDisplayRow());
  return true;
}

bool TtsCurrentCell::NewlengthOk(const String& Text) {
  TtsCol* col = FGrid->GetCols()->GetItem(FGrid->GetCurDataCol());
  Integer maxLength = col->GetMaxLength();
  if (maxLength == 0) return true;
  String current = VarToStr(FBuffer);
  Integer chars = Tsglib::PByteToCharLen(current.c_str(), static_cast<Integer>(current.size()),
                                         static_cast<Integer>(current.size())) +
                  Tsglib::PByteToCharLen(Text.c_str(), static_cast<Integer>(Text.size()),
                                         static_cast<Integer>(Text.size())) -
                  FSelLength;
  return chars <= maxLength;
}

// ---- Moving -----------------------------------------------------------------------------------------
void TtsCurrentCell::MoveTo(Integer DataCol, Integer DataRow) {
  if (!FGrid->CheckIndex(itCol, DataCol, FGrid->GetGridColCount(), 1) ||
      !FGrid->CheckIndex(itRow, DataRow, FGrid->GetGridRowCount(), 1) || !InGridState())
    return;
  FGrid->SetCurrentCell(FGrid->GetDisplayCol(DataCol), FGrid->GetDisplayRow(DataRow));
  FGrid->SetControlSelectMode(tsCurrent);
  if (!FGrid->InSetFocus()) FGrid->Update();
}

void TtsCurrentCell::MoveToInsertRow(Integer DataCol) {
  if (FGrid->GetGridMode() != gmEditInsert || FGrid->GetGridStatus() != grNormal ||
      FGrid->IsInsertRow(FGrid->GetCurDisplayRow()) ||
      !FGrid->CheckIndex(itCol, DataCol, FGrid->GetGridColCount(), 1) || !FGrid->CheckEndEdit(0, -1, false))
    return;
  bool atEnd = FGrid->GetMaxTopRow() == FGrid->GetTopRow();
  FGrid->ClearCurrent(FGrid->GetCurDisplayRow());
  if (FGrid->CheckHideControl(true)) FGrid->Update();
  FGrid->DeleteSelections({}, true);
  FGrid->ClearCurrentFocusRect(true);
  FGrid->SetControlSelectMode(tsAll);
  Integer displayCol = FGrid->GetDisplayCol(DataCol);
  FGrid->SetCurrentPosition(displayCol, FGrid->GetGridRowCount() + 1, atEnd, true);
  Integer left = FGrid->MoveToDisplayCol(FGrid->GetLeftCol(), displayCol, vpRight);
  FGrid->MoveTopLeft(left, FGrid->GetMaxTopRow());
  FGrid->ShowGridControl();
  FGrid->DrawCurrent(FGrid->GetCurDisplayRow());
  FGrid->DrawCurrentFocusRect(false);
  FGrid->CheckRowColChanged();
  FGrid->SelectionsChanged(false);
  FGrid->GridStatusChanged();
  FGrid->Update();
}

void TtsCurrentCell::PutInView() {
  Integer col = FGrid->GetCurDisplayCol();
  Integer row = FGrid->GetCurDisplayRow();
  if (col < 1 || col > FGrid->GetColCount() - 1 || row < 1 || row > FGrid->GetRowCount() - 1 || !InGridState())
    return;
  FGrid->PutInView(col, row, vpNone, true, false, ctlBoth);
  FGrid->Update();
}

}  // namespace TSGrid
