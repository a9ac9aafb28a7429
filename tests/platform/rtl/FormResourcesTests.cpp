#include <gtest/gtest.h>

#include <cstring>

#include "Exceptions.h"
#include "Filer.h"
#include "FormResources.h"
#include "ObjectText.h"
#include "Resources.h"
#include "StreamingFixtures.h"
#include "Streams.h"
#include "Variants.h"

using namespace StreamingFixtures;

namespace {

const char* const DerivedFormText = R"(inherited DerivedForm: TTestDerivedForm
  Caption = 'Derived'
  inherited Panel1: TTestPanel
    inherited Button1: TTestControl
      Caption = 'Cancel'
    end
    object Extra: TTestControl
      Caption = 'New'
    end
  end
end
)";

// The program's form resources for these tests, as the build would embed them.
void RegisterTestForms() {
  static const TResourceEntry entries[] = {
      {"RCDATA", "TTESTFORM", reinterpret_cast<const unsigned char*>(MainFormText), std::strlen(MainFormText)},
      {"RCDATA", "TTESTDERIVEDFORM", reinterpret_cast<const unsigned char*>(DerivedFormText),
       std::strlen(DerivedFormText)},
  };
  static const TResourceTable table{entries, 2};
  RegisterResourceTable(table);
  RegisterFixtureClasses();
}

// A form is made empty, then filled from the resources of its class and ancestors.
template <class T>
T* MakeForm() {
  T* form = CreateComponent<T>(nullptr);
  InitInheritedComponent(form, TTestPanel::StaticClass());
  return form;
}

TTestControl* Control(TComponent* root, const char* path) {
  return dynamic_cast<TTestControl*>(FindNestedComponent(root, path));
}

class FormResourcesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTestForms();
    Journal().clear();
  }
};

TEST_F(FormResourcesTest, AFormResourceBuildsTheTreeWithItsValues) {
  TTestForm* form = MakeForm<TTestForm>();
  auto* panel = dynamic_cast<TTestPanel*>(Control(form, "Panel1"));
  TTestControl* button = Control(form, "Button1");
  TTestControl* label = Control(form, "Label2");
  auto* timer = dynamic_cast<TTestTimer*>(form->FindComponent("Timer1"));
  ASSERT_TRUE(panel && button && label && timer);

  // The tree: every component owned by the form; controls under their parents.
  EXPECT_EQ(form->GetName(), "MainForm");
  EXPECT_EQ(form->ComponentCount(), 4);
  EXPECT_EQ(form->Children(), (std::vector<TTestControl*>{panel, label}));
  EXPECT_EQ(panel->Children(), (std::vector<TTestControl*>{button}));
  EXPECT_EQ(timer->GetParentComponent(), nullptr);

  // Values of every kind.
  EXPECT_EQ(form->GetCaption(), "拍卖计时器");
  EXPECT_EQ(form->GetFont()->GetName(), "宋体");
  EXPECT_EQ(form->GetFont()->GetStyle(), (TTestStyles{styBold, styUnderline}));
  EXPECT_EQ(form->GetFont()->GetColor(), 0x0000FF);
  EXPECT_EQ(panel->GetFont()->GetStyle(), TTestStyles{});
  ASSERT_EQ(form->GetItems()->Count(), 2);
  auto* price = static_cast<TTestItem*>(form->GetItems()->GetItem(0));
  auto* second = static_cast<TTestItem*>(form->GetItems()->GetItem(1));
  EXPECT_EQ(price->GetCaption(), "价格");
  EXPECT_EQ(price->GetWidth(), 80);
  EXPECT_EQ(second->GetWidth(), 64);
  ASSERT_EQ(form->GetLines()->GetCount(), 2);
  EXPECT_EQ(form->GetLines()->GetStrings(0), "第一行");
  EXPECT_EQ(form->GetBig(), 5000000000LL);
  EXPECT_EQ(form->GetAmount().Raw, 123456);
  EXPECT_EQ(form->GetRatio(), 0.25);
  EXPECT_TRUE(VarIsNull(form->GetValue()));
  EXPECT_EQ(form->Secret, 42);
  EXPECT_EQ(form->Blob, String("\x00\xFF\x7F", 3));
  EXPECT_EQ(panel->GetSide(), sideTop);
  EXPECT_EQ(button->GetLeft(), 8);
  EXPECT_EQ(label->GetCaption(), "It's\r\ntwo lines");
  EXPECT_FALSE(label->GetVisible());
  EXPECT_EQ(timer->GetInterval(), 250);
  EXPECT_EQ(timer->GetDesignInfo(), (24 << 16) | 16);

  // The reference to a component written after it, and the handlers bound by name.
  EXPECT_EQ(button->GetBuddy(), label);
  button->Click();
  form->Click();
  timer->GetOnTimer()(timer);
  EXPECT_EQ(Journal().back(), "TimerTick");
  EXPECT_EQ(Journal()[Journal().size() - 3], "FormClick Button1");
  EXPECT_EQ(Journal()[Journal().size() - 2], "FormClick MainForm");

  // Nothing is loading any more; the reference follows its target's death.
  EXPECT_FALSE(button->ComponentState().Contains(csLoading));
  label->Free();
  EXPECT_EQ(button->GetBuddy(), nullptr);
  form->Free();
}

