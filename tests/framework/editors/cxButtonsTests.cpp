// The push button on a form: its states and their colours, the default button, glyph layouts (written
// as pictures), the two drop-down kinds, speed-button groups, the context menu and the optimal size.
#include "GdiPng.h"
#include "GdiSurface.h"
#include "Menus.h"
#include "PixelSurface.h"
#include "RtlMath.h"
#include "WinUser.h"
#include "cxButtons.h"
#include "cxEditTestSupport.h"
#include "cxGeometry.h"

namespace {

using cxControlsTest::TControlsFixture;
using cxControlsTest::TWorkAreaOverride;

const String ButtonOkCaption = "\xE7\xA1\xAE\xE5\xAE\x9A";     // 确定
const String ButtonCloseCaption = "\xE5\x85\xB3\xE9\x97\xAD";  // 关闭
const String ButtonSongTi = "\xE5\xAE\x8B\xE4\xBD\x93";        // 宋体

class cxButtonFixture : public TControlsFixture {
 protected:
  std::vector<String> Log;

  TcxButton* AddButton(const String& ACaption, int x, int y, int w = 75, int h = 25) {
    auto* button = Add<TcxButton>(x, y, w, h);
    button->SetCaption(ACaption);
    button->GetFont()->SetName(ButtonSongTi);
    button->GetFont()->SetSize(9);
    button->OnClick = TNotifyEvent([this](TObject*) { Log.push_back("click"); });
    return button;
  }
  // The window's pixels.
  static COLORREF PixelOf(TWinControl* c, int x, int y) {
    GdiSurface::TGdiSurface picture;
    EXPECT_TRUE(CaptureWindow(c->GetHandle(), picture));
    return GdiSurface::PixelToColor(picture.Pixel(x, y)) & 0xFFFFFF;
  }
  void SavePng(const char* AName) { EXPECT_TRUE(cxEditTest::SaveWindowPngScaled(Form->GetHandle(), AName)); }
  void Repaint(TWinControl* c) {
    c->Invalidate();
    c->Update();
  }
  // The Escape that closes the next menu as soon as its loop reads the input.
  static void CloseMenuWhenUp() { InjectKeyPress(VK_ESCAPE); }
};

TEST_F(cxButtonFixture, StatesFollowFocusPointerPressAndEnabling) {
  Add<TEdit>(10, 200, 80, 20)->SetTabOrder(0);  // holds the focus first, so no button has it
  TcxButton* ok = AddButton(ButtonOkCaption, 10, 10);
  TcxButton* close = AddButton(ButtonCloseCaption, 100, 10);
  close->SetDefault(true);
  ShowForm();
  EXPECT_EQ(ok->GetButtonState(), cxbsNormal);
  Repaint(close);
  EXPECT_EQ(close->GetButtonState(), cxbsDefault) << "the default button shows as such";

  ok->SetFocus();
  Repaint(ok);
  Repaint(close);
  EXPECT_EQ(ok->GetButtonState(), cxbsDefault) << "the focused button reacts to Enter";
  EXPECT_EQ(close->GetButtonState(), cxbsNormal);

  MoveTo(ok, 20, 10);
  ok->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_TRUE(ok->IsHot());
  EXPECT_EQ(ok->GetButtonState(), cxbsHot);
  Press(ok, 20, 10);
  Repaint(ok);
  EXPECT_EQ(ok->GetButtonState(), cxbsPressed);
  Release(ok, 20, 10);
  EXPECT_EQ(Log, std::vector<String>{"click"});
  ok->SetEnabled(false);
  EXPECT_EQ(ok->GetButtonState(), cxbsDisabled);
  EXPECT_FALSE(ok->IsHot());
}

TEST_F(cxButtonFixture, ColoursOfEachStateAndTheDrawParamsEvent) {
  TcxButton* button = AddButton(ButtonOkCaption, 10, 10, 80, 30);
  button->GetColors()->SetColor(cxbcNormal, clYellow);
  button->GetColors()->SetColor(cxbcHot, clLime);
  button->GetColors()->SetColor(cxbcHotText, clRed);
  ShowForm();
  const COLORREF yellow = PixelSurface::RGBOf(clYellow), lime = PixelSurface::RGBOf(clLime);
  Repaint(button);
  EXPECT_EQ(PixelOf(button, 6, 6), yellow);
  MoveTo(button, 40, 15);
  button->Perform(CM_MOUSEENTER, 0, 0);
  Repaint(button);
  EXPECT_EQ(PixelOf(button, 6, 6), lime);
  GdiSurface::TGdiSurface picture;
  ASSERT_TRUE(CaptureWindow(button->GetHandle(), picture));
  int red = 0;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) red += (GdiSurface::PixelToColor(picture.Pixel(x, y)) & 0xFFFFFF) == PixelSurface::RGBOf(clRed);
  EXPECT_GT(red, 10) << "the hot caption is drawn in the hot text colour";

