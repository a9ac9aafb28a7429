// The looks' answers that depend on a state (the mark's, a combo's, an edit button's) and their smaller
// drawn pieces: quick-customization rows, the flat MDI button and detach caption, the mark's chevrons
// for hidden items, the outline of a menu's non-recent rows, the XP progress chunks.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "Forms.h"
#include "GdiPng.h"
#include "PixelSurface.h"
#include "WinManage.h"
#include "WinUserDraw.h"
#include "cxGraphicsCanvas.h"
#include "dxBar.h"
#include "dxBarItemControlDrawParams.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"
#include "dxBarTestSupport.h"
#include "dxOffice11.h"
#include "dxThemeManager.h"

namespace {

using PixelSurface::RGBOf;
using PixelSurface::TSurface;
using namespace dxOffice11;

template <class T>
TdxBarPainter* PartsPainter() {
  return TClassRef<TdxBarPainter>::Of<T>().operator->();
}

// A value asked of the base, flat and Office 2003 painters.
struct TStateCase {
  const char* Name;
  std::function<Integer(TdxBarPainter*)> Value;
  Integer Base, Flat, Office11;
};

TEST(dxBarPainterLooksParts, AnswersThatDependOnAState) {
  TOwnedPtr<TForm> form(dxBarTests::NewTestForm());
  New<TdxBarManager>(form.get());  // the Office 2003 scheme
  auto colour = [](TColor AColor) { return Integer(RGBOf(AColor)); };
  auto edit = [](bool ASelected, TdxBarPaintType APaintType) {
    TOwnedPtr<TdxBarEditLikeControlDrawParams> params(New<TdxBarEditLikeControlDrawParams>());
    params->DrawSelected = ASelected;
    params->PaintType = APaintType;
    return params;
  };
  const TStateCase cases[] = {
      {"BarMarkArrowColor(msNone)", [&](TdxBarPainter* p) { return colour(p->BarMarkArrowColor(msNone)); },
       colour(clCaptionText), colour(clCaptionText), Integer(dxOffice11BarFloatingCaptionTextColor1)},
      {"BarMarkArrowColor(msSelected)", [&](TdxBarPainter* p) { return colour(p->BarMarkArrowColor(msSelected)); },
       colour(clCaptionText), colour(clBtnText), Integer(dxOffice11BarFloatingCaptionTextColor2)},
      {"BarMarkArrowColor(msPressed)", [&](TdxBarPainter* p) { return colour(p->BarMarkArrowColor(msPressed)); },
       colour(clCaptionText), colour(clBtnText), Integer(dxOffice11BarFloatingCaptionTextColor3)},
      {"GetDrawMarkElementColor(msSelected)",
       [&](TdxBarPainter* p) { return colour(p->GetDrawMarkElementColor(msSelected)); }, colour(clBtnText),
       colour(clBtnText), colour(clBtnText)},
      {"EditButtonIsCustomBackground(0)", [](TdxBarPainter* p) { return Integer(p->EditButtonIsCustomBackground(0)); },
       0, 0, 1},
      {"EditButtonIsCustomBackground(1)", [](TdxBarPainter* p) { return Integer(p->EditButtonIsCustomBackground(1)); },
       0, 0, 0},
      {"EditButtonIsCustomBackground(3)", [](TdxBarPainter* p) { return Integer(p->EditButtonIsCustomBackground(3)); },
       0, 0, 1},
      {"EditControlShowIconDefault(ptMenu)", [](TdxBarPainter* p) { return Integer(p->EditControlShowIconDefault(ptMenu)); },
       0, 0, 1},
      {"EditControlShowIconDefault(ptHorz)", [](TdxBarPainter* p) { return Integer(p->EditControlShowIconDefault(ptHorz)); },
       0, 0, 0},
      {"HasEditControlExternalFrame(ptMenu, transparent)",
       [](TdxBarPainter* p) { return Integer(p->HasEditControlExternalFrame(ptMenu, true)); }, 0, 1, 1},
      {"HasEditControlExternalFrame(ptHorz, transparent)",
       [](TdxBarPainter* p) { return Integer(p->HasEditControlExternalFrame(ptHorz, true)); }, 0, 0, 0},
      {"EditControlGlyphIsDrawSelected(selected in a menu)",
       [&](TdxBarPainter* p) { return Integer(p->EditControlGlyphIsDrawSelected(edit(true, ptMenu).get())); }, 0, 1, 1},
      {"EditControlGlyphIsDrawSelected(selected on a bar)",
       [&](TdxBarPainter* p) { return Integer(p->EditControlGlyphIsDrawSelected(edit(true, ptHorz).get())); }, 0, 0, 0},
      {"InPlaceSubItemControlIsArrowSelected(selected)",
       [](TdxBarPainter* p) {
         TOwnedPtr<TdxBarInPlaceSubItemControlDrawParams> params(New<TdxBarInPlaceSubItemControlDrawParams>());
         params->DrawSelected = true;
         return Integer(p->InPlaceSubItemControlIsArrowSelected(params.get()));
       },
       1, 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.Value(PartsPainter<TdxBarPainter>()), c.Base) << "base " << c.Name;
    EXPECT_EQ(c.Value(PartsPainter<TdxBarFlatPainter>()), c.Flat) << "flat " << c.Name;
    EXPECT_EQ(c.Value(PartsPainter<TdxBarOffice11Painter>()), c.Office11) << "Office 2003 " << c.Name;
  }
  EXPECT_FALSE(PartsPainter<TdxBarXPPainter>()->IsMenuItem(nullptr));
}

// A combo's arrow: the base always in button text; the flat look lights it on a selected open combo
// and greys it when disabled; Office 2003 uses its scheme's text colours.
TEST(dxBarPainterLooksParts, ComboArrowColourFollowsTheButton) {
  TOwnedPtr<TForm> form(dxBarTests::NewTestForm());
  New<TdxBarManager>(form.get());
  const bool themed = IsXPStandardScheme();
  struct {
    bool Selected, DroppedDown, Enabled;
    TColor Flat, Office11;
  } const cases[] = {
      {false, false, true, clBtnText, TColor(dxOffice11TextEnabledColor)},
      {true, false, true, clBtnText, TColor(dxOffice11TextEnabledColor)},
      {true, true, true, clHighlightText, themed ? TColor(dxOffice11TextEnabledColor) : clHighlightText},
      {false, false, false, clBtnShadow, TColor(dxOffice11TextDisabledColor)},
  };
  for (const auto& c : cases) {
    TOwnedPtr<TdxBarEditLikeControlDrawParams> params(New<TdxBarEditLikeControlDrawParams>());
    params->DrawSelected = c.Selected;
    params->DroppedDown = c.DroppedDown;
    params->Enabled = c.Enabled;
    const std::string name = std::to_string(c.Selected) + std::to_string(c.DroppedDown) + std::to_string(c.Enabled);
    EXPECT_EQ(RGBOf(PartsPainter<TdxBarPainter>()->ComboControlArrowColor(params.get())), RGBOf(clBtnText)) << name;
    EXPECT_EQ(RGBOf(PartsPainter<TdxBarFlatPainter>()->ComboControlArrowColor(params.get())), RGBOf(c.Flat)) << name;
    EXPECT_EQ(RGBOf(PartsPainter<TdxBarOffice11Painter>()->ComboControlArrowColor(params.get())), RGBOf(c.Office11))
        << name;
  }
}

// A bar or a menu of three buttons on the test bar window, its background painted in its brush.
struct LooksPartsFixture : testing::Test {
  TOwnedPtr<TForm> Form{dxBarTests::NewTestForm()};
  TdxBarManager* Manager = New<TdxBarManager>(Form.get());
  TOwnedPtr<dxBarTests::TTestBarLinks> Owner{New<dxBarTests::TTestBarLinks>()};
  dxBarTests::TTestBarWindow* Bar = nullptr;

