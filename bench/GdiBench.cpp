// The raster's main roads against the memory operations they reduce to: a solid fill against
// filling the same bytes, a copying blit against copying them, and a page of mixed Chinese and
// Latin text. The ratios of one run are what to read, not the absolute times.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "GdiSurface.h"
#include "WinGdi.h"
#include "WinUserDraw.h"

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 1024;

struct TScreenPair {
  TGdiSurface Target{kWidth, kHeight};
  TGdiSurface Source{kWidth, kHeight};
  HDC TargetDC = CreateSurfaceDC(&Target, POINT{0, 0}, nullptr);
  HDC SourceDC = CreateSurfaceDC(&Source, POINT{0, 0}, nullptr);
  ~TScreenPair() {
    DeleteDC(TargetDC);
    DeleteDC(SourceDC);
  }
};

void BM_FillRect(benchmark::State& state) {
  TScreenPair screens;
  HBRUSH brush = CreateSolidBrush(RGB(0x31, 0x6A, 0xC5));
  RECT all{0, 0, kWidth, kHeight};
  for (auto _ : state) {
    FillRect(screens.TargetDC, &all, brush);
    benchmark::ClobberMemory();
  }
  DeleteObject(brush);
  state.SetBytesProcessed(state.iterations() * kWidth * kHeight * 4);
}
BENCHMARK(BM_FillRect);

void BM_MemsetBaseline(benchmark::State& state) {
  std::vector<uint32_t> pixels(static_cast<size_t>(kWidth) * kHeight);
  for (auto _ : state) {
    std::memset(pixels.data(), 0x5A, pixels.size() * 4);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kWidth * kHeight * 4);
}
BENCHMARK(BM_MemsetBaseline);

void BM_BitBltCopy(benchmark::State& state) {
  TScreenPair screens;
  for (auto _ : state) {
    BitBlt(screens.TargetDC, 0, 0, kWidth, kHeight, screens.SourceDC, 0, 0, SRCCOPY);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kWidth * kHeight * 4);
}
BENCHMARK(BM_BitBltCopy);

void BM_MemcpyBaseline(benchmark::State& state) {
  std::vector<uint32_t> from(static_cast<size_t>(kWidth) * kHeight), to(from.size());
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size() * 4);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kWidth * kHeight * 4);
}
BENCHMARK(BM_MemcpyBaseline);

void BM_TextPage(benchmark::State& state) {
  TScreenPair screens;
  HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "宋体");
  HGDIOBJ old = SelectObject(screens.TargetDC, font);
  const char* line = "拍卖物品 Auction item 剩余秒数 12345 提醒 reminder";
  int length = static_cast<int>(std::strlen(line));
  for (auto _ : state) {
    for (int row = 0; row < 64; ++row) TextOutA(screens.TargetDC, 4, row * 15, line, length);
    benchmark::ClobberMemory();
  }
  SelectObject(screens.TargetDC, old);
  DeleteObject(font);
}
BENCHMARK(BM_TextPage);

}  // namespace
