// Cursor pictures: cursors kept as text resources, turned into the program's cursor resources.
//
// A picture is a "hotspot x y" line and 32 rows of 32 characters, '#' black, 'o' white, '.'
// transparent; blank lines and lines starting with ';' are comments.
#include <cstdio>
#include <cstring>

#include "Exceptions.h"
#include "Format.h"
#include "Resources.h"
#include "Strings.h"
#include "WinCursor.h"

namespace WinCursor {

HCURSOR LoadCursorPicture(HINSTANCE Instance, const char* Name, const char* ResourceType) {
  constexpr int CursorSize = 32;
  TOwnedPtr<Resources::TResourceStream> stream(New<Resources::TResourceStream>(Instance, Name, ResourceType));
  String text(static_cast<const char*>(stream->GetMemory()), static_cast<size_t>(stream->GetSize()));
  BYTE andMask[CursorSize * CursorSize / 8], xorMask[CursorSize * CursorSize / 8];
  std::memset(andMask, 0xFF, sizeof andMask);
  std::memset(xorMask, 0, sizeof xorMask);
  int hotX = -1, hotY = -1, row = 0;
  auto bad = [Name](const char* Why) { return Exception(Format("Cursor picture %s: %s", {Name, Why})); };
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == String::npos) end = text.size();
    String line = TrimRight(text.substr(start, end - start));
    start = end + 1;
    if (line.empty() || line[0] == ';') continue;
    if (line.compare(0, 8, "hotspot ") == 0) {
      if (std::sscanf(line.c_str() + 8, "%d %d", &hotX, &hotY) != 2) throw bad("unreadable hot spot");
      continue;
    }
    if (row >= CursorSize || line.size() != CursorSize) throw bad("a picture of 32 rows of 32 pixels expected");
    for (int x = 0; x < CursorSize; ++x) {
      const char c = line[x];
      if (c == '.') continue;
      if (c != '#' && c != 'o') throw bad("unknown pixel");
      const int index = row * CursorSize / 8 + x / 8;
      const BYTE bit = static_cast<BYTE>(0x80 >> (x % 8));
      andMask[index] &= static_cast<BYTE>(~bit);
      if (c == 'o') xorMask[index] |= bit;
    }
    ++row;
  }
  if (row != CursorSize) throw bad("a picture of 32 rows of 32 pixels expected");
  if (hotX < 0 || hotX >= CursorSize || hotY < 0 || hotY >= CursorSize) throw bad("no hot spot inside the picture");
  RegisterCursorResource(Name, hotX, hotY, andMask, xorMask);
  return LoadCursor(Instance, Name);
}

}  // namespace WinCursor
