// TcxBitmap's effects over whole rows of 32-bit pixels, sixteen pixels at a step with AVX-512 and
// four with SSE2 (the width the pixel blends use, held to the same limit), each giving exactly the
// pixels of its per-pixel function.
#include <cmath>
#include <cstdint>

#include "cxGraphicsBitmaps.h"
#include "raster/PixelBlend.h"

#if defined(__SSE2__)
// Some compilers' headers start intrinsics from a deliberately undefined value and then warn that
// it may be used uninitialised.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <immintrin.h>
#pragma GCC diagnostic pop
#endif

namespace cxGraphics {

namespace {

// The per-pixel function over the pixels from AFrom on, for the ends of rows and processors without
// vector steps.
template <class TEffect>
void EachPixel(const uint32_t* ASource, uint32_t* ADest, Integer AFrom, Integer ACount, TEffect AEffect) {
  for (Integer x = AFrom; x < ACount; ++x) {
    RGBQUAD c = UIntToQuad(ASource[x]);
    AEffect(c);
    ADest[x] = QuadToUInt(c);
  }
}

// The weights as the vector steps take them: small enough that every weighted sum of three bytes
// converts to a 32-bit integer, whose limiting to a byte then gives that of the per-pixel function.
bool VectorWeights(const TcxColorTransitionMap& AColorMap) {
  for (float w : {AColorMap.RedScale, AColorMap.GreenScale, AColorMap.BlueScale})
    if (!(std::fabs(w) <= 65536.0f)) return false;
  return true;
}

#if defined(__SSE2__)

// Single-precision arithmetic in the order of the per-pixel function, (red * w + green * w) + blue * w,
// each step rounded alike; the conversion rounds halves to even, as the program's rounding mode does.
int ScaleGroups(const uint32_t* ASource, uint32_t* ADest, Integer ACount, const TcxColorTransitionMap& AMap) {
  const __m128i byte = _mm_set1_epi32(0xFF), alpha = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  const __m128 rw = _mm_set1_ps(AMap.RedScale), gw = _mm_set1_ps(AMap.GreenScale), bw = _mm_set1_ps(AMap.BlueScale);
  Integer x = 0;
  for (; x + 4 <= ACount; x += 4) {
    const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(ASource + x));
    const __m128 r = _mm_cvtepi32_ps(_mm_and_si128(_mm_srli_epi32(p, 16), byte));
    const __m128 g = _mm_cvtepi32_ps(_mm_and_si128(_mm_srli_epi32(p, 8), byte));
    const __m128 b = _mm_cvtepi32_ps(_mm_and_si128(p, byte));
    const __m128i v = _mm_cvtps_epi32(_mm_add_ps(_mm_add_ps(_mm_mul_ps(r, rw), _mm_mul_ps(g, gw)), _mm_mul_ps(b, bw)));
    // Limited to 0..255 by the saturating packs, then spread over the three colour bytes.
    __m128i grey = _mm_packus_epi16(_mm_packs_epi32(v, v), _mm_setzero_si128());
    grey = _mm_unpacklo_epi16(_mm_unpacklo_epi8(grey, _mm_setzero_si128()), _mm_setzero_si128());
    grey = _mm_or_si128(_mm_or_si128(grey, _mm_slli_epi32(grey, 8)), _mm_slli_epi32(grey, 16));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(ADest + x), _mm_or_si128(grey, _mm_and_si128(p, alpha)));
  }
  return static_cast<int>(x);
}

// (red + green + blue) div 3 as the high half of the sum times 21846, exact for sums up to 765.
int GrayScaleGroups(const uint32_t* ASource, uint32_t* ADest, Integer ACount) {
  const __m128i byte = _mm_set1_epi32(0xFF), alpha = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  const __m128i third = _mm_set1_epi32(21846);
  Integer x = 0;
  for (; x + 4 <= ACount; x += 4) {
    const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(ASource + x));
    const __m128i sum = _mm_add_epi32(_mm_add_epi32(_mm_and_si128(p, byte), _mm_and_si128(_mm_srli_epi32(p, 8), byte)),
                                      _mm_and_si128(_mm_srli_epi32(p, 16), byte));
    const __m128i grey = _mm_mulhi_epu16(sum, third);  // the sums' upper 16 bits are 0
    const __m128i spread = _mm_or_si128(_mm_or_si128(grey, _mm_slli_epi32(grey, 8)), _mm_slli_epi32(grey, 16));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(ADest + x), _mm_or_si128(spread, _mm_and_si128(p, alpha)));
  }
  return static_cast<int>(x);
}

