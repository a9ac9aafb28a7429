// The in-place window base: its own pairing of presses into double clicks, the keys it claims from
// the dialog manager, clicks reported before the mouse-up event, and the form's focus kept on the
// grid.
#include <gtest/gtest.h>

#include "HeadlessBackend.h"
#include "InplaceTestSupport.h"
#include "WinInput.h"
#include "WinUser.h"

using namespace InplaceTest;

namespace {

// An edit box whose painting the test calls itself.
class TPaintProbeBox : public TtsGridEditBox {
  DECLARE_CLASS(TPaintProbeBox, TtsGridEditBox)
 public:
  explicit TPaintProbeBox(TComponent* AOwner = nullptr) : TtsGridEditBox(AOwner) {}
  using TtsGridEditBox::PaintWindow;
};
IMPLEMENT_CLASS(TPaintProbeBox)

class InplaceControlTest : public InplaceFixture {
 protected:
  std::vector<String> Events;

  template <class T>
  T* MakeRecorded() {
    T* control = Make<T>(10, 10, 60, 20);
    control->OnDblClick = TNotifyEvent([this](TObject*) { Events.push_back("dbl"); });
    control->OnClick = TNotifyEvent([this](TObject*) { Events.push_back("click"); });
    control->OnMouseDown = TMouseEvent([this](TObject*, TMouseButton, TShiftState Shift, Integer, Integer) {
      Events.push_back(Shift.Contains(ssDouble) ? "down2" : "down");
    });
    control->OnMouseUp = TMouseEvent([this](TObject*, TMouseButton, TShiftState, Integer, Integer) {
      Events.push_back("up");
    });
    return control;
  }
  // A press as the grid forwards it (with or without the left-button flag), and its release.
  static void Forward(TControl* Control, Integer X, Integer Y, bool LeftFlag = true) {
    Control->Perform(WM_LBUTTONDOWN, LeftFlag ? MK_LBUTTON : 0, MAKELPARAM(X, Y));
    Control->Perform(WM_LBUTTONUP, 0, MAKELPARAM(X, Y));
  }
};

// Two presses pair when the second comes at the same pixel within the double-click time and
// nothing moved the window between them.
TEST_F(InplaceControlTest, PressesPairIntoDoubleClicks) {
  enum Between { Nothing, Wait, MoveWindow };
  struct Case {
    bool FirstFlag;
    Integer SecondX;
    Between Step;
    Integer DoubleClicks;
  } cases[] = {
      {true, 5, Nothing, 1},     {true, 6, Nothing, 0},     {true, 5, Wait, 0},
      {true, 5, MoveWindow, 0},  {false, 5, Nothing, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Format("flag %d x %d step %d", {Integer(c.FirstFlag), c.SecondX, Integer(c.Step)}));
    auto* control = MakeRecorded<TtsGridEditBox>();
    Form->Show();
    Pump();
    Forward(control, 5, 5, c.FirstFlag);
    if (c.Step == Wait) Clock.Advance(GetDoubleClickTime() + 1);
    if (c.Step == MoveWindow) control->SetLeft(12);
    Clock.Advance(100);
    Forward(control, c.SecondX, 5);
    EXPECT_EQ(std::count(Events.begin(), Events.end(), String("dbl")), c.DoubleClicks);
    EXPECT_EQ(std::count(Events.begin(), Events.end(), String("down")), 2 - c.DoubleClicks);
    Events.clear();
    FreeAndNil(control);
    Clock.Advance(1000);
  }
}

TEST_F(InplaceControlTest, AWindowWithoutDoubleClicksTakesASystemDoubleClickAsAPress) {
  auto* box = MakeRecorded<TtsGridCheckBox>();
  Form->Show();
  Pump();
  Forward(box, 5, 5);
  Clock.Advance(50);
  box->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  box->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(std::count(Events.begin(), Events.end(), String("dbl")), 0);
  EXPECT_EQ(std::count(Events.begin(), Events.end(), String("down")), 2);
}

TEST_F(InplaceControlTest, ClicksAreReportedBeforeTheMouseUpEvent) {
  auto* control = MakeRecorded<TtsGridControl>();
  Form->Show();
  Pump();
  Click(control, 5, 5);
  EXPECT_EQ(Events, (std::vector<String>{"down", "click", "up"}));
}

TEST_F(InplaceControlTest, DialogCodesClaimArrowsCharsTabsAndEscapeWhenTheGridWantsIt) {
  auto* control = Make<TtsGridControl>(10, 10, 60, 20);
  bool gridWantsEscape = false;
  control->OnWantKey = TtsWantKeyEvent([&](TObject*, Word Key, bool& Want) { Want = Key == VK_ESCAPE && gridWantsEscape; });
  auto code = [&] { return control->Perform(WM_GETDLGCODE, 0, 0); };
  EXPECT_EQ(code(), LRESULT(DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB));
  SetKeyState(VK_CONTROL, true);
  EXPECT_EQ(code() & DLGC_WANTTAB, 0) << "Ctrl+Tab is left to the form";
  SetKeyState(VK_CONTROL, false);
  control->WantTabs = false;
  EXPECT_EQ(code() & DLGC_WANTTAB, 0);
  SetKeyState(VK_ESCAPE, true);
  EXPECT_EQ(code() & DLGC_WANTALLKEYS, 0);
  gridWantsEscape = true;
  EXPECT_EQ(code() & DLGC_WANTALLKEYS, LRESULT(DLGC_WANTALLKEYS));
  SetKeyState(VK_ESCAPE, false);
  SetKeyState(VK_RETURN, true);
  EXPECT_EQ(code() & DLGC_WANTALLKEYS, LRESULT(DLGC_WANTALLKEYS));
  SetKeyState(VK_RETURN, false);
}

TEST_F(InplaceControlTest, TheFormKeepsTheGridFocusedWhileTheKeyboardIsInTheWindow) {
  auto* control = Make<TtsGridEditBox>(10, 10, 60, 20);
  Integer killed = 0;
  control->OnKillFocus = TNotifyEvent([&](TObject*) { ++killed; });
  ShowFocused(control);
  EXPECT_TRUE(control->Focused());
  EXPECT_EQ(Form->GetActiveControl(), Grid);
  ::SetFocus(Grid->GetHandle());  // the form takes the grid as focused already
  Pump();
  EXPECT_EQ(killed, 1);
  EXPECT_EQ(Form->GetActiveControl(), Grid);
}

TEST_F(InplaceControlTest, PaintingThroughTheSharedCanvasCopiesOnlyTheClipBox) {
  auto* box = Make<TPaintProbeBox>(10, 10, 60, 20);
  box->SetColor(clWhite);
  TOwnedPtr<TBitmap> target(New<TBitmap>());
  target->SetPixelFormat(pf32bit);
  target->SetSize(60, 20);
  target->GetCanvas()->GetBrush()->SetColor(clRed);
  target->GetCanvas()->FillRect(TRect(0, 0, 60, 20));
  HDC dc = target->GetCanvas()->GetHandle();
  IntersectClipRect(dc, 30, 0, 60, 20);
  box->PaintWindow(dc);
  SelectClipRgn(dc, nullptr);
  EXPECT_EQ(GetPixel(dc, 10, 10) & 0xFFFFFF, ColorToRGB(clRed)) << "outside the clip box";
  EXPECT_EQ(GetPixel(dc, 50, 10) & 0xFFFFFF, ColorToRGB(clWhite));
}

}  // namespace
