// A control's click: its own OnClick handler runs by itself; when OnClick is the action's handler
// (or there is none) the action runs through the link, so the action updates first, a disabled one
// does not run, the action list sees it and the action knows the control that ran it.
#include "ClasslibTestSupport.h"

#include "ActnList.h"

using namespace ClasslibTest;

namespace {

class ControlClick : public TClasslibFixture {
 protected:
  TForm* Form = nullptr;
  TActionList* List = nullptr;
  TAction* Action = nullptr;
  TTestPanel* Button = nullptr;

  void SetUp() override {
    TClasslibFixture::SetUp();
    Form = TCustomForm::CreateNew<TForm>(nullptr);
    List = CreateComponent<TActionList>(Form);
    Action = CreateComponent<TAction>(Form);
    Action->SetActionList(List);
    List->SetOnExecute([](TBasicAction*, bool&) { Journal().push_back("list"); });
    Action->SetOnUpdate([](TObject*) { Journal().push_back("update"); });
    Action->SetOnExecute([this](TObject*) {
      Journal().push_back(Action->ActionComponent == Button ? "execute from button" : "execute");
    });
    Button = CreateComponent<TTestPanel>(Form);
    static_cast<TComponent*>(Button)->SetName("Button1");
    Button->SetParent(Form);
  }
  void TearDown() override {
    FreeAndNil(Form);
    TClasslibFixture::TearDown();
  }
};

TEST_F(ControlClick, OnClickRunsUnlessItIsTheActionsHandlerWhichRunsThroughTheAction) {
  const TNotifyEvent own = [](TObject*) { Journal().push_back("own"); };
  struct TCase {
    const char* Name;
    bool Linked;
    bool OwnHandler;
    bool Enabled;
    std::vector<String> Expected;
  };
  const TCase cases[] = {
      {"linked", true, false, true, {"Click Button1", "update", "list", "execute from button"}},
      {"linked, action disabled", true, false, false, {"Click Button1", "update"}},
      {"own handler beside the action", true, true, true, {"Click Button1", "own"}},
      {"no action", false, true, true, {"Click Button1", "own"}},
      {"no action, no handler", false, false, true, {"Click Button1"}},
  };
  for (const TCase& c : cases) {
    Button->SetAction(nullptr);
    Button->OnClick = nullptr;
    Action->SetEnabled(c.Enabled);
    if (c.Linked) Button->SetAction(Action);
    if (c.OwnHandler) Button->OnClick = own;
    Journal().clear();
    Button->Click();
    EXPECT_EQ(Journal(), c.Expected) << c.Name;
    EXPECT_EQ(Action->ActionComponent, nullptr) << c.Name;
  }
}

}  // namespace
