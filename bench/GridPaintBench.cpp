// The grid's paint and scroll roads. BM_GridRepaintRatio repaints a 433 x 413 grid of the main
// form's size showing 20 data rows with text in every cell, against a memcpy of its 32-bit frame.
// BM_GridScrollRatio pages a grid from its top to its bottom, painting after each step, with 10^5
// and with 10^3 rows: the cost of a step against a full repaint, and the 10^5-row step against the
// 10^3-row one (it must not grow with the row count).
#include <cstring>
#include <vector>

#include "GridBenchSupport.h"
#include "Strings.h"
#include "WinQueue.h"
#include "WinScrollBars.h"

namespace {

using namespace GridBench;

// A grid that keeps no data: each cell's text is made when the cell is loaded for painting.
class TBenchGrid : public TtsBaseGrid {
  DECLARE_CLASS(TBenchGrid, TtsBaseGrid)
 public:
  explicit TBenchGrid(TComponent* AOwner = nullptr) : TtsBaseGrid(AOwner) {}
  void CellLoadedEvent(Integer DataCol, Integer DataRow, TtsControlType, Variant& Value) override {
    static const char* const texts[] = {"物品名称", "2024-05-17 12:30:00", "86400", "00:00:12", "12:29:48"};
    Value = String(texts[(DataCol - 1) % 5]) + " " + IntToStr(DataRow);
  }
  // The grid draws its cells itself (text, background, lines): nothing is left to the application.
  bool PaintCell(TtsDrawData&, const TRect&, bool) override { return false; }
  bool ActivateDoGetDrawInfo() override { return false; }
  void TopLeftChangedEvent(Integer, Integer, bool, Integer, Integer) override {}
  void DoRowLoaded(const Variant&) override {}
  void DoCellChanged(Integer, Integer, const Variant&, const Variant&) override {}
  void DoRowChanged(const Variant&, const Variant&) override {}
};
IMPLEMENT_CLASS(TBenchGrid)

struct TBench {
  TForm* Form = BenchForm();

  // A grid of the main form's list: five columns, a heading of 18 in a 16-pixel Song face and rows of 19.
  TBenchGrid* MakeGrid(Integer Rows) {
    auto* grid = New<TBenchGrid>(Form);
    grid->SetBorderStyle(bsNone);
    grid->SetGridColCount(5);
    grid->SetGridRowCount(Rows);
    grid->SetParent(Form);
    grid->SetBounds(0, 0, 433, 413);
    grid->GetFont()->SetName("宋体");
    grid->GetFont()->SetHeight(-12);
    grid->GetHeadingFont()->SetName("宋体");
    grid->GetHeadingFont()->SetHeight(-16);
    grid->SetHeadingHeight(18);
    grid->SetDefaultRowHeight(19);
    const Integer widths[] = {97, 164, 105, 38, 70};
    const char* const headings[] = {"物品名", "到期时间", "距到期相差秒", "秒表", "修改时间"};
    for (Integer c = 1; c <= 5; ++c) {
      grid->GetCols()->GetItem(c)->SetWidth(widths[c - 1]);
      grid->GetCols()->GetItem(c)->SetHeading(headings[c - 1]);
    }
    Application->ProcessMessages();
    return grid;
  }
};

TBench& Bench() {
  static TBench bench;
  return bench;
}

// Pages from the top row to the last page, painting after every step; answers the steps.
Integer PageThrough(TtsBaseGrid* Grid) {
  SendMessage(Grid->GetHandle(), WM_VSCROLL, SB_TOP, 0);
  Integer steps = 0;
  for (Integer last = -1; Grid->GetTopRow() != last; ++steps) {
    last = Grid->GetTopRow();
    SendMessage(Grid->GetHandle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  }
  return steps;
}

void BM_GridRepaintRatio(benchmark::State& state) {
  TBenchGrid* grid = Bench().MakeGrid(20);
  std::vector<uint32_t> frame(433 * 413, 0x00FFFFFF), copy(frame.size());
  constexpr int kBatch = 8;
  Clock::duration paint{}, memory{};
  for (auto _ : state) {
    auto t0 = Clock::now();
    for (int i = 0; i < kBatch; ++i) Repaint(grid);
    auto t1 = Clock::now();
    for (int i = 0; i < kBatch; ++i) {
      std::memcpy(copy.data(), frame.data(), frame.size() * sizeof(uint32_t));
      benchmark::ClobberMemory();
    }
    auto t2 = Clock::now();
    paint += t1 - t0;
    memory += t2 - t1;
  }
  state.counters["ratio"] = static_cast<double>(paint.count()) / static_cast<double>(memory.count());
  state.counters["repaint_us"] = std::chrono::duration<double, std::micro>(paint).count() / (state.iterations() * kBatch);
  state.counters["memcpy_us"] = std::chrono::duration<double, std::micro>(memory).count() / (state.iterations() * kBatch);
  grid->Free();
}
BENCHMARK(BM_GridRepaintRatio);

void BM_GridScrollRatio(benchmark::State& state) {
  CountStepRatios(state, 100000, 1000, [](Integer Rows) { return Bench().MakeGrid(Rows); }, PageThrough, "step",
                  "rows_1e5_vs_1e3");
}
BENCHMARK(BM_GridScrollRatio)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
