// The inner list box: typed characters search its items while they come within the delay (whole
// characters, Chinese ones included), keys and presses reach its container first, its items are
// owner-drawn, and framework bars with a size grip lie over its system bars.
#include "PixelSurface.h"
#include "StringLists.h"
#include "cxContainerTestSupport.h"

using namespace cxControlsTest;
using namespace cxContainerTest;

namespace {

class InnerListBox : public TControlsFixture {
 protected:
  TTestContainer* Box = nullptr;
  TTestcxInnerListBox* List = nullptr;

  void SetUp() override {
    TControlsFixture::SetUp();
    Box = Add<TTestContainer>(20, 20, 160, 120);
    List = Box->AddInnerListBox();
    for (const char* item : {"apple", "apricot", "banana", "cherry", "价格", "价值"}) List->GetItems()->Add(item);
    ShowForm();
    List->SetFocus();
    Application->ProcessMessages();
  }
  void Type(const String& AText) {
    InjectText(AText);
    Application->ProcessMessages();
  }
};

TEST_F(InnerListBox, TypingSearchesTheItemsByWhatWasTypedWithinTheDelay) {
  EXPECT_EQ(List->GetAutoCompleteDelay(), 500u);
  Type("ap");
  EXPECT_EQ(List->GetItemIndex(), 0);
  Type("r");
  EXPECT_EQ(List->GetItemIndex(), 1) << "\"apr\"";
  Step(499);
  Type("x");
  EXPECT_EQ(List->GetItemIndex(), 1) << "\"aprx\" finds nothing; the list's own search does not run either";
  Step(500);
  Type("b");
  EXPECT_EQ(List->GetItemIndex(), 2) << "after the delay the search starts afresh";
  Step(600);
  Type("价值");
  EXPECT_EQ(List->GetItemIndex(), 5);
  Type("\b");
  EXPECT_EQ(List->GetItemIndex(), 4) << "backspace takes the whole last character";
  Type("\b");
  EXPECT_EQ(List->GetItemIndex(), 0) << "with nothing typed the first item";
}

TEST_F(InnerListBox, TheSearchSwallowsAllButBackspaceEnterAndEscape) {
  struct TCase {
    char Key;
    char Left;
  } cases[] = {{'c', 0}, {'q', 0}, {'\b', '\b'}, {'\x1b', '\x1b'}, {'\r', '\r'}};
  for (const TCase& c : cases) {
    Step(600);
    char key = c.Key;
    List->DoAutoComplete(key);
    EXPECT_EQ(key, c.Left) << int(c.Key);
  }
  List->SetAutoComplete(false);
  char key = 'c';
  List->DoAutoComplete(key);
  EXPECT_EQ(key, 'c') << "without auto-complete nothing happens";
}

TEST_F(InnerListBox, KeysAndPressesReachTheContainerFirst) {
  std::vector<String> heard;
  Box->OnKeyDown = [&](TObject*, Word& Key, TShiftState) {
    heard.push_back("down " + std::to_string(Key));
    if (Key == VK_DOWN) Key = 0;  // consumed by the container
  };
  Box->OnKeyPress = [&](TObject*, char& Key) { heard.push_back(String("press ") + Key); };
  Box->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, Integer X, Integer Y) {
    heard.push_back("mouse " + std::to_string(X) + "," + std::to_string(Y));
  };
  List->SetItemIndex(0);
  InjectKeyPress(VK_DOWN);
  Application->ProcessMessages();
  EXPECT_EQ(List->GetItemIndex(), 0) << "the key the container consumed does not move the list";
  Type("b");
  const TPoint listOrigin = List->GetBoundsRect().TopLeft();
  Press(List, 5, 3);
  Release(List, 5, 3);
  const std::vector<String> expected = {"down " + std::to_string(VK_DOWN), "down 66", "press b",
                                        "mouse " + std::to_string(listOrigin.x + 5) + "," +
                                            std::to_string(listOrigin.y + 3)};
  EXPECT_EQ(heard, expected);
  EXPECT_EQ(List->Perform(WM_GETDLGCODE, 0, 0) & (DLGC_WANTCHARS | DLGC_WANTTAB), DLGC_WANTCHARS | DLGC_WANTTAB);
}

TEST_F(InnerListBox, TabInTheListMovesToTheNextStop) {
  auto* next = Add<TEdit>(20, 200, 80, 24);
  auto* previous = Add<TEdit>(20, 240, 80, 24);
  Box->SetTabOrder(1);
  next->SetTabOrder(2);
  previous->SetTabOrder(0);
  List->SetFocus();
  Application->ProcessMessages();
  InjectKeyPress(VK_TAB);
  Application->ProcessMessages();
  EXPECT_EQ(GetFocus(), next->GetHandle());
  List->SetFocus();
  Application->ProcessMessages();
  SetKeyState(VK_SHIFT, true);
  InjectKeyPress(VK_TAB);
  Application->ProcessMessages();
  SetKeyState(VK_SHIFT, false);
  EXPECT_EQ(GetFocus(), previous->GetHandle());
  List->SetFocus();
  Application->ProcessMessages();
  SetKeyState(VK_CONTROL, true);
  EXPECT_EQ(List->Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB, 0) << "Ctrl+Tab is left to the form";
  SetKeyState(VK_CONTROL, false);
}

