#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>
#include <vector>

#include "Forms.h"
#include "HeadlessBackend.h"
#include "Threads.h"
#include "WinCursor.h"
#include "WinFocus.h"
#include "WinHooks.h"
#include "WinInput.h"
#include "WinQueue.h"
#include "WinUser.h"
#include "dxBar.h"
#include "dxBarTestSupport.h"

namespace {

using dxBarTests::TTestBarLinks;
using dxBarTests::TTestBarWindow;

// A window of the form that records the keys, presses and wheels that reach it.
class THookMessageRecorder : public TCustomControl {
  DECLARE_CLASS(THookMessageRecorder, TCustomControl)
 public:
  explicit THookMessageRecorder(TComponent* AOwner = nullptr) : TCustomControl(AOwner) { SetTabStop(true); }
  std::vector<UINT> Received;
  std::vector<UINT> Of(UINT AMsg) const {
    std::vector<UINT> result;
    for (UINT msg : Received)
      if (msg == AMsg) result.push_back(msg);
    return result;
  }
  size_t KeyUps() const { return Of(WM_KEYUP).size() + Of(WM_SYSKEYUP).size(); }

 protected:
  void WndProc(TMessage& Message) override {
    switch (Message.Msg) {
      case WM_KEYDOWN: case WM_KEYUP: case WM_SYSKEYDOWN: case WM_SYSKEYUP: case WM_LBUTTONDOWN: case WM_MOUSEWHEEL:
        Received.push_back(Message.Msg);
        break;
      default:
        break;
    }
    TCustomControl::WndProc(Message);
  }
};
IMPLEMENT_CLASS(THookMessageRecorder)

// An item control with an edit window of its own (the recorder of the test stands for it).
class THookEditControl : public TdxBarButtonControl {
  DECLARE_CLASS(THookEditControl, TdxBarButtonControl)
 public:
  bool HasWindow() override { return true; }
  bool IsChildWindow(HWND AWnd) override { return AWnd && AWnd == EditWindow; }
  static inline HWND EditWindow = nullptr;
};
IMPLEMENT_CLASS(THookEditControl)

class THookEditItem : public TdxBarButton {
  DECLARE_CLASS(THookEditItem, TdxBarButton)
 public:
  explicit THookEditItem(TComponent* AOwner = nullptr) : TdxBarButton(AOwner) {}
};
IMPLEMENT_CLASS(THookEditItem)

// Hooks of the test installed before the unit's: the unit's hooks run first and call these next.
struct TNextHooks {
  static inline int Keyboard = 0, Mouse = 0, CallWndProc = 0;
  HHOOK Hooks[3] = {};
  TNextHooks() {
    Keyboard = Mouse = CallWndProc = 0;
    Hooks[0] = SetWindowsHookEx(WH_KEYBOARD, [](int c, WPARAM w, LPARAM l) -> LRESULT { ++Keyboard; return 0; },
                                nullptr, GetCurrentThreadId());
    Hooks[1] = SetWindowsHookEx(WH_MOUSE, [](int c, WPARAM w, LPARAM l) -> LRESULT { ++Mouse; return 0; }, nullptr,
                                GetCurrentThreadId());
    Hooks[2] = SetWindowsHookEx(WH_CALLWNDPROC, [](int c, WPARAM w, LPARAM l) -> LRESULT { ++CallWndProc; return 0; },
                                nullptr, GetCurrentThreadId());
  }
  ~TNextHooks() {
    for (HHOOK hook : Hooks) UnhookWindowsHookEx(hook);
  }
};

struct HooksFixture : testing::Test {
  TNextHooks NextHooks;
  TOwnedPtr<TForm> Form{dxBarTests::NewTestForm()};
  TdxBarManager* Manager = nullptr;
  TOwnedPtr<TTestBarLinks> BarLinks{New<TTestBarLinks>()};
  TTestBarWindow* Bar = nullptr;
  THookMessageRecorder* Recorder = nullptr;
  std::vector<TdxBarItem*> Items;

