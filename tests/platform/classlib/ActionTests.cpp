// Actions and the controls that follow them: property changes reach every linked control that
// still shows the action's value, handlers run in the order list, application, action, OnUpdate
// runs at idle for the visible controls of showing forms, and freeing either side leaves nothing
// dangling.
#include "ClasslibTestSupport.h"

#include "ActnList.h"
#include "DateTime.h"
#include "Filer.h"
#include "HeadlessBackend.h"
#include "ImgList.h"
#include "ObjectText.h"
#include "Streams.h"
#include "WinUser.h"

using namespace ClasslibTest;

namespace {

class ActionTest : public TClasslibFixture {
 protected:
  // Under the test clock an idle wait lasts a moment, not until the next message.
  TManualClock Clock{45000.0, 1000};
  TClockOverride Override{Clock};
  TForm* Form = nullptr;
  TActionList* List = nullptr;
  TAction* Action = nullptr;
  TTestPanel* Button = nullptr;

  void SetUp() override {
    TClasslibFixture::SetUp();
    Form = TCustomForm::CreateNew<TForm>(Application);
    Form->SetBounds(100, 100, 300, 200);
    List = CreateComponent<TActionList>(Form);
    Action = CreateComponent<TAction>(Form);
    Action->SetActionList(List);
    Action->SetCaption("删除");
    Action->SetHint("Delete|Deletes the record");
    Button = MakeButton(10, 10);
  }
  TTestPanel* MakeButton(int x, int y) {
    auto* b = CreateComponent<TTestPanel>(Form);
    b->SetBounds(x, y, 80, 30);
    b->SetParent(Form);
    return b;
  }
};

TEST_F(ActionTest, ALinkedControlTakesTheActionsPropertiesAndFollowsTheirChanges) {
  Button->SetAction(Action);
  EXPECT_EQ(Button->GetAction(), Action);
  EXPECT_EQ(Button->GetCaption(), "删除");
  EXPECT_EQ(Button->GetHint(), "Delete|Deletes the record");
  EXPECT_TRUE(Button->ControlStyle.Contains(csActionClient));

  Action->SetEnabled(false);
  EXPECT_FALSE(Button->GetEnabled());
  Action->SetCaption("移除");
  EXPECT_EQ(Button->GetCaption(), "移除");
  Action->SetVisible(false);
  EXPECT_FALSE(Button->GetVisible());
  Action->SetVisible(true);
  Action->SetHint("Remove");
  EXPECT_EQ(Button->GetHint(), "Remove");

  // A control whose caption the program changed keeps its own; the others still follow.
  TTestPanel* other = MakeButton(10, 50);
  other->SetAction(Action);
  Button->SetCaption("Mine");
  Action->SetCaption("Third");
  EXPECT_EQ(Button->GetCaption(), "Mine");
  EXPECT_EQ(other->GetCaption(), "Third");
  EXPECT_EQ(Action->ClientCount(), 2);

  // Without its action the control keeps what it shows.
  Button->SetAction(nullptr);
  EXPECT_EQ(Button->GetAction(), nullptr);
  EXPECT_FALSE(Button->ControlStyle.Contains(csActionClient));
  EXPECT_EQ(Action->ClientCount(), 1);
  Action->SetEnabled(true);
  EXPECT_FALSE(Button->GetEnabled());
  EXPECT_TRUE(other->GetEnabled());
}

TEST_F(ActionTest, AControlFromAResourceKeepsItsOwnValuesWhileTheActionIsLoading) {
  Button->SetCaption("Own");
  Button->SetEnabled(false);
  Button->ActionChange(Action, true);
  EXPECT_EQ(Button->GetCaption(), "Own") << "checking defaults keeps a caption given";
  EXPECT_FALSE(Button->GetEnabled());
  EXPECT_EQ(Button->GetHint(), "Delete|Deletes the record") << "an empty hint takes the action's";
}

TEST_F(ActionTest, ExecuteOffersTheActionToTheListThenTheApplicationThenItsHandler) {
  std::vector<String> order;
  bool listHandles = false, appHandles = false;
  List->SetOnExecute([&](TBasicAction* a, bool& handled) {
    EXPECT_EQ(a, Action);
    order.push_back("list");
    handled = listHandles;
  });
  Application->OnActionExecute = [&](TBasicAction*, bool& handled) {
    order.push_back("application");
    handled = appHandles;
  };
  Action->SetOnUpdate([&](TObject*) { order.push_back("update"); });
  Action->SetOnExecute([&](TObject* sender) {
    EXPECT_EQ(sender, Action);
    order.push_back("execute");
  });
  struct TCase {
    bool List, App, Enabled;
    bool Result;
    std::vector<String> Order;
  };
  const TCase cases[] = {
      {false, false, true, true, {"update", "list", "application", "execute"}},
      {false, true, true, true, {"update", "list", "application"}},
      {true, false, true, true, {"update", "list"}},
      {false, false, false, false, {"update"}},
  };
  for (const TCase& c : cases) {
    order.clear();
    listHandles = c.List;
    appHandles = c.App;
    Action->SetEnabled(c.Enabled);
    EXPECT_EQ(Action->Execute(), c.Result);
    EXPECT_EQ(order, c.Order);
  }
}

TEST_F(ActionTest, ClickingALinkedControlRunsTheActionsHandlerAndALinkKnowsItsComponent) {
  int executed = 0;
  Action->SetOnExecute([&](TObject*) { ++executed; });
  Button->SetAction(Action);
  Form->Show();
  Application->ProcessMessages();
  TPoint p = Button->ClientToScreen(TPoint(5, 5));
  InjectClick(p.x, p.y);
  Application->ProcessMessages();
  EXPECT_EQ(executed, 1);
  // A handler set later reaches the controls still linked to the old one.
  int other = 0;
  Action->SetOnExecute([&](TObject*) { ++other; });
  Button->Click();
  EXPECT_EQ(other, 1);

  TComponent* seen = nullptr;
  Action->SetOnExecute([&](TObject*) { seen = Action->ActionComponent; });
  EXPECT_TRUE(Button->GetActionLink()->Execute(Button));
  EXPECT_EQ(seen, Button);
  EXPECT_EQ(Action->ActionComponent, nullptr);
}

TEST_F(ActionTest, OnUpdateRunsAtIdleForTheVisibleControlsOfShowingForms) {
  int updates = 0;
  bool enable = false;
  Action->SetOnUpdate([&](TObject*) {
    ++updates;
    Action->SetEnabled(enable);
  });
  Button->SetAction(Action);
  Application->HandleMessage();
  EXPECT_EQ(updates, 0) << "the form is not showing";
  Form->Show();
  Application->ProcessMessages();
  Application->HandleMessage();
  EXPECT_GE(updates, 1);
  EXPECT_FALSE(Button->GetEnabled());
  enable = true;
  Application->HandleMessage();
  EXPECT_TRUE(Button->GetEnabled());
  // The list's and the application's update handlers come first and may take it.
  bool listSaw = false;
  List->SetOnUpdate([&](TBasicAction*, bool& handled) {
    listSaw = true;
    handled = true;
  });
  updates = 0;
  Application->HandleMessage();
  EXPECT_TRUE(listSaw);
  EXPECT_EQ(updates, 0);
}

TEST_F(ActionTest, FreeingTheActionOrTheControlLeavesNothingDangling) {
  Button->SetAction(Action);
  TTestPanel* other = MakeButton(10, 50);
  other->SetAction(Action);
  other->Free();
  EXPECT_EQ(Action->ClientCount(), 1);
  EXPECT_EQ(List->ActionCount(), 1);
  Action->Free();
  EXPECT_EQ(Button->GetAction(), nullptr);
  EXPECT_EQ(List->ActionCount(), 0) << "a freed action leaves its list";
  Button->InitiateAction();  // nothing to update
  Button->Click();
}

TEST_F(ActionTest, AnActionListKeepsItsActionsInOrder) {
  auto* second = CreateComponent<TAction>(Form);
  second->SetActionList(List);
  auto* third = CreateComponent<TAction>(Form);
  third->SetActionList(List);
  EXPECT_EQ(List->ActionCount(), 3);
  EXPECT_EQ(third->GetIndex(), 2);
  third->SetIndex(0);
  EXPECT_EQ(List->Actions(0), third);
  EXPECT_EQ(List->Actions(1), Action);
  EXPECT_EQ(Action->GetParentComponent(), List);
  second->SetActionList(nullptr);
  EXPECT_EQ(List->ActionCount(), 2);
  EXPECT_EQ(second->GetIndex(), -1);
  auto* images = CreateComponent<TImageList>(Form);
  List->SetImages(images);
  images->Free();
  EXPECT_EQ(List->GetImages(), nullptr);
  List->Free();
  EXPECT_EQ(Action->GetActionList(), nullptr);
  EXPECT_TRUE(Action->Execute() == false) << "no handler: not handled";
}

TEST_F(ActionTest, AnActionListAndItsActionsComeBackFromAFormResource) {
  RegisterClasses({TActionList::StaticClass(), TAction::StaticClass()});
  const char* const text = R"(object Dialog: TForm
  Left = 0
  Top = 0
  Width = 200
  Height = 100
  object ActionList1: TActionList
    object Action2: TAction
      Caption = '删除'
      Enabled = False
      ShortCut = 16430
      Tag = 7
    end
    object Action1: TAction
      Caption = 'Open'
      Hint = 'Open|Opens a timer'
      ImageIndex = 3
    end
  end
end
)";
  auto* dialog = TCustomForm::CreateNew<TForm>(Application);
  TOwnedPtr<TMemoryStream> binary = NewOwned<TMemoryStream>();
  String data = ObjectTextToBinaryString(text);
  binary->WriteBuffer(data.data(), static_cast<Integer>(data.size()));
  binary->SetPosition(0);
  ReadComponent(binary.get(), dialog);
  auto* list = As<TActionList>(dialog->FindComponent("ActionList1"));
  auto* first = As<TAction>(dialog->FindComponent("Action2"));
  auto* second = As<TAction>(dialog->FindComponent("Action1"));
  ASSERT_TRUE(list && first && second);
  EXPECT_EQ(first->Owner(), dialog) << "the form owns the actions; the list holds them";
  ASSERT_EQ(list->ActionCount(), 2);
  EXPECT_EQ(list->Actions(0), first) << "in the resource's order";
  EXPECT_EQ(list->Actions(1), second);
  EXPECT_EQ(first->GetCaption(), "删除");
  EXPECT_FALSE(first->GetEnabled());
  EXPECT_EQ(first->GetShortCut(), 16430);
  EXPECT_EQ(first->GetTag(), 7);
  EXPECT_EQ(second->GetImageIndex(), 3);
  EXPECT_EQ(second->GetHint(), "Open|Opens a timer");
  // Written back, the actions are children of their list, in its order.
  std::vector<TComponent*> children;
  list->GetChildren([&](TComponent* c) { children.push_back(c); }, dialog);
  EXPECT_EQ(children, (std::vector<TComponent*>{first, second}));
}

}  // namespace
