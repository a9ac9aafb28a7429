// Row objects. Rows are numerous, so a grid keeps a row object only for a data row with settings of
// its own (the heading row always has one): height and visibility and the row's layer of cell
// settings. Its display position, id, selection and changed mark live in the grid and are reached
// through it. TtsDesignRow is a stateless view of a row that forwards every property to the grid's
// row accessors; the data-bound grid's row facade derives from it.
#pragma once

#include "Persistent.h"
#include "TSGridLineSettings.h"
#include "TSGridTypes.h"

namespace TSGrid {

class TtsBaseGrid;
class TtsCombo;
class TtsLinePlace;

class TtsRow : public TPersistent {
  DECLARE_CLASS(TtsRow, TPersistent)
 public:
  void Assign(TPersistent* Source) override;

  // ---- Overridable operations, in their slot order
  virtual bool DefaultProps();
  virtual bool Empty() { return DefaultProps(); }
  virtual void AssignProperties(TtsRow* Source);
  virtual void Copy(TtsRow* Source);
  virtual void SetAutoCreateFont(bool Value);
  virtual void Reset(const TtsProperties& Props);

  // ---- Queries
  TtsBaseGrid* GetGrid() const { return FGrid; }
  Integer GetDataRow() const { return FDataRow; }
  void SetDataRow(Integer Value) { FDataRow = Value; }
  Integer GetDisplayRow();
  Integer GetId();
  bool GetFixed();
  bool GetSelected();
  bool GetChanged();
  TFont* GetFont();
  TtsDropDownStyle GetDropDownStyle();
  TtsCombo* GetCombo() const { return FCombo; }
  bool StoreSpinIncrement() const { return FSettings.SpinIncrement != 1.0; }
  bool StoreDisplayRow();
  bool StoreDisplayRowConst() const { return const_cast<TtsRow*>(this)->StoreDisplayRow(); }
  TColor GetColor() const { return FSettings.Color; }
  bool GetParentFont() const { return FParentFont; }
  TAlignment GetAlignment() const { return FSettings.Alignment; }
  bool GetAlign() const { return FSettings.Align; }
  TSCommon::TtsHorzAlignment GetHorzAlignment() const { return FSettings.HorzAlignment; }
  TSCommon::TtsVertAlignment GetVertAlignment() const { return FSettings.VertAlignment; }
  TtsWordWrap GetWordWrap() const { return FSettings.WordWrap; }
  Integer GetHeight() const { return FHeight; }
  Integer GetAssignedHeight() const { return FAssignedHeight; }
  void SetAssignedHeight(Integer Value) { FAssignedHeight = Value; }
  bool GetVisible() const { return FVisible; }
  bool GetReadOnly() const { return FSettings.ReadOnly; }
  bool GetIs3D() const { return FSettings.Is3D; }
  String GetMaskName() const { return FSettings.MaskName; }
  bool GetAutoCreateFont() const { return FAutoCreateFont; }
  TtsButtonType GetButtonType() const { return FButtonType; }
  bool GetParentCombo() const { return FSettings.ParentCombo; }
  TtsDrawOption GetStretchPicture() const { return FSettings.StretchPicture; }
  TtsDrawOption GetShrinkPicture() const { return FSettings.ShrinkPicture; }
  TtsDrawOption GetCenterPicture() const { return FSettings.CenterPicture; }
  TtsDrawOption GetKeepAspectRatio() const { return FSettings.KeepAspectRatio; }
  TtsControlType GetControlType() const { return FSettings.ControlType; }
  TtsSpinOptions GetSpinOptions() const { return FSettings.SpinOptions; }
  void SetSpinOptions(TtsSpinOptions Value) { FSettings.SpinOptions = Value; }
  double GetSpinIncrement() const { return FSettings.SpinIncrement; }
  void SetSpinIncrement(double Value) { FSettings.SpinIncrement = Value; }
  TtsDateTimeDefComponent* GetDateTimeDef() const { return FDateTimeDef; }

  // ---- Setters
  void SetColor(TColor Value);
  void SetVertAlignment(TSCommon::TtsVertAlignment Value);
  void SetWordWrap(TtsWordWrap Value);
  void SetAlignment(TAlignment Value);
  void SetAlign(bool Value);
  void SetHorzAlignment(TSCommon::TtsHorzAlignment Value);
  void SetIs3D(bool Value);
  void SetReadOnly(bool Value);
  void SetControlType(TtsControlType Value);
  void SetButtonType(TtsButtonType Value);
  void SetDropDownStyle(TtsDropDownStyle Value);
  void SetMaskName(const String& Value);
  void SetStretchPicture(TtsDrawOption Value);
  void SetShrinkPicture(TtsDrawOption Value);
  void SetCenterPicture(TtsDrawOption Value);
  void SetKeepAspectRatio(TtsDrawOption Value);
  void SetDateTimeDef(TtsDateTimeDefComponent* Value);
  void SetSelected(bool Value);
  void SetChanged(bool Value);
  void SetDisplayRow(Integer Value);
  void SetHeight(Integer Value);
  // Sets the height without making it the height a reset returns to (a resize by the user).
  void CopyHeight(Integer Value);
  void CheckHeight(Integer OldHeight);
  void SetVisible(bool Value);

  // ---- Fonts
  void SetFont(TFont* Value);
  void SetParentFont(bool Value);
  void AssignFont();
  void ResetFont() { SetFont(nullptr); }
  void CheckFont();
  void RemoveFonts();
  void CopyFont(TFont* Value);
  void UpdateFont(TFont* Value);
  bool GetChangeFont() const { return FChangeFontCount == 0; }
  void SetChangeFont(bool Value);
  void FontChange(TObject* Sender);

