// Forms found by name across the program: a second instance of a form class read from the same
// resource gets a name of its own, and a reference from one form's resource into another form
// resolves whichever of the two is read first.
#include "ClasslibTestSupport.h"

#include "ExtCtrls.h"
#include "Menus.h"
#include "WinUser.h"

using namespace ClasslibTest;

namespace {

class TMenuHostForm : public TForm {
  DECLARE_CLASS(TMenuHostForm, TForm)
};
IMPLEMENT_CLASS(TMenuHostForm)

class TMenuUserForm : public TForm {
  DECLARE_CLASS(TMenuUserForm, TForm)
};
IMPLEMENT_CLASS(TMenuUserForm)

const char* const MenuHostText = R"(object MenuHostForm: TMenuHostForm
  Caption = 'Host'
  ClientHeight = 100
  ClientWidth = 200
  object SharedMenu: TPopupMenu
  end
end
)";

const char* const MenuUserText = R"(object MenuUserForm: TMenuUserForm
  Caption = 'User'
  ClientHeight = 100
  ClientWidth = 200
  object Panel1: TPanel
    Width = 100
    Height = 50
    PopupMenu = MenuHostForm.SharedMenu
  end
end
)";

class FormGlobalName : public TClasslibFixture {
 protected:
  void SetUp() override {
    TClasslibFixture::SetUp();
    RegisterClasses({TPanel::StaticClass(), TPopupMenu::StaticClass()});
    RegisterFormText(TMenuHostForm::StaticClass(), MenuHostText);
    RegisterFormText(TMenuUserForm::StaticClass(), MenuUserText);
  }
};

TEST_F(FormGlobalName, ASecondAndThirdInstanceOfAFormClassAreNamedApart) {
  auto* first = Application->CreateForm<TTestMainForm>();
  auto* second = Application->CreateForm<TTestMainForm>();
  auto* third = CreateComponent<TTestMainForm>(Application.Get());
  EXPECT_EQ(first->GetName(), "TestMainForm");
  EXPECT_EQ(second->GetName(), "TestMainForm_1");
  EXPECT_EQ(third->GetName(), "TestMainForm_2");
  // Each instance holds its own tree, with its references inside itself.
  EXPECT_EQ(second->GetActiveControl(), second->FindComponent("Entry1"));
  EXPECT_NE(second->FindComponent("Entry1"), first->FindComponent("Entry1"));
  for (TCustomForm* form : {static_cast<TCustomForm*>(first), static_cast<TCustomForm*>(second)}) form->Show();
  EXPECT_TRUE(IsWindowVisible(first->GetHandle()));
  EXPECT_TRUE(IsWindowVisible(second->GetHandle()));

  // Once the first one is gone its name is free again.
  first->Free();
  second->Free();
  auto* again = CreateComponent<TTestMainForm>(Application.Get());
  EXPECT_EQ(again->GetName(), "TestMainForm");
  EXPECT_EQ(Screen->FormCount(), 2);
}

TEST_F(FormGlobalName, AReferenceIntoAnotherFormResolvesInEitherLoadOrder) {
  {
    SCOPED_TRACE("the other form read first");
    auto* host = CreateComponent<TMenuHostForm>(Application.Get());
    auto* user = CreateComponent<TMenuUserForm>(Application.Get());
    EXPECT_EQ(As<TPanel>(user->FindComponent("Panel1"))->GetPopupMenu(), host->FindComponent("SharedMenu"));
    user->Free();
    host->Free();
  }
  {
    SCOPED_TRACE("the other form read later");
    auto* user = CreateComponent<TMenuUserForm>(Application.Get());
    auto* panel = As<TPanel>(user->FindComponent("Panel1"));
    EXPECT_EQ(panel->GetPopupMenu(), nullptr) << "waits for the other form";
    auto* host = CreateComponent<TMenuHostForm>(Application.Get());
    EXPECT_EQ(panel->GetPopupMenu(), host->FindComponent("SharedMenu"));
    // The menu going away takes the reference with it.
    host->Free();
    EXPECT_EQ(panel->GetPopupMenu(), nullptr);
  }
}

}  // namespace
