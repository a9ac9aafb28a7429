// Common routines of the grid family: integers and geometry, multibyte-safe character scans, markup
// escapes, accelerators and picture ids, objects and Variants, Variant order and equality, Variants
// as form-stream values, check-box value strings, date and number texts, registry paths, property
// copying, control tests and alignments; and the small pointer stack TtsStack.
//
// The unit's cell storage is in TSCommonStorage.h, its shared off-screen canvas in
// TSCommonCanvas.h. Texts are UTF-8 byte strings; a multibyte character is never split.
#pragma once

#include <vector>

#include "ClassTypes.h"
#include "System.h"
#include "Types.h"
#include "WinDef.h"

namespace Variants {
class Variant;
}
namespace Lists {
class TList;
}
namespace Filer {
class TReader;
class TWriter;
}  // namespace Filer
namespace Registry {
class TRegistry;
}
namespace StringLists {
class TStringList;
}
namespace TypInfo {
struct TPropInfo;
}
namespace Graphics {
class TBitmap;
}
namespace Controls {
class TControl;
class TWinControl;
}  // namespace Controls

namespace TSCommon {

using Variants::Variant;

// ---- Alignment --------------------------------------------------------------------------------------
// The Default members mean that the value comes from the next layer (cell over row or column over
// grid).
PUBLISHED_ENUM(TtsHorzAlignment, htaLeft, htaRight, htaCenter, htaDefault)
PUBLISHED_ENUM(TtsVertAlignment, vtaTop, vtaBottom, vtaCenter, vtaDefault)

// htaDefault when Convert is false; otherwise the matching member.
TtsHorzAlignment AlignmentToHorzAlignment(TAlignment Alignment, bool Convert);
// htaRight and htaCenter as themselves; htaLeft and htaDefault as left.
TAlignment HorzAlignmentToAlignment(TtsHorzAlignment Value);
// Whether the value is set (not htaDefault).
bool HorzAlignmentToAlign(TtsHorzAlignment Value);

// ---- Integers and geometry ----------------------------------------------------------------------------
inline Integer CalcMax(Integer A, Integer B) { return A > B ? A : B; }
inline Integer CalcMin(Integer A, Integer B) { return A < B ? A : B; }
inline void SwapLongint(Integer& A, Integer& B) {
  Integer t = A;
  A = B;
  B = t;
}
inline Integer Sign(Integer A) { return (A > 0) - (A < 0); }
// All four edges inclusive.
bool PointInRect(const TPoint& Point, const TRect& Rect);
template <class T>
void FreeNil(T*& Obj) {
  FreeAndNil(Obj);
}

// ---- Character scans ----------------------------------------------------------------------------------
// The first (last) byte equal to Ch among the first Count bytes, or nil.
const char* StrNScan(const char* P, Char Ch, Integer Count);
const char* StrRNScan(const char* P, Char Ch, Integer Count);
// The same, skipping matches on a byte of a multibyte character.
const char* AnsiStrNScan(const char* P, Char Ch, Integer Count);
const char* AnsiStrRNScan(const char* P, Char Ch, Integer Count);

// ---- Markup, accelerators and parts -----------------------------------------------------------------
// The text as markup attribute or element content: & ' " < > as their entities.
String CheckForWhiteSpace(const String& Text);
// Every occurrence of Ch gets Escape put in front of it.
String CheckEscapeChars(const String& Text, Char Ch, Char Escape);
// The caption without accelerator marks ("&&" keeps one "&"); AccelPos: the 1-based position in
// the result of the character after the first single "&", or 0.
String TextAccelKey(const String& Caption, Integer& AccelPos);
// Splits Text at the first Separator: First before it, Text the rest after it (all and nothing
// when there is none).
void SeparateFirstPart(String& Text, String& First, Char Separator);
// Name #1 Id1 #1 Id2.
String AddPictureIds(const String& Name, Integer Id1, Integer Id2);
// The name, with the two ids (-1 each when absent); EConvertError for an id that is no number.
String SeparatePictureIds(const String& Text, Integer& Id1, Integer& Id2);
// An Integer Variant names a string resource; any other Variant is its own text.
String ResourceStr(const Variant& Value);

// ---- Objects and Variants ---------------------------------------------------------------------------
// Object references travel as pointer-sized integer Variants.
Variant ObjectToVariant(TObject* Obj);
TObject* VariantToObject(const Variant& Value);  // EVariantTypeCastError when it holds no integer
Variant BitmapToVariant(Graphics::TBitmap* Bitmap);
Graphics::TBitmap* VariantToBitmap(const Variant& Value);

// Smallint, Integer, Single, Double, Currency or Byte.
bool IsNumVar(const Variant& Value);
// Both Empty; or the same type and both Null or equal.
bool VariantEqual(const Variant& A, const Variant& B);
// VariantEqual, or numbers of two types with the same value (1 and 1.0).
bool EqualPropValue(const Variant& A, const Variant& B);
// -1, 0 or 1: Empty first, Null next, arrays by shape and then element by element, other values by
// the platform's comparison (which raises for values it cannot compare).
Integer CompareVariant(const Variant& A, const Variant& B);

// One value of a form stream: Empty and Null as identifiers, integers of every width, floats,
// currencies and dates, strings and Booleans; other types as an empty string. ReadVariant reads
// what WriteVariant writes (a date comes back as a double) and skips a value of any other kind,
// answering Empty.
void WriteVariant(Filer::TWriter* Writer, const Variant& Value);
Variant ReadVariant(Filer::TReader* Reader);

// ---- Check-box values -------------------------------------------------------------------------------
// "checked|unchecked" or "checked|unchecked|grayed"; a text "Null" (any case) stands for Null.
bool ParseCheckBoxValues(const String& Values, String& CheckedText, String& UncheckedText, String& GrayedText);
bool CheckBoxValuesOk(const String& Values);
String CheckBoxToString(TCheckBoxState State, const String& Values);
TCheckBoxState StringToCheckBox(const String& Text, const String& Values);
// Without values the state's ordinal as a Byte; otherwise its text, or Null for a "Null" text.
Variant CheckBoxToVariant(TCheckBoxState State, const String& Values);
TCheckBoxState VariantToCheckBox(const Variant& Value, const String& Values);

// ---- A stack of pointer-sized values ----------------------------------------------------------------
class TtsStack : public TObject {
  DECLARE_CLASS(TtsStack, TObject)
 public:
  Lists::TList* GetValueList();
  void Push(NativeInt Value);
  // Pop and CurValue raise EListError on an empty stack.
  NativeInt Pop();
  NativeInt CurValue();

