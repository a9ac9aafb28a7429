// Data-bound columns: binding to a field wrapper, the values taken from the field until the user
// sets them, their streaming, the column store and the field-layout snapshot.
#include "TSDBGridColumns.h"

#include "DB.h"
#include "Filer.h"
#include "Graphics.h"
#include "TSDBGridBase.h"
#include "TSDBGridDataLink.h"
#include "TSDBGridFields.h"
#include "TSGridCombo.h"
#include "TSGridComboGrid.h"
#include "WinGdi.h"
#include "WinPaint.h"

namespace TSDBGrid {

using TSGrid::TtsCol;
using TSGrid::TtsProperties;

IMPLEMENT_CLASS(TtsDBCol)
IMPLEMENT_CLASS(TtsDBGridCols)
IMPLEMENT_CLASS(TtsFieldLayout)

namespace {
DB::TDataSet* LinkedDataSet(TtsCustomDBGrid* Grid) { return Grid->GetDataLink()->DataSet(); }
}  // namespace

// ---- Life and binding -------------------------------------------------------------------------------

void TtsDBCol::Construct() {
  inherited::Construct();
  FAssignedValues = TtsAssignedValues();
  TtsCol::SetFieldName(String());
}

void TtsDBCol::Destroy() {
  if (FDBField && FDBField->GetCol() == this) FDBField->SetCol(nullptr);
  FDBField = nullptr;
  inherited::Destroy();
}

TtsCustomDBGrid* TtsDBCol::GetDBGrid() const { return static_cast<TtsCustomDBGrid*>(GetGrid()); }

TField* TtsDBCol::GetDatasetField() const { return FDBField ? FDBField->GetFieldObject() : nullptr; }

bool TtsDBCol::Lookup() const { return FDBField && FDBField->GetLookup(); }

void TtsDBCol::RedrawBound() { RedrawCol(); }

void TtsDBCol::SetFieldName(const String& Value) {
  if (Value == GetFieldName()) return;
  TtsCustomDBGrid* grid = GetDBGrid();
  DB::TDataSet* dataSet = LinkedDataSet(grid);
  bool bind = dataSet && !grid->ComponentState().Contains(csLoading) && !Value.empty();
  TField* field = bind ? dataSet->FindField(Value) : nullptr;
  TtsCol::SetFieldName(Value);
  if (!bind) return;
  SetField(field);
  RedrawBound();
}

bool TtsDBCol::SetField(TField* Field) {
  if (GetDatasetField() == Field) return false;
  ResetField(true);
  TtsFieldList* list = GetDBGrid()->GetFieldList();
  Integer index = Field && list ? list->FieldIndex(Field) : -1;
  if (index >= 0) {
    FDBField = list->GetField(index);
    FDBField->SetCol(this);
    TtsCol::SetFieldName(FDBField->GetFieldName());
  }
  return true;
}

void TtsDBCol::SetDatasetField(TField* Field) {
  if (SetField(Field)) RedrawBound();
}

void TtsDBCol::ResetField(bool ClearName) {
  if (FDBField && FDBField->GetCol() == this) FDBField->SetCol(nullptr);
  FDBField = nullptr;
  if (ClearName && GetDBGrid()->GetFieldState() == fsDefault) TtsCol::SetFieldName(String());
}

// ---- Values taken from the field --------------------------------------------------------------------

void TtsDBCol::InitField() {
  if (!FDBField) return;
  SetDefaultWidth();
  SetDefaultVisible();
  SetDefaultControlType();
  SetDefaultMaxLength();
  SetDefaultAllowGrayed();
}

namespace {
struct TTextMeasure {
  Integer ZeroWidth = 0;
  Integer Overhang = 0;
  Integer HeadingWidth = 0;
};

// Measures on the grid's window, or on the screen while the grid has no window yet.
TTextMeasure MeasureColumnFont(TtsCustomDBGrid* Grid, TFont* Font, const String& Heading) {
  HWND wnd = Grid->HandleAllocated() ? Grid->GetHandle() : nullptr;
  HDC dc = GetDC(wnd);
  HGDIOBJ oldFont = SelectObject(dc, Font->GetHandle());
  TTextMeasure result;
  SIZE size{};
  GetTextExtentPoint32A(dc, "0", 1, &size);
  result.ZeroWidth = size.cx;
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  result.Overhang = tm.tmOverhang;
  if (!Heading.empty()) {
    GetTextExtentPoint32A(dc, Heading.data(), static_cast<int>(Heading.size()), &size);
    result.HeadingWidth = size.cx;
  }
  SelectObject(dc, oldFont);
  ReleaseDC(wnd, dc);
  return result;
}
}  // namespace

Integer TtsDBCol::DefaultWidth() {
  TtsCustomDBGrid* grid = GetDBGrid();
  if (!FDBField) return grid->GetDefaultColWidth();
  TFont* font = GetParentFont() ? grid->GetFont() : GetFont();
  bool heading = grid->GetHeadingOn();
  TTextMeasure m = MeasureColumnFont(grid, font, heading ? GetHeading() : String());
  Integer width = (m.ZeroWidth - m.Overhang) * FDBField->GetDisplayWidth() + m.Overhang + 6;
  if (heading) width = std::max(width, m.HeadingWidth + 6);
  return width;
}

// The defaults go through the column's own setters, which mark nothing, or through the marking
// ones with the mark taken back: a default never counts as the user's value.
void TtsDBCol::SetDefaultWidth() {
  if (FAssignedValues.Contains(avWidth)) return;
  TtsCol::SetWidth(DefaultWidth());
  // The grid counts every width change of a bound column as the user's; this one is not.
  FAssignedValues.Exclude(avWidth);
}

void TtsDBCol::SetDefaultVisible() {
  if (FDBField && !FAssignedValues.Contains(avVisible)) TtsCol::SetVisible(FDBField->GetVisible());
}

void TtsDBCol::SetDefaultControlType() {
  if (FDBField && !FAssignedValues.Contains(avControlType)) {
    SetControlType(FDBField->GetControlType());
    FAssignedValues.Exclude(avControlType);
  }
}

void TtsDBCol::SetDefaultMaxLength() {
  if (FDBField && !FAssignedValues.Contains(avMaxLength)) {
    SetMaxLength(FDBField->GetMaxLength());
    FAssignedValues.Exclude(avMaxLength);
  }
}

void TtsDBCol::SetDefaultAllowGrayed() {
  if (FAssignedValues.Contains(avAllowGrayed)) return;
  if (auto* field = dynamic_cast<DB::TBooleanField*>(GetDatasetField())) {
    SetAllowGrayed(!field->GetRequired());
    FAssignedValues.Exclude(avAllowGrayed);
  }
}

void TtsDBCol::ResetAlignment() {
  if (!FAssignedValues.Contains(avAlignment)) return;
  FAssignedValues.Exclude(avAlignment);
  RedrawBound();
}

void TtsDBCol::ResetWidth() {
  if (!FAssignedValues.Contains(avWidth)) return;
  FAssignedValues.Exclude(avWidth);
  SetDefaultWidth();
}

void TtsDBCol::ResetVisible() {
  if (!FAssignedValues.Contains(avVisible)) return;
  FAssignedValues.Exclude(avVisible);
  if (FDBField) TtsCol::SetVisible(FDBField->GetVisible());
}

void TtsDBCol::ResetMaxLength() {
  if (!FAssignedValues.Contains(avMaxLength)) return;
  FAssignedValues.Exclude(avMaxLength);
  if (FDBField) TtsCol::SetMaxLength(FDBField->GetMaxLength());
}

void TtsDBCol::ResetControlType() {
  if (!FAssignedValues.Contains(avControlType)) return;
  FAssignedValues.Exclude(avControlType);
  SetDefaultControlType();
}

void TtsDBCol::ResetAllowGrayed() {
  if (!FAssignedValues.Contains(avAllowGrayed)) return;
  FAssignedValues.Exclude(avAllowGrayed);
  SetDefaultAllowGrayed();
}

void TtsDBCol::Reset(const TtsProperties& Props) {
  inherited::Reset(Props);
  if (Props.Contains(TSGrid::prWidth)) ResetWidth();
  if (Props.Contains(TSGrid::prVisible)) ResetVisible();
  if (Props.Contains(TSGrid::prAlignment)) ResetAlignment();
  if (Props.Contains(TSGrid::prMaxLength)) ResetMaxLength();
  if (Props.Contains(TSGrid::prAllowGrayed)) ResetAllowGrayed();
}

// ---- Setters that mark their value as the user's ---------------------------------------------------------

void TtsDBCol::SetWidth(Integer Value) {
  FAssignedValues.Include(avWidth);
  inherited::SetWidth(Value);
}

void TtsDBCol::SetVisible(bool Value) {
  FAssignedValues.Include(avVisible);
  inherited::SetVisible(Value);
}

void TtsDBCol::SetMaxLength(Integer Value) {
  FAssignedValues.Include(avMaxLength);
  inherited::SetMaxLength(Value);
}

void TtsDBCol::SetControlType(TSGrid::TtsControlType Value) {
  FAssignedValues.Include(avControlType);
  inherited::SetControlType(Value);
}

void TtsDBCol::SetAllowGrayed(bool Value) {
  FAssignedValues.Include(avAllowGrayed);
  inherited::SetAllowGrayed(Value);
}

void TtsDBCol::SetAlignment(TAlignment Value) {
  TAlignment old = GetAlignment();
  FAssignedValues.Include(avAlignment);
  inherited::SetAlignment(Value);
  if (GetAlignment() != old) RedrawBound();
}

void TtsDBCol::SetHorzAlignment(TSCommon::TtsHorzAlignment Value) {
  TSCommon::TtsHorzAlignment old = GetHorzAlignment();
  FAssignedValues.Include(avAlignment);
  inherited::SetHorzAlignment(Value);
  if (GetHorzAlignment() != old) RedrawBound();
}

// ---- Getters that fall back to the field ------------------------------------------------------------

TAlignment TtsDBCol::GetAlignment() {
  if (!FDBField || FAssignedValues.Contains(avAlignment)) return inherited::GetAlignment();
  return FDBField->GetAlignment();
}

TSCommon::TtsHorzAlignment TtsDBCol::GetHorzAlignment() {
  if (!FDBField || FAssignedValues.Contains(avAlignment)) return inherited::GetHorzAlignment();
  return TSCommon::AlignmentToHorzAlignment(FDBField->GetAlignment(), true);
}

bool TtsDBCol::GetReadOnly() { return inherited::GetReadOnly() || (FDBField && FDBField->GetReadOnly()); }

String TtsDBCol::GetHeading() {
  if (!GetOwnHeading().empty()) return GetOwnHeading();
  if (FDBField) {
    String label = FDBField->GetDisplayLabel();
    if (!label.empty()) return label;
    String name = FDBField->GetFieldName();
    if (!name.empty()) return name;
  }
  return GetFieldName();
}

bool TtsDBCol::UseCheckBoxValues() {
  return inherited::UseCheckBoxValues() && !(FDBField && (FDBField->IsIntegerField() || FDBField->IsBooleanField()));
}

bool TtsDBCol::DefaultProps() { return inherited::DefaultProps() && FAssignedValues.Empty(); }

void TtsDBCol::AssignProperties(TtsCol* Source) {
  inherited::AssignProperties(Source);
  if (auto* source = dynamic_cast<TtsDBCol*>(Source)) {
    SetField(source->GetDatasetField());
    FAssignedValues = source->FAssignedValues;
  }
}

void TtsDBCol::Assign(TPersistent* Source) {
  if (Source == this) return;
  inherited::Assign(Source);
}

Integer TtsDBCol::GetMaxTextWidth() {
  TtsCustomDBGrid* grid = GetDBGrid();
  return grid->GetDataBound() ? grid->GetDBColMaxTextWidth(GetDataCol()) : inherited::GetMaxTextWidth();
}

DB::TDataSource* TtsDBCol::GetComboDatasource() { return nullptr; }

void TtsDBCol::SetComboDatasource(DB::TDataSource* Value) {}

// ---- Streaming ------------------------------------------------------------------------------------------

void TtsDBCol::DefineProperties(Filer::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty("AssignedValues", Filer::TReaderProc(this, &TtsDBCol::ReadAssignedValues),
                        Filer::TWriterProc(this, &TtsDBCol::WriteAssignedValues), true);
}

void TtsDBCol::ReadAssignedValues(Filer::TReader* Reader) {
  String text = Reader->ReadString();
  FAssignedValues = text.empty() ? TtsAssignedValues()
                                 : TtsAssignedValues::FromBits(static_cast<Byte>(text[0]));
  InitField();
}

void TtsDBCol::WriteAssignedValues(Filer::TWriter* Writer) {
  Writer->WriteString(String(1, static_cast<char>(FAssignedValues.ToBits())));
}

// ---- TtsDBGridCols ------------------------------------------------------------------------------------------

TtsCol* TtsDBGridCols::CreateCol() { return New<TtsDBCol>(GetGrid()); }

TtsDBCol* TtsDBGridCols::GetDBCol(const Variant& Key) { return static_cast<TtsDBCol*>(GetCol(Key)); }

TtsDBCol* TtsDBGridCols::FindField(TField* Field) {
  for (Integer col = 1; col < GetCount(); ++col) {
    auto* column = static_cast<TtsDBCol*>(GetItem(col));
    if (column && column->GetDatasetField() == Field) return column;
  }
  return nullptr;
}

void TtsDBGridCols::SetFieldState(TtsFieldState Value) {
  if (Value == FFieldState) return;
  FFieldState = Value;
  if (Value != fsDefault) return;
  auto* grid = static_cast<TtsCustomDBGrid*>(GetGrid());
  grid->FieldLayoutChanged(true, false, false);
  grid->DoFieldLayoutChange();
}

// ---- TtsFieldLayout --------------------------------------------------------------------------------------------

namespace {
String BooleanDisplayValues(TField* Field) {
  auto* boolean = dynamic_cast<DB::TBooleanField*>(Field);
  return boolean ? boolean->GetDisplayValues() : String();
}
}  // namespace

void TtsFieldLayout::AssignFieldLayout(TField* Field) {
  FFieldName = Field->GetFieldName();
  FDisplayLabel = Field->GetDisplayLabel();
  FDisplayWidth = Field->GetDisplayWidth();
  FReadOnly = Field->GetReadOnly();
  FVisible = Field->GetVisible();
  FDisplayValues = BooleanDisplayValues(Field);
}

bool TtsFieldLayout::FieldLayoutEqual(TField* Field) const {
  return FFieldName == Field->GetFieldName() && FDisplayLabel == Field->GetDisplayLabel() &&
         FDisplayWidth == Field->GetDisplayWidth() && FReadOnly == Field->GetReadOnly() &&
         FVisible == Field->GetVisible() && FDisplayValues == BooleanDisplayValues(Field);
}

}  // namespace TSDBGrid
