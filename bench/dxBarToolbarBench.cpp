// The application's toolbar in the Office 2003 look: the repaint of one button while the mouse is over
// it (BM_ToolbarButtonHoverRepaintRatio) and while it is pressed (BM_ToolbarButtonPressRepaintRatio),
// each against a bare FillRect of the button's rectangle on the toolbar window.
#include <benchmark/benchmark.h>

#include <chrono>

#include "Forms.h"
#include "HeadlessBackend.h"
#include "Units.h"
#include "WinGdi.h"
#include "WinPaint.h"
#include "WinUser.h"
#include "dxBar.h"
#include "dxBarBar.h"
#include "dxBarButton.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"
#include "dxBarToolbarControl.h"

namespace Units {
void RegisterUnits_toolbar();
}

namespace {

using Clock = std::chrono::steady_clock;

// The main form's toolbar: a manager in the Office 2003 style with "工具栏" docked at the top holding
// the buttons "新建" and "关闭".
struct TToolbarBench {
  TForm* Form = nullptr;
  TdxBar* Bar = nullptr;
  TdxBarControl* Window = nullptr;

  TToolbarBench() {
    Units::RegisterUnits_toolbar();
    Units::InitializeUnits();
    Form = TCustomForm::CreateNew<TForm>(nullptr);
    Form->SetBounds(0, 0, 441, 500);
    auto* manager = New<TdxBarManager>(Form);
    manager->SetStyle(bmsOffice11);
    manager->GetFont()->SetName("宋体");
    manager->GetFont()->SetHeight(-12);
    Bar = manager->GetBars()->Add();
    Bar->SetCaption("工具栏");
    Bar->GetFont()->SetName("宋体");
    Bar->GetFont()->SetHeight(-14);
    Bar->SetUseOwnFont(true);
    Bar->SetMultiLine(true);
    Bar->SetUseRestSpace(true);
    for (const char* caption : {"新建", "关闭"}) {
      auto* button = New<TdxBarButton>(Form);
      button->SetCaption(caption);
      manager->AddItem(button);
      Bar->GetItemLinks()->Add(button);
    }
    Form->Show();
    Bar->SetDockingStyle(dsTop);
    Bar->SetVisible(true);
    Application->ProcessMessages();
    Window = dynamic_cast<TdxBarControl*>(Bar->GetControl());
  }
  RECT ButtonRect() const { return Bar->GetItemLinks()->GetItem(0)->GetItemRect(); }
  void Hover() {
    const RECT r = ButtonRect();
    const TPoint p = Window->ClientToScreen(TPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    InjectMouseMove(p.x, p.y);
    Application->ProcessMessages();
  }
  void Press(bool ADown) {
    InjectMouseButton(0, ADown);
    Application->ProcessMessages();
  }
};

TToolbarBench& Bench() {
  static TToolbarBench bench;
  return bench;
}

// The button's repaint (its rectangle invalidated and painted at once) against FillRect of it.
void MeasureRepaintRatio(benchmark::State& state) {
  TToolbarBench& bench = Bench();
  if (!bench.Window) {
    state.SkipWithError("the toolbar has no window");
    return;
  }
  const HWND wnd = bench.Window->GetHandle();
  const RECT r = bench.ButtonRect();
  HBRUSH brush = CreateSolidBrush(RGB(200, 220, 250));
  constexpr int kBatch = 16;
  Clock::duration paint{}, fill{};
  for (auto _ : state) {
    auto t0 = Clock::now();
    for (int i = 0; i < kBatch; ++i) {
      InvalidateRect(wnd, &r, FALSE);
      UpdateWindow(wnd);
    }
    auto t1 = Clock::now();
    HDC dc = GetDC(wnd);
    for (int i = 0; i < kBatch; ++i) FillRect(dc, &r, brush);
    ReleaseDC(wnd, dc);
    auto t2 = Clock::now();
    paint += t1 - t0;
    fill += t2 - t1;
  }
  DeleteObject(brush);
  const double iterations = static_cast<double>(state.iterations()) * kBatch;
  state.counters["ratio"] = static_cast<double>(paint.count()) / static_cast<double>(fill.count());
  state.counters["repaint_us"] = std::chrono::duration<double, std::micro>(paint).count() / iterations;
  state.counters["fillrect_us"] = std::chrono::duration<double, std::micro>(fill).count() / iterations;
}

void BM_ToolbarButtonHoverRepaintRatio(benchmark::State& state) {
  Bench().Hover();
  MeasureRepaintRatio(state);
}
BENCHMARK(BM_ToolbarButtonHoverRepaintRatio);

void BM_ToolbarButtonPressRepaintRatio(benchmark::State& state) {
  Bench().Hover();
  Bench().Press(true);
  MeasureRepaintRatio(state);
  // Released away from the button: no click.
  InjectMouseMove(0, 400);
  Bench().Press(false);
}
BENCHMARK(BM_ToolbarButtonPressRepaintRatio);

}  // namespace
