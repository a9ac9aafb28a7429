// The notification-area icon: added, changed and removed with its properties, its clicks reach
// its events, and with Hide a minimised main form leaves the task bar until the restoring click.
#include "ClasslibTestSupport.h"

#include <chrono>
#include <thread>

#include "ExtCtrls.h"
#include "HeadlessBackend.h"
#include "Menus.h"
#include "Filer.h"
#include "ObjectText.h"
#include "Streams.h"
#include "TypInfo.h"
#include "WinBackend.h"
#include "WinIcons.h"
#include "WinTray.h"
#include "WinUser.h"

using namespace ClasslibTest;

namespace {

class TrayIconTest : public TClasslibFixture {
 protected:
  TForm* Main = nullptr;
  TTrayIcon* Tray = nullptr;

  void SetUp() override {
    TClasslibFixture::SetUp();
    Main = Application->CreateForm<TForm>();
    Main->SetBounds(100, 100, 300, 200);
    Main->Show();
    Application->ProcessMessages();
    Tray = CreateComponent<TTrayIcon>(Main);
  }
  void Report(UINT mouseMessage) {
    ASSERT_TRUE(ReportTrayMouse(Tray->WindowHandle(), 1, mouseMessage));
    Application->ProcessMessages();
  }
  void Minimize() {
    SendMessage(Main->GetHandle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    Application->ProcessMessages();
  }
};

TEST_F(TrayIconTest, IsInTheNotificationAreaWhileVisibleWithItsHint) {
  EXPECT_TRUE(TrayIcons().empty()) << "not visible by default";
  Tray->SetHint("拍卖计时");
  Tray->SetVisible(true);
  ASSERT_EQ(TrayIcons().size(), 1u);
  EXPECT_EQ(TrayIcons()[0].Tip, "拍卖计时");
  EXPECT_TRUE(Tray->Shown());
  Tray->SetHint(String(50, 'x') + "计时器提示");  // 65 bytes: longer than the tip's 63
  EXPECT_EQ(TrayIcons()[0].Tip, String(50, 'x') + "计时器提")
      << "cut between characters, not inside one";
  Tray->SetVisible(false);
  EXPECT_TRUE(TrayIcons().empty());
  Tray->SetVisible(true);
  Tray->Free();
  EXPECT_TRUE(TrayIcons().empty()) << "freed with its component";
}

TEST_F(TrayIconTest, ClicksReachItsEvents) {
  std::vector<String> events;
  Tray->OnMouseDown = [&](TObject*, TMouseButton b, TShiftState, Integer, Integer) {
    events.push_back("down " + String(b == mbLeft ? "left" : "right"));
  };
  Tray->OnMouseUp = [&](TObject*, TMouseButton b, TShiftState, Integer, Integer) {
    events.push_back("up " + String(b == mbLeft ? "left" : "right"));
  };
  Tray->OnClick = [&](TObject*) { events.push_back("click"); };
  Tray->OnDblClick = [&](TObject*) { events.push_back("double"); };
  Tray->SetVisible(true);
  for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP}) Report(m);
  EXPECT_EQ(events, (std::vector<String>{"down left", "up left", "click", "double", "down right", "up right"}));
}

TEST_F(TrayIconTest, ShowsItsIconAndPopsUpItsMenuOnTheChosenClick) {
  Tray->SetVisible(true);
  EXPECT_EQ(TrayIcons()[0].Icon, nullptr) << "an empty icon";
  auto* icon = New<TIcon>();
  ICONINFO info;
  info.hbmMask = CreateBitmap(16, 16, 1, 1, nullptr);
  info.hbmColor = CreateBitmap(16, 16, 1, 32, nullptr);
  icon->SetHandle(CreateIconIndirect(&info));
  DeleteObject(info.hbmMask);
  DeleteObject(info.hbmColor);
  Tray->SetIcon(icon);
  icon->Free();
  EXPECT_NE(TrayIcons()[0].Icon, nullptr);
  EXPECT_EQ(TrayIcons()[0].Icon, Tray->GetIcon()->GetHandle()) << "the icon follows its picture";

  auto* menu = CreateComponent<TPopupMenu>(Main);
  std::vector<TComponent*> popups;
  menu->OnPopup = [&](TObject*) {
    popups.push_back(menu->GetPopupComponent());
    InjectKeyPress(VK_ESCAPE);  // the menu is read once it is up
  };
  Tray->SetPopupMenu(menu);
  SetEnumProp(Tray, "PopupMenuOn", "imRightClickUp");
  Report(WM_LBUTTONUP);
  Report(WM_RBUTTONDOWN);
  EXPECT_TRUE(popups.empty());
  Report(WM_RBUTTONUP);
  EXPECT_EQ(popups, std::vector<TComponent*>{Tray});
  SetEnumProp(Tray, "PopupMenuOn", "imNone");
  Report(WM_RBUTTONUP);
  EXPECT_EQ(popups.size(), 1u);
  menu->Free();
  EXPECT_EQ(Tray->GetPopupMenu(), nullptr);
}

