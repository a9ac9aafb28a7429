// The toolbar window's row layout with item controls of fixed sizes: single-line truncation, wrapping
// at group starts, aligned items, separators, the size rules and their loops, and random rows that
// must stay inside the window without overlapping.
#include <gtest/gtest.h>

#include <random>

#include "Forms.h"
#include "WinUserDraw.h"
#include "cxGeometry.h"
#include "dxBar.h"
#include "dxBarItemControl.h"
#include "dxBarItemLinks.h"
#include "dxBarPainterLooks.h"
#include "dxBarTestSupport.h"
#include "dxBarToolbarControl.h"

namespace {

// An item whose control measures what the item says.
class TFixedSizeItem : public TdxBarItem {
  DECLARE_CLASS(TFixedSizeItem, TdxBarItem)
 public:
  explicit TFixedSizeItem(TComponent* AOwner = nullptr) : TdxBarItem(AOwner) {}
  Integer Width = 20, Height = 20, MinWidth = 0;
};
IMPLEMENT_CLASS(TFixedSizeItem)

class TFixedSizeControl : public TdxBarItemControl {
  DECLARE_CLASS(TFixedSizeControl, TdxBarItemControl)
 public:
  TFixedSizeItem* Fixed() { return static_cast<TFixedSizeItem*>(GetItem()); }
  Integer GetDefaultWidth() override { return Fixed()->Width; }
  Integer GetDefaultHeight() override { return Fixed()->Height; }
  Integer GetMinWidth() override { return Fixed()->MinWidth; }
  Integer GetMinHeight() override { return Fixed()->Height; }
};
IMPLEMENT_CLASS(TFixedSizeControl)

// A toolbar window whose alignment and wrapping the test chooses.
class TLayoutWindow : public TdxBarControl {
  DECLARE_CLASS(TLayoutWindow, TdxBarControl)
 public:
  explicit TLayoutWindow(TComponent* AOwner = nullptr) : TdxBarControl(AOwner) {}
  bool CanAlignControl(TdxBarItemControl* AControl) override { return AlignItems; }
  bool GetMultiLine() override { return MultiLine || TdxBarControl::GetMultiLine(); }
  bool AlignItems = false;
  bool MultiLine = false;
};
IMPLEMENT_CLASS(TLayoutWindow)

class TLayoutLinks : public TComponent, public IdxBarLinksOwner {
  DECLARE_CLASS(TLayoutLinks, TComponent)
 public:
  explicit TLayoutLinks(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  bool CanContainItem(TdxBarItem*, String&) override { return true; }
  TCustomdxBarControl* CreateBarControl() override {
    auto* window = static_cast<TLayoutWindow*>(TdxBarControl::Create(TLayoutWindow::StaticClass(), Manager, nullptr));
    window->SetItemLinks(Links);
    return window;
  }
  TComponent* GetComponentInstance() override { return this; }
  TdxBarItemLinks* GetItemLinks() override { return Links; }
  TdxBarManager* Manager = nullptr;
  TdxBarItemLinks* Links = nullptr;

 protected:
  void Destroy() override {
    if (TCustomdxBarControl* window = Links ? Links->GetBarControl() : nullptr) window->Free();
    FreeAndNil(Links);
    inherited::Destroy();
  }
};
IMPLEMENT_CLASS(TLayoutLinks)

struct ToolbarLayout : testing::Test {
  TOwnedPtr<TForm> Form{dxBarTests::NewTestForm()};
  TdxBarManager* Manager = nullptr;
  TOwnedPtr<TLayoutLinks> Owner{New<TLayoutLinks>()};
  TLayoutWindow* Window = nullptr;