  void MakeBar(bool AMenu) {
    Form->SetBounds(0, 0, 300, 200);
    Form->Show();
    std::vector<TdxBarItem*> items;
    for (Integer i = 0; i < 3; ++i) items.push_back(New<TdxBarButton>(Form.get()));
    Owner->NewBar = [AMenu](TdxBarManager* AManager) {
      auto* bar = New<dxBarTests::TTestBarWindow>(AManager);
      bar->IsMenu = AMenu;
      bar->PaintsBackground = true;
      return bar;
    };
    Bar = Owner->MakeBar(Manager, Form.get(), items);
  }
  void TearDown() override {
    Owner.reset();
    Form.reset();
  }
  TdxBarItemLink* Link(Integer AIndex) { return Owner->Links->GetItem(AIndex); }
  TdxBarItemControl* Control(Integer AIndex) { return Link(AIndex)->GetControl(); }
  Integer CountColour(TSurface& ASurface, const TRect& R, COLORREF AColor) {
    Integer count = 0;
    for (Integer y = R.top; y < R.bottom; ++y)
      for (Integer x = R.left; x < R.right; ++x)
        if (ASurface.At(x, y) == AColor) ++count;
    return count;
  }
};

// In a menu without an icon a progress bar starts past the glyph column (Office 2003); on a bar, or
// beside an icon, it does not; an edit's caption without an icon lines up with the menu's row texts.
TEST_F(LooksPartsFixture, Office2003IndentsInMenus) {
  MakeBar(true);
  TdxBarPainter* office11 = PartsPainter<TdxBarOffice11Painter>();
  TOwnedPtr<TdxBarProgressControlDrawParams> progress(New<TdxBarProgressControlDrawParams>(Control(0)));
  progress->PaintType = ptMenu;
  EXPECT_EQ(office11->ProgressControlIndent(progress.get()), Bar->GetIconAreaSize());
  progress->ViewStructure = TdxBarItemControlViewStructure{cpIcon};
  EXPECT_EQ(office11->ProgressControlIndent(progress.get()), 0);
  progress->ViewStructure = TdxBarItemControlViewStructure{};
  progress->PaintType = ptHorz;
  EXPECT_EQ(office11->ProgressControlIndent(progress.get()), 0);
  EXPECT_EQ(PartsPainter<TdxBarFlatPainter>()->ProgressControlIndent(progress.get()), 0);

  TOwnedPtr<TdxBarEditLikeControlDrawParams> edit(New<TdxBarEditLikeControlDrawParams>(Control(0)));
  edit->PaintType = ptMenu;
  EXPECT_EQ(office11->EditControlCaptionAbsoluteLeftIndent(edit.get()),
            office11->SubMenuControlGetItemTextIndent(Control(0)));
  EXPECT_EQ(PartsPainter<TdxBarFlatPainter>()->EditControlCaptionAbsoluteLeftIndent(edit.get()), 6);
}

// A quick-customization row: unselected, its square's ring stands on the bar's background and the
// content shrinks inside it; selected, the check cell is framed and a two-pixel column closes the row.
TEST_F(LooksPartsFixture, QuickCustomizationRows) {
  MakeBar(true);
  TSurface surface(120, 60);
  TdxBarPainter* looks[] = {PartsPainter<TdxBarFlatPainter>(), PartsPainter<TdxBarOffice11Painter>()};
  for (Integer i = 0; i < 2; ++i) {
    Bar->Painter = looks[i];
    const COLORREF background = [&] {
      LOGBRUSH brush{};
      GetObject(Bar->GetToolbarBrush(), sizeof(brush), &brush);
      return brush.lbColor & 0xFFFFFF;
    }();
    const Integer top = 5 + i * 28;
    TRect row(5, top, 15, top + 22);
    EXPECT_EQ(looks[i]->DrawQuickCustItemFrame(Control(0), surface.DC, row, false), 27);
    EXPECT_EQ(row, TRect(6, top + 1, 26, top + 21));
    EXPECT_EQ(surface.At(5, top + 10), background);
    EXPECT_EQ(surface.At(15, top + 10), PixelSurface::kWhite);

    const TRect cell(40, top, 62, top + 22), content(62, top, 100, top + 22);
    looks[i]->DrawQuickCustItemFrameSelected(Control(0), surface.DC, cell, content, false);
    EXPECT_EQ(surface.At(40, top + 10), PixelSurface::kWhite);
    looks[i]->DrawQuickCustItemFrameSelected(Control(0), surface.DC, cell, content, true);
    EXPECT_NE(surface.At(40, top + 10), PixelSurface::kWhite);
    EXPECT_EQ(CountColour(surface, TRect(100, top, 102, top + 22), PixelSurface::kWhite), 0);
    EXPECT_EQ(surface.At(102, top + 10), PixelSurface::kWhite);
  }
  EXPECT_TRUE(SaveDCToPng(surface.DC, testing::TempDir() + "bar-painters-quick-customization-rows.png"));
}

// The flat MDI buttons: hot framed by the selection frame and filled with the selected brush, the
// glyph laid over it; at rest the bar's background shows round the glyph.
TEST_F(LooksPartsFixture, FlatMDIButtons) {
  MakeBar(false);
  TSurface surface(3 * 24 + 10, 2 * 24 + 10);
  TdxBarPainter* flat = PartsPainter<TdxBarFlatPainter>();
  Bar->Painter = flat;
  const COLORREF selected = ColorToRGB(Manager->GetFlatToolbarsSelColor()) & 0xFFFFFF;
  for (Integer button = 0; button < 3; ++button) {
    flat->BarDrawMDIButton(Bar, TdxBarMDIButton(button), 2, surface.DC, TRect(5 + button * 24, 5, 25 + button * 24, 23));
    flat->BarDrawMDIButton(Bar, TdxBarMDIButton(button), 0, surface.DC, TRect(5 + button * 24, 29, 25 + button * 24, 47));
  }
  const TRect hot(5, 5, 25, 23), rest(5, 29, 25, 47);
  EXPECT_GT(CountColour(surface, TRect(hot.left + 1, hot.top + 1, hot.right - 1, hot.bottom - 1), selected), 100);
  EXPECT_GT(CountColour(surface, TRect(hot.left + 1, hot.top + 1, hot.right - 1, hot.bottom - 1), RGBOf(clBtnText)), 4);
  EXPECT_NE(surface.At(hot.left, hot.top + 5), selected);  // the frame
  EXPECT_EQ(CountColour(surface, rest, selected), 0);
  EXPECT_GT(CountColour(surface, rest, RGBOf(clBtnText)), 4);
  EXPECT_TRUE(SaveDCToPng(surface.DC, testing::TempDir() + "bar-painters-flat-mdi-buttons.png"));
}

// The mark shows its chevrons only while the bar leaves a link out: one without room in the layout.
TEST_F(LooksPartsFixture, MarkChevronsShowHiddenLinks) {
  MakeBar(false);
  TSurface surface(40, 30);
  const TRect mark(5, 2, 20, 26);
  TdxBarPainter* base = PartsPainter<TdxBarPainter>();
  base->BarDrawMarkElements(Bar, surface.DC, mark);
  const TRect chevrons(mark.left + 3, mark.top + 4, mark.left + 13, mark.top + 9);
  EXPECT_EQ(CountColour(surface, chevrons, RGBOf(clBtnText)), 0);
  Link(2)->SetItemRect(TRect());
  base->BarDrawMarkElements(Bar, surface.DC, mark);
  EXPECT_GT(CountColour(surface, chevrons, RGBOf(clBtnText)), 10);
  EXPECT_TRUE(SaveDCToPng(surface.DC, testing::TempDir() + "bar-painters-mark-hidden-links.png"));
}

// A menu whose last two rows are non-recent: the standard look draws a dark line above the run, the
// menu's background beside the run's rows and under the last one, and nothing round the recent row.
TEST_F(LooksPartsFixture, StandardOutlineOfTheNonRecentRows) {
  MakeBar(true);
  Bar->SetBounds(10, 10, 120, 80);
  TSurface surface(140, 90);
  for (Integer i = 0; i < 3; ++i) Link(i)->SetItemRect(TRect(4, 4 + i * 20, 100, 24 + i * 20));
  Control(1)->SetNonRecent(true);
  Control(2)->SetNonRecent(true);
  TdxBarPainter* standard = PartsPainter<TdxBarStandardPainter>();
  for (Integer i = 0; i < 3; ++i)
    standard->SubMenuControlDrawItemFrame(Control(i), surface.Cx, Link(i)->GetItemRect(), i);
  const COLORREF background = RGBOf(clBtnFace);
  EXPECT_EQ(surface.At(50, 23), RGBOf(clBtnShadow));  // the line above the run
  EXPECT_EQ(surface.At(3, 30), background);           // beside a non-recent row, left and right
  EXPECT_EQ(surface.At(101, 30), background);
  EXPECT_EQ(surface.At(50, 70), background);  // under the last row
  EXPECT_EQ(surface.At(3, 10), PixelSurface::kWhite);  // the recent row stays as it was
  EXPECT_EQ(surface.At(101, 10), PixelSurface::kWhite);
  EXPECT_TRUE(SaveDCToPng(surface.DC, testing::TempDir() + "bar-painters-non-recent-outline.png"));
}

// The flat detach caption's grip is 33 pixels wide whatever the menu's width.
TEST(dxBarPainterLooksParts, FlatDetachCaptionGripWidth) {
  TOwnedPtr<TForm> form(dxBarTests::NewTestForm());
  New<TdxBarManager>(form.get());
  TSurface surface(220, 40);
  for (Integer width : {80, 200}) {
    surface.Clear();
    PartsPainter<TdxBarFlatPainter>()->SubMenuControlDrawDetachCaption(nullptr, surface.DC, TRect(5, 5, 5 + width, 15));
    Integer shadow = 0;
    for (Integer x = 0; x < surface.Width; ++x)
      if (surface.At(x, 6) == RGBOf(clBtnShadow)) ++shadow;
    EXPECT_EQ(shadow, 33) << width;
  }
}

// The XP progress bar: the bar part, then the filled length in the chunk part; a bar at its minimum,
// or with an empty range, shows the bar part alone.
TEST_F(LooksPartsFixture, XPProgressChunks) {
  if (!AreVisualStylesAvailable(totProgress)) GTEST_SKIP() << "no visual styles";
  MakeBar(false);
  TSurface surface(220, 3 * 20 + 10);
  TdxBarPainter* xp = PartsPainter<TdxBarXPPainter>();
  struct {
    Integer Min, Max, Position;
  } const bars[] = {{0, 100, 50}, {0, 100, 0}, {5, 5, 5}};
  for (Integer i = 0; i < 3; ++i) {
    TOwnedPtr<TdxBarProgressControlDrawParams> params(New<TdxBarProgressControlDrawParams>(Control(0)));
    params->Canvas = surface.Cx;
    params->Min = bars[i].Min;
    params->Max = bars[i].Max;
    params->Position = bars[i].Position;
    xp->ProgressControlDrawBar(params.get(), TRect(5, 5 + i * 20, 205, 19 + i * 20), clHighlight);
  }
  // The half-filled bar differs from the empty one in its first half, not in its second.
  EXPECT_NE(surface.At(50, 12), surface.At(50, 32));
  EXPECT_EQ(surface.At(180, 12), surface.At(180, 32));
  // The empty range draws like the bar at its minimum.
  EXPECT_EQ(surface.At(50, 52), surface.At(50, 32));
  EXPECT_TRUE(SaveDCToPng(surface.DC, testing::TempDir() + "bar-painters-xp-progress.png"));
}

}  // namespace

