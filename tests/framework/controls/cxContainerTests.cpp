// The container control: its border extent per border style and look, the refresh cycle (state,
// hot state, the inner control's bounds and window region), its frame as painted, the shadow, the
// style reactions to Color and Font, keys handed to the inner control, and the container and its
// inner control taking the focus as one tab stop.
#include "PixelSurface.h"
#include "StringLists.h"
#include "cxContainerTestSupport.h"
#include "dxOffice11.h"

using namespace cxControlsTest;
using namespace cxContainerTest;

namespace {

class Container : public TControlsFixture {
 protected:
  TTestContainer* Make(int x, int y, int w, int h, bool AInner = true) {
    auto* c = Add<TTestContainer>(x, y, w, h);
    if (AInner) c->AddInnerControl();
    return c;
  }
  static COLORREF PixelAt(TWinControl* c, int x, int y) {
    HDC dc = GetDC(c->GetHandle());
    const COLORREF color = GetPixel(dc, x, y) & 0xFFFFFF;
    ReleaseDC(c->GetHandle(), dc);
    return color;
  }
  static TcxContainerState State(TcxContainer* c) { return c->GetViewInfo()->ContainerState; }
};

TEST_F(Container, TheBorderExtentFollowsTheBorderStyleTheTransparentBorderAndTheShadow) {
  auto* c = Make(10, 10, 120, 30);
  auto* other = Add<TEdit>(10, 100, 80, 24);
  ShowForm();
  other->SetFocus();  // the focused style would raise the border
  struct TCase {
    TcxContainerBorderStyle Style;
    Integer Width;  // the frame drawn, one-colour frames as single ones
  } styles[] = {{cbsNone, 0}, {cbsSingle, 1}, {cbsThick, 2}, {cbsFlat, 2}, {cbs3D, 2}, {cbsUltraFlat, 1}, {cbsOffice11, 1}};
  for (const TCase& s : styles)
    for (bool transparent : {false, true})
      for (bool shadow : {false, true}) {
        TcxContainerStyle* style = c->GetStyle();
        style->SetBorderStyle(s.Style);
        style->SetTransparentBorder(transparent);
        style->SetShadow(shadow);
        c->ShortRefreshContainer(false);
        const Integer side = transparent ? 2 : s.Width, extra = shadow ? 3 : 0;
        const TRect expected(side, side, side + extra, side + extra);
        EXPECT_EQ(c->GetBorderExtent(), expected) << s.Style << " transparent " << transparent << " shadow " << shadow;
        EXPECT_EQ(c->GetViewInfo()->BorderWidth, s.Width) << s.Style;
        const TRect inside(side, side, 120 - side - extra, 30 - side - extra);
        EXPECT_EQ(c->GetViewInfo()->BorderRect, inside);
        EXPECT_EQ(c->GetInnerControl()->GetBoundsRect(), inside) << "the inner control fills the client area";
      }
  // Edges leave their sides out.
  c->GetStyle()->SetShadow(false);
  c->GetStyle()->SetTransparentBorder(false);
  c->GetStyle()->SetBorderStyle(cbs3D);
  c->GetStyle()->SetEdges({bLeft, bBottom});
  c->ShortRefreshContainer(false);
  EXPECT_EQ(c->GetBorderExtent(), TRect(2, 0, 0, 2));
  // A native look keeps a two-pixel frame and draws no shadow; without a border it has none.
  c->GetStyle()->SetShadow(true);
  c->GetStyle()->GetLookAndFeel()->SetNativeStyle(true);
  c->ShortRefreshContainer(false);
  EXPECT_TRUE(c->GetViewInfo()->NativeStyle);
  EXPECT_EQ(c->GetBorderExtent(), TRect(2, 2, 2, 2));
  c->GetStyle()->SetBorderStyle(cbsNone);
  c->ShortRefreshContainer(false);
  EXPECT_EQ(c->GetBorderExtent(), TRect(0, 0, 0, 0));
}

TEST_F(Container, TheRefreshFollowsTheMouseTheFocusAndTheEnabledState) {
  auto* c = Make(10, 10, 120, 30);
  auto* other = Add<TEdit>(10, 100, 80, 24);
  ShowForm();
  other->SetFocus();
  Application->ProcessMessages();
  EXPECT_EQ(State(c), TcxContainerState{csNormal});
  EXPECT_EQ(c->GetViewInfo()->HotState, chsNormal);
  EXPECT_EQ(c->GetActiveStyle(), c->GetStyle());

  MoveTo(c, 60, 15);
  EXPECT_EQ(State(c), (TcxContainerState{csNormal, csHotTrack}));
  EXPECT_EQ(c->GetViewInfo()->HotState, chsSelected);
  EXPECT_EQ(c->GetActiveStyle(), c->GetStyleHot());
  MoveTo(Form, 300, 250);
  EXPECT_EQ(State(c), TcxContainerState{csNormal}) << "leaving ends the hot state";

  SetKeyState(VK_LBUTTON, true);
  MoveTo(c, 60, 15);
  EXPECT_EQ(State(c), TcxContainerState{csNormal}) << "no hot tracking with a button held";
  SetKeyState(VK_LBUTTON, false);
  MoveTo(Form, 300, 250);

  c->GetStyle()->SetHotTrack(false);
  MoveTo(c, 60, 15);
  EXPECT_EQ(State(c), TcxContainerState{csNormal});
  EXPECT_EQ(c->GetViewInfo()->HotState, chsNoHotTrack);
  MoveTo(Form, 300, 250);

  c->GetInnerControl()->SetFocus();
  Application->ProcessMessages();
  EXPECT_EQ(State(c), TcxContainerState{csActive});
  EXPECT_EQ(c->GetActiveStyle(), c->GetStyleFocused());
  EXPECT_TRUE(c->Focused()) << "the inner control's focus is the container's";

  c->SetEnabled(false);
  Application->ProcessMessages();
  EXPECT_EQ(State(c), TcxContainerState{csDisabled});
  EXPECT_EQ(c->GetActiveStyle(), c->GetStyleDisabled());
}

TEST_F(Container, TheInnerControlIsClippedToTheClientAreaByItsWindowRegion) {
  auto* c = Make(10, 10, 120, 30);
  ShowForm();
  TWinControl* inner = c->GetInnerControl();
  const TRect client = c->GetViewInfo()->ClientRect;
  EXPECT_EQ(inner->GetBoundsRect(), client);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(inner->GetHandle(), region), ERROR) << "nothing cut off, no region";
  // Placed beyond the client area: the part outside is cut away.
  c->LockAlignControls(false);
  inner->SetBounds(client.left - 1, client.top, client.Width() + 5, client.Height() + 4);
  ASSERT_NE(GetWindowRgn(inner->GetHandle(), region), ERROR);
  RECT box;
  GetRgnBox(region, &box);
  EXPECT_EQ(TRect(box), TRect(1, 0, client.Width() + 1, client.Height()));
  // The next refresh lays it out again and the region goes.
  c->ShortRefreshContainer(false);
  EXPECT_EQ(inner->GetBoundsRect(), client);
  EXPECT_EQ(GetWindowRgn(inner->GetHandle(), region), ERROR);
  DeleteObject(region);
}