  void SetUp() override {
    dxBarRegisterItem(THookEditItem::StaticClass(), THookEditControl::StaticClass(), false);
    Manager = New<TdxBarManager>(Form.get());
    for (const char* caption : {"Open", "Save"}) {
      auto* button = New<TdxBarButton>(Form.get());
      button->SetCaption(caption);
      Items.push_back(button);
    }
    auto* edit = New<THookEditItem>(Form.get());
    edit->SetCaption("Find");
    Items.push_back(edit);
    Form->SetBounds(0, 0, 320, 200);
    Recorder = New<THookMessageRecorder>(Form.get());
    Recorder->SetParent(Form.get());
    Recorder->SetBounds(10, 100, 100, 40);
    Form->Show();
    Bar = BarLinks->MakeBar(Manager, Form.get(), Items);
    ProcessMessages();
    Recorder->SetFocus();
    ProcessMessages();
    THookEditControl::EditWindow = Recorder->GetHandle();
  }
  void TearDown() override {
    BarLinks.reset();
    Form.reset();
    dxBarUnregisterItem(THookEditItem::StaticClass());
    THookEditControl::EditWindow = nullptr;
  }
  TdxBarItemControl* ControlOf(Integer AIndex) { return BarLinks->Links->GetItem(AIndex)->GetControl(); }
  // Menu mode on the test bar with the first control selected.
  void EnterMenuMode() {
    Bar->BarGetFocus(ControlOf(0));
    ASSERT_EQ(Bar, ActiveBarControl());
  }
  void Key(int AKey, bool ADown) {
    InjectKey(AKey, ADown);
    ProcessMessages();
  }
  void ClickRecorder() {
    const TPoint P = Recorder->ClientToScreen(TPoint(20, 20));
    InjectClick(P.x, P.y);
    ProcessMessages();
  }
};

// In menu mode the keys go to the active bar window, not to the focused window; the key-up of a key
// that the bar took is kept from the focused window even when menu mode ended meanwhile.
TEST_F(HooksFixture, KeysGoToTheActiveBarWindowAndThePendingKeyUpIsSwallowed) {
  EnterMenuMode();
  Key(VK_RIGHT, true);
  EXPECT_EQ(ControlOf(1), Bar->GetSelectedControl());
  Bar->HideAll();
  ASSERT_EQ(nullptr, ActiveBarControl());
  Key(VK_RIGHT, false);
  EXPECT_TRUE(Recorder->Received.empty());
  // Without menu mode the keys reach the focused window again.
  Key(VK_DOWN, true);
  Key(VK_DOWN, false);
  EXPECT_EQ((std::vector<UINT>{WM_KEYDOWN, WM_KEYUP}), Recorder->Received);
  EXPECT_EQ(4, TNextHooks::Keyboard);
}

// An in-bar edit that shows its window keeps the keys: the bar's selection does not move.
TEST_F(HooksFixture, AShownInBarEditKeepsTheKeys) {
  EnterMenuMode();
  Bar->SetKeySelectedItem(ControlOf(2));
  Key(VK_LEFT, true);
  Key(VK_LEFT, false);
  EXPECT_EQ(ControlOf(2), Bar->GetSelectedControl());
  EXPECT_EQ((std::vector<UINT>{WM_KEYDOWN, WM_KEYUP}), Recorder->Received);
  EXPECT_EQ(mwrFocusedItemControl, BarGetMouseWheelReceiver());
}

// A press outside the menu chain closes it; the press reaches its window unless the closing hid it.
TEST_F(HooksFixture, AnOutsideClickEndsMenuModeAndIsSwallowedOnlyWhenItsWindowWasHidden) {
  EnterMenuMode();
  ClickRecorder();
  EXPECT_EQ(nullptr, ActiveBarControl());
  EXPECT_EQ(1, Bar->HideAllCount);
  EXPECT_EQ(1u, Recorder->Of(WM_LBUTTONDOWN).size());

  struct THider {
    THookMessageRecorder* Recorder;
    void Hide(TObject*) { Recorder->SetVisible(false); }
  } hider{Recorder};
  for (bool hideOnClose : {false, true}) {
    SCOPED_TRACE(hideOnClose);
    Recorder->SetVisible(true);
    Bar->OnHideAll = hideOnClose ? TNotifyEvent(&hider, &THider::Hide) : TNotifyEvent();
    EnterMenuMode();
    MOUSEHOOKSTRUCT press;
    press.pt = POINT{20, 120};
    press.hwnd = Recorder->GetHandle();
    EXPECT_EQ(hideOnClose ? 1 : 0, MouseHookProc(HC_ACTION, WM_LBUTTONDOWN, reinterpret_cast<LPARAM>(&press)));
    EXPECT_EQ(nullptr, ActiveBarControl());
  }
}

// A click on the active bar itself is the bar's: the chain stays open for it.
TEST_F(HooksFixture, AClickInsideTheMenuChainPassesUnchanged) {
  EnterMenuMode();
  const TPoint P = Bar->ClientToScreen(TPoint(100, 10));
  InjectMouseMove(P.x, P.y);
  InjectMouseButton(0, true);
  ProcessMessages();
  EXPECT_EQ(0, Bar->HideAllCount);
  InjectMouseButton(0, false);
  ProcessMessages();
}

// The wheel is kept from the windows while a menu that does not want it is open.
TEST_F(HooksFixture, AWheelIsSwallowedOnlyWhileAMenuThatDoesNotWantItIsOpen) {
  InjectWheel(120);
  ProcessMessages();
  EXPECT_EQ(1u, Recorder->Of(WM_MOUSEWHEEL).size());
  EnterMenuMode();
  EXPECT_EQ(mwrNone, BarGetMouseWheelReceiver());
  InjectWheel(120);
  ProcessMessages();
  EXPECT_EQ(1u, Recorder->Of(WM_MOUSEWHEEL).size());
  EXPECT_EQ(2, TNextHooks::Mouse);
}

// The owner form's messages reach its manager through the hook: leaving the application or the form,
// or hiding the form, closes the menus; an activation between a window and its own child concerns no
// form.
TEST_F(HooksFixture, TheOwnerFormsMessagesAreRoutedToItsManager) {
  struct Case {
    const char* Name;
    UINT Msg;
    WPARAM WParam;
    bool FromChild;
    int Closed;
  };
  const Case cases[] = {
      {"application deactivated", WM_ACTIVATEAPP, 0, false, 1},
      {"form deactivated", WM_ACTIVATE, WA_INACTIVE, false, 1},
      {"activation from its own child", WM_ACTIVATE, WA_INACTIVE, true, 0},
      {"cancel mode on a bar that stays open on a click", WM_CANCELMODE, 0, false, 0},
      {"close command hiding the form", WM_SYSCOMMAND, SC_CLOSE, false, 1},
  };
  TOwnedPtr<TForm> other{dxBarTests::NewTestForm()};
  other->HandleNeeded();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    // The form is active again, as after a click on it.
    SendMessage(Form->GetHandle(), WM_ACTIVATE, WA_ACTIVE, 0);
    EnterMenuMode();
    const int closed = Bar->HideAllCount;
    const HWND otherWindow = c.FromChild ? Recorder->GetHandle() : other->GetHandle();
    SendMessage(Form->GetHandle(), c.Msg, c.WParam, reinterpret_cast<LPARAM>(otherWindow));
    EXPECT_EQ(closed + c.Closed, Bar->HideAllCount);
    if (ActiveBarControl()) Bar->HideAll();
  }
  EXPECT_GT(TNextHooks::CallWndProc, 0);
}

