// TWriter: the stream buffer and the writing of single values.
#include "Collections.h"
#include "Exceptions.h"
#include "Filer.h"
#include "FilerInternal.h"
#include "Multibyte.h"
#include "RtlMath.h"
#include "Streams.h"
#include "Strings.h"
#include "SysConst.h"
#include "TypInfo.h"

namespace Filer {

using namespace FilerInternal;

IMPLEMENT_ABSTRACT_CLASS(TWriter)

void TWriter::Destroy() {
  if (FStream) WriteBuffer();
  inherited::Destroy();
}

// ---- Buffer --------------------------------------------------------------------------------------------
void TWriter::WriteBuffer() {
  if (FBufPos > 0) FStream->WriteBuffer(FBuffer.data(), FBufPos);
  FBufPos = 0;
}

void TWriter::FlushBuffer() { WriteBuffer(); }

void TWriter::Write(const void* Buf, Integer Count) {
  auto* in = static_cast<const Byte*>(Buf);
  while (Count > 0) {
    if (FBufPos == static_cast<Integer>(FBuffer.size())) {
      if (FHoldBuffer > 0) FBuffer.resize(FBuffer.size() * 2);
      else WriteBuffer();
    }
    Integer n = std::min(Count, static_cast<Integer>(FBuffer.size()) - FBufPos);
    std::memcpy(FBuffer.data() + FBufPos, in, static_cast<size_t>(n));
    FBufPos += n;
    in += n;
    Count -= n;
  }
}

Int64 TWriter::GetPosition() { return FStream->GetPosition() + FBufPos; }

void TWriter::SetPosition(Int64 Value) {
  Int64 streamPos = FStream->GetPosition();
  // Moving back within the buffer only drops what was buffered after that point.
  if (Value >= streamPos && Value <= streamPos + FBufPos) {
    FBufPos = static_cast<Integer>(Value - streamPos);
  } else {
    WriteBuffer();
    FStream->SetPosition(Value);
  }
}

void TWriter::WriteByte(Byte Value) { Write(&Value, 1); }

void TWriter::WriteLength(Integer Value) {
  Byte b[4];
  PutLE<Integer>(b, Value);
  Write(b, 4);
}

// ---- Values -------------------------------------------------------------------------------------------
void TWriter::WriteValue(TValueType Value) { WriteByte(Value); }

void TWriter::WriteListBegin() { WriteValue(vaList); }

void TWriter::WriteListEnd() { WriteValue(vaNull); }

void TWriter::WriteBoolean(bool Value) { WriteValue(Value ? vaTrue : vaFalse); }

void TWriter::WriteInteger(Integer Value) { WriteInteger(static_cast<Int64>(Value)); }

void TWriter::WriteInteger(Int64 Value) {
  Byte b[8];
  if (Value >= INT8_MIN && Value <= INT8_MAX) {
    WriteValue(vaInt8);
    WriteByte(static_cast<Byte>(static_cast<int8_t>(Value)));
  } else if (Value >= INT16_MIN && Value <= INT16_MAX) {
    WriteValue(vaInt16);
    PutLE<int16_t>(b, static_cast<int16_t>(Value));
    Write(b, 2);
  } else if (Value >= INT32_MIN && Value <= INT32_MAX) {
    WriteValue(vaInt32);
    PutLE<int32_t>(b, static_cast<int32_t>(Value));
    Write(b, 4);
  } else {
    WriteValue(vaInt64);
    PutLE<Int64>(b, Value);
    Write(b, 8);
  }
}

void TWriter::WriteFloat(Extended Value) {
  Byte b[10];
  ExtendedToBytes(Value, b);
  WriteValue(vaExtended);
  Write(b, 10);
}

void TWriter::WriteSingle(Single Value) {
  uint32_t u;
  std::memcpy(&u, &Value, 4);
  Byte b[4];
  PutLE<uint32_t>(b, u);
  WriteValue(vaSingle);
  Write(b, 4);
}

void TWriter::WriteCurrency(Currency Value) {
  Byte b[8];
  PutLE<Int64>(b, Value.Raw);
  WriteValue(vaCurrency);
  Write(b, 8);
}

void TWriter::WriteDate(TDateTime Value) {
  UInt64 u;
  std::memcpy(&u, &Value, 8);
  Byte b[8];
  PutLE<UInt64>(b, u);
  WriteValue(vaDate);
  Write(b, 8);
}

void TWriter::WriteStr(const String& Value) {
  if (Value.size() > 255) throw EWriteError("Name too long for the object stream: " + Value.substr(0, 64));
  WriteByte(static_cast<Byte>(Value.size()));
  Write(Value.data(), static_cast<Integer>(Value.size()));
}

void TWriter::WriteIdent(const String& Ident) {
  if (SameText(Ident, "False")) WriteValue(vaFalse);
  else if (SameText(Ident, "True")) WriteValue(vaTrue);
  else if (SameText(Ident, "nil")) WriteValue(vaNil);
  else {
    WriteValue(vaIdent);
    WriteStr(Ident);
  }
}

void TWriter::WriteString(const String& Value) {
  if (Value.size() <= 255) {
    WriteValue(vaString);
    WriteStr(Value);
  } else {
    WriteValue(vaLString);
    WriteLength(static_cast<Integer>(Value.size()));
    Write(Value.data(), static_cast<Integer>(Value.size()));
  }
}

void TWriter::WriteUTF8Str(const String& Value) {
  WriteValue(vaUTF8String);
  WriteLength(static_cast<Integer>(Value.size()));
  Write(Value.data(), static_cast<Integer>(Value.size()));
}

void TWriter::WriteWideString(const WideString& Value) {
  WriteValue(vaWString);
  WriteLength(static_cast<Integer>(Value.size()));
  for (char16_t unit : Value) {
    Byte b[2];
    PutLE<uint16_t>(b, unit);
    Write(b, 2);
  }
}

void TWriter::WriteChar(Char Value) { WriteString(String(1, Value)); }

void TWriter::WriteWideChar(WideChar Value) { WriteWideString(WideString(1, Value)); }

void TWriter::WriteSet(const TTypeInfo* SetType, UInt64 Value) {
  WriteValue(vaSet);
  const TTypeInfo* member = SetType->CompType;
  for (size_t i = 0; i < member->Names.size() && i < 64; ++i)
    if (Value & (UInt64{1} << i)) WriteStr(member->Names[i]);
  WriteStr(String());
}

void TWriter::WriteCollection(TCollection* Value) {
  // Items are written whole: an inherited collection is never compared item by item.
  TPersistent* oldAncestor = FAncestor;
  String oldPath = FPropPath;
  FAncestor = nullptr;
  FPropPath.clear();
  try {
    WriteValue(vaCollection);
    if (Value)
      for (Integer i = 0; i < Value->Count(); ++i) {
        WriteListBegin();
        WriteProperties(Value->GetItem(i));
        WriteListEnd();
      }
    WriteListEnd();
  } catch (...) {
    FAncestor = oldAncestor;
    FPropPath = oldPath;
    throw;
  }
  FAncestor = oldAncestor;
  FPropPath = oldPath;
}

void TWriter::WriteBinary(TStreamProc WriteData) {
  TMemoryStream* data = New<TMemoryStream>();
  try {
    WriteData(data);
    WriteValue(vaBinary);
    Integer size = static_cast<Integer>(data->GetSize());
    WriteLength(size);
    Write(data->GetMemory(), size);
  } catch (...) {
    data->Free();
    throw;
  }
  data->Free();
}

}  // namespace Filer