TEST_F(Container, OneColourFramesAreHighlightedWhenHotOrFocused) {
  auto* c = Make(10, 10, 120, 30);
  auto* other = Add<TEdit>(10, 100, 80, 24);
  ShowForm();
  other->SetFocus();
  Application->ProcessMessages();
  struct TCase {
    TcxContainerBorderStyle Style;
    COLORREF Highlight;
  } cases[] = {{cbsUltraFlat, PixelSurface::RGBOf(clHighlight)}, {cbsOffice11, dxOffice11SelectedBorderColor}};
  for (const TCase& k : cases) {
    c->GetStyle()->SetBorderStyle(k.Style);
    Application->ProcessMessages();
    // The frame lies one pixel inside the transparent two-pixel border.
    EXPECT_EQ(PixelAt(c, 1, 15), PixelSurface::RGBOf(clBtnShadow)) << "idle " << k.Style;
    EXPECT_EQ(PixelAt(c, 60, 1), PixelSurface::RGBOf(clBtnShadow)) << "idle " << k.Style;
    MoveTo(c, 60, 15);
    EXPECT_EQ(PixelAt(c, 1, 15), k.Highlight) << "hot " << k.Style;
    MoveTo(Form, 300, 250);
    c->GetInnerControl()->SetFocus();
    Application->ProcessMessages();
    EXPECT_EQ(PixelAt(c, 118, 15), k.Highlight) << "focused " << k.Style;
    other->SetFocus();
    Application->ProcessMessages();
  }
  // Without a skin painter the view info itself draws no one-colour frame.
  auto viewInfo = TOwnedPtr<TcxContainerViewInfo>(TcxContainerViewInfo::Create(TcxContainerViewInfo::StaticClass()));
  PixelSurface::TSurface s(40, 20);
  viewInfo->Bounds = TRect(0, 0, 40, 20);
  viewInfo->BorderRect = TRect(1, 1, 39, 19);
  viewInfo->BorderStyle = cbsUltraFlat;
  viewInfo->BorderWidth = 1;
  viewInfo->BorderColor = clRed;
  viewInfo->Edges = cxBordersAll;
  viewInfo->SetBackgroundColor(clWhite);
  viewInfo->Paint(s.Cx);
  EXPECT_EQ(s.At(0, 10), PixelSurface::RGBOf(clWhite)) << "ultra-flat without a painter: no frame";
}

