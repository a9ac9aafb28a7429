// The list box on a shown form: items with objects that survive a recreated window, owner-drawn
// items measured and drawn through the events, multiple selection with the mouse and the keys,
// typing to complete, the virtual style and the geometry queries.
#include "ClasslibTestSupport.h"

#include "DateTime.h"
#include "HeadlessBackend.h"
#include "StdCtrls.h"
#include "StringLists.h"
#include "Strings.h"
#include "WinUser.h"

using namespace ClasslibTest;

namespace {

class ListBoxTest : public TClasslibFixture {
 protected:
  TManualClock Clock{45000.0, 1000};
  TClockOverride Override{Clock};
  TForm* Form = nullptr;
  TListBox* List = nullptr;
  std::vector<String> Log;

  void SetUp() override {
    TClasslibFixture::SetUp();
    Form = TCustomForm::CreateNew<TForm>(Application);
    Form->SetBounds(100, 100, 400, 300);
    List = New<TListBox>(Form);
    List->SetParent(Form);
    List->SetBounds(10, 10, 150, 200);
    Form->Show();
    Application->ProcessMessages();
    List->OnClick = [this](TObject*) { Log.push_back("click " + IntToStr(List->GetItemIndex())); };
  }
  void Fill(std::initializer_list<const char*> items) {
    for (const char* s : items) List->GetItems()->Add(s);
  }
  void ClickItem(Integer index, std::initializer_list<int> held = {}) {
    TRect r = List->ItemRect(index);
    TPoint p = List->ClientToScreen(TPoint(r.left + 5, r.top + 2));
    for (int vk : held) InjectKey(vk, true);
    InjectClick(p.x, p.y);
    for (int vk : held) InjectKey(vk, false);
    Application->ProcessMessages();
  }
  void Press(int vk, std::initializer_list<int> held = {}) {
    for (int k : held) InjectKey(k, true);
    InjectKeyPress(vk);
    for (int k : held) InjectKey(k, false);
    Application->ProcessMessages();
  }
  std::vector<Integer> SelectedItems() {
    std::vector<Integer> out;
    for (Integer i = 0; i < List->GetCount(); ++i)
      if (List->GetSelected(i)) out.push_back(i);
    return out;
  }
};

TEST_F(ListBoxTest, ItemsKeepTheirObjectsAndTheSelectionWhenTheWindowIsRecreated) {
  TObject* tag = New<TObject>();
  Fill({"one", "two", "three"});
  List->GetItems()->SetObjects(1, tag);
  List->SetItemIndex(1);
  List->SetFocus();
  HWND before = List->GetHandle();
  List->SetStyle(lbOwnerDrawFixed);
  EXPECT_NE(List->GetHandle(), before);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_TRUE(List->Focused()) << "the new window has the focus the old one had";
  EXPECT_EQ(List->GetItems()->GetText(), "one\r\ntwo\r\nthree\r\n");
  EXPECT_EQ(List->GetItems()->GetObjects(1), tag);
  EXPECT_EQ(List->GetItemIndex(), 1);
  List->GetItems()->SetStrings(1, "TWO");
  EXPECT_EQ(List->GetItems()->GetObjects(1), tag) << "a new text keeps the object";
  EXPECT_EQ(List->GetItemIndex(), 1);
  EXPECT_EQ(List->GetItems()->IndexOf("three"), 2);
  EXPECT_THROW(List->GetItems()->GetStrings(3), Exception);
  tag->Free();
}

TEST_F(ListBoxTest, OwnerDrawVariableItemsAreMeasuredAndDrawnThroughTheEvents) {
  List->SetStyle(lbOwnerDrawVariable);
  List->OnMeasureItem = [](TWinControl*, Integer index, Integer& height) { height = 10 + 5 * index; };
  std::vector<String> drawn;
  List->OnDrawItem = [&](TWinControl* control, Integer index, TRect rect, TOwnerDrawState state) {
    drawn.push_back(IntToStr(index) + "@" + IntToStr(rect.top) + "-" + IntToStr(rect.bottom) +
                    (state.Contains(odSelected) ? " selected" : ""));
    As<TListBox>(control)->GetCanvas()->FillRect(rect);
  };
  Fill({"a", "b", "c"});
  List->SetItemIndex(1);
  EXPECT_EQ(List->ItemRect(2).top, 10 + 15);
  EXPECT_EQ(List->ItemRect(2).Height(), 20);
  EXPECT_EQ(List->ItemRect(3).top, 45) << "the place below the last item";
  List->Repaint();
  EXPECT_EQ(drawn, (std::vector<String>{"0@0-10", "1@10-25 selected", "2@25-45"}));
}

TEST_F(ListBoxTest, FixedOwnerDrawItemsTakeItemHeight) {
  List->SetStyle(lbOwnerDrawFixed);
  List->SetItemHeight(30);
  Fill({"a", "b"});
  EXPECT_EQ(List->ItemRect(1).top, 30);
  EXPECT_EQ(List->ItemAtPos(TPoint(5, 35), true), 1);
  EXPECT_EQ(List->ItemAtPos(TPoint(5, 100), true), -1);
  EXPECT_EQ(List->ItemAtPos(TPoint(5, 100), false), 2);
  EXPECT_EQ(List->ItemAtPos(TPoint(-5, 5), false), 2);
}

TEST_F(ListBoxTest, ExtendedSelectionWithMouseAndKeys) {
  List->SetMultiSelect(true);
  Fill({"a", "b", "c", "d", "e"});
  ClickItem(1);
  ClickItem(3, {VK_SHIFT});
  EXPECT_EQ(SelectedItems(), (std::vector<Integer>{1, 2, 3}));
  EXPECT_EQ(List->GetSelCount(), 3);
  ClickItem(2, {VK_CONTROL});
  EXPECT_EQ(SelectedItems(), (std::vector<Integer>{1, 3})) << "Ctrl+click toggles one item";
  ClickItem(0);
  EXPECT_EQ(SelectedItems(), std::vector<Integer>{0});
  Press(VK_DOWN, {VK_SHIFT});
  Press(VK_DOWN, {VK_SHIFT});
  EXPECT_EQ(SelectedItems(), (std::vector<Integer>{0, 1, 2}));
  EXPECT_EQ(List->GetItemIndex(), 2);
  Press(VK_END);
  EXPECT_EQ(SelectedItems(), std::vector<Integer>{4});
  EXPECT_EQ(Log.back(), "click 4");
}

TEST_F(ListBoxTest, SimpleMultipleSelectionTogglesEachClickedItem) {
  List->SetMultiSelect(true);
  List->SetExtendedSelect(false);
  Fill({"a", "b", "c"});
  ClickItem(0);
  ClickItem(2);
  EXPECT_EQ(SelectedItems(), (std::vector<Integer>{0, 2}));
  ClickItem(0);
  EXPECT_EQ(SelectedItems(), std::vector<Integer>{2});
  List->SelectAll();
  EXPECT_EQ(List->GetSelCount(), 3);
  List->DeleteSelected();
  EXPECT_EQ(List->GetCount(), 0);
}

TEST_F(ListBoxTest, TypingQuicklyCompletesToTheFirstItemStartingWithTheText) {
  Fill({"apple", "banana", "bar", "cherry", "中文"});
  List->SetFocus();
  struct TStep {
    const char* Typed;
    UInt64 Pause;  // before typing
    Integer Expected;
  };
  const TStep steps[] = {
      {"b", 0, 1}, {"a", 100, 1}, {"r", 100, 2},
      {"c", 600, 3},   // after a pause a new search starts
      {"x", 100, 3},   // "cx" matches nothing: the item stays
      {"中", 600, 4},  // a character of several bytes is searched for whole
  };
  for (const TStep& s : steps) {
    Clock.Advance(s.Pause);
    InjectText(s.Typed);
    Application->ProcessMessages();
    EXPECT_EQ(List->GetItemIndex(), s.Expected) << s.Typed;
  }
  List->SetAutoComplete(false);
  Clock.Advance(600);
  InjectText("a");
  Application->ProcessMessages();
  EXPECT_EQ(List->GetItemIndex(), 0) << "the list's own first-letter search";
}

TEST_F(ListBoxTest, VirtualItemsComeFromOnData) {
  List->SetStyle(lbVirtual);
  List->OnData = [](TWinControl*, Integer index, String& data) { data = "item " + IntToStr(index); };
  List->OnDataFind = [](TWinControl*, String text) -> Integer {
    return text.rfind("item ", 0) == 0 ? StrToInt(text.substr(5)) : -1;
  };
  List->SetCount(1000);
  EXPECT_EQ(List->GetCount(), 1000);
  EXPECT_EQ(List->GetItems()->GetStrings(567), "item 567");
  EXPECT_EQ(List->GetItems()->IndexOf("item 42"), 42);
  EXPECT_THROW(List->GetItems()->Add("x"), EListError);
  List->SetBorderStyle(bsNone);  // recreates the window
  EXPECT_EQ(List->GetCount(), 1000);
}

TEST_F(ListBoxTest, DoubleClickAndMouseUpReachTheEvents) {
  Fill({"a", "b"});
  std::vector<String> events;
  List->OnDblClick = [&](TObject*) { events.push_back("dblclick " + IntToStr(List->GetItemIndex())); };
  List->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, Integer, Integer) { events.push_back("up"); };
  TRect r = List->ItemRect(1);
  TPoint p = List->ClientToScreen(TPoint(r.left + 5, r.top + 2));
  InjectClick(p.x, p.y);
  InjectClick(p.x, p.y);
  Application->ProcessMessages();
  EXPECT_EQ(events, (std::vector<String>{"up", "dblclick 1", "up"}));
}

