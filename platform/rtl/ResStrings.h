// Resource strings: texts kept in the module's string table and read by identifier.
//
// A resource string is named in code by a static TResStringRec (the module and the identifier);
// its address is its identity, so code that keeps per-string state (replacement texts) keys it by
// that address. LoadResString reads its text.
//
// String tables are RT_STRING resources compiled into the program (embed_resources ... STRING) in
// this text form, UTF-8, one string a line:
//     65118 "Can't create the registry key: \\%s"
// an identifier (0..65535), blanks, and the text in double quotes, in which \" \\ \n \r and \t
// stand for a quote, a backslash, LF, CR and tab. Blank lines and lines starting with ";" are
// comments. A library that embeds a table names it with RegisterStringTable from its registration
// routine; an identifier found in several tables is taken from the first registered.
#pragma once

#include "System.h"
#include "WinDef.h"

namespace ResStrings {

struct TResStringRec {
  const HINSTANCE* Module;  // the handle of the module that holds the string
  Integer Identifier;
};
using PResStringRec = const TResStringRec*;

// Makes the RT_STRING resource of that name part of the program module's string table (a name
// registered twice counts once). Its text is read at the next lookup; a line that does not follow
// the form above makes that lookup raise EParserError naming the table and the line, and the table
// is then left out (a missing resource likewise raises EResNotFound once).
void RegisterStringTable(const char* ResName);

// The text of the string, or "" when the table has no such string (or ResStringRec is null).
String LoadResString(PResStringRec ResStringRec);
// The text of string Ident of the program's module, or "".
String LoadStr(Integer Ident);
// The system call: copies the text of string `id` of `instance` (null: the program's module) into
// Buffer, cut to BufferMax - 1 bytes at a character boundary, with a terminating zero, and answers
// the bytes copied; 0 when there is no such string or no room (BufferMax < 1 or a null Buffer).
int LoadString(HINSTANCE instance, UINT id, char* Buffer, int BufferMax);
inline int LoadStringA(HINSTANCE instance, UINT id, char* Buffer, int BufferMax) {
  return LoadString(instance, id, Buffer, BufferMax);
}

}  // namespace ResStrings

using namespace ResStrings;
