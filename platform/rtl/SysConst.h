// The standard message texts of the runtime library (the class library's own resource strings).
#pragma once

namespace SysConst {

inline constexpr const char* SInvalidInteger = "'%s' is not a valid integer value";
inline constexpr const char* SInvalidFloat = "'%s' is not a valid floating point value";
inline constexpr const char* SInvalidDate = "'%s' is not a valid date";
inline constexpr const char* SInvalidTime = "'%s' is not a valid time";
inline constexpr const char* SInvalidDateTime = "'%s' is not a valid date and time";
inline constexpr const char* SInvalidBoolean = "'%s' is not a valid boolean value";
inline constexpr const char* SInvalidGUID = "'%s' is not a valid GUID value";
inline constexpr const char* SInvalidFormat = "Format '%s' invalid or incompatible with argument";
inline constexpr const char* SArgumentMissing = "No argument for format '%s'";
inline constexpr const char* SDateEncodeError = "Invalid argument to date encode";
inline constexpr const char* STimeEncodeError = "Invalid argument to time encode";
inline constexpr const char* SInvalidCast = "Invalid class typecast";
inline constexpr const char* SAssertionFailed = "Assertion failed";
inline constexpr const char* SAssertError = "%s (%s, line %d)";
inline constexpr const char* SAbstractError = "Abstract Error";
inline constexpr const char* SOperationAborted = "Operation aborted";
inline constexpr const char* SOutOfMemory = "Out of memory";
inline constexpr const char* SDivByZero = "Division by zero";
inline constexpr const char* SRangeError = "Range check error";
inline constexpr const char* SIntOverflow = "Integer overflow";
inline constexpr const char* SOSError = "System Error.  Code: %d.\r\n%s";
inline constexpr const char* SUnkOSError = "A call to an OS function failed";
inline constexpr const char* SInvalidVarCast = "Invalid variant type conversion";
inline constexpr const char* SInvalidVarOp = "Invalid variant operation";
inline constexpr const char* SVarTypeCouldNotConvert = "Could not convert variant of type (%s) into type (%s)";
inline constexpr const char* SVarTypeConvertOverflow = "Overflow while converting variant of type (%s) into type (%s)";
inline constexpr const char* SVarBadType = "Invalid variant type";
inline constexpr const char* SVarArrayBounds = "Variant or safe array index out of bounds";
inline constexpr const char* SVarArrayCreate = "Error creating variant or safe array";
inline constexpr const char* SVarNotArray = "Variant is not an array";
inline constexpr const char* SFalseString = "False";
inline constexpr const char* STrueString = "True";
inline constexpr const char* SBcdOverflow = "BCD overflow";

// Classes (the component and stream layer)
inline constexpr const char* SAssignError = "Cannot assign a %s to a %s";
inline constexpr const char* SFCreateError = "Cannot create file %s";
inline constexpr const char* SFCreateErrorEx = "Cannot create file \"%s\". %s";
inline constexpr const char* SFOpenError = "Cannot open file %s";
inline constexpr const char* SFOpenErrorEx = "Cannot open file \"%s\". %s";
inline constexpr const char* SReadError = "Stream read error";
inline constexpr const char* SWriteError = "Stream write error";
inline constexpr const char* SMemoryStreamError = "Out of memory while expanding memory stream";
inline constexpr const char* SListIndexError = "List index out of bounds (%d)";
inline constexpr const char* SListCapacityError = "List capacity out of bounds (%d)";
inline constexpr const char* SListCountError = "List count out of bounds (%d)";
inline constexpr const char* SSortedListError = "Operation not allowed on sorted list";
inline constexpr const char* SDuplicateString = "String list does not allow duplicates";
inline constexpr const char* SDuplicateName = "A component named %s already exists";
inline constexpr const char* SInvalidName = "'%s' is not a valid component name";
inline constexpr const char* SClassNotFound = "Class %s not found";
inline constexpr const char* SDuplicateClass = "A class named %s already exists";
inline constexpr const char* SMethodNotFound = "Method %s not found";
inline constexpr const char* SResNotFound = "Resource %s not found";
inline constexpr const char* SInvalidImage = "Invalid stream format";
inline constexpr const char* SUnknownProperty = "Property %s does not exist";
inline constexpr const char* SPropertyException = "Error reading %s%s%s: %s";
inline constexpr const char* SInvalidPropertyValue = "Invalid property value";
inline constexpr const char* SReadOnlyProperty = "Property is read-only";
inline constexpr const char* SBitsIndexError = "Bits index out of range";
inline constexpr const char* SIniFileWriteError = "Unable to write to %s";
inline constexpr const char* SRegCreateFailed = "Failed to create key %s";
inline constexpr const char* SRegGetDataFailed = "Failed to get data for '%s'";
inline constexpr const char* SRegSetDataFailed = "Failed to set data for '%s'";
inline constexpr const char* SInvalidRegType = "Invalid data type for '%s'";
inline constexpr const char* SThreadCreateError = "Thread creation error: %s";
inline constexpr const char* SGridIndexOutOfRange = "Grid index out of range";

// Controls
inline constexpr const char* SScrollBarRange = "Scrollbar property out of range";

}  // namespace SysConst
