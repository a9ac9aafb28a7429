// The standard window classes and message boxes.
#include "WinTestSupport.h"

using namespace WinTest;

namespace {

class StandardControls : public TWinFixture {};

TEST_F(StandardControls, MessageBoxAnsweredByKeys) {
  HWND owner = MakeWindow("owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300);
  struct TCase {
    UINT Type;
    std::vector<int> Keys;  // virtual keys pressed; a negative value types that character
    int Answer;
  };
  const TCase cases[] = {
      {MB_OK | MB_ICONINFORMATION, {VK_RETURN}, IDOK},
      {MB_OK, {VK_ESCAPE}, IDOK},
      {MB_OKCANCEL | MB_ICONEXCLAMATION, {VK_ESCAPE}, IDCANCEL},
      {MB_OKCANCEL, {VK_TAB, VK_RETURN}, IDCANCEL},
      {MB_YESNO | MB_DEFBUTTON2 | MB_ICONQUESTION, {VK_RETURN}, IDNO},
      {MB_YESNO, {VK_ESCAPE, VK_RETURN}, IDYES},  // no way to cancel: Escape does nothing
      {MB_YESNO | MB_ICONSTOP, {-'n'}, IDNO},
  };
  for (const TCase& c : cases) {
    // The keys come from a timer that fires while the box is up.
    bool disabledMeanwhile = false;
    SetTimer(owner, 1, 10, nullptr);
    Recorder().OnMessage = [&](HWND h, UINT msg, WPARAM, LPARAM, LRESULT&) {
      if (msg != WM_TIMER) return false;
      KillTimer(h, 1);
      disabledMeanwhile = !IsWindowEnabled(h);
      for (int k : c.Keys) {
        if (k < 0) InjectText(std::string(1, static_cast<char>(-k)));
        else InjectKeyPress(k);
      }
      return true;
    };
    Advance(20);
    EXPECT_EQ(MessageBoxA(owner, "\xE7\xA1\xAE\xE5\xAE\x9A\xE5\x90\x97\xEF\xBC\x9F", "Title", c.Type), c.Answer) << std::hex << c.Type;
    EXPECT_TRUE(disabledMeanwhile) << "the owner is disabled while the box is up, and timers keep firing";
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(GetActiveWindow(), owner);
  }
}

TEST_F(StandardControls, MessageBoxAnsweredByAClickAndEndedByQuit) {
  // The box is centred on the screen; its single button sits at the bottom middle.
  static HWND s_box;
  s_box = nullptr;
  SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    s_box = GetActiveWindow();
    HWND button = GetWindow(s_box, GW_CHILD);
    RECT r;
    GetWindowRect(button, &r);
    InjectClick((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  });
  Advance(20);
  EXPECT_EQ(MessageBoxA(nullptr, "text", nullptr, MB_OK), IDOK);
  EXPECT_FALSE(IsWindow(s_box));
  char title[16] = {};
  (void)title;

  PostQuitMessage(5);
  EXPECT_EQ(MessageBoxA(nullptr, "text", "t", MB_OK), 0);
  MSG m;
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_QUIT)) << "WM_QUIT ends the box and is posted again";
  EXPECT_EQ(m.wParam, 5u);
}

TEST_F(StandardControls, ButtonsNotifyTheirParentAndKeepTheirCheck) {
  HWND form = MakeWindow("form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200);
  HWND push = CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 75, 23, form,
                              reinterpret_cast<HMENU>(11), nullptr, nullptr);
  HWND check = CreateWindowExA(0, "button", "Check", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 10, 40, 100, 20, form,
                               reinterpret_cast<HMENU>(12), nullptr, nullptr);
  HWND r1 = CreateWindowExA(0, "Button", "A", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, 10, 70, 100, 20, form,
                            reinterpret_cast<HMENU>(13), nullptr, nullptr);
  HWND r2 = CreateWindowExA(0, "Button", "B", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, 10, 90, 100, 20, form,
                            reinterpret_cast<HMENU>(14), nullptr, nullptr);
  ProcessMessages();
  Recorder().Clear();
  Recorder().Watched = {WM_COMMAND};
  POINT p{20, 20};
  ClientToScreen(form, &p);
  InjectMouseMove(p.x, p.y);
  InjectMouseButton(0, true);
  InjectMouseMove(p.x + 200, p.y);  // dragged off: no click
  InjectMouseButton(0, false);
  InjectClick(p.x, p.y);
  ProcessMessages();
  SetFocus(check);
  InjectKeyPress(VK_SPACE);
  ProcessMessages();
  SendMessage(r1, BM_CLICK, 0, 0);
  SendMessage(r2, BM_CLICK, 0, 0);
  ASSERT_EQ(Recorder().Log.size(), 4u);
  EXPECT_EQ(Recorder().Log[0].WParam, MAKEWPARAM(11, BN_CLICKED));
  EXPECT_EQ(reinterpret_cast<HWND>(Recorder().Log[0].LParam), push);
  EXPECT_EQ(Recorder().Log[1].WParam, MAKEWPARAM(12, BN_CLICKED));
  EXPECT_EQ(SendMessage(check, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
  EXPECT_EQ(SendMessage(r1, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_UNCHECKED)) << "radio buttons exclude each other";
  EXPECT_EQ(SendMessage(r2, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
  EXPECT_EQ(SendMessage(push, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
}

TEST_F(StandardControls, OwnerDrawnButtonsAskTheirParentToDraw) {
  HWND form = MakeWindow("form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200);
  HWND b = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 10, 10, 75, 23, form,
                           reinterpret_cast<HMENU>(21), nullptr, nullptr);
  std::vector<UINT> states;
  Recorder().OnMessage = [&](HWND, UINT msg, WPARAM, LPARAM l, LRESULT& r) {
    if (msg != WM_DRAWITEM) return false;
    auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(l);
    EXPECT_EQ(dis->CtlType, ODT_BUTTON);
    EXPECT_EQ(dis->rcItem, (RECT{0, 0, 75, 23}));
    states.push_back(dis->itemState);
    r = TRUE;
    return true;
  };
  ProcessMessages();
  SetFocus(b);
  SendMessage(b, BM_SETSTATE, TRUE, 0);
  ASSERT_GE(states.size(), 2u);
  EXPECT_EQ(states.front(), 0u);
  EXPECT_EQ(states.back(), ODS_SELECTED | ODS_FOCUS);
}

}  // namespace
