// Scrolling controls: a form whose children reach past its client area shows the scroll bar it
// needs, scrolls its children by position, by the bar's messages and to bring a control into view,
// and keeps the position within the range.
#include "ClasslibTestSupport.h"

#include "WinScrollBars.h"
#include "WinUser.h"

using namespace ClasslibTest;

namespace {

class Scrolling : public TClasslibFixture {
 protected:
  void SetUp() override {
    TClasslibFixture::SetUp();
    Form = TCustomForm::CreateNew<TForm>(nullptr);
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(0, 0, 300, 200);
    Top = AddPanel(10, 10);
    Far = AddPanel(10, 400);  // reaches to 440
    Form->Show();
  }
  void TearDown() override {
    FreeAndNil(Form);
    TClasslibFixture::TearDown();
  }
  TTestPanel* AddPanel(int x, int y) {
    auto* p = CreateComponent<TTestPanel>(Form);
    p->SetBounds(x, y, 100, 40);
    p->SetParent(Form);
    return p;
  }
  TControlScrollBar* Vert() { return Form->GetVertScrollBar(); }

  TCustomForm* Form = nullptr;
  TTestPanel *Top = nullptr, *Far = nullptr;
};

TEST_F(Scrolling, TheContentPastTheClientAreaShowsTheBarItNeeds) {
  EXPECT_EQ(Vert()->GetRange(), 440);
  EXPECT_TRUE(Vert()->IsScrollBarVisible());
  EXPECT_FALSE(Form->GetHorzScrollBar()->IsScrollBarVisible());
  EXPECT_EQ(Form->GetClientWidth(), 300 - GetSystemMetrics(SM_CXVSCROLL)) << "the bar takes its width";
  SCROLLINFO si;
  si.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(Form->GetHandle(), SB_VERT, &si));
  EXPECT_EQ(si.nMax, 439);
  EXPECT_EQ(static_cast<Integer>(si.nPage), 200);

  Far->SetTop(100);
  EXPECT_EQ(Vert()->GetRange(), 140);
  EXPECT_FALSE(Vert()->IsScrollBarVisible()) << "all fits again";
  EXPECT_EQ(Form->GetClientWidth(), 300);
}

TEST_F(Scrolling, BarsGoOnceTheContentFitsTheWholeClientAreaAgain) {
  const Integer vw = GetSystemMetrics(SM_CXVSCROLL), hh = GetSystemMetrics(SM_CYHSCROLL);
  TControlScrollBar* horz = Form->GetHorzScrollBar();
  Far->SetBounds(250, 400, 100, 40);  // past both edges: both bars
  EXPECT_TRUE(Vert()->IsScrollBarVisible());
  EXPECT_TRUE(horz->IsScrollBarVisible());
  // Fits 300 x 200 but not the client area the two bars leave.
  Far->SetBounds(300 - 100 - vw / 2, 200 - 40 - hh / 2, 100, 40);
  EXPECT_FALSE(Vert()->IsScrollBarVisible());
  EXPECT_FALSE(horz->IsScrollBarVisible());
  EXPECT_EQ(Form->GetClientWidth(), 300);
  EXPECT_EQ(Form->GetClientHeight(), 200);
  // Only wider than the whole width: the horizontal bar alone, or both where its rows are needed.
  Far->SetBounds(250, 100, 100, 40);
  EXPECT_TRUE(horz->IsScrollBarVisible());
  EXPECT_FALSE(Vert()->IsScrollBarVisible());
  Far->SetBounds(250, 200 - 40 - hh / 2, 100, 40);
  EXPECT_TRUE(horz->IsScrollBarVisible());
  EXPECT_TRUE(Vert()->IsScrollBarVisible());
}

TEST_F(Scrolling, ThePositionMovesTheChildrenAndStaysInTheRange) {
  struct TCase {
    Integer set;
    Integer position;
  };
  for (const TCase& c : {TCase{100, 100}, TCase{1000, 240}, TCase{-5, 0}, TCase{240, 240}}) {
    SCOPED_TRACE(c.set);
    Vert()->SetPosition(c.set);
    EXPECT_EQ(Vert()->GetPosition(), c.position);
    EXPECT_EQ(Top->GetTop(), 10 - c.position);
    EXPECT_EQ(Far->GetTop(), 400 - c.position);
    EXPECT_EQ(GetScrollPos(Form->GetHandle(), SB_VERT), c.position);
  }
  EXPECT_EQ(Vert()->GetRange(), 440) << "the range does not change as the content scrolls";
}

TEST_F(Scrolling, TheBarsMessagesScroll) {
  struct TCase {
    WORD code;
    Integer pos;
    Integer expected;
  };
  const TCase cases[] = {{SB_LINEDOWN, 0, 8},   {SB_LINEDOWN, 0, 16},  {SB_PAGEDOWN, 0, 196}, {SB_LINEUP, 0, 188},
                         {SB_THUMBPOSITION, 50, 50}, {SB_THUMBTRACK, 70, 50}, {SB_BOTTOM, 0, 240}, {SB_TOP, 0, 0}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.code);
    SendMessage(Form->GetHandle(), WM_VSCROLL, MAKEWPARAM(c.code, static_cast<WORD>(c.pos)), 0);
    EXPECT_EQ(Vert()->GetPosition(), c.expected);
  }
  Vert()->SetTracking(true);
  SendMessage(Form->GetHandle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 70), 0);
  EXPECT_EQ(Vert()->GetPosition(), 70) << "a tracking bar follows the thumb";
}

TEST_F(Scrolling, ScrollInViewBringsAControlWithItsMarginIntoView) {
  Vert()->SetMargin(5);
  Form->ScrollInView(Far);
  EXPECT_EQ(Vert()->GetPosition(), 445 - 200 > 240 ? 240 : 445 - 200);
  EXPECT_EQ(Far->GetTop() + Far->GetHeight() + 5, Form->GetClientHeight() + (Vert()->GetPosition() == 240 ? 5 : 0));
  Form->ScrollInView(Top);
  EXPECT_EQ(Vert()->GetPosition(), 5);
  EXPECT_EQ(Top->GetTop(), 5);
}

TEST_F(Scrolling, AControlTakingTheFocusIsScrolledIntoView) {
  Far->SetTabStop(true);
  Far->SetFocus();
  Application->ProcessMessages();
  ASSERT_TRUE(Far->Focused());
  EXPECT_EQ(Vert()->GetPosition(), 240);
  Top->SetFocus();
  Application->ProcessMessages();
  EXPECT_EQ(Vert()->GetPosition(), 10) << "scrolled just far enough";
  EXPECT_EQ(Top->GetTop(), 0);
}

TEST_F(Scrolling, WithoutAutoScrollTheRangeIsSetByHand) {
  Form->SetAutoScroll(false);
  EXPECT_EQ(Vert()->GetRange(), 0);
  EXPECT_FALSE(Vert()->IsScrollBarVisible());
  Form->SetAutoScroll(true);
  Vert()->SetRange(1000);
  EXPECT_FALSE(Form->GetAutoScroll()) << "a range set by hand turns AutoScroll off";
  Far->SetTop(50);
  EXPECT_EQ(Vert()->GetRange(), 1000);
  EXPECT_TRUE(Vert()->IsScrollBarVisible());
}

}  // namespace
