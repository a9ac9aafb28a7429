#include <bit>
#include <cstring>

#include "Filer.h"
#include "RtlMath.h"
#include "SqlTimSt.h"
#include "Streams.h"
#include "SysConst.h"
#include "cxVariants.h"

namespace cxVariants {

IMPLEMENT_CLASS(TcxFiler)
IMPLEMENT_CLASS(TcxReader)
IMPLEMENT_CLASS(TcxWriter)

static_assert(std::endian::native == std::endian::little, "the stream format is little-endian");

namespace {

template <class T>
T ReadRaw(TStream* AStream) {
  T value;
  AStream->ReadBuffer(&value, sizeof value);
  return value;
}

template <class T>
void WriteRaw(TStream* AStream, T AValue) {
  AStream->WriteBuffer(&AValue, sizeof AValue);
}

[[noreturn]] void ReadError() { throw EReadError(SysConst::SReadError); }
[[noreturn]] void WriteError() { throw EWriteError(SysConst::SWriteError); }

// A count read from the stream, checked against what is left of it before anything is allocated,
// so that a damaged count fails as a short stream does.
size_t CheckedCount(TStream* AStream, Int64 ACount, Int64 AUnitSize) {
  if (ACount < 0 || ACount > (AStream->GetSize() - AStream->GetPosition()) / AUnitSize) ReadError();
  return static_cast<size_t>(ACount);
}

String ReadBytes(TStream* AStream, Int64 ACount) {
  String value(CheckedCount(AStream, ACount, 1), '\0');
  AStream->ReadBuffer(value.data(), static_cast<Integer>(value.size()));
  return value;
}

WideString ReadUnits(TStream* AStream, Int64 ACount) {
  WideString value(CheckedCount(AStream, ACount, 2), u'\0');
  AStream->ReadBuffer(value.data(), static_cast<Integer>(value.size() * 2));
  return value;
}

// Nested lists deeper than this are taken for damage: no legitimate value nests so far, and the
// reader must not run out of stack on hostile input.
constexpr int MaxListDepth = 256;

void ReadVariant(TStream* AStream, Variant& AValue, int ADepth);

Variant ReadList(TStream* AStream, int ADepth) {
  if (ADepth >= MaxListDepth) ReadError();
  Int64 count;
  switch (ReadByteFunc(AStream)) {
    case vaInt8: count = ReadShortIntFunc(AStream); break;
    case vaInt16: count = ReadSmallIntFunc(AStream); break;
    case vaInt32: count = ReadIntegerFunc(AStream); break;
    default: count = ReadLargeIntFunc(AStream); break;
  }
  // Every element takes at least its tag byte.
  Integer n = static_cast<Integer>(CheckedCount(AStream, count, 1));
  Variant list = VarArrayCreate({0, n - 1}, varVariant);
  for (Integer i = 0; i < n; ++i) {
    Variant element;
    ReadVariant(AStream, element, ADepth + 1);
    VarArrayPut(list, element, {i});
  }
  return list;
}

void ReadVariant(TStream* AStream, Variant& AValue, int ADepth) {
  switch (ReadByteFunc(AStream)) {
    case vaNull: AValue = Null(); break;
    case vaList: AValue = ReadList(AStream, ADepth); break;
    case vaInt8: AValue = ReadShortIntFunc(AStream); break;
    case vaInt16: AValue = ReadSmallIntFunc(AStream); break;
    case vaInt32: AValue = ReadIntegerFunc(AStream); break;
    case vaExtended: AValue = ReadFloatFunc(AStream); break;
    case vaString: AValue = ReadBytes(AStream, ReadByteFunc(AStream)); break;
    case vaFalse: AValue = false; break;
    case vaTrue: AValue = true; break;
    case vaLString: AValue = ReadStringFunc(AStream); break;
    case vaNil: AValue = Unassigned(); break;
    case vaSingle: AValue = ReadSingleFunc(AStream); break;
    case vaCurrency: AValue = ReadCurrencyFunc(AStream); break;
    case vaDate: AValue = VarFromDateTime(ReadDateTimeFunc(AStream)); break;
    case vaWString: AValue = ReadWideStringFunc(AStream); break;
    case vaInt64: AValue = ReadLargeIntFunc(AStream); break;
    default: ReadError();
  }
}

void WriteTaggedInteger(TStream* AStream, Int64 AValue) {
  if (AValue >= -128 && AValue <= 127) {
    WriteByteProc(AStream, vaInt8);
    WriteShortIntProc(AStream, static_cast<ShortInt>(AValue));
  } else if (AValue >= -32768 && AValue <= 32767) {
    WriteByteProc(AStream, vaInt16);
    WriteSmallIntProc(AStream, static_cast<SmallInt>(AValue));
  } else if (AValue >= INT32_MIN && AValue <= INT32_MAX) {
    WriteByteProc(AStream, vaInt32);
    WriteIntegerProc(AStream, static_cast<Integer>(AValue));
  } else {
    WriteByteProc(AStream, vaInt64);
    WriteLargeIntProc(AStream, AValue);
  }
}

void WriteTaggedString(TStream* AStream, const String& AValue) {
  if (AValue.size() <= 255) {
    WriteByteProc(AStream, vaString);
    WriteByteProc(AStream, static_cast<Byte>(AValue.size()));
    AStream->WriteBuffer(AValue.data(), static_cast<Integer>(AValue.size()));
  } else {
    WriteByteProc(AStream, vaLString);
    WriteStringProc(AStream, AValue);
  }
}

}  // namespace

// ---- Reading ------------------------------------------------------------------------------------------

bool ReadBooleanFunc(TStream* AStream) { return ReadRaw<Byte>(AStream) != 0; }
Char ReadCharFunc(TStream* AStream) { return ReadRaw<Char>(AStream); }
Byte ReadByteFunc(TStream* AStream) { return ReadRaw<Byte>(AStream); }
ShortInt ReadShortIntFunc(TStream* AStream) { return static_cast<ShortInt>(ReadByteFunc(AStream)); }
SmallInt ReadSmallIntFunc(TStream* AStream) { return ReadRaw<SmallInt>(AStream); }
Word ReadWordFunc(TStream* AStream) { return static_cast<Word>(ReadSmallIntFunc(AStream)); }
Integer ReadIntegerFunc(TStream* AStream) { return ReadRaw<Integer>(AStream); }
Cardinal ReadCardinalFunc(TStream* AStream) { return static_cast<Cardinal>(ReadIntegerFunc(AStream)); }
Int64 ReadLargeIntFunc(TStream* AStream) { return ReadRaw<Int64>(AStream); }
Single ReadSingleFunc(TStream* AStream) { return ReadRaw<Single>(AStream); }

Extended ReadFloatFunc(TStream* AStream) {
  Byte bytes[10];
  AStream->ReadBuffer(bytes, sizeof bytes);
  return BytesToExtended(bytes);
}

Currency ReadCurrencyFunc(TStream* AStream) { return Currency::FromRaw(ReadRaw<Int64>(AStream)); }
TDateTime ReadDateTimeFunc(TStream* AStream) { return ReadRaw<double>(AStream); }
String ReadStringFunc(TStream* AStream) { return ReadBytes(AStream, ReadIntegerFunc(AStream)); }
WideString ReadWideStringFunc(TStream* AStream) { return ReadUnits(AStream, ReadIntegerFunc(AStream)); }

Variant ReadVariantFunc(TStream* AStream) {
  Variant value;
  ReadVariant(AStream, value, 0);
  return value;
}

void ReadBooleanProc(TStream* AStream, bool& AValue) { AValue = ReadBooleanFunc(AStream); }
void ReadCharProc(TStream* AStream, Char& AValue) { AValue = ReadCharFunc(AStream); }
void ReadByteProc(TStream* AStream, Byte& AValue) { AValue = ReadByteFunc(AStream); }
void ReadShortIntProc(TStream* AStream, ShortInt& AValue) { AValue = ReadShortIntFunc(AStream); }
void ReadSmallIntProc(TStream* AStream, SmallInt& AValue) { AValue = ReadSmallIntFunc(AStream); }
void ReadWordProc(TStream* AStream, Word& AValue) { AValue = ReadWordFunc(AStream); }
void ReadIntegerProc(TStream* AStream, Integer& AValue) { AValue = ReadIntegerFunc(AStream); }
void ReadCardinalProc(TStream* AStream, Cardinal& AValue) { AValue = ReadCardinalFunc(AStream); }
void ReadLargeIntProc(TStream* AStream, Int64& AValue) { AValue = ReadLargeIntFunc(AStream); }
void ReadSingleProc(TStream* AStream, Single& AValue) { AValue = ReadSingleFunc(AStream); }
void ReadFloatProc(TStream* AStream, Extended& AValue) { AValue = ReadFloatFunc(AStream); }
void ReadCurrencyProc(TStream* AStream, Currency& AValue) { AValue = ReadCurrencyFunc(AStream); }
void ReadDateTimeProc(TStream* AStream, TDateTime& AValue) { AValue = ReadDateTimeFunc(AStream); }
void ReadStringProc(TStream* AStream, String& AValue) { AValue = ReadStringFunc(AStream); }
void ReadWideStringProc(TStream* AStream, WideString& AValue) { AValue = ReadWideStringFunc(AStream); }
void ReadVariantProc(TStream* AStream, Variant& AValue) { AValue = ReadVariantFunc(AStream); }

// ---- Writing ------------------------------------------------------------------------------------------

void WriteBooleanProc(TStream* AStream, bool AValue) { WriteRaw<Byte>(AStream, AValue ? 1 : 0); }
void WriteCharProc(TStream* AStream, Char AValue) { WriteRaw(AStream, AValue); }
void WriteByteProc(TStream* AStream, Byte AValue) { WriteRaw(AStream, AValue); }
void WriteShortIntProc(TStream* AStream, ShortInt AValue) { WriteByteProc(AStream, static_cast<Byte>(AValue)); }
void WriteSmallIntProc(TStream* AStream, SmallInt AValue) { WriteRaw(AStream, AValue); }
void WriteWordProc(TStream* AStream, Word AValue) { WriteSmallIntProc(AStream, static_cast<SmallInt>(AValue)); }
void WriteIntegerProc(TStream* AStream, Integer AValue) { WriteRaw(AStream, AValue); }
void WriteCardinalProc(TStream* AStream, Cardinal AValue) { WriteIntegerProc(AStream, static_cast<Integer>(AValue)); }
void WriteLargeIntProc(TStream* AStream, Int64 AValue) { WriteRaw(AStream, AValue); }
void WriteSingleProc(TStream* AStream, Single AValue) { WriteRaw(AStream, AValue); }

void WriteFloatProc(TStream* AStream, Extended AValue) {
  Byte bytes[10];
  ExtendedToBytes(AValue, bytes);
  AStream->WriteBuffer(bytes, sizeof bytes);
}

void WriteCurrencyProc(TStream* AStream, Currency AValue) { WriteRaw(AStream, AValue.Raw); }
void WriteDateTimeProc(TStream* AStream, TDateTime AValue) { WriteRaw(AStream, AValue); }

void WriteStringProc(TStream* AStream, const String& AValue) {
  if (AValue.size() > static_cast<size_t>(MaxInt)) WriteError();
  WriteIntegerProc(AStream, static_cast<Integer>(AValue.size()));
  AStream->WriteBuffer(AValue.data(), static_cast<Integer>(AValue.size()));
}

void WriteWideStringProc(TStream* AStream, const WideString& AValue) {
  if (AValue.size() > static_cast<size_t>(MaxInt / 2)) WriteError();
  WriteIntegerProc(AStream, static_cast<Integer>(AValue.size()));
  AStream->WriteBuffer(AValue.data(), static_cast<Integer>(AValue.size() * 2));
}

void WriteVariantProc(TStream* AStream, const Variant& AValue) {
  if (VarIsArray(AValue)) {
    if (VarArrayDimCount(AValue) != 1) WriteError();
    Integer low = VarArrayLowBound(AValue, 1), high = VarArrayHighBound(AValue, 1);
    WriteByteProc(AStream, vaList);
    WriteTaggedInteger(AStream, Int64{high} - low + 1);
    for (Integer i = low; i <= high; ++i) WriteVariantProc(AStream, VarArrayGet(AValue, {i}));
    return;
  }
  switch (VarType(AValue) & varTypeMask) {
    case varEmpty: WriteByteProc(AStream, vaNil); return;
    case varNull: WriteByteProc(AStream, vaNull); return;
    case varShortInt:
    case varSmallint:
    case varInteger:
    case varByte:
    case varWord:
    case varLongWord:
    case varInt64: WriteTaggedInteger(AStream, AValue.ToInt64()); return;
    case varSingle:
      WriteByteProc(AStream, vaSingle);
      WriteSingleProc(AStream, static_cast<Single>(AValue.ToDouble()));
      return;
    case varDouble:
      WriteByteProc(AStream, vaExtended);
      WriteFloatProc(AStream, AValue.ToDouble());
      return;
    case varCurrency:
      WriteByteProc(AStream, vaCurrency);
      WriteCurrencyProc(AStream, AValue.ToCurrency());
      return;
    case varDate:
      WriteByteProc(AStream, vaDate);
      WriteDateTimeProc(AStream, AValue.ToDateTime());
      return;
    case varOleStr:
      WriteByteProc(AStream, vaWString);
      WriteWideStringProc(AStream, AValue.ToWideString());
      return;
    case varBoolean: WriteByteProc(AStream, AValue.ToBoolean() ? vaTrue : vaFalse); return;
    case varString: WriteTaggedString(AStream, AValue.ToString()); return;
  }
  if (VarIsSQLTimeStamp(AValue)) {
    WriteByteProc(AStream, vaDate);
    WriteDateTimeProc(AStream, AValue.ToDateTime());
    return;
  }
  String text;
  try {
    text = AValue.ToString();
  } catch (const EVariantError&) {
    WriteError();
  }
  WriteTaggedString(AStream, text);
}

// ---- TcxReader, TcxWriter ---------------------------------------------------------------------------------

bool TcxReader::ReadBoolean() { return ReadBooleanFunc(GetStream()); }
Byte TcxReader::ReadByte() { return ReadByteFunc(GetStream()); }
Cardinal TcxReader::ReadCardinal() { return ReadCardinalFunc(GetStream()); }
Char TcxReader::ReadChar() { return ReadCharFunc(GetStream()); }
Currency TcxReader::ReadCurrency() { return ReadCurrencyFunc(GetStream()); }
TDateTime TcxReader::ReadDateTime() { return ReadDateTimeFunc(GetStream()); }
Extended TcxReader::ReadFloat() { return ReadFloatFunc(GetStream()); }
Integer TcxReader::ReadInteger() { return ReadIntegerFunc(GetStream()); }
Int64 TcxReader::ReadLargeInt() { return ReadLargeIntFunc(GetStream()); }
ShortInt TcxReader::ReadShortInt() { return ReadShortIntFunc(GetStream()); }
Single TcxReader::ReadSingle() { return ReadSingleFunc(GetStream()); }
SmallInt TcxReader::ReadSmallInt() { return ReadSmallIntFunc(GetStream()); }
String TcxReader::ReadString() { return ReadStringFunc(GetStream()); }
Variant TcxReader::ReadVariant() { return ReadVariantFunc(GetStream()); }
WideString TcxReader::ReadWideString() { return ReadWideStringFunc(GetStream()); }
Word TcxReader::ReadWord() { return ReadWordFunc(GetStream()); }

void TcxWriter::WriteBoolean(bool AValue) { WriteBooleanProc(GetStream(), AValue); }
void TcxWriter::WriteByte(Byte AValue) { WriteByteProc(GetStream(), AValue); }
void TcxWriter::WriteCardinal(Cardinal AValue) { WriteCardinalProc(GetStream(), AValue); }
void TcxWriter::WriteChar(Char AValue) { WriteCharProc(GetStream(), AValue); }
void TcxWriter::WriteCurrency(Currency AValue) { WriteCurrencyProc(GetStream(), AValue); }
void TcxWriter::WriteDateTime(TDateTime AValue) { WriteDateTimeProc(GetStream(), AValue); }
void TcxWriter::WriteFloat(Extended AValue) { WriteFloatProc(GetStream(), AValue); }
void TcxWriter::WriteInteger(Integer AValue) { WriteIntegerProc(GetStream(), AValue); }
void TcxWriter::WriteLargeInt(Int64 AValue) { WriteLargeIntProc(GetStream(), AValue); }
void TcxWriter::WriteShortInt(ShortInt AValue) { WriteShortIntProc(GetStream(), AValue); }
void TcxWriter::WriteSingle(Single AValue) { WriteSingleProc(GetStream(), AValue); }
void TcxWriter::WriteSmallInt(SmallInt AValue) { WriteSmallIntProc(GetStream(), AValue); }
void TcxWriter::WriteString(const String& AValue) { WriteStringProc(GetStream(), AValue); }
void TcxWriter::WriteVariant(const Variant& AValue) { WriteVariantProc(GetStream(), AValue); }
void TcxWriter::WriteWideString(const WideString& AValue) { WriteWideStringProc(GetStream(), AValue); }
void TcxWriter::WriteWord(Word AValue) { WriteWordProc(GetStream(), AValue); }

}  // namespace cxVariants
