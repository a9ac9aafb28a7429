// Controls without a form on screen: alignment and anchors, size constraints, the notifications
// that carry colour, font and text changes, and a replaced window procedure.
#include "ClasslibTestSupport.h"

#include "WinUser.h"

using namespace ClasslibTest;

namespace {

class ControlBehaviour : public TClasslibFixture {
 protected:
  void SetUp() override {
    TClasslibFixture::SetUp();
    Parent = CreateComponent<TTestPanel>(nullptr);
    Parent->SetBounds(0, 0, 400, 300);
  }
  void TearDown() override {
    FreeAndNil(Parent);
    TClasslibFixture::TearDown();
  }
  TTestPanel* Child(TAlign align, int l, int t, int w, int h) {
    auto* c = CreateComponent<TTestPanel>(nullptr);
    c->SetBounds(l, t, w, h);
    c->SetAlign(align);
    c->SetParent(Parent);
    return c;
  }
  TTestPanel* Parent = nullptr;
};

TEST_F(ControlBehaviour, AlignedChildrenShareTheClientAreaEdgeByEdge) {
  struct TCase {
    TAlign Align;
    TRect Start;
    TRect Expected;
  };
  // Added in this order; two top children keep their vertical order, the client child fills the rest.
  const TCase cases[] = {
      {alTop, Bounds(0, 50, 10, 20), Bounds(0, 30, 400, 20)},
      {alTop, Bounds(0, 0, 10, 30), Bounds(0, 0, 400, 30)},
      {alBottom, Bounds(0, 0, 10, 40), Bounds(0, 260, 400, 40)},
      {alLeft, Bounds(0, 0, 50, 10), Bounds(0, 50, 50, 210)},
      {alRight, Bounds(0, 0, 60, 10), Bounds(340, 50, 60, 210)},
      {alClient, Bounds(5, 5, 1, 1), Bounds(50, 50, 290, 210)},
      {alNone, Bounds(7, 8, 9, 10), Bounds(7, 8, 9, 10)},
  };
  std::vector<TTestPanel*> children;
  for (const TCase& c : cases) children.push_back(Child(c.Align, c.Start.left, c.Start.top, c.Start.Width(), c.Start.Height()));
  for (size_t i = 0; i < children.size(); ++i)
    EXPECT_EQ(children[i]->GetBoundsRect(), cases[i].Expected) << "child " << i;

  Parent->SetBounds(0, 0, 500, 400);
  EXPECT_EQ(children[5]->GetBoundsRect(), Bounds(50, 50, 390, 310)) << "the client child follows a resized parent";
  EXPECT_EQ(children[4]->GetBoundsRect(), Bounds(440, 50, 60, 310));

  children[1]->SetVisible(false);
  EXPECT_EQ(children[0]->GetBoundsRect(), Bounds(0, 0, 500, 20)) << "a hidden child gives its place up";
  Parent->SetBorderWidth(5);
  EXPECT_EQ(children[0]->GetBoundsRect(), Bounds(5, 5, 490, 20));
}

TEST_F(ControlBehaviour, AnchorsAndConstraintsFollowTheParentsSize) {
  auto* right = Child(alNone, 350, 10, 40, 20);
  right->SetAnchors({akRight, akTop});
  auto* stretch = Child(alNone, 10, 250, 380, 40);
  stretch->SetAnchors({akLeft, akRight, akBottom});
  auto* limited = Child(alClient, 0, 0, 10, 10);
  limited->GetConstraints()->SetMaxWidth(300);

  Parent->SetBounds(0, 0, 500, 350);
  EXPECT_EQ(right->GetBoundsRect(), Bounds(450, 10, 40, 20));
  EXPECT_EQ(stretch->GetBoundsRect(), Bounds(10, 300, 480, 40));
  EXPECT_EQ(limited->GetBoundsRect(), Bounds(0, 0, 300, 350)) << "the client child stops at its maximum width";
}

TEST_F(ControlBehaviour, ParentColourAndFontReachOnlyTheChildrenThatFollowThem) {
  auto* follower = Child(alNone, 0, 0, 10, 10);
  follower->SetParentColor(true);
  auto* own = Child(alNone, 0, 0, 10, 10);
  own->SetColor(clRed);
  own->GetFont()->SetName("Tahoma");

  std::vector<UINT> seen;
  TWndMethod old = follower->WindowProc;
  follower->WindowProc = [&](TMessage& m) {
    if (m.Msg >= CM_BASE && m.Msg < CM_BASE + 0x100 && m.Msg != CM_INVALIDATE) seen.push_back(m.Msg);
    old(m);
  };
  Parent->SetColor(clTeal);
  Parent->GetFont()->SetSize(14);
  EXPECT_EQ(follower->GetColor(), clTeal);
  EXPECT_EQ(own->GetColor(), clRed);
  EXPECT_EQ(follower->GetFont()->GetSize(), 14);
  EXPECT_TRUE(follower->GetParentFont()) << "taking the parent's font keeps following it";
  EXPECT_EQ(own->GetFont()->GetSize(), 9) << "a control with its own font keeps it";
  EXPECT_EQ(own->GetFont()->GetName(), "Tahoma");
  std::vector<UINT> expected = {CM_PARENTCOLORCHANGED, CM_COLORCHANGED, CM_PARENTFONTCHANGED, CM_FONTCHANGED};
  EXPECT_EQ(seen, expected) << "a replaced window procedure sees the notifications and passes them on";

  seen.clear();
  follower->SetCaption("价格");
  follower->SetCaption("价格");
  EXPECT_EQ(follower->GetCaption(), "价格");
  EXPECT_EQ(seen, std::vector<UINT>{CM_TEXTCHANGED}) << "only a real change is notified";
  follower->WindowProc = old;
}

TEST_F(ControlBehaviour, TextAndBoundsSurviveTheWindowHandle) {
  auto* form = TCustomForm::CreateNew<TForm>(nullptr);
  form->SetBounds(10, 10, 300, 200);
  auto* child = CreateComponent<TTestPanel>(form);
  child->SetParent(form);
  child->SetCaption("before");
  form->Show();
  ASSERT_TRUE(child->HandleAllocated());
  EXPECT_EQ(GetWindowTextString(child->GetHandle()), "before");
  SetWindowTextA(child->GetHandle(), "typed");
  EXPECT_EQ(child->GetCaption(), "typed") << "the text lives in the window while there is one";
  child->SetBounds(20, 30, 40, 50);
  RECT r;
  GetClientRect(child->GetHandle(), &r);
  EXPECT_EQ(r.right, 40);
  child->Perform(CM_RECREATEWND, 0, 0);
  ASSERT_TRUE(child->HandleAllocated());
  EXPECT_EQ(GetWindowTextString(child->GetHandle()), "typed") << "recreating the window keeps the text";
  EXPECT_EQ(FindControl(child->GetHandle()), child);
  form->Free();
}

TEST_F(ControlBehaviour, ScalingMovesEdgesSoNeighboursStayNeighbours) {
  auto* a = Child(alNone, 0, 0, 33, 10);
  auto* b = Child(alNone, 33, 0, 33, 10);
  auto* top = Child(alTop, 0, 0, 10, 21);
  b->GetFont()->SetHeight(-16);
  Parent->ChangeScale(3, 2);
  EXPECT_EQ(Parent->GetBoundsRect(), Bounds(0, 0, 600, 450));
  EXPECT_EQ(a->GetBoundsRect(), Bounds(0, 0, 50, 15));
  EXPECT_EQ(b->GetBoundsRect(), Bounds(50, 0, 49, 15)) << "b starts where a ends";
  EXPECT_EQ(top->GetBoundsRect(), Bounds(0, 0, 600, 32)) << "aligned children realign once afterwards";
  EXPECT_EQ(b->GetFont()->GetHeight(), -24);
  EXPECT_EQ(a->GetFont()->GetHeight(), Parent->GetFont()->GetHeight()) << "a parent-font child follows";
}

}  // namespace
