// Cursors: the system cursors, cursors made from masks, the cursor shown and the pointer position.
#pragma once

#include "WinUserTypes.h"

namespace WinCursor {

// System cursor identifiers (MAKEINTRESOURCE values for LoadCursor with a null instance).
constexpr WORD IDC_ARROW_ID = 32512, IDC_IBEAM_ID = 32513, IDC_WAIT_ID = 32514, IDC_CROSS_ID = 32515,
               IDC_UPARROW_ID = 32516, IDC_SIZE_ID = 32640, IDC_ICON_ID = 32641, IDC_SIZENWSE_ID = 32642,
               IDC_SIZENESW_ID = 32643, IDC_SIZEWE_ID = 32644, IDC_SIZENS_ID = 32645, IDC_SIZEALL_ID = 32646,
               IDC_NO_ID = 32648, IDC_HAND_ID = 32649, IDC_APPSTARTING_ID = 32650, IDC_HELP_ID = 32651;
inline const char* MAKEINTRESOURCE(WORD id) { return reinterpret_cast<const char*>(static_cast<uintptr_t>(id)); }
inline const char* const IDC_ARROW = MAKEINTRESOURCE(IDC_ARROW_ID);
inline const char* const IDC_IBEAM = MAKEINTRESOURCE(IDC_IBEAM_ID);
inline const char* const IDC_WAIT = MAKEINTRESOURCE(IDC_WAIT_ID);
inline const char* const IDC_CROSS = MAKEINTRESOURCE(IDC_CROSS_ID);
inline const char* const IDC_UPARROW = MAKEINTRESOURCE(IDC_UPARROW_ID);
inline const char* const IDC_SIZE = MAKEINTRESOURCE(IDC_SIZE_ID);
inline const char* const IDC_ICON = MAKEINTRESOURCE(IDC_ICON_ID);
inline const char* const IDC_SIZENWSE = MAKEINTRESOURCE(IDC_SIZENWSE_ID);
inline const char* const IDC_SIZENESW = MAKEINTRESOURCE(IDC_SIZENESW_ID);
inline const char* const IDC_SIZEWE = MAKEINTRESOURCE(IDC_SIZEWE_ID);
inline const char* const IDC_SIZENS = MAKEINTRESOURCE(IDC_SIZENS_ID);
inline const char* const IDC_SIZEALL = MAKEINTRESOURCE(IDC_SIZEALL_ID);
inline const char* const IDC_NO = MAKEINTRESOURCE(IDC_NO_ID);
inline const char* const IDC_HAND = MAKEINTRESOURCE(IDC_HAND_ID);
inline const char* const IDC_APPSTARTING = MAKEINTRESOURCE(IDC_APPSTARTING_ID);
inline const char* const IDC_HELP = MAKEINTRESOURCE(IDC_HELP_ID);

// A null instance loads a system cursor by identifier; otherwise a cursor registered under the name
// (or identifier) with RegisterCursorResource. Null when there is none. Loaded cursors are shared and
// never destroyed.
HCURSOR LoadCursorA(HINSTANCE instance, const char* name);
inline HCURSOR LoadCursor(HINSTANCE instance, const char* name) { return LoadCursorA(instance, name); }
// A cursor from AND and XOR masks (1 bit per pixel, rows padded to 16 bits).
HCURSOR CreateCursor(HINSTANCE instance, int xHotSpot, int yHotSpot, int width, int height, const void* andMask,
                     const void* xorMask);
BOOL DestroyCursor(HCURSOR cursor);
// Makes a named cursor available to LoadCursor: the program's cursor resources (32 x 32, masks as above).
void RegisterCursorResource(const char* name, int xHotSpot, int yHotSpot, const void* andMask, const void* xorMask);
// Registers the cursor picture kept in the text resource Name of ResourceType as the cursor resource
// Name and loads it (WinCursorPictures.cpp says the picture's form); raises Exception for a picture
// that does not follow it.
HCURSOR LoadCursorPicture(HINSTANCE Instance, const char* Name, const char* ResourceType);
// The masks and hot spot of a cursor; false for an invalid handle.
bool GetCursorShape(HCURSOR cursor, POINT* hotSpot, SIZE* size, const BYTE** andMask, const BYTE** xorMask);

HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
// The pointer position in screen coordinates.
BOOL GetCursorPos(POINT* point);
BOOL SetCursorPos(int x, int y);
int ShowCursor(BOOL show);  // the display count after the change; shown while it is 0 or more
BOOL ClipCursor(const RECT* rect);

}  // namespace WinCursor

using namespace WinCursor;
