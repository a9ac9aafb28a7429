// A top-level window whose style becomes WS_CHILD after creation (a drop-down list floating over its
// owner form): it keeps its screen place and is never activated nor focused, so the owner's caption
// stays active while the list is clicked.
#include "WinTestSupport.h"

using namespace WinTest;

namespace {

class ChildStyleTopLevel : public TWinFixture {
 protected:
  // The owner form with a focused child, and the list created as a popup owned through that child,
  // then switched to child style.
  void MakeListOverForm() {
    Form = MakeWindow("form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300);
    Edit = MakeWindow("edit", WS_CHILD | WS_VISIBLE, 10, 10, 120, 20, Form);
    SetFocus(Edit);
    List = MakeWindow("list", WS_POPUP, 0, 0, 10, 10, Edit);
    SetWindowLong(List, GWL_STYLE, static_cast<LONG>(WS_CHILD));
    // As the drop-down form does: the child bit is off while the position messages are handled.
    Recorder().OnMessage = [this](HWND h, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
      if (h != List || (msg != WM_WINDOWPOSCHANGED && msg != WM_SIZE && msg != WM_MOVE)) return false;
      LONG style = GetWindowLong(h, GWL_STYLE);
      SetWindowLong(h, GWL_STYLE, style & ~static_cast<LONG>(WS_CHILD));
      result = DefWindowProcA(h, msg, wParam, lParam);
      SetWindowLong(h, GWL_STYLE, style);
      return true;
    };
    ProcessMessages();
    Recorder().Clear();
  }
  HWND Form = nullptr, Edit = nullptr, List = nullptr;
};

TEST_F(ChildStyleTopLevel, KeepsItsScreenPlaceAndOwner) {
  MakeListOverForm();
  SetWindowPos(List, nullptr, 150, 180, 90, 70, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT r{};
  GetWindowRect(List, &r);
  EXPECT_EQ(r.left, 150);
  EXPECT_EQ(r.top, 180);
  EXPECT_EQ(r.right - r.left, 90);
  POINT origin{0, 0};
  ClientToScreen(List, &origin);
  EXPECT_EQ(origin.x, 150);
  EXPECT_EQ(origin.y, 180);
  EXPECT_EQ(GetAncestor(List, GA_ROOT), List) << "still a window of its own on the desktop";
  EXPECT_EQ(GetWindowLong(List, GWL_STYLE) & WS_CHILD, static_cast<LONG>(WS_CHILD));
}

TEST_F(ChildStyleTopLevel, IsNeverActivatedOrFocused) {
  MakeListOverForm();
  Recorder().Watched = {WM_NCACTIVATE, WM_ACTIVATE, WM_KILLFOCUS, WM_SETFOCUS, WM_MOUSEACTIVATE, WM_LBUTTONDOWN};
  ShowWindow(List, SW_SHOW);
  SetWindowPos(List, HWND_TOP, 150, 180, 90, 70, SWP_SHOWWINDOW);
  ProcessMessages();
  EXPECT_TRUE(IsWindowVisible(List));
  InjectClick(160, 190);
  ProcessMessages();
  std::vector<std::string> expected = {"list:LBUTTONDOWN"};
  EXPECT_EQ(Recorder().Names(), expected) << "no activation nor focus message anywhere";
  EXPECT_EQ(GetActiveWindow(), Form);
  EXPECT_EQ(GetFocus(), Edit);
  EXPECT_EQ(SetFocus(List), nullptr);
  SetActiveWindow(List);
  EXPECT_EQ(GetActiveWindow(), Form);
  EXPECT_EQ(WindowFromPoint(POINT{160, 190}), List) << "it lies above its owner";
}

}  // namespace
