// Data-bound columns: a grid column bound to one field wrapper. A column takes its width,
// visibility, alignment, control type, maximum length and allow-grayed from its field until the
// user sets them; the set ones are kept as AssignedValues and streamed with the column. The column
// store of the data-bound grid makes these columns and knows whether the grid lays them out itself
// (fsDefault) or keeps the user's (fsCustomized). A field-layout snapshot lets the grid data tell
// when the dataset's fields changed.
#pragma once

#include "TSDBGridFieldTypes.h"
#include "TSGridColumns.h"
#include "TSGridStores.h"

namespace DB {
class TField;
class TDataSource;
}  // namespace DB

namespace TSDBGrid {

using DB::TField;

class TtsDBCol : public TSGrid::TtsCol {
  DECLARE_CLASS(TtsDBCol, TSGrid::TtsCol)
 public:
  // ---- Overrides, in the slot order of the column
  void Assign(TPersistent* Source) override;
  void SetControlType(TSGrid::TtsControlType Value) override;
  void SetMaxLength(Integer Value) override;
  void SetFieldName(const String& Value) override;
  bool DefaultProps() override;
  void AssignProperties(TSGrid::TtsCol* Source) override;
  String GetHeading() override;
  TAlignment GetAlignment() override;
  Integer GetMaxTextWidth() override;
  TSCommon::TtsHorzAlignment GetHorzAlignment() override;
  bool GetReadOnly() override;
  void SetWidth(Integer Value) override;
  void SetAlignment(TAlignment Value) override;
  void SetHorzAlignment(TSCommon::TtsHorzAlignment Value) override;
  void SetVisible(bool Value) override;
  void SetAllowGrayed(bool Value) override;
  bool UseCheckBoxValues() override;
  void Reset(const TSGrid::TtsProperties& Props) override;

  // ---- Binding
  TtsDBField* GetDBField() const { return FDBField; }
  // Binds the column to the field's wrapper (or unbinds it); answers whether the binding changed.
  // Defaults are not applied here (InitField does).
  bool SetField(TField* Field);
  void SetDatasetField(TField* Field);
  void ResetField(bool ClearName);
  TField* GetDatasetField() const;
  bool Lookup() const;
  TtsCustomDBGrid* GetDBGrid() const;
  DB::TDataSource* GetComboDatasource();
  void SetComboDatasource(DB::TDataSource* Value);

  // ---- Values taken from the field
  TtsAssignedValues GetAssignedValues() const { return FAssignedValues; }
  void SetAssignedValues(TtsAssignedValues Value) { FAssignedValues = Value; }
  void InitField();
  void SetDefaultWidth();
  void SetDefaultVisible();
  void SetDefaultControlType();
  void SetDefaultMaxLength();
  void SetDefaultAllowGrayed();
  void ResetAlignment();
  void ResetWidth();
  void ResetVisible();
  void ResetMaxLength();
  void ResetControlType();
  void ResetAllowGrayed();
  // The width the bound field asks for on the grid's font (the grid's default width when unbound).
  Integer DefaultWidth();

 protected:
  explicit TtsDBCol(TSGrid::TtsBaseGrid* AGrid = nullptr) : TSGrid::TtsCol(AGrid) {}
  void Construct() override;
  void Destroy() override;
  void DefineProperties(Filer::TFiler* Filer) override;

 private:
  void ReadAssignedValues(Filer::TReader* Reader);
  void WriteAssignedValues(Filer::TWriter* Writer);
  // Repaints the column, and the in-place control when it is the current column.
  void RedrawBound();

  TtsDBField* FDBField = nullptr;
  TtsAssignedValues FAssignedValues;
};

class TtsDBGridCols : public TSGrid::TtsGridCols {
  DECLARE_CLASS(TtsDBGridCols, TSGrid::TtsGridCols)
 public:
  TSGrid::TtsCol* CreateCol() override;
  TtsDBCol* GetDBCol(const Variant& Key);
  TtsDBCol* FindField(TField* Field);
  TtsFieldState GetFieldState() const { return FFieldState; }
  void SetFieldState(TtsFieldState Value);

 protected:
  using TSGrid::TtsGridCols::TtsGridCols;

 private:
  TtsFieldState FFieldState = fsDefault;
};

// The layout of one dataset field as last seen, to tell when the dataset's fields changed.
class TtsFieldLayout : public TObject {
  DECLARE_CLASS(TtsFieldLayout, TObject)
 public:
  void AssignFieldLayout(TField* Field);
  bool FieldLayoutEqual(TField* Field) const;
  const String& GetFieldName() const { return FFieldName; }

 private:
  String FFieldName;
  String FDisplayLabel;
  Integer FDisplayWidth = 0;
  bool FReadOnly = false;
  bool FVisible = false;
  String FDisplayValues;
};

}  // namespace TSDBGrid
