#include "NativeFields.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "DateTime.h"
#include "FmtBcd.h"

namespace NativeFields {

namespace {

template <typename T>
void Put(void* Dest, T Value) {
  std::memcpy(Dest, &Value, sizeof(T));
}

template <typename T>
T Get(const void* Source) {
  T value;
  std::memcpy(&value, Source, sizeof(T));
  return value;
}

// At most Limit bytes of Text, not ending inside a UTF-8 sequence.
size_t CutLength(const String& Text, size_t Limit) {
  if (Text.size() <= Limit) return Text.size();
  size_t n = Limit;
  while (n > 0 && (static_cast<unsigned char>(Text[n]) & 0xC0) == 0x80) --n;
  return n;
}

double DateTimeToMSecs(TDateTime Value) {
  TTimeStamp stamp = DateTimeToTimeStamp(Value);
  return static_cast<double>(stamp.Date) * MSecsPerDay + stamp.Time;
}

TDateTime MSecsToDateTime(double MSecs) {
  TTimeStamp stamp;
  double days = std::floor(MSecs / MSecsPerDay);
  stamp.Date = static_cast<Integer>(days);
  stamp.Time = static_cast<Integer>(std::llround(MSecs - days * MSecsPerDay));
  return TimeStampToDateTime(stamp);
}

}  // namespace

bool IsBlobType(TFieldType DataType) {
  switch (DataType) {
    case ftBlob: case ftMemo: case ftGraphic: case ftFmtMemo: case ftParadoxOle: case ftDBaseOle:
    case ftTypedBinary: case ftOraBlob: case ftOraClob:
      return true;
    default:
      return false;
  }
}

Integer NativeSize(TFieldType DataType, Integer Size) {
  switch (DataType) {
    case ftString: case ftFixedChar: case ftWideString: return Size + 1;
    case ftSmallint: case ftWord: case ftBoolean: return 2;
    case ftInteger: case ftAutoInc: case ftDate: case ftTime: return 4;
    case ftLargeint: case ftFloat: case ftCurrency: case ftDateTime: case ftTimeStamp: return 8;
    case ftBCD: case ftFMTBcd: return static_cast<Integer>(sizeof(TBcd));
    case ftBytes: return Size;
    case ftVarBytes: return Size + 2;
    default: return 0;
  }
}

void ValueToNative(TFieldType DataType, Integer Size, const Variant& Value, void* Dest) {
  switch (DataType) {
    case ftString: case ftFixedChar: case ftWideString: {
      String text = VarToStr(Value);
      size_t n = CutLength(text, static_cast<size_t>(Size));
      std::memset(Dest, 0, static_cast<size_t>(Size) + 1);
      std::memcpy(Dest, text.data(), n);
      return;
    }
    case ftSmallint: Put<int16_t>(Dest, static_cast<int16_t>(Value.ToInteger())); return;
    case ftWord: Put<uint16_t>(Dest, static_cast<uint16_t>(Value.ToInteger())); return;
    case ftBoolean: Put<uint16_t>(Dest, Value.ToBoolean() ? 1 : 0); return;
    case ftInteger: case ftAutoInc: Put<int32_t>(Dest, Value.ToInteger()); return;
    case ftLargeint: Put<int64_t>(Dest, Value.ToInt64()); return;
    case ftFloat: case ftCurrency: Put<double>(Dest, Value.ToDouble()); return;
    case ftDate: Put<int32_t>(Dest, DateTimeToTimeStamp(VarToDateTime(Value)).Date); return;
    case ftTime: Put<int32_t>(Dest, DateTimeToTimeStamp(VarToDateTime(Value)).Time); return;
    case ftDateTime: case ftTimeStamp: Put<double>(Dest, DateTimeToMSecs(VarToDateTime(Value))); return;
    case ftBCD: case ftFMTBcd: {
      TBcd bcd;
      if (!NormalizeBcd(VarToBcd(Value), bcd, MaxFMTBcdDigits, Size)) throw EBcdOverflowException("BCD overflow");
      Put<TBcd>(Dest, bcd);
      return;
    }
    case ftBytes: case ftVarBytes: {
      String bytes = VarToStr(Value);
      size_t n = std::min(bytes.size(), static_cast<size_t>(Size));
      Byte* data = static_cast<Byte*>(Dest);
      if (DataType == ftVarBytes) {
        Put<uint16_t>(data, static_cast<uint16_t>(n));
        data += 2;
      }
      std::memset(data, 0, static_cast<size_t>(Size));
      std::memcpy(data, bytes.data(), n);
      return;
    }
    default:
      throw EConvertError("Field type has no native form");
  }
}

Variant NativeToValue(TFieldType DataType, Integer Size, const void* Source) {
  switch (DataType) {
    case ftString: case ftFixedChar: case ftWideString: {
      const char* text = static_cast<const char*>(Source);
      return String(text, strnlen(text, static_cast<size_t>(Size)));
    }
    case ftSmallint: return Integer(Get<int16_t>(Source));
    case ftWord: return Integer(Get<uint16_t>(Source));
    case ftBoolean: return Get<uint16_t>(Source) != 0;
    case ftInteger: case ftAutoInc: return Integer(Get<int32_t>(Source));
    case ftLargeint: return Int64(Get<int64_t>(Source));
    case ftFloat: case ftCurrency: return Get<double>(Source);
    case ftDate: return VarFromDateTime(TimeStampToDateTime(TTimeStamp{0, Get<int32_t>(Source)}));
    case ftTime: return VarFromDateTime(TimeStampToDateTime(TTimeStamp{Get<int32_t>(Source), DateDelta}));
    case ftDateTime: case ftTimeStamp: return VarFromDateTime(MSecsToDateTime(Get<double>(Source)));
    case ftBCD: case ftFMTBcd: return VarFMTBcdCreate(Get<TBcd>(Source));
    case ftBytes: return String(static_cast<const char*>(Source), static_cast<size_t>(Size));
    case ftVarBytes: {
      size_t n = std::min<size_t>(Get<uint16_t>(Source), static_cast<size_t>(Size));
      return String(static_cast<const char*>(Source) + 2, n);
    }
    default:
      throw EConvertError("Field type has no native form");
  }
}

}  // namespace NativeFields
