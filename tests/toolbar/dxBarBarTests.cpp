// Toolbars without windows: their docking setters and return position, rows, captions, the main-menu
// mark, the moving permission, merging and its refusals, and reset.
#include <gtest/gtest.h>

#include "Exceptions.h"
#include "Forms.h"
#include "HeadlessBackend.h"
#include "dxBar.h"
#include "cxClassesLinks.h"
#include "dxBarBar.h"
#include "dxBarDock.h"
#include "dxBarLookups.h"
#include "dxBarTestSupport.h"

using namespace dxBarTests;

namespace {

class BarFixture : public ::testing::Test {
 protected:
  TOwnedPtr<TForm> Form{NewTestForm()};
  TdxBarManager* Manager = New<TdxBarManager>(Form.get());

  TdxBar* AddBar(const String& ACaption) {
    TdxBar* bar = Manager->GetBars()->Add();
    bar->SetCaption(ACaption);
    return bar;
  }
  TdxBarButton* AddButton(const String& ACaption) {
    auto* button = static_cast<TdxBarButton*>(Manager->AddButton());
    button->SetCaption(ACaption);
    return button;
  }
  static std::vector<String> LinkCaptions(TdxBar* ABar) {
    std::vector<String> captions;
    for (Integer i = 0; i < ABar->GetItemLinks()->Count(); ++i)
      captions.push_back(ABar->GetItemLinks()->GetItem(i)->GetItem()->GetCaption());
    return captions;
  }
};

TEST_F(BarFixture, ANewBarJoinsItsManagerWithLinksAndTheManagersFont) {
  int added = 0;
  Manager->OnBarAdd = [&](TdxBarManager* Sender, TdxBar* ABar) {
    EXPECT_EQ(Sender, Manager);
    ++added;
  };
  Manager->GetFont()->SetName("Arial");
  TdxBar* bar = Manager->GetBars()->Add();
  EXPECT_EQ(added, 1);
  EXPECT_EQ(bar->GetBarManager(), Manager);
  ASSERT_NE(bar->GetItemLinks(), nullptr);
  EXPECT_EQ(bar->GetFont()->GetName(), "Arial");
  EXPECT_FALSE(bar->GetUseOwnFont()) << "the manager's font does not make the bar's font its own";
  bar->GetFont()->SetSize(20);
  EXPECT_TRUE(bar->GetUseOwnFont());
  EXPECT_EQ(bar->GetName(), Manager->GetName() + "Bar1");
}

TEST_F(BarFixture, ACaptionAnotherBarHasIsRefusedWithoutError) {
  TdxBar* first = AddBar("Standard");
  TdxBar* second = AddBar("Formatting");
  second->SetCaption("Standard");
  EXPECT_EQ(second->GetCaption(), "Formatting");
  first->SetCaption("Standard");
  EXPECT_EQ(first->GetCaption(), "Standard");
}

TEST_F(BarFixture, DockingSettersAndTheReturnPosition) {
  TdxBar* bar = AddBar("A");
  int changes = 0;
  Manager->OnBarDockingStyleChange = [&](TdxBarManager*, TdxBar*) { ++changes; };
  bar->SetDockingStyle(dsLeft);
  EXPECT_EQ(bar->GetDockingStyle(), dsLeft);
  EXPECT_EQ(bar->GetRealDockControl(), Manager->GetBars()->GetDockControl(dsLeft));
  EXPECT_EQ(changes, 1);
  bar->SetDockingStyle(dsNone);
  EXPECT_EQ(bar->GetRealDockControl(), nullptr);

  bar->SetDockedValue(0, -5);
  bar->SetDockedValue(1, 12);
  bar->SetFloatValue(0, -30);
  EXPECT_EQ(bar->GetDockedLeft(), 0);
  EXPECT_EQ(bar->GetDockedTop(), 12);
  EXPECT_EQ(bar->GetFloatLeft(), -30) << "a floating bar may stand left of the screen";

  // A dock control placed on the form takes the bar and gives it its side.
  auto* dock = New<TdxBarDockControl>(Form.get());
  dock->SetParent(Form.get());
  dock->SetBarManager(Manager);
  dock->SetAlign(dalBottom);
  bar->SetDockControl(dock);
  EXPECT_EQ(bar->GetDockingStyle(), dsBottom);
  EXPECT_EQ(bar->GetRealDockControl(), dock);
  bar->ChangeDockingStyle(dsTop, Manager->GetBars()->GetDockControl(dsTop));
  EXPECT_EQ(bar->GetDockControl(), nullptr) << "a main dock counts as none";
  EXPECT_EQ(bar->GetDockingStyle(), dsTop);
}

TEST_F(BarFixture, ADockControlOfAnotherManagerIsIgnored) {
  TOwnedPtr<TForm> otherForm(NewTestForm());
  auto* other = New<TdxBarManager>(otherForm.get());
  auto* foreign = New<TdxBarDockControl>(otherForm.get());
  foreign->SetParent(otherForm.get());
  foreign->SetBarManager(other);
  TdxBar* bar = AddBar("A");
  bar->SetDockingStyle(dsTop);
  bar->SetDockControl(foreign);
  bar->SetDockedDockControl(foreign);
  bar->Move(foreign, 0, 40);
  EXPECT_EQ(bar->GetDockControl(), nullptr);
  EXPECT_EQ(bar->GetDockedDockControl(), nullptr);
  EXPECT_EQ(bar->GetDockingStyle(), dsTop);
  EXPECT_EQ(bar->GetDockedLeft(), 0);
}

// An interactive row past the last lands in one new last row; while the manager is update-locked the
// rows in between are made so that the bar keeps its row.
TEST_F(BarFixture, ARowPastTheLastMakesANewRowOrEveryRowUpToItWhileLocked) {
  TdxDockControl* top = Manager->GetBars()->GetDockControl(dsTop);
  TdxBar* bar = AddBar("A");
  bar->SetDockingStyle(dsTop);
  top->AddRow();
  top->AddRow();
  bar->SetRow(7);
  EXPECT_EQ(top->GetRowCount(), 3);
  EXPECT_EQ(bar->GetRow(), 2);

  TdxBar* locked = AddBar("B");
  locked->SetDockingStyle(dsTop);
  Manager->BeginUpdate();
  locked->SetRow(7);
  Manager->EndUpdate(false);
  EXPECT_EQ(top->GetRowCount(), 8);
  EXPECT_EQ(locked->GetRow(), 7);
  locked->SetRow(-3);
  EXPECT_EQ(locked->GetRow(), 0) << "a negative row is row 0";
}

TEST_F(BarFixture, SettingIsMainMenuOnASecondBarTakesTheFlagFromTheFirst) {
  TdxBar* first = AddBar("A");
  TdxBar* second = AddBar("B");
  first->SetIsMainMenu(true);
  EXPECT_TRUE(first->GetWholeRow());
  EXPECT_TRUE(first->GetMultiLine());
  first->SetMultiLine(false);
  EXPECT_TRUE(first->GetMultiLine()) << "a main menu keeps wrapping";
  second->SetIsMainMenu(true);
  EXPECT_FALSE(first->GetIsMainMenu());
  EXPECT_FALSE(first->GetWholeRow());
  EXPECT_EQ(Manager->GetMainMenuBar(), second);
  second->Free();
  EXPECT_EQ(Manager->GetMainMenuBar(), nullptr);
}

TEST_F(BarFixture, ABarWhoseStylesAreAllRefusedCannotMove) {
  const TdxBarDockingStyles all{dsNone, dsLeft, dsTop, dsRight, dsBottom};
  TdxBar* bar = AddBar("A");
  EXPECT_TRUE(bar->CanMoving());
  bar->SetNotDocking(all);
  EXPECT_FALSE(bar->CanMoving());
  bar->SetNotDocking({dsTop});
  Manager->SetNotDocking(all);
  EXPECT_FALSE(bar->CanMoving());
}

TEST_F(BarFixture, MergingInsertsTheLinksAndUnmergingTakesThemOut) {
  TdxBar* target = AddBar("Main");
  TdxBar* child = AddBar("Child");
  target->GetItemLinks()->Add(AddButton("New"));
  child->GetItemLinks()->Add(AddButton("Print"));
  target->Merge(child);
  EXPECT_EQ(LinkCaptions(target), (std::vector<String>{"New", "Print"}));
  EXPECT_EQ(child->GetMergeData()->MergedWith, target);
  target->Unmerge(child);
  EXPECT_EQ(LinkCaptions(target), (std::vector<String>{"New"}));
  EXPECT_EQ(child->GetMergeData()->MergedWith, nullptr);
  EXPECT_EQ(target->GetMergeData()->MergedBars->GetCount(), 0);
}

// Every refusal raises its message with the captions filled in and leaves the bars as they were.
TEST_F(BarFixture, MergeAndUnmergeRefusalsChangeNothing) {
  TdxBar* a = AddBar("A");
  TdxBar* b = AddBar("B");
  TdxBar* c = AddBar("C");
  a->GetItemLinks()->Add(AddButton("One"));
  b->GetItemLinks()->Add(AddButton("Two"));
  c->GetItemLinks()->Add(AddButton("Three"));
  a->Merge(b);
  struct TCase {
    std::function<void()> Act;
    String Message;
  };
  const std::vector<TCase> cases{
      {[&] { a->Merge(a); }, "You cannot merge with the specified toolbar"},
      {[&] { a->Merge(nullptr); }, "You cannot merge with the specified toolbar"},
      {[&] { a->Merge(b); }, "The 'B' toolbar is already merged with the 'A' toolbar"},
      {[&] { c->Merge(a); }, "The 'A' toolbar has merged toolbars"},
      {[&] { b->Merge(c); }, "You cannot merge a toolbar with a toolbar that is already merged"},
      {[&] { c->Unmerge(c); }, "You cannot unmerge the specified toolbar"},
      {[&] { c->Unmerge(b); }, "The 'B' toolbar is not merged with the 'C' toolbar"},
  };
  for (const TCase& c_ : cases) {
    try {
      c_.Act();
      ADD_FAILURE() << "no refusal: " << c_.Message;
    } catch (Exception& E) {
      EXPECT_EQ(E.Message(), c_.Message);
    }
    EXPECT_EQ(LinkCaptions(a), (std::vector<String>{"One", "Two"})) << c_.Message;
    EXPECT_EQ(LinkCaptions(c), (std::vector<String>{"Three"})) << c_.Message;
    EXPECT_EQ(b->GetMergeData()->MergedWith, a) << c_.Message;
  }
}

TEST_F(BarFixture, ABarCreatedByMergingGoesWhenItsLastMergedBarLeaves) {
  TOwnedPtr<TForm> childForm(NewTestForm());
  auto* childManager = New<TdxBarManager>(childForm.get());
  TdxBar* source = childManager->GetBars()->Add();
  source->GetItemLinks()->Add(childManager->AddButton());
  TdxBar* created = Manager->CreateBarAsByMerging();
  created->Merge(source);
  TcxObjectLinkHolder link(created);
  created->Unmerge(source);
  EXPECT_FALSE(link.Alive());
}

TEST_F(BarFixture, ResetNeedsASavedSectionForTheBarsCaption) {
  TdxBar* bar = AddBar("Never saved");
  int resets = 0;
  Manager->OnBarBeforeReset = [&](TdxBarManager*, TdxBar*) { ++resets; };
  bar->Reset();
  EXPECT_EQ(resets, 0);
}

}  // namespace

