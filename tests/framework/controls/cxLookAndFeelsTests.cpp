// Look-and-feel settings: resolution along the master chain, change propagation to listeners, the
// painter choice and the root's controller.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "UxTheme.h"
#include "WinUserDraw.h"
#include "cxLookAndFeels.h"

namespace {

// One distinct painter class per style, so that the choice can be read off the class.
class TFlatTestPainter : public TcxCustomLookAndFeelPainter {
  DECLARE_CLASS(TFlatTestPainter, TcxCustomLookAndFeelPainter)
};
class TStandardTestPainter : public TcxCustomLookAndFeelPainter {
  DECLARE_CLASS(TStandardTestPainter, TcxCustomLookAndFeelPainter)
};
class TUltraFlatTestPainter : public TcxCustomLookAndFeelPainter {
  DECLARE_CLASS(TUltraFlatTestPainter, TcxCustomLookAndFeelPainter)
};
class TNativeTestPainter : public TcxCustomLookAndFeelPainter {
  DECLARE_CLASS(TNativeTestPainter, TcxCustomLookAndFeelPainter)
};
class TOffice11TestPainter : public TcxCustomLookAndFeelPainter {
  DECLARE_CLASS(TOffice11TestPainter, TcxCustomLookAndFeelPainter)
};
class TSkinTestPainter : public TcxCustomLookAndFeelPainter {
  DECLARE_CLASS(TSkinTestPainter, TcxCustomLookAndFeelPainter)
};
IMPLEMENT_CLASS(TFlatTestPainter)
IMPLEMENT_CLASS(TStandardTestPainter)
IMPLEMENT_CLASS(TUltraFlatTestPainter)
IMPLEMENT_CLASS(TNativeTestPainter)
IMPLEMENT_CLASS(TOffice11TestPainter)
IMPLEMENT_CLASS(TSkinTestPainter)

template <class P>
TcxCustomLookAndFeelPainterClass Ref() {
  return TcxCustomLookAndFeelPainterClass::Of<P>();
}

struct TChange {
  TcxLookAndFeel* Sender;
  TcxLookAndFeelValues Values;
};

// Records what a control would hear from its look-and-feel.
class TRecordingListener : public TObject, public TNoRefCountObject, public IcxLookAndFeelNotificationListener {
 public:
  std::vector<TChange> Changes;
  std::vector<TcxLookAndFeel*> Destroying;
  std::function<void()> OnChange;
  TObject* GetObject() override { return this; }
  void MasterLookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AValues) override {
    Changes.push_back({Sender, AValues});
    if (OnChange) OnChange();
  }
  void MasterLookAndFeelDestroying(TcxLookAndFeel* Sender) override { Destroying.push_back(Sender); }
};

class cxLookAndFeelsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(RootLookAndFeel(), nullptr);
    for (int S = lfsFlat; S <= lfsOffice11; ++S) Saved[S] = GetStylePainterClass(TcxLookAndFeelStyle(S));
    SetStylePainterClass(lfsFlat, Ref<TFlatTestPainter>());
    SetStylePainterClass(lfsStandard, Ref<TStandardTestPainter>());
    SetStylePainterClass(lfsUltraFlat, Ref<TUltraFlatTestPainter>());
    SetStylePainterClass(lfsNative, Ref<TNativeTestPainter>());
    SetStylePainterClass(lfsOffice11, Ref<TOffice11TestPainter>());
    RootLookAndFeel()->Reset();
  }
  void TearDown() override {
    SetThemeActive(true);
    RootLookAndFeel()->Reset();
    for (int S = lfsFlat; S <= lfsOffice11; ++S) SetStylePainterClass(TcxLookAndFeelStyle(S), Saved[S]);
  }
  TcxCustomLookAndFeelPainterClass Saved[lfsOffice11 + 1];
};

TEST_F(cxLookAndFeelsTest, ANewLookAndFeelIsUltraFlatWithNothingAssigned) {
  auto L = NewOwned<TcxLookAndFeel>();
  EXPECT_EQ(L->GetKind(), lfUltraFlat);
  EXPECT_FALSE(L->GetNativeStyle());
  EXPECT_TRUE(L->GetSkinName().empty());
  EXPECT_TRUE(L->GetAssignedValues().Empty());
  EXPECT_EQ(L->GetPainter(), Ref<TUltraFlatTestPainter>());
  EXPECT_EQ(L->GetMasterLookAndFeel(), RootLookAndFeel());
  EXPECT_TRUE(RootLookAndFeel()->HasListener(L.get()));
}

