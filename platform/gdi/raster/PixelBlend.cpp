#include "PixelBlend.h"

#include <algorithm>
#include <cstring>
#if defined(__SSE2__)
// Some compilers' headers start intrinsics from a deliberately undefined value and then warn that
// it may be used uninitialised.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <immintrin.h>
#pragma GCC diagnostic pop
#endif

namespace PixelBlend {

uint32_t AlphaBlendPixel(uint32_t dest, uint32_t src, uint32_t sca, bool perPixel) {
  const uint32_t srcA = perPixel ? Div255((src >> 24) * sca) : sca;
  uint32_t out = 0;
  for (int c = 0; c < 4; ++c) {
    const uint32_t v = Div255(((src >> (8 * c)) & 0xFF) * sca) + Div255(((dest >> (8 * c)) & 0xFF) * (255 - srcA));
    out |= std::min<uint32_t>(v, 255) << (8 * c);
  }
  return out;
}

uint32_t BlendOncePixel(uint32_t dest, uint32_t src, uint32_t sca) {
  const uint32_t inverse = 255 * 255 - sca * (src >> 24);
  uint32_t out = 0;
  for (int c = 0; c < 4; ++c) {
    const uint32_t v = (((src >> (8 * c)) & 0xFF) * sca * 255 + ((dest >> (8 * c)) & 0xFF) * inverse + 32512) / 65025;
    out |= std::min<uint32_t>(v, 255) << (8 * c);
  }
  return out;
}

// Red and blue side by side in one word: each product stays below 65536, so the lanes never meet.
uint32_t CoveragePixel(uint32_t dest, unsigned a, uint32_t ink) {
  if (!a) return dest;
  if (a == 255) return ink;
  const uint32_t na = 255 - a;
  uint32_t rb = (dest & 0x00FF00FF) * na + (ink & 0x00FF00FF) * a + 0x00800080;
  rb = ((rb + ((rb >> 8) & 0x00FF00FF)) >> 8) & 0x00FF00FF;
  return rb | Div255(((dest >> 8) & 0xFF) * na + ((ink >> 8) & 0xFF) * a) << 8;
}

#if defined(__SSE2__)
namespace {

// Div255 in every 16-bit lane: for t = v + 128 (at most 65153), (t + (t >> 8)) >> 8 is the high
// half of t * 257.
inline __m128i Div255x8(__m128i v) {
  return _mm_mulhi_epu16(_mm_add_epi16(v, _mm_set1_epi16(128)), _mm_set1_epi16(257));
}

// Each pixel's alpha (lane 3 of its four) in all four of its lanes.
inline __m128i SpreadAlpha(__m128i v) {
  return _mm_shufflehi_epi16(_mm_shufflelo_epi16(v, 0xFF), 0xFF);
}

inline __m128i AlphaBlendHalf(__m128i d, __m128i s, __m128i sca, bool scaled, bool perPixel) {
  if (scaled) s = Div255x8(_mm_mullo_epi16(s, sca));
  const __m128i a = perPixel ? SpreadAlpha(s) : sca;
  return _mm_add_epi16(s, Div255x8(_mm_mullo_epi16(d, _mm_sub_epi16(_mm_set1_epi16(255), a))));
}

inline void AlphaBlendFour(uint32_t* dest, const uint32_t* src, __m128i sca, bool scaled, bool perPixel) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dest));
  const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
  const __m128i lo = AlphaBlendHalf(_mm_unpacklo_epi8(d, zero), _mm_unpacklo_epi8(s, zero), sca, scaled, perPixel);
  const __m128i hi = AlphaBlendHalf(_mm_unpackhi_epi8(d, zero), _mm_unpackhi_epi8(s, zero), sca, scaled, perPixel);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(dest), _mm_packus_epi16(lo, hi));  // saturates at 255
}

template <bool Scaled, bool PerPixel>
int AlphaBlendGroups(uint32_t* dest, const uint32_t* src, int count, uint32_t sca) {
  const __m128i sca16 = _mm_set1_epi16(static_cast<short>(sca));
  int x = 0;
  for (; x + 4 <= count; x += 4) AlphaBlendFour(dest + x, src + x, sca16, Scaled, PerPixel);
  return x;
}

