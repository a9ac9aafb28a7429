// Menu objects, and popup menus tracked with keys and the mouse.
#include <functional>

#include "GdiPng.h"
#include "GdiSurface.h"
#include "WinTestSupport.h"

using namespace WinTest;

namespace {

constexpr UINT IdOpen = 101, IdPaste = 102, IdGrey = 103, IdLast = 104, IdSubA = 201, IdSubB = 202;

// A menu of the shape the tests share:
//   0 "&Open\tCtrl+O"  1 separator  2 "&Paste"  3 "Grey" (disabled)  4 "&More" -> {"Sub &A", "Sub &B"}
//   5 "&Last"
struct TSampleMenu {
  HMENU Root = CreatePopupMenu();
  HMENU Sub = CreatePopupMenu();
  TSampleMenu() {
    AppendMenuA(Sub, MF_STRING, IdSubA, "Sub &A");
    AppendMenuA(Sub, MF_STRING, IdSubB, "Sub &B");
    AppendMenuA(Root, MF_STRING, IdOpen, "&Open\tCtrl+O");
    AppendMenuA(Root, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(Root, MF_STRING, IdPaste, "&Paste");
    AppendMenuA(Root, MF_STRING | MF_GRAYED, IdGrey, "Grey");
    AppendMenuA(Root, MF_POPUP, reinterpret_cast<UINT_PTR>(Sub), "&More");
    AppendMenuA(Root, MF_STRING, IdLast, "&Last");
  }
  ~TSampleMenu() { DestroyMenu(Root); }
};

int MenuWindowCount() {
  int n = 0;
  EnumWindows(
      [](HWND h, LPARAM count) -> BOOL {
        char cls[16] = {};
        GetClassNameA(h, cls, sizeof cls);
        if (IsWindowVisible(h) && std::string(cls) == MenuWindowClass) ++*reinterpret_cast<int*>(count);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&n));
  return n;
}

POINT ItemCentre(HMENU menu, UINT position) {
  RECT r{};
  EXPECT_TRUE(GetMenuItemRect(nullptr, menu, position, &r)) << "the menu is open";
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class WinMenus : public TWinFixture {
 protected:
  void SetUp() override {
    TWinFixture::SetUp();
    Owner = MakeWindow("owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300);
    SetFocus(Owner);
    Recorder().OnMessage = [this](HWND h, UINT msg, WPARAM, LPARAM, LRESULT&) {
      if (h != Owner || msg != WM_ENTERIDLE) return false;
      // Each time the menu waits for input, the next step of the script runs; with none left, the
      // menu is ended so that no test can hang.
      if (Step < Script.size()) Script[Step++]();
      else {
        Idled = true;
        EndMenu();
      }
      return true;
    };
  }
  // Tracks the sample menu at (100, 80) and answers TrackPopupMenuEx's result.
  UINT Track(UINT flags = TPM_RETURNCMD, int x = 100, int y = 80) {
    Step = 0;
    Idled = false;
    UINT r = static_cast<UINT>(TrackPopupMenuEx(Menu.Root, flags, x, y, Owner, nullptr));
    EXPECT_EQ(MenuWindowCount(), 0) << "no menu window outlives the tracking";
    return r;
  }
  void Keys(std::initializer_list<int> keys) {
    for (int k : keys) {
      if (k < 0) InjectText(std::string(1, static_cast<char>(-k)));
      else InjectKeyPress(k);
    }
  }
  HWND Owner = nullptr;
  TSampleMenu Menu;
  std::vector<std::function<void()>> Script;
  size_t Step = 0;
  bool Idled = false;
};

// ---- Menu objects -----------------------------------------------------------------------------------
TEST_F(WinMenus, ItemsAreFoundByPositionAndByCommandInSubMenus) {
  EXPECT_EQ(GetMenuItemCount(Menu.Root), 6);
  EXPECT_EQ(GetMenuItemID(Menu.Root, 0), IdOpen);
  EXPECT_EQ(GetMenuItemID(Menu.Root, 4), 0xFFFFFFFFu) << "a sub-menu item has no command";
  EXPECT_EQ(GetSubMenu(Menu.Root, 4), Menu.Sub);
  EXPECT_EQ(GetMenuState(Menu.Root, 3, MF_BYPOSITION), static_cast<UINT>(MF_GRAYED));
  EXPECT_EQ(GetMenuState(Menu.Root, 1, MF_BYPOSITION), static_cast<UINT>(MF_SEPARATOR));
  EXPECT_EQ(GetMenuState(Menu.Root, 4, MF_BYPOSITION), static_cast<UINT>(MF_POPUP | (2 << 8)));
  EXPECT_EQ(GetMenuState(Menu.Root, 999, MF_BYCOMMAND), 0xFFFFFFFFu);

  // By command, the sub-menu's items are reached from the root.
  EXPECT_EQ(CheckMenuItem(Menu.Root, IdSubB, MF_BYCOMMAND | MF_CHECKED), static_cast<DWORD>(MF_UNCHECKED));
  EXPECT_EQ(GetMenuState(Menu.Sub, 1, MF_BYPOSITION), static_cast<UINT>(MF_CHECKED));
  EXPECT_EQ(CheckMenuItem(Menu.Root, IdSubB, MF_BYCOMMAND | MF_UNCHECKED), static_cast<DWORD>(MF_CHECKED));
  EXPECT_EQ(EnableMenuItem(Menu.Root, IdGrey, MF_BYCOMMAND | MF_ENABLED), static_cast<UINT>(MF_GRAYED));
  EXPECT_EQ(EnableMenuItem(Menu.Root, 77, MF_BYPOSITION), 0xFFFFFFFFu);

  // Insertion before an item named by command (in its own menu) or by position; past the end appends.
  EXPECT_TRUE(InsertMenuA(Menu.Root, IdSubB, MF_BYCOMMAND | MF_STRING, 300, "Between"));
  EXPECT_EQ(GetMenuItemID(Menu.Sub, 1), 300u);
  EXPECT_TRUE(InsertMenuA(Menu.Root, 0, MF_BYPOSITION | MF_STRING, 301, "First"));
  EXPECT_TRUE(InsertMenuA(Menu.Root, 1000, MF_BYPOSITION | MF_STRING, 302, "End"));
  EXPECT_EQ(GetMenuItemID(Menu.Root, 0), 301u);
  EXPECT_EQ(GetMenuItemID(Menu.Root, 7), 302u);
  EXPECT_FALSE(AppendMenuA(Menu.Root, MF_POPUP, 12345, "no such sub-menu"));
}

TEST_F(WinMenus, TextIsCopiedWholeCharactersOnly) {
  HMENU m = CreatePopupMenu();
  AppendMenuA(m, MF_STRING, 1, "\xE5\x88\xA0\xE9\x99\xA4");  // two characters, six bytes
  char buffer[8];
  EXPECT_EQ(GetMenuStringA(m, 0, nullptr, 0, MF_BYPOSITION), 6);
  EXPECT_EQ(GetMenuStringA(m, 0, buffer, 5, MF_BYPOSITION), 3) << "the second character does not fit";
  EXPECT_EQ(std::string(buffer), "\xE5\x88\xA0");
  EXPECT_EQ(GetMenuStringA(m, 0, buffer, 8, MF_BYPOSITION), 6);

  MENUITEMINFOA mi;
  mi.fMask = MIIM_STRING;
  mi.cch = 0;
  ASSERT_TRUE(GetMenuItemInfoA(m, 0, TRUE, &mi));
  EXPECT_EQ(mi.cch, 6u) << "no buffer: the length";
  DestroyMenu(m);
}

TEST_F(WinMenus, ItemInfoRoundTripsAndDeleteDestroysTheSubMenuWhileRemoveKeepsIt) {
  MENUITEMINFOA in;
  in.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_STRING;
  in.fType = MFT_RADIOCHECK;
  in.fState = MFS_CHECKED | MFS_DEFAULT;
  in.wID = 55;
  in.dwItemData = 0xABCDEF;
  char text[] = "Radio";
  in.dwTypeData = text;
  ASSERT_TRUE(InsertMenuItemA(Menu.Root, 2, TRUE, &in));
  MENUITEMINFOA out;
  out.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_STRING;
  char buffer[16];
  out.dwTypeData = buffer;
  out.cch = sizeof buffer;
  ASSERT_TRUE(GetMenuItemInfoA(Menu.Root, 55, FALSE, &out));
  EXPECT_EQ(out.fType, static_cast<UINT>(MFT_RADIOCHECK));
  EXPECT_EQ(out.fState, static_cast<UINT>(MFS_CHECKED | MFS_DEFAULT));
  EXPECT_EQ(out.dwItemData, 0xABCDEFu);
  EXPECT_EQ(std::string(buffer), "Radio");
  EXPECT_EQ(GetMenuDefaultItem(Menu.Root, TRUE, 0), 2u);

  HMENU other = CreatePopupMenu();
  AppendMenuA(Menu.Root, MF_POPUP, reinterpret_cast<UINT_PTR>(other), "Other");
  EXPECT_TRUE(RemoveMenu(Menu.Root, 7, MF_BYPOSITION));
  EXPECT_TRUE(IsMenu(other)) << "removed, not destroyed";
  EXPECT_TRUE(DeleteMenu(Menu.Root, 5, MF_BYPOSITION));
  EXPECT_FALSE(IsMenu(Menu.Sub)) << "deleting the item destroys its sub-menu";
  EXPECT_TRUE(DestroyMenu(other));
  EXPECT_FALSE(DestroyMenu(other));
  EXPECT_EQ(GetMenuItemCount(other), -1);
}

TEST_F(WinMenus, RadioChecksOneItemOfTheRange) {
  HMENU m = CreatePopupMenu();
  for (UINT id = 1; id <= 4; ++id) AppendMenuA(m, MF_STRING | (id == 1 ? MF_CHECKED : 0), id, "x");
  EXPECT_TRUE(CheckMenuRadioItem(m, 1, 3, 2, MF_BYCOMMAND));
  EXPECT_EQ(GetMenuState(m, 1, MF_BYCOMMAND) & MF_CHECKED, 0u);
  EXPECT_EQ(GetMenuState(m, 2, MF_BYCOMMAND) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
  EXPECT_FALSE(CheckMenuRadioItem(m, 0, 9, 1, MF_BYPOSITION)) << "a range past the end";
  DestroyMenu(m);
}

// ---- Tracking with keys -----------------------------------------------------------------------------
TEST_F(WinMenus, KeysMoveChooseAndDismiss) {
  struct TCase {
    const char* What;
    std::initializer_list<int> Keys;  // a negative value types that character
    UINT Result;
  };
  const TCase cases[] = {
      {"Down selects the first item", {VK_DOWN, VK_RETURN}, IdOpen},
      {"the separator is skipped", {VK_DOWN, VK_DOWN, VK_RETURN}, IdPaste},
      {"Up wraps to the last item", {VK_UP, VK_RETURN}, IdLast},
      {"Home and End", {VK_END, VK_HOME, VK_RETURN}, IdOpen},
      {"a disabled item is not chosen", {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, 0},
      {"an accelerator letter chooses", {-'p'}, IdPaste},
      {"an accelerator of a sub-menu item opens it", {-'m', -'b'}, IdSubB},
      {"Right opens the sub-menu on its first item", {VK_UP, VK_UP, VK_RIGHT, VK_RETURN}, IdSubA},
      {"Left closes the sub-menu", {VK_UP, VK_UP, VK_RIGHT, VK_LEFT, VK_DOWN, VK_RETURN}, IdLast},
      {"Escape closes the sub-menu, then the menu", {VK_UP, VK_UP, VK_RIGHT, VK_ESCAPE, VK_ESCAPE}, 0},
      {"Escape at once", {VK_ESCAPE}, 0},
  };
  for (const TCase& c : cases) {
    Keys(c.Keys);
    EXPECT_EQ(Track(), c.Result) << c.What;
    bool endedByItself = !Idled;
    EXPECT_TRUE(endedByItself || c.Result == 0) << c.What;
    ProcessMessages();
  }
  // A choice by key ends the menu itself; only the disabled item's case waits for more input.
  Keys({VK_ESCAPE});
  EXPECT_EQ(Track(), 0u);
  EXPECT_FALSE(Idled) << "Escape ends the menu without waiting";
}

TEST_F(WinMenus, TheOwnerHearsTheMenuLoopAndGetsTheCommandAfterTheMenuHasGone) {
  Recorder().Watched = {WM_ENTERMENULOOP, WM_INITMENUPOPUP, WM_MENUSELECT, WM_UNINITMENUPOPUP, WM_EXITMENULOOP,
                        WM_COMMAND};
  Recorder().Clear();
  HWND menuWindowAtCommand = reinterpret_cast<HWND>(1);
  auto previous = Recorder().OnMessage;
  Recorder().OnMessage = [&](HWND h, UINT msg, WPARAM w, LPARAM l, LRESULT& r) {
    if (msg == WM_COMMAND) menuWindowAtCommand = FindWindowA(MenuWindowClass, nullptr);
    return previous(h, msg, w, l, r);
  };
  Keys({VK_UP, VK_UP, VK_RIGHT, VK_DOWN, VK_RETURN});
  EXPECT_EQ(Track(TPM_LEFTALIGN), static_cast<UINT>(TRUE)) << "without TPM_RETURNCMD: success";
  ProcessMessages();
  std::vector<UINT> got;
  for (const TRecord& r : Recorder().Log) got.push_back(r.Msg);
  const std::vector<UINT> expected = {WM_ENTERMENULOOP, WM_INITMENUPOPUP, WM_MENUSELECT,      WM_MENUSELECT,
                                      WM_INITMENUPOPUP, WM_MENUSELECT,    WM_MENUSELECT,      WM_UNINITMENUPOPUP,
                                      WM_UNINITMENUPOPUP, WM_MENUSELECT,  WM_EXITMENULOOP,    WM_COMMAND};
  EXPECT_EQ(got, expected);
  const auto& log = Recorder().Log;
  ASSERT_EQ(log.size(), expected.size());
  EXPECT_EQ(log[1].WParam, reinterpret_cast<WPARAM>(Menu.Root));
  EXPECT_EQ(log[4].WParam, reinterpret_cast<WPARAM>(Menu.Sub));
  EXPECT_EQ(LOWORD(static_cast<uintptr_t>(log[4].LParam)), 4) << "the sub-menu's place in its parent";
  EXPECT_EQ(LOWORD(log[3].WParam), 4) << "a sub-menu item is named by its position";
  EXPECT_TRUE(HIWORD(log[3].WParam) & MF_POPUP);
  EXPECT_EQ(LOWORD(log[6].WParam), IdSubB);
  EXPECT_EQ(HIWORD(log[9].WParam), 0xFFFF) << "the menu has closed";
  EXPECT_EQ(log[9].LParam, 0);
  EXPECT_EQ(LOWORD(log[11].WParam), IdSubB);
  EXPECT_EQ(menuWindowAtCommand, nullptr) << "WM_COMMAND comes after the menu windows are gone";

  Recorder().Clear();
  Keys({VK_DOWN, VK_RETURN});
  EXPECT_EQ(Track(TPM_RETURNCMD | TPM_NONOTIFY), IdOpen);
  ProcessMessages();
  EXPECT_TRUE(Recorder().Log.empty()) << "TPM_NONOTIFY: no notification and no WM_COMMAND";
}

TEST_F(WinMenus, RefusesBadArgumentsAndNestedTracking) {
  EXPECT_FALSE(TrackPopupMenuEx(reinterpret_cast<HMENU>(0x1234), 0, 10, 10, Owner, nullptr));
  EXPECT_FALSE(TrackPopupMenuEx(Menu.Root, 0, 10, 10, reinterpret_cast<HWND>(0x1234), nullptr));
  EXPECT_FALSE(EndMenu()) << "no menu is up";
  bool nestedRefused = false;
  Script = {[&] {
    nestedRefused = !TrackPopupMenuEx(Menu.Sub, TPM_RETURNCMD, 0, 0, Owner, nullptr);
    EndMenu();
  }};
  EXPECT_EQ(Track(), 0u);
  EXPECT_TRUE(nestedRefused);
  HMENU empty = CreatePopupMenu();
  EXPECT_EQ(TrackPopupMenuEx(empty, TPM_RETURNCMD, 10, 10, Owner, nullptr), 0) << "nothing to choose";
  DestroyMenu(empty);
}

TEST_F(WinMenus, AQuitMessageEndsTheMenuAndIsPostedAgain) {
  PostQuitMessage(3);
  EXPECT_EQ(Track(), 0u);
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(m.wParam, 3u);
}

TEST_F(WinMenus, AnExceptionFromAHandlerClosesTheMenuOnItsWayOut) {
  Script = {[] { throw std::runtime_error("handler failed"); }};
  EXPECT_THROW(TrackPopupMenuEx(Menu.Root, TPM_RETURNCMD, 100, 80, Owner, nullptr), std::runtime_error);
  EXPECT_EQ(MenuWindowCount(), 0);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_FALSE(EndMenu()) << "no menu is tracked any more";
  Keys({VK_DOWN, VK_RETURN});
  EXPECT_EQ(Track(), IdOpen) << "the next menu tracks normally";
}

// ---- Tracking with the mouse ------------------------------------------------------------------------
TEST_F(WinMenus, AClickChoosesAnItemAndOpensASubMenu) {
  Script = {[&] {
              POINT p = ItemCentre(Menu.Root, 4);
              InjectClick(p.x, p.y);
            },
            [&] {
              EXPECT_EQ(MenuWindowCount(), 2) << "the click opened the sub-menu";
              POINT p = ItemCentre(Menu.Sub, 1);
              InjectClick(p.x, p.y);
            }};
  EXPECT_EQ(Track(), IdSubB);
  EXPECT_FALSE(Idled);

  // A click on a separator or a disabled item does nothing; on an item it chooses.
  Script = {[&] {
              POINT sep = ItemCentre(Menu.Root, 1), grey = ItemCentre(Menu.Root, 3);
              InjectClick(sep.x, sep.y);
              InjectClick(grey.x, grey.y);
            },
            [&] {
              EXPECT_EQ(MenuWindowCount(), 1);
              POINT p = ItemCentre(Menu.Root, 2);
              InjectClick(p.x, p.y);
            }};
  EXPECT_EQ(Track(), IdPaste);
}

TEST_F(WinMenus, AClickOutsideDismissesTheMenuAndIsUsedUp) {
  Recorder().Watched = {WM_LBUTTONDOWN, WM_LBUTTONUP};
  Script = {[&] { InjectClick(20, 250); }};
  EXPECT_EQ(Track(), 0u);
  EXPECT_FALSE(Idled) << "the click ended the menu";
  ProcessMessages();
  EXPECT_TRUE(std::none_of(Recorder().Log.begin(), Recorder().Log.end(),
                           [](const TRecord& r) { return r.Msg == WM_LBUTTONDOWN; }))
      << "the window under the click does not get the press";
}

TEST_F(WinMenus, RestingOnASubMenuItemOpensItAfterTheDelayAndMovingAwayClosesIt) {
  int openAfterMove = -1, openAfterDelay = -1, openAfterLeaving = -1;
  Script = {[&] {
              POINT p = ItemCentre(Menu.Root, 4);
              InjectMouseMove(p.x, p.y);
            },
            [&] {
              openAfterMove = MenuWindowCount();
              Advance(450);
            },
            [&] {
              openAfterDelay = MenuWindowCount();
              POINT p = ItemCentre(Menu.Root, 5);
              InjectMouseMove(p.x, p.y);
            },
            [&] { openAfterLeaving = MenuWindowCount(); }};
  EXPECT_EQ(Track(TPM_RETURNCMD | TPM_RIGHTBUTTON), 0u);
  EXPECT_EQ(openAfterMove, 1);
  EXPECT_EQ(openAfterDelay, 2);
  EXPECT_EQ(openAfterLeaving, 1);

  // The right button chooses only with TPM_RIGHTBUTTON.
  auto rightClickOnPaste = [&] {
    POINT p = ItemCentre(Menu.Root, 2);
    InjectMouseMove(p.x, p.y);
    InjectMouseButton(1, true);
    InjectMouseButton(1, false);
  };
  Script = {rightClickOnPaste};
  EXPECT_EQ(Track(TPM_RETURNCMD | TPM_RIGHTBUTTON), IdPaste);
  Script = {rightClickOnPaste};
  EXPECT_EQ(Track(TPM_RETURNCMD), 0u);
  EXPECT_TRUE(Idled);
}

// ---- Placement --------------------------------------------------------------------------------------
TEST_F(WinMenus, MenusStayOnTheScreenFlippingAtItsEdges) {
  RECT shown{};
  auto capture = [&] { GetWindowRect(FindWindowA(MenuWindowClass, nullptr), &shown); };
  Script = {capture};
  Track(TPM_RETURNCMD, 100, 80);
  int w = shown.right - shown.left, h = shown.bottom - shown.top;
  EXPECT_EQ(shown.left, 100);
  EXPECT_EQ(shown.top, 80);
  ASSERT_GT(w, 40);
  ASSERT_GT(h, 60);
  struct TCase {
    UINT Flags;
    int X, Y;
    int Left, Top;
  };
  const TCase cases[] = {
      {TPM_LEFTALIGN, 1270, 1000, 1270 - w, 1000 - h},          // flipped both ways
      {TPM_RIGHTALIGN, 500, 300, 500 - w, 300},
      {TPM_RIGHTALIGN, 10, 300, 10, 300},                      // would leave on the left: flipped
      {TPM_CENTERALIGN | TPM_VCENTERALIGN, 500, 500, 500 - w / 2, 500 - h / 2},
      {TPM_BOTTOMALIGN, 500, 500, 500, 500 - h},
      {TPM_BOTTOMALIGN, 500, 10, 500, 10},                     // would leave at the top: flipped
      {TPM_CENTERALIGN, 5, 5, 0, 5},                           // kept inside
  };
  for (const TCase& c : cases) {
    Script = {capture};
    Track(TPM_RETURNCMD | c.Flags, c.X, c.Y);
    EXPECT_EQ(shown.left, c.Left) << std::hex << c.Flags << std::dec << " at " << c.X << "," << c.Y;
    EXPECT_EQ(shown.top, c.Top) << std::hex << c.Flags << std::dec << " at " << c.X << "," << c.Y;
  }

  // A sub-menu opens on the right of its item, or on the left where the screen ends.
  RECT sub{};
  Script = {[&] { Keys({VK_UP, VK_UP, VK_RIGHT}); },
            [&] {
              GetWindowRect(FindWindowA(MenuWindowClass, nullptr), &sub);
              capture();
            }};
  Track(TPM_RETURNCMD, 1280 - w - 10, 100);
  EXPECT_LT(sub.right, 1280 - w) << "flipped to the left";
}

// ---- Owner drawing and the picture ------------------------------------------------------------------
TEST_F(WinMenus, OwnerDrawnItemsAreMeasuredAndDrawnByTheOwner) {
  HMENU m = CreatePopupMenu();
  AppendMenuA(m, MF_OWNERDRAW, 7, reinterpret_cast<const char*>(static_cast<uintptr_t>(0x5A)));
  ULONG_PTR measuredData = 0, drawnData = 0;
  RECT drawn{};
  HWND drawnMenu = nullptr;
  auto previous = Recorder().OnMessage;
  Recorder().OnMessage = [&](HWND h, UINT msg, WPARAM w, LPARAM l, LRESULT& r) {
    if (msg == WM_MEASUREITEM) {
      auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(l);
      measuredData = mis->itemData;
      mis->itemWidth = 100;
      mis->itemHeight = 30;
      return true;
    }
    if (msg == WM_DRAWITEM) {
      auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(l);
      drawnData = dis->itemData;
      drawn = dis->rcItem;
      drawnMenu = dis->hwndItem;
      HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
      FillRect(dis->hDC, &dis->rcItem, red);
      DeleteObject(red);
      return true;
    }
    return previous(h, msg, w, l, r);
  };
  GdiSurface::TGdiSurface picture;
  Script = {[&] { ASSERT_TRUE(CaptureWindow(FindWindowA(MenuWindowClass, nullptr), picture)); }};
  EXPECT_EQ(TrackPopupMenuEx(m, TPM_RETURNCMD, 50, 50, Owner, nullptr), 0);
  EXPECT_EQ(measuredData, 0x5Au);
  EXPECT_EQ(drawnData, 0x5Au);
  EXPECT_EQ(drawn.bottom - drawn.top, 30);
  EXPECT_GE(drawn.right - drawn.left, 100);
  EXPECT_EQ(drawnMenu, reinterpret_cast<HWND>(m));
  EXPECT_EQ(picture.Pixel((drawn.left + drawn.right) / 2, (drawn.top + drawn.bottom) / 2) & 0xFFFFFF, 0xFF0000u);
  DestroyMenu(m);
}

TEST_F(WinMenus, APictureOfAnOpenMenuShowsTheClassicLook) {
  HMENU m = CreatePopupMenu();
  AppendMenuA(m, MF_STRING, 1, "\xE5\x88\xA0\xE9\x99\xA4\xE8\xAF\xA5\xE8\xAE\xB0\xE5\xBD\x95(&D)\tDel");  // 删除该记录(&D)
  AppendMenuA(m, MF_STRING | MF_CHECKED, 2, "\xE6\x98\xBE\xE7\xA4\xBA\xE7\xA7\x92\xE8\xA1\xA8");         // 显示秒表
  AppendMenuA(m, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(m, MF_STRING | MF_GRAYED, 3, "\xE6\x89\x93\xE5\x8D\xB0(&P)...\tCtrl+P");                    // 打印(&P)...
  HMENU sub = CreatePopupMenu();
  AppendMenuA(sub, MF_STRING, 4, "CSV");
  AppendMenuA(m, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "\xE5\xAF\xBC\xE5\x87\xBA(&E)");             // 导出(&E)
  GdiSurface::TGdiSurface picture;
  RECT first{}, grey{}, more{};
  Script = {[&] { Keys({VK_DOWN}); },
            [&] {
              GetMenuItemRect(nullptr, m, 0, &first);
              GetMenuItemRect(nullptr, m, 3, &grey);
              GetMenuItemRect(nullptr, m, 4, &more);
              HWND w = FindWindowA(MenuWindowClass, nullptr);
              UpdateWindow(w);
              ASSERT_TRUE(CaptureWindow(w, picture));
              std::string file = testing::TempDir() + "menu-popup.png";
              EXPECT_TRUE(SaveWindowPng(w, file)) << file;
            }};
  EXPECT_EQ(TrackPopupMenuEx(m, TPM_RETURNCMD, 200, 200, Owner, nullptr), 0);
  ASSERT_GT(picture.Width(), 0);
  auto at = [&](int x, int y) { return picture.Pixel(x - 200, y - 200) & 0xFFFFFF; };
  auto rgb = [](int sysColor) {
    COLORREF c = GetSysColor(sysColor);
    return static_cast<uint32_t>((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
  };
  EXPECT_EQ(at(first.right - 2, first.top + 1), rgb(COLOR_HIGHLIGHT)) << "the selected item has the bar";
  EXPECT_EQ(at(grey.right - 2, grey.top + 1), rgb(COLOR_MENU));
  EXPECT_EQ(picture.Pixel(0, 0) & 0xFFFFFF, rgb(COLOR_3DLIGHT)) << "the raised frame's outer light edge";
  EXPECT_EQ(picture.Pixel(picture.Width() - 1, picture.Height() - 1) & 0xFFFFFF, rgb(COLOR_3DDKSHADOW));
  // Text was drawn in the selected item, and the disabled one shows both emboss colours.
  bool white = false, shadow = false, light = false;
  for (int y = first.top; y < first.bottom; ++y)
    for (int x = first.left; x < first.right; ++x) white = white || at(x, y) == rgb(COLOR_HIGHLIGHTTEXT);
  for (int y = grey.top; y < grey.bottom; ++y)
    for (int x = grey.left; x < grey.right; ++x) {
      shadow = shadow || at(x, y) == rgb(COLOR_3DSHADOW);
      light = light || at(x, y) == rgb(COLOR_3DHILIGHT);
    }
  EXPECT_TRUE(white);
  EXPECT_TRUE(shadow && light);
  int arrow = 0;  // the sub-menu arrow at the right end of its item
  for (int y = more.top; y < more.bottom; ++y)
    for (int x = more.right - 16; x < more.right; ++x) arrow += at(x, y) == rgb(COLOR_MENUTEXT);
  EXPECT_GE(arrow, 6);
  DestroyMenu(m);
}

}  // namespace
