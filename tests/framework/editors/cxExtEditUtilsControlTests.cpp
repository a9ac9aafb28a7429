// The extended editors' routines that work on controls: the window-procedure hook, painting a
// background through the parent, and the shift state.
#include <gtest/gtest.h>

#include <vector>

#include "../controls/cxControlsTestSupport.h"
#include "Forms.h"
#include "HeadlessBackend.h"
#include "PixelSurface.h"
#include "WinInput.h"
#include "WinManage.h"
#include "WinQueue.h"
#include "cxEditUtilsTestSupport.h"
#include "cxExtEditUtils.h"

namespace {

constexpr UINT WM_EXTEDIT_PROBE = WM_USER + 17;

// Answers the probe with 42 and notes every probe it gets.
class TExtEditHookedControl : public TCustomControl {
  DECLARE_CLASS(TExtEditHookedControl, TCustomControl)
 public:
  std::vector<UINT> Probes;
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_EXTEDIT_PROBE) {
      Probes.push_back(Message.Msg);
      Message.Result = 42;
      return;
    }
    inherited::WndProc(Message);
  }
};
IMPLEMENT_CLASS(TExtEditHookedControl)

class TExtEditRecordingHook : public TcxControlHook {
  DECLARE_CLASS(TExtEditRecordingHook, TcxControlHook)
 public:
  std::vector<UINT> Seen;

 protected:
  void HookWndProc(TMessage& Message) override {
    if (Message.Msg == WM_EXTEDIT_PROBE || Message.Msg == WM_DESTROY) Seen.push_back(Message.Msg);
    inherited::HookWndProc(Message);
  }
};
IMPLEMENT_CLASS(TExtEditRecordingHook)

// Yellow, with a blue square at (12, 12) of its client area.
class TExtEditPaintedParent : public TCustomControl {
  DECLARE_CLASS(TExtEditPaintedParent, TCustomControl)
 protected:
  void Paint() override {
    GetCanvas()->GetBrush()->SetColor(clBlue);
    GetCanvas()->FillRect(TRect(12, 12, 16, 16));
  }
};
IMPLEMENT_CLASS(TExtEditPaintedParent)

class TExtEditPaintedLabel : public TGraphicControl {
  DECLARE_CLASS(TExtEditPaintedLabel, TGraphicControl)
 protected:
  void Paint() override {
    GetCanvas()->GetBrush()->SetColor(clRed);
    GetCanvas()->FillRect(TRect(0, 0, GetWidth(), GetHeight()));
  }
};
IMPLEMENT_CLASS(TExtEditPaintedLabel)

// The base controls' fixture: a form to put controls on, freed with everything on it after each test.
class cxExtEditControls : public cxControlsTest::TControlsFixture {
 protected:
  static WNDPROC WindowProcOf(TWinControl* AControl) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtr(AControl->GetHandle(), GWL_WNDPROC));
  }
};

TEST_F(cxExtEditControls, HookSeesMessagesFirstAndPassesThemOn) {
  auto* control = Add<TExtEditHookedControl>(0, 0, 40, 20);
  auto hook = NewOwned<TExtEditRecordingHook>();
  hook->SetWinControl(control);
  ASSERT_TRUE(control->HandleAllocated());  // hooking makes the window
  const WNDPROC original = hook->GetPrevWndProc();
  ASSERT_NE(original, nullptr);
  EXPECT_EQ(WindowProcOf(control), hook->GetNewWndProc());
  EXPECT_EQ(SendMessage(control->GetHandle(), WM_EXTEDIT_PROBE, 0, 0), 42);
  EXPECT_EQ(hook->Seen, std::vector<UINT>{WM_EXTEDIT_PROBE});
  EXPECT_EQ(control->Probes.size(), 1u);

  hook->SetWinControl(nullptr);
  EXPECT_EQ(WindowProcOf(control), original);
  EXPECT_EQ(hook->GetPrevWndProc(), nullptr);
  SendMessage(control->GetHandle(), WM_EXTEDIT_PROBE, 0, 0);
  EXPECT_EQ(hook->Seen.size(), 1u);
  EXPECT_EQ(control->Probes.size(), 2u);
}

