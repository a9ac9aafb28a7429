// The framework's texts through the string table, with replacement texts that an application may
// register at run time: either per resource string (cxSetResourceString) or per name, that is per
// original text (cxSetResourceStringNet), but not both ways in one process.
#pragma once

#include "ResStrings.h"

namespace cxClasses {

// The replacement text when one is registered for the string, else the string table's text.
String cxGetResourceString(PResStringRec AResString);
// The same as cxGetResourceStringNet.
String cxGetResourceString(const String& AResString);
// Registers or replaces the replacement of one resource string. Raises Exception when
// replacements by name were registered before; nothing changes then.
void cxSetResourceString(PResStringRec AResString, const String& Value);
// The replacement registered under that name, else the name itself.
String cxGetResourceStringNet(const String& AResString);
// Registers or replaces the replacement for every string whose table text is AResString. Raises
// Exception when replacements by resource string were registered before; nothing changes then.
void cxSetResourceStringNet(const String& AResString, const String& Value);

// The unit's end: forgets every replacement, so that either kind may be registered again.
void cxClearResourceStrings();

}  // namespace cxClasses

using namespace cxClasses;
