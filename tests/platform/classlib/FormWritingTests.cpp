// A written form keeps the components it owns that have no parent (timers, popup menus) after its
// controls, and reading it back gives them with their values and the references to them.
#include "ClasslibTestSupport.h"

#include "ExtCtrls.h"
#include "Filer.h"
#include "Menus.h"
#include "Streams.h"

using namespace ClasslibTest;

namespace {

class FormWriting : public TClasslibFixture {
 protected:
  void SetUp() override {
    TClasslibFixture::SetUp();
    RegisterClasses({TPanel::StaticClass(), TTimer::StaticClass(), TPopupMenu::StaticClass()});
  }
};

TEST_F(FormWriting, OwnedComponentsWithoutAParentAreWrittenAfterTheControlsAndReadBack) {
  auto* form = TCustomForm::CreateNew<TForm>(nullptr);
  form->SetName("Written");
  auto* timer = CreateComponent<TTimer>(form);
  timer->SetName("Timer1");
  timer->SetInterval(250);
  timer->SetEnabled(false);
  auto* menu = CreateComponent<TPopupMenu>(form);
  menu->SetName("PopupMenu1");
  auto* item = CreateComponent<TMenuItem>(form);
  item->SetName("Copy1");
  item->SetCaption("复制");
  menu->GetItems()->Add(item);
  auto* panel = CreateComponent<TPanel>(form);
  panel->SetName("Panel1");
  panel->SetParent(form);
  panel->SetPopupMenu(menu);

  String text = FormText(form);
  size_t atPanel = text.find("object Panel1: TPanel"), atTimer = text.find("object Timer1: TTimer"),
         atMenu = text.find("object PopupMenu1: TPopupMenu"), atItem = text.find("object Copy1: TMenuItem");
  ASSERT_NE(atPanel, String::npos) << text;
  ASSERT_NE(atTimer, String::npos) << text;
  ASSERT_NE(atMenu, String::npos) << text;
  ASSERT_NE(atItem, String::npos) << text;
  EXPECT_LT(atPanel, atTimer) << "the controls come first";
  EXPECT_LT(atMenu, atItem) << "the item is written inside its menu, not beside it";
  EXPECT_EQ(text.find("object Copy1", atItem + 1), String::npos) << "the item is written once";

  TOwnedPtr<TMemoryStream> binary = NewOwned<TMemoryStream>();
  WriteComponent(binary.get(), form);
  form->Free();
  binary->SetPosition(0);
  auto* copy = TCustomForm::CreateNew<TForm>(nullptr);
  ReadComponent(binary.get(), copy);
  auto* timerCopy = As<TTimer>(copy->FindComponent("Timer1"));
  auto* menuCopy = As<TPopupMenu>(copy->FindComponent("PopupMenu1"));
  auto* panelCopy = As<TPanel>(copy->FindComponent("Panel1"));
  ASSERT_TRUE(timerCopy && menuCopy && panelCopy);
  EXPECT_EQ(timerCopy->GetInterval(), 250u);
  EXPECT_FALSE(timerCopy->GetEnabled());
  ASSERT_EQ(menuCopy->GetItems()->GetCount(), 1);
  EXPECT_EQ(menuCopy->GetItems()->GetItem(0)->GetCaption(), "复制");
  EXPECT_EQ(panelCopy->GetPopupMenu(), menuCopy) << "the reference is fixed up to the menu read back";
  EXPECT_EQ(FormText(copy), text);
  copy->Free();
}

}  // namespace