  TcxButtonState seen = cxbsDisabled;
  button->OnGetDrawParams = [&](TcxCustomButton*, TcxButtonState AState, TColor& AColor, TFont*) {
    seen = AState;
    AColor = clAqua;
  };
  Repaint(button);
  EXPECT_EQ(seen, cxbsHot);
  EXPECT_EQ(PixelOf(button, 6, 6), PixelSurface::RGBOf(clAqua));
  EXPECT_TRUE(button->IsColorsStored());
}

TEST_F(cxButtonFixture, PictureOfStatesLayoutsAndKinds) {
  Form->SetBounds(100, 100, 420, 170);
  AddButton(ButtonOkCaption, 10, 10);
  TcxButton* close = AddButton(ButtonCloseCaption, 95, 10);
  close->SetDefault(true);
  TcxButton* disabled = AddButton(ButtonCloseCaption, 180, 10);
  disabled->SetEnabled(false);
  TcxButton* hot = AddButton(ButtonOkCaption, 265, 10);
  hot->GetColors()->SetColor(cxbcHot, 0xC0FFC0);

  auto glyph = NewOwned<TBitmap>();
  glyph->SetPixelFormat(Graphics::pf24bit);
  glyph->SetSize(32, 16);
  glyph->GetCanvas()->GetBrush()->SetColor(clFuchsia);
  glyph->GetCanvas()->FillRect(TRect(0, 0, 32, 16));
  glyph->GetCanvas()->GetBrush()->SetColor(clGreen);
  glyph->GetCanvas()->FillRect(TRect(3, 3, 13, 13));
  glyph->GetCanvas()->GetBrush()->SetColor(clGray);
  glyph->GetCanvas()->FillRect(TRect(19, 3, 29, 13));
  const TButtonLayout layouts[] = {blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom};
  for (int i = 0; i < 4; ++i) {
    TcxButton* b = AddButton(ButtonOkCaption, 10 + i * 85, 45, 75, i < 2 ? 25 : 45);
    b->SetGlyph(glyph.get());
    b->SetLayout(layouts[i]);
  }
  TcxButton* dropDown = AddButton(ButtonCloseCaption, 10, 100, 90);
  dropDown->SetKind(cxbkDropDown);
  TcxButton* split = AddButton(ButtonOkCaption, 110, 100, 90);
  split->SetKind(cxbkDropDownButton);
  TcxButton* speed = AddButton(ButtonOkCaption, 210, 100);
  speed->SetGroupIndex(1);
  speed->SetDown(true);
  ShowForm();
  MoveTo(hot, 30, 10);
  hot->Perform(CM_MOUSEENTER, 0, 0);
  Repaint(hot);
  EXPECT_EQ(speed->GetButtonState(), cxbsPressed);
  EXPECT_EQ(PixelOf(hot, 6, 6), PixelSurface::RGBOf(0xC0FFC0));
  // The glyph's transparent colour never reaches the screen.
  GdiSurface::TGdiSurface picture;
  ASSERT_TRUE(CaptureWindow(Form->GetHandle(), picture));
  int fuchsia = 0;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) fuchsia += (GdiSurface::PixelToColor(picture.Pixel(x, y)) & 0xFFFFFF) == 0xFF00FF;
  EXPECT_EQ(fuchsia, 0);
  SavePng("buttons-states-layouts-kinds.png");
}

