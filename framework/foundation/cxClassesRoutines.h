// Small routines of the framework: events, class names, lists, enumeration texts, component names,
// integer helpers, raw memory reads and writes, locale information and multibyte text positions.
#pragma once

#include "Closures.h"
#include "System.h"
#include "Types.h"
#include "WinDef.h"

namespace Lists {
class TList;
}
namespace StringLists {
class TStrings;
}
namespace Persistent {
class TPersistent;
}
namespace Components {
class TComponent;
}
namespace Streams {
class TMemoryStream;
}
namespace TypInfo {
struct TTypeInfo;
}

namespace cxClasses {

using TcxGetCaptionForIntegerItemFunc = TClosure<String(Integer AValue)>;
using TcxGetComponentByIndexFunc = TClosure<Components::TComponent*(TObject* ACaller, Integer AIndex)>;

// ---- Events and classes -------------------------------------------------------------------------------
void CallNotify(const TNotifyEvent& ANotifyEvent, TObject* ASender);
// The same code and the same object.
bool EqualMethods(const TMethod& AMethod1, const TMethod& AMethod2);
template <class Sig>
bool EqualMethods(const TClosure<Sig>& AMethod1, const TClosure<Sig>& AMethod2) {
  return EqualMethods(AMethod1.Method(), AMethod2.Method());
}
// True when the class or one of its ancestors is named exactly AParentClassName.
bool ClassInheritsFrom(TClass AClass, const String& AParentClassName);

// ---- Lists and texts -----------------------------------------------------------------------------------
void CopyList(Lists::TList* ASource, Lists::TList* ADestination);
// Adds, in one update bracket, the text of every value of the enumeration that AGetTypeItemCaption
// answers with a non-empty text, with the value as the entry's object.
void FillStringsWithEnumTypeValues(StringLists::TStrings* AStrings, const TypInfo::TTypeInfo* ATypeInfo,
                                   const TcxGetCaptionForIntegerItemFunc& AGetTypeItemCaption);
// The value an entry added by FillStringsWithEnumTypeValues carries.
inline Integer EnumTypeValueOf(TObject* AEntryObject) {
  return static_cast<Integer>(reinterpret_cast<intptr_t>(AEntryObject));
}
Persistent::TPersistent* GetPersistentOwner(Persistent::TPersistent* APersistent);
// The name of AObject's first published property whose declared class is exactly ASubobject's.
String GetSubobjectName(TObject* AObject, TObject* ASubobject);

// ---- Component names ------------------------------------------------------------------------------------
// AName, or AName followed by 1, 2, ... (at once when AIsBaseName) until no other component of
// AComponent's owner has the name.
String GetValidName(Components::TComponent* AComponent, const String& AName, bool AIsBaseName = false);
// A name no other component of AOwner has: the parent's name, then the base name's identifier
// characters or the class name (without APrefix or a leading "T"), then a number when needed.
String CreateUniqueName(Components::TComponent* AOwner, Components::TComponent* AParentComponent,
                        Components::TComponent* AComponent, const String& APrefixName, const String& ABaseName);
// Renames AOwner's components whose names begin with AOldPrefix to begin with ANewPrefix instead
// (nothing for an inherited ACaller); names the component refuses are left as they are.
void RenameComponents(Components::TComponent* ACaller, Components::TComponent* AOwner, const String& ANewPrefix,
                      const String& AOldPrefix, Integer AComponentCount,
                      const TcxGetComponentByIndexFunc& AGetComponentByIndex);

// ---- Numbers ----------------------------------------------------------------------------------------------
Byte HexToByte(const String& AHex);
Integer RoundDiv(Integer I1, Integer I2);  // I1 div I2, plus 1 when there is a remainder
TSize Size(Integer cx, Integer cy);
void SwapIntegers(Integer& I1, Integer& I2);
Integer GetRangeCenter(Integer ARangeMin, Integer ARangeMax);  // floor((min + max) / 2)
Integer cxSign(double AValue);                                 // 1 for 0 or more, else -1
bool StreamsEqual(Streams::TMemoryStream* AStream1, Streams::TMemoryStream* AStream2);

// ---- The desktop --------------------------------------------------------------------------------------------
// Opens the address with the desktop's opener (nothing happens when there is none).
void OpenWebPage(const String& AWebAddress);
String GetCorrectPath(const String& S);  // every "/" made "\"

// ---- Memory --------------------------------------------------------------------------------------------------
void cxZeroMemory(void* ADestination, Integer ACount);
void* cxAllocMem(Cardinal ASize);  // zero-filled; release with cxFreeMem
void cxFreeMem(void* P);
void cxCopyData(const void* ASource, void* ADestination, Integer ACount);
// Offsets of 0 or less count as 0.
void cxCopyData(const void* ASource, void* ADestination, Integer ASourceOffSet, Integer ADestinationOffSet,
                Integer ACount);
// Values at a byte offset of a block, little-endian; the Boolean is two bytes (true writes FFFF).
bool ReadBoolean(const void* ASource, Integer AOffset = 0);
Word ReadWord(const void* ASource, Integer AOffset = 0);
Byte ReadByte(const void* ASource, Integer AOffset = 0);
Integer ReadInteger(const void* ASource, Integer AOffset = 0);
void WriteBoolean(void* ADestination, bool AValue, Integer AOffset = 0);
void WriteWord(void* ADestination, Word AValue, Integer AOffset = 0);
void WriteByte(void* ADestination, Byte AValue, Integer AOffset = 0);
void WriteInteger(void* ADestination, Integer AValue, Integer AOffset = 0);

// ---- Locale and multibyte text ----------------------------------------------------------------------------
// The locale's information without its terminating zero; ADefaultValue when the locale has none.
String cxGetLocaleInfo(LCID ALocale, LCTYPE ALocaleType, const String& ADefaultValue = String());
// 1-based byte positions in UTF-8 text: the byte length of the character at AIndex (0 at or past
// the end), the position of the next character, and of the previous one (1 at the start).
Integer cxStrCharLength(const String& S, Integer AIndex);
Integer cxNextCharPos(const String& S, Integer AIndex);
Integer cxPrevCharPos(const String& S, Integer AIndex);

}  // namespace cxClasses

using namespace cxClasses;