// The blend rounded once works on 32-bit numerators of at most 2^25: n / 65025 is the high part of
// n * 67636241 shifted right by 42, exactly for every such n.
constexpr int kOnceShift = 42;
constexpr long long kOnceFactor = 67636241;

inline __m128i Div65025x4(__m128i n) {
  const __m128i factor = _mm_set1_epi64x(kOnceFactor);
  const __m128i even = _mm_srli_epi64(_mm_mul_epu32(n, factor), kOnceShift);
  const __m128i odd = _mm_srli_epi64(_mm_mul_epu32(_mm_srli_epi64(n, 32), factor), kOnceShift);
  return _mm_or_si128(even, _mm_slli_epi64(odd, 32));
}

// Eight channels (two pixels) in 16-bit lanes; sourceFactor is sca * 255, each product split into
// its low and high halves and joined into 32 bits.
inline __m128i BlendOnceHalf(__m128i d, __m128i s, __m128i sca, __m128i sourceFactor) {
  const __m128i inverse = _mm_sub_epi16(_mm_set1_epi16(static_cast<short>(65025)), _mm_mullo_epi16(SpreadAlpha(s), sca));
  const __m128i sLo = _mm_mullo_epi16(s, sourceFactor), sHi = _mm_mulhi_epu16(s, sourceFactor);
  const __m128i dLo = _mm_mullo_epi16(d, inverse), dHi = _mm_mulhi_epu16(d, inverse);
  const __m128i round = _mm_set1_epi32(32512);
  const __m128i lo = _mm_add_epi32(_mm_add_epi32(_mm_unpacklo_epi16(sLo, sHi), _mm_unpacklo_epi16(dLo, dHi)), round);
  const __m128i hi = _mm_add_epi32(_mm_add_epi32(_mm_unpackhi_epi16(sLo, sHi), _mm_unpackhi_epi16(dLo, dHi)), round);
  return _mm_packs_epi32(Div65025x4(lo), Div65025x4(hi));  // at most 510: no saturation
}

int BlendOnceGroups(uint32_t* dest, const uint32_t* src, int count, uint32_t sca) {
  const __m128i zero = _mm_setzero_si128(), sca16 = _mm_set1_epi16(static_cast<short>(sca));
  const __m128i factor = _mm_set1_epi16(static_cast<short>(sca * 255));
  int x = 0;
  for (; x + 4 <= count; x += 4) {
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dest + x));
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + x));
    const __m128i lo = BlendOnceHalf(_mm_unpacklo_epi8(d, zero), _mm_unpacklo_epi8(s, zero), sca16, factor);
    const __m128i hi = BlendOnceHalf(_mm_unpackhi_epi8(d, zero), _mm_unpackhi_epi8(s, zero), sca16, factor);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dest + x), _mm_packus_epi16(lo, hi));  // limits to 255
  }
  return x;
}

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
// The same steps eight pixels at a time on processors with AVX2, chosen when the program runs.
#define CX_AVX2 __attribute__((target("avx2")))

CX_AVX2 inline __m256i Div255x16(__m256i v) {
  return _mm256_mulhi_epu16(_mm256_add_epi16(v, _mm256_set1_epi16(128)), _mm256_set1_epi16(257));
}

template <bool Scaled, bool PerPixel>
CX_AVX2 inline __m256i AlphaBlendHalf8(__m256i d, __m256i s, __m256i sca) {
  if (Scaled) s = Div255x16(_mm256_mullo_epi16(s, sca));
  const __m256i a = PerPixel ? _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(s, 0xFF), 0xFF) : sca;
  return _mm256_add_epi16(s, Div255x16(_mm256_mullo_epi16(d, _mm256_sub_epi16(_mm256_set1_epi16(255), a))));
}

