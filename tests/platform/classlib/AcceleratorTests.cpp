// Alt accelerators: Alt and a letter reach the control whose caption marks that letter with '&',
// wherever it sits in the form; a label hands the focus to its FocusControl.
#include "ClasslibTestSupport.h"

#include "HeadlessBackend.h"
#include "StdCtrls.h"
#include "WinUser.h"

using namespace ClasslibTest;

namespace {

class Accelerator : public TClasslibFixture {
 protected:
  void SetUp() override {
    TClasslibFixture::SetUp();
    Form = TCustomForm::CreateNew<TForm>(nullptr);
    Form->SetBounds(100, 100, 300, 200);
    auto* panel = CreateComponent<TTestPanel>(Form);
    panel->SetBounds(0, 100, 300, 60);
    panel->SetParent(Form);
    Save = AddButton(Form, "&Save", 10, 10);
    Print = AddButton(panel, "P&rint", 10, 10);
    Plain = AddButton(Form, "A && B", 100, 10);
    Entry = CreateComponent<TEdit>(Form);
    Entry->SetBounds(100, 50, 100, 21);
    Entry->SetParent(Form);
    auto* label = CreateComponent<TLabel>(Form);
    label->SetCaption("&Name:");
    label->SetBounds(10, 50, 60, 16);
    label->SetFocusControl(Entry);
    label->SetParent(Form);
    Form->Show();
    Application->ProcessMessages();
    Save->SetFocus();
    Application->ProcessMessages();
  }
  void TearDown() override {
    FreeAndNil(Form);
    TClasslibFixture::TearDown();
  }
  TButton* AddButton(TWinControl* parent, const char* caption, int x, int y) {
    auto* b = CreateComponent<TButton>(Form);
    b->SetCaption(caption);
    b->SetBounds(x, y, 75, 25);
    b->SetParent(parent);
    b->OnClick = [](TObject* s) { Journal().push_back("Click " + static_cast<TButton*>(s)->GetCaption()); };
    return b;
  }
  static void AltKey(int vk) {
    InjectKey(VK_MENU, true);
    InjectKeyPress(vk);
    InjectKey(VK_MENU, false);
    Application->ProcessMessages();
  }

  TCustomForm* Form = nullptr;
  TButton *Save = nullptr, *Print = nullptr, *Plain = nullptr;
  TEdit* Entry = nullptr;
};

TEST_F(Accelerator, AltAndTheMarkedLetterReachTheControl) {
  struct TCase {
    int key;
    std::vector<String> journal;
  };
  const TCase cases[] = {
      {'S', {"Click &Save"}},
      {'R', {"Click P&rint"}},  // in a nested panel
      {'B', {}},                // "&&" marks nothing
      {'X', {}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(static_cast<char>(c.key));
    Journal().clear();
    AltKey(c.key);
    EXPECT_EQ(Journal(), c.journal);
  }
}

TEST_F(Accelerator, ALabelsAcceleratorFocusesItsControl) {
  EXPECT_FALSE(Entry->Focused());
  AltKey('N');
  EXPECT_TRUE(Entry->Focused());
  EXPECT_TRUE(IsAccel('N', "&Name:"));
  EXPECT_TRUE(IsAccel('n', "&Name:"));
  EXPECT_FALSE(IsAccel('A', "A && B"));
}

}  // namespace
