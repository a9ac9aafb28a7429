// A control offered an action runs or updates it on itself only when the action handles it as a
// target, as a data-aware control's or an editing action's target does.
#include "ClasslibTestSupport.h"

#include "ActnList.h"

using namespace ClasslibTest;

namespace {

// Acts on panels only.
class TPanelAction : public TBasicAction {
  DECLARE_CLASS(TPanelAction, TBasicAction)
 public:
  bool HandlesTarget(TObject* Target) override { return dynamic_cast<TTestPanel*>(Target) != nullptr; }
  void ExecuteTarget(TObject* Target) override { Done.push_back("Execute " + NameOf(Target)); }
  void UpdateTarget(TObject* Target) override { Done.push_back("Update " + NameOf(Target)); }
  static String NameOf(TObject* Target) { return static_cast<TComponent*>(Target)->GetName(); }
  std::vector<String> Done;
};
IMPLEMENT_CLASS(TPanelAction)

class ControlActionTarget : public TClasslibFixture {};

TEST_F(ControlActionTarget, OnlyATargetTheActionHandlesRunsIt) {
  auto* owner = CreateComponent<TComponent>(nullptr);
  auto* panel = CreateComponent<TTestPanel>(owner);
  panel->SetName("Panel1");
  auto* label = CreateComponent<TTestLabel>(owner);
  label->SetName("Label1");
  auto* action = CreateComponent<TPanelAction>(owner);

  EXPECT_TRUE(panel->ExecuteAction(action));
  EXPECT_TRUE(panel->UpdateAction(action));
  EXPECT_FALSE(label->ExecuteAction(action));
  EXPECT_FALSE(label->UpdateAction(action));
  EXPECT_FALSE(panel->ExecuteAction(nullptr));
  EXPECT_EQ(action->Done, (std::vector<String>{"Execute Panel1", "Update Panel1"}));
  owner->Free();
}

}  // namespace
