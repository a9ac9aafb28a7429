// The streaming facades of a bound grid's per-record overrides: TtsDBRow presents one record's row
// overrides, TtsDBCell one record cell's, as the published properties that form streams write and
// read. Each accessor works in one of three modes, chosen on every call from the grid's flags:
//   reading (the grid reads per-record overrides from a stream): the facade keeps the values in an
//     element of its own, never entered in the grid's sets, and marks each property it was given;
//   applying (the streamed items are handed to the grid): getters read the own element, setters
//     forward to the grid only the properties the stream held;
//   normal: getters and setters are the grid's per-record accessors for the facade's key.
#pragma once

#include "TSGridCells.h"
#include "TSGridRows.h"

namespace TSDBGrid {

using namespace TSGrid;

class TtsCustomDBGrid;
class TtsDBRowElement;
class TtsDBCellElement;

class TtsDBRow : public TtsDesignRow {
  DECLARE_CLASS(TtsDBRow, TtsDesignRow)
 public:
  void Assign(TPersistent* Source) override;
  bool GetAlign() override;
  void SetAlign(bool Value) override;
  TAlignment GetAlignment() override;
  void SetAlignment(TAlignment Value) override;
  TSCommon::TtsHorzAlignment GetHorzAlignment() override;
  void SetHorzAlignment(TSCommon::TtsHorzAlignment Value) override;
  TSCommon::TtsVertAlignment GetVertAlignment() override;
  void SetVertAlignment(TSCommon::TtsVertAlignment Value) override;
  bool GetChanged() override;
  void SetChanged(bool Value) override;
  TColor GetColor() override;
  void SetColor(TColor Value) override;
  Integer GetDisplayRow() override;
  void SetDisplayRow(Integer Value) override;
  TFont* GetFont() override;
  void SetFont(TFont* Value) override;
  TtsCombo* GetCombo() override;
  void SetCombo(TtsCombo* Value) override;
  bool GetParentCombo() override;
  void SetParentCombo(bool Value) override;
  void AssignCombo() override;
  Integer GetHeight() override;
  void SetHeight(Integer Value) override;
  bool GetIs3D() override;
  void SetIs3D(bool Value) override;
  String GetMaskName() override;
  void SetMaskName(const String& Value) override;
  bool GetParentFont() override;
  void SetParentFont(bool Value) override;
  bool GetReadOnly() override;
  void SetReadOnly(bool Value) override;
  bool GetSelected() override;
  void SetSelected(bool Value) override;
  bool GetVisible() override;
  void SetVisible(bool Value) override;
  TtsWordWrap GetWordWrap() override;
  void SetWordWrap(TtsWordWrap Value) override;
  TtsButtonType GetButtonType() override;
  void SetButtonType(TtsButtonType Value) override;
  bool GetAutoCreateFont() override;
  void SetAutoCreateFont(bool Value) override;
  Integer GetId() override;
  TtsDrawOption GetStretchPicture() override;
  void SetStretchPicture(TtsDrawOption Value) override;
  TtsDrawOption GetShrinkPicture() override;
  void SetShrinkPicture(TtsDrawOption Value) override;
  TtsDrawOption GetCenterPicture() override;
  void SetCenterPicture(TtsDrawOption Value) override;
  TtsDrawOption GetKeepAspectRatio() override;
  void SetKeepAspectRatio(TtsDrawOption Value) override;
  TtsControlType GetControlType() override;
  void SetControlType(TtsControlType Value) override;
  TtsSpinOptions GetSpinOptions() override;
  void SetSpinOptions(TtsSpinOptions Value) override;
  double GetSpinIncrement() override;
  void SetSpinIncrement(double Value) override;
  TtsDateTimeDefComponent* GetDateTimeDef() override;
  void SetDateTimeDef(TtsDateTimeDefComponent* Value) override;
  TtsDropDownStyle GetDropDownStyle() override;
  void SetDropDownStyle(TtsDropDownStyle Value) override;
  bool StoreDisplayRow() override;
  bool StoreHeight() override;

  // The facade's own element, made on first use; never entered in the grid's row set.
  TtsDBRowElement* GetElement();
  const TtsProperties& GetAssignedProps() const { return FAssignedProps; }
  TtsCustomDBGrid* GetDBGrid() const;

