// What the visual-styles sources share: the theme record behind a handle, the colours of the
// current scheme, and the drawing primitives of the look.
#pragma once

#include "UxTheme.h"

namespace UxThemeInternals {

// The theme classes the layer knows, in the order of their names in UxThemeData.cpp.
enum TThemeClass {
  tcButton, tcClock, tcComboBox, tcEdit, tcExplorerBar, tcHeader, tcListBox, tcListView, tcMenu, tcPage,
  tcProgress, tcRebar, tcScrollBar, tcSpin, tcStartPanel, tcStatus, tcTab, tcTaskBand, tcTaskBar, tcToolBar,
  tcToolTip, tcTrackBar, tcTrayNotify, tcTreeView, tcWindow, tcClassCount
};

struct TThemeRecord {
  uint32_t Magic = 0;
  TThemeClass Class = tcButton;
};

// The live record behind a handle, or null for a closed, foreign or null handle, or with the theme off.
const TThemeRecord* ThemeOf(HTHEME theme);

// The colours of the current scheme.
struct TThemePalette {
  COLORREF Frame;         // dark outline of buttons and boxes
  COLORREF Face1, Face2;  // face gradient, top to bottom
  COLORREF Pressed1, Pressed2;
  COLORREF Hot1, Hot2;    // the warm inner ring of a hot control
  COLORREF Default1, Default2;  // the inner ring of the default button
  COLORREF Accent1, Accent2;    // scroll thumbs, arrows' buttons, caption gradient
  COLORREF AccentFrame;
  COLORREF AccentHot1, AccentHot2;
  COLORREF Glyph;         // arrows on accent buttons
  COLORREF Track;         // scroll-bar track
  COLORREF Mark;          // check marks and radio dots
  COLORREF EditBorder;
  COLORREF TabFrame, TabFace1, TabFace2, TabHotLine, PaneFace;
  COLORREF HeaderFace, HeaderShade1, HeaderShade2;
  COLORREF Caption1, Caption2, CaptionInactive1, CaptionInactive2, CaptionText;
  COLORREF Close1, Close2;
  COLORREF ToolTipFace, ToolTipFrame;
  COLORREF Chunk1, Chunk2;
  COLORREF Text, DisabledText, DisabledFace, DisabledFrame;
};
const TThemePalette& Palette();

// ---- Primitives ---------------------------------------------------------------------------------------
void FillSolid(HDC dc, const RECT& r, COLORREF c);
// A two-colour gradient, top to bottom (vertical) or left to right.
void FillGradient(HDC dc, const RECT& r, COLORREF c1, COLORREF c2, bool vertical = true);
// A one-pixel outline with its corner pixels left out when rounded (the look's rounded frames).
void FrameRounded(HDC dc, const RECT& r, COLORREF c, bool rounded = true);
void FramePlain(HDC dc, const RECT& r, COLORREF c);
// A filled triangle pointing in a direction: 0 up, 1 down, 2 left, 3 right, sized to the rectangle.
void DrawArrowGlyph(HDC dc, const RECT& r, int direction, COLORREF c, int size = 0);
void DrawCheckGlyph(HDC dc, const RECT& r, COLORREF c);
// A rounded push-button face (also the toolbar's and caption buttons' shape).
void DrawButtonFace(HDC dc, const RECT& r, COLORREF frame, COLORREF face1, COLORREF face2, COLORREF ring1,
                    COLORREF ring2, bool ring);
COLORREF Mix(COLORREF a, COLORREF b, int percentA);

// ---- Drawing per class family (UxThemeDrawControls.cpp, UxThemeDrawBars.cpp) ----------------------------
// Each answers false for a part the class does not have.
bool DrawButtonPart(HDC dc, int part, int state, const RECT& r);
bool DrawEditPart(TThemeClass cls, HDC dc, int part, int state, const RECT& r);
bool DrawHeaderPart(HDC dc, int part, int state, const RECT& r);
bool DrawTabPart(HDC dc, int part, int state, const RECT& r);
bool DrawScrollBarPart(HDC dc, int part, int state, const RECT& r);
bool DrawToolBarPart(TThemeClass cls, HDC dc, int part, int state, const RECT& r);
bool DrawProgressPart(TThemeClass cls, HDC dc, int part, int state, const RECT& r);
bool DrawWindowPart(HDC dc, int part, int state, const RECT& r);
bool DrawMiscPart(TThemeClass cls, HDC dc, int part, int state, const RECT& r);

// ---- Metrics (UxThemeMetrics.cpp) -----------------------------------------------------------------------
// The size a part is drawn at when its size is fixed (check boxes, glyphs, arrows); false when the
// part stretches to its rectangle.
bool FixedPartSize(TThemeClass cls, int part, int state, SIZE& size);
// The rectangle a glyph part (check box, radio, thumb, tree glyph, ...) is drawn in: its fixed size
// centred in r; other parts fill r.
RECT DrawnRect(TThemeClass cls, int part, int state, const RECT& r);
// The border a part draws inside its rectangle: its content lies within these margins.
MARGINS ContentMargins(TThemeClass cls, int part, int state);
bool PartExists(TThemeClass cls, int part);
bool PartColor(TThemeClass cls, int part, int state, int prop, COLORREF& color);

}  // namespace UxThemeInternals

using namespace UxThemeInternals;
