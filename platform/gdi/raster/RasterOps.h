// Raster operations on 32-bit pixels: the 16 binary mix modes of pens and brushes (a four-bit truth
// table over pen and destination) and the 256 ternary codes of blits (an eight-bit truth table over
// pattern, source and destination), evaluated bit by bit on whole pixels.
#pragma once

#include <cstdint>

namespace RasterOps {

// mode: R2_BLACK (1) .. R2_WHITE (16); the bits of (mode - 1) are indexed by pen * 2 + dest.
uint32_t Rop2(int mode, uint32_t pen, uint32_t dest);
// code: the index byte of a ternary raster operation (bits 16..23 of the DWORD code); its bits are
// indexed by pattern * 4 + source * 2 + dest.
uint32_t Rop3(uint8_t code, uint32_t pattern, uint32_t source, uint32_t dest);

constexpr uint8_t Rop3Index(uint32_t rop) { return static_cast<uint8_t>((rop >> 16) & 0xFF); }
constexpr bool Rop3UsesSource(uint8_t c) { return (((c >> 2) ^ c) & 0x33) != 0; }
constexpr bool Rop3UsesPattern(uint8_t c) { return (((c >> 4) ^ c) & 0x0F) != 0; }
constexpr bool Rop3UsesDest(uint8_t c) { return (((c >> 1) ^ c) & 0x55) != 0; }

}  // namespace RasterOps

using namespace RasterOps;