template <bool Scaled, bool PerPixel>
CX_AVX2 int AlphaBlendGroupsAvx2(uint32_t* dest, const uint32_t* src, int count, uint32_t sca) {
  const __m256i sca16 = _mm256_set1_epi16(static_cast<short>(sca)), zero = _mm256_setzero_si256();
  int x = 0;
  for (; x + 8 <= count; x += 8) {
    const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(dest + x));
    const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + x));
    // Unpacking and packing both work within 128-bit halves, so the pixels come back in order.
    const __m256i lo = AlphaBlendHalf8<Scaled, PerPixel>(_mm256_unpacklo_epi8(d, zero), _mm256_unpacklo_epi8(s, zero), sca16);
    const __m256i hi = AlphaBlendHalf8<Scaled, PerPixel>(_mm256_unpackhi_epi8(d, zero), _mm256_unpackhi_epi8(s, zero), sca16);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(dest + x), _mm256_packus_epi16(lo, hi));
  }
  return x + AlphaBlendGroups<Scaled, PerPixel>(dest + x, src + x, count - x, sca);
}

CX_AVX2 inline __m256i Div65025x8(__m256i n) {
  const __m256i factor = _mm256_set1_epi64x(kOnceFactor);
  const __m256i even = _mm256_srli_epi64(_mm256_mul_epu32(n, factor), kOnceShift);
  const __m256i odd = _mm256_srli_epi64(_mm256_mul_epu32(_mm256_srli_epi64(n, 32), factor), kOnceShift);
  return _mm256_or_si256(even, _mm256_slli_epi64(odd, 32));
}

CX_AVX2 inline __m256i BlendOnceHalf8(__m256i d, __m256i s, __m256i sca, __m256i sourceFactor) {
  const __m256i alpha = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(s, 0xFF), 0xFF);
  const __m256i inverse = _mm256_sub_epi16(_mm256_set1_epi16(static_cast<short>(65025)), _mm256_mullo_epi16(alpha, sca));
  const __m256i sLo = _mm256_mullo_epi16(s, sourceFactor), sHi = _mm256_mulhi_epu16(s, sourceFactor);
  const __m256i dLo = _mm256_mullo_epi16(d, inverse), dHi = _mm256_mulhi_epu16(d, inverse);
  const __m256i round = _mm256_set1_epi32(32512);
  const __m256i lo = _mm256_add_epi32(_mm256_add_epi32(_mm256_unpacklo_epi16(sLo, sHi), _mm256_unpacklo_epi16(dLo, dHi)), round);
  const __m256i hi = _mm256_add_epi32(_mm256_add_epi32(_mm256_unpackhi_epi16(sLo, sHi), _mm256_unpackhi_epi16(dLo, dHi)), round);
  return _mm256_packs_epi32(Div65025x8(lo), Div65025x8(hi));
}

CX_AVX2 int BlendOnceGroupsAvx2(uint32_t* dest, const uint32_t* src, int count, uint32_t sca) {
  const __m256i zero = _mm256_setzero_si256(), sca16 = _mm256_set1_epi16(static_cast<short>(sca));
  const __m256i factor = _mm256_set1_epi16(static_cast<short>(sca * 255));
  int x = 0;
  for (; x + 8 <= count; x += 8) {
    const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(dest + x));
    const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + x));
    const __m256i lo = BlendOnceHalf8(_mm256_unpacklo_epi8(d, zero), _mm256_unpacklo_epi8(s, zero), sca16, factor);
    const __m256i hi = BlendOnceHalf8(_mm256_unpackhi_epi8(d, zero), _mm256_unpackhi_epi8(s, zero), sca16, factor);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(dest + x), _mm256_packus_epi16(lo, hi));
  }
  return x + BlendOnceGroups(dest + x, src + x, count - x, sca);
}

// And sixteen at a time with AVX-512 (byte, word and short-vector instructions).
#define CX_AVX512 __attribute__((target("avx512f,avx512bw,avx512vl")))

CX_AVX512 inline __m512i Div255x32(__m512i v) {
  return _mm512_mulhi_epu16(_mm512_add_epi16(v, _mm512_set1_epi16(128)), _mm512_set1_epi16(257));
}