TEST_F(cxLookAndFeelsTest, PainterChoiceByKindNativeStyleAndThemes) {
  struct Case {
    TcxLookAndFeelKind Kind;
    bool Native, Themes;
    TcxCustomLookAndFeelPainterClass Painter;
    TcxLookAndFeelStyle Style;
  } cases[] = {
      {lfFlat, false, true, Ref<TFlatTestPainter>(), lfsFlat},
      {lfStandard, false, true, Ref<TStandardTestPainter>(), lfsStandard},
      {lfUltraFlat, false, true, Ref<TUltraFlatTestPainter>(), lfsUltraFlat},
      {lfOffice11, false, true, Ref<TOffice11TestPainter>(), lfsOffice11},
      {lfFlat, true, true, Ref<TNativeTestPainter>(), lfsNative},
      {lfOffice11, true, true, Ref<TNativeTestPainter>(), lfsNative},
      // Native asked for, but no visual styles: the kind decides.
      {lfFlat, true, false, Ref<TFlatTestPainter>(), lfsFlat},
      {lfStandard, true, false, Ref<TStandardTestPainter>(), lfsStandard},
      {lfUltraFlat, true, false, Ref<TUltraFlatTestPainter>(), lfsUltraFlat},
      {lfOffice11, true, false, Ref<TOffice11TestPainter>(), lfsOffice11},
      {lfStandard, false, false, Ref<TStandardTestPainter>(), lfsStandard},
  };
  for (const Case& c : cases) {
    SetThemeActive(c.Themes);
    auto L = NewOwned<TcxLookAndFeel>();
    L->SetKind(c.Kind);
    L->SetNativeStyle(c.Native);
    L->Refresh();
    EXPECT_EQ(L->GetPainter(), c.Painter) << c.Kind << " " << c.Native << " " << c.Themes;
    EXPECT_EQ(L->GetActiveStyle(), c.Style) << c.Kind << " " << c.Native << " " << c.Themes;
  }
}

TEST_F(cxLookAndFeelsTest, ThemesComingOnChangeThePainterOnlyAtTheNextChange) {
  SetThemeActive(false);
  auto L = NewOwned<TcxLookAndFeel>();
  L->SetNativeStyle(true);
  EXPECT_EQ(L->GetPainter(), Ref<TUltraFlatTestPainter>());
  SetThemeActive(true);
  EXPECT_EQ(L->GetPainter(), Ref<TUltraFlatTestPainter>());
  L->Refresh();
  EXPECT_EQ(L->GetPainter(), Ref<TNativeTestPainter>());
}

TEST_F(cxLookAndFeelsTest, SetStyleMarksNativeStyleAndSetsTheKindOnlyWhenNotNative) {
  struct Case {
    TcxLookAndFeelStyle Style;
    bool Themes;
    TcxLookAndFeelKind Kind;
    bool KindAssigned;
  } cases[] = {
      {lfsFlat, true, lfFlat, true},          {lfsStandard, true, lfStandard, true},
      {lfsUltraFlat, true, lfUltraFlat, true}, {lfsOffice11, true, lfOffice11, true},
      {lfsNative, true, lfUltraFlat, false},   {lfsNative, false, lfUltraFlat, false},
  };
  for (const Case& c : cases) {
    SetThemeActive(c.Themes);
    auto L = NewOwned<TcxLookAndFeel>();
    L->SetStyle(c.Style);
    EXPECT_EQ(L->GetKind(), c.Kind) << c.Style;
    EXPECT_EQ(L->GetNativeStyle(), c.Style == lfsNative) << c.Style;
    EXPECT_TRUE(L->GetAssignedValues().Contains(lfvNativeStyle)) << c.Style;
    EXPECT_EQ(L->GetAssignedValues().Contains(lfvKind), c.KindAssigned) << c.Style;
  }
}

TEST_F(cxLookAndFeelsTest, SettingTheValueInEffectAssignsItSilently) {
  auto L = NewOwned<TcxLookAndFeel>();
  int Heard = 0;
  L->OnChanged = [&](TcxLookAndFeel*, TcxLookAndFeelValues) { ++Heard; };
  L->SetKind(lfUltraFlat);
  L->SetNativeStyle(false);
  L->SetSkinName("");
  EXPECT_EQ(Heard, 0);
  EXPECT_TRUE(L->IsKindStored() && L->IsNativeStyleStored() && L->IsSkinNameStored());
}