// Both outcomes of Dingy in 16-bit lanes, for every byte: lightened, c + ((255 - c) * 3 + 5) div 10
// (the tenth as the high half of a product with 6554, exact up to 770), which leaves an alpha of 255
// as it is; and dimmed, (c * 200 + 127) div 255.
inline __m128i LightenedBytes(__m128i c) {
  const __m128i tenths = _mm_add_epi16(_mm_mullo_epi16(_mm_sub_epi16(_mm_set1_epi16(255), c), _mm_set1_epi16(3)),
                                       _mm_set1_epi16(5));
  return _mm_add_epi16(c, _mm_mulhi_epu16(tenths, _mm_set1_epi16(6554)));
}

inline __m128i DimmedBytes(__m128i c) {
  const __m128i v = _mm_add_epi16(_mm_mullo_epi16(c, _mm_set1_epi16(200)), _mm_set1_epi16(128));
  return _mm_mulhi_epu16(v, _mm_set1_epi16(257));
}

int DingyGroups(const uint32_t* ASource, uint32_t* ADest, Integer ACount) {
  const __m128i zero = _mm_setzero_si128(), alpha = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  Integer x = 0;
  for (; x + 4 <= ACount; x += 4) {
    const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(ASource + x));
    const __m128i lo = _mm_unpacklo_epi8(p, zero), hi = _mm_unpackhi_epi8(p, zero);
    const __m128i light = _mm_packus_epi16(LightenedBytes(lo), LightenedBytes(hi));
    const __m128i dim = _mm_packus_epi16(DimmedBytes(lo), DimmedBytes(hi));
    const __m128i opaque = _mm_cmpeq_epi32(_mm_and_si128(p, alpha), alpha);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(ADest + x),
                     _mm_or_si128(_mm_and_si128(opaque, light), _mm_andnot_si128(opaque, dim)));
  }
  return static_cast<int>(x);
}

int ShadowGroups(const uint32_t* AGlyph, const uint32_t* ACaster, uint32_t* ADest, Integer ACount,
                 uint32_t AShadowPixel) {
  const __m128i zero = _mm_setzero_si128(), shadow = _mm_set1_epi32(static_cast<int>(AShadowPixel));
  Integer x = 0;
  for (; x + 4 <= ACount; x += 4) {
    const __m128i g = _mm_loadu_si128(reinterpret_cast<const __m128i*>(AGlyph + x));
    const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(ACaster + x));
    const __m128i cast = _mm_andnot_si128(_mm_cmpeq_epi32(c, zero), _mm_and_si128(_mm_cmpeq_epi32(g, zero), shadow));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(ADest + x), _mm_or_si128(g, cast));
  }
  return static_cast<int>(x);
}

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define CX_AVX512 __attribute__((target("avx512f,avx512bw,avx512vl")))

CX_AVX512 inline __mmask16 RowLanes(Integer ARemaining) {
  return ARemaining < 16 ? static_cast<__mmask16>((1u << ARemaining) - 1) : static_cast<__mmask16>(0xFFFF);
}

// A grey byte (the low byte of each pixel) copied into the pixel's three colour bytes, alpha 0.
CX_AVX512 inline __m512i SpreadGrey(__m512i AGrey) {
  const __m512i spread = _mm512_set4_epi32(int(0x800C0C0Cu), int(0x80080808u), int(0x80040404u), int(0x80000000u));
  return _mm512_shuffle_epi8(AGrey, spread);
}