TEST_F(ListBoxTest, ScrollWidthIsTheHorizontalExtentTheItemsScrollOver) {
  Fill({"a long item", "b"});
  List->SetScrollWidth(400);
  EXPECT_EQ(SendMessage(List->GetHandle(), LB_GETHORIZONTALEXTENT, 0, 0), 400);
  Integer width = List->GetClientWidth();
  EXPECT_EQ(List->ItemRect(0).right, 400);
  SendMessage(List->GetHandle(), WM_HSCROLL, SB_PAGERIGHT, 0);
  EXPECT_EQ(List->ItemRect(0).left, -width);
  SendMessage(List->GetHandle(), WM_HSCROLL, SB_RIGHT, 0);
  EXPECT_EQ(List->ItemRect(1).left, -(400 - width)) << "no further than the extent";
  SCROLLINFO si;
  si.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(List->GetHandle(), SB_HORZ, &si));
  EXPECT_EQ(si.nPos, 400 - width);
  List->SetScrollWidth(0);
  EXPECT_EQ(List->ItemRect(0).left, 0) << "a smaller extent scrolls back";
  List->SetScrollWidth(300);
  List->SetSorted(true);  // recreates the window
  EXPECT_EQ(List->GetScrollWidth(), 300);
}

TEST_F(ListBoxTest, IntegralHeightShowsWholeItemsOnly) {
  List->SetBorderStyle(bsNone);
  List->SetStyle(lbOwnerDrawFixed);
  List->SetItemHeight(20);
  List->SetHeight(107);
  EXPECT_EQ(List->GetClientHeight(), 107);
  List->SetIntegralHeight(true);
  EXPECT_EQ(List->GetClientHeight(), 100) << "shrunk to five whole items when the window is made";
  List->SetHeight(75);
  EXPECT_EQ(List->GetHeight(), 60);
  List->SetHeight(15);
  EXPECT_EQ(List->GetHeight(), 15) << "never below one item";
}

}  // namespace