TEST_F(Container, AShadowLiesOutsideTheVisibleBoundsAndTheHitArea) {
  auto* c = Make(10, 10, 120, 30);
  c->GetStyle()->SetShadow(true);
  c->GetStyle()->SetTransparentBorder(false);
  c->GetStyle()->SetBorderStyle(cbsSingle);
  ShowForm();
  EXPECT_EQ(c->GetVisibleBounds(), TRect(0, 0, 117, 27));
  EXPECT_EQ(c->GetShadowBounds(), TRect(0, 0, 117, 27));
  // The window keeps the body and the shadow moved by three pixels: the corners beside them are
  // the form's.
  const TPoint origin = c->ClientToScreen(TPoint(0, 0));
  EXPECT_EQ(WindowFromPoint(POINT{origin.x + 118, origin.y + 1}), Form->GetHandle()) << "right of the body";
  EXPECT_EQ(WindowFromPoint(POINT{origin.x + 1, origin.y + 28}), Form->GetHandle()) << "below the body";
  EXPECT_EQ(WindowFromPoint(POINT{origin.x + 118, origin.y + 28}), c->GetHandle()) << "the shadow";
  EXPECT_EQ(PixelAt(c, 118, 28), PixelSurface::RGBOf(clBtnShadow));
  MoveTo(c, 118, 28);
  EXPECT_FALSE(State(c).Contains(csHotTrack)) << "the shadow is not the container";
  MoveTo(c, 100, 20);
  EXPECT_TRUE(State(c).Contains(csHotTrack));
}

TEST_F(Container, ADisabledNativeContainerTakesTheThemeFillUnlessItsStyleGivesAColour) {
  auto* c = Make(10, 10, 120, 30);
  c->GetStyle()->GetLookAndFeel()->SetNativeStyle(true);
  ShowForm();
  c->SetEnabled(false);
  Application->ProcessMessages();
  ASSERT_TRUE(c->GetViewInfo()->NativeStyle);
  EXPECT_EQ(c->GetViewInfo()->NativeState, ETS_DISABLED);
  COLORREF fill = 0;
  GetThemeColor(OpenTheme(totEdit), 1, ETS_DISABLED, TMT_FILLCOLOR, &fill);
  EXPECT_EQ(static_cast<COLORREF>(c->GetViewInfo()->GetBackgroundColor()), fill);
  EXPECT_EQ(ColorToRGB(c->GetInnerControl()->GetColor()), fill) << "the inner control takes the background";
  c->GetStyleDisabled()->SetColor(clYellow);
  EXPECT_EQ(c->GetViewInfo()->GetBackgroundColor(), clYellow);
  // Not native, a disabled container paints its disabled style's colour.
  c->GetStyle()->GetLookAndFeel()->SetNativeStyle(false);
  EXPECT_EQ(c->GetViewInfo()->GetBackgroundColor(), clYellow);
}