 protected:
  TtsStack() = default;
  void Destroy() override;

 private:
  Lists::TList* FValueList = nullptr;
};

// ---- A named mask as one line -----------------------------------------------------------------------
class TosMaskEntry : public TObject {
  DECLARE_CLASS(TosMaskEntry, TObject)
 public:
  String Name;
  String Picture;
  String GetDisplayName() const;   // name, five blanks, the picture in parentheses
  String GetStorageText() const;   // name ~ picture CR
  void SetStorageText(const String& Text);

 protected:
  TosMaskEntry() = default;
};

// ---- Dates ------------------------------------------------------------------------------------------
// The order of the short date format: 0 year first, 1 month first, 2 day first.
Integer GetDateOrder();
// "D/M/YYYY" and the like, in the locale's order and with its separator.
String GetEditDateFormat(bool LongYear);
// A two-digit year field made four digits.
String LongYearFormat(const String& Format);
// The format without its am/pm field.
String LongHourFormat(const String& Format);
bool AMPMFormat();
// A typed date, time or day number; the platform's conversion errors pass on.
TDateTime StringToDateTime(const String& Text);
// As StringToDateTime for text, directly for numbers and dates; the current moment otherwise and
// when the text does not convert.
TDateTime VariantToDateTime(const Variant& Value);
String DateReplaceMonthName(const String& Text);
String DateRemoveDayName(const String& Text);
bool IsWholeWordAt(const String& Text, Integer Pos, Integer Length);
Integer SkipToDigit(const String& Text, Integer Pos);
String YearText(const String& Text);

// ---- Numbers in text (1-based positions) ----------------------------------------------------------------
Integer ScanNum(const String& Text, Integer Pos, Integer Step);
Integer ScanNumChars(const String& Text, Integer Pos, Integer Step);
bool RemoveThousandSeparators(String& Text);
void InsertThousandSeparators(String& Text);
bool IsFloatText(const String& Text);
// The number stepped by Delta, keeping thousand separators; the text itself when it is no number.
String IncStrNum(const String& Text, double Delta);
bool FindNumberAt(const String& Text, Integer Pos, Integer& Start, Integer& Length);
String IncStrAtPos(const String& Text, double Delta, Integer Pos, Integer& Start, Integer& Length);
String PadDecimals(const String& Template, const String& Value);
String PadNumber(const String& Template, const String& Value);

// ---- Registry paths -------------------------------------------------------------------------------------
// "\\ROOT\key\path" or a path under the default root.
bool ParseRegistryPath(const String& Path, HKEY& RootKey, String& RootName, String& KeyPath);
// The opened key (made first when Create), or nil when it cannot be opened; the caller frees it.
// ERegistryException "Unknown registry key %s" for an unknown root name.
Registry::TRegistry* OpenRegistryKey(const String& Path, bool Create);
String GetRegStrValue(HKEY RootKey, const String& KeyPath, const String& ValueName);

// ---- Property copying -----------------------------------------------------------------------------------
// The published properties of the object's class copied by AssignObject: every kind but methods.
std::vector<const TypInfo::TPropInfo*> GetPropertyList(TObject* Obj);
// Copies one property from Source to Dest. A persistent sub-object that Dest holds takes the
// source's settings (Assign); a component reference is copied as a reference.
void AssignPropertyValue(const TypInfo::TPropInfo* PropInfo, TObject* Dest, TObject* Source);
void AssignNameValue(const String& Name, TObject* Dest, TObject* Source);
// The ";"-separated parts, trimmed, empty ones dropped; the caller frees the list.
StringLists::TStringList* CreateStringList(const String& Text);
// Whether the list holds the name, ignoring case.
bool StringInList(const String& Name, StringLists::TStringList* List);
// Copies every published property but events and the ";"-separated excluded names.
void AssignObject(TObject* Dest, TObject* Source, const String& Excluded);

// ---- Controls -------------------------------------------------------------------------------------------
bool ControlFocused(Controls::TWinControl* Control);
bool ControlVisible(Controls::TControl* Control);
bool IsControlHandle(HWND Handle, Controls::TWinControl* Control);

// ---- Unit start and end -----------------------------------------------------------------------------
void TSCommonFinalization();

}  // namespace TSCommon

using namespace TSCommon;
