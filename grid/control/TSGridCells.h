// The cell facade and the current cell. TtsCell presents the own settings of one cell as published
// properties (so that they can be assigned as a whole and streamed) and stores nothing itself: it
// forwards to the grid's cell accessors. TtsCurrentCell is the grid's current cell: its value, text
// selection, clipboard and moves, and the edit buffer holding the value the in-place control last
// reported, tagged with the cell it belongs to.
#pragma once

#include "Persistent.h"
#include "TSGridTypes.h"

namespace TSGrid {

class TtsBaseGrid;
class TtsCombo;

class TtsCell : public TPersistent {
  DECLARE_CLASS(TtsCell, TPersistent)
 public:
  void Assign(TPersistent* Source) override;

  virtual TColor GetColor();
  virtual void SetColor(TColor Value);
  virtual TtsControlType GetControlType();
  virtual void SetControlType(TtsControlType Value);
  virtual TtsSpinOptions GetSpinOptions();
  virtual void SetSpinOptions(TtsSpinOptions Value);
  virtual double GetSpinIncrement();
  virtual void SetSpinIncrement(double Value);
  virtual TFont* GetFont();
  virtual void SetFont(TFont* Value);
  virtual bool GetParentFont();
  virtual void SetParentFont(bool Value);
  virtual TAlignment GetAlignment();
  virtual void SetAlignment(TAlignment Value);
  virtual bool GetAlign();
  virtual void SetAlign(bool Value);
  virtual TSCommon::TtsHorzAlignment GetHorzAlignment();
  virtual void SetHorzAlignment(TSCommon::TtsHorzAlignment Value);
  virtual TSCommon::TtsVertAlignment GetVertAlignment();
  virtual void SetVertAlignment(TSCommon::TtsVertAlignment Value);
  virtual bool GetIs3D();
  virtual void SetIs3D(bool Value);
  virtual TtsWordWrap GetWordWrap();
  virtual void SetWordWrap(TtsWordWrap Value);
  virtual TtsButtonType GetButtonType();
  virtual void SetButtonType(TtsButtonType Value);
  virtual TtsDropDownStyle GetDropDownStyle();
  virtual void SetDropDownStyle(TtsDropDownStyle Value);
  virtual TtsReadOnly GetReadOnly();
  virtual void SetReadOnly(TtsReadOnly Value);
  virtual String GetMaskName();
  virtual void SetMaskName(const String& Value);
  virtual bool GetAutoCreateFont();
  virtual void SetAutoCreateFont(bool Value);
  virtual TtsCombo* GetCombo();
  virtual void SetCombo(TtsCombo* Value);
  virtual void AssignCombo();
  virtual bool GetParentCombo();
  virtual void SetParentCombo(bool Value);
  virtual TtsDrawOption GetStretchPicture();
  virtual void SetStretchPicture(TtsDrawOption Value);
  virtual TtsDrawOption GetShrinkPicture();
  virtual void SetShrinkPicture(TtsDrawOption Value);
  virtual TtsDrawOption GetCenterPicture();
  virtual void SetCenterPicture(TtsDrawOption Value);
  virtual TtsDrawOption GetKeepAspectRatio();
  virtual void SetKeepAspectRatio(TtsDrawOption Value);
  virtual TtsDateTimeDefComponent* GetDateTimeDef();
  virtual void SetDateTimeDef(TtsDateTimeDefComponent* Value);

  TtsBaseGrid* GetGrid() const { return FGrid; }
  void SetGrid(TtsBaseGrid* Value) { FGrid = Value; }
  Integer GetDataCol() const { return FDataCol; }
  void SetDataCol(Integer Value) { FDataCol = Value; }
  const Variant& GetKey() const { return FDataRow; }
  void SetKey(const Variant& Value) { FDataRow = Value; }
  bool StoreSpinIncrement() const;

 protected:
  TtsCell(TtsBaseGrid* AGrid = nullptr, Integer ADataCol = 0, Variant ADataRow = Variant())
      : FGrid(AGrid), FDataCol(ADataCol), FDataRow(std::move(ADataRow)) {}
  void DefineProperties(Filer::TFiler* Filer) override;
  // The key as a data row; the platform's conversion error for a key that is no number.
  Integer DataRow() const;

 private:
  TtsBaseGrid* FGrid;
  Integer FDataCol;
  Variant FDataRow;
};

class TtsCurrentCell : public TObject {
  DECLARE_CLASS(TtsCurrentCell, TObject)
 public:
  // ---- Overridable operations, in their slot order
  virtual void FetchCellValue();
  virtual TtsControlType GetControlType();
  virtual Variant GetValue();
  virtual Integer GetTextHeight();
  virtual Integer GetTextLines();
  // Answers whether the value was taken.
  virtual bool SetEditValue(const Variant& Value, bool ShowEditor, bool Redraw);
  virtual void MoveToInsertRow(Integer DataCol);
  virtual void PutInView();

  TtsBaseGrid* GetGrid() const { return FGrid; }
  Integer GetDataCol();
  Integer GetDataRow();

  // ---- Buffer
  void SetBuffer(const Variant& Value, bool OwnsPicture);
  void ClearBuffer();
  bool IsClear() const;
  bool ValueSet(Integer DataCol, Integer DataRow) const;
  Variant BufferValue() const { return FBuffer; }
  Integer GetBufferDataCol() const { return FBufferDataCol; }
  Integer GetBufferDataRow() const { return FBufferDataRow; }
  // The buffer now belongs to another cell (columns and rows deleted or moved around it).
  void SetBufferCell(Integer DataCol, Integer DataRow);
  void SetValue(const Variant& Value) { SetEditValue(Value, false, true); }
  void Refresh();

  // ---- Text selection
  Integer GetSelStart();
  Integer GetSelLength();
  String GetSelText();
  void SetSelStart(Integer Value);
  void SetSelLength(Integer Value);
  void SetSelText(const String& Value);
  void SelectAll();
  bool AllSelected();
  // The selection the grid keeps up to date from the in-place control's reports.
  void KeepSelection(Integer Start, Integer Length) {
    FSelStart = Start;
    FSelLength = Length;
  }

  // ---- Tag, data and measurements
  Integer GetTag();
  void SetTag(Integer Value);
  void* GetData();
  void SetData(void* Value);
  Integer GetTextWidth();

  // ---- Pictures
  bool GetStretchPicture();
  bool GetShrinkPicture();
  bool GetCenterPicture();
  bool GetKeepAspectRatio();
  TColor GetTransparentColor();
  // The grid-level picture settings for the buffered picture.
  bool StretchPicture = true;
  bool ShrinkPicture = true;
  TColor TransparentColor = Graphics::clNone;
  bool CenterPicture = true;
  bool KeepAspectRatio = false;

  // ---- Clipboard
  bool CopyToClipboard();
  bool CutToClipboard();
  bool InternalCutToClipboard(bool ByUser);
  bool PasteFromClipboard();
  bool InternalPasteFromClipboard(bool ByUser);
  bool NewlengthOk(const String& Text);

  void MoveTo(Integer DataCol, Integer DataRow);

 protected:
  explicit TtsCurrentCell(TtsBaseGrid* AGrid = nullptr) : FGrid(AGrid) {}
  void Destroy() override;

 private:
  bool InGridState();
  bool Resolved(TtsDrawOption Option, bool Own);

  TtsBaseGrid* FGrid;
  Variant FBuffer;
  bool FOwnsPicture = false;
  Integer FBufferDataCol = -1;
  Integer FBufferDataRow = -1;
  Integer FSelStart = 0;
  Integer FSelLength = 0;
};

}  // namespace TSGrid
