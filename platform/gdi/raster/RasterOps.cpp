#include "RasterOps.h"

namespace RasterOps {

uint32_t Rop2(int mode, uint32_t pen, uint32_t dest) {
  switch (mode) {  // the common modes directly; the rest from the truth table
    case 13: return pen;           // R2_COPYPEN
    case 7: return pen ^ dest;     // R2_XORPEN
    case 6: return ~dest;          // R2_NOT
    case 11: return dest;          // R2_NOP
    default: break;
  }
  unsigned t = static_cast<unsigned>(mode - 1) & 0xF;
  uint32_t r = 0;
  if (t & 1) r |= ~pen & ~dest;
  if (t & 2) r |= ~pen & dest;
  if (t & 4) r |= pen & ~dest;
  if (t & 8) r |= pen & dest;
  return r;
}

uint32_t Rop3(uint8_t code, uint32_t p, uint32_t s, uint32_t d) {
  switch (code) {
    case 0xCC: return s;
    case 0xF0: return p;
    case 0x55: return ~d;
    case 0x66: return s ^ d;
    case 0x88: return s & d;
    case 0xEE: return s | d;
    case 0x5A: return p ^ d;
    case 0x00: return 0;
    case 0xFF: return 0xFFFFFFFF;
    default: break;
  }
  uint32_t r = 0;
  for (int i = 0; i < 8; ++i) {
    if (!(code & (1 << i))) continue;
    uint32_t term = (i & 4) ? p : ~p;
    term &= (i & 2) ? s : ~s;
    term &= (i & 1) ? d : ~d;
    r |= term;
  }
  return r;
}

}  // namespace RasterOps
