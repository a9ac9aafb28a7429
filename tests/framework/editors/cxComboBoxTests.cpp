// The combo box: opening and closing its list by keys, clicks and paste through the posted show
// message, the list's rows and size, the list styles, typing into it, and keys in the open list.
#include "Clipbrd.h"
#include "HeadlessBackend.h"
#include "Messages.h"
#include "WinUser.h"
#include "cxDropDownEdit.h"
#include "cxEditTestSupport.h"

namespace {

using cxEditTest::TEditFixture;

// A colour as a captured picture's pixel holds it (red in the high byte, no alpha).
uint32_t PixelRgb(TColor AColor) {
  const COLORREF c = ColorToRGB(AColor);
  return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

class cxComboBox : public TEditFixture {
 protected:
  TcxComboBox* Combo = nullptr;
  void SetUp() override {
    TEditFixture::SetUp();
    Combo = Add<TcxComboBox>(10, 10, 150, 21);
    Combo->GetProperties()->OnPopup = LogEvent("popup");
    Combo->GetProperties()->OnCloseUp = LogEvent("closeup");
  }
  void AddItems(Integer ACount) {
    for (Integer i = 0; i < ACount; ++i) Combo->GetProperties()->GetItems()->Add("item " + std::to_string(i));
  }
  void Focus() {
    ShowForm();
    Combo->SetFocus();
    Application->ProcessMessages();
  }
  static void Key(int AKey, bool AAlt = false) {
    if (AAlt) SetKeyState(VK_MENU, true);
    InjectKeyPress(AKey);
    if (AAlt) SetKeyState(VK_MENU, false);
    Application->ProcessMessages();
  }
  static void Type(const String& AText) {
    InjectText(AText);
    Application->ProcessMessages();
  }
  TcxComboBoxListBox* List() const { return Combo->GetListBox(); }
};

TEST_F(cxComboBox, KeysOpenAndCloseTheList) {
  AddItems(3);
  Focus();
  Key(VK_F4);
  ASSERT_TRUE(Combo->GetDroppedDown());
  EXPECT_EQ(Log, (std::vector<String>{"popup"}));
  Key(VK_F4);
  EXPECT_FALSE(Combo->GetDroppedDown());
  EXPECT_EQ(Combo->GetCloseUpReason(), crClose);
  Key(VK_DOWN, true);
  EXPECT_TRUE(Combo->GetDroppedDown());
  Key(VK_UP, true);
  EXPECT_FALSE(Combo->GetDroppedDown());
  EXPECT_EQ(Log, (std::vector<String>{"popup", "closeup", "popup", "closeup"}));
}

TEST_F(cxComboBox, TwoRequestsBeforeTheMessageLoopOpenOnce) {
  AddItems(3);
  Focus();
  Combo->SetDroppedDown(true);
  Combo->SetDroppedDown(true);
  EXPECT_FALSE(Combo->GetDroppedDown());  // queued: shown when the posted message is served
  Application->ProcessMessages();
  EXPECT_TRUE(Combo->GetDroppedDown());
  EXPECT_EQ(Log, (std::vector<String>{"popup"}));
}

TEST_F(cxComboBox, DeactivatingWithARequestQueuedFinalizesThePopup) {
  AddItems(3);
  Combo->GetProperties()->OnInitPopup = LogEvent("init");
  Focus();
  Combo->SetDroppedDown(true);
  Combo->Deactivate();
  EXPECT_EQ(Log, (std::vector<String>{"init", "closeup"}));
  Application->ProcessMessages();
  EXPECT_FALSE(Combo->GetDroppedDown());
  // The next request initializes the popup again.
  Combo->SetDroppedDown(true);
  Application->ProcessMessages();
  EXPECT_EQ(Log, (std::vector<String>{"init", "closeup", "init", "popup"}));
}

TEST(cxDropDownEditProperties, PopupSizesKeepTheirBounds) {
  TOwnedPtr<TcxComboBoxProperties> properties(New<TcxComboBoxProperties>());
  properties->SetPopupMinHeight(50);
  properties->SetPopupHeight(20);
  EXPECT_EQ(properties->GetPopupHeight(), 50);
  properties->SetPopupWidth(-5);
  EXPECT_EQ(properties->GetPopupWidth(), 0);
  properties->SetPopupMinWidth(80);
  properties->SetPopupWidth(40);
  EXPECT_EQ(properties->GetPopupWidth(), 80);
  properties->SetPopupMinHeight(-1);
  EXPECT_EQ(properties->GetPopupMinHeight(), 0);
}

TEST_F(cxComboBox, WithoutItemsTheListNeverOpens) {
  Focus();
  Key(VK_F4);
  EXPECT_FALSE(Combo->GetDroppedDown());
  EXPECT_TRUE(Log.empty());
}

TEST_F(cxComboBox, EnterSelectsTheHighlightedItemAndEscapeDoesNot) {
  AddItems(5);
  Focus();
  Key(VK_F4);
  List()->SetItemIndex(2);
  Key(VK_RETURN);
  EXPECT_FALSE(Combo->GetDroppedDown());
  EXPECT_EQ(Combo->GetCloseUpReason(), crEnter);
  EXPECT_EQ(Combo->GetText(), "item 2");

  Key(VK_F4);
  List()->SetItemIndex(4);
  Key(VK_ESCAPE);
  EXPECT_FALSE(Combo->GetDroppedDown());
  EXPECT_EQ(Combo->GetCloseUpReason(), crCancel);
  EXPECT_EQ(Combo->GetText(), "item 2");
}

TEST_F(cxComboBox, EnterRefusedByEditingClosesAsCancel) {
  AddItems(3);
  Focus();
  Key(VK_F4);
  Combo->OnEditing = TcxEditEditingEvent([](TObject*, bool& CanEdit) { CanEdit = false; });
  List()->SetItemIndex(1);
  Key(VK_RETURN);
  EXPECT_FALSE(Combo->GetDroppedDown());
  EXPECT_EQ(Combo->GetCloseUpReason(), crCancel);
  EXPECT_EQ(Combo->GetText(), "");
}

TEST_F(cxComboBox, WithPostPopupValueOnTabTabSelectsAndTheEditorTakesIt) {
  AddItems(3);
  Combo->GetProperties()->SetPostPopupValueOnTab(true);
  auto* next = Add<TcxComboBox>(10, 50, 150, 21);
  Focus();
  Key(VK_F4);
  List()->SetItemIndex(2);
  Key(VK_TAB);
  EXPECT_FALSE(Combo->GetDroppedDown());
  EXPECT_EQ(Combo->GetCloseUpReason(), crTab);
  EXPECT_EQ(Combo->GetText(), "item 2");
  EXPECT_TRUE(next->Focused());  // then Tab moves on as in any editor
}

TEST_F(cxComboBox, TypingOpensTheListAndSearchesIncrementally) {
  for (const char* item : {"apple", "apricot", "banana"}) Combo->GetProperties()->GetItems()->Add(item);
  Focus();
  Type("apr");
  EXPECT_TRUE(Combo->GetDroppedDown());
  EXPECT_EQ(Combo->GetText(), "apricot");
  EXPECT_EQ(List()->GetItemIndex(), 1);
  Key(VK_RETURN);
  EXPECT_EQ(Combo->GetText(), "apricot");
  EXPECT_EQ(Combo->GetItemIndex(), 1);
}

TEST_F(cxComboBox, PasteOpensTheListOnTheMatchingItem) {
  for (const char* item : {"apple", "apricot", "banana"}) Combo->GetProperties()->GetItems()->Add(item);
  Focus();
  Clipboard()->SetAsText("banana");
  Combo->PasteFromClipboard();
  Application->ProcessMessages();
  EXPECT_TRUE(Combo->GetDroppedDown());
  EXPECT_EQ(List()->GetItemIndex(), 2);
}

TEST_F(cxComboBox, TheListShowsAtMostTheDropDownRows) {
  const struct {
    Integer Items;
    Integer Rows;
    bool ScrollBar;
  } cases[] = {{20, 8, true}, {5, 5, false}};
  for (const auto& c : cases) {
    Combo->GetProperties()->GetItems()->Clear();
    AddItems(c.Items);
    Focus();
    Key(VK_F4);
    ASSERT_TRUE(Combo->GetDroppedDown()) << c.Items;
    const Integer rowHeight = List()->GetItemHeight(0);
    EXPECT_EQ(List()->GetClientHeight(), c.Rows * rowHeight) << c.Items;
    const bool scrollBar = (GetWindowLong(List()->GetHandle(), GWL_STYLE) & WS_VSCROLL) != 0;
    EXPECT_EQ(scrollBar, c.ScrollBar) << c.Items;
    Key(VK_ESCAPE);
  }
}

TEST_F(cxComboBox, AnOwnerDrawnListDrawsItsItemsThroughTheHandler) {
  AddItems(3);
  std::vector<Integer> drawn;
  Combo->GetProperties()->OnDrawItem = TcxEditDrawItemEvent(
      [&drawn](TcxCustomComboBox*, TcxCanvas* ACanvas, Integer AIndex, const TRect& ARect, TOwnerDrawState) {
        ACanvas->FillRect(ARect, clRed);
        drawn.push_back(AIndex);
      });
  Combo->GetProperties()->OnMeasureItem =
      TcxComboBoxMeasureItemEvent([](TcxCustomComboBox*, Integer AIndex, TcxCanvas*, Integer& AHeight) {
        AHeight = 10 + AIndex * 5;
      });
  Focus();
  Key(VK_F4);
  ASSERT_TRUE(Combo->GetDroppedDown());
  Combo->GetPopupWindow()->Update();
  List()->Update();
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), 2), drawn.end());
  // Rows of their measured heights: 10 + 15 + 20.
  EXPECT_EQ(List()->GetClientHeight(), 45);
}

