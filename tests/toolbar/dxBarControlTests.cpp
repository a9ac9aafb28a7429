#include <gtest/gtest.h>

#include <map>
#include <random>
#include <vector>

#include "ExtCtrls.h"
#include "Forms.h"
#include "HeadlessBackend.h"
#include "WinCursor.h"
#include "WinUser.h"
#include "cxGraphicsCanvas.h"
#include "dxBar.h"
#include "dxBarContainerItem.h"
#include "dxBarTestSupport.h"

namespace {

using dxBarTests::TTestBarLinks;
using TTestBar = dxBarTests::TTestBarWindow;

struct ClickCounter {
  std::vector<TObject*> Clicks;
  void Click(TObject* Sender) { Clicks.push_back(Sender); }
};

struct BarWindowFixture : testing::Test {
  TOwnedPtr<TForm> Form{dxBarTests::NewTestForm()};
  TdxBarManager* Manager = New<TdxBarManager>(Form.get());
  TOwnedPtr<TTestBarLinks> Owner{New<TTestBarLinks>()};
  TdxBarItemLinks* Links = nullptr;
  TTestBar* Bar = nullptr;
  std::vector<TdxBarButton*> Buttons;
  ClickCounter Counter;

  void SetUp() override {
    Owner->Manager = Manager;
    Links = New<TdxBarControlItemLinks>(Manager, Owner.get());
    Owner->Links = Links;
    for (const char* caption : {"Open", "Save", "Off"}) {
      auto* button = New<TdxBarButton>(Form.get());
      button->SetCaption(caption);
      button->SetOnClick(TNotifyEvent(&Counter, &ClickCounter::Click));
      Links->Add(button);
      Buttons.push_back(button);
    }
    Buttons[2]->SetEnabled(false);
    Form->SetBounds(0, 0, 320, 200);
    Form->Show();
    Links->CreateBarControl();
    Bar = static_cast<TTestBar*>(Links->GetBarControl());
    Bar->Customizable = true;
    Bar->SetParent(Form.get());
    Bar->SetBounds(10, 10, 160, 22);
    Bar->SetVisible(true);
    Bar->HandleNeeded();
    Bar->CalcLayout();
    ProcessMessages();
  }
  void TearDown() override {
    Owner.reset();
    Form.reset();
  }
  TPoint Screen(Integer X, Integer Y) { return Bar->ClientToScreen(TPoint(X, Y)); }
  TdxBarItemControl* ControlOf(Integer AIndex) { return Links->GetItem(AIndex)->GetControl(); }
};

// The road of a toolbar command: move, press, release; the item clicks once, and the control under
// the mouse is hot and selected on the way.
TEST_F(BarWindowFixture, APressAndReleaseOnAButtonClicksItsItemOnce) {
  ASSERT_NE(nullptr, ControlOf(0));
  const TPoint open = Screen(20, 10);
  InjectMouseMove(open.x, open.y);
  ProcessMessages();
  EXPECT_EQ(0, ControlOf(0)->GetHotPartIndex());
  EXPECT_EQ(ControlOf(0), Bar->GetSelectedControl());
  EXPECT_EQ(bvsHot, Bar->GetViewState());

  InjectMouseButton(0, true);
  ProcessMessages();
  EXPECT_TRUE(Bar->GetIsActive());
  EXPECT_TRUE(Counter.Clicks.empty());
  InjectMouseButton(0, false);
  ProcessMessages();
  EXPECT_EQ((std::vector<TObject*>{Buttons[0]}), Counter.Clicks);
  // A click on a toolbar button closes the menu chain: the bar leaves menu mode.
  EXPECT_GE(Bar->HideAllCount, 1);
  EXPECT_FALSE(Bar->GetIsActive());
}

// Moving across the bar hot-tracks each button in turn; a disabled button is selected but never hot
// and a release on it does not click.
TEST_F(BarWindowFixture, HotTrackingFollowsTheMouseAndSkipsDisabledButtons) {
  const TPoint save = Screen(60, 10);
  InjectMouseMove(Screen(20, 10).x, Screen(20, 10).y);
  ProcessMessages();
  InjectMouseMove(save.x, save.y);
  ProcessMessages();
  EXPECT_EQ(-1, ControlOf(0)->GetHotPartIndex());
  EXPECT_EQ(0, ControlOf(1)->GetHotPartIndex());
  EXPECT_EQ(ControlOf(1), Bar->GetSelectedControl());

  const TPoint off = Screen(100, 10);
  InjectClick(off.x, off.y);
  ProcessMessages();
  EXPECT_EQ(-1, ControlOf(2)->GetHotPartIndex());
  EXPECT_TRUE(Counter.Clicks.empty());
}

// A bar window never takes the activation from its form.
TEST_F(BarWindowFixture, ABarWindowAnswersNoActivate) {
  EXPECT_EQ(static_cast<LRESULT>(MA_NOACTIVATE), SendMessage(Bar->GetHandle(), WM_MOUSEACTIVATE, 0, 0));
}

// A press before any move enters the bar first; the capture change forgets nothing held.
TEST_F(BarWindowFixture, APressBeforeAnyMoveEntersTheBarFirst) {
  const TPoint open = Screen(20, 10);
  SetCursorPos(open.x, open.y);
  SendMessage(Bar->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 10));
  EXPECT_EQ(bvsHot, Bar->GetViewState());
  EXPECT_EQ(0, ControlOf(0)->GetHotPartIndex());
  SendMessage(Bar->GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
  EXPECT_EQ(1u, Counter.Clicks.size());
}

// In menu mode arrows, Home and End move the selection; an accelerator selects its link, and a letter
// that two captions share selects them in turn.
TEST_F(BarWindowFixture, KeysMoveTheSelectionInMenuMode) {
  Buttons[0]->SetCaption("&Open");
  Buttons[1]->SetCaption("&Save");
  Buttons[2]->SetEnabled(true);
  Buttons[2]->SetCaption("&Sum");
  Bar->BarGetFocus(nullptr);
  ASSERT_EQ(Bar, ActiveBarControl());
  auto key = [&](Word AKey) { SendMessage(Bar->GetHandle(), WM_KEYDOWN, AKey, 0); };
  key(VK_RIGHT);
  EXPECT_EQ(ControlOf(0), Bar->GetSelectedControl());
  key(VK_RIGHT);
  EXPECT_EQ(ControlOf(1), Bar->GetSelectedControl());
  key(VK_END);
  EXPECT_EQ(ControlOf(2), Bar->GetSelectedControl());
  key(VK_HOME);
  EXPECT_EQ(ControlOf(0), Bar->GetSelectedControl());
  key('S');
  EXPECT_EQ(ControlOf(1), Bar->GetSelectedControl());
  key('S');
  EXPECT_EQ(ControlOf(2), Bar->GetSelectedControl());
  EXPECT_TRUE(Counter.Clicks.empty());  // a shared accelerator only selects
  Bar->BarLostFocus();
  EXPECT_EQ(nullptr, ActiveBarControl());
}

// The drop-position test of a customization drag sets its outputs also when no link is hit.
TEST_F(BarWindowFixture, DragOverParametersAreResetWhenNothingIsHit) {
  TdxBarItemLink* link = Links->GetItem(0);
  bool separatorHit = true, before = true, vertical = true;
  Bar->CalcDragOverParameters(TPoint(150, 10), link, separatorHit, before, vertical);
  EXPECT_EQ(nullptr, link);
  EXPECT_FALSE(separatorHit);
  EXPECT_FALSE(before);
  EXPECT_FALSE(vertical);
  Bar->CalcDragOverParameters(TPoint(45, 10), link, separatorHit, before, vertical);
  EXPECT_EQ(Links->GetItem(1), link);
  EXPECT_TRUE(before);  // nearer the left edge of Save (40..80)
  Bar->CalcDragOverParameters(TPoint(70, 10), link, separatorHit, before, vertical);
  EXPECT_FALSE(before);
}

// Tab and Shift+Tab walk the links like Right and Left; Home and End jump; a unique accelerator selects
// its link and runs it, since the bar sends itself Enter.
TEST_F(BarWindowFixture, TabHomeEndAndAUniqueAcceleratorInMenuMode) {
  Buttons[2]->SetEnabled(true);
  Buttons[0]->SetCaption("&Open");
  Bar->BarGetFocus(nullptr);
  struct Step {
    Word Key;
    bool Shift;
    Integer Selected;
  };
  const Step steps[] = {{VK_TAB, false, 0}, {VK_TAB, false, 1}, {VK_TAB, true, 0}, {VK_END, false, 2},
                        {VK_TAB, true, 1},  {VK_HOME, false, 0}};
  for (const Step& step : steps) {
    SetKeyState(VK_SHIFT, step.Shift);
    SendMessage(Bar->GetHandle(), WM_KEYDOWN, step.Key, 0);
    SetKeyState(VK_SHIFT, false);
    EXPECT_EQ(ControlOf(step.Selected), Bar->GetSelectedControl()) << "key " << step.Key << " shift " << step.Shift;
  }
  EXPECT_TRUE(Counter.Clicks.empty());
  SendMessage(Bar->GetHandle(), WM_KEYDOWN, VK_END, 0);
  SendMessage(Bar->GetHandle(), WM_KEYDOWN, 'O', 0);
  EXPECT_EQ((std::vector<TObject*>{Buttons[0]}), Counter.Clicks);
}

// The bar windows that the keyboard's Ctrl+Tab walks: each manager's toolbars in index order.
std::map<TdxBarManager*, std::vector<TCustomdxBarControl*>> ToolbarsOf;
std::vector<TCustomdxBarControl*> TestToolbars(TdxBarManager* AManager) { return ToolbarsOf[AManager]; }

// Ctrl+Tab moves through the toolbars of a manager, skips those without a window or links, goes on
// with the next manager of the form and wraps around; a lone toolbar has nowhere to go.
TEST_F(BarWindowFixture, TheNextToolbarWrapsAcrossBarsAndManagers) {
  TPanel* panel = New<TPanel>(Form.get());
  panel->SetParent(Form.get());
  panel->SetBounds(0, 100, 300, 80);
  TdxBarManager* second = New<TdxBarManager>(panel);
  std::vector<TOwnedPtr<TTestBarLinks>> owners;
  std::vector<TdxBarItemLinks*> links;
  auto addBar = [&](TdxBarManager* AManager, bool AWithLink, bool AWithWindow) {
    owners.emplace_back(New<TTestBarLinks>());
    owners.back()->Manager = AManager;
    links.push_back(New<TdxBarControlItemLinks>(AManager, owners.back().get()));
    owners.back()->Links = links.back();
    if (AWithLink) links.back()->Add(Buttons[0]);
    links.back()->CreateBarControl();
    TCustomdxBarControl* bar = links.back()->GetBarControl();
    bar->SetParent(Form.get());
    if (AWithWindow) bar->HandleNeeded();
    return bar;
  };
  TCustomdxBarControl* noWindow = addBar(Manager, true, false);
  TCustomdxBarControl* noLinks = addBar(Manager, false, true);
  TCustomdxBarControl* other = addBar(second, true, true);
  ToolbarsOf = {{Manager, {Bar, noWindow, noLinks}}, {second, {other}}};
  EXPECT_EQ(other, FindNextBarControl(Bar, true, TestToolbars));
  EXPECT_EQ(other, FindNextBarControl(Bar, false, TestToolbars));
  EXPECT_EQ(Bar, FindNextBarControl(other, true, TestToolbars));
  ToolbarsOf = {{Manager, {noLinks, Bar}}, {second, {}}};
  EXPECT_EQ(nullptr, FindNextBarControl(Bar, true, TestToolbars));
  EXPECT_EQ(nullptr, FindNextBarControl(Bar, false, TestToolbars));
}

// The selection service of the tests: what is selected, as a designer keeps it.
class TTestDesigner : public TcxIUnknownObject, public IdxBarDesigner {
 public:
  bool CanDeleteComponent(TComponent*) override { return true; }
  void GetSelection(TList* AList) override {
    for (TPersistent* object : Selection) AList->Add(object);
  }
  TdxBarSelectionStatus GetSelectionStatus(TPersistent* APersistent) override {
    return IsComponentSelected(APersistent) ? ssActiveSelected : ssUnselected;
  }
  bool IsComponentSelected(TPersistent* APersistent) override {
    return std::find(Selection.begin(), Selection.end(), APersistent) != Selection.end();
  }
  void SelectComponent(TPersistent* APersistent, TdxBarSelectionOperation AOperation) override {
    if (AOperation == soExclusive) Selection.clear();
    if (AOperation == soExclude)
      std::erase(Selection, APersistent);
    else if (!IsComponentSelected(APersistent))
      Selection.push_back(APersistent);
  }
  void SetSelection(TList*) override {}
  void ShowDefaultEventHandler(TdxBarItem*) override {}
  String UniqueName(const String& ABaseName) override { return ABaseName; }
  std::vector<TPersistent*> Selection;
};

// While customizing, a click selects the item alone, a Shift-click adds an unselected item and takes a
// selected one out; the selected link is framed when the bar paints.
TEST_F(BarWindowFixture, ClicksWhileCustomizingSelectAddAndExclude) {
  TTestDesigner designer;
  Manager->SetDesigner(&designer);
  Manager->SetIsCustomizingFlag(true);
  struct Click {
    Integer Button;
    bool Shift;
    std::vector<TPersistent*> Selection;
  };
  const Click clicks[] = {{0, false, {Buttons[0]}},
                          {1, true, {Buttons[0], Buttons[1]}},
                          {0, true, {Buttons[1]}},
                          {1, false, {Buttons[1]}}};
  for (const Click& click : clicks) {
    SetKeyState(VK_SHIFT, click.Shift);
    SendMessage(Bar->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON | (click.Shift ? MK_SHIFT : 0),
                MAKELPARAM(click.Button * 40 + 20, 10));
    SendMessage(Bar->GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(click.Button * 40 + 20, 10));
    SetKeyState(VK_SHIFT, false);
    EXPECT_EQ(click.Selection, designer.Selection) << "button " << click.Button << " shift " << click.Shift;
  }
  EXPECT_TRUE(Counter.Clicks.empty());  // customizing never runs a command

  Bar->Repaint();
  ProcessMessages();
  EXPECT_TRUE(SaveWindowPng(Bar->GetHandle(), testing::TempDir() + "toolbar-bar-design-selection.png"));
  TOwnedPtr<TBitmap> picture(New<TBitmap>());
  picture->SetWidth(160);
  picture->SetHeight(22);
  Bar->PaintTo(picture->GetCanvas()->GetHandle(), 0, 0);
  EXPECT_EQ(ColorToRGB(clBtnShadow), picture->GetCanvas()->GetPixel(40, 0));  // the frame round Save
  EXPECT_NE(ColorToRGB(clBtnShadow), picture->GetCanvas()->GetPixel(0, 0));   // Open is not selected
  Manager->SetIsCustomizingFlag(false);
  Manager->SetDesigner(nullptr);
}

// The operation a design-time click applies to the selection.
TEST_F(BarWindowFixture, SelectionOperationTable) {
  TTestDesigner designer;
  Manager->SetDesigner(&designer);
  designer.Selection = {Buttons[1]};
  IdxBarSelectableItem* unselected = Links->GetItem(0);
  IdxBarSelectableItem* selected = Links->GetItem(1);
  struct Row {
    TMouseButton Button;
    TShiftState Shift;
    IdxBarSelectableItem* Object;
    TdxBarSelectionOperation Expected;
  };
  const Row rows[] = {
      {mbRight, {}, unselected, soExclusive},       {mbRight, {}, selected, soAdd},
      {mbLeft, {ssShift}, selected, soExclude},     {mbLeft, {ssShift}, unselected, soAdd},
      {mbLeft, {ssShift, ssCtrl}, selected, soExclusive}, {mbLeft, {}, selected, soExclusive},
      {mbMiddle, {ssShift}, unselected, soAdd},
  };
  for (const Row& row : rows)
    EXPECT_EQ(row.Expected, Bar->GetSelectionOperation(row.Button, row.Shift, row.Object));
  Manager->SetDesigner(nullptr);
}

// A container item of the tests: puts a number of links to given buttons into a bar's links and takes
// them out again; it shows them after its own link or in its place.
class TTestContainerItem : public TCustomdxBarContainerItem {
  DECLARE_CLASS(TTestContainerItem, TCustomdxBarContainerItem)
 public:
  explicit TTestContainerItem(TComponent* AOwner = nullptr) : TCustomdxBarContainerItem(AOwner) {}
  void AddListedItemLinks(TdxBarItemLinks* AItemLinks, Integer AIndex, bool AFirst, TdxBarItemLink* AItemLink) override {
    TCustomdxBarContainerItem::AddListedItemLinks(AItemLinks, AIndex, AFirst, AItemLink);
    for (size_t i = 0; i < Entries.size(); ++i) {
      TdxBarItemLink* link = AItemLinks->Add(Entries[i]);
      link->SetIndex(AIndex + static_cast<Integer>(i));
    }
    ++Expanded;
  }
  void DeleteListedItemLinks(TdxBarItemLinks* AItemLinks, Integer AIndex) override {
    for (size_t i = 0; i < Entries.size(); ++i) AItemLinks->GetItem(AIndex)->Free();
  }
  void ClearItemList() override {
    TCustomdxBarContainerItem::ClearItemList();
    ++Cleared;
  }
  bool HideWhenRun() override { return Replaces; }
  bool InternalActuallyVisible() override { return true; }
  std::vector<TdxBarItem*> Entries;
  bool Replaces = false;
  int Expanded = 0;
  int Cleared = 0;
};
IMPLEMENT_CLASS(TTestContainerItem)

// Whatever container items a bar holds, and wherever: expanding shows every entry in place of or after
// its container, and collapsing gives back the same links in the same order with the same recent order.
TEST_F(BarWindowFixture, ContainerExpansionThenCollapseRestoresLinksAndRecentOrder) {
  std::mt19937 random(36);
  for (int round = 0; round < 40; ++round) {
    Links->Clear();
    std::vector<TTestContainerItem*> containers;
    std::vector<TdxBarItem*> expected;  // the items the expanded bar shows, in order
    const int count = 1 + static_cast<int>(random() % 6);
    for (int i = 0; i < count; ++i) {
      if (random() % 2) {
        Links->Add(Buttons[random() % 3]);
        expected.push_back(Links->GetItem(Links->Count() - 1)->GetItem());
        continue;
      }
      auto* container = New<TTestContainerItem>(Form.get());
      container->Replaces = random() % 2;
      for (unsigned n = random() % 3; n > 0; --n) container->Entries.push_back(Buttons[random() % 3]);
      Links->Add(container);
      containers.push_back(container);
      if (!container->Replaces) expected.push_back(container);
      expected.insert(expected.end(), container->Entries.begin(), container->Entries.end());
    }
    // A used link comes first in the recent order.
    Links->GetItem(static_cast<Integer>(random() % count))->BringToTopInRecentList(true);
    std::vector<TdxBarItemLink*> links, recent;
    for (Integer i = 0; i < Links->Count(); ++i) links.push_back(Links->GetItem(i));
    for (Integer i = 0; i < Links->GetRecentListCount(); ++i) recent.push_back(Links->GetRecentItem(i));

    Bar->ExpandContainerItems();
    std::vector<TdxBarItem*> shown;
    for (Integer i = 0; i < Links->Count(); ++i) shown.push_back(Links->GetItem(i)->GetItem());
    EXPECT_EQ(expected, shown) << "round " << round;
    EXPECT_EQ(Links->Count(), Links->GetRecentListCount());

    Bar->CollapseContainerItems();
    std::vector<TdxBarItemLink*> linksAfter, recentAfter;
    for (Integer i = 0; i < Links->Count(); ++i) linksAfter.push_back(Links->GetItem(i));
    for (Integer i = 0; i < Links->GetRecentListCount(); ++i) recentAfter.push_back(Links->GetRecentItem(i));
    EXPECT_EQ(links, linksAfter) << "round " << round;
    EXPECT_EQ(recent, recentAfter) << "round " << round;
    for (TTestContainerItem* container : containers) {
      EXPECT_EQ(1, container->Expanded);
      EXPECT_EQ(1, container->Cleared);
    }
    Links->Clear();
    for (TTestContainerItem* container : containers) container->Free();
  }
}

// A bar destroyed while its container entries replace a link frees that link with it.
TEST_F(BarWindowFixture, ABarFreedWhileExpandedFreesTheReplacedLink) {
  auto* container = New<TTestContainerItem>(Form.get());
  container->Replaces = true;
  container->Entries = {Buttons[1]};
  Links->Clear();
  Links->Add(container);
  Bar->ExpandContainerItems();
  ASSERT_EQ(1, Links->Count());
  EXPECT_EQ(Buttons[1], Links->GetItem(0)->GetItem());
  EXPECT_EQ(1, container->GetLinkCount());
  Bar->Free();
  EXPECT_EQ(0, container->GetLinkCount());
  container->Free();
}

// Non-client painting runs the bar's own step only where it allows it; losing the focus to no window
// closes the bar's menu chain; a vertical bar writes with a font turned downwards.
TEST_F(BarWindowFixture, NonClientPaintFocusLossAndVerticalFont) {
  SendMessage(Bar->GetHandle(), WM_NCPAINT, 1, 0);
  EXPECT_EQ(1, Bar->NCPaintCount);
  Bar->NCPaintAllowed = false;
  SendMessage(Bar->GetHandle(), WM_NCPAINT, 1, 0);
  EXPECT_EQ(1, Bar->NCPaintCount);

  const int hidden = Bar->HideAllCount;
  SendMessage(Bar->GetHandle(), WM_KILLFOCUS, reinterpret_cast<WPARAM>(Form->GetHandle()), 0);
  EXPECT_EQ(hidden, Bar->HideAllCount);
  SendMessage(Bar->GetHandle(), WM_KILLFOCUS, 0, 0);
  EXPECT_EQ(hidden + 1, Bar->HideAllCount);

  Bar->Vertical = true;
  Bar->UpdateCanvasFont();
  EXPECT_EQ(-900, Bar->GetCanvas()->GetFont()->GetOrientation());
  Bar->Vertical = false;
  Bar->UpdateCanvasFont();
  EXPECT_EQ(0, Bar->GetCanvas()->GetFont()->GetOrientation());
}

// A hint over a bar's button becomes the painter's view info, with the item's screen tip.
TEST_F(BarWindowFixture, AButtonsHintBecomesAViewInfo) {
  TOwnedPtr<TObject> info(ControlOf(0)->CreateHintViewInfo("Open a file", " (Ctrl+O)"));
  EXPECT_NE(nullptr, info.get());
}

}  // namespace