TEST_F(cxButtonFixture, DropDownKindOpensItsMenuInsteadOfClicking) {
  TcxButton* button = AddButton(ButtonCloseCaption, 10, 10, 90);
  auto* menu = New<TPopupMenu>(Form);
  button->SetDropDownMenu(menu);
  button->SetKind(cxbkDropDown);
  int requests = 0;
  button->OnDropDownMenuPopup = [&](TObject* Sender, TPopupMenu*& AMenu, bool& AHandled) {
    EXPECT_EQ(AMenu, menu);
    ++requests;
    AHandled = true;
  };
  ShowForm();
  Press(button, 20, 10);
  Release(button, 20, 10);
  EXPECT_TRUE(Log.empty()) << "a drop-down button never clicks";
  EXPECT_GE(requests, 1);

  // With the real menu: it is up (and the button pressed) until Escape closes it.
  button->OnDropDownMenuPopup = nullptr;
  TcxButtonState whileUp = cxbsNormal;
  menu->OnPopup = [&](TObject*) { whileUp = button->GetButtonState(); };
  auto* item = New<TMenuItem>(Form);
  item->SetCaption(ButtonOkCaption);
  menu->GetItems()->Add(item);
  CloseMenuWhenUp();
  button->Perform(CM_DROPDOWNPOPUPMENU, 0, 0);
  EXPECT_EQ(whileUp, cxbsPressed);
  EXPECT_TRUE(button->IsMenuShown()) << "until the posted close-up arrives";
  Application->ProcessMessages();
  EXPECT_FALSE(button->IsMenuShown());
  EXPECT_EQ(menu->GetPopupComponent(), button);
  EXPECT_EQ(menu->GetAlignment(), paLeft) << "the menu's own alignment is restored";

  // A freed menu leaves no reference behind.
  menu->Free();
  EXPECT_EQ(button->GetDropDownMenu(), nullptr);
}

TEST_F(cxButtonFixture, SplitButtonOpensTheMenuOnlyFromItsArrowPart) {
  TcxButton* button = AddButton(ButtonOkCaption, 10, 10, 90);
  button->SetKind(cxbkDropDownButton);
  int requests = 0;
  button->OnDropDownMenuPopup = [&](TObject*, TPopupMenu*&, bool& AHandled) {
    ++requests;
    AHandled = true;
  };
  ShowForm();
  EXPECT_EQ(button->GetMenuButtonBounds(), TRect(90 - 15, 0, 90, 25));
  Press(button, 30, 10);
  Release(button, 30, 10);
  EXPECT_EQ(Log, std::vector<String>{"click"});
  EXPECT_EQ(requests, 0);
  Press(button, 80, 10);
  Release(button, 80, 10);
  EXPECT_EQ(requests, 1);
  button->SetFocus();
  button->Perform(WM_KEYDOWN, VK_DOWN, 0);
  constexpr LPARAM AltHeld = 0x20000000;
  button->Perform(WM_KEYDOWN, VK_DOWN, AltHeld);
  Application->ProcessMessages();
  EXPECT_EQ(requests, 2) << "Alt+Down opens the menu, Down alone does not";
}

TEST_F(cxButtonFixture, MenuOpensAboveWhenTheWorkAreaEndsBelow) {
  TcxButton* button = AddButton(ButtonOkCaption, 10, 10, 90);
  button->SetKind(cxbkDropDown);
  auto* menu = New<TPopupMenu>(Form);
  for (int i = 0; i < 5; ++i) {
    auto* item = New<TMenuItem>(Form);
    item->SetCaption(ButtonOkCaption);
    menu->GetItems()->Add(item);
  }
  ShowForm();
  const TPoint below = button->ClientToScreen(TPoint(0, 25));
  const Integer menuHeight = GetPopupMenuHeight(menu);
  ASSERT_GT(menuHeight, 0);
  {
    TWorkAreaOverride area(RECT{0, 0, 1024, below.y + menuHeight});
    EXPECT_EQ(button->GetDropDownMenuPopupPoint(menu), below);
  }
  TWorkAreaOverride area(RECT{0, 0, 1024, below.y + menuHeight - 1});
  EXPECT_EQ(button->GetDropDownMenuPopupPoint(menu), TPoint(below.x, below.y - menuHeight - 25 - 2));
  button->SetPopupAlignment(paRight);
  EXPECT_EQ(button->GetDropDownMenuPopupPoint(menu).x, below.x + 90);
  EXPECT_EQ(button->GetDropDownMenuAlignment(TPoint(0, 100), paCenter), paRight);
  EXPECT_EQ(button->GetDropDownMenuAlignment(TPoint(1024, 100), paCenter), paLeft);
  EXPECT_EQ(button->GetDropDownMenuAlignment(TPoint(500, 100), paCenter), paCenter);
}