TEST_F(cxComboBox, DropDownRowsIgnoresValuesBelowOne) {
  TcxComboBoxProperties* properties = Combo->GetProperties();
  properties->SetDropDownRows(12);
  properties->SetDropDownRows(0);
  properties->SetDropDownRows(-3);
  EXPECT_EQ(properties->GetDropDownRows(), 12);
}

TEST_F(cxComboBox, ListStylesGiveTheEditingStyles) {
  const struct {
    TcxEditDropDownListStyle Style;
    TcxEditEditingStyle Editing;
    bool OpensOnClick;
  } cases[] = {{lsEditFixedList, esEditList, false}, {lsEditList, esEdit, false}, {lsFixedList, esFixedList, true}};
  for (const auto& c : cases) {
    Combo->GetProperties()->SetDropDownListStyle(c.Style);
    EXPECT_EQ(Combo->GetProperties()->GetEditingStyle(), c.Editing);
    EXPECT_EQ(Combo->GetProperties()->DropDownOnClick(), c.OpensOnClick);
  }
}

TEST_F(cxComboBox, AFixedListOpensOnAClickAndAReleaseOnAnItemSelectsIt) {
  AddItems(5);
  Combo->GetProperties()->SetDropDownListStyle(lsFixedList);
  Focus();
  Press(Combo, 20, 10);
  Release(Combo, 20, 10);
  ASSERT_TRUE(Combo->GetDroppedDown());
  const TRect item = List()->ItemRect(3);
  Press(List(), item.left + 5, item.top + 2);
  Release(List(), item.left + 5, item.top + 2);
  EXPECT_FALSE(Combo->GetDroppedDown());
  EXPECT_EQ(Combo->GetCloseUpReason(), crEnter);
  EXPECT_EQ(Combo->GetText(), "item 3");
}