TEST_F(FormResourcesTest, LoadedRunsForEveryComponentAfterTheWholeTree) {
  TTestForm* form = MakeForm<TTestForm>();
  // The root first, then each component in the order its reading finished (a child before its
  // parent); Button1's Loaded sees its reference set and the label it names read in full.
  EXPECT_EQ(Journal(), (std::vector<String>{"Loaded MainForm", "Loaded Button1 buddy=Label2:It's\r\ntwo lines",
                                            "Loaded Panel1", "Loaded Label2", "Loaded Timer1"}));
  form->Free();
}

TEST_F(FormResourcesTest, WritingTheFormBackAndReadingItAgainGivesTheSameTree) {
  TTestForm* form = MakeForm<TTestForm>();
  String text = FormText(form);
  TTestForm* again = CreateComponent<TTestForm>(nullptr);
  TStringStream* binary = New<TStringStream>(ObjectTextToBinaryString(text));
  ReadComponent(binary, again);
  binary->Free();
  EXPECT_EQ(FormText(again), text);
  EXPECT_EQ(Control(again, "Button1")->GetBuddy(), Control(again, "Label2"));
  // Defaults are left out; what differs from them is written.
  EXPECT_EQ(text.find("Width = 64"), String::npos);
  EXPECT_EQ(text.find("Visible = True"), String::npos);
  EXPECT_NE(text.find("    Side = sideTop\n"), String::npos);
  EXPECT_NE(text.find("  Font.Color = clRed\n"), String::npos);
  form->Free();
  again->Free();
}

TEST_F(FormResourcesTest, AnInheritedFormReadsItsAncestorsResourceFirst) {
  TTestDerivedForm* form = MakeForm<TTestDerivedForm>();
  auto* panel = dynamic_cast<TTestPanel*>(Control(form, "Panel1"));
  TTestControl* extra = Control(form, "Extra");
  ASSERT_TRUE(panel && extra);
  EXPECT_EQ(form->GetName(), "DerivedForm");
  EXPECT_EQ(form->GetCaption(), "Derived");
  EXPECT_EQ(Control(form, "Button1")->GetCaption(), "Cancel");
  EXPECT_EQ(Control(form, "Button1")->GetBuddy(), Control(form, "Label2"));
  EXPECT_EQ(panel->Children().back(), extra);
  EXPECT_EQ(form->GetItems()->Count(), 2);
  // Loaded once for each component, after both resources.
  EXPECT_EQ(Journal(), (std::vector<String>{"Loaded DerivedForm", "Loaded Button1 buddy=Label2:It's\r\ntwo lines",
                                            "Loaded Panel1", "Loaded Label2", "Loaded Timer1", "Loaded Extra"}));

  // Written against its ancestor, only the differences remain.
  TTestForm* ancestor = MakeForm<TTestForm>();
  TMemoryStream* binary = New<TMemoryStream>();
  WriteDescendent(binary, form, ancestor);
  binary->SetPosition(0);
  TStringStream* text = New<TStringStream>();
  ObjectBinaryToText(binary, text);
  EXPECT_EQ(text->GetDataString(), R"(inherited DerivedForm: TTestDerivedForm
  Caption = 'Derived'
  inherited Panel1: TTestPanel
    inherited Button1: TTestControl
      Caption = 'Cancel'
    end
    object Extra: TTestControl
      Left = 0
      Caption = 'New'
      Font.Name = 'Tahoma'
    end
  end
end
)");
  binary->Free();
  text->Free();
  ancestor->Free();
  form->Free();
}

TEST_F(FormResourcesTest, MissingResources) {
  TTestForm* form = CreateComponent<TTestForm>(nullptr);
  EXPECT_FALSE(InitComponentRes("TNoSuchForm", form));
  EXPECT_THROW(ReadComponentRes("TNoSuchForm", form), EResNotFound);
  // A class without a resource of its own reads nothing.
  EXPECT_FALSE(InitInheritedComponent(form, TTestForm::StaticClass()));
  form->Free();
  // Without an instance, the resource's class is made.
  TComponent* made = ReadComponentRes("ttestform", nullptr);
  EXPECT_EQ(made->ClassType(), TTestForm::StaticClass());
  made->Free();
}

}  // namespace
