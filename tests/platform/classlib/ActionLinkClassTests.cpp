// Each kind of control gets the action link that knows what it shows: a windowed control's help
// context and a button's checked state follow the action like its caption does, a check box takes
// the action's state without clicking (which would run the action), and a control may name a link
// class of its own.
#include "ClasslibTestSupport.h"

#include "ActnList.h"
#include "StdCtrls.h"

using namespace ClasslibTest;

namespace {

// A link that journals the captions it is told of.
class TJournalLink : public TWinControlActionLink {
  DECLARE_CLASS(TJournalLink, TWinControlActionLink)
 public:
  explicit TJournalLink(TObject* AClient = nullptr) : TWinControlActionLink(AClient) {}
  void SetCaption(const String& Value) override {
    Journal().push_back("Link caption " + Value);
    inherited::SetCaption(Value);
  }
  using TBasicActionLink::Change;
};
IMPLEMENT_CLASS(TJournalLink)

class TJournalPanel : public TTestPanel {
  DECLARE_CLASS(TJournalPanel, TTestPanel)
 public:
  TClass GetActionLinkClass() const override { return LinkClass; }
  TClass LinkClass = TJournalLink::StaticClass();
};
IMPLEMENT_CLASS(TJournalPanel)

class ActionLinkClassTest : public TClasslibFixture {
 protected:
  TForm* Form = nullptr;
  TAction* Action = nullptr;
  void SetUp() override {
    TClasslibFixture::SetUp();
    Journal().clear();
    Form = TCustomForm::CreateNew<TForm>(Application);
    Form->SetBounds(100, 100, 400, 300);
    Action = CreateComponent<TAction>(Form);
    Action->SetCaption("保存");
    Action->SetHelpContext(40);
  }
  template <class T>
  T* Add(int y) {
    auto* c = CreateComponent<T>(Form);
    c->SetParent(Form);
    c->SetBounds(10, y, 100, 20);
    return c;
  }
};

TEST_F(ActionLinkClassTest, EachKindOfControlGetsItsOwnLinkClass) {
  struct TCase {
    TControl* Control;
    TClass Expected;
  };
  const TCase cases[] = {
      {Add<TTestLabel>(10), TControlActionLink::StaticClass()},
      {Add<TTestPanel>(40), TWinControlActionLink::StaticClass()},
      {Add<TButton>(70), TButtonActionLink::StaticClass()},
      {Add<TCheckBox>(100), TButtonActionLink::StaticClass()},
      {Add<TRadioButton>(130), TButtonActionLink::StaticClass()},
      {Add<TJournalPanel>(160), TJournalLink::StaticClass()},
  };
  for (const TCase& c : cases) {
    c.Control->SetAction(Action);
    ASSERT_NE(c.Control->GetActionLink(), nullptr) << c.Control->ClassName();
    EXPECT_EQ(c.Control->GetActionLink()->ClassType(), c.Expected) << c.Control->ClassName();
    EXPECT_EQ(c.Control->GetCaption(), "保存") << c.Control->ClassName();
  }
  Action->SetCaption("另存");
  EXPECT_EQ(Journal(), std::vector<String>{"Link caption 另存"});
}

TEST_F(ActionLinkClassTest, ALinkClassThatIsNoControlLinkIsRefused) {
  auto* panel = Add<TJournalPanel>(10);
  for (TClass wrong : {TAction::StaticClass(), TBasicActionLink::StaticClass(), TClass(nullptr)}) {
    panel->LinkClass = wrong;
    EXPECT_THROW(panel->SetAction(Action), EInvalidCast);
    EXPECT_EQ(panel->GetActionLink(), nullptr);
    EXPECT_FALSE(panel->ControlStyle.Contains(csActionClient));
  }
  EXPECT_EQ(Action->ClientCount(), 0);
}

TEST_F(ActionLinkClassTest, AWindowedControlsHelpContextFollowsTheActionUntilTheProgramChangesIt) {
  auto* first = Add<TTestPanel>(10);
  auto* second = Add<TTestPanel>(40);
  first->SetAction(Action);
  second->SetAction(Action);
  EXPECT_EQ(first->GetHelpContext(), 40);

  second->SetHelpContext(7);
  Action->SetHelpContext(41);
  EXPECT_EQ(first->GetHelpContext(), 41);
  EXPECT_EQ(second->GetHelpContext(), 7) << "a help context the program set is kept";

  // Read from a resource: a help context of its own is kept, none takes the action's.
  auto* loaded = Add<TTestPanel>(70);
  loaded->SetHelpContext(9);
  loaded->ActionChange(Action, true);
  EXPECT_EQ(loaded->GetHelpContext(), 9);
  loaded->SetHelpContext(0);
  loaded->ActionChange(Action, true);
  EXPECT_EQ(loaded->GetHelpContext(), 41);
}

TEST_F(ActionLinkClassTest, ACheckBoxTakesTheActionsCheckWithoutRunningIt) {
  Form->Show();
  Application->ProcessMessages();
  int runs = 0;
  Action->SetOnExecute([&](TObject*) { ++runs; });
  Action->SetChecked(true);
  auto* box = Add<TCheckBox>(10);
  auto* radio = Add<TRadioButton>(40);
  auto* own = Add<TCheckBox>(70);

  box->SetAction(Action);
  radio->SetAction(Action);
  own->SetAction(Action);
  EXPECT_TRUE(box->GetChecked());
  EXPECT_TRUE(radio->GetChecked());
  own->SetChecked(false);  // the program's own click runs the action once
  EXPECT_EQ(runs, 1);

  Action->SetChecked(false);
  EXPECT_FALSE(box->GetChecked());
  EXPECT_FALSE(radio->GetChecked());
  Action->SetChecked(true);
  EXPECT_TRUE(box->GetChecked());
  EXPECT_EQ(runs, 1) << "following the action's check is no click";
}

TEST_F(ActionLinkClassTest, ALinkReportingAWholeChangeMakesTheControlTakeEverythingAgain) {
  auto* panel = Add<TJournalPanel>(10);
  panel->SetAction(Action);
  panel->SetCaption("Mine");
  panel->SetHelpContext(3);
  static_cast<TJournalLink*>(panel->GetActionLink())->Change();
  EXPECT_EQ(panel->GetCaption(), "保存");
  EXPECT_EQ(panel->GetHelpContext(), 40);

  // A link that lost its action reports nothing the control would take.
  Action->Free();
  Action = nullptr;
  panel->SetCaption("Own");
  static_cast<TJournalLink*>(panel->GetActionLink())->Change();
  EXPECT_EQ(panel->GetCaption(), "Own");
}

}  // namespace
