// The base control's scroll bars: what a description makes of a bar, the layout of the bars and the
// size grip, the settling of bars that depend on each other, locking, the system sizes, a click on
// a bar, and a picture of a control with both bars and the grip in every look.
#include "cxControlsTestSupport.h"

#include <cstdlib>

#include "cxLookAndFeelPaintersRegistry.h"

using namespace cxControlsTest;

namespace {

class ControlScrollBars : public TControlsFixture {
 protected:
  TScrollingControl* Control = nullptr;
  void SetUp() override {
    TControlsFixture::SetUp();
    Control = Add<TScrollingControl>(10, 10, 200, 100);
    ShowForm();
  }
};

TEST_F(ControlScrollBars, ABarIsShownEnabledOnlyWhenItsRangeNeedsScrolling) {
  struct TCase {
    const char* Name;
    Integer Min, Max, Page, Pos;
    bool AllowShow, AllowHide;
    TScrollStyle ScrollBars;
    bool Visible, Enabled;
  };
  const TCase cases[] = {
      {"needed", 0, 99, 50, 0, true, true, ssBoth, true, true},
      {"page covers the range, hideable", 0, 99, 100, 0, true, true, ssBoth, false, false},
      {"page covers the range, not hideable", 0, 99, 100, 0, true, false, ssBoth, true, false},
      {"position before the range", 10, 99, 50, 5, true, true, ssBoth, false, false},
      {"empty range", 50, 49, 0, 50, true, false, ssBoth, true, false},
      {"not allowed to show", 0, 99, 50, 0, false, false, ssBoth, false, false},
      {"the control shows no horizontal bars", 0, 99, 50, 0, true, true, ssVertical, false, false},
      {"the control shows horizontal bars", 0, 99, 50, 0, true, true, ssHorizontal, true, true},
  };
  for (const TCase& c : cases) {
    Control->SetScrollBars(c.ScrollBars);
    TcxScrollBarData& data = Control->GetHScrollBar()->GetData();
    data = TcxScrollBarData{};
    data.Min = -7;  // kept when the bar is not needed
    Control->SetScrollBarInfo(sbHorizontal, c.Min, c.Max, 3, c.Page, c.Pos, c.AllowShow, c.AllowHide);
    EXPECT_EQ(data.Visible, c.Visible) << c.Name;
    EXPECT_EQ(data.Visible && data.Enabled, c.Enabled) << c.Name;
    if (c.Enabled) {
      EXPECT_EQ(data.Min, c.Min) << c.Name;
      EXPECT_EQ(data.LargeChange, c.Page) << c.Name;
      EXPECT_EQ(data.SmallChange, 3) << c.Name;
    } else {
      EXPECT_EQ(data.Min, -7) << c.Name;
    }
  }
}

TEST_F(ControlScrollBars, BarsAndGripTakeTheirPlaceInsideTheBorder) {
  Control->SetContent(500, 500);
  ASSERT_TRUE(Control->GetHScrollBarVisible() && Control->GetVScrollBarVisible());
  EXPECT_EQ(Control->GetHScrollBar()->GetBoundsRect(), TRect(0, 83, 183, 100));
  EXPECT_EQ(Control->GetVScrollBar()->GetBoundsRect(), TRect(183, 0, 200, 83));
  EXPECT_TRUE(Control->GetSizeGrip()->GetVisible());
  EXPECT_EQ(Control->GetSizeGrip()->GetBoundsRect(), TRect(183, 83, 200, 100));
  EXPECT_EQ(Control->GetClientBounds(), TRect(0, 0, 183, 83));
  // The page follows the room the bars leave.
  EXPECT_EQ(Control->GetHScrollBar()->GetPageSize(), 183);
  EXPECT_EQ(Control->GetVScrollBar()->GetPageSize(), 83);

  Control->SetBorderStyle(cxcbsDefault);
  const Integer border = Control->GetBorderSize();
  ASSERT_GT(border, 0);
  EXPECT_EQ(Control->GetHScrollBar()->GetBoundsRect(), TRect(border, 100 - border - 17, 200 - border - 17, 100 - border));
  EXPECT_EQ(Control->GetSizeGrip()->GetBoundsRect(),
            TRect(200 - border - 17, 100 - border - 17, 200 - border, 100 - border));

  // Only the vertical bar: no grip, the client reaches the bottom.
  Control->SetBorderStyle(cxcbsNone);
  Control->SetContent(100, 500);
  EXPECT_FALSE(Control->GetHScrollBarVisible());
  EXPECT_TRUE(Control->GetVScrollBarVisible());
  EXPECT_FALSE(Control->GetSizeGrip()->GetVisible());
  EXPECT_EQ(Control->GetVScrollBar()->GetBoundsRect(), TRect(183, 0, 200, 100));
}

TEST_F(ControlScrollBars, OneBarNeededMakesRoomThatMayNeedTheOther) {
  // 190 fits the full width but not the width left beside the vertical bar that 105 needs.
  Control->SetContent(190, 105);
  EXPECT_TRUE(Control->GetVScrollBarVisible());
  EXPECT_TRUE(Control->GetHScrollBarVisible());
  Control->SetContent(190, 95);
  EXPECT_FALSE(Control->GetVScrollBarVisible());
  EXPECT_FALSE(Control->GetHScrollBarVisible());
}

TEST_F(ControlScrollBars, PixelBarsNeededOnlyBecauseOfEachOtherAreBothHidden) {
  // A control that measures its page by the bars shown now sees both needed once both are shown.
  for (bool pixel : {true, false}) {
    auto* control = Add<TScrollingControl>(10, 120, 200, 100);
    control->PixelScrollBars = pixel;
    control->OnInitScrollBars = [](TScrollingControl* c) {
      const Integer w = 200 - (c->GetVScrollBar()->GetVisible() ? 17 : 0);
      const Integer h = 100 - (c->GetHScrollBar()->GetVisible() ? 17 : 0);
      c->SetScrollBarInfo(sbHorizontal, 0, c->ContentWidth - 1, 1, w, 0, true, true);
      c->SetScrollBarInfo(sbVertical, 0, c->ContentHeight - 1, 1, h, 0, true, true);
    };
    control->SetContent(500, 500);
    ASSERT_TRUE(control->GetHScrollBarVisible() && control->GetVScrollBarVisible());
    control->SetContent(190, 90);
    EXPECT_EQ(control->GetHScrollBarVisible(), !pixel) << pixel;
    EXPECT_EQ(control->GetVScrollBarVisible(), !pixel) << pixel;
    control->Free();
  }
}

TEST_F(ControlScrollBars, AShowHideOscillationStopsAtADisabledBar) {
  // A control that needs its horizontal bar exactly while the bar is hidden.
  Control->OnInitScrollBars = [](TScrollingControl* c) {
    const bool needed = !c->GetHScrollBar()->GetVisible();
    c->SetScrollBarInfo(sbHorizontal, 0, needed ? 999 : 9, 1, 100, 0, true, true);
    c->SetScrollBarInfo(sbVertical, 0, 9, 1, 100, 0, true, true);
  };
  Control->InitCount = 0;
  Control->UpdateScrollBars();
  EXPECT_TRUE(Control->GetHScrollBar()->GetVisible());
  EXPECT_FALSE(Control->GetHScrollBar()->GetEnabled());
  EXPECT_LT(Control->InitCount, 10);
  // The next update starts afresh.
  Control->InitCount = 0;
  Control->UpdateScrollBars();
  EXPECT_LT(Control->InitCount, 10);
}

TEST_F(ControlScrollBars, UpdatesWhileLockedRunOnceAtTheLastUnlock) {
  auto* reference = Add<TScrollingControl>(10, 120, 200, 100);
  reference->InitCount = 0;
  reference->SetContent(500, 500);
  Control->InitCount = 0;
  Control->LockScrollBars();
  Control->LockScrollBars();
  Control->SetContent(500, 500);
  Control->BoundsChanged();
  Control->UnlockScrollBars();
  EXPECT_EQ(Control->InitCount, 0);
  Control->UnlockScrollBars();
  EXPECT_EQ(Control->InitCount, reference->InitCount);
  EXPECT_TRUE(Control->GetHScrollBarVisible());
  // Nothing asked for while locked: nothing runs at the unlock.
  Control->InitCount = 0;
  Control->LockScrollBars();
  Control->UnlockScrollBars();
  EXPECT_EQ(Control->InitCount, 0);
}

TEST_F(ControlScrollBars, ApplyingAHiddenBarLeavesItsRangeAlone) {
  TcxControlScrollBar* bar = Control->GetHScrollBar();
  bar->SetScrollParams(0, 50, 20, 10);
  bar->SetVisible(true);
  TcxScrollBarData& data = bar->GetData();
  data = TcxScrollBarData{};
  data.Min = 5;
  data.Max = 500;
  data.Position = 400;
  data.Visible = false;
  bar->ApplyData();
  EXPECT_FALSE(bar->GetVisible());
  EXPECT_EQ(bar->GetMax(), 50);
  EXPECT_EQ(bar->GetPosition(), 20);
}

TEST_F(ControlScrollBars, BarsFollowTheSystemScrollBarSizes) {
  Control->SetContent(500, 500);
  Control->GetVScrollBar()->SetWidth(10);
  Control->GetHScrollBar()->SetHeight(10);
  Control->Perform(CM_NCSIZECHANGED, 0, 0);
  EXPECT_EQ(Control->GetVScrollBar()->GetBoundsRect(), TRect(183, 0, 200, 83));
  EXPECT_EQ(Control->GetHScrollBar()->GetHeight(), 17);
  // A change of the non-client metrics reaches every base control with bars.
  Control->GetVScrollBar()->SetWidth(10);
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof metrics, &metrics, SPIF_SENDCHANGE);
  Application->ProcessMessages();
  EXPECT_EQ(Control->GetVScrollBar()->GetWidth(), 17);
}