  // ---- Combo
  void AssignCombo();
  void ResetCombo();
  void SetCombo(TtsCombo* Value);
  void SetParentCombo(bool Value);

 protected:
  explicit TtsRow(TtsBaseGrid* AGrid = nullptr) : FGrid(AGrid) {}
  void Construct() override;
  void Destroy() override;
  void DefineProperties(Filer::TFiler* Filer) override;

 private:
  friend class TtsGridRows;
  friend class TtsBaseGrid;
  TtsLinePlace Place() const;
  void RedrawRow();
  bool IsCurrentRow();

  TtsBaseGrid* FGrid;
  Integer FDataRow = 0;
  TtsLineSettings FSettings;
  TFont* FFont = nullptr;
  bool FParentFont = true;
  Integer FHeight = 0;
  Integer FAssignedHeight = 0;
  bool FVisible = true;
  bool FAutoCreateFont = false;
  Integer FChangeFontCount = 0;
  TtsButtonType FButtonType = btDefault;
  TtsCombo* FCombo = nullptr;
  TtsDateTimeDefComponent* FDateTimeDef = nullptr;
};

// A row seen through the grid's row accessors; the key is the data row number in this grid.
class TtsDesignRow : public TPersistent {
  DECLARE_CLASS(TtsDesignRow, TPersistent)
 public:
  // Copies another design row's row into this one's (same class only).
  void Assign(TPersistent* Source) override;

  virtual bool GetAlign();
  virtual void SetAlign(bool Value);
  virtual TAlignment GetAlignment();
  virtual void SetAlignment(TAlignment Value);
  virtual TSCommon::TtsHorzAlignment GetHorzAlignment();
  virtual void SetHorzAlignment(TSCommon::TtsHorzAlignment Value);
  virtual TSCommon::TtsVertAlignment GetVertAlignment();
  virtual void SetVertAlignment(TSCommon::TtsVertAlignment Value);
  virtual bool GetChanged();
  virtual void SetChanged(bool Value);
  virtual TColor GetColor();
  virtual void SetColor(TColor Value);
  virtual Integer GetDisplayRow();
  virtual void SetDisplayRow(Integer Value);
  virtual TFont* GetFont();
  virtual void SetFont(TFont* Value);
  virtual TtsCombo* GetCombo();
  virtual void SetCombo(TtsCombo* Value);
  virtual bool GetParentCombo();
  virtual void SetParentCombo(bool Value);
  virtual void AssignCombo();
  virtual Integer GetHeight();
  virtual void SetHeight(Integer Value);
  virtual bool GetIs3D();
  virtual void SetIs3D(bool Value);
  virtual String GetMaskName();
  virtual void SetMaskName(const String& Value);
  virtual bool GetParentFont();
  virtual void SetParentFont(bool Value);
  virtual bool GetReadOnly();
  virtual void SetReadOnly(bool Value);
  virtual bool GetSelected();
  virtual void SetSelected(bool Value);
  virtual bool GetVisible();
  virtual void SetVisible(bool Value);
  virtual TtsWordWrap GetWordWrap();
  virtual void SetWordWrap(TtsWordWrap Value);
  virtual TtsButtonType GetButtonType();
  virtual void SetButtonType(TtsButtonType Value);
  virtual bool GetAutoCreateFont();
  virtual void SetAutoCreateFont(bool Value);
  virtual Integer GetId();
  virtual TtsDrawOption GetStretchPicture();
  virtual void SetStretchPicture(TtsDrawOption Value);
  virtual TtsDrawOption GetShrinkPicture();
  virtual void SetShrinkPicture(TtsDrawOption Value);
  virtual TtsDrawOption GetCenterPicture();
  virtual void SetCenterPicture(TtsDrawOption Value);
  virtual TtsDrawOption GetKeepAspectRatio();
  virtual void SetKeepAspectRatio(TtsDrawOption Value);
  virtual TtsControlType GetControlType();
  virtual void SetControlType(TtsControlType Value);
  virtual TtsSpinOptions GetSpinOptions();
  virtual void SetSpinOptions(TtsSpinOptions Value);
  virtual double GetSpinIncrement();
  virtual void SetSpinIncrement(double Value);
  virtual TtsDateTimeDefComponent* GetDateTimeDef();
  virtual void SetDateTimeDef(TtsDateTimeDefComponent* Value);
  virtual TtsDropDownStyle GetDropDownStyle();
  virtual void SetDropDownStyle(TtsDropDownStyle Value);
  virtual bool StoreDisplayRow() { return true; }
  virtual bool StoreHeight() { return true; }

  bool StoreSpinIncrement() const { return const_cast<TtsDesignRow*>(this)->GetSpinIncrement() != 1.0; }
  TtsBaseGrid* GetGrid() const { return FGrid; }
  void SetGrid(TtsBaseGrid* Value) { FGrid = Value; }
  const Variant& GetKey() const { return FKey; }
  void SetKey(const Variant& Value) { FKey = Value; }

 protected:
  TtsDesignRow(TtsBaseGrid* AGrid = nullptr, Variant AKey = Variant()) : FGrid(AGrid), FKey(std::move(AKey)) {}
  void DefineProperties(Filer::TFiler* Filer) override;
  // The key as a data row; the platform's conversion error for a key that is no number.
  Integer DataRow() const;

 private:
  TtsBaseGrid* FGrid;
  Variant FKey;
};

}  // namespace TSGrid
