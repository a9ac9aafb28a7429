#include "dxBarStoreUtils.h"

#include "IniFiles.h"
#include "Streams.h"

namespace dxBar {

String dxBarStoreDelimiter(TdxBarStoringKind AStoringKind) { return AStoringKind == skReg ? "\\" : "."; }

void dxBarWriteByte(IniFiles::TCustomIniFile* AIniFile, const String& ASection, const String& AName, Integer AValue) {
  TMemoryStream* stream = New<TMemoryStream>();
  const Byte value = static_cast<Byte>(AValue);
  stream->WriteBuffer(&value, 1);
  stream->SetPosition(0);
  try {
    AIniFile->WriteBinaryStream(ASection, AName, stream);
  } catch (...) {
    stream->Free();
    throw;
  }
  stream->Free();
}

bool dxBarReadByte(IniFiles::TCustomIniFile* AIniFile, const String& ASection, const String& AName, Integer& AValue) {
  if (!AIniFile->ValueExists(ASection, AName)) return false;
  TMemoryStream* stream = New<TMemoryStream>();
  bool result = false;
  try {
    if (AIniFile->ReadBinaryStream(ASection, AName, stream) == 1) {
      Byte value = 0;
      stream->SetPosition(0);
      stream->ReadBuffer(&value, 1);
      AValue = value;
      result = true;
    }
  } catch (...) {
    // Text that is no binary value reads as none.
  }
  stream->Free();
  return result;
}

Integer dxBarReadOrdinalValue(IniFiles::TCustomIniFile* AIniFile, const String& ASection, const String& AName,
                              Integer AFirst, Integer ALast, Integer ACurrent) {
  const Integer value = AIniFile->ReadInteger(ASection, AName, ACurrent);
  return value >= AFirst && value <= ALast ? value : ACurrent;
}

}  // namespace dxBar