namespace {

// The XP size-grip panel of a drop-down list that opened downwards: as high as the look's panel size,
// the theme's grip in the list's bottom-right corner and its close button at the panel's left end; the
// rectangles come back in screen coordinates.
TEST(dxBarPainterLooksParts, XPSizeGripPanel) {
  TOwnedPtr<TForm> form(dxBarTests::NewTestForm());
  New<TdxBarManager>(form.get());
  form->SetBounds(50, 40, 200, 150);
  form->Show();
  RECT window{};
  GetWindowRect(form->GetHandle(), &window);
  TdxBarPainter* xp = PartsPainter<TdxBarXPPainter>();
  TRect close, grip;
  xp->SysPanelDraw(form->GetHandle(), true, false, false, close, grip, coBottomRight);
  const Integer panelTop = window.bottom - 1 - xp->SysPanelSize() + 1;
  EXPECT_EQ(grip.right, window.right - 1);
  EXPECT_EQ(grip.bottom, window.bottom - 1);
  EXPECT_GE(grip.top, panelTop);
  EXPECT_LT(close.left, window.left + 10);
  EXPECT_GE(close.top, panelTop);
  EXPECT_LE(close.bottom, window.bottom - 1);
  xp->SysPanelDraw(form->GetHandle(), false, false, false, close, grip, coBottomRight);
  EXPECT_TRUE(IsRectEmpty(&close));
  EXPECT_TRUE(IsRectEmpty(&grip));
}

}  // namespace

