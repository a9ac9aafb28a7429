// Variant helpers of the framework: one ordering and one equality for Variant values, the Variant
// arrays of between and in-list filter values, and a binary stream format for typed values.
//
// The stream format, little-endian without padding: Boolean, Char, Byte and ShortInt 1 byte;
// SmallInt and Word 2; Integer, Cardinal and Single 4; Int64, Currency (count of 1/10000) and
// TDateTime (double) 8; floats 10 in the 80-bit extended format; a string a 4-byte byte count and
// the UTF-8 bytes; a wide string a 4-byte count and the UTF-16 units. A Variant is one tag byte
// and its payload, the tag numbering being the object stream's value kinds:
//   0 Null              1 list: a tagged integer count, then each element (bounds 0..count-1)
//   2/3/4/19 integers of 1/2/4/8 bytes (written in the smallest that holds the value)
//   5 extended float (read as Double)   6 string of at most 255 bytes (1-byte length)
//   8 False  9 True     12 longer string (4-byte length)   13 Empty   15 Single   16 Currency
//   17 date (a SQL time stamp is written as one)   18 wide string
// Any other Variant is written as its text. Malformed input raises EReadError, never more.
#pragma once

#include <vector>

#include "Variants.h"

namespace Streams {
class TStream;
}

namespace cxVariants {

using Streams::TStream;

// ---- Comparison ---------------------------------------------------------------------------------------
// Negative, 0 or positive. Empty sorts before everything, Null before every other value; two
// strings compare by bytes; arrays by element count, then element by element. A pair that cannot
// be converted for comparison orders as less.
Integer VarCompare(const Variant& A, const Variant& B);
bool VarEquals(const Variant& A, const Variant& B);
// As VarEquals, except that a Boolean equals only a value whose text is its own ("True").
bool VarEqualsExact(const Variant& A, const Variant& B);
// VarEquals, or both Null or empty text.
bool VarEqualsSoft(const Variant& A, const Variant& B);
Integer VarIndex(const std::vector<Variant>& AList, const Variant& AValue);  // -1 when absent

bool VarIsDate(const Variant& AValue);        // a date or a SQL time stamp
bool VarIsNumericEx(const Variant& AValue);   // a number or a decimal
bool VarIsSoftNull(const Variant& AValue);    // Null or empty text
bool VarTypeIsCurrency(TVarType AVarType);    // Currency or the decimal type
String VarToStrEx(const Variant& AValue);     // "" for Null

// ---- Filter value arrays ------------------------------------------------------------------------------
Variant VarBetweenArrayCreate(const Variant& AValue1, const Variant& AValue2);  // [A, B]
Variant VarListArrayCreate(const Variant& AValue);                             // [A]
// Replaces AList (an array) by one with AValue appended, bounds from 0.
void VarListArrayAddValue(Variant& AList, const Variant& AValue);

// ---- Typed values in streams ----------------------------------------------------------------------------
bool ReadBooleanFunc(TStream* AStream);
Char ReadCharFunc(TStream* AStream);
Byte ReadByteFunc(TStream* AStream);
ShortInt ReadShortIntFunc(TStream* AStream);
SmallInt ReadSmallIntFunc(TStream* AStream);
Word ReadWordFunc(TStream* AStream);
Integer ReadIntegerFunc(TStream* AStream);
Cardinal ReadCardinalFunc(TStream* AStream);
Int64 ReadLargeIntFunc(TStream* AStream);
Single ReadSingleFunc(TStream* AStream);
Extended ReadFloatFunc(TStream* AStream);
Currency ReadCurrencyFunc(TStream* AStream);
TDateTime ReadDateTimeFunc(TStream* AStream);
String ReadStringFunc(TStream* AStream);
WideString ReadWideStringFunc(TStream* AStream);
Variant ReadVariantFunc(TStream* AStream);

void ReadBooleanProc(TStream* AStream, bool& AValue);
void ReadCharProc(TStream* AStream, Char& AValue);
void ReadByteProc(TStream* AStream, Byte& AValue);
void ReadShortIntProc(TStream* AStream, ShortInt& AValue);
void ReadSmallIntProc(TStream* AStream, SmallInt& AValue);
void ReadWordProc(TStream* AStream, Word& AValue);
void ReadIntegerProc(TStream* AStream, Integer& AValue);
void ReadCardinalProc(TStream* AStream, Cardinal& AValue);
void ReadLargeIntProc(TStream* AStream, Int64& AValue);
void ReadSingleProc(TStream* AStream, Single& AValue);
void ReadFloatProc(TStream* AStream, Extended& AValue);
void ReadCurrencyProc(TStream* AStream, Currency& AValue);
void ReadDateTimeProc(TStream* AStream, TDateTime& AValue);
void ReadStringProc(TStream* AStream, String& AValue);
void ReadWideStringProc(TStream* AStream, WideString& AValue);
void ReadVariantProc(TStream* AStream, Variant& AValue);

void WriteBooleanProc(TStream* AStream, bool AValue);
void WriteCharProc(TStream* AStream, Char AValue);
void WriteByteProc(TStream* AStream, Byte AValue);
void WriteShortIntProc(TStream* AStream, ShortInt AValue);
void WriteSmallIntProc(TStream* AStream, SmallInt AValue);
void WriteWordProc(TStream* AStream, Word AValue);
void WriteIntegerProc(TStream* AStream, Integer AValue);
void WriteCardinalProc(TStream* AStream, Cardinal AValue);
void WriteLargeIntProc(TStream* AStream, Int64 AValue);
void WriteSingleProc(TStream* AStream, Single AValue);
void WriteFloatProc(TStream* AStream, Extended AValue);
void WriteCurrencyProc(TStream* AStream, Currency AValue);
void WriteDateTimeProc(TStream* AStream, TDateTime AValue);
void WriteStringProc(TStream* AStream, const String& AValue);
void WriteWideStringProc(TStream* AStream, const WideString& AValue);
// An array of more than one dimension, or a value with no text, raises EWriteError.
void WriteVariantProc(TStream* AStream, const Variant& AValue);

// A stream (not owned) with the procedures above as methods.
class TcxFiler : public TObject {
  DECLARE_CLASS(TcxFiler, TObject)
 public:
  explicit TcxFiler(TStream* AStream = nullptr) : FStream(AStream) {}
  TStream* GetStream() const { return FStream; }