TEST_F(cxComboBox, AnItemChosenByTheEditorIsNotUndoneByTheNextPointerMove) {
  AddItems(5);
  Focus();
  Key(VK_F4);
  ASSERT_TRUE(Combo->GetDroppedDown());
  const auto moveOver = [this](Integer AIndex) {
    const TRect item = List()->ItemRect(AIndex);
    const TPoint p = List()->ClientToScreen(TPoint(item.left + 5, item.top + 2));
    InjectMouseMove(p.x, p.y);
    Application->ProcessMessages();
  };
  moveOver(0);
  moveOver(1);
  ASSERT_EQ(Combo->GetSelectedItem(), 1);  // the list follows the pointer
  Combo->SetSelectedItem(3);
  moveOver(0);
  EXPECT_EQ(Combo->GetSelectedItem(), 3);
  moveOver(2);
  EXPECT_EQ(Combo->GetSelectedItem(), 2);
  Key(VK_ESCAPE);
}
TEST_F(cxComboBox, TheDropDownButtonOpensTheList) {
  AddItems(3);
  Focus();
  const TRect button = Combo->GetViewInfo()->ButtonsInfo.at(0)->Bounds;
  Press(Combo, button.left + 3, button.top + 3);
  Release(Combo, button.left + 3, button.top + 3);
  EXPECT_TRUE(Combo->GetDroppedDown());
  // A press on the button again closes the list and does not open it anew.
  Press(Combo, button.left + 3, button.top + 3);
  Release(Combo, button.left + 3, button.top + 3);
  EXPECT_FALSE(Combo->GetDroppedDown());
}

