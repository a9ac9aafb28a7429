// What the base-control tests share: a fixture on an empty desktop with a form to put controls on,
// the test clock, pointer and key input, and a scrolling control whose content size the test sets.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "DateTime.h"
#include "Forms.h"
#include "HeadlessBackend.h"
#include "WinUser.h"
#include "cxControls.h"

namespace cxControlsTest {

class TControlsFixture : public ::testing::Test {
 protected:
  TManualClock Clock{45000.0, 1000};
  TClockOverride ClockOverride{Clock};
  TForm* Form = nullptr;

  // The units' own hidden windows (theme changes, colour changes, the framework's timers) live on
  // from test to test, so the desktop is not reset: each test frees what it made and leaves no
  // button held, no capture and no message waiting.
  void SetUp() override {
    Form = TCustomForm::CreateNew<TForm>(nullptr);
    Form->SetBounds(100, 100, 400, 300);
  }
  void TearDown() override {
    FreeAndNil(Form);
    ReleaseCapture();
    for (int key : {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON, VK_SHIFT, VK_CONTROL, VK_MENU}) SetKeyState(key, false);
    InjectMouseMove(0, 0);
    Application->ProcessMessages();
  }

  template <class T>
  T* Add(int x, int y, int w, int h, TWinControl* AParent = nullptr) {
    auto* c = CreateComponent<T>(Form);
    c->SetParent(AParent ? AParent : Form);
    c->SetBounds(x, y, w, h);
    return c;
  }
  void ShowForm() {
    Form->Show();
    Application->ProcessMessages();
  }
  // Moves the test clock and handles what is due then.
  void Step(UInt64 AMsecs) {
    Clock.Advance(AMsecs);
    Application->ProcessMessages();
  }
  static void MoveTo(TControl* c, int x, int y) {
    const TPoint p = c->ClientToScreen(TPoint(x, y));
    InjectMouseMove(p.x, p.y);
    Application->ProcessMessages();
  }
  // Moves there and presses or releases a button (0 left, 1 right, 2 middle).
  static void Press(TControl* c, int x, int y, int button = 0, bool down = true) {
    const TPoint p = c->ClientToScreen(TPoint(x, y));
    InjectMouseMove(p.x, p.y);
    InjectMouseButton(button, down);
    Application->ProcessMessages();
  }
  static void Release(TControl* c, int x, int y, int button = 0) { Press(c, x, y, button, false); }
};

// Sets the work area of the desktop for a scope.
class TWorkAreaOverride {
 public:
  explicit TWorkAreaOverride(const RECT& AArea) {
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &FSaved, 0);
    RECT area = AArea;
    SystemParametersInfoA(SPI_SETWORKAREA, 0, &area, 0);
  }
  TWorkAreaOverride(const TWorkAreaOverride&) = delete;
  TWorkAreaOverride& operator=(const TWorkAreaOverride&) = delete;
  ~TWorkAreaOverride() { SystemParametersInfoA(SPI_SETWORKAREA, 0, &FSaved, 0); }

 private:
  RECT FSaved{};
};

// A control whose content is ContentWidth x ContentHeight pixels, scrolled by pixel bars that may hide;
// it records what it is asked to scroll.
class TScrollingControl : public TcxControl {
  DECLARE_CLASS(TScrollingControl, TcxControl)
 public:
  Integer ContentWidth = 0, ContentHeight = 0;
  bool PixelScrollBars = true;
  bool AllowHide = true;
  Integer InitCount = 0;
  struct TScrollCall {
    TScrollBarKind Kind;
    TScrollCode Code;
    Integer Position;
  };
  std::vector<TScrollCall> Scrolls;
  std::function<void(TScrollingControl*)> OnInitScrollBars;
  std::function<void()> AfterScroll;

  void SetContent(Integer AWidth, Integer AHeight) {
    ContentWidth = AWidth;
    ContentHeight = AHeight;
    UpdateScrollBars();
  }
  using TcxControl::BoundsChanged;
  using TcxControl::SetScrollBarInfo;
  using TcxControl::UpdateScrollBars;

 protected:
  void InitScrollBarsParameters() override {
    ++InitCount;
    if (OnInitScrollBars) return OnInitScrollBars(this);
    const TRect client = GetClientBounds();
    SetScrollBarInfo(sbHorizontal, 0, ContentWidth - 1, 1, client.Width(), 0, true, AllowHide);
    SetScrollBarInfo(sbVertical, 0, ContentHeight - 1, 1, client.Height(), 0, true, AllowHide);
  }
  bool IsPixelScrollBar(TScrollBarKind) override { return PixelScrollBars; }
  // The content: a window-coloured page with a grid of lines every 20 pixels, scrolled by the bars.
  void Paint() override;
  void Scroll(TScrollBarKind AKind, TScrollCode ACode, Integer& APosition) override {
    Scrolls.push_back({AKind, ACode, APosition});
    if (AfterScroll) AfterScroll();
  }
};

}  // namespace cxControlsTest