 private:
  TStream* FStream;
};

class TcxReader : public TcxFiler {
  DECLARE_CLASS(TcxReader, TcxFiler)
 public:
  using TcxFiler::TcxFiler;
  bool ReadBoolean();
  Byte ReadByte();
  Cardinal ReadCardinal();
  Char ReadChar();
  Currency ReadCurrency();
  TDateTime ReadDateTime();
  Extended ReadFloat();
  Integer ReadInteger();
  Int64 ReadLargeInt();
  ShortInt ReadShortInt();
  Single ReadSingle();
  SmallInt ReadSmallInt();
  String ReadString();
  Variant ReadVariant();
  WideString ReadWideString();
  Word ReadWord();
};

class TcxWriter : public TcxFiler {
  DECLARE_CLASS(TcxWriter, TcxFiler)
 public:
  using TcxFiler::TcxFiler;
  void WriteBoolean(bool AValue);
  void WriteByte(Byte AValue);
  void WriteCardinal(Cardinal AValue);
  void WriteChar(Char AValue);
  void WriteCurrency(Currency AValue);
  void WriteDateTime(TDateTime AValue);
  void WriteFloat(Extended AValue);
  void WriteInteger(Integer AValue);
  void WriteLargeInt(Int64 AValue);
  void WriteShortInt(ShortInt AValue);
  void WriteSingle(Single AValue);
  void WriteSmallInt(SmallInt AValue);
  void WriteString(const String& AValue);
  void WriteVariant(const Variant& AValue);
  void WriteWideString(const WideString& AValue);
  void WriteWord(Word AValue);
};

}  // namespace cxVariants

using namespace cxVariants;
