// The message texts of the dataset unit and the database components.
#pragma once

namespace DBConsts {

inline constexpr const char* SFieldNotFound = "Field '%s' not found";
inline constexpr const char* SDataSetOpen = "Cannot perform this operation on an open dataset";
inline constexpr const char* SDataSetClosed = "Cannot perform this operation on a closed dataset";
inline constexpr const char* SNotEditing = "Dataset not in edit or insert mode";
inline constexpr const char* SDataSetReadOnly = "Cannot modify a read-only dataset";
inline constexpr const char* SFieldReadOnly = "Field '%s' cannot be modified";
inline constexpr const char* SDataSetEmpty = "Cannot perform this operation on an empty dataset";
inline constexpr const char* SRecordNotFound = "Record not found";
inline constexpr const char* SFieldRequired = "Field '%s' must have a value";
inline constexpr const char* SFieldAccessError = "Cannot access field '%s' as type %s";
inline constexpr const char* SFieldRangeError = "%s is not a valid value for field '%s'. The allowed range is %s to %s";
inline constexpr const char* SFieldOutOfRange = "Value of field '%s' is out of range";
inline constexpr const char* SInvalidFieldValue = "Invalid value for field '%s'";
inline constexpr const char* SNotBoolean = "'%s' is not a valid boolean value for field '%s'";
inline constexpr const char* SCircularDataLink = "Circular datalinks are not allowed";
inline constexpr const char* SDuplicateFieldName = "Duplicate field name '%s'";
inline constexpr const char* SFieldIndexError = "Field index out of range";
inline constexpr const char* SLookupInfoError = "Lookup information for field '%s' is incomplete";
inline constexpr const char* SInvalidBookmark = "Invalid bookmark";
inline constexpr const char* SMissingConnection = "Missing Connection or ConnectionString";
inline constexpr const char* SMissingSQL = "Missing SQL property";
inline constexpr const char* SNoResultSet = "CommandText does not return a result set";
inline constexpr const char* SParameterNotFound = "Parameter '%s' not found";
inline constexpr const char* SDatabaseFileMissing = "Could not find file '%s'.";
inline constexpr const char* SNotADatabase = "Unrecognized database format '%s'.";
inline constexpr const char* SWrongPassword = "Not a valid password.";
inline constexpr const char* SDatabaseExists = "The file '%s' already exists.";
inline constexpr const char* STrailingCharacters = "Characters found after end of SQL statement.";
inline constexpr const char* SNoActiveTransaction = "No transaction is active.";
inline constexpr const char* STextTrue = "True";
inline constexpr const char* STextFalse = "False";
inline constexpr const char* SDeleteRecordQuestion = "Delete record?";
inline constexpr const char* SDeleteMultipleRecordsQuestion = "Delete all selected records?";

}  // namespace DBConsts