CX_AVX512 int ScaleGroupsAvx512(const uint32_t* ASource, uint32_t* ADest, Integer ACount,
                                const TcxColorTransitionMap& AMap) {
  const __m512i byte = _mm512_set1_epi32(0xFF), alpha = _mm512_set1_epi32(static_cast<int>(0xFF000000u));
  const __m512 rw = _mm512_set1_ps(AMap.RedScale), gw = _mm512_set1_ps(AMap.GreenScale), bw = _mm512_set1_ps(AMap.BlueScale);
  for (Integer x = 0; x < ACount; x += 16) {
    const __mmask16 lanes = RowLanes(ACount - x);
    const __m512i p = _mm512_maskz_loadu_epi32(lanes, ASource + x);
    const __m512 r = _mm512_cvtepi32_ps(_mm512_and_si512(_mm512_srli_epi32(p, 16), byte));
    const __m512 g = _mm512_cvtepi32_ps(_mm512_and_si512(_mm512_srli_epi32(p, 8), byte));
    const __m512 b = _mm512_cvtepi32_ps(_mm512_and_si512(p, byte));
    // Each product and sum rounded by itself, as in the per-pixel function: in these forms (with an
    // explicit rounding) the compiler does not fuse a product and a sum into one step that rounds once.
    constexpr int current = _MM_FROUND_CUR_DIRECTION;
    const __m512 sum = _mm512_add_round_ps(
        _mm512_add_round_ps(_mm512_mul_round_ps(r, rw, current), _mm512_mul_round_ps(g, gw, current), current),
        _mm512_mul_round_ps(b, bw, current), current);
    __m512i grey = _mm512_cvtps_epi32(sum);
    grey = _mm512_min_epi32(_mm512_max_epi32(grey, _mm512_setzero_si512()), byte);
    _mm512_mask_storeu_epi32(ADest + x, lanes, _mm512_or_si512(SpreadGrey(grey), _mm512_and_si512(p, alpha)));
  }
  return static_cast<int>(ACount);
}

CX_AVX512 int GrayScaleGroupsAvx512(const uint32_t* ASource, uint32_t* ADest, Integer ACount) {
  const __m512i byte = _mm512_set1_epi32(0xFF), alpha = _mm512_set1_epi32(static_cast<int>(0xFF000000u));
  const __m512i third = _mm512_set1_epi32(21846);
  for (Integer x = 0; x < ACount; x += 16) {
    const __mmask16 lanes = RowLanes(ACount - x);
    const __m512i p = _mm512_maskz_loadu_epi32(lanes, ASource + x);
    const __m512i sum = _mm512_add_epi32(
        _mm512_add_epi32(_mm512_and_si512(p, byte), _mm512_and_si512(_mm512_srli_epi32(p, 8), byte)),
        _mm512_and_si512(_mm512_srli_epi32(p, 16), byte));
    const __m512i grey = _mm512_mulhi_epu16(sum, third);
    _mm512_mask_storeu_epi32(ADest + x, lanes, _mm512_or_si512(SpreadGrey(grey), _mm512_and_si512(p, alpha)));
  }
  return static_cast<int>(ACount);
}

CX_AVX512 inline __m512i LightenedBytes16(__m512i c) {
  const __m512i tenths = _mm512_add_epi16(
      _mm512_mullo_epi16(_mm512_sub_epi16(_mm512_set1_epi16(255), c), _mm512_set1_epi16(3)), _mm512_set1_epi16(5));
  return _mm512_add_epi16(c, _mm512_mulhi_epu16(tenths, _mm512_set1_epi16(6554)));
}

CX_AVX512 inline __m512i DimmedBytes16(__m512i c) {
  const __m512i v = _mm512_add_epi16(_mm512_mullo_epi16(c, _mm512_set1_epi16(200)), _mm512_set1_epi16(128));
  return _mm512_mulhi_epu16(v, _mm512_set1_epi16(257));
}

CX_AVX512 int DingyGroupsAvx512(const uint32_t* ASource, uint32_t* ADest, Integer ACount) {
  const __m512i zero = _mm512_setzero_si512(), alpha = _mm512_set1_epi32(static_cast<int>(0xFF000000u));
  for (Integer x = 0; x < ACount; x += 16) {
    const __mmask16 lanes = RowLanes(ACount - x);
    const __m512i p = _mm512_maskz_loadu_epi32(lanes, ASource + x);
    const __m512i lo = _mm512_unpacklo_epi8(p, zero), hi = _mm512_unpackhi_epi8(p, zero);
    const __m512i light = _mm512_packus_epi16(LightenedBytes16(lo), LightenedBytes16(hi));
    const __m512i dim = _mm512_packus_epi16(DimmedBytes16(lo), DimmedBytes16(hi));
    const __mmask16 opaque = _mm512_cmpeq_epi32_mask(_mm512_and_si512(p, alpha), alpha);
    _mm512_mask_storeu_epi32(ADest + x, lanes, _mm512_mask_blend_epi32(opaque, dim, light));
  }
  return static_cast<int>(ACount);
}

