// What every editor draws alike: the editor's background with its border and shadow, filled
// rectangles and frames with the shared solid brushes, one-pixel poly-lines, button borders, arrows
// and glyphs; the painter class of a look, default button widths and arrow sizes, the hot-track and
// highlight colours, the canvas font saved as font data, and the conversion between the format word
// of cxTextOut and the canvas's cx text flags.
#pragma once

#include "Graphics.h"
#include "WinGdi.h"
#include "cxGeometry.h"
#include "cxGraphicsCanvas.h"
#include "cxLookAndFeelPaintersBase.h"
#include "cxLookAndFeels.h"
#include "cxEditStyles.h"
#include "cxEditViewInfo.h"

namespace ImgList {
class TCustomImageList;
}

namespace cxEditUtils {

using cxGraphics::TcxBorders;
using cxGraphics::TcxCanvas;
using cxLookAndFeelPainters::TcxArrowDirection;
using cxLookAndFeelPainters::TcxCustomLookAndFeelPainterClass;
using cxLookAndFeels::TcxLookAndFeelKind;
using ImgList::TCustomImageList;
using cxEdit::TcxCustomEditProperties;
using cxEdit::TcxCustomEditViewData;
using cxEdit::TcxCustomEditViewInfo;
using cxEdit::TcxEditBackgroundPaintingStyle;
using cxEdit::TcxEditButtonStyle;
using cxEdit::TcxEditButtonViewInfo;

// ---- The editor's background and buttons ------------------------------------------------------------------
// The background, border and shadow of the view info's editor, then its buttons.
void DrawCustomEdit(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo, bool ADrawBackground,
                    TcxEditBackgroundPaintingStyle ABackgroundPaintingStyle);
// The width of a button that has none of its own: room for its glyph or caption, at least a scroll
// bar's height. A natively styled button first learns whether it can be drawn natively.
Integer CalculateEditDefaultButtonWidth(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AViewInfo);
// How far the content of the buttons of a drawing style sits inside their height, top and bottom.
Integer GetEditButtonsContentVerticalOffset(TcxCanvas* ACanvas, TcxEditButtonStyle AButtonStyle,
                                            bool ANativeStyle);
// The shape of the button (a new region, the caller's).
TcxRegion* GetEditButtonRegion(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AViewInfo);
Integer GetNativeInnerTextEditContentHeightCorrection(TcxCustomEditProperties* AProperties, bool AIsViewInfoNative);
bool IsShadowDrawingNeeded(TcxCustomEditViewData* AViewData);
// The margins of the theme's content rectangle in a 100 x 100 part.
TRect GetEditThemeContentMargins(TdxThemedObjectType AThemedObjectType, Integer APart, Integer AState,
                             TcxCanvas* ACanvas = nullptr);

// ---- Filling ----------------------------------------------------------------------------------------------
// With the shared solid brush of the colour.
void cxEditFillRect(TCanvas* ACanvas, const TRect& R, TColor AColor);
void cxEditFillRect(TcxCanvas* ACanvas, const TRect& R, TColor AColor);
void cxEditFillRect(HDC ADC, const TRect& R, HBRUSH ABrush);
void cxOffsetRect(TRect& R, const TPoint& P);
// The outer rectangle less the inner one: nothing when the outer one is empty or equals the inner
// one, all of it for an empty inner one, else the bands left of, above, right of and below the inner.
void InternalFillRect(TCanvas* ACanvas, const TRect& AOuterRect, const TRect& AInternalRect, HBRUSH ABrush);
// A poly-line through APoints[0 .. ALastIndex] with its last point included. With the brush option
// every segment (horizontal or vertical) is filled as a one-pixel-wide rectangle instead of stroked.
void InternalPolyLine(TCanvas* ACanvas, const TPoint* APoints, Integer ALastIndex, TColor AColor,
                      bool AUseBrush = false);

// ---- Borders, arrows and glyphs ---------------------------------------------------------------------------
// One line of the colour along each named side (left, right, top, bottom in turn); R shrinks by one
// pixel on each side drawn.
void DrawButtonBorder(TCanvas* ACanvas, TRect& R, TcxBorders ABorders, TColor AColor);
// An arrow (two in a row when double) of ASize strips, centred in R, moved a pixel down and right
// when pressed.
void DrawArrow(TCanvas* ACanvas, Integer ASize, const TRect& R, TcxArrowDirection ADirection, bool ADouble,
               bool APressed, TColor AColor);
// The arrow that fits a button of the size: width across the arrow's axis, height along it.
TSize GetArrowSize(const TSize& ASize, TcxArrowDirection ADirection);
// The glyph with its transparent colour see-through, on the background colour (clNone: the canvas
// shows through) or drawn into the background bitmap first, which then goes to (X, Y).
void DrawGlyph(TCanvas* ACanvas, Integer X, Integer Y, TBitmap* AGlyph, bool AEnabled = true,
               TColor ABackgroundColor = clNone, TBitmap* ABackgroundBitmap = nullptr);
void DrawGlyph(TcxCanvas* ACanvas, Integer X, Integer Y, TBitmap* AGlyph, bool AEnabled = true,
               TColor ABackgroundColor = clNone, TBitmap* ABackgroundBitmap = nullptr);
void DrawGlyph(TcxCanvas* ACanvas, TCustomImageList* AImageList, Integer AImageIndex, const TRect& R,
               TColor ABackgroundColor, bool AEnabled, TBitmap* ABackgroundBitmap = nullptr);
bool VerifyBitmap(TBitmap* ABitmap);
bool VerifyImages(TCustomImageList* AImages);

// ---- Looks and colours ------------------------------------------------------------------------------------
TcxCustomLookAndFeelPainterClass GetPainterClass(bool ANative, TcxLookAndFeelKind ALookAndFeelKind);
TColor GetHotTrackColor();
TColor GetEditBorderHighlightColor(bool AIsOffice11Style);
TColor GetEditButtonHighlightColor(bool APressed, bool AIsOffice11Style);

// ---- Fonts and text flags ---------------------------------------------------------------------------------
void SaveCanvasFont(TcxCanvas* ACanvas, LOGFONTA& AFontData);
void RestoreCanvasFont(TcxCanvas* ACanvas, const LOGFONTA& AFontData);
// The cxTextOut format word to cx text flags, and back; only the alignment, single-line and
// word-break bits are carried over.
Integer cxTextOutFlagsToDrawTextFlags(DWORD AFlags);
DWORD DrawTextFlagsTocxTextOutFlags(Integer AFlags);

void InitEditUtils();

}  // namespace cxEditUtils

using namespace cxEditUtils;