TEST_F(Container, ColorAndFontOfTheControlAreTheNormalStylesOwn) {
  auto* c = Make(10, 10, 120, 30);
  ShowForm();
  EXPECT_TRUE(c->GetStyle()->GetAssignedValues().Empty()) << "a new container assigns nothing";
  EXPECT_EQ(c->GetColor(), clWindow);
  c->SetColor(clAqua);
  Application->ProcessMessages();
  EXPECT_TRUE(c->GetStyle()->GetAssignedValues().Contains(csvColor));
  EXPECT_EQ(c->GetViewInfo()->GetBackgroundColor(), clAqua);
  EXPECT_EQ(c->GetInnerControl()->GetColor(), clAqua);
  c->GetStyle()->SetTextColor(clRed);
  Application->ProcessMessages();
  EXPECT_EQ(c->GetInnerControl()->GetFont()->GetColor(), clRed) << "the inner control draws with the visible font";
  // A font the container follows from its parent is not the style's own.
  Form->GetFont()->SetSize(14);
  Application->ProcessMessages();
  EXPECT_EQ(c->GetStyle()->GetFont()->GetSize(), 14);
  EXPECT_FALSE(c->GetStyle()->GetAssignedValues().Contains(csvFont));
  EXPECT_TRUE(c->GetParentFont());
  // A font set on the style is.
  c->GetStyle()->GetFont()->SetSize(9);
  Application->ProcessMessages();
  EXPECT_EQ(c->GetFont()->GetSize(), 9);
  EXPECT_FALSE(c->GetParentFont());
  // A parent colour followed is not assigned either.
  auto* parentColored = Add<TTestContainer>(10, 50, 120, 30);
  parentColored->ParentColored = true;
  parentColored->SetParentColor(true);
  Form->SetColor(clMoneyGreen);
  Application->ProcessMessages();
  EXPECT_FALSE(parentColored->GetStyle()->GetAssignedValues().Contains(csvColor));
  EXPECT_EQ(parentColored->GetStyle()->GetStyleColor(), clMoneyGreen);
}

TEST_F(Container, KeysGoToTheInnerControl) {
  auto* c = Make(10, 10, 120, 30);
  ShowForm();
  c->GetInnerControl()->SetFocus();
  Application->ProcessMessages();
  for (char ch : String("价"))
    SendMessage(c->GetHandle(), WM_CHAR, static_cast<unsigned char>(ch), 0);
  SendMessage(c->GetHandle(), WM_CHAR, 'a', 0);
  EXPECT_EQ(c->GetInnerControl()->GetText(), "价a");
}

TEST_F(Container, TheContainerAndItsInnerControlAreOneTabStop) {
  auto* first = Add<TEdit>(10, 100, 80, 24);
  auto* c = Make(10, 10, 120, 30);
  auto* last = Add<TEdit>(10, 150, 80, 24);
  first->SetTabOrder(0);
  c->SetTabOrder(1);
  last->SetTabOrder(2);
  ShowForm();
  first->SetFocus();
  Application->ProcessMessages();
  InjectKeyPress(VK_TAB);
  Application->ProcessMessages();
  EXPECT_EQ(GetFocus(), c->GetInnerControl()->GetHandle()) << "the focus given to the container goes on inside";
  EXPECT_EQ(Form->GetActiveControl(), c->GetInnerControl());
  InjectKeyPress(VK_TAB);
  Application->ProcessMessages();
  EXPECT_EQ(GetFocus(), last->GetHandle()) << "from the inner control to the stop after the container";
  SetKeyState(VK_SHIFT, true);
  InjectKeyPress(VK_TAB);
  Application->ProcessMessages();
  EXPECT_EQ(GetFocus(), c->GetInnerControl()->GetHandle()) << "back to the pair";
  InjectKeyPress(VK_TAB);
  Application->ProcessMessages();
  SetKeyState(VK_SHIFT, false);
  EXPECT_EQ(GetFocus(), first->GetHandle());
  // Focusing the container from code hands over as well.
  c->SetFocus();
  Application->ProcessMessages();
  EXPECT_EQ(GetFocus(), c->GetInnerControl()->GetHandle());
}

