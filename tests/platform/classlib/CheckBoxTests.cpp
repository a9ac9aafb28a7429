// Check boxes and radio buttons on a shown form: the states a click cycles through, the click
// event for the user's and the program's changes, and radio buttons unchecking their siblings.
#include "ClasslibTestSupport.h"

#include "GdiSurface.h"
#include "HeadlessBackend.h"
#include "StdCtrls.h"
#include "WinUser.h"

using namespace ClasslibTest;

namespace {

class CheckBoxTest : public TClasslibFixture {
 protected:
  TForm* Form = nullptr;
  void SetUp() override {
    TClasslibFixture::SetUp();
    Form = TCustomForm::CreateNew<TForm>(Application);
    Form->SetBounds(100, 100, 400, 300);
    Form->Show();
    Application->ProcessMessages();
  }
  template <class T>
  T* Add(TWinControl* parent, int x, int y) {
    auto* c = New<T>(Form);
    c->SetParent(parent);
    c->SetBounds(x, y, 100, 17);
    return c;
  }
  static void ClickOn(TControl* c) {
    TPoint p = c->ClientToScreen(TPoint(6, 8));
    InjectClick(p.x, p.y);
    Application->ProcessMessages();
  }
};

TEST_F(CheckBoxTest, ClicksCycleThroughTheStatesAndTheWindowShowsThem) {
  struct TCase {
    bool AllowGrayed;
    std::vector<TCheckBoxState> Cycle;
  };
  const TCase cases[] = {
      {false, {cbChecked, cbUnchecked, cbChecked}},
      {true, {cbGrayed, cbChecked, cbUnchecked, cbGrayed}},
  };
  for (const TCase& c : cases) {
    auto* box = Add<TCheckBox>(Form, 10, 10);
    box->SetAllowGrayed(c.AllowGrayed);
    for (TCheckBoxState expected : c.Cycle) {
      ClickOn(box);
      EXPECT_EQ(box->GetState(), expected) << "grayed allowed " << c.AllowGrayed;
      EXPECT_EQ(SendMessage(box->GetHandle(), BM_GETCHECK, 0, 0), static_cast<LRESULT>(expected));
    }
    box->Free();
  }
}

TEST_F(CheckBoxTest, SpaceTogglesAndEveryChangeFiresOnClick) {
  auto* box = Add<TCheckBox>(Form, 10, 10);
  int clicks = 0;
  box->OnClick = [&](TObject*) { ++clicks; };
  box->SetFocus();
  InjectKeyPress(VK_SPACE);
  Application->ProcessMessages();
  EXPECT_TRUE(box->GetChecked());
  box->SetChecked(false);
  box->SetChecked(false);  // no change, no click
  EXPECT_EQ(clicks, 2);
  box->SetState(cbChecked);
  box->SetAlignment(taLeftJustify);  // recreates the window
  EXPECT_EQ(SendMessage(box->GetHandle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_NE(GetWindowLong(box->GetHandle(), GWL_STYLE) & BS_LEFTTEXT, 0);
}

TEST_F(CheckBoxTest, LeftAlignmentPutsTheBoxAfterTheCaption) {
  auto* box = Add<TCheckBox>(Form, 10, 10);
  box->SetCaption("提醒");
  // The box's outline colour down the middle of its left edge.
  auto outlineAt = [&](int x) {
    Application->ProcessMessages();
    TGdiSurface picture;
    EXPECT_TRUE(CaptureWindow(box->GetHandle(), picture));
    uint32_t p = picture.Pixel(x, box->GetHeight() / 2);
    return ((p & 0xFF) << 16 | (p & 0xFF00) | ((p >> 16) & 0xFF)) == RGB(28, 81, 128);
  };
  EXPECT_TRUE(outlineAt(0));
  EXPECT_FALSE(outlineAt(box->GetWidth() - 13));
  box->SetAlignment(taLeftJustify);
  EXPECT_FALSE(outlineAt(0));
  EXPECT_TRUE(outlineAt(box->GetWidth() - 13));
}

TEST_F(CheckBoxTest, CheckingARadioButtonUnchecksTheOthersOfItsParentOnly) {
  auto* group = New<TGroupBox>(Form);
  group->SetParent(Form);
  group->SetBounds(200, 10, 150, 100);
  auto* a = Add<TRadioButton>(Form, 10, 10);
  auto* b = Add<TRadioButton>(Form, 10, 40);
  auto* other = Add<TRadioButton>(group, 10, 30);
  other->SetChecked(true);
  a->SetChecked(true);
  ClickOn(b);
  EXPECT_FALSE(a->GetChecked());
  EXPECT_TRUE(b->GetChecked());
  EXPECT_TRUE(other->GetChecked()) << "a radio button in another container is another group";
  EXPECT_EQ(SendMessage(a->GetHandle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_TRUE(b->GetTabStop());
  EXPECT_FALSE(a->GetTabStop()) << "only the checked button of a group is a tab stop";
}

}  // namespace
