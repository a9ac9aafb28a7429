// The data-bound grid's field layout: finding wrappers, the column layout state and the passes that
// bind, rebuild and remove the columns when the dataset's fields change.
#include "DB.h"
#include "TSDBGridBase.h"
#include "TSDBGridColumns.h"
#include "TSDBGridDataLink.h"
#include "TSDBGridFields.h"

namespace TSDBGrid {

TtsDBField* TtsCustomDBGrid::GetField(const Variant& Key) {
  TtsFieldList* list = GetFieldList();
  if (VarIsStr(Key)) return list->FindField(VarToStr(Key));
  if (!VarIsNumeric(Key)) return nullptr;
  Integer number = Key.ToInteger();
  return number >= 1 && number <= list->GetCount() ? list->GetField(number - 1) : nullptr;
}

TtsDBGridCols* TtsCustomDBGrid::GetGridDBCols() { return static_cast<TtsDBGridCols*>(GetCols()); }

TtsFieldState TtsCustomDBGrid::GetFieldState() { return GetGridDBCols()->GetFieldState(); }

void TtsCustomDBGrid::SetFieldState(TtsFieldState Value) { GetGridDBCols()->SetFieldState(Value); }

namespace {
// Painting is off and re-entry refused for the whole pass, also when it raises.
struct TLayoutPass {
  TtsCustomDBGrid* Grid;
  bool& Running;
  TLayoutPass(TtsCustomDBGrid* AGrid, bool& ARunning) : Grid(AGrid), Running(ARunning) {
    Running = true;
    Grid->SetEnableRedraw(false);
  }
  ~TLayoutPass() {
    Running = false;
    Grid->SetEnableRedraw(true);
  }
};
}  // namespace

void TtsCustomDBGrid::FieldLayoutChanged(bool Bind, bool OrderChanged, bool FieldsChanged) {
  if (!GetDataBound() || FInFieldLayoutChanged) return;
  TLayoutPass pass(this, FInFieldLayoutChanged);
  TtsGridDataLink* link = GetDataLink();
  TtsDBGridCols* cols = GetGridDBCols();
  link->ClearMapping();
  if (link->Active()) DefineFieldMap();
  if (OrderChanged || FieldsChanged) {
    ResetFields(false);
    GetFieldList()->CreateFields();
  }
  DB::TDataSet* dataSet = link->DataSet();
  bool bind = Bind && link->Active();
  if (GetFieldState() == fsDefault) {
    if (!OrderChanged && bind) {
      // Columns that still find their field by name keep their place and the user's values.
      Integer count = GetGridColCount();
      Integer col = 1;
      for (Integer n = 0; n < count; ++n) {
        TtsDBCol* column = cols->GetDBCol(col);
        TField* field = dataSet->FindField(column->GetFieldName());
        if (!field) {
          DoDeleteCols(col, col);
          continue;
        }
        column->ResetField(true);
        column->SetField(field);
        ++col;
      }
    } else {
      SetGridColCount(0);
    }
    if (bind) {
      // The field map holds here one entry per dataset field, in field order.
      Integer n = dataSet->FieldCount();
      bool created = GetGridColCount() == 0;
      if (created) SetGridColCount(n);
      for (Integer k = 0; k < n; ++k) {
        TField* field = dataSet->Fields()->GetField(k);
        Integer dataCol = k + 1;
        if (!created) {
          if (TtsDBCol* shown = cols->FindField(field)) {
            shown->SetDefaultWidth();
            shown->SetDefaultVisible();
            continue;
          }
          if (!AddColumn(k + 1)) continue;
          dataCol = GetDataColnr(k + 1);
        }
        TtsDBCol* column = cols->GetDBCol(dataCol);
        column->SetField(field);
        column->InitField();
        DoInsertCol(dataCol, false);
      }
    }
  } else if (Bind && dataSet && (link->Active() || !dataSet->DefaultFields())) {
    for (Integer col = 1; col <= GetGridColCount(); ++col) {
      TtsDBCol* column = cols->GetDBCol(col);
      column->ResetField(true);
      if (!column->GetFieldName().empty()) column->SetField(dataSet->FindField(column->GetFieldName()));
      column->InitField();
    }
  } else {
    ResetFields(true);
  }
  if ((GetGridColCount() == 0 || !bind) && GetFieldState() == fsDefault) SetGridColCount(DefaultColCount());
  Invalidate();
}

void TtsCustomDBGrid::DefineFieldMap() {
  TtsGridDataLink* link = GetDataLink();
  if (GetFieldState() == fsCustomized) {
    link->SetLenientMapping(true);
    for (Integer col = 1; col <= GetGridColCount(); ++col)
      link->AddMapping(GetGridDBCols()->GetDBCol(col)->GetFieldName(), nullptr);
    return;
  }
  link->SetLenientMapping(false);
  DB::TDataSet* dataSet = link->DataSet();
  for (Integer i = 0; i < dataSet->FieldCount(); ++i) {
    TField* field = dataSet->Fields()->GetField(i);
    link->AddMapping(field->GetFieldName(), field);
  }
}

void TtsCustomDBGrid::ResetFields(bool ClearNames) {
  for (Integer col = 1; col <= GetGridColCount(); ++col) GetGridDBCols()->GetDBCol(col)->ResetField(ClearNames);
}

void TtsCustomDBGrid::RemoveFieldLayout() {
  HideGridControl(false);
  if (GetFieldState() == fsDefault) {
    SetGridColCount(DefaultColCount());
    for (Integer col = 1; col <= GetGridColCount(); ++col) {
      // The grid's default width is no value of the user's: what the column had assigned stays.
      TtsDBCol* column = GetGridDBCols()->GetDBCol(col);
      TtsAssignedValues assigned = column->GetAssignedValues();
      column->TtsCol::SetWidth(GetDefaultColWidth());
      column->SetAssignedValues(assigned);
    }
  }
  SetGridRowCount(DefaultRowCount());
  ResetFields(true);
  SetCurrentPositionAndDraw(1, 1, false, false);
  ShowGridControl();
  Invalidate();
}

}  // namespace TSDBGrid
