// Forms read from their form resource: the tree, its values and events, the order of Loaded and
// OnCreate, and writing the tree back.
#include "ClasslibTestSupport.h"

#include <algorithm>

#include "Exceptions.h"
#include "Filer.h"
#include "Streams.h"

using namespace ClasslibTest;

namespace {

class TNoResourceForm : public TForm {
  DECLARE_CLASS(TNoResourceForm, TForm)
};
IMPLEMENT_CLASS(TNoResourceForm)

class FormResource : public TClasslibFixture {};

TEST_F(FormResource, BuildsTheTreeWithValuesReferencesAndEvents) {
  auto* form = Application->CreateForm<TTestMainForm>();
  EXPECT_EQ(Application->MainForm(), form);
  EXPECT_EQ(form->GetCaption(), "拍卖计时器");
  EXPECT_EQ(form->GetClientWidth(), 300);
  EXPECT_EQ(form->GetClientHeight(), 200);
  EXPECT_EQ(form->GetFont()->GetCharset(), 134);
  EXPECT_EQ(form->GetFont()->GetName(), "宋体");
  EXPECT_EQ(form->Secret, 42);

  auto* panel = As<TTestPanel>(form->FindComponent("Panel1"));
  auto* button = As<TTestButton>(form->FindComponent("Button1"));
  auto* label = As<TTestLabel>(form->FindComponent("Label1"));
  auto* entry = As<TTestButton>(form->FindComponent("Entry1"));
  ASSERT_TRUE(panel && button && label && entry);
  EXPECT_EQ(panel->GetParent(), form);
  EXPECT_EQ(button->GetParent(), panel);
  EXPECT_EQ(label->GetParent(), panel);
  EXPECT_EQ(entry->GetParent(), form);
  EXPECT_EQ(form->GetActiveControl(), entry) << "a component reference fixed up after reading";
  EXPECT_EQ(panel->GetAlign(), alTop);
  EXPECT_EQ(panel->GetWidth(), form->GetClientWidth()) << "aligned once the form is read";
  EXPECT_EQ(label->GetColor(), clNavy) << "a ParentColor child takes its parent's colour";
  ASSERT_EQ(panel->GetColumns()->Count(), 2);
  EXPECT_EQ(As<TTestColumn>(panel->GetColumns()->GetItem(0))->GetCaption(), "价格");
  EXPECT_EQ(As<TTestColumn>(panel->GetColumns()->GetItem(1))->GetWidth(), 64);
  EXPECT_EQ(button->GetFont()->GetCharset(), 134) << "ParentFont children follow the form's font";

  button->Click();
  label->Click();
  // Loaded for every control once the whole tree is read (in the reader's order), then OnCreate.
  ASSERT_GE(Journal().size(), 4u);
  std::sort(Journal().begin(), Journal().begin() + 4);
  std::vector<String> expected = {"Loaded Button1 parent=Panel1", "Loaded Entry1 parent=TestMainForm",
                                  "Loaded Entry2 parent=TestMainForm", "Loaded Panel1 parent=TestMainForm",
                                  "FormCreate Secret=42",
                                  "Click Button1", "ButtonClick Button1", "Click Label1", "ButtonClick Label1"};
  EXPECT_EQ(Journal(), expected);
}

TEST_F(FormResource, WritesBackWhatItRead) {
  auto* form = Application->CreateForm<TTestMainForm>();
  String first = FormText(form);
  EXPECT_NE(first.find("Secret = 42"), String::npos);
  EXPECT_NE(first.find("OnClick = ButtonClick"), String::npos);

  TOwnedPtr<TMemoryStream> binary = NewOwned<TMemoryStream>();
  WriteComponent(binary.get(), form);
  binary->SetPosition(0);
  form->Free();  // read while it lives, the copy would be named apart from it
  auto* copy = TCustomForm::CreateNew<TTestMainForm>(nullptr);
  ReadComponent(binary.get(), copy);
  EXPECT_EQ(FormText(copy), first);
  copy->Free();
}

TEST_F(FormResource, AFormClassWithoutItsResourceIsRefusedButCanBeMadeEmpty) {
  EXPECT_THROW(CreateComponent<TNoResourceForm>(nullptr), EResNotFound);
  auto* empty = TCustomForm::CreateNew<TNoResourceForm>(nullptr);
  EXPECT_EQ(empty->ControlCount(), 0);
  empty->Free();
}

// A form class that builds its content in code says it has no resource and is made with New.
class TCodeBuiltForm : public TForm {
  DECLARE_CLASS(TCodeBuiltForm, TForm)
 public:
  explicit TCodeBuiltForm(TComponent* AOwner = nullptr) : TForm(AOwner) {}

 protected:
  bool HasFormResource() const override { return false; }
};
IMPLEMENT_CLASS(TCodeBuiltForm)

TEST_F(FormResource, AFormWithoutAResourceOfItsKindIsMadeWithoutReadingOne) {
  auto* form = New<TCodeBuiltForm>(nullptr);
  EXPECT_EQ(form->ControlCount(), 0);
  form->Free();
}

class TCountingDesigner : public IDesignerNotify {
 public:
  int Count = 0;
  void Modified() override { ++Count; }
};

TEST_F(FormResource, TheRootDesignerIsTheTopmostFormsOfTheOwners) {
  auto* outer = TCustomForm::CreateNew<TForm>(nullptr);
  auto* inner = TCustomForm::CreateNew<TForm>(outer);
  auto* component = New<TComponent>(inner);
  EXPECT_EQ(FindRootDesigner(component), nullptr);
  TCountingDesigner designer;
  outer->SetDesigner(&designer);
  EXPECT_EQ(FindRootDesigner(component), &designer);
  EXPECT_EQ(FindRootDesigner(nullptr), nullptr);
  outer->Free();
}

}  // namespace