  void SetUp() override {
    dxBarRegisterItem(TFixedSizeItem::StaticClass(), TFixedSizeControl::StaticClass(), false);
    Manager = New<TdxBarManager>(Form.get());
    Form->SetBounds(0, 0, 800, 600);
    Form->Show();
    Owner->Manager = Manager;
    Owner->Links = New<TdxBarControlItemLinks>(Manager, Owner.get());
    Owner->Links->SetUseRecentItems(false);
  }
  void TearDown() override {
    Owner.reset();
    Form.reset();
    dxBarUnregisterItem(TFixedSizeItem::StaticClass());
  }
  // Items of the given widths (all 20 high); a negative width begins a group.
  void MakeItems(std::initializer_list<Integer> AWidths, Integer AHeight = 20) {
    for (Integer width : AWidths) {
      auto* item = New<TFixedSizeItem>(Form.get());
      item->Width = std::abs(width);
      item->Height = AHeight;
      TdxBarItemLink* link = Owner->Links->Add(item);
      link->SetBeginGroup(width < 0);
    }
  }
  // The window in AStyle, its client area AClientWidth x AClientHeight, laid out.
  void Show(TdxBarDockingStyle AStyle, Integer AClientWidth, Integer AClientHeight) {
    Owner->Links->CreateBarControl();
    Window = static_cast<TLayoutWindow*>(Owner->Links->GetBarControl());
    Window->SetParent(Form.get());
    Window->SetDockingStyle(AStyle);
    Window->SetBounds(0, 0, AClientWidth, AClientHeight);
    Window->HandleNeeded();
    Resize(AClientWidth, AClientHeight);
  }
  void Resize(Integer AClientWidth, Integer AClientHeight) {
    Window->SetClientWidth(AClientWidth);
    Window->SetClientHeight(AClientHeight);
    Window->CalcLayout();
  }
  TRect RectOf(Integer AIndex) { return Owner->Links->GetItem(AIndex)->GetItemRect(); }
  Integer ShownCount() {
    Integer count = 0;
    for (Integer i = 0; i < Owner->Links->Count(); ++i) count += !cxRectIsEmpty(RectOf(i));
    return count;
  }
  TFixedSizeItem* ItemOf(Integer AIndex) { return static_cast<TFixedSizeItem*>(Owner->Links->GetItem(AIndex)->GetItem()); }
};

TEST_F(ToolbarLayout, SingleLineShowsTheLeadingItemsThatFitAndAlwaysTheFirst) {
  MakeItems({30, 40, 50});
  Show(dsTop, 200, 24);
  struct TCase {
    Integer Width;
    Integer Shown;
  };
  for (const TCase& c : {TCase{200, 3}, TCase{120, 3}, TCase{119, 2}, TCase{70, 2}, TCase{69, 1}, TCase{10, 1}}) {
    Resize(c.Width, 24);
    EXPECT_EQ(ShownCount(), c.Shown) << "client width " << c.Width;
  }
  EXPECT_EQ(RectOf(0), TRect(0, 2, 30, 22)) << "centred across the bar";
}

TEST_F(ToolbarLayout, SingleLineLeavesHiddenItemsOutOfHitTesting) {
  MakeItems({30, 40, 50});
  Show(dsTop, 75, 24);
  EXPECT_TRUE(dxBarHasHiddenItems(Window));
  EXPECT_EQ(Window->GetViewInfo()->GetItemControlCount(), 2);
  EXPECT_TRUE(Window->IsLastInRow(Owner->Links->GetItem(1)->GetControl()));
}

TEST_F(ToolbarLayout, VerticalSingleLineStacksItemsCentredAcrossTheBar) {
  MakeItems({30, 20});
  Show(dsLeft, 40, 200);
  EXPECT_EQ(RectOf(0), TRect(5, 0, 35, 20));
  EXPECT_EQ(RectOf(1), TRect(10, 20, 30, 40));
}

TEST_F(ToolbarLayout, MultiLineBreaksAtTheLastGroupStartOfTheRow) {
  MakeItems({30, 30, -30, 30, 30});
  Show(dsNone, 125, 100);
  const Integer gap = Window->GetBeginGroupSize();
  ASSERT_GT(gap, 0);
  TPoint size(Window->GetMinWidth(dsNone), Window->GetMinHeight(dsNone));
  Window->GetMultiLineBarSize(dsNone, 125, size);
  EXPECT_EQ(RectOf(1), TRect(30, 0, 60, 20));
  EXPECT_EQ(RectOf(2).left, 0) << "the group moves to the next row whole";
  EXPECT_EQ(RectOf(2).top, 20 + gap);
  EXPECT_EQ(RectOf(4), TRect(60, 20 + gap, 90, 40 + gap));
  EXPECT_EQ(size.y, 40 + gap);
  EXPECT_GE(size.x, 90);
}

TEST_F(ToolbarLayout, MultiLineWithoutGroupStartsBreaksAtTheOverflowingItem) {
  MakeItems({40, 40, 40, 40});
  Show(dsNone, 100, 100);
  TPoint size(Window->GetMinWidth(dsNone), Window->GetMinHeight(dsNone));
  Window->GetMultiLineBarSize(dsNone, 100, size);
  EXPECT_EQ(RectOf(2), TRect(0, 20, 40, 40));
  EXPECT_EQ(RectOf(3), TRect(40, 20, 80, 40));
  EXPECT_EQ(size, TPoint(std::max(80, Window->GetMinWidth(dsNone)), 40));
}

TEST_F(ToolbarLayout, AlignedItemTakesTheRestOfTheRowAndForcesTheMark) {
  struct TCase {
    TdxBarItemAlign Align;
    TRect Expected;
  };
  const TCase cases[] = {{iaCenter, TRect(100, 2, 130, 22)}, {iaRight, TRect(170, 2, 200, 22)},
                         {iaClient, TRect(30, 2, 200, 22)}};
  MakeItems({30, 30, 30});
  Show(dsTop, 200, 24);
  Window->AlignItems = true;
  for (const TCase& c : cases) {
    ItemOf(1)->SetAlign(c.Align);
    Window->SetMarkForced(false);
    Window->CalcLayout();
    EXPECT_EQ(RectOf(1), c.Expected) << "align " << c.Align;
    EXPECT_TRUE(cxRectIsEmpty(RectOf(2))) << "the item after it stays hidden";
    EXPECT_TRUE(Window->GetMarkForced());
  }
  ItemOf(1)->SetAlign(iaLeft);
  ItemOf(2)->SetAlign(iaRight);
  Window->SetMarkForced(false);
  Window->CalcLayout();
  EXPECT_EQ(RectOf(2), TRect(170, 2, 200, 22));
  EXPECT_FALSE(Window->GetMarkForced()) << "the last item aligned hides nothing";
}

TEST_F(ToolbarLayout, AlignedItemOnMultiLineBarPushesTheNextItemToANewRow) {
  MakeItems({30, 30, 30});
  Show(dsNone, 200, 100);
  Window->AlignItems = true;
  ItemOf(1)->SetAlign(iaRight);
  Window->CalcLayout();
  EXPECT_EQ(RectOf(1), TRect(170, 0, 200, 20));
  EXPECT_EQ(RectOf(2), TRect(0, 20, 30, 40));
}

TEST_F(ToolbarLayout, SeparatorsRunAcrossOrAlongTheRowByTheirPlace) {
  const Integer s = 6;
  struct TCase {
    const char* Name;
    TdxBarDockingStyle Style;
    bool MultiLine;
    Integer ClientWidth, ClientHeight;
    TdxBarItemSeparatorKind Kind;
  };
  const TCase cases[] = {
      {"beside an item of a row", dsTop, false, 200, 24, skVertical},
      {"starting a row below the first", dsNone, false, 40, 100, skHorizontal},
      {"under an item of a column", dsLeft, false, 24, 200, skHorizontal},
      {"starting a column", dsLeft, true, 100, 30, skVertical},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TearDown();
    Form.reset(dxBarTests::NewTestForm());
    Owner.reset(New<TLayoutLinks>());
    SetUp();
    MakeItems({20, -20});
    Show(c.Style, c.ClientWidth, c.ClientHeight);
    Window->MultiLine = c.MultiLine;
    if (Window->GetMultiLine()) {
      TPoint size(Window->GetMinWidth(c.Style), Window->GetMinHeight(c.Style));
      Window->GetMultiLineBarSize(c.Style, c.Style == dsLeft ? c.ClientHeight : c.ClientWidth, size);
    }
    Window->CalcLayout();
    ASSERT_EQ(Window->GetViewInfo()->GetSeparatorCount(), 1);
    const TdxBarSeparatorInfo info = Window->GetViewInfo()->GetSeparatorInfo(0);
    EXPECT_EQ(info.Kind, c.Kind);
    EXPECT_EQ(info.ItemControl, Owner->Links->GetItem(1)->GetControl());
    const TRect R = RectOf(1);
    TRect common;
    EXPECT_FALSE(IntersectRect(&common, &info.Bounds, &R)) << "the separator never covers its item";
    EXPECT_EQ(c.Kind == skVertical ? info.Bounds.Width() : info.Bounds.Height(), Window->GetBeginGroupSize());
  }
  (void)s;
}

TEST_F(ToolbarLayout, MinimumAndMaximumExtentsFollowTheStyle) {
  MakeItems({30, -40, 20}, 22);
  Show(dsTop, 200, 24);
  const Integer gap = Window->GetBeginGroupSize();
  struct TCase {
    const char* Name;
    Integer Actual, Expected;
  };
  const TCase cases[] = {
      {"min width, top: the first item", Window->GetMinWidth(dsTop), 30},
      {"min width, left: the widest item", Window->GetMinWidth(dsLeft), 40},
      {"min width, floating: never below 51", Window->GetMinWidth(dsNone), 51},
      {"max width, top: all items and gaps", Window->GetMaxWidth(dsTop), 90 + gap},
      {"max width, left: the widest item", Window->GetMaxWidth(dsLeft), 40},
      {"min height, left: the first item", Window->GetMinHeight(dsLeft), 22},
      {"min height, top: the tallest item", Window->GetMinHeight(dsTop), 22},
      {"max height, left: all items and gaps", Window->GetMaxHeight(dsLeft), 66 + gap},
  };
  for (const TCase& c : cases) EXPECT_EQ(c.Actual, c.Expected) << c.Name;
}

TEST_F(ToolbarLayout, SizeQuestionsOfMultiLineBarsEnd) {
  MakeItems({30, 40, -20, 50, 30, -60, 20});
  Show(dsNone, 300, 100);
  Window->MultiLine = true;
  for (TdxBarDockingStyle style : {dsNone, dsTop, dsLeft}) {
    for (Integer length : {0, 1, 45, 100, 1000}) {
      const TPoint forWidth = Window->GetSizeForWidth(style, length);
      const TPoint forHeight = Window->GetSizeForHeight(style, length);
      EXPECT_GE(forWidth.x, Window->GetMinWidth(style)) << style << " " << length;
      EXPECT_GE(forHeight.y, Window->GetMinHeight(style)) << style << " " << length;
    }
  }
  const TPoint narrow = Window->GetSizeForWidth(dsNone, 60);
  const TPoint wide = Window->GetSizeForWidth(dsNone, 1000);
  EXPECT_GT(narrow.y, wide.y) << "a narrower floating bar wraps into more rows";
}

TEST_F(ToolbarLayout, SingleLineSizeForWidthFitsTheLeadingItems) {
  MakeItems({30, 40, 50});
  Show(dsTop, 200, 24);
  EXPECT_EQ(Window->GetSizeForWidth(dsTop, 500), TPoint(120, 20));
  EXPECT_EQ(Window->GetSizeForWidth(dsTop, 80), TPoint(70, 20));
  EXPECT_EQ(Window->GetSizeForWidth(dsTop, 5), TPoint(30, 20)) << "the first item counts even when it does not fit";
  EXPECT_EQ(Window->GetSizeForHeight(dsTop, 5), TPoint(120, 20)) << "a top bar's height gives its full width";
}

TEST_F(ToolbarLayout, DockedSingleLineKeepsTheMostRecentItemsThatFit) {
  MakeItems({30, 40, 50});
  Owner->Links->SetUseRecentItems(true);
  Show(dsTop, 200, 24);
  ASSERT_TRUE(Owner->Links->CanUseRecentItems());
  // The links' recent list holds them in the order added: 30, 40, 50.
  ItemOf(0)->Width = 60;
  EXPECT_EQ(Window->GetSizeForWidth(dsTop, 100), TPoint(100, 20));
  EXPECT_EQ(Owner->Links->GetRecentItemCount(), 2) << "the largest count that fits stays set";
  Resize(100, 24);
  EXPECT_EQ(RectOf(1), TRect(60, 2, 100, 22));
  EXPECT_TRUE(cxRectIsEmpty(RectOf(2)));
  ItemOf(0)->Width = 130;
  EXPECT_EQ(Window->GetSizeForWidth(dsTop, 100), TPoint(130, 20)) << "the most recent item counts even alone";
  EXPECT_EQ(Owner->Links->GetRecentItemCount(), 1);
  ItemOf(0)->Width = 30;
  EXPECT_EQ(Window->GetSizeForWidth(dsTop, 500), TPoint(120, 20)) << "every count fits: all items";
  Window->GetTrackSize(dsTop);
  EXPECT_EQ(Owner->Links->GetRecentItemCount(), 3) << "the track size puts the count back";
}

TEST_F(ToolbarLayout, SizeAllCursorCoversTheGripBeforeTheClientArea) {
  MakeItems({30});
  Show(dsTop, 100, 24);
  EXPECT_EQ(Window->GetSizeAllCursorBounds(), TRect(-100, -100, 0, 100));
  Window->SetDockingStyle(dsNone);
  EXPECT_TRUE(cxRectIsEmpty(Window->GetSizeAllCursorBounds()));
}

// Random rows: shown items stay inside the client area, never overlap and keep the link order.
TEST_F(ToolbarLayout, RandomItemsStayInsideWithoutOverlapInLinkOrder) {
  std::mt19937 random(20261211);
  for (Integer round = 0; round < 40; ++round) {
    SCOPED_TRACE(round);
    TearDown();
    Form.reset(dxBarTests::NewTestForm());
    Owner.reset(New<TLayoutLinks>());
    SetUp();
    const Integer count = 1 + static_cast<Integer>(random() % 12);
    for (Integer i = 0; i < count; ++i) {
      auto* item = New<TFixedSizeItem>(Form.get());
      item->Width = 5 + static_cast<Integer>(random() % 60);
      item->Height = 10 + static_cast<Integer>(random() % 20);
      Owner->Links->Add(item)->SetBeginGroup(random() % 3 == 0);
    }
    const bool floating = round % 2 == 0;
    const Integer width = 20 + static_cast<Integer>(random() % 300);
    Show(floating ? dsNone : dsTop, width, 40);
    if (floating) {
      const TPoint size = Window->GetSizeForWidth(dsNone, width);
      Resize(size.x, size.y);
    } else {
      Resize(width, 40);
    }
    const TRect client = Window->GetClientRect();
    TRect previous;
    bool any = false;
    for (Integer i = 0; i < count; ++i) {
      const TRect R = RectOf(i);
      if (cxRectIsEmpty(R)) continue;
      const bool firstShown = !any;
      if (!firstShown || R.Width() <= client.Width()) {
        EXPECT_GE(R.left, client.left) << i;
        EXPECT_LE(R.right, client.right) << i;
      }
      EXPECT_GE(R.top, client.top) << i;
      EXPECT_LE(R.bottom, client.bottom) << i;
      if (any) {
        TRect common;
        EXPECT_FALSE(IntersectRect(&common, &R, &previous)) << i;
        EXPECT_TRUE(R.left >= previous.right || R.top >= previous.bottom) << "link order, item " << i;
      }
      previous = R;
      any = true;
    }
    EXPECT_TRUE(any);
  }
}

}  // namespace