CX_AVX512 int ShadowGroupsAvx512(const uint32_t* AGlyph, const uint32_t* ACaster, uint32_t* ADest, Integer ACount,
                                 uint32_t AShadowPixel) {
  const __m512i shadow = _mm512_set1_epi32(static_cast<int>(AShadowPixel));
  for (Integer x = 0; x < ACount; x += 16) {
    const __mmask16 lanes = RowLanes(ACount - x);
    const __m512i g = _mm512_maskz_loadu_epi32(lanes, AGlyph + x);
    const __m512i c = _mm512_maskz_loadu_epi32(lanes, ACaster + x);
    const __mmask16 cast = _mm512_testn_epi32_mask(g, g) & _mm512_test_epi32_mask(c, c);
    _mm512_mask_storeu_epi32(ADest + x, lanes, _mm512_mask_mov_epi32(g, cast, shadow));
  }
  return static_cast<int>(ACount);
}

#else
int ScaleGroupsAvx512(const uint32_t* ASource, uint32_t* ADest, Integer ACount, const TcxColorTransitionMap& AMap) {
  return ScaleGroups(ASource, ADest, ACount, AMap);
}
int GrayScaleGroupsAvx512(const uint32_t* ASource, uint32_t* ADest, Integer ACount) {
  return GrayScaleGroups(ASource, ADest, ACount);
}
int DingyGroupsAvx512(const uint32_t* ASource, uint32_t* ADest, Integer ACount) {
  return DingyGroups(ASource, ADest, ACount);
}
int ShadowGroupsAvx512(const uint32_t* AGlyph, const uint32_t* ACaster, uint32_t* ADest, Integer ACount,
                       uint32_t AShadowPixel) {
  return ShadowGroups(AGlyph, ACaster, ADest, ACount, AShadowPixel);
}
#endif

#endif  // __SSE2__

}  // namespace

// Each row function takes sixteen pixels at a step where the pixel blends do, else four, and ends
// the row pixel by pixel.
void TcxBitmap::ScaleRow(const uint32_t* ASource, uint32_t* ADest, Integer ACount,
                         const TcxColorTransitionMap& AColorMap) {
  Integer done = 0;
#if defined(__SSE2__)
  if (VectorWeights(AColorMap))
    done = VectorWidthInUse() >= 16 ? ScaleGroupsAvx512(ASource, ADest, ACount, AColorMap)
                                    : ScaleGroups(ASource, ADest, ACount, AColorMap);
#endif
  EachPixel(ASource, ADest, done, ACount, [&](RGBQUAD& c) { Scale(c, AColorMap); });
}

void TcxBitmap::GrayScaleRow(const uint32_t* ASource, uint32_t* ADest, Integer ACount) {
  Integer done = 0;
#if defined(__SSE2__)
  done = VectorWidthInUse() >= 16 ? GrayScaleGroupsAvx512(ASource, ADest, ACount)
                                  : GrayScaleGroups(ASource, ADest, ACount);
#endif
  EachPixel(ASource, ADest, done, ACount, &GrayScaleColor);
}

void TcxBitmap::DingyRow(const uint32_t* ASource, uint32_t* ADest, Integer ACount) {
  Integer done = 0;
#if defined(__SSE2__)
  done = VectorWidthInUse() >= 16 ? DingyGroupsAvx512(ASource, ADest, ACount) : DingyGroups(ASource, ADest, ACount);
#endif
  EachPixel(ASource, ADest, done, ACount, &DingyColor);
}

void TcxBitmap::ShadowRow(const uint32_t* AGlyph, const uint32_t* ACaster, uint32_t* ADest, Integer ACount,
                          uint32_t AShadowPixel) {
  Integer x = 0;
#if defined(__SSE2__)
  x = VectorWidthInUse() >= 16 ? ShadowGroupsAvx512(AGlyph, ACaster, ADest, ACount, AShadowPixel)
                               : ShadowGroups(AGlyph, ACaster, ADest, ACount, AShadowPixel);
#endif
  for (; x < ACount; ++x) ADest[x] = AGlyph[x] | (AGlyph[x] == 0 && ACaster[x] != 0 ? AShadowPixel : 0);
}

}  // namespace cxGraphics
