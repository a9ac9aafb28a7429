// TReader: the stream buffer and the reading of single values.
#include <cmath>

#include "Collections.h"
#include "Exceptions.h"
#include "Filer.h"
#include "FilerInternal.h"
#include "Multibyte.h"
#include "RtlMath.h"
#include "Streams.h"
#include "SysConst.h"
#include "TypInfo.h"

namespace Filer {

using namespace FilerInternal;

namespace {
// Lists, collections and components nest; a stream nested deeper than this is not a form.
constexpr Integer MaxNesting = 256;

bool IsIntegerKind(TValueType v) { return v == vaInt8 || v == vaInt16 || v == vaInt32 || v == vaInt64; }
}  // namespace

IMPLEMENT_ABSTRACT_CLASS(TReader)

void TReader::Destroy() {
  // The stream is left right after what was read, not where the buffer's read-ahead stopped.
  if (FStream) FlushBuffer();
  inherited::Destroy();
}

// ---- Buffer --------------------------------------------------------------------------------------------
void TReader::ReadBuffer() {
  FBufEnd = FStream->Read(FBuffer.data(), static_cast<Integer>(FBuffer.size()));
  FBufPos = 0;
  if (FBufEnd <= 0) {
    FBufEnd = 0;
    throw EReadError(SysConst::SReadError);
  }
}

void TReader::Read(void* Buf, Integer Count) {
  auto* out = static_cast<Byte*>(Buf);
  while (Count > 0) {
    if (FBufPos == FBufEnd) ReadBuffer();
    Integer n = std::min(Count, FBufEnd - FBufPos);
    std::memcpy(out, FBuffer.data() + FBufPos, static_cast<size_t>(n));
    FBufPos += n;
    out += n;
    Count -= n;
  }
}

void TReader::FlushBuffer() {
  if (FBufEnd > FBufPos) FStream->Seek(-static_cast<Int64>(FBufEnd - FBufPos), soCurrent);
  FBufPos = FBufEnd = 0;
}

Int64 TReader::GetPosition() { return FStream->GetPosition() - (FBufEnd - FBufPos); }

void TReader::SetPosition(Int64 Value) {
  FStream->SetPosition(Value);
  FBufPos = FBufEnd = 0;
}

// A length read from the stream is trusted only as far as the stream holds that many bytes.
Integer TReader::ReadLength() {
  Byte b[4];
  Read(b, 4);
  Integer n = GetLE<Integer>(b);
  if (n < 0 || n > FStream->GetSize() - GetPosition()) throw EReadError(SysConst::SReadError);
  return n;
}

String TReader::ReadBytes(Integer Count) {
  String s(static_cast<size_t>(Count), '\0');
  if (Count > 0) Read(s.data(), Count);
  return s;
}

// ---- Kinds ---------------------------------------------------------------------------------------------
TValueType TReader::NextValue() {
  if (FBufPos == FBufEnd) ReadBuffer();
  Byte b = FBuffer[static_cast<size_t>(FBufPos)];
  if (b > vaUTF8String) throw EReadError(SysConst::SInvalidImage);
  return static_cast<TValueType>(b);
}

TValueType TReader::ReadValue() {
  TValueType v = NextValue();
  ++FBufPos;
  return v;
}

void TReader::CheckValue(TValueType Value) {
  if (ReadValue() != Value) PropValueError();
}

// Only the end marker is tested: a component's prefix byte may follow instead.
bool TReader::EndOfList() {
  if (FBufPos == FBufEnd) ReadBuffer();
  return FBuffer[static_cast<size_t>(FBufPos)] == vaNull;
}

void TReader::ReadListBegin() { CheckValue(vaList); }

void TReader::ReadListEnd() { CheckValue(vaNull); }

void TReader::PropValueError() { throw EReadError(SysConst::SInvalidPropertyValue); }

// ---- Values -------------------------------------------------------------------------------------------
bool TReader::ReadBoolean() {
  switch (ReadValue()) {
    case vaTrue: return true;
    case vaFalse: return false;
    default: PropValueError();
  }
}

Int64 TReader::ReadInt64() {
  Byte b[8];
  switch (ReadValue()) {
    case vaInt8: Read(b, 1); return static_cast<int8_t>(b[0]);
    case vaInt16: Read(b, 2); return GetLE<int16_t>(b);
    case vaInt32: Read(b, 4); return GetLE<int32_t>(b);
    case vaInt64: Read(b, 8); return GetLE<Int64>(b);
    default: PropValueError();
  }
}

Integer TReader::ReadInteger() {
  if (!IsIntegerKind(NextValue())) {
    ReadValue();
    PropValueError();
  }
  Int64 v = ReadInt64();
  if (v < INT32_MIN || v > INT32_MAX) PropValueError();
  return static_cast<Integer>(v);
}

Extended TReader::ReadFloat() {
  TValueType kind = NextValue();
  if (IsIntegerKind(kind)) return static_cast<Extended>(ReadInt64());
  Byte b[10];
  switch (ReadValue()) {
    case vaExtended: Read(b, 10); return BytesToExtended(b);
    case vaSingle: {
      Read(b, 4);
      float f;
      uint32_t u = GetLE<uint32_t>(b);
      std::memcpy(&f, &u, 4);
      return f;
    }
    case vaDate: {
      Read(b, 8);
      double d;
      UInt64 u = GetLE<UInt64>(b);
      std::memcpy(&d, &u, 8);
      return d;
    }
    case vaCurrency: Read(b, 8); return Currency::FromRaw(GetLE<Int64>(b)).ToDouble();
    default: PropValueError();
  }
}

Single TReader::ReadSingle() { return static_cast<Single>(ReadFloat()); }

Currency TReader::ReadCurrency() {
  if (NextValue() == vaCurrency) {
    ReadValue();
    Byte b[8];
    Read(b, 8);
    return Currency::FromRaw(GetLE<Int64>(b));
  }
  return Currency::FromDouble(ReadFloat());
}

TDateTime TReader::ReadDate() { return ReadFloat(); }

String TReader::ReadStr() {
  Byte n;
  Read(&n, 1);
  return ReadBytes(n);
}

String TReader::ReadIdent() {
  switch (ReadValue()) {
    case vaIdent: return ReadStr();
    case vaFalse: return "False";
    case vaTrue: return "True";
    case vaNil: return "nil";
    case vaNull: return "Null";
    default: PropValueError();
  }
}

String TReader::ReadString() {
  switch (ReadValue()) {
    case vaString: return ReadStr();
    case vaLString:
    case vaUTF8String: return ReadBytes(ReadLength());
    case vaWString: {
      Integer count = ReadLength();
      WideString w(static_cast<size_t>(count), u'\0');
      for (auto& unit : w) {
        Byte b[2];
        Read(b, 2);
        unit = static_cast<char16_t>(GetLE<uint16_t>(b));
      }
      return WideToUtf8(w);
    }
    default: PropValueError();
  }
}

WideString TReader::ReadWideString() { return Utf8ToWide(ReadString()); }

Char TReader::ReadChar() {
  String s = ReadString();
  if (s.size() != 1) PropValueError();
  return s[0];
}

WideChar TReader::ReadWideChar() {
  WideString s = ReadWideString();
  if (s.size() != 1) PropValueError();
  return s[0];
}

UInt64 TReader::ReadSet(const TTypeInfo* SetType) {
  CheckValue(vaSet);
  UInt64 result = 0;
  String bad;
  for (String name = ReadStr(); !name.empty(); name = ReadStr()) {
    Integer v = GetEnumValue(SetType->CompType, name);
    if (v < 0 || v >= 64) {
      if (bad.empty()) bad = name;
    } else {
      result |= UInt64{1} << v;
    }
  }
  // The whole set is read before complaining, so that the stream stays in step.
  if (!bad.empty()) throw EReadError(String(SysConst::SInvalidPropertyValue) + ": " + bad);
  return result;
}

void TReader::ReadCollection(TCollection* Collection) {
  Nest();
  struct Leave {
    TReader* r;
    ~Leave() { --r->FDepth; }
  } leave{this};
  Collection->BeginUpdate();
  try {
    if (!EndOfList()) Collection->Clear();
    while (!EndOfList()) {
      if (IsIntegerKind(NextValue())) ReadInteger();  // the order number is not needed to rebuild
      TCollectionItem* item = Collection->Add();
      ReadListBegin();
      while (!EndOfList()) ReadProperty(item);
      ReadListEnd();
    }
    ReadListEnd();
  } catch (...) {
    Collection->EndUpdate();
    throw;
  }
  Collection->EndUpdate();
}

void TReader::Nest() {
  if (++FDepth > MaxNesting) {
    --FDepth;
    throw EReadError(SysConst::SInvalidImage);
  }
}

// ---- Skipping and copying ---------------------------------------------------------------------------------
void TReader::SkipValue() {
  Byte b[10];
  switch (ReadValue()) {
    case vaNull:
    case vaFalse:
    case vaTrue:
    case vaNil: break;
    case vaList: {
      Nest();
      while (!EndOfList()) SkipValue();
      ReadListEnd();
      --FDepth;
      break;
    }
    case vaInt8: Read(b, 1); break;
    case vaInt16: Read(b, 2); break;
    case vaInt32:
    case vaSingle: Read(b, 4); break;
    case vaInt64:
    case vaCurrency:
    case vaDate: Read(b, 8); break;
    case vaExtended: Read(b, 10); break;
    case vaString:
    case vaIdent: ReadStr(); break;
    case vaBinary:
    case vaLString:
    case vaUTF8String: SetPosition(GetPosition() + ReadLength()); break;
    case vaWString: {
      Int64 units = ReadLength();
      if (units * 2 > FStream->GetSize() - GetPosition()) throw EReadError(SysConst::SReadError);
      SetPosition(GetPosition() + units * 2);
      break;
    }
    case vaSet:
      while (!ReadStr().empty()) {
      }
      break;
    case vaCollection: {
      Nest();
      while (!EndOfList()) {
        if (IsIntegerKind(NextValue())) SkipValue();
        ReadListBegin();
        while (!EndOfList()) SkipProperty();
        ReadListEnd();
      }
      ReadListEnd();
      --FDepth;
      break;
    }
  }
}

void TReader::SkipProperty() {
  ReadStr();
  SkipValue();
}

void TReader::CopyValue(TWriter* Writer) {
  Int64 start = GetPosition();
  SkipValue();
  Int64 end = GetPosition();
  SetPosition(start);
  String bytes = ReadBytes(static_cast<Integer>(end - start));
  Writer->Write(bytes.data(), static_cast<Integer>(bytes.size()));
}

}  // namespace Filer
