// The painter-drawn scroll bar: its geometry, the range rules, scrolling by code, the auto-repeat on
// arrows under the test clock, thumb dragging within its tolerance zone, and the part states.
#include "cxControlsTestSupport.h"

#include "SysConst.h"

using namespace cxControlsTest;

namespace {

struct TScrollRecord {
  TScrollCode Code;
  Integer Position;
};

class ScrollBar : public TControlsFixture {
 protected:
  TcxScrollBar* Bar = nullptr;
  std::vector<TScrollRecord> Scrolls;
  Integer Changes = 0;

  void SetUp() override {
    TControlsFixture::SetUp();
    Bar = Add<TcxScrollBar>(20, 20, 121, 17);
    Bar->SetOnScroll([this](TObject*, TScrollCode ACode, Integer& APos) { Scrolls.push_back({ACode, APos}); });
    Bar->SetOnChange([this](TObject*) { ++Changes; });
    ShowForm();
  }
  std::vector<TScrollCode> Codes() const {
    std::vector<TScrollCode> codes;
    for (const TScrollRecord& r : Scrolls) codes.push_back(r.Code);
    return codes;
  }
};

TEST_F(ScrollBar, ArrowsAtTheEndsAndTheThumbInTheTrackBetween) {
  struct TCase {
    const char* Name;
    Integer Width, Min, Max, Page, Pos;
    TRect LeftArrow, RightArrow, Thumb;
  };
  const TCase cases[] = {
      {"no page, at the start", 121, 0, 100, 0, 0, {0, 0, 17, 17}, {104, 0, 121, 17}, {17, 0, 34, 17}},
      {"no page, at the end", 121, 0, 100, 0, 100, {0, 0, 17, 17}, {104, 0, 121, 17}, {87, 0, 104, 17}},
      {"a page, in the middle", 121, 0, 99, 20, 40, {0, 0, 17, 17}, {104, 0, 121, 17}, {52, 0, 69, 17}},
      {"a page of half the range", 121, 0, 99, 50, 50, {0, 0, 17, 17}, {104, 0, 121, 17}, {60, 0, 104, 17}},
      {"shorter than two arrows", 20, 0, 100, 0, 50, {0, 0, 10, 17}, {10, 0, 20, 17}, {0, 0, 0, 0}},
      {"an empty range", 121, 5, 5, 0, 5, {0, 0, 17, 17}, {104, 0, 121, 17}, {17, 0, 34, 17}},
      {"an empty range with a page", 121, 5, 5, 1, 5, {0, 0, 17, 17}, {104, 0, 121, 17}, {0, 0, 0, 0}},
  };
  for (const TCase& c : cases) {
    Bar->SetWidth(c.Width);
    Bar->SetScrollParams(c.Min, c.Max, c.Pos, c.Page);
    TcxScrollBarViewInfo* info = Bar->GetViewInfo();
    EXPECT_EQ(info->GetTopLeftArrowRect(), c.LeftArrow) << c.Name;
    EXPECT_EQ(info->GetBottomRightArrowRect(), c.RightArrow) << c.Name;
    EXPECT_EQ(info->GetThumbnailRect(), c.Thumb) << c.Name;
    if (c.Thumb.right > 0) {
      EXPECT_EQ(info->GetPageUpRect(), TRect(17, 0, c.Thumb.left, 17)) << c.Name;
      EXPECT_EQ(info->GetPageDownRect(), TRect(c.Thumb.right, 0, 104, 17)) << c.Name;
      EXPECT_EQ(info->GetPositionFromThumbnail(), c.Pos) << c.Name;
    }
  }
  Bar->SetEnabled(false);
  EXPECT_EQ(Bar->GetViewInfo()->GetThumbnailRect(), TRect(0, 0, 0, 0)) << "a disabled bar has no thumb";
}

TEST_F(ScrollBar, AThumbThatCannotMoveStandsForTheFirstPosition) {
  struct TCase {
    const char* Name;
    Integer Min, Max, Page, Pos;
  };
  const TCase cases[] = {
      {"the page is the range", 1, 100, 100, 50},
      {"the page is larger than the range", 100, 200, 150, 180},
      {"the page leaves a single position", 0, 99, 99, 0},
  };
  for (const TCase& c : cases) {
    Bar->SetScrollParams(c.Min, c.Max, c.Pos, c.Page);
    TcxScrollBarViewInfo* info = Bar->GetViewInfo();
    const TRect thumb = info->GetThumbnailRect();
    EXPECT_GE(thumb.left, 17) << c.Name;
    EXPECT_LE(thumb.right, 104) << c.Name;
    EXPECT_EQ(info->GetPositionFromThumbnail(), c.Min) << c.Name;
    info->SetThumbnailStart(60);
    EXPECT_GE(info->GetPositionFromThumbnail(), c.Min) << c.Name;
    EXPECT_LE(info->GetPositionFromThumbnail(), c.Max) << c.Name;
  }
}

TEST_F(ScrollBar, ARangeBelowItsPageOrMinimumIsRefusedAndChangesNothing) {
  Bar->SetScrollParams(0, 50, 10, 5);
  for (auto params : {std::array<Integer, 4>{10, 5, 0, 0}, std::array<Integer, 4>{0, 20, 0, 30}}) {
    try {
      Bar->SetScrollParams(params[0], params[1], params[2], params[3]);
      ADD_FAILURE() << "no exception";
    } catch (const EInvalidOperation& e) {
      EXPECT_EQ(e.Message(), SysConst::SScrollBarRange);
    }
    EXPECT_EQ(Bar->GetMin(), 0);
    EXPECT_EQ(Bar->GetMax(), 50);
    EXPECT_EQ(Bar->GetPosition(), 10);
    EXPECT_EQ(Bar->GetPageSize(), 5);
  }
  EXPECT_THROW(Bar->SetMax(4), EInvalidOperation);
}

TEST_F(ScrollBar, APositionChangeEnablesTheBarAndIsReported) {
  Bar->SetEnabled(false);
  Changes = 0;
  Bar->SetScrollParams(0, 100, 500, 0);
  EXPECT_EQ(Bar->GetPosition(), 100) << "clamped into the range";
  EXPECT_TRUE(Bar->GetEnabled());
  EXPECT_EQ(Changes, 1);
  Bar->SetEnabled(false);
  Bar->SetScrollParams(0, 200, 100, 10);
  EXPECT_FALSE(Bar->GetEnabled()) << "the range alone does not enable it";
  EXPECT_EQ(Changes, 1);
  Bar->SetScrollParams(0, 200, 100, 10);
  EXPECT_EQ(Changes, 1);
}

TEST_F(ScrollBar, ScrollCodesMoveThePositionWithinTheRange) {
  Bar->SetScrollParams(0, 100, 98, 10);
  Bar->SetSmallChange(5);
  Bar->SetLargeChange(30);
  struct TCase {
    TScrollCode Code;
    Integer From, To;
    Integer Changes;
  };
  const TCase cases[] = {
      {scLineDown, 99, 100, 1},  // a page larger than 1 still reaches the maximum
      {scLineUp, 3, 0, 1},      {scPageDown, 50, 80, 1}, {scPageUp, 50, 20, 1}, {scBottom, 50, 100, 1},
      {scTop, 50, 0, 1},        {scTrack, 50, 50, 0},    {scEndScroll, 50, 50, 0},
  };
  for (const TCase& c : cases) {
    Bar->SetPosition(c.From);
    Changes = 0;
    Scrolls.clear();
    Bar->Perform(CN_HSCROLL, c.Code, 0);
    EXPECT_EQ(Bar->GetPosition(), c.To) << c.Code;
    EXPECT_EQ(Changes, c.Changes) << c.Code;
    ASSERT_EQ(Scrolls.size(), 1u) << c.Code;
    EXPECT_EQ(Scrolls[0].Position, c.To) << "OnScroll sees the target";
  }
  // OnScroll may change the target; a tracked position is stored without OnChange.
  Bar->SetOnScroll([](TObject*, TScrollCode, Integer& APos) { APos = 70; });
  Changes = 0;
  Bar->Perform(CN_HSCROLL, scTrack, 0);
  EXPECT_EQ(Bar->GetPosition(), 70);
  EXPECT_EQ(Changes, 0);
}

TEST_F(ScrollBar, ChangingTheKindSwapsWidthAndHeight) {
  Bar->SetKind(sbVertical);
  EXPECT_EQ(Bar->GetWidth(), 17);
  EXPECT_EQ(Bar->GetHeight(), 121);
  EXPECT_EQ(Bar->GetViewInfo()->GetBottomRightArrowRect(), TRect(0, 104, 17, 121));
}

TEST_F(ScrollBar, HoldingAnArrowStepsAtOnceThenAfter400ThenEvery60Milliseconds) {
  Bar->SetScrollParams(0, 1000, 0, 0);
  Press(Bar, 110, 8);  // the right arrow
  EXPECT_EQ(Bar->GetPosition(), 1);
  EXPECT_EQ(Bar->GetPressedPart(), sbpLineDown);
  Step(399);
  EXPECT_EQ(Bar->GetPosition(), 1);
  Step(1);
  EXPECT_EQ(Bar->GetPosition(), 2);
  Step(60);
  EXPECT_EQ(Bar->GetPosition(), 3);
  Step(60);
  EXPECT_EQ(Bar->GetPosition(), 4);
  // Off the arrow the repeat pauses; back on it, it goes on.
  MoveTo(Bar, 60, 8);
  Step(300);
  EXPECT_EQ(Bar->GetPosition(), 4);
  EXPECT_EQ(Bar->GetPartState(sbpLineDown), cxbsNormal);
  MoveTo(Bar, 110, 8);
  EXPECT_EQ(Bar->GetPartState(sbpLineDown), cxbsPressed);
  Step(60);
  EXPECT_EQ(Bar->GetPosition(), 5);
  Scrolls.clear();
  Release(Bar, 110, 8);
  EXPECT_EQ(Codes(), std::vector<TScrollCode>{scEndScroll});
  EXPECT_EQ(Bar->GetPressedPart(), sbpNone);
  Step(500);
  EXPECT_EQ(Bar->GetPosition(), 5);
}

TEST_F(ScrollBar, PageAreasRepeatUntilTheThumbReachesThePointer) {
  Bar->SetScrollParams(0, 99, 0, 20);
  Bar->SetLargeChange(20);
  Press(Bar, 95, 8);  // the page area right of the thumb
  EXPECT_EQ(Bar->GetPosition(), 20);
  for (int i = 0; i < 10; ++i) Step(400);
  EXPECT_EQ(Bar->GetPosition(), 80) << "stops once the thumb is under the pointer";
  EXPECT_EQ(Bar->GetScrollBarPart(TPoint(95, 8)), sbpThumbnail);
  Release(Bar, 95, 8);
}

TEST_F(ScrollBar, TheDraggedThumbFollowsThePointerOnlyNearTheBar) {
  Bar->SetScrollParams(0, 100, 0, 0);
  const TRect thumb = Bar->GetViewInfo()->GetThumbnailRect();
  Press(Bar, thumb.left + 5, 8);
  EXPECT_EQ(Bar->GetPressedPart(), sbpThumbnail);
  Scrolls.clear();
  MoveTo(Bar, thumb.left + 5 + 35, 8);
  EXPECT_EQ(Bar->GetViewInfo()->GetThumbnailRect().left, thumb.left + 35);
  EXPECT_EQ(Bar->GetPosition(), 50);
  ASSERT_FALSE(Scrolls.empty());
  EXPECT_EQ(Scrolls.back().Code, scTrack);
  // Still inside the zone: 136 pixels across the bar.
  MoveTo(Bar, thumb.left + 5 + 35, 8 + 130);
  EXPECT_EQ(Bar->GetPosition(), 50);
  // Beyond it the thumb snaps back to where the drag started.
  MoveTo(Bar, thumb.left + 5 + 35, 17 + 140);
  EXPECT_EQ(Bar->GetPosition(), 0);
  EXPECT_EQ(Bar->GetViewInfo()->GetThumbnailRect(), thumb);
  // Back near the bar it follows again; the release reports the final position.
  MoveTo(Bar, thumb.left + 5 + 70, 8);
  EXPECT_EQ(Bar->GetPosition(), 100);
  Scrolls.clear();
  Release(Bar, thumb.left + 5 + 70, 8);
  EXPECT_EQ(Codes(), (std::vector<TScrollCode>{scPosition, scEndScroll}));
  EXPECT_EQ(Bar->GetPosition(), 100);

  Bar->SetUnlimitedTracking(true);
  Bar->SetPosition(0);
  Press(Bar, thumb.left + 5, 8);
  MoveTo(Bar, thumb.left + 5 + 35, 17 + 300);
  EXPECT_EQ(Bar->GetPosition(), 50) << "unlimited tracking follows however far the pointer goes";
  Release(Bar, thumb.left + 5 + 35, 17 + 300);
}

TEST_F(ScrollBar, PartsShowHotPressedAndDisabledStates) {
  Bar->GetLookAndFeel()->SetKind(lfUltraFlat);  // a hot-tracking look
  Bar->SetScrollParams(0, 100, 50, 0);
  MoveTo(Bar, 8, 8);
  EXPECT_EQ(Bar->GetHotPart(), sbpLineUp);
  EXPECT_EQ(Bar->GetPartState(sbpLineUp), cxbsHot);
  EXPECT_EQ(Bar->GetPartState(sbpLineDown), cxbsNormal);
  Press(Bar, 8, 8);
  EXPECT_EQ(Bar->GetPartState(sbpLineUp), cxbsPressed);
  Release(Bar, 8, 8);
  MoveTo(Bar, 60, 60);  // away: the hot part goes when the pointer leaves
  Step(20);
  EXPECT_EQ(Bar->GetHotPart(), sbpNone);
  Bar->GetLookAndFeel()->SetKind(lfStandard);  // no hot tracking: the thumb is never hot
  MoveTo(Bar, Bar->GetViewInfo()->GetThumbnailRect().left + 2, 8);
  EXPECT_EQ(Bar->GetPartState(sbpThumbnail), cxbsNormal);
  Bar->SetEnabled(false);
  EXPECT_EQ(Bar->GetPartState(sbpLineUp), cxbsDisabled);
}

}  // namespace
