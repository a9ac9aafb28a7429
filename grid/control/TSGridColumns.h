// The column object: one per data column of a grid, the row bar column 0 included. It keeps the
// column's display position, width and visibility, its heading and its layer of cell settings
// (every one of which may be unset and then yields to the grid). Setters apply their change at
// once: they repaint the column or its heading, move the current cell off a column that becomes
// hidden or read-only and keep the in-place editor of the current cell up to date.
#pragma once

#include "Persistent.h"
#include "TSGridLineSettings.h"
#include "TSGridTypes.h"

namespace TSGrid {

class TtsBaseGrid;
class TtsCombo;
class TtsLinePlace;
class TtsNormalButton;
class TtsCustomButton;

class TtsCol : public TPersistent {
  DECLARE_CLASS(TtsCol, TPersistent)
 public:
  void Assign(TPersistent* Source) override;

  // ---- Overridable operations, in their slot order
  virtual void SetControlType(TtsControlType Value);
  virtual void SetMaxLength(Integer Value);
  virtual void SetFieldName(const String& Value) { FFieldName = Value; }
  // Nothing to store: the column is as a new column of its grid would be.
  virtual bool DefaultProps();
  virtual bool Empty();
  virtual void AssignProperties(TtsCol* Source);
  virtual void Copy(TtsCol* Source);
  virtual String GetHeading();
  virtual TAlignment GetAlignment() { return FSettings.Alignment; }
  virtual Integer GetMaxTextWidth();
  virtual bool GetAlign() { return FSettings.Align; }
  virtual TSCommon::TtsHorzAlignment GetHorzAlignment() { return FSettings.HorzAlignment; }
  virtual bool GetReadOnly() { return FSettings.ReadOnly; }
  virtual bool GetAllowGrayed() { return FAllowGrayed; }
  virtual void SetWidth(Integer Value);
  virtual void SetAlignment(TAlignment Value);
  virtual void SetAlign(bool Value);
  virtual void SetHorzAlignment(TSCommon::TtsHorzAlignment Value);
  virtual void SetVertAlignment(TSCommon::TtsVertAlignment Value);
  virtual void SetVisible(bool Value);
  virtual void SetAllowGrayed(bool Value);
  virtual void SetMaskName(const String& Value);
  virtual void SetAutoCreateFont(bool Value);
  virtual bool StoreHeading() { return !FHeading.empty(); }
  virtual bool StoreDisplayCol();
  virtual bool UseCheckBoxValues() { return true; }
  virtual void Reset(const TtsProperties& Props);
  virtual String XMLHeading();

  // ---- Queries
  TtsBaseGrid* GetGrid() const { return FGrid; }
  void SetGrid(TtsBaseGrid* Value) { FGrid = Value; }
  Integer GetDataCol();
  bool GetFixed();
  bool GetSelected();
  bool StoreSpinIncrement() const { return FSettings.SpinIncrement != 1.0; }
  // The stored-tests of the published table, which asks const predicates.
  bool StoreDisplayColConst() const { return const_cast<TtsCol*>(this)->StoreDisplayCol(); }
  bool StoreHeadingConst() const { return const_cast<TtsCol*>(this)->StoreHeading(); }
  TtsDropDownStyle GetDropDownStyle();
  TtsCombo* GetCombo() const { return FCombo; }
  TFont* GetFont();
  TFont* GetHeadingFont();
  Integer GetDisplayCol() const { return FDisplayCol; }
  Integer GetWidth() const { return FWidth; }
  Integer GetAssignedWidth() const { return FAssignedWidth; }
  bool GetVisible() const { return FVisible; }
  TColor GetColor() const { return FSettings.Color; }
  bool GetParentFont() const { return FParentFont; }
  TSCommon::TtsVertAlignment GetVertAlignment() const { return FSettings.VertAlignment; }
  TtsWordWrap GetWordWrap() const { return FSettings.WordWrap; }
  String GetOwnHeading() const { return FHeading; }
  TtsControlType GetControlType() const { return FSettings.ControlType; }
  bool GetIs3D() const { return FSettings.Is3D; }
  TtsButtonType GetButtonType() const { return FButtonType; }
  TtsNormalButton* GetButton() const { return FButton; }
  TtsColHeadingButton GetHeadingButton() const { return FHeadingButton; }
  TAlignment GetHeadingAlignment() const { return FHeadingAlignment; }
  bool GetHeadingAlign() const { return FHeadingAlign; }
  TSCommon::TtsHorzAlignment GetHeadingHorzAlignment() const { return FHeadingHorzAlignment; }
  TSCommon::TtsVertAlignment GetHeadingVertAlignment() const { return FHeadingVertAlignment; }
  TtsWordWrap GetHeadingWordWrap() const { return FHeadingWordWrap; }
  bool GetHeadingParentFont() const { return FHeadingParentFont; }
  TColor GetHeadingColor() const { return FHeadingColor; }
  TtsSortPicture GetSortPicture() const { return FSortPicture; }
  Integer GetMaxLength() const { return FMaxLength; }
  String GetFieldName() const { return FFieldName; }
  Integer GetAccelPos() const { return FAccelPos; }
  String GetMaskName() const { return FSettings.MaskName; }
  Integer GetId() const { return FId; }
  void SetId(Integer Value) { FId = Value; }
  bool GetAutoCreateFont() const { return FAutoCreateFont; }
  bool GetParentCombo() const { return FSettings.ParentCombo; }
  TtsDrawOption GetStretchPicture() const { return FSettings.StretchPicture; }
  TtsDrawOption GetShrinkPicture() const { return FSettings.ShrinkPicture; }
  TtsDrawOption GetCenterPicture() const { return FSettings.CenterPicture; }
  TtsDrawOption GetKeepAspectRatio() const { return FSettings.KeepAspectRatio; }
  TtsSpinOptions GetSpinOptions() const { return FSettings.SpinOptions; }
  void SetSpinOptions(TtsSpinOptions Value) { FSettings.SpinOptions = Value; }
  double GetSpinIncrement() const { return FSettings.SpinIncrement; }
  void SetSpinIncrement(double Value) { FSettings.SpinIncrement = Value; }
  TtsDateTimeDefComponent* GetDateTimeDef() const { return FDateTimeDef; }
  String GetCheckBoxValues() const { return FCheckBoxValues; }
  bool GetPrintTotals() const { return FPrintTotals; }
  void SetPrintTotals(bool Value) { FPrintTotals = Value; }
  void* GetColData() const { return FColData; }
  Integer GetColTag() const { return FColTag; }