template <bool Scaled, bool PerPixel>
CX_AVX512 inline __m512i AlphaBlendHalf16(__m512i d, __m512i s, __m512i sca) {
  if (Scaled) s = Div255x32(_mm512_mullo_epi16(s, sca));
  const __m512i a = PerPixel ? _mm512_shufflehi_epi16(_mm512_shufflelo_epi16(s, 0xFF), 0xFF) : sca;
  return _mm512_add_epi16(s, Div255x32(_mm512_mullo_epi16(d, _mm512_sub_epi16(_mm512_set1_epi16(255), a))));
}

// s + dest * (255 - alpha) / 255 in 16-bit lanes, the inverse alpha given.
CX_AVX512 inline __m512i OverHalf16(__m512i d, __m512i s, __m512i inverseAlpha, __m512i round, __m512i by257) {
  return _mm512_add_epi16(s, _mm512_mulhi_epu16(_mm512_add_epi16(_mm512_mullo_epi16(d, inverseAlpha), round), by257));
}

template <bool Scaled, bool PerPixel>
CX_AVX512 int AlphaBlendGroupsAvx512(uint32_t* dest, const uint32_t* src, int count, uint32_t sca) {
  const __m512i sca16 = _mm512_set1_epi16(static_cast<short>(sca)), zero = _mm512_setzero_si512();
  // For a source taken as it is: 255 - alpha of each pixel, spread over its four 16-bit lanes in the
  // order the unpacking leaves them, picked straight from the inverted bytes.
  // (byte 3, none) four times, then (byte 7, none) four times, in every 128-bit lane; 11 and 15 for
  // the upper pixels.
  const __m512i spreadLo = _mm512_set4_epi32(int(0xFF07FF07u), int(0xFF07FF07u), int(0xFF03FF03u), int(0xFF03FF03u));
  const __m512i spreadHi = _mm512_set4_epi32(int(0xFF0FFF0Fu), int(0xFF0FFF0Fu), int(0xFF0BFF0Bu), int(0xFF0BFF0Bu));
  const __m512i round = _mm512_set1_epi16(128), by257 = _mm512_set1_epi16(257);
  int x = 0;
  for (; x + 16 <= count; x += 16) {
    const __m512i d = _mm512_loadu_si512(dest + x);
    const __m512i s = _mm512_loadu_si512(src + x);
    __m512i lo, hi;
    if constexpr (!Scaled && PerPixel) {
      const __m512i inverse = _mm512_ternarylogic_epi32(s, s, s, 0x55);  // 255 - every byte
      lo = OverHalf16(_mm512_unpacklo_epi8(d, zero), _mm512_unpacklo_epi8(s, zero), _mm512_shuffle_epi8(inverse, spreadLo),
                      round, by257);
      hi = OverHalf16(_mm512_unpackhi_epi8(d, zero), _mm512_unpackhi_epi8(s, zero), _mm512_shuffle_epi8(inverse, spreadHi),
                      round, by257);
    } else {
      lo = AlphaBlendHalf16<Scaled, PerPixel>(_mm512_unpacklo_epi8(d, zero), _mm512_unpacklo_epi8(s, zero), sca16);
      hi = AlphaBlendHalf16<Scaled, PerPixel>(_mm512_unpackhi_epi8(d, zero), _mm512_unpackhi_epi8(s, zero), sca16);
    }
    _mm512_storeu_si512(dest + x, _mm512_packus_epi16(lo, hi));
  }
  return x + AlphaBlendGroupsAvx2<Scaled, PerPixel>(dest + x, src + x, count - x, sca);
}

CX_AVX512 inline __m512i Div65025x16(__m512i n) {
  const __m512i factor = _mm512_set1_epi64(kOnceFactor);
  const __m512i even = _mm512_srli_epi64(_mm512_mul_epu32(n, factor), kOnceShift);
  // The odd lanes' quotients shifted only so far as to land in the upper half of their 64 bits.
  const __m512i odd = _mm512_srli_epi64(_mm512_mul_epu32(_mm512_srli_epi64(n, 32), factor), kOnceShift - 32);
  return _mm512_mask_blend_epi32(0xAAAA, even, odd);
}

