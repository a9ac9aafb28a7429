// The focus across window changes and deep trees: a focused control whose window is made again has
// the focus in its new window without entering or leaving, and every control down the tree hears
// which control took the focus, so a button inside panels shows whether Enter would click it. Forms
// are activated and deactivated as the focus moves between them, and a compound control can stand
// for its inner control in the tab order.
#include "ClasslibTestSupport.h"

#include "HeadlessBackend.h"
#include "StdCtrls.h"
#include "StringLists.h"
#include "WinUser.h"

using namespace ClasslibTest;

namespace {

class ControlFocus : public TClasslibFixture {
 protected:
  TForm* Form = nullptr;
  TEdit* Other = nullptr;

  void SetUp() override {
    TClasslibFixture::SetUp();
    Form = TCustomForm::CreateNew<TForm>(nullptr);
    Form->SetBounds(100, 100, 400, 300);
    Other = Add<TEdit>(Form, 10, 250);
    Journal().clear();
  }
  void TearDown() override {
    FreeAndNil(Form);
    TClasslibFixture::TearDown();
  }
  template <class T>
  T* Add(TWinControl* parent, int x, int y) {
    auto* c = CreateComponent<T>(Form);
    c->SetParent(parent);
    c->SetLeft(x);
    c->SetTop(y);
    return c;
  }
  void ShowForm() {
    Form->Show();
    Application->ProcessMessages();
  }
  static void Focus(TWinControl* c) {
    c->SetFocus();
    Application->ProcessMessages();
  }
  static bool ShowsDefault(TButton* b) {
    return (GetWindowLong(b->GetHandle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  }
};

TEST_F(ControlFocus, AFocusedControlMadeAgainHasTheFocusInItsNewWindow) {
  auto* edit = Add<TEdit>(Form, 10, 10);
  edit->SetText("价格");
  auto* list = Add<TListBox>(Form, 10, 50);
  list->GetItems()->Add("one");
  auto* button = Add<TButton>(Form, 200, 10);
  auto* panel = Add<TTestButton>(Form, 200, 50);
  ShowForm();
  for (TWinControl* c : std::initializer_list<TWinControl*>{edit, list, button, panel}) {
    Focus(c);
    ASSERT_TRUE(c->Focused()) << c->ClassName();
    c->OnEnter = [](TObject*) { Journal().push_back("Enter"); };
    c->OnExit = [](TObject*) { Journal().push_back("Exit"); };
    Journal().clear();
    HWND old = c->GetHandle();
    c->RecreateWnd();
    Application->ProcessMessages();
    EXPECT_FALSE(IsWindow(old)) << c->ClassName();
    EXPECT_TRUE(c->Focused()) << c->ClassName() << ": the new window has the focus";
    EXPECT_EQ(FindControl(GetFocus()), c) << c->ClassName();
    EXPECT_EQ(Form->GetActiveControl(), c);
    EXPECT_EQ(Screen->ActiveControl(), c);
    EXPECT_TRUE(Journal().empty()) << c->ClassName() << ": the control neither left nor entered";
    c->OnEnter = nullptr;
    c->OnExit = nullptr;
  }
  EXPECT_EQ(edit->GetText(), "价格");
}

TEST_F(ControlFocus, MakingTheFormAgainGivesTheFocusBackToItsFocusedControl) {
  auto* edit = Add<TEdit>(Form, 10, 10);
  ShowForm();
  Focus(edit);
  Form->SetBorderStyle(bsDialog);
  Application->ProcessMessages();
  ASSERT_TRUE(Form->Showing());
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(Form->GetActiveControl(), edit);
}

TEST_F(ControlFocus, AWindowMadeAgainWithoutTheFocusLeavesItWhereItIs) {
  auto* list = Add<TListBox>(Form, 10, 50);
  auto* edit = Add<TEdit>(Form, 10, 10);
  ShowForm();
  Focus(Other);
  list->RecreateWnd();
  Application->ProcessMessages();
  EXPECT_TRUE(Other->Focused());
  // A control that had the focus once and is gone later leaves nothing behind to take it back.
  Focus(edit);
  edit->RecreateWnd();
  Focus(Other);
  edit->Free();
  list->RecreateWnd();
  Application->ProcessMessages();
  EXPECT_TRUE(Other->Focused());
}

TEST_F(ControlFocus, ButtonsDeepInPanelsShowWhetherEnterWouldClickThem) {
  auto* outer = Add<TTestPanel>(Form, 10, 10);
  outer->SetBounds(10, 10, 380, 200);
  auto* inner = Add<TTestPanel>(outer, 10, 10);
  inner->SetBounds(10, 10, 360, 100);
  auto* ok = Add<TButton>(inner, 10, 10);
  ok->SetDefault(true);
  auto* other = Add<TButton>(inner, 100, 10);
  auto* listener = Add<TTestPanel>(inner, 200, 10);
  std::vector<TWinControl*> heard;
  TWndMethod passOn = listener->WindowProc;
  listener->WindowProc = [&](TMessage& m) {
    if (m.Msg == CM_FOCUSCHANGED) heard.push_back(reinterpret_cast<TWinControl*>(m.LParam));
    passOn(m);
  };
  ShowForm();
  heard.clear();
  Focus(Other);
  EXPECT_TRUE(ShowsDefault(ok));
  Focus(other);
  EXPECT_TRUE(ShowsDefault(other)) << "the focused button is the one Enter clicks";
  EXPECT_FALSE(ShowsDefault(ok));
  Focus(Other);
  EXPECT_TRUE(ShowsDefault(ok)) << "the default button takes over again";
  EXPECT_FALSE(ShowsDefault(other));
  listener->WindowProc = passOn;
  const std::vector<TWinControl*> expected = {other, Other};
  EXPECT_EQ(heard, expected) << "a control two panels down hears of every focus change";
}

TEST_F(ControlFocus, FormsAreActivatedAndDeactivatedAsTheFocusMovesBetweenThem) {
  auto* second = TCustomForm::CreateNew<TForm>(nullptr);
  second->SetBounds(600, 100, 200, 150);
  auto* edit = Add<TEdit>(Form, 10, 10);
  std::vector<String> heard;
  Form->OnActivate = [&](TObject*) { heard.push_back("activate first"); };
  Form->OnDeactivate = [&](TObject*) { heard.push_back("deactivate first"); };
  second->OnActivate = [&](TObject*) { heard.push_back("activate second"); };
  second->OnDeactivate = [&](TObject*) { heard.push_back("deactivate second"); };
  ShowForm();
  Focus(edit);
  EXPECT_EQ(Screen->FocusedForm(), Form);
  second->Show();
  Application->ProcessMessages();
  Focus(Other);
  const std::vector<String> expected = {"activate first", "deactivate first", "activate second", "deactivate second",
                                        "activate first"};
  EXPECT_EQ(heard, expected);
  // The messages that carry it can be held back: the focus moves, the form hears nothing.
  heard.clear();
  TWndMethod passOn = second->WindowProc;
  second->WindowProc = [&](TMessage& m) {
    if (m.Msg != CM_ACTIVATE) passOn(m);
  };
  second->SetFocus();
  Application->ProcessMessages();
  second->WindowProc = passOn;
  EXPECT_EQ(heard, std::vector<String>{"deactivate first"});
  EXPECT_EQ(Screen->ActiveForm(), second);
  second->Free();
  Application->ProcessMessages();
  EXPECT_EQ(Screen->FocusedForm(), Form) << "the focus is back on the first form";
}

// A panel whose inner edit takes its place in the tab order while the edit is active.
class TCompoundPanel : public TTestPanel {
  DECLARE_CLASS(TCompoundPanel, TTestPanel)
 public:
  TEdit* Inner = nullptr;
  void GetTabOrderList(std::vector<TWinControl*>& List) override {
    if (GetParentForm(this)->GetActiveControl() != Inner) return TTestPanel::GetTabOrderList(List);
    std::erase(List, static_cast<TWinControl*>(this));
    List.push_back(Inner);
  }
};
IMPLEMENT_CLASS(TCompoundPanel)

TEST_F(ControlFocus, ACompoundControlCanStandForItsInnerControlInTheTabOrder) {
  auto* first = Add<TEdit>(Form, 10, 10);
  auto* panel = Add<TCompoundPanel>(Form, 10, 50);
  panel->Inner = Add<TEdit>(panel, 0, 0);
  panel->Inner->SetTabStop(false);
  ShowForm();
  Focus(panel->Inner);
  Form->SelectNext(Form->GetActiveControl(), true, true);
  Application->ProcessMessages();
  EXPECT_EQ(Form->GetActiveControl(), Other) << "the next stop after the panel, not the panel itself";
  Focus(panel->Inner);
  Form->SelectNext(Form->GetActiveControl(), false, true);
  Application->ProcessMessages();
  EXPECT_EQ(Form->GetActiveControl(), first);
}

}  // namespace