  // ---- Setters
  void SetColor(TColor Value);
  void SetWordWrap(TtsWordWrap Value);
  void SetIs3D(bool Value);
  void SetReadOnly(bool Value);
  void SetButtonType(TtsButtonType Value);
  void SetDropDownStyle(TtsDropDownStyle Value);
  void SetHeadingButton(TtsColHeadingButton Value);
  void SetHeadingVertAlignment(TSCommon::TtsVertAlignment Value);
  void SetHeadingWordWrap(TtsWordWrap Value);
  void SetHeadingColor(TColor Value);
  void SetSortPicture(TtsSortPicture Value);
  void SetHeadingAlignment(TAlignment Value);
  void SetHeadingAlign(bool Value);
  void SetHeadingHorzAlignment(TSCommon::TtsHorzAlignment Value);
  void SetHeading(const String& Value);
  void SetCheckBoxValues(const String& Value);
  void SetStretchPicture(TtsDrawOption Value);
  void SetShrinkPicture(TtsDrawOption Value);
  void SetCenterPicture(TtsDrawOption Value);
  void SetKeepAspectRatio(TtsDrawOption Value);
  void SetDateTimeDef(TtsDateTimeDefComponent* Value);
  void SetDisplayCol(Integer Value);
  void SetSelected(bool Value);
  // Sets the width without making it the width a reset returns to (a resize by the user).
  void CopyWidth(Integer Value);
  // After a width change: the engine's display width, the grid's notice, the row bar's memory.
  void CheckWidth(Integer OldWidth);

  // ---- Fonts
  void SetFont(TFont* Value);
  void SetParentFont(bool Value);
  void SetHeadingFont(TFont* Value);
  void SetHeadingParentFont(bool Value);
  void AssignFont();
  void AssignHeadingFont();
  void ResetFont() { SetFont(nullptr); }
  void ResetHeadingFont() { SetHeadingFont(nullptr); }
  void CheckFont();
  void CheckHeadingFont();
  void RemoveFonts();
  void CopyFont(TFont* Value);
  void CopyHeadingFont(TFont* Value);
  void UpdateFont(TFont* Value);
  void UpdateHeadingFont(TFont* Value);
  bool GetChangeFont() const { return FChangeFontCount == 0; }
  void SetChangeFont(bool Value);
  void FontChange(TObject* Sender);
  void HeadingFontChange(TObject* Sender);

  // ---- Combo and column button
  void SetCombo(TtsCombo* Value);
  void AssignCombo();
  void ResetCombo();
  void SetParentCombo(bool Value);
  void CreateButton(TBitmap* Bitmap, TColor TransparentColor, Integer Width, Integer Height);
  void DestroyButton();
  void SetButton(TtsCustomButton* Value);

  // ---- Output texts
  String HTMLCell(const String& Text);
  String HTMLHeader();

 protected:
  explicit TtsCol(TtsBaseGrid* AGrid = nullptr) : FGrid(AGrid) {}
  void Destroy() override;
  void DefineProperties(Filer::TFiler* Filer) override;
  // Redraws the column, and the in-place control when it is the current column.
  void RedrawCol();
  bool IsCurrentCol();
  TtsLinePlace Place() const;

 private:
  friend class TtsGridCols;
  friend class TtsBaseGrid;
  void RedrawHeading();
  String HTMLAlignment();

  TtsBaseGrid* FGrid;
  Integer FDisplayCol = 0;
  TtsLineSettings FSettings;
  TFont* FFont = nullptr;
  bool FParentFont = true;
  String FHeading;
  Integer FWidth = 0;
  Integer FAssignedWidth = 0;
  bool FVisible = true;
  TtsButtonType FButtonType = btDefault;
  TtsNormalButton* FButton = nullptr;
  bool FAllowGrayed = false;
  TtsColHeadingButton FHeadingButton = cbGrid;
  TAlignment FHeadingAlignment = taLeftJustify;
  bool FHeadingAlign = false;
  TSCommon::TtsHorzAlignment FHeadingHorzAlignment = TSCommon::htaDefault;
  TSCommon::TtsVertAlignment FHeadingVertAlignment = TSCommon::vtaDefault;
  TtsWordWrap FHeadingWordWrap = wwDefault;
  TFont* FHeadingFont = nullptr;
  bool FHeadingParentFont = true;
  TColor FHeadingColor = Graphics::clNone;
  TtsSortPicture FSortPicture = spNone;
  Integer FMaxLength = 0;
  String FFieldName;
  Integer FAccelPos = 0;
  Integer FId = 0;
  bool FAutoCreateFont = false;
  Integer FChangeFontCount = 0;
  TtsCombo* FCombo = nullptr;
  TtsDateTimeDefComponent* FDateTimeDef = nullptr;
  String FCheckBoxValues;
  void* FColData = nullptr;
  Integer FColTag = 0;
  bool FPrintTotals = false;
};

}  // namespace TSGrid
