// An action that nobody handles (no list, application or own handler) looks for a target it
// handles: the focused control of the active form first, then the form and its visible controls,
// then the main form's.
#include "ClasslibTestSupport.h"

#include <functional>

#include "ActnList.h"
#include "StdCtrls.h"

using namespace ClasslibTest;

namespace {

// An action that works on controls of class T, and notes what it did to which.
template <class T>
class TTargetAction : public TAction {
 public:
  bool HandlesTarget(TObject* Target) override { return dynamic_cast<T*>(Target) != nullptr; }
  void ExecuteTarget(TObject* Target) override { Done.push_back("Execute " + NameOf(Target)); }
  void UpdateTarget(TObject* Target) override { Done.push_back("Update " + NameOf(Target)); }
  static String NameOf(TObject* Target) { return static_cast<TComponent*>(Target)->GetName(); }
  std::vector<String> Done;
};

class TEditAction : public TTargetAction<TCustomEdit> {
  DECLARE_CLASS(TEditAction, TAction)
};
IMPLEMENT_CLASS(TEditAction)

class TLabelAction : public TTargetAction<TTestLabel> {
  DECLARE_CLASS(TLabelAction, TAction)
};
IMPLEMENT_CLASS(TLabelAction)

class ActionRouteTest : public TClasslibFixture {
 protected:
  TTestMainForm* Main = nullptr;
  TForm* Dialog = nullptr;
  TEdit* Edit1 = nullptr;
  TEdit* Edit2 = nullptr;

  void SetUp() override {
    TClasslibFixture::SetUp();
    Main = Application->CreateForm<TTestMainForm>();
    Main->Show();
    Dialog = TCustomForm::CreateNew<TForm>(Application);
    Dialog->SetBounds(200, 200, 300, 200);
    Edit1 = AddEdit("Edit1", 10);
    Edit2 = AddEdit("Edit2", 40);
    Dialog->Show();
    Application->ProcessMessages();
  }
  TEdit* AddEdit(const char* name, int y) {
    auto* e = CreateComponent<TEdit>(Dialog);
    e->SetName(name);
    e->SetParent(Dialog);
    e->SetBounds(10, y, 120, 21);
    return e;
  }
  void Focus(TWinControl* control) {
    control->SetFocus();
    Application->ProcessMessages();
  }
};

TEST_F(ActionRouteTest, AnEditingActionReachesTheFocusedEditOfTheActiveForm) {
  auto* action = CreateComponent<TEditAction>(Dialog);
  auto* list = CreateComponent<TActionList>(Dialog);
  action->SetActionList(list);
  Focus(Edit2);
  ASSERT_EQ(Screen->ActiveForm(), Dialog);
  ASSERT_EQ(Dialog->GetActiveControl(), Edit2);

  EXPECT_TRUE(action->Execute());
  EXPECT_EQ(action->Done, (std::vector<String>{"Update Edit2", "Execute Edit2"}))
      << "the focused edit comes before the first one";

  action->Done.clear();
  Focus(Edit1);
  EXPECT_TRUE(action->Update());
  EXPECT_EQ(action->Done, std::vector<String>{"Update Edit1"});

  // A handler of the action's own, of its list or of the application keeps it from the controls.
  struct TCase {
    const char* Who;
    std::function<void(bool on)> Set;
  };
  const TCase cases[] = {
      {"action", [&](bool on) { action->SetOnExecute(on ? TNotifyEvent([](TObject*) {}) : TNotifyEvent()); }},
      {"list",
       [&](bool on) {
         list->SetOnExecute(on ? TActionEvent([](TBasicAction*, bool& handled) { handled = true; }) : TActionEvent());
       }},
      {"application",
       [&](bool on) {
         Application->OnActionExecute =
             on ? TActionEvent([](TBasicAction*, bool& handled) { handled = true; }) : TActionEvent();
       }},
  };
  for (const TCase& c : cases) {
    action->Done.clear();
    c.Set(true);
    EXPECT_TRUE(action->Execute()) << c.Who;
    EXPECT_EQ(action->Done, std::vector<String>{"Update Edit1"}) << c.Who;
    c.Set(false);
  }
}

TEST_F(ActionRouteTest, WithoutATargetOnTheActiveFormTheMainFormsVisibleControlsAreTried) {
  auto* action = CreateComponent<TLabelAction>(Dialog);
  Focus(Edit1);
  ASSERT_EQ(Screen->ActiveForm(), Dialog);

  EXPECT_TRUE(action->Execute());
  EXPECT_EQ(action->Done, (std::vector<String>{"Update Label1", "Execute Label1"}))
      << "the label inside the main form's panel";

  // A hidden control is no target, and an action with none is not done (and says so).
  action->Done.clear();
  As<TControl>(Main->FindComponent("Label1"))->SetVisible(false);
  EXPECT_FALSE(action->Execute());
  EXPECT_TRUE(action->Done.empty());

  // A hidden form offers none of its controls.
  auto* editAction = CreateComponent<TEditAction>(Main);
  EXPECT_TRUE(Dialog->OfferAction(editAction, false));
  Dialog->Hide();
  Application->ProcessMessages();
  EXPECT_FALSE(Dialog->OfferAction(editAction, false));
  EXPECT_EQ(editAction->Done, std::vector<String>{"Update Edit1"});
}

}  // namespace