CX_AVX512 inline __m512i BlendOnceHalf16(__m512i d, __m512i s, __m512i sca, __m512i sourceFactor) {
  const __m512i alpha = _mm512_shufflehi_epi16(_mm512_shufflelo_epi16(s, 0xFF), 0xFF);
  const __m512i inverse = _mm512_sub_epi16(_mm512_set1_epi16(static_cast<short>(65025)), _mm512_mullo_epi16(alpha, sca));
  const __m512i sLo = _mm512_mullo_epi16(s, sourceFactor), sHi = _mm512_mulhi_epu16(s, sourceFactor);
  const __m512i dLo = _mm512_mullo_epi16(d, inverse), dHi = _mm512_mulhi_epu16(d, inverse);
  const __m512i round = _mm512_set1_epi32(32512);
  const __m512i lo = _mm512_add_epi32(_mm512_add_epi32(_mm512_unpacklo_epi16(sLo, sHi), _mm512_unpacklo_epi16(dLo, dHi)), round);
  const __m512i hi = _mm512_add_epi32(_mm512_add_epi32(_mm512_unpackhi_epi16(sLo, sHi), _mm512_unpackhi_epi16(dLo, dHi)), round);
  return _mm512_packs_epi32(Div65025x16(lo), Div65025x16(hi));
}

// Sixteen pixels at a step, the row's end masked off.
CX_AVX512 int BlendOnceGroupsAvx512(uint32_t* dest, const uint32_t* src, int count, uint32_t sca) {
  const __m512i zero = _mm512_setzero_si512(), sca16 = _mm512_set1_epi16(static_cast<short>(sca));
  const __m512i factor = _mm512_set1_epi16(static_cast<short>(sca * 255));
  for (int x = 0; x < count; x += 16) {
    const __mmask16 lanes = count - x < 16 ? static_cast<__mmask16>((1u << (count - x)) - 1) : 0xFFFF;
    const __m512i d = _mm512_maskz_loadu_epi32(lanes, dest + x);
    const __m512i s = _mm512_maskz_loadu_epi32(lanes, src + x);
    const __m512i lo = BlendOnceHalf16(_mm512_unpacklo_epi8(d, zero), _mm512_unpacklo_epi8(s, zero), sca16, factor);
    const __m512i hi = BlendOnceHalf16(_mm512_unpackhi_epi8(d, zero), _mm512_unpackhi_epi8(s, zero), sca16, factor);
    _mm512_mask_storeu_epi32(dest + x, lanes, _mm512_packus_epi16(lo, hi));
  }
  return count;
}

// Up to sixteen pixels of a row under their coverages at once, the row's end masked off: a glyph
// row of small text is one step.
CX_AVX512 void CoverageRectAvx512(uint32_t* dest, intptr_t destStride, const uint8_t* coverage, intptr_t coverageStride,
                                  int width, int height, uint32_t ink) {
  const __m512i zero = _mm512_setzero_si512(), inkv = _mm512_set1_epi32(static_cast<int>(ink));
  const __m512i ink16 = _mm512_unpacklo_epi8(inkv, zero), full = _mm512_set1_epi16(255);
  const __m512i round = _mm512_set1_epi16(128), by257 = _mm512_set1_epi16(257);
  for (int y = 0; y < height; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(reinterpret_cast<uint8_t*>(dest) + y * destStride);
    const uint8_t* cov = coverage + y * coverageStride;
    for (int x = 0; x < width; x += 16) {
      const int n = width - x < 16 ? width - x : 16;
      const __mmask16 lanes = static_cast<__mmask16>((1u << n) - 1);
      const __m512i a32 = _mm512_maskz_cvtepu8_epi32(0xFFFF, _mm_maskz_loadu_epi8(lanes, cov + x));
      const __m512i d = _mm512_maskz_loadu_epi32(lanes, row + x);
      const __mmask16 none = _mm512_cmpeq_epi32_mask(a32, zero), all = _mm512_cmpeq_epi32_mask(a32, _mm512_set1_epi32(255));
      __m512i out;
      if (static_cast<__mmask16>(none | all) == 0xFFFF) {
        out = _mm512_mask_blend_epi32(all, d, inkv);  // untouched or inked, as small text mostly is
      } else {
        // Each pixel's coverage in its four byte lanes, then the arithmetic in 16-bit lanes.
        const __m512i a8 = _mm512_mullo_epi32(a32, _mm512_set1_epi32(0x01010101));
        auto half = [&](__m512i dd, __m512i a) CX_AVX512 {
          const __m512i v = _mm512_add_epi16(_mm512_mullo_epi16(dd, _mm512_sub_epi16(full, a)), _mm512_mullo_epi16(ink16, a));
          return _mm512_mulhi_epu16(_mm512_add_epi16(v, round), by257);
        };
        out = _mm512_packus_epi16(half(_mm512_unpacklo_epi8(d, zero), _mm512_unpacklo_epi8(a8, zero)),
                                  half(_mm512_unpackhi_epi8(d, zero), _mm512_unpackhi_epi8(a8, zero)));
        // Alpha: the pixel's own where nothing covers it, the ink's where all does, 0 in between.
        out = _mm512_and_si512(out, _mm512_set1_epi32(0x00FFFFFF));
        out = _mm512_mask_blend_epi32(none, out, d);
        out = _mm512_mask_blend_epi32(all, out, inkv);
      }
      _mm512_mask_storeu_epi32(row + x, lanes, out);
    }
  }
}