// A manager on a control inside the form hears the form's broadcasts too.
TEST_F(HooksFixture, BroadcastsReachTheManagersOfControlsInsideTheForm) {
  auto* panel = New<TCustomControl>(Form.get());
  panel->SetParent(Form.get());
  panel->SetBounds(150, 60, 150, 60);
  auto* inner = New<TdxBarManager>(panel);
  TOwnedPtr<TTestBarLinks> innerLinks{New<TTestBarLinks>()};
  auto* button = New<TdxBarButton>(Form.get());
  TTestBarWindow* innerBar = innerLinks->MakeBar(inner, panel, {button});
  innerBar->BarGetFocus(innerLinks->Links->GetItem(0)->GetControl());
  ASSERT_EQ(innerBar, ActiveBarControl());
  SendMessage(Form->GetHandle(), WM_ACTIVATEAPP, 0, 0);
  EXPECT_EQ(1, innerBar->HideAllCount);
  EXPECT_EQ(0, Bar->HideAllCount);
  innerLinks.reset();
}

// Each hook calls the next one also when a handler it runs raises; the exception goes on.
TEST_F(HooksFixture, EachHookCallsTheNextAlsoWhenAHandlerRaises) {
  struct TRaiser {
    void Raise(TObject*) { throw std::runtime_error("closing failed"); }
  } raiser;
  Bar->OnHideAll = TNotifyEvent(&raiser, &TRaiser::Raise);

  EnterMenuMode();
  MOUSEHOOKSTRUCT press;
  press.pt = POINT{20, 120};
  press.hwnd = Recorder->GetHandle();
  const int mouseBefore = TNextHooks::Mouse;
  EXPECT_THROW(MouseHookProc(HC_ACTION, WM_LBUTTONDOWN, reinterpret_cast<LPARAM>(&press)), std::runtime_error);
  EXPECT_EQ(mouseBefore + 1, TNextHooks::Mouse);

  if (!ActiveBarControl()) EnterMenuMode();
  CWPSTRUCT deactivate{0, 0, WM_ACTIVATEAPP, Form->GetHandle()};
  const int callsBefore = TNextHooks::CallWndProc;
  EXPECT_THROW(CallWndProcHookProc(HC_ACTION, 1, reinterpret_cast<LPARAM>(&deactivate)), std::runtime_error);
  EXPECT_EQ(callsBefore + 1, TNextHooks::CallWndProc);
  Bar->OnHideAll = nullptr;
}

