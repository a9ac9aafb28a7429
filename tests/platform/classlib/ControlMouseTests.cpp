// The mouse on controls over the standard window classes and on the library's own controls: the
// window procedure has a press before the control's events, the right button's release asks for the
// context menu once, OnContextPopup hears of it in client coordinates and the popup menu opens at
// the screen point.
#include "ClasslibTestSupport.h"

#include <functional>

#include "HeadlessBackend.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "StringLists.h"
#include "Strings.h"
#include "WinUser.h"

using namespace ClasslibTest;

namespace {

// Ends the menu loop shortly after a popup menu has opened, so that no test can stay in it.
void EndMenuSoon(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  EndMenu();
}

class ControlMouse : public TClasslibFixture {
 protected:
  TForm* Form = nullptr;
  TPopupMenu* Menu = nullptr;

  void SetUp() override {
    TClasslibFixture::SetUp();
    Form = TCustomForm::CreateNew<TForm>(nullptr);
    Form->SetBounds(100, 100, 400, 300);
    Menu = New<TPopupMenu>(Form);
    auto* item = New<TMenuItem>(Form);
    item->SetCaption("复制");
    Menu->GetItems()->Add(item);
    Menu->OnPopup = [](TObject*) {
      Journal().push_back("Popup");
      SetTimer(nullptr, 0, 10, &EndMenuSoon);
    };
    Journal().clear();
  }
  void TearDown() override {
    FreeAndNil(Form);
    TClasslibFixture::TearDown();
  }
  template <class T>
  T* Add(int x, int y, int w, int h) {
    auto* c = CreateComponent<T>(Form);
    c->SetParent(Form);
    c->SetBounds(x, y, w, h);
    return c;
  }
  void ShowForm() {
    Form->Show();
    Application->ProcessMessages();
  }
  static void Press(TControl* c, int x, int y, int button, bool down) {
    TPoint p = c->ClientToScreen(TPoint(x, y));
    InjectMouseMove(p.x, p.y);
    InjectMouseButton(button, down);
    Application->ProcessMessages();
  }
};

TEST_F(ControlMouse, TheStandardWindowHasThePressBeforeTheControlsEvents) {
  auto* edit = Add<TEdit>(10, 10, 150, 24);
  edit->SetText("abc");
  auto* list = Add<TListBox>(10, 50, 150, 100);
  for (const char* s : {"one", "two", "three"}) list->GetItems()->Add(s);
  auto* button = Add<TButton>(200, 10, 75, 25);
  ShowForm();
  struct TCase {
    TWinControl* Control;
    int X, Y;
    std::function<String()> State;  // what the window made of the press, as the event sees it
    String Expected;
  };
  const Integer itemHeight = list->GetItemHeight();
  const TCase cases[] = {
      {edit, 140, 10, [&] { return IntToStr(edit->GetSelStart()); }, "3"},
      {list, 20, itemHeight + itemHeight / 2, [&] { return IntToStr(list->GetItemIndex()); }, "1"},
      {button, 30, 12,
       [&] { return String(SendMessage(button->GetHandle(), BM_GETSTATE, 0, 0) & BST_PUSHED ? "pushed" : "up"); },
       "pushed"},
  };
  for (const TCase& c : cases) {
    String down, up;
    bool focusedAtDown = false, capturedAtDown = false, capturedAtUp = true;
    c.Control->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, Integer, Integer) {
      down = c.State();
      focusedAtDown = c.Control->Focused();
      capturedAtDown = GetCapture() == c.Control->GetHandle();
    };
    c.Control->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, Integer, Integer) {
      capturedAtUp = GetCapture() != nullptr;
    };
    Press(c.Control, c.X, c.Y, 0, true);
    EXPECT_EQ(down, c.Expected) << c.Control->ClassName();
    EXPECT_TRUE(focusedAtDown) << c.Control->ClassName() << ": the window took the focus on the press";
    EXPECT_TRUE(capturedAtDown) << c.Control->ClassName() << ": the pressed window holds the capture";
    Press(c.Control, c.X, c.Y, 0, false);
    EXPECT_FALSE(capturedAtUp) << c.Control->ClassName() << ": the release let the capture go";
  }
}

TEST_F(ControlMouse, ARightClickAsksForTheContextMenuOnceBeforeTheReleasesEvent) {
  auto* edit = Add<TEdit>(10, 10, 150, 24);
  auto* panel = Add<TTestPanel>(10, 50, 150, 60);
  auto* label = Add<TTestLabel>(200, 50, 80, 30);
  ShowForm();
  for (TControl* c : std::initializer_list<TControl*>{edit, panel, label}) {
    c->SetPopupMenu(Menu);
    c->OnContextPopup = [](TObject*, TPoint p, bool&) {
      Journal().push_back("ContextPopup " + IntToStr(p.x) + "," + IntToStr(p.y));
    };
    c->OnMouseUp = [](TObject*, TMouseButton b, TShiftState, Integer, Integer) {
      if (b == mbRight) Journal().push_back("MouseUp");
    };
    Journal().clear();
    Press(c, 7, 9, 1, true);
    Press(c, 7, 9, 1, false);
    const std::vector<String> expected = {"ContextPopup 7,9", "Popup", "MouseUp"};
    EXPECT_EQ(Journal(), expected) << c->ClassName();
    EXPECT_EQ(Menu->GetPopupPoint(), c->ClientToScreen(TPoint(7, 9))) << c->ClassName();
    EXPECT_EQ(Menu->GetPopupComponent(), c);
  }
}

TEST_F(ControlMouse, TheKeyboardsContextMenuOpensAtTheControlAndAPointOutsideIsNotTheControls) {
  auto* panel = Add<TTestPanel>(10, 50, 150, 60);
  panel->SetPopupMenu(Menu);
  TPoint seen(0, 0);
  int asked = 0;
  panel->OnContextPopup = [&](TObject*, TPoint p, bool&) {
    ++asked;
    seen = p;
  };
  ShowForm();
  EXPECT_EQ(panel->Perform(WM_CONTEXTMENU, 0, MAKELPARAM(0xFFFF, 0xFFFF)), 1);
  EXPECT_EQ(seen, TPoint(-1, -1)) << "the keyboard's point reaches OnContextPopup as it is";
  EXPECT_EQ(Menu->GetPopupPoint(), panel->ClientToScreen(TPoint(0, 0)));

  Journal().clear();
  TPoint outside = panel->ClientToScreen(TPoint(200, 5));
  EXPECT_EQ(panel->Perform(WM_CONTEXTMENU, 0, MAKELPARAM(outside.x, outside.y)), 0);
  EXPECT_EQ(asked, 1) << "a point outside the client area is left to the default handling";
  EXPECT_TRUE(Journal().empty());
}

}  // namespace
