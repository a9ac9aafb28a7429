// The native forms of field values in an engine record buffer, one per data type:
//   ftString, ftFixedChar, ftWideString  Size bytes of UTF-8 text and a closing 0 (Size + 1 bytes)
//   ftSmallint                           signed 16 bits
//   ftWord                               unsigned 16 bits
//   ftInteger, ftAutoInc                 signed 32 bits
//   ftLargeint                           signed 64 bits
//   ftFloat, ftCurrency                  8-byte double
//   ftBCD, ftFMTBcd                      a TBcd (34 bytes), precision 32, Size digits after the point
//   ftBoolean                            16-bit word, 0 False, anything else True
//   ftDate                               signed 32 bits: days since 0001-01-01 plus one (1899-12-30 is 693594)
//   ftTime                               signed 32 bits: milliseconds since midnight
//   ftDateTime, ftTimeStamp              8-byte double: that day number times 86400000 plus the time's milliseconds
//   ftBytes                              Size bytes
//   ftVarBytes                           a 16-bit length, then Size bytes
//   blobs and memos                      nothing: they are read through the cursor's blob calls
// Whether a field is blank is kept beside the value, not in it.
#pragma once

#include "DB.h"

namespace NativeFields {

// Bytes of the native form (0 for blobs and unknown types).
Integer NativeSize(TFieldType DataType, Integer Size);
bool IsBlobType(TFieldType DataType);
// Writes Value (not Null) in native form; raises EConvertError for a value that does not convert.
void ValueToNative(TFieldType DataType, Integer Size, const Variant& Value, void* Dest);
// The value that a native form holds: Integer, Int64, double, a BCD Variant, Boolean, a date Variant
// or a string (bytes fields: a string of their bytes).
Variant NativeToValue(TFieldType DataType, Integer Size, const void* Source);

}  // namespace NativeFields