TEST_F(InnerListBox, OwnerDrawnItemsTakeTheSelectionColoursAndTheirOwnFocus) {
  List->SetStyle(lbOwnerDrawFixed);
  List->SetItemHeight(18);
  std::vector<Integer> drawn;
  List->OnDrawItem = [&](TWinControl*, Integer Index, TRect Rect, TOwnerDrawState) {
    drawn.push_back(Index);
    List->GetCanvas()->FillRect(Rect);  // in the colour the list box chose for the item
  };
  List->SetItemIndex(1);
  List->Invalidate();
  Application->ProcessMessages();
  EXPECT_FALSE(drawn.empty());
  HDC dc = GetDC(List->GetHandle());
  EXPECT_EQ(GetPixel(dc, 40, 18 + 9) & 0xFFFFFF, PixelSurface::RGBOf(clHighlight)) << "the selected item";
  EXPECT_EQ(GetPixel(dc, 0, 18) & 0xFFFFFF, PixelSurface::RGBOf(clHighlight)) << "no focus rectangle drawn over it";
  EXPECT_EQ(GetPixel(dc, 40, 9) & 0xFFFFFF, ColorToRGB(List->GetColor()) & 0xFFFFFF);
  ReleaseDC(List->GetHandle(), dc);
  // Drawn by the list box itself, the focused item gets the focus rectangle.
  List->OnDrawItem = nullptr;
  List->Invalidate();
  Application->ProcessMessages();
  dc = GetDC(List->GetHandle());
  EXPECT_NE(GetPixel(dc, 0, 18) & 0xFFFFFF, PixelSurface::RGBOf(clHighlight)) << "the focus rectangle";
  ReleaseDC(List->GetHandle(), dc);
}

TEST_F(InnerListBox, FrameworkBarsLieOverTheSystemBarsWithTheGripBetween) {
  for (int i = 0; i < 30; ++i) List->GetItems()->Add("item " + std::to_string(i));
  List->SetScrollWidth(400);
  Application->ProcessMessages();
  TcxScrollBar* vbar = List->GetVScrollBar();
  TcxScrollBar* hbar = List->GetHScrollBar();
  ASSERT_TRUE(vbar->GetVisible());
  ASSERT_TRUE(hbar->GetVisible());
  EXPECT_EQ(vbar->GetParent(), Box) << "placed on the list box's parent";
  SCROLLBARINFO info;
  ASSERT_TRUE(cxGetScrollBarInfo(List->GetHandle(), OBJID_VSCROLL, info));
  EXPECT_EQ(vbar->ClientToScreen(TPoint(0, 0)), TPoint(info.rcScrollBar.left, info.rcScrollBar.top));
  SCROLLINFO values;
  values.fMask = SIF_ALL;
  GetScrollInfo(List->GetHandle(), SB_VERT, &values);
  EXPECT_EQ(vbar->GetMax(), values.nMax);
  EXPECT_EQ(vbar->GetPageSize(), static_cast<Integer>(values.nPage));
  // Scrolling through the framework bar scrolls the list, and the bar follows.
  Integer pos = 5;
  vbar->OnScroll(vbar, scPosition, pos);
  EXPECT_EQ(List->GetTopIndex(), 5);
  List->SetTopIndex(9);
  Application->ProcessMessages();
  EXPECT_EQ(vbar->GetPosition(), 9);
  // The grip square between the bars has the painter's grip colour.
  const TRect grip = List->GetSizeGripRect();
  EXPECT_EQ(grip.Width(), vbar->GetWidth());
  EXPECT_EQ(grip.Height(), hbar->GetHeight());
  RedrawWindow(List->GetHandle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  HDC dc = GetWindowDC(List->GetHandle());
  EXPECT_EQ(GetPixel(dc, grip.left + 2, grip.top + 2) & 0xFFFFFF,
            ColorToRGB(Box->GetLookAndFeelPainter()->DefaultSizeGripAreaColor()) & 0xFFFFFF);
  ReleaseDC(List->GetHandle(), dc);
  EXPECT_TRUE(SaveWindowPngScaled(Form->GetHandle(), testing::TempDir() + "container-inner-list-box.png", 2));
  // Fewer items: the vertical bar goes with the system one, and the grip with it.
  List->GetItems()->Clear();
  Application->ProcessMessages();
  EXPECT_FALSE(vbar->GetVisible());
  EXPECT_TRUE(cxRectIsEmpty(List->GetSizeGripRect()));
}

}  // namespace