TEST_F(cxExtEditControls, UnhookingLeavesALaterHookInPlace) {
  auto* control = Add<TExtEditHookedControl>(0, 0, 40, 20);
  const WNDPROC original = WindowProcOf(control);
  auto first = NewOwned<TExtEditRecordingHook>();
  auto second = NewOwned<TExtEditRecordingHook>();
  first->SetWinControl(control);
  second->SetWinControl(control);
  EXPECT_EQ(second->GetPrevWndProc(), first->GetNewWndProc());
  EXPECT_EQ(SendMessage(control->GetHandle(), WM_EXTEDIT_PROBE, 0, 0), 42);
  EXPECT_EQ(first->Seen, std::vector<UINT>{WM_EXTEDIT_PROBE});
  EXPECT_EQ(second->Seen, std::vector<UINT>{WM_EXTEDIT_PROBE});
  // Out of order: the first hook lets go without putting the original back over the second.
  first->SetWinControl(nullptr);
  EXPECT_EQ(WindowProcOf(control), second->GetNewWndProc());
  EXPECT_EQ(first->GetPrevWndProc(), nullptr);
  SetWindowLongPtr(control->GetHandle(), GWL_WNDPROC, reinterpret_cast<LONG_PTR>(original));
  second->SetWinControl(nullptr);
  EXPECT_EQ(WindowProcOf(control), original);
}

TEST_F(cxExtEditControls, TheWindowGoingAwayUnhooksAndAFreedControlIsLetGo) {
  auto* control = Add<TExtEditHookedControl>(0, 0, 40, 20);
  auto hook = NewOwned<TExtEditRecordingHook>();
  hook->SetWinControl(control);
  control->RecreateWnd();
  EXPECT_EQ(hook->Seen, std::vector<UINT>{WM_DESTROY});
  EXPECT_EQ(hook->GetPrevWndProc(), nullptr);
  EXPECT_EQ(hook->GetWinControl(), control);
  // A new window of the control is not hooked until the hook is set again.
  SendMessage(control->GetHandle(), WM_EXTEDIT_PROBE, 0, 0);
  EXPECT_EQ(hook->Seen.size(), 1u);
  hook->SetWinControl(nullptr);
  hook->SetWinControl(control);
  EXPECT_EQ(WindowProcOf(control), hook->GetNewWndProc());
  control->Free();
  EXPECT_EQ(hook->GetWinControl(), nullptr);
  hook.reset();  // nothing of the freed control is touched
}

TEST_F(cxExtEditControls, PaintBackgroundDrawsTheParentUnderTheControl) {
  auto* parent = Add<TExtEditPaintedParent>(0, 0, 60, 60);
  parent->SetColor(clYellow);
  auto* label = CreateComponent<TExtEditPaintedLabel>(Form);
  label->SetParent(parent);
  label->SetBounds(20, 20, 4, 4);
  auto* control = Add<TExtEditHookedControl>(10, 10, 20, 20, parent);
  PixelSurface::TSurface s(20, 20);
  PaintBackground(control, s.DC, false);
  EXPECT_TRUE(s.AllWhite());
  PaintBackground(Form, s.DC, true);  // no parent
  EXPECT_TRUE(s.AllWhite());
  PaintBackground(control, s.DC, true);
  EXPECT_EQ(s.At(0, 0), 0x00FFFFu);
  EXPECT_EQ(s.InkBox(TRect(0, 0, 20, 20), 0x00FFFF), TRect(2, 2, 14, 14));
  EXPECT_EQ(s.Count(TRect(2, 2, 6, 6), 0xFF0000), 16);    // the parent's own painting
  EXPECT_EQ(s.Count(TRect(10, 10, 14, 14), 0x0000FF), 16);  // its graphic child
  cxEditUtilsTest::SaveEditUtilsPng(s, "edit-utils-parent-background.png");
  // The device context is left as it was.
  POINT origin;
  GetViewportOrgEx(s.DC, &origin);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, 0);
}

TEST_F(cxExtEditControls, CurrentShiftStateReadsTheKeyboard) {
  EXPECT_TRUE(CurrentShiftState().Empty());
  SetKeyState(VK_SHIFT, true);
  SetKeyState(VK_CONTROL, true);
  EXPECT_EQ(CurrentShiftState(), (TShiftState{ssShift, ssCtrl}));
}

}  // namespace