 protected:
  explicit TtsDBRow(TtsBaseGrid* AGrid = nullptr, Variant ADataRow = Variant())
      : TtsDesignRow(AGrid, std::move(ADataRow)) {}
  void Destroy() override;

 private:
  bool Reading() const;
  bool Applying() const;
  template <class Forward>
  void Put(TtsProperty Kind, Integer Index, const Variant& Value, Forward ToGrid);
  void PutPicture(Integer Index, TtsDrawOption Value);

  bool FSelected = false;
  TtsDBRowElement* FElement = nullptr;
  TtsProperties FAssignedProps;
};

class TtsDBCell : public TtsCell {
  DECLARE_CLASS(TtsDBCell, TtsCell)
 public:
  TColor GetColor() override;
  void SetColor(TColor Value) override;
  TtsControlType GetControlType() override;
  void SetControlType(TtsControlType Value) override;
  TtsSpinOptions GetSpinOptions() override;
  void SetSpinOptions(TtsSpinOptions Value) override;
  double GetSpinIncrement() override;
  void SetSpinIncrement(double Value) override;
  TFont* GetFont() override;
  void SetFont(TFont* Value) override;
  bool GetParentFont() override;
  void SetParentFont(bool Value) override;
  TAlignment GetAlignment() override;
  void SetAlignment(TAlignment Value) override;
  bool GetAlign() override;
  void SetAlign(bool Value) override;
  TSCommon::TtsHorzAlignment GetHorzAlignment() override;
  void SetHorzAlignment(TSCommon::TtsHorzAlignment Value) override;
  TSCommon::TtsVertAlignment GetVertAlignment() override;
  void SetVertAlignment(TSCommon::TtsVertAlignment Value) override;
  bool GetIs3D() override;
  void SetIs3D(bool Value) override;
  TtsWordWrap GetWordWrap() override;
  void SetWordWrap(TtsWordWrap Value) override;
  TtsButtonType GetButtonType() override;
  void SetButtonType(TtsButtonType Value) override;
  TtsDropDownStyle GetDropDownStyle() override;
  void SetDropDownStyle(TtsDropDownStyle Value) override;
  TtsReadOnly GetReadOnly() override;
  void SetReadOnly(TtsReadOnly Value) override;
  String GetMaskName() override;
  void SetMaskName(const String& Value) override;
  bool GetAutoCreateFont() override;
  void SetAutoCreateFont(bool Value) override;
  TtsCombo* GetCombo() override;
  void SetCombo(TtsCombo* Value) override;
  void AssignCombo() override;
  bool GetParentCombo() override;
  void SetParentCombo(bool Value) override;
  TtsDrawOption GetStretchPicture() override;
  void SetStretchPicture(TtsDrawOption Value) override;
  TtsDrawOption GetShrinkPicture() override;
  void SetShrinkPicture(TtsDrawOption Value) override;
  TtsDrawOption GetCenterPicture() override;
  void SetCenterPicture(TtsDrawOption Value) override;
  TtsDrawOption GetKeepAspectRatio() override;
  void SetKeepAspectRatio(TtsDrawOption Value) override;
  TtsDateTimeDefComponent* GetDateTimeDef() override;
  void SetDateTimeDef(TtsDateTimeDefComponent* Value) override;

  // The facade's own element, made on first use; never entered in the grid's cell set.
  TtsDBCellElement* GetElement();
  const TtsProperties& GetAssignedProps() const { return FAssignedProps; }
  TtsCustomDBGrid* GetDBGrid() const;
  void SetDBGrid(TtsCustomDBGrid* Value);

 protected:
  TtsDBCell(TtsBaseGrid* AGrid = nullptr, Integer ADataCol = 0, Variant ADataRow = Variant())
      : TtsCell(AGrid, ADataCol, std::move(ADataRow)) {}
  void Destroy() override;

 private:
  bool Reading() const;
  bool Applying() const;
  template <class Forward>
  void Put(TtsProperty Kind, Integer Index, const Variant& Value, Forward ToGrid);
  void PutPicture(Integer Index, TtsDrawOption Value);

  TtsDBCellElement* FElement = nullptr;
  TtsProperties FAssignedProps;
};

}  // namespace TSDBGrid