TEST_F(cxLookAndFeelsTest, ChangesTravelDownTheChainUnlessTheValueIsAssigned) {
  auto Master = NewOwned<TcxLookAndFeel>();
  auto Follower = NewOwned<TcxLookAndFeel>();
  auto Fixed = NewOwned<TcxLookAndFeel>();
  auto Grandchild = NewOwned<TcxLookAndFeel>();
  Follower->SetMasterLookAndFeel(Master.get());
  Fixed->SetMasterLookAndFeel(Master.get());
  Grandchild->SetMasterLookAndFeel(Follower.get());
  Fixed->SetKind(lfStandard);
  TRecordingListener OnFollower, OnFixed, OnGrandchild;
  Follower->AddChangeListener(&OnFollower);
  Fixed->AddChangeListener(&OnFixed);
  Grandchild->AddChangeListener(&OnGrandchild);

  Master->SetKind(lfOffice11);
  EXPECT_EQ(Follower->GetKind(), lfOffice11);
  EXPECT_EQ(Grandchild->GetKind(), lfOffice11);
  EXPECT_EQ(Grandchild->GetPainter(), Ref<TOffice11TestPainter>());
  EXPECT_EQ(Fixed->GetKind(), lfStandard);
  ASSERT_EQ(OnFollower.Changes.size(), 1u);
  EXPECT_EQ(OnFollower.Changes[0].Sender, Follower.get());
  EXPECT_EQ(OnFollower.Changes[0].Values, TcxLookAndFeelValues{lfvKind});
  EXPECT_EQ(OnGrandchild.Changes.size(), 1u);
  EXPECT_TRUE(OnFixed.Changes.empty());

  // The root's change reaches everything that inherits from it through the chain.
  RootLookAndFeel()->SetNativeStyle(true);
  EXPECT_TRUE(Grandchild->GetNativeStyle());
  EXPECT_EQ(OnGrandchild.Changes.back().Values, TcxLookAndFeelValues{lfvNativeStyle});
  Follower->RemoveChangeListener(&OnFollower);
  Fixed->RemoveChangeListener(&OnFixed);
  Grandchild->RemoveChangeListener(&OnGrandchild);
}

TEST_F(cxLookAndFeelsTest, ResetNotifiesExactlyTheValuesThatChange) {
  auto Master = NewOwned<TcxLookAndFeel>();
  auto L = NewOwned<TcxLookAndFeel>();
  Master->SetKind(lfFlat);
  L->SetMasterLookAndFeel(Master.get());
  L->SetKind(lfOffice11);
  L->SetNativeStyle(false);  // equal to the inherited value
  TcxLookAndFeelValues Heard;
  int Calls = 0;
  L->OnChanged = [&](TcxLookAndFeel*, TcxLookAndFeelValues V) {
    Heard = V;
    ++Calls;
  };
  L->Reset();
  EXPECT_EQ(Calls, 1);
  EXPECT_EQ(Heard, TcxLookAndFeelValues{lfvKind});
  EXPECT_EQ(L->GetKind(), lfFlat);
  EXPECT_TRUE(L->GetAssignedValues().Empty());
}

TEST_F(cxLookAndFeelsTest, AFreedMasterLeavesItsDependentsOnTheRoot) {
  auto* Master = New<TcxLookAndFeel>();
  auto L = NewOwned<TcxLookAndFeel>();
  TRecordingListener OnL;
  Master->SetKind(lfOffice11);
  L->SetMasterLookAndFeel(Master);
  L->AddChangeListener(&OnL);
  TRecordingListener OnMaster;
  Master->AddChangeListener(&OnMaster);
  Master->Free();
  EXPECT_EQ(OnMaster.Destroying.size(), 1u);
  EXPECT_EQ(L->GetMasterLookAndFeel(), RootLookAndFeel());
  EXPECT_TRUE(RootLookAndFeel()->HasListener(L.get()));
  EXPECT_EQ(L->GetKind(), lfUltraFlat);
  ASSERT_EQ(OnL.Changes.size(), 1u);
  EXPECT_EQ(OnL.Changes[0].Values, TcxLookAndFeelValues{lfvKind});
  L->RemoveChangeListener(&OnL);
}

TEST_F(cxLookAndFeelsTest, MasterRulesRefuseCyclesToSelfAndTheRoot) {
  auto L = NewOwned<TcxLookAndFeel>();
  L->SetMasterLookAndFeel(L.get());
  EXPECT_EQ(L->GetMasterLookAndFeel(), RootLookAndFeel());
  RootLookAndFeel()->SetMasterLookAndFeel(L.get());
  EXPECT_EQ(RootLookAndFeel()->GetMasterLookAndFeel(), nullptr);
}