namespace {

// A popup bar that belongs to another control.
class TInternalBar : public dxBarTests::TTestBarWindow {
  DECLARE_CLASS(TInternalBar, dxBarTests::TTestBarWindow)
 public:
  explicit TInternalBar(TComponent* AOwner = nullptr) : dxBarTests::TTestBarWindow(AOwner) {}
  bool IsInternal() override { return true; }
};
IMPLEMENT_CLASS(TInternalBar)

// Office 2003: a popup that belongs to another control keeps the drop-down border and the bar's brush
// inside it, not the floating toolbar's three-pixel frame.
TEST(dxBarPainterLooksParts, Office2003InternalPopupFrame) {
  TOwnedPtr<TForm> form(dxBarTests::NewTestForm());
  New<TdxBarManager>(form.get());
  TOwnedPtr<TInternalBar> internal(New<TInternalBar>());
  TSurface surface(70, 50);
  const TRect R(5, 5, 65, 45), client(R.left + 3, R.top + 3, R.right - 3, R.bottom - 3);
  PartsPainter<TdxBarOffice11Painter>()->BarDrawFloatingBarBorder(internal.get(), surface.DC, R, client,
                                                                   GetSysColorBrush(COLOR_BTNFACE));
  LOGBRUSH border{};
  GetObject(dxOffice11DropDownBorderBrush1, sizeof(border), &border);
  EXPECT_EQ(surface.At(30, 5), border.lbColor & 0xFFFFFF);
  EXPECT_EQ(surface.At(30, 6), RGBOf(clBtnFace));
  EXPECT_EQ(surface.At(30, 7), RGBOf(clBtnFace));
  EXPECT_EQ(surface.At(30, 8), PixelSurface::kWhite);
}

// The date navigator's buttons: two L-shaped outlines in the base look, flat frames in the flat look;
// the theme's button in Office 2003 while visual styles are on, as in the XP look.
TEST(dxBarPainterLooksParts, DateNavigatorButtons) {
  TOwnedPtr<TForm> form(dxBarTests::NewTestForm());
  New<TdxBarManager>(form.get());
  TSurface base(40, 24), flat(40, 24), office11(40, 24), xp(40, 24);
  const TRect R(2, 2, 38, 22);
  PartsPainter<TdxBarPainter>()->DateNavigatorDrawButton(base.Cx, R, "1", false);
  EXPECT_EQ(base.At(10, 2), RGBOf(clBtnFace));
  EXPECT_EQ(base.At(10, 21), RGBOf(clBtnText));
  EXPECT_EQ(base.At(10, 3), RGBOf(clBtnHighlight));
  EXPECT_EQ(base.At(36, 10), RGBOf(clBtnShadow));
  EXPECT_EQ(base.At(36, 3), RGBOf(clBtnFace));  // the inner outline's top-right pixel
  PartsPainter<TdxBarFlatPainter>()->DateNavigatorDrawButton(flat.Cx, R, "1", false);
  EXPECT_EQ(flat.At(10, 2), RGBOf(clBtnShadow));
  EXPECT_EQ(flat.At(10, 3), RGBOf(clBtnFace));
  if (!AreVisualStylesAvailable(totToolBar)) GTEST_SKIP() << "no visual styles";
  PartsPainter<TdxBarOffice11Painter>()->DateNavigatorDrawButton(office11.Cx, R, "1", false);
  PartsPainter<TdxBarXPPainter>()->DateNavigatorDrawButton(xp.Cx, R, "1", false);
  for (Integer x = 0; x < 40; x += 3)
    for (Integer y = 0; y < 24; y += 3) EXPECT_EQ(office11.At(x, y), xp.At(x, y)) << x << "," << y;
  EXPECT_NE(office11.At(10, 2), flat.At(10, 2));
}

}  // namespace
