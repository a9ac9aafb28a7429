// The base-control unit's start and end.
#pragma once

namespace cxControls {

// The operating-system flags, the cursors, USER32 and the entry points looked up in it, the two
// registered messages.
void InitControls();
// Frees the unit's shared objects; none is made again afterwards.
void DoneControls();
// Draws the unit's cursors into the program's cursor resources and loads them into the screen's
// cursor table.
void LoadControlsCursors();

}  // namespace cxControls