TEST_F(cxLookAndFeelsTest, AListenerLeavingDuringItsCallDoesNotMakeTheNextOneMissed) {
  auto L = NewOwned<TcxLookAndFeel>();
  TRecordingListener First, Second;
  First.OnChange = [&] { L->RemoveChangeListener(&First); };
  L->AddChangeListener(&First);
  L->AddChangeListener(&Second);
  L->SetKind(lfFlat);
  EXPECT_EQ(First.Changes.size(), 1u);
  EXPECT_EQ(Second.Changes.size(), 1u);
  EXPECT_FALSE(L->HasListener(&First));
  L->RemoveChangeListener(&Second);
}

TEST_F(cxLookAndFeelsTest, AssignCopiesOwnValuesAndMasterAndNotifiesDifferences) {
  auto Master = NewOwned<TcxLookAndFeel>();
  auto Source = NewOwned<TcxLookAndFeel>();
  auto Target = NewOwned<TcxLookAndFeel>();
  Source->SetMasterLookAndFeel(Master.get());
  Source->SetKind(lfStandard);
  TcxLookAndFeelValues Heard;
  Target->OnChanged = [&](TcxLookAndFeel*, TcxLookAndFeelValues V) { Heard = V; };
  Target->Assign(Source.get());
  EXPECT_EQ(Target->GetKind(), lfStandard);
  EXPECT_EQ(Target->GetMasterLookAndFeel(), Master.get());
  EXPECT_EQ(Target->GetAssignedValues(), TcxLookAndFeelValues{lfvKind});
  EXPECT_EQ(Heard, TcxLookAndFeelValues{lfvKind});
  auto NotALookAndFeel = NewOwned<TcxLookAndFeelController>();
  EXPECT_ANY_THROW(Target->Assign(NotALookAndFeel.get()));
}

TEST_F(cxLookAndFeelsTest, AnAssignedPainterWinsUntilReplaced) {
  auto L = NewOwned<TcxLookAndFeel>();
  L->SetPainter(Ref<TSkinTestPainter>());
  L->SetKind(lfFlat);
  EXPECT_EQ(L->GetPainter(), Ref<TSkinTestPainter>());
}

TEST_F(cxLookAndFeelsTest, TheLastControllerGoingAwayResetsTheRoot) {
  auto* A = New<TcxLookAndFeelController>();
  auto* B = New<TcxLookAndFeelController>();
  A->SetKind(lfOffice11);
  EXPECT_EQ(RootLookAndFeel()->GetKind(), lfOffice11);
  EXPECT_EQ(B->GetKind(), lfOffice11);
  A->Free();
  EXPECT_EQ(RootLookAndFeel()->GetKind(), lfOffice11);
  B->Free();
  EXPECT_EQ(RootLookAndFeel()->GetKind(), lfUltraFlat);
  EXPECT_TRUE(RootLookAndFeel()->GetAssignedValues().Empty());
  // A controller is no listener of an ordinary look-and-feel.
  auto L = NewOwned<TcxLookAndFeel>();
  auto C = NewOwned<TcxLookAndFeelController>();
  L->AddChangeListener(C.get());
  EXPECT_FALSE(L->HasListener(C.get()));
}

TEST_F(cxLookAndFeelsTest, SystemColourChangeReachesPrimaryNotifiersFirstEachFromTheEnd) {
  std::vector<int> Order;
  auto O1 = NewOwned<TcxSystemPaletteChangedNotifier>(false);
  auto P1 = NewOwned<TcxSystemPaletteChangedNotifier>(true);
  auto O2 = NewOwned<TcxSystemPaletteChangedNotifier>(false);
  auto P2 = NewOwned<TcxSystemPaletteChangedNotifier>(true);
  O1->OnSystemPaletteChanged = [&] { Order.push_back(1); };
  P1->OnSystemPaletteChanged = [&] { Order.push_back(11); };
  O2->OnSystemPaletteChanged = [&] { Order.push_back(2); };
  P2->OnSystemPaletteChanged = [&] { Order.push_back(12); };
  auto L = NewOwned<TcxLookAndFeel>();
  TcxLookAndFeelValues Heard;
  L->OnChanged = [&](TcxLookAndFeel*, TcxLookAndFeelValues V) { Heard = V; };
  const INT Index = COLOR_BTNFACE;
  const COLORREF Colour = GetSysColor(COLOR_BTNFACE);
  SetSysColors(1, &Index, &Colour);
  EXPECT_EQ(Order, (std::vector<int>{12, 11, 2, 1}));
  EXPECT_EQ(Heard, TcxLookAndFeelValues{lfvNativeStyle});
}

}  // namespace
