// The grid unit's process-wide resources, shared by every grid: the mouse cursors, the glyph
// bitmaps of the row bar, the cell buttons, the sort pictures and the spin arrows, the two
// off-screen canvases, the pattern of the picture mask and the list of grids with an open
// drop-down. The unit makes them once when the program starts and frees them once at its end;
// grids never free them.
#pragma once

#include "TSGridTypes.h"

namespace Lists {
class TList;
}
namespace TSCommon {
class TtsMemoryCanvas;
}

namespace TSGrid {

// Cursors (never destroyed): over the left edge of a data cell where a cell range can start, over
// the row bar where rows can be selected, over a heading where columns can be selected.
extern HCURSOR ArrowRevCursor;
extern HCURSOR HorzArrowRightCursor;
extern HCURSOR VertArrowDownCursor;

// Glyph bitmaps, in their load order. The black-on-white ones are copied with MERGECOPY (their
// white takes the brush colour); the sort pictures with BrushCopy, black being transparent.
extern TBitmap* CurrentRowBitmap;    // "TSDOTARROWRIGHT": the current row in the row bar
extern TBitmap* InsertRowBitmap;     // "TSINSERTROW": the insertion row
extern TBitmap* ChangedRowBitmap;    // "TSCHANGEDROW": a row with unsaved edits
extern TBitmap* ComboArrowBitmap;    // "TSARROWCOMBO": combo and date-time drop-down buttons
extern TBitmap* ButtonDetailBitmap;  // "TSBUTDETAIL": normal and date-time popup buttons
extern TBitmap* SortUpBitmap;        // "TSSORTUP"
extern TBitmap* SortDownBitmap;      // "TSSORTDOWN"
extern TBitmap* SortBulletBitmap;    // "TSSORTBULLET"
extern TBitmap* SpinUpBitmap;        // "TSSPINUP": increment arrow of a vertical spin button
extern TBitmap* SpinDownBitmap;      // "TSSPINDOWN"
extern TBitmap* SpinLeftBitmap;      // "TSSPINLEFT": decrement arrow of a horizontal spin button
extern TBitmap* SpinRightBitmap;     // "TSSPINRIGHT"

// The off-screen canvases: grids paint and repaint cells into MemoryCanvas, the in-place controls
// paint through ControlMemoryCanvas. Each is held by one owner at a time.
extern TSCommon::TtsMemoryCanvas* MemoryCanvas;
extern TSCommon::TtsMemoryCanvas* ControlMemoryCanvas;
// 8 x 8, pixel (x, y) white when x + y is odd and black when even: the AND pattern of the hatching
// laid over selected or focused pictures.
extern TBitmap* MaskPattern;
// The grids that currently show a drop-down; the thread hooks that close drop-downs walk it.
extern Lists::TList* DropDownGrids;
// The check-box control's strip of glyphs, made by the first check box; freed with the unit.
extern TBitmap* CheckBoxBitmaps;

// The unit's start (run once, however often asked) and end.
void TSGridInitialization();
void TSGridFinalization();

}  // namespace TSGrid
