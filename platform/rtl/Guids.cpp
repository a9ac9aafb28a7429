#include "Guids.h"

#include <sys/random.h>

#include <cerrno>
#include <cstdio>

#include "Exceptions.h"
#include "SysConst.h"

namespace Guids {

HRESULT CreateGUID(TGUID& guid) {
  uint8_t b[16];
  size_t got = 0;
  while (got < sizeof b) {
    ssize_t n = getrandom(b + got, sizeof b - got, 0);
    if (n < 0) {
      if (errno == EINTR) continue;
      return E_FAIL;
    }
    got += static_cast<size_t>(n);
  }
  b[6] = static_cast<uint8_t>((b[6] & 0x0F) | 0x40);  // version 4: random
  b[8] = static_cast<uint8_t>((b[8] & 0x3F) | 0x80);  // variant 1 (10xx)
  guid.D1 = (uint32_t{b[0]} << 24) | (uint32_t{b[1]} << 16) | (uint32_t{b[2]} << 8) | b[3];
  guid.D2 = static_cast<uint16_t>((b[4] << 8) | b[5]);
  guid.D3 = static_cast<uint16_t>((b[6] << 8) | b[7]);
  for (int i = 0; i < 8; ++i) guid.D4[i] = b[8 + i];
  return S_OK;
}

HRESULT CoCreateGuid(TGUID* guid) {
  if (!guid) return E_INVALIDARG;
  return CreateGUID(*guid);
}

String GUIDToString(const TGUID& g) {
  char text[39];
  std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.D1, g.D2, g.D3,
                g.D4[0], g.D4[1], g.D4[2], g.D4[3], g.D4[4], g.D4[5], g.D4[6], g.D4[7]);
  return text;
}

TGUID StringToGUID(const String& text) {
  TGUID g;
  if (!TryTextToGUID(text, g)) {
    const String pattern = SysConst::SInvalidGUID;
    size_t at = pattern.find("%s");
    throw EConvertError(pattern.substr(0, at) + text + pattern.substr(at + 2));
  }
  return g;
}

}  // namespace Guids