const int MostVectorWidth =
    __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vl") ? 16 : __builtin_cpu_supports("avx2") ? 8 : 4;
#else
constexpr int MostVectorWidth = 4;
void CoverageRectAvx512(uint32_t*, intptr_t, const uint8_t*, intptr_t, int, int, uint32_t) {}
int BlendOnceGroupsAvx2(uint32_t* dest, const uint32_t* src, int count, uint32_t sca) {
  return BlendOnceGroups(dest, src, count, sca);
}
int BlendOnceGroupsAvx512(uint32_t* dest, const uint32_t* src, int count, uint32_t sca) {
  return BlendOnceGroups(dest, src, count, sca);
}
template <bool Scaled, bool PerPixel>
int AlphaBlendGroupsAvx2(uint32_t* dest, const uint32_t* src, int count, uint32_t sca) {
  return AlphaBlendGroups<Scaled, PerPixel>(dest, src, count, sca);
}
template <bool Scaled, bool PerPixel>
int AlphaBlendGroupsAvx512(uint32_t* dest, const uint32_t* src, int count, uint32_t sca) {
  return AlphaBlendGroups<Scaled, PerPixel>(dest, src, count, sca);
}
#endif

int VectorWidth = MostVectorWidth;

template <bool Scaled, bool PerPixel>
int AlphaBlendBest(uint32_t* dest, const uint32_t* src, int count, uint32_t sca) {
  switch (VectorWidth) {
    case 16: return AlphaBlendGroupsAvx512<Scaled, PerPixel>(dest, src, count, sca);
    case 8: return AlphaBlendGroupsAvx2<Scaled, PerPixel>(dest, src, count, sca);
    default: return AlphaBlendGroups<Scaled, PerPixel>(dest, src, count, sca);
  }
}

// Four pixels under four coverages; only a group with partial coverage does the arithmetic.
struct TCoverageFour {
  __m128i Zero = _mm_setzero_si128();
  __m128i Ink;
  __m128i Ink16;
  __m128i Full = _mm_set1_epi16(255);
  __m128i Opaque = _mm_set1_epi32(255);
  __m128i Alpha = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  explicit TCoverageFour(uint32_t ink)
      : Ink(_mm_set1_epi32(static_cast<int>(ink))), Ink16(_mm_unpacklo_epi8(Ink, _mm_setzero_si128())) {}

