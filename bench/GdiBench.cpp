// The raster's main roads against the memory operations they reduce to: a solid fill against
// filling the same bytes, a copying blit against copying them, and a page of mixed Chinese and
// Latin text. The ratios of one run are what to read, not the absolute times; the "ratio" counters
// are measured within one benchmark (goals in brackets):
//
// - BM_ChineseWindowPaint: a 433 x 413 window DC (with its visible region) painted with its
//   background and 100 lines of eight Chinese characters in four columns of 25 rows, against a
//   memcpy of the window's frame (5).
// - BM_AlphaBlendFrame: a 1:1 per-pixel AlphaBlend of a 433 x 413 image, against a memcpy of the
//   same pixels (2).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <random>
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

constexpr int kWindowWidth = 433;
constexpr int kWindowHeight = 413;

// Times ARoad and ABaseline in turn, batches of each, and reports their ratio.
template <class TRoad, class TBaseline>
void RunRatio(benchmark::State& state, TRoad ARoad, TBaseline ABaseline) {
  using Clock = std::chrono::steady_clock;
  Clock::duration road{}, baseline{};
  for (auto _ : state) {
    auto t0 = Clock::now();
    ARoad();
    benchmark::ClobberMemory();
    auto t1 = Clock::now();
    ABaseline();
    benchmark::ClobberMemory();
    auto t2 = Clock::now();
    road += t1 - t0;
    baseline += t2 - t1;
  }
  state.counters["ratio"] = static_cast<double>(road.count()) / static_cast<double>(baseline.count());
  state.counters["road_us"] = std::chrono::duration<double, std::micro>(road).count() / state.iterations();
}

void BM_ChineseWindowPaint(benchmark::State& state) {
  TGdiSurface window(kWindowWidth, kWindowHeight);
  HRGN visible = CreateRectRgn(0, 0, kWindowWidth, kWindowHeight);
  HDC dc = CreateSurfaceDC(&window, POINT{0, 0}, visible);
  DeleteObject(visible);
  HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "宋体");
  HGDIOBJ old = SelectObject(dc, font);
  HBRUSH background = CreateSolidBrush(RGB(0xFF, 0xFF, 0xFF));
  SetBkMode(dc, TRANSPARENT);
  const char* lines[] = {"拍卖物品剩余时间", "提醒设置历史记录", "竞拍价格截止日期", "到期物品移入历史"};
  RECT all{0, 0, kWindowWidth, kWindowHeight};
  std::vector<uint32_t> from(static_cast<size_t>(kWindowWidth) * kWindowHeight), to(from.size());
  RunRatio(
      state,
      [&] {
        FillRect(dc, &all, background);
        for (int row = 0; row < 100; ++row) {
          const char* line = lines[row % 4];
          TextOutA(dc, 4 + (row / 25) * 107, 2 + (row % 25) * 16, line, static_cast<int>(std::strlen(line)));
        }
      },
      [&] { std::memcpy(to.data(), from.data(), from.size() * 4); });
  SelectObject(dc, old);
  DeleteObject(font);
  DeleteObject(background);
  DeleteDC(dc);
}
BENCHMARK(BM_ChineseWindowPaint);

// A premultiplied 32-bit image of random colours and alphas over a random background.
void BM_AlphaBlendFrame(benchmark::State& state) {
  TGdiSurface target(kWindowWidth, kWindowHeight), image(kWindowWidth, kWindowHeight);
  std::mt19937 random(5);
  for (int y = 0; y < kWindowHeight; ++y)
    for (int x = 0; x < kWindowWidth; ++x) {
      const uint32_t a = random() % 256;
      auto channel = [&] { return static_cast<uint32_t>(random() % (a + 1)); };
      image.SetPixel(x, y, a << 24 | channel() << 16 | channel() << 8 | channel());
      target.SetPixel(x, y, random() & 0x00FFFFFF);
    }
  HDC dest = CreateSurfaceDC(&target, POINT{0, 0}, nullptr);
  HDC src = CreateSurfaceDC(&image, POINT{0, 0}, nullptr);
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  std::vector<uint32_t> from(static_cast<size_t>(kWindowWidth) * kWindowHeight), to(from.size());
  RunRatio(
      state, [&] { AlphaBlend(dest, 0, 0, kWindowWidth, kWindowHeight, src, 0, 0, kWindowWidth, kWindowHeight, blend); },
      [&] { std::memcpy(to.data(), from.data(), from.size() * 4); });
  DeleteDC(dest);
  DeleteDC(src);
}
BENCHMARK(BM_AlphaBlendFrame);

}  // namespace
