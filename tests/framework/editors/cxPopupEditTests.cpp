// The popup edit: any control of the form shown in the popup and given back with its parent,
// alignment, bounds and visibility, a form shown without its border, and the circular case refused.
#include "ExtCtrls.h"
#include "HeadlessBackend.h"
#include "WinUser.h"
#include "cxDropDownEdit.h"
#include "cxEditTestSupport.h"

namespace {

using cxEditTest::TEditFixture;

class cxPopupEdit : public TEditFixture {
 protected:
  TcxPopupEdit* Edit = nullptr;
  TPanel* Panel = nullptr;
  void SetUp() override {
    TEditFixture::SetUp();
    Edit = Add<TcxPopupEdit>(10, 10, 150, 21);
    // Without its own message loop the popup returns to the test at once.
    Edit->GetPopupWindow()->SetModalMode(false);
    Edit->GetProperties()->OnPopup = LogEvent("popup");
    Edit->GetProperties()->OnCloseUp = LogEvent("closeup");
    Panel = Add<TPanel>(0, 200, 180, 60);
    Panel->SetAlign(alBottom);
  }
  void Open() {
    ShowForm();
    Edit->SetFocus();
    Application->ProcessMessages();
    Edit->SetDroppedDown(true);
    Application->ProcessMessages();
  }
};

TEST_F(cxPopupEdit, WithoutAPopupControlItNeverDropsDown) {
  Open();
  EXPECT_FALSE(Edit->GetDroppedDown());
  EXPECT_TRUE(Log.empty());
}

TEST_F(cxPopupEdit, TheControlFillsThePopupAndComesBackWhenItCloses) {
  const TRect bounds = Panel->GetBoundsRect();
  Edit->GetProperties()->SetPopupControl(Panel);
  Open();
  ASSERT_TRUE(Edit->GetDroppedDown());
  EXPECT_EQ(Panel->GetParent(), Edit->GetPopupWindow());
  EXPECT_EQ(Panel->GetAlign(), alClient);
  EXPECT_EQ(Panel->GetBoundsRect(), Edit->GetPopupWindow()->GetViewInfo()->ClientRect);

  Edit->CloseUp(crEnter);
  EXPECT_FALSE(Edit->GetDroppedDown());
  EXPECT_EQ(Panel->GetParent(), Form);
  EXPECT_EQ(Panel->GetAlign(), alBottom);
  EXPECT_EQ(Panel->GetBoundsRect(), bounds);
  EXPECT_TRUE(Panel->GetVisible());
  EXPECT_EQ(Log, (std::vector<String>{"popup", "closeup"}));
}

TEST_F(cxPopupEdit, TheControlSurvivesAnEditorDestroyedWhileOpen) {
  const TRect bounds = Panel->GetBoundsRect();
  Edit->GetProperties()->SetPopupControl(Panel);
  Open();
  ASSERT_TRUE(Edit->GetDroppedDown());
  FreeAndNil(Edit);
  EXPECT_EQ(Panel->GetParent(), Form);
  EXPECT_EQ(Panel->GetAlign(), alBottom);
  EXPECT_EQ(Panel->GetBoundsRect(), bounds);
}

TEST_F(cxPopupEdit, AFreedControlIsForgotten) {
  Edit->GetProperties()->SetPopupControl(Panel);
  FreeAndNil(Panel);
  EXPECT_EQ(Edit->GetProperties()->GetPopupControl(), nullptr);
  Open();
  EXPECT_FALSE(Edit->GetDroppedDown());
}

TEST_F(cxPopupEdit, AFormIsShownWithoutItsBorderAndGetsItBack) {
  TForm* inner = TCustomForm::CreateNew<TForm>(Form);
  inner->SetBounds(0, 0, 120, 90);
  inner->SetBorderStyle(bsSizeable);
  Edit->GetProperties()->SetPopupControl(inner);
  Open();
  ASSERT_TRUE(Edit->GetDroppedDown());
  EXPECT_EQ(inner->GetBorderStyle(), bsNone);
  Edit->CloseUp(crCancel);
  EXPECT_EQ(inner->GetBorderStyle(), bsSizeable);
  EXPECT_EQ(inner->GetParent(), nullptr);
}

TEST_F(cxPopupEdit, AnAutoSizedPopupTakesTheControlsSize) {
  Panel->SetAlign(alNone);
  Panel->SetBounds(0, 0, 220, 130);
  Edit->GetProperties()->SetPopupControl(Panel);
  Open();
  ASSERT_TRUE(Edit->GetDroppedDown());
  const TRect client = Edit->GetPopupWindow()->GetViewInfo()->ClientRect;
  EXPECT_EQ(cxRectWidth(client), 220);
  EXPECT_EQ(cxRectHeight(client), 130);
}

TEST_F(cxPopupEdit, AControlThatHoldsTheEditorIsRefused) {
  TPanel* holder = Add<TPanel>(0, 0, 200, 100);
  Edit->SetParent(holder);
  Edit->GetProperties()->SetPopupControl(holder);
  ShowForm();
  Edit->SetFocus();
  Application->ProcessMessages();
  try {
    Edit->DropDown();
    FAIL() << "no error";
  } catch (const EcxEditError& e) {
    EXPECT_EQ(e.Message(), "Circular referencing is not allowed");
  }
  EXPECT_FALSE(Edit->GetDroppedDown());
  // The refused request left nothing behind: a proper control opens.
  Edit->SetParent(Form);
  Edit->GetProperties()->SetPopupControl(Panel);
  Edit->SetDroppedDown(true);
  Application->ProcessMessages();
  EXPECT_TRUE(Edit->GetDroppedDown());
}

TEST_F(cxPopupEdit, TypingOpensThePopupAndPassesTheKeyToTheControl) {
  TEdit* field = Add<TEdit>(5, 100, 100, 21);
  Edit->GetProperties()->SetPopupControl(field);
  ShowForm();
  Edit->SetFocus();
  Application->ProcessMessages();
  InjectText("x");
  Application->ProcessMessages();
  ASSERT_TRUE(Edit->GetDroppedDown());
  EXPECT_EQ(field->GetText(), "x");
  EXPECT_EQ(Edit->GetText(), "");
}

}  // namespace
