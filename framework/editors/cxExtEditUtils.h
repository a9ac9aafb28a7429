// Free routines of the extended editors: a hook that takes over a control's window procedure, small
// line and frame drawing, text flags for DrawText and for the canvas, text measured without a
// control, rectangle and colour arithmetic, lenient text-to-number and text-to-colour reading,
// check-state texts, fields of a delimited text, painting a control's background through its parent
// and turning a canvas font.
#pragma once

#include "Controls.h"
#include "Graphics.h"
#include "Messages.h"
#include "Variants.h"
#include "cxClassesBase.h"
#include "cxLookAndFeelPaintersBase.h"

namespace cxExtEditUtils {

using Controls::TWinControl;
using cxLookAndFeelPainters::TcxCheckBoxState;

// ---- The window-procedure hook ----------------------------------------------------------------------------
// While hooked, every message of the control's window passes through HookWndProc first. The window
// going away unhooks it; a control that is being freed is let go of then.
class TcxControlHook : public TObject {
  DECLARE_CLASS(TcxControlHook, TObject)
 public:
  TWinControl* GetWinControl() const { return FWinControl; }
  virtual void SetWinControl(TWinControl* Value);
  // The window procedure the hook replaced (null while not hooked) and the hook's own.
  WNDPROC GetPrevWndProc() const { return FPrevWndProc; }
  WNDPROC GetNewWndProc() const { return FNewWndProc; }

 protected:
  void Construct() override;
  void Destroy() override;
  virtual void HookWndProc(TMessage& Message);
  virtual void HookControl();
  virtual void UnhookControl();

 private:
  TWinControl* FWinControl = nullptr;
  WNDPROC FPrevWndProc = nullptr;
  WNDPROC FNewWndProc = nullptr;
  bool FDestroying = false;
};

// ---- Drawing ----------------------------------------------------------------------------------------------
// Left and top lines in the first colour, right and bottom lines in the second; answers R shrunk
// by one pixel on every side.
TRect DrawBounds(TCanvas* ACanvas, const TRect& R, TColor AUpperLeftColor, TColor ALowerRightColor);
void DrawCanvasLine(TCanvas* ACanvas, TColor AColor, const TPoint& AFromPoint, const TPoint& AToPoint);
// The double line under the most recently used items of a list.
void DrawMRUDelimiter(TCanvas* ACanvas, const TRect& R, bool AIsHighlighted);
// Paints the parent's background and graphic children under the control onto ADC.
void PaintBackground(TWinControl* AControl, HDC ADC, bool ADrawThroughParent);
// The canvas takes the font, turned by the angle (degrees) when it is a TrueType font; answers
// whether it is one.
bool AdjustCanvasFont(TCanvas* ACanvas, TFont* AFont, Integer AAngle);

// ---- Rectangles -------------------------------------------------------------------------------------------
void InflateRectEx(TRect& R, Integer AL, Integer AT, Integer AR, Integer AB);
Integer RectWidth(const TRect& R);   // never below 0
Integer RectHeight(const TRect& R);  // never below 0
Integer CalcCenterPosHeight(const TRect& R, Integer ADrawHeight);
Integer CalcDrawWidth(const TRect& R, Integer ADrawHeight);

// ---- Text -------------------------------------------------------------------------------------------------
// AStartFlag with the alignment and options added, as DrawText flags (AForDrawText) or as the
// canvas's cx text flags.
Integer PrepareTextFlag(Integer AStartFlag, TAlignment AHorzAlignments, TcxAlignmentVert AVertAlignments,
                        bool AShowEndEllipsis, bool AWordWrap, Integer ATabWidth, bool AForDrawText = true,
                        bool AShowPrefix = false);
Integer NonCanvasTextHeight(TFont* AFont);
Integer NonCanvasTextWidth(TFont* AFont, const String& AText);
// The width of the text's widest line, plus one pixel.
Integer CalcMaxWidth(TCanvas* ACanvas, const String& AText);

// ---- Colours and values -----------------------------------------------------------------------------------
// Each RGB component moved by its delta and kept within 0..255.
TColor IncColor(TColor AColor, Integer AR, Integer AG, Integer AB);
bool IsVarEmpty(const Variant& AValue);
bool IsValidStringForInt(const String& S);
// Digits with at most one decimal separator and an optional leading minus, of a magnitude a
// double holds; a text that is no number at all ("-", a lone separator) is rejected too.
bool IsValidStringForDouble(const String& AValue);
// The minus signs and digits (and for cxStrToFloat decimal separators) of the text, up to the first
// other character when AToFirstNonNum is set, read as a number ("0" when there are none);
// EConvertError when they do not make one.
Integer cxStrToInt(const String& AText, bool AToFirstNonNum);
Extended cxStrToFloat(const String& AText, bool AToFirstNonNum);
// A colour identifier of the class library or an integer text.
bool cxStrToColor(const String& S, TColor& AColor);
// "R.G.B" in decimal; each component keeps its low byte.
TColor cxRGBStringColorToColor(const String& AText);
// "RRGGBB" in hexadecimal; other characters are ignored.
TColor cxHexRGBStringColorToColor(const String& AText);
String CheckStateToString(TcxCheckBoxState Value);
TcxCheckBoxState StringToCheckState(const String& Value, bool AAllowGrayed);
TShiftState CurrentShiftState();
// Field ANumber (from 1) of the text split at ADelimiter; empty when there is no such field.
String GetWord(Integer ANumber, const String& AText, Char ADelimiter);

}  // namespace cxExtEditUtils

using namespace cxExtEditUtils;