TEST_F(TrayIconTest, WithHideAMinimisedMainFormLeavesTheTaskBarUntilTheRestoringClick) {
  SetOrdProp(Tray, "Hide", 1);
  SetEnumProp(Tray, "RestoreOn", "imLeftClickUp");
  SetEnumProp(Tray, "PopupMenuOn", "imNone");
  Tray->SetVisible(true);
  HWND wnd = Main->GetHandle();
  Minimize();
  EXPECT_FALSE(IsWindowVisible(wnd)) << "its task-bar window is hidden";
  // Clicks that are not the restoring one leave it hidden.
  Report(WM_RBUTTONUP);
  Report(WM_LBUTTONDBLCLK);
  EXPECT_FALSE(IsWindowVisible(wnd));
  Report(WM_LBUTTONDOWN);
  Report(WM_LBUTTONUP);
  EXPECT_TRUE(IsWindowVisible(wnd));
  EXPECT_FALSE(IsIconic(wnd));
  EXPECT_EQ(GetForegroundWindow(), wnd);

  // Without Hide the minimised form stays on the task bar; hiding the icon gives a hidden form back.
  Tray->SetHide(false);
  Minimize();
  EXPECT_TRUE(IsWindowVisible(wnd));
  EXPECT_TRUE(IsIconic(wnd));
  Report(WM_LBUTTONUP);
  EXPECT_FALSE(IsIconic(wnd));
  Tray->SetHide(true);
  Minimize();
  ASSERT_FALSE(IsWindowVisible(wnd));
  Tray->SetVisible(false);
  EXPECT_TRUE(IsWindowVisible(wnd)) << "no icon left to bring the program back";
}

// A desktop without a notification area: icons are refused.
class TNoTrayBackend : public TWinBackend {
 public:
  const char* Name() const override { return "no tray"; }
  SIZE ScreenSize() const override { return SIZE{1280, 1024}; }
  void Wait(DWORD milliseconds) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(std::min<DWORD>(milliseconds, 1)));
  }
  void Wake() override {}
  bool TrayIconSet(HWND, UINT, UINT, HICON, const String&) override { return false; }
};

TEST_F(TrayIconTest, WhereNoTrayShowsTheIconTheMinimisedFormKeepsItsTaskBarWindow) {
  SetBackend(std::make_unique<TNoTrayBackend>());
  struct TRestore {
    ~TRestore() { SetBackend(nullptr); }
  } restore;
  Tray->SetHide(true);
  Tray->SetVisible(true);
  EXPECT_FALSE(Tray->Shown());
  Minimize();
  EXPECT_TRUE(IsWindowVisible(Main->GetHandle())) << "else the program could not be reached again";
  EXPECT_TRUE(IsIconic(Main->GetHandle()));
}

TEST_F(TrayIconTest, TheMainFormsOwnWindowProcedureStillRunsAndIsGivenBack) {
  int sizes = 0;
  TWndMethod original = Main->WindowProc;
  Main->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_SIZE) ++sizes;
    original(m);
  };
  TWndMethod before = Main->WindowProc;
  Tray->SetHide(true);
  Tray->SetVisible(true);
  Minimize();
  EXPECT_GE(sizes, 1);
  Tray->Free();
  EXPECT_TRUE(Main->WindowProc == before);
  Main->WindowProc = original;
}

TEST_F(TrayIconTest, ComesFromAFormResourceAndShowsOnceRead) {
  RegisterClass(TTrayIcon::StaticClass());
  const char* const text = R"(object Host: TForm
  Left = 0
  Top = 0
  Width = 200
  Height = 100
  object trycn1: TTrayIcon
    Hide = True
    Hint = '拍卖计时器'
    PopupMenuOn = imNone
    RestoreOn = imLeftClickUp
    Visible = True
  end
end
)";
  auto* host = TCustomForm::CreateNew<TForm>(Application);
  TOwnedPtr<TMemoryStream> binary = NewOwned<TMemoryStream>();
  String data = ObjectTextToBinaryString(text);
  binary->WriteBuffer(data.data(), static_cast<Integer>(data.size()));
  binary->SetPosition(0);
  ReadComponent(binary.get(), host);
  auto* tray = As<TTrayIcon>(host->FindComponent("trycn1"));
  ASSERT_TRUE(tray);
  EXPECT_TRUE(tray->GetHide());
  EXPECT_EQ(tray->GetRestoreOn(), imLeftClickUp);
  EXPECT_EQ(tray->GetPopupMenuOn(), imNone);
  ASSERT_EQ(TrayIcons().size(), 1u) << "shown once read, with its hint";
  EXPECT_EQ(TrayIcons()[0].Tip, "拍卖计时器");
  host->Free();
  EXPECT_TRUE(TrayIcons().empty());
}

}  // namespace
