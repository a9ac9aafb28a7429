// The reading order of controls for right-to-left scripts: a child follows its parent's BiDiMode
// until it is given its own, and only a middle-east system locale turns a mode into mirrored
// justification, right-to-left reading and a left-hand scroll bar.
#include "ClasslibTestSupport.h"

#include "Multibyte.h"
#include "WinUser.h"

using namespace ClasslibTest;

namespace {

// The system locale for one test, restored afterwards.
class LocaleSwitch {
 public:
  explicit LocaleSwitch(bool MiddleEast) : FSaved(SysLocale.MiddleEast) { SysLocale.MiddleEast = MiddleEast; }
  ~LocaleSwitch() { SysLocale.MiddleEast = FSaved; }

 private:
  bool FSaved;
};

class ControlBiDiMode : public TClasslibFixture {
 protected:
  void TearDown() override {
    FreeAndNil(Root);
    TClasslibFixture::TearDown();
  }
  TTestPanel* Panel(TWinControl* Parent) {
    auto* p = CreateComponent<TTestPanel>(nullptr);
    if (Parent) p->SetParent(Parent);
    return p;
  }
  TTestPanel* Root = nullptr;
};

TEST_F(ControlBiDiMode, ChildrenFollowTheParentsModeUntilTheyAreGivenTheirOwn) {
  Root = Panel(nullptr);
  TTestPanel* child = Panel(Root);
  TTestPanel* grandchild = Panel(child);
  TTestPanel* own = Panel(Root);
  own->SetBiDiMode(bdRightToLeftReadingOnly);
  EXPECT_FALSE(own->GetParentBiDiMode()) << "a mode of its own ends following the parent";
  EXPECT_TRUE(own->IsBiDiModeStored());

  Root->SetBiDiMode(bdRightToLeft);
  EXPECT_EQ(child->GetBiDiMode(), bdRightToLeft);
  EXPECT_EQ(grandchild->GetBiDiMode(), bdRightToLeft) << "passed on down the tree";
  EXPECT_TRUE(child->GetParentBiDiMode());
  EXPECT_FALSE(child->IsBiDiModeStored());
  EXPECT_EQ(own->GetBiDiMode(), bdRightToLeftReadingOnly);

  auto* label = CreateComponent<TTestLabel>(nullptr);
  label->SetParent(child);
  EXPECT_EQ(label->GetBiDiMode(), bdRightToLeft) << "a control put into a parent takes its mode";

  own->SetParentBiDiMode(true);
  EXPECT_EQ(own->GetBiDiMode(), bdRightToLeft) << "following the parent again takes its mode at once";
}

TEST_F(ControlBiDiMode, OnlyAMiddleEastLocaleMirrorsJustificationAndReading) {
  const UINT L = DT_LEFT, C = DT_CENTER, R = DT_RIGHT, RTL = DT_RTLREADING;
  const struct {
    bool middleEast;
    TBiDiMode mode;
    bool alignment, reading, scrollBar;
    UINT left, center, right;  // DrawTextBiDiModeFlags of each justification (with DT_SINGLELINE)
  } cases[] = {
      {false, bdLeftToRight, false, false, false, L, C, R},
      {false, bdRightToLeft, false, false, false, L, C, R},
      {true, bdLeftToRight, false, false, false, L, C, R},
      {true, bdRightToLeft, true, true, true, R | RTL, C | RTL, L | RTL},
      {true, bdRightToLeftNoAlign, false, true, true, L | RTL, C | RTL, R | RTL},
      {true, bdRightToLeftReadingOnly, false, true, false, L | RTL, C | RTL, R | RTL},
  };
  Root = Panel(nullptr);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "middle east " << c.middleEast << ", mode " << c.mode);
    LocaleSwitch locale(c.middleEast);
    Root->SetBiDiMode(c.mode);
    EXPECT_EQ(Root->UseRightToLeftAlignment(), c.alignment);
    EXPECT_EQ(Root->UseRightToLeftReading(), c.reading);
    EXPECT_EQ(Root->UseRightToLeftScrollBar(), c.scrollBar);
    EXPECT_EQ(Root->IsRightToLeft(), c.alignment || c.reading || c.scrollBar);
    EXPECT_EQ(Root->DrawTextBiDiModeFlagsReadingOnly(), c.reading ? static_cast<Integer>(RTL) : 0);
    EXPECT_EQ(Root->DrawTextBiDiModeFlags(L | DT_SINGLELINE), static_cast<Integer>(c.left | DT_SINGLELINE));
    EXPECT_EQ(Root->DrawTextBiDiModeFlags(C | DT_SINGLELINE), static_cast<Integer>(c.center | DT_SINGLELINE));
    EXPECT_EQ(Root->DrawTextBiDiModeFlags(R | DT_SINGLELINE), static_cast<Integer>(c.right | DT_SINGLELINE));
  }
}

TEST(ChangeBiDiModeAlignment, ExchangesLeftAndRightAndKeepsCentre) {
  const struct {
    TAlignment from, to;
  } cases[] = {{taLeftJustify, taRightJustify}, {taRightJustify, taLeftJustify}, {taCenter, taCenter}};
  for (const auto& c : cases) {
    TAlignment a = c.from;
    ChangeBiDiModeAlignment(a);
    EXPECT_EQ(a, c.to);
  }
}

}  // namespace
