// The adapters of the grid's two self-drawn in-place controls: the edit box for text cells and the
// check box for check cells. Each answers the adapter operations through its window and adds the
// few operations of its own kind (the text, the check state and the check box's images).
#pragma once

#include "TSGridCheckBox.h"
#include "TSGridControls.h"

namespace TSGrid {

class TtsGridEditBox;

class TtsEditGridControl : public TtsCustomGridControl {
  DECLARE_CLASS(TtsEditGridControl, TtsCustomGridControl)
 public:
  TWinControl* GetGrid() override;
  void SetGrid(TWinControl* Value) override;
  TColor GetColor() override;
  void SetColor(TColor Value) override;
  TFont* GetFont() override;
  void SetFont(TFont* Value) override;

  void SetSelStart(Integer Value) override;
  void SetSelLength(Integer Value) override;
  void SetSelText(const String& Value) override;
  void SetValue(const Variant& Value) override;
  void SetEditValue(const Variant& Value, bool ByUser) override;
  void SetMaxLength(Integer Value) override;
  void SetMaskDefs(TtsMaskDefsComponent* Value) override;
  void SetMaskName(const String& Value) override;

  Variant GetValue() override;
  Integer GetSelStart() override;
  Integer GetSelLength() override;
  String GetSelText() override;
  Integer GetMaxLength() override;
  TtsMaskDefsComponent* GetMaskDefs() override;
  String GetMaskName() override;

  void DrawControl(TCanvas* Canvas, Integer Height, const TRect& Rect, Integer Left, Integer Top,
                   bool Focused) override;
  void SaveCurrentState() override;
  bool IsEditControl() override { return true; }
  bool MultiLine() override;
  void CutToClipboard(bool ByUser) override;
  void CopyToClipboard() override;
  void PasteFromClipboard(bool ByUser) override;
  void SelectAll() override;

  // The text up to its first NUL character.
  String GetText();
  // A change made by the program; SetEditText: a change that counts as an edit.
  void SetText(const String& Value);
  void SetEditText(const String& Value, bool ByUser);
  TtsGridEditBox* GetEditBox() const;

 protected:
  using TtsCustomGridControl::TtsCustomGridControl;
  void Construct() override;
};

class TtsCheckGridControl : public TtsCustomGridControl {
  DECLARE_CLASS(TtsCheckGridControl, TtsCustomGridControl)
 public:
  TWinControl* GetGrid() override;
  void SetGrid(TWinControl* Value) override;
  TColor GetColor() override;
  void SetColor(TColor Value) override;
  TFont* GetFont() override;
  void SetFont(TFont* Value) override;
  // Releasing the capture also draws the box unpressed.
  void SetMouseCapture(bool Value) override;

  void SetValue(const Variant& Value) override;
  void SetEditValue(const Variant& Value, bool ByUser) override;
  Variant GetValue() override;
  void DrawControl(TCanvas* Canvas, Integer Height, const TRect& Rect, Integer Left, Integer Top,
                   bool Focused) override;
  bool IsEditControl() override { return false; }
  TBitmap* GetCheckBoxBitmap(TCheckBoxState State, Integer& CopyMode, bool Pressed, TRect& Source) override;

  TCheckBoxState GetState();
  void SetState(TCheckBoxState Value);
  void SetEditState(TCheckBoxState Value, bool ByUser);
  TtsGridCheckBoxStyle GetCheckBoxStyle();
  void SetCheckBoxStyle(TtsGridCheckBoxStyle Value);
  void SetCheckBoxBitmap(TCheckBoxState State, TBitmap* Bitmap);
  TColor GetCheckBoxMaskColor();
  void SetCheckBoxMaskColor(TColor Value);
  TColor GetCheckBoxMaskToColor();
  void SetCheckBoxMaskToColor(TColor Value);
  bool GetAllowGrayed();
  void SetAllowGrayed(bool Value);
  String GetCheckBoxValues();
  void SetCheckBoxValues(const String& Value);
  TtsGridCheckBox* GetCheckBox() const;

 protected:
  using TtsCustomGridControl::TtsCustomGridControl;
  void Construct() override;
};

}  // namespace TSGrid