TEST_F(cxButtonFixture, SpeedButtonGroupsKeepOneButtonDown) {
  TcxButton* first = AddButton("A", 10, 10);
  TcxButton* second = AddButton("B", 100, 10);
  TcxButton* focusable = AddButton("C", 190, 10);
  first->SetGroupIndex(1);
  second->SetGroupIndex(1);
  ShowForm();
  first->SetDown(true);
  EXPECT_TRUE(first->GetDown());
  Press(second, 10, 10);
  Release(second, 10, 10);
  EXPECT_TRUE(second->GetDown());
  EXPECT_FALSE(first->GetDown()) << "the group's other button comes up";
  Repaint(first);
  EXPECT_EQ(first->GetButtonState(), cxbsNormal);
  Press(second, 10, 10);
  Release(second, 10, 10);
  EXPECT_TRUE(second->GetDown()) << "the last down button stays down without AllowAllUp";
  second->SetAllowAllUp(true);
  EXPECT_TRUE(first->GetAllowAllUp()) << "the group shares AllowAllUp";
  Press(second, 10, 10);
  Release(second, 10, 10);
  EXPECT_FALSE(second->GetDown());

  // A button that cannot be focused clicks without taking the focus, and never shows as default.
  focusable->SetFocus();
  first->SetCanBeFocused(false);
  first->SetGroupIndex(0);
  Log.clear();
  Press(first, 10, 10);
  Release(first, 70, 20);
  EXPECT_EQ(Log, std::vector<String>{"click"});
  EXPECT_TRUE(focusable->Focused());
  EXPECT_FALSE(first->CanFocus());
  // A release that reaches a speed button clicks it wherever the pointer was let go.
  Log.clear();
  first->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  first->Perform(WM_LBUTTONUP, 0, MAKELPARAM(300, 200));
  EXPECT_EQ(Log, std::vector<String>{"click"});
  first->SetDefault(true);
  Repaint(first);
  EXPECT_NE(first->GetButtonState(), cxbsDefault);
}

TEST_F(cxButtonFixture, PainterChoiceContextMenuAndOptimalSize) {
  TcxButton* button = AddButton("", 10, 10);
  button->GetLookAndFeel()->SetKind(lfOffice11);
  const TcxCustomLookAndFeelPainterClass painter = button->GetPainterClass();
  EXPECT_TRUE(painter == TcxCustomLookAndFeelPainterClass::Of<TcxWinXPLookAndFeelPainter>() ||
              painter == TcxCustomLookAndFeelPainterClass::Of<TcxStandardLookAndFeelPainter>())
      << "an Office 2003 button is drawn themed or standard";
  button->GetLookAndFeel()->SetKind(lfUltraFlat);
  EXPECT_TRUE(button->GetPainterClass() == TcxCustomLookAndFeelPainterClass::Of<TcxUltraFlatLookAndFeelPainter>());

  // Only popup menus are taken as the context menu, and a freed one is forgotten.
  auto* other = New<TcxButton>(Form);
  button->SetPopupMenu(other);
  EXPECT_EQ(button->GetPopupMenu(), nullptr);
  auto* menu = New<TPopupMenu>(Form);
  button->SetPopupMenu(menu);
  EXPECT_EQ(button->GetPopupMenu(), menu);
  bool asked = false;
  button->OnContextPopup = [&](TObject*, TPoint, bool& AHandled) {
    asked = true;
    AHandled = true;
  };
  ShowForm();
  const TPoint inside = button->ClientToScreen(TPoint(5, 5));
  EXPECT_EQ(button->Perform(WM_CONTEXTMENU, 0, MAKELPARAM(inside.x, inside.y)), 1);
  EXPECT_TRUE(asked);
  menu->Free();
  EXPECT_EQ(button->GetPopupMenu(), nullptr);

  TcxScreenCanvas* canvas = cxScreenCanvas();
  canvas->GetFont()->Assign(button->GetFont());
  const TSize optimal = button->GetOptimalSize();
  EXPECT_EQ(optimal.cx, canvas->TextWidth(" ") + 3 * canvas->TextWidth("R"));
  EXPECT_EQ(optimal.cy, MulDiv(canvas->TextHeight("Wg"), 14, 8));
  button->SetButtonAutoSize(true);
  EXPECT_EQ(button->GetWidth(), optimal.cx);
  button->SetCaption(ButtonCloseCaption);
  EXPECT_GT(button->GetWidth(), optimal.cx) << "the size follows the caption";
}

}  // namespace
