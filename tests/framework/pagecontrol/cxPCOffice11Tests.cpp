// The Office 2003 tab painter (style 8) in the blue colour scheme, pixel by pixel: the selected tab
// with its frame, gradient and underline, the row gradient with its delimiters, tabs with colours of
// their own, the page, the dialogs' background and the navigator buttons; with and without gradients.
#include <cstdlib>

#include "GdiSurface.h"
#include "HeadlessBackend.h"
#include "cxPCTestSupport.h"
#include "dxOffice11.h"

using namespace cxPCTest;

namespace {

// The blue scheme's colours (0x00BBGGRR).
constexpr COLORREF ToolbarsColor1 = 0xFEECDD, ToolbarsColor2 = 0xE2A981, FrameColor = 0x800000,
                   SelectedColor1 = 0xCCF4FF, SelectedColor2 = 0x91D0FF, SeparatorColor1 = 0xCB8C6A,
                   SeparatorColor2 = 0xFFF9F1, DisabledColor = 0x8D8D8D;

bool Near(COLORREF A, COLORREF B, int ATolerance = 6) {
  return std::abs(int(GetRValue(A)) - int(GetRValue(B))) <= ATolerance &&
         std::abs(int(GetGValue(A)) - int(GetGValue(B))) <= ATolerance &&
         std::abs(int(GetBValue(A)) - int(GetBValue(B))) <= ATolerance;
}

class Office11Painter : public TPCFixture {
 protected:
  GdiSurface::TGdiSurface Picture;
  TPoint WindowOrigin;

