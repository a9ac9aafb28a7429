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

#include <vector>

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

// ---- The parsed mask, for editors that check each place --------------------------------------------
enum TMaskCase { mcNone, mcUpper, mcLower };

// One place of a mask: a literal (Text) or a place for one entered character of the kind of its mask
// character (L l A a C c 0 9 #) with the case rule in force there.
struct TMaskPlace {
  bool Literal = false;
  String Text;
  Char Kind = 0;
  TMaskCase Case = mcNone;
};

struct TEditMaskInfo {
  std::vector<TMaskPlace> Places;
  bool LeadingBlanks = false;
  bool SaveLiterals = true;
  Char Blank = DefaultBlank;
};

TEditMaskInfo ParseEditMask(const String& EditMask);
// Whether the place must be filled (L A C 0) rather than optional (l a c 9 #).
bool MaskPlaceRequired(const TMaskPlace& Place);
// Whether the character (one whole UTF-8 sequence) may stand in the place: letters (any non-ASCII
// character counts as one) for L l, letters and digits for A a, anything for C c, digits for 0 9,
// digits and signs for #.
bool MaskPlaceAccepts(const TMaskPlace& Place, const String& Ch);
// The character as the place's case rule makes it.
String MaskPlaceCased(const TMaskPlace& Place, const String& Ch);
bool MaskGetMaskSave(const String& EditMask);
Char MaskGetMaskBlank(const String& EditMask);

}  // namespace MaskUtils

using namespace MaskUtils;
