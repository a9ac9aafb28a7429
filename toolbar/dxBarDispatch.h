// Keyboard entry of the toolbar unit: shortcut values from key messages and the rules by which an
// accelerator runs the link that carries it.
#pragma once

#include "Controls.h"
#include "Menus.h"
#include "dxBarTypes.h"

namespace dxBar {

// The shortcut of a key-down message: the key with Shift and Ctrl from the given shift state and Alt
// from the context bit (29) of the key data; 0 for key 0.
TShortCut KeyDataToShortCut(Word AKey, TShiftState AShift, LPARAM AKeyData);

// The shift state read from the current key states (Shift, Alt, Ctrl).
TShiftState dxBarKeyboardShiftState();

// What pressing an accelerator does to its link: focus its control (so that further presses cycle
// through the links sharing the accelerator) and, when the link is the only one with it, click it.
enum TdxBarAccelAction { aaFocus, aaClick };
using TdxBarAccelActions = TSet<TdxBarAccelAction, 8>;
// Empty when the item is disabled: the key is not consumed then.
TdxBarAccelActions GetAccelActions(bool AItemEnabled, bool AShared, bool ADestroyedByClick);

// The keyboard hook's entry for a key-down that is not a menu key; true when consumed.
bool ProcessShortCutKey(TdxBarManager* ABarManager, Word AKey, LPARAM AKeyData);

}  // namespace dxBar

using namespace dxBar;