TEST_F(ControlScrollBars, AClickOnABarFocusesTheControlFirst) {
  auto* other = Add<TScrollingControl>(250, 10, 100, 100);
  other->SetFocus();
  Control->SetContent(500, 500);
  bool focusedWhenScrolled = false;
  Control->GetVScrollBar()->SetOnScroll([&](TObject*, TScrollCode, Integer&) {
    focusedWhenScrolled = Control->Focused();
  });
  TcxControlScrollBar* bar = Control->GetVScrollBar();
  Press(bar, 8, 78);  // the bottom arrow
  Release(bar, 8, 78);
  EXPECT_TRUE(focusedWhenScrolled);
  // A control that keeps the focus elsewhere is not focused by its bar.
  other->SetFocus();
  Control->SetFocusOnClick(false);
  Press(bar, 8, 78);
  Release(bar, 8, 78);
  EXPECT_TRUE(other->Focused());
}

using ControlScrollBarsPicture = TControlsFixture;

TEST_F(ControlScrollBarsPicture, BothBarsAndTheGripInEveryLook) {
  struct TLook {
    const char* Name;
    TcxLookAndFeelKind Kind;
    bool Native;
  };
  const TLook looks[] = {{"standard", lfStandard, false}, {"flat", lfFlat, false},
                         {"ultraflat", lfUltraFlat, false}, {"office11", lfOffice11, false},
                         {"native", lfStandard, true}};
  Form->SetBounds(0, 0, 5 * 150 + 40, 190);
  Form->SetColor(clWhite);
  std::vector<TScrollingControl*> controls;
  for (size_t i = 0; i < std::size(looks); ++i) {
    auto* c = Add<TScrollingControl>(10 + 150 * static_cast<int>(i), 10, 140, 120);
    c->SetBorderStyle(cxcbsDefault);
    c->GetLookAndFeel()->SetKind(looks[i].Kind);
    c->GetLookAndFeel()->SetNativeStyle(looks[i].Native);
    c->SetContent(600, 600);
    c->GetHScrollBar()->SetPosition(150);
    controls.push_back(c);
  }
  ShowForm();
  for (size_t i = 0; i < std::size(looks); ++i) {
    TScrollingControl* c = controls[i];
    EXPECT_TRUE(c->GetHScrollBarVisible() && c->GetVScrollBarVisible()) << looks[i].Name;
    EXPECT_TRUE(c->GetSizeGrip()->GetVisible()) << looks[i].Name;
    EXPECT_EQ(c->GetHScrollBar()->GetPainter()->LookAndFeelStyle(), c->GetLookAndFeel()->GetActiveStyle())
        << looks[i].Name;
  }
  const char* dir = std::getenv("GDI_SNAPSHOT_DIR");
  const String file = String(dir ? dir : std::getenv("HOME")) + "/control-scrollbars.png";
  EXPECT_TRUE(SaveWindowPng(Form->GetHandle(), file));
}

}  // namespace