TEST_F(cxComboBox, ADoubleClickOnARevertableComboMovesToTheNextItemAndWraps) {
  AddItems(3);
  Combo->GetProperties()->SetRevertable(true);
  Focus();
  Combo->SetItemIndex(1);
  for (const char* expected : {"item 2", "item 0"}) {
    SendMessage(Combo->GetHandle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 10));
    Application->ProcessMessages();
    EXPECT_EQ(Combo->GetText(), expected);
  }
}

TEST_F(cxComboBox, LeavingCollapsesTheSelectionOnlyWhenItIsAutoSelectedAndHidden) {
  const struct {
    bool AutoSelect, HideSelection, Collapses;
  } cases[] = {{true, true, true}, {true, false, false}, {false, true, false}};
  auto* next = Add<TcxComboBox>(10, 50, 150, 21);
  for (const auto& c : cases) {
    Combo->GetProperties()->SetAutoSelect(c.AutoSelect);
    Combo->GetProperties()->SetHideSelection(c.HideSelection);
    Combo->SetText("hello world");
    Focus();
    Combo->SetSelection(2, 3);
    next->SetFocus();
    Application->ProcessMessages();
    EXPECT_EQ(Combo->GetSelStart(), c.Collapses ? 0 : 2) << c.AutoSelect << c.HideSelection;
    EXPECT_EQ(Combo->GetSelLength(), c.Collapses ? 0 : 3) << c.AutoSelect << c.HideSelection;
  }
}

TEST_F(cxComboBox, AReleaseNeverClicksTheComboBoxOrItsInnerEdit) {
  Integer clicks = 0;
  const TNotifyEvent count([&clicks](TObject*) { ++clicks; });
  Combo->OnClick = count;
  Focus();
  TControl* inner = Combo->GetInnerEdit()->GetControl();
  inner->OnClick = count;
  for (TControl* control : {static_cast<TControl*>(Combo), inner}) {
    // A press that the control would turn into a click, released inside it.
    control->ControlState.Include(csClicked);
    control->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }
  EXPECT_EQ(clicks, 0);
}

}  // namespace

namespace {

// Paints each colour name in its colour, behind a swatch.
const std::pair<const char*, TColor> Swatches[] = {
    {"\xE7\xBA\xA2\xE8\x89\xB2", clRed}, {"\xE7\xBB\xBF\xE8\x89\xB2", clGreen}, {"\xE8\x93\x9D\xE8\x89\xB2", clBlue}};

TcxEditDrawItemEvent SwatchDrawer(std::vector<std::pair<TcxCustomComboBox*, TOwnerDrawState>>& ACalls,
                                  std::vector<Integer>& AIndexes) {
  return TcxEditDrawItemEvent([&ACalls, &AIndexes](TcxCustomComboBox* AControl, TcxCanvas* ACanvas, Integer AIndex,
                                                   const TRect& ARect, TOwnerDrawState AState) {
    ACalls.emplace_back(AControl, AState);
    AIndexes.push_back(AIndex);
    const bool selected = AState.Contains(odSelected) && !AState.Contains(odComboBoxEdit);
    ACanvas->FillRect(ARect, selected ? clHighlight : clWindow);
    ACanvas->GetFont()->SetColor(selected ? clHighlightText : clWindowText);
    const TRect swatch(ARect.left + 2, ARect.top + 2, ARect.left + 14, ARect.bottom - 2);
    ACanvas->FillRect(swatch, Swatches[AIndex].second);
    ACanvas->GetBrush()->SetStyle(bsClear);
    ACanvas->GetCanvas()->TextOut(ARect.left + 18, ARect.top + 1, Swatches[AIndex].first);
    ACanvas->GetBrush()->SetStyle(bsSolid);
  });
}

}  // namespace

