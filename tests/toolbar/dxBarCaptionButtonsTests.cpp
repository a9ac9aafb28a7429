#include <gtest/gtest.h>

#include <vector>

#include "cxGeometry.h"
#include "dxBarCaptionButtons.h"

namespace {

struct CaptionButtonsFixture : testing::Test {
  TdxBarCaptionButtons* Buttons = New<TdxBarCaptionButtons>();
  std::vector<TdxBarCaptionButton*> Changes;
  TdxBarCaptionButton* First = nullptr;
  TdxBarCaptionButton* Second = nullptr;

  void SetUp() override {
    First = Buttons->Add();
    First->SetRect(TRect(0, 0, 10, 10));
    Second = Buttons->Add();
    Second->SetRect(TRect(12, 0, 22, 10));
    Buttons->OnChanged = [this](TdxBarCaptionButton* AButton) { Changes.push_back(AButton); };
  }
  void TearDown() override { Buttons->Free(); }
};

TEST_F(CaptionButtonsFixture, MouseMakesButtonsHotOrPressedUnderItAndNormalElsewhere) {
  Buttons->UpdateButtonStates(TPoint(5, 5), false);
  EXPECT_EQ(First->GetState(), dxbcbsHot);
  EXPECT_EQ(Second->GetState(), dxbcbsNormal);
  Buttons->UpdateButtonStates(TPoint(5, 5), true);
  EXPECT_EQ(First->GetState(), dxbcbsPressed);
  Buttons->UpdateButtonStates(TPoint(15, 5), false);
  EXPECT_EQ(First->GetState(), dxbcbsNormal);
  EXPECT_EQ(Second->GetState(), dxbcbsHot);
  EXPECT_EQ(Changes, (std::vector<TdxBarCaptionButton*>{First, First, First, Second}));

  bool show = true;
  String hint = "x", shortCut = "y";
  Second->SetHint("Help");
  EXPECT_TRUE(Second->DoHint(show, hint, shortCut));
  EXPECT_EQ(hint, "Help");
  EXPECT_FALSE(First->DoHint(show, hint, shortCut));
  EXPECT_FALSE(show);
  EXPECT_EQ(hint, "");
}

TEST_F(CaptionButtonsFixture, ADisabledButtonNeverTurnsHotAndIsNotHitTested) {
  First->SetEnabled(false);
  EXPECT_EQ(First->GetState(), dxbcbsDisabled);
  EXPECT_FALSE(First->GetEnabled());
  Buttons->UpdateButtonStates(TPoint(5, 5), false);
  EXPECT_EQ(First->GetState(), dxbcbsDisabled);
  EXPECT_EQ(Buttons->GetButtonIndex(TPoint(5, 5)), -1);
  EXPECT_EQ(Buttons->GetButtonIndex(TPoint(21, 9)), 1);
  First->SetEnabled(true);
  EXPECT_EQ(First->GetState(), dxbcbsNormal);
}

TEST_F(CaptionButtonsFixture, RectIsTheUnionOfTheNonEmptyButtonRects) {
  Buttons->Add();  // no rectangle yet
  EXPECT_EQ(Buttons->GetRect(), TRect(0, 0, 22, 10));
  TdxBarCaptionButtons* none = New<TdxBarCaptionButtons>();
  EXPECT_TRUE(cxRectIsEmpty(none->GetRect()));
  none->Free();
}

TEST_F(CaptionButtonsFixture, ClickAndAssign) {
  int clicks = 0;
  First->SetOnClick([&](TObject* Sender) { clicks += Sender == First; });
  EXPECT_EQ(Changes.back(), nullptr) << "a new handler changes the whole collection";
  First->SetHint("Close");
  First->Click();
  EXPECT_EQ(clicks, 1);
  Second->Assign(First);
  EXPECT_EQ(Second->GetHint(), "Close");
  EXPECT_EQ(Second->GetRect(), First->GetRect());
  Second->Click();
  EXPECT_EQ(clicks, 1) << "the copied handler is First's, called with Second";
  EXPECT_TRUE(Second->GetOnClick() == First->GetOnClick());
}

}  // namespace
