// Small reading and writing steps of the layout store shared by the manager, bars and links.
#pragma once

#include "System.h"
#include "dxBarTypes.h"

namespace IniFiles {
class TCustomIniFile;
}

namespace dxBar {

// "." between the sections of an ini file, "\" between the keys of the registry.
String dxBarStoreDelimiter(TdxBarStoringKind AStoringKind);
// One byte as a binary value (hexadecimal text in an ini file).
void dxBarWriteByte(IniFiles::TCustomIniFile* AIniFile, const String& ASection, const String& AName, Integer AValue);
// False, with AValue untouched, when the value is missing or holds no byte.
bool dxBarReadByte(IniFiles::TCustomIniFile* AIniFile, const String& ASection, const String& AName, Integer& AValue);
// An enumeration's ordinal; a missing value or one outside [AFirst, ALast] gives ACurrent.
Integer dxBarReadOrdinalValue(IniFiles::TCustomIniFile* AIniFile, const String& ASection, const String& AName,
                              Integer AFirst, Integer ALast, Integer ACurrent);
template <class E>
E dxBarReadOrdinal(IniFiles::TCustomIniFile* AIniFile, const String& ASection, const String& AName, E AFirst, E ALast,
                   E ACurrent) {
  return static_cast<E>(dxBarReadOrdinalValue(AIniFile, ASection, AName, AFirst, ALast, ACurrent));
}

}  // namespace dxBar