TEST_F(cxComboBox, AFixedListValueIsDrawnByTheItemHandler) {
  for (const auto& swatch : Swatches) Combo->GetProperties()->GetItems()->Add(swatch.first);
  std::vector<std::pair<TcxCustomComboBox*, TOwnerDrawState>> calls;
  std::vector<Integer> indexes;
  Combo->GetProperties()->SetDropDownListStyle(lsFixedList);
  Combo->GetProperties()->OnDrawItem = SwatchDrawer(calls, indexes);
  Combo->SetItemIndex(1);
  auto* unfocused = Add<TcxComboBox>(200, 10, 150, 21);
  unfocused->GetProperties()->Assign(Combo->GetProperties());
  unfocused->SetItemIndex(2);
  Focus();
  unfocused->Invalidate();
  unfocused->Update();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.back().first, unfocused);
  EXPECT_EQ(indexes.back(), 2);
  EXPECT_EQ(calls.back().second, TOwnerDrawState{odComboBoxEdit});
  Combo->Invalidate();
  Combo->Update();
  EXPECT_EQ(calls.back().first, Combo);
  EXPECT_EQ(indexes.back(), 1);
  EXPECT_EQ(calls.back().second, (TOwnerDrawState{odSelected, odFocused, odComboBoxEdit}));

  // Without a handler the text is drawn as usual.
  auto* plain = Add<TcxComboBox>(200, 40, 150, 21);
  plain->GetProperties()->GetItems()->Add("plain");
  plain->GetProperties()->SetDropDownListStyle(lsFixedList);
  plain->SetItemIndex(0);
  const size_t before = calls.size();
  plain->Invalidate();
  plain->Update();
  EXPECT_EQ(calls.size(), before);

  Combo->GetProperties()->SetDropDownSizeable(true);
  Key(VK_F4);
  ASSERT_TRUE(Combo->GetDroppedDown());
  Application->ProcessMessages();
  Form->Update();
  GdiSurface::TGdiSurface form, popup;
  ASSERT_TRUE(CaptureWindow(Form->GetHandle(), form));
  ASSERT_TRUE(CaptureWindow(Combo->GetPopupWindow()->GetHandle(), popup));
  // The form with the open list laid over it where it shows on the screen.
  RECT formRect, popupRect;
  GetWindowRect(Form->GetHandle(), &formRect);
  GetWindowRect(Combo->GetPopupWindow()->GetHandle(), &popupRect);
  for (int y = 0; y < popup.Height(); ++y)
    for (int x = 0; x < popup.Width(); ++x) {
      const int fx = popupRect.left - formRect.left + x, fy = popupRect.top - formRect.top + y;
      if (fx < form.Width() && fy < form.Height()) form.SetPixel(fx, fy, popup.Pixel(x, y));
    }
  EXPECT_TRUE(SaveSurfaceToPng(form, testing::TempDir() + "combobox-custom-draw-open.png"));
  Key(VK_ESCAPE);
}

