// The grid's in-place check box: one check image centred in the cell that toggles on a click or
// the space bar, a three-state value with an optional text form (the check-box values "checked|
// unchecked|grayed"), one level of undo, and the hooks through which the grid follows it. Its
// images come from a strip of nine standard images and their pressed forms that the first check
// box draws (TSGridCheckBoxImages.cpp); an application may put its own bitmap in place of any
// state's image.
#pragma once

#include "TSGridInplaceControl.h"

namespace TSGrid {

// The grid's TtsCheckBoxStyle (stFlat, stCheck, stCross) passes through unchanged.
enum TtsGridCheckBoxStyle { cbFlat, cbWin95, cbWinNT };

// The strip: 18 images of 13 x 13 pixels stacked top to bottom; images 0 to 8 are the normal forms
// (WinNT checked, unchecked, grayed; Win95 the same; flat the same), 9 to 17 their pressed forms.
constexpr Integer CheckImageSize = 13;
constexpr Integer CheckStripImages = 18;
constexpr Integer CheckPressedOffset = 9;
// The strip, drawn once per process by the first check box (freed with the grid unit).
TBitmap* CheckBoxStrip();
// Copies image N of a bitmap holding 2 x Count images stacked to image N + Count in its pressed
// form: the mask colour inside a 1-pixel border becomes the to-colour.
void AddBitmapMask(TBitmap* Bitmap, Integer Count, Integer N, TColor MaskColor, TColor ToColor);

class TtsGridCheckBox : public TtsGridControl {
  DECLARE_CLASS(TtsGridCheckBox, TtsGridControl)
 public:
  explicit TtsGridCheckBox(TComponent* AOwner = nullptr) : TtsGridControl(AOwner) {}
  void Dispatch(TMessage& Message) override;

  // ---- Images
  TtsGridCheckBoxStyle GetCheckBoxStyle() const { return FCheckBoxStyle; }
  void SetCheckBoxStyle(TtsGridCheckBoxStyle Value);
  // Bitmap (nil): the state shows the style's strip image again. Otherwise a copy with its pressed
  // form beneath it shows for the state.
  void SetCheckBoxBitmap(TCheckBoxState State, TBitmap* Bitmap);
  // The bitmap and the part of it that shows State (its pressed form when PressedWanted and the box
  // is drawn pressed), and how to copy it.
  TBitmap* GetCheckBoxBitmap(TCheckBoxState State, Integer& CopyMode, bool PressedWanted, TRect& Source);
  // The strip image (0 to 8) or user slot (0 to 2) that shows the state.
  Integer GetImageIndex(TCheckBoxState State) const;
  TColor GetCheckBoxMaskColor() const { return FMaskColor; }
  void SetCheckBoxMaskColor(TColor Value) { FMaskColor = Value; }
  TColor GetCheckBoxMaskToColor() const { return FMaskToColor; }
  void SetCheckBoxMaskToColor(TColor Value) { FMaskToColor = Value; }
  // Whether the box is drawn pressed: while the mouse holds it, or the space bar.
  bool CheckBoxMasked() const;
  void ResetSelectState();

  // ---- Value
  bool GetAllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
  const String& GetCheckBoxValues() const { return FCheckBoxValues; }
  void SetCheckBoxValues(const String& Value) { FCheckBoxValues = Value; }
  const Variant& GetValue() const { return FValue; }
  TCheckBoxState GetState() const { return FState; }
  // A programmatic change, when the CanChange hook allows it.
  void SetValue(const Variant& V);
  // A change that counts as an edit, when the grid allows the edit.
  void SetEditValue(const Variant& V, bool ByUser);
  void SetCheckBoxState(TCheckBoxState S);
  void SetEditCheckBoxState(TCheckBoxState S, bool ByUser);
  // Sets value and state together; a number outside the three states reads as grayed.
  void SetCheckBoxValue(const Variant& V, bool IsEdit, bool ByUser);
  // Unchecked, checked, then grayed when allowed, then unchecked again.
  void ToggleCheckBoxState();
  bool HasUndoState() const { return FOldStateSaved; }
  bool UndoEdit(Word& Key);
  bool RestoreOldState();
  void SpaceKeyDown();
  bool IsEditKey(char Key) override { return Key == ' '; }

  // Draws the state's image centred in Rect, with a focus rectangle around it when Focused.
  void DrawCheck(TCanvas* Canvas, const TRect& Rect, bool Focused);

 protected:
  void Construct() override;
  void Destroy() override;
  void Paint() override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

 private:
  bool Pressed() const { return FSpaceHeld || FPressedLook || FSpaceRefused; }
  void ReportToggle();
  void DeleteCheckBoxBitmaps();

  TCheckBoxState FOldState = cbUnchecked;
  Variant FOldValue;
  bool FOldStateSaved = false;
  TBitmap* FUserBitmaps[3] = {nullptr, nullptr, nullptr};  // checked, unchecked, grayed
  Integer FImages[3] = {4, 3, 5};                          // by TCheckBoxState: unchecked, checked, grayed
  TCheckBoxState FState = cbUnchecked;
  Variant FValue;
  TColor FMaskColor = clWhite;
  TColor FMaskToColor = clSilver;
  TtsGridCheckBoxStyle FCheckBoxStyle = cbWin95;
  bool FPressedLook = false;
  bool FMouseTracking = false;
  bool FSpaceHeld = false;
  bool FSpaceRefused = false;
  bool FAllowGrayed = false;
  String FCheckBoxValues;
};

}  // namespace TSGrid
