// The label: it sizes itself to its caption, gives the focus to its FocusControl on Alt and its
// accelerator, and lets go of a FocusControl that is freed.
#include "ClasslibTestSupport.h"

#include "GdiSurface.h"
#include "HeadlessBackend.h"
#include "StdCtrls.h"
#include "WinUser.h"

using namespace ClasslibTest;

namespace {

class LabelTest : public TClasslibFixture {
 protected:
  TForm* Form = nullptr;
  TLabel* Label = nullptr;
  TEdit* Edit = nullptr;
  TEdit* First = nullptr;
  void SetUp() override {
    TClasslibFixture::SetUp();
    Form = TCustomForm::CreateNew<TForm>(Application);
    Form->SetBounds(100, 100, 400, 300);
    First = New<TEdit>(Form);
    First->SetParent(Form);
    First->SetBounds(10, 60, 100, 21);
    Label = New<TLabel>(Form);
    Label->SetParent(Form);
    Label->SetBounds(10, 10, 10, 10);
    Edit = New<TEdit>(Form);
    Edit->SetParent(Form);
    Edit->SetBounds(100, 10, 100, 21);
    Form->Show();
    Application->ProcessMessages();
  }
  void AltKey(int vk) {
    InjectKey(VK_MENU, true);
    InjectKeyPress(vk);
    InjectKey(VK_MENU, false);
    Application->ProcessMessages();
  }
};

TEST_F(LabelTest, AutoSizeFitsTheCaptionAndKeepsTheRightEdgeWhenRightAligned) {
  Label->SetCaption("Price");
  Integer shortWidth = Label->GetWidth();
  EXPECT_GT(shortWidth, 10);
  Label->SetCaption("Price of the lot");
  EXPECT_GT(Label->GetWidth(), shortWidth);
  EXPECT_EQ(Label->GetLeft(), 10);
  Integer right = Label->GetLeft() + Label->GetWidth();
  Label->SetAlignment(taRightJustify);
  Label->SetCaption("Price");
  EXPECT_EQ(Label->GetLeft() + Label->GetWidth(), right);
  Label->SetCaption("");
  EXPECT_GT(Label->GetHeight(), 0) << "an empty caption keeps one line's height";
  Label->SetAutoSize(false);
  Label->SetCaption("A much longer caption than before");
  EXPECT_EQ(Label->GetLeft() + Label->GetWidth(), right);
}

TEST_F(LabelTest, TheAcceleratorFocusesTheFocusControl) {
  Label->SetCaption("&Name");
  Label->SetFocusControl(Edit);
  ASSERT_TRUE(First->Focused());
  AltKey('N');
  EXPECT_TRUE(Edit->Focused());

  First->SetFocus();
  Label->SetShowAccelChar(false);
  AltKey('N');
  EXPECT_TRUE(First->Focused()) << "without accelerator display the '&' is a plain character";

  Label->SetShowAccelChar(true);
  Edit->Free();
  EXPECT_EQ(Label->GetFocusControl(), nullptr);
  AltKey('N');
  EXPECT_TRUE(First->Focused());
}

// The rows of the label (in its own coordinates) where its caption left dark pixels.
std::pair<int, int> InkRows(TForm* form, TLabel* label) {
  Application->ProcessMessages();
  TGdiSurface picture;
  EXPECT_TRUE(CaptureWindow(form->GetHandle(), picture));
  RECT w;
  GetWindowRect(form->GetHandle(), &w);
  TPoint origin = label->ClientToScreen(TPoint(0, 0));
  int first = -1, last = -1;
  for (int y = 0; y < label->GetHeight(); ++y)
    for (int x = 0; x < label->GetWidth(); ++x) {
      uint32_t p = picture.Pixel(origin.x - w.left + x, origin.y - w.top + y);
      if ((p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF) < 200) {
        if (first < 0) first = y;
        last = y;
        break;
      }
    }
  return {first, last};
}

TEST_F(LabelTest, LayoutPlacesTheCaptionAtTheTopMiddleOrBottom) {
  Label->SetAutoSize(false);
  Label->SetBounds(10, 100, 100, 60);
  Label->SetColor(clWhite);
  Label->SetCaption("Xg");
  struct TCase {
    TTextLayout Layout;
    int MinFirst, MaxLast;
  };
  for (const TCase& c : {TCase{tlTop, 0, 25}, TCase{tlCenter, 15, 45}, TCase{tlBottom, 35, 59}}) {
    Label->SetLayout(c.Layout);
    auto [first, last] = InkRows(Form, Label);
    ASSERT_GE(first, 0) << c.Layout;
    EXPECT_GE(first, c.MinFirst) << c.Layout;
    EXPECT_LE(last, c.MaxLast) << c.Layout;
  }
}

}  // namespace