TEST_F(cxComboBox, AFixedSizeListShowsEveryRowOfADrawnList) {
  for (const auto& swatch : Swatches) Combo->GetProperties()->GetItems()->Add(swatch.first);
  std::vector<std::pair<TcxCustomComboBox*, TOwnerDrawState>> calls;
  std::vector<Integer> indexes;
  Combo->GetProperties()->SetDropDownListStyle(lsFixedList);
  Combo->GetProperties()->OnDrawItem = SwatchDrawer(calls, indexes);
  Combo->GetProperties()->SetDropDownSizeable(false);
  Combo->SetItemIndex(1);
  Focus();
  Key(VK_F4);
  ASSERT_TRUE(Combo->GetDroppedDown());
  Application->ProcessMessages();
  Combo->GetPopupWindow()->Update();
  // No scroll bars of the popup's own take room from the list.
  RECT client;
  GetClientRect(Combo->GetPopupWindow()->GetHandle(), &client);
  EXPECT_EQ(TSize(client.right, client.bottom),
            TSize(Combo->GetPopupWindow()->GetWidth(), Combo->GetPopupWindow()->GetHeight()));
  GdiSurface::TGdiSurface popup;
  ASSERT_TRUE(CaptureWindow(Combo->GetPopupWindow()->GetHandle(), popup));
  EXPECT_TRUE(SaveSurfaceToPng(popup, testing::TempDir() + "combobox-fixed-size-open.png"));
  // Every row's swatch shows, top to bottom.
  std::vector<uint32_t> swatchesSeen;
  for (int y = 0; y < popup.Height(); ++y)
    for (int x = 0; x < popup.Width(); ++x) {
      const uint32_t p = popup.Pixel(x, y) & 0xFFFFFFu;
      for (const auto& swatch : Swatches)
        if (p == PixelRgb(swatch.second) && (swatchesSeen.empty() || swatchesSeen.back() != p)) swatchesSeen.push_back(p);
    }
  EXPECT_EQ(swatchesSeen, (std::vector<uint32_t>{PixelRgb(clRed), PixelRgb(clGreen), PixelRgb(clBlue)}));
  Key(VK_ESCAPE);
}

TEST(cxComboBoxViewData, ACellValueIsDrawnByTheSettingsHandlerWithoutAControl) {
  TOwnedPtr<TcxComboBoxProperties> properties(New<TcxComboBoxProperties>());
  for (const auto& swatch : Swatches) properties->GetItems()->Add(swatch.first);
  properties->SetDropDownListStyle(lsFixedList);
  std::vector<std::pair<TcxCustomComboBox*, TOwnerDrawState>> calls;
  std::vector<Integer> indexes;
  properties->OnDrawItem = SwatchDrawer(calls, indexes);
  TOwnedPtr<TcxEditStyleController> controller(New<TcxEditStyleController>(nullptr));
  TOwnedPtr<TcxCustomEditViewData> data(properties->CreateViewData(controller->GetStyle(), true));
  TOwnedPtr<TcxCustomEditViewInfo> info(static_cast<TcxCustomEditViewInfo*>(
      TcxContainerViewInfo::Create(properties->GetViewInfoClass())));
  TOwnedPtr<TBitmap> bitmap(New<TBitmap>());
  bitmap->SetSize(120, 20);
  TOwnedPtr<TcxCanvas> canvas(New<TcxCanvas>(bitmap->GetCanvas()));
  data->Calculate(canvas.get(), TRect(0, 0, 120, 20), TPoint(-1, -1), cxmbNone, {}, info.get(), false);
  data->EditValueToDrawValue(canvas.get(), Variant(String(Swatches[2].first)), info.get());
  EXPECT_EQ(static_cast<TcxCustomComboBoxViewInfo*>(info.get())->ItemIndex, 2);
  info->Paint(canvas.get());
  ASSERT_EQ(indexes, std::vector<Integer>{2});
  EXPECT_EQ(calls[0].first, nullptr);
  data->EditValueToDrawValue(canvas.get(), Variant("none of them"), info.get());
  EXPECT_EQ(static_cast<TcxCustomComboBoxViewInfo*>(info.get())->ItemIndex, -1);
}

TEST_F(cxComboBox, ResettingThePopupHeightForgetsTheUsersHeight) {
  Combo->GetProperties()->SetPopupHeight(120);
  Combo->ResetPopupHeight();
  EXPECT_EQ(Combo->GetProperties()->GetPopupHeight(), 0);
}