  void SetUp() override {
    TPCFixture::SetUp();
    ASSERT_EQ(GetOffice11Scheme(), schNormalColor) << "the platform's theme has the blue scheme";
    Form->SetBounds(50, 50, 420, 320);
  }
  TcxPageControl* Pages(std::initializer_list<const char*> ACaptions, Integer AWidth = 300) {
    auto* control = Add<TcxPageControl>(10, 10, AWidth, 200);
    for (const char* caption : ACaptions) {
      auto* page = CreateComponent<TcxTabSheet>(Form);
      page->SetCaption(caption);
      page->SetPageControl(control);
    }
    control->SetStyle(8);
    control->SetFocusable(false);  // no focus rectangle over the selected tab
    return control;
  }
  // Shows the form and takes its picture; At reads it in a control's client coordinates.
  void Capture(const char* APngName) {
    ShowForm();
    RECT r;
    GetWindowRect(Form->GetHandle(), &r);
    WindowOrigin = TPoint(r.left, r.top);
    ASSERT_TRUE(CaptureWindow(Form->GetHandle(), Picture));
    const char* dir = std::getenv("GDI_SNAPSHOT_DIR");
    SaveWindowPng(Form->GetHandle(), (dir ? std::string(dir) + "/" : testing::TempDir()) + APngName);
  }
  COLORREF At(TControl* AControl, Integer X, Integer Y) {
    const TPoint p = AControl->ClientToScreen(TPoint(X, Y));
    return GdiSurface::PixelToColor(Picture.Pixel(p.x - WindowOrigin.x, p.y - WindowOrigin.y)) & 0xFFFFFF;
  }
};

TEST_F(Office11Painter, TheSelectedTabIsFramedFilledWithItsGradientAndJoinedToThePage) {
  TcxPageControl* control = Pages({"One", "Two", "Three"});
  Capture("pagecontrol-office11-tabs.png");
  const TRect main = FullRect(control, 0);
  EXPECT_EQ(At(control, main.left, main.top + 5), FrameColor);
  EXPECT_EQ(At(control, main.left + 5, main.top), FrameColor);
  EXPECT_EQ(At(control, main.right - 1, main.top + 5), FrameColor);
  EXPECT_TRUE(Near(At(control, main.left + 2, main.top + 1), SelectedColor1));
  EXPECT_TRUE(Near(At(control, main.left + 2, main.bottom - 1), SelectedColor2));
  // The underline, two pixels across the page's tab side, in the gradient's end that touches the page.
  const TRect display = control->GetPainter()->GetDisplayRect();
  EXPECT_EQ(At(control, 150, display.top), SelectedColor2);
  EXPECT_EQ(At(control, 150, display.top + 1), SelectedColor2);
  // The page: the sheet shows the toolbar gradient from top to bottom.
  const TRect page = control->GetActivePage()->GetBoundsRect();
  EXPECT_EQ(page.top, display.top + 2);
  EXPECT_EQ(At(control, 40, page.top), ToolbarsColor1);
  EXPECT_TRUE(Near(At(control, 40, page.bottom - 1), ToolbarsColor2, 10));
}

TEST_F(Office11Painter, RowsShowTheToolbarGradientWithTwoToneDelimitersAndAFrameLine) {
  TcxPageControl* control = Pages({"One", "Two", "Three"});
  Capture("pagecontrol-office11-row.png");
  const TRect second = FullRect(control, 1), third = FullRect(control, 2);
  // Between two tabs that are not selected: a dark line from the tab's top, a light one beside it.
  EXPECT_EQ(At(control, second.right, second.top + 3), SeparatorColor1);
  EXPECT_EQ(At(control, second.right + 1, second.top + 4), SeparatorColor2);
  EXPECT_NE(At(control, second.left - 1, second.top + 3), SeparatorColor1) << "none beside the selected tab";
  // The row, painted under the transparent tabs: the gradient from its top, the frame line at its foot.
  EXPECT_EQ(At(control, third.right + 5, second.top - 3), ToolbarsColor1);
  EXPECT_EQ(At(control, third.right + 5, second.bottom), FrameColor);
  EXPECT_EQ(At(control, 2, second.top - 3), ToolbarsColor1) << "the row runs the control's whole width";
}

TEST_F(Office11Painter, WithoutGradientsEveryPairOfColoursIsMixedEvenly) {
  TcxPageControl* control = Pages({"One", "Two", "Three"});
  control->SetOptions(control->GetOptions() - TcxPCOptions{pcoGradient});
  Capture("pagecontrol-office11-flat.png");
  const TRect main = FullRect(control, 0), second = FullRect(control, 1);
  const COLORREF selectedMix = GetMiddleRGB(SelectedColor1, SelectedColor2, 50);
  const COLORREF toolbarsMix = GetMiddleRGB(ToolbarsColor1, ToolbarsColor2, 50);
  EXPECT_EQ(At(control, main.left + 2, main.top + 1), selectedMix);
  EXPECT_EQ(At(control, main.left + 2, main.bottom - 1), selectedMix);
  EXPECT_EQ(At(control, 150, control->GetPainter()->GetDisplayRect().top), selectedMix) << "the underline";
  EXPECT_EQ(At(control, second.right + 40, second.top), toolbarsMix);
  EXPECT_EQ(At(control, second.right + 40, second.bottom - 2), toolbarsMix);
  EXPECT_EQ(At(control, 40, control->GetDisplayRect().top + 2), toolbarsMix) << "the page";
}

TEST_F(Office11Painter, ATabWithItsOwnColourIsFilledWithItAndKeepsTheRowLineOnItsPageSide) {
  TcxPageControl* control = Pages({"One", "Two", "Three"});
  control->GetTabs()->GetTab(2)->SetColor(clRed);
  Capture("pagecontrol-office11-coloured.png");
  const TRect third = FullRect(control, 2);
  EXPECT_EQ(At(control, third.left + 2, third.top + 2), COLORREF(0x0000FF));
  EXPECT_EQ(At(control, third.left + 2, third.bottom - 1), ToolbarsColor2);
}

TEST_F(Office11Painter, ADialogsTabControlWithoutTabsIsAllPage) {
  struct TCase {
    TcxPCOptions Options;
    COLORREF Top, Bottom;
  };
  const COLORREF mix = GetMiddleRGB(ToolbarsColor1, ToolbarsColor2, 50);
  for (const TCase& c : {TCase{cxPCDefaultOptions, ToolbarsColor1, ToolbarsColor2},
                         TCase{cxPCDefaultOptions - TcxPCOptions{pcoGradientClientArea}, mix, mix}}) {
    auto* background = Add<TcxTabControl>(10, 10, 200, 150);
    background->SetStyle(8);
    background->SetOptions(c.Options);
    auto* label = CreateComponent<TcxTabControl>(Form);
    label->SetParent(background);
    label->SetBounds(20, 20, 60, 30);
    label->SetStyle(8);
    Capture("pagecontrol-office11-dialog.png");
    EXPECT_EQ(At(background, 100, 0), c.Top);
    EXPECT_TRUE(Near(At(background, 100, 149), c.Bottom, 10));
    EXPECT_EQ(At(background, 0, 0), c.Top) << "no frame, no tabs";
    EXPECT_TRUE(label->GetVisible() && label->Showing()) << "its children show on it";
    background->Free();
  }
}

TEST_F(Office11Painter, NavigatorButtonsAreFramedInTheirStatesColour) {
  TcxPageControl* control = Pages({"One", "Two", "Three", "Four", "Five", "Six", "Seven"}, 200);
  Capture("pagecontrol-office11-buttons.png");
  ASSERT_TRUE((control->GetNavigatorButtons() == TcxPCNavigatorButtons{nbTopLeft, nbBottomRight}));
  const auto& buttons = static_cast<TcxPCStandardPainter*>(control->GetPainter())->GetNavigatorButtonList();
  for (const auto& entry : buttons) {
    const bool disabled = entry.Button == nbTopLeft;  // nothing to scroll back to
    EXPECT_EQ(control->GetNavigatorButtonState(entry.Button), disabled ? nbsDisabled : nbsNormal);
    EXPECT_EQ(At(control, entry.Bounds.left, entry.Bounds.top + 3), disabled ? DisabledColor : FrameColor);
    EXPECT_EQ(At(control, entry.Bounds.right - 1, entry.Bounds.bottom - 1), disabled ? DisabledColor : FrameColor);
  }
}

}  // namespace
