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

namespace {

class EditControl : public TWinFixture {
 protected:
  void SetUp() override {
    TWinFixture::SetUp();
    Form = MakeWindow("form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200);
    Edit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10, 120, 21, Form,
                           reinterpret_cast<HMENU>(31), nullptr, nullptr);
    SetFocus(Edit);
    ProcessMessages();
  }
  std::string Text() { return GetWindowTextString(Edit); }
  std::pair<DWORD, DWORD> Sel() {
    DWORD a = 0, b = 0;
    SendMessage(Edit, EM_GETSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
    return {a, b};
  }
  int Changes() {
    int n = 0;
    for (const TRecord& r : Recorder().Log) n += r.Msg == WM_COMMAND && HIWORD(r.WParam) == EN_CHANGE;
    return n;
  }
  HWND Form = nullptr, Edit = nullptr;
};

TEST_F(EditControl, TypingAndKeysEditTheTextAroundTheSelection) {
  struct TCase {
    const char* Start;
    std::vector<int> Keys;  // a key, or a negative character typed; VK_SHIFT/VK_CONTROL toggle holding
    const char* Text;
    std::pair<DWORD, DWORD> Sel;
  };
  const TCase cases[] = {
      {"", {-'a', -'b', -'c'}, "abc", {3, 3}},
      {"abc", {VK_HOME, VK_DELETE}, "bc", {0, 0}},
      {"abc", {VK_LEFT, VK_BACK}, "ac", {1, 1}},
      {"abcdef", {VK_SHIFT, VK_LEFT, VK_LEFT, VK_SHIFT, -'X'}, "abcdX", {5, 5}},
      {"one two", {VK_CONTROL, VK_LEFT, VK_CONTROL, VK_SHIFT, VK_END, VK_SHIFT}, "one two", {4, 7}},
      {"abc", {VK_SHIFT, VK_HOME, VK_SHIFT, VK_RIGHT}, "abc", {3, 3}},
      {"\xE4\xB8\xAD\xE6\x96\x87", {VK_LEFT, VK_BACK}, "\xE6\x96\x87", {0, 0}},  // whole characters only
      {"ab", {-0xE4, -0xB8, -0xAD}, "ab\xE4\xB8\xAD", {5, 5}},                   // a character typed byte by byte
  };
  for (const TCase& c : cases) {
    SetWindowTextA(Edit, c.Start);
    SendMessage(Edit, EM_SETSEL, 0, -1);
    SendMessage(Edit, EM_SETSEL, static_cast<WPARAM>(-1), 0);
    InjectKeyPress(VK_END);
    bool shift = false, ctrl = false;
    for (int k : c.Keys) {
      if (k == VK_SHIFT || k == VK_CONTROL) {
        bool& held = k == VK_SHIFT ? shift : ctrl;
        held = !held;
        InjectKey(k, held);
      } else if (k < 0) {
        InjectText(std::string(1, static_cast<char>(-k)));
      } else {
        InjectKeyPress(k);
      }
    }
    ProcessMessages();
    EXPECT_EQ(Text(), c.Text) << c.Start;
    EXPECT_EQ(Sel(), c.Sel) << c.Start;
  }
}

TEST_F(EditControl, ChangesAreAnnouncedAndLimitedAndUndoToggles) {
  Recorder().Clear();
  Recorder().Watched = {WM_COMMAND};
  SetWindowTextA(Edit, "hello");
  EXPECT_EQ(Changes(), 1) << "WM_SETTEXT announces the change";
  SendMessage(Edit, EM_LIMITTEXT, 6, 0);
  SendMessage(Edit, EM_SETSEL, 5, 5);
  InjectText("!?");
  ProcessMessages();
  EXPECT_EQ(Text(), "hello!") << "typing stops at the limit";
  SendMessage(Edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(" world"));
  EXPECT_EQ(Text(), "hello! world") << "a program's replacement is not limited";
  EXPECT_EQ(Changes(), 3);
  EXPECT_TRUE(SendMessage(Edit, EM_CANUNDO, 0, 0));
  SendMessage(Edit, WM_UNDO, 0, 0);
  EXPECT_EQ(Text(), "hello!");
  SendMessage(Edit, WM_UNDO, 0, 0);
  EXPECT_EQ(Text(), "hello! world") << "a second undo redoes";
  SendMessage(Edit, EM_SETREADONLY, TRUE, 0);
  InjectText("x");
  ProcessMessages();
  EXPECT_EQ(Text(), "hello! world");
}

TEST_F(EditControl, ClipboardCommandsAndPasswords) {
  SetWindowTextA(Edit, "secret");
  SendMessage(Edit, EM_SETSEL, 0, 3);
  InjectKey(VK_CONTROL, true);
  InjectKeyPress('C');
  InjectKey(VK_CONTROL, false);
  ProcessMessages();
  String clip;
  ASSERT_TRUE(GetClipboardText(clip));
  EXPECT_EQ(clip, "sec");
  SendMessage(Edit, EM_SETSEL, 6, 6);
  InjectKey(VK_SHIFT, true);
  InjectKeyPress(VK_INSERT);
  InjectKey(VK_SHIFT, false);
  ProcessMessages();
  EXPECT_EQ(Text(), "secretsec");
  SendMessage(Edit, EM_SETPASSWORDCHAR, '*', 0);
  SendMessage(Edit, EM_SETSEL, 0, -1);
  SendMessage(Edit, WM_COPY, 0, 0);
  GetClipboardText(clip);
  EXPECT_EQ(clip, "sec") << "a password is never copied out";
  SendMessage(Edit, WM_CUT, 0, 0);
  EXPECT_EQ(Text(), "secretsec");
}

TEST_F(EditControl, CaretPositionsAndMouseSelection) {
  SetWindowTextA(Edit, "abcdef");
  LRESULT x0 = SendMessage(Edit, EM_POSFROMCHAR, 0, 0), x3 = SendMessage(Edit, EM_POSFROMCHAR, 3, 0);
  EXPECT_EQ(LOWORD(x0), 1) << "after the left margin";
  EXPECT_GT(LOWORD(x3), LOWORD(x0));
  EXPECT_EQ(SendMessage(Edit, EM_POSFROMCHAR, 6, 0), -1);
  SendMessage(Edit, EM_SETSEL, 4, 1);
  EXPECT_EQ(Sel(), (std::pair<DWORD, DWORD>{1, 4}));
  POINT caret;
  GetCaretPos(&caret);
  EXPECT_EQ(caret.x, LOWORD(SendMessage(Edit, EM_POSFROMCHAR, 1, 0))) << "the caret is at the end argument";
  // Pressing at character 3 and dragging to the start selects backwards from there.
  POINT p{LOWORD(x3), 5};
  ClientToScreen(Edit, &p);
  InjectMouseMove(p.x, p.y);
  InjectMouseButton(0, true);
  POINT q{0, 5};
  ClientToScreen(Edit, &q);
  InjectMouseMove(q.x, q.y);
  InjectMouseButton(0, false);
  ProcessMessages();
  EXPECT_EQ(Sel(), (std::pair<DWORD, DWORD>{0, 3}));
  EXPECT_EQ(LOWORD(SendMessage(Edit, EM_CHARFROMPOS, 0, MAKELPARAM(LOWORD(x3), 5))), 3);
}

}  // namespace

namespace {

class ListBoxControl : public TWinFixture {
 protected:
  HWND Make(DWORD style) {
    Form = MakeWindow("form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 300);
    HWND lb = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | style, 10, 10, 150,
                              100, Form, reinterpret_cast<HMENU>(41), nullptr, nullptr);
    for (const char* s : {"pear", "Apple", "banana", "apricot", "cherry", "date", "fig", "grape", "kiwi", "lemon"})
      SendMessage(lb, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    ProcessMessages();
    return lb;
  }
  int SelChanges() {
    int n = 0;
    for (const TRecord& r : Recorder().Log) n += r.Msg == WM_COMMAND && HIWORD(r.WParam) == LBN_SELCHANGE;
    return n;
  }
  HWND Form = nullptr;
};

TEST_F(ListBoxControl, ItemsFindingAndSorting) {
  HWND lb = Make(LBS_SORT);
  EXPECT_EQ(SendMessage(lb, LB_GETCOUNT, 0, 0), 10);
  char buf[32];
  SendMessage(lb, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(buf));
  EXPECT_STREQ(buf, "Apple") << "sorted by byte order";
  struct TCase {
    intptr_t Start;
    const char* Text;
    LRESULT Found;
  };
  const TCase cases[] = {{-1, "AP", 0}, {0, "ap", 1}, {1, "ap", 0}, {-1, "zz", LB_ERR}, {-1, "", 0}};
  for (const TCase& c : cases)
    EXPECT_EQ(SendMessage(lb, LB_FINDSTRING, static_cast<WPARAM>(c.Start), reinterpret_cast<LPARAM>(c.Text)), c.Found)
        << c.Start << " " << c.Text;
  EXPECT_EQ(SendMessage(lb, LB_DELETESTRING, 0, 0), 9);
  EXPECT_EQ(SendMessage(lb, LB_DELETESTRING, 20, 0), LB_ERR);
  SendMessage(lb, LB_SETITEMDATA, 2, 1234);
  EXPECT_EQ(SendMessage(lb, LB_GETITEMDATA, 2, 0), 1234);
}

TEST_F(ListBoxControl, MouseAndKeysSelectAndScroll) {
  HWND lb = Make(0);
  Recorder().Clear();
  Recorder().Watched = {WM_COMMAND};
  RECT item;
  SendMessage(lb, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
  POINT p{20, (item.top + item.bottom) / 2};
  ClientToScreen(lb, &p);
  InjectClick(p.x, p.y);
  ProcessMessages();
  EXPECT_EQ(SendMessage(lb, LB_GETCURSEL, 0, 0), 2);
  InjectKeyPress(VK_END);
  ProcessMessages();
  EXPECT_EQ(SendMessage(lb, LB_GETCURSEL, 0, 0), 9);
  EXPECT_GT(SendMessage(lb, LB_GETTOPINDEX, 0, 0), 0) << "the selection was scrolled into view";
  EXPECT_TRUE(GetWindowLongPtr(lb, GWL_STYLE) & WS_VSCROLL) << "ten items outgrow the box";
  EXPECT_EQ(SelChanges(), 2);
  InjectText("b");
  ProcessMessages();
  EXPECT_EQ(SendMessage(lb, LB_GETCURSEL, 0, 0), 2) << "a typed letter finds the next item starting with it";
  SendMessage(lb, LB_RESETCONTENT, 0, 0);
  EXPECT_FALSE(GetWindowLongPtr(lb, GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(SendMessage(lb, LB_GETCURSEL, 0, 0), LB_ERR);
}

TEST_F(ListBoxControl, ExtendedSelectionWithShiftAndCtrl) {
  HWND lb = Make(LBS_EXTENDEDSEL);
  auto clickItem = [&](int i, WPARAM keys) {
    RECT item;
    SendMessage(lb, LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    POINT p{20, (item.top + item.bottom) / 2};
    ClientToScreen(lb, &p);
    if (keys & MK_SHIFT) SetKeyState(VK_SHIFT, true);
    if (keys & MK_CONTROL) SetKeyState(VK_CONTROL, true);
    InjectClick(p.x, p.y);
    ProcessMessages();
    SetKeyState(VK_SHIFT, false);
    SetKeyState(VK_CONTROL, false);
    Advance(1000);
  };
  clickItem(1, 0);
  clickItem(3, MK_SHIFT);
  clickItem(5, MK_CONTROL);
  int items[10];
  int n = static_cast<int>(SendMessage(lb, LB_GETSELITEMS, 10, reinterpret_cast<LPARAM>(items)));
  EXPECT_EQ(std::vector<int>(items, items + n), (std::vector<int>{1, 2, 3, 5}));
  EXPECT_EQ(SendMessage(lb, LB_GETSELCOUNT, 0, 0), 4);
  SendMessage(lb, LB_SELITEMRANGE, FALSE, MAKELPARAM(0, 9));
  EXPECT_EQ(SendMessage(lb, LB_GETSELCOUNT, 0, 0), 0);
}

TEST_F(ListBoxControl, OwnerDrawnItemsAreMeasuredAndDrawnByTheParent) {
  std::vector<UINT> measured, drawn;
  Recorder().OnMessage = [&](HWND, UINT msg, WPARAM, LPARAM l, LRESULT& r) {
    if (msg == WM_MEASUREITEM) {
      auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(l);
      measured.push_back(mis->itemID);
      mis->itemHeight = 10 + mis->itemID;
    } else if (msg == WM_DRAWITEM) {
      auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(l);
      EXPECT_EQ(dis->CtlType, ODT_LISTBOX);
      drawn.push_back(dis->itemID);
    } else {
      return false;
    }
    r = TRUE;
    return true;
  };
  HWND lb = Make(LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS);
  EXPECT_EQ(measured.size(), 10u);
  EXPECT_EQ(SendMessage(lb, LB_GETITEMHEIGHT, 3, 0), 13);
  RECT r;
  SendMessage(lb, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r));
  EXPECT_EQ(r.top, 10 + 11);
  EXPECT_FALSE(drawn.empty());
}

}  // namespace