TEST_F(cxComboBox, ThePopupsControlsFollowTheEditorsLook) {
  AddItems(3);
  Combo->GetStyle()->GetLookAndFeel()->SetNativeStyle(false);
  Combo->GetStyle()->GetLookAndFeel()->SetKind(lfFlat);
  std::vector<TcxLookAndFeelKind> kinds;
  TcxEditPopupControlLookAndFeel* look = Combo->GetPopupControlsLookAndFeel();
  look->OnChanged = TcxLookAndFeelChangedEvent(
      [&kinds](TcxLookAndFeel* Sender, TcxLookAndFeelValues) { kinds.push_back(Sender->GetKind()); });
  Focus();
  Key(VK_F4);
  ASSERT_TRUE(Combo->GetDroppedDown());
  EXPECT_EQ(look->GetKind(), GetEditPopupWindowControlsLookAndFeelKind(Combo));
  EXPECT_EQ(List()->GetLookAndFeel()->GetMasterLookAndFeel(), look);
  Key(VK_ESCAPE);
  const size_t before = kinds.size();
  Combo->GetStyle()->GetLookAndFeel()->SetKind(lfUltraFlat);
  Application->ProcessMessages();
  EXPECT_EQ(look->GetKind(), GetEditPopupWindowControlsLookAndFeelKind(Combo));
  EXPECT_GT(kinds.size(), before) << "the change reaches the popup's controls";
}

namespace {

enum class TOpening { ClickReleasedOnTheButton, ClickReleasedInThePopup, F4, AltDown, F4WhileHeld, Paste };

struct TOpeningCase {
  TOpening Opening;
  const char* Name;
};

const TOpeningCase Openings[] = {{TOpening::ClickReleasedOnTheButton, "click released on the button"},
                                 {TOpening::ClickReleasedInThePopup, "click released in the popup"},
                                 {TOpening::F4, "F4"},
                                 {TOpening::AltDown, "Alt+Down"},
                                 {TOpening::F4WhileHeld, "F4 with the left button held over the button"},
                                 {TOpening::Paste, "paste"}};

}  // namespace

// The drop-down button drawn held while the list is open is no press of the user's: the refreshes
// that follow the opening, over the button or beside it, leave the list open.
TEST_F(cxComboBox, TheListStaysOpenThroughTheRefreshesAfterItOpens) {
  AddItems(3);
  for (const bool keepPressed : {false, true}) {
    Combo->GetProperties()->SetKeepArrowButtonPressedWhenDroppedDown(keepPressed);
    for (const TOpeningCase& c : Openings) {
      const std::string name = std::string(c.Name) + (keepPressed ? ", kept pressed" : "");
      Combo->SetText("");
      Focus();
      const TRect button = Combo->GetViewInfo()->ButtonsInfo.at(0)->Bounds;
      const TPoint onButton(button.left + 3, button.top + 3);
      switch (c.Opening) {
        case TOpening::ClickReleasedOnTheButton:
          Press(Combo, onButton.x, onButton.y);
          Release(Combo, onButton.x, onButton.y);
          break;
        case TOpening::ClickReleasedInThePopup:
          Press(Combo, onButton.x, onButton.y);
          ASSERT_TRUE(Combo->GetDroppedDown()) << name;
          {
            // On the popup's border, away from the list's items (a release on an item chooses it).
            const TRect popup = Combo->GetPopupWindow()->GetBoundsRect();
            InjectMouseMove(popup.left, popup.top);
            InjectMouseButton(0, false);
            Application->ProcessMessages();
          }
          break;
        case TOpening::F4: Key(VK_F4); break;
        case TOpening::AltDown: Key(VK_DOWN, true); break;
        case TOpening::F4WhileHeld:
          MoveTo(Combo, onButton.x, onButton.y);
          SetKeyState(VK_LBUTTON, true);
          Key(VK_F4);
          ASSERT_TRUE(Combo->GetDroppedDown()) << name;
          Release(Combo, onButton.x, onButton.y);
          break;
        case TOpening::Paste:
          Clipboard()->SetAsText("item 1");
          Combo->PasteFromClipboard();
          Application->ProcessMessages();
          break;
      }
      ASSERT_TRUE(Combo->GetDroppedDown()) << name;
      MoveTo(Combo, onButton.x, onButton.y);
      EXPECT_TRUE(Combo->IsHotAndPopup()) << name;
      MoveTo(Combo, 5, 5);
      Combo->ShortRefreshContainer(true);
      EXPECT_TRUE(Combo->GetDroppedDown()) << name;
      EXPECT_EQ(Combo->GetViewInfo()->ButtonsInfo.at(0)->State == ebsPressed, keepPressed) << name;
      Key(VK_ESCAPE);
      ASSERT_FALSE(Combo->GetDroppedDown()) << name;
    }
  }
}

