// Shortcuts of popup menus on the keyboard: a key pressed in a control is offered to the popup menu
// of the control and then to those of its parents before the control sees it; the nearest menu
// with an enabled item for the key wins, and a key no menu uses reaches the control.
#include "ClasslibTestSupport.h"

#include "HeadlessBackend.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "WinUser.h"

using namespace ClasslibTest;

namespace {

class PopupShortCut : public TClasslibFixture {
 protected:
  TForm* Form = nullptr;
  TTestPanel* Panel = nullptr;
  TEdit* Edit = nullptr;

  void SetUp() override {
    TClasslibFixture::SetUp();
    Form = TCustomForm::CreateNew<TForm>(nullptr);
    Form->SetBounds(100, 100, 400, 300);
    Panel = CreateComponent<TTestPanel>(Form);
    Panel->SetParent(Form);
    Panel->SetBounds(10, 10, 300, 200);
    Edit = New<TEdit>(Form);
    Edit->SetParent(Panel);
    Edit->SetBounds(10, 10, 150, 24);
    Edit->OnKeyDown = [](TObject*, Word& key, TShiftState) {
      if (key >= 'A' && key <= 'Z') Journal().push_back("KeyDown " + String(1, static_cast<char>(key)));
    };
    Panel->SetPopupMenu(MakeMenu("panel", {'D', 'F'}));
    TPopupMenu* own = MakeMenu("edit", {'E', 'F', 'H'});
    own->GetItems()->GetItem(2)->SetEnabled(false);
    Edit->SetPopupMenu(own);
    Form->Show();
    Application->ProcessMessages();
    Edit->SetFocus();
    Application->ProcessMessages();
    Journal().clear();
  }
  void TearDown() override {
    FreeAndNil(Form);
    TClasslibFixture::TearDown();
  }
  // A popup menu with one item per key, each with Ctrl and the key as its shortcut.
  TPopupMenu* MakeMenu(const String& name, std::initializer_list<char> keys) {
    auto* menu = New<TPopupMenu>(Form);
    for (char k : keys) {
      auto* item = New<TMenuItem>(Form);
      item->SetCaption(name + " " + k);
      item->SetShortCut(ShortCut(static_cast<Word>(k), {ssCtrl}));
      item->OnClick = [](TObject* s) { Journal().push_back("Click " + As<TMenuItem>(s)->GetCaption()); };
      menu->GetItems()->Add(item);
    }
    return menu;
  }
};

TEST_F(PopupShortCut, TheNearestMenuWithAnEnabledItemTakesTheKeyBeforeTheControl) {
  struct TCase {
    char Key;
    const char* Expected;
  };
  const TCase cases[] = {
      {'E', "Click edit E"},   // the control's own menu
      {'D', "Click panel D"},  // the parent's menu, which the control's does not have
      {'F', "Click edit F"},   // both have it: the control's own is nearer
      {'H', "KeyDown H"},      // the control's item is disabled: the key goes on
      {'G', "KeyDown G"},      // no menu has it
  };
  for (const TCase& c : cases) {
    Journal().clear();
    InjectKey(VK_CONTROL, true);
    InjectKeyPress(c.Key);
    InjectKey(VK_CONTROL, false);
    Application->ProcessMessages();
    EXPECT_EQ(Journal(), std::vector<String>{c.Expected}) << c.Key;
  }
}

}  // namespace
