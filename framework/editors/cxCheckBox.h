// The check box: a small box that shows one of three states (unchecked, checked, grayed) and, beside
// it, an optional caption. This header carries the unit's drawing routines, which draw the box from a
// user glyph strip, through a look-and-feel painter, through the platform theme or with the unit's own
// code for each editor border style; and the routines that pack the states of many check items into
// one storable value and back.
#pragma once

#include <vector>

#include "Interfaces.h"
#include "Variants.h"
#include "cxContainerViewInfo.h"
#include "cxEditStyles.h"
#include "cxLookAndFeelPaintersBase.h"
#include "cxLookAndFeels.h"

namespace Graphics {
class TBitmap;
}
namespace cxGraphics {
class TcxCanvas;
}

namespace cxCheckBox {

using cxGraphics::TcxCanvas;
using Graphics::TBitmap;
using cxLookAndFeelPainters::TcxCheckBoxState;
using cxLookAndFeelPainters::TcxCustomLookAndFeelPainterClass;

// The interaction state of the box, kept apart from the state of its value.
PUBLISHED_ENUM(TcxEditCheckState, ecsNormal, ecsHot, ecsPressed, ecsDisabled)
// How a grayed state is drawn.
PUBLISHED_ENUM(TcxCheckBoxNullValueShowingStyle, nssUnchecked, nssInactive, nssGrayedChecked)

// ---- Drawing the box -----------------------------------------------------------------------------------
// Draws the box into R: from a valid glyph strip, else by the painter, else by the theme (native), else
// by the border style's own drawing. Without ADrawBackground the background colour is not painted.
void DrawEditCheck(TcxCanvas* ACanvas, const TRect& R, TcxCheckBoxState AState, TcxEditCheckState ACheckState,
                   TBitmap* AGlyph, Integer AGlyphCount, TcxEditBorderStyle ABorderStyle, bool ANativeStyle,
                   TColor ABorderColor, TColor ABackgroundColor, bool ADrawBackground, bool AIsDesigning,
                   bool AFocused, bool AGrayedShowingGlyphs, TcxCustomLookAndFeelPainterClass APainter,
                   TcxCheckBoxNullValueShowingStyle ANullValueShowingStyle = nssGrayedChecked);
// The caption in the colour, on a clear brush, with cx text flags.
void DrawCheckBoxText(TcxCanvas* ACanvas, const String& AText, TFont* AFont, TColor ATextColor, const TRect& R,
                      Integer ADrawTextFlags, bool AEnabled);
// The size of one box: one frame of a valid glyph strip, else the painter's, the theme's or the base
// painter's check button size.
TSize GetEditCheckSize(TcxCanvas* ACanvas, bool ANativeStyle, TBitmap* AGlyph, Integer AGlyphCount,
                       TcxCustomLookAndFeelPainterClass APainter);
// How far the box's own drawing stays inside its rectangle for the border style: 2 less the
// container's border width; 0 for native drawing, glyphs and painters.
Integer GetEditCheckBorderOffset(cxContainer::TcxContainerBorderStyle ABorderStyle, bool ANativeStyle,
                                 bool AHasGlyph, TcxCustomLookAndFeelPainterClass APainter);
Integer GetEditCheckBorderOffset(TcxEditBorderStyle ABorderStyle, bool ANativeStyle, bool AHasGlyph,
                                 TcxCustomLookAndFeelPainterClass APainter);
Integer GetEditCheckBorderOffset(cxLookAndFeels::TcxLookAndFeelKind ALookAndFeelKind, bool ANativeStyle,
                                 bool AHasGlyph, TcxCustomLookAndFeelPainterClass APainter);
// The frame of the glyph strip that shows the state: unchecked, checked, grayed, then the same pressed.
// A strip of two or four frames (without grayed glyphs) has two frames per row. Always a frame of the
// strip.
Integer GetEditCheckGlyphIndex(TcxCheckBoxState AState, TcxEditCheckState ACheckState, bool AGrayedShowingGlyphs,
                               Integer AGlyphCount);
// The flags DrawFrameControl draws a box of the state with (DFCS_*).
UINT GetEditCheckFrameControlFlags(TcxCheckBoxState AState, TcxEditCheckState ACheckState,
                                   TcxEditBorderStyle ABorderStyle,
                                   TcxCheckBoxNullValueShowingStyle ANullValueShowingStyle);
// The tick of the ultra-flat looks, of the base painter's check button size: black where the tick is,
// white elsewhere. Lives from the unit's start to its end (null outside).
TBitmap* CheckMarkMask();

// ---- The states of many check items as one value -------------------------------------------------------
using TcxCheckStates = std::vector<TcxCheckBoxState>;
PUBLISHED_ENUM(TcxCheckStatesValueFormat, cvfCaptions, cvfIndices, cvfInteger, cvfStatesString)

// The items whose states are packed: their count and captions.
class IcxCheckItems : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IcxCheckItems, "{5BF13228-CF05-4741-9833-F2B8FBFD57ED}")
 public:
  virtual String GetCaption(Integer Index) = 0;
  virtual Integer GetCount() = 0;
};

// The states as one value of the format.
Variant CalculateCheckStatesValue(const TcxCheckStates& ACheckStates, IcxCheckItems* AItems,
                                  TcxCheckStatesValueFormat AValueFormat);
// The value back into one state per item. A malformed value answers false with every state unchecked.
bool CalculateCheckStates(const Variant& AValue, IcxCheckItems* AItems, TcxCheckStatesValueFormat AValueFormat,
                          TcxCheckStates& ACheckStates);

void InitCheckBoxDrawing();
void DoneCheckBoxDrawing();

}  // namespace cxCheckBox

using namespace cxCheckBox;