namespace {

// A toolbar shown docked at the top: its window lies in the form's top dock, which takes its height,
// a press and release on a button clicks it once, its shortcuts and accelerators work; hiding the
// bar frees the window.
TEST(dxBarShownBar, ADockedToolbarShowsInTheTopDockAndClicksItsButtons) {
  TOwnedPtr<TForm> form(NewTestForm());
  form->SetBounds(0, 0, 400, 300);
  auto* manager = New<TdxBarManager>(form.get());
  form->Show();
  TdxBar* bar = manager->GetBars()->Add();
  auto* button = static_cast<TdxBarButton*>(manager->AddButton());
  button->SetCaption("New");
  std::vector<String> clicks;
  manager->OnClickItem = [&](TdxBarManager*, TdxBarItem*) { clicks.push_back("manager"); };
  button->SetOnClick([&](TObject*) { clicks.push_back("button"); });
  bar->GetItemLinks()->Add(button);
  bar->SetDockingStyle(dsTop);
  bar->SetVisible(true);
  ProcessMessages();

  TdxDockControl* top = manager->GetBars()->GetDockControl(dsTop);
  ASSERT_NE(bar->GetControl(), nullptr);
  EXPECT_EQ(bar->GetControl()->GetDockControl(), top);
  EXPECT_EQ(top->GetRowCount(), 1);
  EXPECT_GT(top->GetHeight(), 0);
  EXPECT_EQ(top->GetHeight(), bar->GetControl()->GetHeight());

  TdxBarItemControl* control = bar->GetItemLinks()->GetItem(0)->GetControl();
  ASSERT_NE(control, nullptr);
  const TRect r = bar->GetControl()->GetItemScreenRect(control);
  InjectClick((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  ProcessMessages();
  EXPECT_EQ(clicks, (std::vector<String>{"manager", "button"}));

  // The shown bar takes its buttons' shortcuts and accelerators.
  button->SetShortCut(scCtrl | 'N');
  button->SetCaption("&New");
  EXPECT_TRUE(manager->HandleShortCut(scCtrl | 'N'));
  EXPECT_EQ(clicks.size(), 4u);
  EXPECT_EQ(manager->GetItemLinkWithAccel('N', {}), bar->GetItemLinks()->GetItem(0));

  TcxObjectLinkHolder window(bar->GetControl());
  bar->SetVisible(false);
  EXPECT_FALSE(manager->HandleShortCut(scCtrl | 'N')) << "a hidden bar takes no shortcuts";
  EXPECT_FALSE(window.Alive());
  EXPECT_EQ(bar->GetControl(), nullptr);
}

}  // namespace

namespace {

// A bar goes through the form stream with its manager: read back, it is predefined, docked where it
// was, shows its window, links its items by name, and a reset brings its links back.
TEST(dxBarStreamedBar, ABarReadFromAFormStreamIsDockedShownAndResetToIt) {
  String text;
  {
    TOwnedPtr<TForm> form(NewTestForm());
    form->SetName("Main");
    auto* manager = New<TdxBarManager>(form.get());
    manager->SetName("Bars");
    auto* button = New<TdxBarButton>(form.get());  // the form's own items go into its stream
    button->SetName("btnNew");
    button->SetCaption("New");
    TdxBar* bar = manager->GetBars()->Add();
    bar->SetCaption("Tools");
    bar->GetItemLinks()->Add(button);
    bar->SetDockingStyle(dsTop);
    bar->SetOneOnRow(true);
    bar->SetVisible(true);
    text = WriteFormText(form.get());
  }
  TOwnedPtr<TForm> form(NewTestForm());
  ReadFormText(form.get(), text);
  TdxBarManager* manager = GetBarManagerByComponent(form.get());
  ASSERT_NE(manager, nullptr);
  ASSERT_EQ(manager->GetBars()->GetCount(), 1) << text;
  TdxBar* bar = manager->GetBars()->GetItem(0);
  EXPECT_EQ(bar->GetCaption(), "Tools");
  EXPECT_TRUE(bar->GetPredefined());
  EXPECT_EQ(bar->GetDockingStyle(), dsTop);
  EXPECT_TRUE(bar->GetVisible());
  ASSERT_NE(bar->GetControl(), nullptr);
  EXPECT_EQ(bar->GetControl()->GetDockControl(), manager->GetBars()->GetDockControl(dsTop));
  ASSERT_EQ(bar->GetItemLinks()->Count(), 1);
  ASSERT_NE(manager->GetItemByName("btnNew"), nullptr);
  EXPECT_EQ(bar->GetItemLinks()->GetItem(0)->GetItem(), manager->GetItemByName("btnNew"));

  // The layout saved after loading is what a reset brings back.
  std::vector<String> events;
  manager->OnBarBeforeReset = [&](TdxBarManager*, TdxBar*) { events.push_back("before"); };
  manager->OnBarAfterReset = [&](TdxBarManager*, TdxBar*) { events.push_back("after"); };
  bar->GetItemLinks()->GetItem(0)->Free();
  ASSERT_EQ(bar->GetItemLinks()->Count(), 0);
  bar->Reset();
  ASSERT_EQ(bar->GetItemLinks()->Count(), 1);
  EXPECT_EQ(bar->GetItemLinks()->GetItem(0)->GetItem(), manager->GetItemByName("btnNew"));
  EXPECT_EQ(events, (std::vector<String>{"before", "after"}));
}

}  // namespace
