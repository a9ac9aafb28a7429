#include "ResStrings.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "Exceptions.h"
#include "Format.h"
#include "Multibyte.h"
#include "Resources.h"
#include "Strings.h"
#include "SysConst.h"

namespace ResStrings {

namespace {

struct TStringTable {
  std::mutex Lock;
  std::vector<String> Names;  // registered, in order
  size_t Read = 0;            // how many of Names are merged into Strings
  std::unordered_map<UINT, String> Strings;
};

TStringTable& Table() {
  static TStringTable table;
  return table;
}

[[noreturn]] void BadLine(const String& name, int line, const char* why) {
  throw EParserError(Format("String table %s, line %d: %s", {name, line, why}));
}

// One table's text into `out`; strings already in `out` stay.
void ParseTable(const String& name, const char* p, const char* end, std::unordered_map<UINT, String>& out) {
  int line = 0;
  while (p < end) {
    const char* eol = std::find(p, end, '\n');
    ++line;
    const char* q = p;
    p = eol < end ? eol + 1 : end;
    auto skipBlanks = [&] {
      while (q < eol && (*q == ' ' || *q == '\t' || *q == '\r')) ++q;
    };
    skipBlanks();
    if (q == eol || *q == ';') continue;
    if (*q < '0' || *q > '9') BadLine(name, line, "an identifier must start the line");
    UINT id = 0;
    while (q < eol && *q >= '0' && *q <= '9') {
      id = id * 10 + static_cast<UINT>(*q++ - '0');
      if (id > 0xFFFF) BadLine(name, line, "the identifier is above 65535");
    }
    skipBlanks();
    if (q == eol || *q != '"') BadLine(name, line, "the text must be in double quotes");
    ++q;
    String text;
    bool closed = false;
    while (q < eol) {
      char c = *q++;
      if (c == '"') {
        closed = true;
        break;
      }
      if (c == '\\') {
        if (q == eol) break;
        switch (char e = *q++) {
          case 'n': text += '\n'; break;
          case 'r': text += '\r'; break;
          case 't': text += '\t'; break;
          case '"':
          case '\\': text += e; break;
          default: BadLine(name, line, "unknown escape in the text");
        }
      } else {
        text += c;
      }
    }
    if (!closed) BadLine(name, line, "the text has no closing quote");
    skipBlanks();
    if (q != eol) BadLine(name, line, "text after the closing quote");
    out.emplace(id, std::move(text));
  }
}

// Merges the tables registered since the last lookup. Call with the lock held. A table that
// cannot be read is reported once and then left out, so that the other tables stay readable.
void ReadNewTables(TStringTable& t) {
  while (t.Read < t.Names.size()) {
    const String name = t.Names[t.Read++];
    HRSRC info = FindResource(HInstance, name.c_str(), RT_STRING);
    if (!info) throw EResNotFound(Format(SysConst::SResNotFound, {name}));
    auto data = static_cast<const char*>(LockResource(LoadResource(HInstance, info)));
    std::unordered_map<UINT, String> strings;
    ParseTable(name, data, data + SizeofResource(HInstance, info), strings);
    for (auto& [id, text] : strings) t.Strings.emplace(id, std::move(text));
  }
}

bool FindString(HINSTANCE instance, UINT id, String& text) {
  if (instance && instance != HInstance) return false;
  TStringTable& t = Table();
  std::lock_guard guard(t.Lock);
  ReadNewTables(t);
  auto at = t.Strings.find(id);
  if (at == t.Strings.end()) return false;
  text = at->second;
  return true;
}

}  // namespace

void RegisterStringTable(const char* ResName) {
  if (!ResName || !*ResName) return;
  TStringTable& t = Table();
  std::lock_guard guard(t.Lock);
  String name = UpperCase(ResName);
  if (std::find(t.Names.begin(), t.Names.end(), name) == t.Names.end()) t.Names.push_back(name);
}

String LoadResString(PResStringRec ResStringRec) {
  String text;
  if (ResStringRec && ResStringRec->Module)
    FindString(*ResStringRec->Module, static_cast<UINT>(ResStringRec->Identifier), text);
  return text;
}

String LoadStr(Integer Ident) {
  String text;
  FindString(HInstance, static_cast<UINT>(Ident), text);
  return text;
}

int LoadString(HINSTANCE instance, UINT id, char* Buffer, int BufferMax) {
  if (!Buffer || BufferMax < 1) return 0;
  String text;
  if (!FindString(instance, id, text)) {
    Buffer[0] = '\0';
    return 0;
  }
  size_t n = CharBoundaryBefore(text, static_cast<size_t>(BufferMax - 1));
  std::memcpy(Buffer, text.data(), n);
  Buffer[n] = '\0';
  return static_cast<int>(n);
}

}  // namespace ResStrings
