// Edit masks: "mask;save-literals;blank". The mask characters:
//   !  blanks of optional places lead instead of trail     >  upper case from here   <  lower case
//   <> case as entered                                     \  the next character is a literal
//   L l  letter (required / optional)   A a  letter or digit   C c  any character
//   0 9  digit (required / optional)    #  digit or sign, optional
//   :  the time separator   /  the date separator   _  a blank   anything else: a literal
// The second field "0" means the text holds only the entered characters, without the literals; any
// other value (or none) means the literals are part of the text. The third field is the blank
// character shown for an empty place (default '_').
#pragma once

#include "System.h"

namespace MaskUtils {

inline constexpr Char DefaultBlank = '_';
inline constexpr Char MaskFieldSeparator = ';';
inline constexpr Char MaskNoSave = '0';

// The text as the mask shows it: the value's characters in the mask's places with the case the
// mask asks for, the literals in theirs, and a space for a place the value leaves empty. A value
// with literals has each part between literals padded to its places (at the end, or at the start
// with '!'); characters the mask has no place for are left out. A character is one whole UTF-8
// sequence. An empty mask gives the value unchanged.
String FormatMaskText(const String& EditMask, const String& Value);
bool MaskGetMaskSave(const String& EditMask);
Char MaskGetMaskBlank(const String& EditMask);

}  // namespace MaskUtils

using namespace MaskUtils;
