// The application's hints under the test clock: shown after the pause below the pointer, changed
// by the control through CM_HINTSHOW, hidden after the hide pause, by a key, a click or the pointer
// leaving, quicker between controls while one was just shown, and not at all with ShowHint off.
#include "ClasslibTestSupport.h"

#include "DateTime.h"
#include "ActnList.h"
#include "HeadlessBackend.h"
#include "Menus.h"
#include "Strings.h"
#include "WinUser.h"

using namespace ClasslibTest;

namespace {

class HintTest : public TClasslibFixture {
 protected:
  TManualClock Clock{45000.0, 1000};
  TClockOverride Override{Clock};
  TForm* Form = nullptr;
  TTestPanel* First = nullptr;
  TTestPanel* Second = nullptr;

  void SetUp() override {
    TClasslibFixture::SetUp();
    Form = TCustomForm::CreateNew<TForm>(Application);
    Form->SetBounds(100, 100, 300, 200);
    First = MakePanel(10, 10, "First tip|First status");
    Second = MakePanel(10, 80, "Second tip");
    Form->Show();
    Application->ProcessMessages();
  }
  TTestPanel* MakePanel(int x, int y, const char* hint) {
    auto* p = CreateComponent<TTestPanel>(Form);
    p->SetBounds(x, y, 120, 40);
    p->SetHint(hint);
    p->SetShowHint(true);
    p->SetParent(Form);
    return p;
  }
  void Step(UInt64 msecs) {
    Clock.Advance(msecs);
    Application->ProcessMessages();
  }
  // The pointer moved to a client point of a control.
  void MoveTo(TControl* control, int x = 20, int y = 20) {
    TPoint p = control->ClientToScreen(TPoint(x, y));
    InjectMouseMove(p.x, p.y);
    Application->ProcessMessages();
  }
  bool HintShown() {
    THintWindow* w = Application->HintWindow();
    return w && w->IsShowing();
  }
  String HintText() { return Application->HintWindow() ? Application->HintWindow()->GetCaption() : String(); }
  TRect HintRect() {
    RECT r{};
    GetWindowRect(Application->HintWindow()->GetHandle(), &r);
    return r;
  }
};

TEST_F(HintTest, AppearsAfterThePauseBelowThePointerWithTheShortHintAndHidesAfterTheHidePause) {
  MoveTo(First);
  Step(Application->HintPause - 10);
  EXPECT_FALSE(HintShown());
  Step(10);
  ASSERT_TRUE(HintShown());
  EXPECT_EQ(HintText(), "First tip");
  EXPECT_EQ(Application->HintControl(), First);
  TPoint cursor = First->ClientToScreen(TPoint(20, 20));
  TRect r = HintRect();
  EXPECT_EQ(r.left, cursor.x);
  EXPECT_GT(r.top, cursor.y) << "below the pointer's picture";
  EXPECT_LT(r.top, cursor.y + 40);
  THintWindow* w = Application->HintWindow();
  EXPECT_EQ(w->GetColor(), clInfoBk);
  EXPECT_EQ(GetForegroundWindow(), Form->GetHandle()) << "the hint never activates";
  EXPECT_TRUE(GetClassLong(w->GetHandle(), GCL_STYLE) & CS_DROPSHADOW);
  EXPECT_TRUE(GetWindowLongPtr(w->GetHandle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_NE(WindowFromPoint(TPoint(r.left + 3, r.top + 3)), w->GetHandle()) << "the pointer goes through it";
  // Sized to the text: as wide as its extent plus the margins.
  TRect calc = w->CalcHintRect(1000, "First tip", nullptr);
  EXPECT_EQ(r.Width(), calc.Width());
  EXPECT_EQ(r.Height(), calc.Height() + 4);

  // Moving inside the control keeps it; the hide pause ends it.
  MoveTo(First, 30, 25);
  EXPECT_TRUE(HintShown());
  Step(Application->HintHidePause - 10);
  EXPECT_TRUE(HintShown());
  Step(10);
  EXPECT_FALSE(HintShown());
  // Not again while the pointer stays in the control.
  MoveTo(First, 40, 25);
  Step(Application->HintPause * 2);
  EXPECT_FALSE(HintShown());
}

TEST_F(HintTest, EndsOnAKeyAClickAndThePointerLeavingEveryControl) {
  struct TCase {
    const char* Name;
    void (*End)(HintTest& t);
  };
  const TCase cases[] = {
      {"key", [](HintTest&) { InjectKeyPress(VK_SHIFT); }},
      {"click", [](HintTest& t) {
         InjectMouseButton(0, true);
         InjectMouseButton(0, false);
       }},
      {"pointer leaving", [](HintTest& t) { InjectMouseMove(5, 5); }},
      {"cancel", [](HintTest&) { Application->CancelHint(); }},
      {"deactivation", [](HintTest&) { SendMessage(Application->GetHandle(), WM_ACTIVATEAPP, FALSE, 0); }},
  };
  for (const TCase& c : cases) {
    MoveTo(Form, 200, 150);
    Application->CancelHint();
    MoveTo(First);
    Step(Application->HintPause);
    ASSERT_TRUE(HintShown()) << c.Name;
    c.End(*this);
    Application->ProcessMessages();
    Application->HandleMessage();  // idle
    EXPECT_FALSE(HintShown()) << c.Name;
  }
}

TEST_F(HintTest, MovingToAnotherControlWhileAHintShowsTakesTheShortPause) {
  MoveTo(First);
  Step(Application->HintPause);
  ASSERT_TRUE(HintShown());
  MoveTo(Second);
  EXPECT_FALSE(HintShown()) << "the old hint goes at once";
  Step(Application->HintShortPause);
  ASSERT_TRUE(HintShown());
  EXPECT_EQ(HintText(), "Second tip");
  // A control without ShowHint of its own takes its parent's, and shows no hint without text.
  Second->SetShowHint(false);
  Form->SetShowHint(true);
  Second->SetParentShowHint(true);
  EXPECT_TRUE(Second->GetShowHint());
  Second->SetHint("");
  Application->CancelHint();
  MoveTo(Second, 22, 22);
  Step(Application->HintPause);
  EXPECT_FALSE(HintShown()) << "no text, no window";
}

TEST_F(HintTest, TheControlChangesTheHintThroughHintShowOrRefusesIt) {
  TWndMethod original = First->WindowProc;
  bool refuse = false;
  std::vector<TPoint> asked;
  First->WindowProc = [&](TMessage& m) {
    if (m.Msg == CM_HINTSHOW) {
      auto* info = reinterpret_cast<THintInfo*>(m.LParam);
      EXPECT_EQ(info->HintControl, First);
      EXPECT_EQ(info->HintStr, "First tip");
      asked.push_back(info->CursorPos);
      EXPECT_EQ(info->HideTimeout, Application->HintHidePause);
      info->HintStr = "Cell 3";
      info->HintPos = TPoint(400, 300);
      info->HideTimeout = 100;
      info->CursorRect = TRect(0, 0, 60, 40);  // one cell of the control
      m.Result = refuse ? 1 : 0;
      return;
    }
    original(m);
  };
  MoveTo(First);
  Step(Application->HintPause);
  ASSERT_TRUE(HintShown());
  EXPECT_EQ(HintText(), "Cell 3");
  EXPECT_EQ(HintRect().TopLeft(), TPoint(400, 300));
  // Leaving the cell asks anew after the short pause.
  MoveTo(First, 80, 20);
  EXPECT_FALSE(HintShown());
  Step(Application->HintShortPause);
  EXPECT_TRUE(HintShown());
  Step(100);
  EXPECT_FALSE(HintShown()) << "its own hide timeout";
  EXPECT_EQ(asked, (std::vector<TPoint>{TPoint(20, 20), TPoint(80, 20)})) << "the pointer in client coordinates";

  refuse = true;
  Application->CancelHint();
  MoveTo(Second);
  MoveTo(First);
  Step(Application->HintPause);
  EXPECT_FALSE(HintShown());
  First->WindowProc = original;
}

TEST_F(HintTest, AReshowTimeoutAsksTheControlAgainInsteadOfHiding) {
  TWndMethod original = First->WindowProc;
  int asked = 0;
  First->WindowProc = [&](TMessage& m) {
    if (m.Msg == CM_HINTSHOW) {
      auto* info = reinterpret_cast<THintInfo*>(m.LParam);
      info->HintStr = "Remaining " + IntToStr(10 - asked++);
      info->ReshowTimeout = 100;
      return;
    }
    original(m);
  };
  MoveTo(First);
  Step(Application->HintPause);
  EXPECT_EQ(HintText(), "Remaining 10");
  Step(100);
  EXPECT_TRUE(HintShown());
  EXPECT_EQ(HintText(), "Remaining 9");
  for (int i = 0; i < Application->HintHidePause / 100; ++i) Step(100);
  EXPECT_TRUE(HintShown()) << "kept up to date while the pointer stays, past the hide pause";
  EXPECT_EQ(asked, 2 + Application->HintHidePause / 100);
  First->WindowProc = original;
  Application->CancelHint();
}

TEST_F(HintTest, AControlOfAnActionShowsTheActionsHintWithItsShortcut) {
  auto* action = CreateComponent<TAction>(Form);
  action->SetHint("Delete|Deletes the timer");
  action->SetShortCut(ShortCut(VK_DELETE, TShiftState{ssCtrl}));
  First->SetAction(action);
  bool refuse = false;
  action->OnHint = [&](String& text, bool& canShow) {
    EXPECT_EQ(text, "Delete");
    canShow = !refuse;
  };
  struct TCase {
    bool ShortCuts, Refuse;
    const char* Shown;  // null: no hint
  };
  for (const TCase& c : {TCase{true, false, "Delete (Ctrl+Del)"}, TCase{false, false, "Delete"},
                         TCase{true, true, nullptr}}) {
    Application->HintShortCuts = c.ShortCuts;
    refuse = c.Refuse;
    Application->CancelHint();
    MoveTo(Second);
    MoveTo(First);
    Step(Application->HintPause);
    EXPECT_EQ(HintShown(), c.Shown != nullptr) << c.ShortCuts << c.Refuse;
    if (c.Shown) EXPECT_EQ(HintText(), c.Shown);
  }
}

TEST_F(HintTest, StaysOnTheScreenNearItsEdges) {
  // The control stays inside the client area, so that the form shows no scroll bars over it.
  Form->SetBounds(1100, 930, 170, 94);
  First->SetBounds(0, 0, 140, 50);
  First->SetHint("A rather long hint that does not fit at the edge");
  Application->ProcessMessages();
  MoveTo(First, 130, 40);
  Step(Application->HintPause);
  ASSERT_TRUE(HintShown());
  TRect r = HintRect();
  EXPECT_LE(r.right, Screen->Width());
  EXPECT_LE(r.bottom, Screen->Height());
  EXPECT_GE(r.left, 0);
  EXPECT_GE(r.top, 0);
}

TEST_F(HintTest, TheStatusHintFollowsThePointerAtIdle) {
  std::vector<String> seen;
  Application->OnHint = [&](TObject*) { seen.push_back(Application->GetHint()); };
  MoveTo(First);
  Application->HandleMessage();
  EXPECT_EQ(Application->GetHint(), "First status");
  MoveTo(Second);
  Application->HandleMessage();
  MoveTo(Second, 30, 30);
  Application->HandleMessage();
  EXPECT_EQ(seen, (std::vector<String>{"First status", "Second tip"})) << "once per change";
  EXPECT_EQ(GetShortHint("a|b"), "a");
  EXPECT_EQ(GetLongHint("a|b"), "b");
  EXPECT_EQ(GetLongHint("ab"), "ab");
  EXPECT_EQ(GetShortHint("a|b|c"), "a");
  EXPECT_EQ(GetLongHint("a|b|c"), "b|c");
}

TEST_F(HintTest, ShowHintOffTurnsEverythingOff) {
  MoveTo(First);
  Step(Application->HintPause);
  ASSERT_TRUE(HintShown());
  Application->SetShowHint(false);
  EXPECT_EQ(Application->HintWindow(), nullptr);
  MoveTo(Second);
  Step(Application->HintPause * 2);
  EXPECT_EQ(Application->HintWindow(), nullptr);
  Application->SetShowHint(true);
  MoveTo(First);
  Step(Application->HintPause);
  EXPECT_TRUE(HintShown());
}

TEST_F(HintTest, FreeingTheHintControlCancelsTheHint) {
  MoveTo(First);
  Step(Application->HintPause);
  ASSERT_TRUE(HintShown());
  First->Free();
  EXPECT_EQ(Application->HintControl(), nullptr);
  EXPECT_FALSE(HintShown());
  Step(Application->HintHidePause);
}

}  // namespace
