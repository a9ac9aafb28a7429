// The image drawer with a 16 x 16 32-bit glyph in each of its looks, against the bare platform call
// that draws the same glyph (a per-pixel alpha blend). BM_cxDrawImageRatio times both in turn and
// reports the "ratio" counter, drawer over blend (goal: 3 for every look).
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "Units.h"
#include "WinGdi.h"
#include "cxGraphics.h"

namespace Units {
void RegisterUnits_framework_foundation();
}

namespace {

struct TBenchGlyph {
  TcxBitmap* Glyph = nullptr;
  TcxBitmap* Target = nullptr;

  TBenchGlyph() {
    Units::RegisterUnits_framework_foundation();
    Units::InitializeUnits();
    Glyph = New<TcxBitmap>(16, 16);
    std::vector<RGBQUAD> colors(256);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        // A disc of opaque colour with a soft edge and transparent corners, premultiplied.
        int dx = 2 * x - 15, dy = 2 * y - 15, d = dx * dx + dy * dy;
        BYTE a = d < 140 ? 255 : d < 225 ? 128 : 0;
        colors[static_cast<size_t>(y * 16 + x)] = RGBQUAD{static_cast<BYTE>(a * 3 / 4), static_cast<BYTE>(a / 2),
                                                          static_cast<BYTE>(a / 4), a};
      }
    Glyph->SetBitmapColors(colors);
    Target = New<TcxBitmap>(64, 64, RGBQUAD{200, 200, 200, 255});
  }
};

TBenchGlyph& Bench() {
  static TBenchGlyph bench;
  return bench;
}

void BM_PlatformAlphaBlend(benchmark::State& state) {
  TBenchGlyph& b = Bench();
  HDC dest = b.Target->GetCanvas()->GetHandle(), src = b.Glyph->GetCanvas()->GetHandle();
  BLENDFUNCTION blend;
  blend.BlendOp = AC_SRC_OVER;
  blend.SourceConstantAlpha = 255;
  blend.AlphaFormat = AC_SRC_ALPHA;
  for (auto _ : state) {
    AlphaBlend(dest, 8, 8, 16, 16, src, 0, 0, 16, 16, blend);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PlatformAlphaBlend);

void BM_cxDrawImageRatio(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  TBenchGlyph& b = Bench();
  HDC dest = b.Target->GetCanvas()->GetHandle(), src = b.Glyph->GetCanvas()->GetHandle();
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  auto mode = static_cast<TcxImageDrawMode>(state.range(0));
  constexpr int kBatch = 32;
  Clock::duration drawer{}, bare{};
  for (auto _ : state) {
    auto t0 = Clock::now();
    for (int i = 0; i < kBatch; ++i) cxDrawImage(dest, TRect(8, 8, 24, 24), TRect(8, 8, 24, 24), b.Glyph, nullptr, -1, mode);
    auto t1 = Clock::now();
    for (int i = 0; i < kBatch; ++i) AlphaBlend(dest, 8, 8, 16, 16, src, 0, 0, 16, 16, blend);
    auto t2 = Clock::now();
    drawer += t1 - t0;
    bare += t2 - t1;
    benchmark::ClobberMemory();
  }
  state.counters["ratio"] = static_cast<double>(drawer.count()) / static_cast<double>(bare.count());
  state.counters["drawer_ns"] = std::chrono::duration<double, std::nano>(drawer).count() / (state.iterations() * kBatch);
  state.counters["blend_ns"] = std::chrono::duration<double, std::nano>(bare).count() / (state.iterations() * kBatch);
}
BENCHMARK(BM_cxDrawImageRatio)
    ->ArgName("mode")
    ->Arg(idmNormal)
    ->Arg(idmDisabled)
    ->Arg(idmFaded)
    ->Arg(idmGrayScale)
    ->Arg(idmDingy)
    ->Arg(idmShadowed);


}  // namespace
