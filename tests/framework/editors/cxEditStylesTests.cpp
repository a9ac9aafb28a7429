// The editor style's own values along the controller chain, the default edit style controller and
// the component that shows it.
#include "cxEditTestSupport.h"

namespace {

using namespace cxEditTest;

class cxEditStyleTest : public TEditFixture {};

TEST_F(cxEditStyleTest, UnassignedValuesReadTheDefaultsInEveryState) {
  TEditTestEdit* edit = AddEdit();
  for (TcxContainerStateItem state : {csNormal, csActive, csDisabled, csHotTrack}) {
    auto* style = static_cast<TcxCustomEditStyle*>(edit->GetInternalStyle(state));
    EXPECT_EQ(btsDefault, style->GetButtonStyle());
    EXPECT_EQ(ebtNone, style->GetButtonTransparency());
    EXPECT_EQ(epbsDefault, style->GetPopupBorderStyle());
    EXPECT_FALSE(style->GetGradient());
    EXPECT_FALSE(style->GetGradientButtons());
    EXPECT_EQ(dirDown, style->GetGradientDirection());
    EXPECT_TRUE(style->GetPopupCloseButton());
  }
  EXPECT_EQ(16, edit->GetStyle()->GetStyleValueCount());
  String name;
  EXPECT_TRUE(edit->GetStyle()->GetStyleValueName(svGradientDirection, name));
  EXPECT_EQ("GradientDirection", name);
  EXPECT_FALSE(edit->GetStyle()->GetStyleValueName(16, name));
}

TEST_F(cxEditStyleTest, StateStylesShareTheBaseOnlyValuesAndKeepTheirButtonStyle) {
  TEditTestEdit* edit = AddEdit();
  edit->GetStyleHot()->SetGradient(true);
  edit->GetStyleHot()->SetButtonStyle(btsFlat);
  EXPECT_TRUE(edit->GetStyle()->GetGradient());
  EXPECT_TRUE(edit->GetStyleFocused()->GetGradient());
  EXPECT_EQ(btsFlat, edit->GetStyleHot()->GetButtonStyle());
  EXPECT_EQ(btsDefault, edit->GetStyle()->GetButtonStyle());
  // A state style without its own button style follows the base style's.
  edit->GetStyle()->SetButtonStyle(bts3D);
  EXPECT_EQ(bts3D, edit->GetStyleFocused()->GetButtonStyle());
  EXPECT_EQ(btsFlat, edit->GetStyleHot()->GetButtonStyle());
}

TEST_F(cxEditStyleTest, TheDefaultControllerIsFollowedByStandAloneEditorsOnly) {
  TEditTestEdit* standAlone = AddEdit();
  auto* inplace = static_cast<TEditTestEdit*>(TcxCustomEdit::Create(TEditTestEdit::StaticClass(), Form, true));
  TcxEditStyleController* controller = DefaultEditStyleController();
  ASSERT_NE(nullptr, controller);
  EXPECT_EQ(controller, cxContainerDefaultStyleController);
  controller->GetStyle()->SetButtonStyle(btsFlat);
  EXPECT_EQ(btsFlat, standAlone->GetStyle()->GetButtonStyle());
  EXPECT_TRUE(standAlone->GetStyle()->IsValueAssigned(svButtonStyle));
  EXPECT_EQ(btsDefault, inplace->GetStyle()->GetButtonStyle());
  // An editor's own value comes before the controller's.
  standAlone->GetStyle()->SetButtonStyle(btsOffice11);
  EXPECT_EQ(btsOffice11, standAlone->GetStyle()->GetButtonStyle());
  controller->RestoreStyles();
}

TEST_F(cxEditStyleTest, TheDefaultControllersStylesAreRestoredWhenTheLastComponentGoes) {
  auto* first = CreateComponent<TcxDefaultEditStyleController>(Form);
  auto* second = CreateComponent<TcxDefaultEditStyleController>(Form);
  first->GetStyle()->SetGradient(true);
  EXPECT_TRUE(DefaultEditStyleController()->GetStyle()->GetGradient());
  second->Free();
  EXPECT_TRUE(DefaultEditStyleController()->GetStyle()->GetGradient());
  first->Free();
  EXPECT_FALSE(DefaultEditStyleController()->GetStyle()->IsValueAssigned(svGradient));
  EXPECT_EQ(0, TcxDefaultEditStyleController::InstanceCount());
}

TEST_F(cxEditStyleTest, AssignmentCopiesTheOwnValuesWithTheContainerValues) {
  TEditTestEdit* source = AddEdit();
  TEditTestEdit* target = AddEdit(10, 40);
  source->GetStyle()->SetButtonTransparency(ebtAlways);
  source->GetStyle()->SetPopupCloseButton(false);
  source->GetStyle()->SetBorderStyle(ebsOffice11);
  int changes = 0;
  target->GetStyle()->OnChanged = TNotifyEvent([&](TObject*) { ++changes; });
  target->GetStyle()->Assign(source->GetStyle());
  EXPECT_EQ(ebtAlways, target->GetStyle()->GetButtonTransparency());
  EXPECT_FALSE(target->GetStyle()->GetPopupCloseButton());
  EXPECT_EQ(ebsOffice11, target->GetStyle()->GetBorderStyle());
  EXPECT_EQ(1, changes);
}

}  // namespace