  void operator()(uint32_t* dest, uint32_t four) const {
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dest));
    const __m128i a32 = _mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(four)), Zero), Zero);
    const __m128i none = _mm_cmpeq_epi32(a32, Zero), all = _mm_cmpeq_epi32(a32, Opaque);
    if (_mm_movemask_epi8(_mm_or_si128(none, all)) == 0xFFFF) {
      // Every pixel either untouched or inked, as small text mostly is: chosen without a branch.
      _mm_storeu_si128(reinterpret_cast<__m128i*>(dest), _mm_or_si128(_mm_and_si128(all, Ink), _mm_andnot_si128(all, d)));
      return;
    }
    __m128i a8 = _mm_cvtsi32_si128(static_cast<int>(four));
    a8 = _mm_unpacklo_epi8(a8, a8);
    a8 = _mm_unpacklo_epi16(a8, a8);
    auto half = [&](__m128i dd, __m128i a) {
      return Div255x8(_mm_add_epi16(_mm_mullo_epi16(dd, _mm_sub_epi16(Full, a)), _mm_mullo_epi16(Ink16, a)));
    };
    __m128i out = _mm_packus_epi16(half(_mm_unpacklo_epi8(d, Zero), _mm_unpacklo_epi8(a8, Zero)),
                                   half(_mm_unpackhi_epi8(d, Zero), _mm_unpackhi_epi8(a8, Zero)));
    // Alpha: the pixel's own where nothing covers it, the ink's where all does, 0 in between.
    out = _mm_andnot_si128(Alpha, out);
    out = _mm_or_si128(out, _mm_and_si128(_mm_and_si128(none, Alpha), d));
    out = _mm_or_si128(out, _mm_and_si128(_mm_and_si128(all, Alpha), Ink));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dest), out);
  }
};

}  // namespace
#else
namespace {
constexpr int MostVectorWidth = 1;
int VectorWidth = 1;
void CoverageRectAvx512(uint32_t*, intptr_t, const uint8_t*, intptr_t, int, int, uint32_t) {}
}  // namespace
#endif

int LimitVectorWidth(int pixels) {
  VectorWidth = std::min(MostVectorWidth, pixels >= 16 ? 16 : pixels >= 8 ? 8 : 4);
  return VectorWidth;
}

int VectorWidthInUse() { return VectorWidth; }

void BlendOnceRow(uint32_t* dest, const uint32_t* src, int count, uint32_t sca) {
  if (sca == 255) {
    AlphaBlendRow(dest, src, count, sca, true);
    return;
  }
  int x = 0;
#if defined(__SSE2__)
  switch (VectorWidth) {
    case 16: x = BlendOnceGroupsAvx512(dest, src, count, sca); break;
    case 8: x = BlendOnceGroupsAvx2(dest, src, count, sca); break;
    default: x = BlendOnceGroups(dest, src, count, sca); break;
  }
#endif
  for (; x < count; ++x) dest[x] = BlendOncePixel(dest[x], src[x], sca);
}

void AlphaBlendRow(uint32_t* dest, const uint32_t* src, int count, uint32_t sca, bool perPixel) {
  int x = 0;
#if defined(__SSE2__)
  if (sca == 255) x = perPixel ? AlphaBlendBest<false, true>(dest, src, count, sca) : AlphaBlendBest<false, false>(dest, src, count, sca);
  else x = perPixel ? AlphaBlendBest<true, true>(dest, src, count, sca) : AlphaBlendBest<true, false>(dest, src, count, sca);
#endif
  for (; x < count; ++x) dest[x] = AlphaBlendPixel(dest[x], src[x], sca, perPixel);
}

void CoverageRect(uint32_t* dest, intptr_t destStride, const uint8_t* coverage, intptr_t coverageStride, int width,
                  int height, uint32_t ink) {
  if (VectorWidth == 16) {
    CoverageRectAvx512(dest, destStride, coverage, coverageStride, width, height, ink);
    return;
  }
#if defined(__SSE2__)
  const TCoverageFour four(ink);
#endif
  for (int y = 0; y < height; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(reinterpret_cast<uint8_t*>(dest) + y * destStride);
    const uint8_t* cov = coverage + y * coverageStride;
    int x = 0;
#if defined(__SSE2__)
    for (uint32_t group; x + 4 <= width; x += 4) {
      std::memcpy(&group, cov + x, 4);
      four(row + x, group);
    }
#endif
    for (; x < width; ++x) row[x] = CoveragePixel(row[x], cov[x], ink);
  }
}

}  // namespace PixelBlend
