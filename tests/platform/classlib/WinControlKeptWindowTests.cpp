// A windowed control that shows one of two windows in turns: it lets the current window go without
// destroying it, takes a kept window back as its handle, and gives a kept window the class's own
// procedure back before destroying it.
#include "ClasslibTestSupport.h"

#include "WinUser.h"

using namespace ClasslibTest;

namespace {

constexpr UINT WM_PROBE = WM_USER + 7;

class TTwoWindowControl : public TCustomControl {
  DECLARE_CLASS(TTwoWindowControl, TCustomControl)
 public:
  // Lets the current window go (kept) and makes the control use AKept, or a new window when null.
  HWND SwitchTo(HWND AKept) {
    HWND old = DetachWindowHandle();
    FRemembered = AKept;
    HandleNeeded();
    return old;
  }
  void GiveBack(HWND AWnd) { RestoreWindowProc(AWnd); }
  int Probes = 0;
  int Destroys = 0;

 protected:
  void CreateWindowHandle(const TCreateParams& Params) override {
    HWND remembered = FRemembered;
    FRemembered = nullptr;
    if (!AdoptWindowHandle(remembered)) inherited::CreateWindowHandle(Params);
  }
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_PROBE) ++Probes;
    if (Message.Msg == WM_DESTROY) ++Destroys;
    inherited::WndProc(Message);
  }

 private:
  HWND FRemembered = nullptr;
};
IMPLEMENT_CLASS(TTwoWindowControl)

class WinControlKeptWindow : public TClasslibFixture {
 protected:
  void SetUp() override {
    TClasslibFixture::SetUp();
    Parent = TCustomForm::CreateNew<TForm>(nullptr);
    Parent->SetBounds(0, 0, 200, 100);
    Control = CreateComponent<TTwoWindowControl>(nullptr);
    Control->SetBounds(5, 5, 50, 20);
    Control->SetParent(Parent);
  }
  void TearDown() override {
    FreeAndNil(Control);
    FreeAndNil(Parent);
    TClasslibFixture::TearDown();
  }
  TForm* Parent = nullptr;
  TTwoWindowControl* Control = nullptr;
};

TEST_F(WinControlKeptWindow, TakesAKeptWindowBackAndReleasesTheOtherQuietly) {
  HWND first = Control->GetHandle();
  HWND kept = Control->SwitchTo(nullptr);
  HWND second = Control->GetHandle();
  ASSERT_EQ(kept, first);
  ASSERT_NE(second, first);
  EXPECT_TRUE(IsWindow(first)) << "letting a window go does not destroy it";

  HWND released = Control->SwitchTo(first);
  EXPECT_EQ(released, second);
  EXPECT_EQ(Control->GetHandle(), first) << "the kept window is the handle again, no new one is made";
  EXPECT_EQ(FindControl(first), Control);
  SendMessage(first, WM_PROBE, 0, 0);
  EXPECT_EQ(Control->Probes, 1) << "the taken-back window's messages reach the control";

  Control->GiveBack(second);
  EXPECT_EQ(FindControl(second), nullptr);
  SendMessage(second, WM_PROBE, 0, 0);
  DestroyWindow(second);
  EXPECT_EQ(Control->Probes, 1) << "a window given back no longer reaches the control";
  EXPECT_EQ(Control->Destroys, 0);
  EXPECT_EQ(Control->GetHandle(), first) << "destroying the other window leaves the control's own";

  Control->GiveBack(first);
  EXPECT_EQ(FindControl(first), Control) << "the control's current window is never given back";
}

TEST_F(WinControlKeptWindow, AVanishedKeptWindowMakesANewOne) {
  HWND first = Control->GetHandle();
  HWND kept = Control->SwitchTo(nullptr);
  Control->GiveBack(kept);
  DestroyWindow(kept);
  HWND second = Control->SwitchTo(kept);
  Control->GiveBack(second);
  DestroyWindow(second);
  EXPECT_NE(Control->GetHandle(), first);
  EXPECT_TRUE(IsWindow(Control->GetHandle())) << "a kept window destroyed meanwhile is not taken back";
}

}  // namespace
