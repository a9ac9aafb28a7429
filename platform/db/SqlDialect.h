// The application's SQL dialect on SQLite. Statements keep their text; only what SQLite cannot
// parse is rewritten, by a tokenizer that never looks inside quoted text or comments:
//   [name]             a bracketed name becomes "name"
//   "text"             a double-quoted string becomes 'text'
//   SELECT TOP n ...   (also after DISTINCT or ALL) becomes SELECT ... LIMIT n
// Functions the dialect has and SQLite lacks are registered in every connection (SqlFunctions.h).
#pragma once

#include <vector>

#include "System.h"

namespace SqlDialect {

String TranslateSql(const String& Sql);
// The names of the ":name" parameters of a statement, each once, in order of appearance.
std::vector<String> ParameterNames(const String& Sql);

}  // namespace SqlDialect
