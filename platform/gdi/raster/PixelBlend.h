// Blending rows of 32-bit pixels with exact integer arithmetic: the source-over blend of AlphaBlend
// and the coverage blend of text. Every division by 255 is done as a multiply-free shift sequence
// that gives the same quotient, four pixels at a time where the processor has SSE2.
#pragma once

#include <cstdint>

namespace PixelBlend {

// The blends take 16, 8 or 4 pixels at a time, the most the processor allows (4 with SSE2, or 1
// without it). Limiting the width, so that every road can be compared with the others, answers the
// width now in use.
int LimitVectorWidth(int pixels);
// The width in use: 16, 8, 4, or 1 without SSE2.
int VectorWidthInUse();

// (v + 127) / 255, exactly, for every v up to 255 * 255.
constexpr uint32_t Div255(uint32_t v) {
  v += 128;
  return (v + (v >> 8)) >> 8;
}

// Source over destination for every channel: src * sca / 255 + dest * (1 - srcAlpha / 255), each
// term rounded, the sum limited to 255; srcAlpha is the source's alpha times sca / 255 for a
// premultiplied source with per-pixel alpha (perPixel), otherwise sca.
uint32_t AlphaBlendPixel(uint32_t dest, uint32_t src, uint32_t sca, bool perPixel);
void AlphaBlendRow(uint32_t* dest, const uint32_t* src, int count, uint32_t sca, bool perPixel);

// Source over destination rounded once: each channel (src * sca * 255 + dest * (255 * 255 - sca *
// srcAlpha)) / (255 * 255) to the nearest, limited to 255, for a premultiplied source with per-pixel
// alpha. The numerator is never an odd multiple of half the divisor (255 * 255 is odd), so no rule
// for halves is needed. At sca 255 this is AlphaBlendPixel with per-pixel alpha.
uint32_t BlendOncePixel(uint32_t dest, uint32_t src, uint32_t sca);
void BlendOnceRow(uint32_t* dest, const uint32_t* src, int count, uint32_t sca);

// Ink laid over a pixel with coverage a: each colour channel (dest * (255 - a) + ink * a + 127) / 255
// and alpha 0; the ink itself where a is 255, the pixel untouched where a is 0.
uint32_t CoveragePixel(uint32_t dest, unsigned a, uint32_t ink);
// A rectangle of width x height pixels, rows destStride bytes apart (negative for bottom-up rows),
// under coverage rows coverageStride bytes apart.
void CoverageRect(uint32_t* dest, intptr_t destStride, const uint8_t* coverage, intptr_t coverageStride, int width,
                  int height, uint32_t ink);

}  // namespace PixelBlend

using namespace PixelBlend;
