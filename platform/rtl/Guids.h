// Globally unique identifiers: the 16-byte TGUID record, its braced text form
// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", and fresh random identifiers.
#pragma once

#include <cstdint>
#include <string_view>

#include "System.h"
#include "WinDef.h"

namespace Guids {

// Field order and widths of the platform's record: a 32-bit, two 16-bit and eight single bytes.
struct TGUID {
  uint32_t D1 = 0;
  uint16_t D2 = 0;
  uint16_t D3 = 0;
  uint8_t D4[8] = {};
  friend constexpr bool operator==(const TGUID& a, const TGUID& b) {
    if (a.D1 != b.D1 || a.D2 != b.D2 || a.D3 != b.D3) return false;
    for (int i = 0; i < 8; ++i)
      if (a.D4[i] != b.D4[i]) return false;
    return true;
  }
  // Any strict order (by the fields in turn), so that GUIDs can key sorted tables.
  friend constexpr bool operator<(const TGUID& a, const TGUID& b) {
    if (a.D1 != b.D1) return a.D1 < b.D1;
    if (a.D2 != b.D2) return a.D2 < b.D2;
    if (a.D3 != b.D3) return a.D3 < b.D3;
    for (int i = 0; i < 8; ++i)
      if (a.D4[i] != b.D4[i]) return a.D4[i] < b.D4[i];
    return false;
  }
};
using GUID = TGUID;

inline constexpr TGUID GUID_NULL{};

// Parses the braced text form (hex digits of either case). False, with `out` untouched, for any
// other text. Usable at compile time, which is how interface identifiers are written.
constexpr bool TryTextToGUID(std::string_view text, TGUID& out) {
  if (text.size() != 38 || text[0] != '{' || text[37] != '}') return false;
  auto nibble = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
  };
  uint8_t bytes[16] = {};
  int n = 0;
  for (size_t i = 1; i < 37; ++i) {
    if (i == 9 || i == 14 || i == 19 || i == 24) {
      if (text[i] != '-') return false;
      continue;
    }
    int hi = nibble(text[i]), lo = nibble(text[i + 1]);
    if (hi < 0 || lo < 0 || i + 1 == 9 || i + 1 == 14 || i + 1 == 19 || i + 1 == 24) return false;
    bytes[n++] = static_cast<uint8_t>(hi * 16 + lo);
    ++i;
  }
  TGUID g;
  g.D1 = (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) | (uint32_t{bytes[2]} << 8) | bytes[3];
  g.D2 = static_cast<uint16_t>((bytes[4] << 8) | bytes[5]);
  g.D3 = static_cast<uint16_t>((bytes[6] << 8) | bytes[7]);
  for (int i = 0; i < 8; ++i) g.D4[i] = bytes[8 + i];
  out = g;
  return true;
}

// A GUID constant from its text: `constexpr TGUID IID_IFoo = "{...}"_guid;` (bad text does not compile).
consteval TGUID operator""_guid(const char* text, size_t length) {
  TGUID g;
  if (!TryTextToGUID(std::string_view(text, length), g)) throw "malformed GUID text";
  return g;
}

// A new random identifier (version 4, variant 1). S_OK, or E_FAIL when the system has no randomness.
HRESULT CreateGUID(TGUID& guid);
HRESULT CoCreateGuid(TGUID* guid);
// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper-case hex.
String GUIDToString(const TGUID& guid);
// The inverse of GUIDToString (either case); EConvertError "'%s' is not a valid GUID value" otherwise.
TGUID StringToGUID(const String& text);
inline bool IsEqualGUID(const TGUID& a, const TGUID& b) { return a == b; }

}  // namespace Guids

using namespace Guids;