// A press on the drop-down button while the list is open closes it and does not open it again: a
// press the popup's watch on outside clicks misses (delivered straight to the editor) is refused by
// the button while the pointer is over the editor, and that refusal closes the list; a button drawn
// held is closed by the watch.
TEST_F(cxComboBox, APressOnTheButtonWhileTheListIsOpenClosesIt) {
  AddItems(3);
  for (const bool keepPressed : {false, true}) {
    Combo->GetProperties()->SetKeepArrowButtonPressedWhenDroppedDown(keepPressed);
    Focus();
    Key(VK_F4);
    ASSERT_TRUE(Combo->GetDroppedDown());
    const TRect button = Combo->GetViewInfo()->ButtonsInfo.at(0)->Bounds;
    const TPoint p(button.left + 3, button.top + 3);
    MoveTo(Combo, p.x, p.y);
    if (keepPressed) {
      Press(Combo, p.x, p.y);
      Release(Combo, p.x, p.y);
    } else {
      SetKeyState(VK_LBUTTON, true);
      SendMessage(Combo->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
      SetKeyState(VK_LBUTTON, false);
      SendMessage(Combo->GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
      Application->ProcessMessages();
    }
    EXPECT_FALSE(Combo->GetDroppedDown()) << keepPressed;
    EXPECT_EQ(Combo->GetCloseUpReason(), crUnknown) << keepPressed;
  }
}

TEST_F(cxComboBox, AClickOnAnOpenFixedListClosesItAndTheNextClickOpensIt) {
  AddItems(5);
  Combo->GetProperties()->SetDropDownListStyle(lsFixedList);
  Focus();
  const auto click = [this] {
    Press(Combo, 20, 10);
    Release(Combo, 20, 10);
  };
  click();
  ASSERT_TRUE(Combo->GetDroppedDown());
  click();
  EXPECT_FALSE(Combo->GetDroppedDown());
  click();
  EXPECT_TRUE(Combo->GetDroppedDown());
  EXPECT_EQ(Log, (std::vector<String>{"popup", "closeup", "popup"}));
}

TEST_F(cxComboBox, AFocusedFixedListShowsItsValueOnASelectionBar) {
  AddItems(3);
  auto* other = Add<TcxComboBox>(10, 50, 150, 21);
  const struct {
    TcxEditDropDownListStyle Style;
    bool Focused, FindSelection, Bar;
  } cases[] = {{lsFixedList, true, false, true},
               {lsFixedList, false, false, false},
               {lsEditList, true, false, false},
               {lsFixedList, true, true, false}};
  for (const auto& c : cases) {
    Combo->GetProperties()->SetDropDownListStyle(c.Style);
    Combo->SetItemIndex(1);
    Focus();
    if (!c.Focused) other->SetFocus();
    Combo->SetFindSelection(c.FindSelection);
    Application->ProcessMessages();
    Combo->ShortRefreshContainer(false);
    auto* info = static_cast<TcxCustomTextEditViewInfo*>(Combo->GetViewInfo());
    EXPECT_EQ(info->DrawSelectionBar, c.Bar) << c.Style << c.Focused << c.FindSelection;
  }
  // The picture of the focused fixed list: its value on the highlight.
  Combo->GetProperties()->SetDropDownListStyle(lsFixedList);
  Combo->SetFindSelection(false);
  Focus();
  Combo->ShortRefreshContainer(false);
  Combo->Repaint();
  ASSERT_TRUE(cxEditTest::SaveEditWindowPng(Combo->GetHandle(), "combo-fixed-list-focused.png"));
  GdiSurface::TGdiSurface picture;
  ASSERT_TRUE(CaptureWindow(Combo->GetHandle(), picture));
  const TRect client = Combo->GetViewInfo()->ClientRect;
  EXPECT_EQ(picture.Pixel(client.left + 2, client.top + 2) & 0xFFFFFFu, PixelRgb(clHighlight));
}