// A key that an in-bar edit hands over directly is not passed along the chain.
TEST_F(HooksFixture, AKeyHandedOverByAnEditSkipsTheNextHook) {
  EnterMenuMode();
  EXPECT_TRUE(CallKeyboardHookDirectly(VK_RIGHT, 1));
  EXPECT_EQ(ControlOf(1), Bar->GetSelectedControl());
  EXPECT_EQ(0, TNextHooks::Keyboard);
  // A key while an MDI child button of the main menu is held is swallowed.
  Bar->HideAll();
  SetMDIButtonPressed(true);
  Key('A', true);
  Key('A', false);
  SetMDIButtonPressed(false);
  EXPECT_TRUE(Recorder->Received.empty());
}

// The manager a key is meant for: the focused window's, else the active form's; the main form's only
// when it allows calls from another form; none while a manager customizes or a bar has the focus.
TEST_F(HooksFixture, TheKeyTargetManagerFollowsTheSearchOrder) {
  EXPECT_EQ(Manager, GetKeyTargetBarManager(false));
  TOwnedPtr<TForm> dialog{dxBarTests::NewTestForm()};
  dialog->SetBounds(400, 0, 200, 100);
  dialog->Show();
  ProcessMessages();
  ASSERT_EQ(dialog->GetHandle(), GetActiveWindow());
  EXPECT_EQ(nullptr, GetKeyTargetBarManager(true));
  // A non-menu key finds the manager whose main form is the active form.
  EXPECT_EQ(nullptr, GetKeyTargetBarManager(false));

  Form->SetFocus();
  ProcessMessages();
  Manager->SetIsCustomizingFlag(true);
  EXPECT_EQ(nullptr, GetKeyTargetBarManager(false));
  Manager->SetIsCustomizingFlag(false);
  Manager->SetBarControlFocused(Bar);
  EXPECT_EQ(nullptr, GetKeyTargetBarManager(false));
  Manager->SetBarControlFocused(nullptr);
  EXPECT_EQ(Manager, GetKeyTargetBarManager(true));
}

// Alt pressed and released alone is taken as the menu key: its release is kept from the windows; a
// key between its press and release is an ordinary key.
TEST_F(HooksFixture, AltAloneIsTakenAsTheMenuKey) {
  Key(VK_MENU, true);
  Key(VK_MENU, false);
  EXPECT_EQ(0u, Recorder->KeyUps());
  Manager->SetUseF10ForMenu(false);
  Key(VK_F10, true);
  Key(VK_F10, false);
  EXPECT_EQ(1u, Recorder->KeyUps());
}

// In a library the controller runs the calls that worker threads hand over when its message comes,
// and gives the wake-up back when it goes.
TEST(dxBarSystemController, RunsHandedOverCallsInALibrary) {
  const bool wasLibrary = IsLibrary;
  const TNotifyEvent previous = Threads::WakeMainThread;
  IsLibrary = true;
  TOwnedPtr<TdxBarSystemController> controller{New<TdxBarSystemController>()};
  IsLibrary = wasLibrary;
  EXPECT_EQ(controller.get(), Threads::WakeMainThread.Data());

  struct TCall {
    int Runs = 0;
    void Run() { ++Runs; }
  } call;
  std::thread worker([&] { TThread::Queue(nullptr, TThreadMethod(&call, &TCall::Run)); });
  worker.join();
  EXPECT_EQ(0, call.Runs);
  SendMessage(controller->GetHandle(), WM_DXBAR_SYNCHRONIZE, 0, 0);
  EXPECT_EQ(1, call.Runs);

  controller.reset();
  EXPECT_EQ(previous.Data(), Threads::WakeMainThread.Data());
  ProcessMessages();
}

}  // namespace