TEST_F(Container, EveryBorderStyleAndLookAsPainted) {
  Form->SetBounds(100, 100, 560, 330);
  Form->SetColor(clBtnFace);
  const TcxContainerBorderStyle styles[] = {cbsNone, cbsSingle, cbsThick, cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11};
  const TcxLookAndFeelKind kinds[] = {lfFlat, lfStandard, lfUltraFlat, lfOffice11};
  std::vector<TTestContainer*> containers;
  for (size_t row = 0; row < std::size(styles); ++row)
    for (size_t column = 0; column <= std::size(kinds); ++column) {
      auto* c = Make(8 + 108 * static_cast<int>(column), 8 + 38 * static_cast<int>(row), 100, 30);
      c->GetStyle()->SetBorderStyle(styles[row]);
      c->GetStyle()->SetShadow(row == 1);
      c->GetStyle()->SetTransparentBorder(column % 2 == 1);
      if (column < std::size(kinds))
        c->GetStyle()->GetLookAndFeel()->SetKind(kinds[column]);
      else
        c->GetStyle()->GetLookAndFeel()->SetNativeStyle(true);
      c->GetInnerControl()->SetText(column == std::size(kinds) ? "native" : "编辑");
      containers.push_back(c);
    }
  ShowForm();
  containers[1]->GetInnerControl()->SetFocus();
  Application->ProcessMessages();
  // A container without a border shows its background to the edge; one with a frame does not.
  EXPECT_EQ(PixelAt(containers[0], 0, 15), PixelSurface::RGBOf(clWindow));
  EXPECT_NE(PixelAt(containers[4 * 5], 0, 15), PixelSurface::RGBOf(clWindow)) << "the 3-D frame";
  EXPECT_TRUE(SaveWindowPngScaled(Form->GetHandle(), testing::TempDir() + "container-border-styles.png", 2));
}

TEST_F(Container, FrameworkBarsLieOverTheInnerControlsSystemBars) {
  auto* c = Add<TTestContainer>(10, 10, 160, 100);
  c->ScrollBarsWanted = true;
  auto* list = static_cast<TTestInnerListBox*>(c->AddInnerControl(true));
  ShowForm();
  for (int i = 0; i < 40; ++i) list->GetItems()->Add("item " + std::to_string(i));
  c->UpdateScrollBarsParameters();
  Application->ProcessMessages();
  TcxScrollBar* vbar = c->GetVScrollBar();
  TcxScrollBar* hbar = c->GetHScrollBar();
  ASSERT_TRUE(vbar->GetVisible());
  EXPECT_FALSE(hbar->GetVisible()) << "the list has no horizontal bar";
  SCROLLBARINFO info;
  ASSERT_TRUE(cxGetScrollBarInfo(list->GetHandle(), OBJID_VSCROLL, info));
  EXPECT_EQ(vbar->ClientToScreen(TPoint(0, 0)), TPoint(info.rcScrollBar.left, info.rcScrollBar.top));
  EXPECT_EQ(vbar->GetHeight(), info.rcScrollBar.bottom - info.rcScrollBar.top);
  list->SetTopIndex(7);
  c->SetScrollBarsParameters(true);
  EXPECT_EQ(vbar->GetPosition(), 7) << "the values follow the inner control's";
  EXPECT_TRUE(cxRectIsEmpty(GetSizeGripRect(list)));
  // Both bars: the grip square lies between them, relative to the list's window.
  list->SetScrollWidth(400);
  c->SetScrollBarsParameters(false);
  ASSERT_TRUE(hbar->GetVisible());
  RECT window;
  GetWindowRect(list->GetHandle(), &window);
  const TRect grip = GetSizeGripRect(list);
  EXPECT_EQ(grip, Bounds(vbar->ClientToScreen(TPoint(0, 0)).x - window.left,
                         hbar->ClientToScreen(TPoint(0, 0)).y - window.top, vbar->GetWidth(), hbar->GetHeight()));
  // Disabled with its container, hidden with the system bar.
  c->SetEnabled(false);
  EXPECT_FALSE(vbar->GetEnabled());
  c->SetEnabled(true);
  list->GetItems()->Clear();
  list->SetScrollWidth(0);
  c->SetScrollBarsParameters(false);
  EXPECT_FALSE(vbar->GetVisible());
  EXPECT_FALSE(hbar->GetVisible());
}

TEST_F(Container, ScalingScalesAFontTheStyleSetsItself) {
  auto* own = Make(10, 10, 120, 30);
  auto* following = Make(10, 50, 120, 30);
  ShowForm();
  own->GetStyle()->GetFont()->SetSize(10);
  const Integer followed = following->GetStyle()->GetFont()->GetSize();
  Form->ChangeScale(3, 2);
  EXPECT_EQ(own->GetStyle()->GetFont()->GetSize(), 15);
  EXPECT_EQ(own->GetFont()->GetSize(), 15);
  EXPECT_TRUE(following->GetParentFont()) << "a followed font is scaled with the parent's, not by the style";
  EXPECT_FALSE(following->GetStyle()->GetAssignedValues().Contains(csvFont));
  EXPECT_EQ(following->GetStyle()->GetFont()->GetSize(), Form->GetFont()->GetSize());
  EXPECT_NE(followed, 0);
}

}  // namespace
